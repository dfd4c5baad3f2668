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

#include "components/core/cxClasses.h"
#include "components/core/dxCoreClasses.h"
#include "vcl/controls/Controls.h"
#include "vcl/controls/Menus.h"
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
// Makes the system recalculate the non-client area.
void cxRefreshWindowFrame(HWND AHandle, bool AUpdate = false);
// The previous procedure.
WNDPROC cxSetWindowProc(HWND AHandle, WNDPROC AProc);

// ---------------------------------------------------------------- painting on glass

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

// ---------------------------------------------------------------- desktop

TRect cxGetDesktopWorkAreaAtPoint(const TPoint& P);
// The screen's work area for no monitor.
TRect cxGetWorkAreaOfMonitor(HMONITOR AMonitor);
// Moves ABounds into the work area at P; the left and top edges win for a
// rectangle larger than the area.
void cxMoveRectIntoWorkArea(TRect& ABounds, const TPoint& P);

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

extern const TUnitEntry cxControlsUnit;
