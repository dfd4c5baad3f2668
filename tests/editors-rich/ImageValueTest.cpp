// Picture values of the image editor with real PNG, JPEG, BMP and GIF files
// made by the platform's encoders, and a damaged file of each: the old
// picture stays and the reason is given.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>

#include "components/core/dxGdiPlusClasses.h"
#include "components/editors-rich/cxImage.h"
#include "vcl/controls/Clipbrd.h"
#include "vcl/graphics/Bitmap.h"
#include "vcl/graphics/Canvas.h"
#include "vcl/rtl/Streams.h"

namespace {

// 6 x 4: the left half red, the right half blue.
std::unique_ptr<TBitmap> KnownBitmap() {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(pf24bit);
  bitmap->SetSize(6, 4);
  bitmap->Canvas()->Brush()->SetColor(clRed);
  bitmap->Canvas()->FillRect(TRect(0, 0, 3, 4));
  bitmap->Canvas()->Brush()->SetColor(clBlue);
  bitmap->Canvas()->FillRect(TRect(3, 0, 6, 4));
  return bitmap;
}

std::string ReadBytes(const String& AFileName) {
  TFileStream file(AFileName, fmOpenRead);
  std::string bytes(static_cast<size_t>(file.Size()), '\0');
  file.ReadBuffer(bytes.data(), file.Size());
  return bytes;
}

void WriteBytes(const String& AFileName, const std::string& ABytes) {
  TFileStream file(AFileName, fmCreate);
  file.WriteBuffer(ABytes.data(), static_cast<int64_t>(ABytes.size()));
}

// The known picture as a GIF written byte by byte (the platform's GIF
// encoder under Wine writes files its own decoder refuses): two palette
// colours, LZW codes of 3 bits kept so by a clear code before every pair.
std::string KnownGif() {
  std::string gif("GIF87a\x06\x00\x04\x00\x80\x00\x00", 13);
  gif += std::string("\xFF\x00\x00\x00\x00\xFF", 6);  // red, blue
  gif += std::string(",\x00\x00\x00\x00\x06\x00\x04\x00\x00\x02", 11);
  std::vector<int> codes;
  for (int i = 0; i < 24; ++i) {
    if (i % 2 == 0) codes.push_back(4);  // clear
    codes.push_back(i % 6 < 3 ? 0 : 1);
  }
  codes.push_back(5);  // end
  std::string data;
  uint32_t bits = 0;
  int count = 0;
  for (int code : codes) {
    bits |= code << count;
    count += 3;
    while (count >= 8) data += static_cast<char>(bits & 0xFF), bits >>= 8, count -= 8;
  }
  if (count) data += static_cast<char>(bits & 0xFF);
  gif += static_cast<char>(data.size());
  gif += data;
  gif += std::string("\x00;", 2);
  return gif;
}

Variant BlobOf(const std::string& ABytes) { return VarAsType(Variant(FromAnsi(ABytes)), varString); }

bool IsReddish(TColor C) { return (C & 0xFF) > 0xC0 && ((C >> 16) & 0xFF) < 0x40; }
bool IsBluish(TColor C) { return ((C >> 16) & 0xFF) > 0xC0 && (C & 0xFF) < 0x40; }

void ExpectKnownPicture(TPicture& APicture) {
  ASSERT_EQ(6, APicture.Width());
  ASSERT_EQ(4, APicture.Height());
  TBitmap copy;
  copy.SetPixelFormat(pf32bit);
  copy.SetSize(6, 4);
  copy.Canvas()->Draw(0, 0, APicture.Graphic());
  EXPECT_TRUE(IsReddish(copy.Canvas()->Pixels(0, 0))) << std::hex << copy.Canvas()->Pixels(0, 0);
  EXPECT_TRUE(IsBluish(copy.Canvas()->Pixels(5, 3))) << std::hex << copy.Canvas()->Pixels(5, 3);
}

struct TFormatCase {
  const wchar_t* Extension;
  TdxImageDataFormat Format;
  const wchar_t* BlobClass;  // the class a blob of it is read as
};
const TFormatCase Formats[] = {
    {L"png", dxImagePng, L"TdxPNGImage"},
    {L"jpg", dxImageJpeg, L"TdxSmartImage"},
    {L"bmp", dxImageBitmap, L"TBitmap"},
    {L"gif", dxImageGif, L"TdxSmartImage"},
};

struct ImageValueTest : ::testing::TestWithParam<TFormatCase> {
  ImageValueTest() {
    const TFormatCase& c = GetParam();
    FileName = String(L"known.") + c.Extension;
    DamagedName = String(L"damaged.") + c.Extension;
    auto bitmap = KnownBitmap();
    if (c.Format == dxImageBitmap) {
      bitmap->SaveToFile(FileName);
    } else if (c.Format == dxImageGif) {
      WriteBytes(FileName, KnownGif());
    } else {
      TdxGPImage image(bitmap.get());
      TFileStream file(FileName, fmCreate);
      image.SaveToStreamByCodec(&file, c.Format);
    }
    // The header stays, the picture data is cut short and overwritten.
    std::string bytes = ReadBytes(FileName);
    bytes.resize(std::min<size_t>(bytes.size(), 40));
    for (size_t i = 20; i < bytes.size(); ++i) bytes[i] = static_cast<char>(0xA5);
    WriteBytes(DamagedName, bytes);
    Old.Assign(KnownBitmap().get());
    Old.Bitmap()->SetSize(2, 2);
  }
  ~ImageValueTest() override {
    std::filesystem::remove(FileName);
    std::filesystem::remove(DamagedName);
  }
  String FileName, DamagedName;
  TPicture Old;
};

TEST_P(ImageValueTest, FileLoadsAndSavesAsABlobAndBack) {
  TPicture picture;
  picture.LoadFromFile(FileName);
  ExpectKnownPicture(picture);
  const Variant blob = cxSavePictureToBlob(&picture);
  EXPECT_FALSE(dxVariantToAnsiBytes(blob).empty());
  TPicture loaded;
  cxLoadPictureFromBlob(&loaded, cxFindGraphicClass(GetParam().BlobClass), blob);
  ExpectKnownPicture(loaded);
  EXPECT_TRUE(loaded.Graphic()->Equals(picture.Graphic()) || GetParam().Format == dxImageJpeg);
}

TEST_P(ImageValueTest, StreamWithTheStoresHeaderLoadsToo) {
  const std::string bytes = ReadBytes(FileName);
  std::string withHeader("\x01\x00\x00\x01", 4);
  const uint32_t length = static_cast<uint32_t>(bytes.size());
  withHeader.append(reinterpret_cast<const char*>(&length), 4);
  withHeader += bytes;
  TPicture picture;
  cxLoadPictureFromBlob(&picture, cxFindGraphicClass(GetParam().BlobClass), BlobOf(withHeader));
  ExpectKnownPicture(picture);
}

TEST_P(ImageValueTest, DamagedDataKeepsTheOldPictureAndSaysWhy) {
  EXPECT_THROW(Old.LoadFromFile(DamagedName), Exception);
  EXPECT_EQ(2, Old.Width());
  try {
    cxLoadPictureFromBlob(&Old, cxFindGraphicClass(GetParam().BlobClass), BlobOf(ReadBytes(DamagedName)));
    ADD_FAILURE() << "damaged data was accepted";
  } catch (const EInvalidGraphic& E) {
    EXPECT_EQ(1, Pos(L"The picture was not changed: the data cannot be read as ", E.Message())) << E.Message();
  }
  EXPECT_EQ(2, Old.Width());
  EXPECT_EQ(2, Old.Height());
}

INSTANTIATE_TEST_SUITE_P(Formats, ImageValueTest, ::testing::ValuesIn(Formats),
                         [](const auto& info) { return std::string(ToAnsi(info.param.Extension)); });

TEST(ImageBlob, EmptyAndNonBlobValuesClearAndAHeaderWithNothingIsRefused) {
  TPicture picture;
  for (const Variant& clearing : {Null(), Variant(), BlobOf(std::string())}) {
    picture.Assign(KnownBitmap().get());
    cxLoadPictureFromBlob(&picture, nullptr, clearing);
    EXPECT_EQ(nullptr, picture.Graphic());
  }
  // Eight bytes of header with nothing after it: not an empty value.
  picture.Assign(KnownBitmap().get());
  EXPECT_THROW(cxLoadPictureFromBlob(&picture, nullptr, BlobOf(std::string("\x01\x00\x00\x01\x00\x00\x00\x00", 8))),
               EInvalidGraphic);
  EXPECT_EQ(6, picture.Width());
  EXPECT_EQ(L"", cxSavePictureToBlob(nullptr).AsString());
}

TEST(ImageBlob, GraphicClassesAreFoundByNameIgnoringCase) {
  const std::vector<TGraphicClass>& classes = cxGraphicClassList();
  ASSERT_GE(classes.size(), 5u);
  EXPECT_EQ(TBitmap::StaticClass(), classes[0]);
  EXPECT_EQ(String(L"TdxPNGImage"), classes[3]->Name);
  EXPECT_EQ(TdxSmartImage::StaticClass(), cxFindGraphicClass(L"tdxsmartimage"));
  EXPECT_EQ(nullptr, cxFindGraphicClass(L"TNoSuchImage"));
}

TEST(ImageClipboard, PicturesGoRoundTheClipboard) {
  TPicture source;
  source.Assign(KnownBitmap().get());
  for (TGraphicClass pasteAs : {static_cast<TGraphicClass>(nullptr), TdxSmartImage::StaticClass()}) {
    cxCopyPictureToClipboard(&source);
    TPicture pasted;
    cxPastePictureFromClipboard(&pasted, pasteAs);
    ExpectKnownPicture(pasted);
  }
  // An empty clipboard is refused and the picture kept.
  Clipboard()->Clear();
  EXPECT_THROW(cxPastePictureFromClipboard(&source, nullptr), EInvalidGraphic);
  EXPECT_THROW(cxPastePictureFromClipboard(&source, TdxSmartImage::StaticClass()), EInvalidGraphic);
  EXPECT_EQ(6, source.Width());
}

TEST(ImageZooming, LimitsAndStepsAroundOneHundredPercent) {
  TcxImageZoomingOptions options;
  int changes = 0;
  options.OnChanged = [&](TObject*) { ++changes; };
  options.SetZoomPercent(150);
  options.SetMaxZoom(120);
  EXPECT_EQ(120, options.ZoomPercent());
  options.SetMinZoom(150);
  EXPECT_EQ(100, options.MinZoom());
  EXPECT_EQ(120, options.ZoomPercent());
  options.SetMaxZoom(50);
  EXPECT_EQ(100, options.MaxZoom());
  EXPECT_EQ(100, options.ZoomPercent());
  EXPECT_EQ(4, changes);

  TcxImageZoomingOptions steps;  // 0..500: steps of 10 below, 40 above
  EXPECT_EQ(10, steps.LowerLineSize());
  EXPECT_EQ(40, steps.UpperLineSize());
  steps.SetZoomPercent(95);
  steps.ZoomIn();
  EXPECT_EQ(100, steps.ZoomPercent());
  steps.ZoomIn();
  EXPECT_EQ(140, steps.ZoomPercent());
  steps.SetZoomPercent(110);
  steps.ZoomOut();
  EXPECT_EQ(100, steps.ZoomPercent());
  steps.ZoomOut();
  EXPECT_EQ(90, steps.ZoomPercent());
  steps.SetZoomPercent(-5);
  EXPECT_EQ(0, steps.ZoomPercent());
}

}  // namespace
