#include "vcl/controls/Controls.h"

#include <algorithm>
#include <utility>

#include <commctrl.h>
#include <windowsx.h>

#include "vcl/controls/ActnList.h"
#include "vcl/controls/Application.h"
#include "vcl/controls/Forms.h"
#include "vcl/controls/Menus.h"
#include "vcl/graphics/GdiTypes.h"
#include "vcl/rtl/ClassRegistry.h"

namespace {
const wchar_t* const FrameworkClassName = L"ConversaoWindow";
const wchar_t* const ControlProperty = L"ConversaoControl";

// The control whose framework window is being created: its first message
// binds the new window to it.
thread_local TWinControl* GCreatingControl = nullptr;
// The window the mouse was last seen over (CM_MOUSEENTER given).
thread_local TWinControl* GMouseControl = nullptr;
UINT GNextControlId = 0x100;

UINT NewControlId() {
  UINT id = GNextControlId++;
  if (GNextControlId > 0xFFFF) GNextControlId = 0x100;
  return id;
}

bool IsMouseMessage(UINT Msg) { return Msg >= WM_MOUSEFIRST && Msg <= WM_MBUTTONDBLCLK; }

// Restores a device context's state when it goes out of scope.
class TSavedDC {
public:
  explicit TSavedDC(HDC DC) : FDC(DC), FState(SaveDC(DC)) {}
  ~TSavedDC() { RestoreDC(FDC, FState); }
  TSavedDC(const TSavedDC&) = delete;
  TSavedDC& operator=(const TSavedDC&) = delete;

private:
  HDC FDC;
  int FState;
};

// Lends a canvas a context for the length of a paint.
class TLentCanvas {
public:
  TLentCanvas(TControlCanvas* Canvas, HDC DC) : FCanvas(Canvas) {
    FCanvas->FreeHandle();
    FCanvas->SetHandle(DC);
  }
  ~TLentCanvas() { FCanvas->SetHandle(nullptr); }
  TLentCanvas(const TLentCanvas&) = delete;
  TLentCanvas& operator=(const TLentCanvas&) = delete;

private:
  TControlCanvas* FCanvas;
};
}  // namespace

TShiftState KeysToShiftState(WPARAM Keys) {
  TShiftState shift;
  if (Keys & MK_SHIFT) shift.Include(ssShift);
  if (Keys & MK_CONTROL) shift.Include(ssCtrl);
  if (Keys & MK_LBUTTON) shift.Include(ssLeft);
  if (Keys & MK_RBUTTON) shift.Include(ssRight);
  if (Keys & MK_MBUTTON) shift.Include(ssMiddle);
  if (GetKeyState(VK_MENU) < 0) shift.Include(ssAlt);
  return shift;
}

TShiftState KeyboardStateToShiftState() {
  TShiftState shift;
  if (GetKeyState(VK_SHIFT) < 0) shift.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) shift.Include(ssCtrl);
  if (GetKeyState(VK_MENU) < 0) shift.Include(ssAlt);
  return shift;
}

TWinControl* FindControl(HWND Window) {
  return Window ? static_cast<TWinControl*>(GetPropW(Window, ControlProperty)) : nullptr;
}

// The window procedure of every framework window and subclassed standard
// control: finds the control and hands it the message. No exception may
// cross into the platform: they go to the application's handler.
LRESULT CALLBACK StdWndProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  TWinControl* control = FindControl(Window);
  if (!control) {
    control = GCreatingControl;
    if (!control) return DefWindowProcW(Window, Msg, WParam, LParam);
    GCreatingControl = nullptr;
    control->FDefWndProc = DefWindowProcW;
    control->AttachHandle(Window);
  }
  TMessage message{Msg, WParam, LParam, 0};
  if (control->IsDestroying()) {
    // Its events may reach parts of the object that are already gone.
    control->DefaultHandler(message);
    if (Msg == WM_NCDESTROY) control->DetachHandle();
    return message.Result;
  }
  try {
    if (!DragHandlesMessage(control, message)) control->WindowProc(message);
  } catch (...) {
    if (Application) Application->HandleException(control);
  }
  return message.Result;
}

// ---------------------------------------------------------------- TControl

TControl::TControl(TComponent* AOwner)
    : TComponent(AOwner), FFont(std::make_unique<TFont>()) {
  FControlStyle = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  FFont->OnChange = [this](TObject*) { FontChanged(); };
  WindowProc = [this](TMessage& Message) { WndProc(Message); };
}

TControl::~TControl() {
  SetAction(nullptr);
  LeaveDrag();
  if (FParent) FParent->RemoveControl(this);
}

void TControl::InvalidOperation(const String& Reason) const {
  String name = Name().empty() ? ClassName() : Name();
  throw EInvalidOperation(L"Control '" + name + L"' " + Reason);
}

void TControl::SetParent(TWinControl* AParent) {
  if (AParent == FParent) return;
  for (TControl* p = AParent; p; p = p->FParent)
    if (p == this) InvalidOperation(L"cannot be a parent of itself");
  if (FParent) FParent->RemoveControl(this);
  if (AParent) AParent->InsertControl(this);
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  AWidth = std::max(AWidth, 0);
  AHeight = std::max(AHeight, 0);
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  Invalidate();
  bool resized = AWidth != FWidth || AHeight != FHeight;
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
  Invalidate();
  if (FAlign != alNone && FParent && !FParent->FControlState.Contains(csAligning))
    FParent->Realign();
  if (resized) Resize();
}

TRect TControl::ClientRect() { return Rect(0, 0, FWidth, FHeight); }

TPoint TControl::ClientToScreen(const TPoint& P) {
  if (auto* win = dynamic_cast<TWinControl*>(this)) {
    TPoint screen = P;
    ::ClientToScreen(win->Handle(), AsPOINT(screen));
    return screen;
  }
  if (!FParent) InvalidOperation(L"has no parent window");
  return FParent->ClientToScreen(Point(FLeft + P.X, FTop + P.Y));
}

TPoint TControl::ScreenToClient(const TPoint& P) {
  TPoint origin = ClientToScreen(Point(0, 0));
  return Point(P.X - origin.X, P.Y - origin.Y);
}

void TControl::SetAlign(TAlign Value) {
  if (Value == FAlign) return;
  FAlign = Value;
  if (FParent) FParent->Realign();
}

void TControl::SetVisible(bool Value) {
  if (Value == FVisible) return;
  FVisible = Value;
  Perform(CM_VISIBLECHANGED, Value);
  if (FParent && FAlign != alNone) FParent->Realign();
}

void TControl::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetText(const String& Value) {
  if (Value == GetText()) return;
  FText = Value;
  if (auto* win = dynamic_cast<TWinControl*>(this); win && win->HandleAllocated())
    SetWindowTextW(win->Handle(), Value.c_str());
  Perform(CM_TEXTCHANGED);
}

String TControl::GetText() { return FText; }

void TControl::SetParentFont(bool Value) {
  FParentFont = Value;
  if (Value) ParentFontChanged();
}

void TControl::ParentFontChanged() {
  if (!FParentFont || !FParent) return;
  FTakingParentFont = true;
  FFont->Assign(FParent->Font());
  FTakingParentFont = false;
}

void TControl::FontChanged() {
  if (!FTakingParentFont) FParentFont = false;
  Perform(CM_FONTCHANGED);
}

void TControl::SetColor(TColor Value) {
  FParentColor = false;
  if (Value == FColor) return;
  FColor = Value;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool Value) {
  FParentColor = Value;
  if (Value) ParentColorChanged();
}

void TControl::ParentColorChanged() {
  if (!FParentColor || !FParent || FParent->Color() == FColor) return;
  FColor = FParent->Color();
  Perform(CM_COLORCHANGED);
}

void TControl::SetBiDiMode(TBiDiMode Value) {
  FParentBiDiMode = false;
  if (Value == FBiDiMode) return;
  FBiDiMode = Value;
  Perform(CM_BIDIMODECHANGED);
}

void TControl::SetParentBiDiMode(bool Value) {
  FParentBiDiMode = Value;
  if (Value) ParentBiDiModeChanged();
}

void TControl::ParentBiDiModeChanged() {
  if (!FParentBiDiMode || !FParent || FParent->BiDiMode() == FBiDiMode) return;
  FBiDiMode = FParent->BiDiMode();
  Perform(CM_BIDIMODECHANGED);
}

UINT TControl::DrawTextBiDiModeFlags(UINT Flags) const {
  if (UseRightToLeftAlignment()) {
    // Left and right swap; centred text stays.
    if (Flags & DT_RIGHT) Flags &= ~DT_RIGHT;
    else if (!(Flags & DT_CENTER)) Flags |= DT_RIGHT;
  }
  if (UseRightToLeftReading()) Flags |= DT_RTLREADING;
  return Flags;
}

void TControl::ScaleBy(int M, int D) { ChangeScale(M, D); }

void TControl::ChangeScale(int M, int D) {
  if (M == D || D == 0) return;
  const int left = MulDiv(FLeft, M, D);
  const int top = MulDiv(FTop, M, D);
  SetBounds(left, top, MulDiv(FLeft + FWidth, M, D) - left, MulDiv(FTop + FHeight, M, D) - top);
  if (!FParentFont) FFont->SetHeight(MulDiv(FFont->Height(), M, D));
}

void TControl::SetCursor(TCursor Value) {
  FCursor = Value;
  Perform(CM_CURSORCHANGED);
}

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
  TMessage message{Msg, WParam, LParam, 0};
  WindowProc(message);
  return message.Result;
}

void TControl::Invalidate() {
  if (!FParent || !FParent->HandleAllocated() || FWidth == 0 || FHeight == 0) return;
  TRect bounds = BoundsRect();
  InvalidateRect(FParent->Handle(), AsRECT(bounds), TRUE);
}

void TControl::Update() {
  if (FParent) FParent->Update();
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::Click() {
  if (OnClick)
    OnClick(this);
  else if (FAction)
    FAction->Execute();
}

void TControl::SetAction(TBasicAction* Value) {
  if (Value == FAction) return;
  if (FAction) {
    std::erase(FAction->FClients, this);
    FAction->RemoveFreeNotification(this);
  }
  FAction = Value;
  if (!Value) {
    FActionLink.reset();
    return;
  }
  if (!FActionLink) FActionLink = CreateActionLink();
  if (FActionLink) FActionLink->SetAction(Value);
  Value->FClients.push_back(this);
  Value->FreeNotification(this);
  ActionChange(Value, ComponentState().Contains(csLoading));
}

std::unique_ptr<TActionLink> TControl::CreateActionLink() { return nullptr; }

void TControl::ActionChange(TObject* Sender, bool CheckDefaults) {
  auto* action = dynamic_cast<TCustomAction*>(Sender);
  if (!action) return;
  if (!CheckDefaults || Caption().empty()) SetCaption(action->Caption());
  if (!CheckDefaults || Enabled()) SetEnabled(action->Enabled());
  if (!CheckDefaults || Hint().empty()) SetHint(action->Hint());
  if (!CheckDefaults || Visible()) SetVisible(action->Visible());
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FAction) SetAction(nullptr);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

void TControl::HandleMouse(TMessage& Message) {
  TShiftState shift = KeysToShiftState(Message.WParam);
  const TPoint point = MouseMessagePoint(Message);
  const int x = point.X;
  const int y = point.Y;
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
      if (FControlStyle.Contains(csClickEvents)) FControlState.Include(csClicked);
      MouseDown(mbLeft, shift, x, y);
      break;
    case WM_LBUTTONDBLCLK:
      if (FControlStyle.Contains(csDoubleClicks)) DblClick();
      MouseDown(mbLeft, shift.Include(ssDouble), x, y);
      break;
    case WM_LBUTTONUP: {
      bool clicked = FControlState.Contains(csClicked);
      FControlState.Exclude(csClicked);
      MouseUp(mbLeft, shift, x, y);
      if (clicked && ClientRect().Contains(Point(x, y))) Click();
      break;
    }
    case WM_RBUTTONDOWN: MouseDown(mbRight, shift, x, y); break;
    case WM_RBUTTONUP: MouseUp(mbRight, shift, x, y); break;
    case WM_MBUTTONDOWN: MouseDown(mbMiddle, shift, x, y); break;
    case WM_MBUTTONUP: MouseUp(mbMiddle, shift, x, y); break;
    case WM_MOUSEMOVE: MouseMove(shift, x, y); break;
  }
}

bool TControl::MouseCapture() {
  auto* win = dynamic_cast<TWinControl*>(this);
  if (!win) win = FParent;
  return win && win->HandleAllocated() && GetCapture() == win->Handle();
}

void TControl::SetMouseCapture(bool Value) {
  if (MouseCapture() == Value) return;
  if (!Value) {
    ReleaseCapture();
    return;
  }
  auto* win = dynamic_cast<TWinControl*>(this);
  if (!win) win = FParent;
  if (win) SetCapture(win->Handle());
}

TPoint TControl::MouseMessagePoint(const TMessage& Message) {
  return TPoint(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
}

void TControl::DoContextPopup(const TPoint& MousePos, bool& Handled) {
  if (OnContextPopup) OnContextPopup(this, MousePos, Handled);
}

void TControl::HandleMouseEnterLeave(TMessage& Message) {
  if (Message.LParam == 0) {
    const TNotifyEvent& event = Message.Msg == CM_MOUSEENTER ? OnMouseEnter : OnMouseLeave;
    if (event) event(this);
  }
  if (FParent)
    FParent->Perform(Message.Msg, 0, Message.LParam ? Message.LParam : reinterpret_cast<LPARAM>(this));
}

void TControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: return HandleMouseEnterLeave(Message);
    case CM_PARENTFONTCHANGED: return ParentFontChanged();
    case CM_PARENTCOLORCHANGED: return ParentColorChanged();
    case CM_PARENTBIDIMODECHANGED: return ParentBiDiModeChanged();
    case CM_BIDIMODECHANGED:
    case CM_FONTCHANGED:
    case CM_COLORCHANGED:
    case CM_TEXTCHANGED:
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED: return Invalidate();
    case CM_GESTURE: {
      bool handled = false;
      HandleGesture(*reinterpret_cast<const TGestureEventInfo*>(Message.LParam), handled);
      Message.Result = handled ? 1 : 0;
      return;
    }
  }
  if (IsMouseMessage(Message.Msg)) HandleMouse(Message);
  DefaultHandler(Message);
}

// ---------------------------------------------------------------- TWinControl

TWinControl::TWinControl(TComponent* AOwner)
    : TControl(AOwner), FBrush(std::make_unique<TBrush>()) {
  FBrush->SetColor(Color());
}

TWinControl::~TWinControl() {
  // No event may reach a half-destroyed object while the windows go. The
  // control leaves its parent first, so the form forgets its children
  // while they still exist.
  Destroying();
  LeaveDrag();
  if (Parent()) Parent()->RemoveControl(this);
  while (!FControls.empty()) delete FControls.back();
  DestroyHandle();
}

HWND TWinControl::Handle() {
  if (!FHandle) CreateHandle();
  return FHandle;
}

void TWinControl::CreateHandle() {
  if (IsDestroying()) InvalidOperation(L"is being destroyed");
  if (FWindowLost) InvalidOperation(L"has lost its window: it was destroyed");
  if (Parent()) {
    Parent()->HandleNeeded();  // creates this window too
    if (FHandle) return;
  }
  CreateWnd();
}

void TWinControl::CreateParams(TCreateParams& Params) {
  Params.Caption = FText;
  Params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (ControlStyle().Contains(csAcceptsControls)) {
    Params.Style |= WS_CLIPCHILDREN;
    Params.ExStyle |= WS_EX_CONTROLPARENT;
  }
  if (Visible()) Params.Style |= WS_VISIBLE;
  if (!Enabled()) Params.Style |= WS_DISABLED;
  if (FTabStop) Params.Style |= WS_TABSTOP;
  if (UseRightToLeftReading()) Params.ExStyle |= WS_EX_RTLREADING;
  if (UseRightToLeftScrollBar()) Params.ExStyle |= WS_EX_LEFTSCROLLBAR;
  if (UseRightToLeftAlignment()) Params.ExStyle |= WS_EX_RIGHT;
  Params.X = Left();
  Params.Y = Top();
  Params.Width = Width();
  Params.Height = Height();
  Params.WndParent = Parent() ? Parent()->FHandle : nullptr;
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  bool child = params.Style & WS_CHILD;
  if (child && !params.WndParent) InvalidOperation(L"has no parent window");
  FControlId = child ? NewControlId() : 0;
  HMENU menu = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(FControlId));
  HINSTANCE instance = GetModuleHandleW(nullptr);
  FStandardClass = !params.WinClassName.empty();
  // What the window reports while it is made and given its state is not
  // a person's doing.
  FControlState.Include(csCreating);
  struct TCreated {
    TWinControl* Control;
    ~TCreated() { Control->FControlState.Exclude(csCreating); }
  } created{this};
  HWND window;
  if (FStandardClass) {
    window = CreateWindowExW(params.ExStyle, params.WinClassName.c_str(), params.Caption.c_str(),
                             params.Style, params.X, params.Y, params.Width, params.Height,
                             params.WndParent, menu, instance, nullptr);
    if (window) {
      FDefWndProc = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StdWndProc)));
      AttachHandle(window);
    }
  } else {
    GCreatingControl = this;
    window = CreateWindowExW(params.ExStyle, FrameworkClassName, params.Caption.c_str(),
                             params.Style, params.X, params.Y, params.Width, params.Height,
                             params.WndParent, menu, instance, nullptr);
    GCreatingControl = nullptr;
  }
  if (!window) RaiseLastOSError();
  InitializeWindow();
  UpdateBoundsFromWindow();
  for (TControl* control : FControls)
    if (auto* win = dynamic_cast<TWinControl*>(control); win && !win->FHandle && !win->FWindowLost)
      win->CreateWnd();
  Realign();
}

void TWinControl::InitializeWindow() {
  if (FStandardClass) SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), 0);
}

void TWinControl::SaveWindowState() {
  if (FStandardClass) FText = GetText();
}

void TWinControl::AttachHandle(HWND Window) {
  FHandle = Window;
  SetPropW(Window, ControlProperty, this);
}

// The window is gone (WM_NCDESTROY). When the control did not destroy it
// itself, the window was destroyed from outside and is not made again.
void TWinControl::DetachHandle() {
  if (GMouseControl == this) GMouseControl = nullptr;
  RemovePropW(FHandle, ControlProperty);
  FHandle = nullptr;
  if (!FControlState.Contains(csDestroyingHandle) && !IsDestroying()) FWindowLost = true;
}

void TWinControl::DestroyHandle() {
  if (!FHandle) return;
  for (TControl* control : FControls)
    if (auto* win = dynamic_cast<TWinControl*>(control)) win->DestroyHandle();
  SaveWindowState();
  DestroyWnd();
}

void TWinControl::DestroyWnd() {
  FControlState.Include(csDestroyingHandle);
  DestroyWindow(FHandle);
  FControlState.Exclude(csDestroyingHandle);
}

void TWinControl::ChangeScale(int M, int D) {
  TControl::ChangeScale(M, D);
  for (TControl* control : FControls) control->ChangeScale(M, D);
}

void TWinControl::SetCtl3D(bool Value) {
  FParentCtl3D = false;
  if (Value == FCtl3D) return;
  FCtl3D = Value;
  Perform(CM_CTL3DCHANGED);
}

void TWinControl::SetParentCtl3D(bool Value) {
  FParentCtl3D = Value;
  if (Value) ParentCtl3DChanged();
}

void TWinControl::ParentCtl3DChanged() {
  if (!FParentCtl3D || !Parent() || Parent()->Ctl3D() == FCtl3D) return;
  FCtl3D = Parent()->Ctl3D();
  Perform(CM_CTL3DCHANGED);
}

void TWinControl::RecreateWnd() {
  if (!FHandle) return;
  DestroyHandle();
  CreateHandle();
}

String TWinControl::GetText() {
  if (!FHandle) return FText;
  String text(GetWindowTextLengthW(FHandle), L'\0');
  int length = GetWindowTextW(FHandle, text.data(), static_cast<int>(text.size()) + 1);
  text.resize(length);
  return text;
}

void TWinControl::UpdateBoundsFromWindow() {
  RECT r;
  GetWindowRect(FHandle, &r);
  if (GetWindowLongW(FHandle, GWL_STYLE) & WS_CHILD)
    MapWindowPoints(nullptr, GetParent(FHandle), reinterpret_cast<POINT*>(&r), 2);
  bool resized = r.right - r.left != Width() || r.bottom - r.top != Height();
  FLeft = r.left;
  FTop = r.top;
  FWidth = r.right - r.left;
  FHeight = r.bottom - r.top;
  if (resized) {
    Realign();
    Resize();
  }
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (!FHandle) return TControl::SetBounds(ALeft, ATop, AWidth, AHeight);
  SetWindowPos(FHandle, nullptr, ALeft, ATop, std::max(AWidth, 0), std::max(AHeight, 0),
               SWP_NOZORDER | SWP_NOACTIVATE);
  UpdateBoundsFromWindow();
  if (Align() != alNone && Parent() && !Parent()->FControlState.Contains(csAligning))
    Parent()->Realign();
}

TRect TWinControl::ClientRect() {
  if (FHandle) {
    RECT r;
    GetClientRect(FHandle, &r);
    return ToRect(r);
  }
  // Before the window exists: what the frame of its style would leave.
  TCreateParams params;
  CreateParams(params);
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, params.Style, FALSE, params.ExStyle);
  int frameWidth = frame.right - frame.left;
  int frameHeight = frame.bottom - frame.top;
  return Rect(0, 0, std::max(0, Width() - frameWidth), std::max(0, Height() - frameHeight));
}

void TWinControl::SetClientSize(int AWidth, int AHeight) {
  TRect client = ClientRect();
  SetBounds(Left(), Top(), Width() - client.Width() + AWidth, Height() - client.Height() + AHeight);
}

void TWinControl::SetEnabled(bool Value) {
  TControl::SetEnabled(Value);
  if (FHandle) EnableWindow(FHandle, Value);
}

void TWinControl::Invalidate() {
  if (FHandle) InvalidateRect(FHandle, nullptr, TRUE);
}

void TWinControl::Update() {
  if (FHandle) UpdateWindow(FHandle);
}

void TWinControl::PaintTo(HDC DC, int X, int Y) {
  if (!FHandle) return;
  RECT window;
  GetWindowRect(FHandle, &window);
  POINT client{0, 0};
  ::ClientToScreen(FHandle, &client);
  const int saved = SaveDC(DC);
  OffsetViewportOrgEx(DC, X + client.x - window.left, Y + client.y - window.top, nullptr);
  RECT area;
  GetClientRect(FHandle, &area);
  FControlState.Include(csPaintCopy);
  struct TEnd {
    TWinControl* Control;
    HDC DC;
    int Saved;
    ~TEnd() {
      Control->FControlState.Exclude(csPaintCopy);
      RestoreDC(DC, Saved);
    }
  } end{this, DC, saved};
  {
    const int clientSaved = SaveDC(DC);
    IntersectClipRect(DC, area.left - (client.x - window.left), area.top - (client.y - window.top),
                      window.right - client.x, window.bottom - client.y);
    Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC), reinterpret_cast<LPARAM>(DC));
    Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
    RestoreDC(DC, clientSaved);
  }
  IntersectClipRect(DC, 0, 0, area.right, area.bottom);
  for (TControl* control : FControls)
    if (auto* child = dynamic_cast<TWinControl*>(control); child && child->Visible() && child->FHandle)
      child->PaintTo(DC, child->Left(), child->Top());
}

void TWinControl::Realign() {
  if (FControlState.Contains(csAligning)) return;
  FControlState.Include(csAligning);
  TRect area = ClientRect();
  AdjustClientRect(area);
  for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
    for (TControl* control : FControls) {
      if (control->Align() != align || !control->Visible()) continue;
      int w = control->Width();
      int h = control->Height();
      switch (align) {
        case alTop:
          control->SetBounds(area.Left, area.Top, area.Width(), h);
          area.Top += control->Height();
          break;
        case alBottom:
          control->SetBounds(area.Left, area.Bottom - h, area.Width(), h);
          area.Bottom -= control->Height();
          break;
        case alLeft:
          control->SetBounds(area.Left, area.Top, w, area.Height());
          area.Left += control->Width();
          break;
        case alRight:
          control->SetBounds(area.Right - w, area.Top, w, area.Height());
          area.Right -= control->Width();
          break;
        default: control->SetBoundsRect(area); break;
      }
    }
  }
  FControlState.Exclude(csAligning);
}

void TWinControl::InsertControl(TControl* AControl) {
  FControls.push_back(AControl);
  auto* win = dynamic_cast<TWinControl*>(AControl);
  if (win) FTabList.push_back(win);
  AControl->FParent = this;
  AControl->ParentFontChanged();
  AControl->ParentColorChanged();
  AControl->ParentBiDiModeChanged();
  if (win) win->ParentCtl3DChanged();
  if (win && FHandle && !win->FHandle && !win->FWindowLost) win->CreateWnd();
  if (AControl->Align() != alNone) Realign();
  AControl->Invalidate();
}

void TWinControl::RemoveControl(TControl* AControl) {
  auto it = std::find(FControls.begin(), FControls.end(), AControl);
  if (it == FControls.end()) return;
  AControl->Invalidate();
  TCustomForm* form = IsDestroying() ? nullptr : GetParentForm(this);
  if (form && !form->IsDestroying()) form->ControlRemoved(AControl);
  if (auto* win = dynamic_cast<TWinControl*>(AControl)) {
    win->DestroyHandle();
    std::erase(FTabList, win);
  }
  FControls.erase(std::find(FControls.begin(), FControls.end(), AControl));
  AControl->FParent = nullptr;
  if (AControl->Align() != alNone) Realign();
}

TControl* TWinControl::ControlAtPos(const TPoint& Pos, bool AllowDisabled) {
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
    TControl* control = *it;
    if (control->Visible() && (AllowDisabled || control->Enabled()) &&
        control->BoundsRect().Contains(Pos))
      return control;
  }
  return nullptr;
}

int TWinControl::TabOrder() const {
  if (!Parent()) return -1;
  const auto& list = Parent()->FTabList;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int Value) {
  if (!Parent()) return;
  auto& list = Parent()->FTabList;
  std::erase(list, this);
  Value = std::clamp(Value, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + Value, this);
}

void TWinControl::SetTabStop(bool Value) {
  FTabStop = Value;
  if (!FHandle) return;
  LONG style = GetWindowLongW(FHandle, GWL_STYLE);
  SetWindowLongW(FHandle, GWL_STYLE, Value ? style | WS_TABSTOP : style & ~WS_TABSTOP);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) {
  for (TWinControl* control : FTabList) {
    List.push_back(control);
    control->GetTabOrderList(List);
  }
}

bool TWinControl::CanFocus() {
  TCustomForm* form = GetParentForm(this);
  if (!form) return false;
  // The form itself need not be shown yet.
  for (TControl* control = this; control != form; control = control->Parent())
    if (!control->Visible() || !control->Enabled()) return false;
  return true;
}

void TWinControl::SetFocus() {
  if (!CanFocus()) InvalidOperation(L"cannot take the focus: it is disabled or invisible");
  ::SetFocus(Handle());
}

bool TWinControl::Focused() { return FHandle && GetFocus() == FHandle; }

bool TWinControl::Showing() { return FHandle && IsWindowVisible(FHandle); }

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

void TWinControl::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(uint16_t& Key, TShiftState Shift) {
  if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(wchar_t& Key) {
  if (OnKeyPress) OnKeyPress(this, Key);
}

void TWinControl::FontChanged() {
  TControl::FontChanged();
  if (FStandardClass && FHandle)
    SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), TRUE);
  for (TControl* control : FControls) control->Perform(CM_PARENTFONTCHANGED);
}

TWinControl* TWinControl::MeasuredChild(UINT ControlId) {
  for (TWinControl* control : FTabList)
    if (control->FControlId == ControlId) return control;
  return nullptr;
}

void TWinControl::ReflectToChild(TMessage& Message, HWND Child) {
  TWinControl* control = FindControl(Child);
  if (control && control != this)
    Message.Result = control->Perform(CN_BASE + Message.Msg, Message.WParam, Message.LParam);
  else
    DefaultHandler(Message);
}

void TWinControl::PaintHandler(TMessage& Message) {
  PAINTSTRUCT paint;
  auto dc = reinterpret_cast<HDC>(Message.WParam);
  bool ownPaint = !dc;
  if (ownPaint) dc = BeginPaint(FHandle, &paint);
  struct TEndPaint {
    HWND Window;
    PAINTSTRUCT* Paint;
    bool Active;
    ~TEndPaint() {
      if (Active) EndPaint(Window, Paint);
    }
  } endPaint{FHandle, &paint, ownPaint};
  if (ownPaint && FDoubleBuffered) return PaintDoubleBuffered(dc, paint.rcPaint);
  PaintWindow(dc);
  PaintControls(dc);
}

void TWinControl::PaintDoubleBuffered(HDC DC, const RECT& R, HRGN AClip) {
  const int width = R.right - R.left;
  const int height = R.bottom - R.top;
  if (width <= 0 || height <= 0) return;
  struct TBuffer {
    HDC DC;
    HBITMAP Bitmap;
    HGDIOBJ Previous;
    ~TBuffer() {
      SelectObject(DC, Previous);
      DeleteObject(Bitmap);
      DeleteDC(DC);
    }
  };
  HDC memory = CreateCompatibleDC(DC);
  HBITMAP bitmap = CreateCompatibleBitmap(DC, width, height);
  const TBuffer buffer{memory, bitmap, SelectObject(memory, bitmap)};
  if (AClip) {
    OffsetRgn(AClip, -R.left, -R.top);
    SelectClipRgn(memory, AClip);
  }
  SetWindowOrgEx(memory, R.left, R.top, nullptr);
  Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory), reinterpret_cast<LPARAM>(memory));
  Perform(WM_PAINT, reinterpret_cast<WPARAM>(memory));
  BitBlt(DC, R.left, R.top, width, height, memory, R.left, R.top, SRCCOPY);
}

void TWinControl::ApplyParentBackground(bool Value) {
  TControlStyle style = ControlStyle();
  if (Value) style.Include(csParentBackground);
  else style.Exclude(csParentBackground);
  SetControlStyle(style);
  Invalidate();
}

bool TWinControl::DoMouseWheel(TShiftState Shift, int WheelDelta, const TPoint& MousePos) {
  bool handled = false;
  if (OnMouseWheel) OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
  return handled;
}

void TWinControl::MouseWheel(TMessage& Message) {
  const TShiftState shift = KeysToShiftState(GET_KEYSTATE_WPARAM(Message.WParam));
  const int delta = GET_WHEEL_DELTA_WPARAM(Message.WParam);
  const TPoint pos(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
  if (DoMouseWheel(shift, delta, pos)) Message.Result = 1;
  else DefaultHandler(Message);  // the parent window's turn
}

void TWinControl::ContextMenu(TMessage& Message) {
  TPoint pos(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
  const bool byKeyboard = pos.X == -1 && pos.Y == -1;
  bool handled = false;
  DoContextPopup(byKeyboard ? pos : ScreenToClient(pos), handled);
  if (handled) {
    Message.Result = 1;
    return;
  }
  TPopupMenu* menu = GetPopupMenu();
  if (!menu || !menu->AutoPopup()) return DefaultHandler(Message);
  menu->SetPopupComponent(this);
  if (byKeyboard) pos = ClientToScreen(TPoint(0, 0));
  menu->Popup(pos.X, pos.Y);
  Message.Result = 1;
}

void TWinControl::TrackMouse(TMessage& Message) {
  if (Message.Msg == WM_MOUSELEAVE) {
    if (GMouseControl == this) {
      GMouseControl = nullptr;
      Perform(CM_MOUSELEAVE);
    }
    return;
  }
  if (GMouseControl == this) return;
  if (TWinControl* previous = std::exchange(GMouseControl, this)) previous->Perform(CM_MOUSELEAVE);
  TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, FHandle, 0};
  TrackMouseEvent(&track);
  Perform(CM_MOUSEENTER);
}

void TWinControl::PaintControls(HDC DC) {
  RECT box;
  GetClipBox(DC, &box);
  TRect clip = ToRect(box);
  for (TControl* control : FControls) {
    auto* graphic = dynamic_cast<TGraphicControl*>(control);
    if (!graphic || !graphic->Visible()) continue;
    TRect bounds = graphic->BoundsRect();
    if (bounds.Right <= clip.Left || bounds.Left >= clip.Right || bounds.Bottom <= clip.Top ||
        bounds.Top >= clip.Bottom)
      continue;
    TSavedDC saved(DC);
    OffsetViewportOrgEx(DC, bounds.Left, bounds.Top, nullptr);
    IntersectClipRect(DC, 0, 0, bounds.Width(), bounds.Height());
    TLentCanvas lent(graphic->FCanvas.get(), DC);
    graphic->Canvas()->SetFont(graphic->Font());
    graphic->Paint();
  }
}

void TWinControl::ForwardMouseToGraphicChild(TMessage& Message) {
  TPoint pos(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
  auto* graphic = dynamic_cast<TGraphicControl*>(ControlAtPos(pos));
  if (!graphic) return TControl::WndProc(Message);
  TMessage forwarded = Message;
  forwarded.LParam = MAKELPARAM(pos.X - graphic->Left(), pos.Y - graphic->Top());
  graphic->WindowProc(forwarded);
  DefaultHandler(Message);
}

// Keys the person typed, before the window sees them: Tab (and others the
// control does not ask for) move the focus through the form.
bool TWinControl::DialogKey(TMessage& Message) {
  WPARAM key = Message.WParam;
  if (key != VK_TAB && key != VK_RETURN && key != VK_ESCAPE) return false;
  LRESULT code = SendMessageW(FHandle, WM_GETDLGCODE, key, 0);
  if (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE | (key == VK_TAB ? DLGC_WANTTAB : 0))) return false;
  TCustomForm* form = GetParentForm(this);
  return form && form->Perform(CM_DIALOGKEY, key, Message.LParam) != 0;
}

// The keyboard events; true when a handler swallowed the key.
TWinControl* TWinControl::KeyPreviewForm() {
  TCustomForm* form = GetParentForm(this);
  return form && form != this && form->KeyPreview() ? form : nullptr;
}

bool TWinControl::HandleKeyMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      auto key = static_cast<uint16_t>(Message.WParam);
      const bool down = Message.Msg == WM_KEYDOWN || Message.Msg == WM_SYSKEYDOWN;
      const TShiftState shift = KeyboardStateToShiftState();
      for (TWinControl* receiver : {KeyPreviewForm(), this}) {
        if (!receiver || key == 0) continue;
        if (down) receiver->KeyDown(key, shift);
        else receiver->KeyUp(key, shift);
      }
      Message.WParam = key;
      return key == 0;
    }
    case WM_CHAR: {
      auto key = static_cast<wchar_t>(Message.WParam);
      for (TWinControl* receiver : {KeyPreviewForm(), this})
        if (receiver && key != 0) receiver->KeyPress(key);
      Message.WParam = key;
      return key == 0;
    }
    case WM_SYSCHAR: {
      // Alt with a letter: the control whose caption marks it as its
      // accelerator takes it.
      TCustomForm* form = GetParentForm(this);
      return form && form->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam) != 0;
    }
  }
  return false;
}

void TWinControl::SetCursorFromScreen(TMessage& Message) {
  TCursor cursor = Screen->Cursor();
  if (cursor == crDefault && LOWORD(Message.LParam) == HTCLIENT) cursor = Cursor();
  if (cursor == crDefault) return DefaultHandler(Message);
  ::SetCursor(Screen->Cursors(cursor));
  Message.Result = TRUE;
}

void TWinControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_BIDIMODECHANGED:
      // The window's styles carry the reading order.
      if (FHandle && !IsDestroying()) RecreateWnd();
      for (TControl* control : FControls) control->Perform(CM_PARENTBIDIMODECHANGED);
      return Invalidate();
    case CM_CTL3DCHANGED:
      for (TControl* control : FControls) control->Perform(CM_PARENTCTL3DCHANGED);
      return Invalidate();
    case CM_PARENTCTL3DCHANGED: return ParentCtl3DChanged();
    case WM_PAINT:
      if (FStandardClass) break;
      return PaintHandler(Message);
    case WM_ERASEBKGND:
      if (FStandardClass) break;
      RECT client;
      GetClientRect(FHandle, &client);
      FillRect(reinterpret_cast<HDC>(Message.WParam), &client, FBrush->Handle());
      Message.Result = 1;
      return;
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORSCROLLBAR:
      if (!Message.LParam) break;
      return ReflectToChild(Message, reinterpret_cast<HWND>(Message.LParam));
    case WM_NOTIFY:
      return ReflectToChild(Message, reinterpret_cast<NMHDR*>(Message.LParam)->hwndFrom);
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam);
      if (item->CtlType == ODT_MENU) break;
      return ReflectToChild(Message, item->hwndItem);
    }
    case WM_MEASUREITEM: {
      // Sent while the child is being made, before its window is known.
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
      TWinControl* child = item->CtlType == ODT_MENU ? nullptr : MeasuredChild(item->CtlID);
      if (!child) break;
      Message.Result = child->Perform(CN_MEASUREITEM, Message.WParam, Message.LParam);
      return;
    }
    case CN_CTLCOLORBTN:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORSTATIC: {
      auto dc = reinterpret_cast<HDC>(Message.WParam);
      SetTextColor(dc, ColorToRGB(Font()->Color()));
      SetBkColor(dc, ColorToRGB(Color()));
      Message.Result = reinterpret_cast<LRESULT>(FBrush->Handle());
      return;
    }
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
      Message.Result = DialogKey(Message);
      return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
    case WM_SYSCHAR:
      if (HandleKeyMessage(Message)) return;
      break;
    case WM_SETFOCUS:
      if (TCustomForm* form = GetParentForm(this); form && form != this) form->FocusChanged(this);
      DoEnter();
      break;
    case WM_KILLFOCUS: DoExit(); break;
    case WM_SIZE:
    case WM_MOVE:
      DefaultHandler(Message);
      if (!FControlState.Contains(csCreating)) UpdateBoundsFromWindow();
      return;
    case WM_SETCURSOR: return SetCursorFromScreen(Message);
    case WM_CONTEXTMENU: return ContextMenu(Message);
    case WM_MOUSEWHEEL: return MouseWheel(Message);
    case WM_GESTURENOTIFY:
      if (FStandardClass) break;
      return GestureNotify(Message);
    case WM_PRINTCLIENT:
      if (FStandardClass) break;
      FControlState.Include(csPrintClient);
      Message.Result = Perform(WM_PAINT, Message.WParam);
      FControlState.Exclude(csPrintClient);
      return;
    case WM_MOUSELEAVE:
      TrackMouse(Message);
      break;
    case WM_NCDESTROY:
      DefaultHandler(Message);
      return DetachHandle();
    case CM_COLORCHANGED:
      FBrush->SetColor(Color());
      for (TControl* control : FControls) control->Perform(CM_PARENTCOLORCHANGED);
      return Invalidate();
    case CM_VISIBLECHANGED:
      if (FHandle) ShowWindow(FHandle, Message.WParam ? SW_SHOWNOACTIVATE : SW_HIDE);
      return;
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED: return;
  }
  if (Message.Msg == WM_MOUSEMOVE && FHandle) TrackMouse(Message);
  if (IsMouseMessage(Message.Msg) && !FStandardClass) {
    // A quick second press comes as a double click: it holds the mouse as
    // the first press does.
    if ((Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK) && ControlStyle().Contains(csCaptureMouse))
      SetCapture(FHandle);
    if (Message.Msg == WM_LBUTTONUP && GetCapture() == FHandle) ReleaseCapture();
    return ForwardMouseToGraphicChild(Message);
  }
  TControl::WndProc(Message);
}

void TWinControl::DefaultHandler(TMessage& Message) {
  if (FHandle)
    Message.Result = CallWindowProcW(FDefWndProc, FHandle, Message.Msg, Message.WParam, Message.LParam);
}

namespace {
// One configuration per gesture the system knows: wanted when the control
// takes it, blocked otherwise; a pan's single-finger directions, gutter and
// inertia follow the options.
std::vector<GESTURECONFIG> GestureConfigs(TInteractiveGestures Gestures, TInteractiveGestureOptions Options) {
  auto config = [](DWORD AId, bool AWanted, DWORD AWanting, DWORD AAll) {
    return GESTURECONFIG{AId, AWanted ? AWanting : 0, AWanted ? AAll & ~AWanting : AAll};
  };
  constexpr DWORD allPanFlags = GC_PAN | GC_PAN_WITH_SINGLE_FINGER_VERTICALLY |
                                GC_PAN_WITH_SINGLE_FINGER_HORIZONTALLY | GC_PAN_WITH_GUTTER | GC_PAN_WITH_INERTIA;
  DWORD panFlags = GC_PAN;
  if (Options.Contains(igoPanSingleFingerVertical)) panFlags |= GC_PAN_WITH_SINGLE_FINGER_VERTICALLY;
  if (Options.Contains(igoPanSingleFingerHorizontal)) panFlags |= GC_PAN_WITH_SINGLE_FINGER_HORIZONTALLY;
  if (Options.Contains(igoPanGutter)) panFlags |= GC_PAN_WITH_GUTTER;
  if (Options.Contains(igoPanInertia)) panFlags |= GC_PAN_WITH_INERTIA;
  return {config(GID_ZOOM, Gestures.Contains(igZoom), GC_ZOOM, GC_ZOOM),
          config(GID_PAN, Gestures.Contains(igPan), panFlags, allPanFlags),
          config(GID_ROTATE, Gestures.Contains(igRotate), GC_ROTATE, GC_ROTATE),
          config(GID_TWOFINGERTAP, Gestures.Contains(igTwoFingerTap), GC_TWOFINGERTAP, GC_TWOFINGERTAP),
          config(GID_PRESSANDTAP, Gestures.Contains(igPressAndTap), GC_PRESSANDTAP, GC_PRESSANDTAP)};
}
}  // namespace

// A touch begins: the window is configured for the gestures the control
// takes at that point. Where the system has no gestures the configuration
// fails and nothing else changes.
void TWinControl::GestureNotify(TMessage& Message) {
  TInteractiveGestures gestures = Touch().InteractiveGestures();
  TInteractiveGestureOptions options = Touch().InteractiveGestureOptions();
  QueryGestureOptions(gestures, options);
  std::vector<GESTURECONFIG> configs = GestureConfigs(gestures, options);
  SetGestureConfig(FHandle, 0, static_cast<UINT>(configs.size()), configs.data(), sizeof(GESTURECONFIG));
  DefaultHandler(Message);
}

// ---------------------------------------------------------------- canvases

void TControlCanvas::CreateHandle() {
  if (auto* win = dynamic_cast<TWinControl*>(FControl)) {
    FWindow = win->Handle();
    SetHandle(GetDCEx(FWindow, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS));
    return;
  }
  TWinControl* parent = FControl->Parent();
  if (!parent) throw EInvalidOperation(L"Control '" + FControl->Name() + L"' has no parent window");
  FWindow = parent->Handle();
  HDC dc = GetDCEx(FWindow, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
  SetViewportOrgEx(dc, FControl->Left(), FControl->Top(), nullptr);
  ::IntersectClipRect(dc, 0, 0, FControl->Width(), FControl->Height());
  SetHandle(dc);
}

void TControlCanvas::FreeHandle() {
  if (!HandleAllocated()) return;
  HDC dc = Handle();
  SetHandle(nullptr);
  if (FWindow) ReleaseDC(FWindow, dc);
  FWindow = nullptr;
}

TCustomControl::TCustomControl(TComponent* AOwner)
    : TWinControl(AOwner), FCanvas(std::make_unique<TControlCanvas>(this)) {}

void TCustomControl::DestroyWnd() {
  FCanvas->FreeHandle();
  TWinControl::DestroyWnd();
}

void TCustomControl::PaintWindow(HDC DC) {
  TLentCanvas lent(FCanvas.get(), DC);
  FCanvas->SetFont(Font());
  FCanvas->Brush()->SetColor(Color());
  Paint();
}

TGraphicControl::TGraphicControl(TComponent* AOwner)
    : TControl(AOwner), FCanvas(std::make_unique<TControlCanvas>(this)) {}

// ---------------------------------------------------------------- mouse settings

TMouse Mouse;

int TMouse::WheelScrollLines() const {
  UINT lines = 3;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  return lines == WHEEL_PAGESCROLL ? -1 : static_cast<int>(lines);
}

// ---------------------------------------------------------------- unit

namespace {
void ControlsInitialize() {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES |
                                                      ICC_DATE_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = StdWndProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = FrameworkClassName;
  if (!RegisterClassExW(&windowClass)) RaiseLastOSError();
  // Controls and what is grouped with them are found by name from here on.
  StartClassGroup(TControl::StaticClass());
  ActivateClassGroup(TControl::StaticClass());
}

void ControlsFinalize() { UnregisterClassW(FrameworkClassName, GetModuleHandleW(nullptr)); }
}  // namespace

const TUnitEntry ControlsUnit{L"Controls", ControlsInitialize, ControlsFinalize};
