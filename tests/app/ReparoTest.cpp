#include <gtest/gtest.h>

#include "app/UAplicacaoLibrary.h"
#include "app/demo/UBaseDemo.h"
#include "tests/app/Ambiente.h"
#include "tests/guiharness/GuiDriver.h"
#include "vcl/controls/ComCtrls.h"
#include "vcl/controls/StdCtrls.h"
#include "vcl/data/SqlExpr.h"
#include "vcl/rtl/DateUtils.h"

namespace {

const String Concluido = L"Processo concluído.";
const String NadaEncontrado = L"Nenhum registro encontrado com os filtros informados.";
const String FiltroInvalido =
    L"Os dados da nota ou intervalo de datas devem ser informados. "
    L"Empresa/Revenda são obrigatórios.";
const String PrefixoDeErro = L"Processo concluído com erros, operação será abortada - ";

// The invoices of PreparaNotas, and the window open on them.
class Reparo : public ::testing::Test {
protected:
  Reparo() {
    PreparaNotas(base);
    pasta.Escreve(L"conexao.dat", L"BANCODADOS=INTERBASE\r\nDATABASE=" + base.Path() + L"\r\n");
    janela.reset(new TJanelaDeTeste);
    Clica((*janela)->btnAbriBD);
  }

  TForm1& Janela() { return **janela; }

  void Filtro(const String& E, const String& R, const String& N = String(),
              const String& S = String(), const String& T = String(), const String& C = String()) {
    const std::pair<TEdit*, String> campos[] = {
        {Janela().edtEmpresa, E}, {Janela().edtRevenda, R},   {Janela().edtNota, N},
        {Janela().edtSerie, S},   {Janela().edtTransacao, T}, {Janela().edtContador, C}};
    for (const auto& [edicao, texto] : campos) edicao->SetText(texto);
  }
  void Datas(TDateTime Inicial, bool InicialMarcada, TDateTime Final, bool FinalMarcada) {
    Janela().dtpInicial->SetDateTime(Inicial);
    Janela().dtpInicial->SetChecked(InicialMarcada);
    Janela().dtpFinal->SetDateTime(Final);
    Janela().dtpFinal->SetChecked(FinalMarcada);
  }
  // Runs the repair, answering its one dialog, and gives that dialog's text.
  String Executa() {
    dialogos.Answer(mrOk);
    Clica(Janela().btnGerar);
    EXPECT_EQ(Screen->Cursor(), crDefault);
    return dialogos.Messages().empty() ? String() : dialogos.Messages().back().Text;
  }

  TPastaDeTrabalho pasta;
  TBaseDeTeste base;
  TScriptedDialogs dialogos;
  std::unique_ptr<TJanelaDeTeste> janela;
};

}  // namespace

TEST_F(Reparo, RenumbersTheMatchingClosedHeadersInOneTransaction) {
  Filtro(L"1", L"1");
  Datas(EncodeDate(2022, 7, 1), true, EncodeDate(2022, 7, 31), true);
  const String antes = base.Tudo();
  EXPECT_EQ(Executa(), Concluido);
  EXPECT_EQ(dialogos.Messages().back().DlgType, mtInformation);

  // Two headers, four numbering calls: invoicing, general, invoicing, general.
  EXPECT_EQ(base.Linhas(L"select TABELA, OPERACAO from LOG_OPERACAO order by SEQ"),
            L"FAT_OPERACAO|12\nGER_OPERACAO|12\nFAT_OPERACAO|13\nGER_OPERACAO|13\n");
  EXPECT_EQ(base.Linhas(L"select NUMERO_NOTA_FISCAL, REVENDA, STATUS, FATOPERACAO, OPERACAO "
                        L"from FAT_MOVIMENTO_CAPA order by NUMERO_NOTA_FISCAL"),
            L"1001|1|F|12|12\n1002|1|F|13|13\n1003|1|C|11|11\n1004|2|F|8|\n1005|1|F|11|11\n"
            L"1006|1|F||\n");
  EXPECT_EQ(
      base.Linhas(
          L"select EMPRESA, REVENDA, OPERACAO, cast(cast(DTA_OPERACAO as date) as varchar(10)) "
          L"from FAT_OPERACAO where OPERACAO > 11 order by OPERACAO"),
      L"1|1|12|2022-07-10\n1|1|13|2022-07-11\n");
  EXPECT_EQ(
      base.Linhas(
          L"select EMPRESA, REVENDA, OPERACAO, cast(cast(DTA_OPERACAO as date) as varchar(10)), "
          L"DES_OPERACAO, USUARIO from GER_OPERACAO where OPERACAO > 11 order by OPERACAO"),
      L"1|1|12|2022-07-10|ATUALIZACAO OPERACAO NOTA |0\n"
      L"1|1|13|2022-07-11|ATUALIZACAO OPERACAO NOTA |0\n");
  // The conditions of operation 10 moved to 12; those of operation 0 stayed.
  EXPECT_EQ(base.Linhas(L"select REVENDA, OPERACAO, PARCELA, VALOR from FAT_OPERACAO_CONDICAO "
                        L"order by REVENDA, OPERACAO, PARCELA"),
            L"1|0|1|10\n1|11|1|300\n1|12|1|100\n1|12|2|200\n2|8|1|400\n");
  EXPECT_NE(base.Tudo(), antes);
  EXPECT_EQ(Janela().BancoDados, L"INTERBASE");
  EXPECT_EQ(Janela().Aplicacao->Empresa(), 1);
  EXPECT_EQ(Janela().Aplicacao->Revenda(), 1);
  EXPECT_EQ(Janela().Aplicacao->BancoDados(), L"INTERBASE");
  EXPECT_FALSE(Janela().SQLConnection->InTransaction());
}

TEST_F(Reparo, AHeaderWithoutOperationGetsNoConditionUpdate) {
  Filtro(L"1", L"1", L"1006", L"2", L"V22", L"3");
  EXPECT_EQ(Executa(), Concluido);
  EXPECT_EQ(base.Linhas(L"select FATOPERACAO, OPERACAO from FAT_MOVIMENTO_CAPA "
                        L"where NUMERO_NOTA_FISCAL = 1006"),
            L"12|12\n");
  EXPECT_EQ(base.Linhas(L"select count(*) from FAT_OPERACAO_CONDICAO where OPERACAO = 12"), L"0\n");
}

TEST_F(Reparo, AStatementFailingHalfWayLeavesEveryTableAsItWas) {
  base.Execute({L"create exception CAPA_BLOQUEADA 'Capa bloqueada para o teste'",
                L"create trigger BLOQUEIA for FAT_MOVIMENTO_CAPA before update as begin "
                L"if (new.NUMERO_NOTA_FISCAL = 1002) then exception CAPA_BLOQUEADA; end"});
  Filtro(L"1", L"1");
  Datas(EncodeDate(2022, 7, 1), true, EncodeDate(2022, 7, 31), true);
  const String antes = base.Tudo();
  const String mensagem = Executa();
  EXPECT_EQ(mensagem.rfind(PrefixoDeErro, 0), 0u) << ToUtf8(mensagem);
  EXPECT_NE(mensagem.find(L"Capa bloqueada para o teste"), String::npos) << ToUtf8(mensagem);
  EXPECT_EQ(dialogos.Messages().back().DlgType, mtError);
  EXPECT_EQ(base.Tudo(), antes);
  EXPECT_EQ(base.Linhas(L"select count(*) from LOG_OPERACAO"), L"0\n");
  EXPECT_TRUE(Janela().Erro);
  EXPECT_FALSE(Janela().SQLConnection->InTransaction());

  // The failure left nothing behind: a run after the trigger is gone works.
  base.Execute({L"drop trigger BLOQUEIA"});
  EXPECT_EQ(Executa(), Concluido);
  EXPECT_EQ(base.Linhas(L"select FATOPERACAO from FAT_MOVIMENTO_CAPA where NUMERO_NOTA_FISCAL in "
                        L"(1001, 1002) order by 1"),
            L"12\n13\n");
}

// The server refuses the commit: the run's transaction is rolled back, not
// left open for a later statement of the connection to commit.
TEST_F(Reparo, ARefusedCommitLeavesEveryTableAsItWas) {
  base.Execute({L"create exception COMMIT_RECUSADO 'Commit recusado para o teste'",
                L"create trigger RECUSA_COMMIT on transaction commit as begin "
                L"if (exists(select 1 from FAT_MOVIMENTO_CAPA where FATOPERACAO = 12)) then "
                L"exception COMMIT_RECUSADO; end"});
  Filtro(L"1", L"1");
  Datas(EncodeDate(2022, 7, 1), true, EncodeDate(2022, 7, 31), true);
  const String antes = base.Tudo();
  const String mensagem = Executa();
  EXPECT_NE(mensagem.find(L"Commit recusado para o teste"), String::npos) << ToUtf8(mensagem);
  EXPECT_EQ(TextosDosDialogos(dialogos).size(), 1u);
  EXPECT_FALSE(Janela().SQLConnection->InTransaction());
  EXPECT_EQ(base.Tudo(), antes);
  EXPECT_EQ(base.Linhas(L"select count(*) from LOG_OPERACAO"), L"0\n");

  base.Execute({L"drop trigger RECUSA_COMMIT"});
  EXPECT_EQ(Executa(), Concluido);
  EXPECT_EQ(base.Linhas(L"select count(*) from LOG_OPERACAO"), L"4\n");
}

TEST_F(Reparo, FiltersThatRunNothing) {
  const struct {
    const wchar_t* Caso;
    std::function<void()> Prepara;
    String Mensagem;
    TMsgDlgType Tipo;
  } casos[] = {
      {L"no such invoice", [&] { Filtro(L"1", L"1", L"9999", L"1", L"V21", L"1"); }, NadaEncontrado,
       mtWarning},
      {L"quotes stay inside the series",
       [&] { Filtro(L"1", L"1", L"1001", L"1' OR '1'='1", L"V21", L"1"); }, NadaEncontrado,
       mtWarning},
      {L"invoice key without counter", [&] { Filtro(L"1", L"1", L"1001", L"1", L"V21"); },
       FiltroInvalido, mtWarning},
      {L"no dealer",
       [&] {
         Filtro(L"1", L"", L"1001", L"1", L"V21", L"1");
         Datas(EncodeDate(2022, 7, 1), true, EncodeDate(2022, 7, 31), true);
       },
       FiltroInvalido, mtWarning},
      {L"only the start date",
       [&] {
         Filtro(L"1", L"1");
         Datas(EncodeDate(2022, 7, 1), true, EncodeDate(2022, 7, 31), false);
       },
       FiltroInvalido, mtWarning},
      // The start date alone adds the range, up to the end picker's value.
      {L"invoice key and start date",
       [&] {
         Filtro(L"1", L"1", L"1001", L"1", L"V21", L"1");
         Datas(EncodeDate(2022, 7, 1), true, EncodeDate(2022, 7, 5), false);
       },
       NadaEncontrado, mtWarning},
      {L"pasted text in a number field",
       [&] { Filtro(L"1", L"1 OR 1=1", L"1001", L"1", L"V21", L"1"); },
       L"O campo Revenda deve conter apenas números.", mtWarning},
  };
  const String antes = base.Tudo();
  for (const auto& caso : casos) {
    SCOPED_TRACE(ToUtf8(caso.Caso));
    Datas(Now(), false, Now(), false);
    caso.Prepara();
    EXPECT_EQ(Executa(), caso.Mensagem);
    EXPECT_EQ(dialogos.Messages().back().DlgType, caso.Tipo);
    EXPECT_FALSE(Janela().SQLConnection->InTransaction());
  }
  EXPECT_EQ(base.Tudo(), antes);
  EXPECT_EQ(base.Linhas(L"select count(*) from LOG_OPERACAO"), L"0\n");
}

TEST_F(Reparo, TheEndDateAloneAddsNoRange) {
  Filtro(L"1", L"1", L"1001", L"1", L"V21", L"1");
  Datas(EncodeDate(2022, 7, 1), false, EncodeDate(2022, 7, 5), true);
  EXPECT_EQ(Executa(), Concluido);
  EXPECT_EQ(
      base.Linhas(L"select FATOPERACAO from FAT_MOVIMENTO_CAPA where NUMERO_NOTA_FISCAL = 1001"),
      L"12\n");
}

TEST_F(Reparo, NeedsTheConnectionOpen) {
  Clica(Janela().btnAbriBD);  // closes it
  Filtro(L"1", L"1", L"1001", L"1", L"V21", L"1");
  EXPECT_EQ(Executa(),
            L"É necessário abrir conexão com o banco de dados antes de executar o processo.");
  EXPECT_EQ(dialogos.Messages().back().DlgType, mtError);
  EXPECT_EQ(base.Linhas(L"select count(*) from LOG_OPERACAO"), L"0\n");
}
