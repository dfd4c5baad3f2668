#include "tests/app/Ambiente.h"

#include "app/demo/UBaseDemo.h"
#include "tests/guiharness/GuiDriver.h"
#include "vcl/controls/Application.h"
#include "vcl/rtl/WinApi.h"

namespace {

String PastaAtual() {
  wchar_t pasta[MAX_PATH];
  const DWORD tamanho = GetCurrentDirectoryW(MAX_PATH, pasta);
  if (tamanho == 0 || tamanho >= MAX_PATH) RaiseLastOSError();
  return String(pasta, tamanho);
}

void RemovePasta(const String& Pasta) {
  WIN32_FIND_DATAW dados;
  const HANDLE busca = FindFirstFileW((Pasta + L"\\*").c_str(), &dados);
  if (busca != INVALID_HANDLE_VALUE) {
    do {
      const String nome = dados.cFileName;
      if (nome == L"." || nome == L"..") continue;
      const String caminho = Pasta + L"\\" + nome;
      if (dados.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemovePasta(caminho);
      else
        DeleteFileW(caminho.c_str());
    } while (FindNextFileW(busca, &dados));
    FindClose(busca);
  }
  RemoveDirectoryW(Pasta.c_str());
}

}  // namespace

TPastaDeTrabalho::TPastaDeTrabalho() : FAnterior(PastaAtual()) {
  wchar_t temporaria[MAX_PATH];
  if (!GetTempPathW(MAX_PATH, temporaria)) RaiseLastOSError();
  FCaminho = String(temporaria) + L"conversao-app-" + IntToStr(GetCurrentProcessId());
  RemovePasta(FCaminho);
  if (!CreateDirectoryW(FCaminho.c_str(), nullptr) || !SetCurrentDirectoryW(FCaminho.c_str()))
    RaiseLastOSError();
}

TPastaDeTrabalho::~TPastaDeTrabalho() {
  SetCurrentDirectoryW(FAnterior.c_str());
  RemovePasta(FCaminho);
}

void TPastaDeTrabalho::Escreve(const String& Nome, const String& Texto) const {
  const std::string bytes = ToAnsi(Texto);
  const HANDLE arquivo = CreateFileW((FCaminho + L"\\" + Nome).c_str(), GENERIC_WRITE, 0, nullptr,
                                     CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (arquivo == INVALID_HANDLE_VALUE) RaiseLastOSError();
  DWORD escritos = 0;
  const BOOL ok =
      WriteFile(arquivo, bytes.data(), static_cast<DWORD>(bytes.size()), &escritos, nullptr);
  CloseHandle(arquivo);
  if (!ok) RaiseLastOSError();
}

TBaseDeTeste::TBaseDeTeste() { ExecutaComandos(*Connect(), ComandosEsquemaDemo()); }

TBaseDeTeste::TBaseDeTeste(const String& Nome, const String& Senha, const String& Arquivo)
    : TTestDatabase(Nome, Senha, Arquivo) {
  ExecutaComandos(*Connect(), ComandosEsquemaDemo());
}

String TBaseDeTeste::Linhas(const String& Consulta) const {
  const std::unique_ptr<TSQLConnection> conexao = Connect();
  TSQLDataSet consulta(nullptr);
  consulta.SetSQLConnection(conexao.get());
  consulta.SetCommandText(Consulta);
  consulta.Open();
  String linhas;
  for (; !consulta.Eof(); consulta.Next()) {
    for (int i = 0; i < consulta.FieldCount(); ++i)
      linhas += (i ? L"|" : L"") + consulta.Fields(i)->AsString();
    linhas += L"\n";
  }
  return linhas;
}

String TBaseDeTeste::Tudo() const {
  return Linhas(L"select * from FAT_MOVIMENTO_CAPA order by NUMERO_NOTA_FISCAL, REVENDA") +
         Linhas(L"select * from FAT_OPERACAO order by EMPRESA, REVENDA, OPERACAO") +
         Linhas(L"select * from GER_OPERACAO order by EMPRESA, REVENDA, OPERACAO") +
         Linhas(
             L"select * from FAT_OPERACAO_CONDICAO order by EMPRESA, REVENDA, OPERACAO, PARCELA");
}

void PreparaNotas(const TBaseDeTeste& Base) {
  const String capa = L"insert into FAT_MOVIMENTO_CAPA values ";
  const String condicao = L"insert into FAT_OPERACAO_CONDICAO values ";
  ExecutaComandos(*Base.Connect(),
                  {L"insert into GER_DBVERSAO values ('2022.08.03')",
                   L"insert into FAT_OPERACAO values (1, 1, 0, '2022-06-01')",
                   L"insert into FAT_OPERACAO values (1, 1, 10, '2022-07-10')",
                   L"insert into FAT_OPERACAO values (1, 1, 11, '2022-07-12')",
                   L"insert into FAT_OPERACAO values (1, 2, 8, '2022-07-12')",
                   L"insert into GER_OPERACAO values (1, 1, 10, '2022-07-10', 'VENDA', 1)",
                   L"insert into GER_OPERACAO values (1, 1, 11, '2022-07-12', 'VENDA', 1)",
                   capa + L"(1, 1, 1001, '1', 'V21', 1, '2022-07-10', 'F', 10, 10)",
                   capa + L"(1, 1, 1002, '1', 'V21', 1, '2022-07-11', 'F', 0, 0)",
                   capa + L"(1, 1, 1003, '1', 'V21', 1, '2022-07-12', 'C', 11, 11)",
                   capa + L"(1, 2, 1004, '1', 'V21', 1, '2022-07-12', 'F', 8, null)",
                   capa + L"(1, 1, 1005, '1', 'V21', 1, '2022-08-20', 'F', 11, 11)",
                   capa + L"(1, 1, 1006, '2', 'V22', 3, '2022-09-01', 'F', null, null)",
                   condicao + L"(1, 1, 0, 1, '2022-07-01', 10)",
                   condicao + L"(1, 1, 10, 1, '2022-08-10', 100)",
                   condicao + L"(1, 1, 10, 2, '2022-09-10', 200)",
                   condicao + L"(1, 1, 11, 1, '2022-08-12', 300)",
                   condicao + L"(1, 2, 8, 1, '2022-08-12', 400)"});
  const String registra = L"insert into LOG_OPERACAO values (next value for SEQ_LOG, ";
  ExecutaComandos(
      *Base.Connect(),
      {L"create sequence SEQ_LOG",
       L"create table LOG_OPERACAO (SEQ integer, TABELA varchar(20), OPERACAO integer)",
       L"create trigger LOG_FAT for FAT_OPERACAO after insert as begin " + registra +
           L"'FAT_OPERACAO', new.OPERACAO); end",
       L"create trigger LOG_GER for GER_OPERACAO after insert as begin " + registra +
           L"'GER_OPERACAO', new.OPERACAO); end"});
}

TJanelaDeTeste::TJanelaDeTeste() : FForm(new TForm1(Application)) {
  FForm->AfterConstruction();
  FForm->Show();
  ProcessPendingMessages();
}

TJanelaDeTeste::~TJanelaDeTeste() { delete FForm; }

void Clica(TButton* Botao) {
  const HWND janela = Botao->Handle();
  SendMessageW(GetParent(janela), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(janela), BN_CLICKED),
               reinterpret_cast<LPARAM>(janela));
  ProcessPendingMessages();
}

std::vector<String> TextosDosDialogos(const TScriptedDialogs& Dialogos) {
  std::vector<String> textos;
  for (const TMessageBoxRequest& pedido : Dialogos.Messages()) textos.push_back(pedido.Text);
  return textos;
}
