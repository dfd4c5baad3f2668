#include <gtest/gtest.h>

#include <cmath>

#include "tests/gdiplus/GdiPlusTestUtils.h"

TEST(GdiPlusFont, VerticalNamesKeepTheirAt) {
  TdxGPFont font(L"@" + String(TestFontName), 10);
  EXPECT_TRUE(font.GdiVerticalFont());
  EXPECT_EQ(font.OriginalFontName(), L"@" + String(TestFontName));
  EXPECT_EQ(font.FontFamily()->Name().substr(0, 1) == L"@", false) << "the family is named without it";
  LOGFONTW logFont{};
  font.ToLogFont(logFont);
  EXPECT_EQ(logFont.lfFaceName[0], L'@');
  EXPECT_EQ(String(logFont.lfFaceName + 1), font.Name());
  EXPECT_EQ(logFont.lfCharSet, DEFAULT_CHARSET);

  EXPECT_TRUE(TdxGPFont::IsVerticalName(L"@"));
  EXPECT_EQ(TdxGPFont::StripVerticalName(L"@"), L"@") << "a lone @ is not stripped";
  EXPECT_EQ(TdxGPFont::StripVerticalName(L"@" + String(TestFontName)), TestFontName);
  EXPECT_FALSE(TdxGPFont::IsVerticalName(L""));
}

TEST(GdiPlusFont, StylesSizesAndBadArguments) {
  const struct {
    int Style;
    bool Bold, Italic, Underline, Strikeout;
  } cases[] = {{0, false, false, false, false}, {1, true, false, false, false},
               {2, false, true, false, false},  {12, false, false, true, true}};
  for (const auto& c : cases) {
    TdxGPFont font(TestFontName, 9, c.Style);
    EXPECT_EQ(font.Bold(), c.Bold) << c.Style;
    EXPECT_EQ(font.Italic(), c.Italic) << c.Style;
    EXPECT_EQ(font.Underline(), c.Underline) << c.Style;
    EXPECT_EQ(font.Strikeout(), c.Strikeout) << c.Style;
  }
  for (float size : {0.0f, -1.0f, NAN, INFINITY}) {
    try {
      TdxGPFont font(TestFontName, size);
      ADD_FAILURE() << size;
    } catch (const EdxGdipException& e) {
      EXPECT_EQ(e.Message(), L"Invalid operation in GDI+ (Code: 2)");
    }
  }
  try {
    TdxGPFont font(static_cast<TdxGPFontFamily*>(nullptr), 9);
    ADD_FAILURE();
  } catch (const EdxGdipException& e) {
    EXPECT_EQ(e.GetStatus(), FontFamilyNotFound);
  }
  EXPECT_THROW(TdxGPFont(L"No Such Family Anywhere", 9), EdxGdipException);

  TdxGPFont points(TestFontName, 12);
  EXPECT_FLOAT_EQ(points.SizeInPoints(), 12);
  EXPECT_GT(points.Height(), 12);
  TdxGPFont pixels(TestFontName, 16, 0, guPixel);
  EXPECT_NEAR(pixels.SizeInPoints(), 12, 0.5) << "16 pixels at 96 dpi";
  TdxGPFont bold(&points, 1);
  EXPECT_TRUE(bold.Bold());
  EXPECT_EQ(bold.Size(), points.Size());
  EXPECT_NE(bold.GetHashCode(), points.GetHashCode());
  EXPECT_EQ(points.Clone()->GetHashCode(), points.GetHashCode());

  HFONT handle = points.ToHfont();
  const auto back = TdxGPFont::FromHfont(handle);
  DeleteObject(handle);
  EXPECT_EQ(back->Name(), points.Name());
  EXPECT_NEAR(back->SizeInPoints(), 12, 0.5);
}

TEST(GdiPlusStringFormat, PropertiesAndRanges) {
  TdxGPStringFormat format;
  format.SetAlignment(StringAlignmentCenter);
  format.SetLineAlignment(StringAlignmentFar);
  format.SetTrimming(StringTrimmingEllipsisWord);
  format.SetHotkeyPrefix(HotkeyPrefixShow);
  format.SetFormatFlags(0x1000);
  format.SetTabStops(4, 2, {10, 20});
  const auto copy = format.Clone();
  EXPECT_EQ(copy->Alignment(), StringAlignmentCenter);
  EXPECT_EQ(copy->LineAlignment(), StringAlignmentFar);
  EXPECT_EQ(copy->Trimming(), StringTrimmingEllipsisWord);
  EXPECT_EQ(copy->HotkeyPrefix(), HotkeyPrefixShow);
  EXPECT_EQ(copy->FormatFlags(), 0x1000);
  ASSERT_EQ(copy->GetTabStopCount(), 2);
  float first = 0;
  EXPECT_EQ(copy->GetTabStops(2, first), (std::vector<float>{10, 20}));
  EXPECT_EQ(first, 4);

  TdxGPFontFamily family(TestFontName);
  EXPECT_EQ(family.Name(), TestFontName);
  EXPECT_GT(family.GetEmHeight(0), 0);
  EXPECT_GE(family.GetLineSpacing(0), family.GetCellAscent(0));
  TdxGPFont font(&family, 12);
  format.SetMeasurableCharacterRanges(2, {{0, 2}, {3, 2}});
  EXPECT_EQ(format.MeasurableCharacterRangeCount(), 2);
  auto bitmap = FilledBitmap(200, 50);
  PaintOn(*bitmap, [&](TdxGPCanvas& canvas) {
    EXPECT_TRUE(canvas.MeasureCharacterRanges(L"", &font, TdxRectF{0, 0, 200, 50}, &format).empty());
    const auto regions = canvas.MeasureCharacterRanges(L"ab cd", &font, TdxRectF{0, 0, 200, 50}, &format);
    ASSERT_EQ(regions.size(), 2u);
    canvas.Region(regions[0].get(), 0, 0xFFFF0000);
    canvas.Region(regions[1].get(), 0, 0xFF0000FF);
  });
  // The second range lies right of the first.
  int firstRed = -1, firstBlue = -1;
  for (int x = 0; x < 200; ++x)
    for (int y = 0; y < 50; ++y) {
      if (firstRed < 0 && PixelColor(*bitmap, x, y) == clRed) firstRed = x;
      if (firstBlue < 0 && PixelColor(*bitmap, x, y) == clBlue) firstBlue = x;
    }
  EXPECT_GE(firstRed, 0);
  EXPECT_GT(firstBlue, firstRed);
}
