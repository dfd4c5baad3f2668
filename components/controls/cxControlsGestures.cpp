// The control base's other ways of moving through its content: touch pans
// turned into scroll-bar steps, middle-button anchor scrolling, and
// mouse-leave tracking for objects that are not windows.
#include "components/controls/cxControls.h"

#include <algorithm>
#include <cstdlib>

#include <windowsx.h>

#include "components/core/dxCore.h"
#include "vcl/controls/Forms.h"
#include "vcl/rtl/SysUtils.h"

namespace {

// ---------------------------------------------------------------- mouse tracking

std::unique_ptr<std::vector<TMouseTrackingTimer*>> MouseTrackingTimers;
bool MouseTrackingFinalized = false;

std::vector<TMouseTrackingTimer*>* TrackingTimers() {
  if (!MouseTrackingTimers && !MouseTrackingFinalized)
    MouseTrackingTimers = std::make_unique<std::vector<TMouseTrackingTimer*>>();
  return MouseTrackingTimers.get();
}

TMouseTrackingTimer* FindTrackingTimer(IcxMouseTrackingCaller* ACaller) {
  if (!MouseTrackingTimers) return nullptr;
  const auto found = std::ranges::find(*MouseTrackingTimers, ACaller, &TMouseTrackingTimer::Caller);
  return found == MouseTrackingTimers->end() ? nullptr : *found;
}

// ---------------------------------------------------------------- anchor scrolling

constexpr UINT AnchorScrollingInterval = 20;
constexpr int AnchorScrollingMaxSpeed = 12;

const wchar_t* AnchorBitmapName(bool AHorzScrolling, bool AVertScrolling) {
  if (AHorzScrolling && AVertScrolling) return L"CX_FULLSCROLLBITMAP";
  return AHorzScrolling ? L"CX_HORSCROLLBITMAP" : L"CX_VERSCROLLBITMAP";
}

TCursor AnchorCursor(TcxDirection ADirection, bool AHorzScrolling, bool AVertScrolling) {
  switch (ADirection) {
    case dirLeft: return 2107;
    case dirRight: return 2105;
    case dirUp: return 2104;
    case dirDown: return 2106;
    case dirNone: break;
  }
  if (AHorzScrolling && AVertScrolling) return 2101;
  return AHorzScrolling ? 2102 : 2103;
}

// The elliptic window under the cursor that marks the anchor, and
// everything the mode holds: given back however the mode ends.
class TAnchorScrollingSession {
public:
  TAnchorScrollingSession(TWinControl* AControl, bool AHorzScrolling, bool AVertScrolling, bool& AIsScrolling)
      : FControl(AControl), FIsScrolling(AIsScrolling) {
    FIsScrolling = true;
    try {
      Begin(AHorzScrolling, AVertScrolling);
    } catch (...) {
      End();
      throw;
    }
  }
  ~TAnchorScrollingSession() { End(); }
  TAnchorScrollingSession(const TAnchorScrollingSession&) = delete;
  TAnchorScrollingSession& operator=(const TAnchorScrollingSession&) = delete;

  const TPoint& Anchor() const { return FAnchor; }
  int BitmapWidth() const { return FSize.cx; }
  HWND Window() const { return FWindow; }
  UINT_PTR Timer() const { return FTimer; }

private:
  void Begin(bool AHorzScrolling, bool AVertScrolling) {
    cxGetCursorPosSafe(FAnchor);
    FBitmap = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr),
                                              AnchorBitmapName(AHorzScrolling, AVertScrolling), IMAGE_BITMAP, 0, 0,
                                              LR_CREATEDIBSECTION));
    if (!FBitmap) RaiseLastOSError();
    BITMAP info{};
    GetObjectW(FBitmap, sizeof(info), &info);
    FSize = TSize(info.bmWidth, info.bmHeight);
    FWindow = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP, FAnchor.X - FSize.cx / 2,
                              FAnchor.Y - FSize.cy / 2, FSize.cx, FSize.cy, FControl->Handle(), nullptr, nullptr,
                              nullptr);
    if (!FWindow) RaiseLastOSError();
    SetWindowRgn(FWindow, CreateEllipticRgn(0, 0, FSize.cx + 1, FSize.cy + 1), FALSE);
    ShowWindow(FWindow, SW_SHOWNOACTIVATE);
    Draw();
    FTimer = SetTimer(nullptr, 0, AnchorScrollingInterval, nullptr);
    SetCapture(FControl->Handle());
  }

  void End() {
    if (FControl->HandleAllocated() && GetCapture() == FControl->Handle()) ReleaseCapture();
    if (FTimer) KillTimer(nullptr, FTimer);
    if (FWindow) DestroyWindow(FWindow);
    if (FBitmap) DeleteObject(FBitmap);
    FIsScrolling = false;
  }

  void Draw() {
    HDC windowDC = GetDC(FWindow);
    HDC bitmapDC = CreateCompatibleDC(windowDC);
    HGDIOBJ previous = SelectObject(bitmapDC, FBitmap);
    BitBlt(windowDC, 0, 0, FSize.cx, FSize.cy, bitmapDC, 0, 0, SRCCOPY);
    SelectObject(bitmapDC, previous);
    DeleteDC(bitmapDC);
    HRGN ellipse = CreateEllipticRgn(0, 0, FSize.cx + 1, FSize.cy + 1);
    FrameRgn(windowDC, ellipse, GetSysColorBrush(COLOR_WINDOWTEXT), 1, 1);
    DeleteObject(ellipse);
    ReleaseDC(FWindow, windowDC);
  }

  TWinControl* FControl;
  bool& FIsScrolling;
  TPoint FAnchor;
  HBITMAP FBitmap = nullptr;
  TSize FSize;
  HWND FWindow = nullptr;
  UINT_PTR FTimer = 0;
};

bool IsEscape(const MSG& AMsg) {
  return (AMsg.message == WM_KEYDOWN || AMsg.message == WM_KEYUP) && AMsg.wParam == VK_ESCAPE;
}

void Dispatch(const MSG& AMsg) {
  TranslateMessage(&AMsg);
  DispatchMessageW(&AMsg);
}

}  // namespace

// ---------------------------------------------------------------- TMouseTrackingTimer

TMouseTrackingTimer::TMouseTrackingTimer(TWinControl* AControl, const TRect& ABounds,
                                         IcxMouseTrackingCaller* ACaller)
    : TcxTimer(nullptr), FCaller(ACaller), FControl(AControl), FBounds(ABounds) {
  if (FControl) {
    FControl->FreeNotification(this);
    if (FControl->HandleAllocated()) {
      FBounds = TRect(FControl->ClientToScreen(ABounds.TopLeft()), FControl->ClientToScreen(ABounds.BottomRight()));
    }
  }
  SetInterval(10);
  SetOnTimer([this](TObject*) { Tick(); });
}

TMouseTrackingTimer::~TMouseTrackingTimer() {
  if (FControl) FControl->RemoveFreeNotification(this);
}

// A tracked control that is freed ends the tracking silently, as one that
// lost its window does.
void TMouseTrackingTimer::Notification(TComponent* AComponent, TOperation Operation) {
  TcxTimer::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FControl) {
    FControl = nullptr;
    FControlFreed = true;
  }
}

bool TMouseTrackingTimer::IsMouseOutside(const TPoint& P) {
  if (FControl && FControl->HandleAllocated()) {
    const HWND window = FControl->Handle();
    if (!cxIsSameOrChildWindow(window, cxWindowAtScreenPoint(P)) && GetCapture() != window) return true;
  }
  if (auto* caller2 = dynamic_cast<IcxMouseTrackingCaller2*>(FCaller)) {
    if (!FControl) return !caller2->ContainsPoint(P);
    if (!FControl->HandleAllocated()) return true;
    return !caller2->ContainsPoint(FControl->ScreenToClient(P));
  }
  return !FBounds.Contains(P);
}

void TMouseTrackingTimer::Tick() {
  if (FControlFreed) return cxEndMouseTracking(FCaller);
  TPoint P;
  cxGetCursorPosSafe(P);
  const bool windowLost = FControl && !FControl->HandleAllocated();
  bool ends = windowLost || (FControl && !cxIsWindowEnabledWithParents(FControl->Handle()));
  if (!ends && IsMouseOutside(P)) {
    auto* caller3 = dynamic_cast<IcxMouseTrackingCaller3*>(FCaller);
    ends = !caller3 || !caller3->KeepTrackingOutside();
  }
  if (!ends) return;
  IcxMouseTrackingCaller* caller = FCaller;
  if (!windowLost) {
    if (FControl &&
        (!FControl->ClientRect().Contains(FControl->ScreenToClient(P)) || !cxIsWindowEnabledWithParents(FControl->Handle())))
      FControl->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(FControl));
    caller->MouseLeave();
  }
  cxEndMouseTracking(caller);
}

void cxBeginMouseTracking(TWinControl* AControl, const TRect& ABounds, IcxMouseTrackingCaller* ACaller) {
  std::vector<TMouseTrackingTimer*>* timers = TrackingTimers();
  if (!timers || FindTrackingTimer(ACaller)) return;
  timers->push_back(new TMouseTrackingTimer(AControl, ABounds, ACaller));
}

void cxEndMouseTracking(IcxMouseTrackingCaller* ACaller) {
  TMouseTrackingTimer* timer = FindTrackingTimer(ACaller);
  if (!timer) return;
  std::erase(*MouseTrackingTimers, timer);
  delete timer;
}

void cxMouseTrackingFinalize() {
  MouseTrackingFinalized = true;
  const std::unique_ptr<std::vector<TMouseTrackingTimer*>> timers = std::move(MouseTrackingTimers);
  if (!timers || timers->empty()) return;
  for (TMouseTrackingTimer* timer : *timers) delete timer;
  throw EdxException(L"MouseTrackingTimerList.Count <> 0");
}

void cxMouseTrackingInitialize() { MouseTrackingFinalized = false; }

// ---------------------------------------------------------------- anchor scrolling

TcxAnchorScrollMotion cxCalculateAnchorScrollMotion(const TPoint& AAnchor, const TPoint& AMouse, int ABitmapWidth,
                                                    bool AHorzScrolling, bool AVertScrolling) {
  const int half = ABitmapWidth / 2;
  TRect neutral = Bounds(AAnchor.X - half, AAnchor.Y - half, ABitmapWidth, ABitmapWidth);
  const TRect screen = Bounds(GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                              GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN));
  if (!AHorzScrolling) {
    neutral.Left = std::min(neutral.Left, screen.Left);
    neutral.Right = std::max(neutral.Right, screen.Right);
  }
  if (!AVertScrolling) {
    neutral.Top = std::min(neutral.Top, screen.Top);
    neutral.Bottom = std::max(neutral.Bottom, screen.Bottom);
  }
  if (neutral.Contains(AMouse)) return {};
  const int dx = AMouse.X - AAnchor.X;
  const int dy = AMouse.Y - AAnchor.Y;
  const bool vertical = !AHorzScrolling || (AVertScrolling && std::abs(dy) >= std::abs(dx));
  TcxAnchorScrollMotion motion;
  motion.LeftNeutralZone = true;
  if (vertical)
    motion.Direction = dy < 0 ? dirUp : dirDown;
  else
    motion.Direction = dx < 0 ? dirLeft : dirRight;
  const int distance = std::abs(vertical ? dy : dx);
  motion.Speed = std::min((distance - half) / 5 + 1, AnchorScrollingMaxSpeed);
  return motion;
}

void cxStartAnchorScrolling(TWinControl* AControl, bool AHorzScrolling, bool AVertScrolling,
                            const TcxAnchorScrollProc& AScrollProc, bool& AIsScrolling) {
  if (!AHorzScrolling && !AVertScrolling) return;
  TAnchorScrollingSession session(AControl, AHorzScrolling, AVertScrolling, AIsScrolling);
  TcxAnchorScrollMotion motion{dirNone, 1, false};
  bool leftNeutralZone = false;
  int ticks = 0;
  TPoint lastPoint = session.Anchor();
  ::SetCursor(Screen->Cursors(AnchorCursor(dirNone, AHorzScrolling, AVertScrolling)));

  MSG msg;
  while (AControl->HandleAllocated() && GetCapture() == AControl->Handle()) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == -1) break;
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (msg.message == WM_PAINT && msg.hwnd == session.Window()) {
      ValidateRect(msg.hwnd, nullptr);
    } else if (IsEscape(msg)) {
      Dispatch(msg);
      break;
    } else if (msg.message == WM_TIMER && !msg.hwnd && msg.wParam == session.Timer()) {
      if (++ticks % (AnchorScrollingMaxSpeed + 1 - motion.Speed) == 0) AScrollProc(motion.Direction);
    } else if (msg.message == WM_MOUSEMOVE) {
      POINT p{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
      ClientToScreen(msg.hwnd, &p);
      const TPoint point(p.x, p.y);
      if (point == lastPoint) continue;
      motion = cxCalculateAnchorScrollMotion(session.Anchor(), point, session.BitmapWidth(), AHorzScrolling,
                                             AVertScrolling);
      leftNeutralZone = leftNeutralZone || motion.LeftNeutralZone;
      ::SetCursor(Screen->Cursors(AnchorCursor(motion.Direction, AHorzScrolling, AVertScrolling)));
      lastPoint = point;
    } else if (msg.message == WM_MBUTTONUP) {
      Dispatch(msg);
      if (leftNeutralZone) break;
    } else if (msg.message >= WM_LBUTTONDOWN && msg.message <= WM_MOUSEHWHEEL) {
      break;
    } else {
      Dispatch(msg);
    }
  }
}

// ---------------------------------------------------------------- TcxControl: anchor scrolling

void TcxControl::StartAnchorScrolling() {
  if (!HasScrollBars()) return;
  cxStartAnchorScrolling(
      this, IsHorzScrollBarVisible(), IsVertScrollBarVisible(),
      [this](TcxDirection ADirection) { ScrollContent(ADirection); }, FIsScrollingContent);
}

// ---------------------------------------------------------------- TcxControl: gestures

TInteractiveGestures TcxControl::CalculateInteractiveGestures() {
  TInteractiveGestures gestures;
  for (int id : {GID_PAN, GID_ZOOM, GID_ROTATE, GID_TWOFINGERTAP, GID_PRESSANDTAP})
    if (IsGestureHandledByDefault(id)) gestures.Include(dxGestureKindFromId(id));
  return gestures;
}

TInteractiveGestureOptions TcxControl::CalculateInteractiveGestureOptions() {
  return dxPanFlagsToGestureOptions(GetDefaultInteractiveGestures()) + TInteractiveGestureOptions{igoParentPassthrough};
}

bool TcxControl::IsGestureHandledByDefault(int AGestureId) {
  return AGestureId == GID_PAN || AGestureId == GID_PRESSANDTAP;
}

int TcxControl::GetDefaultInteractiveGestures() {
  return GC_PAN | GC_PAN_WITH_SINGLE_FINGER_VERTICALLY | GC_PAN_WITH_SINGLE_FINGER_HORIZONTALLY | GC_PAN_WITH_GUTTER |
         GC_PAN_WITH_INERTIA;
}

bool TcxControl::IsTouchPropertyStored(TTouchProperty AProperty) {
  switch (AProperty) {
    case tpInteractiveGestures: return Touch().InteractiveGestures() != CalculateInteractiveGestures();
    case tpInteractiveGestureOptions:
      return Touch().InteractiveGestureOptions() != CalculateInteractiveGestureOptions();
  }
  return TCustomControl::IsTouchPropertyStored(AProperty);
}

void TcxControl::HandleGesture(const TGestureEventInfo& EventInfo, bool& Handled) {
  FGestureHelper->DoGesture(EventInfo, Handled);
}

void TcxControl::QueryGestureOptions(TInteractiveGestures& Gestures, TInteractiveGestureOptions& Options) {
  TCustomControl::QueryGestureOptions(Gestures, Options);
  FGestureHelper->CheckGestureOptions(Gestures, Options);
}

void TcxControl::CheckGestureOverpan(TScrollBarKind AScrollKind, int ANewDataPos, int AMinDataPos, int AMaxDataPos,
                                     int ADeltaX, int ADeltaY) {
  FGestureHelper->CheckOverpan(AScrollKind, ANewDataPos, AMinDataPos, AMaxDataPos, ADeltaX, ADeltaY);
}

bool TcxControl::IsGestureAllowed(int AGestureId) {
  const TInteractiveGesture kind = dxGestureKindFromId(AGestureId);
  return static_cast<int>(kind) <= static_cast<int>(igPressAndTap) && Touch().InteractiveGestures().Contains(kind);
}

bool TcxControl::IsPanAllowed(TScrollBarKind AScrollKind) {
  const TcxWheelScrollAxis axis = GetWheelScrollAxis();
  if (GesturesUseScrollBarData()) return (axis == wsaVertical) == (AScrollKind == sbVertical);
  const bool horizontal = IsHorzScrollBarVisible();
  const bool vertical = IsVertScrollBarVisible();
  if (AScrollKind == sbVertical) return vertical && (axis == wsaVertical || !horizontal);
  return horizontal && (axis == wsaHorizontal || !vertical);
}

int TcxControl::QueryPanOptions() {
  int options = dxGestureOptionsToPanFlags(Touch().InteractiveGestureOptions());
  if (Touch().InteractiveGestures().Contains(igPan)) options |= GC_PAN;
  return options;
}

bool TcxControl::IsPointInClientArea(const TPoint& P) { return ClientBounds().Contains(P) && !IsScrollBarsArea(P); }

void TcxControl::GestureScroll(int ADeltaX, int ADeltaY) {
  if (auto* scrolling = dynamic_cast<IdxScrollingControl*>(this))
    return TdxScrollHelper::GestureScroll(scrolling, ADeltaX, ADeltaY);
  GestureScrollKind(sbHorizontal, FGestureAccumulatedDelta.X, ADeltaX, ADeltaX, ADeltaY);
  GestureScrollKind(sbVertical, FGestureAccumulatedDelta.Y, ADeltaY, ADeltaX, ADeltaY);
}

void TcxControl::GestureScrollKind(TScrollBarKind AKind, int32_t& AAccumulated, int ADelta, int ADeltaX,
                                   int ADeltaY) {
  if (!UseStandardGestureScroll(AKind)) return CustomGestureScroll(AKind, ADelta);
  IcxControlScrollBar* bar = GetScrollBar(AKind);
  if (!bar) return;
  const bool scrollable = (bar->Visible() && bar->Enabled()) || (GesturesUseScrollBarData() && bar->Data()->IsValid());
  if (!scrollable) return;
  AAccumulated += ADelta;
  ScrollByGestureDelta(AKind, AAccumulated, ADeltaX, ADeltaY);
}

// Whole scroll units come out of the accumulated pixels; the rest waits for
// the next pan.
void TcxControl::ScrollByGestureDelta(TScrollBarKind AKind, int32_t& ADelta, int ADeltaX, int ADeltaY) {
  IcxControlScrollBar* bar = GetScrollBar(AKind);
  int min = bar->Min(), max = bar->Max(), pageSize = bar->PageSize(), position = bar->Position();
  if (GesturesUseScrollBarData()) {
    const TcxScrollBarData* data = bar->Data();
    min = data->Min;
    max = data->Max;
    pageSize = data->PageSize;
    position = data->Position;
  }
  // The last position at which a page still fits (the maximum itself
  // without a page).
  const int upperBound = std::max(min, max - std::max(pageSize - 1, 0));
  const int clientExtent = AKind == sbHorizontal ? ClientWidth() : ClientHeight();
  const int step = pageSize == 0 ? 30 : std::clamp(clientExtent / pageSize, 1, 30);
  const int units = ADelta / step;
  if (units == 0) return;
  ADelta %= step;
  const int newPosition = position - units;
  CheckGestureOverpan(AKind, newPosition, min, upperBound, ADeltaX, ADeltaY);
  SetGestureScrollPosition(AKind, std::clamp(newPosition, min, upperBound));
  Update();
}

// ---------------------------------------------------------------- TdxScrollHelper: gestures

void TdxScrollHelper::GestureScroll(IdxScrollingControl* AControl, int ADeltaX, int ADeltaY) {
  TcxControl* control = AControl->GetScrollingControl();
  const auto counts = [control](TScrollBarKind AKind) {
    IcxControlScrollBar* bar = control->GetScrollBar(AKind);
    return bar && bar->Visible() && bar->Enabled();
  };
  if (!counts(sbHorizontal)) ADeltaX = 0;
  if (!counts(sbVertical)) ADeltaY = 0;
  const TSize content = AControl->GetContentExtent();
  const TSize client = GetClientSize(AControl);
  if (ADeltaX != 0)
    control->CheckGestureOverpan(sbHorizontal, AControl->GetHorzPos() - ADeltaX, 0, content.cx - client.cx, ADeltaX,
                                 ADeltaY);
  if (ADeltaY != 0)
    control->CheckGestureOverpan(sbVertical, AControl->GetVertPos() - ADeltaY, 0, content.cy - client.cy, ADeltaX,
                                 ADeltaY);
  SetPos(AControl, AControl->GetHorzPos() - ADeltaX, AControl->GetVertPos() - ADeltaY);
}
