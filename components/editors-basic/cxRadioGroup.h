#pragma once
// The radio button (standalone, in groups by GroupIndex) and the radio
// group: a button group whose edit value is the value of its checked item.
#include <memory>

#include "components/editors-basic/cxGroupBox.h"
#include "components/lookandfeel/cxLookAndFeels.h"
#include "components/lookandfeel/dxFading.h"

enum class TcxRadioButtonState { rbsDisabled, rbsHot, rbsNormal, rbsPressed };
using enum TcxRadioButtonState;

class TcxRadioButton;

// Fades a radio button's glyph between its normal and its hot look.
class TcxRadioButtonFadingHelper : public TdxFadingObjectHelper {
  VCL_CLASS(TcxRadioButtonFadingHelper, TdxFadingObjectHelper)
public:
  explicit TcxRadioButtonFadingHelper(TcxRadioButton* AButton) : FButton(AButton) {}
  bool IsFadingAllowed() override;
  void RepaintFadeFrame() override;
  void PrepareFadeImages(TBitmap*& AFadeOutImage, TBitmap*& AFadeInImage) override;

private:
  TcxRadioButton* FButton;
};

// The platform's button window, owner-drawn through the look's painters;
// it keeps its checked state itself.
class TcxRadioButton : public TWinControl {
  VCL_COMPONENT_CLASS(TcxRadioButton, TWinControl)
  VCL_PUBLISHED(TcxRadioButton)
public:
  explicit TcxRadioButton(TComponent* AOwner);
  ~TcxRadioButton() override;

  // taRightJustify: the caption right of the glyph.
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  bool Checked() const { return FChecked; }
  // A button that becomes checked unchecks its siblings of the same
  // GroupIndex, then clicks (unless clicks are disabled).
  virtual void SetChecked(bool Value);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value) { FGroupIndex = Value; }
  TcxLookAndFeel* LookAndFeel() const { return FLookAndFeel.get(); }
  // Only a popup-menu component is kept; anything else reads back null.
  TComponent* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TComponent* Value);
  bool ShowEndEllipsis() const { return FShowEndEllipsis; }
  void SetShowEndEllipsis(bool Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  TcxRadioButtonState State() const { return FState; }
  int Column() const { return FColumn; }
  int Row() const { return FRow; }
  void SetPosition(int AColumn, int ARow) {
    FColumn = AColumn;
    FRow = ARow;
  }

  TRect GetGlyphRect();
  TRect GetTextRect();
  TcxRadioButtonFadingHelper* FadingHelper() const { return FFadingHelper.get(); }
  // Draws the whole button into ACanvas (the window's paint uses it too).
  void DrawButton(TcxCanvas* ACanvas, bool AFocusOnly);

protected:
  friend class TcxRadioButtonFadingHelper;
  void CreateParams(TCreateParams& Params) override;
  void InitializeWindow() override;
  void WndProc(TMessage& Message) override;
  void DoEnter() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void DoContextPopup(const TPoint& MousePos, bool& Handled) override;
  std::unique_ptr<TActionLink> CreateActionLink() override;
  // The button takes the action's GroupIndex (while loading only over a
  // GroupIndex of 0), then its Checked (while loading only into an
  // unchecked button), without a click.
  void ActionChange(TObject* Sender, bool CheckDefaults) override;
  bool ClicksDisabled() const { return FClicksDisabled; }
  void SetClicksDisabled(bool Value) { FClicksDisabled = Value; }

  virtual void AdjustTextRect(TRect& R, bool ANativeStyle);
  virtual bool IsInplace() { return false; }
  virtual bool IsNativeBackground();
  virtual bool IsNativeStyle();
  virtual bool IsTransparentBackground() { return FTransparent && !IsInplace(); }
  virtual bool IsParentBackgroundVisible() { return IsNativeBackground() || IsTransparentBackground(); }
  virtual TFont* CaptionFont() { return Font(); }
  virtual bool IsGroupButton() { return false; }
  // The click of the platform's button: checks the button when allowed.
  virtual void HandleButtonClick();
  virtual void DrawBackground(TcxCanvas* ACanvas);
  virtual void DrawParentBackground(TcxCanvas* ACanvas);
  virtual void DrawGlyph(TcxCanvas* ACanvas, TcxRadioButtonState AState);
  virtual void DrawCaption(TcxCanvas* ACanvas, bool ANativeStyle);
  void CalculateState(TShiftState AShift, const TPoint& P);
  TcxCustomLookAndFeelPainter* Painter() { return FLookAndFeel->GetAvailablePainter(totButton); }

private:
  friend class TcxRadioButtonActionLink;
  void SetCheckedWithoutClick(bool Value);
  int CaptionFlags() const;
  void SetState(TcxRadioButtonState Value);
  // Normal to hot fades in, hot to normal fades out; any other change
  // stops a fade.
  void StateChanged(TcxRadioButtonState APrevState, TcxRadioButtonState ANewState);
  void InvalidateGlyph();
  void CalculateStateFromCursor();
  void HandleDrawItem(const DRAWITEMSTRUCT& AItem);
  void HandleContextMenu(TMessage& Message);

  TAlignment FAlignment = taRightJustify;
  bool FChecked = false;
  std::unique_ptr<TcxRadioButtonFadingHelper> FFadingHelper;
  bool FClicksDisabled = false;
  int FColumn = 0;
  int FGroupIndex = 0;
  std::unique_ptr<TcxLookAndFeel> FLookAndFeel;
  TComponent* FPopupMenu = nullptr;
  int FRow = 0;
  bool FShowEndEllipsis = false;
  TcxRadioButtonState FState = rbsNormal;
  bool FTransparent = false;
  bool FWordWrap = false;
};

// Links a radio button to an action: the button follows the action's
// Checked and GroupIndex while it agrees with them.
class TcxRadioButtonActionLink : public TActionLink {
  VCL_CLASS(TcxRadioButtonActionLink, TActionLink)
public:
  explicit TcxRadioButtonActionLink(TcxRadioButton* AClient) : FClient(AClient) {}
  bool IsCheckedLinked() override;
  bool IsGroupIndexLinked() override;
  void SetChecked(bool Value) override;
  void SetGroupIndex(int Value) override;

private:
  TcxRadioButton* FClient;
};

// ---------------------------------------------------------------- radio group

class TcxRadioGroupItem : public TcxButtonGroupItem {
  VCL_COLLECTION_ITEM_CLASS(TcxRadioGroupItem, TcxButtonGroupItem)
  VCL_PUBLISHED(TcxRadioGroupItem)
public:
  explicit TcxRadioGroupItem(TCollection* ACollection) : TcxButtonGroupItem(ACollection) {}
  void Assign(TPersistent* Source) override;
  const Variant& Value() const { return FValue; }
  void SetValue(const Variant& Value);

private:
  Variant FValue = Null();
};

class TcxRadioGroupItems : public TcxButtonGroupItems {
  VCL_CLASS(TcxRadioGroupItems, TcxButtonGroupItems)
public:
  using TcxButtonGroupItems::TcxButtonGroupItems;
  TcxRadioGroupItem* Add() { return static_cast<TcxRadioGroupItem*>(TCollection::Add()); }
  TcxRadioGroupItem* Items(int AIndex) const {
    return static_cast<TcxRadioGroupItem*>(TcxButtonGroupItems::Items(AIndex));
  }
};

class TcxCustomRadioGroupProperties : public TcxCustomButtonGroupProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxCustomRadioGroupProperties, TcxCustomButtonGroupProperties)
  VCL_PUBLISHED(TcxCustomRadioGroupProperties)
public:
  explicit TcxCustomRadioGroupProperties(TPersistent* AOwner);

  TcxRadioGroupItems* Items() { return static_cast<TcxRadioGroupItems*>(TcxCustomButtonGroupProperties::Items()); }
  const String& DefaultCaption() const { return FDefaultCaption; }
  void SetDefaultCaption(const String& Value);
  bool IsDefaultCaptionStored() const;
  const Variant& DefaultValue() const { return FDefaultValue; }
  void SetDefaultValue(const Variant& Value);

  // The value checking item AIndex gives the edit: DefaultValue for -1;
  // the item's Value, else its Caption when not empty, else AIndex. The
  // edit and the filter row both use this one rule.
  Variant ValueOfItem(int AIndex);
  // The lowest item whose value equals AEditValue; -1 for none.
  int GetRadioGroupItemIndex(const Variant& AEditValue);

  int GetUsedColumnCount() override;
  TcxCustomEditClass GetContainerClass() const override;
  TcxEditViewInfoClass GetViewInfoClass() const override;
  TcxEditViewDataClass ViewDataClass() const override;
  bool IsResetEditClass() override { return true; }
  TcxEditSpecialFeatures GetSpecialFeatures() override;
  TcxEditSupportedOperations GetSupportedOperations() override;
  void PrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue, bool AEditFocused) override;
  String GetDisplayText(const Variant& AEditValue, bool AFullText = false, bool AIsInplace = true) override;
  bool CompareDisplayValues(const Variant& AEditValue1, const Variant& AEditValue2) override;

protected:
  std::unique_ptr<TcxButtonGroupItems> CreateItemCollection() override;
  void AssignSettings(TcxCustomEditProperties* Source) override;

private:
  String FDefaultCaption;
  Variant FDefaultValue = Null();
};

class TcxRadioGroupProperties : public TcxCustomRadioGroupProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxRadioGroupProperties, TcxCustomRadioGroupProperties)
public:
  using TcxCustomRadioGroupProperties::TcxCustomRadioGroupProperties;
};

class TcxRadioGroupButtonViewInfo : public TcxGroupBoxButtonViewInfo {
  VCL_CLASS(TcxRadioGroupButtonViewInfo, TcxGroupBoxButtonViewInfo)
public:
  TRect GetGlyphRect(const TSize& AGlyphSize, TAlignment AAlignment, bool AIsPaintCopy) override;
};

class TcxCustomRadioGroupViewInfo : public TcxButtonGroupViewInfo {
  VCL_CREATABLE_CLASS(TcxCustomRadioGroupViewInfo, TcxButtonGroupViewInfo)
public:
  int ItemIndex = -1;

protected:
  TcxClassFactory<TcxEditButtonViewInfo> ButtonViewInfoClass() const override {
    return TcxClassFactory<TcxEditButtonViewInfo>::Of<TcxRadioGroupButtonViewInfo>();
  }
  void DrawButtonCaption(TcxCanvas* ACanvas, TcxGroupBoxButtonViewInfo* AButtonViewInfo,
                         const TRect& AGlyphRect) override;
  void DrawButtonGlyph(TcxCanvas* ACanvas, TcxGroupBoxButtonViewInfo* AButtonViewInfo,
                       const TRect& AGlyphRect) override;
  bool IsButtonGlyphTransparent(TcxGroupBoxButtonViewInfo* AButtonViewInfo) override;
};

class TcxCustomRadioGroupViewData : public TcxButtonGroupViewData {
  VCL_CLASS(TcxCustomRadioGroupViewData, TcxButtonGroupViewData)
public:
  using TcxButtonGroupViewData::TcxButtonGroupViewData;
  TcxCustomRadioGroupProperties* Properties() const {
    return static_cast<TcxCustomRadioGroupProperties*>(TcxButtonGroupViewData::Properties());
  }
  void Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P, TcxMouseButton Button, TShiftState Shift,
                 TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent) override;
  void EditValueToDrawValue(const Variant& AEditValue, TcxCustomEditViewInfo* AViewInfo) override;

protected:
  void GetButtonMetrics(bool AMeasure, TcxCanvas* ACanvas, TcxButtonGroupMetrics& AMetrics) override;
  HTHEME ButtonThemeHandle(TcxEditButtonViewInfo* AButtonViewInfo) override;
  void ComputeButtonThemePart(HTHEME ATheme, TcxEditButtonViewInfo* AButtonViewInfo) override;

private:
  TcxCustomLookAndFeelPainter* ButtonPainter() { return Style()->LookAndFeel()->GetAvailablePainter(totButton); }
  int FItemIndex = -1;
};

class TcxCustomRadioGroup;

// One item's radio button inside a radio group: its looks come from the
// group, and checking it goes through the group's editing rules.
class TcxCustomRadioGroupButton : public TcxRadioButton {
  VCL_CLASS(TcxCustomRadioGroupButton, TcxRadioButton)
public:
  explicit TcxCustomRadioGroupButton(TcxCustomRadioGroup* AGroup);
  TcxCustomRadioGroup* Group() const { return FGroup; }
  void SetChecked(bool Value) override;
  // Checked set by the group: the group is not told again.
  void SetCheckedInternally(bool Value);

protected:
  void WndProc(TMessage& Message) override;
  void DoEnter() override;
  void DoExit() override;
  void KeyPress(wchar_t& Key) override;
  void HandleButtonClick() override;
  bool IsInplace() override;
  bool IsNativeStyle() override;
  bool IsTransparentBackground() override;
  TFont* CaptionFont() override;
  bool IsGroupButton() override { return true; }

private:
  TcxCustomRadioGroup* FGroup;
  bool FFocusingByMouse = false;
  bool FInternalSettingChecked = false;
  bool FIsClickLocked = false;
};

class TcxCustomRadioGroup : public TcxCustomButtonGroup {
  VCL_COMPONENT_CLASS(TcxCustomRadioGroup, TcxCustomButtonGroup)
public:
  explicit TcxCustomRadioGroup(TComponent* AOwner) : TcxCustomRadioGroup(AOwner, false) {}
  TcxCustomRadioGroup(TComponent* AOwner, bool AIsInplace);

  TcxCustomRadioGroupProperties* ActiveProperties() {
    return static_cast<TcxCustomRadioGroupProperties*>(TcxCustomEdit::ActiveProperties());
  }
  TcxCustomRadioGroupProperties* Properties() {
    return static_cast<TcxCustomRadioGroupProperties*>(InternalProperties());
  }
  TcxCustomRadioGroupButton* GetButton(int AIndex) const {
    return static_cast<TcxCustomRadioGroupButton*>(Buttons(AIndex));
  }
  // The checked item; -1 for none. A value below -1 counts as -1, one
  // past the last item as the last. While the group loads or updates, the
  // index is only remembered, and checked when that ends.
  int ItemIndex();
  void SetItemIndex(int Value);
  void Clear() { SetItemIndex(-1); }
  void SetFocus() override;
  void GetTabOrderList(std::vector<TWinControl*>& List) override;
  bool CanModify() override { return TcxCustomButtonGroup::CanModify(); }

  // A child button became checked other than through the group.
  void ButtonChecked(TcxCustomRadioGroupButton* AButton);

protected:
  friend class TcxCustomRadioGroupButton;
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxRadioGroupProperties>();
  }
  TWinControl* CreateButton() override;
  void UpdateButtons() override;
  void UpdateButtonBounds() override;
  void StoreEditValue(const Variant& Value, bool AFlag) override;
  void PrepareEditValue(const Variant& ADisplayValue, Variant& EditValue);
  void Loaded() override;
  void Updating() override;
  void Updated() override;
  bool WantsTabKey() override { return false; }
  int CheckedButtonIndex();

private:
  void InternalStoreEditValue(const Variant& Value, bool AFlag, bool AFromButton);
  bool IsLoadingOrUpdating() const;
  // The remembered index checked, silently, unless a data storage gives
  // the value.
  void ApplyLoadedItemIndex();
  bool FIsButtonChecking = false;
  int FLoadedItemIndex = -1;
};

class TcxRadioGroup : public TcxCustomRadioGroup {
  VCL_COMPONENT_CLASS(TcxRadioGroup, TcxCustomRadioGroup)
  // A form stores the checked item, not the edit value.
  VCL_PUBLISHED(TcxRadioGroup)
public:
  using TcxCustomRadioGroup::TcxCustomRadioGroup;
};

// Filter rows choose a radio group column's value from the items'
// captions; no choice gives the group's default value.
class TcxFilterRadioGroupHelper : public TcxFilterComboBoxHelper {
  VCL_CLASS(TcxFilterRadioGroupHelper, TcxFilterComboBoxHelper)
public:
  static const TcxFilterRadioGroupHelper* Instance();
  void GetFilterValue(TcxCustomEdit* AEdit, TcxCustomEditProperties* AEditProperties, Variant& V,
                      String& S) const override;
  TcxFilterControlOperators GetSupportedFilterOperators(TcxCustomEditProperties* AProperties,
                                                        const IcxFilterValueType* AValueType,
                                                        bool AExtendedSet = false) const override;
  void InitializeProperties(TcxCustomEditProperties* AProperties, TcxCustomEditProperties* AEditProperties,
                            bool AHasButtons) const override;
  void SetFilterValue(TcxCustomEdit* AEdit, TcxCustomEditProperties* AEditProperties,
                      const Variant& AValue) const override;
  bool UseDisplayValue() const override { return true; }
};

extern const TUnitEntry cxRadioGroupUnit;
