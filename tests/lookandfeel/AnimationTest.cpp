// Animation transitions: easing curves under every mode, the controller's
// ticks, listeners and rivals on a test clock, and the real timer once.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "components/lookandfeel/dxAnimation.h"
#include "tests/support/MessagePump.h"
#include "vcl/rtl/WinApi.h"

namespace {

// ---------------------------------------------------------------- fixtures

// Time stands still until a test moves it; a second has a million ticks.
int64_t testNow = 0;
int64_t ReadTestTicks() { return testNow; }

constexpr int64_t TicksPerSecond = 1'000'000;
constexpr int64_t StartTick = 5'000'000;  // a counter never reads 0

class AnimationTest : public ::testing::Test {
protected:
  void SetUp() override {
    testNow = StartTick;
    dxSetAnimationClock(ReadTestTicks, TicksPerSecond);
  }
  void TearDown() override {
    dxSetAnimationClock(nullptr, 0);
    EXPECT_EQ(0, Controller()->AnimationCount()) << "a test left transitions behind";
  }
  static TdxAnimationController* Controller() { return GetAnimationController(); }
  // Moves the clock to AMilliseconds after the start and ticks once.
  static void TickAt(int64_t AMilliseconds) {
    testNow = StartTick + AMilliseconds * TicksPerSecond / 1000;
    Controller()->Update();
  }
};

// Records every event of a transition as "event:position[:finished]".
struct TEventLog {
  std::vector<std::string> Events;
  void Attach(TdxAnimationTransition* ATransition) {
    ATransition->OnBeforeAnimate = Recorder("before");
    ATransition->OnAnimate = Recorder("animate");
    ATransition->OnAfterAnimate = Recorder("after");
    ATransition->OnTerminate = [this](TObject*) { Events.push_back("terminate"); };
  }
  TdxAnimationEvent Recorder(const std::string& AName) {
    return [this, AName](TdxAnimationTransition*, int& APosition, bool& AFinished) {
      Events.push_back(AName + ":" + std::to_string(APosition) + (AFinished ? ":finished" : ""));
    };
  }
  int Count(const std::string& AEvent) const { return static_cast<int>(std::count(Events.begin(), Events.end(), AEvent)); }
};

// Tells when it is freed, as the Info of a transition.
class TFreeWitness : public TObject {
  VCL_CLASS(TFreeWitness, TObject)
public:
  explicit TFreeWitness(bool& AFreed) : FFreed(AFreed) {}
  ~TFreeWitness() override { FFreed = true; }

private:
  bool& FFreed;
};

// ---------------------------------------------------------------- easing

struct TEasingCase {
  TdxAnimationTransitionEffect Effect;
  TdxAnimationTransitionEffectMode Mode;
  int Positions[9];  // at a tenth of the time, two tenths, ... nine tenths
};

// Length 1000 over one second; positions computed from the curves apart from
// this code (ties round to even: 62.5 gives 62, 937.5 gives 938).
const TEasingCase EasingCases[] = {
    {ateLinear, atmIn, {100, 200, 300, 400, 500, 600, 700, 800, 900}},
    {ateLinear, atmOut, {100, 200, 300, 400, 500, 600, 700, 800, 900}},
    {ateLinear, atmInOut, {100, 200, 300, 400, 500, 600, 700, 800, 900}},
    {ateAccelerateDecelerate, atmIn, {469, 738, 882, 953, 984, 996, 999, 1000, 1000}},
    {ateAccelerateDecelerate, atmOut, {469, 738, 882, 953, 984, 996, 999, 1000, 1000}},
    {ateAccelerateDecelerate, atmInOut, {469, 738, 882, 953, 984, 996, 999, 1000, 1000}},
    {ateCubic, atmIn, {1, 8, 27, 64, 125, 216, 343, 512, 729}},
    {ateCubic, atmOut, {271, 488, 657, 784, 875, 936, 973, 992, 999}},
    {ateCubic, atmInOut, {4, 32, 108, 256, 500, 744, 892, 968, 996}},
    {ateTanh, atmIn, {6, 24, 81, 230, 500, 770, 919, 976, 994}},
    {ateTanh, atmOut, {6, 24, 81, 230, 500, 770, 919, 976, 994}},
    {ateTanh, atmInOut, {6, 24, 81, 230, 500, 770, 919, 976, 994}},
    {ateBack, atmIn, {-8, -27, -46, -50, -25, 45, 173, 371, 646}},
    {ateBack, atmOut, {354, 629, 827, 955, 1025, 1050, 1046, 1027, 1008}},
    {ateBack, atmInOut, {-14, -25, 22, 185, 500, 815, 978, 1025, 1014}},
    {ateBounce, atmIn, {93, 200, 83, 194, 440, 642, 799, 910, 978}},
    {ateBounce, atmOut, {22, 90, 201, 358, 560, 806, 917, 800, 907}},
    {ateBounce, atmInOut, {100, 97, 321, 455, 500, 545, 679, 903, 900}},
    {ateCircle, atmIn, {5, 20, 46, 83, 134, 200, 286, 400, 564}},
    {ateCircle, atmOut, {436, 600, 714, 800, 866, 917, 954, 980, 995}},
    {ateCircle, atmInOut, {10, 42, 100, 200, 500, 800, 900, 958, 990}},
    {ateElastic, atmIn, {1, 1, -4, -6, 16, 40, -48, -212, 74}},
    {ateElastic, atmOut, {926, 1212, 1048, 960, 984, 1006, 1004, 999, 999}},
    {ateElastic, atmInOut, {0, -3, 20, -106, 500, 1106, 980, 1003, 1000}},
    {ateExponential, atmIn, {1, 3, 7, 14, 29, 60, 122, 246, 496}},
    {ateExponential, atmOut, {504, 754, 878, 940, 971, 986, 993, 997, 999}},
    {ateExponential, atmInOut, {1, 7, 30, 123, 500, 877, 970, 993, 999}},
    {ateSine, atmIn, {12, 49, 109, 191, 293, 412, 546, 691, 844}},
    {ateSine, atmOut, {156, 309, 454, 588, 707, 809, 891, 951, 988}},
    {ateSine, atmInOut, {24, 95, 206, 345, 500, 655, 794, 905, 976}},
    {ateQuadratic, atmIn, {10, 40, 90, 160, 250, 360, 490, 640, 810}},
    {ateQuadratic, atmOut, {190, 360, 510, 640, 750, 840, 910, 960, 990}},
    {ateQuadratic, atmInOut, {20, 80, 180, 320, 500, 680, 820, 920, 980}},
    {ateQuartic, atmIn, {0, 2, 8, 26, 62, 130, 240, 410, 656}},
    {ateQuartic, atmOut, {344, 590, 760, 870, 938, 974, 992, 998, 1000}},
    {ateQuartic, atmInOut, {1, 13, 65, 205, 500, 795, 935, 987, 999}},
    {ateCustom, atmIn, {100, 200, 300, 400, 500, 600, 700, 800, 900}},
    {ateCustom, atmOut, {100, 200, 300, 400, 500, 600, 700, 800, 900}},
    {ateCustom, atmInOut, {100, 200, 300, 400, 500, 600, 700, 800, 900}},
};

TEST_F(AnimationTest, EveryEffectAndModeFollowsItsCurveAndEndsAtTheLength) {
  for (const TEasingCase& c : EasingCases) {
    testNow = StartTick;
    auto* transition = new TdxAnimationTransition(1000, c.Effect, 1000, c.Mode);
    transition->Resume();
    for (int k = 1; k <= 9; ++k) {
      TickAt(100 * k);
      EXPECT_EQ(c.Positions[k - 1], transition->Position())
          << "effect " << static_cast<int>(c.Effect) << " mode " << static_cast<int>(c.Mode) << " at " << k << "/10";
    }
    bool terminated = false;
    transition->OnTerminate = [&](TObject*) { terminated = true; };
    TickAt(1000);  // ends and frees itself
    EXPECT_TRUE(terminated) << "effect " << static_cast<int>(c.Effect) << " mode " << static_cast<int>(c.Mode);
  }
}

TEST(TdxEaseHelper, CurvesRunFromZeroToOneAndInOutMeetsInTheMiddle) {
  for (auto effect : {ateCubic, ateBack, ateBounce, ateCircle, ateElastic, ateExponential, ateSine, ateQuadratic,
                      ateQuartic}) {
    EXPECT_NEAR(0, TdxEaseHelper::Curve(effect, 0), 1e-12) << static_cast<int>(effect);
    EXPECT_NEAR(1, TdxEaseHelper::Curve(effect, 1), 1e-12) << static_cast<int>(effect);
    EXPECT_NEAR(0.5, TdxEaseHelper::Ease(effect, atmInOut, 0.5), 1e-12) << static_cast<int>(effect);
  }
  // The bounces peak at 1/125, 1/25 and 1/5.
  const double W = 93.5;
  for (int i = 0; i < 3; ++i) {
    const double middle = ((std::pow(5.0, i) - 1) + (std::pow(5.0, i + 1) - 1)) / 2 / (4 * W);
    EXPECT_NEAR(std::pow(0.2, 3 - i), TdxEaseHelper::Curve(ateBounce, middle), 1e-12) << i;
  }
}

// ---------------------------------------------------------------- steps and events

TEST_F(AnimationTest, APositionAtZeroIsAnnouncedEveryStepAnUnchangedOtherOneNever) {
  auto* transition = new TdxAnimationTransition(1000, ateLinear, 10);
  TEventLog log;
  log.Attach(transition);
  transition->Resume();
  for (int ms : {10, 20, 500, 550, 600}) TickAt(ms);
  EXPECT_EQ((std::vector<std::string>{"before:0", "animate:0", "after:0", "before:0", "animate:0", "after:0",
                                      "before:5", "animate:5", "after:5", "before:6", "animate:6", "after:6"}),
            log.Events);
  transition->Terminate();
}

TEST_F(AnimationTest, PositionChangedLastsUntilTheEndOfTheTick) {
  auto* transition = new TdxAnimationTransition(1000, ateLinear, 10);
  bool changedDuringTick = false;
  transition->OnAnimate = [&](TdxAnimationTransition* Sender, int&, bool&) {
    changedDuringTick = Sender->PositionChanged();
  };
  transition->Resume();
  TickAt(500);
  EXPECT_TRUE(changedDuringTick);
  EXPECT_FALSE(transition->PositionChanged());
  transition->Terminate();
}

TEST_F(AnimationTest, AHandlerThatFinishesAnnouncesTheFinalPositionOnce) {
  auto* transition = new TdxAnimationTransition(1000, ateLinear, 100);
  TEventLog log;
  log.Attach(transition);
  transition->OnAnimate = [&](TdxAnimationTransition*, int& APosition, bool& AFinished) {
    log.Events.push_back("animate:" + std::to_string(APosition) + (AFinished ? ":finished" : ""));
    AFinished = true;
  };
  bool freed = false;
  transition->SetInfo(new TFreeWitness(freed));
  transition->Resume();
  TickAt(300);
  // The handler's step stops once the final position has been announced.
  EXPECT_EQ((std::vector<std::string>{"before:30", "animate:30", "before:100:finished", "animate:100:finished",
                                      "after:100:finished", "terminate"}),
            log.Events);
  EXPECT_TRUE(freed);
  EXPECT_EQ(0, Controller()->ActiveAnimations());
  EXPECT_FALSE(Controller()->TimerEnabled());
}

TEST_F(AnimationTest, FinishedJumpsToTheEndAndUnfinishedStartsOverFromNow) {
  auto* transition = new TdxAnimationTransition(1000, ateLinear, 100);
  transition->SetFreeOnTerminate(false);
  TEventLog log;
  log.Attach(transition);
  transition->Resume();
  TickAt(200);
  transition->SetFinished(true);
  EXPECT_EQ(100, transition->Position());
  EXPECT_EQ(1, log.Count("terminate"));
  EXPECT_EQ(0, Controller()->ActiveAnimations());

  transition->SetFinished(false);  // at 200 ms: the whole second again
  EXPECT_EQ(1, Controller()->ActiveAnimations());
  TickAt(700);
  EXPECT_EQ(50, transition->Position());
  TickAt(1200);
  EXPECT_TRUE(transition->Finished());
  EXPECT_EQ(2, log.Count("terminate"));
  EXPECT_EQ(0, Controller()->ActiveAnimations());
  EXPECT_FALSE(Controller()->TimerEnabled());
  delete transition;
}

// ---------------------------------------------------------------- running, pausing, ending

TEST_F(AnimationTest, APauseKeepsTheElapsedTimeAndTheTimerStopsWhenNothingRuns) {
  auto* transition = new TdxAnimationTransition(1000, ateLinear, 1000);
  EXPECT_TRUE(transition->Suspended());
  EXPECT_FALSE(Controller()->TimerEnabled());
  transition->Resume();
  EXPECT_EQ(1, Controller()->ActiveAnimations());
  EXPECT_TRUE(Controller()->TimerEnabled());
  TickAt(400);
  EXPECT_EQ(400, transition->Position());

  transition->Suspend();
  EXPECT_EQ(1, Controller()->ActiveAnimations());
  TickAt(900);
  EXPECT_EQ(400, transition->Position());
  transition->Resume();  // 400 ms have passed of the second
  EXPECT_EQ(1, Controller()->ActiveAnimations());
  TickAt(1000);
  EXPECT_EQ(500, transition->Position());

  bool freed = false;
  transition->SetInfo(new TFreeWitness(freed));
  transition->Suspend(true);
  EXPECT_TRUE(freed);
  EXPECT_EQ(0, Controller()->ActiveAnimations());
  EXPECT_FALSE(Controller()->TimerEnabled());
}

TEST_F(AnimationTest, EveryWayOfEndingStopsTheTimer) {
  const std::vector<std::function<void(TdxAnimationTransition*)>> endings{
      [](TdxAnimationTransition*) { TickAt(1000); },                       // time runs out
      [](TdxAnimationTransition* ATransition) { ATransition->Terminate(); },
      [](TdxAnimationTransition* ATransition) { ATransition->Suspend(true); },
      [](TdxAnimationTransition* ATransition) {  // a handler ends it
        ATransition->OnAfterAnimate = [](TdxAnimationTransition*, int&, bool& AFinished) { AFinished = true; };
        TickAt(100);
      },
  };
  for (size_t i = 0; i < endings.size(); ++i) {
    testNow = StartTick;
    auto* transition = new TdxAnimationTransition(1000, ateSine, 255);
    transition->Resume();
    TickAt(10);
    endings[i](transition);
    EXPECT_EQ(0, Controller()->AnimationCount()) << i;
    EXPECT_EQ(0, Controller()->ActiveAnimations()) << i;
    EXPECT_FALSE(Controller()->TimerEnabled()) << i;
  }
}

TEST_F(AnimationTest, AFinishedTransitionKeptByItsOwnerLeavesTheListWhenFreed) {
  auto* transition = new TdxAnimationTransition(100, ateLinear, 10);
  transition->SetFreeOnTerminate(false);
  transition->Resume();
  TickAt(100);
  TickAt(110);
  EXPECT_TRUE(transition->Finished());
  EXPECT_EQ(1, Controller()->AnimationCount());
  EXPECT_FALSE(Controller()->TimerEnabled());
  delete transition;
  EXPECT_EQ(0, Controller()->AnimationCount());
}

// ---------------------------------------------------------------- rivals

// Gives way to any transition that lasts longer.
class TYieldingTransition : public TdxAnimationTransition {
  VCL_CLASS(TYieldingTransition, TdxAnimationTransition)
public:
  using TdxAnimationTransition::TdxAnimationTransition;
  bool CanRunAlongside(TdxAnimationTransition* AAnimation) override { return AAnimation->Time() <= Time(); }
};

TEST_F(AnimationTest, ANewTransitionEndsThoseThatCannotRunAlongsideIt) {
  bool idleFreed = false, ownedFreed = false, companionFreed = false;
  auto* idle = new TYieldingTransition(1000, ateLinear, 50);  // never resumed
  idle->SetInfo(new TFreeWitness(idleFreed));
  TEventLog idleLog;
  idleLog.Attach(idle);
  auto* owned = new TYieldingTransition(1000, ateLinear, 50);
  owned->SetFreeOnTerminate(false);
  owned->SetInfo(new TFreeWitness(ownedFreed));
  owned->Resume();
  auto* companion = new TdxAnimationTransition(1000, ateLinear, 50);
  companion->SetInfo(new TFreeWitness(companionFreed));
  companion->Resume();
  ASSERT_FALSE(idleFreed);
  ASSERT_FALSE(ownedFreed);
  EXPECT_EQ(2, Controller()->ActiveAnimations());

  auto* newcomer = new TdxAnimationTransition(2000, ateLinear, 50);
  // The rivals announced their end during the add; the one that frees itself
  // has gone, the owned one waits for its owner.
  EXPECT_EQ((std::vector<std::string>{"before:50:finished", "animate:50:finished", "after:50:finished", "terminate"}),
            idleLog.Events);
  EXPECT_TRUE(idleFreed);
  EXPECT_FALSE(ownedFreed);
  EXPECT_TRUE(owned->Finished());
  EXPECT_EQ(50, owned->Position());
  EXPECT_FALSE(companionFreed);
  EXPECT_EQ(1, Controller()->ActiveAnimations());
  EXPECT_EQ(3, Controller()->AnimationCount());

  delete owned;
  companion->Terminate();
  newcomer->Terminate();
  EXPECT_TRUE(companionFreed);
}

TEST_F(AnimationTest, ARivalAddedByAHandlerIsEndedButFreedOnlyAfterItsStep) {
  auto* running = new TYieldingTransition(1000, ateLinear, 10);
  bool runningFreed = false;
  running->SetInfo(new TFreeWitness(runningFreed));
  TdxAnimationTransition* newcomer = nullptr;
  std::vector<std::string> finishedFlags;
  running->OnAnimate = [&](TdxAnimationTransition*, int& APosition, bool& AFinished) {
    finishedFlags.push_back(std::to_string(APosition) + (AFinished ? ":finished" : ""));
    if (finishedFlags.size() == 1) newcomer = new TdxAnimationTransition(2000, ateLinear, 10);
  };
  running->Resume();
  TickAt(500);
  // The handler's own flag, left alone, does not start the ended transition
  // over; it is freed once its step is done.
  EXPECT_EQ((std::vector<std::string>{"5", "10:finished"}), finishedFlags);
  EXPECT_TRUE(runningFreed);
  ASSERT_NE(nullptr, newcomer);
  EXPECT_EQ(1, Controller()->AnimationCount());
  newcomer->Terminate();
}

// ---------------------------------------------------------------- listeners

struct TListener : IdxAnimationListener {
  std::vector<std::string>& Log;
  std::string Name;
  TListener(std::vector<std::string>& ALog, std::string AName) : Log(ALog), Name(std::move(AName)) {}
  void AnimationsDone(TdxAnimationController*) override { Log.push_back(Name + ":done"); }
  void AnimationsStarting(TdxAnimationController*) override { Log.push_back(Name + ":starting"); }
  void AnimationDestroying(TdxAnimationTransition*) override { Log.push_back(Name + ":destroying"); }
};

TEST_F(AnimationTest, ListenersAreToldInOrderAndOnceHoweverOftenAdded) {
  std::vector<std::string> log;
  TListener first(log, "first"), second(log, "second");
  Controller()->AddListener(&first);
  Controller()->AddListener(&second);
  Controller()->AddListener(&first);
  auto* transition = new TdxAnimationTransition(1000, ateLinear, 10);
  transition->Resume();
  transition->OnAnimate = [&](TdxAnimationTransition*, int&, bool&) { log.push_back("animate"); };
  TickAt(500);
  delete transition;
  Controller()->RemoveListener(&first);
  Controller()->Update();
  Controller()->RemoveListener(&second);
  Controller()->Update();
  EXPECT_EQ((std::vector<std::string>{"first:starting", "second:starting", "animate", "first:done", "second:done",
                                      "first:destroying", "second:destroying", "second:starting", "second:done"}),
            log);
}

TEST_F(AnimationTest, ListenersHearTheEndOfATickEvenWhenAStepRaises) {
  std::vector<std::string> log;
  TListener listener(log, "listener");
  Controller()->AddListener(&listener);
  auto* transition = new TdxAnimationTransition(1000, ateLinear, 10);
  transition->OnAnimate = [](TdxAnimationTransition*, int&, bool&) { throw std::runtime_error("step failed"); };
  transition->Resume();
  EXPECT_THROW(TickAt(500), std::runtime_error);
  Controller()->RemoveListener(&listener);
  EXPECT_EQ((std::vector<std::string>{"listener:starting", "listener:done"}), log);
  transition->OnAnimate = nullptr;
  transition->Terminate();
}

// ---------------------------------------------------------------- shut-down

TEST_F(AnimationTest, ShutDownFreesTheTransitionsLeftAndNoControllerIsMadeAgain) {
  bool freed = false;
  auto* transition = new TdxAnimationTransition(1000, ateLinear, 10);
  transition->SetInfo(new TFreeWitness(freed));
  transition->Resume();
  dxAnimationUnit.Finalize();
  EXPECT_TRUE(freed);
  EXPECT_EQ(nullptr, GetAnimationController());
  delete new TdxAnimationTransition(1000, ateLinear, 10);  // needs no controller
  dxAnimationUnit.Initialize();
  ASSERT_NE(nullptr, GetAnimationController());
}

// ---------------------------------------------------------------- real time

TEST(AnimationRealTime, ImmediateAnimationTakesItsTimeAndEndsAtTheLength) {
  for (bool freeOnTerminate : {false, true}) {
    bool freed = false;
    int terminations = 0;
    auto* transition = new TdxAnimationTransition(255, ateLinear, 255);
    transition->SetFreeOnTerminate(freeOnTerminate);
    transition->SetInfo(new TFreeWitness(freed));
    transition->OnTerminate = [&](TObject*) { ++terminations; };
    const auto started = std::chrono::steady_clock::now();
    transition->ImmediateAnimation();
    EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(250));
    EXPECT_EQ(1, terminations);
    EXPECT_EQ(freeOnTerminate, freed);
    if (!freeOnTerminate) {
      EXPECT_EQ(255, transition->Position());
      EXPECT_TRUE(transition->Finished());
      delete transition;
    }
  }
  EXPECT_EQ(0, GetAnimationController()->ActiveAnimations());
}

TEST(AnimationRealTime, TheControllersTimerDrivesATransitionToItsEndAndStops) {
  std::vector<int> positions;
  bool terminated = false;
  auto* transition = new TdxAnimationTransition(100, ateQuadratic, 100, atmOut);
  transition->OnAnimate = [&](TdxAnimationTransition*, int& APosition, bool&) { positions.push_back(APosition); };
  transition->OnTerminate = [&](TObject*) { terminated = true; };
  transition->Resume();
  EXPECT_TRUE(GetAnimationController()->TimerEnabled());
  ASSERT_TRUE(PumpUntil([&] { return terminated; }));
  EXPECT_GE(positions.size(), 2u);
  EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
  EXPECT_EQ(100, positions.back());
  EXPECT_EQ(0, GetAnimationController()->AnimationCount());
  EXPECT_FALSE(GetAnimationController()->TimerEnabled());
}

}  // namespace
