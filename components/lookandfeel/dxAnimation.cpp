// Animation transitions, their easing curves and the controller that drives
// them by its timer.
#include "components/lookandfeel/dxAnimation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "vcl/rtl/WinApi.h"

namespace {

bool dxAnimationFinalized = false;
std::unique_ptr<TdxAnimationController> dxAnimationController;

// The controller when it exists; never creates one.
TdxAnimationController* ExistingAnimationController() { return dxAnimationController.get(); }

TdxTicksReader dxTestTicksReader = nullptr;
int64_t dxTestTicksPerSecond = 0;

}  // namespace

// ---------------------------------------------------------------- time base

void dxSetAnimationClock(TdxTicksReader AReadTicks, int64_t ATicksPerSecond) {
  dxTestTicksReader = AReadTicks;
  dxTestTicksPerSecond = ATicksPerSecond;
}

int64_t ReadPerformanceTicks() {
  if (dxTestTicksReader) return dxTestTicksReader();
  LARGE_INTEGER ticks;
  if (QueryPerformanceCounter(&ticks)) return ticks.QuadPart;
  return static_cast<int64_t>(GetTickCount());
}

int64_t MillisecondsToTicks(uint32_t AMilliseconds) {
  int64_t frequency = dxTestTicksPerSecond;
  if (!dxTestTicksReader) {
    LARGE_INTEGER systemFrequency;
    frequency = QueryPerformanceFrequency(&systemFrequency) ? systemFrequency.QuadPart : 0;
  }
  if (frequency == 0) return AMilliseconds;
  return static_cast<int64_t>(std::trunc(static_cast<long double>(AMilliseconds) * frequency / 1000));
}

// ---------------------------------------------------------------- easing curves

namespace {

constexpr double pi = std::numbers::pi;

// Three parabolic bounces of ratio 5 before the last arc up to 1.
double BounceCurve(double X) {
  constexpr double q = 5;
  constexpr int n = 3;
  const double W = (1 - std::pow(q, n)) / (1 - q) + std::pow(q, n) * 0.5;
  const double i = std::floor(std::log(1 + (q - 1) * W * X) / std::log(q));
  const double L = (std::pow(q, i) - 1) / ((q - 1) * W);
  const double R = (std::pow(q, i + 1) - 1) / ((q - 1) * W);
  const double m = (L + R) / 2;
  const double h = (R - L) / 2;
  const double d = X - m;
  return std::pow(1 / q, n - i) * (1 - (d / h) * (d / h));
}

int MulDivInt64(int32_t A, int64_t B, int64_t C) {
  return static_cast<int>(std::trunc(static_cast<long double>(A) * B / C));
}

double Fraction(int64_t AValue, int64_t AMaxValue) { return static_cast<double>(AValue) / AMaxValue; }

int LinearProc(TdxAnimationTransition* Sender, int64_t AValue, int64_t AMaxValue, int ALength) {
  return MulDivInt64(ALength, AValue, AMaxValue);
}

int AccelerateDecelerateProc(TdxAnimationTransition* Sender, int64_t AValue, int64_t AMaxValue, int ALength) {
  return static_cast<int>(std::nearbyint(ALength * (1 - std::pow(Fraction(AValue, AMaxValue) - 1, 6))));
}

int TanhProc(TdxAnimationTransition* Sender, int64_t AValue, int64_t AMaxValue, int ALength) {
  const double t = Fraction(AValue, AMaxValue);
  return static_cast<int>(
      std::trunc(ALength / (2 * std::tanh(3.0)) * (std::tanh(6 * t - 3) - std::tanh(-3.0)) + 0.5));
}

int EasedProc(TdxAnimationTransition* Sender, int64_t AValue, int64_t AMaxValue, int ALength) {
  const double e = TdxEaseHelper::Ease(Sender->TransitionEffect(), Sender->TransitionEffectMode(),
                                       Fraction(AValue, AMaxValue));
  return static_cast<int>(std::nearbyint(ALength * e));
}

}  // namespace

double TdxEaseHelper::Curve(TdxAnimationTransitionEffect AEffect, double X) {
  switch (AEffect) {
    case ateCubic:
      return X * X * X;
    case ateBack:
      return X * X * X - 0.3 * X * std::sin(pi * X);
    case ateBounce:
      return BounceCurve(X);
    case ateCircle: {
      const double c = std::clamp(X, 0.0, 1.0);
      return 1 - std::sqrt(1 - c * c);
    }
    case ateElastic:
      return std::sin(4.5 * pi * X) * (std::exp(7.5 * X) - 1) / (std::exp(7.5) - 1);
    case ateExponential:
      return (std::exp(7 * X) - 1) / (std::exp(7.0) - 1);
    case ateSine:
      return 1 - std::sin((1 - X) * pi / 2);
    case ateQuadratic:
      return X * X;
    case ateQuartic:
      return X * X * X * X;
    default:  // the effects without a curve of their own move linearly
      return X;
  }
}

double TdxEaseHelper::Ease(TdxAnimationTransitionEffect AEffect, TdxAnimationTransitionEffectMode AMode, double T) {
  switch (AMode) {
    case atmIn:
      return Curve(AEffect, T);
    case atmOut:
      return 1 - Curve(AEffect, 1 - T);
    case atmInOut:
      break;
  }
  if (T < 0.5) return Curve(AEffect, 2 * T) / 2;
  return (1 - Curve(AEffect, 2 * (1 - T))) / 2 + 0.5;
}

// ---------------------------------------------------------------- transition

TdxAnimationTransition::TdxAnimationTransition(uint32_t ATime, TdxAnimationTransitionEffect ATransitionEffect,
                                               int ALength, TdxAnimationTransitionEffectMode ATransitionEffectMode)
    : FLength(ALength), FTime(ATime), FTransitionEffect(ATransitionEffect),
      FTransitionEffectMode(ATransitionEffectMode) {
  SelectEffectProc();
  if (TdxAnimationController* controller = GetAnimationController()) controller->Add(this);
}

TdxAnimationTransition::~TdxAnimationTransition() {
  FResumed = false;
  UpdateActive();
  if (TdxAnimationController* controller = ExistingAnimationController()) controller->Remove(this);
}

void TdxAnimationTransition::SelectEffectProc() {
  switch (FTransitionEffect) {
    case ateLinear:
    case ateCustom:
      FTransitionEffectProc = LinearProc;
      break;
    case ateAccelerateDecelerate:
      FTransitionEffectProc = AccelerateDecelerateProc;
      break;
    case ateTanh:
      FTransitionEffectProc = TanhProc;
      break;
    default:
      FTransitionEffectProc = EasedProc;
  }
}

void TdxAnimationTransition::ImmediateAnimation() {
  StartClock();
  while (!FFinished) AdvancePosition();
  if (FFreeOnTerminate) delete this;
}

void TdxAnimationTransition::Resume() {
  if (--FLockCount != 0) return;
  StartClock();
  FResumed = true;
  UpdateActive();
}

void TdxAnimationTransition::Suspend(bool AFinished) {
  const bool wasRunning = FLockCount == 0;
  ++FLockCount;
  if (wasRunning && AFinished) Terminate();
}

void TdxAnimationTransition::Terminate() {
  SetFinished(true);
  if (FFreeOnTerminate) delete this;
}

void TdxAnimationTransition::SetFinished(bool Value) {
  if (FFinished == Value) return;
  FCurrent = FFinish;
  StoreFinished(Value);
  if (!Value) {
    FCurrent = 0;
    StartClock();
  }
  AdvancePosition();
}

void TdxAnimationTransition::StoreFinished(bool Value) {
  FFinished = Value;
  UpdateActive();
}

void TdxAnimationTransition::UpdateActive() {
  const bool active = FResumed && !FFinished;
  if (active == FActive) return;
  FActive = active;
  if (TdxAnimationController* controller = ExistingAnimationController())
    controller->ChangeActiveAnimations(active ? 1 : -1);
}

// A clock that was never started (or restarted) starts now; one that was
// paused keeps the time that had passed.
void TdxAnimationTransition::StartClock() {
  const int64_t now = ReadPerformanceTicks();
  if (FCurrent == 0) {
    FStart = now;
  } else {
    FStart = now - (FCurrent - FStart);
    FCurrent = now;
  }
  FFinish = FStart + MillisecondsToTicks(FTime);
}

void TdxAnimationTransition::AdvancePosition() {
  struct TAdvancingScope {
    int& Depth;
    explicit TAdvancingScope(int& ADepth) : Depth(++ADepth) {}
    ~TAdvancingScope() { --Depth; }
  } advancing(FAdvancing);
  FCurrent = std::min(ReadPerformanceTicks(), FFinish);
  if (FCurrent >= FFinish && !FFinished) StoreFinished(true);
  int position;
  if (FFinished) {
    FCurrent = FFinish;
    position = FLength;
  } else {
    position = FTransitionEffectProc(this, FCurrent - FStart, FFinish - FStart, FLength);
  }
  // A position still at 0 is announced again, so handlers see the start.
  if (position == FPosition && FPosition != 0 && !FFinished) return;
  FPositionChanged = true;
  FPosition = position;
  // A handler that ends (or restarts) the transition has had the new
  // position announced in full already; this step's events stop there.
  const bool finished = FFinished;
  FireBeforeAnimate();
  if (FFinished != finished) return;
  FireAnimate();
  if (FFinished != finished) return;
  FireAfterAnimate();
}

bool TdxAnimationTransition::CallEvent(const TdxAnimationEvent& AEvent, bool& AFinished) {
  if (!AEvent) return false;
  const bool given = FFinished;
  AFinished = given;
  AEvent(this, FPosition, AFinished);
  return AFinished != given;
}

void TdxAnimationTransition::FireBeforeAnimate() {
  if (bool finished; CallEvent(OnBeforeAnimate, finished)) SetFinished(finished);
}

void TdxAnimationTransition::FireAnimate() {
  if (bool finished; CallEvent(OnAnimate, finished)) SetFinished(finished);
}

void TdxAnimationTransition::FireAfterAnimate() {
  if (bool finished; CallEvent(OnAfterAnimate, finished)) StoreFinished(finished);
  if (FFinished && OnTerminate) OnTerminate(this);
}

void TdxAnimationTransition::TimerStep() {
  if (Suspended()) return;
  if (FFinished || ReadPerformanceTicks() >= FFinish) {
    SetFinished(true);
  } else {
    AdvancePosition();
  }
  if (FFinished && FFreeOnTerminate) delete this;
}

// ---------------------------------------------------------------- controller

TdxAnimationController::TdxAnimationController()
    : FTimer(cxNewTimer(1, false, [this](TObject* Sender) { HandleTimer(Sender); })) {}

void TdxAnimationController::Add(TdxAnimationTransition* AAnimation) {
  std::vector<TdxAnimationTransition*> rivals;
  for (int i = 0; i < AnimationCount(); ++i)
    if (!Animations(i)->CanRunAlongside(AAnimation)) rivals.push_back(Animations(i));
  // A rival's handlers may free others meanwhile: only those still listed
  // are ended.
  for (TdxAnimationTransition* rival : rivals) {
    if (FAnimations.IndexOf(rival) < 0) continue;
    rival->SetFinished(true);
    if (rival->FFreeOnTerminate && rival->FAdvancing == 0) delete rival;
  }
  FAnimations.Add(AAnimation);
}

void TdxAnimationController::Remove(TdxAnimationTransition* AAnimation) {
  NotifyListeners([AAnimation](IdxAnimationListener* AListener) { AListener->AnimationDestroying(AAnimation); });
  FAnimations.Remove(AAnimation);
}

void TdxAnimationController::AddListener(IdxAnimationListener* AListener) {
  if (std::find(FListenerList.begin(), FListenerList.end(), AListener) == FListenerList.end())
    FListenerList.push_back(AListener);
}

void TdxAnimationController::RemoveListener(IdxAnimationListener* AListener) { std::erase(FListenerList, AListener); }

// Listeners removed by an earlier one's call are not called.
void TdxAnimationController::NotifyListeners(const std::function<void(IdxAnimationListener*)>& ANotify) {
  const std::vector<IdxAnimationListener*> listeners = FListenerList;
  for (IdxAnimationListener* listener : listeners)
    if (std::find(FListenerList.begin(), FListenerList.end(), listener) != FListenerList.end()) ANotify(listener);
}

void TdxAnimationController::HandleTimer(TObject* Sender) {
  NotifyListeners([this](IdxAnimationListener* AListener) { AListener->AnimationsStarting(this); });
  try {
    // From the last to the first; a step may free its transition or add one.
    for (int i = AnimationCount() - 1; i >= 0; i = std::min(i, AnimationCount()) - 1) Animations(i)->TimerStep();
  } catch (...) {
    NotifyListeners([this](IdxAnimationListener* AListener) { AListener->AnimationsDone(this); });
    throw;
  }
  NotifyListeners([this](IdxAnimationListener* AListener) { AListener->AnimationsDone(this); });
  for (int i = 0; i < AnimationCount(); ++i) Animations(i)->FPositionChanged = false;
}

void TdxAnimationController::ChangeActiveAnimations(int ADelta) {
  FActiveAnimations += ADelta;
  FTimer->SetEnabled(FActiveAnimations > 0);
}

TdxAnimationController* GetAnimationController() {
  if (!dxAnimationController && !dxAnimationFinalized)
    dxAnimationController = std::make_unique<TdxAnimationController>();
  return dxAnimationController.get();
}

// ---------------------------------------------------------------- unit

namespace {

void Initialize() { dxAnimationFinalized = false; }

// The controller is forgotten before it is freed, so the transitions it
// frees do not call back into it.
void Finalize() {
  dxAnimationFinalized = true;
  std::unique_ptr<TdxAnimationController> controller = std::move(dxAnimationController);
}

}  // namespace

const TUnitEntry dxAnimationUnit{L"dxAnimation", Initialize, Finalize};
