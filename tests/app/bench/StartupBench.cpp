// The tool's start-up against a plain program of the platform alone that
// shows the same window (PlainWindow.cpp): the time from process start to
// the main window shown and its message loop idle, alternating the two, and
// the time each of the tool's units takes to start, in link order.
// Run by hand, with no arguments, from its build folder:
//   wine bench_app_startup.exe [rounds]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "vcl/rtl/UnitStartup.h"
#include "vcl/rtl/WinApi.h"

namespace {

using Relogio = std::chrono::steady_clock;

double Milissegundos(Relogio::time_point Inicio) {
  return std::chrono::duration<double, std::milli>(Relogio::now() - Inicio).count();
}

std::wstring PastaDoPrograma() {
  wchar_t caminho[MAX_PATH];
  GetModuleFileNameW(nullptr, caminho, MAX_PATH);
  std::wstring pasta = caminho;
  return pasta.substr(0, pasta.find_last_of(L'\\') + 1);
}

struct TJanelaDoProcesso {
  DWORD Processo;
  HWND Janela = nullptr;
};

BOOL CALLBACK AchaJanela(HWND Janela, LPARAM Dados) {
  auto* busca = reinterpret_cast<TJanelaDoProcesso*>(Dados);
  DWORD processo = 0;
  GetWindowThreadProcessId(Janela, &processo);
  if (processo != busca->Processo || !IsWindowVisible(Janela)) return TRUE;
  busca->Janela = Janela;
  return FALSE;
}

// Milliseconds from the process's creation to its main window shown with
// nothing left to do; the program is closed again after.
double TempoAteAJanela(const std::wstring& Programa, const std::wstring& Pasta) {
  STARTUPINFOW inicio{sizeof(inicio)};
  PROCESS_INFORMATION processo{};
  std::wstring linha = L"\"" + Programa + L"\"";
  const Relogio::time_point comeco = Relogio::now();
  if (!CreateProcessW(Programa.c_str(), linha.data(), nullptr, nullptr, FALSE, 0, nullptr, Pasta.c_str(),
                      &inicio, &processo)) {
    std::printf("cannot start %ls (error %lu)\n", Programa.c_str(), GetLastError());
    std::exit(1);
  }
  TJanelaDoProcesso busca{processo.dwProcessId};
  while (true) {
    WaitForInputIdle(processo.hProcess, 10000);
    EnumWindows(AchaJanela, reinterpret_cast<LPARAM>(&busca));
    if (busca.Janela) break;
    if (Milissegundos(comeco) > 20000 || WaitForSingleObject(processo.hProcess, 1) == WAIT_OBJECT_0) {
      std::printf("%ls showed no window\n", Programa.c_str());
      std::exit(1);
    }
  }
  const double tempo = Milissegundos(comeco);
  PostMessageW(busca.Janela, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(processo.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(processo.hProcess, 1);
  CloseHandle(processo.hThread);
  CloseHandle(processo.hProcess);
  return tempo;
}

double Mediana(std::vector<double> Valores) {
  std::sort(Valores.begin(), Valores.end());
  return Valores[Valores.size() / 2];
}

void ComparaComOProgramaSimples(int Rodadas) {
  const std::wstring pasta = PastaDoPrograma();
  const std::wstring ferramenta = pasta + L"..\\..\\bin\\Conversao.exe";
  const std::wstring simples = pasta + L"bench_app_plainwindow.exe";
  // A folder without "conexao.dat": the tool shows its window and reads nothing.
  wchar_t temporaria[MAX_PATH];
  GetTempPathW(MAX_PATH, temporaria);
  const std::wstring vazia = std::wstring(temporaria) + L"conversao-startup-bench";
  CreateDirectoryW(vazia.c_str(), nullptr);
  // One of each first, so that neither pays for a cold file cache.
  TempoAteAJanela(ferramenta, vazia);
  TempoAteAJanela(simples, vazia);
  std::vector<double> daFerramenta, doSimples;
  for (int i = 0; i < Rodadas; ++i) {
    daFerramenta.push_back(TempoAteAJanela(ferramenta, vazia));
    doSimples.push_back(TempoAteAJanela(simples, vazia));
    std::printf("round %2d: tool %7.1f ms, plain program %7.1f ms\n", i + 1, daFerramenta.back(),
                doSimples.back());
  }
  const double ferramentaMediana = Mediana(daFerramenta), simplesMediana = Mediana(doSimples);
  std::printf("median of %d rounds: tool %.1f ms, plain program %.1f ms, tool / plain %.2f\n", Rodadas,
              ferramentaMediana, simplesMediana, ferramentaMediana / simplesMediana);
}

// Each unit's start-up, in the tool's own order, timed one by one.
void RelatorioDasUnidades() {
  const TUnitTable& unidades = ProgramUnits();
  std::vector<double> tempos;
  double total = 0;
  for (const TUnitEntry& unidade : unidades) {
    const Relogio::time_point comeco = Relogio::now();
    if (unidade.Initialize) unidade.Initialize();
    tempos.push_back(Milissegundos(comeco));
    total += tempos.back();
  }
  std::printf("\nstart-up of the tool's %zu units: %.1f ms\n", unidades.size(), total);
  for (size_t i = 0; i < unidades.size(); ++i)
    if (tempos[i] >= 0.1) std::printf("  %-40ls %6.1f ms\n", unidades[i].Name, tempos[i]);
  for (size_t i = unidades.size(); i-- > 0;)
    if (unidades[i].Finalize) unidades[i].Finalize();
}

}  // namespace

int main(int argc, char** argv) {
  const int rodadas = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
  ComparaComOProgramaSimples(rodadas);
  RelatorioDasUnidades();
  return 0;
}
