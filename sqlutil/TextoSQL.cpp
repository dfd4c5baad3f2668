#include "sqlutil/TextoSQL.h"

#include <emmintrin.h>

#include <algorithm>

namespace {

constexpr size_t npos = String::npos;

wchar_t Maiuscula(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 32) : c; }

static_assert(sizeof(wchar_t) == 2, "the searches compare eight UTF-16 code units at once");

// The occurrences are replaced as they are found, in S's own buffer when the
// result fits there (the text moved to the buffer's end first when it
// grows, so that what is written never passes what is still to be read),
// otherwise in one new buffer of the result's size.
String Substitui(String S, std::wstring_view Padrao, std::wstring_view Para, bool Todos) {
  const size_t m = Padrao.size(), n = Para.size();
  const TPadrao padrao(Padrao);
  size_t p = m ? padrao.Em(S) : npos;
  if (p == npos) return S;
  const auto seguinte = [&](size_t Depois) { return Todos ? padrao.Em(S, Depois) : npos; };
  size_t ocorrencias = 1;
  if (n > m)
    for (size_t q = seguinte(p + m); q != npos; q = seguinte(q + m)) ++ocorrencias;
  const size_t antes = S.size(), tamanho = antes + ocorrencias * n - ocorrencias * m;
  if (n > m && tamanho > S.capacity()) {
    String r;
    r.reserve(tamanho);
    size_t de = 0;
    for (; p != npos; p = seguinte(de)) {
      r.append(S, de, p - de).append(Para);
      de = p + m;
    }
    return r.append(S, de, npos);
  }
  const size_t folga = tamanho > antes ? tamanho - antes : 0;
  if (folga) {
    S.resize(tamanho);
    std::copy_backward(S.begin(), S.begin() + antes, S.end());
    p += folga;
  }
  wchar_t* const t = S.data();
  size_t escrito = 0, de = folga;
  for (; p != npos; p = seguinte(de)) {
    escrito = std::copy(t + de, t + p, t + escrito) - t;
    escrito = std::copy(Para.begin(), Para.end(), t + escrito) - t;
    de = p + m;
  }
  escrito = std::copy(t + de, t + S.size(), t + escrito) - t;
  S.resize(escrito);
  return S;
}

}  // namespace

// Eight characters at a time: each is compared with every one of Quais (a
// letter with the bit that tells the cases apart dropped), and only where
// one matched is a character looked at by itself.
size_t ProximoDe(std::wstring_view S, size_t De, size_t Ate, std::wstring_view Quais) {
  Ate = std::min(Ate, S.size());
  const wchar_t* const texto = S.data();
  const auto seAplica = [Quais](wchar_t c) {
    for (wchar_t q : Quais)
      if (c == q || (q >= L'A' && q <= L'Z' && (c & ~0x20) == q)) return true;
    return false;
  };
  const __m128i semCaixa = _mm_set1_epi16(static_cast<short>(~0x20));
  for (; De + 8 <= Ate; De += 8) {
    const __m128i oito = _mm_loadu_si128(reinterpret_cast<const __m128i*>(texto + De));
    const __m128i oitoSemCaixa = _mm_and_si128(oito, semCaixa);
    __m128i iguais = _mm_setzero_si128();
    for (wchar_t q : Quais) {
      const bool letra = q >= L'A' && q <= L'Z';
      iguais = _mm_or_si128(iguais, _mm_cmpeq_epi16(letra ? oitoSemCaixa : oito, _mm_set1_epi16(static_cast<short>(q))));
    }
    if (const int bits = _mm_movemask_epi8(iguais)) return De + __builtin_ctz(bits) / 2;
  }
  for (; De < Ate; ++De)
    if (seAplica(texto[De])) return De;
  return Ate;
}

size_t BuscaSemCaixa(std::wstring_view S, std::wstring_view Padrao, size_t De, size_t Ate) {
  return TPadrao(Padrao).Em(S, De, Ate);
}

size_t BuscaExata(std::wstring_view S, std::wstring_view Padrao, size_t De) {
  const TPadrao padrao(Padrao);
  for (size_t p = padrao.Em(S, De); p != String::npos; p = padrao.Em(S, p + 1))
    if (S.compare(p, Padrao.size(), Padrao) == 0) return p;
  return String::npos;
}

bool IgualSemCaixa(std::wstring_view S, size_t Em, std::wstring_view Padrao) {
  if (Em > S.size() || S.size() - Em < Padrao.size()) return false;
  for (size_t k = 0; k < Padrao.size(); ++k)
    if (Maiuscula(S[Em + k]) != Maiuscula(Padrao[k])) return false;
  return true;
}

String SubstituiPrimeiro(String S, std::wstring_view De, std::wstring_view Para) {
  return Substitui(std::move(S), De, Para, false);
}

String SubstituiTodos(String S, std::wstring_view De, std::wstring_view Para) {
  return Substitui(std::move(S), De, Para, true);
}

int PosSemCaixa(std::wstring_view Sub, std::wstring_view S) {
  if (Sub.empty()) return 0;
  const size_t p = BuscaSemCaixa(S, Sub);
  return p == String::npos ? 0 : static_cast<int>(p) + 1;
}

size_t FimEquilibrado(std::wstring_view S, size_t De) {
  int abertos = 0, fechados = 0;
  for (size_t i = De; i < S.size(); ++i) {
    if (S[i] == L'(') ++abertos;
    else if (S[i] == L')') ++fechados;
    else continue;
    if (abertos == fechados) return i;
  }
  return String::npos;
}

std::wstring_view PrefixoEquilibrado(std::wstring_view S) {
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

std::wstring_view Apara(std::wstring_view S) {
  while (!S.empty() && S.front() <= L' ') S.remove_prefix(1);
  while (!S.empty() && S.back() <= L' ') S.remove_suffix(1);
  return S;
}

void Recorta(String& S, size_t De, size_t Ate) {
  Ate = std::min(Ate, S.size());
  De = PulaBrancos(S, std::min(De, Ate), Ate);
  S.erase(RecuaBrancos(S, De, Ate));
  S.erase(0, De);
}

void Troca(String& S, size_t De, size_t Ate, std::initializer_list<std::wstring_view> Pecas) {
  size_t tamanho = 0;
  for (std::wstring_view peca : Pecas) tamanho += peca.size();
  S.replace(De, Ate - De, tamanho, L' ');
  for (std::wstring_view peca : Pecas) De = std::copy(peca.begin(), peca.end(), S.begin() + De) - S.begin();
}

bool MesmoTextoSemCaixa(std::wstring_view A, std::wstring_view B) {
  return A.size() == B.size() && IgualSemCaixa(A, 0, B);
}

size_t TBuscaAdiante::Proxima(size_t ADe, size_t AAte) {
  if (!FBuscado || (FPosicao != String::npos && FPosicao < ADe)) {
    FPosicao = FPadrao.Em(FTexto, ADe);
    FBuscado = true;
  }
  return FPosicao != String::npos && FPosicao + FPadrao.size() <= AAte ? FPosicao : String::npos;
}

size_t TPadrao::Em(std::wstring_view S, size_t De, size_t Ate) const {
  const size_t m = FPadrao.size(), n = std::min(S.size(), Ate);
  if (m > n || De > n - m) return String::npos;
  if (m == 0) return De;
  // A long pattern is found faster by its skips, once the text is long
  // enough to pay for their table; a shorter one only in a long text.
  return m >= 4 && n - De >= (m >= 8 ? 256 : 4096) ? PorSaltos(S, De, n) : PorAncora(S, De, n);
}

// Candidates are found by the first character that is not a blank, since
// blanks are everywhere in SQL texts; in most patterns it is not a letter.
size_t TPadrao::PorAncora(std::wstring_view S, size_t De, size_t Ate) const {
  const size_t m = FPadrao.size();
  const size_t a = std::min(FPadrao.find_first_not_of(L' '), m - 1);
  const wchar_t letra = Maiuscula(FPadrao[a]);
  const std::wstring_view ancora(&letra, 1);
  const size_t fim = Ate - m + a + 1;  // candidates' anchors lie below
  for (size_t j = ProximoDe(S, De + a, fim, ancora); j < fim; j = ProximoDe(S, j + 1, fim, ancora)) {
    size_t k = 0;
    while (k < m && (k == a || Maiuscula(S[j - a + k]) == Maiuscula(FPadrao[k]))) ++k;
    if (k == m) return j - a;
  }
  return String::npos;
}

size_t TPadrao::PorSaltos(std::wstring_view S, size_t De, size_t Ate) const {
  const uint32_t m = static_cast<uint32_t>(FPadrao.size());
  if (!FComSaltos) {
    std::fill(std::begin(FSalto), std::end(FSalto), m);
    // Characters that share a table entry share the shortest skip.
    for (uint32_t k = 0; k + 1 < m; ++k) FSalto[Maiuscula(FPadrao[k]) & 0xFF] = m - 1 - k;
    FComSaltos = true;
  }
  const wchar_t ultimo = Maiuscula(FPadrao[m - 1]);
  for (size_t i = De; i + m <= Ate;) {
    const wchar_t c = Maiuscula(S[i + m - 1]);
    if (c == ultimo && IgualSemCaixa(S, i, FPadrao)) return i;
    i += FSalto[c & 0xFF];
  }
  return String::npos;
}

void TReescritaNoLugar::Esvazia() {
  const size_t cabe = std::min(FFila.size(), FLido - FEscrito);
  std::copy(FFila.begin(), FFila.begin() + cabe, FTexto.begin() + FEscrito);
  FEscrito += cabe;
  FFila.erase(0, cabe);
}

void TReescritaNoLugar::Copia(size_t De, size_t Ate) {
  if (De >= Ate) return;
  FLido = std::max(FLido, De);
  Esvazia();
  if (FFila.empty()) {
    if (FEscrito != De) std::copy(FTexto.begin() + De, FTexto.begin() + Ate, FTexto.begin() + FEscrito);
    FEscrito += Ate - De;
  } else {
    FFila.append(FTexto, De, Ate - De);
  }
  FLido = Ate;
  Esvazia();
  FTotal += Ate - De;
  FUltimo = FTexto[FEscrito - 1];
  if (!FFila.empty()) FUltimo = FFila.back();
}

void TReescritaNoLugar::Acrescenta(std::wstring_view Texto) {
  if (Texto.empty()) return;
  Esvazia();
  size_t direto = 0;
  if (FFila.empty()) {
    direto = std::min(Texto.size(), FLido - FEscrito);
    std::copy(Texto.begin(), Texto.begin() + direto, FTexto.begin() + FEscrito);
    FEscrito += direto;
  }
  FFila.append(Texto, direto, String::npos);
  FTotal += Texto.size();
  FUltimo = Texto.back();
}

void TReescritaNoLugar::Conclui() {
  FLido = FTexto.size();
  Esvazia();
  if (!FFila.empty()) {
    FTexto.resize(FEscrito);
    FTexto += FFila;
    FFila.clear();
    FEscrito = FTexto.size();
  }
  FTexto.resize(FEscrito);
}
