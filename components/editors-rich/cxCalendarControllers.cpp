// The controllers: the hot and pressed elements, the arrows' repeat, keys,
// the wheel and the popup-closing keys of each view.
#include "components/editors-rich/cxCalendar.h"

// ---------------------------------------------------------------- hit test

void TcxCalendarHitTest::Clear() {
  FFlags = 0;
  FHitObject = nullptr;
}

void TcxCalendarHitTest::Recalculate() {
  Clear();
  FController->ViewInfo()->HitTest(this);
}

void TcxCalendarHitTest::Calculate(const TPoint& APoint) {
  FHitPoint = APoint;
  Recalculate();
}

void TcxCalendarHitTest::SetBitState(int AIndex, bool AValue) {
  if (AValue)
    FFlags |= int64_t{1} << AIndex;
  else
    FFlags &= ~(int64_t{1} << AIndex);
}

// ---------------------------------------------------------------- controller

TcxCalendarController::TcxCalendarController(TcxCustomCalendar* ACalendar)
    : FCalendar(ACalendar), FHitTest(std::make_unique<TcxCalendarHitTest>(this)),
      FTimer(std::make_unique<TcxTimer>(nullptr)) {
  FTimer->SetEnabled(false);
  FTimer->SetInterval(200);
  FTimer->SetOnTimer([this](TObject* Sender) { TimerTick(Sender); });
}

TcxCalendarController::~TcxCalendarController() {
  FTimer.reset();
  FHitTest.reset();
}

TcxCalendarViewInfo* TcxCalendarController::ViewInfo() const { return FCalendar->ViewInfo(); }

void TcxCalendarController::SetHotElement(TcxCalendarElementViewInfo* AValue) {
  if (AValue == FHotElement) return;
  if (FHotElement) FHotElement->SetState(FHotElement == FPressedElement ? cesPressed : cesNormal);
  FHotElement = AValue;
  if (FHotElement) FHotElement->SetState(FHotElement == FPressedElement ? cesPressed : cesHot);
}

void TcxCalendarController::SetPressedElement(TcxCalendarElementViewInfo* AValue) {
  if (AValue == FPressedElement) return;
  if (FPressedElement && FPressedElement->State() != cesSelected)
    FPressedElement->SetState(FPressedElement == FHotElement ? cesHot : cesNormal);
  FPressedElement = AValue;
  if (FPressedElement && FPressedElement->State() != cesSelected) FPressedElement->SetState(cesPressed);
}

void TcxCalendarController::DblClick() {
  if (FCalendar->Kind() == ckDateTime && FHotElement) FHotElement->DblClick();
}

void TcxCalendarController::KeyDown(uint16_t& AKey, TShiftState AShift) { DoKeyDown(AKey, AShift); }

void TcxCalendarController::DoKeyDown(uint16_t& AKey, TShiftState AShift) {
  ViewInfo()->DateViewInfo()->KeyDown(AKey, AShift);
}

void TcxCalendarController::MouseDown(TMouseButton AButton, TShiftState AShift, int X, int Y) {
  if (AButton != mbLeft) return;
  FHitTest->Calculate(TPoint(X, Y));
  SetPressedElement(FHitTest->HitObject());
  if (FPressedElement) FPressedElement->MouseDown(AButton, AShift, X, Y);
}

void TcxCalendarController::MouseMove(TShiftState AShift, int X, int Y) {
  FHitTest->Calculate(TPoint(X, Y));
  SetHotElement(FHitTest->HitObject());
  if (FHotElement) FHotElement->MouseMove(AShift, X, Y);
}

void TcxCalendarController::MouseUp(TMouseButton AButton, TShiftState AShift, int X, int Y) {
  FHitTest->Calculate(TPoint(X, Y));
  SetHotElement(FHitTest->HitObject());
  TcxCalendarElementViewInfo* pressed = FPressedElement;
  SetPressedElement(nullptr);
  if (FHotElement && FHotElement == pressed) FHotElement->Click();
  if (FTimer->Enabled()) {
    // The release ends an arrow's repeat and does nothing else.
    FTimer->SetEnabled(false);
    return;
  }
  // The click may have rebuilt the tree: the element under the mouse is
  // asked again.
  FHitTest->Calculate(TPoint(X, Y));
  FHotElement = FHitTest->HitObject();
  if (FHotElement) FHotElement->MouseUp(AButton, AShift, X, Y);
}

void TcxCalendarController::MouseLeave() {
  FHitTest->Calculate(TPoint(-10000, -10000));
  SetHotElement(nullptr);
  SetPressedElement(nullptr);
}

bool TcxCalendarController::MouseWheel(TShiftState AShift, int AWheelDelta, const TPoint& AMousePos) {
  return DoMouseWheel(AShift, AWheelDelta, AMousePos);
}

void TcxCalendarController::HidePopup(TcxControl*, TcxEditCloseUpReason) { FTimer->SetEnabled(false); }

void TcxCalendarController::StartArrowRepeat() { FTimer->SetEnabled(true); }

void TcxCalendarController::TimerTick(TObject*) {
  FHitTest->Recalculate();
  if (FHitTest->HitAtDateHeaderArrow())
    if (auto* arrow = dynamic_cast<TcxCalendarArrowViewInfo*>(FHitTest->HitObject())) arrow->DoNavigate();
}

// ---------------------------------------------------------------- classic

TcxMonthListBox* TcxCalendarClassicController::MonthList() const {
  return static_cast<TcxCalendarClassicViewInfo*>(ViewInfo())->MonthListBox();
}

namespace {

bool IsShowing(TcxMonthListBox* AList) { return AList->HandleAllocated() && IsWindowVisible(AList->Handle()); }

}  // namespace

bool TcxCalendarClassicController::CanMouseWheel(const TPoint& AMousePos) {
  if (IsShowing(MonthList())) return false;
  HitTest()->Calculate(Calendar()->ScreenToClient(AMousePos));
  return HitTest()->HitAtMonthDateHeader() || HitTest()->HitAtYearDateHeader();
}

bool TcxCalendarClassicController::DoMouseWheel(TShiftState, int AWheelDelta, const TPoint& AMousePos) {
  HitTest()->Calculate(Calendar()->ScreenToClient(AMousePos));
  const int back = AWheelDelta >= 0 ? 0 : 1;
  Calendar()->ShiftFirstDate((HitTest()->HitAtYearDateHeader() ? 2 : 0) + back);
  return true;
}

void TcxCalendarClassicController::HidePopup(TcxControl* Sender, TcxEditCloseUpReason AReason) {
  TcxCalendarController::HidePopup(Sender, AReason);
  TcxMonthListBox* list = MonthList();
  list->Timer()->SetEnabled(false);
  if (IsShowing(list)) {
    if (GetCapture() == list->Handle()) ReleaseCapture();
    ShowWindow(list->Handle(), SW_HIDE);
  }
}

void TcxCalendarClassicController::DoKeyDown(uint16_t& AKey, TShiftState AShift) {
  TcxCalendarController::DoKeyDown(AKey, AShift);
  if (!Calendar()->IsPopup()) return;
  TcxMonthListBox* list = MonthList();
  if (AKey == VK_RETURN && !IsShowing(list)) {
    Calendar()->DoDateTimeChanged();
    Calendar()->HidePopup(Calendar(), crEnter);
  } else if (AKey == VK_ESCAPE) {
    if (IsShowing(list) && !list->ShowYears())
      ShowWindow(list->Handle(), SW_HIDE);
    else
      Calendar()->HidePopup(Calendar(), crCancel);
  }
}

// ---------------------------------------------------------------- modern

TcxCalendarModernDateViewInfo* TcxCalendarModernController::DateView() const {
  return static_cast<TcxCalendarModernViewInfo*>(ViewInfo())->ModernDateViewInfo();
}

bool TcxCalendarModernController::CanMouseWheel(const TPoint&) { return Calendar()->Focused(); }

bool TcxCalendarModernController::DoMouseWheel(TShiftState AShift, int AWheelDelta, const TPoint&) {
  if (AShift.Contains(ssCtrl)) {
    if (AWheelDelta < 0)
      DateView()->ZoomOut();
    else
      DateView()->ZoomIn();
  } else {
    const int back = AWheelDelta >= 0 ? 0 : 1;
    Calendar()->ShiftFirstDate(2 * static_cast<int>(DateView()->ViewStyle()) + back);
  }
  return true;
}

void TcxCalendarModernController::DoKeyDown(uint16_t& AKey, TShiftState AShift) {
  const TcxCalendarModernDateViewStyle before = DateView()->ViewStyle();
  TcxCalendarController::DoKeyDown(AKey, AShift);
  if (!Calendar()->IsPopup()) return;
  if (AKey == VK_RETURN && before == cvdsMonth && DateView()->ViewStyle() == cvdsMonth) {
    Calendar()->DoDateTimeChanged();
    Calendar()->HidePopup(Calendar(), crEnter);
  } else if (AKey == VK_ESCAPE) {
    Calendar()->HidePopup(Calendar(), crCancel);
  }
}
