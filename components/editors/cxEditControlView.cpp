// The editor control's own layout and look: its edit styles and view info
// of its properties' classes, laid out through a view data for the state
// and the mouse, transparency to its parent, and the fade between its
// normal and its hot look.
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
  const bool wasHot = ViewInfo()->ContainerState.Contains(csHotTrack);
  std::unique_ptr<TcxCustomEditViewData> viewData(CreateViewData());
  viewData->Calculate(cxSharedScreenCanvas(), TRect(0, 0, Width(), Height()), P, Button, Shift, ViewInfo(),
                      AIsMouseEvent);
  CalculateDrawValue(viewData.get());
  CheckStartFading(wasHot);
}

// ---------------------------------------------------------------- fading

bool TcxEditFadingObject::IsFadingAllowed() { return FEdit->IsEditFadingAllowed(); }

void TcxEditFadingObject::RepaintFadeFrame() {
  if (FEdit->HandleAllocated()) FEdit->InvalidateRect(TRect(0, 0, FEdit->Width(), FEdit->Height()), false);
}

void TcxEditFadingObject::PrepareFadeImages(TBitmap*& AFadeOutImage, TBitmap*& AFadeInImage) {
  FEdit->PrepareFadingImages(AFadeOutImage, AFadeInImage);
}

bool TcxCustomEdit::IsEditFadingAllowed() { return ViewInfo()->IsFadingAvailable() && !FIsInplace; }

void TcxCustomEdit::CheckStartFading(bool AWasHot) {
  const bool hot = ViewInfo()->ContainerState.Contains(csHotTrack);
  TdxFader* fader = dxGetGlobalFader();
  if (hot == AWasHot || !fader || !HandleAllocated()) return;
  if (hot)
    fader->FadeIn(FFadingObject.get());
  else
    fader->FadeOut(FFadingObject.get());
}

void TcxCustomEdit::PrepareFadingImages(TBitmap*& AFadeOutImage, TBitmap*& AFadeInImage) {
  const TRect bounds = ViewInfo()->Bounds;
  // Each look is laid out in a view info of its own, bound to no edit, so
  // that neither the edit's state nor its fades change. Only the frame
  // fades: the value is drawn over it.
  auto render = [&](const TPoint& AMouse) {
    std::unique_ptr<TcxCustomEditViewInfo> viewInfo(ActiveProperties()->GetViewInfoClass().Create());
    std::unique_ptr<TcxCustomEditViewData> viewData(CreateViewData());
    viewData->Calculate(cxSharedScreenCanvas(), bounds, AMouse, cxmbNone, {}, viewInfo.get(), false);
    viewInfo->SetBackgroundColor(TdxFadingHelper::CheckColor(viewInfo->BackgroundColor()));
    if (viewInfo->BorderColor != clDefault && viewInfo->BorderColor != clNone)
      viewInfo->BorderColor = TdxFadingHelper::CheckColor(viewInfo->BorderColor);
    auto image = std::make_unique<TcxBitmap32>(bounds, true);
    image->cxCanvas()->SetWindowOrg(bounds.TopLeft());
    // The buttons paint themselves over the frame (and fade on their own).
    viewInfo->FState.Include(evsPaintButtons);
    viewInfo->Paint(image->cxCanvas());
    image->cxCanvas()->SetWindowOrg(TPoint(0, 0));
    return image;
  };
  FPreparingFadingImages = true;
  try {
    std::unique_ptr<TcxBitmap32> normal = render(TPoint(-10000, -10000));
    const TPoint centre((bounds.Left + bounds.Right) / 2, (bounds.Top + bounds.Bottom) / 2);
    std::unique_ptr<TcxBitmap32> hot = render(centre);
    AFadeOutImage = normal.release();
    AFadeInImage = hot.release();
  } catch (...) {
    FPreparingFadingImages = false;
    throw;
  }
  FPreparingFadingImages = false;
}

bool TcxCustomEdit::IsFrameFading() {
  TdxFader* fader = dxGetGlobalFader();
  return !FPreparingFadingImages && fader && fader->Contains(FFadingObject.get());
}

bool TcxCustomEdit::DrawFadeFrame(HDC DC, const TRect& R) {
  return !FPreparingFadingImages && FFadingObject->DrawImage(DC, R);
}

TcxCustomEditViewData* TcxCustomEdit::GetViewData(bool& ACreated) {
  ACreated = true;
  return CreateViewData();
}

void TcxCustomEdit::Invalidate(const TRect& R, bool AEraseBackground) {
  if (HandleAllocated()) InvalidateRect(R, AEraseBackground);
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
