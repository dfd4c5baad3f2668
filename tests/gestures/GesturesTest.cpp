#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "components/core/cxGraphics.h"
#include "components/core/dxGestures.h"
#include "tests/guiharness/FormFixture.h"
#include "tests/guiharness/GuiDriver.h"
#include "tests/guiharness/TouchScreen.h"

namespace {

// ---------------------------------------------------------------- controls

// A painted child that takes or passes on gestures as its touch settings say.
class TTouchChild : public TGraphicControl {
public:
  using TGraphicControl::TGraphicControl;
  std::vector<TGestureEventInfo> Events;

protected:
  void HandleGesture(const TGestureEventInfo& EventInfo, bool& Handled) override {
    Events.push_back(EventInfo);
    Handled = true;
  }
};

// A control whose whole client area is one gesture client that records
// what the helper asks of it.
class TGestureControl : public TCustomControl,
                        public IdxGestureOwner,
                        public IdxGestureClient,
                        public IdxZoomClient,
                        public IdxRotateClient {
public:
  explicit TGestureControl(TComponent* AOwner)
      : TCustomControl(AOwner), Helper(std::make_unique<TdxGestureHelper>(this)) {}

  std::unique_ptr<TdxGestureHelper> Helper;
  std::vector<TGestureEventInfo> Events;
  std::vector<TPoint> Scrolls;
  std::vector<int> Zooms;
  std::vector<double> Rotations;
  int PanBegins = 0;
  int PanEnds = 0;
  bool HandlesGestures = true;
  bool RaisesOnGesture = false;
  bool OverpanFeedback = true;
  bool PanHorizontally = true;
  bool PanVertically = true;
  TRect PanArea{0, 0, 10000, 10000};
  TInteractiveGestureOptions QueriedOptions;

  // IdxGestureOwner
  IdxGestureClient* FindGestureClient(const TPoint&) override { return this; }
  HWND GetGestureHandle() override { return Handle(); }
  bool IsOwnWindowHandle(HWND AWnd) override { return AWnd == Handle(); }
  TPoint ScreenToClient(const TPoint& P) override { return TControl::ScreenToClient(P); }
  // IdxGestureClient
  bool IsGestureAllowed(int) override { return true; }
  bool IsPanAllowed(TScrollBarKind AKind) override { return AKind == sbHorizontal ? PanHorizontally : PanVertically; }
  void BeginPanScrolling(const TPoint&) override { ++PanBegins; }
  void EndPanScrolling() override { ++PanEnds; }
  void GestureScroll(int ADeltaX, int ADeltaY) override { Scrolls.emplace_back(ADeltaX, ADeltaY); }
  int QueryPanOptions() override { return 0; }
  bool IsPointInClientArea(const TPoint& P) override { return PanArea.Contains(P); }
  bool WantsOverpanFeedback(TScrollBarKind) override { return OverpanFeedback; }
  // IdxZoomClient, IdxRotateClient
  void Zoom(int ADelta, bool& AHandled) override {
    Zooms.push_back(ADelta);
    AHandled = true;
  }
  void Rotate(double AAngle, bool& AHandled) override {
    Rotations.push_back(AAngle);
    AHandled = true;
  }

protected:
  void WndProc(TMessage& Message) override {
    if (Helper->HandleMessage(Message)) return;
    TCustomControl::WndProc(Message);
  }
  void HandleGesture(const TGestureEventInfo& EventInfo, bool& Handled) override {
    Events.push_back(EventInfo);
    if (RaisesOnGesture) throw Exception(L"gesture failed");
    if (HandlesGestures) Helper->DoGesture(EventInfo, Handled);
  }
  void QueryGestureOptions(TInteractiveGestures& Gestures, TInteractiveGestureOptions& Options) override {
    Helper->CheckGestureOptions(Gestures, Options);
    QueriedOptions = Options;
  }
};

struct GestureHelper : FormFixture {
  TTouchScreen TouchScreen;
  TGestureControl* Control = Add<TGestureControl>(0, 0);
  TTouchChild* Child = nullptr;

  GestureHelper() {
    Form->SetBounds(100, 100, 400, 300);
    Control->SetBounds(10, 10, 300, 200);
    Control->Touch().SetInteractiveGestures({igPan, igZoom, igRotate});
    Child = new TTouchChild(Form);
    Child->SetParent(Control);
    Child->SetBounds(200, 100, 50, 50);
    Form->Show();
    ProcessPendingMessages();
  }
  ~GestureHelper() override { dxSetPanScaling(false, 96); }

  HWND Window() { return Control->Handle(); }
  void StartTouch(HWND AWindow, const TPoint& AScreenPoint) { TouchScreen.StartTouch(AWindow, AScreenPoint); }
  LRESULT SendGesture(HWND AWindow, DWORD AId, DWORD AFlags, const TPoint& AScreenPoint, ULONGLONG AArguments = 0,
                      bool AReadable = true) {
    return TouchScreen.SendGesture(AWindow, AId, AFlags, AScreenPoint, AArguments, AReadable);
  }
  TPoint Screen(int X, int Y) { return Control->ClientToScreen(TPoint(X, Y)); }
  // A pan from one client point through the next ones; the last ends it.
  void Pan(const std::vector<TPoint>& APoints) {
    StartTouch(Window(), Screen(APoints[0].X, APoints[0].Y));
    for (size_t i = 0; i < APoints.size(); ++i) {
      DWORD flags = i == 0 ? GF_BEGIN : i + 1 == APoints.size() ? GF_END : 0;
      SendGesture(Window(), GID_PAN, flags, Screen(APoints[i].X, APoints[i].Y));
    }
  }
};

// ---------------------------------------------------------------- routines

TEST(GestureRoutines, GestureIdsMapToInteractiveGestureKinds) {
  const struct {
    int Id;
    TInteractiveGesture Kind;
  } cases[] = {{GID_ZOOM, igZoom},           {GID_PAN, igPan},          {GID_ROTATE, igRotate},
               {GID_TWOFINGERTAP, igTwoFingerTap}, {GID_PRESSANDTAP, igPressAndTap}, {GID_BEGIN, igPressAndTap},
               {99, igPressAndTap}};
  for (const auto& c : cases) EXPECT_EQ(c.Kind, dxGestureKindFromId(c.Id)) << c.Id;
}

TEST(GestureRoutines, PanFlagsAndOptionsConvertBothWays) {
  const struct {
    int Flags;
    TInteractiveGestureOptions Options;
  } cases[] = {
      {0, {}},
      {GC_PAN_WITH_SINGLE_FINGER_VERTICALLY, {igoPanSingleFingerVertical}},
      {GC_PAN_WITH_SINGLE_FINGER_HORIZONTALLY, {igoPanSingleFingerHorizontal}},
      {GC_PAN_WITH_GUTTER, {igoPanGutter}},
      {GC_PAN_WITH_INERTIA, {igoPanInertia}},
      {0x1E, {igoPanSingleFingerVertical, igoPanSingleFingerHorizontal, igoPanGutter, igoPanInertia}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.Options, dxPanFlagsToGestureOptions(c.Flags)) << c.Flags;
    EXPECT_EQ(c.Flags, dxGestureOptionsToPanFlags(c.Options)) << c.Flags;
  }
  // GC_PAN itself names no option; parent passthrough is no pan flag.
  EXPECT_EQ(TInteractiveGestureOptions{}, dxPanFlagsToGestureOptions(GC_PAN));
  EXPECT_EQ(0, dxGestureOptionsToPanFlags({igoParentPassthrough}));
  EXPECT_EQ(igoPanInertia, dxPanOptionIdToGestureOption(GC_PAN));
}

TEST(GestureRoutines, AppliedDpiComesFromTheUsersWindowMetrics) {
  const wchar_t* path = L"Control Panel\\Desktop\\WindowMetrics";
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                           nullptr));
  const DWORD applied = 144;
  RegSetValueExW(key, L"AppliedDPI", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&applied), sizeof(applied));
  EXPECT_EQ(144, dxGetAppliedDPI());
  RegDeleteValueW(key, L"AppliedDPI");
  RegCloseKey(key);
  EXPECT_EQ(cxCurrentDPI(), dxGetAppliedDPI());
}

// Wine has the configuration function but no gestures: it fails, and a
// blocked notification is answered all the same.
TEST(GestureRoutines, ConfigurationFailsWhereTheSystemHasNoGestures) {
  HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  EXPECT_FALSE(dxApplyGestureConfigs(window, {{GID_PAN, GC_PAN, 0}}));
  TMessage message{WM_GESTURENOTIFY, 0, 0, 0};
  EXPECT_FALSE(dxBlockAllGestures(window, message));
  EXPECT_EQ(1, message.Result);
  DestroyWindow(window);
}

// ---------------------------------------------------------------- routing and event records

TEST_F(GestureHelper, AGestureGoesToTheTouchedChildUnlessItPassesItToItsParent) {
  const struct {
    TInteractiveGestures ChildGestures;
    TInteractiveGestureOptions ChildOptions;
    bool ChildReceives;
  } cases[] = {
      {{}, {}, true},                          // no passthrough: the child gets it
      {{igPan}, {igoParentPassthrough}, true},  // passthrough, but the child takes pans
      {{igZoom}, {igoParentPassthrough}, false},
  };
  for (const auto& c : cases) {
    Child->Touch().SetInteractiveGestures(c.ChildGestures);
    Child->Touch().SetInteractiveGestureOptions(c.ChildOptions);
    Child->Events.clear();
    Control->Events.clear();
    Pan({{210, 110}, {220, 110}, {230, 110}});
    EXPECT_EQ(c.ChildReceives ? 3u : 0u, Child->Events.size());
    EXPECT_EQ(c.ChildReceives ? 0u : 3u, Control->Events.size());
    EXPECT_EQ(nullptr, Control->Helper->TouchControl()) << "the end event lets the control go";
  }
}

TEST_F(GestureHelper, ATouchOutsideTheClientAreaOrWithoutBeginReachesNoControl) {
  StartTouch(Window(), Screen(50, 50));
  SendGesture(Window(), GID_PAN, 0, Screen(60, 50));  // no begin: nothing runs
  EXPECT_TRUE(Control->Events.empty());
  SendGesture(Window(), GID_BEGIN, GF_BEGIN, Screen(60, 50));  // the session's own begin goes to the system
  EXPECT_TRUE(Control->Events.empty());
  StartTouch(Window(), Screen(-5, 50));
  SendGesture(Window(), GID_PAN, GF_BEGIN, Screen(-5, 50));
  EXPECT_TRUE(Control->Events.empty());
}

TEST_F(GestureHelper, EventRecordsCarryTheArgumentsOfEachGesture) {
  Control->Touch().SetInteractiveGestures({igPan, igTwoFingerTap, igPressAndTap});
  StartTouch(Window(), Screen(50, 40));
  const ULONGLONG panArguments = (ULONGLONG{0xFFFE0007} << 32) | 120;  // inertia (7, -2), distance 120
  SendGesture(Window(), GID_PAN, GF_BEGIN | GF_INERTIA, Screen(50, 40), panArguments);
  SendGesture(Window(), GID_TWOFINGERTAP, GF_BEGIN, Screen(60, 45), 33);
  const ULONGLONG tapDelta = (0xFFFDu << 16) | 12;  // (12, -3)
  SendGesture(Window(), GID_PRESSANDTAP, GF_BEGIN | GF_END, Screen(70, 50), tapDelta);
  ASSERT_EQ(3u, Control->Events.size());

  const TGestureEventInfo& pan = Control->Events[0];
  EXPECT_EQ(igiPan, pan.GestureID);
  EXPECT_EQ(TPoint(50, 40), pan.Location);
  EXPECT_EQ((TInteractiveGestureFlags{gfBegin, gfInertia}), pan.Flags);
  EXPECT_EQ(120, pan.Distance);
  EXPECT_EQ((TSmallPoint{7, -2}), pan.InertiaVector);
  EXPECT_EQ(igiTwoFingerTap, Control->Events[1].GestureID);
  EXPECT_EQ(33, Control->Events[1].Distance);
  const TGestureEventInfo& tap = Control->Events[2];
  EXPECT_EQ(igiPressAndTap, tap.GestureID);
  EXPECT_EQ(TPoint(70, 50), tap.Location);
  EXPECT_EQ((TSmallPoint{82, 47}), tap.TapLocation);
}

TEST_F(GestureHelper, RotationAnglesFollowTheSystemsConversion) {
  const struct {
    ULONGLONG Argument;
    double Angle;
  } cases[] = {{0, -2 * std::numbers::pi}, {65535, 2 * std::numbers::pi}, {32767, 0}, {49151, std::numbers::pi}};
  StartTouch(Window(), Screen(50, 50));
  for (const auto& c : cases) SendGesture(Window(), GID_ROTATE, GF_BEGIN, Screen(50, 50), c.Argument);
  ASSERT_EQ(std::size(cases), Control->Rotations.size());
  for (size_t i = 0; i < std::size(cases); ++i)
    EXPECT_NEAR(cases[i].Angle, Control->Rotations[i], 2e-4) << cases[i].Argument;
}

TEST_F(GestureHelper, ZoomGetsTheChangeOfDistanceStepByStep) {
  StartTouch(Window(), Screen(50, 50));
  SendGesture(Window(), GID_ZOOM, GF_BEGIN, Screen(50, 50), 100);
  SendGesture(Window(), GID_ZOOM, 0, Screen(50, 50), 130);
  SendGesture(Window(), GID_ZOOM, GF_END, Screen(50, 50), 125);
  EXPECT_EQ((std::vector<int>{0, 30, -5}), Control->Zooms);
}

// ---------------------------------------------------------------- gesture-info handles

TEST_F(GestureHelper, EveryGestureInfoHandleIsClosedOnceOrHandedToTheSystem) {
  std::vector<String> raised;
  Application->OnException = [&](TObject*, const Exception& E) { raised.push_back(E.Message()); };
  const struct {
    const char* Name;
    bool Readable;
    bool Handles;
    bool Raises;
    size_t ClosedHere;  // not handled: the default window procedure takes it over
  } cases[] = {
      {"handled", true, true, false, 1},
      {"not handled", true, false, false, 0},
      {"handler raises", true, true, true, 1},
      {"unreadable", false, true, false, 1},
  };
  for (const auto& c : cases) {
    Control->HandlesGestures = c.Handles;
    Control->RaisesOnGesture = c.Raises;
    StartTouch(Window(), Screen(50, 50));
    TTouchScreen::ForgetClosedHandles();
    const HGESTUREINFO handle = TouchScreen.NextHandle();
    SendGesture(Window(), GID_ZOOM, GF_BEGIN | GF_END, Screen(50, 50), 100, c.Readable);
    const std::vector<HGESTUREINFO> closed = TTouchScreen::ClosedHandles();
    EXPECT_EQ(c.ClosedHere, closed.size()) << c.Name;
    if (c.ClosedHere == 1 && !closed.empty()) {
      EXPECT_EQ(handle, closed[0]) << c.Name;
    }
  }
  Application->OnException = nullptr;
  EXPECT_EQ(std::vector<String>{L"gesture failed"}, raised);
}

// ---------------------------------------------------------------- touch start and options

TEST_F(GestureHelper, TheTouchStartTrimsSingleFingerPansToThoseTheClientTakes) {
  const TInteractiveGestureOptions all{igoPanSingleFingerHorizontal, igoPanSingleFingerVertical, igoPanInertia,
                                       igoPanGutter, igoParentPassthrough};
  const struct {
    TPoint Touch;
    bool Horizontal;
    bool Vertical;
    TInteractiveGestureOptions Expected;
  } cases[] = {
      {{50, 50}, true, true, all},
      {{50, 50}, false, true, all - TInteractiveGestureOptions{igoPanSingleFingerHorizontal}},
      {{50, 50}, true, false, all - TInteractiveGestureOptions{igoPanSingleFingerVertical}},
      {{150, 50}, true, true,
       all - TInteractiveGestureOptions{igoPanSingleFingerHorizontal, igoPanSingleFingerVertical}},
  };
  Control->PanArea = TRect(0, 0, 100, 200);
  for (const auto& c : cases) {
    Control->PanHorizontally = c.Horizontal;
    Control->PanVertically = c.Vertical;
    StartTouch(Window(), Screen(c.Touch.X, c.Touch.Y));
    EXPECT_EQ(c.Expected, Control->QueriedOptions) << c.Touch.X << " " << c.Horizontal << c.Vertical;
  }
  // Without pans among the gestures the options stay as they are.
  Control->Touch().SetInteractiveGestures({igZoom});
  StartTouch(Window(), Screen(150, 50));
  EXPECT_EQ(all, Control->QueriedOptions);
}

// ---------------------------------------------------------------- pan and overpan

TEST_F(GestureHelper, PanDeltasFirstTakeBackAnOverpanTheOtherWay) {
  const struct {
    const char* Name;
    int Overpan;  // set while the list was pulled past its end
    int Delta;
    bool End;
    int OverpanAfter;
    int Scrolled;
  } cases[] = {
      {"delta larger than the overpan", -20, 30, false, 0, 10},
      {"delta smaller than the overpan", -20, 10, false, -10, 0},
      {"same direction", -20, -5, false, -20, -5},
      {"end event", -20, 30, true, 0, 30},
  };
  for (const auto& c : cases) {
    Control->Scrolls.clear();
    StartTouch(Window(), Screen(100, 100));
    SendGesture(Window(), GID_PAN, GF_BEGIN, Screen(100, 100));
    Control->Helper->CheckOverpan(sbHorizontal, -1, 0, 10, c.Overpan, 0);
    ASSERT_EQ(c.Overpan, Control->Helper->OverPan().X) << c.Name;
    SendGesture(Window(), GID_PAN, c.End ? GF_END : 0, Screen(100 + c.Delta, 100));
    EXPECT_EQ(c.OverpanAfter, Control->Helper->OverPan().X) << c.Name;
    EXPECT_EQ(std::vector<TPoint>{TPoint(c.Scrolled, 0)}, Control->Scrolls) << c.Name;
    if (!c.End) SendGesture(Window(), GID_PAN, GF_END, Screen(100 + c.Delta, 100));
  }
}

TEST_F(GestureHelper, OverpanGrowsOnlyAtTheEndsOfTheRangeAndWhenTheClientWantsFeedback) {
  const struct {
    TScrollBarKind Kind;
    int NewPos;
    bool Feedback;
    TPoint Overpan;
  } cases[] = {
      {sbVertical, 0, true, {0, -7}},   {sbVertical, 10, true, {0, -7}}, {sbVertical, 5, true, {0, 0}},
      {sbHorizontal, 11, true, {3, 0}}, {sbHorizontal, -4, false, {0, 0}},
  };
  for (const auto& c : cases) {
    Control->OverpanFeedback = c.Feedback;
    StartTouch(Window(), Screen(100, 100));
    SendGesture(Window(), GID_PAN, GF_BEGIN, Screen(100, 100));
    Control->Helper->CheckOverpan(c.Kind, c.NewPos, 0, 10, 3, -7);
    EXPECT_EQ(c.Overpan, Control->Helper->OverPan()) << c.NewPos;
    SendGesture(Window(), GID_PAN, GF_END, Screen(100, 100));
  }
}

TEST_F(GestureHelper, PansOfADpiUnawareProcessAreScaledByTheAppliedDpi) {
  const struct {
    int AppliedDPI;
    TPoint Scrolled;
  } cases[] = {{144, {20, 10}}, {96, {30, 15}}, {0, {30, 15}}};
  for (const auto& c : cases) {
    dxSetPanScaling(true, c.AppliedDPI);
    Control->Scrolls.clear();
    Pan({{60, 30}, {90, 45}});
    EXPECT_EQ(std::vector<TPoint>{c.Scrolled}, Control->Scrolls) << c.AppliedDPI;
  }
}

TEST_F(GestureHelper, APanBeginsAndEndsOnceAndEndsWithTheWindow) {
  Pan({{60, 30}, {70, 30}, {80, 30}});
  EXPECT_EQ(1, Control->PanBegins);
  EXPECT_EQ(1, Control->PanEnds);
  EXPECT_FALSE(Control->Helper->IsPanning());

  StartTouch(Window(), Screen(60, 30));
  SendGesture(Window(), GID_PAN, GF_BEGIN, Screen(60, 30));
  EXPECT_TRUE(Control->Helper->IsPanning());
  Control->RecreateWnd();
  EXPECT_FALSE(Control->Helper->IsPanning());
  EXPECT_EQ(2, Control->PanEnds);
}

}  // namespace
