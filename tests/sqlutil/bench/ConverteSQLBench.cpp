// Microseconds per statement of the SQL dialect translator over the corpus,
// for SQL Server (every pass) and for Firebird (the price rewrite alone).
#include <chrono>
#include <cstdio>

#include "sqlutil/KWYUtils.h"
#include "tests/sqlutil/CorpusSQL.h"

int main() {
  const int repeticoes = 200;
  for (const wchar_t* banco : {L"SQLSERVER", L"INTERBASE"}) {
    std::printf("%ls\n", banco);
    for (const String& texto : CorpusSQL()) {
      size_t total = 0;
      const auto inicio = std::chrono::steady_clock::now();
      for (int i = 0; i < repeticoes; ++i) total += ConverteSQL(texto, banco, 1, false).size();
      const std::chrono::duration<double, std::micro> tempo = std::chrono::steady_clock::now() - inicio;
      std::printf("  %6zu characters: %9.1f us per statement (%zu)\n", texto.size(),
                  tempo.count() / repeticoes, total / repeticoes);
    }
  }
  return 0;
}
