#pragma once
// The SQL Server driver binding: the driver names "OstraSQLServer",
// "OstraSQLServerDirect" and "OstraSQLServerCompact", their default
// properties and typed property class.
#include "vcl/data/DBXDynalink.h"
#include "vcl/rtl/UnitStartup.h"

class TDBXOstraSQLServerProperties : public TDBXProperties {
  VCL_CREATABLE_CLASS(TDBXOstraSQLServerProperties, TDBXProperties)
public:
  TDBXOstraSQLServerProperties() = default;

  String SchemaOverride() const { return Values(L"SchemaOverride"); }
  void SetSchemaOverride(const String& AValue) { SetValue(L"SchemaOverride", AValue); }
  String HostName() const { return Values(L"HostName"); }
  void SetHostName(const String& AValue) { SetValue(L"HostName", AValue); }
  String DataBase() const { return Values(L"Database"); }
  void SetDataBase(const String& AValue) { SetValue(L"Database", AValue); }
  String UserName() const { return Values(L"User_Name"); }
  void SetUserName(const String& AValue) { SetValue(L"User_Name", AValue); }
  String Password() const { return Values(L"Password"); }
  void SetPassword(const String& AValue) { SetValue(L"Password", AValue); }
  // -1 when the entry holds no number.
  int BlobSize() const { return GetInteger(L"MaxBlobSize", -1); }
  void SetBlobSize(int AValue) { SetInteger(L"MaxBlobSize", AValue); }
  // The Booleans read true when the entry is not a Boolean text, except
  // ParamPrefix, which then reads false.
  bool LongStrings() const { return GetBoolean(L"LongStrings", true); }
  void SetLongStrings(bool AValue) { SetBoolean(L"LongStrings", AValue); }
  bool EnableBCD() const { return GetBoolean(L"EnableBCD", true); }
  void SetEnableBCD(bool AValue) { SetBoolean(L"EnableBCD", AValue); }
  bool FetchAll() const { return GetBoolean(L"FetchAll", true); }
  void SetFetchAll(bool AValue) { SetBoolean(L"FetchAll", AValue); }
  bool UseUnicode() const { return GetBoolean(L"UseUnicode", true); }
  void SetUseUnicode(bool AValue) { SetBoolean(L"UseUnicode", AValue); }
  bool ParamPrefix() const { return GetBoolean(L"ParamPrefix", false); }
  void SetParamPrefix(bool AValue) { SetBoolean(L"ParamPrefix", AValue); }
};

class TDBXOstraSQLServerDriver : public TDBXDynalinkDriverNative {
  VCL_CLASS(TDBXOstraSQLServerDriver, TDBXDynalinkDriverNative)
public:
  explicit TDBXOstraSQLServerDriver(const TDBXDriverDef& ADriverDef);
  // The loader of the driver library.
  static TClass DriverLoaderClass() { return TDBXDynalinkDriverLoader::StaticClass(); }
};

class TDBXOstraSQLServerDirectDriver : public TDBXOstraSQLServerDriver {
  VCL_CLASS(TDBXOstraSQLServerDirectDriver, TDBXOstraSQLServerDriver)
public:
  explicit TDBXOstraSQLServerDirectDriver(const TDBXDriverDef& ADriverDef);
};

class TDBXOstraSQLServerCompactDriver : public TDBXOstraSQLServerDriver {
  VCL_CLASS(TDBXOstraSQLServerCompactDriver, TDBXOstraSQLServerDriver)
public:
  explicit TDBXOstraSQLServerCompactDriver(const TDBXDriverDef& ADriverDef);
};

// Unit start-up: registers the three driver names with the driver registry
// and adds them to the known names; shut-down unloads them.
namespace DBXOstraSQLServer {
void Initialize();
void Finalize();
}  // namespace DBXOstraSQLServer
extern const TUnitEntry DBXOstraSQLServerUnit;
