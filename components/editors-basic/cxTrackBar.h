#pragma once
// The track bar's settings, layout and painting: the working rectangle,
// the tick areas, the track zone with its change buttons, the track, the
// thumb, the selection and the ticks with their numbers, worked out once
// in a frame where the track runs horizontally and transposed for a
// vertical track bar; painted through an off-screen bitmap.
#include <memory>
#include <vector>

#include "components/controls/cxHints.h"
#include "components/editors-basic/cxSpinEdit.h"
#include "components/editors/cxEdit.h"
#include "components/lookandfeel/dxFading.h"

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

enum class TcxTrackBarMouseState { tbmpInControl, tbmpUnderThumb, tbmpSliding };
using enum TcxTrackBarMouseState;
using TcxTrackBarMouseStates = TSet<TcxTrackBarMouseState>;
enum class TcxTrackBarSlideState { tbksNormal, tbksIncludeSelection };
using enum TcxTrackBarSlideState;
enum class TcxTrackBarThumbStep { cxtsNormal, cxtsJump };
using enum TcxTrackBarThumbStep;

using TcxTrackBarGetCustomHintEvent = std::function<void(TObject* Sender, int APosition, String& AHintText,
                                                         bool& ACanShow, bool& AIsHintMultiLine)>;
using TcxTrackBarGetCustomTextEvent = std::function<void(TObject* Sender, int APosition, String& AText)>;
using TcxGetThumbRectEvent = std::function<void(TObject* Sender, TRect& ARect)>;
using TcxDrawThumbEvent = std::function<void(TObject* Sender, TcxCanvas* ACanvas, const TRect& ARect)>;

// The settings the layout and painting read.
class TcxCustomTrackBarProperties : public TcxCustomEditProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxCustomTrackBarProperties, TcxCustomEditProperties)
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
  CX_TRACKBAR_SETTING(bool, ShowPositionHint, false)
  CX_TRACKBAR_SETTING(bool, ShowChangeButtons, false)
  CX_TRACKBAR_SETTING(bool, ShowTicks, true)
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

  int Min() const { return FMin; }
  int Max() const { return FMax; }
  // Max also lowers Min to it when Min is larger; Min raises Max likewise.
  virtual void SetMax(int AValue);
  virtual void SetMin(int AValue);
  // How far the change buttons, the mouse and the keys step.
  TcxTrackBarThumbStep ThumbStep() const { return FThumbStep; }
  void SetThumbStep(TcxTrackBarThumbStep AValue) { FThumbStep = AValue; }

  // The value kept inside Min..Max.
  virtual int CorrectPosition(int AValue) const;
  // The integer of a value; an empty value or one that is no number gives
  // Min (a track bar always paints and answers its position).
  int ValueToPosition(const Variant& AEditValue) const;
  // The position a value shows: its integer, kept inside Min..Max.
  int PositionOf(const Variant& AEditValue) const { return CorrectPosition(ValueToPosition(AEditValue)); }

  bool SupportsValidation() override { return true; }
  bool UsesDisplayValue() override { return false; }
  bool CanCompareEditValue() override { return true; }
  String DefaultValidateErrorText(int AErrorKind) override;
  TcxCustomEditClass GetContainerClass() const override;
  TcxEditStyleClass GetStyleClass() const override;
  String GetDisplayText(const Variant& AEditValue, bool AFullText = false, bool AIsInplace = true) override;
  TcxEditSupportedOperations GetSupportedOperations() override;
  void PrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue, bool AEditFocused) override;

  TcxTrackBarGetCustomHintEvent OnGetPositionHint;

  TcxTrackBarGetCustomTextEvent OnGetTickLabel;
  TcxGetThumbRectEvent OnGetThumbRect;
  TcxDrawThumbEvent OnDrawThumb;

protected:
  void AssignSettings(TcxCustomEditProperties* Source) override;
  template <class T>
  void Store(T& AField, T AValue) {
    if (AField == AValue) return;
    AField = AValue;
    Changed();
  }
  int FMin = 0;
  int FMax = 10;

private:
  TcxTrackBarThumbStep FThumbStep = cxtsNormal;
  int FBorderWidth = 0;
  int FFrequency = 1;
  int FTickSize = 3;
  int FLineSize = 1;
  int FPageSize = 2;
};

class TcxCustomTrackBarViewInfo;
class TcxTrackBarThumbFadingHelper;
class TcxTrackBarCustomButtonFadingHelper;

// The hint that shows the position near the thumb; hidden a second after
// the change that showed it.
class TcxTrackBarPositionHintHelper : public TcxControlHintHelper {
  VCL_CLASS(TcxTrackBarPositionHintHelper, TcxControlHintHelper)
public:
  explicit TcxTrackBarPositionHintHelper(TcxCustomTrackBarViewInfo* AViewInfo);
  ~TcxTrackBarPositionHintHelper() override;
  void DisableTimer() { FPositionHintHidingTimer->SetEnabled(false); }
  // The hint goes 1000 ms later.
  void HidePositionHint() { FPositionHintHidingTimer->SetEnabled(true); }
  bool IsHiding() const { return FPositionHintHidingTimer->Enabled(); }

protected:
  TcxControl* GetOwnerTcxControl() override;
  bool IsHintAllowed() override { return true; }
  void AdjustHintWindowRect(TRect& R) override;
  void MouseTrackingMouseLeave() override;

private:
  TcxCustomTrackBarViewInfo* FTrackBarViewInfo;
  std::unique_ptr<TcxTimer> FPositionHintHidingTimer;
};

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

  virtual void CalculateMajorTicks();
  virtual void CalculateMinorTicks();
  virtual int PositionToCoordinate(int APosition) const;
  virtual int GetOffset(int APosition) const;
  virtual bool IsValueTick(int AValue) const;
  virtual int GetNewPosition(int APosition, bool AIncrease, bool AIsLine, bool ASnap) const;
  virtual int GetPositionAtPoint(int X, int Y) const;
  virtual void DrawContent(TcxCanvas* ACanvas);

  const TcxHorizontalTrackBarViewInfoHelper& Helper() const { return *FOrientationHelper; }
  // The thumb as drawn, in real coordinates.
  TRect VisibleThumbRect() const { return Helper().Real(ThumbRect); }
  bool IsThumbVisible() const { return ThumbType != cxttNone; }
  bool IsPointOnThumb(const TPoint& P) const { return IsThumbVisible() && VisibleThumbRect().Contains(P); }
  // Where a press moves the thumb: the client area, cut at the track's
  // ends when the change buttons show.
  TRect TrackHitArea() const;
  // The change buttons at the near and far ends of the track: the near one
  // steps towards the near end (down, or up when reversed).
  TRect RealLeftButtonRect() const { return Helper().Real(LeftButtonRect); }
  TRect RealRightButtonRect() const { return Helper().Real(RightButtonRect); }
  // The rectangle of a position hint of that text, in real coordinates.
  TRect PositionHintRect(TcxCanvas* ACanvas, const String& AText, bool AIsHintMultiLine) const;

  // The position hint over the thumb, for a track bar on a control.
  TcxControl* HintedControl = nullptr;
  TcxTrackBarPositionHintHelper* PositionHintHelper();
  void ShowPositionHint();
  // Hover over the thumb: the hint shows; elsewhere it goes a second later.
  void UpdateMouseOverThumb(const TPoint& P);
  TcxTrackBarMouseStates MouseStates;

  // Fades of the thumb and the change buttons follow their states.
  void UpdateFading();
  TcxTrackBarThumbFadingHelper* ThumbFadingHelper() const { return FThumbFadingHelper.get(); }
  TcxTrackBarCustomButtonFadingHelper* ButtonLeftFadingHelper() const { return FButtonLeftFadingHelper.get(); }
  TcxTrackBarCustomButtonFadingHelper* ButtonRightFadingHelper() const { return FButtonRightFadingHelper.get(); }
  // A change button in a state, without its fade.
  void DrawChangeButton(TcxCanvas* ACanvas, bool ALeft, TcxButtonState AState);
  virtual void DrawThumbState(TcxCanvas* ACanvas, const TRect& R, int AState);
  int Position() const { return FPosition; }
  const std::vector<int>& MajorTicks() const { return FMajorTicks; }
  const std::vector<int>& MinorTicks() const { return FMinorTicks; }
  bool ShowSelection() const { return FShowSelection; }
  // The bitmap the last painting went through.
  TcxBitmap* PaintBitmap() const { return FTBBitmap.get(); }

  // In the horizontal frame, relative to the bounds' origin.
  TRect LeftButtonRect, RightButtonRect, SelectionRect, ThumbRect, TrackBarRect, TrackRect, TrackZoneRect;
  TRect RealTrackBarRect;  // control coordinates
  bool ReverseDirection = false, ShowChangeButtons = false, ShowTicks = true, ShowTrack = true;
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

  void DrawTick(TcxCanvas* ACanvas, int AValue, bool AMajor);
  TcxLookAndFeel* LookAndFeel() const { return FLookAndFeel.get(); }
  std::vector<int> FMajorTicks, FMinorTicks;

private:
  friend class TcxCustomTrackBarViewData;
  void DrawNumber(TcxCanvas* ACanvas, int AValue, int ACoordinate);

  std::unique_ptr<TcxLookAndFeel> FLookAndFeel;
  std::unique_ptr<TcxHorizontalTrackBarViewInfoHelper> FOrientationHelper;
  std::unique_ptr<TcxBitmap> FTBBitmap;
  std::unique_ptr<TcxTrackBarPositionHintHelper> FPositionHintHelper;
  std::unique_ptr<TcxTrackBarThumbFadingHelper> FThumbFadingHelper;
  std::unique_ptr<TcxTrackBarCustomButtonFadingHelper> FButtonLeftFadingHelper, FButtonRightFadingHelper;
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
  // The pixels per position, once the track and the thumb are known.
  virtual void CalculatePixelsPerPositionStep(TcxCustomTrackBarViewInfo* AViewInfo);

private:
  TcxCustomTrackBarProperties* TrackBarProperties() const;
  // The number extent across the track, for the tick areas.
  int NumberExtent(TcxCanvas* ACanvas, TcxCustomTrackBarViewInfo* AViewInfo);
};

// ---------------------------------------------------------------- fading

// Fades a part of a track bar shown on a control (the thumb, a change
// button) between its normal and its hot look.
class TcxCustomTrackBarFadingHelper : public TdxFadingObjectHelper {
  VCL_CLASS(TcxCustomTrackBarFadingHelper, TdxFadingObjectHelper)
public:
  explicit TcxCustomTrackBarFadingHelper(TcxCustomTrackBarViewInfo* AViewInfo) : FViewInfo(AViewInfo) {}
  bool IsFadingAllowed() override;
  void RepaintFadeFrame() override;
  void PrepareFadeImages(TBitmap*& AFadeOutImage, TBitmap*& AFadeInImage) override;
  // Starts or stops a fade when the part's state changed since last time.
  void UpdateState(TcxButtonState AState);
  // The part's rectangle in the view info's frame.
  virtual TRect PartRect() const = 0;

protected:
  virtual void DrawPart(TcxCanvas* ACanvas, TcxButtonState AState) = 0;
  TcxCustomTrackBarViewInfo* ViewInfo() const { return FViewInfo; }

private:
  TcxBitmap32* RenderFadingImage(TcxButtonState AState);
  TcxCustomTrackBarViewInfo* FViewInfo;
  TcxButtonState FState = cxbsNormal;
};

class TcxTrackBarThumbFadingHelper : public TcxCustomTrackBarFadingHelper {
  VCL_CLASS(TcxTrackBarThumbFadingHelper, TcxCustomTrackBarFadingHelper)
public:
  using TcxCustomTrackBarFadingHelper::TcxCustomTrackBarFadingHelper;
  TRect PartRect() const override { return ViewInfo()->VisibleThumbRect(); }

protected:
  void DrawPart(TcxCanvas* ACanvas, TcxButtonState AState) override;
};

// A change button fades only where it shows.
class TcxTrackBarCustomButtonFadingHelper : public TcxCustomTrackBarFadingHelper {
  VCL_CLASS(TcxTrackBarCustomButtonFadingHelper, TcxCustomTrackBarFadingHelper)
public:
  TcxTrackBarCustomButtonFadingHelper(TcxCustomTrackBarViewInfo* AViewInfo, bool ALeft)
      : TcxCustomTrackBarFadingHelper(AViewInfo), FLeft(ALeft) {}
  bool IsFadingAllowed() override;
  TRect PartRect() const override;

protected:
  void DrawPart(TcxCanvas* ACanvas, TcxButtonState AState) override;

private:
  bool FLeft;
};

class TcxTrackBarLeftButtonFadingHelper : public TcxTrackBarCustomButtonFadingHelper {
  VCL_CLASS(TcxTrackBarLeftButtonFadingHelper, TcxTrackBarCustomButtonFadingHelper)
public:
  explicit TcxTrackBarLeftButtonFadingHelper(TcxCustomTrackBarViewInfo* AViewInfo)
      : TcxTrackBarCustomButtonFadingHelper(AViewInfo, true) {}
};

class TcxTrackBarRightButtonFadingHelper : public TcxTrackBarCustomButtonFadingHelper {
  VCL_CLASS(TcxTrackBarRightButtonFadingHelper, TcxTrackBarCustomButtonFadingHelper)
public:
  explicit TcxTrackBarRightButtonFadingHelper(TcxCustomTrackBarViewInfo* AViewInfo)
      : TcxTrackBarCustomButtonFadingHelper(AViewInfo, false) {}
};

// ---------------------------------------------------------------- the control

// What the controller needs of the host it moves: the track bar control,
// or another control that shows a track bar (the image editor's zoom).
class IcxTrackBar {
public:
  virtual ~IcxTrackBar() = default;
  virtual TcxCustomTrackBarProperties* GetActiveProperties() = 0;
  virtual bool IsInplace() = 0;
  // The client point of the last left press.
  virtual TPoint GetMouseDownPos() = 0;
  virtual int GetPosition() = 0;
  virtual TcxCustomTrackBarProperties* GetProperties() = 0;
  virtual TcxCustomTrackBarViewInfo* GetViewInfo() = 0;
  // A person's change.
  virtual void SetPosition(int AValue) = 0;
};

// Turns mouse and keys into positions.
class TcxTrackBarController : public TObject {
  VCL_CLASS(TcxTrackBarController, TObject)
public:
  explicit TcxTrackBarController(IcxTrackBar* ATrackBar) : FTrackBar(ATrackBar) {}
  ~TcxTrackBarController() override;

  virtual int GetPositionFromMouse(int X, int Y);
  virtual void FocusChanged() { FTimer.reset(); }
  virtual void KeyDown(uint16_t& Key, TShiftState Shift);
  virtual void KeyUp(uint16_t& Key, TShiftState Shift);
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);

  TcxCustomTrackBarProperties* ActiveProperties() const { return FTrackBar->GetActiveProperties(); }
  TcxCustomTrackBarProperties* Properties() const { return FTrackBar->GetProperties(); }
  TcxCustomTrackBarViewInfo* ViewInfo() const { return FTrackBar->GetViewInfo(); }
  int Position() const { return FTrackBar->GetPosition(); }
  void SetPosition(int AValue) { FTrackBar->SetPosition(AValue); }
  // The change buttons' repeat timer, while one is held.
  TcxTimer* RepeatTimer() const { return FTimer.get(); }

protected:
  IcxTrackBar* TrackBar() const { return FTrackBar; }
  int StoredPosition() const { return FStoredPosition; }
  // The distance along the track from the press to P, towards larger
  // positions.
  int MouseDistance(int X, int Y) const;

private:
  // Sets the selection from where Shift went down to the new position.
  void SelectTo(int ANewPosition);
  void StepOnHeldButton();
  void UpdateButtonStates(const TPoint& P, TShiftState Shift);

  IcxTrackBar* FTrackBar;
  TcxTrackBarSlideState FSlideState = tbksNormal;
  int FStartSelectionPosition = 0;
  int FStoredPosition = 0;
  std::unique_ptr<TcxTimer> FTimer;
  bool FIsMouseDownOnLeftButton = false;
  bool FIsMouseDownOnRightButton = false;
};

// The track bar's style; the control's own starts with no border and no
// hot tracking.
class TcxTrackBarStyle : public TcxEditStyle {
  VCL_CLASS(TcxTrackBarStyle, TcxEditStyle)
public:
  using TcxEditStyle::TcxEditStyle;
};

class TcxCustomTrackBar : public TcxCustomEdit, public IcxTrackBar {
  VCL_COMPONENT_CLASS(TcxCustomTrackBar, TcxCustomEdit)
public:
  explicit TcxCustomTrackBar(TComponent* AOwner) : TcxCustomTrackBar(AOwner, false) {}
  TcxCustomTrackBar(TComponent* AOwner, bool AIsInplace);
  ~TcxCustomTrackBar() override;

  TcxCustomTrackBarProperties* Properties() { return static_cast<TcxCustomTrackBarProperties*>(InternalProperties()); }
  // The edit value as a position inside Min..Max.
  int Position() { return GetPosition(); }
  // Sets the position as a program does: clamped, no editing events, no
  // modified flag.
  void StorePosition(int AValue);
  TcxTrackBarController* Controller();
  TcxCustomTrackBarViewInfo* TrackBarViewInfo() { return FTrackBarViewInfo.get(); }

  // IcxTrackBar.
  TcxCustomTrackBarProperties* GetActiveProperties() override {
    return static_cast<TcxCustomTrackBarProperties*>(ActiveProperties());
  }
  bool IsInplace() override { return TcxCustomEdit::IsInplace(); }
  TPoint GetMouseDownPos() override { return FMouseDownPos; }
  int GetPosition() override;
  TcxCustomTrackBarProperties* GetProperties() override { return Properties(); }
  TcxCustomTrackBarViewInfo* GetViewInfo() override;
  void SetPosition(int AValue) override;

protected:
  TcxCustomEditPropertiesClass GetPropertiesClass() const override;
  virtual TcxTrackBarController* CreateController() { return new TcxTrackBarController(this); }
  void WndProc(TMessage& Message) override;
  void DoPaint() override;
  void CalculateViewInfoAtPoint(const TPoint& P, TcxMouseButton Button, TShiftState Shift, bool AIsMouseEvent) override;
  TColor GetBackgroundColor() override { return GetActiveStyle()->Color(); }
  void SynchronizeDisplayValue() override { ShortRefreshContainer(false); }
  void SetInternalDisplayValue(const Variant& Value) override { SetInternalEditValue(Value); }
  String GetCurrentDisplayText() override { return IntToStr(Position()); }
  bool HandlesNavigationKeys() override { return true; }
  void FocusChanged() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyUp(uint16_t& Key, TShiftState Shift) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseEnter(TControl* AControl) override;
  void MouseLeave(TControl* AControl) override;

private:
  std::unique_ptr<TcxTrackBarController> FController;
  std::unique_ptr<TcxTrackBarStyle> FPaintStyle;
  std::unique_ptr<TcxCustomTrackBarViewInfo> FTrackBarViewInfo;
  TPoint FMouseDownPos;
};

class TcxTrackBarProperties : public TcxCustomTrackBarProperties {
  CX_EDIT_PROPERTIES_CLASS(TcxTrackBarProperties, TcxCustomTrackBarProperties)
public:
  using TcxCustomTrackBarProperties::TcxCustomTrackBarProperties;
};

class TcxTrackBar : public TcxCustomTrackBar {
  VCL_COMPONENT_CLASS(TcxTrackBar, TcxCustomTrackBar)
public:
  explicit TcxTrackBar(TComponent* AOwner) : TcxCustomTrackBar(AOwner, false) {}
  TcxTrackBar(TComponent* AOwner, bool AIsInplace) : TcxCustomTrackBar(AOwner, AIsInplace) {}
  TcxTrackBarProperties* Properties() { return static_cast<TcxTrackBarProperties*>(InternalProperties()); }

protected:
  TcxCustomEditPropertiesClass GetPropertiesClass() const override {
    return TcxCustomEditPropertiesClass::Of<TcxTrackBarProperties>();
  }
};

// A filter row edits a track bar column with a spin edit over the bar's
// range, the page size its large step.
class TcxFilterTrackBarHelper : public TcxFilterSpinEditHelper {
  VCL_CLASS(TcxFilterTrackBarHelper, TcxFilterSpinEditHelper)
public:
  static const TcxFilterTrackBarHelper* Instance();
  void InitializeProperties(TcxCustomEditProperties* AProperties, TcxCustomEditProperties* AEditProperties,
                            bool AHasButtons) const override;
};

extern const TUnitEntry cxTrackBarUnit;
