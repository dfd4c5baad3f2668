#include "components/core/dxCore.h"

#include <algorithm>
#include <cstdlib>

#include "vcl/rtl/Streams.h"
#include "vcl/rtl/Variants.h"
#include "vcl/rtl/WinApi.h"

namespace {

bool CoreShutDown = false;
std::unique_ptr<TdxResourceStringsRepository> Repository;
std::unique_ptr<TdxUnitsLoader> UnitsLoader;

// A library loaded by name, freed when the holder goes.
class TLoadedLibrary {
public:
  explicit TLoadedLibrary(const wchar_t* AName) : FHandle(LoadLibraryW(AName)) {}
  ~TLoadedLibrary() {
    if (FHandle) FreeLibrary(FHandle);
  }
  TLoadedLibrary(const TLoadedLibrary&) = delete;
  TLoadedLibrary& operator=(const TLoadedLibrary&) = delete;
  template <class TFunction>
  TFunction Function(const char* AName) const {
    return FHandle ? reinterpret_cast<TFunction>(GetProcAddress(FHandle, AName)) : nullptr;
  }

private:
  HMODULE FHandle;
};

// The workstation information level 100, as the system lays it out.
struct TWkstaInfo100 {
  DWORD PlatformId;
  wchar_t* ComputerName;
  wchar_t* LanGroup;
  DWORD VerMajor;
  DWORD VerMinor;
};

// Windows 10 and later report their real version in the workstation
// information even where GetVersionEx is capped at 6.2.
void ProbeWindows10() {
  using TNetWkstaGetInfo = DWORD(WINAPI*)(wchar_t*, DWORD, BYTE**);
  using TNetApiBufferFree = DWORD(WINAPI*)(void*);
  const TLoadedLibrary netapi(L"netapi32.dll");
  const auto getInfo = netapi.Function<TNetWkstaGetInfo>("NetWkstaGetInfo");
  const auto freeBuffer = netapi.Function<TNetApiBufferFree>("NetApiBufferFree");
  if (!getInfo || !freeBuffer) return;
  BYTE* buffer = nullptr;
  if (getInfo(nullptr, 100, &buffer) != 0) return;
  const auto* info = reinterpret_cast<const TWkstaInfo100*>(buffer);
  dxOsWin10 = info->VerMajor == 10 && info->VerMinor == 0;
  dxOsWin10Up = info->VerMajor >= 10;
  freeBuffer(buffer);
}

bool DetectWow64() {
  using TIsWow64Process = BOOL(WINAPI*)(HANDLE, BOOL*);
  const auto isWow64 = reinterpret_cast<TIsWow64Process>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "IsWow64Process"));
  BOOL result = FALSE;
  return isWow64 && isWow64(GetCurrentProcess(), &result) && result;
}

void dxCoreInitialize() {
  CoreShutDown = false;
  dxDetectWindowsVersion();
}

void dxCoreFinalize() {
  CoreShutDown = true;
  Repository.reset();
  if (!UnitsLoader) return;
  if (dxIsPlainLibraryModule() && UnitsLoader->HasFinalizeProcedures())
    throw Exception(L"Need call dxFinalize before free library!");
  UnitsLoader->Finalize();
  UnitsLoader.reset();
}

}  // namespace

const TUnitEntry dxCoreUnit{L"dxCore", dxCoreInitialize, dxCoreFinalize};

// ---------------------------------------------------------------- TdxProductResourceStrings

TdxProductResourceStrings::TdxProductResourceStrings(const String& AName,
                                                     TdxAddResourceStringsProcedure AInitializeProc)
    : FName(AName) {
  AddProcedure(AInitializeProc);
}

void TdxProductResourceStrings::AddProcedure(TdxAddResourceStringsProcedure AProc) {
  if (!AProc || std::find(FInitializeProcedures.begin(), FInitializeProcedures.end(), AProc) !=
                    FInitializeProcedures.end())
    return;
  FInitializeProcedures.push_back(AProc);
  AProc(this);
}

bool TdxProductResourceStrings::RemoveProcedure(TdxAddResourceStringsProcedure AProc) {
  const auto found = std::find(FInitializeProcedures.begin(), FInitializeProcedures.end(), AProc);
  if (found != FInitializeProcedures.end()) FInitializeProcedures.erase(found);
  return FInitializeProcedures.empty();
}

// Binary search; AIndex is where the name is or would go.
bool TdxProductResourceStrings::Find(const String& AName, int& AIndex) const {
  int low = 0, high = ResStringsCount() - 1;
  while (low <= high) {
    const int middle = (low + high) / 2;
    const int order = AnsiCompareText(FResStrings[middle].first, AName);
    if (order == 0) {
      AIndex = middle;
      return true;
    }
    if (order < 0)
      low = middle + 1;
    else
      high = middle - 1;
  }
  AIndex = low;
  return false;
}

void TdxProductResourceStrings::Add(const String& AResStringName, PResStringRec AResString) {
  int index;
  if (!Find(AResStringName, index))
    FResStrings.insert(FResStrings.begin() + index, {AResStringName, AResString});
}

int TdxProductResourceStrings::GetIndexByName(const String& AName) const {
  int index;
  return Find(AName, index) ? index : -1;
}

// ---------------------------------------------------------------- TdxResourceStringsRepository

TdxResourceStringsRepository::~TdxResourceStringsRepository() = default;

void TdxResourceStringsRepository::RegisterProduct(const String& AProductName,
                                                   TdxAddResourceStringsProcedure AAddStringsProc) {
  const int index = GetProductIndexByName(AProductName);
  if (index >= 0)
    FProducts[index]->AddProcedure(AAddStringsProc);
  else
    FProducts.push_back(std::make_unique<TdxProductResourceStrings>(AProductName, AAddStringsProc));
}

void TdxResourceStringsRepository::UnRegisterProduct(const String& AProductName,
                                                     TdxAddResourceStringsProcedure AAddStringsProc) {
  const int index = GetProductIndexByName(AProductName);
  if (index < 0) return;
  if (!AAddStringsProc || FProducts[index]->RemoveProcedure(AAddStringsProc))
    FProducts.erase(FProducts.begin() + index);
}

void TdxResourceStringsRepository::AddListener(IdxLocalizerListener* AListener) {
  if (std::find(FListeners.begin(), FListeners.end(), AListener) == FListeners.end())
    FListeners.push_back(AListener);
}

void TdxResourceStringsRepository::RemoveListener(IdxLocalizerListener* AListener) {
  const auto found = std::find(FListeners.begin(), FListeners.end(), AListener);
  if (found != FListeners.end()) FListeners.erase(found);
}

void TdxResourceStringsRepository::NotifyListeners() {
  // By index: a listener may remove itself while it is told.
  for (size_t i = 0; i < FListeners.size(); ++i) FListeners[i]->TranslationChanged();
}

void TdxResourceStringsRepository::Translate() {
  if (!OnTranslateResString) return;
  for (const auto& product : FProducts)
    for (int i = 0; i < product->ResStringsCount(); ++i)
      OnTranslateResString(product->Names(i), product->ResStrings(i));
}

String TdxResourceStringsRepository::GetOriginalValue(const String& AName) const {
  for (const auto& product : FProducts) {
    const int index = product->GetIndexByName(AName);
    if (index >= 0) return product->Values(index);
  }
  return String();
}

int TdxResourceStringsRepository::GetProductIndexByName(const String& AName) const {
  for (size_t i = 0; i < FProducts.size(); ++i)
    if (FProducts[i]->Name() == AName) return static_cast<int>(i);
  return -1;
}

TdxResourceStringsRepository* dxResStringsRepositoryInstance() {
  if (!Repository && !CoreShutDown) Repository = std::make_unique<TdxResourceStringsRepository>();
  return Repository.get();
}

// ---------------------------------------------------------------- TdxUnitsLoader

TdxUnitsLoader::TdxUnitsLoader(bool AInPlainLibrary) : FInPlainLibrary(AInPlainLibrary) {}

TdxUnitsLoader::~TdxUnitsLoader() {
  // A shut-down step that fails must not keep the others from running, and
  // a destructor cannot pass the failure on.
  while (FUnitsInitialized && !FFinalizeList.empty()) {
    try {
      Finalize();
    } catch (...) {
    }
  }
}

void TdxUnitsLoader::AddUnit(TdxUnitProcedure AInitializeProc, TdxUnitProcedure AFinalizeProc) {
  if (AInitializeProc) {
    if (FInPlainLibrary) {
      FInitializeList.push_back(AInitializeProc);
    } else {
      FUnitsInitialized = true;
      AInitializeProc();
    }
  }
  if (AFinalizeProc) FFinalizeList.push_back(AFinalizeProc);
}

void TdxUnitsLoader::RemoveUnit(TdxUnitProcedure AFinalizeProc) {
  const auto found = std::find(FFinalizeList.begin(), FFinalizeList.end(), AFinalizeProc);
  if (found == FFinalizeList.end()) return;
  FFinalizeList.erase(found);
  if (FUnitsInitialized) AFinalizeProc();
}

void TdxUnitsLoader::Initialize() {
  for (TdxUnitProcedure proc : FInitializeList) proc();
  FInitializeList.clear();
  FUnitsInitialized = true;
}

// From the last registered to the first; each step leaves the list before
// it runs, so a failing one is not run again.
void TdxUnitsLoader::Finalize() {
  while (FUnitsInitialized && !FFinalizeList.empty()) {
    const TdxUnitProcedure proc = FFinalizeList.back();
    FFinalizeList.pop_back();
    proc();
  }
  FUnitsInitialized = false;
  FFinalizeList.clear();
}

TdxUnitsLoader* dxUnitsLoaderInstance() {
  if (!UnitsLoader && !CoreShutDown) UnitsLoader = std::make_unique<TdxUnitsLoader>(dxIsPlainLibraryModule());
  return UnitsLoader.get();
}

// ---------------------------------------------------------------- operating system

bool dxOsWin9x, dxOsWin95, dxOsWin98, dxOsWinMe;
bool dxOsNT, dxOsWin2000, dxOsWin2000Up, dxOsWinXP, dxOsWinXPUp, dxOsWin2000OrXP;
bool dxOsVista, dxOsVistaUp, dxOsWin7, dxOsWin7Up, dxOsWin8, dxOsWin8Up;
bool dxOsWin10, dxOsWin10Up, dxOsWow64;

void dxDetectWindowsVersion(uint32_t APlatformId, uint32_t AMajor, uint32_t AMinor) {
  dxOsWin9x = APlatformId == VER_PLATFORM_WIN32_WINDOWS;
  dxOsWin95 = dxOsWin9x && AMinor == 0;
  dxOsWin98 = dxOsWin9x && AMinor == 10;
  dxOsWinMe = dxOsWin9x && AMinor == 90;
  dxOsNT = APlatformId == VER_PLATFORM_WIN32_NT;
  dxOsWin2000 = dxOsNT && AMajor == 5 && AMinor == 0;
  dxOsWin2000Up = dxOsNT && AMajor >= 5;
  dxOsWinXP = dxOsNT && AMajor == 5 && AMinor > 0;
  dxOsWinXPUp = dxOsWin2000Up && !dxOsWin2000;
  dxOsWin2000OrXP = dxOsWin2000 || dxOsWinXP;
  dxOsVista = dxOsNT && AMajor == 6 && AMinor == 0;
  dxOsVistaUp = dxOsNT && AMajor >= 6;
  dxOsWin7 = dxOsNT && AMajor == 6 && AMinor == 1;
  dxOsWin7Up = dxOsVistaUp && !dxOsVista;
  dxOsWin8 = dxOsNT && AMajor == 6 && AMinor == 2;
  dxOsWin8Up = dxOsWin7Up && !dxOsWin7;
  dxOsWin10 = false;
  dxOsWin10Up = false;
  if (dxOsWin8Up) ProbeWindows10();
  dxOsWow64 = DetectWow64();
}

void dxDetectWindowsVersion() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
  GetVersionExW(&info);
  dxDetectWindowsVersion(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion);
}

// ---------------------------------------------------------------- helpers

bool dxIsPlainLibraryModule() {
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&dxIsPlainLibraryModule), &module);
  return module && module != GetModuleHandleW(nullptr);
}

void* dxAllocZeroed(size_t ASize) {
  void* block = std::calloc(1, ASize ? ASize : 1);
  if (!block) throw EOutOfMemory(L"Out of memory");
  return block;
}

void dxFreeBlock(void* P) { std::free(P); }

uint16_t dxCharTypeFlags(Char C) {
  WORD type = 0;
  return GetStringTypeW(CT_CTYPE1, &C, 1, &type) ? type : 0;
}

bool dxCharIsLetter(Char C) { return dxCharTypeFlags(C) & C1_ALPHA; }
bool dxCharIsDigit(Char C) { return dxCharTypeFlags(C) & C1_DIGIT; }

String dxLocaleInfoText(uint32_t ALocale, uint32_t AType, const String& ADefault) {
  const int length = GetLocaleInfoW(ALocale, AType, nullptr, 0);
  if (length == 0) return ADefault;
  String text(length, L'\0');
  const int written = GetLocaleInfoW(ALocale, AType, text.data(), length);
  if (written == 0) return ADefault;
  text.resize(written - 1);
  return text;
}

void dxStreamWriteInt32(TStream* AStream, int32_t AValue) {
  const uint8_t bytes[4]{static_cast<uint8_t>(AValue), static_cast<uint8_t>(AValue >> 8),
                         static_cast<uint8_t>(AValue >> 16), static_cast<uint8_t>(AValue >> 24)};
  AStream->WriteBuffer(bytes, 4);
}

String dxAnsiToWideCodePage(const std::string& S, uint32_t ACodePage, int ALength) {
  const int length = ALength < 0 ? static_cast<int>(S.size()) : std::min<int>(ALength, S.size());
  if (length == 0) return String();
  if (dxOsWin9x && ACodePage == CP_UTF8) return FromUtf8(S.substr(0, length));
  const int size = MultiByteToWideChar(ACodePage, 0, S.data(), length, nullptr, 0);
  String result(size, L'\0');
  const DWORD flags = ACodePage == CP_UTF8 ? 0 : MB_PRECOMPOSED;
  result.resize(MultiByteToWideChar(ACodePage, flags, S.data(), length, result.data(), size));
  return result;
}

std::string dxWideToAnsiCodePage(const String& W, uint32_t ACodePage, int ALength) {
  const int length = ALength < 0 ? static_cast<int>(W.size()) : std::min<int>(ALength, W.size());
  if (length == 0) return std::string();
  if (dxOsWin9x && ACodePage == CP_UTF8) return ToUtf8(W.substr(0, length));
  const int size = WideCharToMultiByte(ACodePage, 0, W.data(), length, nullptr, 0, nullptr, nullptr);
  std::string result(size, '\0');
  result.resize(
      WideCharToMultiByte(ACodePage, 0, W.data(), length, result.data(), size, nullptr, nullptr));
  return result;
}

bool dxVarIsBinaryData(const Variant& V) {
  return VarIsStr(V) || (VarIsArray(V) && VarArrayDimCount(V) == 1);
}

std::string dxVariantToAnsiBytes(const Variant& V) {
  if (!VarIsArray(V) || VarArrayDimCount(V) != 1) return ToAnsi(V.AsString());
  const int low = VarArrayLowBound(V, 1), high = VarArrayHighBound(V, 1);
  std::string bytes;
  bytes.reserve(high >= low ? high - low + 1 : 0);
  for (int i = low; i <= high; ++i)
    bytes.push_back(static_cast<char>(VarAsType(VarArrayGet(V, {i}), varByte).AsInteger()));
  return bytes;
}

String dxVariantToWideText(const Variant& V) {
  return VarIsStr(V) ? V.AsString() : dxAnsiToWideCodePage(dxVariantToAnsiBytes(V), CP_ACP);
}
