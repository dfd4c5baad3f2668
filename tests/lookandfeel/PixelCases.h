#pragma once
// A table of drawings and the pixels each must leave: a case draws on a
// fresh surface of paper and names the pixels to probe with the colour
// each must have.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "tests/graphics/PaintSurface.h"

// A background no system colour is likely to match.
constexpr TColor PixelCasePaper = TColor(0x5A3C1E);

struct TPixelProbe {
  int X, Y;
  TColor Color;  // a system colour is compared by its RGB value
};

struct TPixelCase {
  const char* Name;
  std::function<void(TcxCanvas* ACanvas)> Draw;
  std::vector<TPixelProbe> Probes;
};

inline void CheckPixelCases(const std::vector<TPixelCase>& ACases, int AWidth = 64, int AHeight = 40) {
  for (const TPixelCase& c : ACases) {
    SCOPED_TRACE(c.Name);
    TPaintSurface surface(AWidth, AHeight, PixelCasePaper);
    c.Draw(surface.Canvas.get());
    for (const TPixelProbe& probe : c.Probes)
      EXPECT_EQ(SysRGB(probe.Color), surface.Pixel(probe.X, probe.Y)) << "at (" << probe.X << ", " << probe.Y << ")";
  }
}

// What a drawing leaves on a fresh surface of paper.
inline std::unique_ptr<TPaintSurface> DrawnSurface(const std::function<void(TcxCanvas*)>& ADraw, int AWidth = 64,
                                                   int AHeight = 40) {
  auto surface = std::make_unique<TPaintSurface>(AWidth, AHeight, PixelCasePaper);
  ADraw(surface->Canvas.get());
  return surface;
}
