#include "tests/guiharness/WindowCapture.h"

#include "vcl/graphics/Canvas.h"
#include "vcl/rtl/SysUtils.h"

namespace {

struct GdiplusStartupInputFlat {
  UINT32 GdiplusVersion;
  void* DebugEventCallback;
  BOOL SuppressBackgroundThread;
  BOOL SuppressExternalCodecs;
};

// The flat GDI+ functions a picture is saved with, bound by name: the
// component library binds GDI+ under the platform's own names, so a test
// program that links both must not also import them.
struct TGdiPlusFunctions {
  int(WINAPI* Startup)(ULONG_PTR*, const GdiplusStartupInputFlat*, void*);
  void(WINAPI* Shutdown)(ULONG_PTR);
  int(WINAPI* CreateBitmapFromHBITMAP)(HBITMAP, HPALETTE, void**);
  int(WINAPI* SaveImageToFile)(void*, const WCHAR*, const CLSID*, const void*);
  int(WINAPI* DisposeImage)(void*);
};

template <typename F>
void Bind(HMODULE Library, const char* Name, F& Function) {
  Function = reinterpret_cast<F>(GetProcAddress(Library, Name));
  if (!Function) throw EOSError(L"GDI+ has no " + String(Name, Name + strlen(Name)));
}

const TGdiPlusFunctions& GdiPlus() {
  static const TGdiPlusFunctions functions = [] {
    HMODULE library = LoadLibraryW(L"gdiplus.dll");
    if (!library) throw EOSError(L"GDI+ could not be loaded");
    TGdiPlusFunctions f{};
    Bind(library, "GdiplusStartup", f.Startup);
    Bind(library, "GdiplusShutdown", f.Shutdown);
    Bind(library, "GdipCreateBitmapFromHBITMAP", f.CreateBitmapFromHBITMAP);
    Bind(library, "GdipSaveImageToFile", f.SaveImageToFile);
    Bind(library, "GdipDisposeImage", f.DisposeImage);
    return f;
  }();
  return functions;
}

}  // namespace

std::unique_ptr<TBitmap> CaptureWindow(TWinControl* Control) {
  HWND window = Control->Handle();
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
  RECT r;
  GetWindowRect(window, &r);
  auto bitmap = std::make_unique<TBitmap>(r.right - r.left, r.bottom - r.top);
  HDC source = GetWindowDC(window);
  BitBlt(bitmap->Canvas()->Handle(), 0, 0, bitmap->Width(), bitmap->Height(), source, 0, 0, SRCCOPY);
  ReleaseDC(window, source);
  return bitmap;
}

TColor PixelColor(TBitmap& Bitmap, int X, int Y) {
  const auto* pixel = static_cast<const uint8_t*>(Bitmap.ScanLine(Y)) + X * 4;
  return RGB(pixel[2], pixel[1], pixel[0]);
}

void SaveAsPng(TBitmap& Bitmap, const String& FileName) {
  static const CLSID pngEncoder = {0x557CF406, 0x1A04, 0x11D3,
                                   {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
  const TGdiPlusFunctions& gdiPlus = GdiPlus();
  GdiplusStartupInputFlat input{1, nullptr, FALSE, FALSE};
  ULONG_PTR token;
  if (gdiPlus.Startup(&token, &input, nullptr) != 0) throw EOSError(L"GDI+ did not start");
  struct TShutdown {
    const TGdiPlusFunctions& GdiPlus;
    ULONG_PTR Token;
    ~TShutdown() { GdiPlus.Shutdown(Token); }
  } shutdown{gdiPlus, token};
  void* image = nullptr;
  if (gdiPlus.CreateBitmapFromHBITMAP(Bitmap.Handle(), nullptr, &image) != 0)
    throw EOSError(L"GDI+ could not take the bitmap");
  int status = gdiPlus.SaveImageToFile(image, FileName.c_str(), &pngEncoder, nullptr);
  gdiPlus.DisposeImage(image);
  if (status != 0) throw EOSError(L"Could not write " + FileName);
}
