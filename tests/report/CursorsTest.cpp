// The hand cursors of report previews, loaded from the program's resources
// and drawn for real.
#include <gtest/gtest.h>

#include "report/RLCursors.h"
#include "tests/guiharness/WindowCapture.h"
#include "vcl/controls/Forms.h"
#include "vcl/graphics/Bitmap.h"
#include "vcl/rtl/WinApi.h"

namespace {

constexpr TColor Background = 0x808080;

// The cursor drawn at its own size on a grey square.
std::unique_ptr<TBitmap> DrawCursor(HCURSOR Cursor, int Size) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(pf32bit);
  bitmap->SetSize(Size, Size);
  bitmap->Canvas()->Brush()->SetColor(Background);
  bitmap->Canvas()->FillRect(TRect(0, 0, Size, Size));
  EXPECT_TRUE(DrawIconEx(bitmap->Canvas()->Handle(), 0, 0, Cursor, Size, Size, 0, nullptr, DI_NORMAL));
  return bitmap;
}

int CountPixels(TBitmap& Bitmap, TColor Color) {
  int count = 0;
  for (int y = 0; y < Bitmap.Height(); ++y)
    for (int x = 0; x < Bitmap.Width(); ++x) count += PixelColor(Bitmap, x, y) == Color;
  return count;
}

}  // namespace

TEST(CursorsTest, TheScreenHasBothHandsFromTheProgramsResources) {
  const HCURSOR open = Screen->Cursors(crRLHandOpen);
  const HCURSOR closed = Screen->Cursors(crRLHandClosed);
  ASSERT_NE(nullptr, open);
  ASSERT_NE(nullptr, closed);
  EXPECT_NE(open, closed);
  EXPECT_NE(LoadCursorW(nullptr, IDC_ARROW), open);

  // The hot spot lies in the palm, where a page is grabbed.
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(open, &info));
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(13u, info.xHotspot);
  EXPECT_EQ(16u, info.yHotspot);
  DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
}

TEST(CursorsTest, TheHandsAreWhiteWithABlackOutlineOnATransparentGround) {
  auto open = DrawCursor(Screen->Cursors(crRLHandOpen), 32);
  auto closed = DrawCursor(Screen->Cursors(crRLHandClosed), 32);
  for (TBitmap* hand : {open.get(), closed.get()}) {
    EXPECT_EQ(Background, PixelColor(*hand, 0, 0));
    EXPECT_EQ(Background, PixelColor(*hand, 31, 31));
    EXPECT_EQ(clWhite, PixelColor(*hand, 13, 18));  // the palm
    EXPECT_EQ(clBlack, PixelColor(*hand, 13, 24));  // the wrist's edge
    EXPECT_GT(CountPixels(*hand, clWhite), 150);
  }
  // The open hand's fingers reach far above the closed hand's.
  EXPECT_EQ(clWhite, PixelColor(*open, 12, 5));
  EXPECT_EQ(Background, PixelColor(*closed, 12, 5));

  // A sheet of both, four times enlarged, for a person to look at.
  TBitmap sheet;
  sheet.SetPixelFormat(pf32bit);
  sheet.SetSize(2 * 128 + 24, 128 + 16);
  sheet.Canvas()->Brush()->SetColor(Background);
  sheet.Canvas()->FillRect(TRect(0, 0, sheet.Width(), sheet.Height()));
  StretchBlt(sheet.Canvas()->Handle(), 8, 8, 128, 128, open->Canvas()->Handle(), 0, 0, 32, 32, SRCCOPY);
  StretchBlt(sheet.Canvas()->Handle(), 144, 8, 128, 128, closed->Canvas()->Handle(), 0, 0, 32, 32,
             SRCCOPY);
  CreateDirectoryW(L"artifacts", nullptr);
  SaveAsPng(sheet, L"artifacts\\ReportHandCursors.png");
}
