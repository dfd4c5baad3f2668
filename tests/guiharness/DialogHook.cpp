#include "tests/guiharness/DialogHook.h"

#include <gtest/gtest.h>

#include "vcl/rtl/WinApi.h"

namespace {
TDialogHook* GActiveHook = nullptr;

String ClassOf(HWND Window) {
  wchar_t name[64];
  int length = GetClassNameW(Window, name, 64);
  return String(name, length);
}

String TextOf(HWND Window) {
  String text(GetWindowTextLengthW(Window), L'\0');
  GetWindowTextW(Window, text.data(), static_cast<int>(text.size()) + 1);
  return text;
}

std::vector<HWND> ChildrenOf(HWND Window) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(Window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  return children;
}
}  // namespace

struct TDialogHookAccess {
  static LRESULT CALLBACK HookProc(int Code, WPARAM WParam, LPARAM LParam) {
    HWND window = reinterpret_cast<HWND>(WParam);
    if (GActiveHook && (Code == HCBT_ACTIVATE || Code == HCBT_DESTROYWND) &&
        SameText(ClassOf(window), L"#32770")) {
      if (Code == HCBT_ACTIVATE) GActiveHook->Answer(window);
      else GActiveHook->Closing(window);
    }
    return CallNextHookEx(nullptr, Code, WParam, LParam);
  }
};

TDialogHook::TDialogHook()
    : FHook(SetWindowsHookExW(WH_CBT, TDialogHookAccess::HookProc, nullptr,
                              GetCurrentThreadId())) {
  if (!FHook) RaiseLastOSError();
  GActiveHook = this;
}

TDialogHook::~TDialogHook() {
  UnhookWindowsHookEx(FHook);
  GActiveHook = nullptr;
}

void TDialogHook::Answer(HWND Dialog) {
  if (!FAnswered.emplace(Dialog, FSeen.size()).second) return;  // activated again
  TSeenDialog seen;
  HWND edit = nullptr;
  for (HWND child : ChildrenOf(Dialog)) {
    if (!SameText(ClassOf(child), L"Edit")) continue;
    seen.Edits.push_back(TextOf(child));
    edit = child;
  }
  FSeen.push_back(seen);
  if (FActions.empty()) {
    ADD_FAILURE() << "Unexpected dialog";
    PostMessageW(Dialog, WM_COMMAND, IDCANCEL, 0);
    return;
  }
  TAction action = FActions.front();
  FActions.pop_front();
  if (action.SetsText && edit) SetWindowTextW(edit, action.Text.c_str());
  // Posted: the box handles it in its own modal loop, once it runs.
  PostMessageW(Dialog, WM_COMMAND, MAKEWPARAM(action.CommandId, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(Dialog, action.CommandId)));
}

void TDialogHook::Closing(HWND Dialog) {
  auto answered = FAnswered.find(Dialog);
  if (answered == FAnswered.end()) return;
  TSeenDialog& seen = FSeen[answered->second];
  seen.Caption = TextOf(Dialog);
  for (HWND child : ChildrenOf(Dialog)) {
    String kind = ClassOf(child);
    if (SameText(kind, L"Static")) seen.Texts.push_back(TextOf(child));
    bool shown = GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE;  // the box is hidden by now
    if (SameText(kind, L"Button") && shown) seen.Buttons.push_back(TextOf(child));
  }
  FAnswered.erase(answered);  // the handle may be reused
}
