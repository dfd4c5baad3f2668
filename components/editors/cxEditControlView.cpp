// The editor control's own layout and look: its edit styles and view info
// of its properties' classes, laid out through a view data for the state
// and the mouse, and transparency to its parent.
#include <windows.h>

#include "components/core/cxGraphics.h"
#include "components/editors/cxEdit.h"

TcxContainerStyle* TcxCustomEdit::CreateStyle(TcxContainerStyle* AParentStyle, TcxContainerStateItem AState) {
  return new TcxEditStyle(this, false, AParentStyle, AState);
}

std::unique_ptr<TcxContainerViewInfo> TcxCustomEdit::CreateViewInfo() {
  return std::unique_ptr<TcxContainerViewInfo>(ActiveProperties()->GetViewInfoClass().Create());
}

void TcxCustomEdit::CreateWnd() {
  InitializeEdit();
  TcxCustomEditContainer::CreateWnd();
}

TcxCustomEditViewData* TcxCustomEdit::CreateViewData() {
  TcxCustomEditViewData* viewData = ActiveProperties()->CreateViewData(ActiveStyle(), FIsInplace);
  viewData->Edit = this;
  if (HandleAllocated()) viewData->WindowHandle = Handle();
  FillViewDataState(viewData);
  return viewData;
}

void TcxCustomEdit::FillViewDataState(TcxCustomEditViewData* AViewData) {
  AViewData->Enabled = Enabled();
  AViewData->Focused = Focused();
  AViewData->HasInnerEdit = InnerControl() != nullptr;
  AViewData->IsDesigning = IsDesigning();
}

void TcxCustomEdit::CalculateViewInfoAtPoint(const TPoint& P, TcxMouseButton Button, TShiftState Shift,
                                             bool AIsMouseEvent) {
  std::unique_ptr<TcxCustomEditViewData> viewData(CreateViewData());
  viewData->Calculate(cxSharedScreenCanvas(), TRect(0, 0, Width(), Height()), P, Button, Shift, ViewInfo(),
                      AIsMouseEvent);
  CalculateDrawValue(viewData.get());
}

bool TcxCustomEdit::RefreshContainer(const TPoint& P, TcxMouseButton Button, TShiftState Shift,
                                     bool AIsMouseEvent) {
  InitializeEdit();
  if (FCaptureButtonVisibleIndex != -1 && !IsCaptureInside()) FCaptureButtonVisibleIndex = -1;
  ViewInfo()->SaveButtonStates();
  CalculateViewInfoAtPoint(P, Button, Shift, AIsMouseEvent);
  UpdateInnerControlBounds();
  AdjustInnerControl();
  UpdateWindowRegion();
  InvalidateRect(TRect(0, 0, Width(), Height()), false);
  return true;
}

void TcxCustomEdit::SetTransparent(bool Value) {
  if (FTransparent == Value) return;
  FTransparent = Value;
  TControlStyle style = ControlStyle();
  if (Value)
    style.Include(csParentBackground);
  else
    style.Exclude(csParentBackground);
  SetControlStyle(style);
  ShortRefreshContainer(false);
}
