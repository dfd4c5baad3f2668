// The image: a TGraphic whose pixels live in GDI+, made from its image data
// (pixels or encoded bytes) when first needed.
#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <cstring>

#include "components/core/dxGdiPlusClasses.h"
#include "vcl/controls/Clipbrd.h"
#include "vcl/graphics/Canvas.h"
#include "vcl/graphics/Metafile.h"
#include "vcl/rtl/StreamAdapter.h"

namespace {

// The raw-format GUIDs of GDI+ differ in their first field only.
GUID ImageFormatGuid(uint32_t AFirst) {
  return {AFirst, 0x0728, 0x11D3, {0x9D, 0x7B, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
}

TdxImageDataFormat FormatOfRawFormat(const GUID& AGuid) {
  static const std::pair<uint32_t, TdxImageDataFormat> formats[] = {
      {0xB96B3CAA, dxImageMemoryBmp}, {0xB96B3CAB, dxImageBitmap}, {0xB96B3CAC, dxImageEmf},
      {0xB96B3CAD, dxImageWmf},       {0xB96B3CAE, dxImageJpeg},   {0xB96B3CAF, dxImagePng},
      {0xB96B3CB0, dxImageGif},       {0xB96B3CB1, dxImageTiff},   {0xB96B3CB5, dxImageIcon}};
  for (const auto& [first, format] : formats)
    if (AGuid == ImageFormatGuid(first)) return format;
  return dxImageUnknown;
}

std::array<uint32_t, 11> ClipboardFormats{};

TRGBQuad QuadOf(TdxAlphaColor AColor) {
  TRGBQuad quad;
  std::memcpy(&quad, &AColor, sizeof(quad));
  return quad;
}

bool SameQuad(const TRGBQuad& A, const TRGBQuad& B) { return std::memcmp(&A, &B, sizeof(A)) == 0; }

uint32_t BigEndian(const uint8_t* AData, int ACount) {
  uint32_t value = 0;
  for (int i = 0; i < ACount; ++i) value = value << 8 | AData[i];
  return value;
}

uint32_t LittleEndian(const uint8_t* AData, int ACount) {
  uint32_t value = 0;
  for (int i = ACount; i-- > 0;) value = value << 8 | AData[i];
  return value;
}

// The size the header of a PNG, GIF, BMP or JPEG claims; nothing for bytes
// of another kind (or too few to tell).
std::optional<TSize> ClaimedSize(const uint8_t* AData, size_t ASize) {
  static const uint8_t png[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  auto size = [](uint32_t AWidth, uint32_t AHeight) {
    return TSize(static_cast<int>(std::min<uint32_t>(AWidth, INT32_MAX)),
                 static_cast<int>(std::min<uint32_t>(AHeight, INT32_MAX)));
  };
  if (ASize >= 24 && std::memcmp(AData, png, 8) == 0 && std::memcmp(AData + 12, "IHDR", 4) == 0)
    return size(BigEndian(AData + 16, 4), BigEndian(AData + 20, 4));
  if (ASize >= 10 && (std::memcmp(AData, "GIF87a", 6) == 0 || std::memcmp(AData, "GIF89a", 6) == 0))
    return size(LittleEndian(AData + 6, 2), LittleEndian(AData + 8, 2));
  if (ASize >= 26 && AData[0] == 'B' && AData[1] == 'M') {
    if (LittleEndian(AData + 14, 4) == 12) return size(LittleEndian(AData + 18, 2), LittleEndian(AData + 20, 2));
    const auto width = static_cast<int32_t>(LittleEndian(AData + 18, 4));
    const auto height = static_cast<int32_t>(LittleEndian(AData + 22, 4));
    return size(static_cast<uint32_t>(std::abs(int64_t{width})), static_cast<uint32_t>(std::abs(int64_t{height})));
  }
  if (ASize >= 4 && AData[0] == 0xFF && AData[1] == 0xD8) {
    // The segments up to the first frame header, which holds the size.
    for (size_t at = 2; at + 4 <= ASize && AData[at] == 0xFF;) {
      const uint8_t marker = AData[at + 1];
      if (marker == 0xD9 || marker == 0xDA) break;
      const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
      if (frame && at + 9 <= ASize) return size(BigEndian(AData + at + 7, 2), BigEndian(AData + at + 5, 2));
      at += 2 + BigEndian(AData + at + 2, 2);
    }
  }
  return std::nullopt;
}

void CheckImageSize(const TSize& ASize) {
  if (ASize.cx > dxMaxImageSide || ASize.cy > dxMaxImageSide || int64_t{ASize.cx} * ASize.cy > dxMaxImagePixels)
    throw EdxException(Format(L"The picture is too large: %d x %d pixels (at most %d a side and %d in all)",
                              {ASize.cx, ASize.cy, dxMaxImageSide, dxMaxImagePixels}));
}

// The pixels of a 32-bit bitmap handle, top-down.
TRGBColors ReadHBitmap(HBITMAP ABitmap, int AWidth, int AHeight) {
  TRGBColors colors(static_cast<size_t>(AWidth) * AHeight);
  BITMAPINFO info{};
  dxFillBitmapInfoHeader(info.bmiHeader, AWidth, AHeight, true);
  HDC dc = CreateCompatibleDC(nullptr);
  GetDIBits(dc, ABitmap, 0, AHeight, colors.data(), &info, DIB_RGB_COLORS);
  DeleteDC(dc);
  return colors;
}

// Disposes a GDI+ image unless ownership was taken with Release.
class TImageHolder {
public:
  explicit TImageHolder(void* AImage) : FImage(AImage) {}
  ~TImageHolder() {
    if (FImage) GdipDisposeImage(FImage);
  }
  TImageHolder(const TImageHolder&) = delete;
  TImageHolder& operator=(const TImageHolder&) = delete;
  void* Get() const { return FImage; }
  void* Release() { return std::exchange(FImage, nullptr); }

private:
  void* FImage;
};

}  // namespace

uint32_t dxCalcCrc32(const void* AData, int ACount) {
  static const std::array<uint32_t, 256> table = [] {
    std::array<uint32_t, 256> result{};
    for (uint32_t i = 0; i < 256; ++i) {
      uint32_t c = i;
      for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      result[i] = c;
    }
    return result;
  }();
  if (ACount <= 0) return 0;
  uint32_t crc = 0xFFFFFFFF;
  const auto* bytes = static_cast<const uint8_t*>(AData);
  for (int i = 0; i < ACount; ++i) crc = table[(crc ^ bytes[i]) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFF;
}

CLSID dxGetImageEncoder(TdxImageDataFormat AFormat) {
  const TdxGpImageCodecs& codecs = dxGpImageCodecs;
  switch (AFormat) {
    case dxImageBitmap:
    case dxImageMemoryBmp: return codecs.BmpEncoder;
    case dxImageJpeg: return codecs.JpegEncoder;
    case dxImagePng: return codecs.PngEncoder;
    case dxImageTiff: return codecs.TiffEncoder;
    case dxImageGif: return codecs.GifEncoder;
    case dxImageEmf:
    case dxImageIcon:
    case dxImageWmf: return CLSID{};
    default: throw EdxException(L"dxGetImageEncoder fails");
  }
}

uint32_t dxGetImageClipboardFormat(TdxImageDataFormat AFormat) {
  return ClipboardFormats[static_cast<size_t>(AFormat)];
}

void dxSetImageClipboardFormat(TdxImageDataFormat AFormat, uint32_t AClipboardFormat) {
  ClipboardFormats[static_cast<size_t>(AFormat)] = AClipboardFormat;
}

// ---------------------------------------------------------------- streams

void* TdxGPMemoryStream::Realloc(int64_t& NewCapacity) {
  if (NewCapacity == Capacity()) return Memory();
  void* block = nullptr;
  if (NewCapacity > 0) {
    block = dxEnsureGdiPlus() ? GdipAlloc(static_cast<size_t>(NewCapacity)) : nullptr;
    if (!block) throw EStreamError(L"Out of memory while expanding memory stream");
    if (Memory()) std::memcpy(block, Memory(), static_cast<size_t>(std::min(Capacity(), NewCapacity)));
  }
  if (Memory()) GdipFree(Memory());
  return block;
}

HRESULT TdxGPStreamAdapter::Stat(STATSTG* AStat, DWORD AFlag) {
  if (!AStat) return S_OK;
  try {
    *AStat = STATSTG{};
    return TStreamAdapter::Stat(AStat, AFlag);
  } catch (...) {
    return E_UNEXPECTED;
  }
}

// ---------------------------------------------------------------- TdxGPImageData

void TdxGPImageData::Clear() {
  FBits.clear();
  FBitsBounds = TSize();
  FData.reset();
  FNewSize = TSize();
}

void TdxGPImageData::LoadFromBits(int AWidth, int AHeight, const TRGBColors& ABits, bool AHasAlphaChannel) {
  if (AWidth <= 0 || AHeight <= 0 || ABits.size() < static_cast<size_t>(AWidth) * AHeight)
    throw EdxException(Format(L"%d pixels cannot make an image of %d x %d",
                              {static_cast<int64_t>(ABits.size()), AWidth, AHeight}));
  Clear();
  // A copy of its own: the caller's array stays as it was.
  FBits.assign(ABits.begin(), ABits.begin() + static_cast<ptrdiff_t>(AWidth) * AHeight);
  FBitsBounds = TSize(AWidth, AHeight);
  if (!AHasAlphaChannel) ComputeAlpha();
}

void TdxGPImageData::ComputeAlpha() {
  const TRGBQuad reference = TransparentMode == tmFixed
                                 ? dxColorAsRGBQuad(TransparentColor, 0)
                                 : FBits[static_cast<size_t>(FBitsBounds.cy - 1) * FBitsBounds.cx];
  for (TRGBQuad& pixel : FBits) {
    if (Transparent && SameQuad(pixel, reference))
      pixel = TRGBQuad{};  // premultiplied: a transparent pixel has no colour
    else
      pixel.rgbReserved = 255;
  }
}

void TdxGPImageData::LoadFromStream(TStream* AStream) {
  Clear();
  const int64_t left = AStream->Size() - AStream->Position();
  if (left <= 0) return;
  FData = std::make_unique<TdxGPMemoryStream>();
  FData->CopyFrom(AStream, left);
  FData->SetPosition(0);
}

void TdxGPImageData::Assign(TdxGPImageData* ASource) {
  Clear();
  Transparent = ASource->Transparent;
  TransparentColor = ASource->TransparentColor;
  TransparentMode = ASource->TransparentMode;
  FBits = ASource->FBits;
  FBitsBounds = ASource->FBitsBounds;
  FNewSize = ASource->FNewSize;
  if (ASource->FData) {
    FData = std::make_unique<TdxGPMemoryStream>();
    FData->CopyFrom(ASource->FData.get(), 0);
    FData->SetPosition(0);
  }
}

// ---------------------------------------------------------------- creation

TdxGPImage::TdxGPImage() : FImageData(std::make_unique<TdxGPImageData>()) {}

TdxGPImage::TdxGPImage(const TSize& ASize, TdxAlphaColor AColor) : TdxGPImage() {
  FImageData->LoadFromBits(ASize.cx, ASize.cy, TRGBColors(static_cast<size_t>(std::max(ASize.cx, 0)) *
                                                              std::max(ASize.cy, 0), QuadOf(AColor)), true);
}

TdxGPImage::TdxGPImage(int AWidth, int AHeight, TdxAlphaColor AColor) : TdxGPImage(TSize(AWidth, AHeight), AColor) {}

TdxGPImage::TdxGPImage(TBitmap* ABitmap) : TdxGPImage() { AssignFromBitmap(ABitmap); }

TdxGPImage::TdxGPImage(HBITMAP ABitmap) : TdxGPImage() {
  dxCheckGpStatus(GdipCreateBitmapFromHBITMAP(ABitmap, nullptr, &FHandle));
  UpdateImageDataFormat();
}

TdxGPImage::TdxGPImage(int AWidth, int AHeight, const TRGBColors& ABits, bool AHasAlphaChannel) : TdxGPImage() {
  FImageData->LoadFromBits(AWidth, AHeight, ABits, AHasAlphaChannel);
}

TdxGPImage::TdxGPImage(TStream* AStream) : TdxGPImage() {
  const TNotifyEvent onChange = std::exchange(OnChange, nullptr);
  LoadFromStream(AStream);
  OnChange = onChange;
}

TdxGPImage::~TdxGPImage() {
  FAnimationController.reset();
  FreeImageHandle();
}

// ---------------------------------------------------------------- handle

void* TdxGPImage::Handle() const {
  HandleNeeded();
  return FHandle;
}

void TdxGPImage::HandleNeeded() const {
  if (!IsHandleReady()) CreateHandleFromImageData();
}

void TdxGPImage::CreateHandleFromImageData() const {
  if (FImageData->FBits.empty() && FImageData->FData) {
    TMemoryStream& encoded = *FImageData->FData;
    if (const auto claimed = ClaimedSize(static_cast<const uint8_t*>(encoded.Memory()), static_cast<size_t>(encoded.Size())))
      CheckImageSize(*claimed);
    FImageData->FData->SetPosition(0);
    if (IsBitmapStream(FImageData->FData.get())) {
      // BMP data always becomes pixels.
      TBitmap bitmap;
      try {
        bitmap.LoadFromStream(FImageData->FData.get());
      } catch (const Exception& e) {
        throw EdxException(e.Message());
      }
      const_cast<TdxGPImage*>(this)->AssignFromBitmap(&bitmap);
    }
  }
  TdxGPImageData& data = *FImageData;
  void* handle = nullptr;
  if (!data.FBits.empty()) {
    dxCheckGpStatus(GdipCreateBitmapFromScan0(data.FBitsBounds.cx, data.FBitsBounds.cy, data.FBitsBounds.cx * 4,
                                              PixelFormat32bppPARGB, reinterpret_cast<BYTE*>(data.FBits.data()),
                                              &handle));
  } else {
    // GDI+ reads from the data stream for the image's lifetime.
    data.FData->SetPosition(0);
    auto* adapter = new TdxGPStreamAdapter(data.FData.get());
    const Status status = GdipLoadImageFromStream(adapter, &handle);
    adapter->Release();
    dxCheckGpStatus(status);
    UINT width = 0, height = 0;
    GdipGetImageWidth(handle, &width);
    GdipGetImageHeight(handle, &height);
    try {
      CheckImageSize(TSize(static_cast<int>(std::min<UINT>(width, INT32_MAX)), static_cast<int>(std::min<UINT>(height, INT32_MAX))));
    } catch (...) {
      GdipDisposeImage(handle);
      throw;
    }
  }
  FHandle = handle;
  UpdateImageDataFormat();
  const TSize newSize = data.FNewSize;
  if (newSize.cx > 0 && newSize.cy > 0) const_cast<TdxGPImage*>(this)->Resize(newSize);
  if (FImageDataFormat == dxImageUnknown) const_cast<TdxGPImage*>(this)->ConvertToBitmap();
}

void TdxGPImage::UpdateImageDataFormat() const {
  GUID format{};
  FImageDataFormat = FHandle && GdipGetImageRawFormat(FHandle, &format) == Ok ? FormatOfRawFormat(format)
                                                                              : dxImageUnknown;
}

void TdxGPImage::FreeImageHandle() const {
  if (FHandle) {
    GdipDisposeImage(FHandle);
    FHandle = nullptr;
    FImageDataFormat = dxImageUnknown;
  }
  FImageData->Clear();
}

void TdxGPImage::TakeHandle(void* AHandle) {
  FreeImageHandle();
  FHandle = AHandle;
  UpdateImageDataFormat();
}

void TdxGPImage::SetHandle(void* AValue) {
  if (AValue == FHandle) return;
  TakeHandle(AValue);
  Changed();
}

// A stream too short for the file header is no bitmap; GDI+ then reports
// what it makes of it.
bool TdxGPImage::IsBitmapStream(TStream* AStream) const {
  BITMAPFILEHEADER header;
  const int64_t read = AStream->Read(&header, sizeof(header));
  AStream->Seek(-read, soCurrent);
  return read == sizeof(header) && header.bfType == 0x4D42;
}

TdxImageDataFormat TdxGPImage::ImageDataFormat() const {
  HandleNeeded();
  return FImageDataFormat;
}

TSize TdxGPImage::Size() const {
  HandleNeeded();
  if (!FHandle) return {};
  UINT width = 0, height = 0;
  dxCheckGpStatus(GdipGetImageWidth(FHandle, &width));
  dxCheckGpStatus(GdipGetImageHeight(FHandle, &height));
  return {static_cast<int32_t>(width), static_cast<int32_t>(height)};
}

bool TdxGPImage::Empty() const {
  const TSize size = Size();
  return size.cx <= 0 || size.cy <= 0;
}

void TdxGPImage::Changed() {
  FIsAlphaUsedAssigned = false;
  TGraphic::Changed();
}

// ---------------------------------------------------------------- loading

void TdxGPImage::LoadFromStream(TStream* AStream) {
  // The new content is made and checked before the old one goes, so that a
  // stream GDI+ cannot read leaves the image as it was.
  auto data = std::make_unique<TdxGPImageData>();
  data->LoadFromStream(AStream);
  std::swap(FImageData, data);
  void* const oldHandle = std::exchange(FHandle, nullptr);
  const TdxImageDataFormat oldFormat = FImageDataFormat;
  try {
    HandleNeeded();
  } catch (...) {
    if (FHandle) GdipDisposeImage(FHandle);
    FHandle = oldHandle;
    FImageDataFormat = oldFormat;
    std::swap(FImageData, data);
    throw;
  }
  if (oldHandle) GdipDisposeImage(oldHandle);
  if (FHandle) SelectActiveFrame(std::min(FActiveFrame, std::max(AnimationFrameCount(), 1u) - 1));
  Changed();
}

void TdxGPImage::LoadFromBits(int AWidth, int AHeight, const TRGBColors& ABits, bool AHasAlphaChannel) {
  auto data = std::make_unique<TdxGPImageData>();
  data->Transparent = FImageData->Transparent;
  data->TransparentColor = FImageData->TransparentColor;
  data->TransparentMode = FImageData->TransparentMode;
  data->LoadFromBits(AWidth, AHeight, ABits, AHasAlphaChannel);
  FreeImageHandle();
  FImageData = std::move(data);
  Changed();
}

void TdxGPImage::LoadFromResource(HINSTANCE AInstance, const String& AResName, const wchar_t* AResType) {
  TResourceStream stream(AInstance, AResName, AResType);
  LoadFromStream(&stream);
}

void TdxGPImage::LoadFromFieldValue(const Variant& AValue) {
  if (!dxVarIsBinaryData(AValue)) return;
  const std::string bytes = dxVariantToAnsiBytes(AValue);
  if (bytes.size() < 8) return;
  TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  uint16_t first, second;
  uint32_t size;
  std::memcpy(&first, bytes.data(), 2);
  std::memcpy(&second, bytes.data() + 2, 2);
  std::memcpy(&size, bytes.data() + 4, 4);
  const bool hasHeader = first == 1 && second == 0x0100 && size == bytes.size() - 8;
  stream.SetPosition(hasHeader ? 8 : 0);
  if (stream.Position() < stream.Size()) LoadFromStream(&stream);
}

void TdxGPImage::SetBitmap(TBitmap* ABitmap) {
  AssignFromBitmap(ABitmap);
  Changed();
}

// ---------------------------------------------------------------- assignment

void TdxGPImage::Assign(TPersistent* ASource) {
  if (!ASource) return Clear();
  if (auto* image = dynamic_cast<TdxGPImage*>(ASource)) return AssignFromGPImage(image);
  if (auto* graphic = dynamic_cast<TGraphic*>(ASource)) return AssignFromGraphic(graphic);
  if (dynamic_cast<TClipboard*>(ASource)) return PasteFromClipboard();
  TGraphic::Assign(ASource);
}

void TdxGPImage::AssignFromGPImage(TdxGPImage* AImage) {
  if (AImage == this) return;
  if (AImage->Empty()) return Clear();
  if (!AImage->FImageData->Empty()) {
    auto data = std::make_unique<TdxGPImageData>();
    data->Assign(AImage->FImageData.get());
    FreeImageHandle();
    FImageData = std::move(data);
    Changed();
  } else if (AImage->ImageDataFormat() == dxImageBitmap || AImage->ImageDataFormat() == dxImageMemoryBmp) {
    SetBitmap(AImage->GetAsBitmap().get());
  } else {
    TMemoryStream stream;
    AImage->SaveToStream(&stream);
    stream.SetPosition(0);
    LoadFromStream(&stream);
  }
}

void TdxGPImage::AssignFromGraphic(TGraphic* AGraphic) {
  if (auto* bitmap = dynamic_cast<TBitmap*>(AGraphic)) return SetBitmap(bitmap);
  if (dynamic_cast<TMetafile*>(AGraphic)) {
    TMemoryStream stream;
    AGraphic->SaveToStream(&stream);
    stream.SetPosition(0);
    return LoadFromStream(&stream);
  }
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(AGraphic->Width(), AGraphic->Height());
  bitmap.Canvas()->Draw(0, 0, AGraphic);
  SetBitmap(&bitmap);
}

void TdxGPImage::AssignFromBitmap(TBitmap* ABitmap) {
  TdxGPImageData& data = *FImageData;
  data.Transparent = data.Transparent || ABitmap->Transparent();
  data.TransparentColor = ABitmap->TransparentColor();
  data.TransparentMode = ABitmap->TransparentMode();
  TRGBColors colors;
  if (!dxReadBitmapColors(ABitmap, colors, true)) return;
  bool hasAlpha = false;
  if (dxBitsPerPixelOf(ABitmap) == 32) {
    bool allZero = true;
    for (const TRGBQuad& pixel : colors) {
      hasAlpha = hasAlpha || pixel.rgbReserved != 0;
      allZero = allZero && SameQuad(pixel, TRGBQuad{});
    }
    hasAlpha = hasAlpha || allZero;
  }
  auto newData = std::make_unique<TdxGPImageData>();
  newData->Transparent = data.Transparent;
  newData->TransparentColor = data.TransparentColor;
  newData->TransparentMode = data.TransparentMode;
  newData->LoadFromBits(ABitmap->Width(), ABitmap->Height(), colors, hasAlpha);
  FreeImageHandle();
  FImageData = std::move(newData);
}

void TdxGPImage::AssignTo(TPersistent* ADest) {
  if (auto* image = dynamic_cast<TdxGPImage*>(ADest)) return image->Assign(this);
  if (auto* bitmap = dynamic_cast<TBitmap*>(ADest)) return bitmap->Assign(GetAsBitmap().get());
  if (auto* metafile = dynamic_cast<TMetafile*>(ADest)) {
    const std::unique_ptr<TdxGPMemoryStream> encoded = Encode(metafile->Enhanced() ? dxImageEmf : dxImageWmf);
    return metafile->LoadFromStream(encoded.get());
  }
  TGraphic::AssignTo(ADest);
}

void TdxGPImage::Clear() {
  if (!FHandle && FImageData->Empty()) return;
  FreeImageHandle();
  Changed();
}

// ---------------------------------------------------------------- saving

std::unique_ptr<TdxGPMemoryStream> TdxGPImage::Encode(TdxImageDataFormat AFormat) const {
  const CLSID encoder = dxGetImageEncoder(AFormat);
  auto stream = std::make_unique<TdxGPMemoryStream>();
  const bool multiFrame = AnimationFrameCount() > 1 && (AFormat == dxImageTiff || AFormat == dxImageGif);
  if (!dxGpIsCodecEmpty(encoder) && !multiFrame) {
    auto* adapter = new TdxGPStreamAdapter(stream.get());
    const Status status = GdipSaveImageToStream(Handle(), adapter, &encoder, nullptr);
    adapter->Release();
    dxCheckGpStatus(status);
  } else if (AFormat == dxImageEmf || AFormat == dxImageWmf) {
    EncodeAsMetafile(stream.get(), AFormat == dxImageEmf);
  } else if (FImageData->FData && (!multiFrame || FImageDataFormat == AFormat)) {
    // A format GDI+ cannot write, or every frame of an animation: the bytes
    // the image was loaded from.
    stream->CopyFrom(FImageData->FData.get(), 0);
  } else {
    throw EdxException(L"GDI+ has no encoder for this image format");
  }
  stream->SetPosition(0);
  return stream;
}

void TdxGPImage::EncodeAsMetafile(TStream* AStream, bool AEnhanced) const {
  TMetafile metafile;
  const TdxImageDataFormat format = ImageDataFormat();
  if ((format == dxImageEmf || format == dxImageWmf) && FImageData->FData) {
    FImageData->FData->SetPosition(0);
    metafile.LoadFromStream(FImageData->FData.get());
  } else {
    metafile.SetWidth(Width());
    metafile.SetHeight(Height());
    TMetafileCanvas canvas(&metafile, nullptr);
    canvas.Draw(0, 0, const_cast<TdxGPImage*>(this));
  }
  metafile.SetEnhanced(AEnhanced);
  metafile.SaveToStream(AStream);
}

void TdxGPImage::SaveToStream(TStream* AStream) const { SaveToStreamByCodec(AStream, ImageDataFormat()); }

void TdxGPImage::SaveToStreamByCodec(TStream* AStream, TdxImageDataFormat AImageFormat) const {
  HandleNeeded();
  if (!FHandle) return;
  const std::unique_ptr<TdxGPMemoryStream> encoded = Encode(AImageFormat);
  if (encoded->Size() > 0) AStream->CopyFrom(encoded.get(), 0);
}

void TdxGPImage::SetImageDataFormat(TdxImageDataFormat AValue) {
  if (AValue == ImageDataFormat()) return;
  const std::unique_ptr<TdxGPMemoryStream> encoded = Encode(AValue);
  LoadFromStream(encoded.get());
}

// ---------------------------------------------------------------- queries and conversions

std::unique_ptr<TBitmap> TdxGPImage::GetAsBitmap() const {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(pf32bit);
  if (Empty()) return bitmap;
  const TSize size = Size();
  // Metafiles are drawn on a bitmap first.
  INT imageType = 0;
  dxCheckGpStatus(GdipGetImageType(Handle(), &imageType));
  TImageHolder drawn(imageType == 1 ? nullptr : DrawnOnNewBitmap(size.cx, size.cy));
  HBITMAP handle = nullptr;
  dxCheckGpStatus(GdipCreateHBITMAPFromBitmap(drawn.Get() ? drawn.Get() : Handle(), &handle, 0));
  const TRGBColors colors = ReadHBitmap(handle, size.cx, size.cy);
  DeleteObject(handle);
  bitmap->SetSize(size.cx, size.cy);
  dxWriteBitmapColors(bitmap.get(), colors, true);
  return bitmap;
}

TRGBColors TdxGPImage::GetBitmapBits() const {
  TRGBColors colors;
  if (Empty()) return colors;
  dxReadBitmapColors(GetAsBitmap().get(), colors, true);
  return colors;
}

bool TdxGPImage::IsAlphaUsed() const {
  if (!FIsAlphaUsedAssigned) {
    FIsAlphaUsed = false;
    if (!Empty())
      for (const TRGBQuad& pixel : GetBitmapBits())
        if (pixel.rgbReserved != 255) {
          FIsAlphaUsed = true;
          break;
        }
    FIsAlphaUsedAssigned = true;
  }
  return FIsAlphaUsed;
}

bool TdxGPImage::Compare(TdxGPImage* AImage) const {
  if (Size() != AImage->Size()) return false;
  if (Empty() || AImage->Empty()) return true;
  const TRGBColors mine = GetBitmapBits(), theirs = AImage->GetBitmapBits();
  return std::memcmp(mine.data(), theirs.data(), mine.size() * sizeof(TRGBQuad)) == 0;
}

bool TdxGPImage::Equals(const TGraphic* AGraphic) const {
  if (auto* image = dynamic_cast<const TdxGPImage*>(AGraphic)) return Compare(const_cast<TdxGPImage*>(image));
  return TGraphic::Equals(AGraphic);
}

uint32_t TdxGPImage::GetHashCode() const {
  if (Empty()) return 0;
  const TRGBColors bits = GetBitmapBits();
  return dxCalcCrc32(bits.data(), static_cast<int>(bits.size() * sizeof(TRGBQuad)));
}

std::unique_ptr<TdxGPImage> TdxGPImage::Clone() const {
  std::unique_ptr<TdxGPImage> result(static_cast<TdxGPImage*>(TObject::CreateInstance(ClassType())));
  result->AssignFromGPImage(const_cast<TdxGPImage*>(this));
  return result;
}

void TdxGPImage::ChangeColor(TColor AColor) {
  if (AColor == clNone || AColor == clDefault || Empty()) return;
  const TRGBQuad color = dxColorAsRGBQuad(AColor);
  TRGBColors bits = GetBitmapBits();
  for (TRGBQuad& pixel : bits) {
    pixel.rgbBlue = static_cast<uint8_t>(MulDiv(color.rgbBlue, pixel.rgbReserved, 255));
    pixel.rgbGreen = static_cast<uint8_t>(MulDiv(color.rgbGreen, pixel.rgbReserved, 255));
    pixel.rgbRed = static_cast<uint8_t>(MulDiv(color.rgbRed, pixel.rgbReserved, 255));
  }
  const TSize size = Size();
  LoadFromBits(size.cx, size.cy, bits, true);
}

std::unique_ptr<TdxGPImage> TdxGPImage::MakeComposition(TdxGPImage* AOverlayImage, uint8_t AOverlayAlpha,
                                                        uint8_t ASourceAlpha) const {
  auto result = std::make_unique<TdxGPImage>(Size(), 0);
  const std::unique_ptr<TdxGPCanvas> canvas = result->CreateCanvas();
  const TRect area = ClientRect();
  canvas->Draw(const_cast<TdxGPImage*>(this), area, ASourceAlpha);
  canvas->Draw(AOverlayImage, area, AOverlayImage->ClientRect(), AOverlayAlpha);
  return result;
}

void* TdxGPImage::DrawnOnNewBitmap(int AWidth, int AHeight) const {
  TImageHolder bitmap(dxGpCreateBitmap(AWidth, AHeight));
  void* graphics = nullptr;
  dxCheckGpStatus(GdipGetImageGraphicsContext(bitmap.Get(), &graphics));
  {
    TdxGPCanvas target(graphics);
    dxCheckGpStatus(GdipDrawImageRectI(graphics, Handle(), 0, 0, AWidth, AHeight));
  }
  return bitmap.Release();
}

void TdxGPImage::ConvertToBitmap() {
  if (!FHandle) return;
  TSize size = Size();
  if (FImageDataFormat == dxImageEmf || FImageDataFormat == dxImageWmf) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    size = {MulDiv(size.cx, dpi, 2540), MulDiv(size.cy, dpi, 2540)};
  }
  TakeHandle(DrawnOnNewBitmap(size.cx, size.cy));
}

void TdxGPImage::Resize(int AWidth, int AHeight) {
  FImageData->FNewSize = TSize(AWidth, AHeight);
  if (!FHandle) return;
  SetHandle(DrawnOnNewBitmap(AWidth, AHeight));
}

void TdxGPImage::Scale(int M, int D) {
  const TSize size = Size();
  Resize(MulDiv(size.cx, M, D), MulDiv(size.cy, M, D));
}

std::unique_ptr<TdxGPCanvas> TdxGPImage::CreateCanvas() {
  void* graphics = nullptr;
  dxCheckGpStatus(GdipGetImageGraphicsContext(Handle(), &graphics));
  auto canvas = std::make_unique<TdxGPCanvas>(graphics);
  Changed();
  return canvas;
}

void TdxGPImage::StretchDraw(HDC DC, const TRect& ADest, uint8_t AAlpha) {
  StretchDraw(DC, ADest, ClientRect(), AAlpha);
}

void TdxGPImage::StretchDraw(HDC DC, const TRect& ADest, const TRect& ASource, uint8_t AAlpha) {
  if (!Handle()) return;
  dxGpPaintOnDC(DC, ADest, [&](TdxGPCanvas* ACanvas) { ACanvas->Draw(this, ADest, ASource, AAlpha); });
}

void TdxGPImage::StretchDraw(HDC DC, const TdxRectF& ADest, const TdxRectF& ASource, uint8_t AAlpha) {
  if (!Handle()) return;
  const TRect bounds(static_cast<int>(ADest.Left), static_cast<int>(ADest.Top), static_cast<int>(ADest.Right),
                     static_cast<int>(ADest.Bottom));
  dxGpPaintOnDC(DC, bounds, [&](TdxGPCanvas* ACanvas) { ACanvas->Draw(this, ADest, ASource, AAlpha); });
}

void TdxGPImage::Draw(TCanvas* ACanvas, const TRect& ARect) { StretchDraw(ACanvas->Handle(), ARect, 255); }

// ---------------------------------------------------------------- clipboard

namespace {
const TdxImageDataFormat ClipboardOrder[] = {dxImagePng, dxImageGif, dxImageTiff, dxImageJpeg, dxImageBitmap};
}  // namespace

bool TdxGPImage::IsSupportClipboardFormat(uint32_t AFormat) {
  return AFormat != 0 && std::find(ClipboardFormats.begin(), ClipboardFormats.end(), AFormat) != ClipboardFormats.end();
}

bool TdxGPImage::HasClipboardFormat() {
  for (TdxImageDataFormat format : ClipboardOrder) {
    const uint32_t clipboardFormat = dxGetImageClipboardFormat(format);
    if (clipboardFormat && IsClipboardFormatAvailable(clipboardFormat)) return true;
  }
  return false;
}

void TdxGPImage::PasteFromClipboard() {
  TClipboard* clipboard = Clipboard();
  clipboard->Open();
  try {
    for (TdxImageDataFormat format : ClipboardOrder) {
      const uint32_t clipboardFormat = dxGetImageClipboardFormat(format);
      void* data = clipboardFormat ? clipboard->GetAsHandle(clipboardFormat) : nullptr;
      if (data) {
        LoadFromClipboardFormat(clipboardFormat, data, nullptr);
        break;
      }
    }
  } catch (...) {
    clipboard->Close();
    throw;
  }
  clipboard->Close();
}

void TdxGPImage::LoadFromClipboardFormat(uint32_t AFormat, void* AData, void* APalette) {
  if (AFormat == CF_BITMAP) {
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf32bit);
    bitmap.LoadFromClipboardFormat(AFormat, AData, APalette);
    SetBitmap(&bitmap);
  } else if (IsSupportClipboardFormat(AFormat) && AData) {
    const SIZE_T size = GlobalSize(AData);
    const void* bytes = GlobalLock(AData);
    if (!bytes) RaiseLastOSError();
    TMemoryStream stream;
    try {
      stream.WriteBuffer(bytes, static_cast<int64_t>(size));
    } catch (...) {
      GlobalUnlock(AData);
      throw;
    }
    GlobalUnlock(AData);
    stream.SetPosition(0);
    LoadFromStream(&stream);
  }
}

void TdxGPImage::SaveToClipboardFormat(uint32_t& AFormat, void*& AData, void*& APalette) {
  TBitmap bitmap;
  bitmap.SetSize(Width(), Height());
  bitmap.Canvas()->Brush()->SetColor(clWhite);
  bitmap.Canvas()->FillRect(ClientRect());
  bitmap.Canvas()->Draw(0, 0, this);
  bitmap.SaveToClipboardFormat(AFormat, AData, APalette);
  const uint32_t encodedFormat = dxGetImageClipboardFormat(ImageDataFormat());
  if (!encodedFormat || encodedFormat == CF_BITMAP) return;
  // The clipboard carries the bitmap as well as the encoded image.
  SetClipboardData(CF_BITMAP, AData);
  AFormat = 0;
  AData = nullptr;
  TMemoryStream stream;
  SaveToStream(&stream);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, static_cast<SIZE_T>(stream.Size()));
  if (!block) return;  // the bitmap alone is on the clipboard
  void* bytes = GlobalLock(block);
  if (!bytes) {
    GlobalFree(block);
    return;
  }
  std::memcpy(bytes, stream.Memory(), static_cast<size_t>(stream.Size()));
  GlobalUnlock(block);
  AFormat = encodedFormat;
  AData = block;
}

void TdxGPImage::CopyToClipboard() {
  if (!Empty()) Clipboard()->Assign(this);
}

void TdxGPImage::CutToClipboard() {
  if (Empty()) return;
  CopyToClipboard();
  Clear();
}
