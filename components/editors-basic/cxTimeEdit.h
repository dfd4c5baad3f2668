#pragma once
// The time edit: a spin edit that shows a time of day through a fixed
// mask, "hh:nn:ss", "hh:nn" or "hh", in 24-hour form or in 12-hour form
// with the locale's AM/PM suffix. A step moves the part under the caret
// (hours, minutes, seconds, or AM/PM); a typed digit is checked against the
// range of its part. The edit value is a date-time whose date is kept from
// the last stored value.
#include "components/editors-basic/cxSpinEdit.h"

enum class TcxTimeEditTimeFormat { tfHourMinSec, tfHourMin, tfHour };
using enum TcxTimeEditTimeFormat;

// A part of the text: Kind 0 hour, 1 minute, 2 second, 3 the AM/PM suffix;
// Start is the 1-based first character.
struct TcxTimeEditTextZone {
  int Kind = 0;
  int Start = 1;
  int Length = 2;
  TcxTimeSuffixKind SuffixKind = tskAMPMString;
  bool Use24HourFormat = true;
};

// The display format (AEditMask false) or the mask of a time format.
String cxTimeEditFormat(TcxTimeEditTimeFormat AFormat, bool AUse24HourFormat, bool AEditMask);
// The 12-hour masks again, their suffix from the locale's PM designator.
void cxRebuildTimeEditMasks();
// The suffix strings of a kind: "A"/"P", "AM"/"PM" or the locale's.
void cxTimeSuffixStrings(TcxTimeSuffixKind AKind, String& AAM, String& APM);
// A character typed at the 1-based position APos of AText, inside AZone:
// false refuses it; else AText is the new text and ACaret the 0-based
// position the caret goes to.
bool cxValidateTimeEditChar(String& AText, Char ACh, int APos, const TcxTimeEditTextZone& AZone, int& ACaret);

class TcxCustomTimeEditProperties : public TcxCustomSpinEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxCustomTimeEditProperties, TcxCustomSpinEditProperties)
public:
  explicit TcxCustomTimeEditProperties(TPersistent* AOwner);

  bool AutoCorrectHours() const { return FAutoCorrectHours; }
  void SetAutoCorrectHours(bool Value) { FAutoCorrectHours = Value; }
  bool ShowDate() const { return FShowDate; }
  void SetShowDate(bool Value);
  TcxTimeEditTimeFormat TimeFormat() const { return FTimeFormat; }
  void SetTimeFormat(TcxTimeEditTimeFormat Value);
  bool Use24HourFormat() const { return FUse24HourFormat; }
  void SetUse24HourFormat(bool Value);
  bool UseTimeFormatWhenUnfocused() const { return FUseTimeFormatWhenUnfocused; }
  void SetUseTimeFormatWhenUnfocused(bool Value);

  // The part of the text at the 1-based position.
  virtual void GetTextZone(int APosition, TcxTimeEditTextZone& AZone);
  virtual int GetTextZoneLength(int AKind) { return 2; }
  virtual int GetTextZoneStart(int AKind);
  virtual TcxTimeSuffixKind GetTextSuffixKind() { return tskAMPMString; }
  // The text of a date-time: the time format focused; unfocused the same
  // or, as set, the system's date-time or time form.
  String FormatTimeText(TDateTime AValue, bool AFocused);
  // The display format of the current settings.
  String TimeDisplayFormat() { return cxTimeEditFormat(FTimeFormat, FUse24HourFormat, false); }

  TcxEditDisplayFormatOptions DisplayFormatOptions() override { return {dfoSupports, dfoNoCurrencyValue}; }
  bool IsEditValueValid(Variant& EditValue, bool AEditFocused) override;
  bool IsDisplayValueValid(Variant& ADisplayValue, bool AEditFocused) override;
  void ValidateDisplayValue(Variant& ADisplayValue, String& AErrorText, bool& AError, TcxCustomEdit* AEdit) override;
  Variant EmptyFocusedDisplayValue() override;
  bool IsNumericValueEditor() override { return false; }
  TcxMaskEditModeClass ModeClassForKind(TcxEditMaskKind AKind) override;
  bool SpinsToBound() override { return false; }
  bool IsDisplayTextNumeric() override { return false; }
  Variant NormalizeValue(const Variant&, bool) override { return Variant(0); }
  bool KeepsSelectionOnSpin() override { return true; }
  TcxCustomEditClass GetContainerClass() const override;

protected:
  void AssignSettings(TcxCustomEditProperties* Source) override;
  void NotifyFormatsChanged() override;
  void DoPrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue, bool AEditFocused) override;

private:
  friend class TcxTimeEditFormatListener;
  void ApplyTimeMask();

  bool FAutoCorrectHours = true;
  bool FShowDate = false;
  TcxTimeEditTimeFormat FTimeFormat = tfHourMinSec;
  bool FUse24HourFormat = true;
  bool FUseTimeFormatWhenUnfocused = true;
};

class TcxTimeEditProperties : public TcxCustomTimeEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxTimeEditProperties, TcxCustomTimeEditProperties)
public:
  using TcxCustomTimeEditProperties::TcxCustomTimeEditProperties;
};

// The standard mask with the time rules: empty digits show as zeros, and
// a typed character goes through the rule of its part of the text.
class TcxTimeEditMaskMode : public TcxMaskEditStandardMode {
  VCL_CLASS(TcxTimeEditMaskMode, TcxMaskEditStandardMode)
public:
  using TcxMaskEditStandardMode::TcxMaskEditStandardMode;
  Char GetBlank(int APos) override;
  bool PressSymbol(Char& ASymbol) override;

private:
  TcxCustomTimeEditProperties* TimeProperties() const;
};

class TcxCustomTimeEdit : public TcxCustomSpinEdit {
  VCL_COMPONENT_CLASS(TcxCustomTimeEdit, TcxCustomSpinEdit)
public:
  explicit TcxCustomTimeEdit(TComponent* AOwner) : TcxCustomTimeEdit(AOwner, false) {}
  TcxCustomTimeEdit(TComponent* AOwner, bool AIsInplace);

  TcxCustomTimeEditProperties* ActiveProperties() {
    return static_cast<TcxCustomTimeEditProperties*>(TcxCustomEdit::ActiveProperties());
  }
  TcxCustomTimeEditProperties* Properties() {
    return static_cast<TcxCustomTimeEditProperties*>(InternalProperties());
  }
  // The time of day of the value (or, focused, of the text); 0 for none.
  TDateTime Time();
  // Keeps the stored date.
  void SetTime(TDateTime AValue);
  // Seconds since midnight, read from the text.
  Variant Value() override;
  void SetValue(const Variant& AValue) override;
  bool Increment(TcxSpinEditButton AButton) override;
  // The part of the text under the caret.
  TcxTimeEditTextZone CaretZone();
  TDateTime SavedDate() const { return FSavedDate; }

protected:
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxCustomTimeEditProperties>();
  }
  double ButtonIncrement(TcxSpinEditButton AButton) override;
  String ValueToDisplayText(const Variant& AValue) override;
  Variant GetTypedEditValue() override;
  Variant GetClearValue() override { return VarFromDateTime(FSavedDate); }
  void PrepareEditValue(const Variant& ADisplayValue, Variant& AEditValue, bool AEditFocused) override;
  void StoreEditValue(const Variant& Value, bool AFlag) override;
  void WriteDisplayValue(const Variant& ADisplayValue) override;
  bool IsValidChar(wchar_t) override { return true; }
  void HandlePropertiesChanged(TObject* Sender) override;

private:
  TDateTime FSavedDate = 0;
};

class TcxTimeEdit : public TcxCustomTimeEdit {
  VCL_COMPONENT_CLASS(TcxTimeEdit, TcxCustomTimeEdit)
public:
  explicit TcxTimeEdit(TComponent* AOwner) : TcxTimeEdit(AOwner, false) {}
  TcxTimeEdit(TComponent* AOwner, bool AIsInplace) : TcxCustomTimeEdit(AOwner, AIsInplace) { InitializeSpinEdit(); }
  TcxTimeEditProperties* Properties() { return static_cast<TcxTimeEditProperties*>(InternalProperties()); }
  TcxTimeEditProperties* ActiveProperties() {
    return static_cast<TcxTimeEditProperties*>(TcxCustomEdit::ActiveProperties());
  }

protected:
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxTimeEditProperties>();
  }
};

// A filter row's time editor, starting at midnight.
class TcxFilterTimeEditHelper : public TcxFilterSpinEditHelper {
  VCL_CLASS(TcxFilterTimeEditHelper, TcxFilterSpinEditHelper)
public:
  static const TcxFilterTimeEditHelper* Instance();
  TcxCustomEditClass GetFilterEditClass() const override;
  void InitializeFilterEdit(TcxCustomEdit* AEdit, TcxCustomEditProperties* AEditProperties) const override;
};

extern const TUnitEntry cxTimeEditUnit;
