// The control unit's popup-menu and drag-start routines.
#include <algorithm>
#include <cstdlib>

#include <windowsx.h>

#include "components/controls/cxControls.h"
#include "components/core/cxGraphics.h"
#include "vcl/controls/Forms.h"

// ---------------------------------------------------------------- drag start

bool cxIsPointInDragThreshold(const TPoint& APressPoint, int X, int Y) {
  return std::abs(X - APressPoint.X) < Mouse.DragThreshold() &&
         std::abs(Y - APressPoint.Y) < Mouse.DragThreshold();
}

namespace {

constexpr int DragWaitBeyondThreshold = 1;
constexpr int DragWaitReleased = 0;
constexpr int DragWaitCancelled = 2;

// The answer a message gives the wait, or -1 to keep waiting.
int DragWaitAnswer(const MSG& AMsg, HWND AWnd, const TRect& AThreshold) {
  switch (AMsg.message) {
    case WM_KEYDOWN:
    case WM_KEYUP: return AMsg.wParam == VK_ESCAPE ? DragWaitCancelled : -1;
    case WM_MOUSEMOVE: {
      if (AMsg.hwnd != AWnd) return -1;
      POINT p{GET_X_LPARAM(AMsg.lParam), GET_Y_LPARAM(AMsg.lParam)};
      ClientToScreen(AWnd, &p);
      return AThreshold.Contains(TPoint(p.x, p.y)) ? -1 : DragWaitBeyondThreshold;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: return DragWaitReleased;
  }
  return -1;
}

}  // namespace

int cxWaitForDragStart(HWND AWnd, const TPoint& AScreenPoint) {
  const int threshold = Mouse.DragThreshold();
  const TRect square(AScreenPoint.X - threshold, AScreenPoint.Y - threshold,
                     AScreenPoint.X + threshold, AScreenPoint.Y + threshold);
  SetCapture(AWnd);
  struct TCaptureRelease {
    HWND Window;
    ~TCaptureRelease() {
      if (GetCapture() == Window) ReleaseCapture();
    }
  } release{AWnd};
  while (GetCapture() == AWnd) {
    MSG msg;
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (got < 0) break;
    const int answer = DragWaitAnswer(msg, AWnd, square);
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    if (answer >= 0) return answer;
  }
  return DragWaitCancelled;
}

// ---------------------------------------------------------------- popup menus

bool cxIsPopupMenuComponent(TComponent* AComponent) {
  return dynamic_cast<TPopupMenu*>(AComponent) || dynamic_cast<IcxContextMenuComponent*>(AComponent);
}

bool cxPopupMenuIsShortCut(TComponent* AMenu, const TMessage& Message) {
  if (auto* menu = dynamic_cast<IcxContextMenuComponent*>(AMenu)) return menu->IsShortCut(Message);
  auto* popup = dynamic_cast<TPopupMenu*>(AMenu);
  return popup && popup->Items()->Count() > 0 && popup->IsShortCut(Message);
}

bool cxShowPopupMenuAt(TControl* AControl, TComponent* AMenu, int X, int Y) {
  if (auto* menu = dynamic_cast<IcxContextMenuComponent*>(AMenu)) {
    menu->Popup(X, Y);
    return true;
  }
  auto* popup = dynamic_cast<TPopupMenu*>(AMenu);
  if (!popup || !popup->AutoPopup()) return false;
  popup->SetPopupComponent(AControl);
  popup->Popup(X, Y);
  return true;
}

namespace {

TPoint DropDownPoint(const TRect& R, TPopupAlignment AAlignment) {
  switch (AAlignment) {
    case paRight: return {R.Right, R.Bottom};
    case paCenter: return {R.Left + R.Width() / 2, R.Bottom};
    default: return {R.Left, R.Bottom};
  }
}

// At the work area's left edge the menu opens to the right of the point,
// at its right edge to the left, so that it stays on the desktop.
TPopupAlignment DropDownAlignment(const TPoint& P, const TRect& AWorkArea,
                                  TPopupAlignment AAlignment) {
  if (P.X <= AWorkArea.Left) return paLeft;
  if (P.X >= AWorkArea.Right) return paRight;
  return AAlignment;
}

}  // namespace

bool cxShowButtonDropDownMenu(TControl* AButton, TComponent* AMenu,
                              const TRect& AButtonScreenRect, TPopupAlignment AAlignment) {
  TPoint p = DropDownPoint(AButtonScreenRect, AAlignment);
  if (auto* menu = dynamic_cast<IcxButtonAttachedMenu*>(AMenu)) {
    menu->ButtonAttachedPopup(p, AAlignment, AButtonScreenRect);
    return true;
  }
  auto* popup = dynamic_cast<TPopupMenu*>(AMenu);
  if (!popup || !popup->AutoPopup()) return false;
  const TPopupAlignment saved = popup->Alignment();
  struct TRestoreAlignment {
    TPopupMenu* Menu;
    TPopupAlignment Alignment;
    ~TRestoreAlignment() { Menu->SetAlignment(Alignment); }
  } restore{popup, saved};
  const TRect workArea = cxGetDesktopWorkAreaAtPoint(p);
  const int height = cxEstimatePopupMenuHeight(popup);
  if (p.Y + height > workArea.Bottom) p.Y = AButtonScreenRect.Top - height - 2;
  popup->SetAlignment(DropDownAlignment(p, workArea, AAlignment));
  popup->SetPopupComponent(AButton);
  popup->Popup(p.X, p.Y);
  return true;
}

int cxEstimatePopupMenuHeight(TPopupMenu* AMenu) {
  TcxScreenCanvas canvas;
  canvas.Canvas()->SetFont(Screen->MenuFont());
  const int plainHeight = canvas.Canvas()->TextHeight(L"Qg") + 4;
  const bool measured = AMenu->Images() != nullptr;
  int tallest = 0;
  int column = 0;
  for (int i = 0; i < AMenu->Items()->Count(); ++i) {
    TMenuItem* item = AMenu->Items()->Items(i);
    if (!item->Visible()) continue;
    int height = plainHeight;
    if (measured) {
      int width = 0;
      item->MeasureItem(canvas.Canvas(), width, height);
    }
    if (item->Break() != mbNone) {
      tallest = std::max(tallest, column);
      column = 0;
    }
    column += height;
  }
  return std::max(tallest, column) + 4;
}
