// The tool against a real Firebird server, which checks every login and
// reads database names as its own: the program runs with a server process
// (tests/dbfixture/firebird-server.sh).
#include <gtest/gtest.h>

#include "app/UAplicacaoLibrary.h"
#include "tests/app/Ambiente.h"
#include "tests/dbfixture/FirebirdServer.h"
#include "tests/guiharness/GuiDriver.h"
#include "vcl/controls/ComCtrls.h"
#include "vcl/data/SqlExpr.h"
#include "vcl/rtl/DateUtils.h"
#include "vcl/rtl/Strings.h"
#include "vcl/rtl/WinApi.h"

namespace {

const String Concluido = L"Processo concluído.";
const String PrefixoDeErro = L"Processo concluído com erros, operação será abortada - ";

// A database of the server with the invoices of PreparaNotas, and the tool's
// folder with "conexao.dat" naming it.
class ServidorFirebird : public ::testing::Test {
protected:
  ServidorFirebird() { PreparaNotas(base); }

  void Arquivo(const String& Base, const String& Extra = String()) {
    pasta.Escreve(L"conexao.dat", L"BANCODADOS=INTERBASE\r\nDATABASE=" + Base + L"\r\n" + Extra);
  }
  // Opens the connection through the window and answers a dialog it shows.
  void Abre(TJanelaDeTeste& Janela) {
    dialogos.Answer(mrOk);
    Clica(Janela->btnAbriBD);
  }
  // Runs the repair over the closed invoices of company 1, dealer 1 and
  // the given number (all of July when none) and gives its dialog's text.
  String Executa(TJanelaDeTeste& Janela, const String& Nota = String()) {
    Janela->edtEmpresa->SetText(L"1");
    Janela->edtRevenda->SetText(L"1");
    const std::pair<TEdit*, String> nota[] = {{Janela->edtNota, Nota},
                                              {Janela->edtSerie, Nota.empty() ? L"" : L"1"},
                                              {Janela->edtTransacao, Nota.empty() ? L"" : L"V21"},
                                              {Janela->edtContador, Nota.empty() ? L"" : L"1"}};
    for (const auto& [edicao, texto] : nota) edicao->SetText(texto);
    Janela->dtpInicial->SetDateTime(EncodeDate(2022, 7, 1));
    Janela->dtpInicial->SetChecked(Nota.empty());
    Janela->dtpFinal->SetDateTime(EncodeDate(2022, 7, 31));
    Janela->dtpFinal->SetChecked(Nota.empty());
    dialogos.Answer(mrOk);
    Clica(Janela->btnGerar);
    return dialogos.Messages().empty() ? String() : dialogos.Messages().back().Text;
  }

  TFirebirdServer servidor;
  TPastaDeTrabalho pasta;
  // Its path has small letters, which a server on Linux tells from capitals.
  TBaseDeTeste base{servidor.DatabaseName(L"base.fdb"), TFirebirdServer::SysdbaPassword};
  TScriptedDialogs dialogos;
};

}  // namespace

// The path after "host/port:" or "inet://host:port" is the server's own.
String CaminhoNoServidor(const String& Nome) { return Copy(Nome, Pos(L":", Nome) + 1); }

TEST_F(ServidorFirebird, OpensByTheServersNameWithTheStandardLoginAndReadsTheVersion) {
  for (const String& nome :
       {base.Path(),  // an absolute path after the URL's own slash
        L"inet://127.0.0.1:" + IntToStr(servidor.Port()) + L"/" + CaminhoNoServidor(base.Path())}) {
    SCOPED_TRACE(ToUtf8(nome));
    Arquivo(nome);
    TJanelaDeTeste janela;
    EXPECT_EQ(janela->edtBaseDados->Text(), nome);  // never upper-cased
    Clica(janela->btnAbriBD);
    EXPECT_TRUE(dialogos.Messages().empty()) << ToUtf8(TextosDosDialogos(dialogos).at(0));
    EXPECT_TRUE(janela->SQLConnection->Connected());
    EXPECT_EQ(janela->lblSituacao->Caption(), L"[Aberto]");
    EXPECT_EQ(janela->Aplicacao->VersaoBD(), L"2022.08.03");
    EXPECT_EQ(janela->SQLConnection->Params()->Values(L"DataBase"), nome);
    EXPECT_EQ(janela->SQLConnection->Params()->Values(L"Password"), TFirebirdServer::SysdbaPassword);
    Clica(janela->btnAbriBD);
    EXPECT_FALSE(janela->SQLConnection->Connected());
  }
}

// Typed by the operator, a name on a server keeps the case of its path;
// a local one is upper-cased as before.
TEST_F(ServidorFirebird, ATypedServerNameKeepsItsCase) {
  TJanelaDeTeste janela;
  janela->edtBaseDados->SetFocus();
  for (const wchar_t letra : base.Path())
    SendMessageW(janela->edtBaseDados->Handle(), WM_CHAR, letra, 1);
  EXPECT_EQ(janela->edtBaseDados->Text(), base.Path());
  EXPECT_EQ(FocusedControl(), janela->edtBaseDados);
  janela->cbxBD->SetItemIndex(0);
  Clica(janela->btnAbriBD);
  EXPECT_TRUE(janela->SQLConnection->Connected());
  Clica(janela->btnAbriBD);

  janela->edtBaseDados->SetText(String());
  janela->edtBaseDados->SetFocus();
  for (const wchar_t letra : String(L"c:\\dados\\base.fdb"))
    SendMessageW(janela->edtBaseDados->Handle(), WM_CHAR, letra, 1);
  EXPECT_EQ(janela->edtBaseDados->Text(), L"C:\\DADOS\\BASE.FDB");
}

TEST_F(ServidorFirebird, TheOtherPasswordIsRefusedByTheServerAndTheStateStaysClosed) {
  Arquivo(base.Path(), L"[USUARIOPADRAOFIREBIRD]=NAO\r\n");
  TJanelaDeTeste janela;
  Abre(janela);
  EXPECT_EQ(janela->SQLConnection->Params()->Values(L"Password"), L"quarzo");
  ASSERT_EQ(dialogos.Messages().size(), 1u);
  EXPECT_EQ(dialogos.Messages()[0].DlgType, mtError);
  EXPECT_NE(dialogos.Messages()[0].Text.find(L"Your user name and password are not defined"), String::npos)
      << ToUtf8(dialogos.Messages()[0].Text);
  EXPECT_FALSE(janela->SQLConnection->Connected());
  EXPECT_EQ(janela->lblSituacao->Caption(), L"[Fechado]");
  EXPECT_EQ(janela->btnAbriBD->Caption(), L"Abrir B.D.");
}

TEST_F(ServidorFirebird, AServerThatIsNotListeningFailsWithFirebirdsMessage) {
  Arquivo(L"127.0.0.1/1:" + CaminhoNoServidor(base.Path()));  // nothing listens on port 1
  TJanelaDeTeste janela;
  Abre(janela);
  ASSERT_EQ(dialogos.Messages().size(), 1u);
  EXPECT_EQ(dialogos.Messages()[0].DlgType, mtError);
  EXPECT_NE(dialogos.Messages()[0].Text.find(L"Unable to complete network request to host \"127.0.0.1\""),
            String::npos)
      << ToUtf8(dialogos.Messages()[0].Text);
  EXPECT_FALSE(janela->SQLConnection->Connected());
  EXPECT_EQ(janela->lblSituacao->Caption(), L"[Fechado]");
}

// The same run over the same invoices, on the server and on a local file,
// leaves the same rows behind.
TEST_F(ServidorFirebird, ARepairRunCommitsAsOnALocalFile) {
  TBaseDeTeste local;
  PreparaNotas(local);
  const String antes = base.Tudo();
  for (const TBaseDeTeste* alvo : {&base, &local}) {
    SCOPED_TRACE(ToUtf8(alvo->Path()));
    Arquivo(alvo->Path());
    TJanelaDeTeste janela;
    Abre(janela);
    ASSERT_TRUE(janela->SQLConnection->Connected());
    EXPECT_EQ(Executa(janela), Concluido);
    EXPECT_FALSE(janela->SQLConnection->InTransaction());
  }
  const String registro = L"select TABELA, OPERACAO from LOG_OPERACAO order by SEQ";
  EXPECT_EQ(base.Linhas(registro),
            L"FAT_OPERACAO|12\nGER_OPERACAO|12\nFAT_OPERACAO|13\nGER_OPERACAO|13\n");
  EXPECT_EQ(base.Linhas(registro), local.Linhas(registro));
  EXPECT_NE(base.Tudo(), antes);
  EXPECT_EQ(base.Tudo(), local.Tudo());
}

TEST_F(ServidorFirebird, ATriggerFailingOnTheSecondHeaderLeavesEveryTableAsItWas) {
  base.Execute({L"create exception CAPA_BLOQUEADA 'Capa bloqueada para o teste'",
                L"create trigger BLOQUEIA for FAT_MOVIMENTO_CAPA before update as begin "
                L"if (new.NUMERO_NOTA_FISCAL = 1002) then exception CAPA_BLOQUEADA; end"});
  Arquivo(base.Path());
  TJanelaDeTeste janela;
  Abre(janela);
  const String antes = base.Tudo();
  const String mensagem = Executa(janela);
  EXPECT_EQ(mensagem.rfind(PrefixoDeErro, 0), 0u) << ToUtf8(mensagem);
  EXPECT_NE(mensagem.find(L"Capa bloqueada para o teste"), String::npos) << ToUtf8(mensagem);
  EXPECT_EQ(base.Tudo(), antes);
  EXPECT_EQ(base.Linhas(L"select count(*) from LOG_OPERACAO"), L"0\n");
  EXPECT_FALSE(janela->SQLConnection->InTransaction());
}

// Two tools on the same server database, one run after the other: each
// numbers on from what the other committed.
TEST_F(ServidorFirebird, TwoToolsSeeEachOthersCommittedNumbers) {
  Arquivo(base.Path());
  TJanelaDeTeste primeira, segunda;
  Abre(primeira);
  Abre(segunda);
  ASSERT_TRUE(primeira->SQLConnection->Connected() && segunda->SQLConnection->Connected());
  EXPECT_EQ(Executa(primeira, L"1001"), Concluido);
  EXPECT_EQ(Executa(segunda, L"1002"), Concluido);
  EXPECT_EQ(Executa(primeira, L"1001"), Concluido);
  EXPECT_EQ(base.Linhas(L"select TABELA, OPERACAO from LOG_OPERACAO order by SEQ"),
            L"FAT_OPERACAO|12\nGER_OPERACAO|12\nFAT_OPERACAO|13\nGER_OPERACAO|13\n"
            L"FAT_OPERACAO|14\nGER_OPERACAO|14\n");
  EXPECT_EQ(base.Linhas(L"select NUMERO_NOTA_FISCAL, FATOPERACAO, OPERACAO from FAT_MOVIMENTO_CAPA "
                        L"where NUMERO_NOTA_FISCAL in (1001, 1002) order by 1"),
            L"1001|14|14\n1002|13|13\n");
}
