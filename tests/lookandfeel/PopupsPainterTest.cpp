// The root painter's popup borders, screen tips, indicator column, scroll
// bars, size grips and the panel band of resizable popups.
#include <gtest/gtest.h>

#include "PainterFamilies.h"

namespace {

const TColor Back = TColor(0x102030);

}  // namespace

TEST(PopupsPainter, EditPopupBordersTakeTheirWidth) {
  TFamilyPainter painter;
  struct TCase {
    TcxEditPopupBorderStyle Style;
    bool ClientEdge;
    TColor Outer;
  } cases[] = {
      {epbsDefault, false, Back},
      {epbsSingle, false, SysRGB(clBtnText)},
      {epbsFlat, false, SysRGB(cl3DLight)},
      {epbsFrame3D, false, SysRGB(cl3DLight)},
      {epbsFrame3D, true, SysRGB(cl3DLight)},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Style));
    TPaintSurface surface(20, 20, Back);
    TRect r(0, 0, 20, 20);
    painter.DrawEditPopupWindowBorder(surface.Canvas.get(), r, c.Style, c.ClientEdge);
    const int width = painter.GetEditPopupWindowBorderWidth(c.Style);
    EXPECT_EQ(TRect(width, width, 20 - width, 20 - width), r);
    EXPECT_EQ(c.Outer, surface.Pixel(0, 0));
    EXPECT_EQ(Back, surface.Pixel(10, 10));
  }
  // The 3-D frame's third ring tells the client edge.
  TPaintSurface surface(20, 20, Back);
  TRect r(0, 0, 20, 20);
  painter.DrawEditPopupWindowBorder(surface.Canvas.get(), r, epbsFrame3D, true);
  EXPECT_EQ(SysRGB(clInactiveBorder), surface.Pixel(2, 10));
  EXPECT_EQ(SysRGB(clBtnFace), surface.Pixel(3, 10));
}

TEST(PopupsPainter, ScreenTipsAndHints) {
  TFamilyPainter painter;
  TPaintSurface surface(30, 20, Back);
  painter.ScreenTipDrawBackground(surface.Canvas.get(), TRect(0, 0, 30, 20));
  EXPECT_EQ(SysRGB(clWindowFrame), surface.Pixel(15, 0));
  EXPECT_EQ(SysRGB(clInfoBk), surface.Pixel(15, 10));
  EXPECT_EQ(bsSolid, surface.Canvas->Brush()->Style());
  painter.ScreenTipDrawFooterLine(surface.Canvas.get(), TRect(2, 5, 28, 15));
  EXPECT_EQ(SysRGB(clWindowFrame), surface.Pixel(10, 5));
  EXPECT_EQ(clWhite, surface.Pixel(10, 6));
  EXPECT_EQ(SysRGB(clInfoBk), surface.Pixel(10, 7));
  painter.DrawHintBackground(surface.Canvas.get(), TRect(0, 0, 5, 5), clLime);
  EXPECT_EQ(clLime, surface.Pixel(2, 2));
}

TEST(PopupsPainter, IndicatorColumn) {
  TFamilyPainter painter;
  TPaintSurface surface(20, 20, Back);
  painter.DrawIndicatorCustomizationMark(surface.Canvas.get(), TRect(0, 0, 20, 20), clRed);
  const int y0 = (0 + 20 - 9) / 2;
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(clRed, surface.Pixel(5, y0 + 2 * i));
    EXPECT_EQ(clRed, surface.Pixel(16, y0 + 2 * i));
    EXPECT_EQ(Back, surface.Pixel(17, y0 + 2 * i));
    EXPECT_EQ(i % 2 == 0 ? clRed : Back, surface.Pixel(3, y0 + 2 * i));
    EXPECT_EQ(Back, surface.Pixel(5, y0 + 2 * i + 1));
  }
  TPaintSurface none(20, 20, Back), arrow(20, 20, Back);
  painter.DrawIndicatorImage(none.Canvas.get(), TRect(0, 0, 20, 20), ikNone);
  EXPECT_EQ(TRect(), none.BoundsOfPixelsOtherThan(Back));
  painter.DrawIndicatorItem(arrow.Canvas.get(), TRect(0, 0, 20, 20), ikArrow, clYellow, nullptr);
  EXPECT_EQ(clYellow, arrow.Pixel(0, 0));
  const TRect glyph = arrow.BoundsOfPixelsOtherThan(clYellow);
  EXPECT_FALSE(glyph.IsEmpty());
  EXPECT_TRUE(TRect(6, 5, 14, 15).Contains(glyph.TopLeft()));
}

TEST(PopupsPainter, ScrollBarArrowDirections) {
  struct TCase {
    bool Horizontal;
    TcxScrollBarPart Part;
    TcxArrowDirection Direction;
  } cases[] = {{false, sbpLineUp, adUp},     {false, sbpLineDown, adDown}, {false, sbpThumbnail, adDown},
               {true, sbpLineUp, adLeft},    {true, sbpLineDown, adRight}, {true, sbpPageUp, adRight}};
  TFamilyPainter painter;
  for (const TCase& c : cases) EXPECT_EQ(c.Direction, painter.ScrollBarArrowDirection(c.Horizontal, c.Part));
}

TEST(PopupsPainter, SizeGripTurnsTowardItsCorner) {
  TFamilyPainter painter;
  const TSize size = painter.SizeGripSize();
  struct TCase {
    TdxCorner Corner;
    bool Left, Top;
  } cases[] = {{coBottomRight, false, false}, {coBottomLeft, true, false}, {coTopRight, false, true},
               {coTopLeft, true, true}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Corner));
    TPaintSurface surface(size.cx, size.cy, Back);
    painter.DrawSizeGrip(surface.Canvas.get(), TRect(0, 0, size.cx, size.cy), clNone, c.Corner);
    // The grip's shadow strokes gather in its corner.
    const TRect grip = BoundsOfColour(surface, SysRGB(clBtnShadow));
    ASSERT_FALSE(grip.IsEmpty());
    EXPECT_EQ(c.Left, grip.Left < size.cx - grip.Right);
    EXPECT_EQ(c.Top, grip.Top < size.cy - grip.Bottom);
  }
}

TEST(PopupsPainter, PopupPanelLayout) {
  TFamilyPainter painter;
  TRect client(0, 0, 200, 100), panel, grip, close;
  painter.CalculatePopupPanelClientRect(client, panel, grip, close, coBottomRight, TRect(1, 1, 1, 1), TRect(), 0,
                                        true, true);
  const int height = painter.PopupPanelSize();
  const TSize gripSize = painter.SizeGripSize(), closeSize = painter.SmallCloseButtonSize();
  EXPECT_EQ(TRect(1, 99 - height, 199, 99), panel);
  EXPECT_EQ(TRect(1, 1, 199, 99 - height), client);
  EXPECT_EQ(TRect(197 - gripSize.cx, 97 - gripSize.cy, 197, 97), grip);
  EXPECT_EQ(cxRectCenteredOfSize(TRect(1, panel.Top, 1 + height, 99), closeSize.cx, closeSize.cy), close);

  TRect top(0, 0, 200, 100);
  painter.CalculatePopupPanelClientRect(top, panel, grip, close, coTopLeft, TRect(), TRect(), 30, false, false);
  EXPECT_EQ(TRect(0, 0, 200, 30), panel);
  EXPECT_EQ(TRect(0, 30, 200, 100), top);
  EXPECT_EQ(TRect(), grip);
  EXPECT_EQ(TRect(), close);
  EXPECT_EQ(std::max({GetSystemMetrics(SM_CYHSCROLL) + 3, gripSize.cy + 4, closeSize.cy + 6}), height);
}

TEST(PopupsPainter, PanelBandLeavesTheCallerItsClientArea) {
  TFamilyPainter painter;
  TPaintSurface surface(120, 40, Back);
  const TRect band(0, 10, 120, 40), grip(96, 16, 116, 36), close(4, 16, 18, 31);
  painter.DrawPopupPanelBand(surface.Canvas.get(), band, grip, close, coBottomRight, cxbsNormal, TRect(0, 1, 0, 0),
                             clRed, true, true);
  EXPECT_EQ(clRed, surface.Pixel(50, 10));
  EXPECT_EQ(SysRGB(clBtnFace), surface.Pixel(50, 20));
  EXPECT_EQ(Back, surface.Pixel(50, 5));
  EXPECT_GT(surface.CountOf(SysRGB(clBtnText)), 8);  // the close button's cross
  // What the caller paints afterwards stays out of the band.
  surface.Canvas->FillRect(TRect(0, 0, 120, 40), clYellow);
  EXPECT_EQ(clYellow, surface.Pixel(50, 5));
  EXPECT_EQ(SysRGB(clBtnFace), surface.Pixel(50, 20));
}

namespace {

// A popup that keeps a 3-pixel border and a 24-pixel panel below its client
// area out of the client, as the editors' drop-down windows do.
LRESULT CALLBACK PanelWindowProc(HWND AHandle, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  if (AMessage == WM_NCCALCSIZE) {
    RECT& r = AWParam ? reinterpret_cast<NCCALCSIZE_PARAMS*>(ALParam)->rgrc[0] : *reinterpret_cast<RECT*>(ALParam);
    r.left += 3, r.top += 3, r.right -= 3, r.bottom -= 3 + 24;
    return 0;
  }
  if (AMessage == WM_NCPAINT || AMessage == WM_NCACTIVATE) return 0;
  return DefWindowProcW(AHandle, AMessage, AWParam, ALParam);
}

}  // namespace

TEST(PopupsPainter, NonClientPanelOfAPopupWindow) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = PanelWindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"PainterPanelPopup";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW, L"PainterPanelPopup", L"", WS_POPUP, 40, 30,
                                200, 100, nullptr, nullptr, windowClass.hInstance, nullptr);
  ASSERT_NE(nullptr, window);
  ShowWindow(window, SW_SHOWNOACTIVATE);
  UpdateWindow(window);
  for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&message);
  TFamilyPainter painter;
  const TSize grip = painter.SizeGripSize();
  // Screen rectangles, as the popup keeps them.
  const TRect gripRect(40 + 195 - grip.cx, 30 + 95 - grip.cy, 40 + 195, 30 + 95);
  const TRect closeRect(40 + 6, 30 + 78, 40 + 20, 30 + 93);
  painter.DrawPopupNCPanel(window, true, false, coBottomRight, closeRect, gripRect, clRed);

  TPaintSurface surface(200, 100);
  HDC windowDC = GetWindowDC(window);
  BitBlt(surface.Canvas->Handle(), 0, 0, 200, 100, windowDC, 0, 0, SRCCOPY);
  ReleaseDC(window, windowDC);
  DestroyWindow(window);
  UnregisterClassW(L"PainterPanelPopup", windowClass.hInstance);

  EXPECT_EQ(clRed, surface.Pixel(0, 40));   // the border, as wide as the client's offset
  EXPECT_EQ(clRed, surface.Pixel(2, 40));
  EXPECT_EQ(clRed, surface.Pixel(100, 73)); // the band's top line
  EXPECT_EQ(SysRGB(clBtnFace), surface.Pixel(100, 85));
  // The hot close button's cross and the grip's strokes.
  EXPECT_GT(BoundsOfColour(surface, SysRGB(clBtnText)).Width(), 4);
  const TRect strokes = BoundsOfColour(surface, SysRGB(clBtnShadow));
  EXPECT_GE(strokes.Left, 195 - grip.cx);
  EXPECT_GE(strokes.Top, 95 - grip.cy);
}
