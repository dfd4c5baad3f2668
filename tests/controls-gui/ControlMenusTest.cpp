// Popup menus shown through the control unit, the platform's menu driven by
// keys, the wait for a drag to start, and the re-stacking of stay-on-top
// forms while a modal form shows.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "components/controls/cxControls.h"
#include "components/core/cxGraphics.h"
#include "tests/guiharness/FormFixture.h"
#include "tests/guiharness/GuiDriver.h"
#include "tests/guiharness/WindowCapture.h"
#include "vcl/controls/ImgList.h"

namespace {

// Runs an action once from a thread timer: timers still fire inside the
// modal loops of menus and forms.
class TDeferredAction {
public:
  TDeferredAction(UINT ADelay, std::function<void()> AAction) {
    Pending = std::move(AAction);
    FTimer = SetTimer(nullptr, 0, ADelay, Fire);
  }
  ~TDeferredAction() {
    KillTimer(nullptr, FTimer);
    Pending = nullptr;
  }

private:
  static void CALLBACK Fire(HWND, UINT, UINT_PTR ATimer, DWORD) {
    KillTimer(nullptr, ATimer);
    if (auto action = std::exchange(Pending, nullptr)) action();
  }
  static inline std::function<void()> Pending;
  UINT_PTR FTimer;
};

// Picks the Nth item (from 1) of the menu being shown, by keys.
void ChooseShownMenuItem(int AIndex) {
  HWND menu = FindWindowW(L"#32768", nullptr);
  ASSERT_NE(nullptr, menu);
  for (int i = 0; i < AIndex; ++i) PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
}

TMenuItem* AddItem(TPopupMenu* AMenu, const String& ACaption, int* AClicks = nullptr) {
  auto* item = new TMenuItem(AMenu);
  item->SetCaption(ACaption);
  if (AClicks) item->OnClick = [AClicks](TObject*) { ++*AClicks; };
  AMenu->Items()->Add(item);
  return item;
}

// A popup menu that records where and how it was asked to pop up.
class TRecordingPopupMenu : public TPopupMenu {
public:
  using TPopupMenu::TPopupMenu;
  void Popup(int X, int Y) override {
    ++Popups;
    Point = {X, Y};
    Alignment = TPopupMenu::Alignment();
  }
  int Popups = 0;
  TPoint Point;
  TPopupAlignment Alignment = paLeft;
};

// A library menu component.
class TLibraryMenu : public TComponent, public IcxContextMenuComponent, public IcxButtonAttachedMenu {
public:
  using TComponent::TComponent;
  bool IsShortCut(const TMessage& Message) override { return Message.WParam == 'K'; }
  void Popup(int X, int Y) override { PopupPoint = {X, Y}; }
  void ButtonAttachedPopup(const TPoint& P, TPopupAlignment AAlignment, const TRect& R) override {
    PopupPoint = P;
    ButtonRect = R;
  }
  TPoint PopupPoint;
  TRect ButtonRect;
};

int MenuTextHeight() {
  TcxScreenCanvas canvas;
  canvas.Canvas()->SetFont(Screen->MenuFont());
  return canvas.Canvas()->TextHeight(L"Qg");
}

}  // namespace

TEST_F(FormFixture, APopupMenuShowsThePlatformMenuAndClicksTheChosenItem) {
  TPopupMenu menu(nullptr);
  int firstClicks = 0;
  int secondClicks = 0;
  AddItem(&menu, L"First", &firstClicks);
  AddItem(&menu, L"-");
  AddItem(&menu, L"Hidden")->SetVisible(false);
  AddItem(&menu, L"Second", &secondClicks);
  Form->SetBounds(100, 100, 200, 150);
  Form->Show();
  {
    TDeferredAction choose(50, [] { ChooseShownMenuItem(2); });
    EXPECT_TRUE(cxShowPopupMenuAt(Form, &menu, 150, 150));
  }
  EXPECT_EQ(0, firstClicks);
  EXPECT_EQ(1, secondClicks);
  EXPECT_EQ(Form, menu.PopupComponent());
  {
    TDeferredAction cancel(50, [] { EndMenu(); });
    menu.Popup(150, 150);
  }
  EXPECT_EQ(0, firstClicks);
  EXPECT_EQ(1, secondClicks) << "a cancelled menu clicks nothing";
}

namespace {

// What the platform's menu being shown holds for one item, and how it
// looks on the screen.
struct TShownMenuItem {
  UINT State = 0;
  HBITMAP Bitmap = nullptr;
};

std::vector<TShownMenuItem> ReadShownMenu(std::unique_ptr<TBitmap>& APicture) {
  HWND window = FindWindowW(L"#32768", nullptr);
  if (!window) return {};
  auto menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
  std::vector<TShownMenuItem> items(GetMenuItemCount(menu));
  for (size_t i = 0; i < items.size(); ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STATE | MIIM_BITMAP;
    GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
    items[i] = {info.fState, info.hbmpItem};
  }
  RECT r;
  GetWindowRect(window, &r);
  APicture = std::make_unique<TBitmap>(r.right - r.left, r.bottom - r.top);
  HDC source = GetWindowDC(window);
  BitBlt(APicture->Canvas()->Handle(), 0, 0, APicture->Width(), APicture->Height(), source, 0, 0, SRCCOPY);
  ReleaseDC(window, source);
  return items;
}

bool Shows(TBitmap& APicture, TColor AColor) {
  for (int y = 0; y < APicture.Height(); ++y)
    for (int x = 0; x < APicture.Width(); ++x)
      if (PixelColor(APicture, x, y) == AColor) return true;
  return false;
}

}  // namespace

TEST_F(FormFixture, AMenuItemsBitmapShowsInThePlatformsMenuWhereItIsNotTransparent) {
  TPopupMenu menu(nullptr);
  TMenuItem* pictured = AddItem(&menu, L"Pictured");
  TBitmap glyph(16, 16);
  glyph.Canvas()->Brush()->SetColor(clFuchsia);
  glyph.Canvas()->FillRect(TRect(0, 0, 16, 16));
  glyph.Canvas()->Brush()->SetColor(clRed);
  glyph.Canvas()->FillRect(TRect(4, 4, 12, 12));
  glyph.SetTransparent(true);
  pictured->SetBitmap(&glyph);
  AddItem(&menu, L"-");
  AddItem(&menu, L"Checked")->SetChecked(true);
  AddItem(&menu, L"Emptied")->SetBitmap(&glyph);
  menu.Items()->Items(3)->SetBitmap(nullptr);
  Form->SetBounds(100, 100, 200, 150);
  Form->Show();

  std::vector<TShownMenuItem> shown;
  std::unique_ptr<TBitmap> picture;
  {
    TDeferredAction read(50, [&] {
      shown = ReadShownMenu(picture);
      EndMenu();
    });
    menu.Popup(150, 150);
  }
  ASSERT_EQ(4u, shown.size());
  const HBITMAP bitmap = shown[0].Bitmap;
  BITMAP info{};
  ASSERT_TRUE(GetObjectW(bitmap, sizeof(info), &info));
  EXPECT_EQ(16, info.bmWidth);
  EXPECT_EQ(32, info.bmBitsPixel) << "with alpha, so the menu blends it";
  EXPECT_EQ(nullptr, shown[1].Bitmap);
  EXPECT_EQ(nullptr, shown[2].Bitmap);
  EXPECT_TRUE(shown[2].State & MFS_CHECKED);
  EXPECT_EQ(nullptr, shown[3].Bitmap) << "the bitmap was taken away";
  ASSERT_NE(nullptr, picture);
  EXPECT_TRUE(Shows(*picture, clRed));
  EXPECT_FALSE(Shows(*picture, clFuchsia)) << "the transparent colour is not drawn";
  std::filesystem::create_directories("artifacts");
  SaveAsPng(*picture, L"artifacts\\MenuItemBitmap.png");

  // The item owns what the menu showed: the next showing makes it again
  // and releases the old one, and so does the item's end.
  {
    TDeferredAction read(50, [&] {
      shown = ReadShownMenu(picture);
      EndMenu();
    });
    menu.Popup(150, 150);
  }
  ASSERT_EQ(4u, shown.size());
  EXPECT_EQ(0u, GetObjectType(bitmap));
  ASSERT_NE(nullptr, shown[0].Bitmap);
  const HBITMAP second = shown[0].Bitmap;
  delete pictured;
  EXPECT_EQ(0u, GetObjectType(second));
}

TEST(ControlMenus, OnlyPopupMenusAndLibraryMenusCount) {
  TPopupMenu popup(nullptr);
  TLibraryMenu library(nullptr);
  TComponent other(nullptr);
  EXPECT_TRUE(cxIsPopupMenuComponent(&popup));
  EXPECT_TRUE(cxIsPopupMenuComponent(&library));
  EXPECT_FALSE(cxIsPopupMenuComponent(&other));
  EXPECT_FALSE(cxIsPopupMenuComponent(nullptr));
}

TEST(ControlMenus, ShortCutsReachTheEnabledItemOrTheLibraryMenu) {
  TPopupMenu menu(nullptr);
  int clicks = 0;
  TMessage plainS{WM_KEYDOWN, 'S', 0, 0};
  EXPECT_FALSE(cxPopupMenuIsShortCut(&menu, plainS)) << "a menu without items";
  TMenuItem* parent = AddItem(&menu, L"File");
  auto* save = new TMenuItem(&menu);
  save->SetShortCut(ShortCut('S', {}));
  save->OnClick = [&clicks](TObject*) { ++clicks; };
  parent->Add(save);
  EXPECT_TRUE(cxPopupMenuIsShortCut(&menu, plainS)) << "found among sub-items";
  EXPECT_EQ(1, clicks);
  save->SetEnabled(false);
  EXPECT_FALSE(cxPopupMenuIsShortCut(&menu, plainS));
  TMessage altS{WM_SYSKEYDOWN, 'S', 1 << 29, 0};
  save->SetEnabled(true);
  EXPECT_FALSE(cxPopupMenuIsShortCut(&menu, altS)) << "Alt+S is another shortcut";
  EXPECT_EQ(1, clicks);

  TLibraryMenu library(nullptr);
  EXPECT_TRUE(cxPopupMenuIsShortCut(&library, TMessage{WM_KEYDOWN, 'K', 0, 0}));
  EXPECT_FALSE(cxPopupMenuIsShortCut(&library, plainS));
}

TEST(ControlMenus, PopupAtAPointHonoursAutoPopup) {
  TRecordingPopupMenu menu(nullptr);
  TControl control(nullptr);
  menu.SetAutoPopup(false);
  EXPECT_FALSE(cxShowPopupMenuAt(&control, &menu, 5, 6));
  EXPECT_EQ(0, menu.Popups);
  menu.SetAutoPopup(true);
  EXPECT_TRUE(cxShowPopupMenuAt(&control, &menu, 5, 6));
  EXPECT_EQ(TPoint(5, 6), menu.Point);
  EXPECT_EQ(&control, menu.PopupComponent());
  TLibraryMenu library(nullptr);
  EXPECT_TRUE(cxShowPopupMenuAt(&control, &library, 7, 8));
  EXPECT_EQ(TPoint(7, 8), library.PopupPoint);
  TComponent other(nullptr);
  EXPECT_FALSE(cxShowPopupMenuAt(&control, &other, 7, 8));
}

TEST(ControlMenus, TheHeightEstimateAddsItemsPerColumn) {
  const int plain = MenuTextHeight() + 4;
  TPopupMenu menu(nullptr);
  for (int i = 0; i < 5; ++i) AddItem(&menu, L"Item");
  EXPECT_EQ(5 * plain + 4, cxEstimatePopupMenuHeight(&menu));
  AddItem(&menu, L"Hidden")->SetVisible(false);
  EXPECT_EQ(5 * plain + 4, cxEstimatePopupMenuHeight(&menu));
  // A second column of two items: the first column stays the tallest.
  AddItem(&menu, L"Next column")->SetBreak(mbBreak);
  AddItem(&menu, L"Item");
  EXPECT_EQ(5 * plain + 4, cxEstimatePopupMenuHeight(&menu));
  for (int i = 0; i < 4; ++i) AddItem(&menu, L"Item");
  EXPECT_EQ(6 * plain + 4, cxEstimatePopupMenuHeight(&menu));
}

TEST(ControlMenus, TheHeightEstimateMeasuresItemsOfAMenuWithImages) {
  TCustomImageList images(nullptr);
  images.SetSize(16, 30);
  TPopupMenu menu(nullptr);
  menu.SetImages(&images);
  AddItem(&menu, L"Plain");
  TMenuItem* pictured = AddItem(&menu, L"Pictured");
  pictured->SetImageIndex(0);
  TMenuItem* custom = AddItem(&menu, L"Custom");
  custom->OnMeasureItem = [](TObject*, TCanvas*, int&, int& Height) { Height = 50; };
  EXPECT_EQ(MenuTextHeight() + 30 + 50 + 4, cxEstimatePopupMenuHeight(&menu));
}

TEST(ControlMenus, AButtonDropDownOpensBelowOrAboveAndStaysOnTheDesktop) {
  const TRect area = cxGetDesktopWorkAreaAtPoint({0, 0});
  TRecordingPopupMenu menu(nullptr);
  for (int i = 0; i < 5; ++i) AddItem(&menu, L"Item");
  const int height = cxEstimatePopupMenuHeight(&menu);
  TControl button(nullptr);
  const struct {
    const char* Case;
    TRect Button;
    TPopupAlignment Asked;
    TPoint Point;
    TPopupAlignment Shown;
  } cases[] = {
      {"left below", {100, 100, 180, 120}, paLeft, {100, 120}, paLeft},
      {"right below", {100, 100, 180, 120}, paRight, {180, 120}, paRight},
      {"centre below", {100, 100, 180, 120}, paCenter, {140, 120}, paCenter},
      {"above at the bottom", {100, area.Bottom - 20, 180, area.Bottom}, paLeft,
       {100, area.Bottom - 20 - height - 2}, paLeft},
      {"right-aligned at the left edge opens rightwards", {area.Left - 80, 100, area.Left, 120},
       paRight, {area.Left, 120}, paLeft},
      {"left-aligned at the right edge opens leftwards", {area.Right, 100, area.Right + 80, 120},
       paLeft, {area.Right, 120}, paRight},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Case);
    menu.SetAlignment(paCenter);
    EXPECT_TRUE(cxShowButtonDropDownMenu(&button, &menu, c.Button, c.Asked));
    EXPECT_EQ(c.Point, menu.Point);
    EXPECT_EQ(c.Shown, menu.Alignment);
    EXPECT_EQ(paCenter, menu.TPopupMenu::Alignment()) << "restored";
    EXPECT_EQ(&button, menu.PopupComponent());
  }
  TLibraryMenu library(nullptr);
  EXPECT_TRUE(cxShowButtonDropDownMenu(&button, &library, {10, 10, 50, 30}, paRight));
  EXPECT_EQ(TPoint(50, 30), library.PopupPoint);
  EXPECT_EQ(TRect(10, 10, 50, 30), library.ButtonRect);
  menu.SetAutoPopup(false);
  EXPECT_FALSE(cxShowButtonDropDownMenu(&button, &menu, {10, 10, 50, 30}, paLeft));
}

TEST(ControlDragStart, TheThresholdIsASquareAroundThePress) {
  const int t = Mouse.DragThreshold();
  const struct {
    int DX, DY;
    bool Inside;
  } cases[] = {{0, 0, true}, {t - 1, 1 - t, true}, {t, 0, false}, {0, -t, false}, {-t, t, false}};
  for (const auto& c : cases)
    EXPECT_EQ(c.Inside, cxIsPointInDragThreshold({50, 60}, 50 + c.DX, 60 + c.DY))
        << c.DX << "," << c.DY;
}

TEST_F(FormFixture, TheDragWaitEndsOnLeavingTheSquareReleasingOrEscape) {
  Form->SetBounds(100, 100, 200, 150);
  Form->Show();
  const HWND window = Form->Handle();
  const TPoint press = Form->ClientToScreen({50, 50});
  const int t = Mouse.DragThreshold();
  const struct {
    const char* Case;
    std::vector<MSG> Posted;
    int Answer;
  } cases[] = {
      {"moved out", {{window, WM_MOUSEMOVE, 0, MAKELPARAM(51, 50)},
                     {window, WM_MOUSEMOVE, 0, MAKELPARAM(50 + t + 1, 50)}}, 1},
      {"released", {{window, WM_MOUSEMOVE, 0, MAKELPARAM(51, 51)}, {window, WM_LBUTTONUP, 0, 0}}, 0},
      {"escape", {{window, WM_KEYDOWN, VK_ESCAPE, 0}}, 2},
      {"capture lost", {}, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Case);
    ProcessPendingMessages();
    for (const MSG& m : c.Posted) PostMessageW(m.hwnd, m.message, m.wParam, m.lParam);
    std::unique_ptr<TDeferredAction> loseCapture;
    if (c.Posted.empty()) loseCapture = std::make_unique<TDeferredAction>(30, [] { ReleaseCapture(); });
    EXPECT_EQ(c.Answer, cxWaitForDragStart(window, press));
    EXPECT_EQ(nullptr, GetCapture());
  }
}

TEST_F(FormFixture, StayOnTopFormsComeForwardWhenAnotherWindowIsActivatedUnderAModalForm) {
  TdxApplicationActivateWindowHelper* helper = dxApplicationActivateWindowHelper();
  ASSERT_NE(nullptr, helper);
  Form->SetBounds(100, 100, 200, 150);
  Form->Show();
  auto* palette = new TForm(Application);
  palette->SetBounds(150, 150, 100, 100);
  palette->Show();
  helper->AddWindow(palette);
  const TMessage activate{WM_NCACTIVATE, TRUE, 0, 0};
  EXPECT_FALSE(helper->NormalizeTopMostWindows(activate, Form)) << "no modal form";

  TForm modal(Application);
  modal.SetBounds(200, 200, 120, 100);
  bool normalized = false;
  bool normalizedForPalette = true;
  bool normalizedOnDeactivation = true;
  bool paletteOnTop = false;
  TDeferredAction check(50, [&] {
    normalizedOnDeactivation = helper->NormalizeTopMostWindows({WM_NCACTIVATE, FALSE, 0, 0}, Form);
    normalizedForPalette = helper->NormalizeTopMostWindows(activate, palette);
    SetWindowPos(Form->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    normalized = helper->NormalizeTopMostWindows(activate, Form);
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT))
      if (w == palette->Handle() || w == Form->Handle()) {
        paletteOnTop = w == palette->Handle();
        break;
      }
    modal.SetModalResult(mrOk);
  });
  modal.ShowModal();
  EXPECT_FALSE(normalizedOnDeactivation);
  EXPECT_FALSE(normalizedForPalette) << "registered forms above the modal one are left alone";
  EXPECT_TRUE(normalized);
  EXPECT_TRUE(paletteOnTop);
  delete palette;
  EXPECT_FALSE(helper->NormalizeTopMostWindows(activate, Form)) << "no modal form any more";
}
