// A bare editor with buttons in every look and state, normal and inplace,
// on one sheet kept as a PNG picture for a person to look at.
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/editors/EditorFixture.h"

TEST(EditorSheet, ABareEditorWithButtonsInEveryLookAndState) {
  const int cellWidth = 150, cellHeight = 22, left = 90, top = 26;
  struct TState {
    const char* Name;
    bool Enabled, Focused, OnButton, Press, ReadOnly;
  };
  const TState states[] = {{"Normal", true, false, false, false, false},  {"Hot", true, false, false, false, false},
                           {"Button hot", true, false, true, false, false}, {"Pressed", true, false, true, true, false},
                           {"Focused", true, true, false, false, false},    {"Disabled", false, false, false, false, false},
                           {"Read-only", true, false, false, false, true}};
  const int columns = 2 * 5;
  TPaintSurface sheet(left + columns / 2 * (cellWidth + 10) * 2 + 10, top + 7 * (cellHeight + 8) + 10, clWhite);
  TcxCanvas* canvas = sheet.Canvas.get();
  canvas->Font()->SetName(L"Tahoma");
  canvas->Font()->SetHeight(-11);
  auto label = [&](const String& AText, const TRect& R) {
    canvas->Font()->SetColor(clBlack);
    canvas->Brush()->SetStyle(bsClear);
    canvas->DrawTexT(AText, R, cxtfAlignLeft | cxtfAlignVCenter | cxtfSingleLine);
    canvas->Brush()->SetStyle(bsSolid);
  };
  for (int s = 0; s < 7; ++s)
    label(String(states[s].Name, states[s].Name + strlen(states[s].Name)),
          TRect(4, top + s * (cellHeight + 8), left, top + s * (cellHeight + 8) + cellHeight));
  int column = 0;
  for (const TLook look : AllLooks)
    for (const bool inplace : {false, true}) {
      const int x = left + column++ * (cellWidth + 10);
      const std::string title = std::string(LookName(look)) + (inplace ? " inplace" : "");
      label(String(title.begin(), title.end()), TRect(x, 4, x + cellWidth, 20));
      for (int s = 0; s < 7; ++s) {
        const TState& state = states[s];
        TBareEditor editor;
        editor.SetLook(look);
        editor.Style.SetColor(clWindow);
        editor.Properties.SetReadOnly(state.ReadOnly);
        editor.AddButton(bkEllipsis, true);
        editor.AddButton(bkText)->SetCaption(L"&Go");
        editor.AddButton(bkDown);
        const TRect cell(x, top + s * (cellHeight + 8), x + cellWidth, top + s * (cellHeight + 8) + cellHeight);
        std::unique_ptr<TcxCustomEditViewData> viewData(editor.Properties.CreateViewData(&editor.Style, inplace));
        viewData->Enabled = state.Enabled;
        viewData->Focused = state.Focused;
        TPoint mouse(-1, -1);
        if (std::string(state.Name) == "Hot") mouse = TPoint(cell.Left + 60, cell.Top + 10);
        if (state.OnButton) mouse = TPoint(cell.Right - 8, cell.Top + 10);
        viewData->CalculateEx(canvas, cell, mouse, state.Press ? cxmbLeft : cxmbNone,
                              state.Press ? TShiftState{ssLeft} : TShiftState{}, &editor.ViewInfo, true);
        editor.ViewInfo.PaintEx(canvas);
        if (state.OnButton) {
          EXPECT_EQ(editor.ViewInfo.Button(2)->Data.State, state.Press ? ebsPressed : ebsSelected) << title;
        }
      }
    }
  std::filesystem::create_directories("artifacts");
  SaveAsPng(sheet.Bitmap, L"artifacts\\EditorButtons.png");
  EXPECT_TRUE(std::filesystem::exists("artifacts/EditorButtons.png"));
}
