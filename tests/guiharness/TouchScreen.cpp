#include "tests/guiharness/TouchScreen.h"

TTouchScreen::TTouchScreen() : FPrevious(dxSetGestureInfoFunctions({ReadGestureInfo, CloseGestureInfo})) {
  FPending.clear();
  FClosed.clear();
}

TTouchScreen::~TTouchScreen() { dxSetGestureInfoFunctions(FPrevious); }

BOOL WINAPI TTouchScreen::ReadGestureInfo(HGESTUREINFO AHandle, PGESTUREINFO AInfo) {
  const auto found = FPending.find(AHandle);
  if (found == FPending.end() || AInfo->cbSize != sizeof(GESTUREINFO)) return FALSE;
  *AInfo = found->second;
  return TRUE;
}

BOOL WINAPI TTouchScreen::CloseGestureInfo(HGESTUREINFO AHandle) {
  FPending.erase(AHandle);
  FClosed.push_back(AHandle);
  return TRUE;
}

void TTouchScreen::StartTouch(HWND AWindow, const TPoint& AScreenPoint) {
  GESTURENOTIFYSTRUCT notify{sizeof(notify), 0, AWindow,
                             {static_cast<SHORT>(AScreenPoint.X), static_cast<SHORT>(AScreenPoint.Y)}, 0};
  SendMessageW(AWindow, WM_GESTURENOTIFY, 0, reinterpret_cast<LPARAM>(&notify));
}

LRESULT TTouchScreen::SendGesture(HWND AWindow, DWORD AId, DWORD AFlags, const TPoint& AScreenPoint,
                                  ULONGLONG AArguments, bool AReadable) {
  const auto handle = reinterpret_cast<HGESTUREINFO>(FNextHandle++);
  GESTUREINFO info{};
  info.cbSize = sizeof(info);
  info.dwFlags = AFlags;
  info.dwID = AId;
  info.hwndTarget = AWindow;
  info.ptsLocation = {static_cast<SHORT>(AScreenPoint.X), static_cast<SHORT>(AScreenPoint.Y)};
  info.ullArguments = AArguments;
  if (AReadable) FPending[handle] = info;
  return SendMessageW(AWindow, WM_GESTURE, AId, reinterpret_cast<LPARAM>(handle));
}
