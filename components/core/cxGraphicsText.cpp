// Text measuring and drawing on the canvas and on device contexts, rotated
// text, word wrapping, and the painting of a parent's image behind a
// control.
// First: it declares the visual-style functions the platform headers would.
#include "components/core/dxUxTheme.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "components/core/cxGraphics.h"
#include "components/core/cxMessageWindow.h"
#include "vcl/controls/Controls.h"
#include "vcl/graphics/GdiTypes.h"

namespace {

int TextLength(const String& AText, int ALength) {
  return ALength < 0 ? static_cast<int>(AText.size()) : std::min(ALength, static_cast<int>(AText.size()));
}

// The shared screen canvas with AFont, made dormant when the scope ends.
class TScreenMeasuring {
public:
  explicit TScreenMeasuring(TFont* AFont) : FCanvas(cxSharedScreenCanvas()) { FCanvas->SetFont(AFont); }
  ~TScreenMeasuring() { FCanvas->Dormant(); }
  TcxScreenCanvas* operator->() const { return FCanvas; }

private:
  TcxScreenCanvas* FCanvas;
};

bool IsDelimiter(wchar_t C) { return C == L' ' || C == L'\t' || C == L'\r' || C == L'\n'; }
bool IsLineBreak(wchar_t C) { return C == L'\r' || C == L'\n'; }

TcxRotationAngle OppositeAngle(TcxRotationAngle AAngle) {
  return AAngle == raPlus90 ? raMinus90 : AAngle == raMinus90 ? raPlus90 : AAngle;
}

}  // namespace

// ---------------------------------------------------------------- flags

uint32_t cxTextFlagsToDrawTextFlags(int AFlags) {
  uint32_t result = DT_NOPREFIX;
  if (AFlags & cxtfAlignRight) result |= DT_RIGHT;
  if (AFlags & cxtfAlignHCenter) result |= DT_CENTER;
  if (AFlags & cxtfAlignBottom) result |= DT_BOTTOM;
  if (AFlags & cxtfAlignVCenter) result |= DT_VCENTER;
  if (AFlags & cxtfSingleLine) result |= DT_SINGLELINE;
  if (AFlags & cxtfDontClip) result |= DT_NOCLIP;
  if (AFlags & cxtfExpandTabs) result |= DT_EXPANDTABS;
  if (AFlags & cxtfShowPrefix) result &= ~DT_NOPREFIX;
  if (AFlags & cxtfWordBreak) {
    result |= DT_WORDBREAK;
    if (!(AFlags & cxtfDontBreakChars)) result |= DT_EDITCONTROL;
    else if (AFlags & cxtfNoFullWidthCharBreak) result |= DT_NOFULLWIDTHCHARBREAK;
  }
  if (AFlags & cxtfEndEllipsis) result |= DT_END_ELLIPSIS;
  if (AFlags & cxtfCalcOnly) result |= DT_CALCRECT;
  if (AFlags & cxtfPathEllipsis) result |= DT_PATH_ELLIPSIS;
  return result;
}

// ---------------------------------------------------------------- canvas text

TSize TcxCanvas::TextExtent(const String& Text) const {
  TSize result;
  if (!cxDCTextExtent(Handle(), Text, result)) result = TSize();
  return result;
}

void TcxCanvas::TextExtent(const String& Text, TRect& R, int Flags) const {
  const int width = R.Width(), height = R.Height();
  const uint32_t format = cxTextFlagsToDrawTextFlags(Flags);
  if (R.Width() <= 0 && !Text.empty()) R.Right = R.Left + 1;
  HDC dc = Handle();
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  // Measured from the top: the system keeps a bottom-aligned line's
  // rectangle as high as it was given.
  if (DrawTextW(dc, Text.c_str(), static_cast<int>(Text.size()), AsRECT(R),
                (format | DT_CALCRECT) & ~(DT_VCENTER | DT_BOTTOM)) == 0)
    R = TRect(R.TopLeft(), R.TopLeft());
  SetBkMode(dc, oldMode);
  if (format & DT_CENTER)
    R.Offset((width - R.Width()) / 2, 0);
  else if (format & DT_RIGHT)
    R.Offset(width - R.Width(), 0);
  if (format & DT_VCENTER)
    R.Offset(0, (height - R.Height()) / 2);
  else if (format & DT_BOTTOM)
    R.Offset(0, height - R.Height());
}

int TcxCanvas::FontHeight(TFont* AFont) {
  SetFont(AFont);
  return cxDCTextHeight(Handle());
}

void TcxCanvas::AlignMultiLineTextRectVertically(TRect& R, const String& AText, TcxAlignmentVert AAlignmentVert,
                                                 bool AWordBreak, bool AShowPrefix, bool AEnabled,
                                                 bool ADontBreakChars, bool AEndEllipsis) {
  if (AAlignmentVert == vaTop) return;
  const int s = AEnabled ? 0 : 1;
  int blockHeight;
  if (AEndEllipsis && AWordBreak) {
    const int lineHeight = TextHeight(L"Zq");
    blockHeight = lineHeight * std::max(1, lineHeight > 0 ? (R.Height() - s) / lineHeight : 1);
  } else {
    int flags = cxtfAlignLeft | cxtfAlignTop;
    if (AWordBreak) flags |= cxtfWordBreak;
    if (AShowPrefix) flags |= cxtfShowPrefix;
    if (ADontBreakChars) flags |= cxtfDontBreakChars;
    TRect measured(0, 0, R.Width() - s, 0);
    TextExtent(AText, measured, flags);
    blockHeight = measured.Height();
  }
  if (AAlignmentVert == vaBottom)
    R.Top = R.Bottom - s - blockHeight;
  else
    R.Top = (R.Top + R.Bottom - blockHeight) / 2;
}

void TcxCanvas::DrawTexT(const String& Text, const TRect& ARect, int Flags, bool Enabled,
                         TcxRotationAngle ARotationAngle) {
  if (Text.empty()) return;
  TRect R = ARect;
  const bool drawTextPath = !(Flags & cxtfSingleLine) || ARotationAngle != ra0 ||
                            (Flags & (cxtfShowPrefix | cxtfEndEllipsis | cxtfPathEllipsis));
  const TSize extent = TextExtent(Text);
  if (R.Width() >= extent.cx && R.Height() >= extent.cy) Flags |= cxtfDontClip;
  uint32_t format = 0, options = 0;
  const int s = Enabled ? 0 : 1;
  if (drawTextPath) {
    if (!(Flags & cxtfSingleLine) && (Flags & (cxtfAlignBottom | cxtfAlignVCenter)))
      AlignMultiLineTextRectVertically(R, Text, Flags & cxtfAlignBottom ? vaBottom : vaCenter, Flags & cxtfWordBreak,
                                       Flags & cxtfShowPrefix, Enabled, Flags & cxtfDontBreakChars,
                                       Flags & cxtfEndEllipsis);
    format = cxTextFlagsToDrawTextFlags(Flags);
  } else {
    const int horizontal = Flags & (cxtfAlignLeft | cxtfAlignRight | cxtfAlignHCenter);
    const int vertical = Flags & (cxtfAlignTop | cxtfAlignBottom | cxtfAlignVCenter);
    if (extent.cx < R.Width()) {
      if (horizontal == cxtfAlignRight)
        R.Left = R.Right - extent.cx - s;
      else if (horizontal == cxtfAlignHCenter)
        R.Left = (R.Left + R.Right - extent.cx) / 2;
    }
    if (extent.cy < R.Height()) {
      if (vertical == cxtfAlignBottom)
        R.Top = R.Bottom - extent.cy - s;
      else if (vertical == cxtfAlignVCenter)
        R.Top = (R.Top + R.Bottom - extent.cy) / 2;
    }
    options = (Flags & cxtfDontClip) ? 0 : ETO_CLIPPED;
  }
  auto output = [&] {
    if (drawTextPath) {
      TRect textRect = R;
      cxDrawRotatedText(this, Text, textRect, format, clDefault, ARotationAngle);
    } else {
      cxExtTextOut(Handle(), Text, R.TopLeft(), R, options);
    }
  };
  const TBrushStyle brushStyle = Brush()->Style();
  const TColor fontColor = Font()->Color();
  if (!Enabled) {
    Brush()->SetStyle(bsClear);
    Font()->SetColor(clBtnHighlight);
    R.Offset(1, 1);
    output();
    R.Offset(-1, -1);
    Font()->SetColor(clBtnShadow);
  }
  output();
  if (Brush()->Style() != brushStyle) Brush()->SetStyle(brushStyle);
  Font()->SetColor(fontColor);
}

void TcxCanvas::DrawTexT(const String& Text, const TRect& R, TAlignment AAlignmentHorz,
                         TcxAlignmentVert AAlignmentVert, bool AMultiLine, bool AShowEndEllipsis) {
  if (Text.empty()) return;
  int flags = AAlignmentHorz == taLeftJustify    ? cxtfAlignLeft
              : AAlignmentHorz == taRightJustify ? cxtfAlignRight
                                                 : cxtfAlignHCenter;
  flags |= AAlignmentVert == vaTop ? cxtfAlignTop : AAlignmentVert == vaBottom ? cxtfAlignBottom : cxtfAlignVCenter;
  flags |= AMultiLine ? cxtfWordBreak : cxtfSingleLine;
  if (AShowEndEllipsis) flags |= cxtfEndEllipsis;
  DrawTexT(Text, R, flags, true);
}

namespace {

// The length of the next output line of AText that fits AWidth, and how
// many characters after it end the line and are dropped (a line break, or
// a space the line is broken at when it is not left-aligned).
std::pair<int, int> NextTextLine(HDC ADC, const String& AText, int AWidth, bool ALeftAligned) {
  const int length = static_cast<int>(AText.size());
  int fit = 0;
  SIZE size;
  GetTextExtentExPointW(ADC, AText.c_str(), length, std::max(AWidth, 0), &fit, nullptr, &size);
  const int n = std::clamp(fit, 1, length);
  const size_t lineBreak = AText.find_first_of(L"\r\n");
  if (lineBreak < static_cast<size_t>(n)) {
    const wchar_t pair = AText[lineBreak] == L'\r' ? L'\n' : L'\r';
    return {static_cast<int>(lineBreak), lineBreak + 1 < AText.size() && AText[lineBreak + 1] == pair ? 2 : 1};
  }
  if (n == length) return {n, 0};
  const size_t space = AText.rfind(L' ', n - 1);
  if (space == String::npos) return {n, 0};
  const int withSpace = static_cast<int>(space) + 1;
  return ALeftAligned ? std::pair{withSpace, 0} : std::pair{withSpace - 1, 1};
}

}  // namespace

void TcxCanvas::GetTextStringsBounds(String Text, TRect R, int Flags, bool Enabled, TRects& ABounds) {
  if (Text.empty()) return;
  if (Flags & cxtfShowPrefix) {
    Text = cxStripAcceleratorMarks(Text);
    Flags &= ~cxtfShowPrefix;
  }
  if (!Enabled) {
    --R.Right;
    --R.Bottom;
  }
  TRect work = R;
  TextExtent(Text, work, Flags);
  if (Flags & cxtfAlignBottom)
    work.Offset(0, R.Bottom - work.Bottom);
  else if (Flags & cxtfAlignVCenter)
    work.Offset(0, (R.Bottom - work.Bottom) / 2);
  HDC dc = Handle();
  const int horizontal = Flags & (cxtfAlignLeft | cxtfAlignRight | cxtfAlignHCenter);
  int top = work.Top;
  while (!Text.empty()) {
    const auto [length, dropped] = NextTextLine(dc, Text, R.Width(), horizontal == cxtfAlignLeft);
    TSize extent;
    cxDCTextExtent(dc, Text, extent, length);
    TRect line(work.Left, top, work.Right, top + extent.cy);
    if (horizontal == cxtfAlignLeft) {
      line.Right = line.Left + extent.cx;
    } else if (horizontal == cxtfAlignRight) {
      line.Left = line.Right - extent.cx;
    } else if (horizontal == cxtfAlignHCenter) {
      line.Left = (line.Left + line.Right - extent.cx) / 2;
      line.Right = line.Left + extent.cx;
    }
    ABounds.push_back(line);
    top = line.Bottom;
    Text.erase(0, length + dropped);
  }
}

// ---------------------------------------------------------------- text on device contexts

bool cxDCTextExtent(HDC ADC, const String& AText, TSize& ASize, int ALength) {
  ASize = TSize();
  return GetTextExtentPoint32W(ADC, AText.c_str(), TextLength(AText, ALength), reinterpret_cast<SIZE*>(&ASize)) !=
         FALSE;
}

int cxDrawTextColored(HDC ADC, const String& AText, TRect& R, uint32_t AFormat, int ALength, TColor ATextColor,
                      int ABkMode) {
  const int length = TextLength(AText, ALength);
  if (length == 0) return DrawTextW(ADC, AText.c_str(), 0, AsRECT(R), AFormat);
  const COLORREF oldColor = ATextColor != clDefault ? SetTextColor(ADC, ColorToRGB(ATextColor)) : 0;
  const int oldMode = SetBkMode(ADC, ABkMode);
  const int result = DrawTextW(ADC, AText.c_str(), length, AsRECT(R), AFormat);
  SetBkMode(ADC, oldMode);
  if (ATextColor != clDefault) SetTextColor(ADC, oldColor);
  return result;
}

bool cxExtTextOut(HDC ADC, const String& AText, const TPoint& AOrigin, const TRect& AClipRect, uint32_t AOptions,
                  int ALength) {
  return ExtTextOutW(ADC, AOrigin.X, AOrigin.Y, AOptions, AsRECT(AClipRect), AText.c_str(),
                     TextLength(AText, ALength), nullptr) != FALSE;
}

int cxDrawRotatedText(TcxCanvas* ACanvas, const String& AText, TRect& R, uint32_t AFormat, TColor ATextColor,
                      TcxRotationAngle ARotationAngle) {
  if (ARotationAngle == ra0) {
    TRect textRect = R;
    return cxDrawTextColored(ACanvas->Handle(), AText, textRect, AFormat, -1, ATextColor, TRANSPARENT);
  }
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf32bit);
  bitmap.SetSize(R.Width(), R.Height());
  cxBitBltRect(bitmap.Canvas()->Handle(), ACanvas->Handle(), TRect(0, 0, R.Width(), R.Height()), R.TopLeft(),
               SRCCOPY);
  TcxCanvas::RotateBitmap(&bitmap, OppositeAngle(ARotationAngle));
  bitmap.Canvas()->SetFont(ACanvas->Font());
  bitmap.Canvas()->RequiredState(TCanvas::AllValid);
  TRect client(0, 0, bitmap.Width(), bitmap.Height());
  const int result =
      cxDrawTextColored(bitmap.Canvas()->Handle(), AText, client, AFormat, -1, ATextColor, TRANSPARENT);
  TcxCanvas::RotateBitmap(&bitmap, ARotationAngle);
  cxBitBltRect(ACanvas->Handle(), bitmap.Canvas()->Handle(), R, TPoint(), SRCCOPY);
  return result;
}

void cxWrapTextToLines(const String& AText, TcxCanvas* ACanvas, const TRect& R, std::vector<String>& ALines) {
  ALines.clear();
  const size_t n = AText.size();
  size_t i = 0, lineStart = 0;
  bool lineHasWord = false;
  size_t lastWordEnd = 0;
  HDC dc = ACanvas->Handle();
  while (i < n) {
    while (i < n && IsDelimiter(AText[i]) && !IsLineBreak(AText[i])) ++i;
    if (i < n && IsLineBreak(AText[i])) {
      ALines.push_back(AText.substr(lineStart, i - lineStart));
      while (i < n && IsLineBreak(AText[i])) ++i;
      lineStart = i;
      lineHasWord = false;
      continue;
    }
    if (i >= n) break;
    const size_t wordStart = i;
    while (i < n && !IsDelimiter(AText[i])) ++i;
    // A word too wide for a line of its own stays whole on its line.
    if (lineHasWord && cxDCTextSize(dc, AText.substr(lineStart, i - lineStart)).cx > R.Width()) {
      ALines.push_back(AText.substr(lineStart, lastWordEnd - lineStart));
      lineStart = wordStart;
    }
    lineHasWord = true;
    lastWordEnd = i;
  }
  if (lineStart < n) ALines.push_back(AText.substr(lineStart));
}

int cxDrawTextLines(TcxCanvas* ACanvas, const String& AText, const TRect& R, uint32_t AFormat, TColor ATextColor) {
  std::vector<String> lines;
  cxWrapTextToLines(AText, ACanvas, R, lines);
  HDC dc = ACanvas->Handle();
  const int h = cxDCTextHeight(dc);
  const int n = static_cast<int>(lines.size());
  int top = R.Top;
  if (AFormat & DT_VCENTER)
    top = std::max(R.Top, static_cast<int>(std::floor((R.Top + R.Bottom - h * n) / 2.0)));
  else if (AFormat & DT_BOTTOM)
    top = std::max(R.Top, R.Bottom - h * n);
  for (const String& line : lines) {
    TRect lineRect(R.Left, top, R.Right, top + h);
    cxDrawTextColored(dc, line, lineRect, AFormat | DT_SINGLELINE, -1, ATextColor, TRANSPARENT);
    top += h;
  }
  return n;
}

// ---------------------------------------------------------------- measuring

int cxDCTextHeight(HDC ADC) {
  TEXTMETRICW metrics{};
  GetTextMetricsW(ADC, &metrics);
  return metrics.tmHeight;
}

int cxFontPixelHeight(TFont* AFont) {
  TScreenMeasuring canvas(AFont);
  return cxDCTextHeight(canvas->Handle());
}

TSize cxMeasureTextExtent(TFont* AFont, const String& AText, int AFontSize) {
  TScreenMeasuring canvas(AFont);
  if (AFontSize != 0) canvas->Font()->SetSize(AFontSize);
  return canvas->TextExtent(AText);
}

int cxMeasureTextWidth(TFont* AFont, const String& AText, int AFontSize) {
  return cxMeasureTextExtent(AFont, AText, AFontSize).cx;
}

void cxCalcTextRect(TRect& R, const String& AText, TFont* AFont, uint32_t AFormat) {
  TScreenMeasuring canvas(AFont);
  cxDrawTextColored(canvas->Handle(), AText, R, AFormat | DT_CALCRECT, -1, clDefault, TRANSPARENT);
}

TSize cxMeasureTextSize(TFont* AFont, const String& AText) {
  TRect r;
  cxCalcTextRect(r, AText, AFont);
  return {r.Right, r.Bottom};
}

TSize cxDCTextSize(HDC ADC, const String& AText) {
  TRect r;
  cxDCTextRectForRows(ADC, AText, 1, false, r);
  return {r.Right, r.Bottom};
}

void cxDCTextRectForRows(HDC ADC, const String& AText, int ARowCount, bool AReturnMaxRectHeight, TRect& R) {
  auto measure = [&](int AWidth, uint32_t AFormat) {
    TRect result(0, 0, AWidth, 1);
    DrawTextW(ADC, AText.c_str(), static_cast<int>(AText.size()), AsRECT(result), AFormat);
    return result;
  };
  constexpr uint32_t singleLine = DT_CALCRECT | DT_SINGLELINE;
  constexpr uint32_t wrapping = DT_CALCRECT | DT_WORDBREAK | DT_NOFULLWIDTHCHARBREAK;
  R = TRect();
  if (ARowCount == 1) {
    DrawTextW(ADC, AText.c_str(), static_cast<int>(AText.size()), AsRECT(R), singleLine);
    return;
  }
  const int maxHeight = ARowCount > 0 ? ARowCount * cxDCTextHeight(ADC) : 32000;
  int lo = measure(1, wrapping).Width();
  int hi = measure(0, singleLine).Width();
  while (hi - lo > 1) {
    const int mid = (lo + hi) / 2;
    if (measure(mid, wrapping).Height() > maxHeight)
      lo = mid;
    else
      hi = mid;
  }
  R = measure(lo, wrapping);
  if (R.Height() > maxHeight) R = measure(hi, wrapping);
  if (AReturnMaxRectHeight) R.Bottom = maxHeight;
}

bool cxNonLatinCharsetText(uint8_t ACharset, const String& AText) {
  if (ACharset == DEFAULT_CHARSET) {
    CHARSETINFO info{};
    ACharset = TranslateCharsetInfo(reinterpret_cast<DWORD*>(static_cast<uintptr_t>(GetACP())), &info,
                                    TCI_SRCCODEPAGE)
                   ? static_cast<uint8_t>(info.ciCharset)
                   : DEFAULT_CHARSET;
  }
  if (!AText.empty() && AText[0] < 128) return false;
  return ACharset == GB2312_CHARSET || ACharset == CHINESEBIG5_CHARSET || ACharset == ARABIC_CHARSET;
}

// ---------------------------------------------------------------- graphic objects and fonts

bool cxBitmapObjectData(HBITMAP AHandle, BITMAP& AData) { return GetObjectW(AHandle, sizeof(AData), &AData) != 0; }
bool cxBrushObjectData(HBRUSH AHandle, LOGBRUSH& AData) { return GetObjectW(AHandle, sizeof(AData), &AData) != 0; }
bool cxFontObjectData(HFONT AHandle, LOGFONTW& AData) { return GetObjectW(AHandle, sizeof(AData), &AData) != 0; }
bool cxPenObjectData(HPEN AHandle, LOGPEN& AData) { return GetObjectW(AHandle, sizeof(AData), &AData) != 0; }
void cxMakeFontNonAntialiased(TFont* AFont) { AFont->SetQuality(fqNonAntialiased); }

void cxResetFont(TFont* AFont) {
  TFont defaultFont;
  AFont->Assign(&defaultFont);
}

bool cxRegionContainsPoint(HRGN ARegion, const TPoint& P) { return PtInRegion(ARegion, P.X, P.Y) != FALSE; }

// ---------------------------------------------------------------- parent-image painting

namespace {

// The windows and the parents being painted right now; both guard against
// re-entry and hold entries only while a painting runs.
std::vector<HWND> paintingWindows;
std::vector<TWinControl*> paintingParents;

template <class T>
bool Listed(const std::vector<T>& AList, T AItem) {
  return std::find(AList.begin(), AList.end(), AItem) != AList.end();
}

// Lists the item for the lifetime of the scope.
template <class T>
class TListedScope {
public:
  TListedScope(std::vector<T>& AList, T AItem) : FList(AList), FItem(AItem) { FList.push_back(AItem); }
  ~TListedScope() { FList.erase(std::find(FList.begin(), FList.end(), FItem)); }

private:
  std::vector<T>& FList;
  T FItem;
};

void MoveWindowOrg(HDC ADC, int DX, int DY) { OffsetWindowOrgEx(ADC, -DX, -DY, nullptr); }

// Standard controls clip their painting to their client rectangle taken as
// device coordinates, so they draw only where the window's top-left is the
// context's device origin; elsewhere the window is printed into a bitmap
// that starts as the context's content and is copied into place.
void cxPrintWindowToDC(HWND AWnd, HDC ADC, bool AWithNonClient) {
  const TRect window = cxGetWindowRectSafe(AWnd), client = cxGetClientRectSafe(AWnd);
  LPARAM flags = PRF_ERASEBKGND | PRF_CLIENT;
  if (AWithNonClient && window.Size() != client.Size()) flags |= PRF_NONCLIENT;
  POINT origin{};
  LPtoDP(ADC, &origin, 1);
  if (origin.x == 0 && origin.y == 0) {
    SendMessageW(AWnd, WM_PRINT, reinterpret_cast<WPARAM>(ADC), flags);
    return;
  }
  const TSize size = (flags & PRF_NONCLIENT) ? window.Size() : client.Size();
  const TRect bounds(0, 0, size.cx, size.cy);
  TBitmap image;
  image.SetPixelFormat(pf32bit);
  image.SetSize(bounds.Width(), bounds.Height());
  HDC imageDC = image.Canvas()->Handle();
  cxBitBltRect(imageDC, ADC, bounds, TPoint(), SRCCOPY);
  SendMessageW(AWnd, WM_PRINT, reinterpret_cast<WPARAM>(imageDC), flags);
  cxBitBltRect(ADC, imageDC, bounds, TPoint(), SRCCOPY);
}

std::vector<HWND> DirectChildWindows(HWND AParent) {
  std::pair<HWND, std::vector<HWND>> data{AParent, {}};
  EnumChildWindows(
      AParent,
      [](HWND AWnd, LPARAM AData) -> BOOL {
        auto* found = reinterpret_cast<std::pair<HWND, std::vector<HWND>>*>(AData);
        if (GetAncestor(AWnd, GA_PARENT) == found->first) found->second.push_back(AWnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&data));
  return data.second;
}

void cxPaintWindowImage(TWinControl* AControl, TcxCanvas* ACanvas, const TRect& ADestRect, const TRect& ABounds,
                        bool APaintChildren, bool AWithNonClient);

void PaintChildWindows(TWinControl* AControl, TcxCanvas* ACanvas, bool APaintChildren) {
  HWND parent = AControl->Handle();
  std::vector<HWND> windows = DirectChildWindows(parent);
  for (int i = 0; i < AControl->ControlCount(); ++i) {
    auto* child = dynamic_cast<TWinControl*>(AControl->Controls(i));
    if (!child || !child->HandleAllocated()) continue;
    std::erase(windows, child->Handle());
    if (!child->Visible() || Listed(paintingWindows, child->Handle())) continue;
    const TRect bounds = cxGetWindowLocalBounds(child->Handle());
    TRect mapped;
    cxMapWindowRect(child->Handle(), parent, bounds, false, mapped);
    if (ACanvas->RectVisible(mapped)) cxPaintWindowImage(child, ACanvas, mapped, bounds, APaintChildren, true);
  }
  for (HWND window : windows) {
    if (Listed(paintingWindows, window)) continue;
    TRect mapped;
    cxMapWindowRect(window, parent, cxGetWindowLocalBounds(window), false, mapped);
    if (!ACanvas->RectVisible(mapped)) continue;
    HDC dc = ACanvas->Handle();
    MoveWindowOrg(dc, mapped.Left, mapped.Top);
    cxPrintWindowToDC(window, dc, true);
    MoveWindowOrg(dc, -mapped.Left, -mapped.Top);
  }
}

void cxPaintWindowImage(TWinControl* AControl, TcxCanvas* ACanvas, const TRect& ADestRect, const TRect& ABounds,
                        bool APaintChildren, bool AWithNonClient) {
  if (AControl->ComponentState().Contains(csDestroying) || !AControl->HandleAllocated()) return;
  HWND window = AControl->Handle();
  ACanvas->SaveDC();
  try {
    MoveWindowOrg(ACanvas->Handle(), ADestRect.Left - ABounds.Left, ADestRect.Top - ABounds.Top);
    ACanvas->IntersectClipRect(ABounds);
    TcxRegion windowRegion;
    if (GetWindowRgn(window, windowRegion.Handle()) != ERROR) ACanvas->SetClipRegion(&windowRegion, roIntersect, false);
    if (ACanvas->RectVisible(ABounds)) {
      TControlState state = AControl->ControlState();
      AControl->SetControlState(TControlState(state).Include(csPaintCopy));
      ACanvas->SaveState();
      if (!AWithNonClient) {
        const TPoint offset = cxGetClientOriginInWindow(window);
        MoveWindowOrg(ACanvas->Handle(), offset.X, offset.Y);
      }
      {
        TCanvasLock lock(ACanvas->Canvas());
        cxPrintWindowToDC(window, ACanvas->Handle(), AWithNonClient);
      }
      ACanvas->RestoreState();
      AControl->SetControlState(state);
      if (APaintChildren) PaintChildWindows(AControl, ACanvas, APaintChildren);
    }
  } catch (...) {
    ACanvas->RestoreDC();
    throw;
  }
  ACanvas->RestoreDC();
}

}  // namespace

void cxPaintParentBackground(TWinControl* AControl, TcxCanvas* ACanvas, const TRect& R) {
  // A double-buffered parent is printed whole rather than asked through
  // the theme for the part under the control.
  const TWinControl* parent = AControl->Parent();
  if ((parent && parent->DoubleBuffered()) || !dxIsUxThemeLoaded())
    return cxPaintParentImage(AControl, ACanvas, R, false);
  RECT bounds = *AsRECT(R);
  DrawThemeParentBackground(AControl->Handle(), ACanvas->Handle(), &bounds);
}

void cxPaintParentImage(TWinControl* AControl, TcxCanvas* ACanvas, const TRect& R, bool APaintChildren) {
  cxPaintParentImageInto(AControl, ACanvas, R, R, APaintChildren);
}

void cxPaintParentImageInto(TWinControl* AControl, TcxCanvas* ACanvas, const TRect& ASourceRect,
                            const TRect& ADestRect, bool APaintChildren) {
  if (!AControl || !AControl->Parent() || Listed(paintingParents, AControl->Parent())) return;
  TWinControl* parent = AControl->Parent();
  TListedScope<TWinControl*> parentScope(paintingParents, parent);
  TListedScope<HWND> windowScope(paintingWindows, AControl->Handle());
  TRect bounds;
  cxMapWindowRect(AControl->Handle(), parent->Handle(), ASourceRect, false, bounds);
  cxPaintWindowImage(parent, ACanvas, ADestRect, bounds, APaintChildren, false);
}
