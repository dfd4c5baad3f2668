// The lifting's text with two gaps: after every change, made at random or
// at two places that move on (as liftings do), the text, its searches and
// the occurrences of its words are those of a plain text changed alike.
#include <gtest/gtest.h>

#include <random>

#include "sqlutil/TextoComLacunas.h"

namespace {

constexpr std::wstring_view Palavras[] = {L"MAX", L"SUM", L"SELECT", L"FROM", L"SUBSTITUI"};

wchar_t Maiuscula(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 32) : c; }

bool HaEm(const String& S, size_t Em, std::wstring_view Padrao) {
  if (S.size() - Em < Padrao.size()) return false;
  for (size_t k = 0; k < Padrao.size(); ++k)
    if (Maiuscula(S[Em + k]) != Maiuscula(Padrao[k])) return false;
  return true;
}

size_t BuscaSimples(const String& S, std::wstring_view Padrao, size_t De, size_t Ate) {
  for (size_t i = De; i + Padrao.size() <= std::min(S.size(), Ate); ++i)
    if (HaEm(S, i, Padrao)) return i;
  return String::npos;
}

// The occurrences of word K: at each index, the first word of the list found there.
std::vector<size_t> OcorrenciasSimples(const String& S, size_t K) {
  std::vector<size_t> r;
  for (size_t i = 0; i < S.size(); ++i) {
    size_t k = 0;
    while (k < std::size(Palavras) && !HaEm(S, i, Palavras[k])) ++k;
    if (k == K) r.push_back(i);
  }
  return r;
}

// Pieces of words and blanks, so that changes make and break words.
String AoAcaso(std::mt19937& Gerador, size_t Pedacos) {
  static const wchar_t* const Pedacoes[] = {L"sel", L"ECT", L"select ", L"MAX(", L"ma", L"x ", L" from ",
                                            L"SUBSTI", L"tui", L"SUM", L"(", L")", L" ", L"a.b"};
  std::uniform_int_distribution<size_t> qual(0, std::size(Pedacoes) - 1);
  String s;
  for (size_t k = 0; k < Pedacos; ++k) s += Pedacoes[qual(Gerador)];
  return s;
}

void ConfereIgual(const TTextoComLacunas& Texto, const String& Esperado, std::mt19937& Gerador) {
  String copia;
  Texto.CopiaPara(copia, 0, Texto.size());
  ASSERT_EQ(copia, Esperado);
  for (size_t k = 0; k < std::size(Palavras); ++k) {
    const std::vector<size_t> esperadas = OcorrenciasSimples(Esperado, k);
    ASSERT_EQ(Texto.Quantas(k), esperadas.size()) << k;
    size_t i = 0;
    Texto.PrimeiraQue(k, [&](size_t p) {
      EXPECT_EQ(p, esperadas[i++]);
      return false;
    });
    std::uniform_int_distribution<size_t> de(0, Esperado.size());
    const size_t inicio = de(Gerador);
    const auto proxima = std::lower_bound(esperadas.begin(), esperadas.end(), inicio);
    EXPECT_EQ(Texto.Proxima(k, inicio), proxima == esperadas.end() ? String::npos : *proxima);
  }
  std::uniform_int_distribution<size_t> posicao(0, Esperado.size());
  for (std::wstring_view padrao : {L"SELECT", L"x (", L"a", L" from a"}) {
    size_t de = posicao(Gerador), ate = posicao(Gerador);
    if (de > ate) std::swap(de, ate);
    EXPECT_EQ(Texto.Busca(TPadrao(padrao), de, ate), BuscaSimples(Esperado, padrao, de, ate)) << String(padrao);
    EXPECT_EQ(Texto.Busca(TPadrao(padrao), de), BuscaSimples(Esperado, padrao, de, String::npos)) << String(padrao);
  }
  const size_t de = posicao(Gerador);
  EXPECT_EQ(Texto.Acha(L'(', de), Esperado.find(L'(', de));
}

TEST(TextoComLacunas, ChangesLeaveTheTextItsSearchesAndWordsAsAPlainTextChangedAlike) {
  std::mt19937 gerador(48);
  TTextoComLacunas texto(Palavras);
  for (int rodada = 0; rodada < 20; ++rodada) {
    String esperado = AoAcaso(gerador, 40);
    texto.Inicia(esperado);
    // Two sites that move on, now and then a change anywhere.
    size_t lifting = 0, juncao = esperado.size() / 2;
    for (int passo = 0; passo < 60; ++passo) {
      std::uniform_int_distribution<int> tipo(0, 5);
      const int t = tipo(gerador);
      size_t posicao = t < 3 ? lifting : t < 5 ? juncao : std::uniform_int_distribution<size_t>(0, esperado.size())(gerador);
      posicao = std::min(posicao, esperado.size());
      const size_t removidos = std::uniform_int_distribution<size_t>(0, std::min<size_t>(12, esperado.size() - posicao))(gerador);
      const String novo = AoAcaso(gerador, std::uniform_int_distribution<size_t>(0, 4)(gerador));
      texto.Troca(posicao, removidos, novo);
      esperado.replace(posicao, removidos, novo);
      if (t < 3) lifting = posicao + novo.size() + 3;
      ConfereIgual(texto, esperado, gerador);
    }
    ASSERT_EQ(texto.Junta(), esperado);
    ConfereIgual(texto, esperado, gerador);
  }
}

}  // namespace
