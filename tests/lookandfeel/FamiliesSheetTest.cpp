// Every element of the root painter's families in every state: drawn into
// one PNG sheet per family for a person to look at, and checked to leave
// the caller's clip, font, pen and brush style as they were.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "FamilyCatalogue.h"
#include "PainterFamilies.h"

namespace {

const int LabelWidth = 250, Gap = 6;

// The canvas settings a caller relies on after a painter's call.
struct TCanvasSettings {
  std::unique_ptr<TcxRegion> Clip;
  String FontName;
  int FontHeight;
  TFontStyles FontStyle;
  int PenWidth;
  TPenStyle PenStyle;
  TBrushStyle BrushStyle;

  explicit TCanvasSettings(TcxCanvas* ACanvas)
      : Clip(ACanvas->GetClipRegion()),
        FontName(ACanvas->Font()->Name()),
        FontHeight(ACanvas->Font()->Height()),
        FontStyle(ACanvas->Font()->Style()),
        PenWidth(ACanvas->Pen()->Width()),
        PenStyle(ACanvas->Pen()->Style()),
        BrushStyle(ACanvas->Brush()->Style()) {}
};

}  // namespace

// The root painter's and every registered painter's.
TEST(FamiliesSheet, EveryElementLeavesTheCanvasSettingsAlone) {
  TcxCustomLookAndFeelPainter root;
  std::vector<TcxCustomLookAndFeelPainter*> painters{&root};
  for (int i = 0; i < PaintersManager->Count(); ++i) painters.push_back(PaintersManager->Items(i));
  auto font = SampleFont();
  for (TcxCustomLookAndFeelPainter* painter : painters) {
    const String name = painter->LookAndFeelName();
    SCOPED_TRACE(testing::Message() << "painter " << std::string(name.begin(), name.end()));
    for (const TFamilyElement& element : FamilyElements()) {
      for (int state = 0; state < static_cast<int>(element.States.size()); ++state) {
        SCOPED_TRACE(testing::Message() << std::string(element.Name, element.Name + wcslen(element.Name)) << " "
                                        << state);
        TPaintSurface surface(element.Size.cx + 20, element.Size.cy + 20, clWhite);
        TcxCanvas* canvas = surface.Canvas.get();
        canvas->SetFont(font.get());
        canvas->IntersectClipRect(TRect(2, 2, element.Size.cx + 18, element.Size.cy + 18));
        const TCanvasSettings before(canvas);
        element.Draw(*painter, canvas, TRect(10, 10, 10 + element.Size.cx, 10 + element.Size.cy), state);
        const TCanvasSettings after(canvas);
        if (!element.ChangesClip) {
          EXPECT_TRUE(before.Clip->IsEqual(after.Clip.get()));
        }
        EXPECT_EQ(before.FontName, after.FontName);
        EXPECT_EQ(before.FontHeight, after.FontHeight);
        EXPECT_TRUE(before.FontStyle == after.FontStyle);
        EXPECT_EQ(before.PenWidth, after.PenWidth);
        EXPECT_EQ(before.PenStyle, after.PenStyle);
        EXPECT_EQ(before.BrushStyle, after.BrushStyle);
      }
    }
  }
}

TEST(FamiliesSheet, EveryFamilyInEveryStateIsSavedAsAPicture) {
  TcxCustomLookAndFeelPainter painter;
  auto font = SampleFont();
  std::map<std::wstring, std::vector<const TFamilyElement*>> families;
  for (const TFamilyElement& element : FamilyElements()) families[element.Family].push_back(&element);
  std::filesystem::create_directories("artifacts");
  for (const auto& [family, elements] : families) {
    int width = 0, height = Gap + 16;
    for (const TFamilyElement* e : elements) {
      width = std::max(width, LabelWidth + static_cast<int>(e->States.size()) * (std::max(e->Size.cx, 56) + Gap));
      height += e->Size.cy + 14 + Gap;
    }
    TPaintSurface sheet(width + Gap, height, TColor(0xD8C8B8));
    TcxCanvas& canvas = *sheet.Canvas;
    canvas.SetFont(font.get());
    canvas.Brush()->SetStyle(bsClear);
    canvas.DrawTexT(family, TRect(Gap, Gap, width, Gap + 14), cxtfSingleLine);
    canvas.Brush()->SetStyle(bsSolid);
    int top = Gap + 16;
    for (const TFamilyElement* e : elements) {
      canvas.Brush()->SetStyle(bsClear);
      canvas.DrawTexT(e->Name, TRect(Gap, top + 12, LabelWidth, top + 26), cxtfSingleLine);
      int left = LabelWidth;
      for (int state = 0; state < static_cast<int>(e->States.size()); ++state) {
        canvas.Brush()->SetStyle(bsClear);
        canvas.Font()->SetColor(clGray);
        canvas.DrawTexT(e->States[state], TRect(left, top, left + std::max(e->Size.cx, 56) + Gap, top + 12),
                        cxtfSingleLine);
        canvas.Font()->SetColor(clBlack);
        canvas.Brush()->SetStyle(bsSolid);
        const TRect cell(left, top + 13, left + e->Size.cx, top + 13 + e->Size.cy);
        canvas.SaveState();
        canvas.IntersectClipRect(cell);
        e->Draw(painter, &canvas, cell, state);
        canvas.RestoreState();
        left += std::max(e->Size.cx, 56) + Gap;
      }
      top += e->Size.cy + 14 + Gap;
    }
    const String file = L"artifacts\\PainterFamily" + family + L".png";
    SaveAsPng(sheet.Bitmap, file);
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(L"artifacts") / (L"PainterFamily" + family + L".png")));
  }
  EXPECT_EQ(6u, families.size());
}
