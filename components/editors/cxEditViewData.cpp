// The layout of an editor: state, border, colours, buttons and client
// area, and the measuring of its size.
#include <algorithm>

#include "components/core/dxCore.h"
#include "components/core/dxGdiPlusClasses.h"
#include "components/editors/cxEdit.h"
#include "components/lookandfeel/cxLookAndFeels.h"

namespace {

constexpr int MeasuringEdge = 32000;

TRect RectLessExtent(const TRect& R, const TRect& AExtent) {
  return TRect(R.Left + AExtent.Left, R.Top + AExtent.Top, R.Right - AExtent.Right, R.Bottom - AExtent.Bottom);
}

TRect UniformExtent(int AWidth) { return TRect(AWidth, AWidth, AWidth, AWidth); }

bool HasMouseButton(TShiftState Shift) {
  return Shift.Contains(ssLeft) || Shift.Contains(ssRight) || Shift.Contains(ssMiddle);
}

bool IsLeftButtonAlone(TShiftState Shift) { return (Shift - TShiftState{ssDouble}) == TShiftState{ssLeft}; }

TcxEditBorderStyle NarrowBorderStyle(TcxEditBorderStyle AStyle) {
  return AStyle == ebsUltraFlat || AStyle == ebsOffice11 ? ebsSingle : AStyle;
}

TcxEditPopupBorderStyle PopupBorderStyleOfKind(TcxLookAndFeelKind AKind) {
  switch (AKind) {
    case lfFlat: return epbsFlat;
    case lfStandard: return epbsFrame3D;
    default: return epbsSingle;
  }
}

// The look a button style stands for.
TcxLookAndFeelKind LookAndFeelKindOf(TcxEditButtonStyle AStyle) {
  switch (AStyle) {
    case btsDefault:
    case bts3D: return lfStandard;
    case btsUltraFlat: return lfUltraFlat;
    case btsOffice11: return lfOffice11;
    default: return lfFlat;
  }
}

}  // namespace

// ---------------------------------------------------------------- validate info

TcxEditValidateInfo::TcxEditValidateInfo() : ErrorIcon(std::make_unique<TdxSmartImage>()) {}

TcxEditValidateInfo::~TcxEditValidateInfo() = default;

void TcxEditValidateInfo::SetErrorType(TcxEditErrorType AValue) {
  if (ErrorType == AValue) return;
  ErrorType = AValue;
  if (TdxSmartImage* glyph = cxEditValidationGlyph(AValue)) ErrorIcon->Assign(glyph);
}

void TcxEditValidateInfo::Reset() {
  ErrorType = eetNone;
  ErrorText.clear();
  ErrorIcon->Clear();
}

bool TcxEditValidateInfo::HasErrorIcon() const { return HasError() && !ErrorIcon->Empty(); }

// ---------------------------------------------------------------- view info: layout part

TcxCustomEditViewInfo::TcxCustomEditViewInfo() : FErrorData(std::make_unique<TcxEditValidateInfo>()) {}

TcxCustomEditViewInfo::~TcxCustomEditViewInfo() = default;

void TcxCustomEditViewInfo::SetButtonCount(int ACount) {
  while (ButtonCount() > ACount) ButtonsInfo.pop_back();
  while (ButtonCount() < ACount) {
    ButtonsInfo.emplace_back(ButtonViewInfoClass().Create());
    ButtonsInfo.back()->EditViewInfo = this;
  }
}

void TcxCustomEditViewInfo::GetEditColors(TColor& ABackgroundColor, TColor& ATextColor) {
  ABackgroundColor = clDefault;
  ATextColor = clDefault;
}

// ---------------------------------------------------------------- properties' companions

TcxEditViewInfoClass TcxCustomEditProperties::GetViewInfoClass() const {
  return TcxEditViewInfoClass::Of<TcxCustomEditViewInfo>();
}

TcxEditViewDataClass TcxCustomEditProperties::ViewDataClass() const {
  return TcxEditViewDataClass::Of<TcxCustomEditViewData>();
}

TcxCustomEditViewData* TcxCustomEditProperties::CreateViewData(TcxCustomEditStyle* AStyle, bool AIsInplace,
                                                               bool APreviewMode) {
  TcxCustomEditViewData* viewData = ViewDataClass().Create(this, AStyle, AIsInplace);
  viewData->PreviewMode = APreviewMode;
  return viewData;
}

TSize TcxCustomEditProperties::GetEditConstantPartSize(TcxCanvas* ACanvas, TcxCustomEditStyle* AEditStyle,
                                                       const TcxEditSizeProperties& AEditSizeProperties,
                                                       TSize& MinContentSize, bool AIsInplace) {
  std::unique_ptr<TcxCustomEditViewData> viewData(CreateViewData(AEditStyle, AIsInplace));
  return viewData->GetEditConstantPartSize(ACanvas, AEditSizeProperties, MinContentSize);
}

TSize TcxCustomEditProperties::GetEditContentSize(TcxCanvas* ACanvas, TcxCustomEditStyle* AEditStyle,
                                                  const Variant& AEditValue,
                                                  const TcxEditSizeProperties& AEditSizeProperties, bool AIsInplace) {
  std::unique_ptr<TcxCustomEditViewData> viewData(CreateViewData(AEditStyle, AIsInplace));
  return viewData->GetEditContentSize(ACanvas, AEditValue, AEditSizeProperties);
}

TSize TcxCustomEditProperties::GetEditSize(TcxCanvas* ACanvas, TcxCustomEditStyle* AEditStyle, bool AIsInplace,
                                           const Variant& AEditValue,
                                           const TcxEditSizeProperties& AEditSizeProperties) {
  std::unique_ptr<TcxCustomEditViewData> viewData(CreateViewData(AEditStyle, AIsInplace));
  return viewData->GetEditSize(ACanvas, AEditValue, AEditSizeProperties);
}

// ---------------------------------------------------------------- view data: set-up

TcxCustomEditViewData::TcxCustomEditViewData(TcxCustomEditProperties* AProperties, TcxCustomEditStyle* AStyle,
                                             bool AIsInplace)
    : FProperties(AProperties), FStyle(AStyle), FIsInplace(AIsInplace) {
  PrepareDefaults();
  SelTextColor = clDefault;
  SelBackgroundColor = clDefault;
  FillCacheData();
}

void TcxCustomEditViewData::PrepareDefaults() {
  ContentOffset = TRect();
  Enabled = true;
}

void TcxCustomEditViewData::FillCacheData() {
  ButtonVisibleCount = FProperties->Buttons()->VisibleCount();
  IsValueSource = !FProperties->GetEditValueSource(false);
  TcxEditAlignment* alignment = FProperties->Alignment();
  HorzAlignment = alignment->Horz();
  VertAlignment = alignment->Vert();
  NativeStyle = IsNativeStyle(FStyle->LookAndFeel());
  FillContentParams(EditContentParams);
}

TRect TcxCustomEditViewData::DefaultContentOffsets() { return FIsInplace ? TRect(1, 1, 1, 1) : TRect(1, 1, 1, 3); }

void TcxCustomEditViewData::FillContentParams(TcxEditContentParams& AParams) {
  AParams.Offsets = DefaultContentOffsets();
  AParams.SizeCorrection.cx = 3 - AParams.Offsets.Left - AParams.Offsets.Right;
  AParams.SizeCorrection.cy = NativeStyle && FIsInplace && FProperties->Buttons()->Count() > 0 ? 1 : 0;
  AParams.ExternalBorderBounds = TRect();
  AParams.Options = {ecoOffsetButtonContent};
}

bool TcxCustomEditViewData::IsNativeStyle(TcxLookAndFeel* ALookAndFeel) {
  return cxShouldUseThemedPainting(ALookAndFeel->NativeStyle(), totEdit);
}

TcxEditPaintOptions TcxCustomEditViewData::ComposePaintOptions() {
  TcxEditPaintOptions options = PaintOptions;
  if (!EditContentParams.ExternalBorderBounds.IsEmpty()) options.Include(epoHasExternalBorder);
  if (EditContentParams.Options.Contains(ecoShowFocusRectWhenInplace)) options.Include(epoShowFocusRectWhenInplace);
  return options;
}

String TcxCustomEditViewData::ConvertEditValueToDisplayText(const Variant& AEditValue) {
  String text = BuildDisplayText(Variant(AEditValue));
  if (OnGetDisplayText) OnGetDisplayText(this, text);
  return text;
}

// ---------------------------------------------------------------- calculation

void TcxCustomEditViewData::CalculateEx(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P,
                                        TcxMouseButton Button, TShiftState Shift, TcxCustomEditViewInfo* AViewInfo,
                                        bool AIsMouseEvent) {
  AViewInfo->Left = ABounds.Left;
  AViewInfo->Top = ABounds.Top;
  Calculate(ACanvas, cxRectShiftBy(ABounds, -ABounds.Left, -ABounds.Top),
            TPoint(P.X - ABounds.Left, P.Y - ABounds.Top), Button, Shift, AViewInfo, AIsMouseEvent);
}

TcxContainerState TcxCustomEditViewData::ComputeContainerState(const TRect& ABounds, const TPoint& P,
                                                               TcxMouseButton Button, TShiftState Shift) {
  if (!Enabled) return {csDisabled};
  if (IsDesigning) return {csNormal};
  TcxContainerState state{Focused ? csActive : csNormal};
  const TRect visible = Edit ? Edit->VisibleBounds() : RectLessExtent(ABounds, ContentOffset);
  if (visible.Contains(P) && (!HasMouseButton(Shift) || (Edit && Edit->IsCaptureInside())))
    state.Include(csHotTrack);
  return state;
}

bool TcxCustomEditViewData::IsEditFocused() const { return Edit ? Edit->InternalFocused() : Focused; }

int TcxCustomEditViewData::CapturedButtonVisibleIndex() const {
  return Edit ? Edit->CaptureButtonVisibleIndex() : -1;
}

void TcxCustomEditViewData::Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P,
                                      TcxMouseButton Button, TShiftState Shift, TcxCustomEditViewInfo* AViewInfo,
                                      bool AIsMouseEvent) {
  Shift = Shift - TShiftState{ssShift, ssAlt, ssCtrl};
  // State.
  AViewInfo->ContainerState = ComputeContainerState(ABounds, P, Button, Shift);
  // The edit's style for the state it is in now.
  if (Edit && AViewInfo == Edit->ViewInfo()) FStyle = Edit->ActiveStyle();
  Selected = AViewInfo->ContainerState.Contains(csActive) || AViewInfo->ContainerState.Contains(csHotTrack);
  if (IsDesigning || FIsInplace || !FStyle->HotTrack())
    AViewInfo->HotState = chsNoHotTrack;
  else
    AViewInfo->HotState = Selected ? chsSelected : chsNormal;
  AViewInfo->BorderStyle = FIsInplace || !NativeStyle ? GetBorderStyle() : FStyle->BaseStyle()->BorderStyle();
  AViewInfo->TcxContainerViewInfo::BorderStyle = static_cast<TcxContainerBorderStyle>(AViewInfo->BorderStyle);
  ContainerState = AViewInfo->ContainerState;
  AViewInfo->EditProperties = FProperties;
  ButtonsOnlyStyle = FIsInplace ? ABounds.Right != MeasuringEdge && FProperties->ButtonsViewStyle() != bvsNormal
                                : FProperties->ButtonsViewStyle() == bvsButtonsOnly;
  // What the view info copies.
  AViewInfo->UpdateStyle(FStyle);
  AViewInfo->Bounds = ABounds;
  AViewInfo->Enabled = Enabled;
  AViewInfo->Focused = Focused;
  AViewInfo->HasInnerEdit = HasInnerEdit;
  AViewInfo->IsDesigning = IsDesigning;
  AViewInfo->IsInplace = FIsInplace;
  AViewInfo->IsSelected = IsSelected;
  AViewInfo->PaintOptions = ComposePaintOptions();
  AViewInfo->Edges = FStyle->Edges();
  AViewInfo->FNeedShowErrorIcon = false;
  if (Edit && !FIsInplace) CalculateErrorData(AViewInfo);
  FValidationErrorIconAlignment = FProperties->ValidationErrorIconAlignment();
  AViewInfo->Font = FStyle->DirectAccessMode() ? FStyle->Font() : FStyle->GetVisibleFont();
  AViewInfo->Shadow = !FIsInplace && HasShadow();
  AViewInfo->WindowHandle = WindowHandle;
  // Layout, buttons and client area.
  CalculateViewInfoLayout(AViewInfo);
  CalculateButtonsViewInfo(ACanvas, AViewInfo->FEditorBounds, P, Button, Shift, AViewInfo, AIsMouseEvent);
  AViewInfo->ClientRect = RectLessExtent(AViewInfo->FEditorBounds, GetClientExtent(ACanvas, AViewInfo));
  AViewInfo->InnerEditRect = AViewInfo->ClientRect;
  AViewInfo->PopupBorderStyle = CalculatePopupBorderStyle(AViewInfo);
  CheckStartButtonsFading(AViewInfo);
}

// The style's, else (for a bound edit) the one matching the edit's look:
// an inplace edit's look, a borderless edit's first button, else its border.
TcxEditPopupBorderStyle TcxCustomEditViewData::CalculatePopupBorderStyle(TcxCustomEditViewInfo* AViewInfo) {
  const TcxEditPopupBorderStyle style = FStyle->PopupBorderStyle();
  if (style != epbsDefault || !Edit) return style;
  if (FIsInplace) return PopupBorderStyleOfKind(FStyle->LookAndFeel()->Kind());
  if (AViewInfo->BorderStyle == ebsNone && !AViewInfo->ButtonsInfo.empty())
    return PopupBorderStyleOfKind(LookAndFeelKindOf(AViewInfo->ButtonsInfo.front()->Data.Style));
  return AViewInfo->BorderStyle == ebsNone || AViewInfo->BorderStyle == ebsFlat ? epbsFlat : epbsSingle;
}

int TcxCustomEditViewData::EditThemeState(TcxCustomEditViewInfo* AViewInfo) {
  if (!Enabled) return ETS_DISABLED;
  if (AViewInfo->ContainerState.Contains(csHotTrack)) return ETS_HOT;
  if (Focused) return ETS_FOCUSED;
  if (FProperties->ReadOnly()) return ETS_READONLY;
  return ETS_NORMAL;
}

void TcxCustomEditViewData::CalculateViewInfoLayout(TcxCustomEditViewInfo* AViewInfo) {
  AViewInfo->FCalculated = true;
  AViewInfo->NativeStyle = NativeStyle;
  AViewInfo->NativeState = NativeStyle ? EditThemeState(AViewInfo) : 0;
  if (Edit) AViewInfo->Transparent = Edit->IsTransparent();
  AViewInfo->FEditorBounds = AViewInfo->Bounds;
  AViewInfo->FErrorBounds = TRect();
  if (AViewInfo->FNeedShowErrorIcon) {
    TRect& error = AViewInfo->FErrorBounds;
    error = AViewInfo->Bounds;
    if (!Edit) ++error.Left;
    const int space = AViewInfo->FErrorData->ErrorIcon->Width() + 3;
    if (FValidationErrorIconAlignment == taRightJustify) {
      error.Left = error.Right - space;
      AViewInfo->FEditorBounds.Right = error.Left;
    } else {
      error.Right = error.Left + space;
      AViewInfo->FEditorBounds.Left = error.Right;
    }
  }
  AViewInfo->BorderExtent = GetBorderExtent();
  AViewInfo->BorderRect = RectLessExtent(AViewInfo->FEditorBounds, AViewInfo->BorderExtent);
  AViewInfo->ShadowRect = AViewInfo->BorderRect;
  AViewInfo->HasContentOffsets = ContentOffset != TRect();
  if (!FIsInplace) AViewInfo->BorderColor = GetBorderColor();
  CalculateColors(AViewInfo);
}

void TcxCustomEditViewData::CalculateErrorData(TcxCustomEditViewInfo* AViewInfo) {
  TcxEditValidateInfo* errorData = AViewInfo->FErrorData.get();
  errorData->SetErrorType(Edit->ValidationError() ? eetError : eetNone);
  if (!FProperties->ErrorIcon()->Empty()) errorData->ErrorIcon->Assign(FProperties->ErrorIcon());
  errorData->ErrorText = Edit->ValidationErrorText();
  AViewInfo->FNeedShowErrorIcon =
      errorData->HasErrorIcon() && FProperties->ValidationOptions().Contains(evoShowErrorIcon);
}

void TcxCustomEditViewData::CalculateColors(TcxCustomEditViewInfo* AViewInfo) {
  TColor background, text;
  AViewInfo->GetEditColors(background, text);
  if (text == clDefault) text = FStyle->TextColor();
  if (background == clDefault) {
    background = FStyle->Color();
    if (NativeStyle && !Enabled && !FStyle->IsValueAssigned(csvColor)) {
      const int part = dxOsVistaUp ? EP_BACKGROUND : EP_EDITTEXT;
      COLORREF fill;
      if (SUCCEEDED(GetThemeColor(dxThemeHandleOf(totEdit), part, AViewInfo->NativeState, TMT_FILLCOLOR, &fill)))
        background = static_cast<TColor>(fill);
    }
  }
  AViewInfo->TextColor = text;
  AViewInfo->SetBackgroundColor(background);
}

// ---------------------------------------------------------------- border

TcxEditBorderStyle TcxCustomEditViewData::GetBorderStyle() {
  return FIsInplace ? ebsNone : NarrowBorderStyle(FStyle->BorderStyle());
}

bool TcxCustomEditViewData::HasShadow() { return FStyle->Shadow() && !NativeStyle; }

TRect TcxCustomEditViewData::GetBorderExtentByEdges(int ABorderWidth) {
  const TcxBorders edges = FStyle->Edges();
  return TRect(edges.Contains(bLeft) ? ABorderWidth : 0, edges.Contains(bTop) ? ABorderWidth : 0,
               edges.Contains(bRight) ? ABorderWidth : 0, edges.Contains(bBottom) ? ABorderWidth : 0);
}

TRect TcxCustomEditViewData::GetBorderExtentByPainter() {
  const bool bordered = FStyle->HasBorder() && FStyle->BorderStyle() != ebsNone;
  if (!bordered && !FStyle->TransparentBorder()) return TRect();
  const TcxEditBorderStyle style = FStyle->TransparentBorder() ? ebsThick : GetBorderStyle();
  TcxCustomLookAndFeelPainter* painter = FStyle->LookAndFeel()->SkinPainter();
  return GetBorderExtentByEdges(painter->GetContainerBorderWidth(static_cast<TcxContainerBorderStyle>(style)));
}

TRect TcxCustomEditViewData::GetBorderExtent() {
  if (FIsInplace) return ContentOffset;
  TRect extent;
  const bool native = IsNativeStyle(FStyle->LookAndFeel());
  if (FStyle->LookAndFeel()->SkinPainter())
    extent = GetBorderExtentByPainter();
  else if (FStyle->TransparentBorder())
    extent = UniformExtent(2);
  else if (!FStyle->HasBorder() || (native && FStyle->BaseStyle()->BorderStyle() == ebsNone))
    extent = TRect();
  else if (native)
    extent = UniformExtent(2);
  else
    extent = GetBorderExtentByEdges(cxGetContainerFrameWidth(static_cast<TcxContainerBorderStyle>(GetBorderStyle())));
  if (HasShadow()) {
    extent.Right += 3;
    extent.Bottom += 3;
  }
  return extent;
}

TColor TcxCustomEditViewData::GetBorderColor() {
  const bool highlighted = ContainerState.Contains(csActive) ||
                           (ContainerState.Contains(csHotTrack) && FStyle->HotTrack());
  if (const TColor color = GetBorderColorByPainter(highlighted); color != clDefault) return color;
  const TcxEditBorderStyle style = FStyle->BorderStyle();
  if (style != ebsUltraFlat && style != ebsOffice11) return FStyle->BorderColor();
  return cxGetContainerFrameColor(highlighted || (IsDesigning && Enabled), style == ebsOffice11);
}

TRect TcxCustomEditViewData::GetButtonsExtent(TcxCanvas*) {
  if (FIsInplace) return ContentOffset;
  if (!NativeStyle) return GetBorderExtent();
  const TcxEditBorderStyle baseStyle = FStyle->BaseStyle()->BorderStyle();
  if (baseStyle != ebsNone) return cxThemeContentMargins(dxThemeHandleOf(totEdit), EP_EDITTEXT, ETS_NORMAL);
  return FStyle->TransparentBorder() ? UniformExtent(2) : TRect();
}

TRect TcxCustomEditViewData::GetClientExtent(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo) {
  TRect extent = GetBorderExtent();
  if (FProperties->ButtonsViewStyle() != bvsNormal && AViewInfo->ButtonCount() > 0) {
    const TRect buttonsExtent = GetButtonsExtent(ACanvas);
    extent.Left = buttonsExtent.Left;
    extent.Right = buttonsExtent.Right;
  }
  const TRect& editor = AViewInfo->FEditorBounds;
  for (const auto& button : AViewInfo->ButtonsInfo)
    if (button->Data.LeftAlignment)
      extent.Left = std::max(extent.Left, button->Bounds.Right - editor.Left);
    else
      extent.Right = std::max(extent.Right, editor.Right - button->Bounds.Left);
  return extent;
}

// ---------------------------------------------------------------- buttons

TcxCustomEditButton* TcxCustomEditViewData::ButtonOf(TcxEditButtonViewInfo* AButtonViewInfo) const {
  return FProperties->Buttons()->Items(AButtonViewInfo->ButtonIndex);
}

TcxEditButtonStyle TcxCustomEditViewData::DefaultButtonStyle() {
  if (!FIsInplace && (FStyle->BorderStyle() != ebsNone || FStyle->HotTrack())) {
    static const TcxEditButtonStyle byBorder[] = {btsSimple, btsHotFlat,   bts3D,      btsFlat,
                                                  bts3D,     btsUltraFlat, btsOffice11};
    return byBorder[static_cast<int>(FStyle->BorderStyle())];
  }
  static const TcxEditButtonStyle byKind[] = {btsFlat, bts3D, btsUltraFlat, btsOffice11};
  return byKind[static_cast<int>(FStyle->LookAndFeel()->Kind())];
}

TcxEditButtonStyle TcxCustomEditViewData::EffectiveButtonStyle() {
  const TcxEditButtonStyle style = FStyle->ButtonStyle();
  return style == btsDefault ? DefaultButtonStyle() : style;
}

bool TcxCustomEditViewData::IsButtonLeftAligned(TcxCustomEditViewInfo* AViewInfo, int AButtonVisibleIndex) {
  return ButtonOf(AViewInfo->Button(AButtonVisibleIndex))->LeftAlignment();
}

void TcxCustomEditViewData::CalculateButtonsViewInfo(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P,
                                                     TcxMouseButton Button, TShiftState Shift,
                                                     TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent) {
  const bool active = ContainerState.Contains(csActive);
  const TcxEditButtonTransparency transparency = FStyle->ButtonTransparency();
  if (ButtonVisibleCount == 0 || (!active && transparency == ebtHideInactive) ||
      (!Selected && transparency == ebtHideUnselected)) {
    AViewInfo->SetButtonCount(0);
    return;
  }
  // The states of the previous calculation decide a held press.
  std::vector<TcxEditButtonState> previousStates;
  for (const auto& button : AViewInfo->ButtonsInfo) previousStates.push_back(button->Data.State);
  const bool wasComboBoxStyle = AViewInfo->ButtonCount() > 0 && AViewInfo->Button(0)->Data.ComboBoxStyle;
  AViewInfo->SetButtonCount(ButtonVisibleCount);
  AViewInfo->IsButtonReallyPressed = false;
  const int previousPressed = AIsMouseEvent ? AViewInfo->PressedButton : -1;
  AViewInfo->PressedButton = -1;
  AViewInfo->SelectedButton = -1;
  FLeftSideLeftmostButtonIndex = FLeftSideRightmostButtonIndex = -1;
  FRightSideLeftmostButtonIndex = FRightSideRightmostButtonIndex = -1;
  // A themed combo box draws its button over the border.
  TRect buttonsRect = !FIsInplace && NativeStyle && dxOsVistaUp && wasComboBoxStyle
                          ? ABounds
                          : RectLessExtent(ABounds, GetButtonsExtent(ACanvas));
  const int previousWidth = buttonsRect.Width();
  DoCalculateButtonViewInfos(ACanvas, AViewInfo, buttonsRect);
  CheckButtonsOnly(AViewInfo, previousWidth, buttonsRect.Width());
  CalculateButtonStates(AViewInfo, P, Button, Shift, previousPressed, previousStates);
  MarkOutermostButtons(AViewInfo);
}

void TcxCustomEditViewData::DoCalculateButtonViewInfos(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo,
                                                       TRect& AButtonsRect) {
  AViewInfo->HasTextButtons = false;
  TcxEditButtons* buttons = FProperties->Buttons();
  int visibleIndex = ButtonVisibleCount;
  for (int i = buttons->Count() - 1; i >= 0; --i) {
    TcxCustomEditButton* button = buttons->Items(i);
    if (!button->Visible()) continue;
    --visibleIndex;
    if (button->Kind() == bkText && !AViewInfo->HasTextButtons) {
      AViewInfo->HasTextButtons = true;
      ACanvas->SetFont(FStyle->GetVisibleFont());
      AViewInfo->PrepareCanvasFont(ACanvas);
    }
    TcxEditButtonViewInfo* buttonViewInfo = AViewInfo->Button(visibleIndex);
    buttonViewInfo->ButtonIndex = i;
    buttonViewInfo->ButtonVisibleIndex = visibleIndex;
    buttonViewInfo->Data.Style = EffectiveButtonStyle();
    CalculateButtonViewInfo(ACanvas, AViewInfo, visibleIndex, AButtonsRect);
  }
}

void TcxCustomEditViewData::CalculateButtonViewInfo(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo,
                                                    int AButtonVisibleIndex, TRect& AButtonsRect) {
  InitializeButtonInfo(AViewInfo, AButtonVisibleIndex);
  CalculateButtonBounds(ACanvas, AViewInfo, AButtonsRect, AButtonVisibleIndex);
}

void TcxCustomEditViewData::InitializeButtonInfo(TcxCustomEditViewInfo* AViewInfo, int AButtonVisibleIndex) {
  TcxEditButtonViewInfo* info = AViewInfo->Button(AButtonVisibleIndex);
  TcxCustomEditButton* button = ButtonOf(info);
  TcxEditButtonViewInfoData& data = info->Data;
  data.ComboBoxStyle = ButtonVisibleCount == 1 && button->Kind() == bkDown;
  data.UseSkins = AViewInfo->UseSkins;
  data.Kind = button->Kind();
  if (data.Kind == bkText) {
    data.Caption = button->Caption();
    TcxCustomLookAndFeelPainter* skin = FStyle->LookAndFeel()->SkinPainter();
    data.TextColor = skin ? skin->EditButtonTextColor() : button->TextColor();
    data.VisibleCaption = button->VisibleCaption();
  }
  data.ContentAlignment = button->ContentAlignment();
  data.Default = button->Default();
  info->Images = FProperties->Images();
  info->ImageIndex = button->ImageIndex();
  // Laying out makes no glyph where there is none.
  info->Glyph = button->HasGlyph() ? button->Glyph() : nullptr;
  info->HasBackground = AViewInfo->HasBackground;
  data.Gradient = FStyle->GradientButtons();
  data.Hint = button->Hint();
  if (TcxEditButtonActionLink* link = button->ActionLink()) link->PrepareHint(data.Hint);
  data.ActionLink = button->ActionLink();
  data.IsInplace = FIsInplace;
  data.LeftAlignment = IsButtonLeftAligned(AViewInfo, AButtonVisibleIndex);
  data.Leftmost = data.Rightmost = false;
  data.NativeStyle = AViewInfo->NativeStyle;
  info->Stretchable = button->Stretchable();
  info->Width = button->Width();
  if (info->Width == 0 && OnGetDefaultButtonWidth) OnGetDefaultButtonWidth(this, info->ButtonIndex, info->Width);
  const TcxEditButtonTransparency transparency = FStyle->ButtonTransparency();
  data.Transparent = transparency == ebtAlways || (transparency == ebtInactive && !Selected);
  data.BackgroundColor = AViewInfo->BackgroundColor();
}

int TcxCustomEditViewData::MeasureEditButtonWidth(TcxCanvas* ACanvas, TcxEditButtonViewInfo* AButtonViewInfo) {
  TcxEditButtonViewInfoData& data = AButtonViewInfo->Data;
  int margin = 4;
  if (data.NativeStyle) {
    const HTHEME theme = dxThemeHandleOf(data.ComboBoxStyle ? totComboBox : totButton);
    data.NativeStyle = theme != nullptr;
    if (theme) {
      const TRect margins = cxThemeContentMargins(theme, 1, 1);
      margin = margins.Left + margins.Right;
    }
  }
  if (AButtonViewInfo->Width >= 1) return std::max(AButtonViewInfo->Width, margin);
  int width = GetSystemMetrics(SM_CYHSCROLL);
  if (data.Kind == bkGlyph && cxGlyphPresent(AButtonViewInfo->Glyph))
    width = AButtonViewInfo->Glyph->Width() + margin;
  else if (data.Kind == bkGlyph && cxImageIndexValid(AButtonViewInfo->Images, AButtonViewInfo->ImageIndex))
    width = AButtonViewInfo->Images->Width() + margin;
  else if (data.Kind == bkText)
    width = std::max(ACanvas->TextWidth(data.VisibleCaption) + 3 + margin, GetSystemMetrics(SM_CYHSCROLL));
  dxRaiseToTouchMinimum(width);
  return width;
}

void TcxCustomEditViewData::CalculateButtonBounds(TcxCanvas* ACanvas, TcxCustomEditViewInfo* AViewInfo,
                                                  TRect& AButtonsRect, int AButtonVisibleIndex) {
  TcxEditButtonViewInfo* info = AViewInfo->Button(AButtonVisibleIndex);
  if (AButtonsRect.IsEmpty()) {
    info->Bounds = info->VisibleBounds = TRect();
    return;
  }
  const int w = MeasureEditButtonWidth(ACanvas, info);
  const int v = std::min(w, AButtonsRect.Width());
  if (info->Data.LeftAlignment) {
    info->Bounds = TRect(AButtonsRect.Left, AButtonsRect.Top, AButtonsRect.Left + w, AButtonsRect.Bottom);
    info->VisibleBounds = TRect(AButtonsRect.Left, AButtonsRect.Top, AButtonsRect.Left + v, AButtonsRect.Bottom);
    AButtonsRect.Left += v;
    if (FLeftSideLeftmostButtonIndex == -1) FLeftSideLeftmostButtonIndex = AButtonVisibleIndex;
    FLeftSideRightmostButtonIndex = AButtonVisibleIndex;
  } else {
    info->Bounds = TRect(AButtonsRect.Right - w, AButtonsRect.Top, AButtonsRect.Right, AButtonsRect.Bottom);
    info->VisibleBounds = TRect(AButtonsRect.Right - v, AButtonsRect.Top, AButtonsRect.Right, AButtonsRect.Bottom);
    AButtonsRect.Right -= v;
    if (FRightSideRightmostButtonIndex == -1) FRightSideRightmostButtonIndex = AButtonVisibleIndex;
    FRightSideLeftmostButtonIndex = AButtonVisibleIndex;
  }
}

// The room left over in the buttons-only styles goes to the stretchable
// buttons (to all when none is), in proportion to their widths, the last
// one visited taking the rounding rest.
void TcxCustomEditViewData::CheckButtonsOnly(TcxCustomEditViewInfo* AViewInfo, int APrevButtonsWidth,
                                             int AButtonsWidth) {
  const int rest = AButtonsWidth;
  if (!ButtonsOnlyStyle || rest <= 0) return;
  auto takesPart = [&](int I) {
    return AViewInfo->Button(I)->Stretchable && !IgnoreButtonWhileStretching(I);
  };
  int count = 0, sum = 0;
  for (int i = 0; i < AViewInfo->ButtonCount(); ++i)
    if (takesPart(i)) {
      ++count;
      sum += AViewInfo->Button(i)->Bounds.Width();
    }
  const bool all = count == 0;
  if (all) {
    count = AViewInfo->ButtonCount();
    sum = APrevButtonsWidth - AButtonsWidth;
  }
  int handedOut = 0, visited = 0;
  for (int i = AViewInfo->ButtonCount() - 1; i >= 0; --i) {
    if (!all && !takesPart(i)) continue;
    TcxEditButtonViewInfo* button = AViewInfo->Button(i);
    const bool last = ++visited == count;
    const int extra = last ? rest - handedOut : (sum > 0 ? button->Bounds.Width() * rest / sum : 0);
    handedOut += extra;
    if (button->Data.LeftAlignment) {
      const int oldRight = button->Bounds.Right;
      button->Bounds.Right += extra;
      button->VisibleBounds.Right += extra;
      for (const auto& other : AViewInfo->ButtonsInfo)
        if (other.get() != button && other->Data.LeftAlignment && other->Bounds.Left >= oldRight) {
          other->Bounds.Offset(extra, 0);
          other->VisibleBounds = other->Bounds;
        }
    } else {
      const int oldLeft = button->Bounds.Left;
      button->Bounds.Left -= extra;
      button->VisibleBounds.Left -= extra;
      for (const auto& other : AViewInfo->ButtonsInfo)
        if (other.get() != button && !other->Data.LeftAlignment && other->Bounds.Right <= oldLeft) {
          other->Bounds.Offset(-extra, 0);
          other->VisibleBounds = other->Bounds;
        }
    }
  }
}

void TcxCustomEditViewData::CalculateButtonStates(TcxCustomEditViewInfo* AViewInfo, const TPoint& P,
                                                  TcxMouseButton Button, TShiftState Shift,
                                                  int APreviousPressedButton,
                                                  const std::vector<TcxEditButtonState>& APreviousStates) {
  const int captured = CapturedButtonVisibleIndex();
  for (int i = 0; i < AViewInfo->ButtonCount(); ++i) {
    TcxEditButtonViewInfo* info = AViewInfo->Button(i);
    const TcxEditButtonState previous = i < static_cast<int>(APreviousStates.size()) ? APreviousStates[i] : ebsNormal;
    const bool heldDown = IsButtonHeldDown(AViewInfo, i);
    TcxEditButtonState state = ebsNormal;
    if (!Enabled || !ButtonOf(info)->Enabled()) {
      state = ebsDisabled;
    } else if (heldDown || (!IsDesigning && info->VisibleBounds.Contains(P))) {
      const bool captureContinuation =
          Button == cxmbNone && Shift.Contains(ssLeft) && previous == ebsNormal && i == captured;
      const bool leftPress = Button == cxmbLeft && IsLeftButtonAlone(Shift);
      const bool held = previous == ebsPressed && Shift.Contains(ssLeft);
      if (heldDown || leftPress || held || captureContinuation) AViewInfo->IsButtonReallyPressed = true;
      if (!heldDown && !HasMouseButton(Shift) && !captureContinuation) {
        state = ebsSelected;
        AViewInfo->SelectedButton = i;
      } else if (heldDown || (captureContinuation && IsButtonPressable(AViewInfo, i)) ||
                 (IsLeftButtonAlone(Shift) &&
                  ((Button == cxmbLeft && IsButtonPressable(AViewInfo, i)) || i == APreviousPressedButton)) ||
                 held) {
        state = ebsPressed;
        AViewInfo->PressedButton = i;
      }
    }
    if (AViewInfo->OnGetButtonState) AViewInfo->OnGetButtonState(info, state);
    info->Data.State = state;
    ComputeButtonThemeInfo(info);
  }
}

HTHEME TcxCustomEditViewData::ButtonThemeHandle(TcxEditButtonViewInfo* AButtonViewInfo) {
  if (!AButtonViewInfo->Data.NativeStyle) return nullptr;
  return dxThemeHandleOf(AButtonViewInfo->Data.ComboBoxStyle ? totComboBox : totButton);
}

void TcxCustomEditViewData::ComputeButtonThemeInfo(TcxEditButtonViewInfo* AButtonViewInfo) {
  ComputeButtonThemePart(ButtonThemeHandle(AButtonViewInfo), AButtonViewInfo);
}

void TcxCustomEditViewData::ComputeButtonThemePart(HTHEME ATheme, TcxEditButtonViewInfo* AButtonViewInfo) {
  TcxEditButtonViewInfoData& data = AButtonViewInfo->Data;
  if (ATheme && data.ComboBoxStyle && dxOsVistaUp && !FIsInplace)
    data.NativePart = data.LeftAlignment ? CP_DROPDOWNBUTTONLEFT : CP_DROPDOWNBUTTONRIGHT;
  else
    data.NativePart = ATheme ? 1 : 0;
  static const int states[] = {4, 1, 3, 2};  // disabled, normal, pressed, hot
  data.NativeState = data.NativePart != 0 ? states[static_cast<int>(data.State)] : 0;
  data.BackgroundPartiallyTransparent =
      data.UseSkins ||
      (data.NativePart != 0 && IsThemeBackgroundPartiallyTransparent(ATheme, data.NativePart, data.NativeState));
}

void TcxCustomEditViewData::CheckStartButtonsFading(TcxCustomEditViewInfo* AViewInfo) {
  for (const auto& button : AViewInfo->ButtonsInfo) button->FadingHelper()->UpdateState();
}

void TcxCustomEditViewData::MarkOutermostButtons(TcxCustomEditViewInfo* AViewInfo) {
  const bool leftGroup = FLeftSideLeftmostButtonIndex != -1, rightGroup = FRightSideRightmostButtonIndex != -1;
  if (leftGroup) AViewInfo->Button(FLeftSideLeftmostButtonIndex)->Data.Leftmost = true;
  if (FLeftSideRightmostButtonIndex != -1 && !(ButtonsOnlyStyle && rightGroup))
    AViewInfo->Button(FLeftSideRightmostButtonIndex)->Data.Rightmost = true;
  if (FRightSideLeftmostButtonIndex != -1 && !(ButtonsOnlyStyle && leftGroup))
    AViewInfo->Button(FRightSideLeftmostButtonIndex)->Data.Leftmost = true;
  if (rightGroup) AViewInfo->Button(FRightSideRightmostButtonIndex)->Data.Rightmost = true;
  if (ButtonsOnlyStyle)
    for (const auto& button : AViewInfo->ButtonsInfo) button->Data.LeftAlignment = false;
}

// ---------------------------------------------------------------- measuring

TSize TcxCustomEditViewData::GetEditContentSizeCorrection() {
  const TcxEditContentParams& p = EditContentParams;
  return TSize{p.Offsets.Left + p.Offsets.Right + p.SizeCorrection.cx,
               p.Offsets.Top + p.Offsets.Bottom + p.SizeCorrection.cy};
}

TSize TcxCustomEditViewData::GetEditConstantPartSize(TcxCanvas* ACanvas,
                                                     const TcxEditSizeProperties& AEditSizeProperties,
                                                     TSize& AMinContentSize, TcxCustomEditViewInfo* AViewInfo) {
  std::unique_ptr<TcxCustomEditViewInfo> temporary;
  if (!AViewInfo) {
    temporary.reset(FProperties->GetViewInfoClass().Create());
    AViewInfo = temporary.get();
    Calculate(ACanvas, TRect(0, 0, MeasuringEdge, MeasuringEdge), TPoint(-1, -1), cxmbNone, {}, AViewInfo, false);
  }
  TSize size;
  CalculateFrameAndMinContentSize(ACanvas, FIsInplace, size, AViewInfo, AMinContentSize, AEditSizeProperties);
  return size;
}

void TcxCustomEditViewData::CalculateFrameAndMinContentSize(TcxCanvas* ACanvas, bool AIsInplace, TSize& ASize,
                                                            TcxCustomEditViewInfo* AViewInfo, TSize& AMinContentSize,
                                                            const TcxEditSizeProperties&) {
  AMinContentSize = TSize();
  if (!AViewInfo->Bounds.IsEmpty() && !AViewInfo->ClientRect.IsEmpty()) {
    ASize = TSize{AViewInfo->Bounds.Width() - AViewInfo->ClientRect.Width(),
                  AViewInfo->Bounds.Height() - AViewInfo->ClientRect.Height()};
  } else {
    const TRect extent = GetClientExtent(ACanvas, AViewInfo);
    ASize = TSize{extent.Left + extent.Right, extent.Top + extent.Bottom};
  }
  int height = 0;
  bool fontPrepared = false;
  for (const auto& button : AViewInfo->ButtonsInfo) {
    if (button->Data.Kind == bkGlyph) {
      if (cxGlyphPresent(button->Glyph))
        height = std::max(height, button->Glyph->Height());
      else if (cxImageIndexValid(button->Images, button->ImageIndex))
        height = std::max(height, button->Images->Height());
    } else if (AIsInplace && button->Data.Kind == bkText && !button->Data.VisibleCaption.empty()) {
      if (!fontPrepared) {
        ACanvas->SetFont(FStyle->GetVisibleFont());
        AViewInfo->PrepareCanvasFont(ACanvas);
        fontPrepared = true;
      }
      height = std::max(height, ACanvas->TextHeight(button->Data.VisibleCaption));
    }
  }
  if (height <= 0) return;
  if (!FStyle->LookAndFeel()->SkinPainter()) {
    const TRect buttonsExtent = GetButtonsExtent(ACanvas);
    height += buttonsExtent.Top + buttonsExtent.Bottom;
  }
  height += cxButtonsContentVerticalMargin(EffectiveButtonStyle(), NativeStyle);
  AMinContentSize.cy = std::max(0, height - ASize.cy);
}

TSize TcxCustomEditViewData::GetEditContentSize(TcxCanvas* ACanvas, const Variant& AEditValue,
                                                const TcxEditSizeProperties& AEditSizeProperties,
                                                TcxEditValidateInfo* AErrorData) {
  TSize size;
  if (FProperties->ButtonsViewStyle() != bvsNormal) {
    ACanvas->SetFont(FStyle->GetVisibleFont());
    size = TSize{0, GetEditContentSizeCorrection().cy + cxDCTextHeight(ACanvas->Handle())};
  } else {
    size = MeasureEditContent(ACanvas, AEditValue, AEditSizeProperties);
  }
  if (AErrorData && AErrorData->HasErrorIcon()) size.cx += AErrorData->ErrorIcon->Width() + 3;
  if (SupportsTouchMode) dxRaiseSizeToTouchMinimum(size);
  return size;
}

TSize TcxCustomEditViewData::GetSize(TcxCanvas* ACanvas, const Variant& AEditValue,
                                     const TcxEditSizeProperties& AEditSizeProperties,
                                     TcxCustomEditViewInfo* AViewInfo, bool AEditing) {
  TSize minContentSize;
  const TSize frame = GetEditConstantPartSize(ACanvas, AEditSizeProperties, minContentSize, AViewInfo);
  TcxEditSizeProperties sizeProperties = AEditSizeProperties;
  if (sizeProperties.Height >= 0) sizeProperties.Height = std::max(0, sizeProperties.Height - frame.cy);
  if (sizeProperties.Width >= 0) sizeProperties.Width = std::max(0, sizeProperties.Width - frame.cx);
  const TSize content = AEditing && FProperties->GetSupportedOperations().Contains(esoEditingAutoHeight)
                            ? GetEditingContentSize(ACanvas, AEditValue, sizeProperties)
                            : GetEditContentSize(ACanvas, AEditValue, sizeProperties);
  return TSize{std::max(content.cx, minContentSize.cx) + frame.cx,
               std::max(content.cy, minContentSize.cy) + frame.cy};
}

TSize TcxCustomEditViewData::GetEditSize(TcxCanvas* ACanvas, const Variant& AEditValue,
                                         const TcxEditSizeProperties& AEditSizeProperties,
                                         TcxCustomEditViewInfo* AViewInfo) {
  return GetSize(ACanvas, AEditValue, AEditSizeProperties, AViewInfo, false);
}

TSize TcxCustomEditViewData::GetEditingSize(TcxCanvas* ACanvas, const Variant& AEditValue,
                                            const TcxEditSizeProperties& AEditSizeProperties,
                                            TcxCustomEditViewInfo* AViewInfo) {
  return GetSize(ACanvas, AEditValue, AEditSizeProperties, AViewInfo, true);
}
