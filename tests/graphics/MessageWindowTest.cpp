// The system-information window and its listeners, the window-geometry
// routines and the accelerator-mark stripper.
#include <gtest/gtest.h>

#include <vector>

#include "components/core/cxMessageWindow.h"

namespace {

class TRecordingListener : public IdxSystemInfoListener {
public:
  void SystemInfoChanged(uint32_t AParameter) override {
    Parameters.push_back(AParameter);
    if (OnChanged) OnChanged();
  }
  std::vector<uint32_t> Parameters;
  std::function<void()> OnChanged;
};

// Listens to the shared system-information window for one test.
class SystemInfoTest : public ::testing::Test {
protected:
  void SetUp() override {
    Info = dxGetSystemInfo();
    ASSERT_NE(nullptr, Info);
    for (auto& listener : Listeners) Info->AddListener(&listener);
  }
  void TearDown() override {
    for (auto& listener : Listeners) Info->RemoveListener(&listener);
  }
  void SettingChanged(WPARAM AParameter) { SendMessageW(Info->Handle(), WM_SETTINGCHANGE, AParameter, 0); }

  TdxSystemInfo* Info = nullptr;
  TRecordingListener Listeners[3];
};

TEST_F(SystemInfoTest, OneSharedInstanceAnsweringTheDropShadowSetting) {
  EXPECT_EQ(Info, dxGetSystemInfo());
  BOOL dropShadow = FALSE;
  SystemParametersInfoW(SPI_GETDROPSHADOW, 0, &dropShadow, 0);
  EXPECT_EQ(dropShadow != FALSE, Info->IsDropShadow());
  EXPECT_EQ(static_cast<UINT>(sizeof(NONCLIENTMETRICSW)), Info->NonClientMetrics().cbSize);
  LOGFONTW font{};
  EXPECT_TRUE(Info->GetParameter(SPI_GETICONTITLELOGFONT, &font));
  EXPECT_NE(0, font.lfHeight);
}

TEST_F(SystemInfoTest, ASettingChangeReachesEveryListenerInOrderButAPolicyChangeDoesNot) {
  SettingChanged(SPI_SETNONCLIENTMETRICS);
  SettingChanged(0);
  for (auto& listener : Listeners) EXPECT_EQ(std::vector<uint32_t>{SPI_SETNONCLIENTMETRICS}, listener.Parameters);
}

TEST_F(SystemInfoTest, AListenerMayRemoveItselfOrALaterOneWhileBeingTold) {
  Listeners[0].OnChanged = [this] {
    Info->RemoveListener(&Listeners[0]);
    Info->RemoveListener(&Listeners[1]);
  };
  SettingChanged(SPI_SETDROPSHADOW);
  EXPECT_EQ(1u, Listeners[0].Parameters.size());
  EXPECT_TRUE(Listeners[1].Parameters.empty());
  EXPECT_EQ(1u, Listeners[2].Parameters.size());
}

TEST(cxStripAcceleratorMarks, DropsMarksAndKeepsEscapedAmpersands) {
  struct {
    const wchar_t* Text;
    bool ReplaceTrailing;
    const wchar_t* Expected;
  } cases[] = {
      {L"&File", false, L"File"},       {L"Save && Exit", false, L"Save & Exit"}, {L"Tail&", false, L"Tail"},
      {L"Tail&", true, L"Tail_"},       {L"&&&a", false, L"&a"},                   {L"", true, L""},
      {L"no marks", false, L"no marks"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.Expected, cxStripAcceleratorMarks(c.Text, c.ReplaceTrailing)) << c.Text;
}

// A top-level window of the given bounds, destroyed with the object.
class TTestWindow {
public:
  TTestWindow(const TRect& R, DWORD AStyle = WS_POPUP)
      : FHandle(CreateWindowExW(0, L"STATIC", L"", AStyle, R.Left, R.Top, R.Width(), R.Height(), nullptr, nullptr,
                                nullptr, nullptr)) {}
  ~TTestWindow() { DestroyWindow(FHandle); }
  HWND Handle() const { return FHandle; }

private:
  HWND FHandle;
};

TEST(WindowGeometry, RectanglesMoveBetweenSiblingWindowsByTheirOrigins) {
  TTestWindow first({10, 20, 110, 120}), second({100, 50, 200, 150});
  TRect mapped;
  cxMapWindowRect(first.Handle(), second.Handle(), TRect(1, 2, 31, 42), false, mapped);
  EXPECT_EQ(TRect(-89, -28, -59, 12), mapped);
  cxMapWindowRect(first.Handle(), second.Handle(), TRect(1, 2, 31, 42), true, mapped);
  EXPECT_EQ(TRect(-89, -28, -59, 12), mapped);  // borderless: client and window coincide
  EXPECT_EQ(TRect(0, 0, 100, 100), cxGetWindowLocalBounds(first.Handle()));
  EXPECT_FALSE(cxIsChildWindowStyle(first.Handle()));
}

TEST(WindowGeometry, TheClientOriginIsTheSizeOfTheLeftAndTopFrame) {
  TTestWindow framed({30, 40, 330, 240}, WS_OVERLAPPEDWINDOW);
  const TPoint origin = cxGetClientOriginInWindow(framed.Handle());
  const TRect window = cxGetWindowRectSafe(framed.Handle());
  const TPoint clientOnScreen = cxClientToScreenPoint(framed.Handle(), TPoint());
  EXPECT_GT(origin.Y, origin.X);  // the caption lies above
  EXPECT_EQ(TPoint(clientOnScreen.X - window.Left, clientOnScreen.Y - window.Top), origin);
}

TEST(WindowGeometry, ADestroyedWindowHasZeroRectangles) {
  HWND handle;
  {
    TTestWindow window({10, 10, 50, 50});
    handle = window.Handle();
  }
  EXPECT_EQ(TRect(), cxGetWindowRectSafe(handle));
  EXPECT_EQ(TRect(), cxGetClientRectSafe(handle));
}

}  // namespace
