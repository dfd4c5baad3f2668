#pragma once
// A 32-bit bitmap to paint on through a TcxCanvas, and its pixels.
#include <memory>

#include "components/core/cxGraphics.h"
#include "tests/guiharness/WindowCapture.h"

struct TPaintSurface {
  TPaintSurface(int AWidth, int AHeight, TColor AColor = clBlack) {
    Bitmap.SetPixelFormat(pf32bit);
    Bitmap.SetSize(AWidth, AHeight);
    Canvas = std::make_unique<TcxCanvas>(Bitmap.Canvas());
    Canvas->FillRect(TRect(0, 0, AWidth, AHeight), AColor);
  }
  TColor Pixel(int X, int Y) {
    GdiFlush();
    return PixelColor(Bitmap, X, Y);
  }
  // The bounding box of the pixels that are not AColor (empty for none).
  TRect BoundsOfPixelsOtherThan(TColor AColor) {
    TRect result(Bitmap.Width(), Bitmap.Height(), 0, 0);
    for (int y = 0; y < Bitmap.Height(); ++y)
      for (int x = 0; x < Bitmap.Width(); ++x)
        if (Pixel(x, y) != AColor) result = TRect(std::min(result.Left, x), std::min(result.Top, y),
                                                   std::max(result.Right, x + 1), std::max(result.Bottom, y + 1));
    return result.IsEmpty() ? TRect() : result;
  }
  int CountOf(TColor AColor) {
    int count = 0;
    for (int y = 0; y < Bitmap.Height(); ++y)
      for (int x = 0; x < Bitmap.Width(); ++x) count += Pixel(x, y) == AColor;
    return count;
  }

  TBitmap Bitmap;
  std::unique_ptr<TcxCanvas> Canvas;
};

inline TColor SysRGB(TColor AColor) { return static_cast<TColor>(ColorToRGB(AColor)); }
