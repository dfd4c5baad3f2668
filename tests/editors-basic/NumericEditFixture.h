#pragma once
// Numeric editors on a shown form, driven as a person drives them: keys and
// characters to the focused window, the wheel, the mouse on the edit's
// buttons, and the message loop run for a while so timers fire.
#include <windows.h>

#include "tests/editors-basic/ButtonFixture.h"

struct NumericEditFixture : FormFixture {
  NumericEditFixture() {
    Form->SetBounds(0, 0, 400, 200);
    Form->Show();
    Other = new TEdit(Form);
    Other->SetBounds(10, 150, 120, 22);
    Other->SetParent(Form);
  }
  template <class T>
  T* AddEdit(int AWidth = 150) {
    auto* edit = new T(Form);
    edit->SetBounds(10, 10, AWidth, 22);
    edit->SetParent(Form);
    edit->HandleNeeded();
    ProcessPendingMessages();
    return edit;
  }
  // A key pressed and released on the focused window, with Ctrl held
  // when asked.
  static void Key(WORD AKey, bool ACtrl = false) {
    BYTE state[256];
    GetKeyboardState(state);
    const BYTE saved = state[VK_CONTROL];
    if (ACtrl) state[VK_CONTROL] = 0x80;
    SetKeyboardState(state);
    SendMessageW(GetFocus(), WM_KEYDOWN, AKey, 1);
    SendMessageW(GetFocus(), WM_KEYUP, AKey, 0xC0000001);
    state[VK_CONTROL] = saved;
    SetKeyboardState(state);
    ProcessPendingMessages();
  }
  static void Type(const String& AText) {
    for (wchar_t ch : AText) SendMessageW(GetFocus(), WM_CHAR, ch, 1);
    ProcessPendingMessages();
  }
  static void Wheel(int ADelta) {
    SendMessageW(GetFocus(), WM_MOUSEWHEEL, MAKEWPARAM(0, ADelta), MAKELPARAM(20, 20));
    ProcessPendingMessages();
  }
  static void Post(TWinControl* AControl, UINT AMsg, WPARAM AKeys, const TPoint& P) {
    PostMessageW(AControl->Handle(), AMsg, AKeys, MAKELPARAM(P.X, P.Y));
    ProcessPendingMessages();
  }
  static TPoint Centre(const TRect& R) { return TPoint((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2); }
  // Handles messages for a while: the timers fire meanwhile.
  static void PumpFor(DWORD AMilliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < AMilliseconds) {
      ProcessPendingMessages();
      Sleep(5);
    }
  }
  void Leave() {
    Other->SetFocus();
    ProcessPendingMessages();
  }
  TEdit* Other = nullptr;
};
