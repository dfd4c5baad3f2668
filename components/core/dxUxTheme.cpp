// The visual-styles API bound by name, and its forwarders.
#include "components/core/dxUxTheme.h"

#include <type_traits>

#include "vcl/graphics/GdiTypes.h"

namespace {

// One entry point per bound name, null when the library or the name is
// missing.
struct TUxThemeFunctions {
  decltype(&::CloseThemeData) CloseThemeData;
  // The C++ overloads of the header make these names ambiguous.
  HRESULT(WINAPI* DrawThemeBackground)(HTHEME, HDC, int, int, const RECT*, const RECT*);
  decltype(&::DrawThemeEdge) DrawThemeEdge;
  decltype(&::DrawThemeIcon) DrawThemeIcon;
  decltype(&::DrawThemeParentBackground) DrawThemeParentBackground;
  HRESULT(WINAPI* DrawThemeText)(HTHEME, HDC, int, int, LPCWSTR, int, DWORD, DWORD, const RECT*);
  decltype(&::DrawThemeTextEx) DrawThemeTextEx;
  decltype(&::EnableThemeDialogTexture) EnableThemeDialogTexture;
  decltype(&::GetCurrentThemeName) GetCurrentThemeName;
  decltype(&::GetThemeAppProperties) GetThemeAppProperties;
  decltype(&::GetThemeBackgroundContentRect) GetThemeBackgroundContentRect;
  decltype(&::GetThemeBackgroundRegion) GetThemeBackgroundRegion;
  decltype(&::GetThemeBackgroundExtent) GetThemeBackgroundExtent;
  decltype(&::GetThemeBool) GetThemeBool;
  decltype(&::GetThemeColor) GetThemeColor;
  decltype(&::GetThemeDocumentationProperty) GetThemeDocumentationProperty;
  decltype(&::GetThemeEnumValue) GetThemeEnumValue;
  decltype(&::GetThemeFilename) GetThemeFilename;
  decltype(&::GetThemeFont) GetThemeFont;
  decltype(&::GetThemeInt) GetThemeInt;
  decltype(&::GetThemeIntList) GetThemeIntList;
  decltype(&::GetThemeMargins) GetThemeMargins;
  decltype(&::GetThemeMetric) GetThemeMetric;
  HRESULT(WINAPI* GetThemePartSize)(HTHEME, HDC, int, int, RECT*, THEMESIZE, SIZE*);
  decltype(&::GetThemePosition) GetThemePosition;
  decltype(&::GetThemePropertyOrigin) GetThemePropertyOrigin;
  decltype(&::GetThemeRect) GetThemeRect;
  decltype(&::GetThemeString) GetThemeString;
  decltype(&::GetThemeSysBool) GetThemeSysBool;
  decltype(&::GetThemeSysColor) GetThemeSysColor;
  decltype(&::GetThemeSysColorBrush) GetThemeSysColorBrush;
  decltype(&::GetThemeSysFont) GetThemeSysFont;
  decltype(&::GetThemeSysInt) GetThemeSysInt;
  decltype(&::GetThemeSysSize) GetThemeSysSize;
  decltype(&::GetThemeSysString) GetThemeSysString;
  decltype(&::GetThemeTextExtent) GetThemeTextExtent;
  decltype(&::GetThemeTextMetrics) GetThemeTextMetrics;
  decltype(&::GetWindowTheme) GetWindowTheme;
  decltype(&::HitTestThemeBackground) HitTestThemeBackground;
  decltype(&::IsAppThemed) IsAppThemed;
  decltype(&::IsThemeActive) IsThemeActive;
  decltype(&::IsThemePartDefined) IsThemePartDefined;
  decltype(&::IsThemeBackgroundPartiallyTransparent) IsThemeBackgroundPartiallyTransparent;
  decltype(&::IsThemeDialogTextureEnabled) IsThemeDialogTextureEnabled;
  decltype(&::OpenThemeData) OpenThemeData;
  decltype(&::SetThemeAppProperties) SetThemeAppProperties;
  decltype(&::SetWindowTheme) SetWindowTheme;
  decltype(&::BeginBufferedPaint) BeginBufferedPaint;
  decltype(&::BufferedPaintClear) BufferedPaintClear;
  decltype(&::BufferedPaintInit) BufferedPaintInit;
  decltype(&::BufferedPaintSetAlpha) BufferedPaintSetAlpha;
  decltype(&::BufferedPaintUnInit) BufferedPaintUnInit;
  decltype(&::EndBufferedPaint) EndBufferedPaint;
  decltype(&::BeginPanningFeedback) BeginPanningFeedback;
  decltype(&::UpdatePanningFeedback) UpdatePanningFeedback;
  decltype(&::EndPanningFeedback) EndPanningFeedback;
};

HMODULE UxThemeLibrary = nullptr;
TUxThemeFunctions UxTheme{};

template <class TFunction>
void Bind(TFunction& AFunction, const char* AName) {
  AFunction = reinterpret_cast<TFunction>(GetProcAddress(UxThemeLibrary, AName));
}

#define DX_BIND(Name) Bind(UxTheme.Name, #Name)

void BindFunctions() {
  DX_BIND(CloseThemeData);
  DX_BIND(DrawThemeBackground);
  DX_BIND(DrawThemeEdge);
  DX_BIND(DrawThemeIcon);
  DX_BIND(DrawThemeParentBackground);
  DX_BIND(DrawThemeText);
  DX_BIND(DrawThemeTextEx);
  DX_BIND(EnableThemeDialogTexture);
  DX_BIND(GetCurrentThemeName);
  DX_BIND(GetThemeAppProperties);
  DX_BIND(GetThemeBackgroundContentRect);
  DX_BIND(GetThemeBackgroundRegion);
  DX_BIND(GetThemeBackgroundExtent);
  DX_BIND(GetThemeBool);
  DX_BIND(GetThemeColor);
  DX_BIND(GetThemeDocumentationProperty);
  DX_BIND(GetThemeEnumValue);
  DX_BIND(GetThemeFilename);
  DX_BIND(GetThemeFont);
  DX_BIND(GetThemeInt);
  DX_BIND(GetThemeIntList);
  DX_BIND(GetThemeMargins);
  DX_BIND(GetThemeMetric);
  DX_BIND(GetThemePartSize);
  DX_BIND(GetThemePosition);
  DX_BIND(GetThemePropertyOrigin);
  DX_BIND(GetThemeRect);
  DX_BIND(GetThemeString);
  DX_BIND(GetThemeSysBool);
  DX_BIND(GetThemeSysColor);
  DX_BIND(GetThemeSysColorBrush);
  DX_BIND(GetThemeSysFont);
  DX_BIND(GetThemeSysInt);
  DX_BIND(GetThemeSysSize);
  DX_BIND(GetThemeSysString);
  DX_BIND(GetThemeTextExtent);
  DX_BIND(GetThemeTextMetrics);
  DX_BIND(GetWindowTheme);
  DX_BIND(HitTestThemeBackground);
  DX_BIND(IsAppThemed);
  DX_BIND(IsThemeActive);
  DX_BIND(IsThemePartDefined);
  DX_BIND(IsThemeBackgroundPartiallyTransparent);
  DX_BIND(IsThemeDialogTextureEnabled);
  DX_BIND(OpenThemeData);
  DX_BIND(SetThemeAppProperties);
  DX_BIND(SetWindowTheme);
  DX_BIND(BeginBufferedPaint);
  DX_BIND(BufferedPaintClear);
  DX_BIND(BufferedPaintInit);
  DX_BIND(BufferedPaintSetAlpha);
  DX_BIND(BufferedPaintUnInit);
  DX_BIND(EndBufferedPaint);
  DX_BIND(BeginPanningFeedback);
  DX_BIND(UpdatePanningFeedback);
  DX_BIND(EndPanningFeedback);
}

#undef DX_BIND

// Calls the bound function, or answers what a missing one means: E_NOTIMPL
// for the functions that report an HRESULT, else 0, FALSE or a null handle.
template <class TResult, class... TParams, class... TArgs>
TResult Call(TResult(WINAPI* AFunction)(TParams...), TArgs... AArgs) {
  if (AFunction) return AFunction(AArgs...);
  if constexpr (std::is_same_v<TResult, HRESULT>)
    return E_NOTIMPL;
  else if constexpr (!std::is_void_v<TResult>)
    return TResult{};
}

void dxUxThemeInitialize() {
  InitCommonControls();
  UxThemeLibrary = LoadLibraryW(L"UxTheme.dll");
  if (UxThemeLibrary) BindFunctions();
}

void dxUxThemeFinalize() {
  UxTheme = {};
  if (UxThemeLibrary) FreeLibrary(UxThemeLibrary);
  UxThemeLibrary = nullptr;
}

}  // namespace

bool dxIsUxThemeLoaded() { return UxThemeLibrary != nullptr; }

// ---------------------------------------------------------------- forwarders

extern "C" {

HRESULT WINAPI CloseThemeData(HTHEME hTheme) { return Call(UxTheme.CloseThemeData, hTheme); }

HRESULT WINAPI DrawThemeBackground(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, const RECT* pRect,
                                   const RECT* pClipRect) {
  return Call(UxTheme.DrawThemeBackground, hTheme, hdc, iPartId, iStateId, pRect, pClipRect);
}

HRESULT WINAPI DrawThemeEdge(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, const RECT* pDestRect, UINT uEdge,
                             UINT uFlags, RECT* pContentRect) {
  return Call(UxTheme.DrawThemeEdge, hTheme, hdc, iPartId, iStateId, pDestRect, uEdge, uFlags, pContentRect);
}

HRESULT WINAPI DrawThemeIcon(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, const RECT* pRect, HIMAGELIST himl,
                             int iImageIndex) {
  return Call(UxTheme.DrawThemeIcon, hTheme, hdc, iPartId, iStateId, pRect, himl, iImageIndex);
}

// The function may select a font of its own into the DC; the caller's font
// is selected again afterwards.
HRESULT WINAPI DrawThemeParentBackground(HWND hwnd, HDC hdc, RECT* prc) {
  const HGDIOBJ font = GetCurrentObject(hdc, OBJ_FONT);
  const HRESULT result = Call(UxTheme.DrawThemeParentBackground, hwnd, hdc, prc);
  SelectObject(hdc, font);
  return result;
}

HRESULT WINAPI DrawThemeText(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, LPCWSTR pszText, int iCharCount,
                             DWORD dwTextFlags, DWORD dwTextFlags2, const RECT* pRect) {
  return Call(UxTheme.DrawThemeText, hTheme, hdc, iPartId, iStateId, pszText, iCharCount, dwTextFlags, dwTextFlags2,
              pRect);
}

HRESULT WINAPI DrawThemeTextEx(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, LPCWSTR pszText, int iCharCount,
                               DWORD dwFlags, LPRECT pRect, const DTTOPTS* pOptions) {
  // The function may change the text; it works on a copy.
  String text(pszText, iCharCount < 0 ? wcslen(pszText) : static_cast<size_t>(iCharCount));
  return Call(UxTheme.DrawThemeTextEx, hTheme, hdc, iPartId, iStateId, text.c_str(), iCharCount, dwFlags, pRect,
              pOptions);
}

HRESULT WINAPI EnableThemeDialogTexture(HWND hwnd, DWORD dwFlags) {
  return Call(UxTheme.EnableThemeDialogTexture, hwnd, dwFlags);
}

HRESULT WINAPI GetCurrentThemeName(LPWSTR pszThemeFileName, int cchMaxNameChars, LPWSTR pszColorBuff,
                                   int cchMaxColorChars, LPWSTR pszSizeBuff, int cchMaxSizeChars) {
  return Call(UxTheme.GetCurrentThemeName, pszThemeFileName, cchMaxNameChars, pszColorBuff, cchMaxColorChars,
              pszSizeBuff, cchMaxSizeChars);
}

DWORD WINAPI GetThemeAppProperties() { return Call(UxTheme.GetThemeAppProperties); }

HRESULT WINAPI GetThemeBackgroundContentRect(HTHEME hTheme, HDC hdc, int iPartId, int iStateId,
                                             const RECT* pBoundingRect, RECT* pContentRect) {
  return Call(UxTheme.GetThemeBackgroundContentRect, hTheme, hdc, iPartId, iStateId, pBoundingRect, pContentRect);
}

HRESULT WINAPI GetThemeBackgroundRegion(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, const RECT* pRect,
                                        HRGN* pRegion) {
  return Call(UxTheme.GetThemeBackgroundRegion, hTheme, hdc, iPartId, iStateId, pRect, pRegion);
}

HRESULT WINAPI GetThemeBackgroundExtent(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, const RECT* pContentRect,
                                        RECT* pExtentRect) {
  return Call(UxTheme.GetThemeBackgroundExtent, hTheme, hdc, iPartId, iStateId, pContentRect, pExtentRect);
}

HRESULT WINAPI GetThemeBool(HTHEME hTheme, int iPartId, int iStateId, int iPropId, WINBOOL* pfVal) {
  return Call(UxTheme.GetThemeBool, hTheme, iPartId, iStateId, iPropId, pfVal);
}

HRESULT WINAPI GetThemeColor(HTHEME hTheme, int iPartId, int iStateId, int iPropId, COLORREF* pColor) {
  return Call(UxTheme.GetThemeColor, hTheme, iPartId, iStateId, iPropId, pColor);
}

HRESULT WINAPI GetThemeDocumentationProperty(LPCWSTR pszThemeName, LPCWSTR pszPropertyName, LPWSTR pszValueBuff,
                                             int cchMaxValChars) {
  return Call(UxTheme.GetThemeDocumentationProperty, pszThemeName, pszPropertyName, pszValueBuff, cchMaxValChars);
}

HRESULT WINAPI GetThemeEnumValue(HTHEME hTheme, int iPartId, int iStateId, int iPropId, int* piVal) {
  return Call(UxTheme.GetThemeEnumValue, hTheme, iPartId, iStateId, iPropId, piVal);
}

HRESULT WINAPI GetThemeFilename(HTHEME hTheme, int iPartId, int iStateId, int iPropId, LPWSTR pszThemeFileName,
                                int cchMaxBuffChars) {
  return Call(UxTheme.GetThemeFilename, hTheme, iPartId, iStateId, iPropId, pszThemeFileName, cchMaxBuffChars);
}

HRESULT WINAPI GetThemeFont(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, int iPropId, LOGFONTW* pFont) {
  return Call(UxTheme.GetThemeFont, hTheme, hdc, iPartId, iStateId, iPropId, pFont);
}

HRESULT WINAPI GetThemeInt(HTHEME hTheme, int iPartId, int iStateId, int iPropId, int* piVal) {
  return Call(UxTheme.GetThemeInt, hTheme, iPartId, iStateId, iPropId, piVal);
}

HRESULT WINAPI GetThemeIntList(HTHEME hTheme, int iPartId, int iStateId, int iPropId, INTLIST* pIntList) {
  return Call(UxTheme.GetThemeIntList, hTheme, iPartId, iStateId, iPropId, pIntList);
}

HRESULT WINAPI GetThemeMargins(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, int iPropId, RECT* prc,
                               MARGINS* pMargins) {
  return Call(UxTheme.GetThemeMargins, hTheme, hdc, iPartId, iStateId, iPropId, prc, pMargins);
}

HRESULT WINAPI GetThemeMetric(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, int iPropId, int* piVal) {
  return Call(UxTheme.GetThemeMetric, hTheme, hdc, iPartId, iStateId, iPropId, piVal);
}

HRESULT WINAPI GetThemePartSize(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, RECT* prc, enum THEMESIZE eSize,
                                SIZE* psz) {
  return Call(UxTheme.GetThemePartSize, hTheme, hdc, iPartId, iStateId, prc, eSize, psz);
}

HRESULT WINAPI GetThemePosition(HTHEME hTheme, int iPartId, int iStateId, int iPropId, POINT* pPoint) {
  return Call(UxTheme.GetThemePosition, hTheme, iPartId, iStateId, iPropId, pPoint);
}

HRESULT WINAPI GetThemePropertyOrigin(HTHEME hTheme, int iPartId, int iStateId, int iPropId,
                                      enum PROPERTYORIGIN* pOrigin) {
  return Call(UxTheme.GetThemePropertyOrigin, hTheme, iPartId, iStateId, iPropId, pOrigin);
}

HRESULT WINAPI GetThemeRect(HTHEME hTheme, int iPartId, int iStateId, int iPropId, RECT* pRect) {
  return Call(UxTheme.GetThemeRect, hTheme, iPartId, iStateId, iPropId, pRect);
}

HRESULT WINAPI GetThemeString(HTHEME hTheme, int iPartId, int iStateId, int iPropId, LPWSTR pszBuff,
                              int cchMaxBuffChars) {
  return Call(UxTheme.GetThemeString, hTheme, iPartId, iStateId, iPropId, pszBuff, cchMaxBuffChars);
}

WINBOOL WINAPI GetThemeSysBool(HTHEME hTheme, int iBoolId) { return Call(UxTheme.GetThemeSysBool, hTheme, iBoolId); }

COLORREF WINAPI GetThemeSysColor(HTHEME hTheme, int iColorId) {
  return Call(UxTheme.GetThemeSysColor, hTheme, iColorId);
}

HBRUSH WINAPI GetThemeSysColorBrush(HTHEME hTheme, int iColorId) {
  return Call(UxTheme.GetThemeSysColorBrush, hTheme, iColorId);
}

HRESULT WINAPI GetThemeSysFont(HTHEME hTheme, int iFontId, LOGFONTW* plf) {
  return Call(UxTheme.GetThemeSysFont, hTheme, iFontId, plf);
}

HRESULT WINAPI GetThemeSysInt(HTHEME hTheme, int iIntId, int* piValue) {
  return Call(UxTheme.GetThemeSysInt, hTheme, iIntId, piValue);
}

int WINAPI GetThemeSysSize(HTHEME hTheme, int iSizeId) { return Call(UxTheme.GetThemeSysSize, hTheme, iSizeId); }

HRESULT WINAPI GetThemeSysString(HTHEME hTheme, int iStringId, LPWSTR pszStringBuff, int cchMaxStringChars) {
  return Call(UxTheme.GetThemeSysString, hTheme, iStringId, pszStringBuff, cchMaxStringChars);
}

HRESULT WINAPI GetThemeTextExtent(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, LPCWSTR pszText, int iCharCount,
                                  DWORD dwTextFlags, const RECT* pBoundingRect, RECT* pExtentRect) {
  return Call(UxTheme.GetThemeTextExtent, hTheme, hdc, iPartId, iStateId, pszText, iCharCount, dwTextFlags,
              pBoundingRect, pExtentRect);
}

HRESULT WINAPI GetThemeTextMetrics(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, TEXTMETRIC* ptm) {
  return Call(UxTheme.GetThemeTextMetrics, hTheme, hdc, iPartId, iStateId, ptm);
}

HTHEME WINAPI GetWindowTheme(HWND hwnd) { return Call(UxTheme.GetWindowTheme, hwnd); }

HRESULT WINAPI HitTestThemeBackground(HTHEME hTheme, HDC hdc, int iPartId, int iStateId, DWORD dwOptions,
                                      const RECT* pRect, HRGN hrgn, POINT ptTest, WORD* pwHitTestCode) {
  return Call(UxTheme.HitTestThemeBackground, hTheme, hdc, iPartId, iStateId, dwOptions, pRect, hrgn, ptTest,
              pwHitTestCode);
}

WINBOOL WINAPI IsAppThemed() { return Call(UxTheme.IsAppThemed); }

WINBOOL WINAPI IsThemeActive() { return Call(UxTheme.IsThemeActive); }

WINBOOL WINAPI IsThemePartDefined(HTHEME hTheme, int iPartId, int iStateId) {
  return Call(UxTheme.IsThemePartDefined, hTheme, iPartId, iStateId);
}

WINBOOL WINAPI IsThemeBackgroundPartiallyTransparent(HTHEME hTheme, int iPartId, int iStateId) {
  return Call(UxTheme.IsThemeBackgroundPartiallyTransparent, hTheme, iPartId, iStateId);
}

WINBOOL WINAPI IsThemeDialogTextureEnabled(HWND hwnd) { return Call(UxTheme.IsThemeDialogTextureEnabled, hwnd); }

HTHEME WINAPI OpenThemeData(HWND hwnd, LPCWSTR pszClassList) { return Call(UxTheme.OpenThemeData, hwnd, pszClassList); }

void WINAPI SetThemeAppProperties(DWORD dwFlags) { Call(UxTheme.SetThemeAppProperties, dwFlags); }

HRESULT WINAPI SetWindowTheme(HWND hwnd, LPCWSTR pszSubAppName, LPCWSTR pszSubIdList) {
  return Call(UxTheme.SetWindowTheme, hwnd, pszSubAppName, pszSubIdList);
}

HPAINTBUFFER WINAPI BeginBufferedPaint(HDC hdcTarget, const RECT* prcTarget, BP_BUFFERFORMAT dwFormat,
                                       BP_PAINTPARAMS* pPaintParams, HDC* phdc) {
  return Call(UxTheme.BeginBufferedPaint, hdcTarget, prcTarget, dwFormat, pPaintParams, phdc);
}

HRESULT WINAPI BufferedPaintClear(HPAINTBUFFER hBufferedPaint, const RECT* prc) {
  return Call(UxTheme.BufferedPaintClear, hBufferedPaint, prc);
}

HRESULT WINAPI BufferedPaintInit() { return Call(UxTheme.BufferedPaintInit); }

HRESULT WINAPI BufferedPaintSetAlpha(HPAINTBUFFER hBufferedPaint, const RECT* prc, BYTE alpha) {
  return Call(UxTheme.BufferedPaintSetAlpha, hBufferedPaint, prc, alpha);
}

HRESULT WINAPI BufferedPaintUnInit() { return Call(UxTheme.BufferedPaintUnInit); }

HRESULT WINAPI EndBufferedPaint(HPAINTBUFFER hBufferedPaint, WINBOOL fUpdateTarget) {
  return Call(UxTheme.EndBufferedPaint, hBufferedPaint, fUpdateTarget);
}

WINBOOL WINAPI BeginPanningFeedback(HWND hwnd) { return Call(UxTheme.BeginPanningFeedback, hwnd); }

WINBOOL WINAPI UpdatePanningFeedback(HWND hwnd, LONG lTotalOverpanOffsetX, LONG lTotalOverpanOffsetY,
                                     WINBOOL fInInertia) {
  return Call(UxTheme.UpdatePanningFeedback, hwnd, lTotalOverpanOffsetX, lTotalOverpanOffsetY, fInInertia);
}

WINBOOL WINAPI EndPanningFeedback(HWND hwnd, WINBOOL fAnimateBack) {
  return Call(UxTheme.EndPanningFeedback, hwnd, fAnimateBack);
}

}  // extern "C"

HRESULT DrawThemeBackground(HTHEME ATheme, HDC DC, int APartId, int AStateId, const TRect& ARect,
                            const TRect* AClipRect) {
  return DrawThemeBackground(ATheme, DC, APartId, AStateId, AsRECT(ARect), AClipRect ? AsRECT(*AClipRect) : nullptr);
}

HRESULT GetThemePartSize(HTHEME ATheme, HDC DC, int APartId, int AStateId, THEMESIZE ASize, SIZE* APartSize) {
  return GetThemePartSize(ATheme, DC, APartId, AStateId, nullptr, ASize, APartSize);
}

HRESULT DrawThemeText(HTHEME ATheme, HDC DC, int APartId, int AStateId, const String& AText, int ACharCount,
                      DWORD ATextFlags, DWORD ATextFlags2, const TRect& ARect) {
  return DrawThemeText(ATheme, DC, APartId, AStateId, AText.c_str(), ACharCount, ATextFlags, ATextFlags2,
                       AsRECT(ARect));
}

// ---------------------------------------------------------------- panning feedback

bool dxPanFeedbackBegin(HWND AWindow) { return UxTheme.BeginPanningFeedback && BeginPanningFeedback(AWindow); }

bool dxPanFeedbackUpdate(HWND AWindow, const TPoint& AOverpan, bool AIsInertia) {
  return UxTheme.UpdatePanningFeedback && UpdatePanningFeedback(AWindow, AOverpan.X, AOverpan.Y, AIsInertia);
}

bool dxPanFeedbackEnd(HWND AWindow, bool AAnimateBack) {
  return UxTheme.EndPanningFeedback && EndPanningFeedback(AWindow, AAnimateBack);
}

const TUnitEntry dxUxThemeUnit{L"dxUxTheme", dxUxThemeInitialize, dxUxThemeFinalize};
