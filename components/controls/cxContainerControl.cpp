// The container control: view-info calculation from focus, enabled state
// and the mouse, painting, window region, inner-control clipping, focus and
// key forwarding, and the mirrored native scroll bars.
#include <oleacc.h>

#include <algorithm>

#include "components/controls/cxContainer.h"
#include "vcl/controls/Forms.h"

namespace {

constexpr int TransparentBorderWidth = 2;
constexpr int NativeBorderWidth = 2;
constexpr int ShadowSize = 3;

bool IsWindowFocused(HWND AWindow) { return AWindow && GetFocus() == AWindow; }

bool IsKeyMessage(UINT AMsg) {
  switch (AMsg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case CN_KEYDOWN:
    case CN_KEYUP:
    case CN_CHAR: return true;
  }
  return false;
}

}  // namespace

TcxContainer::TcxContainer(TComponent* AOwner) : TcxControl(AOwner) {
  CreateStylesAndViewInfo();
  TControlStyle style = ControlStyle();
  style.Include(csCaptureMouse);
  style.Include(csSetCaption);
  SetControlStyle(style);
  SetTabStop(true);
  FInternalSetting = true;
  SetParentColor(DefaultParentColor() && !IsInplace() && !Style()->IsValueAssigned(csvColor));
  if (!ParentColor()) SetColor(clWindow);
  FInternalSetting = false;
  ClearSavedChildControlRegions();
  FIsCreating = false;
}

TcxContainer::~TcxContainer() {
  SetInnerControl(nullptr);
  // The window goes while the styles and the view info its messages use
  // are still there.
  Destroying();
  DestroyHandle();
  FViewInfo.reset();
  FStyles->SetOnChanged(nullptr);
  FStyles.reset();
}

void TcxContainer::CreateStylesAndViewInfo() {
  FStyles = std::make_unique<TcxContainerStyles>(
      this, [this](TPersistent*, TcxContainerStyle* AParentStyle, TcxContainerStateItem AState) {
        return CreateStyle(AParentStyle, AState);
      });
  FStyles->SetOnChanged([this](TObject* Sender) { StyleChanged(Sender); });
  FActiveStyleData = {};
  FActiveStyleData.ActiveStyle = Style();
  FViewInfo = CreateViewInfo();
  FViewInfo->Owner = this;
  LookAndFeel()->SetMasterLookAndFeel(Style()->LookAndFeel());
}

void TcxContainer::RecreateStylesAndViewInfo() {
  FStyles->SetOnChanged(nullptr);
  LookAndFeel()->SetMasterLookAndFeel(nullptr);
  FViewInfo.reset();
  FStyles.reset();
  CreateStylesAndViewInfo();
  FIsViewInfoCalculated = false;
}

TcxContainerStyle* TcxContainer::CreateStyle(TcxContainerStyle* AParentStyle, TcxContainerStateItem AState) {
  return new TcxContainerStyle(this, false, AParentStyle, AState);
}

std::unique_ptr<TcxContainerViewInfo> TcxContainer::CreateViewInfo() {
  return std::make_unique<TcxContainerViewInfo>();
}

void TcxContainer::SetInnerControl(TWinControl* Value) {
  if (FInnerControl == Value) return;
  if (FInnerControl) FInnerControl->RemoveFreeNotification(this);
  FInnerControl = Value;
  if (FInnerControl) FInnerControl->FreeNotification(this);
  ClearSavedChildControlRegions();
}

void TcxContainer::SetDragMode(TDragMode Value) {
  TcxControl::SetDragMode(Value);
  if (FInnerControl) FInnerControl->SetDragMode(Value);
}

void TcxContainer::SetDragKind(TDragKind Value) {
  TcxControl::SetDragKind(Value);
  if (FInnerControl) FInnerControl->SetDragKind(Value);
}

TDragImageList* TcxContainer::GetDragImages() {
  return FInnerControl ? FInnerControl->GetDragImages() : TcxControl::GetDragImages();
}

void TcxContainer::Notification(TComponent* AComponent, TOperation Operation) {
  TcxControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FInnerControl) FInnerControl = nullptr;
}

void TcxContainer::Loaded() {
  TcxControl::Loaded();
  UpdateInnerControlBounds();
  StyleChanged(Style());
}

// ---------------------------------------------------------------- refresh

bool TcxContainer::CanRefreshContainer() {
  return FRefreshLockCount == 0 && !FIsCreating && !IsDestroying() && !IsLoading() &&
         !ControlState().Contains(csDestroyingHandle) && HandleAllocated();
}

void TcxContainer::ShortRefreshContainer(bool AIsMouseEvent) {
  TPoint p = cxInvalidPoint;
  if (HandleAllocated()) {
    POINT cursor;
    if (GetCursorPos(&cursor) && cxIsSameOrChildWindow(Handle(), WindowFromPoint(cursor)))
      p = ScreenToClient(TPoint(cursor.x, cursor.y));
  }
  InternalRefreshContainer(p, cxmbNone, KeyboardStateToShiftState(), AIsMouseEvent);
}

void TcxContainer::InternalRefreshContainer(const TPoint& P, TcxMouseButton Button, TShiftState Shift,
                                            bool AIsMouseEvent) {
  FHasChanges = true;
  bool result = false;
  if (CanRefreshContainer()) {
    ++FRefreshLockCount;
    FHasChanges = false;
    try {
      result = RefreshContainer(P, Button, Shift, AIsMouseEvent);
    } catch (...) {
      --FRefreshLockCount;
      throw;
    }
    --FRefreshLockCount;
  }
  if (AIsMouseEvent && CanRefreshContainer()) ProcessEvents();
  FIsViewInfoCalculated = result && !FHasChanges;
}

void TcxContainer::ProcessEvents() {
  if (FProcessEventsLockCount != 0) return;
  ++FProcessEventsLockCount;
  try {
    ProcessMouseRefreshEvents();
  } catch (...) {
    --FProcessEventsLockCount;
    throw;
  }
  --FProcessEventsLockCount;
}

bool TcxContainer::RefreshContainer(const TPoint& P, TcxMouseButton, TShiftState Shift, bool) {
  const bool allowHotTrack = cxIsShiftStateClear(Shift) && GetActiveStyle()->HotTrack();
  CalculateViewInfo(P, allowHotTrack);
  UpdateInnerControlBounds();
  AdjustInnerControl();
  UpdateWindowRegion();
  if (FInnerControl)
    cxRedrawFrameAroundRect(Handle(), cxGetControlLocalRect(this), FViewInfo->BorderRect, false, false);
  else
    InvalidateRect(cxGetControlLocalRect(this), false);
  return true;
}

void TcxContainer::EnsureViewInfoCalculated() {
  if (!FIsViewInfoCalculated) ShortRefreshContainer(false);
}

void TcxContainer::CalculateContainerState(const TPoint& P, bool AllowHotTrack) {
  TcxContainerState state;
  if (!Enabled()) state = {csDisabled};
  else if (IsDesigning()) state = {csNormal};
  else {
    state = {Focused() ? csActive : csNormal};
    if (AllowHotTrack && VisibleBounds().Contains(P)) state.Include(csHotTrack);
  }
  FViewInfo->ContainerState = state;
  TcxContainerStyle* active = GetActiveStyle();
  if (!active->HotTrack()) FViewInfo->HotState = chsNoHotTrack;
  else if (state.Contains(csActive) || state.Contains(csHotTrack)) FViewInfo->HotState = chsSelected;
  else FViewInfo->HotState = chsNormal;
  if (FViewInfo->NativeStyle) {
    FViewInfo->BorderStyle = Style()->BorderStyle();
  } else {
    const TcxContainerBorderStyle borderStyle = active->BorderStyle();
    FViewInfo->BorderStyle = borderStyle == cbsUltraFlat || borderStyle == cbsOffice11 ? cbsSingle : borderStyle;
  }
}

void TcxContainer::CalculateViewInfo(const TPoint& P, bool AllowHotTrack) {
  FViewInfo->FCalculated = true;
  FViewInfo->NativeStyle = IsNativeStyle();
  FViewInfo->UpdateStyle(Style());
  const int oldWidth = cxGetContainerFrameWidth(FViewInfo->BorderStyle);
  CalculateContainerState(P, AllowHotTrack);
  // The visible bounds depend on the border width: a thinner border asks
  // for the hot-track test once more.
  if (!FViewInfo->NativeStyle && cxGetContainerFrameWidth(FViewInfo->BorderStyle) < oldWidth)
    CalculateContainerState(P, AllowHotTrack);
  if (FViewInfo->NativeStyle) {
    FViewInfo->ThemedObjectType = GetThemedObjectType();
    FViewInfo->NativePart = GetNativePart();
    FViewInfo->NativeState = GetNativeState();
  }
  FViewInfo->Bounds = TRect(0, 0, Width(), Height());
  const TRect extent = GetBorderExtent();
  FViewInfo->BorderRect = TRect(extent.Left, extent.Top, Width() - extent.Right, Height() - extent.Bottom);
  FViewInfo->ClientRect = FViewInfo->BorderRect;
  FViewInfo->BorderWidth = FViewInfo->Painter->GetContainerBorderWidth(FViewInfo->BorderStyle);
  FViewInfo->Edges = GetActiveStyle()->Edges();
  FViewInfo->Shadow = IsShadowVisible();
  FViewInfo->BorderColor = GetBorderColor();
  FViewInfo->SetBackgroundColor(GetBackgroundColor());
  ViewInfoCalculatedHook();
}

TcxContainerStyle* TcxContainer::GetActiveStyle() {
  if (FViewInfo->ContainerState == FActiveStyleData.ContainerState) return FActiveStyleData.ActiveStyle;
  FActiveStyleData.ContainerState = FViewInfo->ContainerState;
  FActiveStyleData.ActiveStyle = InternalGetActiveStyle();
  return FActiveStyleData.ActiveStyle;
}

TcxContainerStyle* TcxContainer::InternalGetActiveStyle() {
  const TcxContainerState state = FViewInfo->ContainerState;
  if (state.Contains(csDisabled)) return StyleDisabled();
  if (state.Contains(csActive)) return StyleFocused();
  if (Style()->HotTrack() && state.Contains(csHotTrack)) return StyleHot();
  return Style();
}

// ---------------------------------------------------------------- rectangles

TRect TcxContainer::GetBorderExtent() {
  TcxContainerStyle* active = GetActiveStyle();
  const bool native = FViewInfo->NativeStyle;
  TRect extent;
  if (active->TransparentBorder()) {
    extent = TRect(TransparentBorderWidth, TransparentBorderWidth, TransparentBorderWidth, TransparentBorderWidth);
  } else if (!active->HasBorder() || (native && Style()->BorderStyle() == cbsNone)) {
    extent = TRect();
  } else if (native) {
    extent = TRect(NativeBorderWidth, NativeBorderWidth, NativeBorderWidth, NativeBorderWidth);
  } else {
    const int w = cxGetContainerFrameWidth(FViewInfo->BorderStyle);
    const TcxBorders edges = active->Edges();
    extent = TRect(edges.Contains(bLeft) ? w : 0, edges.Contains(bTop) ? w : 0, edges.Contains(bRight) ? w : 0,
                   edges.Contains(bBottom) ? w : 0);
  }
  if (IsShadowVisible()) {
    extent.Right += ShadowSize;
    extent.Bottom += ShadowSize;
  }
  return extent;
}

TRect TcxContainer::GetVisibleBounds() {
  TRect r(0, 0, Width(), Height());
  if (IsInplace()) return r;
  if (IsShadowVisible()) {
    r.Right -= ShadowSize;
    r.Bottom -= ShadowSize;
  }
  const bool transparent = Style()->TransparentBorder();
  if (Style()->HasBorder()) {
    if (FViewInfo->NativeStyle) {
      if (transparent && FViewInfo->BorderStyle == cbsNone) r.Inflate(-NativeBorderWidth, -NativeBorderWidth);
    } else if (transparent) {
      const int w = cxGetContainerFrameWidth(FViewInfo->BorderStyle);
      r.Inflate(w - TransparentBorderWidth, w - TransparentBorderWidth);
      cxShrinkRectByMissingEdges(r, w, FViewInfo->Edges);
    }
  } else if (transparent) {
    r.Inflate(-TransparentBorderWidth, -TransparentBorderWidth);
  }
  if (r.Top > r.Bottom) r = TRect(r.Left, 0, r.Right, 0);
  return r;
}

TRect TcxContainer::GetShadowBounds() {
  const TRect extent = GetBorderExtent();
  TRect r(FViewInfo->Bounds.Left + extent.Left, FViewInfo->Bounds.Top + extent.Top,
          FViewInfo->Bounds.Right - extent.Right, FViewInfo->Bounds.Bottom - extent.Bottom);
  const int w = FViewInfo->Painter->GetContainerBorderWidth(FViewInfo->BorderStyle);
  r.Inflate(w, w);
  cxShrinkRectByMissingEdges(r, w, GetActiveStyle()->Edges());
  return r;
}

bool TcxContainer::IsShadowVisible() { return GetActiveStyle()->Shadow() && !IsNativeStyle(); }

bool TcxContainer::IsTransparentBorderUsed() {
  if (FViewInfo->NativeStyle && FViewInfo->BorderStyle != cbsNone) return false;
  return GetActiveStyle()->TransparentBorder();
}

bool TcxContainer::IsNativeStyle() {
  return cxShouldUseThemedPainting(Style()->LookAndFeel()->NativeStyle(), GetThemedObjectType());
}

int TcxContainer::GetNativePart() { return LOBYTE(LOWORD(GetVersion())) >= 6 ? 3 : 1; }

int TcxContainer::GetNativeState() {
  if (!Enabled()) return 4;
  if (IsReadOnly()) return 6;
  if (Focused()) return 5;
  return FViewInfo->ContainerState.Contains(csHotTrack) ? 2 : 1;
}

// ---------------------------------------------------------------- colours

TColor TcxContainer::GetBackgroundColor() {
  TColor background, text;
  GetSkinColors(background, text);
  if (background != clDefault) return background;
  TcxContainerStyle* active = GetActiveStyle();
  TColor color = active->Color();
  if (FViewInfo->NativeStyle && !Enabled() && !active->AssignedValues().Contains(csvColor)) {
    COLORREF themeColor;
    if (SUCCEEDED(GetThemeColor(dxThemeHandleOf(GetThemedObjectType()), GetNativePart(), GetNativeState(),
                                TMT_FILLCOLOR, &themeColor)))
      color = static_cast<TColor>(themeColor);
  }
  return color;
}

TColor TcxContainer::GetBorderColor() {
  const TcxContainerState state = FViewInfo->ContainerState;
  TcxContainerStyle* active = GetActiveStyle();
  const bool highlight = state.Contains(csActive) || (state.Contains(csHotTrack) && active->HotTrack()) ||
                         (IsDesigning() && Enabled());
  if (const TColor skin = GetSkinBorderColor(highlight); skin != clDefault) return skin;
  const TcxContainerBorderStyle borderStyle = active->BorderStyle();
  if (borderStyle == cbsUltraFlat || borderStyle == cbsOffice11)
    return cxGetContainerFrameColor(highlight, borderStyle == cbsOffice11);
  return active->BorderColor();
}

TColor TcxContainer::GetSkinBorderColor(bool AIsHighlight) {
  if (!FViewInfo->UseSkins) return clDefault;
  if (IsStyleValueAssigned(csvBorderColor)) return GetActiveStyle()->BorderColor();
  return FViewInfo->Painter->GetContainerBorderColor(AIsHighlight);
}

void TcxContainer::GetSkinColors(TColor& ABackground, TColor& AText) {
  ABackground = AText = clDefault;
  if (!FViewInfo->UseSkins) return;
  if (!IsStyleValueAssigned(csvTextColor)) AText = GetDefaultTextColor();
  if (!ParentColor() && !IsStyleValueAssigned(csvColor)) ABackground = GetDefaultBackgroundColor();
}

TcxEditStateColorKind TcxContainer::GetEditStateColorKind() {
  if (!Enabled()) return esckDisabled;
  return Focused() ? esckNormal : esckInactive;
}

TColor TcxContainer::GetDefaultBackgroundColor() {
  return FViewInfo->Painter->DefaultEditorBackgroundColorEx(GetEditStateColorKind());
}

TColor TcxContainer::GetDefaultTextColor() {
  return FViewInfo->Painter->DefaultEditorTextColorEx(GetEditStateColorKind());
}

TFont* TcxContainer::GetVisibleFontWithTextColor() {
  TFont* font = GetActiveStyle()->GetVisibleFont();
  TColor background, text;
  GetSkinColors(background, text);
  if (text != clDefault) font->SetColor(text);
  return font;
}

bool TcxContainer::IsStyleValueAssigned(TcxContainerStyleValue AValue) {
  return Style()->IsValueAssigned(AValue) || GetActiveStyle()->IsValueAssigned(AValue);
}

bool TcxContainer::IsStylePropertyPublished(const String& APropertyName, bool AExtendedStyle) {
  if (!AExtendedStyle) return true;
  if (!Style()->IsExtendedStylePropertyPublished(APropertyName)) return false;
  TcxContainerStyleValue value;
  return !TcxContainerStyle::GetStyleValue(APropertyName, value) ||
         !InternalGetNotPublishedStyleValues().Contains(value);
}

// ---------------------------------------------------------------- inner control

void TcxContainer::AdjustInnerControl() {
  if (!FInnerControl) return;
  FInnerControl->SetColor(FViewInfo->BackgroundColor());
  FInnerControl->SetFont(GetVisibleFontWithTextColor());
}

void TcxContainer::AdjustInnerControlBounds() {
  if (!FViewInfo->FCalculated || !FInnerControl) return;
  const TRect& r = FViewInfo->ClientRect;
  if (FInnerControl->BoundsRect() != r) FInnerControl->SetBounds(r.Left, r.Top, r.Width(), r.Height());
  ArrangeChildControls(FInnerControl);
}

void TcxContainer::UpdateInnerControlBounds() {
  ++FRefreshLockCount;
  AdjustInnerControlBounds();
  --FRefreshLockCount;
}

void TcxContainer::ArrangeChildControls(TWinControl* AControl) {
  if (IsContainerClass()) return Realign();
  if (FLockAlignControlsCount > 0 || (AControl && IsInternalScrollBarControl(AControl))) return;
  if (!AControl) return;
  if (!AControl->HandleAllocated()) return;
  TcxContainerInnerControlBounds bounds;
  GetInnerControlVisibleBounds(VisibleBounds(), AControl, bounds);
  if (!IsInnerControlBoundsChanged(AControl, bounds)) return;
  cxSetWindowRegionFromBounds(AControl, bounds);
  FInnerControlBounds = bounds;
}

bool TcxContainer::IsInnerControlBoundsChanged(TWinControl* AControl,
                                               const TcxContainerInnerControlBounds& ABounds) const {
  if (AControl != FInnerControl) return true;
  return ABounds.IsEmpty != FInnerControlBounds.IsEmpty ||
         (!ABounds.IsEmpty && ABounds.Rect != FInnerControlBounds.Rect);
}

void TcxContainer::GetInnerControlVisibleBounds(const TRect& AVisibleBounds, TWinControl* AControl,
                                                TcxContainerInnerControlBounds& ABounds) {
  if (!AControl) {
    ABounds.IsEmpty = true;
    return;
  }
  ABounds.IsEmpty = false;
  const TRect full(0, 0, AControl->Width(), AControl->Height());
  const TRect control = AControl->BoundsRect();
  TRect r = full;
  if (control.Left < AVisibleBounds.Left) r.Left = AVisibleBounds.Left - control.Left;
  if (control.Top < AVisibleBounds.Top) r.Top = AVisibleBounds.Top - control.Top;
  if (control.Right > AVisibleBounds.Right) r.Right -= control.Right - AVisibleBounds.Right;
  if (control.Bottom > AVisibleBounds.Bottom) r.Bottom -= control.Bottom - AVisibleBounds.Bottom;
  ABounds.Rect = r;
  if (r == full) ABounds.IsEmpty = true;
}

// ---------------------------------------------------------------- window region and painting

TcxRegion* TcxContainer::CreateWindowRegion() {
  const bool nativeBorder = FViewInfo->NativeStyle && FViewInfo->BorderStyle != cbsNone;
  TcxRegion* region = cxBuildWindowShadowRegion(Handle(), GetShadowBounds(), GetShadowBoundsExtent(), nativeBorder,
                                                FViewInfo->Shadow, TRect());
  if (!region && IsTransparentBorderUsed()) region = new TcxRegion(GetShadowBounds());
  if (region) region->Combine(GetWindowRegionAddition(), roAdd);
  return region;
}

void TcxContainer::UpdateWindowRegion() {
  if (HandleAllocated()) cxSetWindowRegionIfChanged(Handle(), CreateWindowRegion());
}

void TcxContainer::SetShadowClipRegion() {
  if (TcxRegion* region = cxBuildWindowShadowRegion(Handle(), GetShadowBounds(), GetShadowBoundsExtent(),
                                                    !IsTransparentBorderUsed(), FViewInfo->Shadow, TRect()))
    Canvas()->SetClipRegion(region, roIntersect);
}

void TcxContainer::DoPaint() {
  RECT clip;
  const RECT bounds{FViewInfo->Bounds.Left, FViewInfo->Bounds.Top, FViewInfo->Bounds.Right,
                    FViewInfo->Bounds.Bottom};
  RECT common;
  if (GetClipBox(Canvas()->Handle(), &clip) == NULLREGION) return;
  if (FViewInfo->FCalculated && !IntersectRect(&common, &bounds, &clip)) return;
  if (ControlState().Contains(csPaintCopy)) SetShadowClipRegion();
  EnsureViewInfoCalculated();
  FViewInfo->Paint(Canvas());
}

void TcxContainer::Invalidate() {
  TcxControl::Invalidate();
  if (FInnerControl) FInnerControl->Invalidate();
}

void TcxContainer::Update() {
  TcxControl::Update();
  if (FInnerControl) FInnerControl->Update();
}

// ---------------------------------------------------------------- style and state changes

void TcxContainer::StyleChanged(TObject* Sender) {
  if (FIsCreating || IsLoading()) return;
  ShortRefreshContainer(false);
  const bool fontAssigned = Style()->AssignedValues().Contains(csvFont);
  const bool parentFont = ParentFont();
  FInternalSetting = true;
  if (!ParentColor() || Style()->AssignedValues().Contains(csvColor)) SetColor(Style()->InternalGetColor());
  Font()->Assign(Style()->Font());
  // Taking the style's font must not cut the link to the parent's.
  if (parentFont && !fontAssigned) SetParentFont(true);
  FInternalSetting = false;
  if (fontAssigned) SetParentFont(false);
  StyleChangedHook(dynamic_cast<TcxContainerStyle*>(Sender));
}

void TcxContainer::ColorChanged() {
  if (FInternalSetting) {
    TcxControl::ColorChanged();
    ShortRefreshContainer(false);
  } else {
    Style()->SetColor(Color());
  }
}

void TcxContainer::CursorChanged() {
  TcxControl::CursorChanged();
  if (FInnerControl) FInnerControl->SetCursor(Cursor());
}

void TcxContainer::FocusChanged() {
  TcxControl::FocusChanged();
  ShortRefreshContainer(false);
}

void TcxContainer::EnabledChanged() {
  if (!Enabled() && Focused()) ::SetFocus(nullptr);
  for (IcxControlScrollBar* bar : {GetMirroredScrollBar(sbHorizontal), GetMirroredScrollBar(sbVertical)})
    if (bar) bar->SetEnabled(Enabled());
  ShortRefreshContainer(false);
}

void TcxContainer::HandleFontChangedMessage(TMessage& Message) {
  if (FInternalSetting) {
    TcxControl::WndProc(Message);
    UpdateInnerControlBounds();
    SetScrollBarsParameters(false);
    ShortRefreshContainer(false);
    return;
  }
  // One change, with the flag already settled: a font taken from the parent
  // is not an assigned one.
  const bool wasAssigned = Style()->AssignedValues().Contains(csvFont);
  Style()->BeginUpdate();
  Style()->SetFont(Font());
  if (!wasAssigned && ParentFont())
    Style()->SetAssignedValues(Style()->AssignedValues() - TcxContainerStyleValues{csvFont});
  Style()->EndUpdate();
  TcxControl::WndProc(Message);
}

void TcxContainer::HandleParentFontChangedMessage(TMessage& Message) {
  const bool wasAssigned = Style()->AssignedValues().Contains(csvFont);
  TcxControl::WndProc(Message);
  if (!wasAssigned || ParentFont())
    Style()->SetAssignedValues(Style()->AssignedValues() - TcxContainerStyleValues{csvFont});
}

void TcxContainer::HandleParentColorChangedMessage(TMessage& Message) {
  const bool wasAssigned = Style()->AssignedValues().Contains(csvColor);
  TcxControl::WndProc(Message);
  if (!wasAssigned || ParentColor())
    Style()->SetAssignedValues(Style()->AssignedValues() - TcxContainerStyleValues{csvColor});
  if (Style()->Color() != Color()) StyleChanged(Style());
}

// ---------------------------------------------------------------- focus

bool TcxContainer::Focused() {
  if (IsDesigning() || ControlState().Contains(csDestroyingHandle)) return false;
  return (HandleAllocated() && IsWindowFocused(Handle())) ||
         (FInnerControl && FInnerControl->HandleAllocated() && IsWindowFocused(FInnerControl->Handle()));
}

bool TcxContainer::IsFocusWithin() { return HandleAllocated() && TWinControl::Focused(); }

void TcxContainer::SetFocus() {
  if (IsDesigning() || IsFocusWithin()) return;
  TcxControl::SetFocus();
  if (FInnerControl && FInnerControl->HandleAllocated() && IsWindowFocused(Handle())) FocusInnerControl();
}

void TcxContainer::GetTabOrderList(std::vector<TWinControl*>& List) {
  TcxControl::GetTabOrderList(List);
  if (IsContainerClass() || !FInnerControl) return;
  TCustomForm* form = GetParentForm(this);
  if (!form || form->ActiveControl() != FInnerControl || !CanFocus()) return;
  std::erase(List, FInnerControl);
  std::replace(List.begin(), List.end(), static_cast<TWinControl*>(this), FInnerControl);
}

void TcxContainer::FocusInnerControl() { FInnerControl->SetFocus(); }

bool TcxContainer::MayFocus() {
  return !FInnerControl || !FInnerControl->HandleAllocated() || !IsWindowFocused(FInnerControl->Handle());
}

bool TcxContainer::CanFocusOnClick() {
  return TcxControl::CanFocusOnClick() && MayFocus() && !FInnerControlMouseDown;
}

bool TcxContainer::IsOwnWindowHandle(HWND H) {
  return TcxControl::IsOwnWindowHandle(H) ||
         (IsInnerControlHandleOwned() && FInnerControl && FInnerControl->HandleAllocated() &&
          H == FInnerControl->Handle());
}

// True when the message was dropped.
bool TcxContainer::HandleSetFocusMessage(TMessage& Message) {
  if (IsDestroying() || !FInnerControl || !FInnerControl->HandleAllocated()) return false;
  if (reinterpret_cast<HWND>(Message.WParam) == FInnerControl->Handle()) {
    Message.Result = 0;
    return true;
  }
  TcxControl::WndProc(Message);
  if (FInnerControl->CanFocus()) FocusInnerControl();
  return true;
}

bool TcxContainer::HandleKillFocusMessage(TMessage& Message) {
  if (!FInnerControl || !FInnerControl->HandleAllocated()) return false;
  return reinterpret_cast<HWND>(Message.WParam) == FInnerControl->Handle();
}

// ---------------------------------------------------------------- keys, mouse, messages

void TcxContainer::HandleKeyDown(TMessage& Message) {
  TcxControl::WndProc(Message);
  const TShiftState shift = KeyboardStateToShiftState();
  if (Message.WParam != VK_TAB || shift.Contains(ssAlt) || shift.Contains(ssCtrl) || !Focused() ||
      !NeedsFocusMoveOnTab())
    return;
  Message.WParam = 0;
  if (TCustomForm* form = GetParentForm(this)) form->SelectNext(form->ActiveControl(), !shift.Contains(ssShift), true);
  if (HandleAllocated() && IsWindowFocused(Handle()) && FInnerControl) FocusInnerControl();
}

bool TcxContainer::InnerControlMenuHandler(TMessage& Message) {
  if (Message.Msg != CN_KEYDOWN && Message.Msg != CN_SYSKEYDOWN) return false;
  Message.Result = 1;
  const bool handled = HandleShortCut(Message);
  if (!handled) Message.Result = 0;
  return handled;
}

void TcxContainer::HandleSetCursorMessage(TMessage& Message) {
  if (FInnerControl && LOWORD(Message.LParam) == HTCLIENT) {
    const TPoint p = GetMouseCursorClientPos();
    if (!FViewInfo->ClientRect.Contains(p)) {
      ::SetCursor(LoadCursorW(nullptr, IDC_ARROW));
      Message.Result = 1;
      return;
    }
  }
  TcxControl::WndProc(Message);
}

void TcxContainer::WndProc(TMessage& Message) {
  const UINT msg = Message.Msg;
  if (IsKeyMessage(msg) && FInnerControl && FInnerControl->HandleAllocated()) {
    Message.Result = SendMessageW(FInnerControl->Handle(), msg >= CN_BASE ? msg - CN_BASE : msg, Message.WParam,
                                  Message.LParam);
    return;
  }
  switch (msg) {
    case WM_SETFOCUS:
      if (!Visible()) return;
      if (HandleSetFocusMessage(Message)) return;
      break;
    case WM_KILLFOCUS:
      if (HandleKillFocusMessage(Message)) return;
      break;
    case WM_NCCALCSIZE:
      if (FRefreshLockCount > 0) {
        Message.Result = 0;
        return;
      }
      break;
    case WM_WINDOWPOSCHANGING:
      if (IsDestroying()) {
        Message.Result = 0;
        return;
      }
      TcxControl::WndProc(Message);
      if (HandleAllocated() && IsWindowFocused(Handle()) && FInnerControl && FInnerControl->HandleAllocated() &&
          FInnerControl->CanFocus() && !ControlState().Contains(csFocusing))
        FocusInnerControl();
      return;
    case WM_WINDOWPOSCHANGED:
      TcxControl::WndProc(Message);
      if (!IsDestroying()) ShortRefreshContainer(false);
      return;
    case WM_SETCURSOR: return HandleSetCursorMessage(Message);
    case CN_KEYDOWN: return HandleKeyDown(Message);
    case CM_FONTCHANGED: return HandleFontChangedMessage(Message);
    case CM_PARENTFONTCHANGED: return HandleParentFontChangedMessage(Message);
    case CM_PARENTCOLORCHANGED: return HandleParentColorChangedMessage(Message);
    case CM_ENABLEDCHANGED:
      TcxControl::WndProc(Message);
      return EnabledChanged();
    case WM_SYSCOLORCHANGE:
      TcxControl::WndProc(Message);
      return ShortRefreshContainer(false);
    case DXM_CONTAINERSHORTREFRESH: return ShortRefreshContainer(false);
    case DXM_UPDATESCROLLBARS: return SetScrollBarsParameters(false);
  }
  TcxControl::WndProc(Message);
}

// Window creation does not take captions of 64K characters or more: such a
// caption is set once the window exists.
constexpr size_t MaxCreationCaptionLength = 65535;

void TcxContainer::CreateParams(TCreateParams& Params) {
  TcxControl::CreateParams(Params);
  if (Params.Caption.size() > MaxCreationCaptionLength) Params.Caption.clear();
}

void TcxContainer::CreateWnd() {
  TcxControl::CreateWnd();
  if (FText.size() > MaxCreationCaptionLength)
    DefWindowProcW(Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(FText.c_str()));
  if (cxCanAllocateControlHandle(FInnerControl)) FInnerControl->HandleNeeded();
  ShortRefreshContainer(false);
}

void TcxContainer::DestroyWnd() {
  // Deferred messages must not reach windows that are gone.
  if (FInnerControl) cxDispatchPendingControlMessages(FInnerControl);
  cxDispatchPendingControlMessages(this);
  TcxControl::DestroyWnd();
}

bool TcxContainer::InnerControlDefaultHandler(TMessage& Message) {
  if (!FInnerControl || !FInnerControl->HandleAllocated() || IsDestroying()) return false;
  return ProcessInnerControlDefaultMessage(Message);
}

bool TcxContainer::ProcessInnerControlDefaultMessage(TMessage& Message) {
  return TcxControlDefaultHandlerHelper::Process(Message);
}

void TcxContainer::ChangeScale(int M, int D) {
  // The control's own font follows the style's, which is scaled below.
  {
    const bool saved = FInternalSetting;
    FInternalSetting = !ParentFont();
    struct TRestore {
      bool& Flag;
      bool Value;
      ~TRestore() { Flag = Value; }
    } restore{FInternalSetting, saved};
    TcxControl::ChangeScale(M, D);
  }
  if (M != D && D != 0 && Style()->IsValueAssigned(csvFont) && !IsLoading())
    Style()->Font()->SetHeight(MulDiv(Style()->Font()->Height(), M, D));
}

void TcxContainer::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TcxControl::MouseDown(Button, Shift, X, Y);
  InternalRefreshContainer(TPoint(X, Y), cxMouseButtonToContainerButton(Button), Shift, true);
}

void TcxContainer::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TcxControl::MouseUp(Button, Shift, X, Y);
  InternalRefreshContainer(TPoint(X, Y), cxMouseButtonToContainerButton(Button), Shift, true);
}

void TcxContainer::MouseMove(TShiftState Shift, int X, int Y) {
  TcxControl::MouseMove(Shift, X, Y);
  InternalRefreshContainer(TPoint(X, Y), cxmbNone, Shift, true);
}

void TcxContainer::MouseEnter(TControl* AControl) {
  TcxControl::MouseEnter(AControl);
  ShortRefreshContainer(true);
}

void TcxContainer::MouseLeave(TControl* AControl) {
  TcxControl::MouseLeave(AControl);
  ShortRefreshContainer(true);
}

void TcxContainer::DoContextPopup(const TPoint& MousePos, bool& Handled) {
  if (FPopupMenuLockCount == 0 && (MousePos == cxInvalidPoint || IsContextPopupPoint(MousePos)))
    TcxControl::DoContextPopup(MousePos, Handled);
  else
    Handled = true;
}

void TcxContainer::LockAlignControls(bool ALock) {
  if (ALock) ++FLockAlignControlsCount;
  else if (FLockAlignControlsCount > 0) --FLockAlignControlsCount;
}

void TcxContainer::LockPopupMenu(bool ALock) {
  if (ALock) ++FPopupMenuLockCount;
  else if (FPopupMenuLockCount > 0) --FPopupMenuLockCount;
}

// ---------------------------------------------------------------- mirrored scroll bars

IcxControlScrollBar* TcxContainer::GetMirroredScrollBar(TScrollBarKind AKind) const {
  return FMirroredBars[AKind == sbHorizontal ? 0 : 1];
}

HWND TcxContainer::GetScrollBarHandle(TScrollBarKind AKind) {
  TcxControlScrollBar* bar = FMirroredBars[AKind == sbHorizontal ? 0 : 1];
  return bar ? bar->Handle() : nullptr;
}

TcxControlScrollBar* TcxContainer::MirroredBar(TScrollBarKind AKind) {
  TcxControlScrollBar*& bar = FMirroredBars[AKind == sbHorizontal ? 0 : 1];
  if (!bar) {
    bar = new TcxControlScrollBar(this);
    bar->SetKind(AKind);
    bar->SetParent(this);
    // Scrolling by the bar is the descendant's to pass on to the inner control.
    bar->OnScroll = [this, AKind](TObject*, TScrollCode ACode, int& APos) { Scroll(AKind, ACode, APos); };
  }
  return bar;
}

void TcxContainer::UpdateScrollBarsParameters() {
  if (!IsDestroying() && HandleAllocated() && FInnerControl) PostMessageW(Handle(), DXM_UPDATESCROLLBARS, 0, 0);
}

void TcxContainer::DoUpdateScrollBars() {
  if (UsesInnerControlScrollBars()) SetScrollBarsParameters(false);
  else TcxControl::DoUpdateScrollBars();
}

bool TcxContainer::GetNativeScrollBarInfo(SCROLLBARINFO& AInfo, TScrollBarKind AKind) {
  if (IsDestroying() || !Parent() || !HandleAllocated() || !FInnerControl || !FInnerControl->HandleAllocated())
    return false;
  return cxGetScrollBarInfoSafe(FInnerControl->Handle(), AKind == sbHorizontal ? OBJID_HSCROLL : OBJID_VSCROLL,
                                AInfo);
}

bool TcxContainer::IsNativeScrollBarVisible(const SCROLLBARINFO& AInfo) {
  return (AInfo.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN)) == 0;
}

bool TcxContainer::GetScrollBarEnabled(IcxControlScrollBar* ABar, const SCROLLBARINFO& AInfo) {
  TWinControl* control = ABar->GetControl();
  if (!control) return false;
  return control->Parent() && control->Parent()->Enabled() && (AInfo.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0;
}

void TcxContainer::GetScrollBarBounds(const TRect& AScreenRect, TRect& R) {
  const TPoint p = ScreenToClient(AScreenRect.TopLeft());
  if (p.X < 0 || p.Y < 0 || AScreenRect.Width() > Width() || AScreenRect.Height() > Height()) {
    R = TRect();
    return;
  }
  R = ::Bounds(p.X, p.Y, AScreenRect.Width(), AScreenRect.Height());
}

void TcxContainer::SetScrollBarVisible(IcxControlScrollBar* ABar, bool AVisible) {
  ABar->SetVisible(AVisible);
  if (AVisible)
    if (TWinControl* control = ABar->GetControl())
      SetWindowPos(control->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TcxContainer::AdjustScrollBar(IcxControlScrollBar* ABar) {
  SCROLLBARINFO info{};
  if (!GetNativeScrollBarInfo(info, ABar->Kind()) || !IsNativeScrollBarVisible(info))
    return SetScrollBarVisible(ABar, false);
  ABar->SetEnabled(GetScrollBarEnabled(ABar, info));
  TRect r;
  GetScrollBarBounds(TRect(info.rcScrollBar.left, info.rcScrollBar.top, info.rcScrollBar.right,
                           info.rcScrollBar.bottom),
                     r);
  ABar->SetBoundsRect(r);
  SetScrollBarVisible(ABar, r.Width() > 0 && r.Height() > 0);
}

void TcxContainer::SetScrollBarsParameters(bool AIsScrolling) {
  if (!FInnerControl || HasScrollBars() || IsDestroying() || !cxIsLibraryScrollBarsEnabled()) return;
  if (!HandleAllocated() || !FInnerControl->HandleAllocated()) return;
  for (TScrollBarKind kind : {sbHorizontal, sbVertical}) {
    IcxControlScrollBar* bar = MirroredBar(kind);
    if (!AIsScrolling) AdjustScrollBar(bar);
    if (!bar->Visible()) continue;
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS};
    GetScrollInfo(FInnerControl->Handle(), kind == sbHorizontal ? SB_HORZ : SB_VERT, &info);
    const int page = std::min(static_cast<int>(info.nPage), info.nMax);
    bar->SetScrollParams(info.nMin, info.nMax, info.nPos, page, true);
  }
  TSizeGripData grip;
  auto* inner = dynamic_cast<IcxContainerInnerControl*>(FInnerControl);
  grip.Visible = GetMirroredScrollBar(sbHorizontal)->Visible() && GetMirroredScrollBar(sbVertical)->Visible() &&
                 inner != nullptr;
  if (grip.Visible) cxGetSizeGripRect(inner, grip.Bounds);
  if (grip.Visible && (!FSizeGripData.Visible || grip.Bounds != FSizeGripData.Bounds)) {
    HRGN region = CreateRectRgn(grip.Bounds.Left, grip.Bounds.Top, grip.Bounds.Right, grip.Bounds.Bottom);
    SendMessageW(FInnerControl->Handle(), WM_NCPAINT, reinterpret_cast<WPARAM>(region), 0);
    DeleteObject(region);
  }
  FSizeGripData = grip;
}
