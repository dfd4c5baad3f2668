// What the framework's controls do with scroll requests, context menus,
// the wheel, the mouse entering and leaving, and double-buffered painting.
#include <gtest/gtest.h>

#include "tests/guiharness/FormFixture.h"
#include "tests/guiharness/GuiDriver.h"
#include "tests/guiharness/WindowCapture.h"
#include "vcl/controls/Menus.h"
#include "vcl/controls/StdCtrls.h"
#include "vcl/rtl/SysUtils.h"

namespace {

struct ControlInput : FormFixture {
  ControlInput() {
    Form->SetBounds(0, 0, 400, 300);
    Form->Show();
  }
};

class TRecordingMenu : public TPopupMenu {
public:
  using TPopupMenu::TPopupMenu;
  std::vector<TPoint> Points;
  void Popup(int X, int Y) override { Points.emplace_back(X, Y); }
};

// A panel with a popup menu of its own.
class TMenuPanel : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  TPopupMenu* Menu = nullptr;
  TPopupMenu* GetPopupMenu() override { return Menu; }
};

class TFilledPanel : public TCustomControl {
public:
  using TCustomControl::TCustomControl;

protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(clGreen);
    Canvas()->FillRect(ClientRect());
  }
};

}  // namespace

TEST_F(ControlInput, AScrollBarTakesTheRequestedPositionWithinItsRange) {
  auto* bar = Add<TScrollBar>(8, 8);
  bar->SetScrollParams(0, 50, 10, 10, true);
  bar->SetSmallChange(2);
  bar->SetLargeChange(10);
  int changes = 0;
  bar->OnChange = [&changes](TObject*) { ++changes; };
  bar->OnScroll = [](TObject*, TScrollCode Code, int& Pos) {
    if (Code == scPageDown) Pos += 1;  // the handler has the last word
  };
  const auto request = [&](WORD ACode) {
    SendMessageW(Form->Handle(), WM_HSCROLL, ACode, reinterpret_cast<LPARAM>(bar->Handle()));
  };
  request(SB_LINEDOWN);
  EXPECT_EQ(12, bar->Position());
  request(SB_PAGEDOWN);
  EXPECT_EQ(23, bar->Position());
  request(SB_TOP);
  EXPECT_EQ(0, bar->Position());
  request(SB_LINEUP);
  EXPECT_EQ(0, bar->Position()) << "kept in the range";
  EXPECT_EQ(3, changes);
  SCROLLINFO info{sizeof(info), SIF_ALL};
  GetScrollInfo(bar->Handle(), SB_CTL, &info);
  EXPECT_EQ(50, info.nMax);
  EXPECT_EQ(10u, info.nPage);
  EXPECT_THROW(bar->SetScrollParams(0, 5, 0, 10, true), EInvalidOperation);
  EXPECT_THROW(bar->SetParams(0, 10, 5), EInvalidOperation);
  EXPECT_EQ(50, bar->Max()) << "a refused range changes nothing";
}

TEST_F(ControlInput, AContextMenuOpensAtThePointOrTheOriginUnlessHandled) {
  TRecordingMenu menu(nullptr);
  auto* panel = Add<TMenuPanel>(20, 30);
  panel->SetBounds(20, 30, 100, 80);
  panel->Menu = &menu;
  const TPoint at = panel->ClientToScreen({5, 6});
  SendMessageW(panel->Handle(), WM_CONTEXTMENU, 0, MAKELPARAM(at.X, at.Y));
  SendMessageW(panel->Handle(), WM_CONTEXTMENU, 0, MAKELPARAM(-1, -1));
  ASSERT_EQ(2u, menu.Points.size());
  EXPECT_EQ(at, menu.Points[0]);
  EXPECT_EQ(panel->ClientToScreen({0, 0}), menu.Points[1]);
  EXPECT_EQ(panel, menu.PopupComponent());
  TPoint seen;
  panel->OnContextPopup = [&seen](TObject*, const TPoint& MousePos, bool& Handled) {
    seen = MousePos;
    Handled = true;
  };
  SendMessageW(panel->Handle(), WM_CONTEXTMENU, 0, MAKELPARAM(at.X, at.Y));
  EXPECT_EQ(TPoint(5, 6), seen);
  EXPECT_EQ(2u, menu.Points.size());
}

TEST_F(ControlInput, AnUnhandledWheelGoesToTheParent) {
  auto* panel = Add<TCustomControl>(20, 30);
  panel->SetBounds(20, 30, 100, 80);
  auto* inner = new TCustomControl(Form);
  inner->SetParent(panel);
  inner->SetBounds(5, 5, 40, 40);
  std::vector<std::pair<TObject*, int>> wheels;
  const auto record = [&wheels](TObject* Sender, TShiftState, int Delta, const TPoint&, bool& Handled) {
    wheels.emplace_back(Sender, Delta);
    Handled = Sender != nullptr && Delta > 0;
  };
  inner->OnMouseWheel = [&](TObject* Sender, TShiftState Shift, int Delta, const TPoint& P, bool& Handled) {
    record(Sender, Shift, Delta, P, Handled);
    Handled = false;
  };
  panel->OnMouseWheel = record;
  SendMessageW(inner->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  ASSERT_EQ(2u, wheels.size());
  EXPECT_EQ(inner, wheels[0].first);
  EXPECT_EQ(panel, wheels[1].first);
  EXPECT_EQ(WHEEL_DELTA, wheels[1].second);
}

TEST_F(ControlInput, EnterAndLeaveReachTheParentsNamingTheControl) {
  auto* panel = Add<TCustomControl>(20, 30);
  panel->SetBounds(20, 30, 100, 80);
  auto* inner = new TCustomControl(Form);
  inner->SetParent(panel);
  inner->SetBounds(5, 5, 40, 40);
  std::vector<TObject*> panelEnters;
  int innerEnters = 0;
  int innerLeaves = 0;
  panel->OnMouseEnter = [&panelEnters](TObject* Sender) { panelEnters.push_back(Sender); };
  inner->OnMouseEnter = [&innerEnters](TObject*) { ++innerEnters; };
  inner->OnMouseLeave = [&innerLeaves](TObject*) { ++innerLeaves; };
  // The mouse moves onto the inner control, then off the panel.
  SendMessageW(inner->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  SendMessageW(inner->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
  EXPECT_EQ(1, innerEnters) << "once while the mouse stays";
  EXPECT_TRUE(panelEnters.empty()) << "the panel hears of it naming the inner control only";
  SendMessageW(panel->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(60, 60));
  EXPECT_EQ(1, innerLeaves);
  EXPECT_EQ(std::vector<TObject*>{panel}, panelEnters);
  SendMessageW(panel->Handle(), WM_MOUSELEAVE, 0, 0);
  SendMessageW(inner->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  EXPECT_EQ(2, innerEnters);
}

TEST_F(ControlInput, ADoubleBufferedControlPaintsTheSame) {
  auto* plain = Add<TFilledPanel>(10, 10);
  plain->SetBounds(10, 10, 60, 40);
  auto* buffered = Add<TFilledPanel>(100, 10);
  buffered->SetBounds(100, 10, 60, 40);
  buffered->SetDoubleBuffered(true);
  for (TWinControl* control : {static_cast<TWinControl*>(plain), static_cast<TWinControl*>(buffered)}) {
    control->Invalidate();
    auto picture = CaptureWindow(control);
    EXPECT_EQ(clGreen, PixelColor(*picture, 0, 0));
    EXPECT_EQ(clGreen, PixelColor(*picture, 59, 39));
  }
}
