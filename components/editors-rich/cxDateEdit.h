#pragma once
// The date edit: a popup editor whose value is a date or a date and time
// (a date variant, or Null), typed as text or picked in the calendar of its
// popup. Text becomes a date through the smart input words, the locale's
// formats or an edit format; typed text that is no date is handled by
// DateOnError; the mask follows the input kind and the locale's formats.
#include "components/editors-rich/cxCalendar.h"
#include "components/editors/cxDropDownEdit.h"

enum class TDateOnError { deNoChange, deToday, deNull };
using enum TDateOnError;
// Free text, the standard mask, or a regular-expression mask that completes
// what is typed.
enum class TcxInputKind { ikStandard, ikMask, ikRegExpr };
using enum TcxInputKind;

// The time editor's format for a date-time format: seconds, minutes or
// hours shown, and 24-hour when the hour item reads "24...".
void cxCalendarTimeFormat(const TcxDateTimeFormatInfo& AFormatInfo, TcxTimeEditTimeFormat& AFormat,
                          bool& AUse24HourFormat);

class TcxCustomDateEdit;
class TcxCustomDateEditProperties;

// Which of the text settings, DateButtons and InputKind the properties
// hold; MinDate and MaxDate are the MinValue and MaxValue flags.
class TcxDateEditPropertiesValues : public TcxTextEditPropertiesValues {
  VCL_CLASS(TcxDateEditPropertiesValues, TcxTextEditPropertiesValues)
public:
  explicit TcxDateEditPropertiesValues(TcxCustomEditProperties* AOwner) : TcxTextEditPropertiesValues(AOwner) {}
  void Assign(TPersistent* Source) override;
  void RestoreDefaults() override;

  bool DateButtons() const { return FDateButtons; }
  void SetDateButtons(bool Value) { SetDateFlag(FDateButtons, Value); }
  bool InputKind() const { return FInputKind; }
  void SetInputKind(bool Value) { SetDateFlag(FInputKind, Value); }
  bool MaxDate() const { return MaxValue(); }
  void SetMaxDate(bool Value) { SetMaxValue(Value); }
  bool MinDate() const { return MinValue(); }
  void SetMinDate(bool Value) { SetMinValue(Value); }

private:
  void SetDateFlag(bool& AFlag, bool AValue);
  bool FDateButtons = false;
  bool FInputKind = false;
};

class TcxCustomDateEditProperties : public TcxCustomPopupEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxCustomDateEditProperties, TcxCustomPopupEditProperties)
public:
  explicit TcxCustomDateEditProperties(TPersistent* AOwner);

  // ---------------------------------------------------------------- settings
  bool Animation() const { return FAnimation; }
  void SetAnimation(bool Value) { SetDateValue(FAnimation, Value); }
  bool ArrowsForYear() const { return FArrowsForYear; }
  void SetArrowsForYear(bool Value) { SetDateValue(FArrowsForYear, Value); }
  // The assigned buttons, else those of the kind and view.
  TDateButtons DateButtons();
  void SetDateButtons(TDateButtons Value);
  TDateOnError DateOnError() const { return FDateOnError; }
  void SetDateOnError(TDateOnError Value) { SetDateValue(FDateOnError, Value); }
  // Free text in a locale whose calendar is not Gregorian; with an edit
  // format that gives a mask, the regular expression; else the assigned
  // kind, else the standard mask for dates with times and the regular
  // expression for dates.
  TcxInputKind InputKind();
  void SetInputKind(TcxInputKind Value);
  TcxCalendarKind Kind() const { return FKind; }
  void SetKind(TcxCalendarKind Value) { SetDateValue(FKind, Value); }
  // The value bounds; 0 is no bound.
  double MaxDate() { return MaxValue(); }
  void SetMaxDate(double Value) { SetMaxValue(Value); }
  double MinDate() { return MinValue(); }
  void SetMinDate(double Value) { SetMinValue(Value); }
  bool SaveTime() const { return FSaveTime; }
  void SetSaveTime(bool Value) { SetDateValue(FSaveTime, Value); }
  bool ShowOnlyValidDates() const { return FShowOnlyValidDates; }
  void SetShowOnlyValidDates(bool Value) { SetDateValue(FShowOnlyValidDates, Value); }
  bool ShowTime() const { return FShowTime; }
  void SetShowTime(bool Value) { SetDateValue(FShowTime, Value); }
  bool ShowToday() const { return FShowToday; }
  void SetShowToday(bool Value) { SetDateValue(FShowToday, Value); }
  TcxCalendarView View() const { return FView; }
  void SetView(TcxCalendarView Value) { SetDateValue(FView, Value); }
  bool WeekNumbers() const { return FWeekNumbers; }
  void SetWeekNumbers(bool Value) { SetDateValue(FWeekNumbers, Value); }
  bool YearsInMonthList() const { return FYearsInMonthList; }
  void SetYearsInMonthList(bool Value) { SetDateValue(FYearsInMonthList, Value); }
  TcxDateEditPropertiesValues* AssignedValues() {
    return static_cast<TcxDateEditPropertiesValues*>(TcxCustomEditProperties::AssignedValues());
  }

  // Relayed from the popup calendar with the properties' owner as Sender.
  TcxCalendarGetDayOfWeekStateEvent OnGetDayOfWeekState;
  TcxCalendarGetDayStateEvent OnGetDayState;

  // ---------------------------------------------------------------- texts and dates
  // The text of an empty edit: the mask's blanks and literals; focused, an
  // empty masked date-time edit shows its time as zeros.
  String GetEmptyEditText(bool AEditFocused);
  // The date a text gives, or what DateOnError makes of one that is none;
  // Null for the empty text and for no date.
  Variant TextToDate(const String& AText);
  // Whether a value's time part is shown.
  bool IsTimeShown(bool AEditFocused, TDateTime ADate);
  // What Delete leaves at a 1-based position of the standard mask: '0' in
  // the hours, minutes and seconds of a date-time mask, #0 in its AM/PM
  // suffix, a space elsewhere.
  virtual Char GetMaskBlank(int APos);
  // The time part of the controller's own standard date-time mask at a
  // 1-based position, for a masked date-time edit; false elsewhere.
  virtual bool GetTimeZoneInfo(int APos, TcxTimeEditTextZone& AZoneInfo);

  // ---------------------------------------------------------------- overrides
  TcxEditDisplayFormatOptions DisplayFormatOptions() override { return {dfoSupports, dfoNoCurrencyValue}; }
  TcxCustomEditClass GetContainerClass() const override;
  TcxEditPropertiesValuesClass AssignedValuesClass() const override {
    return TcxEditPropertiesValuesClass::Of<TcxDateEditPropertiesValues>();
  }
  // A string value must be a date; other values are judged when shown.
  bool IsEditValueValid(Variant& EditValue, bool AEditFocused) override;
  bool IsValueFormattedByProperties() override { return !DisplayFormat().empty(); }
  bool GetEditValueSource(bool AEditFocused) override { return ValueEditorEditValueSource(AEditFocused); }
  bool IsNullEditValue(const Variant& AEditValue) override;
  bool IsNumericValueEditor() override { return true; }
  bool IsValueBoundDefined(int ABound) override;
  bool HasValueBounds() override;
  bool IsDisplayValueValid(Variant& ADisplayValue, bool AEditFocused) override;
  TcxMaskEditModeClass ModeClassForKind(TcxEditMaskKind AKind) override;
  // The value is posted whenever the popup closes.
  bool PostsEditValueAlways() override { return true; }
  TcxCustomEditPopupWindowClass PopupWindowClass() const override;
  bool ClipPopupToDesktop() override { return false; }
  void ValidateDisplayValue(Variant& ADisplayValue, String& AErrorText, bool& AError, TcxCustomEdit* AEdit) override;

protected:
  friend class TcxCustomDateEdit;
  void AssignSettings(TcxCustomEditProperties* Source) override;
  void NotifyPropertiesChanged() override;
  void DoPrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue, bool AEditFocused) override;

private:
  template <class T>
  void SetDateValue(T& AField, const T& AValue) {
    if (AField == AValue) return;
    AField = AValue;
    Changed();
  }
  // The mask of the edit format, or of the input kind and calendar kind.
  void BuildEditMask();
  // The standard date-time mask in force is the format controller's own.
  bool IsOwnStandardDateTimeMask();
  // Parses AText (through the edit format when one is set); a text the
  // format cannot read is no date.
  bool ParseDate(const String& AText, TDateTime& ADate);
  // The date a failed text becomes under deToday.
  TDateTime TodayOfKind();
  // The text of a date as typed: the edit format, else the edit text of
  // the input kind.
  String FormattedEditText(TDateTime ADate);
  // The date part of the value checked, then the edit's saved time kept.
  void ApplyValidatedDate(TDateTime ADate, TcxCustomDateEdit* AEdit, Variant& ADisplayValue, String& AErrorText,
                          bool& AError);
  // An empty or no-date text: the saved time alone, or Null.
  void ApplyValidatedNull(TcxCustomDateEdit* AEdit, Variant& ADisplayValue);

  bool FAnimation = true;
  bool FArrowsForYear = true;
  TDateButtons FDateButtons;
  TDateOnError FDateOnError = deNoChange;
  TcxInputKind FInputKind = ikRegExpr;
  TcxCalendarKind FKind = ckDate;
  bool FSaveTime = true;
  bool FShowOnlyValidDates = false;
  bool FShowTime = true;
  bool FShowToday = true;
  TcxCalendarView FView = cavModern;
  bool FWeekNumbers = false;
  bool FYearsInMonthList = true;
};

class TcxDateEditProperties : public TcxCustomDateEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxDateEditProperties, TcxCustomDateEditProperties)
public:
  using TcxCustomDateEditProperties::TcxCustomDateEditProperties;
};

// The standard mask of a date edit: Delete leaves the properties' blank.
class TcxDateEditMaskStandardMode : public TcxMaskEditStandardMode {
  VCL_CLASS(TcxDateEditMaskStandardMode, TcxMaskEditStandardMode)
public:
  using TcxMaskEditStandardMode::TcxMaskEditStandardMode;
  Char GetBlank(int APos) override;
};

// The popup of a date edit: the closing keys reach the calendar whichever
// control of the popup has the focus.
class TcxDateEditPopupWindow : public TcxPopupEditPopupWindow {
  VCL_CLASS(TcxDateEditPopupWindow, TcxPopupEditPopupWindow)
public:
  explicit TcxDateEditPopupWindow(TWinControl* AOwnerControl);

protected:
  // Escape on a button or an unchanged time editor, Alt+Up, Alt+Down, F4.
  virtual bool IsCalendarKey(uint16_t Key, TShiftState Shift);
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
};

// ---------------------------------------------------------------- the control

class TcxCustomDateEdit : public TcxCustomPopupEdit {
  VCL_COMPONENT_CLASS(TcxCustomDateEdit, TcxCustomPopupEdit)
public:
  explicit TcxCustomDateEdit(TComponent* AOwner) : TcxCustomDateEdit(AOwner, false) {}
  TcxCustomDateEdit(TComponent* AOwner, bool AIsInplace);
  ~TcxCustomDateEdit() override;

  TcxCustomDateEditProperties* ActiveProperties() {
    return static_cast<TcxCustomDateEditProperties*>(TcxCustomEdit::ActiveProperties());
  }
  TcxCustomDateEditProperties* Properties() {
    return static_cast<TcxCustomDateEditProperties*>(InternalProperties());
  }
  // The value as a date; the null date for none.
  TDateTime Date() { return GetDate(); }
  virtual TDateTime GetDate();
  // The null date is Null; a date-only value keeps the saved time (away
  // from day zero) when SaveTime asks.
  virtual void SetDate(TDateTime Value);
  // The date typed while the edit is being changed, else Date.
  TDateTime CurrentDate();
  // The time part kept for a date-only value.
  TDateTime SavedTime() const { return FSavedTime; }
  // The calendar of the popup, made on the first drop-down.
  TcxPopupCalendar* Calendar() const { return FCalendar.get(); }

protected:
  friend class TcxCustomDateEditProperties;
  friend class TcxPopupCalendar;
  virtual void CreateCalendar();
  // The person committed a date in the calendar.
  virtual void CalendarDateTimeChanged(TObject* Sender);
  virtual TcxClassFactory<TcxPopupCalendar, TComponent*> GetCalendarClass() const {
    return TcxClassFactory<TcxPopupCalendar, TComponent*>::Of<TcxPopupCalendar>();
  }
  // The text a date picked in the calendar is shown with.
  virtual void DateToEditText(TDateTime ADate, Variant& AText);
  void OpenPopup() override;
  void ConfigurePopupWindow() override;
  void PopupWindowShowed(TObject* Sender) override;
  // Inside the time of a masked date-time edit a character goes through
  // the time editor's rule.
  bool IsCharValidForPos(Char& AChar, int APos) override;
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxCustomDateEditProperties>();
  }
  void PrepareEditValue(const Variant& ADisplayValue, Variant& AEditValue, bool AEditFocused) override;
  void StoreEditValue(const Variant& Value, bool AFlag) override;
  // A validated date (not a text) becomes the value as it stands.
  void StoreDisplayValue(const Variant& ADisplayValue) override;
  Variant GetTypedEditValue() override;
  void HandlePropertiesChanged(TObject* Sender) override;
  // The display value is shown as it was prepared (a focused masked text
  // already went through the mask); the mask takes it over only while
  // the edit is focused or validating.
  void WriteDisplayValue(const Variant& ADisplayValue) override;
  bool CanSynchronizeModeText() override { return InternalFocused() || IsEditValidating(); }
  // Masked or not, a typed text is validated as a date.
  bool ValidateEditByOptions(bool AForce) override { return TcxCustomEdit::ValidateEditByOptions(AForce); }

private:
  // The date a value gives: Null → the null date, a string parsed.
  TDateTime DateOfValue(const Variant& AValue, bool AEditFocused);
  // A date outside the bounds in force goes to the nearer bound.
  void ClampToBounds();

  std::unique_ptr<TcxPopupCalendar> FCalendar;
  TDateTime FDateDropDown = cxNullDate;
  TDateTime FSavedTime = 0;
};

class TcxDateEdit : public TcxCustomDateEdit {
  VCL_COMPONENT_CLASS(TcxDateEdit, TcxCustomDateEdit)
public:
  explicit TcxDateEdit(TComponent* AOwner) : TcxDateEdit(AOwner, false) {}
  TcxDateEdit(TComponent* AOwner, bool AIsInplace) : TcxCustomDateEdit(AOwner, AIsInplace) { InitializeTextEdit(); }
  TcxDateEditProperties* Properties() { return static_cast<TcxDateEditProperties*>(InternalProperties()); }
  TcxDateEditProperties* ActiveProperties() {
    return static_cast<TcxDateEditProperties*>(TcxCustomEdit::ActiveProperties());
  }

protected:
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxDateEditProperties>();
  }
};

// A filter row's date editor: Clear and Today, no date is Null, the
// regular-expression input.
class TcxFilterDateEditHelper : public TcxFilterDropDownEditHelper {
  VCL_CLASS(TcxFilterDateEditHelper, TcxFilterDropDownEditHelper)
public:
  static const TcxFilterDateEditHelper* Instance();
  TcxCustomEditClass GetFilterEditClass() const override;
  TcxFilterControlOperators GetSupportedFilterOperators(TcxCustomEditProperties* AProperties,
                                                        const IcxFilterValueType* AValueType,
                                                        bool AExtendedSet = false) const override;
  void InitializeProperties(TcxCustomEditProperties* AProperties, TcxCustomEditProperties* AEditProperties,
                            bool AHasButtons) const override;
};

extern const TUnitEntry cxDateEditUnit;
