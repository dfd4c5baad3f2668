#include "tests/codelib/TestProvider.h"

#include "vcl/classes/Filer.h"
#include "vcl/rtl/Streams.h"

TTestProvider::TTestProvider() {
  FRoot = NewItemsList(this, nullptr);
}

TTestProvider::~TTestProvider() {
  FContexts.Clear();
  FSubContexts.clear();
  FRoot.Clear();
}

TInterfaceRef<IJvDataProvider> TTestProvider::Create(std::initializer_list<TTestNode> Tree) {
  TInterfaceRef<IJvDataProvider> provider(Constructed(new TTestProvider()));
  for (const TTestNode& node : Tree) Of(provider)->AddItem(node.ID, node.ParentID);
  Of(provider)->Notices.clear();
  return provider;
}

TTestProvider* TTestProvider::Of(const TInterfaceRef<IJvDataProvider>& Provider) {
  return static_cast<TTestProvider*>(Provider.Get());
}

bool TTestProvider::GetOwnInterface(REFIID IID, void** Obj) {
  if (IID == IID_IJvDataProvider) {
    *Obj = static_cast<IJvDataProvider*>(this);
    AddRef();
    return true;
  }
  if (IID == IID_IInterfaceComponentReference && Component) {
    *Obj = static_cast<IInterfaceComponentReference*>(this);
    AddRef();
    return true;
  }
  if (IID == IID_IJvDataIDSearch) return FRoot->QueryInterface(IID, Obj) == S_OK;
  if (IID == IID_IJvDataContexts && FContexts) return FContexts->QueryInterface(IID, Obj) == S_OK;
  return TExtensibleInterfacedPersistent::GetOwnInterface(IID, Obj);
}

void TTestProvider::Changing(TDataProviderChangeReason Reason, IInterface* Source) {
  Notices.push_back({true, Reason, Source});
  for (IJvDataProviderNotify* listener : std::vector(FListeners)) listener->DataProviderChanging(this, Reason, Source);
}

void TTestProvider::Changed(TDataProviderChangeReason Reason, IInterface* Source) {
  Notices.push_back({false, Reason, Source});
  for (IJvDataProviderNotify* listener : std::vector(FListeners)) listener->DataProviderChanged(this, Reason, Source);
}

IJvDataItem* TTestProvider::AddItem(const String& ID, const String& ParentID, TClass ItemClass) {
  IJvDataItems* list = GetItems();
  if (!ParentID.empty()) {
    IJvDataItem* parent = Find(ParentID);
    list = SubItemsOf(parent);
    if (!list) list = NewItemsList(this, parent);
  }
  auto* item = static_cast<TJvBaseDataItem*>(TObject::CreateInstance(ItemClass));
  item->AfterConstruction();
  item->SetID(ID);
  // Given its text before it joins the list, so that only the addition is announced.
  static_cast<TJvDataItemTextImpl*>(CreateExtension(TJvDataItemTextImpl::StaticClass(), item))->SetText(ID);
  item->SetOwnerItems(list);
  return Supports<IJvDataItemsManagement>(list, IID_IJvDataItemsManagement)->Add(item);
}

IJvDataContext* TTestProvider::AddContext(const String& Name, IJvDataContext* Ancestor) {
  TInterfaceRef<IJvDataContexts>* list = nullptr;
  if (!Ancestor) {
    if (!FContexts) FContexts = Constructed(new TJvDataContexts(this, nullptr, nullptr));
    list = &FContexts;
  } else {
    for (auto& present : FSubContexts)
      if (present->Ancestor() == Ancestor) list = &present;
    if (!list) list = &FSubContexts.emplace_back(Constructed(new TJvDataContexts(this, nullptr, Ancestor)));
  }
  auto* contexts = static_cast<TJvDataContexts*>(list->Get());
  IJvDataContext* context = Constructed(new TJvDataContext(contexts, Name));
  contexts->AddContextEntry(context);
  return context;
}

TJvDataItemsList* NewItemsList(IJvDataProvider* Provider, IJvDataItem* Parent) {
  auto* list = new TJvDataItemsList();
  if (Parent)
    list->SetParentItem(Parent);
  else
    list->SetProvider(Provider);
  CreateExtension(TJvBaseDataItemsListManagement::StaticClass(), list);
  list->AfterConstruction();
  return list;
}

String TextOf(IJvDataItem* Item) {
  const auto text = Supports<IJvDataItemText>(Item, IID_IJvDataItemText);
  return text ? text->GetCaption() : L"(none)";
}

std::unique_ptr<TStreamRoot> StreamedCopy(TComponent* Original) {
  TMemoryStream stream;
  TWriter(&stream).WriteRootComponent(Original);
  stream.SetPosition(0);
  auto root = std::make_unique<TStreamRoot>(nullptr);
  TReader(&stream).ReadRootComponent(root.get());
  return root;
}
