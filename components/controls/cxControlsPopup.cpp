// Popup windows placed beside an owner rectangle, the translucent drag
// image and the halftone size frame.
#include <algorithm>

#include "components/controls/cxControls.h"

// ---------------------------------------------------------------- TcxPopupWindow

TcxPopupWindow::TcxPopupWindow(TComponent* AOwner)
    : TForm(AOwner),
      FControlCanvas(std::make_unique<TControlCanvas>(this)),
      FCanvas(std::make_unique<TcxCanvas>(FControlCanvas.get())) {
  SetControlStyle(ControlStyle() + TControlStyle{csOverrideStylePaint});
  SetFormStyle(fsStayOnTop);
}

TcxPopupWindow::~TcxPopupWindow() {
  // The window goes while the popup still answers its messages.
  Destroying();
  DestroyHandle();
}

void TcxPopupWindow::CreateParams(TCreateParams& Params) {
  TForm::CreateParams(Params);
  // Borderless (the form style keeps it above the other windows).
  Params.Style = WS_POPUP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  if (!Enabled()) Params.Style |= WS_DISABLED;
}

void TcxPopupWindow::OffsetChildren(const TPoint& AOffset) {
  if (AOffset.X == 0 && AOffset.Y == 0) return;
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* child = Controls(i);
    child->SetBounds(child->Left() + AOffset.X, child->Top() + AOffset.Y, child->Width(), child->Height());
  }
}

void TcxPopupWindow::RestoreChildrenPositions() {
  OffsetChildren(TPoint(-FChildrenOffset.X, -FChildrenOffset.Y));
  FChildrenOffset = TPoint();
}

void TcxPopupWindow::SetBorderSpace(int Value) {
  RestoreChildrenPositions();
  FBorderSpace = Value;
}

void TcxPopupWindow::SetBorderStyle(TcxPopupBorderStyle Value) {
  RestoreChildrenPositions();
  FBorderStyle = Value;
}

int TcxPopupWindow::GetFrameWidth() {
  switch (FBorderStyle) {
    case pbsUltraFlat:
    case pbsFlat: return 1;
    case pbs3D: return 2;
    case pbsNone: break;
  }
  return 0;
}

int TcxPopupWindow::GetBorderWidth(TcxBorder) { return GetFrameWidth() + FBorderSpace; }

TRect TcxPopupWindow::GetInnerBounds() {
  TRect r = ClientRect();
  r.Left += GetBorderWidth(bLeft);
  r.Top += GetBorderWidth(bTop);
  r.Right -= GetBorderWidth(bRight);
  r.Bottom -= GetBorderWidth(bBottom);
  return r;
}

TRect TcxPopupWindow::GetOwnerBoundsOnScreen() {
  if (!FOwnerParent) return FOwnerBounds;
  return TRect(FOwnerParent->ClientToScreen(FOwnerBounds.TopLeft()),
               FOwnerParent->ClientToScreen(FOwnerBounds.BottomRight()));
}

void TcxPopupWindow::InitPopup() {
  if (FOwnerParent) SetFont(FOwnerParent->Font());
}

void TcxPopupWindow::CalculateSize(TPoint& ASize) {
  if (!FAdjustable) {
    ASize = TPoint(Width(), Height());
    return;
  }
  // The children's extent where they stand without the frame's offset.
  int right = 0;
  int bottom = 0;
  for (int i = 0; i < ControlCount(); ++i) {
    const TRect bounds = Controls(i)->BoundsRect();
    right = std::max(right, bounds.Right - FChildrenOffset.X);
    bottom = std::max(bottom, bounds.Bottom - FChildrenOffset.Y);
  }
  // Children sit one border width in, once: a popup shown again (or with
  // other borders) moves them only by the difference.
  const TPoint offset(GetBorderWidth(bLeft), GetBorderWidth(bTop));
  OffsetChildren(TPoint(offset.X - FChildrenOffset.X, offset.Y - FChildrenOffset.Y));
  FChildrenOffset = offset;
  if (ControlCount() == 0 && right == 0 && bottom == 0) return;
  ASize = TPoint(offset.X + right + GetBorderWidth(bRight), offset.Y + bottom + GetBorderWidth(bBottom));
}

namespace {

// One axis of a popup's place against the owner's span from Start to End:
// beside it (ending at Start or starting at End) or along it (starting at
// Start or ending at End); the origin is the owner's edge it keeps to.
void PlaceBeside(bool AtStart, int Start, int End, int Size, int& Position, int& Origin) {
  Position = AtStart ? Start - Size : End;
  Origin = AtStart ? Start : End;
}

void PlaceAlong(bool AtStart, int Start, int End, int Size, int& Position, int& Origin) {
  Position = AtStart ? Start : End - Size;
  Origin = AtStart ? Start : End;
}

}  // namespace

void TcxPopupWindow::GetPositionForHorzDirection(TPoint& APosition, TPoint& AOrigin, const TPoint& ASize) {
  const TRect owner = GetOwnerBoundsOnScreen();
  if (FAlignHorz != pahCenter)
    PlaceBeside(FAlignHorz == pahLeft, owner.Left, owner.Right, ASize.X, APosition.X, AOrigin.X);
  if (FAlignVert != pavCenter)
    PlaceAlong(FAlignVert == pavTop, owner.Top, owner.Bottom, ASize.Y, APosition.Y, AOrigin.Y);
}

void TcxPopupWindow::GetPositionForVertDirection(TPoint& APosition, TPoint& AOrigin, const TPoint& ASize) {
  const TRect owner = GetOwnerBoundsOnScreen();
  if (FAlignHorz != pahCenter)
    PlaceAlong(FAlignHorz == pahLeft, owner.Left, owner.Right, ASize.X, APosition.X, AOrigin.X);
  if (FAlignVert != pavCenter)
    PlaceBeside(FAlignVert == pavTop, owner.Top, owner.Bottom, ASize.Y, APosition.Y, AOrigin.Y);
}

void TcxPopupWindow::CalculatePositionByOwner(TPoint& APosition, TPoint& AOrigin, const TPoint& ASize) {
  const TRect owner = GetOwnerBoundsOnScreen();
  if (FAlignHorz == pahCenter) APosition.X = AOrigin.X = (owner.Left + owner.Right - ASize.X) / 2;
  if (FAlignVert == pavCenter) APosition.Y = AOrigin.Y = (owner.Top + owner.Bottom - ASize.Y) / 2;
  if (FDirection == pdHorizontal)
    GetPositionForHorzDirection(APosition, AOrigin, ASize);
  else
    GetPositionForVertDirection(APosition, AOrigin, ASize);
}

void TcxPopupWindow::CalculatePosition(const TPoint& ASize, TPoint& APosition) {
  TPoint origin;
  CalculatePositionByOwner(APosition, origin, ASize);
  CorrectPositionWithDesktop(APosition, origin, ASize);
}

void TcxPopupWindow::CorrectPositionWithDesktop(TPoint& APosition, const TPoint& AOrigin, const TPoint& ASize) {
  const TRect owner = GetOwnerBoundsOnScreen();
  const TRect work = cxGetDesktopWorkAreaAtPoint(AOrigin);
  TPoint origin = AOrigin;
  if (FDirection == pdHorizontal) {
    const int roomRight = work.Right - owner.Right;
    const int roomLeft = owner.Left - work.Left;
    if (FAlignHorz == pahRight && APosition.X + ASize.X > work.Right && roomLeft > roomRight)
      FAlignHorz = pahLeft;
    else if (FAlignHorz == pahLeft && APosition.X < work.Left && roomRight >= roomLeft)
      FAlignHorz = pahRight;
    GetPositionForHorzDirection(APosition, origin, ASize);
  } else {
    const int roomBelow = work.Bottom - owner.Bottom;
    const int roomAbove = owner.Top - work.Top;
    if (FAlignVert == pavBottom && APosition.Y + ASize.Y > work.Bottom && roomAbove > roomBelow)
      FAlignVert = pavTop;
    else if (FAlignVert == pavTop && APosition.Y < work.Top && roomBelow >= roomAbove)
      FAlignVert = pavBottom;
    GetPositionForVertDirection(APosition, origin, ASize);
  }
  // Whichever side it opened on, the popup stays inside the work area; the
  // left and top edges win for a popup larger than the area.
  APosition.X = std::max(std::min(APosition.X, work.Right - ASize.X), work.Left);
  APosition.Y = std::max(std::min(APosition.Y, work.Bottom - ASize.Y), work.Top);
}

void TcxPopupWindow::Popup() {
  InitPopup();
  TPoint size(Width(), Height());
  CalculateSize(size);
  TPoint position;
  CalculatePosition(size, position);
  SetBounds(position.X, position.Y, size.X, size.Y);
  Show();
}

void TcxPopupWindow::DrawFrame() {
  TRect r(0, 0, Width(), Height());
  switch (FBorderStyle) {
    case pbsUltraFlat: FCanvas->FrameRect(r, FFrameColor); break;
    case pbsFlat: FCanvas->DrawEdge(r, false, false); break;
    case pbs3D:
      FCanvas->DrawEdge(r, false, true);
      r.Inflate(-1, -1);
      FCanvas->DrawEdge(r, false, false);
      break;
    case pbsNone: break;
  }
}

void TcxPopupWindow::PaintWindow(HDC DC) {
  TForm::PaintWindow(DC);
  // The frame is drawn on the paint's own context.
  struct TLentContext {
    TControlCanvas* Canvas;
    TLentContext(TControlCanvas* ACanvas, HDC ADC) : Canvas(ACanvas) {
      Canvas->FreeHandle();
      Canvas->SetHandle(ADC);
    }
    ~TLentContext() { Canvas->SetHandle(nullptr); }
  } lent(FControlCanvas.get(), DC);
  DrawFrame();
}

void TcxPopupWindow::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ACTIVATE:
      TForm::WndProc(Message);
      if (LOWORD(Message.WParam) == WA_INACTIVE) {
        CloseUp();
      } else {
        // The window losing activation keeps an active caption while the
        // popup has the focus.
        FPrevActiveWindow = reinterpret_cast<HWND>(Message.LParam);
        if (FPrevActiveWindow) SendMessageW(FPrevActiveWindow, WM_NCACTIVATE, TRUE, 0);
      }
      return;
    case WM_ACTIVATEAPP:
      DefaultHandler(Message);
      if (!Message.WParam) {
        if (FPrevActiveWindow && IsWindow(FPrevActiveWindow)) SendMessageW(FPrevActiveWindow, WM_NCACTIVATE, FALSE, 0);
        CloseUp();
      }
      return;
    case CM_VISIBLECHANGED:
      TForm::WndProc(Message);
      VisibleChanged();
      return;
  }
  TForm::WndProc(Message);
}

// ---------------------------------------------------------------- TcxCustomDragImage

TcxCustomDragImage::TcxCustomDragImage(TComponent* AOwner) : TcxPopupWindow(AOwner) {
  SetPosition(poDesigned);
  SetBounds(0, 0, 0, 0);
  SetPopupMode(pmExplicit);
}

void TcxCustomDragImage::CreateParams(TCreateParams& Params) {
  TcxPopupWindow::CreateParams(Params);
  TCustomForm* parent = PopupParent() ? PopupParent() : Screen ? Screen->ActiveForm() : nullptr;
  Params.WndParent = parent && parent != this ? parent->Handle() : nullptr;
  if (AlphaBlended()) Params.ExStyle |= WS_EX_LAYERED;
}

void TcxCustomDragImage::InitializeWindow() {
  TcxPopupWindow::InitializeWindow();
  ApplyAlphaBlend();
}

bool TcxCustomDragImage::AlphaBlended() const {
  static const bool layeredWindows =
      GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetLayeredWindowAttributes") != nullptr;
  return FAlphaBlend && layeredWindows;
}

void TcxCustomDragImage::ApplyAlphaBlend() {
  if (!HandleAllocated()) return;
  const LONG exStyle = GetWindowLongW(Handle(), GWL_EXSTYLE);
  if (!AlphaBlended()) {
    SetWindowLongW(Handle(), GWL_EXSTYLE, exStyle & ~WS_EX_LAYERED);
    return;
  }
  SetWindowLongW(Handle(), GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
  SetLayeredWindowAttributes(Handle(), 0, FAlphaBlendValue, LWA_ALPHA);
}

void TcxCustomDragImage::SetAlphaBlend(bool Value) {
  FAlphaBlend = Value;
  ApplyAlphaBlend();
}

void TcxCustomDragImage::SetAlphaBlendValue(uint8_t Value) {
  FAlphaBlendValue = Value;
  ApplyAlphaBlend();
}

void TcxCustomDragImage::Init(const TRect& ASourceBounds, const TPoint& ASourcePoint) {
  SetBounds(Left(), Top(), ASourceBounds.Width(), ASourceBounds.Height());
  FPositionOffset = TPoint(ASourcePoint.X - ASourceBounds.Left, ASourcePoint.Y - ASourceBounds.Top);
}

void TcxCustomDragImage::MoveTo(const TPoint& APosition) {
  SetBounds(APosition.X - FPositionOffset.X, APosition.Y - FPositionOffset.Y, Width(), Height());
}

void TcxCustomDragImage::Show(int ACmdShow) {
  ShowWindow(Handle(), ACmdShow);
  Update();
}

void TcxCustomDragImage::Hide() {
  if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
}

bool TcxCustomDragImage::Visible() { return HandleAllocated() && IsWindowVisible(Handle()); }

void TcxCustomDragImage::SetVisible(bool Value) {
  if (Value)
    Show(SW_SHOWNA);
  else
    Hide();
}

void TcxCustomDragImage::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ERASEBKGND: Message.Result = 1; return;
    case WM_NCHITTEST: Message.Result = HTTRANSPARENT; return;
  }
  TcxPopupWindow::WndProc(Message);
}

// ---------------------------------------------------------------- TcxSizeFrame

namespace {

// An 8 by 8 pattern of alternating black and white pixels.
HBRUSH CreateHalftoneBrush() {
  static const WORD pattern[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
  HBITMAP bitmap = CreateBitmap(8, 8, 1, 1, pattern);
  HBRUSH brush = CreatePatternBrush(bitmap);
  DeleteObject(bitmap);
  return brush;
}

}  // namespace

TcxSizeFrame::TcxSizeFrame(int AFrameWidth)
    : TcxCustomDragImage(nullptr),
      FFrameWidth(AFrameWidth),
      FHalftoneBrush(CreateHalftoneBrush()),
      FRegion(std::make_unique<TcxRegion>()) {
  SetAlphaBlend(false);
}

TcxSizeFrame::~TcxSizeFrame() {
  Destroying();
  DestroyHandle();
  DeleteObject(FHalftoneBrush);
}

void TcxSizeFrame::DrawSizeFrame(const TRect& ARect) {
  FRegion = std::make_unique<TcxRegion>(0, 0, ARect.Width(), ARect.Height());
  SetBounds(ARect.Left, ARect.Top, ARect.Width(), ARect.Height());
}

void TcxSizeFrame::DrawSizeFrame(const TRect& ARect, TcxRegion* ARegion) {
  FRegion = std::make_unique<TcxRegion>();
  FRegion->Combine(ARegion, roSet, false);
  SetBounds(ARect.Left, ARect.Top, ARect.Width(), ARect.Height());
}

void TcxSizeFrame::MakeOutline() {
  auto inside = std::make_unique<TcxRegion>();
  inside->Combine(FRegion.get(), roSet, false);
  const TPoint shifts[] = {{FFrameWidth, 0}, {0, FFrameWidth}, {-FFrameWidth, 0}, {0, -FFrameWidth}};
  for (const TPoint& shift : shifts) {
    auto moved = std::make_unique<TcxRegion>();
    moved->Combine(FRegion.get(), roSet, false);
    moved->Offset(shift);
    inside->Combine(moved.release(), roIntersect);
  }
  FRegion->Combine(inside.release(), roSubtract);
}

void TcxSizeFrame::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TcxCustomDragImage::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (!HandleAllocated() || 2 * FFrameWidth >= AWidth || 2 * FFrameWidth >= AHeight) return;
  if (!FFillSelection) MakeOutline();
  std::unique_ptr<TcxRegion> current(TcxRegion::CreateFromWindow(Handle()));
  if (current->IsEqual(FRegion.get())) return;
  HRGN windowRegion = CreateRectRgn(0, 0, 0, 0);
  CombineRgn(windowRegion, FRegion->Handle(), nullptr, RGN_COPY);
  // The window owns the copy from now on.
  SetWindowRgn(Handle(), windowRegion, TRUE);
}

void TcxSizeFrame::PaintWindow(HDC DC) {
  RECT client;
  GetClientRect(Handle(), &client);
  FillRect(DC, &client, FHalftoneBrush);
}
