#include "codelib/UclSysInfo.h"

#include <bitset>
#include <vector>

#include "codelib/UclRegistry.h"
#include "codelib/UclUnitVersioning.h"

uint32_t ProcessorCount = 0, AllocGranularity = 0, PageSize = 0;
bool IsWinNT = false;
uint32_t KernelVersionHi = 0;
TWindowsVersion WindowsVersion = wvUnknown;
bool IsWinNT3 = false;

namespace {

std::bitset<wvWinServer2012R2 + 1> WindowsVersionFlags;

TWindowsVersion Classify9x(const TWindowsVersionFacts& F) {
  const bool kernelIsMe = F.KernelProductVersion == MAKELONG(90, 4);
  const String& sp = F.ServicePack;
  if (F.Minor < 10) return sp == L"B" || sp == L"C" ? wvWin95OSR2 : wvWin95;
  if (F.Minor < 90 && !kernelIsMe) return sp == L"A" || sp == L"B" ? wvWin98SE : wvWin98;
  if (F.Minor <= 90) return wvWinME;
  return wvUnknown;
}

TWindowsVersion ClassifyNT(const TWindowsVersionFacts& F) {
  auto pick = [&](TWindowsVersion Workstation, TWindowsVersion Server) {
    return F.Workstation ? Workstation : Server;
  };
  switch (F.Major) {
    case 3:
      if (F.Minor == 10) return wvWinNT31;
      if (F.Minor == 50) return wvWinNT35;
      if (F.Minor == 51) return wvWinNT351;
      return wvUnknown;
    case 4: return wvWinNT4;
    case 5:
      if (F.Minor == 0) return wvWin2000;
      if (F.Minor == 1) return wvWinXP;
      if (F.Minor == 2) {
        if (F.ServerR2) return wvWin2003R2;
        if (F.NativeArchitecture != PROCESSOR_ARCHITECTURE_INTEL && F.Workstation) return wvWinXP64;
        return wvWin2003;
      }
      return wvUnknown;
    case 6:
      if (F.Minor == 0) return pick(wvWinVista, wvWinServer2008);
      if (F.Minor == 1) return pick(wvWin7, wvWinServer2008R2);
      if (F.Minor == 2) {
        // 8.1 reports 6.2 to programs that do not declare it.
        if (StartsText(L"Windows 8.1", F.ProductName) || StartsText(L"Windows Server 2012 R2", F.ProductName))
          return pick(wvWin81, wvWinServer2012R2);
        return pick(wvWin8, wvWinServer2012);
      }
      if (F.Minor == 3) return pick(wvWin81, wvWinServer2012R2);
      return wvUnknown;
    default: return wvUnknown;
  }
}

}  // namespace

TWindowsVersion ClassifyWindowsVersion(const TWindowsVersionFacts& Facts) {
  if (Facts.Platform == VER_PLATFORM_WIN32_WINDOWS) return Classify9x(Facts);
  if (Facts.Platform == VER_PLATFORM_WIN32_NT) return ClassifyNT(Facts);
  return wvUnknown;
}

TWindowsVersionFacts CurrentWindowsVersionFacts() {
  TWindowsVersionFacts facts;
  OSVERSIONINFOEXW version{};
  version.dwOSVersionInfoSize = sizeof(version);
  if (GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&version))) {
    facts.Platform = version.dwPlatformId;
    facts.Major = version.dwMajorVersion;
    facts.Minor = version.dwMinorVersion;
    facts.ServicePack = Trim(version.szCSDVersion);
    facts.Workstation = version.wProductType == VER_NT_WORKSTATION;
  }
  facts.ServerR2 = GetSystemMetrics(SM_SERVERR2) != 0;
  SYSTEM_INFO info{};
  QueryNativeSystemInfo(info);
  facts.NativeArchitecture = info.wProcessorArchitecture;
  facts.ProductName = RegistryReadStringDefault(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                                                L"ProductName", L"");
  return facts;
}

TWindowsVersion ClassifyWindowsVersion() { return ClassifyWindowsVersion(CurrentWindowsVersionFacts()); }

bool IsWindowsVersion(TWindowsVersion Version) { return WindowsVersionFlags.test(Version); }

void CollectSystemInformation() {
  SYSTEM_INFO info{};
  GetSystemInfo(&info);
  ProcessorCount = info.dwNumberOfProcessors;
  AllocGranularity = info.dwAllocationGranularity;
  PageSize = info.dwPageSize;
  const TWindowsVersionFacts facts = CurrentWindowsVersionFacts();
  IsWinNT = facts.Platform == VER_PLATFORM_WIN32_NT;
  KernelVersionHi = 0;
  VS_FIXEDFILEINFO kernel;
  if (!IsWinNT && ReadFixedFileVersion(ModuleFileName(GetModuleHandleW(L"kernel32.dll")), kernel))
    KernelVersionHi = kernel.dwProductVersionMS;
  WindowsVersion = ClassifyWindowsVersion(facts);
  WindowsVersionFlags.reset();
  if (WindowsVersion != wvUnknown) WindowsVersionFlags.set(WindowsVersion);
  IsWinNT3 = WindowsVersion == wvWinNT31 || WindowsVersion == wvWinNT35 || WindowsVersion == wvWinNT351;
  if (WindowsVersion == wvWinNT351) WindowsVersionFlags.set(wvWinNT35);
}

bool QueryNativeSystemInfo(SYSTEM_INFO& Info) {
  using TGetNativeSystemInfo = void(WINAPI*)(SYSTEM_INFO*);
  const auto getNative = reinterpret_cast<TGetNativeSystemInfo>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetNativeSystemInfo"));
  if (getNative) {
    getNative(&Info);
    return true;
  }
  GetSystemInfo(&Info);
  return false;
}

bool IsNative64BitWindows() {
  static const bool is64Bit = [] {
    SYSTEM_INFO info{};
    QueryNativeSystemInfo(info);
    return info.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_IA64 ||
           info.wProcessorArchitecture == PROCESSOR_ARCHITECTURE_AMD64;
  }();
  return is64Bit;
}

bool WindowsVersionAtLeast(uint32_t Major, uint32_t Minor) {
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof(version);
  GetVersionExW(&version);
  return version.dwMajorVersion > Major || (version.dwMajorVersion == Major && version.dwMinorVersion >= Minor);
}

String ModuleFileName(HMODULE Module) {
  wchar_t buffer[MAX_PATH + 1];
  return String(buffer, GetModuleFileNameW(Module, buffer, MAX_PATH + 1));
}

bool ReadFixedFileVersion(const String& FileName, VS_FIXEDFILEINFO& Info) {
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeW(FileName.c_str(), &handle);
  if (size == 0) return false;
  std::vector<BYTE> block(size);
  if (!GetFileVersionInfoW(FileName.c_str(), 0, size, block.data())) return false;
  void* fixed = nullptr;
  UINT length = 0;
  if (!VerQueryValueW(block.data(), L"\\", &fixed, &length) || length != sizeof(VS_FIXEDFILEINFO))
    return false;
  Info = *static_cast<const VS_FIXEDFILEINFO*>(fixed);
  return true;
}

namespace {

const TUnitVersionInfo UnitVersioning = UclUnitVersionInfo(UclWindowsSource);

void UclSysInfoInitialize() {
  CollectSystemInformation();
  AddUnitVersionRecord(UclModuleInstance(), &UnitVersioning);
}

void UclSysInfoFinalize() { RemoveUnitVersionRecord(UclModuleInstance()); }

}  // namespace

const TUnitEntry UclSysInfoUnit{L"UclSysInfo", UclSysInfoInitialize, UclSysInfoFinalize};
