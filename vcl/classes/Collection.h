#pragma once
// TCollection: an owned, ordered list of items of one class; TCollectionItem:
// an item, which knows its collection and its position.
#include <vector>

#include "vcl/rtl/Persistent.h"

class TCollection;

enum class TCollectionNotification { cnAdded, cnExtracting, cnDeleting };
using enum TCollectionNotification;

class TCollectionItem : public TPersistent {
  VCL_CLASS(TCollectionItem, TPersistent)
public:
  // Joins the collection (when given) at its end.
  explicit TCollectionItem(TCollection* ACollection);
  ~TCollectionItem() override;  // leaves its collection

  TCollection* Collection() const { return FCollection; }
  // Moves the item into another collection (or out of any with null).
  void SetCollection(TCollection* Value);
  int Index() const;
  void SetIndex(int Value);
  int ID() const { return FID; }
  virtual String DisplayName() const { return ClassName(); }
  String GetNamePath() const override;

protected:
  // Tells the collection this item (or, with AllItems, every item) changed.
  void Changed(bool AllItems);
  TPersistent* GetOwner() const override;

private:
  TCollection* FCollection = nullptr;
  int FID = 0;
  friend class TCollection;
};

// Item classes declare themselves with this, so a collection can create
// them by class: the item's constructor takes the collection.
#define VCL_COLLECTION_ITEM_CLASS(Self, Parent)                                   \
  VCL_CLASS_INFO_(Self, Parent, [](TComponent*) -> TObject* { return new Self(nullptr); }) \
private:

class TCollection : public TPersistent {
  VCL_CLASS(TCollection, TPersistent)
public:
  // AItemClass must be declared with VCL_COLLECTION_ITEM_CLASS.
  explicit TCollection(TClass AItemClass);
  ~TCollection() override;  // deletes the items

  TClass ItemClass() const { return FItemClass; }
  int Count() const { return static_cast<int>(FItems.size()); }
  TCollectionItem* Items(int Index) const;  // EListError outside 0..Count-1
  TCollectionItem* Add();
  TCollectionItem* Insert(int Index);
  void Delete(int Index);
  void Clear();
  TCollectionItem* FindItemID(int ID) const;

  // Nested; Update runs once at the outermost end.
  virtual void BeginUpdate() { ++FUpdateCount; }
  virtual void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

  // Copies the items of another collection (by Assign, item by item).
  void Assign(TPersistent* Source) override;
  String GetNamePath() const override;

protected:
  // An item changed (null: the collection as a whole).
  virtual void Update(TCollectionItem* Item) {}
  virtual void Notify(TCollectionItem* Item, TCollectionNotification Action) {}
  void Changed();

private:
  void InsertItem(TCollectionItem* Item);
  void RemoveItem(TCollectionItem* Item);
  void CheckIndex(int Index, int Limit) const;
  // For a reader that replaces the items and may have to put them back:
  // takes them all out, then restores them with their IDs into an empty
  // collection.
  std::vector<TCollectionItem*> ExtractItems();
  void RestoreItems(const std::vector<TCollectionItem*>& Items, int NextID);

  TClass FItemClass;
  std::vector<TCollectionItem*> FItems;
  int FNextID = 0;
  int FUpdateCount = 0;
  friend class TCollectionItem;
  friend class TReader;
};

// A collection that names its owner (for GetNamePath and streaming).
class TOwnedCollection : public TCollection {
  VCL_CLASS(TOwnedCollection, TCollection)
public:
  TOwnedCollection(TPersistent* AOwner, TClass AItemClass)
      : TCollection(AItemClass), FOwner(AOwner) {}

protected:
  TPersistent* GetOwner() const override { return FOwner; }

private:
  TPersistent* FOwner;
};
