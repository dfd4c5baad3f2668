// Headers repaired per second: the tool's repair run (window, data sets,
// before-open handler, general-services library, driver layer) over 2,000
// matching headers, against the same statements issued directly on the
// Firebird client's C API, each prepared as the repair prepares it. The two
// take turns, each round on a fresh copy of one prepared database. Run by
// hand:
//   wine bench_app_reparo.exe [rounds]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

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
#include "vcl/data/FBClient.h"
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

// A copy of the prepared database, removed when it goes.
class TCopiaDaBase {
public:
  explicit TCopiaDaBase(const String& Modelo) : FCaminho(Modelo + L".copia" + IntToStr(++GCopias) + L".fdb") {
    if (!CopyFileW(Modelo.c_str(), FCaminho.c_str(), TRUE))
      throw Exception(L"cannot copy the prepared database to " + FCaminho);
  }
  ~TCopiaDaBase() { DeleteFileW(FCaminho.c_str()); }
  TCopiaDaBase(const TCopiaDaBase&) = delete;
  TCopiaDaBase& operator=(const TCopiaDaBase&) = delete;
  const String& Caminho() const { return FCaminho; }

private:
  static inline int GCopias = 0;
  String FCaminho;
};

double PelaJanela(const String& Base) {
  TPastaDeTrabalho pasta;
  pasta.Escreve(L"conexao.dat", L"BANCODADOS=INTERBASE\r\nDATABASE=" + Base + L"\r\n");
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


// The Firebird client's C API with nothing between: one attachment, one
// transaction, every statement allocated, prepared and run on its own.
class TApiFirebird {
public:
  explicit TApiFirebird(const String& Base) : FCliente(TFBClient::Load(L"fbclient.dll")) {
    std::string dpb(1, isc_dpb_version1);
    for (const auto& [item, valor] : {std::pair<char, std::string>{isc_dpb_user_name, "SYSDBA"},
                                      {isc_dpb_password, "masterkey"}}) {
      dpb += item;
      dpb += static_cast<char>(valor.size());
      dpb += valor;
    }
    dpb += static_cast<char>(isc_dpb_utf8_filename);
    dpb += '\0';
    const std::string nome = ToUtf8(Base);
    Confere(FCliente->isc_attach_database(FStatus, 0, nome.c_str(), &FBase, static_cast<short>(dpb.size()),
                                          dpb.data()));
    static const char tpb[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_read_committed, isc_tpb_rec_version,
                               isc_tpb_wait};
    struct {  // the client's transaction existence block
      isc_db_handle* Database;
      ISC_LONG TpbLength;
      const char* Tpb;
    } teb{&FBase, sizeof(tpb), tpb};
    Confere(FCliente->isc_start_multiple(FStatus, &FTransacao, 1, &teb));
  }
  ~TApiFirebird() {
    if (FTransacao) FCliente->isc_rollback_transaction(FStatus, &FTransacao);
    if (FBase) FCliente->isc_detach_database(FStatus, &FBase);
  }
  TApiFirebird(const TApiFirebird&) = delete;
  TApiFirebird& operator=(const TApiFirebird&) = delete;

  void Executa(const String& SQL) { Consulta(SQL, [](const XSQLDA&) {}); }

  // Runs a SELECT and hands every fetched row to Linha.
  template <class TLinha>
  void Consulta(const String& SQL, TLinha Linha) {
    isc_stmt_handle comando = 0;
    Confere(FCliente->isc_dsql_allocate_statement(FStatus, &FBase, &comando));
    std::vector<char> memoria(XSQLDA_LENGTH(16));
    auto* saida = reinterpret_cast<XSQLDA*>(memoria.data());
    saida->version = SQLDA_VERSION1;
    saida->sqln = 16;
    const std::string texto = ToUtf8(SQL);
    Confere(FCliente->isc_dsql_prepare(FStatus, &FTransacao, &comando, 0, texto.c_str(), 3, saida));
    std::vector<std::vector<char>> dados(saida->sqld);
    std::vector<ISC_SHORT> nulos(saida->sqld);
    for (int i = 0; i < saida->sqld; ++i) {
      XSQLVAR& coluna = saida->sqlvar[i];
      dados[i].resize(coluna.sqllen + sizeof(ISC_SHORT));
      coluna.sqldata = dados[i].data();
      coluna.sqlind = &nulos[i];
    }
    Confere(FCliente->isc_dsql_execute(FStatus, &FTransacao, &comando, 1, nullptr));
    if (saida->sqld > 0)
      while (FCliente->isc_dsql_fetch(FStatus, &comando, 1, saida) == 0) Linha(*saida);
    Confere(FCliente->isc_dsql_free_statement(FStatus, &comando, DSQL_drop));
  }

  void Confirma() { Confere(FCliente->isc_commit_transaction(FStatus, &FTransacao)); }

  static int64_t Inteiro(const XSQLVAR& C) {
    switch (C.sqltype & ~1) {
      case SQL_SHORT: return *reinterpret_cast<const ISC_SHORT*>(C.sqldata);
      case SQL_LONG: return *reinterpret_cast<const ISC_LONG*>(C.sqldata);
      default: return *reinterpret_cast<const ISC_INT64*>(C.sqldata);
    }
  }
  static String Texto(const XSQLVAR& C) {
    if ((C.sqltype & ~1) == SQL_VARYING)
      return FromUtf8(std::string(C.sqldata + 2, *reinterpret_cast<const ISC_USHORT*>(C.sqldata)));
    return TrimRight(FromUtf8(std::string(C.sqldata, C.sqllen)));
  }
  // A time stamp (days since 1858-11-17 and ten-thousandths of a second) as
  // the framework's dates (days since 1899-12-30).
  static TDateTime DataHora(const XSQLVAR& C) {
    const auto& valor = *reinterpret_cast<const ISC_TIMESTAMP*>(C.sqldata);
    return valor.timestamp_date - 15018.0 + valor.timestamp_time / (86400.0 * ISC_TIME_SECONDS_PRECISION);
  }

private:
  void Confere(ISC_STATUS Resultado) { FCliente->Check(Resultado, FStatus); }

  std::shared_ptr<TFBClient> FCliente;
  ISC_STATUS_ARRAY FStatus{};
  isc_db_handle FBase = 0;
  isc_tr_handle FTransacao = 0;
};

// The same statements as the repair, in the same order, in one transaction:
// the next numbers read as the general-services library reads them.
double PelaApi(const String& Base) {
  TApiFirebird api(Base);
  const Relogio::time_point inicio = Relogio::now();
  auto proximo = [&](const wchar_t* Tabela) {
    int64_t numero = 0;
    api.Consulta(String(L"select coalesce(max(OPERACAO), 0) + 1 from ") + Tabela +
                     L" where EMPRESA = 1 and REVENDA = 1",
                 [&](const XSQLDA& L) { numero = TApiFirebird::Inteiro(L.sqlvar[0]); });
    return static_cast<int>(numero);
  };
  const TFiltroReparo filtro{L"1", L"1", L"", L"", L"", L"", true, true,
                             DataPSql(L"INTERBASE", EncodeDate(2022, 7, 1)),
                             DataPSql(L"INTERBASE", EncodeDate(2022, 7, 31))};
  std::vector<TCapaNota> capas;
  api.Consulta(SQLFiltroCapas(filtro), [&](const XSQLDA& L) {
    auto numero = [&](int i) { return IntToStr(TApiFirebird::Inteiro(L.sqlvar[i])); };
    capas.push_back({numero(0), numero(1), numero(2), TApiFirebird::Texto(L.sqlvar[3]),
                     TApiFirebird::Texto(L.sqlvar[4]), numero(5),
                     DataPSql(L"INTERBASE", TApiFirebird::DataHora(L.sqlvar[6])),
                     static_cast<int>(TApiFirebird::Inteiro(L.sqlvar[8]))});
  });
  for (const TCapaNota& capa : capas) {
    const int fat = proximo(L"FAT_OPERACAO");
    api.Executa(SQLInsereFatOperacao(capa, fat));
    const int ger = proximo(L"GER_OPERACAO");
    api.Executa(SQLInsereGerOperacao(capa, ger));
    api.Executa(SQLAtualizaCapa(capa, fat, ger));
    if (capa.OperacaoAntiga != 0) api.Executa(SQLAtualizaCondicao(capa, fat));
  }
  api.Confirma();
  if (capas.size() != Capas) throw Exception(L"the direct loop did not find every header");
  return Segundos(inicio);
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const int rodadas = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const TUnitStartup startup;
    TBaseDeTeste modelo;
    PreparaBase(modelo);
    double janela = 1e300, direto = 1e300;
    for (int i = 0; i < rodadas; ++i) {
      janela = std::min(janela, PelaJanela(TCopiaDaBase(modelo.Path()).Caminho()));
      direto = std::min(direto, PelaApi(TCopiaDaBase(modelo.Path()).Caminho()));
    }
    std::printf("best of %d rounds, taking turns, each on a fresh copy of the database\n", rodadas);
    std::printf("repair run through the window: %8.1f headers/s (%.2f s)\n", Capas / janela, janela);
    std::printf("Firebird C API, same statements: %6.1f headers/s (%.2f s)\n", Capas / direto, direto);
    std::printf("ratio (window / C API):         %8.2f\n", direto / janela);
    return 0;
  } catch (const Exception& E) {
    std::fprintf(stderr, "bench_app_reparo: %s\n", E.what());
    return 1;
  }
}
