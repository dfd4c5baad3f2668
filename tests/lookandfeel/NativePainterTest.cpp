// The native painter under Wine's own visual style: each element family is
// the theme part it must show, in the state its button state maps to; the
// classes and parts Wine's theme lacks, and every class once themes are off
// for the process, give the Standard look instead, never nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>

#include "FamilyCatalogue.h"
#include "PainterFamilies.h"
#include "components/core/dxThemeManager.h"
#include "components/lookandfeel/cxLookAndFeelPainters.h"
#include "components/lookandfeel/cxLookAndFeels.h"

namespace {

// A background no theme part is likely to match.
constexpr TColor Paper = TColor(0x5A3C1E);

using TNativePainter = TcxWinXPLookAndFeelPainter;

// The painters' protected operations, reached through member pointers.
struct TProtectedAccess : TcxCustomLookAndFeelPainter {
  using TcxCustomLookAndFeelPainter::DrawSchedulerNavigationButtonFrame;
};

// Themes switched off for this process only (other test processes share
// the Wine prefix): the theme units shut down, so no class opens; they
// start again at the end of the scope.
class TThemesOff {
public:
  TThemesOff() {
    dxThemeManagerUnit.Finalize();
    dxUxThemeUnit.Finalize();
  }
  ~TThemesOff() {
    dxUxThemeUnit.Initialize();
    dxThemeManagerUnit.Initialize();
  }
};

using TDraw = std::function<void(TcxCustomLookAndFeelPainter&, TcxCanvas*, const TRect&)>;

// Something was drawn on the paper.
bool Drawn(TPaintSurface& ASurface) { return !ASurface.BoundsOfPixelsOtherThan(Paper).IsEmpty(); }

const TRect Cell(8, 8, 40, 28);  // on a 48 x 36 surface

// The element drawn by APainter on fresh paper.
std::unique_ptr<TPaintSurface> Render(TcxCustomLookAndFeelPainter& APainter, const TDraw& ADraw) {
  auto surface = std::make_unique<TPaintSurface>(48, 36, Paper);
  ADraw(APainter, surface->Canvas.get(), Cell);
  return surface;
}

// What the theme itself draws for a part in a state.
std::unique_ptr<TPaintSurface> RenderPart(TdxThemedObjectType AType, int APart, int AState, const TRect& R,
                                          const TRect* AClip = nullptr) {
  auto surface = std::make_unique<TPaintSurface>(48, 36, Paper);
  DrawThemeBackground(dxThemeHandleOf(AType), surface->Canvas->Handle(), APart, AState, R, AClip);
  return surface;
}

struct TThemedCase {
  const char* Name;
  TDraw Draw;
  TdxThemedObjectType Type;
  int Part, State;
  TRect PartRect = Cell;
  std::optional<TRect> Clip = {};
};

// The families the catalogue leaves to the root painter's own sheet, where
// the native look differs most.
std::vector<TFamilyElement> CoreElements() {
  using P = TcxCustomLookAndFeelPainter;
  const std::vector<const wchar_t*> states{L"Default", L"Normal", L"Hot", L"Pressed", L"Disabled"};
  const std::vector<const wchar_t*> directions{L"Up", L"Down", L"Left", L"Right"};
  const std::vector<const wchar_t*> scrollParts{L"Line up", L"Page up", L"Thumb", L"Page down", L"Line down"};
  const auto state = [](int AState) { return static_cast<TcxButtonState>(AState); };
  static const std::unique_ptr<TFont> font = SampleFont();
  std::vector<TFamilyElement> e;
  e.push_back({L"Buttons", L"DrawButton", {70, 22}, states,
               [=](P& p, TcxCanvas* c, const TRect& r, int s) { p.DrawButton(c, r, L"Button", state(s)); }});
  e.push_back({L"Buttons", L"DrawButton (tool)", {70, 22}, states, [=](P& p, TcxCanvas* c, const TRect& r, int s) {
                 p.DrawButton(c, r, L"Tool", state(s), true, clDefault, clDefault, false, true);
               }});
  e.push_back({L"Buttons", L"DrawArrow (hot)", {18, 18}, directions, [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 p.DrawArrow(c, r, cxbsHot, static_cast<TcxArrowDirection>(s));
               }});
  e.push_back({L"Buttons", L"DrawCommandLinkBackground", {70, 30}, states,
               [=](P& p, TcxCanvas* c, const TRect& r, int s) { p.DrawCommandLinkBackground(c, r, state(s)); }});
  for (TcxCheckBoxState check : {cbsUnchecked, cbsChecked, cbsGrayed})
    e.push_back({L"Checks", L"DrawCheck", {16, 16}, states, [=](P& p, TcxCanvas* c, const TRect& r, int s) {
                   p.DrawCheck(c, r, state(s), check, clDefault);
                 }});
  for (bool checked : {false, true})
    e.push_back({L"Checks", L"DrawRadioButton", {16, 16}, states, [=](P& p, TcxCanvas* c, const TRect& r, int s) {
                   p.DrawRadioButton(c, r.Left, r.Top, state(s), checked, false, clDefault, false);
                 }});
  e.push_back({L"Expand", L"DrawExpandButton", {16, 16}, {L"Collapsed", L"Expanded"},
               [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 c->SaveClipRegion();
                 p.DrawExpandButton(c, r, s == 1);
                 c->RestoreClipRegion();
               }});
  e.push_back({L"Expand", L"DrawGroupExpandButton", {16, 16}, states,
               [=](P& p, TcxCanvas* c, const TRect& r, int s) { p.DrawGroupExpandButton(c, r, true, state(s)); }});
  e.push_back({L"Tabs", L"DrawTab", {60, 22}, states, [=](P& p, TcxCanvas* c, const TRect& r, int s) {
                 p.DrawTab(c, r, cxBordersAll, L"Tab", state(s), false, font.get(), clBtnText, clBtnFace, false);
               }});
  e.push_back({L"Tabs", L"DrawTab (vertical)", {22, 60}, states, [=](P& p, TcxCanvas* c, const TRect& r, int s) {
                 p.DrawTab(c, r, cxBordersAll, L"Tab", state(s), true, font.get(), clBtnText, clBtnFace, false);
               }});
  e.push_back({L"Tabs", L"DrawTabsRoot", {70, 30}, {L"Horizontal", L"Vertical"},
               [](P& p, TcxCanvas* c, const TRect& r, int s) { p.DrawTabsRoot(c, r, cxBordersAll, s == 1); }});
  e.push_back({L"Scroll bars", L"DrawScrollBarPart (vertical)", {17, 40}, scrollParts,
               [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 static constexpr TcxScrollBarPart parts[] = {sbpLineUp, sbpPageUp, sbpThumbnail, sbpPageDown,
                                                              sbpLineDown};
                 p.DrawScrollBarPart(c, false, r, parts[s], cxbsNormal);
               }});
  e.push_back({L"Borders", L"DrawBorder, DoDrawSeparator, DrawGroupBoxFrame, DrawFooterBorder", {50, 30},
               {L"Border", L"Separator", L"Group box", L"Footer"}, [](P& p, TcxCanvas* c, const TRect& r, int s) {
                 switch (s) {
                   case 0: p.DrawBorder(c, r); break;
                   case 1: p.DoDrawSeparator(c, r, false); break;
                   case 2: p.DrawGroupBoxFrame(c, r, true, cxgpTop, cxBordersAll); break;
                   default: p.DrawFooterBorder(c, r); break;
                 }
               }});
  return e;
}

}  // namespace

TEST(NativePainter, RunsUnderWinesLightThemeWithSomeClassesAndPartsMissing) {
  wchar_t file[MAX_PATH], color[64], size[64];
  ASSERT_EQ(S_OK, GetCurrentThemeName(file, MAX_PATH, color, 64, size, 64));
  std::printf("Active theme: %ls (%ls, %ls)\n", file, color, size);
  EXPECT_TRUE(std::wstring(file).ends_with(L"light.msstyles"));
  ASSERT_TRUE(dxThemesAvailable({totButton, totScrollBar, totHeader, totTab, totTreeview, totToolBar, totTrackBar}));
  // What the fallback tests below rely on.
  EXPECT_FALSE(dxThemeKindAvailable(totExplorerBar));
  EXPECT_FALSE(dxThemeKindAvailable(totExplorerListView));
  EXPECT_FALSE(dxThemeKindAvailable(totTextStyle));
  EXPECT_FALSE(IsThemePartDefined(dxThemeHandleOf(totHeader), HP_HEADERITEMLEFT, 0));
  EXPECT_FALSE(IsThemePartDefined(dxThemeHandleOf(totListBox), LBCP_BORDER_NOSCROLL, 0));
  EXPECT_FALSE(IsThemePartDefined(dxThemeHandleOf(totListView), 5, 0));
}

// Each element is the theme's part in the state its arguments map to.
TEST(NativePainter, ElementFamiliesDrawTheirThemePartsInTheMappedStates) {
  TNativePainter painter;
  const TSize radio = painter.RadioButtonSize();
  const TThemedCase cases[] = {
      {"default button", [](auto& p, auto* c, auto& r) { p.DrawButton(c, r, L"", cxbsDefault); }, totButton, 1, 5},
      {"hot button", [](auto& p, auto* c, auto& r) { p.DrawButton(c, r, L"", cxbsHot); }, totButton, 1, 2},
      {"disabled button", [](auto& p, auto* c, auto& r) { p.DrawButton(c, r, L"", cxbsDisabled); }, totButton, 1, 4},
      {"pressed tool button",
       [](auto& p, auto* c, auto& r) { p.DrawButton(c, r, L"", cxbsPressed, true, clDefault, clDefault, false, true); },
       totToolBar, 1, 3},
      {"hot left arrow", [](auto& p, auto* c, auto& r) { p.DrawArrow(c, r, cxbsHot, adLeft); }, totScrollBar, 1, 10},
      {"disabled down arrow", [](auto& p, auto* c, auto& r) { p.DrawArrow(c, r, cxbsDisabled, adDown); },
       totScrollBar, 1, 8},
      {"default right arrow", [](auto& p, auto* c, auto& r) { p.DrawArrow(c, r, cxbsDefault, adRight); },
       totScrollBar, 1, 13},
      {"pressed arrow border", [](auto& p, auto* c, auto& r) { p.DrawArrowBorder(c, r, cxbsPressed); }, totButton, 1,
       3},
      {"grayed disabled check",
       [](auto& p, auto* c, auto& r) { p.DrawCheck(c, r, cxbsDisabled, cbsGrayed, clDefault); }, totButton, 3, 12},
      {"checked default check", [](auto& p, auto* c, auto& r) { p.DrawCheck(c, r, cxbsDefault, cbsChecked, clDefault); },
       totButton, 3, 5},
      {"checked hot radio",
       [](auto& p, auto* c, auto& r) { p.DrawRadioButton(c, r.Left, r.Top, cxbsHot, true, false, clDefault, false); },
       totButton, 2, 6, Bounds(Cell.Left, Cell.Top, radio.cx, radio.cy)},
      {"expanded expand button", [](auto& p, auto* c, auto& r) { p.DrawExpandButton(c, r, true); }, totTreeview, 2, 2},
      {"collapsed small expand button",
       [](auto& p, auto* c, auto& r) { p.DrawSmallExpandButton(c, r, false, clRed, clLime); }, totTreeview, 2, 1},
      {"vertical separator", [](auto& p, auto* c, auto& r) { p.DoDrawSeparator(c, r, true); }, totToolBar, 5, 1},
      {"horizontal bevel line", [](auto& p, auto* c, auto& r) { p.DrawBevelLine(c, r, clRed, clRed, false); },
       totToolBar, 6, 1},
      {"disabled group box", [](auto& p, auto* c, auto& r) { p.DrawGroupBoxFrame(c, r, false, cxgpTop, cxBordersAll); },
       totButton, 4, 2},
      {"hot header",
       [](auto& p, auto* c, auto& r) {
         p.DrawHeader(c, r, r, {}, cxBordersAll, cxbsHot, taLeftJustify, vaTop, false, false, L"", nullptr, clDefault,
                      clDefault, nullptr, false, false);
       },
       totHeader, 1, 2},
      {"disabled header",
       [](auto& p, auto* c, auto& r) {
         p.DrawHeader(c, r, r, {}, cxBordersAll, cxbsDisabled, taLeftJustify, vaTop, false, false, L"", nullptr,
                      clDefault, clDefault, nullptr, true, false);
       },
       totHeader, 1, 1},
      {"horizontal track", [](auto& p, auto* c, auto& r) { p.DrawTrackBarTrack(c, r, r, false, true, true, clRed); },
       totTrackBar, 1, 1},
      {"pressed top thumb",
       [](auto& p, auto* c, auto& r) { p.DrawTrackBarThumb(c, r, cxbsPressed, true, tbtaUp, clRed); }, totTrackBar, 5,
       3},
      {"disabled vertical thumb",
       [](auto& p, auto* c, auto& r) { p.DrawTrackBarThumb(c, r, cxbsDisabled, false, tbtaBoth, clRed); },
       totTrackBar, 6, 5},
      {"default right thumb",
       [](auto& p, auto* c, auto& r) { p.DrawTrackBarThumb(c, r, cxbsDefault, false, tbtaDown, clRed); },
       totTrackBar, 8, 2},
      {"pressed vertical page up",
       [](auto& p, auto* c, auto& r) { p.DrawScrollBarPart(c, false, r, sbpPageUp, cxbsPressed); }, totScrollBar, 6,
       3},
      {"hot horizontal page down",
       [](auto& p, auto* c, auto& r) { p.DrawScrollBarPart(c, true, r, sbpPageDown, cxbsHot); }, totScrollBar, 5, 2},
      {"size grip", [](auto& p, auto* c, auto& r) { p.DoDrawSizeGrip(c, r); }, totScrollBar, 10, 1},
      {"hot filter close button", [](auto& p, auto* c, auto& r) { p.DrawFilterCloseButton(c, r, cxbsHot); },
       totWindow, 19, 2},
      {"default filter drop-down button",
       [](auto& p, auto* c, auto& r) { p.DrawFilterDropDownButton(c, r, cxbsDefault, true); }, totComboBox, 1, 1},
      {"hot scheduler navigator button",
       [](auto& p, auto* c, auto& r) { p.DrawSchedulerNavigatorButton(c, r, cxbsHot); }, totToolBar, 1, 5},
      {"hot back button", [](auto& p, auto* c, auto& r) { p.DrawBackButton(c, r, cxbsHot); }, totNavigation, 1, 2},
      {"hint background, grown by 4", [](auto& p, auto* c, auto& r) { p.DrawHintBackground(c, r, clRed); },
       totToolTip, 1, 1, cxRectDeflated(Cell, -4)},
      {"progress chunk", [](auto& p, auto* c, auto& r) { p.DrawBreadcrumbEditProgressChunk(c, r); }, totProgress, 3,
       1},
      {"drop-down list selection", [](auto& p, auto* c, auto& r) { p.DrawDropDownListBoxSelection(c, r, r); }, totMenu,
       14, 2},
      {"disabled layout item", [](auto& p, auto* c, auto& r) { p.LayoutViewDrawItem(c, r, cxbsDisabled, {}); },
       totMenu, 14, 4},
      {"selected tab, reaching below and past both sides",
       [](auto& p, auto* c, auto& r) {
         p.DrawTab(c, r, {}, L"", cxbsPressed, false, nullptr, clDefault, clDefault, false);
       },
       totTab, 1, 3, TRect(Cell.Left - 2, Cell.Top, Cell.Right + 2, Cell.Bottom + 1), Cell},
      {"hot tab with its borders, clipped above its bottom",
       [](auto& p, auto* c, auto& r) {
         p.DrawTab(c, r, TcxBorders{bLeft, bRight}, L"", cxbsHot, false, nullptr, clDefault, clDefault, false);
       },
       totTab, 1, 2, Cell, TRect(Cell.Left, Cell.Top, Cell.Right, Cell.Bottom - 1)},
  };
  for (const TThemedCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const auto drawn = Render(painter, c.Draw);
    const auto expected = RenderPart(c.Type, c.Part, c.State, c.PartRect, c.Clip ? &*c.Clip : nullptr);
    ASSERT_TRUE(Drawn(*expected)) << "the theme has nothing to compare with";
    EXPECT_TRUE(SamePixels(*drawn, *expected));
  }
}

// The caption is centred on one line with the part's state whatever the
// caller's word wrap and colours say.
TEST(NativePainter, ButtonCaptionIsTheThemesCentredOnOneLine) {
  TNativePainter painter;
  const String caption = L"A caption too long for one line";
  const TDraw wrapped = [&](auto& p, auto* c, auto& r) {
    p.DrawButton(c, r, caption, cxbsNormal, false, clRed, clLime, true, true);
  };
  const TDraw plain = [&](auto& p, auto* c, auto& r) {
    p.DrawButton(c, r, caption, cxbsNormal, true, clDefault, clDefault, false, true);
  };
  EXPECT_TRUE(SamePixels(*Render(painter, wrapped), *Render(painter, plain)));
  auto themed = RenderPart(totToolBar, 1, 1, Cell);
  DrawThemeText(dxThemeHandleOf(totToolBar), themed->Canvas->Handle(), 1, 1, caption, -1,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE, 0, Cell);
  EXPECT_TRUE(SamePixels(*Render(painter, plain), *themed));
}

// Themed text lands where its alignment puts it in the text rectangle,
// wraps only when multi-line, and an empty text draws nothing.
TEST(NativePainter, ThemedTextFollowsItsAlignmentAndLineMode) {
  TNativePainter painter;
  const auto font = SampleFont();
  const TRect text(4, 4, 124, 44);
  struct TCase {
    const char* Name;
    TAlignment Horz;
    TcxAlignmentVert Vert;
    bool MultiLine;
    const wchar_t* Text;
    std::function<bool(const TRect&)> Holds;
  };
  const TCase cases[] = {
      {"left top", taLeftJustify, vaTop, false, L"Wide", [](const TRect& b) { return b.Left <= 6 && b.Top <= 8; }},
      {"right bottom", taRightJustify, vaBottom, false, L"Wide",
       [](const TRect& b) { return b.Right >= 121 && b.Bottom >= 40; }},
      {"centred", taCenter, vaCenter, false, L"Wide",
       [](const TRect& b) { return std::abs(b.Left + b.Right - 128) <= 3 && std::abs(b.Top + b.Bottom - 48) <= 4; }},
      {"one line, cut at the right", taLeftJustify, vaTop, false, L"one two three four five six seven eight",
       [](const TRect& b) { return b.Height() < 16 && b.Right <= 124; }},
      {"multi-line, wrapped", taLeftJustify, vaTop, true, L"one two three four five six seven eight",
       [](const TRect& b) { return b.Height() > 16; }},
      {"empty", taLeftJustify, vaTop, false, L"", [](const TRect& b) { return b.IsEmpty(); }},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TPaintSurface surface(128, 48, Paper);
    surface.Canvas->IntersectClipRect(text);
    painter.DrawThemedText(surface.Canvas.get(), dxThemeHandleOf(totButton), 1, 1, TRect(), text, c.Horz, c.Vert,
                           c.MultiLine, false, false, c.Text, font.get(), clBlack, clDefault);
    const TRect bounds = surface.BoundsOfPixelsOtherThan(Paper);
    EXPECT_TRUE(c.Holds(bounds)) << bounds.Left << "," << bounds.Top << "," << bounds.Right << "," << bounds.Bottom;
  }
}

// With borders, the list's edge is two frames in the menu's edge colours
// around the menu's popup background.
TEST(NativePainter, DropDownListBackgroundIsFramedInTheMenusEdgeColours) {
  TNativePainter painter;
  const HTHEME menu = dxThemeHandleOf(totMenu);
  COLORREF light = 0, highlight = 0;
  ASSERT_EQ(S_OK, GetThemeColor(menu, MENU_POPUPBACKGROUND, 0, TMT_EDGELIGHTCOLOR, &light));
  ASSERT_EQ(S_OK, GetThemeColor(menu, MENU_POPUPBACKGROUND, 0, TMT_EDGEHIGHLIGHTCOLOR, &highlight));
  const auto drawn = Render(painter, [](auto& p, auto* c, auto& r) { p.DrawDropDownListBoxBackground(c, r, true); });
  const auto background = RenderPart(totMenu, MENU_POPUPBACKGROUND, 0, cxRectDeflated(Cell, 2));
  EXPECT_EQ(TColor(light), drawn->Pixel(Cell.Left, Cell.Top));
  EXPECT_EQ(TColor(light), drawn->Pixel(Cell.Right - 1, Cell.Bottom - 1));
  EXPECT_EQ(TColor(highlight), drawn->Pixel(Cell.Left + 1, Cell.Top + 1));
  EXPECT_EQ(background->Pixel(Cell.Left + 5, Cell.Top + 5), drawn->Pixel(Cell.Left + 5, Cell.Top + 5));
  EXPECT_EQ(Cell, drawn->BoundsOfPixelsOtherThan(Paper));
}

// The sizes and colours that set the native look apart, as the theme gives them.
TEST(NativePainter, SizesAndColoursComeFromTheTheme) {
  TNativePainter painter;
  SIZE check{}, radio{}, grip{}, close{};
  GetThemePartSize(dxThemeHandleOf(totButton), nullptr, 3, 5, nullptr, TS_TRUE, &check);
  GetThemePartSize(dxThemeHandleOf(totButton), nullptr, 2, 1, nullptr, TS_TRUE, &radio);
  GetThemePartSize(dxThemeHandleOf(totScrollBar), nullptr, 10, 1, nullptr, TS_TRUE, &grip);
  GetThemePartSize(dxThemeHandleOf(totWindow), nullptr, 19, 1, nullptr, TS_TRUE, &close);
  struct TCase {
    const char* Name;
    int Native, Expected;
  };
  const TCase cases[] = {
      {"check width", painter.CheckButtonSize().cx, check.cx},
      {"radio height", painter.RadioButtonSize().cy, radio.cy},
      {"size grip width", painter.SizeGripSize().cx, grip.cx},
      {"small close button, not enlarged before Windows 8", painter.DoGetSmallCloseButtonSize().cx, close.cx},
      {"filter close button", painter.FilterCloseButtonSize().X, close.cx + 4},
      {"check border", painter.CheckBorderSize(), 0},
      {"separator", painter.SeparatorSize(), 6},
      {"button text offset", painter.ButtonTextOffset(), 2},
      {"button text shift", painter.ButtonTextShift(), 0},
      {"footer border", painter.FooterBorderSize(), 1},
      {"tab border", painter.TabBorderSize(false), 1},
      {"header border, at least 1", painter.HeaderBorderSize() >= 1, 1},
      {"sorting mark", painter.SortingMarkSize().Y, cxScaleByCurrentDPI(8)},
      {"navigator button minimum", painter.NavigatorButtonMinSize().cy, cxScaleByCurrentDPI(19)},
      {"scheduler progress offsets", painter.SchedulerEventProgressOffsets().Bottom, 3},
      {"alert corner radius", painter.AlertWindowCornerRadius(), 5},
      {"popup client edge", painter.GetEditPopupWindowClientEdgeWidth(epbsDefault), 2},
      {"hot-tracked buttons, headers and tabs",
       painter.IsButtonHotTrack() && painter.IsHeaderHotTrack() && painter.IsTabHotTrack(false), 1},
      {"scheduler view content", painter.DefaultSchedulerViewContentColor(), TColor(RGB(255, 255, 213))},
      {"checked toggle", painter.ToggleSwitchToggleColor(true), TColor(RGB(160, 160, 160))},
      {"unchecked toggle", painter.ToggleSwitchToggleColor(false), TColor(RGB(200, 200, 200))},
      {"hint border", painter.GetHintBorderColor(), clWindowFrame},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(c.Expected, c.Native);
  }
  EXPECT_EQ(String(L"Native"), painter.LookAndFeelName());
  EXPECT_EQ(lfsNative, painter.LookAndFeelStyle());
  EXPECT_TRUE(painter.NeedRedrawOnResize());
}

// The thumb gets the theme's size for the rectangle, centred in it.
TEST(NativePainter, TrackBarThumbIsCentredAtTheThemesSize) {
  TNativePainter painter;
  TPaintSurface surface(40, 40, Paper);
  RECT bounds{0, 0, 20, 30};
  SIZE size{};
  ASSERT_EQ(S_OK, GetThemePartSize(dxThemeHandleOf(totTrackBar), surface.Canvas->Handle(), 3, 1, &bounds, TS_DRAW,
                                   &size));
  TRect thumb(0, 0, 20, 30);
  painter.CorrectThumbRect(surface.Canvas.get(), thumb, true, tbtaBoth);
  EXPECT_EQ(TRect((20 - size.cx) / 2, (30 - size.cy) / 2, (20 - size.cx) / 2 + size.cx, (30 - size.cy) / 2 + size.cy),
            thumb);
}

// A breadcrumb button is drawn only hot, pressed or focused; its sides
// missing from the edit's borders fall outside the rectangle.
TEST(NativePainter, BreadcrumbButtonsAndBordersShowOnlyWhatTheStateAndSidesAsk) {
  TNativePainter painter;
  for (TdxBreadcrumbEditButtonState state : {dxbcbsNormal, dxbcbsDisabled}) {
    const auto surface = Render(painter, [&](auto& p, auto* c, auto& r) { p.DrawBreadcrumbEditButton(c, r, state, true, true); });
    EXPECT_FALSE(Drawn(*surface));
  }
  const auto hot = Render(painter, [](auto& p, auto* c, auto& r) { p.DrawBreadcrumbEditButton(c, r, dxbcbsHot, true, true); });
  EXPECT_EQ(Cell, hot->BoundsOfPixelsOtherThan(Paper)) << "drawn beyond its rectangle";

  const auto all = Render(painter, [](auto& p, auto* c, auto& r) { p.DrawBreadcrumbEditBorders(c, r, cxBordersAll, dxbcsNormal); });
  const auto open = Render(painter, [](auto& p, auto* c, auto& r) {
    p.DrawBreadcrumbEditBorders(c, r, TcxBorders{bLeft, bTop, bRight}, dxbcsNormal);
  });
  const int middle = (Cell.Left + Cell.Right) / 2;
  EXPECT_EQ(all->Pixel(middle, Cell.Top), open->Pixel(middle, Cell.Top));
  EXPECT_NE(all->Pixel(middle, Cell.Bottom - 1), open->Pixel(middle, Cell.Bottom - 1)) << "the bottom edge shows";
  EXPECT_EQ(Cell, open->BoundsOfPixelsOtherThan(Paper));
}

// Where Wine's theme lacks a class or a part, the Standard look is drawn:
// the explorer bar and explorer list view, the text styles, the header's
// date-navigator part, the list box's popup border and the list view's border.
TEST(NativePainter, ClassesAndPartsTheThemeLacksFallBackToTheStandardLook) {
  TNativePainter painter;
  TcxStandardLookAndFeelPainter standard;
  // The Standard group expand button is made of a button, which is themed here.
  EXPECT_TRUE(Drawn(*Render(painter, [](auto& p, auto* c, auto& r) { p.DrawGroupExpandButton(c, r, true, cxbsHot); })));
  const std::pair<const char*, TDraw> cases[] = {
      {"gallery item selection",
       [](auto& p, auto* c, auto& r) { p.DrawGalleryItemSelection(c, r, {true, true, true, false, false}); }},
      {"modern calendar cell",
       [](auto& p, auto* c, auto& r) { p.DrawModernCalendarDateCellSelection(c, r, {cesSelected, cesFocused}); }},
      {"date navigator header",
       [](auto& p, auto* c, const TRect& r) {
         TRect header = r;
         p.DrawDateNavigatorDateHeader(c, header);
         c->FillRect(header, clLime);  // R comes back inside the header's edge
       }},
      {"border", [](auto& p, auto* c, auto& r) { p.DrawBorder(c, r); }},
  };
  for (const auto& [name, draw] : cases) {
    SCOPED_TRACE(name);
    const auto native = Render(painter, draw);
    EXPECT_TRUE(Drawn(*native));
    EXPECT_TRUE(SamePixels(*native, *Render(standard, draw)));
  }
  EXPECT_EQ(standard.BorderSize(), painter.BorderSize());
  EXPECT_EQ(standard.GroupExpandButtonSize(), painter.GroupExpandButtonSize());
  EXPECT_EQ(standard.DrawGalleryItemSelectionFirst(), painter.DrawGalleryItemSelectionFirst());
  EXPECT_EQ(standard.GetModernCalendarHeaderTextColor({cesHot}), painter.GetModernCalendarHeaderTextColor({cesHot}));
  // The button class opens but has no colour under the property the face
  // colour is read from: the Standard colour, not an undefined one.
  COLORREF unread = 0;
  ASSERT_NE(S_OK, GetThemeColor(dxThemeHandleOf(totButton), 1, 2, TMT_COLOR, &unread));
  EXPECT_EQ(standard.ButtonColor(cxbsHot), painter.ButtonColor(cxbsHot));

  // The popup border: one pixel in the button text colour, R then inside it.
  TPaintSurface surface(48, 36, Paper);
  TRect r = Cell;
  painter.DrawEditPopupWindowBorder(surface.Canvas.get(), r, epbsDefault, false);
  EXPECT_EQ(cxRectDeflated(Cell, 1), r);
  EXPECT_EQ(SysRGB(clBtnText), surface.Pixel(Cell.Left, Cell.Top));
  EXPECT_EQ(SysRGB(clBtnText), surface.Pixel(Cell.Right - 1, Cell.Bottom - 1));
  EXPECT_EQ(Paper, surface.Pixel(Cell.Left + 1, Cell.Top + 1));
}

// With themes off for the process every element is the Standard look's,
// also those the platform's rules leave without one (radio button, size
// grip, date-navigator header).
TEST(NativePainter, WithThemesOffEveryElementIsTheStandardLook) {
  TNativePainter painter;
  TcxStandardLookAndFeelPainter standard;
  TThemesOff themesOff;
  ASSERT_FALSE(dxThemesAvailable());
  EXPECT_FALSE(painter.NeedRedrawOnResize());
  const std::pair<const char*, TDraw> cases[] = {
      {"button", [](auto& p, auto* c, auto& r) { p.DrawButton(c, r, L"Ok", cxbsHot); }},
      {"tool button",
       [](auto& p, auto* c, auto& r) { p.DrawButton(c, r, L"Ok", cxbsHot, true, clDefault, clDefault, false, true); }},
      {"arrow", [](auto& p, auto* c, auto& r) { p.DrawArrow(c, r, cxbsHot, adUp); }},
      {"check", [](auto& p, auto* c, auto& r) { p.DrawCheckButton(c, r, cxbsNormal, cbsChecked); }},
      {"radio button",
       [](auto& p, auto* c, auto& r) { p.DrawRadioButton(c, r.Left, r.Top, cxbsNormal, true, false, clWindow, false); }},
      {"size grip", [](auto& p, auto* c, auto& r) { p.DoDrawSizeGrip(c, r); }},
      {"small expand button", [](auto& p, auto* c, auto& r) { p.DrawSmallExpandButton(c, r, false, clBlack, clWindow); }},
      {"header",
       [](auto& p, auto* c, auto& r) {
         p.DrawHeader(c, r, r, {}, cxBordersAll, cxbsNormal, taLeftJustify, vaTop, false, false, L"H", SampleFont().get(),
                      clBtnText, clBtnFace, nullptr, false, false);
       }},
      {"separator", [](auto& p, auto* c, auto& r) { p.DoDrawSeparator(c, r, false); }},
      {"footer border", [](auto& p, auto* c, auto& r) { p.DrawFooterBorder(c, r); }},
      {"group box", [](auto& p, auto* c, auto& r) { p.DrawGroupBoxFrame(c, r, true, cxgpTop, cxBordersAll); }},
      {"track-bar thumb", [](auto& p, auto* c, auto& r) { p.DrawTrackBarThumb(c, r, cxbsNormal, true, tbtaBoth, clBtnFace); }},
      {"filter close button", [](auto& p, auto* c, auto& r) { p.DrawFilterCloseButton(c, r, cxbsNormal); }},
      {"tabs root", [](auto& p, auto* c, auto& r) { p.DrawTabsRoot(c, r, cxBordersAll, false); }},
      {"breadcrumb button", [](auto& p, auto* c, auto& r) { p.DrawBreadcrumbEditButton(c, r, dxbcbsHot, true, true); }},
      {"date navigator header",
       [](auto& p, auto* c, const TRect& r) {
         TRect header = r;
         p.DrawDateNavigatorDateHeader(c, header);
         c->FillRect(header, clLime);
       }},
      {"drop-down list background", [](auto& p, auto* c, auto& r) { p.DrawDropDownListBoxBackground(c, r, true); }},
      {"scheduler navigation frame",
       [](auto& p, auto* c, auto& r) {
         (p.*(&TProtectedAccess::DrawSchedulerNavigationButtonFrame))(c, r, cxRectDeflated(r, 4), true, cxbsHot);
       }},
  };
  for (const auto& [name, draw] : cases) {
    SCOPED_TRACE(name);
    const auto native = Render(painter, draw);
    EXPECT_TRUE(Drawn(*native)) << "nothing drawn";
    EXPECT_TRUE(SamePixels(*native, *Render(standard, draw)));
  }
  struct TSizeCase {
    const char* Name;
    int (*Value)(TcxCustomLookAndFeelPainter&);
  };
  const TSizeCase sizes[] = {
      {"radio button", [](TcxCustomLookAndFeelPainter& p) { return p.RadioButtonSize().cx; }},
      {"size grip", [](TcxCustomLookAndFeelPainter& p) { return p.SizeGripSize().cy; }},
      {"default button border", [](TcxCustomLookAndFeelPainter& p) { return p.ButtonBorderSize(cxbsDefault); }},
      {"check", [](TcxCustomLookAndFeelPainter& p) { return p.CheckButtonSize().cx; }},
      {"check border", [](TcxCustomLookAndFeelPainter& p) { return p.CheckBorderSize(); }},
      {"expand button", [](TcxCustomLookAndFeelPainter& p) { return p.ExpandButtonSize(); }},
      {"small expand button", [](TcxCustomLookAndFeelPainter& p) { return p.SmallExpandButtonSize(); }},
      {"border", [](TcxCustomLookAndFeelPainter& p) { return p.BorderSize(); }},
      {"header border", [](TcxCustomLookAndFeelPainter& p) { return p.HeaderBorderSize(); }},
      {"small close button", [](TcxCustomLookAndFeelPainter& p) { return p.DoGetSmallCloseButtonSize().cx; }},
      {"thumb minimum", [](TcxCustomLookAndFeelPainter& p) { return p.ScrollBarMinimalThumbSize(true); }},
      {"button colour", [](TcxCustomLookAndFeelPainter& p) { return int(p.ButtonColor(cxbsHot)); }},
      {"drop-down item text", [](TcxCustomLookAndFeelPainter& p) { return int(p.DropDownListBoxItemTextColor(true)); }},
      {"group box text", [](TcxCustomLookAndFeelPainter& p) { return int(p.GroupBoxTextColor(true, cxgpTop)); }},
  };
  for (const TSizeCase& c : sizes) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(c.Value(standard), c.Value(painter));
  }
}

// Without the tree-view theme the small expand button keeps the caller's
// colours: framed in the border colour and filled with the fill colour.
TEST(NativePainter, WithThemesOffTheSmallExpandButtonKeepsTheCallersColours) {
  TNativePainter painter;
  TThemesOff themesOff;
  const auto surface = Render(painter, [](auto& p, auto* c, auto& r) { p.DrawSmallExpandButton(c, r, true, clRed, clLime); });
  EXPECT_EQ(SysRGB(clRed), surface->Pixel(Cell.Left, Cell.Top));
  EXPECT_EQ(SysRGB(clRed), surface->Pixel(Cell.Right - 1, Cell.Bottom - 1));
  EXPECT_EQ(SysRGB(clLime), surface->Pixel(Cell.Left + 1, Cell.Top + 1));
}

// Without the button theme a command link is the Flat look's button (its
// border only when hot or pressed); with no Flat painter registered, the
// Standard look's.
TEST(NativePainter, WithThemesOffCommandLinksAreFlatButtonsOrStandardOnes) {
  TNativePainter painter;
  TcxStandardLookAndFeelPainter standard;
  TcxFlatLookAndFeelPainter flat;
  TThemesOff themesOff;
  ASSERT_NE(nullptr, PaintersManager->GetPainter(lfsFlat));
  for (TcxButtonState state : {cxbsNormal, cxbsHot}) {
    SCOPED_TRACE(int(state));
    const auto link = Render(painter, [&](auto& p, auto* c, auto& r) { p.DrawCommandLinkBackground(c, r, state, clInfoBk); });
    const auto button = Render(flat, [&](auto& p, auto* c, auto& r) {
      p.DrawButton(c, r, L"", state, state == cxbsHot, clInfoBk);
    });
    EXPECT_TRUE(SamePixels(*link, *button));
  }
  ASSERT_TRUE(PaintersManager->Unregister(L"Flat"));
  const TDraw link = [](auto& p, auto* c, auto& r) { p.DrawCommandLinkBackground(c, r, cxbsHot, clInfoBk); };
  const auto unregistered = Render(painter, link);
  PaintersManager->Register(std::make_unique<TcxFlatLookAndFeelPainter>());
  EXPECT_TRUE(Drawn(*unregistered));
  EXPECT_TRUE(SamePixels(*unregistered, *Render(standard, link)));
}

// Registered last at start-up, so a look-and-feel of the native kind
// resolves to it while themes are available.
TEST(NativePainter, RegisteredAtStartUpForTheNativeStyle) {
  ASSERT_NE(nullptr, dynamic_cast<TcxWinXPLookAndFeelPainter*>(PaintersManager->GetPainter(L"Native")));
  EXPECT_EQ(PaintersManager->GetPainter(L"Native"), PaintersManager->GetPainter(lfsNative));
  TcxLookAndFeel lookAndFeel(nullptr);
  lookAndFeel.SetKind(lfFlat);
  lookAndFeel.SetNativeStyle(true);
  ASSERT_NE(nullptr, lookAndFeel.Painter());
  EXPECT_EQ(String(L"Native"), lookAndFeel.Painter()->LookAndFeelName());
}

// The native painter's element families in every state, with Wine's theme
// and with themes off, one sheet each for a person to look at.
TEST(NativePainter, SheetsOfEveryElementWithThemesOnAndOff) {
  TNativePainter painter;
  const auto drawSheet = [&](const wchar_t* AFile) {
    std::vector<TFamilyElement> elements = CoreElements();
    elements.insert(elements.end(), FamilyElements().begin(), FamilyElements().end());
    const int labelWidth = 230, gap = 6, columns = 2;
    const size_t perColumn = (elements.size() + columns - 1) / columns;
    int columnWidth = 0;
    std::vector<int> columnHeights(columns, gap);
    for (size_t i = 0; i < elements.size(); ++i) {
      const TFamilyElement& e = elements[i];
      columnWidth = std::max(columnWidth, labelWidth + int(e.States.size()) * (std::max(e.Size.cx, 56) + gap));
      columnHeights[i / perColumn] += e.Size.cy + 14 + gap;
    }
    TPaintSurface sheet(columns * columnWidth + gap, *std::max_element(columnHeights.begin(), columnHeights.end()),
                        TColor(0xD8C8B8));
    TcxCanvas& canvas = *sheet.Canvas;
    auto font = SampleFont();
    int top = gap;
    for (size_t i = 0; i < elements.size(); ++i) {
      if (i % perColumn == 0) top = gap;
      const TFamilyElement& e = elements[i];
      const int columnLeft = int(i / perColumn) * columnWidth;
      canvas.SetFont(font.get());
      canvas.Brush()->SetStyle(bsClear);
      canvas.DrawTexT(String(e.Family) + L": " + e.Name, TRect(columnLeft + gap, top + 12, columnLeft + labelWidth, top + 26),
                      cxtfSingleLine);
      int left = columnLeft + labelWidth;
      for (int state = 0; state < int(e.States.size()); ++state) {
        canvas.Font()->SetColor(clGray);
        canvas.DrawTexT(e.States[state], TRect(left, top, left + std::max(e.Size.cx, 56), top + 12), cxtfSingleLine);
        canvas.Font()->SetColor(clBlack);
        canvas.Brush()->SetStyle(bsSolid);
        const TRect cell(left, top + 13, left + e.Size.cx, top + 13 + e.Size.cy);
        canvas.SaveState();
        canvas.IntersectClipRect(cell);
        e.Draw(painter, &canvas, cell, state);
        canvas.RestoreState();
        canvas.Brush()->SetStyle(bsClear);
        left += std::max(e.Size.cx, 56) + gap;
      }
      top += e.Size.cy + 14 + gap;
    }
    std::filesystem::create_directories("artifacts");
    SaveAsPng(sheet.Bitmap, String(L"artifacts\\") + AFile);
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(L"artifacts") / AFile));
  };
  drawSheet(L"NativePainterThemed.png");
  TThemesOff themesOff;
  drawSheet(L"NativePainterUnthemed.png");
}
