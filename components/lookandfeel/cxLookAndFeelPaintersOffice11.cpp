// The Office11 painter: the UltraFlat look in the Office 2003 colour set,
// read at the time of drawing (the look-and-feel's palette listener keeps
// the set current).
#include <algorithm>
#include <initializer_list>

#include "components/core/cxGraphics.h"
#include "components/core/dxOffice11.h"
#include "components/core/dxThemeManager.h"
#include "components/lookandfeel/cxLookAndFeelPainters.h"

namespace {

TColor Entry(int AIndex) { return dxOffice11Colors[AIndex]; }

TColor Blend(TColor AColor1, TColor AColor2, int APercent) { return cxBlendTwoColors(AColor1, AColor2, APercent); }

// A one-pixel column or row of R filled in AColor.
void FillColumn(TcxCanvas* ACanvas, int X, int ATop, int ABottom, TColor AColor) {
  ACanvas->FillRect(TRect(X, ATop, X + 1, ABottom), AColor);
}
void FillRow(TcxCanvas* ACanvas, const TRect& R, int Y, TColor AColor) {
  ACanvas->FillRect(TRect(R.Left, Y, R.Right, Y + 1), AColor);
}

}  // namespace

String TcxOffice11LookAndFeelPainter::LookAndFeelName() { return L"Office11"; }
TcxLookAndFeelStyle TcxOffice11LookAndFeelPainter::LookAndFeelStyle() { return lfsOffice11; }
bool TcxOffice11LookAndFeelPainter::NeedRedrawOnResize() { return true; }
TColor TcxOffice11LookAndFeelPainter::HotLightTextColor() { return clHighlightText; }

TcxCustomLookAndFeelPainter* TcxOffice11LookAndFeelPainter::NativePainter() {
  TcxCustomLookAndFeelPainter* native = PaintersManager ? PaintersManager->GetPainter(lfsNative) : nullptr;
  return native != this ? native : nullptr;
}

// ---------------------------------------------------------------- default colours

TColor TcxOffice11LookAndFeelPainter::DefaultDateNavigatorHeaderColor() { return Entry(0); }
TColor TcxOffice11LookAndFeelPainter::DefaultDateNavigatorSelectionColor() { return Entry(59); }
TColor TcxOffice11LookAndFeelPainter::DefaultDateNavigatorSelectionTextColor() { return clWindowText; }
TColor TcxOffice11LookAndFeelPainter::DefaultFilterBoxColor() { return Entry(24); }
TColor TcxOffice11LookAndFeelPainter::DefaultFilterBoxTextColor() { return Entry(28); }
TColor TcxOffice11LookAndFeelPainter::DefaultFooterColor() { return Entry(0); }
TColor TcxOffice11LookAndFeelPainter::DefaultFooterTextColor() { return DefaultHeaderTextColor(); }
TColor TcxOffice11LookAndFeelPainter::DefaultGroupColor() { return Entry(58); }
TColor TcxOffice11LookAndFeelPainter::DefaultGroupByBoxColor() { return Entry(55); }
TColor TcxOffice11LookAndFeelPainter::DefaultGroupByBoxTextColor() { return Entry(2); }
TColor TcxOffice11LookAndFeelPainter::DefaultHeaderColor() { return HeaderTopColor(); }
TColor TcxOffice11LookAndFeelPainter::DefaultHeaderBackgroundColor() { return DefaultGroupByBoxColor(); }
TColor TcxOffice11LookAndFeelPainter::DefaultSchedulerBorderColor() { return Entry(60); }
TColor TcxOffice11LookAndFeelPainter::DefaultSchedulerControlColor() { return Entry(61); }
TColor TcxOffice11LookAndFeelPainter::DefaultTabColor() { return Entry(1); }
TColor TcxOffice11LookAndFeelPainter::DefaultTabsBackgroundColor() { return DefaultTabColor(); }
TColor TcxOffice11LookAndFeelPainter::DefaultTimeGridMinorScaleColor() { return Entry(0); }
TColor TcxOffice11LookAndFeelPainter::DefaultTimeGridSelectionBarColor() { return DefaultSchedulerControlColor(); }

// ---------------------------------------------------------------- borders and buttons

int TcxOffice11LookAndFeelPainter::SeparatorSize() { return 2; }
void TcxOffice11LookAndFeelPainter::DrawBorder(TcxCanvas* ACanvas, const TRect& R) { ACanvas->FrameRect(R, Entry(57)); }

// An etched line: the shadow, and the highlight a pixel down and right.
void TcxOffice11LookAndFeelPainter::DoDrawSeparator(TcxCanvas* ACanvas, const TRect& R, bool) {
  const TRect shadow(R.Left, R.Top, R.Right - 1, R.Bottom - 1);
  ACanvas->FillRect(shadow, Entry(20));
  ACanvas->FillRect(cxRectShiftBy(shadow, 1, 1), Entry(21));
}

TColor TcxOffice11LookAndFeelPainter::ButtonColor(TcxButtonState AState) {
  switch (AState) {
    case cxbsHot: return Entry(42);
    case cxbsPressed: return Entry(44);
    case cxbsDisabled: return clBtnFace;
    default: return Entry(0);
  }
}

TColor TcxOffice11LookAndFeelPainter::ButtonSymbolColor(TcxButtonState AState, TColor) {
  if (AState == cxbsPressed && !dxOffice11SchemeIsXPStandard()) return clHighlightText;
  return AState == cxbsDisabled ? Entry(52) : Entry(51);
}

void TcxOffice11LookAndFeelPainter::DrawButtonBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) {
  switch (AState) {
    case cxbsDefault: TcxUltraFlatLookAndFeelPainter::DrawButtonBorder(ACanvas, R, AState); break;
    case cxbsNormal: ACanvas->FrameRect(R, clBtnText); break;
    case cxbsDisabled: ACanvas->FrameRect(R, Entry(52)); break;
    default: ACanvas->FrameRect(R, Entry(41)); break;
  }
}

// ---------------------------------------------------------------- expand buttons

int TcxOffice11LookAndFeelPainter::SmallExpandButtonSize() { return ExpandButtonSize(); }
bool TcxOffice11LookAndFeelPainter::DrawExpandButtonFirst() { return false; }

// The corners are blended into a copy: the look's bitmaps are shared by
// every painter and must keep their own pixels.
void TcxOffice11LookAndFeelPainter::DrawExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                     TColor AColor) {
  TBitmap* shared = dxOffice11ExpandButtonBitmap(AExpanded);
  if (!shared || shared->Empty()) {
    TcxUltraFlatLookAndFeelPainter::DrawExpandButton(ACanvas, R, AExpanded, AColor);
    return;
  }
  TcxBitmap button(shared->Width(), shared->Height(), pf32bit);
  cxBitBltRect(button.cxCanvas()->Handle(), shared->Canvas()->Handle(), button.ClientRect(), TPoint(0, 0), SRCCOPY);
  const auto blendCorner = [&](const TPoint& AUnder, TColor ACornerColor, std::initializer_list<TPoint> ACorners) {
    const COLORREF under = GetPixel(ACanvas->Handle(), AUnder.X, AUnder.Y);
    if (under == CLR_INVALID) return;  // out of the clip: the corner is not drawn either
    for (const TPoint& corner : ACorners)
      button.cxCanvas()->SetPixel(corner.X, corner.Y, Blend(ACornerColor, static_cast<TColor>(under), 25));
  };
  const int last = 10;
  blendCorner(TPoint(R.Left, R.Top), dxOffice11ExpandButtonColor1, {TPoint(0, 0)});
  blendCorner(TPoint(R.Right - 1, R.Bottom - 1), dxOffice11ExpandButtonColor2,
              {TPoint(last, last), TPoint(0, last), TPoint(last, 0)});
  cxBitBltRect(ACanvas->Handle(), button.cxCanvas()->Handle(),
               TRect(R.Left, R.Top, R.Left + button.Width(), R.Top + button.Height()), TPoint(0, 0), SRCCOPY);
}

void TcxOffice11LookAndFeelPainter::DrawSmallExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TColor,
                                                          TColor AColor) {
  DrawExpandButton(ACanvas, R, AExpanded, AColor);
}

// ---------------------------------------------------------------- check boxes

TColor TcxOffice11LookAndFeelPainter::CheckButtonColor(TcxButtonState AState, TcxCheckBoxState ACheckState) {
  if (AState == cxbsHot || AState == cxbsPressed || AState == cxbsDisabled) return ButtonColor(AState);
  return TcxCustomLookAndFeelPainter::CheckButtonColor(AState, ACheckState);
}

TColor TcxOffice11LookAndFeelPainter::RadioButtonBodyColor(TcxButtonState AState) {
  return AState == cxbsNormal ? clWindow : ButtonColor(AState);
}

// ---------------------------------------------------------------- headers

void TcxOffice11LookAndFeelPainter::DrawHeader(TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds,
                                               const TcxNeighbors& ANeighbors, const TcxBorders& ABorders,
                                               TcxButtonState AState, TAlignment AAlignmentHorz,
                                               TcxAlignmentVert AAlignmentVert, bool AMultiLine, bool AShowEndEllipsis,
                                               const String& AText, TFont* AFont, TColor ATextColor, TColor ABkColor,
                                               const TcxDrawBackgroundEvent&, bool AIsLast, bool) {
  TcxCustomLookAndFeelPainter::DrawHeader(ACanvas, ABounds, ATextAreaBounds, ANeighbors, ABorders, AState,
                                          AAlignmentHorz, AAlignmentVert, AMultiLine, AShowEndEllipsis, AText, AFont,
                                          ATextColor, ABkColor, nullptr, AIsLast, false);
}

// A two-tone border: the top colour at the top, the highlight down the
// left, the shadow down the right and along the bottom; the corners where
// neighbours meet take the gradient's colours.
void TcxOffice11LookAndFeelPainter::DrawHeaderBorder(TcxCanvas* ACanvas, const TRect& R, const TcxNeighbors& ANeighbors,
                                                     const TcxBorders& ABorders) {
  const TColor top = HeaderTopColor(), bottom = HeaderBottomColor(), shadow = HeaderShadowColor(),
               highlight = HeaderHighlightColor();
  if (ABorders.Contains(bTop)) FillRow(ACanvas, R, R.Top, top);
  if (ABorders.Contains(bBottom)) FillRow(ACanvas, R, R.Bottom - 1, shadow);
  if (ABorders.Contains(bLeft)) {
    ACanvas->SetPixel(R.Left, R.Top + 1, top);
    int segmentTop = R.Top + 1, segmentBottom = R.Bottom - 2;
    if (ANeighbors.Contains(nLeft)) {
      ACanvas->SetPixel(R.Left, R.Top + 2, top);
      ACanvas->SetPixel(R.Left, R.Bottom - 3, Blend(top, bottom, 25));
      ACanvas->SetPixel(R.Left, R.Bottom - 2, bottom);
      segmentTop = R.Top + 2;
      segmentBottom = R.Bottom - 3;
    } else {
      ACanvas->SetPixel(R.Left, R.Bottom - 2, bottom);
    }
    FillColumn(ACanvas, R.Left, segmentTop, segmentBottom, highlight);
  }
  if (ABorders.Contains(bRight)) {
    const int x = R.Right - 1;
    TColor corner;
    int segmentTop, segmentBottom;
    if (ANeighbors.Contains(nRight)) {
      ACanvas->SetPixel(x, R.Top + 1, top);
      ACanvas->SetPixel(x, R.Top + 2, top);
      ACanvas->SetPixel(x, R.Bottom - 3, Blend(top, bottom, 25));
      corner = bottom;
      segmentTop = R.Top + 2;
      segmentBottom = R.Bottom - 3;
    } else {
      ACanvas->SetPixel(x, R.Top, Blend(top, shadow, 50));
      corner = Blend(bottom, shadow, 50);
      segmentTop = R.Top + 1;
      segmentBottom = R.Bottom - 2;
    }
    ACanvas->SetPixel(x, R.Bottom - 2, corner);
    FillColumn(ACanvas, x, segmentTop, segmentBottom, shadow);
  }
}

// Drawn as if a neighbour followed on the right, so that sections join.
void TcxOffice11LookAndFeelPainter::DrawHeaderControlSection(
    TcxCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds, const TcxNeighbors&,
    const TcxBorders& ABorders, TcxButtonState AState, TAlignment AAlignmentHorz, TcxAlignmentVert AAlignmentVert,
    bool AMultiLine, bool AShowEndEllipsis, const String& AText, TFont* AFont, TColor ATextColor, TColor ABkColor) {
  DrawHeader(ACanvas, ABounds, ATextAreaBounds, {nRight}, ABorders, AState, AAlignmentHorz, AAlignmentVert, AMultiLine,
             AShowEndEllipsis, AText, AFont, ATextColor, ABkColor, nullptr, false, false);
  if (AState == cxbsPressed) DrawHeaderPressed(ACanvas, ABounds);
}

void TcxOffice11LookAndFeelPainter::DrawSortingMark(TcxCanvas* ACanvas, const TRect& R, bool AAscendingSorting) {
  DrawSortingMarkArrow(ACanvas, R, HeaderShadowColor(), HeaderHighlightColor(), AAscendingSorting);
}

void TcxOffice11LookAndFeelPainter::DrawSummarySortingMark(TcxCanvas* ACanvas, const TRect& R, bool AAscendingSorting) {
  DrawSummarySortingMarkArrow(ACanvas, R, HeaderShadowColor(), HeaderHighlightColor(), AAscendingSorting);
}

TcxBorders TcxOffice11LookAndFeelPainter::HeaderBorders(const TcxNeighbors&) { return cxBordersAll; }
bool TcxOffice11LookAndFeelPainter::IsHeaderHotTrack() { return true; }
int TcxOffice11LookAndFeelPainter::GridBordersOverlapSize() { return 0; }

// A caption on top is filled like a footer (solid), elsewhere like a header.
// The border stays out of the fill; the caller's clip comes back.
void TcxOffice11LookAndFeelPainter::LayoutViewDrawRecordCaption(TcxCanvas* ACanvas, const TRect& ABounds, const TRect&,
                                                                TcxGroupBoxCaptionPosition APosition,
                                                                TcxButtonState AState) {
  ACanvas->SaveClipRegion();
  LayoutViewDrawRecordBorder(ACanvas, ABounds, AState, cxBordersAll);
  DrawCellBackgroundAndText(ACanvas, ABounds, TRect(), AState, taLeftJustify, vaTop, false, false, String(), nullptr,
                            clDefault, clDefault, nullptr, APosition == cxgpTop);
  ACanvas->RestoreClipRegion();
}

TColor TcxOffice11LookAndFeelPainter::FooterSeparatorColor() { return HeaderShadowColor(); }

// The header gradient with, under a hot cell, a three-pixel bar along the
// bottom edge; the bar stays inside R, the rectangle the cell was given.
void TcxOffice11LookAndFeelPainter::DrawCellBackgroundAndText(
    TcxCanvas* ACanvas, const TRect& R, const TRect& ATextRect, TcxButtonState AState, TAlignment AAlignmentHorz,
    TcxAlignmentVert AAlignmentVert, bool AMultiLine, bool AShowEndEllipsis, const String& AText, TFont* AFont,
    TColor ATextColor, TColor, const TcxDrawBackgroundEvent& AOnDrawBackground, bool AIsFooter) {
  if (!AOnDrawBackground || !AOnDrawBackground(ACanvas, R)) {
    const TColor top = AState == cxbsHot ? Entry(2) : HeaderTopColor();
    const TColor bottom = AState == cxbsHot ? Entry(2) : HeaderBottomColor();
    const HDC dc = ACanvas->Handle();
    if (AIsFooter) {
      cxFillRectSolid(dc, R, top);
    } else {
      cxFillRectSolid(dc, TRect(R.Left, R.Top, R.Right, R.Bottom - 3), top);
      cxFillRectWithGradient(dc, TRect(R.Left, R.Bottom - 4, R.Right, R.Bottom), top, bottom, false);
    }
  }
  if (!AText.empty()) {
    ACanvas->Brush()->SetStyle(bsClear);
    ACanvas->SetFont(AFont);
    ACanvas->Font()->SetColor(ATextColor);
    ACanvas->DrawTexT(AText, ATextRect, AAlignmentHorz, AAlignmentVert, AMultiLine, AShowEndEllipsis);
    ACanvas->Brush()->SetStyle(bsSolid);
  }
  if (AState == cxbsHot)
    cxFillRectWithGradient(ACanvas->Handle(), TRect(R.Left, std::max(R.Top, R.Bottom - 3), R.Right, R.Bottom),
                           Entry(42), Entry(43), false);
}

// ---------------------------------------------------------------- scroll bars, size grip and scheduler

int TcxOffice11LookAndFeelPainter::ScrollBarMinimalThumbSize(bool AVertical) {
  if (TcxCustomLookAndFeelPainter* native = NativePainter()) return native->ScrollBarMinimalThumbSize(AVertical);
  return TcxCustomLookAndFeelPainter::ScrollBarMinimalThumbSize(AVertical);
}

void TcxOffice11LookAndFeelPainter::DrawScrollBarPart(TcxCanvas* ACanvas, bool AHorizontal, const TRect& R,
                                                      TcxScrollBarPart APart, TcxButtonState AState) {
  if (TcxCustomLookAndFeelPainter* native = NativePainter())
    native->DrawScrollBarPart(ACanvas, AHorizontal, R, APart, AState);
  else
    TcxUltraFlatLookAndFeelPainter::DrawScrollBarPart(ACanvas, AHorizontal, R, APart, AState);
}

void TcxOffice11LookAndFeelPainter::DoDrawSizeGrip(TcxCanvas* ACanvas, const TRect& ARect) {
  dxOffice11DrawSizeGripDots(ACanvas->Handle(), ARect, clDefault, clDefault);
}

// No header border: the view parameters' background inside a one-pixel
// margin, the text centred on one line, and the arrows.
void TcxOffice11LookAndFeelPainter::DrawMonthHeader(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText,
                                                    const TcxNeighbors&, const TcxViewParams& AViewParams,
                                                    const TcxArrowDirections& AArrows, int ASideWidth,
                                                    const TcxDrawBackgroundEvent& AOnDrawBackground) {
  const TRect content = cxRectDeflated(ABounds, 1);
  if (!AOnDrawBackground || !AOnDrawBackground(ACanvas, content)) ACanvas->FillRect(content, AViewParams);
  if (!AText.empty()) {
    ACanvas->Brush()->SetStyle(bsClear);
    ACanvas->SetFont(AViewParams.Font);
    ACanvas->Font()->SetColor(AViewParams.TextColor);
    ACanvas->DrawTexT(AText, content, cxtfAlignHCenter | cxtfAlignVCenter | cxtfSingleLine);
    ACanvas->Brush()->SetStyle(bsSolid);
  }
  DrawMonthHeaderArrows(ACanvas, ABounds, AArrows, ASideWidth, clWindowText);
}

void TcxOffice11LookAndFeelPainter::DrawSchedulerNavigationButtonFrame(TcxCanvas* ACanvas, const TRect& R,
                                                                       const TRect& AArrowRect, bool AIsNextButton,
                                                                       TcxButtonState AState) {
  ACanvas->FillRect(R, AState == cxbsHot ? Entry(42) : AState == cxbsPressed ? Entry(44) : Entry(0));
  ACanvas->DrawComplexFrame(R, Entry(60), Entry(60), SchedulerNavigationButtonBorders(AIsNextButton));
  DrawSchedulerNavigationButtonArrow(ACanvas, AArrowRect, AIsNextButton, ButtonSymbolColor(AState, clDefault));
}

void TcxOffice11LookAndFeelPainter::DrawSchedulerNavigatorButton(TcxCanvas* ACanvas, const TRect& R,
                                                                 TcxButtonState AState) {
  if (TcxCustomLookAndFeelPainter* native = NativePainter())
    native->DrawSchedulerNavigatorButton(ACanvas, R, AState);
  else
    TcxUltraFlatLookAndFeelPainter::DrawSchedulerNavigatorButton(ACanvas, R, AState);
}

void TcxOffice11LookAndFeelPainter::DrawSchedulerBorder(TcxCanvas* ACanvas, const TRect& R) {
  ACanvas->FrameRect(R, DefaultSchedulerBorderColor());
}

TSize TcxOffice11LookAndFeelPainter::ClockSize() {
  TdxSmartImage* face = ClockFaceImage();
  return TSize(face->Width(), face->Height());
}

void TcxOffice11LookAndFeelPainter::DrawClock(TcxCanvas* ACanvas, const TRect& ARect, TDateTime ADateTime,
                                              TColor ABackgroundColor) {
  DrawModernCalendarClock(ACanvas, ARect, ADateTime, ABackgroundColor);
}

void TcxOffice11LookAndFeelPainter::DrawDateNavigatorDateHeader(TcxCanvas* ACanvas, TRect& R) {
  ACanvas->FillRect(R, DefaultDateNavigatorHeaderColor());
}

int TcxOffice11LookAndFeelPainter::NavigatorBorderSize() { return 1; }

// ---------------------------------------------------------------- group boxes, panels, track bars and splitters

void TcxOffice11LookAndFeelPainter::DrawGroupBoxFrame(TcxCanvas* ACanvas, const TRect& R, bool AEnabled,
                                                      TcxGroupBoxCaptionPosition ACaptionPosition,
                                                      const TcxBorders& ABorders) {
  TcxCustomLookAndFeelPainter* native = dxThemesAvailable({totButton}) ? NativePainter() : nullptr;
  if (native)
    native->DrawGroupBoxFrame(ACanvas, R, AEnabled, ACaptionPosition, ABorders);
  else
    TcxUltraFlatLookAndFeelPainter::DrawGroupBoxFrame(ACanvas, R, AEnabled, ACaptionPosition, ABorders);
}

TColor TcxOffice11LookAndFeelPainter::GroupBoxTextColor(bool AEnabled, TcxGroupBoxCaptionPosition ACaptionPosition) {
  TcxCustomLookAndFeelPainter* native = dxThemesAvailable({totButton}) ? NativePainter() : nullptr;
  if (native) return native->GroupBoxTextColor(AEnabled, ACaptionPosition);
  return TcxCustomLookAndFeelPainter::GroupBoxTextColor(AEnabled, ACaptionPosition);
}

// No colour: the parent shows through; one colour: solid; two: a vertical gradient.
void TcxOffice11LookAndFeelPainter::DrawPanelBackground(TcxCanvas* ACanvas, TWinControl* AControl, const TRect& ABounds,
                                                        TColor AColorFrom, TColor AColorTo) {
  if (AColorFrom == clDefault)
    cxPaintParentImage(AControl, ACanvas, ABounds, true);
  else if (AColorTo == clDefault)
    ACanvas->FillRect(ABounds, AColorFrom);
  else
    cxFillRectWithGradient(ACanvas->Handle(), ABounds, AColorFrom, AColorTo, false);
}

void TcxOffice11LookAndFeelPainter::DrawTrackBarTrackBounds(TcxCanvas* ACanvas, const TRect& ARect) {
  ACanvas->FrameRect(ARect, clBtnText);
}

void TcxOffice11LookAndFeelPainter::DrawTrackBarThumbBorderBoth(TcxCanvas* ACanvas, const TRect& ARect) {
  ACanvas->FrameRect(ARect, clBtnText);
}

void TcxOffice11LookAndFeelPainter::DrawTrackBarThumbBorderUpDown(TcxCanvas* ACanvas, const TPoints& ALightPolyLine,
                                                                  const TPoints&, const TPoints& ADarkPolyLine) {
  ACanvas->Pen()->SetColor(clBtnText);
  ACanvas->Polyline(ALightPolyLine);
  ACanvas->Polyline(ADarkPolyLine);
}

TColor TcxOffice11LookAndFeelPainter::GetSplitterInnerColor(bool) { return Entry(21); }
TColor TcxOffice11LookAndFeelPainter::GetSplitterOuterColor(bool AHighlighted) {
  return AHighlighted ? Entry(41) : Entry(20);
}

void TcxOffice11LookAndFeelPainter::DrawLayoutControlBackground(TcxCanvas* ACanvas, const TRect& R) {
  cxFillRectWithGradient(ACanvas->Handle(), R, Entry(2), Entry(3), false);
}

// ---------------------------------------------------------------- breadcrumbs, drop-down lists, alerts and bevels

TColor TcxOffice11LookAndFeelPainter::BreadcrumbEditBackgroundColor(TdxBreadcrumbEditState) { return HeaderTopColor(); }

void TcxOffice11LookAndFeelPainter::DrawBreadcrumbEditBorders(TcxCanvas* ACanvas, const TRect& ARect,
                                                              const TcxBorders& ABorders, TdxBreadcrumbEditState) {
  ACanvas->FrameRect(ARect, Entry(57), 1, ABorders);
}

void TcxOffice11LookAndFeelPainter::DrawDropDownListBoxBackground(TcxCanvas* ACanvas, const TRect& ARect,
                                                                  bool AHasBorders) {
  DrawDropDownListBoxFrame(ACanvas, ARect, AHasBorders, Entry(38), Entry(39), Entry(31));
}

void TcxOffice11LookAndFeelPainter::DrawDropDownListBoxSelection(TcxCanvas* ACanvas, const TRect& ARect, const TRect&) {
  ACanvas->FillRect(ARect, Entry(42));
  dxOffice11FrameSelection(ACanvas->Handle(), ARect);
}

void TcxOffice11LookAndFeelPainter::DrawDropDownListBoxSeparator(TcxCanvas* ACanvas, const TRect& ARect,
                                                                 const TRect& AGutterRect) {
  DrawDropDownListBoxSeparatorLine(ACanvas, ARect, AGutterRect, 8, Entry(20));
}

void TcxOffice11LookAndFeelPainter::DrawDropDownListBoxGutterBackground(TcxCanvas* ACanvas, const TRect& ARect) {
  dxOffice11FillGradient(ACanvas->Handle(), ARect, Entry(34), Entry(35), true);
}

void TcxOffice11LookAndFeelPainter::DrawAlertWindowBackground(TcxCanvas* ACanvas, const TRect& ABounds) {
  ACanvas->FrameRect(ABounds, Entry(57));
  cxFillRectWithGradient(ACanvas->Handle(), cxRectDeflated(ABounds, 1), Entry(1), Entry(0), false);
}

TSize TcxOffice11LookAndFeelPainter::GetBevelMinimalShapeSize(TdxBevelShape) { return TSize(2, 2); }

void TcxOffice11LookAndFeelPainter::GetBevelShapeColors(TColor& AColor1, TColor& AColor2) {
  AColor1 = Entry(20);
  AColor2 = Entry(21);
}

// ---------------------------------------------------------------- the look's own colours

TColor TcxOffice11LookAndFeelPainter::StateFrameColor(TcxButtonState AState) {
  return AState == cxbsNormal ? HeaderShadowColor() : Entry(41);
}

void TcxOffice11LookAndFeelPainter::FillAndFrameByState(TcxCanvas* ACanvas, const TRect& R,
                                                        TdxBreadcrumbEditButtonState AState,
                                                        const TcxBorders& ABorders) {
  if (R.IsEmpty()) return;
  TColor from = HeaderTopColor(), to = HeaderTopColor();
  switch (AState) {
    case dxbcbsFocused: from = to = Entry(42); break;
    case dxbcbsHot:
      from = Entry(42);
      to = Entry(43);
      break;
    case dxbcbsPressed:
      from = Entry(47);
      to = Entry(42);
      break;
    default: break;
  }
  dxOffice11FillGradient(ACanvas->Handle(), R, from, to, false);
  ACanvas->FrameRect(R, Entry(38), 1, ABorders);
}

TColor TcxOffice11LookAndFeelPainter::ShadowEdgeColor() { return HeaderShadowColor(); }
TColor TcxOffice11LookAndFeelPainter::BorderHighlightColor() { return Entry(41); }
TColor TcxOffice11LookAndFeelPainter::HeaderBottomColor() { return Entry(3); }
TColor TcxOffice11LookAndFeelPainter::HeaderShadowColor() { return Entry(20); }
TColor TcxOffice11LookAndFeelPainter::HeaderHighlightColor() { return Entry(21); }
TColor TcxOffice11LookAndFeelPainter::HeaderTopColor() { return Blend(Entry(2), Entry(3), 50); }
