#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "components/core/dxCoreClasses.h"
#include "vcl/rtl/Lists.h"
#include "vcl/rtl/SysUtils.h"

namespace {

void* P(intptr_t AValue) { return reinterpret_cast<void*>(AValue); }

std::vector<intptr_t> Values(const TdxFastList& AList) {
  std::vector<intptr_t> result;
  for (int i = 0; i < AList.Count(); ++i) result.push_back(reinterpret_cast<intptr_t>(AList.List()[i]));
  return result;
}

void Fill(TdxFastList& AList, std::initializer_list<intptr_t> AValues) {
  for (intptr_t value : AValues) AList.Add(P(value));
}

// Runs AAction and expects EListError with AMessage, the list unchanged.
void ExpectListError(TdxFastList& AList, const std::function<void()>& AAction,
                     const String& AMessage) {
  const std::vector<intptr_t> before = Values(AList);
  const int capacity = AList.Capacity();
  try {
    AAction();
    ADD_FAILURE() << "no error, expected " << ToUtf8(AMessage);
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), AMessage);
  }
  EXPECT_EQ(Values(AList), before);
  EXPECT_EQ(AList.Capacity(), capacity);
}

}  // namespace

TEST(FastList, GrowsInSteps) {
  TdxFastList list;
  std::vector<int> capacities;
  for (int i = 0; i < 541; ++i) {
    list.Add(P(i));
    if (capacities.empty() || capacities.back() != list.Capacity()) capacities.push_back(list.Capacity());
  }
  EXPECT_EQ(capacities, (std::vector<int>{16, 32, 64, 96, 128, 160, 240, 360, 540, 810}));
  TdxFastList expanded;
  EXPECT_EQ(expanded.Expand(), &expanded);
  EXPECT_EQ(expanded.Capacity(), 16);
}

TEST(FastList, BoundsErrorsChangeNothing) {
  TdxFastList list;
  Fill(list, {1, 2, 3});
  struct Case {
    std::function<void()> Action;
    String Message;
  };
  const std::vector<Case> cases{
      {[&] { list.Items(3); }, L"List index out of bounds (3)"},
      {[&] { list.SetItems(-1, nullptr); }, L"List index out of bounds (-1)"},
      {[&] { list.Insert(4, P(9)); }, L"List index out of bounds (4)"},
      {[&] { list.Insert(-1, &list); }, L"List index out of bounds (-1)"},
      {[&] { list.Delete(3); }, L"List index out of bounds (3)"},
      {[&] { list.ExtractByIndex(5); }, L"List index out of bounds (5)"},
      {[&] { list.Exchange(7, 9); }, L"List index out of bounds (7)"},
      {[&] { list.Exchange(0, 9); }, L"List index out of bounds (9)"},
      {[&] { list.Move(5, 9); }, L"List index out of bounds (9)"},
      {[&] { list.Move(5, 1); }, L"List index out of bounds (5)"},
      {[&] { list.SetCapacity(2); }, L"List capacity out of bounds (2)"},
      {[&] { list.SetCount(-1); }, L"List count out of bounds (-1)"},
  };
  for (const Case& c : cases) ExpectListError(list, c.Action, c.Message);

  TdxFastList empty;
  ExpectListError(empty, [&] { empty.First(); }, L"List index out of bounds (0)");
  ExpectListError(empty, [&] { empty.Last(); }, L"List index out of bounds (-1)");

  // Assign checks the capacity before it copies anything.
  TdxFastList small(2);
  small.Add(P(7));
  ExpectListError(list, [&] { list.Assign(&small); }, L"List capacity out of bounds (2)");
}

TEST(FastList, InsertMoveAndSearch) {
  TdxFastList list;
  Fill(list, {1, 2, 3, 2});
  EXPECT_EQ(list.IndexOf(P(2)), 1);
  EXPECT_EQ(list.IndexOf(P(2), ldFromEnd), 3);
  EXPECT_EQ(list.IndexOf(P(5)), -1);
  EXPECT_EQ(list.Remove(P(2)), 1);
  EXPECT_EQ(Values(list), (std::vector<intptr_t>{1, 3, 2}));
  EXPECT_EQ(list.Remove(P(5)), -1);
  EXPECT_EQ(list.Extract(P(5)), nullptr);

  list.Insert(0, P(0));
  list.Insert(list.Count(), P(9));
  EXPECT_EQ(Values(list), (std::vector<intptr_t>{0, 1, 3, 2, 9}));
  list.Move(1, 3);
  EXPECT_EQ(Values(list), (std::vector<intptr_t>{0, 3, 2, 1, 9}));
  list.Move(4, 0);
  EXPECT_EQ(Values(list), (std::vector<intptr_t>{9, 0, 3, 2, 1}));
  list.Exchange(0, 4);
  EXPECT_EQ(list.ExtractByIndex(1), P(0));
  list.Reverse();
  EXPECT_EQ(Values(list), (std::vector<intptr_t>{9, 2, 3, 1}));

  // A list inserted into itself keeps its own items in order.
  list.Insert(1, &list);
  EXPECT_EQ(Values(list), (std::vector<intptr_t>{9, 9, 2, 3, 1, 2, 3, 1}));
  EXPECT_EQ(list.Capacity(), 16);

  // Inserting a list raises the capacity to exactly what is needed.
  TdxFastList exact;
  exact.Insert(0, &list);
  EXPECT_EQ(exact.Capacity(), 8);
  exact.Insert(8, static_cast<TdxFastList*>(nullptr));
  EXPECT_EQ(exact.Count(), 8);
}

TEST(FastList, CountCapacityPackAndAssign) {
  TdxFastList list;
  list.SetCount(3);
  EXPECT_EQ(list.Capacity(), 3);
  EXPECT_EQ(Values(list), (std::vector<intptr_t>{0, 0, 0}));
  list.SetCount(1);
  list.SetCount(3);
  EXPECT_EQ(Values(list), (std::vector<intptr_t>{0, 0, 0})) << "slots past the old count are nil";

  TdxFastList packed(10);
  Fill(packed, {1, 0, 0, 2, 0, 3});
  packed.Pack();
  EXPECT_EQ(Values(packed), (std::vector<intptr_t>{1, 2, 3}));
  EXPECT_EQ(packed.Capacity(), 10);

  TdxFastList copy;
  copy.Assign(&packed);
  EXPECT_EQ(Values(copy), Values(packed));
  EXPECT_EQ(copy.Capacity(), 10);
  std::unique_ptr<TList> platformList = copy.GetTList();
  ASSERT_EQ(platformList->Count(), 3);
  EXPECT_EQ(platformList->Items(2), P(3));
  TdxFastList fromPlatform;
  fromPlatform.Assign(platformList.get());
  EXPECT_EQ(Values(fromPlatform), Values(packed));

  EXPECT_TRUE(TdxFastList::Empty(nullptr));
  EXPECT_FALSE(TdxFastList::Empty(&copy));
  copy.Clear();
  EXPECT_TRUE(TdxFastList::Empty(&copy));
  EXPECT_EQ(copy.Capacity(), 0);
  EXPECT_EQ(copy.List(), nullptr);
}

namespace {

// Counts its own destruction; may look into its list while it dies.
class TTracked : public TObject {
public:
  TTracked(std::vector<int>& ALog, int AId, TdxFastObjectList* AList = nullptr)
      : FLog(ALog), FId(AId), FList(AList) {}
  ~TTracked() override {
    FLog.push_back(FId);
    if (FList) {
      EXPECT_EQ(FList->IndexOf(this), -1) << "freed while still listed";
    }
  }

private:
  std::vector<int>& FLog;
  int FId;
  TdxFastObjectList* FList;
};

}  // namespace

TEST(FastObjectList, FreesWhatItOwns) {
  std::vector<int> freed;
  TdxFastObjectList list;
  for (int id = 0; id < 6; ++id) list.Add(new TTracked(freed, id, &list));

  list.Delete(0);
  EXPECT_EQ(freed, (std::vector<int>{0}));
  EXPECT_EQ(list.Remove(list.Items(0)), 0);
  EXPECT_EQ(freed, (std::vector<int>{0, 1}));

  TObject* extracted = list.Extract(list.Items(0));
  EXPECT_EQ(freed.size(), 2u) << "Extract never frees";
  delete extracted;

  TObject* replacement = new TTracked(freed, 10);
  list.SetItems(0, replacement);
  EXPECT_EQ(freed, (std::vector<int>{0, 1, 2, 3})) << "the replaced object is freed";
  list.SetItems(0, replacement);
  EXPECT_EQ(freed.size(), 4u) << "storing the same object again keeps it";

  list.Clear();
  EXPECT_EQ(freed, (std::vector<int>{0, 1, 2, 3, 10, 4, 5})) << "in index order";
  EXPECT_EQ(list.Count(), 0);

  ExpectListError(list, [&] { list.Delete(0); }, L"List index out of bounds (0)");
}

TEST(FastObjectList, NotOwningKeepsObjects) {
  std::vector<int> freed;
  TTracked a(freed, 1), b(freed, 2);
  {
    TdxFastObjectList list(false);
    list.Add(&a);
    list.Add(&b);
    list.Delete(0);
    list.SetItems(0, &a);
    list.Add(&b);
  }
  EXPECT_TRUE(freed.empty());
}

TEST(FastObjectList, DestructorFreesItems) {
  std::vector<int> freed;
  {
    TdxFastObjectList list;
    list.Add(new TTracked(freed, 1));
    list.Add(new TTracked(freed, 2));
  }
  EXPECT_EQ(freed, (std::vector<int>{1, 2}));
}
