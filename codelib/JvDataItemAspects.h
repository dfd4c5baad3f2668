#pragma once
// What extensions add to data items: a text (plain, per context, or one
// that can be made read-only), image settings, and the renderer of a list
// that draws and measures its items, with a text-only default. Every
// change is announced to the provider before and after.
#include "codelib/JvDataItems.h"
#include "vcl/controls/ImgList.h"
#include "vcl/rtl/Sets.h"
#include "vcl/rtl/Strings.h"

class TCanvas;

class TJvBaseDataItemTextImpl : public TJvDataItemAggregatedObject, public IJvDataItemText {
  VCL_CLASS(TJvBaseDataItemTextImpl, TJvDataItemAggregatedObject)
public:
  TJvBaseDataItemTextImpl() = default;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID IID, void** Obj) override {
    return TJvDataItemAggregatedObject::QueryInterface(IID, Obj);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return TJvDataItemAggregatedObject::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return TJvDataItemAggregatedObject::Release(); }
  bool GetInterface(REFIID IID, void** Obj) override;
};

class TJvDataItemTextImpl : public TJvBaseDataItemTextImpl {
  VCL_CREATABLE_CLASS(TJvDataItemTextImpl, TJvBaseDataItemTextImpl)
  VCL_PUBLISHED(TJvDataItemTextImpl)
public:
  TJvDataItemTextImpl() = default;
  String Text() const { return const_cast<TJvDataItemTextImpl*>(this)->GetCaption(); }
  void SetText(const String& Value) { SetCaption(Value); }
  String GetCaption() override { return FText; }
  void SetCaption(const String& Value) override;
  bool TextIsEditable() override { return true; }

protected:
  String FText;
};

// A text per context: each context that has a text of its own keeps it;
// the others show their nearest ancestor's, or the plain text.
class TJvDataItemContextTextImpl : public TJvDataItemTextImpl, public IJvDataContextSensitive {
  VCL_CREATABLE_CLASS(TJvDataItemContextTextImpl, TJvDataItemTextImpl)
public:
  TJvDataItemContextTextImpl() = default;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID IID, void** Obj) override {
    return TJvDataItemTextImpl::QueryInterface(IID, Obj);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return TJvDataItemTextImpl::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return TJvDataItemTextImpl::Release(); }
  bool GetInterface(REFIID IID, void** Obj) override;

  String GetCaption() override;
  void SetCaption(const String& Value) override;
  void RevertToAncestor() override;
  bool IsEqualToAncestor() override;
  void ContextGoing(IJvDataContext* Context) override;

private:
  IJvDataContext* CurrentContext() const;
  int IndexOfContext(IJvDataContext* Context) const;
  TStringList FContextStrings;  // the text per context; the objects are the contexts
};

// A text that can be made read-only: it is then not editable, and setting
// it raises.
class TJvDataItemBlockableTextImpl : public TJvDataItemTextImpl {
  VCL_CREATABLE_CLASS(TJvDataItemBlockableTextImpl, TJvDataItemTextImpl)
  VCL_PUBLISHED(TJvDataItemBlockableTextImpl)
public:
  TJvDataItemBlockableTextImpl() = default;
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  bool TextIsEditable() override { return !FReadOnly; }
  void SetCaption(const String& Value) override;

private:
  bool FReadOnly = false;
};

class TJvBaseDataItemImageImpl : public TJvDataItemAggregatedObject, public IJvDataItemImage {
  VCL_CLASS(TJvBaseDataItemImageImpl, TJvDataItemAggregatedObject)
public:
  TJvBaseDataItemImageImpl() = default;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID IID, void** Obj) override {
    return TJvDataItemAggregatedObject::QueryInterface(IID, Obj);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return TJvDataItemAggregatedObject::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return TJvDataItemAggregatedObject::Release(); }
  bool GetInterface(REFIID IID, void** Obj) override;
};

class TJvDataItemImageImpl : public TJvBaseDataItemImageImpl {
  VCL_CREATABLE_CLASS(TJvDataItemImageImpl, TJvBaseDataItemImageImpl)
  VCL_PUBLISHED(TJvDataItemImageImpl)
public:
  TJvDataItemImageImpl() = default;
  TAlignment Alignment() const { return FAlignment; }
  int ImageIndex() const { return FImageIndex; }
  int SelectedIndex() const { return FSelectedIndex; }
  TAlignment GetAlignment() override { return FAlignment; }
  void SetAlignment(TAlignment Value) override;
  int GetImageIndex() override { return FImageIndex; }
  void SetImageIndex(int Value) override;
  int GetSelectedIndex() override { return FSelectedIndex; }
  void SetSelectedIndex(int Value) override;

private:
  TAlignment FAlignment = taLeftJustify;
  int FImageIndex = 0;
  int FSelectedIndex = 0;
};

class TJvBaseDataItemsImagesImpl : public TJvDataItemsAggregatedObject, public IJvDataItemsImages {
  VCL_CLASS(TJvBaseDataItemsImagesImpl, TJvDataItemsAggregatedObject)
public:
  TJvBaseDataItemsImagesImpl() = default;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID IID, void** Obj) override {
    return TJvDataItemsAggregatedObject::QueryInterface(IID, Obj);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return TJvDataItemsAggregatedObject::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return TJvDataItemsAggregatedObject::Release(); }
  bool GetInterface(REFIID IID, void** Obj) override;
};

// The image lists of an item list. The lists are not owned: one that is
// destroyed reads as none from then on.
class TJvCustomDataItemsImages : public TJvBaseDataItemsImagesImpl {
  VCL_CREATABLE_CLASS(TJvCustomDataItemsImages, TJvBaseDataItemsImagesImpl)
  VCL_PUBLISHED(TJvCustomDataItemsImages)
public:
  TJvCustomDataItemsImages() = default;
  TCustomImageList* DisabledImages() const { return FDisabledImages.Sender(); }
  TCustomImageList* HotImages() const { return FHotImages.Sender(); }
  TCustomImageList* Images() const { return FImages.Sender(); }
  TCustomImageList* GetDisabledImages() override { return DisabledImages(); }
  void SetDisabledImages(TCustomImageList* Value) override { SetList(FDisabledImages, Value); }
  TCustomImageList* GetHotImages() override { return HotImages(); }
  void SetHotImages(TCustomImageList* Value) override { SetList(FHotImages, Value); }
  TCustomImageList* GetImages() override { return Images(); }
  void SetImages(TCustomImageList* Value) override { SetList(FImages, Value); }

private:
  void SetList(TChangeLink& Link, TCustomImageList* Value);
  TChangeLink FDisabledImages, FHotImages, FImages;  // each registered with its list
};

enum class TProviderDrawState { pdsSelected, pdsGrayed, pdsDisabled, pdsChecked, pdsFocused, pdsDefault, pdsHot };
using enum TProviderDrawState;
using TProviderDrawStates = TSet<TProviderDrawState>;

// An item that draws and measures itself; queried for only.
struct IJvDataItemRenderer : IInterface {
  virtual void Draw(TCanvas* Canvas, TRect& Rect, TProviderDrawStates State) = 0;
  virtual TSize Measure(TCanvas* Canvas) = 0;
};

struct IJvDataItemsRenderer : IInterface {
  virtual void DrawByIndex(TCanvas* Canvas, TRect& Rect, int Index, TProviderDrawStates State) = 0;
  virtual TSize MeasureByIndex(TCanvas* Canvas, int Index) = 0;  // -1: the average
  virtual void DrawOneItem(TCanvas* Canvas, TRect& Rect, IJvDataItem* Item, TProviderDrawStates State) = 0;
  virtual TSize MeasureOneItem(TCanvas* Canvas, IJvDataItem* Item) = 0;
  virtual TSize AverageItemSize(TCanvas* Canvas) = 0;
};

class TJvBaseDataItemsRenderer : public TJvDataItemsAggregatedObject, public IJvDataItemsRenderer {
  VCL_CLASS(TJvBaseDataItemsRenderer, TJvDataItemsAggregatedObject)
public:
  TJvBaseDataItemsRenderer() = default;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID IID, void** Obj) override {
    return TJvDataItemsAggregatedObject::QueryInterface(IID, Obj);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return TJvDataItemsAggregatedObject::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return TJvDataItemsAggregatedObject::Release(); }
  bool GetInterface(REFIID IID, void** Obj) override;

  void DrawByIndex(TCanvas* Canvas, TRect& Rect, int Index, TProviderDrawStates State) override;
  TSize MeasureByIndex(TCanvas* Canvas, int Index) override;
  void DrawOneItem(TCanvas* Canvas, TRect& Rect, IJvDataItem* Item, TProviderDrawStates State) override;
  TSize MeasureOneItem(TCanvas* Canvas, IJvDataItem* Item) override;

protected:
  virtual void PaintItemContent(TCanvas* Canvas, TRect& Rect, IJvDataItem* Item, TProviderDrawStates State) = 0;
  virtual TSize MeasureItemContent(TCanvas* Canvas, IJvDataItem* Item) = 0;
};

// Draws an item's text, or a note that it has none.
class TJvCustomDataItemsTextRenderer : public TJvBaseDataItemsRenderer {
  VCL_CREATABLE_CLASS(TJvCustomDataItemsTextRenderer, TJvBaseDataItemsRenderer)
public:
  TJvCustomDataItemsTextRenderer() = default;
  TSize AverageItemSize(TCanvas* Canvas) override;

protected:
  void PaintItemContent(TCanvas* Canvas, TRect& Rect, IJvDataItem* Item, TProviderDrawStates State) override;
  TSize MeasureItemContent(TCanvas* Canvas, IJvDataItem* Item) override;
};

// Draws or measures one item for one call.
class TJvDP_ProviderBaseRender : public TObject {
  VCL_CLASS(TJvDP_ProviderBaseRender, TObject)
public:
  TJvDP_ProviderBaseRender(IJvDataItem* AItem, TCanvas* ACanvas, TProviderDrawStates AState)
      : FItem(AItem), FCanvas(ACanvas), FState(AState) {}
  TRect Rect;

protected:
  virtual void BeginRender(bool ForMeasuring) = 0;
  virtual void PaintRendered() = 0;
  virtual TSize ExtentOfRendered() = 0;
  IJvDataItem* FItem;
  TCanvas* FCanvas;
  TProviderDrawStates FState;

};

class TJvDP_ProviderTextOnlyRender : public TJvDP_ProviderBaseRender {
  VCL_CLASS(TJvDP_ProviderTextOnlyRender, TJvDP_ProviderBaseRender)
public:
  using TJvDP_ProviderBaseRender::TJvDP_ProviderBaseRender;
  static void Draw(IJvDataItem* Item, TCanvas* Canvas, TProviderDrawStates State, const TRect& Rect);
  static TSize Measure(IJvDataItem* Item, TCanvas* Canvas, TProviderDrawStates State);

protected:
  void BeginRender(bool ForMeasuring) override;
  void PaintRendered() override;
  TSize ExtentOfRendered() override;

private:
  bool FHasNoText = false;
  String FText;
};
