#include "vcl/graphics/Icon.h"

#include <cstring>
#include <vector>

#include "vcl/graphics/Canvas.h"
#include "vcl/rtl/Streams.h"
#include "vcl/rtl/WinApi.h"

namespace {
const wchar_t* const SInvalidIcon = L"Icon image is not valid";

#pragma pack(push, 1)
struct TIconDir {
  WORD Reserved;
  WORD Type;  // 1 for icons
  WORD Count;
};
struct TIconDirEntry {
  BYTE Width;
  BYTE Height;
  BYTE ColorCount;
  BYTE Reserved;
  WORD Planes;
  WORD BitCount;
  DWORD BytesInRes;
  DWORD ImageOffset;
};
#pragma pack(pop)

// The bitmaps an icon is made of, deleted with this object. A monochrome
// icon keeps its image below its mask in one bitmap twice as high.
struct TIconBitmaps {
  explicit TIconBitmaps(HICON Icon) : Valid(GetIconInfo(Icon, &Info)) {}
  ~TIconBitmaps() {
    if (!Valid) return;
    if (Info.hbmColor) DeleteObject(Info.hbmColor);
    DeleteObject(Info.hbmMask);
  }
  TIconBitmaps(const TIconBitmaps&) = delete;
  TIconBitmaps& operator=(const TIconBitmaps&) = delete;
  ICONINFO Info{};
  bool Valid;
};

TSize IconSize(HICON Handle) {
  TIconBitmaps bitmaps(Handle);
  if (!bitmaps.Valid) return {};
  BITMAP bitmap{};
  bool mono = !bitmaps.Info.hbmColor;
  GetObjectW(mono ? bitmaps.Info.hbmMask : bitmaps.Info.hbmColor, sizeof(bitmap), &bitmap);
  return {bitmap.bmWidth, mono ? bitmap.bmHeight / 2 : bitmap.bmHeight};
}

// Scan lines [Start, Start + Lines) of a bitmap FullHeight high, counted
// from the bottom, at the given depth.
std::vector<uint8_t> ReadBits(HBITMAP Bitmap, int Width, int FullHeight, int Start, int Lines,
                              int BitCount) {
  struct {
    BITMAPINFOHEADER Header;
    RGBQUAD Colors[2];
  } info{};
  info.Header.biSize = sizeof(info.Header);
  info.Header.biWidth = Width;
  info.Header.biHeight = FullHeight;
  info.Header.biPlanes = 1;
  info.Header.biBitCount = static_cast<WORD>(BitCount);
  info.Header.biCompression = BI_RGB;
  size_t stride = ((Width * BitCount + 31) / 32) * 4;
  std::vector<uint8_t> bits(stride * Lines);
  HDC dc = GetDC(nullptr);
  GetDIBits(dc, Bitmap, Start, Lines, bits.data(), reinterpret_cast<BITMAPINFO*>(&info),
            DIB_RGB_COLORS);
  ReleaseDC(nullptr, dc);
  return bits;
}
}  // namespace

TIcon::~TIcon() {
  if (FHandle) DestroyIcon(FHandle);
}

void TIcon::SetWidth(int) { throw EInvalidGraphicOperation(L"Cannot change the size of an icon"); }
void TIcon::SetHeight(int) { throw EInvalidGraphicOperation(L"Cannot change the size of an icon"); }

void TIcon::SetHandle(HICON Value) {
  if (Value == FHandle) return;
  if (FHandle) DestroyIcon(FHandle);
  FHandle = Value;
  TSize size = Value ? IconSize(Value) : TSize();
  FWidth = size.cx;
  FHeight = size.cy;
  Changed();
}

HICON TIcon::ReleaseHandle() {
  HICON handle = FHandle;
  FHandle = nullptr;
  FWidth = FHeight = 0;
  return handle;
}

void TIcon::LoadFromResourceName(HINSTANCE Instance, const String& ResName) {
  auto icon = static_cast<HICON>(LoadImageW(Instance, ResName.c_str(), IMAGE_ICON, 0, 0, 0));
  if (!icon) throw EResNotFound(L"Resource " + ResName + L" not found");
  SetHandle(icon);
}

void TIcon::Assign(TPersistent* Source) {
  if (!Source) return SetHandle(nullptr);
  if (auto* icon = dynamic_cast<TIcon*>(Source)) {
    if (icon != this) SetHandle(icon->FHandle ? CopyIcon(icon->FHandle) : nullptr);
    return;
  }
  TGraphic::Assign(Source);
}

void TIcon::Draw(TCanvas* ACanvas, const TRect& Rect) {
  DrawIconEx(ACanvas->Handle(), Rect.Left, Rect.Top, FHandle, Rect.Width(), Rect.Height(), 0,
             nullptr, DI_NORMAL);
}

void TIcon::LoadFromStream(TStream* Stream) {
  TIconDir dir;
  if (Stream->Read(&dir, sizeof(dir)) != sizeof(dir) || dir.Reserved != 0 || dir.Type != 1 ||
      dir.Count == 0)
    throw EInvalidGraphic(SInvalidIcon);
  std::vector<TIconDirEntry> entries(dir.Count);
  int64_t entriesSize = static_cast<int64_t>(entries.size() * sizeof(TIconDirEntry));
  if (Stream->Read(entries.data(), entriesSize) != entriesSize)
    throw EInvalidGraphic(SInvalidIcon);
  // The images follow the directory; read up to the end of the last one.
  int64_t headerSize = sizeof(dir) + entriesSize;
  int64_t end = headerSize;
  for (const TIconDirEntry& entry : entries) {
    int64_t entryEnd = int64_t{entry.ImageOffset} + entry.BytesInRes;
    if (entry.ImageOffset < headerSize || entry.BytesInRes == 0) throw EInvalidGraphic(SInvalidIcon);
    end = std::max(end, entryEnd);
  }
  if (end - headerSize > Stream->Size() - Stream->Position()) throw EInvalidGraphic(SInvalidIcon);
  std::vector<uint8_t> images(static_cast<size_t>(end - headerSize));
  Stream->ReadBuffer(images.data(), static_cast<int64_t>(images.size()));
  const TIconDirEntry& first = entries.front();
  HICON icon = CreateIconFromResourceEx(images.data() + (first.ImageOffset - headerSize),
                                        first.BytesInRes, TRUE, 0x00030000, 0, 0, LR_DEFAULTCOLOR);
  if (!icon) throw EInvalidGraphic(SInvalidIcon);
  SetHandle(icon);
}

void TIcon::SaveToStream(TStream* Stream) const {
  if (!FHandle) throw EInvalidGraphicOperation(L"Cannot save an empty icon");
  TIconBitmaps bitmaps(FHandle);
  if (!bitmaps.Valid) RaiseLastOSError();
  const ICONINFO& info = bitmaps.Info;
  bool mono = !info.hbmColor;
  int fullHeight = mono ? FHeight * 2 : FHeight;
  std::vector<uint8_t> color = ReadBits(mono ? info.hbmMask : info.hbmColor, FWidth, fullHeight,
                                        0, FHeight, 32);
  std::vector<uint8_t> mask = ReadBits(info.hbmMask, FWidth, fullHeight, mono ? FHeight : 0,
                                       FHeight, 1);

  BITMAPINFOHEADER header{};
  header.biSize = sizeof(header);
  header.biWidth = FWidth;
  header.biHeight = FHeight * 2;  // image and mask
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biCompression = BI_RGB;
  TIconDir dir{0, 1, 1};
  TIconDirEntry entry{};
  entry.Width = static_cast<BYTE>(FWidth < 256 ? FWidth : 0);
  entry.Height = static_cast<BYTE>(FHeight < 256 ? FHeight : 0);
  entry.Planes = 1;
  entry.BitCount = 32;
  entry.BytesInRes = static_cast<DWORD>(sizeof(header) + color.size() + mask.size());
  entry.ImageOffset = sizeof(dir) + sizeof(entry);
  Stream->WriteBuffer(&dir, sizeof(dir));
  Stream->WriteBuffer(&entry, sizeof(entry));
  Stream->WriteBuffer(&header, sizeof(header));
  Stream->WriteBuffer(color.data(), static_cast<int64_t>(color.size()));
  Stream->WriteBuffer(mask.data(), static_cast<int64_t>(mask.size()));
}
