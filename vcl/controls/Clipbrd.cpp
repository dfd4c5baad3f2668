#include "vcl/controls/Clipbrd.h"

#include <memory>

#include "vcl/graphics/Graphic.h"
#include "vcl/rtl/SysUtils.h"
#include "vcl/rtl/WinApi.h"

TClipboard::~TClipboard() {
  while (FOpenRefCount > 0) Close();
  if (FWindow) DestroyWindow(FWindow);
}

HWND TClipboard::WindowHandle() {
  if (!FWindow) {
    FWindow = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr),
                              nullptr);
    if (!FWindow) RaiseLastOSError();
  }
  return FWindow;
}

void TClipboard::Open() {
  if (FOpenRefCount == 0) {
    if (!OpenClipboard(WindowHandle())) throw EOSError(L"Cannot open clipboard", GetLastError());
    FEmptied = false;
  }
  ++FOpenRefCount;
}

void TClipboard::Close() {
  if (FOpenRefCount == 0) return;
  if (--FOpenRefCount == 0) CloseClipboard();
}

void TClipboard::Clear() {
  Open();
  EmptyClipboard();
  FEmptied = true;
  Close();
}

bool TClipboard::HasFormat(uint32_t AFormat) const { return IsClipboardFormatAvailable(AFormat); }

void* TClipboard::GetAsHandle(uint32_t AFormat) {
  Open();
  void* data = GetClipboardData(AFormat);
  Close();
  return data;
}

String TClipboard::AsText() {
  String text;
  if (!HasFormat(CF_UNICODETEXT)) return text;
  Open();
  if (void* data = GetClipboardData(CF_UNICODETEXT)) {
    if (auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  Close();
  return text;
}

void TClipboard::SetAsHandle(uint32_t AFormat, void* AData) {
  Open();
  try {
    if (!FEmptied) {
      EmptyClipboard();
      FEmptied = true;
    }
    if (!SetClipboardData(AFormat, AData)) RaiseLastOSError();
  } catch (...) {
    Close();
    throw;
  }
  Close();
}

void TClipboard::Assign(TPersistent* Source) {
  auto* graphic = dynamic_cast<TGraphic*>(Source);
  if (auto* picture = dynamic_cast<TPicture*>(Source)) graphic = picture->Graphic();
  if (!graphic) return TPersistent::Assign(Source);
  Open();
  try {
    EmptyClipboard();
    FEmptied = true;
    uint32_t format = 0;
    void* data = nullptr;
    void* palette = nullptr;
    graphic->SaveToClipboardFormat(format, data, palette);
    if (data) SetAsHandle(format, data);
    if (palette) SetAsHandle(CF_PALETTE, palette);
  } catch (...) {
    Close();
    throw;
  }
  Close();
}

TClipboard* Clipboard() {
  static const std::unique_ptr<TClipboard> clipboard = std::make_unique<TClipboard>();
  return clipboard.get();
}
