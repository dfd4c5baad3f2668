#include "vcl/data/DBXDynalink.h"

#include "vcl/data/DBXConnection.h"
#include "vcl/rtl/WinApi.h"

namespace {

struct TBuiltInLibrary {
  String EntryName;
  TDBXDriverEntry Entry;
};

// Libraries that the framework implements itself, by upper-cased name.
std::map<String, TBuiltInLibrary>& BuiltInLibraries() {
  static std::map<String, TBuiltInLibrary> Libraries;
  return Libraries;
}

[[noreturn]] void RaiseMissingEntry(const String& EntryName, const String& LibraryName) {
  throw TDBXError(L"Unable to find the driver entry " + EntryName + L" in " + LibraryName + L".");
}

}  // namespace

String DBXLoadErrorMessage(const String& LibraryName, uint32_t ErrorCode) {
  return L"Unable to load " + LibraryName + L" (ErrorCode " + IntToStr(ErrorCode) +
         L"). It may be missing from the system path.";
}

// ---------------------------------------------------------------- loader

void TDBXDynalinkDriverLoader::RegisterBuiltInLibrary(const String& LibraryName,
                                                      const String& EntryName,
                                                      TDBXDriverEntry Entry) {
  BuiltInLibraries()[UpperCase(LibraryName)] = TBuiltInLibrary{EntryName, Entry};
}

void TDBXDynalinkDriverLoader::UnregisterBuiltInLibrary(const String& LibraryName) {
  BuiltInLibraries().erase(UpperCase(LibraryName));
}

TDBXDynalinkDriverLoader::~TDBXDynalinkDriverLoader() {
  if (FModule) FreeLibrary(static_cast<HMODULE>(FModule));
}

TDBXDriverEntry TDBXDynalinkDriverLoader::Load(const TDBXProperties& Properties) {
  const String LibraryName = Properties.Values(TDBXPropertyNames::LibraryName);
  const String EntryName = Properties.Values(TDBXPropertyNames::GetDriverFunc);
  if (LibraryName.empty()) throw TDBXError(L"No driver library is named (LibraryName).");

  const auto BuiltIn = BuiltInLibraries().find(UpperCase(LibraryName));
  if (BuiltIn != BuiltInLibraries().end()) {
    if (!SameText(BuiltIn->second.EntryName, EntryName)) RaiseMissingEntry(EntryName, LibraryName);
    return BuiltIn->second.Entry;
  }

  if (FModule && !SameText(FLoadedName, LibraryName)) {
    FreeLibrary(static_cast<HMODULE>(FModule));
    FModule = nullptr;
  }
  if (!FModule) {
    FModule = LoadLibraryW(LibraryName.c_str());
    if (!FModule) throw TDBXError(DBXLoadErrorMessage(LibraryName, GetLastError()));
    FLoadedName = LibraryName;
  }
  const auto Entry = reinterpret_cast<TDBXDriverEntry>(
      GetProcAddress(static_cast<HMODULE>(FModule), ToAnsi(EntryName).c_str()));
  if (!Entry) RaiseMissingEntry(EntryName, LibraryName);
  return Entry;
}

// ---------------------------------------------------------------- driver

TDBXDynalinkDriverNative::TDBXDynalinkDriverNative(const TDBXDriverDef& DriverDef, TClass LoaderClass)
    : TDBXDriver(DriverDef), FLoaderClass(LoaderClass) {}

TDBXDynalinkDriverNative::~TDBXDynalinkDriverNative() = default;

TDBXDriverEntry TDBXDynalinkDriverNative::EntryFor(const TDBXProperties& Properties) {
  const std::lock_guard<std::mutex> Guard(FLoadersLock);
  const String LibraryName = Properties.Values(TDBXPropertyNames::LibraryName);
  std::unique_ptr<TDBXDriverLoader>& Loader = FLoaders[UpperCase(LibraryName)];
  if (!Loader) {
    TObject* Instance = TObject::CreateInstance(FLoaderClass);
    Loader.reset(dynamic_cast<TDBXDriverLoader*>(Instance));
    if (!Loader) {
      delete Instance;
      throw TDBXError(String(L"Class ") + FLoaderClass->Name + L" is not a driver loader.");
    }
  }
  return Loader->Load(Properties);
}

std::unique_ptr<TDBXConnection> TDBXDynalinkDriverNative::CreateConnection(
    const TDBXProperties& Properties) {
  return std::unique_ptr<TDBXConnection>(EntryFor(Properties)(Properties));
}
