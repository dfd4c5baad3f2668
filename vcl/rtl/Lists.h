#pragma once
// TList: an ordered list of untyped pointers; TObjectList: a list of objects
// that may own (and then delete) them.
#include <functional>
#include <vector>

#include "vcl/rtl/System.h"

enum class TListNotification { lnAdded, lnExtracted, lnDeleted };
using enum TListNotification;

// Sort order: negative, zero or positive, as Item1 comes before, with or
// after Item2.
using TListSortCompare = std::function<int(void* Item1, void* Item2)>;

class TList : public TObject {
  VCL_CLASS(TList, TObject)
public:
  TList() = default;
  ~TList() override;

  int Count() const { return static_cast<int>(FItems.size()); }
  // Growing fills with null pointers; shrinking deletes the items beyond.
  void SetCount(int NewCount);
  int Capacity() const { return static_cast<int>(FItems.capacity()); }
  void SetCapacity(int NewCapacity);

  void* Items(int Index) const;
  void SetItems(int Index, void* Item);
  void* First() const { return Items(0); }
  void* Last() const { return Items(Count() - 1); }

  int Add(void* Item);
  void Insert(int Index, void* Item);
  void Delete(int Index);
  int Remove(void* Item);       // index it had, or -1
  void* Extract(void* Item);    // removes without deleting; Item or null
  int IndexOf(void* Item) const;
  void Clear();
  void Exchange(int Index1, int Index2);
  void Move(int CurIndex, int NewIndex);
  void Pack();  // removes the null pointers
  // Stable sort, so equal items keep their order.
  void Sort(const TListSortCompare& Compare);

  const std::vector<void*>& List() const { return FItems; }

protected:
  // Called after an item was added and after it left the list.
  virtual void Notify(void* Ptr, TListNotification Action) {}
  void CheckIndex(int Index, int Limit) const;

private:
  std::vector<void*> FItems;
};

class TObjectList : public TList {
  VCL_CLASS(TObjectList, TList)
public:
  explicit TObjectList(bool AOwnsObjects = true) : FOwnsObjects(AOwnsObjects) {}
  ~TObjectList() override;

  bool OwnsObjects() const { return FOwnsObjects; }
  void SetOwnsObjects(bool Value) { FOwnsObjects = Value; }

  TObject* Items(int Index) const { return static_cast<TObject*>(TList::Items(Index)); }
  void SetItems(int Index, TObject* Item) { TList::SetItems(Index, Item); }
  TObject* First() const { return Items(0); }
  TObject* Last() const { return Items(Count() - 1); }
  int Add(TObject* Item) { return TList::Add(Item); }
  void Insert(int Index, TObject* Item) { TList::Insert(Index, Item); }
  int Remove(TObject* Item) { return TList::Remove(Item); }
  TObject* Extract(TObject* Item) { return static_cast<TObject*>(TList::Extract(Item)); }
  int IndexOf(TObject* Item) const { return TList::IndexOf(Item); }

protected:
  void Notify(void* Ptr, TListNotification Action) override;

private:
  bool FOwnsObjects;
};
