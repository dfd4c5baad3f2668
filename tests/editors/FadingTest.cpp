#include <gtest/gtest.h>

#include <vector>

#include "tests/editors/EditorFixture.h"

namespace {

// Stands for the control: makes view data for the fade's renderings and
// records what the fade asks to repaint.
class TEditOwner : public TObject, public IcxEditOwner {
public:
  explicit TEditOwner(TBareEditor& AEditor) : FEditor(AEditor) {}
  TcxCustomEditViewData* GetViewData(bool& ACreated) override {
    ACreated = true;
    return FEditor.Properties.CreateViewData(&FEditor.Style, false);
  }
  void Invalidate(const TRect& R, bool) override { Invalidated.push_back(R); }
  std::vector<TRect> Invalidated;

private:
  TBareEditor& FEditor;
};

// A native editor with one button, whose fades the fader runs.
struct TFadingEditor : ::testing::Test {
  TFadingEditor() : Owner(Editor) {
    Editor.SetLook(TLook::Native);
    Editor.AddButton(bkEllipsis);
    Editor.ViewInfo.Owner = &Owner;
    dxGetGlobalFader()->SetState(fasEnabled);
  }
  ~TFadingEditor() override {
    dxGetGlobalFader()->Clear();
    dxGetGlobalFader()->SetState(fasDefault);
  }
  TRect Button() { return Editor.ViewInfo.Button(0)->Bounds; }
  TcxEditButtonFadingHelper* Helper() { return Editor.ViewInfo.Button(0)->FadingHelper(); }
  void Hover() {
    if (Editor.ViewInfo.ButtonCount() == 0) Leave();
    const TRect b = Button();
    Editor.Calculate(TRect(0, 0, 120, 24), {"hot", true, false, {(b.Left + b.Right) / 2, 10}});
  }
  void Leave() { Editor.Calculate(TRect(0, 0, 120, 24), {"normal"}); }

  TBareEditor Editor;
  TEditOwner Owner;
};

// The first pixel of the middle row or column at which the two looks
// differ (the corners of a themed button are partly transparent).
TPoint FirstDifference(TBitmap* A, TBitmap* B) {
  GdiFlush();
  const int w = A->Width(), h = A->Height();
  for (int x = 0; x < w; ++x)
    if (PixelColor(*A, x, h / 2) != PixelColor(*B, x, h / 2)) return TPoint(x, h / 2);
  for (int y = 0; y < h; ++y)
    if (PixelColor(*A, w / 2, y) != PixelColor(*B, w / 2, y)) return TPoint(w / 2, y);
  return TPoint(-1, -1);
}

}  // namespace

TEST_F(TFadingEditor, TheFadeImagesAreTheButtonsNormalAndHotLooks) {
  Leave();
  TBitmap *normal = nullptr, *hot = nullptr;
  Helper()->PrepareFadeImages(normal, hot);
  std::unique_ptr<TBitmap> normalImage(normal), hotImage(hot);
  ASSERT_TRUE(normal && hot);
  EXPECT_EQ(normal->Width(), Button().Width());
  EXPECT_EQ(hot->Height(), Button().Height());
  EXPECT_NE(FirstDifference(normal, hot), TPoint(-1, -1));
  // The button keeps its own state.
  EXPECT_EQ(Editor.ViewInfo.Button(0)->Data.State, ebsNormal);
}

// Hovering fades in frame by frame from the normal to the hot look, each
// frame repainting only the button.
TEST_F(TFadingEditor, HoveringFadesTheButtonInFrameByFrame) {
  Leave();
  TBitmap *normal = nullptr, *hot = nullptr;
  Helper()->PrepareFadeImages(normal, hot);
  std::unique_ptr<TBitmap> normalImage(normal), hotImage(hot);
  const TPoint probe = FirstDifference(normal, hot);
  ASSERT_NE(probe, TPoint(-1, -1));
  const TColor hotColor = PixelColor(*hot, probe.X, probe.Y);
  Hover();
  ASSERT_TRUE(Helper()->Active());
  TPaintSurface surface(Button().Width(), Button().Height(), clBlack);
  const TRect target(0, 0, Button().Width(), Button().Height());
  std::vector<TColor> frames;
  for (int tick = 0; tick < 200 && Helper()->Active(); ++tick) {
    dxGetGlobalFader()->Update();
    if (Helper()->DrawImage(surface.Canvas->Handle(), target)) frames.push_back(surface.Pixel(probe.X, probe.Y));
  }
  EXPECT_FALSE(Helper()->Active());
  ASSERT_GE(frames.size(), 2u);
  EXPECT_EQ(frames.back(), hotColor);
  EXPECT_NE(frames.front(), hotColor);
  ASSERT_FALSE(Owner.Invalidated.empty());
  for (const TRect& r : Owner.Invalidated) EXPECT_EQ(r, Button());
}

TEST_F(TFadingEditor, LeavingFadesOutAndPressingStopsTheFade) {
  Hover();
  ASSERT_TRUE(Helper()->Active());
  const TRect b = Button();
  Editor.Calculate(TRect(0, 0, 120, 24), {"pressed", true, false, {(b.Left + b.Right) / 2, 10}, cxmbLeft, {ssLeft}});
  EXPECT_FALSE(Helper()->Active());
  Hover();
  Leave();
  EXPECT_TRUE(Helper()->Active());
}

// No fade without an owner, outside the native look, or when vetoed.
TEST_F(TFadingEditor, NothingFadesWithoutOwnerNativeLookOrPermission) {
  const struct {
    const char* Name;
    std::function<void(TFadingEditor&)> Arrange;
  } cases[] = {
      {"no owner", [](TFadingEditor& F) { F.Editor.ViewInfo.Owner = nullptr; }},
      {"not native", [](TFadingEditor& F) { F.Editor.SetLook(TLook::UltraFlat); }},
      {"vetoed",
       [](TFadingEditor& F) {
         F.Editor.ViewInfo.OnCanStartButtonFading = [](TcxCustomEditViewInfo*, bool& ACanStart) { ACanStart = false; };
       }},
  };
  for (const auto& c : cases) {
    Editor.ViewInfo.Owner = &Owner;
    Editor.SetLook(TLook::Native);
    Editor.ViewInfo.OnCanStartButtonFading = nullptr;
    Leave();
    dxGetGlobalFader()->Clear();
    c.Arrange(*this);
    Hover();
    EXPECT_FALSE(Helper()->Active()) << c.Name;
    dxGetGlobalFader()->Clear();
  }
}

// While a fade runs, painting shows the current frame with the button's
// content over it.
TEST_F(TFadingEditor, PaintingDrawsTheCurrentFrame) {
  Hover();
  ASSERT_TRUE(Helper()->Active());
  dxGetGlobalFader()->Update();
  Editor.ViewInfo.Paint(Editor.Surface.Canvas.get());
  TPaintSurface frame(Button().Width(), Button().Height(), clBlack);
  ASSERT_TRUE(Helper()->DrawImage(frame.Canvas->Handle(), TRect(0, 0, Button().Width(), Button().Height())));
  EXPECT_EQ(Editor.Surface.Pixel(Button().Left + 1, Button().Top + 2), frame.Pixel(1, 2));
}
