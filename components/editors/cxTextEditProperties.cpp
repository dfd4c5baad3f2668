// The text editor's settings and the rules that turn an edit value into
// the text it shows: formats, null text, case, password echo, bounds and
// lookup items, and the grouping of digits.
#include "components/core/dxCore.h"
#include "components/editors/cxEditConsts.h"
#include "components/editors/cxTextEdit.h"
#include "vcl/rtl/DateUtils.h"
#include "vcl/rtl/FMTBcd.h"
#include "vcl/rtl/FormatSettings.h"
#include "vcl/rtl/SysUtils.h"

// ---------------------------------------------------------------- number texts

String cxRemoveThousandSeparators(const String& AText) {
  String result;
  for (wchar_t c : AText)
    if (c != FormatSettings.ThousandSeparator) result += c;
  return result;
}

String cxExtractExponentPart(String& AText) {
  const size_t e = AText.find_first_of(L"Ee");
  if (e == String::npos) return String();
  String exponent = AText.substr(e);
  AText.erase(e);
  return exponent;
}

String cxInsertThousandSeparators(const String& AText) {
  const size_t first = AText.find_first_not_of(L' ');
  if (first == String::npos) return AText;
  const size_t last = AText.find_last_not_of(L' ');
  String number = AText.substr(first, last - first + 1);
  const String exponent = cxExtractExponentPart(number);
  number = cxRemoveThousandSeparators(number);
  const size_t point = number.find(FormatSettings.DecimalSeparator);
  // Walks left from the integer part's last digit; a separator goes in
  // only before a further digit, so "123456" never starts with one.
  size_t position = point == String::npos ? number.size() : point;
  int count = 0;
  while (position > 0 && number[position - 1] >= L'0' && number[position - 1] <= L'9') {
    --position;
    if (++count == 3 && position > 0 && number[position - 1] >= L'0' && number[position - 1] <= L'9') {
      number.insert(position, 1, FormatSettings.ThousandSeparator);
      count = 0;
    }
  }
  return AText.substr(0, first) + number + exponent + AText.substr(last + 1);
}

bool cxIsGroupedNumberText(const String& AText) {
  double value;
  return TryStrToFloat(cxRemoveThousandSeparators(AText), value);
}

String cxApplyCharCase(const String& AText, TEditCharCase ACharCase) {
  switch (ACharCase) {
    case ecUpperCase: return AnsiUpperCase(AText);
    case ecLowerCase: return AnsiLowerCase(AText);
    default: return AText;
  }
}

// ---------------------------------------------------------------- assigned values

TcxCustomTextEditProperties* TcxTextEditPropertiesValues::TextProperties() const {
  return static_cast<TcxCustomTextEditProperties*>(GetOwner());
}

void TcxTextEditPropertiesValues::SetDisplayFormat(bool Value) {
  if (FDisplayFormat == Value) return;
  FDisplayFormat = Value;
  TextProperties()->Changed();
}

void TcxTextEditPropertiesValues::SetEditFormat(bool Value) {
  if (FEditFormat == Value) return;
  FEditFormat = Value;
  TextProperties()->Changed();
}

void TcxTextEditPropertiesValues::SetMaxLength(bool Value) {
  if (FMaxLength == Value) return;
  FMaxLength = Value;
  TextProperties()->HandleMaxLengthChange();
}

void TcxTextEditPropertiesValues::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxTextEditPropertiesValues*>(Source);
  if (!source) return TcxCustomEditPropertiesValues::Assign(Source);
  BeginUpdate();
  TcxCustomEditPropertiesValues::Assign(Source);
  SetDisplayFormat(source->FDisplayFormat);
  SetEditFormat(source->FEditFormat);
  SetMaxLength(source->FMaxLength);
  EndUpdate();
}

void TcxTextEditPropertiesValues::RestoreDefaults() {
  BeginUpdate();
  TcxCustomEditPropertiesValues::RestoreDefaults();
  SetDisplayFormat(false);
  SetEditFormat(false);
  SetMaxLength(false);
  EndUpdate();
}

// ---------------------------------------------------------------- properties

TcxCustomTextEditProperties::TcxCustomTextEditProperties(TPersistent* AOwner)
    : TcxCustomEditProperties(AOwner), FLookupItems(std::make_unique<TStringList>()) {
  FLookupItems->SetDuplicates(dupAccept);
  FLookupItems->OnChange = [this](TObject*) { Changed(); };
  Alignment()->SetVert(taVCenter);
  if (TcxFormatController* controller = cxFormatControllerInstance()) controller->AddListener(this);
}

TcxCustomTextEditProperties::~TcxCustomTextEditProperties() {
  if (TcxFormatController* controller = cxFormatControllerInstance()) controller->RemoveListener(this);
  FLookupItems->OnChange = nullptr;
}

TcxClassFactory<TcxCustomTextEditLookupData, TPersistent*> TcxCustomTextEditProperties::LookupDataClassType() const {
  return TcxClassFactory<TcxCustomTextEditLookupData, TPersistent*>::Of<TcxCustomTextEditLookupData>();
}

void TcxCustomTextEditProperties::NotifyFormatsChanged() {
  FFormatChanging = true;
  try {
    Changed();
  } catch (...) {
    FFormatChanging = false;
    throw;
  }
  FFormatChanging = false;
}

void TcxCustomTextEditProperties::AlignmentChanged(TObject* Sender) {
  BeginUpdate();
  try {
    TcxCustomEditProperties::AlignmentChanged(Sender);
  } catch (...) {
    EndUpdate(true);
    throw;
  }
  EndUpdate(true);
}

void TcxCustomTextEditProperties::AssignSettings(TcxCustomEditProperties* Source) {
  TcxCustomEditProperties::AssignSettings(Source);
  auto* source = dynamic_cast<TcxCustomTextEditProperties*>(Source);
  if (!source) return;
  SetCharCase(source->FCharCase);
  SetEchoMode(source->FEchoMode);
  SetFixedListSelection(source->FFixedListSelection);
  SetHideCursor(source->FHideCursor);
  SetHideSelection(source->FHideSelection);
  FImmediateUpdateText = source->FImmediateUpdateText;
  SetIncrementalSearch(source->FIncrementalSearch);
  SetMRUMode(source->FMRUMode);
  SetUseNullString(source->FUseNullString);
  SetNullstring(source->FNullstring);
  FValidChars = source->FValidChars;
  SetLookupItemsSorted(false);
  FLookupItems->Assign(source->FLookupItems.get());
  SetLookupItemsSorted(source->LookupItemsSorted());
  TcxTextEditPropertiesValues* values = AssignedValues();
  TcxTextEditPropertiesValues* sourceValues = source->AssignedValues();
  values->SetDisplayFormat(false);
  if (sourceValues->DisplayFormat()) SetDisplayFormat(source->FDisplayFormat);
  values->SetEditFormat(false);
  if (sourceValues->EditFormat()) SetEditFormat(source->FEditFormat);
  values->SetMaxLength(false);
  if (sourceValues->MaxLength()) SetMaxLength(source->FMaxLength);
  SetOEMConvert(source->FOEMConvert);
  SetImeMode(source->FImeMode);
  SetImeName(source->FImeName);
  SetPasswordChar(source->FPasswordChar);
  SetUseDisplayFormatWhenEditing(source->FUseDisplayFormatWhenEditing);
  OnNewLookupDisplayText = source->OnNewLookupDisplayText;
}

// ---------------------------------------------------------------- accessors

void TcxCustomTextEditProperties::SetFixedListSelection(bool Value) {
  if (FFixedListSelection == Value) return;
  FFixedListSelection = Value;
  if (CurrentEditingStyle() == esFixedList) Changed();
}

String TcxCustomTextEditProperties::DisplayFormat() {
  if (AssignedValues()->DisplayFormat()) return FDisplayFormat;
  if (IcxEditDefaultValuesProvider* provider = IDefaultValuesProvider(); provider && !provider->DefaultDisplayFormat().empty())
    return provider->DefaultDisplayFormat();
  return BuiltInDisplayFormat();
}

void TcxCustomTextEditProperties::SetDisplayFormat(const String& Value) {
  if (AssignedValues()->DisplayFormat() && FDisplayFormat == Value) return;
  BeginUpdate();
  AssignedValues()->SetDisplayFormat(true);
  FDisplayFormat = Value;
  Changed();
  EndUpdate();
}

String TcxCustomTextEditProperties::EditFormat() {
  bool isCurrency, hasTextEvent;
  String format;
  ResolveEditFormat(isCurrency, hasTextEvent, format);
  return format;
}

void TcxCustomTextEditProperties::SetEditFormat(const String& Value) {
  if (AssignedValues()->EditFormat() && FEditFormat == Value) return;
  BeginUpdate();
  AssignedValues()->SetEditFormat(true);
  FEditFormat = Value;
  Changed();
  EndUpdate();
}

int TcxCustomTextEditProperties::ProviderMaxLength() {
  IcxEditDefaultValuesProvider* provider = IDefaultValuesProvider();
  return provider ? provider->DefaultMaxLength() : 0;
}

int TcxCustomTextEditProperties::MaxLength() {
  return AssignedValues()->MaxLength() ? FMaxLength : ProviderMaxLength();
}

void TcxCustomTextEditProperties::SetMaxLength(int Value) {
  Value = std::max(Value, 0);
  if (AssignedValues()->MaxLength() && FMaxLength == Value) return;
  FMaxLength = Value;
  if (AssignedValues()->MaxLength())
    HandleMaxLengthChange();
  else
    AssignedValues()->SetMaxLength(true);
}

TcxTextEditViewStyle TcxCustomTextEditProperties::ViewStyle() const {
  switch (ButtonsViewStyle()) {
    case bvsButtonsOnly: return vsButtonsOnly;
    case bvsButtonsAutoWidth: return vsButtonsAutoWidth;
    default: return FHideCursor ? vsHideCursor : vsNormal;
  }
}

void TcxCustomTextEditProperties::SetViewStyle(TcxTextEditViewStyle Value) {
  if (Value == ViewStyle()) return;
  BeginUpdate();
  SetButtonsViewStyle(Value == vsButtonsOnly ? bvsButtonsOnly
                      : Value == vsButtonsAutoWidth ? bvsButtonsAutoWidth
                                                    : bvsNormal);
  SetHideCursor(Value != vsNormal);
  EndUpdate(true);
}

// ---------------------------------------------------------------- queries

bool TcxCustomTextEditProperties::CanSearchIncrementally() {
  const TcxEditEditingStyle style = CurrentEditingStyle();
  return style == esEditList || style == esFixedList || (style == esEdit && FIncrementalSearch);
}

TcxEditSupportedOperations TcxCustomTextEditProperties::GetSupportedOperations() {
  TcxEditSupportedOperations result = TcxCustomEditProperties::GetSupportedOperations();
  for (TcxEditSupportedOperation operation :
       {esoAutoHeight, esoEditing, esoFiltering, esoHorzAlignment, esoIncSearch, esoSorting})
    result.Include(operation);
  if (Buttons()->Count() == 0 && FEchoMode == eemNormal) result.Include(esoEditingAutoHeight);
  return result;
}

bool TcxCustomTextEditProperties::GetEditValueSource(bool AEditFocused) {
  if (AEditFocused || !FUseNullString) return false;  // evsText
  return TcxCustomEditProperties::GetEditValueSource(AEditFocused);
}

String TcxCustomTextEditProperties::DefaultValidateErrorText(int AErrorKind) {
  if (AErrorKind == 1) return dxTranslatedResString(cxSEditValueOutOfBounds);
  return TcxCustomEditProperties::DefaultValidateErrorText(AErrorKind);
}

bool TcxCustomTextEditProperties::IsLookupItemText(const String& AText) {
  const String upper = AnsiUpperCase(AText);
  for (int i = 0; i < FLookupItems->Count(); ++i)
    if (AnsiUpperCase(FLookupItems->Strings(i)) == upper) return true;
  return false;
}

// ---------------------------------------------------------------- display texts

void TcxCustomTextEditProperties::ResolveEditFormat(bool& AIsCurrency, bool& AHasProviderTextEvent, String& AFormat,
                                                    TcxCustomEdit* AEdit) {
  AIsCurrency = AHasProviderTextEvent = false;
  AFormat.clear();
  if (AssignedValues()->EditFormat()) {
    AFormat = FEditFormat;
    return;
  }
  IcxEditDefaultValuesProvider* provider = IDefaultValuesProvider();
  if (provider && (!AEdit || !AEdit->IsInplace())) AHasProviderTextEvent = provider->IsOnGetTextAssigned();
  if (provider && !provider->DefaultEditFormat().empty()) {
    AFormat = provider->DefaultEditFormat();
    return;
  }
  if (AssignedValues()->DisplayFormat())
    AFormat = FDisplayFormat;
  else if (provider && !provider->DefaultDisplayFormat().empty())
    AFormat = provider->DefaultDisplayFormat();
  else if (!BuiltInDisplayFormat().empty())
    AFormat = BuiltInDisplayFormat();
  else if (provider)
    AIsCurrency = !DisplayFormatOptions().Contains(dfoNoCurrencyValue) && provider->IsCurrency();
  if (!FUseDisplayFormatWhenEditing) AFormat.clear();
}

String TcxCustomTextEditProperties::FormatNumericDisplayValue(const Variant& AValue, bool AEditFocused) {
  if (!AEditFocused) {
    const String format = DisplayFormat();
    return format.empty() ? VarToStr(AValue) : FormatFloat(format, AValue.AsDouble());
  }
  bool isCurrency, hasTextEvent;
  String format;
  ResolveEditFormat(isCurrency, hasTextEvent, format);
  IcxEditDefaultValuesProvider* provider = IDefaultValuesProvider();
  const int precision = provider ? provider->DefaultPrecision() : 15;
  String text = dxVariantToText(AValue);
  TBcd bcd;
  if (isCurrency) {
    if (TryStrToBcd(text, bcd)) {
      wchar_t buf[400];
      swprintf(buf, 400, L"%.*f", static_cast<int>(FormatSettings.CurrencyDecimals), StrToFloat(BcdToStr(bcd)));
      text = buf;
      if (const size_t dot = text.find(L'.'); dot != String::npos) text[dot] = FormatSettings.DecimalSeparator;
    }
    return text;
  }
  if (!format.empty()) return FormatFloat(format, AValue.AsDouble());
  if (TryStrToBcd(text, bcd)) {
    wchar_t buf[400];
    swprintf(buf, 400, L"%.*G", precision, StrToFloat(BcdToStr(bcd)));
    text = buf;
    if (const size_t dot = text.find(L'.'); dot != String::npos) text[dot] = FormatSettings.DecimalSeparator;
  }
  return UsesDigitGrouping() ? cxInsertThousandSeparators(text) : text;
}

void TcxCustomTextEditProperties::PrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue,
                                                      bool AEditFocused) {
  if (IsNullEditValue(AEditValue) && FUseNullString && !AEditFocused && !IsDesigning()) {
    DisplayValue = Variant(FNullstring);
    return;
  }
  DoPrepareDisplayValue(AEditValue, DisplayValue, AEditFocused);
}

void TcxCustomTextEditProperties::DoPrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue,
                                                        bool AEditFocused) {
  if (IsNumericValueEditor()) {
    if (AEditValue.IsNull() || (VarIsStr(AEditValue) && AEditValue.AsString().empty()))
      DisplayValue = Variant(String());
    else if (VarIsNumeric(AEditValue) || VarIsStr(AEditValue) || VarType(AEditValue) == varFMTBcd)
      DisplayValue = Variant(FormatNumericDisplayValue(AEditValue, AEditFocused));
    else
      throw EConvertError(dxTranslatedResString(cxSEditNumericValueConvertError));
    return;
  }
  if (AEditValue.IsNull() || AEditValue.IsEmpty() || (VarIsArray(AEditValue) && VarArrayDimCount(AEditValue) != 1))
    DisplayValue = Variant(String());
  else
    DisplayValue = Variant(dxVariantToText(AEditValue));
}

String TcxCustomTextEditProperties::EditValueToDisplayValue(const Variant& AEditValue, bool AEditFocused) {
  Variant value = AEditValue;
  if (IsEditValueValid(value, AEditFocused)) {
    Variant display;
    PrepareDisplayValue(AEditValue, display, AEditFocused);
    return VarToStr(display);
  }
  if (VarType(AEditValue) == varDate) return DateTimeToStr(AEditValue.AsDateTime());
  return VarToStr(AEditValue);
}

void TcxCustomTextEditProperties::DisplayValueToDisplayText(String& AText) {
  if (FEchoMode == eemPassword)
    AText = String(AText.size(), EffectivePasswordChar());
  else
    AText = cxApplyCharCase(AText, FCharCase);
}

String TcxCustomTextEditProperties::GetDisplayText(const Variant& AEditValue, bool, bool AIsInplace) {
  String text;
  if (IsValueFormattedByProvider()) {
    text = dxVariantToText(AEditValue);
  } else {
    const bool focused = !AIsInplace && !ConversionDependsOnFocus();
    try {
      text = EditValueToDisplayValue(AEditValue, focused);
    } catch (...) {
      DisplayValueToDisplayText(text);
      throw;
    }
  }
  DisplayValueToDisplayText(text);
  return text;
}

bool TcxCustomTextEditProperties::IsDisplayValueValid(Variant& ADisplayValue, bool) {
  String text = VarToStr(ADisplayValue);
  if (text.empty()) return true;
  const TcxEditEditingStyle style = CurrentEditingStyle();
  if ((style == esEditList || style == esFixedList) && HasLookupData() && !IsLookupItemText(text)) return false;
  ADisplayValue = Variant(cxApplyCharCase(text, FCharCase));
  return true;
}

bool TcxCustomTextEditProperties::IsEditValueValid(Variant& EditValue, bool AEditFocused) {
  if (EditValue.IsNull() || !VarIsStr(EditValue)) return true;
  Variant display = EditValue;
  return IsDisplayValueValid(display, AEditFocused);
}

bool TcxCustomTextEditProperties::CompareDisplayValues(const Variant& AEditValue1, const Variant& AEditValue2) {
  return AnsiCompareStr(GetDisplayText(AEditValue1, true), GetDisplayText(AEditValue2, true)) == 0;
}

// ---------------------------------------------------------------- bounds

// A range is defined by what was assigned: both bounds assigned (5..5 too)
// or only one of them; with neither, the provider's bounds count only when
// they make a range.
bool TcxCustomTextEditProperties::IsValueBoundDefined(int ABound) {
  const bool minAssigned = AssignedValues()->MinValue(), maxAssigned = AssignedValues()->MaxValue();
  if (minAssigned && maxAssigned) return MaxValue() >= MinValue();
  if (!minAssigned && !maxAssigned) return MaxValue() > MinValue();
  return ABound == 0 ? minAssigned : maxAssigned;
}

void TcxCustomTextEditProperties::CheckValueInBounds(const Variant& AValue, String& AErrorText, bool& AError) {
  if (!VarIsNumeric(AValue) && VarType(AValue) != varDate) return;
  const bool below = IsValueBoundDefined(0) && AValue < Variant(MinValue());
  const bool above = IsValueBoundDefined(1) && AValue > Variant(MaxValue());
  if (!below && !above) return;
  AError = true;
  AErrorText = DefaultValidateErrorText(1);
}

void TcxCustomTextEditProperties::ValidateDisplayValueBounds(const Variant& ADisplayValue, String& AErrorText,
                                                             bool& AError, TcxCustomEdit* AEdit) {
  Variant value = ADisplayValue;
  if (auto* edit = dynamic_cast<TcxCustomTextEdit*>(AEdit)) edit->PrepareEditValue(ADisplayValue, value, edit->InternalFocused());
  CheckValueInBounds(value, AErrorText, AError);
}

void TcxCustomTextEditProperties::ValidateDisplayValue(Variant& ADisplayValue, String& AErrorText, bool& AError,
                                                       TcxCustomEdit* AEdit) {
  if (!AError && !IsDisplayValueValid(ADisplayValue, true)) AError = true;
  if (!AError && IsNumericValueEditor() && HasValueBounds())
    ValidateDisplayValueBounds(ADisplayValue, AErrorText, AError, AEdit);
  TcxCustomEditProperties::ValidateDisplayValue(ADisplayValue, AErrorText, AError, AEdit);
}
