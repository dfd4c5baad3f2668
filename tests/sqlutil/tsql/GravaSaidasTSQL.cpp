// Writes what the translator makes, for SQL Server, of its test tables, of
// the statements of its benchmark and of a generated set of
// concatenations, for the T-SQL parse check
// (ConfereTSQL.py) that reads the file after it:
//   grava_saidas_tsql OUTPUTS
// Each case is two lines of UTF-8: "#", its name and, after a tab, why its
// output is not T-SQL when it is not; then the output.
#include <cstdio>
#include <fstream>
#include <initializer_list>

#include "sqlutil/KWYUtils.h"
#include "tests/sqlutil/CasosConverteSQL.h"
#include "tests/sqlutil/CorpusSQL.h"
#include "vcl/rtl/SysUtils.h"

namespace {

// Operands of "||" of every kind the translator must cast whole.
const wchar_t* const Operandos[] = {
    L"C.NOME",
    L"P.CODIGO",
    L"' ('",
    L"')'",
    L"', '",
    L"' - '",
    L"'it''s'",
    L"' '' ('",
    L"(C.NOME)",
    L"( C.NOME )",
    L"(C.NUMERO + 1)",
    L"TRIM(C.NOME)",
    L"UPPER(TRIM(C.NOME))",
    L"SUBSTR(P.CODIGO, 1, 3)",
    L"COALESCE(C.NOME, '')",
    L"COALESCE(C.CIDADE, ' (')",
    L"CAST(C.NUMERO AS VARCHAR(10))",
    L"1",
    L"10.5",
    L"SUBSTR (P.CODIGO, 1, 3)",
    L"COALESCE (C.NOME, '')",
    L"CASE WHEN C.ID = 1 THEN 'S' ELSE 'N' END",
    L"C.ID + 1",
    L"MAX(C.NOME)",
};

// The places of a concatenation in a statement.
const wchar_t* const Formas[] = {
    L"SELECT %s X FROM GER_CLIENTE C JOIN PEC_ITEM P ON P.ID = C.ID",
    L"SELECT %s AS X FROM GER_CLIENTE C JOIN PEC_ITEM P ON P.ID = C.ID",
    L"SELECT C.ID, %s, C.UF FROM GER_CLIENTE C JOIN PEC_ITEM P ON P.ID = C.ID",
    L"SELECT C.ID FROM GER_CLIENTE C JOIN PEC_ITEM P ON P.ID = C.ID WHERE C.NOME = %s",
    L"SELECT UPPER(%s) FROM GER_CLIENTE C JOIN PEC_ITEM P ON P.ID = C.ID",
};

const wchar_t* const Barras[] = {L" || ", L"||", L" ||", L"|| "};

class TGravador {
public:
  explicit TGravador(const char* Arquivo) : FSaida(Arquivo, std::ios::binary) {}
  void Grava(const String& Nome, const String& Texto, const wchar_t* NaoETSQL = nullptr) {
    FSaida << '#' << ToUtf8(Nome);
    if (NaoETSQL) FSaida << '\t' << ToUtf8(NaoETSQL);
    FSaida << '\n' << ToUtf8(ConverteSQL(Texto, L"SQLSERVER", 1, false)) << '\n';
  }
  bool Bem() const { return FSaida.good(); }

private:
  std::ofstream FSaida;
};

String NaForma(const wchar_t* Forma, const String& Concatenacao) {
  return StringReplace(Forma, L"%s", Concatenacao, TReplaceFlags());
}

// Every pair of operands in every place, and every triple in one place.
void GravaConcatenacoes(TGravador& Gravador) {
  size_t n = 0;
  for (const wchar_t* a : Operandos)
    for (const wchar_t* b : Operandos) {
      for (const wchar_t* forma : Formas) {
        const String texto = NaForma(forma, String(a) + Barras[n++ % std::size(Barras)] + b);
        Gravador.Grava(texto, texto);
      }
      for (const wchar_t* c : Operandos) {
        const String concatenacao =
            String(a) + Barras[n % std::size(Barras)] + b + Barras[(n + 1) % std::size(Barras)] + c;
        const String texto = NaForma(Formas[n++ % std::size(Formas)], concatenacao);
        Gravador.Grava(texto, texto);
      }
    }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: grava_saidas_tsql OUTPUTS\n");
    return 2;
  }
  TGravador gravador(argv[1]);
  for (std::span<const TCasoConversao> tabela :
       {CasosEspacoAgregacao, CasosCondicoesOn, CasosConcatenacao, CasosOperandosInteiros, CasosNomes})
    for (const TCasoConversao& caso : tabela) gravador.Grava(caso.Nome, caso.Texto, caso.NaoETSQL);
  for (const String& texto : CorpusSQL()) gravador.Grava(L"benchmark: " + texto.substr(0, 40), texto);
  GravaConcatenacoes(gravador);
  return gravador.Bem() ? 0 : 1;
}
