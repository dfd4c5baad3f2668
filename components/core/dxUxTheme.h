#pragma once
// The visual-styles API, bound by name from UxTheme.dll at start-up, so that
// the program also starts where the library or some of its functions are
// missing. The program does not import UxTheme.dll: this unit defines the
// API's functions under their published names, each forwarding to the bound
// entry point. A forwarder whose function is missing answers E_NOTIMPL (or
// 0, FALSE, a null handle) without calling anything.
//
// Include this header before any platform header that declares the API
// (dwmapi.h does), so that every caller reaches these definitions.
#if defined(_UXTHEME_H_) && !defined(_UXTHEME_)
#error "dxUxTheme.h must be included before the platform's uxtheme.h"
#endif
#ifndef _UXTHEME_
#define _UXTHEME_
#endif
#include <commctrl.h>
#include <uxtheme.h>
#include <vssym32.h>

#include "vcl/rtl/Strings.h"
#include "vcl/rtl/Types.h"
#include "vcl/rtl/UnitStartup.h"
#include "vcl/rtl/WinApi.h"

// The library handle is not 0: UxTheme.dll was loaded.
bool dxIsUxThemeLoaded();

// C++ forms of some forwarders.
HRESULT DrawThemeBackground(HTHEME ATheme, HDC DC, int APartId, int AStateId, const TRect& ARect,
                            const TRect* AClipRect = nullptr);
HRESULT GetThemePartSize(HTHEME ATheme, HDC DC, int APartId, int AStateId, THEMESIZE ASize, SIZE* APartSize);
HRESULT DrawThemeText(HTHEME ATheme, HDC DC, int APartId, int AStateId, const String& AText, int ACharCount,
                      DWORD ATextFlags, DWORD ATextFlags2, const TRect& ARect);

// Touch panning feedback (the window follows an overpan and springs back);
// each answers false without calling when its function is missing.
bool dxPanFeedbackBegin(HWND AWindow);
bool dxPanFeedbackUpdate(HWND AWindow, const TPoint& AOverpan, bool AIsInertia);
bool dxPanFeedbackEnd(HWND AWindow, bool AAnimateBack);

// Start-up: the common controls are initialised, then the library is loaded
// and every function bound; shut-down frees the library.
extern const TUnitEntry dxUxThemeUnit;
