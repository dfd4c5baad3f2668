// The control base's other ways through its content on real windows: touch
// pans turned into scroll-bar steps, the middle-button anchor mode with its
// own message loop, and mouse-leave tracking of objects that are not
// windows.
#include <gtest/gtest.h>

#include <filesystem>

#include "components/controls/cxControls.h"
#include "tests/guiharness/FormFixture.h"
#include "tests/guiharness/GuiDriver.h"
#include "tests/guiharness/TouchScreen.h"
#include "tests/guiharness/WindowCapture.h"

namespace {

// A control whose bars describe positions 0..Max with a page of Page units;
// it records every scroll and follows it.
class TUnitControl : public TcxControl {
public:
  using TcxControl::TcxControl;
  int HorzMax = 99;
  int HorzPage = 10;
  int VertMax = 99;
  int VertPage = 10;
  int HorzPos = 50;
  int VertPos = 50;
  std::vector<TcxDirection> ContentScrolls;
  std::vector<TPoint> MiddleDowns;
  // CM_MOUSELEAVE messages that name the control itself.
  std::vector<LPARAM> OwnMouseLeaves;
  std::function<void(TcxDirection)> OnScrollContent;

  void Scroll(TScrollBarKind AKind, TScrollCode ACode, int& APos) override {
    (AKind == sbHorizontal ? HorzPos : VertPos) = APos;
    UpdateScrollBars();
  }
  void ScrollContent(TcxDirection ADirection) override {
    ContentScrolls.push_back(ADirection);
    if (OnScrollContent) OnScrollContent(ADirection);
  }
  IdxGestureClient* Client() { return this; }
  using TcxControl::CalculateInteractiveGestureOptions;
  using TcxControl::CalculateInteractiveGestures;
  using TcxControl::GetWheelScrollAxis;
  using TcxControl::IsPanning;

protected:
  void InitScrollBarsParameters() override {
    SetScrollBarInfo(sbHorizontal, 0, HorzMax, 1, HorzPage, HorzPos, true, true);
    SetScrollBarInfo(sbVertical, 0, VertMax, 1, VertPage, VertPos, true, true);
  }
  void WndProc(TMessage& Message) override {
    if (Message.Msg == CM_MOUSELEAVE && Message.LParam == reinterpret_cast<LPARAM>(this))
      OwnMouseLeaves.push_back(Message.LParam);
    TcxControl::WndProc(Message);
  }
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override {
    if (Button == mbMiddle) MiddleDowns.emplace_back(X, Y);
    TcxControl::MouseDown(Button, Shift, X, Y);
  }
};

struct ControlGestures : FormFixture {
  TUnitControl* Control = nullptr;

  ControlGestures() {
    Form->SetBounds(100, 100, 400, 320);
    Control = Add<TUnitControl>(10, 10);
    Form->Show();
  }
  // The bars lie inside the control's client rectangle of that size.
  void Build(int AClientWidth, int AClientHeight) {
    Control->SetBounds(10, 10, AClientWidth, AClientHeight);
    Control->UpdateScrollBars();
    ProcessPendingMessages();
  }
};

// ---------------------------------------------------------------- touch defaults and client answers

TEST_F(ControlGestures, TouchDefaultsArePansAndPressAndTapWithAllPanOptions) {
  EXPECT_EQ((TInteractiveGestures{igPan, igPressAndTap}), Control->Touch().InteractiveGestures());
  EXPECT_EQ((TInteractiveGestureOptions{igoPanSingleFingerHorizontal, igoPanSingleFingerVertical, igoPanInertia,
                                        igoPanGutter, igoParentPassthrough}),
            Control->Touch().InteractiveGestureOptions());
  EXPECT_FALSE(Control->IsTouchPropertyStored(tpInteractiveGestures));
  EXPECT_FALSE(Control->IsTouchPropertyStored(tpInteractiveGestureOptions));
  Control->Touch().SetInteractiveGestures({igZoom});
  Control->Touch().SetInteractiveGestureOptions({igoPanInertia});
  EXPECT_TRUE(Control->IsTouchPropertyStored(tpInteractiveGestures));
  EXPECT_TRUE(Control->IsTouchPropertyStored(tpInteractiveGestureOptions));
  // Only the gestures of the touch settings are allowed; pan options follow them.
  EXPECT_TRUE(Control->Client()->IsGestureAllowed(GID_ZOOM));
  EXPECT_FALSE(Control->Client()->IsGestureAllowed(GID_PAN));
  EXPECT_EQ(GC_PAN_WITH_INERTIA, Control->Client()->QueryPanOptions());
  Control->Touch().SetInteractiveGestures({igPan});
  EXPECT_EQ(GC_PAN | GC_PAN_WITH_INERTIA, Control->Client()->QueryPanOptions());
}

TEST_F(ControlGestures, PansAreAllowedAlongTheVisibleBarsAndTheWheelsAxis) {
  const struct {
    int HorzMax;
    int VertMax;
    bool Horizontal;
    bool Vertical;
  } cases[] = {
      {99, 99, false, true},  // both bars: the wheel's axis (vertical)
      {99, 0, true, false},   // only the horizontal bar
      {0, 99, false, true},
      {0, 0, false, false},
  };
  for (const auto& c : cases) {
    Control->HorzMax = c.HorzMax;
    Control->VertMax = c.VertMax;
    Build(200, 100);
    EXPECT_EQ(c.Horizontal, Control->Client()->IsPanAllowed(sbHorizontal)) << c.HorzMax << " " << c.VertMax;
    EXPECT_EQ(c.Vertical, Control->Client()->IsPanAllowed(sbVertical)) << c.HorzMax << " " << c.VertMax;
  }
  // Over the bars a touch pans nothing.
  Control->HorzMax = Control->VertMax = 99;
  Build(200, 100);
  EXPECT_TRUE(Control->Client()->IsPointInClientArea(TPoint(10, 10)));
  EXPECT_FALSE(Control->Client()->IsPointInClientArea(TPoint(10, 98)));
}

// ---------------------------------------------------------------- pan scrolling

TEST_F(ControlGestures, PannedPixelsBecomeWholeScrollUnitsAndTheRestWaits) {
  const struct {
    const char* Name;
    int Max;
    int Page;  // units per 200-pixel client: step = 200 / Page, 1 to 30
    std::vector<int> Deltas;
    int Position;
  } cases[] = {
      {"40 pixels at 20 per unit: two units back", 99, 10, {40}, 48},
      {"15 pixels: nothing yet", 99, 10, {15}, 50},
      {"15 and 5 pixels make a unit", 99, 10, {15, 5}, 49},
      {"backwards", 99, 10, {-45}, 52},
      {"a large page: one pixel per unit", 999, 400, {7}, 43},
      {"no page: 30 pixels per unit", 99, 0, {61}, 48},
      {"clamped at the start", 99, 10, {2000}, 0},
      {"clamped at the last full page", 99, 10, {-2000}, 90},
  };
  for (const auto& c : cases) {
    Control->HorzPage = c.Page;
    Control->HorzMax = c.Max;
    Control->HorzPos = 50;
    Build(200, 100);
    Control->Client()->BeginPanScrolling(TPoint());
    for (int delta : c.Deltas) Control->Client()->GestureScroll(delta, 0);
    EXPECT_EQ(c.Position, Control->HorzPos) << c.Name;
  }
}

TEST_F(ControlGestures, ATouchPanScrollsTheControlThroughItsMessages) {
  Build(200, 100);
  TTouchScreen touch;
  const TPoint start = Control->ClientToScreen(TPoint(100, 50));
  touch.StartTouch(Control->Handle(), start);
  touch.SendGesture(Control->Handle(), GID_PAN, GF_BEGIN, start);
  EXPECT_TRUE(Control->IsPanning());
  touch.SendGesture(Control->Handle(), GID_PAN, 0, TPoint(start.X, start.Y + 25));
  EXPECT_EQ(48, Control->VertPos) << "a 100-pixel page of 10 units: 10 pixels a unit";
  touch.SendGesture(Control->Handle(), GID_PAN, GF_END, TPoint(start.X, start.Y + 31));
  EXPECT_EQ(47, Control->VertPos);
  EXPECT_FALSE(Control->IsPanning());
}

TEST_F(ControlGestures, ADisabledControlLeavesGestureMessagesToTheSystem) {
  Build(200, 100);
  TTouchScreen touch;
  Control->SetEnabled(false);
  const TPoint start = Control->ClientToScreen(TPoint(100, 50));
  touch.StartTouch(Control->Handle(), start);
  touch.SendGesture(Control->Handle(), GID_PAN, GF_BEGIN, start);
  EXPECT_FALSE(Control->IsPanning());
}

// A control whose content the scroll helper moves by pixels.
class TPixelControl : public TcxControl, public IdxScrollingControl {
public:
  using TcxControl::TcxControl;
  TSize Content{1000, 600};
  int Left = 0;
  int Top = 0;
  int GetHorzPos() override { return Left; }
  void SetHorzPos(int Value) override { Left = Value; }
  int GetVertPos() override { return Top; }
  void SetVertPos(int Value) override { Top = Value; }
  TSize GetContentExtent() override { return Content; }
  TcxControl* GetScrollingControl() override { return this; }
  IdxGestureClient* Client() { return this; }

protected:
  void InitScrollBarsParameters() override { TdxScrollHelper::InitScrollBarsParameters(this); }
};

TEST_F(ControlGestures, AScrollingControlPansByPixelsAlongItsVisibleBars) {
  auto* control = Add<TPixelControl>(10, 10);
  control->SetBounds(10, 10, 200, 150);
  control->UpdateScrollBars();
  ProcessPendingMessages();
  control->Client()->GestureScroll(-30, -20);
  EXPECT_EQ(30, control->Left);
  EXPECT_EQ(20, control->Top);
  control->Client()->GestureScroll(100, 100);
  EXPECT_EQ(0, control->Left) << "clamped at the start";
  EXPECT_EQ(0, control->Top);

  control->Content = TSize(100, 600);  // no horizontal bar
  control->UpdateScrollBars();
  control->Client()->GestureScroll(-30, -20);
  EXPECT_EQ(0, control->Left);
  EXPECT_EQ(20, control->Top);
}

// ---------------------------------------------------------------- anchor scrolling

TEST(AnchorScrollMotion, DirectionAndSpeedFollowTheDistanceFromTheAnchor) {
  const TPoint anchor(500, 400);
  const struct {
    TPoint Mouse;
    bool Horz;
    bool Vert;
    TcxDirection Direction;
    int Speed;
  } cases[] = {
      {{500, 440}, true, true, dirDown, 5},   // (40 - 16) div 5 + 1
      {{500, 480}, true, true, dirDown, 12},  // 13, capped
      {{500, 360}, true, true, dirUp, 5},
      {{540, 420}, true, true, dirRight, 5},  // the larger distance wins
      {{460, 440}, true, true, dirDown, 5},   // a tie goes vertical
      {{510, 410}, true, true, dirNone, 0},   // inside the neutral square
      {{516, 400}, true, true, dirRight, 1},  // its right edge lies outside
      {{900, 400}, false, true, dirNone, 0},  // sideways while only vertical scrolls
      {{900, 440}, false, true, dirDown, 5},
      {{540, 900}, true, false, dirRight, 5},
  };
  for (const auto& c : cases) {
    const TcxAnchorScrollMotion motion = cxCalculateAnchorScrollMotion(anchor, c.Mouse, 32, c.Horz, c.Vert);
    EXPECT_EQ(c.Direction, motion.Direction) << c.Mouse.X << "," << c.Mouse.Y;
    EXPECT_EQ(c.Speed, motion.Speed) << c.Mouse.X << "," << c.Mouse.Y;
    EXPECT_EQ(c.Direction != dirNone, motion.LeftNeutralZone);
  }
}

// The windows of this thread that the anchor mode shows.
int AnchorWindowCount() {
  int count = 0;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND AWnd, LPARAM ACount) {
        wchar_t name[16] = {};
        GetClassNameW(AWnd, name, 16);
        if (lstrcmpiW(name, L"Static") == 0 && IsWindowVisible(AWnd)) ++*reinterpret_cast<int*>(ACount);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

TEST_F(ControlGestures, AMiddleClickWithoutMovingKeepsTheModeUntilTheNextClick) {
  Build(200, 100);
  const HWND window = Control->Handle();
  const TPoint at = Control->ClientToScreen(TPoint(100, 50));
  SetCursorPos(at.X, at.Y);
  PostMessageW(window, WM_MBUTTONUP, 0, MAKELPARAM(100, 50));
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 50));
  std::vector<bool> modeDuring;
  Control->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { modeDuring.push_back(true); };
  SendMessageW(window, WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(100, 50));
  EXPECT_EQ(std::vector<TPoint>{TPoint(100, 50)}, Control->MiddleDowns);
  EXPECT_EQ(1u, modeDuring.size()) << "only the middle button reached the control, not the ending left click";
  EXPECT_FALSE(Control->IsScrollingContent());
  EXPECT_EQ(nullptr, GetCapture());
  EXPECT_EQ(0, AnchorWindowCount());
}

TEST_F(ControlGestures, TheContentScrollsTowardsTheMouseUntilEscape) {
  Build(200, 100);
  const HWND window = Control->Handle();
  const TPoint at = Control->ClientToScreen(TPoint(100, 50));
  SetCursorPos(at.X, at.Y);
  int anchorWindows = 0;
  bool scrollingDuring = false;
  int calls = 0;
  Control->OnScrollContent = [&](TcxDirection ADirection) {
    // Still at the anchor (every 12 ticks): the mouse moves 80 pixels down,
    // from where the content scrolls on every tick.
    if (ADirection == dirNone) PostMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(100, 130));
    if (ADirection == dirDown) {
      anchorWindows = AnchorWindowCount();
      scrollingDuring = Control->IsScrollingContent();
    }
    if (ADirection == dirDown || ++calls == 10) PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
  };
  SendMessageW(window, WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(100, 50));
  ASSERT_FALSE(Control->ContentScrolls.empty());
  EXPECT_EQ(dirDown, Control->ContentScrolls.back());
  EXPECT_EQ(1, anchorWindows);
  EXPECT_TRUE(scrollingDuring);
  EXPECT_FALSE(Control->IsScrollingContent());
  EXPECT_EQ(nullptr, GetCapture());
  EXPECT_EQ(0, AnchorWindowCount());
}

TEST_F(ControlGestures, TheAnchorModeGivesEverythingBackWhenScrollingRaises) {
  Build(200, 100);
  const HWND window = Control->Handle();
  bool isScrolling = false;
  PostMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(100, 130));
  EXPECT_THROW(cxStartAnchorScrolling(
                   Control, false, true, [](TcxDirection) { throw Exception(L"scrolling failed"); }, isScrolling),
               Exception);
  EXPECT_FALSE(isScrolling);
  EXPECT_EQ(nullptr, GetCapture());
  EXPECT_EQ(0, AnchorWindowCount());
  // Nothing to scroll: no mode at all.
  cxStartAnchorScrolling(Control, false, false, [](TcxDirection) {}, isScrolling);
  EXPECT_FALSE(isScrolling);
}

// The anchor window as a person sees it: the bitmap in an ellipse framed in
// the window-text colour, for each choice of directions.
TEST_F(ControlGestures, TheAnchorWindowsAsAPicture) {
  Build(200, 100);
  const HWND window = Control->Handle();
  const TPoint at = Control->ClientToScreen(TPoint(100, 50));
  SetCursorPos(at.X, at.Y);
  TBitmap sheet;
  sheet.SetPixelFormat(pf32bit);
  sheet.SetSize(3 * 40, 40);
  sheet.Canvas()->Brush()->SetColor(clWhite);
  sheet.Canvas()->FillRect(TRect(0, 0, 120, 40));
  const struct {
    bool Horz;
    bool Vert;
  } cases[] = {{true, true}, {true, false}, {false, true}};
  for (size_t i = 0; i < std::size(cases); ++i) {
    bool isScrolling = false;
    bool captured = false;
    auto proc = [&](TcxDirection) {
      if (captured) return;
      captured = true;
      HWND anchor = nullptr;
      EnumThreadWindows(
          GetCurrentThreadId(),
          [](HWND AWnd, LPARAM AFound) {
            wchar_t name[16] = {};
            GetClassNameW(AWnd, name, 16);
            if (lstrcmpiW(name, L"Static") == 0 && IsWindowVisible(AWnd)) *reinterpret_cast<HWND*>(AFound) = AWnd;
            return TRUE;
          },
          reinterpret_cast<LPARAM>(&anchor));
      ASSERT_NE(nullptr, anchor);
      RECT r;
      GetWindowRect(anchor, &r);
      EXPECT_EQ(32, r.right - r.left);
      EXPECT_EQ(at.X - 16, r.left) << "centred on the anchor";
      HDC dc = GetWindowDC(anchor);
      BitBlt(sheet.Canvas()->Handle(), static_cast<int>(i) * 40 + 4, 4, 32, 32, dc, 0, 0, SRCCOPY);
      ReleaseDC(anchor, dc);
      PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
    };
    cxStartAnchorScrolling(Control, cases[i].Horz, cases[i].Vert, proc, isScrolling);
    EXPECT_TRUE(captured);
    // The centre of the ring is the bitmap's face, its frame the window text.
    EXPECT_EQ(clBlack, PixelColor(sheet, static_cast<int>(i) * 40 + 4 + 16, 4 + 16)) << "the centre dot";
    EXPECT_EQ(static_cast<TColor>(GetSysColor(COLOR_WINDOWTEXT)), PixelColor(sheet, static_cast<int>(i) * 40 + 4, 4 + 16))
        << "the frame's leftmost pixel";
  }
  // Four times as large, so that a person sees the pixels.
  TBitmap large;
  large.SetPixelFormat(pf32bit);
  large.SetSize(4 * 120, 4 * 40);
  StretchBlt(large.Canvas()->Handle(), 0, 0, 4 * 120, 4 * 40, sheet.Canvas()->Handle(), 0, 0, 120, 40, SRCCOPY);
  std::filesystem::create_directories("artifacts");
  SaveAsPng(large, L"artifacts\\AnchorWindows.png");
}

// ---------------------------------------------------------------- mouse-leave tracking

class TTrackedPart : public IcxMouseTrackingCaller3 {
public:
  TRect Area;  // ContainsPoint's answer, in its coordinates
  bool KeepOutside = false;
  int Leaves = 0;
  std::vector<TPoint> Asked;
  void MouseLeave() override { ++Leaves; }
  bool ContainsPoint(const TPoint& P) override {
    Asked.push_back(P);
    return Area.Contains(P);
  }
  bool KeepTrackingOutside() override { return KeepOutside; }
};

// Only the first interface: the tracked bounds decide.
class TTrackedBounds : public IcxMouseTrackingCaller {
public:
  int Leaves = 0;
  void MouseLeave() override { ++Leaves; }
};

// Runs the tracking timers for a while.
void Wait(int AMilliseconds) {
  const DWORD until = GetTickCount() + AMilliseconds;
  while (static_cast<int>(until - GetTickCount()) > 0) {
    ProcessPendingMessages();
    Sleep(5);
  }
}

struct MouseTracking : ControlGestures {
  MouseTracking() { Build(200, 100); }
  void MoveTo(int X, int Y) {
    const TPoint p = Control->ClientToScreen(TPoint(X, Y));
    SetCursorPos(p.X, p.Y);
  }
};

TEST_F(MouseTracking, AnObjectLearnsOnceThatTheMouseLeftIt) {
  TTrackedBounds part;
  MoveTo(20, 20);
  cxBeginMouseTracking(Control, TRect(10, 10, 50, 50), &part);
  cxBeginMouseTracking(Control, TRect(0, 0, 5, 5), &part);  // ignored: the first tracker stays
  Wait(60);
  EXPECT_EQ(0, part.Leaves);
  MoveTo(80, 20);  // still over the control, outside the part
  Wait(60);
  EXPECT_EQ(1, part.Leaves);
  Wait(40);
  EXPECT_EQ(1, part.Leaves) << "tracking ended";
}

TEST_F(MouseTracking, TheCallerDecidesWhereItIsAndWhetherToKeepTracking) {
  TTrackedPart part;
  part.Area = TRect(10, 10, 50, 50);
  part.KeepOutside = true;
  MoveTo(20, 20);
  cxBeginMouseTracking(Control, TRect(), &part);
  Wait(40);
  ASSERT_FALSE(part.Asked.empty());
  EXPECT_EQ(TPoint(20, 20), part.Asked.back()) << "asked in the control's client coordinates";
  MoveTo(80, 20);
  Wait(60);
  EXPECT_EQ(0, part.Leaves) << "it holds the mouse";
  part.KeepOutside = false;
  Wait(60);
  EXPECT_EQ(1, part.Leaves);
}

TEST_F(MouseTracking, LeavingTheControlAlsoTellsTheControl) {
  TTrackedPart part;
  part.Area = TRect(0, 0, 1000, 1000);
  MoveTo(20, 20);
  cxBeginMouseTracking(Control, TRect(), &part);
  Wait(40);
  EXPECT_TRUE(Control->OwnMouseLeaves.empty());
  MoveTo(-5, 20);  // off the control, over the form
  Wait(60);
  EXPECT_EQ(1, part.Leaves);
  EXPECT_EQ(std::vector<LPARAM>{reinterpret_cast<LPARAM>(Control)}, Control->OwnMouseLeaves);
}

TEST_F(MouseTracking, AChildWindowOfTheControlCountsAsInside) {
  auto* child = new TcxControl(Form);
  child->SetParent(Control);
  child->SetBounds(100, 10, 40, 40);
  ProcessPendingMessages();
  TTrackedPart part;
  part.Area = TRect(0, 0, 1000, 1000);
  MoveTo(20, 20);
  cxBeginMouseTracking(Control, TRect(), &part);
  MoveTo(110, 20);
  Wait(60);
  EXPECT_EQ(0, part.Leaves);
  cxEndMouseTracking(&part);
  Wait(30);
  EXPECT_EQ(0, part.Leaves) << "ended without a leave";
}

TEST_F(MouseTracking, AFreedControlEndsTrackingSilentlyADisabledOneWithALeave) {
  MoveTo(20, 20);
  auto* other = new TcxControl(Form);
  other->SetParent(Form);
  other->SetBounds(10, 200, 50, 50);
  ProcessPendingMessages();
  TTrackedBounds freed;
  cxBeginMouseTracking(other, TRect(0, 0, 50, 50), &freed);
  delete other;
  Wait(40);
  EXPECT_EQ(0, freed.Leaves);

  TTrackedBounds disabled;
  cxBeginMouseTracking(Control, TRect(0, 0, 50, 50), &disabled);
  Wait(30);
  Control->SetEnabled(false);
  Wait(40);
  EXPECT_EQ(1, disabled.Leaves);
  EXPECT_EQ(std::vector<LPARAM>{reinterpret_cast<LPARAM>(Control)}, Control->OwnMouseLeaves);

  // Without a control the bounds lie on the screen.
  TTrackedBounds screen;
  const TPoint cursor = Control->ClientToScreen(TPoint(20, 20));
  cxBeginMouseTracking(nullptr, Bounds(cursor.X - 2, cursor.Y - 2, 4, 4), &screen);
  Wait(40);
  EXPECT_EQ(0, screen.Leaves);
  MoveTo(30, 20);
  Wait(40);
  EXPECT_EQ(1, screen.Leaves);
}

}  // namespace
