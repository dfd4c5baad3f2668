// Draws every element of the root painter's families once per state into a
// 32-bit bitmap, round after round, and prints the elements drawn per second
// (the best round, so that a busy machine disturbs the figure least).
//   cmake --build $CONVERSAO_BUILD --target bench_lookandfeel_families
//   wine $CONVERSAO_BUILD/tests/lookandfeel/bench_lookandfeel_families.exe
#include <algorithm>
#include <chrono>
#include <cstdio>

#include "components/core/cxClasses.h"
#include "components/core/cxGeometry.h"
#include "components/core/cxGraphics.h"
#include "components/core/cxLibraryStrs.h"
#include "components/core/cxMessageWindow.h"
#include "components/core/dxCore.h"
#include "components/core/dxGdiPlusApi.h"
#include "components/core/dxGdiPlusClasses.h"
#include "components/core/dxThemeManager.h"
#include "components/core/dxUxTheme.h"
#include "components/lookandfeel/cxLookAndFeels.h"
#include "tests/lookandfeel/FamilyCatalogue.h"
#include "vcl/controls/Application.h"
#include "vcl/controls/Controls.h"
#include "vcl/rtl/UnitStartup.h"

// The units the painters draw with, in the program's order.
const TUnitTable& ProgramUnits() {
  static const TUnitTable units{ControlsUnit,         ApplicationUnit, dxCoreUnit,         cxLibraryStrsUnit,
                                cxGeometryUnit,       cxMessageWindowUnit, cxClassesUnit,  dxGdiPlusApiUnit,
                                dxUxThemeUnit,        dxThemeManagerUnit,  cxGraphicsUnit, dxGdiPlusClassesUnit,
                                cxLookAndFeelPaintersUnit, cxLookAndFeelsUnit};
  return units;
}

int main() {
  TUnitStartup startup;
  TcxCustomLookAndFeelPainter painter;
  TBitmap bitmap;
  bitmap.SetPixelFormat(pf32bit);
  bitmap.SetSize(256, 256);
  TcxCanvas canvas(bitmap.Canvas());
  const auto drawAll = [&] {
    int count = 0;
    for (const TFamilyElement& element : FamilyElements())
      for (int state = 0; state < static_cast<int>(element.States.size()); ++state, ++count) {
        canvas.SaveState();
        element.Draw(painter, &canvas, TRect(8, 8, 8 + element.Size.cx, 8 + element.Size.cy), state);
        canvas.RestoreState();
      }
    GdiFlush();
    return count;
  };
  drawAll();  // the pictures are loaded once, outside the timing
  double best = 0;
  int perRound = 0;
  for (int round = 0; round < 10; ++round) {
    const auto start = std::chrono::steady_clock::now();
    perRound = drawAll();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    best = std::max(best, perRound / elapsed.count());
  }
  std::printf("%d element states per round, best %.0f elements per second\n", perRound, best);
  return 0;
}
