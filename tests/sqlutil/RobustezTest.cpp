// The translator takes whatever text a data set opens: it must always come
// back with some text, never read outside a string (the library is built
// with the standard library's bounds checks) and never loop.
#include <gtest/gtest.h>

#include <random>

#include "sqlutil/KWYUtils.h"
#include "tests/sqlutil/CorpusSQL.h"
#include "tests/sqlutil/GeradorSQL.h"

namespace {

// Bounded growth: a runaway rewrite would show as an ever longer text.
void ConverteEmTodosOsBancos(const String& Texto) {
  for (const wchar_t* banco : {L"SQLSERVER", L"INTERBASE"}) {
    const String resultado = ConverteSQL(Texto, banco, 1, true);
    ASSERT_LT(resultado.size(), 64 * Texto.size() + 4096) << ToUtf8(Texto);
  }
}

}  // namespace

TEST(Robustez, TextsOutsideTheExpectedShapes) {
  String fromLargo = L"SELECT Z.A, MAX((SELECT SUM(B1.V) FROM ";
  for (int i = 1; i <= 40; ++i) fromLargo += L"TAB" + IntToStr(i) + L" B" + IntToStr(i) + L", ";
  const String casos[] = {
      String(),
      L" ",
      L"||",
      L"||||",
      L"A ||",
      L"|| B",
      L"SELECT A || 'x || y' || B FROM T",
      L"SELECT 'a ON b' FROM A LEFT JOIN B ON 'x ON y' = B.X WHERE 1 = 1",
      L"SELECT ((((A FROM T",
      L"SELECT A)))) FROM T",
      L"SELECT MAX((SELECT SUM(I.V) FROM ITENS I WHERE",
      L"SELECT MAX((SELECT SUM(I.V) FROM ITENS I)) FROM CAPA X",
      L"SELECT MAX((SELECT SUM(I.V) FROM ITENS I WHERE I.A = 1)) FROM CAPA X",
      L"SELECT MAX((SELECT X FROM T WHERE T.A = Q.A AND (SELECT 1 FROM U WHERE U.B = T.B)",
      L"SELECT MAX( SELECT SUM( SELECT COUNT( SELECT",
      L"SELECT MAX(((( SELECT 1 FROM A LEFT JOIN B ON (( WHERE A.X = Z.X",
      L"SELECT MAX((SELECT V FROM T LEFT JOIN U ON ( WHERE T.X = Z.X)) FROM CAPA Z",
      L"A ON ON ON ON ( ON LEFT ON",
      L"SELECT COALESCE(A || B FROM T",
      L"SELECT A || (B FROM T",
      L"SELECT A || ' FROM T",
      L"SELECT A.B C.D E.F) || X FROM T",
      L"select I.PRECO_PUBLICO_ATUAL from PEC_ITEM_ESTOQUE I where I.PRECO_PUBLICO_ATUALXXX = 1",
      L"select .PRECO_GARANTIA, from PEC_ITEM_ESTOQUE",
      L" PEC_ITEM_ESTOQUE  PRECO_A_VISTA )PRECO_A_VISTA ) $$$PRECO_A_VISTA",
      L"SELECT A GROUP BY",
      fromLargo + L"WHERE B40.A = Z.A)) FROM CAPA Z",
  };
  for (const String& texto : casos) ConverteEmTodosOsBancos(texto);
}

TEST(Robustez, GeneratedAndMutatedStatements) {
  std::mt19937 gerador(20261210);
  for (int i = 0; i < 1500; ++i) {
    String texto;
    const int pedacos = std::uniform_int_distribution<int>(1, 40)(gerador);
    for (int k = 0; k < pedacos; ++k) texto += PedacoAoAcaso(gerador);
    ConverteEmTodosOsBancos(texto);
  }
  for (const String& base : CorpusSQL())
    for (int i = 0; i < 150; ++i)
      ConverteEmTodosOsBancos(Muta(base, gerador, std::uniform_int_distribution<int>(1, 12)(gerador)));
}
