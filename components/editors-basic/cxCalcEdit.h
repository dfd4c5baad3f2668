#pragma once
// The calc edit: a popup editor whose value is a Double, typed as a number
// or computed in the calculator of its popup, whose display is the edit's
// text. A result that is no number (the calculator's "Error") is never
// posted, and Escape gives back the text the popup opened with.
#include "components/editors-basic/cxCalc.h"
#include "components/editors/cxDropDownEdit.h"
#include "components/editors/cxFilterControlUtils.h"

class TcxCustomCalcEdit;

// The value a text holds: thousand separators dropped, a float within the
// Double range (a non-zero value below the smallest positive Double fails).
bool cxTryTextToCalcValue(const String& AText, double& AValue);
// An exponent-format mantissa without trailing zeros, then without a
// trailing decimal separator: "1.2500E+3" → "1.25E+3".
String cxTrimExponentMantissa(const String& AText);

// Which of the text settings and Precision the properties hold.
class TcxCalcEditPropertiesValues : public TcxTextEditPropertiesValues {
  VCL_CLASS(TcxCalcEditPropertiesValues, TcxTextEditPropertiesValues)
public:
  explicit TcxCalcEditPropertiesValues(TcxCustomEditProperties* AOwner) : TcxTextEditPropertiesValues(AOwner) {}
  void Assign(TPersistent* Source) override;
  void RestoreDefaults() override;

  bool Precision() const { return FPrecision; }
  void SetPrecision(bool Value);

private:
  bool FPrecision = false;
};

class TcxCustomCalcEditProperties : public TcxCustomPopupEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxCustomCalcEditProperties, TcxCustomPopupEditProperties)
public:
  explicit TcxCustomCalcEditProperties(TPersistent* AOwner);

  bool BeepOnError() const { return FBeepOnError; }
  void SetBeepOnError(bool Value) { SetCalcValue(FBeepOnError, Value); }
  // The assigned value, else the data's default precision, else 15; any
  // value above 15 reads as 15.
  uint8_t Precision();
  void SetPrecision(uint8_t Value);
  bool QuickClose() const { return FQuickClose; }
  void SetQuickClose(bool Value) { SetCalcValue(FQuickClose, Value); }
  bool ScientificFormat() const { return FScientificFormat; }
  void SetScientificFormat(bool Value) { SetCalcValue(FScientificFormat, Value); }
  bool UseThousandSeparator() const { return FUseThousandSeparator; }
  void SetUseThousandSeparator(bool Value) { SetCalcValue(FUseThousandSeparator, Value); }
  TcxCalcEditPropertiesValues* AssignedValues() {
    return static_cast<TcxCalcEditPropertiesValues*>(TcxCustomEditProperties::AssignedValues());
  }

  TcxCustomEditClass GetContainerClass() const override;
  TcxEditPropertiesValuesClass AssignedValuesClass() const override {
    return TcxEditPropertiesValuesClass::Of<TcxCalcEditPropertiesValues>();
  }
  bool PostsEditValueAlways() override { return true; }
  bool ClipPopupToDesktop() override { return false; }
  bool IsNumericValueEditor() override { return true; }
  bool UsesDigitGrouping() override { return FUseThousandSeparator && !FScientificFormat; }
  bool GetEditValueSource(bool AEditFocused) override;
  bool IsEditValueValid(Variant& EditValue, bool AEditFocused) override;
  bool IsDisplayValueValid(Variant& ADisplayValue, bool AEditFocused) override { return true; }
  // A text that is no number is refused with its reason (the value stays).
  void ValidateDisplayValue(Variant& ADisplayValue, String& AErrorText, bool& AError, TcxCustomEdit* AEdit) override;
  // The value a text gives: null for an empty or unconvertible text.
  Variant DisplayTextToValue(const String& AText);
  // The text of a value while editing: general or exponent format with
  // Precision digits, grouped when asked.
  String ValueToEditText(double AValue);

protected:
  void AssignSettings(TcxCustomEditProperties* Source) override;
  void DoPrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue, bool AEditFocused) override;

private:
  template <class T>
  void SetCalcValue(T& AField, const T& AValue) {
    if (AField == AValue) return;
    AField = AValue;
    Changed();
  }
  bool FBeepOnError = true;
  uint8_t FPrecision = 15;
  bool FQuickClose = false;
  bool FScientificFormat = false;
  bool FUseThousandSeparator = false;
};

class TcxCalcEditProperties : public TcxCustomCalcEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxCalcEditProperties, TcxCustomCalcEditProperties)
public:
  using TcxCustomCalcEditProperties::TcxCustomCalcEditProperties;
};

// The calculator of the calc edit's popup: its display is the edit's text.
class TcxPopupCalculator : public TcxCustomCalculator {
  VCL_COMPONENT_CLASS(TcxPopupCalculator, TcxCustomCalculator)
public:
  using TcxCustomCalculator::TcxCustomCalculator;
  TcxCustomCalcEdit* Edit() const { return FEdit; }
  void SetEdit(TcxCustomCalcEdit* AValue) { FEdit = AValue; }
  // Before each drop-down: no key is held.
  virtual void Init();
  virtual void HidePopup(TcxEditCloseUpReason AReason);
  TcxEditClosePopupEvent OnHidePopup;

protected:
  String GetDisplay() override;
  void SetDisplay(const String& AText) override;
  void LockDisplayChanges(bool ALock, bool AFireOnUnlock) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(wchar_t& Key) override;
  // A press does not take the focus: the popup window keeps it where it put it.
  bool CanFocusOnClick() override { return false; }

private:
  TcxCustomCalcEdit* FEdit = nullptr;
};

class TcxCustomCalcEdit : public TcxCustomPopupEdit {
  VCL_COMPONENT_CLASS(TcxCustomCalcEdit, TcxCustomPopupEdit)
public:
  explicit TcxCustomCalcEdit(TComponent* AOwner) : TcxCustomCalcEdit(AOwner, false) {}
  TcxCustomCalcEdit(TComponent* AOwner, bool AIsInplace);
  ~TcxCustomCalcEdit() override;

  TcxCustomCalcEditProperties* ActiveProperties() {
    return static_cast<TcxCustomCalcEditProperties*>(TcxCustomEdit::ActiveProperties());
  }
  TcxCustomCalcEditProperties* Properties() {
    return static_cast<TcxCustomCalcEditProperties*>(InternalProperties());
  }
  // 0 for a null or empty value.
  double Value();
  void SetValue(double AValue);
  TcxPopupCalculator* Calculator() const { return FCalculator.get(); }
  void PasteFromClipboard() override;

protected:
  friend class TcxPopupCalculator;
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxCustomCalcEditProperties>();
  }
  bool CanDropDown() override;
  void OpenPopup() override;
  void ConfigurePopupWindow() override;
  void PopupWindowShowed(TObject* Sender) override;
  void PopupWindowClosed(TObject* Sender) override;
  void HandlePropertiesChanged(TObject* Sender) override;
  void PrepareEditValue(const Variant& ADisplayValue, Variant& AEditValue, bool AEditFocused) override;
  Variant GetTypedEditValue() override;
  bool IsValidChar(wchar_t AChar) override;
  void HandleEditKeyPress(wchar_t& Key) override;

private:
  void CreateCalculator();

  std::unique_ptr<TcxPopupCalculator> FCalculator;
  // The text and modified state the popup opened with, given back on Escape.
  String FTextAtDropDown;
  bool FModifiedAtDropDown = false;
};

class TcxCalcEdit : public TcxCustomCalcEdit {
  VCL_COMPONENT_CLASS(TcxCalcEdit, TcxCustomCalcEdit)
public:
  explicit TcxCalcEdit(TComponent* AOwner) : TcxCalcEdit(AOwner, false) {}
  TcxCalcEdit(TComponent* AOwner, bool AIsInplace) : TcxCustomCalcEdit(AOwner, AIsInplace) {
    InitializeTextEdit();
    SetValue(0);
  }
  TcxCalcEditProperties* Properties() { return static_cast<TcxCalcEditProperties*>(InternalProperties()); }
  TcxCalcEditProperties* ActiveProperties() {
    return static_cast<TcxCalcEditProperties*>(TcxCustomEdit::ActiveProperties());
  }

protected:
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxCalcEditProperties>();
  }
};

// A filter row's calc editor: it closes on "=".
class TcxFilterCalcEditHelper : public TcxFilterMaskEditHelper {
  VCL_CLASS(TcxFilterCalcEditHelper, TcxFilterMaskEditHelper)
public:
  static const TcxFilterCalcEditHelper* Instance();
  TcxCustomEditClass GetFilterEditClass() const override;
  TcxFilterControlOperators GetSupportedFilterOperators(TcxCustomEditProperties* AProperties,
                                                        const IcxFilterValueType* AValueType,
                                                        bool AExtendedSet = false) const override;
  void InitializeProperties(TcxCustomEditProperties* AProperties, TcxCustomEditProperties* AEditProperties,
                            bool AHasButtons) const override;
};

extern const TUnitEntry cxCalcEditUnit;
