#pragma once
// The Oracle driver binding: the driver names "OstraOracle" and
// "OstraOracleDirect", their default properties and typed property classes.
#include "vcl/data/DBXDynalink.h"
#include "vcl/rtl/UnitStartup.h"

class TDBXOstraOracleProperties : public TDBXProperties {
  VCL_CREATABLE_CLASS(TDBXOstraOracleProperties, TDBXProperties)
public:
  TDBXOstraOracleProperties() = default;

  String DataBase() const { return Values(L"Database"); }
  void SetDataBase(const String& AValue) { SetValue(L"Database", AValue); }
  String UserName() const { return Values(L"User_Name"); }
  void SetUserName(const String& AValue) { SetValue(L"User_Name", AValue); }
  String Password() const { return Values(L"Password"); }
  void SetPassword(const String& AValue) { SetValue(L"Password", AValue); }
  String ErrorResourceFile() const { return Values(L"ErrorResourceFile"); }
  void SetErrorResourceFile(const String& AValue) { SetValue(L"ErrorResourceFile", AValue); }
  String LocaleCode() const { return Values(L"LocaleCode"); }
  void SetLocaleCode(const String& AValue) { SetValue(L"LocaleCode", AValue); }
  String OracleTransIsolation() const { return Values(L"Oracle TransIsolation"); }
  void SetOracleTransIsolation(const String& AValue) { SetValue(L"Oracle TransIsolation", AValue); }
  String RoleName() const { return Values(L"RoleName"); }
  void SetRoleName(const String& AValue) { SetValue(L"RoleName", AValue); }
  String InternalName() const { return Values(L"InternalName"); }
  void SetInternalName(const String& AValue) { SetValue(L"InternalName", AValue); }
  String Charset() const { return Values(L"Charset"); }
  void SetCharset(const String& AValue) { SetValue(L"Charset", AValue); }
  // -1 when the entry holds no number.
  int BlobSize() const { return GetInteger(L"MaxBlobSize", -1); }
  void SetBlobSize(int AValue) { SetInteger(L"MaxBlobSize", AValue); }
  // 0 when the entry holds no number.
  int CharLength() const { return GetInteger(L"CharLength", 0); }
  void SetCharLength(int AValue) { SetInteger(L"CharLength", AValue); }
  // True when the entry is not a Boolean text.
  bool LongStrings() const { return GetBoolean(L"LongStrings", true); }
  void SetLongStrings(bool AValue) { SetBoolean(L"LongStrings", AValue); }
  bool EnableBCD() const { return GetBoolean(L"EnableBCD", true); }
  void SetEnableBCD(bool AValue) { SetBoolean(L"EnableBCD", AValue); }
  bool UseUnicode() const { return GetBoolean(L"UseUnicode", true); }
  void SetUseUnicode(bool AValue) { SetBoolean(L"UseUnicode", AValue); }
  bool UnicodeEnvironment() const { return GetBoolean(L"UnicodeEnvironment", true); }
  void SetUnicodeEnvironment(bool AValue) { SetBoolean(L"UnicodeEnvironment", AValue); }
  // False when the entry is not a Boolean text.
  bool UseQuoteChar() const { return GetBoolean(L"UseQuoteChar", false); }
  void SetUseQuoteChar(bool AValue) { SetBoolean(L"UseQuoteChar", AValue); }
  bool FetchAll() const { return GetBoolean(L"FetchAll", false); }
  void SetFetchAll(bool AValue) { SetBoolean(L"FetchAll", AValue); }
};

class TDBXOstraOracleDirectProperties : public TDBXOstraOracleProperties {
  VCL_CREATABLE_CLASS(TDBXOstraOracleDirectProperties, TDBXOstraOracleProperties)
public:
  TDBXOstraOracleDirectProperties() = default;

  String HostName() const { return Values(L"HostName"); }
  void SetHostName(const String& AValue) { SetValue(L"HostName", AValue); }
  String IPVersion() const { return Values(L"IPVersion"); }
  void SetIPVersion(const String& AValue) { SetValue(L"IPVersion", AValue); }
};

class TDBXOstraOracleDriver : public TDBXDynalinkDriverNative {
  VCL_CLASS(TDBXOstraOracleDriver, TDBXDynalinkDriverNative)
public:
  explicit TDBXOstraOracleDriver(const TDBXDriverDef& ADriverDef)
      : TDBXOstraOracleDriver(ADriverDef, TDBXOstraOracleProperties::StaticClass()) {}
  // The loader of the driver library.
  static TClass DriverLoaderClass() { return TDBXDynalinkDriverLoader::StaticClass(); }

protected:
  // Drivers with more properties pass their property class (a creatable
  // class derived from TDBXOstraOracleProperties).
  TDBXOstraOracleDriver(const TDBXDriverDef& ADriverDef, TClass APropertiesClass);
};

class TDBXOstraOracleDirectDriver : public TDBXOstraOracleDriver {
  VCL_CLASS(TDBXOstraOracleDirectDriver, TDBXOstraOracleDriver)
public:
  explicit TDBXOstraOracleDirectDriver(const TDBXDriverDef& ADriverDef);
};

// Unit start-up: registers the two driver names with the driver registry
// and adds them to the known names; shut-down unloads them.
namespace DbxOstraOracle {
void Initialize();
void Finalize();
}  // namespace DbxOstraOracle
extern const TUnitEntry DbxOstraOracleUnit;
