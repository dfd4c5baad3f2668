// The UltraFlat and Office11 painters: what they draw differently from the
// root painter and from each other, pixel by pixel on 32-bit bitmaps; the
// Office11 painter's hand-over to a registered Native painter; and their
// registration at start-up.
#include <gtest/gtest.h>

#include <memory>

#include "PainterFamilies.h"
#include "PaintersFixture.h"
#include "PixelCases.h"
#include "components/core/dxOffice11.h"
#include "components/lookandfeel/cxLookAndFeelPainters.h"
#include "components/lookandfeel/cxLookAndFeels.h"

namespace {

// The painters with their protected operations reachable.
struct TUltraFlatAccess : TcxUltraFlatLookAndFeelPainter {
  using TcxUltraFlatLookAndFeelPainter::DrawSchedulerNavigationButtonFrame;
};
struct TOffice11Access : TcxOffice11LookAndFeelPainter {
  using TcxOffice11LookAndFeelPainter::DrawCellBackgroundAndText;
  using TcxOffice11LookAndFeelPainter::DrawSchedulerNavigationButtonFrame;
};

TUltraFlatAccess* UltraFlat() {
  static TUltraFlatAccess painter;
  return &painter;
}
TOffice11Access* Office11() {
  static TOffice11Access painter;
  return &painter;
}

TColor Entry(int AIndex) { return dxOffice11Colors[AIndex]; }

const TcxViewParams YellowView{nullptr, clYellow, nullptr, clBlack};

}  // namespace

TEST(UltraFlatOffice11Painters, SizesAndColoursDifferFromTheRoot) {
  TcxCustomLookAndFeelPainter root;
  struct TCase {
    const char* Name;
    int (*Value)(TcxCustomLookAndFeelPainter*);
    int UltraFlat, Office11;
  };
  using P = TcxCustomLookAndFeelPainter*;
  const TCase cases[] = {
      {"border", [](P p) { return p->BorderSize(); }, 1, 1},
      {"separator", [](P p) { return p->SeparatorSize(); }, 1, 2},
      {"default button border", [](P p) { return p->ButtonBorderSize(cxbsDefault); }, 2, 2},
      {"button border", [](P p) { return p->ButtonBorderSize(cxbsHot); }, 1, 1},
      {"button text offset", [](P p) { return p->ButtonTextOffset(); }, 2, 2},
      {"button text shift", [](P p) { return p->ButtonTextShift(); }, 0, 0},
      {"hot-tracked buttons", [](P p) { return int(p->IsButtonHotTrack()); }, 1, 1},
      {"symbol state", [](P p) { return int(p->ButtonSymbolState(cxbsDisabled)); }, int(cxbsNormal), int(cxbsNormal)},
      {"expand button", [](P p) { return p->ExpandButtonSize(); }, cxScaleByCurrentDPI(11), cxScaleByCurrentDPI(11)},
      {"small expand button", [](P p) { return p->SmallExpandButtonSize(); }, root.SmallExpandButtonSize(),
       cxScaleByCurrentDPI(11)},
      {"expand button first", [](P p) { return int(p->DrawExpandButtonFirst()); }, 1, 0},
      {"hot-tracked headers", [](P p) { return int(p->IsHeaderHotTrack()); }, int(root.IsHeaderHotTrack()), 1},
      {"grid borders overlap", [](P p) { return p->GridBordersOverlapSize(); }, 1, 0},
      {"footer cell offset", [](P p) { return p->FooterCellOffset(); }, 2, 2},
      {"tab border", [](P p) { return p->TabBorderSize(true); }, 1, 1},
      {"navigator border", [](P p) { return p->NavigatorBorderSize(); }, 1, 1},
      {"navigator border overlap", [](P p) { return int(p->NavigatorBorderOverlap()); }, 1, 1},
      {"redraw on resize", [](P p) { return int(p->NeedRedrawOnResize()); }, int(root.NeedRedrawOnResize()), 1},
      {"sorting mark width", [](P p) { return p->SortingMarkSize().X; }, cxScaleByCurrentDPI(7),
       cxScaleByCurrentDPI(7)},
      {"summary mark height", [](P p) { return p->SummarySortingMarkSize().Y; }, cxScaleByCurrentDPI(9),
       cxScaleByCurrentDPI(9)},
      {"filter close button height", [](P p) { return p->FilterCloseButtonSize().Y; },
       root.FilterCloseButtonSize().Y + 1, root.FilterCloseButtonSize().Y + 1},
      {"horizontal splitter height", [](P p) { return int(p->GetSplitterSize(true).cy); }, 1, 1},
      {"vertical splitter width", [](P p) { return int(p->GetSplitterSize(false).cx); }, 1, 1},
      {"bevel shape", [](P p) { return int(p->GetBevelMinimalShapeSize(dxbsBox).cx); }, 1, 2},
      {"hot button", [](P p) { return int(p->ButtonColor(cxbsHot)); }, int(cxSystemTintColor2()), int(Entry(42))},
      {"pressed button", [](P p) { return int(p->ButtonColor(cxbsPressed)); }, int(cxSystemTintColor1()),
       int(Entry(44))},
      {"normal button", [](P p) { return int(p->ButtonColor(cxbsNormal)); }, int(root.ButtonColor(cxbsNormal)),
       int(Entry(0))},
      {"normal symbol", [](P p) { return int(p->ButtonSymbolColor(cxbsNormal)); },
       int(root.ButtonSymbolColor(cxbsNormal)), int(Entry(51))},
      {"disabled symbol", [](P p) { return int(p->ButtonSymbolColor(cxbsDisabled)); },
       int(root.ButtonSymbolColor(cxbsDisabled)), int(Entry(52))},
      {"hot radio body", [](P p) { return int(p->RadioButtonBodyColor(cxbsHot)); }, int(cxSystemTintColor2()),
       int(Entry(42))},
      {"normal radio body", [](P p) { return int(p->RadioButtonBodyColor(cxbsNormal)); }, int(clWindow), int(clWindow)},
      {"hot check box", [](P p) { return int(p->CheckButtonColor(cxbsHot, cbsChecked)); },
       int(root.CheckButtonColor(cxbsHot, cbsChecked)), int(Entry(42))},
      {"checked toggle", [](P p) { return int(p->ToggleSwitchToggleColor(true)); }, int(RGB(51, 153, 255)),
       int(RGB(51, 153, 255))},
      {"scheduler border", [](P p) { return int(p->DefaultSchedulerBorderColor()); }, int(clBtnShadow), int(Entry(60))},
      {"footer separator", [](P p) { return int(p->FooterSeparatorColor()); }, int(root.FooterSeparatorColor()),
       int(Entry(20))},
      {"highlighted splitter", [](P p) { return int(p->GetSplitterOuterColor(true)); }, int(clHighlight),
       int(Entry(41))},
      {"splitter", [](P p) { return int(p->GetSplitterOuterColor(false)); }, int(root.GetSplitterOuterColor(false)),
       int(Entry(20))},
      {"list item text", [](P p) { return int(p->DropDownListBoxItemTextColor(true)); }, int(clMenuText),
       int(clMenuText)},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(c.UltraFlat, c.Value(UltraFlat()));
    EXPECT_EQ(c.Office11, c.Value(Office11()));
  }
  TcxUltraFlatLookAndFeelPainter* ultraFlat = UltraFlat();
  TcxUltraFlatLookAndFeelPainter* office11 = Office11();
  const struct {
    const char* Name;
    TColor UltraFlat, Office11, ExpectedUltraFlat, ExpectedOffice11;
  } lookColours[] = {
      {"normal state frame", ultraFlat->StateFrameColor(cxbsNormal), office11->StateFrameColor(cxbsNormal), clBtnShadow,
       Entry(20)},
      {"hot state frame", ultraFlat->StateFrameColor(cxbsHot), office11->StateFrameColor(cxbsHot), clHighlight,
       Entry(41)},
      {"shadow edge", ultraFlat->ShadowEdgeColor(), office11->ShadowEdgeColor(), clBtnShadow, Entry(20)},
      {"button text", ultraFlat->ButtonTextSystemColor(), office11->ButtonTextSystemColor(), clBtnText, clBtnText},
      {"border highlight", ultraFlat->BorderHighlightColor(), office11->BorderHighlightColor(), clHighlight, Entry(41)},
  };
  for (const auto& c : lookColours) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(c.ExpectedUltraFlat, c.UltraFlat);
    EXPECT_EQ(c.ExpectedOffice11, c.Office11);
  }
}

// The Office11 default colours come from the colour set as it is when asked.
TEST(UltraFlatOffice11Painters, Office11DefaultColoursFollowTheColourSet) {
  TcxOffice11LookAndFeelPainter* p = Office11();
  const TColor top = cxBlendTwoColors(Entry(2), Entry(3), 50);
  const struct {
    const char* Name;
    TColor Actual, Expected;
  } cases[] = {
      {"header", p->DefaultHeaderColor(), top},
      {"header top", p->HeaderTopColor(), top},
      {"header bottom", p->HeaderBottomColor(), Entry(3)},
      {"header highlight", p->HeaderHighlightColor(), Entry(21)},
      {"footer", p->DefaultFooterColor(), Entry(0)},
      {"footer text", p->DefaultFooterTextColor(), p->DefaultHeaderTextColor()},
      {"group", p->DefaultGroupColor(), Entry(58)},
      {"group-by box", p->DefaultGroupByBoxColor(), Entry(55)},
      {"group-by box text", p->DefaultGroupByBoxTextColor(), Entry(2)},
      {"header background", p->DefaultHeaderBackgroundColor(), Entry(55)},
      {"filter box", p->DefaultFilterBoxColor(), Entry(24)},
      {"filter box text", p->DefaultFilterBoxTextColor(), Entry(28)},
      {"date navigator header", p->DefaultDateNavigatorHeaderColor(), Entry(0)},
      {"date navigator selection", p->DefaultDateNavigatorSelectionColor(), Entry(59)},
      {"date navigator selection text", p->DefaultDateNavigatorSelectionTextColor(), clWindowText},
      {"scheduler control", p->DefaultSchedulerControlColor(), Entry(61)},
      {"time grid selection bar", p->DefaultTimeGridSelectionBarColor(), Entry(61)},
      {"time grid minor scale", p->DefaultTimeGridMinorScaleColor(), Entry(0)},
      {"tab", p->DefaultTabColor(), Entry(1)},
      {"tabs background", p->DefaultTabsBackgroundColor(), Entry(1)},
      {"splitter inner", p->GetSplitterInnerColor(false), Entry(21)},
      {"breadcrumb background", p->BreadcrumbEditBackgroundColor(dxbcsHot), top},
  };
  for (const auto& c : cases) EXPECT_EQ(c.Expected, c.Actual) << c.Name;
  TColor shade1, shade2;
  p->GetBevelShapeColors(shade1, shade2);
  EXPECT_EQ(Entry(20), shade1);
  EXPECT_EQ(Entry(21), shade2);
  UltraFlat()->GetBevelShapeColors(shade1, shade2);
  EXPECT_EQ(clBtnShadow, shade1);
  EXPECT_EQ(clNone, shade2);
}

// A pressed Office11 symbol is the highlight text colour in the classic
// look, entry 51 under a standard XP colour scheme.
TEST(UltraFlatOffice11Painters, PressedSymbolFollowsTheScheme) {
  EXPECT_EQ(clHighlightText, UltraFlat()->ButtonSymbolColor(cxbsPressed));
  EXPECT_EQ(clHighlightText, Office11()->ButtonSymbolColor(cxbsPressed));
  dxOffice11InitColorsForScheme(1);
  ASSERT_TRUE(dxOffice11SchemeIsXPStandard()) << "Wine's visual styles are on";
  EXPECT_EQ(Entry(51), Office11()->ButtonSymbolColor(cxbsPressed));
  dxOffice11InitColors();
}

// Frames, fills and lines of both looks, pixel by pixel.
TEST(UltraFlatOffice11Painters, FramesAndFillsInEachState) {
  TcxCustomLookAndFeelPainter* u = UltraFlat();
  TOffice11Access* o = Office11();
  const TRect r(2, 2, 30, 20);
  const TColor lightShadow = [] {
    const uint32_t c = ColorToRGB(clBtnShadow);
    const auto lighter = [](int AChannel) { return AChannel + (255 - AChannel) / 3; };
    return TColor(RGB(lighter(GetRValue(c)), lighter(GetGValue(c)), lighter(GetBValue(c))));
  }();
  CheckPixelCases({
      {"UltraFlat border", [&](TcxCanvas* c) { u->DrawBorder(c, r); }, {{2, 2, clBtnShadow}, {3, 3, PixelCasePaper}}},
      {"Office11 border", [&](TcxCanvas* c) { o->DrawBorder(c, r); }, {{29, 19, Entry(57)}, {3, 3, PixelCasePaper}}},
      {"Office11 separator",
       [&](TcxCanvas* c) { o->DoDrawSeparator(c, TRect(2, 2, 20, 4), false); },
       {{2, 2, Entry(20)}, {3, 3, Entry(21)}, {19, 3, Entry(21)}, {19, 2, PixelCasePaper}, {2, 3, PixelCasePaper}}},
      {"UltraFlat default button",
       [&](TcxCanvas* c) { u->DrawButton(c, r, L"", cxbsDefault); },
       {{2, 2, clWindowFrame}, {3, 3, clWindowFrame}, {4, 4, u->ButtonColor(cxbsDefault)}}},
      {"UltraFlat normal button",
       [&](TcxCanvas* c) { u->DrawButton(c, r, L"", cxbsNormal); },
       {{2, 2, clBtnText}, {3, 3, u->ButtonColor(cxbsNormal)}}},
      {"UltraFlat hot button",
       [&](TcxCanvas* c) { u->DrawButton(c, r, L"", cxbsHot); },
       {{2, 2, clHighlight}, {3, 3, cxSystemTintColor2()}}},
      {"UltraFlat disabled button",
       [&](TcxCanvas* c) { u->DrawButton(c, r, L"", cxbsDisabled); },
       {{2, 2, clBtnShadow}}},
      {"Office11 hot button",
       [&](TcxCanvas* c) { o->DrawButton(c, r, L"", cxbsHot); },
       {{2, 2, Entry(41)}, {3, 3, Entry(42)}}},
      {"Office11 disabled button",
       [&](TcxCanvas* c) { o->DrawButton(c, r, L"", cxbsDisabled); },
       {{2, 2, Entry(52)}, {3, 3, clBtnFace}}},
      {"UltraFlat expand button",
       [&](TcxCanvas* c) { u->DrawExpandButton(c, TRect(2, 2, 13, 13), false); },
       {{2, 2, clBtnShadow}, {12, 12, clBtnShadow}, {4, 4, clBtnFace}, {7, 7, clBtnText}, {7, 5, clBtnText}}},
      {"UltraFlat check border",
       [&](TcxCanvas* c) { u->DrawCheckBorder(c, TRect(2, 2, 15, 15), cxbsHot); },
       {{2, 2, clBtnText}, {3, 3, u->CheckButtonColor(cxbsHot, cbsChecked)}}},
      {"UltraFlat header, left and top open",
       [&](TcxCanvas* c) {
         u->DrawHeaderBorder(c, r, {}, {bRight, bBottom});
       },
       {{2, 10, PixelCasePaper}, {10, 2, PixelCasePaper}, {29, 10, clBtnText}, {10, 19, clBtnText}}},
      {"UltraFlat header, no borders asked",
       [&](TcxCanvas* c) { u->DrawHeaderBorder(c, r, {nRight}, {}); },
       {{2, 10, PixelCasePaper}, {29, 10, clBtnText}, {10, 19, clBtnText}}},
      {"UltraFlat disabled section",
       [&](TcxCanvas* c) { u->DrawHeaderControlSectionBorder(c, r, cxBordersAll, cxbsDisabled); },
       {{2, 2, clBtnShadow}, {29, 19, clBtnShadow}}},
      {"UltraFlat hot section",
       [&](TcxCanvas* c) {
         u->DrawHeaderControlSection(c, r, r, {}, cxBordersAll, cxbsHot, taLeftJustify, vaTop, false, false, L"",
                                     nullptr, clBlack, clYellow);
       },
       {{2, 2, clBlack}, {10, 10, cxSystemTintColor2()}}},
      {"UltraFlat normal section",
       [&](TcxCanvas* c) {
         u->DrawHeaderControlSection(c, r, r, {}, cxBordersAll, cxbsNormal, taLeftJustify, vaTop, false, false, L"",
                                     nullptr, clBlack, clYellow);
       },
       {{10, 10, clYellow}}},
      {"UltraFlat footer border",
       [&](TcxCanvas* c) { u->DrawFooterBorder(c, r); },
       {{2, 10, PixelCasePaper},
        {10, 2, PixelCasePaper},
        {29, 10, u->FooterSeparatorColor()},
        {10, 19, u->FooterSeparatorColor()}}},
      {"UltraFlat hot filter button",
       [&](TcxCanvas* c) { u->DrawFilterDropDownButton(c, TRect(2, 2, 18, 18), cxbsHot, false); },
       {{2, 2, clHighlight}, {3, 3, cxSystemTintColor2()}}},
      {"Office11 normal filter button",
       [&](TcxCanvas* c) { o->DrawFilterDropDownButton(c, TRect(2, 2, 18, 18), cxbsNormal, false); },
       {{2, 2, Entry(20)}, {3, 3, Entry(0)}}},
      {"UltraFlat right of a horizontal tab",
       [&](TcxCanvas* c) { u->DrawTabBorder(c, TRect(24, 5, 25, 20), bRight, {}, false); },
       {{24, 5, clBtnText}, {24, 18, clBtnText}, {24, 19, PixelCasePaper}}},
      {"UltraFlat bottom of a vertical tab",
       [&](TcxCanvas* c) { u->DrawTabBorder(c, TRect(5, 19, 25, 20), bBottom, {}, true); },
       {{5, 19, clBtnText}, {24, 19, clBtnText}}},
      {"Office11 top of a horizontal tab",
       [&](TcxCanvas* c) { o->DrawTabBorder(c, TRect(5, 5, 25, 7), bTop, {}, false); },
       {{5, 5, Entry(20)}, {5, 6, PixelCasePaper}}},
      {"UltraFlat tabs root",
       [&](TcxCanvas* c) { u->DrawTabsRoot(c, r, {bTop}, false); },
       {{10, 2, clBtnShadow}, {2, 10, PixelCasePaper}}},
      {"UltraFlat hot scroll arrow",
       [&](TcxCanvas* c) { u->DrawScrollBarPart(c, false, TRect(2, 2, 18, 18), sbpLineUp, cxbsHot); },
       {{2, 2, clHighlight}, {3, 3, cxSystemTintColor2()}}},
      {"UltraFlat horizontal splitter",
       [&](TcxCanvas* c) { u->DrawSchedulerSplitterBorder(c, TRect(5, 5, 30, 11), YellowView, true); },
       {{5, 5, clBtnShadow}, {29, 10, clBtnShadow}, {4, 6, clYellow}, {30, 9, clYellow}, {3, 7, PixelCasePaper}}},
      {"UltraFlat normal navigator button",
       [&](TcxCanvas* c) { u->DrawNavigatorButton(c, r, cxbsNormal, clYellow); },
       {{2, 2, clYellow}, {3, 3, u->ButtonColor(cxbsNormal)}}},
      {"UltraFlat hot navigator button",
       [&](TcxCanvas* c) { u->DrawNavigatorButton(c, r, cxbsHot, clYellow); },
       {{2, 2, clHighlight}, {3, 3, cxSystemTintColor2()}}},
      {"UltraFlat selected navigator border",
       [&](TcxCanvas* c) { u->DrawNavigatorBorder(c, r, true); },
       {{2, 2, clHighlight}}},
      {"UltraFlat disabled group box",
       [&](TcxCanvas* c) { u->DrawGroupBoxFrame(c, r, false, cxgpTop, cxBordersAll); },
       {{2, 2, clBtnShadow}}},
      {"UltraFlat checked toggle",
       [&](TcxCanvas* c) { u->DrawToggleSwitchState(c, r, cxbsNormal, true); },
       {{2, 2, clBlack}, {29, 19, clBlack}, {10, 10, TColor(RGB(51, 153, 255))}}},
      {"UltraFlat unchecked toggle",
       [&](TcxCanvas* c) { u->DrawToggleSwitchState(c, r, cxbsNormal, false); },
       {{2, 2, TColor(RGB(160, 160, 160))}, {10, 10, TColor(RGB(200, 200, 200))}}},
      {"UltraFlat toggle thumb",
       [&](TcxCanvas* c) { u->DrawToggleSwitchThumb(c, r, cxbsNormal); },
       {{4, 4, clBlack}, {27, 17, clBlack}}},
      {"UltraFlat track", [&](TcxCanvas* c) { u->DrawTrackBarTrackBounds(c, r); }, {{2, 2, clWindowText}}},
      {"Office11 track", [&](TcxCanvas* c) { o->DrawTrackBarThumbBorderBoth(c, r); }, {{2, 2, clBtnText}}},
      {"UltraFlat print preview", [&](TcxCanvas* c) { u->DrawPrintPreviewBackground(c, r); }, {{10, 10, lightShadow}}},
      {"UltraFlat list with borders",
       [&](TcxCanvas* c) { u->DrawDropDownListBoxBackground(c, r, true); },
       {{2, 2, clBtnShadow}, {3, 3, clBtnHighlight}, {4, 4, clWindow}}},
      {"UltraFlat list without borders",
       [&](TcxCanvas* c) { u->DrawDropDownListBoxBackground(c, r, false); },
       {{2, 2, clWindow}}},
      {"Office11 list with borders",
       [&](TcxCanvas* c) { o->DrawDropDownListBoxBackground(c, r, true); },
       {{2, 2, Entry(38)}, {3, 3, Entry(39)}, {4, 4, Entry(31)}}},
      {"UltraFlat list selection",
       [&](TcxCanvas* c) { u->DrawDropDownListBoxSelection(c, r, TRect()); },
       {{2, 2, clHighlight}, {10, 10, cxMixSystemLightColor(-2, 30, 72)}}},
      {"Office11 list selection",
       [&](TcxCanvas* c) { o->DrawDropDownListBoxSelection(c, r, TRect()); },
       {{10, 10, Entry(42)}}},
      {"UltraFlat list separator",
       [&](TcxCanvas* c) { u->DrawDropDownListBoxSeparator(c, TRect(2, 2, 40, 12), TRect(2, 2, 10, 12)); },
       {{13, 6, PixelCasePaper}, {14, 6, clBtnShadow}, {39, 6, clBtnShadow}, {20, 7, PixelCasePaper}}},
      {"Office11 list separator",
       [&](TcxCanvas* c) { o->DrawDropDownListBoxSeparator(c, TRect(2, 2, 40, 12), TRect(2, 2, 10, 12)); },
       {{17, 6, PixelCasePaper}, {18, 6, Entry(20)}}},
      {"UltraFlat gutter", [&](TcxCanvas* c) { u->DrawDropDownListBoxGutterBackground(c, r); }, {{10, 10, clBtnFace}}},
      {"Office11 alert window",
       [&](TcxCanvas* c) { o->DrawAlertWindowBackground(c, r); },
       {{2, 2, Entry(57)}, {10, 3, Entry(1)}}},
      {"Office11 layout control", [&](TcxCanvas* c) { o->DrawLayoutControlBackground(c, r); }, {{10, 2, Entry(2)}}},
      {"Office11 month header",
       [&](TcxCanvas* c) { o->DrawMonthHeader(c, r, L"", {}, YellowView, {}, 0, nullptr); },
       {{2, 2, PixelCasePaper}, {3, 3, clYellow}, {28, 18, clYellow}, {29, 19, PixelCasePaper}}},
      {"Office11 date header",
       [&](TcxCanvas* c) {
         TRect header = r;
         o->DrawDateNavigatorDateHeader(c, header);
       },
       {{2, 2, Entry(0)}, {29, 19, Entry(0)}}},
      {"Office11 scheduler border",
       [&](TcxCanvas* c) { o->DrawSchedulerBorder(c, r); },
       {{2, 2, Entry(60)}, {3, 3, PixelCasePaper}}},
  });
}

// Scheduler navigation buttons and breadcrumb buttons by state: the side
// facing the view stays open; the first and last breadcrumb lose their
// outer sides.
TEST(UltraFlatOffice11Painters, NavigationAndBreadcrumbButtons) {
  TUltraFlatAccess* u = UltraFlat();
  TOffice11Access* o = Office11();
  const TRect r(2, 2, 30, 20), arrow(12, 8, 18, 14);
  CheckPixelCases({
      {"UltraFlat next",
       [&](TcxCanvas* c) { u->DrawSchedulerNavigationButtonFrame(c, r, arrow, true, cxbsNormal); },
       {{2, 10, clBtnText}, {10, 2, clBtnText}, {29, 10, clBtnFace}, {5, 5, clBtnFace}}},
      {"UltraFlat hot previous",
       [&](TcxCanvas* c) { u->DrawSchedulerNavigationButtonFrame(c, r, arrow, false, cxbsHot); },
       {{29, 10, clBtnShadow}, {2, 10, clBtnFace}}},
      {"Office11 hot next",
       [&](TcxCanvas* c) { o->DrawSchedulerNavigationButtonFrame(c, r, arrow, true, cxbsHot); },
       {{2, 10, Entry(60)}, {29, 10, Entry(42)}, {5, 5, Entry(42)}}},
      {"UltraFlat normal breadcrumb",
       [&](TcxCanvas* c) { u->DrawBreadcrumbEditButton(c, r, dxbcbsNormal, false, false); },
       {{2, 10, PixelCasePaper}, {10, 10, PixelCasePaper}}},
      {"UltraFlat hot breadcrumb",
       [&](TcxCanvas* c) { u->DrawBreadcrumbEditButton(c, r, dxbcbsHot, false, false); },
       {{2, 10, clHighlight}, {29, 10, clHighlight}, {10, 2, cxSystemTintColor2()}, {10, 10, cxSystemTintColor2()}}},
      {"UltraFlat first hot breadcrumb",
       [&](TcxCanvas* c) { u->DrawBreadcrumbEditButton(c, r, dxbcbsHot, true, false); },
       {{2, 10, cxSystemTintColor2()}, {29, 10, clHighlight}}},
      {"UltraFlat only hot breadcrumb",
       [&](TcxCanvas* c) { u->DrawBreadcrumbEditButton(c, r, dxbcbsHot, true, true); },
       {{2, 10, cxSystemTintColor2()}, {29, 10, cxSystemTintColor2()}}},
      {"UltraFlat focused breadcrumb",
       [&](TcxCanvas* c) { u->DrawBreadcrumbEditButton(c, r, dxbcbsFocused, false, false); },
       {{2, 10, clBtnShadow}, {10, 10, u->ButtonColor(cxbsNormal)}}},
      {"UltraFlat normal drop-down outside an editor",
       [&](TcxCanvas* c) { u->DrawBreadcrumbEditDropDownButton(c, r, dxbcbsNormal, false); },
       {{10, 10, PixelCasePaper}}},
      {"UltraFlat normal drop-down in an editor",
       [&](TcxCanvas* c) { u->DrawBreadcrumbEditDropDownButton(c, r, dxbcbsNormal, true); },
       {{2, 10, u->ButtonColor(cxbsNormal)}, {10, 10, u->ButtonColor(cxbsNormal)}}},
      {"Office11 normal drop-down in an editor",
       [&](TcxCanvas* c) { o->DrawBreadcrumbEditDropDownButton(c, r, dxbcbsNormal, true); },
       {{2, 10, Entry(38)}, {10, 10, o->HeaderTopColor()}, {29, 10, o->HeaderTopColor()}}},
      {"UltraFlat breadcrumb borders",
       [&](TcxCanvas* c) { u->DrawBreadcrumbEditBorders(c, r, {bTop}, dxbcsFocused); },
       {{10, 2, clHighlight}, {2, 10, PixelCasePaper}}},
      {"Office11 button area separator",
       [&](TcxCanvas* c) { o->DrawBreadcrumbEditButtonAreaSeparator(c, r, dxbcsHot); },
       {{2, 10, Entry(57)}, {29, 10, PixelCasePaper}}},
  });
  EXPECT_EQ(TRect(cxScaleByCurrentDPI(2), cxScaleByCurrentDPI(3), cxScaleByCurrentDPI(3), cxScaleByCurrentDPI(3)),
            u->BreadcrumbEditButtonContentOffsets(true, false));
  EXPECT_EQ(TRect(cxScaleByCurrentDPI(3), cxScaleByCurrentDPI(3), cxScaleByCurrentDPI(2), cxScaleByCurrentDPI(3)),
            u->BreadcrumbEditButtonContentOffsets(false, true));
}

// The Office11 header border is two-toned; where neighbours meet, the
// corners take the gradient's colours.
TEST(UltraFlatOffice11Painters, Office11HeaderBorderJoinsItsNeighbours) {
  TcxOffice11LookAndFeelPainter* o = Office11();
  const TColor F = o->HeaderTopColor(), D = o->HeaderBottomColor(), S = o->HeaderShadowColor(),
               L = o->HeaderHighlightColor();
  const TRect r(2, 2, 30, 20);
  const auto border = [&](TcxNeighbors ANeighbors, TcxBorders ABorders = cxBordersAll) {
    return [=](TcxCanvas* c) { o->DrawHeaderBorder(c, r, ANeighbors, ABorders); };
  };
  CheckPixelCases({
      {"alone",
       border({}),
       {{10, 2, F},
        {10, 19, S},
        {2, 3, L},
        {2, 4, L},
        {2, 17, L},
        {2, 18, D},
        {29, 2, cxBlendTwoColors(F, S, 50)},
        {29, 3, S},
        {29, 17, S},
        {29, 18, cxBlendTwoColors(D, S, 50)}}},
      {"neighbours on both sides",
       border({nLeft, nRight}),
       {{2, 3, F},
        {2, 4, L},
        {2, 16, L},
        {2, 17, cxBlendTwoColors(F, D, 25)},
        {2, 18, D},
        {29, 2, F},
        {29, 3, F},
        {29, 4, S},
        {29, 16, S},
        {29, 17, cxBlendTwoColors(F, D, 25)},
        {29, 18, D}}},
      {"top and bottom only", border({}, {bTop, bBottom}), {{10, 2, F}, {10, 19, S}, {2, 10, PixelCasePaper}}},
  });
  EXPECT_TRUE(o->HeaderBorders({nLeft, nTop}) == cxBordersAll);
  EXPECT_TRUE(UltraFlat()->HeaderBorders({nLeft, nTop}) == TcxBorders({bRight, bBottom}));
}

// Header and footer cells: the header gradient, a solid footer, and under a
// hot cell a bar that stays inside the cell.
TEST(UltraFlatOffice11Painters, Office11CellBackgroundsAndTheHotBar) {
  TOffice11Access* o = Office11();
  const TRect r(4, 4, 40, 20);
  const auto cell = [&](TcxButtonState AState, bool AIsFooter, TcxDrawBackgroundEvent AHandler = nullptr) {
    return [=](TcxCanvas* c) {
      o->DrawCellBackgroundAndText(c, r, r, AState, taLeftJustify, vaTop, false, false, L"", nullptr, clBlack, clYellow,
                                   AHandler, AIsFooter);
    };
  };
  const TColor top = o->HeaderTopColor();
  CheckPixelCases({
      {"header", cell(cxbsNormal, false), {{10, 4, top}, {10, 15, top}, {3, 10, PixelCasePaper}}},
      {"footer", cell(cxbsNormal, true), {{10, 4, top}, {10, 19, top}}},
      {"hot header", cell(cxbsHot, false), {{10, 4, Entry(2)}, {10, 16, Entry(2)}, {10, 17, Entry(42)}}},
      {"hot header with its own background",
       cell(cxbsHot, false, [](TcxCanvas*, const TRect&) { return true; }),
       {{10, 4, PixelCasePaper}, {10, 16, PixelCasePaper}, {10, 17, Entry(42)}}},
  });
  for (bool footer : {false, true}) {
    auto surface = DrawnSurface(cell(cxbsHot, footer));
    EXPECT_EQ(r, surface->BoundsOfPixelsOtherThan(PixelCasePaper)) << "nothing outside the cell";
  }
  // A layout-view caption is a cell too: solid on top, the gradient elsewhere.
  for (TcxGroupBoxCaptionPosition position : {cxgpTop, cxgpLeft}) {
    auto caption =
        DrawnSurface([&](TcxCanvas* c) { o->LayoutViewDrawRecordCaption(c, r, TRect(), position, cxbsHot); });
    const TRect drawn = caption->BoundsOfPixelsOtherThan(PixelCasePaper);
    EXPECT_TRUE(drawn.Left >= r.Left && drawn.Top >= r.Top && drawn.Right <= r.Right && drawn.Bottom <= r.Bottom);
  }
}

// The expand button's corners fade into what lies under it, in a copy: the
// look's shared bitmaps keep their own pixels.
TEST(UltraFlatOffice11Painters, Office11ExpandButtonBlendsItsCornersIntoTheBackground) {
  TcxOffice11LookAndFeelPainter* o = Office11();
  TBitmap* shared = dxOffice11ExpandButtonBitmap(false);
  ASSERT_TRUE(shared && !shared->Empty()) << "the program carries the look's bitmaps";
  const auto sharedCorner = [&] { return static_cast<TColor>(GetPixel(shared->Canvas()->Handle(), 0, 0)); };
  const TColor before = sharedCorner();
  for (TColor background : {clWhite, clBlack}) {
    SCOPED_TRACE(static_cast<int>(background));
    TPaintSurface surface(20, 20, background);
    o->DrawExpandButton(surface.Canvas.get(), TRect(2, 2, 13, 13), false);
    EXPECT_EQ(cxBlendTwoColors(dxOffice11ExpandButtonColor1, background, 25), surface.Pixel(2, 2));
    for (const TPoint& corner : {TPoint(12, 12), TPoint(2, 12), TPoint(12, 2)})
      EXPECT_EQ(cxBlendTwoColors(dxOffice11ExpandButtonColor2, background, 25), surface.Pixel(corner.X, corner.Y));
    EXPECT_EQ(clBlack, surface.Pixel(7, 5)) << "the plus sign";
    EXPECT_EQ(background, surface.Pixel(13, 13));
    EXPECT_EQ(before, sharedCorner());
  }
  TPaintSurface surface(20, 20, clWhite);
  o->DrawSmallExpandButton(surface.Canvas.get(), TRect(2, 2, 13, 13), true, clRed);
  EXPECT_NE(clBlack, surface.Pixel(7, 5)) << "the minus sign";
  EXPECT_EQ(clBlack, surface.Pixel(5, 7));
}

// With a Native painter registered the Office11 look hands scroll bars,
// scheduler navigator buttons and (themes on) group boxes to it; without
// one it draws them as the UltraFlat look does. The registered stand-in
// draws as the root does.
class Office11NativeHandOver : public PaintersTest {};

TEST_F(Office11NativeHandOver, DrawsAsTheNativePainterWhileOneIsRegistered) {
  TcxCustomLookAndFeelPainter root;
  TcxCustomLookAndFeelPainter* office11 = Office11();
  const TRect r(2, 2, 30, 20);
  using TDraw = std::function<void(TcxCustomLookAndFeelPainter*, TcxCanvas*)>;
  const TDraw elements[] = {
      [&](TcxCustomLookAndFeelPainter* p, TcxCanvas* c) { p->DrawScrollBarPart(c, true, r, sbpLineUp, cxbsHot); },
      [&](TcxCustomLookAndFeelPainter* p, TcxCanvas* c) {
        p->DrawScrollBarPart(c, false, r, sbpThumbnail, cxbsNormal);
      },
      [&](TcxCustomLookAndFeelPainter* p, TcxCanvas* c) { p->DrawSchedulerNavigatorButton(c, r, cxbsHot); },
      [&](TcxCustomLookAndFeelPainter* p, TcxCanvas* c) { p->DrawGroupBoxFrame(c, r, true, cxgpTop, cxBordersAll); },
  };
  const auto drawn = [&](TcxCustomLookAndFeelPainter* APainter, const TDraw& ADraw) {
    return DrawnSurface([&](TcxCanvas* c) { ADraw(APainter, c); });
  };
  for (const TDraw& draw : elements) EXPECT_TRUE(SamePixels(*drawn(office11, draw), *drawn(&root, draw)));
  EXPECT_EQ(root.GroupBoxTextColor(true, cxgpTop), office11->GroupBoxTextColor(true, cxgpTop));
  ASSERT_TRUE(PaintersManager->Unregister(L"Native"));
  const auto element = [&](int AIndex) { return [&, AIndex](TcxCanvas* c) { elements[AIndex](office11, c); }; };
  CheckPixelCases({
      {"hot scroll arrow", element(0), {{2, 2, Entry(41)}, {3, 3, Entry(42)}}},
      {"thumb", element(1), {{2, 2, clBtnText}, {3, 3, Entry(0)}}},
      {"hot navigator button", element(2), {{2, 2, Entry(41)}, {3, 3, Entry(42)}}},
      {"group box", element(3), {{2, 2, clHighlight}, {29, 19, clHighlight}, {3, 3, PixelCasePaper}}},
  });
}

TEST(UltraFlatOffice11Painters, RegisteredAtStartUpForTheirKinds) {
  const struct {
    TcxLookAndFeelKind Kind;
    const wchar_t* Name;
    TcxLookAndFeelStyle Style;
  } cases[] = {{lfUltraFlat, L"UltraFlat", lfsUltraFlat}, {lfOffice11, L"Office11", lfsOffice11}};
  for (const auto& c : cases) {
    TcxCustomLookAndFeelPainter* registered = PaintersManager->GetPainter(c.Name);
    ASSERT_NE(nullptr, registered);
    EXPECT_EQ(c.Style, registered->LookAndFeelStyle());
    TcxLookAndFeel lookAndFeel(nullptr);
    lookAndFeel.SetNativeStyle(false);
    lookAndFeel.SetKind(c.Kind);
    EXPECT_EQ(registered, lookAndFeel.Painter());
  }
  EXPECT_NE(nullptr, dynamic_cast<TcxOffice11LookAndFeelPainter*>(PaintersManager->GetPainter(lfsOffice11)));
  EXPECT_EQ(nullptr, dynamic_cast<TcxOffice11LookAndFeelPainter*>(PaintersManager->GetPainter(lfsUltraFlat)));
}
