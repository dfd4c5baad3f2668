#pragma once
// The desktop window manager (dwmapi.dll), bound by name at run time so that
// the library asks whether desktop composition (glass) is on and calls the
// window manager where it exists, yet runs where it does not. Each function
// pointer is null when its name was not found; callers check before use.
// The library is loaded on first use: ask cxIsDwmLoaded() before reading a
// pointer.
#include "components/core/dxUxTheme.h"  // before dwmapi.h, which declares the visual styles
#include "vcl/rtl/UnitStartup.h"
#include "vcl/rtl/WinApi.h"

#include <dwmapi.h>

#define CX_DWM_ENTRY_POINTS(X)                                                        \
  X(DwmDefWindowProc, BOOL, (HWND, UINT, WPARAM, LPARAM, LRESULT*))                   \
  X(DwmEnableBlurBehindWindow, HRESULT, (HWND, const DWM_BLURBEHIND*))                \
  X(DwmEnableComposition, HRESULT, (UINT))                                            \
  X(DwmEnableMMCSS, HRESULT, (BOOL))                                                  \
  X(DwmExtendFrameIntoClientArea, HRESULT, (HWND, const MARGINS*))                    \
  X(DwmGetColorizationColor, HRESULT, (DWORD*, BOOL*))                                \
  X(DwmGetWindowAttribute, HRESULT, (HWND, DWORD, PVOID, DWORD))                      \
  X(DwmIsCompositionEnabled, HRESULT, (BOOL*))                                        \
  X(DwmSetWindowAttribute, HRESULT, (HWND, DWORD, LPCVOID, DWORD))                    \
  X(DwmSetIconicThumbnail, HRESULT, (HWND, HBITMAP, DWORD))                           \
  X(DwmSetIconicLivePreviewBitmap, HRESULT, (HWND, HBITMAP, POINT*, DWORD))           \
  X(DwmInvalidateIconicBitmaps, HRESULT, (HWND))

// The pointers are named after the functions with a "cx" prefix, so that
// they do not clash with the declarations of the platform header.
#define CX_DWM_DECLARE(Name, Result, Arguments) \
  using Tcx##Name = Result(WINAPI*) Arguments;  \
  extern Tcx##Name cx##Name;
CX_DWM_ENTRY_POINTS(CX_DWM_DECLARE)
#undef CX_DWM_DECLARE

// Loads the library and binds every function it has; false before Windows
// Vista or when the library cannot be loaded. A second call keeps the
// library already loaded.
bool cxLoadDwmApi();
// Loads the library on its first call while the unit is started.
bool cxIsDwmLoaded();
// Asked each time, as the user may switch composition at any moment; off
// when the library is not loaded or the query fails.
bool cxIsDesktopCompositionEnabled();

// Start-up and shut-down may run more than once: the first question after
// start-up loads the library, the last shut-down frees it.
extern const TUnitEntry cxDWMApiUnit;
