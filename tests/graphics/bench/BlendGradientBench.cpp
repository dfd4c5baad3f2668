// Compares the library's own alpha blend of a 1920x1080 32-bit bitmap, and
// its gradient fill of 256 pixels along either direction, with the
// platform's AlphaBlend and GradientFill on the same bitmaps, and prints the
// ratios.
//   cmake --build $CONVERSAO_BUILD --target bench_graphics_blend
//   wine $CONVERSAO_BUILD/tests/graphics/bench_graphics_blend.exe
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>
#include <initializer_list>
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

// Milliseconds of one run of the work, its drawing finished.
template <class TWork>
double Time(TWork AWork) {
  const auto start = std::chrono::steady_clock::now();
  AWork();
  GdiFlush();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The best of several rounds of each, the two taking turns.
template <class TOwn, class TPlatform>
void Report(const char* AWhat, TOwn AOwn, TPlatform APlatform) {
  double own = 1e300, platform = 1e300;
  for (int round = 0; round < Rounds; ++round) {
    own = std::min(own, Time(AOwn));
    platform = std::min(platform, Time(APlatform));
  }
  std::printf("%-14s own %8.2f ms  platform %8.2f ms  own/platform %.2f\n", AWhat, own, platform,
              own / platform);
}

// The largest difference of one colour channel between the pixels the two
// draw along the gradient: both must draw the same picture.
template <class TOwn, class TPlatform>
int ChannelDifference(TBitmap* ABitmap, bool AHorizontal, TOwn AOwn, TPlatform APlatform) {
  auto line = [&](auto ADraw) {
    ADraw();
    GdiFlush();
    std::vector<uint32_t> pixels;
    for (int i = 0; i < 256; ++i)
      pixels.push_back(static_cast<uint32_t*>(ABitmap->ScanLine(AHorizontal ? 10 : i))[AHorizontal ? i : 10]);
    return pixels;
  };
  const std::vector<uint32_t> own = line(AOwn), platform = line(APlatform);
  int difference = 0;
  for (int i = 0; i < 256; ++i)
    for (int shift : {0, 8, 16})
      difference = std::max(difference, std::abs(int(own[i] >> shift & 0xFF) - int(platform[i] >> shift & 0xFF)));
  return difference;
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

  Report("alpha blend", [&] { cxBlendBitmapPixels(dest.get(), source.get(), 200); },
         [&] { cxSystemAlphaBlend(destDC, sourceDC, bounds, bounds, 200); });
  // The library's own gradient draws at most 256 bands: over 256 pixels
  // along the gradient both draw one colour per pixel row or column.
  for (const bool horizontal : {true, false}) {
    const TRect band = horizontal ? TRect(0, 0, 256, Height) : TRect(0, 0, Width, 256);
    const auto own = [&] { cxSoftwareGradientFill(destDC, band, clNavy, clYellow, horizontal); };
    const auto platform = [&] { cxFillRectWithGradient(destDC, band, clNavy, clYellow, horizontal); };
    Report(horizontal ? "gradient horz" : "gradient vert", own, platform);
    std::printf("               largest channel difference between the two: %d\n",
                ChannelDifference(dest.get(), horizontal, own, platform));
  }
  return 0;
}
