#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <vector>

#include "components/core/cxDrawTextUtils.h"
#include "tests/guiharness/WindowCapture.h"
#include "vcl/graphics/Bitmap.h"
#include "vcl/graphics/GdiTypes.h"

namespace {

// Every character 10 pixels wide and rows 12 high: layouts that depend on
// the rules alone, whatever fonts the system has.
constexpr int CharWidth = 10;

void MeasureTenPixelsEach(HDC, const wchar_t*, int ALength, bool, void*, TSize& ASize) {
  ASize = {ALength * CharWidth, 12};
}

TcxTextParams ParamsOf(uint32_t AFlags) {
  const HDC dc = CreateCompatibleDC(nullptr);
  TcxTextParams params;
  cxTextParamsFromDC(dc, AFlags, params);
  DeleteDC(dc);
  params.CharBreak = AFlags & cxtlCharBreak;  // whatever the system locale is
  params.RowHeight = params.FullRowHeight = 12;
  return params;
}

std::vector<String> RowTexts(const TcxTextRows& ARows, int ACount) {
  std::vector<String> texts;
  for (int i = 0; i < ACount; ++i) {
    const TcxTextRow& row = cxTextRowAt(ARows, i);
    texts.emplace_back(row.Text, row.TextLength);
  }
  return texts;
}

// A 32-bit bitmap on white with a real font selected, black text.
struct TTextSurface {
  TTextSurface(int AWidth, int AHeight, int AFontHeight = -13, const wchar_t* AFace = L"Arial") {
    Bitmap.SetPixelFormat(pf32bit);
    Bitmap.SetSize(AWidth, AHeight);
    DC = Bitmap.Canvas()->Handle();
    Clear();
    Font =
        CreateFontW(AFontHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0, AFace);
    OldFont = SelectObject(DC, Font);
    SetTextColor(DC, RGB(0, 0, 0));
  }
  ~TTextSurface() {
    SelectObject(DC, OldFont);
    DeleteObject(Font);
  }
  void Clear() {
    const RECT all{0, 0, Bitmap.Width(), Bitmap.Height()};
    FillRect(DC, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  COLORREF Pixel(int X, int Y) {
    GdiFlush();
    return static_cast<const uint32_t*>(Bitmap.ScanLine(Y))[X] & 0xFFFFFF;  // 0x00RRGGBB
  }
  // The bounding box of what is not white.
  TRect Ink(const TRect& AArea) {
    TRect result(AArea.Right, AArea.Bottom, AArea.Left, AArea.Top);
    for (int y = AArea.Top; y < AArea.Bottom; ++y)
      for (int x = AArea.Left; x < AArea.Right; ++x)
        if (Pixel(x, y) != 0xFFFFFF)
          result = TRect(std::min(result.Left, x), std::min(result.Top, y), std::max(result.Right, x + 1),
                         std::max(result.Bottom, y + 1));
    return result.IsEmpty() ? TRect() : result;
  }
  std::vector<uint32_t> Pixels(const TRect& AArea) {
    std::vector<uint32_t> pixels;
    for (int y = AArea.Top; y < AArea.Bottom; ++y)
      for (int x = AArea.Left; x < AArea.Right; ++x) pixels.push_back(Pixel(x, y));
    return pixels;
  }

  TBitmap Bitmap;
  HDC DC;
  HFONT Font;
  HGDIOBJ OldFont;
};

}  // namespace

// ---------------------------------------------------------------- rows

struct TLayoutCase {
  const char* Name;
  String Text;
  uint32_t Flags;
  int WidthInChars;
  int HeightInRows;  // 0: as many as the text needs
  int MaxRowCount;
  std::vector<String> Rows;
  bool Fits;
};

TEST(TextLayout, BreaksTextsIntoRowsByTheRules) {
  const uint32_t wrap = cxtlWordBreak;
  const TLayoutCase cases[] = {
      {"words, left: trailing blanks stay",
       L"The quick brown fox jumps",
       wrap,
       10,
       0,
       0,
       {L"The quick ", L"brown fox ", L"jumps"},
       true},
      {"words, centred: blanks at the seam go",
       L"The quick brown fox jumps",
       wrap | cxtlCenterX,
       10,
       0,
       0,
       {L"The quick", L"brown fox", L"jumps"},
       true},
      {"words, right", L"one two three", wrap | cxtlRight, 5, 0, 0, {L"one", L"two", L"three"}, true},
      {"a word wider than the row overflows", L"abcdefghijklmno pq", wrap, 5, 0, 0, {L"abcdefghijklmno", L"pq"}, true},
      {"character break splits it", L"abcdefghijkl", wrap | cxtlCharBreak, 5, 0, 0, {L"abcde", L"fghij", L"kl"}, true},
      {"edit control splits it too", L"abcdefg hi", wrap | cxtlEditControl, 4, 0, 0, {L"abcd", L"efg ", L"hi"}, true},
      {"no half of a surrogate pair ends a row",
       L"ab\U0001F600cd",
       wrap | cxtlCharBreak,
       3,
       0,
       0,
       {L"ab", L"\U0001F600c", L"d"},
       true},
      {"line breaks of every kind",
       L"ab\r\ncd\n\nef\rgh\n\rij",
       wrap,
       20,
       0,
       0,
       {L"ab", L"cd", L"", L"ef", L"gh", L"ij"},
       true},
      {"without word break only line breaks", L"one two three\nfour", 0, 5, 0, 0, {L"one two three", L"four"}, true},
      {"kana break anywhere, a full stop never starts a row",
       L"あいう。えお",
       wrap,
       3,
       0,
       0,
       {L"あい", L"う。え", L"お"},
       true},
      {"ideographic comma stays with its character", L"日本、東京", wrap, 2, 0, 0, {L"日", L"本、", L"東京"}, true},
      {"mixed scripts: Latin, CJK, kana, Hangul, Cyrillic",
       L"Hello世界こんにちはworld 한국어 Привет мир",
       wrap,
       7,
       0,
       0,
       {L"Hello世界", L"こんにちは", L"world 한", L"국어 ", L"Привет ", L"мир"},
       true},
      {"spreadsheet style drops every blank at the seam",
       L"ab    cd",
       wrap | cxtlExcelStyle,
       3,
       0,
       0,
       {L"ab ", L"cd"},
       true},
      {"single line keeps one row", L"a very long line", cxtlSingleLine, 5, 0, 0, {L"a very long line"}, false},
      {"rows down to the one the rectangle cuts", L"a b c d e", wrap, 1, 3, 0, {L"a", L"b", L"c", L"d"}, false},
      {"an edit control shows whole rows only",
       L"a b c d e",
       wrap | cxtlEditControl,
       1,
       3,
       0,
       {L"a", L"b", L"c"},
       false},
      {"at most the rows asked for", L"a b c d e", wrap | cxtlCalcRect, 1, 0, 2, {L"a", L"b"}, true},
      {"the last visible row takes the word the ellipsis will cut",
       L"aa bb cc dd",
       wrap | cxtlEndEllipsis,
       3,
       1,
       0,
       {L"aa ", L"bb cc"},
       false},
  };
  for (const TLayoutCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TcxTextParams params = ParamsOf(c.Flags);
    const TRect r(0, 0, c.WidthInChars * CharWidth, c.HeightInRows ? c.HeightInRows * 12 + 6 : 100000);
    TcxTextRows rows;
    int count = -1;
    const bool fits = cxLayOutTextRows(nullptr, c.Text.c_str(), static_cast<int>(c.Text.size()), r, params, rows, count,
                                       c.MaxRowCount, nullptr, MeasureTenPixelsEach);
    EXPECT_EQ(RowTexts(rows, count), c.Rows);
    EXPECT_EQ(fits, c.Fits);
    EXPECT_EQ(rows.Count, count);
  }
}

// A rectangle exactly three rows tall: its third row is the last one, and
// the one the ellipsis goes to; a fourth would start below it.
TEST(TextLayout, ARectangleExactlyRowsTallEndsItsLayoutAtItsBottomEdge) {
  const uint32_t wrap = cxtlWordBreak;
  const struct {
    const char* Name;
    uint32_t Flags;
    std::vector<String> Rows;
  } cases[] = {
      {"plain", wrap, {L"a ", L"b ", L"c "}},
      {"end ellipsis: the last row takes the word the ellipsis will cut",
       wrap | cxtlEndEllipsis,
       {L"a ", L"b ", L"c d"}},
      {"edit control", wrap | cxtlEditControl, {L"a ", L"b ", L"c "}},
      {"edit control, end ellipsis", wrap | cxtlEditControl | cxtlEndEllipsis, {L"a ", L"b ", L"c "}},
  };
  const String text = L"a b c d e f";
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    TcxTextParams params = ParamsOf(c.Flags);
    TcxTextRows rows;
    int count = 0;
    EXPECT_FALSE(cxLayOutTextRows(nullptr, text.c_str(), static_cast<int>(text.size()), TRect(0, 0, 2 * CharWidth, 36),
                                  params, rows, count, 0, nullptr, MeasureTenPixelsEach));
    EXPECT_EQ(RowTexts(rows, count), c.Rows);
  }
}

TEST(TextLayout, JustifiedRowsCountTheirBlanksAndTheLastRowOfAParagraphIsLeftAlone) {
  struct TCase {
    uint32_t Flags;
    std::vector<String> Rows;
    std::vector<int> BreakCounts;
  };
  const String text = L"aa bb cc dd\nee ff";
  const TCase cases[] = {
      {cxtlJustifyX, {L"aa bb", L"cc dd", L"ee ff"}, {1, 0, 0}},
      {cxtlDistributeX, {L"aa bb", L"cc dd", L"ee ff"}, {1, 1, 1}},
  };
  for (const TCase& c : cases) {
    TcxTextParams params = ParamsOf(c.Flags);
    TcxTextRows rows;
    int count = 0;
    cxLayOutTextRows(nullptr, text.c_str(), static_cast<int>(text.size()), TRect(0, 0, 60, 1000), params, rows, count,
                     0, nullptr, MeasureTenPixelsEach);
    EXPECT_EQ(RowTexts(rows, count), c.Rows);
    std::vector<int> breakCounts;
    for (int i = 0; i < count; ++i) breakCounts.push_back(cxTextRowAt(rows, i).BreakCount);
    EXPECT_EQ(breakCounts, c.BreakCounts);
  }
}

TEST(TextLayout, RowsBeyondTheFirst32AndTheirOffsets) {
  String text;
  for (int i = 0; i < 100; ++i) text += L"w ";
  TcxTextParams params = ParamsOf(cxtlWordBreak);
  TcxTextRows rows;
  int count = 0;
  ASSERT_TRUE(cxLayOutTextRows(nullptr, text.c_str(), static_cast<int>(text.size()), TRect(0, 0, 20, 5000), params,
                               rows, count, 0, nullptr, MeasureTenPixelsEach));
  ASSERT_EQ(count, 100);
  for (int i = 0; i < count; ++i) {
    EXPECT_EQ(cxTextRowAt(rows, i).StartOffset, 2 * i);
    EXPECT_EQ(cxTextRowAt(rows, i).Text, text.c_str() + 2 * i);
  }
  // A second layout starts afresh.
  cxLayOutTextRows(nullptr, L"x", 1, TRect(0, 0, 20, 5000), params, rows, count, 0, nullptr, MeasureTenPixelsEach);
  EXPECT_EQ(count, 1);
  EXPECT_TRUE(rows.DynamicRows.empty());
}

TEST(TextLayout, PositionsRowsByAlignment) {
  struct TCase {
    uint32_t Flags;
    std::vector<TPoint> Origins;
  };
  // Three rows 30, 50 and 70 wide, 12 high, in (10, 20, 110, 120).
  const TCase cases[] = {
      {cxtlLeft | cxtlTop, {{10, 20}, {10, 32}, {10, 44}}},
      {cxtlCenterX | cxtlCenterY, {{45, 52}, {35, 64}, {25, 76}}},
      {cxtlRight | cxtlBottom, {{80, 84}, {60, 96}, {40, 108}}},
      // 88 pixels spread over two gaps.
      {cxtlDistributeY, {{10, 20}, {10, 64}, {10, 108}}},
  };
  for (const TCase& c : cases) {
    TcxTextParams params = ParamsOf(c.Flags);
    TcxTextRows rows;
    cxSetTextRowCount(rows, 3);
    for (int i = 0; i < 3; ++i) cxTextRowAt(rows, i).TextExtents = {30 + 20 * i, 12};
    cxPositionTextRows(nullptr, TRect(10, 20, 110, 120), params, rows, 3);
    std::vector<TPoint> origins;
    for (int i = 0; i < 3; ++i)
      origins.emplace_back(cxTextRowAt(rows, i).TextOriginX, cxTextRowAt(rows, i).TextOriginY);
    EXPECT_EQ(origins, c.Origins) << c.Flags;
  }
  // Rows wider than the rectangle may start left of it, unless prevented.
  TcxTextParams params = ParamsOf(cxtlCenterX | cxtlPreventLeftExceed);
  TcxTextRows rows;
  cxSetTextRowCount(rows, 1);
  cxTextRowAt(rows, 0).TextExtents = {300, 12};
  cxPositionTextRows(nullptr, TRect(10, 20, 110, 120), params, rows, 1);
  EXPECT_EQ(cxTextRowAt(rows, 0).TextOriginX, 10);
}

TEST(TextLayout, ParametersComeFromTheFontAndTheFlags) {
  TTextSurface surface(10, 10, -40, L"Times New Roman");
  TEXTMETRICW metrics;
  GetTextMetricsW(surface.DC, &metrics);
  TcxTextParams params;
  cxTextParamsFromDC(surface.DC, cxtlExternalLeading | cxtlEndEllipsis | cxtlRight | cxtlBottom, params, 1.5);
  EXPECT_EQ(params.RowHeight, metrics.tmHeight);
  EXPECT_EQ(params.tmExternalLeading, metrics.tmExternalLeading);
  EXPECT_EQ(params.FullRowHeight, std::lround((metrics.tmHeight + metrics.tmExternalLeading) * 1.5));
  SIZE dots;
  GetTextExtentPoint32W(surface.DC, L"...", 3, &dots);
  EXPECT_EQ(params.EndEllipsisWidth, dots.cx);
  EXPECT_EQ(params.TextAlignX, taRight);
  EXPECT_EQ(params.TextAlignY, taBottom);
  EXPECT_EQ(params.OnePixel, 1);
  // Patterned text only for fonts under six pixels.
  cxTextParamsFromDC(surface.DC, cxtlPatternedText, params);
  EXPECT_FALSE(params.PatternedText);
  EXPECT_EQ(params.tmExternalLeading, 0);
}

// ---------------------------------------------------------------- measuring

TEST(TextLayout, MeasuresTabbedTextsWiderThan65535Pixels) {
  TTextSurface surface(10, 10, -60);
  String text;
  for (int i = 0; i < 700; ++i) text += L"WWW\t";
  RECT bounds{};
  DrawTextW(surface.DC, text.c_str(), static_cast<int>(text.size()), &bounds,
            DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS | DT_NOPREFIX);
  ASSERT_GT(bounds.right, 2 * 65536);
  TSize size;
  cxMeasureTextRun(surface.DC, text.c_str(), static_cast<int>(text.size()), true, nullptr, size);
  EXPECT_EQ(size.cx, bounds.right);
}

// ---------------------------------------------------------------- drawing

TEST(TextLayout, DrawsLikeThePlatformForPlainWrappedAndTabbedTexts) {
  struct TCase {
    const char* Name;
    String Text;
    uint32_t Flags;
    UINT DrawTextFlags;
  };
  const TCase cases[] = {
      {"one line", L"Correção das Operações", cxtlSingleLine, DT_SINGLELINE | DT_NOPREFIX},
      {"tabs", L"a\tbb\tccc\td", cxtlSingleLine | cxtlExpandTabs, DT_SINGLELINE | DT_EXPANDTABS | DT_NOPREFIX},
      {"centred", L"centre", cxtlSingleLine | cxtlCenterX, DT_SINGLELINE | DT_CENTER | DT_NOPREFIX},
      {"right", L"right", cxtlSingleLine | cxtlRight, DT_SINGLELINE | DT_RIGHT | DT_NOPREFIX},
  };
  TTextSurface ours(300, 30), platform(300, 30);
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    ours.Clear();
    platform.Clear();
    TRect r(5, 5, 295, 25);
    cxDrawTextWithHighlight(ours.DC, c.Text, r, c.Flags, 0, 0, nullptr, clNone, clNone);
    SetBkMode(platform.DC, TRANSPARENT);
    RECT platformRect{5, 5, 295, 25};
    DrawTextW(platform.DC, c.Text.c_str(), -1, &platformRect, c.DrawTextFlags);
    EXPECT_EQ(ours.Pixels(TRect(0, 0, 300, 30)), platform.Pixels(TRect(0, 0, 300, 30)));
  }
}

TEST(TextLayout, RowsLongerThan4096CharactersAreDrawnWhole) {
  String text;
  for (int i = 0; i < 45; ++i) text += L"\t" + String(99, L'i');  // 4500 characters
  RECT bounds{};
  {
    TTextSurface measuring(1, 1, -8);
    DrawTextW(measuring.DC, text.c_str(), -1, &bounds, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS | DT_NOPREFIX);
  }
  ASSERT_LT(bounds.right, 30000);
  TTextSurface ours(bounds.right + 10, 12, -8), platform(bounds.right + 10, 12, -8);
  TRect r(0, 0, bounds.right + 10, 12);
  cxDrawTextWithHighlight(ours.DC, text, r, cxtlSingleLine | cxtlExpandTabs, 0, 0, nullptr, clNone, clNone);
  SetBkMode(platform.DC, TRANSPARENT);
  TabbedTextOutW(platform.DC, 0, 0, text.c_str(), static_cast<int>(text.size()), 0, nullptr, 0);
  const TRect tail(bounds.right - 200, 0, bounds.right + 10, 12);
  EXPECT_FALSE(ours.Ink(tail).IsEmpty());
  EXPECT_EQ(ours.Pixels(tail), platform.Pixels(tail));
}

TEST(TextLayout, JustifiedRowsReachTheRightEdgeButNotTheLastOfAParagraph) {
  TTextSurface surface(200, 100);
  TRect r(0, 0, 150, 100);
  cxDrawTextWithHighlight(surface.DC, L"The quick brown fox jumps over the lazy dog", r, cxtlWordBreak | cxtlJustifyX,
                          0, 0, nullptr, clNone, clNone);
  TEXTMETRICW metrics;
  GetTextMetricsW(surface.DC, &metrics);
  std::vector<TRect> rows;
  for (int top = 0;; top += metrics.tmHeight) {
    const TRect ink = surface.Ink(TRect(0, top, 200, top + metrics.tmHeight));
    if (ink.IsEmpty()) break;
    rows.push_back(ink);
  }
  ASSERT_GE(rows.size(), 2u);
  for (size_t i = 0; i + 1 < rows.size(); ++i) {
    EXPECT_GE(rows[i].Right, 146) << i;
    EXPECT_LE(rows[i].Right, 150) << i;
  }
  EXPECT_LT(rows.back().Right, 130);
}

TEST(TextLayout, EndEllipsisFollowsTheVisiblePartOfALongWord) {
  TTextSurface ours(200, 40), platform(200, 40);
  const String word = L"Supercalifragilisticexpialidocious";
  TRect r(0, 0, 120, 20);
  cxDrawTextWithHighlight(ours.DC, word, r, cxtlSingleLine | cxtlEndEllipsis, 0, 0, nullptr, clNone, clNone);
  // What fits before the dots, then the dots.
  const TRect ink = ours.Ink(TRect(0, 0, 200, 40));
  EXPECT_LE(ink.Right, 120);
  SIZE dots;
  GetTextExtentPoint32W(platform.DC, L"...", 3, &dots);
  int fit = 0;
  SIZE size;
  GetTextExtentExPointW(platform.DC, word.c_str(), static_cast<int>(word.size()), 120 - dots.cx, &fit, nullptr, &size);
  SIZE shown;
  GetTextExtentPoint32W(platform.DC, word.c_str(), fit, &shown);
  SetBkMode(platform.DC, TRANSPARENT);
  TextOutW(platform.DC, 0, 0, word.c_str(), fit);
  TextOutW(platform.DC, shown.cx, 0, L"...", 3);
  EXPECT_EQ(ours.Pixels(TRect(0, 0, 200, 40)), platform.Pixels(TRect(0, 0, 200, 40)));
}

TEST(TextLayout, TheEllipsisEndsTheLastRowOfARectangleExactlyRowsTall) {
  TTextSurface ours(120, 60), platform(120, 60);
  TEXTMETRICW metrics;
  GetTextMetricsW(ours.DC, &metrics);
  TRect r(0, 0, 90, 2 * metrics.tmHeight);
  cxDrawTextWithHighlight(ours.DC, L"alpha beta\ngamma delta epsilon zeta", r, cxtlWordBreak | cxtlEndEllipsis, 0, 0,
                          nullptr, clNone, clNone);
  // The first row, then what of the rest fits before the dots, then the dots.
  const String rest = L"gamma delta epsilon zeta";
  SIZE dots;
  GetTextExtentPoint32W(platform.DC, L"...", 3, &dots);
  int fit = 0;
  SIZE size;
  GetTextExtentExPointW(platform.DC, rest.c_str(), static_cast<int>(rest.size()), 90 - dots.cx, &fit, nullptr, &size);
  SIZE shown;
  GetTextExtentPoint32W(platform.DC, rest.c_str(), fit, &shown);
  SetBkMode(platform.DC, TRANSPARENT);
  TextOutW(platform.DC, 0, 0, L"alpha beta", 10);
  TextOutW(platform.DC, 0, metrics.tmHeight, rest.c_str(), fit);
  TextOutW(platform.DC, shown.cx, metrics.tmHeight, L"...", 3);
  EXPECT_EQ(ours.Pixels(TRect(0, 0, 120, 60)), platform.Pixels(TRect(0, 0, 120, 60)));
}

TEST(TextLayout, HighlightsTheSelectedCharactersAcrossRows) {
  TTextSurface surface(200, 60);
  TRect r(0, 0, 200, 60);
  const String text = L"first row\nsecond row";
  // "row\nsec": the end of the first row and the start of the second.
  cxDrawTextWithHighlight(surface.DC, text, r, cxtlWordBreak, 6, 7, nullptr, clBlue, clWhite);
  TEXTMETRICW metrics;
  GetTextMetricsW(surface.DC, &metrics);
  SIZE firstSix, secondThree;
  GetTextExtentPoint32W(surface.DC, L"first ", 6, &firstSix);
  GetTextExtentPoint32W(surface.DC, L"sec", 3, &secondThree);
  const COLORREF blue = 0x0000FF;  // as read back: 0x00RRGGBB
  // The first row's highlight starts after "first " and covers the row's
  // height; nothing before it is blue.
  EXPECT_EQ(surface.Pixel(firstSix.cx + 1, 0), blue);
  EXPECT_EQ(surface.Pixel(firstSix.cx + 1, metrics.tmHeight - 1), blue);
  EXPECT_NE(surface.Pixel(firstSix.cx - 2, 1), blue);
  // The second row's covers "sec" only.
  EXPECT_EQ(surface.Pixel(0, metrics.tmHeight + 1), blue);
  EXPECT_EQ(surface.Pixel(secondThree.cx - 1, metrics.tmHeight + 1), blue);
  EXPECT_NE(surface.Pixel(secondThree.cx + 1, metrics.tmHeight + 1), blue);
}

TEST(TextLayout, TextTooSmallToReadIsDrawnAsAPattern) {
  TTextSurface surface(60, 20, -4);
  TRect r(0, 0, 60, 20);
  cxDrawTextWithHighlight(surface.DC, L"tiny text", r, cxtlPatternedText, 0, 0, nullptr, clNone, clNone);
  const TRect ink = surface.Ink(TRect(0, 0, 60, 20));
  ASSERT_GE(ink.Width(), 10);
  ASSERT_GE(ink.Height(), 2);
  // A checkerboard of the text colour and the window colour (white here).
  ASSERT_EQ(ColorToRGB(clWindow), 0xFFFFFFu);
  for (int y = ink.Top; y + 1 < ink.Bottom; ++y)
    for (int x = ink.Left; x + 1 < ink.Right; ++x) {
      EXPECT_NE(surface.Pixel(x, y), surface.Pixel(x + 1, y)) << x << "," << y;
      EXPECT_NE(surface.Pixel(x, y), surface.Pixel(x, y + 1)) << x << "," << y;
    }
}

TEST(TextLayout, CalculatesTheRectangleOfTheRowsAskedFor) {
  TTextSurface surface(10, 10);
  TEXTMETRICW metrics;
  GetTextMetricsW(surface.DC, &metrics);
  const String text = L"one\ntwo\nthree\nfour";
  TRect all(0, 0, 500, 0), firstTwo(0, 0, 500, 0);
  EXPECT_EQ(cxDrawTextWithHighlight(surface.DC, text, all, cxtlWordBreak | cxtlCalcRect, 0, 0, nullptr, clNone, clNone),
            4 * metrics.tmHeight);
  EXPECT_EQ(all.Height(), 4 * metrics.tmHeight);
  SIZE three;
  GetTextExtentPoint32W(surface.DC, L"three", 5, &three);
  EXPECT_EQ(all.Width(), three.cx);
  cxDrawTextWithHighlight(surface.DC, text, firstTwo, cxtlWordBreak | cxtlCalcRect, 0, 0, nullptr, clNone, clNone, 2);
  EXPECT_EQ(firstTwo.Height(), 2 * metrics.tmHeight);
  EXPECT_EQ(
      cxDrawTextWithHighlight(surface.DC, text, all, cxtlWordBreak | cxtlCalcRowCount, 0, 0, nullptr, clNone, clNone),
      4);
  // Nothing is laid out in an unusable rectangle or for no text.
  TRect empty(0, 0, 0, 10);
  EXPECT_EQ(cxDrawTextWithHighlight(surface.DC, text, empty, 0, 0, 0, nullptr, clNone, clNone), 0);
  EXPECT_EQ(cxDrawTextWithHighlight(surface.DC, L"", all, 0, 0, 0, nullptr, clNone, clNone), 0);
}

TEST(TextLayout, AcceleratorMarksAreHiddenAndTheCallersFontAndColourKept) {
  TTextSurface ours(200, 20), platform(200, 20);
  const HGDIOBJ font = GetCurrentObject(ours.DC, OBJ_FONT);
  TFont bold;
  bold.SetName(L"Arial");
  bold.SetStyle({fsBold});
  bold.SetColor(clRed);
  TRect r(0, 0, 200, 20);
  cxDrawTextWithHighlight(ours.DC, L"&Abrir B.D.", r, cxtlSingleLine | cxtlHidePrefix, 0, 0, &bold, clNone, clNone);
  EXPECT_EQ(GetCurrentObject(ours.DC, OBJ_FONT), font);
  EXPECT_EQ(GetTextColor(ours.DC), RGB(0, 0, 0));
  SelectObject(platform.DC, bold.Handle());
  SetTextColor(platform.DC, RGB(255, 0, 0));
  SetBkMode(platform.DC, TRANSPARENT);
  TextOutW(platform.DC, 0, 0, L"Abrir B.D.", 10);
  SelectObject(platform.DC, platform.Font);
  EXPECT_EQ(ours.Pixels(TRect(0, 0, 200, 20)), platform.Pixels(TRect(0, 0, 200, 20)));
}

// A sheet of layouts, kept as a picture to look at.
TEST(TextLayout, SheetOfLayouts) {
  struct TSample {
    String Text;
    uint32_t Flags;
    int SelStart, SelLength;
  };
  const TSample samples[] = {
      {L"Left aligned words wrap at the right edge of the rectangle.", cxtlWordBreak, 0, 0},
      {L"Centred words wrap at the right edge of the rectangle.", cxtlWordBreak | cxtlCenterX, 0, 0},
      {L"Right aligned words wrap at the right edge of the rectangle.", cxtlWordBreak | cxtlRight, 0, 0},
      {L"Justified rows stretch to both edges but the last one.", cxtlWordBreak | cxtlJustifyX, 0, 0},
      {L"A long text ends with an ellipsis when it does not fit its two rows.",
       cxtlWordBreak | cxtlEndEllipsis | cxtlEditControl, 0, 0},
      {L"Highlighted search match in the middle of the text.", cxtlWordBreak, 12, 12},
      {L"日本語のテキストは、どこでも折り返されます。", cxtlWordBreak, 0, 0},
      {L"Tabs:\tone\ttwo\tthree", cxtlSingleLine | cxtlExpandTabs, 0, 0},
  };
  constexpr int cellWidth = 180, cellHeight = 48;
  TTextSurface sheet(2 * cellWidth + 30, 4 * cellHeight + 50);
  const HBRUSH frame = CreateSolidBrush(RGB(200, 200, 200));
  for (size_t i = 0; i < std::size(samples); ++i) {
    TRect r(10 + static_cast<int>(i % 2) * (cellWidth + 10), 10 + static_cast<int>(i / 2) * (cellHeight + 10), 0, 0);
    r.Right = r.Left + cellWidth;
    r.Bottom = r.Top + cellHeight;
    const RECT framed{r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1};
    FrameRect(sheet.DC, &framed, frame);
    const int height = cxDrawTextWithHighlight(sheet.DC, samples[i].Text, r, samples[i].Flags, samples[i].SelStart,
                                               samples[i].SelLength, nullptr, clHighlight, clHighlightText);
    EXPECT_GT(height, 0) << i;
  }
  DeleteObject(frame);
  std::filesystem::create_directories("artifacts");
  SaveAsPng(sheet.Bitmap, L"artifacts\\TextLayout.png");
  EXPECT_TRUE(std::filesystem::exists("artifacts/TextLayout.png"));
}
