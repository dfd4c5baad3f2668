#include "tests/gdiplus/GdiPlusTestUtils.h"

#include <cstdlib>
#include <cstring>

std::unique_ptr<TBitmap> FilledBitmap(int AWidth, int AHeight, TColor AColor) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(pf32bit);
  bitmap->SetSize(AWidth, AHeight);
  bitmap->Canvas()->Brush()->SetColor(AColor);
  bitmap->Canvas()->FillRect(TRect(0, 0, AWidth, AHeight));
  return bitmap;
}

void PaintOn(TBitmap& ABitmap, const std::function<void(TdxGPCanvas&)>& APaint) {
  TdxGPCanvas canvas(ABitmap.Canvas()->Handle());
  APaint(canvas);
}

namespace {
const uint8_t* Pixel(TBitmap& ABitmap, int X, int Y) {
  return static_cast<const uint8_t*>(ABitmap.ScanLine(Y)) + X * 4;
}
}  // namespace

TColor PixelColor(TBitmap& ABitmap, int X, int Y) {
  const uint8_t* pixel = Pixel(ABitmap, X, Y);
  return RGB(pixel[2], pixel[1], pixel[0]);
}

uint8_t PixelAlpha(TBitmap& ABitmap, int X, int Y) { return Pixel(ABitmap, X, Y)[3]; }

bool ColorNear(TColor A, TColor B, int ATolerance) {
  for (int shift = 0; shift < 24; shift += 8)
    if (std::abs((A >> shift & 0xFF) - (B >> shift & 0xFF)) > ATolerance) return false;
  return true;
}

TRGBColors TestPixels(int AWidth, int AHeight) {
  TRGBColors pixels(static_cast<size_t>(AWidth) * AHeight);
  for (int y = 0; y < AHeight; ++y)
    for (int x = 0; x < AWidth; ++x)
      pixels[static_cast<size_t>(y) * AWidth + x] = x < AWidth / 2 ? TRGBQuad{0, 0, 255, 255} : TRGBQuad{255, 0, 0, 255};
  pixels[0] = TRGBQuad{0, 255, 0, 255};
  return pixels;
}

std::unique_ptr<TMemoryStream> EncodedImage(TdxImageDataFormat AFormat, int AWidth, int AHeight) {
  TdxGPImage image(AWidth, AHeight, TestPixels(AWidth, AHeight), true);
  auto stream = std::make_unique<TMemoryStream>();
  image.SaveToStreamByCodec(stream.get(), AFormat);
  stream->SetPosition(0);
  return stream;
}

std::string BytesOf(TMemoryStream& AStream) {
  return std::string(static_cast<const char*>(AStream.Memory()), static_cast<size_t>(AStream.Size()));
}
