// The popup edit: any control of the application hosted in the popup,
// taken out of its parent on opening and put back exactly where it was on
// closing, also when the edit goes while its popup is open.
#include "components/editors/cxDropDownEdit.h"
#include "components/editors/cxEditConsts.h"
#include "vcl/controls/Forms.h"

// ---------------------------------------------------------------- properties

TcxCustomPopupEditProperties::TcxCustomPopupEditProperties(TPersistent* AOwner)
    : TcxCustomDropDownEditProperties(AOwner), FPopupControlNotificator(std::make_unique<TcxFreeNotificator>(nullptr)) {
  FPopupControlNotificator->OnFreeNotification = [this](TComponent* Sender) {
    if (Sender == FPopupControl) FPopupControl = nullptr;
  };
  SetPopupAutoSize(true);
  SetPopupMinHeight(100);
  SetPopupMinWidth(100);
  SetPopupHeight(200);
  SetPopupWidth(250);
  SetPopupSizeable(true);
}

TcxCustomPopupEditProperties::~TcxCustomPopupEditProperties() = default;

TcxCustomEditPopupWindowClass TcxCustomPopupEditProperties::PopupWindowClass() const {
  return TcxCustomEditPopupWindowClass::Of<TcxPopupEditPopupWindow>();
}

TcxCustomEditClass TcxCustomPopupEditProperties::GetContainerClass() const {
  return TcxCustomEditClass::Of<TcxPopupEdit>();
}

void TcxCustomPopupEditProperties::SetPopupControl(TControl* Value) {
  if (Value == FPopupControl) return;
  if (FPopupControl) FPopupControlNotificator->RemoveSender(FPopupControl);
  FPopupControl = Value;
  if (FPopupControl) FPopupControlNotificator->AddSender(FPopupControl);
  Changed();
}

void TcxCustomPopupEditProperties::AssignSettings(TcxCustomEditProperties* Source) {
  TcxCustomDropDownEditProperties::AssignSettings(Source);
  if (auto* source = dynamic_cast<TcxCustomPopupEditProperties*>(Source)) SetPopupControl(source->PopupControl());
}

// ---------------------------------------------------------------- popup window

void TcxPopupEditPopupWindowViewInfo::DrawBorder(TcxCanvas* ACanvas, TRect& R) {
  const bool clientEdge = ClientEdge;
  ClientEdge = true;
  TcxCustomEditPopupWindowViewInfo::DrawBorder(ACanvas, R);
  ClientEdge = clientEdge;
}

// ---------------------------------------------------------------- the control

namespace {

constexpr LONG_PTR FormFrameStyles = WS_CAPTION | WS_THICKFRAME | WS_BORDER | WS_DLGFRAME | WS_SYSMENU;
constexpr LONG_PTR FormFrameExStyles = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE;

void SetWindowFrame(HWND AWindow, LONG_PTR AStyle, LONG_PTR AExStyle) {
  SetWindowLongPtrW(AWindow, GWL_STYLE, AStyle);
  SetWindowLongPtrW(AWindow, GWL_EXSTYLE, AExStyle);
  SetWindowPos(AWindow, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

}  // namespace

TcxCustomPopupEdit::~TcxCustomPopupEdit() {
  // The hosted control goes back to its own parent before the popup goes.
  if (FHostedControl) RestorePopupControl();
}

TSize TcxCustomPopupEdit::GetPopupContentPreferredSize() {
  TControl* control = ActiveProperties()->PopupControl();
  return control ? TSize(control->Width(), control->Height()) : TSize();
}

void TcxCustomPopupEdit::ArrangePopupContent(const TRect& AClientRect) {
  if (FHostedControl)
    FHostedControl->SetBounds(AClientRect.Left, AClientRect.Top, AClientRect.Width(), AClientRect.Height());
}

void TcxCustomPopupEdit::ClosePopupWithReason(TcxEditCloseUpReason AReason) {
  if (!HasPopupWindow()) return;
  StoreCloseUpReason(AReason);
  PopupWindow()->ClosePopup();
}

TWinControl* TcxCustomPopupEdit::PopupFocusTarget() {
  return dynamic_cast<TWinControl*>(ActiveProperties()->PopupControl());
}

void TcxCustomPopupEdit::PreparePopup() {
  TControl* control = ActiveProperties()->PopupControl();
  bool circular = control && (control == PopupWindow() || control == this);
  for (TControl* parent = Parent(); parent && !circular; parent = parent->Parent()) circular = parent == control;
  if (circular) throw EcxEditError(dxTranslatedResString(cxSEditPopupCircularReferencingError));
  TcxCustomDropDownEdit::PreparePopup();
}

void TcxCustomPopupEdit::SavePopupControlData() {
  TControl* control = ActiveProperties()->PopupControl();
  TcxPrevPopupControlData& data = FPrevPopupControlData;
  data = TcxPrevPopupControlData();
  data.Align = control->Align();
  data.Bounds = control->BoundsRect();
  data.Parent = control->Parent();
  data.Visible = control->Visible();
  if (data.Parent) data.Parent->FreeNotification(this);
  auto* form = dynamic_cast<TCustomForm*>(control);
  if (form && form->HandleAllocated()) {
    data.IsForm = true;
    data.Style = GetWindowLongPtrW(form->Handle(), GWL_STYLE);
    data.ExStyle = GetWindowLongPtrW(form->Handle(), GWL_EXSTYLE);
    SetWindowFrame(form->Handle(), data.Style & ~FormFrameStyles, data.ExStyle & ~FormFrameExStyles);
  }
}

void TcxCustomPopupEdit::PositionPopupWindow() {
  TControl* control = ActiveProperties()->PopupControl();
  if (control && control != FHostedControl) {
    if (FHostedControl) RestorePopupControl();
    SavePopupControlData();
    control->FreeNotification(this);
    FHostedControl = control;
    control->SetParent(PopupWindow());
    control->SetVisible(true);
  }
  TcxCustomDropDownEdit::PositionPopupWindow();
  if (FHostedControl) FHostedControl->SetAlign(alClient);
}

void TcxCustomPopupEdit::PopupWindowClosing(TObject* Sender) {
  FPrevPopupControlData.ActiveControl = PopupWindow()->ActiveControl();
  TcxCustomDropDownEdit::PopupWindowClosing(Sender);
}

void TcxCustomPopupEdit::PopupWindowClosed(TObject* Sender) {
  RestorePopupControl();
  TcxCustomDropDownEdit::PopupWindowClosed(Sender);
}

void TcxCustomPopupEdit::RestorePopupControl() {
  TControl* control = std::exchange(FHostedControl, nullptr);
  if (!control) return;
  TcxPrevPopupControlData data = std::exchange(FPrevPopupControlData, TcxPrevPopupControlData());
  TcxCustomEditPopupWindow* window = PopupWindow();
  // The controls that had the focus in the popup are told they lost it.
  for (TWinControl* focused = data.ActiveControl; focused && focused != window; focused = focused->Parent())
    focused->Perform(CM_EXIT);
  control->SetVisible(false);
  if (window) window->SetWindowEnabled(false);
  control->SetParent(data.Parent);
  if (window) window->SetWindowEnabled(true);
  control->SetAlign(data.Align);
  control->SetBounds(data.Bounds.Left, data.Bounds.Top, data.Bounds.Width(), data.Bounds.Height());
  control->SetVisible(data.Visible);
  auto* form = dynamic_cast<TCustomForm*>(control);
  if (data.IsForm && form && form->HandleAllocated()) SetWindowFrame(form->Handle(), data.Style, data.ExStyle);
}

void TcxCustomPopupEdit::Notification(TComponent* AComponent, TOperation Operation) {
  TcxCustomDropDownEdit::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FHostedControl) FHostedControl = nullptr;
  if (AComponent == FPrevPopupControlData.Parent) FPrevPopupControlData.Parent = nullptr;
  if (AComponent == FPrevPopupControlData.ActiveControl) FPrevPopupControlData.ActiveControl = nullptr;
}
