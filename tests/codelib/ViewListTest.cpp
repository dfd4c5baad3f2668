// The consumer's flattened view of a provider's tree: rows built to a
// level, expanded and collapsed, following additions and deletions, and
// their parent, sibling and child queries.
#include <gtest/gtest.h>

#include <functional>

#include "codelib/JvDataConsumerViewList.h"
#include "tests/codelib/TestProvider.h"

namespace {

// A (A1 (A1a), A2, A3), B (B1), C
const std::initializer_list<TTestNode> Tree{
    {L"A", L""},   {L"A1", L"A"}, {L"A1a", L"A1"}, {L"A2", L"A"},
    {L"A3", L"A"}, {L"B", L""},   {L"B1", L"B"},   {L"C", L""},
};

// An item that asks not to be shown.
class THiddenItem : public TJvBaseDataItem, public IJvDataItemVisibility {
  VCL_CREATABLE_CLASS(THiddenItem, TJvBaseDataItem)
public:
  THiddenItem() = default;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID IID, void** Obj) override {
    return TJvBaseDataItem::QueryInterface(IID, Obj);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return TJvBaseDataItem::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return TJvBaseDataItem::Release(); }
  int Visibility() override { return 0; }

protected:
  bool GetOwnInterface(REFIID IID, void** Obj) override {
    if (IID == IID_IJvDataItemVisibility) {
      *Obj = static_cast<IJvDataItemVisibility*>(this);
      return true;
    }
    return TJvBaseDataItem::GetOwnInterface(IID, Obj);
  }
};

// A consumer with a view list over a provider of the tree.
class ViewListTest : public ::testing::Test {
protected:
  void SetUp() override { Use(TTestProvider::Create(Tree)); }
  void Use(const TInterfaceRef<IJvDataProvider>& AProvider) {
    Provider = AProvider;
    Consumer.SetProviderIntf(Provider.Get());
    const int index = Consumer.ExtensionIndexOfClass(TJvDataConsumerViewList::StaticClass());
    ASSERT_GE(index, 0);
    View = static_cast<TJvDataConsumerViewList*>(Consumer.Extension(index));
  }
  void TearDown() override { Consumer.SetProviderIntf(nullptr); }
  void Rebuild(int AutoExpandLevel) {
    View->SetAutoExpandLevel(AutoExpandLevel);
    View->RebuildRows();
  }
  TTestProvider* Test() const { return TTestProvider::Of(Provider); }
  IJvDataItemsManagement* ListOf(const String& ParentID) {
    IJvDataItems* items = ParentID.empty() ? Provider->GetItems() : SubItemsOf(Test()->Find(ParentID));
    FManagement = Supports<IJvDataItemsManagement>(items, IID_IJvDataItemsManagement);
    return FManagement.Get();
  }
  // "ID/level/flags": x expanded, s has a sub-item list, c has children.
  std::vector<String> Rows() const {
    std::vector<String> rows;
    for (const TViewListItem& row : View->ViewItems()) {
      String flags;
      if (row.Flags & vlExpanded) flags += L'x';
      if (row.Flags & vlHasSubItems) flags += L's';
      if (row.Flags & vlHasChildren) flags += L'c';
      rows.push_back(row.ItemID + L"/" + IntToStr(row.Flags & vlLevelMask) + L"/" + flags);
    }
    return rows;
  }

  TInterfaceRef<IJvDataProvider> Provider;
  TJvDataConsumer Consumer{nullptr, {DataConsumerViewListAttribute}};
  TJvDataConsumerViewList* View = nullptr;

private:
  TInterfaceRef<IJvDataItemsManagement> FManagement;
};

using TRows = std::vector<String>;

}  // namespace

TEST_F(ViewListTest, RowsAreBuiltDownToTheAutoExpandLevel) {
  EXPECT_EQ((TRows{L"A/0/sc", L"B/0/sc", L"C/0/"}), Rows());
  Rebuild(1);
  EXPECT_EQ((TRows{L"A/0/xsc", L"A1/1/sc", L"A2/1/", L"A3/1/", L"B/0/xsc", L"B1/1/", L"C/0/"}), Rows());
  Rebuild(-1);
  EXPECT_EQ((TRows{L"A/0/xsc", L"A1/1/xsc", L"A1a/2/", L"A2/1/", L"A3/1/", L"B/0/xsc", L"B1/1/", L"C/0/"}), Rows());
  EXPECT_EQ(0, Test()->SelectionDepth());
}

TEST_F(ViewListTest, TogglingShowsAndHidesTheChildrenOfARow) {
  View->ToggleItem(0);
  EXPECT_EQ((TRows{L"A/0/xsc", L"A1/1/sc", L"A2/1/", L"A3/1/", L"B/0/sc", L"C/0/"}), Rows());
  View->ToggleItem(1);
  EXPECT_EQ((TRows{L"A/0/xsc", L"A1/1/xsc", L"A1a/2/", L"A2/1/", L"A3/1/", L"B/0/sc", L"C/0/"}), Rows());
  View->ToggleItem(0);
  EXPECT_EQ((TRows{L"A/0/sc", L"B/0/sc", L"C/0/"}), Rows());
  View->ToggleItem(2);  // no children: nothing
  EXPECT_EQ(3, View->Count());
}

TEST_F(ViewListTest, RowsAnswerForTheirParentsSiblingsAndChildren) {
  Rebuild(-1);
  const struct {
    int Row;
    int Parent, Sibling, ChildIndex;
  } cases[] = {
      {0, -1, 5, 0}, {1, 0, 3, 0}, {2, 1, -1, 0}, {3, 0, 4, 1}, {4, 0, -1, 2}, {5, -1, 7, 1}, {6, 5, -1, 0}, {7, -1, -1, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Row);
    EXPECT_EQ(c.Parent, View->ItemParentIndex(c.Row));
    EXPECT_EQ(c.Sibling, View->ItemSiblingIndex(c.Row));
    EXPECT_EQ(c.ChildIndex, View->ChildIndexOfID(View->ViewItems()[c.Row].ItemID));
    EXPECT_EQ(View->ViewItems()[c.Row].ItemID, View->Item(c.Row)->GetID());
  }
  EXPECT_EQ(L"A1", View->ItemParent(2)->GetID());
  EXPECT_EQ(nullptr, View->ItemParent(0));
  EXPECT_EQ(L"A2", View->ItemSibling(1)->GetID());
  EXPECT_EQ(4, View->SubItemIndex(0, 2));
  EXPECT_EQ(-1, View->SubItemIndex(0, 3));
  EXPECT_EQ(L"A2", View->SubItem(Test()->Find(L"A"), 1)->GetID());
  EXPECT_EQ(-1, View->SubItemIndex(2, 0));  // A1a has no child rows
  EXPECT_EQ(-1, View->IndexOfID(L"missing"));
  EXPECT_EQ(2, View->IndexOfItem(Test()->Find(L"a1A")));
  EXPECT_EQ((std::vector<uint32_t>{0x3}), View->ItemGroupInfo(2));  // A has B after it, A1 has A2
  EXPECT_EQ((std::vector<uint32_t>{0x1}), View->ItemGroupInfo(6));
  EXPECT_EQ((std::vector<uint32_t>{0x1}), View->ItemGroupInfo(4));
  EXPECT_TRUE(View->ItemGroupInfo(7).empty());
}

TEST_F(ViewListTest, DeletedItemsLoseTheirRowsAndParentsTheirChildren) {
  Rebuild(-1);
  ListOf(L"A1")->Delete(0);
  EXPECT_EQ((TRows{L"A/0/xsc", L"A1/1/s", L"A2/1/", L"A3/1/", L"B/0/xsc", L"B1/1/", L"C/0/"}), Rows());
  ListOf(L"")->Delete(0);  // A with its rows
  EXPECT_EQ((TRows{L"B/0/xsc", L"B1/1/", L"C/0/"}), Rows());
  ListOf(L"B")->Delete(0);
  EXPECT_EQ((TRows{L"B/0/s", L"C/0/"}), Rows());
}

TEST_F(ViewListTest, AClearedListLosesItsRowsAndItsParentItsChildren) {
  Rebuild(-1);
  ListOf(L"A")->Clear();
  EXPECT_EQ((TRows{L"A/0/s", L"B/0/xsc", L"B1/1/", L"C/0/"}), Rows());
  ListOf(L"B")->Clear();  // B collapsed
  EXPECT_EQ((TRows{L"A/0/s", L"B/0/s", L"C/0/"}), Rows());
  ListOf(L"")->Clear();
  EXPECT_EQ(TRows{}, Rows());
}

// A view rooted at the selected item shows its sub-items; when that item
// goes, by a deletion of it or of an ancestor or by a cleared list, the
// view shows the provider's items that are left.
TEST_F(ViewListTest, AViewRootedAtAnItemThatGoesShowsWhatIsLeft) {
  const struct {
    const char* Case;
    const wchar_t* Root;
    std::function<void()> Remove;
    TRows Left;
  } cases[] = {
      {"root deleted", L"A", [&] { ListOf(L"")->Delete(0); }, {L"B/0/sc", L"C/0/"}},
      {"ancestor deleted", L"A1", [&] { ListOf(L"")->Delete(0); }, {L"B/0/sc", L"C/0/"}},
      {"root's list cleared", L"A1", [&] { ListOf(L"A")->Clear(); }, {L"A/0/s", L"B/0/sc", L"C/0/"}},
      {"all cleared", L"A1", [&] { ListOf(L"")->Clear(); }, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Case);
    const auto provider = TTestProvider::Create(Tree);
    TTestProvider::Of(provider)->ServiceClasses = {TJvDataConsumerItemSelect::StaticClass()};
    Use(provider);
    const auto select = Supports<IJvDataConsumerItemSelect>(static_cast<IJvDataConsumer*>(&Consumer),
                                                            IID_IJvDataConsumerItemSelect);
    ASSERT_TRUE(select);
    select->SetItemIntf(Test()->Find(c.Root));
    ASSERT_FALSE(Rows().empty());
    EXPECT_NE(L"A/0/sc", Rows()[0]);

    c.Remove();
    ASSERT_EQ(c.Left, Rows()) << "no rows of items that went";
  }
}

TEST_F(ViewListTest, NewItemsAppearUnderShownParentsOnly) {
  Rebuild(1);
  Test()->AddItem(L"A4", L"A");
  Test()->AddItem(L"A1b", L"A1");  // A1 is collapsed: stays so
  Test()->AddItem(L"D", L"");
  EXPECT_EQ((TRows{L"A/0/xsc", L"A1/1/sc", L"A2/1/", L"A3/1/", L"A4/1/", L"B/0/xsc", L"B1/1/", L"C/0/", L"D/0/"}),
            Rows());
  View->SetExpandOnNewItem(true);
  Test()->AddItem(L"A1c", L"A1");
  EXPECT_EQ((TRows{L"A/0/xsc", L"A1/1/xsc", L"A1a/2/", L"A1b/2/", L"A1c/2/", L"A2/1/", L"A3/1/", L"A4/1/",
                   L"B/0/xsc", L"B1/1/", L"C/0/", L"D/0/"}),
            Rows());
  Test()->AddItem(L"C1", L"C");  // C had no sub-items: it gets them, shown
  EXPECT_EQ(L"C/0/xsc", Rows()[10]);
  EXPECT_EQ(L"C1/1/", Rows()[11]);
}

TEST_F(ViewListTest, HiddenItemsLeaveNoRows) {
  const auto provider = TTestProvider::Create();
  TTestProvider* test = TTestProvider::Of(provider);
  test->AddItem(L"A", L"");
  test->AddItem(L"H", L"A", THiddenItem::StaticClass());
  test->AddItem(L"A1", L"A");
  test->AddItem(L"H2", L"", THiddenItem::StaticClass());
  test->AddItem(L"B", L"");
  Use(provider);
  Rebuild(-1);
  EXPECT_EQ((TRows{L"A/0/xsc", L"A1/1/", L"B/0/"}), Rows());
}

TEST_F(ViewListTest, DeepRowsCarryOneGroupBitPerLevel) {
  const auto provider = TTestProvider::Create();
  TTestProvider* test = TTestProvider::Of(provider);
  test->AddItem(L"L0", L"");
  for (int level = 1; level <= 33; ++level) test->AddItem(L"L" + IntToStr(level), L"L" + IntToStr(level - 1));
  Use(provider);
  Rebuild(-1);
  ASSERT_EQ(34, View->Count());
  EXPECT_EQ(1u, View->ItemGroupInfo(1).size());
  EXPECT_EQ(2u, View->ItemGroupInfo(33).size());
}

TEST_F(ViewListTest, AProviderChangeRebuildsTheRows) {
  Use(TTestProvider::Create({{L"X", L""}}));
  EXPECT_EQ((TRows{L"X/0/"}), Rows());
  Consumer.SetProviderIntf(nullptr);
  EXPECT_EQ(-1, Consumer.ExtensionIndexOfClass(TJvDataConsumerViewList::StaticClass()));
}

TEST_F(ViewListTest, TheConsumerOffersItsViewListToControls) {
  const auto view = Supports<IJvDataConsumerViewList>(static_cast<IJvDataConsumer*>(&Consumer),
                                                      IID_IJvDataConsumerViewList);
  ASSERT_TRUE(view);
  EXPECT_EQ(3, view->Count());
  EXPECT_EQ(16, view->LevelIndent());
  std::vector<TJvDataConsumerChangeReason> changes;
  Consumer.OnChanged = [&](TJvDataConsumer*, TJvDataConsumerChangeReason Reason) { changes.push_back(Reason); };
  view->SetLevelIndent(16);
  EXPECT_TRUE(changes.empty());
  view->SetLevelIndent(20);
  EXPECT_EQ(std::vector{ccrOther}, changes);
  Consumer.OnChanged = nullptr;
  view->SetAutoExpandLevel(1);
  view->RebuildRows();
  EXPECT_EQ(7, view->Count());
}
