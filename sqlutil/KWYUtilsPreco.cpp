// KWYUtils: the stock-item price rewrite. The prices of a stock item live in
// the price table that PEC_PARAMETRO names for the dealer; older texts read
// them from PEC_ITEM_ESTOQUE, and each such reference becomes a lookup that
// falls back to the stock item's own column.
#include <emmintrin.h>

#include <algorithm>
#include <cwchar>
#include <string_view>
#include <vector>

#include "sqlutil/KWYUtils.h"
#include "sqlutil/TextoSQL.h"

using namespace std::string_view_literals;

namespace {

constexpr size_t npos = String::npos;
constexpr std::wstring_view ColunasPreco[] = {L"PRECO_PUBLICO_ATUAL", L"PRECO_GARANTIA", L"PRECO_ALTERNATIVO",
                                              L"PRECO_A_VISTA"};
constexpr size_t Publico = 0, Garantia = 1;
constexpr std::wstring_view Marca = L"XXX";       // after a rewritten expression's result name
constexpr std::wstring_view Protecao = L") $$$";  // a name right after ")" is a result name
constexpr std::wstring_view TabelaItem = L" PEC_ITEM_ESTOQUE";

// The price column whose name the text holds at index De in any case; npos
// when none. No name begins another, so at most one is there: the one
// whose seventh and eighth letters are there is compared.
size_t ColunaPrecoEm(std::wstring_view Texto, size_t De) {
  if (De + 8 > Texto.size()) return npos;
  const auto maiuscula = [&](size_t k) { return static_cast<wchar_t>(Texto[De + k] & ~0x20); };
  for (size_t coluna = 0; coluna < std::size(ColunasPreco); ++coluna) {
    const std::wstring_view nome = ColunasPreco[coluna];
    if (maiuscula(6) == nome[6] && maiuscula(7) == nome[7]) return IgualSemCaixa(Texto, De, nome) ? coluna : npos;
  }
  return npos;
}

// The lookup of ExpressaoPreco for one column and alias, and the indexes at
// which it holds the column's name.
struct TExpressao {
  String Texto;
  size_t Coluna = 0;
  size_t Nomes[3] = {};
};

// The lookup of ExpressaoPreco written into Expressao (Revenda is the
// dealer in decimal).
void MontaExpressaoPreco(TExpressao& Expressao, std::wstring_view Campo, std::wstring_view Alias,
                         std::wstring_view Revenda) {
  String& saida = Expressao.Texto;
  const std::wstring_view tabela = Alias.empty() ? TabelaItem.substr(1) : Alias;
  const auto nome = [&](size_t Qual) -> String& {
    Expressao.Nomes[Qual] = saida.size();
    return saida.append(Campo);
  };
  const auto qualificada = [&](std::wstring_view Nome) -> String& { return saida.append(tabela).append(L"."sv).append(Nome); };
  saida.clear();
  saida.reserve(400 + 3 * tabela.size() + 3 * Campo.size() + Revenda.size());
  saida.append(L" coalesce((select PRECO            from PEC_TABELA_PRECO_ITEM ZZY                 "
               L"inner join PEC_PARAMETRO PPZ on                           (PPZ.EMPRESA = ZZY.EMPRESA"
               L"                        and PPZ.REVENDA = "sv)
      .append(Revenda)
      .append(L"                       and PPZ."sv);
  nome(0).append(L" = ZZY.TABELA)           where ZZY.EMPRESA      = "sv);
  qualificada(L"EMPRESA"sv).append(L"             and ZZY.ITEM_ESTOQUE = "sv);
  qualificada(L"ITEM_ESTOQUE"sv).append(L"),"sv).append(tabela).append(L"."sv);
  nome(1).append(L") "sv);
  nome(2);
}

bool ParteDeNome(wchar_t c) {
  return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || (c >= L'0' && c <= L'9') ||
         c > 127 || (c != 0 && wcschr(L"_$#.\"", c));
}

// The alias of the qualified reference whose dot is at index Ponto: the (at
// most four) characters before the dot, cut after the last one that cannot
// be part of a name.
std::wstring_view AliasAntes(std::wstring_view Texto, size_t Ponto) {
  const size_t inicio = Ponto > 4 ? Ponto - 4 : 0;
  std::wstring_view alias = Apara(Texto.substr(inicio, Ponto - inicio));
  while (!alias.empty() && !std::all_of(alias.begin(), alias.end(), ParteDeNome)) alias.remove_prefix(1);
  return alias;
}

// Whether the marked name that ends at index Fim keeps its name: in a select
// list, before "," or FROM.
bool MantemNome(std::wstring_view Texto, size_t Fim) {
  const size_t seguinte = PulaBrancos(Texto, Fim, Texto.size());
  return (seguinte < Texto.size() && Texto[seguinte] == L',') || IgualSemCaixa(Texto, seguinte, L"FROM");
}

// A price column's name in the text, in any case.
struct TNome {
  size_t Posicao;
  size_t Coluna;
  size_t Fim() const { return Posicao + ColunasPreco[Coluna].size(); }
};

// Where the text holds what decides whether and where the rewrite runs:
// the first ":", the first carriage return, the end of the first join of
// the price table as PTP or ZZY and the start of the last " GROUP BY"; npos
// when none.
struct TMarcos {
  size_t Parametro = npos, Quebra = npos, FimJuncao = npos, Agrupa = npos;
};

// The first index from De on at which Texto holds ":", a carriage return,
// or "PR" or "GR" in any case (the first letters of the price columns'
// names and of GROUP); the text's size when none. Eight positions at a
// time.
size_t ProximoMarco(std::wstring_view Texto, size_t De) {
  const size_t n = Texto.size();
  const wchar_t* const t = Texto.data();
  // A letter with the bit of the lower case set is itself in lower case.
  const auto minuscula = [](wchar_t c) { return static_cast<wchar_t>(c | 0x20); };
  const auto carrega = [&](size_t i) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(t + i)); };
  const auto iguais = [](__m128i Oito, wchar_t c) { return _mm_cmpeq_epi16(Oito, _mm_set1_epi16(static_cast<short>(c))); };
  const __m128i bit = _mm_set1_epi16(0x20);
  for (; De + 9 <= n; De += 8) {
    const __m128i oito = carrega(De), letras = _mm_or_si128(oito, bit), seguintes = _mm_or_si128(carrega(De + 1), bit);
    const __m128i pares = _mm_and_si128(_mm_or_si128(iguais(letras, L'p'), iguais(letras, L'g')), iguais(seguintes, L'r'));
    const __m128i marcos = _mm_or_si128(pares, _mm_or_si128(iguais(oito, L':'), iguais(oito, L'\r')));
    if (const int bits = _mm_movemask_epi8(marcos)) return De + __builtin_ctz(bits) / 2;
  }
  for (; De < n; ++De) {
    const wchar_t c = minuscula(t[De]);
    if (t[De] == L':' || t[De] == L'\r' || ((c == L'p' || c == L'g') && De + 1 < n && minuscula(t[De + 1]) == L'r'))
      return De;
  }
  return n;
}

// The price columns' names in Texto, in order (no name overlaps another),
// and its marks, found in one walk: the joins hold "PRECO_" too.
TMarcos AchaNomes(std::wstring_view Texto, std::vector<TNome>& Nomes) {
  static constexpr std::wstring_view Juncoes[] = {L" PEC_TABELA_PRECO_ITEM PTP ", L" PEC_TABELA_PRECO_ITEM ZZY "};
  static constexpr std::wstring_view Agrupa = L" GROUP BY";
  constexpr size_t antes = Juncoes[0].find(L"PRECO_");
  TMarcos marcos;
  Nomes.clear();
  for (size_t p = ProximoMarco(Texto, 0); p < Texto.size(); p = ProximoMarco(Texto, p + 1)) {
    if (Texto[p] == L':') {
      marcos.Parametro = std::min(marcos.Parametro, p);
    } else if (Texto[p] == L'\r') {
      marcos.Quebra = std::min(marcos.Quebra, p);
    } else if ((Texto[p] | 0x20) == L'g') {
      if (p > 0 && IgualSemCaixa(Texto, p - 1, Agrupa)) marcos.Agrupa = p - 1;
    } else if (const size_t coluna = ColunaPrecoEm(Texto, p); coluna != npos) {
      Nomes.push_back({p, coluna});
    } else if (marcos.FimJuncao == npos && p >= antes) {
      for (std::wstring_view juncao : Juncoes)
        if (Texto.substr(p - antes).starts_with(juncao)) marcos.FimJuncao = p - antes + juncao.size();
    }
  }
  return marcos;
}

// The rewrite of a text's price references. Each step below walks the
// names of the price columns, replaces stretches around some of them and
// writes the result into a second buffer, the names' new positions with it,
// so that no step searches the text: everything a step looks for holds a
// name, and no replacement brings a new name together.
class TReescritaPrecos {
public:
  // ANomes are ATexto's names; AQuebras tells whether it holds carriage
  // returns. Room is made for the text with every name rewritten and for
  // ATamanho more characters, so that the buffers are allocated once.
  TReescritaPrecos(std::wstring_view ATexto, const std::vector<TNome>& ANomes, bool AQuebras, size_t ATamanho,
                   int ARevenda)
      : FRevenda(IntToStr(ARevenda)) {
    FNomes.assign(ANomes.begin(), ANomes.end());
    // The longest lookup: the longest name, read from PEC_ITEM_ESTOQUE.
    MontaExpressaoPreco(FExpressao, ColunasPreco[Publico], std::wstring_view(), FRevenda);
    const size_t tamanho =
        ATexto.size() + ATamanho + FNomes.size() * (FExpressao.Texto.size() + Marca.size() + Protecao.size());
    FTexto.reserve(tamanho);
    FTexto.assign(ATexto);
    FNovo.reserve(tamanho);
    // A name rewritten holds it three times.
    FNomes.reserve(3 * FNomes.size());
    FNovos.reserve(FNomes.capacity());
    // Line breaks become blanks first.
    if (AQuebras) {
      FTexto = StringReplace(FTexto, L"\n\r", L" ", rfReplaceAll);
      FTexto = StringReplace(FTexto, L"\r\n", L" ", rfReplaceAll);
      FTexto.reserve(tamanho);
      AchaNomes(FTexto, FNomes);
    }
  }

  ~TReescritaPrecos() {
    EsvaziaMantendo(FTexto);
    EsvaziaMantendo(FNovo);
    EsvaziaMantendo(FNomes);
    EsvaziaMantendo(FNovos);
  }

  // The rewritten text, followed by Resto.
  String Reescreve(std::wstring_view Resto) {
    EncurtaBrancos();
    ProtegeNomesDeResultado();
    for (size_t coluna = 0; coluna < std::size(ColunasPreco); ++coluna) {
      if (ReescreveQualificadas(coluna)) continue;
      ReescreveSemAlias(coluna);
      ResolveMarcas(coluna);
    }
    LiberaNomesDeResultado();
    String reescrito;
    reescrito.reserve(FTexto.size() + Resto.size());
    return reescrito.append(FTexto).append(Resto);
  }

private:
  void EncurtaBrancos();
  void ProtegeNomesDeResultado();
  bool ReescreveQualificadas(size_t Coluna);
  void ReescreveSemAlias(size_t Coluna);
  void ResolveMarcas(size_t Coluna);
  void LiberaNomesDeResultado();

  // The writing of a step: Troca copies the text up to De and leaves out
  // what lies before Ate, for what the step writes next; Conclui copies the
  // rest, and what was written becomes the text (nothing is copied when
  // nothing was replaced).
  void Troca(size_t De, size_t Ate);
  void Escreve(std::wstring_view Texto) { FNovo.append(Texto); }
  void EscreveNome(size_t Coluna) {
    FNovos.push_back({FNovo.size(), Coluna});
    FNovo.append(ColunasPreco[Coluna]);
  }
  // The lookup, with its result name or without it.
  void EscreveExpressao(bool ComNome = true) {
    const size_t nomes = ComNome ? std::size(FExpressao.Nomes) : std::size(FExpressao.Nomes) - 1;
    for (size_t k = 0; k < nomes; ++k) FNovos.push_back({FNovo.size() + FExpressao.Nomes[k], FExpressao.Coluna});
    FNovo.append(FExpressao.Texto, 0, ComNome ? npos : FExpressao.Nomes[nomes]);
  }
  void Conclui();
  void MontaExpressao(size_t Coluna, std::wstring_view Alias) {
    MontaExpressaoPreco(FExpressao, ColunasPreco[Coluna], Alias, FRevenda);
    FExpressao.Coluna = Coluna;
  }
  // The character at index I; none outside the text (an index "below 0"
  // wraps past its end).
  wchar_t Em(size_t I) const { return I < FTexto.size() ? FTexto[I] : L'\0'; }
  // Whether the text holds Padrao at index I exactly.
  bool Exato(size_t I, std::wstring_view Padrao) const {
    return std::wstring_view(FTexto).substr(std::min(I, FTexto.size())).starts_with(Padrao);
  }

  // The buffers, kept between calls on the thread: a long text's lookups
  // take megabytes.
  struct TBuffers {
    String Texto, Novo;
    std::vector<TNome> Nomes, Novos;
  };
  static TBuffers& Buffers() {
    thread_local TBuffers buffers;
    return buffers;
  }
  TBuffers& FBuffers = Buffers();
  String &FTexto = FBuffers.Texto, &FNovo = FBuffers.Novo;
  std::vector<TNome> &FNomes = FBuffers.Nomes, &FNovos = FBuffers.Novos;
  TExpressao FExpressao;
  const String FRevenda;  // the dealer in decimal
  size_t FLido = 0, FProximo = 0;  // the step's read position and next name
  bool FTrocou = false;
};

void TReescritaPrecos::Troca(size_t De, size_t Ate) {
  // Only the names wholly inside the stretch copied are still there.
  for (; FProximo < FNomes.size() && FNomes[FProximo].Posicao < De; ++FProximo) {
    const TNome& nome = FNomes[FProximo];
    if (nome.Posicao >= FLido && nome.Fim() <= De) FNovos.push_back({nome.Posicao - FLido + FNovo.size(), nome.Coluna});
  }
  FNovo.append(FTexto, FLido, De - FLido);
  FLido = Ate;
  FTrocou = true;
}

void TReescritaPrecos::Conclui() {
  if (FTrocou) {
    Troca(FTexto.size(), FTexto.size());
    std::swap(FTexto, FNovo);
    std::swap(FNomes, FNovos);
    FNovo.clear();
    FNovos.clear();
  }
  FLido = FProximo = 0;
  FTrocou = false;
}

// Runs of two or more blanks before a price column lose one blank per round
// for as long as a round finds one before the first column or before one of
// the others followed by a blank. All rounds are applied at once: each run
// shrinks by the number of rounds, to one blank at least, and the name after
// it is written in capitals, as the bare-reference rewrite looks for it.
void TReescritaPrecos::EncurtaBrancos() {
  const auto brancosAntes = [&](size_t Posicao) {
    size_t brancos = 0;
    while (brancos < Posicao && FTexto[Posicao - 1 - brancos] == L' ') ++brancos;
    return brancos;
  };
  size_t rodadas = 0;
  for (const TNome& nome : FNomes) {
    const size_t brancos = brancosAntes(nome.Posicao);
    if (brancos >= 2 && (nome.Coluna == Publico || Em(nome.Fim()) == L' ')) rodadas = std::max(rodadas, brancos - 1);
  }
  if (rodadas == 0) return;
  for (const TNome& nome : FNomes) {
    const size_t brancos = brancosAntes(nome.Posicao);
    if (brancos < 2) continue;
    Troca(nome.Posicao - brancos, nome.Fim());
    FNovo.append(brancos > rodadas ? brancos - rodadas : 1, L' ');
    EscreveNome(nome.Coluna);
  }
  Conclui();
}

// A price column's name right after ")" (or ") ") is a result name: it
// becomes ") $$$NAME" (in capitals) while the references are rewritten.
void TReescritaPrecos::ProtegeNomesDeResultado() {
  for (const TNome& nome : FNomes) {
    const size_t p = nome.Posicao;
    const size_t fecha = Em(p - 1) == L')' ? p - 1 : Em(p - 1) == L' ' && Em(p - 2) == L')' ? p - 2 : npos;
    if (fecha == npos) continue;
    Troca(fecha, nome.Fim());
    Escreve(Protecao);
    EscreveNome(nome.Coluna);
  }
  Conclui();
}

// A column read through an alias: when the text holds ".COLUMN" as written
// (for the guarantee price, followed by ","), every reference through the
// alias of the first one in any case becomes the lookup, marked. True when
// the column is done: its marks resolved here, no bare reference to it.
bool TReescritaPrecos::ReescreveQualificadas(size_t Coluna) {
  const std::wstring_view coluna = ColunasPreco[Coluna];
  const bool garantia = Coluna == Garantia;
  const TNome* primeira = nullptr;
  bool escrita = false;
  for (const TNome& nome : FNomes) {
    if (nome.Coluna != Coluna || Em(nome.Posicao - 1) != L'.') continue;
    if (!primeira) primeira = &nome;
    escrita = Exato(nome.Posicao, coluna) && (!garantia || Em(nome.Fim()) == L',');
    if (escrita) break;
  }
  if (!escrita) return false;
  const std::wstring_view alias = AliasAntes(FTexto, primeira->Posicao - 1);
  MontaExpressao(Coluna, alias);
  // Where the reference of Nome through the alias begins, when it is
  // rewritten and the last one rewritten ends by Lido; npos otherwise.
  const auto referencia = [&](const TNome& Nome, size_t Lido) {
    if (Nome.Coluna != Coluna || Nome.Posicao < alias.size() + 1) return npos;
    const size_t inicio = Nome.Posicao - alias.size() - 1;
    // For the guarantee price, followed by a blank or "," (which stays).
    if (inicio < Lido || FTexto[Nome.Posicao - 1] != L'.' || !IgualSemCaixa(FTexto, inicio, alias) ||
        (garantia && Em(Nome.Fim()) != L' ' && Em(Nome.Fim()) != L','))
      return npos;
    return inicio;
  };
  // The marks are resolved here, saving the text two walks, when this
  // step's are the column's only ones, there is no bare reference (no name
  // of the column after a blank), and what decides each mark (its column's
  // name or the blanks, and "," or FROM, after it) lies before the next
  // reference: it reads then as it will after this step.
  bool resolve = true;
  size_t lido = 0, decide = 0;  // after the last reference and what decides its mark
  for (const TNome& nome : FNomes) {
    if (nome.Coluna != Coluna) continue;
    resolve = resolve && Em(nome.Posicao - 1) != L' ' && !IgualSemCaixa(FTexto, nome.Fim(), Marca);
    const size_t inicio = referencia(nome, lido);
    if (inicio == npos) continue;
    resolve = resolve && inicio >= decide && !IgualSemCaixa(FTexto, nome.Fim(), coluna);
    lido = nome.Fim();
    decide = std::max(lido + coluna.size(), PulaBrancos(FTexto, lido, FTexto.size()) + 4);
  }
  for (const TNome& nome : FNomes) {
    const size_t inicio = referencia(nome, FLido);
    if (inicio == npos) continue;
    Troca(inicio, nome.Fim());
    if (resolve) {
      EscreveExpressao(MantemNome(FTexto, nome.Fim()));
    } else {
      EscreveExpressao();
      Escreve(Marca);
    }
  }
  Conclui();
  return resolve;
}

// A bare column, " COLUMN " or " COLUMN," as written, becomes the lookup in
// the stock-item table, marked, unless the first " COLUMNXXX" is followed by
// the column's name. The blank or "," after it stays: a blank that ended
// one " COLUMN " rewritten starts no other, but may start a " COLUMN,".
void TReescritaPrecos::ReescreveSemAlias(size_t Coluna) {
  const std::wstring_view coluna = ColunasPreco[Coluna];
  bool referida = false, marcada = false, seguida = false;
  for (const TNome& nome : FNomes) {
    if (nome.Coluna != Coluna || Em(nome.Posicao - 1) != L' ' || !Exato(nome.Posicao, coluna))
      continue;
    referida = referida || Em(nome.Fim()) == L' ' || Em(nome.Fim()) == L',';
    if (!marcada && Exato(nome.Fim(), Marca)) {
      marcada = true;
      seguida = IgualSemCaixa(FTexto, PulaBrancos(FTexto, nome.Fim() + Marca.size(), FTexto.size()), coluna);
    }
  }
  if (!referida || seguida) return;
  MontaExpressao(Coluna, std::wstring_view());
  size_t fimDoBranco = 0;  // after the blank that ended the last " COLUMN " rewritten
  for (const TNome& nome : FNomes) {
    if (nome.Coluna != Coluna || Em(nome.Posicao - 1) != L' ') continue;
    const wchar_t depois = Em(nome.Fim());
    if (depois == L' ' ? nome.Posicao - 1 < fimDoBranco : depois != L',') continue;
    if (depois == L' ') fimDoBranco = nome.Fim() + 1;
    Troca(nome.Posicao - 1, nome.Fim());
    EscreveExpressao();
    Escreve(Marca);
  }
  Conclui();
}

// The marks of the column, each found as " COLUMNXXX" and replaced where
// its name is found in any case. When every such name is one of those
// marks, and no replacement can bring a new one together, all are resolved
// in one walk; otherwise one at a time, from the start, and the names are
// found again.
void TReescritaPrecos::ResolveMarcas(size_t Coluna) {
  const std::wstring_view coluna = ColunasPreco[Coluna];
  bool marcas = false, umaVez = true;
  for (const TNome& nome : FNomes) {
    if (nome.Coluna != Coluna || !IgualSemCaixa(FTexto, nome.Fim(), Marca)) continue;
    const size_t fim = nome.Fim() + Marca.size();
    marcas = true;
    umaVez = umaVez && Em(nome.Posicao - 1) == L' ' && Exato(nome.Posicao, coluna) &&
             Exato(nome.Fim(), Marca) && !IgualSemCaixa(FTexto, fim, Marca) && !IgualSemCaixa(FTexto, fim, coluna);
  }
  if (!marcas) return;
  if (umaVez) {
    for (const TNome& nome : FNomes) {
      if (nome.Coluna != Coluna || !IgualSemCaixa(FTexto, nome.Fim(), Marca)) continue;
      const size_t fim = nome.Fim() + Marca.size();
      Troca(nome.Posicao, fim);
      if (MantemNome(FTexto, fim)) EscreveNome(Coluna);
    }
    Conclui();
    return;
  }
  String marcada(L" ");
  marcada.append(coluna).append(Marca);
  const std::wstring_view nome = std::wstring_view(marcada).substr(1);
  for (size_t p; (p = BuscaExata(FTexto, marcada)) != npos;) {
    const bool mantem = MantemNome(FTexto, p + marcada.size());
    FTexto = SubstituiPrimeiro(std::move(FTexto), nome, mantem ? coluna : std::wstring_view());
  }
  AchaNomes(FTexto, FNomes);
}

// ") $$$NAME" back to ") NAME".
void TReescritaPrecos::LiberaNomesDeResultado() {
  for (const TNome& nome : FNomes) {
    if (nome.Posicao < Protecao.size() || !Exato(nome.Posicao - Protecao.size(), Protecao)) continue;
    Troca(nome.Posicao - Protecao.size(), nome.Fim());
    Escreve(L") "sv);
    EscreveNome(nome.Coluna);
  }
  Conclui();
}

}  // namespace

String ExpressaoPreco(const String& ACampo, const String& AAlias, int ARevenda) {
  TExpressao expressao;
  MontaExpressaoPreco(expressao, ACampo, AAlias, IntToStr(ARevenda));
  return std::move(expressao.Texto);
}

String AjustaPrecoItem(const String& ASQL, int ARevenda, bool AForca) {
  const size_t tabela = BuscaExata(ASQL, TabelaItem);
  if (tabela == npos) return ASQL;  // nothing to rewrite
  std::vector<TNome> nomes;
  nomes.reserve(32);
  const TMarcos marcos = AchaNomes(ASQL, nomes);
  // The last " GROUP BY" part is never rewritten: the rewrite sees the text
  // before it, and the names there.
  const std::wstring_view texto(ASQL.data(), marcos.Agrupa == npos ? ASQL.size() : marcos.Agrupa + 1);
  nomes.erase(std::find_if(nomes.begin(), nomes.end(), [&](const TNome& Nome) { return Nome.Fim() > texto.size(); }),
              nomes.end());
  const bool quebras = marcos.Quebra < texto.size();
  if (tabela + TabelaItem.size() > texto.size() || (marcos.Parametro < texto.size() && !AForca)) return ASQL;
  if (marcos.FimJuncao <= texto.size()) return ASQL;  // the price table is joined already
  if (nomes.empty() && !quebras) return ASQL;
  const std::wstring_view resto = std::wstring_view(ASQL).substr(texto.size());
  return TReescritaPrecos(texto, nomes, quebras, resto.size(), ARevenda).Reescreve(resto);
}
