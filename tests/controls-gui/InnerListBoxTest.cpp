// The list box inside a container: the prefix search, the keys it keeps
// from its own key-press handling, its dialog codes, focus reports and the
// container's bars following its native ones.
#include <gtest/gtest.h>

#include "components/controls/cxContainer.h"
#include "tests/guiharness/FormFixture.h"
#include "tests/guiharness/GuiDriver.h"

namespace {

struct InnerListBoxFixture : FormFixture {
  InnerListBoxFixture() {
    Form->SetBounds(0, 0, 400, 300);
    Form->Show();
    Container = new TcxContainer(Form);
    Container->SetBounds(10, 10, 120, 80);
    Container->SetParent(Form);
    ListBox = new TcxCustomInnerListBox(Container);
    ListBox->SetContainer(Container);
    for (const wchar_t* item : {L"alpha", L"beta", L"bravo", L"Charlie", L"delta"}) ListBox->Items()->Add(item);
    Container->HandleNeeded();
    ProcessPendingMessages();
  }
  void Type(const String& AKeys) {
    for (const wchar_t key : AKeys) PostMessageW(ListBox->Handle(), WM_CHAR, key, 1);
    ProcessPendingMessages();
  }
  TcxContainer* Container;
  TcxCustomInnerListBox* ListBox;
};

using InnerListBox = InnerListBoxFixture;

struct AutoCompleteCase {
  const char* Name;
  uint32_t Delay;  // 0: every key starts a new prefix
  const wchar_t* Keys;
  int ExpectedIndex;
  const wchar_t* ExpectedFilter;
};

TEST_F(InnerListBox, SelectsTheFirstItemStartingWithTheTypedPrefix) {
  const AutoCompleteCase cases[] = {
      {"two keys within the delay", 60000, L"br", 2, L"br"},
      {"ignoring case", 60000, L"ch", 3, L"ch"},
      {"a pause starts a new prefix", 0, L"bd", 4, L"d"},
      {"no match keeps the selection", 60000, L"bz", 1, L"bz"},
      {"backspace shortens the prefix", 60000, L"bra\b", 2, L"br"},
      // Erasing the whole prefix goes back to the top of the list.
      {"backspace down to an empty prefix", 60000, L"d\b", 0, L""},
  };
  for (const AutoCompleteCase& c : cases) {
    SCOPED_TRACE(c.Name);
    ListBox->SetItemIndex(-1);
    ListBox->SetAutoCompleteDelay(0);
    Type(L"\b");  // forget the previous case's prefix
    ListBox->SetItemIndex(-1);
    ListBox->SetAutoCompleteDelay(c.Delay);
    int clicks = 0;
    ListBox->OnClick = [&](TObject*) { ++clicks; };
    Type(c.Keys);
    EXPECT_EQ(ListBox->ItemIndex(), c.ExpectedIndex);
    EXPECT_EQ(ListBox->AutoCompleteFilter(), c.ExpectedFilter);
    EXPECT_GT(clicks, 0);
    ListBox->OnClick = nullptr;
  }
}

TEST_F(InnerListBox, TabAndEnterNeverReachItsKeyPressHandling) {
  String seen;
  ListBox->OnKeyPress = [&](TObject*, wchar_t& Key) { seen += Key; };
  String containerSeen;
  Container->OnKeyPress = [&](TObject*, wchar_t& Key) { containerSeen += Key; };
  Type(L"\t\ra");
  EXPECT_EQ(seen, L"a");
  // The container sees Enter before it is eaten.
  EXPECT_EQ(containerSeen, L"\ra");
}

TEST_F(InnerListBox, AsksForCharactersAndTabInsideAContainerOnly) {
  const LRESULT inside = SendMessageW(ListBox->Handle(), WM_GETDLGCODE, 0, 0);
  EXPECT_TRUE(inside & DLGC_WANTCHARS);
  EXPECT_TRUE(inside & DLGC_WANTTAB);

  auto* standalone = Add<TcxCustomInnerListBox>(200, 10);
  standalone->HandleNeeded();
  EXPECT_FALSE(SendMessageW(standalone->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_WANTTAB);
}

TEST_F(InnerListBox, ReportsItsFocusToTheContainer) {
  ListBox->SetFocus();
  ProcessPendingMessages();
  EXPECT_TRUE(Container->Focused());
  EXPECT_TRUE(Container->ViewInfo()->ContainerState.Contains(csActive));
}

TEST_F(InnerListBox, TellsWhichItemsShow) {
  for (int i = 0; i < 20; ++i) ListBox->Items()->Add(L"item " + IntToStr(i));
  EXPECT_TRUE(ListBox->ItemVisible(0));
  EXPECT_FALSE(ListBox->ItemVisible(ListBox->Items()->Count() - 1));
  EXPECT_FALSE(ListBox->ItemVisible(1000));
}

TEST_F(InnerListBox, ContainerBarsFollowTheNativeOnesOnceRedrawIsBack) {
  Container->ShortRefreshContainer(false);
  SendMessageW(ListBox->Handle(), WM_SETREDRAW, FALSE, 0);
  for (int i = 0; i < 30; ++i) ListBox->Items()->Add(L"item " + IntToStr(i));
  ProcessPendingMessages();
  IcxControlScrollBar* bar = Container->GetMirroredScrollBar(sbVertical);
  EXPECT_FALSE(bar && bar->Visible());

  SendMessageW(ListBox->Handle(), WM_SETREDRAW, TRUE, 0);
  ProcessPendingMessages();
  bar = Container->GetMirroredScrollBar(sbVertical);
  ASSERT_NE(bar, nullptr);
  EXPECT_TRUE(bar->Visible());
  // Scrolling the list moves the library bar without being asked.
  SendMessageW(ListBox->Handle(), LB_SETTOPINDEX, 10, 0);
  ProcessPendingMessages();
  EXPECT_GT(bar->Position(), 0);
  EXPECT_EQ(bar->Position(), GetScrollPos(ListBox->Handle(), SB_VERT));
}

}  // namespace
