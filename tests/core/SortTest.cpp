#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <random>
#include <thread>
#include <vector>

#include "components/core/dxCoreClasses.h"
#include "components/core/dxThreading.h"
#include "vcl/rtl/SysUtils.h"
#include "vcl/rtl/WinApi.h"

namespace {

int CompareValues(void* A, void* B) {
  const intptr_t a = reinterpret_cast<intptr_t>(A), b = reinterpret_cast<intptr_t>(B);
  return a < b ? -1 : (a > b ? 1 : 0);
}

// ACount values drawn from 0..AKeys-1 (many equal keys when AKeys is small).
std::vector<void*> RandomValues(int ACount, int AKeys, unsigned ASeed = 7) {
  std::mt19937 random(ASeed);
  std::uniform_int_distribution<intptr_t> key(0, AKeys - 1);
  std::vector<void*> values(ACount);
  for (void*& value : values) value = reinterpret_cast<void*>(key(random));
  return values;
}

std::vector<void*> Sorted(std::vector<void*> AValues) {
  std::sort(AValues.begin(), AValues.end());
  return AValues;
}

std::unique_ptr<TdxFastList> ListOf(const std::vector<void*>& AValues) {
  auto list = std::make_unique<TdxFastList>();
  for (void* value : AValues) list->Add(value);
  return list;
}

std::vector<void*> Items(const TdxFastList& AList) {
  return std::vector<void*>(AList.List(), AList.List() + AList.Count());
}

// Raises at the given call, counted across threads.
class TFailingCompare {
public:
  explicit TFailingCompare(long AFailAt) : FFailAt(AFailAt) {}
  int operator()(void* A, void* B) {
    if (++FCalls == FFailAt) throw EConvertError(L"compare failed");
    return CompareValues(A, B);
  }
  long Calls() const { return FCalls; }

private:
  long FFailAt;
  std::atomic<long> FCalls{0};
};

}  // namespace

TEST(Sort, SerialAndParallelResults) {
  ASSERT_TRUE(dxParallelWorkAvailable()) << "the pool is usable on a multi-core machine";
  struct Case {
    int Count;
    int Keys;
  };
  const Case cases[]{{0, 10},   {1, 10},    {2, 10},    {34, 1000}, {35, 1000},
                     {36, 1000}, {37, 3},   {100, 100}, {1000, 2},  {20000, 5},
                     {20000, 1 << 30},     {5000, 1}};
  for (const Case& c : cases) {
    for (bool multiThreaded : {false, true}) {
      const std::vector<void*> values = RandomValues(c.Count, c.Keys, c.Count);
      auto list = ListOf(values);
      list->Sort(CompareValues, multiThreaded);
      EXPECT_EQ(Items(*list), Sorted(values))
          << c.Count << " items, " << c.Keys << " keys, multithreaded " << multiThreaded;
    }
  }
  // Already sorted and reversed input.
  for (bool multiThreaded : {false, true}) {
    std::vector<void*> values = Sorted(RandomValues(3000, 1 << 20));
    std::reverse(values.begin(), values.end());
    auto list = ListOf(values);
    list->Sort(CompareValues, multiThreaded);
    EXPECT_EQ(Items(*list), Sorted(values));
    list->Sort(CompareValues, multiThreaded);
    EXPECT_EQ(Items(*list), Sorted(values));
  }
}

TEST(Sort, OnlyListsOfMoreThan32ItemsUseThreads) {
  const DWORD caller = GetCurrentThreadId();
  for (int count : {32, 33}) {
    std::atomic<int> otherThreadCalls{0};
    auto list = ListOf(RandomValues(count, 1000));
    list->Sort(
        [&](void* A, void* B) {
          if (GetCurrentThreadId() != caller) ++otherThreadCalls;
          return CompareValues(A, B);
        },
        true);
    EXPECT_EQ(otherThreadCalls > 0, count == 33) << count << " items";
  }
}

TEST(Sort, ChunksOfTheParallelSorter) {
  struct Case {
    int ThreadCount;
    int ItemCount;
    int Chunks;
  };
  for (const Case& c : {Case{1, 100, 1}, Case{2, 100, 8}, Case{3, 100, 8}, Case{4, 100, 16},
                        Case{64, 100, 16}, Case{64, 31, 1}}) {
    TdxMultithreadedSort sorter(c.ThreadCount);
    std::vector<void*> values = RandomValues(c.ItemCount, 50);
    sorter.Sort(values.data(), c.ItemCount, CompareValues);
    EXPECT_EQ(sorter.SortChunkCount(), c.Chunks) << c.ThreadCount << " threads";
    EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));
  }
  EXPECT_EQ(dxSharedParallelSorter()->ThreadCount(), std::min(32, 4 * static_cast<int>(std::thread::hardware_concurrency())));

  // 100 items in 16 chunks: the first 4 hold 7 items, the other 12 hold 6.
  int next = 0;
  for (int chunk = 0; chunk < 16; ++chunk) {
    const TdxChunkRange range = dxChunkRange(0, 100, 16, chunk);
    EXPECT_EQ(range.StartIndex, next);
    EXPECT_EQ(range.EndIndex - range.StartIndex + 1, chunk < 4 ? 7 : 6);
    next = range.EndIndex + 1;
  }
  EXPECT_EQ(next, 100);
}

// A compare that raises never costs an item: the sort raises, and the list
// still holds every pointer once. Calls are counted to hit the chunk sorts,
// the last merge and the serial insertion pass.
TEST(Sort, RaisingCompareKeepsEveryItem) {
  const std::vector<void*> values = RandomValues(10000, 1 << 20);
  for (bool multiThreaded : {true, false}) {
    TFailingCompare counter(-1);
    auto probe = ListOf(values);
    probe->Sort(std::ref(counter), multiThreaded);
    const long total = counter.Calls();
    for (long failAt : {1L, 50L, total / 3, total - 20, total}) {
      auto list = ListOf(values);
      TFailingCompare compare(failAt);
      EXPECT_THROW(list->Sort(std::ref(compare), multiThreaded), EConvertError)
          << "failing at call " << failAt << " of " << total;
      EXPECT_EQ(Sorted(Items(*list)), Sorted(values)) << "failing at call " << failAt;
    }
  }
  // The sorter is free again after a failed run.
  auto list = ListOf(values);
  list->Sort(CompareValues, true);
  EXPECT_EQ(Items(*list), Sorted(values));
}

TEST(Sort, BusySorterSortsSeriallyOnTheCaller) {
  TdxMultithreadedSort sorter(8);
  HANDLE entered = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::vector<void*> first = RandomValues(1000, 1000, 1);
  std::thread background([&] {
    sorter.Sort(first.data(), 1000, [&](void* A, void* B) {
      SetEvent(entered);
      WaitForSingleObject(release, 10000);
      return CompareValues(A, B);
    });
  });
  ASSERT_EQ(WaitForSingleObject(entered, 10000), WAIT_OBJECT_0);

  const DWORD caller = GetCurrentThreadId();
  bool allOnCaller = true;
  std::vector<void*> second = RandomValues(1000, 1000, 2);
  sorter.Sort(second.data(), 1000, [&](void* A, void* B) {
    allOnCaller = allOnCaller && GetCurrentThreadId() == caller;
    return CompareValues(A, B);
  });
  SetEvent(release);
  background.join();
  EXPECT_TRUE(allOnCaller);
  EXPECT_TRUE(std::is_sorted(second.begin(), second.end()));
  EXPECT_TRUE(std::is_sorted(first.begin(), first.end()));
  CloseHandle(entered);
  CloseHandle(release);
}

TEST(Sort, SwitchedOffParallelismStaysOnTheCaller) {
  dxParallelismSwitch = false;
  const DWORD caller = GetCurrentThreadId();
  bool allOnCaller = true;
  auto list = ListOf(RandomValues(500, 100));
  list->Sort(
      [&](void* A, void* B) {
        allOnCaller = allOnCaller && GetCurrentThreadId() == caller;
        return CompareValues(A, B);
      },
      true);
  dxParallelismSwitch = true;
  EXPECT_TRUE(allOnCaller);
  EXPECT_TRUE(std::is_sorted(list->List(), list->List() + list->Count()));
}
