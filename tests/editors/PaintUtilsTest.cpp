#include <gtest/gtest.h>

#include "components/editors/cxEditPaintUtils.h"
#include "components/editors/cxEditUtils.h"
#include "tests/graphics/PaintSurface.h"

TEST(SolidBrushCache, SystemColoursAnswerThePlatformsBrushesOutsideTheCache) {
  TcxSolidBrushCache cache(4);
  EXPECT_EQ(cache.GetBrush(clBtnFace), GetSysColorBrush(COLOR_BTNFACE));
  EXPECT_EQ(cache.GetBrush(clSystemColor + 30), GetSysColorBrush(30));
  EXPECT_EQ(cache.Depth(), 0);
}

TEST(SolidBrushCache, ARepeatedColourGetsItsBrushAgainAndAFullCacheDropsTheRarest) {
  TcxSolidBrushCache cache(2);
  const HBRUSH red = cache.GetBrush(clRed);
  cache.GetBrush(clLime);
  EXPECT_EQ(cache.GetBrush(clRed), red);  // red asked twice, green once
  cache.GetBrush(clBlue);
  ASSERT_EQ(cache.Depth(), 2);
  // Sorted by the wrapping difference: red (0x0000FF) before blue (0xFF0000).
  EXPECT_EQ(cache.Colors(0), clRed);
  EXPECT_EQ(cache.Colors(1), clBlue);
  EXPECT_EQ(cache.GetBrush(clRed), red);

  LOGBRUSH info{};
  GetObjectW(cache.GetBrush(clBlue), sizeof(info), &info);
  EXPECT_EQ(info.lbColor, 0xFF0000u);
}

TEST(SolidBrushCache, ClearingMakesFreshBrushes) {
  TcxSolidBrushCache cache;
  cache.GetBrush(static_cast<TColor>(0x123456));
  cache.Clear();
  EXPECT_EQ(cache.Depth(), 0);
  LOGBRUSH info{};
  EXPECT_EQ(GetObjectW(cache.GetBrush(static_cast<TColor>(0x123456)), sizeof(info), &info), sizeof(info));
  EXPECT_EQ(info.lbColor, 0x123456u);
}

// Many colours through a small cache: every answer is a live brush of the
// colour asked for.
TEST(SolidBrushCache, EvictionKeepsEveryAnswerRight) {
  TcxSolidBrushCache cache(8);
  for (int round = 0; round < 3; ++round)
    for (uint32_t i = 0; i < 40; ++i) {
      const auto color = static_cast<TColor>((i * 0x10307) & 0xFFFFFF);
      LOGBRUSH info{};
      ASSERT_EQ(GetObjectW(cache.GetBrush(color), sizeof(info), &info), sizeof(info));
      EXPECT_EQ(info.lbColor, static_cast<uint32_t>(color));
      ASSERT_LE(cache.Depth(), 8);
    }
  for (int i = 1; i < cache.Depth(); ++i)
    EXPECT_LT(static_cast<int32_t>(static_cast<uint32_t>(cache.Colors(i - 1)) - static_cast<uint32_t>(cache.Colors(i))),
              0);
}

TEST(EditDrawing, ArrowSizesFollowTheSmallerSide) {
  const struct {
    TSize Size;
    TcxArrowDirection Direction;
    TSize Expected;
  } cases[] = {{{15, 20}, adDown, {7, 4}}, {{16, 16}, adDown, {7, 4}}, {{15, 20}, adRight, {4, 7}},
               {{9, 9}, adUp, {5, 3}},     {{3, 40}, adLeft, {1, 1}}};
  for (const auto& c : cases) {
    const TSize size = cxCalculateArrowSize(c.Size, c.Direction);
    EXPECT_EQ(size.cx, c.Expected.cx) << c.Size.cx << "x" << c.Size.cy;
    EXPECT_EQ(size.cy, c.Expected.cy) << c.Size.cx << "x" << c.Size.cy;
  }
}

TEST(EditDrawing, ArrowsCoverTheirTriangleCentredInTheContent) {
  const struct {
    TcxArrowDirection Direction;
    bool Double, Offset;
    TRect Bounds;     // relative to the 20 x 20 content at (10, 10)
    TPoint Apex;      // a pixel of the one-pixel row or column
    TPoint BaseEnd;   // the outer pixel of the full row or column
  } cases[] = {
      {adDown, false, false, {6, 8, 13, 12}, {9, 11}, {6, 8}},
      {adUp, false, false, {6, 8, 13, 12}, {9, 8}, {12, 11}},
      {adRight, false, false, {8, 6, 12, 13}, {11, 9}, {8, 6}},
      {adLeft, false, true, {9, 7, 13, 14}, {9, 10}, {12, 13}},
      {adDown, true, false, {6, 6, 13, 14}, {9, 13}, {6, 10}},
  };
  for (const auto& c : cases) {
    TPaintSurface surface(40, 40, clWhite);
    cxDrawEditArrow(surface.Canvas.get(), 4, TRect(10, 10, 30, 30), clBlack, c.Offset, c.Double, c.Direction);
    const TRect bounds = surface.BoundsOfPixelsOtherThan(clWhite);
    EXPECT_EQ(bounds, cxRectShiftBy(c.Bounds, 10, 10)) << static_cast<int>(c.Direction);
    EXPECT_EQ(surface.Pixel(c.Apex.X + 10, c.Apex.Y + 10), clBlack) << static_cast<int>(c.Direction);
    EXPECT_EQ(surface.Pixel(c.BaseEnd.X + 10, c.BaseEnd.Y + 10), clBlack) << static_cast<int>(c.Direction);
    EXPECT_EQ(surface.CountOf(clBlack), (c.Double ? 2 : 1) * 16) << static_cast<int>(c.Direction);
  }
}

TEST(EditDrawing, ButtonBorderLinesShrinkTheRectangleSideBySide) {
  const struct {
    int Sides;
    TRect Left;
    int Pixels;
  } cases[] = {{cxEditBorderLeft | cxEditBorderRight, {1, 0, 9, 10}, 20},
               {cxEditBorderTop, {0, 1, 10, 10}, 10},
               {15, {1, 1, 9, 9}, 36}};
  for (const auto& c : cases) {
    TPaintSurface surface(10, 10, clWhite);
    TRect r(0, 0, 10, 10);
    cxDrawEditButtonBorder(surface.Canvas.get(), r, c.Sides, clBlack);
    EXPECT_EQ(r, c.Left) << c.Sides;
    EXPECT_EQ(surface.CountOf(clBlack), c.Pixels) << c.Sides;
  }
  TPaintSurface surface(10, 10, clWhite);
  TRect r(0, 0, 10, 10);
  cxDrawEditButtonBorder(surface.Canvas.get(), r, cxEditBorderLeft | cxEditBorderRight, clBlack);
  for (int y = 0; y < 10; ++y) {
    EXPECT_EQ(surface.Pixel(0, y), clBlack);
    EXPECT_EQ(surface.Pixel(9, y), clBlack);
    EXPECT_EQ(surface.Pixel(5, y), clWhite);
  }
}

TEST(EditDrawing, PolylinesDrawTheirEndPointWithAPenOrBrushes) {
  const TPoint points[] = {{1, 1}, {6, 1}, {6, 4}};
  for (const bool brushes : {false, true}) {
    TPaintSurface surface(10, 10, clWhite);
    cxDrawPolyLine(surface.Canvas.get(), points, 2, brushes, clRed);
    EXPECT_EQ(surface.CountOf(clRed), 9) << brushes;
    EXPECT_EQ(surface.Pixel(6, 4), clRed) << brushes;
    EXPECT_EQ(surface.Pixel(1, 1), clRed) << brushes;
  }
}

TEST(EditDrawing, FramesShrinkTheirRectangleAndFillsGoAroundTheInnerOne) {
  TPaintSurface surface(12, 12, clWhite);
  TRect r(0, 0, 12, 12);
  cxDrawComplexFrameAndShrink(surface.Canvas.get(), r, clRed, clBlue);
  EXPECT_EQ(r, TRect(1, 1, 11, 11));
  EXPECT_EQ(surface.Pixel(0, 5), clRed);
  EXPECT_EQ(surface.Pixel(5, 0), clRed);
  EXPECT_EQ(surface.Pixel(11, 5), clBlue);
  EXPECT_EQ(surface.Pixel(5, 11), clBlue);
  cxFrameRectAndShrink(surface.Canvas.get(), r, clLime);
  EXPECT_EQ(r, TRect(2, 2, 10, 10));
  EXPECT_EQ(surface.Pixel(1, 5), clLime);

  cxFillRectAroundRect(surface.Canvas.get(), TRect(2, 2, 10, 10), TRect(4, 4, 8, 8), cxGetSolidBrush(clBlack));
  EXPECT_EQ(surface.CountOf(clBlack), 64 - 16);
  EXPECT_EQ(surface.Pixel(5, 5), clWhite);
  cxFillRectAroundRect(surface.Canvas.get(), TRect(4, 4, 8, 8), TRect(), cxGetSolidBrush(clBlack));
  EXPECT_EQ(surface.CountOf(clBlack), 64);
}

TEST(EditUtils, TextOutFlagsBecomeDrawTextFlags) {
  EXPECT_EQ(cxConvertTextOutFlags(0x1 | 0x2 | 0x10 | 0x20 | 0x100 | 0x200),
            static_cast<uint32_t>(DT_VCENTER | DT_RIGHT | DT_SINGLELINE | DT_WORDBREAK | DT_CALCRECT | DT_EXPANDTABS));
  EXPECT_EQ(cxConvertTextOutFlags(0x4 | 0x8 | 0x40 | 0x80 | 0x400), 0u);
}

TEST(EditUtils, CharacterTests) {
  for (Char c : {L'0', L'5', L'9'}) EXPECT_TRUE(cxIsDigitChar(c));
  for (Char c : {L'a', L'/', L':', static_cast<Char>(0x0661)}) EXPECT_FALSE(cxIsDigitChar(c));
  for (Char c : {L'\0', L'\t', L'\n', L'\f', L'\r', L' '}) EXPECT_TRUE(cxIsBlankChar(c));
  for (Char c : {L'a', static_cast<Char>(11), static_cast<Char>(0xA0)}) EXPECT_FALSE(cxIsBlankChar(c));
}

TEST(EditUtils, EditValuesCompareNumbersAcrossKinds) {
  EXPECT_TRUE(cxEditValuesEqual(Variant(1), Variant(1.0)));
  EXPECT_FALSE(cxVarEqualsSameType(Variant(1), Variant(1.0)));
  EXPECT_TRUE(cxVarEqualsSameType(Variant(2), Variant(2)));
  EXPECT_FALSE(cxEditValuesEqual(Variant(1), Variant(String(L"1"))));
  EXPECT_TRUE(cxEditValuesEqual(Variant(String(L"a")), Variant(String(L"a"))));
  EXPECT_FALSE(cxEditValuesEqual(Variant(1), Variant(2)));
}

TEST(EditUtils, RegionsUnite) {
  HRGN a = CreateRectRgn(0, 0, 10, 10);
  HRGN b = CreateRectRgn(20, 0, 30, 10);
  cxUniteRegion(a, b);
  RECT box;
  GetRgnBox(a, &box);
  EXPECT_EQ(TRect(box.left, box.top, box.right, box.bottom), TRect(0, 0, 30, 10));
  EXPECT_TRUE(PtInRegion(a, 25, 5));
  EXPECT_FALSE(PtInRegion(a, 15, 5));
  DeleteObject(a);
  DeleteObject(b);
}
