// One composed picture of what the GDI+ classes draw, kept as a PNG under
// the build tree's test artifacts for a person to look at.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/gdiplus/GdiPlusTestUtils.h"

TEST(GdiPlusSheet, ComposedPictureIsSavedAsPng) {
  TdxGPImage sheet(360, 220, 0xFFFFFFFF);
  {
    const auto canvas = sheet.CreateCanvas();
    canvas->FillRectangleByGradient(TRect(10, 10, 350, 50), 0xFF203080, 0xFFA0C0FF, LinearGradientModeHorizontal);
    canvas->Rectangle(TRect(10, 60, 70, 120), clBlack, clRed);
    canvas->Ellipse(TRect(80, 60, 140, 120), clNavy, clYellow, 3);
    canvas->Pie(TRect(150, 60, 210, 120), 30, 300, clBlack, clLime);
    canvas->RoundRect(TRect(220, 60, 290, 120), clPurple, clAqua, 12, 12, 2);
    canvas->Polygon({TPoint(300, 120), TPoint(325, 60), TPoint(350, 120)}, clMaroon, clFuchsia, 2);

    TdxGPBrush gradient;
    gradient.SetStyle(gpbsGradient);
    gradient.GradientPoints()->Add(0.0f, 0xFFFF0000);
    gradient.GradientPoints()->Add(0.5f, 0xFF00FF00);
    gradient.GradientPoints()->Add(1.0f, 0xFF0000FF);
    canvas->FillRectangle(TRect(10, 130, 170, 150), &gradient);

    canvas->SetInterpolationMode(imNearestNeighbor);
    EXPECT_EQ(canvas->InterpolationMode(), imNearestNeighbor);
    TdxGPImage picture(EncodedImage(dxImagePng, 8, 6).get());
    canvas->Draw(&picture, TRect(190, 130, 270, 190));
    TdxGPImage tile(StreamOf(AnimatedGif(3, 0)).get());
    tile.SetActiveFrame(2);
    canvas->DrawTile(&picture, TRect(280, 130, 350, 190));
    canvas->Draw(&tile, TRect(10, 160, 30, 180));

    TdxGPFont font(TestFontName, 14, 1);
    TdxGPBrush text;
    text.SetColor(0xFF000000);
    canvas->DrawString(L"GDI+ canvas", &font, &text, TdxRectF{40, 155, 185, 215});
  }
  const TRGBColors bits = sheet.GetBitmapBits();
  const auto at = [&](int X, int Y) { return bits[static_cast<size_t>(Y) * 360 + X]; };
  EXPECT_EQ(at(40, 90).rgbRed, 255) << "the red rectangle";
  EXPECT_EQ(at(12, 162).rgbBlue, 255) << "the third frame of the GIF, blue";
  EXPECT_EQ(at(192, 132).rgbGreen, 255) << "the picture's green corner, stretched";
  EXPECT_GT(at(340, 30).rgbBlue, at(20, 30).rgbBlue) << "the gradient brightens to the right";

  std::filesystem::create_directories("artifacts");
  TMemoryStream png;
  sheet.SaveToStreamByCodec(&png, dxImagePng);
  png.SaveToFile(L"artifacts\\GdiPlusSheet.png");
  TPicture check;
  check.LoadFromFile(L"artifacts\\GdiPlusSheet.png");
  EXPECT_EQ(check.Width(), 360);
  EXPECT_EQ(check.Height(), 220);
}
