#pragma once
// The unit-version registry: every unit of the library registers the
// version record of its source at start-up, per module (program or
// library). One registry serves the whole process, however many modules
// carry this code: the first module that asks creates it and publishes its
// address through a named mutex and a named shared-memory cell, both named
// after the process id, and the others use that same object.
#include <memory>
#include <vector>

#include "vcl/rtl/System.h"
#include "vcl/rtl/UnitStartup.h"
#include "vcl/rtl/WinApi.h"

// One unit's record, a constant of the unit; texts are version-control
// keywords ("$Revision: 12 $") or the bare keyword when never expanded.
struct TUnitVersionInfo {
  const wchar_t* RCSfile;
  const wchar_t* Revision;
  const wchar_t* Date;
  const wchar_t* LogPath;  // the unit's folder in the library's sources
  const wchar_t* Extra;    // may be null
  void* Data;
};
using PUnitVersionInfo = const TUnitVersionInfo*;

// The record of a library unit whose keywords were never expanded.
constexpr TUnitVersionInfo UclUnitVersionInfo(const wchar_t* LogPath) {
  return {L"$URL$", L"$Revision$", L"$Date$", LogPath, L"", nullptr};
}
constexpr const wchar_t* UclCommonSource = L"UCL\\source\\common";
constexpr const wchar_t* UclWindowsSource = L"UCL\\source\\windows";

// A registered record, read with the keywords taken off.
class TUnitVersion : public TObject {
  VCL_CLASS(TUnitVersion, TObject)
public:
  explicit TUnitVersion(PUnitVersionInfo Info) : FInfo(Info) {}

  PUnitVersionInfo Info() const { return FInfo; }
  String RCSfile() const;   // the file name, or the last part of a URL
  String Revision() const;
  String Date() const;
  String Extra() const;
  String LogPath() const;
  void* Data() const { return FInfo->Data; }
  // Parsed from Date: year-month-day, month/day/year or day.month.year,
  // then the time; 0 without a date. An impossible date raises EConvertError.
  TDateTime DateTime() const;
  // LogPath, RCSfile, Revision and Date (and Extra when there is one),
  // separated by tabs.
  String Summary() const;

private:
  PUnitVersionInfo FInfo;
};

class TUnitVersioningModule : public TObject {
  VCL_CLASS(TUnitVersioningModule, TObject)
public:
  explicit TUnitVersioningModule(HINSTANCE Instance) : FInstance(Instance) {}

  HINSTANCE Instance() const { return FInstance; }
  int Count() const { return static_cast<int>(FItems.size()); }
  TUnitVersion* Items(int Index) const { return FItems.at(Index).get(); }
  // Names compare ignoring case; a LogPath of "*" matches any. -1 / null
  // when no record matches.
  int IndexOf(const String& RCSfile, const String& LogPath = L"*") const;
  TUnitVersion* FindUnit(const String& RCSfile, const String& LogPath = L"*") const;

private:
  friend class TUnitVersioning;
  HINSTANCE FInstance;
  std::vector<std::unique_ptr<TUnitVersion>> FItems;
};

// Loads and releases the version information of further modules.
class TCustomUnitVersioningProvider : public TObject {
  VCL_CREATABLE_CLASS(TCustomUnitVersioningProvider, TObject)
public:
  TCustomUnitVersioningProvider() = default;
  virtual void LoadModuleUnitVersioningInfo(HINSTANCE Instance) {}
  virtual void ReleaseModuleUnitVersioningInfo(HINSTANCE Instance) {}
};
using TUnitVersioningProviderClass = TClass;

class TUnitVersioning : public TObject {
  VCL_CLASS(TUnitVersioning, TObject)
public:
  TUnitVersioning() = default;
  ~TUnitVersioning() override;

  // Virtual, so that every module of the process runs the owner's code on
  // the shared object.
  virtual void AddUnitRecord(HINSTANCE Instance, PUnitVersionInfo Info);
  virtual void DropModule(HINSTANCE Instance);

  // Modules no longer loaded are dropped before these answer.
  int Count();
  int ModuleCount();
  TUnitVersion* Items(int Index);  // over all modules in order; null past the end
  TUnitVersioningModule* Modules(int Index) const { return FModules.at(Index).get(); }
  TUnitVersion* FindUnit(const String& RCSfile, const String& LogPath = L"*") const;
  int IndexOf(const String& RCSfile, const String& LogPath = L"*") const;

  // A provider of the class, once.
  void RegisterProvider(TUnitVersioningProviderClass ProviderClass);
  void LoadModuleUnitVersioningInfo(HINSTANCE Instance);

private:
  void ValidateModules();
  std::vector<std::unique_ptr<TUnitVersioningModule>> FModules;
  std::vector<std::unique_ptr<TCustomUnitVersioningProvider>> FProviders;
};

// The process's registry, created on first use; null once this module's
// registry unit has shut down.
TUnitVersioning* SharedUnitVersioning();
// Called by each unit's start-up and shut-down with its module's instance.
void AddUnitVersionRecord(HINSTANCE Instance, PUnitVersionInfo Info);
void RemoveUnitVersionRecord(HINSTANCE Instance);
// This module's part of the registry's shut-down: the owner frees the
// registry and clears the shared cell; other modules only let go of it.
void ReleaseUnitVersioning();

extern const TUnitEntry UclUnitVersioningUnit;
