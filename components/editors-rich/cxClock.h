#pragma once
// A small analog clock: face and hands drawn by the look-and-feel painter.
#include "components/controls/cxControls.h"

class TcxClock : public TcxControl {
  VCL_COMPONENT_CLASS(TcxClock, TcxControl)
public:
  // 130 x 130 at the current position.
  explicit TcxClock(TComponent* AOwner);

  // Only the time of day is kept; the date part is dropped.
  TDateTime Time() const { return FTime; }
  void SetTime(TDateTime AValue);
  // A transparent clock shows its parent's image under the face.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool AValue);
  // An auto-sized clock takes the painter's clock size.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool AValue);

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
  void DoPaint() override;
  void LookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues) override;
  bool HasScrollBars() override { return false; }

private:
  TColor BackgroundColor();

  TDateTime FTime = 0;
  bool FTransparent = false;
  bool FAutoSize = false;
};
