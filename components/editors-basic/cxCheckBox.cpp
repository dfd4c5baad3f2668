#include "components/editors-basic/cxCheckBox.h"

#include <algorithm>
#include <utility>

#include "components/controls/cxVariants.h"
#include "components/core/dxCore.h"
#include "components/core/dxThemeManager.h"
#include "components/core/dxUxTheme.h"
#include "components/editors/cxEditConsts.h"
#include "components/editors/cxEditUtils.h"
#include "vcl/classes/Filer.h"
#include "vcl/controls/Messages.h"
#include "vcl/controls/StdCtrls.h"

namespace {

TRect Shrunk(TRect R, int ADelta) {
  R.Inflate(-ADelta, -ADelta);
  return R;
}

TRect Intersection(const TRect& A, const TRect& B) {
  TRect r(std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right),
          std::min(A.Bottom, B.Bottom));
  return r.IsEmpty() ? TRect() : r;
}

bool StateValuesDiffer(const Variant& A, const Variant& B) { return !cxVarEqualsSameType(A, B); }

}  // namespace

// ---------------------------------------------------------------- caption items

void TcxCaptionItem::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxCaptionItem*>(Source);
  if (!source) return TCollectionItem::Assign(Source);
  SetCaption(source->Caption());
  FTag = source->Tag();
}

void TcxCaptionItem::SetCaption(const String& Value) {
  if (FCaption == Value) return;
  FCaption = Value;
  auto* items = dynamic_cast<TcxOwnedInterfacedCollection*>(Collection());
  if (items && items->Sorted())
    items->SortItems();
  else
    Changed(false);
}

int TcxCaptionItems::CompareItemOrder(TCollectionItem* AItem1, TCollectionItem* AItem2) {
  return AnsiCompareText(static_cast<TcxCaptionItem*>(AItem1)->Caption(),
                         static_cast<TcxCaptionItem*>(AItem2)->Caption());
}

// ---------------------------------------------------------------- properties

TcxCustomCheckBoxProperties::TcxCustomCheckBoxProperties(TPersistent* AOwner) : TcxCustomEditProperties(AOwner) {}

TcxCustomCheckBoxProperties::~TcxCustomCheckBoxProperties() = default;

TBitmap* TcxCustomCheckBoxProperties::EnsureGlyph() {
  if (!FGlyph) {
    FGlyph = std::make_unique<TBitmap>();
    FGlyph->OnChange = [this](TObject*) { Changed(); };
  }
  return FGlyph.get();
}

void TcxCustomCheckBoxProperties::SetGlyph(TBitmap* Value) {
  if (Value)
    EnsureGlyph()->Assign(Value);
  else
    FGlyph.reset();
  Changed();
}

void TcxCustomCheckBoxProperties::SetGlyphCount(int Value) {
  if (FGlyphCount == Value) return;
  FGlyphCount = Value;
  if (FGlyph) Changed();
}

void TcxCustomCheckBoxProperties::SetCaption(const String& Value) {
  FIsCaptionAssigned = true;
  SetChanging(FCaption, Value);
}

String TcxCustomCheckBoxProperties::TakeCaption() {
  FIsCaptionAssigned = false;
  return FCaption;
}

String TcxCustomCheckBoxProperties::DisplayText(TcxCheckBoxState AState) {
  const int i = static_cast<int>(AState);
  if (FIsDisplayCheckStateAssigned[i]) return FDisplayCheckState[i];
  static TResStringRec* const defaults[] = {&cxSEditCheckBoxUnchecked, &cxSEditCheckBoxChecked,
                                            &cxSEditCheckBoxGrayed};
  return dxTranslatedResString(*defaults[i]);
}

// A new text is reported like every other setting, so that a view showing
// the display text redraws it.
void TcxCustomCheckBoxProperties::SetDisplayText(TcxCheckBoxState AState, const String& Value) {
  const int i = static_cast<int>(AState);
  if (DisplayText(AState) == Value) return;
  FIsDisplayCheckStateAssigned[i] = false;
  const String defaultText = DisplayText(AState);
  FDisplayCheckState[i] = Value;
  FIsDisplayCheckStateAssigned[i] = Value != defaultText;
  Changed();
}

namespace {

bool AreStateValuesValid(const Variant& AChecked, const Variant& AGrayed, const Variant& AUnchecked) {
  return !VarIsNull(AChecked) && !VarIsNull(AUnchecked) && StateValuesDiffer(AChecked, AGrayed) &&
         StateValuesDiffer(AChecked, AUnchecked) && StateValuesDiffer(AGrayed, AUnchecked);
}

[[noreturn]] void RaiseStateValuesError() {
  throw EcxEditError(
      L"The check box cannot take these state values: the checked, grayed and unchecked values must differ, "
      L"and the checked and unchecked values cannot be Null");
}

}  // namespace

void TcxCustomCheckBoxProperties::AssignStateValues(const Variant& AChecked, const Variant& AGrayed,
                                                    const Variant& AUnchecked) {
  if (cxVarEqualsSameType(AChecked, FValueChecked) && cxVarEqualsSameType(AGrayed, FValueGrayed) &&
      cxVarEqualsSameType(AUnchecked, FValueUnchecked))
    return;
  if (!AreStateValuesValid(AChecked, AGrayed, AUnchecked)) RaiseStateValuesError();
  FValueChecked = AChecked;
  FValueGrayed = AGrayed;
  FValueUnchecked = AUnchecked;
  Changed();
}

void TcxCustomCheckBoxProperties::CheckStateValues() const {
  if (!AreStateValuesValid(FValueChecked, FValueGrayed, FValueUnchecked)) RaiseStateValuesError();
}

bool TcxCustomCheckBoxProperties::IsOwnerLoading() const {
  auto* owner = dynamic_cast<TComponent*>(GetOwner());
  return owner && (owner->ComponentState().Contains(csLoading) || owner->ComponentState().Contains(csReading));
}

void TcxCustomCheckBoxProperties::SetStateValue(Variant& AField, const Variant& AValue) {
  if (cxVarEqualsSameType(AField, AValue)) return;
  AField = AValue;
  Changed();
}

void TcxCustomCheckBoxProperties::SetValueChecked(const Variant& Value) {
  if (IsOwnerLoading()) return SetStateValue(FValueChecked, Value);
  AssignStateValues(Value, FValueGrayed, FValueUnchecked);
}

void TcxCustomCheckBoxProperties::SetValueGrayed(const Variant& Value) {
  if (IsOwnerLoading()) return SetStateValue(FValueGrayed, Value);
  AssignStateValues(FValueChecked, Value, FValueUnchecked);
}

void TcxCustomCheckBoxProperties::SetValueUnchecked(const Variant& Value) {
  if (IsOwnerLoading()) return SetStateValue(FValueUnchecked, Value);
  AssignStateValues(FValueChecked, FValueGrayed, Value);
}

TcxCheckBoxState TcxCustomCheckBoxProperties::StateOfValue(const Variant& AEditValue) {
  if (cxVariantsEqualStrict(AEditValue, FValueChecked)) return cbsChecked;
  if (cxVariantsEqualStrict(AEditValue, FValueUnchecked)) return cbsUnchecked;
  return cbsGrayed;
}

Variant TcxCustomCheckBoxProperties::ValueOfState(TcxCheckBoxState AState) {
  switch (AState) {
    case cbsChecked:
      return FValueChecked;
    case cbsGrayed:
      return FValueGrayed;
    default:
      return FValueUnchecked;
  }
}

TcxEditViewDataClass TcxCustomCheckBoxProperties::ViewDataClass() const {
  return TcxEditViewDataClass::Of<TcxCustomCheckBoxViewData>();
}

TcxEditViewInfoClass TcxCustomCheckBoxProperties::GetViewInfoClass() const {
  return TcxEditViewInfoClass::Of<TcxCustomCheckBoxViewInfo>();
}

TcxCustomEditClass TcxCustomCheckBoxProperties::GetContainerClass() const {
  return TcxCustomEditClass::Of<TcxCheckBox>();
}

TcxEditStyleClass TcxCustomCheckBoxProperties::GetStyleClass() const {
  return TcxEditStyleClass::Of<TcxCheckBoxStyle>();
}

bool TcxCustomCheckBoxProperties::CompareDisplayValues(const Variant& AEditValue1, const Variant& AEditValue2) {
  return StateOfValue(AEditValue1) == StateOfValue(AEditValue2);
}

String TcxCustomCheckBoxProperties::GetDisplayText(const Variant& AEditValue, bool, bool) {
  return DisplayText(StateOfValue(AEditValue));
}

TcxEditSpecialFeatures TcxCustomCheckBoxProperties::GetSpecialFeatures() {
  TcxEditSpecialFeatures features = TcxCustomEditProperties::GetSpecialFeatures();
  features.Include(esfNoContentPart);
  features.Include(esfClickable);
  return features;
}

TcxEditSupportedOperations TcxCustomCheckBoxProperties::GetSupportedOperations() {
  return {esoAlwaysHotTrack, esoEditing, esoFiltering, esoHotTrack, esoShowingCaption, esoSorting, esoTransparency};
}

bool TcxCustomCheckBoxProperties::IsEditValueValid(Variant& EditValue, bool AEditFocused) {
  return TcxCustomEditProperties::IsEditValueValid(EditValue, AEditFocused) &&
         (StateOfValue(EditValue) != cbsGrayed || cxVariantsEqualStrict(EditValue, FValueGrayed));
}

void TcxCustomCheckBoxProperties::PrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue, bool) {
  DisplayValue = Variant(static_cast<int>(StateOfValue(AEditValue)));
}

void TcxCustomCheckBoxProperties::AssignSettings(TcxCustomEditProperties* Source) {
  TcxCustomEditProperties::AssignSettings(Source);
  auto* source = dynamic_cast<TcxCustomCheckBoxProperties*>(Source);
  if (!source) return;
  SetAllowGrayed(source->AllowGrayed());
  SetDisplayChecked(source->DisplayChecked());
  SetDisplayGrayed(source->DisplayGrayed());
  SetDisplayUnchecked(source->DisplayUnchecked());
  SetFullFocusRect(source->FullFocusRect());
  SetGlyph(source->Glyph());
  SetGlyphCount(source->GlyphCount());
  SetMultiLine(source->MultiLine());
  SetNullStyle(source->NullStyle());
  SetUseAlignmentWhenInplace(source->UseAlignmentWhenInplace());
  AssignStateValues(source->ValueChecked(), source->ValueGrayed(), source->ValueUnchecked());
  SetShowEndEllipsis(source->ShowEndEllipsis());
}

// ---------------------------------------------------------------- view info

void TcxCustomCheckBoxViewInfo::Assign(TObject* Source) {
  TcxCustomEditViewInfo::Assign(Source);
  if (auto* source = dynamic_cast<TcxCustomCheckBoxViewInfo*>(Source)) {
    CheckBoxState = source->CheckBoxState;
    State = source->State;
  }
}

void TcxCustomCheckBoxViewInfo::Offset(int DX, int DY) {
  TcxCustomEditViewInfo::Offset(DX, DY);
  CheckBoxRect.Offset(DX, DY);
  FocusRect.Offset(DX, DY);
  TextRect.Offset(DX, DY);
}

TcxRegion* TcxCustomCheckBoxViewInfo::GetUpdateRegion(TcxContainerViewInfo* AViewInfo) {
  TcxRegion* region = TcxCustomEditViewInfo::GetUpdateRegion(AViewInfo);
  auto* previous = dynamic_cast<TcxCustomCheckBoxViewInfo*>(AViewInfo);
  if (previous && (previous->CheckBoxState != CheckBoxState || previous->State != State)) {
    TcxRegion check(CheckBoxRect);
    region->Combine(&check, roAdd, false);
  }
  return region;
}

bool TcxCustomCheckBoxViewInfo::Repaint(TWinControl* AControl, const TRect& AInnerEditRect,
                                        TcxContainerViewInfo* AViewInfo) {
  bool result = TcxCustomEditViewInfo::Repaint(AControl, AInnerEditRect, AViewInfo);
  if (!AControl->HandleAllocated()) return result;
  auto* previous = dynamic_cast<TcxCustomCheckBoxViewInfo*>(AViewInfo);
  if (!previous || previous->CheckBoxState != CheckBoxState || previous->State != State) {
    const TRect r = cxRectShiftBy(CheckBoxRect, Left, Top);
    const RECT rect{r.Left, r.Top, r.Right, r.Bottom};
    InvalidateRect(AControl->Handle(), &rect, true);
    result = true;
  }
  return result;
}

bool TcxCustomCheckBoxViewInfo::IsCaptionGrayed() const {
  return !IsContainerInnerControl && !Enabled && !IsTextColorAssigned && !NativeStyle;
}

TcxCustomCheckControlFadingHelper* TcxCustomCheckBoxViewInfo::FadingHelper() {
  if (!FFadingHelper) FFadingHelper.reset(CreateFadingHelper());
  return FFadingHelper.get();
}

void TcxCustomCheckBoxViewInfo::PaintCheck(TcxCanvas* ACanvas, TcxEditCheckState AEditCheckState) {
  cxPaintCheck(ACanvas, CheckBoxRect, State, AEditCheckState, CheckBoxGlyph, CheckBoxGlyphCount,
               CheckBoxBorderStyle, NativeStyle, BorderColor, BackgroundColor(), !Transparent, IsDesigning, Focused,
               true, UseSkins ? Painter : nullptr, NullValueShowingStyle);
}

void TcxCustomCheckBoxViewInfo::InternalPaint(TcxCanvas* ACanvas) {
  const TRect check = Shrunk(CheckBoxRect, CheckBorderOffset);
  bool seeThrough = HasGlyph || (Transparent && UseSkins);
  if (!seeThrough && NativeStyle)
    if (HTHEME theme = dxThemeHandleOf(totButton))
      seeThrough = IsThemeBackgroundPartiallyTransparent(theme, cxThemedCheckBoxPart,
                                                         cxThemedCheckStateId(State, CheckBoxState));
  DrawEditBackground(ACanvas, Bounds, check, seeThrough);
  if (!FadingHelper()->DrawImage(ACanvas->Handle(), check)) PaintCheck(ACanvas, CheckBoxState);
  if (Alignment != taCenter) {
    ACanvas->SetFont(Font);
    ACanvas->Font()->SetColor(TextColor);
    ACanvas->Brush()->SetStyle(bsClear);
    ACanvas->DrawTexT(Caption, TextRect, DrawCaptionFlags, !IsCaptionGrayed());
    ACanvas->Brush()->SetStyle(bsSolid);
  }
  if (!FocusRect.IsEmpty()) {
    ACanvas->SetBrushColor(BackgroundColor());
    ACanvas->Font()->SetColor(TextColor);
    ACanvas->DrawFocusRect(FocusRect);
  }
}

// ---------------------------------------------------------------- fading

namespace {

TcxButtonState ButtonStateOfCheck(TcxEditCheckState AState) {
  switch (AState) {
    case ecsHot: return cxbsHot;
    case ecsPressed: return cxbsPressed;
    case ecsDisabled: return cxbsDisabled;
    default: return cxbsNormal;
  }
}

}  // namespace

TcxCustomEditViewInfo* TcxCustomCheckControlFadingHelper::EditViewInfo() { return FViewInfo; }

void TcxCustomCheckControlFadingHelper::UpdateState() {
  const TcxEditCheckState state = FViewInfo->CheckBoxState;
  if (state == FState) return;
  CheckStartFading(ButtonStateOfCheck(FState), ButtonStateOfCheck(state));
  FState = state;
}

bool TcxCheckBoxFadingHelper::IsFadingAllowed() {
  return TcxCustomCheckControlFadingHelper::IsFadingAllowed() && !FViewInfo->CheckBoxRect.IsEmpty();
}

void TcxCheckBoxFadingHelper::Invalidate() {
  if (IcxEditOwner* owner = EditOwner()) owner->Invalidate(FViewInfo->CheckBoxRect, false);
}

void TcxCheckBoxFadingHelper::PrepareFadeImages(TBitmap*& AFadeOutImage, TBitmap*& AFadeInImage) {
  const TRect r = FViewInfo->CheckBoxRect;
  const bool opaque = !FViewInfo->IsBackgroundTransparent() && FViewInfo->BackgroundColor() != clNone &&
                      FViewInfo->Painter != nullptr;
  auto render = [&](TcxEditCheckState AState) {
    auto image = std::make_unique<TcxBitmap32>(r, true);
    image->cxCanvas()->SetWindowOrg(r.TopLeft());
    FViewInfo->PaintCheck(image->cxCanvas(), AState);
    image->cxCanvas()->SetWindowOrg(TPoint(0, 0));
    if (opaque) image->MakeOpaque();
    return image;
  };
  std::unique_ptr<TcxBitmap32> normal = render(ecsNormal);
  std::unique_ptr<TcxBitmap32> hot = render(ecsHot);
  AFadeOutImage = normal.release();
  AFadeInImage = hot.release();
}

// ---------------------------------------------------------------- view data

int TcxCustomCheckBoxViewData::GetCaptionFlags() {
  int flags = cxtfShowPrefix;
  flags |= CalculateAlignment() == taCenter ? cxtfAlignHCenter : cxtfAlignLeft;
  if (Properties()->MultiLine())
    flags |= cxtfWordBreak | cxtfDontClip;
  else {
    flags |= cxtfSingleLine;
    if (Properties()->ShowEndEllipsis()) flags |= cxtfEndEllipsis;
  }
  return flags;
}

TAlignment TcxCustomCheckBoxViewData::CalculateAlignment() {
  if (!IsStandaloneLayout() && !Properties()->UseAlignmentWhenInplace() && Caption.empty()) return taCenter;
  return Properties()->CaptionAlignment();
}

TRect TcxCustomCheckBoxViewData::CalculateCheckBoxRect(TcxCustomCheckBoxViewInfo* AViewInfo) {
  const TRect client = AViewInfo->ClientRect;
  const TSize size = AViewInfo->CheckBoxSize;
  const int w = std::min<int>(size.cx, client.Width());
  const int h = std::min<int>(size.cy, client.Height());
  auto half = [](int ASum) { return ASum >= 0 ? ASum / 2 : (ASum - 1) / 2; };
  TRect r;
  r.Left = half(client.Left + client.Right - w);
  r.Top = half(client.Top + client.Bottom - h);
  r.Right = r.Left + w;
  r.Bottom = r.Top + h;
  if (client.Width() > size.cx) {
    const int inset = IsInplace() && Properties()->IsStandaloneLayoutInplace() ? 0 : GetContentOffset();
    if (AViewInfo->Alignment == taLeftJustify) {
      r.Left = client.Left + inset;
      r.Right = r.Left + size.cx;
    } else if (AViewInfo->Alignment == taRightJustify) {
      r.Right = client.Right - inset;
      r.Left = r.Right - size.cx;
    }
  }
  return r;
}

TRect TcxCustomCheckBoxViewData::CalculateTextRect(TcxCustomCheckBoxViewInfo* AViewInfo) {
  TRect r = Shrunk(AViewInfo->ClientRect, GetContentOffset());
  if (AViewInfo->CheckBoxRect.Width() >= AViewInfo->ClientRect.Width())
    r.Right = r.Left;
  else if (AViewInfo->Alignment == taLeftJustify)
    r.Left = AViewInfo->CheckBoxRect.Right + GetCheckTextGap();
  else if (AViewInfo->Alignment == taRightJustify)
    r.Right = AViewInfo->CheckBoxRect.Left - GetCheckTextGap();
  const bool grayed = !AViewInfo->IsContainerInnerControl && !Enabled && !AViewInfo->IsTextColorAssigned &&
                      !AViewInfo->NativeStyle;
  if (grayed && !AViewInfo->UseSkins) {
    ++r.Right;
    ++r.Bottom;
  }
  return r;
}

TcxEditCheckState TcxCustomCheckBoxViewData::CalculateCheckBoxState(TcxCustomCheckBoxViewInfo* AViewInfo,
                                                                    const TPoint& P, TcxMouseButton Button,
                                                                    TShiftState Shift) {
  if (!Enabled) return ecsDisabled;
  if (IsCheckPressed) return ecsPressed;
  if (IsDesigning || !AViewInfo->BorderRect.Contains(P)) return ecsNormal;
  const bool anyButton = Shift.Contains(ssLeft) || Shift.Contains(ssRight) || Shift.Contains(ssMiddle);
  if (!anyButton) return ecsHot;
  if (Shift.Contains(ssLeft) && (Button == cxmbLeft || AViewInfo->CheckBoxState == ecsPressed)) return ecsPressed;
  return ecsNormal;
}

TRect TcxCustomCheckBoxViewData::CalculateFocusRect(TcxCustomCheckBoxViewInfo* AViewInfo) {
  const bool centred = AViewInfo->Alignment == taCenter;
  const bool shown = Focused && (IsStandaloneLayout() ? !centred
                                                      : centred && PaintOptions.Contains(epoShowFocusRectWhenInplace));
  if (!shown) return TRect();
  if (centred) return Shrunk(AViewInfo->ClientRect, 1);
  if (AViewInfo->Caption.empty()) return TRect();
  TRect r = AViewInfo->TextRect;
  if (!Properties()->FullFocusRect()) {
    TcxScreenCanvas canvas;
    canvas.SetFont(AViewInfo->Font);
    TRect measured = r;
    canvas.TextExtent(AViewInfo->Caption, measured, AViewInfo->DrawCaptionFlags);
    r = measured;
  }
  r.Inflate(1, 1);
  ++r.Bottom;
  if (r.IsEmpty()) return r;
  TRect limit = AViewInfo->TextRect;
  limit.Inflate(1, 1);
  if (IsInplace()) {
    limit.Top += 2;
    limit.Bottom -= 2;
  }
  limit.Right = std::min<int>(limit.Right, AViewInfo->BorderRect.Right - 1);
  return Intersection(r, limit);
}

void TcxCustomCheckBoxViewData::Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P,
                                          TcxMouseButton Button, TShiftState Shift, TcxCustomEditViewInfo* AViewInfo,
                                          bool AIsMouseEvent) {
  TcxCustomEditViewData::Calculate(ACanvas, ABounds, P, Button, Shift, AViewInfo, AIsMouseEvent);
  auto* viewInfo = static_cast<TcxCustomCheckBoxViewInfo*>(AViewInfo);
  TcxCustomCheckBoxProperties* properties = Properties();
  viewInfo->DrawCaptionFlags = GetDrawTextFlags();
  viewInfo->Caption = Caption;
  viewInfo->Alignment = CalculateAlignment();
  viewInfo->CheckBoxBorderStyle = cxCheckBoxHotBorderStyle(Style()->BorderStyle(), viewInfo->HotState);
  viewInfo->CheckBoxGlyph = properties->Glyph();
  viewInfo->CheckBoxGlyphCount = properties->GlyphCount();
  viewInfo->NullValueShowingStyle = properties->NullStyle();
  viewInfo->HasGlyph = cxHasCheckGlyph(viewInfo->CheckBoxGlyph, viewInfo->CheckBoxGlyphCount);
  TcxCustomLookAndFeelPainter* skinPainter = viewInfo->UseSkins ? viewInfo->Painter : nullptr;
  viewInfo->CheckBorderOffset =
      cxCheckFrameMargin(viewInfo->CheckBoxBorderStyle, NativeStyle, viewInfo->HasGlyph, skinPainter);
  viewInfo->IsTextColorAssigned =
      Style()->IsValueAssigned(csvTextColor) ||
      (skinPainter && skinPainter->DefaultEditorTextColor(!Enabled) != clDefault);
  viewInfo->CheckBoxSize =
      cxMeasureCheck(ACanvas, NativeStyle, viewInfo->CheckBoxGlyph, skinPainter, viewInfo->CheckBoxGlyphCount);
  viewInfo->CheckBoxRect = CalculateCheckBoxRect(viewInfo);
  viewInfo->TextRect = CalculateTextRect(viewInfo);
  viewInfo->CheckBoxLastState = viewInfo->CheckBoxState;
  viewInfo->CheckBoxState = CalculateCheckBoxState(viewInfo, P, Button, Shift);
  viewInfo->FocusRect = CalculateFocusRect(viewInfo);
  if (IsInplace() && viewInfo->CheckBoxBorderStyle == ebsSingle)
    viewInfo->BorderColor =
        viewInfo->CheckBoxState == ecsHot || (IsDesigning && viewInfo->CheckBoxState != ecsDisabled) ? clHighlight
                                                                                                       : clBtnShadow;
  viewInfo->FadingHelper()->UpdateState();
}

void TcxCustomCheckBoxViewData::EditValueToDrawValue(const Variant& AEditValue, TcxCustomEditViewInfo* AViewInfo) {
  auto* viewInfo = static_cast<TcxCustomCheckBoxViewInfo*>(AViewInfo);
  viewInfo->State = PreviewMode ? cbsChecked : Properties()->StateOfValue(AEditValue);
  if (IsInplace()) viewInfo->Caption.clear();
}

TSize TcxCustomCheckBoxViewData::GetEditContentSize(TcxCanvas* ACanvas, const Variant&,
                                                    const TcxEditSizeProperties& AEditSizeProperties,
                                                    TcxEditValidateInfo*) {
  ACanvas->SetFont(Style()->GetVisibleFont());
  TRect r(0, 0, std::max(AEditSizeProperties.Width, 1), 0);
  ACanvas->TextExtent(Caption, r, GetCaptionFlags());
  TSize size(r.Width(), r.Height() + 2 * GetContentOffset());
  if (r.Width() > 0) size.cx += GetCheckTextGap();
  return size;
}

void TcxCustomCheckBoxViewData::CalculateFrameAndMinContentSize(TcxCanvas* ACanvas, bool AIsInplace, TSize& ASize,
                                                               TcxCustomEditViewInfo* AViewInfo,
                                                               TSize& AMinContentSize,
                                                               const TcxEditSizeProperties& AEditSizeProperties) {
  TcxCustomEditViewData::CalculateFrameAndMinContentSize(ACanvas, AIsInplace, ASize, AViewInfo, AMinContentSize,
                                                         AEditSizeProperties);
  const TSize check = cxMeasureCheck(ACanvas, NativeStyle, Properties()->Glyph(), nullptr, Properties()->GlyphCount());
  ASize.cx += check.cx + 2 * GetContentOffset();
  AMinContentSize.cy = check.cy + 2 * GetContentOffset();
}

// ---------------------------------------------------------------- control

TcxCustomCheckBox::TcxCustomCheckBox(TComponent* AOwner, bool AIsInplace)
    : TcxCustomEdit(AOwner, AIsInplace),
      FEditStyle(std::make_unique<TcxCheckBoxStyle>(nullptr, false)),
      FCheckViewInfo(std::make_unique<TcxCustomCheckBoxViewInfo>()) {
  FCheckViewInfo->Owner = this;
  FEditStyle->LookAndFeel()->SetMasterLookAndFeel(Style()->LookAndFeel());
  FEditStyle->OnChanged = [this](TObject*) { RefreshUnlessCalculating(); };
  TControlStyle style = ControlStyle();
  style.Exclude(csDoubleClicks);
  style.Include(csParentBackground);
  SetControlStyle(style);
  SetBounds(Left(), Top(), 121, 21);
  SetTabStop(true);
  LockChangeEvents(true, false);
  SetEditValue(ActiveProperties()->ValueOfState(cbsUnchecked));
  LockChangeEvents(false, false);
  FIsAdjustingSize = false;
}

TcxCustomCheckBox::~TcxCustomCheckBox() = default;

TcxCheckBoxState TcxCustomCheckBox::State() { return ActiveProperties()->StateOfValue(EditValue()); }

void TcxCustomCheckBox::SetState(TcxCheckBoxState Value) {
  if (IsLoading()) {
    FLoadingState = Value;
    FIsLoadingStateAssigned = true;
    return;
  }
  if (Value == State()) return;
  SetInternalEditValue(ActiveProperties()->ValueOfState(Value));
}

bool TcxCustomCheckBox::IsLoading() const {
  const TComponentState state = ComponentState();
  return state.Contains(csLoading) || state.Contains(csReading);
}

void TcxCustomCheckBox::SetStateSilently(TcxCheckBoxState Value) {
  LockChangeEvents(true);
  LockClick(true);
  try {
    SetState(Value);
  } catch (...) {
    LockClick(false);
    LockChangeEvents(false, false);
    throw;
  }
  LockClick(false);
  LockChangeEvents(false, false);
}

void TcxCustomCheckBox::Loaded() {
  TcxCustomEdit::Loaded();
  const bool isStateAssigned = std::exchange(FIsLoadingStateAssigned, false);
  Properties()->CheckStateValues();
  if (!isStateAssigned && DataBinding()->IDefaultValuesProvider()->IsDataStorage()) return;
  SetStateSilently(isStateAssigned ? FLoadingState : cbsUnchecked);
}

// Against the action's Checked rather than the default: an unchecked box
// linked to a checked action must say so, or loading would check it.
bool TcxCustomCheckBox::IsStateStored() {
  auto* action = dynamic_cast<TCustomAction*>(Action());
  const TcxCheckBoxState state = FIsLoadingStateAssigned ? FLoadingState : State();
  if (!action) return state != cbsUnchecked;
  return state != (action->Checked() ? cbsChecked : cbsUnchecked);
}

std::unique_ptr<TActionLink> TcxCustomCheckBox::CreateActionLink() {
  return std::make_unique<TcxCheckBoxActionLink>(this);
}

void TcxCustomCheckBox::ActionChange(TObject* Sender, bool CheckDefaults) {
  TcxCustomEdit::ActionChange(Sender, CheckDefaults);
  auto* action = dynamic_cast<TCustomAction*>(Sender);
  if (!action || (CheckDefaults && Checked()) || FIsLoadingStateAssigned) return;
  SetStateSilently(action->Checked() ? cbsChecked : cbsUnchecked);
}

bool TcxCheckBoxActionLink::IsCheckedLinked() {
  return TActionLink::IsCheckedLinked() && FClient->State() != cbsGrayed &&
         FClient->Checked() == CustomAction()->Checked();
}

void TcxCheckBoxActionLink::SetChecked(bool Value) {
  if (IsCheckedLinked()) FClient->SetStateSilently(Value ? cbsChecked : cbsUnchecked);
}

void TcxCustomCheckBox::InternalToggle() {
  TcxCustomCheckBoxProperties* properties = ActiveProperties();
  TcxCheckBoxState next = cbsChecked;
  switch (State()) {
    case cbsUnchecked:
      next = properties->AllowGrayed() ? cbsGrayed : cbsChecked;
      break;
    case cbsChecked:
      next = cbsUnchecked;
      break;
    case cbsGrayed:
      next = cbsChecked;
      break;
  }
  LockChangeEvents(true);
  try {
    SetUserInternalEditValue(properties->ValueOfState(next));
    if (properties->ImmediatePost() && CanPostEditValue() && ValidateEditByOptions(false)) CommitEditValue(false);
  } catch (...) {
    LockChangeEvents(false);
    throw;
  }
  LockChangeEvents(false);
}

void TcxCustomCheckBox::StoreEditValue(const Variant& Value, bool AFlag) {
  const TcxCheckBoxState before = State();
  TcxCustomEdit::StoreEditValue(Value, AFlag);
  if (State() != before) {
    FCheckViewInfo->State = State();
    if (!IsClickLocked()) Click();
  }
  RefreshUnlessCalculating();
}

// A change made while the view is being calculated (the toggle of a
// released press) is in that calculation already: it only needs painting.
void TcxCustomCheckBox::RefreshUnlessCalculating() {
  if (FIsCalculating)
    Invalidate();
  else
    ShortRefreshContainer(false);
}

void TcxCustomCheckBox::HandlePropertiesChanged(TObject* Sender) {
  TcxCustomCheckBoxProperties* properties = ActiveProperties();
  if (properties->IsCaptionAssigned()) SetCaption(properties->TakeCaption());
  if (FCheckViewInfo->State != State()) {
    FCheckViewInfo->State = State();
    if (!AreChangeEventsLocked() && !IsClickLocked()) Click();
  }
  TcxCustomEdit::HandlePropertiesChanged(Sender);
  AdjustAutoSize();
}

void TcxCustomCheckBox::SetAutoSize(bool Value) {
  if (FAutoSize == Value) return;
  FAutoSize = Value;
  AdjustAutoSize();
}

void TcxCustomCheckBox::AdjustAutoSize() {
  TcxCustomCheckBoxProperties* properties = ActiveProperties();
  if (!FAutoSize || IsInplace() || FIsAdjustingSize || properties->CaptionAlignment() == taCenter) return;
  std::unique_ptr<TcxCustomCheckBoxViewData> viewData(
      static_cast<TcxCustomCheckBoxViewData*>(properties->CreateViewData(FEditStyle.get(), false)));
  viewData->Caption = Caption();
  TcxEditSizeProperties sizeProperties;
  sizeProperties.MaxLineCount = properties->MultiLine() ? 0 : 1;
  if (properties->MultiLine()) sizeProperties.Width = Width();
  TcxScreenCanvas canvas;
  const TSize size = viewData->GetEditSize(&canvas, EditValue(), sizeProperties);
  FIsAdjustingSize = true;
  try {
    if (properties->MultiLine())
      SetHeight(size.cy);
    else
      SetWidth(size.cx);
  } catch (...) {
    FIsAdjustingSize = false;
    throw;
  }
  FIsAdjustingSize = false;
}

void TcxCustomCheckBox::KeyDown(uint16_t& Key, TShiftState Shift) {
  TcxCustomEdit::KeyDown(Key, Shift);
  if (Key != VK_SPACE) return;
  const TcxEditCheckState state = FCheckViewInfo->CheckBoxState;
  if (state != ecsNormal && state != ecsHot) return;
  FIsCheckPressed = true;
  ShortRefreshContainer(false);
  Key = 0;
}

void TcxCustomCheckBox::KeyUp(uint16_t& Key, TShiftState Shift) {
  TcxCustomEdit::KeyUp(Key, Shift);
  if (Key != VK_SPACE || FCheckViewInfo->CheckBoxState != ecsPressed) return;
  FIsCheckPressed = false;
  ShortRefreshContainer(false);
  InternalToggle();
}

void TcxCustomCheckBox::KeyPress(wchar_t& Key) {
  TcxCustomEdit::KeyPress(Key);
  if (Key == L' ' && IsInplace() && FCheckViewInfo->CheckBoxState != ecsPressed) {
    InternalToggle();
    Key = 0;
  }
}

void TcxCustomCheckBox::DoExit() {
  FIsCheckPressed = false;
  TcxCustomEdit::DoExit();
}

void TcxCustomCheckBox::WndProc(TMessage& Message) {
  if (Message.Msg == CM_DIALOGCHAR && IsAccel(static_cast<wchar_t>(Message.WParam), Caption()) && CanFocus()) {
    SetFocus();
    if (Focused()) InternalToggle();
    Message.Result = 1;
    return;
  }
  if (Message.Msg == WM_LBUTTONUP) {
    // The platform's own click would come on top of the toggle's.
    TControlState state = ControlState();
    state.Exclude(csClicked);
    SetControlState(state);
  }
  TcxCustomEdit::WndProc(Message);
  if (Message.Msg == CM_TEXTCHANGED || Message.Msg == WM_SETTEXT) ShortRefreshContainer(false);
  if (Message.Msg == CM_TEXTCHANGED || Message.Msg == CM_FONTCHANGED) AdjustAutoSize();
}

void TcxCustomCheckBox::CalculateViewInfoAtPoint(const TPoint& P, TcxMouseButton Button, TShiftState Shift,
                                                 bool AIsMouseEvent) {
  TcxCustomEdit::CalculateViewInfoAtPoint(P, Button, Shift, AIsMouseEvent);
  FIsCalculating = true;
  try {
    CalculateCheckViewInfo(P, cxIsShiftStateClear(Shift) && GetActiveStyle()->HotTrack());
  } catch (...) {
    FIsCalculating = false;
    throw;
  }
  FIsCalculating = false;
}

void TcxCustomCheckBox::CalculateCheckViewInfo(const TPoint& P, bool AllowHotTrack) {
  TcxCustomCheckBoxProperties* properties = ActiveProperties();
  std::unique_ptr<TcxCustomCheckBoxViewData> viewData(
      static_cast<TcxCustomCheckBoxViewData*>(properties->CreateViewData(FEditStyle.get(), IsInplace())));
  viewData->Enabled = Enabled();
  viewData->Focused = Focused();
  viewData->IsDesigning = IsDesigning();
  viewData->Caption = Caption();
  viewData->IsCheckPressed = FIsCheckPressed;
  viewData->WindowHandle = HandleAllocated() ? Handle() : nullptr;
  const TShiftState shift = FRefreshShift;
  viewData->EditValueToDrawValue(EditValue(), FCheckViewInfo.get());
  TcxScreenCanvas canvas;
  const TPoint p = AllowHotTrack || shift.Contains(ssLeft) ? P : cxInvalidPoint;
  viewData->Calculate(&canvas, TRect(0, 0, Width(), Height()), p, FRefreshButton, shift, FCheckViewInfo.get(), true);
  // A press released over the check is a click on it.
  if (FCheckViewInfo->CheckBoxLastState == ecsPressed && FCheckViewInfo->CheckBoxState == ecsHot &&
      (IsInplace() || Focused()))
    InternalToggle();
}

bool TcxCustomCheckBox::RefreshContainer(const TPoint& P, TcxMouseButton Button, TShiftState Shift,
                                         bool AIsMouseEvent) {
  FRefreshButton = Button;
  FRefreshShift = Shift;
  return TcxCustomEdit::RefreshContainer(P, Button, Shift, AIsMouseEvent);
}

void TcxCustomCheckBox::DoPaint() {
  EnsureViewInfoCalculated();
  FCheckViewInfo->Paint(Canvas());
}

// ---------------------------------------------------------------- published

PTypeInfo cxAlignmentTypeInfo() {
  static const TTypeInfo info = EnumTypeInfo(L"TAlignment", {L"taLeftJustify", L"taRightJustify", L"taCenter"});
  return &info;
}

PTypeInfo cxCheckBoxStateTypeInfo() {
  static const TTypeInfo info = EnumTypeInfo(L"TcxCheckBoxState", {L"cbsUnchecked", L"cbsChecked", L"cbsGrayed"});
  return &info;
}

namespace {

bool IsExactlyBoolean(const Variant& AValue, bool ABoolean) {
  return VarType(AValue) == varBoolean && AValue.AsBoolean() == ABoolean;
}

}  // namespace

void TcxCustomCheckBoxProperties::DefineProperties(TFiler* Filer) {
  TcxCustomEditProperties::DefineProperties(Filer);
  Filer->DefineProperty(
      L"Caption", [this](TReader* Reader) { SetCaption(Reader->ReadString()); }, {}, false);
}

const TPropTable* TcxCaptionItem::PublishedTable(TPublishedTag<TcxCaptionItem>) {
  using T = TcxCaptionItem;
  static const TPropTable table = TPublished<T>()
                                      .Property(L"Caption", &T::Caption, &T::SetCaption)
                                      .Stored([](const T& I) { return !I.Caption().empty(); })
                                      .Property(L"Tag", &T::Tag, &T::SetTag)
                                      .Stored([](const T& I) { return I.Tag() != 0; })
                                      .Build();
  return &table;
}

const TPropTable* TcxCustomCheckBoxProperties::PublishedTable(TPublishedTag<TcxCustomCheckBoxProperties>) {
  using T = TcxCustomCheckBoxProperties;
  static const TTypeInfo nullStyleType =
      EnumTypeInfo(L"TcxCheckBoxNullValueShowingStyle", {L"nssUnchecked", L"nssInactive", L"nssGrayedChecked"});
  static const TPropTable table =
      TPublished<T>()
          .Property(L"Alignment", NonConstGetter<&T::CaptionAlignment>, &T::SetCaptionAlignment,
                    cxAlignmentTypeInfo())
          .Stored([](const T& P) { return const_cast<T&>(P).Alignment()->IsHorzAssigned(); })
          .Property(L"AllowGrayed", &T::AllowGrayed, &T::SetAllowGrayed)
          .Stored([](const T& P) { return P.AllowGrayed(); })
          .Property(L"ClearKey", &T::ClearKey, &T::SetClearKey)
          .Stored([](const T& P) { return P.ClearKey() != 0; })
          .Property(L"DisplayChecked", NonConstGetter<&T::DisplayChecked>, &T::SetDisplayChecked)
          .Stored([](const T& P) { return P.IsDisplayTextAssigned(cbsChecked); })
          .Property(L"DisplayGrayed", NonConstGetter<&T::DisplayGrayed>, &T::SetDisplayGrayed)
          .Stored([](const T& P) { return P.IsDisplayTextAssigned(cbsGrayed); })
          .Property(L"DisplayUnchecked", NonConstGetter<&T::DisplayUnchecked>, &T::SetDisplayUnchecked)
          .Stored([](const T& P) { return P.IsDisplayTextAssigned(cbsUnchecked); })
          .Property(L"FullFocusRect", &T::FullFocusRect, &T::SetFullFocusRect)
          .Stored([](const T& P) { return P.FullFocusRect(); })
          .Property(L"Glyph", NonConstGetter<&T::EnsureGlyph>)
          .Property(L"GlyphCount", &T::GlyphCount, &T::SetGlyphCount)
          .Stored([](const T& P) { return P.GlyphCount() != 6; })
          .Property(L"ImmediatePost", &T::ImmediatePost, &T::SetImmediatePost)
          .Stored([](const T& P) { return P.ImmediatePost(); })
          .Property(L"MultiLine", &T::MultiLine, &T::SetMultiLine)
          .Stored([](const T& P) { return P.MultiLine(); })
          .Property(L"NullStyle", &T::NullStyle, &T::SetNullStyle, &nullStyleType)
          .Stored([](const T& P) { return P.NullStyle() != nssGrayedChecked; })
          .Property(L"ReadOnly", NonConstGetter<&T::ReadOnly>, &T::SetReadOnly)
          .Stored([](const T& P) { return const_cast<T&>(P).AssignedValues()->ReadOnly(); })
          .Property(L"ShowEndEllipsis", &T::ShowEndEllipsis, &T::SetShowEndEllipsis)
          .Stored([](const T& P) { return P.ShowEndEllipsis(); })
          .Property(L"UseAlignmentWhenInplace", &T::UseAlignmentWhenInplace, &T::SetUseAlignmentWhenInplace)
          .Stored([](const T& P) { return P.UseAlignmentWhenInplace(); })
          .Property(L"ValueChecked", &T::ValueChecked, &T::SetValueChecked)
          .Stored([](const T& P) { return !IsExactlyBoolean(P.ValueChecked(), true); })
          .Property(L"ValueGrayed", &T::ValueGrayed, &T::SetValueGrayed)
          .Stored([](const T& P) { return !VarIsNull(P.ValueGrayed()); })
          .Property(L"ValueUnchecked", &T::ValueUnchecked, &T::SetValueUnchecked)
          .Stored([](const T& P) { return !IsExactlyBoolean(P.ValueUnchecked(), false); })
          .Build();
  return &table;
}

const TPropTable* TcxCheckBox::PublishedTable(TPublishedTag<TcxCheckBox>) {
  using T = TcxCheckBox;
  static const TPropTable table =
      TPublished<T>()
          .Property(L"Action", &T::Action, &T::SetAction)
          .Stored([](const T& B) { return B.Action() != nullptr; })
          .Property(L"AutoSize", &T::AutoSize, &T::SetAutoSize)
          .Stored([](const T& B) { return !B.AutoSize(); })
          .Property(L"Caption", NonConstGetter<&T::Caption>, &T::SetCaption)
          .Stored([](const T& B) { return !const_cast<T&>(B).Caption().empty(); })
          .Property(L"Enabled", &T::Enabled, &T::SetEnabled)
          .Stored([](const T& B) { return !B.Enabled(); })
          .Property(L"Properties", NonConstGetter<&T::Properties>)
          .Property(L"State", NonConstGetter<&T::State>, &T::SetState, cxCheckBoxStateTypeInfo())
          .Stored([](const T& B) { return const_cast<T&>(B).IsStateStored(); })
          .Property(L"Style", NonConstGetter<&T::Style>)
          .Property(L"StyleDisabled", NonConstGetter<&T::StyleDisabled>)
          .Property(L"StyleFocused", NonConstGetter<&T::StyleFocused>)
          .Property(L"StyleHot", NonConstGetter<&T::StyleHot>)
          .Property(L"TabStop", &T::TabStop, &T::SetTabStop)
          .Stored([](const T& B) { return !B.TabStop(); })
          .Property(L"Transparent", &T::Transparent, &T::SetTransparent)
          .Stored([](const T& B) { return B.Transparent(); })
          .Build();
  return &table;
}

// ---------------------------------------------------------------- filter row

void cxInitializeFilterFixedList(TcxCustomEditProperties* AProperties, const std::vector<String>& AItems) {
  auto* properties = dynamic_cast<TcxCustomComboBoxProperties*>(AProperties);
  if (!properties) return;
  properties->BeginUpdate();
  try {
    properties->Items()->Clear();
    for (const String& item : AItems) properties->Items()->Add(item);
    properties->SetDropDownListStyle(lsFixedList);
    properties->SetIDefaultValuesProvider(nullptr);
  } catch (...) {
    properties->EndUpdate();
    throw;
  }
  properties->EndUpdate();
}

namespace {

// The list's two items, in the order of the helper's texts.
constexpr int FilterCheckedItem = 0;
constexpr int FilterUncheckedItem = 1;

TcxCustomComboBox* FilterComboBox(TcxCustomEdit* AEdit) { return dynamic_cast<TcxCustomComboBox*>(AEdit); }

}  // namespace

const TcxFilterCheckBoxHelper* TcxFilterCheckBoxHelper::Instance() {
  static const TcxFilterCheckBoxHelper instance;
  return &instance;
}

void TcxFilterCheckBoxHelper::GetFilterValue(TcxCustomEdit* AEdit, TcxCustomEditProperties* AEditProperties,
                                             Variant& V, String& S) const {
  auto* properties = static_cast<TcxCustomCheckBoxProperties*>(AEditProperties);
  TcxCustomComboBox* edit = FilterComboBox(AEdit);
  switch (edit ? edit->ItemIndex() : -1) {
    case FilterCheckedItem:
      V = properties->ValueChecked();
      break;
    case FilterUncheckedItem:
      V = properties->ValueUnchecked();
      break;
    default:
      V = Null();
      S = String();
      return;
  }
  S = properties->GetDisplayText(V);
}

TcxFilterControlOperators TcxFilterCheckBoxHelper::GetSupportedFilterOperators(TcxCustomEditProperties*,
                                                                               const IcxFilterValueType*,
                                                                               bool) const {
  return {fcoEqual, fcoNotEqual, fcoBlanks, fcoNonBlanks};
}

void TcxFilterCheckBoxHelper::InitializeProperties(TcxCustomEditProperties* AProperties,
                                                   TcxCustomEditProperties* AEditProperties, bool) const {
  auto* properties = static_cast<TcxCustomCheckBoxProperties*>(AEditProperties);
  cxInitializeFilterFixedList(AProperties, {properties->GetDisplayText(properties->ValueChecked()),
                                            properties->GetDisplayText(properties->ValueUnchecked())});
  ClearPropertiesEvents(AProperties);
}

void TcxFilterCheckBoxHelper::SetFilterValue(TcxCustomEdit* AEdit, TcxCustomEditProperties* AEditProperties,
                                             const Variant& AValue) const {
  TcxCustomComboBox* edit = FilterComboBox(AEdit);
  if (!edit) return;
  switch (static_cast<TcxCustomCheckBoxProperties*>(AEditProperties)->StateOfValue(AValue)) {
    case cbsChecked:
      edit->SetItemIndex(FilterCheckedItem);
      break;
    case cbsUnchecked:
      edit->SetItemIndex(FilterUncheckedItem);
      break;
    default:
      edit->SetItemIndex(-1);
  }
}

// ---------------------------------------------------------------- start-up

const TUnitEntry cxCheckBoxUnit{L"cxCheckBox",
                                [] {
                                  cxEditPropertiesRegistry()->Register(
                                      TcxCheckBoxProperties::StaticClass(),
                                      dxTranslatedResString(scxSEditRepositoryCheckBoxItem));
                                  cxFilterEditsRegistry()->Register(TcxCheckBoxProperties::StaticClass(),
                                                                    TcxFilterCheckBoxHelper::Instance());
                                },
                                [] {
                                  cxFreeCheckMarkMask();
                                  cxFilterEditsRegistry()->Unregister(TcxCheckBoxProperties::StaticClass(),
                                                                      TcxFilterCheckBoxHelper::Instance());
                                  cxEditPropertiesRegistry()->Unregister(TcxCheckBoxProperties::StaticClass());
                                }};
