#include <gtest/gtest.h>

#include "drivers/DBXOstraSQLServer.h"
#include "drivers/DbxOstraOracle.h"
#include "vcl/data/SqlExpr.h"
#include "vcl/data/metadata/DBXMetaDataCommandFactory.h"
#include "vcl/data/metadata/DBXMetaDataWriterFactory.h"
#include "vcl/rtl/ClassRegistry.h"
#include "vcl/rtl/UnitStartup.h"

namespace {

using TEntries = std::vector<std::pair<String, String>>;

TEntries EntriesOf(const TDBXProperties& AProperties) {
  TEntries entries;
  for (int i = 0; i < AProperties.Count(); ++i)
    entries.emplace_back(AProperties.Names(i), AProperties.ValueFromIndex(i));
  return entries;
}

// ABase with each change applied in place, or added at the end when new.
TEntries Changed(TEntries ABase, const TEntries& AChanges) {
  for (const auto& [name, value] : AChanges) {
    const auto found = std::find_if(ABase.begin(), ABase.end(),
                                    [&](const auto& AEntry) { return AEntry.first == name; });
    if (found == ABase.end())
      ABase.emplace_back(name, value);
    else
      found->second = value;
  }
  return ABase;
}

const TEntries kSqlServerDefaults{
    {L"SchemaOverride", L"%.dbo"},
    {L"DriverUnit", L"DBXOstraSQLServer"},
    {L"DriverPackageLoader", L"TDBXDynalinkDriverLoader,DBXCommonDriver160.bpl"},
    {L"MetaDataPackageLoader",
     L"TDBXOstraMSSQLMetaDataCommandFactory,DbxOstraSQLServerDriver160.bpl"},
    {L"ProductName", L"OstraSQLServer"},
    {L"GetDriverFunc", L"getSQLDriverSQLServer"},
    {L"LibraryName", L"dbexpsqs40.dll"},
    {L"VendorLib", L"sqloledb.dll"},
    {L"HostName", L""},
    {L"Database", L""},
    {L"User_Name", L""},
    {L"Password", L""},
    {L"ErrorResourceFile", L""},
    {L"LocaleCode", L"0000"},
    {L"IsolationLevel", L"ReadCommitted"},
    {L"MaxBlobSize", L"-1"},
    {L"LongStrings", L"True"},
    {L"EnableBCD", L"True"},
    {L"FetchAll", L"True"},
    {L"ParamPrefix", L"False"},
    {L"UseUnicode", L"True"},
};

const TEntries kOracleDefaults{
    {L"DriverUnit", L"DbxOstraOracle"},
    {L"DriverPackageLoader", L"TDBXDynalinkDriverLoader,DBXCommonDriver220.bpl"},
    {L"MetaDataPackageLoader",
     L"TDBXOstraOracleMetaDataCommandFactory,DbxOstraOracleDriver220.bpl"},
    {L"ProductName", L"OstraOracle"},
    {L"GetDriverFunc", L"getSQLDriverORA"},
    {L"LibraryName", L"dbexpora40.dll"},
    {L"VendorLib", L"oci.dll"},
    {L"Database", L""},
    {L"User_Name", L""},
    {L"Password", L""},
    {L"MaxBlobSize", L"-1"},
    {L"ErrorResourceFile", L""},
    {L"LocaleCode", L"0000"},
    {L"Oracle TransIsolation", L"ReadCommitted"},
    {L"RoleName", L"Normal"},
    {L"LongStrings", L"True"},
    {L"EnableBCD", L"True"},
    {L"InternalName", L""},
    {L"UseQuoteChar", L"False"},
    {L"CharLength", L"0"},
    {L"Charset", L""},
    {L"UseUnicode", L"True"},
    {L"UnicodeEnvironment", L"True"},
};

struct TDriverCase {
  const wchar_t* Name;
  const wchar_t* DriverClass;
  const wchar_t* PropertiesClass;
  const wchar_t* ReaderClass;
  const wchar_t* Library;
  TEntries Defaults;
};

const std::vector<TDriverCase>& DriverCases() {
  static const std::vector<TDriverCase> cases{
      {L"OstraSQLServer", L"TDBXOstraSQLServerDriver", L"TDBXOstraSQLServerProperties",
       L"TDBXOstraMsSqlMetaDataReader", L"dbexpsqs40.dll", kSqlServerDefaults},
      {L"OstraSQLServerDirect", L"TDBXOstraSQLServerDirectDriver", L"TDBXOstraSQLServerProperties",
       L"TDBXOstraMsSqlMetaDataReader", L"dbexpsqs40.dll",
       Changed(kSqlServerDefaults,
               {{L"GetDriverFunc", L"getSQLDriverSQLServerDirect"}, {L"VendorLib", L"not used"}})},
      {L"OstraSQLServerCompact", L"TDBXOstraSQLServerCompactDriver",
       L"TDBXOstraSQLServerProperties", L"TDBXOstraMsSqlMetaDataReader", L"dbexpsqs40.dll",
       Changed(kSqlServerDefaults, {{L"GetDriverFunc", L"getSQLDriverSQLServerCompact"},
                                    {L"VendorLib", L"sqlceoledb30.dll"}})},
      {L"OstraOracle", L"TDBXOstraOracleDriver", L"TDBXOstraOracleProperties",
       L"TDBXOstraOracleMetaDataReader", L"dbexpora40.dll", kOracleDefaults},
      {L"OstraOracleDirect", L"TDBXOstraOracleDirectDriver", L"TDBXOstraOracleDirectProperties",
       L"TDBXOstraOracleMetaDataReader", L"dbexpora40.dll",
       Changed(kOracleDefaults, {{L"HostName", L""},
                                 {L"GetDriverFunc", L"getSQLDriverORADirect"},
                                 {L"VendorLib", L"dbexpora40.dll"},
                                 {L"IPVersion", L"IPv4"},
                                 {L"UnicodeEnvironment", L"False"}})},
  };
  return cases;
}

TDBXDriverRegistry& Registry() { return TDBXDriverRegistry::DBXDriverRegistry(); }

}  // namespace

TEST(DriverRegistration, NamesResolveToTheirDriversWithEveryDefaultInOrder) {
  for (const TDriverCase& c : DriverCases()) {
    SCOPED_TRACE(ToUtf8(c.Name));
    ASSERT_TRUE(Registry().IsRegistered(c.Name));
    TDBXDriver* driver = Registry().GetDriver(c.Name);
    EXPECT_EQ(driver->ClassName(), c.DriverClass);
    EXPECT_EQ(driver->DriverName(), c.Name);
    EXPECT_TRUE(driver->InheritsFrom(TDBXDynalinkDriverNative::StaticClass()));
    EXPECT_EQ(static_cast<TDBXDynalinkDriverNative*>(driver)->LoaderClass(),
              TDBXDynalinkDriverLoader::StaticClass());
    EXPECT_EQ(driver->DriverProperties()->ClassName(), c.PropertiesClass);
    EXPECT_EQ(EntriesOf(*driver->DriverProperties()), c.Defaults);
  }
  const auto* direct = dynamic_cast<TDBXOstraOracleDirectProperties*>(
      Registry().GetDriver(L"OstraOracleDirect")->DriverProperties());
  ASSERT_NE(direct, nullptr);
  EXPECT_EQ(direct->IPVersion(), L"IPv4");
  EXPECT_FALSE(direct->UnicodeEnvironment());
  EXPECT_EQ(direct->BlobSize(), -1);
}

TEST(DriverRegistration, StartUpMakesNamesFactoriesAndWritersKnown) {
  const std::vector<String>& known = Registry().KnownDriverNames();
  auto position = known.begin();
  for (const TDriverCase& c : DriverCases()) {
    SCOPED_TRACE(ToUtf8(c.Name));
    position = std::find(position, known.end(), c.Name);
    EXPECT_NE(position, known.end()) << "known in start-up order";

    const TDBXProperties& properties = *Registry().GetDriver(c.Name)->DriverProperties();
    std::unique_ptr<TDBXMetaDataCommandFactory> factory =
        TDBXMetaDataCommandFactory::CreateFromLoader(properties.Values(L"MetaDataPackageLoader"));
    std::unique_ptr<TDBXBaseMetaDataReader> reader = factory->CreateMetaDataReader();
    EXPECT_EQ(reader->ClassName(), c.ReaderClass);
    const String dialect = properties.Values(L"ProductName");
    EXPECT_EQ(reader->ProductName(), dialect);
    EXPECT_EQ(TDBXMetaDataWriterFactory::CreateWriter(dialect)->MetaDataReader().ClassName(),
              c.ReaderClass);
  }
}

TEST(DriverRegistration, ShutDownForgetsEverythingAndStartUpBringsItBack) {
  const TUnitTable& units = ProgramUnits();
  for (auto unit = units.rbegin(); unit != units.rend(); ++unit) unit->Finalize();

  for (const TDriverCase& c : DriverCases()) {
    SCOPED_TRACE(ToUtf8(c.Name));
    EXPECT_FALSE(Registry().IsRegistered(c.Name));
    const std::vector<String>& known = Registry().KnownDriverNames();
    EXPECT_EQ(std::find(known.begin(), known.end(), c.Name), known.end());
    EXPECT_THROW(Registry().GetDriver(c.Name), TDBXError);
  }
  for (const wchar_t* factory :
       {L"TDBXOstraMSSQLMetaDataCommandFactory", L"TDBXOstraOracleMetaDataCommandFactory"}) {
    EXPECT_EQ(GetClass(factory), nullptr);
    EXPECT_THROW(TDBXMetaDataCommandFactory::CreateFromLoader(String(factory) + L",x.bpl"),
                 TDBXError);
  }
  EXPECT_EQ(TDBXMetaDataWriterFactory::FindWriterClass(L"OstraSQLServer"), nullptr);
  EXPECT_EQ(TDBXMetaDataWriterFactory::FindWriterClass(L"OstraOracle"), nullptr);

  for (const TUnitEntry& unit : units) unit.Initialize();
  for (const TDriverCase& c : DriverCases())
    EXPECT_EQ(Registry().GetDriver(c.Name)->ClassName(), c.DriverClass);
  EXPECT_NE(GetClass(L"TDBXOstraOracleMetaDataCommandFactory"), nullptr);
  EXPECT_NE(TDBXMetaDataWriterFactory::FindWriterClass(L"OstraOracle"), nullptr);
}

TEST(DriverRegistration, ConnectingFailsWithTheDriverLibrarysLoadError) {
  for (const TDriverCase& c : DriverCases()) {
    SCOPED_TRACE(ToUtf8(c.Name));
    TSQLConnection connection(nullptr);
    connection.SetDriverName(c.Name);
    connection.SetLoginPrompt(false);
    connection.Params()->Add(L"HostName=SRV01");
    connection.Params()->Add(L"DataBase=ERP");
    try {
      connection.Open();
      ADD_FAILURE() << "the driver library was loaded";
    } catch (const TDBXError& error) {
      EXPECT_NE(error.Message().find(L"Unable to load " + String(c.Library)), String::npos)
          << ToUtf8(error.Message());
    }
    EXPECT_FALSE(connection.Connected());
  }
}
