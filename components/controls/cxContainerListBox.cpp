// The list box placed inside a container by the list-based editors.
#include "components/controls/cxContainer.h"

#include <windowsx.h>

TcxCustomInnerListBox::TcxCustomInnerListBox(TComponent* AOwner)
    : TListBox(AOwner),
      FCanvas(std::make_unique<TcxCanvas>(TListBox::Canvas())),
      FHScrollBar(new TcxScrollBar(this)),
      FVScrollBar(new TcxScrollBar(this)),
      FLookAndFeel(std::make_unique<TcxLookAndFeel>(this)) {
  FVScrollBar->SetKind(sbVertical);
  FHScrollBar->OnScroll = [this](TObject*, TScrollCode ACode, int& APos) { HScrollBarScroll(ACode, APos); };
  FVScrollBar->OnScroll = [this](TObject*, TScrollCode ACode, int& APos) { VScrollBarScroll(ACode, APos); };
  for (TcxScrollBar* bar : {FHScrollBar, FVScrollBar}) {
    bar->SetSmallChange(1);
    bar->SetVisible(false);
    bar->LookAndFeel()->SetMasterLookAndFeel(FLookAndFeel.get());
  }
  FLookAndFeel->OnChanged = [this](TcxLookAndFeel* Sender, TcxLookAndFeelValues AChanged) {
    LookAndFeelChanged(Sender, AChanged);
  };
  SetControlStyle(ControlStyle() - TControlStyle{csOpaque} + TControlStyle{csDoubleClicks, csOverrideStylePaint});
  SetParentColor(false);
  SetParentFont(true);
}

TcxCustomInnerListBox::~TcxCustomInnerListBox() {
  // The bars follow the look-and-feel they take their values from.
  for (TcxScrollBar* bar : Bars()) bar->LookAndFeel()->SetMasterLookAndFeel(nullptr);
}

std::vector<TcxScrollBar*> TcxCustomInnerListBox::Bars() const {
  std::vector<TcxScrollBar*> bars;
  for (TcxScrollBar* bar : {FHScrollBar, FVScrollBar})
    if (bar) bars.push_back(bar);
  return bars;
}

void TcxCustomInnerListBox::Notification(TComponent* AComponent, TOperation Operation) {
  TListBox::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  // A placed bar goes with the parent it was placed on.
  if (AComponent == FHScrollBar) FHScrollBar = nullptr;
  if (AComponent == FVScrollBar) FVScrollBar = nullptr;
}

void TcxCustomInnerListBox::LookAndFeelChanged(TcxLookAndFeel*, TcxLookAndFeelValues) {
  if (HandleAllocated()) Invalidate();
}

TRect TcxCustomInnerListBox::GetScrollBarsCornerRect() {
  TRect R;
  if (FContainer) {
    cxGetSizeGripRect(this, R);
    return R;
  }
  if (!FHScrollBar || !FVScrollBar || !FHScrollBar->Visible() || !FVScrollBar->Visible() || !Parent() ||
      !HandleAllocated())
    return R;
  const TPoint origin = Parent()->ClientToScreen(TPoint(FVScrollBar->Left(), FHScrollBar->Top()));
  RECT window;
  GetWindowRect(Handle(), &window);
  return Bounds(origin.X - window.left, origin.Y - window.top, FVScrollBar->Width(), FHScrollBar->Height());
}

void TcxCustomInnerListBox::PaintScrollBarsCorner() {
  if (!FContainer || !cxIsLibraryScrollBarsEnabled()) return;
  const TRect corner = GetScrollBarsCornerRect();
  if (!corner.IsEmpty()) cxPaintSizeGripBackground(FContainer, corner);
}

// ---------------------------------------------------------------- library scroll bars

void TcxCustomInnerListBox::SetExternalScrollBarsParameters() {
  if (IsDestroying() || FScrollBarsLockCount >= 1 || !cxIsLibraryScrollBarsEnabled() || FIsRedrawLocked ||
      !HandleAllocated())
    return;
  FScrollBarsCalculating = true;
  struct TReset {
    bool& Flag;
    ~TReset() { Flag = false; }
  } reset{FScrollBarsCalculating};
  for (TcxScrollBar* bar : Bars()) {
    PlaceScrollBar(bar);
    if (!bar->Visible()) continue;
    SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS};
    GetScrollInfo(Handle(), bar->Kind() == sbHorizontal ? SB_HORZ : SB_VERT, &info);
    const int page = std::min(static_cast<int>(info.nPage), info.nMax);
    bar->SetScrollParams(info.nMin, info.nMax, info.nPos, page, true);
  }
}

void TcxCustomInnerListBox::PlaceScrollBar(TcxScrollBar* ABar) {
  bool show = false;
  SCROLLBARINFO info{sizeof(info)};
  const LONG object = ABar->Kind() == sbHorizontal ? OBJID_HSCROLL : OBJID_VSCROLL;
  if (Parent() && cxGetScrollBarInfoSafe(Handle(), object, info) &&
      !(info.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN))) {
    show = true;
    ABar->SetEnabled(!(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) && (!ABar->Parent() || ABar->Parent()->Enabled()));
    const TPoint topLeft = Parent()->ScreenToClient(TPoint(info.rcScrollBar.left, info.rcScrollBar.top));
    const int width = info.rcScrollBar.right - info.rcScrollBar.left;
    const int height = info.rcScrollBar.bottom - info.rcScrollBar.top;
    // A native bar partly outside the list box is not covered.
    if (topLeft.X < 0 || topLeft.Y < 0 || width > Width() || height > Height())
      show = false;
    else
      ABar->SetBounds(topLeft.X, topLeft.Y, width, height);
  }
  if (show) {
    LockScrollBars();
    ABar->SetParent(Parent());
    UnlockScrollBars();
    ABar->SetCtl3D(false);
    SetWindowPos(ABar->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  } else {
    ABar->SetBounds(0, 0, 0, 0);
  }
  ABar->SetVisible(show);
}

void TcxCustomInnerListBox::ScrollNatively(UINT AMsg, TcxScrollBar* ABar, TScrollCode AScrollCode, int APos) {
  TMessage message{AMsg, MAKEWPARAM(static_cast<WORD>(AScrollCode), static_cast<WORD>(APos)),
                   reinterpret_cast<LPARAM>(ABar->Handle()), 0};
  TListBox::DefaultHandler(message);
}

void TcxCustomInnerListBox::HScrollBarScroll(TScrollCode AScrollCode, int& AScrollPos) {
  if (!FHScrollBar || !FHScrollBar->HandleAllocated()) return;
  ScrollNatively(WM_HSCROLL, FHScrollBar, AScrollCode, AScrollPos);
  AScrollPos = GetScrollPos(Handle(), SB_HORZ);
}

void TcxCustomInnerListBox::VScrollBarScroll(TScrollCode AScrollCode, int& AScrollPos) {
  if (!FVScrollBar || !FVScrollBar->HandleAllocated()) return;
  switch (AScrollCode) {
    case scLineUp:
    case scLineDown:
      SetTopIndex(AScrollPos);
      return;
    case scPosition:
    case scTrack:
      SetTopIndex(AScrollPos);
      break;
    default:
      ScrollNatively(WM_VSCROLL, FVScrollBar, AScrollCode, AScrollPos);
  }
  AScrollPos = GetScrollPos(Handle(), SB_VERT);
}

void TcxCustomInnerListBox::UpdateScrollBars() {
  // Inside a container its mirrored bars follow the native ones.
  if (FContainer)
    FContainer->UpdateScrollBarsParameters();
  else
    SetExternalScrollBarsParameters();
}

// ---------------------------------------------------------------- forwarding to the container

void TcxCustomInnerListBox::DefaultHandler(TMessage& Message) {
  if (FContainer && FContainer->InnerControlDefaultHandler(Message)) return;
  TListBox::DefaultHandler(Message);
}

void TcxCustomInnerListBox::Click() {
  TListBox::Click();
  if (FVScrollBar) FVScrollBar->SetPosition(TopIndex());
  if (FContainer) FContainer->Click();
}

void TcxCustomInnerListBox::DblClick() {
  TListBox::DblClick();
  if (FContainer) FContainer->DblClick();
}

void TcxCustomInnerListBox::DragDrop(TObject* Source, int X, int Y) {
  if (!FContainer) return TListBox::DragDrop(Source, X, Y);
  const TPoint P = ToContainer(X, Y);
  FContainer->DragDrop(Source, P.X, P.Y);
}

void TcxCustomInnerListBox::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) {
  if (!FContainer) return TListBox::DragOver(Source, X, Y, State, Accept);
  const TPoint P = ToContainer(X, Y);
  FContainer->DragOver(Source, P.X, P.Y, State, Accept);
}

TPopupMenu* TcxCustomInnerListBox::GetPopupMenu() {
  return FContainer ? FContainer->GetPopupMenu() : TListBox::GetPopupMenu();
}

bool TcxCustomInnerListBox::DoMouseWheel(TShiftState Shift, int WheelDelta, const TPoint& MousePos) {
  if (FContainer && FContainer->DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
  return TListBox::DoMouseWheel(Shift, WheelDelta, MousePos);
}

void TcxCustomInnerListBox::MouseMove(TShiftState Shift, int X, int Y) {
  TListBox::MouseMove(Shift, X, Y);
  if (!FContainer) return;
  const TPoint P = ToContainer(X, Y);
  FContainer->MouseMove(Shift, P.X, P.Y);
}

void TcxCustomInnerListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TListBox::MouseUp(Button, Shift, X, Y);
  if (!FContainer) return;
  const TPoint P = ToContainer(X, Y);
  FContainer->MouseUp(Button, Shift, P.X, P.Y);
}

void TcxCustomInnerListBox::DestroyWnd() {
  TListBox::DestroyWnd();
  FIsRedrawLocked = false;
}

void TcxCustomInnerListBox::SetContainer(TcxContainer* Value) {
  FContainer = Value;
  if (!Value) return;
  SetParent(Value);
  Value->SetInnerControl(this);
}

void TcxCustomInnerListBox::CreateParams(TCreateParams& Params) {
  TListBox::CreateParams(Params);
  // The container draws the border.
  Params.Style &= ~WS_BORDER;
  Params.ExStyle &= ~WS_EX_CLIENTEDGE;
}

bool TcxCustomInnerListBox::ItemVisible(int Index) {
  RECT r;
  if (!HandleAllocated() || SendMessageW(Handle(), LB_GETITEMRECT, Index, reinterpret_cast<LPARAM>(&r)) == LB_ERR)
    return false;
  const TRect client(0, 0, Width(), Height());
  for (const TPoint corner : {TPoint(r.left, r.top), TPoint(r.right - 1, r.top), TPoint(r.left, r.bottom - 1),
                              TPoint(r.right - 1, r.bottom - 1)})
    if (client.Contains(corner)) return true;
  return false;
}

int TcxCustomInnerListBox::FindItemByPrefix(const String& APrefix) {
  const LRESULT index = SendMessageW(Handle(), LB_FINDSTRING, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(APrefix.c_str()));
  return index == LB_ERR ? -1 : static_cast<int>(index);
}

void TcxCustomInnerListBox::DoAutoComplete(wchar_t& Key) {
  if (!FAutoComplete || !HandleAllocated()) return;
  const uint32_t now = GetTickCount();
  if (now - FPrevKeyPressTime >= FAutoCompleteDelay) FAutoCompleteFilter.clear();
  FPrevKeyPressTime = now;
  if (Key == VK_BACK) {
    if (!FAutoCompleteFilter.empty()) FAutoCompleteFilter.pop_back();
  } else {
    FAutoCompleteFilter += Key;
  }
  if (FAutoCompleteFilter.empty()) {
    // Erasing the whole prefix goes back to the top of the list.
    SetItemIndex(Items()->Count() > 0 ? 0 : -1);
    Click();
  } else if (const int index = FindItemByPrefix(FAutoCompleteFilter); index >= 0) {
    SetItemIndex(index);
    Click();
  }
  if (Key != VK_BACK && Key != VK_RETURN && Key != VK_ESCAPE) Key = 0;
}

void TcxCustomInnerListBox::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (FContainer && FContainer->OnKeyDown) FContainer->OnKeyDown(FContainer, Key, Shift);
  if (Key != 0) TListBox::KeyDown(Key, Shift);
}

void TcxCustomInnerListBox::KeyUp(uint16_t& Key, TShiftState Shift) {
  if (Key == VK_TAB) Key = 0;
  if (FContainer && FContainer->OnKeyUp && Key != 0) FContainer->OnKeyUp(FContainer, Key, Shift);
  if (Key != 0) TListBox::KeyUp(Key, Shift);
}

void TcxCustomInnerListBox::KeyPress(wchar_t& Key) {
  if (Key == L'\t') Key = 0;
  if (FContainer && FContainer->OnKeyPress && Key != 0) FContainer->OnKeyPress(FContainer, Key);
  if (Key == L'\r') Key = 0;
  if (Key != 0) TListBox::KeyPress(Key);
  if (Key != 0) DoAutoComplete(Key);
}

void TcxCustomInnerListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TListBox::MouseDown(Button, Shift, X, Y);
  if (!FContainer) return;
  FContainer->SetInnerControlMouseDown(true);
  struct TReset {
    TcxContainer* Container;
    ~TReset() { Container->SetInnerControlMouseDown(false); }
  } reset{FContainer};
  const TPoint P = ToContainer(X, Y);
  FContainer->MouseDown(Button, Shift, P.X, P.Y);
}

bool TcxCustomInnerListBox::IsDragFromSelectedItem(const TPoint& P, TShiftState AShift) {
  if (!MultiSelect() || AShift.Contains(ssShift) || AShift.Contains(ssCtrl)) return false;
  const int index = ItemAtPos(P);
  return index >= 0 && Selected(index);
}

void TcxCustomInnerListBox::HandleLeftButtonDown(TMessage& Message) {
  SetDragMode(dmManual);
  struct TRestore {
    TcxCustomInnerListBox* ListBox;
    ~TRestore() { ListBox->SetDragMode(dmAutomatic); }
  } restore{this};
  const TPoint P(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
  const TShiftState shift = KeysToShiftState(Message.WParam);
  // A press on a chosen item drags the whole choice instead of choosing anew.
  if (IsDragFromSelectedItem(P, shift)) return FContainer->BeginDrag(false, -1);
  TListBox::WndProc(Message);
  if (!MultiSelect() || !(shift.Contains(ssShift) || shift.Contains(ssCtrl))) FContainer->BeginDrag(false, -1);
}

bool TcxCustomInnerListBox::HandleNonClientPrint(TMessage& Message) {
  if (!FContainer || !cxIsLibraryScrollBarsEnabled() || !(Message.LParam & PRF_NONCLIENT)) return false;
  Message.LParam &= ~PRF_NONCLIENT;
  PaintScrollBarsCorner();
  DefaultHandler(Message);
  return true;
}

bool TcxCustomInnerListBox::IsScrollingMessage(UINT AMsg) const {
  switch (AMsg) {
    case WM_WINDOWPOSCHANGED: case WM_HSCROLL: case WM_VSCROLL: case LB_ADDSTRING: case LB_INSERTSTRING:
    case LB_DELETESTRING: case LB_RESETCONTENT: case LB_SETCURSEL: case LB_SETHORIZONTALEXTENT:
    case LB_SETTOPINDEX: case LB_SETCOUNT: case WM_MOUSEWHEEL: case WM_WININICHANGE: case WM_NCCALCSIZE:
      return true;
  }
  return false;
}

void TcxCustomInnerListBox::WndProc(TMessage& Message) {
  if (FContainer && FContainer->InnerControlMenuHandler(Message)) return;
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (FContainer && DragMode() == dmAutomatic && !ComponentState().Contains(csDesigning))
        return HandleLeftButtonDown(Message);
      break;
    case WM_PRINT:
      if (HandleNonClientPrint(Message)) return;
      break;
  }
  TListBox::WndProc(Message);
  switch (Message.Msg) {
    case WM_NCPAINT:
      PaintScrollBarsCorner();
      return;
    case CM_MOUSELEAVE:
      if (FContainer) FContainer->ShortRefreshContainer(true);
      return;
    case WM_GETDLGCODE:
      if (FContainer) {
        Message.Result |= DLGC_WANTCHARS;
        if (GetKeyState(VK_CONTROL) >= 0) Message.Result |= DLGC_WANTTAB;
      }
      return;
    case WM_SETFOCUS:
      if (FContainer && !FContainer->IsDestroying() && !IsDestroying() &&
          !(FContainer->HandleAllocated() && reinterpret_cast<HWND>(Message.WParam) == FContainer->Handle()))
        FContainer->FocusChanged();
      return;
    case WM_KILLFOCUS:
      if (FContainer && !FContainer->IsDestroying()) FContainer->FocusChanged();
      return;
    case WM_SETREDRAW:
      FIsRedrawLocked = Message.WParam == 0;
      break;
  }
  // The container's library bars follow the native ones once redraw is on.
  const bool redrawOn = Message.Msg == WM_SETREDRAW && Message.WParam != 0;
  const bool recalculating = Message.Msg == WM_NCCALCSIZE && FScrollBarsCalculating;
  if (!FIsRedrawLocked && !IsDestroying() && !recalculating && (redrawOn || IsScrollingMessage(Message.Msg)))
    UpdateScrollBars();
  if (Message.Msg == WM_WINDOWPOSCHANGED && HandleAllocated()) {
    // The corner between two bars is no part of either: paint it anew.
    const TRect corner = GetScrollBarsCornerRect();
    if (!corner.IsEmpty()) {
      HRGN region = CreateRectRgn(corner.Left, corner.Top, corner.Right, corner.Bottom);
      SendMessageW(Handle(), WM_NCPAINT, reinterpret_cast<WPARAM>(region), 0);
      DeleteObject(region);
    }
  }
}
