#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "tests/gdiplus/GdiPlusTestUtils.h"
#include "vcl/controls/Clipbrd.h"
#include "vcl/graphics/Canvas.h"
#include "vcl/rtl/ClassRegistry.h"

namespace {

bool SamePixels(const TRGBColors& A, const TRGBColors& B) {
  return A.size() == B.size() && std::memcmp(A.data(), B.data(), A.size() * sizeof(TRGBQuad)) == 0;
}

uint32_t ValueOf(const TRGBQuad& AQuad) {
  uint32_t value;
  std::memcpy(&value, &AQuad, 4);
  return value;
}

const struct TFormatCase {
  TdxImageDataFormat Format;
  TdxImageDataFormat Loaded;  // BMP data passes through a TBitmap
  bool Lossless;
  const wchar_t* Extension;
} FormatCases[] = {
    {dxImagePng, dxImagePng, true, L"png"},     {dxImageJpeg, dxImageJpeg, false, L"jpg"},
    {dxImageBitmap, dxImageMemoryBmp, true, L"bmp"}, {dxImageTiff, dxImageTiff, true, L"tif"},
    {dxImageGif, dxImageGif, true, L"gif"},
};

// The test pixels in a format; GIF, which Wine's GDI+ cannot encode from 32
// bits, is written by hand (three 1 x 1 frames).
std::unique_ptr<TMemoryStream> ImageOf(const TFormatCase& ACase) {
  return ACase.Format == dxImageGif ? StreamOf(AnimatedGif(3, 0)) : EncodedImage(ACase.Format);
}

}  // namespace

TEST(GdiPlusImage, EveryFormatRoundTripsThroughItsEncoder) {
  const TRGBColors original = TestPixels(8, 6);
  for (const TFormatCase& c : FormatCases) {
    SCOPED_TRACE(static_cast<int>(c.Format));
    const auto encoded = ImageOf(c);
    ASSERT_GT(encoded->Size(), 0);
    TdxGPImage image(encoded.get());
    EXPECT_EQ(image.ImageDataFormat(), c.Loaded);
    const TSize size = image.Size();
    const TRGBColors pixels = image.GetBitmapBits();
    if (c.Format == dxImageGif) {
      EXPECT_EQ(size, TSize(1, 1));
      EXPECT_EQ(pixels[0].rgbRed, 255);
    } else if (c.Lossless) {
      EXPECT_EQ(size, TSize(8, 6));
      EXPECT_TRUE(SamePixels(pixels, original));
    } else {
      ASSERT_EQ(size, TSize(8, 6));
      EXPECT_GT(pixels[7].rgbBlue, 200) << "blue stays blue";
      EXPECT_GT(pixels[2].rgbRed, 200) << "red stays red";
    }
    // Saved again in its own format and loaded back.
    TMemoryStream again;
    image.SaveToStream(&again);
    again.SetPosition(0);
    TdxGPImage reloaded(&again);
    EXPECT_EQ(reloaded.Size(), size);
    if (c.Lossless) {
      EXPECT_TRUE(image.Compare(&reloaded));
    }
  }
}

TEST(GdiPlusImage, DamagedOrUnknownStreamsRaiseAndKeepTheImage) {
  const auto original = EncodedImage(dxImagePng, 5, 4);
  for (const TFormatCase& c : FormatCases) {
    SCOPED_TRACE(static_cast<int>(c.Format));
    TdxGPImage image(original.get());
    original->SetPosition(0);
    const uint32_t hash = image.GetHashCode();
    const std::string bytes = BytesOf(*ImageOf(c));
    int changes = 0;
    image.OnChange = [&](TObject*) { ++changes; };
    for (const std::string& damaged : {bytes.substr(0, 20), bytes.substr(0, bytes.size() / 3)}) {
      EXPECT_THROW(image.LoadFromStream(StreamOf(damaged).get()), EdxException);
      EXPECT_EQ(image.Size(), TSize(5, 4));
      EXPECT_EQ(image.GetHashCode(), hash);
    }
    EXPECT_EQ(changes, 0);
  }
  TdxGPImage image;
  EXPECT_THROW(image.LoadFromStream(StreamOf("not an image at all").get()), EdxException);
  EXPECT_TRUE(image.Empty());
  image.LoadFromStream(StreamOf("").get());
  EXPECT_TRUE(image.Empty()) << "no bytes: an empty image";
  EXPECT_THROW(TdxGPImage(0, 5), EdxException) << "no zero-sized image";
  EXPECT_THROW(dxGetImageEncoder(dxImageExif), EdxException);
}

TEST(GdiPlusImage, CallersPixelsAreCopiedNotRewritten) {
  TRGBColors pixels(4, TRGBQuad{10, 20, 30, 0});
  pixels[0] = TRGBQuad{1, 2, 3, 0};
  const TRGBColors given = pixels;
  TdxGPImage first(2, 2, pixels, false);
  TdxGPImage second(2, 2, pixels, false);
  EXPECT_TRUE(SamePixels(pixels, given)) << "the caller's array is left as it was";
  EXPECT_EQ(first.GetBitmapBits()[3].rgbReserved, 255);
  first.ChangeColor(clRed);
  EXPECT_EQ(second.GetBitmapBits()[3].rgbRed, 30) << "images do not share pixels";

  TdxGPImage copy;
  copy.Assign(&second);
  second.Clear();
  EXPECT_EQ(copy.GetBitmapBits()[3].rgbRed, 30);
}

TEST(GdiPlusImage, BitmapsBringTheirTransparency) {
  // A 24-bit bitmap with tmAuto: the bottom-left colour becomes transparent.
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf24bit);
  bitmap.SetSize(3, 2);
  bitmap.Canvas()->Brush()->SetColor(clLime);
  bitmap.Canvas()->FillRect(TRect(0, 0, 3, 2));
  bitmap.Canvas()->SetPixels(2, 0, clRed);
  bitmap.SetTransparent(true);
  TdxGPImage image(&bitmap);
  const TRGBColors bits = image.GetBitmapBits();
  EXPECT_EQ(bits[0].rgbReserved, 0);
  EXPECT_EQ(bits[2].rgbReserved, 255);
  EXPECT_EQ(bits[2].rgbRed, 255);
  EXPECT_TRUE(image.IsAlphaUsed());
  EXPECT_TRUE(image.Transparent());

  // 32 bits, alpha all 0 but colours: taken without alpha.
  auto opaque = FilledBitmap(2, 2, clBlue);
  TdxGPImage fromOpaque(opaque.get());
  EXPECT_EQ(fromOpaque.GetBitmapBits()[0].rgbReserved, 255);
  EXPECT_FALSE(fromOpaque.IsAlphaUsed());
  // All zero: taken with its alpha, fully transparent.
  auto empty = FilledBitmap(2, 2, clBlack);
  TdxGPImage fromEmpty(empty.get());
  EXPECT_EQ(ValueOf(fromEmpty.GetBitmapBits()[0]), 0u);

  const auto back = image.GetAsBitmap();
  EXPECT_EQ(back->Width(), 3);
  EXPECT_EQ(PixelAlpha(*back, 2, 0), 255);
  EXPECT_EQ(PixelAlpha(*back, 0, 1), 0);
}

TEST(GdiPlusImage, CompareHashColourAndScale) {
  TdxGPImage empty1, empty2;
  EXPECT_TRUE(empty1.Compare(&empty2));
  EXPECT_EQ(empty1.GetHashCode(), 0u);
  TdxGPImage a(10, 10, 0xFF102030), b(10, 11, 0xFF102030), c(10, 10, 0xFF102030);
  EXPECT_FALSE(a.Compare(&b));
  EXPECT_TRUE(a.Compare(&c));
  EXPECT_EQ(a.GetHashCode(), c.GetHashCode());
  EXPECT_NE(a.GetHashCode(), b.GetHashCode());
  EXPECT_EQ(dxCalcCrc32("abc", 3), 0x352441C2u);
  EXPECT_EQ(dxCalcCrc32("abc", 0), 0u);

  TRGBColors pixels{{0, 0, 0, 255}, {0, 0, 0, 128}};
  TdxGPImage colours(2, 1, pixels, true);
  colours.ChangeColor(clRed);
  const TRGBColors red = colours.GetBitmapBits();
  EXPECT_EQ(red[0].rgbRed, 255);
  EXPECT_EQ(red[1].rgbRed, 128) << "premultiplied";
  EXPECT_EQ(red[1].rgbReserved, 128);
  colours.ChangeColor(clNone);
  EXPECT_EQ(colours.GetBitmapBits()[0].rgbRed, 255);

  TdxGPImage big(101, 51, 0xFF000000);
  big.Scale(1, 2);
  EXPECT_EQ(big.Size(), TSize(51, 26));
  EXPECT_THROW(big.Resize(0, 3), EdxException);
  EXPECT_EQ(big.Size(), TSize(51, 26)) << "a failed resize keeps the image";

  const auto clone = a.Clone();
  EXPECT_TRUE(clone->Compare(&a));
  TMemoryStream nothing;
  TdxGPImage().SaveToStream(&nothing);
  EXPECT_EQ(nothing.Size(), 0) << "a new image writes nothing";
}

TEST(GdiPlusImage, FieldValuesWithAndWithoutHeader) {
  const std::string png = BytesOf(*EncodedImage(dxImagePng, 3, 2));
  const auto byteArray = [](const std::string& ABytes) {
    Variant array = VarArrayCreate({0, static_cast<int>(ABytes.size()) - 1}, varByte);
    for (size_t i = 0; i < ABytes.size(); ++i)
      VarArrayPut(array, Variant(static_cast<uint8_t>(ABytes[i])), {static_cast<int>(i)});
    return array;
  };
  std::string header("\x01\x00\x00\x01", 4);
  const uint32_t size = static_cast<uint32_t>(png.size());
  header.append(reinterpret_cast<const char*>(&size), 4);
  for (const std::string& value : {header + png, png}) {
    TdxGPImage image;
    image.LoadFromFieldValue(byteArray(value));
    EXPECT_EQ(image.Size(), TSize(3, 2));
  }
  TdxGPImage image;
  image.LoadFromFieldValue(byteArray("short"));
  EXPECT_TRUE(image.Empty());
}

TEST(GdiPlusImage, FormatChangesAndComposition) {
  TdxGPImage image(EncodedImage(dxImageBitmap, 4, 4).get());
  EXPECT_EQ(image.ImageDataFormat(), dxImageMemoryBmp);
  TMemoryStream bmp;
  image.SaveToStream(&bmp);
  EXPECT_EQ(BytesOf(bmp).substr(0, 2), "BM");
  image.SetImageDataFormat(dxImagePng);
  EXPECT_EQ(image.ImageDataFormat(), dxImagePng);
  TMemoryStream png;
  TdxPNGImage asPng;
  asPng.Assign(&image);
  asPng.SaveToStream(&png);
  EXPECT_EQ(BytesOf(png).substr(1, 3), "PNG");

  TdxGPImage base(4, 4, 0xFFFF0000), overlay(2, 2, 0xFF0000FF);
  const auto composition = base.MakeComposition(&overlay, 255, 255);
  EXPECT_EQ(composition->GetBitmapBits()[5].rgbBlue, 255) << "the overlay stretched over everything";
  const auto half = base.MakeComposition(&overlay, 0, 255);
  EXPECT_EQ(half->GetBitmapBits()[5].rgbRed, 255);
}

TEST(GdiPlusImage, AnimatedGifPlaysItsFrames) {
  TdxGPImage image(StreamOf(AnimatedGif(3, 0, 4)).get());
  ASSERT_EQ(image.AnimationFrameCount(), 3u);
  EXPECT_EQ(image.AnimationFrameDelay(), 40);
  image.AnimationLoop = bDefault;
  for (uint32_t expected : {1u, 2u, 0u, 1u}) {
    image.SetActiveFrame(image.ActiveFrame() + 1);
    EXPECT_EQ(image.ActiveFrame(), expected);
  }
  EXPECT_EQ(image.GetBitmapBits()[0].rgbGreen, 255) << "frame 1 is green";

  TdxGPImage twice(StreamOf(AnimatedGif(3, 2)).get());
  twice.AnimationLoop = bDefault;
  EXPECT_EQ(twice.AnimationLoopCount(), 2);
  std::vector<uint32_t> frames;
  for (int i = 0; i < 9; ++i) {
    twice.SetActiveFrame(twice.ActiveFrame() + 1);
    frames.push_back(twice.ActiveFrame());
  }
  EXPECT_EQ(frames, (std::vector<uint32_t>{1, 2, 0, 1, 2, 0, 1, 2, 2}));
  EXPECT_EQ(twice.AnimationLoopIndex, 2);

  TdxGPImage once(StreamOf(AnimatedGif(3, 0)).get());
  once.AnimationLoop = bFalse;
  once.SetActiveFrame(5);
  EXPECT_EQ(once.ActiveFrame(), 2u);

  image.SetAnimationFrameDelay(-5);
  EXPECT_EQ(image.AnimationFrameDelay(), 40) << "-5 stores 0: the frames' own delays";
  image.StartAnimation();
  EXPECT_FALSE(image.Animation()) << "the base controller never runs";
  image.StopAnimation();

  TdxGPImage single(EncodedImage(dxImagePng).get());
  EXPECT_EQ(single.AnimationFrameCount(), 1u);
  single.SetAnimation(true);
  EXPECT_FALSE(single.Animation());
}

TEST(GdiPlusImage, AnimatedGifSavesAllItsFramesAsGif) {
  const std::string gif = AnimatedGif(3, 0);
  TdxGPImage image(StreamOf(gif).get());
  TMemoryStream saved;
  image.SaveToStream(&saved);
  EXPECT_EQ(BytesOf(saved), gif) << "the bytes it was loaded from";
  image.SetActiveFrame(2);
  TMemoryStream png;
  image.SaveToStreamByCodec(&png, dxImagePng);
  png.SetPosition(0);
  TdxGPImage frame(&png);
  EXPECT_EQ(frame.AnimationFrameCount(), 1u);
  EXPECT_EQ(frame.GetBitmapBits()[0].rgbBlue, 255) << "the active frame, blue";
}

// An animation controller that advances only when told to.
class TSteppedController : public TdxGPImageCustomAnimationController {
public:
  explicit TSteppedController(TdxGPImage* AImage) : TdxGPImageCustomAnimationController(AImage) { Last = this; }
  ~TSteppedController() override {
    StopAnimation();
    Last = nullptr;
  }
  static TSteppedController* Last;
  int Starts = 0;

protected:
  void DoStartAnimation() override {
    ++Starts;
    FRunning = true;
  }
  void DoStopAnimation() override { FRunning = false; }
  bool IsAnimating() const override { return FRunning; }

private:
  bool FRunning = false;
};
TSteppedController* TSteppedController::Last = nullptr;

TEST(GdiPlusImage, ControllerStopsAtTheEndOfTheAnimation) {
  dxGPImageAnimationControllerClass = [](TdxGPImage* AImage) { return std::make_unique<TSteppedController>(AImage); };
  TdxGPImage image(StreamOf(AnimatedGif(3, 0)).get());
  image.AnimationLoop = bFalse;
  image.StartAnimation();
  ASSERT_NE(TSteppedController::Last, nullptr);
  EXPECT_TRUE(image.Animation());
  TSteppedController::Last->AnimationTimerHandler(nullptr);
  TSteppedController::Last->AnimationTimerHandler(nullptr);
  EXPECT_EQ(image.ActiveFrame(), 2u);
  EXPECT_EQ(TSteppedController::Last->Starts, 3) << "started again for every frame";
  TSteppedController::Last->AnimationTimerHandler(nullptr);  // the last frame: the end
  EXPECT_EQ(TSteppedController::Last, nullptr) << "the controller was freed";
  EXPECT_FALSE(image.Animation());
  EXPECT_EQ(image.ActiveFrame(), 2u);
  dxGPImageAnimationControllerClass = nullptr;
}

TEST(GdiPlusPictureFormats, PicturesLoadEachFormatByExtension) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "gdiplus-formats";
  std::filesystem::create_directories(folder);
  const struct {
    const wchar_t* Extension;
    TdxImageDataFormat Format;
    TClass GraphicClass;
  } cases[] = {{L"png", dxImagePng, TdxPNGImage::StaticClass()},    {L"PNG", dxImagePng, TdxPNGImage::StaticClass()},
               {L"jpg", dxImageJpeg, TdxSmartImage::StaticClass()}, {L"jpeg", dxImageJpeg, TdxSmartImage::StaticClass()},
               {L"tif", dxImageTiff, TdxSmartImage::StaticClass()}, {L"tiff", dxImageTiff, TdxSmartImage::StaticClass()},
               {L"gif", dxImageGif, TdxSmartImage::StaticClass()},  {L"bmp", dxImageBitmap, TBitmap::StaticClass()}};
  for (const auto& c : cases) {
    SCOPED_TRACE(ToUtf8(c.Extension));
    const String file = (folder / (L"picture." + String(c.Extension))).wstring();
    const auto bytes = c.Format == dxImageGif ? StreamOf(AnimatedGif(2, 0)) : EncodedImage(c.Format);
    bytes->SaveToFile(file);
    TPicture picture;
    picture.LoadFromFile(file);
    ASSERT_NE(picture.Graphic(), nullptr);
    EXPECT_EQ(picture.Graphic()->ClassType(), c.GraphicClass);
    EXPECT_GT(picture.Width(), 0);

    // A damaged file of the format leaves the picture as it was.
    const std::string damaged = BytesOf(*bytes).substr(0, 30);
    StreamOf(damaged)->SaveToFile(file);
    EXPECT_THROW(picture.LoadFromFile(file), Exception);
    EXPECT_EQ(picture.Graphic()->ClassType(), c.GraphicClass);
    EXPECT_GT(picture.Width(), 0);
  }
  std::filesystem::remove_all(folder);

  for (const wchar_t* name : {L"PNG", L"GIF", L"JPEG", L"TIFF"}) {
    const uint32_t format = RegisterClipboardFormatW(name);
    EXPECT_TRUE(TPicture::SupportsClipboardFormat(format)) << ToUtf8(name);
    EXPECT_TRUE(TdxGPImage::IsSupportClipboardFormat(format));
  }
  EXPECT_EQ(dxGetImageClipboardFormat(dxImageBitmap), static_cast<uint32_t>(CF_BITMAP));
  EXPECT_EQ(dxGetImageClipboardFormat(dxImageEmf), 0u);
  EXPECT_FALSE(TdxGPImage::IsSupportClipboardFormat(0));
  EXPECT_EQ(GetClass(L"TdxPNGImage"), TdxPNGImage::StaticClass());
}

TEST(GdiPlusPictureFormats, ClipboardCarriesTheBitmapAndTheEncodedImage) {
  TdxGPImage image(EncodedImage(dxImagePng, 6, 4).get());
  image.CopyToClipboard();
  EXPECT_TRUE(Clipboard()->HasFormat(CF_BITMAP));
  EXPECT_TRUE(Clipboard()->HasFormat(dxGetImageClipboardFormat(dxImagePng)));
  EXPECT_TRUE(TdxGPImage::HasClipboardFormat());

  TdxGPImage pasted;
  pasted.Assign(Clipboard());
  EXPECT_EQ(pasted.ImageDataFormat(), dxImagePng) << "the encoded image comes first";
  EXPECT_TRUE(pasted.Compare(&image));

  TdxGPImage cut(4, 4, 0xFF00FF00);
  cut.CutToClipboard();
  EXPECT_TRUE(cut.Empty());
  EXPECT_FALSE(Clipboard()->HasFormat(dxGetImageClipboardFormat(dxImagePng)));
  TdxGPImage fromBitmap;
  fromBitmap.PasteFromClipboard();
  EXPECT_EQ(fromBitmap.Size(), TSize(4, 4));
  EXPECT_EQ(fromBitmap.GetBitmapBits()[0].rgbGreen, 255);
}

TEST(GdiPlusImage, MetafilesDrawAsBitmapsAndKeepTheirBytes) {
  HDC dc = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  const RECT area{0, 0, 40, 30};
  FillRect(dc, &area, red);
  DeleteObject(red);
  HENHMETAFILE metafile = CloseEnhMetaFile(dc);
  std::string bytes(GetEnhMetaFileBits(metafile, 0, nullptr), '\0');
  GetEnhMetaFileBits(metafile, static_cast<UINT>(bytes.size()), reinterpret_cast<BYTE*>(bytes.data()));
  DeleteEnhMetaFile(metafile);

  TdxGPImage image(StreamOf(bytes).get());
  EXPECT_EQ(image.ImageDataFormat(), dxImageEmf);
  const auto bitmap = image.GetAsBitmap();
  ASSERT_FALSE(bitmap->Empty());
  EXPECT_EQ(PixelColor(*bitmap, bitmap->Width() / 2, bitmap->Height() / 2), clRed);
  TMemoryStream saved;
  image.SaveToStream(&saved);
  EXPECT_EQ(BytesOf(saved), bytes) << "no encoder: the bytes it was loaded from";
}
