#include "components/editors-rich/cxClock.h"

#include <cmath>

#include "components/core/cxDateUtils.h"

TcxClock::TcxClock(TComponent* AOwner) : TcxControl(AOwner) {
  SetControlStyle(ControlStyle() + TControlStyle{csOpaque});
  TcxControl::SetBounds(Left(), Top(), 130, 130);
}

void TcxClock::SetTime(TDateTime AValue) {
  const TDateTime time = cxExtractTimePart(AValue);
  if (time == FTime) return;
  FTime = time;
  Invalidate();
}

void TcxClock::SetTransparent(bool AValue) {
  if (AValue == FTransparent) return;
  FTransparent = AValue;
  SetControlStyle(AValue ? ControlStyle() - TControlStyle{csOpaque} : ControlStyle() + TControlStyle{csOpaque});
  Invalidate();
}

void TcxClock::SetAutoSize(bool AValue) {
  if (AValue == FAutoSize) return;
  FAutoSize = AValue;
  if (FAutoSize) SetBounds(Left(), Top(), Width(), Height());
}

void TcxClock::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (FAutoSize) {
    const TSize size = GetPainter()->ClockSize();
    AWidth = size.cx;
    AHeight = size.cy;
  }
  TcxControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  // The parent's image under a transparent clock has moved with it.
  if (FTransparent) Invalidate();
}

TColor TcxClock::BackgroundColor() {
  if (FTransparent) return clNone;
  const TColor content = GetPainter()->DefaultDateNavigatorContentColor();
  return Color() == clWindow && content != clDefault && content != clNone ? content : Color();
}

void TcxClock::DoPaint() {
  TcxControl::DoPaint();
  const TRect client = ClientRect();
  if (FTransparent) cxPaintParentImage(this, Canvas(), client);
  GetPainter()->DrawClock(Canvas(), client, FTime, BackgroundColor());
}

void TcxClock::LookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues) {
  TcxControl::LookAndFeelChanged(Sender, AChangedValues);
  if (FAutoSize) SetBounds(Left(), Top(), Width(), Height());
  Invalidate();
}
