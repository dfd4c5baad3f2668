// The UltraFlat painter: single one-pixel frames in system colours, hot
// tracking, and hot or pressed buttons tinted with the system tint colours.
#include "components/core/cxGraphics.h"
#include "components/lookandfeel/cxLookAndFeelPainters.h"

namespace {

// One-pixel lines of ABorders inside R, each filled in AColor.
void FillBorderLines(TcxCanvas* ACanvas, const TRect& R, const TcxBorders& ABorders, TColor AColor) {
  ACanvas->DrawComplexFrame(R, AColor, AColor, ABorders);
}

}  // namespace

String TcxUltraFlatLookAndFeelPainter::LookAndFeelName() { return L"UltraFlat"; }
TcxLookAndFeelStyle TcxUltraFlatLookAndFeelPainter::LookAndFeelStyle() { return lfsUltraFlat; }

// ---------------------------------------------------------------- borders and buttons

int TcxUltraFlatLookAndFeelPainter::BorderSize() { return 1; }
void TcxUltraFlatLookAndFeelPainter::DrawBorder(TcxCanvas* ACanvas, const TRect& R) {
  ACanvas->FrameRect(R, clBtnShadow);
}
void TcxUltraFlatLookAndFeelPainter::DoDrawSeparator(TcxCanvas* ACanvas, const TRect& R, bool) {
  ACanvas->FillRect(R, clBtnShadow);
}

int TcxUltraFlatLookAndFeelPainter::ButtonBorderSize(TcxButtonState AState) { return AState == cxbsDefault ? 2 : 1; }

TColor TcxUltraFlatLookAndFeelPainter::ButtonColor(TcxButtonState AState) {
  switch (AState) {
    case cxbsHot: return cxSystemTintColor2();
    case cxbsPressed: return cxSystemTintColor1();
    default: return TcxCustomLookAndFeelPainter::ButtonColor(AState);
  }
}

TRect TcxUltraFlatLookAndFeelPainter::ButtonFocusRect(TcxCanvas*, const TRect& R) {
  const TRect result = cxRectDeflated(R, 3);
  return result.IsEmpty() ? R : result;
}

TColor TcxUltraFlatLookAndFeelPainter::ButtonSymbolColor(TcxButtonState AState, TColor ADefaultColor) {
  return AState == cxbsPressed ? clHighlightText
                               : TcxCustomLookAndFeelPainter::ButtonSymbolColor(AState, ADefaultColor);
}

TcxButtonState TcxUltraFlatLookAndFeelPainter::ButtonSymbolState(TcxButtonState) { return cxbsNormal; }
int TcxUltraFlatLookAndFeelPainter::ButtonTextOffset() { return 2; }
int TcxUltraFlatLookAndFeelPainter::ButtonTextShift() { return 0; }
bool TcxUltraFlatLookAndFeelPainter::IsButtonHotTrack() { return true; }

void TcxUltraFlatLookAndFeelPainter::DrawButtonBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) {
  if (AState == cxbsDefault) {
    ACanvas->FrameRect(R, clWindowFrame);
    ACanvas->FrameRect(cxRectDeflated(R, 1), clWindowFrame);
    return;
  }
  TColor color = clHighlight;  // hot and pressed
  if (AState == cxbsNormal) color = clBtnText;
  if (AState == cxbsDisabled) color = clBtnShadow;
  ACanvas->FrameRect(R, color);
}

int TcxUltraFlatLookAndFeelPainter::ExpandButtonSize() { return cxScaleByCurrentDPI(11); }

void TcxUltraFlatLookAndFeelPainter::DrawExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                      TColor AColor) {
  ACanvas->FrameRect(R, clBtnShadow);
  const TRect face = cxRectDeflated(R, 1);
  ACanvas->FillRect(face, AColor == clDefault ? clBtnFace : AColor);
  DrawExpandSign(ACanvas, face, AExpanded, clBtnText);
  ACanvas->ExcludeClipRect(R);
}

void TcxUltraFlatLookAndFeelPainter::DrawCheckBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) {
  ACanvas->FrameRect(R, clBtnText);
  ACanvas->FrameRect(cxRectDeflated(R, 1), CheckButtonColor(AState, cbsChecked));
}

TColor TcxUltraFlatLookAndFeelPainter::RadioButtonBodyColor(TcxButtonState AState) {
  switch (AState) {
    case cxbsNormal: return clWindow;
    case cxbsHot: return cxSystemTintColor2();
    case cxbsPressed: return cxSystemTintColor1();
    default: return clBtnFace;
  }
}

// ---------------------------------------------------------------- headers and footers

int TcxUltraFlatLookAndFeelPainter::HeaderBorderSize() { return 1; }

TcxBorders TcxUltraFlatLookAndFeelPainter::HeaderBorders(const TcxNeighbors& ANeighbors) {
  TcxBorders result = TcxCustomLookAndFeelPainter::HeaderBorders(ANeighbors);
  if (ANeighbors.Contains(nLeft)) result.Exclude(bLeft);
  if (ANeighbors.Contains(nTop)) result.Exclude(bTop);
  return result;
}

// The right and bottom lines are always drawn: they are what separates
// neighbouring headers.
void TcxUltraFlatLookAndFeelPainter::DrawHeaderBorder(TcxCanvas* ACanvas, const TRect& R, const TcxNeighbors&,
                                                      const TcxBorders& ABorders) {
  FillBorderLines(ACanvas, R, (ABorders * TcxBorders{bLeft, bTop}) + TcxBorders{bRight, bBottom}, clBtnText);
}

void TcxUltraFlatLookAndFeelPainter::DrawHeaderEx(TcxCanvas* ACanvas, const TRect& ABounds,
                                                  const TRect& ATextAreaBounds, const TcxNeighbors& ANeighbors,
                                                  const TcxBorders& ABorders, TcxButtonState AState,
                                                  TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert,
                                                  bool AMultiLine, bool AShowEndEllipsis, const String& AText,
                                                  TFont* AFont, TColor ATextColor, TColor ABkColor,
                                                  const TcxDrawBackgroundEvent& AOnDrawBackground) {
  DrawCellBackgroundAndText(ACanvas, ABounds, cxRectDeflated(ATextAreaBounds, 1), AState, AAlignmentHorz,
                            AAlignmentVert, AMultiLine, AShowEndEllipsis, AText, AFont, ATextColor, ABkColor,
                            AOnDrawBackground, false);
  DrawHeaderBorder(ACanvas, cxRectDeflated(ABounds, 1), ANeighbors, ABorders);
}

void TcxUltraFlatLookAndFeelPainter::DrawHeaderControlSectionBorder(TcxCanvas* ACanvas, const TRect& R,
                                                                    const TcxBorders& ABorders, TcxButtonState AState) {
  FillBorderLines(ACanvas, R, ABorders, AState == cxbsDisabled ? clBtnShadow : clBlack);
}

void TcxUltraFlatLookAndFeelPainter::DrawHeaderControlSectionContent(TcxCanvas* ACanvas, const TRect& ABounds,
                                                                     const TRect& ATextAreaBounds,
                                                                     TcxButtonState AState, TAlignment AAlignmentHorz,
                                                                     TcxAlignmentVert AAlignmentVert, bool AMultiLine,
                                                                     bool AShowEndEllipsis, const String& AText,
                                                                     TFont* AFont, TColor ATextColor, TColor ABkColor) {
  const bool tinted = AState == cxbsHot || AState == cxbsPressed || AState == cxbsDisabled;
  ACanvas->FillRect(ABounds, tinted ? ButtonColor(AState) : ABkColor);
  ACanvas->Font()->SetColor(ATextColor);
  DrawHeaderControlSectionText(ACanvas, ATextAreaBounds, AState, AAlignmentHorz, AAlignmentVert, AMultiLine,
                               AShowEndEllipsis, AText, AFont, ATextColor);
}

void TcxUltraFlatLookAndFeelPainter::DrawSortingMark(TcxCanvas* ACanvas, const TRect& R, bool AAscendingSorting) {
  DrawSortingMarkArrow(ACanvas, R, clBtnShadow, clBtnShadow, AAscendingSorting);
}

void TcxUltraFlatLookAndFeelPainter::DrawSummarySortingMark(TcxCanvas* ACanvas, const TRect& R,
                                                            bool AAscendingSorting) {
  DrawSummarySortingMarkArrow(ACanvas, R, clBtnShadow, clBtnShadow, AAscendingSorting);
}

TPoint TcxUltraFlatLookAndFeelPainter::SortingMarkSize() {
  return TPoint(cxScaleByCurrentDPI(7), cxScaleByCurrentDPI(8));
}
TPoint TcxUltraFlatLookAndFeelPainter::SummarySortingMarkSize() {
  return TPoint(cxScaleByCurrentDPI(7), cxScaleByCurrentDPI(9));
}

int TcxUltraFlatLookAndFeelPainter::GridBordersOverlapSize() { return 1; }

TcxBorders TcxUltraFlatLookAndFeelPainter::FooterBorders() { return {bRight, bBottom}; }
int TcxUltraFlatLookAndFeelPainter::FooterBorderSize() { return 1; }
int TcxUltraFlatLookAndFeelPainter::FooterCellBorderSize() { return 1; }
int TcxUltraFlatLookAndFeelPainter::FooterCellOffset() { return 2; }

void TcxUltraFlatLookAndFeelPainter::DrawFooterBorder(TcxCanvas* ACanvas, const TRect& R) {
  DrawFooterBorderEx(ACanvas, R, {bRight, bBottom});
}

void TcxUltraFlatLookAndFeelPainter::DrawFooterBorderEx(TcxCanvas* ACanvas, const TRect& R,
                                                        const TcxBorders& ABorders) {
  ACanvas->FrameRect(R, FooterSeparatorColor(), FooterSeparatorSize(), ABorders);
}

void TcxUltraFlatLookAndFeelPainter::DrawFooterCellBorder(TcxCanvas* ACanvas, const TRect& R) {
  ACanvas->FrameRect(R, FooterSeparatorColor());
}

void TcxUltraFlatLookAndFeelPainter::DrawFilterDropDownButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                              bool AIsFilterActive) {
  ACanvas->FrameRect(R, StateFrameColor(AState));
  const TRect face = cxRectDeflated(R, 1);
  ACanvas->FillRect(face, ButtonColor(AState));
  DrawFilledTriangle(ACanvas, face, AIsFilterActive ? clBlue : ButtonSymbolColor(AState, clDefault));
}

TPoint TcxUltraFlatLookAndFeelPainter::FilterCloseButtonSize() {
  TPoint result = TcxCustomLookAndFeelPainter::FilterCloseButtonSize();
  ++result.Y;
  return result;
}

// ---------------------------------------------------------------- tabs and scroll bars

int TcxUltraFlatLookAndFeelPainter::TabBorderSize(bool) { return 1; }

void TcxUltraFlatLookAndFeelPainter::DrawTabBorder(TcxCanvas* ACanvas, const TRect& R, TcxBorder ABorder,
                                                   const TcxBorders&, bool AVertical) {
  TRect line = R;
  if (!AVertical) line.Bottom -= TabBorderSize(AVertical);
  const bool darkSide = AVertical ? ABorder == bBottom : ABorder == bRight;
  ACanvas->FillRect(line, darkSide ? ButtonTextSystemColor() : ShadowEdgeColor());
}

void TcxUltraFlatLookAndFeelPainter::DrawTabsRoot(TcxCanvas* ACanvas, const TRect& R, const TcxBorders& ABorders,
                                                  bool AVertical) {
  ACanvas->DrawComplexFrame(R, ShadowEdgeColor(), ShadowEdgeColor(), ABorders, TabBorderSize(AVertical));
}

// Unlike the classic looks, a hot part is drawn hot.
void TcxUltraFlatLookAndFeelPainter::DrawScrollBarPart(TcxCanvas* ACanvas, bool AHorizontal, const TRect& R,
                                                       TcxScrollBarPart APart, TcxButtonState AState) {
  if (R.IsEmpty() || (APart == sbpThumbnail && AState == cxbsDisabled)) return;
  switch (APart) {
    case sbpLineUp:
    case sbpLineDown:
    case sbpThumbnail:
      DrawButton(ACanvas, R, String(), AState, true, clDefault, clDefault, false, false, cxbpButton);
      if (APart != sbpThumbnail) DrawScrollBarArrow(ACanvas, R, AState, ScrollBarArrowDirection(AHorizontal, APart));
      break;
    case sbpPageUp:
    case sbpPageDown: ACanvas->FillRect(R, cxScrollBarPatternBitmap(AState == cxbsPressed)); break;
    default: break;
  }
}

// ---------------------------------------------------------------- scheduler and navigators

TColor TcxUltraFlatLookAndFeelPainter::DefaultSchedulerBorderColor() { return clBtnShadow; }

TcxBorders TcxUltraFlatLookAndFeelPainter::SchedulerNavigationButtonBorders(bool AIsNextButton) {
  return AIsNextButton ? TcxBorders{bLeft, bTop, bBottom} : TcxBorders{bTop, bRight, bBottom};
}

void TcxUltraFlatLookAndFeelPainter::DrawSchedulerNavigationButtonFrame(TcxCanvas* ACanvas, const TRect& R,
                                                                        const TRect& AArrowRect, bool AIsNextButton,
                                                                        TcxButtonState AState) {
  ACanvas->FillRect(R, clBtnFace);
  FillBorderLines(ACanvas, R, SchedulerNavigationButtonBorders(AIsNextButton),
                  AState == cxbsHot ? ShadowEdgeColor() : ButtonTextSystemColor());
  DrawSchedulerNavigationButtonArrow(ACanvas, AArrowRect, AIsNextButton, ButtonSymbolColor(AState, clDefault));
}

void TcxUltraFlatLookAndFeelPainter::DrawSchedulerNavigatorButton(TcxCanvas* ACanvas, const TRect& R,
                                                                  TcxButtonState AState) {
  DrawButton(ACanvas, R, String(), AState, AState == cxbsHot || AState == cxbsPressed, clDefault, clDefault, false,
             false, cxbpButton);
}

void TcxUltraFlatLookAndFeelPainter::DrawSchedulerSplitterBorder(TcxCanvas* ACanvas, const TRect& R,
                                                                 const TcxViewParams& AViewParams, bool AIsHorizontal) {
  const TColor border = DefaultSchedulerBorderColor();
  cxDrawSplitterBorderLines(ACanvas, R, AViewParams, AIsHorizontal, {{border, border}});
}

void TcxUltraFlatLookAndFeelPainter::DrawNavigatorButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                         TColor ABackgroundColor) {
  const bool quiet = AState == cxbsNormal || AState == cxbsDisabled;
  ACanvas->FrameRect(R, quiet ? ABackgroundColor : BorderHighlightColor());
  ACanvas->FillRect(cxRectDeflated(R, 1), ButtonColor(AState));
}

void TcxUltraFlatLookAndFeelPainter::DrawNavigatorBorder(TcxCanvas* ACanvas, const TRect& R, bool ASelected) {
  ACanvas->FrameRect(R, ASelected ? BorderHighlightColor() : clBtnShadow, 1, cxBordersAll, true);
}

bool TcxUltraFlatLookAndFeelPainter::NavigatorBorderOverlap() { return true; }
int TcxUltraFlatLookAndFeelPainter::NavigatorBorderSize() { return BorderSize(); }

// ---------------------------------------------------------------- group boxes, toggles, track bars and splitters

void TcxUltraFlatLookAndFeelPainter::DrawGroupBoxFrame(TcxCanvas* ACanvas, const TRect& R, bool AEnabled,
                                                       TcxGroupBoxCaptionPosition, const TcxBorders& ABorders) {
  ACanvas->FrameRect(R, AEnabled ? clHighlight : clBtnShadow, 1, ABorders, true);
}

TColor TcxUltraFlatLookAndFeelPainter::ToggleSwitchToggleColor(bool AChecked) {
  return AChecked ? RGB(51, 153, 255) : RGB(200, 200, 200);
}

void TcxUltraFlatLookAndFeelPainter::DrawToggleSwitchState(TcxCanvas* ACanvas, const TRect& ABounds, TcxButtonState,
                                                           bool AChecked) {
  ACanvas->FillRect(ABounds, ToggleSwitchToggleColor(AChecked));
  ACanvas->Pen()->SetColor(AChecked ? clBlack : RGB(160, 160, 160));
  ACanvas->Rectangle(ABounds);
}

void TcxUltraFlatLookAndFeelPainter::DrawToggleSwitchThumb(TcxCanvas* ACanvas, const TRect& ABounds,
                                                           TcxButtonState AState) {
  TcxCustomLookAndFeelPainter::DrawToggleSwitchThumb(ACanvas, ABounds, AState);
  ACanvas->FrameRect(cxRectDeflated(ABounds, 2), clBlack);
}

void TcxUltraFlatLookAndFeelPainter::DrawTrackBarTrackBounds(TcxCanvas* ACanvas, const TRect& ARect) {
  ACanvas->FrameRect(ARect, clWindowText);
}

void TcxUltraFlatLookAndFeelPainter::DrawTrackBarThumbBorderBoth(TcxCanvas* ACanvas, const TRect& ARect) {
  ACanvas->FrameRect(ARect, clWindowText);
}

void TcxUltraFlatLookAndFeelPainter::DrawTrackBarThumbBorderUpDown(TcxCanvas* ACanvas, const TPoints& ALightPolyLine,
                                                                   const TPoints&, const TPoints& ADarkPolyLine) {
  ACanvas->Pen()->SetColor(clWindowText);
  ACanvas->Polyline(ALightPolyLine);
  ACanvas->Polyline(ADarkPolyLine);
}

TColor TcxUltraFlatLookAndFeelPainter::GetSplitterOuterColor(bool AHighlighted) {
  return AHighlighted ? clHighlight : TcxCustomLookAndFeelPainter::GetSplitterOuterColor(AHighlighted);
}

TSize TcxUltraFlatLookAndFeelPainter::GetSplitterSize(bool AHorizontal) {
  TSize result = TcxCustomLookAndFeelPainter::GetSplitterSize(AHorizontal);
  (AHorizontal ? result.cy : result.cx) = 1;
  return result;
}

// A third of the way from the shadow colour to white.
void TcxUltraFlatLookAndFeelPainter::DrawPrintPreviewBackground(TcxCanvas* ACanvas, const TRect& R) {
  const uint32_t shadow = ColorToRGB(clBtnShadow);
  const auto lighter = [](int AChannel) { return AChannel + (255 - AChannel) / 3; };
  ACanvas->FillRect(
      R, static_cast<TColor>(RGB(lighter(GetRValue(shadow)), lighter(GetGValue(shadow)), lighter(GetBValue(shadow)))));
}

// ---------------------------------------------------------------- drop-down lists

void TcxUltraFlatLookAndFeelPainter::DrawDropDownListBoxFrame(TcxCanvas* ACanvas, const TRect& ARect, bool AHasBorders,
                                                              TColor AOuterColor, TColor AInnerColor,
                                                              TColor AFillColor) {
  if (!AHasBorders) {
    ACanvas->FillRect(ARect, AFillColor);
    return;
  }
  ACanvas->FrameRect(ARect, AOuterColor);
  ACanvas->FrameRect(cxRectDeflated(ARect, 1), AInnerColor);
  ACanvas->FillRect(cxRectDeflated(ARect, 2), AFillColor);
}

void TcxUltraFlatLookAndFeelPainter::DrawDropDownListBoxSeparatorLine(TcxCanvas* ACanvas, const TRect& ARect,
                                                                      const TRect& AGutterRect, int AIndent,
                                                                      TColor AColor) {
  const int y = cxFloorHalf(ARect.Top + ARect.Bottom - 1);
  ACanvas->FillRect(TRect(AGutterRect.Right + AIndent, y, ARect.Right, y + 1), AColor);
}

void TcxUltraFlatLookAndFeelPainter::DrawDropDownListBoxBackground(TcxCanvas* ACanvas, const TRect& ARect,
                                                                   bool AHasBorders) {
  DrawDropDownListBoxFrame(ACanvas, ARect, AHasBorders, clBtnShadow, clBtnHighlight, clWindow);
}

void TcxUltraFlatLookAndFeelPainter::DrawDropDownListBoxSelection(TcxCanvas* ACanvas, const TRect& ARect,
                                                                  const TRect&) {
  ACanvas->FillRect(ARect, cxMixSystemLightColor(-2, 30, 72));
  ACanvas->FrameRect(ARect, clHighlight);
}

void TcxUltraFlatLookAndFeelPainter::DrawDropDownListBoxSeparator(TcxCanvas* ACanvas, const TRect& ARect,
                                                                  const TRect& AGutterRect) {
  DrawDropDownListBoxSeparatorLine(ACanvas, ARect, AGutterRect, 4, clBtnShadow);
}

void TcxUltraFlatLookAndFeelPainter::DrawDropDownListBoxGutterBackground(TcxCanvas* ACanvas, const TRect& ARect) {
  ACanvas->FillRect(ARect, clBtnFace);
}

TColor TcxUltraFlatLookAndFeelPainter::DropDownListBoxItemTextColor(bool) { return clMenuText; }

// ---------------------------------------------------------------- breadcrumbs and bevels

int TcxUltraFlatLookAndFeelPainter::BreadcrumbEditButtonAreaSeparatorSize() { return 1; }

TRect TcxUltraFlatLookAndFeelPainter::BreadcrumbEditButtonContentOffsets(bool AIsFirst, bool AIsLast) {
  return TRect(cxScaleByCurrentDPI(AIsFirst ? 2 : 3), cxScaleByCurrentDPI(3), cxScaleByCurrentDPI(AIsLast ? 2 : 3),
               cxScaleByCurrentDPI(3));
}

void TcxUltraFlatLookAndFeelPainter::DrawBreadcrumbEditBorders(TcxCanvas* ACanvas, const TRect& ARect,
                                                               const TcxBorders& ABorders,
                                                               TdxBreadcrumbEditState AState) {
  const bool highlighted = AState == dxbcsFocused || AState == dxbcsHot;
  ACanvas->FrameRect(ARect, highlighted ? clHighlight : clBtnShadow, 1, ABorders);
}

void TcxUltraFlatLookAndFeelPainter::DrawBreadcrumbEditButtonAreaSeparator(TcxCanvas* ACanvas, const TRect& ARect,
                                                                           TdxBreadcrumbEditState AState) {
  DrawBreadcrumbEditBorders(ACanvas, ARect, {bLeft}, AState);
}

void TcxUltraFlatLookAndFeelPainter::DrawBreadcrumbEditButton(TcxCanvas* ACanvas, const TRect& ARect,
                                                              TdxBreadcrumbEditButtonState AState, bool AIsFirst,
                                                              bool AIsLast) {
  if (AState == dxbcbsNormal || AState == dxbcbsDisabled) return;
  TcxBorders sides = AIsFirst ? TcxBorders{bRight} : TcxBorders{bLeft, bRight};
  if (AIsLast) sides.Exclude(bRight);
  FillAndFrameByState(ACanvas, ARect, AState, sides);
}

void TcxUltraFlatLookAndFeelPainter::DrawBreadcrumbEditDropDownButton(TcxCanvas* ACanvas, const TRect& ARect,
                                                                      TdxBreadcrumbEditButtonState AState,
                                                                      bool AIsInEditor) {
  if (AIsInEditor || (AState != dxbcbsNormal && AState != dxbcbsDisabled))
    FillAndFrameByState(ACanvas, ARect, AState, {bLeft});
}

TSize TcxUltraFlatLookAndFeelPainter::GetBevelMinimalShapeSize(TdxBevelShape) { return TSize(1, 1); }

void TcxUltraFlatLookAndFeelPainter::GetBevelShapeColors(TColor& AColor1, TColor& AColor2) {
  AColor1 = clBtnShadow;
  AColor2 = clNone;
}

// ---------------------------------------------------------------- the look's own colours

TColor TcxUltraFlatLookAndFeelPainter::StateFrameColor(TcxButtonState AState) {
  return AState == cxbsNormal ? clBtnShadow : clHighlight;
}

void TcxUltraFlatLookAndFeelPainter::FillAndFrameByState(TcxCanvas* ACanvas, const TRect& R,
                                                         TdxBreadcrumbEditButtonState AState,
                                                         const TcxBorders& ABorders) {
  ACanvas->FillRect(R, ButtonColor(cxButtonStateOf(AState)));
  switch (AState) {
    case dxbcbsFocused: ACanvas->FrameRect(R, clBtnShadow, 1, ABorders); break;
    case dxbcbsHot:
    case dxbcbsPressed: ACanvas->FrameRect(R, clHighlight, 1, ABorders); break;
    default: break;
  }
}

TColor TcxUltraFlatLookAndFeelPainter::ShadowEdgeColor() { return clBtnShadow; }
TColor TcxUltraFlatLookAndFeelPainter::ButtonTextSystemColor() { return clBtnText; }
TColor TcxUltraFlatLookAndFeelPainter::BorderHighlightColor() { return clHighlight; }
