// The spin edit: its settings and number rules, the steps by buttons, keys
// and wheel with the auto-repeat timer, its button layout and painting,
// and its filter helper and registration.
#include "components/editors-basic/cxSpinEdit.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "components/core/cxGeometry.h"
#include "components/core/dxCore.h"
#include "components/core/dxThemeManager.h"
#include "components/editors/cxEditConsts.h"
#include "components/editors/cxEditPaintUtils.h"
#include "vcl/classes/Filer.h"
#include "vcl/graphics/GdiTypes.h"
#include "vcl/rtl/FormatSettings.h"
#include "vcl/rtl/SysUtils.h"

namespace {

constexpr double cxInt64Upper = 9223372036854775808.0;  // 2^63, the first double past the Int64 range

// One step of A from V inside Lower..Upper, computed in a type wide enough
// that no distance overflows. AMode: 0 refuses a step past a bound, 1 stops
// at the bound, 2 wraps once (the step from one bound to the other counts
// one unit); a wrap that still overshoots ends at the bound.
template <class W>
bool StepInRange(W V, W A, W ALower, W AUpper, int AMode, W& AResult) {
  const W toLower = ALower - V, toUpper = AUpper - V;
  if (toLower <= A && A <= toUpper) {
    AResult = V + A;
    return true;
  }
  if (AMode == 0) return false;
  if (AMode == 1)
    AResult = A < toLower ? ALower : AUpper;
  else
    AResult = A < toLower ? AUpper + A + 1 - toLower : ALower + A - 1 - toUpper;
  AResult = std::clamp(AResult, ALower, AUpper);
  return true;
}

bool IsSpinKeyCode(uint16_t Key) { return Key == VK_UP || Key == VK_DOWN || Key == VK_PRIOR || Key == VK_NEXT; }

// Keys that change the text by themselves.
bool IsTextChangingKey(uint16_t Key, TShiftState Shift) {
  if (Key == VK_DELETE || Key == VK_BACK) return true;
  if (Key == VK_INSERT && Shift.Contains(ssShift)) return true;
  return Shift.Contains(ssCtrl) && (Key == 'V' || Key == 'X');
}

}  // namespace

// ---------------------------------------------------------------- spin buttons

template <class T>
void TcxSpinEditButtons::SetValue(T& AField, T AValue) {
  if (AField == AValue) return;
  AField = AValue;
  FOwner->Changed();
}

TPersistent* TcxSpinEditButtons::GetOwner() const { return FOwner; }

void TcxSpinEditButtons::SetPosition(TcxSpinEditButtonsPosition Value) { SetValue(FPosition, Value); }
void TcxSpinEditButtons::SetShowFastButtons(bool Value) { SetValue(FShowFastButtons, Value); }
void TcxSpinEditButtons::SetVisible(bool Value) { SetValue(FVisible, Value); }

void TcxSpinEditButtons::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxSpinEditButtons*>(Source);
  if (!source) return TPersistent::Assign(Source);
  FOwner->BeginUpdate();
  SetPosition(source->FPosition);
  SetShowFastButtons(source->FShowFastButtons);
  SetVisible(source->FVisible);
  FOwner->EndUpdate();
}

// ---------------------------------------------------------------- assigned values

void TcxSpinEditPropertiesValues::SetValueType(bool Value) {
  if (FValueType == Value) return;
  FValueType = Value;
  static_cast<TcxCustomEditProperties*>(GetOwner())->Changed();
}

void TcxSpinEditPropertiesValues::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxSpinEditPropertiesValues*>(Source);
  BeginUpdate();
  TcxTextEditPropertiesValues::Assign(Source);
  if (source) SetValueType(source->FValueType);
  EndUpdate();
}

void TcxSpinEditPropertiesValues::RestoreDefaults() {
  BeginUpdate();
  TcxTextEditPropertiesValues::RestoreDefaults();
  SetValueType(false);
  EndUpdate();
}

// ---------------------------------------------------------------- properties

TcxCustomSpinEditProperties::TcxCustomSpinEditProperties(TPersistent* AOwner)
    : TcxCustomMaskEditProperties(AOwner), FSpinButtons(std::make_unique<TcxSpinEditButtons>(this)) {
  Buttons()->Add();
  Buttons()->Add();
}

TcxCustomSpinEditProperties::~TcxCustomSpinEditProperties() = default;

TcxEditViewInfoClass TcxCustomSpinEditProperties::GetViewInfoClass() const {
  return TcxEditViewInfoClass::Of<TcxSpinEditViewInfo>();
}

TcxEditViewDataClass TcxCustomSpinEditProperties::ViewDataClass() const {
  return TcxEditViewDataClass::Of<TcxSpinEditViewData>();
}

TcxCustomEditClass TcxCustomSpinEditProperties::GetContainerClass() const {
  return TcxCustomEditClass::Of<TcxSpinEdit>();
}

void TcxCustomSpinEditProperties::SetCircular(bool Value) {
  if (FCircular == Value) return;
  FCircular = Value;
  Changed();
}

TcxSpinEditValueType TcxCustomSpinEditProperties::ValueType() {
  if (AssignedValues()->ValueType()) return FValueType;
  IcxEditDefaultValuesProvider* provider = IDefaultValuesProvider();
  return provider && provider->DefaultIsFloatValue() ? vtFloat : vtInt;
}

void TcxCustomSpinEditProperties::SetValueType(TcxSpinEditValueType Value) {
  if (AssignedValues()->ValueType() && FValueType == Value) return;
  BeginUpdate();
  FValueType = Value;
  AssignedValues()->SetValueType(true);
  Changed();
  EndUpdate();
}

void TcxCustomSpinEditProperties::AssignSettings(TcxCustomEditProperties* Source) {
  TcxCustomMaskEditProperties::AssignSettings(Source);
  auto* source = dynamic_cast<TcxCustomSpinEditProperties*>(Source);
  if (!source) return;
  FSpinButtons->Assign(source->FSpinButtons.get());
  FCanEdit = source->FCanEdit;
  SetCircular(source->FCircular);
  FExceptionOnInvalidInput = source->FExceptionOnInvalidInput;
  FIncrement = source->FIncrement;
  FLargeIncrement = source->FLargeIncrement;
  FUseCtrlIncrement = source->FUseCtrlIncrement;
  AssignedValues()->SetValueType(false);
  if (source->AssignedValues()->ValueType()) SetValueType(source->FValueType);
  OnGetValue = source->OnGetValue;
}

void TcxCustomSpinEditProperties::FitButtonCount() {
  const int needed = !FSpinButtons->Visible() ? 0 : FSpinButtons->ShowFastButtons() ? 4 : 2;
  TcxEditButtons* buttons = Buttons();
  if (buttons->Count() == needed) return;
  BeginUpdate();
  while (buttons->Count() > needed) buttons->Delete(0);
  while (buttons->Count() < needed) buttons->Add();
  EndUpdate(false);
}

void TcxCustomSpinEditProperties::NotifyPropertiesChanged() {
  FitButtonCount();
  TcxCustomMaskEditProperties::NotifyPropertiesChanged();
}

// An increment of 0 differs from the stream's default, so it is written
// as a value of its own.
void TcxCustomSpinEditProperties::DefineProperties(TFiler* Filer) {
  TcxCustomMaskEditProperties::DefineProperties(Filer);
  auto define = [Filer](const wchar_t* AName, double& AField) {
    Filer->DefineProperty(
        AName,
        [&AField](TReader* Reader) {
          Reader->ReadBoolean();
          Reader->AssignJournaled(AField, 0.0);
        },
        [](TWriter* Writer) { Writer->WriteBoolean(true); }, AField == 0);
  };
  define(L"ZeroIncrement", FIncrement);
  define(L"ZeroLargeIncrement", FLargeIncrement);
}

// ---------------------------------------------------------------- numbers

double TcxCustomSpinEditProperties::GetIncrement(TcxSpinEditButton AButton) {
  switch (AButton) {
    case sebBackward: return -FIncrement;
    case sebForward: return FIncrement;
    case sebFastBackward: return -FLargeIncrement;
    case sebFastForward: return FLargeIncrement;
  }
  throw EdxException(L"TcxCustomSpinEditProperties.GetIncrement fails");
}

Variant TcxCustomSpinEditProperties::ConvertToValueType(const Variant& AValue) {
  if (ValueType() == vtFloat) return Variant(AValue.AsDouble());
  if (VarIsOrdinal(AValue)) return Variant(static_cast<long long>(AValue.AsInt64()));
  const double rounded = std::nearbyint(AValue.AsDouble());  // ties to even
  if (rounded >= cxInt64Upper) return Variant(static_cast<long long>(LLONG_MAX));
  if (rounded < -cxInt64Upper) return Variant(static_cast<long long>(LLONG_MIN));
  return Variant(static_cast<long long>(rounded));
}

Variant TcxCustomSpinEditProperties::CoerceNumeric(const Variant& AValue) {
  return VarIsNumeric(AValue) ? ConvertToValueType(AValue) : AValue;
}

Variant TcxCustomSpinEditProperties::ValueTypeLimit(bool AUpper) {
  if (ValueType() == vtInt) return Variant(static_cast<long long>(AUpper ? LLONG_MAX : LLONG_MIN));
  return Variant(AUpper ? 1.7976931348623157e308 : -1.7976931348623157e308);
}

Variant TcxCustomSpinEditProperties::LowerSpinBound() {
  return IsValueBoundDefined(0) ? ConvertToValueType(Variant(MinValue())) : ValueTypeLimit(false);
}

Variant TcxCustomSpinEditProperties::UpperSpinBound() {
  return IsValueBoundDefined(1) ? ConvertToValueType(Variant(MaxValue())) : ValueTypeLimit(true);
}

Variant TcxCustomSpinEditProperties::BoundedValue(const Variant& AValue) {
  if (!VarIsNumeric(AValue)) return AValue;
  const double value = AValue.AsDouble();
  if (IsValueBoundDefined(0) && value < MinValue()) return Variant(MinValue());
  if (IsValueBoundDefined(1) && value > MaxValue()) return Variant(MaxValue());
  return AValue;
}

int TcxCustomSpinEditProperties::SpinLimitMode() { return FCircular ? 2 : SpinsToBound() ? 1 : 0; }

bool TcxCustomSpinEditProperties::ParseValueText(const String& AText, Variant& AValue) {
  AValue = Null();
  if (ValueType() == vtInt) {
    int64_t value;
    if (!TryStrToInt64(AText, value)) return false;
    AValue = Variant(static_cast<long long>(value));
    return true;
  }
  double value;
  if (!TryStrToFloat(AText, value) || !std::isfinite(value)) return false;
  AValue = Variant(value);
  return true;
}

bool TcxCustomSpinEditProperties::TryConvertText(const String& AText, Variant& AValue) {
  if (ParseValueText(AText, AValue)) return true;
  return UseDisplayFormatWhenEditing() && ParseValueText(StripDisplayFormatChars(AText), AValue);
}

String TcxCustomSpinEditProperties::StripDisplayFormatChars(const String& AText) {
  const String currency = FormatSettings.CurrencyString;
  const String format = AnsiUpperCase(DisplayFormat());
  String result;
  for (size_t i = 0; i < AText.size();) {
    if (!currency.empty() && AText.compare(i, currency.size(), currency) == 0) {
      i += currency.size();
      continue;
    }
    const wchar_t ch = AText[i++];
    const wchar_t upper = ch >= L'a' && ch <= L'z' ? static_cast<wchar_t>(ch - 32) : ch;
    const bool numeric = upper == L'E' || upper == L'+' || upper == L'-' || upper == FormatSettings.DecimalSeparator ||
                         (upper >= L'0' && upper <= L'9');
    if (numeric || format.find(upper) == String::npos) result += ch;
  }
  return result;
}

Variant TcxCustomSpinEditProperties::NormalizeValue(const Variant& AValue, bool AFocused) {
  const bool isNull = AValue.IsNull() || AValue.IsEmpty();
  if (!isNull) return ConvertToValueType(AValue);
  if (UseNullString() && !AFocused) return Null();
  return ConvertToValueType(Variant(0));
}

// ---------------------------------------------------------------- editor answers

Variant TcxCustomSpinEditProperties::EmptyFocusedDisplayValue() {
  Variant display;
  PrepareDisplayValue(ConvertToValueType(BoundedValue(Variant(0))), display, true);
  return display;
}

bool TcxCustomSpinEditProperties::IsDisplayValueValid(Variant& ADisplayValue, bool AEditFocused) {
  if (!TcxCustomMaskEditProperties::IsDisplayValueValid(ADisplayValue, AEditFocused)) return false;
  const String text = Trim(VarToStr(ADisplayValue));
  Variant value;
  return text.empty() || TryConvertText(text, value);
}

bool TcxCustomSpinEditProperties::IsEditValueValid(Variant& EditValue, bool AEditFocused) {
  try {
    if (VarIsStr(EditValue) && !EditValue.AsString().empty()) {
      Variant value;
      if (!TryConvertText(EditValue.AsString(), value)) return false;
      EditValue = value;
    } else if (!VarIsNumeric(EditValue) && !EditValue.IsNull() && !EditValue.IsEmpty() &&
               !(VarIsStr(EditValue)) && VarType(EditValue) != varDate) {
      return false;
    }
    EditValue = CoerceNumeric(NormalizeValue(EditValue, AEditFocused));
    return true;
  } catch (const Exception&) {
    return false;
  }
}

void TcxCustomSpinEditProperties::ValidateDisplayValue(Variant& ADisplayValue, String& AErrorText, bool& AError,
                                                       TcxCustomEdit* AEdit) {
  auto* edit = dynamic_cast<TcxCustomSpinEdit*>(AEdit);
  Variant value;
  if (!edit) {
    AError = !Trim(VarToStr(ADisplayValue)).empty() && !TryConvertText(Trim(VarToStr(ADisplayValue)), value);
    if (AError) AErrorText = dxTranslatedResString(cxSSpinEditInvalidNumericValue);
  } else if (edit->FIsCustomText) {
    AError = !edit->ConvertDisplayValue(ADisplayValue, false, AErrorText, value);
  } else {
    value = edit->FInternalValue;
  }
  if (!AError) {
    if (value.IsNull() || value.IsEmpty()) value = CoerceNumeric(BoundedValue(Variant(0)));
    const Variant lower = LowerSpinBound(), upper = UpperSpinBound();
    if (!FExceptionOnInvalidInput) {
      value = value < lower ? lower : upper < value ? upper : value;
    } else if (value < lower || upper < value) {
      AError = true;
      AErrorText = dxTranslatedResString(cxSEditValueOutOfBounds);
    }
    if (!AError) PrepareDisplayValue(value, ADisplayValue, true);
  }
  TcxCustomMaskEditProperties::ValidateDisplayValue(ADisplayValue, AErrorText, AError, AEdit);
}

// Focused, or with a display format of its own, the value; else the data's
// text where the data formats it.
bool TcxCustomSpinEditProperties::GetEditValueSource(bool AEditFocused) {
  if (AEditFocused || AssignedValues()->DisplayFormat()) return true;
  IcxEditDefaultValuesProvider* provider = IDefaultValuesProvider();
  return !(provider && provider->IsDisplayFormatDefined(false));
}

// ---------------------------------------------------------------- the control

TcxCustomSpinEdit::TcxCustomSpinEdit(TComponent* AOwner, bool AIsInplace) : TcxCustomMaskEdit(AOwner, AIsInplace) {}

TcxCustomSpinEdit::~TcxCustomSpinEdit() = default;

void TcxCustomSpinEdit::InitializeSpinEdit() {
  InitializeTextEdit();
  SetInternalEditValue(Variant(0));
}

Variant TcxCustomSpinEdit::Value() {
  TcxCustomSpinEditProperties* properties = ActiveProperties();
  Variant value;
  if (InternalFocused()) {
    String errorText;
    if (!FIsCustomText || !ConvertDisplayValue(Variant(Text()), false, errorText, value)) value = FInternalValue;
    if (!VarIsNumeric(value)) value = properties->BoundedValue(Variant(0));
  } else {
    const Variant editValue = EditValue();
    if (VarIsNumeric(editValue))
      value = editValue;
    else if (!(VarIsStr(editValue) && !editValue.AsString().empty() &&
               properties->TryConvertText(editValue.AsString(), value)))
      value = properties->BoundedValue(Variant(0));
  }
  return properties->ConvertToValueType(value);
}

void TcxCustomSpinEdit::SetValue(const Variant& AValue) {
  if (!VarIsNumeric(AValue)) return;
  Variant value = AValue;
  if (ActiveProperties()->IsEditValueValid(value, InternalFocused())) SetInternalEditValue(value);
}

double TcxCustomSpinEdit::ButtonIncrement(TcxSpinEditButton AButton) {
  const double increment = ActiveProperties()->GetIncrement(AButton);
  return ActiveProperties()->ValueType() == vtInt ? std::nearbyint(increment) : increment;
}

String TcxCustomSpinEdit::ValueToDisplayText(const Variant& AValue) {
  Variant display;
  ActiveProperties()->PrepareDisplayValue(AValue, display, true);
  return VarToStr(display);
}

bool TcxCustomSpinEdit::CalculateSpinValue(TcxSpinEditButton AButton, Variant& AValue) {
  TcxCustomSpinEditProperties* properties = ActiveProperties();
  AValue = Value();
  const bool forward = AButton == sebForward || AButton == sebFastForward;
  const Variant lower = properties->LowerSpinBound(), upper = properties->UpperSpinBound();
  const bool circular = properties->SpinLimitMode() == 2;
  if (AValue < lower) {
    if (!forward && !circular) return false;
    AValue = forward ? lower : upper;
  } else if (upper < AValue) {
    if (forward && !circular) return false;
    AValue = forward ? lower : upper;
  } else if (!AddIncrementInRange(AValue, ButtonIncrement(AButton))) {
    return false;
  }
  AValue = properties->ConvertToValueType(AValue);
  return true;
}

bool TcxCustomSpinEdit::AddIncrementInRange(Variant& AValue, double AIncrement) {
  TcxCustomSpinEditProperties* properties = ActiveProperties();
  const int mode = properties->SpinLimitMode();
  const Variant increment = properties->ConvertToValueType(Variant(AIncrement));
  const Variant lower = properties->LowerSpinBound(), upper = properties->UpperSpinBound();
  if (properties->ValueType() == vtInt) {
    __int128 result;
    if (!StepInRange<__int128>(AValue.AsInt64(), increment.AsInt64(), lower.AsInt64(), upper.AsInt64(), mode, result))
      return false;
    AValue = Variant(static_cast<long long>(result));
    return true;
  }
  long double result;
  if (!StepInRange<long double>(AValue.AsDouble(), increment.AsDouble(), lower.AsDouble(), upper.AsDouble(), mode,
                                result))
    return false;
  AValue = Variant(static_cast<double>(result));
  return true;
}

bool TcxCustomSpinEdit::Increment(TcxSpinEditButton AButton) {
  TcxCustomSpinEditProperties* properties = ActiveProperties();
  bool changed = false;
  LockChangeEvents(true);
  try {
    Variant value;
    if (DoEditing() && CalculateSpinValue(AButton, value)) {
      const String previous = Text();
      const int selStart = SelStart(), selLength = SelLength();
      const String text = ValueToDisplayText(value);
      FInternalValue = properties->ConvertToValueType(value);
      FIsCustomTextAction = false;
      SetEditingText(text);
      changed = Text() != previous;
      if (changed) {
        if (properties->KeepsSelectionOnSpin())
          SetSelection(selStart, selLength);
        else
          SetSelection(static_cast<int>(Text().size()), 0);
        if (properties->ImmediatePost() && ValidateEditByOptions(false) && CanPostEditValue()) {
          CommitEditValue(false);
          DataBinding()->UpdateDisplayValue();
        }
      }
    }
  } catch (...) {
    LockChangeEvents(false);
    throw;
  }
  LockChangeEvents(false);
  return changed;
}

bool TcxCustomSpinEdit::ConvertDisplayValue(const Variant& ADisplayValue, bool ARaise, String& AErrorText,
                                            Variant& AValue) {
  TcxCustomSpinEditProperties* properties = ActiveProperties();
  const String text = Trim(VarToStr(ADisplayValue));
  if (text.empty()) {
    IcxEditDefaultValuesProvider* provider = properties->IDefaultValuesProvider();
    AValue = provider && provider->DefaultRequired() ? properties->BoundedValue(Variant(0)) : Null();
    AValue = properties->CoerceNumeric(AValue);
    return true;
  }
  if (properties->TryConvertText(text, AValue)) {
    AValue = properties->CoerceNumeric(AValue);
    return true;
  }
  AErrorText.clear();
  bool error = true;
  auto fire = [&](TcxCustomSpinEditProperties* AProperties) {
    if (AProperties->OnGetValue) AProperties->OnGetValue(this, text, AValue, AErrorText, error);
  };
  try {
    fire(Properties());
    if (RepositoryItem()) fire(properties);
  } catch (const Exception& E) {
    if (ARaise) throw;
    AErrorText = E.Message();
    return false;
  }
  if (error) {
    // The reason stays with the refused text, raised or not, so that the
    // person sees why the number was not taken.
    if (AErrorText.empty()) AErrorText = dxTranslatedResString(cxSSpinEditInvalidNumericValue);
    if (ARaise && properties->ExceptionOnInvalidInput()) throw EcxEditError(AErrorText);
    AValue = FInternalValue;
    return false;
  }
  AValue = properties->CoerceNumeric(AValue);
  return true;
}

void TcxCustomSpinEdit::PrepareEditValue(const Variant& ADisplayValue, Variant& AEditValue, bool) {
  String errorText;
  ConvertDisplayValue(ADisplayValue, true, errorText, AEditValue);
}

void TcxCustomSpinEdit::WriteEditValue(const Variant& AValue) {
  TcxCustomMaskEdit::WriteEditValue(AValue);
  FInternalValue = ActiveProperties()->CoerceNumeric(AValue);
}

void TcxCustomSpinEdit::SynchronizeDisplayValue() {
  TcxCustomSpinEditProperties* properties = ActiveProperties();
  Variant value = EditValue();
  const bool focused = InternalFocused();
  FInternalValue = properties->IsEditValueValid(value, focused) ? properties->NormalizeValue(value, focused)
                                                                : properties->BoundedValue(Variant(0));
  TcxCustomMaskEdit::SynchronizeDisplayValue();
}

void TcxCustomSpinEdit::HandleTextChange() {
  FIsCustomText = FIsCustomTextAction;
  TcxCustomMaskEdit::HandleTextChange();
  FIsCustomTextAction = false;
}

void TcxCustomSpinEdit::ClampToBounds() {
  TcxCustomSpinEditProperties* properties = ActiveProperties();
  const Variant value = Value(), lower = properties->LowerSpinBound(), upper = properties->UpperSpinBound();
  if (value < lower)
    SetValue(lower);
  else if (upper < value)
    SetValue(upper);
}

void TcxCustomSpinEdit::HandlePropertiesChanged(TObject* Sender) {
  TcxCustomSpinEditProperties* properties = ActiveProperties();
  if (properties->HasValueBounds() && (DataBinding()->CanCheckEditorValue() || ModifiedAfterEnter())) ClampToBounds();
  TcxCustomMaskEdit::HandlePropertiesChanged(Sender);
}

// Every validation goes through the properties' checks, so that a text
// that is no number is refused with its reason.
bool TcxCustomSpinEdit::ValidateEditByOptions(bool AForce) { return TcxCustomEdit::ValidateEditByOptions(AForce); }

// ---------------------------------------------------------------- typing and keys

bool TcxCustomSpinEdit::IsValidChar(wchar_t AChar) {
  TcxCustomSpinEditProperties* properties = ActiveProperties();
  const bool typing = cxIsPrintableChar(AChar) || AChar == VK_BACK;
  if (!properties->CanEdit()) return !typing;
  if (properties->OnGetValue) return true;
  if (!cxIsPrintableChar(AChar)) return true;
  if ((AChar >= L'0' && AChar <= L'9') || AChar == L'+' || AChar == L'-' || AChar == L'e' || AChar == L'E')
    return true;
  if (properties->ValueType() == vtFloat && AChar == FormatSettings.DecimalSeparator) return true;
  return AChar < 256 && properties->ValidChars().test(AChar);
}

void TcxCustomSpinEdit::HandleEditKeyPress(wchar_t& Key) {
  if (Key == L'.' || Key == L',') Key = FormatSettings.DecimalSeparator;
  if (cxIsPrintableChar(Key) || Key == VK_BACK) {
    if (!IsValidChar(Key)) {
      Key = 0;
      Beep();
      return;
    }
    FIsCustomTextAction = true;
  }
  TcxCustomMaskEdit::HandleEditKeyPress(Key);
}

bool TcxCustomSpinEdit::IsSpinKey(uint16_t Key, TShiftState Shift) {
  return IsSpinKeyCode(Key) && (!ActiveProperties()->UseCtrlIncrement() || Shift.Contains(ssCtrl));
}

void TcxCustomSpinEdit::HandleEditKeyDown(uint16_t& Key, TShiftState Shift) {
  FIsCustomTextAction = false;
  if (IsSpinKey(Key, Shift)) {
    if (!DataBinding()->Modified() && !DoEditing()) return;
    const TcxSpinEditButton button = Key == VK_PRIOR ? sebFastForward
                                     : Key == VK_UP  ? sebForward
                                     : Key == VK_DOWN ? sebBackward
                                                      : sebFastBackward;
    SetPressedState(static_cast<TcxSpinEditPressedState>(static_cast<int>(button) + 1));
    if (MouseCapture()) SetMouseCapture(false);
    Increment(button);
    Key = 0;
    return;
  }
  StopSpinning();
  if (Key != VK_ESCAPE) FIsCustomTextAction = true;
  if (!ActiveProperties()->CanEdit() && IsTextChangingKey(Key, Shift)) {
    if (OnAfterKeyDown) OnAfterKeyDown(this, Key, Shift);
    Key = 0;
    return;
  }
  TcxCustomMaskEdit::HandleEditKeyDown(Key, Shift);
}

void TcxCustomSpinEdit::KeyUp(uint16_t& Key, TShiftState Shift) {
  FIsCustomTextAction = false;
  const bool spinKey = IsSpinKeyCode(Key);
  TcxCustomMaskEdit::KeyUp(Key, Shift);
  if (spinKey) StopSpinning();
}

template <class F>
void TcxCustomSpinEdit::AsCustomTextAction(F AWork) {
  if (InternalFocused() && !ActiveProperties()->CanEdit()) return;
  FIsCustomTextAction = true;
  try {
    AWork();
  } catch (...) {
    FIsCustomTextAction = false;
    throw;
  }
  FIsCustomTextAction = false;
}

void TcxCustomSpinEdit::CutToClipboard() {
  AsCustomTextAction([this] { TcxCustomMaskEdit::CutToClipboard(); });
}

void TcxCustomSpinEdit::PasteFromClipboard() {
  AsCustomTextAction([this] { TcxCustomMaskEdit::PasteFromClipboard(); });
}

void TcxCustomSpinEdit::ClearSelection() {
  AsCustomTextAction([this] { TcxCustomMaskEdit::ClearSelection(); });
}

// ---------------------------------------------------------------- mouse, wheel and repeat

void TcxCustomSpinEdit::SetPressedState(TcxSpinEditPressedState Value) {
  if (ActiveProperties()->Buttons()->Count() == 0 || FPressedState == Value) return;
  FPressedState = Value;
  ShortRefreshContainer(false);
  if (!HandleAllocated()) return;
  for (int i = 0; i < ViewInfo()->ButtonCount(); ++i)
    ::InvalidateRect(Handle(), AsRECT(ViewInfo()->Button(i)->Bounds), FALSE);
}

void TcxCustomSpinEdit::StartSpinTimer() {
  if (ActiveProperties()->ReadOnly() || !DataBinding()->IsDataAvailable()) return;
  FTimer = std::make_unique<TcxTimer>(nullptr);
  FTimer->SetInterval(400);
  FTimer->SetOnTimer([this](TObject* Sender) { SpinTimerTick(Sender); });
  FTimer->SetEnabled(true);
}

void TcxCustomSpinEdit::SpinTimerTick(TObject*) {
  if (FTimer->Interval() == 400) FTimer->SetInterval(100);
  const int pressed = ViewInfo()->PressedButton;
  if (pressed >= 0) Increment(static_cast<TcxSpinEditButton>(ViewInfo()->Button(pressed)->ButtonIndex));
}

void TcxCustomSpinEdit::StopSpinning() {
  FTimer.reset();
  TcxCustomEditViewInfo* viewInfo = ViewInfo();
  for (int i = 0; i < std::min(2, viewInfo->ButtonCount()); ++i)
    if (viewInfo->Button(i)->Data.State == ebsPressed) viewInfo->Button(i)->Data.State = ebsNormal;
  SetPressedState(epsNone);
  if (MouseCapture()) SetMouseCapture(false);
}

void TcxCustomSpinEdit::NotifyButtonDown(int AButtonVisibleIndex) {
  TcxCustomMaskEdit::NotifyButtonDown(AButtonVisibleIndex);
  if (!IsCaptureInside()) ShortRefreshContainer(false);
  const int pressed = ViewInfo()->PressedButton;
  if (FPressedState != epsNone || pressed < 0) return;
  Increment(static_cast<TcxSpinEditButton>(ViewInfo()->Button(pressed)->ButtonIndex));
  StartSpinTimer();
}

void TcxCustomSpinEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TcxCustomMaskEdit::MouseDown(Button, Shift, X, Y);
  if (ViewInfo()->PartAtPoint(TPoint(X, Y)) < 0) StopSpinning();
}

void TcxCustomSpinEdit::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  StopSpinning();
  TcxCustomMaskEdit::MouseUp(Button, Shift, X, Y);
}

bool TcxCustomSpinEdit::DoMouseWheel(TShiftState Shift, int WheelDelta, const TPoint& MousePos) {
  if (TcxCustomMaskEdit::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  if (!ActiveProperties()->UseMouseWheel() || WheelDelta == 0) return false;
  Increment(WheelDelta < 0 ? sebBackward : sebForward);
  return true;
}

// Losing the focus ends a held step; gaining it may come from the press
// on a spin button itself.
void TcxCustomSpinEdit::DoExit() {
  StopSpinning();
  TcxCustomMaskEdit::DoExit();
}

void TcxCustomSpinEdit::FillViewDataState(TcxCustomEditViewData* AViewData) {
  TcxCustomMaskEdit::FillViewDataState(AViewData);
  if (auto* viewData = dynamic_cast<TcxSpinEditViewData*>(AViewData)) viewData->PressedState = FPressedState;
}

// ---------------------------------------------------------------- view data

bool TcxSpinEditViewData::UsesSpinTheme(TcxCustomEditViewInfo* AViewInfo) {
  return AViewInfo->NativeStyle && !AViewInfo->UseSkins && dxThemeHandleOf(totSpin);
}

void TcxSpinEditViewData::CalculateButtonViewInfo(TcxCanvas*, TcxCustomEditViewInfo* AViewInfo,
                                                  int AButtonVisibleIndex, TRect&) {
  InitializeButtonInfo(AViewInfo, AButtonVisibleIndex);
}

void TcxSpinEditViewData::DoCalculateButtonViewInfos(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo,
                                                     TRect& AButtonsRect) {
  TcxCustomTextEditViewData::DoCalculateButtonViewInfos(ACanvas, AViewInfo, AButtonsRect);
  CalculateSpinButtonsBounds(ACanvas, AViewInfo, AButtonsRect);
}

void TcxSpinEditViewData::CalculateSpinButtonsBounds(TcxCanvas*, TcxCustomEditViewInfo* AViewInfo,
                                                     TRect& AButtonsRect) {
  auto* viewInfo = dynamic_cast<TcxSpinEditViewInfo*>(AViewInfo);
  const int count = AViewInfo->ButtonCount();
  if (!viewInfo || count == 0) return;
  const TcxSpinEditButtonsPosition position = Properties()->SpinButtons()->Position();
  viewInfo->ButtonsPosition = position;
  const TRect r = AButtonsRect;
  const int height = r.Height();
  // The arrow that fits half the height (the smaller side of its box).
  const int side = std::min(GetSystemMetrics(SM_CYHSCROLL) + 2, height / 2 + 2);
  int arrowWidth = (side - 1) / 2;
  if (arrowWidth % 2 == 0) ++arrowWidth;
  viewInfo->ArrowSize = arrowWidth / 2 + 1;
  const bool themed = UsesSpinTheme(AViewInfo);
  int width = themed ? (height + 1) / 2 : 4 * viewInfo->ArrowSize - 3;
  dxRaiseToTouchMinimum(width);
  int fastWidth = width * 3 / 2 + (width & 1);
  dxRaiseToTouchMinimum(fastWidth);
  const int gapBelow = themed && dxOsVistaUp ? 1 : 0, gapBetween = themed ? 1 : 0;
  const int bottom = r.Bottom - gapBelow;
  auto place = [&](int AIndex, int ALeft, int ATop, int ARight, int ABottom) {
    if (AIndex < count) AViewInfo->Button(AIndex)->Bounds = AViewInfo->Button(AIndex)->VisibleBounds =
                            TRect(ALeft, ATop, ARight, ABottom);
  };
  int right = r.Right, left = r.Left;
  if (count == 4) {
    place(3, right - fastWidth, r.Top, right, bottom);
    right -= fastWidth;
  }
  if (position == sbpVert) {
    const int upper = (height - gapBetween) / 2;
    place(1, right - width, r.Top, right, r.Top + upper);
    place(0, right - width, r.Top + upper + gapBetween, right, bottom);
    right -= width;
    if (count == 4) {
      place(2, right - fastWidth, r.Top, right, bottom);
      right -= fastWidth;
    }
  } else {
    place(1, right - width, r.Top, right, bottom);
    right -= width + gapBetween;
    if (position == sbpHorzRight) {
      place(0, right - width, r.Top, right, bottom);
      right -= width;
      if (count == 4) {
        place(2, right - fastWidth, r.Top, right, bottom);
        right -= fastWidth;
      }
    } else {
      if (count == 4) {
        place(2, left, r.Top, left + fastWidth, bottom);
        left += fastWidth;
      }
      place(0, left, r.Top, left + width, bottom);
      left += width;
    }
  }
  AButtonsRect = TRect(left, r.Top, std::max(left, right), r.Bottom);
}

void TcxSpinEditViewData::CheckButtonsOnly(TcxCustomEditViewInfo* AViewInfo, int APrevButtonsWidth,
                                           int AButtonsWidth) {
  TcxCustomTextEditViewData::CheckButtonsOnly(AViewInfo, APrevButtonsWidth, AButtonsWidth);
  auto* viewInfo = dynamic_cast<TcxSpinEditViewInfo*>(AViewInfo);
  if (!viewInfo || AViewInfo->ButtonCount() < 2) return;
  TcxEditButtonViewInfo *backward = AViewInfo->Button(0), *forward = AViewInfo->Button(1);
  if (viewInfo->ButtonsPosition == sbpVert) {
    backward->Bounds.Left = forward->Bounds.Left;
    backward->Bounds.Right = forward->Bounds.Right;
  }
  const TRect& edit = AViewInfo->Bounds;
  for (const auto& button : AViewInfo->ButtonsInfo) {
    const TRect& b = button->Bounds;
    button->VisibleBounds = TRect(std::max(b.Left, edit.Left), std::max(b.Top, edit.Top),
                                  std::min(b.Right, edit.Right), std::min(b.Bottom, edit.Bottom));
  }
  viewInfo->DelimiterLine[0] = viewInfo->DelimiterLine[1] = TPoint();
  if (!UsesSpinTheme(AViewInfo)) return;
  if (viewInfo->ButtonsPosition == sbpHorzRight) {
    viewInfo->DelimiterLine[0] = TPoint(backward->Bounds.Right, backward->Bounds.Top);
    viewInfo->DelimiterLine[1] = TPoint(backward->Bounds.Right, backward->Bounds.Bottom - 1);
  } else if (viewInfo->ButtonsPosition == sbpVert) {
    viewInfo->DelimiterLine[0] = TPoint(forward->Bounds.Left, forward->Bounds.Bottom);
    viewInfo->DelimiterLine[1] = TPoint(forward->Bounds.Right - 1, forward->Bounds.Bottom);
  }
}

bool TcxSpinEditViewData::IgnoreButtonWhileStretching(int AButtonVisibleIndex) {
  return AButtonVisibleIndex == 0 && Properties()->SpinButtons()->Position() == sbpVert;
}

bool TcxSpinEditViewData::IsButtonLeftAligned(TcxCustomEditViewInfo* AViewInfo, int AButtonVisibleIndex) {
  if (Properties()->SpinButtons()->Position() == sbpHorzLeftRight)
    return AButtonVisibleIndex == 0 || AButtonVisibleIndex == 2;
  return TcxCustomTextEditViewData::IsButtonLeftAligned(AViewInfo, AButtonVisibleIndex);
}

bool TcxSpinEditViewData::IsButtonHeldDown(TcxCustomEditViewInfo*, int AButtonVisibleIndex) {
  return PressedState != epsNone && static_cast<int>(PressedState) == AButtonVisibleIndex + 1;
}

HTHEME TcxSpinEditViewData::ButtonThemeHandle(TcxEditButtonViewInfo* AButtonViewInfo) {
  return AButtonViewInfo->Data.NativeStyle ? dxThemeHandleOf(totSpin) : nullptr;
}

void TcxSpinEditViewData::ComputeButtonThemePart(HTHEME ATheme, TcxEditButtonViewInfo* AButtonViewInfo) {
  TcxEditButtonViewInfoData& data = AButtonViewInfo->Data;
  const bool vertical = Properties()->SpinButtons()->Position() == sbpVert;
  static const int parts[2][4] = {{SPNP_DOWNHORZ, SPNP_UPHORZ, SPNP_DOWNHORZ, SPNP_UPHORZ},
                                  {SPNP_DOWN, SPNP_UP, SPNP_DOWNHORZ, SPNP_UPHORZ}};
  const int index = std::clamp(AButtonViewInfo->ButtonIndex, 0, 3);
  data.NativePart = ATheme ? parts[vertical][index] : 0;
  static const int states[] = {4, 1, 3, 2};  // disabled, normal, pressed, hot
  data.NativeState = data.NativePart != 0 ? states[static_cast<int>(data.State)] : 0;
  data.BackgroundPartiallyTransparent =
      data.UseSkins ||
      (data.NativePart != 0 && IsThemeBackgroundPartiallyTransparent(ATheme, data.NativePart, data.NativeState));
}

// ---------------------------------------------------------------- view info

void TcxSpinEditViewInfo::InternalPaint(TcxCanvas* ACanvas) {
  TcxCustomTextEditViewInfo::InternalPaint(ACanvas);
  if (!NativeStyle || ButtonCount() == 0 || ButtonsPosition == sbpHorzLeftRight ||
      DelimiterLine[0] == DelimiterLine[1] || Button(0)->Data.NativePart == 0)
    return;
  ACanvas->SaveClipRegion();
  ACanvas->IntersectClipRect(BorderRect);
  const TPoint& from = DelimiterLine[0];
  const TPoint& to = DelimiterLine[1];
  cxFillRectByColor(ACanvas, TRect(from.X, from.Y, to.X + 1, to.Y + 1), BackgroundColor());
  ACanvas->RestoreClipRegion();
}

void TcxSpinEditViewInfo::PaintThemedButtonFrame(TcxCanvas*, TcxEditButtonViewInfo* AButtonViewInfo, TColor&,
                                                 TColor&, TRect& AContentRect, TRect& ARect) {
  ARect = AButtonViewInfo->Bounds;
  AContentRect = IsCustomDrawButton(AButtonViewInfo->ButtonVisibleIndex) ? ARect : TRect();
}

void TcxSpinEditViewInfo::PaintThemedButtonBackground(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo,
                                                      const TRect& ARect) {
  DrawThemeBackground(dxThemeHandleOf(totSpin), ACanvas->Handle(), AButtonViewInfo->Data.NativePart,
                      AButtonViewInfo->Data.NativeState, AsRECT(ARect), nullptr);
}

// Arrows of ArrowSize: left and right side by side, down and up stacked,
// doubled on the fast buttons.
void TcxSpinEditViewInfo::DrawButtonContent(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo,
                                            bool ANeedOffsetContent, TColor ABrushColor, TColor APenColor,
                                            const TRect& AContentRect) {
  if (UseSkins)
    return TcxCustomTextEditViewInfo::DrawButtonContent(ACanvas, AButtonViewInfo, ANeedOffsetContent, ABrushColor,
                                                         APenColor, AContentRect);
  const int index = std::clamp(AButtonViewInfo->ButtonIndex, 0, 3);
  static const TcxArrowDirection horizontal[] = {adLeft, adRight, adLeft, adRight};
  static const TcxArrowDirection vertical[] = {adDown, adUp, adLeft, adRight};
  const TcxArrowDirection direction = ButtonsPosition == sbpVert ? vertical[index] : horizontal[index];
  const bool fast = index >= 2;
  TColor color = APenColor;
  if (OnGetButtonContentColor) OnGetButtonContentColor(AButtonViewInfo, color);
  ACanvas->SaveClipRegion();
  ACanvas->IntersectClipRect(AContentRect);
  if (AButtonViewInfo->Data.State == ebsDisabled) {
    cxDrawEditArrow(ACanvas, ArrowSize, cxRectShiftBy(AContentRect, 1, 1), clBtnHighlight, false, fast, direction);
    cxDrawEditArrow(ACanvas, ArrowSize, AContentRect, clBtnShadow, false, fast, direction);
  } else {
    cxDrawEditArrow(ACanvas, ArrowSize, AContentRect, color, ANeedOffsetContent, fast, direction);
  }
  ACanvas->RestoreClipRegion();
}

// ---------------------------------------------------------------- filter helper

const TcxFilterSpinEditHelper* TcxFilterSpinEditHelper::Instance() {
  static const TcxFilterSpinEditHelper instance;
  return &instance;
}

TcxCustomEditClass TcxFilterSpinEditHelper::GetFilterEditClass() const {
  return TcxCustomEditClass::Of<TcxSpinEdit>();
}

TcxFilterControlOperators TcxFilterSpinEditHelper::GetSupportedFilterOperators(TcxCustomEditProperties*,
                                                                               const IcxFilterValueType*,
                                                                               bool AExtendedSet) const {
  return cxOrderedValueFilterOperators(AExtendedSet);
}

void TcxFilterSpinEditHelper::InitializeProperties(TcxCustomEditProperties* AProperties,
                                                   TcxCustomEditProperties* AEditProperties, bool AHasButtons) const {
  TcxFilterMaskEditHelper::InitializeProperties(AProperties, AEditProperties, AHasButtons);
  if (auto* properties = dynamic_cast<TcxCustomSpinEditProperties*>(AProperties)) properties->SetCanEdit(true);
}

// ---------------------------------------------------------------- unit

const TUnitEntry cxSpinEditUnit{L"cxSpinEdit",
                                [] {
                                  cxEditPropertiesRegistry()->Register(
                                      TcxSpinEditProperties::StaticClass(),
                                      dxTranslatedResString(scxSEditRepositorySpinItem));
                                  cxFilterEditsRegistry()->Register(TcxSpinEditProperties::StaticClass(),
                                                                    TcxFilterSpinEditHelper::Instance());
                                },
                                [] {
                                  cxFilterEditsRegistry()->Unregister(TcxSpinEditProperties::StaticClass(),
                                                                      TcxFilterSpinEditHelper::Instance());
                                  cxEditPropertiesRegistry()->Unregister(TcxSpinEditProperties::StaticClass());
                                }};
