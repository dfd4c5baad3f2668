// The date edit's settings: the effective buttons and input kind, the mask
// they give, texts to dates and dates to texts, and the validation that
// turns a typed text into the value.
#include <algorithm>
#include <iterator>

#include "components/core/dxCore.h"
#include "components/editors-rich/cxDateEdit.h"
#include "components/editors/cxEditConsts.h"
#include "vcl/rtl/DateUtils.h"
#include "vcl/rtl/FormatSettings.h"
#include "vcl/rtl/SysUtils.h"

namespace {

bool IsDateOrNumber(const Variant& AValue) { return VarType(AValue) == varDate || VarIsNumeric(AValue); }

}  // namespace

void cxCalendarTimeFormat(const TcxDateTimeFormatInfo& AFormatInfo, TcxTimeEditTimeFormat& AFormat,
                          bool& AUse24HourFormat) {
  if (AFormatInfo.DefinedItems(dtikSec))
    AFormat = tfHourMinSec;
  else if (AFormatInfo.DefinedItems(dtikMin))
    AFormat = tfHourMin;
  else if (AFormatInfo.DefinedItems(dtikHour))
    AFormat = tfHour;
  else
    AFormat = tfHourMinSec;
  AUse24HourFormat = false;
  for (int i = 0; i < AFormatInfo.ItemCount(); ++i) {
    const TcxDateTimeFormatItem& item = AFormatInfo.Items(i);
    if (item.Kind == dtikHour) AUse24HourFormat = item.Data.rfind(L"24", 0) == 0;
  }
}

// ---------------------------------------------------------------- assigned values

void TcxDateEditPropertiesValues::SetDateFlag(bool& AFlag, bool AValue) {
  if (AFlag == AValue) return;
  AFlag = AValue;
  static_cast<TcxCustomEditProperties*>(GetOwner())->Changed();
}

void TcxDateEditPropertiesValues::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxDateEditPropertiesValues*>(Source);
  BeginUpdate();
  TcxTextEditPropertiesValues::Assign(Source);
  if (source) {
    SetDateButtons(source->FDateButtons);
    SetInputKind(source->FInputKind);
  }
  EndUpdate();
}

void TcxDateEditPropertiesValues::RestoreDefaults() {
  BeginUpdate();
  TcxTextEditPropertiesValues::RestoreDefaults();
  SetDateButtons(false);
  SetInputKind(false);
  EndUpdate();
}

// ---------------------------------------------------------------- settings

TcxCustomDateEditProperties::TcxCustomDateEditProperties(TPersistent* AOwner)
    : TcxCustomPopupEditProperties(AOwner) {
  SetCaseInsensitive(true);
  SetImmediateDropDownWhenKeyPressed(false);
  SetPopupSizeable(false);
  BuildEditMask();
}

TcxCustomEditClass TcxCustomDateEditProperties::GetContainerClass() const {
  return TcxCustomEditClass::Of<TcxDateEdit>();
}

TDateButtons TcxCustomDateEditProperties::DateButtons() {
  if (AssignedValues()->DateButtons()) return FDateButtons;
  if (FKind == ckDateTime) return {btnClear, btnNow};
  if (FView == cavModern) return {btnClear};
  return {btnClear, btnToday};
}

void TcxCustomDateEditProperties::SetDateButtons(TDateButtons Value) {
  if (AssignedValues()->DateButtons() && FDateButtons == Value) return;
  BeginUpdate();
  FDateButtons = Value;
  AssignedValues()->SetDateButtons(true);
  Changed();
  EndUpdate();
}

TcxInputKind TcxCustomDateEditProperties::InputKind() {
  if (!dxIsGregorianBasedCalendar()) return ikStandard;
  if (!EditFormat().empty() && IsMasked()) return ikRegExpr;
  if (AssignedValues()->InputKind()) return FInputKind;
  return FKind == ckDateTime ? ikMask : ikRegExpr;
}

void TcxCustomDateEditProperties::SetInputKind(TcxInputKind Value) {
  if (AssignedValues()->InputKind() && FInputKind == Value) return;
  BeginUpdate();
  FInputKind = Value;
  AssignedValues()->SetInputKind(true);
  Changed();
  EndUpdate();
}

void TcxCustomDateEditProperties::AssignSettings(TcxCustomEditProperties* Source) {
  TcxCustomPopupEditProperties::AssignSettings(Source);
  auto* source = dynamic_cast<TcxCustomDateEditProperties*>(Source);
  if (!source) return;
  BeginUpdate();
  SetAnimation(source->FAnimation);
  SetArrowsForYear(source->FArrowsForYear);
  SetDateOnError(source->FDateOnError);
  SetKind(source->FKind);
  SetSaveTime(source->FSaveTime);
  SetShowTime(source->FShowTime);
  SetShowToday(source->FShowToday);
  SetView(source->FView);
  SetWeekNumbers(source->FWeekNumbers);
  SetYearsInMonthList(source->FYearsInMonthList);
  TcxDateEditPropertiesValues* values = AssignedValues();
  TcxDateEditPropertiesValues* sourceValues = source->AssignedValues();
  values->SetDateButtons(false);
  if (sourceValues->DateButtons()) SetDateButtons(source->FDateButtons);
  values->SetInputKind(false);
  if (sourceValues->InputKind()) SetInputKind(source->FInputKind);
  values->SetMinDate(false);
  if (sourceValues->MinDate()) SetMinDate(source->MinDate());
  values->SetMaxDate(false);
  if (sourceValues->MaxDate()) SetMaxDate(source->MaxDate());
  FShowOnlyValidDates = source->FShowOnlyValidDates;
  OnGetDayOfWeekState = source->OnGetDayOfWeekState;
  OnGetDayState = source->OnGetDayState;
  EndUpdate();
}

// Every change may change the mask: the kind, the input kind, the edit
// format or the locale's formats.
void TcxCustomDateEditProperties::NotifyPropertiesChanged() {
  BuildEditMask();
  TcxCustomPopupEditProperties::NotifyPropertiesChanged();
}

void TcxCustomDateEditProperties::BuildEditMask() {
  TcxFormatController* formats = cxFormatControllerInstance();
  if (!formats) return;
  // The caller reports the change; the mask's own notifications are held.
  BeginUpdate();
  struct TEnd {
    TcxCustomEditProperties* Properties;
    ~TEnd() { Properties->EndUpdate(false); }
  } end{this};
  const String editFormat = EditFormat();
  if (!editFormat.empty()) {
    SetMaskKind(emkRegExprEx);
    SetEditMask(formats->RegExprCustomDateEditMask(editFormat));
    return;
  }
  const bool dateTime = FKind == ckDateTime;
  switch (InputKind()) {
    case ikMask:
      SetMaskKind(emkStandard);
      SetEditMask(dateTime ? formats->StandardDateTimeEditMask() : formats->StandardDateEditMask());
      break;
    case ikRegExpr:
      SetMaskKind(emkRegExprEx);
      SetEditMask(dateTime ? formats->RegExprDateTimeEditMask() : formats->RegExprDateEditMask());
      break;
    case ikStandard: SetEditMask(String()); break;
  }
}

// ---------------------------------------------------------------- texts and dates

bool TcxCustomDateEditProperties::IsOwnStandardDateTimeMask() {
  TcxFormatController* formats = cxFormatControllerInstance();
  return formats && !formats->AssignedStandardDateTimeEditMask() && FKind == ckDateTime && InputKind() == ikMask &&
         SameText(EditMask(), formats->StandardDateTimeEditMask());
}

String TcxCustomDateEditProperties::GetEmptyEditText(bool AEditFocused) {
  TcxMaskEditCustomMode* mode = TempMode();
  String result = mode ? mode->GetEmptyString() : String();
  if (!AEditFocused || !IsOwnStandardDateTimeMask()) return result;
  TcxFormatController* formats = cxFormatControllerInstance();
  const size_t timeLength = TcxFormatController::GetDateTimeStandardMaskStringLength(formats->TimeFormatInfo());
  const String zeroTime = FormatDateTime(formats->MaskedDateTimeEditFormat(), 0, FormatSettings);
  if (timeLength <= result.size() && timeLength <= zeroTime.size())
    result.replace(result.size() - timeLength, timeLength, zeroTime.substr(zeroTime.size() - timeLength));
  return result;
}

bool TcxCustomDateEditProperties::ParseDate(const String& AText, TDateTime& ADate) {
  try {
    return cxParseDateText(AText, ADate, EditFormat());
  } catch (const std::exception&) {
    ADate = cxNullDate;
    return false;
  }
}

TDateTime TcxCustomDateEditProperties::TodayOfKind() { return FKind == ckDateTime ? Now() : ::Date(); }

Variant TcxCustomDateEditProperties::TextToDate(const String& AText) {
  if (AText == GetEmptyEditText(true)) return Null();
  TDateTime date;
  if (ParseDate(AText, date)) return VarFromDateTime(date);
  if (FDateOnError == deToday) return VarFromDateTime(TodayOfKind());
  return Null();
}

bool TcxCustomDateEditProperties::IsTimeShown(bool AEditFocused, TDateTime ADate) {
  if (!AEditFocused) return FKind == ckDateTime || FShowTime;
  const bool hasTime = cxExtractTimePart(ADate) != 0;
  if (FKind == ckDateTime) return hasTime || InputKind() == ikMask;
  return FShowTime && hasTime && InputKind() == ikStandard;
}

String TcxCustomDateEditProperties::FormattedEditText(TDateTime ADate) {
  const String editFormat = EditFormat();
  if (!editFormat.empty()) return FormatDateTime(editFormat, ADate, FormatSettings);
  // Four-digit years: the text typed back must give the same date.
  return cxDateToEditText(InputKind() == ikMask, FKind == ckDateTime, true, ADate);
}

void TcxCustomDateEditProperties::DoPrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue,
                                                        bool AEditFocused) {
  if (AEditValue.IsNull() || AEditValue.IsEmpty() ||
      (IsDateOrNumber(AEditValue) && AEditValue.AsDouble() == cxNullDate)) {
    DisplayValue = Variant(GetEmptyEditText(AEditFocused));
    return;
  }
  const String convertError = dxTranslatedResString(cxSEditDateConvertError);
  TDateTime date;
  if (VarIsStr(AEditValue)) {
    const Variant parsed = TextToDate(AEditValue.AsString());
    if (parsed.IsNull() || parsed.AsDouble() == cxNullDate) throw EConvertError(convertError);
    date = parsed.AsDouble();
  } else if (IsDateOrNumber(AEditValue)) {
    date = AEditValue.AsDouble();
  } else {
    throw EConvertError(convertError);
  }
  if (!IsTimeShown(AEditFocused, date)) date = cxExtractDatePart(date);
  String text;
  if (AEditFocused)
    text = FormattedEditText(date);
  else if (!DisplayFormat().empty())
    text = FormatDateTime(DisplayFormat(), date, FormatSettings);
  else
    text = cxDateToEditText(false, false, false, date);
  DisplayValue = Variant(TrimRight(text));
  if (AEditFocused && InputKind() == ikMask && EditFormat().empty())
    TcxCustomMaskEditProperties::DoPrepareDisplayValue(Variant(DisplayValue), DisplayValue, AEditFocused);
}

// A stored text that is no date is shown as it stands (the edit paints
// it and keeps it) instead of failing while the edit paints.
bool TcxCustomDateEditProperties::IsEditValueValid(Variant& EditValue, bool) {
  if (EditValue.IsNull() || EditValue.IsEmpty() || IsDateOrNumber(EditValue)) return true;
  if (!VarIsStr(EditValue)) return false;
  const String text = EditValue.AsString();
  TDateTime date;
  return text == GetEmptyEditText(true) || ParseDate(text, date);
}

bool TcxCustomDateEditProperties::IsNullEditValue(const Variant& AEditValue) {
  return AEditValue.IsNull() || (IsDateOrNumber(AEditValue) && AEditValue.AsDouble() == cxNullDate);
}

bool TcxCustomDateEditProperties::IsValueBoundDefined(int ABound) {
  const double minDate = MinDate(), maxDate = MaxDate();
  if (minDate != 0 && maxDate != 0) return maxDate > minDate;
  return (ABound == 0 ? minDate : maxDate) != 0;
}

bool TcxCustomDateEditProperties::HasValueBounds() {
  const double minDate = MinDate(), maxDate = MaxDate();
  if (minDate != 0 && maxDate != 0) return maxDate > minDate;
  return minDate != 0 || maxDate != 0;
}

bool TcxCustomDateEditProperties::IsDisplayValueValid(Variant& ADisplayValue, bool AEditFocused) {
  if (InputKind() != ikStandard) return TcxCustomPopupEditProperties::IsDisplayValueValid(ADisplayValue, AEditFocused);
  const String text = Trim(VarToStr(ADisplayValue));
  TDateTime date;
  return text.empty() || cxParseDateText(text, date);
}

TcxMaskEditModeClass TcxCustomDateEditProperties::ModeClassForKind(TcxEditMaskKind AKind) {
  if (AKind == emkStandard) return TcxMaskEditModeClass::Of<TcxDateEditMaskStandardMode>();
  return TcxCustomPopupEditProperties::ModeClassForKind(AKind);
}

bool TcxCustomDateEditProperties::GetTimeZoneInfo(int APos, TcxTimeEditTextZone& AZoneInfo) {
  if (!IsOwnStandardDateTimeMask()) return false;
  const TcxDateTimeFormatInfo& format = cxFormatControllerInstance()->DateTimeFormatInfo();
  TcxDateTimeFormatItemInfo item;
  if (!TcxFormatController::GetDateTimeFormatItemStandardMaskInfo(format, APos, item)) return false;
  static const TcxDateTimeFormatItemKind zoneKinds[] = {dtikHour, dtikMin, dtikSec, dtikTimeSuffix};
  const auto* kind = std::find(std::begin(zoneKinds), std::end(zoneKinds), item.Kind);
  if (kind == std::end(zoneKinds)) return false;
  AZoneInfo.Kind = static_cast<int>(kind - std::begin(zoneKinds));
  AZoneInfo.Start = item.ItemZoneStart;
  AZoneInfo.Length = item.ItemZoneLength;
  AZoneInfo.SuffixKind = item.TimeSuffixKind;
  AZoneInfo.Use24HourFormat = !format.DefinedItems(dtikTimeSuffix);
  return true;
}

Char TcxCustomDateEditProperties::GetMaskBlank(int APos) {
  TcxTimeEditTextZone zone;
  if (!GetTimeZoneInfo(APos, zone)) return L' ';
  return zone.Kind == 3 ? Char(0) : L'0';
}

TcxCustomEditPopupWindowClass TcxCustomDateEditProperties::PopupWindowClass() const {
  return TcxCustomEditPopupWindowClass::Of<TcxDateEditPopupWindow>();
}

Char TcxDateEditMaskStandardMode::GetBlank(int APos) {
  auto* properties = dynamic_cast<TcxCustomDateEditProperties*>(ActiveMaskProperties());
  return properties ? properties->GetMaskBlank(APos) : TcxMaskEditStandardMode::GetBlank(APos);
}

// ---------------------------------------------------------------- validation

void TcxCustomDateEditProperties::ValidateDisplayValue(Variant& ADisplayValue, String& AErrorText, bool& AError,
                                                       TcxCustomEdit* AEdit) {
  auto* edit = dynamic_cast<TcxCustomDateEdit*>(AEdit);
  const String currentText = edit ? edit->Text() : VarToStr(ADisplayValue);
  bool ownErrorText = false;
  TDateTime value = 0;
  try {
    AErrorText = dxTranslatedResString(cxSDateError);
    AError = false;
    const String emptyText = GetEmptyEditText(true);
    String text = VarToStr(ADisplayValue);
    if (text != emptyText) AError = !ParseDate(text, value);
    TcxCustomEditProperties* own = AEdit ? AEdit->InternalProperties() : this;
    TcxCustomEditProperties* shared = AEdit && AEdit->RepositoryItem() ? AEdit->ActiveProperties() : nullptr;
    if (own->OnValidate || (shared && shared->OnValidate)) {
      if (!text.empty() && !AError) ADisplayValue = Variant(Trim(FormattedEditText(value)));
      RunValidateHandler(ADisplayValue, AErrorText, ownErrorText, AEdit, AError);
      text = VarToStr(ADisplayValue);
      if (!AError && !text.empty() && text != emptyText) AError = !ParseDate(text, value);
    } else if (AError && FDateOnError != deNoChange) {
      value = FDateOnError == deToday ? TodayOfKind() : cxNullDate;
      AError = false;
    }
    if (!AError) {
      if (value == cxNullDate || VarToStr(ADisplayValue) == emptyText)
        ApplyValidatedNull(edit, ADisplayValue);
      else
        ApplyValidatedDate(value, edit, ADisplayValue, AErrorText, AError);
    }
  } catch (const std::exception&) {
    AError = true;
  }
  // The text stays as the person typed it.
  if (AError && !ownErrorText) ADisplayValue = Variant(currentText);
}

void TcxCustomDateEditProperties::ApplyValidatedDate(TDateTime ADate, TcxCustomDateEdit* AEdit,
                                                     Variant& ADisplayValue, String& AErrorText, bool& AError) {
  if (HasValueBounds()) {
    CheckValueInBounds(VarFromDateTime(ADate), AErrorText, AError);
    if (AError) return;
  }
  if (FKind == ckDate && AEdit) {
    const TDateTime time = cxExtractTimePart(ADate);
    if (time != 0)
      AEdit->FSavedTime = time;
    else if (FSaveTime)
      ADate = cxDayWithTime(ADate, AEdit->FSavedTime);
    else
      AEdit->FSavedTime = 0;
  }
  ADisplayValue = VarFromDateTime(ADate);
}

void TcxCustomDateEditProperties::ApplyValidatedNull(TcxCustomDateEdit* AEdit, Variant& ADisplayValue) {
  if (FKind == ckDate && FSaveTime && AEdit && AEdit->FSavedTime != 0) {
    ADisplayValue = VarFromDateTime(AEdit->FSavedTime);
    return;
  }
  if (AEdit) AEdit->FSavedTime = 0;
  ADisplayValue = Null();
}

// ---------------------------------------------------------------- filter rows

const TcxFilterDateEditHelper* TcxFilterDateEditHelper::Instance() {
  static const TcxFilterDateEditHelper instance;
  return &instance;
}

TcxCustomEditClass TcxFilterDateEditHelper::GetFilterEditClass() const { return TcxCustomEditClass::Of<TcxDateEdit>(); }

TcxFilterControlOperators TcxFilterDateEditHelper::GetSupportedFilterOperators(TcxCustomEditProperties*,
                                                                               const IcxFilterValueType*,
                                                                               bool AExtendedSet) const {
  TcxFilterControlOperators result = cxOrderedValueFilterOperators(AExtendedSet);
  if (!AExtendedSet) return result;
  for (int op = static_cast<int>(fcoYesterday); op <= static_cast<int>(fcoInFuture); ++op)
    result.Include(static_cast<TcxFilterControlOperator>(op));
  return result;
}

void TcxFilterDateEditHelper::InitializeProperties(TcxCustomEditProperties* AProperties,
                                                   TcxCustomEditProperties* AEditProperties, bool AHasButtons) const {
  TcxFilterDropDownEditHelper::InitializeProperties(AProperties, AEditProperties, AHasButtons);
  auto* properties = dynamic_cast<TcxCustomDateEditProperties*>(AProperties);
  if (!properties) return;
  properties->SetDateButtons({btnClear, btnToday});
  properties->SetDateOnError(deNull);
  properties->SetInputKind(ikRegExpr);
  properties->SetSaveTime(true);
}

// ---------------------------------------------------------------- unit

const TUnitEntry cxDateEditUnit{L"cxDateEdit",
                                [] {
                                  cxEditPropertiesRegistry()->Register(
                                      TcxDateEditProperties::StaticClass(),
                                      dxTranslatedResString(scxSEditRepositoryDateItem));
                                  cxFilterEditsRegistry()->Register(TcxDateEditProperties::StaticClass(),
                                                                    TcxFilterDateEditHelper::Instance());
                                },
                                [] {
                                  cxFilterEditsRegistry()->Unregister(TcxDateEditProperties::StaticClass(),
                                                                      TcxFilterDateEditHelper::Instance());
                                }};
