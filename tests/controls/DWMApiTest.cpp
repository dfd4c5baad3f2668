// The desktop-composition binding on Wine's dwmapi: loaded by name, and
// composition read from what the library answers.
#include <gtest/gtest.h>

#include "components/controls/cxDWMApi.h"
#include "components/core/dxCore.h"

namespace {

// Runs the unit's start-up for one test and its shut-down after it.
class DwmUnit : public ::testing::Test {
protected:
  void SetUp() override { cxDWMApiUnit.Initialize(); }
  void TearDown() override {
    cxDWMApiUnit.Finalize();
    dxDetectWindowsVersion();
  }
};

HRESULT WINAPI CompositionOn(BOOL* AEnabled) {
  *AEnabled = TRUE;
  return S_OK;
}
HRESULT WINAPI CompositionOff(BOOL* AEnabled) {
  *AEnabled = FALSE;
  return S_OK;
}
HRESULT WINAPI QueryFails(BOOL* AEnabled) {
  *AEnabled = TRUE;
  return E_FAIL;
}

}  // namespace

TEST_F(DwmUnit, CompositionIsWhatTheSystemLibraryAnswers) {
  ASSERT_TRUE(cxIsDwmLoaded());
  ASSERT_NE(nullptr, cxDwmIsCompositionEnabled);
  HMODULE library = LoadLibraryW(L"dwmapi.dll");
  ASSERT_NE(nullptr, library);
  auto query = reinterpret_cast<TcxDwmIsCompositionEnabled>(
      GetProcAddress(library, "DwmIsCompositionEnabled"));
  BOOL enabled = FALSE;
  const bool systemSaysOn = SUCCEEDED(query(&enabled)) && enabled;
  FreeLibrary(library);
  EXPECT_EQ(systemSaysOn, cxIsDesktopCompositionEnabled());
}

TEST_F(DwmUnit, CompositionFollowsEachAnswerAndIsOffWhenTheQueryFails) {
  ASSERT_TRUE(cxIsDwmLoaded());
  const TcxDwmIsCompositionEnabled bound = cxDwmIsCompositionEnabled;
  const struct {
    TcxDwmIsCompositionEnabled Query;
    bool Expected;
  } cases[] = {{CompositionOn, true}, {CompositionOff, false}, {QueryFails, false}, {CompositionOn, true}};
  for (const auto& c : cases) {
    cxDwmIsCompositionEnabled = c.Query;
    EXPECT_EQ(c.Expected, cxIsDesktopCompositionEnabled());
  }
  cxDwmIsCompositionEnabled = bound;
}

TEST(DwmApi, BeforeVistaTheLibraryIsNeverLoaded) {
  dxDetectWindowsVersion(VER_PLATFORM_WIN32_NT, 5, 1);
  cxDWMApiUnit.Initialize();
  EXPECT_FALSE(cxIsDwmLoaded());
  EXPECT_EQ(nullptr, cxDwmIsCompositionEnabled);
  EXPECT_FALSE(cxIsDesktopCompositionEnabled());
  EXPECT_EQ(nullptr, GetModuleHandleW(L"dwmapi.dll"));
  cxDWMApiUnit.Finalize();
  dxDetectWindowsVersion();
}

TEST(DwmApi, StartUpLeavesTheLibraryToTheFirstQuestion) {
  cxDWMApiUnit.Initialize();
  EXPECT_EQ(nullptr, GetModuleHandleW(L"dwmapi.dll"));
  EXPECT_EQ(nullptr, cxDwmIsCompositionEnabled);
  EXPECT_TRUE(cxIsDwmLoaded());
  EXPECT_NE(nullptr, GetModuleHandleW(L"dwmapi.dll"));
  EXPECT_NE(nullptr, cxDwmIsCompositionEnabled);
  cxDWMApiUnit.Finalize();
  EXPECT_EQ(nullptr, GetModuleHandleW(L"dwmapi.dll"));
}

TEST(DwmApi, WithoutStartUpNothingIsLoaded) {
  EXPECT_FALSE(cxIsDwmLoaded());
  EXPECT_FALSE(cxIsDesktopCompositionEnabled());
  EXPECT_EQ(nullptr, GetModuleHandleW(L"dwmapi.dll"));
}

TEST(DwmApi, OnlyTheLastShutDownFreesTheLibrary) {
  cxDWMApiUnit.Initialize();
  cxDWMApiUnit.Initialize();
  cxDWMApiUnit.Finalize();
  EXPECT_TRUE(cxIsDwmLoaded());
  EXPECT_NE(nullptr, cxDwmExtendFrameIntoClientArea);
  cxDWMApiUnit.Finalize();
  EXPECT_FALSE(cxIsDwmLoaded());
  EXPECT_EQ(nullptr, cxDwmExtendFrameIntoClientArea);
  EXPECT_EQ(nullptr, GetModuleHandleW(L"dwmapi.dll"));
}
