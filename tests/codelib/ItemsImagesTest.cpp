// The image lists of an item list: announced changes, lists that go away,
// and their streaming with the item list.
#include <gtest/gtest.h>

#include "tests/codelib/TestProvider.h"
#include "vcl/rtl/ClassRegistry.h"

namespace {

TJvCustomDataItemsImages* AddImages(IJvDataItems* Items) {
  return static_cast<TJvCustomDataItemsImages*>(CreateExtension(
      TJvCustomDataItemsImages::StaticClass(), static_cast<TExtensibleInterfacedPersistent*>(Items->GetImplementer())));
}

TEST(ItemsImages, EachChangeIsAnnouncedWithTheList) {
  const auto provider = TTestProvider::Create({{L"A", L""}});
  TTestProvider* test = TTestProvider::Of(provider);
  IJvDataItems* items = provider->GetItems();
  AddImages(items);
  const auto images = Supports<IJvDataItemsImages>(items, IID_IJvDataItemsImages);
  ASSERT_TRUE(images);

  TCustomImageList normal(nullptr), hot(nullptr), disabled(nullptr);
  images->SetImages(&normal);
  images->SetHotImages(&hot);
  images->SetDisabledImages(&disabled);
  EXPECT_EQ(&normal, images->GetImages());
  EXPECT_EQ(&hot, images->GetHotImages());
  EXPECT_EQ(&disabled, images->GetDisabledImages());
  ASSERT_EQ(6u, test->Notices.size());
  for (size_t i = 0; i < test->Notices.size(); ++i) {
    EXPECT_EQ(i % 2 == 0, test->Notices[i].Before);
    EXPECT_EQ(pcrUpdateItems, test->Notices[i].Reason);
    EXPECT_EQ(static_cast<IInterface*>(items), test->Notices[i].Source);
  }
  test->Notices.clear();
  images->SetImages(&normal);
  EXPECT_TRUE(test->Notices.empty()) << "the same list again is no change";
  images->SetImages(nullptr);
  EXPECT_EQ(nullptr, images->GetImages());
  EXPECT_EQ(2u, test->Notices.size());
}

TEST(ItemsImages, AListThatIsDestroyedReadsAsNone) {
  const auto provider = TTestProvider::Create();
  TJvCustomDataItemsImages* images = AddImages(provider->GetItems());
  {
    TCustomImageList gone(nullptr);
    images->SetHotImages(&gone);
    EXPECT_EQ(&gone, images->HotImages());
  }
  EXPECT_EQ(nullptr, images->HotImages());
  TCustomImageList next(nullptr);
  images->SetHotImages(&next);
  EXPECT_EQ(&next, images->HotImages());
}

// A component that publishes an item list of its own, as a provider
// component does.
class TItemsHolder : public TComponent {
  VCL_COMPONENT_CLASS(TItemsHolder, TComponent)
  VCL_PUBLISHED(TItemsHolder)
public:
  explicit TItemsHolder(TComponent* AOwner) : TComponent(AOwner), FItems(NewItemsList(nullptr, nullptr)) {}
  TJvDataItemsList* Data() const { return static_cast<TJvDataItemsList*>(FItems->GetImplementer()); }
  TJvCustomDataItemsImages* Images() const {
    const int index = Data()->ExtensionIndexOfClass(TJvCustomDataItemsImages::StaticClass());
    return index < 0 ? nullptr : static_cast<TJvCustomDataItemsImages*>(Data()->Extension(index));
  }

private:
  TInterfaceRef<IJvDataItems> FItems;
};

const TPropTable* TItemsHolder::PublishedTable(TPublishedTag<TItemsHolder>) {
  static const TPropTable table = TPublished<TItemsHolder>().Property(L"Data", &TItemsHolder::Data).Build();
  return &table;
}

TEST(ItemsImages, TheListsAreStreamedWithTheItemList) {
  const std::vector<TClass> classes{TItemsHolder::StaticClass(), TCustomImageList::StaticClass()};
  for (TClass streamed : classes) RegisterClass(streamed);
  TStreamRoot original(nullptr);
  original.SetName(L"Root");
  auto* normal = new TCustomImageList(&original);
  normal->SetName(L"Normal1");
  auto* hot = new TCustomImageList(&original);
  hot->SetName(L"Hot1");
  auto* holder = new TItemsHolder(&original);
  holder->SetName(L"Holder1");
  AddImages(holder->Data());
  holder->Images()->SetImages(normal);
  holder->Images()->SetHotImages(hot);

  const auto read = StreamedCopy(&original);
  for (TClass streamed : classes) UnRegisterClass(streamed);
  auto* readHolder = dynamic_cast<TItemsHolder*>(read->FindComponent(L"Holder1"));
  ASSERT_NE(nullptr, readHolder);
  ASSERT_NE(nullptr, readHolder->Images()) << "made from its registered class";
  EXPECT_EQ(read->FindComponent(L"Normal1"), readHolder->Images()->Images());
  EXPECT_EQ(read->FindComponent(L"Hot1"), readHolder->Images()->HotImages());
  EXPECT_EQ(nullptr, readHolder->Images()->DisabledImages());
}

}  // namespace
