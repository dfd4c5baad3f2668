#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "components/core/dxThreading.h"
#include "vcl/rtl/Lists.h"
#include "vcl/rtl/Strings.h"
#include "vcl/rtl/SysUtils.h"
#include "vcl/rtl/WinApi.h"

namespace {

// Records which indices each chunk visited, through the chunk contexts.
class TRecordingIterator : public TdxMultithreadedClassMethodIterator {
public:
  using TdxMultithreadedClassMethodIterator::TdxMultithreadedClassMethodIterator;
  std::vector<std::vector<int>> Visited = std::vector<std::vector<int>>(dxMaxWorkItems);

protected:
  void* GetChunkContext(int AChunkIndex, void*) override { return &Visited[AChunkIndex]; }
};

int VisitAll(TRecordingIterator& AIterator, int ACount, bool AReverse = false) {
  return AIterator.IterateItems(
      0, ACount - 1, nullptr,
      [](void* AContext, int AIndex) {
        static_cast<std::vector<int>*>(AContext)->push_back(AIndex);
        return false;
      },
      AReverse);
}

}  // namespace

TEST(Iterator, SplitsTheRangeIntoChunks) {
  struct Case {
    int Threads;
    int Count;
    int Chunks;
    int LongerChunks;  // chunks one item longer than the rest
  };
  for (const Case& c : {Case{4, 100, 4, 0}, Case{40, 100, 32, 4}, Case{8, 3, 3, 0}}) {
    TRecordingIterator iterator(c.Threads);
    EXPECT_EQ(VisitAll(iterator, c.Count), -1);
    int next = 0;
    for (int chunk = 0; chunk < dxMaxWorkItems; ++chunk) {
      const std::vector<int>& visited = iterator.Visited[chunk];
      if (chunk >= c.Chunks) {
        EXPECT_TRUE(visited.empty());
        continue;
      }
      const size_t expected = c.Count / c.Chunks + (chunk < c.LongerChunks ? 1 : 0);
      ASSERT_EQ(visited.size(), expected) << "chunk " << chunk;
      for (int index : visited) EXPECT_EQ(index, next++);
    }
    EXPECT_EQ(next, c.Count);
  }
  // Reverse chunks walk from their end down.
  TRecordingIterator reverse(4);
  VisitAll(reverse, 8, true);
  EXPECT_EQ(reverse.Visited[0], (std::vector<int>{1, 0}));
  EXPECT_EQ(reverse.Visited[3], (std::vector<int>{7, 6}));
}

TEST(Iterator, FindsAMatchingItem) {
  TdxMultithreadedListIterator& iterator = *dxSharedParallelIterator();
  TdxFastList list;
  for (intptr_t i = 0; i < 1000; ++i) list.Add(reinterpret_cast<void*>(i % 100));
  const auto equals = [](intptr_t AValue) {
    return [AValue](TdxFastList* AList, int AIndex) {
      return AList->List()[AIndex] == reinterpret_cast<void*>(AValue);
    };
  };
  for (bool reverse : {false, true}) {
    const int found = iterator.Iterate(&list, equals(42), reverse);
    ASSERT_GE(found, 0);
    EXPECT_EQ(found % 100, 42);
    EXPECT_EQ(iterator.Iterate(&list, equals(-1), reverse), -1);
  }
  TdxFastList empty;
  EXPECT_EQ(iterator.Iterate(&empty, equals(0), false), -1);

  TList platformList;
  platformList.Add(nullptr);
  platformList.Add(&list);
  EXPECT_EQ(iterator.Iterate(
                &platformList, [&](TList* AList, int AIndex) { return AList->Items(AIndex) == &list; },
                false),
            1);
  TStringList strings;
  strings.Add(L"a");
  strings.Add(L"b");
  EXPECT_EQ(iterator.Iterate(
                &strings, [](TStrings* AStrings, int AIndex) { return AStrings->Strings(AIndex) == L"a"; },
                true),
            0);
}

TEST(Iterator, SingleItemOrBusyRunsSeriallyOnTheCaller) {
  const DWORD caller = GetCurrentThreadId();
  TdxMultithreadedListIterator iterator(4);
  int calls = 0;
  EXPECT_EQ(iterator.Iterate(
                nullptr, 1,
                [&](void*, int) {
                  ++calls;
                  return GetCurrentThreadId() == caller;
                },
                false),
            0);
  EXPECT_EQ(calls, 1);

  // While another search holds the iterator, a reverse search returns the
  // highest match and a forward one the lowest.
  HANDLE entered = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::thread background([&] {
    iterator.Iterate(
        nullptr, 4,
        [&](void*, int) {
          SetEvent(entered);
          WaitForSingleObject(release, 10000);
          return false;
        },
        false);
  });
  ASSERT_EQ(WaitForSingleObject(entered, 10000), WAIT_OBJECT_0);
  bool allOnCaller = true;
  const auto evenIndex = [&](void*, int AIndex) {
    allOnCaller = allOnCaller && GetCurrentThreadId() == caller;
    return AIndex % 2 == 0;
  };
  EXPECT_EQ(iterator.Iterate(nullptr, 100, evenIndex, true), 98);
  EXPECT_EQ(iterator.Iterate(nullptr, 100, evenIndex, false), 0);
  EXPECT_TRUE(allOnCaller);
  SetEvent(release);
  background.join();
  CloseHandle(entered);
  CloseHandle(release);
}

TEST(Iterator, ItemFunctionErrorReachesTheCaller) {
  TdxMultithreadedListIterator iterator(4);
  const auto failing = [](void*, int AIndex) -> bool {
    if (AIndex == 57) throw EAbort(L"stopped");
    return false;
  };
  EXPECT_THROW(iterator.Iterate(nullptr, 100, failing, false), EAbort);
  // Usable again afterwards.
  EXPECT_EQ(iterator.Iterate(nullptr, 100, [](void*, int AIndex) { return AIndex == 3; }, false), 3);
}

TEST(ThreadPoolHelper, RunsABatchAndReportsItsFirstError) {
  TdxThreadPoolHelper helper;
  std::atomic<int> runs{0};
  helper.Initialize(40);  // at most 32 items a batch
  for (int i = 0; i < dxMaxWorkItems; ++i) helper.QueueWorkItem([&](void*) { ++runs; }, nullptr);
  EXPECT_THROW(helper.QueueWorkItem([&](void*) { ++runs; }, nullptr), EInvalidOperation);
  EXPECT_EQ(runs, dxMaxWorkItems);

  helper.Initialize(3);
  helper.QueueWorkItem([](void*) { throw EConvertError(L"bad item"); }, nullptr);
  helper.QueueWorkItem(nullptr, nullptr);  // nothing to do
  helper.QueueWorkItem([&](void*) { ++runs; }, nullptr);
  try {
    helper.WaitForThreads(false);
    ADD_FAILURE() << "the work item's error was lost";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), L"bad item");
  }
  EXPECT_EQ(runs, dxMaxWorkItems + 1);

  helper.Initialize(0);
  helper.WaitForThreads(true);  // an empty batch does not wait
}
