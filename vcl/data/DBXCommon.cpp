#include "vcl/data/DBXCommon.h"

#include "vcl/data/DBXConnection.h"
#include "vcl/rtl/Strings.h"

// ---------------------------------------------------------------- TDBXProperties

int TDBXProperties::Find(const String& Name) const {
  for (size_t i = 0; i < FEntries.size(); ++i)
    if (SameText(FEntries[i].first, Name)) return static_cast<int>(i);
  return -1;
}

String TDBXProperties::Values(const String& Name) const {
  const int Index = Find(Name);
  return Index < 0 ? String() : FEntries[Index].second;
}

void TDBXProperties::SetValue(const String& Name, const String& Value) {
  const int Index = Find(Name);
  if (Index < 0)
    FEntries.emplace_back(Name, Value);
  else
    FEntries[Index].second = Value;
}

void TDBXProperties::Remove(const String& Name) {
  const int Index = Find(Name);
  if (Index >= 0) FEntries.erase(FEntries.begin() + Index);
}

int TDBXProperties::GetInteger(const String& Name, int Fallback) const {
  int Value;
  return TryStrToInt(Trim(Values(Name)), Value) ? Value : Fallback;
}

bool TDBXProperties::GetBoolean(const String& Name, bool Fallback) const {
  const String Text = Values(Name);
  if (SameText(Text, L"True")) return true;
  if (SameText(Text, L"False")) return false;
  return Fallback;
}

void TDBXProperties::AddProperties(const TStrings& Lines) {
  for (int i = 0; i < Lines.Count(); ++i) {
    const String Line = Lines.Strings(i);
    const size_t Eq = Line.find(L'=');
    if (Eq != String::npos) SetValue(Line.substr(0, Eq), Line.substr(Eq + 1));
  }
}

void TDBXProperties::MergeProperties(const TDBXProperties& Source) {
  for (const auto& [Name, Value] : Source.FEntries) SetValue(Name, Value);
}

// ---------------------------------------------------------------- TDBXDriver

TDBXDriver::TDBXDriver(const TDBXDriverDef& DriverDef)
    : FDriverName(DriverDef.DriverName), FDriverProperties(std::make_unique<TDBXProperties>()) {}

TDBXDriver::~TDBXDriver() = default;

void TDBXDriver::InitDriverProperties(TDBXProperties* Properties) {
  if (Properties) FDriverProperties.reset(Properties);
}

// ---------------------------------------------------------------- TDBXDriverRegistry

TDBXDriverRegistry& TDBXDriverRegistry::DBXDriverRegistry() {
  static TDBXDriverRegistry Registry;
  return Registry;
}

void TDBXDriverRegistry::RegisterDriverClass(const String& DriverName, TClass DriverClass,
                                             TDBXDriverFactory Factory) {
  const std::lock_guard<std::mutex> Guard(FLock);
  TEntry& Entry = FEntries[UpperCase(DriverName)];
  Entry.Class = DriverClass;
  Entry.Factory = Factory;
  Entry.Driver.reset();  // a re-registered name gets a driver of the new class
}

void TDBXDriverRegistry::UnloadDriver(const String& DriverName) {
  {
    const std::lock_guard<std::mutex> Guard(FLock);
    FEntries.erase(UpperCase(DriverName));
  }
  std::erase_if(FKnownNames, [&](const String& Name) { return SameText(Name, DriverName); });
}

bool TDBXDriverRegistry::IsRegistered(const String& DriverName) const {
  const std::lock_guard<std::mutex> Guard(FLock);
  return FEntries.count(UpperCase(DriverName)) != 0;
}

TClass TDBXDriverRegistry::DriverClass(const String& DriverName) const {
  const std::lock_guard<std::mutex> Guard(FLock);
  const auto It = FEntries.find(UpperCase(DriverName));
  return It == FEntries.end() ? nullptr : It->second.Class;
}

TDBXDriver* TDBXDriverRegistry::GetDriver(const String& DriverName) {
  const std::lock_guard<std::mutex> Guard(FLock);
  const auto It = FEntries.find(UpperCase(DriverName));
  if (It == FEntries.end()) throw TDBXError(L"Unknown driver: " + DriverName);
  TEntry& Entry = It->second;
  if (!Entry.Driver) Entry.Driver.reset(Entry.Factory(TDBXDriverDef{DriverName}));
  return Entry.Driver.get();
}

void TDBXDriverRegistry::AddKnownDriverName(const String& DriverName) {
  for (const String& Name : FKnownNames)
    if (SameText(Name, DriverName)) return;
  FKnownNames.push_back(DriverName);
}
