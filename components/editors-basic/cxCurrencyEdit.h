#pragma once
// The currency edit: a text editor for a money amount held as a Double,
// shown with the locale's currency format unfocused and as a plain number
// while typed; typing keeps the text a number with at most DecimalPlaces
// fraction digits.
#include "components/editors/cxFilterControlUtils.h"
#include "components/editors/cxTextEdit.h"

// The amount a text holds: thousand separators dropped, parsed with the
// locale's settings. Text that is no amount (or out of the Double range)
// gives 0, and true only when the text is empty.
bool cxTryTextToCurrencyValue(const String& AText, double& AValue);

class TcxCustomCurrencyEditProperties;

// Which of the text settings and DecimalPlaces the properties hold.
class TcxCurrencyEditPropertiesValues : public TcxTextEditPropertiesValues {
  VCL_CLASS(TcxCurrencyEditPropertiesValues, TcxTextEditPropertiesValues)
public:
  explicit TcxCurrencyEditPropertiesValues(TcxCustomEditProperties* AOwner) : TcxTextEditPropertiesValues(AOwner) {}
  void Assign(TPersistent* Source) override;
  void RestoreDefaults() override;

  bool DecimalPlaces() const { return FDecimalPlaces; }
  void SetDecimalPlaces(bool Value);

private:
  bool FDecimalPlaces = false;
};

class TcxCustomCurrencyEditProperties : public TcxCustomTextEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxCustomCurrencyEditProperties, TcxCustomTextEditProperties)
public:
  explicit TcxCustomCurrencyEditProperties(TPersistent* AOwner);

  // The assigned value, else the locale's currency decimals.
  int DecimalPlaces();
  void SetDecimalPlaces(int Value);
  bool Nullable() const { return FNullable; }
  void SetNullable(bool Value);
  bool UseThousandSeparator() const { return FUseThousandSeparator; }
  void SetUseThousandSeparator(bool Value);
  TcxCurrencyEditPropertiesValues* AssignedValues() {
    return static_cast<TcxCurrencyEditPropertiesValues*>(TcxCustomEditProperties::AssignedValues());
  }

  bool IsNumericValueEditor() override { return true; }
  bool UsesDigitGrouping() override { return FUseThousandSeparator && !FDisplayValueSynchronizing; }
  String BuiltInDisplayFormat() override;
  TcxEditDisplayFormatOptions DisplayFormatOptions() override { return {dfoSupports, dfoNoCurrencyValue}; }
  TcxEditSupportedOperations GetSupportedOperations() override;
  bool GetEditValueSource(bool AEditFocused) override;
  // Focused and without an edit format, the text must hold an amount (the
  // trimmed text is kept).
  bool IsDisplayValueValid(Variant& ADisplayValue, bool AEditFocused) override;
  void ValidateDisplayValue(Variant& ADisplayValue, String& AErrorText, bool& AError, TcxCustomEdit* AEdit) override;
  // An edit format in force.
  bool HasEditFormat();

  TcxCustomEditClass GetContainerClass() const override;
  TcxEditPropertiesValuesClass AssignedValuesClass() const override {
    return TcxEditPropertiesValuesClass::Of<TcxCurrencyEditPropertiesValues>();
  }

protected:
  friend class TcxCustomCurrencyEdit;
  void AssignSettings(TcxCustomEditProperties* Source) override;
  void DoPrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue, bool AEditFocused) override;

private:
  int FDecimalPlaces = 0;
  bool FNullable = true;
  bool FUseThousandSeparator = false;
  // The edit shows its value again: the text goes in without groups.
  bool FDisplayValueSynchronizing = false;
};

class TcxCurrencyEditProperties : public TcxCustomCurrencyEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxCurrencyEditProperties, TcxCustomCurrencyEditProperties)
public:
  using TcxCustomCurrencyEditProperties::TcxCustomCurrencyEditProperties;
};

class TcxCustomCurrencyEdit : public TcxCustomTextEdit {
  VCL_COMPONENT_CLASS(TcxCustomCurrencyEdit, TcxCustomTextEdit)
public:
  explicit TcxCustomCurrencyEdit(TComponent* AOwner) : TcxCustomCurrencyEdit(AOwner, false) {}
  TcxCustomCurrencyEdit(TComponent* AOwner, bool AIsInplace);

  TcxCustomCurrencyEditProperties* ActiveProperties() {
    return static_cast<TcxCustomCurrencyEditProperties*>(TcxCustomEdit::ActiveProperties());
  }
  TcxCustomCurrencyEditProperties* Properties() {
    return static_cast<TcxCustomCurrencyEditProperties*>(InternalProperties());
  }
  // The amount typed (while editing) or held; 0 for none.
  double Value();
  // Kept inside the bounds in force.
  void SetValue(double AValue);
  void PasteFromClipboard() override;

protected:
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxCustomCurrencyEditProperties>();
  }
  Variant GetTypedEditValue() override;
  void PrepareEditValue(const Variant& ADisplayValue, Variant& AEditValue, bool AEditFocused) override;
  bool IsValidChar(wchar_t AChar) override;
  void HandleEditKeyPress(wchar_t& Key) override;
  void HandlePropertiesChanged(TObject* Sender) override;
  void SynchronizeDisplayValue() override;

private:
  // At most DecimalPlaces digits after the decimal separator (up to an
  // exponent), and an amount.
  bool FitsDecimalPlaces(const String& AText);
  // A value outside the bounds in force goes to the nearer bound.
  void ClampToBounds();
};

class TcxCurrencyEdit : public TcxCustomCurrencyEdit {
  VCL_COMPONENT_CLASS(TcxCurrencyEdit, TcxCustomCurrencyEdit)
public:
  explicit TcxCurrencyEdit(TComponent* AOwner) : TcxCurrencyEdit(AOwner, false) {}
  TcxCurrencyEdit(TComponent* AOwner, bool AIsInplace) : TcxCustomCurrencyEdit(AOwner, AIsInplace) {
    InitializeTextEdit();
  }
  TcxCurrencyEditProperties* Properties() {
    return static_cast<TcxCurrencyEditProperties*>(InternalProperties());
  }
  TcxCurrencyEditProperties* ActiveProperties() {
    return static_cast<TcxCurrencyEditProperties*>(TcxCustomEdit::ActiveProperties());
  }

protected:
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxCurrencyEditProperties>();
  }
};

// A filter row's currency editor: no bounds, nullable, no null text.
class TcxFilterCurrencyEditHelper : public TcxFilterTextEditHelper {
  VCL_CLASS(TcxFilterCurrencyEditHelper, TcxFilterTextEditHelper)
public:
  static const TcxFilterCurrencyEditHelper* Instance();
  TcxCustomEditClass GetFilterEditClass() const override;
  TcxFilterControlOperators GetSupportedFilterOperators(TcxCustomEditProperties* AProperties,
                                                        const IcxFilterValueType* AValueType,
                                                        bool AExtendedSet = false) const override;
  void InitializeProperties(TcxCustomEditProperties* AProperties, TcxCustomEditProperties* AEditProperties,
                            bool AHasButtons) const override;
};

extern const TUnitEntry cxCurrencyEditUnit;
