#include <gtest/gtest.h>

#include "components/core/cxGraphics.h"
#include "components/core/dxOffice11.h"
#include "vcl/graphics/Bitmap.h"

namespace {

// A 32-bit bitmap to draw on, white at first.
struct TSurface {
  TSurface(int AWidth, int AHeight) {
    Bitmap.SetPixelFormat(pf32bit);
    Bitmap.SetSize(AWidth, AHeight);
    DC = Bitmap.Canvas()->Handle();
    cxFillRectSolid(DC, TRect(0, 0, AWidth, AHeight), clWhite);
  }
  TColor Pixel(int X, int Y) {
    GdiFlush();
    const uint32_t bgr = static_cast<const uint32_t*>(Bitmap.ScanLine(Y))[X];
    return static_cast<TColor>(RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF));
  }
  int CountOf(TColor AColor) {
    int count = 0;
    for (int y = 0; y < Bitmap.Height(); ++y)
      for (int x = 0; x < Bitmap.Width(); ++x) count += Pixel(x, y) == AColor;
    return count;
  }
  TBitmap Bitmap;
  HDC DC;
};

TColor SysRGB(TColor AColor) { return static_cast<TColor>(ColorToRGB(AColor)); }

}  // namespace

TEST(Office11, TheSchemeFollowsTheVisualStylesColourVariant) {
  struct TCase {
    const wchar_t* File;
    const wchar_t* Color;
    int Major;
    int Scheme;
  };
  const TCase cases[] = {
      {L"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles", L"NormalColor", 5, 1},
      {L"C:\\WINDOWS\\Resources\\Themes\\Luna\\luna.msstyles", L"HomeStead", 5, 2},
      {L"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles", L"Metallic", 5, 3},
      {L"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles", L"Custom", 5, 0},
      {L"C:\\WINDOWS\\Resources\\Themes\\Royale\\Royale.msstyles", L"NormalColor", 5, 0},
      {L"C:\\Windows\\Resources\\Themes\\Aero\\Aero.msstyles", L"NormalColor", 6, 1},
      {L"C:\\windows\\resources\\themes\\light\\light.msstyles", L"Blue", 6, 0},
  };
  for (const TCase& c : cases) EXPECT_EQ(dxOffice11SchemeOfTheme(c.File, c.Color, c.Major), c.Scheme) << c.File;
  // Wine's light theme is no standard variant: the set mixes system colours.
  EXPECT_EQ(dxOffice11DetectScheme(), 0);
  dxOffice11InitColors();
  EXPECT_EQ(dxOffice11CurrentScheme(), 0);
  EXPECT_FALSE(dxOffice11SchemeIsXPStandard());
  EXPECT_EQ(dxOffice11Colors[0], SysRGB(clBtnFace));
  EXPECT_EQ(dxOffice11GradientPercent(), 75);
}

TEST(Office11, ColourSetPerScheme) {
  struct TCase {
    int Scheme;
    TColor Entry0, Entry19, Entry41, Entry62;
    int GradientPercent;
  };
  const TCase cases[] = {
      {1, 0xF5BE9E, 0xFFFFFF, 0x800000, 0xC9EEFD, 41},
      {2, 0xA7D9D9, 0xFFFFFF, 0x385D3F, 0xC9EEFD, 125},
      {3, 0xE5D7D7, 0xFFFFFF, 0x6F4B4B, 0xC9EEFD, 40},
      {0, SysRGB(clBtnFace), SysRGB(clWindow), SysRGB(clHighlight), SysRGB(clBtnFace), 75},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Scheme);
    dxOffice11InitColorsForScheme(c.Scheme);
    const auto& colors = dxOffice11Colors;
    EXPECT_EQ(dxOffice11SchemeIsXPStandard(), c.Scheme != 0);
    EXPECT_EQ(colors[0], c.Entry0);
    EXPECT_EQ(colors[19], c.Entry19);
    EXPECT_EQ(colors[41], c.Entry41);
    EXPECT_EQ(colors[62], c.Entry62);
    EXPECT_EQ(dxOffice11GradientPercent(), c.GradientPercent);
    // The entries every set copies from others.
    EXPECT_EQ(colors[26], colors[2]);
    EXPECT_EQ(colors[39], colors[31]);
    EXPECT_EQ(colors[55], colors[15]);
    EXPECT_EQ(colors[36], cxBlendTwoColors(colors[2], clBlack, 92));
  }
  dxOffice11InitColors();
}

TEST(Office11, BrushesLiveWhileTheSetIsAcquired) {
  EXPECT_EQ(dxOffice11Brush(18), nullptr);
  dxOffice11ColorsAcquire();
  dxOffice11ColorsAcquire();
  const HBRUSH brush = dxOffice11Brush(41);
  ASSERT_NE(brush, nullptr);
  LOGBRUSH info{};
  GetObjectW(brush, sizeof(info), &info);
  EXPECT_EQ(static_cast<TColor>(info.lbColor), dxOffice11Colors[41]);
  EXPECT_EQ(dxOffice11Brush(0), nullptr);  // no brush for this entry
  ASSERT_NE(dxOffice11SubMenuExpandBitmap(), nullptr);
  dxOffice11ColorsRelease();
  EXPECT_EQ(dxOffice11Brush(41), brush);
  dxOffice11ColorsRelease();
  EXPECT_EQ(dxOffice11Brush(41), nullptr);
  EXPECT_EQ(dxOffice11SubMenuExpandBitmap(), nullptr);
  // A refresh with nothing acquired recomputes the colours only.
  dxOffice11InitColorsForScheme(1);
  dxOffice11ColorsRefresh();
  EXPECT_EQ(dxOffice11CurrentScheme(), 0);
  EXPECT_EQ(dxOffice11Colors[0], SysRGB(clBtnFace));
  EXPECT_EQ(dxOffice11Brush(41), nullptr);
}

TEST(Office11, SizeGripDotsInThreeRows) {
  TSurface surface(20, 20);
  dxOffice11DrawSizeGripDots(surface.DC, TRect(0, 0, 20, 20), clRed, clBlue);
  // Six dots: 3, 2 and 1 from the bottom row up, each a red square over a
  // blue one moved one pixel down and right.
  EXPECT_EQ(surface.CountOf(clRed), 6 * 4);
  EXPECT_EQ(surface.CountOf(clBlue), 6 * 3);
  const TPoint dots[] = {{8, 17}, {12, 17}, {16, 17}, {12, 13}, {16, 13}, {16, 9}};
  for (const TPoint& dot : dots) {
    EXPECT_EQ(surface.Pixel(dot.X, dot.Y), clRed) << dot.X << "," << dot.Y;
    EXPECT_EQ(surface.Pixel(dot.X + 1, dot.Y + 1), clRed);
    EXPECT_EQ(surface.Pixel(dot.X + 2, dot.Y + 2), clBlue);
  }
}

TEST(Office11, FramesSelectionsAndFillsGradients) {
  dxOffice11InitColorsForScheme(1);
  dxOffice11ColorsAcquire();
  TSurface surface(40, 20);
  dxOffice11FrameSelection(surface.DC, TRect(0, 0, 40, 20));
  EXPECT_EQ(surface.Pixel(0, 0), dxOffice11Colors[41]);
  EXPECT_EQ(surface.Pixel(39, 19), dxOffice11Colors[41]);
  EXPECT_EQ(surface.Pixel(20, 10), clWhite);
  dxOffice11ColorsRelease();
  dxOffice11FillGradient(surface.DC, TRect(0, 0, 40, 20), clBlack, clWhite, true);
  EXPECT_LT(GetRValue(surface.Pixel(0, 10)), 16);
  EXPECT_GT(GetRValue(surface.Pixel(39, 10)), 239);
  dxOffice11InitColors();
}

namespace {

TColor BitmapPixel(TBitmap* ABitmap, int X, int Y) {
  return static_cast<TColor>(GetPixel(ABitmap->Canvas()->Handle(), X, Y));
}

int CountInBitmap(TBitmap* ABitmap, TColor AColor) {
  int count = 0;
  for (int y = 0; y < ABitmap->Height(); ++y)
    for (int x = 0; x < ABitmap->Width(); ++x) count += BitmapPixel(ABitmap, x, y) == AColor;
  return count;
}

}  // namespace

// The program carries the three bitmaps; the sub-menu arrow's grey disc
// takes the set's colours (lightest grey entry 2, darkest entry 3) while its
// black chevrons and its background stay as drawn.
TEST(Office11, TheLooksBitmapsComeFromTheProgramResources) {
  dxOffice11ColorsAcquire();
  TBitmap* minus = dxOffice11ExpandButtonBitmap(true);
  TBitmap* plus = dxOffice11ExpandButtonBitmap(false);
  TBitmap* subMenu = dxOffice11SubMenuExpandBitmap();
  ASSERT_TRUE(minus && plus && subMenu);
  for (TBitmap* button : {minus, plus}) {
    ASSERT_EQ(11, button->Width());
    ASSERT_EQ(11, button->Height());
    EXPECT_EQ(clBlack, BitmapPixel(button, 3, 5)) << "the sign's bar";
  }
  EXPECT_EQ(clBlack, BitmapPixel(plus, 5, 3)) << "the plus sign's upright";
  EXPECT_NE(clBlack, BitmapPixel(minus, 5, 3));
  EXPECT_EQ(5, CountInBitmap(minus, clBlack));
  EXPECT_EQ(9, CountInBitmap(plus, clBlack));

  ASSERT_EQ(12, subMenu->Width());
  EXPECT_EQ(TColor(RGB(255, 0, 255)), BitmapPixel(subMenu, 0, 0));
  EXPECT_EQ(12, CountInBitmap(subMenu, clBlack)) << "the chevrons must not be recoloured";
  EXPECT_EQ(dxOffice11Colors[2], BitmapPixel(subMenu, 5, 0));
  EXPECT_EQ(dxOffice11Colors[3], BitmapPixel(subMenu, 5, 11));
  dxOffice11ColorsRelease();
}
