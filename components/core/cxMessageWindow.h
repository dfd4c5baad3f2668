#pragma once
// TcxMessageWindow: the library's invisible window. It owns a hidden
// top-level window (so that it also hears the system's broadcasts, such as
// setting and time changes) and routes every message through one
// overridable window procedure. The unit also holds the system-information
// window and small window-geometry routines.
#include <vector>

#include "components/core/dxCoreClasses.h"
#include "vcl/controls/Messages.h"
#include "vcl/rtl/Types.h"
#include "vcl/rtl/UnitStartup.h"

class TcxMessageWindow : public TcxIUnknownObject {
  VCL_CLASS(TcxMessageWindow, TcxIUnknownObject)
public:
  TcxMessageWindow();
  ~TcxMessageWindow() override;

  HWND Handle() const { return FHandle; }

  // The base answers with the system's default handling; descendants handle
  // their messages and pass the rest here.
  virtual void HandleWindowMessage(TMessage& AMessage);

private:
  friend struct TcxMessageWindowProc;
  // Never lets an exception escape into the system's message dispatch: it
  // goes to the application's exception handler.
  void SafeWindowProc(TMessage& AMessage) noexcept;

  HWND FHandle = nullptr;
};

// ---------------------------------------------------------------- system information

// Told when a system setting changed, with the SPI_SET* code of the setting.
// Listeners remove themselves before they are destroyed.
class IdxSystemInfoListener {
public:
  virtual void SystemInfoChanged(uint32_t AParameter) = 0;

protected:
  ~IdxSystemInfoListener() = default;
};

// The one listener for system-setting changes: caches a few parameters,
// re-reads them on WM_SETTINGCHANGE and tells its listeners.
class TdxSystemInfo : public TcxMessageWindow {
  VCL_CLASS(TdxSystemInfo, TcxMessageWindow)
public:
  TdxSystemInfo();

  bool IsDropShadow() const { return FIsDropShadow; }
  const NONCLIENTMETRICSW& NonClientMetrics() const { return FNonClientMetrics; }
  bool IsRemoteSession() const;

  void AddListener(IdxSystemInfoListener* AListener);
  void RemoveListener(IdxSystemInfoListener* AListener);
  // SystemParametersInfoW with the structure sizes the parameter needs;
  // the call's success.
  bool GetParameter(uint32_t AParameter, void* AValue);

  void HandleWindowMessage(TMessage& AMessage) override;

private:
  void RefreshCache(uint32_t AParameter);
  void NotifyListeners(uint32_t AParameter);

  bool FIsDropShadow = false;
  std::vector<IdxSystemInfoListener*> FListeners;
  NONCLIENTMETRICSW FNonClientMetrics{};
};

// The shared instance, created on first call; null once the unit has shut
// down.
TdxSystemInfo* dxGetSystemInfo();

// ---------------------------------------------------------------- window geometry

// Window coordinates are relative to a window's top-left corner, client
// coordinates to its client area.
void cxTranslateWindowPoint(HWND AFromWnd, HWND AToWnd, const TPoint& P, bool AClient, TPoint& R);
void cxMapWindowRect(HWND AFromWnd, HWND AToWnd, const TRect& R, bool AClient, TRect& ARect);
TPoint cxClientToScreenPoint(HWND AWnd, const TPoint& P);
// The zero rectangle when the query fails (a destroyed window, say).
TRect cxGetClientRectSafe(HWND AWnd);
TRect cxGetWindowRectSafe(HWND AWnd);
// The size of the window's left and top non-client parts.
TPoint cxGetClientOriginInWindow(HWND AWnd);
TRect cxGetWindowLocalBounds(HWND AWnd);
class TWinControl;
TRect cxGetControlWindowLocalBounds(TWinControl* AControl);
bool cxIsChildWindowStyle(HWND AWnd);

// The text without its accelerator marks: "&" takes the next character
// literally ("&&" gives "&"); a trailing "&" is dropped, or becomes "_".
String cxStripAcceleratorMarks(const String& AText, bool AReplaceTrailing = false);

extern const TUnitEntry cxMessageWindowUnit;
