#pragma once
// The library's smallest building blocks: the fast pointer list with its
// owning variant and sort, the intrusive doubly linked list, and the
// persistent and component bases that remember an owner or relay free
// notifications.
#include <functional>
#include <memory>

#include "vcl/rtl/System.h"

class TList;

// ---------------------------------------------------------------- fast lists

using PdxPointerList = void**;

enum class TdxListDirection { ldFromBeginning, ldFromEnd };
using enum TdxListDirection;

// Negative when AItem1 sorts before AItem2; a bound method or a plain routine.
using TCompareItems = std::function<int(void* AItem1, void* AItem2)>;

// An unsynchronised array of untyped pointers: direct array work with block
// moves, no per-item notifications. Only Clear is virtual.
class TdxFastList : public TObject {
  VCL_CLASS(TdxFastList, TObject)
public:
  explicit TdxFastList(int ACapacity = 0);
  ~TdxFastList() override;

  int Add(void* AItem);
  void Insert(int AIndex, void* AItem);
  void Insert(int AIndex, const TdxFastList* AList);
  void Delete(int AIndex);
  int Remove(void* AItem);
  void* Extract(void* AItem, TdxListDirection ADirection = ldFromBeginning);
  void* ExtractByIndex(int AIndex);
  int IndexOf(void* AItem, TdxListDirection ADirection = ldFromBeginning) const;
  void Exchange(int AIndex1, int AIndex2);
  void Move(int ACurrentIndex, int ANewIndex);
  void* First() const { return Items(0); }
  void* Last() const { return Items(FCount - 1); }
  // True for a null list as well as for an empty one.
  static bool Empty(const TdxFastList* AList) { return !AList || AList->FCount == 0; }
  TdxFastList* Expand();
  // Empties the list and releases the array.
  virtual void Clear();
  // Removes every slot equal to APattern, keeping the order of the rest.
  void Pack(void* APattern = nullptr);
  void Reverse();
  void Assign(const TdxFastList* ASource);
  void Assign(const TList* ASource);
  std::unique_ptr<TList> GetTList() const;
  // Ascending by ACompare (not stable); large lists go to the parallel sorter
  // when AMultiThreaded and parallel work is available.
  void Sort(const TCompareItems& ACompare, bool AMultiThreaded = false);

  int Capacity() const { return FCapacity; }
  void SetCapacity(int AValue);
  int Count() const { return FCount; }
  void SetCount(int AValue);
  PdxPointerList List() const { return FList; }
  void* Items(int AIndex) const;
  void SetItems(int AIndex, void* AItem);

protected:
  void CheckIndex(int AIndex) const;

private:
  void Grow();
  void GrowTo(int ACapacity);
  void CopyFrom(int ACapacity, int ACount, void* const* AItems);

  int FCapacity = 0;
  int FCount = 0;
  PdxPointerList FList = nullptr;
};

// A fast list of objects that, when it owns them, frees the objects it drops.
class TdxFastObjectList : public TdxFastList {
  VCL_CLASS(TdxFastObjectList, TdxFastList)
public:
  explicit TdxFastObjectList(bool AOwnsObjects = true, int ACapacity = 0);
  ~TdxFastObjectList() override;

  bool OwnsObjects() const { return FOwnsObjects; }
  void SetOwnsObjects(bool AValue) { FOwnsObjects = AValue; }

  int Add(TObject* AObject) { return TdxFastList::Add(AObject); }
  void Insert(int AIndex, TObject* AObject) { TdxFastList::Insert(AIndex, AObject); }
  void Delete(int AIndex);
  int Remove(TObject* AObject);
  // Takes the object out without freeing it.
  TObject* Extract(TObject* AObject) {
    return static_cast<TObject*>(TdxFastList::Extract(AObject, ldFromBeginning));
  }
  int IndexOf(TObject* AObject, TdxListDirection ADirection = ldFromBeginning) const {
    return TdxFastList::IndexOf(AObject, ADirection);
  }
  TObject* First() const { return static_cast<TObject*>(TdxFastList::First()); }
  TObject* Last() const { return static_cast<TObject*>(TdxFastList::Last()); }
  TObject* Items(int AIndex) const { return static_cast<TObject*>(TdxFastList::Items(AIndex)); }
  // An owning list frees the object that AObject replaces.
  void SetItems(int AIndex, TObject* AObject);
  void Clear() override;

private:
  bool FOwnsObjects;
};

// Sorts ACount pointers ascending by ACompare (not stable). An exception of
// ACompare leaves the array partly sorted but holding every pointer once.
void dxSortPointerList(PdxPointerList AList, int ACount, bool AMultiThreaded,
                       const TCompareItems& ACompare);
void dxSerialSortPointerList(PdxPointerList AList, int ACount, const TCompareItems& ACompare);
