// The painter-drawn scroll bar: values, geometry, mouse, repeat timer,
// thumb tracking, fading of the buttons, and the bar as a child window.
#include "components/controls/cxScrollBar.h"

#include <algorithm>

#include "components/core/dxGestures.h"

namespace {

// The repeat timer waits longer before the first repetition.
constexpr uint32_t cxScrollBarFirstRepeatDelay = 400;
constexpr uint32_t cxScrollBarRepeatDelay = 60;
// How far the pointer may stray from the bar while the thumb still follows.
constexpr int cxThumbTrackingAcross = 34;
constexpr int cxThumbTrackingAlong = 136;

constexpr TcxScrollBarPart cxScrollBarParts[] = {sbpLineUp, sbpLineDown, sbpThumbnail, sbpPageUp, sbpPageDown};

size_t PartIndex(TcxScrollBarPart APart) { return static_cast<size_t>(APart) - 1; }

bool IsLineOrPagePart(TcxScrollBarPart APart) {
  return APart == sbpLineUp || APart == sbpLineDown || APart == sbpPageUp || APart == sbpPageDown;
}

}  // namespace

TSize cxGetSystemScrollBarMetrics() { return TSize{GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL)}; }

// ---------------------------------------------------------------- parts

bool TcxScrollBarPartFadingHelper::IsFadingAllowed() {
  return FOwner->Owner()->ScrollBar()->Painter()->IsFadingSupported();
}

void TcxScrollBarPartFadingHelper::RepaintFadeFrame() {
  FOwner->Owner()->ScrollBar()->InvalidateRect(FOwner->Bounds(), false);
}

void TcxScrollBarPartFadingHelper::PrepareFadeImages(TBitmap*& AFadeOutImage, TBitmap*& AFadeInImage) {
  TcxScrollBarPainter* painter = FOwner->Owner()->ScrollBar()->Painter();
  const TRect bounds = FOwner->Bounds();
  auto draw = [&](TcxButtonState AState) {
    auto image = std::make_unique<TcxBitmap32>(bounds.Width(), bounds.Height(), true);
    painter->DrawPart(image->cxCanvas(), image->ClientRect(), FOwner->Part(), AState);
    return image.release();
  };
  AFadeOutImage = draw(cxbsNormal);
  AFadeInImage = draw(cxbsHot);
}

void TcxScrollBarPartFadingHelper::UpdateState() {
  const TcxButtonState state = FOwner->State();
  if (state == FState) return;
  CheckStartFading(FState, state);
  FState = state;
}

TcxScrollBarPartViewInfo::TcxScrollBarPartViewInfo(TcxScrollBarViewInfo* AOwner, TcxScrollBarPart APart)
    : FOwner(AOwner), FPart(APart) {
  if (APart == sbpLineUp || APart == sbpLineDown || APart == sbpThumbnail)
    FFadingHelper = std::make_unique<TcxScrollBarPartFadingHelper>(this);
}

TcxButtonState TcxScrollBarPartViewInfo::State() const {
  TcxScrollBarHelper* bar = FOwner->ScrollBar();
  if (!bar->Enabled()) return cxbsDisabled;
  if (FPart == sbpThumbnail && !bar->Painter()->IsButtonHotTrack()) return cxbsNormal;
  if (FPart != FOwner->HotPart()) return cxbsNormal;
  if (FOwner->PressedPart() == sbpNone) return cxbsHot;
  return FOwner->PressedPart() == FPart ? cxbsPressed : cxbsNormal;
}

// ---------------------------------------------------------------- geometry

TcxScrollBarViewInfo::TcxScrollBarViewInfo(TcxScrollBarHelper* AScrollBar) : FScrollBar(AScrollBar) {
  for (TcxScrollBarPart part : cxScrollBarParts)
    FPartInfos[PartIndex(part)] = std::make_unique<TcxScrollBarPartViewInfo>(this, part);
}

const TRect& TcxScrollBarViewInfo::Bounds() const { return FScrollBar->BoundsRect(); }

TScrollBarKind TcxScrollBarViewInfo::Kind() const { return FScrollBar->Kind(); }

int TcxScrollBarViewInfo::GetDefaultArrowButtonLength() {
  const TSize metrics = cxGetSystemScrollBarMetrics();
  return IsVertical() ? metrics.cx : metrics.cy;
}

TRect TcxScrollBarViewInfo::AxisRect(int AStart, int AEnd) const {
  const TRect& bounds = Bounds();
  return IsVertical() ? TRect(bounds.Left, AStart, bounds.Right, AEnd) : TRect(AStart, bounds.Top, AEnd, bounds.Bottom);
}

void TcxScrollBarViewInfo::Calculate() {
  FMinThumbnailSize = FScrollBar->Painter()->ThumbMinimumSize();
  FLength = AxisSize(Bounds());
  FArrowButtonLength = std::min(FLength / 2, GetDefaultArrowButtonLength());
  const int start = AxisStart(Bounds());
  const int end = AxisEnd(Bounds());
  GetPartInfo(sbpLineUp)->SetBounds(AxisRect(start, start + FArrowButtonLength));
  GetPartInfo(sbpLineDown)->SetBounds(AxisRect(end - FArrowButtonLength, end));
  CalculateThumbnailRect();
}

void TcxScrollBarViewInfo::CalculateThumbnailRect() {
  TcxScrollBarPartViewInfo* thumb = GetPartInfo(sbpThumbnail);
  thumb->SetBounds(TRect());
  const int track = FLength - 2 * FArrowButtonLength;
  const int range = FScrollBar->Max() - FScrollBar->Min();
  // A disabled bar, or one with nothing to scroll, has no thumb.
  if (FScrollBar->Enabled() && range > 0) {
    const int offsetPosition = FScrollBar->Position() - FScrollBar->Min();
    const int pageSize = FScrollBar->PageSize();
    int size = 0;
    int offset = 0;
    bool hasThumb = false;
    if (pageSize > 0) {
      const int proportional = std::min(MulDiv(pageSize, track, range + 1), track);
      if (track >= FMinThumbnailSize) {
        size = std::max(FMinThumbnailSize, proportional);
        const int last = range + 1 - pageSize;
        offset = MulDiv(track - size, std::min(offsetPosition, last), last);
        hasThumb = true;
      }
    } else {
      size = GetSystemMetrics(IsVertical() ? SM_CYVTHUMB : SM_CXHTHUMB);
      if (track >= size) {
        offset = track == size ? 0 : MulDiv(track - size, offsetPosition, range);
        hasThumb = true;
      }
    }
    if (hasThumb) {
      const int thumbStart = AxisEnd(GetPartInfo(sbpLineUp)->Bounds()) + offset;
      thumb->SetBounds(AxisRect(thumbStart, thumbStart + size));
    }
  }
  AdjustPageRects();
}

void TcxScrollBarViewInfo::AdjustPageRects() {
  const TRect& thumb = GetPartInfo(sbpThumbnail)->Bounds();
  if (thumb.IsEmpty()) {
    GetPartInfo(sbpPageUp)->SetBounds(TRect());
    GetPartInfo(sbpPageDown)->SetBounds(TRect());
    return;
  }
  GetPartInfo(sbpPageUp)->SetBounds(AxisRect(AxisEnd(GetPartInfo(sbpLineUp)->Bounds()), AxisStart(thumb)));
  GetPartInfo(sbpPageDown)->SetBounds(AxisRect(AxisEnd(thumb), AxisStart(GetPartInfo(sbpLineDown)->Bounds())));
}

void TcxScrollBarViewInfo::SetThumbnailPos(int APos) {
  TcxScrollBarPartViewInfo* thumb = GetPartInfo(sbpThumbnail);
  thumb->SetBounds(AxisRect(APos, APos + AxisSize(thumb->Bounds())));
  AdjustPageRects();
}

TcxScrollBarPartViewInfo* TcxScrollBarViewInfo::GetPartInfo(TcxScrollBarPart APartType) const {
  return FPartInfos.at(PartIndex(APartType)).get();
}

TcxScrollBarPart TcxScrollBarViewInfo::GetPartAtPos(const TPoint& P) const {
  for (TcxScrollBarPart part : cxScrollBarParts)
    if (GetPartInfo(part)->Bounds().Contains(P)) return part;
  return sbpNone;
}

void TcxScrollBarViewInfo::UpdatePartsState() {
  for (const auto& info : FPartInfos)
    if (TcxScrollBarPartFadingHelper* helper = info->FadingHelper()) helper->UpdateState();
}

// ---------------------------------------------------------------- mouse

TcxScrollBarController::TcxScrollBarController(TcxScrollBarHelper* AScrollBar)
    : FScrollBar(AScrollBar),
      FTimer(cxNewTimer(cxScrollBarFirstRepeatDelay, false, [this](TObject* Sender) { TimerHandler(Sender); })) {}

TcxScrollBarController::~TcxScrollBarController() = default;

TcxScrollBarViewInfo* TcxScrollBarController::ViewInfo() const { return FScrollBar->ViewInfo(); }

bool TcxScrollBarController::IsLineOrPagePartPressed() const { return IsLineOrPagePart(ViewInfo()->PressedPart()); }

TcxScrollBarPart TcxScrollBarController::PartUnderCursor() const {
  POINT cursor{};
  GetCursorPos(&cursor);
  return ViewInfo()->GetPartAtPos(FScrollBar->ScreenToClient(TPoint(cursor.x, cursor.y)));
}

void TcxScrollBarController::DoMouseDown(TMouseButton Button, TShiftState, int X, int Y) {
  if (Button != mbLeft) return;
  TcxScrollBarViewInfo* viewInfo = ViewInfo();
  const TcxScrollBarPart part = viewInfo->GetPartAtPos(TPoint(X, Y));
  if (part == sbpNone) return;
  viewInfo->SetPressedPart(part);
  viewInfo->SetHotPart(part);
  if (part == sbpThumbnail) {
    FDownMousePos = FLastMousePos = TPoint(X, Y);
    FSavePosition = FScrollBar->Position();
    FSaveThumbnailPos = viewInfo->GetPartInfo(sbpThumbnail)->Bounds().TopLeft();
    FScrollBar->Scroll(scTrack);
  } else {
    FScrollBar->ScrollByPart(part);
    FTimer->SetInterval(cxScrollBarFirstRepeatDelay);
    FTimer->SetEnabled(true);
  }
  viewInfo->UpdatePartsState();
  FScrollBar->Repaint();
}

void TcxScrollBarController::TimerHandler(TObject*) {
  if (!FScrollBar->IsCaptured() || !IsLineOrPagePartPressed()) return EndScroll(sbpNone);
  if (FTimer->Interval() == cxScrollBarFirstRepeatDelay) FTimer->SetInterval(cxScrollBarRepeatDelay);
  const TcxScrollBarPart pressed = ViewInfo()->PressedPart();
  FScrollBar->ScrollByPart(pressed);
  FTimer->SetEnabled(PartUnderCursor() == pressed);
}

void TcxScrollBarController::DoMouseMove(TShiftState, int X, int Y) {
  TcxScrollBarViewInfo* viewInfo = ViewInfo();
  if (viewInfo->PressedPart() == sbpThumbnail) return TrackThumbnail(TPoint(X, Y));
  const TcxScrollBarPart part = viewInfo->GetPartAtPos(TPoint(X, Y));
  if (viewInfo->PressedPart() != sbpNone) FTimer->SetEnabled(part == viewInfo->PressedPart());
  if (part == viewInfo->HotPart()) return;
  viewInfo->SetHotPart(part);
  viewInfo->UpdatePartsState();
  if (FScrollBar->Painter()->IsButtonHotTrack()) FScrollBar->Repaint();
}

void TcxScrollBarController::TrackThumbnail(const TPoint& P) {
  TcxScrollBarViewInfo* viewInfo = ViewInfo();
  TRect area = viewInfo->Bounds();
  if (viewInfo->IsVertical())
    area.Inflate(cxThumbTrackingAcross, cxThumbTrackingAlong);
  else
    area.Inflate(cxThumbTrackingAlong, cxThumbTrackingAcross);
  const int savedStart = viewInfo->AxisCoordinate(FSaveThumbnailPos);
  if (!FScrollBar->UnlimitedTracking() && !area.Contains(P)) {
    // Snaps back to where the press found it; coming back tracks anew,
    // whatever point the pointer returns to.
    FLastMousePos = FDownMousePos;
    if (FScrollBar->Position() != FSavePosition) SetPositionAndTrack(FSavePosition, true);
    if (viewInfo->AxisStart(viewInfo->GetPartInfo(sbpThumbnail)->Bounds()) != savedStart) {
      viewInfo->SetThumbnailPos(savedStart);
      FScrollBar->Repaint();
    }
    return;
  }
  // Only a coordinate already handled is ignored: the press point itself
  // counts when the pointer returns to it.
  const int coordinate = viewInfo->AxisCoordinate(P);
  if (coordinate == viewInfo->AxisCoordinate(FLastMousePos)) return;
  FLastMousePos = P;
  const int thumbSize = viewInfo->AxisSize(viewInfo->GetPartInfo(sbpThumbnail)->Bounds());
  const int lineUpEnd = viewInfo->AxisEnd(viewInfo->GetPartInfo(sbpLineUp)->Bounds());
  const int lineDownStart = viewInfo->AxisStart(viewInfo->GetPartInfo(sbpLineDown)->Bounds());
  const int delta = std::clamp(coordinate - viewInfo->AxisCoordinate(FDownMousePos), lineUpEnd - savedStart,
                               lineDownStart - savedStart - thumbSize);
  viewInfo->SetThumbnailPos(savedStart + delta);
  FScrollBar->Repaint();
  const int position = PositionFromThumbnail();
  if (position == FScrollBar->Position()) return;
  SetPositionAndTrack(position, false);
  FScrollBar->NotifyChange();
}

int TcxScrollBarController::PositionFromThumbnail() const {
  TcxScrollBarViewInfo* viewInfo = ViewInfo();
  int range = FScrollBar->Max() - FScrollBar->Min();
  if (FScrollBar->PageSize() > 0) range -= FScrollBar->PageSize() - 1;
  const TRect& thumb = viewInfo->GetPartInfo(sbpThumbnail)->Bounds();
  const int lineUpEnd = viewInfo->AxisEnd(viewInfo->GetPartInfo(sbpLineUp)->Bounds());
  const int lineDownStart = viewInfo->AxisStart(viewInfo->GetPartInfo(sbpLineDown)->Bounds());
  const int divisor = lineDownStart - lineUpEnd - viewInfo->AxisSize(thumb);
  if (divisor == 0) return FScrollBar->Min();
  return FScrollBar->Min() + MulDiv(range, viewInfo->AxisStart(thumb) - lineUpEnd, divisor);
}

void TcxScrollBarController::SetPositionAndTrack(int AValue, bool ASetParams) {
  if (ASetParams)
    FScrollBar->SetPosition(AValue);
  else
    FScrollBar->FPosition = AValue;
  FScrollBar->Scroll(scTrack);
}

void TcxScrollBarController::DoMouseUp(TMouseButton, TShiftState, int X, int Y) {
  EndScroll(ViewInfo()->GetPartAtPos(TPoint(X, Y)));
  ViewInfo()->UpdatePartsState();
}

void TcxScrollBarController::EndScroll(TcxScrollBarPart AHotPart) {
  TcxScrollBarViewInfo* viewInfo = ViewInfo();
  if (viewInfo->PressedPart() == sbpNone) return;
  if (viewInfo->PressedPart() == sbpThumbnail) {
    FScrollBar->FPosition = PositionFromThumbnail();
    FScrollBar->Scroll(scPosition);
  }
  FTimer->SetEnabled(false);
  viewInfo->SetPressedPart(sbpNone);
  viewInfo->SetHotPart(AHotPart);
  FScrollBar->Scroll(scEndScroll);
  // The thumb jumps to the exact place of the final position.
  viewInfo->CalculateThumbnailRect();
  viewInfo->UpdatePartsState();
  FScrollBar->Invalidate();
}

void TcxScrollBarController::DoMouseEnter(TControl*) {
  ViewInfo()->UpdatePartsState();
  if (FScrollBar->Painter()->IsButtonHotTrack() || IsLineOrPagePartPressed()) FScrollBar->Repaint();
}

void TcxScrollBarController::DoMouseLeave(TControl*) {
  TcxScrollBarViewInfo* viewInfo = ViewInfo();
  if (viewInfo->PressedPart() != sbpThumbnail) viewInfo->SetHotPart(sbpNone);
  if (FScrollBar->Painter()->IsButtonHotTrack() || IsLineOrPagePartPressed()) FScrollBar->Invalidate();
  viewInfo->UpdatePartsState();
}

// ---------------------------------------------------------------- painting

TcxCustomLookAndFeelPainter* TcxScrollBarPainter::LookAndFeelPainter() const {
  TcxLookAndFeel* lookAndFeel = FScrollBar->LookAndFeel();
  return lookAndFeel ? lookAndFeel->GetAvailablePainter(totScrollBar) : nullptr;
}

void TcxScrollBarPainter::DrawPart(TcxCanvas* ACanvas, const TRect& R, TcxScrollBarPart APart, TcxButtonState AState) {
  if (TcxCustomLookAndFeelPainter* painter = LookAndFeelPainter())
    painter->DrawScrollBarPart(ACanvas, FScrollBar->Kind() == sbHorizontal, R, APart, AState);
}

void TcxScrollBarPainter::DrawBackground(TcxCanvas* ACanvas, const TRect& R) {
  if (TcxCustomLookAndFeelPainter* painter = LookAndFeelPainter())
    painter->DrawScrollBarBackground(ACanvas, R, FScrollBar->Kind() == sbHorizontal);
}

void TcxScrollBarPainter::DrawPartWithFading(TcxCanvas* ACanvas, TcxScrollBarPart APart) {
  TcxScrollBarPartViewInfo* info = FScrollBar->ViewInfo()->GetPartInfo(APart);
  if (info->Bounds().IsEmpty()) return;
  TcxScrollBarPartFadingHelper* fading = info->FadingHelper();
  if (fading && fading->DrawImage(ACanvas->Handle(), info->Bounds())) return;
  DrawPart(ACanvas, info->Bounds(), APart, info->State());
}

bool TcxScrollBarPainter::IsFadingSupported() {
  TcxCustomLookAndFeelPainter* painter = LookAndFeelPainter();
  if (!painter || !IsButtonHotTrack()) return false;
  const TcxLookAndFeelStyle style = painter->LookAndFeelStyle();
  return style == lfsNative || style == lfsSkin;
}

int TcxScrollBarPainter::ThumbMinimumSize() {
  TcxCustomLookAndFeelPainter* painter = LookAndFeelPainter();
  return painter ? painter->ScrollBarMinimalThumbSize(FScrollBar->Kind() == sbVertical) : 0;
}

bool TcxScrollBarPainter::IsButtonHotTrack() {
  TcxCustomLookAndFeelPainter* painter = LookAndFeelPainter();
  return painter && painter->IsButtonHotTrack();
}

void TcxScrollBarPainter::Paint(TcxCanvas* ACanvas) {
  DrawBackground(ACanvas, FScrollBar->BoundsRect());
  for (TcxScrollBarPart part : cxScrollBarParts) DrawPartWithFading(ACanvas, part);
}

// ---------------------------------------------------------------- bar logic

TcxScrollBarHelper::TcxScrollBarHelper(IcxScrollBarOwner* AOwner)
    : FBoundsRect(0, 0, 120, cxGetSystemScrollBarMetrics().cy), FOwner(AOwner) {
  FViewInfo = std::make_unique<TcxScrollBarViewInfo>(this);
  FController = std::make_unique<TcxScrollBarController>(this);
  FPainter = std::make_unique<TcxScrollBarPainter>(this);
}

TcxScrollBarHelper::~TcxScrollBarHelper() = default;

bool TcxScrollBarHelper::OwnerWindowExists() const {
  TWinControl* control = OwnerControl();
  return control && control->HandleAllocated();
}

void TcxScrollBarHelper::NotifyChange() {
  if (OnChange) OnChange(this);
}

void TcxScrollBarHelper::DrawTo(TcxCanvas* ACanvas) { FPainter->Paint(ACanvas); }

void TcxScrollBarHelper::InvalidateRect(const TRect& R, bool AEraseBackground) {
  if (!OwnerWindowExists()) return;
  if (FIsNonClient) return Repaint();
  const RECT r{R.Left, R.Top, R.Right, R.Bottom};
  ::InvalidateRect(OwnerControl()->Handle(), &r, AEraseBackground);
}

bool TcxScrollBarHelper::IsCaptured() { return OwnerWindowExists() && GetCapture() == OwnerControl()->Handle(); }

TPoint TcxScrollBarHelper::ScreenToClient(const TPoint& P) { return OwnerControl()->ScreenToClient(P); }

void TcxScrollBarHelper::DoScroll(TScrollCode AScrollCode, int& AScrollPos) {
  if (OnScroll) OnScroll(this, AScrollCode, AScrollPos);
}

void TcxScrollBarHelper::Calculate() { FViewInfo->Calculate(); }

void TcxScrollBarHelper::CancelMode() { FController->EndScroll(sbpNone); }

void TcxScrollBarHelper::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FController->MouseDown(Button, Shift, X, Y);
}

void TcxScrollBarHelper::MouseEnter(TControl* AControl) { FController->MouseEnter(AControl); }

void TcxScrollBarHelper::MouseLeave(TControl* AControl) { FController->MouseLeave(AControl); }

void TcxScrollBarHelper::MouseMove(TShiftState Shift, int X, int Y) { FController->MouseMove(Shift, X, Y); }

void TcxScrollBarHelper::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FController->MouseUp(Button, Shift, X, Y);
}

void TcxScrollBarHelper::Paint(HDC ADC) {
  if (FBoundsRect.IsEmpty()) return;
  TcxBitmap buffer(FBoundsRect.Width(), FBoundsRect.Height());
  SetWindowOrgEx(buffer.Canvas()->Handle(), FBoundsRect.Left, FBoundsRect.Top, nullptr);
  DrawTo(buffer.cxCanvas());
  SetWindowOrgEx(buffer.Canvas()->Handle(), 0, 0, nullptr);
  BitBlt(ADC, FBoundsRect.Left, FBoundsRect.Top, FBoundsRect.Width(), FBoundsRect.Height(), buffer.Canvas()->Handle(),
         0, 0, SRCCOPY);
}

void TcxScrollBarHelper::Repaint() {
  if (!OwnerWindowExists()) return;
  const HWND window = OwnerControl()->Handle();
  if (!FIsNonClient) {
    Invalidate();
    OwnerControl()->Update();
    return;
  }
  // The bar lies in the frame: the window rectangle's coordinates.
  RECT windowRect;
  GetWindowRect(window, &windowRect);
  POINT clientOrigin{0, 0};
  ClientToScreen(window, &clientOrigin);
  RECT r{FBoundsRect.Left, FBoundsRect.Top, FBoundsRect.Right, FBoundsRect.Bottom};
  OffsetRect(&r, clientOrigin.x - windowRect.left, clientOrigin.y - windowRect.top);
  RedrawWindow(window, &r, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TcxScrollBarHelper::SetScrollParams(int AMin, int AMax, int APosition, int APageSize, bool ARedraw) {
  if (AMax < AMin || AMax - AMin < APageSize)
    throw EInvalidOperation(L"Scrollbar property out of range");
  APosition = std::clamp(APosition, AMin, AMax);
  const bool positionChanged = APosition != FPosition;
  if (!positionChanged && AMin == FMin && AMax == FMax && APageSize == FPageSize) return;
  FMin = AMin;
  FMax = AMax;
  FPageSize = APageSize;
  FPosition = APosition;
  PositionChanged();
  if (ARedraw) Repaint();
  if (positionChanged) NotifyChange();
}

void TcxScrollBarHelper::PositionChanged() {
  FViewInfo->CalculateThumbnailRect();
  FViewInfo->UpdatePartsState();
}

void TcxScrollBarHelper::ScrollTo(TScrollCode ACode, int APos) {
  switch (ACode) {
    case scLineUp: APos -= FSmallChange; break;
    case scLineDown: APos += FSmallChange; break;
    case scPageUp: APos -= FLargeChange; break;
    case scPageDown: APos += FLargeChange; break;
    case scTop: APos = FMin; break;
    case scBottom: APos = FMax; break;
    default: break;
  }
  APos = std::clamp(APos, FMin, FMax);
  DoScroll(ACode, APos);
  APos = std::clamp(APos, FMin, FMax);
  if (APos == FPosition) return;
  if (ACode == scTrack) {
    FPosition = APos;
    Repaint();
  } else {
    SetScrollParams(FMin, FMax, APos, FPageSize, true);
  }
}

void TcxScrollBarHelper::ScrollByPart(TcxScrollBarPart APart) {
  switch (APart) {
    case sbpLineUp: return Scroll(scLineUp);
    case sbpLineDown: return Scroll(scLineDown);
    case sbpThumbnail: return Scroll(scTrack);
    case sbpPageUp: return Scroll(scPageUp);
    case sbpPageDown: return Scroll(scPageDown);
    case sbpNone: return;
  }
}

void TcxScrollBarHelper::SetBoundsRect(const TRect& Value) { FBoundsRect = Value; }

void TcxScrollBarHelper::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  if (!Value) CancelMode();
}

void TcxScrollBarHelper::SetVisible(bool Value) {
  if (FVisible == Value) return;
  FVisible = Value;
  if (!Value) CancelMode();
}

// ---------------------------------------------------------------- TcxScrollBar

TcxScrollBar::TcxScrollBar(TComponent* AOwner)
    : TCustomControl(AOwner),
      FLookAndFeel(std::make_unique<TcxLookAndFeel>(this)),
      FHelper(std::make_unique<TcxScrollBarHelper>(this)),
      FThemeChangedNotificator(std::make_unique<TdxThemeChangedNotificator>()) {
  FLookAndFeel->OnChanged = [this](TcxLookAndFeel* Sender, TcxLookAndFeelValues AChangedValues) {
    LookAndFeelChanged(Sender, AChangedValues);
  };
  FHelper->OnScroll = [this](TObject*, TScrollCode AScrollCode, int& AScrollPos) { DoScroll(AScrollCode, AScrollPos); };
  FHelper->OnChange = [this](TObject*) { Change(); };
  FThemeChangedNotificator->OnThemeChanged = [this] { ThemeChanged(); };
  SetControlStyle(TControlStyle{csCaptureMouse, csFramed, csOpaque});
  SetBounds(Left(), Top(), 121, cxGetSystemScrollBarMetrics().cy);
  FHelper->SetBoundsRect(ClientRect());
  FHelper->SetVisible(Visible());
  FHelper->Calculate();
}

TcxScrollBar::~TcxScrollBar() {
  // The window goes while the bar logic still answers its messages.
  Destroying();
  DestroyHandle();
}

void TcxScrollBar::SetKind(TScrollBarKind Value) {
  if (Kind() == Value) return;
  FHelper->SetKind(Value);
  FHelper->Calculate();
  Invalidate();
}

void TcxScrollBar::Change() {
  if (OnChange) OnChange(this);
}

void TcxScrollBar::DoScroll(TScrollCode AScrollCode, int& AScrollPos) {
  if (OnScroll) OnScroll(this, AScrollCode, AScrollPos);
}

const TPropTable* TcxScrollBar::PublishedTable(TPublishedTag<TcxScrollBar>) {
  using T = TcxScrollBar;
  static const TTypeInfo kindType = EnumTypeInfo(L"TScrollBarKind", {L"sbHorizontal", L"sbVertical"});
  static const TPropTable table =
      TPublished<T>()
          .Property(L"Ctl3D", &T::Ctl3D, &T::SetCtl3D)
          .Stored([](const T& ASelf) { return !ASelf.ParentCtl3D(); })
          .Property(L"ParentCtl3D", &T::ParentCtl3D, &T::SetParentCtl3D)
          .Stored([](const T& ASelf) { return !ASelf.ParentCtl3D(); })
          .Property(L"Enabled", &T::Enabled, &T::SetEnabled)
          .Stored([](const T& ASelf) { return !ASelf.Enabled(); })
          .Property(L"Visible", &T::Visible, &T::SetVisible)
          .Stored([](const T& ASelf) { return !ASelf.Visible(); })
          .Property(L"Kind", &T::Kind, &T::SetKind, &kindType)
          .Stored([](const T& ASelf) { return ASelf.Kind() != sbHorizontal; })
          .Property(L"LargeChange", &T::LargeChange, &T::SetLargeChange)
          .Stored([](const T& ASelf) { return ASelf.LargeChange() != 1; })
          .Property(L"LookAndFeel", &T::LookAndFeel, &T::SetLookAndFeel)
          .Property(L"Max", &T::Max, &T::SetMax)
          .Stored([](const T& ASelf) { return ASelf.Max() != 100; })
          .Property(L"Min", &T::Min, &T::SetMin)
          .Stored([](const T& ASelf) { return ASelf.Min() != 0; })
          .Property(L"PageSize", &T::PageSize, &T::SetPageSize)
          .Property(L"Position", &T::Position, &T::SetPosition)
          .Stored([](const T& ASelf) { return ASelf.Position() != 0; })
          .Property(L"SmallChange", &T::SmallChange, &T::SetSmallChange)
          .Stored([](const T& ASelf) { return ASelf.SmallChange() != 1; })
          .Property(L"UnlimitedTracking", &T::UnlimitedTracking, &T::SetUnlimitedTracking)
          .Stored([](const T& ASelf) { return ASelf.UnlimitedTracking(); })
          .Build();
  return &table;
}

void TcxScrollBar::SetCtl3D(bool Value) {
  FRealCtl3D = Value;
  if (TCustomControl::Ctl3D() != Value) TCustomControl::SetCtl3D(Value);
  ApplyCtl3D();
}

void TcxScrollBar::ApplyCtl3D() {
  const bool wanted = FRealCtl3D && !FLookAndFeel->SkinPainter();
  if (TCustomControl::Ctl3D() == wanted) return;
  // The platform's flag changes here without becoming the user's value.
  FApplyingCtl3D = true;
  TCustomControl::SetCtl3D(wanted);
  FApplyingCtl3D = false;
}

void TcxScrollBar::LookAndFeelChanged(TcxLookAndFeel*, TcxLookAndFeelValues) {
  ApplyCtl3D();
  FHelper->Calculate();
  Invalidate();
}

void TcxScrollBar::ThemeChanged() {
  FHelper->Calculate();
  cxFillScrollBarPatternBitmaps();
  Invalidate();
  if (Parent()) Parent()->Realign();
}

void TcxScrollBar::Paint() {
  TcxBitmap buffer(Width(), Height());
  // What the painter leaves undrawn shows the bar's colour.
  buffer.cxCanvas()->FillRect(ClientRect(), Color());
  DrawScrollBar(buffer.cxCanvas());
  BitBlt(Canvas()->Handle(), 0, 0, Width(), Height(), buffer.Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TcxScrollBar::Resize() {
  FHelper->SetBoundsRect(ClientRect());
  FHelper->Calculate();
  TCustomControl::Resize();
}

void TcxScrollBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  FHelper->MouseDown(Button, Shift, X, Y);
}

void TcxScrollBar::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  FHelper->MouseMove(Shift, X, Y);
}

void TcxScrollBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  FHelper->MouseUp(Button, Shift, X, Y);
}

void TcxScrollBar::HandleMouseEnterLeave(TMessage& Message) {
  TCustomControl::WndProc(Message);
  if (Message.LParam != 0 && Message.LParam != reinterpret_cast<LPARAM>(this)) return;
  if (Message.Msg == CM_MOUSEENTER)
    FHelper->MouseEnter(this);
  else
    FHelper->MouseLeave(this);
}

void TcxScrollBar::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ERASEBKGND: Message.Result = 1; return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: return HandleMouseEnterLeave(Message);
    case CM_ENABLEDCHANGED:
      TCustomControl::WndProc(Message);
      FHelper->SetEnabled(Enabled());
      FHelper->Calculate();
      Invalidate();
      return;
    case CM_VISIBLECHANGED: FHelper->SetVisible(Message.WParam != 0); break;
    case CM_CTL3DCHANGED:
      TCustomControl::WndProc(Message);
      if (!FApplyingCtl3D) FRealCtl3D = TCustomControl::Ctl3D();
      LookAndFeelChanged(FLookAndFeel.get(), {});
      return;
    case CN_HSCROLL:
    case CN_VSCROLL:
      // A request reflected by the parent.
      FHelper->Scroll(static_cast<TScrollCode>(LOWORD(Message.WParam)));
      Message.Result = 0;
      return;
    case WM_CANCELMODE: FHelper->CancelMode(); break;
    case WM_GESTURENOTIFY:
      // A touch on the bar scrolls by the bar, not by gestures.
      dxBlockAllGestures(Handle(), Message);
      return;
  }
  TCustomControl::WndProc(Message);
}
