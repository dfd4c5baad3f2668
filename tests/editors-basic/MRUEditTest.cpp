// The most-recently-used edit: the history's order, bound and events, the
// moments a real edit adds a confirmed value (Enter, leaving, a row picked,
// but not stepping through the items), its ellipsis button and glyph, and
// its registration.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "components/editors-basic/cxMRUEdit.h"
#include "tests/editors-basic/DropDownLookSheet.h"
#include "tests/editors/DropDownFixture.h"

namespace {

std::vector<String> ItemsOf(TStrings* AItems) {
  std::vector<String> result;
  for (int i = 0; i < AItems->Count(); ++i) result.push_back(AItems->Strings(i));
  return result;
}

void SetItems(TcxCustomMRUEditProperties* AProperties, const std::vector<String>& AItems) {
  AProperties->LookupItems()->Clear();
  for (const String& item : AItems) AProperties->LookupItems()->Add(item);
}

struct MRUEdit : DropDownFixture {
  TcxMRUEdit* AddMRU(const std::vector<String>& AItems) {
    auto* edit = AddEdit<TcxMRUEdit>();
    SetItems(edit->Properties(), AItems);
    return edit;
  }
  static void Retype(TcxMRUEdit* AEdit, const String& AText) {
    Focus(AEdit);
    AEdit->SetSelection(0, static_cast<int>(AEdit->Text().size()));
    SendMessageW(GetFocus(), WM_CHAR, VK_BACK, 1);
    for (wchar_t ch : AText) SendMessageW(GetFocus(), WM_CHAR, ch, 1);
    ProcessPendingMessages();
  }
};

}  // namespace

TEST(MRUHistory, ConfirmedTextsMoveToTheTopWithinTheBound) {
  struct TCase {
    const char* Name;
    std::vector<String> Items;
    int MaxItemCount;
    String Text;
    std::vector<String> After;
    std::vector<String> NewTexts;
    std::vector<int> Deleted;
  };
  const TCase cases[] = {
      {"new text, bound reached", {L"c", L"b", L"a"}, 3, L"d", {L"d", L"c", L"b"}, {L"d"}, {3}},
      {"new text, no bound", {L"c", L"b", L"a"}, 0, L"d", {L"d", L"c", L"b", L"a"}, {L"d"}, {}},
      {"known text moves up", {L"c", L"b", L"a"}, 3, L"b", {L"b", L"c", L"a"}, {}, {}},
      {"other letter case keeps the item's", {L"c", L"b", L"a"}, 3, L"A", {L"a", L"c", L"b"}, {}, {}},
      {"already on top", {L"c", L"b", L"a"}, 3, L"c", {L"c", L"b", L"a"}, {}, {}},
      {"empty text", {L"c", L"b"}, 3, L"", {L"c", L"b"}, {}, {}},
      {"into an empty list", {}, 1, L"x", {L"x"}, {L"x"}, {}},
  };
  for (const TCase& c : cases) {
    TcxMRUEditProperties properties(nullptr);
    SetItems(&properties, c.Items);
    properties.SetMaxItemCount(c.MaxItemCount);
    std::vector<String> newTexts;
    std::vector<int> deleted;
    properties.OnNewLookupDisplayText = [&](TObject* Sender, const String& AText) {
      EXPECT_EQ(Sender, &properties);
      newTexts.push_back(AText);
    };
    properties.OnDeleteLookupItem = [&](TcxCustomMRUEditProperties* AProperties, int AIndex) {
      EXPECT_EQ(AProperties->LookupItems()->Count(), AIndex + 1);  // fired before the cut
      deleted.push_back(AIndex);
    };
    properties.AddItem(c.Text);
    EXPECT_EQ(ItemsOf(properties.LookupItems()), c.After) << c.Name;
    EXPECT_EQ(newTexts, c.NewTexts) << c.Name;
    EXPECT_EQ(deleted, c.Deleted) << c.Name;
  }
}

TEST(MRUHistory, TheBoundCutsAtOnceAndNeverGoesBelowZero) {
  TcxMRUEditProperties properties(nullptr);
  SetItems(&properties, {L"e", L"d", L"c", L"b", L"a"});
  std::vector<int> deleted;
  properties.OnDeleteLookupItem = [&](TcxCustomMRUEditProperties*, int AIndex) { deleted.push_back(AIndex); };
  properties.SetMaxItemCount(0);
  EXPECT_EQ(properties.LookupItems()->Count(), 5);
  properties.SetMaxItemCount(3);
  EXPECT_EQ(ItemsOf(properties.LookupItems()), (std::vector<String>{L"e", L"d", L"c"}));
  EXPECT_EQ(deleted, (std::vector<int>{4, 3}));
  properties.SetMaxItemCount(-4);
  EXPECT_EQ(properties.MaxItemCount(), 0);
  // A repository item's history reaches the editors that use it.
  TcxMRUEditProperties user(nullptr);
  properties.Update(&user);
  EXPECT_EQ(ItemsOf(user.LookupItems()), ItemsOf(properties.LookupItems()));
}

TEST_F(MRUEdit, EnterLeavingAndAPickedRowAddButSteppingDoesNot) {
  struct TCase {
    const char* Name;
    std::function<void(MRUEdit&, TcxMRUEdit*)> Act;
    std::vector<String> After;
  };
  const TCase cases[] = {
      {"Enter on a typed text",
       [](MRUEdit&, TcxMRUEdit* AEdit) {
         Retype(AEdit, L"delta");
         PressKey(VK_RETURN);
       },
       {L"delta", L"gamma", L"beta", L"alpha"}},
      {"leaving after typing",
       [](MRUEdit& AFixture, TcxMRUEdit* AEdit) {
         Retype(AEdit, L"Beta");
         Focus(AFixture.Other);
       },
       {L"beta", L"gamma", L"alpha"}},
      {"a row picked in the open list",
       [](MRUEdit& AFixture, TcxMRUEdit* AEdit) {
         Focus(AEdit);
         AFixture.Do(AEdit, TGesture::F4);
         ASSERT_TRUE(AEdit->DroppedDown());
         RECT row;
         SendMessageW(AEdit->ListBox()->Handle(), LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
         PressAt(AEdit->ListBox()->ClientToScreen(TPoint(row.left + 10, (row.top + row.bottom) / 2)));
         EXPECT_EQ(AEdit->Text(), L"alpha");
       },
       {L"alpha", L"gamma", L"beta"}},
      {"stepping with the list closed",
       [](MRUEdit&, TcxMRUEdit* AEdit) {
         Focus(AEdit);
         PressKey(VK_DOWN);
         PressKey(VK_DOWN);
         EXPECT_EQ(AEdit->Text(), L"beta");
       },
       {L"gamma", L"beta", L"alpha"}},
  };
  for (const TCase& c : cases) {
    TcxMRUEdit* edit = AddMRU({L"gamma", L"beta", L"alpha"});
    c.Act(*this, edit);
    EXPECT_EQ(ItemsOf(edit->Properties()->LookupItems()), c.After) << c.Name;
    delete edit;
    Focus(Other);
  }
}

TEST_F(MRUEdit, TheEllipsisRaisesOnlyItsOwnEvent) {
  TcxMRUEdit* edit = AddMRU({L"alpha"});
  TcxMRUEditProperties* properties = edit->Properties();
  ASSERT_EQ(properties->Buttons()->Count(), 2);
  EXPECT_EQ(properties->Buttons()->Items(1)->Kind(), bkEllipsis);
  EXPECT_TRUE(properties->Buttons()->Items(1)->Default());
  int own = 0, generic = 0;
  properties->OnButtonClick = [&](TObject* Sender) {
    EXPECT_EQ(Sender, edit);
    ++own;
  };
  static_cast<TcxCustomEditProperties*>(properties)->OnButtonClick = [&](TObject*, int) { ++generic; };
  const TRect ellipsis = edit->ViewInfo()->Button(1)->Bounds;
  PressAt(edit->ClientToScreen(TPoint((ellipsis.Left + ellipsis.Right) / 2, (ellipsis.Top + ellipsis.Bottom) / 2)));
  EXPECT_EQ(own, 1);
  EXPECT_EQ(generic, 0);
  EXPECT_FALSE(edit->DroppedDown());
}

TEST_F(MRUEdit, ShowEllipsisAndTheGlyphChooseTheButtonKinds) {
  struct TCase {
    const char* Name;
    bool ShowEllipsis;
    bool Glyph;
    TcxEditButtonKind DropDown;
    TcxEditButtonKind Second;
    bool SecondVisible;
  };
  const TCase cases[] = {
      {"ellipsis", true, false, bkDown, bkEllipsis, true},
      {"ellipsis with a glyph", true, true, bkDown, bkGlyph, true},
      {"no ellipsis", false, false, bkDown, bkEllipsis, false},
      {"no ellipsis, the arrow carries the glyph", false, true, bkGlyph, bkEllipsis, false},
  };
  TBitmap glyph;
  glyph.SetSize(8, 8);
  glyph.Canvas()->Brush()->SetColor(clRed);
  glyph.Canvas()->FillRect(TRect(0, 0, 8, 8));
  for (const TCase& c : cases) {
    TcxMRUEdit* edit = AddMRU({});
    TcxMRUEditProperties* properties = edit->Properties();
    properties->SetShowEllipsis(c.ShowEllipsis);
    EXPECT_EQ(properties->GlyphButtonIndex(), c.ShowEllipsis ? 1 : 0) << c.Name;
    properties->SetButtonGlyph(c.Glyph ? &glyph : nullptr);
    EXPECT_EQ(properties->Buttons()->Items(0)->Kind(), c.DropDown) << c.Name;
    EXPECT_EQ(properties->Buttons()->Items(1)->Kind(), c.Second) << c.Name;
    EXPECT_EQ(properties->Buttons()->Items(1)->Visible(), c.SecondVisible) << c.Name;
    // The glyph taken away again gives the button its own kind back.
    properties->SetButtonGlyph(nullptr);
    EXPECT_EQ(properties->Buttons()->Items(1)->Kind(), bkEllipsis) << c.Name;
    EXPECT_EQ(properties->Buttons()->Items(0)->Kind(), bkDown) << c.Name;
    delete edit;
  }
}

TEST(MRUHistory, RegisteredWithTheTextFilterHelper) {
  EXPECT_EQ(cxFilterEditsRegistry()->FindHelper(TcxMRUEditProperties::StaticClass()),
            TcxFilterTextEditHelper::Instance());
  TcxRegisteredClasses* registry = cxEditPropertiesRegistry();
  const int index = registry->GetIndexByClass(TcxMRUEditProperties::StaticClass());
  ASSERT_GE(index, 0);
  EXPECT_EQ(registry->GetDescription(index), L"MRUEdit");
  TcxMRUEditProperties defaults(nullptr);
  EXPECT_EQ(defaults.DropDownListStyle(), lsEditList);
  EXPECT_TRUE(defaults.MRUMode());
  EXPECT_TRUE(defaults.ValidateOnEnter());
  EXPECT_TRUE(defaults.ShowEllipsis());
  EXPECT_EQ(defaults.GetContainerClass().Class, TcxMRUEdit::StaticClass());
}

// Every look down the columns; the rows are the states; below, each look's
// list open.
TEST_F(MRUEdit, SheetInEveryLook) {
  const char* states[] = {"History", "Focused", "Disabled", "No ellipsis"};
  const int rows = 4, cellWidth = 150, rowHeight = 28, listHeight = 90;
  Form->SetBounds(0, 0, 5 * (cellWidth + 10) + 40, rows * rowHeight + 80);
  Other->SetTop(rows * rowHeight + 20);
  std::vector<TcxCustomDropDownEdit*> focused;
  for (int column = 0; column < 5; ++column)
    for (int row = 0; row < rows; ++row) {
      auto* edit = new TcxMRUEdit(Form);
      edit->SetBounds(10 + column * (cellWidth + 10), 10 + row * rowHeight, cellWidth, 22);
      edit->SetParent(Form);
      SetItems(edit->Properties(), {L"gamma", L"beta", L"alpha"});
      edit->SetText(L"gamma");
      edit->Style()->LookAndFeel()->SetNativeStyle(column == 4);
      if (column < 4) edit->Style()->LookAndFeel()->SetKind(static_cast<TcxLookAndFeelKind>(column));
      if (row == 1) focused.push_back(edit);
      if (row == 2) edit->SetEnabled(false);
      if (row == 3) edit->Properties()->SetShowEllipsis(false);
    }
  SaveDropDownLookSheet(Form, focused, {{std::begin(states), std::end(states)}, cellWidth, rowHeight, listHeight},
                        "MRUEdit");
}
