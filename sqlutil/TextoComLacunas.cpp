#include "sqlutil/TextoComLacunas.h"

#include <emmintrin.h>

#include <algorithm>
#include <cassert>

namespace {

constexpr size_t npos = String::npos;

}  // namespace

void TFilaDePosicoes::push_back(size_t Posicao) {
  if (FItens.size() == FItens.capacity() && FPrimeiro >= size()) {
    FItens.erase(FItens.begin(), FItens.begin() + FPrimeiro);
    FPrimeiro = 0;
  }
  FItens.push_back(Posicao);
}

// Room in front as large as the list, so that the moves cost linear time
// in all.
void TFilaDePosicoes::push_front(size_t Posicao) {
  if (FPrimeiro == 0) {
    const size_t espaco = size() + 16;
    FItens.insert(FItens.begin(), espaco, 0);
    FPrimeiro = espaco;
  }
  FItens[--FPrimeiro] = Posicao;
}

TTextoComLacunas::TTextoComLacunas(std::span<const std::wstring_view> APalavras) : FPalavras(APalavras) {
  assert(FPalavras.size() <= MaisPalavras);
  for (std::wstring_view palavra : FPalavras) FMaiorPalavra = std::max(FMaiorPalavra, palavra.size());
  for (std::vector<TPosicoes>& peca : FPosicoes) peca.resize(FPalavras.size());
}

void TTextoComLacunas::Inicia(std::wstring_view Texto) {
  FBuffer.assign(Texto);
  Reinicia();
}

void TTextoComLacunas::Esvazia() {
  EsvaziaMantendo(FBuffer);
  Reinicia();
}

void TTextoComLacunas::Reinicia() {
  FechaLacunasNoFim();
  for (std::vector<TPosicoes>& peca : FPosicoes)
    for (TPosicoes& posicoes : peca) posicoes.clear();
  AchaPalavras(FBuffer, 0, FBuffer.size(), [this](size_t Palavra, size_t Em) { FPosicoes[0][Palavra].push_back(Em); });
}

void TTextoComLacunas::FechaLacunasNoFim() {
  FInicio.fill(FBuffer.size());
  FFim.fill(FBuffer.size());
}

size_t TTextoComLacunas::PecaDe(size_t Indice) const {
  if (Indice < PosicaoDaLacuna(0)) return 0;
  return Indice < PosicaoDaLacuna(1) ? 1 : 2;
}

std::wstring_view TTextoComLacunas::Trecho(size_t De, size_t Ate) const {
  if (De < Ate && PecaDe(De) == PecaDe(Ate - 1)) return std::wstring_view(FBuffer).substr(Fisico(De), Ate - De);
  FCopia.clear();
  CopiaPara(FCopia, De, Ate);
  return FCopia;
}

void TTextoComLacunas::CopiaPara(String& Destino, size_t De, size_t Ate) const {
  for (size_t p = 0; p < Pecas; ++p) {
    const size_t inicio = std::max(De, InicioNoTexto(p)), fim = std::min(Ate, FimNoTexto(p));
    if (inicio < fim) Destino.append(FBuffer, inicio + Deslocamento(p), fim - inicio);
  }
}

// Each piece is searched in the buffer; an occurrence across the end of a
// piece is looked for in a copy of the characters around it.
size_t TTextoComLacunas::Busca(const TPadrao& Padrao, size_t De, size_t Ate) const {
  const size_t m = Padrao.size();
  Ate = std::min(Ate, size());
  if (m == 0) return De <= Ate ? De : npos;
  for (size_t p = 0; p < Pecas; ++p) {
    const size_t inicio = InicioNoTexto(p), fim = FimNoTexto(p);
    if (inicio == fim) continue;
    if (De < fim && inicio < Ate) {
      const std::wstring_view peca = std::wstring_view(FBuffer).substr(InicioDaPeca(p), fim - inicio);
      const size_t em = Padrao.Em(peca, De > inicio ? De - inicio : 0, std::min(Ate, fim) - inicio);
      if (em != npos) return inicio + em;
    }
    if (De < fim && fim < Ate) {
      const size_t deCopia = std::max(De, fim - std::min(fim, m - 1));
      const size_t em = Padrao.Em(Trecho(deCopia, std::min(Ate, fim + m - 1)));
      if (em != npos) return deCopia + em;
    }
  }
  return npos;
}

size_t TTextoComLacunas::Acha(wchar_t C, size_t De) const {
  for (size_t p = PecaDe(std::min(De, size())); p < Pecas; ++p) {
    const size_t inicio = InicioNoTexto(p), fim = FimNoTexto(p);
    const std::wstring_view peca = std::wstring_view(FBuffer).substr(InicioDaPeca(p), fim - inicio);
    const size_t em = peca.find(C, De > inicio ? De - inicio : 0);
    if (em != npos) return inicio + em;
  }
  return npos;
}

bool TTextoComLacunas::IgualSemCaixa(size_t Em, std::wstring_view Padrao) const {
  return Em <= size() && size() - Em >= Padrao.size() && ::IgualSemCaixa(Trecho(Em, Em + Padrao.size()), 0, Padrao);
}

bool TTextoComLacunas::Igual(size_t Em, std::wstring_view Padrao) const {
  return Em <= size() && size() - Em >= Padrao.size() && Trecho(Em, Em + Padrao.size()) == Padrao;
}

void TTextoComLacunas::Sobrescreve(size_t Posicao, std::wstring_view Novo) {
  for (size_t k = 0; k < Novo.size(); ++k) FBuffer[Fisico(Posicao + k)] = Novo[k];
}

void TTextoComLacunas::Troca(size_t Posicao, size_t Removidos, std::wstring_view Novo) {
  Removidos = std::min(Removidos, size() - Posicao);  // as String::replace does
  const size_t g = LacunaPara(Posicao, Removidos);
  const size_t inicio = Posicao >= FMaiorPalavra - 1 ? Posicao - (FMaiorPalavra - 1) : 0;
  EsqueceDesde(inicio, g);
  // The removed characters follow the gap: their words lead the next piece's lists.
  for (TPosicoes& posicoes : FPosicoes[g + 1])
    while (!posicoes.empty() && posicoes.front() < FFim[g] + Removidos) posicoes.pop_front();
  FFim[g] += Removidos;
  if (Lacuna(g) < Novo.size()) AlargaLacuna(g, Novo.size() - Lacuna(g));
  std::copy(Novo.begin(), Novo.end(), FBuffer.begin() + FInicio[g]);
  FInicio[g] += Novo.size();
  AchaPalavrasEntre(inicio, Posicao + Novo.size());
}

// The words that start at Posicao or later in the pieces up to number Peca
// (the last characters of each) are forgotten.
void TTextoComLacunas::EsqueceDesde(size_t Posicao, size_t Peca) {
  for (size_t p = 0; p <= Peca; ++p)
    for (TPosicoes& posicoes : FPosicoes[p])
      while (!posicoes.empty() && posicoes.back() - Deslocamento(p) >= Posicao) posicoes.pop_back();
}

// The words that start from De to below Ate, all before the gap last
// changed, join the ends of their pieces' lists.
void TTextoComLacunas::AchaPalavrasEntre(size_t De, size_t Ate) {
  const std::wstring_view trecho = Trecho(De, std::min(size(), Ate + FMaiorPalavra - 1));
  AchaPalavras(trecho, 0, Ate - De, [&](size_t Palavra, size_t Em) {
    const size_t indice = De + Em;
    FPosicoes[PecaDe(indice)][Palavra].push_back(Fisico(indice));
  });
}

size_t TTextoComLacunas::LacunaPara(size_t Posicao, size_t Removidos) {
  const size_t primeira = PosicaoDaLacuna(0), segunda = PosicaoDaLacuna(1);
  const auto distancia = [Posicao](size_t Lacuna) { return Posicao > Lacuna ? Posicao - Lacuna : Lacuna - Posicao; };
  const bool primeiraServe = Posicao + Removidos <= segunda, segundaServe = Posicao >= primeira;
  if (primeiraServe && (!segundaServe || distancia(primeira) <= distancia(segunda))) {
    MoveLacuna(0, Posicao);
    return 0;
  }
  // A change over all the text between the gaps: the first makes way.
  if (!segundaServe) MoveLacuna(0, Posicao);
  MoveLacuna(1, Posicao);
  return 1;
}

void TTextoComLacunas::MoveLacuna(size_t g, size_t Posicao) {
  const size_t atual = PosicaoDaLacuna(g);
  if (Posicao > atual) AvancaLacuna(g, Posicao - atual);
  else if (Posicao < atual) RecuaLacuna(g, atual - Posicao);
}

// The characters after gap g pass before it, their words from the next
// piece's lists to the end of the gap's piece's.
void TTextoComLacunas::AvancaLacuna(size_t g, size_t Distancia) {
  const size_t tamanho = Lacuna(g), ate = FFim[g] + Distancia;
  std::copy(FBuffer.begin() + FFim[g], FBuffer.begin() + ate, FBuffer.begin() + FInicio[g]);
  for (size_t k = 0; k < FPalavras.size(); ++k) {
    TPosicoes &de = FPosicoes[g + 1][k], &para = FPosicoes[g][k];
    for (; !de.empty() && de.front() < ate; de.pop_front()) para.push_back(de.front() - tamanho);
  }
  FInicio[g] += Distancia;
  FFim[g] += Distancia;
}

// The characters before gap g pass after it, their words from the end of
// the gap's piece's lists to the next piece's.
void TTextoComLacunas::RecuaLacuna(size_t g, size_t Distancia) {
  const size_t tamanho = Lacuna(g), de = FInicio[g] - Distancia;
  std::copy_backward(FBuffer.begin() + de, FBuffer.begin() + FInicio[g], FBuffer.begin() + FFim[g]);
  for (size_t k = 0; k < FPalavras.size(); ++k) {
    TPosicoes &origem = FPosicoes[g][k], &destino = FPosicoes[g + 1][k];
    for (; !origem.empty() && origem.back() >= de; origem.pop_back()) destino.push_front(origem.back() + tamanho);
  }
  FInicio[g] -= Distancia;
  FFim[g] -= Distancia;
}

// Gap g grows by Falta at least, by half the buffer when that is more, so
// that the growing costs linear time in all; what follows it moves along.
void TTextoComLacunas::AlargaLacuna(size_t g, size_t Falta) {
  const size_t mais = std::max(Falta, FBuffer.size() / 2 + 64);
  FBuffer.insert(FFim[g], mais, L' ');
  for (size_t h = g; h < FFim.size(); ++h) {
    if (h > g) FInicio[h] += mais;
    FFim[h] += mais;
  }
  for (size_t p = g + 1; p < Pecas; ++p)
    for (TPosicoes& posicoes : FPosicoes[p])
      for (size_t& posicao : posicoes) posicao += mais;
}

String& TTextoComLacunas::Junta() {
  const size_t tamanho = size();
  MoveLacuna(1, tamanho);
  MoveLacuna(0, tamanho);
  FBuffer.resize(tamanho);
  FechaLacunasNoFim();
  return FBuffer;
}

void TTextoComLacunas::TrocouPalavras(const std::vector<TPalavraTrocada>& Trocadas) {
  FechaLacunasNoFim();
  TPosicoes& nova = FNova;
  for (size_t k = 0; k < FPalavras.size(); ++k) {
    nova.clear();
    size_t t = 0, encurtado = 0;
    // The words put in before index Antes join the list.
    const auto trocadasAntes = [&](size_t Antes) {
      for (; t < Trocadas.size() && Trocadas[t].Posicao < Antes; ++t) {
        const TPalavraTrocada& trocada = Trocadas[t];
        if (trocada.Palavra == k) nova.push_back(trocada.Posicao - encurtado);
        encurtado += trocada.Removidos - FPalavras[trocada.Palavra].size();
      }
    };
    for (size_t posicao : FPosicoes[0][k]) {
      trocadasAntes(posicao);
      if (t == Trocadas.size() || Trocadas[t].Posicao != posicao) nova.push_back(posicao - encurtado);
    }
    trocadasAntes(npos);
    FPosicoes[0][k].swap(nova);
  }
}

size_t TTextoComLacunas::Primeira(size_t Palavra) const {
  return PrimeiraQue(Palavra, [](size_t) { return true; });
}

size_t TTextoComLacunas::Proxima(size_t Palavra, size_t De) const {
  for (size_t p = 0; p < Pecas; ++p) {
    const TPosicoes& posicoes = FPosicoes[p][Palavra];
    const auto em = std::lower_bound(posicoes.begin(), posicoes.end(), De + Deslocamento(p));
    if (em != posicoes.end()) return *em - Deslocamento(p);
  }
  return npos;
}

size_t TTextoComLacunas::Quantas(size_t Palavra) const {
  size_t quantas = 0;
  for (const std::vector<TPosicoes>& peca : FPosicoes) quantas += peca[Palavra].size();
  return quantas;
}

void TTextoComLacunas::RetiraPrimeira(size_t Palavra) {
  for (std::vector<TPosicoes>& peca : FPosicoes)
    if (!peca[Palavra].empty()) return peca[Palavra].pop_front();
}

// Calls Achou(word, index) for the occurrences that start from De to below
// Ate, in the order of the text. Candidates are the positions whose
// character and the next two start a word, eight positions compared at
// once (two letters alone would let through every "CO" of a column name).
template <typename F>
void TTextoComLacunas::AchaPalavras(std::wstring_view Texto, size_t De, size_t Ate, F Achou) const {
  const wchar_t* const texto = Texto.data();
  // Compared here rather than through IgualSemCaixa: this runs for every
  // candidate, and the words are capitals already.
  const auto maiuscula = [](wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 32) : c; };
  const auto confere = [&](size_t Em) {
    for (size_t k = 0; k < FPalavras.size(); ++k) {
      const std::wstring_view palavra = FPalavras[k];
      if (Texto.size() - Em < palavra.size()) continue;
      size_t i = 0;
      while (i < palavra.size() && maiuscula(texto[Em + i]) == palavra[i]) ++i;
      if (i == palavra.size()) return Achou(k, Em);
    }
  };
  const __m128i semCaixa = _mm_set1_epi16(static_cast<short>(~0x20));  // the words are capitals
  // The first three letters of each word, in every lane.
  std::array<std::array<__m128i, 3>, MaisPalavras> letras;
  for (size_t k = 0; k < FPalavras.size(); ++k)
    for (size_t i = 0; i < 3; ++i) letras[k][i] = _mm_set1_epi16(static_cast<short>(FPalavras[k][i]));
  Ate = std::min(Ate, Texto.size());
  size_t i = De;
  // The second and third characters are read one and two positions further on.
  for (; i < Ate && i + 10 <= Texto.size(); i += 8) {
    const auto carrega = [&](size_t Adiante) {
      return _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(texto + i + Adiante)), semCaixa);
    };
    const __m128i primeiros = carrega(0), segundos = carrega(1), terceiros = carrega(2);
    __m128i candidatos = _mm_setzero_si128();
    for (size_t k = 0; k < FPalavras.size(); ++k) {
      const __m128i par = _mm_and_si128(_mm_cmpeq_epi16(primeiros, letras[k][0]), _mm_cmpeq_epi16(segundos, letras[k][1]));
      candidatos = _mm_or_si128(candidatos, _mm_and_si128(par, _mm_cmpeq_epi16(terceiros, letras[k][2])));
    }
    // Two bits per position.
    for (int bits = _mm_movemask_epi8(candidatos); bits; bits &= bits - 1, bits &= bits - 1) {
      const size_t em = i + __builtin_ctz(bits) / 2;
      if (em >= Ate) return;
      confere(em);
    }
  }
  for (; i < Ate; ++i) confere(i);
}
