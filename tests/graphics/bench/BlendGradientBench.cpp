// Compares the library's own alpha blend and gradient fill of a 1920x1080
// 32-bit bitmap with the platform's AlphaBlend and GradientFill on the same
// bitmaps, and prints the ratios.
//   cmake --build $CONVERSAO_BUILD --target bench_graphics_blend
//   wine $CONVERSAO_BUILD/tests/graphics/bench_graphics_blend.exe
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>

#include "components/core/cxGraphics.h"
#include "vcl/graphics/Canvas.h"
#include "vcl/rtl/UnitStartup.h"

const TUnitTable& ProgramUnits() {
  static const TUnitTable units{cxGraphicsUnit};
  return units;
}

namespace {

constexpr int Width = 1920;
constexpr int Height = 1080;
constexpr int Rounds = 5;

std::unique_ptr<TBitmap> NewBitmap() {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetPixelFormat(pf32bit);
  bitmap->SetSize(Width, Height);
  return bitmap;
}

// A half-transparent source with premultiplied colours.
void FillSource(TBitmap* ABitmap) {
  for (int y = 0; y < Height; ++y) {
    auto* row = static_cast<uint32_t*>(ABitmap->ScanLine(y));
    for (int x = 0; x < Width; ++x) {
      const uint32_t alpha = (x + y) & 0xFF;
      row[x] = alpha << 24 | (alpha * (x & 0xFF) / 255) << 16 | (alpha * (y & 0xFF) / 255) << 8 | alpha / 2;
    }
  }
}

// The best of several rounds, in milliseconds.
template <class TWork>
double BestTime(TWork AWork) {
  double best = 1e300;
  for (int round = 0; round < Rounds; ++round) {
    const auto start = std::chrono::steady_clock::now();
    AWork();
    GdiFlush();
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    best = std::min(best, elapsed.count());
  }
  return best;
}

void Report(const char* AWhat, double AOwn, double APlatform) {
  std::printf("%-14s own %8.2f ms  platform %8.2f ms  own/platform %.2f\n", AWhat, AOwn, APlatform,
              AOwn / APlatform);
}

}  // namespace

int main() {
  TUnitStartup startup;
  if (!cxAlphaBlendBound() || !cxGradientFillBound()) {
    std::printf("msimg32 has no AlphaBlend or GradientFill here\n");
    return 1;
  }
  auto dest = NewBitmap();
  auto source = NewBitmap();
  FillSource(source.get());
  HDC destDC = dest->Canvas()->Handle();
  HDC sourceDC = source->Canvas()->Handle();
  const TRect bounds(0, 0, Width, Height);

  Report("alpha blend", BestTime([&] { cxBlendBitmapPixels(dest.get(), source.get(), 200); }),
         BestTime([&] { cxSystemAlphaBlend(destDC, sourceDC, bounds, bounds, 200); }));
  Report("gradient fill", BestTime([&] { cxSoftwareGradientFill(destDC, bounds, clNavy, clYellow, true); }),
         BestTime([&] { cxFillRectWithGradient(destDC, bounds, clNavy, clYellow, true); }));
  return 0;
}
