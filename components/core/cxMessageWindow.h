#pragma once
// TcxMessageWindow: the library's invisible window. It owns a hidden
// top-level window (so that it also hears the system's broadcasts, such as
// setting and time changes) and routes every message through one
// overridable window procedure.
#include "components/core/dxCoreClasses.h"
#include "vcl/controls/Messages.h"

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
