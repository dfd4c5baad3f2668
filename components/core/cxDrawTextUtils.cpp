// The text layout engine: rows, their positions and their drawing.
#include "components/core/cxDrawTextUtils.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "components/core/cxMessageWindow.h"
#include "vcl/graphics/Canvas.h"
#include "vcl/graphics/GdiTypes.h"
#include "vcl/graphics/GraphicsObjects.h"

namespace {

// Fill patterns of text too small to read: a one-pixel checkerboard for
// normal rows, solid for bold ones.
std::array<HBRUSH, 2> TextFillPatterns{};

HBRUSH CreatePatternBrush8x8(uint8_t AOddRows, uint8_t AEvenRows) {
  // Rows of a monochrome bitmap are word aligned.
  std::array<uint16_t, 8> rows{};
  for (size_t i = 0; i < rows.size(); ++i) rows[i] = i % 2 ? AOddRows : AEvenRows;
  const HBITMAP bitmap = CreateBitmap(8, 8, 1, 1, rows.data());
  const HBRUSH brush = CreatePatternBrush(bitmap);
  DeleteObject(bitmap);  // the brush keeps its own copy
  return brush;
}

void cxDrawTextUtilsInitialize() {
  TextFillPatterns = {CreatePatternBrush8x8(0xAA, 0x55), CreatePatternBrush8x8(0, 0)};
}

void cxDrawTextUtilsFinalize() {
  for (HBRUSH& brush : TextFillPatterns) {
    if (brush) DeleteObject(brush);
    brush = nullptr;
  }
}

constexpr wchar_t EndEllipsisText[] = L"...";
// The most characters one call draws with tabs expanded.
constexpr int MaxTabbedRunLength = 4096;

bool IsSpaceOrTab(wchar_t C) { return C == L' ' || C == L'\t'; }
bool IsLineBreak(wchar_t C) { return C == L'\r' || C == L'\n'; }
bool IsRealColor(TColor AColor) { return AColor != clNone && AColor != clDefault; }

// The extent that DrawText measures on one line with tabs expanded.
TSize DrawTextExtent(HDC ADC, const wchar_t* AText, int ALength) {
  RECT bounds{};
  const int height = DrawTextW(ADC, AText, ALength, &bounds, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS | DT_NOPREFIX);
  return {bounds.right - bounds.left, height};
}

int TextWidth(HDC ADC, const wchar_t* AText, int ALength) {
  SIZE size{};
  GetTextExtentPoint32W(ADC, AText, ALength, &size);
  return size.cx;
}

// Keeps the clip region of a DC and puts it back when it goes.
class TClipRegionKeeper {
public:
  explicit TClipRegionKeeper(HDC ADC) : FDC(ADC), FRegion(CreateRectRgn(0, 0, 0, 0)) {
    FHadRegion = GetClipRgn(ADC, FRegion) == 1;
  }
  ~TClipRegionKeeper() {
    SelectClipRgn(FDC, FHadRegion ? FRegion : nullptr);
    DeleteObject(FRegion);
  }
  TClipRegionKeeper(const TClipRegionKeeper&) = delete;
  TClipRegionKeeper& operator=(const TClipRegionKeeper&) = delete;

private:
  HDC FDC;
  HRGN FRegion;
  bool FHadRegion;
};

// ---------------------------------------------------------------- row breaking

// Where a row ends: its characters are [start, End), the next row starts
// at Next; a soft break is one the layout chose, not a line break or the
// text's end.
struct TRowEnd {
  int End = 0;
  int Next = 0;
  bool SoftBreak = false;
  int BreakCount = 0;
};

class TRowBreaker {
public:
  TRowBreaker(HDC ADC, const wchar_t* AText, int ALength, const TcxTextParams& AParams, void* AUserData,
              TcxCalcTextExtentsProc AMeasure)
      : FDC(ADC), FText(AText), FLength(ALength), FParams(AParams), FUserData(AUserData), FMeasure(AMeasure) {
    const bool stretched = AParams.TextAlignX == taJustifyX || AParams.TextAlignX == taDistributeX;
    FBreakAtWords = !AParams.SingleLine && (AParams.WordBreak || stretched);
    FSplitWords = FBreakAtWords && (AParams.CharBreak || AParams.EditControl);
  }

  TSize Measure(int AStart, int AEnd) const {
    TSize size;
    FMeasure(FDC, FText + AStart, AEnd - AStart, FParams.ExpandTabs, FUserData, size);
    return size;
  }

  TRowEnd FindRowEnd(int AStart, int AWidth, bool ALastRowWithEllipsis) const {
    TRowEnd result = FindBreak(AStart, AWidth, ALastRowWithEllipsis);
    if (result.SoftBreak) AdjustSeam(AStart, result);
    const TcxTextAlignX alignX = FParams.TextAlignX;
    if (alignX == taDistributeX || (alignX == taJustifyX && result.SoftBreak)) {
      while (result.End > AStart && IsSpaceOrTab(FText[result.End - 1])) --result.End;
      result.BreakCount = static_cast<int>(std::count_if(FText + AStart, FText + result.End, IsSpaceOrTab));
    }
    return result;
  }

private:
  // The next place a row may end, scanning from the row position P.
  int NextBreakPosition(int P) const {
    if (P >= FLength) return FLength;
    const wchar_t first = FText[P];
    if (IsLineBreak(first)) return P;
    if (FBreakAtWords) {
      if (IsSpaceOrTab(first)) return P + 1;
      if (cxIsFullWidthChar(first)) return P + 1 < FLength && cxIsNoLineStartChar(FText[P + 1]) ? P + 2 : P + 1;
    }
    for (int q = P + 1; q < FLength; ++q) {
      const wchar_t c = FText[q];
      if (IsLineBreak(c)) return q;
      // A closing mark never begins a row, so there is no break before it.
      if (FBreakAtWords && (IsSpaceOrTab(c) || (cxIsFullWidthChar(c) && !cxIsNoLineStartChar(c)))) return q;
    }
    return FLength;
  }

  int SkipLineBreak(int P) const {
    const wchar_t first = FText[P++];
    if (P < FLength && IsLineBreak(FText[P]) && FText[P] != first) ++P;
    return P;
  }

  TRowEnd FindBreak(int AStart, int AWidth, bool ALastRowWithEllipsis) const {
    int position = AStart;
    for (;;) {
      const int next = NextBreakPosition(position);
      if (next == position) {  // a line break, or the text's end
        return position < FLength ? TRowEnd{position, SkipLineBreak(position)} : TRowEnd{position, position};
      }
      if (FBreakAtWords && Measure(AStart, next).cx > AWidth) {
        if (position != AStart && !ALastRowWithEllipsis) return {position, position, true};
        if (FSplitWords) {
          const int end = BreakInsideWord(AStart, position, next, AWidth);
          return {end, end, true};
        }
        // The word does not fit and cannot be split: it overflows.
        TRowEnd overflow{next, next, true};
        if (FParams.EndEllipsis && next < FLength && IsLineBreak(FText[next])) overflow.Next = SkipLineBreak(next);
        return overflow;
      }
      position = next;
      if (position >= FLength) return {position, position};
    }
  }

  // After the longest part of the word [AWordStart, AWordEnd) that fits;
  // a row never stays empty, nor ends between the halves of a surrogate
  // pair.
  int BreakInsideWord(int ARowStart, int AWordStart, int AWordEnd, int AWidth) const {
    int fits = 0, fails = AWordEnd - AWordStart;
    while (fails - fits > 1) {
      const int middle = (fits + fails) / 2;
      (Measure(ARowStart, AWordStart + middle).cx <= AWidth ? fits : fails) = middle;
    }
    int end = AWordStart + fits;
    if (end > AWordStart && IS_HIGH_SURROGATE(FText[end - 1])) --end;
    if (end == ARowStart) end = ARowStart + (IS_HIGH_SURROGATE(FText[ARowStart]) ? 2 : 1);
    return std::min(end, AWordEnd);
  }

  // Spaces at the seam of a soft break go by the alignment.
  void AdjustSeam(int AStart, TRowEnd& ARowEnd) const {
    const TcxTextAlignX alignX = FParams.TextAlignX;
    const bool dropTrailing = alignX == taCenterX || alignX == taRight;
    const bool skipLeading = alignX == taLeft || alignX == taCenterX;
    if (dropTrailing && ARowEnd.End > AStart && IsSpaceOrTab(FText[ARowEnd.End - 1])) --ARowEnd.End;
    if (skipLeading && ARowEnd.Next < FLength && IsSpaceOrTab(FText[ARowEnd.Next])) ++ARowEnd.Next;
    if (FParams.ExcelStyle)
      while (ARowEnd.Next < FLength && FText[ARowEnd.Next] == L' ') ++ARowEnd.Next;
  }

  HDC FDC;
  const wchar_t* FText;
  int FLength;
  const TcxTextParams& FParams;
  void* FUserData;
  TcxCalcTextExtentsProc FMeasure;
  bool FBreakAtWords;
  bool FSplitWords;
};

// ---------------------------------------------------------------- drawing

class TRowPainter {
public:
  TRowPainter(HDC ADC, const TRect& R, const TcxTextParams& AParams) : FDC(ADC), FR(R), FParams(AParams) {}

  void DrawText(const TcxTextRow& ARow) const {
    if (!FParams.ExpandTabs) {
      TextOutW(FDC, ARow.TextOriginX, ARow.TextOriginY, ARow.Text, ARow.TextLength);
      return;
    }
    // Long rows go out in runs short enough that their width fits the
    // 16 bits each call reports; tabs stay on the row's own tab stops.
    const int runLength = TabbedRunLength();
    int x = ARow.TextOriginX;
    for (int start = 0; start < ARow.TextLength; start += runLength) {
      const int length = std::min(runLength, ARow.TextLength - start);
      const LONG extent =
          TabbedTextOutW(FDC, x, ARow.TextOriginY, ARow.Text + start, length, 0, nullptr, ARow.TextOriginX);
      x += LOWORD(extent);
    }
  }

  // "..." at X, cut at the band's right edge when it does not fit whole.
  void DrawEllipsis(int X, int ATop) const {
    if (X >= FR.Right) return;
    RECT clip{X, ATop, FR.Right, ATop + FParams.FullRowHeight};
    const bool cut = !FParams.NoClip && X + FParams.EndEllipsisWidth > FR.Right;
    ExtTextOutW(FDC, X, ATop, cut ? ETO_CLIPPED : 0, &clip, EndEllipsisText, 3, nullptr);
  }

  // Width of the row's first ACount characters as drawn.
  int PrefixWidth(const TcxTextRow& ARow, int ACount) const {
    if (ACount <= 0) return 0;
    TSize size;
    if (FParams.ExpandTabs) {
      cxMeasureTextRun(FDC, ARow.Text, ACount, true, nullptr, size);
      return size.cx;
    }
    return TextWidth(FDC, ARow.Text, ACount);
  }

  void FillPattern(const TcxTextRow& ARow, const TRect& ABand) const {
    TRect r(ARow.TextOriginX, ABand.Top + FParams.OnePixel,
            std::min(ARow.TextOriginX + ARow.TextExtents.cx, ABand.Right), ABand.Bottom - FParams.OnePixel);
    if (r.Height() < FParams.OnePixel) r.Bottom = r.Top + FParams.OnePixel;
    const COLORREF oldBkColor = SetBkColor(FDC, ColorToRGB(clWindow));
    FillRect(FDC, AsRECT(r), TextFillPatterns[FParams.Bold ? 1 : 0]);
    SetBkColor(FDC, oldBkColor);
  }

  // Shortens the row to what fits before "...".
  void FitRowToEndEllipsis(TcxTextRow& ARow) const {
    const int available = std::max(0, FR.Width() - FParams.EndEllipsisWidth);
    int fit = 0;
    SIZE size{};
    GetTextExtentExPointW(FDC, ARow.Text, ARow.TextLength, available, &fit, nullptr, &size);
    if (fit == 0 && ARow.TextLength > 0 && FParams.TextAlignX == taLeft) fit = 1;
    ARow.TextLength = fit;
    cxMeasureTextRun(FDC, ARow.Text, fit, FParams.ExpandTabs, nullptr, ARow.TextExtents);
  }

private:
  int TabbedRunLength() const {
    TEXTMETRICW metrics{};
    GetTextMetricsW(FDC, &metrics);
    const int widest = std::max<int>({metrics.tmMaxCharWidth, 8 * metrics.tmAveCharWidth, 1});
    return std::clamp(0xFFFF / widest - 1, 1, MaxTabbedRunLength);
  }

  HDC FDC;
  const TRect& FR;
  const TcxTextParams& FParams;
};

// ---------------------------------------------------------------- full-width characters

// Whether the system's ANSI code page needs more than one byte for a
// character; asked once per character.
bool IsMultiByteInAnsiCodePage(wchar_t C) {
  static std::array<int8_t, 0x10000> known{};  // 0 unknown, 1 yes, -1 no
  int8_t& answer = known[C];
  if (!answer) {
    char bytes[4];
    answer = WideCharToMultiByte(CP_ACP, 0, &C, 1, bytes, sizeof(bytes), nullptr, nullptr) > 1 ? 1 : -1;
  }
  return answer > 0;
}

constexpr wchar_t NoLineStartChars[] = {
    0x0021, 0x0025, 0x0029, 0x002C, 0x002E, 0x003A, 0x003B, 0x003E, 0x003F, 0x005D, 0x007D, 0x00A8, 0x00B0,
    0x00B7, 0x02C7, 0x02C9, 0x2013, 0x2014, 0x2015, 0x2016, 0x2018, 0x2019, 0x201D, 0x2022, 0x2025, 0x2026,
    0x2027, 0x2032, 0x2033, 0x2103, 0x2236, 0x2574, 0x3001, 0x3002, 0x3003, 0x3005, 0x3009, 0x300B, 0x300D,
    0x300F, 0x3011, 0x3015, 0x3017, 0x301E, 0x309B, 0x309C, 0xFE30, 0xFE31, 0xFE33, 0xFE34, 0xFE36, 0xFE38,
    0xFE3A, 0xFE3C, 0xFE3E, 0xFE40, 0xFE42, 0xFE44, 0xFE4F, 0xFE50, 0xFE51, 0xFE52, 0xFE54, 0xFE55, 0xFE56,
    0xFE57, 0xFE5A, 0xFE5C, 0xFE5E, 0xFF01, 0xFF02, 0xFF05, 0xFF07, 0xFF09, 0xFF0C, 0xFF0D, 0xFF0E, 0xFF1A,
    0xFF1B, 0xFF1E, 0xFF1F, 0xFF3D, 0xFF5C, 0xFF5D, 0xFF5E, 0xFF61, 0xFF63, 0xFF64, 0xFF9E, 0xFF9F};

}  // namespace

bool cxIsFullWidthChar(wchar_t C) {
  if (C < 0x80) return false;
  if ((C >= 0x4E00 && C <= 0x9FFF) || (C >= 0x3040 && C <= 0x309F) || (C >= 0x30A0 && C <= 0x30FF) ||
      (C >= 0xAC00 && C <= 0xD7A3))
    return true;
  return IsMultiByteInAnsiCodePage(C);
}

bool cxIsNoLineStartChar(wchar_t C) {
  return C >= 0xFFE0 || std::binary_search(std::begin(NoLineStartChars), std::end(NoLineStartChars), C);
}

// ---------------------------------------------------------------- rows

void cxSetTextRowCount(TcxTextRows& ATextRows, int ACount) {
  const int dynamicCount = ACount - cxStaticTextRowCount;
  if (dynamicCount > static_cast<int>(ATextRows.DynamicRows.size())) ATextRows.DynamicRows.resize(dynamicCount + 4);
  ATextRows.Count = ACount;
  if (ACount > 0) cxTextRowAt(ATextRows, ACount - 1) = {};
}

TcxTextRow& cxTextRowAt(TcxTextRows& ATextRows, int AIndex) {
  return const_cast<TcxTextRow&>(cxTextRowAt(std::as_const(ATextRows), AIndex));
}

const TcxTextRow& cxTextRowAt(const TcxTextRows& ATextRows, int AIndex) {
  return AIndex < cxStaticTextRowCount ? ATextRows.StaticRows[AIndex]
                                       : ATextRows.DynamicRows[AIndex - cxStaticTextRowCount];
}

// ---------------------------------------------------------------- parameters

void cxTextParamsFromDC(HDC ADC, uint32_t AFlags, TcxTextParams& AParams, double ARowHeightFactor) {
  AParams = {};
  TEXTMETRICW metrics{};
  if (!GetTextMetricsW(ADC, &metrics)) {
    TEXTMETRICA ansiMetrics{};
    GetTextMetricsA(ADC, &ansiMetrics);
    metrics.tmHeight = ansiMetrics.tmHeight;
    metrics.tmExternalLeading = ansiMetrics.tmExternalLeading;
    metrics.tmWeight = ansiMetrics.tmWeight;
    metrics.tmMaxCharWidth = ansiMetrics.tmMaxCharWidth;
    metrics.tmBreakChar = static_cast<uint8_t>(ansiMetrics.tmBreakChar);
    metrics.tmCharSet = ansiMetrics.tmCharSet;
  }
  AParams.Bold = metrics.tmWeight >= FW_BOLD;
  AParams.BreakChar = metrics.tmBreakChar;
  AParams.MaxCharWidth = metrics.tmMaxCharWidth;
  AParams.RowHeight = metrics.tmHeight;
  AParams.CharSet = metrics.tmCharSet;

  const uint32_t alignX = AFlags & 0x7;
  AParams.TextAlignX = alignX <= taDistributeX ? static_cast<TcxTextAlignX>(alignX) : taLeft;
  AParams.TextAlignY = static_cast<TcxTextAlignY>((AFlags >> 4) & 0x3);
  AParams.WordBreak = AFlags & cxtlWordBreak;
  AParams.SingleLine = AFlags & cxtlSingleLine;
  AParams.ExpandTabs = AFlags & cxtlExpandTabs;
  AParams.EndEllipsis = AFlags & cxtlEndEllipsis;
  AParams.PatternedText = AFlags & cxtlPatternedText;
  AParams.ExternalLeading = AFlags & cxtlExternalLeading;
  AParams.EditControl = AFlags & cxtlEditControl;
  AParams.NoClip = AFlags & cxtlNoClip;
  AParams.AutoIndents = AFlags & cxtlAutoIndents;
  AParams.CharBreak = (AFlags & cxtlCharBreak) || GetSystemMetrics(SM_DBCSENABLED);
  AParams.PreventLeftExceed = AFlags & cxtlPreventLeftExceed;
  AParams.PreventTopExceed = AFlags & cxtlPreventTopExceed;
  AParams.CalcRect = AFlags & cxtlCalcRect;
  AParams.CalcRowCount = AFlags & cxtlCalcRowCount;
  AParams.HidePrefix = AFlags & cxtlHidePrefix;
  AParams.ExcelStyle = AFlags & cxtlExcelStyle;

  if (AParams.ExternalLeading) AParams.tmExternalLeading = metrics.tmExternalLeading;
  POINT pixel[2] = {{0, 0}, {1, 6}};  // one pixel wide, six high
  DPtoLP(ADC, pixel, 2);
  AParams.OnePixel = pixel[1].x - pixel[0].x;
  AParams.FullRowHeight =
      static_cast<int>(std::lround((AParams.RowHeight + AParams.tmExternalLeading) * ARowHeightFactor));
  if (AParams.PatternedText) AParams.PatternedText = AParams.RowHeight < pixel[1].y - pixel[0].y;
  if (AParams.EndEllipsis) {
    TSize size;
    cxMeasureTextRun(ADC, EndEllipsisText, 3, false, nullptr, size);
    AParams.EndEllipsisWidth = size.cx;
  }
}

void cxTextParamsFromCanvas(TCanvas* ACanvas, uint32_t AFlags, TcxTextParams& AParams, double ARowHeightFactor) {
  ACanvas->RequiredState(TCanvas::HandleValid | TCanvas::FontValid);
  cxTextParamsFromDC(ACanvas->Handle(), AFlags, AParams, ARowHeightFactor);
}

void cxMeasureTextRun(HDC ADC, const wchar_t* AText, int ALength, bool AExpandTabs, void* AUserData, TSize& ASize) {
  if (!AExpandTabs) {
    GetTextExtentPoint32W(ADC, AText, ALength, reinterpret_cast<SIZE*>(&ASize));
    return;
  }
  if (ALength >= MaxTabbedRunLength) {
    ASize = DrawTextExtent(ADC, AText, ALength);
    if (ASize.cx == 0 && ALength > MaxTabbedRunLength) ASize = DrawTextExtent(ADC, AText, MaxTabbedRunLength);
    return;
  }
  const DWORD extent = GetTabbedTextExtentW(ADC, AText, ALength, 0, nullptr);
  ASize = {LOWORD(extent), HIWORD(extent)};
  // The width comes in 16 bits: a wider text has lost a multiple of 65536,
  // which DrawText's own measure tells.
  if (static_cast<int64_t>(ALength) * TextWidth(ADC, L"W", 1) > 0xFFFF) {
    const int fullWidth = DrawTextExtent(ADC, AText, ALength).cx;
    if (fullWidth > 0xFFFF) ASize.cx += (fullWidth - ASize.cx + 0x8000) / 0x10000 * 0x10000;
  }
}

// ---------------------------------------------------------------- layout

bool cxLayOutTextRows(HDC ADC, const wchar_t* AText, int ATextLength, const TRect& R, const TcxTextParams& AParams,
                      TcxTextRows& ATextRows, int& ARowCount, int AMaxRowCount, void* AUserData,
                      TcxCalcTextExtentsProc ACalcTextExtentsProc) {
  ARowCount = 0;
  cxSetTextRowCount(ATextRows, 0);
  ATextRows.DynamicRows.clear();
  if (!AText || ATextLength <= 0) return true;
  const TRowBreaker breaker(ADC, AText, ATextLength, AParams, AUserData, ACalcTextExtentsProc);
  auto addRow = [&](int AStart, int AEnd, int ABreakCount) {
    cxSetTextRowCount(ATextRows, ++ARowCount);
    TcxTextRow& row = cxTextRowAt(ATextRows, ARowCount - 1);
    row.Text = AText + AStart;
    row.TextLength = AEnd - AStart;
    row.StartOffset = AStart;
    row.BreakCount = ABreakCount;
    row.TextExtents = breaker.Measure(AStart, AEnd);
  };
  if (AParams.CalcRect && AParams.SingleLine) {
    addRow(0, ATextLength, 0);
    return true;
  }

  const int width = R.Width(), height = R.Height();
  const bool stretched = AParams.TextAlignX == taJustifyX || AParams.TextAlignX == taDistributeX;
  const bool calculating = AParams.CalcRect || AParams.CalcRowCount;
  const bool ellipsisClipping = AParams.EndEllipsis && !AParams.NoClip && !calculating && !stretched;
  const bool clipsToHeight = AParams.TextAlignY == taTop && !calculating;
  const bool wholeRowsOnly = AParams.EditControl && !AParams.NoClip;
  int start = 0, totalHeight = 0;
  bool lastRow = false;
  while (!lastRow && start < ATextLength) {
    totalHeight += AParams.FullRowHeight;
    const int count = ARowCount + 1;
    if (AParams.SingleLine)
      lastRow = true;
    else if (clipsToHeight)
      // A row that reaches the bottom edge is the last one seen: the next
      // would start below the rectangle, and its ellipsis with it.
      lastRow = height <= totalHeight || (wholeRowsOnly && height < totalHeight + AParams.FullRowHeight);
    else
      lastRow = AMaxRowCount >= 1 && count == AMaxRowCount;
    const TRowEnd rowEnd = breaker.FindRowEnd(start, width, lastRow && ellipsisClipping);
    addRow(start, rowEnd.End, rowEnd.BreakCount);
    start = rowEnd.Next;
    if (AMaxRowCount > 0 && ARowCount >= AMaxRowCount) break;
  }
  if (calculating) return true;
  if (AParams.SingleLine) return cxTextRowAt(ATextRows, 0).TextExtents.cx <= width;
  return start >= ATextLength;
}

void cxPositionTextRows(HDC ADC, const TRect& R, TcxTextParams& AParams, TcxTextRows& ATextRows, int ARowCount) {
  int extraPixels = 0;
  if (ARowCount > 1 && AParams.TextAlignY == taDistributeY) {
    const int free = R.Height() - AParams.RowHeight;
    if (AParams.RowHeight < static_cast<double>(free) / (ARowCount - 1)) {
      AParams.FullRowHeight = free / (ARowCount - 1);
      extraPixels = free % (ARowCount - 1);
    }
  }
  int top;
  switch (AParams.TextAlignY) {
    case taCenterY:
      top = R.Top + (R.Height() - ARowCount * AParams.FullRowHeight) / 2;
      break;
    case taBottom:
      top = R.Bottom - ARowCount * AParams.FullRowHeight + AParams.tmExternalLeading;
      break;
    default:
      top = R.Top;
  }
  if (AParams.PreventTopExceed) top = std::max(top, R.Top);
  for (int i = 0; i < ARowCount; ++i) {
    TcxTextRow& row = cxTextRowAt(ATextRows, i);
    switch (AParams.TextAlignX) {
      case taCenterX:
        row.TextOriginX = R.Left + (R.Width() - row.TextExtents.cx) / 2;
        break;
      case taRight:
        row.TextOriginX = R.Right - row.TextExtents.cx;
        break;
      default:
        row.TextOriginX = R.Left;
    }
    if (AParams.PreventLeftExceed) row.TextOriginX = std::max(row.TextOriginX, R.Left);
    row.TextOriginY = top;
    top += AParams.FullRowHeight;
    if (extraPixels > 0) {
      ++top;
      --extraPixels;
    }
  }
}

TRect cxTextLayoutRect(const TRect& R, const TcxTextParams& AParams, int ALeftIndent, int ARightIndent) {
  TRect result = R;
  if (AParams.AutoIndents) result.Inflate(-2 * AParams.OnePixel, -2 * AParams.OnePixel);
  result.Left += ALeftIndent * AParams.OnePixel;
  result.Right -= ARightIndent * AParams.OnePixel;
  return result;
}

TRect cxTextLayoutRectInverse(const TRect& R, const TcxTextParams& AParams, int ALeftIndent, int ARightIndent) {
  TRect result = R;
  result.Left -= ALeftIndent * AParams.OnePixel;
  result.Right += ARightIndent * AParams.OnePixel;
  if (AParams.AutoIndents) result.Inflate(2 * AParams.OnePixel, 2 * AParams.OnePixel);
  return result;
}

int cxWidestTextRowWidth(const TcxTextRows& ATextRows, int ARowCount) {
  int widest = 0;
  for (int i = 0; i < std::min(ATextRows.Count, ARowCount); ++i)
    widest = std::max(widest, cxTextRowAt(ATextRows, i).TextExtents.cx);
  return widest;
}

// ---------------------------------------------------------------- drawing

void cxDrawTextRowsHighlighted(HDC ADC, const TRect& R, const TcxTextParams& AParams, const TcxTextRows& ATextRows,
                               int ARowCount, int ASelStart, int ASelLength, TColor ASelBkColor, TColor ASelTextColor,
                               bool AForceEndEllipsis) {
  const int oldBkMode = SetBkMode(ADC, TRANSPARENT);
  const HBRUSH selectionBrush =
      ASelLength >= 1 && IsRealColor(ASelBkColor) ? CreateSolidBrush(ColorToRGB(ASelBkColor)) : nullptr;
  const bool metafile = GetObjectType(ADC) == OBJ_METADC || GetObjectType(ADC) == OBJ_ENHMETADC;
  const bool stretched = AParams.TextAlignX == taJustifyX || AParams.TextAlignX == taDistributeX;
  const TRowPainter painter(ADC, R, AParams);
  for (int i = 0; i < ARowCount; ++i) {
    TcxTextRow row = cxTextRowAt(ATextRows, i);
    const bool lastRow = i == ARowCount - 1;
    if (row.TextLength == 0) {
      if (lastRow && AParams.EndEllipsis && AForceEndEllipsis) painter.DrawEllipsis(row.TextOriginX, row.TextOriginY);
      continue;
    }
    const TRect band(R.Left, row.TextOriginY, R.Right, row.TextOriginY + AParams.FullRowHeight);
    if (!metafile && !RectVisible(ADC, AsRECT(band))) continue;
    if (AParams.PatternedText) {
      painter.FillPattern(row, band);
      continue;
    }
    const bool ellipsis = AParams.EndEllipsis && lastRow && (AForceEndEllipsis || row.TextExtents.cx > R.Width());
    const int extraWidth = R.Width() - row.TextExtents.cx;
    const bool justified = !ellipsis && stretched && extraWidth > 0 && row.BreakCount > 0;
    if (justified) SetTextJustification(ADC, extraWidth, row.BreakCount);
    TClipRegionKeeper rowClip(ADC);
    const bool outside = row.TextExtents.cx > R.Width() || band.Top < R.Top || band.Bottom > R.Bottom;
    if (!AParams.NoClip && outside)
      IntersectClipRect(ADC, R.Left, std::max(band.Top, R.Top), R.Right, std::min(band.Bottom, R.Bottom));
    bool ellipsisPending = ellipsis;
    if (ellipsis) {
      painter.FitRowToEndEllipsis(row);
      row.TextOriginX = std::max(row.TextOriginX, R.Left);  // the visible part starts in R
    }

    const int selectionStart = std::max(ASelStart, row.StartOffset) - row.StartOffset;
    const int selectionEnd = std::min(ASelStart + ASelLength, row.StartOffset + row.TextLength) - row.StartOffset;
    if (!metafile && ASelLength >= 1 && selectionStart < selectionEnd) {
      const bool reachesEnd = selectionEnd == row.TextLength;
      TRect highlight(row.TextOriginX + painter.PrefixWidth(row, selectionStart), band.Top,
                      row.TextOriginX + painter.PrefixWidth(row, selectionEnd), band.Bottom);
      if (ellipsisPending && reachesEnd) highlight.Right += AParams.EndEllipsisWidth;
      {
        TClipRegionKeeper highlightClip(ADC);
        IntersectClipRect(ADC, highlight.Left, highlight.Top, highlight.Right, highlight.Bottom);
        if (selectionBrush) FillRect(ADC, AsRECT(highlight), selectionBrush);
        const COLORREF oldTextColor = GetTextColor(ADC);
        if (IsRealColor(ASelTextColor)) SetTextColor(ADC, ColorToRGB(ASelTextColor));
        painter.DrawText(row);
        if (ellipsisPending && reachesEnd) {
          painter.DrawEllipsis(row.TextOriginX + row.TextExtents.cx, row.TextOriginY);
          ellipsisPending = false;
        }
        SetTextColor(ADC, oldTextColor);
      }
      ExcludeClipRect(ADC, highlight.Left, highlight.Top, highlight.Right, highlight.Bottom);
    }
    painter.DrawText(row);
    if (ellipsisPending) painter.DrawEllipsis(row.TextOriginX + row.TextExtents.cx, row.TextOriginY);
    if (justified) SetTextJustification(ADC, 0, 0);
  }
  if (selectionBrush) DeleteObject(selectionBrush);
  SetBkMode(ADC, oldBkMode);
}

int cxDrawTextWithHighlight(HDC ADC, const String& AText, TRect& R, uint32_t AFlags, int ASelStart, int ASelLength,
                            TFont* AFont, TColor ASelBkColor, TColor ASelTextColor, int AMaxRowCount, int ALeftIndent,
                            int ARightIndent, TColor ATextColor, double ARowHeightFactor) {
  if (AText.empty()) return 0;
  // The caller's font and text colour come back whatever happens here.
  struct TDCStateKeeper {
    HDC DC;
    HGDIOBJ Font;
    COLORREF TextColor;
    ~TDCStateKeeper() {
      SelectObject(DC, Font);
      SetTextColor(DC, TextColor);
    }
  } keeper{ADC, GetCurrentObject(ADC, OBJ_FONT), GetTextColor(ADC)};
  if (AFont) {
    SelectObject(ADC, AFont->Handle());
    SetTextColor(ADC, ColorToRGB(AFont->Color()));
  }
  if (ATextColor != clDefault) SetTextColor(ADC, ColorToRGB(ATextColor));

  TcxTextParams params;
  cxTextParamsFromDC(ADC, AFlags, params, ARowHeightFactor);
  TRect layoutRect = cxTextLayoutRect(R, params, ALeftIndent, ARightIndent);
  const bool usable = params.CalcRect ? layoutRect.Width() > 0 : layoutRect.Width() >= 1 && layoutRect.Height() >= 1;
  if (!usable) return 0;
  TcxTextRows rows;
  rows.Text = params.HidePrefix ? cxStripAcceleratorMarks(AText, false) : AText;
  const int length = static_cast<int>(rows.Text.size());
  if (length == 0) return 0;
  int rowCount = 0;
  const bool fits = cxLayOutTextRows(ADC, rows.Text.c_str(), length, layoutRect, params, rows, rowCount, AMaxRowCount);
  if (rowCount == 0) return 0;

  if (params.CalcRect) {
    if (AMaxRowCount > 0 && AMaxRowCount < rowCount) rowCount = AMaxRowCount;
    layoutRect.Right = layoutRect.Left + cxWidestTextRowWidth(rows, rowCount);
    if (!params.SingleLine) {
      cxLayOutTextRows(ADC, rows.Text.c_str(), length, layoutRect, params, rows, rowCount, AMaxRowCount);
      if (AMaxRowCount > 0 && AMaxRowCount < rowCount) rowCount = AMaxRowCount;
    }
    cxPositionTextRows(ADC, layoutRect, params, rows, rowCount);
    layoutRect.Bottom = cxTextRowAt(rows, rowCount - 1).TextOriginY + params.RowHeight;
    R = cxTextLayoutRectInverse(layoutRect, params, ALeftIndent, ARightIndent);
  } else {
    cxPositionTextRows(ADC, layoutRect, params, rows, rowCount);
    if (ASelStart < 0 || ASelStart >= length)
      ASelLength = 0;
    else
      ASelLength = std::min(ASelLength, length - ASelStart);
    cxDrawTextRowsHighlighted(ADC, layoutRect, params, rows, rowCount, ASelStart, ASelLength, ASelBkColor,
                              ASelTextColor, !fits);
  }
  const int textHeight = cxTextRowAt(rows, rowCount - 1).TextOriginY + params.RowHeight - layoutRect.Top;
  if (params.CalcRowCount) return rowCount;
  return textHeight != 0 ? textHeight : rowCount;
}

const TUnitEntry cxDrawTextUtilsUnit{L"cxDrawTextUtils", cxDrawTextUtilsInitialize, cxDrawTextUtilsFinalize};
