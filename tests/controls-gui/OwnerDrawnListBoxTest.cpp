// Owner-drawn and multi-choice list boxes on real LISTBOX windows, and the
// inner list box's own operations: its drawing of chosen items, its library
// bars outside a container, and what it hands its container (default key
// handling, the wheel, dragging a multiple choice, the popup menu).
#include <gtest/gtest.h>

#include <filesystem>

#include "components/controls/cxContainer.h"
#include "tests/guiharness/FormFixture.h"
#include "tests/guiharness/GuiDriver.h"
#include "tests/guiharness/WindowCapture.h"
#include "vcl/controls/Menus.h"

namespace {

constexpr TColor ItemColors[] = {clRed, clBlue, clGreen, clYellow};

struct ListBoxFixture : FormFixture {
  ListBoxFixture() {
    Form->SetBounds(0, 0, 400, 300);
    Form->Show();
  }
  template <typename T>
  T* AddList(int ACount) {
    auto* list = Add<T>(10, 10);
    list->SetBounds(10, 10, 120, 90);
    for (int i = 0; i < ACount; ++i) list->Items()->Add(L"item " + IntToStr(i));
    return list;
  }
};

using OwnerDrawnListBox = ListBoxFixture;

}  // namespace

TEST_F(OwnerDrawnListBox, ItemsAreDrawnByTheHandlerInTheirRectangles) {
  auto* list = AddList<TListBox>(4);
  list->SetStyle(lbOwnerDrawFixed);
  list->SetItemHeight(20);
  std::vector<int> drawn;
  list->OnDrawItem = [&](TWinControl*, int Index, const TRect& Rect, TOwnerDrawState State) {
    drawn.push_back(Index);
    list->Canvas()->Brush()->SetColor(State.Contains(odSelected) ? clBlack : ItemColors[Index]);
    list->Canvas()->FillRect(Rect);
  };
  list->SetItemIndex(2);
  auto picture = CaptureWindow(list);
  std::filesystem::create_directories("artifacts");
  SaveAsPng(*picture, L"artifacts\\OwnerDrawnListBox.png");
  EXPECT_FALSE(drawn.empty());
  EXPECT_EQ(TRect(0, 20, list->ClientWidth(), 40), list->ItemRect(1));
  const int border = (list->Width() - list->ClientWidth()) / 2;
  EXPECT_EQ(clRed, PixelColor(*picture, border + 5, border + 5));
  EXPECT_EQ(clBlue, PixelColor(*picture, border + 5, border + 25));
  EXPECT_EQ(clBlack, PixelColor(*picture, border + 5, border + 45));
  EXPECT_EQ(1, list->ItemAtPos(TPoint(5, 25)));
  EXPECT_EQ(-1, list->ItemAtPos(TPoint(5, 85)));
}

TEST_F(OwnerDrawnListBox, VariableItemsTakeTheMeasuredHeights) {
  auto* list = AddList<TListBox>(3);
  list->OnMeasureItem = [](TWinControl*, int Index, int& Height) { Height = 10 + 10 * Index; };
  list->SetStyle(lbOwnerDrawVariable);
  EXPECT_EQ(10, list->ItemRect(0).Height());
  EXPECT_EQ(20, list->ItemRect(1).Height());
  EXPECT_EQ(30, list->ItemRect(2).Height());
}

TEST_F(OwnerDrawnListBox, AMultipleChoiceSurvivesANewWindow) {
  auto* list = AddList<TListBox>(5);
  list->SetMultiSelect(true);
  EXPECT_EQ(0, list->SelCount());
  list->SetSelected(1, true);
  list->SetSelected(3, true);
  EXPECT_EQ(2, list->SelCount());
  EXPECT_TRUE(list->Selected(3));
  EXPECT_FALSE(list->Selected(2));
  list->SetStyle(lbOwnerDrawFixed);  // a new window
  EXPECT_EQ(2, list->SelCount());
  EXPECT_TRUE(list->Selected(1));
  list->SetItemIndex(4);
  EXPECT_EQ(4, list->ItemIndex());
  EXPECT_EQ(2, list->SelCount());
  list->ClearSelection();
  EXPECT_EQ(0, list->SelCount());
  EXPECT_THROW(list->Selected(5), EListError);
}

TEST_F(OwnerDrawnListBox, ControlClicksChooseSeveralItemsOfAnExtendedList) {
  auto* list = AddList<TListBox>(5);
  list->SetMultiSelect(true);
  list->HandleNeeded();
  const int itemHeight = list->ItemRect(0).Height();
  ClickAt(list, TPoint(5, itemHeight / 2));
  BYTE keys[256];
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  const LPARAM point = MAKELPARAM(5, 2 * itemHeight + itemHeight / 2);
  SendMessageW(list->Handle(), WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, point);
  SendMessageW(list->Handle(), WM_LBUTTONUP, MK_CONTROL, point);
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  ProcessPendingMessages();
  EXPECT_EQ(2, list->SelCount());
  EXPECT_TRUE(list->Selected(0));
  EXPECT_TRUE(list->Selected(2));
}

// ---------------------------------------------------------------- inner list box

TEST_F(OwnerDrawnListBox, TheInnerListBoxHighlightsChosenItemsWithoutAFocusRectangleForAHandler) {
  auto* list = AddList<TcxCustomInnerListBox>(3);
  list->SetStyle(lbOwnerDrawFixed);
  list->SetItemHeight(20);
  // The handler draws nothing but a frame: the highlight is the list box's.
  list->OnDrawItem = [&](TWinControl*, int, const TRect& Rect, TOwnerDrawState) {
    list->TListBox::Canvas()->FillRect(Rect);
  };
  list->SetItemIndex(1);
  list->SetFocus();
  auto picture = CaptureWindow(list);
  std::filesystem::create_directories("artifacts");
  SaveAsPng(*picture, L"artifacts\\InnerListBoxChosenItem.png");
  const int border = (list->Width() - list->ClientWidth()) / 2;
  EXPECT_EQ(ColorToRGB(clHighlight), ColorToRGB(PixelColor(*picture, border + 1, border + 21)));
  EXPECT_EQ(ColorToRGB(clHighlight), ColorToRGB(PixelColor(*picture, border + 50, border + 30)));
  EXPECT_EQ(ColorToRGB(list->Color()), ColorToRGB(PixelColor(*picture, border + 5, border + 5)));
}

TEST_F(OwnerDrawnListBox, OutsideAContainerItsLibraryBarsCoverTheNativeOnes) {
  auto* list = AddList<TcxCustomInnerListBox>(30);
  list->HandleNeeded();
  SendMessageW(list->Handle(), LB_SETTOPINDEX, 0, 0);
  ProcessPendingMessages();
  TcxScrollBar* bar = list->VScrollBar();
  ASSERT_TRUE(bar->Visible());
  EXPECT_EQ(Form, bar->Parent());
  EXPECT_FALSE(bar->Ctl3D());
  SCROLLBARINFO info{sizeof(info)};
  GetScrollBarInfo(list->Handle(), OBJID_VSCROLL, &info);
  EXPECT_EQ(Form->ScreenToClient(TPoint(info.rcScrollBar.left, info.rcScrollBar.top)), bar->BoundsRect().TopLeft());
  EXPECT_FALSE(list->HScrollBar()->Visible());
  EXPECT_TRUE(list->GetScrollBarsCornerRect().IsEmpty());
  // The library bar scrolls the list and follows it.
  int pos = 7;
  bar->OnScroll(bar, scTrack, pos);
  EXPECT_EQ(7, list->TopIndex());
  EXPECT_EQ(7, pos);
  pos = 0;
  bar->OnScroll(bar, scPageDown, pos);
  EXPECT_GT(list->TopIndex(), 7);
  EXPECT_EQ(list->TopIndex(), pos);
}

namespace {

struct InnerListInContainer : ListBoxFixture {
  InnerListInContainer() {
    Container = Add<TcxContainer>(10, 10);
    Container->SetBounds(10, 10, 140, 100);
    List = new TcxCustomInnerListBox(Container);
    List->SetContainer(Container);
    List->SetBounds(2, 2, 136, 96);
    for (int i = 0; i < 6; ++i) List->Items()->Add(L"item " + IntToStr(i));
    Container->HandleNeeded();
    ProcessPendingMessages();
  }
  TcxContainer* Container;
  TcxCustomInnerListBox* List;
};

}  // namespace

TEST_F(InnerListInContainer, UnhandledKeysOfTheListAreOfferedToTheApplication) {
  std::vector<WPARAM> offered;
  const int hook = Application->HookMainWindow([&](TMessage& Message) {
    if (Message.Msg != TcxControlDefaultHandlerHelper::DXM_DEFAULTKEYDOWN) return false;
    offered.push_back(Message.WParam);
    Message.Result = Message.WParam == VK_F9;
    return true;
  });
  List->Perform(WM_KEYDOWN, VK_F9, 0);
  List->Perform(WM_KEYDOWN, VK_F8, 0);
  Application->UnhookMainWindow(hook);
  EXPECT_EQ((std::vector<WPARAM>{VK_F9, VK_F8}), offered);
}

TEST_F(InnerListInContainer, TheWheelClicksAndTheMenuAreTheContainers) {
  int wheels = 0;
  int clicks = 0;
  Container->OnMouseWheel = [&](TObject*, TShiftState, int, const TPoint&, bool& Handled) {
    ++wheels;
    Handled = true;
  };
  Container->OnClick = [&](TObject*) { ++clicks; };
  auto* menu = new TPopupMenu(Form);
  Container->SetPopupMenu(menu);
  SendMessageW(List->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(30, 30));
  EXPECT_EQ(1, wheels);
  EXPECT_EQ(0, List->TopIndex());
  PickItem(List, 2);
  EXPECT_EQ(1, clicks);
  EXPECT_EQ(menu, List->GetPopupMenu());
}

TEST_F(InnerListInContainer, PressingAChosenItemOfAMultipleChoiceDragsTheContainer) {
  List->SetMultiSelect(true);
  List->SetSelected(0, true);
  List->SetSelected(1, true);
  Container->SetDragMode(dmAutomatic);
  const TRect item = List->ItemRect(1);
  SendMessageW(List->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(item.Left + 5, item.Top + 2));
  EXPECT_TRUE(Container->Dragging());
  Container->EndDrag(false);
  EXPECT_EQ(2, List->SelCount());
  EXPECT_EQ(dmAutomatic, List->DragMode());
}
