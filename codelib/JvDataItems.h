#pragma once
// The item side of the data-provider framework: objects with reference
// counts that can be extended at run time by aggregated objects
// (extensions), data items with stable text identifiers, item lists with
// lookup by ID, ID path and index path, sub-item lists, list management
// with change notification, and their streaming.
#include <memory>
#include <vector>

#include "codelib/JvDataProviderIntf.h"
#include "vcl/classes/TypInfo.h"
#include "vcl/rtl/Lists.h"
#include "vcl/rtl/Persistent.h"

class TAggregatedPersistentEx;
class TWriter;
class TReader;

// Lives by its reference count once constructed (AfterConstruction); its
// extensions answer the interfaces it has not itself.
class TExtensibleInterfacedPersistent : public TPersistent, public IInterface {
  VCL_CLASS(TExtensibleInterfacedPersistent, TPersistent)
public:
  TExtensibleInterfacedPersistent() = default;
  ~TExtensibleInterfacedPersistent() override;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID IID, void** Obj) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  int RefCount() const { return FRefCount; }

  // Ends construction: makes the default extensions, then gives back the
  // reference that kept the object alive while it was built.
  virtual void AfterConstruction();

  // Raises EJVCLException when an extension of the class (or a
  // descendant) is attached already.
  void AttachExtension(TAggregatedPersistentEx* Extension);
  void DetachExtension(TAggregatedPersistentEx* Extension);  // and frees it
  void DetachAllExtensions();                                // newest first
  int ExtensionIndexOfClass(TClass AClass) const;            // newest first; -1
  int ExtensionCount() const { return static_cast<int>(FExtensions.size()); }
  TAggregatedPersistentEx* Extension(int Index) const { return FExtensions.at(Index); }
  // Keep the object alive across work that takes and drops references.
  void HoldReference() { InterlockedIncrement(&FRefCount); }
  void DropHeldReference() { InterlockedDecrement(&FRefCount); }

  virtual bool GetInterface(REFIID IID, void** Obj);

protected:
  virtual void CreateDefaultExtensions() {}
  virtual bool ExtensionIsStreamable(TAggregatedPersistentEx* Extension);
  // For readers: an extension made or dropped during a load is put back as
  // it was should the load raise; a dropped one is freed once it succeeded.
  TAggregatedPersistentEx* ReadNewExtension(TReader* Reader, TClass AClass);
  void DropExtension(TReader* Reader, TAggregatedPersistentEx* Extension);
  // This object's own interfaces.
  virtual bool GetOwnInterface(REFIID IID, void** Obj);
  void DefineProperties(TFiler* Filer) override;

private:
  void WriteExtensions(TWriter* Writer);
  void ReadExtensions(TReader* Reader);
  friend class TAggregatedPersistentEx;
  volatile LONG FRefCount = 1;
  std::vector<TAggregatedPersistentEx*> FExtensions;  // owned, oldest first
};

// Makes AfterConstruction part of creation: Constructed(new TFoo(...)).
template <class T>
T* Constructed(T* Object) {
  Object->AfterConstruction();
  return Object;
}

// An object that answers for its controller: references and queries go to
// the controlling object.
class TAggregatedPersistent : public TPersistent, public IInterface {
  VCL_CLASS(TAggregatedPersistent, TPersistent)
public:
  TAggregatedPersistent() = default;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID IID, void** Obj) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  IInterface* Controller() const { return FController; }
  // Its own interfaces only.
  virtual bool GetInterface(REFIID IID, void** Obj);

protected:
  IInterface* FController = nullptr;  // the owner, which outlives it
};

// An extension of a TExtensibleInterfacedPersistent, which owns it.
class TAggregatedPersistentEx : public TAggregatedPersistent {
  VCL_CLASS(TAggregatedPersistentEx, TAggregatedPersistent)
public:
  TAggregatedPersistentEx() = default;
  ~TAggregatedPersistentEx() override;
  // Attaches the extension to its owner (the class's virtual constructor
  // makes an unattached one).
  void SetOwner(TExtensibleInterfacedPersistent* AOwner);
  TExtensibleInterfacedPersistent* Owner() const { return FOwner; }
  virtual bool HiddenFromQueries() { return false; }
  virtual void ContextGoing(IJvDataContext* Context) {}
  // Whether this extension can work for AOwner: an extension of an item
  // needs an item, and so on.
  virtual bool CanExtend(TExtensibleInterfacedPersistent* AOwner) const { return true; }

private:
  friend class TExtensibleInterfacedPersistent;
  TExtensibleInterfacedPersistent* FOwner = nullptr;
};

// Creates an extension of a class registered for streaming, on AOwner;
// EReadError "Invalid class type" for a class that is no extension or
// cannot extend AOwner.
TAggregatedPersistentEx* CreateExtension(TClass AClass, TExtensibleInterfacedPersistent* AOwner);

class TJvBaseDataItem;
class TJvBaseDataItems;

// An extension of an item: never answers for the item's context
// sensitivity, which belongs to the extensions themselves.
class TJvDataItemAggregatedObject : public TAggregatedPersistentEx {
  VCL_CLASS(TJvDataItemAggregatedObject, TAggregatedPersistentEx)
public:
  TJvDataItemAggregatedObject() = default;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID IID, void** Obj) override;
  IJvDataItem* Item() const;
  TJvBaseDataItem* ItemImpl() const;
  bool CanExtend(TExtensibleInterfacedPersistent* AOwner) const override;
};

class TJvDataItemsAggregatedObject : public TAggregatedPersistentEx {
  VCL_CLASS(TJvDataItemsAggregatedObject, TAggregatedPersistentEx)
public:
  TJvDataItemsAggregatedObject() = default;
  IJvDataItems* Items() const;
  TJvBaseDataItems* ItemsImpl() const;
  bool CanExtend(TExtensibleInterfacedPersistent* AOwner) const override;
};

// A data item: an ID (32 hexadecimal digits when new), the list that
// holds it, and its extensions.
class TJvBaseDataItem : public TExtensibleInterfacedPersistent, public IJvDataItem {
  VCL_CREATABLE_CLASS(TJvBaseDataItem, TExtensibleInterfacedPersistent)
  VCL_PUBLISHED(TJvBaseDataItem)
public:
  TJvBaseDataItem() = default;
  explicit TJvBaseDataItem(IJvDataItems* AOwner) { SetOwnerItems(AOwner); }
  // For an item made by its class's virtual constructor.
  void SetOwnerItems(IJvDataItems* AOwner);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID IID, void** Obj) override {
    return TExtensibleInterfacedPersistent::QueryInterface(IID, Obj);
  }
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  const TJvDataItemID& ID() const { return FID; }
  void SetID(const TJvDataItemID& Value) { FID = Value; }

  IJvDataItems* GetItems() override { return FItems; }
  int GetIndex() override;
  TObject* GetImplementer() override { return this; }
  TJvDataItemID GetID() override { return FID; }
  void ContextGoing(IJvDataContext* Context) override;
  bool IsAncestorOf(IJvDataItem* Item, bool DirectParent) override;
  bool CanDelete() override { return true; }
  String GetNamePath() const override;
  virtual void RevertToAncestor();
  virtual bool IsEqualToAncestor();
  void AfterConstruction() override;

protected:
  virtual void AssignNewID();
  bool GetOwnInterface(REFIID IID, void** Obj) override;
  void DefineProperties(TFiler* Filer) override;
  TPersistent* GetOwner() const override;

private:
  void WriteSubItems(TWriter* Writer);
  void ReadSubItems(TReader* Reader);
  IJvDataItems* FItems = nullptr;
  TInterfaceRef<IJvDataItems> FItemsIntf;  // only for volatile lists
  TJvDataItemID FID;
  friend class TExtensibleInterfacedPersistent;
};

class TJvBaseDataItemSubItems;

// A list of items: the provider's root list or an item's sub-items.
class TJvBaseDataItems : public TExtensibleInterfacedPersistent, public IJvDataItems, public IJvDataIDSearch {
  VCL_CLASS(TJvBaseDataItems, TExtensibleInterfacedPersistent)
public:
  TJvBaseDataItems() = default;
  ~TJvBaseDataItems() override;
  // The provider's root list.
  void SetProvider(IJvDataProvider* AProvider) { FProvider = AProvider; }
  // The sub-items of AParent, which then answers for IJvDataItems.
  void SetParentItem(IJvDataItem* AParent);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID IID, void** Obj) override {
    return TExtensibleInterfacedPersistent::QueryInterface(IID, Obj);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return TExtensibleInterfacedPersistent::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return TExtensibleInterfacedPersistent::Release(); }

  int GetCount() override { return ItemCount(); }
  IJvDataItem* GetItem(int Index) override { return ItemAt(Index); }
  IJvDataItem* ItemByPath(const String& Path) override;
  IJvDataItem* ItemAtIndexPath(const std::vector<int>& IndexPath) override;
  IJvDataItem* GetParent() override { return FParent; }
  IJvDataProvider* GetProvider() override { return FProvider; }
  TObject* GetImplementer() override { return this; }
  void ContextGoing(IJvDataContext* Context) override;
  IJvDataItem* SearchByID(const String& ID, bool Recursive) override;

  // Storage, for the list classes.
  virtual void StoreItem(TJvBaseDataItem* Item) = 0;
  virtual void DropItemAt(int Index) = 0;
  virtual void MoveItem(int OldIndex, int NewIndex) = 0;
  virtual int ItemCount() = 0;
  virtual TJvBaseDataItem* ItemAt(int Index) = 0;
  bool HoldsVolatileItems() override = 0;
  virtual bool ItemIsStreamable(TJvBaseDataItem* Item);

protected:
  bool GetOwnInterface(REFIID IID, void** Obj) override;
  void DefineProperties(TFiler* Filer) override;

private:
  friend class TJvBaseDataItemSubItems;
  void WriteItems(TWriter* Writer);
  void ReadItems(TReader* Reader);
  IJvDataItem* FParent = nullptr;
  TInterfaceRef<IJvDataItem> FParentIntf;  // only when the parent's list is volatile
  IJvDataProvider* FProvider = nullptr;    // the provider owns its lists
  TJvBaseDataItemSubItems* FSubAggregate = nullptr;
};

// The list that owns its items.
class TJvDataItemsList : public TJvBaseDataItems {
  VCL_CREATABLE_CLASS(TJvDataItemsList, TJvBaseDataItems)
public:
  TJvDataItemsList() = default;

  void StoreItem(TJvBaseDataItem* Item) override;
  void DropItemAt(int Index) override;
  void MoveItem(int OldIndex, int NewIndex) override;
  int ItemCount() override { return FList.Count(); }
  TJvBaseDataItem* ItemAt(int Index) override;
  bool HoldsVolatileItems() override { return false; }
  // Removes the item and frees it.
  void RemoveItemObject(TJvBaseDataItem* Item);

private:
  TObjectList FList;  // owns the items
};

// The extension through which an item offers its sub-item list.
class TJvBaseDataItemSubItems : public TJvDataItemAggregatedObject {
  VCL_CLASS(TJvBaseDataItemSubItems, TJvDataItemAggregatedObject)
public:
  TJvBaseDataItemSubItems(TExtensibleInterfacedPersistent* AOwner, TJvBaseDataItems* AItems);
  ~TJvBaseDataItemSubItems() override;
  TJvBaseDataItems* SubItems() const { return FItems; }
  bool GetInterface(REFIID IID, void** Obj) override;
  void ContextGoing(IJvDataContext* Context) override { FItems->ContextGoing(Context); }

private:
  friend class TJvBaseDataItems;
  TJvBaseDataItems* FItems;  // holds a reference to the list
};

class TJvBaseDataItemsManagement : public TJvDataItemsAggregatedObject, public IJvDataItemsManagement {
  VCL_CLASS(TJvBaseDataItemsManagement, TJvDataItemsAggregatedObject)
public:
  TJvBaseDataItemsManagement() = default;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID IID, void** Obj) override {
    return TJvDataItemsAggregatedObject::QueryInterface(IID, Obj);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return TJvDataItemsAggregatedObject::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return TJvDataItemsAggregatedObject::Release(); }
  bool GetInterface(REFIID IID, void** Obj) override;
};

// Adds, deletes and removes the items of a TJvDataItemsList, each change
// announced to the provider before and after. New items are made by their
// creator (New is not offered).
class TJvBaseDataItemsListManagement : public TJvBaseDataItemsManagement {
  VCL_CREATABLE_CLASS(TJvBaseDataItemsListManagement, TJvBaseDataItemsManagement)
public:
  TJvBaseDataItemsListManagement() = default;
  IJvDataItem* Add(IJvDataItem* Item) override;
  IJvDataItem* New() override;
  void Clear() override;
  void Delete(int Index) override;
  void Remove(IJvDataItem*& Item) override;

private:
  TJvDataItemsList* List() const;
};

// Answers a query with Intf, taking the reference the caller will give back.
inline bool AnswerInterface(IInterface* Intf, void** Obj) {
  *Obj = Intf;
  Intf->AddRef();
  return true;
}

// Looks ID up in Items (an ID path), then, when Recursive, in every
// sub-list from the last item to the first.
IJvDataItem* ScanItemsForID(IJvDataItems* Items, const String& ID, bool Recursive);
// 0 hidden, 1 shown, 2 or 3 undecided (both shown): the selected
// consumer's answer, else the item's own.
int ItemVisibility(IJvDataItem* Item);
// The sub-item list of an item, or null.
IJvDataItems* SubItemsOf(IJvDataItem* Item);
// The owning list's provider of an item.
IJvDataProvider* ProviderOf(IJvDataItem* Item);
