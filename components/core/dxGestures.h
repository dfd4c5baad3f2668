#pragma once
// Touch gestures: a gesture helper per control finds, when a touch starts,
// which part of the control (its gesture client) reacts, routes WM_GESTURE
// to the right framework control as CM_GESTURE, turns pans into scrolling
// with overpan feedback (the window follows past an end and springs back)
// and zoom and rotate gestures into calls on clients that take them. A
// thread hook remembers where each touch began.
#include "vcl/controls/Controls.h"
#include "vcl/controls/StdCtrls.h"
#include "vcl/rtl/UnitStartup.h"

#include <vector>

class IdxGestureClient;

// The control that owns a gesture helper.
class IdxGestureOwner {
public:
  // The client under a point in client coordinates.
  virtual IdxGestureClient* FindGestureClient(const TPoint& APoint) = 0;
  virtual HWND GetGestureHandle() = 0;
  // The window belongs to the control.
  virtual bool IsOwnWindowHandle(HWND AWnd) = 0;
  virtual TPoint ScreenToClient(const TPoint& APoint) = 0;

protected:
  ~IdxGestureOwner() = default;
};

// A part of a control that scrolls by gestures.
class IdxGestureClient {
public:
  virtual bool IsGestureAllowed(int AGestureId) = 0;
  virtual bool IsPanAllowed(TScrollBarKind AScrollKind) = 0;
  virtual void BeginPanScrolling(const TPoint& APos) = 0;
  virtual void EndPanScrolling() = 0;
  virtual void GestureScroll(int ADeltaX, int ADeltaY) = 0;
  // The pan flags (GC_PAN_*) the client takes.
  virtual int QueryPanOptions() = 0;
  virtual bool IsPointInClientArea(const TPoint& P) = 0;
  virtual bool WantsOverpanFeedback(TScrollBarKind AScrollKind) = 0;

protected:
  ~IdxGestureClient() = default;
};

// A gesture client that zooms.
class IdxZoomClient {
public:
  virtual void Zoom(int ADelta, bool& AHandled) = 0;

protected:
  ~IdxZoomClient() = default;
};

// A gesture client that rotates; the angle in radians.
class IdxRotateClient {
public:
  virtual void Rotate(double AAngle, bool& AHandled) = 0;

protected:
  ~IdxRotateClient() = default;
};

using TdxGestureConfig = GESTURECONFIG;
using TdxGestureConfigs = std::vector<TdxGestureConfig>;

class TdxGestureHelper : public TObject {
  VCL_CLASS(TdxGestureHelper, TObject)
public:
  explicit TdxGestureHelper(IdxGestureOwner* AGestureOwner);
  ~TdxGestureHelper() override;

  // The owner's messages: true when the message was processed here (only
  // WM_GESTURE is).
  bool HandleMessage(TMessage& Message);
  // The client at the touch start becomes the notify client; single-finger
  // pans it does not take are removed.
  void CheckGestureOptions(TInteractiveGestures& Gestures, TInteractiveGestureOptions& Options);
  void DoGesture(const TGestureEventInfo& EventInfo, bool& Handled);
  // A scroll to ANewDataPos at or beyond an end of the range moves the
  // overpan by the delta of that direction.
  void CheckOverpan(TScrollBarKind AScrollKind, int ANewDataPos, int AMinDataPos, int AMaxDataPos, int ADeltaX,
                    int ADeltaY);

  bool IsPanning() const { return FIsPanning; }
  const TPoint& OverPan() const { return FOverPan; }
  // The framework control that receives the running gesture.
  TControl* TouchControl() const { return FTouchControl; }

protected:
  virtual bool IsGestureAllowed(int AGestureId);
  virtual bool IsPanAllowed(TScrollBarKind AScrollKind);
  virtual HWND GetOwnerHandle();
  virtual int QueryPanOptions();
  virtual bool IsOwnWindowHandle(HWND AWnd);
  virtual bool IsPanArea(const TPoint& P);
  virtual bool WantsOverpanFeedback(TScrollBarKind AScrollKind);
  virtual TPoint ScreenToClient(const TPoint& P);

private:
  // The touch-start hook forgets every helper's notify touch control.
  friend void dxGesturesTouchStartHook(int ACode, WPARAM AWParam, LPARAM ALParam, LRESULT& AHookResult);
  TPoint TouchStartClientPoint();
  void FindTouchControl();
  void ProcessGesture(TMessage& Message);
  bool NeedsOverpanFeedback();
  bool PanStep(TPoint P, bool ABegin, bool AInertia, bool AEnd);
  bool ZoomStep(int ADistance, bool ABegin, bool AEnd, bool AHandled);
  bool RotateStep(double AAngle, bool ABegin, bool AEnd, bool AHandled);
  void BeginPanScrolling(const TPoint& P);
  void EndPanScrolling();
  // Lets the delta of one direction first take back an overpan the other
  // way.
  void ReduceOverpan(TScrollBarKind AScrollKind, int32_t& AOverpan, int& ADelta);
  void UpdateOverpan(int32_t& AOverpan, int AAmount);

  bool FIsInertia = false;
  IdxGestureClient* FGestureClient = nullptr;
  IdxGestureClient* FGestureNotifyClient = nullptr;
  IdxGestureOwner* FGestureOwner;
  bool FIsPanning = false;
  int FLastDistance = 0;
  TPoint FPanPoint;
  TPoint FOverPan;
  TControl* FNotifyTouchControl = nullptr;
  TControl* FTouchControl = nullptr;
};

// The index of the framework's interactive gesture for a system gesture id
// (3 zoom to 6 two-finger tap; any other id press-and-tap).
TInteractiveGesture dxGestureKindFromId(int AId);
TInteractiveGestureOption dxPanOptionIdToGestureOption(int AId);
TInteractiveGestureOptions dxPanFlagsToGestureOptions(int AFlags);
int dxGestureOptionsToPanFlags(TInteractiveGestureOptions AOptions);
// False when the system has no gesture configuration.
bool dxApplyGestureConfigs(HWND AWnd, const TdxGestureConfigs& AConfigs);
// Blocks every gesture of the window and answers the notification.
bool dxBlockAllGestures(HWND AWnd, TMessage& Message);
bool dxPhysicalToLogical(HWND AWnd, TPoint& APoint);
bool dxProcessIsDpiAware();
// "AppliedDPI" of the user's window metrics, else the current DPI.
int dxGetAppliedDPI();

// Reading and closing a gesture-info handle, as bound from the system. A
// test puts its own in place (a system without gestures fails the reading)
// and gets the previous pair back.
struct TdxGestureInfoFunctions {
  decltype(&::GetGestureInfo) GetGestureInfo = nullptr;
  decltype(&::CloseGestureInfoHandle) CloseGestureInfoHandle = nullptr;
};
TdxGestureInfoFunctions dxSetGestureInfoFunctions(const TdxGestureInfoFunctions& AFunctions);
// Pans are scaled by the current DPI over the applied DPI on systems before
// Windows 8 for processes that are not DPI aware. A test sets both.
void dxSetPanScaling(bool AScaled, int AAppliedDPI);

extern const TUnitEntry dxGesturesUnit;
