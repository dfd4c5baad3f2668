// The translator's text helpers compare eight or sixteen characters at a
// time and replace in the text's own buffer: against plain
// character-by-character versions, on random texts whose lengths cross
// every block boundary.
#include <gtest/gtest.h>

#include <random>

#include "sqlutil/TextoSQL.h"

namespace {

wchar_t Maiuscula(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 32) : c; }

size_t BuscaSimples(const String& S, const String& Padrao, size_t De, size_t Ate) {
  const size_t n = std::min(S.size(), Ate);
  for (size_t i = De; i + Padrao.size() <= n; ++i) {
    size_t k = 0;
    while (k < Padrao.size() && Maiuscula(S[i + k]) == Maiuscula(Padrao[k])) ++k;
    if (k == Padrao.size()) return i;
  }
  return String::npos;
}

String SubstituiSimples(const String& S, const String& De, const String& Para) {
  String r;
  size_t i = 0;
  for (size_t p; (p = BuscaSimples(S, De, i, String::npos)) != String::npos; i = p + De.size())
    r.append(S, i, p - i).append(Para);
  return r.append(S, i, String::npos);
}

// Few distinct characters, both cases of the letters and blanks, so that
// patterns occur often and near each other; and characters that compare as
// bytes (Latin-1, beyond it, beyond the signed 16-bit range) next to the
// letters they must not be taken for.
String AoAcaso(std::mt19937& Gerador, size_t Tamanho) {
  static const wchar_t Letras[] = L"aAbB (,aAbB (,\u00C1\u00E1\u0141\uFF21\u00FF\u0100";
  std::uniform_int_distribution<size_t> letra(0, std::size(Letras) - 2);
  String s;
  for (size_t k = 0; k < Tamanho; ++k) s += Letras[letra(Gerador)];
  return s;
}

}  // namespace

TEST(TextoSQL, SearchesFindWhatAPlainSearchFinds) {
  std::mt19937 gerador(13);
  for (int caso = 0; caso < 4000; ++caso) {
    // Lengths around the blocks of eight and sixteen, and long texts.
    const size_t tamanho = caso % 2 ? caso % 40 : 200 + caso % 400;
    const String texto = AoAcaso(gerador, tamanho);
    const String padrao = AoAcaso(gerador, 1 + caso % 10);
    const size_t de = tamanho ? caso % (tamanho + 1) : 0, ate = caso % 3 ? String::npos : tamanho - tamanho / 4;
    ASSERT_EQ(BuscaSemCaixa(texto, padrao, de, ate), BuscaSimples(texto, padrao, de, ate))
        << "case " << caso << " pattern \"" << ToUtf8(padrao) << "\" in \"" << ToUtf8(texto) << "\"";
  }
}

TEST(TextoSQL, ReplacementsGiveWhatAPlainReplacementGives) {
  std::mt19937 gerador(31);
  for (int caso = 0; caso < 2000; ++caso) {
    const String texto = AoAcaso(gerador, caso % 70);
    const String de = AoAcaso(gerador, 1 + caso % 3), para = AoAcaso(gerador, caso % 5);
    // Growing replacements are made in place only when the buffer has room.
    String comFolga = texto;
    if (caso % 2) comFolga.reserve(4 * texto.size());
    ASSERT_EQ(SubstituiTodos(comFolga, de, para), SubstituiSimples(texto, de, para)) << "case " << caso;
    const size_t primeira = BuscaSimples(texto, de, 0, String::npos);
    const String esperada =
        primeira == String::npos ? texto : texto.substr(0, primeira) + para + texto.substr(primeira + de.size());
    ASSERT_EQ(SubstituiPrimeiro(texto, de, para), esperada) << "case " << caso;
  }
}

TEST(TextoSQL, CharactersAndPairsAreFoundAtEveryPlace) {
  for (size_t tamanho = 0; tamanho < 40; ++tamanho)
    for (size_t onde = 0; onde < tamanho; ++onde) {
      String texto(tamanho, L'.');
      texto[onde] = L'm';
      EXPECT_EQ(ProximoDe(texto, 0, tamanho, L"XM"), onde) << tamanho << " " << onde;
      EXPECT_EQ(ProximoDe(texto, onde + 1, tamanho, L"XM"), tamanho) << tamanho << " " << onde;
      if (onde + 1 == tamanho) continue;
      texto[onde + 1] = L'A';
      EXPECT_EQ(ProximoPar(texto, 0, tamanho, L"XXMA"), onde) << tamanho << " " << onde;
      EXPECT_EQ(ProximoPar(texto, 0, onde + 1, L"MA"), onde + 1) << "a pair must end below the bound";
    }
}
