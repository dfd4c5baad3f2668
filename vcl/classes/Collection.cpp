#include "vcl/classes/Collection.h"

#include <algorithm>

#include "vcl/classes/TypInfo.h"
#include "vcl/rtl/SysUtils.h"

// ---------------------------------------------------------------- TCollectionItem

TCollectionItem::TCollectionItem(TCollection* ACollection) { SetCollection(ACollection); }

TCollectionItem::~TCollectionItem() { SetCollection(nullptr); }

void TCollectionItem::SetCollection(TCollection* Value) {
  if (FCollection == Value) return;
  if (FCollection) FCollection->RemoveItem(this);
  if (Value) Value->InsertItem(this);
}

int TCollectionItem::Index() const {
  if (!FCollection) return -1;
  const auto& items = FCollection->FItems;
  return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int Value) {
  const int current = Index();
  if (current < 0 || current == Value) return;
  auto& items = FCollection->FItems;
  FCollection->CheckIndex(Value, FCollection->Count());
  items.erase(items.begin() + current);
  items.insert(items.begin() + Value, this);
  Changed(true);
}

void TCollectionItem::Changed(bool AllItems) {
  if (FCollection && FCollection->FUpdateCount == 0) FCollection->Update(AllItems ? nullptr : this);
}

TPersistent* TCollectionItem::GetOwner() const { return FCollection; }

String TCollectionItem::GetNamePath() const {
  if (!FCollection) return ClassName();
  return Format(L"%s[%d]", {FCollection->GetNamePath(), Index()});
}

// ---------------------------------------------------------------- TCollection

TCollection::TCollection(TClass AItemClass) : FItemClass(AItemClass) {}

TCollection::~TCollection() {
  // Unhooked first, so deleting the items calls back into nothing half-gone.
  std::vector<TCollectionItem*> items;
  items.swap(FItems);
  for (TCollectionItem* item : items) {
    item->FCollection = nullptr;
    delete item;
  }
}

void TCollection::CheckIndex(int Index, int Limit) const {
  if (Index < 0 || Index >= Limit) throw EListError(Format(SListIndexError, {Index}));
}

TCollectionItem* TCollection::Items(int Index) const {
  CheckIndex(Index, Count());
  return FItems[Index];
}

TCollectionItem* TCollection::Add() {
  TObject* object = TObject::CreateInstance(FItemClass);
  auto* item = dynamic_cast<TCollectionItem*>(object);
  if (!item) {
    delete object;
    throw EInvalidOperation(Format(L"%s is not a collection item class", {FItemClass->Name}));
  }
  item->SetCollection(this);
  return item;
}

TCollectionItem* TCollection::Insert(int Index) {
  CheckIndex(Index, Count() + 1);
  TCollectionItem* item = Add();
  item->SetIndex(Index);
  return item;
}

void TCollection::Delete(int Index) {
  TCollectionItem* item = Items(Index);
  Notify(item, cnDeleting);
  delete item;
}

void TCollection::Clear() {
  if (FItems.empty()) return;
  BeginUpdate();
  try {
    while (!FItems.empty()) Delete(Count() - 1);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

TCollectionItem* TCollection::FindItemID(int ID) const {
  for (TCollectionItem* item : FItems)
    if (item->FID == ID) return item;
  return nullptr;
}

void TCollection::InsertItem(TCollectionItem* Item) {
  FItems.push_back(Item);
  Item->FCollection = this;
  Item->FID = FNextID++;
  Notify(Item, cnAdded);
  Changed();
}

void TCollection::RemoveItem(TCollectionItem* Item) {
  Notify(Item, cnExtracting);
  const auto it = std::find(FItems.begin(), FItems.end(), Item);
  if (it != FItems.end()) FItems.erase(it);
  Item->FCollection = nullptr;
  Changed();
}

std::vector<TCollectionItem*> TCollection::ExtractItems() {
  std::vector<TCollectionItem*> items = FItems;
  for (TCollectionItem* item : items) RemoveItem(item);
  return items;
}

void TCollection::RestoreItems(const std::vector<TCollectionItem*>& Items, int NextID) {
  for (TCollectionItem* item : Items) {
    FItems.push_back(item);
    item->FCollection = this;
    Notify(item, cnAdded);
  }
  FNextID = NextID;
  Changed();
}

void TCollection::EndUpdate() {
  if (FUpdateCount == 0) return;
  if (--FUpdateCount == 0) Changed();
}

void TCollection::Changed() {
  if (FUpdateCount == 0) Update(nullptr);
}

void TCollection::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TCollection*>(Source);
  if (!source) {
    TPersistent::Assign(Source);
    return;
  }
  if (source == this) return;
  BeginUpdate();
  try {
    Clear();
    for (TCollectionItem* item : source->FItems) Add()->Assign(item);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

// "<owner's path>.<the owner's property holding this collection>".
String TCollection::GetNamePath() const {
  const TPersistent* owner = GetOwner();
  if (!owner) return ClassName();
  const String ownerPath = owner->GetNamePath();
  if (ownerPath.empty()) return ClassName();
  for (PPropInfo p : GetPropList(owner))
    if (p->PropType->Kind == tkClass && GetObjectProp(owner, p) == this) return ownerPath + L"." + p->Name;
  return ClassName();
}
