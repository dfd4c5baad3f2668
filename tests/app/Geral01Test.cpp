#include <gtest/gtest.h>

#include "app/UAplicacaoLibrary.h"
#include "bizlibs/ZQGeral01/ZQGeral01.h"
#include "tests/app/Ambiente.h"

namespace {

// The library with its work started for a database that holds operations
// 1 to 3 of company 1, dealer 1 and operation 8 of dealer 2.
class Geral01 : public ::testing::Test {
protected:
  Geral01() {
    base.Execute({L"insert into FAT_OPERACAO values (1, 1, 3, current_timestamp)",
                  L"insert into FAT_OPERACAO values (1, 2, 8, current_timestamp)",
                  L"insert into GER_OPERACAO values (1, 1, 1, current_timestamp, 'X', 0)"});
    DLL_InicializaGeral01(L"2022.08.03", 0);
    contexto.SetEmpresa(1);
    contexto.SetRevenda(1);
    contexto.SetBancoDados(L"INTERBASE");
  }
  ~Geral01() override { DLL_FinalizaGeral01(0); }

  int Proximo(const wchar_t* Tabela, int Revenda = 1) {
    DLL_AtualizaTAplicacaoGeral01(&contexto, conexao.get(), 0);
    return DLL_BuscaProximoNumeroTran(conexao.get(), 1, Revenda, Tabela, L"OPERACAO", 1,
                                      L"INTERBASE", 0, 0);
  }

  TBaseDeTeste base;
  std::unique_ptr<TSQLConnection> conexao = base.Connect();
  TAplicacaoLibrary contexto{nullptr};
  TTransactionDesc transacao{1, 0, xilREADCOMMITTED, 0};
};

}  // namespace

TEST_F(Geral01, NumbersFollowWhatTheOpenTransactionHoldsPerTableCompanyAndDealer) {
  conexao->StartTransaction(transacao);
  EXPECT_EQ(Proximo(L"FAT_OPERACAO"), 4);
  EXPECT_EQ(Proximo(L"FAT_OPERACAO", 2), 9);
  EXPECT_EQ(Proximo(L"GER_OPERACAO"), 2);
  EXPECT_EQ(Proximo(L"GER_OPERACAO", 3), 1);
  conexao->ExecuteDirect(L"insert into FAT_OPERACAO values (1, 1, 4, current_timestamp)");
  EXPECT_EQ(Proximo(L"FAT_OPERACAO"), 5);
  conexao->Rollback(transacao);
  conexao->StartTransaction(transacao);
  EXPECT_EQ(Proximo(L"FAT_OPERACAO"), 4);  // the rolled-back row held nothing
  conexao->Rollback(transacao);
}

// An exception made in the library, with its message, is caught by its
// class and freed here: the modules share one allocator.
TEST_F(Geral01, RefusalsCrossTheModuleBoundaryAsTheFrameworksExceptions) {
  const struct {
    const wchar_t* Caso;
    std::function<void()> Chamada;
    const wchar_t* Mensagem;
  } casos[] = {
      {L"no transaction", [&] { Proximo(L"FAT_OPERACAO"); }, L"transação aberta"},
      {L"table name with SQL in it",
       [&] {
         conexao->StartTransaction(transacao);
         Proximo(L"FAT_OPERACAO where 1=1 --");
       },
       L"nome de tabela ou coluna inválido"},
      {L"another connection",
       [&] {
         const std::unique_ptr<TSQLConnection> outra = base.Connect();
         DLL_AtualizaTAplicacaoGeral01(&contexto, conexao.get(), 0);
         DLL_BuscaProximoNumeroTran(outra.get(), 1, 1, L"FAT_OPERACAO", L"OPERACAO", 1,
                                    L"INTERBASE", 0, 0);
       },
       L"contexto da aplicação não foi atualizado"},
      {L"after the work ended",
       [&] {
         DLL_FinalizaGeral01(0);
         Proximo(L"FAT_OPERACAO");
       },
       L"biblioteca não inicializada"},
  };
  for (const auto& caso : casos) {
    try {
      caso.Chamada();
      ADD_FAILURE() << "no exception: " << ToUtf8(caso.Caso);
    } catch (const Exception& E) {
      EXPECT_NE(E.Message().find(caso.Mensagem), String::npos) << ToUtf8(E.Message());
    }
  }
  if (conexao->InTransaction()) conexao->Rollback(transacao);
}
