// The translator's outputs on the generated corpus are those recorded: a
// rework of its mechanics changes no result.
#include <gtest/gtest.h>

#include <fstream>
#include <vector>

#include "sqlutil/KWYUtils.h"
#include "tests/sqlutil/GeradorSQL.h"

namespace {

std::vector<uint32_t> AssinaturasGravadas() {
  std::ifstream arquivo(ArquivoAssinaturas, std::ios::binary);
  std::vector<uint32_t> assinaturas;
  unsigned char b[4];
  while (arquivo.read(reinterpret_cast<char*>(b), 4))
    assinaturas.push_back(b[0] | b[1] << 8 | b[2] << 16 | static_cast<uint32_t>(b[3]) << 24);
  return assinaturas;
}

}  // namespace

TEST(Diferencial, OutputsOfTheGeneratedCorpusAreAsRecorded) {
  const std::vector<uint32_t> gravadas = AssinaturasGravadas();
  ASSERT_EQ(gravadas.size(), CasosGerados) << ArquivoAssinaturas;
  int diferentes = 0;
  for (uint32_t i = 0; i < CasosGerados; ++i) {
    const TCasoGerado caso = CasoGerado(i);
    if (AssinaturaConversao(caso) == gravadas[i]) continue;
    if (++diferentes <= 5)
      ADD_FAILURE() << "case " << i << ":\n" << ToUtf8(caso.Texto) << "\nSQL Server:\n"
                    << ToUtf8(ConverteSQL(caso.Texto, L"SQLSERVER", caso.Revenda, caso.Forca)) << "\nFirebird:\n"
                    << ToUtf8(ConverteSQL(caso.Texto, L"INTERBASE", caso.Revenda, caso.Forca));
  }
  EXPECT_EQ(diferentes, 0);
}
