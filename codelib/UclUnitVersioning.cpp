#include "codelib/UclUnitVersioning.h"

#include <cwctype>

#include "codelib/UclBase.h"
#include "codelib/UclSynch.h"
#include "codelib/UclSysUtils.h"
#include "vcl/rtl/DateUtils.h"
#include "vcl/rtl/SysUtils.h"

// ---------------------------------------------------------------- TUnitVersion

namespace {

String TrimmedText(const wchar_t* Text) { return Text ? Trim(Text) : String(); }

// The text between a keyword's prefix and its closing " $".
String KeywordValue(const String& S, const String& Prefix) {
  return Copy(S, Length(Prefix) + 1, Length(S) - Length(Prefix) - 2);
}

// The number made of the decimal digits at the start of the text (after
// blanks); 0 when there are none.
int LeadingNumber(const String& S) {
  const String text = TrimLeft(S);
  int value = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') break;
    value = value * 10 + (c - L'0');
  }
  return value;
}

// The text before Separator, taken off T with the separator; all of T
// when there is none.
String TakeUntil(String& T, const String& Separator) {
  const int p = Pos(Separator, T);
  if (p == 0) return std::exchange(T, String());
  String piece = Copy(T, 1, p - 1);
  Delete(T, 1, p);
  return piece;
}

}  // namespace

String TUnitVersion::RCSfile() const {
  String result = TrimmedText(FInfo->RCSfile);
  if (StartsText(L"$RCSfile: ", result)) {
    result = KeywordValue(result, L"$RCSfile: ");
    const size_t comma = result.rfind(L',');
    if (comma != String::npos) result.resize(comma);
  }
  if (StartsText(L"$URL: ", result)) {
    result = KeywordValue(result, L"$URL: ");
    const size_t slash = result.rfind(L'/');
    if (slash != String::npos) result.erase(0, slash + 1);
  }
  return result;
}

String TUnitVersion::Revision() const {
  const String result = TrimmedText(FInfo->Revision);
  return StartsText(L"$Revision: ", result) ? KeywordValue(result, L"$Revision: ") : result;
}

String TUnitVersion::Date() const {
  const String result = TrimmedText(FInfo->Date);
  return StartsText(L"$Date: ", result) ? KeywordValue(result, L"$Date: ") : result;
}

String TUnitVersion::Extra() const { return TrimmedText(FInfo->Extra); }
String TUnitVersion::LogPath() const { return TrimmedText(FInfo->LogPath); }

TDateTime TUnitVersion::DateTime() const {
  const String text = Date();
  int p = Pos(L"/", text);
  if (p == 0) p = Pos(L"-", text);
  int year, month, day;
  auto number = [&](int Index, int Count) { return LeadingNumber(Copy(text, Index, Count)); };
  if (p == 5) {
    year = number(1, 4), month = number(6, 2), day = number(9, 2);
  } else if (p != 0) {
    month = number(1, 2), day = number(4, 2), year = number(7, 4);
  } else if (Pos(L".", text) != 0) {
    day = number(1, 2), month = number(4, 2), year = number(7, 4);
  } else {
    return 0;
  }
  const int blank = Pos(L" ", text);
  String time = Trim(blank ? Copy(text, blank + 1) : text);
  const String separator = Pos(L":", time) ? L":" : L"/";
  const int hour = LeadingNumber(TakeUntil(time, separator));
  const int minute = LeadingNumber(TakeUntil(time, separator));
  const int second = LeadingNumber(TakeUntil(time, separator));
  return EncodeDate(year, month, day) + EncodeTime(hour, minute, second, 0);
}

String TUnitVersion::Summary() const {
  String result = LogPath() + L'\t' + RCSfile() + L'\t' + Revision() + L'\t' + Date();
  if (const String extra = Extra(); !extra.empty()) result += L'\t' + extra;
  return result;
}

// ---------------------------------------------------------------- TUnitVersioningModule

int TUnitVersioningModule::IndexOf(const String& RCSfile, const String& LogPath) const {
  for (int i = 0; i < Count(); ++i) {
    const TUnitVersion& unit = *FItems[i];
    if (CompareText(unit.RCSfile(), RCSfile) == 0 &&
        (LogPath == L"*" || CompareText(unit.LogPath(), LogPath) == 0))
      return i;
  }
  return -1;
}

TUnitVersion* TUnitVersioningModule::FindUnit(const String& RCSfile, const String& LogPath) const {
  const int index = IndexOf(RCSfile, LogPath);
  return index >= 0 ? Items(index) : nullptr;
}

// ---------------------------------------------------------------- TUnitVersioning

TUnitVersioning::~TUnitVersioning() {
  FProviders.clear();
  FModules.clear();
}

void TUnitVersioning::AddUnitRecord(HINSTANCE Instance, PUnitVersionInfo Info) {
  for (const auto& module : FModules) {
    if (module->FInstance != Instance) continue;
    for (const auto& unit : module->FItems)
      if (unit->Info() == Info) return;
    module->FItems.push_back(std::make_unique<TUnitVersion>(Info));
    return;
  }
  auto module = std::make_unique<TUnitVersioningModule>(Instance);
  module->FItems.push_back(std::make_unique<TUnitVersion>(Info));
  FModules.push_back(std::move(module));
}

void TUnitVersioning::DropModule(HINSTANCE Instance) {
  for (size_t i = FModules.size(); i-- > 0;) {
    if (FModules[i]->FInstance == Instance) {
      FModules.erase(FModules.begin() + static_cast<ptrdiff_t>(i));
      break;
    }
  }
  for (const auto& provider : FProviders) provider->ReleaseModuleUnitVersioningInfo(Instance);
}

void TUnitVersioning::ValidateModules() {
  for (size_t i = FModules.size(); i-- > 0;) {
    wchar_t buffer[1024];
    if (GetModuleFileNameW(FModules[i]->FInstance, buffer, 1024) == 0)
      FModules.erase(FModules.begin() + static_cast<ptrdiff_t>(i));
  }
}

int TUnitVersioning::Count() {
  ValidateModules();
  int count = 0;
  for (const auto& module : FModules) count += module->Count();
  return count;
}

int TUnitVersioning::ModuleCount() {
  ValidateModules();
  return static_cast<int>(FModules.size());
}

TUnitVersion* TUnitVersioning::Items(int Index) {
  ValidateModules();
  for (const auto& module : FModules) {
    if (Index < module->Count()) return Index >= 0 ? module->Items(Index) : nullptr;
    Index -= module->Count();
  }
  return nullptr;
}

TUnitVersion* TUnitVersioning::FindUnit(const String& RCSfile, const String& LogPath) const {
  for (const auto& module : FModules)
    if (TUnitVersion* unit = module->FindUnit(RCSfile, LogPath)) return unit;
  return nullptr;
}

int TUnitVersioning::IndexOf(const String& RCSfile, const String& LogPath) const {
  int offset = 0;
  for (const auto& module : FModules) {
    if (const int index = module->IndexOf(RCSfile, LogPath); index >= 0) return offset + index;
    offset += module->Count();
  }
  return -1;
}

void TUnitVersioning::RegisterProvider(TUnitVersioningProviderClass ProviderClass) {
  for (const auto& provider : FProviders)
    if (provider->ClassType() == ProviderClass) return;
  std::unique_ptr<TObject> created(TObject::CreateInstance(ProviderClass));
  auto* provider = dynamic_cast<TCustomUnitVersioningProvider*>(created.get());
  if (!provider) throw EUclError(Format(L"%s is not a unit-versioning provider", {ProviderClass->Name}));
  created.release();
  FProviders.emplace_back(provider);
}

void TUnitVersioning::LoadModuleUnitVersioningInfo(HINSTANCE Instance) {
  for (const auto& provider : FProviders) provider->LoadModuleUnitVersioningInfo(Instance);
}

// ---------------------------------------------------------------- the shared registry

namespace {

// This module's side of the sharing: each module that carries this code
// has its own copy of these.
bool Finalized = false;
std::unique_ptr<TUclMutex> RegistryMutex;
void* SharedCell = nullptr;  // holds the registry's address; pointer-sized
TUnitVersioning* Registry = nullptr;
bool OwnsRegistry = false;

TUnitVersioning*& CellValue() { return *static_cast<TUnitVersioning**>(SharedCell); }

// Holds the registry mutex for a scope.
class TRegistryLock {
public:
  TRegistryLock() { RegistryMutex->WaitForever(); }
  ~TRegistryLock() { RegistryMutex->Release(); }
  TRegistryLock(const TRegistryLock&) = delete;
  TRegistryLock& operator=(const TRegistryLock&) = delete;
};

}  // namespace

TUnitVersioning* SharedUnitVersioning() {
  if (Finalized) return nullptr;
  const String processId = IntToStr(GetCurrentProcessId());
  if (!RegistryMutex)
    RegistryMutex = std::make_unique<TUclMutex>(nullptr, false, L"MutexNPA_UnitVersioning_" + processId);
  if (!Registry) {
    const TRegistryLock lock;
    if (!SharedCell)
      MapSharedMemory(SharedCell, L"ShmNPA_UnitVersioning_" + processId, sizeof(TUnitVersioning*),
                      FILE_MAP_ALL_ACCESS);
    if (SharedCell) Registry = CellValue();
    if (!Registry) {
      Registry = new TUnitVersioning();
      OwnsRegistry = true;
      if (SharedCell) CellValue() = Registry;
    }
  } else if (SharedCell) {
    const TRegistryLock lock;
    Registry = CellValue();
  }
  return Registry;
}

void AddUnitVersionRecord(HINSTANCE Instance, PUnitVersionInfo Info) {
  if (TUnitVersioning* registry = SharedUnitVersioning()) registry->AddUnitRecord(Instance, Info);
}

void RemoveUnitVersionRecord(HINSTANCE Instance) {
  if (TUnitVersioning* registry = SharedUnitVersioning()) registry->DropModule(Instance);
}

void ReleaseUnitVersioning() {
  Finalized = true;
  try {
    if (SharedCell) {
      // The owner takes its registry out of the cell, so that no module
      // reaches the freed object through it.
      if (OwnsRegistry) {
        const TRegistryLock lock;
        if (CellValue() == Registry) CellValue() = nullptr;
      }
      UnmapSharedMemory(SharedCell);
    }
  } catch (const Exception&) {
    // Shut-down goes on; the view goes with the process.
  }
  if (OwnsRegistry) delete Registry;
  Registry = nullptr;
  OwnsRegistry = false;
  RegistryMutex.reset();
}

namespace {

const TUnitVersionInfo UnitVersioning = UclUnitVersionInfo(UclCommonSource);

void UclUnitVersioningInitialize() {
  Finalized = false;
  AddUnitVersionRecord(UclModuleInstance(), &UnitVersioning);
}

void UclUnitVersioningFinalize() {
  RemoveUnitVersionRecord(UclModuleInstance());
  ReleaseUnitVersioning();
}

}  // namespace

const TUnitEntry UclUnitVersioningUnit{L"UclUnitVersioning", UclUnitVersioningInitialize,
                                       UclUnitVersioningFinalize};
