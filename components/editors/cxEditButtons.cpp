// The edit buttons and their collection.
#include "components/editors/cxEdit.h"

#include "components/core/cxMessageWindow.h"
#include "vcl/controls/Application.h"
#include "vcl/classes/TypInfo.h"
#include "vcl/controls/Menus.h"
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

TcxCustomEditButton::~TcxCustomEditButton() {
  SetAction(nullptr);
  FGlyph.reset();
}

void TcxCustomEditButton::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxCustomEditButton*>(Source);
  if (!source) return TCollectionItem::Assign(Source);
  TCollection* collection = Collection();
  if (collection) collection->BeginUpdate();
  try {
    SetCaption(source->FCaption);
    SetAction(source->Action());
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

// ---------------------------------------------------------------- action

TBasicAction* TcxCustomEditButton::ReadAction() const { return FActionLink ? FActionLink->Action() : nullptr; }

TcxEditButtonActionLink* TcxCustomEditButton::CreateActionLink() { return new TcxEditButtonActionLink(this); }

void TcxCustomEditButton::SetAction(TBasicAction* Value) {
  TBasicAction* old = Action();
  if (old == Value) return;
  auto* buttons = dynamic_cast<TcxCustomEditButtons*>(Collection());
  if (old && buttons) buttons->FreeNotificator()->RemoveSender(old);
  FActionLink.reset();
  if (!Value) return;
  FActionLink.reset(CreateActionLink());
  FActionLink->SetAction(Value);
  FActionLink->OnChange = [this](TObject*) { ApplyAction(Action(), false); };
  ApplyAction(Value, Value->ComponentState().Contains(csLoading));
  if (buttons) buttons->FreeNotificator()->AddSender(Value);
}

void TcxCustomEditButton::ForgetAction(TBasicAction* AAction) {
  if (Action() == AAction) SetAction(nullptr);
}

void TcxCustomEditButton::RefreshActionLink() {
  if (FActionLink) FActionLink->Update();
}

void TcxCustomEditButton::ApplyAction(TObject* Sender, bool ACheckDefaults) {
  auto* action = dynamic_cast<TCustomAction*>(Sender);
  if (!action) return;
  if (!ACheckDefaults || FCaption.empty()) SetCaption(action->Caption());
  if (!ACheckDefaults || FEnabled) SetEnabled(action->Enabled());
  if (!ACheckDefaults || FHint.empty()) SetHint(action->Hint());
  if (!ACheckDefaults || FVisible) SetVisible(action->Visible());
  if (!ACheckDefaults || FImageIndex == -1) SetImageIndex(action->ImageIndex());
}

// ---------------------------------------------------------------- action link

bool TcxEditButtonActionLink::IsCaptionLinked() {
  return TActionLink::IsCaptionLinked() && FClient->Caption() == CustomAction()->Caption();
}

bool TcxEditButtonActionLink::IsEnabledLinked() {
  return TActionLink::IsEnabledLinked() && FClient->Enabled() == CustomAction()->Enabled();
}

bool TcxEditButtonActionLink::IsHintLinked() {
  return TActionLink::IsHintLinked() && FClient->Hint() == CustomAction()->Hint();
}

bool TcxEditButtonActionLink::IsImageIndexLinked() {
  return TActionLink::IsImageIndexLinked() && FClient->ImageIndex() == CustomAction()->ImageIndex();
}

bool TcxEditButtonActionLink::IsVisibleLinked() {
  return TActionLink::IsVisibleLinked() && FClient->Visible() == CustomAction()->Visible();
}

void TcxEditButtonActionLink::SetCaption(const String& Value) {
  if (IsCaptionLinked()) FClient->SetCaption(Value);
}

void TcxEditButtonActionLink::SetEnabled(bool Value) {
  if (IsEnabledLinked()) FClient->SetEnabled(Value);
}

void TcxEditButtonActionLink::SetHint(const String& Value) {
  if (IsHintLinked()) FClient->FHint = Value;
}

void TcxEditButtonActionLink::SetImageIndex(int Value) {
  if (IsImageIndexLinked()) FClient->SetImageIndex(Value);
}

void TcxEditButtonActionLink::SetVisible(bool Value) {
  if (IsVisibleLinked()) FClient->SetVisible(Value);
}

bool TcxEditButtonActionLink::PrepareHint(String& HintStr) {
  TCustomAction* action = CustomAction();
  if (action && action->DoHint(HintStr) && Application->HintShortCuts() && action->ShortCut() != 0 &&
      !HintStr.empty())
    HintStr = Format(L"%s (%s)", {HintStr, ShortCutToText(action->ShortCut())});
  return true;
}

// ---------------------------------------------------------------- published

namespace {

const TTypeInfo AlignmentTypeInfo = EnumTypeInfo(L"TAlignment", {L"taLeftJustify", L"taRightJustify", L"taCenter"});
const TTypeInfo ButtonKindTypeInfo = EnumTypeInfo(L"TcxEditButtonKind", {L"bkEllipsis", L"bkDown", L"bkGlyph", L"bkText"});

// Stored unless an action link follows the action for the value.
template <bool (TcxEditButtonActionLink::*Linked)()>
bool StoredUnlessLinked(const TcxEditButton& AButton) {
  TcxEditButtonActionLink* link = AButton.ActionLink();
  return !link || !(link->*Linked)();
}

}  // namespace

const TPropTable* TcxEditButton::PublishedTable(TPublishedTag<TcxEditButton>) {
  using T = TcxEditButton;
  static const TPropTable table =
      TPublished<T>()
          .Property(L"Action", &T::Action, &T::SetAction)
          .Property(L"Caption", &T::Caption, &T::SetCaption)
          .Stored(StoredUnlessLinked<&TcxEditButtonActionLink::IsCaptionLinked>)
          .Property(L"ContentAlignment", &T::ContentAlignment, &T::SetContentAlignment, &AlignmentTypeInfo)
          .Stored([](const T& B) { return B.ContentAlignment() != taCenter; })
          .Property(L"Default", &T::Default, &T::SetDefault)
          .Stored([](const T& B) { return B.Default(); })
          .Property(L"Enabled", &T::Enabled, &T::SetEnabled)
          .Stored(StoredUnlessLinked<&TcxEditButtonActionLink::IsEnabledLinked>)
          .Property(L"Hint", &T::Hint, &T::SetHint)
          .Stored(StoredUnlessLinked<&TcxEditButtonActionLink::IsHintLinked>)
          .Property(L"ImageIndex", &T::ImageIndex, &T::SetImageIndex)
          .Stored(StoredUnlessLinked<&TcxEditButtonActionLink::IsImageIndexLinked>)
          .Property(L"Kind", &T::Kind, &T::SetKind, &ButtonKindTypeInfo)
          .Stored([](const T& B) { return B.Kind() != bkDown; })
          .Property(L"LeftAlignment", &T::LeftAlignment, &T::SetLeftAlignment)
          .Stored([](const T& B) { return B.LeftAlignment(); })
          .Property(L"Stretchable", &T::Stretchable, &T::SetStretchable)
          .Stored([](const T& B) { return !B.Stretchable(); })
          .Property(L"Tag", &T::Tag, &T::SetTag)
          .Stored([](const T& B) { return B.Tag() != 0; })
          .Property(L"Visible", &T::Visible, &T::SetVisible)
          .Stored(StoredUnlessLinked<&TcxEditButtonActionLink::IsVisibleLinked>)
          .Property(L"Width", &T::Width, &T::SetWidth)
          .Stored([](const T& B) { return B.Width() != 0; })
          .Build();
  return &table;
}

// ---------------------------------------------------------------- collection

TcxCustomEditButtons::TcxCustomEditButtons(TPersistent* AOwner, TClass AButtonClass)
    : TCollection(AButtonClass), FFreeNotificator(std::make_unique<TcxFreeNotificator>(nullptr)), FOwner(AOwner) {
  FFreeNotificator->OnFreeNotification = [this](TComponent* Sender) { HandleActionFreed(Sender); };
}

TcxCustomEditButtons::~TcxCustomEditButtons() {
  // The buttons go without telling anybody, while the notificator that
  // their actions use still exists.
  OnChange = nullptr;
  Clear();
}

void TcxCustomEditButtons::HandleActionFreed(TComponent* AAction) {
  for (int i = 0; i < Count(); ++i) Items(i)->ForgetAction(dynamic_cast<TBasicAction*>(AAction));
}

void TcxCustomEditButtons::RefreshActionLinks() {
  for (int i = 0; i < Count(); ++i) Items(i)->RefreshActionLink();
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

TcxEditButtonFadingHelper* TcxEditButtonViewInfo::CreateFadingHelper() { return new TcxEditButtonFadingHelper(this); }

TcxEditButtonFadingHelper* TcxEditButtonViewInfo::FadingHelper() {
  if (!FFadingHelper) FFadingHelper.reset(CreateFadingHelper());
  return FFadingHelper.get();
}

// ---------------------------------------------------------------- fading

IcxEditOwner* TcxCustomEditFadingHelper::EditOwner() {
  TcxCustomEditViewInfo* viewInfo = EditViewInfo();
  if (!viewInfo) return nullptr;
  if (viewInfo->Edit) return viewInfo->Edit;
  return dynamic_cast<IcxEditOwner*>(viewInfo->Owner);
}

bool TcxCustomEditFadingHelper::IsFadingAllowed() {
  TcxCustomEditViewInfo* viewInfo = EditViewInfo();
  if (!viewInfo || !viewInfo->IsFadingAvailable() || !EditOwner()) return false;
  bool canStart = true;
  if (viewInfo->OnCanStartButtonFading) viewInfo->OnCanStartButtonFading(viewInfo, canStart);
  return canStart;
}

TcxCustomEditViewInfo* TcxEditButtonFadingHelper::EditViewInfo() { return FViewInfo->EditViewInfo; }

TRect TcxEditButtonFadingHelper::ButtonRect() const { return FViewInfo->Bounds; }

void TcxEditButtonFadingHelper::Invalidate() {
  if (IcxEditOwner* owner = EditOwner()) owner->Invalidate(ButtonRect(), FViewInfo->HasBackground);
}

bool TcxEditButtonFadingHelper::DrawButton(TcxCanvas* ACanvas) { return DrawImage(ACanvas->Handle(), ButtonRect()); }

void TcxEditButtonFadingHelper::UpdateState() {
  const TcxEditButtonState state = FViewInfo->Data.State;
  if (state == FState) return;
  static const TcxButtonState map[] = {cxbsDisabled, cxbsNormal, cxbsPressed, cxbsHot};
  CheckStartFading(map[static_cast<int>(FState)], map[static_cast<int>(state)]);
  FState = state;
}

void TcxEditButtonFadingHelper::PrepareFadeImages(TBitmap*& AFadeOutImage, TBitmap*& AFadeInImage) {
  TcxEditButtonViewInfoData& data = FViewInfo->Data;
  const TcxEditButtonState state = data.State;
  const int nativeState = data.NativeState;
  try {
    std::unique_ptr<TBitmap> fadeOut(RenderFadingImage(ebsNormal));
    AFadeInImage = RenderFadingImage(ebsSelected);
    AFadeOutImage = fadeOut.release();
  } catch (...) {
    data.State = state;
    data.NativeState = nativeState;
    throw;
  }
  data.State = state;
  data.NativeState = nativeState;
}

TcxBitmap32* TcxEditButtonFadingHelper::RenderFadingImage(TcxEditButtonState AState) {
  TcxCustomEditViewInfo* viewInfo = EditViewInfo();
  if (viewInfo->OnPrepareButtonFadingImage) {
    TcxBitmap32* image = nullptr;
    bool handled = false;
    viewInfo->OnPrepareButtonFadingImage(FViewInfo, AState, image, handled);
    if (handled) return image;
  }
  FViewInfo->Data.State = AState;
  bool created = false;
  TcxCustomEditViewData* viewData = EditOwner()->GetViewData(created);
  std::unique_ptr<TcxCustomEditViewData> ownedViewData(created ? viewData : nullptr);
  viewData->ComputeButtonThemeInfo(FViewInfo);
  const TRect bounds = FViewInfo->Bounds;
  auto image = std::make_unique<TcxBitmap32>(bounds, true);
  TcxCanvas* canvas = image->cxCanvas();
  canvas->SetWindowOrg(bounds.TopLeft());
  TColor brushColor = 0, penColor = clBtnText;
  TRect r = bounds, contentRect;
  viewInfo->DrawButtonBorder(canvas, FViewInfo, brushColor, penColor, contentRect, r);
  if (!r.IsEmpty()) viewInfo->DrawButtonBackground(canvas, FViewInfo, brushColor, contentRect, r);
  canvas->SetWindowOrg(TPoint(0, 0));
  return image.release();
}
