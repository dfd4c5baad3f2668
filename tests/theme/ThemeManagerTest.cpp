#include <gtest/gtest.h>

#include <vector>

#include "components/core/dxThemeManager.h"
#include "tests/guiharness/GuiDriver.h"

namespace {

// The theme Wine installs in every prefix (wine.inf) and activates.
const wchar_t* const WineThemeFile = L"C:\\windows\\resources\\themes\\light\\light.msstyles";

// Wine's own way to switch the visual style (what its configuration tool
// calls): the unnamed entry points 2, 3 and 4 of UxTheme.dll. A null theme
// file switches visual styles off.
class TWineThemeSwitch {
public:
  TWineThemeSwitch() : FLibrary(GetModuleHandleW(L"uxtheme.dll")) {}
  ~TWineThemeSwitch() { Apply(WineThemeFile); }

  void Apply(const wchar_t* AThemeFile) {
    using TOpenThemeFile = HRESULT(WINAPI*)(LPCWSTR, LPCWSTR, LPCWSTR, HANDLE*, DWORD);
    using TCloseThemeFile = HRESULT(WINAPI*)(HANDLE);
    using TApplyTheme = HRESULT(WINAPI*)(HANDLE, char*, HWND);
    const auto openFile = reinterpret_cast<TOpenThemeFile>(GetProcAddress(FLibrary, MAKEINTRESOURCEA(2)));
    const auto closeFile = reinterpret_cast<TCloseThemeFile>(GetProcAddress(FLibrary, MAKEINTRESOURCEA(3)));
    const auto apply = reinterpret_cast<TApplyTheme>(GetProcAddress(FLibrary, MAKEINTRESOURCEA(4)));
    ASSERT_TRUE(openFile && closeFile && apply);
    HANDLE themeFile = nullptr;
    if (AThemeFile) { ASSERT_EQ(openFile(AThemeFile, L"Blue", L"NormalSize", &themeFile, 0), S_OK); }
    EXPECT_EQ(apply(themeFile, nullptr, nullptr), S_OK);
    if (themeFile) closeFile(themeFile);
    // Part of the change is announced by posted messages.
    ProcessPendingMessages();
  }

private:
  HMODULE FLibrary;
};

// What the system does when the theme changes: every top-level window of
// the thread hears WM_THEMECHANGED.
void AnnounceThemeChange(UINT AMessage = WM_THEMECHANGED) {
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND AWnd, LPARAM AMsg) {
        SendMessageW(AWnd, static_cast<UINT>(AMsg), 0, 0);
        return TRUE;
      },
      AMessage);
}

HTHEME FreshThemeHandle(const wchar_t* AClassList) {
  const HTHEME handle = OpenThemeData(nullptr, AClassList);
  CloseThemeData(handle);  // the theme keeps one object per class
  return handle;
}

// Notificators that write their number into one journal when told.
struct TJournalledNotificators {
  explicit TJournalledNotificators(int ACount) : Items(ACount) {
    for (int i = 0; i < ACount; ++i) Items[i].OnThemeChanged = [this, i] { Journal.push_back(i); };
  }
  std::vector<TdxThemeChangedNotificator> Items;
  std::vector<int> Journal;
};

}  // namespace

TEST(ThemeManager, WineRunsItsLightThemeWithVisualStylesActive) {
  wchar_t file[1024], color[1024], size[1024];
  ASSERT_EQ(GetCurrentThemeName(file, 1024, color, 1024, size, 1024), S_OK);
  std::printf("Active theme under Wine: %ls, colour %ls, size %ls\n", file, color, size);
  EXPECT_STREQ(file, WineThemeFile);
  EXPECT_STREQ(color, L"Blue");
  EXPECT_STREQ(size, L"NormalSize");
  EXPECT_TRUE(dxIsUxThemeLoaded());
  EXPECT_TRUE(IsThemeActive());
  EXPECT_TRUE(dxThemesAvailable());
}

TEST(ThemeManager, CachesOneHandlePerTypeOpenedWithItsClassName) {
  const HTHEME button = dxThemeHandleOf(totButton);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(dxThemeHandleOf(totButton), button);
  EXPECT_EQ(button, FreshThemeHandle(L"Button"));
  EXPECT_TRUE(dxThemeKindAvailable(totEdit));
  EXPECT_TRUE(dxThemesAvailable({totButton, totEdit, totTreeview}));
  // Wine's light theme has no clock.
  EXPECT_FALSE(dxThemeKindAvailable(totClock));
  EXPECT_FALSE(dxThemesAvailable({totButton, totClock}));
  EXPECT_EQ(dxCloseThemeHandle(totClock), 0);
}

TEST(ThemeManager, AnotherClassListReplacesTheCachedHandleAndIsKept) {
  const HTHEME listView = dxThemeHandleOf(totListView);
  ASSERT_EQ(listView, FreshThemeHandle(L"ListView"));
  // Another class list closes the handle and opens the new one, which
  // later calls without a class list get, also after a theme change.
  const HTHEME treeView = dxThemeHandleOf(totListView, L"TreeView");
  ASSERT_EQ(treeView, FreshThemeHandle(L"TreeView"));
  EXPECT_EQ(dxThemeHandleOf(totListView), treeView);
  EXPECT_EQ(dxThemeHandleOf(totListView, L"treeview"), treeView);
  AnnounceThemeChange();
  EXPECT_EQ(dxThemeHandleOf(totListView), FreshThemeHandle(L"TreeView"));
  // A class list the theme lacks leaves the type without a handle and
  // forgets the list: the next plain call opens the type's own class.
  EXPECT_EQ(dxThemeHandleOf(totListView, L"Explorer::ListView"), nullptr);
  EXPECT_EQ(dxThemeHandleOf(totListView), listView);
  EXPECT_EQ(dxCloseThemeHandle(totListView), S_OK);
}

TEST(ThemeManager, ThemeAndSystemColourChangesTellNotificatorsInOrder) {
  TJournalledNotificators notificators(3);
  AnnounceThemeChange();
  AnnounceThemeChange(WM_SYSCOLORCHANGE);
  EXPECT_EQ(notificators.Journal, (std::vector<int>{0, 1, 2, 0, 1, 2}));

  // One freed while the change is told is not told.
  notificators.Journal.clear();
  auto* doomed = new TdxThemeChangedNotificator;
  doomed->OnThemeChanged = [&] { notificators.Journal.push_back(99); };
  notificators.Items[0].OnThemeChanged = [&] {
    notificators.Journal.push_back(0);
    delete doomed;
  };
  AnnounceThemeChange();
  EXPECT_EQ(notificators.Journal, (std::vector<int>{0, 1, 2}));
}

TEST(ThemeManager, VisualStylesSwitchedOffAndOnAgain) {
  TJournalledNotificators notificators(2);
  const HTHEME before = dxThemeHandleOf(totButton);
  ASSERT_NE(before, nullptr);
  TWineThemeSwitch themeSwitch;

  themeSwitch.Apply(nullptr);
  EXPECT_FALSE(IsThemeActive());
  EXPECT_FALSE(dxThemesAvailable());
  EXPECT_FALSE(dxThemeKindAvailable(totButton));
  EXPECT_EQ(dxThemeHandleOf(totButton), nullptr);
  EXPECT_EQ(dxCloseThemeHandle(totButton), 1);
  // Each announcement reached both, the first made first.
  ASSERT_FALSE(notificators.Journal.empty());
  ASSERT_EQ(notificators.Journal.size() % 2, 0u);
  for (size_t i = 0; i < notificators.Journal.size(); ++i) EXPECT_EQ(notificators.Journal[i], static_cast<int>(i % 2));

  themeSwitch.Apply(WineThemeFile);
  EXPECT_TRUE(dxThemesAvailable());
  // The handle of the theme now loaded, not the one cached before.
  EXPECT_EQ(dxThemeHandleOf(totButton), FreshThemeHandle(L"Button"));
  EXPECT_NE(dxThemeHandleOf(totButton), before);
}

TEST(ThemeManager, WithoutTheLibraryNothingIsCalledThroughAMissingFunction) {
  dxThemeManagerUnit.Finalize();
  dxUxThemeUnit.Finalize();
  EXPECT_FALSE(dxIsUxThemeLoaded());
  EXPECT_FALSE(IsThemeActive());
  EXPECT_FALSE(dxThemesAvailable());
  EXPECT_EQ(dxThemeHandleOf(totButton), nullptr);
  EXPECT_EQ(dxCloseThemeHandle(totButton), 1);
  EXPECT_EQ(OpenThemeData(nullptr, L"Button"), nullptr);
  EXPECT_EQ(DrawThemeBackground(nullptr, nullptr, 1, 1, TRect(0, 0, 1, 1)), E_NOTIMPL);
  EXPECT_EQ(BufferedPaintInit(), E_NOTIMPL);
  EXPECT_FALSE(dxPanFeedbackBegin(nullptr));
  EXPECT_FALSE(dxPanFeedbackUpdate(nullptr, TPoint(1, 1), false));
  EXPECT_FALSE(dxPanFeedbackEnd(nullptr, true));
  {
    TdxThemeChangedNotificator unlisted;  // there is no list to join
  }
  dxUxThemeUnit.Initialize();
  dxThemeManagerUnit.Initialize();
  EXPECT_TRUE(dxThemesAvailable({totButton}));
}

TEST(ThemeManager, DrawsThemedButtonsThroughTheBinding) {
  const HTHEME button = dxThemeHandleOf(totButton);
  ASSERT_NE(button, nullptr);
  const HDC dc = CreateCompatibleDC(nullptr);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), 40, -20, 1, 32, BI_RGB};
  void* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = SelectObject(dc, bitmap);
  auto* pixels = static_cast<uint32_t*>(bits);
  std::fill(pixels, pixels + 40 * 20, 0x00FF00FFu);
  EXPECT_EQ(DrawThemeBackground(button, dc, BP_PUSHBUTTON, PBS_NORMAL, TRect(0, 0, 40, 20)), S_OK);
  // The centre of the button face is no longer the magenta it was.
  EXPECT_NE(pixels[10 * 40 + 20] & 0xFFFFFF, 0xFF00FFu);
  SIZE partSize{};
  EXPECT_EQ(GetThemePartSize(button, dc, BP_CHECKBOX, CBS_UNCHECKEDNORMAL, TS_TRUE, &partSize), S_OK);
  EXPECT_GT(partSize.cx, 0);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
}
