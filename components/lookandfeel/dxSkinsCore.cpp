// Skin stream encodings, the stream window, skin details and the unit's
// start-up.
#include "components/lookandfeel/dxSkinsCore.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "components/core/dxGdiPlusApi.h"
#include "vcl/rtl/ClassRegistry.h"
#include "vcl/rtl/Streams.h"
#include "vcl/rtl/WinApi.h"

TResStringRec sdxSkinInvalidStreamFormat{L"Invalid stream format"};

// ---------------------------------------------------------------- stream encodings

namespace {

constexpr char dxSkinSignature[6] = {'d', 'x', 'S', 'k', 'i', 'n'};
constexpr double dxSkinOldestVersion = 1.0;

int64_t BytesLeft(TStream* AStream) { return AStream->Size() - AStream->Position(); }

// A count of AItemSize-byte items read from the stream, checked against
// what is left of it.
int32_t ReadLength(TStream* AStream, int32_t AItemSize) {
  const int32_t count = dxSkinReadInt32(AStream);
  if (count < 0 || static_cast<int64_t>(count) * AItemSize > BytesLeft(AStream))
    throw EdxSkinError(Format(L"The skin stream is damaged: a length of %d at offset %d does not fit in it",
                              {count, AStream->Position() - 4}));
  return count;
}

}  // namespace

void dxSkinWriteHeader(TStream* AStream) {
  const int32_t reserved = 0;
  AStream->WriteBuffer(&reserved, sizeof(reserved));
  AStream->WriteBuffer(dxSkinSignature, sizeof(dxSkinSignature));
  const double version = dxSkinStreamVersion;
  AStream->WriteBuffer(&version, sizeof(version));
}

bool dxSkinReadHeader(TStream* AStream, double& AVersion) {
  uint8_t header[dxSkinHeaderSize];
  if (AStream->Read(header, sizeof(header)) != sizeof(header)) return false;
  if (std::memcmp(header + 4, dxSkinSignature, sizeof(dxSkinSignature)) != 0) return false;
  std::memcpy(&AVersion, header + 10, sizeof(AVersion));
  return AVersion >= dxSkinOldestVersion && AVersion <= dxSkinStreamVersion;
}

int32_t dxSkinReadInt32(TStream* AStream) {
  int32_t value;
  AStream->ReadBuffer(&value, sizeof(value));
  return value;
}

uint8_t dxSkinReadByte(TStream* AStream, int ACount) {
  uint8_t value;
  AStream->ReadBuffer(&value, 1);
  if (value >= ACount)
    throw EdxSkinError(Format(L"The skin stream is damaged: the value %d at offset %d is out of range",
                              {value, AStream->Position() - 1}));
  return value;
}

void dxSkinWriteByte(TStream* AStream, uint8_t AValue) { AStream->WriteBuffer(&AValue, 1); }

TRect dxSkinReadRect(TStream* AStream) {
  TRect r;
  r.Left = dxSkinReadInt32(AStream);
  r.Top = dxSkinReadInt32(AStream);
  r.Right = dxSkinReadInt32(AStream);
  r.Bottom = dxSkinReadInt32(AStream);
  return r;
}

void dxSkinWriteRect(TStream* AStream, const TRect& R) {
  for (int32_t value : {R.Left, R.Top, R.Right, R.Bottom}) dxStreamWriteInt32(AStream, value);
}

String dxSkinReadAnsiText(TStream* AStream) {
  std::string bytes(ReadLength(AStream, 1), '\0');
  AStream->ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  return dxAnsiToWideCodePage(bytes, CP_ACP);
}

void dxSkinWriteAnsiText(TStream* AStream, const String& AText) {
  std::string bytes;
  if (!AText.empty()) {
    const int length = static_cast<int>(AText.size());
    BOOL lost = FALSE;
    const int size = WideCharToMultiByte(CP_ACP, 0, AText.data(), length, nullptr, 0, nullptr, &lost);
    bytes.resize(size);
    WideCharToMultiByte(CP_ACP, 0, AText.data(), length, bytes.data(), size, nullptr, &lost);
    if (lost || size == 0)
      throw EdxSkinError(Format(L"The text \"%s\" has characters the system's code page cannot store", {AText}));
  }
  dxStreamWriteInt32(AStream, static_cast<int32_t>(bytes.size()));
  AStream->WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
}

String dxSkinReadWideText(TStream* AStream) {
  String text(ReadLength(AStream, sizeof(wchar_t)), L'\0');
  AStream->ReadBuffer(text.data(), static_cast<int64_t>(text.size() * sizeof(wchar_t)));
  return text;
}

void dxSkinWriteWideText(TStream* AStream, const String& AText) {
  dxStreamWriteInt32(AStream, static_cast<int32_t>(AText.size()));
  AStream->WriteBuffer(AText.data(), static_cast<int64_t>(AText.size() * sizeof(wchar_t)));
}

void dxSkinReadImage(TStream* AStream, TdxGPImage* AImage) {
  const int32_t size = ReadLength(AStream, 1);
  if (size == 0) {
    AImage->Clear();
    return;
  }
  const int64_t start = AStream->Position();
  TdxSkinPartStream window(AStream, start, size);
  AImage->LoadFromStream(&window);
  AStream->SetPosition(start + size);
}

void dxSkinWriteImage(TStream* AStream, TdxGPImage* AImage) {
  TMemoryStream encoded;
  if (!AImage->Empty()) {
    const TdxGPImageData* data = AImage->ImageData();
    // GIF data is kept as it came, everything else is stored as PNG.
    if (AImage->ImageDataFormat() == dxImageGif && data->FData)
      encoded.CopyFrom(data->FData.get(), 0);
    else
      AImage->SaveToStreamByCodec(&encoded, dxImagePng);
  }
  dxStreamWriteInt32(AStream, static_cast<int32_t>(encoded.Size()));
  if (encoded.Size() > 0) AStream->CopyFrom(&encoded, 0);
}

// ---------------------------------------------------------------- TdxSkinPartStream

TdxSkinPartStream::TdxSkinPartStream(TStream* ASource, int64_t APosStart, int64_t ASize)
    : FPosEnd(APosStart + ASize), FPosStart(APosStart), FSource(ASource) {
  FSource->SetPosition(FPosStart);
}

int64_t TdxSkinPartStream::Read(void* Buffer, int64_t Count) {
  const int64_t left = FPosEnd - FSource->Position();
  return left <= 0 ? 0 : FSource->Read(Buffer, std::min(Count, left));
}

int64_t TdxSkinPartStream::Write(const void* Buffer, int64_t Count) {
  const int64_t written = FSource->Write(Buffer, Count);
  FPosEnd = std::max(FPosEnd, FSource->Position());
  return written;
}

int64_t TdxSkinPartStream::Seek(int64_t Offset, TSeekOrigin Origin) {
  int64_t target = Offset;
  switch (Origin) {
    case soBeginning: target += FPosStart; break;
    case soCurrent: target += FSource->Position(); break;
    case soEnd: target += FPosEnd; break;
  }
  target = std::clamp(target, FPosStart, FPosEnd);
  return FSource->Seek(target, soBeginning) - FPosStart;
}

// ---------------------------------------------------------------- TdxSkinDetails

namespace {

constexpr const wchar_t* dxSkinDefaultIconNames[] = {L"DEFAULTSKINICONSMALL", L"DEFAULTSKINICONLARGE"};

}  // namespace

TdxSkinDetails::TdxSkinDetails() {
  for (auto& icon : FIcons) {
    icon = std::make_unique<TdxSmartImage>();
    icon->OnChange = [this](TObject*) { Changed(); };
  }
}

TdxSkinDetails::~TdxSkinDetails() {
  for (auto& icon : FIcons) icon->OnChange = nullptr;
}

void TdxSkinDetails::Assign(TPersistent* ASource) {
  auto* source = dynamic_cast<TdxSkinDetails*>(ASource);
  if (!source) return TPersistent::Assign(ASource);
  dxSkinInsideUpdate(this, [&] {
    SetName(source->FName);
    SetDisplayName(source->FDisplayName);
    SetGroupName(source->FGroupName);
    SetNotes(source->FNotes);
    for (size_t i = 0; i < FIcons.size(); ++i) FIcons[i]->Assign(source->FIcons[i].get());
  });
}

void TdxSkinDetails::EndUpdate() {
  if (FUpdateCount > 0) --FUpdateCount;
  Changed();
}

void TdxSkinDetails::Changed() {
  if (FUpdateCount == 0) dxFireNotifyEvent(OnChange, this);
}

void TdxSkinDetails::Clear() {
  dxSkinInsideUpdate(this, [&] {
    FName.clear();
    FDisplayName.clear();
    FGroupName.clear();
    FNotes.clear();
    for (auto& icon : FIcons) icon->Clear();
  });
}

void TdxSkinDetails::ResetIcon(TdxSkinIconSize ASize) {
  GetIcon(ASize)->LoadFromResource(nullptr, dxSkinDefaultIconNames[static_cast<int>(ASize)], L"DXSKINS");
}

void TdxSkinDetails::DataRead(TStream* AStream, double AVersion) {
  dxSkinInsideUpdate(this, [&] {
    SetName(dxSkinReadAnsiText(AStream));
    if (AVersion >= 1.04) {
      SetDisplayName(dxSkinReadAnsiText(AStream));
      SetGroupName(dxSkinReadAnsiText(AStream));
      SetNotes(dxSkinReadWideText(AStream));
      for (auto& icon : FIcons) dxSkinReadImage(AStream, icon.get());
    }
  });
}

void TdxSkinDetails::DataWrite(TStream* AStream) {
  dxSkinWriteAnsiText(AStream, FName);
  dxSkinWriteAnsiText(AStream, FDisplayName);
  dxSkinWriteAnsiText(AStream, FGroupName);
  dxSkinWriteWideText(AStream, FNotes);
  for (auto& icon : FIcons) dxSkinWriteImage(AStream, icon.get());
}

void TdxSkinDetails::SetText(String& AField, const String& AValue) {
  if (AField == AValue) return;
  AField = AValue;
  Changed();
}

void TdxSkinDetails::SetDisplayName(const String& AValue) { SetText(FDisplayName, AValue); }
void TdxSkinDetails::SetGroupName(const String& AValue) { SetText(FGroupName, AValue); }
void TdxSkinDetails::SetName(const String& AValue) { SetText(FName, AValue); }
void TdxSkinDetails::SetNotes(const String& AValue) { SetText(FNotes, AValue); }

// ---------------------------------------------------------------- unit

namespace {

constexpr TClass (*dxSkinPropertyClasses[])() = {
    &TdxSkinAlternateImageAttributes::StaticClass, &TdxSkinBooleanProperty::StaticClass,
    &TdxSkinColor::StaticClass,                    &TdxSkinIntegerProperty::StaticClass,
    &TdxSkinRectProperty::StaticClass,             &TdxSkinSizeProperty::StaticClass,
    &TdxSkinStringProperty::StaticClass,           &TdxSkinWideStringProperty::StaticClass};

std::unique_ptr<TdxSkinEmptyElement> dxEmptySkinElement;

void dxSkinsCoreStart() {
  dxEmptySkinElement = std::make_unique<TdxSkinEmptyElement>();
  RegisterClasses({TdxSkinControlGroup::StaticClass(), TdxSkinElement::StaticClass(), TdxSkinImage::StaticClass()});
  for (auto propertyClass : dxSkinPropertyClasses) TdxSkinProperty::Register(propertyClass());
  if (dxEnsureGdiPlus()) dxGpPrepareImageCodecs();
}

void dxSkinsCoreStop() {
  for (auto propertyClass : dxSkinPropertyClasses) TdxSkinProperty::Unregister(propertyClass());
  for (TClass registered : {TdxSkinControlGroup::StaticClass(), TdxSkinElement::StaticClass(),
                            TdxSkinImage::StaticClass()})
    UnRegisterClass(registered);
  dxEmptySkinElement.reset();
}

void Initialize() {
  if (TdxUnitsLoader* loader = dxUnitsLoaderInstance()) loader->AddUnit(dxSkinsCoreStart, dxSkinsCoreStop);
}

void Finalize() {
  if (TdxUnitsLoader* loader = dxUnitsLoaderInstance()) loader->RemoveUnit(dxSkinsCoreStop);
}

}  // namespace

TdxSkinElement* EmptySkinElement() { return dxEmptySkinElement.get(); }

const TUnitEntry dxSkinsCoreUnit{L"dxSkinsCore", Initialize, Finalize};
