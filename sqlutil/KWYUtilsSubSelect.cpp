// KWYUtils: lifting of aggregates over sub-selects. SQL Server refuses an
// aggregate whose argument is a sub-select; the sub-select becomes a derived
// table joined to the outer alias it refers to, its conditions on that alias
// move to the join's ON clause, and the aggregate reads its "VALOR" column.
#include <emmintrin.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "sqlutil/KWYUtils.h"
#include "sqlutil/TextoComLacunas.h"
#include "sqlutil/TextoSQL.h"

namespace {

constexpr size_t npos = String::npos;
const String Agregacoes[] = {L"MAX", L"SUM", L"AVG", L"MIN", L"COUNT"};
const String Marcador = L" PONTO_DE_SUBSTITUICAO ";

// Hides an aggregate name from the scan ("SUBSTITUIMA" for MAX, ...).
String Mascara(const String& Agregacao) { return L"SUBSTITUI" + Agregacao.substr(0, 2); }
const String Mascaras[] = {Mascara(Agregacoes[0]), Mascara(Agregacoes[1]), Mascara(Agregacoes[2]),
                           Mascara(Agregacoes[3]), Mascara(Agregacoes[4])};
constexpr size_t Mascarado = 11;  // the length of a mask

// The words whose occurrences the pass follows: the aggregate names (in the
// order of Agregacoes), SELECT, FROM and the masks' common beginning. None
// of them can overlap itself, and all are made of letters only.
constexpr std::wstring_view Palavras[] = {L"MAX", L"SUM", L"AVG", L"MIN", L"COUNT", L"SELECT", L"FROM", L"SUBSTITUI"};
constexpr size_t PalavraSelect = 5, PalavraFrom = 6, PalavraPrefixo = 7;

bool Letra(wchar_t c) { return (c | 0x20) >= L'a' && (c | 0x20) <= L'z'; }

// Whether the aggregate whose "(" is at index Abre reads the sub-select
// whose SELECT is at index Select (npos when none follows): a SELECT before
// the first ")", or after more "(" than ")" + 1 and no FROM (From, the
// first FROM from Abre on). The parentheses are counted up to a NUL, as
// the utilities library counts.
bool SobreSubSelect(const TTextoComLacunas& Texto, size_t Abre, size_t Select, size_t From) {
  if (Select == npos) return false;
  const size_t fecha = Texto.Acha(L')', Abre);
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
size_t FimSubSelect(const TTextoComLacunas& S, size_t De, size_t Ate) {
  int nivel = 0;
  for (size_t i = De; i < Ate; ++i) {
    if (S[i] == L'(') ++nivel;
    else if (S[i] == L')' && --nivel < 0) return i;
  }
  return Ate;
}

// Whether the select list (its text up to and including the blank before
// FROM) aggregates: an aggregate's name or mask after a blank (one is put
// in front) or a "(". Only the places after those are looked at.
bool Agrega(std::wstring_view Lista) {
  static const wchar_t* const Agregadas[] = {L"MAX",         L"MIN",         L"SUM",         L"AVG",
                                             L"COUNT",       L"SUBSTITUIMA", L"SUBSTITUIMI", L"SUBSTITUISU",
                                             L"SUBSTITUIAV", L"SUBSTITUICO"};
  for (size_t p = 0;;) {
    for (const wchar_t* nome : Agregadas)
      if (IgualSemCaixa(Lista, p, nome)) return true;
    const size_t antes = ProximoDe(Lista, p, Lista.size(), L" (");
    if (antes == Lista.size()) return false;
    p = antes + 1;
  }
}

std::wstring_view UltimaPalavra(std::wstring_view S) {
  const size_t branco = S.rfind(L' ');
  return branco == npos ? S : S.substr(branco + 1);
}

// One call of the pass: the statement, the derived tables' counter and the
// aliases of the sub-select being lifted. The statement is kept with the
// occurrences of the aggregate names, SELECT, FROM and the masks, found in
// one walk and kept up to date by every change (the restoring of the masks
// included), in a text with two gaps: the liftings' changes come back to
// where the sub-selects are taken out and where their joins go in, so each
// costs what it changes, and each search looks only where the change could
// have made a difference. Its buffers serve call after call.
class TElevacao {
public:
  // The statement with its aggregates over sub-selects lifted.
  String Converte(String Texto);

private:
  bool LeSubSelect(size_t Abre) const;
  void Mascara(size_t Posicao, size_t Agregacao);
  void AplicaMascaras();
  bool Varre();
  bool Eleva(size_t Agregacao);
  void Edita(size_t Posicao, size_t Tamanho, std::wstring_view Novo);
  void AtualizaBuscas(size_t Posicao, size_t Removidos, size_t Inseridos);
  void RestauraMascaras();
  void AliasesProprios(const String& Sub);
  bool AliasProprio(std::wstring_view Palavra) const;
  std::wstring_view AliasExternoDe(String& Where) const;
  bool ReferenciaExterna(std::wstring_view Condicao) const;
  void MoveCondicoes(String& Sub, const String& TextoWhere, bool ListaAgrega);
  void PassoColuna(std::wstring_view Condicao, String& Sub, String& On, bool ListaAgrega) const;
  static void LimpaSub(String& Sub);
  bool ColocaJuncao(const String& Juncao, size_t Marcado);
  bool MarcadorAntes(size_t Posicao);
  size_t BuscaAlias(const String& Chave, size_t De);

  // A change of the statement, kept while a lifting may still be undone:
  // the text it removed is FRemovidos's from index Removido on.
  struct TEdicao {
    size_t Posicao, Removido, Removidos, Inseridos;
  };

  TTextoComLacunas FTexto{Palavras};
  // No marker starts before this index.
  size_t FSemMarcadorAte = 0;
  // The first occurrence (Em, npos when none) of the outer alias's key from
  // index De on; De is npos when not known.
  struct {
    String Chave;
    size_t De = npos, Em = npos;
  } FAlias;
  std::vector<TEdicao> FDiario;
  String FRemovidos;
  bool FRegistra = false;  // the changes go to the journal
  std::vector<TTextoComLacunas::TPalavraTrocada> FRestauradas;
  // The masks noted but not yet put in the text (index, aggregate).
  std::vector<std::pair<size_t, size_t>> FMascarasPendentes;
  const TPadrao FMarcador{Marcador};
  std::vector<String> FAliases;  // 15 entries, more when a FROM list has more items
  std::vector<String> FAliasesAntes;  // as they were before the lifting
  // The texts a lifting works on.
  String FSub, FItem, FTextoWhere, FWhere, FOn, FCondicao, FFrom, FJuncao, FClausula, FNovo;
  String FAliasExterno, FT;
  String FQualificador;  // the outer alias and "."
  int FContador = 0;
  // Every lifting moves one sub-select, so there can be no more liftings
  // than SELECTs; these bounds keep an unexpected text from looping.
  int FLimiteElevacoes = 0;
  size_t FLimiteTamanho = 0;
  bool FInterrompida = false;
};

String TElevacao::Converte(String Texto) {
  FTexto.Inicia(Texto);
  FContador = 0;
  FLimiteElevacoes = static_cast<int>(FTexto.Quantas(PalavraSelect));
  FLimiteTamanho = 8 * FTexto.size() + 65536;
  FInterrompida = false;
  FRegistra = false;
  FMascarasPendentes.clear();
  bool elevou;
  do {
    FSemMarcadorAte = 0;
    FAlias.De = npos;
    FAliases.resize(15);
    for (String& alias : FAliases) alias.clear();
    FAliasExterno.clear();
    elevou = Varre();
    RestauraMascaras();
  } while (elevou && !FInterrompida);
  // The result goes to the caller's buffer; the working one serves the
  // next call.
  Texto.assign(FTexto.Junta());
  FTexto.Esvazia();
  EsvaziaMantendo(FRemovidos);
  return Texto;
}

// The masks back to the names, in the order MAX, MIN, SUM, AVG, COUNT. When
// no two masks are near enough to share characters, no replacement can
// touch another, and one walk over the masks' places gives the same text.
void TElevacao::RestauraMascaras() {
  static const size_t Ordem[] = {0, 3, 1, 2, 4};  // MAX, MIN, SUM, AVG, COUNT
  String& texto = FTexto.Junta();
  size_t anterior = npos;
  const size_t vizinha = FTexto.PrimeiraQue(PalavraPrefixo, [&anterior](size_t p) {
    const bool perto = anterior != npos && p - anterior < Mascarado;
    anterior = p;
    return perto;
  });
  if (vizinha != npos) {
    for (size_t k : Ordem) texto = SubstituiTodos(std::move(texto), Mascaras[k], Agregacoes[k]);
    FTexto.Reinicia();
    return;
  }
  FRestauradas.clear();
  bool isoladas = true;  // no mask touches a letter
  FTexto.PrimeiraQue(PalavraPrefixo, [&](size_t p) {
    for (size_t k : Ordem) {
      if (!IgualSemCaixa(texto, p, Mascaras[k])) continue;
      FRestauradas.push_back({p, Mascarado, k});
      isoladas = isoladas && (p == 0 || !Letra(texto[p - 1])) &&
                 (p + Mascarado == texto.size() || !Letra(texto[p + Mascarado]));
      break;
    }
    return false;
  });
  if (FRestauradas.empty()) return;
  TReescritaNoLugar feito(texto);
  size_t lido = 0;
  for (const TTextoComLacunas::TPalavraTrocada& restaurada : FRestauradas) {
    feito.Copia(lido, restaurada.Posicao);
    feito.Acrescenta(Agregacoes[restaurada.Palavra]);
    lido = restaurada.Posicao + Mascarado;
  }
  feito.Copia(lido, texto.size());
  feito.Conclui();
  if (isoladas)
    FTexto.TrocouPalavras(FRestauradas);
  else
    FTexto.Reinicia();
}

void TElevacao::Edita(size_t Posicao, size_t Tamanho, std::wstring_view Novo) {
  if (FRegistra) {
    FDiario.push_back({Posicao, FRemovidos.size(), Tamanho, Novo.size()});
    FTexto.CopiaPara(FRemovidos, Posicao, Posicao + Tamanho);
  }
  FTexto.Troca(Posicao, Tamanho, Novo);
  AtualizaBuscas(Posicao, Tamanho, Novo.size());
}

// After Removidos characters at Posicao became Inseridos others: the bound
// below which no marker starts and the remembered occurrence of the outer
// alias's key follow the change.
void TElevacao::AtualizaBuscas(size_t Posicao, size_t Removidos, size_t Inseridos) {
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
      const size_t nova = FTexto.Busca(TPadrao(FAlias.Chave), std::max(FAlias.De, antesDaMudanca(tamanho)),
                                       Posicao + Inseridos + tamanho - 1);
      if (nova != npos) FAlias.Em = nova;
    } else {
      FAlias.De = npos;
    }
  }
}

// Whether the aggregate whose "(" is at index Abre reads a sub-select.
bool TElevacao::LeSubSelect(size_t Abre) const {
  return SobreSubSelect(FTexto, Abre, FTexto.Proxima(PalavraSelect, Abre), FTexto.Proxima(PalavraFrom, Abre));
}

// One sweep: masks the aggregates over plain values and lifts those over
// sub-selects, until no unmasked aggregate is left. True when it lifted.
bool TElevacao::Varre() {
  bool elevou = false;
  for (;;) {
    bool algumaAberta = false;
    size_t agregacao = npos;
    for (size_t k = 0; k < std::size(Agregacoes); ++k) {
      const size_t p = FTexto.Primeira(k);
      if (p == npos) continue;
      const String& a = Agregacoes[k];
      const size_t abre = PulaBrancos(FTexto, p + a.size(), FTexto.size());
      if (abre == FTexto.size() || FTexto[abre] != L'(') continue;
      algumaAberta = true;
      if (LeSubSelect(abre))
        agregacao = k;
      else
        Mascara(p, k);
    }
    if (!algumaAberta) break;
    if (agregacao == npos) continue;
    AplicaMascaras();  // the lifting reads the text
    if (FContador >= FLimiteElevacoes || FTexto.size() >= FLimiteTamanho) {
      FInterrompida = true;
      break;
    }
    elevou = Eleva(agregacao) || elevou;
  }
  // The masks never put in: the restoring would bring back their names in
  // capitals.
  for (const auto& [p, k] : FMascarasPendentes)
    FTexto.Sobrescreve(p, Agregacoes[k]);
  FMascarasPendentes.clear();
  return elevou;
}

// Masks the first occurrence of aggregate number Agregacao, at Posicao. A
// mask that touches no letter (a "(" or a blank comes after the name) can
// neither make nor break another word, nor change what the scan sees of
// the text: it is only noted, its name leaving the list, until a lifting
// is to read the text. No other change of the text is made while masks
// are noted.
void TElevacao::Mascara(size_t Posicao, size_t Agregacao) {
  if (Posicao > 0 && Letra(FTexto[Posicao - 1])) {
    AplicaMascaras();  // which may move the name
    Edita(FTexto.Primeira(Agregacao), Agregacoes[Agregacao].size(), Mascaras[Agregacao]);
  } else {
    FTexto.RetiraPrimeira(Agregacao);
    FMascarasPendentes.emplace_back(Posicao, Agregacao);
  }
}

// Puts the noted masks in, from the last one back, so that each finds the
// others where they were noted.
void TElevacao::AplicaMascaras() {
  std::sort(FMascarasPendentes.begin(), FMascarasPendentes.end());
  for (auto m = FMascarasPendentes.rbegin(); m != FMascarasPendentes.rend(); ++m)
    Edita(m->first, Agregacoes[m->second].size(), Mascaras[m->second]);
  FMascarasPendentes.clear();
}

// Lifts the sub-select of the first occurrence of aggregate number
// Agregacao and masks the name; a sub-select whose join finds no place
// stays where it is (the derived table would be read without being
// joined). True when it was lifted.
bool TElevacao::Eleva(size_t Agregacao) {
  const String& nome = Agregacoes[Agregacao];
  FDiario.clear();
  FRemovidos.clear();
  FRegistra = true;
  FAliasesAntes = FAliases;
  FT = L"T" + IntToStr(++FContador);
  // The sub-select, without its closing parenthesis, leaves a marker where
  // its text first occurs.
  const size_t apos = PulaBrancos(FTexto, FTexto.Primeira(Agregacao) + nome.size(), FTexto.size());
  const size_t fimApos = RecuaBrancos(FTexto, apos, FTexto.size());
  const size_t select = FTexto.Proxima(PalavraSelect, apos);
  String& sub = FSub;
  sub.clear();
  FTexto.CopiaPara(sub, select, FimSubSelect(FTexto, select, fimApos));
  // Any occurrence of the sub-select's text starts with a SELECT.
  const size_t igual =
      FTexto.PrimeiraQue(PalavraSelect, [&](size_t p) { return p >= select || FTexto.IgualSemCaixa(p, sub); });
  const size_t ondeSub = std::min(igual, select);
  // When the sub-select stands in its own place and no marker comes before
  // it, the marker would be found right there: the name's mask and the
  // derived table's value go in at once, in one change of the text.
  const size_t primeira = FTexto.Primeira(Agregacao);
  const bool direto = ondeSub == select && !MarcadorAntes(ondeSub);
  size_t marcado = npos;
  if (direto) {
    const String& mascara = Mascaras[Agregacao];
    FTexto.CopiaPara(FNovo.assign(mascara), primeira + nome.size(), ondeSub);
    Edita(primeira, ondeSub + sub.size() - primeira, FNovo.append(FT).append(L".VALOR"));
    marcado = ondeSub + mascara.size() - nome.size();
  } else {
    Edita(ondeSub, sub.size(), Marcador);
  }

  // Its value column is named VALOR.
  const std::wstring_view corpo = Apara(std::wstring_view(sub).substr(std::min<size_t>(6, sub.size())));
  const size_t fimLista = BuscaSemCaixa(corpo, L" FROM");
  const std::wstring_view lista = corpo.substr(0, fimLista == npos ? 0 : fimLista + 1);
  const bool listaAgrega = Agrega(lista);
  FItem.assign(lista.find(L'(') != npos ? PrefixoEquilibrado(corpo) : lista);
  FNovo.assign(FItem).append(L" VALOR ");
  sub = SubstituiPrimeiro(std::move(sub), FItem, FNovo);

  AliasesProprios(sub);
  const size_t where = BuscaSemCaixa(sub, L" WHERE ");
  String& textoWhere = FTextoWhere;
  if (where != npos) {
    textoWhere.assign(Apara(std::wstring_view(sub).substr(where + 6))).append(L" ");
    FWhere.assign(textoWhere);
    FWhere = SubstituiTodos(std::move(FWhere), L" AND ", L" ");
    FAliasExterno.assign(AliasExternoDe(FWhere));
  } else {
    textoWhere.clear();
    FAliasExterno.clear();
  }
  FQualificador.assign(FAliasExterno).append(L".");
  MoveCondicoes(sub, textoWhere, listaAgrega);

  LimpaSub(sub);
  FJuncao.assign(L" left outer join (").append(sub).append(L") ").append(FT).append(L" on (").append(FOn).append(L")");
  const bool elevou = ColocaJuncao(FJuncao, marcado);
  FRegistra = false;
  if (!elevou) {
    for (auto e = FDiario.rbegin(); e != FDiario.rend(); ++e)
      Edita(e->Posicao, e->Inseridos, std::wstring_view(FRemovidos).substr(e->Removido, e->Removidos));
    FAliases = FAliasesAntes;
    --FContador;
  }
  if (!elevou || !direto) Edita(FTexto.Primeira(Agregacao), nome.size(), Mascaras[Agregacao]);
  return elevou;
}

// Whether the first marker of the text, with one put at Posicao, would be
// another one: one before it, or one whose last blank would be the new
// one's first. A search that finds none raises the bound below which none
// starts.
bool TElevacao::MarcadorAntes(size_t Posicao) {
  const size_t borda = Marcador.size() - 1;
  if (FTexto.Busca(FMarcador, FSemMarcadorAte, Posicao) != npos) return true;
  if (Posicao < borda) return false;
  FSemMarcadorAte = std::max(FSemMarcadorAte, Posicao - borda);
  return FTexto.IgualSemCaixa(Posicao - borda, std::wstring_view(Marcador).substr(0, borda));
}

// The aliases of the sub-select's FROM list, one entry per item.
void TElevacao::AliasesProprios(const String& Sub) {
  const size_t fromSub = BuscaSemCaixa(Sub, L" FROM ");
  if (fromSub == npos) return;
  String& from = FFrom;
  from.assign(Sub, fromSub + 6);
  const size_t where = BuscaSemCaixa(from, L" WHERE ");
  Recorta(from, 0, where == npos ? npos : where + 1);
  from += L' ';
  for (size_t k = 0; !Apara(from).empty(); ++k) {
    if (k == FAliases.size()) FAliases.emplace_back();
    String& entrada = FAliases[k];
    const size_t fimPrimeira = from.find(L' ');
    const std::wstring_view primeira = std::wstring_view(from).substr(0, fimPrimeira == npos ? 0 : fimPrimeira);
    if (MesmoTextoSemCaixa(primeira, L"LEFT") || MesmoTextoSemCaixa(primeira, L"RIGHT") ||
        MesmoTextoSemCaixa(primeira, L"INNER") || MesmoTextoSemCaixa(primeira, L"FULL")) {
      // A join: its table and alias stay, its ON condition goes.
      const size_t join = BuscaSemCaixa(from, L"JOIN");
      Recorta(from, join != npos ? join + 4 : primeira.size());
      from = SubstituiPrimeiro(std::move(from), L" ON ", L" ");
      from = SubstituiPrimeiro(std::move(from), L" ON(", L"(");
      const size_t abre = from.find(L'(');
      if (abre != npos) {
        const size_t fecha = FimEquilibrado(from, abre);
        from.replace(abre, fecha == npos ? npos : fecha + 1 - abre, L" ");
      }
    }
    const size_t branco = from.find(L' ');
    entrada.assign(from, 0, branco == npos ? 0 : branco + 1);
    Recorta(from, branco == npos ? 0 : branco);
    from += L' ';
    if (const size_t virgula = from.find(L','); virgula != npos) {
      entrada.assign(Apara(std::wstring_view(from).substr(0, virgula)));
      Recorta(from, virgula + 1);
      from += L' ';
    } else if (const size_t b = from.find(L' '); b != npos) {
      entrada.assign(Apara(std::wstring_view(from).substr(0, b)));
      Recorta(from, b + 1);
    }
    // A missing "," does not come after the ")": the join that follows an
    // item is the next entry, not skipped.
    const size_t fecha = from.find(L')'), virgula = from.find(L',');
    if (fecha != npos && virgula != npos && fecha < virgula)
      Recorta(from, fecha + 1);
    else if (virgula != npos)
      Recorta(from, virgula + 1);
  }
}

bool TElevacao::AliasProprio(std::wstring_view Palavra) const {
  return std::find(FAliases.begin(), FAliases.end(), Palavra) != FAliases.end();
}

// The first alias of a qualified name in the conditions that is not one of
// the sub-select's own. Each condition is its text through the first "="
// and the word after it; a word ends at a blank, a "=" or a "." (the alias
// is seen in Where's text).
std::wstring_view TElevacao::AliasExternoDe(String& Where) const {
  const auto aliasEstranho = [this](std::wstring_view Condicao) -> std::optional<std::wstring_view> {
    for (size_t i = 0, palavra = 0; i < Condicao.size(); ++i) {
      const wchar_t c = Condicao[i];
      if (c != L' ' && c != L'=' && c != L'.') continue;
      const std::wstring_view alias = Apara(Condicao.substr(palavra, i - palavra));
      if (c == L'.' && !AliasProprio(alias)) return alias;
      palavra = i + 1;
    }
    return std::nullopt;
  };
  while (!Apara(Where).empty()) {
    // The text through the "=" ends with the end of a word.
    const size_t igual = Where.find(L'=');
    if (const auto alias = aliasEstranho(std::wstring_view(Where).substr(0, igual == npos ? 0 : igual + 1)))
      return *alias;
    Recorta(Where, igual == npos ? 0 : igual + 1);
    Where += L' ';
    const size_t branco = Where.find(L' ');
    if (const auto alias = aliasEstranho(std::wstring_view(Where).substr(0, branco + 1))) return *alias;
    Recorta(Where, branco + 1);
    Where += L' ';
  }
  return {};
}

// Whether the condition names the outer alias after a blank or a "=".
bool TElevacao::ReferenciaExterna(std::wstring_view Condicao) const {
  for (size_t p = BuscaSemCaixa(Condicao, FQualificador, 1); p != npos; p = BuscaSemCaixa(Condicao, FQualificador, p + 1))
    if (Condicao[p - 1] == L' ' || Condicao[p - 1] == L'=') return true;
  return false;
}

// Moves the conditions on the outer alias from the sub-select's WHERE to
// the join's ON text (FOn).
void TElevacao::MoveCondicoes(String& Sub, const String& TextoWhere, bool ListaAgrega) {
  String &where = FWhere, &on = FOn, &condicao = FCondicao;
  where = TextoWhere;
  on.clear();
  while (!Apara(where).empty()) {
    const size_t e = BuscaSemCaixa(where, L"AND ");
    if (e == npos) {
      condicao.assign(L" ").append(Apara(where));
      if (BuscaSemCaixa(condicao, L"SELECT") == npos && ReferenciaExterna(condicao)) {
        Sub = SubstituiPrimeiro(std::move(Sub), condicao, L" ");
        PassoColuna(condicao, Sub, on, ListaAgrega);
      }
      break;
    }
    condicao.assign(L" ").append(Apara(std::wstring_view(where).substr(0, e))).append(L" ");
    if (BuscaSemCaixa(condicao, L"SELECT") == npos) {
      if (ReferenciaExterna(condicao)) {
        Sub = SubstituiPrimeiro(std::move(Sub), std::wstring_view(where).substr(0, e + 3), L" ");
        PassoColuna(condicao, Sub, on, ListaAgrega);
      }
      Recorta(where, e + 3);
      where += L' ';
    } else {
      // A condition with its own sub-select stays, parentheses and all.
      const size_t fecha = FimEquilibrado(where);
      if (fecha == npos) {
        where.clear();
      } else {
        Recorta(where, fecha + 1);
        where += L' ';
      }
    }
  }
}

// The inner column of a moved condition joins the select list (and the
// grouping, when the list aggregates) and is read through the derived table
// in the condition that joins the ON text.
void TElevacao::PassoColuna(std::wstring_view Condicao, String& Sub, String& On, bool ListaAgrega) const {
  const size_t igual = Condicao.find(L'=');
  const size_t externo = BuscaSemCaixa(Condicao, FQualificador);
  const std::wstring_view interno = igual != npos && (externo == npos || igual < externo)
                                        ? Apara(Condicao.substr(0, igual))
                                        : Apara(Condicao.substr(igual == npos ? 0 : igual + 1));
  // The condition with its first occurrence of what names the inner column
  // (from De to Ate) read through the derived table.
  const auto juntaAoOn = [&](size_t De, size_t Ate, std::initializer_list<std::wstring_view> Nova) {
    if (!On.empty()) On += L" and ";
    On.append(Condicao.substr(0, De));
    for (std::wstring_view peca : Nova) On.append(peca);
    On.append(Condicao.substr(Ate));
  };
  const size_t ponto = interno.find(L'.');
  size_t onde;
  if (ponto == npos && (onde = Precedido(Condicao, L'=', interno)) != npos)
    juntaAoOn(onde, onde + 1 + interno.size(), {L"=", FT, L".", interno});
  else if (ponto == npos && (onde = Precedido(Condicao, L' ', interno)) != npos)
    juntaAoOn(onde, onde + 1 + interno.size(), {L" ", FT, L".", interno});
  else if (ponto != npos && (onde = BuscaSemCaixa(Condicao, interno)) != npos)
    juntaAoOn(onde, onde + interno.size(), {FT, interno.substr(ponto)});
  else
    juntaAoOn(Condicao.size(), Condicao.size(), {});

  // A DISTINCT counts when it starts among the first eleven characters.
  const size_t distinct = BuscaSemCaixa(Sub, L"DISTINCT", 0, 10 + 8);
  if (distinct != npos)
    Troca(Sub, 0, distinct + 8, {L"select distinct ", interno, L","});
  else
    Troca(Sub, 0, std::min<size_t>(6, Sub.size()), {L"select ", interno, L", "});

  if (!ListaAgrega) return;
  if (BuscaSemCaixa(Sub, L"GROUP") != npos && BuscaSemCaixa(Sub, L"BY") != npos) {
    Sub.append(L", ").append(interno);
  } else {
    Recorta(Sub, 0);
    Sub.append(L" Group by ").append(interno);
  }
}

// Drops an AND or WHERE left without a condition.
void TElevacao::LimpaSub(String& Sub) {
  Recorta(Sub, 0);
  if (MesmoTextoSemCaixa(UltimaPalavra(Sub), L"AND")) Recorta(Sub, 0, Sub.size() >= 3 ? Sub.size() - 3 : 0);
  if (MesmoTextoSemCaixa(UltimaPalavra(Sub), L"WHERE")) Recorta(Sub, 0, Sub.size() >= 5 ? Sub.size() - 5 : 0);
  const size_t group = BuscaSemCaixa(Sub, L"GROUP");
  if (group != npos && group > 0 && Sub[group - 1] == L' ') {
    const size_t fimAntes = RecuaBrancos(Sub, 0, group);
    const std::wstring_view palavra = UltimaPalavra(std::wstring_view(Sub).substr(0, fimAntes));
    if (MesmoTextoSemCaixa(palavra, L"AND") || MesmoTextoSemCaixa(palavra, L"WHERE"))
      Sub.erase(fimAntes - palavra.size(), palavra.size());
  }
}

// The aggregate reads the derived table's value (already in place at
// Marcado, when known); the join goes in after the outer alias (after its
// own ON clause when it has one). False when the alias is nowhere after the
// marker.
bool TElevacao::ColocaJuncao(const String& Juncao, size_t Marcado) {
  size_t marcador = Marcado;
  if (marcador == npos) {
    marcador = FTexto.Busca(FMarcador, FSemMarcadorAte);
    if (marcador == npos) return false;
    FSemMarcadorAte = marcador;
    Edita(marcador, Marcador.size(), FNovo.assign(FT).append(L".VALOR"));
  }
  // The tail from the marker on holds the outer alias.
  // Looked for as written in an upper-cased text: an alias with lower-case
  // letters is never found so.
  const String chave = L" " + FAliasExterno + L" ";
  const bool maiusculo = std::none_of(chave.begin(), chave.end(), [](wchar_t c) { return c >= L'a' && c <= L'z'; });
  const size_t alias = maiusculo ? BuscaAlias(chave, marcador) : npos;
  if (alias != npos) {
    const size_t depois = alias + chave.size();
    const size_t inicio = PulaBrancos(FTexto, depois, FTexto.size());
    const size_t fim = RecuaBrancos(FTexto, inicio, FTexto.size());
    if (fim - inicio >= 2 && FTexto.IgualSemCaixa(inicio, L"ON")) {
      const size_t fecha = FimEquilibrado(FTexto, depois);
      String& clausula = FClausula;
      clausula.clear();
      FTexto.CopiaPara(clausula, depois, fecha == npos ? FTexto.size() : fecha + 1);
      const size_t onde = FTexto.Busca(TPadrao(clausula), marcador);
      if (FTexto.Igual(onde, clausula))
        Edita(onde + clausula.size(), 0, Juncao);  // the same, moving less
      else
        Edita(onde, clausula.size(), FNovo.assign(clausula).append(Juncao));
      return true;
    }
  }
  // The join goes in once, after the first form of the alias found (a line
  // feed counts as the blank it becomes later; an alias that closes a
  // parenthesis or the text is followed by the join all the same).
  // (The join goes in after the form's last character, or before it.)
  static const std::pair<std::wstring_view, bool> formas[] = {
      {L" ", true}, {L"\r", true}, {L"\n", true}, {L",", false}, {L")", false}};
  const String nome = L" " + FAliasExterno;
  String encontrada;
  for (const auto& [forma, depois] : formas) {
    encontrada.assign(nome).append(forma);
    const size_t onde =
        forma == L" " ? BuscaAlias(encontrada, marcador) : FTexto.Busca(TPadrao(encontrada), marcador);
    if (onde == npos) continue;
    if (!FTexto.Igual(onde, encontrada))
      Edita(onde, encontrada.size(),
            depois ? FNovo.assign(encontrada).append(Juncao) : FNovo.assign(nome).append(Juncao).append(forma));
    else
      Edita(onde + nome.size() + (depois ? forma.size() : 0), 0, Juncao);  // the same, moving less
    return true;
  }
  if (FTexto.size() - marcador >= nome.size() && FTexto.IgualSemCaixa(FTexto.size() - nome.size(), nome)) {
    Edita(FTexto.size(), 0, Juncao);
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
    FAlias.Em = FTexto.Busca(TPadrao(Chave), De);
  }
  return FAlias.Em;
}

}  // namespace

String ConverteAgregacaoSubSelect(String ASQL) {
  thread_local TElevacao elevacao;
  return elevacao.Converte(std::move(ASQL));
}
