#include <gtest/gtest.h>

#include "app/USQLReparo.h"
#include "vcl/rtl/SysUtils.h"

namespace {

TFiltroReparo Filtro(const String& E, const String& R, const String& N, const String& S,
                     const String& T, const String& C, bool inicial = false, bool final_ = false) {
  TFiltroReparo f{E, R, N, S, T, C, inicial, final_, L"<INI>", L"<FIM>"};
  return f;
}

TCapaNota Capa(int antiga = 0) {
  return TCapaNota{L"1", L"2", L"345", L"U", L"V21", L"7", L"<DATA>", antiga};
}

const String Base =
    L" select * from fat_movimento_capa  where  empresa = 1 and    revenda = 2 and    status = 'F'";

}  // namespace

TEST(SQLReparo, FilterAppendsEachFilledPieceInItsOrder) {
  struct Caso {
    TFiltroReparo filtro;
    String esperado;
  } casos[] = {
      {Filtro(L"1", L"2", L"", L"", L"", L"", true, true),
       Base + L" and dta_entrada_saida between <INI> and <FIM>"},
      {Filtro(L"1", L"2", L"345", L"U", L"V21", L"7"),
       Base + L" and    tipo_transacao = 'V21' and    numero_nota_fiscal    = 345"
              L" and    serie_nota_fiscal   = 'U' and CONTADOR = 7"},
      // The start picker alone adds the range, with the end picker's value.
      {Filtro(L"1", L"2", L"345", L"U", L"V21", L"7", true, false),
       Base + L" and    tipo_transacao = 'V21' and    numero_nota_fiscal    = 345"
              L" and    serie_nota_fiscal   = 'U' and CONTADOR = 7"
              L" and dta_entrada_saida between <INI> and <FIM>"},
      // The end picker alone adds nothing.
      {Filtro(L"1", L"2", L"", L"", L"", L"", false, true), Base},
      {Filtro(L"1", L"2", L"", L"U", L"", L""), Base + L" and    serie_nota_fiscal   = 'U'"},
  };
  for (const auto& c : casos) EXPECT_EQ(SQLFiltroCapas(c.filtro), c.esperado);
}

TEST(SQLReparo, FilterValidityNeedsCompanyDealerAndTheWholeKeyOrBothDates) {
  struct Caso {
    TFiltroReparo filtro;
    bool valido;
  } casos[] = {
      {Filtro(L"1", L"2", L"345", L"U", L"V21", L"7"), true},
      {Filtro(L"1", L"2", L"345", L"U", L"V21", L""), false},
      {Filtro(L"1", L"2", L"", L"", L"", L"", true, true), true},
      {Filtro(L"1", L"2", L"", L"", L"", L"", true, false), false},
      {Filtro(L"1", L"2", L"", L"", L"", L"", false, true), false},
      {Filtro(L"", L"2", L"345", L"U", L"V21", L"7", true, true), false},
      {Filtro(L"1", L"", L"345", L"U", L"V21", L"7", true, true), false},
  };
  for (const auto& c : casos) EXPECT_EQ(FiltroValido(c.filtro), c.valido);
}

TEST(SQLReparo, StatementsOfOneHeaderAreExact) {
  const String blanks32(32, L' '), blanks31(31, L' '), blanks27(27, L' ');
  EXPECT_EQ(SQLInsereFatOperacao(Capa(), 101),
            L"insert into FAT_OPERACAO (EMPRESA," + blanks32 + L"REVENDA," + blanks32 +
                L"OPERACAO," + blanks31 + L"DTA_OPERACAO)  values (1,2,101,<DATA>)");
  EXPECT_EQ(SQLInsereGerOperacao(Capa(), 202),
            L"insert into GER_OPERACAO (EMPRESA," + blanks32 + L"REVENDA," + blanks32 +
                L"OPERACAO," + blanks31 + L"DTA_OPERACAO," + blanks27 + L"DES_OPERACAO," +
                blanks27 +
                L"USUARIO)       values (1,2,202,<DATA>,'ATUALIZACAO OPERACAO NOTA ',0)");
  EXPECT_EQ(SQLAtualizaCapa(Capa(), 101, 202),
            L" update fat_movimento_capa  set fatoperacao = 101,     operacao = 202"
            L" where empresa = 1 and   revenda = 2 and   numero_nota_fiscal  = 345"
            L" and   serie_nota_fiscal = 'U' and   tipo_transacao = 'V21' and   contador = 7");
  EXPECT_EQ(SQLAtualizaCondicao(Capa(55), 101),
            L" update fat_operacao_condicao  set operacao = 101 where empresa = 1"
            L" and   revenda = 2 and   operacao = 55");
}

TEST(SQLReparo, QuotesInTextsStayInsideTheirLiteral) {
  const auto f = Filtro(L"1", L"2", L"", L"A'B", L"X' OR '1'='1", L"");
  EXPECT_EQ(SQLFiltroCapas(f), Base +
                                   L" and    tipo_transacao = 'X'' OR ''1''=''1'"
                                   L" and    serie_nota_fiscal   = 'A''B'");
  TCapaNota capa = Capa();
  capa.Serie = L"'";
  capa.Transacao = L"T'";
  EXPECT_EQ(SQLAtualizaCapa(capa, 1, 2),
            L" update fat_movimento_capa  set fatoperacao = 1,     operacao = 2"
            L" where empresa = 1 and   revenda = 2 and   numero_nota_fiscal  = 345"
            L" and   serie_nota_fiscal = '''' and   tipo_transacao = 'T''' and   contador = 7");
}

TEST(SQLReparo, NumberFieldsHoldingAnythingButDigitsAreNamedAndNeverJoined) {
  struct Caso {
    TFiltroReparo filtro;
    String campo;
  } casos[] = {
      {Filtro(L"1", L"2", L"345", L"U", L"V21", L"7"), L""},
      {Filtro(L"1 or 1=1", L"2", L"", L"", L"", L""), L"Empresa"},
      {Filtro(L"1", L"2--", L"", L"", L"", L""), L"Revenda"},
      {Filtro(L"1", L"2", L"-5", L"", L"", L""), L"Nota Fiscal"},
      {Filtro(L"1", L"2", L"", L"", L"", L"\x0663"), L"Contador"},  // an Arabic-Indic digit
      {Filtro(L"1", L"2", L"", L"", L"", L" 7"), L"Contador"},
  };
  for (const auto& c : casos) {
    EXPECT_EQ(CampoNumericoInvalido(c.filtro), c.campo);
    if (!c.campo.empty()) EXPECT_THROW(SQLFiltroCapas(c.filtro), EConvertError);
  }
  TCapaNota capa = Capa();
  capa.Contador = L"7; delete from fat_operacao";
  EXPECT_THROW(SQLAtualizaCapa(capa, 1, 2), EConvertError);
  capa = Capa();
  capa.Empresa = L"";
  EXPECT_THROW(SQLInsereFatOperacao(capa, 1), EConvertError);
}
