// The root painter's window and popup chrome, hints and screen tips, tabs,
// the grid indicator column, scroll bars, size grips, slider buttons, small
// buttons and the panel band of resizable popups.
#include "components/core/cxGeometry.h"
#include "components/lookandfeel/cxLookAndFeelPainters.h"

namespace {

// R less the widths of ABorders (each side of ABorders moves its side in).
TRect InsideBorders(const TRect& R, const TRect& ABorders) {
  return TRect(R.Left + ABorders.Left, R.Top + ABorders.Top, R.Right - ABorders.Right, R.Bottom - ABorders.Bottom);
}

bool IsTopCorner(TdxCorner ACorner) { return ACorner == coTopLeft || ACorner == coTopRight; }
bool IsLeftCorner(TdxCorner ACorner) { return ACorner == coTopLeft || ACorner == coBottomLeft; }

// The turn that brings the system grip (bottom right) to ACorner and back.
void TurnGripTowards(TcxBitmap& ABitmap, TdxCorner ACorner) {
  ABitmap.Rotate(IsLeftCorner(ACorner) ? ra180 : ra0, ACorner == coTopRight || ACorner == coBottomLeft);
}

}  // namespace

// ---------------------------------------------------------------- windows, popups and hints

TColor TcxCustomLookAndFeelPainter::GetWindowContentTextColor() { return clBtnText; }

void TcxCustomLookAndFeelPainter::DrawWindowContent(TcxCanvas* ACanvas, const TRect& ARect) {
  ACanvas->FillRect(ARect, clBtnFace);
}

// R comes back as the area inside the border, deflated by exactly
// GetEditPopupWindowBorderWidth: a default popup has no border at all.
void TcxCustomLookAndFeelPainter::DrawEditPopupWindowBorder(TcxCanvas* ACanvas, TRect& R,
                                                            TcxEditPopupBorderStyle ABorderStyle, bool AClientEdge) {
  if (ABorderStyle == epbsDefault) return;
  const auto deflate = [&R] { R = cxRectDeflated(R, 1); };
  switch (ABorderStyle) {
    case epbsSingle: ACanvas->FrameRect(R, clBtnText); break;
    case epbsFlat:
    case epbsFrame3D:
      ACanvas->DrawEdge(R, false, true);
      deflate();
      ACanvas->DrawEdge(R, false, false);
      if (ABorderStyle == epbsFlat) break;
      deflate();
      ACanvas->FrameRect(R, AClientEdge ? clInactiveBorder : clBtnFace);
      deflate();
      if (AClientEdge)
        ACanvas->FrameRect(R, clBtnFace);
      else
        ACanvas->DrawEdge(R, true, true);
      break;
    default: break;
  }
  deflate();
}

int TcxCustomLookAndFeelPainter::GetEditPopupWindowBorderWidth(TcxEditPopupBorderStyle AStyle) {
  static const int widths[] = {0, 1, 4, 2};  // default, single, 3-D frame, flat
  return widths[static_cast<int>(AStyle)];
}

int TcxCustomLookAndFeelPainter::GetEditPopupWindowClientEdgeWidth(TcxEditPopupBorderStyle AStyle) {
  static const int widths[] = {0, 2, 2, 1};
  return widths[static_cast<int>(AStyle)];
}

TcxPopupBorderStyle TcxCustomLookAndFeelPainter::PopupBorderStyle() { return pbsUltraFlat; }

TColor TcxCustomLookAndFeelPainter::GetHintBorderColor() { return clDefault; }

void TcxCustomLookAndFeelPainter::DrawHintBackground(TcxCanvas* ACanvas, const TRect& ARect, TColor AColor) {
  ACanvas->FillRect(ARect, cxColorOrDefault(AColor, clInfoBk));
}

TColor TcxCustomLookAndFeelPainter::ScreenTipGetDescriptionTextColor() { return clDefault; }
TColor TcxCustomLookAndFeelPainter::ScreenTipGetTitleTextColor() { return clDefault; }
int TcxCustomLookAndFeelPainter::ScreenTipGetFooterLineSize() { return 3; }

void TcxCustomLookAndFeelPainter::ScreenTipDrawBackground(TcxCanvas* ACanvas, const TRect& ARect) {
  DrawHintBackground(ACanvas, cxRectDeflated(ARect, 1), clDefault);
  ACanvas->Pen()->SetColor(clWindowFrame);
  ACanvas->Brush()->SetStyle(bsClear);
  ACanvas->RoundRect(ARect, 2, 2);
  ACanvas->Brush()->SetStyle(bsSolid);
}

void TcxCustomLookAndFeelPainter::ScreenTipDrawFooterLine(TcxCanvas* ACanvas, const TRect& ARect) {
  ACanvas->FrameRect(ARect, clWindowFrame, 1, {bTop});
  ACanvas->FrameRect(cxRectShiftBy(ARect, 0, 1), clWhite, 1, {bTop});
}

// ---------------------------------------------------------------- tabs

void TcxCustomLookAndFeelPainter::DrawTab(TcxCanvas* /*ACanvas*/, const TRect& /*R*/, const TcxBorders& /*ABorders*/,
                                          const String& /*AText*/, TcxButtonState /*AState*/, bool /*AVertical*/,
                                          TFont* /*AFont*/, TColor /*ATextColor*/, TColor /*ABkColor*/,
                                          bool /*AShowPrefixes*/) {}
void TcxCustomLookAndFeelPainter::DrawTabBorder(TcxCanvas* /*ACanvas*/, const TRect& /*R*/, TcxBorder /*ABorder*/,
                                                const TcxBorders& /*ABorders*/, bool /*AVertical*/) {}
void TcxCustomLookAndFeelPainter::DrawTabsRoot(TcxCanvas* /*ACanvas*/, const TRect& /*R*/,
                                               const TcxBorders& /*ABorders*/, bool /*AVertical*/) {}
bool TcxCustomLookAndFeelPainter::IsDrawTabImplemented(bool /*AVertical*/) { return false; }
bool TcxCustomLookAndFeelPainter::IsTabHotTrack(bool /*AVertical*/) { return false; }
int TcxCustomLookAndFeelPainter::TabBorderSize(bool /*AVertical*/) { return 0; }

// ---------------------------------------------------------------- indicator

// A bulleted list: five rows of lines, every other one with a dot before it.
void TcxCustomLookAndFeelPainter::DrawIndicatorCustomizationMark(TcxCanvas* ACanvas, const TRect& R, TColor AColor) {
  ACanvas->Pen()->SetColor(AColor);
  const int y0 = (R.Top + R.Bottom - 9) / 2;
  const int length = R.Width() - 6;
  for (int i = 0; i < 5; ++i) {
    const int y = y0 + 2 * i;
    ACanvas->Line(R.Left + 5, y, R.Left + 3 + length, y);
    if (i % 2 == 0) ACanvas->SetPixel(R.Left + 3, y, AColor);
  }
}

void TcxCustomLookAndFeelPainter::DrawIndicatorImage(TcxCanvas* ACanvas, const TRect& R, TcxIndicatorKind AKind) {
  if (AKind == ikNone) return;
  TCustomImageList* images = cxIndicatorImages();
  images->Draw(ACanvas->Canvas(), (R.Left + R.Right - images->Width()) / 2,
               (R.Top + R.Bottom - images->Height()) / 2, static_cast<int>(AKind) - 1);
}

void TcxCustomLookAndFeelPainter::DrawIndicatorItem(TcxCanvas* ACanvas, const TRect& R, TcxIndicatorKind AKind,
                                                    TColor AColor, const TcxDrawBackgroundEvent& AOnDrawBackground) {
  DrawHeader(ACanvas, R, R, {}, HeaderBorders({nTop, nBottom}), cxbsNormal, taLeftJustify, vaTop, false, false, L"",
             nullptr, clNone, AColor, AOnDrawBackground, false, false);
  DrawIndicatorImage(ACanvas, R, AKind);
}

void TcxCustomLookAndFeelPainter::DrawIndicatorItemEx(TcxCanvas* ACanvas, const TRect& R, TcxIndicatorKind AKind,
                                                      TColor AColor,
                                                      const TcxDrawBackgroundEvent& AOnDrawBackground) {
  DrawHeaderEx(ACanvas, R, R, {}, cxBordersAll, cxbsNormal, taLeftJustify, vaTop, false, false, L"", nullptr, clNone,
               AColor, AOnDrawBackground);
  DrawIndicatorImage(ACanvas, R, AKind);
}

bool TcxCustomLookAndFeelPainter::IndicatorDrawItemsFirst() { return true; }

// ---------------------------------------------------------------- scroll bars

int TcxCustomLookAndFeelPainter::ScrollBarMinimalThumbSize(bool /*AVertical*/) { return 8; }

TcxArrowDirection TcxCustomLookAndFeelPainter::ScrollBarArrowDirection(bool AHorizontal, TcxScrollBarPart APart) {
  if (AHorizontal) return APart == sbpLineUp ? adLeft : adRight;
  return APart == sbpLineUp ? adUp : adDown;
}

void TcxCustomLookAndFeelPainter::DrawScrollBarBackground(TcxCanvas* ACanvas, const TRect& R, bool AHorizontal) {
  DrawScrollBarPart(ACanvas, AHorizontal, R, sbpPageUp, cxbsNormal);
}

void TcxCustomLookAndFeelPainter::DrawScrollBarPart(TcxCanvas* /*ACanvas*/, bool /*AHorizontal*/,
                                                    const TRect& /*R*/, TcxScrollBarPart /*APart*/,
                                                    TcxButtonState /*AState*/) {}

// A look whose navigator border leaves the clip reduced gives the caller's
// clip back all the same.
void TcxCustomLookAndFeelPainter::DrawScrollBarSplitter(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) {
  ACanvas->SaveClipRegion();
  DrawNavigatorButton(ACanvas, R, AState, clDefault);
  DrawNavigatorBorder(ACanvas, R, false);
  DrawSplitter(ACanvas, cxRectDeflated(R, 2), AState == cxbsHot, AState == cxbsPressed, false);
  ACanvas->RestoreClipRegion();
}

// ---------------------------------------------------------------- size grip, slider and small buttons

TSize TcxCustomLookAndFeelPainter::SizeGripSize() {
  return TSize(GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL));
}

void TcxCustomLookAndFeelPainter::DoDrawSizeGrip(TcxCanvas* ACanvas, const TRect& ARect) {
  RECT r = {ARect.Left, ARect.Top, ARect.Right, ARect.Bottom};
  DrawFrameControl(ACanvas->Handle(), &r, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
}

// The system grip always points to the bottom right; it is drawn into a
// bitmap turned so that that corner becomes ACorner, and turned back.
void TcxCustomLookAndFeelPainter::DrawSizeGrip(TcxCanvas* ACanvas, const TRect& ARect, TColor ABackgroundColor,
                                               TdxCorner ACorner) {
  TcxBitmap bitmap(ARect.Width(), ARect.Height(), pf32bit);
  TcxCanvas* canvas = bitmap.cxCanvas();
  canvas->SetBrush(ACanvas->Brush());
  if (ABackgroundColor == clNone)
    cxBitBltRect(canvas->Handle(), ACanvas->Handle(), bitmap.ClientRect(), ARect.TopLeft(), SRCCOPY);
  else
    canvas->FillRect(bitmap.ClientRect(), ABackgroundColor);
  TurnGripTowards(bitmap, ACorner);
  DoDrawSizeGrip(bitmap.cxCanvas(), bitmap.ClientRect());
  TurnGripTowards(bitmap, ACorner);
  cxBitBltRect(ACanvas->Handle(), bitmap.cxCanvas()->Handle(), ARect, TPoint(0, 0), SRCCOPY);
}

TSize TcxCustomLookAndFeelPainter::SliderButtonSize(TcxArrowDirection /*ADirection*/) { return SizeGripSize(); }

void TcxCustomLookAndFeelPainter::DrawSliderButton(TcxCanvas* ACanvas, const TRect& ARect,
                                                   TcxArrowDirection ADirection, TcxButtonState AState) {
  const bool horizontal = ADirection == adLeft || ADirection == adRight;
  const bool lineUp = ADirection == adUp || ADirection == adLeft;
  DrawScrollBarPart(ACanvas, horizontal, ARect, lineUp ? sbpLineUp : sbpLineDown, AState);
}

TSize TcxCustomLookAndFeelPainter::DoGetSmallCloseButtonSize() { return TSize(14, 15); }

TSize TcxCustomLookAndFeelPainter::SmallCloseButtonSize() {
  TSize result = DoGetSmallCloseButtonSize();
  dxRaiseToTouchMinimum(result.cx);
  dxRaiseToTouchMinimum(result.cy);
  return result;
}

void TcxCustomLookAndFeelPainter::DrawSmallButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) {
  DrawButtonBorder(ACanvas, R, AState);
  ACanvas->FillRect(cxRectDeflated(R, ButtonBorderSize(cxbsNormal)), ButtonColor(AState));
}

void TcxCustomLookAndFeelPainter::DrawSmallCloseButton(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) {
  DrawFilterCloseButton(ACanvas, R, AState);
}

// ---------------------------------------------------------------- popup panel

int TcxCustomLookAndFeelPainter::PopupPanelSize() {
  return std::max({GetSystemMetrics(SM_CYHSCROLL) + 3, SizeGripSize().cy + 4, SmallCloseButtonSize().cy + 6});
}

void TcxCustomLookAndFeelPainter::CalculatePopupPanelClientRect(TRect& AClientRect, TRect& APanelRect,
                                                                TRect& AGripRect, TRect& ACloseButtonRect,
                                                                TdxCorner ACorner, const TRect& ABorders,
                                                                const TRect& APanelBorders, int APanelHeight,
                                                                bool AShowCloseButton, bool AShowGripSize) {
  const int height = APanelHeight == 0 ? PopupPanelSize() : APanelHeight;
  const bool top = IsTopCorner(ACorner), left = IsLeftCorner(ACorner);
  AClientRect = InsideBorders(AClientRect, ABorders);
  APanelRect = AClientRect;
  if (top) {
    APanelRect.Bottom = APanelRect.Top + height;
    AClientRect.Top = APanelRect.Bottom;
  } else {
    APanelRect.Top = APanelRect.Bottom - height;
    AClientRect.Bottom = APanelRect.Top;
  }

  AGripRect = TRect();
  if (AShowGripSize) {
    const TSize grip = SizeGripSize();
    AGripRect = APanelRect;
    if (left) {
      AGripRect.Left += 2;
      AGripRect.Right = AGripRect.Left + grip.cx;
    } else {
      AGripRect.Right -= 2;
      AGripRect.Left = AGripRect.Right - grip.cx;
    }
    if (top) {
      AGripRect.Top += 2;
      AGripRect.Bottom = AGripRect.Top + grip.cy;
    } else {
      AGripRect.Bottom -= 2;
      AGripRect.Top = AGripRect.Bottom - grip.cy;
    }
  }

  ACloseButtonRect = TRect();
  if (AShowCloseButton) {
    TRect square = InsideBorders(APanelRect, APanelBorders);
    if (left)
      square.Left = square.Right - square.Height();
    else
      square.Right = square.Left + square.Height();
    const TSize button = SmallCloseButtonSize();
    ACloseButtonRect = cxRectCenteredOfSize(square, button.cx, button.cy);
  }
}

void TcxCustomLookAndFeelPainter::DrawPopupNCPanel(HWND AHandle, bool AMouseAboveCloseButton,
                                                   bool ACloseButtonIsTracking, TdxCorner ACorner,
                                                   const TRect& ACloseButtonRect, const TRect& AGripRect,
                                                   TColor ABorderColor) {
  RECT windowRect, clientRect;
  GetWindowRect(AHandle, &windowRect);
  GetClientRect(AHandle, &clientRect);
  MapWindowPoints(AHandle, nullptr, reinterpret_cast<POINT*>(&clientRect), 2);
  const TPoint origin(windowRect.left, windowRect.top);
  const TRect window(0, 0, windowRect.right - windowRect.left, windowRect.bottom - windowRect.top);
  const TRect client = cxRectShiftBy(
      TRect(clientRect.left, clientRect.top, clientRect.right, clientRect.bottom), origin.X, origin.Y, false);
  const int border = client.Left;
  TRect band = cxRectDeflated(window, border);
  const bool top = IsTopCorner(ACorner);
  if (top)
    band.Bottom = client.Top;
  else
    band.Top = client.Bottom;
  const TcxButtonState state = AMouseAboveCloseButton && ACloseButtonIsTracking   ? cxbsPressed
                               : AMouseAboveCloseButton || ACloseButtonIsTracking ? cxbsHot
                                                                                  : cxbsNormal;

  HDC dc = GetWindowDC(AHandle);
  TcxPaintCanvas* canvas = cxSharedPaintCanvas();
  canvas->BeginPaint(dc);
  try {
    canvas->FrameRect(window, ABorderColor, border);
    DrawPopupPanelBand(canvas, band, cxRectShiftBy(AGripRect, origin.X, origin.Y, false),
                       cxRectShiftBy(ACloseButtonRect, origin.X, origin.Y, false), ACorner, state,
                       top ? TRect(0, 0, 0, 1) : TRect(0, 1, 0, 0), ABorderColor, true, true);
  } catch (...) {
    canvas->EndPaint();
    ReleaseDC(AHandle, dc);
    throw;
  }
  canvas->EndPaint();
  ReleaseDC(AHandle, dc);
}

void TcxCustomLookAndFeelPainter::DrawPopupPanelBand(TcxCanvas* ACanvas, const TRect& ABounds,
                                                     const TRect& AGripRect, const TRect& ACloseButtonRect,
                                                     TdxCorner AGripCorner, TcxButtonState ACloseButtonState,
                                                     const TRect& ABorders, TColor ABorderColor, bool AShowGripSize,
                                                     bool AShowCloseButton) {
  const TRect inside = InsideBorders(ABounds, ABorders);
  ACanvas->SaveClipRegion();
  ACanvas->ExcludeClipRect(inside);
  ACanvas->FillRect(ABounds, ABorderColor);
  ACanvas->RestoreClipRegion();

  if (AShowGripSize) {
    TcxBitmap grip(AGripRect.Width(), AGripRect.Height(), pf32bit);
    DrawWindowContent(grip.cxCanvas(), grip.ClientRect());
    DrawSizeGrip(grip.cxCanvas(), grip.ClientRect(), clNone, AGripCorner);
    cxBitBltRect(ACanvas->Handle(), grip.cxCanvas()->Handle(), AGripRect, TPoint(0, 0), SRCCOPY);
    ACanvas->ExcludeClipRect(AGripRect);
  }
  if (AShowCloseButton) {
    DrawWindowContent(ACanvas, ACloseButtonRect);
    DrawSmallCloseButton(ACanvas, ACloseButtonRect, ACloseButtonState);
    ACanvas->ExcludeClipRect(ACloseButtonRect);
  }
  DrawWindowContent(ACanvas, inside);
  ACanvas->ExcludeClipRect(ABounds);
}
