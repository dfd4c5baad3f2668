// The library's hints on real windows: the hint controller taking the
// application's hints over and giving them back with two style controllers,
// the controller that applies to a hinted control, the pauses handed to the
// application, the hint window's animation as the system's tooltip settings
// say, and its placement and look.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "components/controls/cxHints.h"
#include "tests/guiharness/FormFixture.h"
#include "tests/guiharness/GuiDriver.h"
#include "tests/guiharness/WindowCapture.h"

namespace {

class THintWindowA : public TcxCustomHintWindow {
  VCL_COMPONENT_CLASS(THintWindowA, TcxCustomHintWindow)
public:
  using TcxCustomHintWindow::TcxCustomHintWindow;
};

class THintWindowB : public TcxCustomHintWindow {
  VCL_COMPONENT_CLASS(THintWindowB, TcxCustomHintWindow)
public:
  using TcxCustomHintWindow::TcxCustomHintWindow;
};

// Logs what its controller tells it.
class THintStyleA : public TcxCustomHintStyle {
  VCL_COMPONENT_CLASS(THintStyleA, TcxCustomHintStyle)
public:
  using TcxCustomHintStyle::TcxCustomHintStyle;
  TClass GetHintWindowClass() override { return THintWindowA::StaticClass(); }
  void ControllerChanged(TcxCustomHintStyleController*) override { Log.push_back(L"changed"); }
  void ControllerRemoved(TcxCustomHintStyleController*) override { Log.push_back(L"removed"); }
  void PrepareHint(String& HintStr, bool&, THintInfo&) override { HintStr += L" (A)"; }
  void Assign(TPersistent* Source) override {
    auto* source = dynamic_cast<THintStyleA*>(Source);
    if (!source) return TcxCustomHintStyle::Assign(Source);
    Tone = source->Tone;
  }
  void Touch() { Changed(); }
  int Tone = 0;
  static inline std::vector<String> Log;
};

class THintStyleB : public THintStyleA {
  VCL_COMPONENT_CLASS(THintStyleB, THintStyleA)
public:
  using THintStyleA::THintStyleA;
  TClass GetHintWindowClass() override { return THintWindowB::StaticClass(); }
  void PrepareHint(String& HintStr, bool&, THintInfo&) override { HintStr += L" (B)"; }
};

// Every application hint the test sees, with the window class it was to
// show in.
struct TShownHints {
  std::vector<String> Texts;
  std::vector<TClass> Classes;
  TShowHintEvent Handler() {
    return [this](String& HintStr, bool&, THintInfo& HintInfo) {
      Texts.push_back(HintStr);
      Classes.push_back(HintInfo.HintWindowClass);
    };
  }
};

struct Hints : FormFixture {
  Hints() {
    Application->OnShowHint = Original.Handler();
    Form->SetBounds(100, 100, 400, 300);
    Hinted = Add<TcxControl>(20, 20);
    Hinted->SetBounds(20, 20, 100, 60);
    Hinted->SetHint(L"Hint of the control");
    Form->Show();
    ProcessPendingMessages();
  }
  ~Hints() override {
    Application->CancelHint();
    Application->OnShowHint = nullptr;
  }
  // A controller owned by AOwner (none by default).
  std::unique_ptr<TcxCustomHintStyleController> NewController(TClass AStyle, TComponent* AOwner = nullptr) {
    return std::make_unique<TcxCustomHintStyleController>(AOwner, AStyle);
  }
  void HintOverControl() { Application->ActivateHint(Hinted->ClientToScreen(TPoint(10, 10))); }
  TShownHints Original;
  TcxControl* Hinted = nullptr;
};

}  // namespace

TEST_F(Hints, TwoControllersTakeTheApplicationsHintsAndTheLastGivesThemBack) {
  const TClass platformClass = HintWindowClass;
  auto first = NewController(THintStyleA::StaticClass());
  EXPECT_EQ(THintWindowA::StaticClass(), HintWindowClass);
  auto second = NewController(THintStyleB::StaticClass());
  EXPECT_EQ(THintWindowB::StaticClass(), HintWindowClass) << "the newest controller's window";
  HintOverControl();
  ASSERT_EQ(1u, Original.Texts.size()) << "the saved handler still runs, once";
  EXPECT_EQ(L"Hint of the control (B)", Original.Texts[0]);
  ASSERT_NE(nullptr, Application->HintWindow());
  EXPECT_EQ(THintWindowB::StaticClass(), Application->HintWindow()->ClassType());

  second.reset();
  EXPECT_EQ(THintWindowA::StaticClass(), HintWindowClass);
  HintOverControl();
  ASSERT_EQ(2u, Original.Texts.size());
  EXPECT_EQ(L"Hint of the control (A)", Original.Texts[1]);

  first.reset();
  EXPECT_EQ(platformClass, HintWindowClass);
  HintOverControl();
  ASSERT_EQ(3u, Original.Texts.size()) << "the handler of before is the application's again";
  EXPECT_EQ(L"Hint of the control", Original.Texts[2]);
  EXPECT_EQ(platformClass, Application->HintWindow()->ClassType());
}

TEST_F(Hints, AControllerOwnedByAParentServesBeforeTheNewestGlobalOne) {
  auto own = std::unique_ptr<TcxCustomHintStyleController>(
      new TcxCustomHintStyleController(Form, THintStyleA::StaticClass()));
  auto global = NewController(THintStyleB::StaticClass());
  String shownCaption;
  own->OnShowHintEx = [](TObject*, String& Caption, String& HintStr, bool&, THintInfo&) {
    Caption = L"Caption";
    HintStr += L"!";
  };
  HintOverControl();
  ASSERT_EQ(1u, Original.Texts.size());
  EXPECT_EQ(L"Hint of the control (A)!", Original.Texts[0]) << "the form's own controller prepared it";
  EXPECT_EQ(THintWindowA::StaticClass(), Original.Classes[0]);
  EXPECT_EQ(L"Caption", own->HintWindow()->Caption());
  EXPECT_EQ(Hinted, cxHintController()->HintedControl());

  own.reset();
  global->SetGlobal(false);
  HintOverControl();
  ASSERT_EQ(2u, Original.Texts.size());
  EXPECT_EQ(L"Hint of the control", Original.Texts[1]) << "no controller applies: left as it was";
  global->SetGlobal(true);
  HintOverControl();
  EXPECT_EQ(L"Hint of the control (B)", Original.Texts[2]);

  Hinted->SetHint(L"");
  HintOverControl();
  EXPECT_EQ(3u, Original.Texts.size()) << "a control without a hint shows none";
}

// The control under the mouse is asked before the application's handler,
// also when the hint is its parent's: a nonzero answer to CM_HINTSHOW keeps
// the hint hidden.
TEST_F(Hints, TheControlUnderTheMouseMayRefuseTheHint) {
  class TAnsweringControl : public TcxControl {
  public:
    using TcxControl::TcxControl;
    LRESULT Answer = 0;
    String AskedFor;  // the hint text of the info it was asked with

  protected:
    void WndProc(TMessage& Message) override {
      if (Message.Msg != CM_HINTSHOW) return TcxControl::WndProc(Message);
      AskedFor = reinterpret_cast<THintInfo*>(Message.LParam)->HintStr;
      Message.Result = Answer;
    }
  };
  auto* control = new TAnsweringControl(Form);
  control->SetBounds(150, 20, 100, 60);
  control->SetParent(Form);
  Form->SetHint(L"Of the form");
  ProcessPendingMessages();
  const struct {
    const wchar_t* OwnHint;
    LRESULT Answer;
    const wchar_t* Shown;  // null: none
  } cases[] = {
      {L"Its own", 1, nullptr},
      {L"Its own", 0, L"Its own"},
      {L"", 1, nullptr},
      {L"", 0, L"Of the form"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "own hint \"" << String(c.OwnHint) << "\", answer " << c.Answer);
    control->SetHint(c.OwnHint);
    control->Answer = c.Answer;
    control->AskedFor.clear();
    Original.Texts.clear();
    Application->ActivateHint(control->ClientToScreen(TPoint(10, 10)));
    EXPECT_EQ(String(c.OwnHint).empty() ? L"Of the form" : c.OwnHint, control->AskedFor);
    const bool shown = Application->HintWindow() && Application->HintWindow()->HandleAllocated() &&
                       IsWindowVisible(Application->HintWindow()->Handle());
    EXPECT_EQ(c.Shown != nullptr, shown);
    if (c.Shown) {
      ASSERT_EQ(1u, Original.Texts.size());
      EXPECT_EQ(c.Shown, Original.Texts[0]);
    } else {
      EXPECT_TRUE(Original.Texts.empty()) << "the application's handler is not asked";
    }
  }
}

TEST_F(Hints, PausesReachTheApplicationOutsideUpdatesAndStylesReachTheirListeners) {
  const int savedPause = Application->HintPause();
  auto controller = NewController(THintStyleA::StaticClass());
  controller->SetHintPause(700);
  EXPECT_EQ(700, Application->HintPause());
  controller->BeginUpdate();
  controller->SetHintPause(900);
  EXPECT_EQ(700, Application->HintPause()) << "held back while updating";
  controller->EndUpdate();
  EXPECT_EQ(900, Application->HintPause());
  Application->SetHintPause(savedPause);

  THintStyleA listener(nullptr);
  THintStyleA::Log.clear();
  std::vector<TcxCustomHintStyle*> changedStyles;
  controller->OnHintStyleChanged = [&](TObject*, TcxCustomHintStyle* AStyle) { changedStyles.push_back(AStyle); };
  controller->AddListener(&listener);
  controller->AddListener(&listener);
  static_cast<THintStyleA*>(controller->HintStyle())->Touch();
  EXPECT_EQ((std::vector<String>{L"changed"}), THintStyleA::Log) << "a listener added twice is told once";
  EXPECT_EQ((std::vector<TcxCustomHintStyle*>{controller->HintStyle(), &listener}), changedStyles);
  controller.reset();
  EXPECT_EQ((std::vector<String>{L"changed", L"removed"}), THintStyleA::Log);
}

TEST_F(Hints, AssignTakesThePausesTheStyleAndItsClassTheLookAndTheEvents) {
  struct TRegisteredStyleB {
    TRegisteredStyleB() { cxHintStyleClasses()->Register(THintStyleB::StaticClass(), L"B"); }
    ~TRegisteredStyleB() { cxHintStyleClasses()->Unregister(THintStyleB::StaticClass()); }
  } registered;
  const int savedPauses[] = {Application->HintShortPause(), Application->HintPause(), Application->HintHidePause()};
  auto source = NewController(THintStyleB::StaticClass());
  source->SetHintShortPause(11);
  source->SetHintPause(222);
  source->SetHintHidePause(3333);
  source->LookAndFeel()->SetKind(lfFlat);
  static_cast<THintStyleA*>(source->HintStyle())->Tone = 7;
  std::vector<String> events;
  source->OnHintStyleChanged = [&](TObject*, TcxCustomHintStyle*) { events.push_back(L"style changed"); };
  source->OnShowHint = [&](TObject*, String&, bool&, THintInfo&) { events.push_back(L"show"); };
  source->OnShowHintEx = [&](TObject*, String&, String&, bool&, THintInfo&) { events.push_back(L"show ex"); };

  auto target = NewController(THintStyleA::StaticClass());
  events.clear();
  target->Assign(source.get());
  EXPECT_EQ(11, target->HintShortPause());
  EXPECT_EQ(222, target->HintPause());
  EXPECT_EQ(3333, target->HintHidePause());
  EXPECT_EQ((std::vector<int>{11, 222, 3333}),
            (std::vector<int>{Application->HintShortPause(), Application->HintPause(), Application->HintHidePause()}));
  EXPECT_EQ(L"THintStyleB", target->HintStyleClassName());
  EXPECT_EQ(THintWindowB::StaticClass(), target->HintWindow()->ClassType());
  EXPECT_EQ(7, static_cast<THintStyleA*>(target->HintStyle())->Tone);
  EXPECT_EQ(lfFlat, target->LookAndFeel()->Kind());

  events.clear();
  static_cast<THintStyleA*>(target->HintStyle())->Touch();
  String caption, hint;
  bool canShow = true;
  THintInfo info{};
  ASSERT_TRUE(target->OnShowHint && target->OnShowHintEx);
  target->OnShowHint(target.get(), hint, canShow, info);
  target->OnShowHintEx(target.get(), caption, hint, canShow, info);
  EXPECT_EQ((std::vector<String>{L"style changed", L"show", L"show ex"}), events);

  target.reset();
  source.reset();
  Application->SetHintShortPause(savedPauses[0]);
  Application->SetHintPause(savedPauses[1]);
  Application->SetHintHidePause(savedPauses[2]);
}

namespace {

// Records the animation asked for instead of running it, and sets the
// system's tooltip animation for one test.
struct AnimationRecorder {
  AnimationRecorder() : FSaved(cxAnimateWindowProc) {
    cxAnimateWindowProc = Record;
    SystemParametersInfoW(SpiGetToolTipAnimation, 0, &FSavedAnimation, 0);
    SystemParametersInfoW(SpiGetToolTipFade, 0, &FSavedFade, 0);
    Flags.clear();
  }
  ~AnimationRecorder() {
    cxAnimateWindowProc = FSaved;
    SetSystem(FSavedAnimation, FSavedFade);
  }
  static bool SetSystem(BOOL AAnimation, BOOL AFade) {
    SystemParametersInfoW(SpiGetToolTipAnimation + 1, 0, reinterpret_cast<void*>(INT_PTR(AAnimation)), 0);
    SystemParametersInfoW(SpiGetToolTipFade + 1, 0, reinterpret_cast<void*>(INT_PTR(AFade)), 0);
    BOOL animation = !AAnimation;
    BOOL fade = !AFade;
    SystemParametersInfoW(SpiGetToolTipAnimation, 0, &animation, 0);
    SystemParametersInfoW(SpiGetToolTipFade, 0, &fade, 0);
    return !animation == !AAnimation && !fade == !AFade;
  }
  static BOOL WINAPI Record(HWND, DWORD, DWORD AFlags) {
    Flags.push_back(AFlags);
    return TRUE;
  }
  static constexpr UINT SpiGetToolTipAnimation = 0x1016;
  static constexpr UINT SpiGetToolTipFade = 0x1018;
  static inline std::vector<DWORD> Flags;

private:
  TcxAnimateWindowProc FSaved;
  BOOL FSavedAnimation = FALSE;
  BOOL FSavedFade = FALSE;
};

}  // namespace

TEST_F(Hints, TheWindowAnimatesAsTheSystemsTooltipsDo) {
  AnimationRecorder recorder;
  if (!AnimationRecorder::SetSystem(TRUE, TRUE)) GTEST_SKIP() << "the system keeps no tooltip settings";
  const String longText(100, L'x');
  const struct {
    const char* Case;
    TcxHintAnimationStyle Style;
    BOOL Animation;
    BOOL Fade;
    String Text;
    DWORD Flags;  // 0: none
  } cases[] = {
      {"automatic with fading", cxhaAuto, TRUE, TRUE, L"Hint", AW_BLEND | AW_SLIDE},
      {"automatic without fading", cxhaAuto, TRUE, FALSE, L"Hint", AW_VER_POSITIVE | AW_SLIDE},
      {"tooltip animation off", cxhaAuto, FALSE, TRUE, L"Hint", 0},
      {"slide from the left", cxhaSlideFromLeft, TRUE, FALSE, L"Hint", AW_HOR_POSITIVE | AW_SLIDE},
      {"no animation asked", cxhaNone, TRUE, TRUE, L"Hint", 0},
      {"a text of 100 characters", cxhaAuto, TRUE, TRUE, longText, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Case);
    ASSERT_TRUE(AnimationRecorder::SetSystem(c.Animation, c.Fade));
    AnimationRecorder::Flags.clear();
    TcxCustomHintWindow window(nullptr);
    window.SetAnimationStyle(c.Style);
    window.ActivateHint(TRect(200, 200, 300, 220), c.Text);
    EXPECT_TRUE(IsWindowVisible(window.Handle()));
    EXPECT_EQ(c.Flags != 0, window.HasAnimation());
    if (c.Flags) EXPECT_EQ(std::vector<DWORD>{c.Flags}, AnimationRecorder::Flags);
    else EXPECT_TRUE(AnimationRecorder::Flags.empty());
    AnimationRecorder::Flags.clear();
    window.ActivateHint(TRect(200, 200, 300, 220), c.Text);
    EXPECT_TRUE(AnimationRecorder::Flags.empty()) << "shown again within 250 ms: no animation";
  }
}

TEST_F(Hints, TheWindowStaysInTheWorkAreaOnTopAndShowsItsText) {
  const TRect work = cxGetDesktopWorkAreaAtPoint(TPoint(0, 0));
  TcxCustomHintWindow window(nullptr);
  window.SetAnimationStyle(cxhaNone);
  window.SetBorderStyle(bsNone);
  window.Font()->SetColor(clBlack);
  const TRect size = window.CalcHintRect(400, L"A hint of the library", nullptr);
  EXPECT_GT(size.Width(), 20);
  window.SetBounds(work.Right - 10, work.Bottom - 5, size.Width(), size.Height());
  EXPECT_EQ(work.Right - size.Width(), window.Left()) << "moved back inside the work area";
  EXPECT_EQ(work.Bottom - size.Height(), window.Top());

  TRect r = size;
  r.Offset(60, 40);
  window.ActivateHint(r, L"A hint of the library");
  const LONG_PTR style = GetWindowLongPtrW(window.Handle(), GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrW(window.Handle(), GWL_EXSTYLE);
  EXPECT_EQ(0, style & WS_BORDER) << "no border asked for";
  EXPECT_NE(0, exStyle & WS_EX_TOPMOST);
  EXPECT_NE(GetForegroundWindow(), window.Handle()) << "shown without taking the activation";
  ProcessPendingMessages();
  auto picture = CaptureWindow(&window);
  std::filesystem::create_directories("artifacts");
  SaveAsPng(*picture, L"artifacts\\HintWindow.png");
  const TColor background = static_cast<TColor>(GetSysColor(COLOR_INFOBK));
  EXPECT_EQ(background, PixelColor(*picture, 0, 0));
  EXPECT_EQ(background, PixelColor(*picture, picture->Width() - 1, picture->Height() - 1));
  int textPixels = 0;
  for (int y = 0; y < picture->Height(); ++y)
    for (int x = 0; x < picture->Width(); ++x)
      if (PixelColor(*picture, x, y) == clBlack) ++textPixels;
  EXPECT_GT(textPixels, 30) << "the text is drawn";
}

TEST_F(Hints, HintInfoForAPartOfAControlPassesTheApplicationsHandler) {
  Application->OnShowHint = nullptr;
  std::unique_ptr<THintWindow> window;
  THintInfo info;
  TRect r(150, 160, 250, 180);
  ASSERT_TRUE(cxPrepareHintInfo(info, window, Hinted, L"Cell text", r, nullptr, 0));
  EXPECT_EQ(Hinted, info.HintControl);
  EXPECT_EQ(nullptr, info.HintWindowClass) << "no window yet";
  EXPECT_EQ(TPoint(150, 160), info.HintPos);
  EXPECT_EQ(Application->HintHidePause(), info.HideTimeout);
  EXPECT_EQ(TRect(0, 0, 100, 60), info.CursorRect);
  EXPECT_EQ(TRect(150, 160, 250, 180), r) << "without a handler the rectangle stays";
  EXPECT_EQ(nullptr, window.get());

  auto controller = NewController(THintStyleA::StaticClass());
  cxRecreateHintWindow(window, THintWindow::StaticClass(), clInfoBk);
  EXPECT_EQ(THintWindow::StaticClass(), window->ClassType());
  info = THintInfo{};
  cxResetHintedControl();
  ASSERT_TRUE(cxPrepareHintInfo(info, window, Hinted, L"Cell text", r, nullptr, 1234));
  EXPECT_EQ(1234, info.HideTimeout);
  EXPECT_EQ(L"Cell text (A)", info.HintStr) << "the controller's style prepared it";
  ASSERT_NE(nullptr, window.get());
  EXPECT_EQ(THintWindowA::StaticClass(), window->ClassType()) << "made anew as the controller needs";
  const TRect text = window->CalcHintRect(info.HintMaxWidth, info.HintStr, nullptr);
  EXPECT_EQ(TRect(150, 160, 150 + text.Width(), 160 + text.Height()), r);
  cxActivateHintWindow(window.get(), r, info.HintStr);
  EXPECT_TRUE(IsWindowVisible(window->Handle()));

  const struct {
    const char* Case;
    bool CanShow;
    const wchar_t* Text;
  } refusals[] = {{"forbidden", false, L"text"}, {"text taken away", true, L""}};
  for (const auto& c : refusals) {
    SCOPED_TRACE(c.Case);
    controller->OnShowHint = [&](TObject*, String& HintStr, bool& CanShow, THintInfo&) {
      HintStr = c.Text;
      CanShow = c.CanShow;
    };
    EXPECT_FALSE(cxPrepareHintInfo(info, window, Hinted, L"Cell text", r, nullptr, 0));
  }
}

// ---------------------------------------------------------------- hints for parts of a control

namespace {

// A part of a control with a hint: where its hint area lies and how its
// hint behaves.
class THintedPart : public TObject, public IcxHintableObject {
public:
  TRect Area;  // in the control's client coordinates
  bool Follows = false;
  bool HidePause = true;
  bool HintAreaContains(const TPoint& P) override { return Area.Contains(P); }
  bool HintFollowsMouse() override { return Follows; }
  bool HintHidePauseApplies() override { return HidePause; }
};

class TPartHintHelper : public TcxControlHintHelper {
public:
  explicit TPartHintHelper(TcxControl* AControl) : FControl(AControl) {}
  int HideTimeout = 0;  // 0: the application's

protected:
  TcxControl* GetOwnerTcxControl() override { return FControl; }
  int GetHideTimeout() override { return HideTimeout ? HideTimeout : TcxControlHintHelper::GetHideTimeout(); }

private:
  TcxControl* FControl;
};

// Runs the timers for a while.
void Wait(int AMilliseconds) {
  const DWORD until = GetTickCount() + AMilliseconds;
  while (static_cast<int>(until - GetTickCount()) > 0) {
    ProcessPendingMessages();
    Sleep(5);
  }
}

void SendLeftButton(bool ADown) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = ADown ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  SendInput(1, &input, sizeof(input));
  ProcessPendingMessages();
}

// The mouse rests over the control's top-left part; hints show over the
// lower part, away from the mouse.
struct PartHints : Hints {
  PartHints() {
    Hinted->SetHint(L"");  // the application's own hint stays out of the way
    SetForegroundWindow(Form->Handle());
    MoveTo(10, 10);
  }
  ~PartHints() override { SendLeftButton(false); }
  void MoveTo(int X, int Y) {
    const TPoint p = Hinted->ClientToScreen(TPoint(X, Y));
    SetCursorPos(p.X, p.Y);
    ProcessPendingMessages();
  }
  void Show(const String& AText, TObject* AObject = nullptr, const TRect& ATextRect = TRect(10, 40, 60, 55)) {
    Helper.ShowHint(TRect(0, 0, 50, 30), ATextRect, AText, false, AObject);
  }
  bool Shown() {
    THintWindow* window = Helper.HintWindow();
    return window && window->HandleAllocated() && IsWindowVisible(window->Handle());
  }
  // The parts outlive the helper that may still hint them.
  THintedPart Part;
  THintedPart Narrow;
  TPartHintHelper Helper{Hinted};
};

}  // namespace

TEST_F(PartHints, AskedAgainForTheSameHintNothingHappens) {
  Show(L"Cell");
  ASSERT_TRUE(Shown());
  ASSERT_EQ(1u, Original.Texts.size()) << "the application's handler had its say";
  RECT first;
  GetWindowRect(Helper.HintWindow()->Handle(), &first);
  const TPoint textOrigin = Hinted->ClientToScreen(TPoint(10, 40));
  EXPECT_LE(first.left, textOrigin.X);
  EXPECT_LE(first.top, textOrigin.Y);
  EXPECT_GT(first.right, textOrigin.X + 10) << "over the text rectangle";

  Show(L"Cell");
  EXPECT_EQ(1u, Original.Texts.size()) << "same object, text and text rectangle";
  Show(L"Cell", nullptr, TRect(20, 40, 70, 55));
  ASSERT_EQ(2u, Original.Texts.size()) << "another text rectangle shows anew";
  RECT moved;
  GetWindowRect(Helper.HintWindow()->Handle(), &moved);
  EXPECT_EQ(first.left + 10, moved.left);

  // A part whose hint has a hide pause and does not follow the mouse is
  // hinted once; another text only makes it be forgotten.
  Part.Area = TRect(0, 0, 50, 30);
  Show(L"Part", &Part);
  ASSERT_EQ(3u, Original.Texts.size());
  Show(L"Part", &Part);
  Show(L"Part, changed", &Part);
  EXPECT_EQ(3u, Original.Texts.size());
  EXPECT_TRUE(Shown());
  Show(L"Part, changed", &Part);
  EXPECT_EQ(4u, Original.Texts.size()) << "forgotten, so hinted again";
  EXPECT_EQ(L"Part, changed", Original.Texts.back());
}

TEST_F(PartHints, AHeldMouseButtonPreventsTheHintAndAPressHidesIt) {
  SendLeftButton(true);
  Show(L"Cell");
  EXPECT_FALSE(Shown());
  EXPECT_TRUE(Original.Texts.empty());
  SendLeftButton(false);
  Show(L"Cell");
  ASSERT_TRUE(Shown());
  Helper.MouseDown();
  EXPECT_FALSE(Shown());

  Show(L"Other cell");
  ASSERT_TRUE(Shown());
  SendLeftButton(true);
  Wait(250);
  EXPECT_FALSE(Shown()) << "the checker saw the button";
}

TEST_F(PartHints, TheHideTimerHidesTheHintAndAFollowingHintStaysWhileTheMouseMoves) {
  Helper.HideTimeout = 150;
  Part.Area = TRect(0, 0, 100, 30);
  Show(L"Part", &Part);
  ASSERT_TRUE(Shown());
  Wait(50);
  EXPECT_TRUE(Shown());
  Wait(250);
  EXPECT_FALSE(Shown()) << "the hide pause is over";
  Show(L"Part", &Part);
  EXPECT_FALSE(Shown()) << "not again for the same part";
  EXPECT_EQ(1u, Original.Texts.size());

  Helper.CancelHint();
  Helper.HideTimeout = 400;
  Part.Follows = true;
  Show(L"Part", &Part);
  ASSERT_TRUE(Shown());
  Wait(250);
  MoveTo(20, 12);
  Show(L"Part", &Part);  // the mouse moved: the hide pause starts again
  Wait(250);
  EXPECT_TRUE(Shown()) << "past the first pause, within the restarted one";
  Wait(500);
  EXPECT_FALSE(Shown());
}

TEST_F(PartHints, TheMouseLeavingTheHintAreaCancelsTheHint) {
  Narrow.Area = TRect(0, 0, 30, 30);
  const struct {
    const char* Case;
    THintedPart* Object;
    TPoint Inside;
    TPoint Outside;
  } cases[] = {
      {"the given area", nullptr, TPoint(40, 20), TPoint(70, 10)},
      {"the part's own point test", &Narrow, TPoint(20, 20), TPoint(40, 10)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Case);
    MoveTo(10, 10);
    Show(L"Cell", c.Object);
    ASSERT_TRUE(Shown());
    MoveTo(c.Inside.X, c.Inside.Y);
    Wait(60);
    EXPECT_TRUE(Shown()) << "still inside";
    MoveTo(c.Outside.X, c.Outside.Y);
    Wait(60);
    EXPECT_FALSE(Shown());
  }
  MoveTo(20, 20);
  const size_t shown = Original.Texts.size();
  Show(L"Cell", &Narrow);
  EXPECT_EQ(shown + 1, Original.Texts.size()) << "cancelled: the part was forgotten";
}
