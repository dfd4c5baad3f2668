#include "sqlutil/KWYUtils.h"

#include <algorithm>
#include <vector>

#include "sqlutil/TextoSQL.h"

// The SQL Server dialect, pass by pass. The passes work on text alone, with
// substring searches in upper-cased copies, so a keyword also matches inside
// a longer word; that is what the business system's statements expect.

namespace {

constexpr size_t npos = String::npos;
const String Cast = L"cast(";
const String ComoVarchar = L" as varchar(1000))";

// Like find, for a character or pair of characters that holds no letter,
// but eight positions at a time.
size_t Acha(std::wstring_view S, wchar_t C, size_t De = 0) {
  const size_t i = ProximoDe(S, De, S.size(), std::wstring_view(&C, 1));
  return i < S.size() ? i : npos;
}
size_t Acha(std::wstring_view S, std::wstring_view Par, size_t De = 0) {
  const size_t i = ProximoPar(S, De, S.size(), Par);
  return i < S.size() ? i : npos;
}

// ---------------------------------------------------------------- aggregates

// "SUM (" and the like, after a blank or a comma, lose the blank before the
// parenthesis and come out in capitals. Removing such a blank can never
// make another one, so one walk over the text, in place, does it.
String AjustaEspacoAgregacao(String Texto) {
  static const String Agregacoes[] = {L"SUM", L"COUNT", L"MIN", L"MAX", L"AVG"};
  const size_t tamanho = Texto.size();
  size_t escrito = 0, lido = 0;
  // Only a blank followed by "(" is worth a look.
  for (size_t branco = ProximoPar(Texto, 0, tamanho, L" ("); branco < tamanho;
       branco = ProximoPar(Texto, branco + 2, tamanho, L" (")) {
    for (const String& nome : Agregacoes) {
      if (branco <= nome.size()) continue;
      const size_t inicio = branco - nome.size();
      if ((Texto[inicio - 1] != L' ' && Texto[inicio - 1] != L',') || !IgualSemCaixa(Texto, inicio, nome)) continue;
      std::copy(Texto.begin() + lido, Texto.begin() + inicio, Texto.begin() + escrito);
      escrito += inicio - lido;
      std::copy(nome.begin(), nome.end(), Texto.begin() + escrito);
      escrito += nome.size();
      lido = branco + 1;
      break;
    }
  }
  if (lido == 0) return Texto;
  std::copy(Texto.begin() + lido, Texto.end(), Texto.begin() + escrito);
  Texto.resize(escrito + Texto.size() - lido);
  return Texto;
}

// ---------------------------------------------------------------- ON conditions

// The keywords of the ON conditions in a text, each kind found from a
// position on by the first two letters of its words. The pass asks at
// positions that only grow, so a kind is looked for again only once the
// pass has gone beyond the one found before: the text is walked about once
// per kind.
class TChavesOn {
public:
  explicit TChavesOn(std::wstring_view Texto) : FTexto(Texto) {}
  // The first " ON " at De or later that ends by Ate; npos when none.
  size_t On(size_t De, size_t Ate) { return Proxima(FOn, De, Ate); }
  // The first join keyword or WHERE followed by a blank, likewise.
  size_t Juncao(size_t De, size_t Ate);
  // The first join keyword or WHERE, with or without a blank after it.
  size_t Corte(size_t De, size_t Ate) { return Proxima(FCorte, De, Ate); }

private:
  enum class TTipo { On, Juncao, Corte };
  struct TAchada {
    TTipo Tipo;
    size_t Posicao = 0, Tamanho = 0;  // for a join, with the blank after it
    bool Buscada = false;
    bool Branco = false;  // a blank follows
  };
  size_t Proxima(TAchada& Achada, size_t De, size_t Ate) const;
  void Busca(TAchada& Achada, size_t De) const;

  std::wstring_view FTexto;
  TAchada FOn{TTipo::On}, FJuncao{TTipo::Juncao}, FCorte{TTipo::Corte};
};

// A join is a cut followed by a blank, so the first cut from De on, which
// the pass asks for next, answers when a blank follows it, and a search
// for joins begins after it otherwise.
size_t TChavesOn::Juncao(size_t De, size_t Ate) {
  const size_t corte = Proxima(FCorte, De, npos);
  if (corte == npos) return npos;
  if (FCorte.Branco) return corte + FCorte.Tamanho < Ate ? corte : npos;
  return Proxima(FJuncao, corte + 1, Ate);
}

size_t TChavesOn::Proxima(TAchada& Achada, size_t De, size_t Ate) const {
  if (!Achada.Buscada || (Achada.Posicao != npos && Achada.Posicao < De)) {
    Busca(Achada, De);
    Achada.Buscada = true;
  }
  return Achada.Posicao != npos && Achada.Posicao + Achada.Tamanho <= Ate ? Achada.Posicao : npos;
}

// The first keyword of the kind at De or later; npos when none. No keyword
// holds another, so the first that starts ends first too.
void TChavesOn::Busca(TAchada& Achada, size_t De) const {
  static const std::wstring_view Cortes[] = {L"LEFT", L"RIGHT", L"INNER", L"FULL", L"WHERE"};
  const bool on = Achada.Tipo == TTipo::On;
  const std::wstring_view pares = on ? L" O" : L"LERIINFUWH";
  for (size_t i = ProximoPar(FTexto, De, FTexto.size(), pares); i < FTexto.size();
       i = ProximoPar(FTexto, i + 1, FTexto.size(), pares)) {
    if (on) {
      if (!IgualSemCaixa(FTexto, i, L" ON ")) continue;
      Achada.Posicao = i;
      Achada.Tamanho = 4;
      return;
    }
    for (std::wstring_view palavra : Cortes) {
      if (!IgualSemCaixa(FTexto, i, palavra)) continue;
      Achada.Branco = i + palavra.size() < FTexto.size() && FTexto[i + palavra.size()] == L' ';
      if (Achada.Tipo == TTipo::Juncao && !Achada.Branco) break;
      Achada.Posicao = i;
      Achada.Tamanho = palavra.size() + (Achada.Tipo == TTipo::Juncao);
      return;
    }
  }
  Achada.Posicao = npos;
}

// Puts the condition after each " ON " in parentheses, up to the next join
// keyword, WHERE or comma. Conditions that already begin with "(" and the
// last condition of a text without any of the keywords stay as they are.
String AjustaCondicoesOn(String Texto) {
  // The keywords are found in the text as it came; what is rewritten lies
  // before what is still looked at.
  TChavesOn chaves(Texto);
  if (chaves.On(0, Texto.size()) == npos) return Texto;
  TBuscaAdiante virgula(Texto, L",");
  TReescritaNoLugar feito(Texto);
  size_t resto = 0, fim = Texto.size();
  for (size_t p; (p = chaves.On(resto, fim)) != npos;) {
    // The stretch through "ON"; after a condition left as it stands the
    // word ON must not run into it.
    const size_t inicio = PulaBrancos(Texto, resto, p + 3);
    if (!feito.Vazio() && feito.Ultimo() > L' ') feito.Acrescenta(L" ");
    feito.Copia(inicio, p + 3);
    resto = p + 3;
    const size_t condicao = PulaBrancos(Texto, resto, fim);
    if (condicao < fim && Texto[condicao] == L'(') continue;
    if (chaves.Juncao(resto, fim) == npos) continue;
    fim = RecuaBrancos(Texto, condicao, fim);
    const size_t corte = std::min({chaves.Corte(condicao, fim), virgula.Proxima(condicao, fim), fim});
    feito.Acrescenta(L" (");
    feito.Copia(condicao, RecuaBrancos(Texto, condicao, corte));
    feito.Acrescenta(L") ");
    resto = PulaBrancos(Texto, corte, fim);
  }
  feito.Copia(resto, fim);
  feito.Conclui();
  return Texto;
}

// ---------------------------------------------------------------- concatenation

// One operand text between two "||" and what is known of it, so that the
// pieces are handled in one walk however many blanks it holds.
class TSegmento {
public:
  // The operand text from index De to Ate of Texto.
  TSegmento(const String& Texto, size_t De, size_t Ate);
  void AcrescentaPecas(String& Saida);

private:
  void ContaParenteses();
  bool GuardaSeAplica(size_t Inicio, size_t Branco);
  bool EmbrulhaPeca(const String& Saida, size_t Inicio) const;
  static void AcrescentaUltimaPeca(String& Saida, std::wstring_view Peca);

  // The operand as it stands in the statement, or, when it holds blanks
  // after a "(", its copy without them.
  String FCopia;
  std::wstring_view FTexto;
  // Only an operand that ends with ")" can be guarded, so only its
  // parentheses are counted: those of the whole text and those before index
  // FContadosAte, which only grows as the pieces are walked.
  int FAbertos = 0, FFechados = 0, FAbertosAntes = 0, FFechadosAntes = 0;
  size_t FContadosAte = 0;
  size_t FUltimaVirgula = npos, FUltimoUnion = npos;
  size_t FBrancoEquilibrado = npos;  // the last blank after which the text balances
};

// The stretch from De to Ate of S without the blanks that follow a "(",
// in Copia when there are any.
std::wstring_view SemBrancoAposParentese(std::wstring_view S, size_t De, size_t Ate, String& Copia) {
  S = S.substr(0, Ate);  // so that no search runs on into the operands that follow
  size_t abre = Acha(S, L"( ", De);
  if (abre >= Ate) return S.substr(De, Ate - De);
  Copia.reserve(Ate - De);
  for (; De < Ate && abre < Ate; De = PulaBrancos(S, abre + 1, Ate), abre = Acha(S, L"( ", De))
    Copia.append(S, De, abre + 1 - De);
  return Copia.append(S, De, Ate - De);
}

// The quotes of S as NumStr counts them (up to a NUL), without copying S.
size_t Aspas(std::wstring_view S) {
  return std::count(S.begin(), std::find(S.begin(), S.end(), L'\0'), L'\'');
}

const String Coalesce = L"COALESCE";

TSegmento::TSegmento(const String& Texto, size_t De, size_t Ate)
    : FTexto(SemBrancoAposParentese(Texto, De, Ate, FCopia)) {
  if (!FTexto.empty() && FTexto.back() == L')') ContaParenteses();
}

// The parentheses, the last comma and the last UNION in one walk forward,
// and the last balanced blank in one walk back from the end.
void TSegmento::ContaParenteses() {
  for (size_t i = 0; i < FTexto.size(); ++i) {
    const wchar_t c = FTexto[i];
    if (c == L'(') ++FAbertos;
    else if (c == L')') ++FFechados;
    else if (c == L',') FUltimaVirgula = i;
    else if ((c == L'U' || c == L'u') && IgualSemCaixa(FTexto, i, L"UNION")) FUltimoUnion = i;
  }
  int abertos = 0, fechados = 0;
  for (size_t i = FTexto.size(); i-- > 0;) {
    abertos += FTexto[i] == L'(';
    fechados += FTexto[i] == L')';
    if (FTexto[i] == L' ' && abertos == fechados && abertos > 0) {
      FBrancoEquilibrado = i;
      break;
    }
  }
}

// A closing call that holds blanks (more ")" than "(" after the first
// blank) is kept whole or cut only where its tail balances.
bool TSegmento::GuardaSeAplica(size_t Inicio, size_t Branco) {
  if (FTexto.back() != L')' || (FUltimaVirgula != npos && FUltimaVirgula >= Inicio) ||
      (FUltimoUnion != npos && FUltimoUnion >= Inicio))
    return false;
  for (; FContadosAte <= Branco; ++FContadosAte) {
    FAbertosAntes += FTexto[FContadosAte] == L'(';
    FFechadosAntes += FTexto[FContadosAte] == L')';
  }
  const int abertos = FAbertos - FAbertosAntes, fechados = FFechados - FFechadosAntes;
  return fechados > abertos && fechados > 1;
}

// The operand right after a "||" is cast to text when it is an expression
// of several words that is not a cast, a CASE or a quoted text. Its first
// word is looked at in one walk.
bool TSegmento::EmbrulhaPeca(const String& Saida, size_t Inicio) const {
  const size_t n = Saida.size();
  if (n < 2 || Saida[n - 2] != L'|' || Saida[n - 1] != L'|') return false;
  const size_t palavra = PulaBrancos(FTexto, Inicio, FTexto.size());
  bool castOuCase = false, aspa = false;
  size_t fimPalavra = palavra;
  for (; fimPalavra < FTexto.size() && FTexto[fimPalavra] != L' '; ++fimPalavra) {
    const wchar_t c = FTexto[fimPalavra];
    aspa = aspa || c == L'\'';
    // neither word holds a blank, so neither runs past the first word
    castOuCase = castOuCase || ((c & ~0x20) == L'C' && (IgualSemCaixa(FTexto, fimPalavra, L"CAST") ||
                                                         IgualSemCaixa(FTexto, fimPalavra, L"CASE")));
  }
  if (fimPalavra == FTexto.size() || castOuCase) return false;
  if (IgualSemCaixa(FTexto, palavra, Coalesce)) return Aspas(FTexto.substr(Inicio)) != 1;
  return !aspa;
}

// Pieces that no rule touches wait and go out together; since a piece
// that follows "||" must see what went out before it, one goes out alone
// only after them.
void TSegmento::AcrescentaPecas(String& Saida) {
  size_t inicio = 0, pendente = 0;  // the pieces from pendente to inicio wait
  const auto descarrega = [&] {
    Saida.append(FTexto, pendente, inicio - pendente);
    pendente = inicio;
  };
  // The first word from inicio on: each blank of a run is a piece, and the
  // pieces of a run share it.
  size_t palavra = PulaBrancos(FTexto, 0, FTexto.size());
  for (size_t branco; (branco = FTexto.find(L' ', inicio)) != npos;) {
    size_t fimPeca = branco;
    if (GuardaSeAplica(inicio, branco)) {
      if (FBrancoEquilibrado == npos || FBrancoEquilibrado <= inicio) break;
      fimPeca = FBrancoEquilibrado;
    }
    if (palavra < inicio) palavra = FTexto[inicio] > L' ' ? inicio : PulaBrancos(FTexto, inicio, FTexto.size());
    if (palavra < FTexto.size() && (FTexto[palavra] & ~0x20) == L'C' && IgualSemCaixa(FTexto, palavra, Coalesce)) {
      const size_t fecha = FimEquilibrado(FTexto, palavra);
      if (fecha != npos) {
        descarrega();
        Saida.append(FTexto, palavra, fecha + 1 - palavra);
        inicio = pendente = PulaBrancos(FTexto, fecha + 1, FTexto.size());
        continue;
      }
    }
    if (pendente == inicio && EmbrulhaPeca(Saida, inicio)) {
      if (fimPeca > inicio && FTexto[fimPeca - 1] == L')')
        Saida.append(L" ").append(Cast).append(FTexto, inicio, fimPeca - 1 - inicio).append(ComoVarchar).append(L") ");
      else
        Saida.append(L" ").append(Cast).append(FTexto, inicio, fimPeca + 1 - inicio).append(ComoVarchar).append(L" ");
      pendente = fimPeca + 1;
    }
    inicio = fimPeca + 1;
  }
  descarrega();
  AcrescentaUltimaPeca(Saida, FTexto.substr(inicio));
}

// Whether the last piece of an operand is left as it stands: it holds only
// blanks, or CAST, or CHAR or VARCHAR at its start or after a blank (the
// case of the letters ignored). One walk over the piece.
bool FicaComoEsta(std::wstring_view Peca) {
  bool branca = true;
  for (size_t i = 0; i < Peca.size(); ++i) {
    const wchar_t c = Peca[i];
    branca = branca && c <= L' ';
    const bool aposBranco = i == 0 || Peca[i - 1] == L' ';
    if ((c & ~0x20) == L'C' && (IgualSemCaixa(Peca, i, L"CAST") || (aposBranco && IgualSemCaixa(Peca, i, L"CHAR"))))
      return true;
    if ((c & ~0x20) == L'V' && aposBranco && IgualSemCaixa(Peca, i, L"VARCHAR")) return true;
  }
  return branca;
}

void TSegmento::AcrescentaUltimaPeca(String& Saida, std::wstring_view Peca) {
  if (FicaComoEsta(Peca)) {
    Saida.append(Peca).append(L"||");
    return;
  }
  const size_t parentese = Peca.find(L'(');
  if (parentese != npos)
    Saida.append(Peca.substr(0, parentese + 1)).append(Cast).append(Peca.substr(parentese + 1)).append(ComoVarchar);
  else if (Aspas(Peca) == 1)
    Saida.append(Peca);
  else
    Saida.append(Cast).append(Peca).append(ComoVarchar);
  Saida += L"||";
}

// The operand after the last "||", at the start of Resto (trimmed); the
// text left after it is returned.
std::wstring_view AcrescentaUltimoOperando(String& Saida, std::wstring_view Resto) {
  if (IgualSemCaixa(Resto, 0, L"COALESCE") || (!Resto.empty() && Resto[0] == L'(')) {
    const std::wstring_view prefixo = PrefixoEquilibrado(Resto);
    Saida.append(L"cast (").append(prefixo).append(ComoVarchar).append(L" ");
    return Apara(Resto.substr(prefixo.size()));
  }
  const size_t virgula = Acha(Resto, L',');
  if (virgula != npos && BuscaSemCaixa(Resto.substr(0, virgula), L"CAST") != npos) {
    Saida.append(Resto.substr(0, virgula));
    return Apara(Resto.substr(virgula));
  }
  const size_t fecha = Acha(Resto, L')');
  size_t fimOperando;
  if (fecha != npos && fecha < Acha(Resto, L' '))
    fimOperando = fecha;
  else if (!Resto.empty() && Resto[0] == L'\'')
    fimOperando = std::min(Acha(Resto, L'\'', 1), Resto.size() - 1) + 1;
  else
    fimOperando = std::min(Acha(Resto, L' '), Resto.size());
  Saida.append(Cast).append(Resto.substr(0, fimOperando)).append(ComoVarchar);
  return Apara(Resto.substr(fimOperando));
}

// Every operand of "||" is cast to varchar, so that SQL Server's "+" joins
// texts instead of adding numbers.
String AjustaConcatenacao(String Texto) {
  size_t barras = Acha(Texto, L"||");
  if (barras == npos) return Texto;
  String saida;
  saida.reserve(2 * Texto.size() + 64);  // room for the casts of most texts
  const size_t fim = RecuaBrancos(Texto, 0, Texto.size());
  size_t resto = 0;
  do {
    const size_t inicio = PulaBrancos(Texto, resto, barras);
    TSegmento(Texto, inicio, RecuaBrancos(Texto, inicio, barras)).AcrescentaPecas(saida);
    resto = PulaBrancos(Texto, barras + 2, fim);
    barras = Acha(Texto, L"||", resto);
  } while (barras != npos);
  const std::wstring_view depois = AcrescentaUltimoOperando(saida, std::wstring_view(Texto).substr(resto, fim - resto));
  saida.append(depois);
  return saida;
}

// ---------------------------------------------------------------- names

// Names that share a common part.
struct TGrupoNomes {
  std::wstring_view Comum;
  std::vector<std::pair<std::wstring_view, std::wstring_view>> Nomes;
};

const TGrupoNomes GruposDeNomes[] = {
    {L"DATE", {{L" DATE ", L" DATETIME "}, {L" DATE)", L" DATETIME)"}, {L"CURRENT_DATE", L"CURRENT_TIMESTAMP"}}},
    {L"NUMBER", {{L" NUMBER ", L" NUMERIC "}, {L" NUMBER)", L" NUMERIC)"}, {L" NUMBER(", L" NUMERIC("}}},
    {L"SUBSTR",
     {{L" SUBSTR(", L" SUBSTRING( "},
      {L" SUBSTR ", L" SUBSTRING  "},
      {L"(SUBSTR(", L"(SUBSTRING("},
      {L"(SUBSTR ", L"(SUBSTRING "},
      {L"||SUBSTR ", L"||SUBSTRING "},
      {L"||SUBSTR(", L"||SUBSTRING("},
      {L"+SUBSTR ", L"+SUBSTRING "},
      {L"+SUBSTR(", L"+SUBSTRING("}}},
    {L"||", {{L"||", L"+"}}}};

// Every name replaced in turn, group by group.
String SubstituiEmTurnos(String Texto) {
  for (const TGrupoNomes& grupo : GruposDeNomes)
    for (const auto& [de, para] : grupo.Nomes) Texto = SubstituiTodos(std::move(Texto), de, para);
  return Texto;
}

// The names replaced in one walk over the occurrences of the groups' common
// parts: each occurrence gets the first name of its group that matches
// around it. No common part overlaps another, a replacement keeps the
// characters around its common part that other names look at and makes no
// common part, and it only lengthens what lies between two occurrences of
// a later group; so when no two occurrences of a group are near each other
// (none can change the other's surroundings) that is the result of
// replacing each name in turn, which is done otherwise. Two "||" may be
// near: their replacement keeps nothing of them that the other looks at.
String SubstituiNomes(String Texto) {
  constexpr size_t Perto = 16;  // more than any name's length
  constexpr size_t Grupos = std::size(GruposDeNomes), Barras = Grupos - 1;
  // Each common part looked for on its own, by the search that suits it
  // best, and the occurrences taken in the order of the text.
  const TPadrao comuns[] = {TPadrao(GruposDeNomes[0].Comum), TPadrao(GruposDeNomes[1].Comum),
                            TPadrao(GruposDeNomes[2].Comum), TPadrao(GruposDeNomes[3].Comum)};
  static_assert(std::size(comuns) == Grupos);
  size_t proxima[Grupos], ultima[Grupos];
  for (size_t g = 0; g < Grupos; ++g) proxima[g] = comuns[g].Em(Texto), ultima[g] = npos;
  String r;
  size_t feito = 0;
  for (;;) {
    const size_t g = std::min_element(std::begin(proxima), std::end(proxima)) - std::begin(proxima);
    const size_t p = proxima[g];
    if (p == npos) break;
    proxima[g] = comuns[g].Em(Texto, p + 1);
    if (g != Barras && ultima[g] != npos && p - ultima[g] < Perto) return SubstituiEmTurnos(std::move(Texto));
    ultima[g] = p;
    if (p < feito) continue;
    const TGrupoNomes& grupo = GruposDeNomes[g];
    for (const auto& [nome, para] : grupo.Nomes) {
      const size_t antes = nome.find(grupo.Comum);
      if (p < antes || !IgualSemCaixa(Texto, p - antes, nome)) continue;
      // A "||" before the common part has been replaced already.
      const size_t inicio = std::max(p - antes, feito);
      if (r.empty()) r.reserve(Texto.size() + Perto);
      r.append(Texto, feito, inicio - feito).append(para.substr(inicio - (p - antes)));
      feito = p - antes + nome.size();
      break;
    }
  }
  if (feito == 0) return Texto;
  r.append(Texto, feito, npos);
  return r;
}

}  // namespace

String ConverteSQL(const String& ASQL, const String& ABanco, int ARevenda, bool AForca) {
  String texto = AjustaPrecoItem(ASQL, ARevenda, AForca);
  static const String SqlServer = L"SQLSERVER";
  if (!SameText(ABanco, SqlServer)) return texto;
  texto = AjustaEspacoAgregacao(std::move(texto));
  texto = AjustaCondicoesOn(std::move(texto));
  texto = ConverteAgregacaoSubSelect(std::move(texto));
  for (wchar_t& c : texto) c = c == L'\n' ? L' ' : c;  // without the checked iterators of a library call
  texto = AjustaConcatenacao(std::move(texto));
  texto = SubstituiNomes(std::move(texto));
  texto.erase(RecuaBrancos(texto, 0, texto.size()));
  texto.erase(0, PulaBrancos(texto, 0, texto.size()));
  return texto;
}
