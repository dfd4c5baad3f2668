#include <gtest/gtest.h>

#include "sqlutil/KWYUtils.h"

namespace {

String Brancos(int N) { return String(N, L' '); }

// The lookup expression without its trailing result name.
String SemNome(const String& Coluna, const String& Alias) {
  const String expressao = ExpressaoPreco(Coluna, Alias, 1);
  return expressao.substr(0, expressao.size() - Coluna.size());
}

struct TCaso {
  const wchar_t* Nome;
  String Texto;
  String Esperado;
};

}  // namespace

TEST(PrecoItem, ExpressaoPrecoLooksUpTheDealersPriceTable) {
  const String pedaco =
      L" coalesce((select PRECO" + Brancos(12) + L"from PEC_TABELA_PRECO_ITEM ZZY" + Brancos(17) +
      L"inner join PEC_PARAMETRO PPZ on" + Brancos(27) + L"(PPZ.EMPRESA = ZZY.EMPRESA" + Brancos(24) +
      L"and PPZ.REVENDA = ";
  EXPECT_EQ(ExpressaoPreco(L"PRECO_GARANTIA", L"I", 12),
            pedaco + L"12" + Brancos(23) + L"and PPZ.PRECO_GARANTIA = ZZY.TABELA)" + Brancos(11) +
                L"where ZZY.EMPRESA" + Brancos(6) + L"= I.EMPRESA" + Brancos(13) +
                L"and ZZY.ITEM_ESTOQUE = I.ITEM_ESTOQUE),I.PRECO_GARANTIA) PRECO_GARANTIA");
  EXPECT_EQ(ExpressaoPreco(L"PRECO_A_VISTA", L"", 1),
            pedaco + L"1" + Brancos(23) + L"and PPZ.PRECO_A_VISTA = ZZY.TABELA)" + Brancos(11) +
                L"where ZZY.EMPRESA" + Brancos(6) + L"= PEC_ITEM_ESTOQUE.EMPRESA" + Brancos(13) +
                L"and ZZY.ITEM_ESTOQUE = PEC_ITEM_ESTOQUE.ITEM_ESTOQUE),PEC_ITEM_ESTOQUE.PRECO_A_VISTA) "
                L"PRECO_A_VISTA");
}

TEST(PrecoItem, RewritesPriceColumnsOfTheStockItem) {
  const String publico = L"PRECO_PUBLICO_ATUAL", garantia = L"PRECO_GARANTIA", vista = L"PRECO_A_VISTA";
  const TCaso casos[] = {
      {L"select list keeps the result name",
       L"select I.PRECO_PUBLICO_ATUAL, I.EMPRESA from PEC_ITEM_ESTOQUE I",
       L"select " + ExpressaoPreco(publico, L"I", 1) + L", I.EMPRESA from PEC_ITEM_ESTOQUE I"},
      {L"before FROM keeps the result name", L"select I.ITEM, I.PRECO_PUBLICO_ATUAL from PEC_ITEM_ESTOQUE I",
       L"select I.ITEM, " + ExpressaoPreco(publico, L"I", 1) + L" from PEC_ITEM_ESTOQUE I"},
      {L"condition without result name",
       L"select I.EMPRESA from PEC_ITEM_ESTOQUE I where I.PRECO_PUBLICO_ATUAL > 0",
       L"select I.EMPRESA from PEC_ITEM_ESTOQUE I where " + SemNome(publico, L"I") + L" > 0"},
      {L"alias cut to four characters",
       L"select ITEMX.PRECO_GARANTIA, ITEMX.ITEM from PEC_ITEM_ESTOQUE ITEMX",
       L"select I" + ExpressaoPreco(garantia, L"TEMX", 1) + L", ITEMX.ITEM from PEC_ITEM_ESTOQUE ITEMX"},
      {L"alias after a comma without blank",
       L"select I.ITEM,I.PRECO_A_VISTA from PEC_ITEM_ESTOQUE I",
       L"select I.ITEM," + ExpressaoPreco(vista, L"I", 1) + L" from PEC_ITEM_ESTOQUE I"},
      {L"only the first alias of a column",
       L"select A.PRECO_A_VISTA, B.PRECO_A_VISTA from PEC_ITEM_ESTOQUE A, PEC_ITEM_ESTOQUE B",
       L"select " + ExpressaoPreco(vista, L"A", 1) +
           L", B.PRECO_A_VISTA from PEC_ITEM_ESTOQUE A, PEC_ITEM_ESTOQUE B"},
      {L"a name after a closing parenthesis stays",
       L"select SUM(I.PRECO_PUBLICO_ATUAL) PRECO_PUBLICO_ATUAL from PEC_ITEM_ESTOQUE I",
       L"select SUM(" + SemNome(publico, L"I") + L") PRECO_PUBLICO_ATUAL from PEC_ITEM_ESTOQUE I"},
      {L"bare column reads the stock-item table",
       L"select PRECO_GARANTIA, ITEM_ESTOQUE from PEC_ITEM_ESTOQUE",
       L"select" + ExpressaoPreco(garantia, L"", 1) + L", ITEM_ESTOQUE from PEC_ITEM_ESTOQUE"},
      {L"blank runs before bare columns shrink together",
       L"select      PRECO_GARANTIA,  PRECO_A_VISTA from PEC_ITEM_ESTOQUE",
       L"select    " + ExpressaoPreco(garantia, L"", 1) + L"," + ExpressaoPreco(vista, L"", 1) +
           L" from PEC_ITEM_ESTOQUE"},
      {L"a bare column in lower case after a blank run",
       L"select I.ITEM,  preco_a_vista from PEC_ITEM_ESTOQUE I",
       L"select I.ITEM," + ExpressaoPreco(vista, L"", 1) + L" from PEC_ITEM_ESTOQUE I"},
      {L"the alias of the first reference in any case",
       L"select x.preco_a_vista, I.PRECO_A_VISTA from PEC_ITEM_ESTOQUE I, PEC_ITEM_ESTOQUE x",
       L"select " + ExpressaoPreco(vista, L"x", 1) + L", I.PRECO_A_VISTA from PEC_ITEM_ESTOQUE I, PEC_ITEM_ESTOQUE x"},
      {L"line breaks become blanks",
       L"select I.ITEM,\r\nI.PRECO_A_VISTA\n\rfrom PEC_ITEM_ESTOQUE I",
       L"select I.ITEM, " + ExpressaoPreco(vista, L"I", 1) + L" from PEC_ITEM_ESTOQUE I"},
      {L"a blank that ends one bare column starts a bare column before a comma",
       L"select X, PRECO_GARANTIA PRECO_GARANTIA, I.ITEM from PEC_ITEM_ESTOQUE I",
       L"select X," + SemNome(garantia, L"") + ExpressaoPreco(garantia, L"", 1) + L", I.ITEM from PEC_ITEM_ESTOQUE I"},
      {L"an alias cut from the end of another price column's name",
       L"select X.PRECO_A_VISTA.PRECO_GARANTIA, I.PRECO_A_VISTA from PEC_ITEM_ESTOQUE I",
       L"select X.PRECO_A_V" + ExpressaoPreco(garantia, L"ISTA", 1) + L", " + ExpressaoPreco(vista, L"I", 1) +
           L" from PEC_ITEM_ESTOQUE I"},
      {L"marks resolved one at a time when the name stands elsewhere before XXX",
       L"select xpreco_publico_atualxxx, I.PRECO_PUBLICO_ATUAL, I.PRECO_GARANTIA, I.ITEM from PEC_ITEM_ESTOQUE I",
       L"select xPRECO_PUBLICO_ATUAL, " + ExpressaoPreco(publico, L"I", 1) + L", " + ExpressaoPreco(garantia, L"I", 1) +
           L", I.ITEM from PEC_ITEM_ESTOQUE I"},
      {L"a reference read after the one before it is rewritten",
       L"select FROM.PRECO_A_VISTA FROM.PRECO_A_VISTA, X from PEC_ITEM_ESTOQUE",
       L"select " + SemNome(vista, L"FROM") + L" " + ExpressaoPreco(vista, L"FROM", 1) + L", X from PEC_ITEM_ESTOQUE"},
      {L"the last GROUP BY part stays",
       L"select I.ITEM, SUM(I.PRECO_A_VISTA) from PEC_ITEM_ESTOQUE I group by I.ITEM, I.PRECO_A_VISTA",
       L"select I.ITEM, SUM(" + SemNome(vista, L"I") +
           L") from PEC_ITEM_ESTOQUE I group by I.ITEM, I.PRECO_A_VISTA"},
  };
  for (const TCaso& caso : casos) EXPECT_EQ(AjustaPrecoItem(caso.Texto, 1, false), caso.Esperado) << caso.Nome;
}

TEST(PrecoItem, TextsThatAreLeftAlone) {
  const String parametro = L"select I.PRECO_A_VISTA from PEC_ITEM_ESTOQUE I where I.ITEM = :ITEM";
  const String casos[] = {
      parametro,
      L"select i.preco_a_vista from pec_item_estoque i",
      L"select I.PRECO_A_VISTA from PEC_ITEM_ESTOQUE I join PEC_TABELA_PRECO_ITEM PTP on (PTP.ITEM = I.ITEM)",
      L"select I.PRECO_A_VISTA from PEC_ITEM_ESTOQUE I join PEC_TABELA_PRECO_ITEM ZZY on (ZZY.ITEM = I.ITEM)",
      L"select X.A from CAPA X group by X.A",
      L"select I.PRECO_A_VISTA from CAPA I group by I.A, (select X.B from PEC_ITEM_ESTOQUE X)",
      L"",
  };
  for (const String& texto : casos) EXPECT_EQ(AjustaPrecoItem(texto, 1, false), texto) << texto;
  EXPECT_EQ(AjustaPrecoItem(parametro, 1, true),
            L"select " + ExpressaoPreco(L"PRECO_A_VISTA", L"I", 1) + L" from PEC_ITEM_ESTOQUE I where I.ITEM = :ITEM");
}

TEST(PrecoItem, ConverteSQLPassesTheDealerForEveryKind) {
  const String texto = L"select I.PRECO_A_VISTA from PEC_ITEM_ESTOQUE I";
  const String esperado = L"select " + ExpressaoPreco(L"PRECO_A_VISTA", L"I", 7) + L" from PEC_ITEM_ESTOQUE I";
  EXPECT_EQ(ConverteSQL(texto, L"INTERBASE", 7, false), esperado);
  EXPECT_EQ(ConverteSQL(texto, L"ORACLE", 7, false), esperado);
  EXPECT_EQ(ConverteSQL(texto, L"SQLSERVER", 7, false), Trim(esperado));
}
