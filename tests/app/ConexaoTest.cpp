#include <gtest/gtest.h>

#include "app/UAplicacaoLibrary.h"
#include "sqlutil/KWYUtils.h"
#include "tests/app/Ambiente.h"
#include "tests/guiharness/GuiDriver.h"
#include "vcl/controls/StdCtrls.h"
#include "vcl/data/SqlExpr.h"
#include "vcl/rtl/Strings.h"
#include "vcl/rtl/WinApi.h"

namespace {

std::vector<String> Linhas(const TStrings& Lista) {
  std::vector<String> linhas;
  for (int i = 0; i < Lista.Count(); ++i) linhas.push_back(Lista.Strings(i));
  return linhas;
}

// A scrambled password line: its last character asks for 3 characters.
const String SenhaEmbaralhada = String(219, L'k') + L"4";

}  // namespace

TEST(ArquivoConexao, EachKeyOfTheFileSetsWhatItNames) {
  const struct {
    const wchar_t* Conteudo;
    int Tipo;
    const wchar_t* Base;
    const wchar_t* UsuarioOracle;
    bool FirebirdPadrao;
  } casos[] = {
      {L"BANCODADOS=INTERBASE\r\nDATABASE=C:\\DADOS\\BASE.FDB\r\n", 0, L"C:\\DADOS\\BASE.FDB",
       L"KWY", true},
      {L"   // BANCODADOS=INTERBASE\nBANCODADOS=ORACLE\n", 1, L"", L"KWY", true},
      {L"BANCODADOS=oracle\n", 2, L"", L"KWY", true},
      {L"BANCODADOS=SQLSERVER // INTERBASE\n", 0, L"", L"KWY", true},
      {L"database=C:\\BASE.FDB\n[usuario_oracle]=OUTRO\n", -1, L"", L"KWY", true},
      {L"DATABASE= SRV01:ERP=2\nDATABASE=SRV02:ERP\n", -1, L"SRV02:ERP", L"KWY", true},
      {L"DATABASE= SRV01:ERP=2\n", -1, L" SRV01:ERP=2", L"KWY", true},
      {L"[USUARIO_ORACLE]= ALGUEM", -1, L"", L" ALGUEM", true},
      {L"[USUARIO_ORACLE]", -1, L"", L"[USUARIO_ORACLE]", true},
      {L"[USUARIOPADRAOFIREBIRD]= nao \n", -1, L"", L"KWY", false},
      {L"[USUARIOPADRAOFIREBIRD]=NAOX\n", -1, L"", L"KWY", true},
      {L"[USUARIOPADRAOFIREBIRD]=SIM\r\n", -1, L"", L"KWY", true},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(ToUtf8(caso.Conteudo));
    TPastaDeTrabalho pasta;
    pasta.Escreve(L"conexao.dat", caso.Conteudo);
    TJanelaDeTeste janela;
    EXPECT_EQ(janela->cbxBD->ItemIndex(), caso.Tipo);
    EXPECT_EQ(janela->edtBaseDados->Text(), caso.Base);
    EXPECT_EQ(janela->sPvUsuarioOracle, caso.UsuarioOracle);
    EXPECT_EQ(janela->UsuarioPadraoFirebird, caso.FirebirdPadrao);
    EXPECT_EQ(janela->SenhadoBanco, L"brisanoturn");
  }
}

TEST(ArquivoConexao, LongValuesAreCut) {
  TPastaDeTrabalho pasta;
  // A directory of exactly 200 characters, written with more behind it.
  const String pastaDaSenha = String(199 - pasta.Caminho().size() - 1, L'd');
  const String diretorio = pasta.Caminho() + L"\\" + pastaDaSenha + L"\\";
  ASSERT_EQ(diretorio.size(), 200u);
  CreateDirectoryW((pasta.Caminho() + L"\\" + pastaDaSenha).c_str(), nullptr);
  pasta.Escreve(pastaDaSenha + L"\\senhabd.dat", SenhaEmbaralhada);
  pasta.Escreve(L"conexao.dat", L"[USUARIO_ORACLE]=" + String(120, L'U') + L"\r\nDIRATUALIZACAO=" +
                                    diretorio + L"outra\r\n");
  TJanelaDeTeste janela;
  EXPECT_EQ(janela->sPvUsuarioOracle, String(100, L'U'));
  EXPECT_EQ(janela->SenhadoBanco, DecodificaSenha(SenhaEmbaralhada));
}

TEST(ArquivoConexao, ThePasswordFileOfTheUpdateDirectoryGivesTheDatabasePassword) {
  const struct {
    const wchar_t* Sufixo;  // how the directory is written after the folder
    const wchar_t* Subpasta;
    const wchar_t* Conteudo;
    const wchar_t* PrimeiraLinha;
  } casos[] = {
      {L"\\", L"", L"@\r\nsegunda linha\r\n", L"@"},
      {L"/", L"", L"@\n", L"@"},
      {L"\\sub", L"sub", L"@", L"@"},
      {L"\\", L"", L"", L""},
  };
  for (const auto& caso : casos) {
    SCOPED_TRACE(ToUtf8(caso.Sufixo));
    TPastaDeTrabalho pasta;
    if (*caso.Subpasta)
      CreateDirectoryW((pasta.Caminho() + L"\\" + caso.Subpasta).c_str(), nullptr);
    const String conteudo = StringReplace(caso.Conteudo, L"@", SenhaEmbaralhada, rfReplaceAll);
    pasta.Escreve(String(caso.Subpasta) + (*caso.Subpasta ? L"\\" : L"") + L"senhabd.dat",
                  conteudo);
    pasta.Escreve(L"conexao.dat", L"DIRATUALIZACAO=" + pasta.Caminho() + caso.Sufixo + L"\r\n");
    TJanelaDeTeste janela;
    const String esperada =
        DecodificaSenha(StringReplace(caso.PrimeiraLinha, L"@", SenhaEmbaralhada, rfReplaceAll));
    EXPECT_EQ(janela->SenhadoBanco, esperada);
    if (*caso.Conteudo) { EXPECT_EQ(esperada.size(), 3u); }
  }
}

TEST(ArquivoConexao, AFileThatCannotBeReadReachesTheErrorDialogAndTheWindowStaysUsable) {
  TPastaDeTrabalho pasta;
  pasta.Escreve(L"conexao.dat", L"BANCODADOS=ORACLE\r\n");
  const HANDLE bloqueio = CreateFileW((pasta.Caminho() + L"\\conexao.dat").c_str(), GENERIC_READ, 0,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(bloqueio, INVALID_HANDLE_VALUE);
  TScriptedDialogs dialogos;
  dialogos.Answer(mrOk);
  TJanelaDeTeste janela;
  CloseHandle(bloqueio);
  ASSERT_EQ(dialogos.Messages().size(), 1u);
  EXPECT_EQ(dialogos.Messages()[0].DlgType, mtError);
  EXPECT_NE(dialogos.Messages()[0].Text.find(L"conexao.dat"), String::npos);
  EXPECT_EQ(janela->cbxBD->ItemIndex(), -1);
  EXPECT_TRUE(janela->btnGerar->Enabled());
}

namespace {

// The window on a database, with "conexao.dat" pointing at it.
class Conexao : public ::testing::Test {
protected:
  Conexao() { base.Execute({L"insert into GER_DBVERSAO values ('2022.08.03')"}); }
  void Arquivo(const String& Extra = String()) {
    pasta.Escreve(L"conexao.dat",
                  L"BANCODADOS=INTERBASE\r\nDATABASE=" + base.Path() + L"\r\n" + Extra);
  }

  TPastaDeTrabalho pasta;
  TBaseDeTeste base;
  TScriptedDialogs dialogos;
};

}  // namespace

TEST_F(Conexao, OpensWithTheFirebirdSettingsReadsTheVersionAndCloses) {
  Arquivo();
  TJanelaDeTeste janela;
  Clica(janela->btnAbriBD);
  EXPECT_TRUE(dialogos.Messages().empty()) << ToUtf8(TextosDosDialogos(dialogos).at(0));
  EXPECT_TRUE(janela->SQLConnection->Connected());
  EXPECT_EQ(janela->lblSituacao->Caption(), L"[Aberto]");
  EXPECT_EQ(janela->btnAbriBD->Caption(), L"Fecha B.D.");
  EXPECT_EQ(janela->Aplicacao->VersaoBD(), L"2022.08.03");
  TSQLConnection& conexao = *janela->SQLConnection;
  EXPECT_EQ(conexao.DriverName(), L"Firebird");
  EXPECT_EQ(conexao.ConnectionName(), L"FBConnection");
  EXPECT_EQ(conexao.GetDriverFunc(), L"getSQLDriverINTERBASE");
  EXPECT_EQ(conexao.LibraryName(), L"dbxfb.dll");
  EXPECT_EQ(conexao.VendorLib(), L"fbclient.dll");
  EXPECT_FALSE(conexao.LoginPrompt());
  EXPECT_FALSE(conexao.LoadParamsOnConnect());
  EXPECT_EQ(Linhas(*conexao.Params()),
            (std::vector<String>{
                L"EnableBCD=False", L"BlobSize=-1", L"CommitRetain=False", L"LocaleCode=0000",
                L"RoleName=RoleName", L"IsolationLevel=ReadCommited", L"WaitOnLocks=True",
                L"SQLDialect=3", L"VendorLib=fbclient.dll", L"DataBase=" + UpperCase(base.Path()),
                L"User_Name=sysdba", L"Password=tulipwand"}));

  Clica(janela->btnAbriBD);
  EXPECT_FALSE(janela->SQLConnection->Connected());
  EXPECT_EQ(janela->lblSituacao->Caption(), L"[Fechado]");
  EXPECT_EQ(janela->btnAbriBD->Caption(), L"Abrir B.D.");
  EXPECT_TRUE(dialogos.Messages().empty());
}

TEST_F(Conexao, TheOtherFirebirdPasswordWhenTheFileSaysSo) {
  Arquivo(L"[USUARIOPADRAOFIREBIRD]=NAO\r\n");
  TJanelaDeTeste janela;
  Clica(janela->btnAbriBD);
  EXPECT_TRUE(janela->SQLConnection->Connected());
  EXPECT_EQ(janela->SQLConnection->Params()->Strings(11), L"Password=quarzo");
}

TEST_F(Conexao, NothingToOpenWithoutDatabaseOrKind) {
  TJanelaDeTeste janela;
  dialogos.Answer(mrOk);
  dialogos.Answer(mrOk);
  Clica(janela->btnAbriBD);
  EXPECT_EQ(FocusedControl(), janela->edtBaseDados);
  janela->edtBaseDados->SetText(base.Path());
  Clica(janela->btnAbriBD);
  EXPECT_EQ(FocusedControl(), janela->cbxBD);
  EXPECT_EQ(
      TextosDosDialogos(dialogos),
      (std::vector<String>{L"Informe a Base de Dados.", L"Selecione o tipo do Banco de Dados."}));
  EXPECT_EQ(dialogos.Messages()[0].DlgType, mtInformation);
  EXPECT_FALSE(janela->SQLConnection->Connected());
  EXPECT_EQ(janela->lblSituacao->Caption(), L"[Fechado]");
}

TEST_F(Conexao, AFirebirdDatabaseThatCannotBeOpenedIsReportedAndStaysClosed) {
  pasta.Escreve(L"conexao.dat",
                L"BANCODADOS=INTERBASE\r\nDATABASE=" + pasta.Caminho() + L"\\NAOEXISTE.FDB\r\n");
  TJanelaDeTeste janela;
  dialogos.Answer(mrOk);
  Clica(janela->btnAbriBD);
  ASSERT_EQ(dialogos.Messages().size(), 1u);
  EXPECT_EQ(dialogos.Messages()[0].DlgType, mtError);
  EXPECT_NE(UpperCase(dialogos.Messages()[0].Text).find(L"NAOEXISTE.FDB"), String::npos)
      << ToUtf8(dialogos.Messages()[0].Text);
  EXPECT_FALSE(janela->SQLConnection->Connected());
  EXPECT_EQ(janela->lblSituacao->Caption(), L"[Fechado]");
  EXPECT_EQ(janela->btnAbriBD->Caption(), L"Abrir B.D.");
}

// A relative name is a file of the tool's folder, whatever case the edit
// gives it.
TEST(ConexaoRelativa, OpensADatabaseOfTheToolsFolderByARelativeName) {
  TPastaDeTrabalho pasta;
  CreateDirectoryW((pasta.Caminho() + L"\\dados").c_str(), nullptr);
  TBaseDeTeste base(pasta.Caminho() + L"\\dados\\base.fdb");
  base.Execute({L"insert into GER_DBVERSAO values ('2022.08.03')"});
  pasta.Escreve(L"conexao.dat", L"BANCODADOS=INTERBASE\r\nDATABASE=dados\\base.fdb\r\n");
  TScriptedDialogs dialogos;
  TJanelaDeTeste janela;
  EXPECT_EQ(janela->edtBaseDados->Text(), L"DADOS\\BASE.FDB");
  Clica(janela->btnAbriBD);
  EXPECT_TRUE(dialogos.Messages().empty()) << ToUtf8(TextosDosDialogos(dialogos).at(0));
  EXPECT_TRUE(janela->SQLConnection->Connected());
  EXPECT_EQ(janela->Aplicacao->VersaoBD(), L"2022.08.03");
  Clica(janela->btnAbriBD);
}

// No Oracle or SQL Server client exists here: both attempts fail, and the
// second one's load error reaches the operator.
TEST_F(Conexao, OracleAndSqlServerFailWithTheDriversLoadErrorAfterTheStandardDriver) {
  const struct {
    const wchar_t* Tipo;
    const wchar_t* Base;
    const wchar_t* Driver;
    const wchar_t* Biblioteca;
    std::vector<String> Parametros;
  } casos[] = {
      {L"ORACLE",
       L"ORCL",
       L"ORACLE",
       L"dbxora.dll",
       {L"BlobSize=-1", L"Oracle TransIsolation=ReadCommited", L"DataBase=ORCL",
        L"User_Name=OPERADOR", L"Password=brisanoturn"}},
      {L"SQLSERVER",
       L"SRV01:ERP",
       L"MSSQL",
       L"dbxmss.dll",
       {L"BlobSize=-1", L"HostName=SRV01", L"DataBase=ERP", L"User_Name=KWY",
        L"Password=brisanoturn", L"ErrorResourceFile=", L"LocaleCode=0000",
        L"MSSQL TransIsolation=ReadCommited", L"OS Authentication=False"}},
      {L"SQLSERVER",
       L"ERP",
       L"MSSQL",
       L"dbxmss.dll",
       {L"BlobSize=-1", L"HostName=", L"DataBase=ERP", L"User_Name=KWY", L"Password=brisanoturn",
        L"ErrorResourceFile=", L"LocaleCode=0000", L"MSSQL TransIsolation=ReadCommited",
        L"OS Authentication=False"}},
      {L"SQLSERVER",
       L"SRV:1433:ERP",
       L"MSSQL",
       L"dbxmss.dll",
       {L"BlobSize=-1", L"HostName=SRV", L"DataBase=1433:ERP", L"User_Name=KWY",
        L"Password=brisanoturn", L"ErrorResourceFile=", L"LocaleCode=0000",
        L"MSSQL TransIsolation=ReadCommited", L"OS Authentication=False"}},
  };
  // The password file's password is for the first attempt only.
  pasta.Escreve(L"senhabd.dat", SenhaEmbaralhada);
  for (const auto& caso : casos) {
    SCOPED_TRACE(ToUtf8(caso.Base));
    TScriptedDialogs dialogosDoCaso;
    pasta.Escreve(L"conexao.dat", String(L"BANCODADOS=") + caso.Tipo + L"\r\nDATABASE=" +
                                      caso.Base +
                                      L"\r\n[USUARIO_ORACLE]=OPERADOR\r\nDIRATUALIZACAO=" +
                                      pasta.Caminho() + L"\r\n");
    TJanelaDeTeste janela;
    EXPECT_NE(janela->SenhadoBanco, L"brisanoturn");
    dialogosDoCaso.Answer(mrOk);
    Clica(janela->btnAbriBD);
    ASSERT_EQ(dialogosDoCaso.Messages().size(), 1u);
    EXPECT_EQ(dialogosDoCaso.Messages()[0].DlgType, mtError);
    EXPECT_NE(dialogosDoCaso.Messages()[0].Text.find(L"Unable to load " + String(caso.Biblioteca)),
              String::npos)
        << ToUtf8(dialogosDoCaso.Messages()[0].Text);
    EXPECT_EQ(janela->SQLConnection->DriverName(), caso.Driver);
    EXPECT_EQ(Linhas(*janela->SQLConnection->Params()), caso.Parametros);
    EXPECT_FALSE(janela->SQLConnection->Connected());
    EXPECT_EQ(janela->lblSituacao->Caption(), L"[Fechado]");
  }
}
