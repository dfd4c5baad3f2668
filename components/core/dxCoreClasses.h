#pragma once
// The library's smallest building blocks: the fast pointer list with its
// owning variant and sort, the intrusive doubly linked list, and the
// persistent and component bases that remember an owner or relay free
// notifications.
#include <functional>
#include <memory>

#include "vcl/classes/Component.h"
#include "vcl/rtl/Persistent.h"
#include "vcl/rtl/System.h"
#include "vcl/rtl/WinApi.h"

#include <unknwn.h>

class TList;

// ---------------------------------------------------------------- interfaces

// An object that answers interface queries without reference counting: its
// owner frees it explicitly. Descendants answer their own interfaces in
// GetInterface and leave the rest to the inherited one.
class TcxIUnknownObject : public TObject, public IUnknown {
  VCL_CLASS(TcxIUnknownObject, TObject)
public:
  TcxIUnknownObject() = default;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID AIID, void** AObj) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(-1); }
  ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(-1); }

protected:
  virtual bool GetInterface(REFIID AIID, void** AObj);
};

// A persistent that remembers its owner; Assign between two of them (of any
// descendant classes) goes to CopyFromSource.
class TcxOwnedPersistent : public TPersistent {
  VCL_CLASS(TcxOwnedPersistent, TPersistent)
public:
  explicit TcxOwnedPersistent(TPersistent* AOwner) : FOwner(AOwner) {}
  void Assign(TPersistent* Source) override;

protected:
  // Descendants call the inherited one first, then copy their own state
  // when ASource is of their class.
  virtual void CopyFromSource(TPersistent* ASource) {}
  TPersistent* GetOwner() const override { return FOwner; }

private:
  TPersistent* FOwner;
};

// A persistent with an owner that implements interfaces. Its reference
// count is its owner's when the owner implements IUnknown; otherwise it is
// not counted, and the owner frees it.
class TcxInterfacedPersistent : public TPersistent, public IUnknown {
  VCL_CLASS(TcxInterfacedPersistent, TPersistent)
public:
  explicit TcxInterfacedPersistent(TPersistent* AOwner);
  TPersistent* Owner() const { return FOwner; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID AIID, void** AObj) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

protected:
  virtual bool GetInterface(REFIID AIID, void** AObj);
  TPersistent* GetOwner() const override { return FOwner; }

private:
  TPersistent* FOwner;
  IUnknown* FOwnerInterface;
};

// Relays the deletion of the components it was told about (AddSender).
using TcxFreeNotificationEvent = std::function<void(TComponent* Sender)>;

class TcxFreeNotificator : public TComponent {
  VCL_COMPONENT_CLASS(TcxFreeNotificator, TComponent)
public:
  explicit TcxFreeNotificator(TComponent* AOwner) : TComponent(AOwner) {}
  void AddSender(TComponent* ASender);
  void RemoveSender(TComponent* ASender);
  void Notification(TComponent* AComponent, TOperation Operation) override;

  TcxFreeNotificationEvent OnFreeNotification;
};

// ---------------------------------------------------------------- doubly linked list

class TcxDoublyLinkedObject : public TObject {
  VCL_CREATABLE_CLASS(TcxDoublyLinkedObject, TObject)
public:
  TcxDoublyLinkedObject() = default;
  TcxDoublyLinkedObject* Prev() const { return FPrev; }
  void SetPrev(TcxDoublyLinkedObject* AValue) { FPrev = AValue; }
  TcxDoublyLinkedObject* Next() const { return FNext; }
  void SetNext(TcxDoublyLinkedObject* AValue) { FNext = AValue; }

private:
  TcxDoublyLinkedObject* FPrev = nullptr;
  TcxDoublyLinkedObject* FNext = nullptr;
};

// An intrusive list anchored at its last item; it owns and frees its items.
// No operation checks that an item belongs to the list.
class TcxDoublyLinkedObjectList : public TObject {
  VCL_CLASS(TcxDoublyLinkedObjectList, TObject)
public:
  TcxDoublyLinkedObjectList() = default;
  ~TcxDoublyLinkedObjectList() override;

  virtual TcxDoublyLinkedObject* Add();
  virtual void Clear();
  virtual void Delete(TcxDoublyLinkedObject* ALinkedObject);
  // Unlinks the item without freeing it; the item keeps its own links.
  virtual void Extract(TcxDoublyLinkedObject* ALinkedObject);
  virtual void Remove(TcxDoublyLinkedObject* ALinkedObject) { Delete(ALinkedObject); }
  void InsertBefore(TcxDoublyLinkedObject* ADestination, TcxDoublyLinkedObject* ASource);
  void InsertAfter(TcxDoublyLinkedObject* ADestination, TcxDoublyLinkedObject* ASource);

  int Count() const;  // walks the list
  TcxDoublyLinkedObject* First() const;
  TcxDoublyLinkedObject* Last() const { return FLast; }

protected:
  virtual TcxDoublyLinkedObject* NewItem();
  virtual void AppendItem(TcxDoublyLinkedObject* AItem);
  // The class of the items Add creates; descendants name their own.
  virtual TClass ItemClass() const { return TcxDoublyLinkedObject::StaticClass(); }

private:
  TcxDoublyLinkedObject* FLast = nullptr;
};

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
