#pragma once
// Animation transitions: a transition moves an integer position from 0 to a
// length along an easing curve while time passes, and tells its handlers of
// every change. Transitions either run to their end at once or are driven by
// the one animation controller's 1 ms timer.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "components/core/cxClasses.h"
#include "vcl/rtl/UnitStartup.h"

class TdxAnimationController;
class TdxAnimationTransition;

enum class TdxAnimationTransitionEffect {
  ateLinear,
  ateAccelerateDecelerate,
  ateCubic,
  ateTanh,
  ateBack,
  ateBounce,
  ateCircle,
  ateElastic,
  ateExponential,
  ateSine,
  ateQuadratic,
  ateQuartic,
  ateCustom
};
using enum TdxAnimationTransitionEffect;

enum class TdxAnimationTransitionEffectMode { atmIn, atmOut, atmInOut };
using enum TdxAnimationTransitionEffectMode;

// A handler may change the position and end the transition by setting
// AFinished.
using TdxAnimationEvent = std::function<void(TdxAnimationTransition* Sender, int& APosition, bool& AFinished)>;
// The position at AValue ticks of AMaxValue, on the way from 0 to ALength.
using TdxAnimationTransitionEffectProc = int (*)(TdxAnimationTransition* Sender, int64_t AValue, int64_t AMaxValue,
                                                 int ALength);

// ---------------------------------------------------------------- time base

// Transitions measure time in performance-counter ticks. Tests put a clock of
// their own in place with its ticks per second; a null reader restores the
// performance counter.
using TdxTicksReader = int64_t (*)();
void dxSetAnimationClock(TdxTicksReader AReadTicks, int64_t ATicksPerSecond);
// The performance counter, or the tick count where it fails.
int64_t ReadPerformanceTicks();
int64_t MillisecondsToTicks(uint32_t AMilliseconds);

// ---------------------------------------------------------------- easing curves

class TdxEaseHelper {
public:
  TdxEaseHelper() = delete;
  // The curve f of an effect that has one (cubic to quartic, but not tanh)
  // at X in [0, 1]; f(0) = 0 and f(1) = 1.
  static double Curve(TdxAnimationTransitionEffect AEffect, double X);
  // The curve of AEffect at T under AMode: as it is (in), mirrored (out), or
  // in over the first half and out over the second.
  static double Ease(TdxAnimationTransitionEffect AEffect, TdxAnimationTransitionEffectMode AMode, double T);
};

// ---------------------------------------------------------------- listeners

// Told of every controller tick and of every transition that goes. Listeners
// remove themselves before they are destroyed.
class IdxAnimationListener {
public:
  virtual void AnimationsDone(TdxAnimationController* Sender) = 0;
  virtual void AnimationsStarting(TdxAnimationController* Sender) = 0;
  virtual void AnimationDestroying(TdxAnimationTransition* AAnimation) = 0;

protected:
  ~IdxAnimationListener() = default;
};

// ---------------------------------------------------------------- transition

class TdxAnimationTransition : public TObject {
  VCL_CLASS(TdxAnimationTransition, TObject)
public:
  // Created suspended and registered with the controller.
  TdxAnimationTransition(uint32_t ATime, TdxAnimationTransitionEffect ATransitionEffect, int ALength,
                         TdxAnimationTransitionEffectMode ATransitionEffectMode = atmIn);
  ~TdxAnimationTransition() override;

  // Runs the transition to its end now, in real time, firing the events on
  // every change; frees it afterwards when FreeOnTerminate.
  void ImmediateAnimation();
  // Driven by the controller's timer once every Suspend is balanced; a
  // paused transition continues from the time it had.
  void Resume();
  // Pauses; with AFinished, a running transition ends (and may free itself).
  void Suspend(bool AFinished = false);
  // Ends the transition at its final position; frees it when FreeOnTerminate.
  void Terminate();

  bool Finished() const { return FFinished; }
  // True jumps to the final position at once; False starts over from now.
  void SetFinished(bool Value);
  bool FreeOnTerminate() const { return FFreeOnTerminate; }
  void SetFreeOnTerminate(bool Value) { FFreeOnTerminate = Value; }
  // Owned by the transition.
  TObject* Info() const { return FInfo.get(); }
  void SetInfo(TObject* Value) { FInfo.reset(Value); }
  int Position() const { return FPosition; }
  // Set by every change of the position until the controller's tick ends.
  bool PositionChanged() const { return FPositionChanged; }
  bool Suspended() const { return FLockCount > 0; }
  // The duration in milliseconds.
  uint32_t Time() const { return FTime; }
  TdxAnimationTransitionEffect TransitionEffect() const { return FTransitionEffect; }
  TdxAnimationTransitionEffectMode TransitionEffectMode() const { return FTransitionEffectMode; }
  TdxAnimationTransitionEffectProc TransitionEffectProc() const { return FTransitionEffectProc; }

  TdxAnimationEvent OnAfterAnimate;
  TdxAnimationEvent OnAnimate;
  TdxAnimationEvent OnBeforeAnimate;
  TNotifyEvent OnTerminate;

  // Whether AAnimation may run while this one does; one that may not
  // finishes this one when it is added.
  virtual bool CanRunAlongside(TdxAnimationTransition* AAnimation) { return true; }

protected:
  virtual void FireAfterAnimate();
  virtual void FireAnimate();
  virtual void FireBeforeAnimate();

private:
  friend class TdxAnimationController;
  void SelectEffectProc();
  void StartClock();
  void AdvancePosition();
  // One tick of the controller's timer; may free the transition.
  void TimerStep();
  // Calls AEvent (when assigned) with the position and a copy of Finished;
  // true when the handler changed the flag. A handler that leaves the flag
  // alone changes nothing, also when its transition ended meanwhile.
  bool CallEvent(const TdxAnimationEvent& AEvent, bool& AFinished);
  void StoreFinished(bool Value);
  // Keeps the controller's count of running transitions: one that was
  // resumed counts until it finishes or goes.
  void UpdateActive();

  int64_t FCurrent = 0;
  int64_t FFinish = 0;
  int64_t FStart = 0;
  bool FActive = false;
  int FAdvancing = 0;  // depth of AdvancePosition: a transition is not freed under it
  bool FFinished = false;
  bool FFreeOnTerminate = true;
  std::unique_ptr<TObject> FInfo;
  int FLength;
  int FLockCount = 1;
  int FPosition = 0;
  bool FPositionChanged = false;
  bool FResumed = false;
  uint32_t FTime;
  TdxAnimationTransitionEffect FTransitionEffect;
  TdxAnimationTransitionEffectMode FTransitionEffectMode;
  TdxAnimationTransitionEffectProc FTransitionEffectProc = nullptr;
};

// ---------------------------------------------------------------- controller

// Keeps every transition (and frees those left at shut-down) and drives the
// resumed ones by a 1 ms timer that runs only while one of them has not
// finished.
class TdxAnimationController : public TObject {
  VCL_CLASS(TdxAnimationController, TObject)
public:
  TdxAnimationController();

  // Finishes the transitions that cannot run alongside AAnimation and frees
  // those that free themselves on termination (unless one is in the middle
  // of its own step), then appends it.
  void Add(TdxAnimationTransition* AAnimation);
  // Tells the listeners, then lets go of AAnimation without freeing it.
  void Remove(TdxAnimationTransition* AAnimation);
  // A listener is listed once however often it is added.
  void AddListener(IdxAnimationListener* AListener);
  void RemoveListener(IdxAnimationListener* AListener);
  // One timer tick now.
  void Update() { HandleTimer(this); }

  int AnimationCount() const { return FAnimations.Count(); }
  TdxAnimationTransition* Animations(int AIndex) const {
    return static_cast<TdxAnimationTransition*>(FAnimations.GetItem(AIndex));
  }
  int ActiveAnimations() const { return FActiveAnimations; }
  bool TimerEnabled() const { return FTimer->Enabled(); }

protected:
  virtual void HandleTimer(TObject* Sender);

private:
  friend class TdxAnimationTransition;
  void ChangeActiveAnimations(int ADelta);
  void NotifyListeners(const std::function<void(IdxAnimationListener*)>& ANotify);

  TcxObjectList FAnimations;  // freed after the timer has stopped
  int FActiveAnimations = 0;
  std::vector<IdxAnimationListener*> FListenerList;
  std::unique_ptr<TcxTimer> FTimer;
};

// The one controller, created on first call; null once the unit has shut
// down.
TdxAnimationController* GetAnimationController();

extern const TUnitEntry dxAnimationUnit;
