#pragma once
// Contexts, named variants of a provider's data, and the consumer: the
// object a control embeds to use a provider. It holds the provider and the
// selected context, listens to the provider's changes, carries services
// (item selection, a flattened view list) and turns everything into change
// events for its control.
#include <functional>

#include "codelib/JvDataItems.h"

class TComponent;

// ---------------------------------------------------------------- contexts

class TJvBaseDataContexts : public TExtensibleInterfacedPersistent, public IJvDataContexts {
  VCL_CLASS(TJvBaseDataContexts, TExtensibleInterfacedPersistent)
public:
  // With a ManagerClass, the list gets a manager extension of that class.
  TJvBaseDataContexts(IJvDataProvider* AProvider, TClass ManagerClass, IJvDataContext* AAncestor);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID IID, void** Obj) override {
    return TExtensibleInterfacedPersistent::QueryInterface(IID, Obj);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return TExtensibleInterfacedPersistent::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return TExtensibleInterfacedPersistent::Release(); }

  IJvDataProvider* Provider() override { return FProvider; }
  IJvDataContext* Ancestor() override { return FAncestor.Get(); }
  int GetCount() override { return ContextCount(); }
  IJvDataContext* GetContext(int Index) override { return ContextAt(Index); }
  IJvDataContext* GetContextByName(const String& Path) override { return ContextByPath(Path); }
  int IndexOf(IJvDataContext* Context) override { return IndexOfContext(Context); }

  virtual void AddContextEntry(IJvDataContext* Context) = 0;
  virtual void DeleteContextAt(int Index) = 0;
  virtual void RemoveContextEntry(IJvDataContext* Context) = 0;
  virtual void ClearContextEntries() = 0;
  virtual int ContextCount() = 0;
  virtual IJvDataContext* ContextAt(int Index) = 0;
  virtual IJvDataContext* ContextByPath(const String& Path);
  virtual int IndexOfContext(IJvDataContext* Context);

protected:
  bool GetOwnInterface(REFIID IID, void** Obj) override;

private:
  IJvDataProvider* FProvider;  // the provider owns its context lists
  TInterfaceRef<IJvDataContext> FAncestor;
};

class TJvDataContexts : public TJvBaseDataContexts {
  VCL_CLASS(TJvDataContexts, TJvBaseDataContexts)
public:
  using TJvBaseDataContexts::TJvBaseDataContexts;
  // Raises EJVCLDataContexts when another context has the name.
  void AddContextEntry(IJvDataContext* Context) override;
  void DeleteContextAt(int Index) override;
  void RemoveContextEntry(IJvDataContext* Context) override;
  void ClearContextEntries() override { FContexts.clear(); }
  int ContextCount() override { return static_cast<int>(FContexts.size()); }
  IJvDataContext* ContextAt(int Index) override { return FContexts.at(Index).Get(); }

private:
  std::vector<TInterfaceRef<IJvDataContext>> FContexts;
};

class TJvBaseDataContextsManager : public TAggregatedPersistentEx, public IJvDataContextsManager {
  VCL_CLASS(TJvBaseDataContextsManager, TAggregatedPersistentEx)
public:
  TJvBaseDataContextsManager() = default;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID IID, void** Obj) override {
    return TAggregatedPersistentEx::QueryInterface(IID, Obj);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return TAggregatedPersistentEx::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return TAggregatedPersistentEx::Release(); }
  bool GetInterface(REFIID IID, void** Obj) override;

  IJvDataContext* Add(IJvDataContext* Context) override;
  IJvDataContext* New() override { return NewContext(); }
  void Delete(IJvDataContext* Context) override;
  void Clear() override;

protected:
  virtual IJvDataContext* NewContext() = 0;

private:
  TJvBaseDataContexts* Contexts() const;
};

class TJvBaseDataContext : public TExtensibleInterfacedPersistent, public IJvDataContext {
  VCL_CLASS(TJvBaseDataContext, TExtensibleInterfacedPersistent)
public:
  // Raises EJVCLDataContexts without a list.
  TJvBaseDataContext(TJvBaseDataContexts* AContexts, const String& AName);
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID IID, void** Obj) override {
    return TExtensibleInterfacedPersistent::QueryInterface(IID, Obj);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return TExtensibleInterfacedPersistent::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return TExtensibleInterfacedPersistent::Release(); }

  TObject* GetImplementer() override { return this; }
  IJvDataContexts* Contexts() override { return FContexts; }
  String Name() override { return ContextName(); }
  // Raises EJVCLDataContexts when another context of the list has the name.
  virtual void RenameContext(const String& Value);
  bool CanDelete() override { return true; }
  virtual bool ContextIsStreamable() { return !CanDelete(); }

protected:
  virtual void StoreContextName(const String& Value) = 0;
  virtual String ContextName() = 0;
  bool GetOwnInterface(REFIID IID, void** Obj) override;
  void Init(const String& AName);

private:
  TJvBaseDataContexts* FContexts;
};

class TJvDataContext : public TJvBaseDataContext {
  VCL_CLASS(TJvDataContext, TJvBaseDataContext)
public:
  TJvDataContext(TJvBaseDataContexts* AContexts, const String& AName) : TJvBaseDataContext(AContexts, AName) {
    Init(AName);
  }

protected:
  void StoreContextName(const String& Value) override { FName = Value; }
  String ContextName() override { return FName; }

private:
  String FName;
};

// A context that can be renamed through IJvDataContextManager.
class TJvManagedDataContext : public TJvDataContext, public IJvDataContextManager {
  VCL_CLASS(TJvManagedDataContext, TJvDataContext)
public:
  using TJvDataContext::TJvDataContext;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID IID, void** Obj) override {
    return TJvDataContext::QueryInterface(IID, Obj);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return TJvDataContext::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return TJvDataContext::Release(); }
  void SetName(const String& Value) override { RenameContext(Value); }

protected:
  bool GetOwnInterface(REFIID IID, void** Obj) override;
};

// A context that cannot be deleted.
class TJvFixedDataContext : public TJvDataContext {
  VCL_CLASS(TJvFixedDataContext, TJvDataContext)
public:
  using TJvDataContext::TJvDataContext;
  bool CanDelete() override { return false; }
};

// ---------------------------------------------------------------- consumer

enum class TJvDataConsumerChangeReason { ccrProviderSelect, ccrProviderChange, ccrViewChange, ccrContextChange, ccrOther };
using enum TJvDataConsumerChangeReason;

class TJvDataConsumer;
class TJvDataConsumerAggregatedObject;
using TJvDataConsumerAggregatedObjectClass = TClass;
using TJvDataConsumerChangeEvent = std::function<void(TJvDataConsumer* Sender, TJvDataConsumerChangeReason Reason)>;
using TProviderNotifyEvent =
    std::function<void(IJvDataProvider* ADataProvider, TDataProviderChangeReason AReason, IInterface* Source)>;
using TBeforeCreateSubSvcEvent =
    std::function<void(TJvDataConsumer* Sender, TJvDataConsumerAggregatedObjectClass& SubSvcClass)>;
using TAfterCreateSubSvcEvent = std::function<void(TJvDataConsumer* Sender, TJvDataConsumerAggregatedObject* SubSvc)>;

// The attribute that asks for a view-list service.
constexpr int DataConsumerViewListAttribute = 3;

class TJvDataConsumer : public TExtensibleInterfacedPersistent,
                        public IJvDataConsumerClientNotify,
                        public IJvDataConsumerProvider,
                        public IJvDataProviderNotify,
                        public IJvDataConsumer {
  VCL_CLASS(TJvDataConsumer, TExtensibleInterfacedPersistent)
  VCL_PUBLISHED(TJvDataConsumer)
public:
  // AOwner is the control that embeds the consumer (not owned).
  TJvDataConsumer(TComponent* AOwner, const std::vector<int>& Attributes);
  ~TJvDataConsumer() override;

  // Not counted: the consumer lives as long as its control.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID IID, void** Obj) override {
    return TExtensibleInterfacedPersistent::QueryInterface(IID, Obj);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(-1); }
  ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(-1); }

  IJvDataProvider* ProviderIntf() const { return FProvider.Get(); }
  void SetProviderIntf(IJvDataProvider* Value);
  // The selected context's name; setting it selects the provider's context
  // of that name (deferred while the control loads without a provider).
  String Context() const;
  void SetContext(const String& Value);
  IJvDataContext* ContextIntf() const { return FContext.Get(); }
  void SetContextIntf(IJvDataContext* Value);
  bool ContextIsStored() const;

  // Bracket every walk over the provider's data.
  void Enter();
  void Leave();
  void ItemSelected(IJvDataItem* Item);
  bool IsLoading() const;
  // Called by the control once it finished loading.
  void Loaded();
  void AddAttribute(int Attr);
  bool HasAttribute(int Attr) const;
  TComponent* Owner() const { return FOwner; }
  // Every service but Source is told; then the control.
  void BroadcastViewChange(TJvDataConsumerAggregatedObject* Source);
  void NotifyChanging(TJvDataConsumerChangeReason Reason);
  void NotifyChanged(TJvDataConsumerChangeReason Reason);
  void RequestFixups() { FNeedFixups = true; }
  // The services, when the provider's data changed.
  void RefreshExtensions();

  TJvDataConsumerChangeEvent OnChanging, OnChanged;
  TProviderNotifyEvent OnProviderChanging, OnProviderChanged;
  TBeforeCreateSubSvcEvent BeforeCreateSubSvc;
  TAfterCreateSubSvcEvent AfterCreateSubSvc;

  // IJvDataProviderNotify
  void DataProviderChanging(IJvDataProvider* Provider, TDataProviderChangeReason Reason, IInterface* Source) override;
  void DataProviderChanged(IJvDataProvider* Provider, TDataProviderChangeReason Reason, IInterface* Source) override;
  IJvDataConsumer* Consumer() override { return this; }
  // IJvDataConsumer
  TComponent* VCLComponent() override { return FOwner; }
  bool AttributeApplies(int Attr) override { return HasAttribute(Attr); }
  // IJvDataConsumerProvider
  IJvDataProvider* GetProvider() override { return FProvider.Get(); }
  // IJvDataConsumerClientNotify
  void HandleServerItemChange(IInterface* Server, IJvDataItem* Item) override;
  void LinkAdded(IInterface* Server) override;
  void LinkRemoved(IInterface* Server) override;

protected:
  bool GetOwnInterface(REFIID IID, void** Obj) override;
  virtual void SubServiceCreated(TJvDataConsumerAggregatedObject* Service);

private:
  template <class F>
  void ForEachService(const F& Action);
  bool FixupsPending() const { return FNeedFixups || !FFixupContext.empty(); }
  bool NeedsExtensionFixups();
  bool NeedsContextFixup() const;
  void CompleteExtensionFixups();
  void CompleteContextFixup();
  void TellExtensionsChanging(bool Provider);
  void TellExtensionsChanged(bool Provider);
  TJvDataConsumerAggregatedObject* CreateService(TClass ServiceClass);
  bool OwnerIsLoading() const;

  TComponent* FOwner;
  std::vector<int> FAttrList;
  TInterfaceRef<IJvDataProvider> FProvider;
  TInterfaceRef<IJvDataContext> FContext;
  bool FNeedFixups = false;
  TJvDataContextID FFixupContext;
  std::vector<TInterfaceRef<IInterface>> FServerList;
};

// Enter and Leave of a consumer around a scope.
class TConsumerScope {
public:
  explicit TConsumerScope(TJvDataConsumer* Consumer) : FConsumer(Consumer) { FConsumer->Enter(); }
  ~TConsumerScope() noexcept(false) { FConsumer->Leave(); }
  TConsumerScope(const TConsumerScope&) = delete;
  TConsumerScope& operator=(const TConsumerScope&) = delete;

private:
  TJvDataConsumer* FConsumer;
};

// Selects the provider's consumer and context for a walk over its data.
void PushConsumerContext(IJvDataProvider* Provider, IJvDataConsumer* Consumer, IJvDataContext* Context);
void PopConsumerContext(IJvDataProvider* Provider);

// ---------------------------------------------------------------- consumer services

class TJvDataConsumerAggregatedObject : public TAggregatedPersistentEx {
  VCL_CLASS(TJvDataConsumerAggregatedObject, TAggregatedPersistentEx)
public:
  TJvDataConsumerAggregatedObject() = default;
  TJvDataConsumer* ConsumerImpl() const { return static_cast<TJvDataConsumer*>(Owner()); }
  bool CanExtend(TExtensibleInterfacedPersistent* AOwner) const override;

  virtual void ProviderDataChanging(IJvDataProvider* Provider, TDataProviderChangeReason Reason, IInterface* Source) {}
  virtual void ProviderDataChanged(IJvDataProvider* Provider, TDataProviderChangeReason Reason, IInterface* Source) {}
  virtual void ResolveFixup() {}
  virtual bool SurvivesProviderChange() { return false; }
  virtual bool SurvivesContextChange() { return true; }
  virtual void ViewWasChanged(TJvDataConsumerAggregatedObject* Extension) {}
  virtual void ItemWasSelected(IJvDataItem* Item) {}
  virtual void ServerItemWasChanged(IInterface* Server, IJvDataItem* Item) {}
  virtual void ProviderIsChanging() {}
  virtual void ProviderWasChanged() {}
  virtual void ContextIsChanging() {}
  virtual void ContextWasChanged() {}

  bool StreamedInWithoutProvider = false;

protected:
  void ReportChange(TJvDataConsumerChangeReason Reason);
  void ReportViewChange() { ConsumerImpl()->BroadcastViewChange(this); }
  void RequestFixups();
  // The selected item's sub-items when an item is selected, else the
  // provider's root list.
  IJvDataItems* RootItemList() const;
};

// The selected item of a consumer, kept by its ID while the provider is
// not there yet.
class TJvDataConsumerItemSelect : public TJvDataConsumerAggregatedObject, public IJvDataConsumerItemSelect {
  VCL_CREATABLE_CLASS(TJvDataConsumerItemSelect, TJvDataConsumerAggregatedObject)
  VCL_PUBLISHED(TJvDataConsumerItemSelect)
public:
  TJvDataConsumerItemSelect() = default;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID IID, void** Obj) override {
    return TJvDataConsumerAggregatedObject::QueryInterface(IID, Obj);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return TJvDataConsumerAggregatedObject::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return TJvDataConsumerAggregatedObject::Release(); }
  bool GetInterface(REFIID IID, void** Obj) override;

  TJvDataItemID Item() const;
  // Raises EJVCLDataConsumer without a provider (unless loading) or when
  // the provider has no item of that ID.
  void SetItem(const TJvDataItemID& Value);
  IJvDataItem* GetItemIntf() override { return FItem; }
  void SetItemIntf(IJvDataItem* Value) override;

  void ResolveFixup() override { SetItem(FItemID); }
  // An item that goes, deleted or in a cleared list, with the selected one
  // or an ancestor of it, clears the selection.
  void ProviderDataChanging(IJvDataProvider* Provider, TDataProviderChangeReason Reason, IInterface* Source) override;
  void ProviderDataChanged(IJvDataProvider* Provider, TDataProviderChangeReason Reason, IInterface* Source) override;

private:
  TJvDataItemID FItemID;
  IJvDataItem* FItem = nullptr;  // the provider's tree keeps it
  bool FSelectionGone = false;   // cleared by the notice in progress
};

// The class registrations of the framework.
extern const TUnitEntry JvDataProviderUnit;
