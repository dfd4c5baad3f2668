#pragma once
// Spreads CPU-bound work over the system thread pool: a helper that queues a
// batch of up to 32 work items and waits for all of them, a parallel sorter
// of pointer arrays and a parallel search of an index range.
#include <atomic>
#include <exception>
#include <functional>
#include <memory>

#include "components/core/dxCoreClasses.h"
#include "vcl/rtl/UnitStartup.h"

class TList;
class TStrings;

// The most work items of one batch.
constexpr int dxMaxWorkItems = 32;

// Queues a batch of work items on the system thread pool and waits for them.
// Initialize(N), then exactly N QueueWorkItem calls, then WaitForThreads.
// An exception that escapes a work item is re-raised by WaitForThreads in the
// waiting thread once the whole batch has finished.
class TdxThreadPoolHelper : public TObject {
  VCL_CLASS(TdxThreadPoolHelper, TObject)
public:
  using TWorkItemProc = std::function<void(void* AContext)>;

  TdxThreadPoolHelper() = default;
  ~TdxThreadPoolHelper() override;

  // Starts a batch of min(ANumThreads, 32) items; creates the completion
  // event when there is none.
  void Initialize(int ANumThreads);
  // Queues the next item of the batch. When the system refuses it, the items
  // already queued are waited for and the system's error is raised.
  void QueueWorkItem(const TWorkItemProc& AProc, void* AContext, uint32_t AFlags = 0);
  // Waits until every item of the batch has finished; keeps the event for
  // the next batch unless ADestroyEvent.
  void WaitForThreads(bool ADestroyEvent);

private:
  struct TUserWorkItem {
    TdxThreadPoolHelper* ThreadPool;
    TWorkItemProc Proc;
    void* Context;
  };
  static unsigned long __stdcall WorkerEntry(void* AWorkItem);
  void RunWorkItem(TUserWorkItem& AItem);
  void FinishWorkItems(int ACount);
  void AbandonBatch();
  void NewEvent();
  void FreeEvent();

  std::atomic<int> FCount{0};  // items of the batch not yet finished
  int FIndex = 0;              // items queued so far
  int FBatchSize = 0;
  void* FEvent = nullptr;      // manual-reset event, set when the batch is done
  std::atomic<bool> FFailed{false};
  std::exception_ptr FException;  // the first failure of the batch
  TUserWorkItem FWorkItems[dxMaxWorkItems];
};

// Base of the sorter and the iterators: an operation that one caller at a
// time runs in parallel (Lock); other callers meanwhile work serially.
class TdxMultithreadOperation : public TObject {
  VCL_CLASS(TdxMultithreadOperation, TObject)
public:
  // At least 1 and at most 32 threads.
  explicit TdxMultithreadOperation(int AThreadCount);
  TdxMultithreadOperation();  // one thread per processor
  int ThreadCount() const { return FThreadCount; }
  // Takes the operation for one caller's parallel run; false when busy.
  bool Lock();
  void Unlock();

protected:
  TdxThreadPoolHelper& ThreadPoolHelper() { return FThreadPoolHelper; }

private:
  std::atomic<int> FLocked{0};
  int FThreadCount;
  TdxThreadPoolHelper FThreadPoolHelper;
};

// One chunk of an index range split into even parts (the first ones one
// item longer when the range does not divide evenly).
struct TdxChunkRange {
  int StartIndex;
  int EndIndex;
};
TdxChunkRange dxChunkRange(int AStartIndex, int ACount, int AChunkCount, int AChunk);

// Sorts a pointer array in chunks on the thread pool, then merges the chunks
// pairwise in parallel rounds. The result is sorted but not stable. When the
// compare raises, Sort raises it after the running batch, with every pointer
// still in the array once.
class TdxMultithreadedSort : public TdxMultithreadOperation {
  VCL_CLASS(TdxMultithreadedSort, TdxMultithreadOperation)
public:
  using TdxMultithreadOperation::TdxMultithreadOperation;

  void Sort(PdxPointerList AList, int ACount, const TCompareItems& ACompare);
  void Sort(TdxFastList* AList, const TCompareItems& ACompare) {
    Sort(AList->List(), AList->Count(), ACompare);
  }
  // The chunks of the last parallel run: 1, 8 or 16.
  int SortChunkCount() const { return FSortChunkCount; }

private:
  struct TSortWorkItem {
    int StartIndex;
    int EndIndex;
  };
  struct TMergeWorkItem {
    int Left;
    int Middle;
    int Right;
  };
  int ChunkCountFor(int ACount) const;
  void SortChunks();
  void MergeChunks();
  void Merge(const TMergeWorkItem& AMerge);

  const TCompareItems* FCompare = nullptr;
  PdxPointerList FList = nullptr;
  // The merge buffer, kept between sorts (it only grows): a sort of a
  // million items would otherwise take and clear 8 MB each time.
  std::unique_ptr<void*[]> FScratchBuffer;
  int FScratchCapacity = 0;
  PdxPointerList FScratch = nullptr;
  int FCount = 0;
  int FSortChunkCount = 1;
  TSortWorkItem FSortChunks[dxMaxWorkItems]{};
  TMergeWorkItem FMerges[dxMaxWorkItems]{};
};

// True when an item at AIndex satisfies the search; the search then stops.
using TdxIterateItemObjectFunc = std::function<bool(void* AContext, int AIndex)>;
using TdxFastListItemFunc = std::function<bool(TdxFastList* AList, int AIndex)>;
using TdxListItemFunc = std::function<bool(TList* AList, int AIndex)>;
using TdxStringsListItemFunc = std::function<bool(TStrings* AStrings, int AIndex)>;

// Searches an index range in parallel chunks for an item that satisfies the
// item function. The index found first in time wins, which is not
// necessarily the lowest (or highest) matching one.
class TdxCustomMultithreadedIterator : public TdxMultithreadOperation {
  VCL_CLASS(TdxCustomMultithreadedIterator, TdxMultithreadOperation)
public:
  using TdxMultithreadOperation::TdxMultithreadOperation;

protected:
  struct TIterateChunkWorkItem {
    void* Context;
    int StartIndex;
    int EndIndex;
    bool Reverse;
  };
  // The context handed to the item function of one chunk.
  virtual void* GetChunkContext(int AChunkIndex, void* AContext) { return AContext; }
  int RunChunks(int AStartIndex, int AEndIndex, void* AContext, bool AReverse,
                const TdxIterateItemObjectFunc& AItemFunc);

private:
  void IterateChunk(const TIterateChunkWorkItem& AChunk);

  std::atomic<int> FFinishedIndex{-1};
  const TdxIterateItemObjectFunc* FItemFunc = nullptr;
  TIterateChunkWorkItem FChunks[dxMaxWorkItems]{};
};

class TdxMultithreadedClassMethodIterator : public TdxCustomMultithreadedIterator {
  VCL_CLASS(TdxMultithreadedClassMethodIterator, TdxCustomMultithreadedIterator)
public:
  using TdxCustomMultithreadedIterator::TdxCustomMultithreadedIterator;

  // The index at which AItemObjectFunc returned true, or -1.
  int IterateItems(int AStartIndex, int AEndIndex, void* AContext,
                   const TdxIterateItemObjectFunc& AItemObjectFunc, bool AReverse) {
    return RunChunks(AStartIndex, AEndIndex, AContext, AReverse, AItemObjectFunc);
  }
};

// Searches lists. While busy with another search, and for a single item, it
// searches serially on the calling thread: forward gives the first matching
// index, reverse the last.
class TdxMultithreadedListIterator : public TdxMultithreadedClassMethodIterator {
  VCL_CLASS(TdxMultithreadedListIterator, TdxMultithreadedClassMethodIterator)
public:
  using TdxMultithreadedClassMethodIterator::TdxMultithreadedClassMethodIterator;

  int Iterate(void* AContext, int ACount, const TdxIterateItemObjectFunc& AItemFunc,
              bool AReverse);
  int Iterate(TdxFastList* AList, const TdxFastListItemFunc& AItemFunc, bool AReverse);
  int Iterate(TList* AList, const TdxListItemFunc& AItemFunc, bool AReverse);
  int Iterate(TStrings* AStrings, const TdxStringsListItemFunc& AItemFunc, bool AReverse);
};

// True when the thread pool can be used (more than one processor and the
// pool function present) and the program has not switched parallelism off.
bool dxParallelWorkAvailable();
// The program may clear this to keep all work on the calling thread.
extern std::atomic<bool> dxParallelismSwitch;
// The process-wide sorter and iterator; null unless the pool is usable.
TdxMultithreadedSort* dxSharedParallelSorter();
TdxMultithreadedListIterator* dxSharedParallelIterator();

extern const TUnitEntry dxThreadingUnit;
