#include "components/core/dxThreading.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "vcl/rtl/Lists.h"
#include "vcl/rtl/Strings.h"
#include "vcl/rtl/SysUtils.h"
#include "vcl/rtl/WinApi.h"

namespace {

using TQueueUserWorkItem = BOOL(WINAPI*)(LPTHREAD_START_ROUTINE, PVOID, ULONG);

// The system's pool function, bound by name: a system without it runs
// everything serially.
TQueueUserWorkItem QueueUserWorkItemFunction() {
  static const auto function = reinterpret_cast<TQueueUserWorkItem>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "QueueUserWorkItem"));
  return function;
}

int ProcessorCount() {
  SYSTEM_INFO info;
  GetSystemInfo(&info);
  return static_cast<int>(info.dwNumberOfProcessors);
}

bool PoolUsable = false;
std::unique_ptr<TdxMultithreadedSort> SharedSorter;
std::unique_ptr<TdxMultithreadedListIterator> SharedIterator;

void dxThreadingInitialize() {
  PoolUsable = QueueUserWorkItemFunction() != nullptr && ProcessorCount() > 1;
  if (!PoolUsable) return;
  SharedSorter = std::make_unique<TdxMultithreadedSort>(ProcessorCount() * 4);
  SharedIterator = std::make_unique<TdxMultithreadedListIterator>(ProcessorCount());
}

void dxThreadingFinalize() {
  PoolUsable = false;
  SharedIterator.reset();
  SharedSorter.reset();
}

}  // namespace

std::atomic<bool> dxParallelismSwitch{true};

bool dxParallelWorkAvailable() { return PoolUsable && dxParallelismSwitch; }
TdxMultithreadedSort* dxSharedParallelSorter() { return SharedSorter.get(); }
TdxMultithreadedListIterator* dxSharedParallelIterator() { return SharedIterator.get(); }

const TUnitEntry dxThreadingUnit{L"dxThreading", dxThreadingInitialize, dxThreadingFinalize};

// ---------------------------------------------------------------- TdxThreadPoolHelper

TdxThreadPoolHelper::~TdxThreadPoolHelper() { FreeEvent(); }

void TdxThreadPoolHelper::NewEvent() {
  FEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (!FEvent) RaiseLastOSError();
}

void TdxThreadPoolHelper::FreeEvent() {
  if (FEvent) CloseHandle(FEvent);
  FEvent = nullptr;
}

void TdxThreadPoolHelper::Initialize(int ANumThreads) {
  if (!FEvent)
    NewEvent();
  else
    ResetEvent(FEvent);
  FBatchSize = std::clamp(ANumThreads, 0, dxMaxWorkItems);
  FCount = FBatchSize;
  FIndex = 0;
  FFailed = false;
  FException = nullptr;
  if (FBatchSize == 0) SetEvent(FEvent);
}

void TdxThreadPoolHelper::QueueWorkItem(const TWorkItemProc& AProc, void* AContext,
                                        uint32_t AFlags) {
  if (FIndex >= FBatchSize) {
    AbandonBatch();
    throw EInvalidOperation(Format(L"A batch of the thread pool holds %d work items",
                                   {FBatchSize}));
  }
  TUserWorkItem& item = FWorkItems[FIndex];
  item = {this, AProc, AContext};
  if (!AProc) {  // nothing to do: it counts as finished
    ++FIndex;
    FinishWorkItems(1);
    return;
  }
  const TQueueUserWorkItem queue = QueueUserWorkItemFunction();
  if (!queue || !queue(WorkerEntry, &item, AFlags)) {
    const DWORD error = queue ? GetLastError() : ERROR_PROC_NOT_FOUND;
    AbandonBatch();
    RaiseLastOSError(error);
  }
  ++FIndex;
}

// The items that will never be queued count as finished; those already
// queued are waited for, since they use the caller's data.
void TdxThreadPoolHelper::AbandonBatch() {
  FinishWorkItems(FBatchSize - FIndex);
  WaitForSingleObject(FEvent, INFINITE);
  FException = nullptr;
}

void TdxThreadPoolHelper::WaitForThreads(bool ADestroyEvent) {
  WaitForSingleObject(FEvent, INFINITE);
  if (ADestroyEvent) FreeEvent();
  if (FException) std::rethrow_exception(std::exchange(FException, nullptr));
}

void TdxThreadPoolHelper::FinishWorkItems(int ACount) {
  // The worker that finishes the batch signals it; after that the helper
  // may be gone, so nothing of it is touched any more.
  if (ACount > 0 && FCount.fetch_sub(ACount) == ACount) SetEvent(FEvent);
}

void TdxThreadPoolHelper::RunWorkItem(TUserWorkItem& AItem) {
  try {
    AItem.Proc(AItem.Context);
  } catch (...) {
    if (!FFailed.exchange(true)) FException = std::current_exception();
  }
  FinishWorkItems(1);
}

unsigned long __stdcall TdxThreadPoolHelper::WorkerEntry(void* AWorkItem) {
  TUserWorkItem& item = *static_cast<TUserWorkItem*>(AWorkItem);
  item.ThreadPool->RunWorkItem(item);
  if (!SwitchToThread()) SleepEx(0, FALSE);
  return 0;
}

// ---------------------------------------------------------------- TdxMultithreadOperation

TdxMultithreadOperation::TdxMultithreadOperation(int AThreadCount)
    : FThreadCount(std::clamp(AThreadCount, 1, dxMaxWorkItems)) {}

TdxMultithreadOperation::TdxMultithreadOperation()
    : TdxMultithreadOperation(ProcessorCount()) {}

bool TdxMultithreadOperation::Lock() {
  int expected = 0;
  return FLocked.compare_exchange_strong(expected, 1);
}

void TdxMultithreadOperation::Unlock() {
  int expected = 1;
  FLocked.compare_exchange_strong(expected, 0);
}

namespace {

// Gives the operation back however the parallel run ends.
template <class TOperation>
class TUnlockGuard {
public:
  explicit TUnlockGuard(TOperation* AOperation) : FOperation(AOperation) {}
  ~TUnlockGuard() { FOperation->Unlock(); }
  TUnlockGuard(const TUnlockGuard&) = delete;
  TUnlockGuard& operator=(const TUnlockGuard&) = delete;

private:
  TOperation* FOperation;
};

}  // namespace

TdxChunkRange dxChunkRange(int AStartIndex, int ACount, int AChunkCount, int AChunk) {
  const int size = ACount / AChunkCount;
  const int longer = ACount % AChunkCount;  // the first chunks take one more
  const int start = AStartIndex + AChunk * size + std::min(AChunk, longer);
  return {start, start + size + (AChunk < longer ? 1 : 0) - 1};
}

// ---------------------------------------------------------------- TdxMultithreadedSort

int TdxMultithreadedSort::ChunkCountFor(int ACount) const {
  if (ACount < 32 || ThreadCount() == 1) return 1;
  return ThreadCount() <= 3 ? 8 : 16;
}

void TdxMultithreadedSort::Sort(PdxPointerList AList, int ACount, const TCompareItems& ACompare) {
  if (!AList || ACount <= 1) return;
  if (!Lock()) {  // busy with another caller's sort
    dxSerialSortPointerList(AList, ACount, ACompare);
    return;
  }
  TUnlockGuard<TdxMultithreadedSort> unlock(this);
  FCompare = &ACompare;
  FList = AList;
  FCount = ACount;
  FSortChunkCount = ChunkCountFor(ACount);
  SortChunks();
  if (FSortChunkCount > 1) {
    if (FScratchCapacity < FCount) {
      FScratchCapacity = 0;
      FScratchBuffer.reset();  // the old one goes before the larger one comes
      FScratchBuffer.reset(new void*[FCount]);
      FScratchCapacity = FCount;
    }
    FScratch = FScratchBuffer.get();
    MergeChunks();
  }
}

void TdxMultithreadedSort::SortChunks() {
  TdxThreadPoolHelper& helper = ThreadPoolHelper();
  helper.Initialize(FSortChunkCount);
  for (int chunk = 0; chunk < FSortChunkCount; ++chunk) {
    const TdxChunkRange range = dxChunkRange(0, FCount, FSortChunkCount, chunk);
    FSortChunks[chunk] = {range.StartIndex, range.EndIndex};
    helper.QueueWorkItem(
        [this](void* AContext) {
          const TSortWorkItem& run = *static_cast<TSortWorkItem*>(AContext);
          dxSerialSortPointerList(FList + run.StartIndex, run.EndIndex - run.StartIndex + 1,
                                  *FCompare);
        },
        &FSortChunks[chunk]);
  }
  helper.WaitForThreads(false);
}

// Rounds of pairwise merges: with 16 chunks 8, 4, 2 and 1 merges.
void TdxMultithreadedSort::MergeChunks() {
  TdxThreadPoolHelper& helper = ThreadPoolHelper();
  for (int merges = FSortChunkCount / 2; merges > 0; merges /= 2) {
    for (int i = 0; i < merges; ++i) {
      FMerges[i] = {FSortChunks[2 * i].StartIndex, FSortChunks[2 * i].EndIndex,
                    FSortChunks[2 * i + 1].EndIndex};
    }
    for (int i = 0; i < merges; ++i) FSortChunks[i] = {FMerges[i].Left, FMerges[i].Right};
    helper.Initialize(merges);
    for (int i = 0; i < merges; ++i) {
      helper.QueueWorkItem(
          [this](void* AContext) { Merge(*static_cast<TMergeWorkItem*>(AContext)); },
          &FMerges[i]);
    }
    helper.WaitForThreads(false);
  }
}

// Merges Left..Middle with Middle+1..Right through the scratch array; on
// ties the right run's item comes first. When the compare raises, the rest
// of both runs is copied back, so the range still holds every item once.
void TdxMultithreadedSort::Merge(const TMergeWorkItem& AMerge) {
  const auto copyBack = [this](int ADest, int AFrom, int ATo) {
    if (ATo >= AFrom)
      std::memcpy(FList + ADest, FScratch + AFrom, (ATo - AFrom + 1) * sizeof(void*));
    return ADest + ATo - AFrom + 1;
  };
  std::memcpy(FScratch + AMerge.Left, FList + AMerge.Left,
              (AMerge.Right - AMerge.Left + 1) * sizeof(void*));
  int left = AMerge.Left;
  int right = AMerge.Middle + 1;
  int dest = AMerge.Left;
  try {
    while (left <= AMerge.Middle && right <= AMerge.Right) {
      if ((*FCompare)(FScratch[left], FScratch[right]) < 0)
        FList[dest++] = FScratch[left++];
      else
        FList[dest++] = FScratch[right++];
    }
  } catch (...) {
    copyBack(copyBack(dest, left, AMerge.Middle), right, AMerge.Right);
    throw;
  }
  copyBack(copyBack(dest, left, AMerge.Middle), right, AMerge.Right);
}

// ---------------------------------------------------------------- iterators

int TdxCustomMultithreadedIterator::RunChunks(int AStartIndex, int AEndIndex, void* AContext,
                                              bool AReverse,
                                              const TdxIterateItemObjectFunc& AItemFunc) {
  FFinishedIndex = -1;
  const int count = AEndIndex - AStartIndex + 1;
  if (count <= 0) return -1;
  FItemFunc = &AItemFunc;
  const int chunkCount = std::min(ThreadCount(), count);
  // Every chunk is described before the first one runs.
  for (int chunk = 0; chunk < chunkCount; ++chunk) {
    const TdxChunkRange range = dxChunkRange(AStartIndex, count, chunkCount, chunk);
    FChunks[chunk] = {GetChunkContext(chunk, AContext), range.StartIndex, range.EndIndex,
                      AReverse};
  }
  TdxThreadPoolHelper& helper = ThreadPoolHelper();
  helper.Initialize(chunkCount);
  for (int chunk = 0; chunk < chunkCount; ++chunk) {
    helper.QueueWorkItem(
        [this](void* AChunk) { IterateChunk(*static_cast<TIterateChunkWorkItem*>(AChunk)); },
        &FChunks[chunk]);
  }
  helper.WaitForThreads(true);
  return FFinishedIndex;
}

void TdxCustomMultithreadedIterator::IterateChunk(const TIterateChunkWorkItem& AChunk) {
  const int step = AChunk.Reverse ? -1 : 1;
  const int first = AChunk.Reverse ? AChunk.EndIndex : AChunk.StartIndex;
  const int last = AChunk.Reverse ? AChunk.StartIndex : AChunk.EndIndex;
  for (int index = first; index != last + step; index += step) {
    if (FFinishedIndex.load(std::memory_order_relaxed) >= 0) return;
    if ((*FItemFunc)(AChunk.Context, index)) {
      FFinishedIndex.exchange(index);
      return;
    }
  }
}

int TdxMultithreadedListIterator::Iterate(void* AContext, int ACount,
                                          const TdxIterateItemObjectFunc& AItemFunc,
                                          bool AReverse) {
  if (ACount <= 0) return -1;
  if (ACount > 1 && Lock()) {
    TUnlockGuard<TdxMultithreadedListIterator> unlock(this);
    return IterateItems(0, ACount - 1, AContext, AItemFunc, AReverse);
  }
  if (AReverse) {
    for (int index = ACount - 1; index >= 0; --index)
      if (AItemFunc(AContext, index)) return index;
  } else {
    for (int index = 0; index < ACount; ++index)
      if (AItemFunc(AContext, index)) return index;
  }
  return -1;
}

int TdxMultithreadedListIterator::Iterate(TdxFastList* AList, const TdxFastListItemFunc& AItemFunc,
                                          bool AReverse) {
  return Iterate(
      AList, AList->Count(),
      [&](void* AContext, int AIndex) { return AItemFunc(static_cast<TdxFastList*>(AContext), AIndex); },
      AReverse);
}

int TdxMultithreadedListIterator::Iterate(TList* AList, const TdxListItemFunc& AItemFunc,
                                          bool AReverse) {
  return Iterate(
      AList, AList->Count(),
      [&](void* AContext, int AIndex) { return AItemFunc(static_cast<TList*>(AContext), AIndex); },
      AReverse);
}

int TdxMultithreadedListIterator::Iterate(TStrings* AStrings,
                                          const TdxStringsListItemFunc& AItemFunc, bool AReverse) {
  return Iterate(
      AStrings, AStrings->Count(),
      [&](void* AContext, int AIndex) { return AItemFunc(static_cast<TStrings*>(AContext), AIndex); },
      AReverse);
}
