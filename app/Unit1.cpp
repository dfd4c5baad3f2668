#include "app/Unit1.h"

#include <memory>

#include "app/UAplicacaoLibrary.h"
#include "app/USQLReparo.h"
#include "bizlibs/ZQGeral01/ZQGeral01.h"
#include "sqlutil/KWYUtils.h"
#include "vcl/controls/Application.h"
#include "vcl/controls/ComCtrls.h"
#include "vcl/controls/Dialogs.h"
#include "vcl/controls/StdCtrls.h"
#include "vcl/data/SqlExpr.h"
#include "vcl/rtl/DateUtils.h"
#include "vcl/rtl/Strings.h"
#include "vcl/rtl/WinApi.h"

namespace {

// ---------------------------------------------------------------- files

bool ArquivoExiste(const String& Arquivo) {
  const DWORD atributos = GetFileAttributesW(Arquivo.c_str());
  return atributos != INVALID_FILE_ATTRIBUTES && !(atributos & FILE_ATTRIBUTE_DIRECTORY);
}

[[noreturn]] void ErroES(const String& Arquivo) {
  const DWORD codigo = GetLastError();
  throw EInOutError(SysErrorMessage(codigo) + L" (" + Arquivo + L")", static_cast<int>(codigo));
}

// The lines of a text file in the system's ANSI code page; a line ends at
// CR LF or LF. A file that cannot be read raises EInOutError.
std::vector<String> LeLinhasTexto(const String& Arquivo) {
  const HANDLE arquivo =
      CreateFileW(Arquivo.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (arquivo == INVALID_HANDLE_VALUE) ErroES(Arquivo);
  const std::unique_ptr<void, decltype(&CloseHandle)> dono(arquivo, &CloseHandle);
  std::string bytes;
  char bloco[4096];
  DWORD lidos = 0;
  do {
    if (!ReadFile(arquivo, bloco, sizeof bloco, &lidos, nullptr)) ErroES(Arquivo);
    bytes.append(bloco, lidos);
  } while (lidos > 0);

  std::vector<String> linhas;
  size_t inicio = 0;
  while (inicio < bytes.size()) {
    size_t fim = bytes.find('\n', inicio);
    const size_t proxima = fim == std::string::npos ? bytes.size() : fim + 1;
    if (fim == std::string::npos) fim = bytes.size();
    if (fim > inicio && bytes[fim - 1] == '\r') --fim;
    linhas.push_back(FromAnsi(bytes.substr(inicio, fim - inicio)));
    inicio = proxima;
  }
  return linhas;
}

// The text after the line's first "=", or the whole line without one.
String ValorDaLinha(const String& Linha) {
  const int igual = Pos(L"=", Linha);
  return igual > 0 ? Copy(Linha, igual + 1) : Linha;
}

// ---------------------------------------------------------------- connection settings

constexpr const wchar_t* SenhaPadrao = L"brisanoturn";  // also the second attempts' password

struct TDriverBD {
  const wchar_t* DriverName;
  const wchar_t* ConnectionName;
  const wchar_t* GetDriverFunc;
  const wchar_t* LibraryName;
  const wchar_t* VendorLib;
};

constexpr TDriverBD DriverFirebird{L"Firebird", L"FBConnection", L"getSQLDriverINTERBASE",
                                   L"dbxfb.dll", L"fbclient.dll"};
constexpr TDriverBD DriverOracle{L"OstraOracle", L"Ostra Oracle", L"getSQLDriverORA",
                                 L"dbexpora40.dll", L"OCI.DLL"};
constexpr TDriverBD DriverSQLServer{L"OstraSQLServer", L"Ostra SQL Server",
                                    L"getSQLDriverSQLServer", L"dbexpsqs40.dll", L"sqloledb.dll"};
constexpr TDriverBD DriverOraclePadrao{L"ORACLE", L"ORACLE", L"getSQLDriverORACLE", L"dbxora.dll",
                                       L"oci.dll"};
constexpr TDriverBD DriverSQLServerPadrao{L"MSSQL", L"MSSQLConnection", L"getSQLDriverMSSQL",
                                          L"dbxmss.dll", L"sqlncli10.dll"};

std::vector<String> ParametrosFirebird(const String& Base, const String& Senha) {
  return {L"EnableBCD=False",  L"BlobSize=-1",       L"CommitRetain=False",
          L"LocaleCode=0000",  L"RoleName=RoleName", L"IsolationLevel=ReadCommited",
          L"WaitOnLocks=True", L"SQLDialect=3",      L"VendorLib=fbclient.dll",
          L"DataBase=" + Base, L"User_Name=sysdba",  L"Password=" + Senha};
}

std::vector<String> ParametrosOracle(const String& Base, const String& Usuario,
                                     const String& Senha) {
  return {L"BlobSize=-1", L"Oracle TransIsolation=ReadCommited", L"DataBase=" + Base,
          L"User_Name=" + Usuario, L"Password=" + Senha};
}

// Base is the host, a colon and the database; without a colon the host is
// empty and the database all of Base.
std::vector<String> ParametrosSQLServer(const String& Base, const String& Senha) {
  const int doisPontos = Pos(L":", Base);
  const String host = doisPontos > 0 ? Copy(Base, 1, doisPontos - 1) : String();
  const String banco = doisPontos > 0 ? Copy(Base, doisPontos + 1) : Base;
  return {L"BlobSize=-1",
          L"HostName=" + host,
          L"DataBase=" + banco,
          L"User_Name=KWY",
          L"Password=" + Senha,
          L"ErrorResourceFile=",
          L"LocaleCode=0000",
          L"MSSQL TransIsolation=ReadCommited",
          L"OS Authentication=False"};
}

void ConfiguraConexao(TSQLConnection& Conexao, const TDriverBD& Driver,
                      const std::vector<String>& Parametros) {
  Conexao.SetDriverName(Driver.DriverName);
  Conexao.SetConnectionName(Driver.ConnectionName);
  Conexao.SetGetDriverFunc(Driver.GetDriverFunc);
  Conexao.SetLibraryName(Driver.LibraryName);
  Conexao.SetVendorLib(Driver.VendorLib);
  Conexao.Params()->Clear();
  for (const String& linha : Parametros) Conexao.Params()->Add(linha);
}

// ---------------------------------------------------------------- the repair run

// Puts the screen cursor back to the default however the run ends.
class TCursorDaExecucao {
public:
  TCursorDaExecucao() { Screen->SetCursor(crHourGlass); }
  ~TCursorDaExecucao() { Screen->SetCursor(crDefault); }
  TCursorDaExecucao(const TCursorDaExecucao&) = delete;
  TCursorDaExecucao& operator=(const TCursorDaExecucao&) = delete;
};

// Rolls the run's transaction back when the run leaves with it still open
// (a failure the run does not catch, or a failed commit), so no later
// statement of the connection can commit half a run.
class TGuardaTransacao {
public:
  TGuardaTransacao(TSQLConnection& Conexao, const TTransactionDesc& Descricao)
      : FConexao(Conexao), FDescricao(Descricao) {}
  ~TGuardaTransacao() {
    if (!FConexao.InTransaction()) return;
    try {
      FConexao.Rollback(FDescricao);
    } catch (...) {
      FConexao.Close();  // drops the transaction; the server rolls it back
    }
  }
  TGuardaTransacao(const TGuardaTransacao&) = delete;
  TGuardaTransacao& operator=(const TGuardaTransacao&) = delete;

private:
  TSQLConnection& FConexao;
  TTransactionDesc FDescricao;
};

// A database on a server: "host:path", "host/port:path", "inet://..." (a
// colon beyond a drive letter) or "\\host\path". Its path is the
// server's, which decides what the case of its letters means.
bool NomeNoServidor(const String& Base) {
  const size_t doisPontos = Base.find(L':');
  return (doisPontos != String::npos && doisPontos >= 2) || Base.starts_with(L"\\\\");
}

String PalavraDoBanco(int Tipo) {
  switch (Tipo) {
    case 1:
      return L"ORACLE";
    case 2:
      return L"SQLSERVER";
    default:
      return L"INTERBASE";
  }
}

// ---------------------------------------------------------------- before-open handler

// A second "SELECT" (any case) begins after the first one's six characters.
bool TemSubSelect(const String& Texto) {
  const String maiusculo = UpperCase(Texto);
  const int depoisDoPrimeiro = Pos(L"SELECT", maiusculo) + 6;
  return Pos(L"SELECT", maiusculo, depoisDoPrimeiro) > depoisDoPrimeiro;
}

// Writes one parameter's value into the text behind its marker: at its
// ":NAME" references on a first opening, over the old value behind the
// marker when the text was inlined before.
String InsereParametro(String Texto, const String& Nome, const String& Valor) {
  const TReplaceFlags todos = rfReplaceAll | rfIgnoreCase;
  const String marcador = L"/*" + Nome + L"*/";
  const String literal = L"'" + Valor + L"'";
  if (Pos(L":", Texto) > 0) {
    Texto += L" ";
    Texto = StringReplace(Texto, L":" + Nome + L" ", marcador + literal + L" ", todos);
    return StringReplace(Texto, L":" + Nome + L")", marcador + literal + L")", todos);
  }
  const int posicao = Pos(UpperCase(marcador), UpperCase(Texto));
  if (posicao == 0) return Texto;  // nothing of this parameter in the text
  const String cauda = Copy(Texto, posicao);
  const int branco = Pos(L" ", cauda);
  if (branco == 0) return StringReplace(Texto, cauda, marcador + literal, todos);
  String antigo = Copy(cauda, 1, branco);
  if (Pos(L"'", antigo) > 0) {  // the old value is quoted: up to its closing quote
    const int abre = Pos(L"'", cauda);
    antigo = Copy(cauda, 1, Pos(L"'", cauda, abre + 1));
  }
  return StringReplace(Texto, antigo, marcador + literal + L" ", todos);
}

}  // namespace

void PreparaSQLAbertura(TSQLDataSet& DataSet, const String& BancoDados) {
  if (BancoDados != L"SQLSERVER") {
    DataSet.SetCommandText(ConverteSQL(DataSet.CommandText(), BancoDados, 1, false));
    return;
  }
  String texto = StringReplace(DataSet.CommandText(), L"\n", L" ", rfReplaceAll) + L" ";
  if (TemSubSelect(texto)) {
    bool inserido = false;
    TParams& parametros = *DataSet.Params();
    for (int i = 0; i < parametros.Count(); ++i) {
      const String valor = parametros.Items(i)->AsString();
      if (valor.empty()) continue;
      inserido = true;
      texto = InsereParametro(texto, parametros.Items(i)->Name(), valor);
    }
    if (inserido) parametros.Clear();
  }
  // Parameters still in use keep working as parameters, in the text as it was.
  if (DataSet.Params()->Count() == 0)
    DataSet.SetCommandText(Trim(ConverteSQL(texto, BancoDados, 1, false)));
}

// ---------------------------------------------------------------- the window

TForm1::TForm1(TComponent* AOwner) : TForm(AOwner) {
  CriaComponentes();
  OnCreate = [this](TObject* Sender) { FormCreate(Sender); };
  OnShow = [this](TObject* Sender) { FormShow(Sender); };
}

template <class T>
T* TForm1::Cria(const wchar_t* Nome, int Esquerda, int Topo, int Largura, int Altura) {
  T* controle = new T(this);
  controle->SetName(Nome);
  controle->SetParent(this);
  controle->SetBounds(Esquerda, Topo, Largura, Altura);
  return controle;
}

TLabel* TForm1::CriaRotulo(const wchar_t* Nome, const wchar_t* Texto, int Esquerda, int Topo) {
  TLabel* rotulo = Cria<TLabel>(Nome, Esquerda, Topo, 0, 13);
  rotulo->SetCaption(Texto);
  return rotulo;
}

TEdit* TForm1::CriaEdicao(const wchar_t* Nome, int Esquerda, int Topo, int Largura, int Limite,
                          bool SoNumeros) {
  TEdit* edicao = Cria<TEdit>(Nome, Esquerda, Topo, Largura, 21);
  edicao->SetCharCase(ecUpperCase);
  edicao->SetMaxLength(Limite);
  edicao->SetNumbersOnly(SoNumeros);
  return edicao;
}

TSQLDataSet* TForm1::CriaDataSet(const wchar_t* Nome) {
  TSQLDataSet* dataSet = new TSQLDataSet(this);
  dataSet->SetName(Nome);
  dataSet->SetSQLConnection(SQLConnection);
  dataSet->SetGetMetadata(false);
  dataSet->SetMaxBlobSize(-1);
  dataSet->BeforeOpen = [this](TDataSet* DataSet) { sdsPadraoBeforeOpen(DataSet); };
  return dataSet;
}

// The window as its form description gives it, in the declared order.
void TForm1::CriaComponentes() {
  SetCaption(L"Varnolet");
  SetColor(cl3DLight);
  SetPosition(poScreenCenter);
  SetClientSize(450, 293);

  Label1 = CriaRotulo(L"Label1", L"Banco de Dados", 8, 8);
  cbxBD = Cria<TComboBox>(L"cbxBD", 8, 24, 153, 22);
  cbxBD->SetStyle(csOwnerDrawVariable);
  for (const wchar_t* tipo : {L"Interbase/Firebird", L"Oracle", L"SQL Server"})
    cbxBD->Items()->Add(tipo);
  btnAbriBD = Cria<TButton>(L"btnAbriBD", 168, 22, 90, 25);
  btnAbriBD->SetCaption(L"Abrir B.D.");
  btnAbriBD->OnClick = [this](TObject* Sender) { btnAbriBDClick(Sender); };
  btnGerar = Cria<TButton>(L"btnGerar", 328, 156, 114, 30);
  btnGerar->SetCaption(L"Executar");
  btnGerar->Font()->SetStyle({fsBold});
  btnGerar->Font()->SetColor(clBlack);
  btnGerar->OnClick = [this](TObject* Sender) { btnGerarClick(Sender); };
  SQLConnection = new TSQLConnection(this);
  SQLConnection->SetName(L"SQLConnection");
  Label4 = CriaRotulo(L"Label4", L"Base de Dados", 8, 54);
  edtBaseDados = Cria<TEdit>(L"edtBaseDados", 8, 70, 434, 21);
  edtBaseDados->SetCharCase(ecUpperCase);
  edtBaseDados->OnChange = [this](TObject*) { AjustaCaixaDaBase(edtBaseDados->Text()); };
  sds1 = CriaDataSet(L"sds1");
  lblSituacao = CriaRotulo(L"lblSituacao", L"[Fechado]", 268, 28);
  lblSituacao->Font()->SetColor(clRed);
  bar = Cria<TStatusBar>(L"bar", 0, 274, 450, 19);
  sds2 = CriaDataSet(L"sds2");
  sds3 = CriaDataSet(L"sds3");
  edtNota = CriaEdicao(L"edtNota", 128, 116, 96, 12, true);
  Label2 = CriaRotulo(L"Label2", L"Nota Fiscal", 128, 100);
  Label3 = CriaRotulo(L"Label3", L"Empresa", 8, 100);
  edtEmpresa = CriaEdicao(L"edtEmpresa", 8, 116, 60, 6, true);
  Label5 = CriaRotulo(L"Label5", L"Revenda", 76, 100);
  edtRevenda = CriaEdicao(L"edtRevenda", 76, 116, 44, 2, true);
  edtSerie = CriaEdicao(L"edtSerie", 232, 116, 52, 5, false);
  Label6 = CriaRotulo(L"Label6", L"Série", 232, 100);
  edtTransacao = CriaEdicao(L"edtTransacao", 292, 116, 60, 3, false);
  Label7 = CriaRotulo(L"Label7", L"Transação", 292, 100);
  dtpInicial = Cria<TDateTimePicker>(L"dtpInicial", 8, 162, 112, 21);
  dtpFinal = Cria<TDateTimePicker>(L"dtpFinal", 148, 162, 112, 21);
  for (TDateTimePicker* data : {dtpInicial, dtpFinal}) {
    data->SetShowCheckbox(true);
    data->SetChecked(false);
  }
  Label8 = CriaRotulo(L"Label8", L"à", 128, 166);
  Label9 = CriaRotulo(L"Label9", L"Data Inicial", 8, 146);
  Label10 = CriaRotulo(L"Label10", L"Data Final", 148, 146);
  Label11 = CriaRotulo(L"Label11", L"Versão: 03/08/2022", 8, 244);
  Label11->Font()->SetColor(clTeal);
  Label11->Font()->SetStyle({fsBold});
  Label11->Font()->SetSize(10);
  lblInformacao = Cria<TLabel>(L"lblInformacao", 8, 198, 434, 32);
  lblInformacao->SetAutoSize(false);
  lblInformacao->SetAlignment(taCenter);
  lblInformacao->SetWordWrap(true);
  lblInformacao->SetCaption(
      L"Só é necessário preencher as datas quando for informado apenas Empresa/Revenda");
  lblInformacao->SetBounds(8, 198, 434, 32);
  lblInformacao->Font()->SetColor(clTeal);
  lblInformacao->Font()->SetStyle({fsBold});
  edtContador = CriaEdicao(L"edtContador", 360, 116, 60, 5, true);
  lblContador = CriaRotulo(L"lblContador", L"Contador", 360, 100);

  for (TLabel* rotulo : {Label2, Label6, Label7, Label9, Label10, lblContador})
    rotulo->Font()->SetColor(clNavy);
  int ordem = 0;
  for (TWinControl* controle : std::initializer_list<TWinControl*>{
           cbxBD, btnAbriBD, edtBaseDados, edtEmpresa, edtRevenda, edtNota, edtSerie, edtTransacao,
           btnGerar, dtpInicial, dtpFinal, edtContador})
    controle->SetTabOrder(ordem++);
}

void TForm1::FormCreate(TObject*) {
  sPvUsuarioOracle = L"KWY";
  SenhadoBanco = SenhaPadrao;
  Aplicacao = new TAplicacaoLibrary(Application);
}

void TForm1::FormShow(TObject*) {
  UsuarioPadraoFirebird = true;
  for (TDateTimePicker* data : {dtpInicial, dtpFinal}) {
    data->SetDateTime(Now());
    data->SetChecked(false);
  }
  LeArquivoConexao();
  TMessageCallback::CreateCallback();
}

void TForm1::LeArquivoConexao() {
  const String arquivoConexao = L"conexao.dat";
  if (!ArquivoExiste(arquivoConexao)) return;
  String diretorio;
  for (const String& linha : LeLinhasTexto(arquivoConexao)) {
    if (Copy(Trim(linha), 1, 2) == L"//") continue;
    const String valor = ValorDaLinha(linha);
    if (Pos(L"BANCODADOS", linha) > 0)
      cbxBD->SetItemIndex(Pos(L"INTERBASE", linha) > 0 ? 0 : Pos(L"ORACLE", linha) > 0 ? 1 : 2);
    if (Pos(L"DATABASE", linha) > 0) {
      AjustaCaixaDaBase(valor);
      edtBaseDados->SetText(valor);
    }
    if (Pos(L"DIRATUALIZACAO", linha) > 0) diretorio = Copy(valor, 1, 200);
    if (Pos(L"[USUARIO_ORACLE]", linha) > 0) sPvUsuarioOracle = Copy(valor, 1, 100);
    if (Pos(L"[USUARIOPADRAOFIREBIRD]", linha) > 0 && UpperCase(Trim(Copy(valor, 1, 5))) == L"NAO")
      UsuarioPadraoFirebird = false;
  }
  if (diretorio.empty()) return;
  const Char ultimo = diretorio.back();
  const String arquivoSenha =
      diretorio + (ultimo == L'\\' || ultimo == L'/' ? L"senhabd.dat" : L"/senhabd.dat");
  if (!ArquivoExiste(arquivoSenha)) return;
  const std::vector<String> linhas = LeLinhasTexto(arquivoSenha);
  SenhadoBanco = DecodificaSenha(linhas.empty() ? String() : linhas.front());
}

// Names of local files are upper-cased as typed; a name on a server keeps
// the case of its path. Switching the case makes the edit's window again:
// the focus and the caret at the end are kept.
void TForm1::AjustaCaixaDaBase(const String& Base) {
  const TEditCharCase caixa = NomeNoServidor(Base) ? ecNormal : ecUpperCase;
  if (edtBaseDados->CharCase() == caixa) return;
  const bool tinhaFoco = edtBaseDados->Focused();
  edtBaseDados->SetCharCase(caixa);
  if (!tinhaFoco) return;
  edtBaseDados->SetFocus();
  const LPARAM fim = static_cast<LPARAM>(edtBaseDados->Text().size());
  SendMessageW(edtBaseDados->Handle(), EM_SETSEL, fim, fim);
}

// ---------------------------------------------------------------- connection

void TForm1::btnAbriBDClick(TObject*) {
  if (SQLConnection->Connected()) {
    DLL_FinalizaGeral01(0);
    btnAbriBD->SetCaption(L"Abrir B.D.");
    lblSituacao->SetCaption(L"[Fechado]");
    SQLConnection->Close();
    return;
  }
  if (edtBaseDados->Text().empty()) {
    MessageDlg(L"Informe a Base de Dados.", mtInformation, {mbOK}, 0);
    edtBaseDados->SetFocus();
    return;
  }
  const int tipo = cbxBD->ItemIndex();
  if (tipo < 0) {  // no settings to open with: the kind decides them all
    MessageDlg(L"Selecione o tipo do Banco de Dados.", mtInformation, {mbOK}, 0);
    cbxBD->SetFocus();
    return;
  }
  SQLConnection->SetLoadParamsOnConnect(false);
  SQLConnection->SetLoginPrompt(false);
  AbreConexao(tipo);
  btnAbriBD->SetCaption(L"Fecha B.D.");
  lblSituacao->SetCaption(L"[Aberto]");
  LeVersoes(tipo);
  DLL_InicializaGeral01(Aplicacao->VersaoBD().c_str(), 0);
}

// Opens with the settings of the kind; a failed first opening is tried
// once more, for Firebird as it was, for Oracle and SQL Server with the
// platform's standard driver and the built-in password.
void TForm1::AbreConexao(int Tipo) {
  const String base = edtBaseDados->Text();
  if (Tipo == 0)
    ConfiguraConexao(*SQLConnection, DriverFirebird,
                     ParametrosFirebird(base, UsuarioPadraoFirebird ? L"tulipwand" : L"quarzo"));
  else if (Tipo == 1)
    ConfiguraConexao(*SQLConnection, DriverOracle,
                     ParametrosOracle(base, sPvUsuarioOracle, SenhadoBanco));
  else
    ConfiguraConexao(*SQLConnection, DriverSQLServer, ParametrosSQLServer(base, SenhadoBanco));
  try {
    SQLConnection->Open();
  } catch (...) {
    if (Tipo == 1)
      ConfiguraConexao(*SQLConnection, DriverOraclePadrao,
                       ParametrosOracle(base, sPvUsuarioOracle, SenhaPadrao));
    else if (Tipo == 2)
      ConfiguraConexao(*SQLConnection, DriverSQLServerPadrao,
                       ParametrosSQLServer(base, SenhaPadrao));
    SQLConnection->Open();
  }
}

void TForm1::LeVersoes(int Tipo) {
  sds1->Close();
  sds1->SetCommandText(L"select VERSAO from GER_DBVERSAO");
  sds1->Open();
  Aplicacao->SetVersaoBD(sds1->FieldByName(L"VERSAO")->AsString());
  sds1->Close();
  if (Tipo != 2) return;
  sds1->SetCommandText(L"select SERVERPROPERTY('productversion') VERSAO");
  sds1->Open();
  const String versao = sds1->FieldByName(L"VERSAO")->AsString();
  const int ponto = Pos(L".", versao);
  if (ponto > 0) Aplicacao->SetVersaoSQLServer(StrToInt(Copy(versao, 1, ponto - 1)));
  sds1->Close();
}

// ---------------------------------------------------------------- repair run

int TForm1::ProximoNumeroOperacao(TSQLConnection* Conexao, int Empresa, int Revenda,
                                  const String& Tabela, const String& Coluna, int Quantidade) {
  DLL_AtualizaTAplicacaoGeral01(Aplicacao, Conexao, 0);
  return DLL_BuscaProximoNumeroTran(Conexao, Empresa, Revenda, Tabela.c_str(), Coluna.c_str(),
                                    Quantidade, Aplicacao->BancoDados().c_str(),
                                    Aplicacao->VersaoSQLServer(), 0);
}

TFiltroReparo TForm1::LeFiltro() const {
  TFiltroReparo filtro;
  filtro.Empresa = edtEmpresa->Text();
  filtro.Revenda = edtRevenda->Text();
  filtro.Nota = edtNota->Text();
  filtro.Serie = edtSerie->Text();
  filtro.Transacao = edtTransacao->Text();
  filtro.Contador = edtContador->Text();
  filtro.DataInicialMarcada = dtpInicial->Checked();
  filtro.DataFinalMarcada = dtpFinal->Checked();
  return filtro;
}

TCapaNota TForm1::LeCapa() const {
  TCapaNota capa;
  capa.Empresa = sds1->FieldByName(L"EMPRESA")->AsString();
  capa.Revenda = sds1->FieldByName(L"REVENDA")->AsString();
  capa.Nota = sds1->FieldByName(L"NUMERO_NOTA_FISCAL")->AsString();
  capa.Serie = sds1->FieldByName(L"SERIE_NOTA_FISCAL")->AsString();
  capa.Transacao = sds1->FieldByName(L"TIPO_TRANSACAO")->AsString();
  capa.Contador = sds1->FieldByName(L"CONTADOR")->AsString();
  capa.DataSQL = DataPSql(BancoDados, sds1->FieldByName(L"DTA_ENTRADA_SAIDA")->AsDateTime());
  const TField* antiga = sds1->FieldByName(L"FATOPERACAO");
  capa.OperacaoAntiga = antiga->IsNull() ? 0 : antiga->AsInteger();
  return capa;
}

void TForm1::ExecutaComando(const String& SQL) {
  sds2->Close();
  sds2->SetCommandText(SQL);
  sds2->ExecSQL();
}

// New invoicing and general operations for one header, the header pointed
// at them, and the payment conditions of its old operation moved along.
void TForm1::ReparaCapa(const TCapaNota& Capa) {
  TSQLConnection* conexao = sds2->SQLConnection();
  const int fat = ProximoNumeroOperacao(conexao, Aplicacao->Empresa(), Aplicacao->Revenda(),
                                        L"FAT_OPERACAO", L"OPERACAO", 1);
  ExecutaComando(SQLInsereFatOperacao(Capa, fat));
  const int ger = ProximoNumeroOperacao(conexao, Aplicacao->Empresa(), Aplicacao->Revenda(),
                                        L"GER_OPERACAO", L"OPERACAO", 1);
  ExecutaComando(SQLInsereGerOperacao(Capa, ger));
  ExecutaComando(SQLAtualizaCapa(Capa, fat, ger));
  if (Capa.OperacaoAntiga != 0) ExecutaComando(SQLAtualizaCondicao(Capa, fat));
}

void TForm1::btnGerarClick(TObject*) {
  if (lblSituacao->Caption() == L"[Fechado]") {
    MessageDlg(L"É necessário abrir conexão com o banco de dados antes de executar o processo.",
               mtError, {mbOK}, 0);
    return;
  }
  TFiltroReparo filtro = LeFiltro();
  // Pasted text passes the edits' digit filter; it must never reach a statement.
  const String campoInvalido = CampoNumericoInvalido(filtro);
  if (!campoInvalido.empty()) {
    MessageDlg(L"O campo " + campoInvalido + L" deve conter apenas números.", mtWarning, {mbOK}, 0);
    return;
  }
  const TCursorDaExecucao cursor;
  SQLConnection->Close();
  SQLConnection->Open();
  Erro = false;
  String textoErro;
  const int tipo = cbxBD->ItemIndex();
  BancoDados = PalavraDoBanco(tipo);
  if (tipo == 2) {
    sds1->Close();
    sds1->SetCommandText(L"SET LANGUAGE 'Brazilian'");
    sds1->ExecSQL();
    sds1->Close();
  }
  if (!FiltroValido(filtro)) {
    Screen->SetCursor(crDefault);
    MessageDlg(
        L"Os dados da nota ou intervalo de datas devem ser informados. "
        L"Empresa/Revenda são obrigatórios.",
        mtWarning, {mbOK}, 0);
    return;
  }

  TTransactionDesc transacao;
  transacao.TransactionID = 1;
  transacao.GlobalID = 0;
  transacao.IsolationLevel = xilREADCOMMITTED;
  transacao.CustomIsolation = 0;
  SQLConnection->StartTransaction(transacao);
  const TGuardaTransacao guarda(*SQLConnection, transacao);
  try {
    if (filtro.DataInicialMarcada) {
      filtro.DataInicialSQL = DataPSql(BancoDados, dtpInicial->DateTime());
      filtro.DataFinalSQL = DataPSql(BancoDados, dtpFinal->DateTime());
    }
    sds1->Close();
    sds1->SetCommandText(SQLFiltroCapas(filtro));
    sds1->Open();
    sds1->First();
    Aplicacao->SetEmpresa(StrToInt(filtro.Empresa));
    Aplicacao->SetRevenda(StrToInt(filtro.Revenda));
    Aplicacao->SetBancoDados(BancoDados);
    if (sds1->IsEmpty()) {
      SQLConnection->Rollback(transacao);
      Screen->SetCursor(crDefault);
      MessageDlg(L"Nenhum registro encontrado com os filtros informados.", mtWarning, {mbOK}, 0);
      return;
    }
    for (; !sds1->Eof(); sds1->Next()) ReparaCapa(LeCapa());
  } catch (const Exception& E) {
    textoErro = E.Message();
    Erro = true;
  }
  Screen->SetCursor(crDefault);
  if (Erro) {
    if (SQLConnection->InTransaction()) SQLConnection->Rollback(transacao);
    MessageDlg(L"Processo concluído com erros, operação será abortada - " + textoErro, mtError,
               {mbOK}, 0);
  } else {
    SQLConnection->Commit(transacao);
    MessageDlg(L"Processo concluído.", mtInformation, {mbOK}, 0);
  }
}

void TForm1::sdsPadraoBeforeOpen(TDataSet* DataSet) {
  auto* dataSet = dynamic_cast<TSQLDataSet*>(DataSet);
  if (!dataSet) throw EInvalidCast(L"Invalid class typecast");
  PreparaSQLAbertura(*dataSet, BancoDados);
}
