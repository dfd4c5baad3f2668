// The track bar's layout and painting: positions and pixels both ways in
// both orientations, reversed or not, ticks, zone, selection, and a sheet.
#include <gtest/gtest.h>

#include <filesystem>

#include "components/editors-basic/cxTrackBar.h"
#include "tests/editors-basic/ButtonFixture.h"
#include "tests/graphics/PaintSurface.h"

namespace {

// Settings, a style and a view info laid out on a canvas.
struct TTrackBar {
  TTrackBar() : Surface(600, 400, clWhite) {}
  TcxCustomTrackBarViewInfo& LayOut(const TRect& ABounds, const Variant& AValue = Variant(0), bool AEnabled = true) {
    std::unique_ptr<TcxCustomTrackBarViewData> viewData(
        static_cast<TcxCustomTrackBarViewData*>(Properties.CreateViewData(&Style, false)));
    viewData->Enabled = AEnabled;
    viewData->EditValueToDrawValue(AValue, &ViewInfo);
    viewData->Calculate(Surface.Canvas.get(), ABounds, TPoint(-1, -1), cxmbNone, TShiftState{}, &ViewInfo, false);
    return ViewInfo;
  }
  TcxCustomTrackBarProperties Properties{nullptr};
  TcxEditStyle Style{nullptr, false};
  TcxCustomTrackBarViewInfo ViewInfo;
  TPaintSurface Surface;
};

}  // namespace

TEST(TrackBarLayout, PositionsAndCoordinatesBothWaysInBothOrientationsReversedOrNot) {
  for (const bool vertical : {false, true})
    for (const bool reversed : {false, true}) {
      SCOPED_TRACE(testing::Message() << "vertical " << vertical << " reversed " << reversed);
      TTrackBar bar;
      bar.Properties.SetOrientation(vertical ? tboVertical : tboHorizontal);
      bar.Properties.SetReverseDirection(reversed);
      bar.Properties.SetMax(20);
      TcxCustomTrackBarViewInfo& v = bar.LayOut(vertical ? TRect(0, 0, 40, 230) : TRect(0, 0, 230, 40));
      const TRect track = v.TrackRect;
      ASSERT_GT(v.Numerator, v.Denominator);
      EXPECT_EQ(v.Denominator, 20);
      EXPECT_EQ(v.Numerator, track.Width() - v.ThumbSize);
      // The ends of the range sit half a thumb inside the track's ends.
      const int nearEnd = track.Left + v.ThumbSize / 2;
      const int farEnd = track.Left + v.Numerator + v.ThumbSize / 2;
      EXPECT_EQ(v.PositionToCoordinate(0), reversed ? track.Right - v.ThumbSize / 2 : nearEnd);
      EXPECT_EQ(v.PositionToCoordinate(20), reversed ? track.Right - v.Numerator - v.ThumbSize / 2 : farEnd);
      for (int position = 0; position <= 20; ++position) {
        const int along = v.PositionToCoordinate(position);
        const TPoint point = vertical ? TPoint(20, along) : TPoint(along, 20);
        EXPECT_EQ(v.GetPositionAtPoint(point.X, point.Y), position) << position;
      }
      // The thumb is centred on its position; in real coordinates a
      // vertical track bar's thumb runs down the bar.
      bar.LayOut(vertical ? TRect(0, 0, 40, 230) : TRect(0, 0, 230, 40), Variant(7));
      EXPECT_EQ(v.ThumbRect.Left, v.PositionToCoordinate(7) - v.ThumbSize / 2);
      const TRect real = v.Helper().Real(v.ThumbRect);
      EXPECT_EQ(vertical ? real.Top : real.Left, v.ThumbRect.Left);
    }
}

TEST(TrackBarLayout, ASingleValueRangeAndTheStepsOfKeysAndPages) {
  TTrackBar bar;
  bar.Properties.SetMin(5);
  bar.Properties.SetMax(5);
  TcxCustomTrackBarViewInfo& v = bar.LayOut(TRect(0, 0, 200, 40), Variant(5));
  EXPECT_EQ(v.Denominator, 1);
  EXPECT_EQ(v.ThumbRect.Left, v.TrackRect.Left);
  bar.Properties.SetReverseDirection(true);
  bar.LayOut(TRect(0, 0, 200, 40), Variant(5));
  EXPECT_EQ(v.ThumbRect.Right, v.TrackRect.Right - v.ThumbSize / 2 + v.ThumbSize - v.ThumbSize / 2);

  struct TCase {
    bool Reverse;
    int Position;
    bool Increase, Line, Snap;
    int Expected;
  };
  const TCase cases[] = {{false, 4, true, true, false, 5},  {false, 4, false, false, false, 1},
                         {false, 4, true, false, true, 6},  {false, 5, true, false, true, 6},
                         {false, 5, false, false, true, 3}, {true, 4, true, true, false, 3},
                         {true, 4, true, false, true, 3}};
  for (const TCase& c : cases) {
    TTrackBar steps;
    steps.Properties.SetMin(0);
    steps.Properties.SetMax(20);
    steps.Properties.SetPageSize(3);
    steps.Properties.SetReverseDirection(c.Reverse);
    TcxCustomTrackBarViewInfo& s = steps.LayOut(TRect(0, 0, 200, 40));
    EXPECT_EQ(s.GetNewPosition(c.Position, c.Increase, c.Line, c.Snap), c.Expected)
        << c.Reverse << " " << c.Position << " " << c.Increase << " " << c.Line << " " << c.Snap;
  }
}

TEST(TrackBarLayout, TicksZoneAndSelection) {
  TTrackBar bar;
  bar.Properties.SetFrequency(3);
  TcxCustomTrackBarViewInfo& v = bar.LayOut(TRect(0, 0, 200, 60));
  EXPECT_EQ(v.MajorTicks(), (std::vector<int>{0, 10}));
  EXPECT_EQ(v.MinorTicks(), (std::vector<int>{3, 6, 9}));
  bar.Properties.SetFrequency(-2);
  EXPECT_EQ(bar.Properties.Frequency(), 0);
  EXPECT_TRUE(bar.LayOut(TRect(0, 0, 200, 60)).MinorTicks().empty());

  // With AutoSize a zone of 21 pixels gives a track 10 thick and a thumb
  // 10 along and 20 across.
  EXPECT_EQ(v.TrackZoneRect.Height(), 21);
  EXPECT_EQ(v.TrackSize, 10);
  EXPECT_EQ(v.ThumbSize, 10);
  EXPECT_EQ(v.ThumbLargeSize, 20);
  // A low bar with ticks on both sides keeps a zone of at least 10; numbers
  // with ticks shrink the tick size so that 21 pixels stay.
  bar.Properties.SetTickMarks(cxtmBoth);
  EXPECT_GE(bar.LayOut(TRect(0, 0, 200, 30)).TrackZoneRect.Height(), 10);
  bar.Properties.SetTickType(tbttTicksAndNumbers);
  bar.Properties.SetTickSize(8);
  bar.LayOut(TRect(0, 0, 200, 50));
  EXPECT_LT(v.TickSize, 8);
  EXPECT_GE(v.TickSize, 0);

  struct TCase {
    int Start, End;
    bool Shown;
  };
  const TCase selections[] = {{3, 3, false}, {7, 3, false}, {2, 6, true}, {-5, 4, true}};
  for (const TCase& c : selections) {
    bar.Properties.SetSelectionStart(c.Start);
    bar.Properties.SetSelectionEnd(c.End);
    bar.LayOut(TRect(0, 0, 200, 60));
    EXPECT_EQ(v.ShowSelection(), c.Shown) << c.Start << ".." << c.End;
    if (c.Shown) {
      EXPECT_EQ(v.SelectionRect.Left, v.PositionToCoordinate(std::max(c.Start, 0)));
      EXPECT_EQ(v.SelectionRect.Right, v.PositionToCoordinate(c.End) + 1);
      EXPECT_EQ(v.SelectionRect.Top, v.TrackRect.Top + 2);
      EXPECT_EQ(v.SelectionRect.Bottom, v.TrackRect.Bottom - 1);
    }
  }
}

TEST(TrackBarLayout, AValueThatIsNoNumberShowsTheNearestValidPosition) {
  TTrackBar bar;
  struct TCase {
    Variant Value;
    int Expected;
  };
  const TCase cases[] = {{Variant(L"abc"), 0}, {Variant(), 0}, {Variant(L" 7 "), 7}, {Variant(99), 10},
                         {Variant(-4), 0},     {Variant(3.6), 4}};
  for (const TCase& c : cases) {
    TcxCustomTrackBarViewInfo& v = bar.LayOut(TRect(0, 0, 200, 40), c.Value);
    EXPECT_EQ(v.Position(), c.Expected);
    EXPECT_NO_THROW(v.Paint(bar.Surface.Canvas.get()));
  }
}

TEST(TrackBarPainting, TicksThumbAndSelectionPixels) {
  TTrackBar bar;
  bar.Properties.SetTickMarks(cxtmBoth);
  bar.Properties.SetTickColor(clRed);
  bar.Properties.SetSelectionStart(2);
  bar.Properties.SetSelectionEnd(6);
  bar.Properties.SetSelectionColor(clLime);
  TcxCustomTrackBarViewInfo& v = bar.LayOut(TRect(0, 0, 240, 60), Variant(9));
  v.Paint(bar.Surface.Canvas.get());
  // A tick mark below and above the thumb's row at each minor position.
  for (int tick : v.MinorTicks()) {
    const int x = v.PositionToCoordinate(tick);
    EXPECT_EQ(bar.Surface.Pixel(x, v.ThumbRect.Bottom + 3), clRed) << tick;
    EXPECT_EQ(bar.Surface.Pixel(x, v.ThumbRect.Top - 2), clRed) << tick;
  }
  const int middle = (v.SelectionRect.Top + v.SelectionRect.Bottom) / 2;
  EXPECT_EQ(bar.Surface.Pixel(v.PositionToCoordinate(4), middle), clLime);
  EXPECT_NE(bar.Surface.Pixel(v.PositionToCoordinate(8), middle), clLime);
}

TEST(TrackBarPainting, SheetOfOrientationsTicksAndSelections) {
  struct TVariant {
    const char* Name;
    TcxTrackBarTickMarks Marks;
    TcxTrackBarTickType Type;
    bool Reverse, Selection, Buttons;
  };
  const TVariant variants[] = {{"Below", cxtmBottomRight, tbttTicks, false, false, false},
                               {"Above", cxtmTopLeft, tbttTicks, false, true, false},
                               {"Both, numbers", cxtmBoth, tbttTicksAndNumbers, false, true, false},
                               {"Reversed, buttons", cxtmBoth, tbttTicks, true, true, true}};
  const TLook looks[] = {TLook::Standard, TLook::UltraFlat, TLook::Office11, TLook::Native};
  const int cell = 210, left = 120, top = 20;
  TPaintSurface sheet(left + 4 * cell + 4 * 70, top + 4 * (cell + 10), clWhite);
  TcxCanvas* canvas = sheet.Canvas.get();
  canvas->Brush()->SetStyle(bsClear);
  for (size_t l = 0; l < std::size(looks); ++l) {
    const int y = top + static_cast<int>(l) * (cell + 10);
    canvas->Canvas()->TextOut(4, y + 20, String(LookName(looks[l]), LookName(looks[l]) + strlen(LookName(looks[l]))));
    for (size_t i = 0; i < std::size(variants); ++i) {
      const TVariant& variant = variants[i];
      for (const bool vertical : {false, true}) {
        TTrackBar bar;
        SetLook(bar.Style.LookAndFeel(), looks[l]);
        bar.Style.SetColor(clBtnFace);
        bar.Properties.SetOrientation(vertical ? tboVertical : tboHorizontal);
        bar.Properties.SetTickMarks(variant.Marks);
        bar.Properties.SetTickType(variant.Type);
        bar.Properties.SetReverseDirection(variant.Reverse);
        bar.Properties.SetShowChangeButtons(variant.Buttons);
        if (variant.Selection) {
          bar.Properties.SetSelectionStart(2);
          bar.Properties.SetSelectionEnd(6);
        }
        const int x = left + static_cast<int>(i) * (cell + 70);
        const TRect bounds = vertical ? TRect(x + cell - 2, y, x + cell + 62, y + cell)
                                      : TRect(x, y + 10, x + cell - 10, y + 70);
        bar.LayOut(bounds, Variant(4)).Paint(canvas);
        if (!vertical) canvas->Canvas()->TextOut(x, y + 80, String(variant.Name, variant.Name + strlen(variant.Name)));
      }
    }
  }
  std::filesystem::create_directories("artifacts");
  SaveAsPng(sheet.Bitmap, L"artifacts\\TrackBars.png");
  EXPECT_TRUE(std::filesystem::exists("artifacts/TrackBars.png"));
}

TEST(TrackBarProperties, AFilterRowEditsTheColumnWithASpinEditOverTheBarsRange) {
  const TcxCustomFilterEditHelper* helper = cxFilterEditsRegistry()->FindHelper(TcxTrackBarProperties::StaticClass());
  ASSERT_EQ(helper, TcxFilterTrackBarHelper::Instance());
  TcxTrackBarProperties column(nullptr);
  column.SetMin(5);
  column.SetMax(50);
  column.SetPageSize(7);
  std::unique_ptr<TcxCustomEdit> edit(helper->GetFilterEdit(&column));
  auto* spin = dynamic_cast<TcxSpinEdit*>(edit.get());
  ASSERT_NE(spin, nullptr);
  TcxCustomSpinEditProperties* properties = spin->ActiveProperties();
  EXPECT_EQ(properties->LowerSpinBound().AsInt64(), 5);
  EXPECT_EQ(properties->UpperSpinBound().AsInt64(), 50);
  EXPECT_EQ(properties->LargeIncrement(), 7);
  EXPECT_EQ(properties->Buttons()->Count(), 2);
  EXPECT_TRUE(properties->CanEdit());
}
