// Stand-in for the business system's general-services library. It keeps
// its own copy of the application context, taken over before each
// numbering, and numbers operations through the caller's connection and
// open transaction. This module links the framework statically, so its
// framework globals are its own: it touches the caller's objects only
// through their methods, and the connection's driver only through the
// driver's virtual interface.
#include "bizlibs/ZQGeral01/ZQGeral01.h"

#include <memory>

#include "app/UAplicacaoLibrary.h"
#include "vcl/data/SqlExpr.h"

namespace {

struct TEstadoGeral01 {
  bool Inicializada = false;
  String VersaoBD;
  std::unique_ptr<TAplicacaoLibrary> Aplicacao;
  TSQLConnection* Conexao = nullptr;  // the connection the context came with
};

TEstadoGeral01& Estado() {
  static TEstadoGeral01 estado;
  return estado;
}

String Texto(const wchar_t* Valor) { return Valor ? String(Valor) : String(); }

// Table and column names go into the statement, so they must be plain
// identifiers.
const String& Identificador(const String& Nome) {
  bool valido = !Nome.empty() && !(Nome[0] >= L'0' && Nome[0] <= L'9');
  for (Char c : Nome)
    valido = valido && ((c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') ||
                        (c >= L'0' && c <= L'9') || c == L'_');
  if (!valido)
    throw EArgumentException(L"ZQGeral01: nome de tabela ou coluna inválido: '" + Nome + L"'.");
  return Nome;
}

void VerificaNumeracao(TSQLConnection* Conexao, int32_t Quantidade) {
  const TEstadoGeral01& estado = Estado();
  if (!estado.Inicializada)
    throw Exception(L"ZQGeral01: biblioteca não inicializada para a base de dados.");
  if (!Conexao || Conexao != estado.Conexao)
    throw Exception(L"ZQGeral01: o contexto da aplicação não foi atualizado para esta conexão.");
  if (!Conexao->InTransaction())
    throw Exception(L"ZQGeral01: a numeração exige uma transação aberta na conexão.");
  if (Quantidade < 1)
    throw EArgumentException(L"ZQGeral01: quantidade de números inválida: " + IntToStr(Quantidade) +
                             L".");
}

}  // namespace

void __stdcall DLL_InicializaGeral01(const wchar_t* VersaoBD, int32_t) {
  TEstadoGeral01& estado = Estado();
  estado.Inicializada = true;
  estado.VersaoBD = Texto(VersaoBD);
}

void __stdcall DLL_FinalizaGeral01(int32_t) { Estado() = TEstadoGeral01(); }

void __stdcall DLL_AtualizaTAplicacaoGeral01(TAplicacaoLibrary* Aplicacao, TSQLConnection* Conexao,
                                             int32_t) {
  TEstadoGeral01& estado = Estado();
  if (!estado.Aplicacao) estado.Aplicacao = std::make_unique<TAplicacaoLibrary>(nullptr);
  estado.Aplicacao->AtualizaPropriedades(Aplicacao);
  estado.Conexao = Conexao;
}

int32_t __stdcall DLL_BuscaProximoNumeroTran(TSQLConnection* Conexao, int32_t Empresa,
                                             int32_t Revenda, const wchar_t* Tabela,
                                             const wchar_t* Coluna, int32_t Quantidade,
                                             const wchar_t*, int32_t, int32_t) {
  VerificaNumeracao(Conexao, Quantidade);
  // The highest number in use, read in the caller's transaction: the rows
  // the caller inserted with earlier numbers of this run count too.
  const String sql = L"select coalesce(max(" + Identificador(Texto(Coluna)) + L"), 0) + 1 from " +
                     Identificador(Texto(Tabela)) + L" where EMPRESA = " + IntToStr(Empresa) +
                     L" and REVENDA = " + IntToStr(Revenda);
  int64_t proximo = 0;
  Conexao->RunInTransaction([&](TDBXTransaction& Transacao) {
    const std::unique_ptr<TDBXCommand> comando = Conexao->DBXConnection()->CreateCommand();
    comando->Prepare(sql, Transacao);
    const std::unique_ptr<TDBXReader> leitor = comando->ExecuteQuery(Transacao);
    const TDBValue valor = leitor->Next() ? leitor->Value(0) : TDBValue();
    if (valor.Kind != TDBValue::TKind::Integer)
      throw EConvertError(L"ZQGeral01: a numeração de " + Texto(Tabela) +
                          L" não retornou um número.");
    proximo = valor.Int;
  });
  if (proximo > INT32_MAX)
    throw EConvertError(L"ZQGeral01: a numeração de " + Texto(Tabela) + L" se esgotou.");
  return static_cast<int32_t>(proximo);
}
