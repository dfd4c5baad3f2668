// The same elements drawn through every registered painter, side by side on
// one sheet kept as a PNG picture for a person to look at: one column per
// painter, one row per element, the element's states across the row.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "FamilyCatalogue.h"
#include "PainterFamilies.h"
#include "components/core/dxOffice11.h"

namespace {

using P = TcxCustomLookAndFeelPainter;

const std::vector<const wchar_t*> ButtonStates{L"Default", L"Normal", L"Hot", L"Pressed", L"Disabled"};
const std::vector<const wchar_t*> Expansion{L"Collapsed", L"Expanded"};

TcxButtonState ButtonState(int AState) { return static_cast<TcxButtonState>(AState); }

// The elements that tell the looks apart: those of the catalogue that the
// painters override, and the ones the root painter leaves blank.
std::vector<TFamilyElement> SheetElements() {
  const wchar_t* const fromCatalogue[] = {L"DrawHeader",
                                          L"DrawHeaderControlSection",
                                          L"DrawFooterCell",
                                          L"DrawCheckButton",
                                          L"DrawNavigatorButton",
                                          L"DrawSchedulerNavigatorButton",
                                          L"DrawMonthHeader",
                                          L"DrawDateNavigatorDateHeader",
                                          L"DrawTrackBarThumb",
                                          L"DrawToggleSwitchThumb",
                                          L"DrawBreadcrumbEditButton",
                                          L"DrawDropDownListBox",
                                          L"DrawAlertWindowBackground",
                                          L"DrawSplitter",
                                          L"DrawSizeGrip"};
  std::vector<TFamilyElement> result;
  result.push_back({L"", L"DrawButton", {40, 22}, ButtonStates, [](P& p, TcxCanvas* c, const TRect& r, int s) {
                      p.DrawButton(c, r, L"Ok", ButtonState(s));
                    }});
  result.push_back({L"", L"DrawExpandButton", {22, 22}, Expansion, [](P& p, TcxCanvas* c, const TRect& r, int s) {
                      const int size = std::max(p.ExpandButtonSize(), 9);
                      p.DrawExpandButton(c, TRect(r.Left + 4, r.Top + 4, r.Left + 4 + size, r.Top + 4 + size), s == 1);
                    }});
  result.push_back(
      {L"", L"DrawScrollBarPart (arrow)", {22, 22}, ButtonStates, [](P& p, TcxCanvas* c, const TRect& r, int s) {
         p.DrawScrollBarPart(c, false, r, sbpLineDown, ButtonState(s));
       }});
  result.push_back(
      {L"", L"DrawScrollBarPart (thumb, page)", {22, 40}, ButtonStates, [](P& p, TcxCanvas* c, const TRect& r, int s) {
         p.DrawScrollBarPart(c, false, TRect(r.Left, r.Top, r.Right, r.Top + 24), sbpThumbnail, ButtonState(s));
         p.DrawScrollBarPart(c, false, TRect(r.Left, r.Top + 24, r.Right, r.Bottom), sbpPageDown, ButtonState(s));
       }});
  result.push_back(
      {L"", L"DrawFilterDropDownButton", {22, 22}, ButtonStates, [](P& p, TcxCanvas* c, const TRect& r, int s) {
         p.DrawFilterDropDownButton(c, r, ButtonState(s), s == 0);
       }});
  result.push_back({L"",
                    L"DrawBorder, DrawGroupBoxFrame",
                    {50, 30},
                    {L"Border", L"Group box"},
                    [](P& p, TcxCanvas* c, const TRect& r, int s) {
                      if (s == 0)
                        p.DrawBorder(c, r);
                      else
                        p.DrawGroupBoxFrame(c, r, true, cxgpTop, cxBordersAll);
                    }});
  result.push_back(
      {L"", L"DrawSortingMark", {22, 22}, {L"Ascending", L"Descending"}, [](P& p, TcxCanvas* c, const TRect& r, int s) {
         p.DrawSortingMark(c, r, s == 0);
       }});
  result.push_back(
      {L"", L"DrawTabsRoot, DrawTabBorder", {50, 22}, {L"Root", L"Tab"}, [](P& p, TcxCanvas* c, const TRect& r, int s) {
         if (s == 0) return p.DrawTabsRoot(c, r, cxBordersAll, false);
         for (TcxBorder side : {bLeft, bTop, bRight}) {
           TRect line = r;
           if (side == bLeft) line.Right = line.Left + 1;
           if (side == bTop) line.Bottom = line.Top + 1;
           if (side == bRight) line.Left = line.Right - 1;
           p.DrawTabBorder(c, line, side, {bLeft, bTop, bRight}, false);
         }
       }});
  result.push_back(
      {L"", L"DrawToggleSwitchState", {40, 22}, {L"Off", L"On"}, [](P& p, TcxCanvas* c, const TRect& r, int s) {
         p.DrawToggleSwitchState(c, r, cxbsNormal, s == 1);
       }});
  result.push_back(
      {L"", L"DrawSchedulerSplitterBorder", {50, 10}, {L"Horizontal"}, [](P& p, TcxCanvas* c, const TRect& r, int) {
         p.DrawSchedulerSplitterBorder(c, cxRectDeflated(r, 1), {nullptr, clWindow, nullptr, clBlack}, true);
       }});
  for (const TFamilyElement& element : FamilyElements())
    if (std::any_of(std::begin(fromCatalogue), std::end(fromCatalogue),
                    [&](const wchar_t* AName) { return wcscmp(AName, element.Name) == 0; }))
      result.push_back(element);
  return result;
}

const int LabelWidth = 230, Gap = 6, TitleHeight = 20;

// One column per painter, labelled with its name; a row per element.
std::unique_ptr<TPaintSurface> DrawSheet(const std::vector<TcxCustomLookAndFeelPainter*>& APainters) {
  const std::vector<TFamilyElement> elements = SheetElements();
  int columnWidth = 0, height = TitleHeight + Gap;
  for (const TFamilyElement& e : elements) {
    columnWidth = std::max(columnWidth, static_cast<int>(e.States.size()) * (e.Size.cx + Gap));
    height += e.Size.cy + Gap;
  }
  columnWidth += 3 * Gap;
  auto sheet = std::make_unique<TPaintSurface>(LabelWidth + static_cast<int>(APainters.size()) * columnWidth,
                                               height + Gap, TColor(0xD8C8B8));
  TcxCanvas* canvas = sheet->Canvas.get();
  auto font = SampleFont();
  const auto label = [&](const String& AText, const TRect& R) {
    canvas->SetFont(font.get());
    canvas->Brush()->SetStyle(bsClear);
    canvas->DrawTexT(AText, R, cxtfAlignLeft | cxtfAlignVCenter | cxtfSingleLine);
    canvas->Brush()->SetStyle(bsSolid);
  };
  const auto columnLeft = [&](size_t AColumn) { return LabelWidth + static_cast<int>(AColumn) * columnWidth; };
  for (size_t column = 0; column < APainters.size(); ++column)
    label(APainters[column]->LookAndFeelName(), TRect(columnLeft(column), 0, columnLeft(column + 1), TitleHeight));
  int top = TitleHeight + Gap;
  for (const TFamilyElement& e : elements) {
    label(e.Name, TRect(Gap, top, LabelWidth, top + e.Size.cy));
    for (size_t column = 0; column < APainters.size(); ++column) {
      const int left = columnLeft(column);
      canvas->FillRect(TRect(left, top - 2, left + columnWidth - Gap, top + e.Size.cy + 2), clBtnFace);
      for (int state = 0; state < static_cast<int>(e.States.size()); ++state) {
        const int x = left + Gap + state * (e.Size.cx + Gap);
        canvas->SaveClipRegion();
        e.Draw(*APainters[column], canvas, TRect(x, top, x + e.Size.cx, top + e.Size.cy), state);
        canvas->RestoreClipRegion();
      }
    }
    top += e.Size.cy + Gap;
  }
  return sheet;
}

}  // namespace

// Whichever painters are registered take part; each also gets a sheet of
// its own.
TEST(AllPaintersSheet, TheRegisteredPaintersSideBySide) {
  std::vector<TcxCustomLookAndFeelPainter*> painters;
  for (int i = 0; i < PaintersManager->Count(); ++i) painters.push_back(PaintersManager->Items(i));
  ASSERT_GE(painters.size(), 4u) << "the built-in painters are registered at start-up";
  std::filesystem::create_directories("artifacts");
  SaveAsPng(DrawSheet(painters)->Bitmap, L"artifacts\\AllPainters.png");
  EXPECT_TRUE(std::filesystem::exists("artifacts/AllPainters.png"));
  for (TcxCustomLookAndFeelPainter* painter : painters) {
    const String name = L"artifacts\\Painter" + painter->LookAndFeelName() + L".png";
    SaveAsPng(DrawSheet({painter})->Bitmap, name);
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(name)));
  }
}

// Wine's visual style is no standard XP colour variant, so the Office11 look
// mixes its colours from the system's; its blue variant is drawn here too.
TEST(AllPaintersSheet, Office11InItsBlueColourVariant) {
  TcxCustomLookAndFeelPainter* office11 = PaintersManager->GetPainter(lfsOffice11);
  ASSERT_NE(nullptr, office11);
  dxOffice11InitColorsForScheme(1);
  std::filesystem::create_directories("artifacts");
  SaveAsPng(DrawSheet({office11})->Bitmap, L"artifacts\\PainterOffice11Blue.png");
  dxOffice11InitColors();
  EXPECT_TRUE(std::filesystem::exists("artifacts/PainterOffice11Blue.png"));
}
