// Microseconds per statement of the SQL dialect translator, for SQL Server
// (every pass) and for Firebird (the price rewrite alone), and the ratio to
// copying the statement's text once: over the corpus, an empty and a
// pass-free text, and two long texts (thousands of price references, a
// thousand lifted sub-selects) that show how the passes scale; with the
// number of memory blocks one translation takes.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <utility>

#include "sqlutil/KWYUtils.h"
#include "tests/sqlutil/CorpusSQL.h"

namespace {

size_t GBlocos = 0;  // memory blocks taken so far

}  // namespace

void* operator new(size_t Tamanho) {
  ++GBlocos;
  if (void* p = std::malloc(Tamanho ? Tamanho : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }

namespace {

using Relogio = std::chrono::steady_clock;

// Microseconds per call of A and of B: the fastest of batches of calls
// (each at least a millisecond long), the two taking turns batch by batch
// over at least a fifth of a second, so that a busy machine's interruptions
// do not fall on one of them alone. The clock is read once per batch, not
// per call: under Wine a reading costs about as much as copying a kilobyte.
template <typename FA, typename FB>
std::pair<double, double> MicrossegundosPorChamada(FA A, FB B) {
  using Micros = std::chrono::duration<double, std::micro>;
  const auto lote = [](auto& Funcao, size_t Chamadas) {
    const auto inicio = Relogio::now();
    for (size_t k = 0; k < Chamadas; ++k) Funcao();
    return Micros(Relogio::now() - inicio).count();
  };
  const auto chamadasPorLote = [&](auto& Funcao) {
    size_t chamadas = 1;
    while (lote(Funcao, chamadas) < 1000) chamadas *= 2;
    return chamadas;
  };
  const size_t chamadasA = chamadasPorLote(A), chamadasB = chamadasPorLote(B);
  double melhorA = 1e300, melhorB = 1e300;
  const auto inicio = Relogio::now();
  do {
    melhorA = std::min(melhorA, lote(A, chamadasA) / chamadasA);
    melhorB = std::min(melhorB, lote(B, chamadasB) / chamadasB);
  } while (Micros(Relogio::now() - inicio).count() < 200000);
  return {melhorA, melhorB};
}

String MilharesDePrecos() {
  String s = L"select I.ITEM_ESTOQUE";
  const wchar_t* const colunas[] = {L"PRECO_PUBLICO_ATUAL", L"PRECO_GARANTIA", L"PRECO_ALTERNATIVO",
                                    L"PRECO_A_VISTA"};
  for (int i = 0; i < 3000; ++i) s += String(L", I.") + colunas[i % 4];
  return s + L" from PEC_ITEM_ESTOQUE I where I.EMPRESA = 1";
}

// A select list of aggregates over sub-selects, each lifted into a derived
// table, that stops growing once it holds Caracteres characters.
String SubSelects(int Quantos, size_t Caracteres = String::npos) {
  String s = L"SELECT X.A";
  for (int i = 0; i < Quantos && s.size() < Caracteres; ++i)
    s += L", MAX((SELECT SUM(I.V) FROM ITENS I WHERE I.EMPRESA = X.EMPRESA AND I.T = " + IntToStr(i) + L"))";
  return s + L" FROM CAPA X GROUP BY X.A";
}

String MilSubSelects() { return SubSelects(1000); }

// How the translation of lifted sub-selects grows: texts of 1, 2, 4, ...
// 64 KB, timed in rounds that take every size in turn (the fastest batch of
// each size counts, so that a busy machine's interruptions do not), with
// the time per KB and the slope of log(time) over log(size) fitted through
// them (1 is linear, 2 quadratic).
void SerieSubSelects() {
  using Micros = std::chrono::duration<double, std::micro>;
  std::vector<String> textos;
  for (size_t kb = 1; kb <= 64; kb *= 2) textos.push_back(SubSelects(1 << 20, kb * 1024));
  std::vector<size_t> chamadas(textos.size(), 1);
  std::vector<double> melhor(textos.size(), 1e300);
  size_t total = 0;
  const auto lote = [&](size_t i) {
    const auto inicio = Relogio::now();
    for (size_t k = 0; k < chamadas[i]; ++k) total += ConverteSQL(textos[i], L"SQLSERVER", 1, false).size();
    return Micros(Relogio::now() - inicio).count() / chamadas[i];
  };
  for (size_t i = 0; i < textos.size(); ++i)
    while (lote(i) * chamadas[i] < 2000) chamadas[i] *= 2;  // batches of 2 ms at least
  const auto inicio = Relogio::now();
  for (int rodada = 0; rodada < 5 || Micros(Relogio::now() - inicio).count() < 3e6; ++rodada)
    for (size_t i = 0; i < textos.size(); ++i) melhor[i] = std::min(melhor[i], lote(i));
  if (total == 0) return;  // keeps the calls from being optimised away
  std::printf("Lifted sub-selects (SQLSERVER)\n");
  double sx = 0, sy = 0, sxx = 0, sxy = 0;
  for (size_t i = 0; i < textos.size(); ++i) {
    const double kb = textos[i].size() / 1024.0, x = std::log(kb), y = std::log(melhor[i]);
    sx += x, sy += y, sxx += x * x, sxy += x * y;
    std::printf("  %6zu characters: %10.1f us per statement, %8.1f us per KB\n", textos[i].size(), melhor[i],
                melhor[i] / kb);
  }
  const double n = static_cast<double>(textos.size());
  std::printf("  log-log slope: %.2f\n", (n * sxy - sx * sy) / (n * sxx - sx * sx));
}

}  // namespace

int main() {
  std::vector<String> textos{String(), L"select A.X from TABELA A where A.Y = 1"};
  for (const String& texto : CorpusSQL()) textos.push_back(texto);
  textos.push_back(MilharesDePrecos());
  textos.push_back(MilSubSelects());
  for (const String banco : {L"SQLSERVER", L"INTERBASE"}) {
    std::printf("%ls\n", banco.c_str());
    for (const String& texto : textos) {
      size_t total = 0;
      // The copy goes into a buffer made beforehand: the anchor is the copy
      // of the characters, not a memory allocation.
      String copiado;
      copiado.reserve(texto.size());
      const auto [traduz, copia] = MicrossegundosPorChamada(
          [&] { total += ConverteSQL(texto, banco, 1, false).size(); },
          [&] {
            copiado.assign(texto);
            total += copiado.size();
          });
      if (total == 0 && !texto.empty()) return 1;  // keeps the calls from being optimised away
      const size_t antes = GBlocos;
      ConverteSQL(texto, banco, 1, false);
      std::printf("  %6zu characters: %10.2f us per statement, %8.1f times a copy, %6zu memory blocks\n",
                  texto.size(), traduz, traduz / copia, GBlocos - antes);
    }
  }
  SerieSubSelects();
  return 0;
}
