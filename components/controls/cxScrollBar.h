#pragma once
// The scroll bar drawn by the look-and-feel painter: the bar logic (values,
// the geometry of its five parts, mouse and repeat timer, painting with
// faded buttons) serves any owner window, so one bar can be a child window
// of its own or be painted into another control.
#include <array>
#include <memory>

#include "components/core/cxClasses.h"
#include "components/core/cxGraphics.h"
#include "components/core/dxCoreClasses.h"
#include "components/core/dxThemeManager.h"
#include "components/lookandfeel/cxLookAndFeelPainters.h"
#include "components/lookandfeel/cxLookAndFeels.h"
#include "components/lookandfeel/dxFading.h"
#include "vcl/classes/TypInfo.h"
#include "vcl/controls/Controls.h"
#include "vcl/controls/StdCtrls.h"

// The window a bar lives in and the look-and-feel it is drawn with.
class IcxScrollBarOwner {
 public:
  virtual TWinControl* GetScrollBarControl() = 0;
  virtual TcxLookAndFeel* GetScrollBarLookAndFeel() = 0;

 protected:
  ~IcxScrollBarOwner() = default;
};

class TcxScrollBarHelper;
class TcxScrollBarViewInfo;
class TcxScrollBarPartViewInfo;

// Fades a line button or the thumb between its normal and hot looks.
class TcxScrollBarPartFadingHelper : public TdxFadingObjectHelper {
  VCL_CLASS(TcxScrollBarPartFadingHelper, TdxFadingObjectHelper)
 public:
  explicit TcxScrollBarPartFadingHelper(TcxScrollBarPartViewInfo* AOwner) : FOwner(AOwner) {}

  bool IsFadingAllowed() override;
  void RepaintFadeFrame() override;
  void PrepareFadeImages(TBitmap*& AFadeOutImage, TBitmap*& AFadeInImage) override;
  // Starts or stops fading when the part's state changed since last seen.
  void UpdateState();

 private:
  TcxScrollBarPartViewInfo* FOwner;
  TcxButtonState FState = cxbsNormal;
};

// One of the five parts: its bounds and its state.
class TcxScrollBarPartViewInfo : public TObject {
  VCL_CLASS(TcxScrollBarPartViewInfo, TObject)
 public:
  TcxScrollBarPartViewInfo(TcxScrollBarViewInfo* AOwner, TcxScrollBarPart APart);

  const TRect& Bounds() const { return FBounds; }
  void SetBounds(const TRect& Value) { FBounds = Value; }
  TcxScrollBarPart Part() const { return FPart; }
  // From the bar's enabled state and its hot and pressed parts.
  TcxButtonState State() const;
  // Null for the page areas, which do not fade.
  TcxScrollBarPartFadingHelper* FadingHelper() const { return FFadingHelper.get(); }
  TcxScrollBarViewInfo* Owner() const { return FOwner; }

 private:
  TcxScrollBarViewInfo* FOwner;
  TRect FBounds;
  std::unique_ptr<TcxScrollBarPartFadingHelper> FFadingHelper;
  TcxScrollBarPart FPart;
};

// The geometry of the bar along its axis: two line buttons, the thumb and
// the page areas between them.
class TcxScrollBarViewInfo : public TObject {
  VCL_CLASS(TcxScrollBarViewInfo, TObject)
 public:
  explicit TcxScrollBarViewInfo(TcxScrollBarHelper* AScrollBar);

  virtual void Calculate();
  // The thumb from the values; then the page areas.
  void CalculateThumbnailRect();
  void AdjustPageRects();
  // Moves the thumb to start at APos along the axis (page areas follow).
  void SetThumbnailPos(int APos);
  TcxScrollBarPartViewInfo* GetPartInfo(TcxScrollBarPart APartType) const;
  // The first part (line-up, line-down, thumb, page-up, page-down) holding P.
  TcxScrollBarPart GetPartAtPos(const TPoint& P) const;
  // Fading follows each part's state.
  void UpdatePartsState();

  const TRect& Bounds() const;
  TScrollBarKind Kind() const;
  bool IsVertical() const { return Kind() == sbVertical; }
  int ArrowButtonLength() const { return FArrowButtonLength; }
  int Length() const { return FLength; }
  int MinThumbnailSize() const { return FMinThumbnailSize; }
  TcxScrollBarPart HotPart() const { return FHotPart; }
  void SetHotPart(TcxScrollBarPart Value) { FHotPart = Value; }
  TcxScrollBarPart PressedPart() const { return FPressedPart; }
  void SetPressedPart(TcxScrollBarPart Value) { FPressedPart = Value; }
  TcxScrollBarHelper* ScrollBar() const { return FScrollBar; }

  // Along the axis: where a rectangle starts and ends, and its size.
  int AxisStart(const TRect& R) const { return IsVertical() ? R.Top : R.Left; }
  int AxisEnd(const TRect& R) const { return IsVertical() ? R.Bottom : R.Right; }
  int AxisSize(const TRect& R) const { return AxisEnd(R) - AxisStart(R); }
  int AxisCoordinate(const TPoint& P) const { return IsVertical() ? P.Y : P.X; }

 protected:
  virtual int GetDefaultArrowButtonLength();

 private:
  // The full-thickness stretch of the bounds from AStart to AEnd along the axis.
  TRect AxisRect(int AStart, int AEnd) const;

  int FArrowButtonLength = 0;
  int FLength = 0;
  TcxScrollBarPart FHotPart = sbpNone;
  int FMinThumbnailSize = 0;
  std::array<std::unique_ptr<TcxScrollBarPartViewInfo>, 5> FPartInfos;
  TcxScrollBarPart FPressedPart = sbpNone;
  TcxScrollBarHelper* FScrollBar;
};

// Mouse handling: pressing parts, the repeat timer (400 ms, then 60 ms)
// and thumb tracking that snaps back when the pointer strays too far.
class TcxScrollBarController : public TObject {
  VCL_CLASS(TcxScrollBarController, TObject)
 public:
  explicit TcxScrollBarController(TcxScrollBarHelper* AScrollBar);
  ~TcxScrollBarController() override;

  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) { DoMouseDown(Button, Shift, X, Y); }
  void MouseEnter(TControl* AControl) { DoMouseEnter(AControl); }
  void MouseLeave(TControl* AControl) { DoMouseLeave(AControl); }
  void MouseMove(TShiftState Shift, int X, int Y) { DoMouseMove(Shift, X, Y); }
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) { DoMouseUp(Button, Shift, X, Y); }
  // Ends any scrolling; AHotPart becomes the hot part.
  void EndScroll(TcxScrollBarPart AHotPart);
  // The repeat timer, running only while a line or page part is held.
  TcxTimer* Timer() const { return FTimer.get(); }

 protected:
  virtual void DoMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void DoMouseEnter(TControl* AControl);
  virtual void DoMouseLeave(TControl* AControl);
  virtual void DoMouseMove(TShiftState Shift, int X, int Y);
  virtual void DoMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  // ASetParams: through the values (OnChange fires); else only the stored
  // position. Then an scTrack request.
  virtual void SetPositionAndTrack(int AValue, bool ASetParams);

 private:
  TcxScrollBarViewInfo* ViewInfo() const;
  bool IsLineOrPagePartPressed() const;
  // The part under the mouse cursor now.
  TcxScrollBarPart PartUnderCursor() const;
  void TrackThumbnail(const TPoint& P);
  // The position the thumb's place stands for.
  int PositionFromThumbnail() const;
  void TimerHandler(TObject* Sender);

  TPoint FDownMousePos;
  TPoint FLastMousePos;
  int FSavePosition = 0;
  TPoint FSaveThumbnailPos;
  TcxScrollBarHelper* FScrollBar;
  std::unique_ptr<TcxTimer> FTimer;
};

// Draws the bar's parts through the look-and-feel painter.
class TcxScrollBarPainter : public TObject {
  VCL_CLASS(TcxScrollBarPainter, TObject)
 public:
  explicit TcxScrollBarPainter(TcxScrollBarHelper* AScrollBar) : FScrollBar(AScrollBar) {}

  virtual void DrawPart(TcxCanvas* ACanvas, const TRect& R, TcxScrollBarPart APart, TcxButtonState AState);
  virtual void DrawBackground(TcxCanvas* ACanvas, const TRect& R);
  // The part's current fade frame when it has one, else the part in its state.
  virtual void DrawPartWithFading(TcxCanvas* ACanvas, TcxScrollBarPart APart);
  // Hot-tracking painters of the native style or a skin.
  virtual bool IsFadingSupported();
  virtual int ThumbMinimumSize();
  virtual bool IsButtonHotTrack();
  virtual void Paint(TcxCanvas* ACanvas);

 private:
  // The owner's painter for scroll bars; null without a look-and-feel.
  TcxCustomLookAndFeelPainter* LookAndFeelPainter() const;

  TcxScrollBarHelper* FScrollBar;
};

// The bar logic: values, events, geometry, mouse and painting of one bar
// living in its owner's window.
class TcxScrollBarHelper : public TcxIUnknownObject {
  VCL_CLASS(TcxScrollBarHelper, TcxIUnknownObject)
 public:
  explicit TcxScrollBarHelper(IcxScrollBarOwner* AOwner);
  ~TcxScrollBarHelper() override;

  virtual void NotifyChange();
  virtual void DrawTo(TcxCanvas* ACanvas);
  virtual void Invalidate() { InvalidateRect(FBoundsRect, false); }
  virtual void InvalidateRect(const TRect& R, bool AEraseBackground);
  // The owner's window holds the mouse capture.
  virtual bool IsCaptured();
  virtual TPoint ScreenToClient(const TPoint& P);
  virtual void DoScroll(TScrollCode AScrollCode, int& AScrollPos);
  virtual void Calculate();
  virtual void CancelMode();
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseEnter(TControl* AControl);
  virtual void MouseLeave(TControl* AControl);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void Paint(TcxCanvas* ACanvas) { DrawTo(ACanvas); }
  // Double-buffered onto a device context in the owner's client coordinates.
  void Paint(HDC ADC);
  // Paints now rather than when the queue gets to it.
  virtual void Repaint();

  // Raises EInvalidOperation "Scrollbar property out of range" for a range
  // that cannot hold the page, changing nothing; the position is kept in
  // the range. OnChange fires when the position changed.
  void SetScrollParams(int AMin, int AMax, int APosition, int APageSize, bool ARedraw = true);
  // A request from the current position.
  void Scroll(TScrollCode ACode) { ScrollTo(ACode, FPosition); }
  // The request's position, clamped, through OnScroll (which may change
  // it), clamped again, then taken: scTrack only moves the thumb (no
  // OnChange), other codes set the position.
  void ScrollTo(TScrollCode ACode, int APos);
  void ScrollByPart(TcxScrollBarPart APart);

  // In the owner window's client coordinates.
  const TRect& BoundsRect() const { return FBoundsRect; }
  void SetBoundsRect(const TRect& Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  bool IsNonClient() const { return FIsNonClient; }
  void SetIsNonClient(bool Value) { FIsNonClient = Value; }
  TScrollBarKind Kind() const { return FKind; }
  void SetKind(TScrollBarKind Value) { FKind = Value; }
  int LargeChange() const { return FLargeChange; }
  void SetLargeChange(int Value) { FLargeChange = Value; }
  int SmallChange() const { return FSmallChange; }
  void SetSmallChange(int Value) { FSmallChange = Value; }
  int Max() const { return FMax; }
  void SetMax(int Value) { SetScrollParams(FMin, Value, FPosition, FPageSize); }
  int Min() const { return FMin; }
  void SetMin(int Value) { SetScrollParams(Value, FMax, FPosition, FPageSize); }
  int PageSize() const { return FPageSize; }
  void SetPageSize(int Value) { SetScrollParams(FMin, FMax, FPosition, Value); }
  int Position() const { return FPosition; }
  void SetPosition(int Value) { SetScrollParams(FMin, FMax, Value, FPageSize); }
  // The thumb is tracked however far the pointer strays.
  bool UnlimitedTracking() const { return FUnlimitedTracking; }
  void SetUnlimitedTracking(bool Value) { FUnlimitedTracking = Value; }
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  TcxLookAndFeel* LookAndFeel() const { return FOwner->GetScrollBarLookAndFeel(); }
  TWinControl* OwnerControl() const { return FOwner->GetScrollBarControl(); }
  bool OwnerWindowExists() const;

  TcxScrollBarController* Controller() const { return FController.get(); }
  TcxScrollBarPainter* Painter() const { return FPainter.get(); }
  TcxScrollBarViewInfo* ViewInfo() const { return FViewInfo.get(); }

  TNotifyEvent OnChange;
  TScrollEvent OnScroll;

 private:
  friend class TcxScrollBarController;
  // The thumb takes a new place from the position and the parts' fading follows.
  void PositionChanged();

  TRect FBoundsRect;
  std::unique_ptr<TcxScrollBarController> FController;
  bool FEnabled = true;
  bool FIsNonClient = false;
  TScrollBarKind FKind = sbHorizontal;
  int FLargeChange = 1;
  int FMax = 100;
  int FMin = 0;
  IcxScrollBarOwner* FOwner;
  int FPageSize = 0;
  std::unique_ptr<TcxScrollBarPainter> FPainter;
  int FPosition = 0;
  int FSmallChange = 1;
  bool FUnlimitedTracking = false;
  std::unique_ptr<TcxScrollBarViewInfo> FViewInfo;
  bool FVisible = false;
};

// A scroll bar as a child window of its own, drawn by its look-and-feel.
class TcxScrollBar : public TCustomControl, public IcxScrollBarOwner, public IdxSkinSupport {
  VCL_COMPONENT_CLASS(TcxScrollBar, TCustomControl)
  VCL_PUBLISHED(TcxScrollBar)
 public:
  explicit TcxScrollBar(TComponent* AOwner);
  ~TcxScrollBar() override;

  // The user's value: a skin may draw the bar flat meanwhile.
  bool Ctl3D() const { return TCustomControl::Ctl3D() || FRealCtl3D; }
  void SetCtl3D(bool Value);

  TScrollBarKind Kind() const { return FHelper->Kind(); }
  void SetKind(TScrollBarKind Value);
  int LargeChange() const { return FHelper->LargeChange(); }
  void SetLargeChange(int Value) { FHelper->SetLargeChange(Value); }
  int SmallChange() const { return FHelper->SmallChange(); }
  void SetSmallChange(int Value) { FHelper->SetSmallChange(Value); }
  int Max() const { return FHelper->Max(); }
  void SetMax(int Value) { FHelper->SetMax(Value); }
  int Min() const { return FHelper->Min(); }
  void SetMin(int Value) { FHelper->SetMin(Value); }
  int PageSize() const { return FHelper->PageSize(); }
  void SetPageSize(int Value) { FHelper->SetPageSize(Value); }
  int Position() const { return FHelper->Position(); }
  void SetPosition(int Value) { FHelper->SetPosition(Value); }
  bool UnlimitedTracking() const { return FHelper->UnlimitedTracking(); }
  void SetUnlimitedTracking(bool Value) { FHelper->SetUnlimitedTracking(Value); }
  TcxLookAndFeel* LookAndFeel() const { return FLookAndFeel.get(); }
  void SetLookAndFeel(TcxLookAndFeel* Value) { FLookAndFeel->Assign(Value); }
  TcxScrollBarHelper* Helper() const { return FHelper.get(); }

  void SetScrollParams(int AMin, int AMax, int APosition, int APageSize, bool ARedraw = true) {
    FHelper->SetScrollParams(AMin, AMax, APosition, APageSize, ARedraw);
  }
  void SetParams(int APosition, int AMin, int AMax) {
    FHelper->SetScrollParams(AMin, AMax, APosition, FHelper->PageSize(), true);
  }

  // IcxScrollBarOwner
  TWinControl* GetScrollBarControl() override { return this; }
  TcxLookAndFeel* GetScrollBarLookAndFeel() override { return FLookAndFeel.get(); }

  TNotifyEvent OnChange;
  TScrollEvent OnScroll;

 protected:
  virtual void Change();
  virtual void LookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues);
  virtual void DrawScrollBar(TcxCanvas* ACanvas) { FHelper->DrawTo(ACanvas); }
  virtual void DoScroll(TScrollCode AScrollCode, int& AScrollPos);
  void Paint() override;
  void Resize() override;
  void WndProc(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  void ThemeChanged();
  void HandleMouseEnterLeave(TMessage& Message);

  // The platform's flag follows the user's value unless a skin draws.
  void ApplyCtl3D();

  std::unique_ptr<TcxLookAndFeel> FLookAndFeel;
  std::unique_ptr<TcxScrollBarHelper> FHelper;
  std::unique_ptr<TdxThemeChangedNotificator> FThemeChangedNotificator;
  bool FRealCtl3D = true;
  bool FApplyingCtl3D = false;
};

// The system's vertical scroll-bar width and horizontal scroll-bar height.
TSize cxGetSystemScrollBarMetrics();
