// The root painter's scheduler parts, editor buttons and container borders,
// the analogue clock, zoom and back buttons, date navigator, data navigator
// and progress bar.
#include <cmath>
#include <numbers>

#include "components/core/cxGeometry.h"
#include "components/core/dxGdiPlusClasses.h"
#include "components/lookandfeel/cxLookAndFeelPainters.h"
#include "vcl/rtl/DateUtils.h"

namespace {

TPoint RoundedPoint(double X, double Y) {
  return TPoint(static_cast<int>(std::lround(X)), static_cast<int>(std::lround(Y)));
}

// A font of the canvas turned by AEscapement tenths of a degree, selected
// into the canvas's context for the object's life.
class TRotatedFontSelection {
public:
  TRotatedFontSelection(TcxCanvas* ACanvas, int AEscapement) : FDC(ACanvas->Handle()) {
    LOGFONTW font{};
    cxFontObjectData(ACanvas->Font()->Handle(), font);
    font.lfEscapement = font.lfOrientation = AEscapement;
    FFont = CreateFontIndirectW(&font);
    FPrevious = SelectObject(FDC, FFont);
  }
  ~TRotatedFontSelection() {
    SelectObject(FDC, FPrevious);
    DeleteObject(FFont);
  }
  TRotatedFontSelection(const TRotatedFontSelection&) = delete;
  TRotatedFontSelection& operator=(const TRotatedFontSelection&) = delete;

private:
  HDC FDC;
  HFONT FFont;
  HGDIOBJ FPrevious;
};

}  // namespace

TcxClockHandAngles cxClockHandAngles(TDateTime ADateTime) {
  int h = 0, m = 0, s = 0, ms = 0;
  DecodeTime(ADateTime, h, m, s, ms);
  const double turn = 2 * std::numbers::pi;
  return {((h % 12) * 3600 + 60 * m + s - 10800) * turn / 43200, (60 * m + s - 900) * turn / 3600,
          (s - 15) * turn / 60};
}

// ---------------------------------------------------------------- scheduler

void TcxCustomLookAndFeelPainter::DrawMonthHeader(TcxCanvas* ACanvas, const TRect& ABounds, const String& AText,
                                                  const TcxNeighbors& ANeighbors, const TcxViewParams& AViewParams,
                                                  const TcxArrowDirections& AArrows, int ASideWidth,
                                                  const TcxDrawBackgroundEvent& AOnDrawBackground) {
  DrawHeader(ACanvas, ABounds, ABounds, ANeighbors, HeaderBorders(ANeighbors), cxbsNormal, taCenter, vaCenter, false,
             false, AText, AViewParams.Font, AViewParams.TextColor, AViewParams.Color, AOnDrawBackground, false,
             false);
  DrawMonthHeaderArrows(ACanvas, ABounds, AArrows, ASideWidth, clWindowText);
}

void TcxCustomLookAndFeelPainter::DrawMonthHeaderArrows(TcxCanvas* ACanvas, const TRect& R,
                                                        const TcxArrowDirections& AArrows, int /*ASideWidth*/,
                                                        TColor AColor) {
  const int side = R.Height();
  if (AArrows.Contains(adLeft)) DrawArrow(ACanvas, TRect(R.Left, R.Top, R.Left + side, R.Bottom), adLeft, AColor);
  if (AArrows.Contains(adRight))
    DrawArrow(ACanvas, TRect(R.Right - side, R.Top, R.Right, R.Bottom), adRight, AColor);
}

void TcxCustomLookAndFeelPainter::DrawSchedulerBorder(TcxCanvas* ACanvas, const TRect& R) { DrawBorder(ACanvas, R); }

void TcxCustomLookAndFeelPainter::DrawSchedulerEventProgress(TcxCanvas* ACanvas, const TRect& ABounds,
                                                             const TRect& AProgress, const TcxViewParams& AViewParams,
                                                             bool ATransparent) {
  if (!ATransparent) ACanvas->FillRect(ABounds, AViewParams);
  ACanvas->FrameRect(ABounds, clGray);
  ACanvas->FillRect(AProgress, clNavy);
}

void TcxCustomLookAndFeelPainter::DrawSchedulerGroup(TcxCanvas* ACanvas, const TRect& R, TColor AColor) {
  TPoints points;
  GetSchedulerGroupPolygon(R, points);
  ACanvas->Pen()->SetColor(clBlack);
  ACanvas->SetBrushColor(AColor);
  ACanvas->Polygon(points);
}

void TcxCustomLookAndFeelPainter::DrawSchedulerGroupSeparator(TcxCanvas* ACanvas, const TRect& ABounds,
                                                              TColor ABackgroundColor,
                                                              const TcxDrawBackgroundEvent& AOnDrawBackground) {
  DrawHeader(ACanvas, ABounds, ABounds, {nLeft, nRight}, cxBordersAll, cxbsNormal, taLeftJustify, vaCenter, false,
             false, L"", nullptr, clNone, ABackgroundColor, AOnDrawBackground, false, false);
}

void TcxCustomLookAndFeelPainter::DrawSchedulerMilestone(TcxCanvas* ACanvas, const TRect& R) {
  TPoints points;
  GetSchedulerMilestonePolygon(R, points);
  ACanvas->Pen()->SetColor(clBlack);
  ACanvas->SetBrushColor(clGray);
  ACanvas->Polygon(points);
}

void TcxCustomLookAndFeelPainter::DrawSchedulerNavigationButton(TcxCanvas* ACanvas, const TRect& ARect,
                                                                bool AIsNextButton, TcxButtonState AState,
                                                                const String& AText, const TRect& ATextRect,
                                                                const TRect& AArrowRect) {
  DrawSchedulerNavigationButtonFrame(ACanvas, ARect, AArrowRect, AIsNextButton, AState);
  if (ATextRect.IsEmpty() || SchedulerNavigationButtonTextColor(AIsNextButton, AState, clDefault) == clNone) return;
  TRect textRect = ATextRect;
  cxDrawRotatedText(ACanvas, AText, textRect,
                    cxTextFlagsToDrawTextFlags(cxtfAlignLeft | cxtfAlignHCenter | cxtfAlignVCenter),
                    SchedulerNavigationButtonTextColor(AIsNextButton, AState, ACanvas->Font()->Color()), raPlus90);
}

// The side that faces the view is left open.
void TcxCustomLookAndFeelPainter::DrawSchedulerNavigationButtonFrame(TcxCanvas* ACanvas, const TRect& R,
                                                                     const TRect& AArrowRect, bool AIsNextButton,
                                                                     TcxButtonState AState) {
  const TcxBorders borders = AIsNextButton ? TcxBorders{bLeft, bTop, bBottom} : TcxBorders{bTop, bRight, bBottom};
  ACanvas->FillRect(R, clBtnFace);
  ACanvas->FrameRect(R, clBtnShadow, 1, borders);
  TRect inner(R.Left, R.Top + 1, R.Right, R.Bottom - 1);
  if (AIsNextButton)
    ++inner.Left;
  else
    --inner.Right;
  if (AState == cxbsPressed)
    ACanvas->DrawComplexFrame(inner, clBtnShadow, clBtnHighlight, borders);
  else
    ACanvas->DrawComplexFrame(inner, clBtnHighlight, clBtnFace, borders);
  DrawSchedulerNavigationButtonArrow(ACanvas, AArrowRect, AIsNextButton, ButtonSymbolColor(AState, clDefault));
}

// A chevron pointing toward the next or previous side, then a bar.
void TcxCustomLookAndFeelPainter::DrawSchedulerNavigationButtonArrow(TcxCanvas* ACanvas, const TRect& ARect,
                                                                     bool AIsNextButton, TColor AColor) {
  ACanvas->SetBrushColor(AColor);
  const int step = AIsNextButton ? 1 : -1;
  const int left = AIsNextButton ? ARect.Left : ARect.Right - 2;
  TRect top(left, ARect.Top, left + 2, ARect.Top + 1);
  TRect bottom(left, ARect.Bottom - 1, left + 2, ARect.Bottom);
  for (int i = (ARect.Height() + 1) / 2; i > 0; --i) {
    ACanvas->FillRect(top);
    ACanvas->FillRect(bottom);
    top = cxRectShiftBy(top, step, 1);
    bottom = cxRectShiftBy(bottom, step, -1);
  }
  const int bar = AIsNextButton ? ARect.Right - 1 : ARect.Left;
  ACanvas->FillRect(TRect(bar, ARect.Top, bar + 1, ARect.Bottom));
}

void TcxCustomLookAndFeelPainter::DrawSchedulerNavigatorButton(TcxCanvas* ACanvas, const TRect& R,
                                                               TcxButtonState AState) {
  DrawButton(ACanvas, R, L"", AState, true, clDefault, clDefault, false, false, cxbpButton);
}

void TcxCustomLookAndFeelPainter::DrawSchedulerSplitterBorder(TcxCanvas* /*ACanvas*/, const TRect& /*R*/,
                                                              const TcxViewParams& /*AViewParams*/,
                                                              bool /*AIsHorizontal*/) {}

TRect TcxCustomLookAndFeelPainter::SchedulerEventProgressOffsets() { return TRect(2, 2, 2, 2); }

TColor TcxCustomLookAndFeelPainter::SchedulerNavigationButtonTextColor(bool /*AIsNextButton*/,
                                                                       TcxButtonState AState,
                                                                       TColor ADefaultColor) {
  return ButtonSymbolColor(AState, ADefaultColor);
}

void TcxCustomLookAndFeelPainter::SchedulerNavigationButtonSizes(bool AIsNextButton, TRect& ABorders,
                                                                 TSize& AArrowSize, bool& AHasTextArea) {
  ABorders = AIsNextButton ? TRect(2, 6, 0, 6) : TRect(0, 6, 2, 6);
  AArrowSize = TSize(7, 7);
  AHasTextArea = true;
}

void TcxCustomLookAndFeelPainter::CalculateSchedulerNavigationButtonRects(bool AIsNextButton, bool ACollapsed,
                                                                          const TSize& APrevButtonTextSize,
                                                                          const TSize& ANextButtonTextSize,
                                                                          TRect& ABounds, TRect& ATextRect,
                                                                          TRect& AArrowRect) {
  TRect borders;
  TSize arrow;
  bool hasTextArea = false;
  SchedulerNavigationButtonSizes(AIsNextButton, borders, arrow, hasTextArea);
  const int arrowArea = 3 * arrow.cy;
  if (ACollapsed || !hasTextArea) {
    ATextRect = TRect();
    const int height = arrowArea + borders.Top + borders.Bottom;
    ABounds.Top = (ABounds.Top + ABounds.Bottom - borders.Top - borders.Bottom - arrowArea) / 2;
    ABounds.Bottom = ABounds.Top + height;
    AArrowRect = cxRectCenteredOfSize(ABounds, arrow.cx, arrow.cy);
    return;
  }
  const TRect content(ABounds.Left + borders.Left, ABounds.Top + borders.Top, ABounds.Right - borders.Right,
                      ABounds.Bottom - borders.Bottom);
  AArrowRect = cxRectCenteredOfSize(TRect(content.Left, content.Top, content.Right, content.Top + arrowArea),
                                    arrow.cx, arrow.cy);
  ATextRect = TRect(content.Left, content.Top + arrowArea + 5, content.Right, content.Bottom - 2 * arrow.cy);
  const int extra = std::max(APrevButtonTextSize.cx, ANextButtonTextSize.cx) + 2 * arrow.cy + arrowArea + 5 -
                    content.Height();
  if (extra >= 1) {
    AArrowRect = cxRectShiftBy(AArrowRect, 0, -extra);
    ATextRect = cxRectExpand(ATextRect, 0, extra, 0, extra);
    ABounds = cxRectExpand(ABounds, 0, extra, 0, extra);
  }
}

// ---------------------------------------------------------------- editor buttons and container borders

void TcxCustomLookAndFeelPainter::DrawEditorButton(TcxCanvas* /*ACanvas*/, const TRect& /*ARect*/,
                                                   TcxEditBtnKind /*AButtonKind*/, TcxButtonState /*AState*/,
                                                   TcxEditBtnPosition /*APosition*/) {}
void TcxCustomLookAndFeelPainter::DrawEditorButtonGlyph(TcxCanvas* /*ACanvas*/, const TRect& /*ARect*/,
                                                        TcxEditBtnKind /*AButtonKind*/, TcxButtonState /*AState*/,
                                                        TcxEditBtnPosition /*APosition*/) {}
int TcxCustomLookAndFeelPainter::EditButtonTextOffset() { return 0; }
TSize TcxCustomLookAndFeelPainter::EditButtonSize() { return TSize(0, 0); }
TColor TcxCustomLookAndFeelPainter::EditButtonTextColor() { return clDefault; }
TColor TcxCustomLookAndFeelPainter::GetContainerBorderColor(bool /*AIsHighlightBorder*/) { return clBtnText; }

int TcxCustomLookAndFeelPainter::GetContainerBorderWidth(TcxContainerBorderStyle ABorderStyle) {
  static const int widths[] = {0, 1, 2, 2, 2, 1, 1};  // none, single, thick, flat, 3-D, ultra-flat, Office 11
  return widths[static_cast<int>(ABorderStyle)];
}

// ---------------------------------------------------------------- clock

TSize TcxCustomLookAndFeelPainter::ClockSize() { return TSize(130, 130); }

// The hour marks are kept out of the background fill and the hands by the
// clip; the caller's clip comes back as it was.
void TcxCustomLookAndFeelPainter::DrawClock(TcxCanvas* ACanvas, const TRect& ARect, TDateTime ADateTime,
                                            TColor ABackgroundColor) {
  const int xc = (ARect.Left + ARect.Right) / 2, yc = (ARect.Top + ARect.Bottom) / 2;
  const double rx = ARect.Width() / 2.0 - 2, ry = ARect.Height() / 2.0 - 2;
  const auto along = [&](double AAngle, double AFactorX, double AFactorY) {
    return RoundedPoint(xc + AFactorX * std::cos(AAngle), yc + AFactorY * std::sin(AAngle));
  };

  ACanvas->SaveClipRegion();
  for (int i = 0; i < 60; i += 5) {
    const TPoint p = along(2 * std::numbers::pi * i / 60, rx, ry);
    ACanvas->SetPixel(p.X, p.Y, clTeal);
    ACanvas->Pen()->SetColor(clAqua);
    ACanvas->Polyline({TPoint(p.X - 1, p.Y + 1), TPoint(p.X - 1, p.Y - 1), TPoint(p.X, p.Y - 1)});
    ACanvas->Pen()->SetColor(clBtnText);
    ACanvas->Polyline({TPoint(p.X, p.Y + 1), TPoint(p.X + 1, p.Y + 1), TPoint(p.X + 1, p.Y - 1)});
    ACanvas->ExcludeClipRect(TRect(p.X - 1, p.Y - 1, p.X + 2, p.Y + 2));
  }
  ACanvas->FillRect(ARect, ABackgroundColor);

  const TcxClockHandAngles angles = cxClockHandAngles(ADateTime);
  const auto drawHand = [&](double AAngle, int AWidth, double ALength, double ATail) {
    const double half = AWidth / 2.0;
    ACanvas->Polygon({along(AAngle, ALength * rx, ALength * ry), along(AAngle + std::numbers::pi / 2, half, half),
                      along(AAngle + std::numbers::pi, ATail * rx, ATail * ry),
                      along(AAngle + 3 * std::numbers::pi / 2, half, half)});
  };
  ACanvas->Pen()->SetColor(clTeal);
  ACanvas->SetBrushColor(clTeal);
  drawHand(angles.Hour, 9, 0.75, 0.15);
  drawHand(angles.Minute, 7, 0.85, 0.2);
  ACanvas->Pen()->SetColor(clRed);
  const TPoint tip = along(angles.Second, 0.9 * rx, 0.9 * ry);
  ACanvas->Line(xc, yc, tip.X, tip.Y);
  ACanvas->RestoreClipRegion();
}

// ---------------------------------------------------------------- zoom and back buttons

TSize TcxCustomLookAndFeelPainter::GetZoomInButtonSize() { return cxScaleSizeByCurrentDPI(TSize(15, 15)); }
TSize TcxCustomLookAndFeelPainter::GetZoomOutButtonSize() { return cxScaleSizeByCurrentDPI(TSize(15, 15)); }

void TcxCustomLookAndFeelPainter::DrawZoomOutButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) {
  DrawButtonBorder(ACanvas, R, AState);
  ACanvas->FillRect(cxRectDeflated(R, 1), ButtonColor(AState));
  ACanvas->Pen()->SetColor(AState == cxbsDisabled ? TColor(clBtnShadow) : ButtonSymbolColor(AState, clDefault));
  const int yc = (R.Top + R.Bottom) / 2;
  ACanvas->Line(R.Left + 3, yc, R.Right - 3, yc);
}

void TcxCustomLookAndFeelPainter::DrawZoomInButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) {
  DrawZoomOutButton(ACanvas, R, AState);
  const int xc = (R.Left + R.Right) / 2;
  ACanvas->Line(xc, R.Top + 3, xc, R.Bottom - 3);
}

TSize TcxCustomLookAndFeelPainter::GetBackButtonSize() {
  TdxSmartImage* image = BackButtonImage();
  return cxScaleSizeByCurrentDPI(TSize(image->Width(), image->Height() / 4));
}

void TcxCustomLookAndFeelPainter::DrawBackButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) {
  static const int frames[] = {0, 0, 1, 2, 3};  // default, normal, hot, pressed, disabled
  TdxSmartImage* image = BackButtonImage();
  const int height = image->Height() / 4, frame = frames[static_cast<int>(AState)];
  image->StretchDraw(ACanvas->Handle(), R, TRect(0, frame * height, image->Width(), (frame + 1) * height));
}

// ---------------------------------------------------------------- date navigator

void TcxCustomLookAndFeelPainter::DrawDateNavigatorCellSelection(TcxCanvas* ACanvas, const TRect& R, TColor AColor) {
  ACanvas->FillRect(R, AColor);
}

void TcxCustomLookAndFeelPainter::DrawDateNavigatorDateHeader(TcxCanvas* ACanvas, TRect& R) {
  ACanvas->FillRect(R, DefaultDateNavigatorHeaderColor());
  ACanvas->DrawEdge(R, false, false);
  R = cxRectDeflated(R, 1);
}

void TcxCustomLookAndFeelPainter::DrawDateNavigatorTodayCellSelection(TcxCanvas* ACanvas, const TRect& R) {
  ACanvas->FrameRect(R, DefaultDateNavigatorTodayFrameColor());
}

// ---------------------------------------------------------------- data navigator

void TcxCustomLookAndFeelPainter::DrawNavigatorBorder(TcxCanvas* /*ACanvas*/, const TRect& /*R*/,
                                                      bool /*ASelected*/) {}

void TcxCustomLookAndFeelPainter::DrawNavigatorButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                      TColor /*ABackgroundColor*/) {
  DrawButton(ACanvas, R, L"", AState, true, clDefault, clDefault, false, false, cxbpButton);
}

void TcxCustomLookAndFeelPainter::DrawNavigatorButtonGlyph(TcxCanvas* ACanvas, TCustomImageList* AImageList,
                                                           int AImageIndex, const TRect& AGlyphRect, bool AEnabled,
                                                           bool /*AUserGlyphs*/) {
  cxDrawGlyphOrImage(ACanvas->Handle(), AGlyphRect, AGlyphRect, nullptr, AImageList, AImageIndex,
                     AEnabled ? gdsNormal : gdsDisabled, false, nullptr, clNone);
}

bool TcxCustomLookAndFeelPainter::NavigatorBorderOverlap() { return false; }
int TcxCustomLookAndFeelPainter::NavigatorBorderSize() { return 0; }
TRect TcxCustomLookAndFeelPainter::NavigatorButtonGlyphPadding() { return TRect(3, 4, 3, 4); }
TSize TcxCustomLookAndFeelPainter::NavigatorButtonGlyphSize() { return TSize(11, 11); }
TSize TcxCustomLookAndFeelPainter::NavigatorButtonMinSize() { return cxScaleSizeByCurrentDPI(TSize(17, 19)); }
TPoint TcxCustomLookAndFeelPainter::NavigatorButtonPressedGlyphOffset() { return TPoint(1, 1); }
TColor TcxCustomLookAndFeelPainter::NavigatorButtonTextColor(TcxButtonState /*AState*/) { return clBtnText; }

// ---------------------------------------------------------------- progress bar

void TcxCustomLookAndFeelPainter::DrawProgressBarBorder(TcxCanvas* /*ACanvas*/, const TRect& /*ARect*/,
                                                        bool /*AVertical*/) {}
void TcxCustomLookAndFeelPainter::DrawProgressBarChunk(TcxCanvas* /*ACanvas*/, const TRect& /*ARect*/,
                                                       bool /*AVertical*/) {}
TRect TcxCustomLookAndFeelPainter::ProgressBarBorderSize(bool /*AVertical*/) { return TRect(); }

TColor TcxCustomLookAndFeelPainter::ProgressBarTextColorEx(bool AIsFilledArea) {
  return AIsFilledArea ? TColor(clDefault) : TColor(clWindowText);
}

TColor TcxCustomLookAndFeelPainter::ProgressBarTextColor() { return ProgressBarTextColorEx(false); }

// The text stays inside ATextRect: a long text is cut at its edges rather
// than painted over the bar's border and beyond.
void TcxCustomLookAndFeelPainter::DrawProgressBarText(TcxCanvas* ACanvas, bool AVertical, bool ASolid,
                                                      const String& AText, const TRect& ATextRect,
                                                      const TRect& /*AProgressBarRect*/, const TRect& AProgressChunkRect,
                                                      TColor ATextColor) {
  ACanvas->SaveState();
  try {
    const TPoint origin(AVertical ? ATextRect.Right : ATextRect.Left, ATextRect.Top);
    const auto outText = [&](TcxCanvas* ACanvasTo, const TPoint& AOrigin) {
      TRotatedFontSelection font(ACanvasTo, AVertical ? 2700 : 0);
      SetBkMode(ACanvasTo->Handle(), TRANSPARENT);
      SetTextColor(ACanvasTo->Handle(), ColorToRGB(ACanvasTo->Font()->Color()));
      TextOutW(ACanvasTo->Handle(), AOrigin.X, AOrigin.Y, AText.c_str(), static_cast<int>(AText.size()));
    };
    ACanvas->IntersectClipRect(ATextRect);
    ACanvas->Font()->SetColor(ATextColor == clDefault || !ASolid ? ProgressBarTextColor() : ATextColor);
    if (ASolid) {
      outText(ACanvas, origin);
    } else if (ProgressBarTextColorEx(true) == clDefault) {
      TcxBitmap bitmap(ATextRect.Width(), ATextRect.Height(), pf32bit);
      TcxCanvas* canvas = bitmap.cxCanvas();
      canvas->SetFont(ACanvas->Font());
      cxMakeFontNonAntialiased(canvas->Font());
      canvas->FillRect(bitmap.ClientRect(), clBlack);
      canvas->Font()->SetColor(clWhite);
      outText(canvas, TPoint(origin.X - ATextRect.Left, 0));
      cxBitBltRect(ACanvas->Handle(), canvas->Handle(), ATextRect, TPoint(0, 0), SRCINVERT);
    } else {
      TRect chunkPart;
      if (!IntersectRect(reinterpret_cast<RECT*>(&chunkPart), reinterpret_cast<const RECT*>(&ATextRect),
                         reinterpret_cast<const RECT*>(&AProgressChunkRect))) {
        outText(ACanvas, origin);
      } else {
        TcxBitmap saved(chunkPart.Width(), chunkPart.Height(), pf32bit);
        cxBitBltRect(saved.cxCanvas()->Handle(), ACanvas->Handle(), saved.ClientRect(), chunkPart.TopLeft(),
                     SRCCOPY);
        ACanvas->Font()->SetColor(ProgressBarTextColorEx(false));
        outText(ACanvas, origin);
        cxBitBltRect(ACanvas->Handle(), saved.cxCanvas()->Handle(), chunkPart, TPoint(0, 0), SRCCOPY);
        ACanvas->IntersectClipRect(chunkPart);
        ACanvas->Font()->SetColor(ProgressBarTextColorEx(true));
        outText(ACanvas, origin);
      }
    }
  } catch (...) {
    ACanvas->RestoreState();
    throw;
  }
  ACanvas->RestoreState();
}
