// The Windows version class of given facts and of the running system, the
// system information and file versions.
#include <gtest/gtest.h>

#include "codelib/UclSysInfo.h"

namespace {

TWindowsVersionFacts Facts(uint32_t Platform, uint32_t Major, uint32_t Minor, bool Workstation = true) {
  TWindowsVersionFacts facts;
  facts.Platform = Platform;
  facts.Major = Major;
  facts.Minor = Minor;
  facts.Workstation = Workstation;
  return facts;
}

}  // namespace

TEST(SysInfoTest, VersionFactsAreClassified) {
  constexpr uint32_t W9x = VER_PLATFORM_WIN32_WINDOWS, NT = VER_PLATFORM_WIN32_NT;
  auto with = [](TWindowsVersionFacts F, auto Change) {
    Change(F);
    return F;
  };
  const struct {
    TWindowsVersionFacts Facts;
    TWindowsVersion Expected;
  } cases[] = {
      {Facts(W9x, 4, 0), wvWin95},
      {with(Facts(W9x, 4, 0), [](auto& f) { f.ServicePack = L"C"; }), wvWin95OSR2},
      {Facts(W9x, 4, 10), wvWin98},
      {with(Facts(W9x, 4, 10), [](auto& f) { f.ServicePack = L"A"; }), wvWin98SE},
      {with(Facts(W9x, 4, 10), [](auto& f) { f.KernelProductVersion = MAKELONG(90, 4); }), wvWinME},
      {Facts(W9x, 4, 90), wvWinME},
      {Facts(W9x, 4, 91), wvUnknown},
      {Facts(NT, 3, 10), wvWinNT31},
      {Facts(NT, 3, 51), wvWinNT351},
      {Facts(NT, 3, 20), wvUnknown},
      {Facts(NT, 4, 0), wvWinNT4},
      {Facts(NT, 5, 0), wvWin2000},
      {Facts(NT, 5, 1), wvWinXP},
      {with(Facts(NT, 5, 2), [](auto& f) { f.ServerR2 = true; }), wvWin2003R2},
      {with(Facts(NT, 5, 2), [](auto& f) { f.NativeArchitecture = PROCESSOR_ARCHITECTURE_AMD64; }), wvWinXP64},
      {Facts(NT, 5, 2), wvWin2003},
      {Facts(NT, 5, 3), wvUnknown},
      {Facts(NT, 6, 0), wvWinVista},
      {Facts(NT, 6, 0, false), wvWinServer2008},
      {Facts(NT, 6, 1), wvWin7},
      {Facts(NT, 6, 1, false), wvWinServer2008R2},
      {Facts(NT, 6, 2), wvWin8},
      {with(Facts(NT, 6, 2, false), [](auto& f) { f.ProductName = L"Windows Server 2016"; }), wvWinServer2012},
      {with(Facts(NT, 6, 2), [](auto& f) { f.ProductName = L"Windows 8.1 Pro"; }), wvWin81},
      {with(Facts(NT, 6, 2, false), [](auto& f) { f.ProductName = L"Windows Server 2012 R2"; }),
       wvWinServer2012R2},
      {Facts(NT, 6, 3), wvWin81},
      {Facts(NT, 6, 4), wvUnknown},
      {Facts(NT, 10, 0), wvUnknown},
      {Facts(3, 10, 0), wvUnknown},
  };
  for (size_t i = 0; i < std::size(cases); ++i)
    EXPECT_EQ(cases[i].Expected, ClassifyWindowsVersion(cases[i].Facts)) << "case " << i;
}

TEST(SysInfoTest, TheRunningSystemIsClassifiedByItsOwnAnswer) {
  const TWindowsVersionFacts facts = CurrentWindowsVersionFacts();
  EXPECT_EQ(static_cast<uint32_t>(VER_PLATFORM_WIN32_NT), facts.Platform);
  EXPECT_EQ(ClassifyWindowsVersion(facts), WindowsVersion);
  EXPECT_EQ(WindowsVersion, ClassifyWindowsVersion());
  if (facts.Major == 6 && facts.Minor == 1 && facts.Workstation) {
    EXPECT_EQ(wvWin7, WindowsVersion);
  }
  if (WindowsVersion != wvUnknown) {
    EXPECT_TRUE(IsWindowsVersion(WindowsVersion));
  }
  EXPECT_TRUE(IsWinNT);
  EXPECT_EQ(0u, KernelVersionHi);
  EXPECT_TRUE(WindowsVersionAtLeast(5, 0));
  EXPECT_FALSE(WindowsVersionAtLeast(99, 0));
}

TEST(SysInfoTest, ProcessorsPagesAndArchitectureAreTheSystems) {
  SYSTEM_INFO info{};
  GetSystemInfo(&info);
  EXPECT_EQ(info.dwNumberOfProcessors, ProcessorCount);
  EXPECT_EQ(info.dwPageSize, PageSize);
  EXPECT_EQ(info.dwAllocationGranularity, AllocGranularity);
  SYSTEM_INFO native{};
  EXPECT_TRUE(QueryNativeSystemInfo(native));
  EXPECT_TRUE(IsNative64BitWindows());  // a 64-bit program runs on 64-bit Windows only
}

TEST(SysInfoTest, ModulesHaveTheirFileNamesAndVersionBlocks) {
  EXPECT_TRUE(EndsText(L"\\test_codelib.exe", ModuleFileName(nullptr)));
  VS_FIXEDFILEINFO info{};
  ASSERT_TRUE(ReadFixedFileVersion(ModuleFileName(GetModuleHandleW(L"kernel32.dll")), info));
  EXPECT_EQ(0xFEEF04BDu, info.dwSignature);
  EXPECT_FALSE(ReadFixedFileVersion(ModuleFileName(nullptr), info));  // the test has no version block
  EXPECT_FALSE(ReadFixedFileVersion(L"C:\\no such file.dll", info));
}
