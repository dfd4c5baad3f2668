#include "sqlutil/TextoSQL.h"

#include <algorithm>
#include <vector>

namespace {

wchar_t Maiuscula(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 32) : c; }

// The occurrences are found first, so that the result is made at its size
// in one allocation.
String Substitui(String S, const String& Padrao, const String& Para, bool Todos) {
  if (Padrao.empty()) return S;
  std::vector<size_t> ocorrencias;
  for (size_t p = BuscaSemCaixa(S, Padrao, 0); p != String::npos; p = BuscaSemCaixa(S, Padrao, p + Padrao.size())) {
    ocorrencias.push_back(p);
    if (!Todos) break;
  }
  if (ocorrencias.empty()) return S;
  String r;
  r.reserve(S.size() + ocorrencias.size() * Para.size() - ocorrencias.size() * Padrao.size());
  size_t de = 0;
  for (size_t p : ocorrencias) {
    r.append(S, de, p - de);
    r += Para;
    de = p + Padrao.size();
  }
  r.append(S, de, String::npos);
  return r;
}

}  // namespace

// Candidates are found by the first character, which in most patterns is
// not a letter.
size_t BuscaSemCaixa(const String& S, const String& PadraoMaiusculo, size_t De) {
  const size_t m = PadraoMaiusculo.size(), n = S.size();
  if (m > n) return String::npos;
  const wchar_t primeira = PadraoMaiusculo[0];
  // A letter is matched in both cases by dropping the bit that tells them
  // apart; any other character as it is.
  const wchar_t mascara = primeira >= L'A' && primeira <= L'Z' ? static_cast<wchar_t>(~0x20) : static_cast<wchar_t>(~0);
  const wchar_t* const texto = S.data();
  for (size_t i = De, ultimo = n - m; i <= ultimo; ++i) {
    if ((texto[i] & mascara) != primeira) continue;
    size_t k = 1;
    while (k < m && Maiuscula(texto[i + k]) == PadraoMaiusculo[k]) ++k;
    if (k == m) return i;
  }
  return String::npos;
}

bool IgualSemCaixa(const String& S, size_t Em, const String& PadraoMaiusculo) {
  if (Em > S.size() || S.size() - Em < PadraoMaiusculo.size()) return false;
  for (size_t k = 0; k < PadraoMaiusculo.size(); ++k)
    if (Maiuscula(S[Em + k]) != PadraoMaiusculo[k]) return false;
  return true;
}

String SubstituiPrimeiro(String S, const String& De, const String& Para) {
  return Substitui(std::move(S), UpperCase(De), Para, false);
}

String SubstituiTodos(String S, const String& De, const String& Para) {
  return Substitui(std::move(S), UpperCase(De), Para, true);
}

String SubstituiTodosMaiusculo(String S, const String& DeMaiusculo, const String& Para) {
  return Substitui(std::move(S), DeMaiusculo, Para, true);
}

int PosMaiusculo(const String& SubMaiusculo, const String& S) {
  if (SubMaiusculo.empty()) return 0;
  const size_t p = BuscaSemCaixa(S, SubMaiusculo);
  return p == String::npos ? 0 : static_cast<int>(p) + 1;
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

size_t TPadrao::Em(const String& S, size_t De, size_t Ate) const {
  const size_t m = FPadrao.size(), n = std::min(S.size(), Ate);
  if (m == 0) return De <= n ? De : String::npos;
  const wchar_t ultimo = FPadrao[m - 1];
  for (size_t i = De; i + m <= n;) {
    const wchar_t c = Maiuscula(S[i + m - 1]);
    if (c == ultimo && IgualSemCaixa(S, i, FPadrao)) return i;
    i += FSalto[c & 0xFF];
  }
  return String::npos;
}
