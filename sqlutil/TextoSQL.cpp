#include "sqlutil/TextoSQL.h"

namespace {

wchar_t Maiuscula(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 32) : c; }
wchar_t Minuscula(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + 32) : c; }

// The first index from De on at which S holds Padrao (upper-case, not
// empty), the case of S's ASCII letters ignored. Candidates are found by the
// first character, which in most patterns is not a letter.
size_t BuscaSemCaixa(const String& S, const String& Padrao, size_t De) {
  const size_t m = Padrao.size();
  const wchar_t primeiras[] = {Padrao[0], Minuscula(Padrao[0]), 0};
  const auto proxima = [&](size_t i) {
    return primeiras[0] == primeiras[1] ? S.find(primeiras[0], i) : S.find_first_of(primeiras, i);
  };
  for (size_t i = proxima(De); i != String::npos && i + m <= S.size(); i = proxima(i + 1)) {
    size_t k = 1;
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

TPadrao::TPadrao(String APadrao) : FPadrao(std::move(APadrao)) {
  const size_t m = FPadrao.size();
  for (size_t& salto : FSalto) salto = m ? m : 1;
  // Characters that share a table entry share the shortest skip.
  for (size_t k = 0; k + 1 < m; ++k) FSalto[FPadrao[k] & 0xFF] = m - 1 - k;
}

size_t TPadrao::Em(const String& S, size_t De) const {
  const size_t m = FPadrao.size(), n = S.size();
  if (m == 0) return De <= n ? De : String::npos;
  const wchar_t ultimo = FPadrao[m - 1];
  for (size_t i = De; i + m <= n;) {
    const wchar_t c = S[i + m - 1];
    if (c == ultimo && S.compare(i, m - 1, FPadrao, 0, m - 1) == 0) return i;
    i += FSalto[c & 0xFF];
  }
  return String::npos;
}
