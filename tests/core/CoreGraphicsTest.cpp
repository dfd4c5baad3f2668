#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "components/core/dxCoreGraphics.h"
#include "vcl/graphics/Bitmap.h"
#include "vcl/graphics/Icon.h"

namespace {

TRGBQuad Quad(uint8_t ABlue, uint8_t AGreen, uint8_t ARed, uint8_t AAlpha = 0) {
  return TRGBQuad{ABlue, AGreen, ARed, AAlpha};
}

bool SameQuad(const TRGBQuad& A, const TRGBQuad& B) { return std::memcmp(&A, &B, 4) == 0; }

uint32_t ValueOf(const TRGBQuad& AQuad) {
  uint32_t value;
  std::memcpy(&value, &AQuad, 4);
  return value;
}

// A 3 x 2 picture whose every pixel differs.
TRGBColors Picture() {
  return {Quad(1, 2, 3), Quad(4, 5, 6), Quad(7, 8, 9),
          Quad(10, 11, 12), Quad(13, 14, 15), Quad(16, 17, 18, 255)};
}

}  // namespace

TEST(CoreGraphics, ColoursAsPixels) {
  const TRGBQuad red = dxColorAsRGBQuad(clRed, 200);
  EXPECT_TRUE(SameQuad(red, Quad(0, 0, 255, 200)));
  uint8_t alpha = 0;
  EXPECT_EQ(dxQuadAsColorAndAlpha(red, alpha), clRed);
  EXPECT_EQ(alpha, 200);

  const uint32_t face = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(dxQuadAsColor(dxColorAsRGBQuad(clBtnFace)), static_cast<TColor>(face))
      << "system colours are resolved";

  EXPECT_EQ(ValueOf(dxColorToRGBQuadOrMarker(clDefault)), 0x00010203u);
  EXPECT_EQ(dxQuadAsColor(dxColorToRGBQuadOrMarker(clDefault)), clDefault);
  EXPECT_EQ(ValueOf(dxColorToRGBQuadOrMarker(clNone)), 0u);
  EXPECT_EQ(dxQuadAsColorAndAlpha(dxColorToRGBQuadOrMarker(clNone, 9), alpha), clNone);
  EXPECT_EQ(alpha, 0);
  EXPECT_EQ(dxSwapQuadRedBlue(0x11223344), 0x11443322u);
}

TEST(CoreGraphics, PixelRoundTrips) {
  TBitmap bitmap(3, 2);
  EXPECT_EQ(dxBitsPerPixelOf(&bitmap), 32);
  const TRGBColors picture = Picture();
  dxWriteBitmapColors(&bitmap, picture, true);

  // The top row as the bitmap itself holds it.
  const auto* top = static_cast<const TRGBQuad*>(bitmap.ScanLine(0));
  EXPECT_TRUE(SameQuad(top[0], picture[0]));
  EXPECT_TRUE(SameQuad(top[2], picture[2]));

  TRGBColors topDown, bottomUp;
  ASSERT_TRUE(dxReadBitmapColors(&bitmap, topDown, true));
  ASSERT_TRUE(dxReadBitmapColors(&bitmap, bottomUp, false));
  ASSERT_EQ(topDown.size(), 6u);
  for (size_t i = 0; i < 6; ++i) {
    EXPECT_TRUE(SameQuad(topDown[i], picture[i])) << "pixel " << i;
    EXPECT_TRUE(SameQuad(bottomUp[(i + 3) % 6], picture[i])) << "rows swap bottom-up, pixel " << i;
  }
  EXPECT_TRUE(dxBitmapUsesAlpha(&bitmap));

  // Written bottom-up, read top-down: the rows come back swapped.
  dxWriteBitmapColors(&bitmap, picture, false);
  ASSERT_TRUE(dxReadBitmapColors(&bitmap, topDown, true));
  EXPECT_TRUE(SameQuad(topDown[0], picture[3]));

  TRGBColors opaque = Picture();
  opaque[5].rgbReserved = 0;
  dxWriteBitmapColors(&bitmap, opaque, true);
  EXPECT_FALSE(dxBitmapUsesAlpha(&bitmap));

  BITMAP info;
  ASSERT_TRUE(dxGetBitmapObjectInfo(bitmap.Handle(), info));
  EXPECT_EQ(info.bmWidth, 3);
  EXPECT_EQ(info.bmHeight, 2);
  EXPECT_FALSE(dxGetBitmapObjectInfo(nullptr, info));
}

TEST(CoreGraphics, EmptyBitmapsAndShortArrays) {
  TBitmap empty(0, 10);
  TRGBColors colors = Picture();
  EXPECT_FALSE(dxReadBitmapColors(&empty, colors, true));
  EXPECT_TRUE(colors.empty());
  dxWriteBitmapColors(&empty, colors, true);  // nothing to write

  // An array too short for the bitmap is refused before anything is read from it.
  TBitmap bitmap(3, 2);
  TRGBColors shortPicture(5);
  EXPECT_THROW(dxWriteBitmapColors(&bitmap, shortPicture, true), EInvalidGraphicOperation);
}

TEST(CoreGraphics, GraphicsAreEqual) {
  TBitmap a(3, 2), b(3, 2), taller(3, 3);
  dxWriteBitmapColors(&a, Picture(), true);
  dxWriteBitmapColors(&b, Picture(), true);
  EXPECT_TRUE(dxGraphicsAreEqual(&a, &b));
  EXPECT_FALSE(dxGraphicsAreEqual(&a, &taller));
  TRGBColors changed = Picture();
  changed[4].rgbGreen ^= 1;
  dxWriteBitmapColors(&b, changed, true);
  EXPECT_FALSE(dxGraphicsAreEqual(&a, &b));
  EXPECT_FALSE(dxGraphicsAreEqual(&a, nullptr));
  EXPECT_FALSE(dxGraphicsAreEqual(nullptr, nullptr));
  TIcon icon;
  EXPECT_FALSE(dxGraphicsAreEqual(&a, &icon));
}
