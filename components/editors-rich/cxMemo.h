#pragma once
// The memo: the text editor with the platform's multi-line EDIT inside,
// its scroll bars, word wrap, line breaks and tabs, a visible-line count for
// automatic height, and a display text cut to the first line where a cell
// shows it.
#include <memory>

#include "components/editors/cxFilterControlUtils.h"
#include "components/editors/cxTextEdit.h"

class TcxCustomMemo;
class TcxCustomInnerMemo;

// ---------------------------------------------------------------- properties

class TcxCustomMemoProperties : public TcxCustomTextEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxCustomMemoProperties, TcxCustomTextEditProperties)
public:
  explicit TcxCustomMemoProperties(TPersistent* AOwner);

  // The horizontal part of the editor's alignment.
  TAlignment HorzAlignment() { return Alignment()->Horz(); }
  void SetHorzAlignment(TAlignment Value) { Alignment()->SetHorz(Value); }
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value) { SetMemoValue(FScrollBars, Value); }
  int VisibleLineCount() const { return FVisibleLineCount; }
  // Never negative; 0 is not used.
  void SetVisibleLineCount(int Value) { SetMemoValue(FVisibleLineCount, std::max(Value, 0)); }
  bool WantReturns() const { return FWantReturns; }
  void SetWantReturns(bool Value) { SetMemoValue(FWantReturns, Value); }
  bool WantTabs() const { return FWantTabs; }
  void SetWantTabs(bool Value) { SetMemoValue(FWantTabs, Value); }
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value) { SetMemoValue(FWordWrap, Value); }
  // Wrapping applies: on, and no horizontal scroll bar to scroll to.
  bool WrapsLines() const { return FWordWrap && FScrollBars != ssHorizontal && FScrollBars != ssBoth; }

  // Unless AFullText, the first line only, at most 250 characters.
  String GetDisplayText(const Variant& AEditValue, bool AFullText = false, bool AIsInplace = true) override;
  bool GetEditValueSource(bool AEditFocused) override;
  TcxEditSpecialFeatures GetSpecialFeatures() override;
  TcxEditSupportedOperations GetSupportedOperations() override;
  bool InnerEditWantsTabs() override { return FWantTabs; }
  bool IsMultiLineText() override { return true; }
  TcxEditViewInfoClass GetViewInfoClass() const override;
  TcxEditViewDataClass ViewDataClass() const override;
  TcxCustomEditClass GetContainerClass() const override;

protected:
  void AssignSettings(TcxCustomEditProperties* Source) override;
  TcxEditVertAlignment GetDefaultVertAlignment() override { return taTopJustify; }

private:
  template <class T>
  void SetMemoValue(T& AField, const T& AValue) {
    if (AField == AValue) return;
    AField = AValue;
    Changed();
  }
  TScrollStyle FScrollBars = ssNone;
  int FVisibleLineCount = 0;
  bool FWantReturns = true;
  bool FWantTabs = false;
  bool FWordWrap = true;
};

class TcxMemoProperties : public TcxCustomMemoProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxMemoProperties, TcxCustomMemoProperties)
public:
  using TcxCustomMemoProperties::TcxCustomMemoProperties;
};

// ---------------------------------------------------------------- view data and view info

class TcxCustomMemoViewInfo : public TcxCustomTextEditViewInfo {
  VCL_CREATABLE_CLASS(TcxCustomMemoViewInfo, TcxCustomTextEditViewInfo)
};

// Lays the memo's text out in rows: wrapped where the properties wrap,
// tabs expanded, at most VisibleLineCount rows where it is set.
class TcxCustomMemoViewData : public TcxCustomTextEditViewData {
  VCL_CLASS(TcxCustomMemoViewData, TcxCustomTextEditViewData)
public:
  using TcxCustomTextEditViewData::TcxCustomTextEditViewData;
  TcxCustomMemoProperties* Properties() const {
    return static_cast<TcxCustomMemoProperties*>(TcxCustomTextEditViewData::Properties());
  }
  uint32_t GetDrawTextFlags() override;
  TRect GetDrawTextOffset() override;
  TSize GetEditContentSizeCorrection() override;

protected:
  TSize MeasureEditContent(TcxCanvas* ACanvas, const Variant& AEditValue,
                           const TcxEditSizeProperties& AEditSizeProperties) override;
  int GetLineCountLimit() override;
};

// ---------------------------------------------------------------- the inner memo

// The text of a memo by its hard line breaks (a wrapped line is one line).
class TcxMemoLines : public TStrings {
  VCL_CLASS(TcxMemoLines, TStrings)
public:
  explicit TcxMemoLines(TcxCustomInnerMemo* AMemo) : FMemo(AMemo) {}
  int Count() const override;
  void Insert(int Index, const String& S) override;
  void Delete(int Index) override;
  void Clear() override;

protected:
  String Get(int Index) const override;
  void Put(int Index, const String& S) override;

private:
  std::vector<String> Split() const;
  void Join(const std::vector<String>& ALines);
  TcxCustomInnerMemo* FMemo;
};

// The platform's multi-line EDIT inside a memo: Enter and Tab typed as the
// memo's settings allow, the native scroll bars and word wrap, line breaks
// of pasted text made whole.
class TcxCustomInnerMemo : public TcxCustomInnerTextEdit {
  VCL_COMPONENT_CLASS(TcxCustomInnerMemo, TcxCustomInnerTextEdit)
public:
  explicit TcxCustomInnerMemo(TComponent* AOwner);
  ~TcxCustomInnerMemo() override;
  TcxCustomMemo* Memo() const;

  TcxMemoLines* Lines() const { return FLines.get(); }
  // Column and line of the caret.
  TPoint CaretPos();
  // An empty selection at the column of the line.
  void SetCaretPos(const TPoint& Value);
  TScrollStyle ScrollBars() const { return FScrollBars; }
  // Both recreate the window (the platform fixes them at creation).
  void SetScrollBars(TScrollStyle Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  bool WantReturns() const { return FWantReturns; }
  void SetWantReturns(bool Value) { FWantReturns = Value; }
  bool WantTabs() const { return FWantTabs; }
  void SetWantTabs(bool Value) { FWantTabs = Value; }

protected:
  void CreateParams(TCreateParams& Params) override;
  void AdjustMargins() override;
  void KeyPress(wchar_t& Key) override;
  void WndProc(TMessage& Message) override;

private:
  void HandleDialogCode(TMessage& Message);
  void ReplaceSelection(TMessage& Message);

  std::unique_ptr<TcxMemoLines> FLines;
  TScrollStyle FScrollBars = ssNone;
  bool FWordWrap = true;
  bool FWantReturns = true;
  bool FWantTabs = false;
};

// What a memo reaches its inner memo through: always multi-line, no echo,
// aligned natively.
class TcxCustomInnerMemoHelper : public TcxCustomInnerTextEditHelper {
  VCL_CLASS(TcxCustomInnerMemoHelper, TcxCustomInnerTextEditHelper)
public:
  using TcxCustomInnerTextEditHelper::TcxCustomInnerTextEditHelper;
  TcxEditEchoMode GetEchoMode() override { return eemNormal; }
  Char GetImeLastChar() override { return 0; }
  bool GetMultiLine() override { return true; }
  Char GetPasswordChar() override { return 0; }
  bool GetUseLeftAlignmentOnEditing() override { return false; }
  void SetEchoMode(TcxEditEchoMode) override {}
  void SetPasswordChar(Char) override {}
  void SetUseLeftAlignmentOnEditing(bool) override {}
};

// ---------------------------------------------------------------- the memo

class TcxCustomMemo : public TcxCustomTextEdit {
  VCL_COMPONENT_CLASS(TcxCustomMemo, TcxCustomTextEdit)
public:
  explicit TcxCustomMemo(TComponent* AOwner) : TcxCustomMemo(AOwner, false) {}
  TcxCustomMemo(TComponent* AOwner, bool AIsInplace);

  TcxCustomMemoProperties* ActiveProperties() {
    return static_cast<TcxCustomMemoProperties*>(TcxCustomEdit::ActiveProperties());
  }
  TcxCustomMemoProperties* Properties() { return static_cast<TcxCustomMemoProperties*>(InternalProperties()); }
  TcxCustomInnerMemo* InnerMemo();
  TPoint CaretPos();
  void SetCaretPos(const TPoint& Value);
  TStrings* Lines();
  void SetLines(TStrings* Value) { Lines()->Assign(Value); }

  // Enter with WantReturns or Ctrl; Tab when ATabAllowed or WantTabs.
  virtual bool IsMemoEditingKey(uint16_t Key, TShiftState Shift, bool ATabAllowed);

protected:
  friend class TcxCustomInnerMemo;
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxCustomMemoProperties>();
  }
  TcxClassFactory<TcxCustomInnerTextEdit, TComponent*> GetInnerEditClass() const override {
    return TcxClassFactory<TcxCustomInnerTextEdit, TComponent*>::Of<TcxCustomInnerMemo>();
  }
  bool IsEditClass() override { return true; }
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void HandleEditKeyDown(uint16_t& Key, TShiftState Shift) override;
  bool IsEditingChar(wchar_t AChar) override;
  bool WantsTabKey() override;
  bool ForwardsActivationKey(wchar_t AKey) override { return AKey != L'\r'; }
  void HandlePropertiesChanged(TObject* Sender) override;
  void AdjustInnerEditPosition() override;
};

class TcxMemo : public TcxCustomMemo {
  VCL_COMPONENT_CLASS(TcxMemo, TcxCustomMemo)
public:
  explicit TcxMemo(TComponent* AOwner) : TcxMemo(AOwner, false) {}
  TcxMemo(TComponent* AOwner, bool AIsInplace) : TcxCustomMemo(AOwner, AIsInplace) { InitializeTextEdit(); }
  TcxMemoProperties* Properties() { return static_cast<TcxMemoProperties*>(InternalProperties()); }
  TcxMemoProperties* ActiveProperties() {
    return static_cast<TcxMemoProperties*>(TcxCustomEdit::ActiveProperties());
  }

protected:
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxMemoProperties>();
  }
};

// A memo filter row offers text matching and blanks only.
class TcxFilterMemoHelper : public TcxFilterTextEditHelper {
  VCL_CLASS(TcxFilterMemoHelper, TcxFilterTextEditHelper)
public:
  static const TcxFilterMemoHelper* Instance();
  TcxFilterControlOperators GetSupportedFilterOperators(TcxCustomEditProperties* AProperties,
                                                        const IcxFilterValueType* AValueType,
                                                        bool AExtendedSet = false) const override;
};

// Registers the memo's properties and its filter helper.
extern const TUnitEntry cxMemoUnit;
