// The list box placed inside a container by the list-based editors.
#include "components/controls/cxContainer.h"

TcxCustomInnerListBox::TcxCustomInnerListBox(TComponent* AOwner) : TListBox(AOwner) {
  SetControlStyle(ControlStyle() - TControlStyle{csOpaque} + TControlStyle{csDoubleClicks, csOverrideStylePaint});
  SetParentColor(false);
  SetParentFont(true);
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
  if (!FContainer || !FContainer->OnMouseDown) return;
  FContainer->SetInnerControlMouseDown(true);
  struct TReset {
    TcxContainer* Container;
    ~TReset() { Container->SetInnerControlMouseDown(false); }
  } reset{FContainer};
  FContainer->OnMouseDown(FContainer, Button, Shift, X + Left(), Y + Top());
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
  TListBox::WndProc(Message);
  switch (Message.Msg) {
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
  if (FContainer && !FIsRedrawLocked && !IsDestroying() && (redrawOn || IsScrollingMessage(Message.Msg)))
    FContainer->UpdateScrollBarsParameters();
}
