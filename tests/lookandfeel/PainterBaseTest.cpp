// The root painter's general answers, the colours derived through other
// colours, its drawing bases pixel by pixel and its pictures.
#include <gtest/gtest.h>

#include "components/lookandfeel/cxLookAndFeelPainters.h"
#include "tests/graphics/PaintSurface.h"

namespace {

// The root painter with its protected bases reachable.
struct TRootPainter : TcxCustomLookAndFeelPainter {
  using TcxCustomLookAndFeelPainter::BackButtonImage;
  using TcxCustomLookAndFeelPainter::CenterSpanInRect;
  using TcxCustomLookAndFeelPainter::ClockFaceImage;
  using TcxCustomLookAndFeelPainter::ClockGlassImage;
  using TcxCustomLookAndFeelPainter::DrawCellBackgroundAndText;
  using TcxCustomLookAndFeelPainter::DrawFilledTriangle;
  using TcxCustomLookAndFeelPainter::DrawStateGlyph;
  using TcxCustomLookAndFeelPainter::FillBackground;
  using TcxCustomLookAndFeelPainter::MapPushpinImage;
  using TcxCustomLookAndFeelPainter::RatingControlIndicatorImage;
  using TcxCustomLookAndFeelPainter::StateGlyphColor;
};

// A descendant that changes only the colours other colours are made of.
struct TRecolouredPainter : TcxCustomLookAndFeelPainter {
  TColor DefaultContentColor() override { return TColor(0x010101); }
  TColor DefaultContentTextColor() override { return TColor(0x020202); }
  TColor DefaultGridLineColor() override { return TColor(0x030303); }
  TColor DefaultHeaderColor() override { return TColor(0x040404); }
  TColor DefaultHeaderTextColor() override { return TColor(0x050505); }
  TColor DefaultVGridLineColor() override { return TColor(0x060606); }
  TColor DefaultSelectionTextColor() override { return TColor(0x070707); }
  TColor DefaultEditorBackgroundColorEx(TcxEditStateColorKind AKind) override {
    return AKind == esckDisabled ? TColor(0x080808) : EditorNormalColor;
  }
  TColor DefaultEditorTextColorEx(TcxEditStateColorKind AKind) override {
    return AKind == esckDisabled ? TColor(0x0A0A0A) : TColor(0x0B0B0B);
  }
  TColor EditorNormalColor = TColor(0x090909);
};

}  // namespace

TEST(RootPainter, GeneralAnswers) {
  TcxCustomLookAndFeelPainter painter;
  void* data = &painter;
  EXPECT_FALSE(painter.GetPainterData(data));
  EXPECT_EQ(&painter, data);
  EXPECT_FALSE(painter.IsInternalPainter());
  EXPECT_EQ(L"", painter.LookAndFeelName());
  EXPECT_EQ(lfsStandard, painter.LookAndFeelStyle());
  EXPECT_FALSE(painter.NeedRedrawOnResize());
}

TEST(RootPainter, DerivedColoursFollowTheColoursTheyAreMadeOf) {
  TRecolouredPainter painter;
  struct TCase {
    const char* Name;
    TColor Actual, Expected;
  } cases[] = {
      {"content even", painter.DefaultContentEvenColor(), TColor(0x010101)},
      {"content odd", painter.DefaultContentOddColor(), TColor(0x010101)},
      {"layout view content", painter.DefaultLayoutViewContentColor(), TColor(0x010101)},
      {"record separator", painter.DefaultRecordSeparatorColor(), TColor(0x030303)},
      {"tree list grid line", painter.DefaultTreeListGridLineColor(), TColor(0x030303)},
      {"tree list tree line", painter.DefaultTreeListTreeLineColor(), TColor(0x030303)},
      {"vgrid band line", painter.DefaultVGridBandLineColor(), TColor(0x060606)},
      {"vgrid category", painter.DefaultVGridCategoryColor(), TColor(0x040404)},
      {"vgrid header", painter.DefaultVGridHeaderColor(), TColor(0x040404)},
      {"vgrid header text", painter.DefaultVGridHeaderTextColor(), TColor(0x050505)},
      {"time ruler", painter.DefaultSchedulerTimeRulerColor(), TColor(0x040404)},
      {"time ruler text", painter.DefaultSchedulerTimeRulerTextColor(), TColor(0x050505)},
      {"date navigator header text", painter.DefaultDateNavigatorHeaderTextColor(false), TColor(0x050505)},
      {"scheduler selected text", painter.DefaultSchedulerViewSelectedTextColor(), TColor(0x070707)},
      {"editor background", painter.DefaultEditorBackgroundColor(false), TColor(0x090909)},
      {"disabled editor background", painter.DefaultEditorBackgroundColor(true), TColor(0x080808)},
      {"editor text", painter.DefaultEditorTextColor(false), TColor(0x0B0B0B)},
      {"disabled editor text", painter.DefaultEditorTextColor(true), TColor(0x0A0A0A)},
      {"date navigator content", painter.DefaultDateNavigatorContentColor(), TColor(0x090909)},
      {"layout caption, pressed", painter.DefaultLayoutViewCaptionTextColor(cxgpLeft, cxbsPressed), TColor(0x070707)},
      {"layout caption, hot", painter.DefaultLayoutViewCaptionTextColor(cxgpTop, cxbsHot), TColor(0x020202)},
      {"layout content, normal", painter.DefaultLayoutViewContentTextColor(cxbsNormal), TColor(0x020202)},
      {"layout content, default", painter.DefaultLayoutViewContentTextColor(cxbsDefault), TColor(0x020202)},
      {"layout content, disabled", painter.DefaultLayoutViewContentTextColor(cxbsDisabled), clInactiveCaptionText},
  };
  for (const TCase& c : cases) EXPECT_EQ(c.Expected, c.Actual) << c.Name;

  // Without an editor colour of its own the date navigator takes the content colour.
  painter.EditorNormalColor = clDefault;
  EXPECT_EQ(TColor(0x010101), painter.DefaultDateNavigatorContentColor());
}

TEST(RootPainter, ColoursThatDependOnTheirArguments) {
  TcxCustomLookAndFeelPainter painter;
  EXPECT_EQ(clDefault, painter.DefaultEditorBackgroundColor(false));
  EXPECT_EQ(clWindow, painter.DefaultDateNavigatorContentColor());
  // Wine reports a system newer than Vista.
  EXPECT_EQ(clHotLight, painter.DefaultDateNavigatorHeaderTextColor(true));
  EXPECT_EQ(clWhite, painter.DefaultSchedulerEventColor(true));
  EXPECT_EQ(clWindow, painter.DefaultSchedulerEventColor(false));
  EXPECT_EQ(clHighlight, painter.DefaultGridOptionsTreeViewCategoryColor(true));
  EXPECT_EQ(clBtnShadow, painter.DefaultGridOptionsTreeViewCategoryColor(false));
  EXPECT_EQ(clHighlightText, painter.DefaultGridOptionsTreeViewCategoryTextColor(true));
  EXPECT_EQ(clBtnText, painter.DefaultGridOptionsTreeViewCategoryTextColor(false));
  EXPECT_EQ(TColor(0x9D9DA1), painter.DefaultSchedulerBorderColor());
  EXPECT_EQ(TColor(0xD5FFFF), painter.DefaultSchedulerViewContentColor());
}

TEST(RootPainter, StateGlyphColourByStateAndActivity) {
  TRootPainter painter;
  struct TCase {
    TcxButtonState State;
    TColor Active, Inactive;
  } cases[] = {
      {cxbsDefault, TColor(0xFF2600), TColor(0x909090)}, {cxbsNormal, TColor(0x848484), TColor(0x848484)},
      {cxbsHot, TColor(0x303030), TColor(0x303030)},     {cxbsPressed, TColor(0xFF2600), TColor(0x909090)},
      {cxbsDisabled, TColor(0x909090), TColor(0x909090)},
  };
  for (const TCase& c : cases) {
    EXPECT_EQ(c.Active, painter.StateGlyphColor(c.State, true)) << static_cast<int>(c.State);
    EXPECT_EQ(c.Inactive, painter.StateGlyphColor(c.State, false)) << static_cast<int>(c.State);
  }
}

TEST(RootPainter, CenterSpanInRect) {
  TRootPainter painter;
  struct TCase {
    TRect R;
    int Length;
    bool Horizontal;
    TRect Expected;
  } cases[] = {
      {TRect(0, 0, 10, 20), 4, true, TRect(3, 0, 7, 20)},
      {TRect(0, 0, 11, 20), 4, true, TRect(3, 0, 7, 20)},
      {TRect(0, 0, 10, 20), 5, true, TRect(3, 0, 8, 20)},
      {TRect(0, 0, 10, 20), 0, true, TRect(5, 0, 5, 20)},
      {TRect(0, 3, 10, 20), 6, false, TRect(0, 8, 10, 14)},
      // A middle below zero rounds down, not toward zero.
      {TRect(-7, 0, 0, 5), 2, true, TRect(-5, 0, -3, 5)},
      // A span longer than the rectangle reaches out of it on both sides.
      {TRect(0, 0, 4, 4), 8, false, TRect(0, -2, 4, 6)},
  };
  for (const TCase& c : cases) {
    const TRect r = painter.CenterSpanInRect(c.R, c.Length, c.Horizontal);
    EXPECT_EQ(c.Expected, r) << c.R.Left << "," << c.R.Top << "," << c.R.Right << "," << c.R.Bottom << " / "
                             << c.Length << " -> " << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom;
  }
}

TEST(RootPainter, FilledTriangleIsCentredAndPointsDown) {
  TRootPainter painter;
  struct TCase {
    TRect R;
    TRect Bounds;  // of the painted pixels
  } cases[] = {
      {TRect(0, 0, 10, 10), TRect(2, 4, 7, 7)},   // 5 wide, 3 high, the half row rounded down the rectangle
      {TRect(0, 0, 12, 12), TRect(2, 4, 9, 8)},   // 7 wide, 4 high
      {TRect(4, 2, 20, 9), TRect(7, 3, 16, 8)},   // 9 wide, 5 high, rounded to the nearest row
  };
  for (const TCase& c : cases) {
    TPaintSurface surface(24, 24, clWhite);
    painter.DrawFilledTriangle(surface.Canvas.get(), c.R, clBlack);
    EXPECT_EQ(c.Bounds, surface.BoundsOfPixelsOtherThan(clWhite));
    // Its rows narrow by one pixel on each side down to the tip.
    const int tipX = (c.Bounds.Left + c.Bounds.Right - 1) / 2;
    EXPECT_EQ(clBlack, surface.Pixel(tipX, c.Bounds.Bottom - 1));
    EXPECT_EQ(clWhite, surface.Pixel(tipX - 1, c.Bounds.Bottom - 1));
    EXPECT_EQ(clBlack, surface.Pixel(c.Bounds.Left, c.Bounds.Top));
    EXPECT_EQ(clWhite, surface.Pixel(c.Bounds.Left, c.Bounds.Top + 1));
  }
}

TEST(RootPainter, StateGlyphIsTheFunnelOutlineInItsStateColour) {
  const char* const funnel[] = {
      "######",
      "#....#",
      "##..##",
      ".####.",
      "..##..",
      "..##..",
  };
  TRootPainter painter;
  TPaintSurface surface(20, 20, clWhite);
  painter.DrawStateGlyph(surface.Canvas.get(), TRect(3, 4, 14, 15), cxbsHot, true);
  const TPoint origin(5, 6);  // ((3 + 14 - 6) with its lowest bit cleared) / 2
  EXPECT_EQ(TRect(origin.X, origin.Y, origin.X + 6, origin.Y + 6), surface.BoundsOfPixelsOtherThan(clWhite));
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x)
      EXPECT_EQ(funnel[y][x] == '#' ? TColor(0x303030) : clWhite, surface.Pixel(origin.X + x, origin.Y + y))
          << x << "," << y;
}

TEST(RootPainter, FillBackgroundOpaqueTiledOrLeftAlone) {
  TRootPainter painter;
  TBitmap pattern;
  pattern.SetPixelFormat(pf32bit);
  pattern.SetSize(2, 2);
  TcxCanvas patternCanvas(pattern.Canvas());
  patternCanvas.FillRect(TRect(0, 0, 2, 2), clRed);
  patternCanvas.FillRect(TRect(0, 0, 1, 1), clBlue);

  TPaintSurface surface(30, 10, clWhite);
  painter.FillBackground(surface.Canvas.get(), TRect(0, 0, 10, 10), &pattern, clLime, false);
  painter.FillBackground(surface.Canvas.get(), TRect(10, 0, 20, 10), &pattern, clLime, true);
  painter.FillBackground(surface.Canvas.get(), TRect(20, 0, 30, 10), nullptr, clLime, true);
  EXPECT_EQ(100, surface.CountOf(clLime));
  EXPECT_EQ(25, surface.CountOf(clBlue));
  EXPECT_EQ(75, surface.CountOf(clRed));
  EXPECT_EQ(clBlue, surface.Pixel(10, 0));
  EXPECT_EQ(100, surface.CountOf(clWhite));
}

TEST(RootPainter, CellBackgroundAndText) {
  TRootPainter painter;
  TFont font;
  font.SetName(L"Tahoma");
  font.SetHeight(-11);
  const TRect cell(0, 0, 60, 20);
  struct TCase {
    const char* Name;
    String Text;
    bool HandlerPaints;
    bool Filled, HasText;
  } cases[] = {
      {"empty text fills only", L"", false, true, false},
      {"text over the fill", L"Cell", false, true, true},
      {"the handler painted the background", L"Cell", true, false, true},
  };
  for (const TCase& c : cases) {
    TPaintSurface surface(60, 20, clWhite);
    int handlerCalls = 0;
    const TcxDrawBackgroundEvent handler = [&](TcxCanvas*, const TRect& R) {
      ++handlerCalls;
      EXPECT_EQ(cell, R);
      return c.HandlerPaints;
    };
    painter.DrawCellBackgroundAndText(surface.Canvas.get(), cell, TRect(2, 2, 58, 18), cxbsNormal, taCenter,
                                      vaCenter, false, false, c.Text, &font, clBlue, clYellow, handler, false);
    EXPECT_EQ(1, handlerCalls) << c.Name;
    EXPECT_EQ(c.Filled, surface.Pixel(0, 0) == clYellow) << c.Name;
    const TRect ink = surface.BoundsOfPixelsOtherThan(c.Filled ? clYellow : clWhite);
    EXPECT_EQ(c.HasText, !ink.IsEmpty()) << c.Name;
    if (c.HasText) {
      EXPECT_NEAR(30, (ink.Left + ink.Right) / 2, 2) << c.Name;
      EXPECT_EQ(bsSolid, surface.Canvas->Brush()->Style()) << c.Name;
    }
  }
}

TEST(RootPainter, PicturesAreLoadedOnceFromTheResources) {
  TRootPainter painter;
  struct TCase {
    const char* Name;
    TdxSmartImage* (TRootPainter::*Image)();
    TSize Size;
  } cases[] = {
      {"back button", &TRootPainter::BackButtonImage, TSize(30, 120)},
      {"map pushpin", &TRootPainter::MapPushpinImage, TSize(35, 44)},
      {"clock face", &TRootPainter::ClockFaceImage, TSize(130, 130)},
      {"clock glass", &TRootPainter::ClockGlassImage, TSize(130, 130)},
      {"rating indicator", &TRootPainter::RatingControlIndicatorImage, TSize(15, 48)},
  };
  for (const TCase& c : cases) {
    TdxSmartImage* image = (painter.*c.Image)();
    ASSERT_NE(nullptr, image) << c.Name;
    EXPECT_EQ(c.Size, image->Size()) << c.Name;
    EXPECT_TRUE(image->IsAlphaUsed()) << c.Name;
    EXPECT_EQ(image, (painter.*c.Image)()) << c.Name;
  }
}

TEST(RootPainter, DetailsNameTheLookAndCarryItsIcons) {
  struct TNamedPainter : TcxCustomLookAndFeelPainter {
    String LookAndFeelName() override { return L"UltraFlat"; }
  };
  TcxCustomLookAndFeelPainter root;
  TNamedPainter named;
  struct TCase {
    TcxCustomLookAndFeelPainter* Painter;
    String Name;
    bool HasIcons;
  } cases[] = {{&root, L"", false}, {&named, L"UltraFlat", true}};
  for (const TCase& c : cases) {
    TdxSkinDetails* details = nullptr;
    ASSERT_TRUE(c.Painter->GetPainterDetails(details));
    ASSERT_NE(nullptr, details);
    EXPECT_EQ(c.Name, details->Name());
    EXPECT_EQ(c.Name, details->DisplayName());
    EXPECT_EQ(L"Built-In Look && Feel Styles", details->GroupName());
    EXPECT_EQ(c.HasIcons ? TSize(16, 16) : TSize(), details->GetIcon(sis16)->Size());
    EXPECT_EQ(c.HasIcons ? TSize(48, 48) : TSize(), details->GetIcon(sis48)->Size());
    // Built once: a second call answers the same object.
    TdxSkinDetails* again = nullptr;
    c.Painter->GetPainterDetails(again);
    EXPECT_EQ(details, again);
  }
}
