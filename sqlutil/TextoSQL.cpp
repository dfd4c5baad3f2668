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

namespace {

// Whether c is q, a letter q in capitals standing for both of its cases.
bool Casa(wchar_t c, wchar_t q) { return c == q || (q >= L'A' && q <= L'Z' && (c & ~0x20) == q); }

// Eight characters compared with q at once: its lanes are all ones where
// they are q, a letter in capitals standing for both of its cases.
__m128i CasaOito(__m128i Oito, wchar_t q) {
  const bool letra = q >= L'A' && q <= L'Z';
  const __m128i comparado = letra ? _mm_and_si128(Oito, _mm_set1_epi16(static_cast<short>(~0x20))) : Oito;
  return _mm_cmpeq_epi16(comparado, _mm_set1_epi16(static_cast<short>(q)));
}

__m128i Carrega(const wchar_t* Texto) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(Texto)); }

// Sixteen characters as bytes: codes from 256 to 32767 become 255 and those
// above become 0 (the packing saturates as signed), so that a byte compares
// equal to a character from 1 to 254 only where the character is that one.
__m128i CarregaBytes(const wchar_t* Texto) { return _mm_packus_epi16(Carrega(Texto), Carrega(Texto + 8)); }

bool CabeEmByte(wchar_t q) { return q >= 1 && q <= 254; }
bool CabemEmBytes(std::wstring_view Quais) { return std::all_of(Quais.begin(), Quais.end(), CabeEmByte); }

// The bytes equal to q, a letter in capitals standing for both of its
// cases (Dobrados: the same bytes with the case bit cleared).
__m128i CasaBytes(__m128i Bytes, __m128i Dobrados, wchar_t q) {
  const bool letra = q >= L'A' && q <= L'Z';
  return _mm_cmpeq_epi8(letra ? Dobrados : Bytes, _mm_set1_epi8(static_cast<char>(q)));
}

__m128i Dobra(__m128i Bytes) { return _mm_and_si128(Bytes, _mm_set1_epi8(static_cast<char>(~0x20))); }

}  // namespace

// Sixteen positions at a time as bytes when every character looked for fits
// in one, else eight; only where a character matched is one looked at by
// itself.
size_t ProximoDe(std::wstring_view S, size_t De, size_t Ate, std::wstring_view Quais) {
  Ate = std::min(Ate, S.size());
  const wchar_t* const texto = S.data();
  if (CabemEmBytes(Quais))
    for (; De + 16 <= Ate; De += 16) {
      const __m128i bytes = CarregaBytes(texto + De), dobrados = Dobra(bytes);
      __m128i iguais = _mm_setzero_si128();
      for (wchar_t q : Quais) iguais = _mm_or_si128(iguais, CasaBytes(bytes, dobrados, q));
      if (const int bits = _mm_movemask_epi8(iguais)) return De + __builtin_ctz(bits);
    }
  for (; De + 8 <= Ate; De += 8) {
    const __m128i oito = Carrega(texto + De);
    __m128i iguais = _mm_setzero_si128();
    for (wchar_t q : Quais) iguais = _mm_or_si128(iguais, CasaOito(oito, q));
    if (const int bits = _mm_movemask_epi8(iguais)) return De + __builtin_ctz(bits) / 2;
  }
  for (; De < Ate; ++De)
    if (std::any_of(Quais.begin(), Quais.end(), [c = texto[De]](wchar_t q) { return Casa(c, q); })) return De;
  return Ate;
}

size_t ProximoPar(std::wstring_view S, size_t De, size_t Ate, std::wstring_view Pares) {
  Ate = std::min(Ate, S.size());
  const wchar_t* const texto = S.data();
  // The second characters are read one position further on.
  if (CabemEmBytes(Pares))
    for (; De + 17 <= Ate; De += 16) {
      const __m128i bytes = CarregaBytes(texto + De), seguintes = CarregaBytes(texto + De + 1);
      const __m128i dobrados = Dobra(bytes), seguintesDobrados = Dobra(seguintes);
      __m128i iguais = _mm_setzero_si128();
      for (size_t k = 0; k + 1 < Pares.size(); k += 2)
        iguais = _mm_or_si128(iguais, _mm_and_si128(CasaBytes(bytes, dobrados, Pares[k]),
                                                     CasaBytes(seguintes, seguintesDobrados, Pares[k + 1])));
      if (const int bits = _mm_movemask_epi8(iguais)) return De + __builtin_ctz(bits);
    }
  for (; De + 9 <= Ate; De += 8) {
    const __m128i oito = Carrega(texto + De), seguintes = Carrega(texto + De + 1);
    __m128i iguais = _mm_setzero_si128();
    for (size_t k = 0; k + 1 < Pares.size(); k += 2)
      iguais = _mm_or_si128(iguais, _mm_and_si128(CasaOito(oito, Pares[k]), CasaOito(seguintes, Pares[k + 1])));
    if (const int bits = _mm_movemask_epi8(iguais)) return De + __builtin_ctz(bits) / 2;
  }
  for (; De + 1 < Ate; ++De)
    for (size_t k = 0; k + 1 < Pares.size(); k += 2)
      if (Casa(texto[De], Pares[k]) && Casa(texto[De + 1], Pares[k + 1])) return De;
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

std::wstring_view PrefixoEquilibrado(std::wstring_view S) {
  const size_t fim = FimEquilibrado(S);
  return fim == String::npos ? S : S.substr(0, fim + 1);
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

size_t Precedido(std::wstring_view S, wchar_t Antes, std::wstring_view Nome) {
  for (size_t p = S.find(Antes); p != npos; p = S.find(Antes, p + 1))
    if (IgualSemCaixa(S, p + 1, Nome)) return p;
  return npos;
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
  const size_t a = std::min(FPadrao.find_first_not_of(L' '), m - 1);
  if (CabeEmByte(Maiuscula(FPadrao[a])) && CabeEmByte(Maiuscula(FPadrao[m - 1])) &&
      (a + 1 == m || CabeEmByte(Maiuscula(FPadrao[a + 1]))))
    return PorBlocos(S, De, n, a);
  return PorAncora(S, De, n);
}

// Sixteen candidates at a time, as bytes: those whose anchor (the first
// character that is not a blank, since blanks are everywhere in SQL texts),
// the character after it and the pattern's last character all match are
// compared whole.
size_t TPadrao::PorBlocos(std::wstring_view S, size_t De, size_t Ate, size_t a) const {
  const size_t m = FPadrao.size();
  const wchar_t* const texto = S.data();
  const wchar_t ancora = Maiuscula(FPadrao[a]);
  const bool comSeguinte = a + 1 < m, comUltimo = a + 2 < m;
  const wchar_t seguinte = comSeguinte ? Maiuscula(FPadrao[a + 1]) : L'\0';
  const wchar_t ultimo = Maiuscula(FPadrao[m - 1]);
  const size_t ateUltimo = m - 1 - a;  // from the anchor to the last character
  const size_t fim = Ate - m + a + 1;   // the candidates' anchors lie below
  const auto inteiro = [&](size_t j) { return IgualSemCaixa(S, j - a, FPadrao); };
  size_t j = De + a;
  // Every character read lies below Ate: the last block's anchors below
  // fim, its following characters by fim, its last characters below Ate.
  for (; j + 16 <= fim; j += 16) {
    const __m128i bytes = CarregaBytes(texto + j);
    __m128i iguais = CasaBytes(bytes, Dobra(bytes), ancora);
    if (comSeguinte) {
      const __m128i seguintes = CarregaBytes(texto + j + 1);
      iguais = _mm_and_si128(iguais, CasaBytes(seguintes, Dobra(seguintes), seguinte));
    }
    if (comUltimo) {
      const __m128i ultimos = CarregaBytes(texto + j + ateUltimo);
      iguais = _mm_and_si128(iguais, CasaBytes(ultimos, Dobra(ultimos), ultimo));
    }
    for (int bits = _mm_movemask_epi8(iguais); bits; bits &= bits - 1)
      if (inteiro(j + __builtin_ctz(bits))) return j + __builtin_ctz(bits) - a;
  }
  for (; j < fim; ++j)
    if (Casa(texto[j], ancora) && inteiro(j)) return j - a;
  return String::npos;
}

// Candidates of a pattern with characters that do not fit in a byte are
// found by the anchor and the character after it, eight at a time.
size_t TPadrao::PorAncora(std::wstring_view S, size_t De, size_t Ate) const {
  const size_t m = FPadrao.size();
  const size_t a = std::min(FPadrao.find_first_not_of(L' '), m - 1);
  // The anchor and, when there is one, the character after it.
  const wchar_t par[] = {Maiuscula(FPadrao[a]), a + 1 < m ? Maiuscula(FPadrao[a + 1]) : L'\0'};
  const size_t fim = Ate - m + a + 1;  // the candidates' anchors lie below
  const auto proximo = [&](size_t j) {
    return a + 1 < m ? ProximoPar(S, j, fim + 1, std::wstring_view(par, 2)) : ProximoDe(S, j, fim, std::wstring_view(par, 1));
  };
  for (size_t j = proximo(De + a); j < fim; j = proximo(j + 1)) {
    size_t k = 0;
    while (k < m && (k == a || Maiuscula(S[j - a + k]) == Maiuscula(FPadrao[k]))) ++k;
    if (k == m) return j - a;
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
