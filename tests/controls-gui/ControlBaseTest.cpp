// The control base on real windows: its three paint paths, its own scroll
// bars settling for a table of content sizes, scrolling by bars, keys and
// wheel, and its input routing (focus on click, enter and leave, dialog
// keys, shortcuts, context menus, the capture object).
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <utility>
#include <vector>

#include "components/controls/cxControls.h"
#include "components/controls/cxDWMApi.h"
#include "tests/controls-gui/StandInPainters.h"
#include "tests/guiharness/FormFixture.h"
#include "tests/guiharness/GuiDriver.h"
#include "tests/guiharness/WindowCapture.h"

namespace {

// A control with scrollable content of a given size, painted as a blue
// field with a red square at the content's origin.
class TContentControl : public TcxControl, public IdxScrollingControl {
public:
  using TcxControl::TcxControl;
  TSize Content{100, 100};
  int Left = 0;
  int Top = 0;
  bool DoubleBuffering = false;
  bool ReuseSpace = false;
  int Erases = 0;
  int OwnPrintErases = 0;
  int PrintClients = 0;
  std::vector<std::pair<TScrollBarKind, TScrollCode>> Scrolls;

  int GetHorzPos() override { return Left; }
  void SetHorzPos(int Value) override { Left = Value; }
  int GetVertPos() override { return Top; }
  void SetVertPos(int Value) override { Top = Value; }
  TSize GetContentExtent() override { return Content; }
  TcxControl* GetScrollingControl() override { return this; }
  void Scroll(TScrollBarKind AKind, TScrollCode ACode, int& APos) override {
    Scrolls.emplace_back(AKind, ACode);
    TdxScrollHelper::Scroll(this, AKind, ACode, APos);
  }
  using TcxControl::GetWheelScrollAxis;

protected:
  bool NeedsDoubleBuffering() override { return DoubleBuffering; }
  bool CanReuseScrollBarSpace(TScrollBarKind) override { return ReuseSpace; }
  void InitScrollBarsParameters() override { TdxScrollHelper::InitScrollBarsParameters(this); }
  void DoPaint() override {
    TcxControl::DoPaint();
    Canvas()->FillRect(ClientBounds(), clBlue);
    Canvas()->FillRect(TRect(10 - Left, 10 - Top, 30 - Left, 30 - Top), clRed);
  }
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_ERASEBKGND) {
      ++Erases;
      if (cxIsEraseFromOwnPrint(Message)) ++OwnPrintErases;
    }
    if (Message.Msg == WM_PRINTCLIENT) ++PrintClients;
    TcxControl::WndProc(Message);
  }
};

// Fakes the window manager's answer on composition for one test.
class TCompositionAnswer {
public:
  explicit TCompositionAnswer(bool AEnabled) : FSaved(BoundAnswer()) {
    cxDwmIsCompositionEnabled = AEnabled ? Enabled : Disabled;
  }
  ~TCompositionAnswer() { cxDwmIsCompositionEnabled = FSaved; }

private:
  // The library loads on first use; load it first so that it does not
  // replace the fake.
  static TcxDwmIsCompositionEnabled BoundAnswer() {
    cxIsDwmLoaded();
    return cxDwmIsCompositionEnabled;
  }
  static HRESULT WINAPI Enabled(BOOL* AValue) { return *AValue = TRUE, S_OK; }
  static HRESULT WINAPI Disabled(BOOL* AValue) { return *AValue = FALSE, S_OK; }
  TcxDwmIsCompositionEnabled FSaved;
};

// Sets the system's wheel lines for one test.
class TWheelLines {
public:
  explicit TWheelLines(UINT ALines) {
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &FSaved, 0);
    SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, ALines, nullptr, 0);
  }
  ~TWheelLines() { SystemParametersInfoW(SPI_SETWHEELSCROLLLINES, FSaved, nullptr, 0); }

private:
  UINT FSaved = 3;
};

// The root painter under the names of the plain and the native look, with
// a red border two pixels wide.
class TRootPainter : public TcxCustomLookAndFeelPainter {
public:
  TRootPainter(const String& AName, TcxLookAndFeelStyle AStyle) : FName(AName), FStyle(AStyle) {}
  String LookAndFeelName() override { return FName; }
  TcxLookAndFeelStyle LookAndFeelStyle() override { return FStyle; }
  int BorderSize() override { return 2; }
  void DrawBorder(TcxCanvas* ACanvas, const TRect& R) override { ACanvas->FillRect(R, clRed); }

private:
  String FName;
  TcxLookAndFeelStyle FStyle;
};

struct ControlBase : FormFixture {
  ControlBase() {
    Painters.Add(std::make_unique<TRootPainter>(L"UltraFlat", lfsUltraFlat));
    Painters.Add(std::make_unique<TRootPainter>(L"Native", lfsNative));
  }
  ~ControlBase() override {
    delete Form;
    Form = nullptr;
  }
  TStandInPainters Painters;
  TContentControl* Control = nullptr;
  const int BarWidth = GetSystemMetrics(SM_CXVSCROLL);
  const int BarHeight = GetSystemMetrics(SM_CYHSCROLL);

  void Build(int AWidth = 200, int AHeight = 150, TSize AContent = {100, 100}) {
    Form->SetBounds(100, 100, 320, 260);
    Control = Add<TContentControl>(10, 10);
    Control->Content = AContent;
    Control->SetBounds(10, 10, AWidth, AHeight);
    Form->Show();
    Control->UpdateScrollBars();
    ProcessPendingMessages();
  }
  bool HVisible() { return Control->GetHorzScrollBar()->Visible(); }
  bool VVisible() { return Control->GetVertScrollBar()->Visible(); }
  LRESULT Send(UINT AMsg, WPARAM AWParam = 0, LPARAM ALParam = 0) {
    return SendMessageW(Control->Handle(), AMsg, AWParam, ALParam);
  }
};

}  // namespace

// ---------------------------------------------------------------- painting

TEST_F(ControlBase, EachPaintPathFollowsBufferingAndComposition) {
  Build();
  const struct {
    const char* Case;
    bool DoubleBuffering;
    bool Composition;
    bool OwnPrintErase;
    bool PrintClient;
  } cases[] = {
      {"direct", false, false, false, false},
      {"double-buffered", true, false, true, false},
      {"buffered on glass", true, true, true, true},
      {"direct although composition is on", false, true, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Case);
    TCompositionAnswer composition(c.Composition);
    Control->DoubleBuffering = c.DoubleBuffering;
    Control->OwnPrintErases = Control->PrintClients = 0;
    Control->Invalidate();
    auto picture = CaptureWindow(Control);
    EXPECT_EQ(c.OwnPrintErase, Control->OwnPrintErases > 0);
    EXPECT_EQ(c.PrintClient, Control->PrintClients > 0);
    EXPECT_EQ(clBlue, PixelColor(*picture, 5, 5));
    EXPECT_EQ(clRed, PixelColor(*picture, 10, 10));
    EXPECT_EQ(clRed, PixelColor(*picture, 29, 29));
    EXPECT_EQ(clBlue, PixelColor(*picture, 30, 30));
    EXPECT_EQ(clBlue, PixelColor(*picture, 199, 149));
  }
}

TEST_F(ControlBase, ABufferedControlErasesOnlyThroughItsOwnPrint) {
  Build();
  Control->DoubleBuffering = true;
  Control->SetParentBackground(true);
  HDC dc = GetDC(Control->Handle());
  EXPECT_EQ(1, Send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc))) << "answered, nothing drawn";
  ReleaseDC(Control->Handle(), dc);
  Control->SetParentBackground(false);
  dc = GetDC(Control->Handle());
  EXPECT_EQ(0, Send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc))) << "left to the paint";
  ReleaseDC(Control->Handle(), dc);
}

TEST_F(ControlBase, TheActiveCanvasIsAScreenCanvasUntilTheWindowExists) {
  auto* control = new TContentControl(Form);
  control->SetBounds(0, 0, 50, 40);
  TcxCanvas* before = control->ActiveCanvas();
  EXPECT_NE(control->Canvas(), before);
  EXPECT_EQ(before, control->ActiveCanvas()) << "the same one every time";
  EXPECT_EQ(TRect(0, 0, 50, 40), control->Bounds());
  control->SetParent(Form);
  Form->Show();
  EXPECT_EQ(control->Canvas(), control->ActiveCanvas());
}

TEST_F(ControlBase, FontListenersHearInOrderAfterTheControl) {
  struct TListener : IcxFontListener {
    TListener(std::vector<int>* AOrder, int AId) : Order(AOrder), Id(AId) {}
    std::vector<int>* Order;
    int Id;
    void FontChanged(TObject*, TFont*) override { Order->push_back(Id); }
  };
  Build();
  std::vector<int> order;
  TListener first(&order, 1);
  TListener second(&order, 2);
  Control->AddFontListener(&first);
  Control->AddFontListener(&second);
  Control->Font()->SetSize(14);
  EXPECT_EQ((std::vector<int>{1, 2}), order);
  Control->RemoveFontListener(&first);
  Control->Font()->SetSize(15);
  EXPECT_EQ((std::vector<int>{1, 2, 2}), order);
}

// ---------------------------------------------------------------- scroll bars

TEST_F(ControlBase, ScrollBarsShowAndHideForTheContentAndClientSizes) {
  const struct {
    const char* Case;
    TSize Content;
    bool Reuse;
    bool H, V;
  } cases[] = {
      {"fits", {200, 150}, false, false, false},
      {"too wide", {300, 100}, false, true, false},
      {"too high", {100, 300}, false, false, true},
      {"both", {300, 300}, false, true, true},
      {"high, then too wide once the vertical bar takes room", {195, 160}, false, true, true},
      {"fits once neither bar takes room", {200, 150}, true, false, false},
  };
  Build();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Case);
    Control->Content = c.Content;
    Control->ReuseSpace = c.Reuse;
    Control->UpdateScrollBars();
    EXPECT_EQ(c.H, HVisible());
    EXPECT_EQ(c.V, VVisible());
    EXPECT_EQ(c.H && c.V, cxGetControlSizeGrip(Control)->Visible());
    TRect client(0, 0, 200 - (c.V ? BarWidth : 0), 150 - (c.H ? BarHeight : 0));
    EXPECT_EQ(client, Control->ClientBounds());
    if (c.H) EXPECT_EQ(TRect(0, client.Bottom, client.Right, 150), Control->GetHorzScrollBar()->BoundsRect());
    if (c.V) EXPECT_EQ(TRect(client.Right, 0, 200, client.Bottom), Control->GetVertScrollBar()->BoundsRect());
  }
  // Exactly one bar thickness more than the client in both directions,
  // without reusing the space, needs both bars.
  Control->Content = {200 + BarWidth, 150 + BarHeight};
  Control->ReuseSpace = false;
  Control->UpdateScrollBars();
  EXPECT_TRUE(HVisible() && VVisible());
  Control->Content = {200, 150};
  Control->ReuseSpace = true;
  Control->UpdateScrollBars();
  EXPECT_FALSE(HVisible() || VVisible());
}

TEST_F(ControlBase, BarDataDecidesVisibilityWithTheStyle) {
  Build();
  struct TInfoControl : TContentControl {
    using TContentControl::TContentControl;
    std::function<void(TcxControl*)> Describe = [](TcxControl*) {};
    void InitScrollBarsParameters() override { Describe(this); }
  };
  auto* control = Add<TInfoControl>(10, 10);
  control->SetBounds(10, 10, 200, 150);
  const struct {
    const char* Case;
    TScrollStyle Style;
    int Max;
    bool AllowHide;
    bool Visible, Enabled;
  } cases[] = {
      {"valid range", ssBoth, 100, false, true, true},
      {"range too small, kept", ssBoth, 5, false, true, false},
      {"range too small, hidden", ssBoth, 5, true, false, true},
      {"style without the bar", ssHorizontal, 100, false, false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Case);
    control->SetScrollBars(c.Style);
    control->Describe = [&c](TcxControl* AControl) {
      AControl->SetScrollBarInfo(sbVertical, 0, c.Max, 1, 10, 0, true, c.AllowHide);
      AControl->SetScrollBarInfo(sbHorizontal, 0, 0, 1, 10, 0, false, true);
    };
    control->UpdateScrollBars();
    EXPECT_EQ(c.Visible, control->GetVertScrollBar()->Visible());
    if (c.Visible) EXPECT_EQ(c.Enabled, control->GetVertScrollBar()->Enabled());
  }
}

TEST_F(ControlBase, LockedUpdatesRunOnceAtTheLastUnlock) {
  struct TCountingControl : TContentControl {
    using TContentControl::TContentControl;
    int Updates = 0;
    void DoUpdateScrollBars() override {
      ++Updates;
      TContentControl::DoUpdateScrollBars();
    }
  };
  Form->Show();
  auto* control = Add<TCountingControl>(0, 0);
  control->SetBounds(0, 0, 100, 100);
  control->LockScrollBars();
  control->LockScrollBars();
  control->UpdateScrollBars();
  control->LockScrollBars();
  control->UpdateScrollBars();
  const int before = control->Updates;
  control->UnlockScrollBars();
  control->UnlockScrollBars();
  EXPECT_EQ(before, control->Updates);
  control->UnlockScrollBars();
  EXPECT_EQ(before + 1, control->Updates);
  control->UnlockScrollBars();  // one too many changes nothing
  EXPECT_EQ(before + 1, control->Updates);
}

TEST_F(ControlBase, ABarThatWouldSwitchForeverStaysVisibleAndDisabled) {
  // Wants the vertical bar exactly while it is hidden: each update would
  // switch it again, re-laying the control out without end.
  struct TSwingingControl : TContentControl {
    using TContentControl::TContentControl;
    int Calculations = 0;
    void InitScrollBarsParameters() override {
      ++Calculations;
      const bool wanted = !GetVertScrollBar()->Visible();
      SetScrollBarInfo(sbVertical, 0, wanted ? 100 : 0, 1, 10, 0, true, true);
      SetScrollBarInfo(sbHorizontal, 0, 0, 1, 10, 0, true, true);
    }
  };
  Form->Show();
  auto* control = Add<TSwingingControl>(0, 0);
  control->SetBounds(0, 0, 120, 100);
  control->UpdateScrollBars();
  EXPECT_TRUE(control->GetVertScrollBar()->Visible());
  EXPECT_FALSE(control->GetVertScrollBar()->Enabled());
  EXPECT_LT(control->Calculations, 10);
}

TEST_F(ControlBase, TheScrollHelperKeepsTheLastFullPageInView) {
  Build(200, 150, {1000, 600});
  const int clientWidth = 200 - BarWidth;
  const int clientHeight = 150 - BarHeight;
  TdxScrollHelper::SetPos(Control, 5000, 5000);
  EXPECT_EQ(1000 - clientWidth, Control->Left);
  EXPECT_EQ(600 - clientHeight, Control->Top);
  TdxScrollHelper::SetPos(Control, -5, -5);
  EXPECT_EQ(0, Control->Left);
  Control->Content = {50, 50};
  Control->Left = Control->Top = 30;
  TdxScrollHelper::CheckPositions(Control);
  EXPECT_EQ(0, Control->Left);
  EXPECT_EQ(0, Control->Top);
}

TEST_F(ControlBase, ScrollingByTheBarsKeysAndWheel) {
  Build(200, 150, {1000, 600});
  const HWND vbar = Control->GetVertScrollBar()->GetControl()->Handle();
  const HWND hbar = Control->GetHorzScrollBar()->GetControl()->Handle();
  Send(WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(vbar));
  EXPECT_EQ(10, Control->Top);
  EXPECT_EQ(10, Control->GetVertScrollBar()->Position()) << "the bar follows";
  Send(WM_VSCROLL, SB_PAGEDOWN, reinterpret_cast<LPARAM>(vbar));
  EXPECT_EQ(10 + Control->ClientHeight(), Control->Top);
  for (int i = 0; i < 10; ++i) Send(WM_HSCROLL, SB_PAGEDOWN, reinterpret_cast<LPARAM>(hbar));
  EXPECT_EQ(1000 - (200 - BarWidth), Control->Left) << "clamped to the last page";
  Control->ScrollContent(dirUp);
  EXPECT_EQ(Control->ClientHeight(), Control->Top);

  // The wheel: deltas pile up to a notch; a reversal starts again.
  Control->Top = 0;
  TWheelLines lines(3);
  const struct {
    const char* Case;
    std::vector<int> Deltas;
    int Top;
  } cases[] = {
      {"three small steps make a notch", {-40, -40, -40}, 30},
      {"a reversal starts anew", {40, 40, -40, -40, -40}, 60},
      {"one big step counts as one notch", {-360}, 90},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Case);
    for (int delta : c.Deltas) Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), 0);
    EXPECT_EQ(c.Top, Control->Top);
  }
}

TEST_F(ControlBase, APageWheelScrollsTheBarOfTheAskedAxis) {
  struct THorizontalWheel : TContentControl {
    using TContentControl::TContentControl;
    TcxWheelScrollAxis GetWheelScrollAxis() override { return wsaHorizontal; }
  };
  Form->SetBounds(100, 100, 320, 260);
  auto* control = Add<THorizontalWheel>(0, 0);
  control->Content = {1000, 100};
  control->SetBounds(0, 0, 200, 150);
  Form->Show();
  control->UpdateScrollBars();
  TWheelLines pages(WHEEL_PAGESCROLL);
  SendMessageW(control->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  ASSERT_EQ(1u, control->Scrolls.size());
  EXPECT_EQ(sbHorizontal, control->Scrolls[0].first);
  EXPECT_EQ(scPageDown, control->Scrolls[0].second);
  EXPECT_EQ(control->ClientWidth(), control->Left);
}

TEST_F(ControlBase, AHandledWheelLeavesTheAccumulatorAlone) {
  Build(200, 150, {1000, 600});
  bool handle = true;
  Control->OnMouseWheel = [&handle](TObject*, TShiftState, int, const TPoint&, bool& Handled) {
    Handled = handle;
  };
  Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-80)), 0);
  handle = false;
  Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-80)), 0);
  EXPECT_EQ(0, Control->Top) << "80 piled up, not 160";
  Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-40)), 0);
  EXPECT_NE(0, Control->Top);
}

TEST_F(ControlBase, BothBarsAndTheSizeGripAsAPicture) {
  Build(200, 150, {1000, 600});
  auto picture = CaptureWindow(Control);
  const TRect grip = Control->GetSizeGripBounds();
  EXPECT_EQ(ColorToRGB(Control->GetPainter()->DefaultSizeGripAreaColor()),
            PixelColor(*picture, grip.Left + 2, grip.Top + 2));
  EXPECT_EQ(clBlue, PixelColor(*picture, 100, 100));
  EXPECT_EQ(clRed, PixelColor(*picture, 15, 15));
  std::filesystem::create_directories("artifacts");
  SaveAsPng(*picture, L"artifacts\\ControlScrollBars.png");
}

// ---------------------------------------------------------------- input

TEST_F(ControlBase, AClickFocusesTheControlAndTellsHowFocusCame) {
  Build();
  auto* other = Add<TContentControl>(250, 10);
  other->SetBounds(250, 10, 40, 40);
  other->SetFocus();
  TcxControlActivateType seen = atOther;
  Control->OnEnter = [&](TObject*) { seen = Control->ActivateType(); };
  int downs = 0;
  Control->OnMouseDown = [&downs](TObject*, TMouseButton, TShiftState, int, int) { ++downs; };
  Send(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 20));
  EXPECT_FALSE(Control->Focused()) << "a double click does not focus";
  Send(WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
  Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
  Send(WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
  EXPECT_TRUE(Control->Focused());
  EXPECT_EQ(atByMouse, seen);
  EXPECT_EQ(atOther, Control->ActivateType());
  EXPECT_EQ(TPoint(20, 20), Control->MouseDownPos());
  EXPECT_EQ(2, downs);
}

TEST_F(ControlBase, AControlThatRefusesFocusEndsThePressWithoutMouseDown) {
  Build();
  auto* other = Add<TContentControl>(250, 10);
  other->SetBounds(250, 10, 40, 40);
  other->SetFocus();
  Control->OnEnter = [other](TObject*) { other->SetFocus(); };
  int downs = 0;
  Control->OnMouseDown = [&downs](TObject*, TMouseButton, TShiftState, int, int) { ++downs; };
  Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
  EXPECT_EQ(0, downs);
  EXPECT_EQ(nullptr, GetCapture());
  Send(WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
}

TEST_F(ControlBase, EnterAndLeaveCountOnlyTheControlItself) {
  Build();
  auto* child = new TCustomControl(Form);
  child->SetParent(Control);
  child->SetBounds(5, 5, 20, 20);
  int enters = 0;
  int leaves = 0;
  Control->OnMouseEnter = [&enters](TObject*) { ++enters; };
  Control->OnMouseLeave = [&leaves](TObject*) { ++leaves; };
  const auto self = reinterpret_cast<LPARAM>(Control);
  const struct {
    UINT Msg;
    LPARAM Control;
    int Enters, Leaves;
  } steps[] = {
      {CM_MOUSEENTER, reinterpret_cast<LPARAM>(child), 0, 0},
      {CM_MOUSEENTER, self, 1, 0},
      {CM_MOUSEENTER, 0, 1, 0},
      {CM_MOUSELEAVE, reinterpret_cast<LPARAM>(child), 1, 0},
      {CM_MOUSELEAVE, self, 1, 1},
      {CM_MOUSELEAVE, 0, 1, 1},
  };
  for (const auto& step : steps) {
    Control->Perform(step.Msg, 0, step.Control);
    EXPECT_EQ(step.Enters, enters);
    EXPECT_EQ(step.Leaves, leaves);
  }
  // The child's own enter reaches the control naming the child.
  child->Perform(CM_MOUSEENTER);
  EXPECT_EQ(1, enters);
}

TEST_F(ControlBase, DialogCodesFollowTheKeysAndCtrl) {
  Build();
  const struct {
    TcxKeys Keys;
    bool Ctrl;
    LRESULT Code;
  } cases[] = {
      {{}, false, 0},
      {{kArrows, kTab}, false, DLGC_WANTARROWS | DLGC_WANTTAB},
      {{kArrows, kTab}, true, DLGC_WANTARROWS},
      {{kAll, kChars}, false, DLGC_WANTALLKEYS | DLGC_WANTCHARS},
  };
  BYTE keys[256];
  GetKeyboardState(keys);
  for (const auto& c : cases) {
    Control->SetKeys(c.Keys);
    BYTE pressed[256];
    std::copy(std::begin(keys), std::end(keys), pressed);
    pressed[VK_CONTROL] = c.Ctrl ? 0x80 : 0;
    SetKeyboardState(pressed);
    EXPECT_EQ(c.Code, Send(WM_GETDLGCODE));
  }
  SetKeyboardState(keys);
}

TEST_F(ControlBase, TabMovesOnUnlessTheControlWantsIt) {
  Build();
  auto* next = Add<TContentControl>(250, 10);
  next->SetBounds(250, 10, 40, 40);
  std::vector<uint16_t> keysSeen;
  Control->OnKeyDown = [&keysSeen](TObject*, uint16_t& Key, TShiftState) { keysSeen.push_back(Key); };
  Control->SetFocus();
  PressKey(VK_TAB);
  EXPECT_TRUE(next->Focused()) << "a dialog key for the form";
  Control->SetFocus();
  Control->SetKeys({kTab});
  PressKey(VK_TAB);
  EXPECT_TRUE(Control->Focused());
  EXPECT_EQ(std::vector<uint16_t>{VK_TAB}, keysSeen);
}

TEST_F(ControlBase, ShortcutsGoToThePopupMenuThenTheForm) {
  Build();
  TPopupMenu menu(nullptr);
  int menuClicks = 0;
  auto* item = new TMenuItem(&menu);
  item->SetShortCut(ShortCut(VK_F5, {}));
  item->OnClick = [&menuClicks](TObject*) { ++menuClicks; };
  menu.Items()->Add(item);
  Control->SetPopupMenu(&menu);
  int formShortCuts = 0;
  Form->OnShortCut = [&formShortCuts](TMessage& Msg, bool& Handled) {
    Handled = Msg.WParam == VK_F6;
    if (Handled) ++formShortCuts;
  };
  std::vector<uint16_t> keysSeen;
  Control->OnKeyDown = [&keysSeen](TObject*, uint16_t& Key, TShiftState) { keysSeen.push_back(Key); };
  Control->SetFocus();
  for (WORD key : {VK_F5, VK_F6, VK_F7}) PressKey(key);
  EXPECT_EQ(1, menuClicks);
  EXPECT_EQ(1, formShortCuts);
  EXPECT_EQ(std::vector<uint16_t>{VK_F7}, keysSeen);
}

TEST_F(ControlBase, ContextMenusOpenAtThePointOrTheOriginAndNeverOverTheBars) {
  struct TRecordingMenu : TPopupMenu {
    using TPopupMenu::TPopupMenu;
    std::vector<TPoint> Points;
    void Popup(int X, int Y) override { Points.emplace_back(X, Y); }
  };
  Build(200, 150, {1000, 600});
  TRecordingMenu menu(nullptr);
  Control->SetPopupMenu(&menu);
  TComponent notAMenu(nullptr);
  Control->SetPopupMenu(&notAMenu);
  EXPECT_EQ(nullptr, Control->PopupMenu()) << "refused";
  Control->SetPopupMenu(&menu);
  const TPoint at = Control->ClientToScreen({30, 40});
  Send(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Control->Handle()), MAKELPARAM(at.X, at.Y));
  Send(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Control->Handle()), MAKELPARAM(-1, -1));
  const HWND bar = Control->GetVertScrollBar()->GetControl()->Handle();
  const TPoint onBar = Control->ClientToScreen({195, 20});
  SendMessageW(bar, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(bar), MAKELPARAM(onBar.X, onBar.Y));
  ASSERT_EQ(2u, menu.Points.size());
  EXPECT_EQ(at, menu.Points[0]);
  EXPECT_EQ(Control->ClientToScreen({0, 0}), menu.Points[1]);
  EXPECT_EQ(Control, menu.PopupComponent());
}

TEST_F(ControlBase, TheCaptureObjectIsToldWhenReplaced) {
  struct THolder : TObject, IcxCaptureHolder {
    int Losses = 0;
    void LoseCapture() override { ++Losses; }
  };
  Build();
  THolder first, second;
  Control->SetMouseCaptureObject(&first);
  EXPECT_EQ(Control->Handle(), GetCapture());
  Control->SetMouseCaptureObject(&second);
  EXPECT_EQ(1, first.Losses);
  Send(WM_CANCELMODE);
  EXPECT_EQ(1, second.Losses);
  EXPECT_EQ(nullptr, Control->MouseCaptureObject());
  EXPECT_EQ(nullptr, GetCapture());
}

TEST_F(ControlBase, TheLibraryCursorsAreRegisteredAndShownOverTheControl) {
  Build();
  const HCURSOR arrow = Screen->Cursors(crArrow);
  std::set<HCURSOR> cursors;
  for (TCursor index = 2100; index <= 2117; ++index) cursors.insert(Screen->Cursors(index));
  cursors.insert(Screen->Cursors(-2099));
  EXPECT_EQ(19u, cursors.size()) << "each its own";
  EXPECT_EQ(0u, cursors.count(arrow));
  Control->SetCursor(2116);
  SetCursorPos(Control->ClientToScreen({40, 40}).X, Control->ClientToScreen({40, 40}).Y);
  Send(WM_SETCURSOR, reinterpret_cast<WPARAM>(Control->Handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(Screen->Cursors(2116), GetCursor());
}

TEST_F(ControlBase, ABackgroundImageIsAllTheControlPaints) {
  // A striped bitmap: red in its left half, green in its right half.
  struct TImageControl : TContentControl, IcxBackgroundImageSource {
    using TContentControl::TContentControl;
    TcxBitmap* Image = nullptr;
    TWinControl* ImageControl = nullptr;
    TcxBitmap* GetBackgroundImage() override { return Image; }
    TWinControl* GetBackgroundImageControl() override { return ImageControl; }
  };
  Form->SetBounds(100, 100, 320, 260);
  Form->Show();
  TcxBitmap image(200, 100);
  image.cxCanvas()->FillRect(TRect(0, 0, 100, 100), clRed);
  image.cxCanvas()->FillRect(TRect(100, 0, 200, 100), clLime);
  auto* own = Add<TImageControl>(0, 0);
  own->Content = {10, 10};  // no scroll bars over the picture
  own->SetBounds(0, 0, 100, 50);
  own->Image = &image;
  own->ImageControl = own;
  auto* under = Add<TImageControl>(90, 60);
  under->Content = {10, 10};
  under->SetBounds(90, 60, 20, 20);
  under->Image = &image;
  under->ImageControl = Form;
  auto ownPicture = CaptureWindow(own);
  EXPECT_EQ(clRed, PixelColor(*ownPicture, 10, 10)) << "stretched to half the width";
  EXPECT_EQ(clLime, PixelColor(*ownPicture, 90, 40));
  auto underPicture = CaptureWindow(under);
  EXPECT_EQ(clRed, PixelColor(*underPicture, 5, 5)) << "the bitmap at the control's place";
  EXPECT_EQ(clLime, PixelColor(*underPicture, 15, 5));
  own->Image = nullptr;
  own->Invalidate();
  EXPECT_EQ(clBlue, PixelColor(*CaptureWindow(own), 50, 25)) << "without a bitmap the content";
}

TEST_F(ControlBase, TheBarsAndGripShowTheirPartOfTheParentsBackgroundImage) {
  struct TImageControl : TContentControl, IcxBackgroundImageSource {
    using TContentControl::TContentControl;
    TcxBitmap* Image = nullptr;
    TcxBitmap* GetBackgroundImage() override { return Image; }
    TWinControl* GetBackgroundImageControl() override { return this; }
  };
  Form->SetBounds(100, 100, 320, 260);
  Form->Show();
  // Red in the left half, green in the right half of the control.
  TcxBitmap image(200, 150);
  image.cxCanvas()->FillRect(TRect(0, 0, 100, 150), clRed);
  image.cxCanvas()->FillRect(TRect(100, 0, 200, 150), clLime);
  auto* control = Add<TImageControl>(10, 10);
  control->Content = {1000, 600};
  control->SetBounds(10, 10, 200, 150);
  control->Image = &image;
  control->UpdateScrollBars();
  auto picture = CaptureWindow(control);
  const TRect h = control->GetHorzScrollBar()->BoundsRect();
  EXPECT_EQ(clRed, PixelColor(*picture, h.Left + 5, h.Top + 5)) << "the horizontal bar's left end";
  EXPECT_EQ(clLime, PixelColor(*picture, h.Right - 5, h.Top + 5));
  const TRect v = control->GetVertScrollBar()->BoundsRect();
  EXPECT_EQ(BarWidth, v.Width()) << "the system's thickness from the start";
  EXPECT_EQ(clLime, PixelColor(*picture, v.Left + 5, v.Top + 5));
  const TRect grip = control->GetSizeGripBounds();
  EXPECT_EQ(clLime, PixelColor(*picture, grip.Left + 5, grip.Top + 5));
}

TEST_F(ControlBase, TheDefaultBorderIsThePaintersAndLookAndFeelChangesReachTheControl) {
  struct TLookControl : TContentControl {
    using TContentControl::TContentControl;
    int Changes = 0;
    void LookAndFeelChanged(TcxLookAndFeel*, TcxLookAndFeelValues) override { ++Changes; }
  };
  Form->SetBounds(100, 100, 320, 260);
  Form->Show();
  auto* control = Add<TLookControl>(10, 10);
  control->Content = {10, 10};
  control->SetBounds(10, 10, 120, 90);
  EXPECT_EQ(TRect(0, 0, 120, 90), control->ClientBounds());
  control->SetBorderStyle(cxcbsDefault);
  const int border = control->GetPainter()->BorderSize();
  ASSERT_GT(border, 0);
  EXPECT_EQ(TRect(border, border, 120 - border, 90 - border), control->ClientBounds());
  auto picture = CaptureWindow(control);
  EXPECT_EQ(clRed, PixelColor(*picture, 1, 1)) << "the border";
  EXPECT_EQ(clBlue, PixelColor(*picture, 60, 60));
  TcxLookAndFeel other(nullptr);
  other.SetNativeStyle(!control->LookAndFeel()->NativeStyle());
  control->SetLookAndFeel(&other);
  EXPECT_GE(control->Changes, 1);
}

TEST_F(ControlBase, ANewBorderStyleReLaysOutTheBarsAndRepaintsTheControl) {
  Build(200, 150, {1000, 600});
  ValidateRect(Control->Handle(), nullptr);
  Control->SetBorderStyle(cxcbsDefault);
  const int b = Control->GetPainter()->BorderSize();
  ASSERT_GT(b, 0);
  const int barsLeft = 200 - b - BarWidth, barsTop = 150 - b - BarHeight;
  EXPECT_EQ(TRect(barsLeft, b, 200 - b, barsTop), Control->GetVertScrollBar()->BoundsRect());
  EXPECT_EQ(TRect(b, barsTop, barsLeft, 150 - b), Control->GetHorzScrollBar()->BoundsRect());
  // The border is drawn by the next paint: every side of it waits for one.
  TcxRegion invalid;
  GetUpdateRgn(Control->Handle(), invalid.Handle(), FALSE);
  for (const TPoint& p : {TPoint(0, 0), TPoint(100, 0), TPoint(0, 75), TPoint(199, 75), TPoint(100, 149)})
    EXPECT_TRUE(invalid.PtInRegion(p)) << p.X << ", " << p.Y;
}
