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

// ---------------------------------------------------------------- operands

// Whether c ends an operand (outside quotes and parentheses): a blank, a
// comma or an operator.
bool SeparaOperandos(wchar_t c) { return c <= L' ' || std::wstring_view(L",=<>+-*/|").find(c) != npos; }

bool LetraDeNome(wchar_t c) {
  return (c >= L'0' && c <= L'9') || ((c | 0x20) >= L'a' && (c | 0x20) <= L'z') || c == L'_' || c >= 0x80;
}

// Whether S holds the word Palavra (any case) at index Em.
bool PalavraEm(std::wstring_view S, size_t Em, std::wstring_view Palavra) {
  return IgualSemCaixa(S, Em, Palavra) && (Em == 0 || !LetraDeNome(S[Em - 1])) &&
         (Em + Palavra.size() == S.size() || !LetraDeNome(S[Em + Palavra.size()]));
}

// The calls that the translator knows to be written with blanks before
// their parenthesis.
bool ChamadaComBranco(std::wstring_view Nome) {
  static const std::wstring_view Nomes[] = {L"SUBSTR", L"SUM", L"COUNT", L"MIN", L"MAX", L"AVG", L"COALESCE"};
  return std::any_of(std::begin(Nomes), std::end(Nomes),
                     [&](std::wstring_view n) { return MesmoTextoSemCaixa(Nome, n); });
}

// The CASE or END, from index De to Ate of S, that pairs with the one at
// Em (CASE pairs forward, END backward, inner pairs counted); npos when none.
size_t ParDoCase(std::wstring_view S, size_t De, size_t Ate, size_t Em) {
  const bool adiante = PalavraEm(S, Em, L"CASE");
  const std::wstring_view abre = adiante ? L"CASE" : L"END", fecha = adiante ? L"END" : L"CASE";
  int abertos = 0;
  bool aspas = false;
  for (size_t i = Em; i >= De && i < Ate; i = adiante ? i + 1 : i - 1) {
    if (S[i] == L'\'') aspas = !aspas;
    else if (aspas) continue;
    else if (PalavraEm(S, i, abre)) ++abertos;
    else if (PalavraEm(S, i, fecha) && --abertos == 0) return i;
  }
  return npos;
}

// The index in S after the operand that starts at De (below Ate): a quoted
// text (doubled quotes in it), a text in parentheses, a CASE through its
// END, or a name or number with the parentheses of a call, up to a
// separator or a ")" it did not open.
size_t FimDoOperando(std::wstring_view S, size_t De, size_t Ate) {
  if (PalavraEm(S, De, L"CASE")) {
    const size_t fim = ParDoCase(S, De, Ate, De);
    return fim == npos ? Ate : fim + 3;
  }
  int abertos = 0;
  bool aspas = false;
  for (size_t i = De; i < Ate; ++i) {
    const wchar_t c = S[i];
    if (c == L'\'') aspas = !aspas;
    else if (aspas) continue;
    else if (c == L'(') ++abertos;
    else if (c == L')' && abertos-- == 0) return i;
    else if (abertos == 0 && i > De && SeparaOperandos(c)) {
      const size_t parentese = PulaBrancos(S, i, Ate);
      if (parentese == Ate || S[parentese] != L'(' || !ChamadaComBranco(S.substr(De, i - De))) return i;
      i = parentese - 1;
    }
  }
  return Ate;
}

// The index in S where the operand that ends at Ate begins, not before De,
// read backwards the same way (a doubled quote turns the quote state
// twice).
size_t InicioDoOperando(std::wstring_view S, size_t De, size_t Ate) {
  int fechados = 0;
  bool aspas = false;
  size_t inicio = Ate;
  for (; inicio > De; --inicio) {
    const wchar_t c = S[inicio - 1];
    if (c == L'\'') aspas = !aspas;
    else if (aspas) continue;
    else if (c == L')') ++fechados;
    else if (c == L'(' && fechados-- == 0) break;
    else if (fechados == 0 && inicio < Ate && SeparaOperandos(c)) break;
  }
  if (PalavraEm(S, inicio, L"END") && inicio + 3 == Ate) {
    const size_t caso = ParDoCase(S, De, Ate, inicio);
    return caso == npos ? inicio : caso;
  }
  if (inicio < Ate && S[inicio] == L'(') {
    const size_t fimNome = RecuaBrancos(S, De, inicio);
    size_t nome = fimNome;
    while (nome > De && LetraDeNome(S[nome - 1])) --nome;
    if (fimNome < inicio && ChamadaComBranco(S.substr(nome, fimNome - nome))) return nome;
  }
  return inicio;
}

// ---------------------------------------------------------------- concatenation

// One operand text between two "||" and what is known of it, so that the
// pieces are handled in one walk however many blanks it holds.
class TSegmento {
public:
  // The operand text from index De to Ate of Texto.
  TSegmento(const String& Texto, size_t De, size_t Ate);
  void AcrescentaPecas(String& Saida);
  // Whether every cast put in wraps a whole (see EnvolveInteiro).
  bool Inteiro() const { return FInteiro; }

private:
  void ContaParenteses();
  bool GuardaSeAplica(size_t Inicio, size_t Branco);
  bool EmbrulhaPeca(const String& Saida, size_t Inicio) const;
  void AcrescentaUltimaPeca(String& Saida, size_t Inicio);
  // Appends the cast of the operand's characters from De to Ate.
  void Molda(String& Saida, size_t De, size_t Ate, std::wstring_view Depois);

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
  bool FInteiro = true;
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

// Whether S's characters from De to Ate are a whole: their quoted texts
// close, their parentheses balance and no comma lies outside them.
bool Equilibrado(std::wstring_view S, size_t De, size_t Ate) {
  int abertos = 0;
  bool aspas = false;
  for (size_t i = De; i < Ate; ++i) {
    const wchar_t c = S[i];
    if (c == L'\'') aspas = !aspas;
    else if (aspas) continue;
    else if (c == L'(') ++abertos;
    else if (c == L')' && --abertos < 0) return false;
    else if (c == L',' && abertos == 0) return false;
  }
  return abertos == 0 && !aspas;
}

// Whether a cast around S's characters from De to Ate wraps a whole: they
// begin outside a quoted text, are a whole and hold all of the operands
// they begin and end with (a quoted text, a call, a CASE). A cast's
// opening up to its "AS" counts as a whole too: the cast put around it
// becomes the conversion inside it.
bool EnvolveInteiro(std::wstring_view S, size_t De, size_t Ate) {
  bool aspas = false;  // before De, found eight or sixteen characters at a time
  for (size_t i = ProximoDe(S, 0, De, L"'"); i < De; i = ProximoDe(S, i + 1, De, L"'")) aspas = !aspas;
  if (aspas) return false;
  if (IgualSemCaixa(S, De, L"CAST(") && Equilibrado(S, De + 5, Ate))
    return IgualSemCaixa(S, PulaBrancos(S, Ate, S.size()), L"AS ");
  return Equilibrado(S, De, Ate) && FimDoOperando(S, PulaBrancos(S, De, Ate), S.size()) <= Ate &&
         InicioDoOperando(S, 0, RecuaBrancos(S, De, Ate)) >= De;
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
      Saida += L' ';
      if (fimPeca > inicio && FTexto[fimPeca - 1] == L')')
        Molda(Saida, inicio, fimPeca - 1, L") ");
      else
        Molda(Saida, inicio, fimPeca + 1, L" ");
      pendente = fimPeca + 1;
    }
    inicio = fimPeca + 1;
  }
  descarrega();
  AcrescentaUltimaPeca(Saida, inicio);
}

void TSegmento::Molda(String& Saida, size_t De, size_t Ate, std::wstring_view Depois) {
  FInteiro = FInteiro && EnvolveInteiro(FTexto, De, Ate);
  Saida.append(Cast).append(FTexto, De, Ate - De).append(ComoVarchar).append(Depois);
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

void TSegmento::AcrescentaUltimaPeca(String& Saida, size_t Inicio) {
  const std::wstring_view peca = FTexto.substr(Inicio);
  const size_t parentese = peca.find(L'(');
  if (FicaComoEsta(peca) || (parentese == npos && Aspas(peca) == 1)) {
    Saida.append(peca);
  } else if (parentese != npos) {
    Saida.append(peca.substr(0, parentese + 1));
    Molda(Saida, Inicio + parentese + 1, FTexto.size(), L"");
  } else {
    Molda(Saida, Inicio, FTexto.size(), L"");
  }
  Saida += L"||";
}

// The operand after the last "||", at the start of Resto (trimmed); the
// text left after it is returned. Inteiro turns false when the cast does
// not wrap a whole.
std::wstring_view AcrescentaUltimoOperando(String& Saida, std::wstring_view Resto, bool& Inteiro) {
  const auto molda = [&](std::wstring_view Operando, std::wstring_view Abre, std::wstring_view Depois) {
    Inteiro = Inteiro && EnvolveInteiro(Resto, 0, Operando.size());
    Saida.append(Abre).append(Operando).append(ComoVarchar).append(Depois);
    return Operando.size();
  };
  if (IgualSemCaixa(Resto, 0, L"COALESCE") || (!Resto.empty() && Resto[0] == L'(')) {
    // a prefix that never balances (a parenthesis in a quoted text) is all
    // of the rest, no operand
    Inteiro = Inteiro && FimEquilibrado(Resto) != npos;
    const size_t fim = molda(PrefixoEquilibrado(Resto), L"cast (", L" ");
    return Apara(Resto.substr(fim));
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
  molda(Resto.substr(0, fimOperando), Cast, L"");
  return Apara(Resto.substr(fimOperando));
}

// The first "||" from De on outside quoted texts (De lies outside them).
size_t BarrasForaDeAspas(std::wstring_view S, size_t De) {
  const size_t n = S.size();
  for (size_t i = ProximoDe(S, De, n, L"'|"); i + 1 < n; i = ProximoDe(S, i + 1, n, L"'|")) {
    if (S[i] == L'\'') i = ProximoDe(S, i + 1, n, L"'");  // to the quoted text's end
    else if (S[i + 1] == L'|') return i;
  }
  return npos;
}

// The operand cast to varchar whole; a cast stays as it is.
void MoldaOperando(String& Saida, std::wstring_view Operando) {
  if (Operando.empty()) return;
  const size_t parentese = PulaBrancos(Operando, 4, Operando.size());
  if (IgualSemCaixa(Operando, 0, L"CAST") && parentese < Operando.size() && Operando[parentese] == L'(')
    Saida.append(Operando);
  else
    Saida.append(Cast).append(Operando).append(ComoVarchar);
}

// The concatenation rebuilt operand by operand, quotes and parentheses
// respected: each operand of "||" (the one that ends before the bars and
// the one that starts after them) is cast whole; the blanks next to the
// bars go, the rest of the text stays as it is.
String ConcatenaOperandos(std::wstring_view Texto) {
  String saida;
  saida.reserve(2 * Texto.size() + 64);
  size_t de = 0;
  bool aposBarras = false;
  for (size_t barras; (barras = BarrasForaDeAspas(Texto, de)) != npos; de = barras + 2, aposBarras = true) {
    size_t inicio = aposBarras ? PulaBrancos(Texto, de, barras) : de;
    const size_t fim = RecuaBrancos(Texto, inicio, barras);
    if (aposBarras) {
      const size_t fimPrimeiro = FimDoOperando(Texto, inicio, fim);
      MoldaOperando(saida, Texto.substr(inicio, fimPrimeiro - inicio));
      inicio = fimPrimeiro;
    }
    if (inicio < fim) {
      const size_t ultimo = InicioDoOperando(Texto, inicio, fim);
      saida.append(Texto.substr(inicio, ultimo - inicio));
      MoldaOperando(saida, Texto.substr(ultimo, fim - ultimo));
    }
    saida += L"||";
  }
  const size_t inicio = aposBarras ? PulaBrancos(Texto, de, Texto.size()) : de;
  const size_t fim = FimDoOperando(Texto, inicio, Texto.size());
  MoldaOperando(saida, Texto.substr(inicio, fim - inicio));
  saida.append(Texto.substr(fim));
  return saida;
}

// Every operand of "||" is cast to varchar, so that SQL Server's "+" joins
// texts instead of adding numbers. The pieces are cut at blanks; where a
// cast would not wrap a whole (it opens in one argument of a call and
// closes in another, or cuts a quoted text) the text is rebuilt operand by
// operand instead.
String AjustaConcatenacao(String Texto) {
  size_t barras = Acha(Texto, L"||");
  if (barras == npos) return Texto;
  String saida;
  saida.reserve(2 * Texto.size() + 64);  // room for the casts of most texts
  const size_t fim = RecuaBrancos(Texto, 0, Texto.size());
  const std::wstring_view texto = std::wstring_view(Texto).substr(0, fim);
  size_t resto = 0;
  do {
    const size_t inicio = PulaBrancos(Texto, resto, barras);
    TSegmento segmento(Texto, inicio, RecuaBrancos(Texto, inicio, barras));
    segmento.AcrescentaPecas(saida);
    if (!segmento.Inteiro()) return ConcatenaOperandos(texto);
    resto = PulaBrancos(Texto, barras + 2, fim);
    barras = Acha(Texto, L"||", resto);
  } while (barras != npos);
  bool inteiro = true;
  const std::wstring_view depois = AcrescentaUltimoOperando(saida, texto.substr(resto), inteiro);
  if (!inteiro) return ConcatenaOperandos(texto);
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
