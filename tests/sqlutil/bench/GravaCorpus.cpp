// Records the signatures of the translator's outputs on the generated
// corpus, which the differential test compares against; with a second
// argument, also writes every case and its outputs as text (UTF-8), to see
// what a change of the translator changed:
//   wine build/tests/sqlutil/grava_corpus_sql.exe tests/sqlutil/corpus/ConverteSQL.assinaturas [saidas.txt]
#include <cstdio>
#include <fstream>

#include "sqlutil/KWYUtils.h"
#include "tests/sqlutil/GeradorSQL.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: grava_corpus_sql SIGNATURES [OUTPUTS]\n");
    return 2;
  }
  std::ofstream assinaturas(argv[1], std::ios::binary);
  std::ofstream saidas;
  if (argc > 2) saidas.open(argv[2], std::ios::binary);
  for (uint32_t i = 0; i < CasosGerados; ++i) {
    const TCasoGerado caso = CasoGerado(i);
    const uint32_t a = AssinaturaConversao(caso);
    const char b[4] = {char(a & 0xFF), char(a >> 8 & 0xFF), char(a >> 16 & 0xFF), char(a >> 24 & 0xFF)};
    assinaturas.write(b, 4);
    if (saidas.is_open())
      saidas << "#" << i << "\n" << ToUtf8(caso.Texto) << "\n=S\n"
             << ToUtf8(ConverteSQL(caso.Texto, L"SQLSERVER", caso.Revenda, caso.Forca)) << "\n=I\n"
             << ToUtf8(ConverteSQL(caso.Texto, L"INTERBASE", caso.Revenda, caso.Forca)) << "\n";
  }
  return assinaturas ? 0 : 1;
}
