// The library's bitmaps: batched notification, the compressed stored form,
// alpha transformations and glyphs drawn in their states.
#include <gtest/gtest.h>

#include <cstring>

#include "PaintSurface.h"
#include "components/core/dxCore.h"
#include "vcl/rtl/Streams.h"

namespace {

std::vector<uint8_t> Bytes(TMemoryStream& AStream) {
  const auto* data = static_cast<const uint8_t*>(AStream.Memory());
  return std::vector<uint8_t>(data, data + AStream.Size());
}

// The body after the 10-byte header and the block size and shift bytes.
std::vector<uint8_t> Runs(const std::vector<uint8_t>& AData, int ABlockSize) {
  TMemoryStream out;
  cxWriteCompressedBitmapData(AData.data(), AData.size(), ABlockSize, &out);
  std::vector<uint8_t> all = Bytes(out);
  EXPECT_EQ(0, std::memcmp(all.data() + 4, "XDBM", 4));
  EXPECT_EQ(2, all[8]);
  EXPECT_EQ(static_cast<uint32_t>(all.size() - 10), *reinterpret_cast<uint32_t*>(all.data()));
  TMemoryStream expanded;
  out.SetPosition(0);
  EXPECT_TRUE(cxReadCompressedBitmapData(&out, &expanded));
  EXPECT_EQ(AData, Bytes(expanded));
  const size_t shift = AData.size() % ABlockSize;
  return std::vector<uint8_t>(all.begin() + 12 + shift, all.end());
}

std::vector<uint8_t> Blocks(std::initializer_list<uint8_t> AValues, int ABlockSize = 2) {
  std::vector<uint8_t> result;
  for (uint8_t value : AValues) result.insert(result.end(), ABlockSize, value);
  return result;
}

TEST(cxCompressedBitmapData, RunsOfEqualAndDifferingBlocks) {
  EXPECT_EQ((std::vector<uint8_t>{8, 7, 7}), Runs(Blocks({7, 7, 7, 7, 7, 7, 7, 7}), 2));
  EXPECT_EQ((std::vector<uint8_t>{0x88, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8}),
            Runs(Blocks({1, 2, 3, 4, 5, 6, 7, 8}), 2));
  EXPECT_EQ((std::vector<uint8_t>{125, 9, 5, 9}), Runs(std::vector<uint8_t>(130, 9), 1));
  // A literal run stops where a repeat begins; a last single block is literal.
  EXPECT_EQ((std::vector<uint8_t>{0x81, 1, 3, 2, 0x81, 4}), Runs({1, 2, 2, 2, 4}, 1));
  // The bytes that do not fill a whole block go first, as they are.
  const std::vector<uint8_t> unaligned{0xAA, 5, 5, 5, 5, 5, 5};
  EXPECT_EQ((std::vector<uint8_t>{2, 5, 5, 5}), Runs(unaligned, 3));
}

TEST(cxCompressedBitmapData, DamagedDataRaisesAndPlainDataIsLeftWhereItWas) {
  TMemoryStream good;
  cxWriteCompressedBitmapData(std::vector<uint8_t>(64, 3).data(), 64, 4, &good);
  const std::vector<uint8_t> valid = Bytes(good);
  auto read = [](std::vector<uint8_t> AData) {
    TMemoryStream in, out;
    in.WriteBuffer(AData.data(), static_cast<int64_t>(AData.size()));
    in.SetPosition(0);
    return cxReadCompressedBitmapData(&in, &out);
  };
  std::vector<uint8_t> shortBody(valid.begin(), valid.end() - 1);
  EXPECT_THROW(read(shortBody), EInvalidGraphic);
  std::vector<uint8_t> wrongVersion = valid;
  wrongVersion[8] = 3;
  EXPECT_THROW(read(wrongVersion), EInvalidGraphic);
  std::vector<uint8_t> longRun = valid;
  longRun.back() = 0;  // the repeat run's block, now one byte short...
  longRun[12] = 0xFF;  // ...behind a literal run of 127 blocks
  EXPECT_THROW(read(longRun), EInvalidGraphic);
  std::vector<uint8_t> zeroBlock = valid;
  zeroBlock[10] = 0;
  EXPECT_THROW(read(zeroBlock), EInvalidGraphic);

  TMemoryStream plain, out;
  plain.WriteBuffer("BM plain data", 13);
  plain.SetPosition(2);
  EXPECT_FALSE(cxReadCompressedBitmapData(&plain, &out));
  EXPECT_EQ(2, plain.Position());
}

// Opens the stored form to the test.
class TStoredBitmap : public TcxBitmap32 {
public:
  using TcxBitmap32::TcxBitmap32;
  using TcxBitmap32::ReadData;
  using TcxBitmap32::WriteData;
};

TEST(cxBitmap, CompressedDataRoundTripsAndDamagedDataLeavesTheBitmapAsItWas) {
  TStoredBitmap source(16, 8, true);
  source.cxCanvas()->FillRect(TRect(4, 2, 12, 6), clRed);
  source.SetCompressData(true);
  TMemoryStream stored, plain;
  source.WriteData(&stored);
  source.SetCompressData(false);
  source.WriteData(&plain);
  EXPECT_LT(stored.Size(), plain.Size() / 4);

  TStoredBitmap target(3, 3, true);
  stored.SetPosition(0);
  target.ReadData(&stored);
  ASSERT_EQ(TSize(16, 8), TSize(target.Width(), target.Height()));
  EXPECT_EQ(clRed, PixelColor(target, 5, 3));
  EXPECT_EQ(clBlack, PixelColor(target, 1, 1));

  plain.SetPosition(0);
  TStoredBitmap fromPlain(1, 1);
  fromPlain.ReadData(&plain);
  EXPECT_EQ(clRed, PixelColor(fromPlain, 5, 3));

  std::vector<uint8_t> damaged = Bytes(stored);
  damaged.resize(damaged.size() - 3);
  TMemoryStream bad;
  bad.WriteBuffer(damaged.data(), static_cast<int64_t>(damaged.size()));
  bad.SetPosition(0);
  EXPECT_THROW(target.ReadData(&bad), EInvalidGraphic);
  EXPECT_EQ(TSize(16, 8), TSize(target.Width(), target.Height()));
  EXPECT_EQ(clRed, PixelColor(target, 5, 3));
}

TEST(cxBitmap, ChangesUnderAnUpdateAreAnnouncedOnceAndCancelledOnesNever) {
  TcxBitmap bitmap(4, 4);
  int changes = 0;
  bitmap.OnChange = [&](TObject*) { ++changes; };
  bitmap.BeginUpdate();
  bitmap.SetSize(8, 8);
  bitmap.SetSize(9, 9);
  EXPECT_EQ(0, changes);
  bitmap.EndUpdate(false);
  EXPECT_EQ(1, changes);
  bitmap.BeginUpdate();
  bitmap.EndUpdate(false);  // nothing changed
  EXPECT_EQ(1, changes);
  bitmap.BeginUpdate();
  bitmap.SetSize(2, 2);
  bitmap.CancelUpdate();
  EXPECT_EQ(1, changes);
  bitmap.SetSize(-5, 3);  // an empty bitmap, no error
  EXPECT_TRUE(bitmap.Empty());
  EXPECT_EQ(2, changes);
}

TEST(cxBitmap32, AnyDepthOtherThan32BitsRaises) {
  TcxBitmap32 bitmap(2, 2);
  EXPECT_EQ(pf32bit, bitmap.PixelFormat());
  try {
    bitmap.SetPixelFormat(pf24bit);
    FAIL() << "no exception";
  } catch (const EdxException& e) {
    EXPECT_STREQ(L"Wrong PixelFormat", e.Message().c_str());
  }
  bitmap.BeginUpdate();
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetPixelFormat(pf32bit);
  EXPECT_NO_THROW(bitmap.EndUpdate(true));
}

TRGBQuad PixelOf(TcxBitmap32& ABitmap, int X, int YFromBottom) {
  TRGBColors colors;
  ABitmap.GetBitmapColors(colors);
  return colors[X + YFromBottom * ABitmap.Width()];
}

uint32_t PixelValue(TcxBitmap32& ABitmap, int X, int YFromBottom) {
  const TRGBQuad pixel = PixelOf(ABitmap, X, YFromBottom);
  uint32_t result;
  std::memcpy(&result, &pixel, sizeof(result));
  return result;
}

void SetAll(TcxBitmap32& ABitmap, TRGBQuad AValue) {
  TRGBColors colors(static_cast<size_t>(ABitmap.Width()) * ABitmap.Height(), AValue);
  ABitmap.SetBitmapColors(colors);
}

TEST(cxBitmap32, AlphaHelpers) {
  TcxBitmap32 bitmap(2, 2, true);
  EXPECT_FALSE(bitmap.IsAlphaUsed());
  SetAll(bitmap, {100, 50, 200, 0});
  bitmap.MakeOpaque();
  EXPECT_TRUE(bitmap.IsAlphaUsed());
  bitmap.Darken(50);
  EXPECT_EQ(50, PixelOf(bitmap, 0, 0).rgbBlue);
  EXPECT_EQ(255, PixelOf(bitmap, 0, 0).rgbReserved);
  EXPECT_EQ(100, PixelOf(bitmap, 1, 1).rgbRed);
  bitmap.Darken(250);  // more than 100 percent keeps the colour instead of wrapping it
  EXPECT_EQ(50, PixelOf(bitmap, 0, 0).rgbBlue);
  bitmap.Lighten(50);  // half-way to white
  EXPECT_EQ(152, PixelOf(bitmap, 0, 0).rgbBlue);
  EXPECT_EQ(177, PixelOf(bitmap, 1, 1).rgbRed);
  bitmap.Lighten(200);
  EXPECT_EQ(152, PixelOf(bitmap, 0, 0).rgbBlue);
  EXPECT_EQ(255, PixelOf(bitmap, 0, 0).rgbReserved);

  SetAll(bitmap, {0, 0, 255, 255});  // red, opaque
  bitmap.RecoverTransparency(clRed);
  EXPECT_EQ(0u, PixelValue(bitmap, 0, 0));
  SetAll(bitmap, {1, 2, 3, 0});
  bitmap.RecoverTransparency(clRed);
  EXPECT_EQ(255, PixelOf(bitmap, 0, 0).rgbReserved);
}

TEST(cxAlphaBitmap, HatchAlternatesSquaresFromTheBottomLeft) {
  TcxAlphaBitmap bitmap(4, 4);
  bitmap.Clear();
  bitmap.DrawHatch(clRed, clBlue, 2, 255, 255);
  for (int x = 0; x < 4; ++x)
    for (int y = 0; y < 4; ++y) {
      const TRGBQuad pixel = PixelOf(bitmap, x, y);
      const bool first = (x / 2 + y / 2) % 2 == 0;
      EXPECT_EQ(first ? 255 : 0, pixel.rgbRed) << x << "," << y;
      EXPECT_EQ(first ? 0 : 255, pixel.rgbBlue) << x << "," << y;
    }
}

TEST(cxAlphaBitmap, TransformationsSkipTransparentPixels) {
  TcxAlphaBitmap bitmap(2, 1);
  TRGBColors colors{{0, 0, 255, 255}, {0, 255, 0, 255}};  // red, green
  bitmap.SetBitmapColors(colors);
  bitmap.TransparentPixels().push_back(ColorToRGB(clLime));
  bitmap.TransformBitmap(btmGrayScale);
  EXPECT_EQ(85, PixelOf(bitmap, 0, 0).rgbGreen);
  EXPECT_EQ(255, PixelOf(bitmap, 1, 0).rgbGreen);
  EXPECT_EQ(0, PixelOf(bitmap, 1, 0).rgbRed);
  bitmap.TransformBitmap(btmMakeMask);
  EXPECT_EQ(0u, PixelValue(bitmap, 0, 0));
  EXPECT_EQ(0xFFFFFFFFu, PixelValue(bitmap, 1, 0));
}

TEST(cxResizeBitmapContent, CentresOrStretchesTheOldContent) {
  TcxBitmap bitmap(2, 2, pf32bit);
  bitmap.cxCanvas()->FillRect(bitmap.ClientRect(), clRed);
  cxResizeBitmapContent(&bitmap, 6, 4, false, false, clBlue);
  EXPECT_EQ(clBlue, PixelColor(bitmap, 1, 0));
  EXPECT_EQ(clRed, PixelColor(bitmap, 2, 1));
  EXPECT_EQ(clRed, PixelColor(bitmap, 3, 2));
  EXPECT_EQ(clBlue, PixelColor(bitmap, 4, 1));
  cxResizeBitmapContent(&bitmap, 12, 8, true, false, clNone);
  EXPECT_EQ(clBlue, PixelColor(bitmap, 0, 0));  // a plain bitmap stretches opaque
  EXPECT_EQ(clRed, PixelColor(bitmap, 6, 4));
}

// ---------------------------------------------------------------- glyphs

// A red square on a magenta background: magenta is the transparent colour.
std::unique_ptr<TBitmap> TestGlyph() {
  auto glyph = std::make_unique<TBitmap>();
  glyph->SetPixelFormat(pf24bit);
  glyph->SetSize(16, 16);
  TcxCanvas canvas(glyph->Canvas());
  canvas.FillRect(TRect(0, 0, 16, 16), clFuchsia);
  canvas.FillRect(TRect(4, 4, 12, 12), clRed);
  return glyph;
}

TEST(cxDrawGlyphOrImage, TheSixStatesOverAWhiteBackground) {
  auto glyph = TestGlyph();
  struct {
    TcxGlyphDrawState State;
    bool RedCentre;
  } cases[] = {{gdsNormal, true},     {gdsDisabled, false}, {gdsFaded, false},
               {gdsGrayScale, false}, {gdsDingy, false},    {gdsShadowed, true}};
  for (const auto& c : cases) {
    TPaintSurface surface(24, 24, clWhite);
    cxDrawGlyphOrImage(surface.Canvas->Handle(), TRect(4, 4, 20, 20), TRect(0, 0, 24, 24), glyph.get(), nullptr, -1, c.State);
    const int state = static_cast<int>(c.State);
    EXPECT_EQ(clWhite, surface.Pixel(5, 5)) << state;  // transparent corner of the glyph
    EXPECT_EQ(clWhite, surface.Pixel(1, 1)) << state;
    EXPECT_EQ(c.RedCentre, surface.Pixel(12, 12) == clRed) << state;
    EXPECT_NE(clWhite, surface.Pixel(12, 12)) << state;
  }
  TPaintSurface grey(24, 24, clWhite);
  cxDrawGlyphOrImage(grey.Canvas->Handle(), TRect(4, 4, 20, 20), TRect(0, 0, 24, 24), glyph.get(), nullptr, -1, gdsGrayScale);
  EXPECT_EQ(TColor(0x555555), grey.Pixel(12, 12));  // (255 + 0 + 0) / 3

  TPaintSurface normal(24, 24, clWhite), shadowed(24, 24, clWhite);
  cxDrawGlyphOrImage(normal.Canvas->Handle(), TRect(4, 4, 20, 20), TRect(0, 0, 24, 24), glyph.get(), nullptr, -1, gdsNormal);
  cxDrawGlyphOrImage(shadowed.Canvas->Handle(), TRect(4, 4, 20, 20), TRect(0, 0, 24, 24), glyph.get(), nullptr, -1, gdsShadowed);
  EXPECT_EQ(TRect(8, 8, 16, 16), normal.BoundsOfPixelsOtherThan(clWhite));
  // One pixel up and left, with the shadow two pixels below and right.
  EXPECT_EQ(clRed, shadowed.Pixel(7, 7));
  EXPECT_EQ(SysRGB(clBtnShadow), shadowed.Pixel(16, 16));
  EXPECT_EQ(TRect(7, 7, 17, 17), shadowed.BoundsOfPixelsOtherThan(clWhite));
}

TEST(cxDrawGlyphOrImage, AGlyphWithAlphaBlendsByItsOwnAlpha) {
  TcxBitmap32 glyph(4, 4, true);
  TRGBColors colors(16, TRGBQuad{0, 0, 128, 128});  // half-transparent red, premultiplied
  glyph.SetBitmapColors(colors);
  TPaintSurface surface(4, 4, clWhite);
  cxDrawGlyphOrImage(surface.Canvas->Handle(), TRect(0, 0, 4, 4), TRect(0, 0, 4, 4), &glyph, nullptr, -1);
  const TColor pixel = surface.Pixel(2, 2);
  EXPECT_NEAR(255, pixel & 0xFF, 1);
  EXPECT_NEAR(127, (pixel >> 8) & 0xFF, 2);
}

}  // namespace
