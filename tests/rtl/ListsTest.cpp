#include <gtest/gtest.h>

#include "vcl/rtl/Lists.h"
#include "vcl/rtl/SysUtils.h"

namespace {
template <typename F>
String ListErrorOf(F&& f) {
  try {
    f();
  } catch (const EListError& e) {
    return e.Message();
  }
  return L"(no error)";
}

int p[5];  // distinct addresses for list items

// Counts the deletions of its instances, to show who owns what.
struct TCounted : TObject {
  explicit TCounted(int& deleted) : Deleted(deleted) {}
  ~TCounted() override { ++Deleted; }
  int& Deleted;
};
}  // namespace

TEST(TList, AddInsertMoveExchangeKeepOrder) {
  TList list;
  list.Add(&p[0]);
  list.Add(&p[1]);
  list.Insert(0, &p[2]);       // 2 0 1
  list.Insert(3, &p[3]);       // 2 0 1 3
  list.Move(0, 3);             // 0 1 3 2
  list.Exchange(0, 1);         // 1 0 3 2
  EXPECT_EQ(list.List(), (std::vector<void*>{&p[1], &p[0], &p[3], &p[2]}));
  EXPECT_EQ(list.IndexOf(&p[3]), 2);
  EXPECT_EQ(list.Remove(&p[0]), 1);
  EXPECT_EQ(list.Remove(&p[4]), -1);
  EXPECT_EQ(list.Extract(&p[1]), &p[1]);
  EXPECT_EQ(list.First(), &p[3]);
  EXPECT_EQ(list.Last(), &p[2]);
  list.Sort([](void* a, void* b) { return static_cast<int>(static_cast<int*>(a) - static_cast<int*>(b)); });
  EXPECT_EQ(list.List(), (std::vector<void*>{&p[2], &p[3]}));
  list.SetCount(4);
  EXPECT_EQ(list.Items(3), nullptr);
  list.Pack();
  EXPECT_EQ(list.Count(), 2);
}

TEST(TList, BoundsErrorsLeaveTheListUnchanged) {
  TList list;
  list.Add(&p[0]);
  struct Case {
    std::function<void()> action;
    const wchar_t* message;
  } cases[] = {
      {[&] { list.Items(1); }, L"List index out of bounds (1)"},
      {[&] { list.Items(-1); }, L"List index out of bounds (-1)"},
      {[&] { list.Delete(1); }, L"List index out of bounds (1)"},
      {[&] { list.Insert(2, &p[1]); }, L"List index out of bounds (2)"},
      {[&] { list.Exchange(0, 5); }, L"List index out of bounds (5)"},
      {[&] { list.Move(0, 1); }, L"List index out of bounds (1)"},
      {[&] { list.SetCount(-1); }, L"List count out of bounds (-1)"},
      {[&] { list.SetCapacity(0); }, L"List capacity out of bounds (0)"},
      {[&] { TList empty; empty.First(); }, L"List index out of bounds (0)"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ListErrorOf(c.action), c.message);
    EXPECT_EQ(list.List(), std::vector<void*>{&p[0]});
  }
}

TEST(TObjectList, OwnedObjectsAreDeletedButNotExtractedOnes) {
  int deleted = 0;
  {
    TObjectList list;
    auto* kept = new TCounted(deleted);
    list.Add(new TCounted(deleted));
    list.Add(kept);
    list.Add(new TCounted(deleted));
    list.Delete(0);
    EXPECT_EQ(deleted, 1);
    EXPECT_EQ(list.Extract(kept), kept);
    delete kept;
    EXPECT_EQ(deleted, 2);
    list.SetItems(0, new TCounted(deleted));  // replaces and deletes the old one
    EXPECT_EQ(deleted, 3);
  }
  EXPECT_EQ(deleted, 4);

  TObjectList borrowed(false);
  TCounted object(deleted);
  borrowed.Add(&object);
  borrowed.Clear();
  EXPECT_EQ(deleted, 4);
}
