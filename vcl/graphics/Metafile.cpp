#include "vcl/graphics/Metafile.h"

#include <cstring>
#include <vector>

#include "vcl/rtl/Streams.h"
#include "vcl/rtl/WinApi.h"

namespace {
constexpr uint32_t PlaceableKey = 0x9AC6CDD7;
constexpr int HundredthMMPerInch = 2540;

#pragma pack(push, 2)
// The header a placeable Windows metafile starts with.
struct TPlaceableHeader {
  uint32_t Key;
  uint16_t Handle;
  int16_t Left, Top, Right, Bottom;
  uint16_t Inch;
  uint32_t Reserved;
  uint16_t CheckSum;  // the XOR of the ten words before it
};
#pragma pack(pop)
static_assert(sizeof(TPlaceableHeader) == 22);

uint16_t CheckSumOf(const TPlaceableHeader& AHeader) {
  uint16_t words[10];
  std::memcpy(words, &AHeader, sizeof(words));
  uint16_t sum = 0;
  for (uint16_t word : words) sum ^= word;
  return sum;
}

[[noreturn]] void InvalidMetafile() { throw EInvalidGraphic(L"Metafile is not valid"); }

int ScreenPixelsPerInch(int AIndex) {
  HDC screen = GetDC(nullptr);
  const int result = GetDeviceCaps(screen, AIndex);
  ReleaseDC(nullptr, screen);
  return result;
}

// Reads exactly ACount bytes, or raises "Metafile is not valid".
std::vector<uint8_t> ReadBytes(TStream* AStream, int64_t ACount) {
  if (ACount <= 0 || ACount > AStream->Size() - AStream->Position()) InvalidMetafile();
  std::vector<uint8_t> bytes(static_cast<size_t>(ACount));
  AStream->ReadBuffer(bytes.data(), ACount);
  return bytes;
}

// The screen's context while it is used as the reference device.
class TScreenDC {
public:
  TScreenDC() : FDC(GetDC(nullptr)) {}
  ~TScreenDC() { ReleaseDC(nullptr, FDC); }
  TScreenDC(const TScreenDC&) = delete;
  TScreenDC& operator=(const TScreenDC&) = delete;
  operator HDC() const { return FDC; }

private:
  HDC FDC;
};
}  // namespace

// ---------------------------------------------------------------- TMetafile

TMetafile::~TMetafile() {
  if (FHandle) DeleteEnhMetaFile(FHandle);
}

int TMetafile::Width() const { return MulDiv(FMMWidth, ScreenPixelsPerInch(LOGPIXELSX), HundredthMMPerInch); }
int TMetafile::Height() const { return MulDiv(FMMHeight, ScreenPixelsPerInch(LOGPIXELSY), HundredthMMPerInch); }
void TMetafile::SetWidth(int Value) { FMMWidth = MulDiv(Value, HundredthMMPerInch, ScreenPixelsPerInch(LOGPIXELSX)); }
void TMetafile::SetHeight(int Value) {
  FMMHeight = MulDiv(Value, HundredthMMPerInch, ScreenPixelsPerInch(LOGPIXELSY));
}

void TMetafile::TakeHandle(HENHMETAFILE AHandle, int AMMWidth, int AMMHeight) {
  if (FHandle && FHandle != AHandle) DeleteEnhMetaFile(FHandle);
  FHandle = AHandle;
  FMMWidth = AMMWidth;
  FMMHeight = AMMHeight;
  Changed();
}

void TMetafile::SetHandle(HENHMETAFILE AHandle) {
  ENHMETAHEADER header{};
  if (AHandle && !GetEnhMetaFileHeader(AHandle, sizeof(header), &header)) InvalidMetafile();
  TakeHandle(AHandle, header.rclFrame.right - header.rclFrame.left, header.rclFrame.bottom - header.rclFrame.top);
}

void TMetafile::Clear() {
  if (FHandle) TakeHandle(nullptr, 0, 0);
}

void TMetafile::LoadFromStream(TStream* AStream) {
  const int64_t start = AStream->Position();
  uint32_t key = 0;
  if (AStream->Read(&key, sizeof(key)) != sizeof(key)) InvalidMetafile();
  AStream->SetPosition(start);
  if (key == PlaceableKey)
    ReadPlaceable(AStream);
  else
    ReadEnhanced(AStream);
}

void TMetafile::ReadEnhanced(TStream* AStream) {
  ENHMETAHEADER header{};
  if (AStream->Read(&header, sizeof(header)) != sizeof(header) || header.iType != EMR_HEADER ||
      header.dSignature != ENHMETA_SIGNATURE)
    InvalidMetafile();
  AStream->Seek(-static_cast<int64_t>(sizeof(header)), soCurrent);
  const std::vector<uint8_t> bits = ReadBytes(AStream, header.nBytes);
  HENHMETAFILE handle = SetEnhMetaFileBits(static_cast<UINT>(bits.size()), bits.data());
  if (!handle) InvalidMetafile();
  FEnhanced = true;
  SetHandle(handle);
}

void TMetafile::ReadPlaceable(TStream* AStream) {
  TPlaceableHeader header{};
  AStream->ReadBuffer(&header, sizeof(header));
  if (header.CheckSum != CheckSumOf(header) || header.Inch == 0) InvalidMetafile();
  METAHEADER metaHeader{};
  if (AStream->Read(&metaHeader, sizeof(metaHeader)) != sizeof(metaHeader)) InvalidMetafile();
  AStream->Seek(-static_cast<int64_t>(sizeof(metaHeader)), soCurrent);
  const std::vector<uint8_t> bits = ReadBytes(AStream, int64_t{metaHeader.mtSize} * 2);  // size in words
  const int mmWidth = MulDiv(header.Right - header.Left, HundredthMMPerInch, header.Inch);
  const int mmHeight = MulDiv(header.Bottom - header.Top, HundredthMMPerInch, header.Inch);
  const METAFILEPICT picture{MM_ANISOTROPIC, mmWidth, mmHeight, nullptr};
  HENHMETAFILE handle = SetWinMetaFileBits(static_cast<UINT>(bits.size()), bits.data(), TScreenDC(), &picture);
  if (!handle) InvalidMetafile();
  FEnhanced = false;
  FInch = header.Inch;
  TakeHandle(handle, mmWidth, mmHeight);
}

void TMetafile::SaveToStream(TStream* AStream) const {
  if (!FHandle) return;
  if (FEnhanced)
    WriteEnhanced(AStream);
  else
    WritePlaceable(AStream);
}

void TMetafile::WriteEnhanced(TStream* AStream) const {
  std::vector<uint8_t> bits(GetEnhMetaFileBits(FHandle, 0, nullptr));
  GetEnhMetaFileBits(FHandle, static_cast<UINT>(bits.size()), bits.data());
  AStream->WriteBuffer(bits.data(), static_cast<int64_t>(bits.size()));
}

void TMetafile::WritePlaceable(TStream* AStream) const {
  TScreenDC reference;
  const UINT size = GetWinMetaFileBits(FHandle, 0, nullptr, MM_ANISOTROPIC, reference);
  if (!size) RaiseLastOSError();
  std::vector<uint8_t> bits(size);
  GetWinMetaFileBits(FHandle, size, bits.data(), MM_ANISOTROPIC, reference);
  TPlaceableHeader header{PlaceableKey, 0, 0, 0,
                          static_cast<int16_t>(MulDiv(FMMWidth, FInch, HundredthMMPerInch)),
                          static_cast<int16_t>(MulDiv(FMMHeight, FInch, HundredthMMPerInch)),
                          static_cast<uint16_t>(FInch), 0, 0};
  header.CheckSum = CheckSumOf(header);
  AStream->WriteBuffer(&header, sizeof(header));
  AStream->WriteBuffer(bits.data(), size);
}

void TMetafile::Assign(TPersistent* ASource) {
  if (!ASource) return Clear();
  auto* source = dynamic_cast<TMetafile*>(ASource);
  if (!source) return TGraphic::Assign(ASource);
  if (source == this) return;
  HENHMETAFILE copy = source->FHandle ? CopyEnhMetaFileW(source->FHandle, nullptr) : nullptr;
  if (source->FHandle && !copy) RaiseLastOSError();
  FEnhanced = source->FEnhanced;
  FInch = source->FInch;
  TakeHandle(copy, source->FMMWidth, source->FMMHeight);
}

void TMetafile::Draw(TCanvas* ACanvas, const TRect& ARect) {
  if (!FHandle) return;
  const RECT bounds{ARect.Left, ARect.Top, ARect.Right, ARect.Bottom};
  PlayEnhMetaFile(ACanvas->Handle(), FHandle, &bounds);
}

// ---------------------------------------------------------------- TMetafileCanvas

TMetafileCanvas::TMetafileCanvas(TMetafile* AMetafile, HDC AReferenceDevice) : FMetafile(AMetafile) {
  const RECT frame{0, 0, AMetafile->MMWidth(), AMetafile->MMHeight()};
  const bool sized = frame.right > 0 && frame.bottom > 0;
  HDC dc = AReferenceDevice ? CreateEnhMetaFileW(AReferenceDevice, nullptr, sized ? &frame : nullptr, nullptr)
                            : CreateEnhMetaFileW(TScreenDC(), nullptr, sized ? &frame : nullptr, nullptr);
  if (!dc) RaiseLastOSError();
  SetHandle(dc);
}

TMetafileCanvas::~TMetafileCanvas() {
  HDC dc = Handle();
  SetHandle(nullptr);
  HENHMETAFILE recording = CloseEnhMetaFile(dc);
  if (!recording) return;
  const int mmWidth = FMetafile->MMWidth(), mmHeight = FMetafile->MMHeight();
  FMetafile->SetHandle(recording);
  // A metafile sized beforehand keeps its size rather than the recording's.
  if (mmWidth > 0 && mmHeight > 0) {
    FMetafile->SetMMWidth(mmWidth);
    FMetafile->SetMMHeight(mmHeight);
  }
}
