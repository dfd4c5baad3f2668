// KWYUtils: the stock-item price rewrite. The prices of a stock item live in
// the price table that PEC_PARAMETRO names for the dealer; older texts read
// them from PEC_ITEM_ESTOQUE, and each such reference becomes a lookup that
// falls back to the stock item's own column.
#include <algorithm>
#include <cwchar>
#include <vector>

#include "sqlutil/KWYUtils.h"
#include "sqlutil/TextoSQL.h"

namespace {

constexpr size_t npos = String::npos;
const String ColunasPreco[] = {L"PRECO_PUBLICO_ATUAL", L"PRECO_GARANTIA", L"PRECO_ALTERNATIVO",
                               L"PRECO_A_VISTA"};
const String Garantia = L"PRECO_GARANTIA";
const String Marca = L"XXX";          // after a rewritten expression's result name
const String Protecao = L") $$$";     // a name right after ")" is a result name

// The price column (upper-case) whose name the text holds at index De in any
// case; null when none.
const String* ColunaPrecoEm(const String& Texto, size_t De) {
  for (const String& coluna : ColunasPreco)
    if (IgualSemCaixa(Texto, De, coluna)) return &coluna;
  return nullptr;
}

bool ReescritaSeAplica(const String& Texto, bool AForca) {
  return BuscaExata(Texto, L" PEC_ITEM_ESTOQUE") != npos && (Texto.find(L':') == npos || AForca) &&
         BuscaExata(Texto, L" PEC_TABELA_PRECO_ITEM PTP ") == npos &&
         BuscaExata(Texto, L" PEC_TABELA_PRECO_ITEM ZZY ") == npos;
}

// Runs of two or more blanks before a price column lose one blank per round
// for as long as a round finds one before the first column or before one of
// the others followed by a blank. All rounds are applied in one walk, in
// place: each run shrinks by the number of rounds, to one blank at least,
// and the name after it is written in capitals, as the bare-reference
// rewrite looks for it.
void EncurtaBrancosAntesDosPrecos(String& Texto) {
  if (Texto.find(L"  ") == npos) return;
  size_t rodadas = 0;
  for (size_t i = 0; i < Texto.size();) {
    const size_t fim = Texto.find_first_not_of(L' ', i);
    if (fim == npos) break;
    const String* coluna = fim - i >= 2 ? ColunaPrecoEm(Texto, fim) : nullptr;
    if (coluna && (*coluna == ColunasPreco[0] ||
                   (fim + coluna->size() < Texto.size() && Texto[fim + coluna->size()] == L' ')))
      rodadas = std::max(rodadas, fim - i - 1);
    i = fim > i ? fim : fim + 1;
  }
  if (rodadas == 0) return;
  // The text only shrinks: what is written never passes what is read.
  size_t escrito = 0;
  const auto escreve = [&](wchar_t c, size_t vezes) {
    std::fill_n(Texto.begin() + escrito, vezes, c);
    escrito += vezes;
  };
  for (size_t i = 0; i < Texto.size();) {
    const size_t fim = std::min(Texto.find_first_not_of(L' ', i), Texto.size());
    size_t brancos = fim - i;
    const String* coluna = brancos >= 2 ? ColunaPrecoEm(Texto, fim) : nullptr;
    if (coluna) {
      escreve(L' ', brancos > rodadas ? brancos - rodadas : 1);
      std::copy(coluna->begin(), coluna->end(), Texto.begin() + escrito);
      escrito += coluna->size();
      i = fim + coluna->size();
      continue;
    }
    escreve(L' ', brancos);
    if (fim < Texto.size()) escreve(Texto[fim], 1);
    i = fim + 1;
  }
  Texto.resize(escrito);
}

// The lookup of ExpressaoPreco, appended to Saida.
void AcrescentaExpressaoPreco(String& Saida, std::wstring_view Campo, std::wstring_view Alias, int Revenda) {
  const std::wstring_view tabela = Alias.empty() ? std::wstring_view(L"PEC_ITEM_ESTOQUE") : Alias;
  const auto qualificada = [&](std::wstring_view Nome) -> String& { return Saida.append(tabela).append(L".").append(Nome); };
  Saida.reserve(Saida.size() + 400 + 3 * tabela.size() + 2 * Campo.size());
  Saida.append(L" coalesce((select PRECO            from PEC_TABELA_PRECO_ITEM ZZY                 "
               L"inner join PEC_PARAMETRO PPZ on                           (PPZ.EMPRESA = ZZY.EMPRESA"
               L"                        and PPZ.REVENDA = ")
      .append(IntToStr(Revenda))
      .append(L"                       and PPZ.")
      .append(Campo)
      .append(L" = ZZY.TABELA)           where ZZY.EMPRESA      = ");
  qualificada(L"EMPRESA").append(L"             and ZZY.ITEM_ESTOQUE = ");
  qualificada(L"ITEM_ESTOQUE").append(L"),");
  qualificada(Campo).append(L") ").append(Campo);
}

bool ParteDeNome(wchar_t c) {
  return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || (c >= L'0' && c <= L'9') ||
         c > 127 || (c != 0 && wcschr(L"_$#.\"", c));
}

// The alias of the qualified reference whose dot is at 1-based position
// Ponto: the (at most four) characters before the dot, cut after the last
// one that cannot be part of a name.
String AliasAntes(const String& Texto, int Ponto) {
  const int inicio = std::max(1, Ponto - 4);
  String alias = Trim(Copy(Texto, inicio, Ponto - inicio));
  while (!alias.empty() && !std::all_of(alias.begin(), alias.end(), ParteDeNome)) alias.erase(0, 1);
  return alias;
}

// The rewrites below build their patterns and replacements in two buffers
// that the whole rewrite shares, so that a column costs no new memory.
struct TBuffers {
  String Padrao, Para;
};

// Every Padrao in Texto becomes Para, then, with both ending in Fim instead,
// again.
void SubstituiTerminados(String& Texto, TBuffers& Buffers, wchar_t Fim) {
  Texto = SubstituiTodos(std::move(Texto), Buffers.Padrao, Buffers.Para);
  Buffers.Padrao.back() = Fim;
  Buffers.Para.back() = Fim;
  Texto = SubstituiTodos(std::move(Texto), Buffers.Padrao, Buffers.Para);
}

void ReescreveQualificadas(String& Texto, const String& Coluna, int ARevenda, TBuffers& Buffers) {
  const bool garantia = Coluna == Garantia;
  String& padrao = Buffers.Padrao;
  padrao.assign(L".").append(Coluna);
  if (garantia) padrao += L',';
  if (BuscaExata(Texto, padrao) == npos) return;
  if (garantia) padrao.pop_back();
  const String alias = AliasAntes(Texto, PosSemCaixa(padrao, Texto));
  Buffers.Para.clear();
  AcrescentaExpressaoPreco(Buffers.Para, Coluna, alias, ARevenda);
  Buffers.Para += Marca;
  padrao.assign(alias).append(L".").append(Coluna);
  if (garantia) {
    padrao += L' ';
    Buffers.Para += L' ';
    SubstituiTerminados(Texto, Buffers, L',');
  } else {
    Texto = SubstituiTodos(std::move(Texto), padrao, Buffers.Para);
  }
}

void ReescreveSemAlias(String& Texto, const String& Coluna, int ARevenda, TBuffers& Buffers) {
  String& padrao = Buffers.Padrao;
  padrao.assign(L" ").append(Coluna).append(Marca);
  const size_t p = BuscaExata(Texto, padrao);
  const bool seguidaDaColuna =
      p != npos && IgualSemCaixa(Texto, PulaBrancos(Texto, p + padrao.size(), Texto.size()), Coluna);
  padrao.assign(L" ").append(Coluna).append(L" ");
  bool referida = BuscaExata(Texto, padrao) != npos;
  padrao.back() = L',';
  referida = referida || BuscaExata(Texto, padrao) != npos;
  if (!referida || seguidaDaColuna) return;
  padrao.back() = L' ';
  Buffers.Para.clear();
  AcrescentaExpressaoPreco(Buffers.Para, Coluna, std::wstring_view(), ARevenda);
  Buffers.Para.append(Marca).append(L" ");
  SubstituiTerminados(Texto, Buffers, L',');
}

// Whether the marked name that ends at index Fim keeps its name: in a select
// list, before "," or FROM.
bool MantemNome(const String& Texto, size_t Fim) {
  const size_t seguinte = PulaBrancos(Texto, Fim, Texto.size());
  if (seguinte < Texto.size() && Texto[seguinte] == L',') return true;
  static const String From = L"FROM";
  for (size_t k = 0; k < From.size(); ++k)
    if (seguinte + k >= Texto.size() || (Texto[seguinte + k] & ~0x20) != From[k]) return false;
  return true;
}

// The marks of the column, each found as " COLUMNXXX" and replaced where
// its name is found in any case. When every such name is one of those
// marks, and no replacement can bring a new one together, all are resolved
// in one walk; otherwise one at a time, from the start.
void ResolveMarcas(String& Texto, const String& Coluna, String& Marcada) {
  Marcada.assign(L" ").append(Coluna).append(Marca);
  const std::wstring_view marcada = Marcada, nome = marcada.substr(1);
  bool umaVez = true;
  const TPadrao padrao(nome);
  for (size_t p = padrao.Em(Texto); p != npos && umaVez; p = padrao.Em(Texto, p + nome.size())) {
    const size_t fim = p + nome.size();
    umaVez = p > 0 && marcada.compare(0, marcada.size(), Texto, p - 1, marcada.size()) == 0 &&
             !IgualSemCaixa(Texto, fim, Marca) && !IgualSemCaixa(Texto, fim, Coluna);
  }
  if (umaVez) {
    // In place: each mark only shortens the text, and what decides it lies
    // after it, not yet moved.
    size_t escrito = 0, de = 0;
    const auto copia = [&](size_t ate) {
      std::copy(Texto.begin() + de, Texto.begin() + ate, Texto.begin() + escrito);
      escrito += ate - de;
    };
    // The marks are found again as they are reached: the text from each
    // one on has not moved yet.
    for (size_t p = padrao.Em(Texto); p != npos; p = padrao.Em(Texto, p + nome.size())) {
      copia(p);
      if (MantemNome(Texto, p + nome.size())) {
        std::copy(Coluna.begin(), Coluna.end(), Texto.begin() + escrito);
        escrito += Coluna.size();
      }
      de = p + nome.size();
    }
    copia(Texto.size());
    Texto.resize(escrito);
    return;
  }
  for (size_t p; (p = BuscaExata(Texto, marcada)) != npos;) {
    const bool mantem = MantemNome(Texto, p + marcada.size());
    Texto = SubstituiPrimeiro(std::move(Texto), nome, mantem ? std::wstring_view(Coluna) : std::wstring_view());
  }
}

// A price column's name right after ")" (or ") ") is a result name: it
// becomes ") $$$NAME" (in capitals) while the references are rewritten.
void ProtegeNomesDeResultado(String& Texto) {
  TReescritaNoLugar feito(Texto);
  size_t lido = 0;
  for (size_t fecha = Texto.find(L')'); fecha != npos; fecha = Texto.find(L')', fecha + 1)) {
    const size_t nome = fecha + 1 < Texto.size() && Texto[fecha + 1] == L' ' ? fecha + 2 : fecha + 1;
    const String* coluna = ColunaPrecoEm(Texto, nome);
    if (!coluna) continue;
    feito.Copia(lido, fecha);
    feito.Acrescenta(Protecao);
    feito.Acrescenta(*coluna);
    lido = nome + coluna->size();
    fecha = lido - 1;
  }
  feito.Copia(lido, Texto.size());
  feito.Conclui();
}

// ") $$$NAME" back to ") NAME".
void LiberaNomesDeResultado(String& Texto) {
  size_t escrito = 0, lido = 0;
  for (size_t p = Texto.find(Protecao); p != npos; p = Texto.find(Protecao, p + 1)) {
    const String* coluna = ColunaPrecoEm(Texto, p + Protecao.size());
    if (!coluna) continue;
    std::copy(Texto.begin() + lido, Texto.begin() + p, Texto.begin() + escrito);
    escrito += p - lido;
    for (wchar_t c : L") " + *coluna) Texto[escrito++] = c;
    lido = p + Protecao.size() + coluna->size();
    p = lido - 1;
  }
  if (lido == 0) return;
  std::copy(Texto.begin() + lido, Texto.end(), Texto.begin() + escrito);
  Texto.resize(escrito + Texto.size() - lido);
}

String ReescrevePrecos(String Texto, int ARevenda, TBuffers& Buffers) {
  if (Texto.find(L'\r') != npos) {
    Texto = StringReplace(Texto, L"\n\r", L" ", rfReplaceAll);
    Texto = StringReplace(Texto, L"\r\n", L" ", rfReplaceAll);
  }
  EncurtaBrancosAntesDosPrecos(Texto);
  ProtegeNomesDeResultado(Texto);
  for (const String& coluna : ColunasPreco) {
    ReescreveQualificadas(Texto, coluna, ARevenda, Buffers);
    ReescreveSemAlias(Texto, coluna, ARevenda, Buffers);
    ResolveMarcas(Texto, coluna, Buffers.Padrao);
  }
  LiberaNomesDeResultado(Texto);
  return Texto;
}

}  // namespace

String ExpressaoPreco(const String& ACampo, const String& AAlias, int ARevenda) {
  String expressao;
  AcrescentaExpressaoPreco(expressao, ACampo, AAlias, ARevenda);
  return expressao;
}

namespace {

// Room for the text with every price reference rewritten, so that the
// rewrite's replacements are made in the one buffer (Buffers.Para holds
// the longest expression meanwhile).
size_t TamanhoReescrito(const String& ASQL, int ARevenda, TBuffers& Buffers) {
  size_t referencias = 0;
  const TPadrao preco(L"PRECO_");
  for (size_t p = preco.Em(ASQL); p != npos; p = preco.Em(ASQL, p + 6)) ++referencias;
  AcrescentaExpressaoPreco(Buffers.Para, ColunasPreco[0], L"PEC_ITEM_ESTOQUE", ARevenda);
  return ASQL.size() + referencias * (Buffers.Para.size() + Marca.size() + 8);
}

}  // namespace

String AjustaPrecoItem(const String& ASQL, int ARevenda, bool AForca) {
  if (ASQL.find(L" PEC_ITEM_ESTOQUE") == npos) return ASQL;  // nothing to rewrite
  // The last " GROUP BY" part is never rewritten.
  size_t agrupa = npos;
  const TPadrao grupo(L" GROUP BY");
  for (size_t p = grupo.Em(ASQL); p != npos; p = grupo.Em(ASQL, p + 1)) agrupa = p;
  const size_t fimTexto = agrupa == npos ? ASQL.size() : agrupa + 1;
  TBuffers buffers;
  String texto;
  texto.reserve(TamanhoReescrito(ASQL, ARevenda, buffers));
  texto.assign(ASQL, 0, fimTexto);
  if (ReescritaSeAplica(texto, AForca)) texto = ReescrevePrecos(std::move(texto), ARevenda, buffers);
  return texto.append(ASQL, fimTexto, npos);
}
