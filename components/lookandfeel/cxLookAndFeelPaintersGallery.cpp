// The root painter's galleries, bevels, modern calendar with its analogue
// clock, and rating control.
#include <cmath>

#include "components/core/cxGeometry.h"
#include "components/lookandfeel/cxLookAndFeelPainters.h"

namespace {

TdxAlphaColor OpaqueAlphaColor(TColor AColor) {
  const uint32_t rgb = static_cast<uint32_t>(ColorToRGB(AColor));
  return 0xFF000000u | (rgb & 0xFF) << 16 | (rgb & 0xFF00) | (rgb >> 16 & 0xFF);
}

TRect CenteredIn(const TRect& ABounds, const TSize& ASize) {
  return cxRectCenteredOfSize(ABounds, ASize.cx, ASize.cy);
}

}  // namespace

// ---------------------------------------------------------------- gallery

TRect TcxCustomLookAndFeelPainter::GetGalleryGroupHeaderContentOffsets() { return TRect(7, 2, 7, 2); }
TColor TcxCustomLookAndFeelPainter::GetGalleryGroupTextColor() { return clDefault; }
TColor TcxCustomLookAndFeelPainter::GetGalleryItemCaptionTextColor(const TdxGalleryItemViewState& /*AState*/) {
  return clWindowText;
}
TColor TcxCustomLookAndFeelPainter::GetGalleryItemDescriptionTextColor(const TdxGalleryItemViewState& /*AState*/) {
  return clGrayText;
}
TColor TcxCustomLookAndFeelPainter::GetGalleryItemImageFrameColor() { return clBtnShadow; }
bool TcxCustomLookAndFeelPainter::DrawGalleryItemSelectionFirst() { return false; }
TColor TcxCustomLookAndFeelPainter::GetColorGalleryGlyphFrameColor() { return TColorOf(0xE2E4E6); }

void TcxCustomLookAndFeelPainter::DrawGalleryBackground(TcxCanvas* ACanvas, const TRect& ABounds) {
  ACanvas->FillRect(ABounds, clWhite);
}

void TcxCustomLookAndFeelPainter::DrawGalleryGroupHeader(TcxCanvas* ACanvas, const TRect& ABounds) {
  DrawHeader(ACanvas, ABounds, TRect(), {}, cxBordersAll, cxbsNormal, taLeftJustify, vaCenter, false, true, L"",
             nullptr, clNone, DefaultHeaderColor(), nullptr, false, false);
}

// A translucent fill that deepens from hover to pressed, and a two-pixel
// frame in shades of one blue.
void TcxCustomLookAndFeelPainter::DrawGalleryItemSelection(TcxCanvas* ACanvas, const TRect& R,
                                                           const TdxGalleryItemViewState& AViewState) {
  const TColor base = TColorOf(0xCEA27D);
  const TdxGalleryItemViewState& s = AViewState;
  const int alpha = s.Checked ? (s.Pressed ? 128 : s.Hover ? 96 : 16) : (s.Pressed ? 64 : s.Hover ? 32 : 0);
  if (alpha != 0) dxGpFillRectOnDC(ACanvas->Handle(), R, TColorOf(0x582801), static_cast<uint8_t>(alpha));
  TColor frame = clNone;
  if (s.Focused)
    frame = base;
  else if (s.Checked)
    frame = cxShiftColorBrightness(base, s.Pressed ? -20 : s.Hover ? 10 : 80);
  else if (s.Pressed)
    frame = cxShiftColorBrightness(base, 20);
  else if (s.Hover)
    frame = TColorOf(0xFBD6B8);
  ACanvas->FrameRect(R, frame, 2);
}

void TcxCustomLookAndFeelPainter::DrawGalleryItemImageFrame(TcxCanvas* ACanvas, const TRect& R) {
  ACanvas->FrameRect(R, GetGalleryItemImageFrameColor());
}

void TcxCustomLookAndFeelPainter::DrawColorGalleryItemSelection(TcxCanvas* ACanvas, const TRect& R,
                                                                const TdxGalleryItemViewState& AViewState) {
  const TdxGalleryItemViewState& s = AViewState;
  if (!(s.Checked || s.Hover || s.Pressed || s.Focused)) return;
  ACanvas->FrameRect(R, TColorOf(s.Checked ? 0x1048EF : s.Pressed ? 0x0022EF : 0x3694F2));
  ACanvas->FrameRect(cxRectDeflated(R, 1), TColorOf(0x94E2FF));
}

// ---------------------------------------------------------------- bevel

TSize TcxCustomLookAndFeelPainter::GetBevelMinimalShapeSize(TdxBevelShape /*AShape*/) { return TSize(2, 2); }

void TcxCustomLookAndFeelPainter::GetBevelShapeColors(TColor& AColor1, TColor& AColor2) {
  AColor1 = clBtnShadow;
  AColor2 = clBtnHighlight;
}

void TcxCustomLookAndFeelPainter::DrawBevelFrame(TcxCanvas* ACanvas, const TRect& R, TColor AColor1, TColor AColor2,
                                                 bool ABoxStyle) {
  if (AColor2 == clNone) {
    ACanvas->FrameRect(R, AColor1);
  } else if (ABoxStyle) {
    ACanvas->DrawComplexFrame(R, AColor1, AColor2);
  } else {
    ACanvas->FrameRect(TRect(R.Left + 1, R.Top + 1, R.Right, R.Bottom), AColor2);
    ACanvas->FrameRect(TRect(R.Left, R.Top, R.Right - 1, R.Bottom - 1), AColor1);
  }
}

void TcxCustomLookAndFeelPainter::DrawBevelLine(TcxCanvas* ACanvas, const TRect& R, TColor AColor1, TColor AColor2,
                                                bool AIsVertical) {
  if (AColor2 == clNone)
    ACanvas->FillRect(R, AColor1);
  else
    ACanvas->DrawComplexFrame(R, AColor1, AColor2, AIsVertical ? TcxBorders{bLeft, bRight} : TcxBorders{bTop, bBottom});
}

void TcxCustomLookAndFeelPainter::DrawBevelShape(TcxCanvas* ACanvas, const TRect& R, TdxBevelShape AShape,
                                                 TdxBevelStyle AStyle) {
  const TSize size = GetBevelMinimalShapeSize(AShape);
  TColor c1, c2;
  GetBevelShapeColors(c1, c2);
  if (AStyle == dxbsRaised) std::swap(c1, c2);
  if (c1 == clNone) std::swap(c1, c2);
  const int centreX = cxFloorHalf(R.Left + R.Right - size.cx), centreY = cxFloorHalf(R.Top + R.Bottom - size.cy);
  switch (AShape) {
    case dxbsBox:
    case dxbsFrame: DrawBevelFrame(ACanvas, R, c1, c2, AShape == dxbsBox); break;
    case dxbsLineTop: DrawBevelLine(ACanvas, TRect(R.Left, R.Top, R.Right, R.Top + size.cy), c1, c2, false); break;
    case dxbsLineBottom:
      DrawBevelLine(ACanvas, TRect(R.Left, R.Bottom - size.cy, R.Right, R.Bottom), c1, c2, false);
      break;
    case dxbsLineLeft: DrawBevelLine(ACanvas, TRect(R.Left, R.Top, R.Left + size.cx, R.Bottom), c1, c2, true); break;
    case dxbsLineRight:
      DrawBevelLine(ACanvas, TRect(R.Right - size.cx, R.Top, R.Right, R.Bottom), c1, c2, true);
      break;
    case dxbsLineCenteredHorz:
      DrawBevelLine(ACanvas, TRect(centreX, R.Top, centreX + size.cx, R.Bottom), c1, c2, true);
      break;
    case dxbsLineCenteredVert:
      DrawBevelLine(ACanvas, TRect(R.Left, centreY, R.Right, centreY + size.cy), c1, c2, false);
      break;
    case dxbsNone: break;
  }
}

// ---------------------------------------------------------------- modern calendar

void TcxCustomLookAndFeelPainter::DrawCalendarDateCellSelection(TcxCanvas* ACanvas, const TRect& ARect,
                                                                const TcxCalendarElementStates& AStates) {
  if (AStates.Contains(cesMarked)) DrawDateNavigatorTodayCellSelection(ACanvas, ARect);
}

void TcxCustomLookAndFeelPainter::DrawModernCalendarArrow(TcxCanvas* ACanvas, const TRect& ARect,
                                                          TcxArrowDirection ADirection,
                                                          TcxCalendarElementState AState) {
  TcxArrowPoints points;
  CalculateArrowPoints(TRect(ARect.Left, ARect.Top, ARect.Right, ARect.Bottom - 1), points, ADirection, false, 0);
  const TColor color = AState == cesHot || AState == cesPressed ? GetModernCalendarSelectedTextColor()
                       : AState == cesDisabled                  ? TColor(clGrayText)
                                                                : TColor(clBtnText);
  cxDrawSolidPolygon(ACanvas, {points.begin(), points.end()}, color);
}

void TcxCustomLookAndFeelPainter::DrawModernCalendarClock(TcxCanvas* ACanvas, const TRect& ARect,
                                                          TDateTime ADateTime, TColor ABackgroundColor) {
  TcxBitmap bitmap(ARect.Width(), ARect.Height(), pf32bit);
  TcxCanvas* canvas = bitmap.cxCanvas();
  const TRect client = bitmap.ClientRect();
  if (ABackgroundColor == clNone)
    cxBitBltRect(canvas->Handle(), ACanvas->Handle(), client, ARect.TopLeft(), SRCCOPY);
  else
    canvas->FillRect(client, ABackgroundColor);
  ClockFaceImage()->StretchDraw(canvas->Handle(), client);
  DrawModernClockHands(canvas, client, ADateTime, TColorOf(0x464646));
  ClockGlassImage()->StretchDraw(canvas->Handle(), client);
  cxBitBltRect(ACanvas->Handle(), canvas->Handle(), ARect, TPoint(0, 0), SRCCOPY);
}

void TcxCustomLookAndFeelPainter::DrawModernCalendarDateCellSelection(TcxCanvas* ACanvas, const TRect& ARect,
                                                                      const TcxCalendarElementStates& AStates) {
  const bool selected = AStates.Contains(cesSelected), hot = AStates.Contains(cesHot);
  if (selected || hot) {
    uint32_t border = 0xE7C070, fill = 0xFBF3E5;  // hot, not selected
    if (selected && hot)
      border = 0xE8A766, fill = 0xFFE8D1;
    else if (selected && AStates.Contains(cesFocused))
      border = 0xDAA026, fill = 0xF6E8CB;
    else if (selected)
      border = 0xDEDEDE, fill = 0xF7F7F7;
    ACanvas->FrameRect(ARect, TColorOf(border));
    ACanvas->FillRect(cxRectDeflated(ARect, 1), TColorOf(fill));
  }
  if (AStates.Contains(cesMarked)) ACanvas->FrameRect(ARect, GetModernCalendarMarkedCellBorderColor());
  if (AStates.Contains(cesFocused)) {
    ACanvas->SaveState();
    ACanvas->DrawFocusRect(cxRectDeflated(ARect, 1));
    ACanvas->RestoreState();
  }
}

void TcxCustomLookAndFeelPainter::DrawModernCalendarDateHeaderSelection(
    TcxCanvas* /*ACanvas*/, const TRect& /*ARect*/, const TcxCalendarElementStates& /*AStates*/) {}

// A hot or pressed header reads as a link: the caller's caption, drawn next
// with the canvas font, comes out underlined.
void TcxCustomLookAndFeelPainter::DrawModernCalendarHeaderSelection(TcxCanvas* ACanvas, const TRect& /*ARect*/,
                                                                    const TcxCalendarElementStates& AStates) {
  if (AStates.Contains(cesHot) || AStates.Contains(cesPressed))
    ACanvas->Font()->SetStyle(ACanvas->Font()->Style() + TFontStyles{fsUnderline});
}

TColor TcxCustomLookAndFeelPainter::GetModernCalendarCellTextColor(const TcxCalendarElementStates& AStates) {
  if (AStates.Contains(cesDisabled)) return clGrayText;
  if (AStates.Contains(cesHot) || (AStates.Contains(cesMarked) && !AStates.Contains(cesSelected)))
    return GetModernCalendarSelectedTextColor();
  return clBtnText;
}

TColor TcxCustomLookAndFeelPainter::GetModernCalendarDateHeaderTextColor(const TcxCalendarElementStates& AStates) {
  return AStates == TcxCalendarElementStates{cesHot} ? GetModernCalendarSelectedTextColor()
                                                     : DefaultDateNavigatorHeaderTextColor(false);
}

TColor TcxCustomLookAndFeelPainter::GetModernCalendarHeaderTextColor(const TcxCalendarElementStates& /*AStates*/) {
  return clHotLight;
}
TRect TcxCustomLookAndFeelPainter::GetModernCalendarHeaderTextOffsets() { return TRect(); }
TColor TcxCustomLookAndFeelPainter::GetModernCalendarMarkedCellBorderColor() { return clHotLight; }
TColor TcxCustomLookAndFeelPainter::GetModernCalendarSelectedTextColor() { return clHotLight; }

void TcxCustomLookAndFeelPainter::DrawModernClockHands(TcxCanvas* ACanvas, const TRect& ARect, TDateTime ADateTime,
                                                       TColor AColor) {
  const TcxClockHandAngles angles = cxClockHandAngles(ADateTime);
  const double cx = (ARect.Left + ARect.Right) / 2.0, cy = (ARect.Top + ARect.Bottom) / 2.0;
  const double rx = ARect.Width() / 2.0, ry = ARect.Height() / 2.0;
  const TdxAlphaColor color = OpaqueAlphaColor(AColor);
  dxGpPaintOnDC(ACanvas->Handle(), ARect, [&](TdxGPCanvas* AGraphics) {
    AGraphics->SetSmoothingMode(smAntiAlias);
    const auto hand = [&](double AAngle, float AWidth, double ATip, double ATail) {
      const double c = std::cos(AAngle), sn = std::sin(AAngle);
      AGraphics->Line(static_cast<float>(cx + c * rx * ATip), static_cast<float>(cy + sn * ry * ATip),
                      static_cast<float>(cx - c * rx * ATail), static_cast<float>(cy - sn * ry * ATail), color, AWidth);
    };
    hand(angles.Hour, 1.8f, 0.55, 0.05);
    hand(angles.Minute, 1.8f, 0.7, 0.05);
    hand(angles.Second, 1.0f, 0.745, 0.1);
  });
}

// ---------------------------------------------------------------- rating control

TSize TcxCustomLookAndFeelPainter::GetRatingControlIndicatorSize() {
  TdxSmartImage* image = RatingControlIndicatorImage();
  return cxScaleSizeByCurrentDPI(TSize(image->Width(), image->Height() / 3));
}

void TcxCustomLookAndFeelPainter::DrawRatingControlIndicator(TcxCanvas* ACanvas, const TRect& ABounds,
                                                             TdxRatingControlIndicatorState AState) {
  static const int frames[] = {0, 2, 1};  // unchecked, checked, hover
  TdxSmartImage* image = RatingControlIndicatorImage();
  const int height = image->Height() / 3, frame = frames[static_cast<int>(AState)];
  image->StretchDraw(ACanvas->Handle(), ABounds, TRect(0, frame * height, image->Width(), (frame + 1) * height));
}

void TcxCustomLookAndFeelPainter::DrawRatingControlIndicator(TcxCanvas* ACanvas, TdxSmartImage* AGlyph,
                                                             const TRect& ABounds,
                                                             TdxRatingControlIndicatorState AState) {
  if (!AGlyph || AGlyph->Empty())
    DrawRatingControlIndicator(ACanvas, CenteredIn(ABounds, GetRatingControlIndicatorSize()), AState);
  else
    AGlyph->StretchDraw(ACanvas->Handle(), CenteredIn(ABounds, cxScaleSizeByCurrentDPI(AGlyph->Size())));
}

void TcxCustomLookAndFeelPainter::DrawRatingControlIndicatorPart(TcxCanvas* ACanvas, TdxSmartImage* AGlyph,
                                                                 const TRect& ABounds, const TRect& APartRect,
                                                                 TdxRatingControlIndicatorState AState) {
  ACanvas->SaveClipRegion();
  try {
    ACanvas->IntersectClipRect(APartRect);
    DrawRatingControlIndicator(ACanvas, AGlyph, ABounds, AState);
  } catch (...) {
    ACanvas->RestoreClipRegion();
    throw;
  }
  ACanvas->RestoreClipRegion();
}
