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
