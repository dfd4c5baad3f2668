#pragma once
// The check box editor: an edit value that is one of three state values,
// shown as a check image (the look's own drawing, the theme's check box or
// a glyph strip of the properties) and a caption; with the check painting
// routines the group boxes share.
#include <array>
#include <memory>
#include <vector>

#include "components/core/cxClasses.h"
#include "components/editors/cxDropDownEdit.h"
#include "components/editors/cxEdit.h"
#include "vcl/classes/TypInfo.h"
#include "vcl/controls/ActnList.h"

enum class TcxCheckBoxNullValueShowingStyle { nssUnchecked, nssInactive, nssGrayedChecked };
using enum TcxCheckBoxNullValueShowingStyle;

// ---------------------------------------------------------------- check painting

// The image of a state in a glyph strip of AGlyphCount images: unchecked,
// checked, grayed, then their pressed forms (two states a row when the
// strip cannot hold three).
int cxCheckGlyphIndex(TcxCheckBoxState AState, TcxEditCheckState AEditCheckState, bool ASupportGrayed,
                      int AGlyphCount);
bool cxHasCheckGlyph(TBitmap* AGlyph, int AGlyphCount);
// The margin between the check rectangle and the drawn check frame.
int cxCheckFrameMargin(TcxEditBorderStyle ABorderStyle, bool ANativeStyle, bool AHasGlyph,
                       TcxCustomLookAndFeelPainter* APainter);
// The button theme's check box part, and its state of a check.
constexpr int cxThemedCheckBoxPart = 3;
int cxThemedCheckStateId(TcxCheckBoxState AState, TcxEditCheckState AEditCheckState);
// One image of the glyph strip, else the painter's check size, else the
// native or the standard look's.
TSize cxMeasureCheck(TcxCanvas* ACanvas, bool ANativeStyle, TBitmap* AGlyph, TcxCustomLookAndFeelPainter* APainter,
                     int AGlyphCount);
// One check image into ARect: the glyph strip's, the painter's (skins), the
// theme's, or the own drawing by the border style.
void cxPaintCheck(TcxCanvas* ACanvas, const TRect& ARect, TcxCheckBoxState AState, TcxEditCheckState AEditCheckState,
                  TBitmap* AGlyph, int AGlyphCount, TcxEditBorderStyle ABorderStyle, bool ANativeStyle,
                  TColor ABorderColor, TColor ABackgroundColor, bool ADrawBackground, bool AIsDesigning,
                  bool AFocused, bool ASupportGrayed, TcxCustomLookAndFeelPainter* APainter,
                  TcxCheckBoxNullValueShowingStyle ANullValueShowingStyle);
// Frees the check-mark mask the flat looks stamp, made from the platform's
// drawing of a check box when first stamped.
void cxFreeCheckMarkMask();
// The hovered look of a check's border style.
TcxEditBorderStyle cxCheckBoxHotBorderStyle(TcxEditBorderStyle ABorderStyle, TcxContainerHotState AHotState);

// ---------------------------------------------------------------- caption items

// A captioned item of the group boxes' item lists.
class TcxCaptionItem : public TCollectionItem {
  VCL_COLLECTION_ITEM_CLASS(TcxCaptionItem, TCollectionItem)
  VCL_PUBLISHED(TcxCaptionItem)
public:
  explicit TcxCaptionItem(TCollection* ACollection) : TCollectionItem(ACollection) {}
  void Assign(TPersistent* Source) override;
  const String& Caption() const { return FCaption; }
  // A sorted collection re-sorts; otherwise the item reports its change.
  void SetCaption(const String& Value);
  intptr_t Tag() const { return FTag; }
  void SetTag(intptr_t Value) { FTag = Value; }

private:
  String FCaption;
  intptr_t FTag = 0;
};

// Sorted, the items are ordered by caption, case-insensitively in the
// locale's order.
class TcxCaptionItems : public TcxOwnedInterfacedCollection {
  VCL_CLASS(TcxCaptionItems, TcxOwnedInterfacedCollection)
public:
  using TcxOwnedInterfacedCollection::TcxOwnedInterfacedCollection;
  TcxCaptionItem* Items(int AIndex) const { return static_cast<TcxCaptionItem*>(TCollection::Items(AIndex)); }

protected:
  int CompareItemOrder(TCollectionItem* AItem1, TCollectionItem* AItem2) override;
};

// ---------------------------------------------------------------- properties

class TcxCustomCheckBoxProperties : public TcxCustomEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxCustomCheckBoxProperties, TcxCustomEditProperties)
  VCL_PUBLISHED(TcxCustomCheckBoxProperties)
public:
  explicit TcxCustomCheckBoxProperties(TPersistent* AOwner);
  ~TcxCustomCheckBoxProperties() override;

  // The glyph strip, made empty on first use.
  virtual TBitmap* EnsureGlyph();
  virtual bool IsStandaloneLayoutInplace() { return false; }
  TcxCheckBoxState StateOfValue(const Variant& AEditValue);
  Variant ValueOfState(TcxCheckBoxState AState);
  // All three at once; raises EcxEditError, changing nothing, when two are
  // equal or the checked or unchecked value is Null.
  void AssignStateValues(const Variant& AChecked, const Variant& AGrayed, const Variant& AUnchecked);

  TcxEditViewDataClass ViewDataClass() const override;
  TcxEditViewInfoClass GetViewInfoClass() const override;
  TcxCustomEditClass GetContainerClass() const override;
  TcxEditStyleClass GetStyleClass() const override;
  bool SupportsValidation() override { return true; }
  bool CanCompareEditValue() override { return true; }
  bool CompareDisplayValues(const Variant& AEditValue1, const Variant& AEditValue2) override;
  String GetDisplayText(const Variant& AEditValue, bool AFullText = false, bool AIsInplace = true) override;
  TcxEditSpecialFeatures GetSpecialFeatures() override;
  TcxEditSupportedOperations GetSupportedOperations() override;
  bool IsActivationKey(Char AKey) override { return AKey == L' '; }
  bool IsEditValueValid(Variant& EditValue, bool AEditFocused) override;
  bool IsResetEditClass() override { return true; }
  void PrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue, bool AEditFocused) override;

  TAlignment CaptionAlignment() { return Alignment()->Horz(); }
  void SetCaptionAlignment(TAlignment Value) { Alignment()->SetHorz(Value); }
  bool AllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool Value) { SetChanging(FAllowGrayed, Value); }
  // A caption of an old stream waits here for the control.
  String Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  bool IsCaptionAssigned() const { return FIsCaptionAssigned; }
  String TakeCaption();
  // The state's display text differs from the default one.
  bool IsDisplayTextAssigned(TcxCheckBoxState AState) const {
    return FIsDisplayCheckStateAssigned[static_cast<int>(AState)];
  }
  String DisplayChecked() { return DisplayText(cbsChecked); }
  void SetDisplayChecked(const String& Value) { SetDisplayText(cbsChecked, Value); }
  String DisplayGrayed() { return DisplayText(cbsGrayed); }
  void SetDisplayGrayed(const String& Value) { SetDisplayText(cbsGrayed, Value); }
  String DisplayUnchecked() { return DisplayText(cbsUnchecked); }
  void SetDisplayUnchecked(const String& Value) { SetDisplayText(cbsUnchecked, Value); }
  bool FullFocusRect() const { return FFullFocusRect; }
  void SetFullFocusRect(bool Value) { SetChanging(FFullFocusRect, Value); }
  TBitmap* Glyph() const { return FGlyph.get(); }
  // Copies the bitmap; null frees the strip.
  void SetGlyph(TBitmap* Value);
  int GlyphCount() const { return FGlyphCount; }
  void SetGlyphCount(int Value);
  bool MultiLine() const { return FMultiLine; }
  void SetMultiLine(bool Value) { SetChanging(FMultiLine, Value); }
  TcxCheckBoxNullValueShowingStyle NullStyle() const { return FNullStyle; }
  void SetNullStyle(TcxCheckBoxNullValueShowingStyle Value) { SetChanging(FNullStyle, Value); }
  bool ShowEndEllipsis() const { return FShowEndEllipsis; }
  void SetShowEndEllipsis(bool Value) { SetChanging(FShowEndEllipsis, Value); }
  bool UseAlignmentWhenInplace() const { return FUseAlignmentWhenInplace; }
  void SetUseAlignmentWhenInplace(bool Value) { SetChanging(FUseAlignmentWhenInplace, Value); }
  // While the owner loads, each value is taken as it comes (a stream sets
  // them one at a time); CheckStateValues then checks the three.
  const Variant& ValueChecked() const { return FValueChecked; }
  void SetValueChecked(const Variant& Value);
  const Variant& ValueGrayed() const { return FValueGrayed; }
  void SetValueGrayed(const Variant& Value);
  const Variant& ValueUnchecked() const { return FValueUnchecked; }
  void SetValueUnchecked(const Variant& Value);
  // Raises EcxEditError when two state values are equal or the checked or
  // unchecked value is Null.
  void CheckStateValues() const;

protected:
  void AssignSettings(TcxCustomEditProperties* Source) override;
  // The caption of old streams is read, never written.
  void DefineProperties(TFiler* Filer) override;

private:
  template <class T>
  void SetChanging(T& AField, const T& AValue) {
    if (AField == AValue) return;
    AField = AValue;
    Changed();
  }
  String DisplayText(TcxCheckBoxState AState);
  bool IsOwnerLoading() const;
  void SetStateValue(Variant& AField, const Variant& AValue);
  void SetDisplayText(TcxCheckBoxState AState, const String& Value);

  bool FAllowGrayed = false;
  String FCaption;
  std::array<String, 3> FDisplayCheckState;
  bool FFullFocusRect = false;
  std::unique_ptr<TBitmap> FGlyph;
  int FGlyphCount = 6;
  bool FIsCaptionAssigned = false;
  std::array<bool, 3> FIsDisplayCheckStateAssigned{};
  bool FMultiLine = false;
  TcxCheckBoxNullValueShowingStyle FNullStyle = nssGrayedChecked;
  bool FShowEndEllipsis = false;
  bool FUseAlignmentWhenInplace = false;
  Variant FValueChecked = Variant(true);
  Variant FValueGrayed = Null();
  Variant FValueUnchecked = Variant(false);
};

class TcxCheckBoxProperties : public TcxCustomCheckBoxProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxCheckBoxProperties, TcxCustomCheckBoxProperties)
public:
  using TcxCustomCheckBoxProperties::TcxCustomCheckBoxProperties;
};

// ---------------------------------------------------------------- style, view info and view data

class TcxCheckBoxStyle : public TcxEditStyle {
  VCL_CLASS(TcxCheckBoxStyle, TcxEditStyle)
public:
  using TcxEditStyle::TcxEditStyle;
};

class TcxCustomCheckBoxViewInfo;

// Fades a check between its normal and its hot look; the group-box family
// fades its checks through descendants of it.
class TcxCustomCheckControlFadingHelper : public TcxCustomEditFadingHelper {
  VCL_CLASS(TcxCustomCheckControlFadingHelper, TcxCustomEditFadingHelper)
public:
  explicit TcxCustomCheckControlFadingHelper(TcxCustomCheckBoxViewInfo* AViewInfo) : FViewInfo(AViewInfo) {}
  TcxCustomCheckBoxViewInfo* ViewInfo() const { return FViewInfo; }
  TcxEditCheckState State() const { return FState; }
  TcxCustomEditViewInfo* EditViewInfo() override;
  // Starts or stops a fade when the check's state changed since the last
  // layout.
  void UpdateState();

protected:
  TcxEditCheckState FState = ecsNormal;
  TcxCustomCheckBoxViewInfo* FViewInfo;
};

class TcxCheckBoxFadingHelper : public TcxCustomCheckControlFadingHelper {
  VCL_CLASS(TcxCheckBoxFadingHelper, TcxCustomCheckControlFadingHelper)
public:
  using TcxCustomCheckControlFadingHelper::TcxCustomCheckControlFadingHelper;
  bool IsFadingAllowed() override;
  void Invalidate() override;
  void RepaintFadeFrame() override { Invalidate(); }
  // The check in its normal and its hot look, in CheckBoxRect's size.
  void PrepareFadeImages(TBitmap*& AFadeOutImage, TBitmap*& AFadeInImage) override;
};

class TcxCustomCheckBoxViewInfo : public TcxCustomEditViewInfo {
  VCL_CREATABLE_CLASS(TcxCustomCheckBoxViewInfo, TcxCustomEditViewInfo)
public:
  // Made on first use through CreateFadingHelper.
  TcxCustomCheckControlFadingHelper* FadingHelper();
  void Assign(TObject* Source) override;
  void Offset(int DX, int DY) override;
  TcxRegion* GetUpdateRegion(TcxContainerViewInfo* AViewInfo) override;
  bool IsHotTrack() override { return true; }
  bool IsHotTrack(const TPoint&) override { return true; }
  bool NeedShowHint(TcxCanvas*, const TPoint&, const TRect&, String&, bool&, TRect&, int = 0) override {
    return false;
  }
  bool Repaint(TWinControl* AControl, const TRect& AInnerEditRect, TcxContainerViewInfo* AViewInfo) override;
  // The check as painted now (the fade images use it too).
  void PaintCheck(TcxCanvas* ACanvas, TcxEditCheckState AEditCheckState);

  TAlignment Alignment = taLeftJustify;
  String Caption;
  int CheckBorderOffset = 0;
  TcxEditBorderStyle CheckBoxBorderStyle = ebsNone;
  TBitmap* CheckBoxGlyph = nullptr;
  int CheckBoxGlyphCount = 0;
  TcxEditCheckState CheckBoxLastState = ecsNormal;
  TRect CheckBoxRect;
  TSize CheckBoxSize;
  TcxEditCheckState CheckBoxState = ecsNormal;
  int DrawCaptionFlags = 0;
  TRect FocusRect;
  bool HasGlyph = false;
  bool IsTextColorAssigned = false;
  TcxCheckBoxNullValueShowingStyle NullValueShowingStyle = nssGrayedChecked;
  TcxCheckBoxState State = cbsUnchecked;
  TRect TextRect;

protected:
  virtual TcxCustomCheckControlFadingHelper* CreateFadingHelper() { return new TcxCheckBoxFadingHelper(this); }
  void InternalPaint(TcxCanvas* ACanvas) override;

private:
  bool IsCaptionGrayed() const;
  std::unique_ptr<TcxCustomCheckControlFadingHelper> FFadingHelper;
};

class TcxCustomCheckBoxViewData : public TcxCustomEditViewData {
  VCL_CLASS(TcxCustomCheckBoxViewData, TcxCustomEditViewData)
public:
  using TcxCustomEditViewData::TcxCustomEditViewData;
  TcxCustomCheckBoxProperties* Properties() const {
    return static_cast<TcxCustomCheckBoxProperties*>(TcxCustomEditViewData::Properties());
  }
  void Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P, TcxMouseButton Button, TShiftState Shift,
                 TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent) override;
  void EditValueToDrawValue(const Variant& AEditValue, TcxCustomEditViewInfo* AViewInfo) override;
  TcxEditBorderStyle GetBorderStyle() override { return ebsNone; }
  TSize GetEditContentSize(TcxCanvas* ACanvas, const Variant& AEditValue,
                           const TcxEditSizeProperties& AEditSizeProperties,
                           TcxEditValidateInfo* AErrorData = nullptr) override;

  // The caption of the control (empty in place without one).
  String Caption;
  // Space is held down on the control.
  bool IsCheckPressed = false;

  virtual int GetDrawTextFlags() { return GetCaptionFlags() | cxtfAlignVCenter; }
  virtual int GetCheckTextGap() { return 3; }
  virtual int GetContentOffset() { return IsInplace() ? 1 : 2; }

protected:
  void CalculateFrameAndMinContentSize(TcxCanvas* ACanvas, bool AIsInplace, TSize& ASize,
                                       TcxCustomEditViewInfo* AViewInfo, TSize& AMinContentSize,
                                       const TcxEditSizeProperties& AEditSizeProperties) override;
  virtual int GetCaptionFlags();
  virtual TAlignment CalculateAlignment();
  virtual TRect CalculateCheckBoxRect(TcxCustomCheckBoxViewInfo* AViewInfo);
  virtual TcxEditCheckState CalculateCheckBoxState(TcxCustomCheckBoxViewInfo* AViewInfo, const TPoint& P,
                                                   TcxMouseButton Button, TShiftState Shift);
  virtual TRect CalculateTextRect(TcxCustomCheckBoxViewInfo* AViewInfo);
  virtual TRect CalculateFocusRect(TcxCustomCheckBoxViewInfo* AViewInfo);

private:
  bool IsStandaloneLayout() { return !IsInplace() || Properties()->IsStandaloneLayoutInplace(); }
};

// ---------------------------------------------------------------- control

class TcxCustomCheckBox : public TcxCustomEdit {
  VCL_COMPONENT_CLASS(TcxCustomCheckBox, TcxCustomEdit)
public:
  explicit TcxCustomCheckBox(TComponent* AOwner) : TcxCustomCheckBox(AOwner, false) {}
  TcxCustomCheckBox(TComponent* AOwner, bool AIsInplace);
  ~TcxCustomCheckBox() override;

  TcxCustomCheckBoxProperties* ActiveProperties() {
    return static_cast<TcxCustomCheckBoxProperties*>(TcxCustomEdit::ActiveProperties());
  }
  TcxCustomCheckBoxProperties* Properties() {
    return static_cast<TcxCustomCheckBoxProperties*>(InternalProperties());
  }
  // The style the check box is laid out and painted with.
  TcxCheckBoxStyle* EditStyle() const { return FEditStyle.get(); }
  TcxCustomCheckBoxViewInfo* CheckViewInfo() const { return FCheckViewInfo.get(); }

  TcxCheckBoxState State();
  void SetState(TcxCheckBoxState Value);
  bool Checked() { return State() == cbsChecked; }
  void SetChecked(bool Value) { SetState(Value ? cbsChecked : cbsUnchecked); }
  void Clear() { SetState(cbsUnchecked); }
  // The person's toggle: refused by a read-only editor.
  void Toggle() { InternalToggle(); }
  // A form stores State unless it is what the linked action's Checked
  // gives it anyway, or, without an action, unchecked.
  bool IsStateStored();
  // Standalone and not centred: the width follows the caption, and with
  // MultiLine the height follows its lines at the current width.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);

protected:
  virtual void InternalToggle();
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxCheckBoxProperties>();
  }
  void StoreEditValue(const Variant& Value, bool AFlag) override;
  void HandlePropertiesChanged(TObject* Sender) override;
  Variant GetClearValue() override { return ActiveProperties()->ValueUnchecked(); }
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyUp(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(wchar_t& Key) override;
  void DoExit() override;
  void WndProc(TMessage& Message) override;
  void CalculateViewInfoAtPoint(const TPoint& P, TcxMouseButton Button, TShiftState Shift, bool AIsMouseEvent) override;
  bool RefreshContainer(const TPoint& P, TcxMouseButton Button, TShiftState Shift, bool AIsMouseEvent) override;
  void DoPaint() override;
  bool DefaultParentColor() override { return true; }
  std::unique_ptr<TActionLink> CreateActionLink() override;
  // The box takes the action's Checked, unless while loading it has a
  // checked state of its own or one is still to come from the stream.
  void ActionChange(TObject* Sender, bool CheckDefaults) override;
  // The state read from the stream is applied once the box is loaded.
  void Loaded() override;

private:
  friend class TcxCheckBoxActionLink;
  bool IsLoading() const;
  // Without a click or a change event.
  void SetStateSilently(TcxCheckBoxState Value);
  void CalculateCheckViewInfo(const TPoint& P, bool AllowHotTrack);
  void RefreshUnlessCalculating();
  void AdjustAutoSize();

  bool FAutoSize = true;
  // Sizing waits until the box is made (121 x 21 until then).
  bool FIsAdjustingSize = true;
  bool FIsCalculating = false;
  bool FIsCheckPressed = false;
  bool FIsLoadingStateAssigned = false;
  TcxCheckBoxState FLoadingState = cbsUnchecked;
  // The mouse button and keys of the refresh being calculated.
  TcxMouseButton FRefreshButton = cxmbNone;
  TShiftState FRefreshShift;
  std::unique_ptr<TcxCheckBoxStyle> FEditStyle;
  std::unique_ptr<TcxCustomCheckBoxViewInfo> FCheckViewInfo;
};

class TcxCheckBox : public TcxCustomCheckBox {
  VCL_COMPONENT_CLASS(TcxCheckBox, TcxCustomCheckBox)
  VCL_PUBLISHED(TcxCheckBox)
public:
  using TcxCustomCheckBox::TcxCustomCheckBox;
};

// Links a check box to an action: the box follows the action's Checked
// while the two agree and the box is not grayed.
class TcxCheckBoxActionLink : public TActionLink {
  VCL_CLASS(TcxCheckBoxActionLink, TActionLink)
public:
  explicit TcxCheckBoxActionLink(TcxCustomCheckBox* AClient) : FClient(AClient) {}
  bool IsCheckedLinked() override;
  void SetChecked(bool Value) override;

private:
  TcxCustomCheckBox* FClient;
};

// ---------------------------------------------------------------- filter row

// A filter row's combo box made a fixed list of these texts, without the
// column's data source (the choice editors' filter helpers share it).
void cxInitializeFilterFixedList(TcxCustomEditProperties* AProperties, const std::vector<String>& AItems);

// Filter rows choose a check box column's value from the checked and the
// unchecked texts; no choice (a grayed value) filters for Null.
class TcxFilterCheckBoxHelper : public TcxFilterComboBoxHelper {
  VCL_CLASS(TcxFilterCheckBoxHelper, TcxFilterComboBoxHelper)
public:
  static const TcxFilterCheckBoxHelper* Instance();
  void GetFilterValue(TcxCustomEdit* AEdit, TcxCustomEditProperties* AEditProperties, Variant& V,
                      String& S) const override;
  TcxFilterControlOperators GetSupportedFilterOperators(TcxCustomEditProperties* AProperties,
                                                        const IcxFilterValueType* AValueType,
                                                        bool AExtendedSet = false) const override;
  // The check box's own settings are not copied: only its two texts.
  void InitializeProperties(TcxCustomEditProperties* AProperties, TcxCustomEditProperties* AEditProperties,
                            bool AHasButtons) const override;
  void SetFilterValue(TcxCustomEdit* AEdit, TcxCustomEditProperties* AEditProperties,
                      const Variant& AValue) const override;
  bool UseDisplayValue() const override { return true; }
};

// The type information that the choice editors' property tables share.
PTypeInfo cxAlignmentTypeInfo();
PTypeInfo cxCheckBoxStateTypeInfo();

extern const TUnitEntry cxCheckBoxUnit;
