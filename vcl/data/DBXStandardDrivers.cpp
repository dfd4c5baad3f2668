#include "vcl/data/DBXStandardDrivers.h"

namespace {

struct TDriverDefaults {
  const wchar_t* ProductName;
  const wchar_t* DriverUnit;
  const wchar_t* GetDriverFunc;
  const wchar_t* LibraryName;
  const wchar_t* VendorLib;
};

constexpr TDriverDefaults OracleDefaults{L"Oracle", L"DBXOracle", L"getSQLDriverORACLE", L"dbxora.dll",
                                         L"oci.dll"};
constexpr TDriverDefaults MSSQLDefaults{L"MSSQL", L"DBXMSSQL", L"getSQLDriverMSSQL", L"dbxmss.dll",
                                        L"sqlncli10.dll"};

void SetDefaults(TDBXProperties& P, const TDriverDefaults& D) {
  P.SetValue(TDBXPropertyNames::DriverUnit, D.DriverUnit);
  P.SetValue(TDBXPropertyNames::ProductName, D.ProductName);
  P.SetValue(TDBXPropertyNames::GetDriverFunc, D.GetDriverFunc);
  P.SetValue(TDBXPropertyNames::LibraryName, D.LibraryName);
  P.SetValue(TDBXPropertyNames::VendorLib, D.VendorLib);
  P.SetValue(TDBXPropertyNames::MaxBlobSize, L"-1");
}

constexpr const wchar_t* OracleName = L"ORACLE";
constexpr const wchar_t* MSSQLName = L"MSSQL";

}  // namespace

TDBXOracleDriver::TDBXOracleDriver(const TDBXDriverDef& DriverDef)
    : TDBXDynalinkDriverNative(DriverDef, TDBXDynalinkDriverLoader::StaticClass()) {
  SetDefaults(*DriverProperties(), OracleDefaults);
}

TDBXMSSQLDriver::TDBXMSSQLDriver(const TDBXDriverDef& DriverDef)
    : TDBXDynalinkDriverNative(DriverDef, TDBXDynalinkDriverLoader::StaticClass()) {
  SetDefaults(*DriverProperties(), MSSQLDefaults);
}

void DBXStandardDrivers_Initialize() {
  TDBXDriverRegistry& Registry = TDBXDriverRegistry::DBXDriverRegistry();
  Registry.RegisterDriverClass<TDBXOracleDriver>(OracleName);
  Registry.AddKnownDriverName(OracleName);
  Registry.RegisterDriverClass<TDBXMSSQLDriver>(MSSQLName);
  Registry.AddKnownDriverName(MSSQLName);
}

void DBXStandardDrivers_Finalize() {
  TDBXDriverRegistry& Registry = TDBXDriverRegistry::DBXDriverRegistry();
  Registry.UnloadDriver(MSSQLName);
  Registry.UnloadDriver(OracleName);
}

const TUnitEntry DBXStandardDriversUnit{L"DBXStandardDrivers", DBXStandardDrivers_Initialize, DBXStandardDrivers_Finalize};
