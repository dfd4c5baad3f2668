#include <gtest/gtest.h>

#include "sqlutil/KWYUtils.h"

namespace {

struct TCaso {
  const wchar_t* Nome;
  const wchar_t* Texto;
  const wchar_t* Esperado;
};

}  // namespace

TEST(AgregacaoSubSelect, LiftsIntoDerivedTables) {
  const TCaso casos[] = {
      {L"maximum over a summing sub-select",
       L"SELECT X.A, MAX((SELECT SUM(I.V) FROM ITENS I WHERE I.EMPRESA = X.EMPRESA AND I.TIPO = 1)) "
       L"FROM CAPA X GROUP BY X.A",
       L"SELECT X.A, MAX((T1.VALOR)) FROM CAPA X  left outer join (select I.EMPRESA,  SUM(I.V) "
       L"VALOR  FROM ITENS I WHERE   I.TIPO = 1 Group by I.EMPRESA) T1 on ( T1.EMPRESA = X.EMPRESA "
       L")GROUP BY X.A"},
      {L"two aggregates, numbered as lifted (the later name first)",
       L"SELECT X.A, MAX((SELECT SUM(I.V) FROM ITENS I WHERE I.EMPRESA = X.EMPRESA)), "
       L"MIN((SELECT SUM(J.V) FROM PAGTOS J WHERE J.EMPRESA = X.EMPRESA)) FROM CAPA X GROUP BY X.A",
       L"SELECT X.A, MAX((T2.VALOR)), MIN((T1.VALOR)) FROM CAPA X  left outer join (select "
       L"I.EMPRESA,  SUM(I.V) VALOR  FROM ITENS I  Group by I.EMPRESA) T2 on ( T2.EMPRESA = "
       L"X.EMPRESA) left outer join (select J.EMPRESA,  SUM(J.V) VALOR  FROM PAGTOS J  Group by "
       L"J.EMPRESA) T1 on ( T1.EMPRESA = X.EMPRESA)GROUP BY X.A"},
      {L"distinct stays in front",
       L"SELECT X.A, MAX((SELECT DISTINCT I.V FROM ITENS I WHERE I.EMPRESA = X.EMPRESA)) FROM CAPA X "
       L"GROUP BY X.A",
       L"SELECT X.A, MAX((T1.VALOR)) FROM CAPA X  left outer join (select distinct I.EMPRESA, I.V  "
       L"VALOR FROM ITENS I) T1 on ( T1.EMPRESA = X.EMPRESA)GROUP BY X.A"},
      {L"outer alias with its own ON clause, condition written the other way round",
       L"SELECT Y.B, MAX((SELECT SUM(I.V) FROM ITENS I WHERE X.EMPRESA = I.EMPRESA)) FROM CAPA Y "
       L"JOIN CAPA2 X ON (X.ID = Y.ID) GROUP BY Y.B",
       L"SELECT Y.B, MAX((T1.VALOR)) FROM CAPA Y JOIN CAPA2 X ON (X.ID = Y.ID) left outer join "
       L"(select I.EMPRESA,  SUM(I.V) VALOR  FROM ITENS I  Group by I.EMPRESA) T1 on ( X.EMPRESA = "
       L"T1.EMPRESA) GROUP BY Y.B"},
      {L"outer alias before a line feed",
       L"SELECT X.A, MAX((SELECT SUM(I.V) FROM ITENS I WHERE I.EMPRESA = X.EMPRESA))\nFROM CAPA X\nGROUP BY X.A",
       L"SELECT X.A, MAX((T1.VALOR))\nFROM CAPA X\n left outer join (select I.EMPRESA,  SUM(I.V) VALOR  "
       L"FROM ITENS I  Group by I.EMPRESA) T1 on ( T1.EMPRESA = X.EMPRESA)GROUP BY X.A"},
      {L"the join goes in once, after the table's alias",
       L"SELECT MAX((SELECT SUM(I.V) FROM ITENS I WHERE I.EMPRESA = X.EMPRESA)) AS X, X.A FROM CAPA X "
       L"GROUP BY X.A",
       L"SELECT MAX((T1.VALOR)) AS X, X.A FROM CAPA X  left outer join (select I.EMPRESA,  SUM(I.V) "
       L"VALOR  FROM ITENS I  Group by I.EMPRESA) T1 on ( T1.EMPRESA = X.EMPRESA)GROUP BY X.A"},
      {L"aggregates over plain values are left as they are",
       L"SELECT MAX(X.A), SUM (X.B), COUNT(*) FROM CAPA X", L"SELECT MAX(X.A), SUM (X.B), COUNT(*) FROM CAPA X"},
      {L"only the first occurrence of a name is examined",
       L"SELECT X.MAXIMO, MAX((SELECT SUM(I.V) FROM ITENS I WHERE I.EMPRESA = X.EMPRESA)) FROM CAPA X",
       L"SELECT X.MAXIMO, MAX((SELECT SUM(I.V) FROM ITENS I WHERE I.EMPRESA = X.EMPRESA)) FROM CAPA X"},
  };
  for (const TCaso& caso : casos) EXPECT_EQ(ConverteAgregacaoSubSelect(caso.Texto), caso.Esperado) << caso.Nome;
}

TEST(AgregacaoSubSelect, ConverteSQLLiftsForSQLServerOnly) {
  const String texto =
      L"SELECT X.A, MAX((SELECT SUM(I.V) FROM ITENS I WHERE I.EMPRESA = X.EMPRESA AND I.TIPO = 1)) "
      L"FROM CAPA X GROUP BY X.A";
  EXPECT_EQ(ConverteSQL(texto, L"SQLSERVER", 1, false), ConverteAgregacaoSubSelect(texto));
  EXPECT_EQ(ConverteSQL(texto, L"INTERBASE", 1, false), texto);
}

// A lifted sub-select always brings its derived table: its joined aliases
// are its own, and the join goes in after the outer alias wherever that
// stands; a sub-select whose outer alias is nowhere stays as it is.
TEST(AgregacaoSubSelect, TheDerivedTableIsNeverLost) {
  const TCaso casos[] = {
      {L"joined alias named before the outer one",
       L"SELECT A1.X, MAX((SELECT SUM(X.V) FROM FIN_PAGAMENTO X INNER JOIN GER_CLIENTE EST ON EST.S = X.S "
       L"WHERE EST.TIPO = 1 AND X.C = A1.C)) TOTAL FROM CAPA A1 GROUP BY A1.X",
       L"SELECT A1.X, MAX((T1.VALOR)) TOTAL FROM CAPA A1  left outer join (select X.C,  SUM(X.V) VALOR  "
       L"FROM FIN_PAGAMENTO X INNER JOIN GER_CLIENTE EST ON (EST.S = X.S) WHERE EST.TIPO = 1  Group by X.C) "
       L"T1 on ( T1.C = A1.C)GROUP BY A1.X"},
      {L"join condition already in parentheses, outer alias last",
       L"SELECT X.A, MAX((SELECT SUM(I.V) FROM ITENS I LEFT JOIN GRUPOS G ON (G.S = I.S) WHERE G.TIPO = 1 "
       L"AND I.EMPRESA = X.EMPRESA)) FROM CAPA X",
       L"SELECT X.A, MAX((T1.VALOR)) FROM CAPA X left outer join (select I.EMPRESA,  SUM(I.V) VALOR  FROM "
       L"ITENS I LEFT JOIN GRUPOS G ON (G.S = I.S) WHERE G.TIPO = 1  Group by I.EMPRESA) T1 on ( T1.EMPRESA "
       L"= X.EMPRESA)"},
      {L"second item of a FROM list named first",
       L"SELECT X.A, MAX((SELECT SUM(I.V) FROM ITENS I, GRUPOS G WHERE G.TIPO = I.TIPO AND I.EMPRESA = "
       L"X.EMPRESA)) FROM CAPA X WHERE X.B = 1",
       L"SELECT X.A, MAX((T1.VALOR)) FROM CAPA X  left outer join (select I.EMPRESA,  SUM(I.V) VALOR  FROM "
       L"ITENS I, GRUPOS G WHERE G.TIPO = I.TIPO  Group by I.EMPRESA) T1 on ( T1.EMPRESA = X.EMPRESA)WHERE "
       L"X.B = 1"},
      {L"outer alias before a closing parenthesis",
       L"SELECT * FROM (SELECT X.A, MAX((SELECT SUM(I.V) FROM ITENS I WHERE I.EMPRESA = X.EMPRESA)) T FROM "
       L"CAPA X) D",
       L"SELECT * FROM (SELECT X.A, MAX((T1.VALOR)) T FROM CAPA X left outer join (select I.EMPRESA,  "
       L"SUM(I.V) VALOR  FROM ITENS I  Group by I.EMPRESA) T1 on ( T1.EMPRESA = X.EMPRESA)) D"},
      {L"outer alias nowhere in the text",
       L"SELECT MAX((SELECT SUM(I.V) FROM ITENS I WHERE I.EMPRESA = Z.EMPRESA)) FROM CAPA X",
       L"SELECT MAX((SELECT SUM(I.V) FROM ITENS I WHERE I.EMPRESA = Z.EMPRESA)) FROM CAPA X"},
  };
  for (const TCaso& caso : casos)
    EXPECT_EQ(ConverteSQL(caso.Texto, L"SQLSERVER", 1, false), caso.Esperado) << caso.Nome;
}

// The sub-select's own aliases are told from the outer one however many
// items its FROM list holds.
TEST(AgregacaoSubSelect, FromListWithMoreThanFifteenItems) {
  String from;
  for (int i = 1; i <= 20; ++i) from += (i > 1 ? L", TAB" : L"TAB") + IntToStr(i) + L" B" + IntToStr(i);
  const String texto = L"SELECT Z.A, MAX((SELECT SUM(B1.V) FROM " + from +
                       L" WHERE B20.EMPRESA = Z.EMPRESA)) FROM CAPA Z GROUP BY Z.A";
  const String resultado = ConverteAgregacaoSubSelect(texto);
  EXPECT_NE(resultado.find(L"MAX((T1.VALOR)) FROM CAPA Z  left outer join (select B20.EMPRESA,"), String::npos)
      << resultado;
  EXPECT_NE(resultado.find(L") T1 on ( T1.EMPRESA = Z.EMPRESA)GROUP BY Z.A"), String::npos) << resultado;
}

// The pass hides aggregate names as "SUBSTITUIMA" and the like and restores
// every such word at the end, one name after the other (MAX, MIN, SUM, AVG,
// COUNT): where such words share letters, the earlier name wins.
TEST(AgregacaoSubSelect, MaskWordsOfTheTextComeBackNameByName) {
  const TCaso casos[] = {
      {L"a mask inside another's tail", L"SELECT SUBSTITUISUBSTITUIMA(X.A) FROM T",
       L"SELECT SUBSTITUIMAX(X.A) FROM T"},
      {L"SUM first when the inner one comes later", L"SELECT SUBSTITUISUBSTITUIAV(X.A) FROM T",
       L"SELECT SUMBSTITUIAV(X.A) FROM T"},
      {L"three in a row", L"SELECT SUBSTITUISUBSTITUISUBSTITUIMA(X.A) FROM T",
       L"SELECT SUMBSTITUIMAX(X.A) FROM T"},
      {L"side by side, any case", L"SELECT substituisuSUBSTITUImi(X.A), SUBSTITUICO(*) FROM T",
       L"SELECT SUMMIN(X.A), COUNT(*) FROM T"},
      {L"beside a lifted sub-select",
       L"SELECT MAX((SELECT SUM(I.V) FROM ITENS I WHERE I.E = X.E)), SUBSTITUISUBSTITUICO FROM CAPA X",
       L"SELECT MAX((T1.VALOR)), SUMBSTITUICO FROM CAPA X left outer join (select I.E,  SUM(I.V) VALOR  "
       L"FROM ITENS I  Group by I.E) T1 on ( T1.E = X.E)"},
  };
  for (const TCaso& caso : casos) EXPECT_EQ(ConverteAgregacaoSubSelect(caso.Texto), caso.Esperado) << caso.Nome;
}

// Every aggregate name the sweeps look at comes back in capitals; a name
// that ends another one hides that one once it is masked, so the other
// name's next occurrence is looked at.
TEST(AgregacaoSubSelect, NamesLookedAtComeBackInCapitals) {
  const TCaso casos[] = {
      {L"lower case", L"select max(X.A), count (*) from T", L"select MAX(X.A), COUNT (*) from T"},
      {L"a name that ends another", L"SELECT SUMAX(X.A), sum(X.B) FROM T", L"SELECT SUMAX(X.A), SUM(X.B) FROM T"},
      {L"after a lifting",
       L"SELECT MAX((SELECT SUM(I.V) FROM ITENS I WHERE I.E = X.E)), SUMIN(X.A), sum(X.B) FROM CAPA X",
       L"SELECT MAX((T1.VALOR)), SUMIN(X.A), SUM(X.B) FROM CAPA X left outer join (select I.E,  SUM(I.V) VALOR  "
       L"FROM ITENS I  Group by I.E) T1 on ( T1.E = X.E)"},
  };
  for (const TCaso& caso : casos) EXPECT_EQ(ConverteAgregacaoSubSelect(caso.Texto), caso.Esperado) << caso.Nome;
}
