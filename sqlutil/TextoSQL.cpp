#include "sqlutil/TextoSQL.h"

namespace {

wchar_t Maiuscula(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 32) : c; }

// The first index from De on at which S holds Padrao (upper-case), the case
// of S's ASCII letters ignored.
size_t BuscaSemCaixa(const String& S, const String& Padrao, size_t De) {
  const size_t m = Padrao.size();
  for (size_t i = De; i + m <= S.size(); ++i) {
    size_t k = 0;
    while (k < m && Maiuscula(S[i + k]) == Padrao[k]) ++k;
    if (k == m) return i;
  }
  return String::npos;
}

String Substitui(const String& S, const String& De, const String& Para, bool Todos) {
  if (De.empty()) return S;
  const String padrao = UpperCase(De);
  size_t p = BuscaSemCaixa(S, padrao, 0);
  if (p == String::npos) return S;
  String r;
  r.reserve(S.size() + Para.size());
  size_t de = 0;
  do {
    r.append(S, de, p - de);
    r += Para;
    de = p + padrao.size();
    p = Todos ? BuscaSemCaixa(S, padrao, de) : String::npos;
  } while (p != String::npos);
  r.append(S, de, String::npos);
  return r;
}

}  // namespace

String SubstituiPrimeiro(const String& S, const String& De, const String& Para) {
  return Substitui(S, De, Para, false);
}

String SubstituiTodos(const String& S, const String& De, const String& Para) {
  return Substitui(S, De, Para, true);
}

int PosMaiusculo(const String& SubMaiusculo, const String& S) {
  return Pos(SubMaiusculo, UpperCase(S));
}

size_t FimEquilibrado(const String& S, size_t De) {
  int abertos = 0, fechados = 0;
  for (size_t i = De; i < S.size(); ++i) {
    if (S[i] == L'(') ++abertos;
    else if (S[i] == L')') ++fechados;
    else continue;
    if (abertos == fechados) return i;
  }
  return String::npos;
}

String PrefixoEquilibrado(const String& S) {
  const size_t fim = FimEquilibrado(S);
  return fim == String::npos ? S : S.substr(0, fim + 1);
}

size_t PulaBrancos(const String& S, size_t De, size_t Ate) {
  while (De < Ate && S[De] <= L' ') ++De;
  return De;
}

size_t RecuaBrancos(const String& S, size_t De, size_t Ate) {
  while (Ate > De && S[Ate - 1] <= L' ') --Ate;
  return Ate;
}

size_t TBuscaAdiante::Proxima(size_t ADe, size_t AAte) {
  if (!FBuscado || (FPosicao != String::npos && FPosicao < ADe)) {
    FPosicao = FTexto.find(FPadrao, ADe);
    FBuscado = true;
  }
  return FPosicao != String::npos && FPosicao + FPadrao.size() <= AAte ? FPosicao : String::npos;
}
