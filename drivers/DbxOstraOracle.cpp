#include "drivers/DbxOstraOracle.h"

namespace {

// The package suffix of the development-environment release the driver
// packages belong to.
const wchar_t* const kPackageSuffix = L"220";

const wchar_t* const kDriverNames[] = {L"OstraOracle", L"OstraOracleDirect"};

}  // namespace

TDBXOstraOracleDriver::TDBXOstraOracleDriver(const TDBXDriverDef& ADriverDef,
                                             TClass APropertiesClass)
    : TDBXDynalinkDriverNative(ADriverDef, DriverLoaderClass()) {
  // Owned by the driver.
  InitDriverProperties(static_cast<TDBXProperties*>(TObject::CreateInstance(APropertiesClass)));
  const String suffix = kPackageSuffix;
  const std::pair<const wchar_t*, String> defaults[] = {
      {L"DriverUnit", L"DbxOstraOracle"},
      {L"DriverPackageLoader", L"TDBXDynalinkDriverLoader,DBXCommonDriver" + suffix + L".bpl"},
      {L"MetaDataPackageLoader",
       L"TDBXOstraOracleMetaDataCommandFactory,DbxOstraOracleDriver" + suffix + L".bpl"},
      {L"ProductName", L"OstraOracle"},
      {L"GetDriverFunc", L"getSQLDriverORA"},
      {L"LibraryName", L"dbexpora40.dll"},
      {L"VendorLib", L"oci.dll"},
      {L"Database", {}},
      {L"User_Name", {}},
      {L"Password", {}},
      {L"MaxBlobSize", L"-1"},
      {L"ErrorResourceFile", {}},
      {L"LocaleCode", L"0000"},
      {L"Oracle TransIsolation", L"ReadCommitted"},
      {L"RoleName", L"Normal"},
      {L"LongStrings", L"True"},
      {L"EnableBCD", L"True"},
      {L"InternalName", {}},
      {L"UseQuoteChar", L"False"},
      {L"CharLength", L"0"},
      {L"Charset", {}},
      {L"UseUnicode", L"True"},
      {L"UnicodeEnvironment", L"True"},
  };
  for (const auto& [name, value] : defaults) DriverProperties()->SetValue(name, value);
}

TDBXOstraOracleDirectDriver::TDBXOstraOracleDirectDriver(const TDBXDriverDef& ADriverDef)
    : TDBXOstraOracleDriver(ADriverDef, TDBXOstraOracleDirectProperties::StaticClass()) {
  const std::pair<const wchar_t*, String> defaults[] = {
      {L"HostName", {}},
      {L"GetDriverFunc", L"getSQLDriverORADirect"},
      {L"VendorLib", L"dbexpora40.dll"},
      {L"IPVersion", L"IPv4"},
      {L"UnicodeEnvironment", L"False"},
  };
  for (const auto& [name, value] : defaults) DriverProperties()->SetValue(name, value);
}

void DbxOstraOracle::Initialize() {
  TDBXDriverRegistry& registry = TDBXDriverRegistry::DBXDriverRegistry();
  registry.RegisterDriverClass<TDBXOstraOracleDriver>(kDriverNames[0]);
  registry.RegisterDriverClass<TDBXOstraOracleDirectDriver>(kDriverNames[1]);
  for (const wchar_t* name : kDriverNames) registry.AddKnownDriverName(name);
}

void DbxOstraOracle::Finalize() {
  for (const wchar_t* name : kDriverNames)
    TDBXDriverRegistry::DBXDriverRegistry().UnloadDriver(name);
}

const TUnitEntry DbxOstraOracleUnit{L"DbxOstraOracle", DbxOstraOracle::Initialize, DbxOstraOracle::Finalize};
