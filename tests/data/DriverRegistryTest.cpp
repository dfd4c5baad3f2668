#include <gtest/gtest.h>

#include "vcl/data/DBXConnection.h"
#include "vcl/data/DBXDynalink.h"
#include "vcl/data/SqlExpr.h"
#include "vcl/rtl/Strings.h"
#include "vcl/rtl/WinApi.h"

namespace {

// A connection that only answers its names, for the loading tests.
class TNamedConnection : public TDBXConnection {
public:
  explicit TNamedConnection(String Database) : FDatabase(std::move(Database)) {}
  String ProductName() const override { return L"Test"; }
  String ProductVersion() const override { return FDatabase; }
  std::unique_ptr<TDBXTransaction> BeginTransaction(TTransIsolationLevel) override { return nullptr; }
  std::unique_ptr<TDBXCommand> CreateCommand() override { return nullptr; }

private:
  String FDatabase;
};

}  // namespace

// The test program doubles as an external driver library.
extern "C" __declspec(dllexport) TDBXConnection* getSQLDriverTEST(const TDBXProperties& Properties) {
  return new TNamedConnection(Properties.Values(TDBXPropertyNames::Database));
}

namespace {

// A dynalink driver whose library is whatever the test names.
class TTestDynalinkDriver : public TDBXDynalinkDriverNative {
  VCL_CLASS(TTestDynalinkDriver, TDBXDynalinkDriverNative)
public:
  explicit TTestDynalinkDriver(const TDBXDriverDef& Def)
      : TDBXDynalinkDriverNative(Def, TDBXDynalinkDriverLoader::StaticClass()) {
    DriverProperties()->SetValue(TDBXPropertyNames::GetDriverFunc, L"getSQLDriverTEST");
    DriverProperties()->SetValue(TDBXPropertyNames::LibraryName, L"missing-library.dll");
  }
};

class DriverRegistry : public ::testing::Test {
protected:
  TDBXDriverRegistry& Registry = TDBXDriverRegistry::DBXDriverRegistry();
  void SetUp() override {
    Registry.RegisterDriverClass<TTestDynalinkDriver>(L"TestDriver");
    Registry.AddKnownDriverName(L"TestDriver");
  }
  void TearDown() override { Registry.UnloadDriver(L"TestDriver"); }

  // The message of opening a connection of the driver with the given
  // connection settings.
  String OpenError(const String& DriverName, const String& LibraryName, const String& VendorLib = L"") {
    TSQLConnection Connection(nullptr);
    Connection.SetDriverName(DriverName);
    Connection.SetLibraryName(LibraryName);
    Connection.SetVendorLib(VendorLib);
    try {
      Connection.Open();
    } catch (const Exception& E) {
      EXPECT_FALSE(Connection.Connected());
      return E.Message();
    }
    return L"(opened)";
  }
};

String ThisProgram() {
  wchar_t Path[MAX_PATH];
  GetModuleFileNameW(nullptr, Path, MAX_PATH);
  return Path;
}

}  // namespace

TEST(DBXProperties, KeepOrderAndFindNamesWithoutCase) {
  TDBXProperties P;
  P.SetValue(L"HostName", L"a");
  P.SetValue(L"Database", L"b");
  P.SetValue(L"HOSTNAME", L"c");
  ASSERT_EQ(P.Count(), 2);
  EXPECT_EQ(P.Names(0), L"HostName");
  EXPECT_EQ(P.ValueFromIndex(0), L"c");
  EXPECT_EQ(P.Values(L"database"), L"b");
  EXPECT_EQ(P.Values(L"Missing"), L"");
  EXPECT_FALSE(P.HasValue(L"Missing"));
  P.Remove(L"hostname");
  EXPECT_EQ(P.Count(), 1);
}

TEST(DBXProperties, TypedReadingsFallBackOnTextsThatAreNotTheirType) {
  TDBXProperties P;
  const struct {
    const wchar_t* Text;
    int Integer;  // with fallback -1
    bool Boolean; // with fallback true
  } Cases[] = {{L"12", 12, true}, {L" -3 ", -3, true}, {L"", -1, true}, {L"x1", -1, true},
               {L"False", -1, false}, {L"true", -1, true}, {L"FALSE", -1, false}, {L"0", 0, true}};
  for (const auto& C : Cases) {
    P.SetValue(L"V", C.Text);
    EXPECT_EQ(P.GetInteger(L"V", -1), C.Integer) << C.Text;
    EXPECT_EQ(P.GetBoolean(L"V", true), C.Boolean) << C.Text;
  }
  P.SetBoolean(L"B", false);
  P.SetInteger(L"I", 42);
  EXPECT_EQ(P.Values(L"B"), L"False");
  EXPECT_EQ(P.Values(L"I"), L"42");
}

TEST(DBXProperties, AddPropertiesTakesNameValueLinesLaterOnesWinning) {
  TStringList Lines;
  for (const wchar_t* Line : {L"Database=a=b", L"no separator", L"User_Name=x", L"database=c=d"})
    Lines.Add(Line);
  TDBXProperties P;
  P.SetValue(L"User_Name", L"old");
  P.AddProperties(Lines);
  EXPECT_EQ(P.Count(), 2);
  EXPECT_EQ(P.Values(L"Database"), L"c=d");
  EXPECT_EQ(P.Values(L"User_Name"), L"x");
}

TEST_F(DriverRegistry, ResolvesARegisteredNameToOneDriverWithItsDefaults) {
  EXPECT_TRUE(Registry.IsRegistered(L"testdriver"));
  EXPECT_EQ(Registry.DriverClass(L"TestDriver"), TTestDynalinkDriver::StaticClass());
  TDBXDriver* Driver = Registry.GetDriver(L"TESTDRIVER");
  EXPECT_EQ(Driver, Registry.GetDriver(L"TestDriver"));
  EXPECT_EQ(Driver->DriverProperties()->Values(L"GetDriverFunc"), L"getSQLDriverTEST");
  EXPECT_EQ(static_cast<TDBXDynalinkDriverNative*>(Driver)->LoaderClass(),
            TDBXDynalinkDriverLoader::StaticClass());
  const auto& Names = Registry.KnownDriverNames();
  EXPECT_NE(std::find(Names.begin(), Names.end(), String(L"TestDriver")), Names.end());
}

TEST_F(DriverRegistry, UnloadingForgetsTheNameEverywhere) {
  Registry.UnloadDriver(L"testdriver");
  EXPECT_FALSE(Registry.IsRegistered(L"TestDriver"));
  EXPECT_EQ(Registry.DriverClass(L"TestDriver"), nullptr);
  const auto& Names = Registry.KnownDriverNames();
  EXPECT_EQ(std::find(Names.begin(), Names.end(), String(L"TestDriver")), Names.end());
  try {
    Registry.GetDriver(L"TestDriver");
    FAIL() << "an unloaded name resolved";
  } catch (const TDBXError& E) {
    EXPECT_EQ(E.Message(), L"Unknown driver: TestDriver");
  }
}

TEST_F(DriverRegistry, ConnectionsReportWhatCouldNotBeLoaded) {
  const String Missing126 = L"(ErrorCode 126). It may be missing from the system path.";
  const struct {
    const wchar_t* Driver;
    String Library;
    const wchar_t* VendorLib;
    String Message;
  } Cases[] = {
      {L"NoSuchDriver", L"", L"", L"Unknown driver: NoSuchDriver"},
      {L"", L"", L"", L"Missing DriverName property"},
      {L"TestDriver", L"", L"", L"Unable to load missing-library.dll " + Missing126},
      {L"TestDriver", L"dbexpora40.dll", L"", L"Unable to load dbexpora40.dll " + Missing126},
      {L"ORACLE", L"", L"", L"Unable to load dbxora.dll " + Missing126},
      {L"MSSQL", L"", L"", L"Unable to load dbxmss.dll " + Missing126},
      {L"TestDriver", L"kernel32.dll", L"",
       L"Unable to find the driver entry getSQLDriverTEST in kernel32.dll."},
      {L"Firebird", L"", L"nofbclient.dll", L"Unable to load nofbclient.dll " + Missing126},
  };
  for (const auto& C : Cases) EXPECT_EQ(OpenError(C.Driver, C.Library, C.VendorLib), C.Message);
}

TEST_F(DriverRegistry, OpensAConnectionFromTheEntryOfALoadedLibrary) {
  TSQLConnection Connection(nullptr);
  Connection.SetDriverName(L"TestDriver");
  Connection.SetLibraryName(ThisProgram());
  Connection.Params()->Add(L"Database=somewhere");
  Connection.Open();
  ASSERT_TRUE(Connection.Connected());
  EXPECT_EQ(Connection.DBXConnection()->ProductName(), L"Test");
  EXPECT_EQ(Connection.ServerVersion(), L"somewhere");  // the properties reached the entry
  Connection.Close();
  EXPECT_FALSE(Connection.Connected());
  EXPECT_EQ(Connection.DBXConnection(), nullptr);
}
