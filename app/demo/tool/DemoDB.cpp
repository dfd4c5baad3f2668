// Creates the repair tool's demo database: an empty Firebird file with the
// business system's tables and sample invoices. Usage: DemoDB <file.fdb>
#include <cstdio>

#include "app/demo/UBaseDemo.h"
#include "vcl/data/DBXFirebird.h"
#include "vcl/data/SqlExpr.h"
#include "vcl/rtl/Strings.h"
#include "vcl/rtl/UnitStartup.h"

const TUnitTable& ProgramUnits() {
  static const TUnitTable units{{L"DBXFirebird", DBXFirebird_Initialize, DBXFirebird_Finalize}};
  return units;
}

namespace {

void CriaBaseDemo(const String& Arquivo) {
  TDBXProperties propriedades;
  propriedades.SetValue(TDBXPropertyNames::Database, Arquivo);
  propriedades.SetValue(TDBXPropertyNames::UserName, L"sysdba");
  propriedades.SetValue(TDBXPropertyNames::Password, L"masterkey");
  CreateFirebirdDatabase(propriedades);

  TSQLConnection conexao(nullptr);
  conexao.SetDriverName(L"Firebird");
  conexao.SetVendorLib(L"fbclient.dll");
  conexao.SetLoginPrompt(false);
  for (const String& linha : {String(L"SQLDialect=3"), L"DataBase=" + Arquivo,
                              String(L"User_Name=sysdba"), String(L"Password=masterkey")})
    conexao.Params()->Add(linha);
  conexao.Open();
  PreparaBaseDemo(conexao);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fputws(L"usage: DemoDB <file.fdb>\n", stderr);
    return 2;
  }
  try {
    TUnitStartup startup;
    CriaBaseDemo(argv[1]);
    return 0;
  } catch (const Exception& E) {
    std::fwprintf(stderr, L"DemoDB: %ls\n", E.Message().c_str());
    return 1;
  }
}
