// The root painter's check boxes, toggle switches, label lines, map
// elements, spreadsheet headers and panels.
#include <gtest/gtest.h>

#include "PainterFamilies.h"
#include "components/lookandfeel/cxLookAndFeels.h"

namespace {

const TColor Back = TColor(0x102030);

}  // namespace

TEST(ChecksPainter, CheckButtonsByStateAndCheck) {
  TFamilyPainter painter;
  struct TCase {
    TcxButtonState State;
    TcxCheckBoxState Check;
    TColor Face, Mark;
  } cases[] = {
      {cxbsNormal, cbsUnchecked, SysRGB(clWindow), clNone},
      {cxbsNormal, cbsChecked, SysRGB(clWindow), SysRGB(clBtnText)},
      {cxbsNormal, cbsGrayed, SysRGB(clBtnFace), SysRGB(clGrayText)},
      {cxbsHot, cbsChecked, SysRGB(clWindow), SysRGB(clBtnText)},
      {cxbsPressed, cbsChecked, SysRGB(clBtnFace), SysRGB(clBtnText)},
      {cxbsDisabled, cbsChecked, SysRGB(clBtnFace), SysRGB(clGrayText)},
      {cxbsDefault, cbsUnchecked, SysRGB(clWindow), clNone},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << static_cast<int>(c.State) << " " << static_cast<int>(c.Check));
    TPaintSurface surface(17, 17, Back);
    painter.DrawCheckButton(surface.Canvas.get(), TRect(0, 0, 17, 17), c.State, c.Check);
    EXPECT_EQ(Back, surface.Pixel(1, 1));  // the root draws no border
    EXPECT_EQ(c.Face, surface.Pixel(2, 2));
    const TRect mark = c.Mark == clNone ? TRect() : BoundsOfColour(surface, c.Mark);
    if (c.Mark == clNone) {
      EXPECT_EQ(TRect(2, 2, 15, 15), surface.BoundsOfPixelsOtherThan(Back));
    } else {
      // A tick three pixels thick from the left, lowest at the middle.
      ASSERT_FALSE(mark.IsEmpty());
      EXPECT_EQ(3, mark.Left);
      for (int y = 0; y < 17; ++y) EXPECT_EQ(y >= 11 && y <= 13, surface.Pixel(7, y) == c.Mark) << y;
    }
  }
  // Under a clear brush the background stays.
  TPaintSurface surface(13, 13, Back);
  surface.Canvas->Brush()->SetStyle(bsClear);
  painter.DrawCheck(surface.Canvas.get(), TRect(0, 0, 13, 13), cxbsNormal, true, clRed);
  EXPECT_EQ(Back, surface.Pixel(0, 0));
  EXPECT_GT(surface.CountOf(clRed), 10);
}

TEST(ChecksPainter, ToggleSwitchShowsBothLooksWhileTheThumbMoves) {
  // A look that paints the checked state red and the unchecked one blue.
  struct TColouredSwitch : TFamilyPainter {
    void DrawToggleSwitchState(TcxCanvas* ACanvas, const TRect& ABounds, TcxButtonState, bool AChecked) override {
      ACanvas->FillRect(ABounds, AChecked ? clRed : clBlue);
    }
  } painter;
  struct TCase {
    int ThumbLeft;
    TColor Left, Right;
  } cases[] = {{0, clBlue, clBlue}, {30, clRed, clRed}, {14, clRed, clBlue}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.ThumbLeft);
    TPaintSurface surface(60, 20, Back);
    std::unique_ptr<TcxRegion> before(surface.Canvas->GetClipRegion());
    painter.DrawToggleSwitch(surface.Canvas.get(), TRect(0, 0, 60, 20), cxbsNormal,
                             TRect(c.ThumbLeft, 0, c.ThumbLeft + 30, 20));
    EXPECT_EQ(c.Left, surface.Pixel(0, 10));
    EXPECT_EQ(c.Right, surface.Pixel(59, 10));
    if (c.ThumbLeft == 14) {
      EXPECT_EQ(clRed, surface.Pixel(28, 10));
      EXPECT_EQ(clBlue, surface.Pixel(29, 10));
    }
    std::unique_ptr<TcxRegion> after(surface.Canvas->GetClipRegion());
    EXPECT_TRUE(before->IsEqual(after.get()));
  }
  TPaintSurface thumb(30, 20, Back);
  painter.DrawToggleSwitchThumb(thumb.Canvas.get(), TRect(0, 0, 30, 20), cxbsHot);
  EXPECT_EQ(TRect(2, 2, 28, 18), thumb.BoundsOfPixelsOtherThan(Back));
}

TEST(ChecksPainter, LabelLinesAndSpreadSheetHeaders) {
  TFamilyPainter painter;
  TPaintSurface surface(40, 40, Back);
  painter.DrawLabelLine(surface.Canvas.get(), TRect(0, 0, 40, 2), clDefault, clDefault, false);
  EXPECT_EQ(SysRGB(clBtnShadow), surface.Pixel(10, 0));
  EXPECT_EQ(SysRGB(clBtnHighlight), surface.Pixel(10, 1));
  painter.DrawLabelLine(surface.Canvas.get(), TRect(0, 10, 2, 40), clRed, clLime, true);
  EXPECT_EQ(clRed, surface.Pixel(0, 20));
  EXPECT_EQ(clLime, surface.Pixel(1, 20));

  for (TcxButtonState state : {cxbsNormal, cxbsHot, cxbsPressed}) {
    TPaintSurface header(30, 20, Back);
    painter.DrawSpreadSheetHeader(header.Canvas.get(), TRect(0, 0, 30, 20), TRect(0, 0, 30, 20), {}, cxBordersAll,
                                  state, taLeftJustify, vaTop, false, false, L"", nullptr, clBlack, clWhite, nullptr,
                                  false, false);
    EXPECT_EQ(state == cxbsHot ? cxBlendTwoColors(clWhite, SysRGB(clHighlight), 70) : clWhite, header.Pixel(5, 5));
  }
}

TEST(ChecksPainter, MapElementsAndPanels) {
  TFamilyPainter painter;
  struct TCase {
    TdxMapControlElementState State;
    bool Tinted;
  } cases[] = {{mcesNormal, false}, {mcesHot, true}, {mcesPressed, true}, {mcesSelected, true},
               {mcesDisabled, false}};
  for (const TCase& c : cases) {
    TPaintSurface surface(30, 30, clBlack);
    painter.DrawMapCustomElementBackground(surface.Canvas.get(), TRect(0, 0, 30, 30), c.State);
    EXPECT_EQ(c.Tinted, surface.Pixel(15, 15) != clBlack);
    EXPECT_EQ(clBlack, surface.Pixel(0, 0));
  }
  // A selected element is more opaque than a hot one.
  TPaintSurface hot(30, 30, clBlack), selected(30, 30, clBlack);
  painter.DrawMapCustomElementBackground(hot.Canvas.get(), TRect(0, 0, 30, 30), mcesHot);
  painter.DrawMapCustomElementBackground(selected.Canvas.get(), TRect(0, 0, 30, 30), mcesSelected);
  EXPECT_LT(GetRValue(hot.Pixel(15, 15)), GetRValue(selected.Pixel(15, 15)));

  TPaintSurface pin(35, 44, Back);
  painter.DrawMapPushpin(pin.Canvas.get(), TRect(0, 0, 35, 44), mcesNormal);
  EXPECT_FALSE(pin.BoundsOfPixelsOtherThan(Back).IsEmpty());
  EXPECT_EQ(TSize(35, 44), painter.MapControlGetMapPushpinSize());

  TPaintSurface panel(20, 20, Back);
  painter.DrawPanelContent(panel.Canvas.get(), TRect(0, 0, 20, 20), true);
  EXPECT_EQ(SysRGB(clBtnFace), panel.Pixel(10, 10));
  EXPECT_EQ(clWindowText, painter.PanelTextColor());
  EXPECT_EQ(clBtnShadow, painter.GroupBoxTextColor(false, cxgpLeft));
}

TEST(ChecksPainter, SizesInTouchModeAndRadioGlyphs) {
  TFamilyPainter painter;
  const TSize check = painter.CheckButtonSize();
  EXPECT_EQ(SystemCheckButtonSize, check);
  GlobalTouchMode = true;
  const TSize touchArea = painter.CheckButtonAreaSize();
  const int touchHeader = painter.HeaderHeight(13);
  const TPoint touchMarkArea = painter.SortingMarkAreaSize();
  GlobalTouchMode = false;
  EXPECT_EQ(TSize(std::max(check.cx, 27), std::max(check.cy, 27)), touchArea);
  EXPECT_EQ(27, touchHeader);
  EXPECT_EQ(13 + 4, painter.HeaderHeight(13));
  EXPECT_EQ(20, touchMarkArea.X);
  EXPECT_EQ(16, painter.SortingMarkAreaSize().X);

  const TSize radio = painter.RadioButtonSize();
  TPaintSurface checked(radio.cx, radio.cy, Back), unchecked(radio.cx, radio.cy, Back);
  painter.DrawRadioButton(checked.Canvas.get(), 0, 0, cxbsNormal, true, false, clDefault, false);
  painter.DrawRadioButton(unchecked.Canvas.get(), 0, 0, cxbsNormal, false, false, clDefault, false);
  EXPECT_FALSE(checked.BoundsOfPixelsOtherThan(Back).IsEmpty());
  EXPECT_FALSE(SamePixels(checked, unchecked));
}
