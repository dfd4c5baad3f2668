// The drop-down edit's properties (the drop-down button, its glyph, the
// popup's size, place and look) and its view data.
#include <algorithm>

#include "components/editors/cxDropDownEdit.h"

// ---------------------------------------------------------------- properties

namespace {

bool HasAssignedGlyph(TcxCustomEditButton* AButton) { return AButton->HasGlyph() && !AButton->Glyph()->Empty(); }

}  // namespace

TcxCustomDropDownEditProperties::TcxCustomDropDownEditProperties(TPersistent* AOwner)
    : TcxCustomMaskEditProperties(AOwner) {
  Buttons()->Add()->SetKind(bkDown);
}

TcxEditSupportedOperations TcxCustomDropDownEditProperties::GetSupportedOperations() {
  TcxEditSupportedOperations result = TcxCustomMaskEditProperties::GetSupportedOperations();
  result.Exclude(esoAutoHeight);
  return result;
}

TcxEditViewDataClass TcxCustomDropDownEditProperties::ViewDataClass() const {
  return TcxEditViewDataClass::Of<TcxCustomDropDownEditViewData>();
}

TcxCustomEditButton* TcxCustomDropDownEditProperties::ButtonAt(int AIndex) {
  return AIndex >= 0 && AIndex < Buttons()->Count() ? Buttons()->Items(AIndex) : nullptr;
}

TBitmap* TcxCustomDropDownEditProperties::ButtonGlyph() {
  TcxCustomEditButton* button = ButtonAt(FGlyphButtonIndex);
  return button && HasAssignedGlyph(button) ? button->Glyph() : nullptr;
}

void TcxCustomDropDownEditProperties::SetButtonGlyph(TBitmap* Value) {
  TcxCustomEditButton* button = ButtonAt(FGlyphButtonIndex);
  if (!button) return;
  BeginUpdate();
  if (Value && !Value->Empty()) {
    button->SetGlyph(Value);
    button->SetKind(bkGlyph);
  } else {
    button->SetGlyph(nullptr);
    if (button->Kind() == bkGlyph) button->SetKind(bkDown);
  }
  EndUpdate();
}

void TcxCustomDropDownEditProperties::SetGlyphButtonIndex(int Value) {
  if (Value == FGlyphButtonIndex) return;
  TcxCustomEditButton* oldButton = ButtonAt(FGlyphButtonIndex);
  TcxCustomEditButton* newButton = ButtonAt(Value);
  BeginUpdate();
  if (oldButton && HasAssignedGlyph(oldButton)) {
    if (newButton) {
      newButton->SetGlyph(oldButton->Glyph());
      newButton->SetKind(bkGlyph);
    }
    oldButton->SetGlyph(nullptr);
    if (oldButton->Kind() == bkGlyph) oldButton->SetKind(bkDown);
  }
  FGlyphButtonIndex = Value;
  EndUpdate();
}

void TcxCustomDropDownEditProperties::SyncDropDownButtonKind() {
  TcxCustomEditButton* button = ButtonAt(GetDropDownButtonIndex());
  if (!button || !button->Visible()) return;
  const bool glyph = HasAssignedGlyph(button);
  if (glyph && button->Kind() != bkGlyph && button->Kind() == bkDown) button->SetKind(bkGlyph);
  if (!glyph && button->Kind() == bkGlyph) button->SetKind(bkDown);
}

void TcxCustomDropDownEditProperties::NotifyPropertiesChanged() {
  if (!FSyncingButtons) {
    FSyncingButtons = true;
    struct TReset {
      bool& Flag;
      ~TReset() { Flag = false; }
    } reset{FSyncingButtons};
    SyncDropDownButtonKind();
  }
  TcxCustomMaskEditProperties::NotifyPropertiesChanged();
}

TAlignment TcxCustomDropDownEditProperties::PopupAlignment() const {
  switch (FPopupHorzAlignment) {
    case pahRight: return taRightJustify;
    case pahCenter: return taCenter;
    default: return taLeftJustify;
  }
}

void TcxCustomDropDownEditProperties::SetPopupAlignment(TAlignment Value) {
  const TcxPopupAlignHorz align = Value == taRightJustify ? pahRight : Value == taCenter ? pahCenter : pahLeft;
  SetChanging(FPopupHorzAlignment, align);
}

void TcxCustomDropDownEditProperties::SetPopupHeight(int Value) { FPopupHeight = std::max(Value, FPopupMinHeight); }

void TcxCustomDropDownEditProperties::SetPopupWidth(int Value) {
  FPopupWidth = Value <= 0 ? 0 : std::max(Value, FPopupMinWidth);
}

void TcxCustomDropDownEditProperties::SetPopupMinHeight(int Value) {
  FPopupMinHeight = std::max(Value, 0);
  SetPopupHeight(FPopupHeight);
}

void TcxCustomDropDownEditProperties::SetPopupMinWidth(int Value) {
  FPopupMinWidth = std::max(Value, 0);
  SetPopupWidth(FPopupWidth);
}

void TcxCustomDropDownEditProperties::AssignSettings(TcxCustomEditProperties* Source) {
  TcxCustomMaskEditProperties::AssignSettings(Source);
  auto* source = dynamic_cast<TcxCustomDropDownEditProperties*>(Source);
  if (!source) return;
  FGlyphButtonIndex = source->FGlyphButtonIndex;
  FImmediateDropDownWhenActivated = source->FImmediateDropDownWhenActivated;
  FImmediateDropDownWhenKeyPressed = source->FImmediateDropDownWhenKeyPressed;
  FKeepArrowButtonPressedWhenDroppedDown = source->FKeepArrowButtonPressedWhenDroppedDown;
  FPopupAutoSize = source->FPopupAutoSize;
  FPopupClientEdge = source->FPopupClientEdge;
  FPopupDirection = source->FPopupDirection;
  FPopupHorzAlignment = source->FPopupHorzAlignment;
  FPopupMinHeight = source->FPopupMinHeight;
  FPopupMinWidth = source->FPopupMinWidth;
  FPopupHeight = source->FPopupHeight;
  FPopupWidth = source->FPopupWidth;
  FPopupSizeable = source->FPopupSizeable;
  FPopupSysPanelStyle = source->FPopupSysPanelStyle;
  FPopupVertAlignment = source->FPopupVertAlignment;
  FPostPopupValueOnTab = source->FPostPopupValueOnTab;
  OnCloseQuery = source->OnCloseQuery;
  OnCloseUp = source->OnCloseUp;
  OnFinalizePopup = source->OnFinalizePopup;
  OnInitPopup = source->OnInitPopup;
  OnPopup = source->OnPopup;
  Changed();
}

// ---------------------------------------------------------------- view data

namespace {

bool IsVistaOrLater() {
  static const bool result = [] {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    return GetVersionExW(&info) && info.dwMajorVersion >= 6;
  }();
  return result;
}

TcxEditPopupBorderStyle PopupBorderStyleOfKind(TcxLookAndFeelKind AKind) {
  switch (AKind) {
    case lfFlat: return epbsFlat;
    case lfStandard: return epbsFrame3D;
    default: return epbsSingle;
  }
}

TcxLookAndFeelKind LookAndFeelKindOfButtonStyle(TcxEditButtonStyle AStyle) {
  switch (AStyle) {
    case btsDefault:
    case bts3D: return lfStandard;
    case btsFlat:
    case btsSimple:
    case btsHotFlat: return lfFlat;
    case btsUltraFlat: return lfUltraFlat;
    default: return lfOffice11;
  }
}

}  // namespace

void TcxCustomDropDownEditViewData::Calculate(TcxCanvas* ACanvas, const TRect& ABounds, const TPoint& P,
                                              TcxMouseButton Button, TShiftState Shift,
                                              TcxCustomEditViewInfo* AViewInfo, bool AIsMouseEvent) {
  auto* properties = static_cast<TcxCustomDropDownEditProperties*>(Properties());
  KeepArrowButtonPressedWhenDroppedDown = properties->KeepArrowButtonPressedWhenDroppedDown() ||
                                          (IsNativeStyle(Style()->LookAndFeel()) && IsVistaOrLater());
  TcxCustomTextEditViewData::Calculate(ACanvas, ABounds, P, Button, Shift, AViewInfo, AIsMouseEvent);
  AViewInfo->PopupBorderStyle = ResolvePopupBorderStyle(AViewInfo);
  if (properties->CurrentEditingStyle() == esFixedList) CalculateFixedListLook(AViewInfo);
  if (!IsHotAndPopup) return;
  for (int i = 0; i < AViewInfo->ButtonCount(); ++i) {
    TcxEditButtonViewInfoData& data = AViewInfo->Button(i)->Data;
    if (AViewInfo->Button(i)->ButtonIndex == properties->GetDropDownButtonIndex() && data.State == ebsSelected)
      data.State = ebsNormal;
  }
}

void TcxCustomDropDownEditViewData::CalculateFixedListLook(TcxCustomEditViewInfo* AViewInfo) {
  const bool platformLook = NativeStyle && IsVistaOrLater();
  if (platformLook) AViewInfo->NativeState = FixedListNativeState(AViewInfo);
  auto* edit = dynamic_cast<TcxCustomTextEdit*>(Edit);
  const bool findSelectionShown =
      edit && edit->FindSelection() && static_cast<TcxCustomTextEditProperties*>(Properties())->FixedListSelection();
  static_cast<TcxCustomTextEditViewInfo*>(AViewInfo)->DrawSelectionBar =
      !IsInplace() && Focused && !AViewInfo->Transparent && !HasPopupWindow && !platformLook && !findSelectionShown;
}

int TcxCustomDropDownEditViewData::FixedListNativeState(TcxCustomEditViewInfo* AViewInfo) const {
  if (!Enabled) return 4;
  if (HasPopupWindow) return 3;
  if (AViewInfo->ContainerState.Contains(csHotTrack)) return 2;
  return 1;
}

TcxEditPopupBorderStyle TcxCustomDropDownEditViewData::ResolvePopupBorderStyle(TcxCustomEditViewInfo* AViewInfo) {
  const TcxEditPopupBorderStyle style = Style()->PopupBorderStyle();
  if (style != epbsDefault || !Edit) return style;
  if (IsInplace()) return PopupBorderStyleOfKind(Style()->LookAndFeel()->Kind());
  const TcxEditBorderStyle border = GetBorderStyle();
  if (border == ebsNone && AViewInfo->ButtonCount() > 0)
    return PopupBorderStyleOfKind(LookAndFeelKindOfButtonStyle(AViewInfo->Button(0)->Data.Style));
  return border == ebsNone || border == ebsFlat ? epbsFlat : epbsSingle;
}

bool TcxCustomDropDownEditViewData::IsButtonHeldDown(TcxCustomEditViewInfo* AViewInfo, int AButtonVisibleIndex) {
  auto* properties = static_cast<TcxCustomDropDownEditProperties*>(Properties());
  return KeepArrowButtonPressedWhenDroppedDown && HasPopupWindow &&
         AViewInfo->Button(AButtonVisibleIndex)->ButtonIndex == properties->GetDropDownButtonIndex();
}
