#pragma once
// A text kept in one buffer with two gaps, with the occurrences of a few
// words in it. A change is made at a gap, moved there first, so that it
// costs the characters it changes and the way the gap travels, not the
// text after it: changes that keep coming back to two places that move on
// (where a lifting takes its sub-select out and where its join goes in)
// stay linear in all. Indices are the text's, the gaps left out.
//
// The words' positions are kept as indices into the buffer, which no change
// away from them moves, in one list per word for each of the three pieces
// of text (before, between and after the gaps); a change or a gap's move
// touches those lists at their ends only.
#include <array>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "sqlutil/TextoSQL.h"

// Ascending positions changed at both ends, in one vector kept between
// uses (a double-ended queue of nodes would take and free memory as it
// goes): the room freed in front serves what is put in front, and the
// elements move down when that room outgrows them.
class TFilaDePosicoes {
public:
  bool empty() const { return FPrimeiro == FItens.size(); }
  size_t size() const { return FItens.size() - FPrimeiro; }
  const size_t* begin() const { return FItens.data() + FPrimeiro; }
  const size_t* end() const { return FItens.data() + FItens.size(); }
  size_t* begin() { return FItens.data() + FPrimeiro; }
  size_t* end() { return FItens.data() + FItens.size(); }
  size_t front() const { return FItens[FPrimeiro]; }
  size_t back() const { return FItens.back(); }
  void clear() {
    FItens.clear();
    FPrimeiro = 0;
  }
  void pop_back() { FItens.pop_back(); }
  void pop_front() { ++FPrimeiro; }
  void push_back(size_t Posicao);
  void push_front(size_t Posicao);
  void swap(TFilaDePosicoes& Outra) {
    FItens.swap(Outra.FItens);
    std::swap(FPrimeiro, Outra.FPrimeiro);
  }

private:
  std::vector<size_t> FItens;
  size_t FPrimeiro = 0;  // the elements before it are gone
};

class TTextoComLacunas {
public:
  // The words (eight at most): capitals and letters only, three or more
  // each, none able to overlap itself. They must outlive the text.
  explicit TTextoComLacunas(std::span<const std::wstring_view> APalavras);

  // The text becomes Texto, its words found anew.
  void Inicia(std::wstring_view Texto);
  // Empties the text, releasing its memory when it grew past the bound of
  // the buffers kept between calls.
  void Esvazia();

  size_t size() const { return FBuffer.size() - Lacuna(0) - Lacuna(1); }
  wchar_t operator[](size_t Indice) const { return FBuffer[Fisico(Indice)]; }
  // Removidos characters at Posicao become Novo; the words that start near
  // the change are looked for again.
  void Troca(size_t Posicao, size_t Removidos, std::wstring_view Novo);
  // Novo written over as many characters from Posicao, the words left as
  // they were.
  void Sobrescreve(size_t Posicao, std::wstring_view Novo);

  // Appends the characters from De to Ate to Destino.
  void CopiaPara(String& Destino, size_t De, size_t Ate) const;
  // Padrao's first occurrence from index De on that ends by index Ate;
  // npos when none.
  size_t Busca(const TPadrao& Padrao, size_t De = 0, size_t Ate = String::npos) const;
  // The first index from De on that holds C; npos when none.
  size_t Acha(wchar_t C, size_t De) const;
  // Whether the text holds Padrao at index Em (the case of the ASCII letters
  // ignored, or exactly).
  bool IgualSemCaixa(size_t Em, std::wstring_view Padrao) const;
  bool Igual(size_t Em, std::wstring_view Padrao) const;

  // The occurrences of word number Palavra: the first, the first at index
  // De or later, and the first for which Condicao(index) holds (npos when
  // none); how many there are; dropping the first.
  size_t Primeira(size_t Palavra) const;
  size_t Proxima(size_t Palavra, size_t De) const;
  template <typename F>
  size_t PrimeiraQue(size_t Palavra, F Condicao) const;
  size_t Quantas(size_t Palavra) const;
  void RetiraPrimeira(size_t Palavra);

  // The text in one piece, its gaps moved past its end, to be read or
  // rewritten as a String. After a rewrite, Reinicia finds its words anew,
  // or TrocouPalavras follows the rewrite told.
  String& Junta();
  void Reinicia();
  // A word occurrence at Posicao (of the text as it was) that became word
  // Palavra, Removidos characters replaced by it.
  struct TPalavraTrocada {
    size_t Posicao, Removidos, Palavra;
  };
  // After the joined text had the occurrences of Trocadas (in the order of
  // the text) replaced, no replacement touching a letter: no word can start
  // or end across them, so every other occurrence only moves.
  void TrocouPalavras(const std::vector<TPalavraTrocada>& Trocadas);

private:
  static constexpr size_t Pecas = 3;
  static constexpr size_t MaisPalavras = 8;  // the most words followed
  using TPosicoes = TFilaDePosicoes;

  size_t Lacuna(size_t g) const { return FFim[g] - FInicio[g]; }
  size_t PosicaoDaLacuna(size_t g) const { return FInicio[g] - (g == 0 ? 0 : Lacuna(0)); }
  // The characters of piece p lie in the buffer from its index Inicio on;
  // its index less Deslocamento is the text's.
  size_t InicioDaPeca(size_t p) const { return p == 0 ? 0 : FFim[p - 1]; }
  size_t Deslocamento(size_t p) const { return p == 0 ? 0 : p == 1 ? Lacuna(0) : Lacuna(0) + Lacuna(1); }
  size_t InicioNoTexto(size_t p) const { return p == 0 ? 0 : PosicaoDaLacuna(p - 1); }
  size_t FimNoTexto(size_t p) const { return p == Pecas - 1 ? size() : PosicaoDaLacuna(p); }
  size_t PecaDe(size_t Indice) const;
  size_t Fisico(size_t Indice) const {
    if (Indice < FInicio[0]) return Indice;
    const size_t apos = Indice + Lacuna(0);
    return apos < FInicio[1] ? apos : apos + Lacuna(1);
  }
  // The characters from De to Ate: in the buffer when they lie in one
  // piece, else copied (the copy lasts until the next one).
  std::wstring_view Trecho(size_t De, size_t Ate) const;

  // Moves the gap that costs less to Posicao, with the Removidos
  // characters that follow it between it and the next gap's.
  size_t LacunaPara(size_t Posicao, size_t Removidos);
  void MoveLacuna(size_t g, size_t Posicao);
  void AvancaLacuna(size_t g, size_t Distancia);
  void RecuaLacuna(size_t g, size_t Distancia);
  void AlargaLacuna(size_t g, size_t Falta);
  void FechaLacunasNoFim();
  void EsqueceDesde(size_t Posicao, size_t Peca);
  void AchaPalavrasEntre(size_t De, size_t Ate);
  template <typename F>
  void AchaPalavras(std::wstring_view Texto, size_t De, size_t Ate, F Achou) const;

  std::span<const std::wstring_view> FPalavras;
  size_t FMaiorPalavra = 0;
  String FBuffer;
  // The gaps in the buffer: the first's characters below the second's.
  std::array<size_t, 2> FInicio{}, FFim{};
  std::array<std::vector<TPosicoes>, Pecas> FPosicoes;
  TPosicoes FNova;  // the list being rebuilt
  mutable String FCopia;
};

template <typename F>
size_t TTextoComLacunas::PrimeiraQue(size_t Palavra, F Condicao) const {
  for (size_t p = 0; p < Pecas; ++p)
    for (size_t fisico : FPosicoes[p][Palavra])
      if (const size_t indice = fisico - Deslocamento(p); Condicao(indice)) return indice;
  return String::npos;
}
