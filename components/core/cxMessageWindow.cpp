// TcxMessageWindow: a hidden top-level window whose messages go to one
// overridable window procedure of its object; the system-information window
// and the window-geometry routines.
#include "components/core/cxMessageWindow.h"

#include <algorithm>

#include "components/core/dxCore.h"
#include "vcl/controls/Application.h"
#include "vcl/controls/Controls.h"
#include "vcl/graphics/GdiTypes.h"
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

// ---------------------------------------------------------------- system information

namespace {

bool cxMessageWindowFinalized = false;
std::unique_ptr<TdxSystemInfo> dxSystemInfo;

}  // namespace

TdxSystemInfo::TdxSystemInfo() {
  RefreshCache(SPI_SETDROPSHADOW);
  RefreshCache(SPI_SETNONCLIENTMETRICS);
}

bool TdxSystemInfo::IsRemoteSession() const { return GetSystemMetrics(SM_REMOTESESSION) == 1; }

void TdxSystemInfo::AddListener(IdxSystemInfoListener* AListener) { FListeners.push_back(AListener); }

void TdxSystemInfo::RemoveListener(IdxSystemInfoListener* AListener) {
  auto found = std::find(FListeners.begin(), FListeners.end(), AListener);
  if (found != FListeners.end()) FListeners.erase(found);
}

bool TdxSystemInfo::GetParameter(uint32_t AParameter, void* AValue) {
  UINT uiParam = 0;
  switch (AParameter) {
    case SPI_GETICONTITLELOGFONT:
      uiParam = sizeof(LOGFONTW);
      break;
    case SPI_GETNONCLIENTMETRICS:
      // Systems before Vista know the structure without its last member.
      static_cast<NONCLIENTMETRICSW*>(AValue)->cbSize =
          dxOsVistaUp ? sizeof(NONCLIENTMETRICSW) : sizeof(NONCLIENTMETRICSW) - sizeof(int);
      break;
    case SPI_GETANIMATION:
      static_cast<ANIMATIONINFO*>(AValue)->cbSize = sizeof(ANIMATIONINFO);
      uiParam = sizeof(ANIMATIONINFO);
      break;
  }
  return SystemParametersInfoW(AParameter, uiParam, AValue, 0) != 0;
}

void TdxSystemInfo::RefreshCache(uint32_t AParameter) {
  if (AParameter == SPI_SETNONCLIENTMETRICS) {
    GetParameter(SPI_GETNONCLIENTMETRICS, &FNonClientMetrics);
  } else if (AParameter == SPI_SETDROPSHADOW) {
    BOOL value = FALSE;
    GetParameter(SPI_GETDROPSHADOW, &value);
    FIsDropShadow = value != FALSE;
  }
}

void TdxSystemInfo::HandleWindowMessage(TMessage& AMessage) {
  if (AMessage.Msg == WM_SETTINGCHANGE && AMessage.WParam != 0) {
    RefreshCache(static_cast<uint32_t>(AMessage.WParam));
    NotifyListeners(static_cast<uint32_t>(AMessage.WParam));
    AMessage.Result = 0;
  } else {
    TcxMessageWindow::HandleWindowMessage(AMessage);
  }
}

void TdxSystemInfo::NotifyListeners(uint32_t AParameter) {
  // A listener may remove itself (or another) while it is told: walk a copy
  // and skip those no longer listening.
  const std::vector<IdxSystemInfoListener*> listeners = FListeners;
  for (IdxSystemInfoListener* listener : listeners)
    if (std::find(FListeners.begin(), FListeners.end(), listener) != FListeners.end())
      listener->SystemInfoChanged(AParameter);
}

TdxSystemInfo* dxGetSystemInfo() {
  if (!dxSystemInfo && !cxMessageWindowFinalized) dxSystemInfo = std::make_unique<TdxSystemInfo>();
  return dxSystemInfo.get();
}

// ---------------------------------------------------------------- window geometry

void cxTranslateWindowPoint(HWND AFromWnd, HWND AToWnd, const TPoint& P, bool AClient, TPoint& R) {
  R = P;
  if (AClient) {
    MapWindowPoints(AFromWnd, AToWnd, AsPOINT(R), 1);
  } else {
    const TRect from = cxGetWindowRectSafe(AFromWnd);
    const TRect to = cxGetWindowRectSafe(AToWnd);
    R.X += from.Left - to.Left;
    R.Y += from.Top - to.Top;
  }
}

void cxMapWindowRect(HWND AFromWnd, HWND AToWnd, const TRect& R, bool AClient, TRect& ARect) {
  TPoint topLeft;
  cxTranslateWindowPoint(AFromWnd, AToWnd, R.TopLeft(), AClient, topLeft);
  ARect = R;
  ARect.Offset(topLeft.X - R.Left, topLeft.Y - R.Top);
}

TPoint cxClientToScreenPoint(HWND AWnd, const TPoint& P) {
  TPoint result = P;
  ClientToScreen(AWnd, AsPOINT(result));
  return result;
}

TRect cxGetClientRectSafe(HWND AWnd) {
  TRect result;
  if (!GetClientRect(AWnd, AsRECT(result))) result = TRect();
  return result;
}

TRect cxGetWindowRectSafe(HWND AWnd) {
  TRect result;
  if (!GetWindowRect(AWnd, AsRECT(result))) result = TRect();
  return result;
}

TPoint cxGetClientOriginInWindow(HWND AWnd) {
  const TPoint origin = cxClientToScreenPoint(AWnd, TPoint());
  const TRect bounds = cxGetWindowRectSafe(AWnd);
  return {origin.X - bounds.Left, origin.Y - bounds.Top};
}

TRect cxGetWindowLocalBounds(HWND AWnd) {
  TRect result = cxGetWindowRectSafe(AWnd);
  result.Offset(-result.Left, -result.Top);
  return result;
}

TRect cxGetControlWindowLocalBounds(TWinControl* AControl) { return cxGetWindowLocalBounds(AControl->Handle()); }

bool cxIsChildWindowStyle(HWND AWnd) { return (GetWindowLongW(AWnd, GWL_STYLE) & WS_CHILD) != 0; }

String cxStripAcceleratorMarks(const String& AText, bool AReplaceTrailing) {
  String result;
  result.reserve(AText.size());
  for (size_t i = 0; i < AText.size(); ++i) {
    if (AText[i] != L'&') {
      result += AText[i];
    } else if (i + 1 < AText.size()) {
      result += AText[++i];
    } else if (AReplaceTrailing) {
      result += L'_';
    }
  }
  return result;
}

// ---------------------------------------------------------------- unit

namespace {

void Initialize() { cxMessageWindowFinalized = false; }

void Finalize() {
  cxMessageWindowFinalized = true;
  dxSystemInfo.reset();
}

}  // namespace

const TUnitEntry cxMessageWindowUnit{L"cxMessageWindow", Initialize, Finalize};
