// The root painter's galleries, bevels, modern calendar and rating control.
#include <gtest/gtest.h>

#include "PainterFamilies.h"

namespace {

const TColor Back = TColor(0x102030);

TdxGalleryItemViewState ViewState(bool AChecked, bool AHover, bool APressed, bool AFocused) {
  return {true, AChecked, AHover, APressed, AFocused};
}

}  // namespace

TEST(GalleryPainter, ItemSelectionByViewState) {
  TFamilyPainter painter;
  const TColor base = TColor(0xCEA27D);
  struct TCase {
    TdxGalleryItemViewState State;
    TColor Frame;
    bool Filled;
  } cases[] = {
      {ViewState(false, false, false, false), clNone, false},
      {ViewState(false, true, false, false), TColor(0xFBD6B8), true},
      {ViewState(false, false, true, false), cxShiftColorBrightness(base, 20), true},
      {ViewState(true, false, false, false), cxShiftColorBrightness(base, 80), true},
      {ViewState(true, true, false, false), cxShiftColorBrightness(base, 10), true},
      {ViewState(true, false, true, false), cxShiftColorBrightness(base, -20), true},
      {ViewState(false, false, false, true), base, false},
      {ViewState(true, true, false, true), base, true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.State.Checked << c.State.Hover << c.State.Pressed << c.State.Focused);
    TPaintSurface surface(20, 20, clWhite);
    painter.DrawGalleryItemSelection(surface.Canvas.get(), TRect(0, 0, 20, 20), c.State);
    const TColor frame = c.Frame == clNone ? clWhite : c.Frame;
    EXPECT_EQ(frame, surface.Pixel(0, 10));
    EXPECT_EQ(frame, surface.Pixel(1, 10));
    EXPECT_EQ(c.Filled, surface.Pixel(10, 10) != clWhite);
  }
  // Deeper states fill more opaquely.
  const auto fillOf = [&](const TdxGalleryItemViewState& AState) {
    TPaintSurface surface(20, 20, clWhite);
    painter.DrawGalleryItemSelection(surface.Canvas.get(), TRect(0, 0, 20, 20), AState);
    return GetRValue(surface.Pixel(10, 10));
  };
  EXPECT_GT(fillOf(ViewState(true, false, false, false)), fillOf(ViewState(false, true, false, false)));
  EXPECT_GT(fillOf(ViewState(false, true, false, false)), fillOf(ViewState(false, false, true, false)));
  EXPECT_GT(fillOf(ViewState(true, true, false, false)), fillOf(ViewState(true, false, true, false)));
}

TEST(GalleryPainter, ColourGalleryItemSelection) {
  TFamilyPainter painter;
  struct TCase {
    TdxGalleryItemViewState State;
    TColor Outer;
  } cases[] = {{ViewState(false, false, false, false), Back},      {ViewState(true, true, true, true), TColor(0x1048EF)},
               {ViewState(false, true, true, false), TColor(0x0022EF)}, {ViewState(false, true, false, false), TColor(0x3694F2)},
               {ViewState(false, false, false, true), TColor(0x3694F2)}};
  for (const TCase& c : cases) {
    TPaintSurface surface(20, 20, Back);
    painter.DrawColorGalleryItemSelection(surface.Canvas.get(), TRect(0, 0, 20, 20), c.State);
    EXPECT_EQ(c.Outer, surface.Pixel(0, 5));
    EXPECT_EQ(c.Outer == Back ? Back : TColor(0x94E2FF), surface.Pixel(1, 5));
    EXPECT_EQ(Back, surface.Pixel(10, 10));
  }
}

TEST(GalleryPainter, BevelShapes) {
  TFamilyPainter painter;
  const TColor shadow = SysRGB(clBtnShadow), light = SysRGB(clBtnHighlight);
  struct TCase {
    TdxBevelShape Shape;
    TdxBevelStyle Style;
    TPoint At;
    TColor Colour;
  } cases[] = {
      {dxbsBox, dxbsLowered, TPoint(0, 10), shadow},       {dxbsBox, dxbsLowered, TPoint(19, 10), light},
      {dxbsBox, dxbsRaised, TPoint(0, 10), light},         {dxbsFrame, dxbsLowered, TPoint(0, 10), shadow},
      {dxbsFrame, dxbsLowered, TPoint(1, 10), light},      {dxbsFrame, dxbsLowered, TPoint(19, 10), light},
      {dxbsLineTop, dxbsLowered, TPoint(10, 0), shadow},   {dxbsLineTop, dxbsLowered, TPoint(10, 1), light},
      {dxbsLineBottom, dxbsRaised, TPoint(10, 18), light}, {dxbsLineLeft, dxbsLowered, TPoint(1, 10), light},
      {dxbsLineRight, dxbsLowered, TPoint(18, 10), shadow},
      {dxbsLineCenteredHorz, dxbsLowered, TPoint(9, 3), shadow},
      {dxbsLineCenteredVert, dxbsLowered, TPoint(3, 10), light},
      {dxbsNone, dxbsLowered, TPoint(0, 0), Back},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << static_cast<int>(c.Shape) << " " << static_cast<int>(c.Style));
    TPaintSurface surface(20, 20, Back);
    painter.DrawBevelShape(surface.Canvas.get(), TRect(0, 0, 20, 20), c.Shape, c.Style);
    EXPECT_EQ(c.Colour, surface.Pixel(c.At.X, c.At.Y));
    EXPECT_EQ(Back, surface.Pixel(5, 5));
  }
}

TEST(GalleryPainter, ModernCalendarCells) {
  TFamilyPainter painter;
  struct TCase {
    TcxCalendarElementStates States;
    TColor Edge, Inside;
  } cases[] = {
      {{cesSelected, cesHot}, TColor(0xE8A766), TColor(0xFFE8D1)},
      {{cesSelected}, TColor(0xDEDEDE), TColor(0xF7F7F7)},
      {{cesHot}, TColor(0xE7C070), TColor(0xFBF3E5)},
      {{cesMarked}, SysRGB(clHotLight), Back},
      {{cesMarked, cesFocused}, SysRGB(clHotLight), Back},
      {{}, Back, Back},
  };
  for (const TCase& c : cases) {
    TPaintSurface surface(20, 20, Back);
    painter.DrawModernCalendarDateCellSelection(surface.Canvas.get(), TRect(0, 0, 20, 20), c.States);
    EXPECT_EQ(c.Edge, surface.Pixel(0, 10));
    EXPECT_EQ(c.Inside, surface.Pixel(10, 10));
    int dots = 0;  // of the focus rectangle inside the frame
    for (int x = 1; x < 19; ++x) dots += surface.Pixel(x, 1) != Back;
    if (c.Inside == Back) {
      EXPECT_EQ(c.States.Contains(cesFocused), dots > 0);
    }
  }
  struct TColourCase {
    TcxCalendarElementStates States;
    TColor Colour;
  } colours[] = {{{cesDisabled, cesHot}, clGrayText},
                 {{cesHot}, clHotLight},
                 {{cesMarked}, clHotLight},
                 {{cesMarked, cesSelected}, clBtnText},
                 {{}, clBtnText}};
  for (const TColourCase& c : colours) EXPECT_EQ(c.Colour, painter.GetModernCalendarCellTextColor(c.States));
}

TEST(GalleryPainter, ModernCalendarArrowsAndClock) {
  TFamilyPainter painter;
  for (auto [state, colour] : {std::pair{cesNormal, SysRGB(clBtnText)}, {cesHot, SysRGB(clHotLight)},
                               {cesDisabled, SysRGB(clGrayText)}}) {
    TPaintSurface surface(16, 17, Back);
    painter.DrawModernCalendarArrow(surface.Canvas.get(), TRect(0, 0, 16, 17), adDown, state);
    EXPECT_EQ(colour, surface.Pixel(7, 8));
  }
  // At noon the hands point straight up from the centre.
  TPaintSurface surface(130, 130, clWhite);
  painter.DrawModernClockHands(surface.Canvas.get(), TRect(0, 0, 130, 130), 0.5, clBlack);
  EXPECT_LT(GetRValue(surface.Pixel(65, 30)), 128);
  EXPECT_EQ(clWhite, surface.Pixel(100, 65));
  EXPECT_EQ(clWhite, surface.Pixel(65, 100));
  TPaintSurface clock(130, 130, clWhite);
  painter.DrawModernCalendarClock(clock.Canvas.get(), TRect(0, 0, 130, 130), 0.5, clNone);
  EXPECT_FALSE(clock.BoundsOfPixelsOtherThan(clWhite).IsEmpty());
}

TEST(GalleryPainter, RatingIndicatorFrames) {
  TFamilyPainter painter;
  const TSize size = painter.GetRatingControlIndicatorSize();
  EXPECT_EQ(TSize(15, 16), size);
  std::vector<std::unique_ptr<TPaintSurface>> frames;
  for (TdxRatingControlIndicatorState state : {rcisUnchecked, rcisHover, rcisChecked}) {
    frames.push_back(std::make_unique<TPaintSurface>(15, 16, Back));
    painter.DrawRatingControlIndicator(frames.back()->Canvas.get(), TRect(0, 0, 15, 16), state);
  }
  const auto differ = [&](int A, int B) { return !SamePixels(*frames[A], *frames[B]); };
  EXPECT_TRUE(differ(0, 1));
  EXPECT_TRUE(differ(1, 2));
  // A part draws only inside its rectangle, and the clip comes back.
  TPaintSurface part(30, 30, Back);
  std::unique_ptr<TcxRegion> before(part.Canvas->GetClipRegion());
  painter.DrawRatingControlIndicatorPart(part.Canvas.get(), nullptr, TRect(0, 0, 30, 30), TRect(0, 0, 15, 30),
                                         rcisChecked);
  const TRect drawn = part.BoundsOfPixelsOtherThan(Back);
  EXPECT_FALSE(drawn.IsEmpty());
  EXPECT_LE(drawn.Right, 15);
  std::unique_ptr<TcxRegion> after(part.Canvas->GetClipRegion());
  EXPECT_TRUE(before->IsEqual(after.get()));
}
