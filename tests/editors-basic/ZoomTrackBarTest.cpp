// The zoom track bar: the two halves around 100, their steps and ticks,
// and drags that snap to 100, driven through a small host.
#include <gtest/gtest.h>

#include "components/editors-basic/dxZoomTrackBar.h"
#include "tests/graphics/PaintSurface.h"

namespace {

// What the image editor does with the zoom pieces: it keeps the position
// and lays the bar out again on every change.
struct TZoomHost : IcxTrackBar {
  TZoomHost() { LayOut(); }
  void LayOut() {
    std::unique_ptr<TcxCustomTrackBarViewData> viewData(
        static_cast<TcxCustomTrackBarViewData*>(Properties.CreateViewData(&Style, false)));
    viewData->EditValueToDrawValue(Variant(Pos), &View);
    viewData->Calculate(Surface.Canvas.get(), TRect(0, 0, 400, 40), TPoint(-1, -1), cxmbNone, TShiftState{}, &View,
                        false);
  }
  TPoint ThumbCentre() const {
    const TRect thumb = View.VisibleThumbRect();
    return TPoint((thumb.Left + thumb.Right) / 2, (thumb.Top + thumb.Bottom) / 2);
  }
  void Press(const TPoint& P) {
    Down = P;
    Controller.MouseDown(mbLeft, TShiftState{ssLeft}, P.X, P.Y);
  }
  // The mouse dragged ADistance pixels along the track from the press.
  void DragBy(int ADistance) { Controller.MouseMove(TShiftState{ssLeft}, Down.X + ADistance, Down.Y); }

  TcxCustomTrackBarProperties* GetActiveProperties() override { return &Properties; }
  bool IsInplace() override { return false; }
  TPoint GetMouseDownPos() override { return Down; }
  int GetPosition() override { return Pos; }
  TcxCustomTrackBarProperties* GetProperties() override { return &Properties; }
  TcxCustomTrackBarViewInfo* GetViewInfo() override { return &View; }
  void SetPosition(int AValue) override {
    Pos = AValue;
    LayOut();
  }

  TdxCustomZoomTrackBarProperties Properties{nullptr};
  TcxEditStyle Style{nullptr, false};
  TdxCustomZoomTrackBarViewInfo View;
  TPaintSurface Surface{420, 60, clWhite};
  TdxZoomTrackBarController Controller{this};
  int Pos = 100;
  TPoint Down;
};

}  // namespace

TEST(ZoomTrackBar, DefaultsAndARangeThatAlwaysHoldsAHundred) {
  TdxCustomZoomTrackBarProperties p(nullptr);
  EXPECT_EQ(p.Min(), 10);
  EXPECT_EQ(p.Max(), 500);
  EXPECT_TRUE(p.ShowChangeButtons());
  EXPECT_FALSE(p.ShowTicks());
  EXPECT_EQ(p.ThumbStep(), cxtsJump);
  EXPECT_EQ(p.FirstRange()->Frequency(), 10);
  EXPECT_EQ(p.FirstRange()->LineSize(), 10);
  EXPECT_EQ(p.SecondRange()->PageSize(), 20);
  p.SetMax(50);
  EXPECT_EQ(p.Max(), 100);
  p.SetMin(120);
  EXPECT_EQ(p.Min(), 100);
  p.SetMin(-5);
  EXPECT_EQ(p.Max(), 100);  // neither limit moves the other

  int changes = 0;
  p.OnPropertiesChanged = [&](TObject*) { ++changes; };
  p.SecondRange()->SetFrequency(-3);
  EXPECT_EQ(p.SecondRange()->Frequency(), 0);
  EXPECT_EQ(changes, 1);
  std::unique_ptr<TcxCustomEditProperties> copy(p.Clone(nullptr));
  EXPECT_EQ(static_cast<TdxCustomZoomTrackBarProperties*>(copy.get())->SecondRange()->Frequency(), 0);
}

TEST(ZoomTrackBar, EachHalfOfTheTrackMapsItsOwnRange) {
  for (const bool reverse : {false, true}) {
    SCOPED_TRACE(reverse ? "reversed" : "forward");
    TZoomHost host;
    host.Properties.SetReverseDirection(reverse);
    host.LayOut();
    TdxCustomZoomTrackBarViewInfo& v = host.View;
    const TRect track = v.TrackRect;
    const int length = track.Width() - v.ThumbSize;
    const int middle = reverse ? track.Right - length / 2 - v.ThumbSize / 2 : track.Left + length / 2 + v.ThumbSize / 2;
    EXPECT_EQ(v.PositionToCoordinate(100), middle);
    // 55 halfway along the first half, 300 halfway along the second.
    EXPECT_NEAR(v.PositionToCoordinate(55), (v.PositionToCoordinate(10) + middle) / 2.0, 1);
    EXPECT_NEAR(v.PositionToCoordinate(300), (v.PositionToCoordinate(500) + middle) / 2.0, 1);
    for (int position : {10, 40, 99, 100, 101, 250, 500}) {
      const int x = v.PositionToCoordinate(position);
      // One pixel holds several positions of the second half.
      EXPECT_NEAR(v.GetPositionAtPoint(x, 20), position, position > 100 ? 4 : 1) << position;
    }
    EXPECT_EQ(v.GetPositionAtPoint(middle, 20), 100);
  }
}

TEST(ZoomTrackBar, StepsStopAtAHundredAndSnapToTheirGrid) {
  struct TCase {
    bool Reverse;
    int Position;
    bool Increase, Line, Snap;
    int Expected;
  };
  const TCase cases[] = {
      {false, 95, true, true, false, 100},  {false, 100, true, true, false, 110}, {false, 100, false, true, false, 90},
      {false, 105, false, false, false, 100}, {false, 130, false, false, false, 110},
      {false, 50, true, false, false, 70},  {false, 103, true, true, true, 110},  {false, 97, false, true, true, 90},
      {true, 95, false, true, false, 100},  {true, 100, true, true, false, 90}};
  for (const TCase& c : cases) {
    TZoomHost host;
    host.Properties.SetReverseDirection(c.Reverse);
    host.LayOut();
    EXPECT_EQ(host.View.GetNewPosition(c.Position, c.Increase, c.Line, c.Snap), c.Expected)
        << c.Reverse << " " << c.Position << " " << c.Increase << " " << c.Line << " " << c.Snap;
  }
}

TEST(ZoomTrackBar, TicksOfEachHalfAndTheMarkAtAHundredWithoutTicks) {
  TZoomHost host;
  host.Properties.FirstRange()->SetFrequency(30);
  host.Properties.SecondRange()->SetFrequency(100);
  host.LayOut();
  EXPECT_EQ(host.View.MajorTicks(), (std::vector<int>{10, 500, 100}));
  EXPECT_EQ(host.View.MinorTicks(), (std::vector<int>{40, 70, 200, 300, 400}));
  EXPECT_TRUE(host.View.IsValueTick(100));

  host.Properties.SetTickColor(clRed);
  host.LayOut();
  host.View.Paint(host.Surface.Canvas.get());
  const int below = host.View.ThumbRect.Bottom + 3;
  EXPECT_EQ(host.Surface.Pixel(host.View.PositionToCoordinate(100), below), clRed);
  EXPECT_NE(host.Surface.Pixel(host.View.PositionToCoordinate(500), below), clRed);
  EXPECT_NE(host.Surface.Pixel(host.View.PositionToCoordinate(200), below), clRed);
}

TEST(ZoomTrackBar, DragsCrossTheHalvesAndSnapToAHundred) {
  // Begun on the mark, the thumb leaves it freely and snaps back only once
  // it has been more than 10 pixels away.
  TZoomHost host;
  host.Press(host.ThumbCentre());
  host.DragBy(3);
  EXPECT_GT(host.Pos, 100);
  host.DragBy(20);
  EXPECT_EQ(host.Pos, 100 + static_cast<int>(std::nearbyint(20 / host.View.PixelsPerPositionSecondRange)));
  host.DragBy(2);
  EXPECT_EQ(host.Pos, 100);

  // Begun at 55, a drag onto the mark snaps to it; past it, the second
  // half's scale counts.
  TZoomHost low;
  low.SetPosition(55);
  low.Press(low.ThumbCentre());
  const double p1 = low.View.PixelsPerPositionFirstRange, p2 = low.View.PixelsPerPositionSecondRange;
  const int k = static_cast<int>(45 * p1);
  low.DragBy(k + 3);
  EXPECT_EQ(low.Pos, 100);
  low.DragBy(k + 40);
  EXPECT_EQ(low.Pos, 55 + static_cast<int>(std::nearbyint(k / p1 + 40 / p2)));
}
