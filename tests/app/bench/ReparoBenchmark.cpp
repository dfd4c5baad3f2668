// Headers repaired per second: the tool's repair run (window, data sets,
// before-open handler, general-services library) over 2,000 matching
// headers, against a direct loop that issues the same statements on the
// same data through the driver's connection. Run by hand:
//   wine bench_app_reparo.exe
#include <chrono>
#include <cstdio>

#include "app/USQLReparo.h"
#include "app/UAplicacaoLibrary.h"
#include "app/demo/UBaseDemo.h"
#include "sqlutil/KWYUtils.h"
#include "tests/app/Ambiente.h"
#include "vcl/controls/Application.h"
#include "vcl/controls/ComCtrls.h"
#include "vcl/controls/Controls.h"
#include "vcl/data/DBXFirebird.h"
#include "vcl/data/DBXStandardDrivers.h"
#include "vcl/rtl/DateUtils.h"

const TUnitTable& ProgramUnits() {
  static const TUnitTable units{
      ControlsUnit,
      ApplicationUnit,
      KWYUtilsUnit,
      DBXFirebirdUnit,
      DBXStandardDriversUnit,
      UAplicacaoLibraryUnit,
  };
  return units;
}

namespace {

constexpr int Capas = 2000;

using Relogio = std::chrono::steady_clock;

double Segundos(Relogio::time_point Inicio) {
  return std::chrono::duration<double>(Relogio::now() - Inicio).count();
}

void PreparaBase(const TBaseDeTeste& Base) {
  std::vector<String> dados{L"INSERT INTO GER_DBVERSAO VALUES ('2022.08.03')"};
  const std::vector<String> capas = ComandosCapasDemo(1, 1, 1, Capas);
  dados.insert(dados.end(), capas.begin(), capas.end());
  ExecutaComandos(*Base.Connect(), dados);
}

double PelaJanela() {
  TPastaDeTrabalho pasta;
  TBaseDeTeste base;
  PreparaBase(base);
  pasta.Escreve(L"conexao.dat", L"BANCODADOS=INTERBASE\r\nDATABASE=" + base.Path() + L"\r\n");
  TScriptedDialogs dialogos;
  TJanelaDeTeste janela;
  Clica(janela->btnAbriBD);
  janela->edtEmpresa->SetText(L"1");
  janela->edtRevenda->SetText(L"1");
  for (TDateTimePicker* data : {janela->dtpInicial, janela->dtpFinal}) data->SetChecked(true);
  janela->dtpInicial->SetDateTime(EncodeDate(2022, 7, 1));
  janela->dtpFinal->SetDateTime(EncodeDate(2022, 7, 31));
  dialogos.Answer(mrOk);
  const Relogio::time_point inicio = Relogio::now();
  Clica(janela->btnGerar);
  const double segundos = Segundos(inicio);
  if (dialogos.Messages().empty() || dialogos.Messages().back().Text != L"Processo concluído.")
    throw Exception(L"the repair run did not complete");
  return segundos;
}

// The same statements, in the same order, in one transaction: the next
// numbers read as the general-services library reads them.
double LacoDireto() {
  TBaseDeTeste base;
  PreparaBase(base);
  const std::unique_ptr<TSQLConnection> conexao = base.Connect();
  TDBXConnection& dbx = *conexao->DBXConnection();
  const Relogio::time_point inicio = Relogio::now();
  const std::unique_ptr<TDBXTransaction> transacao = dbx.BeginTransaction(xilREADCOMMITTED);
  auto executa = [&](const String& SQL) {
    const std::unique_ptr<TDBXCommand> comando = dbx.CreateCommand();
    comando->Prepare(SQL, *transacao);
    comando->Execute(*transacao);
  };
  auto proximo = [&](const wchar_t* Tabela) {
    const std::unique_ptr<TDBXCommand> comando = dbx.CreateCommand();
    comando->Prepare(String(L"select coalesce(max(OPERACAO), 0) + 1 from ") + Tabela +
                         L" where EMPRESA = 1 and REVENDA = 1",
                     *transacao);
    const std::unique_ptr<TDBXReader> leitor = comando->ExecuteQuery(*transacao);
    leitor->Next();
    return static_cast<int>(leitor->Value(0).Int);
  };
  TFiltroReparo filtro{L"1",
                       L"1",
                       L"",
                       L"",
                       L"",
                       L"",
                       true,
                       true,
                       DataPSql(L"INTERBASE", EncodeDate(2022, 7, 1)),
                       DataPSql(L"INTERBASE", EncodeDate(2022, 7, 31))};
  std::vector<TCapaNota> capas;
  {
    const std::unique_ptr<TDBXCommand> comando = dbx.CreateCommand();
    comando->Prepare(SQLFiltroCapas(filtro), *transacao);
    const std::unique_ptr<TDBXReader> leitor = comando->ExecuteQuery(*transacao);
    while (leitor->Next()) {
      auto texto = [&](int i) { return IntToStr(leitor->Value(i).Int); };
      capas.push_back({texto(0), texto(1), texto(2), leitor->Value(3).Text, leitor->Value(4).Text,
                       texto(5), DataPSql(L"INTERBASE", leitor->Value(6).Float),
                       static_cast<int>(leitor->Value(8).Int)});
    }
  }
  for (const TCapaNota& capa : capas) {
    const int fat = proximo(L"FAT_OPERACAO");
    executa(SQLInsereFatOperacao(capa, fat));
    const int ger = proximo(L"GER_OPERACAO");
    executa(SQLInsereGerOperacao(capa, ger));
    executa(SQLAtualizaCapa(capa, fat, ger));
    if (capa.OperacaoAntiga != 0) executa(SQLAtualizaCondicao(capa, fat));
  }
  transacao->Commit();
  if (capas.size() != Capas) throw Exception(L"the direct loop did not find every header");
  return Segundos(inicio);
}

}  // namespace

int main() {
  try {
    const TUnitStartup startup;
    const double janela = PelaJanela();
    const double direto = LacoDireto();
    std::printf("repair run through the window: %8.1f headers/s (%.2f s)\n", Capas / janela,
                janela);
    std::printf("direct loop, same statements:  %8.1f headers/s (%.2f s)\n", Capas / direto,
                direto);
    std::printf("ratio (window / direct):       %8.2f\n", direto / janela);
    return 0;
  } catch (const Exception& E) {
    std::fprintf(stderr, "bench_app_reparo: %s\n", E.what());
    return 1;
  }
}
