#pragma once
// The library's own text layout: a text is broken into rows for a rectangle
// (at words, inside words, at line breaks, following the Far-East rules
// that let a full-width character end a row and keep closing punctuation
// from beginning one), the rows are positioned by alignment and drawn with
// end ellipses, justification, expanded tabs and a highlighted range.
// Text too small to read is drawn as a pattern.
#include <cstdint>
#include <vector>

#include "vcl/graphics/Colors.h"
#include "vcl/rtl/Strings.h"
#include "vcl/rtl/Types.h"
#include "vcl/rtl/UnitStartup.h"
#include "vcl/rtl/WinApi.h"

class TCanvas;
class TFont;

enum TcxTextAlignX { taLeft, taCenterX, taRight, taJustifyX, taDistributeX };
enum TcxTextAlignY { taTop, taCenterY, taBottom, taDistributeY };

// cxTextLayoutFlags: the flag word of the layout. Bits 0-2 hold the
// horizontal alignment, bits 4-5 the vertical one.
constexpr uint32_t cxtlLeft = 0x0;
constexpr uint32_t cxtlCenterX = 0x1;
constexpr uint32_t cxtlRight = 0x2;
constexpr uint32_t cxtlJustifyX = 0x3;
constexpr uint32_t cxtlDistributeX = 0x4;
constexpr uint32_t cxtlTop = 0x00;
constexpr uint32_t cxtlCenterY = 0x10;
constexpr uint32_t cxtlBottom = 0x20;
constexpr uint32_t cxtlDistributeY = 0x30;
constexpr uint32_t cxtlWordBreak = 0x00000100;
constexpr uint32_t cxtlSingleLine = 0x00000200;
constexpr uint32_t cxtlExpandTabs = 0x00000400;
constexpr uint32_t cxtlEndEllipsis = 0x00000800;
constexpr uint32_t cxtlPatternedText = 0x00001000;  // kept only for fonts under 6 device pixels
constexpr uint32_t cxtlExternalLeading = 0x00002000;
constexpr uint32_t cxtlEditControl = 0x00004000;  // only whole rows, as an edit control shows them
constexpr uint32_t cxtlNoClip = 0x00008000;
constexpr uint32_t cxtlAutoIndents = 0x00010000;
constexpr uint32_t cxtlCharBreak = 0x00020000;  // also on whenever the system locale is a Far-East one
constexpr uint32_t cxtlPreventLeftExceed = 0x00040000;
constexpr uint32_t cxtlPreventTopExceed = 0x00080000;
constexpr uint32_t cxtlCalcRect = 0x00100000;
constexpr uint32_t cxtlCalcRowCount = 0x00200000;
constexpr uint32_t cxtlHidePrefix = 0x01000000;
constexpr uint32_t cxtlExcelStyle = 0x02000000;

// What a layout needs to know of the flags and the font; made by
// cxTextParamsFromDC only.
struct TcxTextParams {
  int RowHeight;          // tmHeight
  int tmExternalLeading;  // the font's, with ExternalLeading only
  int FullRowHeight;      // the row pitch
  int EndEllipsisWidth;   // of "...", with EndEllipsis only
  bool Bold;
  wchar_t BreakChar;
  TcxTextAlignX TextAlignX;
  TcxTextAlignY TextAlignY;
  bool WordBreak, SingleLine, ExpandTabs, EndEllipsis, ExternalLeading, EditControl, ExcelStyle, NoClip, AutoIndents,
      PatternedText, PreventLeftExceed, PreventTopExceed, CharBreak, CalcRowCount, CalcRect;
  int MaxCharWidth;
  uint8_t CharSet;
  int OnePixel;  // one device pixel in logical units
  bool HidePrefix;
};

struct TcxTextRow {
  const wchar_t* Text;  // the row's first character, inside the laid-out text
  int TextLength;
  TSize TextExtents;
  int BreakCount;  // spaces and tabs inside a justified or distributed row
  int TextOriginX;
  int TextOriginY;
  int StartOffset;  // of the row's first character in the whole text
};

constexpr int cxStaticTextRowCount = 32;

// The rows of a layout: the first 32 in place, the rest in a growable
// array. Owned by the caller and reused: every layout clears it first.
struct TcxTextRows {
  int Count = 0;
  String Text;
  TcxTextRow StaticRows[cxStaticTextRowCount]{};
  std::vector<TcxTextRow> DynamicRows;
};

void cxSetTextRowCount(TcxTextRows& ATextRows, int ACount);
TcxTextRow& cxTextRowAt(TcxTextRows& ATextRows, int AIndex);
const TcxTextRow& cxTextRowAt(const TcxTextRows& ATextRows, int AIndex);

// Measures ALength characters of a row; AUserData is the layout's.
using TcxCalcTextExtentsProc = void (*)(HDC ADC, const wchar_t* AText, int ALength, bool AExpandTabs, void* AUserData,
                                        TSize& ASize);

void cxTextParamsFromDC(HDC ADC, uint32_t AFlags, TcxTextParams& AParams, double ARowHeightFactor = 1.0);
void cxTextParamsFromCanvas(TCanvas* ACanvas, uint32_t AFlags, TcxTextParams& AParams, double ARowHeightFactor = 1.0);
// The layout's measuring: the font's extent, with tabs expanded at the
// default tab stops when asked; widths beyond 65535 are measured whole.
void cxMeasureTextRun(HDC ADC, const wchar_t* AText, int ALength, bool AExpandTabs, void* AUserData, TSize& ASize);

// Breaks the text into rows for R; true when the whole text fits.
bool cxLayOutTextRows(HDC ADC, const wchar_t* AText, int ATextLength, const TRect& R, const TcxTextParams& AParams,
                      TcxTextRows& ATextRows, int& ARowCount, int AMaxRowCount = 0, void* AUserData = nullptr,
                      TcxCalcTextExtentsProc ACalcTextExtentsProc = cxMeasureTextRun);
// Sets every row's origin by the alignment; distributing rows vertically
// may change AParams.FullRowHeight.
void cxPositionTextRows(HDC ADC, const TRect& R, TcxTextParams& AParams, TcxTextRows& ATextRows, int ARowCount);
// The rectangle the rows are laid out in, with the indents (in device
// pixels) and, with AutoIndents, two pixels on every side; and back.
TRect cxTextLayoutRect(const TRect& R, const TcxTextParams& AParams, int ALeftIndent = 0, int ARightIndent = 0);
TRect cxTextLayoutRectInverse(const TRect& R, const TcxTextParams& AParams, int ALeftIndent = 0, int ARightIndent = 0);
int cxWidestTextRowWidth(const TcxTextRows& ATextRows, int ARowCount);
// Draws positioned rows; characters [ASelStart, ASelStart + ASelLength) of
// the whole text on ASelBkColor in ASelTextColor (either may be clNone).
void cxDrawTextRowsHighlighted(HDC ADC, const TRect& R, const TcxTextParams& AParams, const TcxTextRows& ATextRows,
                               int ARowCount, int ASelStart, int ASelLength, TColor ASelBkColor, TColor ASelTextColor,
                               bool AForceEndEllipsis);
// Lays out and draws the text in R (or, with cxtlCalcRect, sets R to the
// rectangle it needs). The text's height, or its row count with
// cxtlCalcRowCount; 0 when nothing was laid out.
int cxDrawTextWithHighlight(HDC ADC, const String& AText, TRect& R, uint32_t AFlags, int ASelStart, int ASelLength,
                            TFont* AFont, TColor ASelBkColor, TColor ASelTextColor, int AMaxRowCount = 0,
                            int ALeftIndent = 0, int ARightIndent = 0, TColor ATextColor = clDefault,
                            double ARowHeightFactor = 1.0);

// The Far-East line-breaking rules the layout follows.
bool cxIsFullWidthChar(wchar_t C);
bool cxIsNoLineStartChar(wchar_t C);

// Makes and frees the fill patterns of text too small to read.
extern const TUnitEntry cxDrawTextUtilsUnit;
