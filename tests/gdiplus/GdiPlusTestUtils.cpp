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

std::string AnimatedGif(int AFrames, int ALoopCount, int ADelay) {
  std::string gif = "GIF89a";
  gif += std::string("\x01\x00\x01\x00\xF1\x00\x00", 7);
  gif += std::string("\xFF\x00\x00\x00\xFF\x00\x00\x00\xFF\xFF\xFF\xFF", 12);  // red, green, blue, white
  if (ALoopCount >= 0) {
    gif += std::string("\x21\xFF\x0BNETSCAPE2.0\x03\x01", 16);
    gif += static_cast<char>(ALoopCount & 0xFF);
    gif += static_cast<char>(ALoopCount >> 8);
    gif += '\0';
  }
  for (int frame = 0; frame < AFrames; ++frame) {
    gif += std::string("\x21\xF9\x04\x00", 4);
    gif += static_cast<char>(ADelay & 0xFF);
    gif += static_cast<char>(ADelay >> 8);
    gif += std::string("\x00\x00", 2);
    gif += std::string("\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00", 10);
    // LZW with 2-bit codes: clear, the colour index, end.
    gif += std::string("\x02\x02", 2);
    gif += static_cast<char>(0x44 | (frame % 3) << 3);
    gif += std::string("\x01\x00", 2);
  }
  gif += ';';
  return gif;
}

std::unique_ptr<TMemoryStream> StreamOf(const std::string& ABytes) {
  auto stream = std::make_unique<TMemoryStream>();
  stream->WriteBuffer(ABytes.data(), static_cast<int64_t>(ABytes.size()));
  stream->SetPosition(0);
  return stream;
}

std::string BytesOf(TMemoryStream& AStream) {
  return std::string(static_cast<const char*>(AStream.Memory()), static_cast<size_t>(AStream.Size()));
}
