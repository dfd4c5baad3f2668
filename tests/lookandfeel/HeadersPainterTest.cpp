// The root painter's headers, sorting marks, footers, layout-view records
// and filter panel, drawn on 32-bit bitmaps.
#include <gtest/gtest.h>

#include <stdexcept>

#include "PainterFamilies.h"

namespace {

const TColor Back = TColor(0x102030);

// A look whose headers have a one-pixel border on the sides it owns.
struct TBorderedHeaderPainter : TFamilyPainter {
  int HeaderBorderSize() override { return 1; }
  TcxBorders HeaderBorders(const TcxNeighbors& ANeighbors) override {
    return ANeighbors.Contains(nLeft) ? TcxBorders{bTop, bRight, bBottom} : cxBordersAll;
  }
  TPoint SortingMarkSize() override { return TPoint(8, 7); }
  TPoint SummarySortingMarkSize() override { return TPoint(8, 9); }
};

}  // namespace

TEST(HeadersPainter, HeaderMetrics) {
  TBorderedHeaderPainter painter;
  TPaintSurface surface(8, 8);
  auto font = SampleFont();
  surface.Canvas->SetFont(font.get());
  const int text = surface.Canvas->TextWidth(L"Column");
  struct TCase {
    TcxBorders Borders;
    int Width;
  } cases[] = {{{bLeft, bRight}, text + 6}, {{bLeft}, text + 5}, {{bRight}, text + 5}, {{}, text + 4}};
  for (const TCase& c : cases) EXPECT_EQ(c.Width, painter.HeaderWidth(surface.Canvas.get(), c.Borders, L"Column", font.get()));

  const TRect r(10, 10, 50, 30);
  EXPECT_EQ(r, TcxCustomLookAndFeelPainter().HeaderBounds(r, {nLeft}, cxBordersAll));
  EXPECT_EQ(TRect(9, 10, 50, 30), painter.HeaderBounds(r, {nLeft}, cxBordersAll));
  EXPECT_EQ(TRect(11, 11, 50, 29), painter.HeaderContentBounds(r, {bLeft, bTop, bBottom}));
  EXPECT_EQ(13 + 2 + 4, painter.HeaderHeight(13));
  EXPECT_EQ(TPoint(16, 7), painter.SortingMarkAreaSize());
  EXPECT_EQ(TRect(11, 11, 51, 31), painter.HeaderControlSectionTextAreaBounds(r, cxbsPressed));
  EXPECT_EQ(TRect(11, 11, 49, 29), painter.HeaderControlSectionContentBounds(r, cxbsNormal));
}

TEST(HeadersPainter, HeaderCellsFillTheirContentAndDrawTheirText) {
  TFamilyPainter painter;
  auto font = SampleFont();
  struct TCase {
    const char* Name;
    bool HandlerPaints;
    TColor Fill;
  } cases[] = {{"background filled", false, clYellow}, {"handler paints", true, Back}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TPaintSurface surface(80, 24, Back);
    painter.DrawHeader(surface.Canvas.get(), TRect(0, 0, 80, 24), TRect(2, 2, 78, 22), {}, cxBordersAll, cxbsNormal,
                       taLeftJustify, vaCenter, false, false, L"Name", font.get(), clBlue, clYellow,
                       [&](TcxCanvas*, const TRect&) { return c.HandlerPaints; }, false, false);
    EXPECT_EQ(c.Fill, surface.Pixel(79, 0));
    EXPECT_NE(TRect(), BoundsOfColour(surface, clBlue));
    EXPECT_EQ(bsSolid, surface.Canvas->Brush()->Style());
  }
}

TEST(HeadersPainter, DisabledSectionTextIsEmbossed) {
  TFamilyPainter painter;
  auto font = SampleFont();
  struct TCase {
    TcxButtonState State;
    bool Highlight, Shadow, Text;
  } cases[] = {{cxbsNormal, false, false, true}, {cxbsDisabled, true, true, false}};
  for (const TCase& c : cases) {
    TPaintSurface surface(60, 20, Back);
    painter.DrawHeaderControlSectionText(surface.Canvas.get(), TRect(0, 0, 60, 20), c.State, taLeftJustify, vaTop,
                                         false, false, L"Abc", font.get(), clRed);
    EXPECT_EQ(c.Highlight, surface.CountOf(SysRGB(clBtnHighlight)) > 0);
    EXPECT_EQ(c.Shadow, surface.CountOf(SysRGB(clBtnShadow)) > 0);
    EXPECT_EQ(c.Text, surface.CountOf(clRed) > 0);
    EXPECT_EQ(bsSolid, surface.Canvas->Brush()->Style());
  }
}

TEST(HeadersPainter, SortingMarksPointTheirWay) {
  TBorderedHeaderPainter painter;
  // An ascending mark has its tip at the top, a descending one at the bottom.
  for (bool summary : {false, true})
    for (bool ascending : {true, false}) {
      SCOPED_TRACE(std::string(summary ? "summary " : "") + (ascending ? "ascending" : "descending"));
      TPaintSurface surface(20, 20, Back);
      if (summary)
        painter.DrawSummarySortingMarkArrow(surface.Canvas.get(), TRect(0, 0, 20, 20), clBlack, clWhite, ascending);
      else
        painter.DrawSortingMarkArrow(surface.Canvas.get(), TRect(0, 0, 20, 20), clBlack, clWhite, ascending);
      // The arrow below a summary mark's two-row bar.
      const int firstRow = summary ? 2 : 0;
      TRect arrow(20, 20, 0, 0);
      for (int y = firstRow; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
          if (surface.Pixel(x, y) != Back) arrow = TRect(std::min<int>(arrow.Left, x), std::min<int>(arrow.Top, y),
                                                         std::max<int>(arrow.Right, x + 1), std::max<int>(arrow.Bottom, y + 1));
      ASSERT_FALSE(arrow.IsEmpty());
      const int tipRow = ascending ? arrow.Top : arrow.Bottom - 1, baseRow = ascending ? arrow.Bottom - 1 : arrow.Top;
      int tipPixels = 0, basePixels = 0;
      for (int x = 0; x < 20; ++x) {
        tipPixels += surface.Pixel(x, tipRow) != Back;
        basePixels += surface.Pixel(x, baseRow) != Back;
      }
      EXPECT_LT(tipPixels, basePixels);
    }
}

TEST(HeadersPainter, SummaryValueSortingMarkIsTheIndicatorGlyph) {
  TFamilyPainter painter;
  TPaintSurface up(20, 20, clWhite), down(20, 20, clWhite);
  painter.DrawSummaryValueSortingMark(up.Canvas.get(), TRect(3, 4, 20, 20), true);
  painter.DrawSummaryValueSortingMark(down.Canvas.get(), TRect(3, 4, 20, 20), false);
  const TPoint size = painter.SummaryValueSortingMarkSize();
  EXPECT_EQ(TPoint(8, 9), size);
  const TRect glyph = up.BoundsOfPixelsOtherThan(clWhite);
  EXPECT_FALSE(glyph.IsEmpty());
  EXPECT_TRUE(glyph.Left >= 3 && glyph.Top >= 4 && glyph.Right <= 3 + size.X && glyph.Bottom <= 4 + size.Y);
  EXPECT_TRUE(SamePixels(up, down));
}

TEST(HeadersPainter, FootersAndTheirPanel) {
  TFamilyPainter painter;
  TcxViewParams params;
  params.Color = clYellow;
  TPaintSurface surface(40, 20, Back);
  painter.DrawFooterBorderEx(surface.Canvas.get(), TRect(0, 0, 40, 20), cxBordersAll);
  EXPECT_EQ(SysRGB(clBtnShadow), surface.Pixel(5, 0));
  EXPECT_EQ(Back, surface.Pixel(5, 1));
  painter.DrawFooterContent(surface.Canvas.get(), TRect(5, 5, 5, 15), params);
  EXPECT_EQ(Back, surface.Pixel(5, 10));

  // The panel keeps the caller's clip, also when its content fails.
  struct TFailingPainter : TFamilyPainter {
    void DrawFooterContent(TcxCanvas*, const TRect&, const TcxViewParams&) override {
      throw std::runtime_error("no content");
    }
  } failing;
  for (TcxCustomLookAndFeelPainter* p : {static_cast<TcxCustomLookAndFeelPainter*>(&painter),
                                          static_cast<TcxCustomLookAndFeelPainter*>(&failing)}) {
    std::unique_ptr<TcxRegion> before(surface.Canvas->GetClipRegion());
    try {
      p->DrawFooterPanel(surface.Canvas.get(), TRect(2, 2, 30, 12), params, cxBordersAll);
    } catch (const std::runtime_error&) {
    }
    std::unique_ptr<TcxRegion> after(surface.Canvas->GetClipRegion());
    EXPECT_TRUE(before->IsEqual(after.get()));
  }
  EXPECT_EQ(clYellow, surface.Pixel(10, 8));
  EXPECT_EQ(SysRGB(clBtnShadow), surface.Pixel(10, 2));
}

TEST(HeadersPainter, LayoutViewItemsByState) {
  TFamilyPainter painter;
  struct TCase {
    TcxButtonState State;
    TColor Edge, Inside;
  } cases[] = {
      {cxbsHot, SysRGB(clBtnShadow), SysRGB(clGradientInactiveCaption)},
      {cxbsPressed, SysRGB(clHighlight), SysRGB(clHighlight)},
      {cxbsDisabled, SysRGB(clInactiveCaption), SysRGB(clInactiveCaption)},
      {cxbsNormal, SysRGB(clBtnFace), SysRGB(clBtnFace)},
      {cxbsDefault, SysRGB(clBtnFace), SysRGB(clBtnFace)},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.State));
    TPaintSurface surface(20, 20, Back);
    std::unique_ptr<TcxRegion> before(surface.Canvas->GetClipRegion());
    painter.LayoutViewDrawItem(surface.Canvas.get(), TRect(2, 2, 18, 18), c.State, cxBordersAll);
    EXPECT_EQ(c.Edge, surface.Pixel(2, 2));
    EXPECT_EQ(c.Inside, surface.Pixel(9, 9));
    EXPECT_EQ(Back, surface.Pixel(1, 1));
    std::unique_ptr<TcxRegion> after(surface.Canvas->GetClipRegion());
    EXPECT_TRUE(before->IsEqual(after.get()));
  }
  // A record border stays out of the clip for what the caller paints next.
  TPaintSurface surface(20, 20, Back);
  painter.LayoutViewDrawRecordBorder(surface.Canvas.get(), TRect(0, 0, 20, 20), cxbsHot, cxBordersAll);
  surface.Canvas->FillRect(TRect(0, 0, 20, 20), clYellow);
  EXPECT_EQ(SysRGB(clHighlight), surface.Pixel(0, 10));
  EXPECT_EQ(clYellow, surface.Pixel(1, 10));
}

TEST(HeadersPainter, FilterSmartTagColoursFollowItsStates) {
  TFamilyPainter painter;
  struct TCase {
    TcxFilterSmartTagState State;
    bool Active;
    TColor Colour;
  } cases[] = {
      {fstsNormal, false, TColor(0x909090)},   {fstsNormal, true, TColor(0xFF2600)},
      {fstsHot, false, TColor(0x303030)},      {fstsHot, true, TColor(0x303030)},
      {fstsPressed, false, TColor(0x909090)},  {fstsPressed, true, TColor(0xFF2600)},
      {fstsParentHot, false, TColor(0x848484)}, {fstsParentHot, true, TColor(0x848484)},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << static_cast<int>(c.State) << (c.Active ? " active" : ""));
    TPaintSurface surface(14, 14, clWhite);
    painter.DrawFilterSmartTag(surface.Canvas.get(), TRect(1, 1, 13, 13), c.State, c.Active);
    EXPECT_EQ(c.Colour, surface.Pixel(1, 1));   // the outline
    EXPECT_EQ(c.Colour, surface.Pixel(4, 4));   // the funnel's top-left corner
    EXPECT_EQ(clWhite, surface.Pixel(7, 10));    // the inside stays clear
    EXPECT_EQ(bsSolid, surface.Canvas->Brush()->Style());
  }
}

TEST(HeadersPainter, FilterCloseButtonIsASmallButtonWithACross) {
  TFamilyPainter painter;
  for (TcxButtonState state : {cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled}) {
    TPaintSurface surface(16, 14, Back);
    painter.DrawFilterCloseButton(surface.Canvas.get(), TRect(0, 0, 16, 14), state);
    EXPECT_EQ(SysRGB(clBtnFace), surface.Pixel(0, 0));
    EXPECT_GT(surface.CountOf(SysRGB(painter.ButtonSymbolColor(state))), 8);
  }
}

TEST(HeadersPainter, SectionTextMovesWhenPressedAndFooterTextKeepsItsInset) {
  TFamilyPainter painter;
  auto font = SampleFont();
  const auto textBounds = [&](TcxButtonState AState) {
    TPaintSurface surface(60, 20, Back);
    painter.DrawHeaderControlSection(surface.Canvas.get(), TRect(0, 0, 60, 20), TRect(0, 0, 60, 20), {},
                                     cxBordersAll, AState, taLeftJustify, vaTop, false, false, L"Abc", font.get(),
                                     clRed, clWhite);
    EXPECT_EQ(Back, surface.Pixel(0, 0));  // the one-pixel border the root leaves undrawn
    EXPECT_EQ(clWhite, surface.Pixel(1, 1));
    return BoundsOfColour(surface, clRed);
  };
  EXPECT_EQ(cxRectShiftBy(textBounds(cxbsNormal), 1, 1), textBounds(cxbsPressed));

  TPaintSurface footer(60, 20, Back);
  painter.DrawFooterCell(footer.Canvas.get(), TRect(0, 0, 60, 20), taLeftJustify, vaTop, false, L"Sum", font.get(),
                         clRed, clWhite, nullptr);
  EXPECT_EQ(clWhite, footer.Pixel(0, 0));
  const TRect text = BoundsOfColour(footer, clRed);
  EXPECT_GE(text.Left, 2);
  EXPECT_GE(text.Top, 2);
}
