#include "vcl/rtl/Lists.h"

#include <algorithm>

#include "vcl/rtl/SysUtils.h"

namespace {
// A list larger than this is a caller's fault (e.g. a negative count cast).
constexpr int MaxListSize = 0x7FFFFFF;
}

TList::~TList() { Clear(); }

void TList::CheckIndex(int Index, int Limit) const {
  if (Index < 0 || Index >= Limit) throw EListError(Format(SListIndexError, {Index}));
}

void TList::SetCount(int NewCount) {
  if (NewCount < 0 || NewCount > MaxListSize) throw EListError(Format(SListCountError, {NewCount}));
  while (Count() > NewCount) Delete(Count() - 1);
  FItems.resize(NewCount, nullptr);
}

void TList::SetCapacity(int NewCapacity) {
  if (NewCapacity < Count() || NewCapacity > MaxListSize)
    throw EListError(Format(SListCapacityError, {NewCapacity}));
  if (NewCapacity > Capacity())
    FItems.reserve(NewCapacity);
  else {
    std::vector<void*> shrunk;
    shrunk.reserve(NewCapacity);
    shrunk.assign(FItems.begin(), FItems.end());
    FItems.swap(shrunk);
  }
}

void* TList::Items(int Index) const {
  CheckIndex(Index, Count());
  return FItems[Index];
}

void TList::SetItems(int Index, void* Item) {
  CheckIndex(Index, Count());
  void* old = FItems[Index];
  if (old == Item) return;
  FItems[Index] = Item;
  if (old) Notify(old, lnDeleted);
  if (Item) Notify(Item, lnAdded);
}

int TList::Add(void* Item) {
  Insert(Count(), Item);
  return Count() - 1;
}

void TList::Insert(int Index, void* Item) {
  CheckIndex(Index, Count() + 1);
  FItems.insert(FItems.begin() + Index, Item);
  if (Item) Notify(Item, lnAdded);
}

void TList::Delete(int Index) {
  CheckIndex(Index, Count());
  void* item = FItems[Index];
  FItems.erase(FItems.begin() + Index);
  if (item) Notify(item, lnDeleted);
}

int TList::Remove(void* Item) {
  const int index = IndexOf(Item);
  if (index >= 0) Delete(index);
  return index;
}

void* TList::Extract(void* Item) {
  const int index = IndexOf(Item);
  if (index < 0) return nullptr;
  FItems.erase(FItems.begin() + index);
  if (Item) Notify(Item, lnExtracted);
  return Item;
}

int TList::IndexOf(void* Item) const {
  const auto it = std::find(FItems.begin(), FItems.end(), Item);
  return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

void TList::Clear() {
  // From the end, so that a notification that looks at the list sees it whole
  // up to the item leaving.
  while (!FItems.empty()) Delete(Count() - 1);
  FItems.shrink_to_fit();
}

void TList::Exchange(int Index1, int Index2) {
  CheckIndex(Index1, Count());
  CheckIndex(Index2, Count());
  std::swap(FItems[Index1], FItems[Index2]);
}

void TList::Move(int CurIndex, int NewIndex) {
  if (CurIndex == NewIndex) return;
  CheckIndex(CurIndex, Count());
  CheckIndex(NewIndex, Count());
  void* item = FItems[CurIndex];
  FItems.erase(FItems.begin() + CurIndex);
  FItems.insert(FItems.begin() + NewIndex, item);
}

void TList::Pack() {
  FItems.erase(std::remove(FItems.begin(), FItems.end(), nullptr), FItems.end());
}

void TList::Sort(const TListSortCompare& Compare) {
  std::stable_sort(FItems.begin(), FItems.end(),
                   [&](void* a, void* b) { return Compare(a, b) < 0; });
}

TObjectList::~TObjectList() { Clear(); }

void TObjectList::Notify(void* Ptr, TListNotification Action) {
  if (FOwnsObjects && Action == lnDeleted) delete static_cast<TObject*>(Ptr);
}
