// Contexts, consumers with a provider and its notices, item selection,
// and the text, image and rendering aspects of items.
#include <gtest/gtest.h>

#include "tests/codelib/TestProvider.h"
#include "vcl/classes/Component.h"
#include "vcl/graphics/Bitmap.h"

namespace {

// A control whose loading a test can start and end.
class TLoadingComponent : public TComponent {
  VCL_COMPONENT_CLASS(TLoadingComponent, TComponent)
public:
  explicit TLoadingComponent(TComponent* AOwner) : TComponent(AOwner) {}
  void SetLoading(bool Value) { SetComponentStateItem(csLoading, Value); }
};

// A service the provider asks its consumers to carry.
class TCountingService : public TJvDataConsumerAggregatedObject {
  VCL_CREATABLE_CLASS(TCountingService, TJvDataConsumerAggregatedObject)
public:
  TCountingService() = default;
  void ProviderDataChanged(IJvDataProvider*, TDataProviderChangeReason, IInterface*) override { ++Changes; }
  int Changes = 0;
};

}  // namespace

TEST(DataConsumerTest, ContextsAreFoundByNamePath) {
  const auto provider = TTestProvider::Create();
  TTestProvider* test = TTestProvider::Of(provider);
  IJvDataContext* a = test->AddContext(L"A");
  IJvDataContext* b = test->AddContext(L"B", a);
  test->AddContext(L"C");
  IJvDataContexts* top = a->Contexts();
  IJvDataContexts* underA = b->Contexts();
  EXPECT_EQ(a, underA->Ancestor());
  EXPECT_EQ(b, underA->GetContextByName(L"b"));
  EXPECT_EQ(a, underA->GetContextByName(L"../A"));
  EXPECT_EQ(nullptr, top->GetContextByName(L"../A"));  // the top list has no ancestor
  EXPECT_EQ(test->Find(L"x"), nullptr);
  EXPECT_EQ(L"C", underA->GetContextByName(L"/C")->Name());
  EXPECT_EQ(nullptr, top->GetContextByName(L"missing"));
  EXPECT_THROW(test->AddContext(L"a"), EJVCLDataContexts);
  EXPECT_THROW(new TJvDataContext(nullptr, L"X"), EJVCLDataContexts);
}

TEST(DataConsumerTest, AProviderWithContextsSelectsItsFirstOne) {
  const auto provider = TTestProvider::Create({{L"A", L""}});
  TTestProvider* test = TTestProvider::Of(provider);
  test->AddContext(L"First");
  test->AddContext(L"Second");
  TJvDataConsumer consumer(nullptr, {});
  std::vector<TJvDataConsumerChangeReason> changes;
  consumer.OnChanged = [&](TJvDataConsumer*, TJvDataConsumerChangeReason Reason) { changes.push_back(Reason); };

  consumer.SetProviderIntf(provider.Get());
  EXPECT_EQ(L"First", consumer.Context());
  EXPECT_FALSE(consumer.ContextIsStored());
  EXPECT_EQ(ccrProviderSelect, changes.back());
  consumer.SetContext(L"Second");
  EXPECT_TRUE(consumer.ContextIsStored());
  EXPECT_EQ(ccrContextChange, changes.back());
  try {
    consumer.SetContext(L"Third");
    ADD_FAILURE() << "no exception";
  } catch (const EJVCLDataConsumer& e) {
    EXPECT_EQ(L"Provider has no context named \"Third\"", e.Message());
  }
  EXPECT_EQ(L"Second", consumer.Context());

  // The provider's notices reach the consumer until it lets go.
  changes.clear();
  test->AddItem(L"B", L"");
  EXPECT_EQ(std::vector{ccrProviderChange}, changes);
  consumer.SetProviderIntf(nullptr);
  changes.clear();
  test->AddItem(L"C", L"");
  EXPECT_TRUE(changes.empty());
  EXPECT_EQ(0, test->SelectionDepth());
}

TEST(DataConsumerTest, AContextSetWhileLoadingWaitsForTheProvider) {
  const auto provider = TTestProvider::Create();
  TTestProvider::Of(provider)->AddContext(L"First");
  TTestProvider::Of(provider)->AddContext(L"Second");
  TLoadingComponent control(nullptr);
  TJvDataConsumer consumer(&control, {});
  EXPECT_THROW(consumer.SetContext(L"Second"), EJVCLDataConsumer);
  control.SetLoading(true);
  consumer.SetContext(L"Second");
  consumer.SetProviderIntf(provider.Get());
  EXPECT_EQ(L"First", consumer.Context());
  control.SetLoading(false);
  consumer.Loaded();
  EXPECT_EQ(L"Second", consumer.Context());
  EXPECT_FALSE(consumer.IsLoading());
}

TEST(DataConsumerTest, ServicesAreMadeAsTheProviderAsksAndFreedWhenItGoes) {
  const auto provider = TTestProvider::Create({{L"A", L""}});
  TTestProvider* test = TTestProvider::Of(provider);
  test->ServiceClasses = {TCountingService::StaticClass()};
  TJvDataConsumer consumer(nullptr, {});
  int refused = 0;
  consumer.BeforeCreateSubSvc = [&](TJvDataConsumer*, TClass& ServiceClass) {
    if (refused++ == 0) ServiceClass = nullptr;
  };
  consumer.SetProviderIntf(provider.Get());
  EXPECT_EQ(-1, consumer.ExtensionIndexOfClass(TCountingService::StaticClass()));
  consumer.RefreshExtensions();  // asked again: now made
  const int index = consumer.ExtensionIndexOfClass(TCountingService::StaticClass());
  ASSERT_GE(index, 0);
  test->AddItem(L"B", L"");
  EXPECT_EQ(1, static_cast<TCountingService*>(consumer.Extension(index))->Changes);

  const auto other = TTestProvider::Create();
  consumer.SetProviderIntf(other.Get());  // the service does not survive the change
  EXPECT_EQ(-1, consumer.ExtensionIndexOfClass(TCountingService::StaticClass()));
}

TEST(DataConsumerTest, TheSelectedItemIsFoundByIDAndClearedWithItsAncestor) {
  const auto provider = TTestProvider::Create({{L"A", L""}, {L"A1", L"A"}, {L"A1a", L"A1"}, {L"B", L""}});
  TTestProvider* test = TTestProvider::Of(provider);
  test->ServiceClasses = {TJvDataConsumerItemSelect::StaticClass()};
  TJvDataConsumer consumer(nullptr, {});
  consumer.SetProviderIntf(provider.Get());
  auto* select = static_cast<TJvDataConsumerItemSelect*>(
      consumer.Extension(consumer.ExtensionIndexOfClass(TJvDataConsumerItemSelect::StaticClass())));
  select->SetItem(L"A1a");
  EXPECT_EQ(test->Find(L"A1a"), select->GetItemIntf());
  try {
    select->SetItem(L"Z");
    ADD_FAILURE() << "no exception";
  } catch (const EJVCLDataConsumer& e) {
    EXPECT_EQ(L"Item not found in the selected context", e.Message());
  }
  EXPECT_EQ(L"A1a", select->Item());
  EXPECT_EQ(0, test->SelectionDepth());

  Supports<IJvDataItemsManagement>(provider->GetItems(), IID_IJvDataItemsManagement)->Delete(1);  // B
  EXPECT_EQ(L"A1a", select->Item());
  Supports<IJvDataItemsManagement>(provider->GetItems(), IID_IJvDataItemsManagement)->Delete(0);  // A
  EXPECT_EQ(nullptr, select->GetItemIntf());
  EXPECT_EQ(L"", select->Item());
}

// Clearing a list frees its items: a selection in it, or under one of its
// items, goes as with a deletion; one elsewhere stays.
TEST(DataConsumerTest, ClearingTheListOfTheSelectedItemOrOfAnAncestorClearsTheSelection) {
  const struct {
    const wchar_t* Cleared;  // the parent of the cleared list; empty for the root list
    bool SelectionGoes;
  } cases[] = {{L"A1", true}, {L"A", true}, {L"", true}, {L"B", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(String(c.Cleared)));
    const auto provider =
        TTestProvider::Create({{L"A", L""}, {L"A1", L"A"}, {L"A1a", L"A1"}, {L"B", L""}, {L"B1", L"B"}});
    TTestProvider* test = TTestProvider::Of(provider);
    test->ServiceClasses = {TJvDataConsumerItemSelect::StaticClass()};
    TJvDataConsumer consumer(nullptr, {});
    consumer.SetProviderIntf(provider.Get());
    auto* select = static_cast<TJvDataConsumerItemSelect*>(
        consumer.Extension(consumer.ExtensionIndexOfClass(TJvDataConsumerItemSelect::StaticClass())));
    select->SetItem(L"A1a");

    IJvDataItems* list = *c.Cleared ? SubItemsOf(test->Find(c.Cleared)) : provider->GetItems();
    Supports<IJvDataItemsManagement>(list, IID_IJvDataItemsManagement)->Clear();

    ASSERT_EQ(c.SelectionGoes ? nullptr : test->Find(L"A1a"), select->GetItemIntf()) << "no freed item kept";
    EXPECT_EQ(c.SelectionGoes ? L"" : L"A1a", select->Item());
    EXPECT_EQ(0, test->SelectionDepth());
    consumer.SetProviderIntf(nullptr);
  }
}

TEST(DataConsumerTest, AnItemSetWhileLoadingIsFixedUpWithTheProvider) {
  const auto provider = TTestProvider::Create({{L"A", L""}, {L"A1", L"A"}});
  TTestProvider::Of(provider)->ServiceClasses = {TJvDataConsumerItemSelect::StaticClass()};
  TLoadingComponent control(nullptr);
  TJvDataConsumer consumer(&control, {});
  auto* select = static_cast<TJvDataConsumerItemSelect*>(
      CreateExtension(TJvDataConsumerItemSelect::StaticClass(), &consumer));
  EXPECT_THROW(select->SetItem(L"A1"), EJVCLDataConsumer);
  control.SetLoading(true);
  select->SetItem(L"A1");
  EXPECT_TRUE(select->StreamedInWithoutProvider);
  control.SetLoading(false);
  consumer.SetProviderIntf(provider.Get());
  EXPECT_EQ(TTestProvider::Of(provider)->Find(L"A1"), select->GetItemIntf());
  EXPECT_FALSE(consumer.IsLoading());
}

TEST(DataConsumerTest, TextsFollowTheSelectedContextAndItsAncestors) {
  const auto provider = TTestProvider::Create();
  TTestProvider* test = TTestProvider::Of(provider);
  IJvDataContext* a = test->AddContext(L"A");
  IJvDataContext* b = test->AddContext(L"B", a);
  auto* item = Constructed(new TJvBaseDataItem(provider->GetItems()));
  Supports<IJvDataItemsManagement>(provider->GetItems(), IID_IJvDataItemsManagement)->Add(item);
  CreateExtension(TJvDataItemContextTextImpl::StaticClass(), item);
  const auto text = Supports<IJvDataItemText>(static_cast<IJvDataItem*>(item), IID_IJvDataItemText);
  const auto sensitive = Supports<IJvDataContextSensitive>(static_cast<IJvDataItem*>(item), IID_IJvDataContextSensitive);
  text->SetCaption(L"plain");
  test->SelectContext(a);
  text->SetCaption(L"in A");
  test->ReleaseContext();
  EXPECT_EQ(L"plain", text->GetCaption());

  test->SelectContext(b);
  EXPECT_EQ(L"in A", text->GetCaption());
  EXPECT_TRUE(sensitive->IsEqualToAncestor());
  test->Notices.clear();
  text->SetCaption(L"in A");  // unchanged: no notice
  EXPECT_TRUE(test->Notices.empty());
  text->SetCaption(L"in B");
  EXPECT_EQ(2u, test->Notices.size());
  EXPECT_FALSE(sensitive->IsEqualToAncestor());
  EXPECT_FALSE(item->IsEqualToAncestor());
  test->ReleaseContext();
  test->SelectContext(a);
  EXPECT_EQ(L"in A", text->GetCaption());
  test->ReleaseContext();
  test->SelectContext(b);
  item->RevertToAncestor();
  EXPECT_EQ(L"in A", text->GetCaption());
  test->ReleaseContext();
}

TEST(DataConsumerTest, AReadOnlyTextCannotBeChanged) {
  const auto provider = TTestProvider::Create();
  auto* item = Constructed(new TJvBaseDataItem(provider->GetItems()));
  Supports<IJvDataItemsManagement>(provider->GetItems(), IID_IJvDataItemsManagement)->Add(item);
  auto* blockable = static_cast<TJvDataItemBlockableTextImpl*>(
      CreateExtension(TJvDataItemBlockableTextImpl::StaticClass(), item));
  blockable->SetText(L"fixed");
  blockable->SetReadOnly(true);
  EXPECT_FALSE(blockable->TextIsEditable());
  EXPECT_THROW(blockable->SetText(L"changed"), EJVCLDataItems);
  EXPECT_EQ(L"fixed", blockable->Text());
  blockable->SetReadOnly(false);
  blockable->SetText(L"changed");
  EXPECT_EQ(L"changed", blockable->Text());
}

TEST(DataConsumerTest, TheTextRendererMeasuresAndDrawsItems) {
  const auto provider = TTestProvider::Create({{L"Wide text", L""}});
  auto* withoutText = Constructed(new TJvBaseDataItem(provider->GetItems()));
  Supports<IJvDataItemsManagement>(provider->GetItems(), IID_IJvDataItemsManagement)->Add(withoutText);
  auto* list = static_cast<TJvBaseDataItems*>(provider->GetItems()->GetImplementer());
  auto* renderer = static_cast<TJvCustomDataItemsTextRenderer*>(
      CreateExtension(TJvCustomDataItemsTextRenderer::StaticClass(), list));
  TBitmap bitmap;
  bitmap.SetSize(300, 40);
  TCanvas* canvas = bitmap.Canvas();
  EXPECT_EQ(canvas->TextExtent(L"WyWyWyWyWyWyWyWyWyWy").cx, renderer->MeasureByIndex(canvas, -1).cx);
  EXPECT_EQ(canvas->TextExtent(L"Wide text").cx, renderer->MeasureByIndex(canvas, 0).cx);
  EXPECT_EQ(canvas->TextExtent(L"(item does not support the IJvDataItemText interface)").cx,
            renderer->MeasureByIndex(canvas, 1).cx);
  try {
    renderer->MeasureByIndex(canvas, 2);
    ADD_FAILURE() << "no exception";
  } catch (const EJVCLDataItems& e) {
    EXPECT_EQ(L"List index out of bounds (2)", e.Message());
  }
  TRect rect(0, 0, 300, 40);
  canvas->Brush()->SetColor(clWhite);
  canvas->FillRect(rect);
  canvas->Font()->SetColor(clBlack);
  renderer->DrawByIndex(canvas, rect, 0, {});
  int dark = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 300; ++x) dark += (GetPixel(canvas->Handle(), x, y) & 0xFFFFFF) == 0;
  EXPECT_GT(dark, 20);
  EXPECT_THROW(renderer->DrawByIndex(canvas, rect, -1, {}), EJVCLDataItems);
}
