// The editors' popup windows, the list of those that are open, and the
// thread hooks that close them when the user turns elsewhere.
#include <algorithm>

#include "components/controls/cxContainer.h"
#include "components/core/dxCore.h"
#include "components/core/dxHooks.h"
#include "vcl/controls/Application.h"

namespace {

// Set around Popup and the handling of a press: the window-procedure hook
// then keeps the owner form's caption active.
bool PopupOperation = false;

struct TPopupOperationScope {
  bool Saved = PopupOperation;
  TPopupOperationScope() { PopupOperation = true; }
  ~TPopupOperationScope() { PopupOperation = Saved; }
};

struct TPopupMessagesLock {
  TPopupMessagesLock() { cxSetPopupMessagesLocked(true); }
  ~TPopupMessagesLock() { cxSetPopupMessagesLocked(false); }
};

std::unique_ptr<TcxPopupVisibleController> PopupVisibleController;

bool IsMouseDownMessage(WPARAM AMsg) {
  switch (AMsg) {
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK: case WM_NCLBUTTONDOWN: case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN: case WM_NCRBUTTONDBLCLK: case WM_NCMBUTTONDOWN: case WM_NCMBUTTONDBLCLK:
      return true;
  }
  return false;
}

// The popup's own window or one of its descendants (or popups opened from it).
bool PopupOwnsWindow(TcxCustomPopupWindow* APopup, HWND AWindow) {
  return cxControlOwnsWindowHandle(APopup, AWindow, true);
}

bool IsAlive(TControl* AControl) { return AControl && !AControl->IsDestroying(); }

// The first visible popup that APredicate picks, or null; hook handlers
// close one and scan again, because a close changes the list.
template <class TPredicate>
TcxCustomPopupWindow* FindVisiblePopup(TPredicate APredicate) {
  TcxPopupVisibleController* list = cxGetPopupVisibleController();
  for (int i = 0; i < list->Count(); ++i)
    if (APredicate(list->GetItems(i))) return list->GetItems(i);
  return nullptr;
}

}  // namespace

// ---------------------------------------------------------------- TcxPopupVisibleController

void TcxPopupVisibleController::Register(TcxCustomPopupWindow* AItem) {
  if (!AItem) throw EdxException(L"A popup window must be given to list it as visible.");
  if (IsVisible(AItem)) throw EdxException(L"The popup window is listed as visible already.");
  FItems.push_back(AItem);
}

void TcxPopupVisibleController::UnRegister(TcxCustomPopupWindow* AItem) {
  if (!AItem) throw EdxException(L"A popup window must be given to remove it from the visible ones.");
  const auto it = std::find(FItems.begin(), FItems.end(), AItem);
  if (it == FItems.end()) throw EdxException(L"The popup window is not listed as visible.");
  FItems.erase(it);
}

bool TcxPopupVisibleController::IsVisible(const TcxCustomPopupWindow* AItem) const {
  return std::find(FItems.begin(), FItems.end(), AItem) != FItems.end();
}

TcxPopupVisibleController* cxGetPopupVisibleController() {
  if (!PopupVisibleController) PopupVisibleController = std::make_unique<TcxPopupVisibleController>();
  return PopupVisibleController.get();
}

void cxSetPopupMessagesLocked(bool ALock) {
  const std::vector<UINT> messages{CM_ACTIVATE, CM_DEACTIVATE};
  if (ALock) dxGetMessagesController()->LockMessages(messages);
  else dxGetMessagesController()->UnlockMessages(messages);
}

// ---------------------------------------------------------------- TcxCustomPopupWindow

TcxCustomPopupWindow::TcxCustomPopupWindow(TWinControl* AOwnerControl)
    : TcxPopupWindow(AOwnerControl),
      FOwnerControl(AOwnerControl),
      FStyle(std::make_unique<TcxContainerStyle>(this, false)),
      FViewInfo(std::make_unique<TcxContainerViewInfo>()) {
  SetFormStyle(fsNormal);
  SetVisible(false);
  SetKeyPreview(true);
  FStyle->OnChanged = [this](TObject* Sender) { PopupStyleChanged(Sender); };
  FViewInfo->UpdateStyle(FStyle.get());
}

TcxCustomPopupWindow::~TcxCustomPopupWindow() {
  cxClearLinksTo(this);
  if (IsVisible()) cxGetPopupVisibleController()->UnRegister(this);
}

bool TcxCustomPopupWindow::IsVisible() const {
  return PopupVisibleController && PopupVisibleController->IsVisible(this);
}

bool TcxCustomPopupWindow::JustClosed() { return std::exchange(FJustClosed, false); }

void TcxCustomPopupWindow::RecreateKeepingVisibility() {
  const bool wasVisible = IsVisible();
  if (wasVisible) CloseUp();
  if (HandleAllocated()) RecreateWnd();
  if (wasVisible) Popup(FFocusedControl);
}

void TcxCustomPopupWindow::SetCaptureFocus(bool Value) {
  if (FCaptureFocus == Value) return;
  FCaptureFocus = Value;
  RecreateKeepingVisibility();
}

void TcxCustomPopupWindow::SetIsTopMost(bool Value) {
  if (FIsTopMost == Value) return;
  FIsTopMost = Value;
  RecreateKeepingVisibility();
}

TCustomForm* TcxCustomPopupWindow::OwnerParentForm() const {
  return FOwnerControl ? GetParentForm(FOwnerControl) : nullptr;
}

bool TcxCustomPopupWindow::IsOwnerControlVisible() const {
  return FOwnerControl && FOwnerControl->HandleAllocated() && IsWindowVisible(FOwnerControl->Handle());
}

bool TcxCustomPopupWindow::HasCapture() { return HandleAllocated() && GetCapture() == Handle(); }

bool TcxCustomPopupWindow::Focused() {
  if (!IsVisible() || !FCaptureFocus) return false;
  const HWND focus = GetFocus();
  return focus && cxControlOwnsWindowHandle(this, focus, true);
}

void TcxCustomPopupWindow::SetWindowEnabled(bool AEnabled) {
  if (HandleAllocated()) EnableWindow(Handle(), AEnabled);
}

void TcxCustomPopupWindow::ClosePopup() {
  if (HandleAllocated()) PostMessageW(Handle(), DXM_CLOSEPOPUPWINDOW, 0, 0);
}

TRect TcxCustomPopupWindow::GetOwnerBoundsOnScreen() {
  // Without explicit owner bounds the popup opens beside its owner control.
  if (FOwnerControl && OwnerBounds().IsEmpty() && !OwnerParent() && FOwnerControl->HandleAllocated()) {
    RECT r;
    GetWindowRect(FOwnerControl->Handle(), &r);
    return TRect(r.left, r.top, r.right, r.bottom);
  }
  return TcxPopupWindow::GetOwnerBoundsOnScreen();
}

void TcxCustomPopupWindow::CreateParams(TCreateParams& Params) {
  TcxPopupWindow::CreateParams(Params);
  TCustomForm* form = OwnerParentForm();
  if (FCaptureFocus) {
    if (form && form->HandleAllocated()) Params.WndParent = form->Handle();
    Params.Style = (Params.Style & ~WS_CHILD) | WS_POPUP;
    const bool formTopMost = form && form->HandleAllocated() &&
                             (GetWindowLongW(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    if (FIsTopMost && (!form || formTopMost)) Params.ExStyle |= WS_EX_TOPMOST;
  } else {
    // A child of the desktop: shown and clicked without taking activation.
    Params.Style = WS_CHILD;
    Params.ExStyle |= WS_EX_TOOLWINDOW;
    if (!Params.WndParent) Params.WndParent = GetDesktopWindow();
  }
  Params.Style |= WS_CLIPCHILDREN;
}

void TcxCustomPopupWindow::CreateWnd() {
  // Hooks may see the window's first messages as those of a visible popup.
  const bool registered = !IsVisible();
  if (registered) cxGetPopupVisibleController()->Register(this);
  try {
    TcxPopupWindow::CreateWnd();
  } catch (...) {
    if (registered) cxGetPopupVisibleController()->UnRegister(this);
    throw;
  }
  if (registered) cxGetPopupVisibleController()->UnRegister(this);
}

void TcxCustomPopupWindow::InitPopup() {
  FPrevActiveForm = Screen->ActiveForm();
  if (!FPrevActiveForm) cxGetFormOfWindow(GetActiveWindow(), FPrevActiveForm);
  FPrevActiveControl = FPrevActiveForm ? FPrevActiveForm->ActiveControl() : nullptr;
  if (FPrevActiveForm) FPrevActiveForm->FreeNotification(this);
  if (FPrevActiveControl) FPrevActiveControl->FreeNotification(this);
}

void TcxCustomPopupWindow::Notification(TComponent* AComponent, TOperation Operation) {
  TcxPopupWindow::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FPrevActiveForm) FPrevActiveForm = nullptr;
  if (AComponent == FPrevActiveControl) FPrevActiveControl = nullptr;
}

void TcxCustomPopupWindow::CorrectBoundsWithDesktopWorkArea(TPoint& APosition, TPoint& ASize) {
  if (!NeedsWorkAreaCorrection()) return;
  const TRect owner = GetOwnerBoundsOnScreen();
  const TRect work = cxGetDesktopWorkAreaAtPoint(owner.TopLeft());
  if (APosition.X < work.Left) {
    ASize.X -= work.Left - APosition.X;
    APosition.X = work.Left;
  }
  if (APosition.Y < work.Top) {
    ASize.Y -= work.Top - APosition.Y;
    APosition.Y = work.Top;
  }
  ASize.X = std::min(ASize.X, work.Right - APosition.X);
  ASize.Y = std::min(ASize.Y, work.Bottom - APosition.Y);
}

TWinControl* TcxCustomPopupWindow::GetFirstFocusedControl(TWinControl* AFocusedControl) {
  if (!AFocusedControl) return this;
  if (AFocusedControl->CanFocus() && AFocusedControl->TabStop()) return AFocusedControl;
  std::vector<TWinControl*> tabList;
  GetTabOrderList(tabList);
  for (TWinControl* control : tabList)
    if (control->TabStop() && control->CanFocus()) return control;
  return this;
}

void TcxCustomPopupWindow::ShowAndFocus(const TPoint& APosition, const TPoint& ASize,
                                        TWinControl* AFocusedControl) {
  TPopupOperationScope operation;
  cxGetPopupVisibleController()->Register(this);
  DoShowing();
  SetBounds(APosition.X, APosition.Y, ASize.X, ASize.Y);
  Show();
  SetBounds(APosition.X, APosition.Y, ASize.X, ASize.Y);
  if (FCaptureFocus) {
    FFocusedControl = GetFirstFocusedControl(AFocusedControl);
    FFocusedControl->SetFocus();
  } else {
    // The focus stays with the owner unless a control of the popup is named.
    FFocusedControl = AFocusedControl;
    if (FFocusedControl && FFocusedControl->CanFocus()) FFocusedControl->SetFocus();
  }
  TCustomForm* form = OwnerParentForm();
  const bool topMost = !FCaptureFocus || !form || !form->HandleAllocated() ||
                       (GetWindowLongW(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  SetWindowPos(Handle(), topMost ? HWND_TOPMOST : HWND_TOP, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void TcxCustomPopupWindow::Popup(TWinControl* AFocusedControl) {
  if (IsVisible() || !IsOwnerControlVisible()) return;
  FIsPopup = true;
  InitPopup();
  TPoint size(Width(), Height());
  CalculateSize(size);
  TPoint position;
  CalculatePosition(size, position);
  CorrectBoundsWithDesktopWorkArea(position, size);
  ShowAndFocus(position, size, AFocusedControl);
  SetModalResult(mrNone);
  DoShowed();
  if (FCaptureFocus && FModalMode) RunModalLoop();
}

void TcxCustomPopupWindow::RunModalLoop() {
  TcxObjectLink* link = cxLinkToObject(this);
  struct TLinkRelease {
    TcxObjectLink* Link;
    ~TLinkRelease() { cxUnlinkObject(Link); }
  } release{link};
  while (link->Ref && Visible() && !Application->Terminated()) {
    // Alt with Enter, itself or Space would open the system menu of the owner form.
    MSG msg;
    if (PeekMessageW(&msg, nullptr, WM_SYSKEYDOWN, WM_SYSKEYDOWN, PM_NOREMOVE) &&
        (msg.wParam == VK_RETURN || msg.wParam == VK_MENU || msg.wParam == VK_SPACE))
      PeekMessageW(&msg, nullptr, WM_SYSKEYDOWN, WM_SYSKEYDOWN, PM_REMOVE);
    if (ModalResult() != mrNone) {
      if (CloseQuery()) ModalCloseUp();
      else SetModalResult(mrNone);
    }
    if (!link->Ref || !Visible()) break;
    Application->HandleMessage();
  }
}

void TcxCustomPopupWindow::RestorePreviousActiveControl() {
  if (!FPrevActiveForm || FPrevActiveForm->ActiveControl() == FPrevActiveControl) return;
  if (FPrevActiveControl && FPrevActiveControl->HandleAllocated() && FPrevActiveControl->CanFocus())
    FPrevActiveForm->SetActiveControl(FPrevActiveControl);
}

void TcxCustomPopupWindow::CloseUp() {
  FIsPopup = false;
  if (!IsVisible()) return;
  {
    TPopupMessagesLock lock;
    cxGetPopupVisibleController()->UnRegister(this);
    DoClosing();
    if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
    Hide();
    RestorePreviousActiveControl();
    DoClosed();
    const HWND capture = GetCapture();
    if (HandleAllocated() && capture && PopupOwnsWindow(this, capture)) ReleaseCapture();
  }
  if (cxGetPopupVisibleController()->IsAnyVisible()) return;
  // The owner form's caption shows inactive again.
  TCustomForm* form = OwnerParentForm();
  if (form && form->HandleAllocated() && GetActiveWindow() != form->Handle())
    SendMessageW(form->Handle(), WM_NCACTIVATE, 0, 0);
}

void TcxCustomPopupWindow::HandleDeactivate() {
  if (FDeactivateLockCount != 0) return;
  TcxPopupVisibleController* list = cxGetPopupVisibleController();
  const HWND active = GetActiveWindow();
  for (int i = list->Count() - 1; i >= 0; --i) {
    if (i >= list->Count()) continue;
    TcxCustomPopupWindow* popup = list->GetItems(i);
    if (popup->HandleAllocated() && popup->Handle() == active) return;
    if (popup->HandleAllocated() && IsWindowEnabled(popup->Handle()) && !popup->IsDeactivateLocked())
      popup->CloseUp();
  }
  if (list->IsAnyVisible()) CloseUp();
}

void TcxCustomPopupWindow::VisibleChanged() {
  TcxPopupWindow::VisibleChanged();
  if (!FCaptureFocus || !IsAlive(FOwnerControl) || !HandleAllocated() || IsWindowVisible(Handle())) return;
  TCustomForm* form = OwnerParentForm();
  if (form && form->HandleAllocated() && GetFocus() == form->Handle() && FOwnerControl->CanFocus())
    FOwnerControl->SetFocus();
}

void TcxCustomPopupWindow::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (Key == VK_ESCAPE && IsVisible()) {
    // A drag inside the popup ends first; the next Escape closes it.
    if (HasCapture()) ReleaseCapture();
    else CloseUp();
    Key = 0;
    return;
  }
  TcxPopupWindow::KeyDown(Key, Shift);
}

void TcxCustomPopupWindow::PaintWindow(HDC DC) {
  FViewInfo->Bounds = ClientRect();
  FViewInfo->BorderStyle = FStyle->BorderStyle();
  FViewInfo->BorderColor = FStyle->BorderColor();
  FViewInfo->BorderWidth = cxGetContainerFrameWidth(FViewInfo->BorderStyle);
  FViewInfo->Edges = FStyle->Edges();
  FViewInfo->BorderRect = FViewInfo->Bounds;
  FViewInfo->BorderRect.Inflate(-FViewInfo->BorderWidth, -FViewInfo->BorderWidth);
  FViewInfo->ClientRect = FViewInfo->BorderRect;
  FViewInfo->SetBackgroundColor(FStyle->Color());
  TControlCanvas canvas(this);
  canvas.SetHandle(DC);
  TcxCanvas cxCanvas(&canvas);
  FViewInfo->Paint(&cxCanvas);
  canvas.SetHandle(nullptr);
}

void TcxCustomPopupWindow::DoClosed() { if (OnClosed) OnClosed(this); }
void TcxCustomPopupWindow::DoClosing() { if (OnClosing) OnClosing(this); }
void TcxCustomPopupWindow::DoShowed() { if (OnShowed) OnShowed(this); }
void TcxCustomPopupWindow::DoShowing() { if (OnShowing) OnShowing(this); }

void TcxCustomPopupWindow::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ACTIVATEAPP: return;  // the hooks handle application switches
    case WM_ACTIVATE:
      // Only this class decides what deactivation closes.
      if (LOWORD(Message.WParam) == WA_INACTIVE) {
        TForm::WndProc(Message);
        HandleDeactivate();
      } else if (FIsPopup) {
        TForm::WndProc(Message);
      }
      return;
    case WM_ERASEBKGND:
      if (NeedsEraseBackground()) break;
      Message.Result = 1;
      return;
    case WM_WINDOWPOSCHANGING:
      // Nobody else shows the popup.
      if (!FIsPopup) reinterpret_cast<WINDOWPOS*>(Message.LParam)->flags &= ~SWP_SHOWWINDOW;
      break;
    case DXM_CLOSEPOPUPWINDOW: {
      const std::vector<UINT> focusMessages{CM_ENTER, CM_EXIT};
      dxGetMessagesController()->LockMessages(focusMessages);
      LockDeactivate(true);
      try {
        CloseUp();
      } catch (...) {
        LockDeactivate(false);
        dxGetMessagesController()->UnlockMessages(focusMessages);
        throw;
      }
      LockDeactivate(false);
      dxGetMessagesController()->UnlockMessages(focusMessages);
      if (FOwnerControl && FOwnerControl->HandleAllocated()) SendMessageW(FOwnerControl->Handle(), WM_SETFOCUS, 0, 0);
      return;
    }
    case DXM_SHOWPOPUPWINDOW: Popup(FFocusedControl); return;
  }
  TcxPopupWindow::WndProc(Message);
}

// ---------------------------------------------------------------- hooks

void cxProcessPopupMouseDown(HWND AWindow, const MOUSEHOOKSTRUCT& ARecord, UINT AMsg, bool& ASwallow) {
  ASwallow = false;
  TPopupOperationScope operation;
  for (;;) {
    TcxCustomPopupWindow* popup = FindVisiblePopup([AWindow](TcxCustomPopupWindow* P) {
      if (P->CaptureFocus() && !(P->HandleAllocated() && GetActiveWindow() == P->Handle())) return false;
      if (PopupOwnsWindow(P, AWindow) || !IsAlive(P->OwnerControl())) return false;
      auto* ownerPopup = dynamic_cast<TcxCustomPopupWindow*>(GetParentForm(P->OwnerControl()));
      return cxIsWindowInOwnerForm(P->OwnerControl(), AWindow) || (ownerPopup && !ownerPopup->IsVisible());
    });
    if (!popup) return;
    TWinControl* owner = popup->OwnerControl();
    const TPoint point(ARecord.pt.x, ARecord.pt.y);
    const TShiftState shift = KeyboardStateToShiftState();
    const bool ownerAreaClick = (AMsg == WM_LBUTTONDOWN || AMsg == WM_LBUTTONDBLCLK) &&
                                cxControlOwnsWindowHandle(owner, AWindow, true) &&
                                popup->GetOwnerBoundsOnScreen().Contains(point);
    if (ownerAreaClick) {
      if (popup->ShouldSwallowClickAfterCloseUp(AWindow, AMsg, shift, point)) popup->FJustClosed = true;
    } else if (!ASwallow) {
      ASwallow = popup->ShouldSwallowClickAfterCloseUp(AWindow, AMsg, shift, point);
    }
    popup->LockDeactivate(true);
    try {
      popup->CloseUp();
    } catch (...) {
      popup->LockDeactivate(false);
      throw;
    }
    popup->LockDeactivate(false);
    if (ownerAreaClick && (owner->IsDestroying() || !owner->Visible())) ASwallow = true;
  }
}

namespace {

void cxPopupMouseHook(int ACode, WPARAM AWParam, LPARAM ALParam, LRESULT& AHookResult) {
  if (ACode != HC_ACTION || !IsMouseDownMessage(AWParam) || !cxGetPopupVisibleController()->IsAnyVisible()) return;
  const auto& record = *reinterpret_cast<const MOUSEHOOKSTRUCT*>(ALParam);
  bool swallow = false;
  cxProcessPopupMouseDown(record.hwnd, record, static_cast<UINT>(AWParam), swallow);
  if (swallow) AHookResult = 1;
}

void cxPopupGetMessageHook(int ACode, WPARAM AWParam, LPARAM ALParam, LRESULT&) {
  TcxPopupVisibleController* list = cxGetPopupVisibleController();
  if (ACode != HC_ACTION || AWParam != PM_REMOVE || !list->IsAnyVisible()) return;
  auto& msg = *reinterpret_cast<MSG*>(ALParam);
  if (msg.message != WM_SYSKEYDOWN) return;
  TcxCustomPopupWindow* last = list->GetItems(list->Count() - 1);
  if (!(last->CaptureFocus() && last->ModalMode()) && !last->IsSysKeyAccepted(static_cast<uint16_t>(msg.wParam)))
    msg.message = WM_NULL;
}

// Closes the first popup APredicate picks until none is left.
template <class TPredicate>
void ClosePopupsWhere(TPredicate APredicate) {
  while (TcxCustomPopupWindow* popup = FindVisiblePopup(APredicate)) popup->CloseUp();
}

bool IsLive(TcxCustomPopupWindow* P) { return !P->IsDestroying() && P->HandleAllocated(); }

bool IsOwnerForm(TcxCustomPopupWindow* P, HWND AWindow) {
  TCustomForm* form = IsAlive(P->OwnerControl()) ? GetParentForm(P->OwnerControl()) : nullptr;
  return form && form->HandleAllocated() && form->Handle() == AWindow;
}

void HandleApplicationDeactivated() {
  for (TcxPopupVisibleController* list = cxGetPopupVisibleController();;) {
    bool closed = false;
    for (int i = 0; i < list->Count() && !closed; ++i) {
      TcxCustomPopupWindow* popup = list->GetItems(i);
      TCustomForm* form = IsAlive(popup->OwnerControl()) ? GetParentForm(popup->OwnerControl()) : nullptr;
      if (form && form->HandleAllocated()) PostMessageW(form->Handle(), WM_NCACTIVATE, 0, 0);
      const bool active = popup->HandleAllocated() && GetActiveWindow() == popup->Handle();
      if ((!popup->CaptureFocus() || !active) && popup->HandleAllocated() && IsWindowEnabled(popup->Handle())) {
        TWinControl* owner = popup->OwnerControl();
        popup->CloseUp();
        if (auto* container = dynamic_cast<TcxContainer*>(owner); container && !container->IsDestroying())
          container->FocusChanged();
        closed = true;
      }
    }
    if (!closed) return;
  }
}

void HandleWindowClosing(HWND AWindow) {
  TcxPopupVisibleController* list = cxGetPopupVisibleController();
  for (int i = 0; i < list->Count(); ++i) {
    TcxCustomPopupWindow* popup = list->GetItems(i);
    if (!IsAlive(popup->OwnerControl())) continue;
    if (popup->HandleAllocated() && popup->Handle() == AWindow) {
      if (!popup->CanClose()) return;
      popup->CloseUp();
      if (!popup->IsVisible() && popup->CaptureFocus() && popup->OwnerControl()->HandleAllocated()) {
        HWND top = popup->OwnerControl()->Handle();
        while (GetWindowLongW(top, GWL_STYLE) & WS_CHILD) top = GetParent(top);
        SendMessageW(top, WM_CLOSE, 0, 0);
      }
      return;
    }
    if (!PopupOwnsWindow(popup, AWindow) && !popup->CaptureFocus()) {
      TCustomForm* form = GetParentForm(popup->OwnerControl());
      if (!(form && form->HandleAllocated() && form->Handle() != AWindow)) popup->CloseUp();
      return;
    }
  }
}

void HandleWindowHidden(HWND AWindow) {
  TcxPopupVisibleController* list = cxGetPopupVisibleController();
  for (int i = 0; i < list->Count(); ++i) {
    TcxCustomPopupWindow* popup = list->GetItems(i);
    TWinControl* owner = popup->OwnerControl();
    if (popup->IsDestroying() || !IsAlive(owner) || !owner->HandleAllocated()) continue;
    if (!popup->HandleAllocated() || !cxIsWindowRelated(AWindow, popup->Handle())) continue;
    // This popup and every one opened after it, the newest first.
    while (list->Count() > i) list->GetItems(list->Count() - 1)->CloseUp();
    return;
  }
}

// The form nearest to the window's control (an embedded form, not the form
// around it).
TCustomForm* NearestFormOfWindow(HWND AWindow) {
  for (TControl* control = cxFindControlOfWindow(AWindow); control; control = control->Parent())
    if (auto* form = dynamic_cast<TCustomForm*>(control)) return form;
  return nullptr;
}

void cxPopupCallWndProcHook(int ACode, WPARAM, LPARAM ALParam, LRESULT&) {
  if (ACode != HC_ACTION) return;
  auto& msg = *reinterpret_cast<CWPSTRUCT*>(ALParam);
  dxGetMessagesController()->BlockLockedMessage(msg.hwnd, msg.message);
  // The forms' own focus handling stops at a form's edge.
  if ((msg.message == WM_SETFOCUS || msg.message == WM_KILLFOCUS) &&
      cxIsFocusMoveBetweenEmbeddedForms(msg.hwnd, reinterpret_cast<HWND>(msg.wParam)))
    if (TWinControl* control = FindControl(msg.hwnd))
      cxPerformToParentsUntilForm(control, msg.message == WM_SETFOCUS ? CM_ENTER : CM_EXIT);
  if (!cxGetPopupVisibleController()->IsAnyVisible()) return;
  switch (msg.message) {
    case WM_WINDOWPOSCHANGED:
      ClosePopupsWhere([&msg](TcxCustomPopupWindow* P) {
        TWinControl* owner = P->OwnerControl();
        return IsLive(P) && IsAlive(owner) && owner->HandleAllocated() && owner->Handle() == msg.hwnd &&
               !IsWindowVisible(msg.hwnd);
      });
      break;
    case WM_NCACTIVATE:
      if (msg.wParam != 0) break;
      // The owner form keeps its active caption while its popup is open.
      if (PopupOperation || FindVisiblePopup([&msg](TcxCustomPopupWindow* P) {
            return !P->IsDestroying() && IsOwnerForm(P, msg.hwnd);
          }))
        dxGetMessagesController()->BlockMessage(msg.hwnd);
      break;
    case WM_GESTURE:
      ClosePopupsWhere([&msg](TcxCustomPopupWindow* P) {
        const bool inactiveCapturing = P->CaptureFocus() && !(P->HandleAllocated() && GetActiveWindow() == P->Handle());
        return !inactiveCapturing && !PopupOwnsWindow(P, msg.hwnd);
      });
      break;
    case WM_ACTIVATEAPP:
      if (msg.wParam == 0) HandleApplicationDeactivated();
      break;
    case WM_DESTROY:
      if (TcxCustomPopupWindow* popup = FindVisiblePopup([&msg](TcxCustomPopupWindow* P) {
            return !P->IsDestroying() && P->HandleAllocated() && P->Handle() == msg.hwnd;
          })) {
        popup->CloseUp();
        if (!popup->IsVisible() && popup->TerminateOnDestroy()) Application->Terminate();
      }
      break;
    case WM_CLOSE: HandleWindowClosing(msg.hwnd); break;
    case WM_SHOWWINDOW:
      if (msg.wParam == 0) HandleWindowHidden(msg.hwnd);
      break;
  }
}

}  // namespace

void cxInstallPopupHooks() {
  dxInstallHookProc(htWndProc, cxPopupCallWndProcHook);
  dxInstallHookProc(htGetMessage, cxPopupGetMessageHook);
  dxInstallHookProc(htMouse, cxPopupMouseHook);
}

void cxRemovePopupHooks() {
  dxRemoveHookProc(cxPopupMouseHook);
  dxRemoveHookProc(cxPopupGetMessageHook);
  dxRemoveHookProc(cxPopupCallWndProcHook);
  PopupVisibleController.reset();
}

bool cxIsFocusMoveBetweenEmbeddedForms(HWND AWindow, HWND AOtherWindow) {
  TCustomForm* form = NearestFormOfWindow(AWindow);
  TCustomForm* other = NearestFormOfWindow(AOtherWindow);
  if (!form || !other || form == other || !form->HandleAllocated() || !other->HandleAllocated()) return false;
  TCustomForm* inner = IsChild(form->Handle(), other->Handle()) ? other
                       : IsChild(other->Handle(), form->Handle()) ? form
                                                                  : nullptr;
  return dynamic_cast<IcxEmbeddedForm*>(inner) != nullptr;
}
