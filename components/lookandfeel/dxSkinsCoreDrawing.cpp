// Drawing skins: nine-part images with per-state frames, borders,
// alternate attributes, whole elements and the element cache.
#include <algorithm>

#include "components/core/cxGeometry.h"
#include "components/lookandfeel/cxLookAndFeelPainters.h"
#include "components/lookandfeel/dxSkinsCore.h"
#include "vcl/graphics/GdiTypes.h"
#include "vcl/rtl/WinApi.h"

TdxSkinImageSet SkinImageSet = imsDefault;

namespace {

TdxAlphaColor AlphaColor(TColor AColor, uint8_t AAlpha) {
  const uint32_t rgb = ColorToRGB(AColor);
  return (static_cast<TdxAlphaColor>(AAlpha) << 24) | ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

// R with each side moved inwards by its margin.
TRect Shrunk(const TRect& R, const TRect& AMargins) {
  return TRect(R.Left + AMargins.Left, R.Top + AMargins.Top, R.Right - AMargins.Right, R.Bottom - AMargins.Bottom);
}

// The nine parts of R around the margins, in TdxSkinImagePart order.
std::array<TRect, 9> SplitRect(const TRect& R, const TRect& AMargins) {
  const int x1 = std::min(R.Right, R.Left + AMargins.Left);
  const int x2 = std::max(R.Left, R.Right - AMargins.Right);
  const int y1 = std::min(R.Bottom, R.Top + AMargins.Top);
  const int y2 = std::max(R.Top, R.Bottom - AMargins.Bottom);
  return {TRect(R.Left, R.Top, x1, y1), TRect(x1, R.Top, x2, y1), TRect(x2, R.Top, R.Right, y1),
          TRect(R.Left, y1, x1, y2),    TRect(x1, y1, x2, y2),    TRect(x2, y1, R.Right, y2),
          TRect(R.Left, y2, x1, R.Bottom), TRect(x1, y2, x2, R.Bottom), TRect(x2, y2, R.Right, R.Bottom)};
}

// A pair of margins made to fit in ASize: none negative, and both reduced in
// proportion when together they exceed it.
void FitMarginPair(int& AFirst, int& ASecond, int ASize) {
  AFirst = std::max(0, AFirst);
  ASecond = std::max(0, ASecond);
  const int sum = AFirst + ASecond;
  if (sum <= ASize) return;
  const int excess = sum - ASize;
  AFirst -= MulDiv(AFirst, excess, sum);
  ASecond -= MulDiv(ASecond, excess, sum);
}

TRect FitMargins(TRect AMargins, const TRect& ATarget) {
  FitMarginPair(AMargins.Left, AMargins.Right, ATarget.Width());
  FitMarginPair(AMargins.Top, AMargins.Bottom, ATarget.Height());
  return AMargins;
}

constexpr const wchar_t* dxSkinElementStateNames[dxSkinElementStateCount] = {
    L"Normal", L"Hot",     L"Pressed",  L"Disabled",       L"Active",      L"Focused",
    L"DroppedDown", L"Checked", L"HotCheck", L"ActiveDisabled", L"CheckPressed"};

String AlternateImageName(TdxSkinElementState AState, int AImageIndex) {
  return L"AlternateImage" + IntToStr(AImageIndex + 1) + dxSkinElementStateNames[static_cast<int>(AState)];
}

}  // namespace

// ---------------------------------------------------------------- gradients and borders

void TdxSkinCanvasHelper::FillRectByGradient(TdxGPCanvas* ACanvas, const TRect& R, TColor AColor1, TColor AColor2,
                                             TdxSkinGradientMode AMode, uint8_t AAlpha) {
  if (!cxIsRealColor(AColor1) || R.IsEmpty()) return;
  if (AColor2 == AColor1 || !cxIsRealColor(AColor2))
    return dxGpFillRectSolid(ACanvas->Handle(), R, AlphaColor(AColor1, AAlpha));
  ACanvas->FillRectangleByGradient(R, AlphaColor(AColor1, AAlpha), AlphaColor(AColor2, AAlpha),
                                   static_cast<LinearGradientMode>(AMode));
}

void TdxSkinBorder::Draw(TdxGPCanvas* ACanvas, const TRect& ABounds) {
  if (FColor == clNone) return;
  TRect strip = ABounds;
  switch (FKind) {
    case bLeft: strip.Right = std::min(ABounds.Right, ABounds.Left + FThin); break;
    case bTop: strip.Bottom = std::min(ABounds.Bottom, ABounds.Top + FThin); break;
    case bRight: strip.Left = std::max(ABounds.Left, ABounds.Right - FThin); break;
    case bBottom: strip.Top = std::max(ABounds.Top, ABounds.Bottom - FThin); break;
  }
  if (!strip.IsEmpty()) dxGpFillRectSolid(ACanvas->Handle(), strip, AlphaColor(FColor, 255));
}

void TdxSkinBorder::Draw(HDC DC, const TRect& ABounds) {
  dxGpPaintOnDC(DC, ABounds, [&](TdxGPCanvas* ACanvas) { Draw(ACanvas, ABounds); });
}

void TdxSkinBorders::Draw(TdxGPCanvas* ACanvas, const TRect& ABounds) {
  for (auto& border : FBorders) border->Draw(ACanvas, ABounds);
}

void TdxSkinAlternateImageAttributes::Draw(TdxGPCanvas* ACanvas, const TRect& R) {
  const TRect area = Shrunk(R, FContentOffsets);
  TdxSkinCanvasHelper::FillRectByGradient(ACanvas, area, FGradientBeginColor, FGradientEndColor, FGradient, FAlpha);
  FBorders->Draw(ACanvas, area);
  FBordersInner->Draw(ACanvas, Shrunk(area, FBorders->ContentMargins()));
}

// ---------------------------------------------------------------- TdxSkinImage

TSize TdxSkinImage::Size() {
  CheckInfo();
  return FSize;
}

int TdxSkinImage::StateCount() {
  CheckInfo();
  return FStateCount;
}

TPoint TdxSkinImage::FrameStep() const {
  return FImageLayout == ilHorizontal ? TPoint(FSize.cx, 0) : TPoint(0, FSize.cy);
}

void TdxSkinImage::CalculateInfo() {
  FIsDirty = false;
  FStateCount = 0;
  for (int i = 0; i < dxSkinElementStateCount; ++i) FStateCount += FStates.Contains(static_cast<TdxSkinElementState>(i));
  FSize = FTexture->Empty() ? TSize() : FTexture->Size();
  if (FStateCount > 0) {
    int& along = FImageLayout == ilHorizontal ? FSize.cx : FSize.cy;
    along = along / FImageCount / FStateCount;
  }
  const TPoint step = FrameStep();
  TPoint position;
  for (int i = 0; i < dxSkinElementStateCount; ++i) {
    if (FStates.Contains(static_cast<TdxSkinElementState>(i))) {
      FStateBounds[i] = TRect(position.X, position.Y, position.X + FSize.cx, position.Y + FSize.cy);
      position = TPoint(position.X + step.X, position.Y + step.Y);
    } else {
      FStateBounds[i] = TRect();
    }
  }
  FPartsBounds = SplitRect(TRect(0, 0, FSize.cx, FSize.cy), FMargins);
}

TRect TdxSkinImage::GetStateBounds(int AImageIndex, TdxSkinElementState AState) {
  CheckInfo();
  TRect result = FStateBounds[static_cast<int>(AState)];
  if (AImageIndex > 0) {
    const TPoint step = FrameStep();
    const int offset = AImageIndex * FStateCount;
    result = cxRectShiftBy(result, step.X * offset, step.Y * offset);
  }
  return result;
}

void TdxSkinImage::ResolveState(int& AImageIndex, TdxSkinElementState& AState) {
  AImageIndex = std::clamp(AImageIndex, 0, FImageCount - 1);
  if (FStates.Contains(AState) || FStates.Empty()) return;
  for (int i = 0; i < dxSkinElementStateCount; ++i)
    if (FStates.Contains(static_cast<TdxSkinElementState>(i))) {
      AState = static_cast<TdxSkinElementState>(i);
      return;
    }
}

void TdxSkinImage::DrawEx(TdxGPCanvas* ACanvas, const TRect& ARect, int AImageIndex, TdxSkinElementState AState) {
  if (Empty()) {
    TdxSkinCanvasHelper::FillRectByGradient(ACanvas, Shrunk(ARect, FMargins), FGradientBeginColor, FGradientEndColor,
                                            FGradient, 255);
    return;
  }
  CheckInfo();
  ResolveState(AImageIndex, AState);
  const TRect frame = GetStateBounds(AImageIndex, AState);
  if (frame.IsEmpty()) return;
  if (FStretch == smNoResize) {
    const TSize size = cxScaleSizeByCurrentDPI(FSize);
    ACanvas->Draw(FTexture.get(), cxRectCenteredOfSize(ARect, size.cx, size.cy), frame);
    return;
  }
  const std::array<TRect, 9> targets = SplitRect(ARect, FitMargins(FMargins, ARect));
  for (int i = 0; i < 9; ++i) {
    const TRect& target = targets[i];
    if (FPartsBounds[i].IsEmpty() || target.IsEmpty()) continue;
    if (static_cast<TdxSkinImagePart>(i) == sipCenter && cxIsRealColor(FGradientBeginColor)) {
      TdxSkinCanvasHelper::FillRectByGradient(ACanvas, target, FGradientBeginColor, FGradientEndColor, FGradient, 255);
      continue;
    }
    const TRect source = cxRectShiftBy(FPartsBounds[i], frame.Left, frame.Top);
    if (FStretch == smStretch)
      dxGpDrawImagePart(ACanvas->Handle(), target, source, FTexture->Handle());
    else
      dxGpDrawImageTiled(ACanvas->Handle(), target, source, FTexture->Handle());
  }
}

void TdxSkinImage::Draw(HDC DC, const TRect& ARect, int AImageIndex, TdxSkinElementState AState) {
  dxGpPaintOnDC(DC, ARect, [&](TdxGPCanvas* ACanvas) { DrawEx(ACanvas, ARect, AImageIndex, AState); });
}

void TdxSkinImage::GetBitmap(int AImageIndex, TdxSkinElementState AState, TBitmap* ABitmap, TColor ABackgroundColor) {
  const TSize size = Size();
  ABitmap->SetSize(size.cx, size.cy);
  const TRect area(0, 0, size.cx, size.cy);
  if (ABackgroundColor != clNone) {
    if (ABackgroundColor != clDefault) ABitmap->Canvas()->Brush()->SetColor(ABackgroundColor);
    ABitmap->Canvas()->FillRect(area);
  }
  Draw(ABitmap->Canvas()->Handle(), area, AImageIndex, AState);
}

void TdxSkinImage::SetStateMapping(std::initializer_list<TdxSkinElementState> ATargetStateOrder) {
  if (FTexture->Empty()) return;
  CheckInfo();
  const TPoint step = FrameStep();
  const int frames = static_cast<int>(ATargetStateOrder.size()) * FImageCount;
  const TSize textureSize = FTexture->Size();
  TdxGPImage mapped(FImageLayout == ilHorizontal ? FSize.cx * frames : textureSize.cx,
                    FImageLayout == ilVertical ? FSize.cy * frames : textureSize.cy);
  {
    const std::unique_ptr<TdxGPCanvas> canvas = mapped.CreateCanvas();
    TPoint position;
    for (int index = 0; index < FImageCount; ++index)
      for (TdxSkinElementState state : ATargetStateOrder) {
        if (FStates.Contains(state))
          canvas->Draw(FTexture.get(), TRect(position.X, position.Y, position.X + FSize.cx, position.Y + FSize.cy),
                       GetStateBounds(index, state));
        position = TPoint(position.X + step.X, position.Y + step.Y);
      }
  }
  TdxSkinElementStates states;
  for (TdxSkinElementState state : ATargetStateOrder) states.Include(state);
  FTexture->Assign(&mapped);
  SetStates(states);
}

// ---------------------------------------------------------------- TdxSkinElement

void TdxSkinElement::Changed(TdxSkinChanges AChanges) {
  if (FCache) FCache->Flush();
  if (AChanges.Contains(scStruct)) FAlternateImageSetDirty = true;
  TdxSkinPersistent::Changed(AChanges);
}

void TdxSkinElement::SetUseCache(bool AValue) {
  if (AValue == UseCache()) return;
  FCache = AValue ? std::make_unique<TdxSkinElementCache>() : nullptr;
}

TColor TdxSkinElement::GetTextColor(TcxButtonState AState, const String& APropertyPrefix) {
  static const wchar_t* const suffixes[] = {L"", L"TextColor", L"TextColorHot", L"TextColorPressed",
                                            L"TextColorDisabled"};
  auto* color = dynamic_cast<TdxSkinColor*>(GetPropertyByName(APropertyPrefix + suffixes[static_cast<int>(AState)]));
  if (color && color->Value() != clDefault) return color->Value();
  return AState == cxbsNormal ? FTextColor : GetTextColor(cxbsNormal, APropertyPrefix);
}

bool TdxSkinElement::IsAlphaUsed() {
  const bool noBackground = !cxIsRealColor(FColor);
  if (FImage->Empty()) return noBackground || FAlpha < 255;
  return noBackground && FImage->Texture()->IsAlphaUsed();
}

TSize TdxSkinElement::CalculateMinSize() {
  TSize result = FMinSize;
  for (TdxSkinImage* image : {FImage.get(), FGlyph.get()})
    if (image->Stretch() == smNoResize) {
      const TSize size = image->Size();
      result = TSize(std::max(result.cx, size.cx), std::max(result.cy, size.cy));
    }
  return result;
}

std::unique_ptr<TdxSmartImage> TdxSkinElement::GetImage(int AImageIndex, const TSize& ASize,
                                                        TdxSkinElementState AState) {
  const TSize size = ASize.cx == 0 || ASize.cy == 0 ? CalculateMinSize() : ASize;
  auto result = std::make_unique<TdxSmartImage>(size);
  const std::unique_ptr<TdxGPCanvas> canvas = result->CreateCanvas();
  DrawEx(canvas.get(), TRect(0, 0, size.cx, size.cy), AImageIndex, AState);
  return result;
}

TdxSkinAlternateImageAttributes* TdxSkinElement::AddAlternateImageAttributes(TdxSkinElementState AState,
                                                                           int AImageIndex) {
  return static_cast<TdxSkinAlternateImageAttributes*>(
      AddProperty(AlternateImageName(AState, AImageIndex), TdxSkinAlternateImageAttributes::StaticClass()));
}

void TdxSkinElement::SetStateMapping(std::initializer_list<TdxSkinElementState> AStateOrder) {
  FImage->SetStateMapping(AStateOrder);
  FGlyph->SetStateMapping(AStateOrder);
}

TdxSkinAlternateImageAttributes* TdxSkinElement::AlternateImageAttributes(TdxGPCanvas* ACanvas, int AImageIndex,
                                                                          TdxSkinElementState AState) {
  const bool apply = FImage->Empty() || SkinImageSet == imsAlternate ||
                     (ACanvas->IsLowColorsMode() && SkinImageSet == imsDefault);
  if (!apply) return nullptr;
  FImage->ResolveState(AImageIndex, AState);
  if (FAlternateImageSetDirty || FAlternateImageSetIndex != AImageIndex) {
    for (int i = 0; i < dxSkinElementStateCount; ++i)
      FAlternateImageSet[i] = dynamic_cast<TdxSkinAlternateImageAttributes*>(
          GetPropertyByName(AlternateImageName(static_cast<TdxSkinElementState>(i), AImageIndex)));
    FAlternateImageSetDirty = false;
    FAlternateImageSetIndex = AImageIndex;
  }
  return FAlternateImageSet[static_cast<int>(AState)];
}

void TdxSkinElement::DrawEx(TdxGPCanvas* ACanvas, const TRect& ARect, int AImageIndex, TdxSkinElementState AState) {
  if (cxIsRealColor(FColor)) dxGpFillRectSolid(ACanvas->Handle(), ARect, AlphaColor(FColor, FAlpha));
  if (TdxSkinAlternateImageAttributes* attributes = AlternateImageAttributes(ACanvas, AImageIndex, AState))
    attributes->Draw(ACanvas, ARect);
  else
    FImage->DrawEx(ACanvas, ARect, AImageIndex, AState);
  FBorders->Draw(ACanvas, ARect);
  FGlyph->DrawEx(ACanvas, Shrunk(ARect, FContentOffset), AImageIndex, AState);
}

void TdxSkinElement::Draw(HDC DC, const TRect& ARect, int AImageIndex, TdxSkinElementState AState) {
  if (ARect.IsEmpty() || !RectVisible(DC, AsRECT(ARect))) return;
  if (FCache)
    FCache->DrawEx(DC, this, ARect, AState, AImageIndex);
  else
    dxGpPaintOnDC(DC, ARect, [&](TdxGPCanvas* ACanvas) { DrawEx(ACanvas, ARect, AImageIndex, AState); });
}

void TdxSkinEmptyElement::Draw(HDC DC, const TRect& ARect, int, TdxSkinElementState) {
  FillRect(DC, AsRECT(ARect), static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  const std::unique_ptr<HBRUSH__, decltype(&DeleteObject)> red(CreateSolidBrush(RGB(255, 0, 0)), &DeleteObject);
  FrameRect(DC, AsRECT(ARect), red.get());
}

// ---------------------------------------------------------------- TdxSkinElementCache

void TdxSkinElementCache::Flush() {
  FElement = nullptr;
  FRect = TRect();
  FCache.reset();
  FCacheOpaque.reset();
}

void TdxSkinElementCache::DrawEx(HDC DC, TdxSkinElement* AElement, const TRect& R, TdxSkinElementState AState,
                                 int AImageIndex) {
  const int width = R.Width();
  const int height = R.Height();
  if (AElement != FElement || AState != FState || AImageIndex != FImageIndex || width != FRect.Width() ||
      height != FRect.Height() || SkinImageSet != FImageSet) {
    FElement = AElement;
    FState = AState;
    FImageIndex = AImageIndex;
    FRect = R;
    FImageSet = SkinImageSet;
    FCache.reset();
    FCacheOpaque.reset();
    if (!R.IsEmpty()) {
      const TRect area(0, 0, width, height);
      if (AElement->IsAlphaUsed()) {
        FCache = std::make_unique<TdxGPImage>(width, height);
        const std::unique_ptr<TdxGPCanvas> canvas = FCache->CreateCanvas();
        AElement->DrawEx(canvas.get(), area, AImageIndex, AState);
      } else {
        FCacheOpaque = std::make_unique<TcxBitmap>(width, height, pf32bit);
        dxGpPaintOnDC(FCacheOpaque->Canvas()->Handle(), area,
                      [&](TdxGPCanvas* ACanvas) { AElement->DrawEx(ACanvas, area, AImageIndex, AState); });
      }
    }
  }
  if (FCacheOpaque)
    BitBlt(DC, R.Left, R.Top, width, height, FCacheOpaque->Canvas()->Handle(), 0, 0, SRCCOPY);
  else if (FCache)
    dxGpPaintOnDC(DC, R, [&](TdxGPCanvas* ACanvas) { ACanvas->Draw(FCache.get(), R); });
}
