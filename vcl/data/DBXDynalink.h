#pragma once
// Drivers whose connections come from a driver library named by the
// "LibraryName" property and its entry point named by "GetDriverFunc".
// A library is either one of the framework's own (registered as built-in,
// nothing is loaded) or a DLL loaded by name.
#include "vcl/data/DBXCommon.h"

// The entry point of a driver library: opens a connection.
using TDBXDriverEntry = TDBXConnection* (*)(const TDBXProperties& Properties);

// Finds a driver library and its entry point.
class TDBXDriverLoader : public TObject {
  VCL_CLASS(TDBXDriverLoader, TObject)
public:
  // The entry named by "GetDriverFunc" in the library named by
  // "LibraryName". Raises TDBXError when either cannot be had.
  virtual TDBXDriverEntry Load(const TDBXProperties& Properties) = 0;
};

// Loads the library with LoadLibraryW (keeping it loaded for its own life)
// unless the framework implements it itself.
class TDBXDynalinkDriverLoader : public TDBXDriverLoader {
  VCL_CREATABLE_CLASS(TDBXDynalinkDriverLoader, TDBXDriverLoader)
public:
  TDBXDynalinkDriverLoader() = default;
  ~TDBXDynalinkDriverLoader() override;
  TDBXDriverEntry Load(const TDBXProperties& Properties) override;

  // A library the framework implements itself, by library and entry name.
  static void RegisterBuiltInLibrary(const String& LibraryName, const String& EntryName,
                                     TDBXDriverEntry Entry);
  static void UnregisterBuiltInLibrary(const String& LibraryName);

private:
  void* FModule = nullptr;  // HMODULE of the loaded library
  String FLoadedName;
};

// The base of drivers that open their connections through a loader class
// (a class derived from TDBXDriverLoader with a default constructor).
class TDBXDynalinkDriverNative : public TDBXDriver {
  VCL_CLASS(TDBXDynalinkDriverNative, TDBXDriver)
public:
  TDBXDynalinkDriverNative(const TDBXDriverDef& DriverDef, TClass LoaderClass);
  ~TDBXDynalinkDriverNative() override;

  TClass LoaderClass() const { return FLoaderClass; }
  std::unique_ptr<TDBXConnection> CreateConnection(const TDBXProperties& Properties) override;

private:
  TDBXDriverEntry EntryFor(const TDBXProperties& Properties);
  TClass FLoaderClass;
  // One loader per library name, kept while the driver lives; connections
  // are opened on several threads at once.
  std::mutex FLoadersLock;
  std::map<String, std::unique_ptr<TDBXDriverLoader>> FLoaders;
};

// The message for a library that cannot be loaded.
String DBXLoadErrorMessage(const String& LibraryName, uint32_t ErrorCode);
