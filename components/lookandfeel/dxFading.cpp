// Fading: options, the blended frames of one fade and the one fader with
// its timer.
#include "components/lookandfeel/dxFading.h"

#include <algorithm>
#include <cmath>

#include "components/core/cxGraphics.h"
#include "components/core/cxMessageWindow.h"
#include "components/core/dxGdiPlusApi.h"
#include "components/lookandfeel/cxLookAndFeelPainters.h"
#include "vcl/graphics/Bitmap.h"
#include "vcl/rtl/WinApi.h"

const GUID IID_IdxFadingObject = {0x73AB2A92, 0xCDD9, 0x4F13, {0x96, 0x5A, 0xDC, 0x79, 0x9D, 0xE8, 0x37, 0xF9}};
const GUID IID_IdxFadingOptionsSource = {
    0xFAAAF4F8, 0x7F10, 0x42CD, {0x93, 0x68, 0x2B, 0xB5, 0xA1, 0xF1, 0x48, 0x2B}};

namespace {

constexpr int dxFadingMaxFrameCount = 32;
constexpr int dxFadingMaxFrameDelay = 300;
constexpr uint32_t dxFadingTimerInterval = 10;

std::unique_ptr<TdxFader> dxFader;

// The IUnknown of an object that answers interface queries, or null.
IUnknown* UnknownOf(TObject* AObject) {
  auto* object = dynamic_cast<TcxIUnknownObject*>(AObject);
  return object ? static_cast<IUnknown*>(object) : nullptr;
}

}  // namespace

// ---------------------------------------------------------------- options

void TdxFadingOptions::Assign(TPersistent* ASource) {
  auto* source = dynamic_cast<TdxFadingOptions*>(ASource);
  if (!source) return TPersistent::Assign(ASource);
  SetFadeInFrameCount(source->FFadeInFrameCount);
  SetFadeInFrameDelay(source->FFadeInFrameDelay);
  SetFadeOutFrameCount(source->FFadeOutFrameCount);
  SetFadeOutFrameDelay(source->FFadeOutFrameDelay);
}

void TdxFadingOptions::SetFadeInFrameCount(int AValue) {
  FFadeInFrameCount = std::clamp(AValue, 0, dxFadingMaxFrameCount);
}
void TdxFadingOptions::SetFadeInFrameDelay(int AValue) {
  FFadeInFrameDelay = std::clamp(AValue, 10, dxFadingMaxFrameDelay);
}
void TdxFadingOptions::SetFadeOutFrameCount(int AValue) {
  FFadeOutFrameCount = std::clamp(AValue, 0, dxFadingMaxFrameCount);
}
void TdxFadingOptions::SetFadeOutFrameDelay(int AValue) {
  FFadeOutFrameDelay = std::clamp(AValue, 10, dxFadingMaxFrameDelay);
}

// ---------------------------------------------------------------- helper

TColor TdxFadingHelper::CheckColor(TColor AColor) {
  const TColor rgb = static_cast<TColor>(ColorToRGB(AColor));
  return rgb == 0 ? 0x010101 : rgb;
}

void TdxFadingHelper::CorrectAlphaChannel(TRGBColors& AColors) {
  for (TRGBQuad& pixel : AColors)
    if (pixel.rgbReserved == 0 && pixel.rgbBlue + pixel.rgbGreen + pixel.rgbRed != 0) pixel.rgbReserved = 255;
}

// ---------------------------------------------------------------- TdxFadingElement

TdxFadingElement::TdxFadingElement(TdxFader* AOwner, TObject* AElement) : FElement(AElement), FOwner(AOwner) {
  FFadingObject = Supports<IdxFadingObject>(UnknownOf(AElement), IID_IdxFadingObject);
}

TdxFadingElement::~TdxFadingElement() = default;

void TdxFadingElement::SetWorkImage(std::unique_ptr<TdxGPImage> AValue) {
  if (AValue == FWorkImage) return;
  std::unique_ptr<TdxGPImage> previous = std::exchange(FWorkImage, std::move(AValue));
  if (FFadingObject) FFadingObject->RepaintFadeFrame();
}

void TdxFadingElement::SetTiming(int AFrameCount, int AFrameDelay) {
  FAnimationFrameCount = std::clamp(AFrameCount, 1, dxFadingMaxFrameCount);
  FAnimationFrameDelay = std::clamp(AFrameDelay, 1, dxFadingMaxFrameDelay);
  FDelayCount = std::max(1, FAnimationFrameDelay / static_cast<int>(dxFadingTimerInterval));
  FDelayIndex = 0;
}

void TdxFadingElement::SetImages(TBitmap* AImage1, TBitmap* AImage2) {
  dxReadBitmapColors(AImage1, FImage1Colors, true);
  dxReadBitmapColors(AImage2, FImage2Colors, true);
  TdxFadingHelper::CorrectAlphaChannel(FImage1Colors);
  TdxFadingHelper::CorrectAlphaChannel(FImage2Colors);
  FImageSize = TSize(AImage1->Width(), AImage1->Height());
}

void TdxFadingElement::CalculateFrame() {
  const int a = MulDiv(FStage, 255, FAnimationFrameCount);
  const float w = static_cast<float>(a) / 255;
  const float u = 1 - w;
  auto blend = [&](uint8_t AStart, uint8_t AEnd) {
    const float value = u * AStart + w * AEnd;
    // Rounded to the nearest, ties to even (the default rounding mode).
    return static_cast<uint8_t>(value > 255 ? 255 : std::nearbyint(value));
  };
  TRGBColors frame(FImage1Colors.size());
  for (size_t i = 0; i < frame.size(); ++i) {
    const TRGBQuad& start = FImage1Colors[i];
    const TRGBQuad& end = FImage2Colors[i];
    frame[i] = TRGBQuad{blend(start.rgbBlue, end.rgbBlue), blend(start.rgbGreen, end.rgbGreen),
                        blend(start.rgbRed, end.rgbRed), blend(start.rgbReserved, end.rgbReserved)};
  }
  SetWorkImage(std::make_unique<TdxGPImage>(FImageSize.cx, FImageSize.cy, frame, true));
}

bool TdxFadingElement::Tick() {
  FDelayIndex = (FDelayIndex + 1) % FDelayCount;
  if (FDelayIndex != 0) return true;
  if (FStage >= FAnimationFrameCount) return false;
  ++FStage;
  CalculateFrame();
  return true;
}

// ---------------------------------------------------------------- TdxFader

TdxFader::TdxFader() : FTimer(cxNewTimer(dxFadingTimerInterval, false, [this](TObject* Sender) { TimerHandler(Sender); })) {}

TdxFader::~TdxFader() {
  FTimer->SetEnabled(false);
  FList.clear();
}

bool TdxFader::Active() {
  switch (FState) {
    case fasEnabled: return true;
    case fasDisabled: return false;
    case fasDefault: break;
  }
  BOOL animation = FALSE;
  TdxSystemInfo* systemInfo = dxGetSystemInfo();
  return systemInfo && systemInfo->GetParameter(SPI_GETMENUANIMATION, &animation) && animation;
}

bool TdxFader::IsReady() {
  return Active() && FMaxAnimationCount > 0 && dxEnsureGdiPlus() &&
         GetDeviceCaps(cxSharedScreenCanvas()->Handle(), BITSPIXEL) > 16;
}

void TdxFader::SetMaxAnimationCount(int AValue) {
  AValue = std::clamp(AValue, 0, 20);
  if (AValue == FMaxAnimationCount) return;
  FMaxAnimationCount = AValue;
  ValidateQueue();
}

TInterfaceRef<IdxFadingObject> TdxFader::FadableObject(TObject* AObject) {
  if (!IsReady()) return nullptr;
  TInterfaceRef<IdxFadingObject> object = Supports<IdxFadingObject>(UnknownOf(AObject), IID_IdxFadingObject);
  return object && object->IsFadingAllowed() ? object : nullptr;
}

TdxFadingElement* TdxFader::FindElement(TObject* AObject) {
  for (const auto& element : FList)
    if (element->FElement == AObject) return element.get();
  return nullptr;
}

bool TdxFader::Find(TObject* AObject, TdxFadingElement*& AFadingElement) {
  AFadingElement = FindElement(AObject);
  return AFadingElement != nullptr;
}

void TdxFader::Fade(TObject* AObject, TdxFadingState AState) {
  const TInterfaceRef<IdxFadingObject> object = FadableObject(AObject);
  if (!object) return;
  TBitmap* normal = nullptr;
  TBitmap* hot = nullptr;
  object->PrepareFadeImages(normal, hot);
  std::unique_ptr<TBitmap> normalImage(normal);
  std::unique_ptr<TBitmap> hotImage(hot);
  TdxFadingOptions options;
  if (auto source = Supports<IdxFadingOptionsSource>(UnknownOf(AObject), IID_IdxFadingOptionsSource))
    if (TdxFadingOptions* own = source->GetFadingOptions()) options.Assign(own);
  if (AState == fsFadeIn)
    Fade(AObject, std::move(normalImage), std::move(hotImage), options.FadeInFrameCount(), options.FadeInFrameDelay());
  else
    Fade(AObject, std::move(hotImage), std::move(normalImage), options.FadeOutFrameCount(),
         options.FadeOutFrameDelay());
}

void TdxFader::Fade(TObject* AObject, std::unique_ptr<TBitmap> AImage1, std::unique_ptr<TBitmap> AImage2,
                    int AAnimationFrameCount, int AAnimationFrameDelay) {
  if (!FadableObject(AObject) || !AImage1 || !AImage2 || AImage1->Width() != AImage2->Width() ||
      AImage1->Height() != AImage2->Height() || AImage1->Empty() || AAnimationFrameCount <= 0)
    return;
  TdxFadingElement* element = FindElement(AObject);
  if (element) {
    if (element->FWorkImage && TSize(AImage1->Width(), AImage1->Height()) == element->FImageSize) {
      // The new fade starts from what is on the screen.
      AImage1 = element->FWorkImage->GetAsBitmap();
      element->SetTiming(AAnimationFrameCount, AAnimationFrameDelay);
      element->FStage = 0;
    }
  } else {
    auto created = std::make_unique<TdxFadingElement>(this, AObject);
    element = created.get();
    element->SetTiming(AAnimationFrameCount, AAnimationFrameDelay);
    FList.push_back(std::move(created));
    ValidateQueue();
  }
  element->SetImages(AImage1.get(), AImage2.get());
  element->CalculateFrame();
}

bool TdxFader::DrawFadeImage(TObject* AObject, HDC DC, const TRect& R) {
  TdxFadingElement* element = FindElement(AObject);
  if (!element || !element->FWorkImage) return false;
  element->FWorkImage->StretchDraw(DC, R);
  return true;
}

void TdxFader::Remove(TObject* AObject, bool ADestroying) {
  if (TdxFadingElement* element = FindElement(AObject)) RemoveElement(element, !ADestroying);
}

void TdxFader::Clear() {
  FList.clear();
  ValidateQueue();
}

void TdxFader::FinalizeElement(TdxFadingElement* AElement) { RemoveElement(AElement, true); }

void TdxFader::RemoveElement(TdxFadingElement* AElement, bool AFinalize) {
  const auto found = std::find_if(FList.begin(), FList.end(), [&](const auto& AEntry) { return AEntry.get() == AElement; });
  if (found == FList.end()) return;
  // Out of the list first, so that the element's repaint finds no frame.
  std::unique_ptr<TdxFadingElement> element = std::move(*found);
  FList.erase(found);
  if (AFinalize) element->SetWorkImage(nullptr);
  element.reset();
  ValidateQueue();
}

void TdxFader::ValidateQueue() {
  while (static_cast<int>(FList.size()) > FMaxAnimationCount) FinalizeElement(FList.front().get());
  FTimer->SetEnabled(!FList.empty());
}

void TdxFader::TimerHandler(TObject*) {
  for (int i = Count() - 1; i >= 0; --i) {
    if (i >= Count()) continue;  // a repaint ended other fades
    TdxFadingElement* element = FList[i].get();
    if (!element->Tick()) FinalizeElement(element);
  }
}

TdxFader* dxGetGlobalFader() { return dxFader.get(); }

// ---------------------------------------------------------------- TdxFadingObjectHelper

TdxFadingObjectHelper::~TdxFadingObjectHelper() {
  if (TdxFader* fader = dxGetGlobalFader()) fader->Remove(this, true);
}

bool TdxFadingObjectHelper::GetInterface(REFIID AIID, void** AObj) {
  if (AIID == IID_IdxFadingObject) {
    *AObj = static_cast<IdxFadingObject*>(this);
    return true;
  }
  return TcxIUnknownObject::GetInterface(AIID, AObj);
}

void TdxFadingObjectHelper::FadeIn() {
  if (TdxFader* fader = dxGetGlobalFader()) fader->FadeIn(this);
}

void TdxFadingObjectHelper::FadeOut() {
  if (TdxFader* fader = dxGetGlobalFader()) fader->FadeOut(this);
}

void TdxFadingObjectHelper::StopFading() {
  if (TdxFader* fader = dxGetGlobalFader()) fader->Remove(this, false);
}

bool TdxFadingObjectHelper::DrawImage(HDC DC, const TRect& R) {
  TdxFader* fader = dxGetGlobalFader();
  return fader && fader->DrawFadeImage(this, DC, R);
}

bool TdxFadingObjectHelper::Active() {
  TdxFader* fader = dxGetGlobalFader();
  return fader && fader->Contains(this);
}

void TdxFadingObjectHelper::CheckStartFading(TcxButtonState APrevState, TcxButtonState AState) {
  if (APrevState == AState) return;
  const auto isPlain = [](TcxButtonState AValue) { return AValue == cxbsDefault || AValue == cxbsNormal; };
  if (AState == cxbsHot && isPlain(APrevState))
    FadeIn();
  else if (APrevState == cxbsHot && isPlain(AState))
    FadeOut();
  else
    StopFading();
}

// ---------------------------------------------------------------- unit

namespace {

void Initialize() { dxFader = std::make_unique<TdxFader>(); }

// Cleared before it goes, so the fades' last repaints find no fader.
void Finalize() {
  if (!dxFader) return;
  dxFader->Clear();
  dxFader.reset();
}

}  // namespace

const TUnitEntry dxFadingUnit{L"dxFading", Initialize, Finalize};
