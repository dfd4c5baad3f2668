// The radio group and the radio button: values of items, ItemIndex, the
// person's clicks, arrows and Tab through the child buttons, read-only
// refusal, columns laid out as a grid, standalone buttons in groups, and
// sheets of every look.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "components/editors-basic/cxRadioGroup.h"
#include "components/editors/cxEditUtils.h"
#include "components/editors/cxFilterControlUtils.h"
#include "tests/editors-basic/ButtonFixture.h"
#include "tests/graphics/PaintSurface.h"
#include "vcl/classes/Filer.h"
#include "vcl/rtl/Streams.h"

namespace {

struct TRadioGroupProperties : ::testing::Test {
  TcxRadioGroupProperties Properties{nullptr};
  void AddItem(const String& ACaption, const Variant& AValue = Null()) {
    TcxRadioGroupItem* item = Properties.Items()->Add();
    item->SetCaption(ACaption);
    item->SetValue(AValue);
  }
};

}  // namespace

// An item's value is its Value, else its caption, else its index; every
// mapping back takes the first item with an equal value.
TEST_F(TRadioGroupProperties, ItemValuesAndTheItemOfAValue) {
  AddItem(L"Um", Variant(10));
  AddItem(L"Dois");
  AddItem(L"");
  AddItem(L"Outro dez", Variant(10));
  struct TCase {
    int Index;
    Variant Value;
  };
  const TCase values[] = {{-1, Null()}, {0, Variant(10)}, {1, Variant(String(L"Dois"))}, {2, Variant(2)},
                          {3, Variant(10)}};
  for (const TCase& c : values) {
    SCOPED_TRACE(c.Index);
    EXPECT_TRUE(cxVarEqualsSameType(Properties.ValueOfItem(c.Index), c.Value));
  }
  struct TLookup {
    Variant Value;
    int Index;
    const wchar_t* Text;
  };
  const TLookup lookups[] = {{Variant(10), 0, L"Um"},
                             {Variant(String(L"Dois")), 1, L"Dois"},
                             {Variant(2), 2, L""},
                             {Variant(99), -1, L""},
                             {Null(), -1, L""}};
  for (const TLookup& c : lookups) {
    SCOPED_TRACE(c.Index);
    EXPECT_EQ(Properties.GetRadioGroupItemIndex(c.Value), c.Index);
    EXPECT_EQ(Properties.GetDisplayText(c.Value), c.Text);
  }
  Properties.SetDefaultCaption(L"(nenhum)");
  EXPECT_EQ(Properties.GetDisplayText(Variant(99)), L"(nenhum)");
}

// A filter row lists the captions; each value selects the item the group
// would check, and reads back as the value that item gives the edit (an
// item without Value too), so the row finds what the group shows.
TEST_F(TRadioGroupProperties, AFilterRowChoosesAnItemByTheValueTheGroupGivesIt) {
  const TcxCustomFilterEditHelper* helper =
      cxFilterEditsRegistry()->FindHelper(TcxRadioGroupProperties::StaticClass());
  ASSERT_EQ(helper, TcxFilterRadioGroupHelper::Instance());
  AddItem(L"Um", Variant(10));
  AddItem(L"Dois");
  AddItem(L"");
  AddItem(L"Outro dez", Variant(10));
  Properties.SetDefaultValue(Variant(99));
  Properties.SetDefaultCaption(L"Nenhum");
  std::unique_ptr<TcxCustomEdit> edit(helper->GetFilterEdit(&Properties));
  auto* combo = dynamic_cast<TcxComboBox*>(edit.get());
  ASSERT_NE(combo, nullptr);
  TcxComboBoxProperties* filter = combo->ActiveProperties();
  EXPECT_EQ(filter->DropDownListStyle(), lsFixedList);
  ASSERT_EQ(filter->Items()->Count(), 4);
  EXPECT_EQ(filter->Items()->Strings(0), L"Um");
  EXPECT_EQ(filter->Items()->Strings(3), L"Outro dez");
  EXPECT_TRUE(helper->UseDisplayValue());
  EXPECT_EQ(helper->GetSupportedFilterOperators(&Properties, nullptr, false),
            (TcxFilterControlOperators{fcoEqual, fcoNotEqual, fcoBlanks, fcoNonBlanks}));
  EXPECT_EQ(helper->GetSupportedFilterOperators(&Properties, nullptr, true),
            (TcxFilterControlOperators{fcoEqual, fcoNotEqual, fcoBlanks, fcoNonBlanks, fcoInList, fcoNotInList}));

  struct TCase {
    Variant Value;
    int Item;
    Variant FilterValue;
    const wchar_t* Text;
  };
  const TCase cases[] = {{Variant(10), 0, Variant(10), L"Um"},
                         {Variant(String(L"Dois")), 1, Variant(String(L"Dois")), L"Dois"},
                         {Variant(2), 2, Variant(2), L""},
                         {Variant(99), -1, Variant(99), L"Nenhum"},
                         {Null(), -1, Variant(99), L"Nenhum"}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(&c - cases);
    helper->SetFilterValue(combo, &Properties, c.Value);
    EXPECT_EQ(combo->ItemIndex(), c.Item);
    Variant value;
    String text = L"?";
    helper->GetFilterValue(combo, &Properties, value, text);
    EXPECT_TRUE(cxVarEqualsSameType(value, c.FilterValue));
    EXPECT_EQ(text, c.Text);
  }
}

TEST_F(TRadioGroupProperties, ColumnsAndRows) {
  struct TCase {
    int Items;
    int Columns;
    int UsedColumns;
    int Rows;
  };
  // A radio group may leave a column empty (5 in 4: 2 rows, the fourth
  // column empty); 0 or fewer columns is one.
  const TCase cases[] = {{5, 4, 4, 2}, {3, 5, 3, 1}, {0, 3, 1, 0}, {4, 0, 1, 4}, {7, 3, 3, 3}, {6, -2, 1, 6}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Items << " in " << c.Columns);
    Properties.Items()->Clear();
    for (int i = 0; i < c.Items; ++i) AddItem(String(1, static_cast<wchar_t>(L'A' + i)));
    Properties.SetColumns(c.Columns);
    EXPECT_EQ(Properties.Columns(), std::max(c.Columns, 1));
    EXPECT_EQ(Properties.GetUsedColumnCount(), c.UsedColumns);
    EXPECT_EQ(Properties.GetRowCount(), c.Rows);
  }
}

// The plain button group leaves no column empty.
TEST(ButtonGroupProperties, NoColumnStaysEmpty) {
  struct TCase {
    int Items;
    int Columns;
    int UsedColumns;
    int Rows;
  };
  const TCase cases[] = {{5, 4, 3, 2}, {3, 5, 3, 1}, {7, 3, 3, 3}, {4, 3, 2, 2}, {1, 1, 1, 1}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Items << " in " << c.Columns);
    TcxCustomButtonGroupProperties properties(nullptr);
    for (int i = 0; i < c.Items; ++i) properties.Items()->Add();
    properties.SetColumns(c.Columns);
    EXPECT_EQ(properties.GetUsedColumnCount(), c.UsedColumns);
    EXPECT_EQ(properties.GetRowCount(), c.Rows);
  }
}

namespace {

// A radio group of five items on a shown form, recording its events.
struct RadioGroup : FormFixture {
  RadioGroup() {
    Form->SetBounds(0, 0, 500, 400);
    Form->Show();
    Before = Add<TEdit>(300, 10);
    Group = Add<TcxRadioGroup>(10, 10);
    Group->SetBounds(10, 10, 260, 120);
    Group->SetCaption(L"&Opções");
    SetLook(Group->Style()->LookAndFeel(), TLook::Standard);
    const wchar_t* captions[] = {L"Um", L"Dois", L"Três", L"Quatro", L"Cinco"};
    for (int i = 0; i < 5; ++i) {
      TcxRadioGroupItem* item = Group->Properties()->Items()->Add();
      item->SetCaption(captions[i]);
      item->SetValue(Variant(i * 10));
    }
    Group->Properties()->SetColumns(2);
    After = Add<TEdit>(300, 50);
    Group->OnClick = [this](TObject*) { Events.push_back("click"); };
    Group->Properties()->OnChange = [this](TObject*) { Events.push_back("change"); };
    ProcessPendingMessages();
  }
  // A person's click on an item's button.
  void ClickItem(int AIndex) {
    TWinControl* button = Group->Buttons(AIndex);
    const LPARAM at = MAKELPARAM(10, button->Height() / 2);
    PostMessageW(button->Handle(), WM_MOUSEMOVE, 0, at);
    PostMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(button->Handle(), WM_LBUTTONUP, 0, at);
    ProcessPendingMessages();
  }
  std::vector<bool> CheckedStates() {
    std::vector<bool> states;
    for (int i = 0; i < Group->ButtonCount(); ++i) states.push_back(Group->GetButton(i)->Checked());
    return states;
  }
  TcxRadioGroup* Group = nullptr;
  TEdit* Before = nullptr;
  TEdit* After = nullptr;
  std::vector<std::string> Events;
};

}  // namespace

TEST_F(RadioGroup, ItemIndexSetsTheValueAndChecksOneButton) {
  ASSERT_EQ(Group->ButtonCount(), 5);
  EXPECT_EQ(Group->ItemIndex(), -1);
  EXPECT_TRUE(VarIsNull(Group->EditValue()));
  struct TCase {
    int Set;
    int Index;
  };
  const TCase cases[] = {{2, 2}, {-5, -1}, {9, 4}, {0, 0}, {-1, -1}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Set);
    Group->SetItemIndex(c.Set);
    EXPECT_EQ(Group->ItemIndex(), c.Index);
    EXPECT_TRUE(cxVarEqualsSameType(Group->EditValue(), Group->Properties()->ValueOfItem(c.Index)));
    std::vector<bool> expected(5, false);
    if (c.Index >= 0) expected[c.Index] = true;
    EXPECT_EQ(CheckedStates(), expected);
  }
  // A value of no item checks none.
  Group->SetEditValue(Variant(35));
  EXPECT_EQ(Group->ItemIndex(), -1);
  EXPECT_EQ(CheckedStates(), std::vector<bool>(5, false));
  Group->SetEditValue(Variant(30));
  EXPECT_EQ(CheckedStates(), (std::vector<bool>{false, false, false, true, false}));
}

// A form stores the checked item; reading it back checks that item once
// the group is loaded, without a click or a change event.
TEST_F(RadioGroup, AStreamedItemIndexIsCheckedWhenTheGroupIsLoaded) {
  struct TCase {
    int Stored;
    int Before;
  };
  const TCase cases[] = {{3, 1}, {0, -1}, {-1, 2}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Stored);
    Group->SetItemIndex(c.Stored);
    TMemoryStream stream;
    TWriter(&stream).WriteRootComponent(Group);
    Group->SetItemIndex(c.Before);
    Events.clear();
    stream.SetPosition(0);
    TReader(&stream).ReadRootComponent(Group);
    EXPECT_EQ(Group->ItemIndex(), c.Stored);
    EXPECT_TRUE(cxVarEqualsSameType(Group->EditValue(), Group->Properties()->ValueOfItem(c.Stored)));
    std::vector<bool> expected(5, false);
    if (c.Stored >= 0) expected[c.Stored] = true;
    EXPECT_EQ(CheckedStates(), expected);
    EXPECT_TRUE(Events.empty());
  }
}

namespace {

// A radio group whose updating a test starts and ends.
struct TUpdatedRadioGroup : TcxRadioGroup {
  using TcxRadioGroup::TcxRadioGroup;
  using TcxRadioGroup::Updated;
  using TcxRadioGroup::Updating;
};

}  // namespace

// While the group updates, ItemIndex is remembered and read back; its end
// checks it. An update that sets none keeps the checked item.
TEST_F(RadioGroup, AnUpdateChecksTheIndexSetDuringItOrKeepsTheCheckedOne) {
  auto* group = Add<TUpdatedRadioGroup>(10, 150);
  for (int i = 0; i < 3; ++i) group->Properties()->Items()->Add()->SetCaption(String(1, wchar_t(L'A' + i)));
  struct TCase {
    int Set;  // -2: none set during the update
    int During;
    int After;
  };
  const TCase cases[] = {{-2, 1, 1}, {2, 2, 2}, {-1, -1, -1}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Set);
    group->SetItemIndex(1);
    group->Updating();
    if (c.Set != -2) group->SetItemIndex(c.Set);
    EXPECT_EQ(group->ItemIndex(), c.During);
    EXPECT_TRUE(cxVarEqualsSameType(group->EditValue(), Variant(String(L"B"))));
    group->Updated();
    EXPECT_EQ(group->ItemIndex(), c.After);
    EXPECT_TRUE(cxVarEqualsSameType(group->EditValue(), group->Properties()->ValueOfItem(c.After)));
  }
}

TEST_F(RadioGroup, ClicksCheckTheItemWithItsEventsInOrder) {
  ClickItem(3);
  EXPECT_EQ(Group->ItemIndex(), 3);
  EXPECT_TRUE(cxVarEqualsSameType(Group->EditValue(), Variant(30)));
  EXPECT_EQ(FocusedControl(), Group->Buttons(3));
  EXPECT_TRUE(Group->Focused());
  EXPECT_EQ(Events, (std::vector<std::string>{"click", "change"}));
  Events.clear();
  ClickItem(3);  // already checked: nothing changes
  ClickItem(0);
  EXPECT_EQ(Group->ItemIndex(), 0);
  EXPECT_EQ(CheckedStates(), (std::vector<bool>{true, false, false, false, false}));
  EXPECT_EQ(Events, (std::vector<std::string>{"click", "change"}));
  EXPECT_TRUE(Group->EditModified() || Group->ModifiedAfterEnter());
}

// Two columns of three rows: 0-2 left, 3-4 right. Arrows move inside the
// grid and check the button reached; nothing wraps; a disabled item stops
// the move.
TEST_F(RadioGroup, ArrowsMoveThroughTheColumnsAndCheck) {
  Group->SetItemIndex(0);
  Group->SetFocus();
  ProcessPendingMessages();
  ASSERT_EQ(FocusedControl(), Group->Buttons(0));
  struct TCase {
    WORD Key;
    int Index;
  };
  const TCase moves[] = {{VK_UP, 0},   {VK_LEFT, 0},  {VK_DOWN, 1},  {VK_RIGHT, 4}, {VK_RIGHT, 4},
                         {VK_DOWN, 4}, {VK_UP, 3},    {VK_LEFT, 0},  {VK_DOWN, 1}, {VK_DOWN, 2}, {VK_DOWN, 2}};
  for (const TCase& c : moves) {
    SCOPED_TRACE(testing::Message() << c.Key << " to " << c.Index);
    PressKey(c.Key);
    EXPECT_EQ(FocusedControl(), Group->Buttons(c.Index));
    EXPECT_EQ(Group->ItemIndex(), c.Index);
  }
  Group->Properties()->Items()->Items(1)->SetEnabled(false);
  ProcessPendingMessages();
  EXPECT_FALSE(Group->Buttons(1)->Enabled());
  PressKey(VK_UP);
  EXPECT_EQ(FocusedControl(), Group->Buttons(2));
  EXPECT_EQ(Group->ItemIndex(), 2);
}

TEST_F(RadioGroup, TabLandsOnTheCheckedItemAndPassesOverAGroupWithout) {
  Before->SetFocus();
  ProcessPendingMessages();
  PressKey(VK_TAB);
  EXPECT_EQ(FocusedControl(), After);
  Group->SetItemIndex(3);
  Before->SetFocus();
  ProcessPendingMessages();
  Events.clear();
  PressKey(VK_TAB);
  EXPECT_EQ(FocusedControl(), Group->Buttons(3));
  EXPECT_EQ(Group->ItemIndex(), 3);
  EXPECT_TRUE(Events.empty());
  PressKey(VK_TAB);
  EXPECT_EQ(FocusedControl(), After);
  // The caption's accelerator lands on the checked item too.
  PostMessageW(After->Handle(), WM_SYSCHAR, L'o', 0x20000001);
  ProcessPendingMessages();
  EXPECT_EQ(FocusedControl(), Group->Buttons(3));
}

TEST_F(RadioGroup, AReadOnlyGroupRefusesClicksAndArrows) {
  Group->SetItemIndex(1);
  Group->Properties()->SetReadOnly(true);
  ProcessPendingMessages();
  Events.clear();
  ClickItem(4);
  EXPECT_EQ(Group->ItemIndex(), 1);
  EXPECT_EQ(CheckedStates(), (std::vector<bool>{false, true, false, false, false}));
  Group->GetButton(1)->SetFocus();
  ProcessPendingMessages();
  PressKey(VK_DOWN);
  EXPECT_EQ(Group->ItemIndex(), 1);
  EXPECT_EQ(CheckedStates(), (std::vector<bool>{false, true, false, false, false}));
  EXPECT_TRUE(Events.empty());
  // The program still sets it.
  Group->SetItemIndex(2);
  EXPECT_EQ(Group->ItemIndex(), 2);
}

// Items in a grid of equal cells: 5 items in 4 columns use 2 rows and
// leave the fourth column empty.
TEST_F(RadioGroup, ItemButtonsFillTheColumnsTopToBottom) {
  Group->Properties()->SetColumns(4);
  ProcessPendingMessages();
  Group->ShortRefreshContainer(false);
  const TcxCustomEditViewInfo* v = Group->ViewInfo();
  const TRect client = v->ClientRect;
  const int width = (client.Width() - 6) / 4;
  const int height = client.Height() / 2;
  const int top = client.Top + (client.Height() % 2) / 2;
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    const int column = i / 2;
    const int row = i % 2;
    const TRect expected(client.Left + width * column + 6, top + height * row, client.Left + width * column + 6 + width,
                         top + height * row + height);
    EXPECT_EQ(v->Button(i)->Bounds, expected);
    EXPECT_EQ(Group->Buttons(i)->BoundsRect(), expected);
    EXPECT_EQ(Group->GetButton(i)->Column(), column);
    EXPECT_EQ(Group->GetButton(i)->Row(), row);
  }
}

// Removing an item in the middle frees exactly its button; the others keep
// their windows and take their captions by position.
TEST_F(RadioGroup, RemovingAnItemFreesItsButton) {
  std::vector<TWinControl*> before;
  for (int i = 0; i < 5; ++i) before.push_back(Group->Buttons(i));
  Group->Properties()->Items()->Delete(2);
  ProcessPendingMessages();
  ASSERT_EQ(Group->ButtonCount(), 4);
  EXPECT_EQ(Group->Buttons(0), before[0]);
  EXPECT_EQ(Group->Buttons(2), before[3]);
  EXPECT_EQ(Group->Buttons(3)->Caption(), L"Cinco");
}

namespace {

struct RadioButtons : FormFixture {
  RadioButtons() {
    Form->SetBounds(0, 0, 400, 300);
    Form->Show();
    for (int i = 0; i < 3; ++i) {
      auto* button = Add<TcxRadioButton>(10, 10 + i * 30);
      button->SetCaption(L"Opção " + IntToStr(i));
      button->SetGroupIndex(i < 2 ? 0 : 1);
      button->OnClick = [this, i](TObject*) { Clicks.push_back(i); };
      Buttons.push_back(button);
    }
    ProcessPendingMessages();
  }
  std::vector<TcxRadioButton*> Buttons;
  std::vector<int> Clicks;
};

}  // namespace

TEST_F(RadioButtons, CheckingUnchecksOnlyTheSameGroup) {
  Buttons[0]->SetChecked(true);
  Buttons[2]->SetChecked(true);
  EXPECT_TRUE(Buttons[0]->Checked());
  Buttons[1]->SetChecked(true);
  EXPECT_FALSE(Buttons[0]->Checked());
  EXPECT_TRUE(Buttons[1]->Checked());
  EXPECT_TRUE(Buttons[2]->Checked());
  Buttons[1]->SetChecked(true);  // no change: no click
  EXPECT_EQ(Clicks, (std::vector<int>{0, 2, 1}));
  // A checked button is a tab stop, an unchecked one is not.
  EXPECT_TRUE(Buttons[1]->TabStop());
  EXPECT_FALSE(Buttons[0]->TabStop());
}

// Linked buttons take their actions' GroupIndex and Checked without a
// click; actions of one group uncheck each other and so their buttons;
// with AutoCheck, checking a button checks its action.
TEST_F(RadioButtons, ButtonsFollowTheirActionsCheckedAndGroupIndex) {
  TAction* actions[3];
  for (int i = 0; i < 3; ++i) {
    actions[i] = new TAction(Form);
    actions[i]->SetCaption(L"Opção " + IntToStr(i));
  }
  actions[0]->SetGroupIndex(5);
  actions[1]->SetGroupIndex(5);
  actions[2]->SetGroupIndex(4);
  actions[1]->SetChecked(true);
  for (int i = 0; i < 3; ++i) Buttons[i]->SetAction(actions[i]);
  // A GroupIndex of 0 takes the action's; another one is kept.
  EXPECT_EQ(Buttons[0]->GroupIndex(), 5);
  EXPECT_EQ(Buttons[1]->GroupIndex(), 5);
  EXPECT_EQ(Buttons[2]->GroupIndex(), 1);
  EXPECT_TRUE(Buttons[1]->Checked());
  actions[0]->SetChecked(true);
  EXPECT_TRUE(Buttons[0]->Checked());
  EXPECT_FALSE(actions[1]->Checked());
  EXPECT_FALSE(Buttons[1]->Checked());
  EXPECT_TRUE(Clicks.empty());
  // The group index follows the action while the two agree.
  actions[0]->SetGroupIndex(7);
  actions[2]->SetGroupIndex(9);
  EXPECT_EQ(Buttons[0]->GroupIndex(), 7);
  EXPECT_EQ(Buttons[2]->GroupIndex(), 1);

  actions[0]->SetGroupIndex(5);
  for (int i = 0; i < 2; ++i) {
    Buttons[i]->OnClick = nullptr;
    actions[i]->SetAutoCheck(true);
  }
  Buttons[1]->SetChecked(true);
  EXPECT_TRUE(actions[1]->Checked());
  EXPECT_FALSE(actions[0]->Checked());
  EXPECT_FALSE(Buttons[0]->Checked());
}

TEST_F(RadioButtons, AClickOrFocusChecksAndClicksOnce) {
  const LPARAM at = MAKELPARAM(5, Buttons[0]->Height() / 2);
  PostMessageW(Buttons[0]->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  ProcessPendingMessages();
  EXPECT_EQ(Buttons[0]->State(), rbsPressed);
  PostMessageW(Buttons[0]->Handle(), WM_LBUTTONUP, 0, at);
  ProcessPendingMessages();
  EXPECT_TRUE(Buttons[0]->Checked());
  EXPECT_EQ(Clicks, (std::vector<int>{0}));
  Buttons[1]->SetFocus();
  ProcessPendingMessages();
  EXPECT_TRUE(Buttons[1]->Checked());
  EXPECT_FALSE(Buttons[0]->Checked());
  EXPECT_EQ(Clicks, (std::vector<int>{0, 1}));
  // Hovered without a button: hot; disabled: disabled.
  PostMessageW(Buttons[2]->Handle(), WM_MOUSEMOVE, 0, at);
  ProcessPendingMessages();
  EXPECT_EQ(Buttons[2]->State(), rbsHot);
  PostMessageW(Buttons[2]->Handle(), WM_MOUSEMOVE, MK_SHIFT, at);
  ProcessPendingMessages();
  EXPECT_EQ(Buttons[2]->State(), rbsNormal);
  Buttons[2]->SetEnabled(false);
  ProcessPendingMessages();
  EXPECT_EQ(Buttons[2]->State(), rbsDisabled);
}

TEST_F(RadioButtons, GlyphAndCaptionRectangles) {
  TcxRadioButton* b = Buttons[0];
  b->SetBounds(10, 10, 120, 20);
  struct TCase {
    TLook Look;
    TAlignment Alignment;
    int GlyphLeft;
    int TextLeft;
  };
  for (TLook look : {TLook::Standard, TLook::Native}) {
    SetLook(b->LookAndFeel(), look);
    const TSize size = b->LookAndFeel()->GetAvailablePainter(totButton)->RadioButtonSize();
    const bool native = look == TLook::Native;
    SCOPED_TRACE(LookName(look));
    b->SetAlignment(taRightJustify);
    EXPECT_EQ(b->GetGlyphRect(), TRect(native ? 0 : 1, (20 - size.cy) / 2, (native ? 0 : 1) + size.cx,
                                       (20 - size.cy) / 2 + size.cy));
    EXPECT_EQ(b->GetTextRect(), TRect((native ? 0 : 1) + size.cx + (native ? 3 : 5), -1, 120, 20));
    b->SetAlignment(taLeftJustify);
    EXPECT_EQ(b->GetGlyphRect().Right, 120);
    EXPECT_EQ(b->GetTextRect(), TRect(native ? 0 : 2, -1, 120 - size.cx - 1, 20));
  }
}

// Sheets: radio groups in every look (normal, one item disabled, the
// whole group disabled, focused) and standalone buttons in every state.
TEST_F(RadioGroup, SheetOfEveryLook) {
  const int cellW = 270;
  const int cellH = 130;
  TPaintSurface sheet(cellW * 5, cellH * 3 + 40, clWhite);
  Group->SetItemIndex(1);
  for (size_t l = 0; l < std::size(AllLooks); ++l) {
    SCOPED_TRACE(LookName(AllLooks[l]));
    SetLook(Group->Style()->LookAndFeel(), AllLooks[l]);
    Group->Properties()->Items()->Items(4)->SetEnabled(false);
    Group->SetEnabled(true);
    Group->SetFocus();
    ProcessPendingMessages();
    std::unique_ptr<TBitmap> shot = CaptureWindow(Group);
    // The checked glyph differs from an unchecked one.
    const TRect g0 = Group->GetButton(0)->GetGlyphRect();
    const TRect g1 = Group->GetButton(1)->GetGlyphRect();
    const TPoint o0(Group->Buttons(0)->Left(), Group->Buttons(0)->Top());
    const TPoint o1(Group->Buttons(1)->Left(), Group->Buttons(1)->Top());
    int differing = 0;
    for (int y = 0; y < g0.Height(); ++y)
      for (int x = 0; x < g0.Width(); ++x)
        differing += PixelColor(*shot, o0.X + g0.Left + x, o0.Y + g0.Top + y) !=
                     PixelColor(*shot, o1.X + g1.Left + x, o1.Y + g1.Top + y);
    EXPECT_GT(differing, 4);
    sheet.Canvas->Canvas()->Draw(static_cast<int>(l) * cellW, 0, shot.get());
    Before->SetFocus();
    ProcessPendingMessages();
    shot = CaptureWindow(Group);
    sheet.Canvas->Canvas()->Draw(static_cast<int>(l) * cellW, cellH, shot.get());
    Group->SetEnabled(false);
    ProcessPendingMessages();
    shot = CaptureWindow(Group);
    sheet.Canvas->Canvas()->Draw(static_cast<int>(l) * cellW, cellH * 2, shot.get());
  }
  std::filesystem::create_directories("artifacts");
  SaveAsPng(sheet.Bitmap, L"artifacts\\RadioGroups.png");
  EXPECT_TRUE(std::filesystem::exists("artifacts/RadioGroups.png"));
}

// The popup menu: only a menu component is kept, a freed one is
// forgotten, and a right click shows it at the click.
TEST_F(RadioButtons, ThePopupMenuShowsAtTheRightClick) {
  TcxRadioButton* b = Buttons[0];
  auto* notAMenu = new TEdit(Form);
  b->SetPopupMenu(notAMenu);
  EXPECT_EQ(b->PopupMenu(), nullptr);
  auto* menu = new TRecordingMenu(Form);
  b->SetPopupMenu(menu);
  EXPECT_EQ(b->PopupMenu(), menu);
  const TPoint screen = b->ClientToScreen(TPoint(4, 5));
  SendMessageW(b->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(b->Handle()), MAKELPARAM(screen.X, screen.Y));
  ASSERT_EQ(menu->Popups.size(), 1u);
  EXPECT_EQ(menu->Popups[0], screen);
  delete menu;
  EXPECT_EQ(b->PopupMenu(), nullptr);
}

// Only the themed look fades, only between normal and hot; a press stops
// it. The two images are the glyph in its normal and its hot look.
TEST_F(RadioButtons, TheThemedGlyphFadesBetweenNormalAndHot) {
  dxGetGlobalFader()->SetState(fasEnabled);
  struct TCase {
    TLook Look;
    bool Fades;
  };
  const TCase cases[] = {{TLook::Native, true}, {TLook::Standard, false}, {TLook::Office11, false}};
  TcxRadioButton* b = Buttons[0];
  const LPARAM at = MAKELPARAM(5, b->Height() / 2);
  for (const TCase& c : cases) {
    SCOPED_TRACE(LookName(c.Look));
    SetLook(b->LookAndFeel(), c.Look);
    SendMessageW(b->Handle(), WM_MOUSEMOVE, 0, at);
    EXPECT_EQ(b->State(), rbsHot);
    EXPECT_EQ(b->FadingHelper()->Active(), c.Fades);
    SendMessageW(b->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    EXPECT_FALSE(b->FadingHelper()->Active());
    SendMessageW(b->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(-50, -50));
    ReleaseCapture();
    SendMessageW(b->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(-50, -50));
    dxGetGlobalFader()->Clear();
  }
  SetLook(b->LookAndFeel(), TLook::Native);
  TBitmap *normal = nullptr, *hot = nullptr;
  b->FadingHelper()->PrepareFadeImages(normal, hot);
  std::unique_ptr<TBitmap> normalImage(normal), hotImage(hot);
  EXPECT_EQ(normal->Width(), b->GetGlyphRect().Width());
  int differing = 0;
  for (int y = 0; y < normal->Height(); ++y)
    for (int x = 0; x < normal->Width(); ++x) differing += PixelColor(*normal, x, y) != PixelColor(*hot, x, y);
  EXPECT_GT(differing, 0);
  dxGetGlobalFader()->SetState(fasDefault);
}

// A host's cell: the radio group laid out and painted from its properties
// alone, in place, the checked item's glyph apart from the others, the
// hovered one hot; a sheet of every look.
TEST(RadioGroupCell, PaintedFromThePropertiesInEachLook) {
  TcxRadioGroupProperties properties(nullptr);
  for (const wchar_t* caption : {L"A", L"B", L"C"}) properties.Items()->Add()->SetCaption(caption);
  properties.SetColumns(3);
  TcxEditStyle style(nullptr, false);
  const TRect cell(0, 0, 240, 24);
  TPaintSurface sheet(250, 30 * 5, clWhite);
  for (size_t l = 0; l < std::size(AllLooks); ++l) {
    SCOPED_TRACE(LookName(AllLooks[l]));
    SetLook(style.LookAndFeel(), AllLooks[l]);
    std::unique_ptr<TcxCustomRadioGroupViewData> viewData(
        static_cast<TcxCustomRadioGroupViewData*>(properties.CreateViewData(&style, true)));
    TcxCustomRadioGroupViewInfo info;
    viewData->EditValueToDrawValue(Variant(String(L"B")), &info);
    EXPECT_EQ(info.ItemIndex, 1);
    const TPoint hover(170, 12);
    viewData->Calculate(sheet.Canvas.get(), cell, hover, cxmbNone, {}, &info, false);
    ASSERT_EQ(info.ButtonCount(), 3);
    // Three equal cells of the width less the in-place corrections.
    const int width = (240 - viewData->ContentOffset.Left - viewData->ContentOffset.Right - 2) / 3;
    for (int i = 0; i < 3; ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(info.Button(i)->Bounds.Width(), width);
      EXPECT_EQ(info.Button(i)->Bounds.Left, viewData->ContentOffset.Left + width * i + 1);
    }
    EXPECT_EQ(info.Button(2)->Data.State, TcxEditButtonState::ebsSelected);
    EXPECT_EQ(info.Button(0)->Data.State, TcxEditButtonState::ebsNormal);
    TPaintSurface surface(240, 24, clWhite);
    info.Paint(surface.Canvas.get());
    sheet.Canvas->Canvas()->Draw(0, static_cast<int>(l) * 30, &surface.Bitmap);
    // The checked glyph differs from the unchecked normal one; the
    // unchecked normal and hot ones differ where the look shows hot.
    auto glyphOf = [&](int AIndex) {
      auto* button = static_cast<TcxGroupBoxButtonViewInfo*>(info.Button(AIndex));
      return button->GetGlyphRect(info.GlyphSize, info.Alignment, false);
    };
    const TRect g0 = glyphOf(0), g1 = glyphOf(1);
    int differing = 0;
    for (int y = 0; y < g0.Height(); ++y)
      for (int x = 0; x < g0.Width(); ++x)
        differing += surface.Pixel(g0.Left + x, g0.Top + y) != surface.Pixel(g1.Left + x, g1.Top + y);
    EXPECT_GT(differing, 4);
    // The captions are drawn right of the glyphs.
    const TRect b0 = info.Button(0)->Bounds;
    int captionPixels = 0;
    for (int y = b0.Top; y < b0.Bottom; ++y)
      for (int x = g0.Right + 1; x < b0.Right; ++x) captionPixels += surface.Pixel(x, y) != surface.Pixel(b0.Right - 1, 0);
    EXPECT_GT(captionPixels, 3);
  }
  std::filesystem::create_directories("artifacts");
  SaveAsPng(sheet.Bitmap, L"artifacts\\RadioGroupCells.png");
}
