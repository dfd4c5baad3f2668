#include "tests/guiharness/WindowCapture.h"

#include "vcl/graphics/Canvas.h"
#include "vcl/rtl/SysUtils.h"

// The flat GDI+ functions this needs.
extern "C" {
struct GdiplusStartupInputFlat {
  UINT32 GdiplusVersion;
  void* DebugEventCallback;
  BOOL SuppressBackgroundThread;
  BOOL SuppressExternalCodecs;
};
int WINAPI GdiplusStartup(ULONG_PTR* Token, const GdiplusStartupInputFlat* Input, void* Output);
void WINAPI GdiplusShutdown(ULONG_PTR Token);
int WINAPI GdipCreateBitmapFromHBITMAP(HBITMAP Bitmap, HPALETTE Palette, void** Image);
int WINAPI GdipSaveImageToFile(void* Image, const WCHAR* FileName, const CLSID* Encoder,
                               const void* Parameters);
int WINAPI GdipDisposeImage(void* Image);
}

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
  GdiplusStartupInputFlat input{1, nullptr, FALSE, FALSE};
  ULONG_PTR token;
  if (GdiplusStartup(&token, &input, nullptr) != 0) throw EOSError(L"GDI+ did not start");
  struct TShutdown {
    ULONG_PTR Token;
    ~TShutdown() { GdiplusShutdown(Token); }
  } shutdown{token};
  void* image = nullptr;
  if (GdipCreateBitmapFromHBITMAP(Bitmap.Handle(), nullptr, &image) != 0)
    throw EOSError(L"GDI+ could not take the bitmap");
  int status = GdipSaveImageToFile(image, FileName.c_str(), &pngEncoder, nullptr);
  GdipDisposeImage(image);
  if (status != 0) throw EOSError(L"Could not write " + FileName);
}
