#include "vcl/graphics/Bitmap.h"

#include <cstring>
#include <vector>

#include "vcl/graphics/Canvas.h"
#include "vcl/rtl/Streams.h"
#include "vcl/rtl/WinApi.h"

namespace {
const wchar_t* const SInvalidBitmap = L"Bitmap image is not valid";
// Larger images are taken for damaged files rather than allocated.
constexpr int MaxSide = 32768;

int BitsOf(TPixelFormat Format) { return Format == pf24bit ? 24 : 32; }

int StrideOf(int Width, int BitCount) { return ((Width * BitCount + 31) / 32) * 4; }
}  // namespace

// The canvas of a bitmap: a memory context with the section selected.
class TBitmap::TBitmapCanvas : public TCanvas {
public:
  explicit TBitmapCanvas(TBitmap* Owner) : FOwner(Owner) {}
  ~TBitmapCanvas() override { Release(); }
  void Release() {
    HDC dc = HandleAllocated() ? Handle() : nullptr;
    if (!dc) return;
    SetHandle(nullptr);
    SelectObject(dc, FOldBitmap);
    DeleteDC(dc);
  }

protected:
  void CreateHandle() override {
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) RaiseLastOSError();
    FOldBitmap = FOwner->FHandle ? SelectObject(dc, FOwner->FHandle) : nullptr;
    SetHandle(dc);
  }

private:
  TBitmap* FOwner;
  HGDIOBJ FOldBitmap = nullptr;
};

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int AWidth, int AHeight) { SetSize(AWidth, AHeight); }

TBitmap::~TBitmap() {
  FCanvas.reset();
  if (FHandle) DeleteObject(FHandle);
}

TCanvas* TBitmap::Canvas() {
  if (!FCanvas) FCanvas = std::make_unique<TBitmapCanvas>(this);
  return FCanvas.get();
}

void TBitmap::ReleaseCanvasHandle() {
  if (FCanvas) FCanvas->Release();
}

HBITMAP TBitmap::NewSection(int AWidth, int AHeight, TPixelFormat Format, void*& Bits) const {
  Bits = nullptr;
  if (AWidth == 0 || AHeight == 0) return nullptr;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = AWidth;
  info.bmiHeader.biHeight = AHeight;  // bottom-up, as in the file format
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = static_cast<WORD>(BitsOf(Format));
  info.bmiHeader.biCompression = BI_RGB;
  HBITMAP handle = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &Bits, nullptr, 0);
  if (!handle) throw EOutOfMemory(L"Out of system resources");
  return handle;
}

// Takes a new section in place of the current one; with KeepPicture the
// current picture is copied into it where both overlap.
void TBitmap::Replace(HBITMAP Handle, void* Bits, int AWidth, int AHeight, TPixelFormat Format,
                      bool KeepPicture) {
  ReleaseCanvasHandle();
  if (KeepPicture && FHandle && Handle) {
    HDC from = CreateCompatibleDC(nullptr);
    HDC to = CreateCompatibleDC(nullptr);
    HGDIOBJ oldFrom = SelectObject(from, FHandle);
    HGDIOBJ oldTo = SelectObject(to, Handle);
    BitBlt(to, 0, 0, std::min(FWidth, AWidth), std::min(FHeight, AHeight), from, 0, 0, SRCCOPY);
    SelectObject(from, oldFrom);
    SelectObject(to, oldTo);
    DeleteDC(from);
    DeleteDC(to);
  }
  if (FHandle) DeleteObject(FHandle);
  FHandle = Handle;
  FBits = static_cast<uint8_t*>(Bits);
  FWidth = Handle ? AWidth : 0;
  FHeight = Handle ? AHeight : 0;
  FPixelFormat = Format;
  Changed();
}

void TBitmap::SetSize(int AWidth, int AHeight) {
  if (AWidth < 0 || AHeight < 0 || AWidth > MaxSide || AHeight > MaxSide)
    throw EInvalidGraphicOperation(Format(L"Invalid bitmap size %dx%d", {AWidth, AHeight}));
  if (AWidth == FWidth && AHeight == FHeight) return;
  void* bits;
  HBITMAP handle = NewSection(AWidth, AHeight, FPixelFormat, bits);
  Replace(handle, bits, AWidth, AHeight, FPixelFormat, true);
}

void TBitmap::SetPixelFormat(TPixelFormat Value) {
  if (Value == pfDevice) Value = pf32bit;
  if (Value != pf24bit && Value != pf32bit)
    throw EInvalidGraphicOperation(L"Only 24-bit and 32-bit bitmaps are supported");
  if (Value == FPixelFormat) return;
  void* bits;
  HBITMAP handle = NewSection(FWidth, FHeight, Value, bits);
  Replace(handle, bits, FWidth, FHeight, Value, true);
}

int TBitmap::BytesPerScanLine() const { return StrideOf(FWidth, BitsOf(FPixelFormat)); }

void* TBitmap::ScanLine(int Row) {
  if (Row < 0 || Row >= FHeight) throw EInvalidGraphicOperation(L"Scan line index out of range");
  GdiFlush();  // drawing through the canvas may still be queued
  return FBits + static_cast<size_t>(FHeight - 1 - Row) * BytesPerScanLine();
}

void TBitmap::Draw(TCanvas* ACanvas, const TRect& Rect) {
  HDC target = ACanvas->Handle();
  SetStretchBltMode(target, COLORONCOLOR);
  StretchBlt(target, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), Canvas()->Handle(), 0, 0,
             FWidth, FHeight, SRCCOPY);
}

void TBitmap::Assign(TPersistent* Source) {
  if (!Source) return Replace(nullptr, nullptr, 0, 0, FPixelFormat, false);
  if (auto* bitmap = dynamic_cast<TBitmap*>(Source)) {
    if (bitmap == this) return;
    void* bits;
    HBITMAP handle = NewSection(bitmap->FWidth, bitmap->FHeight, bitmap->FPixelFormat, bits);
    if (handle) {
      GdiFlush();
      std::memcpy(bits, bitmap->FBits,
                  static_cast<size_t>(bitmap->BytesPerScanLine()) * bitmap->FHeight);
    }
    return Replace(handle, bits, bitmap->FWidth, bitmap->FHeight, bitmap->FPixelFormat, false);
  }
  if (auto* graphic = dynamic_cast<TGraphic*>(Source)) {
    void* bits;
    HBITMAP handle = NewSection(graphic->Width(), graphic->Height(), FPixelFormat, bits);
    Replace(handle, bits, graphic->Width(), graphic->Height(), FPixelFormat, false);
    Canvas()->Draw(0, 0, graphic);
    return;
  }
  TGraphic::Assign(Source);
}

// ---------------------------------------------------------------- transparency

TColor TBitmap::TransparentColor() {
  if (FTransparentMode == tmFixed) return FTransparentColor;
  if (Empty()) return clNone;
  return static_cast<TColor>(GetPixel(Canvas()->Handle(), 0, FHeight - 1));
}

void TBitmap::SetTransparentColor(TColor Value) {
  if (Value == FTransparentColor) return;
  FTransparentColor = Value;
  FTransparentMode = Value == clDefault ? tmAuto : tmFixed;
  Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode Value) {
  if (Value == FTransparentMode) return;
  FTransparentMode = Value;
  if (Value == tmAuto) FTransparentColor = clDefault;
  Changed();
}

// ---------------------------------------------------------------- clipboard

void TBitmap::LoadFromClipboardFormat(uint32_t AFormat, void* AData, void* APalette) {
  BITMAP info;
  if (AFormat != CF_BITMAP || !AData || !GetObjectW(static_cast<HBITMAP>(AData), sizeof(info), &info))
    throw EInvalidGraphic(L"Unsupported clipboard format");
  void* bits;
  HBITMAP handle = NewSection(info.bmWidth, info.bmHeight, FPixelFormat, bits);
  if (handle) {
    HDC from = CreateCompatibleDC(nullptr);
    HDC to = CreateCompatibleDC(nullptr);
    HGDIOBJ oldFrom = SelectObject(from, static_cast<HBITMAP>(AData));
    HGDIOBJ oldTo = SelectObject(to, handle);
    BitBlt(to, 0, 0, info.bmWidth, info.bmHeight, from, 0, 0, SRCCOPY);
    SelectObject(from, oldFrom);
    SelectObject(to, oldTo);
    DeleteDC(from);
    DeleteDC(to);
  }
  Replace(handle, bits, info.bmWidth, info.bmHeight, FPixelFormat, false);
}

void TBitmap::SaveToClipboardFormat(uint32_t& AFormat, void*& AData, void*& APalette) {
  GdiFlush();
  AFormat = CF_BITMAP;
  AData = FHandle ? CopyImage(FHandle, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION) : nullptr;
  APalette = nullptr;
}

// ---------------------------------------------------------------- BMP files

void TBitmap::ReadData(TStream* Stream) {
  int32_t size = 0;
  if (Stream->Read(&size, sizeof(size)) != sizeof(size) || size < 0 || size > Stream->Size() - Stream->Position())
    throw EInvalidGraphic(SInvalidBitmap);
  LoadFromStream(Stream);
}

void TBitmap::WriteData(TStream* Stream) const {
  TMemoryStream file;
  SaveToStream(&file);
  const int32_t size = static_cast<int32_t>(file.Size());
  Stream->WriteBuffer(&size, sizeof(size));
  Stream->WriteBuffer(file.Memory(), file.Size());
}

void TBitmap::SaveToStream(TStream* Stream) const {
  int stride = BytesPerScanLine();
  uint32_t imageSize = static_cast<uint32_t>(stride) * FHeight;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + imageSize;
  info.biSize = sizeof(info);
  info.biWidth = FWidth;
  info.biHeight = FHeight;
  info.biPlanes = 1;
  info.biBitCount = static_cast<WORD>(BitsOf(FPixelFormat));
  info.biCompression = BI_RGB;
  info.biSizeImage = imageSize;
  GdiFlush();
  Stream->WriteBuffer(&file, sizeof(file));
  Stream->WriteBuffer(&info, sizeof(info));
  if (imageSize) Stream->WriteBuffer(FBits, imageSize);
}

void TBitmap::LoadFromResourceName(HINSTANCE__* Instance, const String& ResName) {
  // A bitmap resource is a BMP file without its file header.
  TResourceStream resource(Instance, ResName, MAKEINTRESOURCEW(2) /* RT_BITMAP */);
  BITMAPINFOHEADER header{};
  if (resource.Size() < static_cast<int64_t>(sizeof(header))) throw EInvalidGraphic(SInvalidBitmap);
  std::memcpy(&header, resource.Memory(), sizeof(header));
  const size_t masks = header.biCompression == BI_BITFIELDS && header.biSize == sizeof(header) ? 12 : 0;
  const size_t colors = header.biClrUsed ? header.biClrUsed : (header.biBitCount <= 8 ? 1u << header.biBitCount : 0);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfSize = static_cast<DWORD>(sizeof(file) + resource.Size());
  file.bfOffBits = static_cast<DWORD>(sizeof(file) + header.biSize + masks + colors * 4);
  TMemoryStream stream;
  stream.WriteBuffer(&file, sizeof(file));
  stream.WriteBuffer(resource.Memory(), resource.Size());
  stream.SetPosition(0);
  LoadFromStream(&stream);
}

void TBitmap::LoadFromStream(TStream* Stream) {
  BITMAPFILEHEADER file;
  if (Stream->Read(&file, sizeof(file)) != sizeof(file) || file.bfType != 0x4D42 ||
      file.bfSize < sizeof(file) + sizeof(BITMAPINFOHEADER) ||
      static_cast<int64_t>(file.bfSize - sizeof(file)) > Stream->Size() - Stream->Position())
    throw EInvalidGraphic(SInvalidBitmap);
  std::vector<uint8_t> data(file.bfSize - sizeof(file));
  if (Stream->Read(data.data(), static_cast<int64_t>(data.size())) !=
      static_cast<int64_t>(data.size()))
    throw EInvalidGraphic(SInvalidBitmap);

  BITMAPINFOHEADER header;
  std::memcpy(&header, data.data(), sizeof(header));
  bool knownLayout = header.biCompression == BI_RGB || header.biCompression == BI_BITFIELDS;
  int64_t width = header.biWidth;
  int64_t height = header.biHeight < 0 ? -int64_t{header.biHeight} : header.biHeight;
  int bitCount = header.biBitCount;
  if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biSize > data.size() || !knownLayout ||
      header.biPlanes != 1 || width <= 0 || width > MaxSide || height <= 0 || height > MaxSide ||
      (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 &&
       bitCount != 32))
    throw EInvalidGraphic(SInvalidBitmap);
  // Masks follow a plain header; a colour table follows both.
  size_t masks = header.biCompression == BI_BITFIELDS && header.biSize == sizeof(header) ? 12 : 0;
  size_t colors = header.biClrUsed ? header.biClrUsed : (bitCount <= 8 ? 1u << bitCount : 0);
  size_t stride = StrideOf(width, bitCount);
  size_t pixelOffset = file.bfOffBits - sizeof(file);
  if (header.biClrUsed > 256 || file.bfOffBits < sizeof(file) ||
      pixelOffset < header.biSize + masks + colors * 4 || pixelOffset > data.size() ||
      stride * height > data.size() - pixelOffset)
    throw EInvalidGraphic(SInvalidBitmap);
  const uint8_t* pixels = data.data() + pixelOffset;

  TPixelFormat format = bitCount == 24 ? pf24bit : pf32bit;
  void* bits;
  HBITMAP handle = NewSection(width, height, format, bits);
  bool topDown = header.biHeight < 0;
  if (bitCount == 24 || (bitCount == 32 && header.biCompression == BI_RGB)) {
    // Same layout: copy the rows, so 32-bit images keep their alpha.
    for (int row = 0; row < height; ++row)
      std::memcpy(static_cast<uint8_t*>(bits) + row * stride,
                  pixels + (topDown ? height - 1 - row : row) * stride, stride);
  } else {
    // Colour tables and bit fields: the platform converts. The header, its
    // masks and the table lie before the pixels, which was checked above.
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, handle);
    SetDIBitsToDevice(dc, 0, 0, width, height, 0, 0, 0, height, pixels,
                      reinterpret_cast<const BITMAPINFO*>(data.data()), DIB_RGB_COLORS);
    SelectObject(dc, old);
    DeleteDC(dc);
  }
  Replace(handle, bits, width, height, format, false);
}
