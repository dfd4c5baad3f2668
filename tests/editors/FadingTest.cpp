#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "components/editors/cxTextEdit.h"
#include "tests/editors/EditorFixture.h"
#include "tests/guiharness/FormFixture.h"
#include "tests/guiharness/GuiDriver.h"
#include "tests/guiharness/WindowCapture.h"

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

// ---------------------------------------------------------------- the editor's own frame

namespace {

// A text edit on a shown form, hovered and left with the real cursor, as
// the container follows it.
struct EditFading : FormFixture {
  EditFading() {
    Form->SetBounds(0, 0, 300, 200);
    Form->Show();
    dxGetGlobalFader()->SetState(fasEnabled);
  }
  ~EditFading() override {
    dxGetGlobalFader()->Clear();
    dxGetGlobalFader()->SetState(fasDefault);
  }
  TcxTextEdit* AddEdit(TLook ALook, bool AInplace = false) {
    auto* edit = new TcxTextEdit(Form, AInplace);
    edit->SetBounds(20, 20, 150, 24);
    edit->SetParent(Form);
    if (AInplace) edit->Show();
    TcxLookAndFeel* lookAndFeel = edit->Style()->LookAndFeel();
    lookAndFeel->SetNativeStyle(ALook == TLook::Native);
    if (ALook != TLook::Native) lookAndFeel->SetKind(lfUltraFlat);
    edit->HandleNeeded();
    ProcessPendingMessages();
    return edit;
  }
  static void Hover(TcxCustomEdit* AEdit) {
    const TPoint p = AEdit->ClientToScreen(TPoint(AEdit->Width() / 2, AEdit->Height() / 2));
    SetCursorPos(p.X, p.Y);
    AEdit->ShortRefreshContainer(true);
  }
  static void Leave(TcxCustomEdit* AEdit) {
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    AEdit->ShortRefreshContainer(true);
  }
  static bool Fading(TcxCustomEdit* AEdit) { return dxGetGlobalFader()->Contains(AEdit->FadingObject()); }
  static void FinishFades() {
    for (int tick = 0; tick < 200 && dxGetGlobalFader()->Count() > 0; ++tick) dxGetGlobalFader()->Update();
  }
};

}  // namespace

// Entering the hot state fades in, leaving it fades out; only a themed edit
// that is not inplace fades.
TEST_F(EditFading, HotTrackingFadesTheThemedEditInAndOut) {
  const struct {
    TLook Look;
    bool Inplace;
    bool Fades;
  } cases[] = {{TLook::Native, false, true}, {TLook::UltraFlat, false, false}, {TLook::Native, true, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << LookName(c.Look) << (c.Inplace ? " inplace" : ""));
    TcxTextEdit* edit = AddEdit(c.Look, c.Inplace);
    EXPECT_EQ(edit->IsEditFadingAllowed(), c.Fades);
    Hover(edit);
    EXPECT_EQ(Fading(edit), c.Fades);
    FinishFades();
    EXPECT_FALSE(Fading(edit));
    Leave(edit);
    EXPECT_EQ(Fading(edit), c.Fades);
    // Freed while fading, the edit leaves the fader.
    delete edit;
    EXPECT_EQ(dxGetGlobalFader()->Count(), 0);
  }
}

// The two images are the edit's normal and hot look; the window shows a
// frame between them while the fade runs.
TEST_F(EditFading, TheWindowShowsFramesBetweenTheNormalAndTheHotLook) {
  TcxTextEdit* edit = AddEdit(TLook::Native);
  TBitmap *normal = nullptr, *hot = nullptr;
  edit->PrepareFadingImages(normal, hot);
  std::unique_ptr<TBitmap> normalImage(normal), hotImage(hot);
  ASSERT_TRUE(normal && hot);
  EXPECT_EQ(normal->Width(), edit->Width());
  EXPECT_EQ(hot->Height(), edit->Height());
  const TPoint probe = FirstDifference(normal, hot);
  ASSERT_NE(probe, TPoint(-1, -1)) << "the hot border differs from the normal one";
  const TColor from = PixelColor(*normal, probe.X, probe.Y), to = PixelColor(*hot, probe.X, probe.Y);
  // Not hot, the window shows the normal image. The sheet: the edit
  // before, during and after the fade.
  TPaintSurface sheet(3 * (edit->Width() + 4) + 4, edit->Height() + 8, clWhite);
  auto keep = [&](TBitmap& AShot, int AIndex) {
    BitBlt(sheet.Canvas->Handle(), 4 + AIndex * (edit->Width() + 4), 4, AShot.Width(), AShot.Height(),
           AShot.Canvas()->Handle(), 0, 0, SRCCOPY);
  };
  std::unique_ptr<TBitmap> shot = CaptureWindow(edit);
  keep(*shot, 0);
  EXPECT_EQ(PixelColor(*shot, probe.X, probe.Y), from);
  Hover(edit);
  ASSERT_TRUE(Fading(edit));
  std::vector<TColor> shown;
  for (int tick = 0; tick < 200 && Fading(edit); ++tick) {
    dxGetGlobalFader()->Update();
    if (!Fading(edit)) break;
    shot = CaptureWindow(edit);
    shown.push_back(PixelColor(*shot, probe.X, probe.Y));
    if (shown.size() == 2) keep(*shot, 1);
  }
  ASSERT_FALSE(shown.empty());
  // Every frame lies between the two looks, channel by channel, and some
  // frame is neither of them.
  bool between = false;
  for (TColor c : shown) {
    for (int shift : {0, 8, 16}) {
      const int v = (c >> shift) & 0xFF, a = (from >> shift) & 0xFF, b = (to >> shift) & 0xFF;
      EXPECT_GE(v, std::min(a, b) - 1);
      EXPECT_LE(v, std::max(a, b) + 1);
    }
    between = between || (c != from && c != to);
  }
  EXPECT_TRUE(between);
  // Once the fade ends, the edit paints its hot look itself.
  shot = CaptureWindow(edit);
  keep(*shot, 2);
  EXPECT_EQ(PixelColor(*shot, probe.X, probe.Y), to);
  std::filesystem::create_directories("artifacts");
  SaveAsPng(sheet.Bitmap, L"artifacts\\EditFade.png");
}

// The edit is its buttons' owner: a themed edit's button fades on hover
// without a host, and its frames are repainted in the edit.
TEST_F(EditFading, TheEditOwnsItsButtonsFades) {
  TcxTextEdit* edit = AddEdit(TLook::Native);
  edit->Properties()->Buttons()->Add()->SetKind(bkEllipsis);
  ProcessPendingMessages();
  TcxCustomEditViewInfo* viewInfo = edit->ViewInfo();
  ASSERT_EQ(viewInfo->ButtonCount(), 1);
  const TRect b = viewInfo->Button(0)->Bounds;
  const TPoint p = edit->ClientToScreen(TPoint((b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2));
  SetCursorPos(p.X, p.Y);
  edit->ShortRefreshContainer(true);
  EXPECT_TRUE(viewInfo->Button(0)->FadingHelper()->Active());
}
