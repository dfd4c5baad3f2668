// The track bar control and its controller: positions from the mouse (a
// click, a drag, a page step), the keys and the held change buttons, the
// selection made with Shift, the position hint; the unit's registration.
#include <windows.h>

#include <algorithm>

#include "components/core/dxCore.h"
#include "components/editors-basic/cxTrackBar.h"

namespace {

constexpr uint32_t FirstRepeatDelay = 400;
constexpr uint32_t RepeatInterval = 60;

bool IsLeftMouseButtonDown() { return (GetKeyState(VK_LBUTTON) & 0x8000) != 0; }

}  // namespace

// ---------------------------------------------------------------- controller

TcxTrackBarController::~TcxTrackBarController() = default;

int TcxTrackBarController::MouseDistance(int X, int Y) const {
  const TcxCustomTrackBarViewInfo* v = ViewInfo();
  const int d = v->Helper().Along(TPoint(X, Y)) - v->Helper().Along(FTrackBar->GetMouseDownPos());
  return v->ReverseDirection ? -d : d;
}

int TcxTrackBarController::GetPositionFromMouse(int X, int Y) {
  const TcxCustomTrackBarViewInfo* v = ViewInfo();
  const int pixels = v->TrackRect.Width() - v->ThumbSize;
  if (pixels <= 0) return FStoredPosition;
  const int range = std::max(v->Max - v->Min, 1);
  return ActiveProperties()->CorrectPosition(FStoredPosition + MulDiv(MouseDistance(X, Y), range, pixels));
}

void TcxTrackBarController::SelectTo(int ANewPosition) {
  TcxCustomTrackBarProperties* p = ActiveProperties();
  p->SetSelectionStart(std::min(FStartSelectionPosition, ANewPosition));
  p->SetSelectionEnd(std::max(FStartSelectionPosition, ANewPosition));
}

void TcxTrackBarController::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (Key == VK_SHIFT) {
    if (!FTrackBar->IsInplace() && FSlideState != tbksIncludeSelection) {
      FSlideState = tbksIncludeSelection;
      FStartSelectionPosition = Position();
    }
    return;
  }
  TcxCustomTrackBarViewInfo* v = ViewInfo();
  TcxCustomTrackBarProperties* p = ActiveProperties();
  const int position = Position();
  int newPosition;
  switch (Key) {
    case VK_PRIOR: newPosition = v->GetNewPosition(position, false, false, false); break;
    case VK_NEXT: newPosition = v->GetNewPosition(position, true, false, false); break;
    case VK_END: newPosition = p->ReverseDirection() ? p->Min() : p->Max(); break;
    case VK_HOME: newPosition = p->ReverseDirection() ? p->Max() : p->Min(); break;
    case VK_LEFT:
    case VK_UP: newPosition = v->GetNewPosition(position, false, true, false); break;
    case VK_RIGHT:
    case VK_DOWN: newPosition = v->GetNewPosition(position, true, true, false); break;
    default: return;
  }
  newPosition = p->CorrectPosition(newPosition);
  if (newPosition == position) return;
  if (FSlideState == tbksIncludeSelection) SelectTo(newPosition);
  SetPosition(newPosition);
  if (p->ShowPositionHint() && v->PositionHintHelper()) v->PositionHintHelper()->HidePositionHint();
}

void TcxTrackBarController::KeyUp(uint16_t& Key, TShiftState) {
  if (Key == VK_SHIFT && !FTrackBar->IsInplace()) FSlideState = tbksNormal;
}

void TcxTrackBarController::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button != mbLeft) return;
  TcxCustomTrackBarViewInfo* v = ViewInfo();
  TcxCustomTrackBarProperties* p = ActiveProperties();
  const TPoint point(X, Y);
  const int position = Position();
  int newPosition = position;
  if (v->TrackHitArea().Contains(point)) {
    if (v->IsPointOnThumb(point)) {
      v->MouseStates.Include(tbmpSliding);
      FStoredPosition = position;
      if (Shift.Contains(ssCtrl)) {
        FSlideState = tbksNormal;
        p->SetSelectionStart(0);
        p->SetSelectionEnd(0);
      }
    } else if (p->ThumbStep() == cxtsJump) {
      newPosition = p->CorrectPosition(v->GetPositionAtPoint(X, Y));
      v->MouseStates.Include(tbmpSliding);
      FStoredPosition = newPosition;
    } else {
      const TRect thumb = v->VisibleThumbRect();
      const int along = v->Helper().Along(point);
      if (along >= v->Helper().Along(thumb.BottomRight()))
        newPosition = p->CorrectPosition(v->GetNewPosition(position, true, false, false));
      else if (along < v->Helper().Along(thumb.TopLeft()))
        newPosition = p->CorrectPosition(v->GetNewPosition(position, false, false, false));
    }
  }
  if (p->ShowChangeButtons()) {
    if (v->RealLeftButtonRect().Contains(point)) {
      v->ButtonLeftState = cxbsPressed;
      newPosition = p->CorrectPosition(v->GetNewPosition(position, false, true, true));
      FIsMouseDownOnLeftButton = true;
    } else if (v->RealRightButtonRect().Contains(point)) {
      v->ButtonRightState = cxbsPressed;
      newPosition = p->CorrectPosition(v->GetNewPosition(position, true, true, true));
      FIsMouseDownOnRightButton = true;
    }
    if ((FIsMouseDownOnLeftButton || FIsMouseDownOnRightButton) && !p->ReadOnly())
      FTimer.reset(cxNewTimer(FirstRepeatDelay, true, [this](TObject*) { StepOnHeldButton(); }));
  }
  SetPosition(newPosition);
}

// The first tick comes after the longer delay; then the held button steps
// at the short interval while it is still drawn pressed.
void TcxTrackBarController::StepOnHeldButton() {
  if (FTimer->Interval() != RepeatInterval) FTimer->SetInterval(RepeatInterval);
  TcxCustomTrackBarViewInfo* v = ViewInfo();
  const bool left = FIsMouseDownOnLeftButton;
  if ((left ? v->ButtonLeftState : v->ButtonRightState) != cxbsPressed) return;
  SetPosition(ActiveProperties()->CorrectPosition(v->GetNewPosition(Position(), !left, true, true)));
}

void TcxTrackBarController::UpdateButtonStates(const TPoint& P, TShiftState Shift) {
  TcxCustomTrackBarViewInfo* v = ViewInfo();
  const auto stateAt = [&](const TRect& AButton, bool APressStarted) {
    if (!AButton.Contains(P)) return cxbsNormal;
    if (!Shift.Contains(ssLeft)) return cxbsHot;
    return APressStarted ? cxbsPressed : cxbsNormal;
  };
  v->ButtonLeftState = stateAt(v->RealLeftButtonRect(), FIsMouseDownOnLeftButton);
  v->ButtonRightState = stateAt(v->RealRightButtonRect(), FIsMouseDownOnRightButton);
}

void TcxTrackBarController::MouseMove(TShiftState Shift, int X, int Y) {
  TcxCustomTrackBarViewInfo* v = ViewInfo();
  if (v->MouseStates.Contains(tbmpSliding) && Shift.Contains(ssLeft)) {
    const int newPosition = GetPositionFromMouse(X, Y);
    if (newPosition != Position()) {
      if (Shift.Contains(ssShift) && FSlideState == tbksIncludeSelection) SelectTo(newPosition);
      SetPosition(newPosition);
    }
  } else {
    v->UpdateMouseOverThumb(TPoint(X, Y));
  }
  if (ActiveProperties()->ShowChangeButtons()) UpdateButtonStates(TPoint(X, Y), Shift);
}

void TcxTrackBarController::MouseUp(TMouseButton Button, TShiftState, int X, int Y) {
  FTimer.reset();
  TcxCustomTrackBarViewInfo* v = ViewInfo();
  const TPoint point(X, Y);
  if (Button == mbLeft) v->MouseStates.Exclude(tbmpSliding);
  if (v->IsPointOnThumb(point)) {
    v->MouseStates.Include(tbmpUnderThumb);
  } else {
    if (ActiveProperties()->ShowPositionHint() && v->PositionHintHelper()) v->PositionHintHelper()->HidePositionHint();
    v->MouseStates.Exclude(tbmpUnderThumb);
  }
  if (ActiveProperties()->ShowChangeButtons()) {
    FIsMouseDownOnLeftButton = FIsMouseDownOnRightButton = false;
    UpdateButtonStates(point, TShiftState{});
  }
  ReleaseCapture();
}

void TcxTrackBarController::MouseEnter() {
  TcxCustomTrackBarViewInfo* v = ViewInfo();
  v->MouseStates.Include(tbmpInControl);
  if (v->MouseStates.Contains(tbmpSliding) && !IsLeftMouseButtonDown())
    v->MouseStates.Exclude(tbmpSliding).Exclude(tbmpUnderThumb);
}

void TcxTrackBarController::MouseLeave() {
  TcxCustomTrackBarViewInfo* v = ViewInfo();
  v->MouseStates.Exclude(tbmpInControl).Exclude(tbmpUnderThumb);
  v->ButtonLeftState = v->ButtonRightState = cxbsNormal;
  if (ActiveProperties()->ShowPositionHint() && !v->MouseStates.Contains(tbmpSliding) && v->PositionHintHelper())
    v->PositionHintHelper()->HidePositionHint();
}

// ---------------------------------------------------------------- control

TcxCustomTrackBar::TcxCustomTrackBar(TComponent* AOwner, bool AIsInplace)
    : TcxCustomEdit(AOwner, AIsInplace),
      FPaintStyle(std::make_unique<TcxTrackBarStyle>(nullptr, true)),
      FTrackBarViewInfo(std::make_unique<TcxCustomTrackBarViewInfo>()) {
  FTrackBarViewInfo->HintedControl = this;
  WriteEditValue(Variant(0));
  TControlStyle style = ControlStyle();
  style.Exclude(csClickEvents);
  style.Exclude(csDoubleClicks);
  SetControlStyle(style);
  SetParentColor(true);
  Style()->SetBorderStyle(ebsNone);
  Style()->SetHotTrack(false);
  SetWidth(196);
  SetHeight(76);
}

TcxCustomTrackBar::~TcxCustomTrackBar() = default;

TcxCustomEditPropertiesClass TcxCustomTrackBar::GetPropertiesClass() const {
  return TcxCustomEditPropertiesClass::Of<TcxCustomTrackBarProperties>();
}

TcxTrackBarController* TcxCustomTrackBar::Controller() {
  if (!FController) FController.reset(CreateController());
  return FController.get();
}

int TcxCustomTrackBar::GetPosition() { return GetActiveProperties()->PositionOf(EditValue()); }

void TcxCustomTrackBar::StorePosition(int AValue) {
  if (!IsLoading()) AValue = GetActiveProperties()->CorrectPosition(AValue);
  if (AValue != GetPosition()) SetInternalEditValue(Variant(AValue));
}

TcxCustomTrackBarViewInfo* TcxCustomTrackBar::GetViewInfo() {
  EnsureViewInfoCalculated();
  return FTrackBarViewInfo.get();
}

// A person's change: posted at once when it is valid, shown in the hint.
void TcxCustomTrackBar::SetPosition(int AValue) {
  if (AValue == GetPosition() || !DoEditing()) return;
  SetValidatableEditValue(Variant(AValue));
  if (!ValidateEditByOptions(false)) {
    if (TcxTrackBarPositionHintHelper* hint = FTrackBarViewInfo->PositionHintHelper()) hint->CancelHint();
    return;
  }
  if (CanPostEditValue()) CommitEditValue(false);
  FTrackBarViewInfo->ShowPositionHint();
}

void TcxCustomTrackBar::CalculateViewInfoAtPoint(const TPoint& P, TcxMouseButton Button, TShiftState Shift,
                                                 bool AIsMouseEvent) {
  TcxCustomEdit::CalculateViewInfoAtPoint(P, Button, Shift, AIsMouseEvent);
  FPaintStyle->Assign(GetActiveStyle());
  std::unique_ptr<TcxCustomTrackBarViewData> viewData(static_cast<TcxCustomTrackBarViewData*>(
      GetActiveProperties()->CreateViewData(FPaintStyle.get(), TcxCustomEdit::IsInplace())));
  viewData->Enabled = Enabled();
  viewData->Focused = Focused();
  viewData->IsDesigning = IsDesigning();
  viewData->WindowHandle = HandleAllocated() ? Handle() : nullptr;
  viewData->EditValueToDrawValue(EditValue(), FTrackBarViewInfo.get());
  viewData->Calculate(cxSharedScreenCanvas(), TRect(0, 0, Width(), Height()), P, cxmbNone, TShiftState{},
                      FTrackBarViewInfo.get(), false);
}

void TcxCustomTrackBar::DoPaint() {
  EnsureViewInfoCalculated();
  FTrackBarViewInfo->Paint(Canvas());
}

void TcxCustomTrackBar::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_GETDLGCODE:
      Message.Result = DLGC_WANTARROWS | (IsInplace() ? DLGC_WANTTAB : 0);
      return;
    case WM_LBUTTONUP: {
      TControlState state = ControlState();
      state.Exclude(csClicked);
      SetControlState(state);
      break;
    }
  }
  TcxCustomEdit::WndProc(Message);
}

void TcxCustomTrackBar::FocusChanged() {
  Controller()->FocusChanged();
  TcxCustomEdit::FocusChanged();
}

void TcxCustomTrackBar::KeyDown(uint16_t& Key, TShiftState Shift) {
  TcxCustomEdit::KeyDown(Key, Shift);
  if (Key != 0) Controller()->KeyDown(Key, Shift);
}

void TcxCustomTrackBar::KeyUp(uint16_t& Key, TShiftState Shift) {
  TcxCustomEdit::KeyUp(Key, Shift);
  if (Key != 0) Controller()->KeyUp(Key, Shift);
}

void TcxCustomTrackBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) FMouseDownPos = TPoint(X, Y);
  TcxCustomEdit::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  Controller()->MouseDown(Button, Shift, X, Y);
  ShortRefreshContainer(false);
}

void TcxCustomTrackBar::MouseMove(TShiftState Shift, int X, int Y) {
  TcxCustomEdit::MouseMove(Shift, X, Y);
  TcxCustomTrackBarViewInfo* v = GetViewInfo();
  const auto states = v->MouseStates;
  const TcxButtonState left = v->ButtonLeftState, right = v->ButtonRightState;
  Controller()->MouseMove(Shift, X, Y);
  if (states != v->MouseStates || left != v->ButtonLeftState || right != v->ButtonRightState)
    ShortRefreshContainer(false);
}

void TcxCustomTrackBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  Controller()->MouseUp(Button, Shift, X, Y);
  ShortRefreshContainer(false);
  TcxCustomEdit::MouseUp(Button, Shift, X, Y);
}

void TcxCustomTrackBar::MouseEnter(TControl* AControl) {
  TcxCustomEdit::MouseEnter(AControl);
  Controller()->MouseEnter();
}

void TcxCustomTrackBar::MouseLeave(TControl* AControl) {
  TcxCustomEdit::MouseLeave(AControl);
  Controller()->MouseLeave();
  ShortRefreshContainer(false);
}

// ---------------------------------------------------------------- registration

namespace {

TResStringRec scxSEditRepositoryTrackBarItem{L"TrackBar|Represents a TrackBar"};

}  // namespace

// ---------------------------------------------------------------- filter helper

const TcxFilterTrackBarHelper* TcxFilterTrackBarHelper::Instance() {
  static const TcxFilterTrackBarHelper instance;
  return &instance;
}

// The spin edit's two buttons are its own already.
void TcxFilterTrackBarHelper::InitializeProperties(TcxCustomEditProperties* AProperties,
                                                   TcxCustomEditProperties* AEditProperties, bool AHasButtons) const {
  TcxFilterSpinEditHelper::InitializeProperties(AProperties, AEditProperties, AHasButtons);
  auto* spin = dynamic_cast<TcxCustomSpinEditProperties*>(AProperties);
  auto* bar = dynamic_cast<TcxCustomTrackBarProperties*>(AEditProperties);
  if (!spin || !bar) return;
  spin->SetMinMaxValues(bar->Min(), bar->Max());
  spin->SetLargeIncrement(bar->PageSize());
}

const TUnitEntry cxTrackBarUnit{L"cxTrackBar",
                                [] {
                                  cxEditPropertiesRegistry()->Register(
                                      TcxTrackBarProperties::StaticClass(),
                                      dxTranslatedResString(scxSEditRepositoryTrackBarItem));
                                  cxFilterEditsRegistry()->Register(TcxTrackBarProperties::StaticClass(),
                                                                    TcxFilterTrackBarHelper::Instance());
                                },
                                [] {
                                  cxFilterEditsRegistry()->Unregister(TcxTrackBarProperties::StaticClass(),
                                                                      TcxFilterTrackBarHelper::Instance());
                                  cxEditPropertiesRegistry()->Unregister(TcxTrackBarProperties::StaticClass());
                                }};
