// The image combo box: its items, the value each stands for and what it
// shows, the lookup that follows the value, the list rows and the editor
// drawn with the item's image, and its filter helper and registration.
#include "components/editors-basic/cxImageComboBox.h"

#include "components/controls/cxContainer.h"
#include "components/controls/cxVariants.h"
#include "components/core/dxCore.h"
#include "components/editors/cxEditConsts.h"
#include "components/editors/cxEditPaintUtils.h"
#include "components/editors/cxEditUtils.h"
#include "components/editors/cxFilterControlUtils.h"
#include "components/lookandfeel/cxLookAndFeelPainters.h"
#include "vcl/controls/ImgList.h"

// ---------------------------------------------------------------- items

TcxImageComboBoxItem::TcxImageComboBoxItem(TCollection* ACollection) : TCollectionItem(ACollection) {}

void TcxImageComboBoxItem::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxImageComboBoxItem*>(Source);
  if (!source) return TCollectionItem::Assign(Source);
  SetDescription(source->FDescription);
  SetImageIndex(source->FImageIndex);
  FTag = source->FTag;
  SetValue(source->FValue);
}

void TcxImageComboBoxItem::SetDescription(const String& Value) {
  if (FDescription == Value) return;
  FDescription = Value;
  Changed(false);
}

void TcxImageComboBoxItem::SetImageIndex(int Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  Changed(false);
}

void TcxImageComboBoxItem::SetValue(const Variant& Value) {
  if (cxVarEqualsSameType(FValue, Value)) return;
  FValue = Value;
  Changed(false);
}

TcxImageComboBoxItems::TcxImageComboBoxItems(TcxCustomImageComboBoxProperties* AOwner)
    : TOwnedCollection(AOwner, TcxImageComboBoxItem::StaticClass()), FProperties(AOwner) {}

void TcxImageComboBoxItems::Update(TCollectionItem*) { FProperties->Changed(); }

void TcxImageComboBoxItems::Notify(TCollectionItem* Item, TCollectionNotification Action) {
  TOwnedCollection::Notify(Item, Action);
  if (Action != cnAdded) return;
  TCustomImageList* images = FProperties->Images();
  if (images && images->Count() >= Count()) static_cast<TcxImageComboBoxItem*>(Item)->SetImageIndex(Count() - 1);
}

// ---------------------------------------------------------------- properties

TcxCustomImageComboBoxProperties::TcxCustomImageComboBoxProperties(TPersistent* AOwner)
    : TcxCustomComboBoxProperties(AOwner),
      FItems(std::make_unique<TcxImageComboBoxItems>(this)),
      FLargeImagesChangeLink(std::make_unique<TChangeLink>()),
      FLargeImagesFreeNotificator(std::make_unique<TcxFreeNotificator>(nullptr)) {
  FLargeImagesChangeLink->OnChange = [this](TObject*) { Changed(); };
  FLargeImagesFreeNotificator->OnFreeNotification = [this](TComponent* Sender) {
    if (Sender == FLargeImages) SetLargeImages(nullptr);
  };
  SetDropDownListStyle(lsFixedList);
  SetValidateOnEnter(true);
}

TcxCustomImageComboBoxProperties::~TcxCustomImageComboBoxProperties() {
  if (FLargeImages) {
    FLargeImagesFreeNotificator->RemoveSender(FLargeImages);
    FLargeImages->UnRegisterChanges(FLargeImagesChangeLink.get());
  }
}

void TcxCustomImageComboBoxProperties::SetLargeImages(TCustomImageList* Value) {
  if (FLargeImages) FLargeImagesFreeNotificator->RemoveSender(FLargeImages);
  cxAssignImageList(Value, FLargeImages, FLargeImagesChangeLink.get(), nullptr);
  if (FLargeImages) FLargeImagesFreeNotificator->AddSender(FLargeImages);
}


TcxImageComboBoxItem* TcxCustomImageComboBoxProperties::FindItemByValue(const Variant& AValue) const {
  for (int i = 0; i < FItems->Count(); ++i)
    if (cxVariantsEqualStrict(FItems->Items(i)->Value(), AValue)) return FItems->Items(i);
  return nullptr;
}

void TcxCustomImageComboBoxProperties::ResolveImageComboDisplayValue(TcxImageComboBoxItem* AItem, String& AText,
                                                                     bool AAlwaysText, int& AImageIndex) {
  AText = AAlwaysText || FShowDescriptions ? (AItem ? AItem->Description() : FDefaultDescription) : String();
  AImageIndex = AItem ? AItem->ImageIndex() : FDefaultImageIndex;
}

void TcxCustomImageComboBoxProperties::GetImageComboBoxDisplayValue(const Variant& AEditValue, String& AText,
                                                                    int& AImageIndex) {
  ResolveImageComboDisplayValue(FindItemByValue(AEditValue), AText, false, AImageIndex);
}

String TcxCustomImageComboBoxProperties::GetDisplayText(const Variant& AEditValue, bool, bool) {
  String text;
  int imageIndex;
  ResolveImageComboDisplayValue(FindItemByValue(AEditValue), text, true, imageIndex);
  return text;
}

void TcxCustomImageComboBoxProperties::PrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue, bool) {
  DisplayValue = Variant(GetDisplayText(AEditValue));
}

bool TcxCustomImageComboBoxProperties::CompareDisplayValues(const Variant& AEditValue1, const Variant& AEditValue2) {
  String text1, text2;
  int image1, image2;
  GetImageComboBoxDisplayValue(AEditValue1, text1, image1);
  GetImageComboBoxDisplayValue(AEditValue2, text2, image2);
  return cxTextEquals(text1, text2, true) && (!Images() || image1 == image2);
}

bool TcxCustomImageComboBoxProperties::IsDisplayValueValid(Variant& ADisplayValue, bool) {
  const String text = VarToStr(ADisplayValue);
  if (text.empty() || !FShowDescriptions) return true;
  for (int i = 0; i < FItems->Count(); ++i)
    if (cxTextEquals(FItems->Items(i)->Description(), text, false)) return true;
  return false;
}

TcxEditSupportedOperations TcxCustomImageComboBoxProperties::GetSupportedOperations() {
  TcxEditSupportedOperations operations{esoEditing, esoFiltering, esoHorzAlignment, esoSorting,
                                        esoSortingByDisplayText};
  if (Buttons()->Count() > 0) operations.Include(esoHotTrack);
  if (FShowDescriptions) operations.Include(esoIncSearch);
  return operations;
}

TcxClassFactory<TcxCustomTextEditLookupData, TPersistent*>
TcxCustomImageComboBoxProperties::LookupDataClassType() const {
  return TcxClassFactory<TcxCustomTextEditLookupData, TPersistent*>::Of<TcxImageComboBoxLookupData>();
}

TcxEditViewInfoClass TcxCustomImageComboBoxProperties::GetViewInfoClass() const {
  return TcxEditViewInfoClass::Of<TcxImageComboBoxViewInfo>();
}

TcxEditViewDataClass TcxCustomImageComboBoxProperties::ViewDataClass() const {
  return TcxEditViewDataClass::Of<TcxImageComboBoxViewData>();
}

TcxCustomEditClass TcxCustomImageComboBoxProperties::GetContainerClass() const {
  return TcxCustomEditClass::Of<TcxImageComboBox>();
}

void TcxCustomImageComboBoxProperties::SetItems(TcxImageComboBoxItems* Value) {
  FItems->Assign(Value);
  Changed();
}

void TcxCustomImageComboBoxProperties::AssignSettings(TcxCustomEditProperties* Source) {
  TcxCustomComboBoxProperties::AssignSettings(Source);
  auto* source = dynamic_cast<TcxCustomImageComboBoxProperties*>(Source);
  if (!source) return;
  SetDefaultDescription(source->FDefaultDescription);
  SetDefaultImageIndex(source->FDefaultImageIndex);
  SetImageAlign(source->FImageAlign);
  SetItems(source->FItems.get());
  SetLargeImages(source->FLargeImages);
  SetMultiLineText(source->FMultiLineText);
  SetShowDescriptions(source->FShowDescriptions);
}

// ---------------------------------------------------------------- list and lookup

namespace {

bool HasDescriptions(TcxCustomImageComboBoxProperties* AProperties) {
  TcxImageComboBoxItems* items = AProperties->Items();
  for (int i = 0; i < items->Count(); ++i)
    if (!items->Items(i)->Description().empty()) return true;
  return false;
}

}  // namespace

TcxCustomImageComboBoxProperties* TcxImageComboBoxListBox::ImageComboProperties() const {
  return Edit() ? dynamic_cast<TcxCustomImageComboBoxProperties*>(Edit()->ActiveProperties()) : nullptr;
}

void TcxImageComboBoxListBox::CreateParams(TCreateParams& Params) {
  TcxCustomComboBoxListBox::CreateParams(Params);
  Params.Style = (Params.Style & ~(LBS_OWNERDRAWFIXED | WS_BORDER)) | LBS_OWNERDRAWVARIABLE;
  Params.ExStyle &= ~WS_EX_CLIENTEDGE;
}

String TcxImageComboBoxListBox::GetItemText(int AIndex) {
  TcxCustomImageComboBoxProperties* properties = ImageComboProperties();
  if (!properties || AIndex < 0 || AIndex >= properties->Items()->Count()) return String();
  return properties->Items()->Items(AIndex)->Description();
}

int TcxImageComboBoxListBox::MeasureRow(int AIndex) {
  TcxCustomImageComboBoxProperties* properties = ImageComboProperties();
  TCustomImageList* images = properties ? properties->ListImages() : nullptr;
  int width = FClientWidth - 2;
  const int imageHeight = images ? images->Height() + 2 : 0;
  if (images) width -= images->Width() + 4;
  TcxScreenCanvas* canvas = cxSharedScreenCanvas();
  canvas->SetFont(Font());
  int height;
  if (properties && properties->MultiLineText() && width > 0) {
    const String text = GetItemText(AIndex);
    RECT r{0, 0, width, imageHeight};
    ::DrawTextW(canvas->Handle(), text.c_str(), static_cast<int>(text.size()), &r,
                DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
    height = std::max(static_cast<int>(r.bottom - r.top) + 2, imageHeight);
  } else {
    height = std::max(cxDCTextHeight(canvas->Handle()) + 2, imageHeight);
  }
  dxRaiseToTouchMinimum(height);
  return height;
}

int TcxImageComboBoxListBox::GetItemHeight(int AIndex) {
  int height = MeasureRow(AIndex);
  TcxCustomComboBox* combo = ComboBox();
  if (!combo || AIndex < 0 || AIndex >= ImageComboProperties()->Items()->Count()) return height;
  for (TcxCustomComboBoxProperties* p : {combo->Properties(), combo->ActiveProperties()}) {
    if (p->OnMeasureItem) {
      p->OnMeasureItem(this, AIndex, Canvas(), height);
      break;
    }
  }
  return height;
}

int TcxImageComboBoxListBox::SumRowHeights(int ARowCount) {
  int height = 0;
  for (int i = 0; i < ARowCount; ++i) height += GetItemHeight(i);
  return height;
}

int TcxImageComboBoxListBox::GetHeight(int ARowCount, int AMaxHeight) {
  TcxCustomImageComboBoxProperties* properties = ImageComboProperties();
  auto* edit = dynamic_cast<TcxCustomDropDownEdit*>(Edit());
  const bool multiLine = properties && properties->MultiLineText() && edit;
  FClientWidth = 0;
  if (multiLine) {
    const TRect extent = edit->PopupWindow()->ViewInfo()->GetClientExtent();
    FClientWidth = edit->DropDownOwnerBounds().Width() - extent.Left - extent.Right;
  }
  int height = SumRowHeights(ARowCount);
  if (!multiLine) return height;
  FHasScrollbar = height > AMaxHeight || properties->Items()->Count() > ARowCount;
  if (!FHasScrollbar) return height;
  FClientWidth -= GetSystemMetrics(SM_CXVSCROLL);
  return SumRowHeights(ARowCount);
}

int TcxImageComboBoxListBox::GetItemWidth(int AIndex) {
  TcxCustomImageComboBoxProperties* properties = ImageComboProperties();
  return properties && properties->MultiLineText() ? 0 : TcxCustomComboBoxListBox::GetItemWidth(AIndex);
}

int TcxImageComboBoxListBox::GetPreferredWidth() {
  TcxCustomImageComboBoxProperties* properties = ImageComboProperties();
  if (!properties) return 0;
  TCustomImageList* images = properties->ListImages();
  TcxScreenCanvas* canvas = cxSharedScreenCanvas();
  canvas->SetFont(Font());
  int widest = 0;
  for (int i = 0; i < properties->Items()->Count(); ++i)
    widest = std::max(widest, canvas->TextWidth(properties->Items()->Items(i)->Description()));
  int width = (images ? images->Width() + 8 : 4) + widest;
  if (properties->DropDownRows() < properties->Items()->Count()) width += GetSystemMetrics(SM_CXVSCROLL);
  return width;
}

bool TcxImageComboBoxListBox::DoDrawItem(int AIndex, const TRect& ARect, TOwnerDrawState AState) {
  if (TcxCustomComboBoxListBox::DoDrawItem(AIndex, ARect, AState)) return true;
  TcxCustomImageComboBoxProperties* properties = ImageComboProperties();
  if (!properties) return false;
  const bool selected = AState.Contains(odSelected);
  TcxCanvas* canvas = Canvas();
  canvas->FillRect(ARect, selected ? clHighlight : Color());
  if (AIndex < 0 || AIndex >= properties->Items()->Count()) return true;
  TcxImageComboBoxItem* item = properties->Items()->Items(AIndex);
  TRect textRect = ARect;
  textRect.Left += 2;
  if (TCustomImageList* images = properties->ListImages()) {
    // A column as wide as the image and 4 pixels more, the image centred in
    // it; the whole row when nothing has a description to show.
    TRect cell = textRect;
    if (properties->ShowDescriptions() || HasDescriptions(properties)) {
      const int column = images->Width() + 4;
      if (properties->ImageAlign() == iaLeft) {
        cell.Right = cell.Left + column;
        textRect.Left = cell.Right;
      } else {
        cell.Left = cell.Right - column;
        textRect.Right = cell.Left;
      }
    }
    if (cxImageIndexValid(images, item->ImageIndex()))
      canvas->DrawImage(images, cell.Left + (cell.Width() - images->Width()) / 2,
                        cell.Top + (cell.Height() - images->Height()) / 2, item->ImageIndex(), Enabled());
  }
  if (textRect.IsEmpty()) return true;
  canvas->SetFont(Font());
  canvas->Font()->SetColor(selected ? clHighlightText : Font()->Color());
  RECT r{textRect.Left, textRect.Top, textRect.Right, textRect.Bottom};
  const String& text = item->Description();
  const UINT flags = properties->MultiLineText() ? DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX
                                                 : DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
  SetBkMode(canvas->Handle(), TRANSPARENT);
  SetTextColor(canvas->Handle(), ColorToRGB(canvas->Font()->Color()));
  ::DrawTextW(canvas->Handle(), text.c_str(), static_cast<int>(text.size()), &r, DrawTextBiDiModeFlags(flags));
  return true;
}

TcxCustomImageComboBoxProperties* TcxImageComboBoxLookupData::ImageComboProperties() const {
  return static_cast<TcxCustomImageComboBoxProperties*>(ActiveProperties());
}

String TcxImageComboBoxLookupData::ItemText(int AIndex) {
  TcxImageComboBoxItems* items = ImageComboProperties()->Items();
  return AIndex >= 0 && AIndex < items->Count() ? items->Items(AIndex)->Description() : String();
}

int TcxImageComboBoxLookupData::ItemCount() { return ImageComboProperties()->Items()->Count(); }

void TcxImageComboBoxLookupData::TextChanged() {
  auto* edit = dynamic_cast<TcxCustomImageComboBox*>(Edit());
  if (edit && edit->FTextChanging) return;
  // While a person edits, the value is the one they picked (its first item);
  // otherwise the edit value.
  TcxImageComboBoxItem* item = ImageComboProperties()->FindItemByValue(Edit()->EditingValue());
  InternalSetCurrentKey(item ? item->Index() : -1);
}

// ---------------------------------------------------------------- view data and view info

void TcxImageComboBoxViewInfo::Offset(int DX, int DY) {
  TcxCustomTextEditViewInfo::Offset(DX, DY);
  ImageRect = cxRectShiftBy(ImageRect, DX, DY);
}

void TcxImageComboBoxViewInfo::InternalPaint(TcxCanvas* ACanvas) {
  TcxCustomTextEditViewInfo::InternalPaint(ACanvas);
  if (!cxImageIndexValid(Images, ImageIndex) || !ACanvas->RectVisible(Bounds)) return;
  ACanvas->SaveClipRegion();
  ACanvas->IntersectClipRect(ImageRect);
  ACanvas->IntersectClipRect(BorderRect);
  // A transparent or platform-drawn background shows through the image;
  // otherwise the image is composed on the editor's background colour.
  if (Transparent || (NativeStyle && dxOsVistaUp))
    ACanvas->DrawImage(Images, ImageRect.Left, ImageRect.Top, ImageIndex, Enabled);
  else
    cxDrawEditImage(ACanvas, Images, ImageIndex, nullptr, Enabled, BackgroundColor(), ImageRect);
  ACanvas->RestoreClipRegion();
}

void TcxImageComboBoxViewData::Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P,
                                         TcxMouseButton Button, TShiftState Shift, TcxCustomEditViewInfo* AViewInfo,
                                         bool AIsMouseEvent) {
  TcxCustomDropDownEditViewData::Calculate(ACanvas, ABounds, P, Button, Shift, AViewInfo, AIsMouseEvent);
  auto* viewInfo = static_cast<TcxImageComboBoxViewInfo*>(AViewInfo);
  TcxCustomImageComboBoxProperties* properties = ImageComboProperties();
  viewInfo->ImageAlign = properties->ImageAlign();
  viewInfo->Images = properties->Images();
  viewInfo->ShowDescriptions = properties->ShowDescriptions();
  TRect text = IsInplace() ? viewInfo->TextRect : viewInfo->ClientRect;
  if (TCustomImageList* images = viewInfo->Images) {
    TRect& image = viewInfo->ImageRect;
    image = viewInfo->ClientRect;
    image.Left += 2;
    image.Right -= 2;
    const int gap = IsInplace() ? 4 : 2;
    if (image.Width() > images->Width()) {
      if (!viewInfo->ShowDescriptions) {
        image.Left += (image.Width() - images->Width()) / 2;
        image.Right = image.Left + images->Width();
      } else if (viewInfo->ImageAlign == iaLeft) {
        image.Right = image.Left + images->Width();
        text.Left = image.Right + gap;
      } else {
        image.Left = image.Right - images->Width();
        text.Right = image.Left - gap;
      }
    } else {
      text.Left = text.Right;  // no room for text
    }
    if (image.Height() > images->Height()) {
      image.Top += (image.Height() - images->Height()) / 2;
      image.Bottom = image.Top + images->Height();
    }
  }
  if (!IsInplace()) {
    viewInfo->ClientRect = text;
    text.Inflate(-2, -1);
    viewInfo->DrawSelectionBar = false;
  }
  viewInfo->TextRect = text;
  if (!viewInfo->ShowDescriptions) viewInfo->Text = String();
}

void TcxImageComboBoxViewData::CalculateFrameAndMinContentSize(TcxCanvas* ACanvas, bool AIsInplace, TSize& ASize,
                                                               TcxCustomEditViewInfo* AViewInfo,
                                                               TSize& AMinContentSize,
                                                               const TcxEditSizeProperties& AEditSizeProperties) {
  TcxCustomDropDownEditViewData::CalculateFrameAndMinContentSize(ACanvas, AIsInplace, ASize, AViewInfo,
                                                                 AMinContentSize, AEditSizeProperties);
  if (TCustomImageList* images = ImageComboProperties()->Images()) {
    AMinContentSize.cy = std::max(AMinContentSize.cy, images->Height());
    ASize.cx += images->Width() + 5;
  } else {
    ASize.cx += 1;
  }
}

void TcxImageComboBoxViewData::EditValueToDrawValue(const Variant& AEditValue, TcxCustomEditViewInfo* AViewInfo) {
  TcxCustomDropDownEditViewData::EditValueToDrawValue(AEditValue, AViewInfo);
  auto* viewInfo = static_cast<TcxImageComboBoxViewInfo*>(AViewInfo);
  String text;
  ImageComboProperties()->GetImageComboBoxDisplayValue(AEditValue, text, viewInfo->ImageIndex);
  viewInfo->Text = text;
}

void TcxImageComboBoxViewData::DisplayValueToDrawValue(const Variant&, TcxCustomTextEditViewInfo* AViewInfo) {
  auto* edit = dynamic_cast<TcxCustomTextEdit*>(Edit);
  if (!edit) return;
  auto* viewInfo = static_cast<TcxImageComboBoxViewInfo*>(AViewInfo);
  TcxCustomImageComboBoxProperties* properties = ImageComboProperties();
  const int key = edit->LookupData()->CurrentKey();
  TcxImageComboBoxItem* item = key >= 0 && key < properties->Items()->Count() ? properties->Items()->Items(key)
                                                                             : properties->FindItemByValue(edit->EditValue());
  properties->ResolveImageComboDisplayValue(item, viewInfo->Text, false, viewInfo->ImageIndex);
}

// ---------------------------------------------------------------- the control

void TcxCustomImageComboBox::PrepareEditValue(const Variant&, Variant& AEditValue, bool) {
  const int key = LookupData()->CurrentKey();
  TcxImageComboBoxItems* items = ActiveProperties()->Items();
  AEditValue = key >= 0 && key < items->Count() ? items->Items(key)->Value() : Null();
}

Variant TcxCustomImageComboBox::GetTypedEditValue() {
  Variant value;
  PrepareEditValue(Null(), value, Focused());
  return value;
}

bool TcxCustomImageComboBox::IsValidChar(wchar_t AChar) { return AChar >= L' '; }

void TcxCustomImageComboBox::HandleTextChange() {
  struct TRestore {
    bool& Flag;
    ~TRestore() { Flag = false; }
  } restore{FTextChanging};
  FTextChanging = true;
  TcxCustomComboBox::HandleTextChange();
}

TSize TcxCustomImageComboBox::GetPopupContentPreferredSize() {
  TSize size = TcxCustomComboBox::GetPopupContentPreferredSize();
  if (ActiveProperties()->MultiLineText()) {
    size.cx = 0;
    // Rows measured for the width now known.
    if (ListBox() && ListBox()->HandleAllocated()) ListBox()->RecreateWnd();
  } else if (auto* list = dynamic_cast<TcxImageComboBoxListBox*>(ListBox())) {
    size.cx = std::max(size.cx, list->GetPreferredWidth());
  }
  return size;
}

void TcxCustomImageComboBox::SynchronizeDisplayValue() {
  const int previousKey = LookupData()->CurrentKey();
  TcxCustomComboBox::SynchronizeDisplayValue();
  LockClick(true);
  try {
    LookupData()->TextChanged();
  } catch (...) {
    LockClick(false);
    throw;
  }
  LockClick(false);
  if (LookupData()->CurrentKey() == previousKey) return;
  RefreshDrawnValue();
  if (!IsClickLocked()) Click();
}

// ---------------------------------------------------------------- filter helper

const TcxFilterImageComboBoxHelper* TcxFilterImageComboBoxHelper::Instance() {
  static const TcxFilterImageComboBoxHelper instance;
  return &instance;
}

TcxCustomEditClass TcxFilterImageComboBoxHelper::GetFilterEditClass() const {
  return TcxCustomEditClass::Of<TcxImageComboBox>();
}

TcxFilterControlOperators TcxFilterImageComboBoxHelper::GetSupportedFilterOperators(TcxCustomEditProperties*,
                                                                                    const IcxFilterValueType*,
                                                                                    bool AExtendedSet) const {
  TcxFilterControlOperators result{fcoEqual, fcoNotEqual, fcoBlanks, fcoNonBlanks};
  if (AExtendedSet) result = result + TcxFilterControlOperators{fcoInList, fcoNotInList};
  return result;
}

void TcxFilterImageComboBoxHelper::InitializeProperties(TcxCustomEditProperties* AProperties,
                                                        TcxCustomEditProperties* AEditProperties,
                                                        bool AHasButtons) const {
  TcxFilterComboBoxHelper::InitializeProperties(AProperties, AEditProperties, AHasButtons);
  auto* properties = dynamic_cast<TcxCustomImageComboBoxProperties*>(AProperties);
  if (!properties) return;
  properties->SetDropDownListStyle(lsFixedList);
  properties->SetImmediateDropDownWhenKeyPressed(true);
  properties->SetShowDescriptions(true);
}

// ---------------------------------------------------------------- unit

const TUnitEntry cxImageComboBoxUnit{
    L"cxImageComboBox",
    [] {
      cxEditPropertiesRegistry()->Register(TcxImageComboBoxProperties::StaticClass(),
                                           dxTranslatedResString(scxSEditRepositoryImageComboBoxItem));
      cxFilterEditsRegistry()->Register(TcxImageComboBoxProperties::StaticClass(),
                                        TcxFilterImageComboBoxHelper::Instance());
    },
    [] {
      cxFilterEditsRegistry()->Unregister(TcxImageComboBoxProperties::StaticClass(),
                                          TcxFilterImageComboBoxHelper::Instance());
      cxEditPropertiesRegistry()->Unregister(TcxImageComboBoxProperties::StaticClass());
    }};
