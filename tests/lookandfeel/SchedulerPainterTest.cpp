// The root painter's scheduler parts, clock, zoom and back buttons, date
// navigator and progress bar.
#include <gtest/gtest.h>

#include "PainterFamilies.h"

namespace {

const TColor Back = TColor(0x102030);

TDateTime TimeOf(int AHours, int AMinutes, int ASeconds) {
  return (AHours * 3600 + AMinutes * 60 + ASeconds) / 86400.0;
}

}  // namespace

TEST(SchedulerPainter, NavigationButtonLayout) {
  TFamilyPainter painter;
  TRect bounds(0, 0, 20, 200), text, arrow;
  painter.CalculateSchedulerNavigationButtonRects(true, true, TSize(), TSize(), bounds, text, arrow);
  EXPECT_EQ(TRect(), text);
  EXPECT_EQ(TRect(0, 83, 20, 116), bounds);  // 3 x 7 + 6 + 6 high about the old middle
  EXPECT_EQ(TRect(6, 96, 13, 103), arrow);

  // Texts of 100 and 120 pixels in an 80-pixel content: 80 more at each end.
  TRect tall(0, 0, 20, 92);
  painter.CalculateSchedulerNavigationButtonRects(false, false, TSize(100, 10), TSize(120, 10), tall, text, arrow);
  EXPECT_EQ(TRect(0, -80, 20, 172), tall);
  EXPECT_EQ(TRect(0, 6 + 21 + 5 - 80, 18, 86 - 14 + 80), text);
  EXPECT_EQ(TRect(5, 6 + 7 - 80, 12, 6 + 14 - 80), arrow);
}

TEST(SchedulerPainter, NavigationButtonsByState) {
  TFamilyPainter painter;
  struct TCase {
    bool Next;
    TcxButtonState State;
    TColor InnerLeftTop;
  } cases[] = {{true, cxbsNormal, SysRGB(clBtnHighlight)},
               {true, cxbsPressed, SysRGB(clBtnShadow)},
               {false, cxbsHot, SysRGB(clBtnHighlight)},
               {false, cxbsPressed, SysRGB(clBtnShadow)}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Next << " " << static_cast<int>(c.State));
    TPaintSurface surface(20, 60, Back);
    const TRect arrow(6, 10, 13, 17);
    painter.DrawSchedulerNavigationButton(surface.Canvas.get(), TRect(0, 0, 20, 60), c.Next, c.State, L"", TRect(),
                                          arrow);
    EXPECT_EQ(SysRGB(clBtnShadow), surface.Pixel(10, 0));
    EXPECT_EQ(c.InnerLeftTop, surface.Pixel(10, 1));
    // The open side has no frame: the face reaches the edge.
    EXPECT_EQ(SysRGB(clBtnFace), surface.Pixel(c.Next ? 19 : 0, 30));
    // The chevron ends in a bar on its far side.
    const TColor symbol = SysRGB(painter.ButtonSymbolColor(c.State));
    for (int y = arrow.Top; y < arrow.Bottom; ++y) EXPECT_EQ(symbol, surface.Pixel(c.Next ? 12 : 6, y));
    EXPECT_EQ(symbol, surface.Pixel(c.Next ? 6 : 11, 10));
  }
}

TEST(SchedulerPainter, ClockHandsAndMarks) {
  TFamilyPainter painter;
  const TRect r(0, 0, 130, 130);
  struct TCase {
    TDateTime Time;
    TPoint HourPixel, MinutePixel;
  } cases[] = {{TimeOf(3, 0, 40), TPoint(90, 65), TPoint(67, 30)},
               {TimeOf(12, 0, 40), TPoint(65, 30), TPoint(65, 20)},
               {TimeOf(9, 30, 0), TPoint(41, 58), TPoint(65, 90)}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Time);
    TPaintSurface surface(130, 130, Back);
    std::unique_ptr<TcxRegion> before(surface.Canvas->GetClipRegion());
    painter.DrawClock(surface.Canvas.get(), r, c.Time, clWhite);
    EXPECT_EQ(clTeal, surface.Pixel(c.HourPixel.X, c.HourPixel.Y));
    EXPECT_EQ(clTeal, surface.Pixel(c.MinutePixel.X, c.MinutePixel.Y));
    // The mark at three o'clock: a teal centre, aqua above left.
    EXPECT_EQ(clTeal, surface.Pixel(128, 65));
    EXPECT_EQ(clAqua, surface.Pixel(127, 64));
    EXPECT_EQ(clWhite, surface.Pixel(20, 40));
    // The marks' exclusions are the clock's own business.
    std::unique_ptr<TcxRegion> after(surface.Canvas->GetClipRegion());
    EXPECT_TRUE(before->IsEqual(after.get()));
  }
}

TEST(SchedulerPainter, ZoomButtonsAndDateNavigator) {
  TFamilyPainter painter;
  for (TcxButtonState state : {cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled}) {
    TPaintSurface minus(15, 15, Back), plus(15, 15, Back);
    painter.DrawZoomOutButton(minus.Canvas.get(), TRect(0, 0, 15, 15), state);
    painter.DrawZoomInButton(plus.Canvas.get(), TRect(0, 0, 15, 15), state);
    const TColor symbol = SysRGB(state == cxbsDisabled ? clBtnShadow : painter.ButtonSymbolColor(state));
    EXPECT_EQ(TRect(3, 7, 12, 8), BoundsOfColour(minus, symbol));
    EXPECT_EQ(TRect(3, 3, 12, 12), BoundsOfColour(plus, symbol));
    EXPECT_EQ(SysRGB(clBtnFace), minus.Pixel(1, 1));
  }
  TPaintSurface surface(30, 20, Back);
  TRect header(0, 0, 30, 20);
  painter.DrawDateNavigatorDateHeader(surface.Canvas.get(), header);
  EXPECT_EQ(TRect(1, 1, 29, 19), header);
  EXPECT_EQ(SysRGB(clBtnHighlight), surface.Pixel(10, 0));
  EXPECT_EQ(SysRGB(clBtnShadow), surface.Pixel(10, 19));
  painter.DrawDateNavigatorTodayCellSelection(surface.Canvas.get(), TRect(5, 5, 15, 15));
  EXPECT_EQ(clMaroon, surface.Pixel(5, 10));
}

TEST(SchedulerPainter, BackButtonFrames) {
  TFamilyPainter painter;
  const TSize size = painter.GetBackButtonSize();
  EXPECT_EQ(TSize(30, 30), size);
  std::vector<std::unique_ptr<TPaintSurface>> frames;
  for (TcxButtonState state : {cxbsDefault, cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled}) {
    frames.push_back(std::make_unique<TPaintSurface>(30, 30, Back));
    painter.DrawBackButton(frames.back()->Canvas.get(), TRect(0, 0, 30, 30), state);
  }
  const auto same = [&](int A, int B) { return SamePixels(*frames[A], *frames[B]); };
  EXPECT_TRUE(same(0, 1));
  EXPECT_FALSE(same(1, 2));
  EXPECT_FALSE(same(2, 3));
  EXPECT_FALSE(same(3, 4));
}

TEST(SchedulerPainter, ProgressTextStaysInItsRectangle) {
  TFamilyPainter painter;
  auto font = SampleFont();
  struct TCase {
    const char* Name;
    bool Vertical, Solid;
  } cases[] = {{"solid", false, true}, {"inverted", false, false}, {"vertical", true, true}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TPaintSurface surface(80, 80, clWhite);
    surface.Canvas->SetFont(font.get());
    surface.Canvas->Font()->SetColor(clGreen);
    const TRect text = c.Vertical ? TRect(30, 10, 44, 40) : TRect(10, 30, 40, 44);
    painter.DrawProgressBarText(surface.Canvas.get(), c.Vertical, c.Solid, L"A long progress text", text,
                                TRect(0, 0, 80, 80), TRect(0, 0, 20, 80), clDefault);
    const TRect drawn = surface.BoundsOfPixelsOtherThan(clWhite);
    EXPECT_FALSE(drawn.IsEmpty());
    EXPECT_TRUE(drawn.Left >= text.Left && drawn.Top >= text.Top && drawn.Right <= text.Right &&
                drawn.Bottom <= text.Bottom);
    EXPECT_EQ(clGreen, surface.Canvas->Font()->Color());
    if (!c.Solid) {
      EXPECT_GT(surface.CountOf(clBlack), 0);  // white inverted to black
    }
  }
}

TEST(SchedulerPainter, SchedulerShapes) {
  TFamilyPainter painter;
  TPaintSurface surface(40, 40, Back);
  painter.DrawSchedulerMilestone(surface.Canvas.get(), TRect(0, 0, 9, 12));
  EXPECT_EQ(clGray, surface.Pixel(4, 5));
  painter.DrawSchedulerEventProgress(surface.Canvas.get(), TRect(10, 10, 40, 20), TRect(12, 12, 20, 18),
                                     TcxViewParams{nullptr, clYellow, nullptr, clNone}, false);
  EXPECT_EQ(clGray, surface.Pixel(10, 15));
  EXPECT_EQ(clYellow, surface.Pixel(30, 15));
  EXPECT_EQ(clNavy, surface.Pixel(15, 15));
  for (auto [style, width] : {std::pair{cbsNone, 0}, {cbsSingle, 1}, {cbsThick, 2}, {cbsFlat, 2}, {cbs3D, 2},
                              {cbsUltraFlat, 1}, {cbsOffice11, 1}})
    EXPECT_EQ(width, painter.GetContainerBorderWidth(style));
}
