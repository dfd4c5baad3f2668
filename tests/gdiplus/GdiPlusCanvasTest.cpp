#include <gtest/gtest.h>

#include "tests/gdiplus/GdiPlusTestUtils.h"

namespace {
constexpr TdxAlphaColor OpaqueBlue = 0xFF0000FF;
}  // namespace

TEST(GdiPlusCanvas, ShapesCoverThePixelsOfGdiRectangles) {
  auto bitmap = FilledBitmap(30, 30);
  PaintOn(*bitmap, [](TdxGPCanvas& canvas) {
    canvas.Rectangle(TRect(0, 0, 10, 10), clBlack, clRed);
    canvas.Ellipse(TRect(12, 0, 30, 18), clBlue, clNone, 1);  // outline only
    canvas.FillRectangle(TRect(0, 20, 10, 30), 0x00FFFFFF);  // nothing
    canvas.FillRectangle(TRect(10, 20, 20, 30), OpaqueBlue);
  });
  EXPECT_EQ(PixelColor(*bitmap, 5, 5), clRed);
  EXPECT_EQ(PixelColor(*bitmap, 9, 5), clBlack) << "the outline on pixel 9";
  EXPECT_EQ(PixelColor(*bitmap, 10, 5), clWhite);
  EXPECT_EQ(PixelColor(*bitmap, 21, 9), clWhite) << "no fill inside the ellipse";
  EXPECT_EQ(PixelColor(*bitmap, 12, 9), clBlue);
  EXPECT_EQ(PixelColor(*bitmap, 5, 25), clWhite);
  EXPECT_EQ(PixelColor(*bitmap, 15, 25), clBlue);
  EXPECT_EQ(PixelColor(*bitmap, 20, 25), clWhite);
}

// A fill skips only the colours that stand for "nothing": black and white
// with no alpha. Opaque white is a colour like any other.
TEST(GdiPlusCanvas, FillsSkipOnlyTransparentBlackAndWhite) {
  const struct {
    TdxAlphaColor Color;
    TColor Expected;
  } cases[] = {
      {0x00000000, clRed}, {0x00FFFFFF, clRed}, {0xFFFFFFFF, clWhite}, {0xFF000000, clBlack}, {OpaqueBlue, clBlue}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Color);
    auto bitmap = FilledBitmap(20, 10, clRed);
    PaintOn(*bitmap, [&](TdxGPCanvas& canvas) {
      canvas.FillRectangle(TRect(0, 0, 10, 10), c.Color);
      canvas.FillRectangle(TdxRectF{10, 0, 20, 10}, c.Color);
    });
    EXPECT_EQ(PixelColor(*bitmap, 5, 5), c.Expected);
    EXPECT_EQ(PixelColor(*bitmap, 15, 5), c.Expected) << "the fill of a fractional rectangle";
  }
}

TEST(GdiPlusCanvas, ColourFormsAndGradients) {
  auto bitmap = FilledBitmap(40, 40);
  PaintOn(*bitmap, [](TdxGPCanvas& canvas) {
    canvas.FillRectangleByGradient(TRect(0, 0, 40, 10), 0xFF000000, 0xFFFFFFFF, LinearGradientModeHorizontal);
    canvas.Rectangle(TRect(0, 10, 10, 20), TdxAlphaColor{0}, OpaqueBlue);  // no outline for colour 0
    canvas.Pie(TRect(10, 10, 30, 30), 0, 90, clNone, clRed);  // counter-clockwise from 3 o'clock
    canvas.Polygon({TPoint(0, 30), TPoint(9, 30), TPoint(0, 39)}, clNone, clLime);
    canvas.RoundRect(TRect(30, 30, 40, 40), clNone, clRed, 2, 2);
    canvas.Line(30, 12, 39, 12, clBlue, 1, psSolid, 255);
  });
  const int left = GetRValue(PixelColor(*bitmap, 2, 5)), right = GetRValue(PixelColor(*bitmap, 37, 5));
  EXPECT_LT(left, 40);
  EXPECT_GT(right, 215);
  EXPECT_EQ(PixelColor(*bitmap, 0, 10), clBlue);
  EXPECT_EQ(PixelColor(*bitmap, 24, 15), clRed) << "upper right quarter";
  EXPECT_EQ(PixelColor(*bitmap, 24, 24), clWhite);
  EXPECT_EQ(PixelColor(*bitmap, 2, 32), clLime);
  EXPECT_EQ(PixelColor(*bitmap, 35, 35), clRed);
  EXPECT_EQ(PixelColor(*bitmap, 35, 12), clBlue);
}

TEST(GdiPlusCanvas, ClipStackSavesAndRestores) {
  auto bitmap = FilledBitmap(20, 20);
  PaintOn(*bitmap, [](TdxGPCanvas& canvas) {
    canvas.SaveClipRegion();
    canvas.SetClipRect(TRect(5, 5, 10, 10), gmReplace);
    canvas.SaveClipRegion();
    canvas.SetClipRect(TRect(0, 0, 3, 3), gmIntersect);
    EXPECT_TRUE(canvas.IsClipEmpty());
    canvas.RestoreClipRegion();
    EXPECT_FALSE(canvas.IsClipEmpty());
    canvas.FillRectangle(TRect(0, 0, 20, 10), OpaqueBlue);
    canvas.RestoreClipRegion();
    canvas.FillRectangle(TRect(0, 15, 20, 20), OpaqueBlue);
    EXPECT_THROW(canvas.RestoreClipRegion(), EdxException) << "nothing left to restore";
    // Left on the stacks: given back with the canvas.
    canvas.SaveClipRegion();
    canvas.SaveWorldTransfrom();
  });
  EXPECT_EQ(PixelColor(*bitmap, 4, 7), clWhite);
  EXPECT_EQ(PixelColor(*bitmap, 7, 7), clBlue);
  EXPECT_EQ(PixelColor(*bitmap, 10, 7), clWhite);
  EXPECT_EQ(PixelColor(*bitmap, 1, 17), clBlue);
}

TEST(GdiPlusCanvas, TransformStackAndScaleAboutCentre) {
  auto bitmap = FilledBitmap(40, 20);
  PaintOn(*bitmap, [](TdxGPCanvas& canvas) {
    canvas.SaveWorldTransfrom();
    canvas.TranslateWorldTransform(20, 0);
    // Doubles about (2, 2) on top of the shift: (0,0)-(4,4) becomes (18,-2)-(26,6).
    canvas.ScaleWorldTransform(2, 2, TdxPointF(2, 2));
    canvas.FillRectangle(TRect(2, 2, 4, 4), OpaqueBlue);
    const auto matrix = canvas.GetWorldTransform();
    EXPECT_FLOAT_EQ(matrix->OffsetX(), 18);
    canvas.RestoreWorldTransfrom();
    canvas.FillRectangle(TRect(0, 10, 2, 12), OpaqueBlue);
    canvas.FlipWorldTransform(true, false, 20.0f, 0.0f);
    canvas.FillRectangle(TRect(0, 15, 2, 17), OpaqueBlue);  // mirrored to 38..40
  });
  EXPECT_EQ(PixelColor(*bitmap, 23, 3), clBlue);
  EXPECT_EQ(PixelColor(*bitmap, 21, 1), clWhite);
  EXPECT_EQ(PixelColor(*bitmap, 1, 11), clBlue);
  EXPECT_EQ(PixelColor(*bitmap, 1, 16), clWhite);
  EXPECT_EQ(PixelColor(*bitmap, 39, 16), clBlue);
}

TEST(GdiPlusCanvas, ImagesStretchTileAndFade) {
  TdxGPImage tile(10, 10, 0xFFFF0000);
  auto bitmap = FilledBitmap(40, 20);
  PaintOn(*bitmap, [&](TdxGPCanvas& canvas) {
    canvas.Draw(&tile, TRect(0, 0, 0, 10));  // no width: nothing
    canvas.DrawTile(&tile, TRect(0, 0, 25, 10), 128);
    canvas.Draw(&tile, TRect(30, 0, 40, 20));
  });
  EXPECT_TRUE(ColorNear(PixelColor(*bitmap, 22, 5), RGB(255, 127, 127), 8)) << "the last, cut cell is drawn";
  EXPECT_EQ(PixelColor(*bitmap, 26, 5), clWhite);
  EXPECT_EQ(PixelColor(*bitmap, 35, 19), clRed);

  auto opaque = FilledBitmap(30, 10);
  PaintOn(*opaque, [&](TdxGPCanvas& canvas) { canvas.DrawTile(&tile, TRect(0, 0, 25, 10)); });
  EXPECT_EQ(PixelColor(*opaque, 24, 9), clRed);
  EXPECT_EQ(PixelColor(*opaque, 25, 5), clWhite);
}

TEST(GdiPlusCanvas, TextIsDrawnAndMeasured) {
  TdxGPFont font(TestFontName, 12);
  TdxGPBrush brush;
  brush.SetColor(0xFF000000);
  auto bitmap = FilledBitmap(120, 40);
  TdxSizeF size;
  PaintOn(*bitmap, [&](TdxGPCanvas& canvas) {
    EXPECT_EQ(canvas.MeasureString(L"", nullptr).cx, 0.0f) << "empty text is not measured";
    try {
      canvas.DrawString(L"", &font, nullptr, 0.0f, 0.0f);
      ADD_FAILURE() << "no brush";
    } catch (const EdxGdipException& e) {
      EXPECT_EQ(e.GetStatus(), InvalidParameter);
    }
    size = canvas.MeasureString(L"Hello", &font);
    const TdxSizeF narrow = canvas.MeasureString(L"Hello Hello Hello", &font, 40);
    EXPECT_GT(narrow.cy, size.cy) << "wrapped in a box 40 wide";
    canvas.DrawString(L"Hello", &font, &brush, 2.0f, 2.0f);
  });
  EXPECT_GT(size.cx, 20);
  EXPECT_GT(size.cy, 10);
  int dark = 0, outside = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 120; ++x) {
      if (GetRValue(PixelColor(*bitmap, x, y)) >= 128) continue;
      ++dark;
      if (x > 2 + size.cx + 1 || y > 2 + size.cy + 1) ++outside;
    }
  EXPECT_GT(dark, 20);
  EXPECT_EQ(outside, 0) << "the text stays inside its measured box";
}

TEST(GdiPlusPaintCanvas, NestedPaintsRestoreTheOuterOne) {
  auto outer = FilledBitmap(20, 20);
  auto inner = FilledBitmap(20, 20);
  TdxGPPaintCanvas* canvas = dxGpSharedPaintCanvas();
  const HDC outerDC = outer->Canvas()->Handle();
  canvas->BeginPaint(outerDC, TRect(0, 0, 10, 10));
  void* outerHandle = canvas->Handle();
  canvas->BeginPaint(inner->Canvas()->Handle(), TRect(5, 5, 20, 20));
  EXPECT_NE(canvas->Handle(), outerHandle);
  canvas->FillRectangle(TRect(5, 5, 20, 20), OpaqueBlue);
  canvas->EndPaint();
  EXPECT_EQ(canvas->DrawDC(), outerDC);
  EXPECT_EQ(canvas->DrawRect(), TRect(0, 0, 10, 10));
  EXPECT_EQ(canvas->Handle(), outerHandle);
  EXPECT_EQ(canvas->Buffer(), nullptr);
  canvas->FillRectangle(TRect(0, 0, 10, 10), OpaqueBlue);
  canvas->EndPaint();
  EXPECT_EQ(PixelColor(*inner, 10, 10), clBlue);
  EXPECT_EQ(PixelColor(*outer, 3, 3), clBlue);
  EXPECT_EQ(PixelColor(*outer, 15, 15), clWhite);

  dxGpFillRectOnDC(outerDC, TRect(10, 10, 20, 20), clRed);
  EXPECT_EQ(PixelColor(*outer, 15, 15), clRed);

  auto own = dxGpBeginPaintOnDC(outerDC, TRect(0, 10, 5, 20));
  EXPECT_FALSE(own->IsLowColorsMode()) << "a 32-bit device takes GDI+ output directly";
  own->FillRectangle(TRect(0, 10, 5, 20), 0xFF00FF00);
  dxGpEndPaintAndFree(own);
  EXPECT_EQ(own, nullptr);
  EXPECT_EQ(PixelColor(*outer, 2, 15), clLime);
}
