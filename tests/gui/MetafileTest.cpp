// Metafiles recorded, drawn, saved and read as enhanced and placeable
// Windows metafiles; the graphics' equality test.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "vcl/graphics/Bitmap.h"
#include "vcl/graphics/Metafile.h"
#include "vcl/rtl/Streams.h"
#include "vcl/rtl/WinApi.h"

namespace {
TColor PixelAt(TBitmap& ABitmap, int X, int Y) {
  GdiFlush();
  const auto* p = static_cast<const uint8_t*>(ABitmap.ScanLine(Y)) + X * 4;
  return RGB(p[2], p[1], p[0]);
}

// A 40 x 20 picture: red on the left half, blue on the right, drawn
// through the metafile canvas.
void Record(TMetafile& AMetafile, TColor ARight = clBlue) {
  AMetafile.SetWidth(40);
  AMetafile.SetHeight(20);
  TMetafileCanvas canvas(&AMetafile, nullptr);
  canvas.Brush()->SetColor(clRed);
  canvas.FillRect(TRect(0, 0, 20, 20));
  canvas.Brush()->SetColor(ARight);
  canvas.FillRect(TRect(20, 0, 40, 20));
}

// The left and right colours of the metafile drawn over a white bitmap of
// its size.
std::pair<TColor, TColor> Halves(TMetafile& AMetafile) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf32bit);
  bitmap.SetSize(40, 20);
  bitmap.Canvas()->Brush()->SetColor(clWhite);
  bitmap.Canvas()->FillRect(TRect(0, 0, 40, 20));
  bitmap.Canvas()->StretchDraw(TRect(0, 0, 40, 20), &AMetafile);
  return {PixelAt(bitmap, 5, 10), PixelAt(bitmap, 35, 10)};
}

std::vector<uint8_t> FileBytes(const String& AFileName) {
  TMemoryStream stream;
  stream.LoadFromFile(AFileName);
  std::vector<uint8_t> bytes(static_cast<size_t>(stream.Size()));
  std::memcpy(bytes.data(), stream.Memory(), bytes.size());
  return bytes;
}

template <typename T>
T At(const std::vector<uint8_t>& ABytes, size_t AOffset) {
  T value;
  std::memcpy(&value, ABytes.data() + AOffset, sizeof(T));
  return value;
}
}  // namespace

TEST(Metafiles, ARecordingKeepsItsSizeAndDrawsWhatWasDrawn) {
  TMetafile metafile;
  EXPECT_TRUE(metafile.Empty());
  int changes = 0;
  metafile.OnChange = [&](TObject*) { ++changes; };
  Record(metafile);
  EXPECT_FALSE(metafile.Empty());
  EXPECT_EQ(1, changes);
  EXPECT_EQ(40, metafile.Width());
  EXPECT_EQ(20, metafile.Height());
  EXPECT_EQ(MulDiv(40, 2540, 96), metafile.MMWidth());
  EXPECT_EQ(std::make_pair(clRed, clBlue), Halves(metafile));
}

TEST(Metafiles, EnhancedAndPlaceableFilesRoundTrip) {
  TMetafile recorded;
  Record(recorded);
  recorded.SaveToFile(L"metafile-test.emf");
  const std::vector<uint8_t> emf = FileBytes(L"metafile-test.emf");
  ASSERT_GE(emf.size(), sizeof(ENHMETAHEADER));
  EXPECT_EQ(static_cast<DWORD>(EMR_HEADER), At<uint32_t>(emf, 0));
  EXPECT_EQ(static_cast<DWORD>(ENHMETA_SIGNATURE), At<uint32_t>(emf, 40));
  EXPECT_EQ(emf.size(), At<uint32_t>(emf, 48));

  recorded.SetEnhanced(false);
  recorded.SaveToFile(L"metafile-test.wmf");
  const std::vector<uint8_t> wmf = FileBytes(L"metafile-test.wmf");
  ASSERT_GE(wmf.size(), 22u + 18u);
  EXPECT_EQ(0x9AC6CDD7u, At<uint32_t>(wmf, 0));
  EXPECT_EQ(40, At<int16_t>(wmf, 10));  // right, in units of 1/96 inch
  EXPECT_EQ(20, At<int16_t>(wmf, 12));
  EXPECT_EQ(96, At<uint16_t>(wmf, 14));

  for (const wchar_t* name : {L"metafile-test.emf", L"metafile-test.wmf"}) {
    SCOPED_TRACE(name);
    TPicture picture;
    picture.LoadFromFile(name);
    auto* loaded = dynamic_cast<TMetafile*>(picture.Graphic());
    ASSERT_NE(nullptr, loaded);
    EXPECT_EQ(name == String(L"metafile-test.emf"), loaded->Enhanced());
    EXPECT_NEAR(40, loaded->Width(), 1);
    EXPECT_NEAR(20, loaded->Height(), 1);
    EXPECT_EQ(std::make_pair(clRed, clBlue), Halves(*loaded));
  }
}

TEST(Metafiles, DataOfAnotherKindIsRefusedAndTheMetafileStays) {
  TMetafile recorded;
  Record(recorded);
  TMemoryStream whole;
  recorded.SaveToStream(&whole);
  const std::vector<std::vector<uint8_t>> damaged = {
      {},                                                  // nothing
      {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},            // a bitmap
      std::vector<uint8_t>(static_cast<const uint8_t*>(whole.Memory()),
                           static_cast<const uint8_t*>(whole.Memory()) + whole.Size() / 2),  // cut short
      {0xD7, 0xCD, 0xC6, 0x9A, 0, 0, 0, 0, 0, 0, 40, 0, 20, 0, 96, 0, 0, 0, 0, 0, 0x12, 0x34},  // bad checksum
  };
  TMetafile target;
  Record(target, clLime);
  for (const std::vector<uint8_t>& bytes : damaged) {
    SCOPED_TRACE(bytes.size());
    TMemoryStream stream;
    if (!bytes.empty()) stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    stream.SetPosition(0);
    try {
      target.LoadFromStream(&stream);
      ADD_FAILURE() << "no error";
    } catch (const EInvalidGraphic& e) {
      EXPECT_EQ(L"Metafile is not valid", e.Message());
    }
    EXPECT_EQ(std::make_pair(clRed, clLime), Halves(target));
  }
}

TEST(Metafiles, AssignCopiesTheRecording) {
  TMetafile source;
  Record(source);
  source.SetEnhanced(false);
  TMetafile copy;
  copy.Assign(&source);
  EXPECT_FALSE(copy.Enhanced());
  EXPECT_NE(source.Handle(), copy.Handle());
  EXPECT_EQ(source.MMWidth(), copy.MMWidth());
  source.Clear();
  EXPECT_EQ(std::make_pair(clRed, clBlue), Halves(copy));
  copy.Assign(nullptr);
  EXPECT_TRUE(copy.Empty());
}

TEST(Graphics, EqualsComparesClassAndSavedData) {
  TMetafile a, b, c, empty1, empty2;
  Record(a);
  b.Assign(&a);
  Record(c, clLime);
  TBitmap bitmap(2, 2);
  const struct {
    const TGraphic* Left;
    const TGraphic* Right;
    bool Equal;
  } cases[] = {
      {&a, &b, true},         {&a, &c, false},      {&empty1, &empty2, true}, {&a, &empty1, false},
      {&empty1, &a, false},   {&a, nullptr, false}, {&a, &bitmap, false},     {&bitmap, &bitmap, true},
  };
  for (const auto& test : cases) EXPECT_EQ(test.Equal, test.Left->Equals(test.Right));
}

TEST(DrawingTools, PenModesMixThePenWithTheScreen) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf32bit);
  bitmap.SetSize(10, 3);
  TCanvas* canvas = bitmap.Canvas();
  canvas->Brush()->SetColor(RGB(0x10, 0x20, 0x30));
  canvas->FillRect(TRect(0, 0, 10, 3));
  const struct {
    TPenMode Mode;
    TColor Expected;
  } cases[] = {
      {pmCopy, clRed},
      {pmNot, static_cast<TColor>(RGB(0xEF, 0xDF, 0xCF))},
      {pmXor, static_cast<TColor>(RGB(0xEF, 0x20, 0x30))},
      {pmNop, static_cast<TColor>(RGB(0x10, 0x20, 0x30))},
      {pmWhite, clWhite},
  };
  canvas->Pen()->SetColor(clRed);
  for (const auto& test : cases) {
    SCOPED_TRACE(static_cast<int>(test.Mode));
    canvas->Pen()->SetMode(test.Mode);
    canvas->RequiredState(TCanvas::HandleValid | TCanvas::PenValid);  // a change after that is applied at once
    EXPECT_EQ(test.Mode, canvas->Pen()->Mode());
    EXPECT_EQ(PenModeToROP2(test.Mode), GetROP2(canvas->Handle()));
  }
  for (int row = 0; row < 3; ++row) {
    SCOPED_TRACE(row);
    canvas->Pen()->SetMode(cases[row].Mode);
    canvas->MoveTo(0, row);
    canvas->LineTo(10, row);
    EXPECT_EQ(cases[row].Expected, PixelAt(bitmap, 5, row));
  }
  TPen copy;
  copy.Assign(canvas->Pen());
  EXPECT_EQ(pmXor, copy.Mode());
}

TEST(DrawingTools, AFontTurnedByItsOrientationWritesUpwards) {
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf32bit);
  bitmap.SetSize(80, 80);
  TCanvas* canvas = bitmap.Canvas();
  canvas->Font()->SetName(L"Arial");
  canvas->Font()->SetSize(12);
  const auto inkBox = [&](int X, int Y) {
    canvas->Brush()->SetColor(clWhite);
    canvas->FillRect(TRect(0, 0, 80, 80));
    canvas->Brush()->SetStyle(bsClear);
    canvas->TextOut(X, Y, L"WWWW");
    TRect box(80, 80, 0, 0);
    for (int y = 0; y < 80; ++y)
      for (int x = 0; x < 80; ++x)
        if (PixelAt(bitmap, x, y) != clWhite)
          box = TRect(std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
                      std::max(box.Bottom, y + 1));
    return box;
  };
  const TRect level = inkBox(5, 5);
  EXPECT_GT(level.Width(), level.Height());
  canvas->Font()->SetOrientation(900);
  const TRect upwards = inkBox(30, 75);
  EXPECT_GT(upwards.Height(), upwards.Width());
  EXPECT_LE(upwards.Bottom, 76);  // from the starting point up
  EXPECT_GE(upwards.Left, 30);
  LOGFONTW font{};
  GetObjectW(canvas->Font()->Handle(), sizeof(font), &font);
  EXPECT_EQ(900, font.lfEscapement);
}

TEST(DrawingTools, ToolsTakeOverHandlesMadeElsewhere) {
  LOGFONTW logical{};
  logical.lfHeight = -20;
  logical.lfWeight = FW_BOLD;
  logical.lfItalic = TRUE;
  logical.lfEscapement = 450;
  wcscpy(logical.lfFaceName, L"Arial");
  HFONT handle = CreateFontIndirectW(&logical);
  TFont font;
  int changes = 0;
  font.OnChange = [&](TObject*) { ++changes; };
  font.SetHandle(handle);
  EXPECT_EQ(handle, font.Handle());
  EXPECT_EQ(1, changes);
  EXPECT_EQ(L"Arial", font.Name());
  EXPECT_EQ(-20, font.Height());
  EXPECT_EQ(TFontStyles({fsBold, fsItalic}), font.Style());
  EXPECT_EQ(450, font.Orientation());
  font.SetSize(20);  // a change makes a font of the attributes again
  EXPECT_NE(handle, font.Handle());
  GetObjectW(font.Handle(), sizeof(logical), &logical);
  EXPECT_EQ(450, logical.lfEscapement);

  TBrush brush;
  brush.SetHandle(GetSysColorBrush(COLOR_HIGHLIGHT));
  EXPECT_EQ(GetSysColorBrush(COLOR_HIGHLIGHT), brush.Handle());
  EXPECT_EQ(static_cast<TColor>(GetSysColor(COLOR_HIGHLIGHT)), brush.Color());
  EXPECT_EQ(bsSolid, brush.Style());
  brush.SetHandle(CreateHatchBrush(HS_CROSS, RGB(1, 2, 3)));
  EXPECT_EQ(bsCross, brush.Style());
  EXPECT_EQ(static_cast<TColor>(RGB(1, 2, 3)), brush.Color());
  EXPECT_NE(nullptr, GetSysColorBrush(COLOR_HIGHLIGHT));  // the system's brush lives on
  EXPECT_THROW(brush.SetHandle(nullptr), EInvalidGraphicOperation);
}
