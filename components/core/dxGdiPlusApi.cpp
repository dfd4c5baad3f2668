#include "components/core/dxGdiPlusApi.h"

#include <cstdlib>
#include <iterator>
#include <new>

#define DX_GDIPLUS_DEFINE(Name, Result, Arguments) T##Name Name = nullptr;
DX_GDIPLUS_ENTRY_POINTS(DX_GDIPLUS_DEFINE)
#undef DX_GDIPLUS_DEFINE

TResStringRec sdxGdipInvalidOperation{L"Invalid operation in GDI+ (Code: %d)"};
TResStringRec sdxGdipInvalidOperationWin32{L"Invalid operation in GDI+ (Win32 error code: %d)"};

const wchar_t* dxGdiPlusLibraryName = L"gdiplus.dll";
TdxGpImageCodecs dxGpImageCodecs{};

namespace {

#define DX_GDIPLUS_BINDING(Name, Result, Arguments) {#Name, reinterpret_cast<void**>(&Name)},
const TdxProcBinding EntryPoints[] = {DX_GDIPLUS_ENTRY_POINTS(DX_GDIPLUS_BINDING)};
#undef DX_GDIPLUS_BINDING

bool Loaded = false;
HMODULE Library = nullptr;
ULONG_PTR StartupToken = 0;
ULONG_PTR HookToken = 0;
TdxGpStartupOutput StartupOutput;

const wchar_t* const SGdiPlusRequired =
    L"This application requires the Microsoft GDI+ library to be installed. Gdiplus.dll is "
    L"included with Windows XP and Vista. GDI+ is available as a redistributable file for Windows "
    L"NT 4.0 SP6, Windows 2000, Windows 98, and Windows Me.  To download the latest "
    L"redistributable,  see https://www.microsoft.com/download";

void ClearEntryPoints() {
  for (const TdxProcBinding& binding : EntryPoints) *binding.Address = nullptr;
}

void FreeGdiPlusLibrary() {
  if (Library) FreeLibrary(Library);
  Library = nullptr;
  ClearEntryPoints();
}

// Starts GDI+ and calls the notification hook that the suppressed
// background thread would otherwise serve. A hook that fails shuts GDI+
// down again, so no started GDI+ is left behind.
bool StartGdiPlus() {
  const TdxGpStartupInput input;
  if (GdiplusStartup(&StartupToken, &input, &StartupOutput) != Ok) {
    StartupOutput = {};
    return false;
  }
  if (!StartupOutput.NotificationHook || StartupOutput.NotificationHook(&HookToken) != Ok) {
    GdiplusShutdown(StartupToken);
    StartupOutput = {};
    return false;
  }
  return true;
}

// Codec lists: the size, then the entries in one block.
using TCodecsSize = Status(WINAPI*)(UINT*, UINT*);
using TCodecs = Status(WINAPI*)(UINT, UINT, TdxGpImageCodecInfo*);

Status FindCodec(TCodecsSize AGetSize, TCodecs AGetCodecs, const String& AMimeType, CLSID& AClsid) {
  UINT count = 0, size = 0;
  if (AGetSize(&count, &size) != Ok || size == 0) return GenericError;
  std::vector<uint8_t> buffer(size);
  auto* codecs = reinterpret_cast<TdxGpImageCodecInfo*>(buffer.data());
  if (AGetCodecs(count, size, codecs) != Ok) return GenericError;
  for (UINT i = 0; i < count; ++i)
    if (codecs[i].MimeType && SameText(codecs[i].MimeType, AMimeType)) {
      AClsid = codecs[i].Clsid;
      return Ok;
    }
  return GenericError;
}

// Fills a table entry once: a CLSID already set is kept; a required codec
// that is absent raises, any other stays zero.
void PrepareCodec(CLSID& AClsid, bool AEncoder, const wchar_t* AMimeType, bool ARequired) {
  if (!dxGpIsCodecEmpty(AClsid)) return;
  const Status status = AEncoder ? dxGpGetEncoderClsid(AMimeType, AClsid)
                                 : dxGpGetDecoderClsid(AMimeType, AClsid);
  if (status == Ok) return;
  AClsid = CLSID{};
  if (ARequired) dxCheckGpStatus(status);
}

void dxGdiPlusStart() { Loaded = false; }

void dxGdiPlusApiInitialize() {
  if (TdxUnitsLoader* loader = dxUnitsLoaderInstance()) loader->AddUnit(dxGdiPlusStart, dxUnloadGdiPlus);
}

void dxGdiPlusApiFinalize() {
  if (TdxUnitsLoader* loader = dxUnitsLoaderInstance()) loader->RemoveUnit(dxUnloadGdiPlus);
}

}  // namespace

const TUnitEntry dxGdiPlusApiUnit{L"dxGdiPlusApi", dxGdiPlusApiInitialize, dxGdiPlusApiFinalize};

// ---------------------------------------------------------------- records

TdxGpRectF TdxGpRectF::From(const TRect& R) {
  return {static_cast<float>(R.Left), static_cast<float>(R.Top), static_cast<float>(R.Right - R.Left),
          static_cast<float>(R.Bottom - R.Top)};
}

TdxGpRectF TdxGpRectF::From(const TdxRectF& R) { return {R.Left, R.Top, R.Right - R.Left, R.Bottom - R.Top}; }

TRect TdxGpRectF::ToRect() const {
  return {static_cast<int32_t>(X), static_cast<int32_t>(Y), static_cast<int32_t>(X + Width),
          static_cast<int32_t>(Y + Height)};
}

TdxGpRect MakeRect(int32_t X, int32_t Y, int32_t AWidth, int32_t AHeight) { return {X, Y, AWidth, AHeight}; }
TdxGpRectF MakeRect(float X, float Y, float AWidth, float AHeight) { return {X, Y, AWidth, AHeight}; }
TdxGpRect GpRect(const TRect& R) { return {R.Left, R.Top, R.Right - R.Left, R.Bottom - R.Top}; }
TdxGpRectF GpRectF(const TRect& R) { return TdxGpRectF::From(R); }

TdxGpRectF GpRectF(const TdxGpRect& R) {
  return {static_cast<float>(R.X), static_cast<float>(R.Y), static_cast<float>(R.Width),
          static_cast<float>(R.Height)};
}

bool GpIsEqualRectF(const TdxGpRectF& A, const TdxGpRectF& B) {
  return A.X == B.X && A.Y == B.Y && A.Width == B.Width && A.Height == B.Height;
}

// ---------------------------------------------------------------- binding

bool dxBindProcedures(HMODULE ALibrary, const TdxProcBinding* ABindings, size_t ACount) {
  bool bound = ALibrary != nullptr;
  for (size_t i = 0; i < ACount; ++i) {
    *ABindings[i].Address = bound ? reinterpret_cast<void*>(GetProcAddress(ALibrary, ABindings[i].Name)) : nullptr;
    bound = *ABindings[i].Address != nullptr;
  }
  return bound;
}

void dxLoadGdiPlusEntryPoints() {
  if (Loaded) return;
  // An earlier failed attempt gave its library back, so a retry holds at
  // most one reference.
  const UINT oldMode = SetErrorMode(SEM_NOOPENFILEERRORBOX);
  Library = LoadLibraryW(dxGdiPlusLibraryName);
  SetErrorMode(oldMode);
  Loaded = dxBindProcedures(Library, EntryPoints, std::size(EntryPoints)) && StartGdiPlus();
  if (!Loaded) FreeGdiPlusLibrary();
}

bool dxEnsureGdiPlus(bool AShowErrorOnFailure) {
  if (!Loaded) dxLoadGdiPlusEntryPoints();
  if (!Loaded && AShowErrorOnFailure) {
    MessageBoxW(nullptr, SGdiPlusRequired, L"Application Error", MB_TASKMODAL | MB_ICONERROR);
    std::exit(1);
  }
  return Loaded;
}

bool dxGdiPlusLoaded() { return Loaded; }

void dxUnloadGdiPlus() {
  if (Loaded) {
    if (StartupOutput.NotificationUnhook) StartupOutput.NotificationUnhook(HookToken);
    GdiplusShutdown(StartupToken);
    StartupOutput = {};
  }
  FreeGdiPlusLibrary();
  Loaded = false;
}

// ---------------------------------------------------------------- errors

namespace {
String GdipErrorText(Status AStatus) {
  const DWORD lastError = GetLastError();
  if (AStatus == Win32Error && lastError != 0)
    return Format(dxTranslatedResString(sdxGdipInvalidOperationWin32), {static_cast<unsigned>(lastError)});
  return Format(dxTranslatedResString(sdxGdipInvalidOperation), {static_cast<int>(AStatus)});
}
}  // namespace

EdxGdipException::EdxGdipException(Status AStatus) : EdxException(GdipErrorText(AStatus)), FStatus(AStatus) {}

void dxCheckGpStatus(Status AStatus) {
  if (AStatus != Ok) throw EdxGdipException(AStatus);
}

// ---------------------------------------------------------------- TdxGpBase

namespace {
// Every instance starts with a header that says where its memory came from;
// the header's size keeps the object's alignment.
struct alignas(std::max_align_t) TInstanceHeader {
  bool FromGdiPlus;
};
}  // namespace

void* TdxGpBase::operator new(size_t ASize) {
  const size_t total = sizeof(TInstanceHeader) + ASize;
  const bool fromGdiPlus = Loaded;
  void* block = fromGdiPlus ? GdipAlloc(total) : ::operator new(total);
  if (!block) throw std::bad_alloc();
  auto* header = static_cast<TInstanceHeader*>(block);
  header->FromGdiPlus = fromGdiPlus;
  return header + 1;
}

void TdxGpBase::operator delete(void* P) {
  if (!P) return;
  auto* header = static_cast<TInstanceHeader*>(P) - 1;
  if (!header->FromGdiPlus)
    ::operator delete(header);
  else if (GdipFree)
    GdipFree(header);
  // GDI+ already shut down: its memory went with it.
}

bool TdxGpBase::IsGpUsed() const {
  return (reinterpret_cast<const TInstanceHeader*>(this) - 1)->FromGdiPlus;
}

// ---------------------------------------------------------------- bitmaps and codecs

void* dxGpCreateBitmap(int AWidth, int AHeight) {
  void* bitmap = nullptr;
  dxCheckGpStatus(GdipCreateBitmapFromScan0(AWidth, AHeight, 0, PixelFormat32bppPARGB, nullptr, &bitmap));
  return bitmap;
}

void* dxGpCreateBitmap(const TSize& ASize) { return dxGpCreateBitmap(ASize.cx, ASize.cy); }

void* dxGpCreateBitmapOfRect(const TRect& R) { return dxGpCreateBitmap(R.Right - R.Left, R.Bottom - R.Top); }

Status dxGpGetEncoderClsid(const String& AMimeType, CLSID& AClsid) {
  if (!dxEnsureGdiPlus()) return GenericError;
  return FindCodec(GdipGetImageEncodersSize, GdipGetImageEncoders, AMimeType, AClsid);
}

Status dxGpGetDecoderClsid(const String& AMimeType, CLSID& AClsid) {
  if (!dxEnsureGdiPlus()) return GenericError;
  return FindCodec(GdipGetImageDecodersSize, GdipGetImageDecoders, AMimeType, AClsid);
}

bool dxGpIsCodecEmpty(const CLSID& AClsid) { return AClsid == CLSID{}; }

void dxGpPrepareImageCodecs() {
  TdxGpImageCodecs& codecs = dxGpImageCodecs;
  PrepareCodec(codecs.PngEncoder, true, L"image/png", true);
  PrepareCodec(codecs.PngDecoder, false, L"image/png", true);
  PrepareCodec(codecs.BmpEncoder, true, L"image/bmp", false);
  PrepareCodec(codecs.BmpDecoder, false, L"image/bmp", false);
  PrepareCodec(codecs.GifEncoder, true, L"image/gif", false);
  PrepareCodec(codecs.GifDecoder, false, L"image/gif", false);
  PrepareCodec(codecs.JpegEncoder, true, L"image/jpeg", false);
  PrepareCodec(codecs.JpegDecoder, false, L"image/jpeg", false);
  PrepareCodec(codecs.TiffEncoder, true, L"image/tiff", false);
  PrepareCodec(codecs.TiffDecoder, false, L"image/tiff", false);
  PrepareCodec(codecs.EmfDecoder, false, L"image/x-emf", false);
  PrepareCodec(codecs.WmfDecoder, false, L"image/x-wmf", false);
  PrepareCodec(codecs.IconDecoder, false, L"image/x-icon", false);
}
