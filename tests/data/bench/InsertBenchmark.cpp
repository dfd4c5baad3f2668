// Rows per second of 10,000 inserts in one transaction: through
// TSQLDataSet.ExecSQL with parameters, and the same loop written directly
// on the Firebird client API. Prints both rates and their ratio.
#include <ibase.h>

#include <chrono>
#include <cstdio>
#include <cstring>

#include "tests/dbfixture/TestDatabase.h"
#include "vcl/data/DBXFirebird.h"
#include "vcl/rtl/UnitStartup.h"
#include "vcl/rtl/WinApi.h"

const TUnitTable& ProgramUnits() {
  static const TUnitTable units{DBXFirebirdUnit};
  return units;
}

namespace {

constexpr int Rows = 10000;
const wchar_t* const Create = L"create table bench (id integer not null primary key, name varchar(40), amount double precision)";

template <class F>
double Seconds(F Work) {
  const auto Start = std::chrono::steady_clock::now();
  Work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count();
}

double ThroughDataSet() {
  TTestDatabase Db;
  Db.Execute({Create});
  const std::unique_ptr<TSQLConnection> Connection = Db.Connect();
  TSQLDataSet Insert(nullptr);
  Insert.SetSQLConnection(Connection.get());
  Insert.SetCommandText(L"insert into bench (id, name, amount) values (:id, :name, :amount)");
  TParam* Id = Insert.Params()->ParamByName(L"id");
  TParam* Name = Insert.Params()->ParamByName(L"name");
  TParam* Amount = Insert.Params()->ParamByName(L"amount");
  const TTransactionDesc Desc{1, 0, xilREADCOMMITTED, 0};
  return Seconds([&] {
    Connection->StartTransaction(Desc);
    for (int i = 0; i < Rows; ++i) {
      Id->SetAsInteger(i);
      Name->SetAsString(L"row");
      Amount->SetAsFloat(i * 0.5);
      Insert.ExecSQL();
    }
    Connection->Commit(Desc);
  });
}

#define CHECK(call)                                   \
  if (call) {                                         \
    std::fprintf(stderr, "%s failed\n", #call);       \
    std::exit(1);                                     \
  }

double ThroughClientApi() {
  TTestDatabase Db;
  Db.Execute({Create});
  const HMODULE Client = LoadLibraryW(L"fbclient.dll");
#define BIND(name) const auto name = reinterpret_cast<decltype(&::name)>(GetProcAddress(Client, #name));
  BIND(isc_attach_database) BIND(isc_detach_database) BIND(isc_start_multiple)
  BIND(isc_commit_transaction) BIND(isc_dsql_allocate_statement) BIND(isc_dsql_prepare)
  BIND(isc_dsql_execute) BIND(isc_dsql_free_statement)
  ISC_STATUS_ARRAY Status;
  isc_db_handle Database = 0;
  const std::string Path = ToAnsi(Db.Path());
  const char Dpb[] = {isc_dpb_version1, isc_dpb_user_name, 6, 's', 'y', 's', 'd', 'b', 'a',
                      isc_dpb_password, 9, 'm', 'a', 's', 't', 'e', 'r', 'k', 'e', 'y'};
  CHECK(isc_attach_database(Status, 0, Path.c_str(), &Database, sizeof Dpb, Dpb));
  const char Tpb[] = {isc_tpb_version3, isc_tpb_write, isc_tpb_read_committed, isc_tpb_rec_version,
                      isc_tpb_wait};
  struct {
    isc_db_handle* Db;
    ISC_LONG Length;
    const char* Tpb;
  } Teb{&Database, sizeof Tpb, Tpb};
  isc_tr_handle Transaction = 0;
  isc_stmt_handle Statement = 0;
  alignas(XSQLDA) char Area[XSQLDA_LENGTH(3)] = {};
  auto* In = reinterpret_cast<XSQLDA*>(Area);
  In->version = SQLDA_VERSION1;
  In->sqln = In->sqld = 3;
  int32_t Id = 0;
  char Name[] = "row";
  double Amount = 0;
  short NotNull = 0;
  In->sqlvar[0] = XSQLVAR{SQL_LONG + 1, 0, 0, 4, reinterpret_cast<char*>(&Id), &NotNull};
  In->sqlvar[1] = XSQLVAR{SQL_TEXT + 1, 0, 0, 3, Name, &NotNull};
  In->sqlvar[2] = XSQLVAR{SQL_DOUBLE + 1, 0, 0, 8, reinterpret_cast<char*>(&Amount), &NotNull};
  const char Sql[] = "insert into bench (id, name, amount) values (?, ?, ?)";
  const double Elapsed = Seconds([&] {
    CHECK(isc_start_multiple(Status, &Transaction, 1, &Teb));
    CHECK(isc_dsql_allocate_statement(Status, &Database, &Statement));
    CHECK(isc_dsql_prepare(Status, &Transaction, &Statement, 0, Sql, 3, nullptr));
    for (int i = 0; i < Rows; ++i) {
      Id = i;
      Amount = i * 0.5;
      CHECK(isc_dsql_execute(Status, &Transaction, &Statement, SQLDA_VERSION1, In));
    }
    CHECK(isc_commit_transaction(Status, &Transaction));
  });
  isc_dsql_free_statement(Status, &Statement, DSQL_drop);
  isc_detach_database(Status, &Database);
  FreeLibrary(Client);
  return Elapsed;
}

}  // namespace

int main() {
  TUnitStartup Startup;
  try {
    // Alternate, and keep each side's best of five: the disk and the
    // machine's other work make single runs vary widely.
    double DataSet = 1e9, Direct = 1e9;
    for (int Round = 0; Round < 5; ++Round) {
      DataSet = std::min(DataSet, ThroughDataSet());
      Direct = std::min(Direct, ThroughClientApi());
    }
    std::printf("TSQLDataSet.ExecSQL: %.0f rows/s\n", Rows / DataSet);
    std::printf("client API directly: %.0f rows/s\n", Rows / Direct);
    std::printf("ratio: %.2f\n", Direct / DataSet);
  } catch (const Exception& E) {
    std::fprintf(stderr, "%s\n", E.what());
    return 1;
  }
  return 0;
}
