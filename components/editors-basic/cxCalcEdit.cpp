// The calc edit: numbers from texts in the locale's settings, the texts it
// shows, the calculator of its popup, and its filter helper and
// registration.
#include "components/editors-basic/cxCalcEdit.h"

#include <climits>
#include <cmath>
#include <cwchar>

#include "components/core/dxCore.h"
#include "components/editors/cxEditConsts.h"
#include "vcl/rtl/FormatSettings.h"
#include "vcl/rtl/SysUtils.h"

namespace {

// A printf number in the locale's settings, its exponent without leading
// zeros (and without "+" unless asked): "1.5E+003" → "1.5E3" or "1.5E+3".
String LocalizeNumber(const wchar_t* AText, bool AExponentSign) {
  String text = AText;
  for (wchar_t& ch : text)
    if (ch == L'.') ch = FormatSettings.DecimalSeparator;
  const size_t e = text.find(L'E');
  if (e == String::npos) return text;
  const bool negative = e + 1 < text.size() && text[e + 1] == L'-';
  size_t digits = e + 1;
  if (digits < text.size() && (text[digits] == L'+' || text[digits] == L'-')) ++digits;
  while (digits + 1 < text.size() && text[digits] == L'0') ++digits;
  return text.substr(0, e + 1) + (negative ? L"-" : AExponentSign ? L"+" : L"") + text.substr(digits);
}

}  // namespace

bool cxTryTextToCalcValue(const String& AText, double& AValue) {
  const String text = Trim(cxRemoveThousandSeparators(AText));
  double value;
  if (!TryStrToFloat(text, value) || !std::isfinite(value)) return false;
  // A number too small for a Double reads as 0: a mantissa with a non-zero
  // digit tells it apart from a real 0.
  const String mantissa = text.substr(0, text.find_first_of(L"Ee"));
  if (value == 0 && mantissa.find_first_of(L"123456789") != String::npos) return false;
  AValue = value;
  return true;
}

String cxTrimExponentMantissa(const String& AText) {
  const size_t e = AText.find_first_of(L"Ee");
  if (e == String::npos || AText.find(FormatSettings.DecimalSeparator) == String::npos) return AText;
  String mantissa = AText.substr(0, e);
  while (!mantissa.empty() && mantissa.back() == L'0') mantissa.pop_back();
  if (!mantissa.empty() && mantissa.back() == FormatSettings.DecimalSeparator) mantissa.pop_back();
  return mantissa + AText.substr(e);
}

// ---------------------------------------------------------------- assigned values

void TcxCalcEditPropertiesValues::SetPrecision(bool Value) {
  if (FPrecision == Value) return;
  FPrecision = Value;
  static_cast<TcxCustomEditProperties*>(GetOwner())->Changed();
}

void TcxCalcEditPropertiesValues::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxCalcEditPropertiesValues*>(Source);
  BeginUpdate();
  TcxTextEditPropertiesValues::Assign(Source);
  if (source) SetPrecision(source->FPrecision);
  EndUpdate();
}

void TcxCalcEditPropertiesValues::RestoreDefaults() {
  BeginUpdate();
  TcxTextEditPropertiesValues::RestoreDefaults();
  SetPrecision(false);
  EndUpdate();
}

// ---------------------------------------------------------------- properties

TcxCustomCalcEditProperties::TcxCustomCalcEditProperties(TPersistent* AOwner) : TcxCustomPopupEditProperties(AOwner) {
  SetPopupSizeable(false);
  SetImmediateDropDownWhenKeyPressed(false);
}

TcxCustomEditClass TcxCustomCalcEditProperties::GetContainerClass() const {
  return TcxCustomEditClass::Of<TcxCalcEdit>();
}

uint8_t TcxCustomCalcEditProperties::Precision() {
  int precision = 15;
  if (AssignedValues()->Precision())
    precision = FPrecision;
  else if (IcxEditDefaultValuesProvider* provider = IDefaultValuesProvider())
    precision = provider->DefaultPrecision();
  return static_cast<uint8_t>(precision >= 16 ? 15 : precision);
}

void TcxCustomCalcEditProperties::SetPrecision(uint8_t Value) {
  if (AssignedValues()->Precision() && FPrecision == Value) return;
  BeginUpdate();
  AssignedValues()->SetPrecision(true);
  FPrecision = Value;
  Changed();
  EndUpdate();
}

void TcxCustomCalcEditProperties::AssignSettings(TcxCustomEditProperties* Source) {
  TcxCustomPopupEditProperties::AssignSettings(Source);
  auto* source = dynamic_cast<TcxCustomCalcEditProperties*>(Source);
  if (!source) return;
  SetBeepOnError(source->FBeepOnError);
  AssignedValues()->SetPrecision(false);
  if (source->AssignedValues()->Precision()) SetPrecision(source->FPrecision);
  SetQuickClose(source->FQuickClose);
  SetScientificFormat(source->FScientificFormat);
  SetUseThousandSeparator(source->FUseThousandSeparator);
}

bool TcxCustomCalcEditProperties::GetEditValueSource(bool AEditFocused) {
  if (AEditFocused || AssignedValues()->DisplayFormat()) return true;
  IcxEditDefaultValuesProvider* provider = IDefaultValuesProvider();
  return !(provider && provider->IsDisplayFormatDefined(false));
}

bool TcxCustomCalcEditProperties::IsEditValueValid(Variant& EditValue, bool) {
  if (EditValue.IsNull() || EditValue.IsEmpty() || VarIsNumeric(EditValue)) return true;
  double value;
  return VarIsStr(EditValue) && cxTryTextToCalcValue(EditValue.AsString(), value);
}

void TcxCustomCalcEditProperties::ValidateDisplayValue(Variant& ADisplayValue, String& AErrorText, bool& AError,
                                                       TcxCustomEdit* AEdit) {
  const String text = Trim(VarToStr(ADisplayValue));
  double value;
  AError = !text.empty() && !cxTryTextToCalcValue(text, value);
  if (AError) AErrorText = dxTranslatedResString(cxSEditNumericValueConvertError);
  TcxCustomPopupEditProperties::ValidateDisplayValue(ADisplayValue, AErrorText, AError, AEdit);
}

Variant TcxCustomCalcEditProperties::DisplayTextToValue(const String& AText) {
  const String text = Trim(UsesDigitGrouping() ? cxRemoveThousandSeparators(AText) : AText);
  double value;
  if (text.empty() || !cxTryTextToCalcValue(text, value)) return Null();
  return Variant(value);
}

String TcxCustomCalcEditProperties::ValueToEditText(double AValue) {
  const int precision = Precision() == 0 ? 15 : Precision();
  wchar_t buffer[64];
  if (FScientificFormat) {
    swprintf(buffer, std::size(buffer), L"%.*E", precision - 1, AValue);
    return cxTrimExponentMantissa(LocalizeNumber(buffer, true));
  }
  swprintf(buffer, std::size(buffer), L"%.*G", precision, AValue);
  const String text = LocalizeNumber(buffer, false);
  return UsesDigitGrouping() ? cxInsertThousandSeparators(text) : text;
}

void TcxCustomCalcEditProperties::DoPrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue,
                                                        bool AEditFocused) {
  if (AEditValue.IsNull() || AEditValue.IsEmpty()) {
    DisplayValue = Variant(String());
    return;
  }
  double value;
  if (VarIsNumeric(AEditValue)) {
    value = AEditValue.AsDouble();
  } else if (!VarIsStr(AEditValue) || !cxTryTextToCalcValue(AEditValue.AsString(), value)) {
    DisplayValue = Variant(VarToStr(AEditValue));
    return;
  }
  const String format = DisplayFormat();
  DisplayValue = Variant(!AEditFocused && !format.empty() ? FormatFloat(format, value) : ValueToEditText(value));
}

// ---------------------------------------------------------------- the popup calculator

void TcxPopupCalculator::Init() { ReleaseKeyboardButton(); }

void TcxPopupCalculator::HidePopup(TcxEditCloseUpReason AReason) {
  if (OnHidePopup) OnHidePopup(this, AReason);
}

String TcxPopupCalculator::GetDisplay() { return FEdit ? FEdit->Text() : String(); }

void TcxPopupCalculator::SetDisplay(const String& AText) {
  if (!FEdit || !FEdit->DoEditing()) return;
  FEdit->InnerTextEdit()->SetEditValue(Variant(AText));
  FEdit->SetModifiedAfterEnter(true);
}

void TcxPopupCalculator::LockDisplayChanges(bool ALock, bool AFireOnUnlock) {
  if (FEdit) FEdit->LockChangeEvents(ALock, AFireOnUnlock);
}

void TcxPopupCalculator::KeyDown(uint16_t& Key, TShiftState Shift) {
  // Escape closes at once: clearing first would throw away what the
  // popup opened with.
  if (Key == VK_ESCAPE) {
    HidePopup(crCancel);
    Key = 0;
    return;
  }
  TcxCustomCalculator::KeyDown(Key, Shift);
  const bool alt = Shift.Contains(ssAlt);
  if (Key == VK_TAB && FEdit)
    FEdit->KeyDown(Key, Shift);
  else if (Key == VK_RETURN)
    HidePopup(crEnter);
  else if (((Key == VK_UP || Key == VK_DOWN) && alt) || (Key == VK_F4 && !alt))
    HidePopup(crClose);
  else if (Key == VK_INSERT && Shift.Contains(ssShift))
    PasteFromClipboard();
  else if (Key == VK_INSERT && Shift.Contains(ssCtrl))
    CopyToClipboard();
}

void TcxPopupCalculator::KeyPress(wchar_t& Key) {
  const wchar_t key = Key;
  TcxCustomCalculator::KeyPress(Key);
  if (key == L'=' && FEdit && FEdit->ActiveProperties()->QuickClose()) HidePopup(crEnter);
}

// ---------------------------------------------------------------- the edit

TcxCustomCalcEdit::TcxCustomCalcEdit(TComponent* AOwner, bool AIsInplace) : TcxCustomPopupEdit(AOwner, AIsInplace) {
  TControlStyle style = ControlStyle();
  SetControlStyle(style.Exclude(csSetCaption));
}

// The calculator goes first: the popup it sits in goes with the base.
TcxCustomCalcEdit::~TcxCustomCalcEdit() { FCalculator.reset(); }

double TcxCustomCalcEdit::Value() {
  const Variant value = EditValue();
  if (value.IsNull() || value.IsEmpty() || (VarIsStr(value) && value.AsString().empty())) return 0;
  if (VarIsStr(value)) {
    double number = 0;
    cxTryTextToCalcValue(value.AsString(), number);
    return number;
  }
  return value.AsDouble();
}

void TcxCustomCalcEdit::SetValue(double AValue) { SetInternalEditValue(Variant(AValue)); }

void TcxCustomCalcEdit::CreateCalculator() {
  FCalculator = std::make_unique<TcxPopupCalculator>(nullptr);
  FCalculator->SetEdit(this);
  FCalculator->SetParent(PopupWindow());
  FCalculator->SetAutoFontSize(false);
  FCalculator->LookAndFeel()->SetMasterLookAndFeel(PopupControlsLookAndFeel());
  FCalculator->OnHidePopup = [this](TObject*, TcxEditCloseUpReason AReason) { ClosePopupWithReason(AReason); };
  TcxCustomCalcEditProperties* properties = ActiveProperties();
  FCalculator->SetBeepOnError(properties->BeepOnError());
  FCalculator->SetPrecision(properties->Precision());
}

bool TcxCustomCalcEdit::CanDropDown() { return !ActiveProperties()->ReadOnly() && DataBinding()->IsDataAvailable(); }

void TcxCustomCalcEdit::OpenPopup() {
  if (!FCalculator) CreateCalculator();
  ActiveProperties()->SetPopupControl(FCalculator.get());
  TcxCustomPopupEdit::OpenPopup();
}

void TcxCustomCalcEdit::ConfigurePopupWindow() {
  TcxCustomPopupEdit::ConfigurePopupWindow();
  FTextAtDropDown = Text();
  FModifiedAtDropDown = ModifiedAfterEnter();
  FCalculator->HandleNeeded();
  FCalculator->Font()->Assign(Font());
  FCalculator->FitToFont();
}

void TcxCustomCalcEdit::PopupWindowShowed(TObject* Sender) {
  FCalculator->Init();
  TcxCustomPopupEdit::PopupWindowShowed(Sender);
}

// Escape gives back the text the popup opened with. A calculator left in
// its error state posts nothing: its "Error" stays in the text, which
// validation refuses, so the value stays as it was.
void TcxCustomCalcEdit::PopupWindowClosed(TObject* Sender) {
  if (CloseUpReason() == crCancel && Text() != FTextAtDropDown) {
    LockChangeEvents(true, false);
    InnerTextEdit()->SetEditValue(Variant(FTextAtDropDown));
    SetModifiedAfterEnter(FModifiedAtDropDown);
    LockChangeEvents(false, false);
  }
  TcxCustomPopupEdit::PopupWindowClosed(Sender);
  if (IsDestroying() || !HandleAllocated()) return;
  if (ActiveProperties()->AutoSelect())
    SelectAll();
  else
    SetSelStart(static_cast<int>(Text().size()));
}

void TcxCustomCalcEdit::HandlePropertiesChanged(TObject* Sender) {
  TcxCustomCalcEditProperties* properties = ActiveProperties();
  if (properties->FormatChanging()) return;
  TcxCustomPopupEdit::HandlePropertiesChanged(Sender);
  if (!FCalculator) return;
  FCalculator->SetBeepOnError(properties->BeepOnError());
  FCalculator->SetPrecision(properties->Precision());
  properties->LockUpdate(true);
  properties->SetPopupControl(FCalculator.get());
  properties->LockUpdate(false);
}

void TcxCustomCalcEdit::PrepareEditValue(const Variant& ADisplayValue, Variant& AEditValue, bool) {
  AEditValue = ActiveProperties()->DisplayTextToValue(VarToStr(ADisplayValue));
}

Variant TcxCustomCalcEdit::GetTypedEditValue() {
  Variant value;
  PrepareEditValue(Variant(Text()), value, true);
  return value;
}

bool TcxCustomCalcEdit::IsValidChar(wchar_t AChar) {
  TcxCustomCalcEditProperties* properties = ActiveProperties();
  const bool numeric = (AChar >= L'0' && AChar <= L'9') || AChar == L'+' || AChar == L'-' || AChar == L'e' ||
                       AChar == L'E' || AChar == FormatSettings.DecimalSeparator ||
                       (properties->UsesDigitGrouping() && AChar == FormatSettings.ThousandSeparator);
  if (!numeric) return false;
  const String text = Text();
  const int start = SelStart();
  const String newText = Copy(text, 1, start) + AChar + Copy(text, start + SelLength() + 1, INT_MAX);
  double value;
  return cxTryTextToCalcValue(newText, value) || (AChar == L'-' && newText == L"-");
}

void TcxCustomCalcEdit::HandleEditKeyPress(wchar_t& Key) {
  TcxCustomCalcEditProperties* properties = ActiveProperties();
  if ((Key == L'.' || Key == L',') &&
      !(properties->UsesDigitGrouping() && Key == FormatSettings.ThousandSeparator))
    Key = FormatSettings.DecimalSeparator;
  if (Key >= L' ' && !IsValidChar(Key)) {
    Key = 0;
    if (properties->BeepOnError()) MessageBeep(0);
    return;
  }
  TcxCustomPopupEdit::HandleEditKeyPress(Key);
}

// Clipboard text that is no number is refused: the value stays.
void TcxCustomCalcEdit::PasteFromClipboard() {
  double value;
  if (!TcxCustomCalculator::ClipboardValue(value)) {
    if (ActiveProperties()->BeepOnError()) MessageBeep(0);
    return;
  }
  if (!DoEditing()) return;
  if (!FCalculator) CreateCalculator();
  FCalculator->PasteFromClipboard();
}

// ---------------------------------------------------------------- filter helper

const TcxFilterCalcEditHelper* TcxFilterCalcEditHelper::Instance() {
  static const TcxFilterCalcEditHelper instance;
  return &instance;
}

TcxCustomEditClass TcxFilterCalcEditHelper::GetFilterEditClass() const {
  return TcxCustomEditClass::Of<TcxCalcEdit>();
}

TcxFilterControlOperators TcxFilterCalcEditHelper::GetSupportedFilterOperators(TcxCustomEditProperties*,
                                                                               const IcxFilterValueType*,
                                                                               bool AExtendedSet) const {
  return cxOrderedValueFilterOperators(AExtendedSet);
}

void TcxFilterCalcEditHelper::InitializeProperties(TcxCustomEditProperties* AProperties,
                                                   TcxCustomEditProperties* AEditProperties, bool AHasButtons) const {
  TcxFilterMaskEditHelper::InitializeProperties(AProperties, AEditProperties, AHasButtons);
  if (auto* properties = dynamic_cast<TcxCustomCalcEditProperties*>(AProperties)) properties->SetQuickClose(true);
}

// ---------------------------------------------------------------- unit

const TUnitEntry cxCalcEditUnit{L"cxCalcEdit",
                                [] {
                                  cxEditPropertiesRegistry()->Register(
                                      TcxCalcEditProperties::StaticClass(),
                                      dxTranslatedResString(scxSEditRepositoryCalcItem));
                                  cxFilterEditsRegistry()->Register(TcxCalcEditProperties::StaticClass(),
                                                                    TcxFilterCalcEditHelper::Instance());
                                },
                                [] {
                                  cxFilterEditsRegistry()->Unregister(TcxCalcEditProperties::StaticClass(),
                                                                      TcxFilterCalcEditHelper::Instance());
                                  cxEditPropertiesRegistry()->Unregister(TcxCalcEditProperties::StaticClass());
                                }};
