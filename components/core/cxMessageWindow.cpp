// TcxMessageWindow: a hidden top-level window whose messages go to one
// overridable window procedure of its object.
#include "components/core/cxMessageWindow.h"

#include "vcl/controls/Application.h"
#include "vcl/rtl/WinApi.h"

namespace {

const wchar_t* const cxMessageWindowClassName = L"TcxMessageWindow";

}  // namespace

struct TcxMessageWindowProc {
  static LRESULT CALLBACK WindowProc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
    if (AMsg == WM_NCCREATE) {
      auto* window = static_cast<TcxMessageWindow*>(reinterpret_cast<CREATESTRUCTW*>(ALParam)->lpCreateParams);
      window->FHandle = AWnd;
      SetWindowLongPtrW(AWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<TcxMessageWindow*>(GetWindowLongPtrW(AWnd, GWLP_USERDATA));
    if (!window) return DefWindowProcW(AWnd, AMsg, AWParam, ALParam);
    TMessage message{AMsg, AWParam, ALParam, 0};
    window->SafeWindowProc(message);
    return message.Result;
  }

  static void RegisterWindowClass() {
    WNDCLASSW windowClass{};
    if (GetClassInfoW(GetModuleHandleW(nullptr), cxMessageWindowClassName, &windowClass)) return;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = cxMessageWindowClassName;
    if (!RegisterClassW(&windowClass)) RaiseLastOSError();
  }
};

TcxMessageWindow::TcxMessageWindow() {
  TcxMessageWindowProc::RegisterWindowClass();
  // A top-level window, not a message-only one: only those hear the
  // system's broadcasts.
  if (!CreateWindowExW(WS_EX_TOOLWINDOW, cxMessageWindowClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                       GetModuleHandleW(nullptr), this))
    RaiseLastOSError();
}

TcxMessageWindow::~TcxMessageWindow() {
  SetWindowLongPtrW(FHandle, GWLP_USERDATA, 0);
  DestroyWindow(FHandle);
}

void TcxMessageWindow::HandleWindowMessage(TMessage& AMessage) {
  AMessage.Result = DefWindowProcW(FHandle, AMessage.Msg, AMessage.WParam, AMessage.LParam);
}

void TcxMessageWindow::SafeWindowProc(TMessage& AMessage) noexcept {
  try {
    HandleWindowMessage(AMessage);
  } catch (...) {
    try {
      if (Application) Application->HandleException(this);
    } catch (...) {
      // The handler failing too must still not unwind into the system.
    }
  }
}
