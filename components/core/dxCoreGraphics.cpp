#include "components/core/dxCoreGraphics.h"

#include <cstring>
#include <memory>

#include "vcl/graphics/Bitmap.h"
#include "vcl/graphics/Canvas.h"
#include "vcl/rtl/Streams.h"

namespace {

constexpr uint32_t DefaultColorMarker = 0x00010203;

uint32_t QuadValue(const TRGBQuad& AQuad) {
  uint32_t value;
  std::memcpy(&value, &AQuad, 4);
  return value;
}

TRGBQuad QuadOf(uint32_t AValue) {
  TRGBQuad quad;
  std::memcpy(&quad, &AValue, 4);
  return quad;
}

// A memory DC compatible with the screen, deleted with the holder.
class TScreenCompatibleDC {
public:
  TScreenCompatibleDC() : FHandle(CreateCompatibleDC(nullptr)) {}
  ~TScreenCompatibleDC() {
    if (FHandle) DeleteDC(FHandle);
  }
  TScreenCompatibleDC(const TScreenCompatibleDC&) = delete;
  TScreenCompatibleDC& operator=(const TScreenCompatibleDC&) = delete;
  HDC Handle() const { return FHandle; }

private:
  HDC FHandle;
};

BITMAPINFO BitmapInfo(TBitmap* ABitmap, bool ATopDown) {
  BITMAPINFO info;
  std::memset(&info, 0, sizeof(info));
  dxFillBitmapInfoHeader(info.bmiHeader, ABitmap->Width(), ABitmap->Height(), ATopDown);
  return info;
}

// Row by row, for when the system refuses all rows at once.
bool ReadRowByRow(HDC ADC, TBitmap* ABitmap, BITMAPINFO& AInfo, TRGBQuad* AColors, bool ATopDown) {
  const int width = ABitmap->Width(), height = ABitmap->Height();
  bool result = true;
  TRGBColors row(width);
  for (int i = 0; i < height; ++i) {
    const UINT scanLine = ATopDown ? height - 1 - i : i;
    TRGBQuad* destination = AColors + static_cast<size_t>(i) * width;
    if (GetDIBits(ADC, ABitmap->Handle(), scanLine, 1, destination, &AInfo, DIB_RGB_COLORS)) continue;
    std::fill(row.begin(), row.end(), TRGBQuad{});
    const bool rowRead = GetDIBits(ADC, ABitmap->Handle(), scanLine, 1, row.data(), &AInfo, DIB_RGB_COLORS);
    std::memcpy(destination, row.data(), width * sizeof(TRGBQuad));
    result = result && rowRead;
  }
  return result;
}

}  // namespace

TRGBQuad dxColorAsRGBQuad(TColor AColor, uint8_t AReserved) {
  const uint32_t rgb = ColorToRGB(AColor);
  TRGBQuad quad;
  quad.rgbRed = static_cast<uint8_t>(rgb);
  quad.rgbGreen = static_cast<uint8_t>(rgb >> 8);
  quad.rgbBlue = static_cast<uint8_t>(rgb >> 16);
  quad.rgbReserved = AReserved;
  return quad;
}

TRGBQuad dxColorToRGBQuadOrMarker(TColor AColor, uint8_t AReserved) {
  if (AColor == clNone) return QuadOf(0);
  if (AColor == clDefault) return QuadOf(DefaultColorMarker);
  return dxColorAsRGBQuad(AColor, AReserved);
}

TColor dxQuadAsColorAndAlpha(const TRGBQuad& AQuad, uint8_t& AAlpha) {
  const uint32_t value = QuadValue(AQuad);
  AAlpha = 0;
  if (value == 0) return clNone;
  if (value == DefaultColorMarker) return clDefault;
  AAlpha = AQuad.rgbReserved;
  return static_cast<TColor>(AQuad.rgbRed | AQuad.rgbGreen << 8 | AQuad.rgbBlue << 16);
}

TColor dxQuadAsColor(const TRGBQuad& AQuad) {
  uint8_t alpha;
  return dxQuadAsColorAndAlpha(AQuad, alpha);
}

uint32_t dxSwapQuadRedBlue(uint32_t AValue) {
  return (AValue & 0xFF00FF00) | (AValue & 0xFF) << 16 | (AValue >> 16 & 0xFF);
}

int dxBitsPerPixelOf(TBitmap* ABitmap) {
  switch (ABitmap->PixelFormat()) {
    case pf1bit: return 1;
    case pf4bit: return 4;
    case pf8bit: return 8;
    case pf15bit:
    case pf16bit: return 16;
    case pf24bit: return 24;
    case pf32bit: return 32;
    default: return GetDeviceCaps(ABitmap->Canvas()->Handle(), BITSPIXEL);
  }
}

void dxFillBitmapInfoHeader(BITMAPINFOHEADER& AHeader, int AWidth, int AHeight, bool ATopDown) {
  std::memset(&AHeader, 0, sizeof(AHeader));
  AHeader.biSize = sizeof(BITMAPINFOHEADER);
  AHeader.biWidth = AWidth;
  AHeader.biHeight = ATopDown ? -AHeight : AHeight;
  AHeader.biPlanes = 1;
  AHeader.biBitCount = 32;
  AHeader.biCompression = BI_RGB;
}

bool dxReadBitmapColors(TBitmap* ABitmap, TRGBColors& AColors, bool ATopDownDIB) {
  const int width = ABitmap->Width(), height = ABitmap->Height();
  AColors.assign(static_cast<size_t>(width) * height, TRGBQuad{});
  if (width == 0 || height == 0) return false;
  BITMAPINFO info = BitmapInfo(ABitmap, ATopDownDIB);
  const TScreenCompatibleDC dc;
  if (GetDIBits(dc.Handle(), ABitmap->Handle(), 0, height, AColors.data(), &info, DIB_RGB_COLORS) == height)
    return true;
  return ReadRowByRow(dc.Handle(), ABitmap, info, AColors.data(), ATopDownDIB);
}

void dxWriteBitmapColors(TBitmap* ABitmap, const TRGBColors& AColors, bool ATopDownDIB) {
  const int width = ABitmap->Width(), height = ABitmap->Height();
  if (width == 0 || height == 0) return;
  if (AColors.size() < static_cast<size_t>(width) * height)
    throw EInvalidGraphicOperation(Format(L"%d pixels cannot fill a bitmap of %d x %d",
                                          {static_cast<int64_t>(AColors.size()), width, height}));
  BITMAPINFO info = BitmapInfo(ABitmap, ATopDownDIB);
  const TScreenCompatibleDC dc;
  SetDIBits(dc.Handle(), ABitmap->Handle(), 0, height, AColors.data(), &info, DIB_RGB_COLORS);
}

bool dxBitmapUsesAlpha(TBitmap* ABitmap) {
  if (dxBitsPerPixelOf(ABitmap) < 32) return false;
  TRGBColors colors;
  dxReadBitmapColors(ABitmap, colors, false);
  for (const TRGBQuad& pixel : colors)
    if (pixel.rgbReserved != 0) return true;
  return false;
}

bool dxGetBitmapObjectInfo(HBITMAP AHandle, BITMAP& ABitmap) {
  return GetObjectW(AHandle, sizeof(BITMAP), &ABitmap) != 0;
}

bool dxGraphicsAreEqual(TGraphic* A, TGraphic* B) {
  if (!A || !B || A->ClassType() != B->ClassType()) return false;
  if (A->Width() != B->Width() || A->Height() != B->Height()) return false;
  return SameSavedData(A, B);
}
