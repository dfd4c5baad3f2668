#pragma once
// What the code library knows of the system it runs on: processors and
// memory pages, the Windows version class, the native architecture, and
// module file names and version blocks.
#include <cstdint>

#include "codelib/UclBase.h"
#include "vcl/rtl/WinApi.h"

enum TWindowsVersion {
  wvUnknown, wvWin95, wvWin95OSR2, wvWin98, wvWin98SE, wvWinME, wvWinNT31, wvWinNT35, wvWinNT351,
  wvWinNT4, wvWin2000, wvWinXP, wvWin2003, wvWinXP64, wvWin2003R2, wvWinVista, wvWinServer2008,
  wvWin7, wvWinServer2008R2, wvWin8, wvWin8RT, wvWinServer2012, wvWin81, wvWin81RT,
  wvWinServer2012R2
};

// The facts the classification rests on.
struct TWindowsVersionFacts {
  uint32_t Platform = VER_PLATFORM_WIN32_NT;
  uint32_t Major = 0, Minor = 0;
  String ServicePack;              // trimmed
  uint32_t KernelProductVersion = 0;  // 9x family: kernel32's high product version word pair
  bool ServerR2 = false;           // GetSystemMetrics(SM_SERVERR2)
  uint16_t NativeArchitecture = PROCESSOR_ARCHITECTURE_INTEL;
  bool Workstation = false;
  String ProductName;              // the registry's "ProductName"
};
TWindowsVersion ClassifyWindowsVersion(const TWindowsVersionFacts& Facts);
// The class of the system the program runs on.
TWindowsVersion ClassifyWindowsVersion();
TWindowsVersionFacts CurrentWindowsVersionFacts();

// Filled by the system-information start-up.
extern uint32_t ProcessorCount, AllocGranularity, PageSize;
extern bool IsWinNT;
extern uint32_t KernelVersionHi;  // 0 on the NT family
extern TWindowsVersion WindowsVersion;
extern bool IsWinNT3;             // NT 3.1, 3.5 or 3.51
bool IsWindowsVersion(TWindowsVersion Version);  // NT 3.51 also counts as NT 3.5
void CollectSystemInformation();

// GetNativeSystemInfo where the system has it (true), else GetSystemInfo.
bool QueryNativeSystemInfo(SYSTEM_INFO& Info);
bool IsNative64BitWindows();
bool WindowsVersionAtLeast(uint32_t Major, uint32_t Minor);

String ModuleFileName(HMODULE Module);
// The file's fixed version block (VS_FIXEDFILEINFO); false without one.
bool ReadFixedFileVersion(const String& FileName, VS_FIXEDFILEINFO& Info);

extern const TUnitEntry UclSysInfoUnit;
