// The memory stream and stream adapter GDI+ images go through, and images
// written as and assigned from metafiles.
#include <gtest/gtest.h>

#include <cstring>

#include "tests/gdiplus/GdiPlusTestUtils.h"
#include "vcl/graphics/Metafile.h"

namespace {

// A stream whose every seek fails.
class TBrokenStream : public TStream {
  VCL_CLASS(TBrokenStream, TStream)
public:
  int64_t Read(void*, int64_t) override { return 0; }
  int64_t Write(const void*, int64_t) override { return 0; }
  int64_t Seek(int64_t, TSeekOrigin) override { throw EStreamError(L"Broken"); }
};

// The colours at a quarter and three quarters of the width, at half height,
// of the graphic drawn on a white bitmap of its size.
std::pair<TColor, TColor> Halves(TGraphic& AGraphic) {
  const auto bitmap = FilledBitmap(AGraphic.Width(), AGraphic.Height());
  bitmap->Canvas()->Draw(0, 0, &AGraphic);
  GdiFlush();
  return {PixelColor(*bitmap, AGraphic.Width() / 4, AGraphic.Height() / 2),
          PixelColor(*bitmap, AGraphic.Width() * 3 / 4, AGraphic.Height() / 2)};
}

// A 40 x 20 recording: red on the left half, blue on the right.
void Record(TMetafile& AMetafile) {
  AMetafile.SetWidth(40);
  AMetafile.SetHeight(20);
  TMetafileCanvas canvas(&AMetafile, nullptr);
  canvas.Brush()->SetColor(clRed);
  canvas.FillRect(TRect(0, 0, 20, 20));
  canvas.Brush()->SetColor(clBlue);
  canvas.FillRect(TRect(20, 0, 40, 20));
}

const std::pair<TColor, TColor> RedBlue{clRed, clBlue};

}  // namespace

TEST(GdiPlusStreams, TheMemoryStreamGrowsAndSaysWhenNoMemoryIsLeft) {
  TdxGPMemoryStream stream;
  std::string written;
  for (int i = 0; i < 5000; ++i) written += "block " + std::to_string(i) + ";";
  for (size_t at = 0; at < written.size(); at += 1000)
    stream.WriteBuffer(written.data() + at, static_cast<int64_t>(std::min<size_t>(1000, written.size() - at)));
  ASSERT_EQ(static_cast<int64_t>(written.size()), stream.Size());
  EXPECT_EQ(0, std::memcmp(stream.Memory(), written.data(), written.size()));
  stream.SetSize(10);
  stream.SetSize(20);
  EXPECT_EQ(std::string(written.data(), 10) + std::string(10, '\0'),
            std::string(static_cast<const char*>(stream.Memory()), 20));
  try {
    stream.SetSize(int64_t{1} << 60);  // beyond any address space
    FAIL() << "no error";
  } catch (const EStreamError& e) {
    EXPECT_EQ(L"Out of memory while expanding memory stream", e.Message());
  }
  EXPECT_EQ(20, stream.Size());
  EXPECT_EQ(0, std::memcmp(stream.Memory(), written.data(), 10));
}

TEST(GdiPlusStreams, TheAdaptersStatAcceptsNoRecordAndAnswersFailuresAsUnexpected) {
  TdxGPMemoryStream stream;
  stream.WriteBuffer("12345", 5);
  auto* adapter = new TdxGPStreamAdapter(&stream);
  EXPECT_EQ(S_OK, adapter->Stat(nullptr, STATFLAG_NONAME));
  STATSTG stat;
  std::memset(&stat, 0xAB, sizeof(stat));
  EXPECT_EQ(S_OK, adapter->Stat(&stat, STATFLAG_NONAME));
  EXPECT_EQ(5u, stat.cbSize.QuadPart);
  EXPECT_EQ(nullptr, stat.pwcsName);
  EXPECT_EQ(0u, stat.mtime.dwLowDateTime);
  adapter->Release();

  TBrokenStream broken;
  auto* brokenAdapter = new TdxGPStreamAdapter(&broken);
  EXPECT_EQ(E_UNEXPECTED, brokenAdapter->Stat(&stat, STATFLAG_NONAME));
  brokenAdapter->Release();
}

TEST(GdiPlusImage, AnImageIsWrittenAsAnEnhancedOrAWindowsMetafile) {
  TdxGPImage image(EncodedImage(dxImagePng, 40, 20).get());
  for (TdxImageDataFormat format : {dxImageEmf, dxImageWmf}) {
    SCOPED_TRACE(static_cast<int>(format));
    TMemoryStream stream;
    image.SaveToStreamByCodec(&stream, format);
    EXPECT_EQ(dxImagePng, image.ImageDataFormat());
    uint32_t first = 0;
    std::memcpy(&first, stream.Memory(), 4);
    EXPECT_EQ(format == dxImageEmf ? static_cast<uint32_t>(EMR_HEADER) : 0x9AC6CDD7u, first);
    TMetafile metafile;
    stream.SetPosition(0);
    metafile.LoadFromStream(&stream);
    EXPECT_EQ(format == dxImageEmf, metafile.Enhanced());
    EXPECT_NEAR(40, metafile.Width(), 1);
    EXPECT_NEAR(20, metafile.Height(), 1);
    EXPECT_EQ(RedBlue, Halves(metafile));
  }
}

TEST(GdiPlusImage, MetafilesAreAssignedBothWays) {
  TdxGPImage image(EncodedImage(dxImagePng, 40, 20).get());
  TMetafile enhanced, windows;
  windows.SetEnhanced(false);
  enhanced.Assign(&image);
  windows.Assign(&image);
  EXPECT_TRUE(enhanced.Enhanced());
  EXPECT_FALSE(windows.Enhanced());
  EXPECT_EQ(RedBlue, Halves(enhanced));
  EXPECT_EQ(RedBlue, Halves(windows));

  TMetafile recorded;
  Record(recorded);
  for (bool asEnhanced : {true, false}) {
    SCOPED_TRACE(asEnhanced);
    recorded.SetEnhanced(asEnhanced);
    TdxGPImage fromMetafile;
    fromMetafile.Assign(&recorded);
    EXPECT_EQ(asEnhanced ? dxImageEmf : dxImageWmf, fromMetafile.ImageDataFormat());
    const auto bitmap = fromMetafile.GetAsBitmap();
    ASSERT_FALSE(bitmap->Empty());
    EXPECT_EQ(clRed, PixelColor(*bitmap, bitmap->Width() / 4, bitmap->Height() / 2));
    EXPECT_EQ(clBlue, PixelColor(*bitmap, bitmap->Width() * 3 / 4, bitmap->Height() / 2));
  }

  // An enhanced metafile image written as one gives back its own bytes.
  recorded.SetEnhanced(true);
  TMemoryStream original, saved;
  recorded.SaveToStream(&original);
  TdxGPImage fromMetafile;
  fromMetafile.Assign(&recorded);
  fromMetafile.SaveToStreamByCodec(&saved, dxImageEmf);
  EXPECT_EQ(BytesOf(original), BytesOf(saved));
}

TEST(GdiPlusImage, EqualityComparesPixelsOfImagesAndClassesOfOthers) {
  TdxGPImage image(EncodedImage(dxImagePng, 8, 6).get());
  const std::unique_ptr<TdxGPImage> clone = image.Clone();
  TdxGPImage other(EncodedImage(dxImagePng, 8, 7).get());
  TdxGPImage empty1, empty2;
  const auto bitmap = FilledBitmap(8, 6);
  EXPECT_TRUE(image.Equals(clone.get()));
  EXPECT_FALSE(image.Equals(&other));
  EXPECT_TRUE(empty1.Equals(&empty2));
  EXPECT_FALSE(image.Equals(bitmap.get()));
  EXPECT_FALSE(image.Equals(nullptr));
}
