#pragma once
// An editor that shows its value as a text a person types, as the text
// editors do, with properties that validate: enough of an editor to drive
// validation, posting and painting on a real form.
#include "components/editors/cxEdit.h"

class TValidatingProperties : public TcxCustomEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TValidatingProperties, TcxCustomEditProperties)
public:
  using TcxCustomEditProperties::TcxCustomEditProperties;
  bool CanCompareEditValue() override { return true; }
  bool IsResetEditClass() override { return true; }
  bool SupportsValidation() override { return true; }
};

// A binding to a store that takes the posted value or refuses it.
class TValidatingBinding : public TcxEditDataBinding {
public:
  using TcxEditDataBinding::TcxEditDataBinding;
  static inline bool Refuse = false;

protected:
  void WriteStoredValue(const Variant&) override {
    if (Refuse) throw Exception(L"The value cannot be stored");
  }
};

class TValidatingEdit : public TcxCustomEdit {
public:
  using TcxCustomEdit::TcxCustomEdit;
  int Beeps = 0;

  const String& Text() const { return FText; }
  // What a person's typing does: the text changes and the edit hears it.
  void Type(const String& AText) {
    FText = AText;
    HandleTextChange();
  }

protected:
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TValidatingProperties>();
  }
  TcxEditDataBindingClass GetDataBindingClass() const override {
    return TcxEditDataBindingClass::Of<TValidatingBinding>();
  }
  String GetCurrentDisplayText() override { return FText; }
  void SetInternalDisplayValue(const Variant& Value) override { FText = VarToStr(Value); }
  void SynchronizeDisplayValue() override { FText = VarToStr(EditValue()); }
  void StoreDisplayValue(const Variant& Value) override { StoreEditValue(Value, true); }
  void Beep() override { ++Beeps; }

private:
  String FText;
};
