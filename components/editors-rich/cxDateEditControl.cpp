// The date edit control: its value as a date, the time kept for date-only
// values, and the typed text turned into the value.
#include "components/editors-rich/cxDateEdit.h"
#include "components/core/cxFormats.h"

TcxCustomDateEdit::TcxCustomDateEdit(TComponent* AOwner, bool AIsInplace) : TcxCustomMaskEdit(AOwner, AIsInplace) {
  TControlStyle style = ControlStyle();
  SetControlStyle(style.Exclude(csSetCaption));
}

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
  TcxCustomMaskEdit::StoreEditValue(Value, AFlag);
}

void TcxCustomDateEdit::StoreDisplayValue(const Variant& ADisplayValue) {
  if (VarIsStr(ADisplayValue)) return TcxCustomMaskEdit::StoreDisplayValue(ADisplayValue);
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
  TcxCustomMaskEdit::HandlePropertiesChanged(Sender);
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
