// The library's bitmaps: batched change notification, the compressed
// stored form, 32-bit alpha helpers and the per-pixel transformations that
// draw glyphs in their states.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "components/core/cxGraphics.h"
#include "components/core/dxCore.h"
#include "vcl/graphics/GdiTypes.h"
#include "vcl/rtl/Streams.h"

namespace {

constexpr char CompressedSignature[4] = {'X', 'D', 'B', 'M'};
constexpr int CompressedHeaderSize = 10;
constexpr int MaxRunLength = 125;

#pragma pack(push, 1)
struct TCompressedHeader {
  int32_t BodyLength;
  char Signature[4];
  int16_t Version;
};
#pragma pack(pop)
static_assert(sizeof(TCompressedHeader) == CompressedHeaderSize);

uint32_t QuadValue(const TRGBQuad& AQuad) {
  uint32_t result;
  std::memcpy(&result, &AQuad, sizeof(result));
  return result;
}

TRGBQuad QuadOf(uint32_t AValue) {
  TRGBQuad result;
  std::memcpy(&result, &AValue, sizeof(result));
  return result;
}

// The pixel's colour as an RGB value (0x00BBGGRR).
uint32_t PixelRGB(const TRGBQuad& APixel) { return RGB(APixel.rgbRed, APixel.rgbGreen, APixel.rgbBlue); }

uint8_t ClampByte(int AValue) { return static_cast<uint8_t>(std::clamp(AValue, 0, 255)); }

void GrayByWeights(TRGBQuad& APixel, float ARed, float AGreen, float ABlue) {
  const uint8_t grey = ClampByte(static_cast<int>(
      std::lround(APixel.rgbRed * ARed + APixel.rgbGreen * AGreen + APixel.rgbBlue * ABlue)));
  APixel.rgbRed = APixel.rgbGreen = APixel.rgbBlue = grey;
}

[[noreturn]] void DamagedData(const wchar_t* AReason) {
  throw EInvalidGraphic(Format(L"Damaged compressed bitmap data: %s", {String(AReason)}));
}

// Blits with a brush of AColor selected into the destination.
void BlitWithBrush(TBitmap* ADest, int X, int Y, int AWidth, int AHeight, TBitmap* ASource, int ASrcX, int ASrcY,
                   TColor AColor, uint32_t ARop) {
  TCanvas* canvas = ADest->Canvas();
  canvas->Brush()->SetColor(AColor);
  canvas->RequiredState(TCanvas::HandleValid | TCanvas::BrushValid);
  BitBlt(canvas->Handle(), X, Y, AWidth, AHeight, ASource->Canvas()->Handle(), ASrcX, ASrcY, ARop);
}

}  // namespace

// ---------------------------------------------------------------- compressed data

void cxWriteCompressedBitmapData(const uint8_t* AData, size_t ASize, int ABlockSize, TStream* AStream) {
  const size_t blockSize = static_cast<size_t>(std::max(ABlockSize, 1));
  const size_t shift = ASize % blockSize;
  const size_t blocks = (ASize - shift) / blockSize;
  const uint8_t* runs = AData + shift;
  auto block = [&](size_t AIndex) { return runs + AIndex * blockSize; };
  auto same = [&](size_t A, size_t B) { return std::memcmp(block(A), block(B), blockSize) == 0; };

  TMemoryStream body;
  const uint8_t head[2] = {static_cast<uint8_t>(blockSize), static_cast<uint8_t>(shift)};
  body.WriteBuffer(head, 2);
  if (shift) body.WriteBuffer(AData, static_cast<int64_t>(shift));
  for (size_t i = 0; i < blocks;) {
    size_t count = 1;
    const bool repeat = i + 1 < blocks && same(i, i + 1);
    if (i + 1 < blocks) {
      size_t reference = i;
      for (size_t j = i + 1; j < blocks && count < MaxRunLength; ++j) {
        if (repeat) {
          if (!same(j, reference)) break;
          ++count;
        } else if (!same(j, reference)) {
          ++count;
          reference = j;
        } else {
          --count;  // the equal block begins the next repeat run
          break;
        }
      }
    }
    const uint8_t code = static_cast<uint8_t>(repeat ? count : count | 0x80);
    body.WriteBuffer(&code, 1);
    body.WriteBuffer(block(i), static_cast<int64_t>(repeat ? blockSize : count * blockSize));
    i += count;
  }
  TCompressedHeader header{static_cast<int32_t>(body.Size()), {}, 2};
  std::memcpy(header.Signature, CompressedSignature, 4);
  AStream->WriteBuffer(&header, sizeof(header));
  AStream->WriteBuffer(body.Memory(), body.Size());
}

bool cxReadCompressedBitmapData(TStream* AStream, TStream* AExpanded) {
  const int64_t start = AStream->Position();
  TCompressedHeader header{};
  if (AStream->Read(&header, sizeof(header)) != sizeof(header) ||
      std::memcmp(header.Signature, CompressedSignature, 4) != 0) {
    AStream->SetPosition(start);
    return false;
  }
  if (header.Version != 1 && header.Version != 2)
    throw EInvalidGraphic(Format(L"Unknown compressed bitmap data version %d", {static_cast<int>(header.Version)}));
  if (header.BodyLength < 0 || header.BodyLength > AStream->Size() - AStream->Position())
    DamagedData(L"the body is shorter than its length says");
  std::vector<uint8_t> body(static_cast<size_t>(header.BodyLength));
  AStream->ReadBuffer(body.data(), static_cast<int64_t>(body.size()));
  size_t at = 0, blockSize = 1;
  if (header.Version == 2) {
    if (body.size() < 2) DamagedData(L"no block size");
    blockSize = body[0];
    const size_t shift = body[1];
    at = 2;
    if (blockSize == 0 || shift >= blockSize || shift > body.size() - at) DamagedData(L"a bad block size");
    AExpanded->WriteBuffer(body.data() + at, static_cast<int64_t>(shift));
    at += shift;
  }
  while (at < body.size()) {
    const uint8_t code = body[at++];
    const size_t count = code & 0x7F;
    const bool literal = code & 0x80;
    const size_t size = literal ? count * blockSize : blockSize;
    if (count == 0 || size > body.size() - at) DamagedData(L"a run beyond the end of the data");
    if (literal)
      AExpanded->WriteBuffer(body.data() + at, static_cast<int64_t>(size));
    else
      for (size_t k = 0; k < count; ++k) AExpanded->WriteBuffer(body.data() + at, static_cast<int64_t>(size));
    at += size;
  }
  return true;
}

// ---------------------------------------------------------------- TcxBitmap

TcxBitmap::TcxBitmap(int AWidth, int AHeight, TPixelFormat APixelFormat) {
  ResetFormatAndSize(AWidth, AHeight, APixelFormat);
}

TcxBitmap::TcxBitmap(const TRect& ARect, TPixelFormat APixelFormat)
    : TcxBitmap(ARect.Width(), ARect.Height(), APixelFormat) {}

TcxBitmap::~TcxBitmap() = default;

TcxCanvas* TcxBitmap::cxCanvas() {
  if (!FcxCanvas) FcxCanvas = std::make_unique<TcxCanvas>(Canvas());
  return FcxCanvas.get();
}

void TcxBitmap::SetSize(int AWidth, int AHeight) {
  AWidth = std::max(AWidth, 0);
  AHeight = std::max(AHeight, 0);
  if (AWidth == Width() && AHeight == Height()) return;
  BeginUpdate();
  try {
    TBitmap::SetSize(AWidth, AHeight);
  } catch (...) {
    EndUpdate(false);
    throw;
  }
  EndUpdate(false);
}

void TcxBitmap::ResetFormatAndSize(int AWidth, int AHeight, TPixelFormat APixelFormat) {
  BeginUpdate();
  try {
    SetPixelFormat(APixelFormat);
    SetSize(AWidth, AHeight);
  } catch (...) {
    EndUpdate(true);
    throw;
  }
  EndUpdate(true);
}

void TcxBitmap::EndUpdate(bool AForceUpdate) {
  if (FLockCount == 0) return;
  if (--FLockCount == 0 && (AForceUpdate || FModified)) Changed();
}

void TcxBitmap::Changed() {
  if (FLockCount > 0) {
    FModified = true;
    return;
  }
  TBitmap::Changed();
  ValidateFormat();
  FModified = false;
}

void TcxBitmap::CopyBitmap(TBitmap* ASrcBitmap, uint32_t ACopyMode) {
  CopyBitmap(ASrcBitmap, ClientRect(), TPoint(), ACopyMode);
}

void TcxBitmap::CopyBitmap(TBitmap* ASrcBitmap, const TRect& ADestRect, const TPoint& ASrcTopLeft,
                           uint32_t ACopyMode) {
  cxBitBltRect(Canvas()->Handle(), ASrcBitmap->Canvas()->Handle(), ADestRect, ASrcTopLeft, ACopyMode);
}

void TcxBitmap::Rotate(TcxRotationAngle ARotationAngle, bool AFlipVertically) {
  TcxCanvas::RotateBitmap(this, ARotationAngle, AFlipVertically);
}

void TcxBitmap::ReadData(TStream* Stream) {
  TMemoryStream expanded;
  if (!cxReadCompressedBitmapData(Stream, &expanded)) return TBitmap::ReadData(Stream);
  expanded.SetPosition(0);
  TBitmap::ReadData(&expanded);
}

void TcxBitmap::WriteData(TStream* Stream) const {
  if (!FCompressData) return TBitmap::WriteData(Stream);
  TMemoryStream plain;
  TBitmap::WriteData(&plain);
  const int bitsPerPixel = PixelFormat() == pf24bit ? 24 : 32;
  cxWriteCompressedBitmapData(static_cast<const uint8_t*>(plain.Memory()), static_cast<size_t>(plain.Size()),
                              bitsPerPixel >= 16 ? bitsPerPixel / 8 : 1, Stream);
}

// ---------------------------------------------------------------- TcxBitmap32

TcxBitmap32::TcxBitmap32(int AWidth, int AHeight, bool AClear) : TcxBitmap(AWidth, AHeight, pf32bit) {
  if (AClear) Clear();
}

bool TcxBitmap32::IsAlphaUsed() { return dxBitmapUsesAlpha(this); }

void TcxBitmap32::GetBitmapColors(TRGBColors& AColors) { dxReadBitmapColors(this, AColors, false); }

void TcxBitmap32::SetBitmapColors(const TRGBColors& AColors) {
  dxWriteBitmapColors(this, AColors, false);
  Changed();
}

void TcxBitmap32::Clear() { cxClearBitmap(this); }

void TcxBitmap32::SetAlphaChannel(uint8_t Alpha) {
  TRGBColors colors;
  GetBitmapColors(colors);
  for (TRGBQuad& pixel : colors) pixel.rgbReserved = Alpha;
  SetBitmapColors(colors);
}

void TcxBitmap32::Darken(uint8_t APercent) {
  const int p = std::min<int>(APercent, 100);
  TRGBColors colors;
  GetBitmapColors(colors);
  for (TRGBQuad& pixel : colors)
    for (BYTE* channel : {&pixel.rgbBlue, &pixel.rgbGreen, &pixel.rgbRed}) *channel = static_cast<BYTE>(p * *channel / 100);
  SetBitmapColors(colors);
}

void TcxBitmap32::Lighten(uint8_t APercent) {
  const int p = std::min<int>(APercent, 100);
  TRGBColors colors;
  GetBitmapColors(colors);
  for (TRGBQuad& pixel : colors)
    for (BYTE* channel : {&pixel.rgbBlue, &pixel.rgbGreen, &pixel.rgbRed})
      *channel = static_cast<BYTE>(std::trunc(255 - p / 100.0 * (255 - *channel)));
  SetBitmapColors(colors);
}

void TcxBitmap32::Invert() { CopyBitmap(this, NOTSRCCOPY); }

void TcxBitmap32::Filter(TcxBitmap32* AMaskBitmap) { CopyBitmap(AMaskBitmap, 0x00220326); }

void TcxBitmap32::RecoverTransparency(TColor ATransparentColor) {
  const uint32_t key = ColorToRGB(ATransparentColor);
  TRGBColors colors;
  GetBitmapColors(colors);
  for (TRGBQuad& pixel : colors) {
    if (PixelRGB(pixel) == key)
      pixel = TRGBQuad{};
    else if (pixel.rgbReserved == 0)
      pixel.rgbReserved = 255;
  }
  SetBitmapColors(colors);
}

void TcxBitmap32::AlphaBlend(TcxBitmap32* ADestBitmap, const TRect& ADestRect, bool ASmoothImage,
                             uint8_t AConstantAlpha) {
  cxAlphaBlendBitmaps(ADestBitmap, this, ADestRect, ClientRect(), ASmoothImage, AConstantAlpha);
}

void TcxBitmap32::LoadFromStream(TStream* Stream) {
  BeginUpdate();
  try {
    TcxBitmap::LoadFromStream(Stream);
  } catch (...) {
    SetPixelFormat(pf32bit);
    EndUpdate(true);
    throw;
  }
  SetPixelFormat(pf32bit);
  EndUpdate(true);
}

void TcxBitmap32::ValidateFormat() {
  if (PixelFormat() != pf32bit) throw EdxException(L"Wrong PixelFormat");
}

// ---------------------------------------------------------------- TcxAlphaBitmap

TcxAlphaBitmap::TcxAlphaBitmap(int AWidth, int AHeight, TRGBQuad ATransparentBkColor)
    : TcxBitmap32(AWidth, AHeight), FTransparentBkColor(ATransparentBkColor) {}

void TcxAlphaBitmap::Clear() {
  if (FTransparentBkColor.rgbReserved != 0)
    TransformBitmap(btmClear);
  else
    TcxBitmap32::Clear();
}

void TcxAlphaBitmap::RefreshImage(int AWidth, int AHeight) {
  SetSize(AWidth, AHeight);
  FTransparentPixels.clear();
  Clear();
}

void TcxAlphaBitmap::RecoverAlphaChannel(TColor ATransparentColor) {
  FTransparentPixels = {ColorToRGB(ATransparentColor)};
  FTransparentBkColor = dxColorAsRGBQuad(ATransparentColor, 0);
  TransformBitmap(btmCorrectBlend);
}

void TcxAlphaBitmap::ExtractLayer(TColor ATransparentColor) {
  FTransparentPixels = {ColorToRGB(ATransparentColor)};
  FTransparentBkColor = dxColorAsRGBQuad(ATransparentColor, 0);
  TransformBitmap(btmExtractLayer);
}

void TcxAlphaBitmap::DrawHatch(const TcxHatchData& AHatchData) {
  FHatchData = AHatchData;
  TransformBitmap(btmHatch);
}

void TcxAlphaBitmap::DrawHatch(TColor AColor1, TColor AColor2, uint8_t AStep, uint8_t AAlpha1, uint8_t AAlpha2) {
  DrawHatch({dxColorAsRGBQuad(AColor1, 255), AAlpha1, dxColorAsRGBQuad(AColor2, 255), AAlpha2, AStep});
}

void TcxAlphaBitmap::Shade(TcxAlphaBitmap* AMaskBitmap) {
  const int w = AMaskBitmap->Width(), h = AMaskBitmap->Height();
  BitBlt(AMaskBitmap->Canvas()->Handle(), 0, 0, w, h, AMaskBitmap->Canvas()->Handle(), 0, 0, PATINVERT);
  CopyBitmap(AMaskBitmap, TRect(1, 1, 1 + w, 1 + h), TPoint(), SRCCOPY);
  BlitWithBrush(this, 0, 0, w, h, AMaskBitmap, 0, 0, clBtnShadow, 0x00E20746);
  TransformBitmap(btmCorrectBlend);
}

void TcxAlphaBitmap::DrawShadow(TcxAlphaBitmap* AMaskBitmap, int AShadowSize, TColor AShadowColor,
                                bool AInflateSize) {
  const int s = AShadowSize, w = Width(), h = Height();
  TcxAlphaBitmap work(w + 2 * s, h + 2 * s, QuadOf(0xFFFFFFFF));
  work.Clear();
  work.CopyBitmap(AMaskBitmap, TRect(s, s, w + s, h + s), TPoint(), SRCCOPY);
  BlitWithBrush(&work, s, s, work.Width(), work.Height(), &work, 0, 0, AShadowColor, 0x00200F09);
  work.SetTransparentBkColor(QuadOf(0));
  work.TransformBitmap(btmCorrectBlend);
  TcxAlphaBitmap result(w + s, h + s);
  result.Clear();
  result.CopyBitmap(this, TRect(0, 0, w, h), TPoint(), SRCCOPY);
  result.CopyBitmap(&work, result.ClientRect(), TPoint(s, s), SRCPAINT);
  if (AInflateSize) SetSize(w + s, h + s);
  CopyBitmap(&result);
}

bool TcxAlphaBitmap::IsTransparentPixel(const TRGBQuad& APixel) const {
  return QuadValue(APixel) == QuadValue(FTransparentBkColor) ||
         std::find(FTransparentPixels.begin(), FTransparentPixels.end(), PixelRGB(APixel)) != FTransparentPixels.end();
}

void TcxAlphaBitmap::TransformBitmap(TcxBitmapTransformationMode AMode) {
  TRGBColors colors;
  GetBitmapColors(colors);
  const int w = Width(), h = Height();
  const TRGBQuad shadow = dxColorAsRGBQuad(clBtnShadow, 0xC0);
  const int step = std::max<int>(FHatchData.Step, 1);
  for (int x = 0; x < w; ++x)
    for (int y = 0; y < h; ++y) {
      TRGBQuad& pixel = colors[x + y * w];
      const bool transparent = IsTransparentPixel(pixel);
      switch (AMode) {
        case btmDingy:
          if (transparent) break;
          if (pixel.rgbReserved == 255) {
            for (BYTE* c : {&pixel.rgbBlue, &pixel.rgbGreen, &pixel.rgbRed}) *c = ClampByte(*c + MulDiv(255 - *c, 3, 10));
          } else {
            for (BYTE* c : {&pixel.rgbBlue, &pixel.rgbGreen, &pixel.rgbRed, &pixel.rgbReserved})
              *c = ClampByte(MulDiv(*c, 200, 255));
          }
          break;
        case btmDirty:
          if (transparent) break;
          GrayByWeights(pixel, 0.299f, 0.587f, 0.114f);
          cxBlendColorIntoPixel(QuadValue(shadow), pixel, 238);
          break;
        case btmGrayScale:
          if (!transparent)
            pixel.rgbRed = pixel.rgbGreen = pixel.rgbBlue =
                static_cast<BYTE>((pixel.rgbRed + pixel.rgbGreen + pixel.rgbBlue) / 3);
          break;
        case btmSetOpaque: pixel.rgbReserved = 255; break;
        case btmMakeMask: pixel = QuadOf(transparent ? 0xFFFFFFFF : 0); break;
        case btmFade:
          if (!transparent) GrayByWeights(pixel, 0.299f, 0.587f, 0.114f);
          break;
        case btmDisable:
          if (!transparent) GrayByWeights(pixel, 0.0729f, 0.7146f, 0.2125f);
          break;
        case btmCorrectBlend:
          if (pixel.rgbReserved == 0 && !transparent) pixel.rgbReserved = 255;
          break;
        case btmHatch:
          if ((x / step + y / step) % 2)
            cxBlendColorIntoPixel(QuadValue(FHatchData.Color2), pixel, FHatchData.Alpha2);
          else
            cxBlendColorIntoPixel(QuadValue(FHatchData.Color1), pixel, FHatchData.Alpha1);
          break;
        case btmClear: pixel = FTransparentBkColor; break;
        case btmResetAlpha: pixel.rgbReserved = 0; break;
        case btmExtractLayer:
          if (transparent) pixel = TRGBQuad{};
          break;
      }
    }
  SetBitmapColors(colors);
}

// ---------------------------------------------------------------- unit routines

void cxClearBitmap(TBitmap* ABitmap) {
  if (ABitmap->Empty()) return;
  RECT bounds{0, 0, ABitmap->Width(), ABitmap->Height()};
  FillRect(ABitmap->Canvas()->Handle(), &bounds, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

void cxResizeBitmapContent(TBitmap* ABitmap, int AWidth, int AHeight, bool AStretch, bool ASmooth, TColor AColor) {
  TcxBitmap32 content(ABitmap->Width(), ABitmap->Height());
  content.CopyBitmap(ABitmap);
  // Content without alpha is opaque: blended as it is, it would vanish.
  if (AStretch && !content.IsAlphaUsed()) content.MakeOpaque();
  ABitmap->SetSize(AWidth, AHeight);
  if (AStretch || AColor == clNone) {
    if (auto* bitmap32 = dynamic_cast<TcxBitmap32*>(ABitmap))
      bitmap32->Clear();
    else
      cxClearBitmap(ABitmap);
  } else {
    cxFillRectSolid(ABitmap->Canvas()->Handle(), TRect(0, 0, AWidth, AHeight), AColor);
  }
  if (AStretch) {
    cxAlphaBlendBitmaps(ABitmap, &content, TRect(0, 0, AWidth, AHeight), content.ClientRect(), ASmooth);
  } else {
    const int left = static_cast<int>(std::floor((AWidth - content.Width()) / 2.0));
    const int top = static_cast<int>(std::floor((AHeight - content.Height()) / 2.0));
    cxBitBltRect(ABitmap->Canvas()->Handle(), content.Canvas()->Handle(),
                 TRect(left, top, left + content.Width(), top + content.Height()), TPoint(), SRCCOPY);
  }
}

TcxAlphaBitmap* cxCreateAlphaBitmapCopy(TBitmap* ABitmap) {
  auto* result = new TcxAlphaBitmap(ABitmap->Width(), ABitmap->Height());
  result->CopyBitmap(ABitmap);
  return result;
}

void cxBuildMaskBitmap(TBitmap* ASource, TBitmap* AMask) {
  std::unique_ptr<TcxAlphaBitmap> copy(cxCreateAlphaBitmapCopy(ASource));
  if (!copy->IsAlphaUsed()) copy->RecoverAlphaChannel(ASource->TransparentColor());
  copy->TransformBitmap(btmMakeMask);
  cxBitBltRect(AMask->Canvas()->Handle(), copy->Canvas()->Handle(), copy->ClientRect(), TPoint(), SRCCOPY);
}

// ---------------------------------------------------------------- glyphs

void cxDrawGlyphOrImage(HDC ADC, const TRect& AImageRect, const TRect& ABackgroundRect, TBitmap* AGlyph,
                        TCustomImageList* AImages, int AImageIndex, TcxGlyphDrawState AState, bool ASmoothImage,
                        HBRUSH ABackgroundBrush, TColor ATransparentColor, bool AUseGlyphTransparentColor) {
  const bool fromGlyph = cxGlyphPresent(AGlyph);
  if ((!fromGlyph && !cxImageIndexValid(AImages, AImageIndex)) || ABackgroundRect.IsEmpty()) return;
  TcxAlphaBitmap drawBitmap(ABackgroundRect.Width(), ABackgroundRect.Height());
  const TRect drawBounds = drawBitmap.ClientRect();
  if (ABackgroundBrush)
    FillRect(drawBitmap.Canvas()->Handle(), AsRECT(drawBounds), ABackgroundBrush);
  else
    cxBitBltRect(drawBitmap.Canvas()->Handle(), ADC, drawBounds, ABackgroundRect.TopLeft(), SRCCOPY);

  TcxAlphaBitmap image(fromGlyph ? AGlyph->Width() : AImages->Width(), fromGlyph ? AGlyph->Height() : AImages->Height());
  bool deepSource;
  if (fromGlyph) {
    image.CopyBitmap(AGlyph);
    deepSource = AGlyph->PixelFormat() == pf32bit;
  } else {
    TcxImageList::GetImageInfo(AImages, AImageIndex, &image, nullptr);
    deepSource = AImages->ColorDepth() == cd32Bit || AImages->ColorDepth() == cdDeviceDependent;
  }
  const bool hasAlpha = deepSource && image.IsAlphaUsed();
  if (!hasAlpha) image.TransformBitmap(btmSetOpaque);

  TcxAlphaBitmap mask(image.Width(), image.Height());
  mask.CopyBitmap(&image);
  if (!hasAlpha) {
    if (!fromGlyph) {
      // The list's own mask: white where the entry is transparent.
      TcxAlphaBitmap listMask(image.Width(), image.Height());
      TcxImageList::GetImageInfo(AImages, AImageIndex, nullptr, &listMask);
      listMask.TransformBitmap(btmCorrectBlend);
      mask.Filter(&listMask);
    }
    if (ATransparentColor != clNone) mask.TransparentPixels().push_back(ColorToRGB(ATransparentColor));
    if (AUseGlyphTransparentColor && fromGlyph)
      mask.TransparentPixels().push_back(ColorToRGB(AGlyph->TransparentColor()));
  }
  mask.TransformBitmap(btmMakeMask);
  image.Filter(&mask);

  uint8_t constantAlpha = 255;
  TRect target = AImageRect;
  switch (AState) {
    case gdsDisabled:
      if (hasAlpha) {
        image.TransformBitmap(btmDisable);
        constantAlpha = 151;
      } else {
        image.TransformBitmap(btmDirty);
        image.DrawShadow(&mask, 1, clBtnHighlight, false);
      }
      break;
    case gdsFaded:
      image.TransformBitmap(btmFade);
      constantAlpha = 64;
      break;
    case gdsGrayScale: image.TransformBitmap(btmGrayScale); break;
    case gdsDingy: image.TransformBitmap(btmDingy); break;
    case gdsShadowed:
      image.DrawShadow(&mask, 2, clBtnShadow, true);
      target = TRect(target.Left - 1, target.Top - 1, target.Right + 1, target.Bottom + 1);
      break;
    case gdsNormal: break;
  }
  target.Offset(-ABackgroundRect.Left, -ABackgroundRect.Top);
  image.AlphaBlend(&drawBitmap, target, ASmoothImage, constantAlpha);
  cxPaintBitmapToDC(ADC, &drawBitmap, ABackgroundRect, TPoint(), SRCCOPY);
}

TSize cxGlyphOrListImageSize(TGraphic* AGlyph, TCustomImageList* AImages, int AIndex) {
  if (cxGraphicPresent(AGlyph)) return TSize(AGlyph->Width(), AGlyph->Height());
  if (cxImageIndexValid(AImages, AIndex)) return TSize(AImages->Width(), AImages->Height());
  return TSize();
}

TSize cxPictureSize(TPicture* APicture) {
  return cxPicturePresent(APicture) ? TSize(APicture->Width(), APicture->Height()) : TSize();
}

void cxDrawFittedImage(TcxCanvas* ACanvas, const TRect& R, TGraphic* AGraphic, TCustomImageList* AImages,
                       int AImageIndex, TcxImageFitMode AFitMode, TcxGlyphDrawState AState,
                       bool AUseGlyphTransparentColor) {
  const TSize size = cxGlyphOrListImageSize(AGraphic, AImages, AImageIndex);
  if (size.cx == 0 && size.cy == 0) return;
  TRect target;
  cxFitRectForImageCentered(R, size, AFitMode, target);
  cxDrawGlyphOrImage(ACanvas->Handle(), target, target, dynamic_cast<TBitmap*>(AGraphic), AImages, AImageIndex, AState,
                     false, nullptr, clNone, AUseGlyphTransparentColor);
}

void cxDrawFittedGraphic(TcxCanvas* ACanvas, const TRect& R, TGraphic* AGraphic, TcxImageFitMode AFitMode) {
  if (!cxGraphicPresent(AGraphic)) return;
  if (auto* bitmap = dynamic_cast<TBitmap*>(AGraphic))
    return cxDrawFittedImage(ACanvas, R, bitmap, nullptr, -1, AFitMode, gdsNormal, bitmap->Transparent());
  TRect target;
  cxFitRectForImageCentered(R, TSize(AGraphic->Width(), AGraphic->Height()), AFitMode, target);
  ACanvas->StretchDraw(target, AGraphic);
}
