// The container unit's view info (border, background and shadow of a
// container, drawn or themed) and its routines on frames, shadows, window
// regions, window relationships and scroll-bar information.
#include <array>

#include "components/controls/cxContainer.h"
#include "components/controls/cxDWMApi.h"
#include "components/core/dxOffice11.h"
#include "vcl/controls/Forms.h"

namespace {

using TGetScrollBarInfo = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);
TGetScrollBarInfo GetScrollBarInfoProc = nullptr;

constexpr int ShadowSize = 3;

RECT ToRECT(const TRect& R) { return RECT{R.Left, R.Top, R.Right, R.Bottom}; }

// The four strips of the frame between AOuter and AInner.
std::array<TRect, 4> FrameStrips(const TRect& AOuter, const TRect& AInner) {
  return {TRect(AOuter.Left, AOuter.Top, AInner.Left, AOuter.Bottom),
          TRect(AInner.Left, AOuter.Top, AInner.Right, AInner.Top),
          TRect(AInner.Right, AOuter.Top, AOuter.Right, AOuter.Bottom),
          TRect(AInner.Left, AInner.Bottom, AInner.Right, AOuter.Bottom)};
}

// The owner control's window of the popup that contains AWindow; 0 when
// AWindow lies in no popup.
HWND GetPopupParentOwnerWindow(HWND AWindow) {
  auto* popup = dynamic_cast<IdxPopupControl*>(FindControl(GetAncestor(AWindow, GA_ROOT)));
  if (!popup) return nullptr;
  TWinControl* owner = popup->GetOwnerControl();
  return owner && owner->HandleAllocated() ? owner->Handle() : nullptr;
}

}  // namespace

void cxBindScrollBarInfo() {
  if (HMODULE user32 = GetModuleHandleW(L"user32.dll"))
    GetScrollBarInfoProc = reinterpret_cast<TGetScrollBarInfo>(GetProcAddress(user32, "GetScrollBarInfo"));
}

// ---------------------------------------------------------------- view info

void TcxContainerViewInfo::Assign(TObject* Source) {
  if (auto* source = dynamic_cast<TcxContainerViewInfo*>(Source)) ClientRect = source->ClientRect;
}

void TcxContainerViewInfo::Offset(int DX, int DY) {
  if (!FCalculated) return;
  BorderRect.Offset(DX, DY);
  Bounds.Offset(DX, DY);
  ClientRect.Offset(DX, DY);
}

void TcxContainerViewInfo::UpdateStyle(TcxContainerStyle* AStyle) {
  Painter = AStyle->LookAndFeel()->Painter();
  UseSkins = AStyle->LookAndFeel()->SkinPainter() != nullptr;
}

void TcxContainerViewInfo::DrawBorder(TcxCanvas* ACanvas, const TRect& R) {
  Painter->DrawContainerBorder(ACanvas, R, BorderStyle, BorderWidth, BorderColor, Edges);
}

void TcxContainerViewInfo::InternalPaint(TcxCanvas* ACanvas) {
  if (NativeStyle) PaintNativeBorder(ACanvas);
  else PaintDrawnBorder(ACanvas);
}

void TcxContainerViewInfo::PaintDrawnBorder(TcxCanvas* ACanvas) {
  TRect r = BorderRect;
  cxInflateRectByEdges(r, BorderWidth, TcxBorders{bLeft, bTop} + (Edges * TcxBorders{bRight, bBottom}));
  if (Shadow) cxPaintContainerShadow(ACanvas, r);
  // The border rectangle spans the full width even where an edge has no line.
  cxInflateRectByEdges(r, BorderWidth, TcxBorders{bRight, bBottom} - Edges);
  DrawBorder(ACanvas, r);
  ACanvas->FillRect(BorderRect, BackgroundColor());
}

void TcxContainerViewInfo::PaintNativeBorder(TcxCanvas* ACanvas) {
  if (BorderStyle == cbsNone) return ACanvas->FillRect(Bounds, BackgroundColor());
  RECT content = ToRECT(Bounds);
  const RECT bounds = content;
  GetThemeBackgroundContentRect(dxThemeHandleOf(ThemedObjectType), ACanvas->Handle(), 1, NativeState, &bounds,
                                &content);
  ACanvas->FillRect(TRect(content.left, content.top, content.right, content.bottom), BackgroundColor());
  const bool composition = cxIsDesktopCompositionEnabled();
  COLORREF color = 0;
  GetThemeColor(dxThemeHandleOf(composition ? totListBox : totComboBox), composition ? 3 : 1, 1, TMT_BORDERCOLOR,
                &color);
  cxFillRectFrame(ACanvas, Bounds, TRect(content.left, content.top, content.right, content.bottom), static_cast<TColor>(color));
}

// ---------------------------------------------------------------- routines

TcxMouseButton cxMouseButtonToContainerButton(TMouseButton AButton) {
  switch (AButton) {
    case mbLeft: return cxmbLeft;
    case mbRight: return cxmbRight;
    case mbMiddle: return cxmbMiddle;
  }
  return cxmbNone;
}

bool cxGetScrollBarInfoSafe(HWND AWindow, LONG AObjectId, SCROLLBARINFO& AInfo) {
  AInfo.cbSize = sizeof(SCROLLBARINFO);
  return GetScrollBarInfoProc && GetScrollBarInfoProc(AWindow, AObjectId, &AInfo);
}

bool cxIsLibraryScrollBarsEnabled() { return GetScrollBarInfoProc != nullptr; }

void cxPaintContainerShadow(TcxCanvas* ACanvas, const TRect& R) {
  const TRect strips[] = {TRect(R.Left + ShadowSize, R.Bottom, R.Right, R.Bottom + ShadowSize),
                          TRect(R.Right, R.Top + ShadowSize, R.Right + ShadowSize, R.Bottom + ShadowSize)};
  for (const TRect& strip : strips) {
    ACanvas->FillRect(strip, clBtnShadow);
    ACanvas->ExcludeClipRect(strip);
  }
}

void cxInflateRectByEdges(TRect& R, int AWidth, const TcxBorders& AEdges) {
  if (AEdges.Contains(bLeft)) R.Left -= AWidth;
  if (AEdges.Contains(bTop)) R.Top -= AWidth;
  if (AEdges.Contains(bRight)) R.Right += AWidth;
  if (AEdges.Contains(bBottom)) R.Bottom += AWidth;
}

void cxShrinkRectByMissingEdges(TRect& R, int AWidth, const TcxBorders& AEdges) {
  cxInflateRectByEdges(R, -AWidth, cxBordersAll - AEdges);
}

TColor cxGetContainerFrameColor(bool AIsHighlight, bool AIsOffice11Style) {
  if (!AIsHighlight) return clBtnShadow;
  return AIsOffice11Style ? dxOffice11Colors[41] : clHighlight;
}

int cxGetContainerFrameWidth(TcxContainerBorderStyle ABorderStyle) {
  return PaintersManager->GetPainter(lfsStandard)->GetContainerBorderWidth(ABorderStyle);
}

TRect cxGetControlLocalRect(TControl* AControl) { return TRect(0, 0, AControl->Width(), AControl->Height()); }

TcxContainer* cxFindContainerOfControl(TWinControl* AControl) {
  if (auto* container = dynamic_cast<TcxContainer*>(AControl)) return container;
  if (auto* inner = dynamic_cast<IcxContainerInnerControl*>(AControl)) return inner->GetControlContainer();
  return nullptr;
}

bool cxControlOwnsWindowHandle(TWinControl* AControl, HWND AWindow, bool ACheckRelated) {
  if (!AControl || !AControl->HandleAllocated()) return false;
  return AWindow == AControl->Handle() || (ACheckRelated && cxIsWindowRelatedToControl(AControl, AWindow));
}

bool cxIsWindowRelatedToControl(TWinControl* AControl, HWND AWindow) {
  return AControl && AControl->HandleAllocated() && cxIsWindowRelated(AControl->Handle(), AWindow);
}

bool cxIsWindowRelated(HWND AWindowA, HWND AWindowB) {
  if (!AWindowA || !AWindowB || AWindowA == AWindowB) return false;
  for (HWND window = AWindowB; window; window = GetPopupParentOwnerWindow(window))
    if (cxIsSameOrChildWindow(AWindowA, window)) return true;
  return false;
}

bool cxTextEquals(const String& S1, const String& S2, bool ACaseSensitive) {
  return ACaseSensitive ? AnsiCompareStr(S1, S2) == 0 : AnsiUpperCase(S1) == AnsiUpperCase(S2);
}

void cxFillRectFrame(TcxCanvas* ACanvas, const TRect& AOuter, const TRect& AInner, TColor AColor) {
  if (AOuter.IsEmpty() || AOuter == AInner) return;
  if (AInner.IsEmpty()) return ACanvas->FillRect(AOuter, AColor);
  for (const TRect& strip : FrameStrips(AOuter, AInner)) ACanvas->FillRect(strip, AColor);
}

void cxRedrawFrameAroundRect(HWND AWindow, const TRect& AOuter, const TRect& AInner, bool AErase, bool AFrame) {
  const UINT flags = RDW_INVALIDATE | (AErase ? RDW_ERASE : 0) | (AFrame ? RDW_FRAME : 0);
  if (AInner.IsEmpty()) {
    const RECT r = ToRECT(AOuter);
    RedrawWindow(AWindow, &r, nullptr, flags);
    return;
  }
  for (const TRect& strip : FrameStrips(AOuter, AInner)) {
    const RECT r = ToRECT(strip);
    RedrawWindow(AWindow, &r, nullptr, flags);
  }
}

TcxRegion* cxBuildWindowShadowRegion(HWND, const TRect& AShadowBounds, const TRect& AShadowExtent,
                                     bool ANativeBorder, bool AShadow, const TRect& AExclusion) {
  if (!AShadow || ANativeBorder) return nullptr;
  auto* region = new TcxRegion(AShadowBounds);
  TRect shadow = AShadowBounds;
  shadow.Offset(ShadowSize, ShadowSize);
  shadow = TRect(shadow.Left + AShadowExtent.Left, shadow.Top + AShadowExtent.Top,
                 shadow.Right - AShadowExtent.Right, shadow.Bottom - AShadowExtent.Bottom);
  region->Combine(shadow, roAdd);
  if (!AExclusion.IsEmpty()) region->Combine(AExclusion, roSubtract);
  return region;
}

void cxApplyWindowShadowRegion(HWND AWindow, const TRect& AShadowBounds, const TRect& AShadowExtent,
                               bool ANativeBorder, bool AShadow, const TRect& AExclusion) {
  cxSetWindowRegionIfChanged(
      AWindow, cxBuildWindowShadowRegion(AWindow, AShadowBounds, AShadowExtent, ANativeBorder, AShadow, AExclusion));
}

bool cxIsWindowRegionChanged(HWND AWindow, TcxRegion* ARegion) {
  const TcxRegion current;
  const bool hasRegion = GetWindowRgn(AWindow, current.Handle()) != ERROR;
  if (!ARegion) return hasRegion;
  return !hasRegion || !ARegion->IsEqual(current.Handle());
}

void cxSetWindowRegionIfChanged(HWND AWindow, TcxRegion* ARegion) {
  const std::unique_ptr<TcxRegion> region(ARegion);
  if (!cxIsWindowRegionChanged(AWindow, region.get())) return;
  // The window owns the handle it is given: it gets a copy.
  HRGN handle = nullptr;
  if (region) {
    handle = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(handle, region->Handle(), nullptr, RGN_COPY);
  }
  SetWindowRgn(AWindow, handle, TRUE);
}

void cxSetWindowRegionFromBounds(TWinControl* AControl, const TcxContainerInnerControlBounds& ABounds) {
  const TRect& r = ABounds.Rect;
  SetWindowRgn(AControl->Handle(), ABounds.IsEmpty ? nullptr : CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom),
               TRUE);
}

bool cxShouldUseThemedPainting(bool ANativeStyle, TdxThemedObjectType AType) {
  return ANativeStyle && dxThemeHandleOf(AType) != nullptr;
}

void cxGetSizeGripRect(IcxContainerInnerControl* AInnerControl, TRect& R) {
  R = TRect();
  TcxContainer* container = AInnerControl->GetControlContainer();
  IcxControlScrollBar* horz = container ? container->GetMirroredScrollBar(sbHorizontal) : nullptr;
  IcxControlScrollBar* vert = container ? container->GetMirroredScrollBar(sbVertical) : nullptr;
  if (!horz || !vert || !horz->Visible() || !vert->Visible()) return;
  TWinControl* inner = AInnerControl->GetControl();
  const TPoint origin = container->ClientToScreen(TPoint(vert->BoundsRect().Left, horz->BoundsRect().Top));
  RECT window;
  GetWindowRect(inner->Handle(), &window);
  R = Bounds(origin.X - window.left, origin.Y - window.top, vert->Width(), horz->Height());
}

void cxPaintSizeGripBackground(TcxContainer* AContainer, const TRect& R) {
  if (R.IsEmpty()) return;
  HWND window = AContainer->InnerControl()->Handle();
  HDC dc = GetWindowDC(window);
  HBRUSH brush = CreateSolidBrush(ColorToRGB(AContainer->ViewInfo()->BackgroundColor()));
  const RECT r = ToRECT(R);
  FillRect(dc, &r, brush);
  DeleteObject(brush);
  ReleaseDC(window, dc);
}

bool cxGetFormOfWindow(HWND AWindow, TCustomForm*& AForm) {
  AForm = dynamic_cast<TCustomForm*>(FindControl(AWindow));
  return AForm != nullptr;
}

HWND cxGetMDIChildOrTopWindow(HWND AWindow) {
  // The framework has no MDI forms: the first window that is not a child.
  while (AWindow && (GetWindowLongW(AWindow, GWL_STYLE) & WS_CHILD)) AWindow = GetParent(AWindow);
  return AWindow;
}

bool cxIsWindowInOwnerForm(TWinControl* AControl, HWND AWindow) {
  TCustomForm* form = GetParentForm(AControl);
  if (!form) return false;
  if (const bool owns = cxControlOwnsWindowHandle(form, AWindow, true); owns || form->Parent()) return owns;
  HWND top = form->Handle();
  while (GetWindowLongW(top, GWL_STYLE) & WS_CHILD) {
    HWND parent = GetParent(top);
    if (!parent) break;
    top = parent;
  }
  return top != form->Handle() && cxIsSameOrChildWindow(top, AWindow);
}

bool cxCanShowHintForControl(TWinControl* AControl) {
  DWORD foregroundProcess = 0;
  GetWindowThreadProcessId(GetForegroundWindow(), &foregroundProcess);
  if (foregroundProcess != GetCurrentProcessId() || !AControl || !AControl->HandleAllocated() ||
      !IsWindowVisible(AControl->Handle()))
    return false;
  POINT cursor;
  if (!GetCursorPos(&cursor) || cxFindControlOfWindow(WindowFromPoint(cursor)) != AControl) return false;
  HWND top = cxGetMDIChildOrTopWindow(AControl->Handle());
  TCustomForm* form;
  return !cxGetFormOfWindow(top, form) || top == GetActiveWindow();
}
