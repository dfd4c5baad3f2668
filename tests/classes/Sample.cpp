#include "Sample.h"

#include <set>

#include "vcl/rtl/Streams.h"

const TTypeInfo ShadeTypeInfo = EnumTypeInfo(L"TShade", {L"shLight", L"shMedium", L"shDark"});

const TPropTable* TPen2::PublishedTable(TPublishedTag<TPen2>) {
  static const TPropTable table = TPublished<TPen2>()
                                      .Property(L"Width", &TPen2::Width, &TPen2::Width)
                                      .Property(L"Style", &TPen2::Style, &TPen2::Style)
                                      .Build();
  return &table;
}

void TPen2::Assign(TPersistent* Source) {
  if (auto* pen = dynamic_cast<TPen2*>(Source)) {
    Width = pen->Width;
    Style = pen->Style;
  } else {
    TPersistent::Assign(Source);
  }
}

namespace {
std::set<const TSampleItem*>& LiveItems() {
  static std::set<const TSampleItem*> items;
  return items;
}
}  // namespace

const TPropTable* TSampleItem::PublishedTable(TPublishedTag<TSampleItem>) {
  static const TPropTable table = TPublished<TSampleItem>()
                                      .Property(L"Caption", &TSampleItem::Caption, &TSampleItem::Caption)
                                      .Property(L"Link", &TSampleItem::Link, &TSampleItem::SetLink)
                                      .Build();
  return &table;
}

TSampleItem::TSampleItem(TCollection* ACollection) : TCollectionItem(ACollection) { LiveItems().insert(this); }

TSampleItem::~TSampleItem() { LiveItems().erase(this); }

void TSampleItem::SetLink(TComponent* Value) {
  if (!LiveItems().contains(this)) {
    ++CallsOnFreedItems;
    return;
  }
  FLink = Value;
}

void TSampleItem::Assign(TPersistent* Source) {
  if (auto* item = dynamic_cast<TSampleItem*>(Source))
    Caption = item->Caption;
  else
    TCollectionItem::Assign(Source);
}

const TPropTable* TSample::PublishedTable(TPublishedTag<TSample>) {
  static const TPropTable table = TPublished<TSample>()
                                      .Property(L"Text", &TSample::Text, &TSample::SetText)
                                      .Property(L"Count", &TSample::Count, &TSample::Count)
                                      .Stored([](const TSample& s) { return s.Count != 0; })
                                      .Property(L"Big", &TSample::Big, &TSample::Big)
                                      .Property(L"Ratio", &TSample::Ratio, &TSample::Ratio)
                                      .Property(L"When", &TSample::When, &TSample::When, DateTimeTypeInfo())
                                      .Property(L"Enabled", &TSample::Enabled, &TSample::Enabled)
                                      .Property(L"Shade", &TSample::Shade, &TSample::Shade, &ShadeTypeInfo)
                                      .Property(L"Link", &TSample::Link, &TSample::SetLink)
                                      .Property(L"Pen", &TSample::Pen)
                                      .Property(L"Items", &TSample::Items)
                                      .Property(L"Version", &TSample::Version)
                                      .Build();
  return &table;
}

TSample::TSample(TComponent* AOwner)
    : TComponent(AOwner), FPen(new TPen2), FItems(new TOwnedCollection(this, TSampleItem::StaticClass())) {}

TSample::~TSample() {
  delete FItems;
  delete FPen;
}

void TSample::SetLink(TComponent* Value) {
  FLink = Value;
  if (Value) Value->FreeNotification(this);
}

void TSample::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FLink) FLink = nullptr;
}

void TSample::DefineProperties(TFiler* Filer) {
  TComponent::DefineProperties(Filer);
  Filer->DefineProperty(
      L"Secret", [this](TReader* Reader) { Reader->AssignJournaled(Secret, Reader->ReadString()); },
      [this](TWriter* Writer) { Writer->WriteString(Secret); }, !Secret.empty());
  Filer->DefineBinaryProperty(
      L"Blob",
      [this](TStream* Stream) {
        Blob.resize(static_cast<size_t>(Stream->Size()));
        Stream->ReadBuffer(Blob.data(), Stream->Size());
      },
      [this](TStream* Stream) { Stream->WriteBuffer(Blob.data(), static_cast<int64_t>(Blob.size())); },
      !Blob.empty());
}

void TSample::Loaded() {
  TComponent::Loaded();
  WasLoaded = true;
}
