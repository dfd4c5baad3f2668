#pragma once
// The spin edit: a masked text editor whose value is a number (an Int64 or
// a Double) typed or stepped by its spin buttons, the arrow and page keys
// and the mouse wheel. A step adds a signed increment and keeps the result
// inside MinValue..MaxValue: it stops at the bound, wraps around
// (Circular) or is refused.
#include <memory>

#include "components/core/cxClasses.h"
#include "components/editors/cxMaskEdit.h"

enum class TcxSpinEditButtonsPosition { sbpHorzLeftRight, sbpHorzRight, sbpVert };
using enum TcxSpinEditButtonsPosition;
// Also the index of the spin button in the edit's buttons.
enum class TcxSpinEditButton { sebBackward, sebForward, sebFastBackward, sebFastForward };
using enum TcxSpinEditButton;
// Button i pressed is the state i + 1.
enum class TcxSpinEditPressedState { epsNone, epsDown, epsUp, epsFastDown, epsFastUp };
using enum TcxSpinEditPressedState;
enum class TcxSpinEditValueType { vtInt, vtFloat };
using enum TcxSpinEditValueType;

// For a text that does not convert: the handler may give the value and
// clear Error, or set the message.
using TcxSpinEditGetValueEvent =
    std::function<void(TObject* Sender, const String& AText, Variant& AValue, String& ErrorText, bool& Error)>;

class TcxCustomSpinEditProperties;

// Where the spin buttons stand and whether the fast ones show.
class TcxSpinEditButtons : public TPersistent {
  VCL_CLASS(TcxSpinEditButtons, TPersistent)
public:
  explicit TcxSpinEditButtons(TcxCustomSpinEditProperties* AOwner) : FOwner(AOwner) {}
  void Assign(TPersistent* Source) override;

  TcxSpinEditButtonsPosition Position() const { return FPosition; }
  void SetPosition(TcxSpinEditButtonsPosition Value);
  bool ShowFastButtons() const { return FShowFastButtons; }
  void SetShowFastButtons(bool Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);

protected:
  TPersistent* GetOwner() const override;

private:
  template <class T>
  void SetValue(T& AField, T AValue);
  TcxCustomSpinEditProperties* FOwner;
  TcxSpinEditButtonsPosition FPosition = sbpVert;
  bool FShowFastButtons = false;
  bool FVisible = true;
};

// The text settings, and whether ValueType is assigned.
class TcxSpinEditPropertiesValues : public TcxTextEditPropertiesValues {
  VCL_CLASS(TcxSpinEditPropertiesValues, TcxTextEditPropertiesValues)
public:
  explicit TcxSpinEditPropertiesValues(TcxCustomEditProperties* AOwner) : TcxTextEditPropertiesValues(AOwner) {}
  void Assign(TPersistent* Source) override;
  void RestoreDefaults() override;
  bool ValueType() const { return FValueType; }
  void SetValueType(bool Value);

private:
  bool FValueType = false;
};

class TcxCustomSpinEditProperties : public TcxCustomMaskEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxCustomSpinEditProperties, TcxCustomMaskEditProperties)
public:
  explicit TcxCustomSpinEditProperties(TPersistent* AOwner);
  ~TcxCustomSpinEditProperties() override;

  // ---------------------------------------------------------------- settings
  bool CanEdit() const { return FCanEdit; }
  void SetCanEdit(bool Value) { FCanEdit = Value; }
  bool Circular() const { return FCircular; }
  void SetCircular(bool Value);
  bool ExceptionOnInvalidInput() const { return FExceptionOnInvalidInput; }
  void SetExceptionOnInvalidInput(bool Value) { FExceptionOnInvalidInput = Value; }
  double Increment() const { return FIncrement; }
  void SetIncrement(double Value) { FIncrement = Value; }
  double LargeIncrement() const { return FLargeIncrement; }
  void SetLargeIncrement(double Value) { FLargeIncrement = Value; }
  TcxSpinEditButtons* SpinButtons() const { return FSpinButtons.get(); }
  void SetSpinButtons(TcxSpinEditButtons* Value) { FSpinButtons->Assign(Value); }
  bool UseCtrlIncrement() const { return FUseCtrlIncrement; }
  void SetUseCtrlIncrement(bool Value) { FUseCtrlIncrement = Value; }
  // The assigned type; else the data's (float for float data), else vtInt.
  TcxSpinEditValueType ValueType();
  void SetValueType(TcxSpinEditValueType Value);
  TcxSpinEditPropertiesValues* AssignedValues() {
    return static_cast<TcxSpinEditPropertiesValues*>(TcxCustomEditProperties::AssignedValues());
  }

  TcxSpinEditGetValueEvent OnGetValue;

  // ---------------------------------------------------------------- numbers
  // ±Increment, ±LargeIncrement by button.
  double GetIncrement(TcxSpinEditButton AButton);
  // An Int64 (rounded, ties to even, kept inside the Int64 range) or a Double.
  Variant ConvertToValueType(const Variant& AValue);
  // Only numeric values are converted.
  Variant CoerceNumeric(const Variant& AValue);
  // The whole text as a number of the value type; false when it is none.
  bool ParseValueText(const String& AText, Variant& AValue);
  // The text as it is, or with UseDisplayFormatWhenEditing without the
  // display format's decorations.
  virtual bool TryConvertText(const String& AText, Variant& AValue);
  String StripDisplayFormatChars(const String& AText);
  // A numeric value below / above a bound in force becomes that bound.
  virtual Variant BoundedValue(const Variant& AValue);
  virtual bool SpinsToBound() { return true; }
  // 2 circular, 1 to the bound, 0 neither.
  virtual int SpinLimitMode();
  virtual Variant UpperSpinBound();
  virtual Variant LowerSpinBound();
  virtual bool IsDisplayTextNumeric() { return true; }
  virtual Variant NormalizeValue(const Variant& AValue, bool AFocused);
  virtual bool KeepsSelectionOnSpin() { return false; }

  // ---------------------------------------------------------------- editor answers
  bool IsNumericValueEditor() override { return true; }
  Variant EmptyFocusedDisplayValue() override;
  bool IsEditValueValid(Variant& EditValue, bool AEditFocused) override;
  bool IsDisplayValueValid(Variant& ADisplayValue, bool AEditFocused) override;
  void ValidateDisplayValue(Variant& ADisplayValue, String& AErrorText, bool& AError, TcxCustomEdit* AEdit) override;
  bool GetEditValueSource(bool AEditFocused) override;
  void DefineProperties(TFiler* Filer) override;

  TcxEditViewInfoClass GetViewInfoClass() const override;
  TcxEditViewDataClass ViewDataClass() const override;
  TcxCustomEditClass GetContainerClass() const override;
  TcxEditPropertiesValuesClass AssignedValuesClass() const override {
    return TcxEditPropertiesValuesClass::Of<TcxSpinEditPropertiesValues>();
  }

protected:
  void AssignSettings(TcxCustomEditProperties* Source) override;
  void NotifyPropertiesChanged() override;

private:
  // The value type's smallest (AUpper false) or largest value.
  Variant ValueTypeLimit(bool AUpper);
  // 2, 4 with the fast buttons, or none when hidden.
  void FitButtonCount();

  std::unique_ptr<TcxSpinEditButtons> FSpinButtons;
  bool FCanEdit = true;
  bool FCircular = false;
  double FIncrement = 1.0;
  double FLargeIncrement = 10.0;
  bool FExceptionOnInvalidInput = false;
  bool FUseCtrlIncrement = false;
  TcxSpinEditValueType FValueType = vtInt;
};

class TcxSpinEditProperties : public TcxCustomSpinEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxSpinEditProperties, TcxCustomSpinEditProperties)
public:
  using TcxCustomSpinEditProperties::TcxCustomSpinEditProperties;
};

// ---------------------------------------------------------------- the control

class TcxCustomSpinEdit : public TcxCustomMaskEdit {
  VCL_COMPONENT_CLASS(TcxCustomSpinEdit, TcxCustomMaskEdit)
public:
  explicit TcxCustomSpinEdit(TComponent* AOwner) : TcxCustomSpinEdit(AOwner, false) {}
  TcxCustomSpinEdit(TComponent* AOwner, bool AIsInplace);
  ~TcxCustomSpinEdit() override;

  TcxCustomSpinEditProperties* ActiveProperties() {
    return static_cast<TcxCustomSpinEditProperties*>(TcxCustomEdit::ActiveProperties());
  }
  TcxCustomSpinEditProperties* Properties() {
    return static_cast<TcxCustomSpinEditProperties*>(InternalProperties());
  }
  // Focused, the typed number (or the one last stepped to); else the edit
  // value; 0 kept inside the bounds for anything that is no number.
  virtual Variant Value();
  // Only a number the properties accept becomes the value.
  virtual void SetValue(const Variant& AValue);
  // One step by the button; true when the text changed.
  virtual bool Increment(TcxSpinEditButton AButton);
  TcxSpinEditPressedState PressedState() const { return FPressedState; }
  // The auto-repeat timer while a button is held; null otherwise.
  TcxTimer* SpinTimer() const { return FTimer.get(); }

  void CutToClipboard() override;
  void PasteFromClipboard() override;
  void ClearSelection() override;

protected:
  friend class TcxSpinEditViewData;
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxCustomSpinEditProperties>();
  }
  virtual bool CalculateSpinValue(TcxSpinEditButton AButton, Variant& AValue);
  virtual bool AddIncrementInRange(Variant& AValue, double AIncrement);
  virtual double ButtonIncrement(TcxSpinEditButton AButton);
  virtual String ValueToDisplayText(const Variant& AValue);
  // The published classes' second stage: the inner edit, and the value 0.
  void InitializeSpinEdit();
  // The typed text as a number: ARaise lets a handler's or an invalid
  // input's exception out; false with the reason in AErrorText.
  bool ConvertDisplayValue(const Variant& ADisplayValue, bool ARaise, String& AErrorText, Variant& AValue);

  Variant GetTypedEditValue() override { return Value(); }
  void WriteEditValue(const Variant& AValue) override;
  void SynchronizeDisplayValue() override;
  void PrepareEditValue(const Variant& ADisplayValue, Variant& AEditValue, bool AEditFocused) override;
  void HandleTextChange() override;
  void HandlePropertiesChanged(TObject* Sender) override;
  bool ValidateEditByOptions(bool AForce) override;
  bool IsValidChar(wchar_t AChar) override;
  void HandleEditKeyDown(uint16_t& Key, TShiftState Shift) override;
  void HandleEditKeyPress(wchar_t& Key) override;
  void KeyUp(uint16_t& Key, TShiftState Shift) override;
  void NotifyButtonDown(int AButtonVisibleIndex) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, const TPoint& MousePos) override;
  void DoExit() override;
  void FillViewDataState(TcxCustomEditViewData* AViewData) override;

  // A value outside the spin bounds goes to the nearer bound.
  void ClampToBounds();
  void StopSpinning();
  void SetPressedState(TcxSpinEditPressedState Value);
  // The user's text action under way: typing, cut, paste or clearing.
  void MarkCustomTextAction() { FIsCustomTextAction = true; }
  const Variant& InternalValue() const { return FInternalValue; }

private:
  friend class TcxCustomSpinEditProperties;
  void StartSpinTimer();
  void SpinTimerTick(TObject* Sender);
  bool IsSpinKey(uint16_t Key, TShiftState Shift);
  // Runs AWork as a user text action when the edit may take one.
  template <class F>
  void AsCustomTextAction(F AWork);

  Variant FInternalValue = Variant(0LL);
  bool FIsCustomText = false;
  bool FIsCustomTextAction = false;
  TcxSpinEditPressedState FPressedState = epsNone;
  std::unique_ptr<TcxTimer> FTimer;
};

class TcxSpinEdit : public TcxCustomSpinEdit {
  VCL_COMPONENT_CLASS(TcxSpinEdit, TcxCustomSpinEdit)
public:
  explicit TcxSpinEdit(TComponent* AOwner) : TcxSpinEdit(AOwner, false) {}
  TcxSpinEdit(TComponent* AOwner, bool AIsInplace) : TcxCustomSpinEdit(AOwner, AIsInplace) { InitializeSpinEdit(); }
  TcxSpinEditProperties* Properties() { return static_cast<TcxSpinEditProperties*>(InternalProperties()); }
  TcxSpinEditProperties* ActiveProperties() {
    return static_cast<TcxSpinEditProperties*>(TcxCustomEdit::ActiveProperties());
  }

protected:
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxSpinEditProperties>();
  }
};

// ---------------------------------------------------------------- view data and view info

// Lays the spin buttons out: stacked or side by side, the fast buttons
// beside them, themed with the spin parts in the native look.
class TcxSpinEditViewData : public TcxCustomTextEditViewData {
  VCL_CLASS(TcxSpinEditViewData, TcxCustomTextEditViewData)
public:
  using TcxCustomTextEditViewData::TcxCustomTextEditViewData;
  TcxCustomSpinEditProperties* Properties() const {
    return static_cast<TcxCustomSpinEditProperties*>(TcxCustomEditViewData::Properties());
  }
  TcxSpinEditPressedState PressedState = epsNone;

protected:
  virtual void CalculateSpinButtonsBounds(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo, TRect& AButtonsRect);
  void CalculateButtonViewInfo(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo, int AButtonVisibleIndex,
                               TRect& AButtonsRect) override;
  void DoCalculateButtonViewInfos(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo, TRect& AButtonsRect) override;
  void CheckButtonsOnly(TcxCustomEditViewInfo* AViewInfo, int APrevButtonsWidth, int AButtonsWidth) override;
  bool IgnoreButtonWhileStretching(int AButtonVisibleIndex) override;
  bool IsButtonLeftAligned(TcxCustomEditViewInfo* AViewInfo, int AButtonVisibleIndex) override;
  bool IsButtonHeldDown(TcxCustomEditViewInfo* AViewInfo, int AButtonVisibleIndex) override;
  HTHEME ButtonThemeHandle(TcxEditButtonViewInfo* AButtonViewInfo) override;
  void ComputeButtonThemePart(HTHEME ATheme, TcxEditButtonViewInfo* AButtonViewInfo) override;

private:
  bool UsesSpinTheme(TcxCustomEditViewInfo* AViewInfo);
};

class TcxSpinEditViewInfo : public TcxCustomTextEditViewInfo {
  VCL_CREATABLE_CLASS(TcxSpinEditViewInfo, TcxCustomTextEditViewInfo)
public:
  int ArrowSize = 0;
  TcxSpinEditButtonsPosition ButtonsPosition = sbpVert;
  // The line between two themed spin buttons; equal points for none.
  TPoint DelimiterLine[2];

protected:
  void InternalPaint(TcxCanvas* ACanvas) override;
  void PaintThemedButtonFrame(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo, TColor& ABrushColor,
                              TColor& APenColor, TRect& AContentRect, TRect& ARect) override;
  void PaintThemedButtonBackground(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo,
                                   const TRect& ARect) override;
  void DrawButtonContent(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo, bool ANeedOffsetContent,
                         TColor ABrushColor, TColor APenColor, const TRect& AContentRect) override;
};

// A filter row's spin editor: the spin buttons and typing allowed.
class TcxFilterSpinEditHelper : public TcxFilterMaskEditHelper {
  VCL_CLASS(TcxFilterSpinEditHelper, TcxFilterMaskEditHelper)
public:
  static const TcxFilterSpinEditHelper* Instance();
  TcxCustomEditClass GetFilterEditClass() const override;
  TcxFilterControlOperators GetSupportedFilterOperators(TcxCustomEditProperties* AProperties,
                                                        const IcxFilterValueType* AValueType,
                                                        bool AExtendedSet = false) const override;
  void InitializeProperties(TcxCustomEditProperties* AProperties, TcxCustomEditProperties* AEditProperties,
                            bool AHasButtons) const override;
};

extern const TUnitEntry cxSpinEditUnit;
