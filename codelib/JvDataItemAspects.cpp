#include "codelib/JvDataItemAspects.h"

#include "vcl/classes/TypInfo.h"
#include "vcl/graphics/Canvas.h"

namespace {

// Announces a change of an item's aspect around Change.
template <class F>
void ChangeItem(IJvDataItem* Item, const F& Change) {
  IJvDataProvider* provider = ProviderOf(Item);
  if (provider) provider->Changing(pcrUpdateItem, Item);
  Change();
  if (provider) provider->Changed(pcrUpdateItem, Item);
}

}  // namespace

// ---------------------------------------------------------------- texts

bool TJvBaseDataItemTextImpl::GetInterface(REFIID IID, void** Obj) {
  return IID == IID_IJvDataItemText && AnswerInterface(static_cast<IJvDataItemText*>(this), Obj);
}

const TPropTable* TJvDataItemTextImpl::PublishedTable(TPublishedTag<TJvDataItemTextImpl>) {
  static const TPropTable table = TPublished<TJvDataItemTextImpl>()
                                      .Property(L"Text", &TJvDataItemTextImpl::Text, &TJvDataItemTextImpl::SetText)
                                      .Build();
  return &table;
}

void TJvDataItemTextImpl::SetCaption(const String& Value) {
  if (Value == FText) return;
  ChangeItem(Item(), [&] { FText = Value; });
}

const TPropTable* TJvDataItemBlockableTextImpl::PublishedTable(TPublishedTag<TJvDataItemBlockableTextImpl>) {
  static const TPropTable table =
      TPublished<TJvDataItemBlockableTextImpl>()
          .Property(L"ReadOnly", &TJvDataItemBlockableTextImpl::ReadOnly, &TJvDataItemBlockableTextImpl::SetReadOnly)
          .Build();
  return &table;
}

void TJvDataItemBlockableTextImpl::SetCaption(const String& Value) {
  if (FReadOnly && Value != FText) throw EJVCLDataItems(L"The item's text is read-only");
  TJvDataItemTextImpl::SetCaption(Value);
}

void TJvDataItemBlockableTextImpl::SetReadOnly(bool Value) {
  if (Value == FReadOnly) return;
  ChangeItem(Item(), [&] { FReadOnly = Value; });
}

bool TJvDataItemContextTextImpl::GetInterface(REFIID IID, void** Obj) {
  if (IID == IID_IJvDataContextSensitive) return AnswerInterface(static_cast<IJvDataContextSensitive*>(this), Obj);
  return TJvDataItemTextImpl::GetInterface(IID, Obj);
}

IJvDataContext* TJvDataItemContextTextImpl::CurrentContext() const {
  IJvDataProvider* provider = ProviderOf(Item());
  return provider ? provider->SelectedContext() : nullptr;
}

int TJvDataItemContextTextImpl::IndexOfContext(IJvDataContext* Context) const {
  if (!Context) return -1;
  for (int i = 0; i < FContextStrings.Count(); ++i)
    if (FContextStrings.Objects(i) == Context->GetImplementer()) return i;
  return -1;
}

String TJvDataItemContextTextImpl::GetCaption() {
  for (IJvDataContext* context = CurrentContext(); context;
       context = context->Contexts() ? context->Contexts()->Ancestor() : nullptr)
    if (const int index = IndexOfContext(context); index >= 0) return FContextStrings.Strings(index);
  return FText;
}

void TJvDataItemContextTextImpl::SetCaption(const String& Value) {
  IJvDataContext* context = CurrentContext();
  if (!context) return TJvDataItemTextImpl::SetCaption(Value);
  if (Value == GetCaption()) return;
  ChangeItem(Item(), [&] {
    if (const int index = IndexOfContext(context); index >= 0)
      FContextStrings.SetStrings(index, Value);
    else
      FContextStrings.AddObject(Value, context->GetImplementer());
  });
}

void TJvDataItemContextTextImpl::RevertToAncestor() {
  const int index = IndexOfContext(CurrentContext());
  if (index < 0) return;
  ChangeItem(Item(), [&] { FContextStrings.Delete(index); });
}

bool TJvDataItemContextTextImpl::IsEqualToAncestor() { return IndexOfContext(CurrentContext()) < 0; }

void TJvDataItemContextTextImpl::ContextGoing(IJvDataContext* Context) {
  // A context that goes takes its text along.
  if (const int index = IndexOfContext(Context); index >= 0) FContextStrings.Delete(index);
}

// ---------------------------------------------------------------- images

bool TJvBaseDataItemImageImpl::GetInterface(REFIID IID, void** Obj) {
  return IID == IID_IJvDataItemImage && AnswerInterface(static_cast<IJvDataItemImage*>(this), Obj);
}

namespace {
const TTypeInfo AlignmentTypeInfo = EnumTypeInfo(L"TAlignment", {L"taLeftJustify", L"taRightJustify", L"taCenter"});
}

const TPropTable* TJvDataItemImageImpl::PublishedTable(TPublishedTag<TJvDataItemImageImpl>) {
  using T = TJvDataItemImageImpl;
  static const TPropTable table = TPublished<T>()
                                      .Property(L"Alignment", &T::Alignment, &T::SetAlignment, &AlignmentTypeInfo)
                                      .Property(L"ImageIndex", &T::ImageIndex, &T::SetImageIndex)
                                      .Property(L"SelectedIndex", &T::SelectedIndex, &T::SetSelectedIndex)
                                      .Build();
  return &table;
}

void TJvDataItemImageImpl::SetAlignment(TAlignment Value) {
  if (Value != FAlignment) ChangeItem(Item(), [&] { FAlignment = Value; });
}

void TJvDataItemImageImpl::SetImageIndex(int Value) {
  if (Value != FImageIndex) ChangeItem(Item(), [&] { FImageIndex = Value; });
}

void TJvDataItemImageImpl::SetSelectedIndex(int Value) {
  if (Value != FSelectedIndex) ChangeItem(Item(), [&] { FSelectedIndex = Value; });
}

bool TJvBaseDataItemsImagesImpl::GetInterface(REFIID IID, void** Obj) {
  return IID == IID_IJvDataItemsImages && AnswerInterface(static_cast<IJvDataItemsImages*>(this), Obj);
}

const TPropTable* TJvCustomDataItemsImages::PublishedTable(TPublishedTag<TJvCustomDataItemsImages>) {
  using T = TJvCustomDataItemsImages;
  static const TPropTable table =
      TPublished<T>()
          .Property(L"DisabledImages", &T::DisabledImages, &T::SetDisabledImages)
          .Property(L"HotImages", &T::HotImages, &T::SetHotImages)
          .Property(L"Images", &T::Images, &T::SetImages)
          .Build();
  return &table;
}

void TJvCustomDataItemsImages::SetList(TChangeLink& Link, TCustomImageList* Value) {
  if (Value == Link.Sender()) return;
  IJvDataItems* items = Items();
  IJvDataProvider* provider = items ? items->GetProvider() : nullptr;
  if (provider) provider->Changing(pcrUpdateItems, items);
  if (Link.Sender()) Link.Sender()->UnRegisterChanges(&Link);
  if (Value) Value->RegisterChanges(&Link);
  if (provider) provider->Changed(pcrUpdateItems, items);
}

// ---------------------------------------------------------------- renderers

bool TJvBaseDataItemsRenderer::GetInterface(REFIID IID, void** Obj) {
  return IID == IID_IJvDataItemsRenderer && AnswerInterface(static_cast<IJvDataItemsRenderer*>(this), Obj);
}

namespace {

IJvDataItem* ItemAtIndex(IJvDataItems* Items, int Index) {
  if (Index < 0 || Index >= Items->GetCount()) throw EJVCLDataItems(Format(SListIndexError, {Index}));
  return Items->GetItem(Index);
}

}  // namespace

void TJvBaseDataItemsRenderer::DrawByIndex(TCanvas* Canvas, TRect& Rect, int Index, TProviderDrawStates State) {
  DrawOneItem(Canvas, Rect, ItemAtIndex(Items(), Index), State);
}

TSize TJvBaseDataItemsRenderer::MeasureByIndex(TCanvas* Canvas, int Index) {
  if (Index == -1) return AverageItemSize(Canvas);
  return MeasureOneItem(Canvas, ItemAtIndex(Items(), Index));
}

void TJvBaseDataItemsRenderer::DrawOneItem(TCanvas* Canvas, TRect& Rect, IJvDataItem* Item, TProviderDrawStates State) {
  if (const auto renderer = Supports<IJvDataItemRenderer>(Item, IID_IJvDataItemRenderer))
    renderer->Draw(Canvas, Rect, State);
  else
    PaintItemContent(Canvas, Rect, Item, State);
}

TSize TJvBaseDataItemsRenderer::MeasureOneItem(TCanvas* Canvas, IJvDataItem* Item) {
  if (const auto renderer = Supports<IJvDataItemRenderer>(Item, IID_IJvDataItemRenderer))
    return renderer->Measure(Canvas);
  return MeasureItemContent(Canvas, Item);
}

TSize TJvCustomDataItemsTextRenderer::AverageItemSize(TCanvas* Canvas) {
  return Canvas->TextExtent(L"WyWyWyWyWyWyWyWyWyWy");
}

void TJvCustomDataItemsTextRenderer::PaintItemContent(TCanvas* Canvas, TRect& Rect, IJvDataItem* Item,
                                                      TProviderDrawStates State) {
  TJvDP_ProviderTextOnlyRender::Draw(Item, Canvas, State, Rect);
}

TSize TJvCustomDataItemsTextRenderer::MeasureItemContent(TCanvas* Canvas, IJvDataItem* Item) {
  return TJvDP_ProviderTextOnlyRender::Measure(Item, Canvas, {});
}

void TJvDP_ProviderTextOnlyRender::Draw(IJvDataItem* Item, TCanvas* Canvas, TProviderDrawStates State,
                                        const TRect& Rect) {
  TJvDP_ProviderTextOnlyRender render(Item, Canvas, State);
  render.Rect = Rect;
  render.BeginRender(false);
  render.PaintRendered();
}

TSize TJvDP_ProviderTextOnlyRender::Measure(IJvDataItem* Item, TCanvas* Canvas, TProviderDrawStates State) {
  TJvDP_ProviderTextOnlyRender render(Item, Canvas, State);
  render.BeginRender(true);
  return render.ExtentOfRendered();
}

void TJvDP_ProviderTextOnlyRender::BeginRender(bool) {
  if (const auto text = Supports<IJvDataItemText>(FItem, IID_IJvDataItemText)) {
    FText = text->GetCaption();
    FHasNoText = false;
  } else {
    FText = L"(item does not support the IJvDataItemText interface)";
    FHasNoText = true;
  }
}

void TJvDP_ProviderTextOnlyRender::PaintRendered() { FCanvas->TextRect(Rect, Rect.Left, Rect.Top, FText); }

TSize TJvDP_ProviderTextOnlyRender::ExtentOfRendered() { return FCanvas->TextExtent(FText); }
