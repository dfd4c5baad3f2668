// The canvas wrapper's tools beyond the framework's: rotated fonts, pen
// modes read from a context, the system-colour brushes and the lock a
// saved context keeps.
#include <gtest/gtest.h>

#include <thread>

#include "PaintSurface.h"

namespace {

bool LockableElsewhere(TCanvas* ACanvas) {
  bool locked = false;
  std::thread other([&] {
    locked = ACanvas->TryLock();
    if (locked) ACanvas->Unlock();
  });
  other.join();
  return locked;
}

TEST(cxCanvasFont, AnAngleTurnsTheTextAndZeroTurnsItBack) {
  TPaintSurface surface(100, 100, clWhite);
  TcxCanvas& canvas = *surface.Canvas;
  canvas.Font()->SetName(L"Arial");
  canvas.Font()->SetSize(12);
  canvas.Font()->SetColor(clBlack);
  canvas.Brush()->SetStyle(bsClear);
  canvas.SetFontAngle(90);
  LOGFONTW font{};
  GetObjectW(canvas.Font()->Handle(), sizeof(font), &font);
  EXPECT_EQ(900, font.lfEscapement);
  EXPECT_EQ(OUT_TT_ONLY_PRECIS, font.lfOutPrecision);
  EXPECT_EQ(L"Arial", canvas.Font()->Name());
  canvas.TextOut(40, 90, L"WWWW");
  const TRect upwards = surface.BoundsOfPixelsOtherThan(clWhite);
  EXPECT_GT(upwards.Height(), 2 * upwards.Width());
  EXPECT_LE(upwards.Bottom, 91);

  canvas.SetFontAngle(0);
  GetObjectW(canvas.Font()->Handle(), sizeof(font), &font);
  EXPECT_EQ(0, font.lfEscapement);
  canvas.FillRect(TRect(0, 0, 100, 100), clWhite);
  canvas.Brush()->SetStyle(bsClear);
  canvas.TextOut(5, 5, L"WWWW");
  const TRect level = surface.BoundsOfPixelsOtherThan(clWhite);
  EXPECT_GT(level.Width(), 2 * level.Height());
}

TEST(cxCanvasPen, ThePenModeIsReadFromTheContextsRasterOperation) {
  TPaintSurface surface(4, 4);
  HDC dc = surface.Canvas->Handle();
  for (int mode = static_cast<int>(pmBlack); mode <= static_cast<int>(pmNotXor); ++mode) {
    SCOPED_TRACE(mode);
    SetROP2(dc, PenModeToROP2(static_cast<TPenMode>(mode)));
    EXPECT_EQ(static_cast<TPenMode>(mode), cxPenModeFromDC(dc));
  }
  SetROP2(dc, R2_XORPEN);
  TCanvas copy;
  cxSynchronizeCanvasObjects(&copy, dc);
  EXPECT_EQ(pmXor, copy.Pen()->Mode());
}

TEST(cxSystemColorBrushes, OneBrushPerSystemColourOnTheSystemsOwnBrush) {
  const auto& brushes = cxSystemColorBrushes();
  ASSERT_EQ(31u, brushes.size());
  for (int index = 0; index < 31; ++index) {
    SCOPED_TRACE(index);
    EXPECT_EQ(GetSysColorBrush(index), brushes[index]->Handle());
    EXPECT_EQ(static_cast<TColor>(GetSysColor(index)), brushes[index]->Color());
  }
  TPaintSurface surface(4, 4);
  surface.Canvas->Brush()->Assign(brushes[COLOR_HIGHLIGHT].get());
  surface.Canvas->FillRect(TRect(0, 0, 4, 4));
  EXPECT_EQ(SysRGB(clHighlight), surface.Pixel(2, 2));
}

TEST(cxCanvasState, ASavedContextKeepsTheFrameworkCanvasLockedUntilRestored) {
  TPaintSurface surface(4, 4);
  TCanvas* wrapped = surface.Canvas->Canvas();
  surface.Canvas->SaveState();
  surface.Canvas->SaveDC();
  EXPECT_EQ(2, wrapped->LockCount());
  EXPECT_FALSE(LockableElsewhere(wrapped));
  surface.Canvas->RestoreDC();
  EXPECT_FALSE(LockableElsewhere(wrapped));
  surface.Canvas->RestoreState();
  EXPECT_EQ(0, wrapped->LockCount());
  EXPECT_TRUE(LockableElsewhere(wrapped));
}

}  // namespace
