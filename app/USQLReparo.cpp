#include "app/USQLReparo.h"

#include "vcl/rtl/SysUtils.h"

namespace {

bool SoDigitos(const String& S, size_t Inicio = 0) {
  if (S.size() <= Inicio) return false;
  for (size_t i = Inicio; i < S.size(); ++i)
    if (S[i] < L'0' || S[i] > L'9') return false;
  return true;
}

[[noreturn]] void NumeroInvalido(const String& Valor) {
  throw EConvertError(Format(L"'%s' não é um número válido para o comando SQL.", {Valor}));
}

// A number the operator typed: digits only, written as it stands.
const String& DigitosSQL(const String& Valor) {
  if (!SoDigitos(Valor)) NumeroInvalido(Valor);
  return Valor;
}

// A whole number read from a row, optionally negative.
const String& NumeroSQL(const String& Valor) {
  if (!SoDigitos(Valor, !Valor.empty() && Valor[0] == L'-' ? 1 : 0)) NumeroInvalido(Valor);
  return Valor;
}

// A text literal: quoted, with every quote inside doubled.
String LiteralSQL(const String& Valor) { return QuotedStr(Valor); }

}  // namespace

bool FiltroValido(const TFiltroReparo& F) {
  const bool notaCompleta =
      !F.Nota.empty() && !F.Serie.empty() && !F.Transacao.empty() && !F.Contador.empty();
  const bool periodo = F.DataInicialMarcada && F.DataFinalMarcada;
  return !F.Empresa.empty() && !F.Revenda.empty() && (notaCompleta || periodo);
}

String CampoNumericoInvalido(const TFiltroReparo& F) {
  const std::pair<const String*, const wchar_t*> campos[] = {{&F.Empresa, L"Empresa"},
                                                             {&F.Revenda, L"Revenda"},
                                                             {&F.Nota, L"Nota Fiscal"},
                                                             {&F.Contador, L"Contador"}};
  for (const auto& [valor, legenda] : campos)
    if (!valor->empty() && !SoDigitos(*valor)) return legenda;
  return String();
}

String SQLFiltroCapas(const TFiltroReparo& F) {
  String sql = L" select * from fat_movimento_capa  where  empresa = " + DigitosSQL(F.Empresa) +
               L" and    revenda = " + DigitosSQL(F.Revenda) + L" and    status = " + L"'F'";
  if (!F.Transacao.empty()) sql += L" and    tipo_transacao = " + LiteralSQL(F.Transacao);
  if (!F.Nota.empty()) sql += L" and    numero_nota_fiscal    = " + DigitosSQL(F.Nota);
  if (!F.Serie.empty()) sql += L" and    serie_nota_fiscal   = " + LiteralSQL(F.Serie);
  if (!F.Contador.empty()) sql += L" and CONTADOR = " + DigitosSQL(F.Contador);
  if (F.DataInicialMarcada)
    sql += L" and dta_entrada_saida between " + F.DataInicialSQL + L" and " + F.DataFinalSQL;
  return sql;
}

String SQLInsereFatOperacao(const TCapaNota& C, int AOperacao) {
  return L"insert into FAT_OPERACAO (EMPRESA,                                "
         L"REVENDA,                                "
         L"OPERACAO,                               "
         L"DTA_OPERACAO)  values (" +
         NumeroSQL(C.Empresa) + L"," + NumeroSQL(C.Revenda) + L"," + IntToStr(AOperacao) + L"," +
         C.DataSQL + L")";
}

String SQLInsereGerOperacao(const TCapaNota& C, int AOperacao) {
  return L"insert into GER_OPERACAO (EMPRESA,                                "
         L"REVENDA,                                "
         L"OPERACAO,                               "
         L"DTA_OPERACAO,                           "
         L"DES_OPERACAO,                           "
         L"USUARIO)       values (" +
         NumeroSQL(C.Empresa) + L"," + NumeroSQL(C.Revenda) + L"," + IntToStr(AOperacao) + L"," +
         C.DataSQL + L"," + L"'ATUALIZACAO OPERACAO NOTA '" + L"," + L"0" + L")";
}

String SQLAtualizaCapa(const TCapaNota& C, int AFatOperacao, int AGerOperacao) {
  return L" update fat_movimento_capa  set fatoperacao = " + IntToStr(AFatOperacao) + L"," +
         L"     operacao = " + IntToStr(AGerOperacao) + L" where empresa = " +
         NumeroSQL(C.Empresa) + L" and   revenda = " + NumeroSQL(C.Revenda) +
         L" and   numero_nota_fiscal  = " + NumeroSQL(C.Nota) + L" and   serie_nota_fiscal = " +
         LiteralSQL(C.Serie) + L" and   tipo_transacao = " + LiteralSQL(C.Transacao) +
         L" and   contador = " + NumeroSQL(C.Contador);
}

String SQLAtualizaCondicao(const TCapaNota& C, int AFatOperacao) {
  return L" update fat_operacao_condicao  set operacao = " + IntToStr(AFatOperacao) +
         L" where empresa = " + NumeroSQL(C.Empresa) + L" and   revenda = " + NumeroSQL(C.Revenda) +
         L" and   operacao = " + IntToStr(C.OperacaoAntiga);
}
