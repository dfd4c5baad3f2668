// The date edit control: its value as a date, the time kept for date-only
// values, the typed text turned into the value, and the calendar of its
// popup.
#include "components/editors-basic/cxButtons.h"
#include "components/editors-rich/cxDateEdit.h"
#include "components/core/cxFormats.h"
#include "vcl/rtl/DateUtils.h"
#include "vcl/rtl/SysUtils.h"

TcxCustomDateEdit::TcxCustomDateEdit(TComponent* AOwner, bool AIsInplace) : TcxCustomPopupEdit(AOwner, AIsInplace) {
  TControlStyle style = ControlStyle();
  SetControlStyle(style.Exclude(csSetCaption));
}

// The calendar goes first: the popup it sits in goes with the base.
TcxCustomDateEdit::~TcxCustomDateEdit() { FCalendar.reset(); }

TDateTime TcxCustomDateEdit::DateOfValue(const Variant& AValue, bool AEditFocused) {
  if (AValue.IsNull() || AValue.IsEmpty()) return cxNullDate;
  if (VarType(AValue) == varDate || VarIsNumeric(AValue)) return AValue.AsDouble();
  if (!VarIsStr(AValue)) return cxNullDate;
  Variant value;
  PrepareEditValue(AValue, value, AEditFocused);
  return value.IsNull() ? cxNullDate : value.AsDouble();
}

TDateTime TcxCustomDateEdit::GetDate() { return DateOfValue(EditValue(), Focused()); }

void TcxCustomDateEdit::SetDate(TDateTime Value) {
  if (Value == cxNullDate) return SetInternalEditValue(Null());
  TcxCustomDateEditProperties* properties = ActiveProperties();
  if (properties->Kind() == ckDate && cxExtractTimePart(Value) == 0 && properties->SaveTime())
    Value = cxDayWithTime(Value, FSavedTime);
  SetInternalEditValue(VarFromDateTime(Value));
}

TDateTime TcxCustomDateEdit::CurrentDate() {
  if (Focused() && !IsEditValidated() && ModifiedAfterEnter()) return DateOfValue(Variant(Text()), true);
  return GetDate();
}

void TcxCustomDateEdit::PrepareEditValue(const Variant& ADisplayValue, Variant& AEditValue, bool) {
  TcxCustomDateEditProperties* properties = ActiveProperties();
  AEditValue = properties->TextToDate(VarToStr(ADisplayValue));
  if (AEditValue.IsNull()) return;
  TDateTime date = AEditValue.AsDouble();
  if (properties->Kind() == ckDate && properties->SaveTime()) date = cxDayWithTime(cxExtractDatePart(date), FSavedTime);
  AEditValue = VarFromDateTime(date);
}

Variant TcxCustomDateEdit::GetTypedEditValue() {
  Variant value;
  PrepareEditValue(Variant(Text()), value, true);
  return value;
}

void TcxCustomDateEdit::StoreEditValue(const Variant& Value, bool AFlag) {
  TcxCustomDateEditProperties* properties = ActiveProperties();
  if (!ComponentState().Contains(csDestroying) && properties->Kind() == ckDate) {
    if (!properties->SaveTime()) {
      FSavedTime = 0;
    } else if (VarIsStr(Value)) {
      TcxFormatController* formats = cxFormatControllerInstance();
      TDateTime date;
      cxTryTextToDateTime(Value.AsString(), !(formats && formats->UsePlatformDateTimeFormats()), date);
      FSavedTime = cxExtractTimePart(date);
    } else {
      FSavedTime = VarType(Value) == varDate || VarIsNumeric(Value) ? cxExtractTimePart(Value.AsDouble()) : 0;
    }
  }
  TcxCustomPopupEdit::StoreEditValue(Value, AFlag);
}

void TcxCustomDateEdit::StoreDisplayValue(const Variant& ADisplayValue) {
  if (VarIsStr(ADisplayValue)) return TcxCustomPopupEdit::StoreDisplayValue(ADisplayValue);
  LockChangeEvents(true);
  struct TUnlock {
    TcxCustomEdit* Edit;
    ~TUnlock() { Edit->LockChangeEvents(false); }
  } unlock{this};
  SetInternalEditValue(ADisplayValue);
}

void TcxCustomDateEdit::WriteDisplayValue(const Variant& ADisplayValue) {
  TcxCustomTextEdit::SetInternalDisplayValue(ADisplayValue);
  if (!EmptyMask(Mode()->EditMask()) && CanSynchronizeModeText()) Mode()->SetText(Text());
}

void TcxCustomDateEdit::HandlePropertiesChanged(TObject* Sender) {
  TcxCustomPopupEdit::HandlePropertiesChanged(Sender);
  if (ActiveProperties()->HasValueBounds() && DataBinding()->CanCheckEditorValue()) ClampToBounds();
}

void TcxCustomDateEdit::ClampToBounds() {
  TcxCustomDateEditProperties* properties = ActiveProperties();
  const TDateTime date = GetDate();
  if (date == cxNullDate) return;
  if (properties->IsValueBoundDefined(0) && date < properties->MinDate())
    SetDate(properties->MinDate());
  else if (properties->IsValueBoundDefined(1) && date > properties->MaxDate())
    SetDate(properties->MaxDate());
}

bool TcxCustomDateEdit::IsCharValidForPos(Char& AChar, int APos) {
  TcxTimeEditTextZone zone;
  if (!ActiveProperties()->GetTimeZoneInfo(APos, zone)) return true;
  String text = Text();
  int caret;
  if (!cxValidateTimeEditChar(text, AChar, APos, zone, caret)) AChar = 0;
  return AChar != 0;
}

// ---------------------------------------------------------------- the popup calendar

void TcxCustomDateEdit::CreateCalendar() {
  FCalendar.reset(GetCalendarClass().Create(nullptr));
  FCalendar->SetEdit(this);
  FCalendar->SetParent(PopupWindow());
  FCalendar->OnHidePopup = [this](TObject*, TcxEditCloseUpReason AReason) { ClosePopupWithReason(AReason); };
  FCalendar->LookAndFeel()->SetMasterLookAndFeel(PopupControlsLookAndFeel());
  FCalendar->OnGetDayState = [this](TObject*, TDateTime ADate, TCustomDrawState AState, TFont* AFont,
                                    TColor& ABackgroundColor) {
    if (ActiveProperties()->OnGetDayState) ActiveProperties()->OnGetDayState(this, ADate, AState, AFont, ABackgroundColor);
  };
  FCalendar->OnGetDayOfWeekState = [this](TObject*, TDay ADay, TCustomDrawState AState, TFont* AFont,
                                          TColor& ABackgroundColor) {
    if (ActiveProperties()->OnGetDayOfWeekState)
      ActiveProperties()->OnGetDayOfWeekState(this, ADay, AState, AFont, ABackgroundColor);
  };
}

void TcxCustomDateEdit::OpenPopup() {
  if (!FCalendar) CreateCalendar();
  ActiveProperties()->SetPopupControl(FCalendar.get());
  TcxCustomPopupEdit::OpenPopup();
}

void TcxCustomDateEdit::ConfigurePopupWindow() {
  TcxCustomPopupEdit::ConfigurePopupWindow();
  TcxCustomDateEditProperties* properties = ActiveProperties();
  TcxPopupCalendar* calendar = FCalendar.get();
  calendar->BeginUpdate();
  struct TEnd {
    TcxCustomCalendar* Calendar;
    ~TEnd() { Calendar->EndUpdate(); }
  } end{calendar};
  calendar->HandleNeeded();
  calendar->ResetView();
  calendar->SetColor(ActiveStyle()->Color());
  calendar->SetFlat(PopupControlsLookAndFeel()->Kind() != lfStandard);
  calendar->SetCalendarButtons(properties->DateButtons());
  calendar->OnDateTimeChanged = nullptr;
  calendar->SetShowOnlyValidDates(properties->ShowOnlyValidDates());
  const double maxDate = properties->MaxDate(), minDate = properties->MinDate();
  calendar->SetMaxDate(maxDate != 0 && maxDate != cxNullDate ? maxDate : EncodeDateTime(9999, 12, 31, 23, 59, 59, 999));
  calendar->SetMinDate(minDate != 0 && minDate != cxNullDate ? minDate : EncodeDate(100, 1, 1));
  FDateDropDown = CurrentDate();
  TDateTime start = FDateDropDown == cxNullDate ? ::Date() : FDateDropDown;
  if (properties->ShowOnlyValidDates()) start = std::clamp(start, calendar->MinDate(), calendar->MaxDate());
  calendar->SetMaxDate(cxExtractDatePart(calendar->MaxDate()));
  calendar->SetMinDate(cxExtractDatePart(calendar->MinDate()));
  if (properties->Kind() == ckDateTime) calendar->SetTime(cxExtractTimePart(start));
  calendar->SetFirstDate(cxExtractDatePart(start));
  calendar->SetSelectDate(cxExtractDatePart(start));
  calendar->Font()->Assign(Font());
  calendar->Font()->SetColor(clBtnText);
  calendar->OnDateTimeChanged = [this](TObject* Sender) { CalendarDateTimeChanged(Sender); };
  calendar->SetArrowsForYear(properties->ArrowsForYear());
  calendar->SetKind(properties->Kind());
  TcxTimeEditTimeFormat timeFormat;
  bool use24Hour;
  cxCalendarTimeFormat(cxFormatControllerInstance()->DateTimeFormatInfo(), timeFormat, use24Hour);
  calendar->SetTimeFormat(timeFormat);
  calendar->SetUse24HourFormat(use24Hour);
  calendar->SetShowToday(properties->ShowToday());
  calendar->SetWeekNumbers(properties->WeekNumbers());
  calendar->SetYearsInMonthList(properties->YearsInMonthList());
  calendar->SetView(properties->View());
  calendar->SetAnimation(properties->Animation());
}

void TcxCustomDateEdit::PopupWindowShowed(TObject* Sender) {
  TcxCustomPopupEdit::PopupWindowShowed(Sender);
  FCalendar->CheckChanges();
}

void TcxCustomDateEdit::DateToEditText(TDateTime ADate, Variant& AText) {
  TcxCustomDateEditProperties* properties = ActiveProperties();
  const Variant value = ADate == cxNullDate ? Null() : VarFromDateTime(ADate);
  properties->PrepareDisplayValue(value, AText, true);
  if (properties->InputKind() != ikStandard || ADate == cxNullDate) return;
  // Free text that would not read back as the same day is written out in
  // full.
  Variant back;
  PrepareEditValue(AText, back, true);
  if (!back.IsNull() && cxExtractDatePart(back.AsDouble()) == cxExtractDatePart(ADate)) return;
  const bool dateTime = properties->Kind() == ckDateTime;
  AText = Variant(Trim(cxDateToEditText(false, dateTime, true,
                                        properties->IsTimeShown(true, ADate) ? ADate : cxExtractDatePart(ADate))));
}

void TcxCustomDateEdit::CalendarDateTimeChanged(TObject*) {
  TcxCustomDateEditProperties* properties = ActiveProperties();
  StoreCloseUpReason(crEnter);
  TDateTime date = FCalendar->SelectDate();
  if (date != cxNullDate) {
    if (properties->Kind() == ckDateTime)
      date = cxDayWithTime(cxExtractDatePart(date), cxExtractTimePart(FCalendar->Time()));
    else if (properties->SaveTime())
      date = cxDayWithTime(cxExtractDatePart(date), cxExtractTimePart(FDateDropDown));
  }
  Variant text;
  DateToEditText(date, text);
  if (date == GetDate() && VarToStr(text) == Text()) return;
  if (!DoEditing()) return;
  LockChangeEvents(true);
  struct TUnlock {
    TcxCustomEdit* Edit;
    ~TUnlock() { Edit->LockChangeEvents(false); }
  } unlock{this};
  SetDate(date);
  SetModifiedAfterEnter(true);
  TcxCustomTextEdit::SetInternalDisplayValue(text);
  SelectAll();
}

// ---------------------------------------------------------------- the popup window

TcxDateEditPopupWindow::TcxDateEditPopupWindow(TWinControl* AOwnerControl) : TcxPopupEditPopupWindow(AOwnerControl) {
  SetKeyPreview(true);
}

bool TcxDateEditPopupWindow::IsCalendarKey(uint16_t Key, TShiftState Shift) {
  const bool alt = Shift.Contains(ssAlt);
  if ((Key == VK_UP || Key == VK_DOWN) && alt) return true;
  if (Key == VK_F4 && !alt) return true;
  if (Key != VK_ESCAPE) return false;
  TWinControl* focused = ActiveControl();
  if (dynamic_cast<TcxButton*>(focused)) return true;
  auto* timeEdit = dynamic_cast<TcxTimeEdit*>(focused);
  return timeEdit && !timeEdit->ModifiedAfterEnter();
}

void TcxDateEditPopupWindow::KeyDown(uint16_t& Key, TShiftState Shift) {
  TcxPopupEditPopupWindow::KeyDown(Key, Shift);
  auto* edit = dynamic_cast<TcxCustomDateEdit*>(Edit());
  TcxPopupCalendar* calendar = edit ? edit->Calendar() : nullptr;
  // The calendar takes its own keys itself.
  if (!calendar || ActiveControl() == calendar || !IsCalendarKey(Key, Shift)) return;
  calendar->Perform(WM_KEYDOWN, Key, 0);
}
