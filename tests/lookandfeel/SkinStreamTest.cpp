// Skins and their stream: every kind of value through a round trip, older
// versions written by hand, damaged streams, the container, lookups and
// change reports.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "components/lookandfeel/dxSkinsCore.h"
#include "tests/lookandfeel/SkinFixtures.h"
#include "tests/support/ProcessMemory.h"
#include "vcl/rtl/Streams.h"

namespace {

// ---------------------------------------------------------------- fixtures

// A skin with a value of every kind.
std::unique_ptr<TdxSkin> FullSkin(const String& AName = L"Full") {
  auto skin = std::make_unique<TdxSkin>(AName);
  TdxSkinDetails* details = skin->Details();
  details->SetDisplayName(AName + L" Display");
  details->SetGroupName(L"Tests");
  details->SetNotes(L"Notes \u4E2D\u6587");
  details->GetIcon(sis16)->Assign(SolidImage(16, 16, 0xFF112233).get());
  details->GetIcon(sis48)->Assign(SolidImage(48, 48, 0xFF445566).get());

  skin->AddColor(L"Window", clWhite);
  skin->AddColor(L"Text", TColorOf(0x00123456));
  skin->AddPropertyInteger(L"Int", -42);
  skin->AddPropertyBool(L"Bool", true);
  skin->AddPropertyColor(L"Color", clNone);
  static_cast<TdxSkinRectProperty*>(skin->AddProperty(L"Rect", TdxSkinRectProperty::StaticClass()))
      ->SetValue(TRect(1, -2, 3, 4));
  static_cast<TdxSkinSizeProperty*>(skin->AddProperty(L"Size", TdxSkinSizeProperty::StaticClass()))
      ->SetValue(TSize(5, 6));
  static_cast<TdxSkinStringProperty*>(skin->AddProperty(L"String", TdxSkinStringProperty::StaticClass()))
      ->SetValue(L"Cora\u00E7\u00E3o");
  static_cast<TdxSkinWideStringProperty*>(skin->AddProperty(L"Wide", TdxSkinWideStringProperty::StaticClass()))
      ->SetValue(L"\u4E2D\u6587");

  TdxSkinControlGroup* group = skin->AddGroup(L"Button");
  group->AddPropertyInteger(L"GroupInt", 7);
  TdxSkinElement* element = group->AddElement(L"Face");
  element->SetColor(clRed);
  element->SetAlpha(200);
  element->SetContentOffset(TRect(2, 3, 4, 5));
  element->SetTextColor(clBlue);
  element->SetMinSize(TSize(10, 12));
  element->Borders()->Left()->SetColor(clGreen);
  element->Borders()->Bottom()->SetThin(3);
  TdxSkinImage* image = element->Image();
  image->Texture()->Assign(SolidImage(60, 20, 0xFF00FF00).get());
  image->SetStates({esNormal, esHot, esPressed});
  image->SetImageCount(1);
  image->SetImageLayout(ilHorizontal);
  image->SetMargins(TRect(3, 4, 5, 6));
  image->SetStretch(smTile);
  image->SetGradientBeginColor(clYellow);
  image->SetGradientEndColor(clAqua);
  image->SetGradient(gmBackwardDiagonal);
  element->Glyph()->Texture()->Assign(SolidImage(8, 16, 0xFF0000FF).get());
  element->Glyph()->SetImageLayout(ilVertical);
  element->Glyph()->SetImageCount(2);
  auto* attributes = static_cast<TdxSkinAlternateImageAttributes*>(
      element->AddProperty(L"AlternateImage1Hot", TdxSkinAlternateImageAttributes::StaticClass()));
  attributes->SetAlpha(128);
  attributes->SetGradient(gmVertical);
  attributes->SetGradientBeginColor(clMaroon);
  attributes->SetGradientEndColor(clNavy);
  attributes->Borders()->Top()->SetColor(clTeal);
  attributes->BordersInner()->Right()->SetThin(2);
  attributes->SetContentOffsets(TRect(1, 1, 2, 2));
  skin->AddGroup(L"Empty");
  return skin;
}

std::vector<uint8_t> Bytes(TMemoryStream& AStream) {
  const auto* data = static_cast<const uint8_t*>(AStream.Memory());
  return std::vector<uint8_t>(data, data + AStream.Size());
}

std::vector<uint8_t> SavedBytes(TdxSkin* ASkin) {
  TMemoryStream stream;
  ASkin->SaveToStream(&stream);
  return Bytes(stream);
}

void Load(TdxSkin* ASkin, const std::vector<uint8_t>& ABytes) {
  TMemoryStream stream;
  stream.WriteBuffer(ABytes.data(), static_cast<int64_t>(ABytes.size()));
  stream.SetPosition(0);
  ASkin->LoadFromStream(&stream);
}

// Writes skin streams field by field, also in the layouts of older
// versions.
struct TStreamBuilder {
  TMemoryStream Stream;
  TStreamBuilder& Header(double AVersion, const char* ASignature = "dxSkin", int32_t AReserved = 0) {
    Int(AReserved);
    Stream.WriteBuffer(ASignature, 6);
    Stream.WriteBuffer(&AVersion, sizeof(AVersion));
    return *this;
  }
  TStreamBuilder& Int(int32_t AValue) {
    Stream.WriteBuffer(&AValue, sizeof(AValue));
    return *this;
  }
  TStreamBuilder& Byte(uint8_t AValue) {
    Stream.WriteBuffer(&AValue, 1);
    return *this;
  }
  TStreamBuilder& Word(uint16_t AValue) {
    Stream.WriteBuffer(&AValue, 2);
    return *this;
  }
  TStreamBuilder& Text(const std::string& AText) {
    Int(static_cast<int32_t>(AText.size()));
    Stream.WriteBuffer(AText.data(), static_cast<int64_t>(AText.size()));
    return *this;
  }
  TStreamBuilder& Rect(int32_t L, int32_t T, int32_t R, int32_t B) { return Int(L).Int(T).Int(R).Int(B); }
  TStreamBuilder& Image(TdxGPImage* AImage) {
    dxSkinWriteImage(&Stream, AImage);
    return *this;
  }
  // Encoded picture bytes as they stand.
  TStreamBuilder& Picture(const std::vector<uint8_t>& ABytes) {
    Int(static_cast<int32_t>(ABytes.size()));
    Stream.WriteBuffer(ABytes.data(), static_cast<int64_t>(ABytes.size()));
    return *this;
  }
  // A border record; older versions name it first.
  TStreamBuilder& Border(double AVersion, TColor AColor, int32_t AThin) {
    if (AVersion < 1.09) Text("TdxSkinBorder").Text("Left");
    return Int(AColor).Int(AThin);
  }
  // Image data with the fields the version has.
  TStreamBuilder& ImageData(double AVersion, int32_t AImageCount, uint16_t AStates, TdxGPImage* ATexture) {
    Rect(1, 2, 3, 4).Byte(0);
    if (AVersion >= 1.1) Int(AImageCount);
    Word(AStates).Byte(0);
    if (AVersion >= 1.02) Int(clRed).Int(clBlue).Byte(1);
    return Image(ATexture);
  }
  // One element whose image holds two frames per image.
  TStreamBuilder& Element(double AVersion, const std::string& AName, TdxGPImage* ATexture) {
    Text(AName).Int(clDefault).Byte(255);
    if (AVersion < 1.1) Int(2);
    Rect(0, 0, 0, 0);
    TdxGPImage none;
    ImageData(AVersion, 1, 1, &none);
    ImageData(AVersion, 2, 3, ATexture);
    for (int i = 0; i < 4; ++i) Border(AVersion, i == 0 ? clGreen : clNone, 1);
    return Int(clDefault).Int(0).Int(0).Int(0);
  }
  std::vector<uint8_t> Result() { return Bytes(Stream); }
};

// A skin of an older version: name, a colour, the legacy "DisplayName"
// property, a group "Common" with the small icon element and a group
// "Button" with one element.
std::vector<uint8_t> LegacySkin(double AVersion, TdxGPImage* AIcon, TdxGPImage* ATexture) {
  TStreamBuilder b;
  b.Header(AVersion).Text("Old");
  TdxGPImage none;
  if (AVersion >= 1.04) b.Text("Old Display").Text("Old Group").Int(0).Image(&none).Image(&none);
  b.Int(1).Text("TdxSkinColor").Text("Frame").Int(clGray);
  b.Int(1).Text("TdxSkinStringProperty").Text("DisplayName").Text("Office");
  b.Int(2);
  b.Text("Common").Int(1).Element(AVersion, "SkinIcon", AIcon).Int(0);
  b.Text("Button").Int(1).Element(AVersion, "Face", ATexture).Int(0);
  return b.Result();
}

// ---------------------------------------------------------------- round trips

TEST(SkinStream, EveryKindOfValueRoundTrips) {
  std::unique_ptr<TdxSkin> source = FullSkin();
  const std::vector<uint8_t> bytes = SavedBytes(source.get());
  TdxSkin target(L"Target");
  Load(&target, bytes);
  // Before any lookup, which sorts the lists it searches.
  EXPECT_EQ(bytes, SavedBytes(&target)) << "what is read is written back byte for byte";

  EXPECT_EQ(L"Full", target.Name());
  EXPECT_EQ(L"Full Display", target.DisplayName());
  EXPECT_EQ(L"Tests", target.Details()->GroupName());
  EXPECT_EQ(source->Details()->Notes(), target.Details()->Notes());
  EXPECT_TRUE(target.Details()->GetIcon(sis48)->Compare(source->Details()->GetIcon(sis48)));
  EXPECT_TRUE(target.Properties()->Compare(source->Properties()));
  ASSERT_EQ(2, target.ColorCount());
  EXPECT_EQ(TColorOf(0x00123456), target.GetColorByName(L"Text")->Value());
  ASSERT_EQ(2, target.GroupCount());
  TdxSkinControlGroup* group = target.GetGroupByName(L"Button");
  ASSERT_NE(nullptr, group);
  EXPECT_TRUE(group->Properties()->Compare(source->GetGroupByName(L"Button")->Properties()));
  TdxSkinElement* element = group->GetElementByName(L"Face");
  ASSERT_NE(nullptr, element);
  EXPECT_TRUE(element->Compare(source->GetGroupByName(L"Button")->GetElementByName(L"Face")));
  EXPECT_EQ(smTile, element->Image()->Stretch());
  EXPECT_EQ(2, element->Glyph()->ImageCount());
  EXPECT_EQ(L"\u4E2D\u6587", static_cast<TdxSkinWideStringProperty*>(target.GetPropertyByName(L"Wide"))->Value());
}

TEST(SkinStream, OlderVersionsAreReadByTheirOwnLayout) {
  std::unique_ptr<TdxSmartImage> icon = SolidImage(16, 16, 0xFFABCDEF);
  std::unique_ptr<TdxSmartImage> texture = SolidImage(40, 10, 0xFF808080);
  for (double version : {1.0, 1.01, 1.03, 1.05, 1.08, 1.09, 1.1}) {
    SCOPED_TRACE(version);
    TdxSkin skin(L"Any");
    Load(&skin, LegacySkin(version, icon.get(), texture.get()));
    EXPECT_EQ(L"Old", skin.Name());
    EXPECT_EQ(clGray, skin.GetColorByName(L"Frame")->Value());
    TdxSkinElement* face = skin.GetGroupByName(L"Button")->GetElementByName(L"Face");
    ASSERT_NE(nullptr, face);
    EXPECT_EQ(2, face->Image()->ImageCount()) << "older streams keep the image count with the element";
    EXPECT_EQ(TdxSkinElementStates({esNormal, esHot}), face->Image()->States());
    EXPECT_EQ(clGreen, face->Borders()->Left()->Color());
    EXPECT_EQ(version >= 1.02 ? clRed : clNone, face->Image()->GradientBeginColor());
    EXPECT_TRUE(face->Image()->Texture()->Compare(texture.get()));
    const bool legacy = version < 1.04;
    EXPECT_EQ(legacy ? L"Office" : L"Old Display", skin.DisplayName());
    EXPECT_EQ(legacy ? L"Custom Skins" : L"Old Group", skin.Details()->GroupName());
    EXPECT_EQ(legacy, skin.GetPropertyByName(L"DisplayName") == nullptr);
    EXPECT_EQ(legacy, skin.GetGroupByName(L"Common")->GetElementByName(L"SkinIcon") == nullptr);
    EXPECT_EQ(legacy, skin.Details()->GetIcon(sis16)->Compare(icon.get()))
        << "an old skin's icon element becomes its icon";
    EXPECT_EQ(48, skin.Details()->GetIcon(sis48)->Width()) << "a missing icon is the default one";
  }
}

// ---------------------------------------------------------------- damaged streams

TEST(SkinStream, DamagedStreamsRaiseAndLeaveTheSkinAsItWas) {
  const std::vector<uint8_t> valid = SavedBytes(FullSkin().get());
  auto withInt = [&](size_t AOffset, int32_t AValue) {
    std::vector<uint8_t> bytes = valid;
    std::memcpy(bytes.data() + AOffset, &AValue, 4);
    return bytes;
  };
  auto afterHeader = [](std::function<void(TStreamBuilder&)> ARest) {
    TStreamBuilder b;
    b.Header(1.1);
    ARest(b);
    return b.Result();
  };
  auto details = [](TStreamBuilder& b) {
    TdxGPImage none;
    b.Text("X").Text("").Text("").Int(0).Image(&none).Image(&none);
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    const char* Name;
    std::vector<uint8_t> Bytes;
  } cases[] = {
      {"empty", {}},
      {"17 bytes", std::vector<uint8_t>(valid.begin(), valid.begin() + 17)},
      {"another signature", TStreamBuilder().Header(1.1, "dxSkim").Result()},
      {"version 0.9", TStreamBuilder().Header(0.9).Result()},
      {"a version from the future", TStreamBuilder().Header(1.2).Result()},
      {"a version that is no number", TStreamBuilder().Header(nan).Result()},
      {"a name longer than the stream", withInt(18, 1000)},
      {"a negative name length", withInt(18, -1)},
      {"a huge name length", withInt(18, INT32_MAX)},
      {"notes longer than the stream", afterHeader([](auto& b) { b.Text("X").Text("").Text("").Int(1 << 30); })},
      {"an icon longer than the stream", afterHeader([](auto& b) { b.Text("X").Text("").Text("").Int(0).Int(99); })},
      {"an icon of bytes no decoder knows",
       afterHeader([](auto& b) { b.Text("X").Text("").Text("").Int(0).Text("not a picture").Int(0); })},
      {"a negative colour count", afterHeader([&](auto& b) { details(b); b.Int(-5); })},
      {"a colour count beyond the stream", afterHeader([&](auto& b) { details(b); b.Int(3).Text("TdxSkinColor"); })},
      {"an unknown property class",
       afterHeader([&](auto& b) { details(b); b.Int(0).Int(1).Text("TNoSuchProperty").Text("P").Int(1); })},
      {"a class that is no property",
       afterHeader([&](auto& b) { details(b); b.Int(0).Int(1).Text("TdxSkinElement").Text("P").Int(1); })},
      {"a property that is no colour in the colours",
       afterHeader([&](auto& b) { details(b); b.Int(1).Text("TdxSkinIntegerProperty").Text("P").Int(1); })},
      {"a boolean of 2",
       afterHeader([&](auto& b) { details(b); b.Int(0).Int(1).Text("TdxSkinBooleanProperty").Text("B").Byte(2); })},
      {"a gradient mode of 9", afterHeader([&](auto& b) {
         details(b);
         b.Int(0).Int(1).Text("TdxSkinAlternateImageAttributes").Text("A").Byte(255).Byte(9);
       })},
      {"a group count beyond the stream", afterHeader([&](auto& b) { details(b); b.Int(0).Int(0).Int(2); })},
      {"a missing group list", afterHeader([&](auto& b) { details(b); b.Int(0).Int(0); })},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    std::unique_ptr<TdxSkin> skin = FullSkin(L"Kept");
    const std::vector<uint8_t> before = SavedBytes(skin.get());
    int changes = 0;
    skin->OnChange = [&](TObject*, TdxSkinChanges) { ++changes; };
    EXPECT_ANY_THROW(Load(skin.get(), c.Bytes));
    EXPECT_EQ(before, SavedBytes(skin.get()));
    EXPECT_EQ(0, changes);
  }
}

namespace {

// An 8 x 8 picture of the format whose header then claims AWidth x AHeight.
std::vector<uint8_t> PictureClaiming(TdxImageDataFormat AFormat, uint32_t AWidth, uint32_t AHeight) {
  TdxGPImage pixels(8, 8, 0xFF808080);
  TMemoryStream encoded;
  pixels.SaveToStreamByCodec(&encoded, AFormat);
  std::vector<uint8_t> bytes = Bytes(encoded);
  auto putBigEndian = [&](size_t AAt, uint32_t AValue, int ACount) {
    for (int i = ACount; i-- > 0; AValue >>= 8) bytes.at(AAt + i) = static_cast<uint8_t>(AValue);
  };
  if (AFormat == dxImagePng) {
    putBigEndian(16, AWidth, 4);
    putBigEndian(20, AHeight, 4);
  } else {
    size_t frame = 2;
    while (bytes.at(frame + 1) < 0xC0 || bytes.at(frame + 1) > 0xC2) frame += 2 + (bytes.at(frame + 2) << 8 | bytes.at(frame + 3));
    putBigEndian(frame + 5, AHeight, 2);
    putBigEndian(frame + 7, AWidth, 2);
  }
  return bytes;
}

// A whole skin stream of no colours, properties or groups whose small icon
// is APicture.
std::vector<uint8_t> SkinWithIcon(const std::vector<uint8_t>& APicture) {
  TStreamBuilder b;
  TdxGPImage none;
  b.Header(1.1).Text("X").Text("").Text("").Int(0).Picture(APicture).Image(&none).Int(0).Int(0).Int(0);
  return b.Result();
}

}  // namespace

// A few hundred bytes whose header claims a huge picture are refused before
// anything is decoded, and the skin keeps what it had.
TEST(SkinStream, APictureClaimingTooManyPixelsIsRefusedBeforeItIsDecoded) {
  TdxSkin plain(L"Plain");
  Load(&plain, SkinWithIcon(PictureClaiming(dxImageJpeg, 8, 8)));
  EXPECT_EQ(8, plain.Details()->GetIcon(sis16)->Width());

  const struct {
    const char* Name;
    std::vector<uint8_t> Picture;
  } cases[] = {
      {"JPEG of 16000 x 16000", PictureClaiming(dxImageJpeg, 16000, 16000)},
      {"JPEG of 8000 x 8000", PictureClaiming(dxImageJpeg, 8000, 8000)},
      {"PNG of 8192 x 8192", PictureClaiming(dxImagePng, 8192, 8192)},
      {"PNG of 20000 x 1", PictureClaiming(dxImagePng, 20000, 1)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    std::unique_ptr<TdxSkin> skin = FullSkin(L"Kept");
    const std::vector<uint8_t> before = SavedBytes(skin.get());
    const int64_t memory = ProcessResidentBytes();
    try {
      Load(skin.get(), SkinWithIcon(c.Picture));
      ADD_FAILURE() << "loaded";
    } catch (const EdxException& e) {
      EXPECT_NE(String::npos, e.Message().find(L"The picture is too large")) << ToUtf8(e.Message());
    }
    EXPECT_LT(ProcessPeakResidentBytes() - memory, 64 << 20);
    EXPECT_EQ(before, SavedBytes(skin.get()));
  }
}

TEST(SkinStream, AWrongHeaderSaysSo) {
  TdxSkin skin(L"A");
  try {
    Load(&skin, TStreamBuilder().Header(0.9).Result());
    FAIL() << "no error";
  } catch (const EdxSkinError& e) {
    EXPECT_EQ(L"Invalid stream format", e.Message());
  }
}

TEST(SkinStream, EveryCutOfAValidStreamRaises) {
  TdxSkin small(L"Small");
  small.AddColor(L"C", clRed);
  small.AddPropertyInteger(L"I", 1);
  small.AddGroup(L"G")->AddElement(L"E")->Image()->Texture()->Assign(SolidImage(4, 4, 0xFF000000).get());
  const std::vector<uint8_t> valid = SavedBytes(&small);
  for (size_t length = 0; length < valid.size(); ++length) {
    TdxSkin skin(L"Cut");
    EXPECT_ANY_THROW(Load(&skin, std::vector<uint8_t>(valid.begin(), valid.begin() + length))) << length;
    EXPECT_EQ(0, skin.GroupCount());
  }
}

TEST(SkinStream, HeaderReservedBytesAreNotChecked) {
  std::vector<uint8_t> bytes = SavedBytes(FullSkin().get());
  bytes[0] = 0xAB;
  bytes[3] = 0xCD;
  TdxSkin skin(L"A");
  Load(&skin, bytes);
  EXPECT_EQ(L"Full", skin.Name());
}

TEST(SkinStream, TextTheCodePageCannotHoldIsRefusedAndNothingIsWritten) {
  TdxSkin skin(L"\u4E2D");
  TMemoryStream stream;
  EXPECT_THROW(skin.SaveToStream(&stream), EdxSkinError);
  EXPECT_EQ(0, stream.Size());
}

TEST(SkinStream, AnImageIsReadThroughAWindowOnItsOwnBytes) {
  std::unique_ptr<TdxSmartImage> image = SolidImage(5, 7, 0xFF102030);
  TMemoryStream stream;
  dxSkinWriteImage(&stream, image.get());
  const int32_t trailer = 0x12345678;
  stream.WriteBuffer(&trailer, 4);
  stream.SetPosition(0);
  TdxSmartImage read;
  dxSkinReadImage(&stream, &read);
  EXPECT_EQ(7, read.Height());
  EXPECT_EQ(trailer, dxSkinReadInt32(&stream));

  TdxSkinPartStream window(&stream, 4, 10);
  uint8_t buffer[64];
  EXPECT_EQ(10, window.Read(buffer, sizeof(buffer)));
  EXPECT_EQ(10, window.Seek(100, soBeginning)) << "positions are clamped into the window";
  EXPECT_EQ(0, window.Seek(-100, soEnd));
  EXPECT_EQ(10, window.Size());
}

// ---------------------------------------------------------------- container

TEST(SkinContainer, ListsEverySkinBeforeLoadingAndFindsByNameIgnoringCase) {
  TMemoryStream stream;
  {
    TdxSkinBinaryWriter writer(&stream);
    for (const wchar_t* name : {L"One", L"Two", L"Three"}) writer.AddSkin(FullSkin(name).get());
  }
  stream.SetPosition(0);
  TdxSkinBinaryReader reader(&stream);
  ASSERT_EQ(3, reader.Count());
  EXPECT_EQ(L"Two", reader.GetSkinName(1));
  EXPECT_EQ(L"Three Display", reader.GetSkinDisplayName(2));
  EXPECT_EQ(22 + 4, reader.GetSkinOffset(0));

  TdxSkin skin(L"X");
  EXPECT_TRUE(reader.LoadSkin(&skin, String(L"tHrEe")));
  EXPECT_EQ(L"Three", skin.Name());
  EXPECT_TRUE(reader.LoadSkin(&skin, String()));
  EXPECT_EQ(L"One", skin.Name());
  EXPECT_FALSE(reader.LoadSkin(&skin, String(L"Four")));
  EXPECT_FALSE(reader.LoadSkin(&skin, 3));
}

TEST(SkinContainer, APlainSkinIsOneEntryAndGarbageNone) {
  TMemoryStream plain;
  FullSkin(L"Plain")->SaveToStream(&plain);
  plain.SetPosition(0);
  TdxSkinBinaryReader reader(&plain);
  ASSERT_EQ(1, reader.Count());
  EXPECT_EQ(L"Plain", reader.GetSkinName(0));

  TMemoryStream garbage;
  garbage.WriteBuffer("this is no skin at all", 22);
  garbage.SetPosition(0);
  TdxSkinBinaryReader none(&garbage);
  EXPECT_EQ(0, none.Count());
  TdxSkin skin(L"Kept");
  EXPECT_FALSE(none.LoadSkin(&skin, 0));
  garbage.SetPosition(0);
  EXPECT_THROW(skin.LoadFromBinaryStream(&garbage), EdxSkinError);
  EXPECT_EQ(L"Kept", skin.Name());
}

TEST(SkinContainer, ASkinRoundTripsThroughAFileOfEitherKind) {
  CreateDirectoryW(L"artifacts", nullptr);
  FullSkin(L"Contained")->SaveToBinaryFile(L"artifacts\\container.skins");
  FullSkin(L"Plain")->SaveToFile(L"artifacts\\plain.skin");
  TdxSkin skin(L"X");
  skin.LoadFromBinaryFile(L"artifacts\\container.skins");
  EXPECT_EQ(L"Contained", skin.Name());
  EXPECT_EQ(2, skin.GroupCount());
  skin.LoadFromFile(L"artifacts\\plain.skin");
  EXPECT_EQ(L"Plain", skin.Name());
  EXPECT_THROW(skin.LoadFromFile(L"artifacts\\no such.skin"), EFOpenError);
  EXPECT_EQ(L"Plain", skin.Name());
}

// ---------------------------------------------------------------- model

TEST(SkinModel, LookupsAreCaseSensitive) {
  TdxSkin skin(L"A");
  TdxSkinControlGroup* group = skin.AddGroup(L"Grid");
  group->AddElement(L"button");
  group->AddElement(L"Header");
  EXPECT_EQ(nullptr, group->GetElementByName(L"Button"));
  EXPECT_NE(nullptr, group->GetElementByName(L"button"));
  EXPECT_NE(nullptr, skin.GetGroupByName(L"Grid"));
  EXPECT_EQ(nullptr, skin.GetGroupByName(L"grid"));
}

TEST(SkinModel, ChangesReachTheSkinWithTheirKinds) {
  TdxSkin skin(L"A");
  std::vector<TdxSkinChanges> reports;
  skin.OnChange = [&](TObject*, TdxSkinChanges AChanges) { reports.push_back(AChanges); };
  auto* size = static_cast<TdxSkinSizeProperty*>(
      skin.AddGroup(L"G")->AddElement(L"E")->AddProperty(L"S", TdxSkinSizeProperty::StaticClass()));
  reports.clear();
  size->Setcx(10);
  ASSERT_EQ(1u, reports.size());
  EXPECT_EQ(TdxSkinChanges({scContent}), reports[0]);
  EXPECT_EQ(10, size->Value().cx);
  size->Setcx(10);
  EXPECT_EQ(1u, reports.size()) << "an equal value reports nothing";
  size->SetName(L"T");
  EXPECT_EQ(TdxSkinChanges({scStruct}), reports.back());
  skin.Details()->SetNotes(L"x");
  EXPECT_EQ(TdxSkinChanges({scDetails}), reports.back());

  reports.clear();
  skin.BeginUpdate();
  skin.AddColor(L"C", clRed);
  skin.SetName(L"B");
  skin.EndUpdate();
  ASSERT_EQ(1u, reports.size());
  EXPECT_EQ(TdxSkinChanges({scStruct, scContent, scDetails}), reports[0]);
  EXPECT_TRUE(skin.Modified());
  skin.ClearModified();
  EXPECT_FALSE(skin.Modified());
}

TEST(SkinModel, PropertyDescriptionsAndRegisteredClasses) {
  EXPECT_EQ(L"Integer", TdxSkinProperty::Description(TdxSkinIntegerProperty::StaticClass()));
  EXPECT_EQ(L"Color", TdxSkinProperty::Description(TdxSkinColor::StaticClass()));
  EXPECT_EQ(L"AlternateImageAttributes", TdxSkinProperty::Description(TdxSkinAlternateImageAttributes::StaticClass()));
  EXPECT_TRUE(TdxSkinProperty::IsRegistered(TdxSkinWideStringProperty::StaticClass()));
  EXPECT_FALSE(TdxSkinProperty::IsRegistered(TdxSkinBorder::StaticClass()));
}

TEST(SkinModel, DeletingAPropertyOrAGroupFreesIt) {
  TdxSkin skin(L"A");
  TdxSkinColor* color = skin.AddColor(L"C", clRed);
  skin.AddGroup(L"G");
  skin.DeleteProperty(color);
  EXPECT_EQ(0, skin.ColorCount());
  skin.DeleteGroup(skin.GetGroupByName(L"G"));
  EXPECT_EQ(0, skin.GroupCount());
}

TEST(SkinModel, CloneHasTheSameContent) {
  std::unique_ptr<TdxSkin> source = FullSkin();
  std::unique_ptr<TdxSkin> clone = source->Clone(L"Copy");
  EXPECT_EQ(L"Copy", clone->Name());
  clone->SetName(L"Full");
  EXPECT_EQ(SavedBytes(source.get()), SavedBytes(clone.get()));
}

// A listener counted by its reference count, as an interface holder is.
class TTestListener : public IdxSkinChangeListenerEx {
public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID AIID, void** AObject) override {
    if (AIID == IID_IUnknown || (AIID == IID_IdxSkinChangeListenerEx && FExtended)) {
      *AObject = static_cast<IdxSkinChangeListenerEx*>(this);
      AddRef();
      return S_OK;
    }
    if (AIID == IID_IdxSkinChangeListener && !FExtended) {
      *AObject = &FPlain;
      AddRef();
      return S_OK;
    }
    *AObject = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++References; }
  ULONG STDMETHODCALLTYPE Release() override { return --References; }
  void SkinChanged(TdxSkin* Sender, TdxSkinChanges AChanges) override {
    ++Calls;
    Changes = AChanges;
    if (ChangeWhileTold) Sender->AddColor(L"ByListener", clRed);
  }

  explicit TTestListener(bool AExtended) : FExtended(AExtended), FPlain(this) {}
  int References = 0;
  int Calls = 0;
  TdxSkinChanges Changes;
  bool ChangeWhileTold = false;

private:
  struct TPlain : IdxSkinChangeListener {
    explicit TPlain(TTestListener* AOwner) : Owner(AOwner) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID AIID, void** AObject) override {
      return Owner->QueryInterface(AIID, AObject);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return Owner->AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return Owner->Release(); }
    void SkinChanged(TdxSkin*) override { ++Owner->Calls; }
    TTestListener* Owner;
  };
  bool FExtended;
  TPlain FPlain;
};

TEST(SkinModel, ListenersAreToldOnceEachAndKeptCounted) {
  TTestListener extended(true);
  TTestListener plain(false);
  {
    TdxSkin skin(L"A");
    skin.AddListener(&extended);
    skin.AddListener(&extended);
    skin.AddListener(&plain);
    EXPECT_EQ(2, skin.ListenerCount());
    EXPECT_EQ(1, extended.References);

    extended.ChangeWhileTold = true;
    skin.AddGroup(L"G");
    EXPECT_EQ(1, extended.Calls) << "a change a listener makes while told is kept, not reported at once";
    EXPECT_EQ(TdxSkinChanges({scStruct}), extended.Changes);
    EXPECT_EQ(1, plain.Calls);
    extended.ChangeWhileTold = false;

    skin.RemoveListener(&plain);
    skin.Details()->SetNotes(L"n");
    EXPECT_EQ(2, extended.Calls);
    EXPECT_EQ(TdxSkinChanges({scStruct, scContent, scDetails}), extended.Changes);
    EXPECT_EQ(1, plain.Calls);
  }
  EXPECT_EQ(0, extended.References);
  EXPECT_EQ(0, plain.References);
}

}  // namespace
