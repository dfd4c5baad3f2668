#include "drivers/DBXOstraSQLServer.h"

namespace {

// The package suffix of the development-environment release the driver
// packages belong to.
const wchar_t* const kPackageSuffix = L"160";

const wchar_t* const kDriverNames[] = {L"OstraSQLServer", L"OstraSQLServerDirect",
                                       L"OstraSQLServerCompact"};

}  // namespace

TDBXOstraSQLServerDriver::TDBXOstraSQLServerDriver(const TDBXDriverDef& ADriverDef)
    : TDBXDynalinkDriverNative(ADriverDef, DriverLoaderClass()) {
  InitDriverProperties(new TDBXOstraSQLServerProperties());  // owned by the driver
  const String suffix = kPackageSuffix;
  const std::pair<const wchar_t*, String> defaults[] = {
      {L"SchemaOverride", L"%.dbo"},
      {L"DriverUnit", L"DBXOstraSQLServer"},
      {L"DriverPackageLoader", L"TDBXDynalinkDriverLoader,DBXCommonDriver" + suffix + L".bpl"},
      {L"MetaDataPackageLoader",
       L"TDBXOstraMSSQLMetaDataCommandFactory,DbxOstraSQLServerDriver" + suffix + L".bpl"},
      {L"ProductName", L"OstraSQLServer"},
      {L"GetDriverFunc", L"getSQLDriverSQLServer"},
      {L"LibraryName", L"dbexpsqs40.dll"},
      {L"VendorLib", L"sqloledb.dll"},
      {L"HostName", {}},
      {L"Database", {}},
      {L"User_Name", {}},
      {L"Password", {}},
      {L"ErrorResourceFile", {}},
      {L"LocaleCode", L"0000"},
      {L"IsolationLevel", L"ReadCommitted"},
      {L"MaxBlobSize", L"-1"},
      {L"LongStrings", L"True"},
      {L"EnableBCD", L"True"},
      {L"FetchAll", L"True"},
      {L"ParamPrefix", L"False"},
      {L"UseUnicode", L"True"},
  };
  for (const auto& [name, value] : defaults) DriverProperties()->SetValue(name, value);
}

TDBXOstraSQLServerDirectDriver::TDBXOstraSQLServerDirectDriver(const TDBXDriverDef& ADriverDef)
    : TDBXOstraSQLServerDriver(ADriverDef) {
  DriverProperties()->SetValue(L"GetDriverFunc", L"getSQLDriverSQLServerDirect");
  DriverProperties()->SetValue(L"VendorLib", L"not used");
}

TDBXOstraSQLServerCompactDriver::TDBXOstraSQLServerCompactDriver(const TDBXDriverDef& ADriverDef)
    : TDBXOstraSQLServerDriver(ADriverDef) {
  DriverProperties()->SetValue(L"GetDriverFunc", L"getSQLDriverSQLServerCompact");
  DriverProperties()->SetValue(L"VendorLib", L"sqlceoledb30.dll");
}

void DBXOstraSQLServer::Initialize() {
  TDBXDriverRegistry& registry = TDBXDriverRegistry::DBXDriverRegistry();
  registry.RegisterDriverClass<TDBXOstraSQLServerDriver>(kDriverNames[0]);
  registry.RegisterDriverClass<TDBXOstraSQLServerDirectDriver>(kDriverNames[1]);
  registry.RegisterDriverClass<TDBXOstraSQLServerCompactDriver>(kDriverNames[2]);
  for (const wchar_t* name : kDriverNames) registry.AddKnownDriverName(name);
}

void DBXOstraSQLServer::Finalize() {
  for (const wchar_t* name : kDriverNames)
    TDBXDriverRegistry::DBXDriverRegistry().UnloadDriver(name);
}

const TUnitEntry DBXOstraSQLServerUnit{L"DBXOstraSQLServer", DBXOstraSQLServer::Initialize, DBXOstraSQLServer::Finalize};
