// The Standard and Flat painters: the classic raised 3-D look with two-pixel
// edges and its flatter variant with one-pixel edges. What the two share is
// drawn by the helpers below.
#include "components/core/cxGraphics.h"
#include "components/lookandfeel/cxLookAndFeelPainters.h"

namespace {

// Two complex frames, the second one pixel inside the first.
void DrawDoubleFrame(TcxCanvas* ACanvas, const TRect& R, TColor AOuterLeftTop, TColor AOuterRightBottom,
                     TColor AInnerLeftTop, TColor AInnerRightBottom, const TcxBorders& ABorders = cxBordersAll) {
  ACanvas->DrawComplexFrame(R, AOuterLeftTop, AOuterRightBottom, ABorders);
  ACanvas->DrawComplexFrame(cxRectDeflated(R, 1), AInnerLeftTop, AInnerRightBottom, ABorders);
}

// A default button's one-pixel black frame; returns the rectangle inside it.
TRect DrawDefaultButtonFrame(TcxCanvas* ACanvas, const TRect& R) {
  ACanvas->FrameRect(R, clBlack);
  return cxRectDeflated(R, 1);
}

// A raised header edge; the pixels where a neighbour's edge meets this one
// take the face or highlight colour, so adjacent headers join seamlessly.
void DrawClassicHeaderBorder(TcxCanvas* ACanvas, const TRect& R, const TcxNeighbors& ANeighbors) {
  ACanvas->DrawEdge(R, false, false);
  if (ANeighbors.Contains(nLeft)) {
    ACanvas->SetPixel(R.Left, R.Top + 1, clBtnFace);
    ACanvas->SetPixel(R.Left, R.Bottom - 2, clBtnFace);
  }
  if (ANeighbors.Contains(nRight)) {
    ACanvas->SetPixel(R.Right - 1, R.Top, clBtnHighlight);
    ACanvas->SetPixel(R.Right - 1, R.Top + 1, clBtnFace);
    ACanvas->SetPixel(R.Right - 1, R.Bottom - 2, clBtnFace);
  }
}

// The filter button's edge and face; returns the face, where the triangle goes.
TRect DrawClassicFilterButtonFrame(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) {
  if (AState == cxbsPressed)
    ACanvas->DrawEdge(R, true, true);
  else
    ACanvas->DrawEdge(R, false, false);
  const TRect face = cxRectDeflated(R, 1);
  ACanvas->FillRect(face, clBtnFace);
  return face;
}

TColor FilterTriangleColor(bool AIsFilterActive) { return AIsFilterActive ? clBlue : clBtnText; }

// One side of a tab: R is the side's one-pixel line, shortened where it
// meets the neighbouring sides.
void DrawClassicTabBorder(TcxCanvas* ACanvas, TRect R, TcxBorder ABorder, const TcxBorders& ABorders, bool AVertical) {
  TColor color = clBtnHighlight;
  if (AVertical) {
    if (ABorder == bLeft) {
      R.Top += ABorders.Contains(bTop) ? 2 : 1;
      R.Bottom -= ABorders.Contains(bBottom) ? 2 : 1;
      ACanvas->SetPixel(R.Left + 1, R.Top - 1, clBtnHighlight);
      ACanvas->SetPixel(R.Left + 1, R.Bottom, clBtnHighlight);
    } else if ((ABorder == bTop || ABorder == bBottom) && ABorders.Contains(bLeft)) {
      ++R.Left;
    }
    if (ABorder == bBottom) color = clBtnShadow;
  } else {
    if (ABorder == bLeft || ABorder == bRight) {
      if (ABorders.Contains(bTop)) R.Top += 2;
      if (ABorders.Contains(bBottom)) --R.Bottom;
    } else if (ABorder == bTop) {
      ++R.Left;
      --R.Right;
      ACanvas->SetPixel(R.Left - 1, R.Top + 1, clBtnHighlight);
      ACanvas->SetPixel(R.Right, R.Top + 1, clBtnHighlight);
    }
    if (ABorder == bRight) color = clBtnShadow;
  }
  ACanvas->FillRect(R, color);
}

// Hot scroll-bar parts look normal in the classic looks, and a disabled
// thumb is not drawn; false when there is nothing to draw.
bool ClassicScrollBarPartState(const TRect& R, TcxScrollBarPart APart, TcxButtonState& AState) {
  if (R.IsEmpty() || (APart == sbpThumbnail && AState == cxbsDisabled)) return false;
  if (AState == cxbsHot) AState = cxbsNormal;
  return true;
}

// A page area: the checkerboard of the normal or the pressed pattern.
void DrawScrollBarPage(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) {
  ACanvas->FillRect(R, cxScrollBarPatternBitmap(AState == cxbsPressed));
}

// The platform's own scroll arrow, inactive or flat by state.
void DrawSystemScrollArrow(TcxCanvas* ACanvas, const TRect& R, bool AHorizontal, TcxScrollBarPart APart,
                           TcxButtonState AState) {
  UINT state = (AHorizontal ? DFCS_SCROLLLEFT : DFCS_SCROLLUP) + (APart == sbpLineDown ? 1 : 0);
  if (AState == cxbsDisabled) state |= DFCS_INACTIVE;
  if (AState == cxbsPressed) state |= DFCS_FLAT;
  RECT r = {R.Left, R.Top, R.Right, R.Bottom};
  DrawFrameControl(ACanvas->Handle(), &r, DFC_SCROLL, state);
}

// The thumb's edges, each polyline in its colour.
void DrawThumbPolyLines(TcxCanvas* ACanvas, std::initializer_list<std::pair<const TPoints*, TColor>> ALines) {
  for (const auto& [points, color] : ALines) {
    ACanvas->Pen()->SetColor(color);
    ACanvas->Polyline(*points);
  }
}

}  // namespace

void cxDrawSplitterBorderLines(TcxCanvas* ACanvas, TRect R, const TcxViewParams& AViewParams, bool AIsHorizontal,
                               std::initializer_list<std::pair<TColor, TColor>> ALines) {
  for (const auto& [before, after] : ALines) {
    if (AIsHorizontal) {
      ACanvas->FillRect(TRect(R.Left, R.Top, R.Right, R.Top + 1), before);
      ACanvas->FillRect(TRect(R.Left, R.Bottom - 1, R.Right, R.Bottom), after);
      R = TRect(R.Left - 1, R.Top + 1, R.Right + 1, R.Bottom - 1);
    } else {
      ACanvas->FillRect(TRect(R.Left, R.Top, R.Left + 1, R.Bottom), before);
      ACanvas->FillRect(TRect(R.Right - 1, R.Top, R.Right, R.Bottom), after);
      R = TRect(R.Left + 1, R.Top - 1, R.Right - 1, R.Bottom + 1);
    }
  }
  ACanvas->FillRect(R, AViewParams);
}

// ---------------------------------------------------------------- Standard painter

String TcxStandardLookAndFeelPainter::LookAndFeelName() { return L"Standard"; }
TcxLookAndFeelStyle TcxStandardLookAndFeelPainter::LookAndFeelStyle() { return lfsStandard; }

int TcxStandardLookAndFeelPainter::BorderSize() { return 2; }

void TcxStandardLookAndFeelPainter::DrawBorder(TcxCanvas* ACanvas, const TRect& R) {
  DrawDoubleFrame(ACanvas, R, clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight);
}

int TcxStandardLookAndFeelPainter::ButtonBorderSize(TcxButtonState AState) { return AState == cxbsDefault ? 3 : 2; }
int TcxStandardLookAndFeelPainter::ButtonTextOffset() { return 1; }
int TcxStandardLookAndFeelPainter::ButtonTextShift() { return 1; }
bool TcxStandardLookAndFeelPainter::IsButtonHotTrack() { return false; }

void TcxStandardLookAndFeelPainter::DrawButtonBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) {
  if (AState == cxbsPressed) {
    ACanvas->DrawComplexFrame(DrawDefaultButtonFrame(ACanvas, R), clBtnShadow, clBtnShadow);
    return;
  }
  const TRect frame = AState == cxbsDefault ? DrawDefaultButtonFrame(ACanvas, R) : R;
  DrawDoubleFrame(ACanvas, frame, clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnShadow);
}

int TcxStandardLookAndFeelPainter::ExpandButtonSize() { return cxScaleByCurrentDPI(12); }

void TcxStandardLookAndFeelPainter::DrawCheckBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState) {
  ACanvas->DrawEdge(R, true, false);
  ACanvas->DrawEdge(cxRectDeflated(R, 1), true, true);
}

int TcxStandardLookAndFeelPainter::HeaderBorderSize() { return 1; }

int TcxStandardLookAndFeelPainter::HeaderControlSectionBorderSize(TcxButtonState AState) {
  return AState == cxbsPressed ? 1 : 2;
}

void TcxStandardLookAndFeelPainter::DrawHeaderControlSectionBorder(TcxCanvas* ACanvas, const TRect& R,
                                                                   const TcxBorders& ABorders, TcxButtonState AState) {
  if (AState == cxbsPressed)
    ACanvas->DrawComplexFrame(R, clBtnShadow, clBtnShadow, ABorders);
  else
    DrawDoubleFrame(ACanvas, R, clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnShadow, ABorders);
}

int TcxStandardLookAndFeelPainter::FooterBorderSize() { return 1; }
int TcxStandardLookAndFeelPainter::FooterCellBorderSize() { return 1; }
int TcxStandardLookAndFeelPainter::FooterCellOffset() { return 1; }

void TcxStandardLookAndFeelPainter::DrawFooterBorder(TcxCanvas* ACanvas, const TRect& R) {
  ACanvas->DrawEdge(R, false, false);
}

void TcxStandardLookAndFeelPainter::DrawFooterCellBorder(TcxCanvas* ACanvas, const TRect& R) {
  ACanvas->DrawEdge(R, true, true);
}

void TcxStandardLookAndFeelPainter::DrawFindPanelBorder(TcxCanvas*, const TRect&, const TcxBorders&) {}

int TcxStandardLookAndFeelPainter::TabBorderSize(bool) { return 1; }

void TcxStandardLookAndFeelPainter::DrawTabsRoot(TcxCanvas* ACanvas, const TRect& R, const TcxBorders& ABorders, bool) {
  ACanvas->DrawEdge(R, false, false, ABorders);
}

TColor TcxStandardLookAndFeelPainter::DefaultSchedulerViewContentColor() { return clWindow; }

void TcxStandardLookAndFeelPainter::DrawGroupBoxFrame(TcxCanvas* ACanvas, const TRect& R, bool,
                                                      TcxGroupBoxCaptionPosition, const TcxBorders& ABorders) {
  const TRect shadow(R.Left, R.Top, R.Right - 1, R.Bottom - 1);
  ACanvas->FrameRect(shadow, clBtnShadow, 1, ABorders, true);
  ACanvas->FrameRect(TRect(shadow.Left + 1, shadow.Top + 1, shadow.Right + 1, shadow.Bottom + 1), clBtnHighlight, 1,
                     ABorders);
}

TColor TcxStandardLookAndFeelPainter::ToggleSwitchToggleColor(bool AChecked) {
  return AChecked ? RGB(33, 153, 33) : RGB(227, 227, 227);
}

void TcxStandardLookAndFeelPainter::DrawTrackBarTrackBounds(TcxCanvas* ACanvas, const TRect& ARect) {
  DrawDoubleFrame(ACanvas, ARect, clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight);
}

void TcxStandardLookAndFeelPainter::DrawTrackBarThumbBorderBoth(TcxCanvas* ACanvas, const TRect& ARect) {
  DrawDoubleFrame(ACanvas, ARect, clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnShadow);
}

void TcxStandardLookAndFeelPainter::DrawBreadcrumbEditButton(TcxCanvas* ACanvas, const TRect& ARect,
                                                             TdxBreadcrumbEditButtonState AState, bool, bool) {
  if (ARect.IsEmpty()) return;
  switch (AState) {
    case dxbcbsPressed: ACanvas->DrawComplexFrame(ARect, clBtnShadow, clBtnHighlight); break;
    case dxbcbsFocused:
    case dxbcbsHot: ACanvas->DrawComplexFrame(ARect, clBtnHighlight, clBtnShadow); break;
    default: break;
  }
}

void TcxStandardLookAndFeelPainter::DrawExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                     TColor AColor) {
  ACanvas->DrawEdge(R, false, false, {bLeft, bTop});
  ACanvas->DrawEdge(R, false, true, {bRight, bBottom});
  ACanvas->DrawEdge(TRect(R.Left, R.Top, R.Right - 1, R.Bottom - 1), false, false, {bRight, bBottom});
  const TRect face(R.Left + 1, R.Top + 1, R.Right - 2, R.Bottom - 2);
  ACanvas->FillRect(face, AColor == clDefault ? clBtnFace : AColor);
  DrawExpandSign(ACanvas, face, AExpanded, clBtnText);
  ACanvas->ExcludeClipRect(R);
}

void TcxStandardLookAndFeelPainter::DrawGroupExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                          TcxButtonState AState) {
  TcxCustomLookAndFeelPainter* flat = PaintersManager ? PaintersManager->GetPainter(lfsFlat) : nullptr;
  if (flat && flat != this)
    flat->DrawGroupExpandButton(ACanvas, R, AExpanded, AState);
  else
    TcxCustomLookAndFeelPainter::DrawGroupExpandButton(ACanvas, R, AExpanded, AState);
}

void TcxStandardLookAndFeelPainter::DrawHeaderBorder(TcxCanvas* ACanvas, const TRect& R, const TcxNeighbors& ANeighbors,
                                                     const TcxBorders&) {
  DrawClassicHeaderBorder(ACanvas, R, ANeighbors);
}

void TcxStandardLookAndFeelPainter::DrawSortingMark(TcxCanvas* ACanvas, const TRect& R, bool AAscendingSorting) {
  DrawSortingMarkArrow(ACanvas, R, clBtnShadow, clBtnHighlight, AAscendingSorting);
}

void TcxStandardLookAndFeelPainter::DrawSummarySortingMark(TcxCanvas* ACanvas, const TRect& R, bool AAscendingSorting) {
  DrawSummarySortingMarkArrow(ACanvas, R, clBtnShadow, clBtnHighlight, AAscendingSorting);
}

TPoint TcxStandardLookAndFeelPainter::SortingMarkSize() {
  return TPoint(cxScaleByCurrentDPI(8), cxScaleByCurrentDPI(7));
}

TPoint TcxStandardLookAndFeelPainter::SummarySortingMarkSize() {
  return TPoint(cxScaleByCurrentDPI(8), cxScaleByCurrentDPI(8));
}

void TcxStandardLookAndFeelPainter::DrawFilterDropDownButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                             bool AIsFilterActive) {
  DrawFilledTriangle(ACanvas, DrawClassicFilterButtonFrame(ACanvas, R, AState), FilterTriangleColor(AIsFilterActive));
}

void TcxStandardLookAndFeelPainter::DrawTabBorder(TcxCanvas* ACanvas, const TRect& R, TcxBorder ABorder,
                                                  const TcxBorders& ABorders, bool AVertical) {
  DrawClassicTabBorder(ACanvas, R, ABorder, ABorders, AVertical);
}

void TcxStandardLookAndFeelPainter::DrawScrollBarPart(TcxCanvas* ACanvas, bool AHorizontal, const TRect& R,
                                                      TcxScrollBarPart APart, TcxButtonState AState) {
  if (!ClassicScrollBarPartState(R, APart, AState)) return;
  const auto drawButtonFrame = [&](bool APressedArrow) {
    if (APressedArrow)
      DrawDoubleFrame(ACanvas, R, clBtnShadow, clBtnShadow, clBtnFace, clBtnFace);
    else
      DrawDoubleFrame(ACanvas, R, clBtnFace, cl3DDkShadow, clBtnHighlight, clBtnShadow);
  };
  switch (APart) {
    case sbpPageUp:
    case sbpPageDown: DrawScrollBarPage(ACanvas, R, AState); break;
    case sbpThumbnail:
      drawButtonFrame(false);
      ACanvas->FillRect(cxRectDeflated(R, ButtonBorderSize(cxbsNormal)), clBtnFace);
      break;
    case sbpLineUp:
    case sbpLineDown: {
      const bool pressed = AState == cxbsPressed;
      DrawSystemScrollArrow(ACanvas, pressed ? cxRectShiftBy(R, 1, 1) : R, AHorizontal, APart, AState);
      drawButtonFrame(pressed);
      break;
    }
    default: break;
  }
}

void TcxStandardLookAndFeelPainter::DrawSchedulerSplitterBorder(TcxCanvas* ACanvas, const TRect& R,
                                                                const TcxViewParams& AViewParams, bool AIsHorizontal) {
  cxDrawSplitterBorderLines(ACanvas, R, AViewParams, AIsHorizontal,
                            {{clBtnFace, cl3DDkShadow}, {clBtnHighlight, clBtnShadow}});
}

// The black frame stays out of the clip while the header is drawn, so
// that the header's own edge shows only toward its neighbours.
void TcxStandardLookAndFeelPainter::DrawMonthHeader(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText,
                                                    const TcxNeighbors& ANeighbors, const TcxViewParams& AViewParams,
                                                    const TcxArrowDirections& AArrows, int ASideWidth,
                                                    const TcxDrawBackgroundEvent& AOnDrawBackground) {
  TcxBorders borders = cxBordersAll;
  if (ANeighbors.Contains(nLeft)) borders.Exclude(bLeft);
  if (ANeighbors.Contains(nRight)) borders.Exclude(bRight);
  ACanvas->SaveClipRegion();
  ACanvas->FrameRect(ABounds, clBlack, 1, borders, true);
  DrawHeader(ACanvas, ABounds, HeaderContentBounds(ABounds, borders), ANeighbors, cxBordersAll, cxbsNormal, taCenter,
             vaCenter, false, false, AText, AViewParams.Font, AViewParams.TextColor, AViewParams.Color,
             AOnDrawBackground, false, false);
  ACanvas->RestoreClipRegion();
  DrawMonthHeaderArrows(ACanvas, ABounds, AArrows, ASideWidth, clWindowText);
}

void TcxStandardLookAndFeelPainter::DrawToggleSwitchState(TcxCanvas* ACanvas, const TRect& ABounds, TcxButtonState,
                                                          bool AChecked) {
  ACanvas->FillRect(ABounds, ToggleSwitchToggleColor(AChecked));
  DrawContainerBorder(ACanvas, ABounds, cbs3D, 2, RGB(105, 105, 105), cxBordersAll);
}

void TcxStandardLookAndFeelPainter::DrawTrackBarThumbBorderUpDown(TcxCanvas* ACanvas, const TPoints& ALightPolyLine,
                                                                  const TPoints& AShadowPolyLine,
                                                                  const TPoints& ADarkPolyLine) {
  DrawThumbPolyLines(
      ACanvas, {{&ALightPolyLine, clBtnHighlight}, {&AShadowPolyLine, clBtnShadow}, {&ADarkPolyLine, cl3DDkShadow}});
}

// ---------------------------------------------------------------- Flat painter

String TcxFlatLookAndFeelPainter::LookAndFeelName() { return L"Flat"; }
TcxLookAndFeelStyle TcxFlatLookAndFeelPainter::LookAndFeelStyle() { return lfsFlat; }

int TcxFlatLookAndFeelPainter::BorderSize() { return 1; }
int TcxFlatLookAndFeelPainter::SeparatorSize() { return 2; }

void TcxFlatLookAndFeelPainter::DrawBorder(TcxCanvas* ACanvas, const TRect& R) { ACanvas->DrawEdge(R, true, true); }

int TcxFlatLookAndFeelPainter::ButtonBorderSize(TcxButtonState AState) { return AState == cxbsDefault ? 2 : 1; }
int TcxFlatLookAndFeelPainter::ButtonTextOffset() { return 1; }
int TcxFlatLookAndFeelPainter::ButtonTextShift() { return 1; }
bool TcxFlatLookAndFeelPainter::IsButtonHotTrack() { return false; }

void TcxFlatLookAndFeelPainter::DrawButtonBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) {
  if (AState == cxbsPressed) {
    ACanvas->DrawComplexFrame(R, clBtnShadow, clBtnHighlight);
    return;
  }
  const TRect frame = AState == cxbsDefault ? DrawDefaultButtonFrame(ACanvas, R) : R;
  ACanvas->DrawComplexFrame(frame, clBtnHighlight, clBtnShadow);
}

int TcxFlatLookAndFeelPainter::ExpandButtonSize() { return cxScaleByCurrentDPI(11); }

void TcxFlatLookAndFeelPainter::DrawCheckBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) {
  ACanvas->DrawEdge(R, true, true);
  ACanvas->FrameRect(cxRectDeflated(R, 1), CheckButtonColor(AState, cbsChecked));
}

int TcxFlatLookAndFeelPainter::HeaderBorderSize() { return 1; }

void TcxFlatLookAndFeelPainter::DrawHeaderControlSectionBorder(TcxCanvas* ACanvas, const TRect& R,
                                                               const TcxBorders& ABorders, TcxButtonState AState) {
  if (AState == cxbsPressed)
    ACanvas->DrawComplexFrame(R, clBtnShadow, clBtnHighlight, ABorders);
  else
    ACanvas->DrawComplexFrame(R, clBtnHighlight, clBtnShadow, ABorders);
}

int TcxFlatLookAndFeelPainter::FooterBorderSize() { return 1; }
int TcxFlatLookAndFeelPainter::FooterCellBorderSize() { return 1; }
int TcxFlatLookAndFeelPainter::FooterCellOffset() { return 1; }

void TcxFlatLookAndFeelPainter::DrawFooterBorder(TcxCanvas* ACanvas, const TRect& R) {
  ACanvas->DrawEdge(R, false, false);
}

void TcxFlatLookAndFeelPainter::DrawFooterCellBorder(TcxCanvas* ACanvas, const TRect& R) {
  ACanvas->DrawEdge(R, true, true);
}

void TcxFlatLookAndFeelPainter::DrawFindPanelBorder(TcxCanvas*, const TRect&, const TcxBorders&) {}

int TcxFlatLookAndFeelPainter::TabBorderSize(bool) { return 1; }

void TcxFlatLookAndFeelPainter::DrawTabsRoot(TcxCanvas* ACanvas, const TRect& R, const TcxBorders& ABorders, bool) {
  ACanvas->DrawEdge(R, false, false, ABorders);
}

void TcxFlatLookAndFeelPainter::DrawGroupBoxFrame(TcxCanvas* ACanvas, const TRect& R, bool, TcxGroupBoxCaptionPosition,
                                                  const TcxBorders& ABorders) {
  ACanvas->FrameRect(R, clBtnShadow, 1, ABorders);
  ACanvas->FrameRect(cxRectDeflated(R, 1), clBtnHighlight, 1, ABorders);
}

TColor TcxFlatLookAndFeelPainter::GetSplitterOuterColor(bool AHighlighted) {
  return AHighlighted ? cl3DDkShadow : TcxCustomLookAndFeelPainter::GetSplitterOuterColor(AHighlighted);
}

TColor TcxFlatLookAndFeelPainter::ToggleSwitchToggleColor(bool AChecked) {
  return AChecked ? RGB(160, 160, 160) : RGB(200, 200, 200);
}

void TcxFlatLookAndFeelPainter::DrawTrackBarTrackBounds(TcxCanvas* ACanvas, const TRect& ARect) {
  DrawDoubleFrame(ACanvas, ARect, clBtnShadow, clBtnHighlight, clBtnFace, clBtnFace);
}

void TcxFlatLookAndFeelPainter::DrawTrackBarThumbBorderBoth(TcxCanvas* ACanvas, const TRect& ARect) {
  ACanvas->DrawComplexFrame(ARect, clBtnHighlight, clBtnShadow);
}

void TcxFlatLookAndFeelPainter::DrawExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TColor AColor) {
  DrawButton(ACanvas, R, String(), cxbsNormal, true, AColor, clDefault);
  DrawExpandSign(ACanvas, cxRectDeflated(R, 1), AExpanded, clBtnText);
  ACanvas->ExcludeClipRect(R);
}

void TcxFlatLookAndFeelPainter::DrawHeaderBorder(TcxCanvas* ACanvas, const TRect& R, const TcxNeighbors& ANeighbors,
                                                 const TcxBorders&) {
  DrawClassicHeaderBorder(ACanvas, R, ANeighbors);
}

void TcxFlatLookAndFeelPainter::DrawSortingMark(TcxCanvas* ACanvas, const TRect& R, bool AAscendingSorting) {
  DrawSortingMarkArrow(ACanvas, R, clBtnShadow, clBtnHighlight, AAscendingSorting);
}

void TcxFlatLookAndFeelPainter::DrawSummarySortingMark(TcxCanvas* ACanvas, const TRect& R, bool AAscendingSorting) {
  DrawSummarySortingMarkArrow(ACanvas, R, clBtnShadow, clBtnHighlight, AAscendingSorting);
}

TPoint TcxFlatLookAndFeelPainter::SortingMarkSize() { return TPoint(cxScaleByCurrentDPI(8), cxScaleByCurrentDPI(7)); }
TPoint TcxFlatLookAndFeelPainter::SummarySortingMarkSize() {
  return TPoint(cxScaleByCurrentDPI(8), cxScaleByCurrentDPI(8));
}

void TcxFlatLookAndFeelPainter::DrawFilterDropDownButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                         bool AIsFilterActive) {
  DrawFilledTriangle(ACanvas, DrawClassicFilterButtonFrame(ACanvas, R, AState), FilterTriangleColor(AIsFilterActive));
}

void TcxFlatLookAndFeelPainter::DrawTabBorder(TcxCanvas* ACanvas, const TRect& R, TcxBorder ABorder,
                                              const TcxBorders& ABorders, bool AVertical) {
  DrawClassicTabBorder(ACanvas, R, ABorder, ABorders, AVertical);
}

void TcxFlatLookAndFeelPainter::DrawScrollBarPart(TcxCanvas* ACanvas, bool AHorizontal, const TRect& R,
                                                  TcxScrollBarPart APart, TcxButtonState AState) {
  if (!ClassicScrollBarPartState(R, APart, AState)) return;
  if (APart == sbpPageUp || APart == sbpPageDown) {
    DrawScrollBarPage(ACanvas, R, AState);
    return;
  }
  if (APart != sbpThumbnail && APart != sbpLineUp && APart != sbpLineDown) return;
  DrawButton(ACanvas, R, String(), AState, true, clDefault, clDefault);
  if (APart != sbpThumbnail)
    DrawScrollBarArrow(ACanvas, cxRectDeflated(R, ButtonBorderSize(cxbsNormal)), AState,
                       ScrollBarArrowDirection(AHorizontal, APart));
}

void TcxFlatLookAndFeelPainter::DrawSchedulerSplitterBorder(TcxCanvas* ACanvas, const TRect& R,
                                                            const TcxViewParams& AViewParams, bool AIsHorizontal) {
  cxDrawSplitterBorderLines(ACanvas, R, AViewParams, AIsHorizontal, {{clBtnHighlight, clBtnShadow}});
}

void TcxFlatLookAndFeelPainter::DrawDateNavigatorDateHeader(TcxCanvas* ACanvas, TRect& R) {
  ACanvas->FillRect(R, DefaultDateNavigatorHeaderColor());
  ACanvas->FillRect(TRect(R.Left, R.Bottom - 1, R.Right, R.Bottom), clBtnFace);
  --R.Bottom;
}

void TcxFlatLookAndFeelPainter::DrawToggleSwitchState(TcxCanvas* ACanvas, const TRect& ABounds, TcxButtonState,
                                                      bool AChecked) {
  ACanvas->FillRect(ABounds, ToggleSwitchToggleColor(AChecked));
  const TPoint bottomLeft(ABounds.Left, ABounds.Bottom - 1), topLeft(ABounds.Left, ABounds.Top),
      topRight(ABounds.Right - 1, ABounds.Top), bottomRight(ABounds.Right - 1, ABounds.Bottom - 1);
  ACanvas->Pen()->SetColor(RGB(160, 160, 160));
  ACanvas->Polyline({bottomLeft, topLeft, topRight});
  ACanvas->Pen()->SetColor(clWhite);
  ACanvas->Polyline({topRight, bottomRight, bottomLeft});
}

void TcxFlatLookAndFeelPainter::DrawTrackBarThumbBorderUpDown(TcxCanvas* ACanvas, const TPoints& ALightPolyLine,
                                                              const TPoints&, const TPoints& ADarkPolyLine) {
  DrawThumbPolyLines(ACanvas, {{&ALightPolyLine, clBtnHighlight}, {&ADarkPolyLine, clBtnShadow}});
}

// ---------------------------------------------------------------- registration

void cxRegisterBuiltInPainters() {
  PaintersManager->Register(std::make_unique<TcxFlatLookAndFeelPainter>());
  PaintersManager->Register(std::make_unique<TcxOffice11LookAndFeelPainter>());
  PaintersManager->Register(std::make_unique<TcxStandardLookAndFeelPainter>());
  PaintersManager->Register(std::make_unique<TcxUltraFlatLookAndFeelPainter>());
  PaintersManager->Register(std::make_unique<TcxWinXPLookAndFeelPainter>());
}
