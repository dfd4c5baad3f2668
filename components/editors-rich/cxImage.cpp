#include "components/editors-rich/cxImage.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "components/core/dxGdiPlusClasses.h"
#include "vcl/controls/Clipbrd.h"
#include "vcl/graphics/Bitmap.h"
#include "vcl/graphics/Icon.h"
#include "vcl/graphics/Metafile.h"
#include "vcl/rtl/ClassRegistry.h"
#include "vcl/rtl/Streams.h"

namespace {

std::unique_ptr<std::vector<TGraphicClass>> GraphicClassList;

constexpr size_t BlobHeaderSize = 8;

// The header some stores put before the graphic: {1, 0x0100, the length
// that follows}; anything else is read from its first byte.
size_t BlobDataStart(const std::string& ABytes) {
  if (ABytes.size() < BlobHeaderSize) return 0;
  uint16_t first, second;
  uint32_t length;
  std::memcpy(&first, ABytes.data(), 2);
  std::memcpy(&second, ABytes.data() + 2, 2);
  std::memcpy(&length, ABytes.data() + 4, 4);
  return first == 1 && second == 0x0100 && length == ABytes.size() - BlobHeaderSize ? BlobHeaderSize : 0;
}

}  // namespace

void cxFreeGraphicClassList() { GraphicClassList.reset(); }

const std::vector<TGraphicClass>& cxGraphicClassList() {
  if (!GraphicClassList) {
    GraphicClassList = std::make_unique<std::vector<TGraphicClass>>();
    auto add = [](TGraphicClass AClass) {
      if (AClass && std::find(GraphicClassList->begin(), GraphicClassList->end(), AClass) == GraphicClassList->end())
        GraphicClassList->push_back(AClass);
    };
    add(TBitmap::StaticClass());
    add(TIcon::StaticClass());
    add(TMetafile::StaticClass());
    add(GetClass(L"TdxPNGImage"));
    add(GetClass(L"TdxSmartImage"));
  }
  return *GraphicClassList;
}

TGraphicClass cxFindGraphicClass(const String& AName) {
  for (TGraphicClass graphicClass : cxGraphicClassList())
    if (SameText(String(graphicClass->Name), AName)) return graphicClass;
  return nullptr;
}

void cxLoadPictureFromBlob(TPicture* APicture, TGraphicClass AGraphicClass, const Variant& AValue) {
  if (!dxVarIsBinaryData(AValue)) return APicture->Assign(nullptr);
  const std::string bytes = dxVariantToAnsiBytes(AValue);
  const size_t start = BlobDataStart(bytes);
  if (bytes.empty()) return APicture->Assign(nullptr);
  TMemoryStream stream;
  stream.WriteBuffer(bytes.data() + start, static_cast<int64_t>(bytes.size() - start));
  stream.SetPosition(0);
  const TGraphicClass graphicClass = AGraphicClass ? AGraphicClass : TBitmap::StaticClass();
  std::unique_ptr<TGraphic> graphic(static_cast<TGraphic*>(TObject::CreateInstance(graphicClass)));
  try {
    graphic->LoadFromStream(&stream);
  } catch (const Exception& E) {
    throw EInvalidGraphic(L"The picture was not changed: the data cannot be read as " + String(graphicClass->Name) +
                          L" (" + E.Message() + L")");
  }
  if (!graphic->Equals(APicture->Graphic())) APicture->SetGraphic(graphic.get());
}

Variant cxSavePictureToBlob(TPicture* APicture) {
  TMemoryStream stream;
  if (APicture && APicture->Graphic()) APicture->Graphic()->SaveToStream(&stream);
  std::string bytes(static_cast<size_t>(stream.Size()), '\0');
  if (!bytes.empty()) std::memcpy(bytes.data(), stream.Memory(), bytes.size());
  return VarAsType(Variant(FromAnsi(bytes)), varString);
}

void cxCopyPictureToClipboard(TPicture* APicture) {
  if (APicture && APicture->Graphic()) Clipboard()->Assign(APicture->Graphic());
}

void cxPastePictureFromClipboard(TPicture* APicture, TGraphicClass AGraphicClass) {
  const TGraphicClass graphicClass = AGraphicClass ? AGraphicClass : TBitmap::StaticClass();
  std::unique_ptr<TGraphic> graphic(static_cast<TGraphic*>(TObject::CreateInstance(graphicClass)));
  if (auto* image = dynamic_cast<TdxGPImage*>(graphic.get())) {
    if (!TdxGPImage::HasClipboardFormat()) throw EInvalidGraphic(L"The clipboard holds no picture");
    image->PasteFromClipboard();
  } else {
    if (!Clipboard()->HasFormat(CF_BITMAP)) throw EInvalidGraphic(L"The clipboard holds no bitmap");
    Clipboard()->Open();
    struct TClose {
      ~TClose() { Clipboard()->Close(); }
    } close;
    graphic->LoadFromClipboardFormat(CF_BITMAP, Clipboard()->GetAsHandle(CF_BITMAP), nullptr);
  }
  APicture->SetGraphic(graphic.get());
}

// ---------------------------------------------------------------- zooming

void TcxImageZoomingOptions::SetMaxZoom(int AValue) {
  AValue = std::max(AValue, 100);
  if (AValue == FMaxZoom) return;
  FMaxZoom = AValue;
  FZoomPercent = std::min(FZoomPercent, FMaxZoom);
  Changed();
}

void TcxImageZoomingOptions::SetMinZoom(int AValue) {
  AValue = std::clamp(AValue, 0, 100);
  if (AValue == FMinZoom) return;
  FMinZoom = AValue;
  FZoomPercent = std::max(FZoomPercent, FMinZoom);
  Changed();
}

void TcxImageZoomingOptions::SetZoomPercent(int AValue) {
  AValue = std::max(std::clamp(AValue, FMinZoom, FMaxZoom), 0);
  if (AValue == FZoomPercent) return;
  FZoomPercent = AValue;
  Changed();
}

void TcxImageZoomingOptions::SetShowZoomTrackBar(bool AValue) {
  if (AValue == FShowZoomTrackBar) return;
  FShowZoomTrackBar = AValue;
  Changed();
}

void TcxImageZoomingOptions::Assign(TPersistent* ASource) {
  auto* source = dynamic_cast<TcxImageZoomingOptions*>(ASource);
  if (!source) return TPersistent::Assign(ASource);
  FMaxZoom = source->FMaxZoom;
  FMinZoom = source->FMinZoom;
  FZoomPercent = source->FZoomPercent;
  OnChanged = source->OnChanged;
  Changed();
}

int TcxImageZoomingOptions::LowerLineSize() const { return (100 - FMinZoom + 9) / 10; }
int TcxImageZoomingOptions::UpperLineSize() const { return (FMaxZoom - 100 + 9) / 10; }

void TcxImageZoomingOptions::ZoomIn() {
  int percent = FZoomPercent + (FZoomPercent <= 99 ? LowerLineSize() : UpperLineSize());
  if (FZoomPercent < 100) percent = std::min(percent, 100);
  SetZoomPercent(percent);
}

void TcxImageZoomingOptions::ZoomOut() {
  int percent = FZoomPercent - (FZoomPercent <= 100 ? LowerLineSize() : UpperLineSize());
  if (FZoomPercent > 100) percent = std::max(percent, 100);
  SetZoomPercent(percent);
}

void TcxImageZoomingOptions::Changed() { dxFireNotifyEvent(OnChanged, this); }
