// The currency edit: amounts from texts in the locale's settings, the
// typing rules that keep the text an amount, the formats it shows, and its
// filter helper and registration.
#include "components/editors-basic/cxCurrencyEdit.h"

#include <climits>
#include <cmath>

#include "components/core/dxCore.h"
#include "components/editors/cxEditConsts.h"
#include "vcl/rtl/FormatSettings.h"
#include "vcl/rtl/SysUtils.h"

bool cxTryTextToCurrencyValue(const String& AText, double& AValue) {
  AValue = 0;
  double value;
  if (!TryStrToFloat(cxRemoveThousandSeparators(AText), value)) return AText.empty();
  const double magnitude = std::fabs(value);
  if (value != 0 && (magnitude < 5e-324 || magnitude > 1.7e308)) return AText.empty();
  AValue = value;
  return true;
}

// ---------------------------------------------------------------- assigned values

void TcxCurrencyEditPropertiesValues::SetDecimalPlaces(bool Value) {
  if (FDecimalPlaces == Value) return;
  FDecimalPlaces = Value;
  static_cast<TcxCustomEditProperties*>(GetOwner())->Changed();
}

void TcxCurrencyEditPropertiesValues::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxCurrencyEditPropertiesValues*>(Source);
  BeginUpdate();
  TcxTextEditPropertiesValues::Assign(Source);
  if (source) SetDecimalPlaces(source->FDecimalPlaces);
  EndUpdate();
}

void TcxCurrencyEditPropertiesValues::RestoreDefaults() {
  BeginUpdate();
  TcxTextEditPropertiesValues::RestoreDefaults();
  SetDecimalPlaces(false);
  EndUpdate();
}

// ---------------------------------------------------------------- properties

TcxCustomCurrencyEditProperties::TcxCustomCurrencyEditProperties(TPersistent* AOwner)
    : TcxCustomTextEditProperties(AOwner) {
  SetValidateOnEnter(true);
}

TcxCustomEditClass TcxCustomCurrencyEditProperties::GetContainerClass() const {
  return TcxCustomEditClass::Of<TcxCurrencyEdit>();
}

int TcxCustomCurrencyEditProperties::DecimalPlaces() {
  return AssignedValues()->DecimalPlaces() ? FDecimalPlaces : FormatSettings.CurrencyDecimals;
}

void TcxCustomCurrencyEditProperties::SetDecimalPlaces(int Value) {
  if (AssignedValues()->DecimalPlaces() && FDecimalPlaces == Value) return;
  BeginUpdate();
  AssignedValues()->SetDecimalPlaces(true);
  FDecimalPlaces = Value;
  Changed();
  EndUpdate();
}

void TcxCustomCurrencyEditProperties::SetNullable(bool Value) {
  if (FNullable == Value) return;
  FNullable = Value;
  Changed();
}

void TcxCustomCurrencyEditProperties::SetUseThousandSeparator(bool Value) {
  if (FUseThousandSeparator == Value) return;
  FUseThousandSeparator = Value;
  Changed();
}

void TcxCustomCurrencyEditProperties::AssignSettings(TcxCustomEditProperties* Source) {
  TcxCustomTextEditProperties::AssignSettings(Source);
  auto* source = dynamic_cast<TcxCustomCurrencyEditProperties*>(Source);
  if (!source) return;
  AssignedValues()->SetDecimalPlaces(false);
  if (source->AssignedValues()->DecimalPlaces()) SetDecimalPlaces(source->FDecimalPlaces);
  SetNullable(source->FNullable);
  SetUseThousandSeparator(source->FUseThousandSeparator);
}

String TcxCustomCurrencyEditProperties::BuiltInDisplayFormat() {
  TcxFormatController* controller = cxFormatControllerInstance();
  return controller ? controller->CurrencyFormat() : String();
}

TcxEditSupportedOperations TcxCustomCurrencyEditProperties::GetSupportedOperations() {
  return TcxCustomTextEditProperties::GetSupportedOperations().Exclude(esoEditingAutoHeight);
}

// Unfocused, text events of the data decide the text.
bool TcxCustomCurrencyEditProperties::GetEditValueSource(bool AEditFocused) {
  if (AEditFocused) return true;
  IcxEditDefaultValuesProvider* provider = IDefaultValuesProvider();
  return !(provider && provider->IsOnGetTextAssigned());
}

bool TcxCustomCurrencyEditProperties::HasEditFormat() {
  bool isCurrency, hasTextEvent;
  String format;
  ResolveEditFormat(isCurrency, hasTextEvent, format);
  return !format.empty();
}

bool TcxCustomCurrencyEditProperties::IsDisplayValueValid(Variant& ADisplayValue, bool AEditFocused) {
  if (!AEditFocused || HasEditFormat()) return true;
  const String text = Trim(VarToStr(ADisplayValue));
  double value;
  if (!cxTryTextToCurrencyValue(text, value)) return false;
  ADisplayValue = Variant(text);
  return true;
}

void TcxCustomCurrencyEditProperties::ValidateDisplayValue(Variant& ADisplayValue, String& AErrorText, bool& AError,
                                                           TcxCustomEdit* AEdit) {
  double value;
  if (!cxTryTextToCurrencyValue(Trim(VarToStr(ADisplayValue)), value))
    AError = true;
  else if (!VarToStr(ADisplayValue).empty())
    CheckValueInBounds(Variant(value), AErrorText, AError);
  TcxCustomTextEditProperties::ValidateDisplayValue(ADisplayValue, AErrorText, AError, AEdit);
}

void TcxCustomCurrencyEditProperties::DoPrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue,
                                                            bool AEditFocused) {
  Variant value = AEditValue;
  if ((value.IsNull() || value.IsEmpty()) && !AEditFocused && !FNullable) value = Variant(0.0);
  try {
    TcxCustomTextEditProperties::DoPrepareDisplayValue(value, DisplayValue, AEditFocused);
  } catch (const EConvertError&) {
    DisplayValue = AEditFocused ? Variant(String()) : AEditValue;
  } catch (const EVariantError&) {
    DisplayValue = AEditFocused ? Variant(String()) : AEditValue;
  }
}

// ---------------------------------------------------------------- the edit

TcxCustomCurrencyEdit::TcxCustomCurrencyEdit(TComponent* AOwner, bool AIsInplace)
    : TcxCustomTextEdit(AOwner, AIsInplace) {
  TControlStyle style = ControlStyle();
  SetControlStyle(style.Exclude(csSetCaption));
}

bool TcxCustomCurrencyEdit::FitsDecimalPlaces(const String& AText) {
  const size_t point = AText.find(FormatSettings.DecimalSeparator);
  if (point != String::npos) {
    const size_t exponent = AText.find_first_of(L"Ee", point + 1);
    const size_t digits = (exponent == String::npos ? AText.size() : exponent) - point - 1;
    if (static_cast<int>(digits) > ActiveProperties()->DecimalPlaces()) return false;
  }
  double value;
  return cxTryTextToCurrencyValue(AText, value);
}

bool TcxCustomCurrencyEdit::IsValidChar(wchar_t AChar) {
  TcxCustomCurrencyEditProperties* properties = ActiveProperties();
  const bool numeric = (AChar >= L'0' && AChar <= L'9') || AChar == L'+' || AChar == L'-' || AChar == L'e' ||
                       AChar == L'E' || AChar == FormatSettings.DecimalSeparator;
  if (!numeric && !(properties->UseThousandSeparator() && AChar == FormatSettings.ThousandSeparator)) return false;
  const String text = Text();
  if (properties->HasEditFormat() && !FitsDecimalPlaces(text)) return true;
  const int start = SelStart();
  const String newText = Copy(text, 1, start) + AChar + Copy(text, start + SelLength() + 1, INT_MAX);
  return FitsDecimalPlaces(newText) || (AChar == L'-' && newText == L"-");
}

void TcxCustomCurrencyEdit::HandleEditKeyPress(wchar_t& Key) {
  if ((Key == L'.' || Key == L',') &&
      !(ActiveProperties()->UseThousandSeparator() && Key == FormatSettings.ThousandSeparator))
    Key = FormatSettings.DecimalSeparator;
  TcxCustomTextEdit::HandleEditKeyPress(Key);
}

void TcxCustomCurrencyEdit::PrepareEditValue(const Variant& ADisplayValue, Variant& AEditValue, bool) {
  const String text = VarToStr(ADisplayValue);
  double value;
  if (!text.empty() && cxTryTextToCurrencyValue(text, value))
    AEditValue = Variant(value);
  else
    AEditValue = ActiveProperties()->Nullable() ? Null() : Variant(Currency(0));
}

Variant TcxCustomCurrencyEdit::GetTypedEditValue() {
  Variant value;
  PrepareEditValue(Variant(Text()), value, true);
  return value;
}

double TcxCustomCurrencyEdit::Value() {
  const Variant value = EditingValue();
  if (value.IsNull() || value.IsEmpty()) return 0;
  if (VarIsStr(value)) {
    double amount;
    cxTryTextToCurrencyValue(value.AsString(), amount);
    return amount;
  }
  return value.AsDouble();
}

void TcxCustomCurrencyEdit::SetValue(double AValue) {
  TcxCustomCurrencyEditProperties* properties = ActiveProperties();
  if (properties->IsValueBoundDefined(0) && AValue < properties->MinValue())
    AValue = properties->MinValue();
  else if (properties->IsValueBoundDefined(1) && AValue > properties->MaxValue())
    AValue = properties->MaxValue();
  SetInternalEditValue(Variant(AValue));
}

void TcxCustomCurrencyEdit::ClampToBounds() {
  TcxCustomCurrencyEditProperties* properties = ActiveProperties();
  const double value = Value();
  if ((properties->IsValueBoundDefined(0) && value < properties->MinValue()) ||
      (properties->IsValueBoundDefined(1) && value > properties->MaxValue()))
    SetValue(value);
}

// A pasted amount shows with exactly DecimalPlaces fraction digits.
void TcxCustomCurrencyEdit::PasteFromClipboard() {
  if (!CanModify()) return;
  TcxCustomTextEdit::PasteFromClipboard();
  const Variant value = EditingValue();
  if (value.IsNull() || value.IsEmpty()) return;
  const String format = L"0." + String(ActiveProperties()->DecimalPlaces(), L'0') + L";";
  SetEditingText(FormatFloat(format, Value()));
}

void TcxCustomCurrencyEdit::HandlePropertiesChanged(TObject* Sender) {
  TcxCustomCurrencyEditProperties* properties = ActiveProperties();
  if (properties->FormatChanging()) return;
  if (!Focused()) DataBinding()->UpdateDisplayValue();
  if (properties->HasValueBounds() && DataBinding()->CanCheckEditorValue()) ClampToBounds();
  TcxCustomTextEdit::HandlePropertiesChanged(Sender);
}

void TcxCustomCurrencyEdit::SynchronizeDisplayValue() {
  TcxCustomCurrencyEditProperties* properties = ActiveProperties();
  const bool was = properties->FDisplayValueSynchronizing;
  properties->FDisplayValueSynchronizing = true;
  struct TRestore {
    bool& Flag;
    bool Value;
    ~TRestore() { Flag = Value; }
  } restore{properties->FDisplayValueSynchronizing, was};
  TcxCustomTextEdit::SynchronizeDisplayValue();
}

// ---------------------------------------------------------------- filter helper

const TcxFilterCurrencyEditHelper* TcxFilterCurrencyEditHelper::Instance() {
  static const TcxFilterCurrencyEditHelper instance;
  return &instance;
}

TcxCustomEditClass TcxFilterCurrencyEditHelper::GetFilterEditClass() const {
  return TcxCustomEditClass::Of<TcxCurrencyEdit>();
}

TcxFilterControlOperators TcxFilterCurrencyEditHelper::GetSupportedFilterOperators(TcxCustomEditProperties*,
                                                                                   const IcxFilterValueType*,
                                                                                   bool AExtendedSet) const {
  return cxOrderedValueFilterOperators(AExtendedSet);
}

void TcxFilterCurrencyEditHelper::InitializeProperties(TcxCustomEditProperties* AProperties,
                                                       TcxCustomEditProperties* AEditProperties,
                                                       bool AHasButtons) const {
  TcxFilterTextEditHelper::InitializeProperties(AProperties, AEditProperties, AHasButtons);
  auto* properties = dynamic_cast<TcxCustomCurrencyEditProperties*>(AProperties);
  if (!properties) return;
  // Both bounds assigned as 0 would be the range 0..0: a filter row's
  // editor has none.
  properties->AssignedValues()->SetMinValue(false);
  properties->AssignedValues()->SetMaxValue(false);
  properties->SetNullable(true);
  properties->SetNullstring(String());
  properties->SetUseDisplayFormatWhenEditing(false);
}

// ---------------------------------------------------------------- unit

const TUnitEntry cxCurrencyEditUnit{L"cxCurrencyEdit",
                                    [] {
                                      cxEditPropertiesRegistry()->Register(
                                          TcxCurrencyEditProperties::StaticClass(),
                                          dxTranslatedResString(scxSEditRepositoryCurrencyItem));
                                      cxFilterEditsRegistry()->Register(TcxCurrencyEditProperties::StaticClass(),
                                                                        TcxFilterCurrencyEditHelper::Instance());
                                    },
                                    [] {
                                      cxFilterEditsRegistry()->Unregister(TcxCurrencyEditProperties::StaticClass(),
                                                                          TcxFilterCurrencyEditHelper::Instance());
                                      cxEditPropertiesRegistry()->Unregister(TcxCurrencyEditProperties::StaticClass());
                                    }};
