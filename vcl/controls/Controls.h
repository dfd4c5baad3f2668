#pragma once
// The control classes: TControl (bounds, visibility, font, colour, text,
// mouse input and the window procedure by message number), TWinControl (a
// real window: a framework window or a subclassed standard control, with
// children, tab order and focus), TCustomControl (a framework window that
// paints on a canvas) and TGraphicControl (painted by its parent).
#include <functional>
#include <memory>
#include <vector>

#include "vcl/classes/Component.h"
#include "vcl/controls/Messages.h"
#include "vcl/graphics/Canvas.h"
#include "vcl/rtl/Types.h"
#include "vcl/rtl/UnitStartup.h"

class TControl;
class TWinControl;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
using enum TAlign;

enum class TControlStyleItem {
  csAcceptsControls, csCaptureMouse, csDesignInteractive, csClickEvents, csFramed, csSetCaption,
  csOpaque, csDoubleClicks, csFixedWidth, csFixedHeight, csNoDesignVisible, csReplicatable,
  csNoStdEvents, csDisplayDragImage, csReflector, csActionClient, csMenuEvents,
  csNeedsBorderPaint, csParentBackground, csPannable, csAlignWithMargins, csGestures,
  csPaintBlackOpaqueOnGlass, csOverrideStylePaint
};
using enum TControlStyleItem;
using TControlStyle = TSet<TControlStyleItem>;

enum class TControlStateItem {
  csLButtonDown, csClicked, csPalette, csReadingState, csAlignmentNeeded, csFocusing, csCreating,
  csPaintCopy, csCustomPaint, csDestroyingHandle, csDocking, csDesignerHide, csPanning,
  csRecreating, csAligning, csGlassPaint, csPrintClient
};
using enum TControlStateItem;
using TControlState = TSet<TControlStateItem>;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };
using enum TMouseButton;
enum class TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using enum TShiftStateItem;
using TShiftState = TSet<TShiftStateItem>;

using TCursor = int16_t;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

using TWndMethod = std::function<void(TMessage& Message)>;
using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, wchar_t& Key)>;
using TContextPopupEvent =
    std::function<void(TObject* Sender, const TPoint& MousePos, bool& Handled)>;
using TMouseWheelEvent = std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta,
                                            const TPoint& MousePos, bool& Handled)>;

class TPopupMenu;
class TBasicAction;
class TActionLink;
class TDragImageList;
class TDragObject;

// ---------------------------------------------------------------- drag and drop

enum class TDragMode { dmManual, dmAutomatic };
using enum TDragMode;
// dkDock is only told apart: nothing docks here.
enum class TDragKind { dkDrag, dkDock };
using enum TDragKind;

// Reading order and layout of text and controls.
enum class TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
using enum TBiDiMode;
enum class TDragState { dsDragEnter, dsDragLeave, dsDragMove };
using enum TDragState;

// Source: the dragged control when the framework made the drag object, else
// the drag object itself.
using TStartDragEvent = std::function<void(TObject* Sender, TDragObject*& DragObject)>;
using TDragOverEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y,
                                          TDragState State, bool& Accept)>;
using TDragDropEvent = std::function<void(TObject* Sender, TObject* Source, int X, int Y)>;
using TEndDragEvent = std::function<void(TObject* Sender, TObject* Target, int X, int Y)>;

// What one drag carries and how it shows; the targets see it (or its
// control) as their Source.
class TDragObject : public TObject {
  VCL_CLASS(TDragObject, TObject)
public:
  virtual TCursor GetDragCursor(bool Accepted, int X, int Y) { return Accepted ? crDrag : crNoDrop; }
  virtual TDragImageList* GetDragImages() { return nullptr; }
  // The drag ended: dropped on an accepting target, or not.
  virtual void Finished(TObject* Target, int X, int Y, bool Accepted) {}
  // Hide the image while the screen under it changes.
  void HideDragImage();
  void ShowDragImage();
  // The control under the pointer (null over no control) and the pointer's
  // screen position.
  TControl* DragTarget = nullptr;
  TPoint DragPos;
};

// The drag object of a dragged control; the end of the drag is the
// control's.
class TDragControlObject : public TDragObject {
  VCL_CLASS(TDragControlObject, TDragObject)
public:
  explicit TDragControlObject(TControl* AControl) : FControl(AControl) {}
  TControl* Control() const { return FControl; }
  TDragImageList* GetDragImages() override;
  void Finished(TObject* Target, int X, int Y, bool Accepted) override;

private:
  TControl* FControl;
};

// Ends the running drag without a drop; nothing when none runs.
void CancelDrag();
// The drag object of the running drag, or null.
TDragObject* CurrentDragObject();
// Every framework window offers its messages here first: while a drag runs
// the mouse on the source's window and the keys lead it. True when the
// message was the drag's.
bool DragHandlesMessage(TWinControl* AControl, TMessage& Message);

// ---------------------------------------------------------------- touch settings

// The gestures a control takes from a touch screen, by their order in the
// system's gesture ids (zoom 3 to press-and-tap 7).
enum class TInteractiveGesture { igZoom, igPan, igRotate, igTwoFingerTap, igPressAndTap };
using enum TInteractiveGesture;
using TInteractiveGestures = TSet<TInteractiveGesture>;
enum class TInteractiveGestureOption {
  igoPanSingleFingerHorizontal, igoPanSingleFingerVertical, igoPanInertia, igoPanGutter,
  igoParentPassthrough
};
using enum TInteractiveGestureOption;
using TInteractiveGestureOptions = TSet<TInteractiveGestureOption>;

enum class TInteractiveGestureFlag { gfBegin, gfInertia, gfEnd };
using enum TInteractiveGestureFlag;
using TInteractiveGestureFlags = TSet<TInteractiveGestureFlag>;

// Gesture ids of a gesture event: the system's id plus 256.
constexpr int igiBegin = 257;
constexpr int igiEnd = 258;
constexpr int igiZoom = 259;
constexpr int igiPan = 260;
constexpr int igiRotate = 261;
constexpr int igiTwoFingerTap = 262;
constexpr int igiPressAndTap = 263;

struct TSmallPoint {
  int16_t X = 0;
  int16_t Y = 0;
  friend constexpr bool operator==(const TSmallPoint&, const TSmallPoint&) = default;
};

// One gesture event as a control receives it (CM_GESTURE), in the
// receiving control's client coordinates.
struct TGestureEventInfo {
  int GestureID = 0;
  TPoint Location;
  TInteractiveGestureFlags Flags;
  double Angle = 0;
  int Distance = 0;
  TSmallPoint InertiaVector;
  TSmallPoint TapLocation;
};

// A control's touch settings: the gestures it takes and how.
class TTouchManager {
public:
  TInteractiveGestures InteractiveGestures() const { return FInteractiveGestures; }
  void SetInteractiveGestures(TInteractiveGestures Value) { FInteractiveGestures = Value; }
  TInteractiveGestureOptions InteractiveGestureOptions() const { return FInteractiveGestureOptions; }
  void SetInteractiveGestureOptions(TInteractiveGestureOptions Value) { FInteractiveGestureOptions = Value; }

private:
  TInteractiveGestures FInteractiveGestures;
  TInteractiveGestureOptions FInteractiveGestureOptions{igoPanSingleFingerHorizontal, igoPanSingleFingerVertical,
                                                         igoPanInertia, igoPanGutter, igoParentPassthrough};
};
enum class TTouchProperty { tpInteractiveGestures, tpInteractiveGestureOptions };
using enum TTouchProperty;

// ---------------------------------------------------------------- TControl

class TControl : public TComponent {
  VCL_COMPONENT_CLASS(TControl, TComponent)
public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* AParent);

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
  void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
  void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
  void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
  // Position in the parent's client area (on the screen for a form).
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
  void SetBoundsRect(const TRect& R) { SetBounds(R.Left, R.Top, R.Width(), R.Height()); }
  virtual TRect ClientRect();
  int ClientWidth() { return ClientRect().Width(); }
  int ClientHeight() { return ClientRect().Height(); }
  TPoint ClientToScreen(const TPoint& P);
  TPoint ScreenToClient(const TPoint& P);
  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign Value);

  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool Value);

  // The caption or text: the window's own text once the window exists.
  String Caption() { return GetText(); }
  void SetCaption(const String& Value) { SetText(Value); }
  String Text() { return GetText(); }
  void SetText(const String& Value);

  // Setting Font or Color cuts the link to the parent's (ParentFont,
  // ParentColor); setting those takes the parent's again.
  TFont* Font() const { return FFont.get(); }
  void SetFont(TFont* Value) { FFont->Assign(Value); }
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool Value);
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  const String& Hint() const { return FHint; }
  virtual void SetHint(const String& Value) { FHint = Value; }
  // The control (its window, or its parent's for a graphic control) takes
  // the mouse input until released.
  bool MouseCapture();
  void SetMouseCapture(bool Value);
  // The menu a right click shows; none by default.
  virtual TPopupMenu* GetPopupMenu() { return nullptr; }

  TTouchManager& Touch() { return FTouch; }
  // Whether a touch setting differs from the control's default and is
  // stored with it.
  virtual bool IsTouchPropertyStored(TTouchProperty AProperty) { return true; }

  // Dragging to other controls. With dmAutomatic a left press starts it.
  TDragMode DragMode() const { return FDragMode; }
  void SetDragMode(TDragMode Value) { FDragMode = Value; }
  TDragKind DragKind() const { return FDragKind; }
  virtual void SetDragKind(TDragKind Value) { FDragKind = Value; }
  // Immediate: the drag shows at once; else only once the pointer left the
  // square of Threshold (Mouse.DragThreshold when negative) around the
  // press. The control holds the mouse until the drag ends.
  void BeginDrag(bool Immediate, int Threshold = -1);
  // Drop: on the target under the pointer when it accepts.
  void EndDrag(bool Drop);
  bool Dragging() const;
  // The images the drag shows; null for none.
  virtual TDragImageList* GetDragImages() { return nullptr; }
  // The end of a drag from this control (OnEndDrag); Target is null when
  // nothing took the drop.
  virtual void DoEndDrag(TObject* Target, int X, int Y);
  // A drag over this control: Accept starts as whether OnDragOver is set.
  virtual void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept);
  virtual void DragDrop(TObject* Source, int X, int Y);

  // Right-to-left reading and layout; setting it cuts the link to the
  // parent's (ParentBiDiMode), setting that takes the parent's again.
  TBiDiMode BiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode Value);
  bool ParentBiDiMode() const { return FParentBiDiMode; }
  void SetParentBiDiMode(bool Value);
  bool IsRightToLeft() const { return FBiDiMode != bdLeftToRight; }
  // Text starts at the right (and right-aligned text at the left).
  bool UseRightToLeftAlignment() const { return FBiDiMode == bdRightToLeft; }
  bool UseRightToLeftReading() const { return FBiDiMode != bdLeftToRight; }
  // The vertical scroll bar stands at the left.
  bool UseRightToLeftScrollBar() const {
    return FBiDiMode == bdRightToLeft || FBiDiMode == bdRightToLeftNoAlign;
  }
  // DrawText flags adjusted to the control's reading order and alignment.
  UINT DrawTextBiDiModeFlags(UINT Flags) const;

  // The action the control shows and runs on a click (when it has no
  // OnClick of its own); its changes reach the control.
  TBasicAction* Action() const { return FAction; }
  void SetAction(TBasicAction* Value);
  // The link through which the action hands the control the values it
  // follows before they change (null for a control that needs none).
  TActionLink* ActionLink() const { return FActionLink.get(); }

  // Multiplies the bounds (and a font of its own) by M / D, as for another
  // screen resolution; a windowed control scales its children too.
  void ScaleBy(int M, int D);

  TControlStyle ControlStyle() const { return FControlStyle; }
  void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }
  TControlState ControlState() const { return FControlState; }
  void SetControlState(TControlState Value) { FControlState = Value; }

  bool IsDestroying() const { return ComponentState().Contains(csDestroying); }

  // Sends a message straight to the control's window procedure.
  LRESULT Perform(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0);
  // Every message passes this; replacing it subclasses the control.
  TWndMethod WindowProc;
  virtual void Invalidate();
  // Paints what is invalid now rather than when the queue gets to it.
  virtual void Update();
  void Repaint();
  void Refresh() { Repaint(); }

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnResize;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  // Before the popup menu shows; Handled keeps it from showing.
  TContextPopupEvent OnContextPopup;
  TStartDragEvent OnStartDrag;
  TDragOverEvent OnDragOver;
  TDragDropEvent OnDragDrop;
  TEndDragEvent OnEndDrag;

protected:
  // The start of a drag from this control (OnStartDrag); a drag object left
  // null is made by the framework.
  virtual void DoStartDrag(TDragObject*& DragObject);
  // Handles the messages this class knows by number; others reach
  // DefaultHandler.
  virtual void WndProc(TMessage& Message);
  virtual void DefaultHandler(TMessage& Message) {}
  virtual String GetText();
  virtual void Click();
  virtual void DblClick();
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void Resize();
  virtual void FontChanged();
  // The client point of a mouse message (from its lParam).
  virtual TPoint MouseMessagePoint(const TMessage& Message);
  // MousePos in client coordinates, (-1, -1) when asked for by the keyboard.
  virtual void DoContextPopup(const TPoint& MousePos, bool& Handled);
  // Raises EInvalidOperation naming the control.
  [[noreturn]] void InvalidOperation(const String& Reason) const;
  // A gesture event for the control (CM_GESTURE); Handled answers 1 to it.
  virtual void HandleGesture(const TGestureEventInfo& EventInfo, bool& Handled) {}
  // The scaling of ScaleBy.
  virtual void ChangeScale(int M, int D);
  // The linked action changed (or was linked): its caption, enabled state,
  // hint and visibility become the control's; with CheckDefaults (while
  // loading) only where the control still has its defaults.
  virtual void ActionChange(TObject* Sender, bool CheckDefaults);
  // The control's link to a newly linked action; none by default.
  virtual std::unique_ptr<TActionLink> CreateActionLink();
  void Notification(TComponent* AComponent, TOperation Operation) override;

  // Text of a control without a window of its own (or before it has one).
  String FText;

private:
  friend class TWinControl;
  friend class TBasicAction;
  void HandleMouse(TMessage& Message);
  // CM_MOUSEENTER and CM_MOUSELEAVE: the control's own (lParam 0) fire its
  // event; every one goes on to the parent naming the control it concerns.
  void HandleMouseEnterLeave(TMessage& Message);
  void ParentFontChanged();
  void ParentColorChanged();
  void ParentBiDiModeChanged();
  // A control going away ends the drag it leads and stops being a target.
  void LeaveDrag();

  TWinControl* FParent = nullptr;
  int FLeft = 0;
  int FTop = 0;
  int FWidth = 0;
  int FHeight = 0;
  TAlign FAlign = alNone;
  bool FVisible = true;
  bool FEnabled = true;
  bool FParentFont = true;
  bool FParentColor = true;
  bool FTakingParentFont = false;
  TColor FColor = clWindow;
  TCursor FCursor = crDefault;
  TDragMode FDragMode = dmManual;
  TDragKind FDragKind = dkDrag;
  TBasicAction* FAction = nullptr;
  std::unique_ptr<TActionLink> FActionLink;
  TBiDiMode FBiDiMode = bdLeftToRight;
  bool FParentBiDiMode = true;
  String FHint;
  TControlStyle FControlStyle;
  TControlState FControlState;
  std::unique_ptr<TFont> FFont;
  TTouchManager FTouch;
};

// ---------------------------------------------------------------- TWinControl

struct TCreateParams {
  String Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  HWND WndParent = nullptr;
  // A standard window class to subclass; empty for a framework window.
  String WinClassName;
};

class TWinControl : public TControl {
  VCL_COMPONENT_CLASS(TWinControl, TControl)
public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;

  // The window, created (with its parents') on first use. A control that
  // is being destroyed, has no parent window, or whose window was destroyed
  // from outside raises EInvalidOperation.
  HWND Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  void HandleNeeded() { Handle(); }
  // Destroys and creates the window again, keeping the control's state.
  void RecreateWnd();

  int ControlCount() const { return static_cast<int>(FControls.size()); }
  TControl* Controls(int Index) const { return FControls.at(Index); }
  void InsertControl(TControl* AControl);
  void RemoveControl(TControl* AControl);
  // The visible, enabled child at a client point (graphic children first).
  TControl* ControlAtPos(const TPoint& Pos, bool AllowDisabled = false);

  // Position among the parent's windowed children when tabbing.
  int TabOrder() const;
  void SetTabOrder(int Value);
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool Value);
  // The windowed children of this control and of theirs, in tab order.
  virtual void GetTabOrderList(std::vector<TWinControl*>& List);
  virtual bool CanFocus();
  // Raises EInvalidOperation when the control cannot take the focus.
  virtual void SetFocus();
  bool Focused();
  // Visible, and so is every parent up to the form.
  bool Showing();

  TBrush* Brush() const { return FBrush.get(); }
  TRect ClientRect() override;
  // Sets the bounds so that the client area gets the given size.
  void SetClientSize(int AWidth, int AHeight);
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void SetEnabled(bool Value) override;
  void Invalidate() override;
  void Update() override;
  // Lays the aligned children out in the client area.
  void Realign();
  // Paints the control and its windowed children into DC with the window's
  // top-left at (X, Y), as a copy (csPaintCopy): each is sent WM_ERASEBKGND
  // and WM_PAINT with DC, whose origin lies at its client area.
  void PaintTo(HDC DC, int X, int Y);
  // Paints into a bitmap first, then the screen at once.
  bool DoubleBuffered() const { return FDoubleBuffered; }
  void SetDoubleBuffered(bool Value) { FDoubleBuffered = Value; }
  // Shows the parent's background under the control (csParentBackground).
  bool ParentBackground() const { return ControlStyle().Contains(csParentBackground); }
  void SetParentBackground(bool Value) { ApplyParentBackground(Value); }
  // The three-dimensional look, kept for the controls that draw by it;
  // setting it cuts the link to the parent's (ParentCtl3D).
  bool Ctl3D() const { return FCtl3D; }
  void SetCtl3D(bool Value);
  bool ParentCtl3D() const { return FParentCtl3D; }
  void SetParentCtl3D(bool Value);

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TMouseWheelEvent OnMouseWheel;

protected:
  virtual void CreateParams(TCreateParams& Params);
  // Creates the window, then the children's windows.
  virtual void CreateWnd();
  // After the window exists: fonts, texts, items and other state the
  // window keeps are handed to it.
  virtual void InitializeWindow();
  // Before the window goes: what it keeps (typed text, choices) is saved.
  virtual void SaveWindowState();
  void DestroyHandle();
  // Destroys the window itself (its children's are gone already).
  virtual void DestroyWnd();
  // The area aligned children share: the client rectangle by default.
  virtual void AdjustClientRect(TRect& Rect) {}
  void ChangeScale(int M, int D) override;
  void WndProc(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;
  String GetText() override;
  // Paints a framework window's client area (the children come after).
  virtual void PaintWindow(HDC DC) {}
  virtual void DoEnter();
  virtual void DoExit();
  virtual void KeyDown(uint16_t& Key, TShiftState Shift);
  virtual void KeyUp(uint16_t& Key, TShiftState Shift);
  virtual void KeyPress(wchar_t& Key);
  void FontChanged() override;
  // MousePos on the screen; true when the wheel was handled (OnMouseWheel).
  virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, const TPoint& MousePos);
  virtual void ApplyParentBackground(bool Value);
  // At the start of a touch (WM_GESTURENOTIFY): the gestures and options
  // the window is configured for, Touch's by default.
  virtual void QueryGestureOptions(TInteractiveGestures& Gestures, TInteractiveGestureOptions& Options) {}
  // The graphic children, painted after the window's own content.
  void PaintControls(HDC DC);
  // Erases and paints R (clipped to AClip, in R's coordinates, when given)
  // into a bitmap, then copies it to DC.
  void PaintDoubleBuffered(HDC DC, const RECT& R, HRGN AClip = nullptr);

private:
  friend LRESULT CALLBACK StdWndProc(HWND, UINT, WPARAM, LPARAM);
  void ContextMenu(TMessage& Message);
  void GestureNotify(TMessage& Message);
  void MouseWheel(TMessage& Message);
  void TrackMouse(TMessage& Message);
  void CreateHandle();
  void AttachHandle(HWND Window);
  void DetachHandle();
  void UpdateBoundsFromWindow();
  void ReflectToChild(TMessage& Message, HWND Child);
  void PaintHandler(TMessage& Message);
  void ForwardMouseToGraphicChild(TMessage& Message);
  bool HandleKeyMessage(TMessage& Message);
  // The parent form that sees this control's keys first, or null.
  TWinControl* KeyPreviewForm();
  bool DialogKey(TMessage& Message);
  void SetCursorFromScreen(TMessage& Message);
  TWinControl* MeasuredChild(UINT ControlId);

  HWND FHandle = nullptr;
  WNDPROC FDefWndProc = nullptr;
  UINT FControlId = 0;
  bool FTabStop = false;
  bool FWindowLost = false;
  bool FStandardClass = false;
  bool FDoubleBuffered = false;
  bool FCtl3D = true;
  bool FParentCtl3D = true;
  void ParentCtl3DChanged();
  std::vector<TControl*> FControls;
  std::vector<TWinControl*> FTabList;
  std::unique_ptr<TBrush> FBrush;
};

// ---------------------------------------------------------------- canvases and painting

// A canvas on a control's window, or for a graphic control on its parent's
// window, moved and clipped to the control.
class TControlCanvas : public TCanvas {
  VCL_CLASS(TControlCanvas, TCanvas)
public:
  explicit TControlCanvas(TControl* AControl) : FControl(AControl) {}
  ~TControlCanvas() override { FreeHandle(); }
  // Lets the context it made go (a context set from outside is only
  // forgotten).
  void FreeHandle();

protected:
  void CreateHandle() override;

private:
  TControl* FControl;
  HWND FWindow = nullptr;
};

class TCustomControl : public TWinControl {
  VCL_COMPONENT_CLASS(TCustomControl, TWinControl)
public:
  explicit TCustomControl(TComponent* AOwner);
  TCanvas* Canvas() const { return FCanvas.get(); }

protected:
  // Draws the control on Canvas.
  virtual void Paint() {}
  void PaintWindow(HDC DC) override;
  // The canvas lets go of the window's context first.
  void DestroyWnd() override;

private:
  std::unique_ptr<TControlCanvas> FCanvas;
};

// ---------------------------------------------------------------- hint window

enum class TBorderStyle { bsNone, bsSingle };
using enum TBorderStyle;

// The popup that shows a hint text on the hint colour.
class THintWindow : public TCustomControl {
  VCL_COMPONENT_CLASS(THintWindow, TCustomControl)
public:
  explicit THintWindow(TComponent* AOwner);
  // Shows AHint in Rect (screen coordinates, kept on the screen) above every
  // window, without taking the focus.
  virtual void ActivateHint(const TRect& Rect, const String& AHint);
  // The window rectangle at (0, 0) that shows AHint wrapped at MaxWidth.
  virtual TRect CalcHintRect(int MaxWidth, const String& AHint, void* AData);
  // Hides the window by letting it go; the next activation makes it anew.
  void ReleaseHandle() { DestroyHandle(); }

protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
};

class TGraphicControl : public TControl {
  VCL_COMPONENT_CLASS(TGraphicControl, TControl)
public:
  explicit TGraphicControl(TComponent* AOwner);
  TCanvas* Canvas() const { return FCanvas.get(); }

protected:
  friend class TWinControl;
  virtual void Paint() {}

private:
  std::unique_ptr<TControlCanvas> FCanvas;
};

// ---------------------------------------------------------------- mouse settings

class TMouse {
public:
  // How far the pointer moves with a button held before a drag starts.
  int DragThreshold() const { return FDragThreshold; }
  void SetDragThreshold(int Value) { FDragThreshold = Value; }
  // Lines one wheel notch scrolls, as the system is set now; -1 when it
  // scrolls a page.
  int WheelScrollLines() const;

private:
  int FDragThreshold = 5;
};

extern TMouse Mouse;

// The control object of a window made by the framework, or null.
TWinControl* FindControl(HWND Window);
TShiftState KeysToShiftState(WPARAM Keys);
TShiftState KeyboardStateToShiftState();

// Registers the framework's window class and the common controls.
extern const TUnitEntry ControlsUnit;
