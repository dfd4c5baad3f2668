#pragma once
// What the tests of the root painter's element families share: the painter
// with its protected operations reachable, and a font to draw text with.
#include <memory>

#include "components/lookandfeel/cxLookAndFeelPainters.h"
#include "tests/graphics/PaintSurface.h"

struct TFamilyPainter : TcxCustomLookAndFeelPainter {
  using TcxCustomLookAndFeelPainter::DrawMonthHeaderArrows;
  using TcxCustomLookAndFeelPainter::DrawSchedulerNavigationButtonFrame;
  using TcxCustomLookAndFeelPainter::DrawSortingMarkArrow;
  using TcxCustomLookAndFeelPainter::DrawSummarySortingMarkArrow;
  using TcxCustomLookAndFeelPainter::ScrollBarArrowDirection;
};

inline std::unique_ptr<TFont> SampleFont() {
  auto font = std::make_unique<TFont>();
  font->SetName(L"Tahoma");
  font->SetHeight(-11);
  return font;
}

// The bounding box of the pixels of one colour (empty for none).
inline TRect BoundsOfColour(TPaintSurface& ASurface, TColor AColor) {
  TRect result(ASurface.Bitmap.Width(), ASurface.Bitmap.Height(), 0, 0);
  for (int y = 0; y < ASurface.Bitmap.Height(); ++y)
    for (int x = 0; x < ASurface.Bitmap.Width(); ++x)
      if (ASurface.Pixel(x, y) == AColor)
        result = TRect(std::min(result.Left, x), std::min(result.Top, y), std::max(result.Right, x + 1),
                       std::max(result.Bottom, y + 1));
  return result.IsEmpty() ? TRect() : result;
}

// Whether two surfaces of one size hold the same pixels.
inline bool SamePixels(TPaintSurface& A, TPaintSurface& B) {
  for (int y = 0; y < A.Bitmap.Height(); ++y)
    for (int x = 0; x < A.Bitmap.Width(); ++x)
      if (A.Pixel(x, y) != B.Pixel(x, y)) return false;
  return true;
}
