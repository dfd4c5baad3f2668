#include <gtest/gtest.h>

#include "Sample.h"
#include "vcl/rtl/SysUtils.h"

namespace {
class TCountingCollection : public TCollection {
public:
  TCountingCollection() : TCollection(TSampleItem::StaticClass()) {}
  std::vector<String> Log;

protected:
  void Update(TCollectionItem* Item) override { Log.push_back(Item ? L"item" : L"all"); }
  void Notify(TCollectionItem* Item, TCollectionNotification Action) override {
    Log.push_back(Action == cnAdded ? L"added" : Action == cnExtracting ? L"extracting" : L"deleting");
  }
};

String CaptionAt(const TCollection& c, int i) { return static_cast<TSampleItem*>(c.Items(i))->Caption; }
}  // namespace

TEST(TCollection, ItemsKnowTheirCollectionAndPosition) {
  TCountingCollection c;
  auto* a = static_cast<TSampleItem*>(c.Add());
  auto* b = static_cast<TSampleItem*>(c.Add());
  a->Caption = L"a";
  b->Caption = L"b";
  EXPECT_EQ(c.Log, (std::vector<String>{L"added", L"all", L"added", L"all"}));
  EXPECT_EQ(b->Index(), 1);
  EXPECT_EQ(c.FindItemID(b->ID()), b);
  b->SetIndex(0);
  EXPECT_EQ(CaptionAt(c, 0), L"b");
  auto* inserted = static_cast<TSampleItem*>(c.Insert(1));
  EXPECT_EQ(inserted->Index(), 1);
  EXPECT_THROW(c.Insert(5), EListError);
  EXPECT_THROW(b->SetIndex(3), EListError);
  EXPECT_EQ(c.Count(), 3);

  c.Log.clear();
  delete a;  // leaves the collection
  EXPECT_EQ(c.Count(), 2);
  EXPECT_EQ(c.Log, (std::vector<String>{L"extracting", L"all"}));
  c.Log.clear();
  c.BeginUpdate();
  c.Delete(0);
  c.Add();
  c.EndUpdate();
  EXPECT_EQ(c.Log, (std::vector<String>{L"deleting", L"extracting", L"added", L"all"}));
  EXPECT_EQ(c.Items(0)->GetNamePath(), L"TCollection[0]");
}

TEST(TCollection, AssignCopiesTheItems) {
  TCollection source(TSampleItem::StaticClass()), target(TSampleItem::StaticClass());
  static_cast<TSampleItem*>(source.Add())->Caption = L"one";
  static_cast<TSampleItem*>(source.Add())->Caption = L"two";
  target.Add();
  target.Assign(&source);
  EXPECT_EQ(target.Count(), 2);
  EXPECT_EQ(CaptionAt(target, 1), L"two");
  EXPECT_THROW(target.Items(2), EListError);
}

TEST(TCollection, NamePathGoesThroughTheOwningProperty) {
  TSample owner(nullptr);
  owner.SetName(L"Sample1");
  owner.Items()->Add();
  EXPECT_EQ(owner.Items()->Items(0)->GetNamePath(), L"Sample1.Items[0]");
}
