// Scroll bars that a control paints into its own window, and the manager
// that gives them the control's mouse input.
#include <algorithm>
#include <utility>

#include "components/controls/cxControls.h"
#include "vcl/controls/Application.h"

namespace {

constexpr uint32_t cxCheckCaptureInterval = 100;

bool IsLeftButtonDown() { return (GetAsyncKeyState(GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON) & 0x8000) != 0; }

}  // namespace

// ---------------------------------------------------------------- painted bar

void TcxControlScrollBarHelper::ApplyData() {
  if (FData.Visible && FData.IsValid()) {
    TcxScrollBarHelper::SetScrollParams(FData.Min, FData.Max, FData.Position, FData.PageSize, Visible());
    SetSmallChange(FData.SmallChange);
    SetLargeChange(FData.LargeChange);
  }
  SetEnabled(FData.Enabled);
  SetVisible(FData.Visible);
}

void TcxControlScrollBarHelper::SetBoundsRect(const TRect& R) {
  TcxScrollBarHelper::SetBoundsRect(R);
  Calculate();
}

void TcxControlScrollBarHelper::SetWidth(int Value) {
  const TRect& r = BoundsRect();
  SetBoundsRect(TRect(r.Left, r.Top, r.Left + Value, r.Bottom));
}

void TcxControlScrollBarHelper::SetHeight(int Value) {
  const TRect& r = BoundsRect();
  SetBoundsRect(TRect(r.Left, r.Top, r.Right, r.Top + Value));
}

void TcxControlScrollBarHelper::Repaint() {
  if (!OwnerWindowExists() || IsNonClient() || dynamic_cast<IcxBackgroundImageSource*>(OwnerControl()))
    return TcxScrollBarHelper::Repaint();
  const HWND window = OwnerControl()->Handle();
  const HDC dc = GetDC(window);
  struct TReleaseDC {
    HWND Window;
    HDC DC;
    ~TReleaseDC() { ReleaseDC(Window, DC); }
  } release{window, dc};
  Paint(dc);
}

// ---------------------------------------------------------------- manager

TcxControlScrollBarsManager::~TcxControlScrollBarsManager() { cxEndMouseTracking(this); }

void TcxControlScrollBarsManager::RegisterScrollBar(TcxControlScrollBarHelper* AScrollBar) {
  if (std::find(FScrollBars.begin(), FScrollBars.end(), AScrollBar) == FScrollBars.end())
    FScrollBars.push_back(AScrollBar);
}

void TcxControlScrollBarsManager::UnRegisterScrollBar(TcxControlScrollBarHelper* AScrollBar) {
  if (FHotScrollBar == AScrollBar) SetHotScrollBar(nullptr);
  std::erase(FScrollBars, AScrollBar);
}

bool TcxControlScrollBarsManager::HandleMessage(TMessage& Message) {
  const auto point = [&] { return FOwner->MouseMessagePoint(Message); };
  const auto shift = [&] { return KeysToShiftState(Message.WParam); };
  const auto press = [&](TMouseButton AButton) {
    const TPoint p = point();
    return ProcessMouseDown(AButton, shift(), p.X, p.Y);
  };
  const auto release = [&](TMouseButton AButton) {
    const TPoint p = point();
    return ProcessMouseUp(AButton, shift(), p.X, p.Y);
  };
  switch (Message.Msg) {
    case WM_CREATE:
      // The window was made anew during a press: the press goes on.
      if (FIsCapture) {
        FIsCapture = false;
        if (!GetCapture() && IsLeftButtonDown() && FOwner->HandleAllocated()) BeginCapture();
      }
      return false;
    case WM_DESTROY:
      if (FIsCapture) StartCheckCapture();
      return false;
    case WM_MOUSEMOVE: {
      const TPoint p = point();
      if (!ProcessMouseMove(shift(), p.X, p.Y)) return false;
      Application->CancelHint();
      return true;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return press(mbLeft);
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: return press(mbRight);
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: return press(mbMiddle);
    case WM_LBUTTONUP: return release(mbLeft);
    case WM_RBUTTONUP: return release(mbRight);
    case WM_MBUTTONUP: return release(mbMiddle);
    case WM_CAPTURECHANGED: CaptureChanged(); return false;
  }
  return false;
}

bool TcxControlScrollBarsManager::ProcessMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (FOwner->IsMainScrollBarsArea(TPoint(X, Y))) return true;
  TcxControlScrollBarHelper* bar = FHotScrollBar;
  if (!bar) return false;
  if (Button == mbLeft && bar->Enabled()) {
    BeginCapture();
    if (FOwner->CanFocusOnClickAtPoint(X, Y)) {
      FOwner->FActivateType = atByMouseNonClientArea;
      FOwner->SetFocus();
    }
    // Focusing may have moved the mouse's bar away.
    if (FHotScrollBar == bar)
      bar->MouseDown(Button, Shift, X, Y);
    else
      ReleaseCapture();
  }
  return true;
}

bool TcxControlScrollBarsManager::ProcessMouseMove(TShiftState Shift, int X, int Y) {
  const TPoint p(X, Y);
  if (!FIsCapture) {
    if (FOwner->HandleAllocated() && GetCapture() == FOwner->Handle()) return false;
    SetHotScrollBar(ScrollBarAtPos(p));
  }
  if (!FHotScrollBar) return FOwner->IsMainScrollBarsArea(p);
  FHotScrollBar->MouseMove(Shift, X, Y);
  return true;
}

bool TcxControlScrollBarsManager::ProcessMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (!FIsCapture) return false;
  if (FHotScrollBar) FHotScrollBar->MouseUp(Button, Shift, X, Y);
  ReleaseCapture();
  return true;
}

bool TcxControlScrollBarsManager::IsScrollBarsArea(const TPoint& P) {
  return std::any_of(FScrollBars.begin(), FScrollBars.end(), [&](TcxControlScrollBarHelper* bar) {
    return bar->Visible() && bar->BoundsRect().Contains(P);
  });
}

void TcxControlScrollBarsManager::Paint(TcxCanvas* ACanvas) {
  for (TcxControlScrollBarHelper* bar : FScrollBars) {
    if (!bar->Visible() || !ACanvas->RectVisible(bar->BoundsRect())) continue;
    bar->Paint(ACanvas);
    ACanvas->ExcludeClipRect(bar->BoundsRect());
  }
}

TcxControlScrollBarHelper* TcxControlScrollBarsManager::ScrollBarAtPos(const TPoint& P) const {
  for (auto it = FScrollBars.rbegin(); it != FScrollBars.rend(); ++it)
    if ((*it)->Visible() && (*it)->Enabled() && (*it)->BoundsRect().Contains(P)) return *it;
  return nullptr;
}

void TcxControlScrollBarsManager::SetHotScrollBar(TcxControlScrollBarHelper* Value) {
  if (FHotScrollBar == Value) return;
  if (TcxControlScrollBarHelper* old = std::exchange(FHotScrollBar, nullptr)) {
    old->MouseLeave(FOwner);
    cxEndMouseTracking(this);
  }
  FHotScrollBar = Value;
  if (!Value) return;
  Value->MouseEnter(FOwner);
  cxBeginMouseTracking(FOwner, Value->BoundsRect(), this);
}

void TcxControlScrollBarsManager::MouseLeave() {
  if (FHotScrollBar) FHotScrollBar->CancelMode();
  SetHotScrollBar(nullptr);
}

bool TcxControlScrollBarsManager::ContainsPoint(const TPoint& P) {
  return FHotScrollBar && FHotScrollBar->BoundsRect().Contains(P);
}

void TcxControlScrollBarsManager::BeginCapture() {
  ::SetCapture(FOwner->Handle());
  FIsCapture = true;
}

void TcxControlScrollBarsManager::ReleaseCapture() {
  // The capture change that follows clears the flag and ends the bar's mode.
  if (FOwner->HandleAllocated() && GetCapture() == FOwner->Handle())
    ::ReleaseCapture();
  else
    CaptureChanged();
}

void TcxControlScrollBarsManager::CaptureChanged() {
  FIsCapture = false;
  if (FHotScrollBar) FHotScrollBar->CancelMode();
}

void TcxControlScrollBarsManager::StartCheckCapture() {
  if (!FCheckCaptureTimer)
    FCheckCaptureTimer.reset(cxNewTimer(cxCheckCaptureInterval, true, [this](TObject*) { CheckCapture(); }));
}

void TcxControlScrollBarsManager::CheckCapture() {
  if (IsLeftButtonDown()) return;
  FCheckCaptureTimer.reset();
  if (FHotScrollBar) FHotScrollBar->CancelMode();
  ReleaseCapture();
}
