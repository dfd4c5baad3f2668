#include "codelib/JvDataConsumer.h"

#include "codelib/JvDataConsumerViewList.h"
#include "codelib/JvDataItemAspects.h"
#include "codelib/UclUnitVersioning.h"
#include "vcl/classes/Component.h"
#include "vcl/controls/Controls.h"
#include "vcl/rtl/ClassRegistry.h"

namespace {

// The text before the first separator and the rest after it.
std::pair<String, String> SplitPath(const String& Path) {
  const size_t separator = Path.find_first_of(L"\\/");
  if (separator == String::npos) return {Path, String()};
  return {Path.substr(0, separator), Path.substr(separator + 1)};
}

}  // namespace

// ---------------------------------------------------------------- contexts

TJvBaseDataContexts::TJvBaseDataContexts(IJvDataProvider* AProvider, TClass ManagerClass, IJvDataContext* AAncestor)
    : FProvider(AProvider), FAncestor(AAncestor) {
  if (ManagerClass) CreateExtension(ManagerClass, this);
}

bool TJvBaseDataContexts::GetOwnInterface(REFIID IID, void** Obj) {
  if (IID == IID_IJvDataContexts) return AnswerInterface(static_cast<IJvDataContexts*>(this), Obj);
  return TExtensibleInterfacedPersistent::GetOwnInterface(IID, Obj);
}

IJvDataContext* TJvBaseDataContexts::ContextByPath(const String& Path) {
  const auto [segment, rest] = SplitPath(Path);
  if (segment == L"..") {
    IJvDataContext* ancestor = Ancestor();
    if (!ancestor) return nullptr;
    return ancestor->Contexts()->GetContextByName(rest);
  }
  if (segment.empty() && Ancestor()) {
    const auto top = Supports<IJvDataContexts>(FProvider, IID_IJvDataContexts);
    return top ? top->GetContextByName(rest) : nullptr;
  }
  for (int i = ContextCount() - 1; i >= 0; --i) {
    IJvDataContext* context = ContextAt(i);
    if (!AnsiSameText(context->Name(), segment)) continue;
    return rest.empty() ? context : context->Contexts()->GetContextByName(rest);
  }
  return nullptr;
}

int TJvBaseDataContexts::IndexOfContext(IJvDataContext* Context) {
  for (int i = ContextCount() - 1; i >= 0; --i)
    if (ContextAt(i) == Context) return i;
  return -1;
}

void TJvDataContexts::AddContextEntry(IJvDataContext* Context) {
  IJvDataContext* present = ContextByPath(Context->Name());
  if (present == Context) return;
  if (present) throw EJVCLDataContexts(L"A context with that name already exists");
  if (Provider()) Provider()->Changing(pcrContextAdd, Ancestor());
  FContexts.emplace_back(Context);
  if (Provider()) Provider()->Changed(pcrContextAdd, Context);
}

void TJvDataContexts::DeleteContextAt(int Index) {
  IJvDataContext* context = ContextAt(Index);
  if (!context->CanDelete()) return;
  const TInterfaceRef<IJvDataContext> kept(context);
  if (Provider()) Provider()->Changing(pcrContextDelete, context);
  if (Provider()) Provider()->GetItems()->ContextGoing(context);
  FContexts.erase(FContexts.begin() + Index);
  if (Provider()) Provider()->Changed(pcrContextDelete, Ancestor());
}

void TJvDataContexts::RemoveContextEntry(IJvDataContext* Context) {
  if (const int index = IndexOfContext(Context); index >= 0) DeleteContextAt(index);
}

bool TJvBaseDataContextsManager::GetInterface(REFIID IID, void** Obj) {
  return IID == IID_IJvDataContextsManager && AnswerInterface(static_cast<IJvDataContextsManager*>(this), Obj);
}

TJvBaseDataContexts* TJvBaseDataContextsManager::Contexts() const {
  return static_cast<TJvBaseDataContexts*>(Owner());
}

IJvDataContext* TJvBaseDataContextsManager::Add(IJvDataContext* Context) {
  Contexts()->AddContextEntry(Context);
  return Context;
}

void TJvBaseDataContextsManager::Delete(IJvDataContext* Context) { Contexts()->RemoveContextEntry(Context); }
void TJvBaseDataContextsManager::Clear() { Contexts()->ClearContextEntries(); }

TJvBaseDataContext::TJvBaseDataContext(TJvBaseDataContexts* AContexts, const String&) : FContexts(AContexts) {
  if (!AContexts) throw EJVCLDataContexts(L"Cannot create a context without a context list owner");
}

void TJvBaseDataContext::Init(const String& AName) { RenameContext(AName); }

void TJvBaseDataContext::RenameContext(const String& Value) {
  if (Value == ContextName()) return;
  IJvDataContext* present = FContexts->ContextByPath(Value);
  if (present && present != static_cast<IJvDataContext*>(this))
    throw EJVCLDataContexts(L"A context with that name already exists");
  StoreContextName(Value);
}

bool TJvBaseDataContext::GetOwnInterface(REFIID IID, void** Obj) {
  if (IID == IID_IJvDataContext) return AnswerInterface(static_cast<IJvDataContext*>(this), Obj);
  if (IID == IID_IJvDataContexts) return AnswerInterface(static_cast<IJvDataContexts*>(FContexts), Obj);
  return TExtensibleInterfacedPersistent::GetOwnInterface(IID, Obj);
}

bool TJvManagedDataContext::GetOwnInterface(REFIID IID, void** Obj) {
  if (IID == IID_IJvDataContextManager) return AnswerInterface(static_cast<IJvDataContextManager*>(this), Obj);
  return TJvDataContext::GetOwnInterface(IID, Obj);
}

// ---------------------------------------------------------------- provider selection

void PushConsumerContext(IJvDataProvider* Provider, IJvDataConsumer* Consumer, IJvDataContext* Context) {
  Provider->SelectConsumer(Consumer);
  try {
    Provider->SelectContext(Context);
  } catch (...) {
    Provider->ReleaseConsumer();
    throw;
  }
}

void PopConsumerContext(IJvDataProvider* Provider) {
  IJvDataConsumer* consumer = Provider->SelectedConsumer();
  Provider->ReleaseConsumer();
  try {
    Provider->ReleaseContext();
  } catch (...) {
    Provider->SelectConsumer(consumer);
    throw;
  }
}

// ---------------------------------------------------------------- TJvDataConsumer

namespace {
const TTypeInfo DataProviderTypeInfo = InterfaceTypeInfo(L"IJvDataProvider", IID_IJvDataProvider);
}

const TPropTable* TJvDataConsumer::PublishedTable(TPublishedTag<TJvDataConsumer>) {
  using T = TJvDataConsumer;
  static const TPropTable table = TPublished<T>()
                                      .Property(L"Provider", &T::ProviderIntf, &T::SetProviderIntf, &DataProviderTypeInfo)
                                      .Property(L"Context", &T::Context, &T::SetContext)
                                      .Stored(&T::ContextIsStored)
                                      .Build();
  return &table;
}

TJvDataConsumer::TJvDataConsumer(TComponent* AOwner, const std::vector<int>& Attributes) : FOwner(AOwner) {
  for (int attr : Attributes) AddAttribute(attr);
  AfterConstruction();
}

TJvDataConsumer::~TJvDataConsumer() {
  OnChanging = nullptr;
  OnChanged = nullptr;
  OnProviderChanging = nullptr;
  OnProviderChanged = nullptr;
  AfterCreateSubSvc = nullptr;
  BeforeCreateSubSvc = nullptr;
  SetProviderIntf(nullptr);
  FServerList.clear();
  DetachAllExtensions();
}

bool TJvDataConsumer::GetOwnInterface(REFIID IID, void** Obj) {
  if (IID == IID_IJvDataConsumerClientNotify) return AnswerInterface(static_cast<IJvDataConsumerClientNotify*>(this), Obj);
  if (IID == IID_IJvDataConsumerProvider) return AnswerInterface(static_cast<IJvDataConsumerProvider*>(this), Obj);
  if (IID == IID_IJvDataProviderNotify) return AnswerInterface(static_cast<IJvDataProviderNotify*>(this), Obj);
  if (IID == IID_IJvDataConsumer) return AnswerInterface(static_cast<IJvDataConsumer*>(this), Obj);
  return TExtensibleInterfacedPersistent::GetOwnInterface(IID, Obj);
}

template <class F>
void TJvDataConsumer::ForEachService(const F& Action) {
  for (int i = 0; i < ExtensionCount(); ++i)
    if (auto* service = dynamic_cast<TJvDataConsumerAggregatedObject*>(Extension(i))) Action(service);
}

void TJvDataConsumer::AddAttribute(int Attr) {
  if (!HasAttribute(Attr)) FAttrList.push_back(Attr);
}

bool TJvDataConsumer::HasAttribute(int Attr) const {
  return std::find(FAttrList.begin(), FAttrList.end(), Attr) != FAttrList.end();
}

bool TJvDataConsumer::OwnerIsLoading() const { return FOwner && FOwner->ComponentState().Contains(csLoading); }

void TJvDataConsumer::SetProviderIntf(IJvDataProvider* Value) {
  if (Value == FProvider.Get()) return;
  NotifyChanging(ccrProviderSelect);
  if (FProvider) FProvider->UnregisterChangeNotify(this);
  TellExtensionsChanging(true);
  FProvider = Value;
  if (FProvider) FProvider->RegisterChangeNotify(this);
  if (NeedsContextFixup()) {
    CompleteContextFixup();
  } else {
    const auto contexts = Supports<IJvDataContexts>(FProvider.Get(), IID_IJvDataContexts);
    SetContextIntf(contexts && contexts->GetCount() > 0 ? contexts->GetContext(0) : nullptr);
  }
  TellExtensionsChanged(true);
  if (!IsLoading())
    for (const auto& server : FServerList)
      if (const auto client = Supports<IJvDataConsumerClientNotify>(server.Get(), IID_IJvDataConsumerClientNotify))
        client->LinkAdded(static_cast<IJvDataConsumer*>(this));
  if (NeedsExtensionFixups()) CompleteExtensionFixups();
  BroadcastViewChange(nullptr);
  NotifyChanged(ccrProviderSelect);
}

String TJvDataConsumer::Context() const { return FContext ? FContext->Name() : String(); }

void TJvDataConsumer::SetContext(const String& Value) {
  if (Value == Context()) return;
  if (!FProvider) {
    if (!OwnerIsLoading()) throw EJVCLDataConsumer(L"You must specify a provider before setting the context");
    FFixupContext = Value;
    return;
  }
  if (Value.empty()) return SetContextIntf(nullptr);
  const auto contexts = Supports<IJvDataContexts>(FProvider.Get(), IID_IJvDataContexts);
  if (!contexts) throw EJVCLDataConsumer(L"Provider does not support contexts");
  IJvDataContext* context = contexts->GetContextByName(Value);
  if (!context) throw EJVCLDataConsumer(Format(L"Provider has no context named \"%s\"", {Value}));
  SetContextIntf(context);
}

void TJvDataConsumer::SetContextIntf(IJvDataContext* Value) {
  if (Value == FContext.Get()) return;
  if (Value && (!Value->Contexts() || Value->Contexts()->Provider() != FProvider.Get()))
    throw EJVCLDataConsumer(L"The specified context is not part of the same provider");
  NotifyChanging(ccrContextChange);
  TellExtensionsChanging(false);
  FContext = Value;
  TellExtensionsChanged(false);
  NotifyChanged(ccrContextChange);
}

bool TJvDataConsumer::ContextIsStored() const {
  const auto contexts = Supports<IJvDataContexts>(FProvider.Get(), IID_IJvDataContexts);
  return contexts && contexts->GetCount() > 0 && FContext && contexts->GetContext(0) != FContext.Get();
}

void TJvDataConsumer::Enter() { PushConsumerContext(FProvider.Get(), this, FContext.Get()); }
void TJvDataConsumer::Leave() { PopConsumerContext(FProvider.Get()); }

void TJvDataConsumer::ItemSelected(IJvDataItem* Item) {
  ForEachService([&](TJvDataConsumerAggregatedObject* service) { service->ItemWasSelected(Item); });
  if (const auto action = Supports<IJvDataItemAction>(Item, IID_IJvDataItemAction)) action->Execute(FOwner);
}

bool TJvDataConsumer::NeedsExtensionFixups() {
  if (FNeedFixups && !OwnerIsLoading()) return true;
  bool streamedIn = false;
  ForEachService([&](TJvDataConsumerAggregatedObject* service) { streamedIn |= service->StreamedInWithoutProvider; });
  return streamedIn;
}

bool TJvDataConsumer::NeedsContextFixup() const { return !FFixupContext.empty() && !OwnerIsLoading(); }

bool TJvDataConsumer::IsLoading() const {
  return const_cast<TJvDataConsumer*>(this)->NeedsExtensionFixups() || NeedsContextFixup();
}

void TJvDataConsumer::Loaded() {
  if (!FFixupContext.empty() && FProvider) CompleteContextFixup();
  if (FNeedFixups && FProvider) CompleteExtensionFixups();
}

void TJvDataConsumer::CompleteExtensionFixups() {
  ForEachService([](TJvDataConsumerAggregatedObject* service) {
    service->ResolveFixup();
    service->StreamedInWithoutProvider = false;
  });
  FNeedFixups = false;
}

void TJvDataConsumer::CompleteContextFixup() {
  const String name = std::exchange(FFixupContext, String());
  SetContext(name);
}

void TJvDataConsumer::TellExtensionsChanging(bool Provider) {
  if (FixupsPending()) return;
  ForEachService([&](TJvDataConsumerAggregatedObject* service) {
    if (Provider)
      service->ProviderIsChanging();
    else
      service->ContextIsChanging();
  });
}

void TJvDataConsumer::TellExtensionsChanged(bool Provider) {
  if (!FixupsPending()) {
    std::vector<TJvDataConsumerAggregatedObject*> gone;
    ForEachService([&](TJvDataConsumerAggregatedObject* service) {
      const bool survives = service->StreamedInWithoutProvider ||
                            (Provider ? service->SurvivesProviderChange() : service->SurvivesContextChange());
      if (!survives)
        gone.push_back(service);
      else if (Provider)
        service->ProviderWasChanged();
      else
        service->ContextWasChanged();
    });
    for (auto* service : gone) DetachExtension(service);
  }
  RefreshExtensions();
}

TJvDataConsumerAggregatedObject* TJvDataConsumer::CreateService(TClass ServiceClass) {
  if (BeforeCreateSubSvc) BeforeCreateSubSvc(this, ServiceClass);
  if (!ServiceClass) return nullptr;
  auto* service = dynamic_cast<TJvDataConsumerAggregatedObject*>(CreateExtension(ServiceClass, this));
  if (!service) throw EJVCLDataConsumer(Format(L"%s is not a consumer service", {ServiceClass->Name}));
  return service;
}

void TJvDataConsumer::RefreshExtensions() {
  if (!FProvider) {
    DetachAllExtensions();
    return;
  }
  TClassArray classes;
  PushConsumerContext(FProvider.Get(), this, FContext.Get());
  try {
    classes = FProvider->ConsumerClasses();
  } catch (...) {
    PopConsumerContext(FProvider.Get());
    throw;
  }
  PopConsumerContext(FProvider.Get());
  for (TClass serviceClass : classes) {
    if (ExtensionIndexOfClass(serviceClass) >= 0) continue;
    if (TJvDataConsumerAggregatedObject* service = CreateService(serviceClass))
      if (AfterCreateSubSvc) AfterCreateSubSvc(this, service);
  }
  if (HasAttribute(DataConsumerViewListAttribute) &&
      ExtensionIndexOfClass(TJvDataConsumerViewList::StaticClass()) < 0)
    if (TJvDataConsumerAggregatedObject* service = CreateService(TJvDataConsumerViewList::StaticClass()))
      SubServiceCreated(service);
}

void TJvDataConsumer::SubServiceCreated(TJvDataConsumerAggregatedObject* Service) {
  if (AfterCreateSubSvc) AfterCreateSubSvc(this, Service);
  if (auto* viewList = dynamic_cast<TJvCustomDataConsumerViewList*>(Service)) viewList->RebuildRows();
}

void TJvDataConsumer::BroadcastViewChange(TJvDataConsumerAggregatedObject* Source) {
  try {
    ForEachService([&](TJvDataConsumerAggregatedObject* service) {
      if (service != Source) service->ViewWasChanged(Source);
    });
  } catch (...) {
    NotifyChanged(ccrViewChange);
    throw;
  }
  NotifyChanged(ccrViewChange);
}

void TJvDataConsumer::NotifyChanging(TJvDataConsumerChangeReason Reason) {
  if (OnChanging) OnChanging(this, Reason);
}

void TJvDataConsumer::NotifyChanged(TJvDataConsumerChangeReason Reason) {
  if (auto* control = dynamic_cast<TControl*>(FOwner)) control->Invalidate();
  if (OnChanged) OnChanged(this, Reason);
}

void TJvDataConsumer::DataProviderChanging(IJvDataProvider* Provider, TDataProviderChangeReason Reason,
                                           IInterface* Source) {
  if (OnProviderChanging) OnProviderChanging(Provider, Reason, Source);
  ForEachService([&](TJvDataConsumerAggregatedObject* service) { service->ProviderDataChanging(Provider, Reason, Source); });
  if (Reason == pcrDestroy) SetProviderIntf(nullptr);
}

void TJvDataConsumer::DataProviderChanged(IJvDataProvider* Provider, TDataProviderChangeReason Reason,
                                          IInterface* Source) {
  if (OnProviderChanged) OnProviderChanged(Provider, Reason, Source);
  ForEachService([&](TJvDataConsumerAggregatedObject* service) { service->ProviderDataChanged(Provider, Reason, Source); });
  if (Reason == pcrFullRefresh)
    BroadcastViewChange(nullptr);
  else
    NotifyChanged(ccrProviderChange);
}

void TJvDataConsumer::HandleServerItemChange(IInterface* Server, IJvDataItem* Item) {
  ForEachService([&](TJvDataConsumerAggregatedObject* service) { service->ServerItemWasChanged(Server, Item); });
}

void TJvDataConsumer::LinkAdded(IInterface* Server) { FServerList.emplace_back(Server); }

void TJvDataConsumer::LinkRemoved(IInterface* Server) {
  std::erase_if(FServerList, [&](const auto& server) { return server.Get() == Server; });
}

// ---------------------------------------------------------------- services

bool TJvDataConsumerAggregatedObject::CanExtend(TExtensibleInterfacedPersistent* AOwner) const {
  return dynamic_cast<TJvDataConsumer*>(AOwner) != nullptr;
}

void TJvDataConsumerAggregatedObject::ReportChange(TJvDataConsumerChangeReason Reason) {
  StreamedInWithoutProvider = !ConsumerImpl()->ProviderIntf();
  ConsumerImpl()->NotifyChanged(Reason);
}

void TJvDataConsumerAggregatedObject::RequestFixups() {
  ConsumerImpl()->RequestFixups();
  StreamedInWithoutProvider = true;
}

IJvDataItems* TJvDataConsumerAggregatedObject::RootItemList() const {
  TJvDataConsumer* consumer = ConsumerImpl();
  if (const auto select = Supports<IJvDataConsumerItemSelect>(static_cast<IJvDataConsumer*>(consumer), IID_IJvDataConsumerItemSelect))
    if (IJvDataItem* item = select->GetItemIntf()) return SubItemsOf(item);
  return consumer->ProviderIntf() ? consumer->ProviderIntf()->GetItems() : nullptr;
}

const TPropTable* TJvDataConsumerItemSelect::PublishedTable(TPublishedTag<TJvDataConsumerItemSelect>) {
  using T = TJvDataConsumerItemSelect;
  static const TPropTable table =
      TPublished<T>().Property(L"Item", &T::Item, static_cast<void (T::*)(const TJvDataItemID&)>(&T::SetItem)).Build();
  return &table;
}

bool TJvDataConsumerItemSelect::GetInterface(REFIID IID, void** Obj) {
  return IID == IID_IJvDataConsumerItemSelect && AnswerInterface(static_cast<IJvDataConsumerItemSelect*>(this), Obj);
}

TJvDataItemID TJvDataConsumerItemSelect::Item() const { return FItem ? FItem->GetID() : FItemID; }

void TJvDataConsumerItemSelect::SetItem(const TJvDataItemID& Value) {
  if (FItem && Value == FItem->GetID()) return;
  if (Value.empty()) return SetItemIntf(nullptr);
  TJvDataConsumer* consumer = ConsumerImpl();
  if (!consumer->ProviderIntf()) {
    const TComponent* owner = consumer->Owner();
    if (!owner || !owner->ComponentState().Contains(csLoading))
      throw EJVCLDataConsumer(L"You must specify a provider before setting the item");
    FItemID = Value;
    RequestFixups();
    return;
  }
  IJvDataItem* found = nullptr;
  {
    const TConsumerScope scope(consumer);
    if (const auto search = Supports<IJvDataIDSearch>(consumer->ProviderIntf(), IID_IJvDataIDSearch))
      found = search->SearchByID(Value, true);
  }
  if (!found) throw EJVCLDataConsumer(L"Item not found in the selected context");
  FItemID.clear();
  SetItemIntf(found);
}

void TJvDataConsumerItemSelect::SetItemIntf(IJvDataItem* Value) {
  if (Value == FItem) return;
  FItem = Value;
  ReportViewChange();
}

namespace {

// Whether Item goes with what a notice announces: a deleted item (the item
// itself or one of its ancestors) or a list being cleared (the item's own
// list or one holding an ancestor).
bool GoesWith(IJvDataItem* Item, TDataProviderChangeReason Reason, IInterface* Source) {
  const auto deleted = Supports<IJvDataItem>(Reason == pcrDelete ? Source : nullptr, IID_IJvDataItem);
  const auto cleared = Supports<IJvDataItems>(Reason == pcrUpdateItems ? Source : nullptr, IID_IJvDataItems);
  if (!deleted && !cleared) return false;
  for (IJvDataItem* item = Item; item;) {
    IJvDataItems* list = item->GetItems();
    if (item == deleted.Get() || (list && list == cleared.Get())) return true;
    item = list ? list->GetParent() : nullptr;
  }
  return false;
}

}  // namespace

void TJvDataConsumerItemSelect::ProviderDataChanging(IJvDataProvider*, TDataProviderChangeReason Reason,
                                                     IInterface* Source) {
  if (!FItem || (Reason != pcrDelete && Reason != pcrUpdateItems)) return;
  const TConsumerScope scope(ConsumerImpl());
  if (!GoesWith(FItem, Reason, Source)) return;
  FItem = nullptr;
  FSelectionGone = true;
}

// Views rooted at the item that went show what is left, now that it is gone.
void TJvDataConsumerItemSelect::ProviderDataChanged(IJvDataProvider*, TDataProviderChangeReason, IInterface*) {
  if (std::exchange(FSelectionGone, false)) ReportViewChange();
}

// ---------------------------------------------------------------- registration

namespace {

const TUnitVersionInfo UnitVersioning = UclUnitVersionInfo(UclCommonSource);

const std::initializer_list<TClass> StreamedClasses{
    TJvDataItemsList::StaticClass(),           TJvCustomDataItemsImages::StaticClass(),
    TJvCustomDataItemsTextRenderer::StaticClass(), TJvBaseDataItemsListManagement::StaticClass(),
    TJvBaseDataItem::StaticClass(),
    TJvDataItemTextImpl::StaticClass(),        TJvDataItemImageImpl::StaticClass(),
    TJvDataItemContextTextImpl::StaticClass(), TJvDataItemBlockableTextImpl::StaticClass(),
    TJvDataConsumer::StaticClass(),            TJvDataConsumerItemSelect::StaticClass(),
    TJvDataContexts::StaticClass(),            TJvDataContext::StaticClass(),
    TJvManagedDataContext::StaticClass(),      TJvFixedDataContext::StaticClass(),
};

void JvDataProviderInitialize() {
  // Found by name wherever controls are streamed.
  GroupDescendentsWith(TExtensibleInterfacedPersistent::StaticClass(), TControl::StaticClass());
  GroupDescendentsWith(TAggregatedPersistent::StaticClass(), TControl::StaticClass());
  RegisterClasses(StreamedClasses);
  AddUnitVersionRecord(UclModuleInstance(), &UnitVersioning);
}

void JvDataProviderFinalize() {
  RemoveUnitVersionRecord(UclModuleInstance());
  for (TClass streamed : StreamedClasses) UnRegisterClass(streamed);
}

}  // namespace

const TUnitEntry JvDataProviderUnit{L"JvDataProvider", JvDataProviderInitialize, JvDataProviderFinalize};
