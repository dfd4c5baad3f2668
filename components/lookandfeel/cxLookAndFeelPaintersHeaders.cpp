// The root painter's column headers and header-control sections, sorting
// marks, footers, grid colours, image zoom buttons, layout-view records,
// filter panel, filter buttons, smart tag and find panel.
#include "components/core/cxGeometry.h"
#include "components/core/dxOffice11.h"
#include "components/lookandfeel/cxLookAndFeelPainters.h"
#include "components/lookandfeel/cxLookAndFeels.h"

namespace {

// R with every side in ABorders moved outward by ASize (inward when negative).
TRect ExpandOnBorders(const TRect& R, const TcxBorders& ABorders, int ASize) {
  return cxRectExpand(R, ABorders.Contains(bLeft) ? ASize : 0, ABorders.Contains(bTop) ? ASize : 0,
                      ABorders.Contains(bRight) ? ASize : 0, ABorders.Contains(bBottom) ? ASize : 0);
}

// The geometry shared by the two sorting-mark arrows.
struct TSortingArrow {
  int Cx, H1, H2, H, Y0, Sign;
};

TSortingArrow SortingArrowGeometry(const TRect& R, const TPoint& ASize, bool AAscendingSorting) {
  const int w = ASize.X;
  TSortingArrow a{};
  a.Cx = (R.Left + R.Right) / 2 - (w % 2 == 0 ? 1 : 0);
  a.H2 = w / 2;
  a.H1 = a.H2 - (w % 2 == 0 ? 1 : 0);
  a.H = ASize.Y;
  a.Sign = AAscendingSorting ? 1 : -1;
  return a;
}

// The two-coloured outline of a sorting arrow: highlight on the side the
// light falls, shadow on the other.
void DrawSortingArrowOutline(TcxCanvas* ACanvas, const TSortingArrow& A, TColor AShadowColor,
                             TColor AHighlightColor, int AWidthParity) {
  const bool ascending = A.Sign > 0;
  ACanvas->Pen()->SetColor(AHighlightColor);
  ACanvas->MoveTo(A.Cx + A.H2, A.Y0 + (A.H - 2) * A.Sign);
  ACanvas->LineTo(A.Cx + A.H2 - A.H1, A.Y0);
  ACanvas->LineTo(A.Cx + A.H2, A.Y0 + (A.H - 1) * A.Sign);
  if (!ascending) ACanvas->Pen()->SetColor(AShadowColor);
  ACanvas->LineTo(A.Cx - A.H1, A.Y0 + (A.H - 1) * A.Sign);
  if (ascending) ACanvas->Pen()->SetColor(AShadowColor);
  ACanvas->LineTo(A.Cx, A.Y0);
  ACanvas->LineTo(A.Cx - A.H1, A.Y0 + (A.H - AWidthParity) * A.Sign);
}

}  // namespace

// ---------------------------------------------------------------- header metrics

TcxBorders TcxCustomLookAndFeelPainter::HeaderBorders(const TcxNeighbors& /*ANeighbors*/) { return cxBordersAll; }

int TcxCustomLookAndFeelPainter::HeaderBorderSize() { return 0; }

TRect TcxCustomLookAndFeelPainter::HeaderBounds(const TRect& ABounds, const TcxNeighbors& ANeighbors,
                                                const TcxBorders& ABorders) {
  return ExpandOnBorders(ABounds, ABorders - HeaderBorders(ANeighbors), HeaderBorderSize());
}

TRect TcxCustomLookAndFeelPainter::HeaderContentBounds(const TRect& ABounds, const TcxBorders& ABorders) {
  return ExpandOnBorders(ABounds, ABorders, -HeaderBorderSize());
}

bool TcxCustomLookAndFeelPainter::HeaderDrawCellsFirst() { return true; }

int TcxCustomLookAndFeelPainter::HeaderHeight(int AFontHeight) {
  int result = AFontHeight + 2 * HeaderBorderSize() + 4;
  dxRaiseToTouchMinimum(result);
  return result;
}

// Both borders widen the header: a right border takes room as a left one does.
int TcxCustomLookAndFeelPainter::HeaderWidth(TcxCanvas* ACanvas, const TcxBorders& ABorders, const String& AText,
                                             TFont* AFont) {
  ACanvas->SaveState();
  ACanvas->SetFont(AFont);
  int result = ACanvas->TextWidth(AText) + 4;
  ACanvas->RestoreState();
  if (ABorders.Contains(bLeft)) result += HeaderBorderSize();
  if (ABorders.Contains(bRight)) result += HeaderBorderSize();
  return result;
}

int TcxCustomLookAndFeelPainter::HeaderControlSectionBorderSize(TcxButtonState /*AState*/) { return 1; }

TRect TcxCustomLookAndFeelPainter::HeaderControlSectionTextAreaBounds(const TRect& ABounds, TcxButtonState AState) {
  return AState == cxbsPressed ? cxRectShiftBy(ABounds, 1, 1) : ABounds;
}

TRect TcxCustomLookAndFeelPainter::HeaderControlSectionContentBounds(const TRect& ABounds, TcxButtonState AState) {
  return cxRectDeflated(ABounds, HeaderControlSectionBorderSize(AState));
}

bool TcxCustomLookAndFeelPainter::IsHeaderHotTrack() { return false; }

TPoint TcxCustomLookAndFeelPainter::SortingMarkSize() { return TPoint(0, 0); }

TPoint TcxCustomLookAndFeelPainter::SummarySortingMarkSize() { return TPoint(0, 0); }

TPoint TcxCustomLookAndFeelPainter::SortingMarkAreaSize() {
  return TPoint(cxScaleByCurrentDPI(GlobalTouchMode ? 20 : 16), SortingMarkSize().Y);
}

TPoint TcxCustomLookAndFeelPainter::SummaryValueSortingMarkSize() {
  TCustomImageList* images = cxIndicatorImages();
  return TPoint(images->Width(), images->Height());
}

// ---------------------------------------------------------------- header drawing

void TcxCustomLookAndFeelPainter::DrawHeader(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds,
                                             const TcxNeighbors& ANeighbors, const TcxBorders& ABorders,
                                             TcxButtonState AState, TAlignment AAlignmentHorz,
                                             TcxAlignmentVert AAlignmentVert, bool AMultiLine, bool AShowEndEllipsis,
                                             const String& AText, TFont* AFont, TColor ATextColor, TColor ABkColor,
                                             const TcxDrawBackgroundEvent& AOnDrawBackground, bool /*AIsLast*/,
                                             bool /*AIsGroup*/) {
  DrawHeaderBorder(ACanvas, ABounds, ANeighbors, ABorders);
  DrawCellBackgroundAndText(ACanvas, HeaderContentBounds(ABounds, ABorders), ATextAreaBounds, AState,
                            AAlignmentHorz, AAlignmentVert, AMultiLine, AShowEndEllipsis, AText, AFont, ATextColor,
                            ABkColor, AOnDrawBackground, false);
}

void TcxCustomLookAndFeelPainter::DrawHeaderEx(TcxCanvas* ACanvas, const TRect& ABounds,
                                               const TRect& ATextAreaBounds, const TcxNeighbors& ANeighbors,
                                               const TcxBorders& ABorders, TcxButtonState AState,
                                               TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert,
                                               bool AMultiLine, bool AShowEndEllipsis, const String& AText,
                                               TFont* AFont, TColor ATextColor, TColor ABkColor,
                                               const TcxDrawBackgroundEvent& AOnDrawBackground) {
  DrawHeader(ACanvas, ABounds, ATextAreaBounds, ANeighbors, ABorders, AState, AAlignmentHorz, AAlignmentVert,
             AMultiLine, AShowEndEllipsis, AText, AFont, ATextColor, ABkColor, AOnDrawBackground, false, false);
}

void TcxCustomLookAndFeelPainter::DrawHeaderBorder(TcxCanvas* /*ACanvas*/, const TRect& /*R*/,
                                                   const TcxNeighbors& /*ANeighbors*/,
                                                   const TcxBorders& /*ABorders*/) {}

void TcxCustomLookAndFeelPainter::DrawHeaderPressed(TcxCanvas* ACanvas, const TRect& ABounds) {
  ACanvas->InvertRect(ABounds);
}

void TcxCustomLookAndFeelPainter::DrawHeaderControlSection(
    TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds, const TcxNeighbors& /*ANeighbors*/,
    const TcxBorders& ABorders, TcxButtonState AState, TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert,
    bool AMultiLine, bool AShowEndEllipsis, const String& AText, TFont* AFont, TColor ATextColor, TColor ABkColor) {
  DrawHeaderControlSectionBorder(ACanvas, ABounds, ABorders, AState);
  DrawHeaderControlSectionContent(ACanvas, HeaderControlSectionContentBounds(ABounds, AState), ATextAreaBounds,
                                  AState, AAlignmentHorz, AAlignmentVert, AMultiLine, AShowEndEllipsis, AText, AFont,
                                  ATextColor, ABkColor);
}

void TcxCustomLookAndFeelPainter::DrawHeaderControlSectionBorder(TcxCanvas* /*ACanvas*/, const TRect& /*R*/,
                                                                 const TcxBorders& /*ABorders*/,
                                                                 TcxButtonState /*AState*/) {}

void TcxCustomLookAndFeelPainter::DrawHeaderControlSectionContent(
    TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds, TcxButtonState AState,
    TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert, bool AMultiLine, bool AShowEndEllipsis,
    const String& AText, TFont* AFont, TColor ATextColor, TColor ABkColor) {
  ACanvas->FillRect(ABounds, ABkColor);
  DrawHeaderControlSectionText(ACanvas, HeaderControlSectionTextAreaBounds(ATextAreaBounds, AState), AState,
                               AAlignmentHorz, AAlignmentVert, AMultiLine, AShowEndEllipsis, AText, AFont,
                               ATextColor);
}

void TcxCustomLookAndFeelPainter::DrawHeaderControlSectionText(TcxCanvas* ACanvas, const TRect& ATextAreaBounds,
                                                               TcxButtonState AState, TAlignment AAlignmentHorz,
                                                               TcxAlignmentVert AAlignmentVert, bool AMultiLine,
                                                               bool AShowEndEllipsis, const String& AText,
                                                               TFont* AFont, TColor ATextColor) {
  const auto drawText = [&](const TRect& R, TColor AColor) {
    if (AText.empty()) return;
    ACanvas->SetFont(AFont);
    ACanvas->Font()->SetColor(AColor);
    ACanvas->DrawTexT(AText, R, AAlignmentHorz, AAlignmentVert, AMultiLine, AShowEndEllipsis);
  };
  ACanvas->Brush()->SetStyle(bsClear);
  if (AState == cxbsDisabled) {
    drawText(cxRectShiftBy(ATextAreaBounds, 1, 1), clBtnHighlight);
    drawText(ATextAreaBounds, clBtnShadow);
  } else {
    drawText(ATextAreaBounds, ATextColor);
  }
  ACanvas->Brush()->SetStyle(bsSolid);
}

void TcxCustomLookAndFeelPainter::DrawHeaderSeparator(TcxCanvas* ACanvas, const TRect& ABounds, int AIndentSize,
                                                      TColor AColor, const TcxViewParams& AViewParams) {
  ACanvas->FillRect(TRect(ABounds.Left, ABounds.Top, ABounds.Left + AIndentSize, ABounds.Bottom), AViewParams);
  ACanvas->FillRect(TRect(ABounds.Right - AIndentSize, ABounds.Top, ABounds.Right, ABounds.Bottom), AViewParams);
  ACanvas->FillRect(TRect(ABounds.Left + AIndentSize, ABounds.Top, ABounds.Right - AIndentSize, ABounds.Bottom),
                    AColor);
}

// ---------------------------------------------------------------- sorting marks

void TcxCustomLookAndFeelPainter::DrawSortingMark(TcxCanvas* /*ACanvas*/, const TRect& /*R*/,
                                                  bool /*AAscendingSorting*/) {}

void TcxCustomLookAndFeelPainter::DrawSummarySortingMark(TcxCanvas* /*ACanvas*/, const TRect& /*R*/,
                                                         bool /*AAscendingSorting*/) {}

// The glyph of a sort by summary value; the column's own sorting mark beside
// it tells the direction.
void TcxCustomLookAndFeelPainter::DrawSummaryValueSortingMark(TcxCanvas* ACanvas, const TRect& R,
                                                              bool /*AAscendingSorting*/) {
  cxIndicatorImages()->Draw(ACanvas->Canvas(), R.Left, R.Top, 6);
}

void TcxCustomLookAndFeelPainter::DrawSortingMarkArrow(TcxCanvas* ACanvas, const TRect& R, TColor AShadowColor,
                                                       TColor AHighlightColor, bool AAscendingSorting) {
  const TPoint size = SortingMarkSize();
  TSortingArrow a = SortingArrowGeometry(R, size, AAscendingSorting);
  a.Y0 = AAscendingSorting ? (R.Top + R.Bottom - a.H) / 2 : (R.Top + R.Bottom + a.H) / 2 - 1;
  DrawSortingArrowOutline(ACanvas, a, AShadowColor, AHighlightColor, size.X % 2);
}

void TcxCustomLookAndFeelPainter::DrawSummarySortingMarkArrow(TcxCanvas* ACanvas, const TRect& R,
                                                              TColor AShadowColor, TColor AHighlightColor,
                                                              bool AAscendingSorting) {
  const TPoint size = SummarySortingMarkSize();
  TSortingArrow a = SortingArrowGeometry(R, size, AAscendingSorting);
  ACanvas->Pen()->SetColor(AShadowColor);
  ACanvas->Line(a.Cx - a.H1, R.Top, a.Cx + a.H2 + 1, R.Top);
  if (AShadowColor != AHighlightColor) {
    ACanvas->Pen()->SetColor(AHighlightColor);
    ACanvas->Line(a.Cx - a.H1, R.Top + 1, a.Cx + a.H2 + 1, R.Top + 1);
  }
  a.H -= 2;
  a.Y0 = AAscendingSorting ? (R.Top + R.Bottom - a.H) / 2 + 2 : (R.Top + R.Bottom + a.H) / 2 + 1;
  DrawSortingArrowOutline(ACanvas, a, AShadowColor, AHighlightColor, size.X % 2);
}

// ---------------------------------------------------------------- grid

void TcxCustomLookAndFeelPainter::DrawFilterRowSeparator(TcxCanvas* ACanvas, const TRect& ARect,
                                                         TColor ABackgroundColor) {
  DrawHeader(ACanvas, ARect, ARect, {}, cxBordersAll, cxbsNormal, taLeftJustify, vaTop, false, false, L"", nullptr,
             clWindowText, ABackgroundColor, nullptr, false, false);
}

void TcxCustomLookAndFeelPainter::DrawGroupByBox(TcxCanvas* ACanvas, const TRect& ARect, bool ATransparent,
                                                 TColor ABackgroundColor, TBitmap* ABackgroundBitmap) {
  FillBackground(ACanvas, ARect, ABackgroundBitmap, ABackgroundColor, ATransparent);
}

int TcxCustomLookAndFeelPainter::GridBordersOverlapSize() { return 0; }

TColor TcxCustomLookAndFeelPainter::GridGroupRowStyleOffice11ContentColor(bool AHasData) {
  return AHasData ? clWindow : dxOffice11Colors[62];
}

TColor TcxCustomLookAndFeelPainter::GridGroupRowStyleOffice11SeparatorColor() {
  return dxOffice11Colors[64];
}

TColor TcxCustomLookAndFeelPainter::GridGroupRowStyleOffice11TextColor() { return dxOffice11Colors[63]; }

bool TcxCustomLookAndFeelPainter::GridDrawHeaderCellsFirst() { return HeaderDrawCellsFirst(); }

TColor TcxCustomLookAndFeelPainter::PivotGridHeadersAreaColor() { return DefaultHeaderBackgroundColor(); }

TColor TcxCustomLookAndFeelPainter::PivotGridHeadersAreaTextColor() { return DefaultHeaderBackgroundTextColor(); }

// ---------------------------------------------------------------- image zoom buttons

void TcxCustomLookAndFeelPainter::DrawImageZoomInButton(TcxCanvas* ACanvas, const TRect& ARect,
                                                        TcxButtonState AState) {
  DrawScrollBarPart(ACanvas, true, ARect, sbpLineDown, AState);
}

void TcxCustomLookAndFeelPainter::DrawImageZoomOutButton(TcxCanvas* ACanvas, const TRect& ARect,
                                                         TcxButtonState AState) {
  DrawScrollBarPart(ACanvas, true, ARect, sbpLineUp, AState);
}

TSize TcxCustomLookAndFeelPainter::GetImageZoomInButtonSize() { return TSize(20, 20); }

TSize TcxCustomLookAndFeelPainter::GetImageZoomOutButtonSize() { return TSize(20, 20); }

// ---------------------------------------------------------------- layout view

// The item's look is drawn inside a frame that the clip keeps; the caller's
// clip comes back as it was.
void TcxCustomLookAndFeelPainter::LayoutViewDrawItem(TcxCanvas* ACanvas, const TRect& ABounds,
                                                     TcxButtonState AState, const TcxBorders& /*ABorders*/) {
  ACanvas->SaveClipRegion();
  switch (AState) {
    case cxbsHot:
      ACanvas->FrameRect(ABounds, clBtnShadow, 1, cxBordersAll, true);
      ACanvas->FillRect(ABounds, clGradientInactiveCaption);
      break;
    case cxbsPressed: ACanvas->FillRect(ABounds, DefaultSelectionColor()); break;
    case cxbsDisabled: ACanvas->FillRect(ABounds, clInactiveCaption); break;
    default: ACanvas->FillRect(ABounds, DefaultGroupColor()); break;
  }
  ACanvas->RestoreClipRegion();
}

void TcxCustomLookAndFeelPainter::LayoutViewDrawRecordCaption(TcxCanvas* ACanvas, const TRect& ABounds,
                                                              const TRect& /*ATextRect*/,
                                                              TcxGroupBoxCaptionPosition /*APosition*/,
                                                              TcxButtonState AState) {
  ACanvas->SaveClipRegion();
  LayoutViewDrawRecordBorder(ACanvas, ABounds, AState, cxBordersAll);
  ACanvas->FillRect(ABounds, AState == cxbsHot        ? DefaultSelectionColor()
                             : AState == cxbsDisabled ? TColor(clInactiveCaption)
                                                      : DefaultGroupColor());
  ACanvas->RestoreClipRegion();
}

// The frame stays excluded from the clip, so that what the caller paints
// next inside the record leaves it alone.
void TcxCustomLookAndFeelPainter::LayoutViewDrawRecordBorder(TcxCanvas* ACanvas, const TRect& ABounds,
                                                             TcxButtonState AState, const TcxBorders& ABorders) {
  ACanvas->FrameRect(ABounds, AState == cxbsHot ? DefaultSelectionColor() : TColor(clBtnShadow), 1, ABorders, true);
}

void TcxCustomLookAndFeelPainter::LayoutViewDrawRecordContent(TcxCanvas* ACanvas, const TRect& ABounds,
                                                              TcxGroupBoxCaptionPosition /*ACaptionPosition*/,
                                                              TcxButtonState AState, const TcxBorders& ABorders) {
  ACanvas->SaveClipRegion();
  LayoutViewDrawRecordBorder(ACanvas, ABounds, AState, ABorders);
  ACanvas->FillRect(ABounds, DefaultGroupColor());
  ACanvas->RestoreClipRegion();
}

void TcxCustomLookAndFeelPainter::LayoutViewDrawRecordExpandButton(TcxCanvas* ACanvas, const TRect& ABounds,
                                                                   TcxButtonState AState, bool AExpanded) {
  DrawGroupExpandButton(ACanvas, ABounds, AExpanded, AState);
}

TRect TcxCustomLookAndFeelPainter::LayoutViewGetPadding(TcxLayoutElement /*AElement*/) { return TRect(); }

TRect TcxCustomLookAndFeelPainter::LayoutViewGetSpacing(TcxLayoutElement /*AElement*/) { return TRect(); }

int TcxCustomLookAndFeelPainter::LayoutViewRecordCaptionTailSize(TcxGroupBoxCaptionPosition /*ACaptionPosition*/) {
  return 0;
}

int TcxCustomLookAndFeelPainter::ChartToolBoxDataLevelInfoBorderSize() { return 1; }

// ---------------------------------------------------------------- footers

TcxBorders TcxCustomLookAndFeelPainter::FooterBorders() { return cxBordersAll; }
int TcxCustomLookAndFeelPainter::FooterBorderSize() { return 0; }
int TcxCustomLookAndFeelPainter::FooterCellBorderSize() { return 0; }
int TcxCustomLookAndFeelPainter::FooterCellOffset() { return 0; }
bool TcxCustomLookAndFeelPainter::FooterDrawCellsFirst() { return true; }
TColor TcxCustomLookAndFeelPainter::FooterSeparatorColor() { return clBtnShadow; }
int TcxCustomLookAndFeelPainter::FooterSeparatorSize() { return 1; }

TRect TcxCustomLookAndFeelPainter::FooterCellContentBounds(const TRect& ABounds) {
  return cxRectDeflated(ABounds, FooterCellBorderSize());
}

TRect TcxCustomLookAndFeelPainter::FooterCellTextBounds(const TRect& ABounds) {
  return cxRectDeflated(FooterCellContentBounds(ABounds), 2);
}

void TcxCustomLookAndFeelPainter::DrawFooterPanel(TcxCanvas* ACanvas, const TRect& ABounds,
                                                  const TcxViewParams& AViewParams, const TcxBorders& ABorders) {
  ACanvas->SaveClipRegion();
  try {
    ACanvas->IntersectClipRect(ABounds);
    DrawFooterContent(ACanvas, ABounds, AViewParams);
    DrawFooterBorderEx(ACanvas, ABounds, ABorders);
  } catch (...) {
    ACanvas->RestoreClipRegion();
    throw;
  }
  ACanvas->RestoreClipRegion();
}

void TcxCustomLookAndFeelPainter::DrawFooterCell(TcxCanvas* ACanvas, const TRect& ABounds,
                                                 TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert,
                                                 bool AMultiLine, const String& AText, TFont* AFont,
                                                 TColor ATextColor, TColor ABkColor,
                                                 const TcxDrawBackgroundEvent& AOnDrawBackground) {
  DrawFooterCellBorder(ACanvas, ABounds);
  DrawFooterCellContent(ACanvas, ABounds, AAlignmentHorz, AAlignmentVert, AMultiLine, AText, AFont, ATextColor,
                        ABkColor, AOnDrawBackground);
}

void TcxCustomLookAndFeelPainter::DrawFooterCellContent(TcxCanvas* ACanvas, const TRect& ABounds,
                                                        TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert,
                                                        bool AMultiLine, const String& AText, TFont* AFont,
                                                        TColor ATextColor, TColor ABkColor,
                                                        const TcxDrawBackgroundEvent& AOnDrawBackground) {
  DrawCellBackgroundAndText(ACanvas, FooterCellContentBounds(ABounds), FooterCellTextBounds(ABounds), cxbsDefault,
                            AAlignmentHorz, AAlignmentVert, AMultiLine, false, AText, AFont, ATextColor, ABkColor,
                            AOnDrawBackground, true);
}

void TcxCustomLookAndFeelPainter::DrawFooterBorder(TcxCanvas* /*ACanvas*/, const TRect& /*R*/) {}

void TcxCustomLookAndFeelPainter::DrawFooterBorderEx(TcxCanvas* ACanvas, const TRect& R,
                                                     const TcxBorders& /*ABorders*/) {
  const int separator = FooterSeparatorSize();
  DrawFooterSeparator(ACanvas, TRect(R.Left, R.Top, R.Right, R.Top + separator));
  DrawFooterBorder(ACanvas, TRect(R.Left, R.Top + separator, R.Right, R.Bottom));
}

void TcxCustomLookAndFeelPainter::DrawFooterCellBorder(TcxCanvas* /*ACanvas*/, const TRect& /*R*/) {}

void TcxCustomLookAndFeelPainter::DrawFooterContent(TcxCanvas* ACanvas, const TRect& ARect,
                                                    const TcxViewParams& AViewParams) {
  if (!ARect.IsEmpty()) ACanvas->FillRect(ARect, AViewParams);
}

void TcxCustomLookAndFeelPainter::DrawFooterSeparator(TcxCanvas* ACanvas, const TRect& R) {
  ACanvas->FillRect(R, FooterSeparatorColor());
}

// ---------------------------------------------------------------- filter and find panels

// The X of a close button, two pixels thick, sized after the filter panel's
// close button; a pressed button moves it one pixel right and down.
void TcxCustomLookAndFeelPainter::DrawButtonCross(TcxCanvas* ACanvas, const TRect& R, TColor AColor,
                                                  TcxButtonState AState) {
  int size = FilterCloseButtonSize().X / 2;
  if (size % 2 == 0) --size;
  const int pressed = AState == cxbsPressed ? 1 : 0;
  const int y0 = (R.Top + R.Bottom - size) / 2 + pressed;
  ACanvas->Pen()->SetColor(AColor);
  for (int offset = 0; offset < 2; ++offset) {
    const int x = (R.Left + R.Right - size) / 2 + offset + pressed;
    ACanvas->Line(x, y0, x + size, y0 + size);
    ACanvas->Line(x, y0 + size - 1, x + size, y0 - 1);
  }
}


void TcxCustomLookAndFeelPainter::DrawFilterActivateButton(TcxCanvas* ACanvas, const TRect& R,
                                                           TcxButtonState AState, bool AChecked) {
  DrawCheckButton(ACanvas, R, AState, AChecked);
}

void TcxCustomLookAndFeelPainter::DrawFilterCloseButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) {
  DrawSmallButton(ACanvas, R, AState);
  DrawButtonCross(ACanvas, R, ButtonSymbolColor(AState, clDefault), ButtonSymbolState(AState));
}

void TcxCustomLookAndFeelPainter::DrawFilterDropDownButton(TcxCanvas* /*ACanvas*/, const TRect& /*R*/,
                                                           TcxButtonState /*AState*/, bool /*AIsFilterActive*/) {}

void TcxCustomLookAndFeelPainter::DrawFilterPanel(TcxCanvas* ACanvas, const TRect& ARect, bool ATransparent,
                                                  TColor ABackgroundColor, TBitmap* ABackgroundBitmap) {
  FillBackground(ACanvas, ARect, ABackgroundBitmap, ABackgroundColor, ATransparent);
}

// The smart tag's own states map one to one onto the button looks: normal
// as the default look (the filter colour when active), hot as hot, pressed
// as pressed, and a hot parent as the normal look.
void TcxCustomLookAndFeelPainter::DrawFilterSmartTag(TcxCanvas* ACanvas, const TRect& R,
                                                     TcxFilterSmartTagState AState, bool AIsFilterActive) {
  TcxButtonState state = cxbsDefault;
  switch (AState) {
    case fstsNormal: state = cxbsDefault; break;
    case fstsHot: state = cxbsHot; break;
    case fstsPressed: state = cxbsPressed; break;
    case fstsParentHot: state = cxbsNormal; break;
  }
  ACanvas->Brush()->SetStyle(bsClear);
  ACanvas->Pen()->SetColor(StateGlyphColor(state, AIsFilterActive));
  ACanvas->Rectangle(R);
  DrawStateGlyph(ACanvas, R, state, AIsFilterActive);
  ACanvas->Brush()->SetStyle(bsSolid);
}

TPoint TcxCustomLookAndFeelPainter::FilterActivateButtonSize() { return TPoint(13, 13); }

TPoint TcxCustomLookAndFeelPainter::FilterCloseButtonSize() { return TPoint(16, 14); }

TPoint TcxCustomLookAndFeelPainter::FilterDropDownButtonSize() {
  int width = cxScaleByCurrentDPI(15);
  dxRaiseToTouchMinimum(width);
  return TPoint(width, 0);
}

TSize TcxCustomLookAndFeelPainter::FilterSmartTagSize() { return cxScaleSizeByCurrentDPI(TSize(10, 10)); }

void TcxCustomLookAndFeelPainter::DrawFindPanel(TcxCanvas* ACanvas, const TRect& ARect, bool ATransparent,
                                                TColor ABackgroundColor, TBitmap* ABackgroundBitmap) {
  DrawFilterPanel(ACanvas, ARect, ATransparent, ABackgroundColor, ABackgroundBitmap);
}

void TcxCustomLookAndFeelPainter::DrawFindPanelBorder(TcxCanvas* ACanvas, const TRect& R,
                                                      const TcxBorders& ABorders) {
  DrawFooterBorderEx(ACanvas, R, ABorders);
}
