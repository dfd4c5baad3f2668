#pragma once
// The mask edit: the single-line text editor with an input mask. Its
// properties add the mask text and kind; the control routes keys, mouse,
// paste and cut through a mode object that owns the mask logic: the
// standard (fixed-position) mask, or a regular expression matched as the
// text is typed.
#include <algorithm>
#include <memory>
#include <vector>

#include "components/editors/cxFilterControlUtils.h"
#include "components/editors/cxRegExpr.h"
#include "components/editors/cxStandardMask.h"
#include "components/editors/cxTextEdit.h"

enum class TcxEditMaskKind { emkStandard, emkRegExpr, emkRegExprEx };
using enum TcxEditMaskKind;
using TcxEditMask = String;

// A mask that does not compile; the message says where and why.
VCL_EXCEPTION(EcxMaskEditError, EcxEditError)

class TcxCustomMaskEdit;
class TcxCustomMaskEditProperties;
class TcxMaskEditCustomMode;

// Makes a mode: (edit, properties); a detached mode has no edit.
using TcxMaskEditModeClass = TcxClassFactory<TcxMaskEditCustomMode, TcxCustomMaskEdit*, TcxCustomMaskEditProperties*>;

// A nil text or one made only of blanks (tab, line feed, form feed,
// carriage return, space) counts as no mask.
bool EmptyMask(const String& AMask);

// ---------------------------------------------------------------- modes

// The mask logic behind a mask edit. The Press... operations answer true
// to let the key go on to the inner control's native handling, false when
// the mode handled it.
class TcxMaskEditCustomMode : public TObject {
  VCL_CLASS(TcxMaskEditCustomMode, TObject)
public:
  TcxMaskEditCustomMode(TcxCustomMaskEdit* AEdit, TcxCustomMaskEditProperties* AProperties);
  ~TcxMaskEditCustomMode() override = default;
  TcxMaskEditCustomMode(const TcxMaskEditCustomMode&) = delete;
  TcxMaskEditCustomMode& operator=(const TcxMaskEditCustomMode&) = delete;

  virtual TcxEditMaskKind ModeMaskKind() const = 0;
  // The text after replacing the selection by AText, and the caret after it.
  virtual bool GetPasteText(const String& AText, String& ANewText, int& ACaret);
  virtual void AfterPasteFromClipboard() {}
  virtual void Compile(const String& AMask) = 0;
  virtual String GetEmptyString() = 0;
  virtual String GetFormattedText(const String& AText, bool AMatchForBlanksAndLiterals = true) = 0;
  virtual void GotoEnd() {}
  virtual bool IsCursorBegin() = 0;
  virtual bool IsCursorEnd() = 0;
  virtual bool IsFullValidText(const String& AText) = 0;
  virtual void LMouseDown() {}
  virtual void PrePasteFromClipboard() {}
  virtual bool PressBackSpace() = 0;
  virtual bool PressDelete() = 0;
  virtual bool PressEnd() = 0;
  virtual bool PressHome() = 0;
  virtual bool PressLeft() = 0;
  virtual bool PressRight() = 0;
  virtual bool PressSymbol(Char& ASymbol) = 0;
  // The edit shows AText now.
  virtual void SetText(const String& AText) {}
  // Rebuilds the shown text from the edit's value or typed text.
  virtual void SynchronizeEditValue();
  virtual void UpdateEditValue() {}
  virtual String GetUpdatedText(const String& AText, bool AMatchForBlanksAndLiterals = true) = 0;

  // MessageBeep where the active properties ask for a beep on errors.
  void BeepOnError();
  const String& EditMask() const { return FEditMask; }
  TcxCustomMaskEdit* Edit() const { return FEdit; }
  TcxCustomMaskEditProperties* ActiveMaskProperties() const;
  TEditCharCase CharCase() const { return FCharCase; }
  void SetCharCase(TEditCharCase Value) { FCharCase = Value; }
  TcxEditEchoMode EchoMode() const { return FEchoMode; }
  void SetEchoMode(TcxEditEchoMode Value) { FEchoMode = Value; }
  void SetClipboardTextLength(int Value) { FClipboardTextLength = Value; }

protected:
  // The edit's text, caret and selection, as the mode sees and moves them.
  String Text() const;
  int TextLength() const { return static_cast<int>(Text().size()); }
  int SelStart() const;
  int SelLength() const;
  int CursorPos() const;
  bool ShiftOn() const;
  void SetSelection(int AStart, int ALength);
  // Replaces ALength characters at AStart as typing would.
  void ReplaceText(int AStart, int ALength, const String& AText);
  void SendKeyDown(uint16_t AKey);
  void SendChar(Char AChar);
  bool EditHasInnerControl() const;
  // The edit's own per-position check; true without an edit.
  bool IsCharValidForPos(Char& AChar, int APos);

  TEditCharCase FCharCase = ecNormal;
  TcxEditEchoMode FEchoMode = eemNormal;
  String FEditMask;
  TcxCustomMaskEditProperties* FProperties;
  int FClipboardTextLength = 0;
  TcxCustomMaskEdit* FEdit;
};

// The standard mask: one position per character, the caret shown as a
// one-character selection over the current position (the block caret).
class TcxMaskEditStandardMode : public TcxMaskEditCustomMode {
  VCL_CLASS(TcxMaskEditStandardMode, TcxMaskEditCustomMode)
public:
  using TcxMaskEditCustomMode::TcxMaskEditCustomMode;

  TcxEditMaskKind ModeMaskKind() const override { return emkStandard; }
  bool GetPasteText(const String& AText, String& ANewText, int& ACaret) override;
  void AfterPasteFromClipboard() override;
  void Compile(const String& AMask) override;
  String GetEmptyString() override { return FMask.EmptyString(); }
  String GetFormattedText(const String& AText, bool AMatchForBlanksAndLiterals = true) override;
  bool IsCursorBegin() override;
  bool IsCursorEnd() override { return CursorPos() >= TextLength(); }
  bool IsFullValidText(const String& AText) override;
  void LMouseDown() override;
  void PrePasteFromClipboard() override;
  bool PressBackSpace() override;
  bool PressDelete() override;
  bool PressEnd() override;
  bool PressHome() override;
  bool PressLeft() override;
  bool PressRight() override;
  bool PressSymbol(Char& ASymbol) override;
  void SetText(const String& AText) override { LMouseDown(); }
  void SynchronizeEditValue() override;
  String GetUpdatedText(const String& AText, bool AMatchForBlanksAndLiterals = true) override;
  // What Delete puts at the 1-based position APos; #0 leaves it as it is.
  virtual Char GetBlank(int APos) { return FMask.Blank(); }

  const TcxStandardMask& Mask() const { return FMask; }

private:
  bool IsLiteralAt(int APos) const { return APos >= 0 && APos < FMask.Count() && FMask.GetItems(APos)->IsLiteral(); }
  // The first position from APos on that is not a literal; APos past the
  // literals when there is none.
  int SkipLiterals(int APos) const;
  // The block caret at APos (a bare caret at the end of the text).
  void PutCaret(int APos);
  void MoveLeft();
  // Blanks the input positions of a real selection, keeping it.
  void BlankSelection();
  bool TrySymbolAt(Char ASymbol, bool AMayRetry);

  TcxStandardMask FMask;
  int FSelStart = 0;
};

// A regular expression matched as the text is typed. Every key is judged
// on the whole text: the part before the caret (the head) is replayed
// through the automaton, the key applied, and the rest (the tail) must
// still match after it; a key that would break the match is refused and
// nothing changes. The text is seen as units: a typed character with the
// characters the expression forces after it (none in this kind).
class TcxMaskEditRegExprMode : public TcxMaskEditCustomMode {
  VCL_CLASS(TcxMaskEditRegExprMode, TcxMaskEditCustomMode)
public:
  TcxMaskEditRegExprMode(TcxCustomMaskEdit* AEdit, TcxCustomMaskEditProperties* AProperties);

  TcxEditMaskKind ModeMaskKind() const override { return emkRegExpr; }
  bool GetPasteText(const String& AText, String& ANewText, int& ACaret) override;
  void Compile(const String& AMask) override;
  String GetEmptyString() override { return String(); }
  String GetFormattedText(const String& AText, bool AMatchForBlanksAndLiterals = true) override;
  void GotoEnd() override { FMouseAction = true; }
  bool IsCursorBegin() override { return CursorPos() == 0; }
  bool IsCursorEnd() override { return CursorPos() >= TextLength(); }
  bool IsFullValidText(const String& AText) override;
  void LMouseDown() override { FMouseAction = true; }
  bool PressBackSpace() override;
  bool PressDelete() override;
  bool PressEnd() override;
  bool PressHome() override;
  bool PressLeft() override;
  bool PressRight() override;
  bool PressSymbol(Char& ASymbol) override;
  void SetText(const String& AText) override;
  void SynchronizeEditValue() override;
  String GetUpdatedText(const String& AText, bool AMatchForBlanksAndLiterals = true) override { return AText; }
  // CaseInsensitive of the active properties goes to the automaton.
  void SetRegExprCaseInsensitive();

protected:
  // The units of the shown text are out of date, or the caret was moved
  // by the mouse or natively.
  virtual bool NeedsResync();
  // Splits the shown text into units again; a bare caret inside a unit
  // goes to the unit's start.
  virtual void Resync();
  // The selection widened to whole units, cut out: FHead before it (fed to
  // the automaton), FSelect what it held, FTail after it.
  virtual void RemoveSelectedText();
  // Forced characters that follow the automaton's state, fed to it.
  virtual String InsertForced() { return String(); }

  // Replays AText from the start; false at the first character refused.
  bool Replay(const String& AText);
  // Types AText after AHead, the automaton standing after AHead: each
  // character taken is followed by the characters forced after it; one
  // that repeats a forced character just inserted (the literals typed or
  // pasted along) is passed over; any other is dropped (ADropRefused) or
  // refuses the whole text.
  bool TypeText(String& AHead, String& AJustForced, const String& AText, bool ADropRefused);
  // FHead + AInsert + FTail as typing makes it, the caret after the
  // inserted part; false when a character or the tail no longer fits.
  bool Join(const String& AInsert, String& ANewText, int& ACaret);
  // Shows ANewText with a bare caret at ACaret.
  void ApplyText(const String& ANewText, int ACaret);
  // Unit boundaries around APos; the leading forced characters are one unit.
  int UnitStartAt(int APos) const;
  int UnitEndAt(int APos) const;
  int PrevBound(int APos) const;
  int NextBound(int APos) const;
  // Where typing goes for a caret at APos: never in front of the leading
  // forced characters.
  int InsertionPoint(int APos) const { return std::max(UnitStartAt(APos), FLead); }
  // The forced characters at the end of the unit that ends at APos.
  String ForcedBefore(int APos) const;

  String FHead;
  TcxRegExpr FRegExpr;
  String FSelect;
  String FTail;
  bool FMouseAction = true;

private:
  bool Refuse();
  void Parse(const String& AText);
  String FParsedText;
  // Unit boundaries of FParsedText, ascending: 0, the end of the leading
  // forced characters, and the end of every unit.
  std::vector<int> FBounds;
  int FLead = 0;
};

// The regular-expression mode that also inserts by itself every literal
// character the expression forces next, and moves and deletes over such
// characters together with the character typed before them.
class TcxMaskEditRegExprExMode : public TcxMaskEditRegExprMode {
  VCL_CLASS(TcxMaskEditRegExprExMode, TcxMaskEditRegExprMode)
public:
  TcxMaskEditRegExprExMode(TcxCustomMaskEdit* AEdit, TcxCustomMaskEditProperties* AProperties);

  TcxEditMaskKind ModeMaskKind() const override { return emkRegExprEx; }
  // The characters forced before anything is typed.
  String GetEmptyString() override;
  bool IsFullValidText(const String& AText) override;

protected:
  String InsertForced() override;

private:
  String FUpdate;
};

// ---------------------------------------------------------------- properties

class TcxCustomMaskEditProperties : public TcxCustomTextEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxCustomMaskEditProperties, TcxCustomTextEditProperties)
public:
  explicit TcxCustomMaskEditProperties(TPersistent* AOwner);
  ~TcxCustomMaskEditProperties() override;

  bool AlwaysShowBlanksAndLiterals() const { return FAlwaysShowBlanksAndLiterals; }
  void SetAlwaysShowBlanksAndLiterals(bool Value);
  bool CaseInsensitive() const { return FCaseInsensitive; }
  // Stays true while CharCase is not normal.
  void SetCaseInsensitive(bool Value);
  // The own mask, or with the standard kind and none, the data's field mask.
  String EditMask();
  // A mask that does not compile raises EcxMaskEditError and the old one stays.
  void SetEditMask(const String& Value);
  bool IgnoreMaskBlank() const { return FIgnoreMaskBlank; }
  void SetIgnoreMaskBlank(bool Value);
  TcxEditMaskKind MaskKind() const { return FMaskKind; }
  void SetMaskKind(TcxEditMaskKind Value);
  bool IsMasked() { return !EmptyMask(EditMask()); }
  // The mode's empty text, as the control last compiled it.
  const String& EmptyString() const { return FEmptyString; }
  void SetCharCase(TEditCharCase Value) override;
  virtual TcxMaskEditModeClass ModeClassForKind(TcxEditMaskKind AKind);

  bool HasLookupData() override { return !IsMasked(); }
  TcxEditSupportedOperations GetSupportedOperations() override;
  TcxEditDisplayFormatOptions DisplayFormatOptions() override;
  bool IsEditValueValid(Variant& EditValue, bool AEditFocused) override;
  void ValidateDisplayValue(Variant& ADisplayValue, String& AErrorText, bool& AError, TcxCustomEdit* AEdit) override;
  TcxCustomEditClass GetContainerClass() const override;

protected:
  friend class TcxCustomMaskEdit;
  void AssignSettings(TcxCustomEditProperties* Source) override;
  void NotifyPropertiesChanged() override;
  void DoPrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue, bool AEditFocused) override;
  void HandleMaxLengthChange() override;

  // A detached mode of the kind, compiled with the mask; null for no mask.
  TcxMaskEditCustomMode* TempMode();

private:
  // The mode that judges the edit's texts: its own, else the detached one.
  TcxMaskEditCustomMode* ValidatingMode(TcxCustomEdit* AEdit);

  bool FAlwaysShowBlanksAndLiterals = false;
  bool FCaseInsensitive = true;
  String FEditMask;
  String FEmptyString;
  bool FIgnoreMaskBlank = false;
  TcxEditMaskKind FMaskKind = emkStandard;
  bool FMaxLengthSetting = false;
  std::unique_ptr<TcxMaskEditCustomMode> FTempMode;
};

class TcxMaskEditProperties : public TcxCustomMaskEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxMaskEditProperties, TcxCustomMaskEditProperties)
public:
  using TcxCustomMaskEditProperties::TcxCustomMaskEditProperties;
};

// ---------------------------------------------------------------- the control

class TcxCustomMaskEdit : public TcxCustomTextEdit {
  VCL_COMPONENT_CLASS(TcxCustomMaskEdit, TcxCustomTextEdit)
public:
  explicit TcxCustomMaskEdit(TComponent* AOwner) : TcxCustomMaskEdit(AOwner, false) {}
  TcxCustomMaskEdit(TComponent* AOwner, bool AIsInplace);
  ~TcxCustomMaskEdit() override;

  TcxCustomMaskEditProperties* ActiveProperties() {
    return static_cast<TcxCustomMaskEditProperties*>(TcxCustomEdit::ActiveProperties());
  }
  TcxCustomMaskEditProperties* Properties() {
    return static_cast<TcxCustomMaskEditProperties*>(InternalProperties());
  }
  // The text shown; written, it goes through the mask and becomes the value.
  String EditText() { return Text(); }
  void SetEditText(const String& Value);
  bool IsMasked() { return ActiveProperties()->IsMasked(); }
  TcxMaskEditCustomMode* Mode() const { return FMode.get(); }

  void CutToClipboard() override;
  void PasteFromClipboard() override;
  void SetSelText(const String& Value) override;
  void ClearSelection() override;

protected:
  friend class TcxMaskEditCustomMode;
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxCustomMaskEditProperties>();
  }
  virtual bool CanSynchronizeModeText() { return true; }
  // May AChar stand at the 1-based position APos; setting AChar to #0
  // refuses it with a beep.
  virtual bool IsCharValidForPos(Char& AChar, int APos) { return true; }
  virtual void ReapplyDisplayValue();
  // Shows a display value through the mask.
  virtual void WriteDisplayValue(const Variant& ADisplayValue);

  void SetInternalDisplayValue(const Variant& Value) override { WriteDisplayValue(Value); }
  void PrepareEditValue(const Variant& ADisplayValue, Variant& AEditValue, bool AEditFocused) override;
  void HandleTextChange() override;
  void HandlePropertiesChanged(TObject* Sender) override;
  bool PrepareSelTextReplacement(const String& AText, String& ANewText, int& ACaret) override;
  void Loaded() override;
  void DoEnter() override;
  void DblClick() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(wchar_t& Key) override;
  void HandleEditKeyDown(uint16_t& Key, TShiftState Shift) override;
  void HandleEditKeyPress(wchar_t& Key) override;
  // The inner control stops and resumes drawing around an update.
  void LockInnerRedraw();
  void UnlockInnerRedraw();

private:
  // The text shown for a display value in the edit's state.
  String MaskedDisplayText(const String& AValue, bool AMatchForBlanksAndLiterals);
  bool IsStandardUnfocused();
  // Sends the inner control a key as if typed, past the edit's handling.
  void SendMyMessage(UINT AMsg, WPARAM AParam);
  // Moves the caret with Ctrl or asks the mode; false drops the key.
  bool HandleArrowKey(uint16_t Key, TShiftState Shift);
  // The mode compiled a mask that is not empty.
  bool ModeMasked() const { return FMode && !EmptyMask(FMode->EditMask()); }
  // A mode of the properties' kind in place of the current one.
  void RecreateMode();
  void CompileMode(const String& AMask);

  bool FInternalTextSelection = false;
  std::unique_ptr<TcxMaskEditCustomMode> FMode;
  bool FMyMessage = false;
  bool FShiftOn = false;
  String FText;
};

// The masked edit.
class TcxMaskEdit : public TcxCustomMaskEdit {
  VCL_COMPONENT_CLASS(TcxMaskEdit, TcxCustomMaskEdit)
public:
  explicit TcxMaskEdit(TComponent* AOwner) : TcxMaskEdit(AOwner, false) {}
  TcxMaskEdit(TComponent* AOwner, bool AIsInplace) : TcxCustomMaskEdit(AOwner, AIsInplace) { InitializeTextEdit(); }
  TcxMaskEditProperties* Properties() { return static_cast<TcxMaskEditProperties*>(InternalProperties()); }
  TcxMaskEditProperties* ActiveProperties() {
    return static_cast<TcxMaskEditProperties*>(TcxCustomEdit::ActiveProperties());
  }

protected:
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxMaskEditProperties>();
  }
};

// ---------------------------------------------------------------- filter rows

// Mask edits in filter rows: a regular expression there is the extended
// kind, and text is selected on entering only without a mask.
class TcxFilterMaskEditHelper : public TcxFilterTextEditHelper {
  VCL_CLASS(TcxFilterMaskEditHelper, TcxFilterTextEditHelper)
public:
  static const TcxFilterMaskEditHelper* Instance();
  TcxCustomEditClass GetFilterEditClass() const override;
  TcxFilterControlOperators GetSupportedFilterOperators(TcxCustomEditProperties* AProperties,
                                                        const IcxFilterValueType* AValueType,
                                                        bool AExtendedSet = false) const override;
  void InitializeProperties(TcxCustomEditProperties* AProperties, TcxCustomEditProperties* AEditProperties,
                            bool AHasButtons) const override;
};

extern const TUnitEntry cxMaskEditUnit;
