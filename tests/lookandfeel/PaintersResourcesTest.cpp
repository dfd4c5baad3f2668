// The painters' shared pictures: radio-button glyphs shaped after the
// system's radio button, the grid indicator glyphs and the scroll-bar page
// patterns, checked pixel by pixel and shown on one sheet.
#include <algorithm>
#include <filesystem>
#include <map>

#include "PaintersFixture.h"
#include "components/core/cxGraphics.h"
#include "components/core/dxOffice11.h"
#include "tests/guiharness/WindowCapture.h"
#include "tests/support/MessagePump.h"
#include "vcl/controls/ImgList.h"
#include "vcl/graphics/Bitmap.h"
#include "vcl/graphics/Canvas.h"

namespace {

constexpr TColor Background = 0x00FF00FF;  // a colour no glyph uses

// A 32-bit bitmap in one colour with a library canvas over it.
struct TSurface {
  TBitmap Bitmap;
  TcxCanvas Canvas;
  TSurface(int AWidth, int AHeight, TColor AColor = Background) : Bitmap(AWidth, AHeight), Canvas(Bitmap.Canvas()) {
    Bitmap.SetPixelFormat(pf32bit);
    Bitmap.Canvas()->Brush()->SetColor(AColor);
    Bitmap.Canvas()->FillRect(TRect(0, 0, AWidth, AHeight));
  }
  TColor Pixel(int X, int Y) { return PixelColor(Bitmap, X, Y); }
};

TColor RGBOf(TColor AColor) { return static_cast<TColor>(ColorToRGB(AColor)); }

TcxRadioButtonImageList* Glyphs() { return cxGetRadioButtonImageList(); }

// The first pixel of a class in the glyph pattern.
TPoint PixelOfClass(int AClass) {
  const auto& pattern = Glyphs()->Pattern();
  for (int i = 0; i < static_cast<int>(pattern.size()); ++i)
    for (int j = 0; j < static_cast<int>(pattern[i].size()); ++j)
      if (pattern[i][j] == AClass) return {j, i};
  return {-1, -1};
}

}  // namespace

TEST(RadioButtonGlyphs, CombinationIndexCoversTheNonDefaultStates) {
  struct TCase {
    TcxLookAndFeelKind Kind;
    TcxButtonState State;
    bool Checked, Focused, Designing;
    int Index;
  };
  for (const TCase& c : {TCase{lfFlat, cxbsNormal, false, false, false, 0},
                         TCase{lfOffice11, cxbsDisabled, true, true, true, 127},
                         TCase{lfStandard, cxbsHot, true, false, false, 13},
                         TCase{lfUltraFlat, cxbsPressed, false, false, true, 50},
                         // A default button looks normal instead of reading outside the glyphs.
                         TCase{lfFlat, cxbsDefault, false, false, false, 0},
                         TCase{lfOffice11, cxbsDefault, true, true, false, 92}})
    EXPECT_EQ(c.Index, TcxRadioButtonImageList::CombinationIndex(c.Kind, c.State, c.Checked, c.Focused, c.Designing))
        << static_cast<int>(c.Kind) << " " << static_cast<int>(c.State);
}

// The shape follows the system's radio button: a ring of two halves, an
// inner ring, a body and a dot in the middle, symmetric about the centre.
TEST(RadioButtonGlyphs, ThePatternIsMeasuredFromTheSystemRadioButton) {
  const TSize size = Glyphs()->GetSize();
  const TRect button = Glyphs()->RadioButtonRect();
  const TRect dot = Glyphs()->RadioButtonCheckRect();
  EXPECT_EQ(button.Width(), size.cx);
  EXPECT_EQ(button.Height(), size.cy);
  EXPECT_GE(size.cx, 10);
  EXPECT_TRUE(dot.Left > button.Left && dot.Right < button.Right && dot.Top > button.Top && dot.Bottom < button.Bottom)
      << "the dot lies inside the button";
  const auto& pattern = Glyphs()->Pattern();
  ASSERT_EQ(size.cy, static_cast<int>(pattern.size()));
  std::map<int, int> counts;
  for (const auto& row : pattern)
    for (int cell : row) ++counts[cell];
  for (int pixelClass = 0; pixelClass <= 6; ++pixelClass) EXPECT_GT(counts[pixelClass], 0) << pixelClass;
  const int w = size.cx, h = size.cy;
  EXPECT_EQ(0, pattern[0][0]);
  EXPECT_EQ(0, pattern[h - 1][w - 1]);
  EXPECT_EQ(1, pattern[0][w / 2]) << "top of the outer ring";
  EXPECT_EQ(2, pattern[h - 1][w / 2]) << "bottom of the outer ring";
  EXPECT_EQ(6, pattern[h / 2][w / 2]) << "the middle";
  EXPECT_EQ(counts[1], counts[2]);
  EXPECT_EQ(counts[3], counts[4]);
}

TEST(RadioButtonGlyphs, PrepareRendersOnceAndResetRendersAgain) {
  TCustomImageList* images = Glyphs()->Images();
  EXPECT_EQ(128, images->Count());
  Glyphs()->Prepare();
  EXPECT_EQ(128, images->Count());
  Glyphs()->Reset();
  EXPECT_EQ(128, images->Count());
}

// Each pixel class in the colour of its look, state and check.
TEST_F(PaintersTest, GlyphsAreColouredPerLookStateAndCheck) {
  Glyphs()->Reset();  // with the painters of this test registered
  const TColor office11Disabled = dxOffice11Colors[52];
  const TColor office11Highlight = dxOffice11Colors[41];
  struct TCase {
    TcxLookAndFeelKind Kind;
    TcxButtonState State;
    bool Checked, Focused;
    TColor OuterUpperLeft, OuterLowerRight, InnerUpperLeft, InnerLowerRight, Dot;
  };
  // The test painters answer the root's body colours.
  const TColor normalBody = clWindow, pressedBody = clBtnFace;
  const TCase cases[] = {
      {lfFlat, cxbsNormal, false, false, clBtnShadow, clBtnHighlight, cl3DLight, cl3DLight, normalBody},
      {lfFlat, cxbsNormal, true, false, clBtnShadow, clBtnHighlight, cl3DLight, cl3DLight, clWindowText},
      {lfStandard, cxbsNormal, true, false, clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight, clWindowText},
      {lfStandard, cxbsDisabled, true, false, clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnShadow},
      {lfUltraFlat, cxbsNormal, false, false, clBtnShadow, clBtnShadow, normalBody, normalBody, normalBody},
      {lfUltraFlat, cxbsNormal, true, true, clHighlight, clHighlight, normalBody, normalBody, clWindowText},
      {lfUltraFlat, cxbsPressed, false, false, clHighlight, clHighlight, pressedBody, pressedBody, pressedBody},
      {lfOffice11, cxbsNormal, false, false, clBtnText, clBtnText, normalBody, normalBody, normalBody},
      {lfOffice11, cxbsHot, true, false, office11Highlight, office11Highlight, normalBody, normalBody, clWindowText},
      {lfOffice11, cxbsDisabled, true, true, office11Disabled, office11Disabled, pressedBody, pressedBody,
       office11Disabled},
  };
  const TSize size = Glyphs()->GetSize();
  for (const TCase& c : cases) {
    TSurface surface(size.cx, size.cy);
    Glyphs()->Draw(&surface.Canvas, 0, 0, clDefault, c.Kind, c.State, c.Checked, c.Focused, false);
    const TColor body = c.State == cxbsPressed || c.State == cxbsDisabled ? pressedBody : normalBody;
    const TColor expected[] = {Background,        c.OuterUpperLeft, c.OuterLowerRight, c.InnerUpperLeft,
                               c.InnerLowerRight, body,             c.Dot};
    for (int pixelClass = 0; pixelClass <= 6; ++pixelClass) {
      const TPoint p = PixelOfClass(pixelClass);
      EXPECT_EQ(RGBOf(expected[pixelClass]), surface.Pixel(p.X, p.Y))
          << "kind " << static_cast<int>(c.Kind) << " state " << static_cast<int>(c.State) << " checked " << c.Checked
          << " class " << pixelClass;
    }
  }
}

TEST(RadioButtonGlyphs, CornersStayOrTakeTheBrushColour) {
  const TSize size = Glyphs()->GetSize();
  const TPoint corner = PixelOfClass(0), body = PixelOfClass(5);
  TSurface transparent(size.cx + 4, size.cy + 4);
  Glyphs()->Draw(&transparent.Canvas, 2, 2, clDefault, lfFlat, cxbsNormal, false, false, false);
  EXPECT_EQ(Background, transparent.Pixel(corner.X + 2, corner.Y + 2));
  EXPECT_EQ(RGBOf(clWindow), transparent.Pixel(body.X + 2, body.Y + 2));
  EXPECT_EQ(Background, transparent.Pixel(1, 1)) << "nothing outside the glyph";

  TSurface opaque(size.cx + 4, size.cy + 4);
  Glyphs()->Draw(&opaque.Canvas, 2, 2, clBtnFace, lfFlat, cxbsNormal, false, false, false);
  EXPECT_EQ(RGBOf(clBtnFace), opaque.Pixel(corner.X + 2, corner.Y + 2));
  EXPECT_EQ(RGBOf(clWindow), opaque.Pixel(body.X + 2, body.Y + 2));
  EXPECT_EQ(Background, opaque.Pixel(1, 1));
}

// The glyphs are rendered again in the new colours when they change.
TEST(RadioButtonGlyphs, GlyphsFollowTheSystemColours) {
  const int element = COLOR_WINDOW;
  const COLORREF original = GetSysColor(element);
  const COLORREF changed = original == RGB(250, 240, 200) ? RGB(200, 240, 250) : RGB(250, 240, 200);
  const TSize size = Glyphs()->GetSize();
  const TPoint body = PixelOfClass(5);
  auto bodyColor = [&] {
    TSurface surface(size.cx, size.cy);
    Glyphs()->Draw(&surface.Canvas, 0, 0, clDefault, lfFlat, cxbsNormal, false, false, false);
    return surface.Pixel(body.X, body.Y);
  };
  ASSERT_TRUE(SetSysColors(1, &element, &changed));
  const bool followed = PumpUntil([&] { return bodyColor() == static_cast<TColor>(changed); });
  SetSysColors(1, &element, &original);
  PumpUntil([&] { return bodyColor() == static_cast<TColor>(original); });
  EXPECT_TRUE(followed);
}

TEST(IndicatorImages, SevenGlyphsOnWhite) {
  TCustomImageList* images = cxIndicatorImages();
  ASSERT_NE(nullptr, images);
  EXPECT_EQ(7, images->Count());
  EXPECT_EQ(8, images->Width());
  EXPECT_EQ(9, images->Height());
  // The arrow: a black triangle pointing right, its white ground transparent.
  TSurface surface(8, 9);
  images->Draw(surface.Bitmap.Canvas(), 0, 0, static_cast<int>(ikArrow) - 1);
  EXPECT_EQ(clBlack, surface.Pixel(2, 1));
  EXPECT_EQ(clBlack, surface.Pixel(5, 4));
  EXPECT_EQ(Background, surface.Pixel(6, 4));
  EXPECT_EQ(Background, surface.Pixel(0, 0));
}

TEST(ScrollBarPatterns, CheckerboardsInTheButtonColours) {
  struct TCase {
    bool Pressed;
    int X, Y;
    TColor Color;
  };
  for (const TCase& c : {TCase{false, 0, 0, clBtnFace}, TCase{false, 1, 0, clBtnHighlight},
                         TCase{false, 7, 7, clBtnFace}, TCase{false, 6, 7, clBtnHighlight},
                         TCase{true, 0, 0, clBlack}, TCase{true, 1, 0, cl3DDkShadow}, TCase{true, 3, 5, clBlack},
                         TCase{true, 0, 7, cl3DDkShadow}}) {
    TBitmap* bitmap = cxScrollBarPatternBitmap(c.Pressed);
    ASSERT_NE(nullptr, bitmap);
    EXPECT_EQ(8, bitmap->Width());
    EXPECT_EQ(RGBOf(c.Color), PixelColor(*bitmap, c.X, c.Y)) << c.Pressed << " " << c.X << "," << c.Y;
  }
}

// Every radio glyph (on the page colour and with transparent corners on a
// darker ground), the indicators and the patterns, for a person to look at.
TEST_F(PaintersTest, ResourcesSheet) {
  Glyphs()->Reset();
  const TSize size = Glyphs()->GetSize();
  const int cell = size.cx + 6, columns = 16;
  const int zoomWidth = 8 * (size.cx * 6 + 4) + 4;
  TSurface sheet(std::max({columns * cell + 8, 380, zoomWidth}), 2 * 8 * cell + 60 + size.cy * 6 + 8, clWhite);
  for (int index = 0; index < 128; ++index) {
    const auto kind = static_cast<TcxLookAndFeelKind>((index / 8) % 4);
    const auto state = static_cast<TcxButtonState>(index % 4 + 1);
    const bool checked = index / 4 % 2, designing = index / 32 % 2, focused = index / 64;
    const int x = 4 + index % columns * cell, y = 4 + index / columns * cell;
    Glyphs()->Draw(&sheet.Canvas, x, y, clBtnFace, kind, state, checked, focused, designing);
    sheet.Bitmap.Canvas()->Brush()->SetColor(0x606060);
    sheet.Bitmap.Canvas()->FillRect(TRect(x - 2, y + 8 * cell - 2, x + size.cx + 2, y + 8 * cell + size.cy + 2));
    Glyphs()->Draw(&sheet.Canvas, x, y + 8 * cell, clDefault, kind, state, checked, focused, designing);
  }
  // The small pictures four times their size.
  const int bottom = 4 + 16 * cell + 8;
  for (int i = 0; i < cxIndicatorImages()->Count(); ++i) {
    TSurface indicator(8, 9, clWhite);
    cxIndicatorImages()->Draw(indicator.Bitmap.Canvas(), 0, 0, i);
    sheet.Bitmap.Canvas()->StretchDraw(TRect(4 + i * 40, bottom, 36 + i * 40, bottom + 36), &indicator.Bitmap);
  }
  for (bool pressed : {false, true})
    sheet.Bitmap.Canvas()->StretchDraw(TRect(300 + pressed * 40, bottom, 332 + pressed * 40, bottom + 32),
                                       cxScrollBarPatternBitmap(pressed));
  // One checked glyph of each look, normal and hot, six times their size.
  const int zoom = 6, zoomed = bottom + 44;
  for (int i = 0; i < 8; ++i) {
    TSurface glyph(size.cx, size.cy, clBtnFace);
    Glyphs()->Draw(&glyph.Canvas, 0, 0, clDefault, static_cast<TcxLookAndFeelKind>(i / 2), i % 2 ? cxbsHot : cxbsNormal,
                   true, false, false);
    const int x = 4 + i * (size.cx * zoom + 4);
    sheet.Bitmap.Canvas()->StretchDraw(TRect(x, zoomed, x + size.cx * zoom, zoomed + size.cy * zoom), &glyph.Bitmap);
  }
  std::filesystem::create_directories("artifacts");
  SaveAsPng(sheet.Bitmap, L"artifacts\\LookAndFeelResources.png");
  EXPECT_TRUE(std::filesystem::exists("artifacts/LookAndFeelResources.png"));
}
