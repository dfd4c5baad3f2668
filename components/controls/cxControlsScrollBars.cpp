// The control base's own scroll bars and size grip: bar data, the settle
// loop with its oscillation guard, layout, scrolling entry points, and the
// scroll helper of controls that scroll their content by pixels.
#include <algorithm>

#include "components/controls/cxControls.h"
#include "components/core/cxMessageWindow.h"

// ---------------------------------------------------------------- TcxControlScrollBar

namespace {

// Copies the part under AControl of its parent's background bitmap, when
// the parent supplies one; whether it did.
bool DrawParentBackgroundImage(TControl* AControl, TcxCanvas* ACanvas) {
  auto* source = dynamic_cast<IcxBackgroundImageSource*>(AControl->Parent());
  TcxBitmap* bitmap = source ? source->GetBackgroundImage() : nullptr;
  if (!bitmap) return false;
  const TPoint origin = source->GetBackgroundImageControl()->ScreenToClient(AControl->ClientToScreen(TPoint(0, 0)));
  BitBlt(ACanvas->Handle(), 0, 0, AControl->Width(), AControl->Height(), bitmap->Canvas()->Handle(), origin.X,
         origin.Y, SRCCOPY);
  return true;
}

}  // namespace

TcxControlScrollBar::TcxControlScrollBar(TComponent* AOwner) : TcxScrollBar(AOwner) {
  SetColor(clBtnFace);
  TControlStyle style = ControlStyle();
  style.Exclude(csFramed);
  style.Include(csNoDesignVisible);
  SetControlStyle(style);
  SetTabStop(false);
  TControl::SetVisible(false);
}

void TcxControlScrollBar::ApplyData() {
  if (FData.Visible && FData.IsValid()) {
    TcxScrollBar::SetScrollParams(FData.Min, FData.Max, FData.Position, FData.PageSize, true);
    SetSmallChange(FData.SmallChange);
    SetLargeChange(FData.LargeChange);
  }
  TWinControl::SetEnabled(FData.Enabled);
  if (FData.Visible != TControl::Visible()) {
    TControl::SetVisible(FData.Visible);
    Perform(CM_SHOWINGCHANGED);
  }
}

void TcxControlScrollBar::FocusParent() {
  TWinControl* parent = Parent();
  if (!parent) return;
  if (auto* control = dynamic_cast<TcxControl*>(parent)) {
    if (control->CanFocusOnClickEx(this)) control->SetFocus();
  } else if (parent->CanFocus()) {
    parent->SetFocus();
  }
}

void TcxControlScrollBar::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_DESIGNHITTEST:
    case CM_HINTSHOW:
      Message.Result = 1;
      return;
    case WM_CONTEXTMENU:
      // The bar offers no menu of its own.
      Message.Result = 1;
      return;
    case WM_LBUTTONDOWN: {
      TcxObjectLink* link = cxLinkToObject(this);
      FocusParent();
      const bool alive = link->Ref != nullptr;
      cxUnlinkObject(link);
      if (!alive) return;
      break;
    }
    case WM_WINDOWPOSCHANGING:
      // Always on top of the control's other children.
      reinterpret_cast<WINDOWPOS*>(Message.LParam)->hwndInsertAfter = HWND_TOP;
      break;
  }
  TcxScrollBar::WndProc(Message);
}

void TcxControlScrollBar::DrawScrollBar(TcxCanvas* ACanvas) {
  if (!DrawParentBackgroundImage(this, ACanvas)) TcxScrollBar::DrawScrollBar(ACanvas);
}

// ---------------------------------------------------------------- TcxSizeGrip

TcxSizeGrip::TcxSizeGrip(TComponent* AOwner)
    : TCustomControl(AOwner), FLookAndFeel(std::make_unique<TcxLookAndFeel>(this)) {
  FLookAndFeel->OnChanged = [this](TcxLookAndFeel*, TcxLookAndFeelValues) { Invalidate(); };
  SetColor(clBtnFace);
  TControlStyle style = ControlStyle();
  style.Include(csNoDesignVisible);
  SetControlStyle(style);
  TControl::SetVisible(false);
}

void TcxSizeGrip::Paint() {
  TcxCanvas canvas(TCustomControl::Canvas());
  if (!DrawParentBackgroundImage(this, &canvas)) DrawSizeGrip(&canvas);
}

void TcxSizeGrip::DrawSizeGrip(TcxCanvas* ACanvas) {
  TcxCustomLookAndFeelPainter* painter = FLookAndFeel->Painter();
  ACanvas->FillRect(ClientRect(), painter ? painter->DefaultSizeGripAreaColor() : Color());
}

void TcxSizeGrip::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ERASEBKGND: Message.Result = 1; return;
    case WM_WINDOWPOSCHANGING:
      reinterpret_cast<WINDOWPOS*>(Message.LParam)->hwndInsertAfter = HWND_TOP;
      break;
  }
  TCustomControl::WndProc(Message);
}

// ---------------------------------------------------------------- bars holders

TcxControlCustomScrollBars::~TcxControlCustomScrollBars() = default;

void TcxControlCustomScrollBars::CreateScrollBarControls() {
  FHScrollBar = CreateScrollBar(sbHorizontal);
  FSizeGrip = CreateSizeGrip();
  FVScrollBar = CreateScrollBar(sbVertical);
}

void TcxControlCustomScrollBars::DestroyScrollBarControls() {
  delete FSizeGrip;
  delete dynamic_cast<TObject*>(FVScrollBar);
  delete dynamic_cast<TObject*>(FHScrollBar);
  FSizeGrip = nullptr;
  FVScrollBar = FHScrollBar = nullptr;
}

void TcxControlCustomScrollBars::ApplyScrollBarsData() {
  FHScrollBar->ApplyData();
  FVScrollBar->ApplyData();
}

IcxControlScrollBar* TcxControlCustomScrollBars::GetScrollBarOfKind(TScrollBarKind AKind) const {
  return AKind == sbHorizontal ? FHScrollBar : FVScrollBar;
}

bool TcxControlCustomScrollBars::IsScrollBarVisible(TScrollBarKind AKind) const {
  IcxControlScrollBar* bar = GetScrollBarOfKind(AKind);
  return FCalculating ? bar->Data()->Visible : bar->Visible();
}

void TcxControlCustomScrollBars::ScrollBarScroll(TObject* Sender, TScrollCode ScrollCode,
                                                 int& ScrollPos) {
  FOwner->Scroll(static_cast<TcxScrollBar*>(Sender)->Kind(), ScrollCode, ScrollPos);
}

TcxControlWindowedScrollBars::~TcxControlWindowedScrollBars() {
  TcxControlWindowedScrollBars::DestroyScrollBarControls();
}

IcxControlScrollBar* TcxControlWindowedScrollBars::CreateScrollBar(TScrollBarKind AKind) {
  TObject* instance = TObject::CreateInstance(Owner()->GetScrollBarClass(AKind));
  auto* bar = dynamic_cast<TcxControlScrollBar*>(instance);
  if (!bar) {
    delete instance;
    throw EInvalidOperation(L"A control's scroll bar must be a TcxControlScrollBar");
  }
  bar->SetKind(AKind);
  // The system's thickness from the start, before any size check.
  const TSize metrics = cxGetSystemScrollBarMetrics();
  if (AKind == sbVertical)
    bar->SetWidth(metrics.cx);
  else
    bar->SetHeight(metrics.cy);
  bar->LookAndFeel()->SetMasterLookAndFeel(Owner()->LookAndFeel());
  bar->OnScroll = [this](TObject* Sender, TScrollCode ScrollCode, int& ScrollPos) {
    ScrollBarScroll(Sender, ScrollCode, ScrollPos);
  };
  TControlStyle style = bar->ControlStyle();
  style.Include(csReplicatable);
  bar->SetControlStyle(style);
  return bar;
}

TObject* TcxControlWindowedScrollBars::CreateSizeGrip() {
  TObject* instance = TObject::CreateInstance(Owner()->GetSizeGripClass());
  auto* grip = dynamic_cast<TcxSizeGrip*>(instance);
  if (!grip) {
    delete instance;
    throw EInvalidOperation(L"A control's size grip must be a TcxSizeGrip");
  }
  grip->LookAndFeel()->SetMasterLookAndFeel(Owner()->LookAndFeel());
  TControlStyle style = grip->ControlStyle();
  style.Include(csReplicatable);
  grip->SetControlStyle(style);
  return grip;
}

void TcxControlWindowedScrollBars::DestroyScrollBarControls() {
  // A control being destroyed frees its children itself.
  if (Owner()->IsDestroying() && Grip() && Grip()->Parent() == Owner()) return;
  TcxControlCustomScrollBars::DestroyScrollBarControls();
}

std::vector<TWinControl*> TcxControlWindowedScrollBars::VisibleControls() const {
  std::vector<TWinControl*> controls;
  for (IcxControlScrollBar* bar : {FHScrollBar, FVScrollBar})
    if (bar && bar->Visible()) controls.push_back(bar->GetControl());
  if (Grip() && Grip()->Visible()) controls.push_back(Grip());
  return controls;
}

void TcxControlWindowedScrollBars::BringBarsToFront() {
  for (TWinControl* control : VisibleControls())
    if (control->HandleAllocated())
      SetWindowPos(control->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool TcxControlWindowedScrollBars::CheckScrollBarSize(TScrollBarKind AKind) {
  IcxControlScrollBar* bar = GetScrollBarOfKind(AKind);
  const TSize metrics = cxGetSystemScrollBarMetrics();
  if (AKind == sbHorizontal) {
    const int height = metrics.cy;
    if (bar->Height() == height) return false;
    bar->SetHeight(height);
  } else {
    const int width = metrics.cx;
    if (bar->Width() == width) return false;
    bar->SetWidth(width);
  }
  return true;
}

void TcxControlWindowedScrollBars::SetSizeGripVisible(bool AValue) { Grip()->SetVisible(AValue); }

void TcxControlWindowedScrollBars::InitScrollBarControls() {
  for (TWinControl* control : {FHScrollBar->GetControl(), FVScrollBar->GetControl(),
                               static_cast<TWinControl*>(Grip())}) {
    control->SetParent(Owner());
    control->HandleNeeded();
  }
}

bool TcxControlWindowedScrollBars::IsOwnScrollBarControl(TControl* AControl) const {
  return AControl && (AControl == FHScrollBar->GetControl() || AControl == FVScrollBar->GetControl() ||
                      AControl == Grip());
}

void TcxControlWindowedScrollBars::SetBarsBounds() {
  if (FHScrollBar->Visible()) FHScrollBar->SetBoundsRect(Owner()->GetHScrollBarBounds());
  if (FVScrollBar->Visible()) FVScrollBar->SetBoundsRect(Owner()->GetVScrollBarBounds());
  if (Grip()->Visible()) Grip()->SetBoundsRect(Owner()->GetSizeGripBounds());
}

void TcxControlWindowedScrollBars::RefreshWindows() {
  for (TWinControl* control : VisibleControls())
    if (control->HandleAllocated() && !IsWindowVisible(control->Handle()))
      ShowWindow(control->Handle(), SW_SHOWNOACTIVATE);
}

void TcxControlWindowedScrollBars::Invalidate() {
  for (TWinControl* control : VisibleControls()) control->Invalidate();
}

// ---------------------------------------------------------------- the control's bars

TClass TcxControl::GetScrollBarClass(TScrollBarKind) const { return TcxControlScrollBar::StaticClass(); }

TClass TcxControl::GetSizeGripClass() const { return TcxSizeGrip::StaticClass(); }

std::unique_ptr<TcxControlCustomScrollBars> TcxControl::CreateMainScrollBarsObject() {
  return std::make_unique<TcxControlWindowedScrollBars>(this);
}

void TcxControl::CreateMainScrollBars() {
  if (!HasScrollBars() || FMainScrollBars) return;
  FMainScrollBars = CreateMainScrollBarsObject();
  FMainScrollBars->Initialize();
  if (TdxSystemInfo* info = dxGetSystemInfo()) info->AddListener(this);
}

void TcxControl::DestroyMainScrollBars() {
  if (!FMainScrollBars) return;
  if (TdxSystemInfo* info = dxGetSystemInfo()) info->RemoveListener(this);
  FMainScrollBars.reset();
}

void TcxControl::RecreateMainScrollBars() {
  if (!HasScrollBars()) return DestroyMainScrollBars();
  CreateMainScrollBars();
  if (HandleAllocated()) InitScrollBars();
}

void TcxControl::InitScrollBars() {
  if (HasScrollBars() && FMainScrollBars) FMainScrollBars->InitScrollBarControls();
}

bool TcxControl::IsInternalScrollBarControl(TControl* AControl) {
  return FMainScrollBars && FMainScrollBars->IsOwnScrollBarControl(AControl);
}

IcxControlScrollBar* TcxControl::GetScrollBar(TScrollBarKind AKind) const {
  return FMainScrollBars ? FMainScrollBars->GetScrollBarOfKind(AKind) : nullptr;
}

bool TcxControl::IsHorzScrollBarVisible() const {
  return FMainScrollBars && FMainScrollBars->IsScrollBarVisible(sbHorizontal);
}

bool TcxControl::IsVertScrollBarVisible() const {
  return FMainScrollBars && FMainScrollBars->IsScrollBarVisible(sbVertical);
}

bool TcxControl::IsScrollBarsArea(const TPoint& P) {
  return FScrollBarsManager->IsScrollBarsArea(P) || IsMainScrollBarsArea(P);
}

bool TcxControl::IsMainScrollBarsArea(const TPoint& P) {
  return FMainScrollBars && FMainScrollBars->IsScrollBarsAreaPoint(P);
}

void TcxControl::SetScrollBars(TScrollStyle Value) {
  if (FScrollBars == Value) return;
  FScrollBars = Value;
  BoundsChanged();
}

void TcxControl::SetScrollBarInfo(TScrollBarKind AScrollBarKind, int AMin, int AMax, int AStep,
                                  int APage, int APos, bool AAllowShow, bool AAllowHide) {
  CreateMainScrollBars();
  IcxControlScrollBar* bar = GetScrollBar(AScrollBarKind);
  if (!bar) return;
  TcxScrollBarData& data = *bar->Data();
  data.PageSize = APage;
  data.Min = AMin;
  data.Max = AMax;
  data.SmallChange = AStep;
  data.LargeChange = APage;
  data.Position = APos;
  const bool styleAllows = AScrollBarKind == sbHorizontal
                               ? FScrollBars == ssHorizontal || FScrollBars == ssBoth
                               : FScrollBars == ssVertical || FScrollBars == ssBoth;
  data.AllowShow = styleAllows && AAllowShow;
  data.AllowHide = AAllowHide;
  if (!data.AllowShow) {
    data.Visible = false;
  } else if (data.IsValid()) {
    data.Enabled = true;
    data.Visible = true;
  } else if (AAllowHide) {
    data.Visible = false;
  } else {
    data.Enabled = false;
    data.Visible = true;
  }
}

void TcxControl::UpdateScrollBars() {
  if (!CanUpdateScrollBars()) return;
  if (FScrollBarsLockCount < 1)
    DoUpdateScrollBars();
  else
    FScrollBarsUpdateNeeded = true;
}

void TcxControl::LockScrollBars() {
  if (FScrollBarsLockCount == 0) FScrollBarsUpdateNeeded = false;
  ++FScrollBarsLockCount;
}

void TcxControl::UnlockScrollBars() {
  if (FScrollBarsLockCount == 0) return;
  if (--FScrollBarsLockCount == 0 && FScrollBarsUpdateNeeded) UpdateScrollBars();
}

void TcxControl::CalculateScrollBars() {
  TcxScrollBarData* h = GetHorzScrollBar()->Data();
  TcxScrollBarData* v = GetVertScrollBar()->Data();
  FMainScrollBars->SetCalculating(true);
  h->Visible = false;
  v->Visible = false;
  BeforeScrollBarsCalculation();
  bool hVisible, vVisible;
  do {
    hVisible = h->Visible;
    vVisible = v->Visible;
    InitScrollBarsParameters();
  } while (hVisible != h->Visible || vVisible != v->Visible);
  ReuseScrollBarSpace();
  FMainScrollBars->SetCalculating(false);
}

// When the content fits once neither bar takes room, both bars go.
void TcxControl::ReuseScrollBarSpace() {
  TcxScrollBarData* h = GetHorzScrollBar()->Data();
  TcxScrollBarData* v = GetVertScrollBar()->Data();
  for (const TcxScrollBarData* data : {h, v})
    if (!data->Visible || !data->Enabled || !data->AllowHide) return;
  const int vWidth = GetVertScrollBar()->Width();
  const int hHeight = GetHorzScrollBar()->Height();
  const bool reuseH = CanReuseScrollBarSpace(sbHorizontal) && vWidth + h->PageSize >= h->Max - h->Min + 1;
  const bool reuseV = CanReuseScrollBarSpace(sbVertical) && hHeight + v->PageSize >= v->Max - v->Min + 1;
  if (!reuseH || !reuseV) return;
  // AllowShow already holds the style; it allows this bar.
  SetScrollBarInfo(sbHorizontal, h->Min, h->Max, h->SmallChange, h->PageSize + vWidth, h->Position,
                   h->AllowShow, h->AllowHide);
  SetScrollBarInfo(sbVertical, v->Min, v->Max, v->SmallChange, v->PageSize + hHeight, v->Position,
                   v->AllowShow, v->AllowHide);
}

void TcxControl::SetScrollBarVisibleDisabled(TScrollBarKind AKind, bool AInitialVisible) {
  IcxControlScrollBar* bar = GetScrollBar(AKind);
  if (bar->Visible() == AInitialVisible) return;
  bar->Data()->Visible = true;
  bar->Data()->Enabled = false;
  bar->ApplyData();
}

void TcxControl::DoUpdateScrollBars() {
  CreateMainScrollBars();
  if (!FMainScrollBars) return;
  const bool outermost = !FUpdatingScrollBars;
  if (outermost) {
    FInitialHScrollBarVisible = GetHorzScrollBar()->Visible();
    FInitialVScrollBarVisible = GetVertScrollBar()->Visible();
  }
  struct TRunning {
    TcxControl* Control;
    bool Saved;
    bool Outermost;
    ~TRunning() {
      Control->FUpdatingScrollBars = Saved;
      if (Outermost) Control->FIsInitialScrollBarsParams = false;
    }
  } running{this, FUpdatingScrollBars, outermost};
  FUpdatingScrollBars = true;
  const bool hBefore = GetHorzScrollBar()->Visible();
  const bool vBefore = GetVertScrollBar()->Visible();
  if (!FIsInitialScrollBarsParams) {
    if (!FMainScrollBars->Calculating()) CalculateScrollBars();
    FIsInitialScrollBarsParams = !outermost &&
                                 GetHorzScrollBar()->Data()->Visible == FInitialHScrollBarVisible &&
                                 GetVertScrollBar()->Data()->Visible == FInitialVScrollBarVisible;
    if (FIsInitialScrollBarsParams) {
      // Swung back to where the outermost update began: the bars that
      // changed stay, disabled, instead of switching again.
      SetScrollBarVisibleDisabled(sbHorizontal, FInitialHScrollBarVisible);
      SetScrollBarVisibleDisabled(sbVertical, FInitialVScrollBarVisible);
    } else {
      FMainScrollBars->ApplyScrollBarsData();
    }
  }
  if (GetHorzScrollBar()->Visible() != hBefore || GetVertScrollBar()->Visible() != vBefore) {
    BoundsChanged();
    return;
  }
  FMainScrollBars->SetSizeGripVisible(IsSizeGripVisible());
  SetScrollBarsBounds();
  if (CanBringScrollBarsToFront()) BringScrollBarsToFront();
}

TRect TcxControl::GetHScrollBarBounds() {
  const TRect client = GetClientBounds();
  return TRect(client.Left, client.Bottom, client.Right, client.Bottom + GetHorzScrollBar()->Height());
}

TRect TcxControl::GetVScrollBarBounds() {
  const TRect client = GetClientBounds();
  return TRect(client.Right, client.Top, client.Right + GetVertScrollBar()->Width(), client.Bottom);
}

TRect TcxControl::GetSizeGripBounds() {
  const TRect h = GetHScrollBarBounds();
  const TRect v = GetVScrollBarBounds();
  return TRect(v.Left, h.Top, v.Right, h.Bottom);
}

void TcxControl::SetScrollBarsBounds() {
  if (FMainScrollBars) FMainScrollBars->SetBarsBounds();
}

void TcxControl::BringScrollBarsToFront() {
  if (FMainScrollBars) FMainScrollBars->BringBarsToFront();
}

void TcxControl::RefreshScrollBarWindows() {
  if (HasScrollBars() && FMainScrollBars) FMainScrollBars->RefreshWindows();
}

void TcxControl::CheckScrollBarSizes() {
  if (!HasScrollBars() || !FMainScrollBars) return;
  const int kinds = GetScrollBarsToCheck();
  bool changed = false;
  if (kinds & 1) changed |= FMainScrollBars->CheckScrollBarSize(sbHorizontal);
  if (kinds & 2) changed |= FMainScrollBars->CheckScrollBarSize(sbVertical);
  if (changed) BoundsChanged();
}

// ---------------------------------------------------------------- scrolling

void TcxControl::ScrollContent(TcxDirection ADirection) {
  if (ADirection == dirNone) return;
  if (!HasScrollBars() && !CanScrollContentWithoutScrollBars(ADirection)) return;
  const TScrollBarKind kind = ADirection == dirLeft || ADirection == dirRight ? sbHorizontal : sbVertical;
  const TScrollCode code = ADirection == dirLeft || ADirection == dirUp ? scLineUp : scLineDown;
  IcxControlScrollBar* bar = GetScrollBar(kind);
  int pos = bar ? bar->Position() : 0;
  Scroll(kind, code, pos);
  Update();
}

void TcxControl::ScrollWindow(int DX, int DY, const TRect& AScrollRect) {
  const RECT scroll{AScrollRect.Left, AScrollRect.Top, AScrollRect.Right, AScrollRect.Bottom};
  // A drag image over the content would be scrolled with it.
  TDragObject* dragObject = cxGetCurrentDragObject();
  if (dragObject) dragObject->HideDragImage();
  ScrollWindowEx(Handle(), DX, DY, &scroll, nullptr, nullptr, nullptr, SW_INVALIDATE | SW_ERASE);
  if (dragObject) dragObject->ShowDragImage();
}

// ---------------------------------------------------------------- scroll helper

bool TdxScrollHelper::IsScrollDataValid(IdxScrollingControl* AControl) {
  return AControl->GetScrollingControl()->HandleAllocated();
}

TSize TdxScrollHelper::GetClientSize(IdxScrollingControl* AControl) {
  const TRect client = AControl->GetScrollingControl()->ClientBounds();
  return TSize{client.Width(), client.Height()};
}

void TdxScrollHelper::InitScrollBarsParameters(IdxScrollingControl* AControl) {
  TcxControl* control = AControl->GetScrollingControl();
  const TSize content = AControl->GetContentExtent();
  const TSize client = GetClientSize(AControl);
  control->SetScrollBarInfo(sbHorizontal, 0, content.cx - 1, 10, client.cx, AControl->GetHorzPos(),
                            true, true);
  control->SetScrollBarInfo(sbVertical, 0, content.cy - 1, 10, client.cy, AControl->GetVertPos(),
                            true, true);
}

int TdxScrollHelper::ClampLeft(IdxScrollingControl* AControl, int AValue) {
  const int last = AControl->GetContentExtent().cx - GetClientSize(AControl).cx;
  return std::max(0, std::min(AValue, last));
}

int TdxScrollHelper::ClampTop(IdxScrollingControl* AControl, int AValue) {
  const int last = AControl->GetContentExtent().cy - GetClientSize(AControl).cy;
  return std::max(0, std::min(AValue, last));
}

void TdxScrollHelper::Refresh(IdxScrollingControl* AControl) {
  TcxControl* control = AControl->GetScrollingControl();
  if (!control->HandleAllocated()) return;
  control->UpdateScrollBars();
  CheckPositions(AControl);
  control->Invalidate();
  control->Update();
}

void TdxScrollHelper::SetLeftPos(IdxScrollingControl* AControl, int AValue) {
  AValue = ClampLeft(AControl, AValue);
  if (AValue == AControl->GetHorzPos()) return;
  AControl->SetHorzPos(AValue);
  Refresh(AControl);
}

void TdxScrollHelper::SetTopPos(IdxScrollingControl* AControl, int AValue) {
  AValue = ClampTop(AControl, AValue);
  if (AValue == AControl->GetVertPos()) return;
  AControl->SetVertPos(AValue);
  Refresh(AControl);
}

void TdxScrollHelper::SetPos(IdxScrollingControl* AControl, int X, int Y) {
  X = ClampLeft(AControl, X);
  Y = ClampTop(AControl, Y);
  if (X == AControl->GetHorzPos() && Y == AControl->GetVertPos()) return;
  AControl->SetHorzPos(X);
  AControl->SetVertPos(Y);
  Refresh(AControl);
}

void TdxScrollHelper::CheckPositions(IdxScrollingControl* AControl) {
  SetPos(AControl, AControl->GetHorzPos(), AControl->GetVertPos());
}

void TdxScrollHelper::Scroll(IdxScrollingControl* AControl, TScrollBarKind AScrollBarKind,
                             TScrollCode AScrollCode, int& AScrollPos) {
  TcxControl* control = AControl->GetScrollingControl();
  const bool horizontal = AScrollBarKind == sbHorizontal;
  const int page = horizontal ? control->ClientWidth() : control->ClientHeight();
  const int current = horizontal ? AControl->GetHorzPos() : AControl->GetVertPos();
  int pos = current;
  switch (AScrollCode) {
    case scLineUp: pos -= 10; break;
    case scLineDown: pos += 10; break;
    case scPageUp: pos -= page; break;
    case scPageDown: pos += page; break;
    case scTrack: pos = AScrollPos; break;
    default: break;
  }
  if (horizontal) SetLeftPos(AControl, pos);
  else SetTopPos(AControl, pos);
  AScrollPos = horizontal ? AControl->GetHorzPos() : AControl->GetVertPos();
}
