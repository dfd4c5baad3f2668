// Gesture routing, pan scrolling with overpan feedback, zoom and rotate.
#include "components/core/dxGestures.h"

#include <cmath>
#include <memory>
#include <utility>

#include "components/core/cxGraphics.h"
#include "components/core/dxCore.h"
#include "components/core/dxCoreClasses.h"
#include "components/core/dxHooks.h"
#include "components/core/dxUxTheme.h"

void dxGesturesTouchStartHook(int ACode, WPARAM AWParam, LPARAM ALParam, LRESULT& AHookResult);

namespace {

struct TUser32Functions {
  TdxGestureInfoFunctions GestureInfo;
  decltype(&::SetGestureConfig) SetGestureConfig = nullptr;
  decltype(&::LogicalToPhysicalPoint) LogicalToPhysicalPoint = nullptr;
  decltype(&::PhysicalToLogicalPoint) PhysicalToLogicalPoint = nullptr;
  decltype(&::IsProcessDPIAware) IsProcessDPIAware = nullptr;
};

HMODULE User32Library = nullptr;
TUser32Functions User32;

// Where the last touch began, in physical screen pixels.
POINTS TouchStartPoint{};
int AppliedDPI = 96;
bool PanScaling = false;
std::unique_ptr<TdxFastObjectList> GestureHelpers;

template <class TFunction>
void Bind(TFunction& AFunction, const char* AName) {
  AFunction = reinterpret_cast<TFunction>(GetProcAddress(User32Library, AName));
}

void BindFunctions() {
  Bind(User32.GestureInfo.GetGestureInfo, "GetGestureInfo");
  Bind(User32.GestureInfo.CloseGestureInfoHandle, "CloseGestureInfoHandle");
  Bind(User32.SetGestureConfig, "SetGestureConfig");
  Bind(User32.LogicalToPhysicalPoint, "LogicalToPhysicalPoint");
  Bind(User32.PhysicalToLogicalPoint, "PhysicalToLogicalPoint");
  Bind(User32.IsProcessDPIAware, "IsProcessDPIAware");
}

// A gesture-info handle is closed once: by its owner here, unless it was
// handed on to the default window procedure, which closes it itself.
class TGestureInfoHandle {
public:
  explicit TGestureInfoHandle(HGESTUREINFO AHandle) : FHandle(AHandle) {}
  ~TGestureInfoHandle() {
    if (FHandle && User32.GestureInfo.CloseGestureInfoHandle) User32.GestureInfo.CloseGestureInfoHandle(FHandle);
  }
  TGestureInfoHandle(const TGestureInfoHandle&) = delete;
  TGestureInfoHandle& operator=(const TGestureInfoHandle&) = delete;
  HGESTUREINFO Handle() const { return FHandle; }
  void HandOver() { FHandle = nullptr; }

private:
  HGESTUREINFO FHandle;
};

// An opened registry key, closed with its owner.
class TRegistryKey {
public:
  TRegistryKey(HKEY ARoot, const wchar_t* APath) {
    if (RegOpenKeyExW(ARoot, APath, 0, KEY_READ, &FKey) != ERROR_SUCCESS) FKey = nullptr;
  }
  ~TRegistryKey() {
    if (FKey) RegCloseKey(FKey);
  }
  TRegistryKey(const TRegistryKey&) = delete;
  TRegistryKey& operator=(const TRegistryKey&) = delete;
  bool ReadInteger(const wchar_t* AName, int& AValue) const {
    DWORD value = 0;
    DWORD size = sizeof(value);
    DWORD type = 0;
    if (!FKey || RegQueryValueExW(FKey, AName, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
        type != REG_DWORD)
      return false;
    AValue = static_cast<int>(value);
    return true;
  }

private:
  HKEY FKey = nullptr;
};

TPoint ScaledPanPoint(const TPoint& P) {
  // An applied DPI of 0 would scale every pan to nothing.
  if (!PanScaling || AppliedDPI <= 0) return P;
  const int currentDPI = cxCurrentDPI();
  return {MulDiv(P.X, currentDPI, AppliedDPI), MulDiv(P.Y, currentDPI, AppliedDPI)};
}

TSmallPoint SmallPoint(const TPoint& P) { return {static_cast<int16_t>(P.X), static_cast<int16_t>(P.Y)}; }

TSmallPoint SmallPointFromDWord(uint32_t AValue) {
  return {static_cast<int16_t>(AValue & 0xFFFF), static_cast<int16_t>(AValue >> 16)};
}

// The rotate-angle conversion of the system's headers, in radians.
double RotateAngleFromArgument(uint64_t AArguments) {
  return (static_cast<double>(AArguments & 0xFFFF) / 65535.0) * 4.0 * 3.14159265 - 6.2831853;
}

void dxGesturesInitialize() {
  User32Library = LoadLibraryW(L"user32.dll");
  if (User32Library) BindFunctions();
  AppliedDPI = dxGetAppliedDPI();
  PanScaling = !dxOsWin8Up && !dxProcessIsDpiAware();
  GestureHelpers = std::make_unique<TdxFastObjectList>(false);
  dxInstallHookProc(htWndProc, dxGesturesTouchStartHook);
}

void dxGesturesFinalize() {
  dxRemoveHookProc(dxGesturesTouchStartHook);
  GestureHelpers.reset();
  User32 = {};
  if (User32Library) FreeLibrary(User32Library);
  User32Library = nullptr;
}

}  // namespace

// A touch starts with WM_GESTURENOTIFY to the touched window: its location
// is kept and every helper forgets the control it found last time.
void dxGesturesTouchStartHook(int ACode, WPARAM, LPARAM ALParam, LRESULT&) {
  if (ACode != HC_ACTION) return;
  const auto* message = reinterpret_cast<const CWPSTRUCT*>(ALParam);
  if (message->message != WM_GESTURENOTIFY) return;
  TouchStartPoint = reinterpret_cast<const GESTURENOTIFYSTRUCT*>(message->lParam)->ptsLocation;
  for (int i = 0; i < GestureHelpers->Count(); ++i)
    static_cast<TdxGestureHelper*>(GestureHelpers->Items(i))->FNotifyTouchControl = nullptr;
}

// ---------------------------------------------------------------- TdxGestureHelper

// Outside the unit's lifetime (a program that does not start it) a helper
// still routes gestures; only the touch-start hook does not reach it.
TdxGestureHelper::TdxGestureHelper(IdxGestureOwner* AGestureOwner) : FGestureOwner(AGestureOwner) {
  if (GestureHelpers) GestureHelpers->Add(this);
}

TdxGestureHelper::~TdxGestureHelper() {
  if (GestureHelpers) GestureHelpers->Remove(this);
}

bool TdxGestureHelper::IsGestureAllowed(int AGestureId) {
  return FGestureNotifyClient && FGestureNotifyClient->IsGestureAllowed(AGestureId);
}

bool TdxGestureHelper::IsPanAllowed(TScrollBarKind AScrollKind) {
  return FGestureNotifyClient && FGestureNotifyClient->IsPanAllowed(AScrollKind);
}

HWND TdxGestureHelper::GetOwnerHandle() { return FGestureOwner->GetGestureHandle(); }

int TdxGestureHelper::QueryPanOptions() { return FGestureNotifyClient ? FGestureNotifyClient->QueryPanOptions() : 0; }

bool TdxGestureHelper::IsOwnWindowHandle(HWND AWnd) { return FGestureOwner->IsOwnWindowHandle(AWnd); }

bool TdxGestureHelper::IsPanArea(const TPoint& P) {
  return FGestureNotifyClient && FGestureNotifyClient->IsPointInClientArea(P);
}

bool TdxGestureHelper::WantsOverpanFeedback(TScrollBarKind AScrollKind) {
  return FGestureClient && FGestureClient->WantsOverpanFeedback(AScrollKind);
}

TPoint TdxGestureHelper::ScreenToClient(const TPoint& P) { return FGestureOwner->ScreenToClient(P); }

bool TdxGestureHelper::HandleMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_DESTROY:
      if (FIsPanning) EndPanScrolling();
      return false;
    case WM_GESTURE:
      ProcessGesture(Message);
      return true;
    case WM_GESTURENOTIFY:
      FindTouchControl();
      return false;
  }
  return false;
}

TPoint TdxGestureHelper::TouchStartClientPoint() {
  TPoint P(TouchStartPoint.x, TouchStartPoint.y);
  dxPhysicalToLogical(GetOwnerHandle(), P);
  return ScreenToClient(P);
}

void TdxGestureHelper::FindTouchControl() {
  const TPoint P = TouchStartClientPoint();
  TWinControl* control = FindControl(GetOwnerHandle());
  if (!control || !control->ClientRect().Contains(P)) return;
  TControl* child = control->ControlAtPos(P, true);
  FNotifyTouchControl = child ? child : control;
}

void TdxGestureHelper::CheckGestureOptions(TInteractiveGestures& Gestures, TInteractiveGestureOptions& Options) {
  const TPoint P = TouchStartClientPoint();
  FGestureNotifyClient = FGestureOwner->FindGestureClient(P);
  if (!Gestures.Contains(igPan)) return;
  if (!IsPanArea(P)) {
    Options.Exclude(igoPanSingleFingerHorizontal).Exclude(igoPanSingleFingerVertical);
    return;
  }
  if (!Options.Contains(igoPanSingleFingerHorizontal) && !Options.Contains(igoPanSingleFingerVertical)) return;
  if (!IsPanAllowed(sbHorizontal)) Options.Exclude(igoPanSingleFingerHorizontal);
  if (!IsPanAllowed(sbVertical)) Options.Exclude(igoPanSingleFingerVertical);
}

void TdxGestureHelper::ProcessGesture(TMessage& Message) {
  TGestureInfoHandle handle(reinterpret_cast<HGESTUREINFO>(Message.LParam));
  GESTUREINFO info{};
  info.cbSize = sizeof(info);
  if (!User32.GestureInfo.GetGestureInfo || !User32.GestureInfo.GetGestureInfo(handle.Handle(), &info)) return;

  TGestureEventInfo eventInfo;
  eventInfo.GestureID = static_cast<int>(info.dwID) + 256;
  if (info.dwFlags & GF_BEGIN) eventInfo.Flags.Include(gfBegin);
  if (info.dwFlags & GF_INERTIA) eventInfo.Flags.Include(gfInertia);
  if (info.dwFlags & GF_END) eventInfo.Flags.Include(gfEnd);
  const bool begin = eventInfo.Flags.Contains(gfBegin);

  if (eventInfo.GestureID != igiBegin && eventInfo.GestureID != igiEnd &&
      (FTouchControl || (begin && FNotifyTouchControl))) {
    if (begin) FTouchControl = FNotifyTouchControl;
    const TInteractiveGesture kind = dxGestureKindFromId(static_cast<int>(info.dwID));
    TControl* control = FTouchControl;
    while (control->Parent() && control->Touch().InteractiveGestureOptions().Contains(igoParentPassthrough) &&
           !control->Touch().InteractiveGestures().Contains(kind))
      control = control->Parent();

    const TPoint location(info.ptsLocation.x, info.ptsLocation.y);
    eventInfo.Location = control->ScreenToClient(location);
    const uint32_t low = static_cast<uint32_t>(info.ullArguments);
    switch (eventInfo.GestureID) {
      case igiZoom:
      case igiTwoFingerTap:
        eventInfo.Distance = static_cast<int>(low);
        break;
      case igiPan:
        eventInfo.Distance = static_cast<int>(low);
        eventInfo.InertiaVector = SmallPointFromDWord(static_cast<uint32_t>(info.ullArguments >> 32));
        break;
      case igiRotate:
        eventInfo.Angle = RotateAngleFromArgument(info.ullArguments);
        break;
      case igiPressAndTap: {
        const TSmallPoint delta = SmallPointFromDWord(low);
        TPoint tap(location.X + delta.X, location.Y + delta.Y);
        auto* window = dynamic_cast<TWinControl*>(control);
        if (!window) window = control->Parent();
        if (window) dxPhysicalToLogical(window->Handle(), tap);
        eventInfo.TapLocation = SmallPoint(control->ScreenToClient(tap));
        break;
      }
    }
    Message.Result = control->Perform(CM_GESTURE, 0, reinterpret_cast<LPARAM>(&eventInfo));
  }
  if (eventInfo.Flags.Contains(gfEnd)) FTouchControl = nullptr;
  if (Message.Result != 1) {
    handle.HandOver();
    Message.Result = DefWindowProcW(GetOwnerHandle(), Message.Msg, Message.WParam, Message.LParam);
  }
}

void TdxGestureHelper::DoGesture(const TGestureEventInfo& EventInfo, bool& Handled) {
  const bool begin = EventInfo.Flags.Contains(gfBegin);
  const bool end = EventInfo.Flags.Contains(gfEnd);
  switch (EventInfo.GestureID) {
    case igiZoom:
      Handled = ZoomStep(EventInfo.Distance, begin, end, Handled);
      break;
    case igiPan:
      Handled = PanStep(EventInfo.Location, begin, EventInfo.Flags.Contains(gfInertia), end);
      break;
    case igiRotate:
      Handled = RotateStep(EventInfo.Angle, begin, end, Handled);
      break;
  }
}

bool TdxGestureHelper::NeedsOverpanFeedback() {
  return WantsOverpanFeedback(sbHorizontal) || WantsOverpanFeedback(sbVertical);
}

bool TdxGestureHelper::PanStep(TPoint P, bool ABegin, bool AInertia, bool AEnd) {
  P = ScaledPanPoint(P);
  FIsInertia = AInertia;
  if (ABegin) {
    FGestureClient = FGestureNotifyClient;
    BeginPanScrolling(P);
  } else if (FGestureClient) {
    int dx = P.X - FPanPoint.X;
    int dy = P.Y - FPanPoint.Y;
    if (AEnd) FOverPan = TPoint();
    ReduceOverpan(sbHorizontal, FOverPan.X, dx);
    ReduceOverpan(sbVertical, FOverPan.Y, dy);
    FGestureClient->GestureScroll(dx, dy);
    if (AEnd) {
      EndPanScrolling();
      FGestureClient = nullptr;
    }
  }
  FPanPoint = P;
  return true;
}

void TdxGestureHelper::BeginPanScrolling(const TPoint& P) {
  FIsPanning = true;
  if (FGestureClient) {
    FGestureClient->BeginPanScrolling(P);
    if (NeedsOverpanFeedback()) dxPanFeedbackBegin(GetOwnerHandle());
  }
  FOverPan = TPoint();
}

void TdxGestureHelper::EndPanScrolling() {
  FIsPanning = false;
  if (!FGestureClient) return;
  FGestureClient->EndPanScrolling();
  if (NeedsOverpanFeedback()) dxPanFeedbackEnd(GetOwnerHandle(), true);
}

void TdxGestureHelper::ReduceOverpan(TScrollBarKind AScrollKind, int32_t& AOverpan, int& ADelta) {
  if (AOverpan == 0 || ADelta == 0 || (AOverpan < 0) == (ADelta < 0) || !WantsOverpanFeedback(AScrollKind)) return;
  const int amount = std::abs(AOverpan) >= std::abs(ADelta) ? ADelta : -AOverpan;
  UpdateOverpan(AOverpan, amount);
  ADelta -= amount;
}

void TdxGestureHelper::UpdateOverpan(int32_t& AOverpan, int AAmount) {
  AOverpan += AAmount;
  dxPanFeedbackUpdate(GetOwnerHandle(), FOverPan, FIsInertia);
}

void TdxGestureHelper::CheckOverpan(TScrollBarKind AScrollKind, int ANewDataPos, int AMinDataPos, int AMaxDataPos,
                                    int ADeltaX, int ADeltaY) {
  if (!WantsOverpanFeedback(AScrollKind) || (ANewDataPos >= AMinDataPos + 1 && ANewDataPos <= AMaxDataPos - 1))
    return;
  if (AScrollKind == sbVertical)
    UpdateOverpan(FOverPan.Y, ADeltaY);
  else
    UpdateOverpan(FOverPan.X, ADeltaX);
}

bool TdxGestureHelper::ZoomStep(int ADistance, bool ABegin, bool AEnd, bool AHandled) {
  if (ABegin) {
    FLastDistance = ADistance;
    FGestureClient = FGestureNotifyClient;
  }
  if (auto* zoomClient = dynamic_cast<IdxZoomClient*>(FGestureClient))
    zoomClient->Zoom(ADistance - FLastDistance, AHandled);
  FLastDistance = ADistance;
  if (AEnd) FGestureClient = nullptr;
  return AHandled;
}

bool TdxGestureHelper::RotateStep(double AAngle, bool ABegin, bool AEnd, bool AHandled) {
  if (ABegin) FGestureClient = FGestureNotifyClient;
  if (auto* rotateClient = dynamic_cast<IdxRotateClient*>(FGestureClient)) rotateClient->Rotate(AAngle, AHandled);
  if (AEnd) FGestureClient = nullptr;
  return AHandled;
}

// ---------------------------------------------------------------- routines

TInteractiveGesture dxGestureKindFromId(int AId) {
  switch (AId) {
    case GID_ZOOM: return igZoom;
    case GID_PAN: return igPan;
    case GID_ROTATE: return igRotate;
    case GID_TWOFINGERTAP: return igTwoFingerTap;
    default: return igPressAndTap;
  }
}

TInteractiveGestureOption dxPanOptionIdToGestureOption(int AId) {
  switch (AId) {
    case GC_PAN_WITH_SINGLE_FINGER_VERTICALLY: return igoPanSingleFingerVertical;
    case GC_PAN_WITH_SINGLE_FINGER_HORIZONTALLY: return igoPanSingleFingerHorizontal;
    case GC_PAN_WITH_GUTTER: return igoPanGutter;
    default: return igoPanInertia;
  }
}

TInteractiveGestureOptions dxPanFlagsToGestureOptions(int AFlags) {
  TInteractiveGestureOptions options;
  for (int flag : {GC_PAN_WITH_SINGLE_FINGER_VERTICALLY, GC_PAN_WITH_SINGLE_FINGER_HORIZONTALLY, GC_PAN_WITH_GUTTER,
                   GC_PAN_WITH_INERTIA})
    if (AFlags & flag) options.Include(dxPanOptionIdToGestureOption(flag));
  return options;
}

int dxGestureOptionsToPanFlags(TInteractiveGestureOptions AOptions) {
  int flags = 0;
  if (AOptions.Contains(igoPanSingleFingerHorizontal)) flags |= GC_PAN_WITH_SINGLE_FINGER_HORIZONTALLY;
  if (AOptions.Contains(igoPanSingleFingerVertical)) flags |= GC_PAN_WITH_SINGLE_FINGER_VERTICALLY;
  if (AOptions.Contains(igoPanInertia)) flags |= GC_PAN_WITH_INERTIA;
  if (AOptions.Contains(igoPanGutter)) flags |= GC_PAN_WITH_GUTTER;
  return flags;
}

bool dxApplyGestureConfigs(HWND AWnd, const TdxGestureConfigs& AConfigs) {
  if (!User32.SetGestureConfig) return false;
  auto* configs = const_cast<TdxGestureConfig*>(AConfigs.data());
  return User32.SetGestureConfig(AWnd, 0, static_cast<UINT>(AConfigs.size()), configs, sizeof(TdxGestureConfig));
}

bool dxBlockAllGestures(HWND AWnd, TMessage& Message) {
  const bool result = dxApplyGestureConfigs(AWnd, {{0, 0, 1}});
  Message.Result = 1;
  return result;
}

bool dxPhysicalToLogical(HWND AWnd, TPoint& APoint) {
  if (!User32.PhysicalToLogicalPoint) return false;
  POINT P{APoint.X, APoint.Y};
  const bool result = User32.PhysicalToLogicalPoint(AWnd, &P);
  APoint = TPoint(P.x, P.y);
  return result;
}

bool dxProcessIsDpiAware() { return User32.IsProcessDPIAware && User32.IsProcessDPIAware(); }

int dxGetAppliedDPI() {
  int value = 0;
  if (TRegistryKey(HKEY_CURRENT_USER, L"Control Panel\\Desktop\\WindowMetrics").ReadInteger(L"AppliedDPI", value))
    return value;
  return cxCurrentDPI();
}

TdxGestureInfoFunctions dxSetGestureInfoFunctions(const TdxGestureInfoFunctions& AFunctions) {
  return std::exchange(User32.GestureInfo, AFunctions);
}

void dxSetPanScaling(bool AScaled, int AAppliedDPI) {
  PanScaling = AScaled;
  AppliedDPI = AAppliedDPI;
}

const TUnitEntry dxGesturesUnit{L"dxGestures", dxGesturesInitialize, dxGesturesFinalize};
