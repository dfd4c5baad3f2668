// The root painter's check boxes, toggle switches, radio buttons, label
// lines, gauge background, map control, spreadsheet, group boxes and panels.
#include "components/core/cxGeometry.h"
#include "components/lookandfeel/cxLookAndFeelPainters.h"

// ---------------------------------------------------------------- check box

TSize TcxCustomLookAndFeelPainter::CheckButtonSize() { return SystemCheckButtonSize; }

TSize TcxCustomLookAndFeelPainter::CheckButtonAreaSize() {
  TSize result = CheckButtonSize();
  dxRaiseToTouchMinimum(result.cx);
  dxRaiseToTouchMinimum(result.cy);
  return result;
}

int TcxCustomLookAndFeelPainter::CheckBorderSize() { return 2; }

TColor TcxCustomLookAndFeelPainter::CheckButtonColor(TcxButtonState AState, TcxCheckBoxState ACheckState) {
  if (AState == cxbsNormal) return ACheckState == cbsGrayed ? clBtnFace : clWindow;
  return AState == cxbsPressed || AState == cxbsDisabled ? clBtnFace : clWindow;
}

void TcxCustomLookAndFeelPainter::DrawCheck(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState, bool AChecked,
                                            TColor AColor) {
  DrawCheck(ACanvas, R, AState, AChecked ? cbsChecked : cbsUnchecked, AColor);
}

// A tick three pixels thick; a clear brush keeps the background under it.
void TcxCustomLookAndFeelPainter::DrawCheck(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                            TcxCheckBoxState ACheckState, TColor AColor) {
  if (ACanvas->Brush()->Style() == bsSolid) ACanvas->FillRect(R, CheckButtonColor(AState, ACheckState));
  if (ACheckState == cbsUnchecked) return;
  const int w = R.Width() - 2, h = R.Height() - 4;
  const int cx = (R.Left + R.Right) / 2 - 1, y0 = (R.Top + R.Bottom + h) / 2 - 2;
  ACanvas->Pen()->SetColor(AColor);
  for (int d = 0; d < 3; ++d)
    ACanvas->Polyline(
        {TPoint(cx - (w / 2 - 1), y0 + d - h / 2), TPoint(cx, y0 + d), TPoint(cx + w / 2 + 2, y0 + d - h)});
}

void TcxCustomLookAndFeelPainter::DrawCheckBorder(TcxCanvas* /*ACanvas*/, const TRect& /*R*/,
                                                  TcxButtonState /*AState*/) {}

void TcxCustomLookAndFeelPainter::DrawCheckButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                  TcxCheckBoxState ACheckState) {
  DrawCheckBorder(ACanvas, R, AState);
  const bool greyed = AState == cxbsDisabled || ACheckState == cbsGrayed;
  DrawCheck(ACanvas, cxRectDeflated(R, CheckBorderSize()), AState, ACheckState, greyed ? clGrayText : clBtnText);
}

void TcxCustomLookAndFeelPainter::DrawCheckButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                  bool AChecked) {
  DrawCheckButton(ACanvas, R, AState, AChecked ? cbsChecked : cbsUnchecked);
}

// ---------------------------------------------------------------- toggle switch

TColor TcxCustomLookAndFeelPainter::ToggleSwitchToggleColor(bool /*AChecked*/) { return clBlack; }

int TcxCustomLookAndFeelPainter::GetToggleSwitchThumbPercentsWidth() { return 50; }

// While the thumb moves, the part behind it shows the checked look and the
// part ahead the unchecked one.
void TcxCustomLookAndFeelPainter::DrawToggleSwitch(TcxCanvas* ACanvas, const TRect& ABounds, TcxButtonState AState,
                                                   const TRect& AThumbBounds) {
  if (AThumbBounds.Left == ABounds.Left) return DrawToggleSwitchState(ACanvas, ABounds, AState, false);
  if (AThumbBounds.Right == ABounds.Right) return DrawToggleSwitchState(ACanvas, ABounds, AState, true);
  const int middle = AThumbBounds.Left + AThumbBounds.Width() / 2;
  const auto drawPart = [&](const TRect& AHidden, bool AChecked) {
    ACanvas->SaveState();
    ACanvas->ExcludeClipRect(AHidden);
    DrawToggleSwitchState(ACanvas, ABounds, AState, AChecked);
    ACanvas->RestoreState();
  };
  drawPart(TRect(middle, ABounds.Top, ABounds.Right, ABounds.Bottom), true);
  drawPart(TRect(ABounds.Left, ABounds.Top, middle, ABounds.Bottom), false);
}

void TcxCustomLookAndFeelPainter::DrawToggleSwitchState(TcxCanvas* /*ACanvas*/, const TRect& /*ABounds*/,
                                                        TcxButtonState /*AState*/, bool /*AChecked*/) {}

void TcxCustomLookAndFeelPainter::DrawToggleSwitchStateIndicator(TcxCanvas* ACanvas, const TRect& ABounds,
                                                                 const String& AText, TFont* AFont) {
  ACanvas->SaveState();
  ACanvas->SetFont(AFont);
  TRect bounds = ABounds;
  cxDrawRotatedText(ACanvas, AText, bounds,
                    cxTextFlagsToDrawTextFlags(cxtfAlignLeft | cxtfAlignHCenter | cxtfAlignVCenter),
                    DefaultContentTextColor(), ra0);
  ACanvas->RestoreState();
}

void TcxCustomLookAndFeelPainter::DrawToggleSwitchThumb(TcxCanvas* ACanvas, const TRect& ABounds,
                                                        TcxButtonState AState) {
  DrawButton(ACanvas, cxRectDeflated(ABounds, 2), L"", AState, true, clDefault, clDefault, false, false, cxbpButton);
}

// ---------------------------------------------------------------- radio button

void TcxCustomLookAndFeelPainter::DrawRadioButton(TcxCanvas* ACanvas, int X, int Y, TcxButtonState AButtonState,
                                                  bool AChecked, bool AFocused, TColor ABrushColor,
                                                  bool AIsDesigning) {
  TcxLookAndFeelKind kind = lfStandard;
  switch (LookAndFeelStyle()) {
    case lfsFlat: kind = lfFlat; break;
    case lfsStandard:
    case lfsNative: kind = lfStandard; break;
    case lfsUltraFlat:
    case lfsSkin: kind = lfUltraFlat; break;
    case lfsOffice11: kind = lfOffice11; break;
  }
  cxGetRadioButtonImageList()->Draw(ACanvas, X, Y, ABrushColor, kind, AButtonState, AChecked, AFocused,
                                    AIsDesigning);
}

TColor TcxCustomLookAndFeelPainter::RadioButtonBodyColor(TcxButtonState AState) {
  return AState == cxbsPressed || AState == cxbsDisabled ? clBtnFace : clWindow;
}

TSize TcxCustomLookAndFeelPainter::RadioButtonSize() { return cxGetRadioButtonImageList()->GetSize(); }

// ---------------------------------------------------------------- label line and gauge

void TcxCustomLookAndFeelPainter::DrawLabelLine(TcxCanvas* ACanvas, const TRect& R, TColor AOuterColor,
                                                TColor AInnerColor, bool AIsVertical) {
  ACanvas->DrawComplexFrame(R, cxColorOrDefault(AOuterColor, clBtnShadow), cxColorOrDefault(AInnerColor, clBtnHighlight),
                            AIsVertical ? TcxBorders{bLeft, bRight} : TcxBorders{bTop, bBottom});
}

int TcxCustomLookAndFeelPainter::LabelLineHeight() { return 2; }

TColor TcxCustomLookAndFeelPainter::GaugeControlBackgroundColor() { return clWindow; }

void TcxCustomLookAndFeelPainter::DrawGaugeControlBackground(TcxCanvas* ACanvas, const TRect& ARect,
                                                             bool ATransparent, TColor ABackgroundColor) {
  FillBackground(ACanvas, ARect, nullptr, ABackgroundColor, ATransparent);
}

// ---------------------------------------------------------------- map control

TColor TcxCustomLookAndFeelPainter::MapControlBackgroundColor() { return TColorOf(0x958B5F); }
TdxAlphaColor TcxCustomLookAndFeelPainter::MapControlPanelBackColor() { return 0xC8000000; }
TdxAlphaColor TcxCustomLookAndFeelPainter::MapControlPanelHotTrackedTextColor() { return 0xFFFFFFFF; }
TdxAlphaColor TcxCustomLookAndFeelPainter::MapControlPanelPressedTextColor() { return 0xFF7E8383; }
TdxAlphaColor TcxCustomLookAndFeelPainter::MapControlPanelTextColor() { return 0xFFADDFFF; }

TSize TcxCustomLookAndFeelPainter::MapControlGetMapPushpinSize() { return MapPushpinImage()->Size(); }
TPoint TcxCustomLookAndFeelPainter::MapControlGetMapPushpinTextOrigin() { return TPoint(17, 17); }
TRect TcxCustomLookAndFeelPainter::MapControlMapCustomElementSelectionOffset() { return TRect(14, 14, 14, 14); }
TdxAlphaColor TcxCustomLookAndFeelPainter::MapControlMapCustomElementTextColor() { return 0xFF000000; }
TdxAlphaColor TcxCustomLookAndFeelPainter::MapControlMapCustomElementTextGlowColor() { return 0xFFFFFFFF; }
TdxAlphaColor TcxCustomLookAndFeelPainter::MapControlMapPushpinTextColor() { return 0xFF000000; }
TdxAlphaColor TcxCustomLookAndFeelPainter::MapControlMapPushpinTextGlowColor() { return 0xFFFFFFFF; }
TdxAlphaColor TcxCustomLookAndFeelPainter::MapControlSelectedRegionBackgroundColor() { return 0x800072AE; }
TdxAlphaColor TcxCustomLookAndFeelPainter::MapControlSelectedRegionBorderColor() { return 0xFF3399FF; }
TdxAlphaColor TcxCustomLookAndFeelPainter::MapControlShapeColor() { return 0xFFD7D7D7; }
TdxAlphaColor TcxCustomLookAndFeelPainter::MapControlShapeBorderColor() { return 0xFFFFFFFF; }
int TcxCustomLookAndFeelPainter::MapControlShapeBorderWidth() { return 1; }
TdxAlphaColor TcxCustomLookAndFeelPainter::MapControlShapeHighlightedColor() { return 0xFFD7D7D7; }
TdxAlphaColor TcxCustomLookAndFeelPainter::MapControlShapeBorderHighlightedColor() { return 0xFFFFFFFF; }
int TcxCustomLookAndFeelPainter::MapControlShapeBorderHighlightedWidth() { return 1; }
TdxAlphaColor TcxCustomLookAndFeelPainter::MapControlShapeSelectedColor() { return 0xFFD7D7D7; }
TdxAlphaColor TcxCustomLookAndFeelPainter::MapControlShapeBorderSelectedColor() { return 0xFFFFFFFF; }
int TcxCustomLookAndFeelPainter::MapControlShapeBorderSelectedWidth() { return 1; }

void TcxCustomLookAndFeelPainter::DrawMapCustomElementBackground(TcxCanvas* ACanvas, const TRect& ARect,
                                                                 TdxMapControlElementState AState) {
  TdxAlphaColor pen = 0, fill = 0;
  switch (AState) {
    case mcesHot:
    case mcesPressed: pen = 0x5A000000, fill = 0x5AFFFFFF; break;
    case mcesSelected: pen = 0x80000000, fill = 0x80FFFFFF; break;
    default: break;
  }
  dxGpPaintOnDC(ACanvas->Handle(), ARect, [&](TdxGPCanvas* ACanvasGP) {
    ACanvasGP->SetSmoothingMode(smAntiAlias);
    ACanvasGP->RoundRect(cxRectDeflated(ARect, 1), pen, fill, 4, 4, 1.0f);
  });
}

void TcxCustomLookAndFeelPainter::DrawMapPushpin(TcxCanvas* ACanvas, const TRect& ARect,
                                                 TdxMapControlElementState /*AState*/) {
  MapPushpinImage()->StretchDraw(ACanvas->Handle(), ARect);
}

// ---------------------------------------------------------------- spreadsheet

TColor TcxCustomLookAndFeelPainter::SpreadSheetContentColor() { return clWindow; }
TColor TcxCustomLookAndFeelPainter::SpreadSheetContentTextColor() { return clWindowText; }
TColor TcxCustomLookAndFeelPainter::SpreadSheetFrozenPaneSeparatorColor() { return clBlack; }
TRect TcxCustomLookAndFeelPainter::SpreadSheetGroupExpandButtonContentOffsets() { return TRect(3, 3, 3, 3); }
TSize TcxCustomLookAndFeelPainter::SpreadSheetGroupExpandButtonGlyphSize() { return NavigatorButtonGlyphSize(); }

TColor TcxCustomLookAndFeelPainter::SpreadSheetGroupExpandButtonTextColor(TcxButtonState AState) {
  return ButtonSymbolColor(AState, clDefault);
}

TSize TcxCustomLookAndFeelPainter::SpreadSheetGroupLevelMarkSize() { return TSize(2, 2); }
TColor TcxCustomLookAndFeelPainter::SpreadSheetGroupLineColor() { return clGray; }
TColor TcxCustomLookAndFeelPainter::SpreadSheetSelectionColor() { return DefaultSelectionColor(); }

void TcxCustomLookAndFeelPainter::DrawSpreadSheetGroupExpandButton(TcxCanvas* ACanvas, const TRect& R,
                                                                   TcxButtonState AState) {
  DrawButton(ACanvas, R, L"", AState, true, clDefault, clDefault, false, false, cxbpButton);
}

void TcxCustomLookAndFeelPainter::DrawSpreadSheetGroupExpandButtonGlyph(TcxCanvas* ACanvas, const TRect& R,
                                                                        TcxButtonState /*AState*/, bool AExpanded,
                                                                        TCustomImageList* ADefaultGlyphs) {
  const TSize size = NavigatorButtonGlyphSize();
  DrawNavigatorButtonGlyph(ACanvas, ADefaultGlyphs, AExpanded ? 8 : 6, cxRectCenteredOfSize(R, size.cx, size.cy),
                           true, false);
}

void TcxCustomLookAndFeelPainter::DrawSpreadSheetHeader(TcxCanvas* ACanvas, const TRect& ABounds,
                                                        const TRect& ATextAreaBounds, const TcxNeighbors& ANeighbors,
                                                        const TcxBorders& ABorders, TcxButtonState AState,
                                                        TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert,
                                                        bool AMultiLine, bool AShowEndEllipsis, const String& AText,
                                                        TFont* AFont, TColor ATextColor, TColor ABkColor,
                                                        const TcxDrawBackgroundEvent& AOnDrawBackground,
                                                        bool /*AIsLast*/, bool /*AIsGroup*/) {
  DrawHeaderBorder(ACanvas, ABounds, ANeighbors, ABorders);
  const TColor color = AState == cxbsHot ? cxBlendTwoColors(ABkColor, clHighlight, 70) : ABkColor;
  DrawCellBackgroundAndText(ACanvas, HeaderContentBounds(ABounds, ABorders), ATextAreaBounds, AState,
                            AAlignmentHorz, AAlignmentVert, AMultiLine, AShowEndEllipsis, AText, AFont, ATextColor,
                            color, AOnDrawBackground, false);
}

// ---------------------------------------------------------------- group box

void TcxCustomLookAndFeelPainter::DrawGroupBoxBackground(TcxCanvas* /*ACanvas*/, const TRect& /*ABounds*/,
                                                         const TRect& /*ARect*/) {}
void TcxCustomLookAndFeelPainter::DrawGroupBoxCaption(TcxCanvas* /*ACanvas*/, const TRect& /*ACaptionRect*/,
                                                      const TRect& /*ATextRect*/,
                                                      TcxGroupBoxCaptionPosition /*ACaptionPosition*/) {}
void TcxCustomLookAndFeelPainter::DrawGroupBoxContent(TcxCanvas* /*ACanvas*/, const TRect& /*ABorderRect*/,
                                                      TcxGroupBoxCaptionPosition /*ACaptionPosition*/,
                                                      const TcxBorders& /*ABorders*/) {}
void TcxCustomLookAndFeelPainter::DrawGroupBoxFrame(TcxCanvas* /*ACanvas*/, const TRect& /*R*/, bool /*AEnabled*/,
                                                    TcxGroupBoxCaptionPosition /*ACaptionPosition*/,
                                                    const TcxBorders& /*ABorders*/) {}

void TcxCustomLookAndFeelPainter::DrawGroupBoxExpandButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                           bool AExpanded, TcxRotationAngle ARotationAngle) {
  DrawExpandButtonEx(ACanvas, R, AState, AExpanded, ARotationAngle);
}

void TcxCustomLookAndFeelPainter::DrawGroupBoxButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) {
  DrawButton(ACanvas, R, L"", AState, true, clDefault, clDefault, false, false, cxbpButton);
}

void TcxCustomLookAndFeelPainter::DrawGroupBoxExpandGlyph(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                          bool AExpanded) {
  DrawExpandMark(ACanvas, R, ButtonSymbolColor(AState, clDefault), AExpanded);
}

TRect TcxCustomLookAndFeelPainter::GroupBoxBorderSize(bool /*ACaption*/,
                                                      TcxGroupBoxCaptionPosition /*ACaptionPosition*/) {
  return TRect();
}

int TcxCustomLookAndFeelPainter::GroupBoxCaptionTailSize(TcxGroupBoxCaptionPosition /*ACaptionPosition*/) {
  return 0;
}

TColor TcxCustomLookAndFeelPainter::GroupBoxTextColor(bool AEnabled, TcxGroupBoxCaptionPosition /*ACaptionPosition*/) {
  return AEnabled ? clWindowText : clBtnShadow;
}

bool TcxCustomLookAndFeelPainter::IsGroupBoxCaptionTextDrawnOverBorder(
    TcxGroupBoxCaptionPosition /*ACaptionPosition*/) {
  return true;
}

bool TcxCustomLookAndFeelPainter::IsGroupBoxTransparent(bool /*AIsCaption*/,
                                                        TcxGroupBoxCaptionPosition /*ACaptionPosition*/) {
  return false;
}

// ---------------------------------------------------------------- panel

void TcxCustomLookAndFeelPainter::DrawPanelBackground(TcxCanvas* ACanvas, TWinControl* /*AControl*/,
                                                      const TRect& ABounds, TColor /*AColorFrom*/,
                                                      TColor /*AColorTo*/) {
  DrawGroupBoxBackground(ACanvas, ABounds, ABounds);
}

void TcxCustomLookAndFeelPainter::DrawPanelBorders(TcxCanvas* /*ACanvas*/, const TRect& /*ABorderRect*/) {}

void TcxCustomLookAndFeelPainter::DrawPanelCaption(TcxCanvas* ACanvas, const TRect& ACaptionRect,
                                                   TcxGroupBoxCaptionPosition ACaptionPosition) {
  DrawGroupBoxCaption(ACanvas, ACaptionRect, TRect(), ACaptionPosition);
}

void TcxCustomLookAndFeelPainter::DrawPanelContent(TcxCanvas* ACanvas, const TRect& ABorderRect, bool /*ABorder*/) {
  ACanvas->FillRect(ABorderRect, clBtnFace);
}

TRect TcxCustomLookAndFeelPainter::PanelBorderSize() { return TRect(); }

TColor TcxCustomLookAndFeelPainter::PanelTextColor() { return GroupBoxTextColor(true, cxgpTop); }
