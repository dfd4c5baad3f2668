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
  return Pos(L" PEC_ITEM_ESTOQUE", Texto) > 0 && (Pos(L":", Texto) == 0 || AForca) &&
         Pos(L" PEC_TABELA_PRECO_ITEM PTP ", Texto) == 0 &&
         Pos(L" PEC_TABELA_PRECO_ITEM ZZY ", Texto) == 0;
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

void ReescreveQualificadas(String& Texto, const String& Coluna, int ARevenda) {
  const String teste = L"." + Coluna + (Coluna == Garantia ? L"," : L"");
  if (Pos(teste, Texto) == 0) return;
  const String alias = AliasAntes(Texto, PosSemCaixa(L"." + Coluna, Texto));
  const String expressao = ExpressaoPreco(Coluna, alias, ARevenda);
  const String referencia = alias + L"." + Coluna;
  if (Coluna == Garantia) {
    Texto = SubstituiTodos(std::move(Texto), referencia + L" ", expressao + Marca + L" ");
    Texto = SubstituiTodos(std::move(Texto), referencia + L",", expressao + Marca + L",");
  } else {
    Texto = SubstituiTodos(std::move(Texto), referencia, expressao + Marca);
  }
}

void ReescreveSemAlias(String& Texto, const String& Coluna, int ARevenda) {
  const String marcada = L" " + Coluna + Marca;
  const size_t p = BuscaExata(Texto, marcada);
  const bool seguidaDaColuna =
      p != npos && IgualSemCaixa(Texto, PulaBrancos(Texto, p + marcada.size(), Texto.size()), Coluna);
  if ((BuscaExata(Texto, L" " + Coluna + L" ") == npos && BuscaExata(Texto, L" " + Coluna + L",") == npos) ||
      seguidaDaColuna)
    return;
  const String expressao = ExpressaoPreco(Coluna, String(), ARevenda);
  Texto = SubstituiTodos(std::move(Texto), L" " + Coluna + L" ", expressao + Marca + L" ");
  Texto = SubstituiTodos(std::move(Texto), L" " + Coluna + L",", expressao + Marca + L",");
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
void ResolveMarcas(String& Texto, const String& Coluna) {
  const String marcada = L" " + Coluna + Marca, nome = Coluna + Marca;
  std::vector<size_t> marcas;
  bool umaVez = true;
  const TPadrao padrao(nome);
  for (size_t p = padrao.Em(Texto); p != npos && umaVez; p = padrao.Em(Texto, p + nome.size())) {
    const size_t fim = p + nome.size();
    umaVez = p > 0 && Texto.compare(p - 1, marcada.size(), marcada) == 0 && !IgualSemCaixa(Texto, fim, Marca) &&
             !IgualSemCaixa(Texto, fim, Coluna);
    marcas.push_back(p);
  }
  if (umaVez) {
    // In place: each mark only shortens the text, and what decides it lies
    // after it, not yet moved.
    size_t escrito = 0, de = 0;
    const auto copia = [&](size_t ate) {
      std::copy(Texto.begin() + de, Texto.begin() + ate, Texto.begin() + escrito);
      escrito += ate - de;
    };
    for (size_t p : marcas) {
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
  for (int p; (p = Pos(marcada, Texto)) > 0;) {
    const bool mantem = MantemNome(Texto, p - 1 + marcada.size());
    Texto = SubstituiPrimeiro(std::move(Texto), nome, mantem ? Coluna : String());
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

String ReescrevePrecos(String Texto, int ARevenda) {
  if (Texto.find(L'\r') != npos) {
    Texto = StringReplace(Texto, L"\n\r", L" ", rfReplaceAll);
    Texto = StringReplace(Texto, L"\r\n", L" ", rfReplaceAll);
  }
  EncurtaBrancosAntesDosPrecos(Texto);
  ProtegeNomesDeResultado(Texto);
  for (const String& coluna : ColunasPreco) {
    ReescreveQualificadas(Texto, coluna, ARevenda);
    ReescreveSemAlias(Texto, coluna, ARevenda);
    ResolveMarcas(Texto, coluna);
  }
  LiberaNomesDeResultado(Texto);
  return Texto;
}

}  // namespace

String ExpressaoPreco(const String& ACampo, const String& AAlias, int ARevenda) {
  const String a = AAlias.empty() ? String(L"PEC_ITEM_ESTOQUE.") : AAlias + L".";
  return L" coalesce((select PRECO            from PEC_TABELA_PRECO_ITEM ZZY                 "
         L"inner join PEC_PARAMETRO PPZ on                           (PPZ.EMPRESA = ZZY.EMPRESA"
         L"                        and PPZ.REVENDA = " +
         IntToStr(ARevenda) + L"                       and PPZ." + ACampo + L" = ZZY.TABELA" + L")" +
         L"           where ZZY.EMPRESA      = " + a + L"EMPRESA" +
         L"             and ZZY.ITEM_ESTOQUE = " + a + L"ITEM_ESTOQUE)," + a + ACampo + L") " + ACampo;
}

// Room for the text with every price reference rewritten, so that the
// rewrite's replacements are made in the one buffer.
size_t TamanhoReescrito(const String& ASQL, int ARevenda) {
  size_t referencias = 0;
  const TPadrao preco(L"PRECO_");
  for (size_t p = preco.Em(ASQL); p != npos; p = preco.Em(ASQL, p + 6)) ++referencias;
  const size_t maior = ExpressaoPreco(ColunasPreco[0], L"PEC_ITEM_ESTOQUE", ARevenda).size() + Marca.size() + 8;
  return ASQL.size() + referencias * maior;
}

String AjustaPrecoItem(const String& ASQL, int ARevenda, bool AForca) {
  if (ASQL.find(L" PEC_ITEM_ESTOQUE") == npos) return ASQL;  // nothing to rewrite
  // The last " GROUP BY" part is never rewritten.
  size_t agrupa = npos;
  const TPadrao grupo(L" GROUP BY");
  for (size_t p = grupo.Em(ASQL); p != npos; p = grupo.Em(ASQL, p + 1)) agrupa = p;
  const size_t fimTexto = agrupa == npos ? ASQL.size() : agrupa + 1;
  String texto;
  texto.reserve(TamanhoReescrito(ASQL, ARevenda));
  texto.assign(ASQL, 0, fimTexto);
  if (ReescritaSeAplica(texto, AForca)) texto = ReescrevePrecos(std::move(texto), ARevenda);
  return texto.append(ASQL, fimTexto, npos);
}
