// The skin: its content, listeners and stream, and the container that holds
// several skins.
#include <algorithm>

#include "components/core/dxGdiPlusApi.h"
#include "components/lookandfeel/dxSkinsCore.h"
#include "vcl/rtl/Streams.h"

const GUID IID_IdxSkinChangeListener = {0x28681774, 0x0475, 0x43AE, {0x87, 0x04, 0x1C, 0x90, 0x4D, 0x29, 0x47, 0x42}};
const GUID IID_IdxSkinChangeListenerEx = {
    0x0D7C0942, 0xD2C4, 0x4579, {0xAD, 0x03, 0xA3, 0xCB, 0x5B, 0xBF, 0xC5, 0xAF}};

namespace {

[[noreturn]] void RaiseInvalidStreamFormat() { throw EdxSkinError(LoadResString(&sdxSkinInvalidStreamFormat)); }

}  // namespace

// ---------------------------------------------------------------- TdxSkin

TdxSkin::TdxSkin(const String& AName, bool ALoadOnCreate, HINSTANCE hInst)
    : TdxSkinPersistent(nullptr, String()),
      FDetails(std::make_unique<TdxSkinDetails>()),
      FGroups(std::make_unique<TdxSkinControlGroups>(this, ChangeForwarder())),
      FColors(std::make_unique<TdxSkinColors>(this, ChangeForwarder())) {
  FDetails->SetName(AName);
  FDetails->OnChange = [this](TObject*) { Changed({scDetails}); };
  if (ALoadOnCreate) LoadFromResource(hInst);
}

TdxSkin::~TdxSkin() {
  FDestroying = true;
  FDetails->OnChange = nullptr;
}

void TdxSkin::DoChanged(TdxSkinChanges AChanges) {
  if (!FDestroying && !FListeners.empty()) {
    // What the listeners change meanwhile is kept for the next report.
    BeginUpdate();
    const std::vector<TInterfaceRef<IInterface>> listeners = FListeners;
    try {
      for (const auto& listener : listeners) {
        if (auto ex = Supports<IdxSkinChangeListenerEx>(listener.Get(), IID_IdxSkinChangeListenerEx))
          ex->SkinChanged(this, AChanges);
        else if (auto plain = Supports<IdxSkinChangeListener>(listener.Get(), IID_IdxSkinChangeListener))
          plain->SkinChanged(this);
      }
    } catch (...) {
      LeaveUpdate();
      throw;
    }
    LeaveUpdate();
  }
  TdxSkinPersistent::DoChanged(AChanges);
}

void TdxSkin::AddListener(IInterface* AListener) {
  const bool listed = std::any_of(FListeners.begin(), FListeners.end(),
                                  [&](const auto& AEntry) { return SameInterfaceObject(AEntry.Get(), AListener); });
  if (!listed) FListeners.emplace_back(AListener);
}

void TdxSkin::RemoveListener(IInterface* AListener) {
  std::erase_if(FListeners, [&](const auto& AEntry) { return SameInterfaceObject(AEntry.Get(), AListener); });
}

void TdxSkin::Assign(TPersistent* ASource) {
  auto* source = dynamic_cast<TdxSkin*>(ASource);
  if (!source) return TdxSkinPersistent::Assign(ASource);
  dxSkinInsideUpdate(this, [&] {
    FDetails->Assign(source->FDetails.get());
    FColors->Assign(source->FColors.get());
    FGroups->Assign(source->FGroups.get());
    Properties()->Assign(source->Properties());
  });
}

void TdxSkin::Clear() {
  dxSkinInsideUpdate(this, [&] {
    TdxSkinPersistent::Clear();
    FDetails->Clear();
    FGroups->ClearItems();
    FColors->ClearItems();
  });
}

void TdxSkin::ClearModified() {
  SetModified(false);
  for (int i = 0; i < GroupCount(); ++i) GetGroup(i)->ClearModified();
}

std::unique_ptr<TdxSkin> TdxSkin::Clone(const String& AName) {
  auto result = std::make_unique<TdxSkin>(Name());
  result->Assign(this);
  if (!AName.empty()) result->SetName(AName);
  return result;
}

void TdxSkin::DeleteProperty(TdxSkinProperty* AProperty) {
  if (!Properties()->DeleteItem(AProperty)) FColors->DeleteItem(AProperty);
}

void TdxSkin::Sort(bool ASortChildren) {
  TdxSkinPersistent::Sort(ASortChildren);
  FGroups->Sort(ASortChildren);
  FColors->Sort(ASortChildren);
}

void TdxSkin::DeleteGroup(TdxSkinControlGroup* AGroup) { FGroups->DeleteItem(AGroup); }

bool TdxSkin::GetGroupByName(const String& AName, TdxSkinControlGroup*& AGroup) {
  AGroup = GetGroupByName(AName);
  return AGroup != nullptr;
}

bool TdxSkin::HasMissingElements() const {
  for (int i = 0; i < GroupCount(); ++i)
    if (GetGroup(i)->HasMissingElements()) return true;
  return false;
}

String TdxSkin::DisplayName() const {
  return FDetails->DisplayName().empty() ? FDetails->Name() : FDetails->DisplayName();
}

// ---------------------------------------------------------------- skin stream

void TdxSkin::LoadFromStream(TStream* AStream) {
  if (!dxEnsureGdiPlus()) throw EdxSkinError(L"Skins cannot be loaded: GDI+ is not available");
  double version;
  if (!dxSkinReadHeader(AStream, version)) RaiseInvalidStreamFormat();
  TdxSkin loaded(Name());
  loaded.ReadContent(AStream, version);
  Assign(&loaded);
}

void TdxSkin::ReadContent(TStream* AStream, double AVersion) {
  dxSkinInsideUpdate(this, [&] {
    Clear();
    FDetails->DataRead(AStream, AVersion);
    FColors->DataRead(AStream, AVersion);
    Properties()->DataRead(AStream, AVersion);
    FGroups->DataRead(AStream, AVersion);
    if (AVersion < 1.04) ConvertLegacyDetails();
    for (TdxSkinIconSize size : {sis16, sis48})
      if (FDetails->GetIcon(size)->Empty()) FDetails->ResetIcon(size);
  });
}

void TdxSkin::ConvertLegacyDetails() {
  auto takeText = [this](const String& APropertyName, const String& ADefault) {
    String result = ADefault;
    if (TdxSkinProperty* property = GetPropertyByName(APropertyName)) {
      if (auto* text = dynamic_cast<TdxSkinValueProperty<String>*>(property)) result = text->Value();
      DeleteProperty(property);
    }
    return result;
  };
  FDetails->SetDisplayName(takeText(L"DisplayName", Name()));
  FDetails->SetGroupName(takeText(L"SkinGroupName", L"Custom Skins"));
  TdxSkinControlGroup* common = GetGroupByName(L"Common");
  TakeLegacyIcon(common, L"SkinIcon", sis16);
  TakeLegacyIcon(common, L"SkinIconLarge", sis48);
}

void TdxSkin::TakeLegacyIcon(TdxSkinControlGroup* ACommon, const String& AElementName, TdxSkinIconSize ASize) {
  TdxSkinElement* element = ACommon ? ACommon->GetElementByName(AElementName) : nullptr;
  if (element && !element->Image()->Texture()->Empty())
    FDetails->GetIcon(ASize)->Assign(element->Image()->Texture());
  else
    FDetails->ResetIcon(ASize);
  if (element) ACommon->RemoveElement(element);
}

void TdxSkin::SaveToStream(TStream* AStream) {
  // Written whole first, so that a skin that cannot be written leaves
  // nothing half-written behind.
  TMemoryStream data;
  dxSkinWriteHeader(&data);
  FDetails->DataWrite(&data);
  FColors->DataWrite(&data);
  Properties()->DataWrite(&data);
  FGroups->DataWrite(&data);
  AStream->CopyFrom(&data, 0);
}

void TdxSkin::LoadFromFile(const String& AFileName) {
  TFileStream stream(AFileName, fmOpenRead | fmShareDenyNone);
  LoadFromStream(&stream);
}

void TdxSkin::SaveToFile(const String& AFileName) {
  TMemoryStream data;
  SaveToStream(&data);
  data.SaveToFile(AFileName);
}

void TdxSkin::LoadFromResource(HINSTANCE hInst) {
  TResourceStream stream(hInst, Name(), L"DXSKINS");
  LoadFromStream(&stream);
}

void TdxSkin::LoadFromBinaryStream(TStream* AStream) {
  TdxSkinBinaryReader reader(AStream);
  if (!reader.LoadSkin(this, 0)) RaiseInvalidStreamFormat();
}

void TdxSkin::LoadFromBinaryFile(const String& AFileName) {
  TFileStream stream(AFileName, fmOpenRead | fmShareDenyNone);
  LoadFromBinaryStream(&stream);
}

void TdxSkin::SaveToBinaryStream(TStream* AStream) {
  TdxSkinBinaryWriter writer(AStream);
  writer.AddSkin(this);
}

void TdxSkin::SaveToBinaryFile(const String& AFileName) {
  TMemoryStream data;
  SaveToBinaryStream(&data);
  data.SaveToFile(AFileName);
}

// ---------------------------------------------------------------- details of a stream

bool TdxSkinDetails::LoadFromStream(TStream* AStream) {
  FDataOffset = AStream->Position();
  double version;
  if (!dxSkinReadHeader(AStream, version)) return false;
  if (version >= 1.04) {
    DataRead(AStream, version);
    return true;
  }
  // Older streams keep part of the details among the skin's content.
  TdxSkin skin{String()};
  AStream->SetPosition(FDataOffset);
  skin.LoadFromStream(AStream);
  Assign(skin.Details());
  return true;
}

// ---------------------------------------------------------------- container

namespace {

constexpr int64_t dxSkinContainerCountOffset = dxSkinHeaderSize;

}  // namespace

TdxSkinBinaryWriter::TdxSkinBinaryWriter(TStream* AStream) : FHeaderOffset(AStream->Position()), FStream(AStream) {
  WriteHeader();
}

TdxSkinBinaryWriter::~TdxSkinBinaryWriter() {
  FStream->SetPosition(FHeaderOffset + dxSkinContainerCountOffset + sizeof(int32_t));
}

void TdxSkinBinaryWriter::WriteHeader() {
  FStream->SetPosition(FHeaderOffset);
  dxSkinWriteHeader(FStream);
  dxStreamWriteInt32(FStream, FCount);
}

void TdxSkinBinaryWriter::AddSkin(TdxSkin* ASkin) {
  TMemoryStream data;
  ASkin->SaveToStream(&data);
  if (data.Size() > INT32_MAX) throw EdxSkinError(L"A skin larger than 2 GB cannot be put in a skin container");
  FStream->Seek(0, soEnd);
  dxStreamWriteInt32(FStream, static_cast<int32_t>(data.Size()));
  FStream->CopyFrom(&data, 0);
  const int64_t end = FStream->Position();
  // The count is kept up to date, so the container is whole after each skin.
  ++FCount;
  WriteHeader();
  FStream->SetPosition(end);
}

TdxSkinBinaryReader::TdxSkinBinaryReader(TStream* AStream) : FStream(AStream) {
  const int64_t start = AStream->Position();
  if (ReadContainer()) return;
  FSkins.clear();
  AStream->SetPosition(start);
  ReadPlainSkin();
}

bool TdxSkinBinaryReader::ReadContainer() {
  try {
    double version;
    if (!dxSkinReadHeader(FStream, version)) return false;
    const int32_t count = dxSkinReadInt32(FStream);
    if (count < 0) return false;
    for (int32_t i = 0; i < count; ++i) {
      const int32_t length = dxSkinReadInt32(FStream);
      const int64_t entryStart = FStream->Position();
      if (length < dxSkinHeaderSize || length > FStream->Size() - entryStart) return false;
      auto details = std::make_unique<TdxSkinDetails>();
      if (!details->LoadFromStream(FStream) || FStream->Position() > entryStart + length) return false;
      FSkins.push_back(std::move(details));
      FStream->SetPosition(entryStart + length);
    }
    return true;
  } catch (const Exception&) {
    return false;
  }
}

void TdxSkinBinaryReader::ReadPlainSkin() {
  try {
    auto details = std::make_unique<TdxSkinDetails>();
    if (details->LoadFromStream(FStream)) FSkins.push_back(std::move(details));
  } catch (const Exception&) {
    // A damaged single skin lists nothing.
  }
}

bool TdxSkinBinaryReader::LoadSkin(TdxSkin* ASkin, int ASkinIndex) {
  if (ASkinIndex < 0 || ASkinIndex >= Count()) return false;
  FStream->SetPosition(GetSkinOffset(ASkinIndex));
  ASkin->LoadFromStream(FStream);
  return true;
}

bool TdxSkinBinaryReader::LoadSkin(TdxSkin* ASkin, const String& ASkinName) {
  if (ASkinName.empty()) return LoadSkin(ASkin, 0);
  for (int i = 0; i < Count(); ++i)
    if (CompareText(GetSkinName(i), ASkinName) == 0) return LoadSkin(ASkin, i);
  return false;
}
