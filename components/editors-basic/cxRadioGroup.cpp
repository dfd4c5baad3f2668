#include "components/editors-basic/cxRadioGroup.h"

#include <windowsx.h>

#include <algorithm>
#include <utility>

#include "components/controls/cxVariants.h"
#include "components/core/dxCore.h"
#include "components/core/dxThemeManager.h"
#include "components/core/dxUxTheme.h"
#include "components/editors/cxEditConsts.h"
#include "components/editors/cxEditPaintUtils.h"
#include "components/editors/cxEditUtils.h"
#include "vcl/controls/Application.h"
#include "vcl/controls/Messages.h"

namespace {

TcxButtonState ButtonStateOf(TcxRadioButtonState AState) {
  switch (AState) {
    case rbsDisabled:
      return cxbsDisabled;
    case rbsHot:
      return cxbsHot;
    case rbsPressed:
      return cxbsPressed;
    default:
      return cxbsNormal;
  }
}

TcxButtonState ButtonStateOf(TcxEditButtonState AState) {
  switch (AState) {
    case TcxEditButtonState::ebsDisabled:
      return cxbsDisabled;
    case TcxEditButtonState::ebsPressed:
      return cxbsPressed;
    case TcxEditButtonState::ebsSelected:
      return cxbsHot;
    default:
      return cxbsNormal;
  }
}

TcxLookAndFeelKind KindOfButtonStyle(TcxEditButtonStyle AStyle) {
  switch (AStyle) {
    case btsFlat:
      return lfFlat;
    case btsUltraFlat:
      return lfUltraFlat;
    case btsOffice11:
      return lfOffice11;
    default:
      return lfStandard;
  }
}

int TextFlags(bool AWordWrap, bool AShowEndEllipsis) {
  int flags = cxtfAlignLeft | cxtfAlignVCenter | cxtfShowPrefix;
  if (AWordWrap) return flags | cxtfDontClip | cxtfWordBreak;
  flags |= cxtfSingleLine;
  if (AShowEndEllipsis) flags |= cxtfEndEllipsis;
  return flags;
}

// The caption's extent in R, grown by one pixel and one more at the bottom.
TRect CaptionFocusRect(TcxCanvas* ACanvas, const String& ACaption, const TRect& R, int AFlags) {
  TRect r = R;
  ACanvas->TextExtent(ACaption, r, AFlags);
  r.Inflate(1, 1);
  ++r.Bottom;
  return r;
}

}  // namespace

// ---------------------------------------------------------------- radio button

bool TcxRadioButtonFadingHelper::IsFadingAllowed() {
  return FButton->IsNativeStyle() || FButton->LookAndFeel()->SkinPainter();
}

void TcxRadioButtonFadingHelper::RepaintFadeFrame() { FButton->InvalidateGlyph(); }

void TcxRadioButtonFadingHelper::PrepareFadeImages(TBitmap*& AFadeOutImage, TBitmap*& AFadeInImage) {
  const TRect glyph = FButton->GetGlyphRect();
  auto render = [&](TcxRadioButtonState AState) {
    auto* image = new TcxBitmap32(glyph.Width(), glyph.Height(), true);
    TcxCanvas* canvas = image->cxCanvas();
    SetWindowOrgEx(canvas->Handle(), glyph.Left, glyph.Top, nullptr);
    FButton->DrawGlyph(canvas, AState);
    SetWindowOrgEx(canvas->Handle(), 0, 0, nullptr);
    return image;
  };
  AFadeOutImage = render(rbsNormal);
  AFadeInImage = render(rbsHot);
}

TcxRadioButton::TcxRadioButton(TComponent* AOwner)
    : TWinControl(AOwner),
      FFadingHelper(std::make_unique<TcxRadioButtonFadingHelper>(this)),
      FLookAndFeel(std::make_unique<TcxLookAndFeel>(this)) {
  FLookAndFeel->OnChanged = [this](TcxLookAndFeel*, TcxLookAndFeelValues) { Invalidate(); };
  TControlStyle style = ControlStyle();
  style.Include(csDoubleClicks);
  style.Include(csParentBackground);
  // Clicks come from checking, not from every press.
  style.Exclude(csClickEvents);
  SetControlStyle(style);
  SetBounds(0, 0, 113, 17);
}

TcxRadioButton::~TcxRadioButton() = default;

void TcxRadioButton::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.WinClassName = L"BUTTON";
  Params.Style |= BS_OWNERDRAW;
}

void TcxRadioButton::InitializeWindow() {
  TWinControl::InitializeWindow();
  SendMessageW(Handle(), BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED, 0);
  CalculateStateFromCursor();
}

void TcxRadioButton::SetPopupMenu(TComponent* Value) {
  if (!cxIsPopupMenuComponent(Value)) Value = nullptr;
  if (FPopupMenu == Value) return;
  if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
  FPopupMenu = Value;
  if (FPopupMenu) FPopupMenu->FreeNotification(this);
}

void TcxRadioButton::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FPopupMenu) FPopupMenu = nullptr;
}

void TcxRadioButton::DoContextPopup(const TPoint& MousePos, bool& Handled) {
  TWinControl::DoContextPopup(MousePos, Handled);
  if (Handled || !FPopupMenu) return;
  const TPoint at = MousePos.X == -1 && MousePos.Y == -1 ? TPoint(0, 0) : MousePos;
  const TPoint screen = ClientToScreen(at);
  Handled = cxShowPopupMenuAt(this, FPopupMenu, screen.X, screen.Y);
}

void TcxRadioButton::HandleContextMenu(TMessage& Message) {
  if (Message.Result != 0) return;
  TPoint pos(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam));
  const bool byKeyboard = pos.X == -1 && pos.Y == -1;
  if (!byKeyboard) {
    pos = ScreenToClient(pos);
    if (!TRect(0, 0, Width(), Height()).Contains(pos)) return DefaultHandler(Message);
  }
  bool handled = false;
  DoContextPopup(pos, handled);
  Message.Result = handled ? 1 : 0;
  if (!handled) DefaultHandler(Message);
}

void TcxRadioButton::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  Invalidate();
}

void TcxRadioButton::SetShowEndEllipsis(bool Value) {
  if (FShowEndEllipsis == Value) return;
  FShowEndEllipsis = Value;
  Invalidate();
}

void TcxRadioButton::SetTransparent(bool Value) {
  if (FTransparent == Value) return;
  FTransparent = Value;
  Invalidate();
}

void TcxRadioButton::SetWordWrap(bool Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  Invalidate();
}

void TcxRadioButton::SetChecked(bool Value) {
  if (FChecked == Value) return;
  FChecked = Value;
  SetTabStop(Value);
  if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, Value ? BST_CHECKED : BST_UNCHECKED, 0);
  if (!Value) return;
  if (TWinControl* parent = Parent())
    for (int i = 0; i < parent->ControlCount(); ++i) {
      auto* sibling = dynamic_cast<TcxRadioButton*>(parent->Controls(i));
      if (!sibling || sibling == this || sibling->GroupIndex() != FGroupIndex) continue;
      auto* action = dynamic_cast<TCustomAction*>(sibling->Action());
      if (action && action->AutoCheck()) action->SetChecked(false);
      sibling->SetChecked(false);
    }
  if (!FClicksDisabled) Click();
}

void TcxRadioButton::SetCheckedWithoutClick(bool Value) {
  const bool disabled = std::exchange(FClicksDisabled, true);
  try {
    SetChecked(Value);
  } catch (...) {
    FClicksDisabled = disabled;
    throw;
  }
  FClicksDisabled = disabled;
}

std::unique_ptr<TActionLink> TcxRadioButton::CreateActionLink() {
  return std::make_unique<TcxRadioButtonActionLink>(this);
}

void TcxRadioButton::ActionChange(TObject* Sender, bool CheckDefaults) {
  TWinControl::ActionChange(Sender, CheckDefaults);
  auto* action = dynamic_cast<TCustomAction*>(Sender);
  if (!action) return;
  if (CheckDefaults || FGroupIndex == 0) SetGroupIndex(action->GroupIndex());
  if (!CheckDefaults || !FChecked) SetCheckedWithoutClick(action->Checked());
}

bool TcxRadioButtonActionLink::IsCheckedLinked() {
  return TActionLink::IsCheckedLinked() && FClient->Checked() == CustomAction()->Checked();
}

bool TcxRadioButtonActionLink::IsGroupIndexLinked() {
  return TActionLink::IsGroupIndexLinked() && FClient->GroupIndex() == CustomAction()->GroupIndex();
}

void TcxRadioButtonActionLink::SetChecked(bool Value) {
  if (IsCheckedLinked()) FClient->SetCheckedWithoutClick(Value);
}

void TcxRadioButtonActionLink::SetGroupIndex(int Value) {
  if (IsGroupIndexLinked()) FClient->SetGroupIndex(Value);
}

void TcxRadioButton::HandleButtonClick() {
  if (!FChecked) SetChecked(true);
}

void TcxRadioButton::DoEnter() {
  TWinControl::DoEnter();
  if (FChecked || FClicksDisabled) return;
  FClicksDisabled = true;
  try {
    SetChecked(true);
  } catch (...) {
    FClicksDisabled = false;
    throw;
  }
  FClicksDisabled = false;
  if (!ComponentState().Contains(csLoading)) Click();
}

bool TcxRadioButton::IsNativeBackground() {
  return IsNativeStyle() && ControlStyle().Contains(csParentBackground) && !IsInplace() && !FTransparent;
}

bool TcxRadioButton::IsNativeStyle() { return FLookAndFeel->NativeStyle() && dxThemesAvailable({totButton}); }

TRect TcxRadioButton::GetGlyphRect() {
  const TSize size = Painter()->RadioButtonSize();
  TRect r;
  r.Top = (Height() - size.cy) / 2;
  r.Bottom = r.Top + size.cy;
  if (FAlignment == taRightJustify) {
    r.Left = IsNativeStyle() || IsInplace() ? 0 : 1;
    r.Right = r.Left + size.cx;
  } else {
    r.Right = Width();
    r.Left = r.Right - size.cx;
  }
  return r;
}

TRect TcxRadioButton::GetTextRect() {
  TRect r(0, 0, Width(), Height());
  const TRect glyph = GetGlyphRect();
  if (FAlignment == taRightJustify)
    r.Left = glyph.Right;
  else
    r.Right = glyph.Left;
  AdjustTextRect(r, IsNativeStyle());
  return r;
}

void TcxRadioButton::AdjustTextRect(TRect& R, bool ANativeStyle) {
  struct TMargins {
    int Left, Top, Right, Bottom;
  };
  TMargins m{};
  const bool right = FAlignment == taRightJustify;
  if (IsInplace())
    m = ANativeStyle ? TMargins{3, 0, 0, 0} : TMargins{5, 0, 1, 0};
  else if (!ANativeStyle && !FWordWrap)
    m = right ? TMargins{5, -1, 0, 0} : TMargins{2, -1, 1, 0};
  else if (!ANativeStyle)
    m = right ? TMargins{5, -1, 2, 0} : TMargins{2, -1, 6, 0};
  else if (!FWordWrap)
    m = right ? TMargins{3, -1, 0, 0} : TMargins{0, -1, 1, 0};
  else
    m = right ? TMargins{3, -1, 0, 0} : TMargins{0, -1, 3, 0};
  R = TRect(R.Left + m.Left, R.Top + m.Top, R.Right - m.Right, R.Bottom - m.Bottom);
}

int TcxRadioButton::CaptionFlags() const { return TextFlags(FWordWrap, FShowEndEllipsis); }

void TcxRadioButton::DrawBackground(TcxCanvas* ACanvas) {
  if (!IsParentBackgroundVisible()) ACanvas->FillRect(TRect(0, 0, Width(), Height()), Color());
}

void TcxRadioButton::DrawParentBackground(TcxCanvas* ACanvas) {
  if (IsTransparentBackground())
    cxPaintParentImage(this, ACanvas, TRect(0, 0, Width(), Height()));
  else if (IsNativeBackground())
    cxPaintParentBackground(this, ACanvas, TRect(0, 0, Width(), Height()));
}

void TcxRadioButton::DrawGlyph(TcxCanvas* ACanvas, TcxRadioButtonState AState) {
  const TRect glyph = GetGlyphRect();
  const TColor brush = IsParentBackgroundVisible() ? clDefault : Color();
  Painter()->DrawRadioButton(ACanvas, glyph.Left, glyph.Top, ButtonStateOf(AState), FChecked, Focused(), brush,
                             ComponentState().Contains(csDesigning));
}

void TcxRadioButton::DrawCaption(TcxCanvas* ACanvas, bool ANativeStyle) {
  ACanvas->SetFont(CaptionFont());
  TColor color = clDefault;
  if (!IsGroupButton()) {
    if (Font()->Color() == clWindowText) color = Painter()->DefaultEditorTextColor(!Enabled());
    if (color == clDefault) color = Enabled() ? Font()->Color() : clBtnShadow;
    ACanvas->Font()->SetColor(color);
  }
  const TRect text = GetTextRect();
  const bool grayed = Painter()->DefaultEditorTextColor(true) == clDefault && !IsGroupButton() &&
                      !ANativeStyle && !Enabled();
  ACanvas->Brush()->SetStyle(bsClear);
  ACanvas->DrawTexT(Caption(), text, CaptionFlags(), !grayed);
  ACanvas->Brush()->SetStyle(bsSolid);
  if (!Focused() || ComponentState().Contains(csDesigning) || Caption().empty()) return;
  TRect focus = CaptionFocusRect(ACanvas, Caption(), text, CaptionFlags());
  if (IsInplace()) {
    focus.Top = std::max(focus.Top, 1);
    focus.Bottom = std::min(focus.Bottom, Height() - 1);
    focus.Right = std::min(focus.Right, Width());
  }
  ACanvas->SetBrushColor(Color());
  ACanvas->Font()->SetColor(Font()->Color());
  ACanvas->DrawFocusRect(focus);
}

void TcxRadioButton::DrawButton(TcxCanvas* ACanvas, bool AFocusOnly) {
  if (!AFocusOnly) {
    DrawParentBackground(ACanvas);
    DrawBackground(ACanvas);
  }
  if (!FFadingHelper->DrawImage(ACanvas->Handle(), GetGlyphRect())) DrawGlyph(ACanvas, FState);
  DrawCaption(ACanvas, IsNativeStyle());
}

void TcxRadioButton::HandleDrawItem(const DRAWITEMSTRUCT& AItem) {
  const int w = Width();
  const int h = Height();
  if (w <= 0 || h <= 0) return;
  TcxBitmap buffer(w, h, pf32bit);
  DrawButton(buffer.cxCanvas(), false);
  BitBlt(AItem.hDC, 0, 0, w, h, buffer.cxCanvas()->Handle(), 0, 0, SRCCOPY);
}

void TcxRadioButton::SetState(TcxRadioButtonState Value) {
  if (FState == Value) return;
  const TcxRadioButtonState previous = FState;
  FState = Value;
  StateChanged(previous, Value);
  InvalidateGlyph();
}

void TcxRadioButton::StateChanged(TcxRadioButtonState APrevState, TcxRadioButtonState ANewState) {
  FFadingHelper->CheckStartFading(ButtonStateOf(APrevState), ButtonStateOf(ANewState));
}

void TcxRadioButton::InvalidateGlyph() {
  if (!HandleAllocated()) return;
  TRect r = GetGlyphRect();
  r.Inflate(1, 1);
  const RECT rect{r.Left, r.Top, r.Right, r.Bottom};
  ::InvalidateRect(Handle(), &rect, false);
}

void TcxRadioButton::CalculateState(TShiftState AShift, const TPoint& P) {
  const bool designing = ComponentState().Contains(csDesigning);
  const bool inside = TRect(0, 0, Width(), Height()).Contains(P);
  if (!Enabled())
    SetState(rbsDisabled);
  else if (!designing && HandleAllocated() && GetCapture() == Handle())
    SetState(inside ? rbsPressed : rbsHot);
  else if (!designing && inside && cxIsShiftStateClear(AShift))
    SetState(rbsHot);
  else
    SetState(rbsNormal);
}

void TcxRadioButton::CalculateStateFromCursor() {
  if (!HandleAllocated()) return;
  POINT p;
  GetCursorPos(&p);
  ::ScreenToClient(Handle(), &p);
  CalculateState(KeyboardStateToShiftState(), TPoint(p.x, p.y));
}

void TcxRadioButton::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND:
      if (HIWORD(Message.WParam) == BN_CLICKED || HIWORD(Message.WParam) == BN_DOUBLECLICKED) HandleButtonClick();
      return;
    case CN_DRAWITEM:
      if (!IsDestroying()) HandleDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(Message.LParam));
      Message.Result = 1;
      return;
    case CN_MEASUREITEM: {
      auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
      item->itemWidth = Width();
      item->itemHeight = Height();
      return;
    }
    case WM_ERASEBKGND:
      Message.Result = 1;
      return;
    case WM_CONTEXTMENU:
      if (ComponentState().Contains(csDesigning)) break;
      return HandleContextMenu(Message);
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
      if (FPopupMenu && cxPopupMenuIsShortCut(FPopupMenu, Message)) {
        Message.Result = 1;
        return;
      }
      break;
    case BM_SETCHECK:
      TWinControl::WndProc(Message);
      InvalidateGlyph();
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE: {
      TWinControl::WndProc(Message);
      TShiftState shift = KeysToShiftState(static_cast<uint16_t>(Message.WParam));
      CalculateState(shift, TPoint(GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)));
      return;
    }
    case CM_MOUSEENTER:
      TWinControl::WndProc(Message);
      CalculateStateFromCursor();
      return;
    case CM_MOUSELEAVE:
      TWinControl::WndProc(Message);
      CalculateState({}, TPoint(-1, -1));
      return;
    case CM_ENABLEDCHANGED:
      TWinControl::WndProc(Message);
      CalculateStateFromCursor();
      if (!Enabled()) SetState(rbsDisabled);
      Invalidate();
      return;
    case CM_TEXTCHANGED:
      TWinControl::WndProc(Message);
      Invalidate();
      return;
  }
  TWinControl::WndProc(Message);
}

// ---------------------------------------------------------------- radio group items

void TcxRadioGroupItem::Assign(TPersistent* Source) {
  if (auto* source = dynamic_cast<TcxRadioGroupItem*>(Source)) SetValue(source->Value());
  TcxButtonGroupItem::Assign(Source);
}

void TcxRadioGroupItem::SetValue(const Variant& Value) {
  if (cxVarEqualsSameType(FValue, Value)) return;
  FValue = Value;
  Changed(false);
}

// ---------------------------------------------------------------- radio group properties

TcxCustomRadioGroupProperties::TcxCustomRadioGroupProperties(TPersistent* AOwner)
    : TcxCustomButtonGroupProperties(AOwner), FDefaultCaption(dxTranslatedResString(cxSRadioGroupDefaultCaption)) {}

std::unique_ptr<TcxButtonGroupItems> TcxCustomRadioGroupProperties::CreateItemCollection() {
  return std::make_unique<TcxRadioGroupItems>(this, TcxRadioGroupItem::StaticClass());
}

void TcxCustomRadioGroupProperties::SetDefaultCaption(const String& Value) {
  if (FDefaultCaption == Value) return;
  FDefaultCaption = Value;
  Changed();
}

void TcxCustomRadioGroupProperties::SetDefaultValue(const Variant& Value) {
  if (cxVarEqualsSameType(FDefaultValue, Value)) return;
  FDefaultValue = Value;
  Changed();
}

Variant TcxCustomRadioGroupProperties::ValueOfItem(int AIndex) {
  if (AIndex < 0 || AIndex >= Items()->Count()) return FDefaultValue;
  TcxRadioGroupItem* item = Items()->Items(AIndex);
  if (!VarIsNull(item->Value())) return item->Value();
  if (!item->Caption().empty()) return Variant(item->Caption());
  return Variant(AIndex);
}

int TcxCustomRadioGroupProperties::GetRadioGroupItemIndex(const Variant& AEditValue) {
  for (int i = 0; i < Items()->Count(); ++i)
    if (cxVariantsEqual(ValueOfItem(i), AEditValue)) return i;
  return -1;
}

int TcxCustomRadioGroupProperties::GetUsedColumnCount() {
  return std::max(std::min(Columns(), Items()->Count()), 1);
}

TcxCustomEditClass TcxCustomRadioGroupProperties::GetContainerClass() const {
  return TcxCustomEditClass::Of<TcxRadioGroup>();
}

TcxEditViewInfoClass TcxCustomRadioGroupProperties::GetViewInfoClass() const {
  return TcxEditViewInfoClass::Of<TcxCustomRadioGroupViewInfo>();
}

TcxEditViewDataClass TcxCustomRadioGroupProperties::ViewDataClass() const {
  return TcxEditViewDataClass::Of<TcxCustomRadioGroupViewData>();
}

TcxEditSpecialFeatures TcxCustomRadioGroupProperties::GetSpecialFeatures() {
  TcxEditSpecialFeatures features = TcxCustomButtonGroupProperties::GetSpecialFeatures();
  features.Include(esfMultiRow);
  return features;
}

TcxEditSupportedOperations TcxCustomRadioGroupProperties::GetSupportedOperations() {
  TcxEditSupportedOperations operations = TcxCustomButtonGroupProperties::GetSupportedOperations();
  operations.Include(esoHorzAlignment);
  operations.Include(esoSortingByDisplayText);
  return operations;
}

void TcxCustomRadioGroupProperties::PrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue, bool) {
  DisplayValue = Variant(GetRadioGroupItemIndex(AEditValue));
}

String TcxCustomRadioGroupProperties::GetDisplayText(const Variant& AEditValue, bool, bool) {
  const int index = GetRadioGroupItemIndex(AEditValue);
  return index < 0 ? FDefaultCaption : Items()->Items(index)->Caption();
}

bool TcxCustomRadioGroupProperties::CompareDisplayValues(const Variant& AEditValue1, const Variant& AEditValue2) {
  return GetRadioGroupItemIndex(AEditValue1) == GetRadioGroupItemIndex(AEditValue2);
}

void TcxCustomRadioGroupProperties::AssignSettings(TcxCustomEditProperties* Source) {
  TcxCustomButtonGroupProperties::AssignSettings(Source);
  auto* source = dynamic_cast<TcxCustomRadioGroupProperties*>(Source);
  if (!source) return;
  SetDefaultCaption(source->DefaultCaption());
  SetDefaultValue(source->DefaultValue());
}

// ---------------------------------------------------------------- radio group view info and data

TRect TcxRadioGroupButtonViewInfo::GetGlyphRect(const TSize& AGlyphSize, TAlignment AAlignment, bool AIsPaintCopy) {
  TRect r = TcxGroupBoxButtonViewInfo::GetGlyphRect(AGlyphSize, AAlignment, AIsPaintCopy);
  if (AIsPaintCopy && !Data.NativeStyle) r.Offset(1, 0);
  return r;
}

void TcxCustomRadioGroupViewInfo::DrawButtonGlyph(TcxCanvas* ACanvas, TcxGroupBoxButtonViewInfo* AButtonViewInfo,
                                                  const TRect& AGlyphRect) {
  ACanvas->SaveClipRegion();
  ACanvas->IntersectClipRect(AButtonViewInfo->Bounds);
  const bool checked = AButtonViewInfo->ButtonIndex == ItemIndex;
  if (AButtonViewInfo->Data.NativeStyle) {
    DrawThemeBackground(dxThemeHandleOf(totButton), ACanvas->Handle(), BP_RADIOBUTTON,
                        AButtonViewInfo->Data.NativeState, AGlyphRect);
  } else {
    TcxCustomLookAndFeelPainter* painter = cxGetEditPainter(false, KindOfButtonStyle(AButtonViewInfo->Data.Style));
    const TColor brush = IsBackgroundTransparent() ? clDefault : BackgroundColor();
    painter->DrawRadioButton(ACanvas, AGlyphRect.Left, AGlyphRect.Top, ButtonStateOf(AButtonViewInfo->Data.State),
                             checked, false, brush, IsDesigning);
  }
  ACanvas->RestoreClipRegion();
}

void TcxCustomRadioGroupViewInfo::DrawButtonCaption(TcxCanvas* ACanvas, TcxGroupBoxButtonViewInfo* AButtonViewInfo,
                                                    const TRect& AGlyphRect) {
  ACanvas->SetFont(Font);
  ACanvas->Font()->SetColor(TextColor);
  TRect r = AButtonViewInfo->Bounds;
  if (Alignment == taRightJustify)
    r.Left = AGlyphRect.Right;
  else
    r.Right = AGlyphRect.Left;
  if (AButtonViewInfo->Data.NativeStyle)
    r = TRect(r.Left + 3, r.Top - 1, r.Right, r.Bottom + 1);
  else
    r = TRect(r.Left + 5, r.Top, r.Right - 1, r.Bottom);
  ACanvas->Brush()->SetStyle(bsClear);
  ACanvas->DrawTexT(AButtonViewInfo->Caption, r, ButtonTextFlags);
  ACanvas->Brush()->SetStyle(bsSolid);
}

bool TcxCustomRadioGroupViewInfo::IsButtonGlyphTransparent(TcxGroupBoxButtonViewInfo* AButtonViewInfo) {
  if (IsBackgroundTransparent()) return true;
  return AButtonViewInfo->Data.NativeStyle &&
         IsThemeBackgroundPartiallyTransparent(dxThemeHandleOf(totButton), BP_RADIOBUTTON,
                                               AButtonViewInfo->Data.NativeState);
}

void TcxCustomRadioGroupViewData::Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P,
                                            TcxMouseButton Button, TShiftState Shift,
                                            TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent) {
  auto* viewInfo = static_cast<TcxCustomRadioGroupViewInfo*>(AViewInfo);
  viewInfo->Alignment = taRightJustify;
  FItemIndex = viewInfo->ItemIndex;
  TcxButtonGroupViewData::Calculate(ACanvas, ABounds, P, Button, Shift, AViewInfo, AIsMouseEvent);
  viewInfo->GlyphSize = ButtonPainter()->RadioButtonSize();
  viewInfo->SetBackgroundColor(Style()->Color());
}

void TcxCustomRadioGroupViewData::EditValueToDrawValue(const Variant& AEditValue, TcxCustomEditViewInfo* AViewInfo) {
  auto* viewInfo = static_cast<TcxCustomRadioGroupViewInfo*>(AViewInfo);
  viewInfo->ItemIndex = PreviewMode ? 0 : Properties()->GetRadioGroupItemIndex(AEditValue);
  FItemIndex = viewInfo->ItemIndex;
}

void TcxCustomRadioGroupViewData::GetButtonMetrics(bool AMeasure, TcxCanvas*, TcxButtonGroupMetrics& AMetrics) {
  const bool inplace = IsInplace();
  AMetrics.ButtonLeft = inplace ? 1 : 6;
  AMetrics.CellWidthCorrection = inplace ? -2 : -6;
  AMetrics.ColumnSpacing = 0;
  if (!AMeasure) return;
  const bool native = IsButtonNativeStyle(Style()->LookAndFeel());
  const TSize glyph = ButtonPainter()->RadioButtonSize();
  AMetrics.ExtraWidth = inplace ? 1 : 6;
  AMetrics.WidthCorrection = inplace ? -5 : -6;
  AMetrics.GlyphWidth = glyph.cx;
  AMetrics.GlyphHeight = glyph.cy;
  AMetrics.GlyphTextGap = native ? 5 : 7;
  AMetrics.TextIndent = native ? 1 : 3;
}

HTHEME TcxCustomRadioGroupViewData::ButtonThemeHandle(TcxEditButtonViewInfo*) { return dxThemeHandleOf(totButton); }

// The platform's radio states: unchecked normal, hot, pressed, disabled
// 1-4, checked 5-8.
void TcxCustomRadioGroupViewData::ComputeButtonThemePart(HTHEME, TcxEditButtonViewInfo* AButtonViewInfo) {
  AButtonViewInfo->Data.NativePart = BP_RADIOBUTTON;
  int state = 1;
  switch (AButtonViewInfo->Data.State) {
    case TcxEditButtonState::ebsDisabled:
      state = 4;
      break;
    case TcxEditButtonState::ebsPressed:
      state = 3;
      break;
    case TcxEditButtonState::ebsSelected:
      state = 2;
      break;
    default:
      state = 1;
      break;
  }
  if (AButtonViewInfo->ButtonIndex == FItemIndex) state += 4;
  AButtonViewInfo->Data.NativeState = state;
}

// ---------------------------------------------------------------- radio group button

TcxCustomRadioGroupButton::TcxCustomRadioGroupButton(TcxCustomRadioGroup* AGroup)
    : TcxRadioButton(AGroup), FGroup(AGroup) {
  LookAndFeel()->SetMasterLookAndFeel(AGroup->Style()->LookAndFeel());
}

void TcxCustomRadioGroupButton::SetChecked(bool Value) {
  if (Value == Checked()) return;
  const bool disabled = ClicksDisabled();
  SetClicksDisabled(true);
  try {
    TcxRadioButton::SetChecked(Value);
  } catch (...) {
    SetClicksDisabled(disabled);
    throw;
  }
  SetClicksDisabled(disabled);
  if (Value && !FInternalSettingChecked) FGroup->ButtonChecked(this);
}

void TcxCustomRadioGroupButton::SetCheckedInternally(bool Value) {
  if (FInternalSettingChecked) return;
  FInternalSettingChecked = true;
  try {
    SetChecked(Value);
  } catch (...) {
    FInternalSettingChecked = false;
    throw;
  }
  FInternalSettingChecked = false;
}

// A press on an unchecked button of a read-only group changes nothing.
void TcxCustomRadioGroupButton::HandleButtonClick() {
  if (FIsClickLocked) return;
  FIsClickLocked = true;
  try {
    if (Checked() || (FGroup->CanModify() && FGroup->DoEditing())) TcxRadioButton::HandleButtonClick();
  } catch (...) {
    FIsClickLocked = false;
    Application->HandleException(this);
    return;
  }
  FIsClickLocked = false;
}

void TcxCustomRadioGroupButton::DoEnter() {
  TWinControl::DoEnter();
  FGroup->ShortRefreshContainer(false);
  if (Checked() || FGroup->IsInplace() || FFocusingByMouse || !FGroup->DoEditing()) return;
  SetChecked(true);
}

void TcxCustomRadioGroupButton::DoExit() {
  TWinControl::DoExit();
  FGroup->ShortRefreshContainer(false);
}

void TcxCustomRadioGroupButton::KeyPress(wchar_t& Key) {
  TcxRadioButton::KeyPress(Key);
  if ((Key == L'\b' || Key == L' ') && !FGroup->CanModify()) Key = 0;
}

void TcxCustomRadioGroupButton::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
      FFocusingByMouse = true;
      try {
        TcxRadioButton::WndProc(Message);
      } catch (...) {
        FFocusingByMouse = false;
        throw;
      }
      FFocusingByMouse = false;
      return;
    case WM_GETDLGCODE:
      TcxRadioButton::WndProc(Message);
      if (FGroup->IsInplace()) Message.Result |= DLGC_WANTARROWS;
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TcxRadioButton::WndProc(Message);
      if (!IsDestroying()) FGroup->FocusChanged();
      return;
  }
  TcxRadioButton::WndProc(Message);
}

bool TcxCustomRadioGroupButton::IsInplace() { return FGroup->IsInplace(); }

bool TcxCustomRadioGroupButton::IsNativeStyle() { return FGroup->IsButtonNativeStyle(); }

bool TcxCustomRadioGroupButton::IsTransparentBackground() { return FGroup->IsTransparent(); }

TFont* TcxCustomRadioGroupButton::CaptionFont() { return FGroup->CaptionFont(); }

// ---------------------------------------------------------------- radio group

TcxCustomRadioGroup::TcxCustomRadioGroup(TComponent* AOwner, bool AIsInplace)
    : TcxCustomButtonGroup(AOwner, AIsInplace) {
  TControlStyle style = ControlStyle();
  style.Include(csCaptureMouse);
  style.Include(csClickEvents);
  style.Include(csSetCaption);
  style.Include(csDoubleClicks);
  style.Include(csParentBackground);
  SetControlStyle(style);
  SetBounds(Left(), Top(), 185, 105);
  LockChangeEvents(true, false);
  SetEditValue(Properties()->DefaultValue());
  LockChangeEvents(false, false);
}

TWinControl* TcxCustomRadioGroup::CreateButton() { return new TcxCustomRadioGroupButton(this); }

int TcxCustomRadioGroup::CheckedButtonIndex() {
  for (int i = 0; i < ButtonCount(); ++i)
    if (GetButton(i)->Checked()) return i;
  return -1;
}

int TcxCustomRadioGroup::ItemIndex() {
  if (IsLoadingOrUpdating()) return FLoadedItemIndex;
  return ActiveProperties()->GetRadioGroupItemIndex(EditValue());
}

void TcxCustomRadioGroup::SetItemIndex(int Value) {
  if (IsLoadingOrUpdating()) {
    FLoadedItemIndex = Value;
    return;
  }
  const int count = ActiveProperties()->Items()->Count();
  Value = std::clamp(Value, -1, count - 1);
  Variant value;
  PrepareEditValue(Variant(Value), value);
  InternalStoreEditValue(value, true, false);
}

void TcxCustomRadioGroup::PrepareEditValue(const Variant& ADisplayValue, Variant& EditValue) {
  EditValue = ActiveProperties()->ValueOfItem(ADisplayValue.AsInteger());
}

bool TcxCustomRadioGroup::IsLoadingOrUpdating() const {
  const TComponentState state = ComponentState();
  return state.Contains(csLoading) || state.Contains(csReading) || state.Contains(csUpdating);
}

void TcxCustomRadioGroup::Loaded() {
  TcxCustomButtonGroup::Loaded();
  ApplyLoadedItemIndex();
}

// An update that sets no index keeps the checked one.
void TcxCustomRadioGroup::Updating() {
  if (!IsLoadingOrUpdating()) FLoadedItemIndex = ItemIndex();
  TcxCustomButtonGroup::Updating();
}

void TcxCustomRadioGroup::Updated() {
  TcxCustomButtonGroup::Updated();
  ApplyLoadedItemIndex();
}

void TcxCustomRadioGroup::ApplyLoadedItemIndex() {
  // The next load starts from no item, as a new group does.
  const int index = std::exchange(FLoadedItemIndex, -1);
  LockChangeEvents(true);
  LockClick(true);
  try {
    if (!DataBinding()->IDefaultValuesProvider()->IsDataStorage()) {
      SetEditValue(ActiveProperties()->DefaultValue());
      SetItemIndex(index);
    }
  } catch (...) {
    LockClick(false);
    LockChangeEvents(false, false);
    throw;
  }
  LockClick(false);
  LockChangeEvents(false, false);
  UpdateButtons();
}

void TcxCustomRadioGroup::StoreEditValue(const Variant& Value, bool AFlag) {
  InternalStoreEditValue(Value, AFlag, FIsButtonChecking);
}

// The buttons follow the stored value (also a refused one: the button the
// person pressed is unchecked again); a change clicks and reports once.
void TcxCustomRadioGroup::InternalStoreEditValue(const Variant& Value, bool AFlag, bool AFromButton) {
  LockChangeEvents(true);
  try {
    const Variant before = EditValue();
    TcxCustomButtonGroup::StoreEditValue(Value, AFlag);
    const int index = ActiveProperties()->GetRadioGroupItemIndex(EditValue());
    const int checked = CheckedButtonIndex();
    if (index != checked) {
      if (index < 0)
        GetButton(checked)->SetCheckedInternally(false);
      else if (index < ButtonCount())
        GetButton(index)->SetCheckedInternally(true);
    }
    if (index >= 0 && index < ButtonCount() && Focused() && !GetButton(index)->Focused() &&
        GetButton(index)->CanFocus())
      GetButton(index)->SetFocus();
    if (!cxVarEqualsSameType(before, EditValue())) {
      SetModifiedAfterEnter(true);
      if (!IsClickLocked()) Click();
      DoChange();
    }
  } catch (...) {
    LockChangeEvents(false);
    throw;
  }
  LockChangeEvents(false);
  ShortRefreshContainer(false);
}

void TcxCustomRadioGroup::ButtonChecked(TcxCustomRadioGroupButton* AButton) {
  int index = 0;
  while (index < ButtonCount() && Buttons(index) != AButton) ++index;
  Variant value;
  PrepareEditValue(Variant(index), value);
  LockChangeEvents(true);
  FIsButtonChecking = true;
  try {
    if (Focused())
      SetUserInternalEditValue(value);
    else
      StoreEditValue(value, true);
    FIsButtonChecking = false;
    if (Focused() && ActiveProperties()->ImmediatePost() && CanPostEditValue() && ValidateEditByOptions(false))
      CommitEditValue(false);
  } catch (...) {
    FIsButtonChecking = false;
    LockChangeEvents(false);
    throw;
  }
  LockChangeEvents(false);
}

void TcxCustomRadioGroup::UpdateButtons() {
  TcxCustomButtonGroup::UpdateButtons();
  if (IsLoadingOrUpdating()) return;
  TcxCustomRadioGroupProperties* properties = ActiveProperties();
  const int index = ItemIndex();
  for (int i = 0; i < ButtonCount(); ++i) {
    TcxCustomRadioGroupButton* button = GetButton(i);
    button->SetCaption(properties->Items()->Items(i)->Caption());
    button->SetShowEndEllipsis(properties->ShowEndEllipsis());
    button->SetWordWrap(properties->WordWrap());
    button->SetTransparent(Transparent());
    button->OnClick = [this](TObject*) { Click(); };
    button->SetCheckedInternally(i == index);
    button->Invalidate();
  }
}

void TcxCustomRadioGroup::UpdateButtonBounds() {
  TcxCustomButtonGroup::UpdateButtonBounds();
  TcxCustomEditViewInfo* viewInfo = ViewInfo();
  for (int i = 0; i < ButtonCount() && i < viewInfo->ButtonCount(); ++i) {
    auto* info = static_cast<TcxGroupBoxButtonViewInfo*>(viewInfo->Button(i));
    GetButton(i)->SetPosition(info->Column, info->Row);
  }
}

void TcxCustomRadioGroup::SetFocus() {
  const int checked = CheckedButtonIndex();
  if (checked >= 0 && GetButton(checked)->CanFocus())
    GetButton(checked)->SetFocus();
  else
    TcxCustomButtonGroup::SetFocus();
}

// Tab lands on the checked item; a group with none is passed over.
void TcxCustomRadioGroup::GetTabOrderList(std::vector<TWinControl*>& List) {
  TcxCustomButtonGroup::GetTabOrderList(List);
  List.erase(std::remove(List.begin(), List.end(), static_cast<TWinControl*>(this)), List.end());
  for (int i = 0; i < ButtonCount(); ++i)
    List.erase(std::remove(List.begin(), List.end(), Buttons(i)), List.end());
  const int checked = CheckedButtonIndex();
  if ((TabStop() || Focused()) && checked >= 0 && GetButton(checked)->Enabled()) List.push_back(GetButton(checked));
}

const TPropTable* TcxRadioGroupItem::PublishedTable(TPublishedTag<TcxRadioGroupItem>) {
  using T = TcxRadioGroupItem;
  static const TPropTable table = TPublished<T>()
                                      .Property(L"Value", &T::Value, &T::SetValue)
                                      .Stored([](const T& I) { return !VarIsNull(I.Value()); })
                                      .Build();
  return &table;
}

bool TcxCustomRadioGroupProperties::IsDefaultCaptionStored() const {
  return FDefaultCaption != dxTranslatedResString(cxSRadioGroupDefaultCaption);
}

const TPropTable* TcxCustomRadioGroupProperties::PublishedTable(TPublishedTag<TcxCustomRadioGroupProperties>) {
  using T = TcxCustomRadioGroupProperties;
  static const TPropTable table =
      TPublished<T>()
          .Property(L"ClearKey", &T::ClearKey, &T::SetClearKey)
          .Stored([](const T& P) { return P.ClearKey() != 0; })
          .Property(L"DefaultCaption", &T::DefaultCaption, &T::SetDefaultCaption)
          .Stored(&T::IsDefaultCaptionStored)
          .Property(L"DefaultValue", &T::DefaultValue, &T::SetDefaultValue)
          .Stored([](const T& P) { return !VarIsNull(P.DefaultValue()); })
          .Property(L"ImmediatePost", &T::ImmediatePost, &T::SetImmediatePost)
          .Stored([](const T& P) { return P.ImmediatePost(); })
          .Property(L"ReadOnly", NonConstGetter<&T::ReadOnly>, &T::SetReadOnly)
          .Stored([](const T& P) { return const_cast<T&>(P).AssignedValues()->ReadOnly(); })
          .Build();
  return &table;
}

const TPropTable* TcxRadioGroup::PublishedTable(TPublishedTag<TcxRadioGroup>) {
  using T = TcxRadioGroup;
  static const TPropTable table =
      TPublished<T>()
          .Property(L"Caption", NonConstGetter<&T::Caption>, &T::SetCaption)
          .Stored([](const T& G) { return !const_cast<T&>(G).Caption().empty(); })
          .Property(L"Enabled", &T::Enabled, &T::SetEnabled)
          .Stored([](const T& G) { return !G.Enabled(); })
          .Property(L"Properties", NonConstGetter<&T::Properties>)
          .Property(L"ItemIndex", NonConstGetter<&T::ItemIndex>, &T::SetItemIndex)
          .Stored([](const T& G) { return const_cast<T&>(G).ItemIndex() != -1; })
          .Property(L"Style", NonConstGetter<&T::Style>)
          .Property(L"StyleDisabled", NonConstGetter<&T::StyleDisabled>)
          .Property(L"StyleFocused", NonConstGetter<&T::StyleFocused>)
          .Property(L"StyleHot", NonConstGetter<&T::StyleHot>)
          .Property(L"TabStop", &T::TabStop, &T::SetTabStop)
          .Stored([](const T& G) { return !G.TabStop(); })
          .Property(L"Visible", &T::Visible, &T::SetVisible)
          .Stored([](const T& G) { return !G.Visible(); })
          .Build();
  return &table;
}

const TPropTable* TcxRadioButton::PublishedTable(TPublishedTag<TcxRadioButton>) {
  using T = TcxRadioButton;
  static const TPropTable table =
      TPublished<T>()
          .Property(L"Action", &T::Action, &T::SetAction)
          .Stored([](const T& B) { return B.Action() != nullptr; })
          .Property(L"Alignment", &T::Alignment, &T::SetAlignment, cxAlignmentTypeInfo())
          .Stored([](const T& B) { return B.Alignment() != taRightJustify; })
          .Property(L"Caption", NonConstGetter<&T::Caption>, &T::SetCaption)
          .Stored([](const T& B) { return !const_cast<T&>(B).Caption().empty(); })
          .Property(L"Checked", &T::Checked, &T::SetChecked)
          .Stored([](const T& B) { return B.Checked(); })
          .Property(L"Enabled", &T::Enabled, &T::SetEnabled)
          .Stored([](const T& B) { return !B.Enabled(); })
          .Property(L"GroupIndex", &T::GroupIndex, &T::SetGroupIndex)
          .Stored([](const T& B) { return B.GroupIndex() != 0; })
          .Property(L"LookAndFeel", &T::LookAndFeel)
          .Property(L"ParentBackground", &T::ParentBackground, &T::SetParentBackground)
          .Stored([](const T& B) { return !B.ParentBackground(); })
          .Property(L"PopupMenu", &T::PopupMenu, &T::SetPopupMenu)
          .Stored([](const T& B) { return B.PopupMenu() != nullptr; })
          .Property(L"ShowEndEllipsis", &T::ShowEndEllipsis, &T::SetShowEndEllipsis)
          .Stored([](const T& B) { return B.ShowEndEllipsis(); })
          .Property(L"Transparent", &T::Transparent, &T::SetTransparent)
          .Stored([](const T& B) { return B.Transparent(); })
          .Property(L"Visible", &T::Visible, &T::SetVisible)
          .Stored([](const T& B) { return !B.Visible(); })
          .Property(L"WordWrap", &T::WordWrap, &T::SetWordWrap)
          .Stored([](const T& B) { return B.WordWrap(); })
          .Build();
  return &table;
}

// ---------------------------------------------------------------- filter row

namespace {

TcxCustomComboBox* FilterComboBox(TcxCustomEdit* AEdit) { return dynamic_cast<TcxCustomComboBox*>(AEdit); }

}  // namespace

const TcxFilterRadioGroupHelper* TcxFilterRadioGroupHelper::Instance() {
  static const TcxFilterRadioGroupHelper instance;
  return &instance;
}

// An item without a value filters by the value it gives the edit, so the
// row finds the records the group shows checked.
void TcxFilterRadioGroupHelper::GetFilterValue(TcxCustomEdit* AEdit, TcxCustomEditProperties* AEditProperties,
                                               Variant& V, String& S) const {
  auto* properties = static_cast<TcxCustomRadioGroupProperties*>(AEditProperties);
  TcxCustomComboBox* edit = FilterComboBox(AEdit);
  int index = edit ? edit->ItemIndex() : -1;
  if (index >= properties->Items()->Count()) index = -1;
  V = properties->ValueOfItem(index);
  S = index < 0 ? properties->DefaultCaption() : properties->Items()->Items(index)->Caption();
}

TcxFilterControlOperators TcxFilterRadioGroupHelper::GetSupportedFilterOperators(TcxCustomEditProperties*,
                                                                                 const IcxFilterValueType*,
                                                                                 bool AExtendedSet) const {
  TcxFilterControlOperators result{fcoEqual, fcoNotEqual, fcoBlanks, fcoNonBlanks};
  if (AExtendedSet) result = result + TcxFilterControlOperators{fcoInList, fcoNotInList};
  return result;
}

void TcxFilterRadioGroupHelper::InitializeProperties(TcxCustomEditProperties* AProperties,
                                                     TcxCustomEditProperties* AEditProperties, bool) const {
  TcxRadioGroupItems* items = static_cast<TcxCustomRadioGroupProperties*>(AEditProperties)->Items();
  std::vector<String> captions;
  for (int i = 0; i < items->Count(); ++i) captions.push_back(items->Items(i)->Caption());
  cxInitializeFilterFixedList(AProperties, captions);
  ClearPropertiesEvents(AProperties);
}

void TcxFilterRadioGroupHelper::SetFilterValue(TcxCustomEdit* AEdit, TcxCustomEditProperties* AEditProperties,
                                               const Variant& AValue) const {
  TcxCustomComboBox* edit = FilterComboBox(AEdit);
  if (!edit) return;
  Variant index;
  static_cast<TcxCustomRadioGroupProperties*>(AEditProperties)->PrepareDisplayValue(AValue, index, false);
  edit->SetItemIndex(index.AsInteger());
}

// ---------------------------------------------------------------- start-up

const TUnitEntry cxRadioGroupUnit{L"cxRadioGroup",
                                  [] {
                                    cxEditPropertiesRegistry()->Register(
                                        TcxRadioGroupProperties::StaticClass(),
                                        dxTranslatedResString(scxSEditRepositoryRadioGroupItem));
                                    cxFilterEditsRegistry()->Register(TcxRadioGroupProperties::StaticClass(),
                                                                      TcxFilterRadioGroupHelper::Instance());
                                  },
                                  [] {
                                    cxFilterEditsRegistry()->Unregister(TcxRadioGroupProperties::StaticClass(),
                                                                        TcxFilterRadioGroupHelper::Instance());
                                    cxEditPropertiesRegistry()->Unregister(TcxRadioGroupProperties::StaticClass());
                                  }};
