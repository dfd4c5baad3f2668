// Date-time pickers with their check box, and the status bar.
#include <gtest/gtest.h>

#include <commctrl.h>

#include "tests/guiharness/GuiDriver.h"
#include "vcl/controls/Application.h"
#include "vcl/controls/ComCtrls.h"
#include "vcl/controls/Forms.h"
#include "vcl/rtl/DateUtils.h"

namespace {
struct ComCtrlsTest : ::testing::Test {
  TForm* Form = new TForm(Application);
  ComCtrlsTest() { Form->Show(); }
  ~ComCtrlsTest() override { delete Form; }

  TDateTimePicker* UncheckedPicker(TDateTime Value) {
    auto* picker = new TDateTimePicker(Form);
    picker->SetShowCheckbox(true);
    picker->SetDateTime(Value);
    picker->SetChecked(false);
    picker->SetParent(Form);
    return picker;
  }
  // What the window itself says: GDT_VALID with its date, or GDT_NONE.
  static LRESULT WindowValue(TDateTimePicker* Picker, SYSTEMTIME& Time) {
    return SendMessageW(Picker->Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&Time));
  }
};
}  // namespace

TEST_F(ComCtrlsTest, PickerStartsUncheckedAndKeepsItsDate) {
  TDateTime when = EncodeDateTime(2022, 8, 3, 14, 30, 0, 0);
  auto* picker = UncheckedPicker(when);
  SYSTEMTIME time;
  EXPECT_EQ(GDT_NONE, WindowValue(picker, time));
  EXPECT_FALSE(picker->Checked());
  EXPECT_EQ(when, picker->DateTime());
  EXPECT_EQ(EncodeDate(2022, 8, 3), picker->Date());
  picker->SetChecked(true);
  ASSERT_EQ(GDT_VALID, WindowValue(picker, time));
  EXPECT_EQ(2022, time.wYear);
  EXPECT_EQ(8, time.wMonth);
  EXPECT_EQ(3, time.wDay);
}

TEST_F(ComCtrlsTest, APersonTickingTheBoxChecksThePickerAndIsReported) {
  auto* picker = UncheckedPicker(EncodeDate(2022, 1, 31));
  int changes = 0;
  picker->OnChange = [&](TObject*) { ++changes; };
  ClickDateCheckBox(picker);
  EXPECT_TRUE(picker->Checked());
  EXPECT_EQ(1, changes);
  EXPECT_EQ(EncodeDate(2022, 1, 31), picker->Date());
  ClickDateCheckBox(picker);
  EXPECT_FALSE(picker->Checked());
  EXPECT_EQ(2, changes);
}

TEST_F(ComCtrlsTest, PickerRefusesDatesItCannotShow) {
  auto* picker = UncheckedPicker(EncodeDate(2022, 1, 31));
  EXPECT_THROW(picker->SetDateTime(EncodeDate(1500, 1, 1)), EDateTimeError);
  EXPECT_EQ(EncodeDate(2022, 1, 31), picker->DateTime());
}

TEST_F(ComCtrlsTest, PickerKeepsItsStateWhenItsWindowIsMadeAgain) {
  auto* picker = UncheckedPicker(EncodeDate(2021, 12, 24));
  picker->SetShowCheckbox(false);  // makes the window again
  picker->SetShowCheckbox(true);
  SYSTEMTIME time;
  EXPECT_EQ(GDT_NONE, WindowValue(picker, time));
  EXPECT_EQ(EncodeDate(2021, 12, 24), picker->Date());
}

TEST_F(ComCtrlsTest, StatusBarSitsAtTheBottomAndShowsItsTexts) {
  Form->SetClientSize(450, 293);
  auto* bar = new TStatusBar(Form);
  bar->SetParent(Form);
  EXPECT_EQ(Form->ClientHeight(), bar->Top() + bar->Height());
  EXPECT_EQ(450, bar->Width());
  TStatusPanel* first = bar->AddPanel();
  first->SetWidth(100);
  first->SetText(L"Aberto");
  bar->AddPanel()->SetText(L"ERP");
  wchar_t text[32];
  EXPECT_EQ(2, SendMessageW(bar->Handle(), SB_GETPARTS, 0, 0));
  SendMessageW(bar->Handle(), SB_GETTEXTW, 1, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(L"ERP", text);
  bar->SetSimplePanel(true);
  bar->SetSimpleText(L"Processando");
  SendMessageW(bar->Handle(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(L"Processando", text);
  Form->SetClientSize(500, 300);
  EXPECT_EQ(300, bar->Top() + bar->Height());
}
