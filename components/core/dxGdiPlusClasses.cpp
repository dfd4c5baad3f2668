// Frame animation of the image, the shared objects of the unit and its
// start-up, which registers the image classes as picture formats.
#include "components/core/dxGdiPlusClasses.h"

#include "vcl/rtl/ClassRegistry.h"

TdxGPImageAnimationControllerFactory dxGPImageAnimationControllerClass;

namespace {

std::unique_ptr<TdxGPAlphaBlendAttributes> AlphaBlendAttributes;

constexpr uint32_t PropertyTagFrameDelay = 0x5100;
constexpr uint32_t PropertyTagLoopCount = 0x5101;
constexpr uint32_t PropertyItemHeaderSize = 16;

struct TPictureFormat {
  const wchar_t* Extension;
  const wchar_t* Description;
  TClass GraphicClass;
  const CLSID& Decoder;
  TdxImageDataFormat Format;
  const wchar_t* ClipboardFormatName;
};

void RegisterPictureFormats() {
  const TdxGpImageCodecs& codecs = dxGpImageCodecs;
  const TPictureFormat formats[] = {
      {L"TIFF", L"TIFF graphics from Pelvaro", TdxSmartImage::StaticClass(), codecs.TiffDecoder, dxImageTiff, L"TIFF"},
      {L"TIF", L"TIFF graphics from Pelvaro", TdxSmartImage::StaticClass(), codecs.TiffDecoder, dxImageTiff, L"TIFF"},
      {L"GIF", L"GIF graphics from Pelvaro", TdxSmartImage::StaticClass(), codecs.GifDecoder, dxImageGif, L"GIF"},
      {L"JPEG", L"JPEG graphics from Pelvaro", TdxSmartImage::StaticClass(), codecs.JpegDecoder, dxImageJpeg, L"JPEG"},
      {L"JPG", L"JPEG graphics from Pelvaro", TdxSmartImage::StaticClass(), codecs.JpegDecoder, dxImageJpeg, L"JPEG"},
      {L"PNG", L"PNG graphics from Pelvaro", TdxPNGImage::StaticClass(), codecs.PngDecoder, dxImagePng, L"PNG"},
  };
  for (const TPictureFormat& format : formats) {
    if (dxGpIsCodecEmpty(format.Decoder)) continue;
    TPicture::RegisterFileFormat(format.Extension, format.Description, format.GraphicClass);
    const uint32_t clipboardFormat = RegisterClipboardFormatW(format.ClipboardFormatName);
    TPicture::RegisterClipboardFormat(clipboardFormat, format.GraphicClass);
    dxSetImageClipboardFormat(format.Format, clipboardFormat);
  }
}

void dxGdiPlusClassesStart() {
  if (!dxEnsureGdiPlus()) return;
  dxGpPrepareImageCodecs();
  RegisterClasses({TdxPNGImage::StaticClass(), TdxSmartImage::StaticClass()});
  dxSetImageClipboardFormat(dxImageBitmap, CF_BITMAP);
  RegisterPictureFormats();
}

void dxGdiPlusClassesStop() {
  dxGpFreeAlphaBlendAttributes();
  dxGpFreeSharedPaintCanvas();
  TPicture::UnregisterGraphicClass(TdxSmartImage::StaticClass());
  UnRegisterClass(TdxPNGImage::StaticClass());
  UnRegisterClass(TdxSmartImage::StaticClass());
}

void dxGdiPlusClassesInitialize() {
  if (TdxUnitsLoader* loader = dxUnitsLoaderInstance()) loader->AddUnit(dxGdiPlusClassesStart, dxGdiPlusClassesStop);
}

void dxGdiPlusClassesFinalize() {
  if (TdxUnitsLoader* loader = dxUnitsLoaderInstance()) loader->RemoveUnit(dxGdiPlusClassesStop);
}

}  // namespace

const TUnitEntry dxGdiPlusClassesUnit{L"dxGdiPlusClasses", dxGdiPlusClassesInitialize, dxGdiPlusClassesFinalize};

TdxGPAlphaBlendAttributes* dxGpGetAlphaBlendAttributes(uint8_t AAlpha) {
  if (!AlphaBlendAttributes) AlphaBlendAttributes = std::make_unique<TdxGPAlphaBlendAttributes>();
  AlphaBlendAttributes->SetAlpha(AAlpha);
  return AlphaBlendAttributes.get();
}

void dxGpFreeAlphaBlendAttributes() { AlphaBlendAttributes.reset(); }

// ---------------------------------------------------------------- frames

uint32_t TdxGPImage::AnimationFrameCount() const {
  if (Empty()) return 0;
  UINT dimensions = 0;
  dxCheckGpStatus(GdipImageGetFrameDimensionsCount(FHandle, &dimensions));
  if (dimensions != 1) return 0;
  dxCheckGpStatus(GdipImageGetFrameDimensionsList(FHandle, &FDimensionID, 1));
  UINT count = 0;
  dxCheckGpStatus(GdipImageGetFrameCount(FHandle, &FDimensionID, &count));
  return count;
}

bool TdxGPImage::ReadPropertyItem(uint32_t ATag, std::vector<uint8_t>& AData) const {
  AData.clear();
  UINT size = 0;
  if (!FHandle || GdipGetPropertyItemSize(FHandle, ATag, &size) != Ok || size <= PropertyItemHeaderSize) return false;
  std::vector<uint8_t> buffer(size);
  auto* item = reinterpret_cast<TdxGpPropertyItem*>(buffer.data());
  if (GdipGetPropertyItem(FHandle, ATag, size, item) != Ok || !item->Value) return false;
  AData.assign(static_cast<const uint8_t*>(item->Value),
               static_cast<const uint8_t*>(item->Value) + std::min(item->Length, size - PropertyItemHeaderSize));
  return !AData.empty();
}

int TdxGPImage::AnimationLoopCount() const {
  std::vector<uint8_t> data;
  if (!ReadPropertyItem(PropertyTagLoopCount, data) || data.size() < 2) return 0;
  return data[0] | data[1] << 8;
}

int TdxGPImage::AnimationFrameDelay() const {
  if (FAnimationFrameDelay != 0) return FAnimationFrameDelay;
  std::vector<uint8_t> data;
  const size_t offset = static_cast<size_t>(FActiveFrame) * 4;
  if (!ReadPropertyItem(PropertyTagFrameDelay, data) || data.size() < offset + 4) return 75;
  int32_t hundredths;
  std::memcpy(&hundredths, data.data() + offset, 4);
  return hundredths * 10;
}

void TdxGPImage::SetAnimationFrameDelay(int AValue) {
  AValue = std::max(AValue, 0);
  if (AValue == FAnimationFrameDelay) return;
  FAnimationFrameDelay = AValue;
  if (Animation()) {
    StopAnimation();
    StartAnimation();
  }
}

void TdxGPImage::SelectActiveFrame(uint32_t AValue) const {
  FActiveFrame = AValue;
  if (GdipImageSelectActiveFrame(FHandle, &FDimensionID, AValue) != Ok && AValue != 0) {
    FActiveFrame = 0;
    GdipImageSelectActiveFrame(FHandle, &FDimensionID, 0);
  }
}

void TdxGPImage::SetActiveFrame(uint32_t AValue) {
  const uint32_t count = AnimationFrameCount();
  if (count == 0) return;
  if (AValue >= count) {
    const int loopCount = AnimationLoopCount();
    if (AnimationLoop == bFalse || (AnimationLoop == bDefault && loopCount != 0 && AnimationLoopIndex >= loopCount)) {
      AValue = count - 1;
    } else {
      AValue = 0;
      if (AnimationLoop == bDefault && loopCount != 0) ++AnimationLoopIndex;
    }
  }
  if (AValue == FActiveFrame) return;
  SelectActiveFrame(AValue);
  Changed();
}

// ---------------------------------------------------------------- animation

bool TdxGPImage::Animation() const { return FAnimationController && FAnimationController->Active(); }

void TdxGPImage::SetAnimation(bool AValue) {
  if (AValue == Animation()) return;
  if (AValue)
    StartAnimation();
  else
    StopAnimation();
}

void TdxGPImage::StartAnimation() {
  if (FAnimationController || AnimationFrameCount() < 2) return;
  FAnimationController = dxGPImageAnimationControllerClass
                             ? dxGPImageAnimationControllerClass(this)
                             : std::make_unique<TdxGPImageCustomAnimationController>(this);
  FAnimationController->StartAnimation();
}

void TdxGPImage::StopAnimation() { FAnimationController.reset(); }

TdxGPImageCustomAnimationController::~TdxGPImageCustomAnimationController() { StopAnimation(); }

void TdxGPImageCustomAnimationController::AnimationTimerHandler(TObject* Sender) {
  DoStopAnimation();
  TdxGPImage* image = FImage;
  const uint32_t previous = image->ActiveFrame();
  // The end of the animation is judged also when the frame change raises.
  auto finish = [this, image, previous] {
    if (image->ActiveFrame() == previous)
      image->StopAnimation();  // frees this controller
    else
      DoStartAnimation();
  };
  try {
    image->SetActiveFrame(previous + 1);
  } catch (...) {
    finish();
    throw;
  }
  finish();
}
