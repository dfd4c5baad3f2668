#include <gtest/gtest.h>

#include "sqlutil/KWYUtils.h"
#include "tests/sqlutil/CasosConverteSQL.h"

namespace {

String ParaSQLServer(const String& Texto) { return ConverteSQL(Texto, L"SQLSERVER", 1, false); }

void ConfereCasos(std::span<const TCasoConversao> Casos) {
  for (const TCasoConversao& caso : Casos) EXPECT_EQ(ParaSQLServer(caso.Texto), caso.Esperado) << caso.Nome;
}

}  // namespace

TEST(ConverteSQL, OnlySQLServerGetsTheDialectInAnyLetterCase) {
  const String texto = L"SELECT SUM (X), A || B FROM T WHERE D = CURRENT_DATE";
  for (const wchar_t* banco : {L"INTERBASE", L"ORACLE", L"", L"SQL SERVER"})
    EXPECT_EQ(ConverteSQL(texto, banco, 1, false), texto) << banco;
  const String esperado =
      L"SELECT SUM(X), cast(A as varchar(1000))+cast(B as varchar(1000))FROM T WHERE D = "
      L"CURRENT_TIMESTAMP";
  EXPECT_EQ(ConverteSQL(texto, L"sqlserver", 1, false), esperado);
  EXPECT_EQ(ConverteSQL(texto, L"SqlServer", 1, false), esperado);
}

TEST(ConverteSQL, AggregateSpacing) {
  ConfereCasos(CasosEspacoAgregacao);
}

TEST(ConverteSQL, OnConditionsGetParentheses) {
  ConfereCasos(CasosCondicoesOn);
}

TEST(ConverteSQL, ConcatenationCastsEveryOperand) {
  ConfereCasos(CasosConcatenacao);
}

TEST(ConverteSQL, ConcatenationCastsCallsQuotedTextsAndParenthesesWhole) {
  ConfereCasos(CasosOperandosInteiros);
}

TEST(ConverteSQL, TypeAndFunctionNames) {
  ConfereCasos(CasosNomes);
}

TEST(ConverteSQL, EmptyText) {
  EXPECT_EQ(ParaSQLServer(L""), L"");
  EXPECT_EQ(ConverteSQL(L"", L"INTERBASE", 1, false), L"");
}
