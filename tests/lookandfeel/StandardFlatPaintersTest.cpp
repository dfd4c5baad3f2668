// The Standard and Flat painters: what they draw differently from the root
// painter, pixel by pixel on 32-bit bitmaps, and their registration at
// start-up.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "PainterFamilies.h"
#include "PixelCases.h"
#include "components/lookandfeel/cxLookAndFeelPainters.h"
#include "components/lookandfeel/cxLookAndFeels.h"
#include "tests/graphics/PaintSurface.h"

namespace {

// A background no system colour is likely to match.
constexpr TColor Paper = TColor(0x5A3C1E);

// The colours of a frame's corners: outer left-top and right-bottom, then
// the same one pixel inside.
struct TFrameCorners {
  TColor OuterLeftTop, OuterRightBottom, InnerLeftTop, InnerRightBottom;
};

TFrameCorners CornersOf(TPaintSurface& ASurface, const TRect& R) {
  return {ASurface.Pixel(R.Left, R.Top), ASurface.Pixel(R.Right - 1, R.Bottom - 1),
          ASurface.Pixel(R.Left + 1, R.Top + 1), ASurface.Pixel(R.Right - 2, R.Bottom - 2)};
}

using TDrawFrame = void (*)(TcxCustomLookAndFeelPainter*, TcxCanvas*, const TRect&);

struct TFrameCase {
  const char* Name;
  TcxCustomLookAndFeelPainter* (*Painter)();
  TDrawFrame Draw;
  TColor OuterLeftTop, OuterRightBottom, InnerLeftTop, InnerRightBottom;
};

TcxCustomLookAndFeelPainter* StandardPainter() {
  static TcxStandardLookAndFeelPainter painter;
  return &painter;
}
TcxCustomLookAndFeelPainter* FlatPainter() {
  static TcxFlatLookAndFeelPainter painter;
  return &painter;
}

template <TcxButtonState State>
void DrawButtonBorderIn(TcxCustomLookAndFeelPainter* P, TcxCanvas* C, const TRect& R) {
  P->DrawButtonBorder(C, R, State);
}
template <TcxButtonState State>
void DrawSectionBorderIn(TcxCustomLookAndFeelPainter* P, TcxCanvas* C, const TRect& R) {
  P->DrawHeaderControlSectionBorder(C, R, cxBordersAll, State);
}
template <TdxBreadcrumbEditButtonState State>
void DrawBreadcrumbButtonIn(TcxCustomLookAndFeelPainter* P, TcxCanvas* C, const TRect& R) {
  P->DrawBreadcrumbEditButton(C, R, State, false, false);
}
void DrawBorder(TcxCustomLookAndFeelPainter* P, TcxCanvas* C, const TRect& R) { P->DrawBorder(C, R); }
void DrawTrackBounds(TcxCustomLookAndFeelPainter* P, TcxCanvas* C, const TRect& R) { P->DrawTrackBarTrackBounds(C, R); }
void DrawThumbBoth(TcxCustomLookAndFeelPainter* P, TcxCanvas* C, const TRect& R) {
  P->DrawTrackBarThumbBorderBoth(C, R);
}
void DrawCheckBorder(TcxCustomLookAndFeelPainter* P, TcxCanvas* C, const TRect& R) {
  P->DrawCheckBorder(C, R, cxbsNormal);
}
void DrawFooterBorder(TcxCustomLookAndFeelPainter* P, TcxCanvas* C, const TRect& R) { P->DrawFooterBorder(C, R); }
void DrawFooterCellBorder(TcxCustomLookAndFeelPainter* P, TcxCanvas* C, const TRect& R) {
  P->DrawFooterCellBorder(C, R);
}
void DrawGroupBox(TcxCustomLookAndFeelPainter* P, TcxCanvas* C, const TRect& R) {
  P->DrawGroupBoxFrame(C, R, true, cxgpTop, cxBordersAll);
}

// A pressed Standard button frame is black with a shadow inside; the Flat
// one is a single sunken line, so its inner corners keep the paper.
const TFrameCase FrameCases[] = {
    {"Standard border", StandardPainter, DrawBorder, clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight},
    {"Flat border", FlatPainter, DrawBorder, clBtnShadow, clBtnHighlight, Paper, Paper},
    {"Standard normal button", StandardPainter, DrawButtonBorderIn<cxbsNormal>, clBtnHighlight, cl3DDkShadow, cl3DLight,
     clBtnShadow},
    {"Standard hot button", StandardPainter, DrawButtonBorderIn<cxbsHot>, clBtnHighlight, cl3DDkShadow, cl3DLight,
     clBtnShadow},
    {"Standard default button", StandardPainter, DrawButtonBorderIn<cxbsDefault>, clBlack, clBlack, clBtnHighlight,
     cl3DDkShadow},
    {"Standard pressed button", StandardPainter, DrawButtonBorderIn<cxbsPressed>, clBlack, clBlack, clBtnShadow,
     clBtnShadow},
    {"Flat normal button", FlatPainter, DrawButtonBorderIn<cxbsNormal>, clBtnHighlight, clBtnShadow, Paper, Paper},
    {"Flat default button", FlatPainter, DrawButtonBorderIn<cxbsDefault>, clBlack, clBlack, clBtnHighlight,
     clBtnShadow},
    {"Flat pressed button", FlatPainter, DrawButtonBorderIn<cxbsPressed>, clBtnShadow, clBtnHighlight, Paper, Paper},
    {"Standard section", StandardPainter, DrawSectionBorderIn<cxbsNormal>, clBtnHighlight, cl3DDkShadow, cl3DLight,
     clBtnShadow},
    {"Standard pressed section", StandardPainter, DrawSectionBorderIn<cxbsPressed>, clBtnShadow, clBtnShadow, Paper,
     Paper},
    {"Flat section", FlatPainter, DrawSectionBorderIn<cxbsNormal>, clBtnHighlight, clBtnShadow, Paper, Paper},
    {"Flat pressed section", FlatPainter, DrawSectionBorderIn<cxbsPressed>, clBtnShadow, clBtnHighlight, Paper, Paper},
    {"Standard track", StandardPainter, DrawTrackBounds, clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight},
    {"Flat track", FlatPainter, DrawTrackBounds, clBtnShadow, clBtnHighlight, clBtnFace, clBtnFace},
    {"Standard thumb", StandardPainter, DrawThumbBoth, clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnShadow},
    {"Flat thumb", FlatPainter, DrawThumbBoth, clBtnHighlight, clBtnShadow, Paper, Paper},
    {"Standard check", StandardPainter, DrawCheckBorder, cl3DDkShadow, cl3DLight, clBtnShadow, clBtnHighlight},
    {"Standard footer", StandardPainter, DrawFooterBorder, clBtnHighlight, clBtnShadow, Paper, Paper},
    {"Flat footer cell", FlatPainter, DrawFooterCellBorder, clBtnShadow, clBtnHighlight, Paper, Paper},
    {"Standard pressed breadcrumb", StandardPainter, DrawBreadcrumbButtonIn<dxbcbsPressed>, clBtnShadow, clBtnHighlight,
     Paper, Paper},
    {"Standard hot breadcrumb", StandardPainter, DrawBreadcrumbButtonIn<dxbcbsHot>, clBtnHighlight, clBtnShadow, Paper,
     Paper},
    {"Standard normal breadcrumb", StandardPainter, DrawBreadcrumbButtonIn<dxbcbsNormal>, Paper, Paper, Paper, Paper},
    {"Standard group box", StandardPainter, DrawGroupBox, clBtnShadow, clBtnHighlight, clBtnHighlight, clBtnShadow},
    {"Flat group box", FlatPainter, DrawGroupBox, clBtnShadow, clBtnShadow, clBtnHighlight, clBtnHighlight},
};

}  // namespace

TEST(StandardFlatPainters, FramesDrawTheirEdgeColoursInEachState) {
  for (const TFrameCase& c : FrameCases) {
    SCOPED_TRACE(c.Name);
    TPaintSurface surface(20, 20, Paper);
    const TRect r(2, 2, 18, 18);
    c.Draw(c.Painter(), surface.Canvas.get(), r);
    const TFrameCorners corners = CornersOf(surface, r);
    EXPECT_EQ(SysRGB(c.OuterLeftTop), corners.OuterLeftTop);
    EXPECT_EQ(SysRGB(c.OuterRightBottom), corners.OuterRightBottom);
    EXPECT_EQ(SysRGB(c.InnerLeftTop), corners.InnerLeftTop);
    EXPECT_EQ(SysRGB(c.InnerRightBottom), corners.InnerRightBottom);
    EXPECT_EQ(Paper, surface.Pixel(0, 0)) << "drawn outside its rectangle";
  }
}

// The Flat check border is lined inside with the checked button colour.
TEST(StandardFlatPainters, FlatCheckBorderIsLinedWithTheCheckedColour) {
  TcxCustomLookAndFeelPainter* flat = FlatPainter();
  TPaintSurface surface(20, 20, Paper);
  flat->DrawCheckBorder(surface.Canvas.get(), TRect(2, 2, 18, 18), cxbsHot);
  EXPECT_EQ(SysRGB(clBtnShadow), surface.Pixel(2, 2));
  EXPECT_EQ(SysRGB(flat->CheckButtonColor(cxbsHot, cbsChecked)), surface.Pixel(3, 3));
  EXPECT_EQ(SysRGB(flat->CheckButtonColor(cxbsHot, cbsChecked)), surface.Pixel(16, 16));
}

TEST(StandardFlatPainters, SizesAndColoursDifferFromTheRoot) {
  TcxCustomLookAndFeelPainter root;
  TcxCustomLookAndFeelPainter* standard = StandardPainter();
  TcxCustomLookAndFeelPainter* flat = FlatPainter();
  struct TCase {
    const char* Name;
    int (*Value)(TcxCustomLookAndFeelPainter*);
    int Standard, Flat;
  };
  const TCase cases[] = {
      {"border", [](TcxCustomLookAndFeelPainter* p) { return p->BorderSize(); }, 2, 1},
      {"separator", [](TcxCustomLookAndFeelPainter* p) { return p->SeparatorSize(); }, 2, 2},
      {"default button border", [](TcxCustomLookAndFeelPainter* p) { return p->ButtonBorderSize(cxbsDefault); }, 3, 2},
      {"button border", [](TcxCustomLookAndFeelPainter* p) { return p->ButtonBorderSize(cxbsHot); }, 2, 1},
      {"button text offset", [](TcxCustomLookAndFeelPainter* p) { return p->ButtonTextOffset(); }, 1, 1},
      {"button text shift", [](TcxCustomLookAndFeelPainter* p) { return p->ButtonTextShift(); }, 1, 1},
      {"hot-tracked buttons", [](TcxCustomLookAndFeelPainter* p) { return int(p->IsButtonHotTrack()); }, 0, 0},
      {"expand button", [](TcxCustomLookAndFeelPainter* p) { return p->ExpandButtonSize(); }, cxScaleByCurrentDPI(12),
       cxScaleByCurrentDPI(11)},
      {"header border", [](TcxCustomLookAndFeelPainter* p) { return p->HeaderBorderSize(); }, 1, 1},
      {"pressed section border",
       [](TcxCustomLookAndFeelPainter* p) { return p->HeaderControlSectionBorderSize(cxbsPressed); }, 1,
       root.HeaderControlSectionBorderSize(cxbsPressed)},
      {"section border", [](TcxCustomLookAndFeelPainter* p) { return p->HeaderControlSectionBorderSize(cxbsNormal); },
       2, root.HeaderControlSectionBorderSize(cxbsNormal)},
      {"footer border", [](TcxCustomLookAndFeelPainter* p) { return p->FooterBorderSize(); }, 1, 1},
      {"footer cell border", [](TcxCustomLookAndFeelPainter* p) { return p->FooterCellBorderSize(); }, 1, 1},
      {"footer cell offset", [](TcxCustomLookAndFeelPainter* p) { return p->FooterCellOffset(); }, 1, 1},
      {"tab border", [](TcxCustomLookAndFeelPainter* p) { return p->TabBorderSize(false); }, 1, 1},
      {"checked toggle", [](TcxCustomLookAndFeelPainter* p) { return int(p->ToggleSwitchToggleColor(true)); },
       int(RGB(33, 153, 33)), int(RGB(160, 160, 160))},
      {"unchecked toggle", [](TcxCustomLookAndFeelPainter* p) { return int(p->ToggleSwitchToggleColor(false)); },
       int(RGB(227, 227, 227)), int(RGB(200, 200, 200))},
      {"scheduler content", [](TcxCustomLookAndFeelPainter* p) { return int(p->DefaultSchedulerViewContentColor()); },
       int(clWindow), int(root.DefaultSchedulerViewContentColor())},
      {"highlighted splitter", [](TcxCustomLookAndFeelPainter* p) { return int(p->GetSplitterOuterColor(true)); },
       int(root.GetSplitterOuterColor(true)), int(cl3DDkShadow)},
      {"splitter", [](TcxCustomLookAndFeelPainter* p) { return int(p->GetSplitterOuterColor(false)); },
       int(root.GetSplitterOuterColor(false)), int(root.GetSplitterOuterColor(false))},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(c.Standard, c.Value(standard));
    EXPECT_EQ(c.Flat, c.Value(flat));
  }
  EXPECT_NE(root.BorderSize(), standard->BorderSize());
  EXPECT_NE(root.ExpandButtonSize(), standard->ExpandButtonSize());
}

TEST(StandardFlatPainters, FindPanelBorderDrawsNothing) {
  for (TcxCustomLookAndFeelPainter* painter : {StandardPainter(), FlatPainter()}) {
    TPaintSurface surface(20, 20, Paper);
    painter->DrawFindPanelBorder(surface.Canvas.get(), TRect(2, 2, 18, 18), cxBordersAll);
    EXPECT_EQ(400, surface.CountOf(Paper));
  }
}

// Registered at start-up, so a look-and-feel of either kind, without native
// style, resolves to them.
TEST(StandardFlatPainters, RegisteredAtStartUpForTheirKinds) {
  ASSERT_NE(nullptr, dynamic_cast<TcxFlatLookAndFeelPainter*>(PaintersManager->GetPainter(L"Flat")));
  ASSERT_NE(nullptr, dynamic_cast<TcxStandardLookAndFeelPainter*>(PaintersManager->GetPainter(L"Standard")));
  const struct {
    TcxLookAndFeelKind Kind;
    const wchar_t* Name;
  } cases[] = {{lfFlat, L"Flat"}, {lfStandard, L"Standard"}};
  for (const auto& c : cases) {
    TcxLookAndFeel lookAndFeel(nullptr);
    lookAndFeel.SetNativeStyle(false);
    lookAndFeel.SetKind(c.Kind);
    ASSERT_NE(nullptr, lookAndFeel.Painter());
    EXPECT_EQ(String(c.Name), lookAndFeel.Painter()->LookAndFeelName());
  }
}

// Expand buttons: the Standard one a raised two-pixel button, the Flat one
// a flat button; both take the given colour and cut themselves from the clip.
TEST(StandardFlatPainters, ExpandButtonsAndTheirArea) {
  TcxCustomLookAndFeelPainter* standard = StandardPainter();
  TcxCustomLookAndFeelPainter* flat = FlatPainter();
  CheckPixelCases({
      {"Standard",
       [&](TcxCanvas* c) { standard->DrawExpandButton(c, TRect(2, 2, 14, 14), false); },
       {{2, 2, clBtnHighlight},
        {2, 13, cl3DDkShadow},
        {13, 13, cl3DDkShadow},
        {12, 2, clBtnShadow},
        {12, 12, clBtnShadow},
        {4, 4, clBtnFace},
        {7, 7, clBtnText},
        {7, 5, clBtnText},
        {14, 14, PixelCasePaper}}},
      {"Standard expanded in yellow",
       [&](TcxCanvas* c) { standard->DrawExpandButton(c, TRect(2, 2, 14, 14), true, clYellow); },
       {{4, 4, clYellow}, {7, 7, clBtnText}, {7, 5, clYellow}}},
      {"Flat in yellow",
       [&](TcxCanvas* c) { flat->DrawExpandButton(c, TRect(2, 2, 13, 13), false, clYellow); },
       {{2, 2, clBtnHighlight}, {12, 12, clBtnShadow}, {4, 4, clYellow}, {7, 7, clBtnText}, {7, 5, clBtnText}}},
  });
  for (TcxCustomLookAndFeelPainter* painter : {standard, flat}) {
    TPaintSurface surface(20, 20, PixelCasePaper);
    painter->DrawExpandButton(surface.Canvas.get(), TRect(2, 2, 13, 13), false);
    surface.Canvas->FillRect(TRect(0, 0, 20, 20), clRed);
    EXPECT_EQ(SysRGB(clRed), surface.Pixel(1, 1));
    EXPECT_EQ(SysRGB(clBtnHighlight), surface.Pixel(2, 2)) << "the button stays out of the clip";
  }
  // The area is the size, raised to the touch minimum in touch mode.
  EXPECT_EQ(standard->ExpandButtonSize(), standard->ExpandButtonAreaSize());
  GlobalTouchMode = true;
  EXPECT_EQ(cxScaleByCurrentDPI(27), standard->ExpandButtonAreaSize());
  EXPECT_EQ(0, TcxCustomLookAndFeelPainter().ExpandButtonAreaSize()) << "no button, no room";
  GlobalTouchMode = false;
}

// The Standard group expand button is the Flat look's while a Flat painter
// is registered; otherwise the root's button in the Standard look's edges.
TEST(StandardFlatPainters, GroupExpandButtonIsTheFlatOne) {
  const TRect r(2, 2, 19, 19);
  const auto draw = [&](TcxCustomLookAndFeelPainter* APainter) {
    return DrawnSurface([&](TcxCanvas* c) { APainter->DrawGroupExpandButton(c, r, true, cxbsNormal); });
  };
  auto standard = draw(StandardPainter()), flat = draw(PaintersManager->GetPainter(lfsFlat));
  EXPECT_TRUE(SamePixels(*standard, *flat));
  EXPECT_EQ(SysRGB(clBtnShadow), standard->Pixel(18, 18));
  ASSERT_TRUE(PaintersManager->Unregister(L"Flat"));
  auto withoutFlat = draw(StandardPainter());
  PaintersManager->Register(std::make_unique<TcxFlatLookAndFeelPainter>());
  EXPECT_FALSE(SamePixels(*withoutFlat, *flat));
  EXPECT_EQ(SysRGB(cl3DDkShadow), withoutFlat->Pixel(18, 18));
  EXPECT_EQ(SysRGB(clBtnShadow), withoutFlat->Pixel(17, 17));
}

// Header borders join their neighbours; filter buttons, tab sides, splitters,
// toggles, thumbs and the Flat date header, pixel by pixel.
TEST(StandardFlatPainters, EdgesOfHeadersFiltersTabsSplittersAndToggles) {
  TcxCustomLookAndFeelPainter* standard = StandardPainter();
  TcxCustomLookAndFeelPainter* flat = FlatPainter();
  const TRect header(2, 2, 30, 20);
  const TcxViewParams yellow{nullptr, clYellow, nullptr, clBlack};
  const TPoints light{{2, 2}, {20, 2}}, shadow{{2, 4}, {20, 4}}, dark{{2, 6}, {20, 6}};
  CheckPixelCases({
      {"header alone",
       [&](TcxCanvas* c) { standard->DrawHeaderBorder(c, header, {}, cxBordersAll); },
       {{2, 3, clBtnHighlight}, {29, 2, clBtnShadow}, {2, 19, clBtnShadow}, {29, 3, clBtnShadow}}},
      {"header with a left neighbour",
       [&](TcxCanvas* c) { flat->DrawHeaderBorder(c, header, {nLeft}, cxBordersAll); },
       {{2, 3, clBtnFace}, {2, 18, clBtnFace}, {2, 4, clBtnHighlight}, {29, 3, clBtnShadow}}},
      {"header with a right neighbour",
       [&](TcxCanvas* c) { standard->DrawHeaderBorder(c, header, {nRight}, cxBordersAll); },
       {{29, 2, clBtnHighlight},
        {29, 3, clBtnFace},
        {29, 18, clBtnFace},
        {29, 4, clBtnShadow},
        {2, 3, clBtnHighlight}}},
      {"filter button",
       [&](TcxCanvas* c) { standard->DrawFilterDropDownButton(c, TRect(2, 2, 18, 18), cxbsNormal, false); },
       {{2, 2, clBtnHighlight}, {17, 17, clBtnShadow}, {3, 3, clBtnFace}}},
      {"pressed filter button",
       [&](TcxCanvas* c) { flat->DrawFilterDropDownButton(c, TRect(2, 2, 18, 18), cxbsPressed, false); },
       {{2, 2, clBtnShadow}, {17, 17, clBtnHighlight}, {3, 3, clBtnFace}}},
      {"top of a horizontal tab",
       [&](TcxCanvas* c) { standard->DrawTabBorder(c, TRect(5, 5, 25, 6), bTop, cxBordersAll, false); },
       {{5, 5, PixelCasePaper},
        {6, 5, clBtnHighlight},
        {23, 5, clBtnHighlight},
        {24, 5, PixelCasePaper},
        {5, 6, clBtnHighlight},
        {24, 6, clBtnHighlight}}},
      {"right of a horizontal tab",
       [&](TcxCanvas* c) {
         flat->DrawTabBorder(c, TRect(24, 5, 25, 20), bRight, {bTop, bRight, bBottom}, false);
       },
       {{24, 6, PixelCasePaper}, {24, 7, clBtnShadow}, {24, 18, clBtnShadow}, {24, 19, PixelCasePaper}}},
      {"left of a vertical tab",
       [&](TcxCanvas* c) {
         standard->DrawTabBorder(c, TRect(5, 5, 6, 20), bLeft, {bLeft, bTop, bBottom}, true);
       },
       {{5, 6, PixelCasePaper},
        {5, 7, clBtnHighlight},
        {5, 17, clBtnHighlight},
        {5, 18, PixelCasePaper},
        {6, 6, clBtnHighlight},
        {6, 18, clBtnHighlight}}},
      {"bottom of a vertical tab",
       [&](TcxCanvas* c) {
         standard->DrawTabBorder(c, TRect(5, 19, 25, 20), bBottom, {bLeft, bBottom}, true);
       },
       {{5, 19, PixelCasePaper}, {6, 19, clBtnShadow}, {24, 19, clBtnShadow}}},
      {"Standard horizontal splitter",
       [&](TcxCanvas* c) { standard->DrawSchedulerSplitterBorder(c, TRect(5, 5, 30, 11), yellow, true); },
       {{5, 5, clBtnFace},
        {29, 10, cl3DDkShadow},
        {4, 6, clBtnHighlight},
        {30, 9, clBtnShadow},
        {3, 7, clYellow},
        {31, 8, clYellow},
        {2, 7, PixelCasePaper},
        {4, 5, PixelCasePaper}}},
      {"Standard vertical splitter",
       [&](TcxCanvas* c) { standard->DrawSchedulerSplitterBorder(c, TRect(5, 5, 11, 30), yellow, false); },
       {{5, 5, clBtnFace},
        {10, 29, cl3DDkShadow},
        {6, 4, clBtnHighlight},
        {9, 30, clBtnShadow},
        {7, 3, clYellow},
        {8, 31, clYellow}}},
      {"Flat horizontal splitter",
       [&](TcxCanvas* c) { flat->DrawSchedulerSplitterBorder(c, TRect(5, 5, 30, 11), yellow, true); },
       {{5, 5, clBtnHighlight}, {29, 10, clBtnShadow}, {4, 6, clYellow}, {30, 9, clYellow}, {3, 7, PixelCasePaper}}},
      {"Standard toggle",
       [&](TcxCanvas* c) { standard->DrawToggleSwitchState(c, TRect(2, 2, 40, 20), cxbsNormal, false); },
       {{2, 2, clBtnShadow}, {39, 19, clBtnHighlight}, {3, 3, cl3DDkShadow}, {20, 10, TColor(RGB(227, 227, 227))}}},
      {"Flat toggle",
       [&](TcxCanvas* c) { flat->DrawToggleSwitchState(c, TRect(2, 2, 40, 20), cxbsNormal, true); },
       {{2, 10, TColor(RGB(160, 160, 160))},
        {20, 2, TColor(RGB(160, 160, 160))},
        {2, 19, TColor(RGB(160, 160, 160))},
        {39, 2, clWhite},
        {39, 10, clWhite},
        {20, 19, clWhite},
        {20, 10, TColor(RGB(160, 160, 160))}}},
      {"Standard thumb edges",
       [&](TcxCanvas* c) { standard->DrawTrackBarThumbBorderUpDown(c, light, shadow, dark); },
       {{5, 2, clBtnHighlight}, {5, 4, clBtnShadow}, {5, 6, cl3DDkShadow}}},
      {"Flat thumb edges",
       [&](TcxCanvas* c) { flat->DrawTrackBarThumbBorderUpDown(c, light, shadow, dark); },
       {{5, 2, clBtnHighlight}, {5, 4, PixelCasePaper}, {5, 6, clBtnShadow}}},
  });
  TPaintSurface surface(40, 20, PixelCasePaper);
  TRect r(2, 2, 30, 12);
  flat->DrawDateNavigatorDateHeader(surface.Canvas.get(), r);
  EXPECT_EQ(TRect(2, 2, 30, 11), r);
  EXPECT_EQ(SysRGB(clBtnFace), surface.Pixel(5, 11));
  EXPECT_EQ(SysRGB(flat->DefaultDateNavigatorHeaderColor()), surface.Pixel(5, 5));
}

// An active filter shows a blue triangle in both looks, an inactive one a
// triangle in the button text colour.
TEST(StandardFlatPainters, FilterTriangleTellsWhetherTheFilterIsActive) {
  for (TcxCustomLookAndFeelPainter* painter : {StandardPainter(), FlatPainter()}) {
    for (bool active : {false, true}) {
      auto surface = DrawnSurface(
          [&](TcxCanvas* c) { painter->DrawFilterDropDownButton(c, TRect(2, 2, 18, 18), cxbsHot, active); });
      EXPECT_EQ(active, surface->CountOf(SysRGB(clBlue)) > 0);
      EXPECT_EQ(!active, surface->CountOf(SysRGB(clBtnText)) > 0);
    }
  }
}

// The sorting marks are two-coloured arrows of the look's sizes.
TEST(StandardFlatPainters, SortingMarks) {
  for (TcxCustomLookAndFeelPainter* painter : {StandardPainter(), FlatPainter()}) {
    EXPECT_EQ(TPoint(cxScaleByCurrentDPI(8), cxScaleByCurrentDPI(7)), painter->SortingMarkSize());
    EXPECT_EQ(TPoint(cxScaleByCurrentDPI(8), cxScaleByCurrentDPI(8)), painter->SummarySortingMarkSize());
    for (bool ascending : {false, true}) {
      auto mark = DrawnSurface([&](TcxCanvas* c) { painter->DrawSortingMark(c, TRect(2, 2, 22, 22), ascending); });
      EXPECT_GT(mark->CountOf(SysRGB(clBtnShadow)), 0);
      EXPECT_GT(mark->CountOf(SysRGB(clBtnHighlight)), 0);
      EXPECT_TRUE(mark->BoundsOfPixelsOtherThan(PixelCasePaper).Width() <= 8);
      auto summary =
          DrawnSurface([&](TcxCanvas* c) { painter->DrawSummarySortingMark(c, TRect(2, 2, 22, 22), ascending); });
      EXPECT_GT(summary->CountOf(SysRGB(clBtnHighlight)), 0);
    }
  }
}

// Scroll-bar parts: the Standard look's system arrows in classic frames,
// the Flat look's flat buttons; hot parts look normal and a disabled thumb
// is not drawn.
TEST(StandardFlatPainters, ScrollBarParts) {
  TcxCustomLookAndFeelPainter* standard = StandardPainter();
  TcxCustomLookAndFeelPainter* flat = FlatPainter();
  const TRect button(2, 2, 18, 18), thumb(2, 2, 18, 30);
  CheckPixelCases({
      {"Standard thumb",
       [&](TcxCanvas* c) { standard->DrawScrollBarPart(c, false, thumb, sbpThumbnail, cxbsNormal); },
       {{2, 2, clBtnFace}, {17, 29, cl3DDkShadow}, {3, 3, clBtnHighlight}, {16, 28, clBtnShadow}, {8, 8, clBtnFace}}},
      {"Standard arrow",
       [&](TcxCanvas* c) { standard->DrawScrollBarPart(c, false, button, sbpLineUp, cxbsNormal); },
       {{2, 2, clBtnFace}, {17, 17, cl3DDkShadow}, {3, 3, clBtnHighlight}, {16, 16, clBtnShadow}}},
      {"Standard pressed arrow",
       [&](TcxCanvas* c) { standard->DrawScrollBarPart(c, true, button, sbpLineDown, cxbsPressed); },
       {{2, 2, clBtnShadow}, {17, 17, clBtnShadow}, {3, 3, clBtnFace}, {16, 16, clBtnFace}}},
      {"Flat thumb",
       [&](TcxCanvas* c) { flat->DrawScrollBarPart(c, false, thumb, sbpThumbnail, cxbsNormal); },
       {{2, 2, clBtnHighlight}, {17, 29, clBtnShadow}, {8, 8, clBtnFace}}},
      {"Flat pressed arrow",
       [&](TcxCanvas* c) { flat->DrawScrollBarPart(c, true, button, sbpLineUp, cxbsPressed); },
       {{2, 2, clBtnShadow}, {17, 17, clBtnHighlight}}},
  });
  for (TcxCustomLookAndFeelPainter* painter : {standard, flat}) {
    const auto part = [&](TcxScrollBarPart APart, TcxButtonState AState) {
      return DrawnSurface([&](TcxCanvas* c) {
        painter->DrawScrollBarPart(c, false, APart == sbpThumbnail ? thumb : button, APart, AState);
      });
    };
    EXPECT_EQ(64 * 40, part(sbpThumbnail, cxbsDisabled)->CountOf(PixelCasePaper));
    EXPECT_TRUE(SamePixels(*part(sbpLineDown, cxbsHot), *part(sbpLineDown, cxbsNormal)));
    EXPECT_GT(part(sbpLineDown, cxbsNormal)->CountOf(SysRGB(clBtnText)), 0) << "the arrow";
    EXPECT_FALSE(SamePixels(*part(sbpPageUp, cxbsPressed), *part(sbpPageUp, cxbsNormal)));
    EXPECT_EQ(64 * 40 - 16 * 16, part(sbpPageDown, cxbsNormal)->CountOf(PixelCasePaper)) << "the page fills R";
  }
  // The Standard look's pressed arrow shows its glyph one pixel right and
  // down, as the system's pressed buttons do.
  for (const bool horizontal : {false, true}) {
    SCOPED_TRACE(horizontal ? "horizontal" : "vertical");
    const auto glyph = [&](TcxButtonState AState) {
      auto surface =
          DrawnSurface([&](TcxCanvas* c) { standard->DrawScrollBarPart(c, horizontal, button, sbpLineUp, AState); });
      TRect bounds(64, 40, 0, 0);
      for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 64; ++x)
          if (surface->Pixel(x, y) == SysRGB(clBtnText))
            bounds = TRect(std::min(bounds.Left, x), std::min(bounds.Top, y), std::max(bounds.Right, x + 1),
                           std::max(bounds.Bottom, y + 1));
      return bounds;
    };
    const TRect normal = glyph(cxbsNormal);
    ASSERT_FALSE(normal.IsEmpty());
    EXPECT_EQ(cxRectShiftBy(normal, 1, 1), glyph(cxbsPressed));
  }
}

// A month header is framed in black on the sides without a neighbour; the
// header's own raised edge shows toward the neighbours.
TEST(StandardFlatPainters, MonthHeaderFramesTheSidesWithoutNeighbours) {
  TcxCustomLookAndFeelPainter* standard = StandardPainter();
  const TcxViewParams view{nullptr, clYellow, nullptr, clBlack};
  const TRect r(2, 2, 60, 20);
  const auto monthHeader = [&](TcxNeighbors ANeighbors) {
    return [=](TcxCanvas* c) { standard->DrawMonthHeader(c, r, L"", ANeighbors, view, {}, 0, nullptr); };
  };
  CheckPixelCases({
      {"alone",
       monthHeader({}),
       {{2, 10, clBlack}, {59, 10, clBlack}, {30, 2, clBlack}, {30, 19, clBlack}, {30, 10, clYellow}}},
      {"left neighbour", monthHeader({nLeft}), {{2, 10, clBtnHighlight}, {59, 10, clBlack}, {30, 2, clBlack}}},
      {"right neighbour", monthHeader({nRight}), {{2, 10, clBlack}, {59, 10, clBtnShadow}, {30, 19, clBlack}}},
      {"both neighbours",
       monthHeader({nLeft, nRight}),
       {{2, 10, clBtnHighlight}, {59, 10, clBtnShadow}, {30, 2, clBlack}}},
  });
  TPaintSurface surface(64, 40, PixelCasePaper);
  monthHeader({})(surface.Canvas.get());
  surface.Canvas->FillRect(TRect(0, 0, 64, 40), clRed);
  EXPECT_EQ(SysRGB(clRed), surface.Pixel(2, 2)) << "the clip comes back as it was";
}

// The overridden elements of both painters next to the root's, in a picture.
TEST(StandardFlatPainters, SheetOfTheOverriddenElements) {
  TcxCustomLookAndFeelPainter root;
  TcxCustomLookAndFeelPainter* painters[] = {&root, StandardPainter(), FlatPainter()};
  const TcxButtonState states[] = {cxbsDefault, cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled};
  TPaintSurface sheet(3 * 190, 150, clBtnFace);
  for (int column = 0; column < 3; ++column) {
    TcxCustomLookAndFeelPainter* p = painters[column];
    TcxCanvas* c = sheet.Canvas.get();
    const int left = column * 190 + 6;
    for (int i = 0; i < 5; ++i) {
      p->DrawButton(c, TRect(left + i * 36, 6, left + i * 36 + 32, 28), L"Ok", states[i]);
      p->DrawHeaderControlSectionBorder(c, TRect(left + i * 36, 34, left + i * 36 + 32, 52), cxBordersAll, states[i]);
      p->DrawCheckButton(c, TRect(left + i * 36, 58, left + i * 36 + 14, 72), states[i], cbsChecked);
    }
    p->DrawBorder(c, TRect(left, 80, left + 50, 110));
    p->DrawTrackBarTrackBounds(c, TRect(left + 56, 90, left + 126, 96));
    p->DrawTrackBarThumbBorderBoth(c, TRect(left + 132, 80, left + 144, 104));
    p->DrawGroupBoxFrame(c, TRect(left, 116, left + 80, 144), true, cxgpTop, cxBordersAll);
    p->DrawFooterCellBorder(c, TRect(left + 88, 116, left + 140, 132));
    c->FillRect(TRect(left + 146, 116, left + 176, 132), p->ToggleSwitchToggleColor(true));
  }
  std::filesystem::create_directories("artifacts");
  SaveAsPng(sheet.Bitmap, L"artifacts\\StandardFlatPainters.png");
  EXPECT_TRUE(std::filesystem::exists("artifacts/StandardFlatPainters.png"));
}
