// The standard controls driven as a person would: typing into edits with
// their limits, picking combo and list items, clicking check boxes, and
// what labels show.
#include <gtest/gtest.h>

#include "tests/guiharness/FormFixture.h"
#include "tests/guiharness/GuiDriver.h"
#include "tests/guiharness/WindowCapture.h"
#include "vcl/controls/Application.h"
#include "vcl/controls/Forms.h"
#include "vcl/controls/StdCtrls.h"

namespace {
struct StdCtrlsTest : FormFixture {
  StdCtrlsTest() {
    Form->SetBounds(0, 0, 400, 300);
    Form->Show();
  }
};
}  // namespace

TEST_F(StdCtrlsTest, EditsApplyCaseDigitsAndLengthToWhatIsTyped) {
  struct {
    TEditCharCase CharCase;
    bool NumbersOnly;
    int MaxLength;
    const wchar_t* Typed;
    const wchar_t* Kept;
  } cases[] = {
      {ecUpperCase, false, 5, L"abc12xyz", L"ABC12"},
      {ecUpperCase, true, 6, L"12a3b4567", L"123456"},
      {ecNormal, false, 0, L"Série", L"Série"},
      {ecLowerCase, false, 3, L"ABCD", L"abc"},
  };
  for (const auto& c : cases) {
    auto* edit = Add<TEdit>(8, 8);
    edit->SetCharCase(c.CharCase);
    edit->SetNumbersOnly(c.NumbersOnly);
    edit->SetMaxLength(c.MaxLength);
    TypeText(edit, c.Typed);
    EXPECT_EQ(c.Kept, edit->Text()) << ToUtf8(c.Typed);
    delete edit;
  }
}

TEST_F(StdCtrlsTest, EditKeepsItsTextAndLimitsWhenItsWindowIsMadeAgain) {
  auto* edit = Add<TEdit>(8, 8);
  edit->SetMaxLength(4);
  int changes = 0;
  edit->OnChange = [&](TObject*) { ++changes; };
  TypeText(edit, L"ab");
  edit->SetCharCase(ecUpperCase);  // makes the window again, unnoticed
  TypeText(edit, L"cd");
  EXPECT_EQ(4, changes);
  TypeText(edit, L"ef");
  EXPECT_EQ(L"ABCD", edit->Text());  // the case applies to the whole text
}

TEST_F(StdCtrlsTest, OwnerDrawnComboMeasuresAndDrawsEachItemAndReportsThePick) {
  auto* combo = new TComboBox(Form);
  combo->SetStyle(csOwnerDrawVariable);
  combo->Items()->Add(L"Interbase/Firebird");
  combo->Items()->Add(L"Oracle");
  std::vector<int> measured;
  combo->OnMeasureItem = [&](TWinControl*, int Index, int& Height) {
    measured.push_back(Index);
    Height = 18 + Index;
  };
  combo->SetParent(Form);  // made now: the two items are measured
  combo->Items()->Add(L"SQL Server");
  EXPECT_EQ((std::vector<int>{0, 1, 2}), measured);
  EXPECT_EQ(20, SendMessageW(combo->Handle(), CB_GETITEMHEIGHT, 2, 0));
  EXPECT_EQ(-1, combo->ItemIndex());

  std::vector<int> drawn;
  combo->OnDrawItem = [&](TWinControl*, int Index, const TRect&, TOwnerDrawState) {
    drawn.push_back(Index);
  };
  int changes = 0;
  combo->OnChange = [&](TObject*) { ++changes; };
  PickItem(combo, 2);
  combo->Repaint();
  EXPECT_EQ(2, combo->ItemIndex());
  EXPECT_EQ(1, changes);
  EXPECT_EQ(L"SQL Server", WindowText(combo->Handle()));
  EXPECT_FALSE(drawn.empty());
  EXPECT_EQ(2, drawn.back());
  EXPECT_THROW(combo->SetItemIndex(3), EListError);
}

TEST_F(StdCtrlsTest, ComboPicksOnlyFromItsList) {
  auto* combo = Add<TComboBox>(8, 8);
  combo->SetStyle(csOwnerDrawVariable);
  combo->Items()->Add(L"Oracle");
  TypeText(combo, L"x");
  EXPECT_EQ(L"", combo->Text());
  EXPECT_EQ(CBS_DROPDOWNLIST, GetWindowLongW(combo->Handle(), GWL_STYLE) & CBS_DROPDOWNLIST);
}

TEST_F(StdCtrlsTest, ListItemsSurviveTheirWindow) {
  auto* list = Add<TListBox>(8, 8);
  list->Items()->SetText(L"um\r\ndois\r\ntrês");
  list->SetItemIndex(1);
  list->Items()->Delete(0);
  list->Items()->Insert(0, L"zero");
  EXPECT_EQ(3, SendMessageW(list->Handle(), LB_GETCOUNT, 0, 0));
  int clicks = 0;
  list->OnClick = [&](TObject*) { ++clicks; };
  PickItem(list, 2);
  EXPECT_EQ(1, clicks);
  list->SetParent(nullptr);  // the window goes, the items stay
  EXPECT_FALSE(list->HandleAllocated());
  EXPECT_EQ(2, list->ItemIndex());
  list->SetParent(Form);
  EXPECT_EQ(L"zero\r\ndois\r\ntrês\r\n", list->Items()->Text());
  EXPECT_EQ(2, static_cast<int>(SendMessageW(list->Handle(), LB_GETCURSEL, 0, 0)));
}

TEST_F(StdCtrlsTest, CheckBoxFollowsClicksAndCode) {
  auto* box = Add<TCheckBox>(8, 8);
  box->SetCaption(L"Ativo");
  int clicks = 0;
  box->OnClick = [&](TObject*) { ++clicks; };
  ClickControl(box);
  EXPECT_TRUE(box->Checked());
  box->SetChecked(false);
  EXPECT_EQ(BST_UNCHECKED, SendMessageW(box->Handle(), BM_GETCHECK, 0, 0));
  box->SetChecked(false);  // no change, no click
  EXPECT_EQ(2, clicks);
  EXPECT_EQ(L"Ativo", WindowText(box->Handle()));
}

TEST_F(StdCtrlsTest, LabelsSizeToTheirTextAndPaintInTheirColours) {
  auto* label = Add<TLabel>(10, 10);
  label->SetCaption(L"Nota Fiscal");
  int width = label->Width();
  label->Font()->SetStyle({fsBold});
  EXPECT_GT(label->Width(), width);

  auto* wrapped = Add<TLabel>(10, 40);
  wrapped->SetWordWrap(true);
  wrapped->SetAutoSize(false);
  wrapped->SetWidth(60);
  wrapped->SetAutoSize(true);
  wrapped->SetCaption(L"Só é necessário preencher as datas");
  EXPECT_LT(wrapped->Width(), 100);  // its longest line
  EXPECT_GT(wrapped->Height(), 2 * label->Height() - 4);

  auto* red = Add<TLabel>(10, 150);
  red->SetCaption(L"[Fechado]");
  red->SetColor(clYellow);
  red->Font()->SetColor(clRed);
  auto picture = CaptureWindow(red);
  bool sawRed = false;
  for (int x = 0; x < picture->Width(); ++x)
    for (int y = 0; y < picture->Height(); ++y) sawRed |= PixelColor(*picture, x, y) == clRed;
  EXPECT_TRUE(sawRed);
  EXPECT_EQ(clYellow, PixelColor(*picture, picture->Width() - 1, 0));
}

TEST_F(StdCtrlsTest, ControlsTakeTheFormsFontUntilGivenTheirOwn) {
  auto* label = Add<TLabel>(10, 10);
  Form->Font()->SetSize(12);
  EXPECT_EQ(12, label->Font()->Size());
  label->Font()->SetColor(clNavy);
  Form->Font()->SetSize(10);
  EXPECT_EQ(12, label->Font()->Size());
  EXPECT_FALSE(label->ParentFont());
  auto font = reinterpret_cast<HFONT>(SendMessageW(label->Handle(), WM_GETFONT, 0, 0));
  EXPECT_EQ(label->Font()->Handle(), font);
}
