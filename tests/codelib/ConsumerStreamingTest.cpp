// A consumer streamed with the control that embeds it: its provider is
// written as the name of the component that stands for it and found again
// when the stream is read back, with the context and the selected item.
#include <gtest/gtest.h>

#include "tests/codelib/TestProvider.h"
#include "vcl/rtl/ClassRegistry.h"

namespace {

// A component that stands for a provider, as provider components do: it
// answers for the provider's interfaces.
class TProviderComponent : public TComponent {
  VCL_COMPONENT_CLASS(TProviderComponent, TComponent)
public:
  explicit TProviderComponent(TComponent* AOwner)
      : TComponent(AOwner), FProvider(TTestProvider::Create({{L"A", L""}, {L"A1", L"A"}, {L"B", L""}})) {
    Test()->Component = this;
    Test()->AddContext(L"First");
    Test()->AddContext(L"Second");
    Test()->ServiceClasses = {TJvDataConsumerItemSelect::StaticClass()};
  }
  ~TProviderComponent() override { Test()->Component = nullptr; }
  bool GetInterface(REFIID IID, void** Obj) override { return FProvider->QueryInterface(IID, Obj) == S_OK; }
  IJvDataProvider* Provider() const { return FProvider.Get(); }
  TTestProvider* Test() const { return TTestProvider::Of(FProvider); }

private:
  TInterfaceRef<IJvDataProvider> FProvider;
};

// A control's stand-in: it embeds a consumer and publishes it.
class TConsumerComponent : public TComponent {
  VCL_COMPONENT_CLASS(TConsumerComponent, TComponent)
  VCL_PUBLISHED(TConsumerComponent)
public:
  explicit TConsumerComponent(TComponent* AOwner)
      : TComponent(AOwner), FConsumer(std::make_unique<TJvDataConsumer>(this, std::vector<int>{})) {}
  TJvDataConsumer* Consumer() const { return FConsumer.get(); }
  void Loaded() override {
    TComponent::Loaded();
    FConsumer->Loaded();
  }
  TJvDataConsumerItemSelect* ItemSelect() const {
    const int index = FConsumer->ExtensionIndexOfClass(TJvDataConsumerItemSelect::StaticClass());
    return index < 0 ? nullptr : static_cast<TJvDataConsumerItemSelect*>(FConsumer->Extension(index));
  }

private:
  std::unique_ptr<TJvDataConsumer> FConsumer;
};

const TPropTable* TConsumerComponent::PublishedTable(TPublishedTag<TConsumerComponent>) {
  static const TPropTable table =
      TPublished<TConsumerComponent>().Property(L"Provider", &TConsumerComponent::Consumer).Build();
  return &table;
}

class ConsumerStreamingTest : public ::testing::Test {
protected:
  void SetUp() override {
    for (TClass streamed : Classes()) RegisterClass(streamed);
  }
  void TearDown() override {
    for (TClass streamed : Classes()) UnRegisterClass(streamed);
  }
  static std::vector<TClass> Classes() {
    return {TStreamRoot::StaticClass(), TProviderComponent::StaticClass(), TConsumerComponent::StaticClass()};
  }

  // A root holding "Provider1" and "List1"; List1's consumer uses
  // Provider1 when WithProvider is set.
  static std::unique_ptr<TStreamRoot> MakeRoot(bool WithProvider) {
    auto root = std::make_unique<TStreamRoot>(nullptr);
    root->SetName(L"Root");
    auto* provider = new TProviderComponent(root.get());
    provider->SetName(L"Provider1");
    auto* list = new TConsumerComponent(root.get());
    list->SetName(L"List1");
    if (WithProvider) {
      list->Consumer()->SetProviderIntf(provider->Provider());
      list->Consumer()->SetContext(L"Second");
      list->ItemSelect()->SetItem(L"A1");
    }
    return root;
  }
};

TEST_F(ConsumerStreamingTest, AConsumerIsReadBackWithItsProviderContextAndItem) {
  const auto read = StreamedCopy(MakeRoot(true).get());
  auto* provider = dynamic_cast<TProviderComponent*>(read->FindComponent(L"Provider1"));
  auto* list = dynamic_cast<TConsumerComponent*>(read->FindComponent(L"List1"));
  ASSERT_TRUE(provider && list);
  EXPECT_EQ(provider->Provider(), list->Consumer()->ProviderIntf());
  EXPECT_EQ(L"Second", list->Consumer()->Context());
  ASSERT_NE(nullptr, list->ItemSelect());
  EXPECT_EQ(L"A1", list->ItemSelect()->Item());
  EXPECT_EQ(provider->Test()->Find(L"A1"), list->ItemSelect()->GetItemIntf());

  // The consumer read back listens to its provider.
  int changes = 0;
  list->Consumer()->OnChanged = [&](TJvDataConsumer*, TJvDataConsumerChangeReason) { ++changes; };
  provider->Test()->AddItem(L"C", L"");
  EXPECT_GT(changes, 0);
}

TEST_F(ConsumerStreamingTest, AConsumerWithoutProviderIsReadBackWithoutOne) {
  const auto read = StreamedCopy(MakeRoot(false).get());
  auto* list = dynamic_cast<TConsumerComponent*>(read->FindComponent(L"List1"));
  ASSERT_NE(nullptr, list);
  EXPECT_EQ(nullptr, list->Consumer()->ProviderIntf());
  EXPECT_EQ(L"", list->Consumer()->Context());
}

TEST_F(ConsumerStreamingTest, TheProviderPropertyTakesOnlyAnObjectThatIsAProvider) {
  const auto root = MakeRoot(false);
  auto* provider = dynamic_cast<TProviderComponent*>(root->FindComponent(L"Provider1"));
  auto* list = dynamic_cast<TConsumerComponent*>(root->FindComponent(L"List1"));
  PPropInfo prop = GetPropInfo(list->Consumer(), L"Provider");
  ASSERT_NE(nullptr, prop);
  EXPECT_EQ(tkInterface, prop->PropType->Kind);

  SetInterfaceProp(list->Consumer(), prop, provider->Provider());
  EXPECT_EQ(provider->Provider(), list->Consumer()->ProviderIntf());
  EXPECT_EQ(static_cast<IInterface*>(provider->Provider()), GetInterfaceProp(list->Consumer(), prop));
  try {
    SetInterfaceProp(list->Consumer(), prop, provider->Provider()->GetItems());
    FAIL() << "an item list is no provider";
  } catch (const EPropertyConvertError& e) {
    EXPECT_EQ(L"Invalid property value: the object does not offer IJvDataProvider", e.Message());
  }
  EXPECT_EQ(provider->Provider(), list->Consumer()->ProviderIntf());
  SetInterfaceProp(list->Consumer(), prop, nullptr);
  EXPECT_EQ(nullptr, list->Consumer()->ProviderIntf());
}

}  // namespace
