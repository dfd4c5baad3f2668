// The root painter's track bars, splitters, print preview, message box,
// breadcrumb editor, drop-down lists and alert windows.
#include <gtest/gtest.h>

#include "PainterFamilies.h"

namespace {

const TColor Back = TColor(0x102030);

}  // namespace

TEST(TrackBarsPainter, ThumbPolygonsByTicks) {
  // A look that records the edges the root hands over.
  struct TEdgeRecorder : TFamilyPainter {
    void DrawTrackBarThumbBorderUpDown(TcxCanvas*, const TPoints& ALight, const TPoints& AShadow,
                                       const TPoints& ADark) override {
      Light = ALight, Shadow = AShadow, Dark = ADark;
    }
    TPoints Light, Shadow, Dark;
  } painter;
  const TRect r(10, 10, 21, 31);  // 11 x 21
  struct TCase {
    bool Horizontal;
    TcxTrackBarTicksAlign Ticks;
    TPoint Tip, LightStart, DarkEnd;
  } cases[] = {
      {true, tbtaDown, TPoint(15, 30), TPoint(21, 10), TPoint(20, 10)},
      {false, tbtaDown, TPoint(20, 20), TPoint(10, 31), TPoint(10, 30)},
      {true, tbtaUp, TPoint(15, 10), TPoint(10, 30), TPoint(10, 29)},
      {false, tbtaUp, TPoint(10, 20), TPoint(20, 10), TPoint(19, 10)},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Horizontal << " " << static_cast<int>(c.Ticks));
    TPaintSurface surface(40, 40, Back);
    painter.DrawTrackBarThumb(surface.Canvas.get(), r, cxbsNormal, c.Horizontal, c.Ticks, clLime);
    EXPECT_EQ(clLime, surface.Pixel(c.Tip.X, c.Tip.Y));
    EXPECT_EQ(c.LightStart, painter.Light.front());
    EXPECT_EQ(c.DarkEnd, painter.Dark.back());
  }
  TPaintSurface both(40, 40, Back);
  painter.DrawTrackBarThumb(both.Canvas.get(), r, cxbsNormal, true, tbtaBoth, clLime);
  EXPECT_EQ(r, both.BoundsOfPixelsOtherThan(Back));
  TRect thumb(10, 10, 20, 30);
  painter.CorrectThumbRect(both.Canvas.get(), thumb, true, tbtaBoth);
  EXPECT_EQ(TRect(10, 10, 21, 31), thumb);
}

TEST(TrackBarsPainter, SplitterGripDashes) {
  TFamilyPainter painter;
  for (bool horizontal : {true, false}) {
    SCOPED_TRACE(horizontal);
    TPaintSurface surface(40, 40, Back);
    painter.DrawSplitter(surface.Canvas.get(), TRect(0, 0, 40, 40), false, false, horizontal);
    // The outer line along the middle with gaps at M - 5, M - 2, M + 1, M + 4.
    const int across = (0 + 40 - 1) / 2, m = horizontal ? 20 : 19;  // a vertical line ends one short
    const auto outer = [&](int AAlong) {
      return horizontal ? surface.Pixel(AAlong, across) : surface.Pixel(across, AAlong);
    };
    const auto inner = [&](int AAlong) {
      return horizontal ? surface.Pixel(AAlong + 1, across + 1) : surface.Pixel(across + 1, AAlong + 1);
    };
    for (int along = 0; along < 39; ++along) {
      const bool gap = along == m - 5 || along == m - 2 || along == m + 1 || along == m + 4;
      EXPECT_EQ(gap ? Back : SysRGB(clBtnShadow), outer(along)) << along;
      EXPECT_EQ(gap ? Back : clWhite, inner(along)) << along;
    }
    EXPECT_EQ(horizontal ? SysRGB(clBtnShadow) : Back, outer(39));
  }
}

TEST(TrackBarsPainter, PinsPointDownWhenPinned) {
  TFamilyPainter painter;
  TPaintSurface pinned(20, 40, Back), loose(40, 20, Back);
  painter.DrawPin(pinned.Canvas.get(), TRect(0, 0, 20, 20), clRed, true);
  painter.DrawPin(loose.Canvas.get(), TRect(0, 0, 20, 20), clRed, false);
  // Head 11 x 10 from the top, crossbar 17 x 2 on its last row, needle 3 x 10.
  EXPECT_EQ(TRect(1, 0, 18, 20), BoundsOfColour(pinned, clRed));
  EXPECT_EQ(clRed, pinned.Pixel(4, 0));
  EXPECT_EQ(Back, pinned.Pixel(5, 4));    // the head's left half is open
  EXPECT_EQ(clRed, pinned.Pixel(12, 4));  // its right half filled
  EXPECT_EQ(clRed, pinned.Pixel(1, 10));  // the crossbar
  EXPECT_EQ(Back, pinned.Pixel(1, 11));
  for (int y = 11; y < 20; ++y) EXPECT_EQ(clRed, pinned.Pixel(10, y)) << y;
  EXPECT_EQ(Back, pinned.Pixel(7, 15));
  // Turned a quarter, it points left from the right edge.
  EXPECT_EQ(TRect(0, 1, 20, 18), BoundsOfColour(loose, clRed));
  EXPECT_EQ(Back, loose.Pixel(15, 5));   // the head's top half is open
  EXPECT_EQ(clRed, loose.Pixel(15, 12));
}

TEST(TrackBarsPainter, AlertWindowButtons) {
  TFamilyPainter painter;
  TPaintSurface down(20, 20, Back), pressed(20, 20, Back);
  painter.DrawAlertWindowButton(down.Canvas.get(), TRect(0, 0, 20, 20), cxbsHot, awbkClose, true);
  painter.DrawAlertWindowButton(pressed.Canvas.get(), TRect(0, 0, 20, 20), cxbsPressed, awbkClose, false);
  EXPECT_TRUE(SamePixels(pressed, down));
  struct TCase {
    TdxAlertWindowButtonKind Kind;
    bool Glyph;
  } cases[] = {{awbkClose, true}, {awbkPin, true}, {awbkDropdown, true}, {awbkPrevious, true}, {awbkNext, true},
               {awbkCustom, false}};
  for (const TCase& c : cases) {
    TPaintSurface surface(20, 20, Back);
    painter.DrawAlertWindowButton(surface.Canvas.get(), TRect(0, 0, 20, 20), cxbsNormal, c.Kind, false);
    EXPECT_EQ(c.Glyph, surface.CountOf(SysRGB(clBtnText)) > 0);
    const TRect glyph = BoundsOfColour(surface, SysRGB(clBtnText));
    if (c.Glyph) {
      EXPECT_TRUE(glyph.Left >= 3 && glyph.Top >= 3 && glyph.Right <= 17 && glyph.Bottom <= 17);
    }
    EXPECT_EQ(c.Kind == awbkCustom ? TSize() : TSize(10, 10), painter.AlertWindowButtonGlyphSize(c.Kind));
  }
}

TEST(TrackBarsPainter, PrintPreviewAndMessageBoxKeepTheClip) {
  TFamilyPainter painter;
  struct TCase {
    bool Selected;
    TColor Frame;
    int Inset;
  } cases[] = {{true, SysRGB(clHighlight), 0}, {false, SysRGB(clWindowText), 1}};
  for (const TCase& c : cases) {
    TPaintSurface surface(50, 50, Back);
    std::unique_ptr<TcxRegion> before(surface.Canvas->GetClipRegion());
    painter.DrawPrintPreviewPageBackground(surface.Canvas.get(), TRect(0, 0, 50, 50), TRect(5, 5, 40, 40),
                                           c.Selected, true);
    EXPECT_EQ(c.Frame, surface.Pixel(c.Inset, 20));
    EXPECT_EQ(SysRGB(clWindow), surface.Pixel(20, 20));
    EXPECT_EQ(SysRGB(clWindowText), surface.Pixel(49 - c.Inset, 20));  // the shadow
    EXPECT_EQ(Back, surface.Pixel(0, 49));
    std::unique_ptr<TcxRegion> after(surface.Canvas->GetClipRegion());
    EXPECT_TRUE(before->IsEqual(after.get()));
  }
  TPaintSurface surface(60, 20, Back);
  auto font = SampleFont();
  surface.Canvas->SetFont(font.get());
  std::unique_ptr<TcxRegion> before(surface.Canvas->GetClipRegion());
  painter.DrawMessageBox(surface.Canvas.get(), TRect(0, 0, 60, 20), L"Empty", nullptr, clNone);
  EXPECT_EQ(SysRGB(clBtnShadow), surface.Pixel(0, 10));
  EXPECT_EQ(SysRGB(clBtnFace), surface.Pixel(2, 2));
  EXPECT_EQ(L"Tahoma", surface.Canvas->Font()->Name());
  std::unique_ptr<TcxRegion> after(surface.Canvas->GetClipRegion());
  EXPECT_TRUE(before->IsEqual(after.get()));
}

TEST(TrackBarsPainter, BreadcrumbButtonsByState) {
  TFamilyPainter painter;
  struct TCase {
    TdxBreadcrumbEditButtonState State;
    bool Drawn;
  } cases[] = {{dxbcbsNormal, false}, {dxbcbsFocused, true}, {dxbcbsHot, true}, {dxbcbsPressed, true},
               {dxbcbsDisabled, false}};
  for (const TCase& c : cases) {
    TPaintSurface surface(20, 20, Back), inEditor(20, 20, Back);
    painter.DrawBreadcrumbEditButton(surface.Canvas.get(), TRect(0, 0, 20, 20), c.State, false, false);
    painter.DrawBreadcrumbEditDropDownButton(inEditor.Canvas.get(), TRect(0, 0, 20, 20), c.State, true);
    EXPECT_EQ(c.Drawn ? SysRGB(clBtnFace) : Back, surface.Pixel(10, 10));
    EXPECT_EQ(SysRGB(clBtnFace), inEditor.Pixel(10, 10));
  }
  TPaintSurface glyph(20, 20, Back);
  painter.DrawBreadcrumbEditDropDownButtonGlyph(glyph.Canvas.get(), TRect(0, 0, 20, 20), dxbcbsDisabled, true);
  EXPECT_GT(glyph.CountOf(SysRGB(clBtnShadow)), 0);
}

TEST(TrackBarsPainter, DropDownListsAndCalculatorKeys) {
  TFamilyPainter painter;
  TPaintSurface surface(30, 30, Back);
  painter.DrawDropDownListBoxBackground(surface.Canvas.get(), TRect(0, 0, 30, 30), true);
  EXPECT_EQ(SysRGB(cl3DLight), surface.Pixel(0, 10));
  EXPECT_EQ(SysRGB(cl3DDkShadow), surface.Pixel(29, 10));
  EXPECT_EQ(SysRGB(clBtnHighlight), surface.Pixel(1, 10));
  EXPECT_EQ(SysRGB(clBtnShadow), surface.Pixel(28, 10));
  EXPECT_EQ(SysRGB(clMenu), surface.Pixel(2, 10));
  painter.DrawDropDownListBoxSeparator(surface.Canvas.get(), TRect(0, 0, 30, 9), TRect());
  EXPECT_EQ(SysRGB(clBtnShadow), surface.Pixel(10, 3));
  EXPECT_EQ(SysRGB(clBtnHighlight), surface.Pixel(10, 4));

  struct TCase {
    TcxCalcButtonKind Kind;
    TColor Colour;
  } cases[] = {{cbBack, clMaroon}, {cbClear, clMaroon}, {cbMC, clRed},    {cbEqual, clRed},  {cbNum0, clBlue},
               {cbDecimal, clBlue}, {cbNone, clBlue},   {cbSqrt, clNavy}, {cbRev, clNavy}};
  for (const TCase& c : cases) EXPECT_EQ(c.Colour, painter.CalcEditButtonTextColor(c.Kind));
}
