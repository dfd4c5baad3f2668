// The library's image list: the system list beside a collection of every
// entry's own bitmaps, its stream format and its drawing.
#include <algorithm>
#include <cmath>
#include <memory>

#include "components/core/cxGraphics.h"
#include "components/core/dxGdiPlusClasses.h"
#include "vcl/classes/Filer.h"
#include "vcl/classes/TypInfo.h"
#include "vcl/graphics/GdiTypes.h"
#include "vcl/graphics/Icon.h"
#include "vcl/rtl/SysUtils.h"

namespace {

constexpr int ImageListFormatVersion = 1;

// How many entries of the list's size the bitmap holds.
int cxImageCountInBitmap(TBitmap* ABitmap, int AWidth, int AHeight) {
  if (ABitmap->Width() % AWidth == 0 && ABitmap->Height() % AHeight == 0)
    return std::max(1, (ABitmap->Width() / AWidth) * (ABitmap->Height() / AHeight));
  return 1;
}

}  // namespace

uint32_t cxImageListDrawFlags(TDrawingStyle ADrawingStyle, TImageType AImageType) {
  static const uint32_t styles[] = {ILD_FOCUS, ILD_SELECTED, 0, ILD_TRANSPARENT};
  return styles[static_cast<int>(ADrawingStyle)] | (AImageType == itMask ? ILD_MASK : 0);
}

void cxAssignImageList(TCustomImageList* AValue, TCustomImageList*& AField, TChangeLink* AChangeLink,
                       TComponent* AOwner) {
  if (AValue == AField) return;
  if (AField) {
    if (AOwner) AField->RemoveFreeNotification(AOwner);
    if (AChangeLink) AField->UnRegisterChanges(AChangeLink);
  }
  AField = AValue;
  if (AValue) {
    if (AChangeLink) AValue->RegisterChanges(AChangeLink);
    if (AOwner) AValue->FreeNotification(AOwner);
  }
  if (AChangeLink) AChangeLink->Change();
}

// ---------------------------------------------------------------- image info

TcxImageInfo::TcxImageInfo() : FImage(std::make_unique<TcxBitmap>()), FMask(std::make_unique<TcxBitmap>()) {}
TcxImageInfo::~TcxImageInfo() = default;

void TcxImageInfo::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxImageInfo*>(Source);
  if (!source) return TPersistent::Assign(Source);
  SetImage(source->Image());
  SetMask(source->Mask());
  FMaskColor = source->FMaskColor;
}

TcxImageInfoItem::TcxImageInfoItem(TCollection* ACollection)
    : TCollectionItem(ACollection), FImageInfo(std::make_unique<TcxImageInfo>()) {
  if (auto* collection = dynamic_cast<TcxImageInfoCollection*>(ACollection))
    SetCompressData(collection->CompressData());
}

bool TcxImageInfoItem::CompressData() const {
  return FImageInfo->Image()->CompressData() && FImageInfo->Mask()->CompressData();
}

void TcxImageInfoItem::SetCompressData(bool Value) {
  FImageInfo->Image()->SetCompressData(Value);
  FImageInfo->Mask()->SetCompressData(Value);
}

void TcxImageInfoItem::Assign(TPersistent* Source) {
  if (auto* item = dynamic_cast<TcxImageInfoItem*>(Source)) return FImageInfo->Assign(item->ImageInfo());
  TCollectionItem::Assign(Source);
}

const TPropTable* TcxImageInfoItem::PublishedTable(TPublishedTag<TcxImageInfoItem>) {
  static const TPropTable table = TPublished<TcxImageInfoItem>()
                                      .Property(L"Image", &TcxImageInfoItem::Image, &TcxImageInfoItem::SetImage)
                                      .Property(L"Mask", &TcxImageInfoItem::Mask, &TcxImageInfoItem::SetMask)
                                      .Property(L"MaskColor", &TcxImageInfoItem::MaskColor,
                                                &TcxImageInfoItem::SetMaskColor)
                                      .Build();
  return &table;
}

TcxImageInfoCollection::TcxImageInfoCollection(TcxImageList* AImageList)
    : TCollection(TcxImageInfoItem::StaticClass()), FImageList(AImageList) {}

TPersistent* TcxImageInfoCollection::GetOwner() const { return FImageList; }

TcxImageInfoItem* TcxImageInfoCollection::Add(TBitmap* AImage, TBitmap* AMask, TColor AMaskColor) {
  auto* item = static_cast<TcxImageInfoItem*>(TCollection::Add());
  item->SetCompressData(FCompressData);
  item->SetImage(AImage);
  if (AMask) item->SetMask(AMask);
  item->SetMaskColor(AMaskColor);
  return item;
}

void TcxImageInfoCollection::Delete(int AIndex) {
  if (AIndex < 0)
    Clear();
  else
    TCollection::Delete(AIndex);
}

void TcxImageInfoCollection::SetCompressData(bool Value) {
  if (FCompressData == Value) return;
  FCompressData = Value;
  for (int i = 0; i < Count(); ++i) Items(i)->SetCompressData(Value);
}

// ---------------------------------------------------------------- image list

// Every public change runs inside one, so observers hear once per call.
class TcxImageList::TUpdate {
public:
  explicit TUpdate(TcxImageList* AList) : FList(AList) { FList->BeginUpdate(); }
  ~TUpdate() { FList->EndUpdate(); }

private:
  TcxImageList* FList;
};

TcxImageList::TcxImageList(TComponent* AOwner)
    : TDragImageList(AOwner), FImages(std::make_unique<TcxImageInfoCollection>(this)) {
  SetColorDepth(cd32Bit);
}

TcxImageList::~TcxImageList() = default;

void TcxImageList::EndUpdate() {
  if (FLockCount > 0 && --FLockCount == 0) Change();
}

void TcxImageList::Change() {
  if (FLockCount > 0 || ComponentState().Contains(csLoading) || ComponentState().Contains(csReading) ||
      ComponentState().Contains(csDestroying))
    return;
  if (Count() == FImages->Count())
    TDragImageList::Change();
  else
    RebuildImageInfo();
}

void TcxImageList::SetSize(int AWidth, int AHeight) {
  AWidth = std::max(AWidth, 1);
  AHeight = std::max(AHeight, 1);
  if (AWidth == Width() && AHeight == Height()) return;
  TUpdate update(this);
  Clear();
  TDragImageList::SetSize(AWidth, AHeight);
}

void TcxImageList::SetHandle(HIMAGELIST Value) {
  TDragImageList source(nullptr);
  source.SetShareImages(true);  // the caller's list stays the caller's
  source.SetHandle(Value);
  Assign(&source);
}

int TcxImageList::Add(TBitmap* AImage, TBitmap* AMask) {
  TUpdate update(this);
  const int result = TDragImageList::Add(AImage, AMask);
  if (result >= 0 && !FSynchronization) AddToImageInfo(AImage, AMask, clNone);
  return result;
}

int TcxImageList::AddMasked(TBitmap* AImage, TColor AMaskColor) {
  if (AMaskColor == clNone) return Add(AImage, nullptr);
  TUpdate update(this);
  const int result = TDragImageList::AddMasked(AImage, AMaskColor);
  if (result >= 0 && !FSynchronization) AddToImageInfo(AImage, nullptr, AMaskColor);
  return result;
}

int TcxImageList::AddIcon(TIcon* AIcon) {
  TUpdate update(this);
  const int result = TDragImageList::AddIcon(AIcon);
  if (result >= 0 && !FSynchronization) {
    TcxBitmap32 image(Width(), Height());
    TcxBitmap mask(Width(), Height());
    GetImageInfo(Handle(), result, &image, &mask);
    FImages->Add(&image, &mask, clNone);
  }
  return result;
}

int TcxImageList::Add(TdxSmartImage* AImage) {
  const std::unique_ptr<TBitmap> bitmap = AImage->GetAsBitmap();
  return Add(bitmap.get(), nullptr);
}

void TcxImageList::AddToImageInfo(TBitmap* AImage, TBitmap* AMask, TColor AMaskColor) {
  const int w = Width(), h = Height();
  const int count = cxImageCountInBitmap(AImage, w, h);
  if (count == 1) {
    FImages->Add(AImage, AMask, AMaskColor);
    return;
  }
  const int columns = AImage->Width() / w;
  for (int k = 0; k < count; ++k) {
    const TPoint from((k % columns) * w, (k / columns) * h);
    TcxBitmap image(w, h, AImage->PixelFormat());
    image.CopyBitmap(AImage, image.ClientRect(), from);
    std::unique_ptr<TcxBitmap> mask;
    if (AMask) {
      mask = std::make_unique<TcxBitmap>(w, h, AMask->PixelFormat());
      mask->CopyBitmap(AMask, mask->ClientRect(), from);
    }
    FImages->Add(&image, mask.get(), AMaskColor);
  }
}

int TcxImageList::AddBitmap(TBitmap* AImage, TBitmap* AMask, TColor AMaskColor, bool AStretch, bool ASmooth) {
  if (!AImage) return -1;
  std::unique_ptr<TcxBitmap32> image, mask;
  if (AImage->Width() != Width() || AImage->Height() != Height()) {
    image = std::make_unique<TcxBitmap32>(AImage->Width(), AImage->Height());
    image->CopyBitmap(AImage);
    cxResizeBitmapContent(image.get(), Width(), Height(), AStretch, AStretch && ASmooth && AImage->PixelFormat() == pf32bit,
                          AMaskColor);
    AImage = image.get();
  }
  if (AMask && (AMask->Width() != Width() || AMask->Height() != Height())) {
    mask = std::make_unique<TcxBitmap32>(AMask->Width(), AMask->Height());
    mask->CopyBitmap(AMask);
    cxResizeBitmapContent(mask.get(), Width(), Height(), AStretch, false, clNone);
    AMask = mask.get();
  }
  return AMask ? Add(AImage, AMask) : AddMasked(AImage, AMaskColor);
}

int TcxImageList::AddImageInfoItem(TcxImageInfoItem* AItem) {
  return AItem->Mask()->Empty() ? AddMasked(AItem->Image(), AItem->MaskColor()) : Add(AItem->Image(), AItem->Mask());
}

int TcxImageList::AddImage(TCustomImageList* AValue, int AIndex) {
  // A negative index would copy the whole list.
  if (!AValue || AIndex < 0 || AIndex >= AValue->Count()) return -1;
  const int result = Count();
  CopyImages(AValue, AIndex, AIndex);
  return result;
}

void TcxImageList::AddImages(TCustomImageList* AImages) {
  if (AImages) CopyImages(AImages, 0, -1);
}

void TcxImageList::CopyImages(TCustomImageList* AImages, int AStartIndex, int AEndIndex) {
  TUpdate update(this);
  auto* source = dynamic_cast<TcxImageList*>(AImages);
  std::unique_ptr<TcxImageList> copy;
  if (!source) {
    copy = std::make_unique<TcxImageList>(nullptr);
    copy->Assign(AImages);
    source = copy.get();
  }
  const int last = AEndIndex < 0 ? source->Count() - 1 : std::min(AEndIndex, source->Count() - 1);
  for (int i = std::max(AStartIndex, 0); i <= last; ++i) AddImageInfoItem(source->FImages->Items(i));
}

void TcxImageList::PlaceAdded(int AIndex, bool AReplace, const std::function<int()>& AAdd) {
  if (AIndex < 0 || AIndex > Count() - (AReplace ? 1 : 0)) return;
  TUpdate update(this);
  int added = AAdd();
  if (added < 0) return;  // refused: an image being replaced stays
  if (AReplace) {
    Delete(AIndex);
    --added;
  }
  for (int k = 0, count = Count() - added; k < count; ++k) Move(added + k, AIndex + k);
}

void TcxImageList::Insert(int AIndex, TBitmap* AImage, TBitmap* AMask) {
  PlaceAdded(AIndex, false, [&] { return Add(AImage, AMask); });
}

void TcxImageList::InsertMasked(int AIndex, TBitmap* AImage, TColor AMaskColor) {
  PlaceAdded(AIndex, false, [&] { return AddMasked(AImage, AMaskColor); });
}

void TcxImageList::InsertIcon(int AIndex, TIcon* AIcon) {
  PlaceAdded(AIndex, false, [&] { return AddIcon(AIcon); });
}

void TcxImageList::Move(int ACurIndex, int ANewIndex) {
  if (ACurIndex == ANewIndex) return;
  TUpdate update(this);
  const int step = ANewIndex > ACurIndex ? 1 : -1;
  for (int i = ACurIndex; i != ANewIndex; i += step) ImageList_Copy(Handle(), i + step, Handle(), i, ILCF_SWAP);
  if (!FSynchronization) FImages->Move(ACurIndex, ANewIndex);
}

void TcxImageList::Delete(int AIndex) {
  TUpdate update(this);
  TDragImageList::Delete(AIndex);
  if (!FSynchronization) FImages->Delete(AIndex);
}

void TcxImageList::Replace(int AIndex, TBitmap* AImage, TBitmap* AMask) {
  PlaceAdded(AIndex, true, [&] { return Add(AImage, AMask); });
}

void TcxImageList::ReplaceMasked(int AIndex, TBitmap* AImage, TColor AMaskColor) {
  PlaceAdded(AIndex, true, [&] { return AddMasked(AImage, AMaskColor); });
}

void TcxImageList::ReplaceIcon(int AIndex, TIcon* AIcon) {
  PlaceAdded(AIndex, true, [&] { return AddIcon(AIcon); });
}

void TcxImageList::RebuildImageInfo() {
  FImages->BeginUpdate();
  FImages->Clear();
  for (int i = 0; i < Count(); ++i) {
    TcxBitmap32 image(Width(), Height());
    TcxBitmap mask(Width(), Height());
    GetImageInfo(Handle(), i, &image, &mask);
    FImages->Add(&image, &mask, clNone);
  }
  FImages->EndUpdate();
}

void TcxImageList::RebuildFromImageInfo() {
  TUpdate update(this);
  FSynchronization = true;
  try {
    TDragImageList::Delete(-1);
    for (int i = 0; i < FImages->Count();) {
      if (AddImageInfoItem(FImages->Items(i)) < 0)
        FImages->Delete(i);
      else
        ++i;
    }
  } catch (...) {
    FSynchronization = false;
    throw;
  }
  FSynchronization = false;
}

// ---------------------------------------------------------------- reading back

void TcxImageList::GetImageInfo(int AIndex, TBitmap* AImage, TBitmap* AMask) {
  if (AIndex < 0 || AIndex >= Count() || AIndex >= FImages->Count()) return;
  TcxImageInfoItem* item = FImages->Items(AIndex);
  if (item->Image()->PixelFormat() != pf32bit) return GetImageInfo(Handle(), AIndex, AImage, AMask);
  // The copies keep the targets' own formats (an alpha bitmap stays one).
  auto copyInto = [](TBitmap* ATarget, TBitmap* ASource) {
    ATarget->SetSize(ASource->Width(), ASource->Height());
    cxBitBltRect(ATarget->Canvas()->Handle(), ASource->Canvas()->Handle(),
                 TRect(0, 0, ATarget->Width(), ATarget->Height()), TPoint(), SRCCOPY);
  };
  if (AImage) {
    AImage->SetPixelFormat(pf32bit);
    copyInto(AImage, item->Image());
  }
  if (AMask) {
    if (!item->Mask()->Empty())
      copyInto(AMask, item->Mask());
    else
      GetImageInfo(Handle(), AIndex, nullptr, AMask);
  }
}

void TcxImageList::GetImageInfo(TCustomImageList* AImages, int AIndex, TBitmap* AImage, TBitmap* AMask) {
  if (auto* list = dynamic_cast<TcxImageList*>(AImages))
    list->GetImageInfo(AIndex, AImage, AMask);
  else if (AImages)
    GetImageInfo(AImages->Handle(), AIndex, AImage, AMask);
}

void TcxImageList::GetImageInfo(HIMAGELIST AHandle, int AIndex, TBitmap* AImage, TBitmap* AMask) {
  IMAGEINFO info{};
  if (!ImageList_GetImageInfo(AHandle, std::max(AIndex, 0), &info)) return;
  const TRect rect = AIndex < 0 ? TRect() : ToRect(info.rcImage);
  auto copyPart = [&](HBITMAP ASource, TBitmap* ATarget) {
    if (!ATarget) return;
    HBITMAP copy = static_cast<HBITMAP>(CopyImage(ASource, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    BITMAP data{};
    GetObjectW(copy, sizeof(data), &data);
    const TRect part = AIndex < 0 ? TRect(0, 0, data.bmWidth, data.bmHeight) : rect;
    ATarget->SetSize(part.Width(), part.Height());
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, copy);
    cxBitBltRect(ATarget->Canvas()->Handle(), dc, TRect(0, 0, part.Width(), part.Height()), part.TopLeft(), SRCCOPY);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(copy);
    ATarget->SetModified(true);
  };
  copyPart(info.hbmImage, AImage);
  if (info.hbmMask)
    copyPart(info.hbmMask, AMask);
  else if (AMask)
    cxClearBitmap(AMask);
}

int TcxImageList::GetPixelFormat(HIMAGELIST AHandle) {
  IMAGEINFO info{};
  if (!ImageList_GetImageInfo(AHandle, 0, &info)) return 0;
  BITMAP data{};
  return cxBitmapObjectData(info.hbmImage, data) ? data.bmBitsPixel : 0;
}

// ---------------------------------------------------------------- loading

bool TcxImageList::LoadImage(HINSTANCE AInstance, const String& AResourceName, TColor AMaskColor, int AWidth,
                             TLoadResources AFlags) {
  TCustomImageList loaded(nullptr);
  if (!loaded.GetInstRes(AInstance, rtBitmap, AResourceName, AWidth, AFlags, AMaskColor)) return false;
  CopyImages(&loaded, 0, -1);
  return true;
}

bool TcxImageList::LoadResourceImages(HINSTANCE Instance, TResType ResType, const wchar_t* Name, int Width,
                                      TLoadResources LoadFlags, TColor MaskColor) {
  TUpdate update(this);
  const bool result = TDragImageList::LoadResourceImages(Instance, ResType, Name, Width, LoadFlags, MaskColor);
  RebuildImageInfo();
  return result;
}

// ---------------------------------------------------------------- drawing

void TcxImageList::DrawOverlay(TCanvas* ACanvas, int X, int Y, int AImageIndex, TOverlay AOverlay,
                               TDrawingStyle ADrawingStyle, TImageType AImageType, bool AEnabled) {
  if (!HandleAllocated()) return;
  const uint32_t overlay = ((AOverlay + 1u) << 8) & ILD_OVERLAYMASK;
  TDragImageList::DoDraw(AImageIndex, ACanvas, X, Y, cxImageListDrawFlags(ADrawingStyle, AImageType) | overlay,
                         AEnabled);
}

void TcxImageList::Draw(TCanvas* ACanvas, const TRect& ARect, int AIndex, bool AStretch, bool ASmoothResize,
                        bool AEnabled) {
  DrawImageEx(AIndex, ACanvas, AEnabled, ASmoothResize, AStretch, cxImageListDrawFlags(DrawingStyle(), ImageType()),
              ARect);
}

void TcxImageList::DoDraw(int AIndex, TCanvas* ACanvas, int X, int Y, uint32_t AStyle, bool AEnabled) {
  DrawImageEx(AIndex, ACanvas, AEnabled, false, false, AStyle, TRect(X, Y, X + Width(), Y + Height()));
}

void TcxImageList::DrawImageEx(int AIndex, TCanvas* ACanvas, bool AEnabled, bool ASmooth, bool AStretch,
                               uint32_t AFlags, const TRect& R) {
  if (R.Width() == Width() && R.Height() == Height()) AStretch = false;
  TRect target = R;
  if (!AStretch) {
    const int left = static_cast<int>(std::floor((R.Left + R.Right - Width()) / 2.0));
    const int top = static_cast<int>(std::floor((R.Top + R.Bottom - Height()) / 2.0));
    target = TRect(left, top, left + Width(), top + Height());
  }
  const TcxGlyphDrawState state = AEnabled ? gdsNormal : gdsDisabled;
  if (FAlphaBlending)
    cxDrawGlyphOrImage(ACanvas->Handle(), target, R, nullptr, this, AIndex, state, ASmooth, nullptr, clNone, true);
  else
    TDragImageList::DoDraw(AIndex, ACanvas, target.Left, target.Top, AFlags, AEnabled);
}

// ---------------------------------------------------------------- streaming and assignment

void TcxImageList::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TCustomImageList*>(Source);
  if (!source) return TDragImageList::Assign(Source);
  TUpdate update(this);
  FSynchronization = true;
  try {
    TDragImageList::Assign(Source);
  } catch (...) {
    FSynchronization = false;
    throw;
  }
  FSynchronization = false;
  TDragImageList::Delete(-1);
  FImages->Clear();
  if (auto* list = dynamic_cast<TcxImageList*>(Source)) {
    for (int i = 0; i < list->FImages->Count(); ++i) AddImageInfoItem(list->FImages->Items(i));
  } else {
    for (int i = 0; i < source->Count(); ++i) {
      TcxBitmap32 image(Width(), Height());
      TcxBitmap mask(Width(), Height());
      GetImageInfo(source->Handle(), i, &image, &mask);
      Add(&image, &mask);
    }
  }
}

void TcxImageList::ReadImageInfo(TReader* AReader) {
  AReader->CheckValue(vaCollection);
  // Read aside, kept with the load's journal, which refers to its items.
  auto read = std::make_shared<TcxImageInfoCollection>(this);
  AReader->Journal([read] {});
  TcxImageInfoCollection& images = *read;
  AReader->ReadCollection(&images);
  for (int i = 0; i < images.Count(); ++i) {
    TBitmap* image = images.Items(i)->Image();
    if (image->Empty() || image->Width() % Width() != 0 || image->Height() % Height() != 0)
      throw EReadError(Format(L"Image %d of the image list is %dx%d, which does not fit images of %dx%d",
                              {i, image->Width(), image->Height(), Width(), Height()}));
  }
  auto before = std::make_shared<TcxImageInfoCollection>(this);
  before->Assign(FImages.get());
  AReader->Journal([this, before] {
    FImages->Assign(before.get());
    RebuildFromImageInfo();
  });
  FImages->Assign(&images);
  RebuildFromImageInfo();
}

void TcxImageList::DefineProperties(TFiler* Filer) {
  TDragImageList::DefineProperties(Filer);
  Filer->DefineProperty(
      L"FormatVersion",
      [this](TReader* AReader) {
        const int64_t version = AReader->ReadInteger();
        if (version != ImageListFormatVersion)
          throw EReadError(Format(L"Unsupported image list format version %d", {version}));
        AReader->AssignJournaled(FFormatVersion, static_cast<int>(version));
      },
      [this](TWriter* AWriter) {
        FFormatVersion = ImageListFormatVersion;
        AWriter->WriteInteger(FFormatVersion);
      },
      true);
  Filer->DefineProperty(
      L"DesignInfo",
      [this](TReader* AReader) {
        const int value = static_cast<int>(AReader->ReadInteger());
        AReader->Journal([this, old = DesignInfo()] { SetDesignInfo(old); });
        SetDesignInfo(value);
      },
      [this](TWriter* AWriter) { AWriter->WriteInteger(DesignInfo()); }, true);
  Filer->DefineProperty(
      L"ImageInfo", [this](TReader* AReader) { ReadImageInfo(AReader); },
      [this](TWriter* AWriter) { AWriter->WriteCollection(FImages.get()); }, Count() > 0);
}

const TPropTable* TcxImageList::PublishedTable(TPublishedTag<TcxImageList>) {
  static const TTypeInfo drawingStyles =
      EnumTypeInfo(L"TDrawingStyle", {L"dsFocus", L"dsSelected", L"dsNormal", L"dsTransparent"});
  static const TTypeInfo imageTypes = EnumTypeInfo(L"TImageType", {L"itImage", L"itMask"});
  static const TPropTable table =
      TPublished<TcxImageList>()
          .Property(L"BlendColor", &TcxImageList::BlendColor, &TcxImageList::SetBlendColor)
          .Property(L"BkColor", &TcxImageList::BkColor, &TcxImageList::SetBkColor)
          .Property(L"CompressData", &TcxImageList::CompressData, &TcxImageList::SetCompressData)
          .Property(L"DrawingStyle", &TcxImageList::DrawingStyle, &TcxImageList::SetDrawingStyle, &drawingStyles)
          .Property(L"Height", &TcxImageList::Height, &TcxImageList::SetHeight)
          .Property(L"ImageType", &TcxImageList::ImageType, &TcxImageList::SetImageType, &imageTypes)
          .Property(L"ShareImages", &TcxImageList::ShareImages, &TcxImageList::SetShareImages)
          .Property(L"Width", &TcxImageList::Width, &TcxImageList::SetWidth)
          .Build();
  return &table;
}
