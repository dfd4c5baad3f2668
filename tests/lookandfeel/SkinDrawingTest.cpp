// Drawing skins: state frames, nine parts with fitted margins, stretch,
// tile and unscaled frames, whole elements with borders, glyphs and
// alternate attributes, the placeholder element and the element cache. The
// drawings are also kept on a sheet under artifacts.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "components/lookandfeel/cxLookAndFeelPainters.h"
#include "components/lookandfeel/dxSkinsCore.h"
#include "tests/guiharness/WindowCapture.h"
#include "vcl/graphics/GdiTypes.h"
#include "vcl/rtl/WinApi.h"

namespace {

// ---------------------------------------------------------------- fixtures

TRGBQuad Quad(TColor AColor, uint8_t AAlpha = 255) {
  return TRGBQuad{static_cast<uint8_t>((AColor >> 16) & 0xFF), static_cast<uint8_t>((AColor >> 8) & 0xFF),
                  static_cast<uint8_t>(AColor & 0xFF), AAlpha};
}

// One frame: a band of ABand pixels in AOuter around AInner.
struct TFrame {
  TColor Outer;
  TColor Inner;
};

// Frames of ASize side by side (or one under another), each with its band;
// with ATransparentCorner the top-left pixel of each frame is transparent.
void LoadFrames(TdxSkinImage* AImage, const std::vector<TFrame>& AFrames, int ASize, int ABand,
                bool ATransparentCorner = false, TdxSkinImageLayout ALayout = ilHorizontal) {
  const int count = static_cast<int>(AFrames.size());
  const int width = ALayout == ilHorizontal ? ASize * count : ASize;
  const int height = ALayout == ilHorizontal ? ASize : ASize * count;
  TRGBColors bits(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const int frame = ALayout == ilHorizontal ? x / ASize : y / ASize;
      const int fx = x % ASize;
      const int fy = y % ASize;
      const bool band = fx < ABand || fy < ABand || fx >= ASize - ABand || fy >= ASize - ABand;
      const bool corner = ATransparentCorner && fx == 0 && fy == 0;
      bits[static_cast<size_t>(y) * width + x] =
          corner ? TRGBQuad{} : Quad(band ? AFrames[frame].Outer : AFrames[frame].Inner);
    }
  AImage->Texture()->LoadFromBits(width, height, bits, true);
  AImage->SetImageLayout(ALayout);
}

// A 32-bit surface, white at first, kept for the sheet.
struct TSurface {
  TSurface(int AWidth, int AHeight) {
    Bitmap.SetPixelFormat(pf32bit);
    Bitmap.SetSize(AWidth, AHeight);
    Clear();
  }
  void Clear(TColor AColor = clWhite) {
    const std::unique_ptr<HBRUSH__, decltype(&DeleteObject)> brush(CreateSolidBrush(AColor), &DeleteObject);
    const TRect all(0, 0, Bitmap.Width(), Bitmap.Height());
    FillRect(DC(), AsRECT(all), brush.get());
  }
  HDC DC() { return Bitmap.Canvas()->Handle(); }
  TColor Pixel(int X, int Y) {
    GdiFlush();
    return PixelColor(Bitmap, X, Y);
  }
  TBitmap Bitmap;
};

// The three-state, two-image texture: frames 20 by 20 with a 5-pixel band.
const std::vector<TFrame> StateFrames = {
    {clMaroon, clRed}, {clGreen, clLime}, {clNavy, clBlue},      // image 0: normal, hot, pressed
    {clOlive, clYellow}, {clPurple, clFuchsia}, {clTeal, clAqua}  // image 1
};

std::unique_ptr<TdxSkinElement> StateElement() {
  auto element = std::make_unique<TdxSkinElement>(nullptr, L"Button");
  TdxSkinImage* image = element->Image();
  LoadFrames(image, StateFrames, 20, 5);
  image->SetStates({esNormal, esHot, esPressed});
  image->SetImageCount(2);
  image->SetMargins(TRect(5, 5, 5, 5));
  return element;
}

// Saves what a test drew as artifacts\Skin<test name>.png, enlarged four
// times so that single pixels show.
void KeepOnSheet(TSurface& ASurface, const std::string& ASuffix = std::string()) {
  const int width = ASurface.Bitmap.Width() * 4;
  const int height = ASurface.Bitmap.Height() * 4;
  TSurface sheet(width, height);
  StretchBlt(sheet.DC(), 0, 0, width, height, ASurface.DC(), 0, 0, ASurface.Bitmap.Width(),
             ASurface.Bitmap.Height(), SRCCOPY);
  GdiFlush();
  CreateDirectoryW(L"artifacts", nullptr);
  const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
  const std::string name = std::string("artifacts\\Skin") + test->name() + ASuffix + ".png";
  SaveAsPng(sheet.Bitmap, String(name.begin(), name.end()));
}

// ---------------------------------------------------------------- frames and states

TEST(SkinImage, FramesFollowTheStatesAndImageIndexes) {
  std::unique_ptr<TdxSkinElement> element = StateElement();
  TdxSkinImage* image = element->Image();
  EXPECT_EQ(TSize(20, 20), image->Size());
  EXPECT_EQ(3, image->StateCount());
  EXPECT_EQ(TRect(80, 0, 100, 20), image->GetStateBounds(1, esHot));
  EXPECT_EQ(TRect(), image->GetStateBounds(0, esDisabled));

  struct Case {
    int Index;
    TdxSkinElementState State;
    TFrame Expected;
  } cases[] = {
      {0, esNormal, StateFrames[0]}, {0, esHot, StateFrames[1]},     {0, esPressed, StateFrames[2]},
      {1, esNormal, StateFrames[3]}, {1, esPressed, StateFrames[5]}, {0, esDisabled, StateFrames[0]},
      {5, esHot, StateFrames[4]},    {-1, esFocused, StateFrames[0]},
  };
  TSurface surface(60 * 8, 40);
  int x = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "image " << c.Index << " state " << static_cast<int>(c.State));
    const TRect target(x, 0, x + 60, 40);
    element->Draw(surface.DC(), target, c.Index, c.State);
    EXPECT_EQ(c.Expected.Outer, surface.Pixel(x + 2, 2));
    EXPECT_EQ(c.Expected.Outer, surface.Pixel(x + 30, 37)) << "bottom edge";
    EXPECT_EQ(c.Expected.Outer, surface.Pixel(x + 57, 20)) << "right edge";
    EXPECT_EQ(c.Expected.Inner, surface.Pixel(x + 30, 20)) << "stretched centre";
    EXPECT_EQ(c.Expected.Inner, surface.Pixel(x + 6, 6)) << "the corner keeps its 5 pixels";
    EXPECT_EQ(c.Expected.Inner, surface.Pixel(x + 54, 34));
    EXPECT_EQ(c.Expected.Outer, surface.Pixel(x + 4, 4));
    EXPECT_EQ(c.Expected.Outer, surface.Pixel(x + 55, 35));
    x += 60;
  }
  KeepOnSheet(surface);
}

TEST(SkinImage, MarginsShrinkToFitASmallTarget) {
  // A 20-pixel frame whose left half is red and right half blue, with
  // margins of 10: on 12 pixels each margin loses MulDiv(10, 8, 20) = 4.
  TdxSkinElement element(nullptr, L"Narrow");
  TRGBColors bits(20 * 20);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) bits[y * 20 + x] = Quad(x < 10 ? clRed : clBlue);
  element.Image()->Texture()->LoadFromBits(20, 20, bits, true);
  element.Image()->SetMargins(TRect(10, 10, 10, 10));

  TSurface surface(12, 20);
  element.Draw(surface.DC(), TRect(0, 0, 12, 20));
  for (int x = 0; x < 12; ++x) EXPECT_EQ(x < 6 ? clRed : clBlue, surface.Pixel(x, 10)) << x;
  KeepOnSheet(surface);
}

TEST(SkinImage, TileRepeatsAndNoResizeCentresTheFrame) {
  TdxSkinElement tiled(nullptr, L"Tiled");
  TRGBColors bits(4 * 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) bits[y * 4 + x] = Quad(x < 2 ? clRed : clBlue);
  tiled.Image()->Texture()->LoadFromBits(4, 4, bits, true);
  tiled.Image()->SetStretch(smTile);
  TSurface surface(16, 8);
  tiled.Draw(surface.DC(), TRect(0, 0, 16, 8));
  for (int x = 0; x < 16; ++x) EXPECT_EQ(x % 4 < 2 ? clRed : clBlue, surface.Pixel(x, 5)) << x;
  KeepOnSheet(surface);

  std::unique_ptr<TdxSkinElement> fixed = StateElement();
  fixed->Image()->SetStretch(smNoResize);
  TSurface centred(40, 30);
  fixed->Draw(centred.DC(), TRect(0, 0, 40, 30), 0, esHot);
  EXPECT_EQ(clWhite, centred.Pixel(9, 15));
  EXPECT_EQ(clGreen, centred.Pixel(10, 5)) << "a 20-pixel frame centred in 40 by 30 starts at (10, 5)";
  EXPECT_EQ(clLime, centred.Pixel(20, 15));
  EXPECT_EQ(clGreen, centred.Pixel(29, 24));
  EXPECT_EQ(clWhite, centred.Pixel(30, 25));
  EXPECT_EQ(TSize(20, 20), fixed->CalculateMinSize());
  KeepOnSheet(centred, "Centred");
}

TEST(SkinImage, ACentreGradientReplacesTheCentreAndAnEmptyImageFillsInsideItsMargins) {
  std::unique_ptr<TdxSkinElement> element = StateElement();
  element->Image()->SetGradientBeginColor(clGray);
  TSurface surface(40, 40);
  element->Draw(surface.DC(), TRect(0, 0, 40, 40));
  EXPECT_EQ(clGray, surface.Pixel(20, 20));
  EXPECT_EQ(clMaroon, surface.Pixel(2, 20));
  KeepOnSheet(surface);

  TdxSkinElement empty(nullptr, L"Empty");
  empty.Image()->SetMargins(TRect(3, 4, 5, 6));
  empty.Image()->SetGradientBeginColor(clTeal);
  TSurface filled(20, 20);
  empty.Draw(filled.DC(), TRect(0, 0, 20, 20));
  EXPECT_EQ(clWhite, filled.Pixel(2, 10));
  EXPECT_EQ(clTeal, filled.Pixel(3, 4));
  EXPECT_EQ(clTeal, filled.Pixel(14, 13));
  EXPECT_EQ(clWhite, filled.Pixel(15, 13));
  EXPECT_EQ(clWhite, filled.Pixel(14, 14));
  KeepOnSheet(filled, "Empty");
}

TEST(SkinImage, StateMappingRebuildsTheTextureInTheGivenOrder) {
  std::unique_ptr<TdxSkinElement> element = StateElement();
  TdxSkinImage* image = element->Image();
  image->SetStateMapping({esPressed, esNormal, esFocused});
  EXPECT_EQ(TdxSkinElementStates({esNormal, esPressed, esFocused}), image->States());
  EXPECT_EQ(20 * 3 * 2, image->Texture()->Width());
  // Frames stand in the order of the states' values: normal, pressed,
  // focused; the mapping put the old pressed look first.
  TSurface surface(120, 20);
  element->Draw(surface.DC(), TRect(0, 0, 20, 20), 0, esNormal);
  element->Draw(surface.DC(), TRect(20, 0, 40, 20), 0, esPressed);
  element->Draw(surface.DC(), TRect(40, 0, 60, 20), 0, esFocused);
  element->Draw(surface.DC(), TRect(60, 0, 80, 20), 1, esNormal);
  EXPECT_EQ(clBlue, surface.Pixel(10, 10));
  EXPECT_EQ(clRed, surface.Pixel(30, 10));
  EXPECT_EQ(clWhite, surface.Pixel(50, 10)) << "a state the image lacked stays transparent";
  EXPECT_EQ(clAqua, surface.Pixel(70, 10));
  KeepOnSheet(surface);
}

// ---------------------------------------------------------------- elements

TEST(SkinElement, DrawsBackgroundBordersAndGlyphInOrder) {
  TdxSkinElement element(nullptr, L"Panel");
  element.SetColor(clSilver);
  element.Borders()->Left()->SetColor(clRed);
  element.Borders()->Left()->SetThin(2);
  element.Borders()->Bottom()->SetColor(clBlue);
  element.Borders()->Bottom()->SetThin(3);
  LoadFrames(element.Glyph(), {{clGreen, clGreen}}, 4, 0);
  element.Glyph()->SetStretch(smNoResize);
  element.SetContentOffset(TRect(2, 2, 2, 2));
  TSurface surface(30, 20);
  element.Draw(surface.DC(), TRect(0, 0, 30, 20));
  EXPECT_EQ(clRed, surface.Pixel(1, 5));
  EXPECT_EQ(clSilver, surface.Pixel(2, 5));
  EXPECT_EQ(clBlue, surface.Pixel(10, 17));
  EXPECT_EQ(clBlue, surface.Pixel(0, 19)) << "the bottom is drawn after the left";
  EXPECT_EQ(clSilver, surface.Pixel(15, 16));
  // The glyph is centred in (2, 2, 28, 18): a 4-pixel square at (13, 8).
  EXPECT_EQ(clGreen, surface.Pixel(13, 8));
  EXPECT_EQ(clGreen, surface.Pixel(16, 11));
  EXPECT_EQ(clSilver, surface.Pixel(12, 8));
  KeepOnSheet(surface);
}

TEST(SkinElement, AlternateAttributesStandInForAMissingImage) {
  TdxSkinElement element(nullptr, L"Alt");
  element.Image()->SetStates({esNormal, esHot, esPressed});
  TdxSkinAlternateImageAttributes* hot = element.AddAlternateImageAttributes(esHot, 0);
  EXPECT_EQ(L"AlternateImage1Hot", hot->Name());
  hot->SetGradientBeginColor(clYellow);
  hot->SetContentOffsets(TRect(1, 1, 1, 1));
  hot->Borders()->Top()->SetColor(clRed);
  hot->BordersInner()->Top()->SetColor(clBlue);
  TSurface surface(40, 20);
  SkinImageSet = imsOriginal;
  element.Draw(surface.DC(), TRect(0, 0, 20, 20), 0, esHot);
  SkinImageSet = imsDefault;
  EXPECT_EQ(clWhite, surface.Pixel(0, 0));
  EXPECT_EQ(clRed, surface.Pixel(5, 1));
  EXPECT_EQ(clBlue, surface.Pixel(5, 2)) << "the inner ring starts inside the outer borders";
  EXPECT_EQ(clYellow, surface.Pixel(5, 10));
  element.Draw(surface.DC(), TRect(20, 0, 40, 20), 0, esPressed);
  EXPECT_EQ(clWhite, surface.Pixel(30, 10)) << "no attributes for the state: nothing";
  KeepOnSheet(surface);
}

TEST(SkinElement, ThePlaceholderIsWhiteWithARedFrame) {
  ASSERT_NE(nullptr, EmptySkinElement());
  TSurface surface(10, 10);
  surface.Clear(clBlack);
  EmptySkinElement()->Draw(surface.DC(), TRect(0, 0, 10, 10), 0, esPressed);
  EXPECT_EQ(clRed, surface.Pixel(0, 0));
  EXPECT_EQ(clRed, surface.Pixel(9, 5));
  EXPECT_EQ(clWhite, surface.Pixel(1, 1));
  EXPECT_EQ(clWhite, surface.Pixel(8, 8));
  KeepOnSheet(surface);
}

TEST(SkinElement, GetImageDrawsAtTheMinimumSizeWhenGivenNone) {
  std::unique_ptr<TdxSkinElement> element = StateElement();
  element->SetMinSize(TSize(30, 24));
  std::unique_ptr<TdxSmartImage> image = element->GetImage(0, TSize(0, 10), esHot);
  EXPECT_EQ(TSize(30, 24), image->Size());
  const TRGBColors bits = image->GetBitmapBits();
  EXPECT_EQ(Quad(clLime).rgbGreen, bits[12 * 30 + 15].rgbGreen);
  EXPECT_EQ(255, bits[12 * 30 + 15].rgbReserved);
}

TEST(SkinElement, TextColorsFallBackToTheNormalStateAndThenTheElement) {
  TdxSkinElement element(nullptr, L"Text");
  element.SetTextColor(clNavy);
  element.AddPropertyColor(L"CaptionTextColor", clMaroon);
  element.AddPropertyColor(L"CaptionTextColorPressed", clGreen);
  element.AddPropertyColor(L"CaptionTextColorDisabled", clDefault);
  element.AddPropertyColor(L"TextColorHot", clPurple);
  struct Case {
    TcxButtonState State;
    const wchar_t* Prefix;
    TColor Expected;
  } cases[] = {
      {cxbsHot, L"Caption", clMaroon},      {cxbsPressed, L"Caption", clGreen}, {cxbsDisabled, L"Caption", clMaroon},
      {cxbsNormal, L"Caption", clMaroon},   {cxbsDefault, L"Caption", clMaroon}, {cxbsHot, L"", clPurple},
      {cxbsPressed, L"", clNavy},           {cxbsNormal, L"Other", clNavy},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.Expected, element.GetTextColor(c.State, c.Prefix))
        << static_cast<int>(c.State) << " " << String(c.Prefix).size();
}

// Counts its renderings.
class TCountingElement : public TdxSkinElement {
public:
  using TdxSkinElement::TdxSkinElement;
  void DrawEx(TdxGPCanvas* ACanvas, const TRect& ARect, int AImageIndex, TdxSkinElementState AState) override {
    ++Renderings;
    TdxSkinElement::DrawEx(ACanvas, ARect, AImageIndex, AState);
  }
  int Renderings = 0;
};

TEST(SkinElementCache, RendersOncePerSizeAndStateAndAgainAfterAChange) {
  for (bool opaque : {true, false}) {
    SCOPED_TRACE(opaque ? "opaque" : "with alpha");
    TCountingElement element(nullptr, L"Cached");
    LoadFrames(element.Image(), StateFrames, 20, 5, !opaque);
    element.Image()->SetStates({esNormal, esHot, esPressed});
    element.Image()->SetImageCount(2);
    element.Image()->SetMargins(TRect(5, 5, 5, 5));
    if (opaque) element.SetColor(clWhite);
    element.SetUseCache(true);
    EXPECT_EQ(!opaque, element.IsAlphaUsed());

    TSurface surface(100, 30);
    element.Draw(surface.DC(), TRect(0, 0, 30, 30), 0, esHot);
    element.Draw(surface.DC(), TRect(40, 0, 70, 30), 0, esHot);
    EXPECT_EQ(1, element.Renderings) << "the position is not part of the key";
    EXPECT_EQ(clGreen, surface.Pixel(42, 2));
    EXPECT_EQ(clLime, surface.Pixel(55, 15));

    element.Draw(surface.DC(), TRect(0, 0, 30, 30), 0, esPressed);
    EXPECT_EQ(2, element.Renderings);
    EXPECT_EQ(clBlue, surface.Pixel(15, 15));
    element.Borders()->Top()->SetColor(clBlack);
    element.Draw(surface.DC(), TRect(70, 0, 100, 30), 0, esPressed);
    EXPECT_EQ(3, element.Renderings) << "a change of the element flushes the cache";
    EXPECT_EQ(clBlack, surface.Pixel(85, 0));
    SkinImageSet = imsAlternate;
    element.Draw(surface.DC(), TRect(70, 0, 100, 30), 0, esPressed);
    SkinImageSet = imsDefault;
    EXPECT_EQ(4, element.Renderings) << "another image set renders again";
    if (opaque) KeepOnSheet(surface);
  }
}

}  // namespace
