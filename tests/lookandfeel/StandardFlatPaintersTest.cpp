// The Standard and Flat painters: what they draw differently from the root
// painter, pixel by pixel on 32-bit bitmaps, and their registration at
// start-up.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <vector>

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
void DrawTrackBounds(TcxCustomLookAndFeelPainter* P, TcxCanvas* C, const TRect& R) {
  P->DrawTrackBarTrackBounds(C, R);
}
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
    {"Standard normal button", StandardPainter, DrawButtonBorderIn<cxbsNormal>, clBtnHighlight, cl3DDkShadow,
     cl3DLight, clBtnShadow},
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
    {"Flat pressed section", FlatPainter, DrawSectionBorderIn<cxbsPressed>, clBtnShadow, clBtnHighlight, Paper,
     Paper},
    {"Standard track", StandardPainter, DrawTrackBounds, clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight},
    {"Flat track", FlatPainter, DrawTrackBounds, clBtnShadow, clBtnHighlight, clBtnFace, clBtnFace},
    {"Standard thumb", StandardPainter, DrawThumbBoth, clBtnHighlight, cl3DDkShadow, cl3DLight, clBtnShadow},
    {"Flat thumb", FlatPainter, DrawThumbBoth, clBtnHighlight, clBtnShadow, Paper, Paper},
    {"Standard check", StandardPainter, DrawCheckBorder, cl3DDkShadow, cl3DLight, clBtnShadow, clBtnHighlight},
    {"Standard footer", StandardPainter, DrawFooterBorder, clBtnHighlight, clBtnShadow, Paper, Paper},
    {"Flat footer cell", FlatPainter, DrawFooterCellBorder, clBtnShadow, clBtnHighlight, Paper, Paper},
    {"Standard pressed breadcrumb", StandardPainter, DrawBreadcrumbButtonIn<dxbcbsPressed>, clBtnShadow,
     clBtnHighlight, Paper, Paper},
    {"Standard hot breadcrumb", StandardPainter, DrawBreadcrumbButtonIn<dxbcbsHot>, clBtnHighlight, clBtnShadow,
     Paper, Paper},
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
      {"expand button", [](TcxCustomLookAndFeelPainter* p) { return p->ExpandButtonSize(); },
       cxScaleByCurrentDPI(12), cxScaleByCurrentDPI(11)},
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
      p->DrawHeaderControlSectionBorder(c, TRect(left + i * 36, 34, left + i * 36 + 32, 52), cxBordersAll,
                                        states[i]);
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
