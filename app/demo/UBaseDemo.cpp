#include "app/demo/UBaseDemo.h"

#include <tuple>

#include "vcl/data/SqlExpr.h"
#include "vcl/rtl/SysUtils.h"

const std::vector<String>& ComandosEsquemaDemo() {
  static const std::vector<String> comandos{
      L"CREATE TABLE GER_DBVERSAO (VERSAO VARCHAR(20) NOT NULL)",
      L"CREATE TABLE FAT_OPERACAO ("
      L" EMPRESA INTEGER NOT NULL, REVENDA INTEGER NOT NULL, OPERACAO INTEGER NOT NULL,"
      L" DTA_OPERACAO TIMESTAMP NOT NULL,"
      L" CONSTRAINT PK_FAT_OPERACAO PRIMARY KEY (EMPRESA, REVENDA, OPERACAO))",
      L"CREATE TABLE GER_OPERACAO ("
      L" EMPRESA INTEGER NOT NULL, REVENDA INTEGER NOT NULL, OPERACAO INTEGER NOT NULL,"
      L" DTA_OPERACAO TIMESTAMP NOT NULL, DES_OPERACAO VARCHAR(60), USUARIO INTEGER NOT NULL,"
      L" CONSTRAINT PK_GER_OPERACAO PRIMARY KEY (EMPRESA, REVENDA, OPERACAO))",
      L"CREATE TABLE FAT_MOVIMENTO_CAPA ("
      L" EMPRESA INTEGER NOT NULL, REVENDA INTEGER NOT NULL, NUMERO_NOTA_FISCAL BIGINT NOT NULL,"
      L" SERIE_NOTA_FISCAL VARCHAR(5) NOT NULL, TIPO_TRANSACAO VARCHAR(3) NOT NULL,"
      L" CONTADOR INTEGER NOT NULL, DTA_ENTRADA_SAIDA TIMESTAMP NOT NULL, STATUS CHAR(1) NOT NULL,"
      L" FATOPERACAO INTEGER, OPERACAO INTEGER,"
      L" CONSTRAINT PK_FAT_MOVIMENTO_CAPA PRIMARY KEY"
      L" (EMPRESA, REVENDA, NUMERO_NOTA_FISCAL, SERIE_NOTA_FISCAL, TIPO_TRANSACAO, CONTADOR))",
      L"CREATE TABLE FAT_OPERACAO_CONDICAO ("
      L" EMPRESA INTEGER NOT NULL, REVENDA INTEGER NOT NULL, OPERACAO INTEGER NOT NULL,"
      L" PARCELA INTEGER NOT NULL, DTA_VENCIMENTO TIMESTAMP NOT NULL, VALOR NUMERIC(15,2) NOT NULL,"
      L" CONSTRAINT PK_FAT_OPERACAO_CONDICAO PRIMARY KEY (EMPRESA, REVENDA, OPERACAO, PARCELA),"
      L" CONSTRAINT FK_CONDICAO_FAT_OPERACAO FOREIGN KEY (EMPRESA, REVENDA, OPERACAO)"
      L" REFERENCES FAT_OPERACAO (EMPRESA, REVENDA, OPERACAO))",
  };
  return comandos;
}

namespace {

String Timestamp(int Mes, int Dia) {
  return Format(L"TIMESTAMP '2022-%.2d-%.2d 00:00:00'", {Mes, Dia});
}

}  // namespace

std::vector<String> ComandosCapasDemo(int Empresa, int Revenda, int PrimeiraNota, int Quantidade) {
  std::vector<String> comandos;
  comandos.reserve(static_cast<size_t>(Quantidade) * 6);
  for (int i = 0; i < Quantidade; ++i) {
    // The old operations carry the invoice's number, so they never collide.
    const int nota = PrimeiraNota + i;
    const String chave = Format(L"%d, %d, %d", {Empresa, Revenda, nota});
    const String emissao = Timestamp(7, 1 + i % 28);
    comandos.push_back(L"INSERT INTO FAT_OPERACAO VALUES (" + chave + L", " + emissao + L")");
    comandos.push_back(L"INSERT INTO GER_OPERACAO VALUES (" + chave + L", " + emissao +
                       L", 'VENDA DE VEICULO', 1)");
    comandos.push_back(Format(L"INSERT INTO FAT_MOVIMENTO_CAPA VALUES (%d, %d, %d, '1', 'V21', 1, ",
                              {Empresa, Revenda, nota}) +
                       emissao + Format(L", 'F', %d, %d)", {nota, nota}));
    for (int parcela = 1; parcela <= 2; ++parcela)
      comandos.push_back(
          Format(L"INSERT INTO FAT_OPERACAO_CONDICAO VALUES (%s, %d, ", {chave, parcela}) +
          Timestamp(7 + parcela, 1 + i % 28) + L", 1500.00)");
  }
  return comandos;
}

void PreparaBaseDemo(TSQLConnection& Conexao) {
  ExecutaComandos(Conexao, ComandosEsquemaDemo());
  std::vector<String> dados{L"INSERT INTO GER_DBVERSAO VALUES ('2022.08.03')"};
  for (const auto& [empresa, revenda, primeira, quantidade] :
       {std::tuple{1, 1, 1001, 12}, std::tuple{1, 2, 5001, 5}, std::tuple{2, 1, 7001, 4}}) {
    const auto capas = ComandosCapasDemo(empresa, revenda, primeira, quantidade);
    dados.insert(dados.end(), capas.begin(), capas.end());
  }
  // Headers of other statuses, which a run never touches.
  dados.push_back(
      L"INSERT INTO FAT_MOVIMENTO_CAPA VALUES (1, 1, 1101, '1', 'V21', 1, "
      L"TIMESTAMP '2022-07-05 00:00:00', 'C', NULL, NULL)");
  dados.push_back(
      L"INSERT INTO FAT_MOVIMENTO_CAPA VALUES (1, 1, 1102, '1', 'V21', 1, "
      L"TIMESTAMP '2022-07-06 00:00:00', 'A', NULL, NULL)");
  ExecutaComandos(Conexao, dados);
}

void ExecutaComandos(TSQLConnection& Conexao, const std::vector<String>& Comandos) {
  TTransactionDesc transacao;
  transacao.TransactionID = 1;
  Conexao.StartTransaction(transacao);
  try {
    for (const String& comando : Comandos) Conexao.ExecuteDirect(comando);
    Conexao.Commit(transacao);
  } catch (...) {
    Conexao.Rollback(transacao);
    throw;
  }
}
