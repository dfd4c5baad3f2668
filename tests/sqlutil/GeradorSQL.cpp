#include "tests/sqlutil/GeradorSQL.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "sqlutil/KWYUtils.h"
#include "vcl/rtl/SysUtils.h"

const char* const ArquivoAssinaturas = "ConverteSQL.assinaturas";

namespace {

const wchar_t* const Pedacos[] = {
    L"SELECT ", L"select ", L" FROM ", L" WHERE ", L" AND ", L" and ", L" ON ", L" on ",
    L" LEFT JOIN ", L" INNER JOIN ", L" GROUP BY ", L" group by ", L"MAX(", L"SUM (", L"COUNT(",
    L"MIN((SELECT ", L"AVG(", L"(", L")", L"((", L"))", L"'", L"''", L"||", L" || ", L",", L"=",
    L" = ", L"X.", L"I.", L"T", L"1", L" ", L"  ", L"\n", L"\r\n", L"\n\r", L"\r", L"COALESCE(",
    L"CAST(", L" AS VARCHAR(10)", L"CASE ", L" UNION ", L"DISTINCT ", L":P", L"SUBSTR(",
    L" SUBSTR ", L"CURRENT_DATE", L" DATE ", L" NUMBER(", L" PEC_ITEM_ESTOQUE ", L"I.PRECO_PUBLICO_ATUAL",
    L" PRECO_GARANTIA ", L" PRECO_A_VISTA,", L")PRECO_ALTERNATIVO", L"XXX", L"$$$", L"SUBSTITUIMA",
    L" PONTO_DE_SUBSTITUICAO ", L" WHERE X.A = I.A", L"LEFT", L"WHERE", L"FULL "};

// The statement writer of one case: every choice comes from the case's own
// generator.
class TEscritor {
public:
  explicit TEscritor(uint32_t Semente) : FGerador(Semente) {}
  TCasoGerado Caso();

private:
  int Ate(int N) { return std::uniform_int_distribution<int>(0, N - 1)(FGerador); }
  bool Chance(int Porcento) { return Ate(100) < Porcento; }
  const wchar_t* Um(std::initializer_list<const wchar_t*> Opcoes) { return Opcoes.begin()[Ate(static_cast<int>(Opcoes.size()))]; }
  String Palavra(const String& P);
  String Branco();
  String Alias() { return Um({L"A", L"X", L"I", L"C", L"T", L"P", L"A1", L"EST", L"ITEMX", L"CL", L"Q"}); }
  String Coluna() {
    return Um({L"EMPRESA", L"REVENDA", L"VALOR", L"V", L"TIPO", L"DTA_EMISSAO", L"NOME", L"ITEM_ESTOQUE",
               L"LEFTOVER", L"MAXIMO", L"DATA", L"S", L"CONTADOR", L"ID"});
  }
  String Tabela() {
    return Um({L"PEC_ITEM_ESTOQUE", L"CAPA", L"FAT_MOVIMENTO_CAPA", L"FIN_PAGAMENTO", L"GER_CLIENTE",
               L"ITENS", L"pec_item_estoque", L"FIN_TITULO"});
  }
  String Preco() {
    return Um({L"PRECO_PUBLICO_ATUAL", L"PRECO_GARANTIA", L"PRECO_ALTERNATIVO", L"PRECO_A_VISTA",
               L"preco_a_vista", L"PRECO_GARANTIA"});
  }
  String Referencia() { return Alias() + L"." + Coluna(); }
  String Agregacao() { return Palavra(Um({L"MAX", L"SUM", L"AVG", L"MIN", L"COUNT"})); }
  String Valor();
  String Operando();
  String Concatenacao();
  String Item(int Profundidade);
  String SubSelect(const String& Externo, int Profundidade);
  String Condicao();
  String Juncao();
  String ListaFrom(String& Externo);
  String Comando(int Profundidade);

  std::mt19937 FGerador;
  String FExterno;  // the FROM list's first alias, which sub-selects refer to
};

// A keyword in upper, lower or mixed case.
String TEscritor::Palavra(const String& P) {
  switch (Ate(6)) {
    case 0: return LowerCase(P);
    case 1: {
      String r = LowerCase(P);
      r[0] = P[0];
      return r;
    }
    default: return P;
  }
}

String TEscritor::Branco() {
  if (Chance(85)) return L" ";
  return Um({L"  ", L"\n", L"\r\n", L"\n\r", L"\n  ", L"   ", L"\r"});
}

String TEscritor::Valor() {
  switch (Ate(9)) {
    case 0: return IntToStr(Ate(100));
    case 1: return L"'" + String(Um({L"F", L"A B", L"N", L"x ON y", L""})) + L"'";
    case 2: return Palavra(L"CURRENT_DATE");
    case 3: return L":PARAM";
    case 4: return Alias() + L"." + Preco();
    case 5: return L"CAST('2026-01-01' AS " + Palavra(Um({L"DATE", L"TIMESTAMP"})) + L")";
    default: return Referencia();
  }
}

String TEscritor::Operando() {
  switch (Ate(12)) {
    case 0: return L"'" + String(Um({L" - ", L"/", L"ab cd", L" (", L"x"})) + L"'";
    case 1: return Palavra(L"COALESCE") + L"(" + Referencia() + L", '')";
    case 2: return Palavra(L"CAST") + L"(" + Referencia() + L" AS " + Palavra(L"VARCHAR") + L"(10))";
    case 3: return L"(" + Referencia() + L")";
    case 4: return Palavra(L"UPPER") + L"(" + Referencia() + L")";
    case 5: return Referencia() + L" + 1";
    case 6: return Palavra(L"SUBSTR") + Um({L"(", L" ("}) + Referencia() + L",1,2)";
    case 7: return L"CASE WHEN " + Referencia() + L" = 1 THEN 'S' ELSE 'N' END";
    case 8: return L"( " + Referencia() + L" )";
    default: return Referencia();
  }
}

String TEscritor::Concatenacao() {
  String r = Operando();
  for (int n = 1 + Ate(3); n > 0; --n) r += String(Um({L" || ", L"||", L" ||", L"|| "})) + Operando();
  return Chance(30) ? Palavra(L"UPPER") + L"(" + r + L")" : r;
}

// A sub-select of the kind the lifting expects (and some it does not):
// conditions on the outer alias, on its own and joined aliases, in any order.
String TEscritor::SubSelect(const String& Externo, int Profundidade) {
  const String proprio = Um({L"I", L"X", L"J", L"B1", L"P"});
  const String juntado = Um({L"EST", L"G", L"K"});
  String s = Palavra(L"SELECT") + L" ";
  if (Chance(15)) s += Palavra(L"DISTINCT") + L" ";
  switch (Ate(5)) {
    case 0: s += proprio + L".V"; break;
    case 1: s += Palavra(L"COUNT") + L"(*)"; break;
    case 2: s += Palavra(L"COALESCE") + L"(" + Agregacao() + L"(" + proprio + L".V), 0)"; break;
    default: s += Agregacao() + Um({L"(", L" ("}) + proprio + L".V)";
  }
  s += L" " + Palavra(L"FROM") + L" " + Tabela() + L" " + proprio;
  const bool comJuncao = Chance(45);
  if (comJuncao) {
    s += L" " + Palavra(Um({L"INNER", L"LEFT", L"RIGHT", L"FULL"})) + (Chance(30) ? L" OUTER" : L"") + L" " +
         Palavra(L"JOIN") + L" " + Tabela() + L" " + juntado + L" " + Palavra(L"ON");
    const String condicao = juntado + L".S = " + proprio + L".S";
    s += Chance(50) ? L" " + condicao : Um({L" (", L"("}) + condicao + L")";
  } else if (Chance(20)) {
    s += L", " + Tabela() + L" " + juntado;
  }
  std::vector<String> condicoes;
  const String ladoExterno = Externo + L"." + Um({L"EMPRESA", L"C", L"ID", L"TITULO"});
  const String ladoProprio = proprio + L"." + Um({L"EMPRESA", L"C", L"ID", L"TITULO"});
  condicoes.push_back(Chance(75) ? ladoProprio + L" = " + ladoExterno : ladoExterno + L" = " + ladoProprio);
  if (Chance(25)) condicoes.push_back(proprio + L".R=" + Externo + L".R");
  if (Chance(50)) condicoes.push_back(proprio + L".TIPO = " + IntToStr(Ate(3)));
  if (comJuncao && Chance(60)) condicoes.push_back(juntado + L".TIPO = 1");
  if (Chance(10)) condicoes.push_back(L"COLUNA = " + ladoExterno);
  if (Chance(10) && Profundidade < 2)
    condicoes.push_back(proprio + L".Z IN (" + Palavra(L"SELECT") + L" Z.Z FROM ZT Z WHERE Z.Z = " + proprio + L".Z)");
  std::shuffle(condicoes.begin(), condicoes.end(), FGerador);
  if (Chance(3)) return s;  // no WHERE: outside the pass
  s += L" " + Palavra(L"WHERE") + L" ";
  for (size_t k = 0; k < condicoes.size(); ++k) s += (k ? L" " + Palavra(L"AND") + L" " : String()) + condicoes[k];
  return s;
}

String TEscritor::Item(int Profundidade) {
  String r;
  switch (Ate(14)) {
    case 0: r = Alias() + L"." + Preco(); break;
    case 1: r = String(Um({L" ", L"  ", L"   "})) + Preco(); break;
    case 2: r = Agregacao() + Um({L"(", L" (", L"  ("}) + (Chance(20) ? String(L"*") : Referencia()) + L")"; break;
    case 3:
    case 4: {
      const String sub = SubSelect(Chance(85) ? FExterno : Alias(), Profundidade);
      static const wchar_t* const Parenteses[][2] = {{L"((", L"))"}, {L"( (", L") )"}, {L" ((", L"))"}, {L"(", L")"}};
      const auto& forma = Parenteses[Ate(4)];
      r = Agregacao() + forma[0] + sub + forma[1];
      break;
    }
    case 5:
    case 6: r = Concatenacao(); break;
    case 7: r = Palavra(Um({L"SUBSTR", L"(SUBSTR"})) + Um({L"(", L" ("}) + Referencia() + L",1,2)"; break;
    case 8:
      r = L"CAST(" + Referencia() + L" AS " + Palavra(Um({L"DATE", L"NUMBER", L"NUMBER(10,2)", L"INTEGER"})) +
          Um({L")", L" )"});
      break;
    case 9: r = L"(" + Comando(Profundidade + 1) + L")"; break;
    case 10: r = Agregacao() + L"(" + Alias() + L"." + Preco() + L")" + Um({L" ", L""}) + Preco(); break;
    case 11: r = Palavra(L"CURRENT_DATE"); break;
    default: r = Referencia();
  }
  if (Chance(25)) r += String(Um({L" AS ", L" ", L" as "})) + Um({L"TOTAL", L"NOME", L"X", L"VALOR", L"DATE"});
  return r;
}

String TEscritor::Condicao() {
  switch (Ate(8)) {
    case 0: return Referencia() + L" " + Palavra(L"IN") + L" (" + Comando(2) + L")";
    case 1: return Palavra(L"SUBSTR") + L"(" + Referencia() + L", 1, 1) <> 'X'";
    case 2: return Alias() + L"." + Preco() + L" > " + Valor();
    default: return Referencia() + Um({L" = ", L"=", L" <= ", L" <> "}) + Valor();
  }
}

String TEscritor::Juncao() {
  String r = Palavra(Um({L"LEFT", L"INNER", L"RIGHT", L"FULL", L"LEFT OUTER", L""}));
  r += (r.empty() ? L"" : L" ") + Palavra(L"JOIN") + L" " + Tabela() + L" " + Alias() + L" " + Palavra(L"ON");
  const String condicao = Referencia() + L" = " + Referencia() +
                          (Chance(40) ? L" " + Palavra(L"AND") + L" " + Referencia() + L" = " + Valor() : String());
  switch (Ate(4)) {
    case 0: return r + L" (" + condicao + L")";
    case 1: return r + L"(" + condicao + L")";
    default: return r + L" " + condicao;
  }
}

// The FROM list; Externo gets the alias that sub-selects may refer to.
String TEscritor::ListaFrom(String& Externo) {
  Externo = Alias();
  String r = Tabela() + L" " + Externo;
  for (int n = Ate(4); n > 0; --n) r += Branco() + (Chance(20) ? L", " + Tabela() + L" " + Alias() : Juncao());
  return r;
}

String TEscritor::Comando(int Profundidade) {
  // Sub-selects of this level refer to this level's outer alias.
  const String externoAcima = FExterno;
  const String from = ListaFrom(FExterno);
  String s = Palavra(L"SELECT") + L" ";
  if (Chance(5)) s += Palavra(L"DISTINCT") + L" ";
  for (int k = 0, n = 1 + Ate(Profundidade ? 2 : 7); k < n; ++k)
    s += (k ? String(Um({L", ", L",", L" ,"})) + (Chance(15) ? Branco() : String()) : String()) + Item(Profundidade);
  s += Branco() + Palavra(L"FROM") + L" " + from;
  if (Chance(75)) {
    s += Branco() + Palavra(L"WHERE") + L" " + Condicao();
    for (int n = Ate(4); n > 0; --n) s += Branco() + Palavra(Um({L"AND", L"OR"})) + L" " + Condicao();
  }
  if (Chance(40)) s += Branco() + Palavra(L"GROUP BY") + L" " + Referencia() + (Chance(50) ? L", " + Alias() + L"." + Preco() : String());
  if (Chance(15)) s += Branco() + Palavra(L"ORDER BY") + L" " + Referencia();
  if (Profundidade == 0 && Chance(5)) s += L" " + Palavra(L"UNION ALL") + L" " + Comando(1);
  FExterno = externoAcima;
  return s;
}

TCasoGerado TEscritor::Caso() {
  TCasoGerado caso{String(), 1 + Ate(20), Chance(10)};
  switch (Ate(20)) {
    case 0: {  // the outer alias last, or before ")"
      const String externo = Alias();
      caso.Texto = Palavra(L"SELECT") + L" " + externo + L".A, " + Agregacao() + L"((" + SubSelect(externo, 1) +
                   L")) TOTAL " + Palavra(L"FROM") + L" " + Tabela() + L" " + externo;
      if (Chance(50)) caso.Texto = L"SELECT * FROM (" + caso.Texto + L")" + (Chance(50) ? L" D" : L"");
      break;
    }
    case 1: {  // a lifted sub-select of the common shape, its outer alias in the FROM list
      const String externo = Alias();
      caso.Texto = Palavra(L"SELECT") + L" " + externo + L".A, " + Agregacao() + L"((" + SubSelect(externo, 1) +
                   L")) TOTAL " + Palavra(L"FROM") + L" " + Tabela() + L" " + externo +
                   Um({L" ", L"\n", L"\r\n", L",", L" "}) + (Chance(50) ? Juncao() : String(L"")) + L" " +
                   Palavra(L"GROUP BY") + L" " + externo + L".A";
      break;
    }
    case 2: caso.Texto = Muta(Comando(0), FGerador, 1 + Ate(8)); break;
    case 3: {  // price columns only
      caso.Texto = L"select ";
      for (int n = 1 + Ate(5); n > 0; --n) caso.Texto += Item(1) + L", " + Alias() + L"." + Preco() + Branco() + L",";
      caso.Texto += L" I.ITEM from PEC_ITEM_ESTOQUE I where " + Condicao();
      break;
    }
    default: caso.Texto = Comando(0);
  }
  return caso;
}

uint32_t Fnv(uint32_t Hash, const String& Texto) {
  for (wchar_t c : Texto) {
    Hash = (Hash ^ (c & 0xFF)) * 16777619u;
    Hash = (Hash ^ ((c >> 8) & 0xFF)) * 16777619u;
  }
  return (Hash ^ 0xFFu) * 16777619u;  // ends the text
}

}  // namespace

String PedacoAoAcaso(std::mt19937& Gerador) {
  return Pedacos[std::uniform_int_distribution<size_t>(0, std::size(Pedacos) - 1)(Gerador)];
}

String Muta(String Texto, std::mt19937& Gerador, int Edicoes) {
  for (int e = 0; e < Edicoes; ++e) {
    const size_t n = Texto.size();
    const size_t p = std::uniform_int_distribution<size_t>(0, n)(Gerador);
    switch (std::uniform_int_distribution<int>(0, 2)(Gerador)) {
      case 0:
        Texto.erase(p, std::uniform_int_distribution<size_t>(1, 8)(Gerador));
        break;
      case 1:
        Texto.insert(p, PedacoAoAcaso(Gerador));
        break;
      default:
        Texto.insert(p, Texto.substr(std::uniform_int_distribution<size_t>(0, n)(Gerador), 40));
    }
  }
  return Texto;
}

TCasoGerado CasoGerado(uint32_t Indice) { return TEscritor(0x5EED0000u + Indice).Caso(); }

uint32_t AssinaturaConversao(const TCasoGerado& Caso) {
  uint32_t hash = 2166136261u;
  hash = Fnv(hash, ConverteSQL(Caso.Texto, L"SQLSERVER", Caso.Revenda, Caso.Forca));
  return Fnv(hash, ConverteSQL(Caso.Texto, L"INTERBASE", Caso.Revenda, Caso.Forca));
}
