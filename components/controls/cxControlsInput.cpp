// The control base's input: message routing, focus on click, the mouse
// enter/leave counter, dialog keys and shortcuts, the wheel, context menus
// and the mouse capture object.
#include <algorithm>
#include <cstdlib>

#include <windowsx.h>

#include "components/controls/cxControls.h"

#include "vcl/controls/Application.h"
#include "vcl/controls/Forms.h"

namespace {

// Clears the link at the end of a step that may free the control.
class TControlGuard {
public:
  explicit TControlGuard(TObject* AObject) : FLink(cxLinkToObject(AObject)) {}
  ~TControlGuard() { cxUnlinkObject(FLink); }
  TControlGuard(const TControlGuard&) = delete;
  TControlGuard& operator=(const TControlGuard&) = delete;
  bool Alive() const { return FLink->Ref != nullptr; }

private:
  TcxObjectLink* FLink;
};

// Raises a flag of a control for one step (when asked to), which may free
// the control.
class TFlagScope {
public:
  TFlagScope(bool& AFlag, const TControlGuard& AGuard, bool ARaise) : FFlag(ARaise ? &AFlag : nullptr), FGuard(AGuard) {
    if (FFlag) *FFlag = true;
  }
  ~TFlagScope() {
    if (FFlag && FGuard.Alive()) *FFlag = false;
  }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

private:
  bool* FFlag;
  const TControlGuard& FGuard;
};

// The WM_GETDLGCODE flag a key needs for the control to keep it; 0 for
// keys without a class.
UINT DialogCodeNeeded(WPARAM AKey) {
  switch (AKey) {
    case VK_CANCEL:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_EXECUTE: return DLGC_WANTALLKEYS;
    case VK_TAB: return DLGC_WANTTAB;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: return DLGC_WANTARROWS;
  }
  return 0;
}

}  // namespace

// ---------------------------------------------------------------- message routing

TPoint TcxControl::MouseMessagePoint(const TMessage& Message) {
  if (HandleAllocated() && (Width() > 32768 || Height() > 32768)) return GetMouseCursorClientPos();
  return TCustomControl::MouseMessagePoint(Message);
}

void TcxControl::WndProc(TMessage& Message) {
  const TControlGuard guard(this);
  if (IsInputEnabled() && (HandleGestureMessage(Message) || FScrollBarsManager->HandleMessage(Message))) return;
  if (Message.Msg == WM_RBUTTONUP) FMouseRightButtonReleased = true;
  if (!DispatchInput(Message)) {
    // The framework gives the capture up for a left button-up before the
    // mouse-up that ends a drag itself: that is no capture lost.
    const TFlagScope releasing(FReleasingLeftButton, guard, Message.Msg == WM_LBUTTONUP);
    TCustomControl::WndProc(Message);
  }
  if (!guard.Alive()) return;
  const auto press = [&](TMouseButton AButton) {
    const TPoint p = MouseMessagePoint(Message);
    ProcessMousePress(AButton, p.X, p.Y);
  };
  switch (Message.Msg) {
    case WM_LBUTTONDOWN: return press(mbLeft);
    case WM_RBUTTONDOWN: return press(mbRight);
    case WM_MBUTTONDOWN: return press(mbMiddle);
  }
}

// The messages the control base handles itself; false for the others.
bool TcxControl::DispatchInput(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT: HandlePaintMessage(Message); return true;
    case WM_ERASEBKGND: HandleEraseBackground(Message); return true;
    case WM_NCPAINT: HandleNonClientPaint(Message); return true;
    case WM_PRINT:
      DefaultHandler(Message);
      if ((Message.LParam & PRF_NONCLIENT) && HasNonClientArea())
        PaintNonClientArea(reinterpret_cast<HDC>(Message.WParam));
      return true;
    case WM_NCCALCSIZE:
      TCustomControl::WndProc(Message);
      PostMessageW(Handle(), DXM_CHECKSCROLLBARSIZE, 0, 0);
      return true;
    case DXM_CHECKSCROLLBARSIZE: CheckScrollBarSizes(); return true;
    case CM_INVALIDATE:
      if (HandleAllocated() && !IsDestroying())
        cxInvalidateWindowedControl(this, Message.WParam == 0, RedrawWithChildren());
      return true;
    case CM_FONTCHANGED:
      TCustomControl::WndProc(Message);
      FontChanged(Font());
      return true;
    case CM_COLORCHANGED:
      ColorChanged();
      return false;
    case CM_CURSORCHANGED:
      CursorChanged();
      return false;
    case CM_TEXTCHANGED:
      TCustomControl::WndProc(Message);
      TextChanged();
      return true;
    case CM_VISIBLECHANGED:
      TCustomControl::WndProc(Message);
      VisibleChanged();
      return true;
    case WM_SETCURSOR: HandleSetCursor(Message); return true;
    case WM_GETDLGCODE: Message.Result = DialogCode(); return true;
    case WM_CONTEXTMENU: HandleContextMenuMessage(Message); return true;
    case WM_CANCELMODE:
      TCustomControl::WndProc(Message);
      FinishDragAndDrop(false);
      CancelMouseOperations();
      return true;
    case WM_CAPTURECHANGED:
      TCustomControl::WndProc(Message);
      if (!FReleasingLeftButton && reinterpret_cast<HWND>(Message.LParam) != Handle()) DragAndDropCaptureLost();
      return true;
    case CN_KEYDOWN: HandleKeyDown(Message); return true;
    case CN_KEYUP: HandleKeyUp(Message); return true;
    case CN_SYSKEYDOWN: HandleSysKeyDown(Message); return true;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: HandleMouseEnterLeave(Message); return true;
    case CM_DESIGNHITTEST: {
      TCustomControl::WndProc(Message);
      if (Message.Result == 0) {
        const TPoint p = MouseMessagePoint(Message);
        Message.Result = GetDesignHitTest(p.X, p.Y, KeysToShiftState(Message.WParam));
      }
      return true;
    }
  }
  return false;
}

// ---------------------------------------------------------------- cursor

void TcxControl::HandleSetCursor(TMessage& Message) {
  if (IsOwnWindowHandle(reinterpret_cast<HWND>(Message.WParam)) && FDragAndDropState == ddsNone &&
      Screen->Cursor() == crDefault) {
    const TPoint p = GetMouseCursorClientPos();
    if (const TCursor cursor = GetCurrentCursor(p.X, p.Y); cursor != crDefault) {
      ::SetCursor(Screen->Cursors(cursor));
      Message.Result = 1;
      return;
    }
  }
  TCustomControl::WndProc(Message);
}

TCursor TcxControl::GetCurrentCursor(int X, int Y) {
  if (IsScrollBarsArea(TPoint(X, Y))) return crArrow;
  if (IsDesigning()) return crDefault;
  return Cursor();
}

// ---------------------------------------------------------------- mouse

bool TcxControl::CanFocusOnClick() {
  return !IsDesigning() && FFocusOnClick && MayFocus() && CanFocus() && HandleAllocated() &&
         IsWindowVisible(Handle());
}

void TcxControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FMouseDownPos = TPoint(X, Y);
  const TControlGuard guard(this);
  if (CanFocusOnClickAtPoint(X, Y) && !Shift.Contains(ssDouble)) {
    const TPoint before(Left(), Top());
    FActivateType = atByMouse;
    SetFocus();
    if (!guard.Alive()) return;
    if (TCustomForm* form = GetParentForm(this); form && form->ActiveControl() == this && !Focused())
      ::SetFocus(Handle());
    // A container counts as focused when its inner control took the focus.
    if (!IsFocused() && !AllowMouseWithoutFocus()) {
      SetMouseCapture(false);
      return;
    }
    if (CorrectMousePosAfterFocus()) {
      X += before.X - Left();
      Y += before.Y - Top();
    }
  }
  StartDragAndDropOnPress(Button, Shift, X, Y);
  BeforeMouseDown(Button, Shift, X, Y);
  if (!guard.Alive()) return;
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (guard.Alive() && MouseCapture()) FMouseButtonPressed = true;
}

void TcxControl::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  ContinueDragAndDrop(X, Y);
  UpdateHintAtPoint(TPoint(X, Y));
}

void TcxControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FMouseButtonPressed = false;
  FinishMouseAction();
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TcxControl::FinishMouseAction() {
  FinishDragAndDrop(true);
  SetMouseCaptureObject(nullptr);
}

void TcxControl::CancelMouseOperations() {
  FMouseButtonPressed = false;
  SetMouseCaptureObject(nullptr);
}

void TcxControl::SetMouseCaptureObject(TObject* Value) {
  if (FMouseCaptureObject == Value) return;
  if (auto* holder = dynamic_cast<IcxCaptureHolder*>(FMouseCaptureObject)) holder->LoseCapture();
  FMouseCaptureObject = Value;
  SetMouseCapture(Value != nullptr);
  if (!Value) CancelStartingDragAndDrop();
}

bool TcxControl::GetDesignHitTest(int X, int Y, TShiftState) {
  return FDragAndDropState != ddsNone || FMouseButtonPressed || IsScrollBarsArea(TPoint(X, Y));
}

TPoint TcxControl::GetMouseCursorClientPos() {
  TPoint p;
  cxGetCursorPosSafe(p);
  return ScreenToClient(p);
}

void TcxControl::PostMouseMove(const TPoint& AMousePos) {
  if (!HandleAllocated() || GetCapture()) return;
  PostMessageW(Handle(), WM_MOUSEMOVE, 0,
               MAKELPARAM(static_cast<WORD>(AMousePos.X), static_cast<WORD>(AMousePos.Y)));
}

// ---------------------------------------------------------------- enter and leave

void TcxControl::HandleMouseEnterLeave(TMessage& Message) {
  TCustomControl::WndProc(Message);
  auto* control = Message.LParam ? reinterpret_cast<TControl*>(Message.LParam) : this;
  if (Message.Msg == CM_MOUSEENTER) MouseEnter(control);
  else MouseLeave(control);
}

void TcxControl::CallMouseEnterEvent(TControl* AControl) {
  if ((AControl && AControl != this) || FMouseEnterCounter != 0) return;
  FMouseEnterCounter = 1;
  if (OnMouseEnter) OnMouseEnter(this);
}

void TcxControl::CallMouseLeaveEvent(TControl* AControl) {
  if ((AControl && AControl != this) || FMouseEnterCounter != 1) return;
  FMouseEnterCounter = 0;
  if (OnMouseLeave) OnMouseLeave(this);
}

// ---------------------------------------------------------------- keyboard

UINT TcxControl::DialogCode() {
  UINT code = 0;
  if (FKeys.Contains(kAll)) code |= DLGC_WANTALLKEYS;
  if (FKeys.Contains(kArrows)) code |= DLGC_WANTARROWS;
  if (FKeys.Contains(kChars)) code |= DLGC_WANTCHARS;
  if (FKeys.Contains(kTab) && GetKeyState(VK_CONTROL) >= 0) code |= DLGC_WANTTAB;
  return code;
}

bool TcxControl::IsKeyClaimed(WPARAM AKey) {
  const UINT needed = DialogCodeNeeded(AKey);
  return needed == 0 || Perform(CM_WANTSPECIALKEY, AKey) != 0 ||
         (SendMessageW(Handle(), WM_GETDLGCODE, AKey, 0) & needed) != 0;
}

void TcxControl::HandleKeyDown(TMessage& Message) {
  Message.Result = 1;
  if (HandleShortCut(Message)) return;
  if (FDragAndDropState != ddsNone) {
    // Any key the drag-and-drop does not answer, Escape among them, cancels it.
    if (!DragAndDropObject()->DoProcessKeyDown(Message)) FinishDragAndDrop(false);
    return;
  }
  if (!IsDesigning()) {
    if (Perform(CM_CHILDKEY, Message.WParam, reinterpret_cast<LPARAM>(this)) != 0) return;
    if (!IsKeyClaimed(Message.WParam))
      if (TCustomForm* form = GetParentForm(this);
          form && form->Perform(CM_DIALOGKEY, Message.WParam, Message.LParam) != 0)
        return;
  }
  Message.Result = 0;
}

void TcxControl::HandleKeyUp(TMessage& Message) {
  if (FDragAndDropState != ddsNone && DragAndDropObject()->DoProcessKeyUp(Message)) {
    Message.Result = 1;
    return;
  }
  TCustomControl::WndProc(Message);
}

void TcxControl::HandleSysKeyDown(TMessage& Message) {
  Message.Result = 1;
  if (HandleShortCut(Message)) return;
  if (!IsDesigning()) {
    if (Perform(CM_CHILDKEY, Message.WParam, reinterpret_cast<LPARAM>(this)) != 0) return;
    if (TCustomForm* form = GetParentForm(this);
        form && form->Perform(CM_DIALOGKEY, Message.WParam, Message.LParam) != 0)
      return;
  }
  Message.Result = 0;
}

bool TcxControl::HandleShortCut(TMessage& Message) {
  if (!IsDesigning()) {
    for (TControl* control = this; control; control = control->Parent()) {
      if (TPopupMenu* menu = control->GetPopupMenu(); menu && menu->IsShortCut(Message)) return true;
      if (auto* cx = dynamic_cast<TcxControl*>(control); cx && cxPopupMenuIsShortCut(cx->PopupMenu(), Message))
        return true;
    }
    if (TCustomForm* form = GetParentForm(this); form && form->IsShortCut(Message)) return true;
  }
  return Application && SendMessageW(Application->Handle(), CM_APPKEYDOWN, Message.WParam, Message.LParam) != 0;
}

bool TcxControlDefaultHandlerHelper::Process(TMessage& Message) {
  if ((Message.Msg != WM_KEYDOWN && Message.Msg != WM_SYSKEYDOWN) || !Application) return false;
  return SendMessageW(Application->Handle(), DXM_DEFAULTKEYDOWN, Message.WParam, Message.LParam) != 0;
}

void TcxControl::DefaultHandler(TMessage& Message) {
  if (!TcxControlDefaultHandlerHelper::Process(Message)) TCustomControl::DefaultHandler(Message);
}

// ---------------------------------------------------------------- wheel

bool TcxControl::DoMouseWheel(TShiftState Shift, int WheelDelta, const TPoint& MousePos) {
  const bool handled = TCustomControl::DoMouseWheel(Shift, WheelDelta, MousePos);
  if (handled || !AllowMouseWheelScroll(Shift, WheelDelta, MousePos)) return handled;
  const int delta = std::clamp(WheelDelta, -WHEEL_DELTA, WHEEL_DELTA);
  if (delta * FMouseWheelAccumulator < 1)
    FMouseWheelAccumulator = delta;
  else
    FMouseWheelAccumulator += delta;
  if (std::abs(FMouseWheelAccumulator) >= WHEEL_DELTA)
    ScrollByMouseWheel(Shift, std::exchange(FMouseWheelAccumulator, 0), MousePos);
  return true;
}

bool TcxControl::AllowMouseWheelScroll(TShiftState, int, const TPoint&) {
  return GetWheelScrollAxis() != wsaNone;
}

TcxWheelScrollAxis TcxControl::GetWheelScrollAxis() {
  return IsVertScrollBarVisible() ? wsaVertical : wsaNone;
}

bool TcxControl::ScrollByMouseWheel(TShiftState, int ADelta, const TPoint&) {
  const TcxWheelScrollAxis axis = GetWheelScrollAxis();
  if (axis == wsaNone) return false;
  const bool vertical = axis == wsaVertical;
  const int lines = Mouse.WheelScrollLines();
  if (lines == -1) {
    // A page of the axis asked for: a horizontal axis pages the horizontal bar.
    const TScrollBarKind kind = vertical ? sbVertical : sbHorizontal;
    IcxControlScrollBar* bar = GetScrollBar(kind);
    int pos = bar ? bar->Position() : 0;
    Scroll(kind, ADelta > 0 ? scPageUp : scPageDown, pos);
    return true;
  }
  const TcxDirection direction =
      vertical ? (ADelta > 0 ? dirUp : dirDown) : (ADelta > 0 ? dirLeft : dirRight);
  for (int i = 0; i < lines; ++i) ScrollContent(direction);
  return true;
}

// ---------------------------------------------------------------- menus

void TcxControl::SetPopupMenu(TComponent* Value) {
  if (Value && !cxIsPopupMenuComponent(Value)) Value = nullptr;
  if (FPopupMenu == Value) return;
  if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
  FPopupMenu = Value;
  if (Value) Value->FreeNotification(this);
}

TPopupMenu* TcxControl::GetPopupMenu() { return dynamic_cast<TPopupMenu*>(FPopupMenu); }

void TcxControl::DoContextPopup(const TPoint& MousePos, bool& Handled) {
  TCustomControl::DoContextPopup(MousePos, Handled);
  if (Handled) return;
  const TPoint p = ClientToScreen(MousePos == cxInvalidPoint ? TPoint(0, 0) : MousePos);
  Handled = DoShowPopupMenu(FPopupMenu, p.X, p.Y);
}

bool TcxControl::DoShowPopupMenu(TComponent* AMenu, int X, int Y) {
  return cxShowPopupMenuAt(this, AMenu, X, Y);
}

void TcxControl::HandleContextMenuMessage(TMessage& Message) {
  const TPoint p(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
  if (FScrollBarsManager->IsCapture() || (p != cxInvalidPoint && IsScrollBarsArea(ScreenToClient(p)))) {
    Message.Result = 1;
    return;
  }
  TCustomControl::WndProc(Message);
}
