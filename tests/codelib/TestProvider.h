#pragma once
// A data provider for the tests: a tree of text items built from a table,
// optional contexts, and a log of the change notices it passes on.
#include <vector>

#include "codelib/JvDataConsumer.h"
#include "codelib/JvDataItemAspects.h"
#include "vcl/classes/Component.h"

struct TTestNode {
  const wchar_t* ID;
  const wchar_t* ParentID;  // empty for a top-level item
};

struct TNotice {
  bool Before;
  TDataProviderChangeReason Reason;
  IInterface* Source;
};

// Answers for the component it stands for, when it has one.
class TTestProvider : public TExtensibleInterfacedPersistent,
                      public IJvDataProvider,
                      public IInterfaceComponentReference {
  VCL_CLASS(TTestProvider, TExtensibleInterfacedPersistent)
public:
  TTestProvider();
  ~TTestProvider() override;
  // A provider held by the returned reference.
  static TInterfaceRef<IJvDataProvider> Create(std::initializer_list<TTestNode> Tree = {});
  static TTestProvider* Of(const TInterfaceRef<IJvDataProvider>& Provider);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID IID, void** Obj) override {
    return TExtensibleInterfacedPersistent::QueryInterface(IID, Obj);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return TExtensibleInterfacedPersistent::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return TExtensibleInterfacedPersistent::Release(); }

  IJvDataItems* GetItems() override { return FRoot.Get(); }
  void RegisterChangeNotify(IJvDataProviderNotify* Notify) override { FListeners.push_back(Notify); }
  void UnregisterChangeNotify(IJvDataProviderNotify* Notify) override { std::erase(FListeners, Notify); }
  void Changing(TDataProviderChangeReason Reason, IInterface* Source) override;
  void Changed(TDataProviderChangeReason Reason, IInterface* Source) override;
  void SelectConsumer(IJvDataConsumer* Consumer) override { FConsumers.push_back(Consumer); }
  IJvDataConsumer* SelectedConsumer() override { return FConsumers.empty() ? nullptr : FConsumers.back(); }
  void ReleaseConsumer() override { FConsumers.pop_back(); }
  void SelectContext(IJvDataContext* Context) override { FContextStack.push_back(Context); }
  IJvDataContext* SelectedContext() override { return FContextStack.empty() ? nullptr : FContextStack.back(); }
  void ReleaseContext() override { FContextStack.pop_back(); }
  TClassArray ConsumerClasses() override { return ServiceClasses; }
  TComponent* GetComponent() override { return Component; }

  // Adds a text item (its text is its ID) under the item ParentID.
  IJvDataItem* AddItem(const String& ID, const String& ParentID, TClass ItemClass = TJvBaseDataItem::StaticClass());
  IJvDataItem* Find(const String& ID) { return ScanItemsForID(GetItems(), ID, true); }
  // A top context list (made on first use) and contexts under a context.
  IJvDataContext* AddContext(const String& Name, IJvDataContext* Ancestor = nullptr);
  int SelectionDepth() const { return static_cast<int>(FConsumers.size() + FContextStack.size()); }

  std::vector<TNotice> Notices;
  TClassArray ServiceClasses;
  TComponent* Component = nullptr;

protected:
  bool GetOwnInterface(REFIID IID, void** Obj) override;

private:
  TInterfaceRef<IJvDataItems> FRoot;
  TInterfaceRef<IJvDataContexts> FContexts;
  std::vector<TInterfaceRef<IJvDataContexts>> FSubContexts;
  std::vector<IJvDataProviderNotify*> FListeners;
  std::vector<IJvDataConsumer*> FConsumers;
  std::vector<IJvDataContext*> FContextStack;
};

// A new list of items under Parent (or the provider's root list), with
// its list management.
TJvDataItemsList* NewItemsList(IJvDataProvider* Provider, IJvDataItem* Parent);
// The text of an item's text aspect.
String TextOf(IJvDataItem* Item);

// A root that streams the components it owns as its children.
class TStreamRoot : public TComponent {
  VCL_COMPONENT_CLASS(TStreamRoot, TComponent)
public:
  using TComponent::TComponent;
  void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) override {
    for (int i = 0; i < ComponentCount(); ++i) Proc(Components(i));
  }
};
// Original written to a stream and read back into a new root (the classes
// of its components registered).
std::unique_ptr<TStreamRoot> StreamedCopy(TComponent* Original);
