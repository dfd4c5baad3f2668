#pragma once
// The database-access core: driver errors, property lists, drivers and the
// process-wide driver registry that turns a driver name into a driver.
#include <map>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

#include "vcl/rtl/SysUtils.h"

class TStrings;
class TDBXConnection;

// ---------------------------------------------------------------- errors

VCL_EXCEPTION(EDatabaseError, Exception)

// A failure reported by a driver or its database client; ErrorCode is the
// client's own code where it gives one (Firebird: the SQL code).
class TDBXError : public EDatabaseError {
public:
  TDBXError(const String& AMessage, int AErrorCode = 0)
      : EDatabaseError(AMessage), ErrorCode(AErrorCode) {}
  const wchar_t* ClassName() const override { return L"TDBXError"; }
  int ErrorCode;
};

// ---------------------------------------------------------------- properties

// Names of the entries that drivers and connections read.
namespace TDBXPropertyNames {
inline constexpr const wchar_t* DriverName = L"DriverName";
inline constexpr const wchar_t* DriverUnit = L"DriverUnit";
inline constexpr const wchar_t* DriverPackageLoader = L"DriverPackageLoader";
inline constexpr const wchar_t* MetaDataPackageLoader = L"MetaDataPackageLoader";
inline constexpr const wchar_t* ProductName = L"ProductName";
inline constexpr const wchar_t* GetDriverFunc = L"GetDriverFunc";
inline constexpr const wchar_t* LibraryName = L"LibraryName";
inline constexpr const wchar_t* VendorLib = L"VendorLib";
inline constexpr const wchar_t* Database = L"Database";
inline constexpr const wchar_t* UserName = L"User_Name";
inline constexpr const wchar_t* Password = L"Password";
inline constexpr const wchar_t* HostName = L"HostName";
inline constexpr const wchar_t* RoleName = L"RoleName";
inline constexpr const wchar_t* MaxBlobSize = L"MaxBlobSize";
inline constexpr const wchar_t* ErrorResourceFile = L"ErrorResourceFile";
inline constexpr const wchar_t* LocaleCode = L"LocaleCode";
inline constexpr const wchar_t* IsolationLevel = L"IsolationLevel";
inline constexpr const wchar_t* SchemaOverride = L"SchemaOverride";
inline constexpr const wchar_t* ServerCharSet = L"ServerCharSet";
inline constexpr const wchar_t* SQLDialect = L"SQLDialect";
}  // namespace TDBXPropertyNames

// An ordered list of named text entries; names compare without regard to
// case. Typed property classes derive from it and read and write entries.
class TDBXProperties : public TObject {
  VCL_CREATABLE_CLASS(TDBXProperties, TObject)
public:
  TDBXProperties() = default;

  // The entry's value; empty when there is no such entry.
  String Values(const String& Name) const;
  bool HasValue(const String& Name) const { return Find(Name) >= 0; }
  // Changes an entry, or adds it at the end when it is new.
  void SetValue(const String& Name, const String& Value);
  void Remove(const String& Name);
  void Clear() { FEntries.clear(); }

  int Count() const { return static_cast<int>(FEntries.size()); }
  const String& Names(int Index) const { return FEntries.at(Index).first; }
  const String& ValueFromIndex(int Index) const { return FEntries.at(Index).second; }

  // The integer in the entry, or Fallback when it holds no decimal number.
  int GetInteger(const String& Name, int Fallback) const;
  // True for "True", false for "False" (any case), else Fallback.
  bool GetBoolean(const String& Name, bool Fallback) const;
  void SetInteger(const String& Name, int Value) { SetValue(Name, IntToStr(Value)); }
  void SetBoolean(const String& Name, bool Value) { SetValue(Name, Value ? L"True" : L"False"); }

  // Every "name=value" line of Lines; later lines win. Lines without "="
  // are ignored.
  void AddProperties(const TStrings& Lines);
  // Every entry of Source; Source's values win.
  void MergeProperties(const TDBXProperties& Source);

private:
  int Find(const String& Name) const;
  std::vector<std::pair<String, String>> FEntries;
};

// ---------------------------------------------------------------- drivers

// What a driver is constructed from.
struct TDBXDriverDef {
  String DriverName;
};

// A driver: its default properties and the opening of connections. The
// registry creates one driver per name on first use and keeps it until the
// name is unloaded.
class TDBXDriver : public TObject {
  VCL_CLASS(TDBXDriver, TObject)
public:
  explicit TDBXDriver(const TDBXDriverDef& DriverDef);
  ~TDBXDriver() override;

  const String& DriverName() const { return FDriverName; }
  // The driver's defaults; never null once the driver is constructed.
  TDBXProperties* DriverProperties() const { return FDriverProperties.get(); }

  // Opens a connection with the given properties (the driver's defaults
  // overlaid with the connection's own entries).
  virtual std::unique_ptr<TDBXConnection> CreateConnection(const TDBXProperties& Properties) = 0;

protected:
  // Takes ownership of the driver's property object.
  void InitDriverProperties(TDBXProperties* Properties);

private:
  String FDriverName;
  std::unique_ptr<TDBXProperties> FDriverProperties;
};

using TDBXDriverFactory = TDBXDriver* (*)(const TDBXDriverDef& DriverDef);

// The process-wide registry of driver classes by name (names compare
// without regard to case) and the list of known driver names. Drivers may
// be asked for on several threads at once.
class TDBXDriverRegistry {
public:
  static TDBXDriverRegistry& DBXDriverRegistry();

  void RegisterDriverClass(const String& DriverName, TClass DriverClass, TDBXDriverFactory Factory);
  template <class TDriverClass>
  void RegisterDriverClass(const String& DriverName) {
    RegisterDriverClass(DriverName, TDriverClass::StaticClass(),
                        [](const TDBXDriverDef& Def) -> TDBXDriver* { return new TDriverClass(Def); });
  }
  // Frees the name's driver, if one was created, and forgets the name (its
  // registration and its place in the known names).
  void UnloadDriver(const String& DriverName);

  bool IsRegistered(const String& DriverName) const;
  TClass DriverClass(const String& DriverName) const;  // nullptr when unknown
  // The name's driver, created on first use; TDBXError "Unknown driver: X"
  // for a name that is not registered.
  TDBXDriver* GetDriver(const String& DriverName);

  void AddKnownDriverName(const String& DriverName);
  const std::vector<String>& KnownDriverNames() const { return FKnownNames; }

private:
  struct TEntry {
    TClass Class;
    TDBXDriverFactory Factory;
    std::unique_ptr<TDBXDriver> Driver;
  };
  TDBXDriverRegistry() = default;
  mutable std::mutex FLock;           // guards FEntries
  std::map<String, TEntry> FEntries;  // key: upper-cased name
  std::vector<String> FKnownNames;
};

// ---------------------------------------------------------------- callbacks

class TJSONValue;

// Something the database side can call back: it receives a JSON value and
// answers with a new one, which the caller owns.
class TDBXCallback : public TObject {
  VCL_CLASS(TDBXCallback, TObject)
public:
  virtual TJSONValue* Execute(TJSONValue* Arg) = 0;
};
