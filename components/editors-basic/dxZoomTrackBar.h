#pragma once
// The zoom track bar: a track bar for a zoom percentage whose track is
// split into two halves of equal length, Min..100 and 100..Max, each with
// its own scale, tick frequency and steps. A host (the image editor's zoom
// bar) shows it through IcxTrackBar.
#include "components/core/dxCoreClasses.h"
#include "components/editors-basic/cxTrackBar.h"

// The ticks and steps of one half of the track.
class TdxZoomTrackBarRangeOptions : public TcxOwnedPersistent {
  VCL_CLASS(TdxZoomTrackBarRangeOptions, TcxOwnedPersistent)
public:
  using TcxOwnedPersistent::TcxOwnedPersistent;
  void Assign(TPersistent* Source) override;

  // Negative values become 0 (no minor ticks); the steps are at least 1.
  int Frequency() const { return FFrequency; }
  void SetFrequency(int AValue);
  int LineSize() const { return FLineSize; }
  void SetLineSize(int AValue);
  int PageSize() const { return FPageSize; }
  void SetPageSize(int AValue);

  TNotifyEvent OnChanged;

private:
  void Store(int& AField, int AValue);
  int FFrequency = 10;
  int FLineSize = 10;
  int FPageSize = 20;
};

class TdxCustomZoomTrackBarProperties : public TcxCustomTrackBarProperties {
  CX_EDIT_PROPERTIES_CLASS(TdxCustomZoomTrackBarProperties, TcxCustomTrackBarProperties)
public:
  explicit TdxCustomZoomTrackBarProperties(TPersistent* AOwner);

  // The range always holds 100: Max is at least 100, Min at most 100.
  void SetMax(int AValue) override;
  void SetMin(int AValue) override;
  TdxZoomTrackBarRangeOptions* FirstRange() const { return FFirstRange.get(); }
  void SetFirstRange(TdxZoomTrackBarRangeOptions* AValue) { FFirstRange->Assign(AValue); }
  TdxZoomTrackBarRangeOptions* SecondRange() const { return FSecondRange.get(); }
  void SetSecondRange(TdxZoomTrackBarRangeOptions* AValue) { FSecondRange->Assign(AValue); }

  TcxEditViewInfoClass GetViewInfoClass() const override;
  TcxEditViewDataClass ViewDataClass() const override;

protected:
  void AssignSettings(TcxCustomEditProperties* Source) override;

private:
  std::unique_ptr<TdxZoomTrackBarRangeOptions> FFirstRange;
  std::unique_ptr<TdxZoomTrackBarRangeOptions> FSecondRange;
};

class TdxCustomZoomTrackBarViewInfo : public TcxCustomTrackBarViewInfo {
  VCL_CREATABLE_CLASS(TdxCustomZoomTrackBarViewInfo, TcxCustomTrackBarViewInfo)
public:
  void CalculateMajorTicks() override;
  void CalculateMinorTicks() override;
  int GetOffset(int APosition) const override;
  bool IsValueTick(int AValue) const override;
  int GetNewPosition(int APosition, bool AIncrease, bool AIsLine, bool ASnap) const override;
  int GetPositionAtPoint(int X, int Y) const override;
  void DrawContent(TcxCanvas* ACanvas) override;

  int TrackRectSize() const { return TrackRect.Width(); }

  int FrequencyLeft = 10, FrequencyRight = 10;
  double PixelsPerPositionFirstRange = 1, PixelsPerPositionSecondRange = 1;

private:
  TdxCustomZoomTrackBarProperties* ZoomProperties() const;
};

class TdxCustomZoomTrackBarViewData : public TcxCustomTrackBarViewData {
  VCL_CLASS(TdxCustomZoomTrackBarViewData, TcxCustomTrackBarViewData)
public:
  using TcxCustomTrackBarViewData::TcxCustomTrackBarViewData;

protected:
  void CalculateViewInfoProperties(TcxCustomTrackBarViewInfo* AViewInfo) override;
  void CalculatePixelsPerPositionStep(TcxCustomTrackBarViewInfo* AViewInfo) override;
};

// Drags that snap to 100 near the middle. Positions are not clamped here:
// the host keeps its zoom inside Min..Max.
class TdxZoomTrackBarController : public TcxTrackBarController {
  VCL_CLASS(TdxZoomTrackBarController, TcxTrackBarController)
public:
  using TcxTrackBarController::TcxTrackBarController;
  int GetPositionFromMouse(int X, int Y) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
  bool FCanThumbJumpToCenter = false;
};
