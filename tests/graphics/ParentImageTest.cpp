// The image of a control's parent painted under the control.
#include <gtest/gtest.h>

#include "PaintSurface.h"
#include "components/core/dxUxTheme.h"
#include "tests/guiharness/FormFixture.h"
#include "vcl/controls/StdCtrls.h"

namespace {

struct ParentImage : FormFixture {
  ParentImage() {
    Form->SetColor(clRed);
    Form->SetBounds(0, 0, 240, 160);
    Other = Add<TLabel>(60, 30);
    Other->SetBounds(60, 30, 30, 20);
    Other->SetColor(clLime);
    Control = Add<TLabel>(20, 30);
    Control->SetBounds(20, 30, 50, 40);
    Control->HandleNeeded();
    Other->HandleNeeded();
  }
  TLabel* Control;
  TLabel* Other;
};

TEST_F(ParentImage, TheParentsBackgroundLiesUnderTheControl) {
  TPaintSurface surface(50, 40, clBlue);
  cxPaintParentImage(Control, surface.Canvas.get(), TRect(0, 0, 50, 40), false);
  EXPECT_EQ(TRect(), surface.BoundsOfPixelsOtherThan(clRed));  // the sibling is left out
}

TEST_F(ParentImage, APartOfTheImageLandsAtTheDestinationsTopLeft) {
  TPaintSurface surface(30, 30, clBlue);
  cxPaintParentImageInto(Control, surface.Canvas.get(), TRect(30, 0, 50, 20), TRect(5, 5, 6, 6), true);
  EXPECT_EQ(clBlue, surface.Pixel(2, 2));
  EXPECT_EQ(clRed, surface.Pixel(6, 6));     // the parent at the control's (30, 0)
  EXPECT_EQ(clLime, surface.Pixel(16, 6));   // the sibling from the control's (40, 0)
  EXPECT_EQ(clLime, surface.Pixel(24, 24));  // ... all of it
  EXPECT_EQ(clBlue, surface.Pixel(26, 26));  // nothing beyond the 20 x 20 source
}

TEST_F(ParentImage, SiblingsAppearAlsoWhenTheSourceStartsAtTheControlsEdge) {
  TPaintSurface surface(50, 40, clBlue);
  cxPaintParentImage(Control, surface.Canvas.get(), TRect(0, 0, 50, 40), true);
  EXPECT_EQ(clRed, surface.Pixel(5, 5));
  EXPECT_EQ(clLime, surface.Pixel(45, 5));  // the sibling from the control's (40, 0)
  EXPECT_EQ(TRect(40, 0, 50, 20), surface.BoundsOfPixelsOtherThan(clRed));
}

TEST_F(ParentImage, TheThemedBackgroundIsTheParentsOwnWithoutItsOtherChildren) {
  ASSERT_TRUE(dxIsUxThemeLoaded());
  TPaintSurface surface(50, 40, clBlue);
  surface.Canvas->SetWindowOrg(TPoint(-5, -5));  // the control's (0, 0) lands at (5, 5)
  cxPaintParentBackground(Control, surface.Canvas.get(), TRect(0, 0, 40, 30));
  EXPECT_EQ(TRect(5, 5, 45, 35), surface.BoundsOfPixelsOtherThan(clBlue));
  EXPECT_EQ(clRed, surface.Pixel(44, 6));  // under the sibling
}

// Counts the WM_PRINT messages a window receives while it lives.
class TPrintCounter {
public:
  explicit TPrintCounter(HWND AWnd) : FWnd(AWnd) {
    Count = 0;
    FOld = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(AWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Proc)));
    Old = FOld;
  }
  ~TPrintCounter() { SetWindowLongPtrW(FWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FOld)); }
  static inline int Count = 0;

private:
  static LRESULT CALLBACK Proc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
    if (AMsg == WM_PRINT) ++Count;
    return CallWindowProcW(Old, AWnd, AMsg, AWParam, ALParam);
  }
  static inline WNDPROC Old = nullptr;
  HWND FWnd;
  WNDPROC FOld;
};

TEST_F(ParentImage, ADoubleBufferedParentIsPrintedRatherThanAskedThroughTheTheme) {
  ASSERT_TRUE(dxIsUxThemeLoaded());
  for (bool doubleBuffered : {false, true}) {
    SCOPED_TRACE(doubleBuffered);
    Form->SetDoubleBuffered(doubleBuffered);
    TPaintSurface surface(50, 40, clBlue);
    TPrintCounter counter(Form->Handle());
    cxPaintParentBackground(Control, surface.Canvas.get(), TRect(0, 0, 40, 30));
    EXPECT_EQ(doubleBuffered, TPrintCounter::Count > 0);
    EXPECT_EQ(clRed, surface.Pixel(10, 10));
  }
}

TEST_F(ParentImage, NothingWithoutAParent) {
  TLabel orphan(nullptr);
  TPaintSurface surface(10, 10, clBlue);
  cxPaintParentImage(&orphan, surface.Canvas.get(), TRect(0, 0, 10, 10));
  EXPECT_EQ(clBlue, surface.Pixel(5, 5));
}

}  // namespace
