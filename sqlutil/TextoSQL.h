#pragma once
// Text helpers of the SQL dialect translator: searches and replacements
// that ignore case, balanced parentheses, blank skipping and rewriting in a
// text's own buffer.
#include <cstddef>
#include <initializer_list>
#include <string_view>

#include "vcl/rtl/SysUtils.h"

// Replacements that ignore the case of the ASCII letters (the keywords and
// names the translator looks for): a replacement finds what a search found.
// S comes back untouched (moved, not copied) when De does not occur, and is
// changed in its own buffer when the result fits there.
String SubstituiPrimeiro(String S, std::wstring_view De, std::wstring_view Para);
String SubstituiTodos(String S, std::wstring_view De, std::wstring_view Para);
// Pos (1-based, 0 when none) with the case of the ASCII letters ignored.
int PosSemCaixa(std::wstring_view Sub, std::wstring_view S);
// The first index from De on at which S holds Padrao (not empty), the case
// of the ASCII letters ignored, in an occurrence that ends by index Ate;
// npos when none.
size_t BuscaSemCaixa(std::wstring_view S, std::wstring_view Padrao, size_t De = 0, size_t Ate = String::npos);
// The first index from De on at which S holds Padrao exactly; npos when
// none. Like find, but by blocks of candidates.
size_t BuscaExata(std::wstring_view S, std::wstring_view Padrao, size_t De = 0);
// The first index from De on, below Ate, of a character of Quais (a letter
// in capitals stands for both of its cases); Ate (or S's size) when none.
size_t ProximoDe(std::wstring_view S, size_t De, size_t Ate, std::wstring_view Quais);
// The first index from De on at which S holds one of the pairs of
// characters of Pares (two characters each, read the same way) ending
// below Ate; Ate (or S's size) when none.
size_t ProximoPar(std::wstring_view S, size_t De, size_t Ate, std::wstring_view Pares);
// Whether S holds Padrao at index Em, the case of the ASCII letters ignored.
bool IgualSemCaixa(std::wstring_view S, size_t Em, std::wstring_view Padrao);

// The index of the character at which, counting from index De, "(" and ")"
// have first been seen equally often and at least once; npos when never.
// (These character walks serve any text with size() and [], the statement
// the lifting keeps with gaps included.)
template <typename Texto>
size_t FimEquilibrado(const Texto& S, size_t De = 0) {
  int abertos = 0, fechados = 0;
  for (size_t i = De; i < S.size(); ++i) {
    if (S[i] == L'(') ++abertos;
    else if (S[i] == L')') ++fechados;
    else continue;
    if (abertos == fechados) return i;
  }
  return String::npos;
}
// The shortest prefix of S that balances its parentheses; all of S when it
// never does.
std::wstring_view PrefixoEquilibrado(std::wstring_view S);

// The first index from De on (below Ate) of a character that Trim keeps;
// Ate when there is none.
template <typename Texto>
size_t PulaBrancos(const Texto& S, size_t De, size_t Ate) {
  while (De < Ate && S[De] <= L' ') ++De;
  return De;
}
// Ate lowered past the characters that Trim drops.
template <typename Texto>
size_t RecuaBrancos(const Texto& S, size_t De, size_t Ate) {
  while (Ate > De && S[Ate - 1] <= L' ') --Ate;
  return Ate;
}
// S without the characters that Trim drops at either end.
std::wstring_view Apara(std::wstring_view S);
// S becomes its characters from De to Ate, trimmed, in its own buffer.
void Recorta(String& S, size_t De, size_t Ate = String::npos);
// S's characters from De to Ate become the pieces, one after the other
// (none of them may lie in S).
void Troca(String& S, size_t De, size_t Ate, std::initializer_list<std::wstring_view> Pecas);
// The index in S of the first character Antes followed by Nome (any case);
// npos when none.
size_t Precedido(std::wstring_view S, wchar_t Antes, std::wstring_view Nome);
// Whether A and B are the same text, the case of the ASCII letters ignored.
bool MesmoTextoSemCaixa(std::wstring_view A, std::wstring_view B);

// A pattern looked for in texts, the case of the ASCII letters ignored:
// its candidates found by its first character that is not a blank, the one
// after it and its last one, sixteen positions at a time (eight when those
// characters do not fit in a byte). The pattern's text must outlive it.
class TPadrao {
public:
  explicit TPadrao(std::wstring_view APadrao) : FPadrao(APadrao) {}
  std::wstring_view Texto() const { return FPadrao; }
  size_t size() const { return FPadrao.size(); }
  // The first occurrence in S from index De on that ends by index Ate;
  // npos when none.
  size_t Em(std::wstring_view S, size_t De = 0, size_t Ate = String::npos) const;

private:
  size_t PorBlocos(std::wstring_view S, size_t De, size_t Ate, size_t Ancora) const;
  size_t PorAncora(std::wstring_view S, size_t De, size_t Ate) const;

  std::wstring_view FPadrao;
};

// The occurrences of one pattern in a text, the case of its letters ignored, asked
// for at positions that only grow: each part of the text is searched once
// in all.
class TBuscaAdiante {
public:
  TBuscaAdiante(const String& ATexto, std::wstring_view APadrao) : FTexto(ATexto), FPadrao(APadrao) {}
  // The first occurrence that starts at ADe or later and ends by AAte.
  size_t Proxima(size_t ADe, size_t AAte);

private:
  const String& FTexto;
  TPadrao FPadrao;
  size_t FPosicao = 0;
  bool FBuscado = false;
};

// The translator keeps its large buffers between calls on one thread, so
// that a long text does not take fresh memory pages at every call; a buffer
// that grew past this many characters is released after the call, so that
// one huge text does not hold its memory for good.
constexpr size_t MaiorBufferMantido = size_t(1) << 22;
// Empties Buffer, releasing its memory when it grew past the bound.
template <typename T>
void EsvaziaMantendo(T& Buffer) {
  if (Buffer.capacity() > MaiorBufferMantido) T().swap(Buffer);
  else Buffer.clear();
}

// Rewrites a text in its own buffer from front to back: what is written
// goes over what has been read, and what finds no room yet waits in a small
// queue, so that a pass that changes little neither copies nor allocates
// the text. Nothing before the end of the last stretch copied is read again.
class TReescritaNoLugar {
public:
  explicit TReescritaNoLugar(String& ATexto) : FTexto(ATexto) {}
  // Appends the original characters from De (not before the last stretch
  // copied) to Ate.
  void Copia(size_t De, size_t Ate);
  void Acrescenta(std::wstring_view Texto);
  bool Vazio() const { return FTotal == 0; }
  wchar_t Ultimo() const { return FUltimo; }
  // The text becomes what was written.
  void Conclui();

private:
  void Esvazia();
  String& FTexto;
  String FFila;
  size_t FEscrito = 0, FLido = 0, FTotal = 0;
  wchar_t FUltimo = 0;
};
