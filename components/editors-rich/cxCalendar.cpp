// The calendar control: its dates and limits, the grid rule, navigation
// steps, buttons and the input it passes to the controller; and the unit's
// start-up.
#include "components/editors-rich/cxCalendar.h"
#include "components/editors-rich/cxDateEdit.h"

#include "components/editors-basic/cxButtons.h"
#include "components/editors-rich/cxClock.h"
#include "vcl/rtl/ClassRegistry.h"
#include "vcl/rtl/DateUtils.h"

namespace {

double SignOf(double ADate) { return ADate < 0 ? -1 : 1; }

}  // namespace

TcxCustomCalendar::TcxCustomCalendar(TComponent* AOwner) : TcxControl(AOwner) {
  SetControlStyle(TControlStyle{csCaptureMouse, csOpaque});
  SetKeys(TcxKeys{kAll, kArrows, kChars, kTab});
  SetScrollBars(ssNone);
  FSelectDate = Date();
  FFirstDate = GetCalendarTable()->GetFirstDayOfMonth(FSelectDate);
  CreateViewObjects();
}

TcxCustomCalendar::~TcxCustomCalendar() {
  FController.reset();
  FViewInfo.reset();
  FPainter.reset();
}

void TcxCustomCalendar::CreateViewObjects() {
  FPainter = CreatePainter();
  FViewInfo = CreateViewInfo();
  FController = CreateController();
}

std::unique_ptr<TcxCalendarController> TcxCustomCalendar::CreateController() {
  if (FView == cavModern) return std::make_unique<TcxCalendarModernController>(this);
  return std::make_unique<TcxCalendarClassicController>(this);
}

std::unique_ptr<TcxCalendarPainter> TcxCustomCalendar::CreatePainter() {
  if (FView == cavModern) return std::make_unique<TcxCalendarModernPainter>(this);
  return std::make_unique<TcxCalendarPainter>(this);
}

std::unique_ptr<TcxCalendarViewInfo> TcxCustomCalendar::CreateViewInfo() {
  if (FView == cavModern) return std::make_unique<TcxCalendarModernViewInfo>(this);
  return std::make_unique<TcxCalendarClassicViewInfo>(this);
}

// ---------------------------------------------------------------- updates

void TcxCustomCalendar::EndUpdate() {
  if (FLockCount > 0 && --FLockCount == 0) CalendarChanged();
}

bool TcxCustomCalendar::IsUpdateLocked() {
  return FLockCount > 0 || IsLoading() || ComponentState().Contains(csDestroying) || !HandleAllocated();
}

void TcxCustomCalendar::CalendarChanged() {
  FIsViewInfoDirty = true;
  FIsSizeCalculated = false;
  if (IsUpdateLocked()) return;
  Recalculate();
  Invalidate();
  FIsViewInfoDirty = false;
}

void TcxCustomCalendar::CheckChanges() {
  if (FIsViewInfoDirty) CalendarChanged();
}

void TcxCustomCalendar::Recalculate() {
  FViewInfo->Initialize();
  FViewInfo->CalculateSize();
  FIsSizeCalculated = true;
  const TSize size = FViewInfo->Size();
  TcxControl::SetBounds(Left(), Top(), size.cx, size.cy);
  FViewInfo->SetBounds(TRect(0, 0, size.cx, size.cy));
  FViewInfo->CalculateBounds();
}

void TcxCustomCalendar::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  // The calendar sizes itself: its size is the layout's.
  if (FIsSizeCalculated) {
    AWidth = FViewInfo->Size().cx;
    AHeight = FViewInfo->Size().cy;
  }
  TcxControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TcxCustomCalendar::CreateWnd() {
  TcxControl::CreateWnd();
  CalendarChanged();
}

void TcxCustomCalendar::TranslationChanged() {
  FViewInfo->TranslationChanged();
  CalendarChanged();
}

template <class T>
void TcxCustomCalendar::StoreAndChange(T& AField, T AValue) {
  if (AField == AValue) return;
  AField = AValue;
  CalendarChanged();
}

void TcxCustomCalendar::SetArrowsForYear(bool AValue) { StoreAndChange(FArrowsForYear, AValue); }
void TcxCustomCalendar::SetCalendarButtons(TDateButtons AValue) { StoreAndChange(FCalendarButtons, AValue); }
void TcxCustomCalendar::SetFlat(bool AValue) { StoreAndChange(FFlat, AValue); }
void TcxCustomCalendar::SetShowToday(bool AValue) { StoreAndChange(FShowToday, AValue); }
void TcxCustomCalendar::SetTimeFormat(TcxTimeEditTimeFormat AValue) { StoreAndChange(FTimeFormat, AValue); }
void TcxCustomCalendar::SetUse24HourFormat(bool AValue) { StoreAndChange(FUse24HourFormat, AValue); }
void TcxCustomCalendar::SetWeekNumbers(bool AValue) { StoreAndChange(FWeekNumbers, AValue); }
void TcxCustomCalendar::SetMaxDate(double AValue) { StoreAndChange(FMaxDate, AValue); }
void TcxCustomCalendar::SetMinDate(double AValue) { StoreAndChange(FMinDate, AValue); }
void TcxCustomCalendar::SetTime(TDateTime AValue) { StoreAndChange(FTime, AValue); }

void TcxCustomCalendar::SetKind(TcxCalendarKind AValue) {
  if (AValue == FKind) return;
  FKind = AValue;
  if (FKind == ckDateTime) {
    SetControlStyle(ControlStyle() + TControlStyle{csClickEvents, csDoubleClicks});
    SetKeys(Keys() - TcxKeys{kTab});
  } else {
    SetControlStyle(ControlStyle() - TControlStyle{csClickEvents, csDoubleClicks});
    SetKeys(Keys() + TcxKeys{kTab});
  }
  CalendarChanged();
}

void TcxCustomCalendar::SetView(TcxCalendarView AValue) {
  if (AValue == FView) return;
  FView = AValue;
  FController.reset();
  FViewInfo.reset();
  FPainter.reset();
  CreateViewObjects();
  CalendarChanged();
}

// ---------------------------------------------------------------- dates

int TcxCustomCalendar::FirstDateOffset() {
  const int offset = cxDaysSinceWeekStart(FFirstDate);
  return offset == 0 && FFirstDate > cxMinGregorianDate ? 7 : offset;
}

double TcxCustomCalendar::GetDateFromCell(int ACol, int ARow) {
  return FFirstDate - FirstDateOffset() + 7 * ARow + ACol;
}

double TcxCustomCalendar::GetMonthEndDate() { return cxEndOfMonthDate(true, FFirstDate); }
double TcxCustomCalendar::GetFirstVisibleDate() { return GetDateFromCell(0, 0); }
double TcxCustomCalendar::GetLastVisibleDate() { return GetDateFromCell(6, 5); }

void TcxCustomCalendar::ApplyFirstDate(double AValue) {
  if (AValue != cxNullDate && !cxIsDateInSupportedRange(AValue)) return;
  TcxCustomCalendarTable* table = GetCalendarTable();
  TcxDateTime parts = table->FromDateTime(AValue);
  parts.Day = 1;
  const double value = cxExtractDatePart(table->ToDateTime(parts));
  if (value != FFirstDate) FViewInfo->DateViewInfo()->ChangeFirstDate(value, CanAnimate());
}

void TcxCustomCalendar::ApplySelectDate(double AValue) { InternalSetSelectDate(true, AValue); }

void TcxCustomCalendar::InternalSetSelectDate(bool ARepositionVisibleDates, double AValue) {
  if (AValue == FSelectDate || !IsDateAllowed(AValue)) return;
  if (AValue != cxNullDate && !cxIsDateInSupportedRange(AValue)) return;
  FViewInfo->DateViewInfo()->ChangeSelectDate(AValue, ARepositionVisibleDates, CanAnimate());
}

bool TcxCustomCalendar::IsDateAllowed(double ADate) {
  if (!IsRestrictedToValidDates()) return true;
  return cxIsDateInSupportedRange(ADate) && FMinDate <= ADate && ADate <= FMaxDate;
}

bool TcxCustomCalendar::IsMonthAllowed(double ADate) {
  if (!IsRestrictedToValidDates()) return true;
  TcxCustomCalendarTable* table = GetCalendarTable();
  return table->GetLastDayOfMonth(ADate) >= cxExtractDatePart(FMinDate) &&
         table->GetFirstDayOfMonth(ADate) <= FMaxDate;
}

bool TcxCustomCalendar::IsYearAllowed(double ADate) {
  if (!IsRestrictedToValidDates()) return true;
  TcxCustomCalendarTable* table = GetCalendarTable();
  return table->GetLastDayOfYear(ADate) >= cxExtractDatePart(FMinDate) &&
         table->GetFirstDayOfYear(ADate) <= FMaxDate;
}

void TcxCustomCalendar::ShiftFirstDate(int AKind) {
  static const int steps[] = {-1, 1, -1, 1, -10, 10, -100, 100};
  TcxCustomCalendarTable* table = GetCalendarTable();
  double target = cxNullDate;
  if (AKind >= 0 && AKind <= 1)
    target = table->AddMonths(FFirstDate, steps[AKind]);
  else if (AKind >= 2 && AKind <= 7)
    target = table->AddYears(FFirstDate, steps[AKind]);
  if (!IsRestrictedToValidDates())
    ApplyFirstDate(target);
  else if (IsYearAllowed(target))
    ApplyFirstDate(std::clamp(target, FMinDate, FMaxDate));
}

void TcxCustomCalendar::ButtonClick(TObject* Sender) {
  const auto kind = static_cast<TCalendarButton>(static_cast<TControl*>(Sender)->Tag());
  const double today = Date();
  double value = cxNullDate;
  switch (kind) {
    case btnClear: break;
    case btnNow: value = Now(); break;
    case btnToday: value = today + SignOf(today) * FTime; break;
    case btnOk: value = FSelectDate + SignOf(FSelectDate) * FTime; break;
  }
  SetTime(value == cxNullDate ? 0 : cxExtractTimePart(value));
  FSelectDate = value;
  DoDateTimeChanged();
  HidePopup(this, crEnter);
}

void TcxCustomCalendar::DoDateTimeChanged() {
  if (OnDateTimeChanged) OnDateTimeChanged(this);
}

void TcxCustomCalendar::HidePopup(TcxControl* Sender, TcxEditCloseUpReason AReason) {
  FController->HidePopup(Sender, AReason);
}

bool TcxCustomCalendar::CanAnimate() { return !IsDesigning() && !IsUpdateLocked() && FAnimation; }

// ---------------------------------------------------------------- metrics and colours

int TcxCustomCalendar::GetContentSpacing() { return Font()->Size() / 2; }

TSize TcxCustomCalendar::GetContentMargins() {
  const int margin = MulDiv(Font()->Size(), 3, 4);
  return TSize{margin, margin};
}

TSize TcxCustomCalendar::GetCalculatedSize() { return FViewInfo->Size(); }

TColor TcxCustomCalendar::GetBackgroundColor() {
  const TColor content = GetPainter()->DefaultDateNavigatorContentColor();
  return Color() == clWindow && content != clDefault && content != clNone ? content : Color();
}

TColor TcxCustomCalendar::GetBorderColor() { return GetPainter()->GetContainerBorderColor(false); }
TColor TcxCustomCalendar::GetHeaderColor() { return GetPainter()->DefaultDateNavigatorHeaderColor(); }

TColor TcxCustomCalendar::GetNativeFrameColor() {
  return GetPainter()->LookAndFeelStyle() == lfsNative ? Color() : clBtnText;
}

TColor TcxCustomCalendar::GetOffice11FrameColor() {
  return GetPainter()->LookAndFeelStyle() == lfsOffice11 ? Color() : clBtnShadow;
}

TRect TcxCustomCalendar::GetContentOffsets() {
  if (FKind == ckDate && GetPainter()->LookAndFeelStyle() == lfsOffice11) return TRect(2, 2, 2, 0);
  return TRect(0, 0, 0, 0);
}

void TcxCustomCalendar::AdjustHeaderTextRect(TRect& R) {
  if (FKind == ckDateTime || !FFlat) ++R.Top;
  --R.Bottom;
}

// ---------------------------------------------------------------- painting and input

void TcxCustomCalendar::DoPaint() {
  TcxControl::DoPaint();
  FViewInfo->Paint(Canvas());
}

bool TcxCustomCalendar::AllowMouseWheelScroll(TShiftState Shift, int ADelta, const TPoint& MousePos) {
  return TcxControl::AllowMouseWheelScroll(Shift, ADelta, MousePos) || FController->CanMouseWheel(MousePos);
}

bool TcxCustomCalendar::ScrollByMouseWheel(TShiftState Shift, int ADelta, const TPoint& MousePos) {
  if (TcxControl::ScrollByMouseWheel(Shift, ADelta, MousePos)) return true;
  return FController->CanMouseWheel(MousePos) && FController->MouseWheel(Shift, ADelta, MousePos);
}

void TcxCustomCalendar::FocusChanged() {
  TcxControl::FocusChanged();
  Invalidate();
}

void TcxCustomCalendar::FontChanged(TFont* AFont) {
  TcxControl::FontChanged(AFont);
  CalendarChanged();
}

void TcxCustomCalendar::LookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues) {
  TcxControl::LookAndFeelChanged(Sender, AChangedValues);
  CalendarChanged();
}

void TcxCustomCalendar::MouseLeave(TControl* AControl) {
  TcxControl::MouseLeave(AControl);
  FController->MouseLeave();
}

void TcxCustomCalendar::DblClick() {
  TcxControl::DblClick();
  FController->DblClick();
}

void TcxCustomCalendar::KeyDown(uint16_t& Key, TShiftState Shift) {
  FController->KeyDown(Key, Shift);
  TcxControl::KeyDown(Key, Shift);
}

void TcxCustomCalendar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TcxControl::MouseDown(Button, Shift, X, Y);
  FController->MouseDown(Button, Shift, X, Y);
}

void TcxCustomCalendar::MouseMove(TShiftState Shift, int X, int Y) {
  TcxControl::MouseMove(Shift, X, Y);
  FController->MouseMove(Shift, X, Y);
}

void TcxCustomCalendar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TcxControl::MouseUp(Button, Shift, X, Y);
  FController->MouseUp(Button, Shift, X, Y);
}

// ---------------------------------------------------------------- popup calendar

void TcxPopupCalendar::HidePopup(TcxControl* Sender, TcxEditCloseUpReason AReason) {
  TcxCustomCalendar::HidePopup(Sender, AReason);
  if (OnHidePopup) OnHidePopup(this, AReason);
}

void TcxPopupCalendar::KeyDown(uint16_t& Key, TShiftState Shift) {
  TcxCustomCalendar::KeyDown(Key, Shift);
  if (Key == VK_TAB && Kind() == ckDate && FEdit) {
    if (FEdit->ActiveProperties()->PostPopupValueOnTab()) DoDateTimeChanged();
    FEdit->KeyDown(Key, Shift);
  }
  const bool alt = Shift.Contains(ssAlt);
  if (((Key == VK_UP || Key == VK_DOWN) && alt) || (Key == VK_F4 && !alt)) HidePopup(this, crClose);
}

// ---------------------------------------------------------------- unit

namespace {

void cxCalendarInitialize() {
  RegisterClasses({TcxClock::StaticClass(), TcxCustomCalendar::StaticClass()});
}

void cxCalendarFinalize() {
  UnRegisterClass(TcxCustomCalendar::StaticClass());
  UnRegisterClass(TcxClock::StaticClass());
}

}  // namespace

const TUnitEntry cxCalendarUnit{L"cxCalendar", cxCalendarInitialize, cxCalendarFinalize};
