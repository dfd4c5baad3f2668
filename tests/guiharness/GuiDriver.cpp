#include "tests/guiharness/GuiDriver.h"

#include "vcl/controls/Application.h"
#include "vcl/controls/ComCtrls.h"
#include "vcl/controls/StdCtrls.h"

void ProcessPendingMessages() { Application->ProcessMessages(); }

void TypeText(TWinControl* Control, const String& Text) {
  Control->SetFocus();
  // Typing goes on at the end of what is there.
  LRESULT end = SendMessageW(Control->Handle(), WM_GETTEXTLENGTH, 0, 0);
  SendMessageW(Control->Handle(), EM_SETSEL, end, end);
  for (wchar_t ch : Text) SendMessageW(Control->Handle(), WM_CHAR, ch, 1);
  ProcessPendingMessages();
}

void PressKey(WORD VirtualKey, bool Shift) {
  BYTE keys[256];
  GetKeyboardState(keys);
  BYTE savedShift = keys[VK_SHIFT];
  keys[VK_SHIFT] = Shift ? 0x80 : 0;
  SetKeyboardState(keys);
  HWND target = GetFocus();
  PostMessageW(target, WM_KEYDOWN, VirtualKey, 1);
  PostMessageW(target, WM_KEYUP, VirtualKey, 0xC0000001);
  ProcessPendingMessages();
  keys[VK_SHIFT] = savedShift;
  SetKeyboardState(keys);
}

void ClickAt(TControl* Control, const TPoint& Point) {
  auto* windowed = dynamic_cast<TWinControl*>(Control);
  TWinControl* target = windowed ? windowed : Control->Parent();
  LPARAM at = windowed ? MAKELPARAM(Point.X, Point.Y)
                       : MAKELPARAM(Control->Left() + Point.X, Control->Top() + Point.Y);
  PostMessageW(target->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(target->Handle(), WM_LBUTTONUP, 0, at);
  ProcessPendingMessages();
}

namespace {

void SendMouseInput(const TPoint& ScreenPoint, DWORD Flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = (ScreenPoint.X * 65536 + 65535) / GetSystemMetrics(SM_CXSCREEN);
  input.mi.dy = (ScreenPoint.Y * 65536 + 65535) / GetSystemMetrics(SM_CYSCREEN);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | Flags;
  SendInput(1, &input, sizeof(input));
  ProcessPendingMessages();
}

}  // namespace

void MoveMouseTo(const TPoint& ScreenPoint) { SendMouseInput(ScreenPoint, 0); }
void PressMouseAt(const TPoint& ScreenPoint) { SendMouseInput(ScreenPoint, MOUSEEVENTF_LEFTDOWN); }
void ReleaseMouseAt(const TPoint& ScreenPoint) { SendMouseInput(ScreenPoint, MOUSEEVENTF_LEFTUP); }

void ClickControl(TControl* Control) {
  ClickAt(Control, Point(Control->Width() / 2, Control->Height() / 2));
}

void PickItem(TCustomListControl* Control, int Index) {
  HWND window = Control->Handle();
  bool combo = dynamic_cast<TComboBox*>(Control) != nullptr;
  SendMessageW(window, combo ? CB_SETCURSEL : LB_SETCURSEL, Index, 0);
  WPARAM notification = combo ? MAKEWPARAM(GetDlgCtrlID(window), CBN_SELCHANGE)
                              : MAKEWPARAM(GetDlgCtrlID(window), LBN_SELCHANGE);
  SendMessageW(GetParent(window), WM_COMMAND, notification, reinterpret_cast<LPARAM>(window));
  ProcessPendingMessages();
}

void ClickDateCheckBox(TDateTimePicker* Picker) {
  // Some pickers make their check box a button window of its own.
  HWND box = FindWindowExW(Picker->Handle(), nullptr, L"Button", nullptr);
  if (!box) return ClickAt(Picker, Point(8, Picker->Height() / 2));
  PostMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
  PostMessageW(box, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
  ProcessPendingMessages();
}

String WindowText(HWND Window) {
  auto length = SendMessageW(Window, WM_GETTEXTLENGTH, 0, 0);
  String text(length, L'\0');
  auto copied = SendMessageW(Window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied);
  return text;
}

TWinControl* FocusedControl() {
  for (HWND window = GetFocus(); window; window = GetParent(window))
    if (TWinControl* control = FindControl(window)) return control;
  return nullptr;
}
