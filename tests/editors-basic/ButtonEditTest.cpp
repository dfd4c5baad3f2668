// The button edit's default ellipsis button, clicked by the click key and
// the mouse; and the sheet of the button, spin and time edits in every
// look, their buttons at rest and held.
#include <gtest/gtest.h>

#include <filesystem>

#include "components/editors-basic/cxButtonEdit.h"
#include "components/editors-basic/cxTimeEdit.h"
#include "tests/calendars/LocaleScope.h"
#include "tests/editors-basic/NumericEditFixture.h"
#include "tests/graphics/PaintSurface.h"

namespace {

struct ButtonEdit : NumericEditFixture {};

}  // namespace

TEST_F(ButtonEdit, StartsWithOneDefaultEllipsisButtonThatTheClickKeyAndTheMouseClick) {
  TcxButtonEdit* edit = AddEdit<TcxButtonEdit>();
  TcxEditButtons* buttons = edit->Properties()->Buttons();
  ASSERT_EQ(buttons->Count(), 1);
  EXPECT_EQ(buttons->Items(0)->Kind(), bkEllipsis);
  EXPECT_TRUE(buttons->Items(0)->Default());
  std::vector<int> clicked;
  edit->Properties()->OnButtonClick = [&](TObject*, int AIndex) { clicked.push_back(AIndex); };
  edit->SetFocus();
  ProcessPendingMessages();
  Key(VK_RETURN, true);
  EXPECT_EQ(clicked, std::vector<int>{0});
  EXPECT_EQ(edit->Text(), L"");  // the key's character is no typing
  // A second button, and a person's click on each.
  buttons->Add()->SetKind(bkText);
  buttons->Items(1)->SetCaption(L"Go");
  ProcessPendingMessages();
  for (int visible = 0; visible < 2; ++visible) {
    const TPoint p = Centre(edit->ViewInfo()->Button(visible)->Bounds);
    Post(edit, WM_MOUSEMOVE, 0, p);
    Post(edit, WM_LBUTTONDOWN, MK_LBUTTON, p);
    Post(edit, WM_LBUTTONUP, 0, p);
  }
  EXPECT_EQ(clicked, (std::vector<int>{0, 0, 1}));
  TcxRegisteredClasses* registry = cxEditPropertiesRegistry();
  const int index = registry->GetIndexByClass(TcxButtonEditProperties::StaticClass());
  ASSERT_GE(index, 0);
  EXPECT_EQ(registry->GetDescription(index), L"ButtonEdit");
  EXPECT_EQ(registry->GetHint(index), L"Represents an edit control with embedded buttons");
  // No helper of its own: the mask edit's serves it.
  EXPECT_EQ(cxFilterEditsRegistry()->FindHelper(TcxButtonEditProperties::StaticClass()),
            TcxFilterMaskEditHelper::Instance());
}

// Every look down the columns; the rows are the editors and their states.
TEST_F(ButtonEdit, SheetOfTheButtonSpinAndTimeEditsInEveryLook) {
  TLocaleScope locale(cxLangPtBR);
  const char* rows[] = {"Button",        "Spin",          "Spin held up",  "Spin disabled",
                        "Spin side",     "Spin left/right", "Spin fast",   "Time 24h",
                        "Time 12h",      "Time focused"};
  const int rowCount = 10, cellWidth = 130, rowHeight = 28;
  Form->SetBounds(0, 0, 5 * (cellWidth + 10) + 40, rowCount * rowHeight + 80);
  Other->SetVisible(false);  // it would stand over the first column
  std::vector<TcxCustomEdit*> focused;
  std::vector<TcxSpinEdit*> held;
  for (int column = 0; column < 5; ++column)
    for (int row = 0; row < rowCount; ++row) {
      TcxCustomEdit* edit;
      if (row == 0) {
        auto* button = new TcxButtonEdit(Form);
        button->SetText(L"C:\\dados");
        edit = button;
      } else if (row < 7) {
        auto* spin = new TcxSpinEdit(Form);
        spin->SetValue(Variant(1234));
        TcxSpinEditButtons* spinButtons = spin->Properties()->SpinButtons();
        if (row == 2) held.push_back(spin);
        if (row == 3) spin->SetEnabled(false);
        if (row == 4) spinButtons->SetPosition(sbpHorzRight);
        if (row == 5) spinButtons->SetPosition(sbpHorzLeftRight);
        if (row == 6) spinButtons->SetShowFastButtons(true);
        edit = spin;
      } else {
        auto* time = new TcxTimeEdit(Form);
        time->Properties()->SetUse24HourFormat(row != 8);
        time->SetTime((18 * 3600 + 5 * 60 + 9) / 86400.0);
        if (row == 9) focused.push_back(time);
        edit = time;
      }
      edit->SetBounds(10 + column * (cellWidth + 10), 10 + row * rowHeight, cellWidth, 22);
      edit->SetParent(Form);
      SetLook(edit->Style()->LookAndFeel(), AllLooks[column]);
    }
  ProcessPendingMessages();
  TPaintSurface sheet(5 * (cellWidth + 10) + 110, rowCount * rowHeight + 20, clWhite);
  RECT window;
  auto copyRows = [&](TBitmap* APicture, int AColumn, int AFirstRow, int ARowCount) {
    GetWindowRect(Form->Handle(), &window);
    const TPoint origin = Form->ClientToScreen(TPoint(0, 0));
    const int x = 10 + AColumn * (cellWidth + 10), y = 5 + AFirstRow * rowHeight;
    BitBlt(sheet.Bitmap.Canvas()->Handle(), 100 + x, y, cellWidth, ARowCount * rowHeight,
           APicture->Canvas()->Handle(), origin.X - window.left + x, origin.Y - window.top + y, SRCCOPY);
  };
  for (size_t i = 0; i < focused.size(); ++i) {
    const int column = static_cast<int>(i);
    focused[i]->SetFocus();
    ProcessPendingMessages();
    RedrawWindow(Form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    copyRows(CaptureWindow(Form).get(), column, 0, rowCount);
    // The held button shows pressed while the mouse keeps it down.
    const TPoint up = Centre(held[i]->ViewInfo()->Button(1)->Bounds);
    Post(held[i], WM_MOUSEMOVE, 0, up);
    Post(held[i], WM_LBUTTONDOWN, MK_LBUTTON, up);
    EXPECT_EQ(held[i]->ViewInfo()->Button(1)->Data.State, ebsPressed);
    UpdateWindow(Form->Handle());
    copyRows(CaptureWindow(Form).get(), column, 2, 1);
    Post(held[i], WM_LBUTTONUP, 0, up);
  }
  TcxCanvas* canvas = sheet.Canvas.get();
  canvas->Brush()->SetStyle(bsClear);
  for (int row = 0; row < rowCount; ++row)
    canvas->DrawTexT(String(rows[row], rows[row] + strlen(rows[row])),
                     TRect(4, 14 + row * rowHeight, 100, 30 + row * rowHeight), cxtfAlignLeft | cxtfSingleLine);
  std::filesystem::create_directories("artifacts");
  SaveAsPng(sheet.Bitmap, L"artifacts\\NumericEdits.png");
  EXPECT_TRUE(std::filesystem::exists("artifacts/NumericEdits.png"));
}
