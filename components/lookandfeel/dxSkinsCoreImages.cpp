// Skin images and elements: their values, comparison and stream data.
#include <cmath>

#include "components/lookandfeel/dxSkinsCore.h"
#include "vcl/rtl/Streams.h"

namespace {

// The file name with its extension (if any) replaced by AExtension.
String WithExtension(const String& AFileName, const String& AExtension) {
  const size_t dot = AFileName.find_last_of(L'.');
  const size_t folder = AFileName.find_last_of(L"\\/");
  const bool hasExtension = dot != String::npos && (folder == String::npos || dot > folder);
  return (hasExtension ? AFileName.substr(0, dot) : AFileName) + AExtension;
}

}  // namespace

// ---------------------------------------------------------------- TdxSkinImage

TdxSkinImage::TdxSkinImage(TdxSkinElement* AOwner) : FOwner(AOwner), FTexture(std::make_unique<TdxSmartImage>()) {
  FTexture->OnChange = [this](TObject*) { Changed(); };
}

TdxSkinImage::~TdxSkinImage() { FTexture->OnChange = nullptr; }

template <class T>
void TdxSkinImage::SetValue(T& AField, const T& AValue) {
  if (AField == AValue) return;
  AField = AValue;
  Changed();
}

void TdxSkinImage::Changed() {
  FIsDirty = true;
  dxFireNotifyEvent(OnChange, this);
}

void TdxSkinImage::SetGradient(TdxSkinGradientMode AValue) { SetValue(FGradient, AValue); }
void TdxSkinImage::SetGradientBeginColor(TColor AValue) { SetValue(FGradientBeginColor, AValue); }
void TdxSkinImage::SetGradientEndColor(TColor AValue) { SetValue(FGradientEndColor, AValue); }
void TdxSkinImage::SetImageCount(int AValue) { SetValue(FImageCount, std::max(1, AValue)); }
void TdxSkinImage::SetImageLayout(TdxSkinImageLayout AValue) { SetValue(FImageLayout, AValue); }
void TdxSkinImage::SetMargins(const TRect& AValue) { SetValue(FMargins, AValue); }
void TdxSkinImage::SetStates(TdxSkinElementStates AValue) { SetValue(FStates, AValue); }
void TdxSkinImage::SetStretch(TdxSkinStretchMode AValue) { SetValue(FStretch, AValue); }

void TdxSkinImage::Assign(TPersistent* ASource) {
  auto* source = dynamic_cast<TdxSkinImage*>(ASource);
  if (!source) return TPersistent::Assign(ASource);
  if (source->Empty()) {
    Clear();
  } else {
    FTexture->Assign(source->FTexture.get());
    FSourceName = source->FSourceName;
  }
  SetGradientBeginColor(source->FGradientBeginColor);
  SetGradientEndColor(source->FGradientEndColor);
  SetGradient(source->FGradient);
  SetImageCount(source->FImageCount);
  SetImageLayout(source->FImageLayout);
  SetMargins(source->FMargins);
  SetStretch(source->FStretch);
  SetStates(source->FStates);
  Changed();
}

bool TdxSkinImage::Compare(TdxSkinImage* AImage) {
  return FImageLayout == AImage->FImageLayout && Empty() == AImage->Empty() && FStates == AImage->FStates &&
         FGradient == AImage->FGradient && FGradientBeginColor == AImage->FGradientBeginColor &&
         FGradientEndColor == AImage->FGradientEndColor && FStretch == AImage->FStretch &&
         FImageCount == AImage->FImageCount && FMargins == AImage->FMargins &&
         FTexture->Compare(AImage->FTexture.get());
}

void TdxSkinImage::Clear() {
  if (FSourceName.empty() && FTexture->Empty()) return;
  FSourceName.clear();
  FTexture->Clear();
  Changed();
}

void TdxSkinImage::DataRead(TStream* AStream, double AVersion) {
  SetMargins(dxSkinReadRect(AStream));
  SetImageLayout(static_cast<TdxSkinImageLayout>(dxSkinReadByte(AStream, 2)));
  if (AVersion >= 1.1) SetImageCount(dxSkinReadInt32(AStream));
  uint16_t states;
  AStream->ReadBuffer(&states, sizeof(states));
  SetStates(TdxSkinElementStates::FromBits(states & ((1u << dxSkinElementStateCount) - 1)));
  SetStretch(static_cast<TdxSkinStretchMode>(dxSkinReadByte(AStream, 3)));
  if (AVersion >= 1.02) {
    SetGradientBeginColor(dxSkinReadInt32(AStream));
    SetGradientEndColor(dxSkinReadInt32(AStream));
    SetGradient(static_cast<TdxSkinGradientMode>(dxSkinReadByte(AStream, 4)));
  }
  dxSkinReadImage(AStream, FTexture.get());
  Changed();
}

void TdxSkinImage::DataWrite(TStream* AStream) {
  dxSkinWriteRect(AStream, FMargins);
  dxSkinWriteByte(AStream, static_cast<uint8_t>(FImageLayout));
  dxStreamWriteInt32(AStream, FImageCount);
  const uint16_t states = static_cast<uint16_t>(FStates.Bits());
  AStream->WriteBuffer(&states, sizeof(states));
  dxSkinWriteByte(AStream, static_cast<uint8_t>(FStretch));
  dxStreamWriteInt32(AStream, FGradientBeginColor);
  dxStreamWriteInt32(AStream, FGradientEndColor);
  dxSkinWriteByte(AStream, static_cast<uint8_t>(FGradient));
  dxSkinWriteImage(AStream, FTexture.get());
}

void TdxSkinImage::LoadFromFile(const String& AFileName) {
  TFileStream stream(AFileName, fmOpenRead | fmShareDenyWrite);
  FTexture->LoadFromStream(&stream);
  FSourceName = AFileName;
  Changed();
}

void TdxSkinImage::LoadFromResource(HINSTANCE AInstance, const String& AName, const wchar_t* AType) {
  FTexture->LoadFromResource(AInstance, AName, AType);
}

void TdxSkinImage::LoadFromStream(TStream* AStream) { FTexture->LoadFromStream(AStream); }

void TdxSkinImage::SaveToFile(const String& AFileName) {
  if (Empty()) return;
  TFileStream stream(WithExtension(AFileName, L".png"), fmCreate);
  SaveToStream(&stream);
}

void TdxSkinImage::SaveToStream(TStream* AStream) {
  TMemoryStream block;
  dxSkinWriteImage(&block, FTexture.get());
  block.SetPosition(4);
  AStream->CopyFrom(&block, block.Size() - 4);
}

String TdxSkinImage::Name() const {
  return FOwner && !Empty() ? FOwner->ImageFileName(const_cast<TdxSkinImage*>(this)) : String();
}

String TdxSkinImage::SourceName() const {
  if (!FSourceName.empty() || Empty() || !FOwner) return FSourceName;
  return FOwner->Path() + Name();
}

// ---------------------------------------------------------------- TdxSkinElement

TdxSkinElement::TdxSkinElement(TPersistent* AOwner, const String& AName)
    : TdxSkinPersistent(AOwner, AName),
      FBorders(std::make_unique<TdxSkinBorders>()),
      FGlyph(std::make_unique<TdxSkinImage>(this)),
      FImage(std::make_unique<TdxSkinImage>(this)) {
  FBorders->OnChange = ChangeForwarder();
  FGlyph->OnChange = [this](TObject* Sender) { ImageChanged(Sender); };
  FImage->OnChange = [this](TObject* Sender) { ImageChanged(Sender); };
}

TdxSkinElement::~TdxSkinElement() {
  FGlyph->OnChange = nullptr;
  FImage->OnChange = nullptr;
  FBorders->OnChange = nullptr;
}

template <class T>
void TdxSkinElement::SetValue(T& AField, const T& AValue) {
  if (AField == AValue) return;
  AField = AValue;
  Changed({scContent});
}

void TdxSkinElement::SetAlpha(uint8_t AValue) { SetValue(FAlpha, AValue); }
void TdxSkinElement::SetColor(TColor AValue) { SetValue(FColor, AValue); }
void TdxSkinElement::SetContentOffset(const TRect& AValue) { SetValue(FContentOffset, AValue); }
void TdxSkinElement::SetMinSize(const TSize& AValue) { SetValue(FMinSize, AValue); }
void TdxSkinElement::SetTextColor(TColor AValue) { SetValue(FTextColor, AValue); }

void TdxSkinElement::Assign(TPersistent* ASource) {
  auto* source = dynamic_cast<TdxSkinElement*>(ASource);
  if (!source) return TdxSkinPersistent::Assign(ASource);
  dxSkinInsideUpdate(this, [&] {
    FImage->Assign(source->FImage.get());
    FGlyph->Assign(source->FGlyph.get());
    SetColor(source->FColor);
    SetAlpha(source->FAlpha);
    SetContentOffset(source->FContentOffset);
    FBorders->Assign(source->FBorders.get());
    SetMinSize(source->FMinSize);
    SetTextColor(source->FTextColor);
    Properties()->Assign(source->Properties());
  });
}

bool TdxSkinElement::Compare(TdxSkinElement* AElement) {
  return SameText(Name(), AElement->Name()) && FColor == AElement->FColor && FAlpha == AElement->FAlpha &&
         FTextColor == AElement->FTextColor && FMinSize == AElement->FMinSize &&
         FContentOffset == AElement->FContentOffset && FBorders->Compare(AElement->FBorders.get()) &&
         Properties()->Compare(AElement->Properties()) && FImage->Compare(AElement->FImage.get()) &&
         FGlyph->Compare(AElement->FGlyph.get());
}

void TdxSkinElement::DataRead(TStream* AStream, double AVersion) {
  dxSkinInsideUpdate(this, [&] {
    SetColor(dxSkinReadInt32(AStream));
    SetAlpha(dxSkinReadByte(AStream));
    // Older streams keep one image count for both images here.
    const int readImageCount = AVersion < 1.1 ? dxSkinReadInt32(AStream) : 0;
    SetContentOffset(dxSkinReadRect(AStream));
    FGlyph->DataRead(AStream, AVersion);
    FImage->DataRead(AStream, AVersion);
    if (AVersion < 1.1) {
      FGlyph->SetImageCount(readImageCount);
      FImage->SetImageCount(readImageCount);
    }
    FBorders->DataRead(AStream, AVersion);
    SetTextColor(dxSkinReadInt32(AStream));
    const int cx = dxSkinReadInt32(AStream);
    SetMinSize(TSize(cx, dxSkinReadInt32(AStream)));
    Properties()->DataRead(AStream, AVersion);
  });
}

void TdxSkinElement::DataWrite(TStream* AStream) {
  dxStreamWriteInt32(AStream, FColor);
  dxSkinWriteByte(AStream, FAlpha);
  dxSkinWriteRect(AStream, FContentOffset);
  FGlyph->DataWrite(AStream);
  FImage->DataWrite(AStream);
  FBorders->DataWrite(AStream);
  dxStreamWriteInt32(AStream, FTextColor);
  dxStreamWriteInt32(AStream, FMinSize.cx);
  dxStreamWriteInt32(AStream, FMinSize.cy);
  Properties()->DataWrite(AStream);
}

String TdxSkinElement::ImageFileName(TdxSkinImage* AImage) {
  return Name() + (AImage == FGlyph.get() ? L"_Glyph.png" : L"_Image.png");
}

TdxSkinControlGroup* TdxSkinElement::Group() const { return dynamic_cast<TdxSkinControlGroup*>(GetOwner()); }

String TdxSkinElement::Path() const {
  TdxSkinControlGroup* group = Group();
  return (group ? group->Name() : String()) + L"\\";
}
