#include "vcl/graphics/Graphic.h"

#include <cstring>
#include <vector>

#include "vcl/classes/Filer.h"
#include "vcl/graphics/Bitmap.h"
#include "vcl/graphics/Icon.h"
#include "vcl/graphics/Metafile.h"
#include "vcl/rtl/Streams.h"

// ---------------------------------------------------------------- TGraphic

void TGraphic::SetSize(int AWidth, int AHeight) {
  SetWidth(AWidth);
  SetHeight(AHeight);
}

void TGraphic::LoadFromFile(const String& FileName) {
  TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&stream);
}

void TGraphic::SaveToFile(const String& FileName) const {
  TFileStream stream(FileName, fmCreate);
  SaveToStream(&stream);
}

void TGraphic::SetTransparent(bool Value) {
  if (Value == FTransparent) return;
  FTransparent = Value;
  Changed();
}

void TGraphic::LoadFromClipboardFormat(uint32_t AFormat, void* AData, void* APalette) {
  throw EInvalidGraphic(L"Unsupported clipboard format");
}

void TGraphic::SaveToClipboardFormat(uint32_t& AFormat, void*& AData, void*& APalette) {
  throw EInvalidGraphic(L"Unsupported clipboard format");
}

bool TGraphic::Equals(const TGraphic* Graphic) const {
  if (!Graphic || Graphic->ClassType() != ClassType()) return false;
  if (Empty() || Graphic->Empty()) return Empty() && Graphic->Empty();
  return SameSavedData(this, Graphic);
}

bool SameSavedData(const TGraphic* A, const TGraphic* B) {
  TMemoryStream streamA, streamB;
  A->SaveToStream(&streamA);
  B->SaveToStream(&streamB);
  return streamA.Size() == streamB.Size() &&
         std::memcmp(streamA.Memory(), streamB.Memory(), static_cast<size_t>(streamA.Size())) == 0;
}

void TGraphic::Changed() {
  FModified = true;
  if (OnChange) OnChange(this);
}

void TGraphic::DefineProperties(TFiler* Filer) {
  Filer->DefineBinaryProperty(
      L"Data", [this](TStream* AStream) { ReadData(AStream); },
      [this](TStream* AStream) { WriteData(AStream); }, !Empty());
}

// ---------------------------------------------------------------- formats

namespace {
struct TFileFormat {
  String Extension;
  String Description;
  TGraphicClass GraphicClass;
};

std::vector<TFileFormat>& FileFormats() {
  static std::vector<TFileFormat> formats{
      {L"bmp", L"Bitmaps", TBitmap::StaticClass()},
      {L"ico", L"Icons", TIcon::StaticClass()},
      {L"emf", L"Enhanced Metafiles", TMetafile::StaticClass()},
      {L"wmf", L"Metafiles", TMetafile::StaticClass()},
  };
  return formats;
}

String ExtensionOf(const String& FileName) {
  size_t dot = FileName.find_last_of(L".\\/");
  if (dot == String::npos || FileName[dot] != L'.') return String();
  return FileName.substr(dot + 1);
}

struct TClipboardFormat {
  uint32_t Format;
  TGraphicClass GraphicClass;
};

std::vector<TClipboardFormat>& ClipboardFormats() {
  static std::vector<TClipboardFormat> formats{{2 /* CF_BITMAP */, TBitmap::StaticClass()}};
  return formats;
}

TGraphicClass ClassForExtension(const String& Extension) {
  const std::vector<TFileFormat>& formats = FileFormats();
  for (auto it = formats.rbegin(); it != formats.rend(); ++it)
    if (SameText(it->Extension, Extension)) return it->GraphicClass;
  throw EInvalidGraphic(Format(L"Unknown picture file extension (.%s)", {Extension}));
}
}  // namespace

String GraphicFilter(TGraphicClass AGraphicClass) {
  String all, each;
  for (const TFileFormat& format : FileFormats()) {
    if (!TObject::ClassInheritsFrom(format.GraphicClass, AGraphicClass)) continue;
    const String mask = L"*." + format.Extension;
    all += (all.empty() ? L"" : L";") + mask;
    each += L"|" + format.Description + L" (" + mask + L")|" + mask;
  }
  return L"All (" + all + L")|" + all + each;
}

String GraphicExtension(TGraphicClass AGraphicClass) {
  for (const TFileFormat& format : FileFormats())
    if (TObject::ClassInheritsFrom(format.GraphicClass, AGraphicClass)) return format.Extension;
  return String();
}

void TPicture::RegisterFileFormat(const String& Extension, const String& Description,
                                  TGraphicClass GraphicClass) {
  FileFormats().push_back({Extension, Description, GraphicClass});
}

void TPicture::UnregisterGraphicClass(TGraphicClass AClass) {
  std::erase_if(FileFormats(), [AClass](const TFileFormat& format) {
    return TObject::ClassInheritsFrom(format.GraphicClass, AClass);
  });
  std::erase_if(ClipboardFormats(), [AClass](const TClipboardFormat& format) {
    return TObject::ClassInheritsFrom(format.GraphicClass, AClass);
  });
}

void TPicture::RegisterClipboardFormat(uint32_t AFormat, TGraphicClass AGraphicClass) {
  ClipboardFormats().push_back({AFormat, AGraphicClass});
}

bool TPicture::SupportsClipboardFormat(uint32_t AFormat) {
  for (const TClipboardFormat& format : ClipboardFormats())
    if (format.Format == AFormat) return true;
  return false;
}


// ---------------------------------------------------------------- TPicture

TPicture::~TPicture() { delete FGraphic; }

// Holds Value (already owned by this picture) in place of the current one.
void TPicture::TakeGraphic(TGraphic* Value) {
  delete FGraphic;
  FGraphic = Value;
  if (FGraphic) FGraphic->OnChange = [this](TObject* Sender) { Changed(Sender); };
  Changed(this);
}

void TPicture::SetGraphic(TGraphic* Value) {
  if (Value == FGraphic) return;
  TGraphic* copy = nullptr;
  if (Value) {
    copy = static_cast<TGraphic*>(TObject::CreateInstance(Value->ClassType()));
    try {
      copy->Assign(Value);
    } catch (...) {
      delete copy;
      throw;
    }
  }
  TakeGraphic(copy);
}

template <typename T>
T* TPicture::GraphicAs() {
  if (auto* graphic = dynamic_cast<T*>(FGraphic)) return graphic;
  auto* graphic = new T();
  TakeGraphic(graphic);
  return graphic;
}

TBitmap* TPicture::Bitmap() { return GraphicAs<TBitmap>(); }
TIcon* TPicture::Icon() { return GraphicAs<TIcon>(); }
int TPicture::Width() const { return FGraphic ? FGraphic->Width() : 0; }
int TPicture::Height() const { return FGraphic ? FGraphic->Height() : 0; }

void TPicture::LoadFromFile(const String& FileName) {
  TGraphicClass graphicClass = ClassForExtension(ExtensionOf(FileName));
  auto* graphic = static_cast<TGraphic*>(TObject::CreateInstance(graphicClass));
  try {
    graphic->LoadFromFile(FileName);
  } catch (...) {
    delete graphic;  // the picture keeps what it had
    throw;
  }
  TakeGraphic(graphic);
}

void TPicture::SaveToFile(const String& FileName) const {
  if (FGraphic) FGraphic->SaveToFile(FileName);
}

void TPicture::Assign(TPersistent* Source) {
  if (!Source) return SetGraphic(nullptr);
  if (auto* picture = dynamic_cast<TPicture*>(Source)) return SetGraphic(picture->FGraphic);
  if (auto* graphic = dynamic_cast<TGraphic*>(Source)) return SetGraphic(graphic);
  TPersistent::Assign(Source);
}

void TPicture::Changed(TObject* Sender) {
  if (OnChange) OnChange(this);
}
