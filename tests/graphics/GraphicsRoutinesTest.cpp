// DPI scaling, colour arithmetic, gradients, alpha blending, resizing and
// image fitting, checked pixel by pixel on 32-bit bitmaps.
#include <gtest/gtest.h>

#include "PaintSurface.h"
#include "vcl/graphics/Canvas.h"

namespace {

std::unique_ptr<TBitmap> NewBitmap32(int AWidth, int AHeight, TColor AColor = clBlack) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(pf32bit);
  bitmap->SetSize(AWidth, AHeight);
  cxFillRectSolid(bitmap->Canvas()->Handle(), TRect(0, 0, AWidth, AHeight), AColor);
  return bitmap;
}

// Every pixel of a premultiplied colour with the given alpha.
void FillPremultiplied(TBitmap* ABitmap, uint8_t R, uint8_t G, uint8_t B, uint8_t A) {
  GdiFlush();
  for (int y = 0; y < ABitmap->Height(); ++y) {
    auto* row = static_cast<TRGBQuad*>(ABitmap->ScanLine(y));
    for (int x = 0; x < ABitmap->Width(); ++x)
      row[x] = {static_cast<uint8_t>(B * A / 255), static_cast<uint8_t>(G * A / 255),
                static_cast<uint8_t>(R * A / 255), A};
  }
}

int Channel(TColor AColor, int AShift) { return (AColor >> AShift) & 0xFF; }

void ExpectNear(TColor AExpected, TColor AActual, int ATolerance, const char* AWhere) {
  for (int shift : {0, 8, 16})
    EXPECT_NEAR(Channel(AExpected, shift), Channel(AActual, shift), ATolerance)
        << AWhere << std::hex << " expected " << AExpected << " got " << AActual;
}

TEST(cxDPI, ScalingFollowsTheScreenAgainstABaseOf96) {
  EXPECT_EQ(cxScreenPixelsPerInch().cy, cxCurrentDPI());
  EXPECT_EQ(MulDiv(16, cxCurrentDPI(), 96), cxScaleByCurrentDPI(16));
  if (cxCurrentDPI() == 96) {
    EXPECT_EQ(16, cxScaleByCurrentDPI(16));
    EXPECT_EQ(TRect(1, 2, 3, 4), cxScaleRectByCurrentDPI(TRect(1, 2, 3, 4)));
  }
}

TEST(cxColours, HslAndHsvConversionsRoundTrip) {
  for (TColor color : {clRed, clLime, clBlue, clYellow, clTeal, clGray, clBlack, clWhite, TColor(0x3C7AB1)}) {
    EXPECT_EQ(color, TdxColorSpaceConverter::HSLToColor(TdxColorSpaceConverter::ColorToHSL(color))) << color;
    EXPECT_EQ(color, TdxColorSpaceConverter::HSVToColor(TdxColorSpaceConverter::ColorToHSV(color))) << color;
  }
  const TdxHSV red = TdxColorSpaceConverter::ColorToHSV(clRed);
  EXPECT_DOUBLE_EQ(0, red.H);
  EXPECT_DOUBLE_EQ(240, TdxColorSpaceConverter::ColorToHSV(clBlue).H);
  EXPECT_DOUBLE_EQ(0, TdxColorSpaceConverter::ColorToHSL(clNone).L);
}

TEST(cxColours, BrightnessShiftsAndBlends) {
  EXPECT_EQ(TColor(0xC0C0C0), cxShiftColorBrightness(clGray, 50));  // grey: only V changes
  EXPECT_EQ(TColor(0x404040), cxShiftColorBrightness(clGray, -50));
  EXPECT_EQ(clWhite, cxShiftColorBrightness(clRed, 150));  // clamped, not wrapped
  EXPECT_EQ(clBlack, cxShiftColorBrightness(clRed, -150));
  EXPECT_EQ(TColor(0xFF00FF), cxInvertedColor(clLime));
  EXPECT_EQ(TColor(0x404040), cxBlendTwoColors(clBlack, clGray, 50));
  EXPECT_EQ(clRed, cxColorOrDefault(clDefault, clRed));
  EXPECT_FALSE(cxIsRealColor(clNone));
}

TEST(cxGradients, TheSoftwareGradientDraws256StripsOver1000Pixels) {
  auto bitmap = NewBitmap32(1000, 4);
  cxSoftwareGradientFill(bitmap->Canvas()->Handle(), TRect(0, 0, 1000, 4), clBlack, TColor(0x0000FF), true);
  for (int i = 0; i < 256; ++i) {
    const int farEdge = MulDiv(i + 1, 1000, 256);
    ASSERT_EQ(TColor(i), PixelColor(*bitmap, farEdge - 1, 2)) << "strip " << i;
  }
}

TEST(cxGradients, OnePixelLengthsAndEqualColoursFillSolid) {
  auto bitmap = NewBitmap32(10, 10, clWhite);
  HDC dc = bitmap->Canvas()->Handle();
  cxSoftwareGradientFill(dc, TRect(2, 0, 3, 10), clRed, clBlue, true);
  EXPECT_EQ(clRed, PixelColor(*bitmap, 2, 5));
  cxFillGradientWithMidpoint(dc, TRect(4, 0, 5, 10), clRed, clBlue, 100, true);
  cxFillGradientWithMidpoint(dc, TRect(5, 0, 6, 10), clRed, clBlue, 100, true);
  EXPECT_NE(clWhite, PixelColor(*bitmap, 4, 5));
  // clBtnFace and its RGB differ as colour values but fill the same.
  cxFillRectWithGradient(dc, TRect(0, 0, 10, 2), clBtnFace, TColor(ColorToRGB(clBtnFace)), false);
  EXPECT_EQ(TColor(ColorToRGB(clBtnFace)), PixelColor(*bitmap, 9, 0));
  EXPECT_EQ(TColor(ColorToRGB(clBtnFace)), PixelColor(*bitmap, 0, 1));
}

TEST(cxGradients, TheSystemAndTheSoftwareGradientAgree) {
  ASSERT_TRUE(cxGradientFillBound());
  auto system = NewBitmap32(200, 3), software = NewBitmap32(200, 3);
  cxFillRectWithGradient(system->Canvas()->Handle(), TRect(0, 0, 200, 3), TColor(0x102030), TColor(0xF0C080), true);
  cxSoftwareGradientFill(software->Canvas()->Handle(), TRect(0, 0, 200, 3), TColor(0x102030), TColor(0xF0C080),
                         true);
  for (int x = 0; x < 200; x += 7) ExpectNear(PixelColor(*system, x, 1), PixelColor(*software, x, 1), 3, "column");
}

TEST(cxGradients, TheMidpointGradientMeetsAtTheMiddleColourWithoutWrappingChannels) {
  auto bitmap = NewBitmap32(101, 1);
  HDC dc = bitmap->Canvas()->Handle();
  cxFillGradientWithMidpoint(dc, TRect(0, 0, 101, 1), clBlack, TColor(0xC8C8C8), 100, true);
  EXPECT_EQ(clBlack, PixelColor(*bitmap, 0, 0));
  EXPECT_EQ(TColor(0x646464), PixelColor(*bitmap, 50, 0));
  EXPECT_EQ(TColor(0xC8C8C8), PixelColor(*bitmap, 100, 0));
  // A middle colour pushed past white stays white instead of wrapping to dark.
  cxFillGradientWithMidpoint(dc, TRect(0, 0, 101, 1), clBlack, TColor(0xC8C8C8), 300, true);
  for (int x = 1; x <= 50; ++x)
    ASSERT_GE(Channel(PixelColor(*bitmap, x, 0), 0), Channel(PixelColor(*bitmap, x - 1, 0), 0)) << x;
  EXPECT_EQ(clWhite, PixelColor(*bitmap, 50, 0));
}

TEST(cxAlphaBlend, TheLibrarysBlendMatchesTheSystemsPixelForPixel) {
  ASSERT_TRUE(cxAlphaBlendBound());
  auto source = NewBitmap32(8, 8);
  FillPremultiplied(source.get(), 255, 128, 0, 128);
  auto system = NewBitmap32(8, 8, clBlue), own = NewBitmap32(8, 8, clBlue);
  cxSystemAlphaBlend(system->Canvas()->Handle(), source->Canvas()->Handle(), TRect(0, 0, 8, 8), TRect(0, 0, 8, 8),
                     200);
  cxBlendBitmapPixels(own.get(), source.get(), 200);
  ExpectNear(PixelColor(*system, 3, 3), PixelColor(*own, 3, 3), 1, "blend");
  // 128/255 of the colour at 200/255 over blue.
  ExpectNear(TColor(RGB(100, 50, 155)), PixelColor(*own, 3, 3), 2, "expected mix");
}

TEST(cxAlphaBlend, SmoothResizingKeepsAUniformImageUniform) {
  auto source = NewBitmap32(10, 10);
  FillPremultiplied(source.get(), 0, 255, 0, 255);
  auto dest = NewBitmap32(25, 17, clRed);
  cxAlphaBlendBitmaps(dest.get(), source.get(), TRect(2, 2, 22, 15), TRect(0, 0, 10, 10), true);
  for (TPoint p : {TPoint(2, 2), TPoint(12, 8), TPoint(21, 14)}) EXPECT_EQ(clLime, PixelColor(*dest, p.X, p.Y));
  EXPECT_EQ(clRed, PixelColor(*dest, 1, 1));
  EXPECT_EQ(clRed, PixelColor(*dest, 22, 15));
  // Empty rectangles draw nothing.
  cxAlphaBlendBitmaps(dest.get(), source.get(), TRect(0, 0, 0, 5), TRect(0, 0, 10, 10));
  EXPECT_EQ(clRed, PixelColor(*dest, 0, 0));
}

TEST(cxAlphaBlend, LanczosShrinkingAveragesStripes) {
  auto source = NewBitmap32(40, 4);
  GdiFlush();
  for (int y = 0; y < 4; ++y) {
    auto* row = static_cast<uint32_t*>(source->ScanLine(y));
    for (int x = 0; x < 40; ++x) row[x] = x % 2 ? 0xFFFFFFFF : 0xFF000000;
  }
  auto dest = NewBitmap32(10, 4);
  cxSmoothResizeBitmap(source.get(), dest.get(), true);
  ExpectNear(TColor(0x808080), PixelColor(*dest, 5, 2), 24, "shrunk stripes");
}

TEST(cxFitRectForImage, SizesByFitMode) {
  const TRect r(0, 0, 100, 50);
  struct {
    TSize Image;
    TcxImageFitMode Mode;
    TRect Expected;
  } cases[] = {
      {{20, 10}, ifmNormal, {40, 20, 60, 30}},        {{20, 10}, ifmStretch, {0, 0, 100, 50}},
      {{20, 20}, ifmProportionalStretch, {25, 0, 75, 50}}, {{20, 10}, ifmFit, {40, 20, 60, 30}},
      {{200, 50}, ifmFit, {0, 12, 100, 37}},         {{20, 20}, ifmFill, {0, -25, 100, 75}},
      {{0, 10}, ifmFit, {0, 0, 100, 50}},
  };
  for (const auto& c : cases) {
    TRect dest;
    cxFitRectForImageCentered(r, c.Image, c.Mode, dest);
    EXPECT_EQ(c.Expected, dest) << static_cast<int>(c.Mode) << " " << c.Image.cx;
  }
  TRect dest;
  cxFitRectForImage(r, {20, 10}, ifmNormal, false, 200, dest);
  EXPECT_EQ(TRect(0, 0, 40, 20), dest);
}

TEST(cxCursor, TheVisibleCursorExtentFitsTheSystemCursorSize) {
  SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  const TSize extent = cxCurrentCursorExtent();
  EXPECT_GT(extent.cx, 0);
  EXPECT_LE(extent.cy, GetSystemMetrics(SM_CYCURSOR));
}

TEST(cxDrawFittedImage, AListEntryOrAGlyphIsFittedIntoTheRectangle) {
  TcxImageList list(nullptr);
  TcxBitmap32 red(16, 16, true);
  red.cxCanvas()->FillRect(red.ClientRect(), clRed);
  red.MakeOpaque();
  list.Add(&red, nullptr);
  TPaintSurface normal(40, 40, clWhite);
  cxDrawFittedImage(normal.Canvas.get(), TRect(0, 0, 40, 40), nullptr, &list, 0, ifmNormal);
  EXPECT_EQ(TRect(12, 12, 28, 28), normal.BoundsOfPixelsOtherThan(clWhite));
  TPaintSurface stretched(40, 40, clWhite);
  cxDrawFittedImage(stretched.Canvas.get(), TRect(0, 0, 40, 40), nullptr, &list, 0, ifmStretch);
  EXPECT_EQ(1600, stretched.CountOf(clRed));
  cxDrawFittedImage(stretched.Canvas.get(), TRect(0, 0, 40, 40), nullptr, &list, 1, ifmStretch);  // no such entry

  // A transparent bitmap keeps the canvas under its transparent colour.
  TBitmap glyph;
  glyph.SetSize(10, 10);
  TcxCanvas(glyph.Canvas()).FillRect(TRect(0, 0, 10, 10), clFuchsia);
  TcxCanvas(glyph.Canvas()).FillRect(TRect(3, 3, 7, 7), clBlue);
  glyph.SetTransparent(true);
  TPaintSurface graphic(20, 20, clWhite);
  cxDrawFittedGraphic(graphic.Canvas.get(), TRect(0, 0, 20, 20), &glyph, ifmNormal);
  EXPECT_EQ(TRect(8, 8, 12, 12), graphic.BoundsOfPixelsOtherThan(clWhite));
  EXPECT_EQ(TSize(10, 10), cxGlyphOrListImageSize(&glyph, &list, 0));
  EXPECT_EQ(TSize(16, 16), cxGlyphOrListImageSize(nullptr, &list, 0));
  EXPECT_EQ(TSize(), cxGlyphOrListImageSize(nullptr, &list, 1));
}

}  // namespace
