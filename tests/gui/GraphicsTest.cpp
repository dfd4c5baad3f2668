// Graphics: colours, drawing tools and the canvas, bitmaps and their BMP
// files, icons, and pictures choosing a graphic class by file extension.
#include <gtest/gtest.h>

#include <cstring>
#include <thread>

#include "vcl/graphics/Bitmap.h"
#include "vcl/graphics/Canvas.h"
#include "vcl/graphics/Icon.h"
#include "vcl/rtl/Streams.h"
#include "vcl/rtl/Strings.h"
#include "vcl/rtl/WinApi.h"

namespace {
TColor Pixel(TBitmap& Bitmap, int X, int Y) {
  const auto* p = static_cast<const uint8_t*>(Bitmap.ScanLine(Y)) + X * (Bitmap.PixelFormat() == pf24bit ? 3 : 4);
  return RGB(p[2], p[1], p[0]);
}

void Fill(TBitmap& Bitmap, const TRect& R, TColor Color) {
  Bitmap.Canvas()->Brush()->SetColor(Color);
  Bitmap.Canvas()->FillRect(R);
}

// A stream of the bytes given.
std::unique_ptr<TMemoryStream> StreamOf(const std::vector<uint8_t>& Bytes) {
  auto stream = std::make_unique<TMemoryStream>();
  if (!Bytes.empty()) stream->WriteBuffer(Bytes.data(), static_cast<int64_t>(Bytes.size()));
  stream->SetPosition(0);
  return stream;
}

std::vector<uint8_t> BytesOf(const TGraphic& Graphic) {
  TMemoryStream stream;
  Graphic.SaveToStream(&stream);
  std::vector<uint8_t> bytes(static_cast<size_t>(stream.Size()));
  std::memcpy(bytes.data(), stream.Memory(), bytes.size());
  return bytes;
}

template <typename T>
void Put(std::vector<uint8_t>& Bytes, size_t Offset, T Value) {
  std::memcpy(Bytes.data() + Offset, &Value, sizeof(T));
}

// A 2x1 BMP of 8 bits per pixel: colour table entries 0 (blue) and 1 (red).
std::vector<uint8_t> PalettedBmp() {
  std::vector<uint8_t> bytes(14 + 40 + 8 + 4, 0);
  bytes[0] = 'B';
  bytes[1] = 'M';
  Put<uint32_t>(bytes, 2, static_cast<uint32_t>(bytes.size()));
  Put<uint32_t>(bytes, 10, 14 + 40 + 8);
  Put<uint32_t>(bytes, 14, 40);
  Put<int32_t>(bytes, 18, 2);
  Put<int32_t>(bytes, 22, 1);
  Put<uint16_t>(bytes, 26, 1);
  Put<uint16_t>(bytes, 28, 8);
  Put<uint32_t>(bytes, 46, 2);                 // two colours used
  Put<uint32_t>(bytes, 54, 0x000000FF);        // blue
  Put<uint32_t>(bytes, 58, 0x00FF0000);        // red
  bytes[62] = 1;                               // red, blue
  return bytes;
}

HICON RedIcon(int Size) {
  TBitmap color(Size, Size);
  Fill(color, Rect(0, 0, Size, Size), clRed);
  TBitmap mask(Size, Size);
  Fill(mask, Rect(0, 0, Size, Size), clBlack);  // opaque everywhere
  ICONINFO info{TRUE, 0, 0, mask.Handle(), color.Handle()};
  return CreateIconIndirect(&info);
}

// A graphic kind of its own: a text file shown as nothing.
class TTextGraphic : public TGraphic {
  VCL_CREATABLE_CLASS(TTextGraphic, TGraphic)
public:
  TTextGraphic() = default;
  bool Empty() const override { return FText.empty(); }
  int Width() const override { return 1; }
  int Height() const override { return 1; }
  void SetWidth(int) override {}
  void SetHeight(int) override {}
  void LoadFromStream(TStream* Stream) override {
    FText.resize(static_cast<size_t>(Stream->Size()));
    Stream->ReadBuffer(FText.data(), Stream->Size());
  }
  void SaveToStream(TStream* Stream) const override {
    Stream->WriteBuffer(FText.data(), static_cast<int64_t>(FText.size()));
  }
  std::string FText;

protected:
  void Draw(TCanvas*, const TRect&) override {}
};
}  // namespace

TEST(Colors, SystemColoursResolveWhenDrawn) {
  EXPECT_EQ(GetSysColor(COLOR_3DLIGHT), ColorToRGB(cl3DLight));
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), ColorToRGB(clBtnFace));
  EXPECT_EQ(0x123456u, ColorToRGB(0x123456));
  EXPECT_EQ(static_cast<uint32_t>(clNone), ColorToRGB(clNone));
}

TEST(DrawingTools, FontSizeAndChangesAreReported) {
  TFont font;
  EXPECT_EQ(L"Tahoma", font.Name());
  EXPECT_EQ(8, font.Size());
  int changes = 0;
  font.OnChange = [&](TObject*) { ++changes; };
  font.SetSize(12);
  EXPECT_EQ(-16, font.Height());
  font.SetSize(12);  // unchanged: not reported
  font.SetStyle({fsBold});
  font.SetColor(clNavy);
  EXPECT_EQ(3, changes);
  LOGFONTW logical;
  GetObjectW(font.Handle(), sizeof(logical), &logical);
  EXPECT_EQ(FW_BOLD, logical.lfWeight);
  EXPECT_EQ(-16, logical.lfHeight);
}

TEST(Canvases, ToolsChangedWhileSelectedTakeEffect) {
  TBitmap bitmap(100, 40);
  TCanvas* canvas = bitmap.Canvas();
  int plain = canvas->TextWidth(L"Executar");
  canvas->Font()->SetStyle({fsBold});
  canvas->Font()->SetSize(14);
  EXPECT_GT(canvas->TextWidth(L"Executar"), plain);
  Fill(bitmap, Rect(0, 0, 100, 40), clWhite);
  canvas->Brush()->SetColor(clLime);
  canvas->FillRect(Rect(10, 10, 20, 20));
  canvas->Pen()->SetColor(clRed);
  canvas->MoveTo(0, 30);
  canvas->LineTo(100, 30);
  EXPECT_EQ(clLime, Pixel(bitmap, 15, 15));
  EXPECT_EQ(clWhite, Pixel(bitmap, 25, 15));
  EXPECT_EQ(clRed, Pixel(bitmap, 50, 30));
}

TEST(Canvases, ClippingLimitsDrawing) {
  TBitmap bitmap(40, 40);
  Fill(bitmap, Rect(0, 0, 40, 40), clWhite);
  bitmap.Canvas()->IntersectClipRect(Rect(0, 0, 20, 40));
  EXPECT_EQ(Rect(0, 0, 20, 40), bitmap.Canvas()->ClipRect());
  Fill(bitmap, Rect(0, 0, 40, 40), clBlue);
  EXPECT_EQ(clBlue, Pixel(bitmap, 10, 10));
  EXPECT_EQ(clWhite, Pixel(bitmap, 30, 10));
}

TEST(Canvases, DrawAndStretchDrawGraphics) {
  TBitmap source(2, 2);
  Fill(source, Rect(0, 0, 1, 2), clRed);
  Fill(source, Rect(1, 0, 2, 2), clBlue);
  TBitmap target(20, 10);
  Fill(target, Rect(0, 0, 20, 10), clWhite);
  target.Canvas()->Draw(0, 0, &source);
  target.Canvas()->StretchDraw(Rect(10, 0, 20, 10), &source);
  EXPECT_EQ(clRed, Pixel(target, 0, 0));
  EXPECT_EQ(clBlue, Pixel(target, 1, 1));
  EXPECT_EQ(clWhite, Pixel(target, 5, 5));
  EXPECT_EQ(clRed, Pixel(target, 12, 8));
  EXPECT_EQ(clBlue, Pixel(target, 18, 8));
}

TEST(Canvases, ACanvasWithoutAContextRefusesToDraw) {
  TCanvas canvas;
  EXPECT_THROW(canvas.FillRect(Rect(0, 0, 1, 1)), EInvalidOperation);
}

TEST(Bitmaps, BmpRoundTripKeepsEveryPixelAndTheFormat) {
  for (TPixelFormat format : {pf24bit, pf32bit}) {
    TBitmap bitmap;
    bitmap.SetPixelFormat(format);
    bitmap.SetSize(5, 3);  // rows of 24-bit pixels need padding
    Fill(bitmap, Rect(0, 0, 5, 3), clWhite);
    Fill(bitmap, Rect(1, 0, 2, 1), clRed);
    Fill(bitmap, Rect(4, 2, 5, 3), clTeal);
    TBitmap copy;
    copy.LoadFromStream(StreamOf(BytesOf(bitmap)).get());
    EXPECT_EQ(format, copy.PixelFormat());
    ASSERT_EQ(5, copy.Width());
    ASSERT_EQ(3, copy.Height());
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 5; ++x) EXPECT_EQ(Pixel(bitmap, x, y), Pixel(copy, x, y));
  }
}

TEST(Bitmaps, AlphaOfThirtyTwoBitImagesSurvivesTheFile) {
  TBitmap bitmap(1, 1);
  static_cast<uint8_t*>(bitmap.ScanLine(0))[3] = 0x80;
  TBitmap copy;
  copy.LoadFromStream(StreamOf(BytesOf(bitmap)).get());
  EXPECT_EQ(0x80, static_cast<uint8_t*>(copy.ScanLine(0))[3]);
}

TEST(Bitmaps, ColourTableImagesAreConverted) {
  TBitmap bitmap;
  bitmap.LoadFromStream(StreamOf(PalettedBmp()).get());
  EXPECT_EQ(pf32bit, bitmap.PixelFormat());
  EXPECT_EQ(clRed, Pixel(bitmap, 0, 0));
  EXPECT_EQ(clBlue, Pixel(bitmap, 1, 0));
}

TEST(Bitmaps, DamagedFilesAreRefusedAndThePictureStays) {
  std::vector<uint8_t> good = PalettedBmp();
  auto damaged = [&](size_t Offset, uint32_t Value) {
    std::vector<uint8_t> bytes = good;
    Put<uint32_t>(bytes, Offset, Value);
    return bytes;
  };
  std::vector<std::vector<uint8_t>> cases{
      {},                                       // nothing
      {'B', 'M', 1, 2},                         // cut in the header
      damaged(0, 0x12345678),                   // not "BM"
      damaged(2, 0x7FFFFFFF),                   // claims more than there is
      damaged(18, 100000),                      // absurd width
      damaged(22, 0x80000000),                  // height of -2^31
      damaged(10, 14 + 40),                     // pixels over the colour table
      damaged(46, 100000),                      // colour table too long
      damaged(30, 1),                           // run-length compressed
      std::vector<uint8_t>(good.begin(), good.end() - 3),  // pixels cut off
  };
  TBitmap bitmap(3, 2);
  Fill(bitmap, Rect(0, 0, 3, 2), clYellow);
  for (size_t i = 0; i < cases.size(); ++i) {
    EXPECT_THROW(bitmap.LoadFromStream(StreamOf(cases[i]).get()), EInvalidGraphic) << i;
    EXPECT_EQ(3, bitmap.Width());
    EXPECT_EQ(clYellow, Pixel(bitmap, 2, 1));
  }
}

TEST(Bitmaps, ResizingAndReformattingKeepThePicture) {
  TBitmap bitmap(4, 4);
  Fill(bitmap, Rect(0, 0, 4, 4), clRed);
  bitmap.SetSize(8, 2);
  EXPECT_EQ(clRed, Pixel(bitmap, 3, 1));
  bitmap.SetPixelFormat(pf24bit);
  EXPECT_EQ(clRed, Pixel(bitmap, 3, 1));
  EXPECT_EQ(24, bitmap.BytesPerScanLine());
  EXPECT_THROW(bitmap.ScanLine(2), EInvalidGraphicOperation);
  EXPECT_THROW(bitmap.SetPixelFormat(pf8bit), EInvalidGraphicOperation);
  EXPECT_THROW(bitmap.SetSize(-1, 3), EInvalidGraphicOperation);
}

TEST(Icons, IcoRoundTripAndDrawing) {
  TIcon icon;
  icon.SetHandle(RedIcon(16));
  EXPECT_EQ(16, icon.Width());
  TIcon copy;
  copy.LoadFromStream(StreamOf(BytesOf(icon)).get());
  EXPECT_EQ(16, copy.Width());
  EXPECT_EQ(16, copy.Height());
  TBitmap target(32, 32);
  Fill(target, Rect(0, 0, 32, 32), clWhite);
  target.Canvas()->StretchDraw(Rect(0, 0, 32, 32), &copy);
  EXPECT_EQ(clRed, Pixel(target, 20, 20));
  EXPECT_THROW(copy.SetWidth(32), EInvalidGraphicOperation);
}

TEST(Icons, BadSourcesRaiseClearErrors) {
  TIcon icon;
  EXPECT_THROW(icon.LoadFromResourceName(GetModuleHandleW(nullptr), L"NO_SUCH_ICON"), EResNotFound);
  std::vector<uint8_t> directory{0, 0, 1, 0, 1, 0, 16, 16, 0, 0, 1, 0, 32, 0,
                                 0xFF, 0xFF, 0, 0, 22, 0, 0, 0};  // image beyond the end
  EXPECT_THROW(icon.LoadFromStream(StreamOf(directory).get()), EInvalidGraphic);
  EXPECT_THROW(icon.LoadFromStream(StreamOf({1, 2, 3}).get()), EInvalidGraphic);
  EXPECT_TRUE(icon.Empty());
  EXPECT_THROW(icon.SaveToStream(StreamOf({}).get()), EInvalidGraphicOperation);
}

TEST(Pictures, FileExtensionChoosesTheGraphicClass) {
  TBitmap bitmap(2, 2);
  bitmap.SaveToFile(L"picture-test.bmp");
  TIcon icon;
  icon.SetHandle(RedIcon(16));
  icon.SaveToFile(L"picture-test.ico");
  {
    TStringList text;
    text.Add(L"texto");
    text.SaveToFile(L"picture-test.xyz");
  }
  TPicture picture;
  picture.LoadFromFile(L"picture-test.BMP");
  EXPECT_NE(nullptr, dynamic_cast<TBitmap*>(picture.Graphic()));
  picture.LoadFromFile(L"picture-test.ico");
  EXPECT_NE(nullptr, dynamic_cast<TIcon*>(picture.Graphic()));
  try {
    picture.LoadFromFile(L"picture-test.xyz");
    FAIL() << "no error";
  } catch (const EInvalidGraphic& e) {
    EXPECT_EQ(L"Unknown picture file extension (.xyz)", e.Message());
  }
  EXPECT_NE(nullptr, dynamic_cast<TIcon*>(picture.Graphic()));  // kept

  TPicture::RegisterFileFormat(L"xyz", L"Texts", TTextGraphic::StaticClass());
  picture.LoadFromFile(L"picture-test.xyz");
  ASSERT_NE(nullptr, dynamic_cast<TTextGraphic*>(picture.Graphic()));
  EXPECT_EQ(0u, dynamic_cast<TTextGraphic*>(picture.Graphic())->FText.find("texto"));
  TPicture::RegisterFileFormat(L"bmp", L"Texts too", TTextGraphic::StaticClass());
  picture.LoadFromFile(L"picture-test.bmp");  // the later registration wins
  EXPECT_NE(nullptr, dynamic_cast<TTextGraphic*>(picture.Graphic()));
  TPicture::UnregisterGraphicClass(TTextGraphic::StaticClass());
  EXPECT_THROW(picture.LoadFromFile(L"picture-test.xyz"), EInvalidGraphic);
  picture.LoadFromFile(L"picture-test.bmp");
  EXPECT_NE(nullptr, dynamic_cast<TBitmap*>(picture.Graphic()));
}

TEST(Pictures, AskingForABitmapReplacesAnotherKindAndChangesAreReported) {
  TPicture picture;
  int changes = 0;
  picture.OnChange = [&](TObject*) { ++changes; };
  picture.Icon()->SetHandle(RedIcon(16));
  EXPECT_EQ(16, picture.Width());
  picture.Bitmap()->SetSize(3, 4);
  EXPECT_EQ(3, picture.Width());
  EXPECT_GE(changes, 3);
  TPicture copy;
  copy.Assign(&picture);
  EXPECT_NE(picture.Graphic(), copy.Graphic());
  EXPECT_EQ(4, copy.Height());
}

TEST(Canvases, ALockedCanvasIsRefusedToOtherThreadsUntilUnlocked) {
  TBitmap bitmap(4, 4);
  TCanvas* canvas = bitmap.Canvas();
  const auto triedElsewhere = [&] {
    bool locked = false;
    std::thread other([&] {
      locked = canvas->TryLock();
      if (locked) canvas->Unlock();
    });
    other.join();
    return locked;
  };
  EXPECT_TRUE(triedElsewhere());
  {
    TCanvasLock outer(canvas);
    canvas->Lock();  // nests on this thread
    EXPECT_EQ(2, canvas->LockCount());
    canvas->Unlock();
    EXPECT_FALSE(triedElsewhere());
  }
  EXPECT_EQ(0, canvas->LockCount());
  EXPECT_TRUE(triedElsewhere());
}
