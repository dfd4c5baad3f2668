// The track bar's layout, position mapping and painting.
#include "components/editors-basic/cxTrackBar.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "components/editors/cxEditConsts.h"
#include "components/editors/cxEditPaintUtils.h"
#include "vcl/rtl/SysUtils.h"

// ---------------------------------------------------------------- properties

TcxEditViewInfoClass TcxCustomTrackBarProperties::GetViewInfoClass() const {
  return TcxEditViewInfoClass::Of<TcxCustomTrackBarViewInfo>();
}

TcxEditViewDataClass TcxCustomTrackBarProperties::ViewDataClass() const {
  return TcxEditViewDataClass::Of<TcxCustomTrackBarViewData>();
}

void TcxCustomTrackBarProperties::SetBorderWidth(int AValue) { Store(FBorderWidth, std::max(AValue, 0)); }
void TcxCustomTrackBarProperties::SetFrequency(int AValue) { Store(FFrequency, std::max(AValue, 0)); }
void TcxCustomTrackBarProperties::SetTickSize(int AValue) { Store(FTickSize, std::max(AValue, 1)); }
void TcxCustomTrackBarProperties::SetLineSize(int AValue) { Store(FLineSize, std::max(AValue, 1)); }
void TcxCustomTrackBarProperties::SetPageSize(int AValue) { Store(FPageSize, std::max(AValue, 1)); }

void TcxCustomTrackBarProperties::SetMax(int AValue) {
  if (FMax == AValue) return;
  FMax = AValue;
  if (FMin > FMax) FMin = FMax;
  Changed();
}

void TcxCustomTrackBarProperties::SetMin(int AValue) {
  if (FMin == AValue) return;
  FMin = AValue;
  if (FMax < FMin) FMax = FMin;
  Changed();
}

int TcxCustomTrackBarProperties::CorrectPosition(int AValue) const { return std::clamp(AValue, FMin, std::max(FMin, FMax)); }

int TcxCustomTrackBarProperties::ValueToPosition(const Variant& AEditValue) const {
  double value = FMin;
  if (VarIsOrdinal(AEditValue) || VarIsFloat(AEditValue)) value = AEditValue.AsDouble();
  else if (VarIsStr(AEditValue) && !TryStrToFloat(Trim(AEditValue.AsString()), value)) value = FMin;
  if (!std::isfinite(value)) value = FMin;
  constexpr double low = std::numeric_limits<int>::min(), high = std::numeric_limits<int>::max();
  return static_cast<int>(std::clamp(std::round(value), low, high));
}

String TcxCustomTrackBarProperties::DefaultValidateErrorText(int) {
  return dxTranslatedResString(cxSEditValueOutOfBounds);
}

TcxCustomEditClass TcxCustomTrackBarProperties::GetContainerClass() const {
  return TcxCustomEditClass::Of<TcxTrackBar>();
}

TcxEditStyleClass TcxCustomTrackBarProperties::GetStyleClass() const {
  return TcxEditStyleClass::Of<TcxTrackBarStyle>();
}

String TcxCustomTrackBarProperties::GetDisplayText(const Variant& AEditValue, bool, bool) {
  return IntToStr(PositionOf(AEditValue));
}

TcxEditSupportedOperations TcxCustomTrackBarProperties::GetSupportedOperations() {
  return {esoAlwaysHotTrack, esoEditing, esoFiltering, esoSorting, esoTransparency};
}

void TcxCustomTrackBarProperties::PrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue, bool) {
  LockUpdate(true);
  DisplayValue = Variant(PositionOf(AEditValue));
  LockUpdate(false);
}

void TcxCustomTrackBarProperties::AssignSettings(TcxCustomEditProperties* Source) {
  TcxCustomEditProperties::AssignSettings(Source);
  auto* source = dynamic_cast<TcxCustomTrackBarProperties*>(Source);
  if (!source) return;
#define CX_COPY(Name) F##Name = source->F##Name;
  CX_COPY(AutoSize) CX_COPY(ReverseDirection) CX_COPY(Orientation) CX_COPY(TextOrientation)
  CX_COPY(SelectionStart) CX_COPY(SelectionEnd) CX_COPY(SelectionColor) CX_COPY(ShowTrack) CX_COPY(ThumbType)
  CX_COPY(TickColor) CX_COPY(TickType) CX_COPY(TickMarks) CX_COPY(TrackColor) CX_COPY(ThumbColor)
  CX_COPY(ThumbHighlightColor) CX_COPY(ShowPositionHint) CX_COPY(ShowChangeButtons) CX_COPY(ShowTicks)
  CX_COPY(ThumbHeight) CX_COPY(ThumbWidth) CX_COPY(TrackSize) CX_COPY(Min) CX_COPY(Max) CX_COPY(ThumbStep)
  CX_COPY(BorderWidth) CX_COPY(Frequency) CX_COPY(TickSize) CX_COPY(LineSize) CX_COPY(PageSize)
#undef CX_COPY
  OnGetPositionHint = source->OnGetPositionHint;
  OnGetTickLabel = source->OnGetTickLabel;
  OnGetThumbRect = source->OnGetThumbRect;
  OnDrawThumb = source->OnDrawThumb;
}

// ---------------------------------------------------------------- view info

namespace {

// The thumb's states 1 to 5 as button states.
TcxButtonState ThumbButtonState(int AState) {
  static const TcxButtonState states[] = {cxbsNormal, cxbsNormal, cxbsHot, cxbsPressed, cxbsHot, cxbsDisabled};
  return states[std::clamp(AState, 1, 5)];
}

}  // namespace

TcxCustomTrackBarViewInfo::TcxCustomTrackBarViewInfo()
    : FLookAndFeel(std::make_unique<TcxLookAndFeel>(nullptr)),
      FOrientationHelper(std::make_unique<TcxHorizontalTrackBarViewInfoHelper>()),
      FTBBitmap(std::make_unique<TcxBitmap>(0, 0, pf32bit)),
      FThumbFadingHelper(std::make_unique<TcxTrackBarThumbFadingHelper>(this)),
      FButtonLeftFadingHelper(std::make_unique<TcxTrackBarLeftButtonFadingHelper>(this)),
      FButtonRightFadingHelper(std::make_unique<TcxTrackBarRightButtonFadingHelper>(this)) {}

TcxCustomTrackBarViewInfo::~TcxCustomTrackBarViewInfo() = default;

void TcxCustomTrackBarViewInfo::CalculateMajorTicks() { FMajorTicks = {Min, Max}; }

void TcxCustomTrackBarViewInfo::CalculateMinorTicks() {
  FMinorTicks.clear();
  if (Frequency >= 1)
    for (int tick = Min + Frequency; tick < Max; tick += Frequency) FMinorTicks.push_back(tick);
}

int TcxCustomTrackBarViewInfo::GetOffset(int APosition) const {
  return MulDiv(APosition - Min, Numerator, Denominator) + ThumbSize / 2;
}

int TcxCustomTrackBarViewInfo::PositionToCoordinate(int APosition) const {
  return ReverseDirection ? TrackRect.Right - GetOffset(APosition) : TrackRect.Left + GetOffset(APosition);
}

int TcxCustomTrackBarViewInfo::GetPositionAtPoint(int X, int Y) const {
  const TRect visibleThumb = Helper().Real(ThumbRect);
  const int along = Helper().Along(TPoint(X, Y));
  const int a = MulDiv(along - TrackRect.Left - Helper().AlongExtent(visibleThumb) / 2, Denominator, Numerator);
  return ReverseDirection ? Max - a : Min + a;
}

int TcxCustomTrackBarViewInfo::GetNewPosition(int APosition, bool AIncrease, bool AIsLine, bool ASnap) const {
  const int step = AIsLine ? LineSize : PageSize;
  const bool up = AIncrease != ReverseDirection;
  const int v = up ? APosition + step : APosition - step;
  if (!ASnap) return v;
  const double steps = static_cast<double>(v - Min) / step;
  return Min + static_cast<int>(up ? std::floor(steps) : std::ceil(steps)) * step;
}

bool TcxCustomTrackBarViewInfo::IsValueTick(int AValue) const {
  return AValue == Min || AValue == Max || AValue == FPosition;
}

TRect TcxCustomTrackBarViewInfo::TrackHitArea() const {
  TRect area = TrackBarRect;
  if (ShowChangeButtons) {
    area.Left = TrackRect.Left;
    area.Right = TrackRect.Right;
  }
  return Helper().Real(area);
}

TRect TcxCustomTrackBarViewInfo::PositionHintRect(TcxCanvas* ACanvas, const String& AText,
                                                  bool AIsHintMultiLine) const {
  if (Font) ACanvas->Font()->Assign(Font);
  const TSize text = ACanvas->TextExtent(AText);
  const bool vertical = Orientation == tboVertical;
  const int extent = vertical ? text.cx : text.cy;
  const int along = AIsHintMultiLine ? Helper().AlongExtent(RealTrackBarRect) / 2 : (vertical ? text.cy : text.cx);
  const int top = TickMarks == cxtmTopLeft ? ThumbRect.Bottom + 10 : ThumbRect.Top - extent - 10;
  return Helper().Real(TRect(ThumbRect.Left, top, ThumbRect.Left + along, top + extent));
}

TcxTrackBarPositionHintHelper* TcxCustomTrackBarViewInfo::PositionHintHelper() {
  if (!FPositionHintHelper && HintedControl) FPositionHintHelper = std::make_unique<TcxTrackBarPositionHintHelper>(this);
  return FPositionHintHelper.get();
}

void TcxCustomTrackBarViewInfo::ShowPositionHint() {
  if (!Properties || !Properties->ShowPositionHint() || !PositionHintHelper()) return;
  FPositionHintHelper->DisableTimer();
  String text = IntToStr(FPosition);
  bool canShow = true, multiLine = false;
  if (Properties->OnGetPositionHint) Properties->OnGetPositionHint(HintedControl, FPosition, text, canShow, multiLine);
  if (!canShow) {
    FPositionHintHelper->CancelHint();
    return;
  }
  TcxScreenCanvas canvas;
  FPositionHintHelper->ShowHint(RealTrackBarRect, PositionHintRect(&canvas, text, multiLine), text, multiLine, this,
                                Font);
}

void TcxCustomTrackBarViewInfo::UpdateMouseOverThumb(const TPoint& P) {
  if (IsPointOnThumb(P)) {
    ShowPositionHint();
    MouseStates.Include(tbmpUnderThumb);
    return;
  }
  if (Properties && Properties->ShowPositionHint() && PositionHintHelper()) FPositionHintHelper->HidePositionHint();
  MouseStates.Exclude(tbmpUnderThumb);
}

// ---------------------------------------------------------------- position hint

TcxTrackBarPositionHintHelper::TcxTrackBarPositionHintHelper(TcxCustomTrackBarViewInfo* AViewInfo)
    : FTrackBarViewInfo(AViewInfo), FPositionHintHidingTimer(cxNewTimer(1000, false, [this](TObject*) {
        DisableTimer();
        CancelHint();
      })) {}

TcxTrackBarPositionHintHelper::~TcxTrackBarPositionHintHelper() = default;

TcxControl* TcxTrackBarPositionHintHelper::GetOwnerTcxControl() { return FTrackBarViewInfo->HintedControl; }

// Away from the ticks: above a horizontal thumb, left of a vertical one,
// 10 pixels clear of it.
void TcxTrackBarPositionHintHelper::AdjustHintWindowRect(TRect& R) {
  TcxControlHintHelper::AdjustHintWindowRect(R);
  const TcxCustomTrackBarViewInfo& v = *FTrackBarViewInfo;
  if (v.TickMarks == cxtmTopLeft) return;
  const TPoint thumb = v.HintedControl->ClientToScreen(v.VisibleThumbRect().TopLeft());
  if (v.Orientation == tboHorizontal) R.Offset(0, thumb.Y - R.Height() - 10 - R.Top);
  else R.Offset(thumb.X - R.Width() - 10 - R.Left, 0);
}

void TcxTrackBarPositionHintHelper::MouseTrackingMouseLeave() {
  const TcxTrackBarMouseStates states = FTrackBarViewInfo->MouseStates;
  if (!states.Contains(tbmpUnderThumb) && !states.Contains(tbmpSliding)) HidePositionHint();
}

void TcxCustomTrackBarViewInfo::Paint(TcxCanvas* ACanvas) {
  FTBBitmap->SetSize(Bounds.Width(), Bounds.Height());
  TcxCanvas* canvas = FTBBitmap->cxCanvas();
  canvas->FillRect(TRect(0, 0, Bounds.Width(), Bounds.Height()), BackgroundColor());
  canvas->SaveClipRegion();
  canvas->IntersectClipRect(Helper().Real(TrackBarRect));
  DrawContent(canvas);
  canvas->RestoreClipRegion();
  BitBlt(ACanvas->Handle(), Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height(), canvas->Handle(), 0, 0,
         SRCCOPY);
}

void TcxCustomTrackBarViewInfo::DrawContent(TcxCanvas* ACanvas) {
  if (ShowChangeButtons) {
    if (!FButtonLeftFadingHelper->DrawImage(ACanvas->Handle(), RealLeftButtonRect()))
      DrawChangeButton(ACanvas, true, ButtonLeftState);
    if (!FButtonRightFadingHelper->DrawImage(ACanvas->Handle(), RealRightButtonRect()))
      DrawChangeButton(ACanvas, false, ButtonRightState);
  }
  if (ShowTrack) {
    DrawTrack(ACanvas);
    if (FShowSelection) DrawSelection(ACanvas);
  }
  if (ShowTicks) DrawTicks(ACanvas);
  switch (ThumbType) {
    case cxttRegular: DrawThumb(ACanvas); break;
    case cxttCustom:
      if (Properties && Properties->OnDrawThumb) Properties->OnDrawThumb(Properties, ACanvas, Helper().Real(ThumbRect));
      break;
    default: break;
  }
}

void TcxCustomTrackBarViewInfo::DrawTrack(TcxCanvas* ACanvas) {
  TRect track = TrackRect;
  ++track.Right;  // one pixel longer at its far end
  FLookAndFeel->Painter()->DrawTrackBarTrack(ACanvas, Helper().Real(track), Helper().Real(SelectionRect),
                                             FShowSelection, TrackBarState != 5, Orientation == tboHorizontal,
                                             TrackColor);
}

void TcxCustomTrackBarViewInfo::DrawSelection(TcxCanvas* ACanvas) {
  ACanvas->FillRect(Helper().Real(SelectionRect), SelectionColor);
}

// Reversed, the near button steps up: the two images change places.
void TcxCustomTrackBarViewInfo::DrawChangeButton(TcxCanvas* ACanvas, bool ALeft, TcxButtonState AState) {
  TcxCustomLookAndFeelPainter* painter = FLookAndFeel->Painter();
  const TRect r = ALeft ? RealLeftButtonRect() : RealRightButtonRect();
  if (ALeft != ReverseDirection) painter->DrawZoomOutButton(ACanvas, r, AState);
  else painter->DrawZoomInButton(ACanvas, r, AState);
}

void TcxCustomTrackBarViewInfo::DrawThumb(TcxCanvas* ACanvas) {
  if (!FThumbFadingHelper->DrawImage(ACanvas->Handle(), VisibleThumbRect()))
    DrawThumbState(ACanvas, ThumbRect, TrackBarState);
}

void TcxCustomTrackBarViewInfo::UpdateFading() {
  FThumbFadingHelper->UpdateState(ThumbButtonState(TrackBarState));
  FButtonLeftFadingHelper->UpdateState(ButtonLeftState);
  FButtonRightFadingHelper->UpdateState(ButtonRightState);
}

void TcxCustomTrackBarViewInfo::DrawThumbState(TcxCanvas* ACanvas, const TRect& R, int AState) {
  const TcxButtonState state = ThumbButtonState(AState);
  TColor color = ThumbColor;
  if (state == cxbsHot || state == cxbsPressed) {
    const TcxLookAndFeelKind kind = FLookAndFeel->Kind();
    color = kind == lfUltraFlat || kind == lfOffice11 ? cxGetEditButtonColor(state == cxbsPressed, kind == lfOffice11)
                                                      : ThumbHighlightColor;
  } else if (AState == 5) {
    color = clBtnShadow;
  }
  static const TcxTrackBarTicksAlign aligns[] = {tbtaBoth, tbtaUp, tbtaDown};
  FLookAndFeel->Painter()->DrawTrackBarThumb(ACanvas, Helper().Real(R), state, Orientation == tboHorizontal,
                                             aligns[static_cast<int>(TickMarks)], color);
}

void TcxCustomTrackBarViewInfo::DrawTicks(TcxCanvas* ACanvas) {
  if (Font) ACanvas->Font()->Assign(Font);
  ACanvas->Font()->SetColor(TickColor);
  ACanvas->Brush()->SetColor(clBtnFace);
  for (int tick : FMajorTicks) DrawTick(ACanvas, tick, true);
  int last = PositionToCoordinate(Min);
  for (int tick : FMinorTicks) {
    const int coordinate = PositionToCoordinate(tick);
    if (std::abs(coordinate - last) <= 1) continue;
    DrawTick(ACanvas, tick, false);
    last = coordinate;
  }
}

void TcxCustomTrackBarViewInfo::DrawTick(TcxCanvas* ACanvas, int AValue, bool AMajor) {
  const int c = PositionToCoordinate(AValue);
  const bool valueTick = IsValueTick(AValue);
  const bool mark = TickType == tbttTicks || TickType == tbttTicksAndNumbers ||
                    (TickType == tbttValueNumber && !valueTick);
  const bool number = TickType == tbttNumbers || TickType == tbttTicksAndNumbers ||
                      (TickType == tbttValueNumber && valueTick);
  if (mark) {
    const int length = MulDiv(TickSize + (AMajor && TickType == tbttTicks ? TickSize / 2 : 0), ACanvas->DpiY(), 96);
    auto line = [&](int AFrom, int ATo) {
      ACanvas->FillRect(Helper().Real(TRect(c, AFrom, c + 1, ATo)), TickColor);
    };
    if (TickMarks != cxtmTopLeft) line(ThumbRect.Bottom + 2, ThumbRect.Bottom + 2 + length);
    if (TickMarks != cxtmBottomRight) line(ThumbRect.Top - length - 1, ThumbRect.Top - 1);
  }
  if (number) DrawNumber(ACanvas, AValue, c);
}

void TcxCustomTrackBarViewInfo::DrawNumber(TcxCanvas* ACanvas, int AValue, int ACoordinate) {
  String text = IntToStr(AValue);
  if (Properties && Properties->OnGetTickLabel) Properties->OnGetTickLabel(Properties, AValue, text);
  const TSize size = ACanvas->TextExtent(text);
  const bool verticalText = TextOrientation == tbtoVertical;
  const int alongExtent = (verticalText == (Orientation == tboVertical)) ? size.cx : size.cy;
  const int acrossExtent = alongExtent == size.cx ? size.cy : size.cx;
  const bool textAcross = (Orientation == tboHorizontal) == !verticalText;
  const int gap = (textAcross ? 1 : 0) + (TickType == tbttTicksAndNumbers ? TickSize + 2 : 0);
  auto draw = [&](int ATop) {
    TRect r(ACoordinate - alongExtent / 2, ATop, ACoordinate - alongExtent / 2 + alongExtent, ATop + acrossExtent);
    r = Helper().Real(r);
    if (!ACanvas->RectFullyVisible(r)) return;
    if (verticalText) cxDrawRotatedText(ACanvas, text, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE, TickColor, raPlus90);
    else {
      ACanvas->Brush()->SetStyle(bsClear);
      cxDrawTextColored(ACanvas->Handle(), text, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE, -1, TickColor);
      ACanvas->Brush()->SetStyle(bsSolid);
    }
    ACanvas->ExcludeClipRect(r);  // later numbers never cover this one
  };
  if (TickMarks != cxtmTopLeft) draw(ThumbRect.Bottom + gap + 1);
  if (TickMarks != cxtmBottomRight) draw(ThumbRect.Top - gap - 1 - acrossExtent);
}

// ---------------------------------------------------------------- fading

bool TcxCustomTrackBarFadingHelper::IsFadingAllowed() {
  return FViewInfo->HintedControl && FViewInfo->IsFadingAvailable();
}

void TcxCustomTrackBarFadingHelper::RepaintFadeFrame() {
  if (TcxControl* control = FViewInfo->HintedControl; control && control->HandleAllocated()) {
    TRect r = PartRect();
    r.Offset(FViewInfo->Bounds.Left, FViewInfo->Bounds.Top);
    const RECT rect{r.Left, r.Top, r.Right, r.Bottom};
    ::InvalidateRect(control->Handle(), &rect, false);
  }
}

void TcxCustomTrackBarFadingHelper::UpdateState(TcxButtonState AState) {
  if (AState == FState) return;
  CheckStartFading(FState, AState);
  FState = AState;
}

// The part drawn over the background and the track, cut out of a bitmap
// of the whole track bar.
TcxBitmap32* TcxCustomTrackBarFadingHelper::RenderFadingImage(TcxButtonState AState) {
  const TRect part = PartRect();
  const TSize size(FViewInfo->Bounds.Width(), FViewInfo->Bounds.Height());
  TcxBitmap32 whole(size.cx, size.cy, true);
  TcxCanvas* canvas = whole.cxCanvas();
  canvas->FillRect(TRect(0, 0, size.cx, size.cy), FViewInfo->BackgroundColor());
  DrawPart(canvas, AState);
  auto image = std::make_unique<TcxBitmap32>(part.Width(), part.Height(), true);
  BitBlt(image->cxCanvas()->Handle(), 0, 0, part.Width(), part.Height(), canvas->Handle(), part.Left, part.Top,
         SRCCOPY);
  return image.release();
}

void TcxCustomTrackBarFadingHelper::PrepareFadeImages(TBitmap*& AFadeOutImage, TBitmap*& AFadeInImage) {
  std::unique_ptr<TBitmap> fadeOut(RenderFadingImage(cxbsNormal));
  AFadeInImage = RenderFadingImage(cxbsHot);
  AFadeOutImage = fadeOut.release();
}

void TcxTrackBarThumbFadingHelper::DrawPart(TcxCanvas* ACanvas, TcxButtonState AState) {
  ViewInfo()->DrawThumbState(ACanvas, ViewInfo()->ThumbRect, AState == cxbsHot ? 2 : 1);
}

bool TcxTrackBarCustomButtonFadingHelper::IsFadingAllowed() {
  return TcxCustomTrackBarFadingHelper::IsFadingAllowed() && ViewInfo()->ShowChangeButtons && !PartRect().IsEmpty();
}

TRect TcxTrackBarCustomButtonFadingHelper::PartRect() const {
  return FLeft ? ViewInfo()->RealLeftButtonRect() : ViewInfo()->RealRightButtonRect();
}

void TcxTrackBarCustomButtonFadingHelper::DrawPart(TcxCanvas* ACanvas, TcxButtonState AState) {
  ViewInfo()->DrawChangeButton(ACanvas, FLeft, AState);
}

// ---------------------------------------------------------------- view data

TcxCustomTrackBarProperties* TcxCustomTrackBarViewData::TrackBarProperties() const {
  return static_cast<TcxCustomTrackBarProperties*>(Properties());
}

void TcxCustomTrackBarViewData::EditValueToDrawValue(const Variant& AEditValue, TcxCustomEditViewInfo* AViewInfo) {
  static_cast<TcxCustomTrackBarViewInfo*>(AViewInfo)->FPosition = TrackBarProperties()->PositionOf(AEditValue);
}

void TcxCustomTrackBarViewData::Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P,
                                          TcxMouseButton Button, TShiftState Shift, TcxCustomEditViewInfo* AViewInfo,
                                          bool AIsMouseEvent) {
  TcxCustomEditViewData::Calculate(ACanvas, ABounds, P, Button, Shift, AViewInfo, AIsMouseEvent);
  auto* viewInfo = static_cast<TcxCustomTrackBarViewInfo*>(AViewInfo);
  viewInfo->FLookAndFeel->Assign(Style()->LookAndFeel());
  if (Enabled) {
    viewInfo->TrackBarState = viewInfo->MouseStates.Contains(tbmpSliding)      ? 3
                              : viewInfo->MouseStates.Contains(tbmpUnderThumb) ? 2
                                                                               : 1;
    if (viewInfo->ButtonLeftState == cxbsDisabled && viewInfo->ButtonRightState == cxbsDisabled)
      viewInfo->ButtonLeftState = viewInfo->ButtonRightState = cxbsNormal;
  } else {
    viewInfo->TrackBarState = 5;
    viewInfo->ButtonLeftState = viewInfo->ButtonRightState = cxbsDisabled;
  }
  CalculateViewInfoProperties(viewInfo);
  LayOutTrackBarRects(ACanvas, viewInfo);
  viewInfo->UpdateFading();
}

void TcxCustomTrackBarViewData::CalculateViewInfoProperties(TcxCustomTrackBarViewInfo* AViewInfo) {
  TcxCustomTrackBarProperties* p = TrackBarProperties();
  AViewInfo->Properties = p;
  AViewInfo->Frequency = p->Frequency();
  AViewInfo->Min = p->Min();
  AViewInfo->Max = p->Max();
  AViewInfo->LineSize = p->LineSize();
  AViewInfo->PageSize = p->PageSize();
  AViewInfo->ReverseDirection = p->ReverseDirection();
  AViewInfo->ShowChangeButtons = p->ShowChangeButtons();
  AViewInfo->ShowTrack = p->ShowTrack();
  AViewInfo->ShowTicks = p->ShowTicks();
  AViewInfo->TrackSize = p->TrackSize();
  AViewInfo->TickColor = Enabled ? p->TickColor() : clBtnShadow;
  AViewInfo->TickType = p->TickType();
  AViewInfo->TickMarks = p->TickMarks();
  AViewInfo->TickSize = p->TickSize();
  AViewInfo->ThumbType = p->ThumbType();
  AViewInfo->TrackColor = p->TrackColor();
  AViewInfo->SelectionColor = p->SelectionColor();
  AViewInfo->ThumbColor = p->ThumbColor();
  AViewInfo->ThumbHighlightColor = p->ThumbHighlightColor();
  AViewInfo->Orientation = p->Orientation();
  AViewInfo->TextOrientation = p->TextOrientation();
  if (p->Orientation() == tboVertical)
    AViewInfo->FOrientationHelper = std::make_unique<TcxVerticalTrackBarViewInfoHelper>();
  else
    AViewInfo->FOrientationHelper = std::make_unique<TcxHorizontalTrackBarViewInfoHelper>();
  AViewInfo->CalculateMajorTicks();
  AViewInfo->CalculateMinorTicks();
}

int TcxCustomTrackBarViewData::NumberExtent(TcxCanvas* ACanvas, TcxCustomTrackBarViewInfo* AViewInfo) {
  if (AViewInfo->Font) ACanvas->Font()->Assign(AViewInfo->Font);
  const String low = IntToStr(AViewInfo->Min), high = IntToStr(AViewInfo->Max);
  const bool textAcross = (AViewInfo->Orientation == tboHorizontal) == (AViewInfo->TextOrientation == tbtoHorizontal);
  if (textAcross) return ACanvas->TextHeight(low);
  return ACanvas->TextWidth(low.size() > high.size() ? low : high);
}

int TcxCustomTrackBarViewData::CalculateTickAreaSize(TcxCanvas* ACanvas, TcxCustomTrackBarViewInfo* AViewInfo,
                                                     bool ATopLeft) {
  const TcxTrackBarTickMarks marks = AViewInfo->TickMarks;
  const bool hasTicks = marks == cxtmBoth || marks == (ATopLeft ? cxtmTopLeft : cxtmBottomRight);
  if (!hasTicks) return 0;
  int size = AViewInfo->TickSize + 1;
  int extent = 0;
  if (AViewInfo->TickType != tbttTicks) {
    extent = NumberExtent(ACanvas, AViewInfo);
    size = AViewInfo->TickType == tbttTicksAndNumbers ? size + extent + 2 : extent;
  }
  if (AViewInfo->TrackBarBorderWidth == 0) ++size;
  if (AViewInfo->TickType == tbttTicksAndNumbers) {
    const int sides = marks == cxtmBoth ? 2 : 1;
    const int height = AViewInfo->TrackBarRect.Height();
    if (height - sides * size <= 20) {
      AViewInfo->TickSize = std::max(0, (height - sides * (extent + 3) - 21) / sides);
      size = extent + AViewInfo->TickSize + 3;
    }
  }
  return size;
}

void TcxCustomTrackBarViewData::CalculateTrackZoneRect(TcxCanvas* ACanvas, TcxCustomTrackBarViewInfo* AViewInfo,
                                                       int& AZoneHeight) {
  const int upper = CalculateTickAreaSize(ACanvas, AViewInfo, true);
  const int lower = CalculateTickAreaSize(ACanvas, AViewInfo, false);
  const TRect& bar = AViewInfo->TrackBarRect;
  const int free = bar.Height() - upper - lower;
  AZoneHeight = free < 11 ? 10 : std::min(free, 21);
  if (AViewInfo->ThumbType == cxttCustom && TrackBarProperties()->OnGetThumbRect) {
    TRect custom;
    TrackBarProperties()->OnGetThumbRect(TrackBarProperties(), custom);
    AZoneHeight = std::max(AZoneHeight, custom.Height());
  }
  TRect& zone = AViewInfo->TrackZoneRect;
  zone.Top = bar.Top + upper + (free - AZoneHeight) / 2;
  zone.Bottom = zone.Top + AZoneHeight;
  zone.Left = bar.Left + AViewInfo->TrackBarBorderWidth + 7;
  zone.Right = bar.Right - AViewInfo->TrackBarBorderWidth - 7;
}

void TcxCustomTrackBarViewData::CalculateThumbSize(TcxCustomTrackBarViewInfo* AViewInfo, int AZoneHeight) {
  TcxCustomTrackBarProperties* p = TrackBarProperties();
  if (AViewInfo->ThumbType == cxttCustom && p->OnGetThumbRect) {
    TRect custom;
    p->OnGetThumbRect(p, custom);
    AViewInfo->ThumbSize = custom.Width();
    AViewInfo->ThumbLargeSize = custom.Height();
  } else if (p->AutoSize()) {
    AViewInfo->ThumbSize = (AViewInfo->TrackSize + 1) / 2 * 2;
    AViewInfo->ThumbLargeSize = 2 * AViewInfo->TrackSize;
  } else {
    AViewInfo->ThumbSize = p->ThumbWidth();
    AViewInfo->ThumbLargeSize = p->ThumbHeight();
  }
}

void TcxCustomTrackBarViewData::CalculatePixelsPerPositionStep(TcxCustomTrackBarViewInfo* AViewInfo) {
  AViewInfo->Numerator = AViewInfo->TrackRect.Width() - AViewInfo->ThumbSize;
  AViewInfo->Denominator = AViewInfo->Max - AViewInfo->Min < 2 ? 1 : AViewInfo->Max - AViewInfo->Min;
}

void TcxCustomTrackBarViewData::LayOutTrackBarRects(TcxCanvas* ACanvas, TcxCustomTrackBarViewInfo* AViewInfo) {
  TcxCustomTrackBarViewInfo& v = *AViewInfo;
  const auto& h = v.Helper();
  // The working rectangle, in the horizontal frame.
  v.RealTrackBarRect = v.ClientRect;
  TRect bar = v.ClientRect;
  bar.Offset(-v.Bounds.Left, -v.Bounds.Top);
  v.TrackBarRect = h.Real(bar);
  v.TrackBarBorderWidth = std::min({TrackBarProperties()->BorderWidth(), v.TrackBarRect.Width() / 2,
                                    v.TrackBarRect.Height() / 2});
  int zoneHeight = 0;
  CalculateTrackZoneRect(ACanvas, AViewInfo, zoneHeight);
  if (TrackBarProperties()->AutoSize()) v.TrackSize = MulDiv(zoneHeight / 2, ACanvas->DpiY(), 96);
  // The change buttons at the zone's ends, centred across it.
  TcxCustomLookAndFeelPainter* painter = v.LookAndFeel()->Painter();
  const TSize left = painter->GetZoomOutButtonSize(), right = painter->GetZoomInButtonSize();
  const TRect& zone = v.TrackZoneRect;
  const int leftTop = zone.Top + (zone.Height() - left.cy) / 2;
  const int rightTop = zone.Top + (zone.Height() - right.cy) / 2;
  v.LeftButtonRect = TRect(zone.Left, leftTop, zone.Left + left.cx, leftTop + left.cy);
  v.RightButtonRect = TRect(zone.Right - right.cx + 1, rightTop, zone.Right + 1, rightTop + right.cy);
  // The track.
  const int trackTop = zone.Top + (zone.Height() - v.TrackSize) / 2;
  v.TrackRect = TRect(zone.Left, trackTop, zone.Right, trackTop + v.TrackSize);
  if (v.ShowChangeButtons) {
    v.TrackRect.Left += left.cx + 5;
    v.TrackRect.Right -= right.cx + 5;
  }
  CalculateThumbSize(AViewInfo, zoneHeight);
  CalculatePixelsPerPositionStep(AViewInfo);
  // The thumb.
  const int c = v.PositionToCoordinate(v.FPosition);
  const int thumbTop = v.TrackRect.Top + (v.TrackSize - v.ThumbLargeSize) / 2;
  v.ThumbRect = TRect(c - v.ThumbSize / 2, thumbTop, c - v.ThumbSize / 2 + v.ThumbSize, thumbTop + v.ThumbLargeSize);
  // The selection, clamped into the range.
  const int start = std::clamp(TrackBarProperties()->SelectionStart(), v.Min, v.Max);
  const int end = std::clamp(TrackBarProperties()->SelectionEnd(), v.Min, v.Max);
  v.FShowSelection = start < end;
  v.SelectionRect = TRect();
  if (v.FShowSelection) {
    int from = v.PositionToCoordinate(start), to = v.PositionToCoordinate(end);
    if (v.ReverseDirection) std::swap(from, to);
    v.SelectionRect = TRect(from, v.TrackRect.Top + 2, to + 1, v.TrackRect.Bottom - 1);
  }
}
