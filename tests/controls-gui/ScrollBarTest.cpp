// The painter-drawn scroll bar on real windows: its geometry for a table of
// ranges, the values' checks, clicks, holds with the repeat timer, thumb
// drags that snap back (also after a person's quick second press), scroll
// requests from the parent, part states on the screen (kept as a PNG sheet)
// and fading of its buttons; and the same bars painted into a control,
// which routes its mouse to them.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "components/controls/cxControls.h"
#include "tests/controls-gui/StandInPainters.h"
#include "tests/guiharness/FormFixture.h"
#include "tests/guiharness/GuiDriver.h"
#include "tests/guiharness/WindowCapture.h"
#include "tests/support/MessagePump.h"

namespace {

// A colour of its own for every part in every state, so that the screen
// tells which part shows which state.
TColor PartColor(TcxScrollBarPart APart, TcxButtonState AState) {
  return static_cast<TColor>(RGB(40 * static_cast<int>(APart), 50 * static_cast<int>(AState), 160));
}

// Draws each part as a field of its colour, hot-tracking or not, under the
// name and style of one look.
class TPartsPainter : public TcxCustomLookAndFeelPainter {
 public:
  TPartsPainter(const String& AName, TcxLookAndFeelStyle AStyle, bool AHotTrack)
      : FName(AName), FStyle(AStyle), FHotTrack(AHotTrack) {}
  String LookAndFeelName() override { return FName; }
  TcxLookAndFeelStyle LookAndFeelStyle() override { return FStyle; }
  bool IsButtonHotTrack() override { return FHotTrack; }
  void DrawScrollBarPart(TcxCanvas* ACanvas, bool, const TRect& R, TcxScrollBarPart APart,
                         TcxButtonState AState) override {
    ACanvas->FillRect(R, PartColor(APart, AState));
  }

 private:
  String FName;
  TcxLookAndFeelStyle FStyle;
  bool FHotTrack;
};

// A click on each part of a bar at 50 with steps of 3 and 10, in turn: its
// scroll code and the position it leaves.
struct PartClick {
  TcxScrollBarPart Part;
  TScrollCode Code;
  int Position;
};
constexpr PartClick PartClicks[] = {{sbpLineDown, scLineDown, 53},
                                    {sbpLineUp, scLineUp, 50},
                                    {sbpPageDown, scPageDown, 60},
                                    {sbpPageUp, scPageUp, 50}};

struct TScrollRecord {
  TScrollCode Code;
  int Pos;
  std::chrono::steady_clock::time_point At;
};

struct ScrollBarTest : FormFixture {
  // The test painters stand in for the built-in ones of their names, which
  // come back afterwards.
  ScrollBarTest() {
    Painters.Add(std::make_unique<TPartsPainter>(L"UltraFlat", lfsUltraFlat, true));
    Painters.Add(std::make_unique<TPartsPainter>(L"Native", lfsNative, true));
    Form->SetBounds(100, 100, 300, 300);
  }
  ~ScrollBarTest() override {
    ReleaseCapture();
    delete Form;
    Form = nullptr;
  }

  TStandInPainters Painters;
  TcxScrollBar* Bar = nullptr;
  std::vector<TScrollRecord> Scrolls;
  int Changes = 0;
  const int Arrow = GetSystemMetrics(SM_CXVSCROLL);

  // A vertical bar 0..99 with a page of 10, as a list of 100 lines shows it.
  void Build(int ALength = 200, int AMin = 0, int AMax = 99, int APage = 10) {
    Bar = Add<TcxScrollBar>(10, 10);
    Bar->SetKind(sbVertical);
    Bar->SetBounds(10, 10, GetSystemMetrics(SM_CXVSCROLL), ALength);
    Bar->SetScrollParams(AMin, AMax, AMin, APage);
    Bar->OnScroll = [this](TObject*, TScrollCode ACode, int& APos) {
      Scrolls.push_back({ACode, APos, std::chrono::steady_clock::now()});
    };
    Bar->OnChange = [this](TObject*) { ++Changes; };
    Form->Show();
    ProcessPendingMessages();
  }
  TcxScrollBarViewInfo* ViewInfo() { return Bar->Helper()->ViewInfo(); }
  TRect PartBounds(TcxScrollBarPart APart) { return ViewInfo()->GetPartInfo(APart)->Bounds(); }
  TPoint Centre(TcxScrollBarPart APart) {
    const TRect r = PartBounds(APart);
    return TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  }
  void Send(UINT AMsg, const TPoint& P, WPARAM AKeys = 0) {
    SendMessageW(Bar->Handle(), AMsg, AKeys, MAKELPARAM(P.X, P.Y));
  }
  void Press(const TPoint& P) {
    const TPoint screen = Bar->ClientToScreen(P);
    SetCursorPos(screen.X, screen.Y);
    Send(WM_LBUTTONDOWN, P, MK_LBUTTON);
  }
  void MoveTo(const TPoint& P) {
    const TPoint screen = Bar->ClientToScreen(P);
    SetCursorPos(screen.X, screen.Y);
    Send(WM_MOUSEMOVE, P, MK_LBUTTON);
  }
  void Release(const TPoint& P) { Send(WM_LBUTTONUP, P); }
  std::vector<TScrollCode> Codes() {
    std::vector<TScrollCode> codes;
    for (const auto& s : Scrolls) codes.push_back(s.Code);
    return codes;
  }
  // Pumps messages until the count of scrolls reaches ACount.
  bool WaitForScrolls(size_t ACount) {
    return PumpUntil([&] { return Scrolls.size() >= ACount; });
  }
  // Handles messages for a while.
  static void PumpFor(std::chrono::milliseconds ADuration) {
    const auto end = std::chrono::steady_clock::now() + ADuration;
    PumpUntil([&] { return std::chrono::steady_clock::now() >= end; });
  }
  static long long Milliseconds(const TScrollRecord& AFrom, const TScrollRecord& ATo) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(ATo.At - AFrom.At).count();
  }
};

}  // namespace

// ---------------------------------------------------------------- geometry and values

TEST_F(ScrollBarTest, PartsAreLaidOutAlongTheAxisForEachRange) {
  Build();
  const int track = 200 - 2 * Arrow;
  const int proportional = std::max(8, MulDiv(10, track, 100));
  const struct {
    const char* Case;
    int Length, Min, Max, Page, Position;
    bool Enabled;
    int ThumbStart, ThumbSize;  // ThumbSize 0: no thumb
  } cases[] = {
      {"at the start the thumb touches the line-up button", 200, 0, 99, 10, 0, true, Arrow, proportional},
      {"a third of the way", 200, 0, 99, 10, 30, true, Arrow + MulDiv(track - proportional, 30, 90), proportional},
      {"half way", 200, 0, 99, 10, 45, true, Arrow + MulDiv(track - proportional, 45, 90), proportional},
      {"one before the last position", 200, 0, 99, 10, 89, true, Arrow + MulDiv(track - proportional, 89, 90),
       proportional},
      {"the last position touches the line-down button", 200, 0, 99, 10, 90, true, 200 - Arrow - proportional,
       proportional},
      {"a position beyond the last page stays at the end", 200, 0, 99, 10, 99, true, 200 - Arrow - proportional,
       proportional},
      {"without a page the thumb has the system's size", 200, 0, 100, 0, 50, true,
       Arrow + MulDiv(track - GetSystemMetrics(SM_CYVTHUMB), 50, 100), GetSystemMetrics(SM_CYVTHUMB)},
      {"nothing to scroll: no thumb", 200, 5, 5, 0, 5, true, 0, 0},
      {"a disabled bar has no thumb", 200, 0, 99, 10, 0, false, 0, 0},
      {"a bar shorter than two buttons has no thumb", 20, 0, 99, 10, 0, true, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Case);
    Bar->SetHeight(c.Length);
    Bar->SetEnabled(c.Enabled);
    Bar->SetScrollParams(c.Min, c.Max, c.Position, c.Page);
    const int arrow = std::min(c.Length / 2, Arrow);
    EXPECT_EQ(TRect(0, 0, Arrow, arrow), PartBounds(sbpLineUp));
    EXPECT_EQ(TRect(0, c.Length - arrow, Arrow, c.Length), PartBounds(sbpLineDown));
    const TRect thumb = PartBounds(sbpThumbnail);
    if (c.ThumbSize == 0) {
      EXPECT_TRUE(thumb.IsEmpty());
      EXPECT_TRUE(PartBounds(sbpPageUp).IsEmpty());
      EXPECT_TRUE(PartBounds(sbpPageDown).IsEmpty());
      continue;
    }
    EXPECT_EQ(TRect(0, c.ThumbStart, Arrow, c.ThumbStart + c.ThumbSize), thumb);
    EXPECT_EQ(TRect(0, arrow, Arrow, thumb.Top), PartBounds(sbpPageUp));
    EXPECT_EQ(TRect(0, thumb.Bottom, Arrow, c.Length - arrow), PartBounds(sbpPageDown));
  }
}

TEST_F(ScrollBarTest, ValuesOutOfRangeRaiseAndChangeNothing) {
  Build();
  Bar->SetScrollParams(0, 99, 40, 10);
  Changes = 0;
  const struct {
    const char* Case;
    int Min, Max, Page;
  } bad[] = {{"max below min", 10, 5, 0}, {"page beyond the range", 0, 9, 10}};
  for (const auto& c : bad) {
    SCOPED_TRACE(c.Case);
    try {
      Bar->SetScrollParams(c.Min, c.Max, 0, c.Page);
      ADD_FAILURE() << "no exception";
    } catch (const EInvalidOperation& e) {
      EXPECT_STREQ(L"Scrollbar property out of range", e.Message().c_str());
    }
    EXPECT_EQ(0, Bar->Min());
    EXPECT_EQ(99, Bar->Max());
    EXPECT_EQ(10, Bar->PageSize());
    EXPECT_EQ(40, Bar->Position());
  }
  EXPECT_EQ(0, Changes);
  Bar->SetParams(-5, 0, 50);
  EXPECT_EQ(0, Bar->Position()) << "below Min: Min";
  Bar->SetParams(80, 0, 50);
  EXPECT_EQ(50, Bar->Position()) << "beyond Max: Max";
  EXPECT_EQ(2, Changes);
  Bar->SetParams(50, 0, 50);
  EXPECT_EQ(2, Changes) << "no change, no event";
}

// ---------------------------------------------------------------- mouse

TEST_F(ScrollBarTest, ClicksOnEachPartScrollByItsStep) {
  Build();
  Bar->SetSmallChange(3);
  Bar->SetLargeChange(10);
  Bar->SetPosition(50);
  for (const PartClick& c : PartClicks) {
    SCOPED_TRACE(static_cast<int>(c.Part));
    Scrolls.clear();
    const TPoint at = Centre(c.Part);
    Press(at);
    EXPECT_EQ(c.Part, ViewInfo()->PressedPart());
    EXPECT_EQ(GetCapture(), Bar->Handle());
    Release(at);
    EXPECT_EQ(c.Position, Bar->Position());
    EXPECT_EQ((std::vector<TScrollCode>{c.Code, scEndScroll}), Codes());
    EXPECT_EQ(sbpNone, ViewInfo()->PressedPart());
    EXPECT_EQ(c.Part, ViewInfo()->HotPart());
    EXPECT_FALSE(Bar->Helper()->Controller()->Timer()->Enabled());
  }
  Scrolls.clear();
  Send(WM_RBUTTONDOWN, Centre(sbpLineDown), MK_RBUTTON);
  EXPECT_TRUE(Scrolls.empty()) << "only the left button scrolls";
}

TEST_F(ScrollBarTest, HoldingALineButtonRepeatsAfter400ThenEvery60Milliseconds) {
  Build();
  TcxTimer* timer = Bar->Helper()->Controller()->Timer();
  Press(Centre(sbpLineDown));
  ASSERT_EQ(1u, Scrolls.size()) << "once at once";
  EXPECT_TRUE(timer->Enabled());
  EXPECT_EQ(400u, timer->Interval());
  ASSERT_TRUE(WaitForScrolls(2));
  EXPECT_GE(Milliseconds(Scrolls[0], Scrolls[1]), 350);
  EXPECT_EQ(60u, timer->Interval());
  ASSERT_TRUE(WaitForScrolls(5));
  EXPECT_LT(Milliseconds(Scrolls[1], Scrolls[4]), 3 * 60 + 150);

  // Off the button the repetition pauses; back on it, it resumes without
  // the first delay.
  MoveTo(Centre(sbpPageDown));
  EXPECT_FALSE(timer->Enabled());
  const size_t paused = Scrolls.size();
  PumpFor(std::chrono::milliseconds(300));
  EXPECT_EQ(paused, Scrolls.size());
  MoveTo(Centre(sbpLineDown));
  const auto resumed = std::chrono::steady_clock::now();
  EXPECT_TRUE(timer->Enabled());
  ASSERT_TRUE(WaitForScrolls(paused + 1));
  EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(Scrolls[paused].At - resumed).count(), 300);
  Release(Centre(sbpLineDown));
  EXPECT_FALSE(timer->Enabled());
  EXPECT_EQ(static_cast<int>(Scrolls.size() - 1), Bar->Position()) << "one line per request";
}

TEST_F(ScrollBarTest, LosingTheCaptureOrTheModeEndsAHold) {
  Build();
  TcxTimer* timer = Bar->Helper()->Controller()->Timer();
  const struct {
    const char* Case;
    std::function<void()> Interrupt;
  } cases[] = {
      {"cancel mode", [&] { SendMessageW(Bar->Handle(), WM_CANCELMODE, 0, 0); }},
      {"disabled", [&] { Bar->SetEnabled(false); }},
      {"capture lost: the next tick ends it", [&] { ReleaseCapture(); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Case);
    Bar->SetEnabled(true);
    Scrolls.clear();
    Press(Centre(sbpLineDown));
    c.Interrupt();
    PumpUntil([&] { return !timer->Enabled(); });
    EXPECT_FALSE(timer->Enabled());
    EXPECT_EQ(sbpNone, ViewInfo()->PressedPart());
    ASSERT_FALSE(Scrolls.empty());
    EXPECT_EQ(scEndScroll, Scrolls.back().Code);
    ReleaseCapture();
  }
}

// A person's quick second press on a part arrives as a double click; it
// holds and tracks as the first press does, under the bar's capture.
TEST_F(ScrollBarTest, ASecondPressAtDoubleClickSpeedHoldsAndTracksLikeTheFirst) {
  Build();
  std::vector<TShiftState> presses;
  Bar->OnMouseDown = [&](TObject*, TMouseButton, TShiftState AShift, int, int) { presses.push_back(AShift); };
  const auto doublePress = [&](TcxScrollBarPart APart) {
    const TPoint at = Bar->ClientToScreen(Centre(APart));
    PressMouseAt(at);
    ReleaseMouseAt(at);
    PressMouseAt(at);
    ASSERT_EQ(2u, presses.size());
    EXPECT_TRUE(presses[1].Contains(ssDouble)) << "the second press came as a double click";
    EXPECT_EQ(Bar->Handle(), GetCapture());
    EXPECT_EQ(APart, ViewInfo()->PressedPart());
  };

  // A held arrow goes on repeating.
  doublePress(sbpLineDown);
  const size_t held = Scrolls.size();
  ASSERT_TRUE(WaitForScrolls(held + 3));
  EXPECT_TRUE(Bar->Helper()->Controller()->Timer()->Enabled());
  ReleaseMouseAt(Bar->ClientToScreen(Centre(sbpLineDown)));
  EXPECT_FALSE(Bar->Helper()->Controller()->Timer()->Enabled());
  EXPECT_EQ(nullptr, GetCapture());

  // The thumb follows the pointer and lets go on a release beside the bar.
  presses.clear();
  Bar->SetPosition(0);
  ProcessPendingMessages();
  PumpFor(std::chrono::milliseconds(600));  // no double click with the arrow's last press
  doublePress(sbpThumbnail);
  const TPoint thumb = Bar->ClientToScreen(Centre(sbpThumbnail));
  MoveMouseTo(TPoint(thumb.X, thumb.Y + 40));
  EXPECT_GT(Bar->Position(), 0);
  const TPoint beside(thumb.X + 60, thumb.Y + 40);
  MoveMouseTo(beside);
  ReleaseMouseAt(beside);
  EXPECT_EQ(sbpNone, ViewInfo()->PressedPart());
  EXPECT_EQ(nullptr, GetCapture());
  EXPECT_EQ(scEndScroll, Scrolls.back().Code);
}

TEST_F(ScrollBarTest, ThumbDragsFollowThePointerAndSnapBackFarAway) {
  Build();
  const TPoint press = Centre(sbpThumbnail);
  const int startTop = PartBounds(sbpThumbnail).Top;
  Press(press);
  EXPECT_EQ(sbpThumbnail, ViewInfo()->PressedPart());
  EXPECT_FALSE(Bar->Helper()->Controller()->Timer()->Enabled()) << "no repetition for the thumb";

  MoveTo({press.X, press.Y + 40});
  EXPECT_EQ(startTop + 40, PartBounds(sbpThumbnail).Top);
  const int tracked = Bar->Position();
  EXPECT_GT(tracked, 0);
  EXPECT_EQ(scTrack, Scrolls.back().Code);
  EXPECT_EQ(tracked, Scrolls.back().Pos);

  // Far away sideways: back to where the press found it.
  MoveTo({press.X + 200, press.Y + 40});
  EXPECT_EQ(0, Bar->Position());
  EXPECT_EQ(startTop, PartBounds(sbpThumbnail).Top);
  // Coming back, even to the point last handled, tracks again.
  MoveTo({press.X, press.Y + 40});
  EXPECT_EQ(startTop + 40, PartBounds(sbpThumbnail).Top);
  EXPECT_EQ(tracked, Bar->Position());
  // Exactly back to the press point: the thumb follows there too.
  MoveTo(press);
  EXPECT_EQ(startTop, PartBounds(sbpThumbnail).Top);
  EXPECT_EQ(0, Bar->Position());

  // Beyond the end, still within reach, the thumb stops at the line-down
  // button.
  MoveTo({press.X, press.Y + 300});
  EXPECT_EQ(PartBounds(sbpLineDown).Top, PartBounds(sbpThumbnail).Bottom);
  EXPECT_EQ(90, Bar->Position());
  Scrolls.clear();
  Release({press.X, press.Y + 300});
  EXPECT_EQ((std::vector<TScrollCode>{scPosition, scEndScroll}), Codes());
  EXPECT_EQ(90, Bar->Position());
  EXPECT_EQ(sbpNone, ViewInfo()->PressedPart());
}

TEST_F(ScrollBarTest, AThumbDraggedWhereAPositionShowsItGivesThatPositionBack) {
  Build();
  for (const int position : {1, 30, 45, 60, 89}) {
    SCOPED_TRACE(position);
    Bar->SetPosition(position);
    const int shownAt = PartBounds(sbpThumbnail).Top;
    Bar->SetPosition(0);
    const TPoint press = Centre(sbpThumbnail);
    const TPoint there(press.X, press.Y + shownAt - PartBounds(sbpThumbnail).Top);
    Press(press);
    MoveTo(there);
    EXPECT_EQ(shownAt, PartBounds(sbpThumbnail).Top);
    EXPECT_EQ(position, Bar->Position()) << "while tracking";
    Release(there);
    EXPECT_EQ(position, Bar->Position());
  }
}

TEST_F(ScrollBarTest, UnlimitedTrackingNeverSnapsBack) {
  Build();
  Bar->SetUnlimitedTracking(true);
  const TPoint press = Centre(sbpThumbnail);
  Press(press);
  MoveTo({press.X + 500, press.Y + 60});
  EXPECT_GT(Bar->Position(), 0);
  Release({press.X + 500, press.Y + 60});
}

TEST_F(ScrollBarTest, ScrollRequestsFromTheParentMoveByTheirCodes) {
  Build();
  Bar->SetSmallChange(2);
  Bar->SetLargeChange(10);
  Bar->SetPosition(50);
  const struct {
    WORD Request;
    TScrollCode Code;
    int Position;
  } cases[] = {{SB_LINEDOWN, scLineDown, 52}, {SB_LINEUP, scLineUp, 50}, {SB_PAGEDOWN, scPageDown, 60},
               {SB_PAGEUP, scPageUp, 50},     {SB_BOTTOM, scBottom, 99}, {SB_TOP, scTop, 0},
               {SB_ENDSCROLL, scEndScroll, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Request);
    Scrolls.clear();
    SendMessageW(Form->Handle(), WM_VSCROLL, c.Request, reinterpret_cast<LPARAM>(Bar->Handle()));
    ASSERT_EQ(1u, Scrolls.size());
    EXPECT_EQ(c.Code, Scrolls[0].Code);
    EXPECT_EQ(c.Position, Bar->Position());
  }
  EXPECT_EQ(1, SendMessageW(Bar->Handle(), WM_GESTURENOTIFY, 0, 0)) << "gestures are locked on the bar";
  // OnScroll may change the position a request asks for; it is kept in range.
  Bar->OnScroll = [](TObject*, TScrollCode, int& APos) { APos = 1000; };
  SendMessageW(Form->Handle(), WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(Bar->Handle()));
  EXPECT_EQ(99, Bar->Position());
}

// ---------------------------------------------------------------- on the screen

TEST_F(ScrollBarTest, EachPartShowsItsStatesOnTheScreen) {
  Build(120);
  Bar->SetPosition(40);
  const int width = Bar->Width();
  const TcxButtonState states[] = {cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled};
  const TcxScrollBarPart parts[] = {sbpLineUp, sbpLineDown, sbpThumbnail, sbpPageUp, sbpPageDown};
  TcxBitmap32 sheet((width + 4) * 20, 124, true);
  int column = 0;
  for (TcxScrollBarPart part : parts) {
    for (TcxButtonState state : states) {
      SCOPED_TRACE(testing::Message() << "part " << static_cast<int>(part) << " state " << static_cast<int>(state));
      Bar->SetEnabled(state != cxbsDisabled);
      const TPoint at = state == cxbsDisabled ? TPoint(1, 1) : Centre(part);
      if (state == cxbsHot || state == cxbsPressed) MoveTo(at);
      if (state == cxbsPressed) Press(at);
      auto picture = CaptureWindow(Bar);
      if (state == cxbsDisabled) {
        // The disabled bar shows only its buttons over the background.
        if (part == sbpLineUp || part == sbpLineDown) {
          EXPECT_EQ(static_cast<TColor>(ColorToRGB(PartColor(part, cxbsDisabled))),
                    PixelColor(*picture, at.X, Centre(part).Y));
        }
      } else {
        EXPECT_EQ(static_cast<TColor>(ColorToRGB(PartColor(part, state))), PixelColor(*picture, at.X, at.Y));
      }
      BitBlt(sheet.Canvas()->Handle(), 2 + column * (width + 4), 2, width, 120, picture->Canvas()->Handle(), 0, 0,
             SRCCOPY);
      ++column;
      if (state == cxbsPressed) Release(at);
      SendMessageW(Bar->Handle(), CM_MOUSELEAVE, 0, 0);
      Bar->SetPosition(40);
    }
  }
  std::filesystem::create_directories("artifacts");
  SaveAsPng(sheet, L"artifacts\\ScrollBarPartStates.png");
  EXPECT_TRUE(std::filesystem::exists("artifacts/ScrollBarPartStates.png"));
}

TEST_F(ScrollBarTest, OnlyANativeOrSkinnedHotTrackingLookFadesTheButtons) {
  TdxFader* fader = dxGetGlobalFader();
  ASSERT_NE(nullptr, fader);
  fader->SetState(fasEnabled);
  Build();
  TcxScrollBarPartFadingHelper* lineUp = ViewInfo()->GetPartInfo(sbpLineUp)->FadingHelper();
  EXPECT_EQ(nullptr, ViewInfo()->GetPartInfo(sbpPageUp)->FadingHelper()) << "page areas do not fade";
  const struct {
    const char* Case;
    bool NativeStyle;
    bool Fades;
  } cases[] = {{"a flat look", false, false}, {"the native look", true, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Case);
    Bar->LookAndFeel()->SetNativeStyle(c.NativeStyle);
    EXPECT_EQ(c.Fades, lineUp->IsFadingAllowed());
    MoveTo(Centre(sbpLineUp));
    EXPECT_EQ(cxbsHot, ViewInfo()->GetPartInfo(sbpLineUp)->State());
    EXPECT_EQ(c.Fades, fader->Contains(lineUp));
    MoveTo(Centre(sbpPageDown));
    fader->Clear();
  }
  fader->SetState(fasDefault);
}

// ---------------------------------------------------------------- bars painted into a control

namespace {

// A control that paints two bars into itself: a vertical one along the
// right edge and a horizontal one along the bottom, its content white.
class TPaintedBarsControl : public TcxControl {
 public:
  explicit TPaintedBarsControl(TComponent* AOwner)
      : TcxControl(AOwner),
        VertBar(std::make_unique<TcxControlScrollBarHelper>(this)),
        HorzBar(std::make_unique<TcxControlScrollBarHelper>(this)) {
    VertBar->SetKind(sbVertical);
    for (TcxControlScrollBarHelper* bar : {HorzBar.get(), VertBar.get()}) {
      bar->SetScrollParams(0, 99, 0, 10, false);
      bar->SetVisible(true);
      ScrollBarsManager()->RegisterScrollBar(bar);
    }
  }
  ~TPaintedBarsControl() override {
    ScrollBarsManager()->UnRegisterScrollBar(VertBar.get());
    ScrollBarsManager()->UnRegisterScrollBar(HorzBar.get());
  }
  void Layout(int AThickness) {
    VertBar->SetBoundsRect(TRect(Width() - AThickness, 0, Width(), Height() - AThickness));
    HorzBar->SetBoundsRect(TRect(0, Height() - AThickness, Width() - AThickness, Height()));
  }

  using TcxControl::IsScrollBarsArea;

  std::unique_ptr<TcxControlScrollBarHelper> VertBar;
  std::unique_ptr<TcxControlScrollBarHelper> HorzBar;
  int ContentMouseDowns = 0;

 protected:
  void DoPaint() override {
    TcxControl::DoPaint();
    Canvas()->FillRect(ClientRect(), clWhite);
  }
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override {
    ++ContentMouseDowns;
    TcxControl::MouseDown(Button, Shift, X, Y);
  }
};

struct PaintedScrollBarTest : ScrollBarTest {
  TPaintedBarsControl* Control = nullptr;
  TcxControlScrollBarHelper* Vert = nullptr;

  void BuildControl() {
    Control = Add<TPaintedBarsControl>(10, 10);
    Control->SetBounds(10, 10, 200, 200);
    Control->SetBorderStyle(cxcbsNone);
    Form->Show();
    Control->Layout(Arrow);
    Vert = Control->VertBar.get();
    Vert->OnScroll = [this](TObject*, TScrollCode ACode, int& APos) {
      Scrolls.push_back({ACode, APos, std::chrono::steady_clock::now()});
    };
    ProcessPendingMessages();
  }
  TcxControlScrollBarsManager* Manager() { return Control->ScrollBarsManager(); }
  TRect Part(TcxControlScrollBarHelper* ABar, TcxScrollBarPart APart) {
    return ABar->ViewInfo()->GetPartInfo(APart)->Bounds();
  }
  TPoint At(TcxControlScrollBarHelper* ABar, TcxScrollBarPart APart) {
    const TRect r = Part(ABar, APart);
    return TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  }
  void SendToControl(UINT AMsg, const TPoint& P, WPARAM AKeys = 0) {
    SendMessageW(Control->Handle(), AMsg, AKeys, MAKELPARAM(P.X, P.Y));
  }
  void Hover(const TPoint& P, WPARAM AKeys = 0) {
    const TPoint screen = Control->ClientToScreen(P);
    SetCursorPos(screen.X, screen.Y);
    SendToControl(WM_MOUSEMOVE, P, AKeys);
  }
  // A person's press: the mouse comes over the point first.
  void PressAt(const TPoint& P) {
    Hover(P);
    SendToControl(WM_LBUTTONDOWN, P, MK_LBUTTON);
  }
  void ReleaseAt(const TPoint& P) { SendToControl(WM_LBUTTONUP, P); }
};

}  // namespace

TEST_F(PaintedScrollBarTest, ClicksOnThePaintedPartsScrollAndTheContentKeepsItsOwnClicks) {
  BuildControl();
  Vert->SetSmallChange(3);
  Vert->SetLargeChange(10);
  Vert->SetPosition(50);
  for (const PartClick& c : PartClicks) {
    SCOPED_TRACE(static_cast<int>(c.Part));
    Scrolls.clear();
    const TPoint at = At(Vert, c.Part);
    PressAt(at);
    EXPECT_EQ(Vert, Manager()->HotScrollBar());
    EXPECT_EQ(c.Part, Vert->ViewInfo()->PressedPart());
    EXPECT_TRUE(Manager()->IsCapture());
    EXPECT_EQ(GetCapture(), Control->Handle());
    ReleaseAt(at);
    EXPECT_EQ(c.Position, Vert->Position());
    EXPECT_EQ((std::vector<TScrollCode>{c.Code, scEndScroll}), Codes());
    EXPECT_FALSE(Manager()->IsCapture());
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ(c.Part, Vert->ViewInfo()->HotPart());
  }
  EXPECT_EQ(0, Control->ContentMouseDowns) << "presses on a bar stay with the bar";

  const TPoint content(50, 50);
  EXPECT_TRUE(Control->IsScrollBarsArea(At(Vert, sbpThumbnail)));
  EXPECT_FALSE(Control->IsScrollBarsArea(content));
  Scrolls.clear();
  PressAt(content);
  ReleaseAt(content);
  EXPECT_EQ(nullptr, Manager()->HotScrollBar());
  EXPECT_EQ(1, Control->ContentMouseDowns);
  EXPECT_TRUE(Scrolls.empty());

  // A disabled bar is never hot and does not scroll.
  Vert->SetEnabled(false);
  PressAt(At(Vert, sbpLineUp));
  ReleaseAt(At(Vert, sbpLineUp));
  EXPECT_EQ(nullptr, Manager()->HotScrollBar());
  EXPECT_TRUE(Scrolls.empty());
}

TEST_F(PaintedScrollBarTest, HoldingAPaintedButtonRepeatsAndLosingTheCaptureEndsIt) {
  BuildControl();
  TcxTimer* timer = Vert->Controller()->Timer();
  PressAt(At(Vert, sbpLineDown));
  ASSERT_EQ(1u, Scrolls.size()) << "once at once";
  ASSERT_TRUE(WaitForScrolls(3));
  EXPECT_GE(Milliseconds(Scrolls[0], Scrolls[1]), 350);
  EXPECT_EQ(60u, timer->Interval());
  EXPECT_LT(Milliseconds(Scrolls[1], Scrolls[2]), 60 + 150);

  // The hold goes on while the mouse wanders off the control.
  Hover(TPoint(-100, -100), MK_LBUTTON);
  PumpFor(std::chrono::milliseconds(60));
  EXPECT_EQ(Vert, Manager()->HotScrollBar()) << "a held bar keeps the mouse";
  // No context menu over the content while a bar holds the mouse.
  const TPoint content = Control->ClientToScreen(TPoint(50, 50));
  EXPECT_EQ(1, SendMessageW(Control->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Control->Handle()),
                            MAKELPARAM(content.X, content.Y)));

  ReleaseCapture();
  EXPECT_FALSE(Manager()->IsCapture());
  EXPECT_FALSE(timer->Enabled());
  EXPECT_EQ(sbpNone, Vert->ViewInfo()->PressedPart());
  EXPECT_EQ(scEndScroll, Scrolls.back().Code);
}

TEST_F(PaintedScrollBarTest, ThumbDragsOnAPaintedBarFollowAndSnapBack) {
  BuildControl();
  const TPoint press = At(Vert, sbpThumbnail);
  const int startTop = Part(Vert, sbpThumbnail).Top;
  PressAt(press);
  ASSERT_EQ(sbpThumbnail, Vert->ViewInfo()->PressedPart());
  SendToControl(WM_MOUSEMOVE, {press.X, press.Y + 40}, MK_LBUTTON);
  EXPECT_EQ(startTop + 40, Part(Vert, sbpThumbnail).Top);
  const int tracked = Vert->Position();
  EXPECT_GT(tracked, 0);
  // Far off the bar, and off the control: the capture still brings the moves.
  SendToControl(WM_MOUSEMOVE, {press.X + 200, press.Y + 40}, MK_LBUTTON);
  EXPECT_EQ(0, Vert->Position());
  EXPECT_EQ(startTop, Part(Vert, sbpThumbnail).Top);
  SendToControl(WM_MOUSEMOVE, {press.X, press.Y + 40}, MK_LBUTTON);
  EXPECT_EQ(tracked, Vert->Position());
  Scrolls.clear();
  ReleaseAt({press.X, press.Y + 40});
  EXPECT_EQ((std::vector<TScrollCode>{scPosition, scEndScroll}), Codes());
  EXPECT_EQ(tracked, Vert->Position());
  EXPECT_FALSE(Manager()->IsCapture());
}

TEST_F(PaintedScrollBarTest, TheMouseLeavingAPaintedBarResetsItsHotPart) {
  BuildControl();
  TcxControlScrollBarHelper* horz = Control->HorzBar.get();
  Hover(At(Vert, sbpLineUp));
  EXPECT_EQ(Vert, Manager()->HotScrollBar());
  EXPECT_EQ(sbpLineUp, Vert->ViewInfo()->HotPart());

  // Straight onto the other bar: the first is left at once.
  Hover(At(horz, sbpLineDown));
  EXPECT_EQ(horz, Manager()->HotScrollBar());
  EXPECT_EQ(sbpNone, Vert->ViewInfo()->HotPart());
  EXPECT_EQ(sbpLineDown, horz->ViewInfo()->HotPart());

  // Off the control with no message to it: the tracking finds out.
  const TPoint away = Form->ClientToScreen(TPoint(260, 260));
  SetCursorPos(away.X, away.Y);
  ASSERT_TRUE(PumpUntil([&] { return Manager()->HotScrollBar() == nullptr; }));
  EXPECT_EQ(sbpNone, horz->ViewInfo()->HotPart());

  // A bar that is unregistered while hot stops being hot.
  Hover(At(Vert, sbpPageDown));
  Manager()->UnRegisterScrollBar(Vert);
  EXPECT_EQ(nullptr, Manager()->HotScrollBar());
  EXPECT_EQ(sbpNone, Vert->ViewInfo()->HotPart());
  EXPECT_FALSE(Control->IsScrollBarsArea(At(Vert, sbpPageDown)));
  Manager()->RegisterScrollBar(Vert);
}

TEST_F(PaintedScrollBarTest, PaintedBarsShowTheirPartStatesInTheControl) {
  BuildControl();
  TcxControlScrollBarHelper* horz = Control->HorzBar.get();
  Vert->SetPosition(40);
  horz->SetPosition(60);
  struct TExpected {
    const char* Case;
    TPoint At;
    TColor Color;
  };
  const int width = Control->Width();
  TcxBitmap32 sheet(2 * width + 12, Control->Height() + 8, true);
  const auto check = [&](int AColumn, std::initializer_list<TExpected> AExpected) {
    ProcessPendingMessages();
    auto picture = CaptureWindow(Control);
    for (const auto& e : AExpected) {
      SCOPED_TRACE(e.Case);
      EXPECT_EQ(static_cast<TColor>(ColorToRGB(e.Color)), PixelColor(*picture, e.At.X, e.At.Y));
    }
    BitBlt(sheet.Canvas()->Handle(), 4 + AColumn * (width + 4), 4, width, Control->Height(),
           picture->Canvas()->Handle(), 0, 0, SRCCOPY);
  };
  Hover(At(Vert, sbpLineDown));
  check(0, {{"vertical line-down hot", At(Vert, sbpLineDown), PartColor(sbpLineDown, cxbsHot)},
            {"vertical thumb", At(Vert, sbpThumbnail), PartColor(sbpThumbnail, cxbsNormal)},
            {"vertical page-up", At(Vert, sbpPageUp), PartColor(sbpPageUp, cxbsNormal)},
            {"horizontal thumb", At(horz, sbpThumbnail), PartColor(sbpThumbnail, cxbsNormal)},
            {"content", TPoint(50, 50), clWhite}});
  PressAt(At(horz, sbpThumbnail));
  check(1, {{"vertical line-down left", At(Vert, sbpLineDown), PartColor(sbpLineDown, cxbsNormal)},
            {"horizontal thumb held", At(horz, sbpThumbnail), PartColor(sbpThumbnail, cxbsPressed)},
            {"horizontal line-up", At(horz, sbpLineUp), PartColor(sbpLineUp, cxbsNormal)},
            {"content", TPoint(50, 50), clWhite}});
  ReleaseAt(At(horz, sbpThumbnail));
  std::filesystem::create_directories("artifacts");
  SaveAsPng(sheet, L"artifacts\\PaintedScrollBars.png");
  EXPECT_TRUE(std::filesystem::exists("artifacts/PaintedScrollBars.png"));
}
