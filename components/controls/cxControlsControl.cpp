// The control base: lifecycle, painting, hints and fonts.
#include <algorithm>

#include "components/controls/cxControls.h"

#include "components/controls/cxDWMApi.h"
#include "components/core/dxCore.h"
#include "components/core/dxUxTheme.h"
#include "vcl/controls/ActnList.h"
#include "vcl/controls/Application.h"
#include "vcl/controls/Forms.h"

bool cxIsStyleServicesEnabled() { return dxIsUxThemeLoaded() && IsAppThemed() && IsThemeActive(); }

bool cxIsTransparentChild(TControl* AControl) {
  if (auto* transparent = dynamic_cast<IcxTransparentControl*>(AControl))
    return transparent->IsTransparentControl();
  return dynamic_cast<TWinControl*>(AControl) && (!AControl->ControlStyle().Contains(csOpaque) ||
                                                  AControl->ControlStyle().Contains(csParentBackground));
}

void cxInvalidateWindowedControl(TWinControl* AControl, bool AInvalidateSelf,
                                 bool AInvalidateTransparentChildren) {
  if (!AControl->HandleAllocated()) return;
  if (AControl->Parent()) AControl->Parent()->Perform(CM_INVALIDATE, 1);
  if (AInvalidateSelf)
    ::InvalidateRect(AControl->Handle(), nullptr, !AControl->ControlStyle().Contains(csOpaque));
  if (!AInvalidateTransparentChildren) return;
  for (int i = 0; i < AControl->ControlCount(); ++i)
    if (TControl* child = AControl->Controls(i); cxIsTransparentChild(child)) child->Invalidate();
}

TcxSizeGrip* cxGetControlSizeGrip(TcxControl* AControl) {
  auto* bars = dynamic_cast<TcxControlWindowedScrollBars*>(AControl->MainScrollBars());
  return bars ? bars->Grip() : nullptr;
}

// ---------------------------------------------------------------- lifecycle

TcxControl::TcxControl(TComponent* AOwner)
    : TCustomControl(AOwner),
      FCanvas(std::make_unique<TcxControlCanvas>(TCustomControl::Canvas())),
      FLookAndFeel(std::make_unique<TcxLookAndFeel>(this)),
      FScrollBarsManager(std::make_unique<TcxControlScrollBarsManager>(this)) {
  FLookAndFeel->OnChanged = [this](TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues) {
    LookAndFeelChangeHandler(Sender, AChangedValues);
  };
  SetTabStop(MayFocus());
  FGestureHelper = std::make_unique<TdxGestureHelper>(this);
  Touch().SetInteractiveGestures(CalculateInteractiveGestures());
  Touch().SetInteractiveGestureOptions(CalculateInteractiveGestureOptions());
}

TcxControl::~TcxControl() {
  // Children (the bars among them) and the window go before the bars'
  // holder, while the control still knows them.
  Destroying();
  // A platform drag from the control ends without a drop.
  if (Dragging()) CancelDrag();
  DestroyHandle();
  DestroyMainScrollBars();
  SetMouseCaptureObject(nullptr);
  cxClearLinksTo(this);
}

void TcxControl::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style |= WS_CLIPCHILDREN;
}

void TcxControl::CreateWnd() {
  // Asked here rather than at construction, where descendants cannot answer.
  if (HasDragImages()) SetControlStyle(ControlStyle().Include(csDisplayDragImage));
  TCustomControl::CreateWnd();
  RecreateMainScrollBars();
}

void TcxControl::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FPopupMenu) FPopupMenu = nullptr;
}

void TcxControl::SetFocus() {
  TCustomControl::SetFocus();
  FActivateType = atOther;
}

void TcxControl::SetBorderStyle(TcxControlBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  BoundsChanged();
  // The border itself lies outside everything the new layout repaints.
  Invalidate();
}

TcxCanvas* TcxControl::ActiveCanvas() {
  if (HandleAllocated()) {
    FActiveCanvas.reset();
    return FCanvas.get();
  }
  if (!FActiveCanvas) FActiveCanvas = std::make_unique<TcxScreenCanvas>();
  return FActiveCanvas.get();
}

TRect TcxControl::GetBounds() {
  if (!FBounds.IsEmpty()) return FBounds;
  if (HandleAllocated()) return ClientRect();
  return TRect(0, 0, Width(), Height());
}

TRect TcxControl::GetClientBounds() {
  TRect r = GetBounds();
  const int border = GetBorderSize();
  r.Inflate(-border, -border);
  if (IsHorzScrollBarVisible()) r.Bottom -= GetHorzScrollBar()->Height();
  if (IsVertScrollBarVisible()) r.Right -= GetVertScrollBar()->Width();
  return r;
}

void TcxControl::SetHint(const String& Value) {
  FOriginalHint = Value;
  TCustomControl::SetHint(Value);
}

void TcxControl::ActionChange(TObject* Sender, bool CheckDefaults) {
  TCustomControl::ActionChange(Sender, CheckDefaults);
  if (auto* action = dynamic_cast<TCustomAction*>(Sender); action && (!CheckDefaults || FOriginalHint.empty()))
    SetHint(action->Hint());
}

void TcxControl::DestroyWnd() {
  TCustomControl::DestroyWnd();
  SetControlState(ControlState() - TControlState{csClicked});
}

void TcxControl::Resize() {
  TCustomControl::Resize();
  BoundsChanged();
}

void TcxControl::BoundsChanged() {
  UpdateScrollBars();
  if (RedrawWithChildren()) Invalidate();
}

void TcxControl::LookAndFeelChangeHandler(TcxLookAndFeel* Sender,
                                          TcxLookAndFeelValues AChangedValues) {
  if (IsDestroying() || (Application && Application->ComponentState().Contains(csDestroying))) return;
  LookAndFeelChanged(Sender, AChangedValues);
}

// Until a painter is registered for the look, there is no border to draw.
void TcxControl::DrawBorder(TcxCanvas* ACanvas) {
  if (TcxCustomLookAndFeelPainter* painter = GetPainter()) painter->DrawBorder(ACanvas, GetBounds());
}

int TcxControl::GetBorderSize() {
  TcxCustomLookAndFeelPainter* painter = GetPainter();
  return FBorderStyle == cxcbsDefault && painter ? painter->BorderSize() : 0;
}

void TcxControl::FocusChanged() {
  if (OnFocusChanged) OnFocusChanged(this);
}

void TcxControl::SystemInfoChanged(uint32_t) {
  if (HandleAllocated()) SendNotifyMessageW(Handle(), DXM_CHECKSCROLLBARSIZE, 0, 0);
}

void TcxControl::ApplyParentBackground(bool Value) {
  const bool previous = ParentBackground();
  TCustomControl::ApplyParentBackground(Value);
  if (previous != Value) ParentBackgroundChanged();
}

// ---------------------------------------------------------------- invalidation

void TcxControl::InvalidateRect(const TRect& R, bool EraseBackground) {
  if (!HandleAllocated()) return;
  const RECT rect{R.Left, R.Top, R.Right, R.Bottom};
  ::InvalidateRect(Handle(), &rect, EraseBackground);
}

void TcxControl::InvalidateRgn(TcxRegion* ARegion, bool EraseBackground) {
  if (HandleAllocated() && ARegion && !ARegion->IsEmpty())
    ::InvalidateRgn(Handle(), ARegion->Handle(), EraseBackground);
}

void TcxControl::InvalidateWithChildren() {
  if (HandleAllocated())
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_NOERASE | RDW_ALLCHILDREN);
}

void TcxControl::UpdateWithChildren() {
  if (HandleAllocated()) RedrawWindow(Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// ---------------------------------------------------------------- fonts

void TcxControl::AddFontListener(IcxFontListener* AListener) { FFontListeners.push_back(AListener); }

void TcxControl::RemoveFontListener(IcxFontListener* AListener) {
  std::erase(FFontListeners, AListener);
}

void TcxControl::FontChanged(TFont* AFont) {
  if (auto* receiver = dynamic_cast<IcxSelfFontReceiver*>(this)) receiver->SelfFontChanged(AFont);
  // A listener may remove itself when told.
  const std::vector<IcxFontListener*> listeners = FFontListeners;
  for (IcxFontListener* listener : listeners)
    if (std::find(FFontListeners.begin(), FFontListeners.end(), listener) != FFontListeners.end())
      listener->FontChanged(this, AFont);
  Invalidate();
}

// ---------------------------------------------------------------- painting

bool TcxControl::NeedsDoubleBuffering() { return DoubleBuffered() || dxOsWin7Up; }

bool TcxControl::UseParentBackground() {
  return cxIsStyleServicesEnabled() && Parent() && ControlStyle().Contains(csParentBackground);
}

void TcxControl::HandlePaintMessage(TMessage& Message) {
  if (Message.WParam || !NeedsDoubleBuffering())
    PaintWithUpdateRegion(Message);
  else if (cxIsDesktopCompositionEnabled() && CanUseBufferedPaint())
    cxBufferedPaintWindow(Handle(), PaintBlackOpaqueOnGlass());
  else
    DoubleBufferedPaint();
}

namespace {

// The window's update region, when the system gives one worth clipping to.
class TUpdateRegion {
public:
  explicit TUpdateRegion(TWinControl* AControl) : FRegion(CreateRectRgn(0, 0, 0, 0)) {
    FValid = cxGetControlUpdateRegion(AControl, FRegion);
  }
  ~TUpdateRegion() { DeleteObject(FRegion); }
  TUpdateRegion(const TUpdateRegion&) = delete;
  TUpdateRegion& operator=(const TUpdateRegion&) = delete;
  HRGN Handle() const { return FValid ? FRegion : nullptr; }

private:
  HRGN FRegion;
  bool FValid;
};

}  // namespace

void TcxControl::PaintWithUpdateRegion(TMessage& Message) {
  std::unique_ptr<TUpdateRegion> region;
  std::unique_ptr<TcxPaintScope> paint;
  auto dc = reinterpret_cast<HDC>(Message.WParam);
  if (!dc) {
    region = std::make_unique<TUpdateRegion>(this);
    paint = std::make_unique<TcxPaintScope>(Handle());
    dc = paint->DC();
    if (region->Handle()) ExtSelectClipRgn(dc, region->Handle(), RGN_AND);
  }
  if (ControlState().Contains(csPaintCopy) && HasNonClientArea()) PaintNonClientAreaCopy(dc);
  std::vector<TControl*> graphicChildren;
  for (int i = 0; i < ControlCount(); ++i)
    if (!dynamic_cast<TWinControl*>(Controls(i))) graphicChildren.push_back(Controls(i));
  if (graphicChildren.empty()) {
    PaintWindow(dc);
  } else {
    const int saved = ::SaveDC(dc);
    bool clipEmpty = false;
    for (TControl* child : graphicChildren) {
      if (!child->Visible() || !child->ControlStyle().Contains(csOpaque)) continue;
      const TRect r = child->BoundsRect();
      clipEmpty = ::ExcludeClipRect(dc, r.Left, r.Top, r.Right, r.Bottom) == NULLREGION;
      if (clipEmpty) break;
    }
    if (!clipEmpty) PaintWindow(dc);
    ::RestoreDC(dc, saved);
  }
  PaintControls(dc);
}

void TcxControl::DoubleBufferedPaint() {
  TUpdateRegion region(this);
  TcxPaintScope paint(Handle());
  PaintDoubleBuffered(paint.DC(), paint.PaintRect(), region.Handle());
}

void TcxControl::PaintWindow(HDC DC) {
  if (!IsLoading()) TCustomControl::PaintWindow(DC);
}

// A background bitmap, when the control has one, is all it paints: the
// whole bitmap stretched over the client area when it is the control's own,
// else the part of it under the control.
bool TcxControl::PaintBackgroundImage() {
  auto* source = dynamic_cast<IcxBackgroundImageSource*>(this);
  TcxBitmap* bitmap = source ? source->GetBackgroundImage() : nullptr;
  if (!bitmap) return false;
  TWinControl* provider = source->GetBackgroundImageControl();
  const TRect client = ClientRect();
  TCanvas* canvas = ActiveCanvas()->Canvas();
  if (provider == this) {
    canvas->StretchDraw(client, bitmap);
  } else {
    const TPoint origin = provider->ScreenToClient(ClientToScreen(TPoint(0, 0)));
    BitBlt(canvas->Handle(), 0, 0, client.Width(), client.Height(), bitmap->Canvas()->Handle(),
           origin.X, origin.Y, SRCCOPY);
  }
  return true;
}

void TcxControl::Paint() {
  if (IsLoading() || PaintBackgroundImage()) return;
  FCanvas->BeginPaint();
  struct TEndPaint {
    TcxControlCanvas* Canvas;
    ~TEndPaint() { Canvas->EndPaint(); }
  } endPaint{FCanvas.get()};
  DoPaint();
}

void TcxControl::DoPaint() {
  DrawScrollBars(FCanvas.get());
  if (FBorderStyle == cxcbsDefault) {
    DrawBorder(FCanvas.get());
    TRect inner = GetBounds();
    inner.Inflate(-GetBorderSize(), -GetBorderSize());
    FCanvas->IntersectClipRect(inner);
    IntersectClientBounds();
  }
  RefreshScrollBarWindows();
}

void TcxControl::IntersectClientBounds() { FCanvas->IntersectClipRect(GetClientBounds()); }

void TcxControl::DrawScrollBars(TcxCanvas* ACanvas) {
  FScrollBarsManager->Paint(ACanvas);
  if (FMainScrollBars) FMainScrollBars->DrawSizeGrip(ACanvas);
}

void TcxControl::HandleEraseBackground(TMessage& Message) {
  const bool ownPrint = cxIsEraseFromOwnPrint(Message);
  if (!ownPrint && !NeedsEraseBackground()) {
    Message.Result = 0;
    return;
  }
  if (ownPrint || !NeedsDoubleBuffering()) EraseBackground(reinterpret_cast<HDC>(Message.WParam));
  Message.Result = 1;
}

void TcxControl::EraseBackground(HDC DC) {
  if (IsLoading()) return;
  TcxPaintCanvas* canvas = cxSharedPaintCanvas();
  canvas->BeginPaint(DC);
  struct TEndPaint {
    TcxPaintCanvas* Canvas;
    ~TEndPaint() { Canvas->EndPaint(); }
  } endPaint{canvas};
  DrawBackground(canvas, ClientRect());
}

void TcxControl::DrawBackground(TcxCanvas* ACanvas, const TRect& R) {
  if (UseParentBackground())
    cxPaintParentBackground(this, ACanvas, R);
  else
    ACanvas->FillRect(R, Brush()->Color());
}

void TcxControl::HandleNonClientPaint(TMessage& Message) {
  DefaultHandler(Message);
  if (!HasNonClientArea()) return;
  DWORD flags = DCX_WINDOW | DCX_CACHE | DCX_CLIPSIBLINGS | DCX_VALIDATE;
  HRGN region = nullptr;
  if (Message.WParam != 1) {
    region = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(region, reinterpret_cast<HRGN>(Message.WParam), nullptr, RGN_COPY);
    flags |= DCX_INTERSECTRGN;
  }
  // The system owns the region once GetDCEx takes it.
  HDC dc = GetDCEx(Handle(), region, flags);
  if (!dc && region) DeleteObject(region);
  if (dc) {
    PaintNonClientArea(dc);
    ReleaseDC(Handle(), dc);
  }
  Message.Result = 0;
}

void TcxControl::PaintNonClientArea(HDC DC) {
  RECT window;
  GetWindowRect(Handle(), &window);
  POINT origin{0, 0};
  ::ClientToScreen(Handle(), &origin);
  TRect client = ClientRect();
  client.Offset(origin.x - window.left, origin.y - window.top);
  const TRect borders = GetNonClientBorders();
  const int saved = ::SaveDC(DC);
  ::ExcludeClipRect(DC, client.Left, client.Top, client.Right, client.Bottom);
  ::IntersectClipRect(DC, client.Left - borders.Left, client.Top - borders.Top,
                      client.Right + borders.Right, client.Bottom + borders.Bottom);
  TcxBitmap bitmap(window.right - window.left, window.bottom - window.top);
  DrawNonClientArea(bitmap.cxCanvas());
  BitBlt(DC, 0, 0, bitmap.Width(), bitmap.Height(), bitmap.Canvas()->Handle(), 0, 0, SRCCOPY);
  ::RestoreDC(DC, saved);
}

// A copy's origin lies at the client's top-left: the non-client area is
// drawn around it in window coordinates, then only the client is left open.
void TcxControl::PaintNonClientAreaCopy(HDC DC) {
  const TPoint client = cxGetClientOriginInWindow(Handle());
  POINT previous;
  OffsetWindowOrgEx(DC, client.X, client.Y, &previous);
  PaintNonClientArea(DC);
  SetWindowOrgEx(DC, previous.x, previous.y, nullptr);
  const TRect area = ClientRect();
  IntersectClipRect(DC, 0, 0, area.Width(), area.Height());
}

// ---------------------------------------------------------------- child components

void TcxControl::AddChildComponent(TcxControlChildComponent* AComponent) { AComponent->SetControl(this); }

void TcxControl::RemoveChildComponent(TcxControlChildComponent* AComponent) { AComponent->SetControl(nullptr); }

TcxControlChildComponent::TcxControlChildComponent(TComponent* AOwner) : TcxComponent(AOwner) { Initialize(); }

TcxControlChildComponent::TcxControlChildComponent(TcxControl* AControl, bool AAssignOwner)
    : TcxControlChildComponent(AAssignOwner ? AControl->Owner() : nullptr) {
  AControl->AddChildComponent(this);
}

TcxControlChildComponent::~TcxControlChildComponent() {
  if (FControl) FControl->RemoveChildComponent(this);
}

TComponent* TcxControlChildComponent::GetParentComponent() { return FControl; }

void TcxControlChildComponent::SetParentComponent(TComponent* Value) {
  TcxComponent::SetParentComponent(Value);
  if (auto* control = dynamic_cast<TcxControl*>(Value)) control->AddChildComponent(this);
}

void TcxControlChildComponent::SetControl(TcxControl* Value) {
  if (Value == FControl) return;
  if (FControl) FControl->RemoveFreeNotification(this);
  FControl = Value;
  // A control freed first leaves no dangling reference.
  if (FControl) FControl->FreeNotification(this);
}

void TcxControlChildComponent::Notification(TComponent* AComponent, TOperation Operation) {
  TcxComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FControl) FControl = nullptr;
}
