#pragma once
// The track bar's settings, layout and painting: the working rectangle,
// the tick areas, the track zone with its change buttons, the track, the
// thumb, the selection and the ticks with their numbers, worked out once
// in a frame where the track runs horizontally and transposed for a
// vertical track bar; painted through an off-screen bitmap.
#include <memory>
#include <vector>

#include "components/editors/cxEdit.h"

enum class TcxTrackBarOrientation { tboHorizontal, tboVertical };
using enum TcxTrackBarOrientation;
enum class TcxTrackBarTextOrientation { tbtoHorizontal, tbtoVertical };
using enum TcxTrackBarTextOrientation;
enum class TcxTrackBarTickMarks { cxtmBoth, cxtmTopLeft, cxtmBottomRight };
using enum TcxTrackBarTickMarks;
enum class TcxTrackBarTickType { tbttTicks, tbttNumbers, tbttValueNumber, tbttTicksAndNumbers };
using enum TcxTrackBarTickType;
enum class TcxTrackBarThumbType { cxttNone, cxttRegular, cxttCustom };
using enum TcxTrackBarThumbType;

using TcxTrackBarGetCustomTextEvent = std::function<void(TObject* Sender, int APosition, String& AText)>;
using TcxGetThumbRectEvent = std::function<void(TObject* Sender, TRect& ARect)>;
using TcxDrawThumbEvent = std::function<void(TObject* Sender, TcxCanvas* ACanvas, const TRect& ARect)>;

// The settings the layout and painting read.
class TcxCustomTrackBarProperties : public TcxCustomEditProperties {
  VCL_CLASS(TcxCustomTrackBarProperties, TcxCustomEditProperties)
public:
  explicit TcxCustomTrackBarProperties(TPersistent* AOwner) : TcxCustomEditProperties(AOwner) {}

  TcxEditViewInfoClass GetViewInfoClass() const override;
  TcxEditViewDataClass ViewDataClass() const override;

#define CX_TRACKBAR_SETTING(Type, Name, Default) \
  Type Name() const { return F##Name; }          \
  void Set##Name(Type AValue) {                  \
    if (F##Name == AValue) return;               \
    F##Name = AValue;                            \
    Changed();                                   \
  }                                              \
                                                 \
private:                                         \
  Type F##Name = Default;                        \
                                                 \
public:
  CX_TRACKBAR_SETTING(bool, AutoSize, true)
  CX_TRACKBAR_SETTING(bool, ReverseDirection, false)
  CX_TRACKBAR_SETTING(TcxTrackBarOrientation, Orientation, tboHorizontal)
  CX_TRACKBAR_SETTING(TcxTrackBarTextOrientation, TextOrientation, tbtoHorizontal)
  CX_TRACKBAR_SETTING(int, SelectionStart, 0)
  CX_TRACKBAR_SETTING(int, SelectionEnd, 0)
  CX_TRACKBAR_SETTING(TColor, SelectionColor, clHighlight)
  CX_TRACKBAR_SETTING(bool, ShowTrack, true)
  CX_TRACKBAR_SETTING(TcxTrackBarThumbType, ThumbType, cxttRegular)
  CX_TRACKBAR_SETTING(TColor, TickColor, clWindowText)
  CX_TRACKBAR_SETTING(TcxTrackBarTickType, TickType, tbttTicks)
  CX_TRACKBAR_SETTING(TcxTrackBarTickMarks, TickMarks, cxtmBottomRight)
  CX_TRACKBAR_SETTING(TColor, TrackColor, clWindow)
  CX_TRACKBAR_SETTING(TColor, ThumbColor, clBtnFace)
  CX_TRACKBAR_SETTING(TColor, ThumbHighlightColor, clSilver)
  CX_TRACKBAR_SETTING(int, Min, 0)
  CX_TRACKBAR_SETTING(int, Max, 10)
  CX_TRACKBAR_SETTING(bool, ShowChangeButtons, false)
  CX_TRACKBAR_SETTING(int, ThumbHeight, 12)
  CX_TRACKBAR_SETTING(int, ThumbWidth, 7)
  CX_TRACKBAR_SETTING(int, TrackSize, 5)
#undef CX_TRACKBAR_SETTING
  // Negative widths and frequencies become 0 (no border, no minor ticks);
  // sizes and steps are at least 1.
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int AValue);
  int Frequency() const { return FFrequency; }
  void SetFrequency(int AValue);
  int TickSize() const { return FTickSize; }
  void SetTickSize(int AValue);
  int LineSize() const { return FLineSize; }
  void SetLineSize(int AValue);
  int PageSize() const { return FPageSize; }
  void SetPageSize(int AValue);

  // The position a value shows: its integer, kept inside Min..Max; a value
  // that is no number shows Min (a track bar always paints).
  int PositionOf(const Variant& AEditValue) const;

  TcxTrackBarGetCustomTextEvent OnGetTickLabel;
  TcxGetThumbRectEvent OnGetThumbRect;
  TcxDrawThumbEvent OnDrawThumb;

private:
  template <class T>
  void Store(T& AField, T AValue);
  int FBorderWidth = 0;
  int FFrequency = 1;
  int FTickSize = 3;
  int FLineSize = 1;
  int FPageSize = 2;
};

class TcxCustomTrackBarViewInfo;

// Turns rectangles and points of the horizontal frame into real ones:
// unchanged for a horizontal track bar, transposed for a vertical one.
class TcxHorizontalTrackBarViewInfoHelper {
public:
  virtual ~TcxHorizontalTrackBarViewInfoHelper() = default;
  // The coordinate along the track.
  virtual int Along(const TPoint& P) const { return P.X; }
  virtual TRect Real(const TRect& R) const { return R; }
  // The extents along and across the track of a real rectangle.
  virtual int AlongExtent(const TRect& R) const { return R.Width(); }
  virtual int AcrossExtent(const TRect& R) const { return R.Height(); }
};

class TcxVerticalTrackBarViewInfoHelper : public TcxHorizontalTrackBarViewInfoHelper {
public:
  int Along(const TPoint& P) const override { return P.Y; }
  TRect Real(const TRect& R) const override { return TRect(R.Top, R.Left, R.Bottom, R.Right); }
  int AlongExtent(const TRect& R) const override { return R.Height(); }
  int AcrossExtent(const TRect& R) const override { return R.Width(); }
};

class TcxCustomTrackBarViewInfo : public TcxCustomEditViewInfo {
  VCL_CREATABLE_CLASS(TcxCustomTrackBarViewInfo, TcxCustomEditViewInfo)
public:
  TcxCustomTrackBarViewInfo();
  ~TcxCustomTrackBarViewInfo() override;

  void Paint(TcxCanvas* ACanvas) override;

  virtual int PositionToCoordinate(int APosition) const;
  virtual int GetOffset(int APosition) const;
  virtual bool IsValueTick(int AValue) const;
  virtual int GetNewPosition(int APosition, bool AIncrease, bool AIsLine, bool ASnap) const;
  virtual int GetPositionAtPoint(int X, int Y) const;
  virtual void DrawContent(TcxCanvas* ACanvas);

  const TcxHorizontalTrackBarViewInfoHelper& Helper() const { return *FOrientationHelper; }
  int Position() const { return FPosition; }
  const std::vector<int>& MajorTicks() const { return FMajorTicks; }
  const std::vector<int>& MinorTicks() const { return FMinorTicks; }
  bool ShowSelection() const { return FShowSelection; }
  // The bitmap the last painting went through.
  TcxBitmap* PaintBitmap() const { return FTBBitmap.get(); }

  // In the horizontal frame, relative to the bounds' origin.
  TRect LeftButtonRect, RightButtonRect, SelectionRect, ThumbRect, TrackBarRect, TrackRect, TrackZoneRect;
  TRect RealTrackBarRect;  // control coordinates
  bool ReverseDirection = false, ShowChangeButtons = false, ShowTrack = true;
  int Min = 0, Max = 10, Frequency = 1, LineSize = 1, PageSize = 2;
  int ThumbLargeSize = 0, ThumbSize = 0;
  int Numerator = 1, Denominator = 1;  // pixels per positions
  TColor TickColor = clWindowText, TrackColor = clWindow, SelectionColor = clHighlight;
  TColor ThumbColor = clBtnFace, ThumbHighlightColor = clSilver;
  TcxTrackBarTickMarks TickMarks = cxtmBottomRight;
  TcxTrackBarTickType TickType = tbttTicks;
  TcxTrackBarThumbType ThumbType = cxttRegular;
  TcxTrackBarOrientation Orientation = tboHorizontal;
  TcxTrackBarTextOrientation TextOrientation = tbtoHorizontal;
  int TickSize = 3, TrackBarBorderWidth = 0, TrackSize = 5;
  int TrackBarState = 1;  // 1 normal, 2 hot, 3 pressed, 5 disabled
  TcxButtonState ButtonLeftState = cxbsNormal, ButtonRightState = cxbsNormal;
  TcxCustomTrackBarProperties* Properties = nullptr;

protected:
  virtual void DrawTrack(TcxCanvas* ACanvas);
  virtual void DrawSelection(TcxCanvas* ACanvas);
  virtual void DrawTicks(TcxCanvas* ACanvas);
  virtual void DrawThumb(TcxCanvas* ACanvas);
  virtual void DrawThumbState(TcxCanvas* ACanvas, const TRect& R, int AState);

private:
  friend class TcxCustomTrackBarViewData;
  void DrawTick(TcxCanvas* ACanvas, int AValue, bool AMajor);
  void DrawNumber(TcxCanvas* ACanvas, int AValue, int ACoordinate);
  TcxLookAndFeel* LookAndFeel() const { return FLookAndFeel.get(); }

  std::unique_ptr<TcxLookAndFeel> FLookAndFeel;
  std::unique_ptr<TcxHorizontalTrackBarViewInfoHelper> FOrientationHelper;
  std::unique_ptr<TcxBitmap> FTBBitmap;
  std::vector<int> FMajorTicks, FMinorTicks;
  int FPosition = 0;
  bool FShowSelection = false;
};

class TcxCustomTrackBarViewData : public TcxCustomEditViewData {
  VCL_CLASS(TcxCustomTrackBarViewData, TcxCustomEditViewData)
public:
  using TcxCustomEditViewData::TcxCustomEditViewData;
  void Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P, TcxMouseButton Button,
                 TShiftState Shift, TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent) override;
  void EditValueToDrawValue(const Variant& AEditValue, TcxCustomEditViewInfo* AViewInfo) override;

protected:
  virtual void LayOutTrackBarRects(TcxCanvas* ACanvas, TcxCustomTrackBarViewInfo* AViewInfo);
  virtual int CalculateTickAreaSize(TcxCanvas* ACanvas, TcxCustomTrackBarViewInfo* AViewInfo, bool ATopLeft);
  virtual void CalculateViewInfoProperties(TcxCustomTrackBarViewInfo* AViewInfo);
  virtual void CalculateTrackZoneRect(TcxCanvas* ACanvas, TcxCustomTrackBarViewInfo* AViewInfo, int& AZoneHeight);
  virtual void CalculateThumbSize(TcxCustomTrackBarViewInfo* AViewInfo, int AZoneHeight);

private:
  TcxCustomTrackBarProperties* TrackBarProperties() const;
  // The number extent across the track, for the tick areas.
  int NumberExtent(TcxCanvas* ACanvas, TcxCustomTrackBarViewInfo* AViewInfo);
};
