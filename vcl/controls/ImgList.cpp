#include "vcl/controls/ImgList.h"

#include <algorithm>

#include "vcl/graphics/Bitmap.h"
#include "vcl/graphics/Canvas.h"
#include "vcl/graphics/Icon.h"
#include "vcl/rtl/SysUtils.h"

namespace {

COLORREF ListColor(TColor AColor) {
  if (AColor == clNone) return CLR_NONE;
  if (AColor == clDefault) return CLR_DEFAULT;
  return ColorToRGB(AColor);
}

UINT ColorFlags(TColorDepth ADepth) {
  switch (ADepth) {
    case cd4Bit: return ILC_COLOR4;
    case cd8Bit: return ILC_COLOR8;
    case cd16Bit: return ILC_COLOR16;
    case cd24Bit: return ILC_COLOR24;
    case cd32Bit: return ILC_COLOR32;
    default: return ILC_COLORDDB;
  }
}

// A copy of a bitmap's picture (none for no bitmap), deleted with it.
class TBitmapCopy {
public:
  TBitmapCopy(TBitmap* ABitmap, UINT AFlags)
      : FHandle(ABitmap ? static_cast<HBITMAP>(CopyImage(ABitmap->Handle(), IMAGE_BITMAP, 0, 0, AFlags)) : nullptr) {}
  ~TBitmapCopy() {
    if (FHandle) DeleteObject(FHandle);
  }
  TBitmapCopy(const TBitmapCopy&) = delete;
  TBitmapCopy& operator=(const TBitmapCopy&) = delete;
  HBITMAP Handle() const { return FHandle; }

private:
  HBITMAP FHandle;
};

}  // namespace

TChangeLink::~TChangeLink() {
  if (FSender) FSender->UnRegisterChanges(this);
}

void TChangeLink::Change() {
  if (OnChange) OnChange(FSender);
}

TCustomImageList::TCustomImageList(TComponent* AOwner) : TComponent(AOwner) {}

TCustomImageList::~TCustomImageList() {
  for (TChangeLink* link : FClients) link->FSender = nullptr;
  if (FHandle && !FShareImages) ImageList_Destroy(FHandle);
}

void TCustomImageList::CreateList() {
  FHandle = ImageList_Create(FWidth, FHeight, ColorFlags(FColorDepth) | ILC_MASK, FAllocBy, FAllocBy);
  if (!FHandle) RaiseLastOSError();
  ImageList_SetBkColor(FHandle, ListColor(FBkColor));
}

HIMAGELIST TCustomImageList::Handle() {
  if (!FHandle) CreateList();
  return FHandle;
}

void TCustomImageList::SetHandle(HIMAGELIST Value) {
  if (FHandle == Value) return;
  if (FHandle && !FShareImages) ImageList_Destroy(FHandle);
  FHandle = Value;
  if (FHandle) ImageList_GetIconSize(FHandle, &FWidth, &FHeight);
  Change();
}

int TCustomImageList::Count() const { return FHandle ? ImageList_GetImageCount(FHandle) : 0; }

void TCustomImageList::SetSize(int AWidth, int AHeight) {
  if (AWidth == FWidth && AHeight == FHeight) return;
  FWidth = AWidth;
  FHeight = AHeight;
  if (FHandle) ImageList_SetIconSize(FHandle, FWidth, FHeight);
  Change();
}

void TCustomImageList::SetColorDepth(TColorDepth Value) {
  if (FColorDepth == Value) return;
  FColorDepth = Value;
  if (FHandle && Count() == 0) {
    ImageList_Destroy(FHandle);
    FHandle = nullptr;
  }
}

void TCustomImageList::SetBkColor(TColor Value) {
  FBkColor = Value;
  if (FHandle) ImageList_SetBkColor(FHandle, ListColor(Value));
  Change();
}

int TCustomImageList::Add(TBitmap* AImage, TBitmap* AMask) {
  if (!AImage) return -1;
  // The list selects both into device contexts of its own.
  AImage->ReleaseCanvasHandle();
  if (AMask) AMask->ReleaseCanvasHandle();
  const int count = Count();
  const int result = Added(ImageList_Add(Handle(), AImage->Handle(), AMask ? AMask->Handle() : nullptr), count);
  Change();
  return result;
}

int TCustomImageList::Added(int AResult, int ACountBefore) const {
  // A bitmap smaller than one image is "added" as no image at all.
  return AResult >= 0 && Count() > ACountBefore ? AResult : -1;
}

int TCustomImageList::AddMasked(TBitmap* AImage, TColor AMaskColor) {
  if (!AImage) return -1;
  if (AMaskColor == clNone) return Add(AImage, nullptr);
  // The list reads the mask colour from a device-dependent copy.
  const TBitmapCopy copy(AImage, 0);
  const int count = Count();
  const int result = Added(ImageList_AddMasked(Handle(), copy.Handle(), ListColor(AMaskColor)), count);
  Change();
  return result;
}

int TCustomImageList::AddIcon(TIcon* AIcon) {
  if (!AIcon || AIcon->Empty()) return -1;
  const int result = ImageList_AddIcon(Handle(), AIcon->Handle());
  Change();
  return result;
}

void TCustomImageList::Delete(int AIndex) {
  if (AIndex >= Count()) throw EInvalidOperation(Format(L"Invalid image list index %d", {AIndex}));
  if (FHandle) ImageList_Remove(FHandle, AIndex);
  Change();
}

void TCustomImageList::Draw(TCanvas* ACanvas, int X, int Y, int AIndex, bool AEnabled) {
  Draw(ACanvas, X, Y, AIndex, FDrawingStyle, FImageType, AEnabled);
}

void TCustomImageList::Draw(TCanvas* ACanvas, int X, int Y, int AIndex, TDrawingStyle ADrawingStyle,
                            TImageType AImageType, bool AEnabled) {
  static const uint32_t styles[] = {ILD_FOCUS, ILD_SELECTED, ILD_NORMAL, ILD_TRANSPARENT};
  DoDraw(AIndex, ACanvas, X, Y, styles[static_cast<int>(ADrawingStyle)] | (AImageType == itMask ? ILD_MASK : 0),
         AEnabled);
}

void TCustomImageList::DoDraw(int AIndex, TCanvas* ACanvas, int X, int Y, uint32_t AStyle, bool AEnabled) {
  if (!FHandle || AIndex < 0 || AIndex >= Count()) return;
  IMAGELISTDRAWPARAMS params{};
  params.cbSize = sizeof(params);
  params.himl = FHandle;
  params.i = AIndex;
  params.hdcDst = ACanvas->Handle();
  params.x = X;
  params.y = Y;
  params.rgbBk = ListColor(FBkColor);
  params.rgbFg = ListColor(FBlendColor);
  params.fStyle = AStyle;
  params.fState = AEnabled ? ILS_NORMAL : ILS_SATURATE;
  ImageList_DrawIndirect(&params);
}

bool TCustomImageList::LoadResourceImages(HINSTANCE Instance, TResType ResType, const wchar_t* Name, int Width,
                                          TLoadResources LoadFlags, TColor MaskColor) {
  static const UINT types[] = {IMAGE_BITMAP, IMAGE_CURSOR, IMAGE_ICON};
  static const UINT flags[] = {LR_DEFAULTCOLOR, LR_DEFAULTSIZE, LR_LOADFROMFILE, LR_LOADMAP3DCOLORS,
                               LR_LOADTRANSPARENT, LR_MONOCHROME};
  UINT load = LR_CREATEDIBSECTION;
  for (int i = 0; i < 6; ++i)
    if (LoadFlags.Contains(static_cast<TLoadResource>(i))) load |= flags[i];
  HIMAGELIST list = ImageList_LoadImageW(Instance, Name, Width, FAllocBy, ListColor(MaskColor),
                                         types[static_cast<int>(ResType)], load);
  if (!list) return false;
  SetHandle(list);
  return true;
}

bool TCustomImageList::GetInstRes(HINSTANCE Instance, TResType ResType, const String& Name, int Width,
                                  TLoadResources LoadFlags, TColor MaskColor) {
  return LoadResourceImages(Instance, ResType, Name.c_str(), Width, LoadFlags, MaskColor);
}

bool TCustomImageList::GetInstRes(HINSTANCE Instance, TResType ResType, uint32_t ResID, int Width,
                                  TLoadResources LoadFlags, TColor MaskColor) {
  return LoadResourceImages(Instance, ResType, MAKEINTRESOURCEW(ResID), Width, LoadFlags, MaskColor);
}

bool TCustomImageList::GetResource(TResType ResType, const String& Name, int Width, TLoadResources LoadFlags,
                                   TColor MaskColor) {
  return GetInstRes(GetModuleHandleW(nullptr), ResType, Name, Width, LoadFlags, MaskColor);
}

bool TCustomImageList::ResourceLoad(TResType ResType, const String& Name, TColor MaskColor) {
  return GetResource(ResType, Name, 0, {}, MaskColor);
}

bool TCustomImageList::ResInstLoad(HINSTANCE Instance, TResType ResType, const String& Name, TColor MaskColor) {
  return GetInstRes(Instance, ResType, Name, 0, {}, MaskColor);
}

bool TCustomImageList::FileLoad(TResType ResType, const String& Name, TColor MaskColor) {
  return GetResource(ResType, Name, 0, {lrFromFile}, MaskColor);
}

bool TCustomImageList::Overlay(int ImageIndex, TOverlay AOverlay) {
  return ImageList_SetOverlayImage(Handle(), ImageIndex, AOverlay + 1) != FALSE;
}

void TCustomImageList::RegisterChanges(TChangeLink* AValue) {
  AValue->FSender = this;
  if (std::find(FClients.begin(), FClients.end(), AValue) == FClients.end()) FClients.push_back(AValue);
}

void TCustomImageList::UnRegisterChanges(TChangeLink* AValue) {
  AValue->FSender = nullptr;
  std::erase(FClients, AValue);
}

void TCustomImageList::Change() {
  // A link may unregister itself while it is told.
  const std::vector<TChangeLink*> clients = FClients;
  for (TChangeLink* link : clients)
    if (std::find(FClients.begin(), FClients.end(), link) != FClients.end()) link->Change();
  if (OnChange) OnChange(this);
}

void TCustomImageList::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TCustomImageList*>(Source);
  if (!source) return TComponent::Assign(Source);
  if (FHandle && !FShareImages) ImageList_Destroy(FHandle);
  FHandle = nullptr;
  FWidth = source->FWidth;
  FHeight = source->FHeight;
  FColorDepth = source->FColorDepth;
  FBkColor = source->FBkColor;
  FBlendColor = source->FBlendColor;
  FDrawingStyle = source->FDrawingStyle;
  FImageType = source->FImageType;
  if (source->FHandle) {
    FHandle = ImageList_Duplicate(source->FHandle);
    if (!FHandle) RaiseLastOSError();
  }
  Change();
}
