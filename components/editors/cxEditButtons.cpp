// The edit buttons and their collection.
#include "components/editors/cxEdit.h"

#include "components/core/cxMessageWindow.h"
#include "vcl/graphics/Bitmap.h"
#include "vcl/graphics/GdiTypes.h"

// ---------------------------------------------------------------- button

TcxCustomEditButton::TcxCustomEditButton(TCollection* ACollection) : TCollectionItem(nullptr) {
  // Joining inside an update bracket: the collection hears of the new
  // button once, when it is complete.
  if (ACollection) ACollection->BeginUpdate();
  SetCollection(ACollection);
  if (ACollection) ACollection->EndUpdate();
}

TcxCustomEditButton::~TcxCustomEditButton() = default;

void TcxCustomEditButton::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxCustomEditButton*>(Source);
  if (!source) return TCollectionItem::Assign(Source);
  TCollection* collection = Collection();
  if (collection) collection->BeginUpdate();
  try {
    SetCaption(source->FCaption);
    SetImageIndex(source->FImageIndex);
    FVisibleCaption = source->FVisibleCaption;
    SetContentAlignment(source->FContentAlignment);
    SetDefault(source->FDefault);
    SetEnabled(source->FEnabled);
    // Read without creating: a source without a glyph keeps none.
    SetGlyph(source->FGlyph.get());
    SetKind(source->FKind);
    SetLeftAlignment(source->FLeftAlignment);
    SetStretchable(source->FStretchable);
    SetTag(source->FTag);
    SetTextColor(source->FTextColor);
    SetVisible(source->FVisible);
    SetWidth(source->FWidth);
    SetHint(source->FHint);
  } catch (...) {
    if (collection) collection->EndUpdate();
    throw;
  }
  if (collection) collection->EndUpdate();
}

void TcxCustomEditButton::SetCaption(const String& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  FVisibleCaption = cxStripAcceleratorMarks(Value, true);
  Changed(false);
}

void TcxCustomEditButton::SetDefault(bool Value) {
  if (FDefault == Value) return;
  if (Value && Collection())
    for (int i = 0; i < Collection()->Count(); ++i)
      static_cast<TcxCustomEditButton*>(Collection()->Items(i))->FDefault = false;
  FDefault = Value;
  Changed(true);
}

TBitmap* TcxCustomEditButton::Glyph() {
  if (!FGlyph) {
    FGlyph = std::make_unique<TBitmap>();
    FGlyph->OnChange = [this](TObject* Sender) { GlyphChanged(Sender); };
  }
  return FGlyph.get();
}

void TcxCustomEditButton::SetGlyph(TBitmap* Value) {
  if (Value)
    Glyph()->Assign(Value);
  else
    FGlyph.reset();
  Changed(false);
}

// ---------------------------------------------------------------- collection

TcxCustomEditButtons::TcxCustomEditButtons(TPersistent* AOwner, TClass AButtonClass)
    : TCollection(AButtonClass), FOwner(AOwner) {}

TcxCustomEditButtons::~TcxCustomEditButtons() {
  // The buttons go without telling anybody.
  OnChange = nullptr;
}

int TcxCustomEditButtons::VisibleCount() const {
  int count = 0;
  for (int i = 0; i < Count(); ++i) count += Items(i)->Visible() ? 1 : 0;
  return count;
}

void TcxCustomEditButtons::Update(TCollectionItem*) { dxFireNotifyEvent(OnChange, this); }

// ---------------------------------------------------------------- button view info

TcxEditButtonViewInfo::TcxEditButtonViewInfo() = default;

TcxEditButtonViewInfo::~TcxEditButtonViewInfo() = default;

void TcxEditButtonViewInfo::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxEditButtonViewInfo*>(Source);
  if (!source) return TPersistent::Assign(Source);
  Data.NativeState = source->Data.NativeState;
  Data.BackgroundColor = source->Data.BackgroundColor;
  Bounds = source->Bounds;
  Data.Style = source->Data.Style;
  Data.State = source->Data.State;
}

bool TcxEditButtonViewInfo::DiffersFrom(TcxEditButtonViewInfo* APrevious) const {
  return Data.Style != APrevious->Data.Style || Data.State != APrevious->Data.State ||
         Data.BackgroundColor != APrevious->Data.BackgroundColor || Data.NativeState != APrevious->Data.NativeState;
}

TcxRegion* TcxEditButtonViewInfo::GetUpdateRegion(TcxEditButtonViewInfo* APrevious) {
  return DiffersFrom(APrevious) ? new TcxRegion(Bounds) : new TcxRegion();
}

bool TcxEditButtonViewInfo::Repaint(TWinControl* AControl, TcxEditButtonViewInfo* APrevious,
                                    const TPoint& AEditPosition) {
  if (!DiffersFrom(APrevious)) return false;
  const TRect r = cxRectShiftBy(Bounds, AEditPosition.X, AEditPosition.Y);
  RedrawWindow(AControl->Handle(), AsRECT(r), nullptr, RDW_INVALIDATE | (HasBackground ? RDW_ERASE : 0));
  return true;
}
