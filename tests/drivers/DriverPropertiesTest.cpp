#include <gtest/gtest.h>

#include "drivers/DBXOstraSQLServer.h"
#include "drivers/DbxOstraOracle.h"

namespace {

// The value a typed property reads from an entry holding Text.
template <class TProperties, class TValue>
TValue ReadAs(TValue (TProperties::*AGetter)() const, const wchar_t* AEntry, const wchar_t* AText) {
  TProperties properties;
  if (AText) properties.SetValue(AEntry, AText);
  return (properties.*AGetter)();
}

}  // namespace

TEST(DriverProperties, IntegersReadTheirFallbackWhenNotANumber) {
  using S = TDBXOstraSQLServerProperties;
  using O = TDBXOstraOracleProperties;
  struct {
    const char* Name;
    int Value;
    int Expected;
  } cases[] = {
      {"sql server blob size, number", ReadAs(&S::BlobSize, L"MaxBlobSize", L"2048"), 2048},
      {"sql server blob size, blanks", ReadAs(&S::BlobSize, L"MaxBlobSize", L" 64 "), 64},
      {"sql server blob size, text", ReadAs(&S::BlobSize, L"MaxBlobSize", L"64K"), -1},
      {"sql server blob size, empty", ReadAs(&S::BlobSize, L"MaxBlobSize", L""), -1},
      {"sql server blob size, missing", ReadAs(&S::BlobSize, L"MaxBlobSize", nullptr), -1},
      {"oracle blob size, text", ReadAs(&O::BlobSize, L"MaxBlobSize", L"abc"), -1},
      {"oracle blob size, negative", ReadAs(&O::BlobSize, L"MaxBlobSize", L"-1"), -1},
      {"oracle char length, number", ReadAs(&O::CharLength, L"CharLength", L"4"), 4},
      {"oracle char length, text", ReadAs(&O::CharLength, L"CharLength", L"four"), 0},
      {"oracle char length, empty", ReadAs(&O::CharLength, L"CharLength", L""), 0},
  };
  for (const auto& c : cases) EXPECT_EQ(c.Value, c.Expected) << c.Name;
}

TEST(DriverProperties, BooleansReadTheirFallbackWhenNotABooleanText) {
  using S = TDBXOstraSQLServerProperties;
  using O = TDBXOstraOracleProperties;
  struct {
    const char* Name;
    bool Value;
    bool Expected;
  } cases[] = {
      {"sql server param prefix, empty", ReadAs(&S::ParamPrefix, L"ParamPrefix", L""), false},
      {"sql server param prefix, missing", ReadAs(&S::ParamPrefix, L"ParamPrefix", nullptr), false},
      {"sql server param prefix, yes", ReadAs(&S::ParamPrefix, L"ParamPrefix", L"yes"), false},
      {"sql server param prefix, TRUE", ReadAs(&S::ParamPrefix, L"ParamPrefix", L"TRUE"), true},
      {"sql server fetch all, empty", ReadAs(&S::FetchAll, L"FetchAll", L""), true},
      {"sql server fetch all, false", ReadAs(&S::FetchAll, L"FetchAll", L"false"), false},
      {"sql server long strings, 0", ReadAs(&S::LongStrings, L"LongStrings", L"0"), true},
      {"sql server enable bcd, False", ReadAs(&S::EnableBCD, L"EnableBCD", L"False"), false},
      {"sql server unicode, empty", ReadAs(&S::UseUnicode, L"UseUnicode", L""), true},
      {"oracle fetch all, empty", ReadAs(&O::FetchAll, L"FetchAll", L""), false},
      {"oracle fetch all, True", ReadAs(&O::FetchAll, L"FetchAll", L"True"), true},
      {"oracle quote char, on", ReadAs(&O::UseQuoteChar, L"UseQuoteChar", L"on"), false},
      {"oracle unicode environment, empty",
       ReadAs(&O::UnicodeEnvironment, L"UnicodeEnvironment", L""), true},
      {"oracle long strings, FALSE", ReadAs(&O::LongStrings, L"LongStrings", L"FALSE"), false},
  };
  for (const auto& c : cases) EXPECT_EQ(c.Value, c.Expected) << c.Name;
}

TEST(DriverProperties, TypedPropertiesWriteTheirNamedEntries) {
  TDBXOstraSQLServerProperties sqlServer;
  sqlServer.SetDataBase(L"ERP");
  sqlServer.SetUserName(L"KWY");
  sqlServer.SetBlobSize(-1);
  sqlServer.SetParamPrefix(true);
  sqlServer.SetFetchAll(false);
  EXPECT_EQ(sqlServer.Values(L"Database"), L"ERP");
  EXPECT_EQ(sqlServer.Values(L"User_Name"), L"KWY");
  EXPECT_EQ(sqlServer.Values(L"MaxBlobSize"), L"-1");
  EXPECT_EQ(sqlServer.Values(L"ParamPrefix"), L"True");
  EXPECT_EQ(sqlServer.Values(L"FetchAll"), L"False");
  EXPECT_EQ(sqlServer.DataBase(), L"ERP");

  TDBXOstraOracleDirectProperties oracle;
  oracle.SetOracleTransIsolation(L"ReadCommited");
  oracle.SetIPVersion(L"IPv6");
  oracle.SetCharLength(2);
  EXPECT_EQ(oracle.Values(L"Oracle TransIsolation"), L"ReadCommited");
  EXPECT_EQ(oracle.Values(L"IPVersion"), L"IPv6");
  EXPECT_EQ(oracle.Values(L"CharLength"), L"2");
  EXPECT_EQ(oracle.IPVersion(), L"IPv6");
}
