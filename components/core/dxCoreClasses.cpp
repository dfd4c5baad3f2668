#include "components/core/dxCoreClasses.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "components/core/dxThreading.h"
#include "vcl/rtl/Lists.h"
#include "vcl/rtl/SysUtils.h"

namespace {

// The largest slot count whose array size still fits the address arithmetic.
constexpr int MaxFastListSize = INT_MAX / static_cast<int>(sizeof(void*));

[[noreturn]] void ListError(const wchar_t* AMessage, int AValue) {
  throw EListError(Format(AMessage, {AValue}));
}

// Answers IUnknown itself; the rest is the class's GetInterface.
HRESULT QueryInterfaceOf(IUnknown* ASelf, REFIID AIID, void** AObj,
                         const std::function<bool(REFIID, void**)>& AGetInterface) {
  if (!AObj) return E_POINTER;
  *AObj = nullptr;
  if (IsEqualIID(AIID, __uuidof(IUnknown))) {
    *AObj = ASelf;
    return S_OK;
  }
  return AGetInterface(AIID, AObj) ? S_OK : E_NOINTERFACE;
}

}  // namespace

// ---------------------------------------------------------------- interfaces and persistents

HRESULT TcxIUnknownObject::QueryInterface(REFIID AIID, void** AObj) {
  return QueryInterfaceOf(this, AIID, AObj,
                          [this](REFIID AIID, void** AObj) { return GetInterface(AIID, AObj); });
}

bool TcxIUnknownObject::GetInterface(REFIID, void**) { return false; }

void TcxOwnedPersistent::Assign(TPersistent* Source) {
  if (Source && Source->InheritsFrom(TcxOwnedPersistent::StaticClass()))
    CopyFromSource(Source);
  else
    TPersistent::Assign(Source);
}

TcxInterfacedPersistent::TcxInterfacedPersistent(TPersistent* AOwner)
    : FOwner(AOwner), FOwnerInterface(dynamic_cast<IUnknown*>(AOwner)) {}

HRESULT TcxInterfacedPersistent::QueryInterface(REFIID AIID, void** AObj) {
  return QueryInterfaceOf(this, AIID, AObj,
                          [this](REFIID AIID, void** AObj) { return GetInterface(AIID, AObj); });
}

bool TcxInterfacedPersistent::GetInterface(REFIID, void**) { return false; }

ULONG TcxInterfacedPersistent::AddRef() {
  return FOwnerInterface ? FOwnerInterface->AddRef() : static_cast<ULONG>(-1);
}

ULONG TcxInterfacedPersistent::Release() {
  return FOwnerInterface ? FOwnerInterface->Release() : static_cast<ULONG>(-1);
}

void TcxFreeNotificator::AddSender(TComponent* ASender) {
  if (ASender) ASender->FreeNotification(this);
}

void TcxFreeNotificator::RemoveSender(TComponent* ASender) {
  if (ASender) ASender->RemoveFreeNotification(this);
}

void TcxFreeNotificator::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && OnFreeNotification) OnFreeNotification(AComponent);
}

// ---------------------------------------------------------------- TcxDoublyLinkedObjectList

TcxDoublyLinkedObjectList::~TcxDoublyLinkedObjectList() { TcxDoublyLinkedObjectList::Clear(); }

TcxDoublyLinkedObject* TcxDoublyLinkedObjectList::NewItem() {
  const TClass itemClass = ItemClass();
  if (!TObject::ClassInheritsFrom(itemClass, TcxDoublyLinkedObject::StaticClass()))
    throw EInvalidCast(Format(L"%s is not a linked object class", {String(itemClass->Name)}));
  return static_cast<TcxDoublyLinkedObject*>(TObject::CreateInstance(itemClass));
}

void TcxDoublyLinkedObjectList::AppendItem(TcxDoublyLinkedObject* AItem) {
  AItem->SetPrev(FLast);
  if (FLast) FLast->SetNext(AItem);
  FLast = AItem;
}

TcxDoublyLinkedObject* TcxDoublyLinkedObjectList::Add() {
  TcxDoublyLinkedObject* item = NewItem();
  AppendItem(item);
  return item;
}

void TcxDoublyLinkedObjectList::InsertBefore(TcxDoublyLinkedObject* ADestination,
                                             TcxDoublyLinkedObject* ASource) {
  ASource->SetPrev(ADestination->Prev());
  if (ADestination->Prev()) ADestination->Prev()->SetNext(ASource);
  ADestination->SetPrev(ASource);
  ASource->SetNext(ADestination);
}

void TcxDoublyLinkedObjectList::InsertAfter(TcxDoublyLinkedObject* ADestination,
                                            TcxDoublyLinkedObject* ASource) {
  ASource->SetNext(ADestination->Next());
  if (ADestination->Next())
    ADestination->Next()->SetPrev(ASource);
  else
    FLast = ASource;
  ADestination->SetNext(ASource);
  ASource->SetPrev(ADestination);
}

void TcxDoublyLinkedObjectList::Extract(TcxDoublyLinkedObject* ALinkedObject) {
  if (ALinkedObject->Next())
    ALinkedObject->Next()->SetPrev(ALinkedObject->Prev());
  else
    FLast = ALinkedObject->Prev();
  if (ALinkedObject->Prev()) ALinkedObject->Prev()->SetNext(ALinkedObject->Next());
}

void TcxDoublyLinkedObjectList::Delete(TcxDoublyLinkedObject* ALinkedObject) {
  Extract(ALinkedObject);
  delete ALinkedObject;
}

void TcxDoublyLinkedObjectList::Clear() {
  while (FLast) {
    TcxDoublyLinkedObject* item = FLast;
    FLast = item->Prev();
    delete item;
  }
}

int TcxDoublyLinkedObjectList::Count() const {
  int count = 0;
  for (const TcxDoublyLinkedObject* item = FLast; item; item = item->Prev()) ++count;
  return count;
}

TcxDoublyLinkedObject* TcxDoublyLinkedObjectList::First() const {
  TcxDoublyLinkedObject* item = FLast;
  while (item && item->Prev()) item = item->Prev();
  return item;
}

// ---------------------------------------------------------------- TdxFastList

TdxFastList::TdxFastList(int ACapacity) { SetCapacity(ACapacity); }

TdxFastList::~TdxFastList() {
  TdxFastList::Clear();
}

void TdxFastList::CheckIndex(int AIndex) const {
  if (AIndex < 0 || AIndex >= FCount) ListError(SListIndexError, AIndex);
}

void* TdxFastList::Items(int AIndex) const {
  CheckIndex(AIndex);
  return FList[AIndex];
}

void TdxFastList::SetItems(int AIndex, void* AItem) {
  CheckIndex(AIndex);
  FList[AIndex] = AItem;
}

void TdxFastList::SetCapacity(int AValue) {
  if (AValue < FCount || AValue > MaxFastListSize) ListError(SListCapacityError, AValue);
  if (AValue == FCapacity) return;
  if (AValue == 0) {
    std::free(FList);
    FList = nullptr;
  } else {
    void* grown = std::realloc(FList, static_cast<size_t>(AValue) * sizeof(void*));
    if (!grown) throw EOutOfMemory(L"Out of memory");
    FList = static_cast<PdxPointerList>(grown);
  }
  FCapacity = AValue;
}

void TdxFastList::SetCount(int AValue) {
  if (AValue < 0 || AValue > MaxFastListSize) ListError(SListCountError, AValue);
  if (AValue > FCapacity) SetCapacity(AValue);
  if (AValue > FCount) std::fill(FList + FCount, FList + AValue, nullptr);
  FCount = AValue;
}

// 16 slots at a time while small, 32 up to 128, then half as many again.
void TdxFastList::Grow() {
  int64_t capacity = FCapacity;
  if (capacity > 128)
    capacity += capacity / 2;
  else if (capacity > 16)
    capacity += 32;
  else
    capacity += 16;
  SetCapacity(static_cast<int>(std::min<int64_t>(capacity, MaxFastListSize + int64_t{1})));
}

void TdxFastList::GrowTo(int ACapacity) {
  if (ACapacity > FCapacity) SetCapacity(ACapacity);
}

int TdxFastList::Add(void* AItem) {
  if (FCount == FCapacity) Grow();
  FList[FCount] = AItem;
  return FCount++;
}

void TdxFastList::Insert(int AIndex, void* AItem) {
  if (AIndex < 0 || AIndex > FCount) ListError(SListIndexError, AIndex);
  if (FCount == FCapacity) Grow();
  std::memmove(FList + AIndex + 1, FList + AIndex, (FCount - AIndex) * sizeof(void*));
  FList[AIndex] = AItem;
  ++FCount;
}

void TdxFastList::Insert(int AIndex, const TdxFastList* AList) {
  if (AIndex < 0 || AIndex > FCount) ListError(SListIndexError, AIndex);
  if (Empty(AList)) return;
  // A list inserted into itself is copied first: the shift below moves it.
  std::vector<void*> items(AList->FList, AList->FList + AList->FCount);
  const int added = static_cast<int>(items.size());
  if (static_cast<int64_t>(FCount) + added > MaxFastListSize)
    ListError(SListCapacityError, FCount + added);
  GrowTo(FCount + added);
  std::memmove(FList + AIndex + added, FList + AIndex, (FCount - AIndex) * sizeof(void*));
  std::memcpy(FList + AIndex, items.data(), added * sizeof(void*));
  FCount += added;
}

void TdxFastList::Delete(int AIndex) {
  CheckIndex(AIndex);
  --FCount;
  std::memmove(FList + AIndex, FList + AIndex + 1, (FCount - AIndex) * sizeof(void*));
}

int TdxFastList::Remove(void* AItem) {
  const int index = IndexOf(AItem, ldFromBeginning);
  if (index >= 0) Delete(index);
  return index;
}

void* TdxFastList::Extract(void* AItem, TdxListDirection ADirection) {
  const int index = IndexOf(AItem, ADirection);
  if (index < 0) return nullptr;
  Delete(index);
  return AItem;
}

void* TdxFastList::ExtractByIndex(int AIndex) {
  void* item = Items(AIndex);
  Delete(AIndex);
  return item;
}

int TdxFastList::IndexOf(void* AItem, TdxListDirection ADirection) const {
  if (ADirection == ldFromBeginning) {
    for (int i = 0; i < FCount; ++i)
      if (FList[i] == AItem) return i;
  } else {
    for (int i = FCount - 1; i >= 0; --i)
      if (FList[i] == AItem) return i;
  }
  return -1;
}

void TdxFastList::Exchange(int AIndex1, int AIndex2) {
  CheckIndex(AIndex1);
  CheckIndex(AIndex2);
  std::swap(FList[AIndex1], FList[AIndex2]);
}

void TdxFastList::Move(int ACurrentIndex, int ANewIndex) {
  if (ACurrentIndex == ANewIndex) return;
  CheckIndex(ANewIndex);
  CheckIndex(ACurrentIndex);
  void* item = FList[ACurrentIndex];
  if (ACurrentIndex < ANewIndex)
    std::memmove(FList + ACurrentIndex, FList + ACurrentIndex + 1,
                 (ANewIndex - ACurrentIndex) * sizeof(void*));
  else
    std::memmove(FList + ANewIndex + 1, FList + ANewIndex,
                 (ACurrentIndex - ANewIndex) * sizeof(void*));
  FList[ANewIndex] = item;
}

TdxFastList* TdxFastList::Expand() {
  if (FCount == FCapacity) Grow();
  return this;
}

void TdxFastList::Clear() {
  FCount = 0;
  SetCapacity(0);
}

void TdxFastList::Pack(void* APattern) {
  int kept = 0;
  int i = 0;
  while (i < FCount) {
    if (FList[i] == APattern) {
      ++i;
      continue;
    }
    const int runStart = i;
    while (i < FCount && FList[i] != APattern) ++i;
    if (runStart != kept)
      std::memmove(FList + kept, FList + runStart, (i - runStart) * sizeof(void*));
    kept += i - runStart;
  }
  FCount = kept;
}

void TdxFastList::Reverse() {
  if (FCount > 1) std::reverse(FList, FList + FCount);
}

void TdxFastList::CopyFrom(int ACapacity, int ACount, void* const* AItems) {
  SetCapacity(ACapacity);  // fails before anything changes when too small
  SetCount(ACount);
  if (ACount > 0 && AItems != FList) std::memmove(FList, AItems, ACount * sizeof(void*));
}

void TdxFastList::Assign(const TdxFastList* ASource) {
  CopyFrom(ASource->FCapacity, ASource->FCount, ASource->FList);
}

void TdxFastList::Assign(const TList* ASource) {
  CopyFrom(ASource->Capacity(), ASource->Count(), ASource->List().data());
}

std::unique_ptr<TList> TdxFastList::GetTList() const {
  auto result = std::make_unique<TList>();
  result->SetCapacity(FCount);
  for (int i = 0; i < FCount; ++i) result->Add(FList[i]);
  return result;
}

void TdxFastList::Sort(const TCompareItems& ACompare, bool AMultiThreaded) {
  dxSortPointerList(FList, FCount, AMultiThreaded, ACompare);
}

// ---------------------------------------------------------------- TdxFastObjectList

TdxFastObjectList::TdxFastObjectList(bool AOwnsObjects, int ACapacity)
    : TdxFastList(ACapacity), FOwnsObjects(AOwnsObjects) {}

TdxFastObjectList::~TdxFastObjectList() { TdxFastObjectList::Clear(); }

// The object leaves the list before it is freed, so that a destructor that
// looks at the list finds it consistent.
void TdxFastObjectList::Delete(int AIndex) {
  TObject* object = Items(AIndex);
  TdxFastList::Delete(AIndex);
  if (FOwnsObjects) delete object;
}

int TdxFastObjectList::Remove(TObject* AObject) {
  const int index = IndexOf(AObject);
  if (index >= 0) Delete(index);
  return index;
}

void TdxFastObjectList::SetItems(int AIndex, TObject* AObject) {
  TObject* replaced = Items(AIndex);
  TdxFastList::SetItems(AIndex, AObject);
  if (FOwnsObjects && replaced != AObject) delete replaced;
}

// The list is emptied first and the objects freed afterwards, in index
// order: nothing freed is ever left in the list.
void TdxFastObjectList::Clear() {
  std::vector<TObject*> objects;
  if (FOwnsObjects) {
    objects.reserve(Count());
    for (int i = 0; i < Count(); ++i) objects.push_back(static_cast<TObject*>(List()[i]));
  }
  TdxFastList::Clear();
  for (TObject* object : objects) delete object;
}

// ---------------------------------------------------------------- sorting

namespace {

// Runs of this many items or fewer are left to the final insertion pass.
constexpr int InsertionRunLimit = 34;

class TSerialSorter {
public:
  explicit TSerialSorter(const TCompareItems& ACompare) : FCompare(ACompare) {}

  void Sort(PdxPointerList AList, int ALast) {
    Partition(AList, ALast);
    InsertionPass(AList, ALast);
  }

private:
  bool Less(void* A, void* B) const { return FCompare(A, B) < 0; }

  // Quicksort down to runs of at most 35 items; recursion only into the
  // smaller part, so the stack stays shallow. The scans are bounded, so a
  // compare that contradicts itself cannot lead them out of the array.
  void Partition(PdxPointerList AList, int R) {
    while (R > InsertionRunLimit) {
      const int M = R >> 1;
      if (Less(AList[R], AList[0])) std::swap(AList[0], AList[R]);
      if (Less(AList[M], AList[0]))
        std::swap(AList[0], AList[M]);
      else if (Less(AList[R], AList[M]))
        std::swap(AList[M], AList[R]);
      void* const pivot = AList[M];
      int I = 0;
      int J = R;
      do ++I; while (I < R && Less(AList[I], pivot));
      do --J; while (J > 0 && Less(pivot, AList[J]));
      while (J > I) {
        std::swap(AList[I], AList[J]);
        do ++I; while (I < R && Less(AList[I], pivot));
        do --J; while (J > 0 && Less(pivot, AList[J]));
      }
      --I;
      ++J;
      if (I + J <= R) {
        if (I > InsertionRunLimit) Partition(AList, I);
        AList += J;
        R -= J;
      } else {
        if (R - J > InsertionRunLimit) Partition(AList + J, R - J);
        R = I;
      }
    }
  }

  // The smallest item goes to the front as a sentinel; every unsorted run is
  // at most 35 items long, so it is among the first 35.
  void InsertionPass(PdxPointerList AList, int R) {
    int smallest = 0;
    for (int i = std::min(R, InsertionRunLimit); i >= 1; --i)
      if (Less(AList[i], AList[smallest])) smallest = i;
    std::swap(AList[0], AList[smallest]);
    for (int i = 2; i <= R; ++i) {
      if (!Less(AList[i], AList[i - 1])) continue;
      void* const item = AList[i];
      int hole = i;
      try {
        do {
          AList[hole] = AList[hole - 1];
          --hole;
        } while (hole > 0 && Less(item, AList[hole - 1]));
      } catch (...) {
        AList[hole] = item;  // the hole holds a copy of its neighbour
        throw;
      }
      AList[hole] = item;
    }
  }

  const TCompareItems& FCompare;
};

}  // namespace

void dxSerialSortPointerList(PdxPointerList AList, int ACount, const TCompareItems& ACompare) {
  if (!AList || ACount <= 1) return;
  TSerialSorter(ACompare).Sort(AList, ACount - 1);
}

void dxSortPointerList(PdxPointerList AList, int ACount, bool AMultiThreaded,
                       const TCompareItems& ACompare) {
  if (!AList || ACount <= 1) return;
  if (AMultiThreaded && ACount > 32 && dxParallelWorkAvailable())
    dxSharedParallelSorter()->Sort(AList, ACount, ACompare);
  else
    dxSerialSortPointerList(AList, ACount, ACompare);
}
