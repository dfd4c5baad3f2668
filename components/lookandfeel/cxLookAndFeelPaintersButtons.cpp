// The root painter's arrows, borders, separators, buttons, expand buttons
// and command links: the building blocks most other drawings call.
#include "components/lookandfeel/cxLookAndFeelPainters.h"

#include <algorithm>

namespace {

std::vector<TPoint> ArrowPolygon(const TcxArrowPoints& P) { return {P.begin(), P.end()}; }

TRect Deflated(TRect R, int ADelta) {
  R.Inflate(-ADelta, -ADelta);
  return R;
}

}  // namespace

// ---------------------------------------------------------------- arrows, borders and separators

void TcxCustomLookAndFeelPainter::CalculateArrowPoints(TRect R, TcxArrowPoints& P,
                                                       TcxArrowDirection AArrowDirection, bool AProportional,
                                                       int AArrowSize) {
  if (AProportional) {
    const int difference = R.Width() - R.Height();
    if (difference > 0)
      R.Inflate(-difference / 2, 0);
    else
      R.Inflate(0, difference / 2);
  }
  const bool vertical = AArrowDirection == adUp || AArrowDirection == adDown;
  const int size = AArrowSize != 0 ? AArrowSize : (vertical ? R.Width() - 1 : R.Height() - 1) / 4 + 1;
  const int cx = vertical ? 2 * size - 1 : size;
  const int cy = vertical ? size : 2 * size - 1;
  const int sumX = R.Left + R.Right, sumY = R.Top + R.Bottom;
  switch (AArrowDirection) {
    case adUp:
      P[1] = TPoint((sumX - 1) / 2, cxHalfRounded(sumY - cy));
      P[0] = TPoint((sumX - cx) / 2, P[1].Y + cy - 1);
      P[2] = TPoint(P[0].X + cx - 1, P[0].Y);
      break;
    case adDown:
      P[2] = TPoint((sumX - cx) / 2, cxHalfRounded(sumY - cy));
      P[0] = TPoint(P[2].X + cx - 1, P[2].Y);
      P[1] = TPoint((sumX - 1) / 2, P[2].Y + cy - 1);
      break;
    case adLeft:
      P[1] = TPoint((sumX - cx) / 2, sumY / 2);
      P[2] = TPoint(P[1].X + cx - 1, cxHalfRounded(sumY - cy));
      P[0] = TPoint(P[2].X, P[2].Y + cy - 1);
      break;
    case adRight:
      P[0] = TPoint((sumX - cx) / 2, cxHalfRounded(sumY - cy));
      P[1] = TPoint(P[0].X + cx - 1, sumY / 2);
      P[2] = TPoint(P[0].X, P[0].Y + cy - 1);
      break;
  }
}

void TcxCustomLookAndFeelPainter::DrawArrow(TcxCanvas* ACanvas, const TRect& R, TcxArrowDirection AArrowDirection,
                                            TColor AColor) {
  TcxArrowPoints points;
  CalculateArrowPoints(R, points, AArrowDirection, true);
  cxDrawSolidPolygon(ACanvas, ArrowPolygon(points), AColor);
}

void TcxCustomLookAndFeelPainter::DrawArrow(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                            TcxArrowDirection AArrowDirection, bool ADrawBorder) {
  TcxArrowPoints points;
  CalculateArrowPoints(R, points, AArrowDirection, false);
  ACanvas->Brush()->SetStyle(bsSolid);
  if (ADrawBorder)
    DrawArrowBorder(ACanvas, R, AState);
  else
    ACanvas->FillRect(R, ButtonColor(AState));
  cxDrawSolidPolygon(ACanvas, ArrowPolygon(points), ButtonSymbolColor(AState));
}

void TcxCustomLookAndFeelPainter::DrawArrowBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) {
  ACanvas->Brush()->SetStyle(bsSolid);
  ACanvas->FillRect(R, ButtonColor(AState));
  DrawButtonBorder(ACanvas, R, AState);
}

void TcxCustomLookAndFeelPainter::DrawCollapseArrow(TcxCanvas* ACanvas, const TRect& R, TColor AColor,
                                                    int ALineWidth) {
  const int rows = (std::min(R.Width(), R.Height()) - 1) / 4;
  const int glyphWidth = rows + 3 * ALineWidth - 1;
  const int left = cxFloorHalf(R.Left + R.Right - glyphWidth);
  const int middle = cxFloorHalf(R.Top + R.Bottom);
  for (int x : {left, left + 2 * ALineWidth})
    for (int i = 0; i < rows; ++i) {
      ACanvas->FillRect(TRect(x + i, middle - i, x + i + ALineWidth, middle - i + 1), AColor);
      ACanvas->FillRect(TRect(x + i, middle + i, x + i + ALineWidth, middle + i + 1), AColor);
    }
}

void TcxCustomLookAndFeelPainter::DrawScrollBarArrow(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                     TcxArrowDirection AArrowDirection) {
  TRect bounds = R;
  if (AState == cxbsPressed) bounds.Offset(ButtonTextShift(), ButtonTextShift());
  TcxArrowPoints points;
  CalculateArrowPoints(bounds, points, AArrowDirection, true);
  if (AState == cxbsDisabled) {
    // Embossed: a light copy one pixel down and right under the shadow.
    TcxArrowPoints light = points;
    for (TPoint& point : light) point = TPoint(point.X + 1, point.Y + 1);
    cxDrawSolidPolygon(ACanvas, ArrowPolygon(light), clBtnHighlight);
    cxDrawSolidPolygon(ACanvas, ArrowPolygon(points), clBtnShadow);
  } else
    cxDrawSolidPolygon(ACanvas, ArrowPolygon(points), ButtonSymbolColor(AState));
}

int TcxCustomLookAndFeelPainter::BorderSize() { return 0; }
int TcxCustomLookAndFeelPainter::SeparatorSize() { return BorderSize(); }
void TcxCustomLookAndFeelPainter::DrawBorder(TcxCanvas* ACanvas, const TRect& R) {}

void TcxCustomLookAndFeelPainter::DrawContainerBorder(TcxCanvas* ACanvas, const TRect& R,
                                                      TcxContainerBorderStyle AStyle, int AWidth, TColor AColor,
                                                      const TcxBorders& ABorders) {
  switch (AStyle) {
    case cbsSingle:
    case cbsThick:
      ACanvas->FrameRect(R, AColor, AWidth);
      break;
    case cbsFlat:
      ACanvas->DrawEdge(R, true, true, ABorders);
      ACanvas->FrameRect(Deflated(R, 1), clBtnFace);
      break;
    case cbs3D:
      ACanvas->DrawEdge(R, true, true, ABorders);
      ACanvas->DrawComplexFrame(Deflated(R, 1), cl3DDkShadow, cl3DLight, ABorders);
      break;
    default:  // the painters of the other looks draw them
      break;
  }
}

void TcxCustomLookAndFeelPainter::DoDrawSeparator(TcxCanvas* ACanvas, const TRect& R, bool AIsVertical) {
  if (R.IsEmpty()) return;  // a zero-wide separator shows nothing
  TRect shadow(R.Left, R.Top, R.Right - 1, R.Bottom - 1);
  ACanvas->FillRect(shadow, clBtnShadow);
  shadow.Offset(1, 1);
  ACanvas->FillRect(shadow, clBtnHighlight);
}

void TcxCustomLookAndFeelPainter::DrawSeparator(TcxCanvas* ACanvas, const TRect& R, bool AIsVertical) {
  DoDrawSeparator(ACanvas, CenterSpanInRect(R, SeparatorSize(), AIsVertical), AIsVertical);
}

// ---------------------------------------------------------------- buttons

int TcxCustomLookAndFeelPainter::ButtonBorderSize(TcxButtonState AState) { return 0; }
TColor TcxCustomLookAndFeelPainter::ButtonColor(TcxButtonState AState) { return clBtnFace; }

TColor TcxCustomLookAndFeelPainter::ButtonDescriptionTextColor(TcxButtonState AState, TColor ADefaultColor) {
  return ADefaultColor;
}

TRect TcxCustomLookAndFeelPainter::ButtonFocusRect(TcxCanvas* ACanvas, const TRect& R) {
  const TRect focus = Deflated(R, 4);
  return focus.IsEmpty() ? R : focus;
}

TColor TcxCustomLookAndFeelPainter::ButtonSymbolColor(TcxButtonState AState, TColor ADefaultColor) {
  if (AState == cxbsDisabled) return clBtnShadow;
  return ADefaultColor == clDefault ? clBtnText : ADefaultColor;
}

int TcxCustomLookAndFeelPainter::ButtonTextOffset() { return 0; }
int TcxCustomLookAndFeelPainter::ButtonTextShift() { return 0; }
TcxButtonState TcxCustomLookAndFeelPainter::ButtonSymbolState(TcxButtonState AState) { return AState; }

void TcxCustomLookAndFeelPainter::DrawButton(TcxCanvas* ACanvas, const TRect& R, const String& ACaption,
                                             TcxButtonState AState, bool ADrawBorder, TColor AColor,
                                             TColor ATextColor, bool AWordWrap, bool AIsToolButton,
                                             TcxButtonPart APart) {
  TRect content = R;
  if (ADrawBorder) {
    DrawButtonBorder(ACanvas, content, AState);
    content = Deflated(content, ButtonBorderSize(AState));
  }
  ACanvas->FillRect(content, AColor == clDefault ? ButtonColor(AState) : AColor);
  ACanvas->Font()->SetColor(ATextColor == clDefault ? ButtonSymbolColor(AState) : ATextColor);
  ACanvas->Brush()->SetStyle(bsClear);
  // The caption sits in an even height, a pixel higher in short buttons.
  if (content.Height() % 2 != 0) --content.Bottom;
  if (content.Height() < 18) --content.Top;
  if (AState == cxbsPressed) content.Offset(ButtonTextShift(), ButtonTextShift());
  const int flags =
      cxtfAlignHCenter | cxtfAlignVCenter | cxtfShowPrefix | (AWordWrap ? cxtfWordBreak : cxtfSingleLine);
  ACanvas->DrawTexT(ACaption, content, flags, AState != cxbsDisabled);
  ACanvas->Brush()->SetStyle(bsSolid);
}

void TcxCustomLookAndFeelPainter::DrawButtonBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) {}
int TcxCustomLookAndFeelPainter::GetDropDownButtonRightPartSize() { return 15; }
bool TcxCustomLookAndFeelPainter::IsButtonHotTrack() { return false; }

// ---------------------------------------------------------------- expand buttons

bool TcxCustomLookAndFeelPainter::IsPointOverGroupExpandButton(const TRect& R, const TPoint& P) {
  return cxRectContainsXY(R, P.X, P.Y);
}

int TcxCustomLookAndFeelPainter::ExpandButtonAreaSize() {
  int result = ExpandButtonSize();
  dxRaiseToTouchMinimum(result);
  return result;
}

int TcxCustomLookAndFeelPainter::ExpandButtonSize() { return 0; }
int TcxCustomLookAndFeelPainter::GroupExpandButtonSize() { return cxScaleByCurrentDPI(15); }
int TcxCustomLookAndFeelPainter::SmallExpandButtonSize() { return 9; }
void TcxCustomLookAndFeelPainter::DrawExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                   TColor AColor) {}

void TcxCustomLookAndFeelPainter::DrawExpandButtonEx(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState,
                                                     bool AExpanded, TcxRotationAngle ARotationAngle) {
  DrawButton(ACanvas, R, String(), AState);
  // The mark is drawn upright and turned, so that every angle gets the
  // same pixels.
  const bool sideways = ARotationAngle == raPlus90 || ARotationAngle == raMinus90;
  TcxBitmap mark(sideways ? R.Height() : R.Width(), sideways ? R.Width() : R.Height());
  mark.cxCanvas()->FillRect(mark.ClientRect(), ButtonColor(AState));
  DrawExpandMark(mark.cxCanvas(), mark.ClientRect(), ButtonSymbolColor(AState), AExpanded);
  TcxCanvas::RotateBitmap(&mark, ARotationAngle);
  cxDrawGlyphOrImage(ACanvas->Handle(), R, R, &mark, nullptr, -1);
}

bool TcxCustomLookAndFeelPainter::DrawExpandButtonFirst() { return true; }

void TcxCustomLookAndFeelPainter::DrawGroupExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                        TcxButtonState AState) {
  DrawButton(ACanvas, R, String(), AState);
  DrawExpandMark(ACanvas, R, ButtonSymbolColor(AState), AExpanded);
}

void TcxCustomLookAndFeelPainter::DrawSmallExpandButton(TcxCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                        TColor ABorderColor, TColor AColor) {
  ACanvas->SetBrushColor(ABorderColor);
  ACanvas->FrameRect(R);
  if (AColor != clDefault) ACanvas->FillRect(Deflated(R, 1), AColor);
  DrawExpandSign(ACanvas, R, AExpanded, clBtnText);
}

void TcxCustomLookAndFeelPainter::DrawExpandMark(TcxCanvas* ACanvas, const TRect& R, TColor AColor, bool AExpanded) {
  const int left = (R.Left + R.Right - 7) / 2;
  const int top = (R.Top + R.Bottom - 8) / 2;
  const int s = AExpanded ? 1 : -1;
  ACanvas->Pen()->SetColor(AColor);
  for (int k = 0; k < 4; ++k) {
    const int y = top + k + (k >= 2 ? 2 : 0) + (AExpanded ? 3 : 0);
    const int b = AExpanded ? k % 2 : 1 - k % 2;
    ACanvas->Polyline({TPoint(left + b, y - s * b), TPoint(left + 3, y - 3 * s), TPoint(left + 7 - b, y + s * (1 - b))});
  }
}

void TcxCustomLookAndFeelPainter::DrawExpandSign(TcxCanvas* ACanvas, const TRect& R, bool AExpanded, TColor AColor) {
  const int cx = cxFloorHalf(R.Left + R.Right);
  const int cy = cxFloorHalf(R.Top + R.Bottom);
  const int half = (R.Width() - 4) / 2;
  ACanvas->FillRect(TRect(cx - half, cy, cx + half + 1, cy + 1), AColor);
  if (!AExpanded) ACanvas->FillRect(TRect(cx, cy - half, cx + 1, cy + half + 1), AColor);
}

// ---------------------------------------------------------------- command links

TColor TcxCustomLookAndFeelPainter::DefaultCommandLinkTextColor(TcxButtonState AState, TColor ADefaultColor) {
  return ButtonSymbolColor(AState, ADefaultColor);
}

void TcxCustomLookAndFeelPainter::DrawCommandLinkBackground(TcxCanvas* ACanvas, const TRect& R,
                                                            TcxButtonState AState, TColor AColor) {
  DrawButton(ACanvas, R, String(), AState, true, AColor);
}

void TcxCustomLookAndFeelPainter::DrawCommandLinkGlyph(TcxCanvas* ACanvas, const TPoint& AGlyphPos,
                                                       TcxButtonState AState) {
  // A strip of two frames: normal above, hot below.
  TdxSmartImage strip;
  strip.LoadFromResource(GetModuleHandleW(nullptr), L"CX_COMMANDLINKGLYPH", L"PNG");
  const int frameHeight = strip.Height() / 2;
  const int frameTop = AState == cxbsHot ? frameHeight : 0;
  const TSize size = GetCommandLinkGlyphSize();
  strip.StretchDraw(ACanvas->Handle(), TRect(AGlyphPos.X, AGlyphPos.Y, AGlyphPos.X + size.cx, AGlyphPos.Y + size.cy),
                    TRect(0, frameTop, strip.Width(), frameTop + frameHeight));
}

TSize TcxCustomLookAndFeelPainter::GetCommandLinkGlyphSize() { return TSize(20, 20); }
TRect TcxCustomLookAndFeelPainter::GetCommandLinkMargins() { return TRect(7, 10, 7, 10); }
