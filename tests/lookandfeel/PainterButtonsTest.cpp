// The root painter's arrows, borders, separators, buttons, expand buttons
// and command links, pixel by pixel on 32-bit bitmaps.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "components/lookandfeel/cxLookAndFeelPainters.h"
#include "tests/graphics/PaintSurface.h"

namespace {

struct TRootPainter : TcxCustomLookAndFeelPainter {
  using TcxCustomLookAndFeelPainter::DrawExpandSign;
};

// A descendant with a border, a pressed shift and a visible separator, to
// see that the composite drawings call them.
struct TFramedPainter : TcxCustomLookAndFeelPainter {
  int ButtonBorderSize(TcxButtonState AState) override { return 2; }
  void DrawButtonBorder(TcxCanvas* ACanvas, const TRect& R, TcxButtonState AState) override {
    BorderStates.push_back(AState);
    ACanvas->FrameRect(R, clRed, 2);
  }
  TColor ButtonColor(TcxButtonState AState) override { return AState == cxbsHot ? clYellow : clAqua; }
  int ButtonTextShift() override { return 1; }
  int SeparatorSize() override { return 2; }
  std::vector<TcxButtonState> BorderStates;
};

// The pixels of ABounds as rows of characters: each colour of the legend
// as its character, any other colour as AOther.
std::vector<std::string> PixelRows(TPaintSurface& ASurface, const TRect& ABounds,
                                   const std::vector<std::pair<TColor, char>>& ALegend, char AOther = '.') {
  std::vector<std::string> rows;
  for (int y = ABounds.Top; y < ABounds.Bottom; ++y) {
    std::string row;
    for (int x = ABounds.Left; x < ABounds.Right; ++x) {
      const TColor pixel = ASurface.Pixel(x, y);
      const auto entry = std::find_if(ALegend.begin(), ALegend.end(), [&](const auto& e) { return e.first == pixel; });
      row += entry != ALegend.end() ? entry->second : AOther;
    }
    rows.push_back(row);
  }
  return rows;
}

bool SamePixels(TPaintSurface& A, TPaintSurface& B) {
  for (int y = 0; y < A.Bitmap.Height(); ++y)
    for (int x = 0; x < A.Bitmap.Width(); ++x)
      if (A.Pixel(x, y) != B.Pixel(x, y)) return false;
  return true;
}

// A background no system colour is likely to match.
constexpr TColor Paper = TColor(0x5A3C1E);

const std::vector<TcxButtonState> AllButtonStates{cxbsDefault, cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled};

}  // namespace

// ---------------------------------------------------------------- metrics

TEST(RootPainterButtons, Metrics) {
  TcxCustomLookAndFeelPainter painter;
  EXPECT_EQ(0, painter.BorderSize());
  EXPECT_EQ(0, painter.SeparatorSize());
  EXPECT_EQ(0, painter.ButtonBorderSize());
  EXPECT_EQ(0, painter.ButtonTextOffset());
  EXPECT_EQ(0, painter.ButtonTextShift());
  EXPECT_EQ(15, painter.GetDropDownButtonRightPartSize());
  EXPECT_FALSE(painter.IsButtonHotTrack());
  EXPECT_EQ(0, painter.ExpandButtonSize());
  EXPECT_EQ(cxScaleByCurrentDPI(15), painter.GroupExpandButtonSize());
  EXPECT_EQ(9, painter.SmallExpandButtonSize());
  EXPECT_TRUE(painter.DrawExpandButtonFirst());
  EXPECT_EQ(TSize(20, 20), painter.GetCommandLinkGlyphSize());
  EXPECT_EQ(TRect(7, 10, 7, 10), painter.GetCommandLinkMargins());

  EXPECT_EQ(TRect(4, 4, 16, 16), painter.ButtonFocusRect(nullptr, TRect(0, 0, 20, 20)));
  EXPECT_EQ(TRect(0, 0, 8, 8), painter.ButtonFocusRect(nullptr, TRect(0, 0, 8, 8)));
  EXPECT_EQ(TRect(0, 0, 8, 30), painter.ButtonFocusRect(nullptr, TRect(0, 0, 8, 30)));
  EXPECT_EQ(TRect(4, 4, 5, 26), painter.ButtonFocusRect(nullptr, TRect(0, 0, 9, 30)));

  const TRect button(10, 10, 20, 20);
  EXPECT_TRUE(painter.IsPointOverGroupExpandButton(button, TPoint(10, 10)));
  EXPECT_TRUE(painter.IsPointOverGroupExpandButton(button, TPoint(19, 19)));
  EXPECT_FALSE(painter.IsPointOverGroupExpandButton(button, TPoint(20, 15)));
  EXPECT_FALSE(painter.IsPointOverGroupExpandButton(button, TPoint(15, 20)));
}

TEST(RootPainterButtons, ButtonColoursByState) {
  TcxCustomLookAndFeelPainter painter;
  for (TcxButtonState state : AllButtonStates) {
    const bool disabled = state == cxbsDisabled;
    const int index = static_cast<int>(state);
    EXPECT_EQ(clBtnFace, painter.ButtonColor(state)) << index;
    EXPECT_EQ(state, painter.ButtonSymbolState(state)) << index;
    EXPECT_EQ(disabled ? clBtnShadow : clBtnText, painter.ButtonSymbolColor(state)) << index;
    EXPECT_EQ(disabled ? clBtnShadow : clRed, painter.ButtonSymbolColor(state, clRed)) << index;
    EXPECT_EQ(disabled ? clBtnShadow : clRed, painter.DefaultCommandLinkTextColor(state, clRed)) << index;
    EXPECT_EQ(clRed, painter.ButtonDescriptionTextColor(state, clRed)) << index;
  }
}

// ---------------------------------------------------------------- arrows

TEST(RootPainterButtons, ArrowPoints) {
  TcxCustomLookAndFeelPainter painter;
  struct TCase {
    const char* Name;
    TRect R;
    TcxArrowDirection Direction;
    bool Proportional;
    int Size;
    TcxArrowPoints Expected;
  } cases[] = {
      {"down", TRect(0, 0, 16, 16), adDown, false, 0, {TPoint(10, 6), TPoint(7, 9), TPoint(4, 6)}},
      {"up", TRect(0, 0, 16, 16), adUp, false, 0, {TPoint(4, 9), TPoint(7, 6), TPoint(10, 9)}},
      {"left", TRect(0, 0, 16, 16), adLeft, false, 0, {TPoint(9, 11), TPoint(6, 8), TPoint(9, 5)}},
      {"right", TRect(0, 0, 16, 16), adRight, false, 0, {TPoint(6, 5), TPoint(9, 8), TPoint(6, 11)}},
      // Proportional: computed in the centred 10 x 10 square (10, 0, 20, 10).
      {"proportional down", TRect(0, 0, 30, 10), adDown, true, 0, {TPoint(16, 4), TPoint(14, 6), TPoint(12, 4)}},
      {"proportional right", TRect(0, 0, 10, 30), adRight, true, 0, {TPoint(3, 13), TPoint(5, 15), TPoint(3, 17)}},
      // Not proportional, the wide rectangle sizes an up arrow by its width.
      {"wide up", TRect(0, 0, 30, 10), adUp, false, 0, {TPoint(7, 8), TPoint(14, 1), TPoint(21, 8)}},
      // An explicit size is kept, also when larger than the rectangle.
      {"explicit down", TRect(0, 0, 4, 4), adDown, false, 5, {TPoint(6, -1), TPoint(1, 3), TPoint(-2, -1)}},
  };
  for (const TCase& c : cases) {
    TcxArrowPoints points;
    painter.CalculateArrowPoints(c.R, points, c.Direction, c.Proportional, c.Size);
    for (int i = 0; i < 3; ++i)
      EXPECT_EQ(c.Expected[i], points[i]) << c.Name << " P[" << i << "] = " << points[i].X << "," << points[i].Y;
  }
}

TEST(RootPainterButtons, ButtonArrowByState) {
  TcxCustomLookAndFeelPainter painter;
  for (TcxButtonState state : AllButtonStates)
    for (bool border : {false, true}) {
      TPaintSurface surface(16, 16, Paper);
      painter.DrawArrow(surface.Canvas.get(), TRect(0, 0, 16, 16), state, adDown, border);
      const TColor ink = SysRGB(state == cxbsDisabled ? clBtnShadow : clBtnText);
      const std::string name = std::to_string(static_cast<int>(state)) + (border ? " bordered" : "");
      EXPECT_EQ(SysRGB(clBtnFace), surface.Pixel(0, 0)) << name;
      EXPECT_EQ(SysRGB(clBtnFace), surface.Pixel(15, 15)) << name;
      EXPECT_EQ(TRect(4, 6, 11, 10), surface.BoundsOfPixelsOtherThan(SysRGB(clBtnFace))) << name;
      EXPECT_EQ(16, surface.CountOf(ink)) << name;  // rows of 7, 5, 3 and 1
    }
}

TEST(RootPainterButtons, ProportionalArrowInAColour) {
  TcxCustomLookAndFeelPainter painter;
  TPaintSurface surface(30, 10, Paper);
  painter.DrawArrow(surface.Canvas.get(), TRect(0, 0, 30, 10), adDown, clNavy);
  EXPECT_EQ(TRect(12, 4, 17, 7), surface.BoundsOfPixelsOtherThan(Paper));
  EXPECT_EQ(9, surface.CountOf(clNavy));
}

TEST(RootPainterButtons, ScrollBarArrowByState) {
  TcxCustomLookAndFeelPainter root;
  TFramedPainter shifting;  // its pressed arrows move a pixel right and down
  struct TCase {
    TcxCustomLookAndFeelPainter* Painter;
    TcxButtonState State;
    TColor Ink;
    TRect Bounds;
  } cases[] = {
      {&root, cxbsNormal, clBtnText, TRect(4, 6, 11, 10)},
      {&root, cxbsHot, clBtnText, TRect(4, 6, 11, 10)},
      {&root, cxbsPressed, clBtnText, TRect(4, 6, 11, 10)},
      {&shifting, cxbsPressed, clBtnText, TRect(5, 7, 12, 11)},
      {&shifting, cxbsNormal, clBtnText, TRect(4, 6, 11, 10)},
      // Embossed: the light copy shows one pixel right of and below the shadow.
      {&root, cxbsDisabled, clBtnShadow, TRect(4, 6, 12, 11)},
  };
  for (const TCase& c : cases) {
    TPaintSurface surface(16, 16, Paper);
    c.Painter->DrawScrollBarArrow(surface.Canvas.get(), TRect(0, 0, 16, 16), c.State, adDown);
    const std::string name = std::to_string(static_cast<int>(c.State));
    EXPECT_EQ(c.Bounds, surface.BoundsOfPixelsOtherThan(Paper)) << name;
    EXPECT_EQ(16, surface.CountOf(SysRGB(c.Ink))) << name;
    if (c.State == cxbsDisabled) {
      EXPECT_EQ(SysRGB(clBtnHighlight), surface.Pixel(8, 10)) << "below the tip";
      EXPECT_EQ(SysRGB(clBtnHighlight), surface.Pixel(11, 7)) << "right of the top row";
      EXPECT_EQ(SysRGB(clBtnShadow), surface.Pixel(7, 9)) << "the tip";
    }
  }
}

TEST(RootPainterButtons, CollapseArrowIsTwoChevrons) {
  TcxCustomLookAndFeelPainter painter;
  struct TCase {
    int LineWidth;
    std::vector<std::string> Rows;  // x 1..7, y 2..6 of a 9 x 9 rectangle
  } cases[] = {
      {1, {".......", "..#.#..", ".#.#...", "..#.#..", "......."}},
      {2, {".......", ".##..##", "##..##.", ".##..##", "......."}},
  };
  for (const TCase& c : cases) {
    TPaintSurface surface(9, 9, Paper);
    painter.DrawCollapseArrow(surface.Canvas.get(), TRect(0, 0, 9, 9), clBlack, c.LineWidth);
    EXPECT_EQ(c.Rows, PixelRows(surface, TRect(1, 2, 8, 7), {{clBlack, '#'}})) << c.LineWidth;
  }
}

// ---------------------------------------------------------------- borders and separators

TEST(RootPainterButtons, ContainerBorderByStyle) {
  TcxCustomLookAndFeelPainter painter;
  const TcxBorders leftTop{bLeft, bTop};
  struct TCase {
    TcxContainerBorderStyle Style;
    TcxBorders Borders;
    // Pixels along the diagonal of a 12 x 12 frame, and at its right and
    // bottom edges (middle of each).
    TColor Outer, Second, Third, OuterRight, SecondRight;
  } cases[] = {
      {cbsNone, cxBordersAll, Paper, Paper, Paper, Paper, Paper},
      {cbsSingle, leftTop, clRed, clRed, Paper, clRed, clRed},
      {cbsThick, cxBordersAll, clRed, clRed, Paper, clRed, clRed},
      {cbsFlat, cxBordersAll, SysRGB(clBtnShadow), SysRGB(clBtnFace), Paper, SysRGB(clBtnHighlight),
       SysRGB(clBtnFace)},
      {cbsFlat, leftTop, SysRGB(clBtnShadow), SysRGB(clBtnFace), Paper, Paper, SysRGB(clBtnFace)},
      {cbs3D, cxBordersAll, SysRGB(clBtnShadow), SysRGB(cl3DDkShadow), Paper, SysRGB(clBtnHighlight),
       SysRGB(cl3DLight)},
      {cbs3D, leftTop, SysRGB(clBtnShadow), SysRGB(cl3DDkShadow), Paper, Paper, Paper},
      {cbsUltraFlat, cxBordersAll, Paper, Paper, Paper, Paper, Paper},
      {cbsOffice11, cxBordersAll, Paper, Paper, Paper, Paper, Paper},
  };
  for (const TCase& c : cases) {
    TPaintSurface surface(12, 12, Paper);
    painter.DrawContainerBorder(surface.Canvas.get(), TRect(0, 0, 12, 12), c.Style, 2, clRed, c.Borders);
    const std::string name = std::to_string(static_cast<int>(c.Style)) + "/" + (c.Borders == cxBordersAll ? "all" : "left-top");
    EXPECT_EQ(c.Outer, surface.Pixel(0, 6)) << name;
    EXPECT_EQ(c.Outer, surface.Pixel(6, 0)) << name;
    EXPECT_EQ(c.Second, surface.Pixel(1, 6)) << name;
    EXPECT_EQ(c.Third, surface.Pixel(2, 6)) << name;
    EXPECT_EQ(c.OuterRight, surface.Pixel(11, 6)) << name;
    EXPECT_EQ(c.OuterRight, surface.Pixel(6, 11)) << name;
    EXPECT_EQ(c.SecondRight, surface.Pixel(10, 6)) << name;
  }
}

TEST(RootPainterButtons, Separators) {
  TcxCustomLookAndFeelPainter root;
  TFramedPainter framed;
  const TColor shadow = SysRGB(clBtnShadow), light = SysRGB(clBtnHighlight);

  TPaintSurface direct(6, 6, Paper);
  root.DoDrawSeparator(direct.Canvas.get(), TRect(1, 1, 5, 5), true);
  EXPECT_EQ((std::vector<std::string>{"SSS.", "SLLL", "SLLL", ".LLL"}),
            PixelRows(direct, TRect(1, 1, 5, 5), {{shadow, 'S'}, {light, 'L'}}));

  // The root's separator is zero wide: nothing shows.
  TPaintSurface none(10, 20, Paper);
  root.DrawSeparator(none.Canvas.get(), TRect(0, 0, 10, 20), true);
  EXPECT_EQ(TRect(), none.BoundsOfPixelsOtherThan(Paper));

  // Two pixels wide across the middle, vertical and horizontal.
  TPaintSurface vertical(10, 20, Paper);
  framed.DrawSeparator(vertical.Canvas.get(), TRect(0, 0, 10, 20), true);
  EXPECT_EQ(TRect(4, 0, 6, 20), vertical.BoundsOfPixelsOtherThan(Paper));
  EXPECT_EQ(shadow, vertical.Pixel(4, 5));
  EXPECT_EQ(light, vertical.Pixel(5, 5));
  TPaintSurface horizontal(20, 10, Paper);
  framed.DrawSeparator(horizontal.Canvas.get(), TRect(0, 0, 20, 10), false);
  EXPECT_EQ(TRect(0, 4, 20, 6), horizontal.BoundsOfPixelsOtherThan(Paper));
}

// ---------------------------------------------------------------- buttons

TEST(RootPainterButtons, ButtonFaceAndCaptionByState) {
  TcxCustomLookAndFeelPainter painter;
  for (TcxButtonState state : AllButtonStates) {
    TPaintSurface surface(60, 20, Paper);
    surface.Canvas->Font()->SetName(L"Tahoma");
    surface.Canvas->Font()->SetHeight(-11);
    painter.DrawButton(surface.Canvas.get(), TRect(0, 0, 60, 20), L"&OK", state);
    const std::string name = std::to_string(static_cast<int>(state));
    EXPECT_EQ(SysRGB(clBtnFace), surface.Pixel(0, 0)) << name;
    EXPECT_EQ(SysRGB(clBtnFace), surface.Pixel(59, 19)) << name;
    const TRect ink = surface.BoundsOfPixelsOtherThan(SysRGB(clBtnFace));
    EXPECT_FALSE(ink.IsEmpty()) << name;
    EXPECT_NEAR(30, (ink.Left + ink.Right) / 2, 2) << name;
    EXPECT_NEAR(10, (ink.Top + ink.Bottom) / 2, 2) << name;
    if (state == cxbsDisabled) {
      // Greyed: the light copy of the text and its shadow, no text colour.
      EXPECT_GT(surface.CountOf(SysRGB(clBtnHighlight)), 0) << name;
      EXPECT_GT(surface.CountOf(SysRGB(clBtnShadow)), 0) << name;
    } else
      EXPECT_GT(surface.CountOf(SysRGB(clBtnText)), 0) << name;
    EXPECT_EQ(bsSolid, surface.Canvas->Brush()->Style()) << name;
  }
}

TEST(RootPainterButtons, ButtonOwnColoursAndEmptyCaption) {
  TcxCustomLookAndFeelPainter painter;
  TPaintSurface surface(40, 20, Paper);
  painter.DrawButton(surface.Canvas.get(), TRect(0, 0, 40, 20), L"", cxbsNormal, true, clLime, clRed);
  EXPECT_EQ(800, surface.CountOf(clLime));

  TPaintSurface captioned(40, 20, Paper);
  painter.DrawButton(captioned.Canvas.get(), TRect(0, 0, 40, 20), L"Ab", cxbsNormal, true, clLime, clRed);
  EXPECT_GT(captioned.CountOf(clRed), 0);
}

TEST(RootPainterButtons, ButtonCaptionTakesAnEvenHeightRaisedInShortButtons) {
  TcxCustomLookAndFeelPainter painter;
  // The caption's ink top for a button of the height, drawn at y = 10.
  const auto inkTop = [&](int AHeight) {
    TPaintSurface surface(40, 40, SysRGB(clBtnFace));
    surface.Canvas->Font()->SetName(L"Tahoma");
    surface.Canvas->Font()->SetHeight(-11);
    painter.DrawButton(surface.Canvas.get(), TRect(0, 10, 40, 10 + AHeight), L"H", cxbsNormal);
    return surface.BoundsOfPixelsOtherThan(SysRGB(clBtnFace)).Top;
  };
  // 16 grows a pixel at the top, 17 loses its last row and moves up: the
  // same caption rectangle (9, 26) for both.
  EXPECT_EQ(inkTop(16), inkTop(17));
  // 18 and up keep their top; 19 loses its last row like 17.
  EXPECT_EQ(inkTop(18), inkTop(19));
  EXPECT_EQ(inkTop(20), inkTop(21));
  EXPECT_EQ(inkTop(18) + 1, inkTop(20));
}

TEST(RootPainterButtons, ButtonBorderIsDrawnThroughTheVirtualBorder) {
  TFramedPainter painter;
  TPaintSurface surface(30, 20, Paper);
  painter.DrawButton(surface.Canvas.get(), TRect(0, 0, 30, 20), L"", cxbsHot);
  EXPECT_EQ(std::vector<TcxButtonState>{cxbsHot}, painter.BorderStates);
  EXPECT_EQ(clRed, surface.Pixel(1, 1));
  EXPECT_EQ(clYellow, surface.Pixel(2, 2));
  EXPECT_EQ(clRed, surface.Pixel(28, 18));

  // Without a border the face takes the whole rectangle.
  TPaintSurface plain(30, 20, Paper);
  painter.DrawButton(plain.Canvas.get(), TRect(0, 0, 30, 20), L"", cxbsNormal, false);
  EXPECT_EQ(600, plain.CountOf(clAqua));

  // Arrow borders and command-link backgrounds are buttons too.
  TPaintSurface arrow(16, 16, Paper);
  painter.DrawArrow(arrow.Canvas.get(), TRect(0, 0, 16, 16), cxbsHot, adUp);
  EXPECT_EQ(clRed, arrow.Pixel(0, 0));
  EXPECT_EQ(clYellow, arrow.Pixel(2, 2));
  TPaintSurface link(30, 20, Paper);
  painter.DrawCommandLinkBackground(link.Canvas.get(), TRect(0, 0, 30, 20), cxbsNormal, clLime);
  EXPECT_EQ(clRed, link.Pixel(0, 0));
  EXPECT_EQ(clLime, link.Pixel(2, 2));
}

// ---------------------------------------------------------------- expand buttons

TEST(RootPainterButtons, ExpandMarkIsTwoChevronsUpOrDown) {
  const std::vector<std::string> up{
      "...#...", "..###..", ".##.##.", "##...##", "...#...", "..###..", ".##.##.", "##...##",
  };
  TcxCustomLookAndFeelPainter painter;
  for (bool expanded : {true, false}) {
    TPaintSurface surface(11, 12, Paper);
    painter.DrawExpandMark(surface.Canvas.get(), TRect(0, 0, 11, 12), clBlack, expanded);
    // Expanded it points up in rows 2 to 9; collapsed it is the same
    // picture upside down in rows 3 to 10.
    std::vector<std::string> expected = up;
    if (!expanded) std::reverse(expected.begin(), expected.end());
    const int top = expanded ? 2 : 3;
    EXPECT_EQ(expected, PixelRows(surface, TRect(2, top, 9, top + 8), {{clBlack, '#'}})) << expanded;
    EXPECT_EQ(TRect(2, top, 9, top + 8), surface.BoundsOfPixelsOtherThan(Paper)) << expanded;
  }
}

TEST(RootPainterButtons, SmallExpandButtonAndSign) {
  TRootPainter painter;
  struct TCase {
    bool Expanded;
    TColor Fill;
  } cases[] = {{false, clDefault}, {true, clDefault}, {false, clYellow}, {true, clYellow}};
  for (const TCase& c : cases) {
    TPaintSurface surface(9, 9, Paper);
    painter.DrawSmallExpandButton(surface.Canvas.get(), TRect(0, 0, 9, 9), c.Expanded, clNavy, c.Fill);
    const TColor inside = c.Fill == clDefault ? Paper : clYellow;
    const std::vector<std::string> rows =
        PixelRows(surface, TRect(0, 0, 9, 9), {{clNavy, 'B'}, {SysRGB(clBtnText), '#'}, {inside, '.'}}, '?');
    const std::vector<std::string> plus{"BBBBBBBBB", "B.......B", "B...#...B", "B...#...B", "B.#####.B",
                                        "B...#...B", "B...#...B", "B.......B", "BBBBBBBBB"};
    std::vector<std::string> minus = plus;
    for (int y : {2, 3, 5, 6}) minus[y] = "B.......B";
    EXPECT_EQ(c.Expanded ? minus : plus, rows) << c.Expanded << " " << c.Fill;
  }

  // The sign alone, in a wider rectangle: bars of width - 4 rounded to odd.
  TPaintSurface sign(14, 14, Paper);
  painter.DrawExpandSign(sign.Canvas.get(), TRect(2, 2, 14, 14), false, clBlack);
  EXPECT_EQ(TRect(4, 4, 13, 13), sign.BoundsOfPixelsOtherThan(Paper));
  EXPECT_EQ(17, sign.CountOf(clBlack));
}

TEST(RootPainterButtons, GroupExpandButtonIsAButtonWithTheMark) {
  TcxCustomLookAndFeelPainter painter;
  for (TcxButtonState state : AllButtonStates)
    for (bool expanded : {true, false}) {
      TPaintSurface surface(15, 15, Paper);
      painter.DrawGroupExpandButton(surface.Canvas.get(), TRect(0, 0, 15, 15), expanded, state);
      TPaintSurface expected(15, 15, Paper);
      expected.Canvas->FillRect(TRect(0, 0, 15, 15), clBtnFace);
      painter.DrawExpandMark(expected.Canvas.get(), TRect(0, 0, 15, 15), painter.ButtonSymbolColor(state), expanded);
      EXPECT_TRUE(SamePixels(expected, surface)) << static_cast<int>(state) << " " << expanded;
    }
}

TEST(RootPainterButtons, RotatedExpandButtonTurnsTheMark) {
  TcxCustomLookAndFeelPainter painter;
  const TRect r(0, 0, 15, 15);
  for (TcxButtonState state : {cxbsNormal, cxbsDisabled})
    for (bool expanded : {true, false}) {
      TPaintSurface upright(15, 15, Paper);
      painter.DrawGroupExpandButton(upright.Canvas.get(), r, expanded, state);
      std::map<TcxRotationAngle, std::unique_ptr<TPaintSurface>> turned;
      for (TcxRotationAngle angle : {ra0, raPlus90, raMinus90, ra180}) {
        turned[angle] = std::make_unique<TPaintSurface>(15, 15, Paper);
        painter.DrawExpandButtonEx(turned[angle]->Canvas.get(), r, state, expanded, angle);
      }
      const std::string name = std::to_string(static_cast<int>(state)) + (expanded ? " expanded" : " collapsed");
      EXPECT_TRUE(SamePixels(upright, *turned[ra0])) << name;
      for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 15; ++x) {
          const TColor p = upright.Pixel(x, y);
          // A quarter turn either way maps rows to columns; half a turn
          // maps the picture onto itself upside down and mirrored.
          ASSERT_EQ(p, turned[raPlus90]->Pixel(y, 14 - x)) << name << " +90 at " << x << "," << y;
          ASSERT_EQ(p, turned[raMinus90]->Pixel(14 - y, x)) << name << " -90 at " << x << "," << y;
          ASSERT_EQ(p, turned[ra180]->Pixel(14 - x, 14 - y)) << name << " 180 at " << x << "," << y;
        }
    }
}

// ---------------------------------------------------------------- command links

TEST(RootPainterButtons, CommandLinkGlyphTakesTheFrameOfItsState) {
  TcxCustomLookAndFeelPainter painter;
  struct TCase {
    TcxButtonState State;
    TColor Arrow;
  } cases[] = {
      {cxbsNormal, TColor(0x3C8228)}, {cxbsDefault, TColor(0x3C8228)}, {cxbsPressed, TColor(0x3C8228)},
      {cxbsHot, TColor(0x50B428)},
  };
  for (const TCase& c : cases) {
    TPaintSurface surface(30, 30, Paper);
    painter.DrawCommandLinkGlyph(surface.Canvas.get(), TPoint(5, 4), c.State);
    EXPECT_EQ(c.Arrow, surface.Pixel(5 + 6, 4 + 10)) << static_cast<int>(c.State);
    EXPECT_EQ(Paper, surface.Pixel(5 + 1, 4 + 1)) << static_cast<int>(c.State);
    const TRect ink = surface.BoundsOfPixelsOtherThan(Paper);
    EXPECT_GE(ink.Left, 5);
    EXPECT_GE(ink.Top, 4);
    EXPECT_LE(ink.Right, 25);
    EXPECT_LE(ink.Bottom, 24);
  }
}
