// The drop-down edit's popup window: its border, client edge, shadow and
// system panel, its size and place beside the edit, and sizing by the mouse.
#include <algorithm>

#include "components/editors/cxDropDownEdit.h"

namespace {

constexpr int PopupShadowSize = 3;
// The corner square of a border that sizes both ways.
constexpr int SizingCornerSize = 10;

bool IsTopCorner(TdxCorner ACorner) { return ACorner == coTopLeft || ACorner == coTopRight; }
bool IsLeftCorner(TdxCorner ACorner) { return ACorner == coTopLeft || ACorner == coBottomLeft; }

}  // namespace

// ---------------------------------------------------------------- view info

int TcxCustomEditPopupWindowViewInfo::GetBorderWidth() {
  if (OnCustomDrawBorder) {
    bool handled = false;
    int width = 0;
    TRect r;
    OnCustomDrawBorder(this, nullptr, r, handled, width);
    if (handled) return width;
  }
  return Painter->GetEditPopupWindowBorderWidth(PopupBorderStyle);
}

int TcxCustomEditPopupWindowViewInfo::GetSysPanelHeight() {
  return std::max(Painter->PopupPanelSize(), MinSysPanelHeight);
}

TRect TcxCustomEditPopupWindowViewInfo::GetBorderExtent() {
  int width = GetBorderWidth();
  if (ClientEdge) width += Painter->GetEditPopupWindowClientEdgeWidth(PopupBorderStyle);
  TRect r(width, width, width, width);
  if (Shadow) {
    r.Right += PopupShadowSize;
    r.Bottom += PopupShadowSize;
  }
  if (SysPanelStyle) (IsTopCorner(SizeGripCorner) ? r.Top : r.Bottom) += GetSysPanelHeight();
  return r;
}

TRect TcxCustomEditPopupWindowViewInfo::SysPanelBorders() const {
  return IsTopCorner(SizeGripCorner) ? TRect(0, 0, 0, 1) : TRect(0, 1, 0, 0);
}

void TcxCustomEditPopupWindowViewInfo::DrawBorder(TcxCanvas* ACanvas, TRect& R) {
  if (OnCustomDrawBorder) {
    bool handled = false;
    int width = 0;
    OnCustomDrawBorder(this, ACanvas, R, handled, width);
    if (handled) return;
  }
  Painter->DrawEditPopupWindowBorder(ACanvas, R, PopupBorderStyle, ClientEdge);
}

void TcxCustomEditPopupWindowViewInfo::DrawClientEdge(TcxCanvas* ACanvas, TRect& R) {
  const int width = Painter->GetEditPopupWindowClientEdgeWidth(PopupBorderStyle);
  for (int i = 0; i < width; ++i) {
    ACanvas->DrawEdge(R, true, i == 0);
    R.Inflate(-1, -1);
  }
}

void TcxCustomEditPopupWindowViewInfo::InternalPaint(TcxCanvas* ACanvas) {
  TRect r = Bounds;
  if (Shadow) {
    r.Right -= PopupShadowSize;
    r.Bottom -= PopupShadowSize;
    cxPaintContainerShadow(ACanvas, r);
  }
  DrawBorder(ACanvas, r);
  if (SysPanelStyle)
    Painter->DrawPopupPanelBand(ACanvas, SysPanelBounds, SizeGripRect, CloseButtonRect, SizeGripCorner,
                                CloseButtonState, SysPanelBorders(), clBtnShadow, Sizeable, ShowCloseButton);
  if (ClientEdge) {
    const int edge = Painter->GetEditPopupWindowClientEdgeWidth(PopupBorderStyle);
    TRect edgeRect = ClientRect;
    edgeRect.Inflate(edge, edge);
    DrawClientEdge(ACanvas, edgeRect);
  }
  ACanvas->FillRect(ClientRect, BackgroundColor());
}

// ---------------------------------------------------------------- window

TcxCustomEditPopupWindow::TcxCustomEditPopupWindow(TWinControl* AOwnerControl,
                                                   std::unique_ptr<TcxCustomEditPopupWindowViewInfo> AViewInfo)
    : TcxCustomPopupWindow(AOwnerControl), FViewInfo(std::move(AViewInfo)) {
  FViewInfo->Owner = this;
  FViewInfo->UpdateStyle(Style());
  FViewInfo->CloseButtonState = cxbsNormal;
}

TcxCustomEditPopupWindow::~TcxCustomEditPopupWindow() { FSizeFrame.reset(); }

TcxCustomDropDownEdit* TcxCustomEditPopupWindow::Edit() const {
  return dynamic_cast<TcxCustomDropDownEdit*>(OwnerControl());
}

void TcxCustomEditPopupWindow::PopupStyleChanged(TObject*) { FViewInfo->UpdateStyle(Style()); }

void TcxCustomEditPopupWindow::RefreshOwnerBounds() {
  TcxCustomDropDownEdit* edit = Edit();
  if (!edit) return;
  SetOwnerParent(edit->Parent());
  SetOwnerBounds(edit->DropDownOwnerBounds());
}

TPoint TcxCustomEditPopupWindow::MinimumPopupSize() {
  const TRect extent = FViewInfo->GetClientExtent();
  TPoint result(extent.Left + extent.Right, extent.Top + extent.Bottom);
  if (Sizeable() && SysPanelStyle()) {
    TcxCustomLookAndFeelPainter* painter = FViewInfo->Painter;
    result.X += painter->SmallCloseButtonSize().cx + painter->SizeGripSize().cx + 10;
  }
  return result;
}

void TcxCustomEditPopupWindow::CalculateSize(TPoint& ASize) {
  FViewInfo->SizeGripCorner = coBottomRight;
  RefreshOwnerBounds();
  const TRect extent = FViewInfo->GetClientExtent();
  const TSize content = FPopupAutoSize && Edit() ? Edit()->GetPopupContentPreferredSize() : TSize();
  const TPoint minimum = MinimumPopupSize();
  int width = FPopupAutoSize ? extent.Left + extent.Right + content.cx
              : FPopupWidth != 0 ? FPopupWidth
                                 : OwnerBounds().Width();
  if (Sizeable() && FMinWidth > 0) width = std::max(width, FMinWidth);
  int height = FPopupAutoSize    ? extent.Top + extent.Bottom + content.cy
               : FPopupHeight > 0 ? FPopupHeight
                                  : std::max(FMinHeight, minimum.Y);
  if (Sizeable() && FMinHeight > 0) height = std::max(height, FMinHeight);
  ASize = TPoint(std::max(width, minimum.X), std::max(height, minimum.Y));
}

void TcxCustomEditPopupWindow::CalculatePosition(const TPoint& ASize, TPoint& APosition) {
  RefreshOwnerBounds();
  TcxCustomPopupWindow::CalculatePosition(ASize, APosition);
  const TRect owner = GetOwnerBoundsOnScreen();
  const TRect work = cxGetDesktopWorkAreaAtPoint(APosition);
  const int right = APosition.X + ASize.X;
  const int bottom = APosition.Y + ASize.Y;
  const bool left = (AlignHorz() == pahRight && right == owner.Right && APosition.X > work.Left) ||
                    right == owner.Left || (right == work.Right && APosition.X < owner.Right);
  const bool top = (AlignVert() == pavBottom && bottom == owner.Bottom && APosition.Y > work.Top) ||
                   bottom == owner.Top || (bottom == work.Bottom && APosition.Y < owner.Bottom);
  FViewInfo->SizeGripCorner = top ? (left ? coTopLeft : coTopRight) : (left ? coBottomLeft : coBottomRight);
  // The shadow below the popup overlaps the edit rather than leaving a gap.
  if (top && Shadow()) APosition.Y += PopupShadowSize;
}

void TcxCustomEditPopupWindow::CalculateBounds(TPoint& APosition, TPoint& ASize) {
  ASize = TPoint(Width(), Height());
  CalculateSize(ASize);
  CalculatePosition(ASize, APosition);
  CorrectBoundsWithDesktopWorkArea(APosition, ASize);
}

bool TcxCustomEditPopupWindow::NeedsWorkAreaCorrection() {
  return Edit() && Edit()->ActiveProperties()->ClipPopupToDesktop();
}

void TcxCustomEditPopupWindow::CalculateViewInfo() {
  TcxCustomEditPopupWindowViewInfo& vi = *FViewInfo;
  vi.Bounds = TRect(0, 0, Width(), Height());
  vi.ClientRect = vi.Bounds;
  if (vi.Shadow) {
    vi.ClientRect.Right -= PopupShadowSize;
    vi.ClientRect.Bottom -= PopupShadowSize;
  }
  const int border = vi.GetBorderWidth();
  if (vi.SysPanelStyle) {
    vi.Painter->CalculatePopupPanelClientRect(vi.ClientRect, vi.SysPanelBounds, vi.SizeGripRect, vi.CloseButtonRect,
                                              vi.SizeGripCorner, TRect(border, border, border, border),
                                              vi.SysPanelBorders(), vi.GetSysPanelHeight(), vi.ShowCloseButton,
                                              vi.Sizeable);
    vi.SizeGripSizingRect = TRect();
    if (vi.Sizeable) {
      vi.SizeGripSizingRect = vi.SizeGripRect;
      (IsLeftCorner(vi.SizeGripCorner) ? vi.SizeGripSizingRect.Left : vi.SizeGripSizingRect.Right) =
          IsLeftCorner(vi.SizeGripCorner) ? vi.SysPanelBounds.Left : vi.SysPanelBounds.Right;
      (IsTopCorner(vi.SizeGripCorner) ? vi.SizeGripSizingRect.Top : vi.SizeGripSizingRect.Bottom) =
          IsTopCorner(vi.SizeGripCorner) ? vi.SysPanelBounds.Top : vi.SysPanelBounds.Bottom;
    }
  } else {
    vi.SysPanelBounds = vi.SizeGripRect = vi.SizeGripSizingRect = vi.CloseButtonRect = TRect();
    vi.ClientRect.Inflate(-border, -border);
  }
  if (vi.ClientEdge) {
    const int edge = vi.Painter->GetEditPopupWindowClientEdgeWidth(vi.PopupBorderStyle);
    vi.ClientRect.Inflate(-edge, -edge);
  }
  vi.SetBackgroundColor(Style()->Color());
  if (HandleAllocated()) {
    POINT cursor;
    GetCursorPos(&cursor);
    ::ScreenToClient(Handle(), &cursor);
    UpdateCloseButtonState(TPoint(cursor.x, cursor.y), FCloseButtonPressed);
  }
}

void TcxCustomEditPopupWindow::ApplyShadowRegion() {
  if (!HandleAllocated()) return;
  cxApplyWindowShadowRegion(Handle(), TRect(0, 0, Width() - PopupShadowSize, Height() - PopupShadowSize), TRect(),
                            false, Shadow(), TRect());
}

void TcxCustomEditPopupWindow::AdjustClientRect(TRect& Rect) {
  if (!FViewInfo->ClientRect.IsEmpty()) Rect = FViewInfo->ClientRect;
}

void TcxCustomEditPopupWindow::PaintWindow(HDC DC) {
  if (FViewInfo->Bounds != TRect(0, 0, Width(), Height())) CalculateViewInfo();
  TControlCanvas canvas(this);
  canvas.SetHandle(DC);
  TcxCanvas cxCanvas(&canvas);
  FViewInfo->Paint(&cxCanvas);
  canvas.SetHandle(nullptr);
}

void TcxCustomEditPopupWindow::Resize() {
  TcxCustomPopupWindow::Resize();
  CalculateViewInfo();
  ApplyShadowRegion();
}

void TcxCustomEditPopupWindow::Popup(TWinControl* AFocusedControl) {
  if (!IsOwnerControlVisible() && Edit()) Edit()->ReleasePopupContent();
  TcxCustomPopupWindow::Popup(AFocusedControl);
}

void TcxCustomEditPopupWindow::DoClosing() {
  EndSizing(false);
  TcxCustomPopupWindow::DoClosing();
}

void TcxCustomEditPopupWindow::ModalCloseUp() {
  TcxCustomDropDownEdit* edit = Edit();
  if (!edit) return TcxCustomPopupWindow::ModalCloseUp();
  const TcxEditCloseUpReason reason = ModalResult() == mrOk ? crEnter : ModalResult() == mrCancel ? crCancel : crUnknown;
  edit->CloseUp(reason);
}

bool TcxCustomEditPopupWindow::ShouldSwallowClickAfterCloseUp(HWND, UINT, TShiftState, const TPoint& APoint) {
  TcxCustomDropDownEdit* edit = Edit();
  if (!edit || !edit->HandleAllocated()) return false;
  const int part = edit->ViewInfo()->PartAtPoint(edit->ScreenToClient(APoint));
  return part >= 0 && part < edit->ViewInfo()->ButtonCount() &&
         edit->ViewInfo()->Button(part)->ButtonIndex == edit->ActiveProperties()->GetDropDownButtonIndex();
}

void TcxCustomEditPopupWindow::ForwardChar(wchar_t ACh) {
  if (HWND focus = GetFocus()) SendMessageW(focus, WM_CHAR, ACh, 0);
}

// ---------------------------------------------------------------- sizing

int TcxCustomEditPopupWindow::SizingHitTest(const TPoint& P) {
  const TcxCustomEditPopupWindowViewInfo& vi = *FViewInfo;
  if (vi.SysPanelStyle && vi.ShowCloseButton && vi.CloseButtonRect.Contains(P)) return 0;
  if (!vi.Sizeable) return -1;
  const bool top = IsTopCorner(vi.SizeGripCorner);
  const bool left = IsLeftCorner(vi.SizeGripCorner);
  const int diagonal = top == left ? 1 : 2;
  if (vi.SysPanelStyle) return vi.SizeGripSizingRect.Contains(P) ? diagonal : -1;
  TRect outer = vi.Bounds;
  if (vi.Shadow) {
    outer.Right -= PopupShadowSize;
    outer.Bottom -= PopupShadowSize;
  }
  TRect inner = outer;
  const int border = FViewInfo->GetBorderWidth();
  inner.Inflate(-border, -border);
  if (!outer.Contains(P) || inner.Contains(P)) return -1;
  const TRect corner(left ? outer.Left : outer.Right - SizingCornerSize, top ? outer.Top : outer.Bottom - SizingCornerSize,
                     left ? outer.Left + SizingCornerSize : outer.Right,
                     top ? outer.Top + SizingCornerSize : outer.Bottom);
  if (corner.Contains(P)) return diagonal;
  if (top ? P.Y < inner.Top : P.Y >= inner.Bottom) return 3;
  if (left ? P.X < inner.Left : P.X >= inner.Right) return 4;
  return -1;
}

TSize TcxCustomEditPopupWindow::GetMaxContentSize() {
  const TRect owner = GetOwnerBoundsOnScreen();
  const TRect work = cxGetDesktopWorkAreaAtPoint(owner.TopLeft());
  const TRect extent = FViewInfo->GetClientExtent();
  TSize result;
  if (Direction() == pdVertical) {
    result.cx = work.Width();
    result.cy = std::max(owner.Top - work.Top + (Shadow() ? PopupShadowSize : 0), work.Bottom - owner.Bottom);
  } else {
    result.cx = std::max(owner.Left - work.Left, work.Right - owner.Right) + 1;
    result.cy = work.Height();
  }
  result.cx -= extent.Left + extent.Right;
  result.cy -= extent.Top + extent.Bottom;
  return result;
}

void TcxCustomEditPopupWindow::ConstrainPopupResize(int& NewWidth, int& NewHeight) {
  if (!Sizeable() || FLockCheckSizeCount > 0 || (NewWidth == Width() && NewHeight == Height())) return;
  const TPoint minimum = MinimumPopupSize();
  NewWidth = std::max(NewWidth, std::max(minimum.X, FMinWidth));
  NewHeight = std::max(NewHeight, std::max(minimum.Y, FMinHeight));
  TcxCustomDropDownEdit* edit = Edit();
  if (!edit || !edit->ActiveProperties()->HasLookupData() || !edit->ActiveProperties()->IsPopupSizedByList() ||
      !edit->ILookupData())
    return;
  const TRect extent = FViewInfo->GetClientExtent();
  const int horz = extent.Left + extent.Right;
  const int vert = extent.Top + extent.Bottom;
  TSize content(NewWidth - horz, NewHeight - vert);
  const TSize maxSize = GetMaxContentSize();
  if (edit->ILookupData()->CanResizeVisualArea(content, maxSize.cy, maxSize.cx)) {
    NewWidth = std::max(content.cx + horz, minimum.X);
    NewHeight = std::max(content.cy + vert, minimum.Y);
  } else {
    NewWidth = Width();
    NewHeight = Height();
  }
}

TRect TcxCustomEditPopupWindow::SizedBounds(const TPoint& AMouse) {
  const bool left = IsLeftCorner(FViewInfo->SizeGripCorner);
  const bool top = IsTopCorner(FViewInfo->SizeGripCorner);
  int width = FCaptureBounds.Width();
  int height = FCaptureBounds.Height();
  const int dx = AMouse.X - FCapturePoint.X;
  const int dy = AMouse.Y - FCapturePoint.Y;
  if (FSizingHitTest != 3) width += left ? -dx : dx;
  if (FSizingHitTest != 4) height += top ? -dy : dy;
  ConstrainPopupResize(width, height);
  // Anchored at the corner opposite the grip.
  TRect r(left ? FCaptureBounds.Right - width : FCaptureBounds.Left,
          top ? FCaptureBounds.Bottom - height : FCaptureBounds.Top, 0, 0);
  r.Right = r.Left + width;
  r.Bottom = r.Top + height;
  const TRect owner = GetOwnerBoundsOnScreen();
  if (left && r.Left > owner.Right - 1) r.Left = owner.Right - 1;
  if (!left && r.Right < owner.Left + 1) r.Right = owner.Left + 1;
  return r;
}

void TcxCustomEditPopupWindow::ApplyUserSize(const TRect& ABounds) {
  TcxCustomDropDownEdit* edit = Edit();
  if (edit) edit->SetPopupSizeChanged(true);
  SetBounds(ABounds.Left, ABounds.Top, ABounds.Width(), ABounds.Height());
  RefreshOwnerBounds();
  CalculateViewInfo();
  if (edit) edit->ArrangePopupContent(FViewInfo->ClientRect);
  ApplyShadowRegion();
  Invalidate();
  if (edit) edit->StorePopupSize();
}

void TcxCustomEditPopupWindow::EndSizing(bool AApply) {
  if (!FSizingCapture) return;
  FSizingCapture = false;
  if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
  if (!FSizeFrame) return;
  FSizeFrame.reset();
  if (AApply && FSizeFrameBounds != BoundsRect()) ApplyUserSize(FSizeFrameBounds);
}

void TcxCustomEditPopupWindow::UpdateCloseButtonState(const TPoint& P, bool APressed) {
  TcxCustomEditPopupWindowViewInfo& vi = *FViewInfo;
  const bool over = vi.ShowCloseButton && vi.CloseButtonRect.Contains(P);
  const TcxButtonState state = over && APressed ? cxbsPressed : over ? cxbsHot : cxbsNormal;
  if (state == vi.CloseButtonState) return;
  vi.CloseButtonState = state;
  if (HandleAllocated()) {
    const RECT r{vi.CloseButtonRect.Left, vi.CloseButtonRect.Top, vi.CloseButtonRect.Right, vi.CloseButtonRect.Bottom};
    ::InvalidateRect(Handle(), &r, FALSE);
  }
}

void TcxCustomEditPopupWindow::KeyDown(uint16_t& Key, TShiftState Shift) {
  if (Key == VK_ESCAPE && FSizingCapture) {
    EndSizing(false);
    Key = 0;
    return;
  }
  // Escape in a popup that has the focus cancels, as it does in the edit.
  if (Key == VK_ESCAPE && IsVisible() && !HasCapture() && Edit()) {
    Edit()->CloseUp(crCancel);
    Key = 0;
    return;
  }
  TcxCustomPopupWindow::KeyDown(Key, Shift);
}

void TcxCustomEditPopupWindow::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TcxCustomPopupWindow::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  const int code = SizingHitTest(TPoint(X, Y));
  if (code == 0) {
    FCloseButtonPressed = true;
    UpdateCloseButtonState(TPoint(X, Y), true);
    ::SetCapture(Handle());
    return;
  }
  if (code < 1) return;
  FSizingCapture = true;
  FSizingHitTest = code;
  FCapturePoint = ClientToScreen(TPoint(X, Y));
  FCaptureBounds = BoundsRect();
  FSizeFrameBounds = FCaptureBounds;
  ::SetCapture(Handle());
  if (FShowContentWhileResize) return;
  FSizeFrame = std::make_unique<TcxSizeFrame>(2);
  FSizeFrame->DrawSizeFrame(FSizeFrameBounds);
  FSizeFrame->Show(SW_SHOWNA);
}

void TcxCustomEditPopupWindow::MouseMove(TShiftState Shift, int X, int Y) {
  TcxCustomPopupWindow::MouseMove(Shift, X, Y);
  if (!FSizingCapture) return UpdateCloseButtonState(TPoint(X, Y), FCloseButtonPressed);
  const TRect r = SizedBounds(ClientToScreen(TPoint(X, Y)));
  if (FShowContentWhileResize) {
    if (r != BoundsRect()) ApplyUserSize(r);
    return;
  }
  FSizeFrameBounds = r;
  FSizeFrame->DrawSizeFrame(r);
}

void TcxCustomEditPopupWindow::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TcxCustomPopupWindow::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  if (FSizingCapture) return EndSizing(true);
  if (!FCloseButtonPressed) return;
  FCloseButtonPressed = false;
  if (GetCapture() == Handle()) ReleaseCapture();
  const bool onButton = FViewInfo->CloseButtonRect.Contains(TPoint(X, Y));
  UpdateCloseButtonState(TPoint(X, Y), false);
  if (onButton && CloseQuery() && Edit()) Edit()->CloseUp(crUnknown);
}

void TcxCustomEditPopupWindow::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case DXM_POPUPFORWARDCHAR:
      if (IsVisible()) ForwardChar(static_cast<wchar_t>(Message.WParam));
      return;
    case WM_SETCURSOR: {
      if (LOWORD(Message.LParam) != HTCLIENT || reinterpret_cast<HWND>(Message.WParam) != Handle()) break;
      POINT cursor;
      GetCursorPos(&cursor);
      const int code = FSizingCapture ? FSizingHitTest : SizingHitTest(ScreenToClient(TPoint(cursor.x, cursor.y)));
      static const LPCWSTR cursors[] = {IDC_SIZENWSE, IDC_SIZENESW, IDC_SIZENS, IDC_SIZEWE};
      if (code < 1) break;
      ::SetCursor(LoadCursorW(nullptr, cursors[code - 1]));
      Message.Result = TRUE;
      return;
    }
    case WM_CANCELMODE:
      EndSizing(false);
      break;
  }
  TcxCustomPopupWindow::WndProc(Message);
}
