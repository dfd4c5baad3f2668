#pragma once
// The control unit: services and routines shared by the library's controls.
// Window-procedure chains let any number of clients hook the messages of one
// control or one raw window, removable in any order; the messages controller
// removes queued messages, keeps a list of locked message ids and swallows
// the next message of a window. Free routines on windows, controls, work
// areas, the mouse and keys serve the controls and the editors built on them.
#include <map>
#include <memory>
#include <vector>

#include "components/controls/cxScrollBar.h"
#include "components/core/cxClasses.h"
#include "components/core/cxGraphics.h"
#include "components/core/cxMessageWindow.h"
#include "components/core/dxCoreClasses.h"
#include "components/core/dxGestures.h"
#include "components/lookandfeel/cxLookAndFeels.h"
#include "vcl/controls/Controls.h"
#include "vcl/controls/Forms.h"
#include "vcl/controls/ImgList.h"
#include "vcl/controls/Menus.h"
#include "vcl/controls/StdCtrls.h"
#include "vcl/rtl/UnitStartup.h"

// ---------------------------------------------------------------- window-procedure chains

// One hook of a chain. The chain's first hook is the window's own procedure.
class TcxWindowProcLinkedObject : public TcxDoublyLinkedObject {
  VCL_CLASS(TcxWindowProcLinkedObject, TcxDoublyLinkedObject)
public:
  explicit TcxWindowProcLinkedObject(TControl* AControl) : FControl(AControl) {}
  explicit TcxWindowProcLinkedObject(HWND AHandle) : FHandle(AHandle) {}

  // Lets the next older hook (finally the window's own procedure) see the
  // message; a hook that does not call it swallows the message.
  void DefaultProc(TMessage& Message);

  TControl* Control() const { return FControl; }
  HWND Handle() const { return FHandle; }
  TWndMethod WindowProc;

private:
  TControl* FControl = nullptr;
  HWND FHandle = nullptr;
};

// Puts a chain's entry procedure in place of a control's or window's own
// procedure and back.
class TcxSubclassingHelper : public TObject {
  VCL_CLASS(TcxSubclassingHelper, TObject)
public:
  virtual TcxWindowProcLinkedObject* NewLinkedObject() = 0;
  virtual void RestoreWindowProc() = 0;
  virtual void ReplaceWindowProc(TWndMethod AWndProc) = 0;
  // The procedure found when subclassing started.
  const TWndMethod& DefaultWindowProc() const { return FDefaultWindowProc; }

protected:
  TWndMethod FDefaultWindowProc;
};

// Subclasses a framework control through its WindowProc property.
class TcxVCLSubclassingHelper : public TcxSubclassingHelper {
  VCL_CLASS(TcxVCLSubclassingHelper, TcxSubclassingHelper)
public:
  explicit TcxVCLSubclassingHelper(TControl* AControl) : FControl(AControl) {}
  TcxWindowProcLinkedObject* NewLinkedObject() override;
  void RestoreWindowProc() override;
  void ReplaceWindowProc(TWndMethod AWndProc) override;

private:
  TControl* FControl;
};

// Subclasses a raw window through its window procedure.
class TcxWin32SubclassingHelper : public TcxSubclassingHelper {
  VCL_CLASS(TcxWin32SubclassingHelper, TcxSubclassingHelper)
public:
  explicit TcxWin32SubclassingHelper(HWND AHandle) : FHandle(AHandle) {}
  TcxWindowProcLinkedObject* NewLinkedObject() override;
  void RestoreWindowProc() override;
  void ReplaceWindowProc(TWndMethod AWndProc) override;

private:
  friend LRESULT CALLBACK cxSubclassedWindowProc(HWND, UINT, WPARAM, LPARAM);
  void CallOriginalWindowProc(TMessage& Message);

  HWND FHandle;
  WNDPROC FAPIDefaultWndProc = nullptr;
  TWndMethod FWndProc;  // the chain's entry, called by the installed procedure
};

// The hooks of one control or window; the newest hook is the last.
class TcxWindowProcLinkedObjectList : public TcxDoublyLinkedObjectList {
  VCL_CLASS(TcxWindowProcLinkedObjectList, TcxDoublyLinkedObjectList)
public:
  explicit TcxWindowProcLinkedObjectList(TControl* AControl);
  explicit TcxWindowProcLinkedObjectList(HWND AHandle);
  // Restores the window's own procedure, then frees the hooks.
  ~TcxWindowProcLinkedObjectList() override;

  TcxWindowProcLinkedObject* AddProc(TWndMethod AWndProc);
  // No client hook left: only the window's own procedure.
  bool IsEmpty() const { return Last() == First(); }
  TControl* Control() const { return FControl; }
  HWND Handle() const { return FHandle; }

protected:
  TcxDoublyLinkedObject* NewItem() override { return FHelper->NewLinkedObject(); }
  virtual void InstallWindowProc();

private:
  void WindowProc(TMessage& Message);

  TControl* FControl = nullptr;
  HWND FHandle = nullptr;
  std::unique_ptr<TcxSubclassingHelper> FHelper;
};

class TcxWindowProcController : public TObject {
  VCL_CLASS(TcxWindowProcController, TObject)
public:
  TcxWindowProcController();
  // Null for a null control or handle; otherwise the new hook, newest of
  // the control's (window's) chain.
  TcxWindowProcLinkedObject* Add(TControl* AControl, TWndMethod AWndProc);
  TcxWindowProcLinkedObject* Add(HWND AHandle, TWndMethod AWndProc);
  // Frees the hook and clears the pointer; the chain goes, restoring the
  // window's own procedure, with its last client hook.
  void Remove(TcxWindowProcLinkedObject*& AWndProcObject);

private:
  TcxWindowProcLinkedObjectList* Find(TControl* AControl, HWND AHandle) const;
  TcxWindowProcLinkedObjectList* AddList(std::unique_ptr<TcxWindowProcLinkedObjectList> AList);

  std::unique_ptr<TcxObjectList> FWindowProcObjects;
};

// The process-wide controller, created on first use; null once the unit
// has shut down.
TcxWindowProcController* cxGetWindowProcController();

// ---------------------------------------------------------------- messages controller

class TdxMessagesController : public TObject {
  VCL_CLASS(TdxMessagesController, TObject)
public:
  ~TdxMessagesController() override;

  // Removes AWnd's queued messages in AMsgFilterMin..AMsgFilterMax (a max
  // of 0: just AMsgFilterMin): the first only, or all of them. A WM_QUIT
  // met on the way is posted again and ends the removal. Whether a message
  // was removed.
  bool KillMessages(HWND AWnd, UINT AMsgFilterMin, UINT AMsgFilterMax = 0,
                    bool AKillAllMessages = true);
  // A message of that id is queued for that very window.
  bool IsMessageInQueue(HWND AWnd, UINT AMessage);

  // An id locked twice stays locked until unlocked twice.
  void LockMessages(const std::vector<UINT>& AMessages);
  void UnlockMessages(const std::vector<UINT>& AMessages);
  bool IsMessageLocked(UINT AMessage) const;

  // The next message AHandle receives is answered with 1 and not handled.
  // Raises EdxException when that window's next message is being swallowed
  // already; other windows may be blocked meanwhile.
  void BlockMessage(HWND AHandle);
  // For a locked AMessage: BlockMessage and AMessage := 0.
  void BlockLockedMessage(HWND AHandle, UINT& AMessage);

private:
  friend LRESULT CALLBACK dxBlockingWindowProc(HWND, UINT, WPARAM, LPARAM);
  // Forgets blocks of windows that were destroyed before a message came.
  void DropBlocksOfLostWindows();

  std::vector<UINT> FLockedMessages;
  std::map<HWND, WNDPROC> FOldWndProcs;  // windows whose next message is swallowed
};

// The process-wide controller, created on first use; null once the unit
// has shut down.
TdxMessagesController* dxGetMessagesController();

// ---------------------------------------------------------------- system controller

// Inside a library the program's own loop never hears a worker thread's
// wake-up: the controller takes the wake-up over and runs the synchronised
// calls when its posted message arrives. In a program it only exists.
class TcxSystemController : public TcxMessageWindow {
  VCL_CLASS(TcxSystemController, TcxMessageWindow)
public:
  explicit TcxSystemController(bool AInLibrary = IsLibrary());
  ~TcxSystemController() override;
  void HandleWindowMessage(TMessage& AMessage) override;

  static constexpr UINT DXM_SYNCHRONIZETHREADS = 0x8066;

private:
  bool FInLibrary;
  TNotifyEvent FPrevWakeMainThread;
};

// The unit's controller, alive between its start-up and shut-down.
TcxSystemController* cxSystemController();

// ---------------------------------------------------------------- application activation

class TCustomForm;

// Keeps stay-on-top forms above the others when another window of the
// program is activated while a modal form shows.
class TdxApplicationActivateWindowHelper : public TObject {
  VCL_CLASS(TdxApplicationActivateWindowHelper, TObject)
public:
  TdxApplicationActivateWindowHelper();
  ~TdxApplicationActivateWindowHelper() override;

  // A freed form leaves the list by itself.
  void AddWindow(TCustomForm* AForm);
  void RemoveWindow(TCustomForm* AForm);
  // For a WM_NCACTIVATE that activates AForm while a modal form shows:
  // unless AForm is focused or registered above the topmost modal form,
  // the registered forms go to the top of the z-order, then the focused
  // form (activated). Whether it re-stacked.
  bool NormalizeTopMostWindows(const TMessage& AMessage, TCustomForm* AForm);

private:
  void FormFreed(TComponent* AComponent);
  bool IsAboveTopmostModal(TCustomForm* AForm) const;

  std::unique_ptr<TcxFreeNotificator> FFreeNotificator;
  std::vector<TCustomForm*> FWindowsList;
};

// The process-wide helper, alive between the unit's start-up and shut-down.
TdxApplicationActivateWindowHelper* dxApplicationActivateWindowHelper();

// ---------------------------------------------------------------- windows and controls

// AParentWnd is a window and AWnd is it or one of its descendants.
bool cxIsSameOrChildWindow(HWND AParentWnd, HWND AWnd);
// A child window counts as enabled only when all its parents are.
bool cxIsWindowEnabledWithParents(HWND AWnd);
bool cxIsControlShowing(TWinControl* AControl);
// The framework control of AWnd, else of its nearest ancestor that has one.
TWinControl* cxFindControlOfWindow(HWND AWnd);
inline TWinControl* cxFindWindowControl(HWND AWnd) { return cxFindControlOfWindow(AWnd); }
TCustomForm* cxGetWindowParentForm(HWND AWnd);
// Performs AMsg on AControl and on each parent, stopping before the form.
void cxPerformToParentsUntilForm(TControl* AControl, UINT AMsg);
TComponent* cxFindOwnedComponentOfClass(TComponent* AOwner, TClass AClass);
// Asks the control to build its window again, now or from the queue.
void cxRequestWindowRecreate(TWinControl* AControl, bool APostponed);
// Empty without a window.
TRect cxGetControlWindowRect(TWinControl* AControl);
// The deepest visible window under the screen point; 0 for none.
HWND cxWindowAtScreenPoint(const TPoint& P);
// The parent is told (CM_INVALIDATE, wParam 1); with AInvalidateSelf the
// window is invalidated (erasing unless opaque), then, with the second flag,
// every transparent child control.
void cxInvalidateWindowedControl(TWinControl* AControl, bool AInvalidateSelf,
                                 bool AInvalidateTransparentChildren);
bool cxIsTransparentChild(TControl* AControl);
// The platform's visual styles are on for the program.
bool cxIsStyleServicesEnabled();
// Makes the system recalculate the non-client area.
void cxRefreshWindowFrame(HWND AHandle, bool AUpdate = false);
// The previous procedure.
WNDPROC cxSetWindowProc(HWND AHandle, WNDPROC AProc);
// The screen's active form, else the form of the active window.
TCustomForm* cxGetActiveForm();
// P in AParent's client coordinates (the control's parent when null);
// raises EInvalidOperation when AParent is not one of its parents.
TPoint cxControlClientToParent(TControl* AControl, const TPoint& P, TWinControl* AParent = nullptr);
// Whether asking for the control's window would succeed: it has one, or a
// parent that can have one; a form or hint window needs no parent while the
// application has its window. False while the control is being destroyed.
bool cxCanAllocateControlHandle(TWinControl* AControl);
// The library's deferred control message, run before a window goes.
constexpr UINT cxPendingControlMessage = 0xB04D;
// Removes and dispatches the deferred messages queued for the control's
// window, so that none arrives after the window was destroyed.
void cxDispatchPendingControlMessages(TWinControl* AControl);
// The unit's hidden message window, created on first use; null once the
// unit has shut down.
TcxMessageWindow* cxGetMessageWindow();

// ---------------------------------------------------------------- painting on glass

// BeginPaint and EndPaint of one WM_PAINT.
class TcxPaintScope {
public:
  explicit TcxPaintScope(HWND AHandle) : FHandle(AHandle), FDC(BeginPaint(AHandle, &FPaint)) {}
  ~TcxPaintScope() { EndPaint(FHandle, &FPaint); }
  TcxPaintScope(const TcxPaintScope&) = delete;
  TcxPaintScope& operator=(const TcxPaintScope&) = delete;
  HDC DC() const { return FDC; }
  const RECT& PaintRect() const { return FPaint.rcPaint; }

private:
  HWND FHandle;
  PAINTSTRUCT FPaint{};
  HDC FDC;
};

// The control has a window, composition is on and it paints on glass now.
bool cxIsControlPaintingOnGlass(TWinControl* AControl);
// Copies the update region (not erasing); false where it tells nothing.
bool cxGetControlUpdateRegion(TWinControl* AControl, HRGN ARegion);
// A WM_ERASEBKGND the control sent itself while printing its client area.
bool cxIsEraseFromOwnPrint(const TMessage& Message);
// Answers WM_PAINT through the system's paint buffer: the window erases and
// prints its client area into it (WM_ERASEBKGND with the buffer's context
// in both parameters, then WM_PRINTCLIENT); without AKeepAlpha the result
// is made opaque. Where no buffer can be had, both go to the paint context.
void cxBufferedPaintWindow(HWND AHandle, bool AKeepAlpha = false);
// Draws AText into R of ADC through the theme's composited text drawing (so
// that it keeps its alpha on glass): in AFont (the DC's font when null), in
// AColor (the DC's text colour for clDefault), with a glow of AGlowSize
// pixels when above 0 and the DrawText flags AFlags. With ACopyBackground
// the pixels under R are the text's background, else transparent black.
void cxDrawTextOnGlass(HDC ADC, const String& AText, TFont* AFont, const TRect& R, TColor AColor, UINT AFlags,
                       int AGlowSize = 0, bool ACopyBackground = false);

// ---------------------------------------------------------------- desktop

TRect cxGetDesktopWorkAreaAtPoint(const TPoint& P);
// The screen's work area for no monitor.
TRect cxGetWorkAreaOfMonitor(HMONITOR AMonitor);
// Moves ABounds into the work area at P; the left and top edges win for a
// rectangle larger than the area.
void cxMoveRectIntoWorkArea(TRect& ABounds, const TPoint& P);

// ---------------------------------------------------------------- popup windows

enum class TcxPopupAlignHorz { pahLeft, pahCenter, pahRight };
using enum TcxPopupAlignHorz;
enum class TcxPopupAlignVert { pavTop, pavCenter, pavBottom };
using enum TcxPopupAlignVert;
enum class TcxPopupDirection { pdHorizontal, pdVertical };
using enum TcxPopupDirection;

// A borderless, stay-on-top form placed beside an owner rectangle: on the
// side with more room in the desktop's work area and inside it, sized
// around its children with a frame and a border space, and closed when it
// loses activation.
class TcxPopupWindow : public TForm {
  VCL_COMPONENT_CLASS(TcxPopupWindow, TForm)
public:
  explicit TcxPopupWindow(TComponent* AOwner);
  ~TcxPopupWindow() override;

  bool Adjustable() const { return FAdjustable; }
  void SetAdjustable(bool Value) { FAdjustable = Value; }
  TcxPopupAlignHorz AlignHorz() const { return FAlignHorz; }
  void SetAlignHorz(TcxPopupAlignHorz Value) { FAlignHorz = Value; }
  TcxPopupAlignVert AlignVert() const { return FAlignVert; }
  void SetAlignVert(TcxPopupAlignVert Value) { FAlignVert = Value; }
  // Changing the border space or style first puts the children back where
  // they were before the frame moved them in.
  int BorderSpace() const { return FBorderSpace; }
  void SetBorderSpace(int Value);
  TcxPopupBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TcxPopupBorderStyle Value);
  TcxCanvas* Canvas() const { return FCanvas.get(); }
  TcxPopupDirection Direction() const { return FDirection; }
  void SetDirection(TcxPopupDirection Value) { FDirection = Value; }
  TColor FrameColor() const { return FFrameColor; }
  void SetFrameColor(TColor Value) { FFrameColor = Value; }
  // In the client coordinates of OwnerParent (on the screen without one).
  const TRect& OwnerBounds() const { return FOwnerBounds; }
  void SetOwnerBounds(const TRect& Value) { FOwnerBounds = Value; }
  TControl* OwnerParent() const { return FOwnerParent; }
  void SetOwnerParent(TControl* Value) { FOwnerParent = Value; }

  // Sizes and places the popup beside its owner and shows it.
  virtual void Popup();
  virtual void CloseUp() { Hide(); }

  virtual void GetPositionForHorzDirection(TPoint& APosition, TPoint& AOrigin, const TPoint& ASize);
  virtual void GetPositionForVertDirection(TPoint& APosition, TPoint& AOrigin, const TPoint& ASize);
  virtual void CalculatePositionByOwner(TPoint& APosition, TPoint& AOrigin, const TPoint& ASize);
  virtual void CalculatePosition(const TPoint& ASize, TPoint& APosition);
  // Not adjustable: the size passed in. Otherwise the children's extent
  // plus the borders; the children sit one border width in, however often
  // the popup is shown.
  virtual void CalculateSize(TPoint& ASize);
  virtual void CorrectPositionWithDesktop(TPoint& APosition, const TPoint& AOrigin, const TPoint& ASize);
  virtual int GetBorderWidth(TcxBorder ASide);
  virtual TRect GetInnerBounds();
  virtual int GetFrameWidth();
  virtual TRect GetOwnerBoundsOnScreen();
  virtual void InitPopup();
  virtual void DrawFrame();

protected:
  void CreateParams(TCreateParams& Params) override;
  void PaintWindow(HDC DC) override;
  void WndProc(TMessage& Message) override;
  // After the popup was shown or hidden.
  virtual void VisibleChanged() {}

private:
  // Moves every child by the offset.
  void OffsetChildren(const TPoint& AOffset);
  // The children go back to where they were before the frame moved them in.
  void RestoreChildrenPositions();

  bool FAdjustable = true;
  TcxPopupAlignHorz FAlignHorz = pahLeft;
  TcxPopupAlignVert FAlignVert = pavBottom;
  int FBorderSpace = 0;
  TcxPopupBorderStyle FBorderStyle = pbsNone;
  std::unique_ptr<TControlCanvas> FControlCanvas;
  std::unique_ptr<TcxCanvas> FCanvas;
  // How far the children were moved in for the frame.
  TPoint FChildrenOffset;
  TcxPopupDirection FDirection = pdVertical;
  TColor FFrameColor = clWindowText;
  TRect FOwnerBounds;
  TControl* FOwnerParent = nullptr;
  HWND FPrevActiveWindow = nullptr;
};

// A translucent popup that follows the mouse during a drag, at a fixed
// offset from the point where the source was grabbed; the mouse falls
// through it to the windows below.
class TcxCustomDragImage : public TcxPopupWindow {
  VCL_COMPONENT_CLASS(TcxCustomDragImage, TcxPopupWindow)
public:
  explicit TcxCustomDragImage(TComponent* AOwner);

  // The image takes the source's size; APoint is the grab point.
  void Init(const TRect& ASourceBounds, const TPoint& ASourcePoint);
  // The grab point comes to lie at APosition.
  void MoveTo(const TPoint& APosition);
  void Show(int ACmdShow);
  void Hide();
  // The window's state (not the control's flag): shown without activation.
  bool Visible();
  void SetVisible(bool Value);
  bool AlphaBlend() const { return FAlphaBlend; }
  void SetAlphaBlend(bool Value);
  uint8_t AlphaBlendValue() const { return FAlphaBlendValue; }
  void SetAlphaBlendValue(uint8_t Value);
  // Alpha blending is asked for and the system offers layered windows.
  bool AlphaBlended() const;

protected:
  void CreateParams(TCreateParams& Params) override;
  void InitializeWindow() override;
  void WndProc(TMessage& Message) override;

private:
  void ApplyAlphaBlend();

  bool FAlphaBlend = true;
  uint8_t FAlphaBlendValue = 180;
  TPoint FPositionOffset;
};

// The rubber band shown while something is resized: a halftone frame of a
// given width around a rectangle or a region.
class TcxSizeFrame : public TcxCustomDragImage {
  VCL_CLASS(TcxSizeFrame, TcxCustomDragImage)
public:
  explicit TcxSizeFrame(int AFrameWidth);
  ~TcxSizeFrame() override;

  void DrawSizeFrame(const TRect& ARect);
  // ARegion in the frame window's coordinates.
  void DrawSizeFrame(const TRect& ARect, TcxRegion* ARegion);
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  // The whole region rather than only its outline.
  bool FillSelection() const { return FFillSelection; }
  void SetFillSelection(bool Value) { FFillSelection = Value; }
  int FrameWidth() const { return FFrameWidth; }
  TcxRegion* Region() const { return FRegion.get(); }

protected:
  void PaintWindow(HDC DC) override;

private:
  // The region less its inside: a band of the frame width.
  void MakeOutline();

  bool FFillSelection = false;
  int FFrameWidth;
  HBRUSH FHalftoneBrush;
  std::unique_ptr<TcxRegion> FRegion;
};

// ---------------------------------------------------------------- mouse and keys

constexpr TPoint cxInvalidPoint{-1, -1};

// cxInvalidPoint when the position cannot be read.
void cxGetCursorPosSafe(TPoint& P);
WPARAM cxGetMouseKeyFlags();
WPARAM cxShiftStateToMouseKeys(TShiftState AShift);
inline UINT cxGetDoubleClickInterval() { return GetDoubleClickTime(); }
bool cxIsControlKeyDown();
bool cxIsShiftStateClear(TShiftState AShift);
bool cxIsShiftStateLeftButtonOnly(TShiftState AShift, bool ACanIncludeDoubleClick = false);
// AKind 0: whole numbers; 1: with the decimal separator; 2: also exponents.
bool cxIsNumberInputChar(Char ACh, int AKind);
// The point lies less than Mouse.DragThreshold away from the press point
// on both axes.
bool cxIsPointInDragThreshold(const TPoint& APressPoint, int X, int Y);
// Holds the mouse capture on AWnd and handles messages until the pointer
// leaves the threshold square around AScreenPoint (1), a button is released
// (0) or Escape is pressed or the wait is cut short (2). The capture is
// released at the end.
int cxWaitForDragStart(HWND AWnd, const TPoint& AScreenPoint);
// Keys that type no character.
bool cxIsSysKeyCode(uint16_t AKey);
bool cxIsPrintableChar(Char ACh);
inline uint16_t cxNormalizeKeyCode(uint16_t AKey) { return AKey; }

// ---------------------------------------------------------------- popup menus

// A menu component of the library that controls show as their popup menu.
class IcxContextMenuComponent {
public:
  virtual bool IsShortCut(const TMessage& Message) = 0;
  virtual void Popup(int X, int Y) = 0;

protected:
  ~IcxContextMenuComponent() = default;
};

// A menu shown beside a button.
class IcxButtonAttachedMenu {
public:
  virtual void ButtonAttachedPopup(const TPoint& P, TPopupAlignment AAlignment,
                                   const TRect& AButtonScreenRect) = 0;

protected:
  ~IcxButtonAttachedMenu() = default;
};

// A TPopupMenu or a library menu.
bool cxIsPopupMenuComponent(TComponent* AComponent);
bool cxPopupMenuIsShortCut(TComponent* AMenu, const TMessage& Message);
// Shows AMenu at the screen point for AControl; whether something was
// shown (a TPopupMenu only when it pops up by itself).
bool cxShowPopupMenuAt(TControl* AControl, TComponent* AMenu, int X, int Y);
// Shows AMenu below (or, where the desktop ends, above) the button's
// screen rectangle, on the side AAlignment names; a menu at an edge of the
// work area opens towards the desktop. Whether something was shown.
bool cxShowButtonDropDownMenu(TControl* AButton, TComponent* AMenu,
                              const TRect& AButtonScreenRect, TPopupAlignment AAlignment);
// The height of the menu's tallest column, measured with the menu font.
int cxEstimatePopupMenuHeight(TPopupMenu* AMenu);

// ---------------------------------------------------------------- control base

enum class TcxControlBorderStyle { cxcbsNone, cxcbsDefault };
using enum TcxControlBorderStyle;
// The keys a control wants for itself (its answer to WM_GETDLGCODE).
enum class TcxKey { kAll, kArrows, kChars, kTab };
using enum TcxKey;
using TcxKeys = TSet<TcxKey>;
// How the control last received the focus.
enum class TcxControlActivateType { atOther, atByMouse, atByMouseNonClientArea };
using enum TcxControlActivateType;
enum class TcxWheelScrollAxis { wsaNone, wsaHorizontal, wsaVertical };
using enum TcxWheelScrollAxis;
enum class TcxDirection { dirNone, dirLeft, dirRight, dirUp, dirDown };
using enum TcxDirection;
// The library's own drag-and-drop: a press that may become one, and one
// under way.
enum class TcxDragAndDropState { ddsNone, ddsStarting, ddsInProcess };
using enum TcxDragAndDropState;

// The library's messages of the control base.
constexpr UINT DXM_CHECKSCROLLBARSIZE = 0x8065;

class TcxControl;

// Told when a control's font changed.
class IcxFontListener {
public:
  virtual void FontChanged(TObject* Sender, TFont* AFont) = 0;

protected:
  ~IcxFontListener() = default;
};

// A control told of its own font change before its listeners.
class IcxSelfFontReceiver {
public:
  virtual void SelfFontChanged(TFont* AFont) = 0;

protected:
  ~IcxSelfFontReceiver() = default;
};

// An object that owned a control's mouse capture and is told it lost it.
class IcxCaptureHolder {
public:
  virtual void LoseCapture() = 0;

protected:
  ~IcxCaptureHolder() = default;
};

// A control that paints a bitmap as its background: the bitmap lies in the
// client coordinates of GetBackgroundImageControl.
class IcxBackgroundImageSource {
public:
  // Null when there is none.
  virtual TcxBitmap* GetBackgroundImage() = 0;
  virtual TWinControl* GetBackgroundImageControl() = 0;

protected:
  ~IcxBackgroundImageSource() = default;
};

// A child that says itself whether it is transparent.
class IcxTransparentControl {
public:
  virtual bool IsTransparentControl() = 0;

protected:
  ~IcxTransparentControl() = default;
};

// ---------------------------------------------------------------- mouse tracking

// An object that is not a window (a painted bar, a hot part of a control)
// and is told once when the mouse has left it.
class IcxMouseTrackingCaller {
public:
  virtual void MouseLeave() = 0;

protected:
  ~IcxMouseTrackingCaller() = default;
};

// Says itself whether a point lies over it: in the tracked control's client
// coordinates, on the screen when no control is given.
class IcxMouseTrackingCaller2 : public IcxMouseTrackingCaller {
public:
  virtual bool ContainsPoint(const TPoint& P) = 0;

protected:
  ~IcxMouseTrackingCaller2() = default;
};

// Keeps the tracking going while the mouse is outside (while it holds the
// mouse, for example).
class IcxMouseTrackingCaller3 : public IcxMouseTrackingCaller2 {
public:
  virtual bool KeepTrackingOutside() = 0;

protected:
  ~IcxMouseTrackingCaller3() = default;
};

// Looks every 10 ms whether the mouse has left one tracked caller.
class TMouseTrackingTimer : public TcxTimer {
  VCL_CLASS(TMouseTrackingTimer, TcxTimer)
public:
  // ABounds in AControl's client coordinates, kept on the screen.
  TMouseTrackingTimer(TWinControl* AControl, const TRect& ABounds, IcxMouseTrackingCaller* ACaller);
  ~TMouseTrackingTimer() override;
  IcxMouseTrackingCaller* Caller() const { return FCaller; }

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  // The timer event: ends the tracking once the mouse has left.
  void Tick();
  bool IsMouseOutside(const TPoint& P);

  IcxMouseTrackingCaller* FCaller;
  TWinControl* FControl;
  TRect FBounds;
  bool FControlFreed = false;
};

// Starts tracking a caller (once: a caller tracked already keeps its
// tracker). ABounds in AControl's client coordinates, on the screen without
// a control. Nothing once the unit is shutting down.
void cxBeginMouseTracking(TWinControl* AControl, const TRect& ABounds, IcxMouseTrackingCaller* ACaller);
// Stops and frees the caller's tracker, if there is one.
void cxEndMouseTracking(IcxMouseTrackingCaller* ACaller);

// ---------------------------------------------------------------- anchor scrolling

// Where the mouse points away from the anchor: the direction and a speed
// of 1 to 12; no direction and speed 0 inside the neutral zone.
struct TcxAnchorScrollMotion {
  TcxDirection Direction = dirNone;
  int Speed = 0;
  bool LeftNeutralZone = false;
};

// The neutral zone is a square of the anchor bitmap's width around the
// anchor, stretched over the whole screen along a direction that does not
// scroll.
TcxAnchorScrollMotion cxCalculateAnchorScrollMotion(const TPoint& AAnchor, const TPoint& AMouse, int ABitmapWidth,
                                                    bool AHorzScrolling, bool AVertScrolling);
using TcxAnchorScrollProc = std::function<void(TcxDirection ADirection)>;
// The modal anchor mode of a middle click: an elliptic anchor window under
// the cursor, the content scrolled towards the mouse, faster the farther it
// is, until a button is pressed or Escape. AIsScrolling is true meanwhile;
// the capture, timer and window are given back also when AScrollProc raises.
void cxStartAnchorScrolling(TWinControl* AControl, bool AHorzScrolling, bool AVertScrolling,
                            const TcxAnchorScrollProc& AScrollProc, bool& AIsScrolling);

// ---------------------------------------------------------------- control scroll bars

// The requested state of one of a control's scroll bars.
class TcxScrollBarData : public TObject {
  VCL_CLASS(TcxScrollBarData, TObject)
public:
  bool AllowHide = false;
  // Already combined with the control's ScrollBars style.
  bool AllowShow = false;
  bool Enabled = true;
  int LargeChange = 1;
  int Min = 0;
  int Max = 100;
  int PageSize = 0;
  int Position = 0;
  int SmallChange = 1;
  bool Visible = false;
  // The range can scroll: Min <= Max, PageSize <= Max - Min, Position >= Min.
  bool IsValid() const { return Min <= Max && PageSize <= Max - Min && Position >= Min; }
};

// One scroll bar of a control, a child window or painted by the control.
class IcxControlScrollBar {
public:
  // Takes the data's values and visibility.
  virtual void ApplyData() = 0;
  // The bar's own window control; null for a painted bar.
  virtual TWinControl* GetControl() = 0;
  virtual TcxScrollBarData* Data() = 0;
  virtual TScrollBarKind Kind() const = 0;
  virtual TRect BoundsRect() const = 0;
  virtual void SetBoundsRect(const TRect& R) = 0;
  virtual bool Visible() const = 0;
  virtual void SetVisible(bool Value) = 0;
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool Value) = 0;
  virtual int Min() const = 0;
  virtual int Max() const = 0;
  virtual int Position() const = 0;
  virtual int PageSize() const = 0;
  virtual void SetScrollParams(int AMin, int AMax, int APosition, int APageSize, bool ARedraw) = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void SetWidth(int Value) = 0;
  virtual void SetHeight(int Value) = 0;

protected:
  ~IcxControlScrollBar() = default;
};

// A control's scroll bar as a child window, drawn by the control's look.
class TcxControlScrollBar : public TcxScrollBar, public IcxControlScrollBar {
  VCL_COMPONENT_CLASS(TcxControlScrollBar, TcxScrollBar)
public:
  explicit TcxControlScrollBar(TComponent* AOwner);

  void ApplyData() override;
  TWinControl* GetControl() override { return this; }
  TcxScrollBarData* Data() override { return &FData; }
  TScrollBarKind Kind() const override { return TcxScrollBar::Kind(); }
  TRect BoundsRect() const override { return TControl::BoundsRect(); }
  void SetBoundsRect(const TRect& R) override { TControl::SetBoundsRect(R); }
  bool Visible() const override { return TControl::Visible(); }
  void SetVisible(bool Value) override { TControl::SetVisible(Value); }
  bool Enabled() const override { return TControl::Enabled(); }
  void SetEnabled(bool Value) override { TWinControl::SetEnabled(Value); }
  int Min() const override { return TcxScrollBar::Min(); }
  int Max() const override { return TcxScrollBar::Max(); }
  int Position() const override { return TcxScrollBar::Position(); }
  int PageSize() const override { return TcxScrollBar::PageSize(); }
  void SetScrollParams(int AMin, int AMax, int APosition, int APageSize, bool ARedraw) override {
    TcxScrollBar::SetScrollParams(AMin, AMax, APosition, APageSize, ARedraw);
  }
  int Width() const override { return TControl::Width(); }
  int Height() const override { return TControl::Height(); }
  void SetWidth(int Value) override { TControl::SetWidth(Value); }
  void SetHeight(int Value) override { TControl::SetHeight(Value); }

protected:
  void WndProc(TMessage& Message) override;
  // Under a parent with a background bitmap only that bitmap's part shows.
  void DrawScrollBar(TcxCanvas* ACanvas) override;
  // A press on the bar focuses its parent when the parent allows it.
  virtual void FocusParent();

private:
  TcxScrollBarData FData;
};

// The square between a control's two scroll bars.
class TcxSizeGrip : public TCustomControl {
  VCL_COMPONENT_CLASS(TcxSizeGrip, TCustomControl)
public:
  explicit TcxSizeGrip(TComponent* AOwner);
  // Follows its control's look-and-feel (its master).
  TcxLookAndFeel* LookAndFeel() const { return FLookAndFeel.get(); }

protected:
  void Paint() override;
  void WndProc(TMessage& Message) override;
  // Fills the grip with the painter's size-grip area colour.
  virtual void DrawSizeGrip(TcxCanvas* ACanvas);

private:
  std::unique_ptr<TcxLookAndFeel> FLookAndFeel;
};

// Holds a control's two scroll bars and its size grip.
class TcxControlCustomScrollBars : public TcxIUnknownObject {
  VCL_CLASS(TcxControlCustomScrollBars, TcxIUnknownObject)
public:
  explicit TcxControlCustomScrollBars(TcxControl* AOwner) : FOwner(AOwner) {}
  ~TcxControlCustomScrollBars() override;
  // Creates the bars; called once the object exists (the factory does).
  void Initialize() { CreateScrollBarControls(); }

  virtual void ApplyScrollBarsData();
  virtual void BringBarsToFront() {}
  // Takes the system's bar thickness; true when it changed.
  virtual bool CheckScrollBarSize(TScrollBarKind AKind) { return false; }
  virtual void SetSizeGripVisible(bool AValue) = 0;
  IcxControlScrollBar* GetScrollBarOfKind(TScrollBarKind AKind) const;
  virtual void InitScrollBarControls() {}
  virtual bool IsOwnScrollBarControl(TControl* AControl) const { return false; }
  // While calculating: the data's visibility, else the bar's.
  bool IsScrollBarVisible(TScrollBarKind AKind) const;
  virtual bool IsScrollBarsAreaPoint(const TPoint& P) const { return false; }
  virtual void SetBarsBounds() {}
  virtual void RefreshWindows() {}
  virtual void Invalidate() {}
  virtual void DrawSizeGrip(TcxCanvas* ACanvas) {}

  bool Calculating() const { return FCalculating; }
  void SetCalculating(bool Value) { FCalculating = Value; }
  TObject* SizeGrip() const { return FSizeGrip; }

protected:
  virtual IcxControlScrollBar* CreateScrollBar(TScrollBarKind AKind) = 0;
  virtual TObject* CreateSizeGrip() = 0;
  virtual void DestroyScrollBarControls();
  void ScrollBarScroll(TObject* Sender, TScrollCode ScrollCode, int& ScrollPos);
  TcxControl* Owner() const { return FOwner; }

  IcxControlScrollBar* FHScrollBar = nullptr;
  IcxControlScrollBar* FVScrollBar = nullptr;
  TObject* FSizeGrip = nullptr;

private:
  void CreateScrollBarControls();

  bool FCalculating = false;
  TcxControl* FOwner;
};

// Scroll bars and size grip as child windows of the control.
class TcxControlWindowedScrollBars : public TcxControlCustomScrollBars {
  VCL_CLASS(TcxControlWindowedScrollBars, TcxControlCustomScrollBars)
public:
  using TcxControlCustomScrollBars::TcxControlCustomScrollBars;
  ~TcxControlWindowedScrollBars() override;

  void BringBarsToFront() override;
  bool CheckScrollBarSize(TScrollBarKind AKind) override;
  void SetSizeGripVisible(bool AValue) override;
  void InitScrollBarControls() override;
  bool IsOwnScrollBarControl(TControl* AControl) const override;
  void SetBarsBounds() override;
  void RefreshWindows() override;
  void Invalidate() override;
  TcxSizeGrip* Grip() const { return static_cast<TcxSizeGrip*>(FSizeGrip); }

protected:
  IcxControlScrollBar* CreateScrollBar(TScrollBarKind AKind) override;
  TObject* CreateSizeGrip() override;
  void DestroyScrollBarControls() override;

private:
  // The visible bars' and grip's controls.
  std::vector<TWinControl*> VisibleControls() const;
};

class TcxControl;

// A control's scroll bar painted into the control's own window.
class TcxControlScrollBarHelper : public TcxScrollBarHelper, public IcxControlScrollBar {
  VCL_CLASS(TcxControlScrollBarHelper, TcxScrollBarHelper)
public:
  using TcxScrollBarHelper::TcxScrollBarHelper;

  void ApplyData() override;
  TWinControl* GetControl() override { return nullptr; }
  TcxScrollBarData* Data() override { return &FData; }
  TScrollBarKind Kind() const override { return TcxScrollBarHelper::Kind(); }
  TRect BoundsRect() const override { return TcxScrollBarHelper::BoundsRect(); }
  // The parts follow the new bounds.
  void SetBoundsRect(const TRect& R) override;
  bool Visible() const override { return TcxScrollBarHelper::Visible(); }
  void SetVisible(bool Value) override { TcxScrollBarHelper::SetVisible(Value); }
  bool Enabled() const override { return TcxScrollBarHelper::Enabled(); }
  void SetEnabled(bool Value) override { TcxScrollBarHelper::SetEnabled(Value); }
  int Min() const override { return TcxScrollBarHelper::Min(); }
  int Max() const override { return TcxScrollBarHelper::Max(); }
  int Position() const override { return TcxScrollBarHelper::Position(); }
  int PageSize() const override { return TcxScrollBarHelper::PageSize(); }
  void SetScrollParams(int AMin, int AMax, int APosition, int APageSize, bool ARedraw) override {
    TcxScrollBarHelper::SetScrollParams(AMin, AMax, APosition, APageSize, ARedraw);
  }
  // Writing the size keeps the top-left corner.
  int Width() const override { return BoundsRect().Width(); }
  int Height() const override { return BoundsRect().Height(); }
  void SetWidth(int Value) override;
  void SetHeight(int Value) override;
  // Straight onto the owner's window; an owner with a background bitmap
  // repaints the bar over it itself.
  void Repaint() override;

private:
  TcxScrollBarData FData;
};

// Routes a control's mouse input to the scroll bars painted into it: the
// bar under the mouse is hot, a left press captures the mouse for it, and
// the bar is told when the mouse has left it.
class TcxControlScrollBarsManager : public TcxIUnknownObject, public IcxMouseTrackingCaller3 {
  VCL_CLASS(TcxControlScrollBarsManager, TcxIUnknownObject)
public:
  explicit TcxControlScrollBarsManager(TcxControl* AOwner) : FOwner(AOwner) {}
  ~TcxControlScrollBarsManager() override;

  // True when the message is consumed.
  virtual bool HandleMessage(TMessage& Message);
  // Some visible registered bar holds P (owner's client coordinates).
  virtual bool IsScrollBarsArea(const TPoint& P);
  // Paints the visible bars and excludes them from the canvas clip.
  virtual void Paint(TcxCanvas* ACanvas);
  // The bars are not owned; a bar is unregistered before it is freed.
  void RegisterScrollBar(TcxControlScrollBarHelper* AScrollBar);
  void UnRegisterScrollBar(TcxControlScrollBarHelper* AScrollBar);
  // The manager took the mouse capture for a pressed bar.
  bool IsCapture() const { return FIsCapture; }
  TcxControlScrollBarHelper* HotScrollBar() const { return FHotScrollBar; }

protected:
  virtual bool ProcessMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual bool ProcessMouseMove(TShiftState Shift, int X, int Y);
  virtual bool ProcessMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);

private:
  // IcxMouseTrackingCaller3
  void MouseLeave() override;
  bool ContainsPoint(const TPoint& P) override;
  bool KeepTrackingOutside() override { return FIsCapture; }

  // The last visible, enabled bar holding P, or null.
  TcxControlScrollBarHelper* ScrollBarAtPos(const TPoint& P) const;
  void SetHotScrollBar(TcxControlScrollBarHelper* Value);
  void BeginCapture();
  void ReleaseCapture();
  void CaptureChanged();
  // After the window is destroyed during a press: waits for the button to
  // be let go, then ends the bar's scrolling.
  void StartCheckCapture();
  void CheckCapture();

  std::unique_ptr<TcxTimer> FCheckCaptureTimer;
  bool FIsCapture = false;
  TcxControlScrollBarHelper* FHotScrollBar = nullptr;
  TcxControl* FOwner;
  std::vector<TcxControlScrollBarHelper*> FScrollBars;
};

// ---------------------------------------------------------------- drag and drop

// Declares the class reference of a class made for one control: its virtual
// constructor takes the control in place of an owner.
#define CX_CONTROL_OBJECT_CLASS(Self, Parent, ControlClass)                          \
  VCL_CLASS_INFO_(Self, Parent, [](TComponent* AControl) -> TObject* {              \
    return new Self(static_cast<ControlClass*>(AControl));                          \
  })                                                                                \
private:

class TcxDragAndDropObject;

// The platform drag object of a TcxControl: shows the copy cursor over an
// accepting target while the control says the drag copies, and frees itself
// when the drag has ended.
class TcxDragControlObject : public TDragControlObject {
  CX_CONTROL_OBJECT_CLASS(TcxDragControlObject, TDragControlObject, TControl)
public:
  using TDragControlObject::TDragControlObject;
  TCursor GetDragCursor(bool Accepted, int X, int Y) override;
  void Finished(TObject* Target, int X, int Y, bool Accepted) override;
};

// The images a TcxControl shows under a platform drag.
class TcxDragImageList : public TDragImageList {
  VCL_COMPONENT_CLASS(TcxDragImageList, TDragImageList)
public:
  using TDragImageList::TDragImageList;
};

// The platform drag object a TcxControl saw last over itself, or null.
TDragObject* cxGetCurrentDragObject();

// ---------------------------------------------------------------- TcxControl

class TcxControlChildComponent;

// Offers a control's unhandled key-down messages to the application (whose
// hooks may take them, as a bar manager takes its shortcuts) before the
// control's own default handling.
class TcxControlDefaultHandlerHelper : public TObject {
  VCL_CLASS(TcxControlDefaultHandlerHelper, TObject)
public:
  // WM_KEYDOWN and WM_SYSKEYDOWN go to the application as
  // DXM_DEFAULTKEYDOWN; true when it answered non-zero.
  static bool Process(TMessage& Message);
  static constexpr UINT DXM_DEFAULTKEYDOWN = 0x806B;
};

// The windowed control the library's own controls descend from: painting
// through a TcxCanvas on three paths (direct, double-buffered, buffered on
// glass), its own scroll bars and size grip, wheel scrolling, focus on
// click, keyboard routing to popup-menu shortcuts and dialog keys, a mouse
// enter/leave counter and font listeners.
class TcxControl : public TCustomControl,
                   public IdxSystemInfoListener,
                   public IcxLookAndFeelContainer,
                   public IdxGestureOwner,
                   public IdxGestureClient,
                   public IcxScrollBarOwner {
  VCL_COMPONENT_CLASS(TcxControl, TCustomControl)
public:
  explicit TcxControl(TComponent* AOwner);
  ~TcxControl() override;

  // The control canvas; a screen canvas while the control has no window,
  // so that measuring works before it exists.
  TcxCanvas* ActiveCanvas();
  TcxControlCanvas* Canvas() const { return FCanvas.get(); }
  // The painting bounds: as set, else the client rectangle.
  TRect Bounds() { return GetBounds(); }
  // Bounds less the border and the visible scroll bars.
  TRect ClientBounds() { return GetClientBounds(); }
  // The control's own look-and-feel; assigning copies the given one's values.
  TcxLookAndFeel* LookAndFeel() const { return FLookAndFeel.get(); }
  void SetLookAndFeel(TcxLookAndFeel* Value) { FLookAndFeel->Assign(Value); }
  TcxLookAndFeel* GetLookAndFeel() override { return FLookAndFeel.get(); }
  TcxCustomLookAndFeelPainter* GetPainter() const { return FLookAndFeel->Painter(); }
  TcxControlBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TcxControlBorderStyle Value);
  bool IsDesigning() const { return ComponentState().Contains(csDesigning); }
  bool IsLoading() const { return ComponentState().Contains(csLoading); }
  virtual bool IsFocused() { return Focused(); }
  TcxKeys Keys() const { return FKeys; }
  void SetKeys(TcxKeys AKeys) { FKeys = AKeys; }
  bool FocusOnClick() const { return FFocusOnClick; }
  void SetFocusOnClick(bool Value) { FFocusOnClick = Value; }
  TcxControlActivateType ActivateType() const { return FActivateType; }
  const TPoint& MouseDownPos() const { return FMouseDownPos; }
  // A TPopupMenu or a library menu; other components are refused (nil).
  TComponent* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TComponent* Value);
  // The object that owns the mouse capture; replacing it tells the old one
  // (IcxCaptureHolder).
  TObject* MouseCaptureObject() const { return FMouseCaptureObject; }
  void SetMouseCaptureObject(TObject* Value);
  // The user's hint; SetInheritedHint shows another without losing it.
  void SetHint(const String& Value) override;
  const String& OriginalHint() const { return FOriginalHint; }
  void SetInheritedHint(const String& AText) { TControl::SetHint(AText); }
  void SetFocus() override;
  TPoint ScreenToClient(const TPoint& P) override { return TControl::ScreenToClient(P); }
  bool IsTouchPropertyStored(TTouchProperty AProperty) override;
  // Anchor scrolling runs.
  bool IsScrollingContent() const { return FIsScrollingContent; }

  void InvalidateRect(const TRect& R, bool EraseBackground);
  void InvalidateRgn(TcxRegion* ARegion, bool EraseBackground);
  void InvalidateWithChildren();
  void UpdateWithChildren();
  // Posts WM_MOUSEMOVE at the point (the cursor's by default) unless some
  // window holds the capture.
  void PostMouseMove(const TPoint& AMousePos);
  void PostMouseMove() { PostMouseMove(GetMouseCursorClientPos()); }
  TPoint GetMouseCursorClientPos();
  void AddFontListener(IcxFontListener* AListener);
  void RemoveFontListener(IcxFontListener* AListener);
  void CallMouseEnterEvent(TControl* AControl);
  void CallMouseLeaveEvent(TControl* AControl);
  // A system setting changed: the bars re-check their sizes.
  void SystemInfoChanged(uint32_t AParameter) override;

  // A child component joins or leaves the control.
  virtual void AddChildComponent(TcxControlChildComponent* AComponent);
  virtual void RemoveChildComponent(TcxControlChildComponent* AComponent);

  // Library drag-and-drop. The object is made on first use and freed when
  // the drag-and-drop finishes.
  TcxDragAndDropObject* DragAndDropObject();
  // TcxDragAndDropObject unless set.
  TClass DragAndDropObjectClass() const;
  void SetDragAndDropObjectClass(TClass Value) { FDragAndDropObjectClass = Value; }
  TcxDragAndDropState DragAndDropState() const { return FDragAndDropState; }
  // Going back to ddsNone outside FinishDragAndDrop cancels the mouse
  // operations.
  void SetDragAndDropState(TcxDragAndDropState Value);
  // Captures the mouse and starts the object.
  virtual void BeginDragAndDrop();
  // Ends a drag-and-drop in process (accepted or not) or clears a starting
  // one, then frees the object; nothing while it runs already.
  void FinishDragAndDrop(bool Accepted);
  // A platform drag from the control copies (Ctrl is down).
  virtual bool IsCopyDragDrop() { return cxIsControlKeyDown(); }
  // The platform drag's images: null unless the control has some to show.
  TDragImageList* GetDragImages() override;

  // Scroll bars.
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  // Describes one bar: it shows when its range can scroll, stays disabled
  // when it cannot and AAllowHide is false, hides otherwise.
  void SetScrollBarInfo(TScrollBarKind AScrollBarKind, int AMin, int AMax, int AStep, int APage,
                        int APos, bool AAllowShow, bool AAllowHide);
  // Now, or at the last UnlockScrollBars.
  void UpdateScrollBars();
  void LockScrollBars();
  void UnlockScrollBars();
  IcxControlScrollBar* GetScrollBar(TScrollBarKind AKind) const;
  IcxControlScrollBar* GetHorzScrollBar() const { return GetScrollBar(sbHorizontal); }
  IcxControlScrollBar* GetVertScrollBar() const { return GetScrollBar(sbVertical); }
  bool IsHorzScrollBarVisible() const;
  bool IsVertScrollBarVisible() const;
  TcxControlCustomScrollBars* MainScrollBars() const { return FMainScrollBars.get(); }
  // Routes the mouse to the scroll bars that descendants paint themselves.
  TcxControlScrollBarsManager* ScrollBarsManager() const { return FScrollBarsManager.get(); }
  // IcxScrollBarOwner: the painted bars live in this window.
  TWinControl* GetScrollBarControl() override { return this; }
  TcxLookAndFeel* GetScrollBarLookAndFeel() override { return FLookAndFeel.get(); }
  // Scrolls the window's content, invalidating what comes into view.
  void ScrollWindow(int DX, int DY, const TRect& AScrollRect);
  // One line towards the direction through Scroll.
  virtual void ScrollContent(TcxDirection ADirection);
  // Where every scrolling ends: the bars, the wheel, the keys.
  virtual void Scroll(TScrollBarKind AScrollBarKind, TScrollCode AScrollCode, int& AScrollPos) {}

  TNotifyEvent OnFocusChanged;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

  // Scroll-bar layout, asked by the bars.
  virtual TRect GetHScrollBarBounds();
  virtual TRect GetVScrollBarBounds();
  virtual TRect GetSizeGripBounds();
  virtual bool CanFocusOnClickEx(TWinControl* AScrollBar) { return CanFocusOnClick(); }
  virtual TClass GetScrollBarClass(TScrollBarKind AKind) const;
  virtual TClass GetSizeGripClass() const;

protected:
  // Framework overrides.
  void WndProc(TMessage& Message) override;
  // The default-handler helper first.
  void DefaultHandler(TMessage& Message) override;
  // A linked action's hint becomes the user's hint (while loading only
  // when the control has none).
  void ActionChange(TObject* Sender, bool CheckDefaults) override;
  // csClicked goes with the window: no click is reported after it was made
  // anew.
  void DestroyWnd() override;
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void PaintWindow(HDC DC) override;
  void Paint() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Resize() override;
  bool DoMouseWheel(TShiftState Shift, int WheelDelta, const TPoint& MousePos) override;
  void DoContextPopup(const TPoint& MousePos, bool& Handled) override;
  // The platform's popup menu: PopupMenu when it is a TPopupMenu.
  TPopupMenu* GetPopupMenu() override;
  void ApplyParentBackground(bool Value) override;
  // Sixteen bits cannot hold the points of a control wider or taller than
  // 32768 pixels: the cursor position is taken for those.
  TPoint MouseMessagePoint(const TMessage& Message) override;

  // Painting.
  virtual bool NeedsDoubleBuffering();
  virtual bool CanUseBufferedPaint() { return true; }
  virtual bool PaintBlackOpaqueOnGlass() { return ControlStyle().Contains(csPaintBlackOpaqueOnGlass); }
  virtual bool NeedsEraseBackground() { return UseParentBackground(); }
  virtual bool UseParentBackground();
  virtual void EraseBackground(HDC DC);
  virtual void DrawBackground(TcxCanvas* ACanvas, const TRect& R);
  virtual void DoPaint();
  // The painter's border over Bounds.
  virtual void DrawBorder(TcxCanvas* ACanvas);
  virtual void DrawScrollBars(TcxCanvas* ACanvas);
  // The painter's border size with the default border style, else 0.
  virtual int GetBorderSize();
  virtual TRect GetBounds();
  virtual TRect GetClientBounds();
  virtual bool HasNonClientArea() { return false; }
  virtual TRect GetNonClientBorders() { return TRect(); }
  virtual void DrawNonClientArea(TcxCanvas* ACanvas) {}
  virtual void IntersectClientBounds();
  virtual bool RedrawWithChildren() { return false; }
  virtual void ParentBackgroundChanged() {}

  // Input.
  virtual bool IsInputEnabled() { return Enabled(); }
  // After a button-down message: the middle one starts anchor scrolling,
  // the left one may start an automatic platform drag.
  virtual void ProcessMousePress(TMouseButton Button, int X, int Y);
  // The anchor mode over the visible scroll bars.
  void StartAnchorScrolling();
  virtual void BeforeMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {}
  virtual void FinishMouseAction();
  virtual void CancelMouseOperations();
  virtual TCursor GetCurrentCursor(int X, int Y);
  virtual void UpdateHintAtPoint(const TPoint& P) {}
  virtual bool CanFocusOnClick();
  virtual bool CanFocusOnClickAtPoint(int X, int Y) { return CanFocusOnClick(); }
  virtual bool AllowMouseWithoutFocus() { return false; }
  virtual bool CorrectMousePosAfterFocus() { return true; }
  virtual bool MayFocus() { return true; }
  virtual bool HandleShortCut(TMessage& Message);
  virtual bool AllowMouseWheelScroll(TShiftState Shift, int ADelta, const TPoint& MousePos);
  virtual TcxWheelScrollAxis GetWheelScrollAxis();
  virtual bool ScrollByMouseWheel(TShiftState Shift, int ADelta, const TPoint& MousePos);
  virtual bool DoShowPopupMenu(TComponent* AMenu, int X, int Y);
  virtual bool GetDesignHitTest(int X, int Y, TShiftState Shift);
  virtual void MouseEnter(TControl* AControl) { CallMouseEnterEvent(AControl); }
  virtual void MouseLeave(TControl* AControl) { CallMouseLeaveEvent(AControl); }
  bool IsOwnWindowHandle(HWND H) override { return HandleAllocated() && H == Handle(); }
  // The point lies within the drag threshold around the press point.
  bool IsMouseInPressedArea(int X, int Y) { return cxIsPointInDragThreshold(FMouseDownPos, X, Y); }

  // Library drag-and-drop.
  virtual TcxDragAndDropObject* CreateDragAndDropObject();
  // Whether a left press at P may start drag-and-drop.
  virtual bool StartDragAndDrop(const TPoint& P) { return false; }
  virtual void DragAndDrop(const TPoint& P, bool& Accepted);
  virtual void EndDragAndDrop(bool Accepted);
  // Losing the capture while a drag-and-drop is starting cancels it.
  virtual bool CancelModeOnCaptureRelease() { return true; }

  // Platform drag.
  virtual bool CanDrag(int X, int Y) { return FDragAndDropState == ddsNone; }
  virtual bool CanStartDesignTimeDrag(int X, int Y) { return true; }
  // Made for the control when OnStartDrag supplies none.
  virtual TClass GetDragObjectClass() { return TcxDragControlObject::StaticClass(); }
  // False refuses the drag that OnStartDrag began.
  virtual bool StartDrag(TDragObject*& DragObject) { return true; }
  void DoStartDrag(TDragObject*& DragObject) override;
  void DoEndDrag(TObject* Target, int X, int Y) override;
  void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) override;
  virtual bool HasDragImages() { return false; }
  virtual TClass GetDragImagesClass() { return TcxDragImageList::StaticClass(); }
  virtual TSize GetDragImagesSize() { return TSize{0, 0}; }
  virtual void DrawDragImage(TcxCanvas* ACanvas, const TRect& R) {}
  // One image of GetDragImagesSize drawn by DrawDragImage; cleared when the
  // size is empty.
  virtual void InitDragImages(TcxDragImageList* AImages);

  // Gestures: the helper recognises them, pans become scroll-bar steps.
  void HandleGesture(const TGestureEventInfo& EventInfo, bool& Handled) override;
  void QueryGestureOptions(TInteractiveGestures& Gestures, TInteractiveGestureOptions& Options) override;
  void BeginPanScrolling(const TPoint& APos) override { FGestureAccumulatedDelta = TPoint(); }
  virtual bool GesturesUseScrollBarData() { return false; }
  virtual void CheckGestureOverpan(TScrollBarKind AScrollKind, int ANewDataPos, int AMinDataPos, int AMaxDataPos,
                                   int ADeltaX, int ADeltaY);
  virtual void SetGestureScrollPosition(TScrollBarKind AKind, int APos) { Scroll(AKind, scTrack, APos); }
  void EndPanScrolling() override {}
  virtual TInteractiveGestures CalculateInteractiveGestures();
  virtual TInteractiveGestureOptions CalculateInteractiveGestureOptions();
  void GestureScroll(int ADeltaX, int ADeltaY) override;
  // Pans and press-and-tap.
  virtual bool IsGestureHandledByDefault(int AGestureId);
  virtual bool HandleGestureMessage(TMessage& Message) { return FGestureHelper->HandleMessage(Message); }
  virtual bool IsPanning() { return FGestureHelper->IsPanning(); }
  virtual bool UseStandardGestureScroll(TScrollBarKind AKind) { return true; }
  // The pan flags (GC_PAN_*) a control takes by default: all.
  virtual int GetDefaultInteractiveGestures();
  virtual void CustomGestureScroll(TScrollBarKind AKind, int ADelta) {}
  bool IsGestureAllowed(int AGestureId) override;
  bool IsPanAllowed(TScrollBarKind AScrollKind) override;
  int QueryPanOptions() override;
  bool IsPointInClientArea(const TPoint& P) override;
  bool WantsOverpanFeedback(TScrollBarKind AScrollKind) override { return true; }
  IdxGestureClient* FindGestureClient(const TPoint& APoint) override { return this; }
  HWND GetGestureHandle() override { return Handle(); }

  // Notifications.
  virtual void LookAndFeelChanged(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues) {}
  virtual void BoundsChanged();
  virtual void FocusChanged();
  virtual void FontChanged(TFont* AFont);
  virtual void ColorChanged() {}
  virtual void CursorChanged() {}
  virtual void TextChanged() {}
  virtual void VisibleChanged() {}

  // Scroll bars.
  virtual bool HasScrollBars() { return true; }
  virtual bool CanUpdateScrollBars() { return HasScrollBars(); }
  virtual void DoUpdateScrollBars();
  virtual void InitScrollBarsParameters() {}
  virtual void BeforeScrollBarsCalculation() {}
  virtual bool CanReuseScrollBarSpace(TScrollBarKind AKind) { return false; }
  // 1 horizontal, 2 vertical, 3 both.
  virtual int GetScrollBarsToCheck() { return 3; }
  // The painted bars' area or the main bars'.
  virtual bool IsScrollBarsArea(const TPoint& P);
  virtual bool IsMainScrollBarsArea(const TPoint& P);
  virtual bool IsSizeGripVisible() { return IsHorzScrollBarVisible() && IsVertScrollBarVisible(); }
  virtual bool CanBringScrollBarsToFront() { return !IsDesigning(); }
  virtual void BringScrollBarsToFront();
  virtual void SetScrollBarsBounds();
  virtual void RefreshScrollBarWindows();
  virtual bool CanScrollContentWithoutScrollBars(TcxDirection ADirection) { return false; }
  virtual std::unique_ptr<TcxControlCustomScrollBars> CreateMainScrollBarsObject();
  virtual void InitScrollBars();
  virtual bool IsInternalScrollBarControl(TControl* AControl);

  bool MouseButtonPressed() const { return FMouseButtonPressed; }
  bool MouseRightButtonReleased() const { return FMouseRightButtonReleased; }
  // Explicit painting bounds; empty: the client rectangle.
  TRect FBounds;

private:
  friend class TcxControlCustomScrollBars;
  friend class TcxControlScrollBarsManager;
  friend class TdxScrollHelper;
  void GestureScrollKind(TScrollBarKind AKind, int32_t& AAccumulated, int ADelta, int ADeltaX, int ADeltaY);
  void ScrollByGestureDelta(TScrollBarKind AKind, int32_t& ADelta, int ADeltaX, int ADeltaY);
  void PaintWithUpdateRegion(TMessage& Message);
  void DoubleBufferedPaint();
  void PaintNonClientArea(HDC DC);
  void PaintNonClientAreaCopy(HDC DC);
  void HandlePaintMessage(TMessage& Message);
  bool PaintBackgroundImage();
  void LookAndFeelChangeHandler(TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues);
  void HandleEraseBackground(TMessage& Message);
  void HandleNonClientPaint(TMessage& Message);
  void HandleKeyDown(TMessage& Message);
  void HandleSysKeyDown(TMessage& Message);
  void HandleSetCursor(TMessage& Message);
  void HandleContextMenuMessage(TMessage& Message);
  void HandleMouseEnterLeave(TMessage& Message);
  bool DispatchInput(TMessage& Message);
  void HandleKeyUp(TMessage& Message);
  // The drag-and-drop steps of a press and a move.
  void StartDragAndDropOnPress(TMouseButton Button, TShiftState Shift, int X, int Y);
  void ContinueDragAndDrop(int X, int Y);
  void CancelStartingDragAndDrop();
  void DragAndDropCaptureLost();
  bool IsKeyClaimed(WPARAM AKey);
  UINT DialogCode();
  void CreateMainScrollBars();
  void DestroyMainScrollBars();
  void RecreateMainScrollBars();
  void CalculateScrollBars();
  void ReuseScrollBarSpace();
  void CheckScrollBarSizes();
  void SetScrollBarVisibleDisabled(TScrollBarKind AKind, bool AInitialVisible);

  std::unique_ptr<TcxControlCanvas> FCanvas;
  std::unique_ptr<TcxScreenCanvas> FActiveCanvas;
  std::unique_ptr<TcxLookAndFeel> FLookAndFeel;
  std::unique_ptr<TcxControlCustomScrollBars> FMainScrollBars;
  std::unique_ptr<TcxControlScrollBarsManager> FScrollBarsManager;
  std::unique_ptr<TcxDragAndDropObject> FDragAndDropObject;
  TClass FDragAndDropObjectClass = nullptr;
  TCursor FDragAndDropPrevCursor = crDefault;
  TcxDragAndDropState FDragAndDropState = ddsNone;
  std::unique_ptr<TcxDragImageList> FDragImages;
  bool FFinishingDragAndDrop = false;
  bool FReleasingLeftButton = false;  // while the framework handles a left button-up
  TcxControlActivateType FActivateType = atOther;
  TcxControlBorderStyle FBorderStyle = cxcbsNone;
  bool FFocusOnClick = true;
  std::vector<IcxFontListener*> FFontListeners;
  bool FInitialHScrollBarVisible = false;
  bool FInitialVScrollBarVisible = false;
  bool FIsInitialScrollBarsParams = false;
  TcxKeys FKeys;
  bool FMouseButtonPressed = false;
  TObject* FMouseCaptureObject = nullptr;
  TPoint FMouseDownPos;
  int FMouseEnterCounter = 0;
  bool FMouseRightButtonReleased = false;
  int FMouseWheelAccumulator = 0;
  TComponent* FPopupMenu = nullptr;
  String FOriginalHint;
  TScrollStyle FScrollBars = ssBoth;
  int FScrollBarsLockCount = 0;
  bool FScrollBarsUpdateNeeded = false;
  bool FUpdatingScrollBars = false;
  std::unique_ptr<TdxGestureHelper> FGestureHelper;
  TPoint FGestureAccumulatedDelta;
  bool FIsScrollingContent = false;
};

// ---------------------------------------------------------------- child components

// A non-visual component that belongs to a TcxControl and is streamed as
// its child: read back, it is handed to the control it was nested in.
class TcxControlChildComponent : public TcxComponent {
  VCL_COMPONENT_CLASS(TcxControlChildComponent, TcxComponent)
public:
  explicit TcxControlChildComponent(TComponent* AOwner);
  // Owned by the control's owner (AAssignOwner) or by nobody, and the
  // control's child from the start.
  TcxControlChildComponent(TcxControl* AControl, bool AAssignOwner);
  // Leaves its control.
  ~TcxControlChildComponent() override;

  TcxControl* Control() const { return FControl; }
  bool IsLoading() const { return ComponentState().Contains(csLoading); }
  bool HasParent() override { return FControl != nullptr; }
  TComponent* GetParentComponent() override;
  void SetParentComponent(TComponent* Value) override;
  // Set by the control as it takes or lets go of the component.
  virtual void SetControl(TcxControl* Value);

protected:
  virtual void Initialize() {}
  void Notification(TComponent* AComponent, TOperation Operation) override;

private:
  TcxControl* FControl = nullptr;
};

// ---------------------------------------------------------------- drag-and-drop object

// One library drag-and-drop inside a control: follows the mouse under the
// control's capture, shows its cursor, may answer keys, and is told at the
// end whether the drop was accepted (what that means is the object's).
class TcxDragAndDropObject : public TObject {
  CX_CONTROL_OBJECT_CLASS(TcxDragAndDropObject, TObject, TcxControl)
public:
  explicit TcxDragAndDropObject(TcxControl* AControl);

  // Through the control's zoom.
  TPoint CurMousePos = cxInvalidPoint;
  TPoint PrevMousePos = cxInvalidPoint;
  // The feedback must be drawn again.
  bool Dirty() const { return FDirty; }
  void SetDirty(bool Value);
  TcxControl* Control() const { return FControl; }
  TcxCanvas* Canvas() const { return FCanvas; }

  virtual bool IsImmediateStart() { return false; }
  void DoBeginDragAndDrop();
  void DoDragAndDrop(const TPoint& P, bool& Accepted);
  void DoEndDragAndDrop(bool Accepted);
  // A key while it runs; false lets the control end it unaccepted.
  virtual bool DoProcessKeyDown(const TMessage& Message);
  virtual bool DoProcessKeyUp(const TMessage& Message);

protected:
  virtual void DirtyChanged() {}
  // The cursor position in the control's client coordinates.
  virtual TPoint GetClientCursorPos();
  virtual TCursor GetDragAndDropCursor(bool Accepted) { return Accepted ? crDrag : crNoDrop; }
  virtual int GetZoomPercent() { return 100; }
  virtual void AfterDragAndDrop(bool Accepted) {}
  virtual void BeforeDragAndDrop() {}
  virtual void InitDragAndDrop() { DirtyChanged(); }
  // Shows the answer in the screen cursor.
  virtual void DragAndDrop(const TPoint& P, bool& Accepted);
  virtual void EndDragAndDrop(bool Accepted) { SetDirty(true); }
  virtual bool ProcessKeyDown(uint16_t AKey, TShiftState AShift) { return false; }
  virtual bool ProcessKeyUp(uint16_t AKey, TShiftState AShift) { return false; }
  // A client point at the control's zoom taken to the unzoomed content.
  virtual TPoint TranslatePoint(const TPoint& P);

private:
  TcxCanvas* FCanvas;
  TcxControl* FControl;
  bool FDirty = false;
};

// The size grip of a control with windowed scroll bars, or null.
TcxSizeGrip* cxGetControlSizeGrip(TcxControl* AControl);

// ---------------------------------------------------------------- scroll helper

// A control whose content is scrolled by TdxScrollHelper.
class IdxScrollingControl {
public:
  virtual int GetHorzPos() = 0;
  virtual void SetHorzPos(int Value) = 0;
  virtual int GetVertPos() = 0;
  virtual void SetVertPos(int Value) = 0;
  // The scrollable content's width and height.
  virtual TSize GetContentExtent() = 0;
  virtual TcxControl* GetScrollingControl() = 0;

protected:
  ~IdxScrollingControl() = default;
};

// Scrolls a control's content by pixels, keeping the last full page in view.
class TdxScrollHelper {
public:
  static bool IsScrollDataValid(IdxScrollingControl* AControl);
  // The size of the control's ClientBounds.
  static TSize GetClientSize(IdxScrollingControl* AControl);
  // Describes both bars from the content and client sizes.
  static void InitScrollBarsParameters(IdxScrollingControl* AControl);
  // Lines of 10 pixels, pages of the client size; AScrollPos takes the
  // position reached.
  static void Scroll(IdxScrollingControl* AControl, TScrollBarKind AScrollBarKind,
                     TScrollCode AScrollCode, int& AScrollPos);
  static void CheckPositions(IdxScrollingControl* AControl);
  static void SetPos(IdxScrollingControl* AControl, int X, int Y);
  static void SetLeftPos(IdxScrollingControl* AControl, int AValue);
  static void SetTopPos(IdxScrollingControl* AControl, int AValue);
  // A pan: a delta counts only while the bar of its direction is visible
  // and enabled; the overpan feedback sees the position before clamping.
  static void GestureScroll(IdxScrollingControl* AControl, int ADeltaX, int ADeltaY);

private:
  static int ClampLeft(IdxScrollingControl* AControl, int AValue);
  static int ClampTop(IdxScrollingControl* AControl, int AValue);
  static void Refresh(IdxScrollingControl* AControl);
};

extern const TUnitEntry cxControlsUnit;
