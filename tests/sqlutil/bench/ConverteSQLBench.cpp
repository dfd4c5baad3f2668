// Microseconds per statement of the SQL dialect translator, for SQL Server
// (every pass) and for Firebird (the price rewrite alone), and the ratio to
// copying the statement's text once: over the corpus, an empty and a
// pass-free text, and two long texts (thousands of price references, a
// thousand lifted sub-selects) that show how the passes scale.
#include <chrono>
#include <cstdio>

#include "sqlutil/KWYUtils.h"
#include "tests/sqlutil/CorpusSQL.h"

namespace {

using Relogio = std::chrono::steady_clock;

// Microseconds per call of Funcao, repeated for at least a fifth of a second.
template <typename F>
double MicrossegundosPorChamada(F Funcao) {
  size_t chamadas = 0;
  const auto inicio = Relogio::now();
  std::chrono::duration<double, std::micro> tempo{};
  do {
    Funcao();
    ++chamadas;
    tempo = Relogio::now() - inicio;
  } while (tempo.count() < 200000);
  return tempo.count() / chamadas;
}

String MilharesDePrecos() {
  String s = L"select I.ITEM_ESTOQUE";
  const wchar_t* const colunas[] = {L"PRECO_PUBLICO_ATUAL", L"PRECO_GARANTIA", L"PRECO_ALTERNATIVO",
                                    L"PRECO_A_VISTA"};
  for (int i = 0; i < 3000; ++i) s += String(L", I.") + colunas[i % 4];
  return s + L" from PEC_ITEM_ESTOQUE I where I.EMPRESA = 1";
}

String MilSubSelects() {
  String s = L"SELECT X.A";
  for (int i = 0; i < 1000; ++i)
    s += L", MAX((SELECT SUM(I.V) FROM ITENS I WHERE I.EMPRESA = X.EMPRESA AND I.T = " + IntToStr(i) + L"))";
  return s + L" FROM CAPA X GROUP BY X.A";
}

}  // namespace

int main() {
  std::vector<String> textos{String(), L"select A.X from TABELA A where A.Y = 1"};
  for (const String& texto : CorpusSQL()) textos.push_back(texto);
  textos.push_back(MilharesDePrecos());
  textos.push_back(MilSubSelects());
  for (const wchar_t* banco : {L"SQLSERVER", L"INTERBASE"}) {
    std::printf("%ls\n", banco);
    for (const String& texto : textos) {
      size_t total = 0;
      const double traduz = MicrossegundosPorChamada([&] { total += ConverteSQL(texto, banco, 1, false).size(); });
      const double copia = MicrossegundosPorChamada([&] {
        String copiado = texto;
        total += copiado.size();
      });
      if (total == 0 && !texto.empty()) return 1;  // keeps the calls from being optimised away
      std::printf("  %6zu characters: %10.2f us per statement, %8.1f times a copy\n", texto.size(), traduz,
                  traduz / copia);
    }
  }
  return 0;
}
