#include "codelib/JvDataItems.h"

#include "vcl/classes/Component.h"
#include "vcl/classes/Filer.h"
#include "vcl/classes/TypInfo.h"
#include "vcl/rtl/ClassRegistry.h"

namespace {

// Keeps an object alive while references are taken and dropped.
class THeldReference {
public:
  explicit THeldReference(TExtensibleInterfacedPersistent* Object) : FObject(Object) { FObject->HoldReference(); }
  ~THeldReference() { FObject->DropHeldReference(); }
  THeldReference(const THeldReference&) = delete;
  THeldReference& operator=(const THeldReference&) = delete;

private:
  TExtensibleInterfacedPersistent* FObject;
};

// Property names inside a defined value start afresh.
class TPropPathScope {
public:
  explicit TPropPathScope(TWriter* Writer) : FWriter(Writer), FSaved(Writer->PropPath()) {
    Writer->SetPropPath(String());
  }
  ~TPropPathScope() { FWriter->SetPropPath(FSaved); }
  TPropPathScope(const TPropPathScope&) = delete;
  TPropPathScope& operator=(const TPropPathScope&) = delete;

private:
  TWriter* FWriter;
  String FSaved;
};

// One entry of a streamed collection: its "ClassName" and the class it
// names, which must descend from Base.
TClass ReadEntryClass(TReader* Reader, TClass Base) {
  Reader->ReadListBegin();
  if (!SameText(Reader->ReadStr(), L"ClassName")) throw EReadError(L"Missing ClassName property");
  const TClass found = FindClass(Reader->ReadString());
  if (!TObject::ClassInheritsFrom(found, Base)) throw EReadError(L"Invalid class type");
  return found;
}

void WriteEntry(TWriter* Writer, TPersistent* Instance) {
  Writer->WriteListBegin();
  Writer->WriteStr(L"ClassName");
  Writer->WriteString(Instance->ClassName());
  Writer->WriteProperties(Instance);
  Writer->WriteListEnd();
}

void ReadCollectionBegin(TReader* Reader) {
  if (Reader->ReadValue() != vaCollection) throw EReadError(L"Expected collection");
}

template <class T>
T* NewInstanceOf(TClass AClass) {
  std::unique_ptr<TObject> created(TObject::CreateInstance(AClass));
  auto* typed = dynamic_cast<T*>(created.get());
  if (!typed) throw EReadError(L"Invalid class type");
  created.release();
  return typed;
}

}  // namespace

// ---------------------------------------------------------------- TExtensibleInterfacedPersistent

TExtensibleInterfacedPersistent::~TExtensibleInterfacedPersistent() { DetachAllExtensions(); }

HRESULT STDMETHODCALLTYPE TExtensibleInterfacedPersistent::QueryInterface(REFIID IID, void** Obj) {
  if (GetInterface(IID, Obj)) return S_OK;
  *Obj = nullptr;
  return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE TExtensibleInterfacedPersistent::AddRef() {
  return static_cast<ULONG>(InterlockedIncrement(&FRefCount));
}

ULONG STDMETHODCALLTYPE TExtensibleInterfacedPersistent::Release() {
  const LONG count = InterlockedDecrement(&FRefCount);
  if (count == 0) delete this;
  return static_cast<ULONG>(count);
}

void TExtensibleInterfacedPersistent::AfterConstruction() {
  CreateDefaultExtensions();
  InterlockedDecrement(&FRefCount);
}

bool TExtensibleInterfacedPersistent::GetOwnInterface(REFIID IID, void** Obj) {
  return IID == IID_IUnknown && AnswerInterface(static_cast<IInterface*>(this), Obj);
}

bool TExtensibleInterfacedPersistent::GetInterface(REFIID IID, void** Obj) {
  if (GetOwnInterface(IID, Obj)) return true;
  for (size_t i = FExtensions.size(); i-- > 0;) {
    TAggregatedPersistentEx* extension = FExtensions[i];
    if (extension && !extension->HiddenFromQueries() && extension->GetInterface(IID, Obj)) return true;
  }
  return false;
}

void TExtensibleInterfacedPersistent::AttachExtension(TAggregatedPersistentEx* Extension) {
  for (TAggregatedPersistentEx* present : FExtensions)
    if (present->InheritsFrom(Extension->ClassType()))
      throw EJVCLException(L"Implementation of that class already exists");
  FExtensions.push_back(Extension);
}

void TExtensibleInterfacedPersistent::DetachExtension(TAggregatedPersistentEx* Extension) {
  const auto found = std::find(FExtensions.begin(), FExtensions.end(), Extension);
  if (found == FExtensions.end()) return;
  FExtensions.erase(found);
  Extension->FOwner = nullptr;
  delete Extension;
}

void TExtensibleInterfacedPersistent::DetachAllExtensions() {
  while (!FExtensions.empty()) DetachExtension(FExtensions.back());
}

int TExtensibleInterfacedPersistent::ExtensionIndexOfClass(TClass AClass) const {
  for (size_t i = FExtensions.size(); i-- > 0;)
    if (FExtensions[i]->InheritsFrom(AClass)) return static_cast<int>(i);
  return -1;
}

bool TExtensibleInterfacedPersistent::ExtensionIsStreamable(TAggregatedPersistentEx* Extension) {
  return GetClass(Extension->ClassName()) == Extension->ClassType();
}

void TExtensibleInterfacedPersistent::DefineProperties(TFiler* Filer) {
  TPersistent::DefineProperties(Filer);
  const bool streamable = std::any_of(FExtensions.begin(), FExtensions.end(),
                                      [this](auto* extension) { return ExtensionIsStreamable(extension); });
  Filer->DefineProperty(
      L"Extensions", [this](TReader* Reader) { ReadExtensions(Reader); },
      [this](TWriter* Writer) { WriteExtensions(Writer); }, streamable);
}

void TExtensibleInterfacedPersistent::WriteExtensions(TWriter* Writer) {
  const TPropPathScope scope(Writer);
  Writer->WriteValue(vaCollection);
  for (TAggregatedPersistentEx* extension : FExtensions)
    if (ExtensionIsStreamable(extension)) WriteEntry(Writer, extension);
  Writer->WriteListEnd();
}

void TExtensibleInterfacedPersistent::ReadExtensions(TReader* Reader) {
  const THeldReference held(this);
  ReadCollectionBegin(Reader);
  while (!Reader->EndOfList()) {
    const TClass extensionClass = ReadEntryClass(Reader, TAggregatedPersistentEx::StaticClass());
    const int index = ExtensionIndexOfClass(extensionClass);
    TAggregatedPersistentEx* extension = index >= 0 ? FExtensions[index] : ReadNewExtension(Reader, extensionClass);
    Reader->ReadProperties(extension);
    Reader->ReadListEnd();
  }
  Reader->ReadListEnd();
}

TAggregatedPersistentEx* TExtensibleInterfacedPersistent::ReadNewExtension(TReader* Reader, TClass AClass) {
  TAggregatedPersistentEx* extension = CreateExtension(AClass, this);
  Reader->Journal([this, extension] { DetachExtension(extension); });
  return extension;
}

void TExtensibleInterfacedPersistent::DropExtension(TReader* Reader, TAggregatedPersistentEx* Extension) {
  const auto found = std::find(FExtensions.begin(), FExtensions.end(), Extension);
  if (found == FExtensions.end()) return;
  const auto index = found - FExtensions.begin();
  FExtensions.erase(found);
  Extension->FOwner = nullptr;
  Reader->Journal(
      [this, Extension, index] {
        FExtensions.insert(FExtensions.begin() + index, Extension);
        Extension->FOwner = this;
      },
      [Extension] { delete Extension; });
}

// ---------------------------------------------------------------- aggregated objects

HRESULT STDMETHODCALLTYPE TAggregatedPersistent::QueryInterface(REFIID IID, void** Obj) {
  return FController->QueryInterface(IID, Obj);
}
ULONG STDMETHODCALLTYPE TAggregatedPersistent::AddRef() { return FController->AddRef(); }
ULONG STDMETHODCALLTYPE TAggregatedPersistent::Release() { return FController->Release(); }
bool TAggregatedPersistent::GetInterface(REFIID, void**) { return false; }

TAggregatedPersistentEx::~TAggregatedPersistentEx() {
  if (FOwner) {
    auto& extensions = FOwner->FExtensions;
    extensions.erase(std::remove(extensions.begin(), extensions.end(), this), extensions.end());
  }
}

void TAggregatedPersistentEx::SetOwner(TExtensibleInterfacedPersistent* AOwner) {
  AOwner->AttachExtension(this);
  FOwner = AOwner;
  FController = static_cast<IInterface*>(AOwner);
}

TAggregatedPersistentEx* CreateExtension(TClass AClass, TExtensibleInterfacedPersistent* AOwner) {
  std::unique_ptr<TAggregatedPersistentEx> extension(NewInstanceOf<TAggregatedPersistentEx>(AClass));
  if (!extension->CanExtend(AOwner)) throw EReadError(L"Invalid class type");
  extension->SetOwner(AOwner);
  return extension.release();
}

HRESULT STDMETHODCALLTYPE TJvDataItemAggregatedObject::QueryInterface(REFIID IID, void** Obj) {
  if (GetInterface(IID, Obj)) return S_OK;
  if (IID == IID_IJvDataContextSensitive) {
    *Obj = nullptr;
    return E_NOINTERFACE;
  }
  return TAggregatedPersistentEx::QueryInterface(IID, Obj);
}

TJvBaseDataItem* TJvDataItemAggregatedObject::ItemImpl() const { return dynamic_cast<TJvBaseDataItem*>(Owner()); }
IJvDataItem* TJvDataItemAggregatedObject::Item() const { return ItemImpl(); }
bool TJvDataItemAggregatedObject::CanExtend(TExtensibleInterfacedPersistent* AOwner) const {
  return dynamic_cast<TJvBaseDataItem*>(AOwner) != nullptr;
}
TJvBaseDataItems* TJvDataItemsAggregatedObject::ItemsImpl() const {
  return dynamic_cast<TJvBaseDataItems*>(Owner());
}
IJvDataItems* TJvDataItemsAggregatedObject::Items() const { return ItemsImpl(); }
bool TJvDataItemsAggregatedObject::CanExtend(TExtensibleInterfacedPersistent* AOwner) const {
  return dynamic_cast<TJvBaseDataItems*>(AOwner) != nullptr;
}

// ---------------------------------------------------------------- helpers

IJvDataItems* SubItemsOf(IJvDataItem* Item) {
  if (!Item) return nullptr;
  // The item's own list and its sub-lists live as long as the item.
  return Supports<IJvDataItems>(Item, IID_IJvDataItems).Get();
}

IJvDataProvider* ProviderOf(IJvDataItem* Item) {
  return Item && Item->GetItems() ? Item->GetItems()->GetProvider() : nullptr;
}

IJvDataItem* ScanItemsForID(IJvDataItems* Items, const String& ID, bool Recursive) {
  if (!Items) return nullptr;
  IJvDataItem* result = Items->ItemByPath(ID);
  if (result || !Recursive) return result;
  for (int i = Items->GetCount() - 1; i >= 0 && !result; --i)
    if (IJvDataItems* subItems = SubItemsOf(Items->GetItem(i))) result = ScanItemsForID(subItems, ID, true);
  return result;
}

int ItemVisibility(IJvDataItem* Item) {
  if (!Item) return 3;
  int result = 3;
  if (IJvDataProvider* provider = ProviderOf(Item))
    if (IJvDataConsumer* consumer = provider->SelectedConsumer())
      if (const auto visibility = Supports<IJvDataConsumerVisibility>(consumer, IID_IJvDataConsumerVisibility))
        result = visibility->ItemVisibility(Item);
  if (result == 2 || result == 3)
    if (const auto own = Supports<IJvDataItemVisibility>(Item, IID_IJvDataItemVisibility))
      result = own->Visibility();
  return result;
}

// ---------------------------------------------------------------- TJvBaseDataItem

const TPropTable* TJvBaseDataItem::PublishedTable(TPublishedTag<TJvBaseDataItem>) {
  static const TPropTable table =
      TPublished<TJvBaseDataItem>().Property(L"ID", &TJvBaseDataItem::ID, &TJvBaseDataItem::SetID).Build();
  return &table;
}

void TJvBaseDataItem::SetOwnerItems(IJvDataItems* AOwner) {
  FItems = AOwner;
  FItemsIntf = AOwner && AOwner->HoldsVolatileItems() ? TInterfaceRef<IJvDataItems>(AOwner) : nullptr;
}

void TJvBaseDataItem::AfterConstruction() {
  AssignNewID();
  TExtensibleInterfacedPersistent::AfterConstruction();
}

void TJvBaseDataItem::AssignNewID() {
  GUID guid;
  if (CoCreateGuid(&guid) != S_OK) throw EJVCLDataItems(L"No new item ID could be made");
  const auto* bytes = reinterpret_cast<const uint8_t*>(&guid);
  FID.clear();
  for (size_t i = 0; i < sizeof(guid); ++i) FID += IntToHex(bytes[i], 2);
}

ULONG STDMETHODCALLTYPE TJvBaseDataItem::AddRef() {
  if (!FItems || !FItems->HoldsVolatileItems()) return static_cast<ULONG>(-1);
  return TExtensibleInterfacedPersistent::AddRef();
}

ULONG STDMETHODCALLTYPE TJvBaseDataItem::Release() {
  if (!FItems || !FItems->HoldsVolatileItems()) return static_cast<ULONG>(-1);
  return TExtensibleInterfacedPersistent::Release();
}

int TJvBaseDataItem::GetIndex() {
  if (!FItems) return -1;
  for (int i = FItems->GetCount() - 1; i >= 0; --i)
    if (FItems->GetItem(i)->GetImplementer() == this) return i;
  return -1;
}

void TJvBaseDataItem::ContextGoing(IJvDataContext* Context) {
  for (int i = 0; i < ExtensionCount(); ++i) Extension(i)->ContextGoing(Context);
}

bool TJvBaseDataItem::IsAncestorOf(IJvDataItem* Item, bool DirectParent) {
  if (!Item || !Item->GetItems()) return false;
  IJvDataItem* parent = Item->GetItems()->GetParent();
  if (parent && parent->GetImplementer() == this) return true;
  if (DirectParent) return false;
  while (parent) {
    if (parent->GetImplementer() == this) return true;
    parent = parent->GetItems() ? parent->GetItems()->GetParent() : nullptr;
  }
  return false;
}

String TJvBaseDataItem::GetNamePath() const {
  String owner = L"Unknown";
  if (FItems && FItems->GetProvider())
    if (const auto reference =
            Supports<IInterfaceComponentReference>(FItems->GetProvider(), IID_IInterfaceComponentReference))
      owner = reference->GetComponent()->Name();
  return owner + L": Item[" + FID + L"]";
}

TPersistent* TJvBaseDataItem::GetOwner() const {
  if (FItems && FItems->GetProvider())
    if (const auto reference =
            Supports<IInterfaceComponentReference>(FItems->GetProvider(), IID_IInterfaceComponentReference))
      return reference->GetComponent();
  return TExtensibleInterfacedPersistent::GetOwner();
}

void TJvBaseDataItem::RevertToAncestor() {
  for (int i = 0; i < ExtensionCount(); ++i) {
    void* sensitive = nullptr;
    if (Extension(i)->GetInterface(IID_IJvDataContextSensitive, &sensitive)) {
      const auto ref = TInterfaceRef<IJvDataContextSensitive>::Adopt(static_cast<IJvDataContextSensitive*>(sensitive));
      ref->RevertToAncestor();
    }
  }
}

bool TJvBaseDataItem::IsEqualToAncestor() {
  for (int i = 0; i < ExtensionCount(); ++i) {
    void* sensitive = nullptr;
    if (Extension(i)->GetInterface(IID_IJvDataContextSensitive, &sensitive)) {
      const auto ref = TInterfaceRef<IJvDataContextSensitive>::Adopt(static_cast<IJvDataContextSensitive*>(sensitive));
      if (!ref->IsEqualToAncestor()) return false;
    }
  }
  return true;
}

bool TJvBaseDataItem::GetOwnInterface(REFIID IID, void** Obj) {
  if (IID == IID_IJvDataItem) return AnswerInterface(static_cast<IJvDataItem*>(this), Obj);
  return TExtensibleInterfacedPersistent::GetOwnInterface(IID, Obj);
}

void TJvBaseDataItem::DefineProperties(TFiler* Filer) {
  TExtensibleInterfacedPersistent::DefineProperties(Filer);
  Filer->DefineProperty(
      L"SubItems", [this](TReader* Reader) { ReadSubItems(Reader); },
      [this](TWriter* Writer) { WriteSubItems(Writer); }, SubItemsOf(this) != nullptr);
}

void TJvBaseDataItem::WriteSubItems(TWriter* Writer) {
  const TPropPathScope scope(Writer);
  Writer->WriteValue(vaCollection);
  WriteEntry(Writer, dynamic_cast<TPersistent*>(SubItemsOf(this)->GetImplementer()));
  Writer->WriteListEnd();
}

void TJvBaseDataItem::ReadSubItems(TReader* Reader) {
  const THeldReference held(this);
  ReadCollectionBegin(Reader);
  const TClass listClass = ReadEntryClass(Reader, TJvBaseDataItems::StaticClass());
  TJvBaseDataItems* subItems = nullptr;
  const int index = ExtensionIndexOfClass(TJvBaseDataItemSubItems::StaticClass());
  if (index >= 0) {
    auto* present = static_cast<TJvBaseDataItemSubItems*>(Extension(index));
    if (present->SubItems()->ClassType() == listClass)
      subItems = present->SubItems();
    else
      DropExtension(Reader, present);
  }
  if (!subItems) {
    subItems = NewInstanceOf<TJvBaseDataItems>(listClass);
    subItems->SetParentItem(this);
    TAggregatedPersistentEx* const made = Extension(ExtensionIndexOfClass(TJvBaseDataItemSubItems::StaticClass()));
    Reader->Journal([this, made] { DetachExtension(made); });
    subItems->AfterConstruction();
  }
  Reader->ReadProperties(subItems);
  Reader->ReadListEnd();
  Reader->ReadListEnd();
}

// ---------------------------------------------------------------- TJvBaseDataItems

TJvBaseDataItems::~TJvBaseDataItems() {
  if (FSubAggregate) {
    FSubAggregate->FItems = nullptr;
    if (TExtensibleInterfacedPersistent* owner = FSubAggregate->Owner()) owner->DetachExtension(FSubAggregate);
  }
}

void TJvBaseDataItems::SetParentItem(IJvDataItem* AParent) {
  FParent = AParent;
  FProvider = ProviderOf(AParent);
  if (AParent->GetItems() && AParent->GetItems()->HoldsVolatileItems()) FParentIntf = AParent;
  if (auto* owner = dynamic_cast<TExtensibleInterfacedPersistent*>(AParent->GetImplementer()))
    FSubAggregate = new TJvBaseDataItemSubItems(owner, this);
}

bool TJvBaseDataItems::GetOwnInterface(REFIID IID, void** Obj) {
  if (IID == IID_IJvDataItems) return AnswerInterface(static_cast<IJvDataItems*>(this), Obj);
  if (IID == IID_IJvDataIDSearch) return AnswerInterface(static_cast<IJvDataIDSearch*>(this), Obj);
  return TExtensibleInterfacedPersistent::GetOwnInterface(IID, Obj);
}

void TJvBaseDataItems::ContextGoing(IJvDataContext* Context) {
  for (int i = 0; i < ExtensionCount(); ++i) Extension(i)->ContextGoing(Context);
  for (int i = 0; i < ItemCount(); ++i) ItemAt(i)->ContextGoing(Context);
}

IJvDataItem* TJvBaseDataItems::SearchByID(const String& ID, bool Recursive) {
  return ScanItemsForID(this, ID, Recursive);
}

IJvDataItem* TJvBaseDataItems::ItemByPath(const String& Path) {
  // The list that holds the starting list's parent item.
  IJvDataItems* const parentList = FParent ? FParent->GetItems() : nullptr;
  IJvDataItems* current = this;
  String rest = Path;
  while (current && !rest.empty()) {
    const size_t separator = rest.find_first_of(L"\\/");
    const String segment = rest.substr(0, separator);
    rest = separator == String::npos ? String() : rest.substr(separator + 1);
    if (segment == L"..") {
      current = parentList;  // nothing when the list has no parent
      continue;
    }
    if (segment.empty()) {  // a leading separator: from the root list
      if (FParent) current = FProvider ? FProvider->GetItems() : nullptr;
      continue;
    }
    IJvDataItem* match = nullptr;
    for (int i = current->GetCount() - 1; i >= 0 && !match; --i)
      if (AnsiSameText(current->GetItem(i)->GetID(), segment)) match = current->GetItem(i);
    if (!match) {
      // A path that leads nowhere finds nothing, rather than an item met on
      // the way under another path.
      return nullptr;
    }
    if (rest.empty()) return match;
    current = SubItemsOf(match);
  }
  return nullptr;
}

IJvDataItem* TJvBaseDataItems::ItemAtIndexPath(const std::vector<int>& IndexPath) {
  IJvDataItems* current = this;
  IJvDataItem* item = nullptr;
  for (size_t i = 0; i < IndexPath.size(); ++i) {
    if (!current) return nullptr;
    item = current->GetItem(IndexPath[i]);
    if (i + 1 < IndexPath.size()) current = SubItemsOf(item);
  }
  return item;
}

bool TJvBaseDataItems::ItemIsStreamable(TJvBaseDataItem* Item) {
  const TClass registered = GetClass(Item->ClassName());
  return registered == Item->ClassType() && Item->InheritsFrom(TJvBaseDataItem::StaticClass());
}

void TJvBaseDataItems::DefineProperties(TFiler* Filer) {
  TExtensibleInterfacedPersistent::DefineProperties(Filer);
  Filer->DefineProperty(
      L"Items", [this](TReader* Reader) { ReadItems(Reader); },
      [this](TWriter* Writer) { WriteItems(Writer); }, true);
}

void TJvBaseDataItems::WriteItems(TWriter* Writer) {
  const TPropPathScope scope(Writer);
  Writer->WriteValue(vaCollection);
  for (int i = 0; i < ItemCount(); ++i)
    if (TJvBaseDataItem* item = ItemAt(i); ItemIsStreamable(item)) WriteEntry(Writer, item);
  Writer->WriteListEnd();
}

void TJvBaseDataItems::ReadItems(TReader* Reader) {
  ReadCollectionBegin(Reader);
  while (!Reader->EndOfList()) {
    const TClass itemClass = ReadEntryClass(Reader, TJvBaseDataItem::StaticClass());
    std::unique_ptr<TJvBaseDataItem> made(NewInstanceOf<TJvBaseDataItem>(itemClass));
    made->SetOwnerItems(this);
    made->AfterConstruction();
    StoreItem(made.get());
    TJvBaseDataItem* const item = made.release();
    // Should the load fail, the item leaves the list again.
    Reader->Journal([this, item] {
      for (int i = ItemCount() - 1; i >= 0; --i)
        if (ItemAt(i) == item) return DropItemAt(i);
    });
    Reader->ReadProperties(item);
    Reader->ReadListEnd();
  }
  Reader->ReadListEnd();
}

// ---------------------------------------------------------------- TJvDataItemsList

void TJvDataItemsList::StoreItem(TJvBaseDataItem* Item) { FList.Add(Item); }
void TJvDataItemsList::DropItemAt(int Index) { FList.Delete(Index); }
void TJvDataItemsList::MoveItem(int OldIndex, int NewIndex) { FList.Move(OldIndex, NewIndex); }

TJvBaseDataItem* TJvDataItemsList::ItemAt(int Index) {
  return static_cast<TJvBaseDataItem*>(FList.Items(Index));
}

void TJvDataItemsList::RemoveItemObject(TJvBaseDataItem* Item) { FList.Remove(Item); }

// ---------------------------------------------------------------- TJvBaseDataItemSubItems

TJvBaseDataItemSubItems::TJvBaseDataItemSubItems(TExtensibleInterfacedPersistent* AOwner, TJvBaseDataItems* AItems)
    : FItems(AItems) {
  FItems->AddRef();
  SetOwner(AOwner);
}

TJvBaseDataItemSubItems::~TJvBaseDataItemSubItems() {
  if (!FItems) return;  // the list goes first and has let go of this
  FItems->FSubAggregate = nullptr;
  std::exchange(FItems, nullptr)->Release();
}

bool TJvBaseDataItemSubItems::GetInterface(REFIID IID, void** Obj) {
  return FItems && FItems->QueryInterface(IID, Obj) == S_OK;
}

// ---------------------------------------------------------------- list management

bool TJvBaseDataItemsManagement::GetInterface(REFIID IID, void** Obj) {
  return IID == IID_IJvDataItemsManagement && AnswerInterface(static_cast<IJvDataItemsManagement*>(this), Obj);
}

TJvDataItemsList* TJvBaseDataItemsListManagement::List() const {
  auto* list = dynamic_cast<TJvDataItemsList*>(Owner());
  if (!list) throw EJVCLDataItems(L"List management needs a list that owns its items");
  return list;
}

namespace {

void Notify(IJvDataProvider* Provider, bool Before, TDataProviderChangeReason Reason, IInterface* Source) {
  if (!Provider) return;
  if (Before)
    Provider->Changing(Reason, Source);
  else
    Provider->Changed(Reason, Source);
}

}  // namespace

IJvDataItem* TJvBaseDataItemsListManagement::Add(IJvDataItem* Item) {
  TJvDataItemsList* list = List();
  Notify(list->GetProvider(), true, pcrAdd, static_cast<IJvDataItems*>(list));
  list->StoreItem(static_cast<TJvBaseDataItem*>(Item->GetImplementer()));
  Notify(list->GetProvider(), false, pcrAdd, Item);
  return Item;
}

IJvDataItem* TJvBaseDataItemsListManagement::New() {
  throw EAbstractError(L"New items of this list are made by their creator");
}

void TJvBaseDataItemsListManagement::Clear() {
  TJvDataItemsList* list = List();
  Notify(list->GetProvider(), true, pcrUpdateItems, static_cast<IJvDataItems*>(list));
  while (list->ItemCount() > 0) list->DropItemAt(list->ItemCount() - 1);
  Notify(list->GetProvider(), false, pcrUpdateItems, static_cast<IJvDataItems*>(list));
}

void TJvBaseDataItemsListManagement::Delete(int Index) {
  TJvDataItemsList* list = List();
  TJvBaseDataItem* item = list->ItemAt(Index);
  if (!item->CanDelete()) throw EJVCLDataItems(L"Item cannot be deleted");
  Notify(list->GetProvider(), true, pcrDelete, static_cast<IJvDataItem*>(item));
  list->DropItemAt(Index);
  Notify(list->GetProvider(), false, pcrDelete, nullptr);
}

void TJvBaseDataItemsListManagement::Remove(IJvDataItem*& Item) {
  if (!Item) return;
  if (!Item->CanDelete()) throw EJVCLDataItems(L"Item cannot be deleted");
  IJvDataItem* item = std::exchange(Item, nullptr);
  auto* object = dynamic_cast<TJvBaseDataItem*>(item->GetImplementer());
  if (!object) return;
  // The list owns its items: references to them are not counted, so the
  // item leaves the list, announced, whoever still points at it.
  TJvDataItemsList* list = List();
  object->HoldReference();
  Notify(list->GetProvider(), true, pcrDelete, item);
  object->DropHeldReference();
  list->RemoveItemObject(object);
  Notify(list->GetProvider(), false, pcrDelete, nullptr);
}
