// The control unit's routines on shown windows: painting through the
// system's paint buffer, and the window under a screen point.
#include <gtest/gtest.h>

#include <filesystem>

#include "components/controls/cxControls.h"
#include "tests/guiharness/FormFixture.h"
#include "tests/guiharness/WindowCapture.h"

namespace {

void Fill(HDC DC, const RECT& R, COLORREF AColor) {
  SetDCBrushColor(DC, AColor);
  FillRect(DC, &R, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

// Paints through cxBufferedPaintWindow: a red background when erased, a
// blue square when printed.
class TBufferedControl : public TCustomControl {
public:
  using TCustomControl::TCustomControl;
  int Erases = 0;
  int ErasesFromOwnPrint = 0;
  int Prints = 0;

protected:
  void WndProc(TMessage& Message) override {
    switch (Message.Msg) {
      case WM_PAINT:
        cxBufferedPaintWindow(Handle());
        return;
      case WM_ERASEBKGND:
        ++Erases;
        if (cxIsEraseFromOwnPrint(Message)) ++ErasesFromOwnPrint;
        Fill(reinterpret_cast<HDC>(Message.WParam), RECT{0, 0, Width(), Height()}, RGB(255, 0, 0));
        Message.Result = 1;
        return;
      case WM_PRINTCLIENT:
        ++Prints;
        Fill(reinterpret_cast<HDC>(Message.WParam), RECT{10, 10, 30, 30}, RGB(0, 0, 255));
        return;
    }
    TCustomControl::WndProc(Message);
  }
};

}  // namespace

TEST_F(FormFixture, ABufferedPaintErasesAndPrintsTheClientIntoTheBuffer) {
  Form->SetBounds(100, 100, 200, 160);
  auto* control = Add<TBufferedControl>(8, 8);
  control->SetBounds(8, 8, 60, 50);
  Form->Show();
  control->Invalidate();
  auto picture = CaptureWindow(control);
  EXPECT_GE(control->Prints, 1);
  EXPECT_GE(control->ErasesFromOwnPrint, 1);
  EXPECT_EQ(clRed, PixelColor(*picture, 2, 2));
  EXPECT_EQ(clRed, PixelColor(*picture, 59, 49));
  EXPECT_EQ(clBlue, PixelColor(*picture, 10, 10));
  EXPECT_EQ(clBlue, PixelColor(*picture, 29, 29));
  EXPECT_EQ(clRed, PixelColor(*picture, 30, 30));
  std::filesystem::create_directories("artifacts");
  SaveAsPng(*picture, L"artifacts\\BufferedPaint.png");
}

TEST_F(FormFixture, TheWindowUnderAPointSkipsHiddenChildren) {
  Form->SetBounds(100, 100, 240, 180);
  auto* panel = Add<TCustomControl>(10, 10);
  panel->SetBounds(10, 10, 150, 120);
  auto* hidden = new TCustomControl(Form);
  hidden->SetParent(panel);
  hidden->SetBounds(20, 20, 40, 40);
  auto* shown = new TCustomControl(Form);
  shown->SetParent(panel);
  shown->SetBounds(80, 20, 40, 40);
  Form->Show();
  hidden->Hide();
  EXPECT_EQ(panel->Handle(), cxWindowAtScreenPoint(hidden->ClientToScreen({5, 5})));
  EXPECT_EQ(shown->Handle(), cxWindowAtScreenPoint(shown->ClientToScreen({5, 5})));
  EXPECT_EQ(Form->Handle(), cxWindowAtScreenPoint(Form->ClientToScreen({200, 150})));
}
