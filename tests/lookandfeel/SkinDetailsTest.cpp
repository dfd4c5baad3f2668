// Skin details: change notification, the details block of the skin stream
// with both icons, and the default icons.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "components/lookandfeel/dxSkinsCore.h"
#include "tests/lookandfeel/SkinFixtures.h"
#include "vcl/rtl/Streams.h"

namespace {

TEST(SkinDetails, TellsOfEachChangeOnceAndOfABracketAtItsEnd) {
  TdxSkinDetails details;
  int changes = 0;
  details.OnChange = [&](TObject*) { ++changes; };
  details.SetName(L"Blue");
  details.SetName(L"Blue");
  details.SetNotes(L"n");
  EXPECT_EQ(2, changes);

  details.BeginUpdate();
  details.SetDisplayName(L"Blue Sky");
  details.SetGroupName(L"Mine");
  EXPECT_EQ(2, changes);
  details.EndUpdate();
  EXPECT_EQ(3, changes);

  details.GetIcon(sis16)->Assign(SolidImage(16, 16, 0xFF0000FF, dxImagePng).get());
  EXPECT_EQ(4, changes) << "a new icon is a change of the details";
}

TEST(SkinDetails, BlockRoundTripsNamesNotesAndIcons) {
  TdxSkinDetails source;
  source.SetName(L"Cor\u00E7\u00E3o");
  source.SetDisplayName(L"Display");
  source.SetGroupName(L"Group");
  source.SetNotes(L"Notes \u4E2D\u6587 wide");
  source.GetIcon(sis16)->Assign(SolidImage(16, 16, 0xFF00FF00, dxImageJpeg).get());
  source.GetIcon(sis48)->Assign(SolidImage(48, 48, 0xFFFF0000, dxImagePng).get());

  TMemoryStream stream;
  source.DataWrite(&stream);
  stream.SetPosition(0);
  TdxSkinDetails target;
  target.DataRead(&stream, dxSkinStreamVersion);
  EXPECT_EQ(stream.Size(), stream.Position());

  EXPECT_EQ(source.Name(), target.Name());
  EXPECT_EQ(L"Display", target.DisplayName());
  EXPECT_EQ(L"Group", target.GroupName());
  EXPECT_EQ(source.Notes(), target.Notes());
  EXPECT_EQ(dxImagePng, target.GetIcon(sis16)->ImageDataFormat()) << "a JPEG icon is stored as PNG";
  EXPECT_EQ(16, target.GetIcon(sis16)->Width());
  EXPECT_TRUE(target.GetIcon(sis48)->Compare(source.GetIcon(sis48)));
}

TEST(SkinDetails, OldBlockHoldsOnlyTheName) {
  TMemoryStream stream;
  dxSkinWriteAnsiText(&stream, L"Old");
  dxSkinWriteAnsiText(&stream, L"next field");
  stream.SetPosition(0);
  TdxSkinDetails details;
  details.DataRead(&stream, 1.03);
  EXPECT_EQ(L"Old", details.Name());
  EXPECT_EQ(L"", details.DisplayName());
  EXPECT_EQ(L"next field", dxSkinReadAnsiText(&stream));
}

TEST(SkinDetails, GifIconIsStoredByteForByte) {
  // A one-pixel GIF; the system cannot encode GIF from our 32-bit pixels.
  static const uint8_t gifBytes[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80,
                                     0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x21, 0xF9, 0x04,
                                     0x01, 0x00, 0x00, 0x00, 0x00, 0x2C, 0x00, 0x00, 0x00, 0x00, 0x01,
                                     0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3B};
  TMemoryStream source;
  source.WriteBuffer(gifBytes, sizeof(gifBytes));
  source.SetPosition(0);
  auto gif = std::make_unique<TdxSmartImage>();
  gif->LoadFromStream(&source);
  ASSERT_EQ(dxImageGif, gif->ImageDataFormat());
  TMemoryStream stream;
  dxSkinWriteImage(&stream, gif.get());
  ASSERT_EQ(static_cast<int64_t>(sizeof(gifBytes)) + 4, stream.Size());
  EXPECT_EQ(0, std::memcmp(gifBytes, static_cast<const uint8_t*>(stream.Memory()) + 4, sizeof(gifBytes)));
}

TEST(SkinDetails, DefaultIconsComeFromTheProgram) {
  TdxSkinDetails details;
  details.ResetIcon(sis16);
  details.ResetIcon(sis48);
  EXPECT_EQ(16, details.GetIcon(sis16)->Width());
  EXPECT_EQ(48, details.GetIcon(sis48)->Width());
}

TEST(SkinDetails, AssignCopiesEverythingInOneChange) {
  TdxSkinDetails source;
  source.SetName(L"A");
  source.SetDisplayName(L"B");
  source.SetGroupName(L"C");
  source.SetNotes(L"D");
  source.ResetIcon(sis48);
  TdxSkinDetails target;
  int changes = 0;
  target.OnChange = [&](TObject*) { ++changes; };
  target.Assign(&source);
  EXPECT_EQ(1, changes);
  EXPECT_EQ(L"A", target.Name());
  EXPECT_EQ(L"D", target.Notes());
  EXPECT_TRUE(target.GetIcon(sis48)->Compare(source.GetIcon(sis48)));
  EXPECT_TRUE(target.GetIcon(sis16)->Empty());
}

}  // namespace
