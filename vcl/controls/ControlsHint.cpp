// Hints: the hint window and the application's showing of a control's hint
// through the control's CM_HINTSHOW, OnShowHint and the hint window class.
#include <algorithm>

#include "vcl/controls/Application.h"
#include "vcl/controls/Controls.h"
#include "vcl/controls/Forms.h"

TClass HintWindowClass = THintWindow::StaticClass();

// ---------------------------------------------------------------- THintWindow

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
  SetColor(clInfoBk);
  SetVisible(false);
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    Font()->SetName(metrics.lfStatusFont.lfFaceName);
    Font()->SetHeight(metrics.lfStatusFont.lfHeight);
  }
  Font()->SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style = WS_POPUP | WS_BORDER;
  Params.ExStyle = WS_EX_TOOLWINDOW;
  Params.WndParent = nullptr;
}

void THintWindow::Paint() {
  TRect r = ClientRect();
  Canvas()->Brush()->SetColor(Color());
  Canvas()->FillRect(r);
  r.Inflate(-2, -2);
  RECT rect{r.Left, r.Top, r.Right, r.Bottom};
  Canvas()->Font()->SetColor(Font()->Color());
  SetBkMode(Canvas()->Handle(), TRANSPARENT);
  const String text = Caption();
  DrawTextW(Canvas()->Handle(), text.c_str(), static_cast<int>(text.size()), &rect,
            DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
}

TRect THintWindow::CalcHintRect(int MaxWidth, const String& AHint, void*) {
  RECT rect{0, 0, MaxWidth, 0};
  Canvas()->Font()->Assign(Font());
  DrawTextW(Canvas()->Handle(), AHint.c_str(), static_cast<int>(AHint.size()), &rect,
            DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  // The text's margins and the border.
  return TRect(0, 0, rect.right + 6, rect.bottom + 2);
}

void THintWindow::ActivateHint(const TRect& Rect, const String& AHint) {
  SetCaption(AHint);
  TRect r = Rect;
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  r.Offset(std::max(0, std::min(r.Left, screenWidth - r.Width())) - r.Left,
           std::max(0, std::min(r.Top, screenHeight - r.Height())) - r.Top);
  SetBounds(r.Left, r.Top, r.Width(), r.Height());
  SetWindowPos(Handle(), HWND_TOPMOST, r.Left, r.Top, r.Width(), r.Height(),
               SWP_SHOWWINDOW | SWP_NOACTIVATE);
  Invalidate();
}

// ---------------------------------------------------------------- the application's hint

namespace {

// The control under a screen point: a graphic child before its window.
TControl* ControlAtScreenPoint(const TPoint& P) {
  TWinControl* window = nullptr;
  for (HWND handle = WindowFromPoint(POINT{P.X, P.Y}); handle && !window; handle = GetParent(handle))
    window = FindControl(handle);
  if (!window) return nullptr;
  TControl* control = window->ControlAtPos(window->ScreenToClient(P), true);
  return control && !dynamic_cast<TWinControl*>(control) ? control : window;
}

// The control itself when it has a hint text, else its nearest parent that has one.
TControl* NearestWithHint(TControl* AControl) {
  while (AControl && AControl->Hint().empty()) AControl = AControl->Parent();
  return AControl;
}

}  // namespace

void TApplication::ActivateHint(const TPoint& CursorPos) {
  TControl* underMouse = ControlAtScreenPoint(CursorPos);
  TControl* control = NearestWithHint(underMouse);
  if (!control) return CancelHint();
  THintInfo info;
  info.HintControl = control;
  info.HintWindowClass = HintWindowClass;
  info.HintPos = TPoint(CursorPos.X, CursorPos.Y + GetSystemMetrics(SM_CYCURSOR) / 2);
  info.HintMaxWidth = Screen->Width();
  info.HintColor = FHintColor;
  info.CursorRect = control->ClientRect();
  info.CursorPos = control->ScreenToClient(CursorPos);
  info.HideTimeout = FHintHidePause;
  info.HintStr = control->Hint();
  // The control under the mouse is asked first (CM_HINTSHOW, lParam the
  // hint info): a nonzero answer keeps the hint hidden, say while the
  // control has a popup open.
  bool canShow = underMouse->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) == 0;
  if (canShow && OnShowHint) OnShowHint(info.HintStr, canShow, info);
  if (!canShow || info.HintStr.empty()) return CancelHint();
  const TClass windowClass = info.HintWindowClass ? info.HintWindowClass : HintWindowClass;
  if (!FHintWindow || FHintWindow->ClassType() != windowClass)
    FHintWindow.reset(static_cast<THintWindow*>(TObject::CreateInstance(windowClass)));
  FHintWindow->SetColor(info.HintColor);
  TRect r = FHintWindow->CalcHintRect(info.HintMaxWidth, info.HintStr, info.HintData);
  r.Offset(info.HintPos.X, info.HintPos.Y);
  FHintWindow->ActivateHint(r, info.HintStr);
}

void TApplication::CancelHint() {
  if (FHintWindow) FHintWindow->ReleaseHandle();
}
