#pragma once
// What a touch screen sends: the notification that starts a touch and the
// WM_GESTURE messages of its gestures. Wine answers gesture-info queries
// with ERROR_CALL_NOT_IMPLEMENTED, so while a TTouchScreen lives the
// gesture unit reads the records from it, and it notes which handles the
// program closed.
#include <map>
#include <vector>

#include "components/core/dxGestures.h"

class TTouchScreen {
public:
  TTouchScreen();
  ~TTouchScreen();
  TTouchScreen(const TTouchScreen&) = delete;
  TTouchScreen& operator=(const TTouchScreen&) = delete;

  // WM_GESTURENOTIFY to the window: a touch begins at the screen point.
  void StartTouch(HWND AWindow, const TPoint& AScreenPoint);
  // One WM_GESTURE with its record (unreadable when AReadable is false);
  // the message's answer.
  LRESULT SendGesture(HWND AWindow, DWORD AId, DWORD AFlags, const TPoint& AScreenPoint, ULONGLONG AArguments = 0,
                      bool AReadable = true);
  // The handle the next gesture is sent with.
  HGESTUREINFO NextHandle() const { return reinterpret_cast<HGESTUREINFO>(FNextHandle); }
  // The handles the program closed, in order.
  static const std::vector<HGESTUREINFO>& ClosedHandles() { return FClosed; }
  static void ForgetClosedHandles() { FClosed.clear(); }

private:
  static BOOL WINAPI ReadGestureInfo(HGESTUREINFO AHandle, PGESTUREINFO AInfo);
  static BOOL WINAPI CloseGestureInfo(HGESTUREINFO AHandle);

  static inline std::map<HGESTUREINFO, GESTUREINFO> FPending;
  static inline std::vector<HGESTUREINFO> FClosed;
  UINT_PTR FNextHandle = 0x1000;
  TdxGestureInfoFunctions FPrevious;
};
