// The button's fade between its normal and hot background: where it runs,
// what stops it, and the two images it blends.
#include <gtest/gtest.h>

#include "tests/editors-basic/ButtonFixture.h"

namespace {

struct ButtonFading : ButtonFixture {
  ButtonFading() { dxGetGlobalFader()->SetState(fasEnabled); }
  ~ButtonFading() override {
    dxGetGlobalFader()->Clear();
    dxGetGlobalFader()->SetState(fasDefault);
  }
  static void Hover(TcxButton* AButton) { SendMessageW(AButton->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)); }
};

}  // namespace

TEST_F(ButtonFading, TheNativeLookFadesInOnHoverAndStopsOnAPress) {
  struct TCase {
    TLook Look;
    bool CustomDraw;
    bool Fades;
  };
  const TCase cases[] = {{TLook::Native, false, true},
                         {TLook::Native, true, false},
                         {TLook::UltraFlat, false, false},
                         {TLook::Standard, false, false}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << LookName(c.Look) << " custom draw " << c.CustomDraw);
    TcxButton* button = AddButton(10, 10);
    SetLook(button->LookAndFeel(), c.Look);
    if (c.CustomDraw) button->OnCustomDraw = [](TObject*, TcxCanvas*, TcxButtonViewInfo*, bool&) {};
    ProcessPendingMessages();
    Hover(button);
    EXPECT_EQ(button->FadingHelper()->Active(), c.Fades);
    if (c.Fades) {
      SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
      UpdateWindow(button->Handle());
      EXPECT_FALSE(button->FadingHelper()->Active());
      SendMessageW(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(-50, -50));
      ReleaseCapture();
    }
    delete button;
  }
}

TEST_F(ButtonFading, TheImagesAreTheNormalAndTheHotBackground) {
  TcxButton* button = AddButton(10, 10, L"");
  SetLook(button->LookAndFeel(), TLook::Native);
  ProcessPendingMessages();
  TcxBitmap32 *normal = nullptr, *hot = nullptr;
  button->GetFadingImages(normal, hot);
  std::unique_ptr<TcxBitmap32> normalImage(normal), hotImage(hot);
  ASSERT_EQ(normal->Width(), button->Width());
  ASSERT_EQ(hot->Height(), button->Height());
  // The images are what the button shows, captionless, in each state.
  std::unique_ptr<TBitmap> shown = CaptureWindow(button);
  const TPoint inside(button->Width() / 2, button->Height() / 2);
  EXPECT_EQ(PixelColor(*normal, inside.X, inside.Y), PixelColor(*shown, inside.X, inside.Y));
  Hover(button);
  dxGetGlobalFader()->Clear();  // the last frame: the hot look itself
  shown = CaptureWindow(button);
  EXPECT_EQ(PixelColor(*hot, inside.X, inside.Y), PixelColor(*shown, inside.X, inside.Y));
}
