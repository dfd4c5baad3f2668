// The zoom track bar: two halves with their own scales, ticks and steps
// around 100, and drags that snap to 100.
#include "components/editors-basic/dxZoomTrackBar.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int Hundred = 100;

// The platform's rounding: halves go to the even neighbour.
int RoundHalfEven(double AValue) { return static_cast<int>(std::nearbyint(AValue)); }

}  // namespace

// ---------------------------------------------------------------- range options

void TdxZoomTrackBarRangeOptions::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TdxZoomTrackBarRangeOptions*>(Source);
  if (!source) return TcxOwnedPersistent::Assign(Source);
  SetFrequency(source->Frequency());
  SetLineSize(source->LineSize());
  SetPageSize(source->PageSize());
}

void TdxZoomTrackBarRangeOptions::Store(int& AField, int AValue) {
  if (AField == AValue) return;
  AField = AValue;
  if (OnChanged) OnChanged(this);
}

void TdxZoomTrackBarRangeOptions::SetFrequency(int AValue) { Store(FFrequency, std::max(AValue, 0)); }
void TdxZoomTrackBarRangeOptions::SetLineSize(int AValue) { Store(FLineSize, std::max(AValue, 1)); }
void TdxZoomTrackBarRangeOptions::SetPageSize(int AValue) { Store(FPageSize, std::max(AValue, 1)); }

// ---------------------------------------------------------------- properties

TdxCustomZoomTrackBarProperties::TdxCustomZoomTrackBarProperties(TPersistent* AOwner)
    : TcxCustomTrackBarProperties(AOwner),
      FFirstRange(std::make_unique<TdxZoomTrackBarRangeOptions>(this)),
      FSecondRange(std::make_unique<TdxZoomTrackBarRangeOptions>(this)) {
  FFirstRange->OnChanged = FSecondRange->OnChanged = [this](TObject*) { Changed(); };
  FMin = 10;
  FMax = 500;
  SetShowChangeButtons(true);
  SetShowTicks(false);
  SetThumbHeight(20);
  SetThumbWidth(10);
  SetTrackSize(10);
  SetThumbStep(cxtsJump);
}

void TdxCustomZoomTrackBarProperties::SetMax(int AValue) { Store(FMax, std::max(AValue, Hundred)); }
void TdxCustomZoomTrackBarProperties::SetMin(int AValue) { Store(FMin, std::min(AValue, Hundred)); }

TcxEditViewInfoClass TdxCustomZoomTrackBarProperties::GetViewInfoClass() const {
  return TcxEditViewInfoClass::Of<TdxCustomZoomTrackBarViewInfo>();
}

TcxEditViewDataClass TdxCustomZoomTrackBarProperties::ViewDataClass() const {
  return TcxEditViewDataClass::Of<TdxCustomZoomTrackBarViewData>();
}

void TdxCustomZoomTrackBarProperties::AssignSettings(TcxCustomEditProperties* Source) {
  TcxCustomTrackBarProperties::AssignSettings(Source);
  auto* source = dynamic_cast<TdxCustomZoomTrackBarProperties*>(Source);
  if (!source) return;
  FFirstRange->Assign(source->FirstRange());
  FSecondRange->Assign(source->SecondRange());
}

// ---------------------------------------------------------------- view info

TdxCustomZoomTrackBarProperties* TdxCustomZoomTrackBarViewInfo::ZoomProperties() const {
  return static_cast<TdxCustomZoomTrackBarProperties*>(Properties);
}

void TdxCustomZoomTrackBarViewInfo::CalculateMajorTicks() { FMajorTicks = {Min, Max, Hundred}; }

void TdxCustomZoomTrackBarViewInfo::CalculateMinorTicks() {
  FMinorTicks.clear();
  if (FrequencyLeft >= 1)
    for (int tick = Min + FrequencyLeft; tick < Hundred; tick += FrequencyLeft) FMinorTicks.push_back(tick);
  if (FrequencyRight >= 1)
    for (int tick = Hundred + FrequencyRight; tick < Max; tick += FrequencyRight) FMinorTicks.push_back(tick);
}

int TdxCustomZoomTrackBarViewInfo::GetOffset(int APosition) const {
  return RoundHalfEven(PixelsPerPositionFirstRange * (std::min(APosition, Hundred) - Min)) + ThumbSize / 2 +
         RoundHalfEven(PixelsPerPositionSecondRange * std::max(APosition - Hundred, 0));
}

bool TdxCustomZoomTrackBarViewInfo::IsValueTick(int AValue) const {
  return AValue == Hundred || TcxCustomTrackBarViewInfo::IsValueTick(AValue);
}

// Steps never pass 100: a step that would is cut at 100.
int TdxCustomZoomTrackBarViewInfo::GetNewPosition(int APosition, bool AIncrease, bool AIsLine, bool ASnap) const {
  const bool up = AIncrease != ReverseDirection;
  const TdxZoomTrackBarRangeOptions* first = ZoomProperties()->FirstRange();
  const TdxZoomTrackBarRangeOptions* second = ZoomProperties()->SecondRange();
  const int firstStep = AIsLine ? first->LineSize() : first->PageSize();
  const int secondStep = AIsLine ? second->LineSize() : second->PageSize();
  int step;
  if (APosition < Hundred)
    step = up && Hundred - APosition <= firstStep ? Hundred - APosition : firstStep;
  else if (APosition > Hundred)
    step = !up && APosition - Hundred <= secondStep ? APosition - Hundred : secondStep;
  else
    step = up ? secondStep : firstStep;
  const int value = up ? APosition + step : APosition - step;
  if (!ASnap || value == Hundred) return value;
  const double steps = static_cast<double>(value - Hundred) / step;
  return Hundred + static_cast<int>(up ? std::floor(steps) : std::ceil(steps)) * step;
}

int TdxCustomZoomTrackBarViewInfo::GetPositionAtPoint(int X, int Y) const {
  const int along = Helper().Along(TPoint(X, Y));
  const double p1 = PixelsPerPositionFirstRange, p2 = PixelsPerPositionSecondRange;
  if (along < TrackRect.Left + TrackRect.Width() / 2) {
    const int c = along - TrackRect.Left - Helper().AlongExtent(VisibleThumbRect()) / 2;
    return ReverseDirection ? Max - static_cast<int>(c / p2) : Min + static_cast<int>(c / p1);
  }
  const int c = along - TrackRect.Left - TrackRect.Width() / 2;
  return ReverseDirection ? Hundred - static_cast<int>(c / p1) : Hundred + static_cast<int>(c / p2);
}

// The mark at 100 shows even without ticks.
void TdxCustomZoomTrackBarViewInfo::DrawContent(TcxCanvas* ACanvas) {
  TcxCustomTrackBarViewInfo::DrawContent(ACanvas);
  if (!ShowTicks) DrawTick(ACanvas, Hundred, true);
}

// ---------------------------------------------------------------- view data

void TdxCustomZoomTrackBarViewData::CalculateViewInfoProperties(TcxCustomTrackBarViewInfo* AViewInfo) {
  auto* viewInfo = static_cast<TdxCustomZoomTrackBarViewInfo*>(AViewInfo);
  auto* properties = static_cast<TdxCustomZoomTrackBarProperties*>(Properties());
  viewInfo->FrequencyLeft = properties->FirstRange()->Frequency();
  viewInfo->FrequencyRight = properties->SecondRange()->Frequency();
  TcxCustomTrackBarViewData::CalculateViewInfoProperties(AViewInfo);
}

void TdxCustomZoomTrackBarViewData::CalculatePixelsPerPositionStep(TcxCustomTrackBarViewInfo* AViewInfo) {
  TcxCustomTrackBarViewData::CalculatePixelsPerPositionStep(AViewInfo);
  auto* viewInfo = static_cast<TdxCustomZoomTrackBarViewInfo*>(AViewInfo);
  const double length = viewInfo->TrackRect.Width() - viewInfo->ThumbSize;
  viewInfo->PixelsPerPositionFirstRange = length / (2.0 * std::max(Hundred - viewInfo->Min, 1));
  viewInfo->PixelsPerPositionSecondRange = length / (2.0 * std::max(viewInfo->Max - Hundred, 1));
}

// ---------------------------------------------------------------- controller

int TdxZoomTrackBarController::GetPositionFromMouse(int X, int Y) {
  auto* v = static_cast<TdxCustomZoomTrackBarViewInfo*>(ViewInfo());
  const double p1 = v->PixelsPerPositionFirstRange, p2 = v->PixelsPerPositionSecondRange;
  const int start = StoredPosition();
  const int m = MouseDistance(X, Y);
  // k: the pixels from where the drag began to the mark at 100.
  int k, result;
  if (start <= Hundred) {
    k = static_cast<int>((Hundred - start) * p1);
    result = m <= k ? start + RoundHalfEven(m / p1) : start + RoundHalfEven(k / p1 + (m - k) / p2);
  } else {
    k = static_cast<int>((Hundred - start) * p2);
    result = m >= k ? start + RoundHalfEven(m / p2) : start + RoundHalfEven((m - k) / p1 + k / p2);
  }
  if (std::abs(m) > 10) FCanThumbJumpToCenter = true;
  if (std::abs(m - k) < 5 && (FCanThumbJumpToCenter || std::abs(k) > 5)) result = Hundred;
  return result;
}

void TdxZoomTrackBarController::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TcxTrackBarController::MouseDown(Button, Shift, X, Y);
  FCanThumbJumpToCenter = false;
}
