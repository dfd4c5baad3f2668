#pragma once
// The group box: a framed editor container with a caption on any side, at
// either end or centred, or in the middle, optionally drawn as a panel; and
// the button group built on it, which keeps one child button per captioned
// item, laid out in columns.
#include <memory>
#include <vector>

#include "components/editors-basic/cxCheckBox.h"

enum class TcxCaptionAlignment {
  alTopLeft, alTopCenter, alTopRight, alBottomLeft, alBottomCenter, alBottomRight, alLeftTop, alLeftCenter,
  alLeftBottom, alRightTop, alRightCenter, alRightBottom, alCenterCenter
};
using enum TcxCaptionAlignment;

TcxGroupBoxCaptionPosition cxCaptionAlignmentToPosition(TcxCaptionAlignment AAlignment);

enum class TcxPanelOffice11BackgroundKind { pobkGradient, pobkOffice11Color, pobkStyleColor };
using enum TcxPanelOffice11BackgroundKind;

class TcxCustomGroupBox;

// The panel look of a group box: the caption inside the box, indented.
class TcxPanelStyle : public TPersistent {
  VCL_CLASS(TcxPanelStyle, TPersistent)
  VCL_PUBLISHED(TcxPanelStyle)
public:
  explicit TcxPanelStyle(TcxCustomGroupBox* AOwner) : FEdit(AOwner) {}
  void Assign(TPersistent* Source) override;

  bool Active() const { return FActive; }
  void SetActive(bool Value);
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int Value);
  // Never below 2.
  int CaptionIndent() const { return FCaptionIndent; }
  void SetCaptionIndent(int Value);
  TcxPanelOffice11BackgroundKind OfficeBackgroundKind() const { return FOfficeBackgroundKind; }
  void SetOfficeBackgroundKind(TcxPanelOffice11BackgroundKind Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);

private:
  void Changed(bool ANeeded);
  bool FActive = false;
  int FBorderWidth = 0;
  int FCaptionIndent = 2;
  TcxCustomGroupBox* FEdit;
  TcxPanelOffice11BackgroundKind FOfficeBackgroundKind = pobkOffice11Color;
  bool FWordWrap = false;
};

// ---------------------------------------------------------------- group box

class TcxCustomGroupBoxProperties : public TcxCustomEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxCustomGroupBoxProperties, TcxCustomEditProperties)
public:
  using TcxCustomEditProperties::TcxCustomEditProperties;
  bool CanCompareEditValue() override { return true; }
  bool UsesDisplayValue() override { return true; }
  TcxCustomEditClass GetContainerClass() const override;
  TcxEditViewInfoClass GetViewInfoClass() const override;
  TcxEditViewDataClass ViewDataClass() const override;
};

// One item button of a button group.
class TcxGroupBoxButtonViewInfo : public TcxEditButtonViewInfo {
  VCL_CLASS(TcxGroupBoxButtonViewInfo, TcxEditButtonViewInfo)
public:
  // AGlyphSize high, centred vertically; at the left of Bounds for a
  // caption right of the glyph, else at the right.
  virtual TRect GetGlyphRect(const TSize& AGlyphSize, TAlignment AAlignment, bool AIsPaintCopy);

  String Caption;
  bool ItemEnabled = true;
  TColor ItemTextColor = clDefault;
  int Column = 0;
  int Row = 0;
};

class TcxGroupBoxViewInfo : public TcxCustomEditViewInfo {
  VCL_CREATABLE_CLASS(TcxGroupBoxViewInfo, TcxCustomEditViewInfo)
public:
  TcxCustomGroupBox* GroupBox() const;
  void Offset(int DX, int DY) override;
  virtual void DrawCaption(TcxCanvas* ACanvas);
  // What the frame is drawn around; the shadow falls below and right of it.
  TRect FrameRect() const;

  // The side of the glyph the item captions are on (button groups).
  TAlignment Alignment = taRightJustify;
  TcxCaptionAlignment CaptionAlignment = alTopLeft;
  String Caption;
  TFont* CaptionFont = nullptr;
  int CaptionFlags = 0;
  TRect CaptionRect;
  TRect TextRect;
  bool PanelActive = false;
  TcxPanelOffice11BackgroundKind OfficeBackgroundKind = pobkOffice11Color;
  TcxLookAndFeelKind LookAndFeelKind = lfStandard;
  bool LookAndFeelNativeStyle = false;
  bool Ctl3D = true;

protected:
  TcxClassFactory<TcxEditButtonViewInfo> ButtonViewInfoClass() const override {
    return TcxClassFactory<TcxEditButtonViewInfo>::Of<TcxGroupBoxButtonViewInfo>();
  }
  void InternalPaint(TcxCanvas* ACanvas) override;
  virtual void DrawItemButtons(TcxCanvas* ACanvas) {}

private:
  void DrawGroupBackground(TcxCanvas* ACanvas);
  void DrawPanelBackground(TcxCanvas* ACanvas);
  void DrawFrame(TcxCanvas* ACanvas);
  TcxGroupBoxCaptionPosition CaptionPosition() const { return cxCaptionAlignmentToPosition(CaptionAlignment); }
};

class TcxGroupBoxViewData : public TcxCustomEditViewData {
  VCL_CLASS(TcxGroupBoxViewData, TcxCustomEditViewData)
public:
  using TcxCustomEditViewData::TcxCustomEditViewData;
  TcxCustomGroupBox* GroupBox() const;
  void Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P, TcxMouseButton Button, TShiftState Shift,
                 TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent) override;
  TRect GetBorderExtent() override;
  TRect GetClientExtent(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo) override;

protected:
  void CalculateButtonsViewInfo(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P, TcxMouseButton Button,
                                TShiftState Shift, TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent) override;
  TColor GetBorderColor() override;
  bool HasShadow() override;
  bool IsNativeStyle(TcxLookAndFeel* ALookAndFeel) override;

private:
  // The caption side as the border and client extents see it; none in
  // place, in the middle, or for a panel.
  bool HasCaptionSide();
  void CalculateStandardCaption(TcxCanvas* ACanvas, TcxGroupBoxViewInfo* AViewInfo);
  void CalculatePanelCaption(TcxCanvas* ACanvas, TcxGroupBoxViewInfo* AViewInfo);
};

using TcxGroupBoxCustomDrawEvent = std::function<void(TcxCustomGroupBox* Sender, bool& ADone)>;
using TcxGroupBoxCustomDrawElementEvent =
    std::function<void(TcxCustomGroupBox* Sender, TCanvas* ACanvas, const TRect& ABounds,
                       TcxCustomLookAndFeelPainter* APainter, bool& ADone)>;

class TcxCustomGroupBox : public TcxCustomEdit {
  VCL_COMPONENT_CLASS(TcxCustomGroupBox, TcxCustomEdit)
  VCL_PUBLISHED(TcxCustomGroupBox)
public:
  explicit TcxCustomGroupBox(TComponent* AOwner) : TcxCustomGroupBox(AOwner, false) {}
  TcxCustomGroupBox(TComponent* AOwner, bool AIsInplace);
  ~TcxCustomGroupBox() override;

  TcxCaptionAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TcxCaptionAlignment Value);
  TcxPanelStyle* PanelStyle() const { return FPanelStyle.get(); }
  // A copy of the style's font, refreshed on every layout.
  TFont* CaptionFont() const { return FCaptionFont.get(); }
  TcxGroupBoxViewInfo* GroupViewInfo() { return static_cast<TcxGroupBoxViewInfo*>(ViewInfo()); }
  // The panel style or the alignment changed: lay out and place the
  // children again.
  void LayoutChanged();

  // A drop shadow only for a panel or a top or left caption, and never
  // themed or skinned.
  bool IsShadowAllowed();

  TcxGroupBoxCustomDrawEvent OnCustomDraw;
  TcxGroupBoxCustomDrawElementEvent OnCustomDrawCaption;
  TcxGroupBoxCustomDrawElementEvent OnCustomDrawContentBackground;

  virtual bool DoCustomDrawCaption(TcxCanvas* ACanvas, const TRect& ABounds, TcxCustomLookAndFeelPainter* APainter);
  virtual bool DoCustomDrawContentBackground(TcxCanvas* ACanvas, const TRect& ABounds,
                                             TcxCustomLookAndFeelPainter* APainter);
  bool DoCustomDraw();

protected:
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxCustomGroupBoxProperties>();
  }
  virtual std::unique_ptr<TcxPanelStyle> CreatePanelStyle() { return std::make_unique<TcxPanelStyle>(this); }
  virtual bool IsFocusableGroup() { return false; }
  bool MayFocus() override { return IsFocusableGroup(); }
  bool DefaultParentColor() override { return true; }
  bool IsTransparentBorderUsed() override { return false; }
  bool IsShadowVisible() override;
  // The shadowed area reaches the outer edge on the caption's side; the
  // shadow itself starts at the frame line.
  TRect GetShadowBounds() override;
  TRect GetShadowBoundsExtent() override;
  void WndProc(TMessage& Message) override;
  // The caption's accelerator moves the focus to the first child control.
  virtual bool HandleAccelChar(wchar_t AChar);

private:
  TcxCaptionAlignment FAlignment = alTopLeft;
  bool FIsAccelCharHandling = false;
  std::unique_ptr<TcxPanelStyle> FPanelStyle;
  std::unique_ptr<TFont> FCaptionFont;
};

// ---------------------------------------------------------------- button group

enum class TcxCollectionOperation { copAdd, copDelete, copChanged };
using enum TcxCollectionOperation;

class TcxCustomButtonGroupProperties;

class TcxButtonGroupItem : public TcxCaptionItem {
  VCL_COLLECTION_ITEM_CLASS(TcxButtonGroupItem, TcxCaptionItem)
public:
  explicit TcxButtonGroupItem(TCollection* ACollection) : TcxCaptionItem(ACollection) {}
  void Assign(TPersistent* Source) override;
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);

private:
  bool FEnabled = true;
};

// The items of a button group; each single change (one item added,
// deleted or changed) is reported to the properties with its index, so
// the control can add or free exactly that child button.
class TcxButtonGroupItems : public TcxCaptionItems {
  VCL_CLASS(TcxButtonGroupItems, TcxCaptionItems)
public:
  TcxButtonGroupItems(TcxCustomButtonGroupProperties* AOwner, TClass AItemClass);
  TcxButtonGroupItem* Items(int AIndex) const {
    return static_cast<TcxButtonGroupItem*>(TcxCaptionItems::Items(AIndex));
  }
  // The single change being reported (only while ItemChanged).
  bool ItemChanged() const { return FItemChanged; }
  int ChangedItemIndex() const { return FChangedItemIndex; }
  TcxCollectionOperation ChangedItemOperation() const { return FChangedItemOperation; }

protected:
  void Notify(TCollectionItem* Item, TCollectionNotification Action) override;
  void Update(TCollectionItem* AItem) override;

private:
  TcxCustomButtonGroupProperties* Properties() const;
  void ReportChange(int AIndex, TcxCollectionOperation AOperation);
  int FChangedItemIndex = -1;
  TcxCollectionOperation FChangedItemOperation = copChanged;
  bool FItemChanged = false;
  bool FHasPendingItem = false;
};

class TcxCustomButtonGroupProperties : public TcxCustomGroupBoxProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxCustomButtonGroupProperties, TcxCustomGroupBoxProperties)
  VCL_PUBLISHED(TcxCustomButtonGroupProperties)
public:
  explicit TcxCustomButtonGroupProperties(TPersistent* AOwner);
  ~TcxCustomButtonGroupProperties() override;

  int Columns() const { return FColumns; }
  // 0 or less is stored as 1.
  void SetColumns(int Value);
  TcxButtonGroupItems* Items() {
    EnsureItems();
    return FItems.get();
  }
  void SetItems(TcxButtonGroupItems* Value) { Items()->Assign(Value); }
  bool ShowEndEllipsis() const { return FShowEndEllipsis; }
  void SetShowEndEllipsis(bool Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);

  // The columns the items fill (top to bottom, then left to right) and the
  // rows of a column.
  virtual int GetUsedColumnCount();
  int GetRowCount();

  TcxCustomEditClass GetContainerClass() const override;
  TcxEditViewInfoClass GetViewInfoClass() const override;
  TcxEditViewDataClass ViewDataClass() const override;
  TcxEditSpecialFeatures GetSpecialFeatures() override;
  TcxEditSupportedOperations GetSupportedOperations() override;

protected:
  virtual std::unique_ptr<TcxButtonGroupItems> CreateItemCollection();
  void AssignSettings(TcxCustomEditProperties* Source) override;
  // The items are made by CreateItemCollection once the object is whole.
  void EnsureItems();

private:
  int FColumns = 1;
  std::unique_ptr<TcxButtonGroupItems> FItems;
  bool FShowEndEllipsis = false;
  bool FWordWrap = false;
};

// What a button group's descendant tells the layout about its buttons.
struct TcxButtonGroupMetrics {
  int TextIndent = 0;
  int WidthCorrection = 0;
  int GlyphTextGap = 0;
  int ExtraWidth = 0;
  int ButtonLeft = 0;
  int CellWidthCorrection = 0;
  int ColumnSpacing = 0;
  int GlyphWidth = 0;
  int GlyphHeight = 0;
};

class TcxButtonGroupViewInfo : public TcxGroupBoxViewInfo {
  VCL_CREATABLE_CLASS(TcxButtonGroupViewInfo, TcxGroupBoxViewInfo)
public:
  TcxGroupBoxButtonViewInfo* ItemButton(int AIndex) const {
    return static_cast<TcxGroupBoxButtonViewInfo*>(Button(AIndex));
  }
  virtual TSize GetGlyphSize() { return GlyphSize; }
  // One item button as a host (a grid cell) or a paint copy shows it.
  void DrawButton(TcxCanvas* ACanvas, int AButtonVisibleIndex) override;

  TSize GlyphSize;
  int ButtonTextFlags = 0;
  bool IsPaintCopy = false;

protected:
  void DrawItemButtons(TcxCanvas* ACanvas) override;
  virtual void DrawButtonCaption(TcxCanvas* ACanvas, TcxGroupBoxButtonViewInfo* AButtonViewInfo,
                                 const TRect& AGlyphRect) {}
  virtual void DrawButtonGlyph(TcxCanvas* ACanvas, TcxGroupBoxButtonViewInfo* AButtonViewInfo,
                               const TRect& AGlyphRect) {}
  virtual bool IsButtonGlyphTransparent(TcxGroupBoxButtonViewInfo* AButtonViewInfo) { return false; }
};

class TcxButtonGroupViewData : public TcxGroupBoxViewData {
  VCL_CLASS(TcxButtonGroupViewData, TcxGroupBoxViewData)
public:
  using TcxGroupBoxViewData::TcxGroupBoxViewData;
  TcxCustomButtonGroupProperties* Properties() const {
    return static_cast<TcxCustomButtonGroupProperties*>(TcxGroupBoxViewData::Properties());
  }
  TSize GetEditConstantPartSize(TcxCanvas* ACanvas, const TcxEditSizeProperties& AEditSizeProperties,
                                TSize& AMinContentSize, TcxCustomEditViewInfo* AViewInfo = nullptr) override;
  virtual bool IsButtonNativeStyle(TcxLookAndFeel* ALookAndFeel);

protected:
  void CalculateButtonsViewInfo(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P, TcxMouseButton Button,
                                TShiftState Shift, TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent) override;
  virtual void ArrangeButtons(TcxCanvas* ACanvas, TcxButtonGroupViewInfo* AViewInfo);
  virtual void InitializeButtons(TcxButtonGroupViewInfo* AViewInfo);
  virtual int GetButtonTextFlags();
  virtual void GetButtonMetrics(bool AMeasure, TcxCanvas* ACanvas, TcxButtonGroupMetrics& AMetrics) {}
  virtual TcxEditButtonStyle ItemButtonStyle(TcxButtonGroupViewInfo* AViewInfo);

private:
  void CalculateButtonStates(TcxButtonGroupViewInfo* AViewInfo, const TPoint& P, TShiftState Shift);
};

class TcxCustomButtonGroup : public TcxCustomGroupBox {
  VCL_CLASS(TcxCustomButtonGroup, TcxCustomGroupBox)
public:
  explicit TcxCustomButtonGroup(TComponent* AOwner) : TcxCustomButtonGroup(AOwner, false) {}
  TcxCustomButtonGroup(TComponent* AOwner, bool AIsInplace);
  ~TcxCustomButtonGroup() override;

  TcxCustomButtonGroupProperties* ActiveProperties() {
    return static_cast<TcxCustomButtonGroupProperties*>(TcxCustomEdit::ActiveProperties());
  }
  TcxCustomButtonGroupProperties* Properties() {
    return static_cast<TcxCustomButtonGroupProperties*>(InternalProperties());
  }
  int ButtonCount() const { return static_cast<int>(FButtons.size()); }
  TWinControl* Buttons(int AIndex) const { return FButtons.at(AIndex); }
  // The group or one of its buttons has the focus.
  bool Focused();
  bool IsButtonNativeStyle();

protected:
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxCustomButtonGroupProperties>();
  }
  virtual TWinControl* CreateButton() = 0;
  virtual void InitializeButton(TWinControl* AButton);
  virtual void SynchronizeButtonCount(int ACount);
  virtual void UpdateButtonBounds();
  virtual void UpdateButtonColors();
  virtual void UpdateButtons();
  void HandlePropertiesChanged(TObject* Sender) override;
  void CalculateViewInfoAtPoint(const TPoint& P, TcxMouseButton Button, TShiftState Shift,
                                bool AIsMouseEvent) override;
  void HandleEditKeyDown(uint16_t& Key, TShiftState Shift) override;
  void EnabledChanged() override;
  void CreateWnd() override;
  // The index of the child button with the focus; -1 none.
  int FocusedButtonIndex();

private:
  void FreeButton(int AIndex);
  std::vector<TWinControl*> FButtons;
};
