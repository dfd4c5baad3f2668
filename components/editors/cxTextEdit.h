#pragma once
// The text editor: the settings and display texts of every text-based
// editor, the platform's EDIT window it types into, the lookup data behind
// incremental search, the view data and view info that lay its text out and
// paint it, and the text edit control itself.
#include <bitset>
#include <memory>

#include "components/core/cxDrawTextUtils.h"
#include "components/core/cxFormats.h"
#include "components/editors/cxEdit.h"
#include "vcl/controls/StdCtrls.h"

class TcxCustomTextEdit;
class TcxCustomTextEditViewInfo;
class TcxCustomTextEditLookupData;

enum class TcxEditEchoMode { eemNormal, eemPassword };
using enum TcxEditEchoMode;
enum class TcxEditEditingStyle { esEdit, esEditList, esFixedList, esNoEdit };
using enum TcxEditEditingStyle;
enum class TcxTextEditViewStyle { vsNormal, vsHideCursor, vsButtonsOnly, vsButtonsAutoWidth };
using enum TcxTextEditViewStyle;
enum class TImeMode { imDisable, imClose, imOpen, imDontCare, imSAlpha, imAlpha, imHira, imSKata, imKata, imChinese,
                      imSHanguel, imHanguel };
using enum TImeMode;
// Characters by the low byte of their code.
using TcxTextEditChars = std::bitset<256>;
using TcxNewLookupDisplayTextEvent = std::function<void(TObject* Sender, const String& AText)>;

// ---------------------------------------------------------------- number texts

// Groups the integer part of a number's text with the locale's thousand
// separator: "-1234567.5" gives "-1,234,567.5"; blanks around the text and
// an exponent stay as they are.
String cxInsertThousandSeparators(const String& AText);
String cxRemoveThousandSeparators(const String& AText);
// Cuts the exponent ("E..." in either case) off AText and answers it.
String cxExtractExponentPart(String& AText);
// The text without its separators reads as a number.
bool cxIsGroupedNumberText(const String& AText);
String cxApplyCharCase(const String& AText, TEditCharCase ACharCase);

// ---------------------------------------------------------------- properties

class TcxCustomTextEditProperties;

// Which of DisplayFormat, EditFormat and MaxLength the properties hold.
class TcxTextEditPropertiesValues : public TcxCustomEditPropertiesValues {
  VCL_CLASS(TcxTextEditPropertiesValues, TcxCustomEditPropertiesValues)
public:
  explicit TcxTextEditPropertiesValues(TcxCustomEditProperties* AOwner) : TcxCustomEditPropertiesValues(AOwner) {}
  void Assign(TPersistent* Source) override;
  void RestoreDefaults() override;

  bool DisplayFormat() const { return FDisplayFormat; }
  void SetDisplayFormat(bool Value);
  bool EditFormat() const { return FEditFormat; }
  void SetEditFormat(bool Value);
  bool MaxLength() const { return FMaxLength; }
  void SetMaxLength(bool Value);

private:
  TcxCustomTextEditProperties* TextProperties() const;
  bool FDisplayFormat = false;
  bool FEditFormat = false;
  bool FMaxLength = false;
};

// The settings of every text-based editor: case, echo, length, null text,
// valid characters, lookup items and the formats that turn an edit value
// into the text shown.
class TcxCustomTextEditProperties : public TcxCustomEditProperties, public IcxFormatControllerListener {
  CX_EDIT_PROPERTIES_CLASS(TcxCustomTextEditProperties, TcxCustomEditProperties)
public:
  explicit TcxCustomTextEditProperties(TPersistent* AOwner);
  ~TcxCustomTextEditProperties() override;

  // ---------------------------------------------------------------- answers of the kind
  virtual TcxEditEditingStyle CurrentEditingStyle() { return FHideCursor ? esNoEdit : esEdit; }
  TcxEditEditingStyle EditingStyle() { return CurrentEditingStyle(); }
  virtual bool HasLookupData() { return true; }
  virtual int LookupPageItemCount() { return 8; }
  virtual bool IsNumericValueEditor() { return false; }
  virtual bool UsesDigitGrouping() { return false; }
  virtual bool IsPopupSizedByList() { return false; }
  virtual bool IsMultiLineText() { return false; }
  virtual bool IsLookupListKey(uint16_t Key, TShiftState Shift) { return false; }
  virtual String BuiltInDisplayFormat() { return String(); }
  virtual bool IsNullEditValue(const Variant& AEditValue) { return AEditValue.IsNull(); }
  virtual Variant EmptyFocusedDisplayValue() { return Variant(String()); }
  bool CanSearchIncrementally();

  // ---------------------------------------------------------------- display texts
  String GetDisplayText(const Variant& AEditValue, bool AFullText = false, bool AIsInplace = true) override;
  void PrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue, bool AEditFocused) override;
  // The edit value as the text shown before echo and case: PrepareDisplayValue
  // for a valid value, else the value's own text.
  String EditValueToDisplayValue(const Variant& AEditValue, bool AEditFocused);
  // Password echo, else the character case.
  virtual void DisplayValueToDisplayText(String& AText);
  // An empty text, or (in list styles) a lookup item; written back case-converted.
  virtual bool IsDisplayValueValid(Variant& ADisplayValue, bool AEditFocused);
  bool IsEditValueValid(Variant& EditValue, bool AEditFocused) override;
  bool CompareDisplayValues(const Variant& AEditValue1, const Variant& AEditValue2) override;
  TcxEditSupportedOperations GetSupportedOperations() override;
  bool GetEditValueSource(bool AEditFocused) override;
  bool CanCompareEditValue() override { return true; }
  bool SupportsValidation() override { return true; }
  bool UsesDisplayValue() override { return true; }
  bool IsResetEditClass() override { return CurrentEditingStyle() != esNoEdit; }
  TcxEditDisplayFormatOptions DisplayFormatOptions() override { return {dfoSupports}; }
  String DefaultValidateErrorText(int AErrorKind) override;
  // The first lookup item equal to AText ignoring case.
  bool IsLookupItemText(const String& AText);
  // The edit format as it applies now; AEdit null outside an editor.
  virtual void ResolveEditFormat(bool& AIsCurrency, bool& AHasProviderTextEvent, String& AFormat,
                                 TcxCustomEdit* AEdit = nullptr);
  // Numeric editors: the value with its formats.
  String FormatNumericDisplayValue(const Variant& AValue, bool AEditFocused);

  // ---------------------------------------------------------------- bounds
  // 0 the lower bound, 1 the upper.
  virtual bool IsValueBoundDefined(int ABound);
  virtual bool HasValueBounds() { return IsValueBoundDefined(0) || IsValueBoundDefined(1); }
  virtual void CheckValueInBounds(const Variant& AValue, String& AErrorText, bool& AError);
  void SetMinMaxValues(double AMinValue, double AMaxValue) { AssignMinMaxValues(AMaxValue, AMinValue); }

  // ---------------------------------------------------------------- settings
  TEditCharCase CharCase() const { return FCharCase; }
  virtual void SetCharCase(TEditCharCase Value) { SetTextValue(FCharCase, Value); }
  String DisplayFormat();
  void SetDisplayFormat(const String& Value);
  TcxEditEchoMode EchoMode() const { return FEchoMode; }
  void SetEchoMode(TcxEditEchoMode Value) { SetTextValue(FEchoMode, Value); }
  String EditFormat();
  void SetEditFormat(const String& Value);
  bool FixedListSelection() const { return FFixedListSelection; }
  void SetFixedListSelection(bool Value);
  bool FormatChanging() const { return FFormatChanging; }
  bool HideCursor() const { return FHideCursor; }
  void SetHideCursor(bool Value) { SetTextValue(FHideCursor, Value); }
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value) { SetTextValue(FHideSelection, Value); }
  TImeMode ImeMode() const { return FImeMode; }
  void SetImeMode(TImeMode Value) { SetTextValue(FImeMode, Value); }
  const String& ImeName() const { return FImeName; }
  void SetImeName(const String& Value) { SetTextValue(FImeName, Value); }
  bool ImmediateUpdateText() const { return FImmediateUpdateText; }
  void SetImmediateUpdateText(bool Value) { FImmediateUpdateText = Value; }
  bool IncrementalSearch() const { return FIncrementalSearch; }
  void SetIncrementalSearch(bool Value) { SetTextValue(FIncrementalSearch, Value); }
  TStringList* LookupItems() const { return FLookupItems.get(); }
  void SetLookupItems(TStrings* Value) { FLookupItems->Assign(Value); }
  bool LookupItemsSorted() const { return FLookupItems->Sorted(); }
  void SetLookupItemsSorted(bool Value) { FLookupItems->SetSorted(Value); }
  int MaxLength();
  // A negative length is no limit (0).
  void SetMaxLength(int Value);
  bool MRUMode() const { return FMRUMode; }
  void SetMRUMode(bool Value) { SetTextValue(FMRUMode, Value); }
  const String& Nullstring() const { return FNullstring; }
  void SetNullstring(const String& Value) { SetTextValue(FNullstring, Value); }
  bool OEMConvert() const { return FOEMConvert; }
  void SetOEMConvert(bool Value) { SetTextValue(FOEMConvert, Value); }
  Char PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(Char Value) { SetTextValue(FPasswordChar, Value); }
  // PasswordChar, or '*' for #0.
  Char EffectivePasswordChar() const { return FPasswordChar ? FPasswordChar : L'*'; }
  bool UseDisplayFormatWhenEditing() const { return FUseDisplayFormatWhenEditing; }
  void SetUseDisplayFormatWhenEditing(bool Value) { SetTextValue(FUseDisplayFormatWhenEditing, Value); }
  bool UseNullString() const { return FUseNullString; }
  void SetUseNullString(bool Value) { SetTextValue(FUseNullString, Value); }
  const TcxTextEditChars& ValidChars() const { return FValidChars; }
  void SetValidChars(const TcxTextEditChars& Value) { FValidChars = Value; }
  TcxTextEditViewStyle ViewStyle() const;
  void SetViewStyle(TcxTextEditViewStyle Value);
  TcxTextEditPropertiesValues* AssignedValues() {
    return static_cast<TcxTextEditPropertiesValues*>(TcxCustomEditProperties::AssignedValues());
  }

  TcxNewLookupDisplayTextEvent OnNewLookupDisplayText;

  // ---------------------------------------------------------------- companions
  TcxEditViewInfoClass GetViewInfoClass() const override;
  TcxEditViewDataClass ViewDataClass() const override;
  TcxCustomEditClass GetContainerClass() const override;
  TcxEditPropertiesValuesClass AssignedValuesClass() const override {
    return TcxEditPropertiesValuesClass::Of<TcxTextEditPropertiesValues>();
  }
  virtual TcxClassFactory<TcxCustomTextEditLookupData, TPersistent*> LookupDataClassType() const;

protected:
  friend class TcxTextEditPropertiesValues;
  void AssignSettings(TcxCustomEditProperties* Source) override;
  TcxEditVertAlignment GetDefaultVertAlignment() override { return taVCenter; }
  void AlignmentChanged(TObject* Sender) override;
  void FormatSettingsChanged() override { NotifyFormatsChanged(); }
  virtual void NotifyFormatsChanged();
  virtual void DoPrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue, bool AEditFocused);
  virtual int ProviderMaxLength();
  virtual void HandleMaxLengthChange() { Changed(); }

private:
  template <class T>
  void SetTextValue(T& AField, const T& AValue) {
    if (AField == AValue) return;
    AField = AValue;
    Changed();
  }

  TEditCharCase FCharCase = ecNormal;
  String FDisplayFormat;
  TcxEditEchoMode FEchoMode = eemNormal;
  String FEditFormat;
  bool FFixedListSelection = true;
  bool FFormatChanging = false;
  bool FHideCursor = false;
  bool FHideSelection = true;
  TImeMode FImeMode = imDontCare;
  String FImeName;
  bool FImmediateUpdateText = false;
  bool FIncrementalSearch = true;
  std::unique_ptr<TStringList> FLookupItems;
  int FMaxLength = 0;
  bool FMRUMode = false;
  String FNullstring;
  bool FOEMConvert = false;
  Char FPasswordChar = 0;
  bool FUseDisplayFormatWhenEditing = false;
  bool FUseNullString = false;
  TcxTextEditChars FValidChars;
};

// The text editor's published settings.
class TcxTextEditProperties : public TcxCustomTextEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxTextEditProperties, TcxCustomTextEditProperties)
public:
  using TcxCustomTextEditProperties::TcxCustomTextEditProperties;
};

// ---------------------------------------------------------------- inner text edit

// The inner edit's interface for the text editors.
class IcxInnerTextEdit : public IcxCustomInnerEdit {
public:
  virtual void ClearSelection() = 0;
  virtual void CopyToClipboard() = 0;
  virtual TAlignment GetAlignment() = 0;
  virtual bool GetAutoSelect() = 0;
  virtual TEditCharCase GetCharCase() = 0;
  virtual TcxEditEchoMode GetEchoMode() = 0;
  virtual int GetFirstVisibleCharIndex() = 0;
  virtual bool GetHideSelection() = 0;
  virtual Char GetImeLastChar() = 0;
  virtual TImeMode GetImeMode() = 0;
  virtual String GetImeName() = 0;
  virtual bool GetInternalUpdating() = 0;
  virtual int GetMaxLength() = 0;
  virtual bool GetMultiLine() = 0;
  virtual bool GetOEMConvert() = 0;
  virtual TNotifyEvent GetOnSelChange() = 0;
  virtual Char GetPasswordChar() = 0;
  virtual int GetSelLength() = 0;
  virtual int GetSelStart() = 0;
  virtual String GetSelText() = 0;
  virtual bool GetUseLeftAlignmentOnEditing() = 0;
  virtual void SelectAll() = 0;
  virtual void SetAlignment(TAlignment Value) = 0;
  virtual void SetAutoSelect(bool Value) = 0;
  virtual void SetCharCase(TEditCharCase Value) = 0;
  virtual void SetEchoMode(TcxEditEchoMode Value) = 0;
  virtual void SetHideSelection(bool Value) = 0;
  virtual void SetInternalUpdating(bool Value) = 0;
  virtual void SetImeMode(TImeMode Value) = 0;
  virtual void SetImeName(const String& Value) = 0;
  virtual void SetMaxLength(int Value) = 0;
  virtual void SetOEMConvert(bool Value) = 0;
  virtual void SetOnSelChange(TNotifyEvent Value) = 0;
  virtual void SetPasswordChar(Char Value) = 0;
  virtual void SetSelLength(int Value) = 0;
  virtual void SetSelStart(int Value) = 0;
  virtual void SetSelText(const String& Value) = 0;
  virtual void SetUseLeftAlignmentOnEditing(bool Value) = 0;
  virtual String GetTextHint() = 0;
  virtual void SetTextHint(const String& Value) = 0;

protected:
  ~IcxInnerTextEdit() = default;
};

class TcxCustomInnerTextEdit;

// What a text editor reaches the inner edit through.
class TcxCustomInnerTextEditHelper : public TcxInterfacedPersistent, public IcxInnerTextEdit {
  VCL_CLASS(TcxCustomInnerTextEditHelper, TcxInterfacedPersistent)
public:
  explicit TcxCustomInnerTextEditHelper(TcxCustomInnerTextEdit* AEdit) : TcxInterfacedPersistent(nullptr), FEdit(AEdit) {}
  TcxCustomInnerTextEdit* Edit() const { return FEdit; }

  TWinControl* GetControl() override;
  TcxContainer* GetControlContainer() override;
  LRESULT CallDefWndProc(UINT AMsg, WPARAM WParam, LPARAM LParam) override;
  bool CanProcessClipboardMessages() override { return false; }
  Variant GetEditValue() override;
  TNotifyEvent GetOnChange() override;
  bool GetReadOnly() override;
  void LockBounds(bool ALock) override;
  void SafelySetFocus() override;
  void SetEditValue(const Variant& Value) override;
  void SetParent(TWinControl* Value) override;
  void SetOnChange(TNotifyEvent Value) override;
  void SetReadOnly(bool Value) override;
  void ClearSelection() override;
  void CopyToClipboard() override;
  TAlignment GetAlignment() override;
  bool GetAutoSelect() override;
  TEditCharCase GetCharCase() override;
  TcxEditEchoMode GetEchoMode() override;
  int GetFirstVisibleCharIndex() override;
  bool GetHideSelection() override;
  Char GetImeLastChar() override;
  TImeMode GetImeMode() override;
  String GetImeName() override;
  bool GetInternalUpdating() override;
  int GetMaxLength() override;
  bool GetMultiLine() override { return false; }
  bool GetOEMConvert() override;
  TNotifyEvent GetOnSelChange() override;
  Char GetPasswordChar() override;
  int GetSelLength() override;
  int GetSelStart() override;
  String GetSelText() override;
  bool GetUseLeftAlignmentOnEditing() override;
  void SelectAll() override;
  void SetAlignment(TAlignment Value) override;
  void SetAutoSelect(bool Value) override;
  void SetCharCase(TEditCharCase Value) override;
  void SetEchoMode(TcxEditEchoMode Value) override;
  void SetHideSelection(bool Value) override;
  void SetInternalUpdating(bool Value) override;
  void SetImeMode(TImeMode Value) override;
  void SetImeName(const String& Value) override;
  void SetMaxLength(int Value) override;
  void SetOEMConvert(bool Value) override;
  void SetOnSelChange(TNotifyEvent Value) override;
  void SetPasswordChar(Char Value) override;
  void SetSelLength(int Value) override;
  void SetSelStart(int Value) override;
  void SetSelText(const String& Value) override;
  void SetUseLeftAlignmentOnEditing(bool Value) override;
  String GetTextHint() override;
  void SetTextHint(const String& Value) override;

private:
  friend class TcxCustomInnerTextEdit;
  bool ImePending() const;
  TcxCustomInnerTextEdit* FEdit;
  int FSelStart = 0;
  int FSelLength = 0;
};

// The platform's single-line EDIT inside a text editor: it hands keys,
// presses and focus changes to the editor, keeps the IME bookkeeping, and
// paints its resting text aligned when it edits left-aligned.
class TcxCustomInnerTextEdit : public TEdit, public IcxContainerInnerControl {
  VCL_COMPONENT_CLASS(TcxCustomInnerTextEdit, TEdit)
public:
  explicit TcxCustomInnerTextEdit(TComponent* AOwner);
  ~TcxCustomInnerTextEdit() override;

  TWinControl* GetControl() override { return this; }
  TcxContainer* GetControlContainer() override;
  TcxCustomInnerTextEditHelper* Helper() const { return FHelper.get(); }
  TcxCustomTextEdit* Container() const;

  // ---------------------------------------------------------------- the native state
  bool AutoSelect() const { return FAutoSelect; }
  void SetAutoSelect(bool Value) { FAutoSelect = Value; }
  TcxEditEchoMode EchoMode() const { return FEchoMode; }
  // Recreates the window.
  void SetEchoMode(TcxEditEchoMode Value);
  bool HideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value);
  bool OEMConvert() const { return FOEMConvert; }
  void SetOEMConvert(bool Value);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  TImeMode ImeMode() const { return FImeMode; }
  void SetImeMode(TImeMode Value) { FImeMode = Value; }
  const String& ImeName() const { return FImeName; }
  void SetImeName(const String& Value) { FImeName = Value; }
  const String& TextHint() const { return FTextHint; }
  void SetTextHint(const String& Value);
  int SelStart();
  void SetSelStart(int Value);
  int SelLength();
  void SetSelLength(int Value);
  String SelText();
  // Replaces the selection as typing would (undoable).
  void SetSelText(const String& Value);
  void SelectAll();
  void ClearSelection() { SetSelText(String()); }
  void CopyToClipboard();
  // The caret's character index.
  int CaretCharIndex();

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  TNotifyEvent OnSelChange;

protected:
  friend class TcxCustomInnerTextEditHelper;
  friend class TcxCustomTextEdit;
  // A descendant's own helper in place of the text edit's.
  void SetHelper(std::unique_ptr<TcxCustomInnerTextEditHelper> AHelper) { FHelper = std::move(AHelper); }
  virtual void AdjustMargins();
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void InitializeWindow() override;
  void DestroyWnd() override;
  void WndProc(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(wchar_t& Key) override;
  void KeyUp(uint16_t& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // The wheel is the editor's (a spin edit steps by it).
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, const TPoint& MousePos) override;
  TPopupMenu* GetPopupMenu() override;

private:
  struct TPrevState {
    String Text;
    int SelStart, SelLength;
  };
  TPrevState SaveState();
  bool StateChanged(const TPrevState& AState);
  TAlignment EffectiveAlignment();
  bool PaintsAlignedText();
  void PaintAlignedText(TMessage& Message);
  void HandleKeyDownMessage(TMessage& Message);
  void HandleCharMessage(TMessage& Message);

  TAlignment FAlignment = taLeftJustify;
  bool FAutoSelect = true;
  TcxEditEchoMode FEchoMode = eemNormal;
  std::unique_ptr<TcxCustomInnerTextEditHelper> FHelper;
  int FImeCharCount = 0;
  Char FImeLastChar = 0;
  bool FInternalUpdating = false;
  bool FIsCreating = true;
  int FLockBoundsCount = 0;
  Char FPasswordChar = 0;
  bool FUseLeftAlignmentOnEditing = true;
  bool FHideSelection = true;
  bool FOEMConvert = false;
  bool FReadOnly = false;
  TImeMode FImeMode = imDontCare;
  String FImeName;
  String FTextHint;
};

// ---------------------------------------------------------------- lookup data

enum class TcxEditLookupDataGoDirection { egdBegin, egdEnd, egdNext, egdPrev, egdPageUp, egdPageDown };
using enum TcxEditLookupDataGoDirection;

// What a text editor asks of its list of values.
class IcxTextEditLookupData {
public:
  virtual bool CanResizeVisualArea(TSize& NewSize, int AMaxHeight, int AMaxWidth) = 0;
  virtual void CloseUp() = 0;
  virtual void Deinitialize() = 0;
  virtual void DropDown() = 0;
  virtual void DroppedDown(const String& AFindStr) = 0;
  virtual bool Find(const String& AText) = 0;
  virtual TWinControl* GetActiveControl() = 0;
  virtual Variant GetCurrentKey() = 0;
  virtual String GetDisplayText(const Variant& AKey) = 0;
  virtual TNotifyEvent GetOnCurrentKeyChanged() = 0;
  virtual TNotifyEvent GetOnSelectItem() = 0;
  virtual int GetListItemIndex() = 0;
  virtual TSize GetVisualAreaPreferredSize(int AMaxHeight, int AWidth) = 0;
  virtual void Go(TcxEditLookupDataGoDirection ADirection, bool ACircular) = 0;
  virtual void Initialize(TWinControl* AVisualControlsParent) = 0;
  virtual bool IsEmpty() = 0;
  virtual bool IsMouseOverList(const TPoint& P) = 0;
  virtual bool Locate(String& AText, String& ATail, bool ANext) = 0;
  virtual void PositionVisualArea(const TRect& AClientRect) = 0;
  virtual void PropertiesChanged() = 0;
  virtual void SelectItem() = 0;
  virtual void SetCurrentKey(const Variant& AKey) = 0;
  virtual void SetOnCurrentKeyChanged(TNotifyEvent Value) = 0;
  virtual void SetOnSelectItem(TNotifyEvent Value) = 0;
  virtual void SelectListItem(int AIndex) = 0;
  virtual void TextChanged() = 0;

protected:
  ~IcxTextEditLookupData() = default;
};

class TcxCustomEditListBox;
using TcxCustomEditListBoxClass = TcxClassFactory<TcxCustomEditListBox, TComponent*>;

// Stands between a text editor and its items: the current key, the
// highlighted row, incremental search and stepping through the items.
class TcxCustomTextEditLookupData : public TcxInterfacedPersistent, public IcxTextEditLookupData {
  VCL_CLASS(TcxCustomTextEditLookupData, TcxInterfacedPersistent)
public:
  explicit TcxCustomTextEditLookupData(TPersistent* AOwner);
  ~TcxCustomTextEditLookupData() override;

  bool CanResizeVisualArea(TSize&, int, int) override { return true; }
  void CloseUp() override;
  void Deinitialize() override {}
  void DropDown() override {}
  void DroppedDown(const String&) override {}
  bool Find(const String& AText) override { return IndexOfItemText(AText) >= 0; }
  TWinControl* GetActiveControl() override;
  Variant GetCurrentKey() override { return Variant(FCurrentKey); }
  String GetDisplayText(const Variant& AKey) override;
  TNotifyEvent GetOnCurrentKeyChanged() override { return OnCurrentKeyChanged; }
  TNotifyEvent GetOnSelectItem() override { return OnSelectItem; }
  int GetListItemIndex() override;
  TSize GetVisualAreaPreferredSize(int, int) override { return TSize(); }
  void Go(TcxEditLookupDataGoDirection ADirection, bool ACircular) override;
  void Initialize(TWinControl* AVisualControlsParent) override;
  bool IsEmpty() override { return ItemCount() == 0; }
  bool IsMouseOverList(const TPoint& P) override;
  bool Locate(String& AText, String& ATail, bool ANext) override { return LocateText(AText, ATail, ANext, false); }
  void PositionVisualArea(const TRect& AClientRect) override;
  void PropertiesChanged() override { UpdateListItemCount(); }
  void SelectItem() override;
  void SetCurrentKey(const Variant& AKey) override;
  void SetOnCurrentKeyChanged(TNotifyEvent Value) override { OnCurrentKeyChanged = Value; }
  void SetOnSelectItem(TNotifyEvent Value) override { OnSelectItem = Value; }
  void SelectListItem(int AIndex) override;
  void TextChanged() override;

  int CurrentKey() const { return FCurrentKey; }
  int ItemIndex() const { return FItemIndex; }
  TcxCustomEditListBox* List() const { return FList.get(); }
  TNotifyEvent OnCurrentKeyChanged;
  TNotifyEvent OnSelectItem;

protected:
  virtual String ItemText(int AIndex);
  virtual int ItemCount();
  virtual TcxCustomEditListBoxClass ListBoxClassType() const { return {}; }
  virtual void ListItemSelected(TObject* Sender);
  virtual bool LocateText(String& AText, String& ATail, bool ANext, bool AFromTextChange);
  virtual void UpdateListItemCount();
  virtual bool PrefersWholeTextMatch() { return false; }
  TcxCustomTextEdit* Edit() const;
  TcxCustomTextEditProperties* ActiveProperties() const;
  int IndexOfItemText(const String& AText);
  // The first item from AStartIndex that starts with AText, ignoring case.
  int MatchItemText(const String& AText, int AStartIndex);
  void InternalSetCurrentKey(int AKey);
  void SyncListItemIndex(int AIndex);

private:
  void ResetKeyAfterFailedSearch(const String& AText, bool AFromTextChange);
  int FCurrentKey = -1;
  int FItemIndex = -1;
  std::unique_ptr<TcxCustomEditListBox> FList;
};

// The list a drop-down editor shows its items in; rows all as high as the
// font, drawn by the owner, hot-tracked by the mouse.
class TcxCustomEditListBox : public TcxCustomInnerListBox {
  VCL_COMPONENT_CLASS(TcxCustomEditListBox, TcxCustomInnerListBox)
public:
  explicit TcxCustomEditListBox(TComponent* AOwner);

  bool HotTrack() const { return FHotTrack; }
  void SetHotTrack(bool Value) { FHotTrack = Value; }
  virtual int GetHeight(int ARowCount, int AMaxHeight) { return ARowCount * GetItemHeight(-1); }
  virtual int GetItemHeight(int AIndex = -1);
  virtual int GetItemWidth(int AIndex);
  bool IsVisible() { return HandleAllocated() && IsWindowVisible(Handle()); }
  void SetScrollWidth(int Value);
  void SetItemCount(int ACount);
  void SetItemIndex(int Value);
  TcxCustomTextEdit* Edit() const { return FEdit; }
  void SetEdit(TcxCustomTextEdit* Value) { FEdit = Value; }

  TNotifyEvent OnSelectItem;

protected:
  virtual bool DoDrawItem(int AIndex, const TRect& ARect, TOwnerDrawState AState) { return false; }
  virtual String GetItemText(int AIndex);
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  void Click() override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, const TPoint& MousePos) override;

private:
  void DrawListItem(DRAWITEMSTRUCT& AItem);
  bool FHotTrack = true;
  TPoint FPrevMousePos{-1, -1};
  TcxCustomTextEdit* FEdit = nullptr;
};

// ---------------------------------------------------------------- view data and view info

// The prepared layout of a view info's text.
struct TcxTextOutData {
  bool ForceEndEllipsis = false;
  bool Initialized = false;
  int RowCount = 0;
  int SelStart = 0;
  int SelLength = 0;
  TColor SelBackgroundColor = clDefault;
  TColor SelTextColor = clDefault;
  TcxTextParams TextParams{};
  double RowHeightFactor = 1.0;
  TRect TextRect;
  TcxTextRows TextRows;
};

using TcxTextEditCustomDrawHandler = std::function<void(TcxCanvas* ACanvas, const TRect& ARect)>;

// A text editor's layout: its text, text rectangle and flags, selection.
class TcxCustomTextEditViewInfo : public TcxCustomEditViewInfo {
  VCL_CREATABLE_CLASS(TcxCustomTextEditViewInfo, TcxCustomEditViewInfo)
public:
  void Offset(int DX, int DY) override;
  bool NeedShowHint(TcxCanvas* ACanvas, const TPoint& P, const TRect& AVisibleBounds, String& AText,
                    bool& AIsMultiLine, TRect& ATextRect, int AMaxLineCount = 0) override;
  virtual void DrawText(TcxCanvas* ACanvas);
  virtual int GetTextBaseLine();

  bool ComboBoxStyle = false;
  TcxTextEditCustomDrawHandler CustomDrawHandler;
  bool DrawSelectionBar = false;
  uint32_t DrawTextFlags = 0;
  TcxEditEditingStyle EditingStyle = esEdit;
  bool HasPopupWindow = false;
  bool IsEditClass = false;
  bool IsOwnerDrawing = false;
  int MaxLineCount = 0;
  int SelStart = 0;
  int SelLength = 0;
  TColor SelTextColor = clDefault;
  TColor SelBackgroundColor = clDefault;
  String Text;
  TcxTextOutData TextOutData;
  TRect TextRect;

protected:
  void InternalPaint(TcxCanvas* ACanvas) override;
  TcxEditBackgroundPaintingStyle BackgroundPaintingKind() override;
  void PrepareCanvasFont(TcxCanvas* ACanvas) override;

private:
  void PrepareTextOutData(TcxCanvas* ACanvas);
};

// Works out a text editor's drawn text, text rectangle, flags and
// selection colours, and measures its content.
class TcxCustomTextEditViewData : public TcxCustomEditViewData {
  VCL_CLASS(TcxCustomTextEditViewData, TcxCustomEditViewData)
public:
  TcxCustomTextEditViewData(TcxCustomEditProperties* AProperties, TcxCustomEditStyle* AStyle, bool AIsInplace);
  TcxCustomTextEditProperties* Properties() const {
    return static_cast<TcxCustomTextEditProperties*>(TcxCustomEditViewData::Properties());
  }

  void Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P, TcxMouseButton Button, TShiftState Shift,
                 TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent) override;
  void EditValueToDrawValue(const Variant& AEditValue, TcxCustomEditViewInfo* AViewInfo) override;
  virtual void DisplayValueToDrawValue(const Variant& ADisplayValue, TcxCustomTextEditViewInfo* AViewInfo);
  virtual uint32_t GetDrawTextFlags();
  virtual TRect GetDrawTextOffset();
  virtual bool IsComboBoxStyle() { return false; }

  // The editor the view data lays out for, when there is one.
  TcxCustomTextEdit* Edit = nullptr;
  bool HasInnerEdit = false;

protected:
  String BuildDisplayText(const Variant& AEditValue) override;
  TSize MeasureEditContent(TcxCanvas* ACanvas, const Variant& AEditValue,
                           const TcxEditSizeProperties& AEditSizeProperties) override;
  virtual void CalculateDrawTextFlags(TcxCanvas* ACanvas, TcxCustomTextEditViewInfo* AViewInfo);
  virtual int GetLineCountLimit() { return MaxLineCount; }
  virtual bool IsEditClassEditor();
  void PrepareSelection(TcxCustomTextEditViewInfo* AViewInfo);

private:
  bool FIsValueFormatted = false;
};

// The content size of a text for automatic sizing.
TSize cxCalculateTextEditContentSize(TcxCanvas* ACanvas, TcxCustomTextEditViewData* AViewData, const String& AText,
                                     uint32_t ADrawTextFlags, const TcxEditSizeProperties& AEditSizeProperties,
                                     int ALineCount, bool ACorrectWidth);

// ---------------------------------------------------------------- the text edit control

// The control of every text-based editor: the platform's EDIT inside, the
// display text and edit value in step, incremental search over the lookup
// items, selection and clipboard by the editing style.
class TcxCustomTextEdit : public TcxCustomEdit, public IcxFormatControllerListener {
  VCL_COMPONENT_CLASS(TcxCustomTextEdit, TcxCustomEdit)
public:
  explicit TcxCustomTextEdit(TComponent* AOwner) : TcxCustomTextEdit(AOwner, false) {}
  TcxCustomTextEdit(TComponent* AOwner, bool AIsInplace);
  ~TcxCustomTextEdit() override;

  TcxCustomTextEditProperties* ActiveProperties() {
    return static_cast<TcxCustomTextEditProperties*>(TcxCustomEdit::ActiveProperties());
  }
  TcxCustomTextEditProperties* Properties() {
    return static_cast<TcxCustomTextEditProperties*>(InternalProperties());
  }
  void SetProperties(TcxCustomTextEditProperties* Value) { Properties()->Assign(Value); }
  // Made on first use, by GetInnerEditClass.
  IcxInnerTextEdit* InnerTextEdit();
  TcxCustomInnerTextEdit* InnerEditControl();
  IcxTextEditLookupData* ILookupData() { return FLookupData.get(); }
  TcxCustomTextEditLookupData* LookupData() const { return FLookupData.get(); }
  TcxCustomTextEditViewInfo* TextViewInfo() { return FViewInfo.get(); }

  String Text() { return GetCurrentDisplayText(); }
  void SetText(const String& Value) { InternalSetDisplayText(Value); }
  String EditingText() { return Text(); }
  // As a person: only when editing may start.
  void SetEditingText(const String& Value);
  bool BeepOnEnter() const { return FBeepOnEnter; }
  void SetBeepOnEnter(bool Value) { FBeepOnEnter = Value; }
  bool FindSelection() const { return FFindSelection; }
  void SetFindSelection(bool Value);
  int CursorPos();
  int SelStart();
  void SetSelStart(int Value);
  int SelLength();
  void SetSelLength(int Value);
  void SetSelection(int ASelStart, int ASelLength);
  String SelText();
  virtual void SetSelText(const String& Value);
  void SelectAll() override;
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  virtual void ClearSelection();
  // The stored value again.
  virtual void Undo() { Reset(); }
  int ItemIndex();
  void SetItemIndex(int Value);
  TObject* ItemObject();
  String TextHint();
  void SetTextHint(const String& Value);

protected:
  friend class TcxCustomInnerTextEdit;
  friend class TcxCustomTextEditLookupData;
  friend class TcxCustomTextEditViewData;
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxCustomTextEditProperties>();
  }
  virtual TcxClassFactory<TcxCustomInnerTextEdit, TComponent*> GetInnerEditClass() const {
    return TcxClassFactory<TcxCustomInnerTextEdit, TComponent*>::Of<TcxCustomInnerTextEdit>();
  }
  // Creates the inner edit and the lookup data; the published classes
  // call it from their constructors.
  void InitializeTextEdit();

  // ---------------------------------------------------------------- values
  String GetCurrentDisplayText() override;
  Variant GetTypedEditValue() override { return Variant(Text()); }
  virtual void PrepareEditValue(const Variant& ADisplayValue, Variant& AEditValue, bool AEditFocused) {
    AEditValue = ADisplayValue;
  }
  virtual void StoreDisplayValue(const Variant& ADisplayValue);
  void SetInternalDisplayValue(const Variant& Value) override;
  virtual bool InternalSetDisplayText(const String& AText);
  void SynchronizeDisplayValue() override;
  virtual void UpdateEditValueFromDisplay();
  void HandleTextChange() override;
  bool IsEditingAllowed() override { return ActiveProperties()->CurrentEditingStyle() != esNoEdit; }
  bool NeedsDisplayValueRefreshOnFocus() override { return true; }
  void RefreshDrawnValue() override;
  void HandlePropertiesChanged(TObject* Sender) override;
  bool ValidateEditByOptions(bool AForce) override;
  virtual void DoNewLookupDisplayText(const String& AText);
  virtual bool PrepareSelTextReplacement(const String& AText, String& ANewText, int& ACaret);
  virtual bool IsUserAction() { return FUserAction; }

  // ---------------------------------------------------------------- keys
  void HandleEditKeyDown(uint16_t& Key, TShiftState Shift) override;
  void HandleEditKeyPress(wchar_t& Key) override;
  bool HandlesNavigationKeys() override { return true; }
  bool IsEditingChar(wchar_t AChar) override;
  bool IsValidChar(wchar_t AChar) override;
  virtual bool CanNavigateLookup(bool AMouseWheel) { return false; }
  virtual bool LocateAndComplete(String& AText);
  virtual bool WasFindSelectionActive(bool APrevFindSelection) { return APrevFindSelection; }
  virtual void ApplyLookupSelection(TObject* Sender);
  void ResetFindSelection();

  // ---------------------------------------------------------------- window, layout and painting
  void WndProc(TMessage& Message) override;
  void CreateWnd() override;
  void DoPaint() override;
  void CalculateViewInfoAtPoint(const TPoint& P, TcxMouseButton Button, TShiftState Shift, bool AIsMouseEvent) override;
  void AdjustInnerControlBounds() override;
  virtual void AdjustInnerEditPosition();
  virtual int InnerEditTextHeight();
  void DoEnter() override;
  void DoExit() override;
  void FormatSettingsChanged() override { NotifyFormatsChanged(); }
  virtual void NotifyFormatsChanged();
  // A view data for the editor's state, bound to it; the caller frees it.
  TcxCustomTextEditViewData* CreateTextViewData();
  void CalculateTextViewInfo(const TPoint& P);

private:
  // Runs AWork as a person's action (DoEditing decides what may change).
  template <class F>
  auto AsUserAction(bool AIsUser, F AWork) {
    const bool was = FUserAction;
    FUserAction = AIsUser;
    struct TRestore {
      bool& Flag;
      bool Value;
      ~TRestore() { Flag = Value; }
    } restore{FUserAction, was};
    return AWork();
  }
  bool IsFocusInside();
  void MarkModifiedAndClick(int APrevKey);
  void GoLookup(TcxEditLookupDataGoDirection ADirection);

  bool FBeepOnEnter = true;
  bool FDisableRefresh = false;
  bool FFindSelection = false;
  bool FInternalTextSetting = false;
  bool FIsDisplayValueSynchronizing = false;
  bool FLookupItemsScrolling = false;
  bool FInnerEditPositionAdjusting = false;
  bool FLookupDataTextChangedLocked = false;
  bool FUserAction = false;
  bool FIsInitializing = false;
  bool FEntered = false;
  TcxCustomInnerTextEdit* FInnerEdit = nullptr;
  std::unique_ptr<TcxCustomTextEditLookupData> FLookupData;
  std::unique_ptr<TcxCustomTextEditViewInfo> FViewInfo;
  TPoint FLastMousePos{-1, -1};
};

// The single-line text editor.
class TcxTextEdit : public TcxCustomTextEdit {
  VCL_COMPONENT_CLASS(TcxTextEdit, TcxCustomTextEdit)
public:
  explicit TcxTextEdit(TComponent* AOwner) : TcxTextEdit(AOwner, false) {}
  TcxTextEdit(TComponent* AOwner, bool AIsInplace) : TcxCustomTextEdit(AOwner, AIsInplace) { InitializeTextEdit(); }
  TcxTextEditProperties* Properties() { return static_cast<TcxTextEditProperties*>(InternalProperties()); }
  TcxTextEditProperties* ActiveProperties() {
    return static_cast<TcxTextEditProperties*>(TcxCustomEdit::ActiveProperties());
  }

protected:
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxTextEditProperties>();
  }
};

extern const TUnitEntry cxTextEditUnit;
