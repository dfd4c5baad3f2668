// The image editor's settings, its menu layout and glyphs, and how it lays
// out and paints a picture: fitted, stretched or zoomed, centred or from
// the scroll offset, or its caption where there is no picture.
#include <windows.h>

#include <algorithm>
#include <cmath>

#include "components/editors-rich/cxImage.h"
#include "vcl/graphics/Bitmap.h"
#include "vcl/graphics/Icon.h"

namespace {

std::unique_ptr<TcxImageCommonResources> CommonResources;

// The glyph resources of the menu, in menu order (no custom glyph).
const wchar_t* const MenuGlyphNames[] = {L"CXMENUIMAGE_CUT",    L"CXMENUIMAGE_COPY",   L"CXMENUIMAGE_PASTE",
                                         L"CXMENUIMAGE_DELETE", L"CXMENUIMAGE_LOAD",   L"CXMENUIMAGE_WEBCAM",
                                         L"CXMENUIMAGE_SAVE"};

// The glyphs' transparent colour.
constexpr TColor MenuGlyphMaskColor = clFuchsia;

bool HasPicture(const TPicture* APicture) {
  return APicture && APicture->Graphic() && !APicture->Graphic()->Empty();
}

}  // namespace

// ---------------------------------------------------------------- menu layout

TcxPopupMenuLayout::~TcxPopupMenuLayout() = default;

void TcxPopupMenuLayout::Assign(TPersistent* ASource) {
  auto* source = dynamic_cast<TcxPopupMenuLayout*>(ASource);
  if (!source) return TPersistent::Assign(ASource);
  FMenuItems = source->FMenuItems;
  FCustomMenuItemCaption = source->FCustomMenuItemCaption;
  SetCustomMenuItemGlyph(source->FCustomMenuItemGlyph.get());
}

void TcxPopupMenuLayout::SetMenuItems(TcxPopupMenuItems AValue) {
  if (FMenuItems == AValue) return;
  FMenuItems = AValue;
  FProperties->Changed();
}

void TcxPopupMenuLayout::SetCustomMenuItemCaption(const String& AValue) {
  if (FCustomMenuItemCaption == AValue) return;
  FCustomMenuItemCaption = AValue;
  FProperties->Changed();
}

TBitmap* TcxPopupMenuLayout::CustomMenuItemGlyph() {
  if (!FCustomMenuItemGlyph) FCustomMenuItemGlyph = std::make_unique<TBitmap>();
  return FCustomMenuItemGlyph.get();
}

void TcxPopupMenuLayout::SetCustomMenuItemGlyph(TBitmap* AValue) {
  if (!AValue)
    FCustomMenuItemGlyph.reset();
  else
    CustomMenuItemGlyph()->Assign(AValue);
  FProperties->Changed();
}

// ---------------------------------------------------------------- menu glyphs

TcxImageCommonResources::TcxImageCommonResources() : FPopupMenuImageList(std::make_unique<TcxImageList>(nullptr)) {
  for (const wchar_t* name : MenuGlyphNames) {
    TBitmap glyph;
    glyph.LoadFromResourceName(GetModuleHandleW(nullptr), name);
    FPopupMenuImageList->AddMasked(&glyph, MenuGlyphMaskColor);
  }
}

TcxImageCommonResources::~TcxImageCommonResources() = default;

void TcxImageCommonResources::GetPopupMenuGlyph(int AIndex, TBitmap* AGlyph) const {
  AGlyph->SetSize(FPopupMenuImageList->Width(), FPopupMenuImageList->Height());
  AGlyph->Canvas()->Brush()->SetColor(MenuGlyphMaskColor);
  AGlyph->Canvas()->FillRect(TRect(0, 0, AGlyph->Width(), AGlyph->Height()));
  FPopupMenuImageList->TCustomImageList::Draw(AGlyph->Canvas(), 0, 0, AIndex);
  AGlyph->SetTransparentColor(MenuGlyphMaskColor);
  AGlyph->SetTransparent(true);
}

TcxImageCommonResources* cxImageCommonResourcesInstance() {
  if (!CommonResources) CommonResources = std::make_unique<TcxImageCommonResources>();
  return CommonResources.get();
}

void cxImageFreeCommonResources() { CommonResources.reset(); }

// ---------------------------------------------------------------- properties

TcxCustomImageProperties::TcxCustomImageProperties(TPersistent* AOwner)
    : TcxCustomEditProperties(AOwner),
      FGraphicClass(cxGraphicClassList().front()),
      FPopupMenuLayout(std::make_unique<TcxPopupMenuLayout>(this)),
      FZoomTrackBarProperties(std::make_unique<TdxCustomZoomTrackBarProperties>(nullptr)) {
  FZoomTrackBarProperties->OnPropertiesChanged = [this](TObject*) { Changed(); };
}

TcxCustomImageProperties::~TcxCustomImageProperties() = default;

TcxImageFitMode TcxCustomImageProperties::FitModeOf(bool AProportional, bool AStretch) {
  if (AProportional) return AStretch ? ifmProportionalStretch : ifmFit;
  return AStretch ? ifmStretch : ifmNormal;
}

void TcxCustomImageProperties::SetGraphicClassName(const String& AValue) {
  if (AValue.empty()) return SetGraphicClass(nullptr);
  if (TGraphicClass graphicClass = cxFindGraphicClass(AValue)) SetGraphicClass(graphicClass);
}

void TcxCustomImageProperties::SetGraphicTransparency(TcxImageTransparency AValue) {
  if (FGraphicTransparency == AValue) return;
  FGraphicTransparency = AValue;
  FNeedUpdateImage = true;
  Changed();
}

TGraphicClass TcxCustomImageProperties::DefaultGraphicClass() const { return cxGraphicClassList().front(); }

TGraphicClass TcxCustomImageProperties::GetGraphicClass(TObject* AItem, int ARecordIndex,
                                                        bool APastingFromClipboard) {
  TGraphicClass graphicClass = FGraphicClass;
  if (!graphicClass && APastingFromClipboard) graphicClass = TBitmap::StaticClass();
  if (OnGetGraphicClass) OnGetGraphicClass(AItem, ARecordIndex, APastingFromClipboard, graphicClass);
  return graphicClass;
}

TcxEditViewInfoClass TcxCustomImageProperties::GetViewInfoClass() const {
  return TcxEditViewInfoClass::Of<TcxImageViewInfo>();
}

TcxEditViewDataClass TcxCustomImageProperties::ViewDataClass() const {
  return TcxEditViewDataClass::Of<TcxImageViewData>();
}

TcxCustomEditClass TcxCustomImageProperties::GetContainerClass() const { return TcxCustomEditClass::Of<TcxImage>(); }

String TcxCustomImageProperties::GetDisplayText(const Variant& AEditValue, bool, bool) {
  return VarIsNull(AEditValue) ? String() : FCaption;
}

TcxEditSpecialFeatures TcxCustomImageProperties::GetSpecialFeatures() {
  return TcxCustomEditProperties::GetSpecialFeatures() + TcxEditSpecialFeatures{esfBlobEditValue, esfMultiRow};
}

TcxEditSupportedOperations TcxCustomImageProperties::GetSupportedOperations() {
  return TcxCustomEditProperties::GetSupportedOperations() + TcxEditSupportedOperations{esoAutoHeight, esoEditing};
}

// The picture is offered to OnAssignPicture before the usual validation.
void TcxCustomImageProperties::ValidateDisplayValue(Variant& ADisplayValue, String& AErrorText, bool& AError,
                                                    TcxCustomEdit* AEdit) {
  if (auto* image = dynamic_cast<TcxCustomImage*>(AEdit)) {
    image->LockEditValueChanging(true);
    try {
      if (auto* own = dynamic_cast<TcxCustomImageProperties*>(image->InternalProperties()); own->OnAssignPicture)
        own->OnAssignPicture(image, image->Picture());
      if (image->RepositoryItem() && image->ActiveProperties()->OnAssignPicture)
        image->ActiveProperties()->OnAssignPicture(image, image->Picture());
    } catch (...) {
      image->LockEditValueChanging(false);
      throw;
    }
    image->LockEditValueChanging(false);
  }
  TcxCustomEditProperties::ValidateDisplayValue(ADisplayValue, AErrorText, AError, AEdit);
}

void TcxCustomImageProperties::AssignSettings(TcxCustomEditProperties* Source) {
  TcxCustomEditProperties::AssignSettings(Source);
  auto* source = dynamic_cast<TcxCustomImageProperties*>(Source);
  if (!source) return;
  FCaption = source->FCaption;
  FCenter = source->FCenter;
  FCustomFilter = source->FCustomFilter;
  FGraphicClass = source->FGraphicClass;
  FGraphicTransparency = source->FGraphicTransparency;
  FPopupMenuLayout->Assign(source->FPopupMenuLayout.get());
  FShowFocusRect = source->FShowFocusRect;
  FFitMode = source->FFitMode;
  FZoomTrackBarProperties->Assign(source->FZoomTrackBarProperties.get());
  OnAssignPicture = source->OnAssignPicture;
  OnCustomClick = source->OnCustomClick;
  OnGetGraphicClass = source->OnGetGraphicClass;
}

// ---------------------------------------------------------------- view info

TcxImageViewInfo::~TcxImageViewInfo() = default;

TPicture* TcxImageViewInfo::OwnPicture() {
  if (!FFreePicture) FFreePicture = std::make_unique<TPicture>();
  Picture = FFreePicture.get();
  return Picture;
}

TRect TcxImageViewInfo::PictureRect() const {
  TRect client = ClientRect;
  if (ShowFocusRect) client.Inflate(-1, -1);
  TRect dest;
  cxFitRectForImage(client, TSize{Picture->Width(), Picture->Height()}, FitMode, Center, ZoomPercent, dest);
  dest.Offset(-TopLeft.X, -TopLeft.Y);
  return dest;
}

TdxCustomZoomTrackBarViewInfo* TcxImageViewInfo::ZoomTrackBarViewInfo() {
  if (!FZoomTrackBarViewInfo) FZoomTrackBarViewInfo = std::make_unique<TdxCustomZoomTrackBarViewInfo>();
  return FZoomTrackBarViewInfo.get();
}

void TcxImageViewInfo::InternalPaint(TcxCanvas* ACanvas) {
  DrawCustomEdit(ACanvas, true, true);
  TRect client = ClientRect;
  if (ShowFocusRect) {
    ACanvas->FrameRect(client, clBlack);
    client.Inflate(-1, -1);
  }
  ACanvas->SaveClipRegion();
  try {
    ACanvas->IntersectClipRect(client);
    if (HasPicture(Picture)) {
      ACanvas->StretchDraw(PictureRect(), Picture->Graphic());
    } else if (!Caption.empty()) {
      if (Font) ACanvas->Font()->Assign(Font);
      TRect textRect = client;
      cxDrawTextColored(ACanvas->Handle(), Caption, textRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE, -1, TextColor);
    }
  } catch (...) {
    ACanvas->RestoreClipRegion();
    throw;
  }
  ACanvas->RestoreClipRegion();
  if (ShowZoomTrackBar && !IsDesigning) ZoomTrackBarViewInfo()->Paint(ACanvas);
}

// ---------------------------------------------------------------- view data

void TcxImageViewData::Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P, TcxMouseButton Button,
                                 TShiftState Shift, TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent) {
  TcxCustomEditViewData::Calculate(ACanvas, ABounds, P, Button, Shift, AViewInfo, AIsMouseEvent);
  auto* viewInfo = static_cast<TcxImageViewInfo*>(AViewInfo);
  TcxCustomImageProperties* properties = Properties();
  viewInfo->Caption = properties->Caption();
  viewInfo->Center = properties->Center();
  viewInfo->FitMode = properties->FitMode();
  viewInfo->ShowFocusRect = properties->ShowFocusRect() && !IsInplace() && Focused;
  if (auto* image = dynamic_cast<TcxCustomImage*>(Edit)) {
    viewInfo->Picture = image->Picture();
    viewInfo->TopLeft = image->TopLeft();
    viewInfo->ZoomPercent = image->ZoomPercent();
    CalculateZoomTrackBar(ACanvas, viewInfo, image);
  }
}

void TcxImageViewData::CalculateZoomTrackBar(TcxCanvas* ACanvas, TcxImageViewInfo* AViewInfo,
                                             TcxCustomImage* AImage) {
  AViewInfo->ShowZoomTrackBar = !IsDesigning && AImage->IsZoomTrackBarShown();
  if (!AViewInfo->ShowZoomTrackBar) return;
  const TRect client = AViewInfo->ClientRect;
  const int width = std::min(client.Width(), 200), height = 30;
  const int left = client.Left + (client.Width() - width) / 2;
  const int top =
      client.Top + std::min(client.Height() - 40, static_cast<int>(std::lround(client.Height() * 0.875)));
  AViewInfo->ZoomTrackBarRect = TRect(left, top, left + width, top + height);
  if (!AViewInfo->FZoomTrackBarStyle) AViewInfo->FZoomTrackBarStyle = std::make_unique<TcxEditStyle>(nullptr, true);
  TcxEditStyle* style = AViewInfo->FZoomTrackBarStyle.get();
  style->Assign(Style());
  style->SetBorderStyle(ebsNone);
  std::unique_ptr<TcxCustomTrackBarViewData> viewData(static_cast<TcxCustomTrackBarViewData*>(
      Properties()->ZoomTrackBarProperties()->CreateViewData(style, false)));
  viewData->Enabled = Enabled;
  TdxCustomZoomTrackBarViewInfo* bar = AViewInfo->ZoomTrackBarViewInfo();
  viewData->EditValueToDrawValue(Variant(AImage->ZoomingOptions()->ZoomPercent()), bar);
  viewData->Calculate(ACanvas, TRect(0, 0, width, height), TPoint(-1, -1), cxmbNone, TShiftState{}, bar, false);
  // Laid out from its own corner, painted at its place.
  bar->Bounds = AViewInfo->ZoomTrackBarRect;
}

void TcxImageViewData::EditValueToDrawValue(const Variant& AEditValue, TcxCustomEditViewInfo* AViewInfo) {
  auto* viewInfo = static_cast<TcxImageViewInfo*>(AViewInfo);
  if (VarIsNull(AEditValue) || VarIsEmpty(AEditValue)) {
    if (viewInfo->Picture) viewInfo->OwnPicture()->Assign(nullptr);
    return;
  }
  TPicture* picture = viewInfo->OwnPicture();
  try {
    cxLoadPictureFromBlob(picture, Properties()->GetGraphicClass(InplaceEditParams.Position.Item,
                                                                 InplaceEditParams.Position.RecordIndex),
                          AEditValue);
  } catch (const EInvalidGraphic&) {
    picture->Assign(nullptr);  // a cell of unreadable data draws empty; the data itself is untouched
    return;
  }
  if (picture->Graphic() && Properties()->GraphicTransparency() != gtDefault)
    picture->Graphic()->SetTransparent(Properties()->GraphicTransparency() == gtTransparent);
}

TSize TcxImageViewData::GetEditContentSize(TcxCanvas* ACanvas, const Variant& AEditValue,
                                           const TcxEditSizeProperties& AEditSizeProperties, TcxEditValidateInfo*) {
  if (auto* image = dynamic_cast<TcxCustomImage*>(Edit); image && !IsInplace())
    return TSize{image->Picture()->Width(), image->Picture()->Height()};
  if (!dxVarIsBinaryData(AEditValue)) {
    if (Properties()->Caption().empty()) return TSize{0, 15};
    ACanvas->Font()->Assign(Style()->GetVisibleFont());
    return ACanvas->TextExtent(Properties()->Caption());
  }
  TPicture picture;
  try {
    cxLoadPictureFromBlob(&picture, Properties()->GetGraphicClass(nullptr, -1), AEditValue);
  } catch (const EInvalidGraphic&) {
    return TSize{0, 15};  // an unreadable value takes no room
  }
  TSize size{picture.Width(), picture.Height()};
  const int width = AEditSizeProperties.Width;
  const bool stretched = Properties()->Stretch() || (Properties()->Proportional() && width > 0 && size.cx > width);
  if (stretched && width > 0 && size.cx > 0) size = TSize{width, MulDiv(size.cy, width, size.cx)};
  return size;
}
