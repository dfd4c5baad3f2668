// Fading: options, the blend of every frame against the formula, the ticks
// per frame, the queue, restarts from the frame on the screen, the state
// switch and the real timer; one fade's frames are kept as a PNG strip.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "components/lookandfeel/cxLookAndFeelPainters.h"
#include "components/lookandfeel/dxFading.h"
#include "tests/guiharness/WindowCapture.h"
#include "tests/support/MessagePump.h"
#include "vcl/graphics/Bitmap.h"
#include "vcl/graphics/GdiTypes.h"
#include "vcl/rtl/WinApi.h"

namespace {

// ---------------------------------------------------------------- fixtures

constexpr TRGBQuad NormalPixel{10, 255, 0, 255};  // blue, green, red, alpha
constexpr TRGBQuad HotPixel{200, 0, 255, 255};

std::unique_ptr<TBitmap> SolidBitmap(int AWidth, int AHeight, TRGBQuad APixel) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(pf32bit);
  bitmap->SetSize(AWidth, AHeight);
  dxWriteBitmapColors(bitmap.get(), TRGBColors(static_cast<size_t>(AWidth) * AHeight, APixel), true);
  return bitmap;
}

// A fadable element that records the stage of every frame it is told of.
class TFadingButton : public TdxFadingObjectHelper, public IdxFadingOptionsSource {
public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID AIID, void** AObj) override {
    return TdxFadingObjectHelper::QueryInterface(AIID, AObj);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return TdxFadingObjectHelper::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return TdxFadingObjectHelper::Release(); }

  bool IsFadingAllowed() override { return true; }
  void RepaintFadeFrame() override {
    TdxFadingElement* element = nullptr;
    Repaints.push_back(dxGetGlobalFader()->Find(this, element) && element->WorkImage() ? element->Stage() : -1);
    if (RepaintLog) RepaintLog->push_back(Repaints.back());
  }
  void PrepareFadeImages(TBitmap*& AFadeOutImage, TBitmap*& AFadeInImage) override {
    AFadeOutImage = SolidBitmap(Width, 4, NormalPixel).release();
    AFadeInImage = SolidBitmap(Width, 4, HotPixel).release();
  }
  TdxFadingOptions* GetFadingOptions() override { return Options.get(); }

  TdxFadingElement* Element() {
    TdxFadingElement* element = nullptr;
    return dxGetGlobalFader()->Find(this, element) ? element : nullptr;
  }
  // The first pixel of the current frame.
  TRGBQuad FramePixel() { return Element()->WorkImage()->GetBitmapBits().at(0); }

  std::vector<int> Repaints;
  std::vector<int>* RepaintLog = nullptr;  // kept beyond the button's life
  std::unique_ptr<TdxFadingOptions> Options;
  int Width = 6;

protected:
  bool GetInterface(REFIID AIID, void** AObj) override {
    if (AIID == IID_IdxFadingOptionsSource) {
      *AObj = static_cast<IdxFadingOptionsSource*>(this);
      return true;
    }
    return TdxFadingObjectHelper::GetInterface(AIID, AObj);
  }
};

// One channel of stage AStage of AFrames, from the formula.
uint8_t ExpectedChannel(uint8_t AStart, uint8_t AEnd, int AStage, int AFrames) {
  const int a = MulDiv(AStage, 255, AFrames);
  const float w = static_cast<float>(a) / 255;
  const float u = 1 - w;
  const float value = u * AStart + w * AEnd;
  return static_cast<uint8_t>(value > 255 ? 255 : std::nearbyint(value));
}

void ExpectFrame(TRGBQuad AStart, TRGBQuad AEnd, int AStage, int AFrames, TRGBQuad AActual) {
  SCOPED_TRACE(testing::Message() << "stage " << AStage << " of " << AFrames);
  EXPECT_EQ(ExpectedChannel(AStart.rgbBlue, AEnd.rgbBlue, AStage, AFrames), AActual.rgbBlue);
  EXPECT_EQ(ExpectedChannel(AStart.rgbGreen, AEnd.rgbGreen, AStage, AFrames), AActual.rgbGreen);
  EXPECT_EQ(ExpectedChannel(AStart.rgbRed, AEnd.rgbRed, AStage, AFrames), AActual.rgbRed);
  EXPECT_EQ(255, AActual.rgbReserved);
}

class FadingTest : public ::testing::Test {
protected:
  void SetUp() override {
    Fader()->SetState(fasEnabled);
    Fader()->SetMaxAnimationCount(10);
  }
  void TearDown() override {
    Fader()->Clear();
    Fader()->SetState(fasDefault);
    EXPECT_FALSE(Fader()->TimerEnabled());
  }
  static TdxFader* Fader() { return dxGetGlobalFader(); }
};

// ---------------------------------------------------------------- options and helpers

TEST(FadingOptions, ValuesAreClampedToTheirRanges) {
  TdxFadingOptions options;
  EXPECT_EQ(4, options.FadeInFrameCount());
  EXPECT_EQ(15, options.FadeInFrameDelay());
  EXPECT_EQ(12, options.FadeOutFrameCount());
  EXPECT_EQ(20, options.FadeOutFrameDelay());
  options.SetFadeInFrameDelay(5);
  EXPECT_EQ(10, options.FadeInFrameDelay());
  options.SetFadeInFrameDelay(1000);
  EXPECT_EQ(300, options.FadeInFrameDelay());
  options.SetFadeOutFrameCount(40);
  EXPECT_EQ(32, options.FadeOutFrameCount());
  options.SetFadeOutFrameCount(-1);
  EXPECT_EQ(0, options.FadeOutFrameCount());
  TdxFadingOptions copy;
  copy.Assign(&options);
  EXPECT_EQ(0, copy.FadeOutFrameCount());
  EXPECT_EQ(300, copy.FadeInFrameDelay());
}

TEST(FadingHelper, BlackIsNudgedAndPixelsWithoutAlphaMadeOpaque) {
  EXPECT_EQ(0x010101, TdxFadingHelper::CheckColor(clBlack));
  EXPECT_EQ(static_cast<TColor>(ColorToRGB(clBtnFace)), TdxFadingHelper::CheckColor(clBtnFace));
  TRGBColors colors{{0, 0, 0, 0}, {1, 0, 0, 0}, {0, 0, 9, 7}};
  TdxFadingHelper::CorrectAlphaChannel(colors);
  EXPECT_EQ(0, colors[0].rgbReserved);
  EXPECT_EQ(255, colors[1].rgbReserved);
  EXPECT_EQ(7, colors[2].rgbReserved);
}

// ---------------------------------------------------------------- frames and ticks

TEST_F(FadingTest, FadeInShowsEveryStageOnConsecutiveTicksWithTheFormulasBlend) {
  TFadingButton button;
  button.FadeIn();
  ASSERT_TRUE(button.Active());
  EXPECT_TRUE(Fader()->TimerEnabled());
  EXPECT_EQ(4, button.Element()->AnimationFrameCount());
  for (int stage = 0; stage <= 4; ++stage) {
    if (stage > 0) Fader()->Update();
    ASSERT_EQ(stage, button.Element()->Stage());
    ExpectFrame(NormalPixel, HotPixel, stage, 4, button.FramePixel());
  }
  EXPECT_EQ(128, ExpectedChannel(0, 255, 2, 4)) << "MulDiv rounds 127.5 up";
  Fader()->Update();
  EXPECT_FALSE(button.Active()) << "the fade ends one frame period after its last stage";
  EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4, -1}), button.Repaints);
  EXPECT_FALSE(Fader()->TimerEnabled());
}

TEST_F(FadingTest, FadeOutTakesTwoTicksPerFrameAndItsOwnOptionsCount) {
  TFadingButton button;
  button.FadeOut();
  ASSERT_TRUE(button.Active());
  EXPECT_EQ(12, button.Element()->AnimationFrameCount());
  ExpectFrame(HotPixel, NormalPixel, 0, 12, button.FramePixel());
  Fader()->Update();
  EXPECT_EQ(0, button.Element()->Stage());
  Fader()->Update();
  EXPECT_EQ(1, button.Element()->Stage());
  ExpectFrame(HotPixel, NormalPixel, 1, 12, button.FramePixel());
  button.StopFading();
  EXPECT_FALSE(button.Active());
  EXPECT_EQ(-1, button.Repaints.back());

  button.Options = std::make_unique<TdxFadingOptions>();
  button.Options->SetFadeInFrameCount(7);
  button.Options->SetFadeInFrameDelay(45);
  button.FadeIn();
  EXPECT_EQ(7, button.Element()->AnimationFrameCount());
  EXPECT_EQ(45, button.Element()->AnimationFrameDelay());
  for (int tick = 0; tick < 4; ++tick) Fader()->Update();
  EXPECT_EQ(1, button.Element()->Stage()) << "45 ms makes a frame every fourth tick";

  button.Options->SetFadeOutFrameCount(0);
  button.StopFading();
  button.FadeOut();
  EXPECT_FALSE(button.Active()) << "a fade of no frames does not start";
}

TEST_F(FadingTest, ANewFadeStartsFromTheFrameOnTheScreen) {
  TFadingButton button;
  button.FadeIn();
  Fader()->Update();
  Fader()->Update();
  const TRGBQuad shown = button.FramePixel();
  button.FadeOut();
  ASSERT_TRUE(button.Active());
  EXPECT_EQ(0, button.Element()->Stage());
  EXPECT_EQ(12, button.Element()->AnimationFrameCount());
  const TRGBQuad start = button.FramePixel();
  EXPECT_EQ(shown.rgbRed, start.rgbRed);
  EXPECT_EQ(shown.rgbGreen, start.rgbGreen);
  EXPECT_EQ(shown.rgbBlue, start.rgbBlue);
  Fader()->Update();
  Fader()->Update();
  ExpectFrame(shown, NormalPixel, 1, 12, button.FramePixel());
}

TEST_F(FadingTest, ImagesThatDoNotMatchStartNothing) {
  TFadingButton button;
  Fader()->Fade(&button, SolidBitmap(4, 4, NormalPixel), SolidBitmap(5, 4, HotPixel), 4, 15);
  EXPECT_FALSE(button.Active());
  Fader()->Fade(&button, SolidBitmap(0, 0, NormalPixel), SolidBitmap(0, 0, HotPixel), 4, 15);
  EXPECT_FALSE(button.Active());
  Fader()->Fade(&button, nullptr, SolidBitmap(4, 4, HotPixel), 4, 15);
  EXPECT_FALSE(button.Active());
  Fader()->Fade(&button, SolidBitmap(4, 4, NormalPixel), SolidBitmap(4, 4, HotPixel), 40, 1000);
  ASSERT_TRUE(button.Active());
  EXPECT_EQ(32, button.Element()->AnimationFrameCount());
  EXPECT_EQ(300, button.Element()->AnimationFrameDelay());
}

TEST_F(FadingTest, TheStateDecidesWhetherAnythingFades) {
  BOOL saved = FALSE;
  SystemParametersInfoW(SPI_GETMENUANIMATION, 0, &saved, 0);
  struct Case {
    TdxFaderAnimationState State;
    BOOL MenuAnimation;
    bool Fades;
  } cases[] = {{fasDefault, FALSE, false}, {fasDefault, TRUE, true}, {fasEnabled, FALSE, true},
               {fasDisabled, TRUE, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "state " << static_cast<int>(c.State) << " menu animation " << c.MenuAnimation);
    SystemParametersInfoW(SPI_SETMENUANIMATION, 0, reinterpret_cast<void*>(static_cast<intptr_t>(c.MenuAnimation)), 0);
    Fader()->SetState(c.State);
    TFadingButton button;
    button.FadeIn();
    EXPECT_EQ(c.Fades, button.Active());
    TBitmap target;
    target.SetPixelFormat(pf32bit);
    target.SetSize(8, 8);
    EXPECT_EQ(c.Fades, button.DrawImage(target.Canvas()->Handle(), TRect(0, 0, 8, 8)));
  }
  SystemParametersInfoW(SPI_SETMENUANIMATION, 0, reinterpret_cast<void*>(static_cast<intptr_t>(saved)), 0);
}

TEST_F(FadingTest, TheOldestFadeGivesWayAndNoRoomEndsThemAll) {
  std::vector<std::unique_ptr<TFadingButton>> buttons;
  for (int i = 0; i < 11; ++i) {
    buttons.push_back(std::make_unique<TFadingButton>());
    buttons.back()->FadeIn();
  }
  EXPECT_EQ(10, Fader()->Count());
  EXPECT_FALSE(buttons[0]->Active());
  EXPECT_EQ(-1, buttons[0]->Repaints.back()) << "the oldest was told its frame went";
  EXPECT_TRUE(buttons[10]->Active());

  Fader()->SetMaxAnimationCount(0);
  EXPECT_EQ(0, Fader()->Count());
  EXPECT_FALSE(Fader()->TimerEnabled());
  EXPECT_FALSE(Fader()->IsReady());
  buttons[5]->FadeIn();
  EXPECT_FALSE(buttons[5]->Active());
  Fader()->SetMaxAnimationCount(25);
  EXPECT_EQ(20, Fader()->MaxAnimationCount());
}

TEST_F(FadingTest, AnElementGoingAwayIsNotCalledBack) {
  std::vector<int> log;
  auto button = std::make_unique<TFadingButton>();
  button->RepaintLog = &log;
  button->FadeIn();
  EXPECT_EQ(std::vector<int>{0}, log);
  button.reset();
  EXPECT_EQ(0, Fader()->Count());
  EXPECT_EQ(std::vector<int>{0}, log);
}

TEST_F(FadingTest, AChangeOfButtonStateFadesInOutOrStops) {
  struct Case {
    TcxButtonState Previous;
    TcxButtonState State;
    bool FadingBefore;
    bool Fading;
    int FrameCount;  // of the fade that runs afterwards
  } cases[] = {
      {cxbsNormal, cxbsHot, false, true, 4},     {cxbsDefault, cxbsHot, false, true, 4},
      {cxbsHot, cxbsDefault, false, true, 12},   {cxbsHot, cxbsNormal, false, true, 12},
      {cxbsPressed, cxbsHot, true, false, 0},    {cxbsHot, cxbsPressed, true, false, 0},
      {cxbsHot, cxbsDisabled, true, false, 0},   {cxbsDisabled, cxbsNormal, true, false, 0},
      {cxbsHot, cxbsHot, true, true, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << static_cast<int>(c.Previous) << " to " << static_cast<int>(c.State));
    TFadingButton button;
    if (c.FadingBefore) button.FadeIn();
    button.CheckStartFading(c.Previous, c.State);
    ASSERT_EQ(c.Fading, button.Active());
    if (c.Fading) { EXPECT_EQ(c.FrameCount, button.Element()->AnimationFrameCount()); }
  }
}

// ---------------------------------------------------------------- the real timer

TEST_F(FadingTest, TheTimerPlaysAFadeToItsEndAndAStripShowsItsFrames) {
  TFadingButton button;
  button.Width = 16;
  button.FadeOut();
  // Every frame drawn as the timer makes it, side by side.
  TBitmap strip;
  strip.SetPixelFormat(pf32bit);
  strip.SetSize(16 * 13, 16);
  int drawn = 0;
  int lastStage = -1;
  ASSERT_TRUE(PumpUntil([&] {
    if (TdxFadingElement* element = button.Element(); element && element->Stage() != lastStage) {
      lastStage = element->Stage();
      button.DrawImage(strip.Canvas()->Handle(), TRect(16 * lastStage, 0, 16 * lastStage + 16, 16));
      ++drawn;
    }
    return !button.Active();
  }));
  EXPECT_EQ(-1, button.Repaints.back());
  std::vector<int> stages(button.Repaints.begin(), button.Repaints.end() - 1);
  for (size_t i = 0; i < stages.size(); ++i) EXPECT_EQ(static_cast<int>(i), stages[i]);
  EXPECT_EQ(13u, stages.size());
  EXPECT_FALSE(Fader()->TimerEnabled());
  GdiFlush();
  EXPECT_GT(drawn, 1);
  EXPECT_EQ(RGB(HotPixel.rgbRed, HotPixel.rgbGreen, HotPixel.rgbBlue), PixelColor(strip, 8, 8));
  CreateDirectoryW(L"artifacts", nullptr);
  SaveAsPng(strip, L"artifacts\\FadeOutFrames.png");
}

}  // namespace
