// KWYUtils: lifting of aggregates over sub-selects. SQL Server refuses an
// aggregate whose argument is a sub-select; the sub-select becomes a derived
// table joined to the outer alias it refers to, its conditions on that alias
// move to the join's ON clause, and the aggregate reads its "VALOR" column.
#include <algorithm>
#include <vector>

#include "sqlutil/KWYUtils.h"
#include "sqlutil/TextoSQL.h"

namespace {

constexpr size_t npos = String::npos;
const String Agregacoes[] = {L"MAX", L"SUM", L"AVG", L"MIN", L"COUNT"};
const String Marcador = L" PONTO_DE_SUBSTITUICAO ";
const TPadrao MarcadorMaiusculo(Marcador);

// Hides an aggregate name from the scan ("SUBSTITUIMA" for MAX, ...).
String Mascara(const String& Agregacao) { return L"SUBSTITUI" + Agregacao.substr(0, 2); }

// The masks back to the names, in the order MAX, MIN, SUM, AVG, COUNT. When
// no two masks are near enough to share characters, no replacement can
// touch another, and one walk gives the same text.
String RestauraMascaras(String Texto) {
  static const std::pair<String, String> Nomes[] = {{Mascara(L"MAX"), L"MAX"},
                                                     {Mascara(L"MIN"), L"MIN"},
                                                     {Mascara(L"SUM"), L"SUM"},
                                                     {Mascara(L"AVG"), L"AVG"},
                                                     {Mascara(L"COUNT"), L"COUNT"}};
  static const String Prefixo = L"SUBSTITUI";
  constexpr size_t Mascarado = 11;  // the length of a mask
  std::vector<size_t> mascaras;
  for (size_t p = BuscaSemCaixa(Texto, Prefixo); p != npos; p = BuscaSemCaixa(Texto, Prefixo, p + 1)) {
    if (!mascaras.empty() && p - mascaras.back() < Mascarado) {
      for (const auto& [mascara, nome] : Nomes) Texto = SubstituiTodos(std::move(Texto), mascara, nome);
      return Texto;
    }
    mascaras.push_back(p);
  }
  TReescritaNoLugar feito(Texto);
  size_t lido = 0;
  for (size_t p : mascaras) {
    for (const auto& [mascara, nome] : Nomes) {
      if (!IgualSemCaixa(Texto, p, mascara)) continue;
      feito.Copia(lido, p);
      feito.Acrescenta(nome);
      lido = p + Mascarado;
      break;
    }
  }
  feito.Copia(lido, Texto.size());
  feito.Conclui();
  return Texto;
}

// The first occurrence of each aggregate name in Texto (npos when none),
// found in one walk.
void PrimeirasAgregacoes(const String& Texto, size_t (&Primeiras)[std::size(Agregacoes)]) {
  std::fill(std::begin(Primeiras), std::end(Primeiras), npos);
  size_t faltam = std::size(Agregacoes);
  for (size_t i = 0; i + 1 < Texto.size() && faltam > 0; ++i) {
    // Only the names' first two letters (either case) are worth a look.
    const wchar_t inicial = Texto[i] & ~0x20;
    if (inicial != L'M' && inicial != L'S' && inicial != L'A' && inicial != L'C') continue;
    const wchar_t segunda = Texto[i + 1] & ~0x20;
    for (size_t k = 0; k < std::size(Agregacoes); ++k) {
      const String& nome = Agregacoes[k];
      if (nome[0] != inicial || nome[1] != segunda || Primeiras[k] != npos || !IgualSemCaixa(Texto, i, nome))
        continue;
      Primeiras[k] = i;
      --faltam;
    }
  }
}

// The positions of every occurrence of a keyword in a text, kept up to date
// through its changes, so that the passes find them without searching the
// text again. The keyword cannot overlap itself.
class TPosicoes {
public:
  explicit TPosicoes(const wchar_t* APalavra) : FPalavra(APalavra) {}
  void Inicia(const String& Texto) {
    FPosicoes.clear();
    for (size_t p = FPalavra.Em(Texto); p != npos; p = FPalavra.Em(Texto, p + 1)) FPosicoes.push_back(p);
  }
  const std::vector<size_t>& Todas() const { return FPosicoes; }
  // The first at index De or later; npos when none.
  size_t Proxima(size_t De) const {
    const auto p = std::lower_bound(FPosicoes.begin(), FPosicoes.end(), De);
    return p == FPosicoes.end() ? npos : *p;
  }
  // After Removidos characters at Posicao became Inseridos others (Texto is
  // the changed text).
  void Muda(const String& Texto, size_t Posicao, size_t Removidos, size_t Inseridos) {
    const size_t borda = FPalavra.size() - 1;
    const size_t inicio = Posicao >= borda ? Posicao - borda : 0;
    const auto tocadas = std::lower_bound(FPosicoes.begin(), FPosicoes.end(), inicio);
    const auto seguintes = std::lower_bound(tocadas, FPosicoes.end(), Posicao + Removidos);
    for (auto p = seguintes; p != FPosicoes.end(); ++p) *p = *p - Removidos + Inseridos;
    const size_t onde = FPosicoes.erase(tocadas, seguintes) - FPosicoes.begin();
    FNovas.clear();
    const size_t ate = Posicao + Inseridos + borda;
    for (size_t p = FPalavra.Em(Texto, inicio, ate); p != npos; p = FPalavra.Em(Texto, p + 1, ate)) FNovas.push_back(p);
    FPosicoes.insert(FPosicoes.begin() + onde, FNovas.begin(), FNovas.end());
  }

private:
  TPadrao FPalavra;
  std::vector<size_t> FPosicoes, FNovas;
};

// Whether the aggregate whose "(" is at index Abre reads the sub-select
// whose SELECT is at index Select (npos when none follows): a SELECT before
// the first ")", or after more "(" than ")" + 1 and no FROM (From, the
// first FROM from Abre on). The parentheses are counted up to a NUL, as
// the utilities library counts.
bool SobreSubSelect(const String& Texto, size_t Abre, size_t Select, size_t From) {
  if (Select == npos) return false;
  const size_t fecha = Texto.find(L')', Abre);
  if (fecha != npos && Select < fecha) return true;
  // A FROM that ends by the SELECT's first letter.
  if (From != npos && From + 4 <= Select + 1) return false;
  int abertos = 0, fechados = 0;
  for (size_t i = Abre; i <= Select && Texto[i] != 0; ++i) {
    abertos += Texto[i] == L'(';
    fechados += Texto[i] == L')';
  }
  return abertos > fechados + 1;
}

// The index at which more ")" than "(" have been seen from De on (Ate
// when never).
size_t FimSubSelect(const String& S, size_t De, size_t Ate) {
  int nivel = 0;
  for (size_t i = De; i < Ate; ++i) {
    if (S[i] == L'(') ++nivel;
    else if (S[i] == L')' && --nivel < 0) return i;
  }
  return Ate;
}

String UltimaPalavra(const String& S) {
  const size_t branco = S.rfind(L' ');
  return branco == npos ? S : S.substr(branco + 1);
}

// One call of the pass: the statement, the derived tables' counter and the
// aliases of the sub-select being lifted. The statement is kept with the
// first occurrence of each aggregate name, which every change keeps up to
// date: nothing before a change moves, so each search looks only where the
// change could have made a difference.
class TElevacao {
public:
  explicit TElevacao(String Texto);
  String Executa();

private:
  bool Varre();
  bool Eleva(size_t Agregacao);
  void Edita(size_t Posicao, size_t Tamanho, const String& Novo);
  void AtualizaPrimeiras(size_t Posicao, size_t Removidos, size_t Inseridos);
  void AliasesProprios(const String& Sub);
  bool AliasProprio(const String& Palavra) const;
  String AliasExternoDe(String Where) const;
  bool ReferenciaExterna(const String& Condicao) const;
  String MoveCondicoes(String& Sub, const String& Where, const String& Lista);
  void PassoColuna(String Condicao, String& Sub, String& On, const String& Lista) const;
  static String LimpaSub(String Sub);
  bool ColocaJuncao(const String& Juncao, size_t Marcado);
  bool MarcadorAntes(size_t Posicao);
  size_t BuscaAlias(const String& Chave, size_t De);

  // A change of the statement, kept while a lifting may still be undone.
  struct TEdicao {
    size_t Posicao;
    String Antes;
    size_t Inseridos;
  };

  String FTexto, FWork;
  size_t FPrimeiras[std::size(Agregacoes)];  // in FWork; npos when none
  // No marker starts before this index.
  size_t FSemMarcadorAte = 0;
  // The first occurrence (Em, npos when none) of the outer alias's key from
  // index De on; De is npos when not known.
  struct {
    String Chave;
    size_t De = npos, Em = npos;
  } FAlias;
  std::vector<TEdicao>* FDiario = nullptr;
  TPosicoes FSelects{L"SELECT"}, FFroms{L"FROM"};  // in FWork
  std::vector<String> FAliases;  // 15 entries, more when a FROM list has more items
  String FAliasExterno, FT;
  int FContador = 0;
  // Every lifting moves one sub-select, so there can be no more liftings
  // than SELECTs; these bounds keep an unexpected text from looping.
  int FLimiteElevacoes = 0;
  size_t FLimiteTamanho;
  bool FInterrompida = false;
};

TElevacao::TElevacao(String Texto)
    : FTexto(std::move(Texto)), FLimiteTamanho(8 * FTexto.size() + 65536) {
  FSelects.Inicia(FTexto);
  FFroms.Inicia(FTexto);
  FLimiteElevacoes = static_cast<int>(FSelects.Todas().size());
}

String TElevacao::Executa() {
  bool elevou;
  do {
    FWork = std::move(FTexto);
    PrimeirasAgregacoes(FWork, FPrimeiras);
    FSemMarcadorAte = 0;
    FAlias.De = npos;
    FAliases.assign(15, String());
    FAliasExterno.clear();
    elevou = Varre();
    FTexto = RestauraMascaras(std::move(FWork));
    if (elevou) {  // the restored names moved them
      FSelects.Inicia(FTexto);
      FFroms.Inicia(FTexto);
    }
  } while (elevou && !FInterrompida);
  return std::move(FTexto);
}

void TElevacao::Edita(size_t Posicao, size_t Tamanho, const String& Novo) {
  if (FDiario) FDiario->push_back({Posicao, FWork.substr(Posicao, Tamanho), Novo.size()});
  FWork.replace(Posicao, Tamanho, Novo);
  FSelects.Muda(FWork, Posicao, Tamanho, Novo.size());
  FFroms.Muda(FWork, Posicao, Tamanho, Novo.size());
  AtualizaPrimeiras(Posicao, Tamanho, Novo.size());
}

// After Removidos characters at Posicao became Inseridos others: an
// occurrence wholly before the change stays the first; a new one can only
// start among the inserted characters or just before them.
void TElevacao::AtualizaPrimeiras(size_t Posicao, size_t Removidos, size_t Inseridos) {
  const auto antesDaMudanca = [Posicao](size_t Tamanho) { return Posicao >= Tamanho - 1 ? Posicao - (Tamanho - 1) : 0; };
  FSemMarcadorAte = std::min(FSemMarcadorAte, antesDaMudanca(Marcador.size()));
  if (FAlias.De != npos) {
    const size_t tamanho = FAlias.Chave.size();
    if (Posicao + Removidos <= FAlias.De) {
      FAlias.De = FAlias.De - Removidos + Inseridos;
      if (FAlias.Em != npos) FAlias.Em = FAlias.Em - Removidos + Inseridos;
    } else if (FAlias.Em != npos && Posicao >= FAlias.Em + tamanho) {
      // after the occurrence: nothing to do
    } else if (FAlias.Em != npos && Posicao >= FAlias.De && Posicao + Removidos <= FAlias.Em) {
      FAlias.Em = FAlias.Em - Removidos + Inseridos;
      const size_t nova = BuscaSemCaixa(FWork, FAlias.Chave, std::max(FAlias.De, antesDaMudanca(tamanho)),
                                        Posicao + Inseridos + tamanho - 1);
      if (nova != npos) FAlias.Em = nova;
    } else {
      FAlias.De = npos;
    }
  }
  for (size_t k = 0; k < std::size(Agregacoes); ++k) {
    const String& nome = Agregacoes[k];
    size_t& primeira = FPrimeiras[k];
    if (primeira != npos && primeira + nome.size() <= Posicao) continue;
    const size_t inicio = antesDaMudanca(nome.size());
    if (primeira != npos && primeira < Posicao + Removidos) {
      primeira = BuscaSemCaixa(FWork, nome, inicio);  // the change touched it
      continue;
    }
    if (primeira != npos) primeira = primeira - Removidos + Inseridos;
    const size_t nova = BuscaSemCaixa(FWork, nome, inicio, std::min(Posicao + Inseridos, primeira) + nome.size() - 1);
    if (nova != npos) primeira = nova;
  }
}

// One sweep: masks the aggregates over plain values and lifts those over
// sub-selects, until no unmasked aggregate is left. True when it lifted.
bool TElevacao::Varre() {
  bool elevou = false;
  for (;;) {
    bool algumaAberta = false;
    size_t agregacao = npos;
    for (size_t k = 0; k < std::size(Agregacoes); ++k) {
      const size_t p = FPrimeiras[k];
      if (p == npos) continue;
      const String& a = Agregacoes[k];
      const size_t abre = PulaBrancos(FWork, p + a.size(), FWork.size());
      if (abre == FWork.size() || FWork[abre] != L'(') continue;
      algumaAberta = true;
      if (SobreSubSelect(FWork, abre, FSelects.Proxima(abre), FFroms.Proxima(abre)))
        agregacao = k;
      else
        Edita(p, a.size(), Mascara(a));
    }
    if (!algumaAberta) return elevou;
    if (agregacao == npos) continue;
    if (FContador >= FLimiteElevacoes || FWork.size() >= FLimiteTamanho) {
      FInterrompida = true;
      return elevou;
    }
    elevou = Eleva(agregacao) || elevou;
  }
}

// Lifts the sub-select of the first occurrence of aggregate number
// Agregacao and masks the name; a sub-select whose join finds no place
// stays where it is (the derived table would be read without being
// joined). True when it was lifted.
bool TElevacao::Eleva(size_t Agregacao) {
  const String& nome = Agregacoes[Agregacao];
  std::vector<TEdicao> diario;
  FDiario = &diario;
  const std::vector<String> aliasesAntes = FAliases;
  FT = L"T" + IntToStr(++FContador);
  // The sub-select, without its closing parenthesis, leaves a marker where
  // its text first occurs.
  const size_t apos = PulaBrancos(FWork, FPrimeiras[Agregacao] + nome.size(), FWork.size());
  const size_t fimApos = RecuaBrancos(FWork, apos, FWork.size());
  const size_t select = FSelects.Proxima(apos);
  String sub = FWork.substr(select, FimSubSelect(FWork, select, fimApos) - select);
  // Any occurrence of the sub-select's text starts with a SELECT.
  size_t ondeSub = select;
  for (size_t p : FSelects.Todas()) {
    if (p >= select || IgualSemCaixa(FWork, p, sub)) {
      ondeSub = std::min(p, select);
      break;
    }
  }
  // When the sub-select stands in its own place and no marker comes before
  // it, the marker would be found right there: the name's mask and the
  // derived table's value go in at once, in one change of the text.
  const size_t primeira = FPrimeiras[Agregacao];
  const bool direto = ondeSub == select && !MarcadorAntes(ondeSub);
  size_t marcado = npos;
  if (direto) {
    const String mascara = Mascara(nome);
    Edita(primeira, ondeSub + sub.size() - primeira,
          mascara + FWork.substr(primeira + nome.size(), ondeSub - primeira - nome.size()) + FT + L".VALOR");
    marcado = ondeSub + mascara.size() - nome.size();
  } else {
    Edita(ondeSub, sub.size(), Marcador);
  }

  // Its value column is named VALOR.
  const String corpo = Trim(Copy(sub, 7));
  const String lista = Copy(corpo, 1, PosSemCaixa(L" FROM", corpo));
  const String item = Pos(L"(", lista) > 0 ? PrefixoEquilibrado(corpo) : lista;
  sub = SubstituiPrimeiro(std::move(sub), item, item + L" VALOR ");

  AliasesProprios(sub);
  const int where = PosSemCaixa(L" WHERE ", sub);
  const String textoWhere = where > 0 ? Trim(Copy(sub, where + 6)) + L" " : String();
  FAliasExterno = AliasExternoDe(SubstituiTodos(textoWhere, L" AND ", L" "));
  const String on = MoveCondicoes(sub, textoWhere, lista);

  const bool elevou =
      ColocaJuncao(L" left outer join (" + LimpaSub(sub) + L") " + FT + L" on (" + on + L")", marcado);
  FDiario = nullptr;
  if (!elevou) {
    for (auto e = diario.rbegin(); e != diario.rend(); ++e) Edita(e->Posicao, e->Inseridos, e->Antes);
    FAliases = aliasesAntes;
    --FContador;
  }
  if (!elevou || !direto) Edita(FPrimeiras[Agregacao], nome.size(), Mascara(nome));
  return elevou;
}

// Whether the first marker of the text, with one put at Posicao, would be
// another one: one before it, or one whose last blank would be the new
// one's first. A search that finds none raises the bound below which none
// starts.
bool TElevacao::MarcadorAntes(size_t Posicao) {
  const size_t borda = Marcador.size() - 1;
  if (MarcadorMaiusculo.Em(FWork, FSemMarcadorAte, Posicao) != npos) return true;
  if (Posicao < borda) return false;
  FSemMarcadorAte = std::max(FSemMarcadorAte, Posicao - borda);
  return IgualSemCaixa(FWork, Posicao - borda, std::wstring_view(Marcador).substr(0, borda));
}

// The aliases of the sub-select's FROM list, one entry per item.
void TElevacao::AliasesProprios(const String& Sub) {
  const int fromSub = PosSemCaixa(L" FROM ", Sub);
  if (fromSub == 0) return;
  String from = Copy(Sub, fromSub + 6);
  const int where = PosSemCaixa(L" WHERE ", from);
  if (where > 0) from = Copy(from, 1, where);
  from = Trim(from) + L" ";
  for (size_t k = 0; !Trim(from).empty(); ++k) {
    if (k == FAliases.size()) FAliases.emplace_back();
    String& entrada = FAliases[k];
    const String primeira = UpperCase(Copy(from, 1, Pos(L" ", from) - 1));
    if (primeira == L"LEFT" || primeira == L"RIGHT" || primeira == L"INNER" || primeira == L"FULL") {
      // A join: its table and alias stay, its ON condition goes.
      const int join = PosSemCaixa(L"JOIN", from);
      from = Trim(Copy(from, join > 0 ? join + 4 : Length(primeira) + 1));
      from = SubstituiPrimeiro(std::move(from), L" ON ", L" ");
      from = SubstituiPrimeiro(std::move(from), L" ON(", L"(");
      const size_t abre = from.find(L'(');
      if (abre != npos) {
        const size_t fecha = FimEquilibrado(from, abre);
        const String condicao = from.substr(abre, fecha == npos ? npos : fecha + 1 - abre);
        from = SubstituiPrimeiro(std::move(from), condicao, L" ");
      }
    }
    const int branco = Pos(L" ", from);
    entrada = Copy(from, 1, branco);
    from = Trim(Copy(from, branco)) + L" ";
    if (const int virgula = Pos(L",", from); virgula > 0) {
      entrada = Trim(Copy(from, 1, virgula - 1));
      from = Trim(Copy(from, virgula + 1)) + L" ";
    } else if (const int b = Pos(L" ", from); b > 0) {
      entrada = Trim(Copy(from, 1, b - 1));
      from = Trim(Copy(from, b + 1));
    }
    // A missing "," does not come after the ")": the join that follows an
    // item is the next entry, not skipped.
    const int fecha = Pos(L")", from), virgula = Pos(L",", from);
    if (fecha > 0 && virgula > 0 && fecha < virgula)
      from = Trim(Copy(from, fecha + 1));
    else if (virgula > 0)
      from = Trim(Copy(from, virgula + 1));
  }
}

bool TElevacao::AliasProprio(const String& Palavra) const {
  return std::find(FAliases.begin(), FAliases.end(), Palavra) != FAliases.end();
}

// The first alias of a qualified name in the conditions that is not one of
// the sub-select's own.
String TElevacao::AliasExternoDe(String Where) const {
  while (!Trim(Where).empty()) {
    const int igual = Pos(L"=", Where);
    String condicao = Copy(Where, 1, igual);
    Where = Trim(Copy(Where, igual + 1)) + L" ";
    const int branco = Pos(L" ", Where);
    condicao += Copy(Where, 1, branco);
    Where = Trim(Copy(Where, branco + 1)) + L" ";
    String palavra;
    for (wchar_t c : condicao) {
      if (c == L' ' || c == L'=') {
        palavra.clear();
      } else if (c == L'.') {
        const String alias = Trim(palavra);
        if (!AliasProprio(alias)) return alias;
        palavra.clear();
      } else {
        palavra += c;
      }
    }
  }
  return String();
}

bool TElevacao::ReferenciaExterna(const String& Condicao) const {
  const String maiusculo = UpperCase(Condicao), alias = UpperCase(FAliasExterno) + L".";
  return Pos(L" " + alias, maiusculo) > 0 || Pos(L"=" + alias, maiusculo) > 0;
}

// Moves the conditions on the outer alias from the sub-select's WHERE to
// the join's ON text, which it returns.
String TElevacao::MoveCondicoes(String& Sub, const String& TextoWhere, const String& Lista) {
  String where = TextoWhere, on;
  while (!Trim(where).empty()) {
    const int e = PosSemCaixa(L"AND ", where);
    if (e == 0) {
      const String condicao = L" " + Trim(where);
      if (PosSemCaixa(L"SELECT", condicao) == 0 && ReferenciaExterna(condicao)) {
        Sub = SubstituiPrimeiro(std::move(Sub), condicao, L" ");
        PassoColuna(condicao, Sub, on, Lista);
      }
      break;
    }
    const String condicao = L" " + Trim(Copy(where, 1, e - 1)) + L" ";
    if (PosSemCaixa(L"SELECT", condicao) == 0) {
      if (ReferenciaExterna(condicao)) {
        Sub = SubstituiPrimeiro(std::move(Sub), Copy(where, 1, e + 2), L" ");
        PassoColuna(condicao, Sub, on, Lista);
      }
      where = Trim(Copy(where, e + 3)) + L" ";
    } else {
      // A condition with its own sub-select stays, parentheses and all.
      const size_t fecha = FimEquilibrado(where);
      where = fecha == npos ? String() : Trim(where.substr(fecha + 1)) + L" ";
    }
  }
  return on;
}

// The inner column of a moved condition joins the select list (and the
// grouping, when the list aggregates) and is read through the derived table.
void TElevacao::PassoColuna(String Condicao, String& Sub, String& On, const String& Lista) const {
  const int igual = Pos(L"=", Condicao);
  const int externo = PosSemCaixa(FAliasExterno + L".", Condicao);
  const String interno = igual > 0 && (externo == 0 || igual < externo)
                             ? Trim(Copy(Condicao, 1, igual - 1))
                             : Trim(Copy(Condicao, igual + 1));
  if (Pos(L".", interno) == 0) {
    if (PosSemCaixa(L"=" + interno, Condicao) > 0)
      Condicao = SubstituiPrimeiro(std::move(Condicao), L"=" + interno, L"=" + FT + L"." + interno);
    else
      Condicao = SubstituiPrimeiro(std::move(Condicao), L" " + interno, L" " + FT + L"." + interno);
  } else {
    Condicao = SubstituiPrimeiro(std::move(Condicao), interno, FT + Copy(interno, Pos(L".", interno)));
  }
  On = On.empty() ? Condicao : On + L" and " + Condicao;

  const int distinct = PosSemCaixa(L"DISTINCT", Sub);
  if (distinct > 0 && distinct < 12)
    Sub = L"select distinct " + interno + L"," + Copy(Sub, distinct + 8);
  else
    Sub = L"select " + interno + L", " + Copy(Sub, 7);

  static const wchar_t* const Agregadas[] = {
      L" MAX",          L" MIN",          L" SUM",          L" AVG",          L" COUNT",
      L"(MAX",          L"(MIN",          L"(SUM",          L"(AVG",          L"(COUNT",
      L" SUBSTITUIMA", L" SUBSTITUIMI", L" SUBSTITUISU", L" SUBSTITUIAV", L" SUBSTITUICO",
      L"(SUBSTITUIMA", L"(SUBSTITUIMI", L"(SUBSTITUISU", L"(SUBSTITUIAV", L"(SUBSTITUICO"};
  const String lista = UpperCase(L" " + Lista);
  if (std::none_of(std::begin(Agregadas), std::end(Agregadas),
                   [&lista](const wchar_t* a) { return Pos(a, lista) > 0; }))
    return;
  if (PosSemCaixa(L"GROUP", Sub) > 0 && PosSemCaixa(L"BY", Sub) > 0)
    Sub += L", " + interno;
  else
    Sub = Trim(Sub) + L" Group by " + interno;
}

// Drops an AND or WHERE left without a condition.
String TElevacao::LimpaSub(String Sub) {
  Sub = Trim(Sub);
  if (SameText(UltimaPalavra(Sub), L"AND")) Sub = Trim(Copy(Sub, 1, Length(Sub) - 3));
  if (SameText(UltimaPalavra(Sub), L"WHERE")) Sub = Trim(Copy(Sub, 1, Length(Sub) - 5));
  const int group = PosSemCaixa(L"GROUP", Sub);
  if (group > 1 && Sub[group - 2] == L' ') {
    const String antes = TrimRight(Copy(Sub, 1, group - 1));
    const String palavra = UltimaPalavra(antes);
    if (SameText(palavra, L"AND") || SameText(palavra, L"WHERE"))
      Sub = Copy(antes, 1, Length(antes) - Length(palavra)) + Copy(Sub, Length(antes) + 1);
  }
  return Sub;
}

// The aggregate reads the derived table's value (already in place at
// Marcado, when known); the join goes in after the outer alias (after its
// own ON clause when it has one). False when the alias is nowhere after the
// marker.
bool TElevacao::ColocaJuncao(const String& Juncao, size_t Marcado) {
  size_t marcador = Marcado;
  if (marcador == npos) {
    marcador = MarcadorMaiusculo.Em(FWork, FSemMarcadorAte);
    if (marcador == npos) return false;
    FSemMarcadorAte = marcador;
    Edita(marcador, Marcador.size(), FT + L".VALOR");
  }
  // The tail from the marker on holds the outer alias.
  // Looked for as written in an upper-cased text: an alias with lower-case
  // letters is never found so.
  const String chave = L" " + FAliasExterno + L" ";
  const bool maiusculo = std::none_of(chave.begin(), chave.end(), [](wchar_t c) { return c >= L'a' && c <= L'z'; });
  const size_t alias = maiusculo ? BuscaAlias(chave, marcador) : npos;
  if (alias != npos) {
    const size_t depois = alias + chave.size();
    const size_t inicio = PulaBrancos(FWork, depois, FWork.size());
    const size_t fim = RecuaBrancos(FWork, inicio, FWork.size());
    if (fim - inicio >= 2 && IgualSemCaixa(FWork, inicio, L"ON")) {
      const size_t fecha = FimEquilibrado(FWork, depois);
      const String clausula = FWork.substr(depois, fecha == npos ? npos : fecha + 1 - depois);
      const size_t onde = TPadrao(clausula).Em(FWork, marcador);
      if (FWork.compare(onde, clausula.size(), clausula) == 0)
        Edita(onde + clausula.size(), 0, Juncao);  // the same, moving less
      else
        Edita(onde, clausula.size(), clausula + Juncao);
      return true;
    }
  }
  // The join goes in once, after the first form of the alias found (a line
  // feed counts as the blank it becomes later; an alias that closes a
  // parenthesis or the text is followed by the join all the same).
  // (The join goes in after the form's last character, or before it.)
  const std::pair<String, bool> formas[] = {{L" ", true}, {L"\r", true}, {L"\n", true}, {L",", false}, {L")", false}};
  const String nome = L" " + FAliasExterno;
  for (const auto& [forma, depois] : formas) {
    const String encontrada = nome + forma;
    const size_t onde =
        forma == L" " ? BuscaAlias(encontrada, marcador) : BuscaSemCaixa(FWork, encontrada, marcador);
    if (onde == npos) continue;
    if (FWork.compare(onde, encontrada.size(), encontrada) != 0)
      Edita(onde, encontrada.size(), depois ? encontrada + Juncao : nome + Juncao + forma);
    else
      Edita(onde + nome.size() + (depois ? forma.size() : 0), 0, Juncao);  // the same, moving less
    return true;
  }
  if (FWork.size() - marcador >= nome.size() && IgualSemCaixa(FWork, FWork.size() - nome.size(), nome)) {
    Edita(FWork.size(), 0, Juncao);
    return true;
  }
  return false;
}

// The first occurrence of Chave (upper-case) from index De on, remembered
// while the statement changes.
size_t TElevacao::BuscaAlias(const String& Chave, size_t De) {
  if (FAlias.De == npos || FAlias.Chave != Chave || De < FAlias.De || (FAlias.Em != npos && De > FAlias.Em)) {
    FAlias.Chave = Chave;
    FAlias.De = De;
    FAlias.Em = BuscaSemCaixa(FWork, Chave, De);
  }
  return FAlias.Em;
}

}  // namespace

String ConverteAgregacaoSubSelect(String ASQL) { return TElevacao(std::move(ASQL)).Executa(); }
