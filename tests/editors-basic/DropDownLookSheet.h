#pragma once
// The sheet of a drop-down editor in every look: the test lays the editors
// out on the form, five looks across (10 + column * (cell width + 10)) and
// its states down (10 + row * row height); the sheet shows them with each
// look's focused editor's list open below.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "components/editors/cxDropDownEdit.h"
#include "tests/editors/DropDownFixture.h"
#include "tests/graphics/PaintSurface.h"

struct TDropDownLookSheet {
  std::vector<const char*> States;
  int CellWidth = 150;
  int RowHeight = 28;
  int ListHeight = 90;
};

// AFocused holds one editor of each look, in column order; the sheet is
// saved as artifacts/<AName>.png.
inline void SaveDropDownLookSheet(TWinControl* AForm, const std::vector<TcxCustomDropDownEdit*>& AFocused,
                                  const TDropDownLookSheet& ALayout, const std::string& AName) {
  const int rows = static_cast<int>(ALayout.States.size());
  const int cellWidth = ALayout.CellWidth, rowHeight = ALayout.RowHeight, listHeight = ALayout.ListHeight;
  TPaintSurface sheet(5 * (cellWidth + 10) + 90, rows * rowHeight + 20 + listHeight, clWhite);
  RECT window;
  for (size_t i = 0; i < AFocused.size(); ++i) {
    DropDownFixture::Focus(AFocused[i]);
    std::unique_ptr<TBitmap> picture = CaptureWindow(AForm);
    GetWindowRect(AForm->Handle(), &window);
    const TPoint origin = AForm->ClientToScreen(TPoint(0, 0));
    const int x = 10 + static_cast<int>(i) * (cellWidth + 10);
    BitBlt(sheet.Bitmap.Canvas()->Handle(), 80 + x, 0, cellWidth, rows * rowHeight + 10, picture->Canvas()->Handle(),
           origin.X - window.left + x, origin.Y - window.top, SRCCOPY);
    PressKey(VK_F4);
    ASSERT_TRUE(AFocused[i]->DroppedDown());
    std::unique_ptr<TBitmap> list = CaptureWindow(AFocused[i]->PopupWindow());
    BitBlt(sheet.Bitmap.Canvas()->Handle(), 80 + x, rows * rowHeight + 15, std::min(list->Width(), cellWidth),
           std::min(list->Height(), listHeight), list->Canvas()->Handle(), 0, 0, SRCCOPY);
    PressKey(VK_ESCAPE);
  }
  TcxCanvas* canvas = sheet.Canvas.get();
  canvas->Brush()->SetStyle(bsClear);
  for (int row = 0; row <= rows; ++row) {
    const char* name = row < rows ? ALayout.States[row] : "List open";
    canvas->DrawTexT(String(name, name + strlen(name)), TRect(4, 14 + row * rowHeight, 80, 30 + row * rowHeight),
                     cxtfAlignLeft | cxtfSingleLine);
  }
  std::filesystem::create_directories("artifacts");
  SaveAsPng(sheet.Bitmap, String(L"artifacts\\") + String(AName.begin(), AName.end()) + L".png");
  EXPECT_TRUE(std::filesystem::exists("artifacts/" + AName + ".png"));
}
