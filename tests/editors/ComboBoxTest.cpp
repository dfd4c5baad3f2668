// A real combo box on a form: incremental search and keyboard navigation
// with the list closed and open, picking a row with the mouse, the list
// sized by its rows and resized in whole rows, the list styles, reverting
// by double click, and its registration with its filter helper.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "components/editors/cxDropDownEdit.h"
#include "tests/editors/DropDownFixture.h"
#include "tests/editors/ValidatingEdit.h"
#include "tests/guiharness/WindowCapture.h"

namespace {

struct ComboBox : DropDownFixture {
  TcxComboBox* AddCombo(TcxEditDropDownListStyle AStyle = lsEditList, int ACount = 5) {
    static const wchar_t* const names[] = {L"Apple",  L"Apricot", L"Banana", L"Cherry", L"Damson",
                                           L"Elder",  L"Fig",     L"Grape",  L"Guava",  L"Kiwi",
                                           L"Lemon",  L"Lime",    L"Mango",  L"Melon",  L"Nectarine"};
    auto* combo = AddEdit<TcxComboBox>();
    combo->Properties()->SetDropDownListStyle(AStyle);
    for (int i = 0; i < ACount; ++i) combo->Properties()->Items()->Add(names[i]);
    return combo;
  }
  static int ListIndex(TcxComboBox* ACombo) { return ACombo->ListBox() ? ACombo->ListBox()->ItemIndex() : -1; }
};

// A script step: keys in braces ({Down}, {Up}, {PgDn}, {Home}, {End},
// {F4}, {Enter}, {Esc}), characters typed; then the text, the current item
// and the highlighted row of the open list (-2: the list is closed).
struct TComboStep {
  String Input;
  String Text;
  int ItemIndex;
  int ListIndex;
};

struct TComboScript {
  const char* Name;
  TcxEditDropDownListStyle Style;
  std::vector<TComboStep> Steps;
};

void RunInput(const String& AInput) {
  size_t pos = 0;
  while (pos < AInput.size()) {
    if (AInput[pos] != L'{') {
      SendMessageW(GetFocus(), WM_CHAR, AInput[pos++], 1);
      ProcessPendingMessages();
      continue;
    }
    const size_t close = AInput.find(L'}', pos);
    const String key = AInput.substr(pos + 1, close - pos - 1);
    pos = close + 1;
    static const std::pair<const wchar_t*, WORD> keys[] = {
        {L"Down", VK_DOWN}, {L"Up", VK_UP},    {L"PgDn", VK_NEXT},     {L"Home", VK_HOME},
        {L"End", VK_END},   {L"F4", VK_F4},    {L"Enter", VK_RETURN},  {L"Esc", VK_ESCAPE}};
    for (auto [name, vk] : keys)
      if (key == name) PressKey(vk);
  }
}

TEST_F(ComboBox, SearchesAndNavigatesWithTheListClosedAndOpen) {
  const std::vector<TComboScript> scripts = {
      {"closed: arrows step through the items",
       lsEditList,
       {{L"{Down}", L"Apple", 0, -2}, {L"{Down}", L"Apricot", 1, -2}, {L"{Up}", L"Apple", 0, -2},
        {L"{End}", L"Apple", 0, -2}}},
      {"fixed list: Home and End go to the ends, a letter finds an item",
       lsFixedList,
       {{L"{End}", L"Damson", 4, -2}, {L"{Home}", L"Apple", 0, -2}, {L"c", L"Cherry", 3, 3}}},
      {"open: arrows move the highlight only, Enter takes it",
       lsEditList,
       {{L"{F4}", L"", -1, -1}, {L"{Down}", L"", -1, 0}, {L"{Down}", L"", -1, 1}, {L"{Enter}", L"Apricot", 1, -2}}},
      {"open: Escape leaves the value",
       lsFixedList,
       {{L"{Down}", L"Apple", 0, -2}, {L"{F4}", L"Apple", 0, 0}, {L"{PgDn}", L"Apple", 0, 4},
        {L"{Esc}", L"Apple", 0, -2}}},
      {"typing opens the list and finds the item",
       lsEditFixedList,
       {{L"b", L"Banana", 2, 2}, {L"{Enter}", L"Banana", 2, -2}}},
      {"free text with suggestions",
       lsEditList,
       {{L"ch", L"cherry", 3, 3}, {L"{Esc}", L"cherry", 3, -2}}},
  };
  for (const TComboScript& script : scripts) {
    TcxComboBox* combo = AddCombo(script.Style);
    Focus(combo);
    for (size_t i = 0; i < script.Steps.size(); ++i) {
      const TComboStep& step = script.Steps[i];
      RunInput(step.Input);
      const std::string where = std::string(script.Name) + ", step " + std::to_string(i + 1);
      EXPECT_EQ(combo->Text(), step.Text) << where;
      EXPECT_EQ(combo->ItemIndex(), step.ItemIndex) << where;
      EXPECT_EQ(combo->DroppedDown() ? ListIndex(combo) : -2, step.ListIndex) << where;
    }
    delete combo;
  }
}

TEST_F(ComboBox, AClickOnARowTakesItAndClosesWithEnter) {
  TcxComboBox* combo = AddCombo(lsFixedList);
  std::vector<std::string> events;
  Record(combo, events);
  int changes = 0;
  combo->Properties()->OnChange = [&](TObject*) { ++changes; };
  Focus(combo);
  Do(combo, TGesture::Button);
  ASSERT_TRUE(combo->DroppedDown());
  TcxCustomComboBoxListBox* list = combo->ListBox();
  RECT row;
  SendMessageW(list->Handle(), LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
  PressAt(list->ClientToScreen(TPoint(row.left + 10, (row.top + row.bottom) / 2)));
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->CloseUpReason(), crEnter);
  EXPECT_EQ(combo->Text(), L"Banana");
  EXPECT_EQ(VarToStr(combo->EditingValue()), L"Banana");
  EXPECT_EQ(changes, 1);
  // The focus never left the edit.
  EXPECT_EQ(FocusedControl(), combo->InnerEditControl());
}

TEST_F(ComboBox, AFixedListOpensByAClickInItsTextAndPicksARowDraggedToFromTheButton) {
  TcxComboBox* combo = AddCombo(lsFixedList);
  Focus(combo);
  const TRect bounds = ScreenBounds(combo);
  PressAt(TPoint(bounds.Left + 20, bounds.Top + bounds.Height() / 2));
  EXPECT_TRUE(combo->DroppedDown());
  Do(combo, TGesture::Escape);
  ASSERT_FALSE(combo->DroppedDown());
  // Pressed on the button, dragged into the open list, released on a row.
  PressMouseAt(DropDownButtonCenter(combo));
  ASSERT_TRUE(combo->DroppedDown());
  TcxCustomComboBoxListBox* list = combo->ListBox();
  RECT row;
  SendMessageW(list->Handle(), LB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&row));
  const TPoint target = list->ClientToScreen(TPoint(row.left + 10, (row.top + row.bottom) / 2));
  MoveMouseTo(TPoint(target.X, target.Y - 1));
  MoveMouseTo(target);
  EXPECT_EQ(list->ItemIndex(), 3);
  ReleaseMouseAt(target);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->CloseUpReason(), crEnter);
  EXPECT_EQ(combo->Text(), L"Cherry");
}

TEST_F(ComboBox, ItemsMeasuredAndDrawnByTheHandlers) {
  TcxComboBox* combo = AddCombo(lsEditList, 6);
  combo->Properties()->OnMeasureItem = [](TWinControl*, int AIndex, TcxCanvas*, int& AHeight) {
    AHeight = 12 + 2 * AIndex;
  };
  std::vector<int> drawn;
  combo->Properties()->OnDrawItem = [&](TcxCustomComboBox*, TcxCanvas* ACanvas, int AIndex, const TRect& ARect,
                                        TOwnerDrawState) {
    drawn.push_back(AIndex);
    ACanvas->FillRect(ARect, clYellow);
  };
  Focus(combo);
  Do(combo, TGesture::F4);
  ASSERT_TRUE(combo->DroppedDown());
  TcxCustomComboBoxListBox* list = combo->ListBox();
  EXPECT_EQ(list->GetHeight(3, 0), 12 + 14 + 16);
  EXPECT_EQ(list->Height(), 12 + 14 + 16 + 18 + 20 + 22);
  EXPECT_EQ(SendMessageW(list->Handle(), LB_GETITEMHEIGHT, 4, 0), 20);
  UpdateWindow(list->Handle());
  EXPECT_FALSE(drawn.empty());
  std::unique_ptr<TBitmap> picture = CaptureWindow(list);
  EXPECT_EQ(PixelColor(*picture, list->ClientWidth() - 3, 3), static_cast<TColor>(ColorToRGB(clYellow)));
}

TEST_F(ComboBox, TheArrowStaysPressedWhileOpenWhenAskedOrNative) {
  struct TArrowCase {
    const char* Name;
    bool Keep;
    bool Native;
    bool Pressed;
  };
  const TArrowCase cases[] = {{"plain", false, false, false}, {"asked", true, false, true}, {"native", false, true, true}};
  for (const TArrowCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TcxComboBox* combo = AddCombo();
    combo->Properties()->SetKeepArrowButtonPressedWhenDroppedDown(c.Keep);
    combo->Style()->LookAndFeel()->SetNativeStyle(c.Native);
    Focus(combo);
    Do(combo, TGesture::F4);
    ASSERT_TRUE(combo->DroppedDown());
    // The mouse over the button of the open popup draws it pressed or plain, never hot.
    MoveMouseTo(DropDownButtonCenter(combo));
    EXPECT_EQ(combo->ViewInfo()->Button(0)->Data.State, c.Pressed ? ebsPressed : ebsNormal);
    Do(combo, TGesture::Escape);
    EXPECT_EQ(combo->ViewInfo()->Button(0)->Data.State, ebsSelected);
    delete combo;
  }
}

TEST_F(ComboBox, TheListIsAsHighAsItsRowsAndAsWideAsItsWidestItem) {
  TcxComboBox* combo = AddCombo(lsEditList, 10);
  combo->Properties()->Items()->Add(L"A much longer item than the edit is wide, surely");
  Focus(combo);
  Do(combo, TGesture::F4);
  ASSERT_TRUE(combo->DroppedDown());
  TcxCustomComboBoxListBox* list = combo->ListBox();
  TcxCustomEditPopupWindow* popup = combo->PopupWindow();
  const TRect extent = popup->ViewInfo()->GetClientExtent();
  const int row = list->GetItemHeight(0);
  EXPECT_EQ(popup->Height(), 8 * row + extent.Top + extent.Bottom);
  EXPECT_EQ(list->Height(), 8 * row);
  const int widest = list->GetItemWidth(10);
  EXPECT_EQ(popup->Width(), widest + 4 + GetSystemMetrics(SM_CXVSCROLL) + extent.Left + extent.Right);
  Do(combo, TGesture::Escape);
  // Fewer items than rows: no scroll bar, at least as wide as the edit.
  combo->Properties()->Items()->Clear();
  combo->Properties()->Items()->Add(L"A");
  combo->Properties()->Items()->Add(L"B");
  Do(combo, TGesture::F4);
  EXPECT_EQ(popup->Height(), 2 * row + extent.Top + extent.Bottom);
  EXPECT_EQ(popup->Width(), combo->Width());
}

TEST_F(ComboBox, TheWheelScrollsTheOpenList) {
  TcxComboBox* combo = AddCombo(lsEditList, 15);
  Focus(combo);
  Do(combo, TGesture::F4);
  ASSERT_TRUE(combo->DroppedDown());
  const HWND list = combo->ListBox()->Handle();
  ASSERT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 0);
  const TRect bounds = ScreenBounds(combo);
  SendMessageW(combo->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)),
               MAKELPARAM(bounds.Left + 5, bounds.Top + 5));
  ProcessPendingMessages();
  EXPECT_GT(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 0);
  EXPECT_TRUE(combo->DroppedDown());
  EXPECT_EQ(combo->ItemIndex(), -1);
}

TEST_F(ComboBox, ResizedInWholeRows) {
  TcxComboBox* combo = AddCombo(lsEditList, 10);
  combo->Properties()->SetDropDownSizeable(true);
  combo->Properties()->SetDropDownRows(4);
  Focus(combo);
  Do(combo, TGesture::F4);
  TcxComboBoxLookupData* lookup = combo->ComboLookupData();
  TcxCustomComboBoxListBox* list = combo->ListBox();
  const int row = list->GetItemHeight(0);
  ASSERT_EQ(list->Height(), 4 * row);
  struct TResize {
    int Request;
    int Expected;
  };
  // Growing stops at the last whole row; shrinking keeps a partly covered
  // row; never taller than all rows.
  const TResize cases[] = {{4 * row, 4 * row},           {5 * row + row / 2, 5 * row}, {6 * row, 6 * row},
                           {3 * row + row / 2, 4 * row}, {30 * row, 10 * row},          {2 * row, 2 * row}};
  for (const TResize& c : cases) {
    TSize size(list->Width(), c.Request);
    EXPECT_TRUE(lookup->CanResizeVisualArea(size, 0, 0));
    EXPECT_EQ(size.cy, c.Expected) << c.Request;
  }
  // Dragging the grip applies it to the window.
  const TRect grip = combo->PopupWindow()->ViewInfo()->SizeGripRect;
  const TPoint start = combo->PopupWindow()->ClientToScreen(TPoint(grip.Left + 3, grip.Top + 3));
  combo->PopupWindow()->SetShowContentWhileResize(true);
  PressMouseAt(start);
  MoveMouseTo(TPoint(start.X, start.Y + row + row / 2));
  ReleaseMouseAt(TPoint(start.X, start.Y + row + row / 2));
  EXPECT_EQ(list->Height(), 5 * row);
  // Kept on the next opening, even with automatic width.
  Do(combo, TGesture::Escape);
  Do(combo, TGesture::F4);
  EXPECT_EQ(list->Height(), 5 * row);
}

TEST_F(ComboBox, AnInplaceComboRemembersTheUserSizeInItsEditDataNotInTheProperties) {
  auto* combo = new TcxComboBox(Form, true);
  combo->SetBounds(10, 10, 150, 20);
  combo->SetParent(Form);
  for (const wchar_t* item : {L"Apple", L"Apricot", L"Banana", L"Cherry", L"Damson", L"Elder"})
    combo->Properties()->Items()->Add(item);
  combo->Properties()->SetDropDownSizeable(true);
  combo->Activate(true);
  ProcessPendingMessages();
  Do(combo, TGesture::F4);
  ASSERT_TRUE(combo->DroppedDown());
  TcxCustomEditPopupWindow* popup = combo->PopupWindow();
  popup->SetShowContentWhileResize(true);
  const TRect grip = popup->ViewInfo()->SizeGripRect;
  const TPoint start = popup->ClientToScreen(TPoint(grip.Left + 3, grip.Top + 3));
  PressMouseAt(start);
  MoveMouseTo(TPoint(start.X + 40, start.Y));
  ReleaseMouseAt(TPoint(start.X + 40, start.Y));
  const int width = popup->Width();
  EXPECT_TRUE(combo->EditData().Initialized);
  EXPECT_EQ(combo->EditData().Width, width);
  EXPECT_EQ(combo->Properties()->PopupWidth(), 0);
  Do(combo, TGesture::Escape);
  Do(combo, TGesture::F4);
  EXPECT_EQ(popup->Width(), width);
  Do(combo, TGesture::Escape);
  // Not sizeable: the user size is forgotten.
  combo->Properties()->SetDropDownSizeable(false);
  EXPECT_FALSE(combo->EditData().Initialized);
  EXPECT_FALSE(combo->PopupSizeChanged());
}

TEST_F(ComboBox, AnEmptyListNeverOpens) {
  TcxComboBox* combo = AddCombo(lsEditList, 0);
  Focus(combo);
  Do(combo, TGesture::F4);
  EXPECT_FALSE(combo->DroppedDown());
  Do(combo, TGesture::Button);
  EXPECT_FALSE(combo->DroppedDown());
}

TEST_F(ComboBox, DoubleClickRevertsToTheNextItemOnlyWhenRevertableAndClosed) {
  TcxComboBox* combo = AddCombo(lsFixedList, 3);
  Focus(combo);
  combo->SetItemIndex(2);
  auto doubleClick = [&] {
    SendMessageW(combo->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 10));
    SendMessageW(combo->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(20, 10));
    ProcessPendingMessages();
    combo->SetDroppedDown(false);
  };
  doubleClick();
  EXPECT_EQ(combo->ItemIndex(), 2);
  combo->Properties()->SetRevertable(true);
  doubleClick();
  EXPECT_EQ(combo->ItemIndex(), 0);
  doubleClick();
  EXPECT_EQ(combo->ItemIndex(), 1);
}

TEST_F(ComboBox, ListStylesAndRowsSettings) {
  TcxComboBoxProperties properties(nullptr);
  const std::pair<TcxEditDropDownListStyle, TcxEditEditingStyle> styles[] = {
      {lsEditFixedList, esEditList}, {lsEditList, esEdit}, {lsFixedList, esFixedList}};
  for (auto [list, editing] : styles) {
    properties.SetDropDownListStyle(list);
    EXPECT_EQ(properties.CurrentEditingStyle(), editing);
    EXPECT_EQ(properties.DropDownOnClick(), list == lsFixedList);
  }
  EXPECT_EQ(properties.DropDownRows(), 8);
  properties.SetDropDownRows(0);
  properties.SetDropDownRows(-3);
  EXPECT_EQ(properties.DropDownRows(), 8);
  properties.SetDropDownRows(12);
  EXPECT_EQ(properties.LookupPageItemCount(), 12);
  EXPECT_TRUE(properties.DropDownAutoWidth());
  properties.SetDropDownWidth(300);
  EXPECT_EQ(properties.PopupWidth(), 300);
}

TEST_F(ComboBox, APasteOpensTheListAndTheLookupFollowsThePastedText) {
  struct TCase {
    TcxEditDropDownListStyle Style;
    const wchar_t* Pasted;
    int ItemIndex;
    bool FindSelection;
  };
  const TCase cases[] = {
      {lsEditList, L"Cherry", 3, true},
      {lsEditList, L"Xyz", -1, false},
      {lsFixedList, L"Banana", 2, true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(String(c.Pasted));
    TcxComboBox* combo = AddCombo(c.Style);
    int clicks = 0;
    combo->OnClick = [&clicks](TObject*) { ++clicks; };
    Focus(combo);
    PutClipboardText(c.Pasted);
    combo->PasteFromClipboard();
    ProcessPendingMessages();
    EXPECT_TRUE(combo->DroppedDown());
    EXPECT_EQ(combo->SelectedItem(), c.ItemIndex);
    EXPECT_EQ(ListIndex(combo), c.ItemIndex);
    EXPECT_EQ(combo->FindSelection(), c.FindSelection);
    EXPECT_EQ(clicks, c.ItemIndex >= 0 ? 1 : 0);
    EXPECT_TRUE(combo->ModifiedAfterEnter());
    Do(combo, TGesture::Escape);
    delete combo;
  }
}

TEST_F(ComboBox, RegisteredWithItsFilterHelper) {
  EXPECT_EQ(cxEditPropertiesRegistry()->GetDescriptionByClass(TcxComboBoxProperties::StaticClass()),
            L"ComboBox");
  EXPECT_EQ(cxEditPropertiesRegistry()->GetDescriptionByClass(TcxPopupEditProperties::StaticClass()),
            L"PopupEdit");
  const TcxCustomFilterEditHelper* helper = cxFilterEditsRegistry()->FindHelper(TcxComboBoxProperties::StaticClass());
  ASSERT_EQ(helper, TcxFilterComboBoxHelper::Instance());
  TcxComboBoxProperties column(nullptr), filter(nullptr);
  column.SetDropDownListStyle(lsFixedList);
  column.SetDropDownRows(20);
  column.SetRevertable(true);
  filter.Assign(&column);
  helper->InitializeProperties(&filter, &column, true);
  EXPECT_EQ(filter.DropDownListStyle(), lsEditList);
  EXPECT_EQ(filter.DropDownRows(), 8);
  EXPECT_FALSE(filter.Revertable());
  EXPECT_FALSE(filter.ImmediateDropDownWhenKeyPressed());
  EXPECT_EQ(filter.PopupAlignment(), taLeftJustify);
  EXPECT_TRUE(helper->EditPropertiesHasButtons());
  std::unique_ptr<TcxCustomEdit> edit(helper->GetFilterEdit(&filter));
  EXPECT_NE(dynamic_cast<TcxComboBox*>(edit.get()), nullptr);
}

}  // namespace
