// The blob edit: the closed edit paints a kind icon or a short text for its
// value; its popup holds a memo or an image editor with OK and Cancel (or
// Close) in the system panel, and closing writes the popup's value back by
// a fixed rule: OK saves, Cancel never does, any other close saves only
// with AlwaysSaveData.
#include "components/editors-rich/cxBlobEdit.h"

#include <algorithm>

#include "components/core/cxGraphics.h"
#include "components/controls/cxVariants.h"
#include "components/core/dxCore.h"
#include "components/editors-basic/cxButtons.h"
#include "components/editors/cxEditConsts.h"
#include "vcl/classes/Filer.h"

namespace {

std::unique_ptr<TcxImageList> BlobKindImages;

const wchar_t* const BlobKindImageNames[] = {L"CXBMBLOB_BLOB_NULL", L"CXBMBLOB_BLOB", L"CXBMBLOB_MEMO_NULL",
                                             L"CXBMBLOB_MEMO",      L"CXBMBLOB_PICT_NULL", L"CXBMBLOB_PICT",
                                             L"CXBMBLOB_OLE_NULL",  L"CXBMBLOB_OLE"};
constexpr TColor BlobKindMaskColor = static_cast<TColor>(0xFF00FF);

void cxBuildBlobKindImages() {
  BlobKindImages = std::make_unique<TcxImageList>(nullptr);
  BlobKindImages->SetSize(16, 13);
  for (const wchar_t* name : BlobKindImageNames) {
    TBitmap bitmap;
    bitmap.LoadFromResourceName(GetModuleHandleW(nullptr), name);
    BlobKindImages->AddMasked(&bitmap, BlobKindMaskColor);
  }
}

bool IsStringValue(const Variant& V) { return VarIsStr(V); }

// The first icon of each kind's pair; the filled one follows it.
int BlobKindImageBase(TcxBlobEditKind AKind) {
  switch (AKind) {
    case bekMemo: return 2;
    case bekPict: return 4;
    case bekOle: return 6;
    default: return 0;
  }
}

String FirstLine(const String& AText) {
  const size_t end = AText.find_first_of(L"\r\n");
  return end == String::npos ? AText : AText.substr(0, end);
}

}  // namespace

// Made on first use, not at start-up.
TcxImageList* cxBlobKindImages() {
  if (!BlobKindImages) cxBuildBlobKindImages();
  return BlobKindImages.get();
}

String cxBlobMemoDisplayText(const Variant& AValue, TcxCustomBlobEditProperties* AProperties, bool AFullText) {
  const TcxBlobEditKind kind = AProperties->BlobEditKind();
  if (AFullText && kind == bekMemo && IsStringValue(AValue)) return VarToStr(AValue);
  switch (AProperties->BlobPaintStyle()) {
    case TcxBlobPaintStyle::bpsDefault: {
      const bool null = VarIsNull(AValue);
      if (kind == bekMemo) return dxTranslatedResString(null ? cxSBlobMemoEmpty : cxSBlobMemo);
      if (kind == bekPict) return dxTranslatedResString(null ? cxSBlobPictureEmpty : cxSBlobPicture);
      return String();
    }
    case TcxBlobPaintStyle::bpsText:
      if (kind == bekMemo && (IsStringValue(AValue) || VarIsArray(AValue)))
        return FirstLine(dxVariantToWideText(AValue));
      return String();
    case TcxBlobPaintStyle::bpsIcon: return String();
  }
  return String();
}

TModalResult cxBlobPopupKeyToModalResult(uint16_t& Key, TShiftState Shift, bool AReturnCloses,
                                         bool AAlwaysSaveData) {
  const bool alt = Shift.Contains(ssAlt);
  TModalResult result = mrNone;
  if ((Key == VK_F4 && !alt) || Key == VK_ESCAPE || ((Key == VK_UP || Key == VK_DOWN) && alt))
    result = AAlwaysSaveData && Key != VK_ESCAPE ? mrOk : mrCancel;
  else if (Key == VK_RETURN && (AReturnCloses || Shift.Contains(ssCtrl)))
    result = mrOk;
  if (result != mrNone) Key = 0;
  return result;
}

// ---------------------------------------------------------------- properties

TcxCustomBlobEditProperties::TcxCustomBlobEditProperties(TPersistent* AOwner)
    : TcxCustomPopupEditProperties(AOwner), FPictureGraphicClass(InitialPictureGraphicClass()) {
  SetImmediateDropDownWhenActivated(true);
  SetPopupMinWidth(160);
  SetPopupMinHeight(140);
}

TGraphicClass TcxCustomBlobEditProperties::InitialPictureGraphicClass() const {
  const std::vector<TGraphicClass>& classes = cxGraphicClassList();
  return classes.empty() ? TGraphicClass() : classes.front();
}

void TcxCustomBlobEditProperties::SetBlobEditKind(TcxBlobEditKind Value) {
  if (Value == FBlobEditKind) return;
  FBlobEditKind = Value;
  if (Buttons()->Count() > 0)
    Buttons()->Items(0)->SetKind(Value == bekMemo || Value == bekPict ? bkDown : bkEllipsis);
  Changed();
}

void TcxCustomBlobEditProperties::SetBlobPaintStyle(TcxBlobPaintStyle Value) {
  if (Value == FBlobPaintStyle) return;
  FBlobPaintStyle = Value;
  Changed();
}

void TcxCustomBlobEditProperties::SetPictureGraphicClass(TGraphicClass Value) {
  if (Value == FPictureGraphicClass) return;
  FPictureGraphicClass = Value;
  Changed();
}

String TcxCustomBlobEditProperties::PictureGraphicClassName() const {
  return FPictureGraphicClass ? String(FPictureGraphicClass->Name) : String();
}

void TcxCustomBlobEditProperties::SetPictureGraphicClassName(const String& Value) {
  if (Value.empty()) return SetPictureGraphicClass(TGraphicClass());
  if (TGraphicClass found = cxFindGraphicClass(Value)) SetPictureGraphicClass(found);
}

void TcxCustomBlobEditProperties::ResolveBlobEditKind() {
  if (FBlobEditKind != bekAuto) return;
  IcxEditDefaultValuesProvider* provider = IDefaultValuesProvider();
  if (provider && !provider->IsDataAvailable()) return;
  LockUpdate(true);
  struct TUnlock {
    TcxCustomBlobEditProperties* Self;
    ~TUnlock() { Self->LockUpdate(false); }
  } unlock{this};
  TcxBlobEditKind kind = bekBlob;
  if (provider) {
    switch (provider->DefaultBlobKind()) {
      case bkGraphic: kind = bekPict; break;
      case bkMemo: kind = bekMemo; break;
      case bkOle: kind = bekOle; break;
      default: kind = bekBlob; break;
    }
  }
  SetBlobEditKind(kind);
}

TGraphicClass TcxCustomBlobEditProperties::ResolveGraphicClass(TObject* AItem, int ARecordIndex,
                                                               bool APastingFromClipboard) {
  TGraphicClass graphicClass = FPictureGraphicClass;
  if (!graphicClass && APastingFromClipboard) graphicClass = TBitmap::StaticClass();
  if (OnGetGraphicClass) OnGetGraphicClass(AItem, ARecordIndex, APastingFromClipboard, graphicClass);
  return graphicClass;
}

TcxEditSupportedOperations TcxCustomBlobEditProperties::GetSupportedOperations() {
  if (Buttons()->Count() == 0) return {esoEditing};
  return {esoEditing, esoHotTrack};
}

TcxEditSpecialFeatures TcxCustomBlobEditProperties::GetSpecialFeatures() {
  TcxEditSpecialFeatures features = TcxCustomPopupEditProperties::GetSpecialFeatures();
  if (FBlobEditKind == bekPict) features.Include(TcxEditSpecialFeature::esfBlobEditValue);
  return features;
}

bool TcxCustomBlobEditProperties::GetEditValueSource(bool) {
  ResolveBlobEditKind();
  const bool isText = FBlobEditKind == bekMemo && !(IDefaultValuesProvider() && IDefaultValuesProvider()->IsBlob());
  return !isText;
}

TcxCustomEditPopupWindowClass TcxCustomBlobEditProperties::PopupWindowClass() const {
  return TcxCustomEditPopupWindowClass::Of<TcxBlobEditPopupWindow>();
}

TcxCustomEditClass TcxCustomBlobEditProperties::GetContainerClass() const {
  return TcxCustomEditClass::Of<TcxBlobEdit>();
}

TcxEditViewDataClass TcxCustomBlobEditProperties::ViewDataClass() const {
  return TcxEditViewDataClass::Of<TcxBlobEditViewData>();
}

TcxEditViewInfoClass TcxCustomBlobEditProperties::GetViewInfoClass() const {
  return TcxEditViewInfoClass::Of<TcxBlobEditViewInfo>();
}

String TcxCustomBlobEditProperties::GetDisplayText(const Variant& AEditValue, bool AFullText, bool) {
  if (VarIsNull(AEditValue)) return String();
  switch (FBlobEditKind) {
    case bekMemo: return cxBlobMemoDisplayText(AEditValue, this, AFullText);
    case bekPict: return dxTranslatedResString(cxSBlobPicture);
    case bekOle: return L"OLE";
    case bekBlob: return L"BLOB";
    case bekAuto: return String();
  }
  return String();
}

bool TcxCustomBlobEditProperties::CompareDisplayValues(const Variant& AEditValue1, const Variant& AEditValue2) {
  ResolveBlobEditKind();
  if (FBlobPaintStyle != TcxBlobPaintStyle::bpsText || FBlobEditKind != bekMemo) return false;
  if (!IsStringValue(AEditValue1) || !IsStringValue(AEditValue2)) return false;
  return cxTextEquals(VarToStr(AEditValue1), VarToStr(AEditValue2), true);
}

void TcxCustomBlobEditProperties::AssignSettings(TcxCustomEditProperties* Source) {
  TcxCustomPopupEditProperties::AssignSettings(Source);
  auto* source = dynamic_cast<TcxCustomBlobEditProperties*>(Source);
  if (!source) return;
  FAlwaysSaveData = source->FAlwaysSaveData;
  FApplyStyleToButtons = source->FApplyStyleToButtons;
  SetBlobEditKind(source->FBlobEditKind);
  SetBlobPaintStyle(source->FBlobPaintStyle);
  FMemoAutoReplace = source->FMemoAutoReplace;
  FMemoCharCase = source->FMemoCharCase;
  FMemoMaxLength = source->FMemoMaxLength;
  FMemoOEMConvert = source->FMemoOEMConvert;
  FMemoScrollBars = source->FMemoScrollBars;
  FMemoWantReturns = source->FMemoWantReturns;
  FMemoWantTabs = source->FMemoWantTabs;
  FMemoWordWrap = source->FMemoWordWrap;
  FPictureAutoSize = source->FPictureAutoSize;
  FPictureFilter = source->FPictureFilter;
  SetPictureGraphicClass(source->FPictureGraphicClass);
  FPictureTransparency = source->FPictureTransparency;
  FShowExPopupItems = source->FShowExPopupItems;
  FShowPicturePopup = source->FShowPicturePopup;
  OnAssignPicture = source->OnAssignPicture;
  OnGetGraphicClass = source->OnGetGraphicClass;
}

void TcxCustomBlobEditProperties::DefineProperties(TFiler* Filer) {
  TcxCustomPopupEditProperties::DefineProperties(Filer);
  Filer->DefineProperty(
      L"IsPictureGraphicClassNameEmpty",
      [this](TReader* Reader) {
        Reader->ReadBoolean();
        SetPictureGraphicClassName(String());
      },
      [](TWriter* Writer) { Writer->WriteBoolean(true); }, !FPictureGraphicClass);
}

// ---------------------------------------------------------------- view info

void TcxBlobEditViewInfo::Offset(int DX, int DY) {
  TcxCustomTextEditViewInfo::Offset(DX, DY);
  IconRect.Offset(DX, DY);
}

bool TcxBlobEditViewInfo::NeedShowHint(TcxCanvas* ACanvas, const TPoint& P, const TRect& AVisibleBounds,
                                       String& AText, bool& AIsMultiLine, TRect& ATextRect, int AMaxLineCount) {
  if (!TextHints) return false;
  return TcxCustomTextEditViewInfo::NeedShowHint(ACanvas, P, AVisibleBounds, AText, AIsMultiLine, ATextRect,
                                                 AMaxLineCount);
}

TcxEditBackgroundPaintingStyle TcxBlobEditViewInfo::BackgroundPaintingKind() { return bpsComboListEdit; }

void TcxBlobEditViewInfo::InternalPaint(TcxCanvas* ACanvas) {
  // The edit with its text (none while an icon shows), then the icon.
  TcxCustomTextEditViewInfo::InternalPaint(ACanvas);
  TcxImageList* images = cxBlobKindImages();
  if (ImageIndex == -1 || !images) return;
  ACanvas->SaveClipRegion();
  ACanvas->IntersectClipRect(IconRect);
  ACanvas->IntersectClipRect(ClientRect);
  ACanvas->DrawImage(images, IconRect.Left, IconRect.Top, ImageIndex, Enabled);
  ACanvas->RestoreClipRegion();
}

// ---------------------------------------------------------------- view data

void TcxBlobEditViewData::Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P, TcxMouseButton Button,
                                    TShiftState Shift, TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent) {
  TcxCustomDropDownEditViewData::Calculate(ACanvas, ABounds, P, Button, Shift, AViewInfo, AIsMouseEvent);
  auto* viewInfo = static_cast<TcxBlobEditViewInfo*>(AViewInfo);
  const TcxImageList* images = cxBlobKindImages();
  const TSize image = images ? TSize(images->Width(), images->Height()) : TSize();
  const TRect& client = viewInfo->ClientRect;
  const int left = client.Left + (client.Width() - image.cx) / 2;
  const int top = client.Top + (client.Height() - image.cy) / 2;
  viewInfo->IconRect = TRect(left, top, left + image.cx, top + image.cy);
  if (Edit) EditValueToDrawValue(Edit->EditValue(), viewInfo);
  CalculateDrawTextFlags(ACanvas, viewInfo);
}

void TcxBlobEditViewData::EditValueToDrawValue(const Variant& AEditValue, TcxCustomEditViewInfo* AViewInfo) {
  TcxCustomBlobEditProperties* properties = Properties();
  properties->ResolveBlobEditKind();
  auto* viewInfo = static_cast<TcxBlobEditViewInfo*>(AViewInfo);
  viewInfo->TextHints =
      properties->BlobEditKind() == bekMemo && properties->BlobPaintStyle() == TcxBlobPaintStyle::bpsText;
  if (properties->BlobPaintStyle() != TcxBlobPaintStyle::bpsIcon) {
    TcxCustomDropDownEditViewData::EditValueToDrawValue(AEditValue, AViewInfo);
    viewInfo->ImageIndex = -1;
    return;
  }
  viewInfo->Text.clear();
  // A kind still unresolved (no data yet) shows no icon rather than a
  // stale one.
  if (properties->BlobEditKind() == bekAuto) {
    viewInfo->ImageIndex = -1;
    return;
  }
  viewInfo->ImageIndex = BlobKindImageBase(properties->BlobEditKind()) + (cxIsNullOrEmptyVariant(AEditValue) ? 0 : 1);
}

String TcxBlobEditViewData::BuildDisplayText(const Variant& AEditValue) {
  return cxBlobMemoDisplayText(AEditValue, Properties(), false);
}

void TcxBlobEditViewData::CalculateDrawTextFlags(TcxCanvas*, TcxCustomTextEditViewInfo* AViewInfo) {
  uint32_t flags = 0x210;
  if (!IsInplace() || PaintOptions.Contains(epoShowEndEllipsis)) flags |= 0x800;
  AViewInfo->DrawTextFlags = flags;
}

// ---------------------------------------------------------------- popup contents

void TcxPopupMemo::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (FBlobEdit && FBlobEdit->HasPopupWindow()) {
    const TModalResult result = cxBlobPopupKeyToModalResult(Key, Shift, !ActiveProperties()->WantReturns(),
                                                            FBlobEdit->ActiveProperties()->AlwaysSaveData());
    FBlobEdit->PopupWindow()->SetModalResult(result);
    if (Key == 0) {
      // The character the consumed key already queued must not type.
      if (InnerMemo() && InnerMemo()->HandleAllocated())
        dxGetMessagesController()->KillMessages(InnerMemo()->Handle(), WM_CHAR);
      return;
    }
  }
  TcxMemo::KeyDown(Key, Shift);
}

void TcxPopupImage::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (FBlobEdit && FBlobEdit->HasPopupWindow())
    FBlobEdit->PopupWindow()->SetModalResult(
        cxBlobPopupKeyToModalResult(Key, Shift, true, FBlobEdit->ActiveProperties()->AlwaysSaveData()));
  TcxImage::KeyDown(Key, Shift);
}

// ---------------------------------------------------------------- popup window

void TcxBlobEditPopupWindow::ForwardChar(wchar_t ACh) {
  auto* edit = dynamic_cast<TcxCustomBlobEdit*>(Edit());
  TcxPopupMemo* memo = edit ? edit->PopupMemo() : nullptr;
  if (!memo || memo->ActiveProperties()->ReadOnly()) return;
  if (!edit->ActiveProperties()->MemoAutoReplace()) return TcxPopupEditPopupWindow::ForwardChar(ACh);
  memo->SetText(String(1, ACh));
  memo->SetSelStart(1);
  memo->SetModifiedAfterEnter(true);
  memo->SetEditModified(true);
  edit->StorageChanged(memo);
}

void TcxBlobEditPopupWindow::DoClosing() {
  static const std::vector<UINT> locked{CM_ENTER};
  dxGetMessagesController()->LockMessages(locked);
  struct TUnlock {
    ~TUnlock() { dxGetMessagesController()->UnlockMessages(locked); }
  } unlock;
  TcxPopupEditPopupWindow::DoClosing();
}

// ---------------------------------------------------------------- the edit

void TcxCustomBlobEdit::InitializeBlobEdit() {
  InitializeTextEdit();
  TControlStyle style = ControlStyle();
  SetControlStyle(style.Exclude(csSetCaption));
  SetTabStop(true);
}

TcxCustomBlobEdit::~TcxCustomBlobEdit() { FreePopupStorage(); }

void TcxCustomBlobEdit::AdjustInnerEditPosition() {
  TcxCustomInnerTextEdit* inner = InnerEditControl();
  if (inner && !inner->BoundsRect().IsEmpty()) inner->TEdit::SetBounds(0, 0, 0, 0);
}

bool TcxCustomBlobEdit::CanDropDown() { return FStorage && TcxCustomPopupEdit::CanDropDown(); }

bool TcxCustomBlobEdit::IsPopupReadOnly() {
  return ActiveProperties()->ReadOnly() || !DataBinding()->IsDataAvailable();
}

TSize TcxCustomBlobEdit::GetPopupContentPreferredSize() {
  TcxPopupImage* image = PopupImage();
  if (ActiveProperties()->PictureAutoSize() && image && image->Picture()->Graphic())
    return TSize(image->Picture()->Width() + 4, image->Picture()->Height() + 4);
  return TcxCustomPopupEdit::GetPopupContentPreferredSize();
}

TGraphicClass TcxCustomBlobEdit::ResolveGraphicClass(bool APastingFromClipboard) {
  if (IsInplace()) return ActiveProperties()->ResolveGraphicClass(nullptr, -1, APastingFromClipboard);
  TGraphicClass graphicClass = ActiveProperties()->PictureGraphicClass();
  if (!graphicClass && APastingFromClipboard) graphicClass = TBitmap::StaticClass();
  if (OnGetGraphicClass) OnGetGraphicClass(this, APastingFromClipboard, graphicClass);
  return graphicClass;
}

void TcxCustomBlobEdit::PreparePopup() {
  TcxCustomPopupEdit::PreparePopup();
  SetupPopupStorage();
}

TWinControl* TcxCustomBlobEdit::PopupFocusTarget() {
  if (FStorage) return FStorage.get();
  return TcxCustomPopupEdit::PopupFocusTarget();
}

void TcxCustomBlobEdit::SetupPopupStorage() {
  TcxCustomBlobEditProperties* properties = ActiveProperties();
  properties->ResolveBlobEditKind();
  const TcxBlobEditKind kind = properties->BlobEditKind();
  if (kind != bekMemo && kind != bekPict) return;
  const bool memo = kind == bekMemo;
  if (FStorage && (memo ? !PopupMemo() : !PopupImage())) FreePopupStorage();
  if (!FStorage) {
    if (memo)
      FStorage = std::make_unique<TcxPopupMemo>(nullptr);
    else
      FStorage = std::make_unique<TcxPopupImage>(nullptr);
    FStorage->OnEditing = [this](TObject* Sender, bool& CanEdit) { HandleStorageEditing(Sender, CanEdit); };
    FStorage->Style()->SetBorderStyle(ebsNone);
    FStorage->ActiveProperties()->OnChange = [this](TObject* Sender) { StorageChanged(Sender); };
  }
  FStorage->ActiveProperties()->SetReadOnly(!CanModify());
  properties->SetPopupControl(FStorage.get());
  properties->SetPopupSysPanelStyle(true);
  FStorage->SetParent(PopupWindow());
  if (memo)
    SetupMemo(PopupMemo());
  else
    SetupImage(PopupImage());
  SetupButtons();
}

void TcxCustomBlobEdit::SetupMemo(TcxPopupMemo* AMemo) {
  TcxCustomBlobEditProperties* properties = ActiveProperties();
  AMemo->SetBlobEdit(this);
  TcxCustomMemoProperties* memoProperties = AMemo->ActiveProperties();
  memoProperties->SetCharCase(properties->MemoCharCase());
  memoProperties->SetImeMode(properties->ImeMode());
  memoProperties->SetImeName(properties->ImeName());
  memoProperties->SetMaxLength(properties->MemoMaxLength());
  memoProperties->SetOEMConvert(properties->MemoOEMConvert());
  memoProperties->SetScrollBars(properties->MemoScrollBars());
  memoProperties->SetWantReturns(properties->MemoWantReturns());
  memoProperties->SetWantTabs(properties->MemoWantTabs());
  memoProperties->SetWordWrap(properties->MemoWordWrap());
  properties->SetPopupAutoSize(false);
  AMemo->SetEditValue(EditValue());
  AMemo->SetEditModified(false);
  AMemo->LookAndFeel()->SetMasterLookAndFeel(PopupControlsLookAndFeel());
  AMemo->Style()->SetFont(ActiveStyle()->GetVisibleFont());
  AMemo->Style()->SetColor(ViewInfo()->BackgroundColor());
}

void TcxCustomBlobEdit::SetupImage(TcxPopupImage* AImage) {
  TcxCustomBlobEditProperties* properties = ActiveProperties();
  AImage->SetBlobEdit(this);
  TcxCustomImageProperties* imageProperties = AImage->ActiveProperties();
  imageProperties->SetShowFocusRect(false);
  imageProperties->SetStretch(true);
  imageProperties->SetCustomFilter(properties->PictureFilter());
  imageProperties->SetGraphicTransparency(properties->PictureTransparency());
  imageProperties->OnClosePopup = [this](TObject* Sender, TcxEditCloseUpReason AReason) {
    ImageClosePopup(Sender, AReason);
  };
  TcxPopupMenuItems items = TcxPopupMenuLayout(nullptr).MenuItems();
  if (!properties->ShowPicturePopup())
    items = {};
  else if (!properties->ShowExPopupItems())
    items = items - TcxPopupMenuItems{TcxPopupMenuItem::pmiLoad, TcxPopupMenuItem::pmiSave};
  imageProperties->PopupMenuLayout()->SetMenuItems(items);
  imageProperties->SetGraphicClass(properties->PictureGraphicClass());
  AImage->OnGetGraphicClass = [this](TObject*, bool APasting, TGraphicClass& AClass) {
    AClass = ResolveGraphicClass(APasting);
  };
  imageProperties->OnGetGraphicClass = [this](TObject*, int, bool APasting, TGraphicClass& AClass) {
    AClass = ResolveGraphicClass(APasting);
  };
  try {
    cxLoadPictureFromBlob(AImage->Picture(), ResolveGraphicClass(false), EditValue());
  } catch (const EInvalidGraphic&) {
    // Stored data no picture class reads: the popup starts empty (not with
    // the previous opening's picture); the stored value stays unless the
    // person gives a new picture.
    AImage->Picture()->SetGraphic(nullptr);
  }
  AImage->SetEditModified(false);
  AImage->LookAndFeel()->SetMasterLookAndFeel(PopupControlsLookAndFeel());
  properties->SetPopupAutoSize(properties->PictureAutoSize());
}

TcxButton* TcxCustomBlobEdit::PrepareButton(std::unique_ptr<TcxButton>& AButton, const String& ACaption,
                                            int AHeight) {
  if (!AButton) {
    AButton = std::make_unique<TcxButton>(nullptr);
    AButton->LookAndFeel()->SetMasterLookAndFeel(PopupControlsLookAndFeel());
  }
  AButton->SetCaption(ACaption);
  AButton->SetBounds(AButton->Left(), AButton->Top(), FButtonWidth, AHeight);
  AButton->SetParent(PopupWindow());
  return AButton.get();
}

void TcxCustomBlobEdit::SetupButtons() {
  TcxCustomBlobEditProperties* properties = ActiveProperties();
  TcxCustomEditPopupWindow* window = PopupWindow();
  const bool readOnly = IsPopupReadOnly();
  const String cancelCaption = dxTranslatedResString(readOnly ? cxSBlobButtonClose : cxSBlobButtonCancel);
  const String okCaption = dxTranslatedResString(cxSBlobButtonOK);
  if (properties->ApplyStyleToButtons()) window->Font()->SetSize(ActiveStyle()->GetVisibleFont()->Size());
  FButtonWidth = std::max(cxMeasureTextWidth(window->Font(), cancelCaption + L"00"),
                          cxMeasureTextWidth(window->Font(), okCaption + L"00"));
  const int height = MulDiv(cxFontPixelHeight(window->Font()), 20, 13);
  TcxButton* cancel = PrepareButton(FCancelButton, cancelCaption, height);
  cancel->SetCancel(true);
  cancel->SetModalResult(mrCancel);
  if (readOnly) {
    FOkButton.reset();
  } else {
    TcxButton* ok = PrepareButton(FOkButton, okCaption, height);
    ok->SetEnabled(FStorage->EditModified());
    ok->SetDefault(false);
    ok->SetModalResult(mrOk);
  }
  window->SetMinSysPanelHeight(height + height / 3);
  const int buttonsWidth = (height / 3 + FButtonWidth) * (FOkButton ? 2 : 1);
  properties->SetPopupMinWidth(GetSystemMetrics(SM_CXVSCROLL) + buttonsWidth + height / 2);
}

void TcxCustomBlobEdit::PositionPopupWindow() {
  // The system panel shows the buttons instead of a close button.
  if (FCancelButton) Style()->SetPopupCloseButton(false);
  TcxCustomPopupEdit::PositionPopupWindow();
}

void TcxCustomBlobEdit::ArrangePopupContent(const TRect& AClientRect) {
  TcxCustomPopupEdit::ArrangePopupContent(AClientRect);
  if (FCancelButton) PlaceButtons();
}

void TcxCustomBlobEdit::PlaceButtons() {
  TcxCustomEditPopupWindow* window = PopupWindow();
  const TcxCustomEditPopupWindowViewInfo* viewInfo = window->ViewInfo();
  const TRect panel = viewInfo->SysPanelBounds;
  TRect grip = viewInfo->SizeGripRect;
  if (grip.IsEmpty()) grip = TRect(panel.Right, panel.Top, panel.Right, panel.Bottom);
  const int h = FCancelButton->Height();
  const int d = h / 6;
  const int width = window->ClientWidth();
  const TdxCorner corner = viewInfo->SizeGripCorner;
  const bool rightCorner = corner == coTopRight || corner == coBottomRight;
  const bool bottomCorner = corner == coBottomLeft || corner == coBottomRight;
  const int margin =
      rightCorner ? d + FButtonWidth + (width - grip.Left) : std::max(2 * d + FButtonWidth, grip.Left + FButtonWidth);
  const int left = width - margin;
  const int top = bottomCorner ? grip.Bottom - (panel.Height() - h) / 2 - h + 2 : grip.Top + (panel.Height() - h) / 2 - 2;
  FCancelButton->SetBounds(left, top, FButtonWidth, h);
  FCancelButton->SetVisible(true);
  if (FOkButton) {
    FOkButton->SetBounds(left - h / 3 - FButtonWidth, top, FButtonWidth, h);
    FOkButton->SetVisible(true);
  }
}

void TcxCustomBlobEdit::HandleStorageEditing(TObject*, bool& CanEdit) { CanEdit = CanModify(); }

void TcxCustomBlobEdit::StorageChanged(TObject*) {
  if (!FOkButton) return;
  FOkButton->SetEnabled(true);
  FOkButton->SetDefault(true);
}

Variant TcxCustomBlobEdit::ReadEditingValue() {
  if (HasPopupWindow()) {
    if (TcxPopupMemo* memo = PopupMemo()) return Variant(memo->Text());
    if (TcxPopupImage* image = PopupImage()) return image->EditValue();
  }
  return EditValue();
}

void TcxCustomBlobEdit::SavePopupValue() {
  if (!FStorage || !FStorage->EditModified()) return;
  const TModalResult result = PopupWindow()->ModalResult();
  // Escape can close the popup through the popup window itself, which
  // gives the cancel as the close reason only.
  const bool cancelled = result == mrCancel || CloseUpReason() == crCancel;
  if (result != mrOk && (cancelled || !ActiveProperties()->AlwaysSaveData())) return;
  if (!DoEditing()) return;
  if (TcxPopupMemo* memo = PopupMemo())
    AssignInternalEditValue(Variant(memo->Text()));
  else
    AssignInternalEditValue(FStorage->EditValue());
  SetModifiedAfterEnter(true);
  if (TcxPopupImage* image = PopupImage()) {
    FireAssignPicture(image->Picture());
    const bool modified = EditModified();
    SetEditModified(false);
    DoEditing();
    SetEditModified(modified);
  }
  if (ActiveProperties()->ImmediatePost() && CanPostEditValue() && ValidateEdit(false)) CommitEditValue(false);
}

void TcxCustomBlobEdit::PopupWindowClosed(TObject* Sender) {
  LockChangeEvents(true);
  struct TUnlock {
    TcxCustomBlobEdit* Self;
    ~TUnlock() { Self->LockChangeEvents(false); }
  } unlock{this};
  SavePopupValue();
  TcxCustomPopupEdit::PopupWindowClosed(Sender);
  if (!IsDestroying()) ShortRefreshContainer(false);
}

void TcxCustomBlobEdit::ImageClosePopup(TObject*, TcxEditCloseUpReason AReason) {
  if (HasPopupWindow()) return;
  if (AReason == crEnter) SavePopupValue();
  if (Properties()->OnClosePopup) Properties()->OnClosePopup(this, AReason);
  if (RepositoryItem() && ActiveProperties()->OnClosePopup) ActiveProperties()->OnClosePopup(this, AReason);
}

void TcxCustomBlobEdit::FireAssignPicture(TPicture* APicture) {
  if (Properties()->OnAssignPicture) Properties()->OnAssignPicture(this, APicture);
  if (RepositoryItem() && ActiveProperties()->OnAssignPicture) ActiveProperties()->OnAssignPicture(this, APicture);
}

String TcxCustomBlobEdit::GetCurrentDisplayText() {
  if (TcxPopupMemo* memo = PopupMemo(); memo && HasPopupWindow()) return memo->Text();
  return TcxCustomPopupEdit::GetCurrentDisplayText();
}

void TcxCustomBlobEdit::SynchronizeDisplayValue() { ShortRefreshContainer(false); }

void TcxCustomBlobEdit::UpdateEditValueFromDisplay() {
  // Only an open memo holds what the person typed; the closed edit's text
  // is a display form ("(MEMO)", a first line) that must never become the
  // value.
  if (PopupMemo() && HasPopupWindow()) TcxCustomPopupEdit::UpdateEditValueFromDisplay();
}

void TcxCustomBlobEdit::HandlePropertiesChanged(TObject* Sender) {
  if (IsDestroying()) return;
  TcxCustomPopupEdit::HandlePropertiesChanged(Sender);
  ShortRefreshContainer(false);
  if (!HasPopupWindow()) return;
  if (TcxPopupImage* image = PopupImage())
    image->ActiveProperties()->SetGraphicClass(ActiveProperties()->PictureGraphicClass());
  if (TcxPopupMemo* memo = PopupMemo()) {
    memo->ActiveProperties()->SetImeMode(ActiveProperties()->ImeMode());
    memo->ActiveProperties()->SetImeName(ActiveProperties()->ImeName());
  }
}

void TcxCustomBlobEdit::FreePopupStorage() {
  if (TcxPopupImage* image = PopupImage(); image && image->IsDialogShowed()) return;
  if (ActiveProperties()->PopupControl() == FStorage.get()) ActiveProperties()->SetPopupControl(nullptr);
  FOkButton.reset();
  FCancelButton.reset();
  FStorage.reset();
}

// ---------------------------------------------------------------- registration

const TUnitEntry cxBlobEditUnit{L"cxBlobEdit",
                                [] {
                                  cxEditPropertiesRegistry()->Register(TcxBlobEditProperties::StaticClass(),
                                                                       L"BlobEdit|Represents the BLOB editor");
                                },
                                [] { BlobKindImages.reset(); }};
