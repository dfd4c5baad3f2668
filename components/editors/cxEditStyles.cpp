// The edit styles and the edit style controller.
#include "components/editors/cxEdit.h"

namespace {

const wchar_t* const EditStyleValueNames[] = {L"ButtonStyle", L"ButtonTransparency", L"PopupBorderStyle",
                                              L"GradientButtons", L"Gradient", L"GradientDirection"};
constexpr int ContainerValueCount = 10;

const TcxContainerStyleValues EditValues{svButtonStyle, svButtonTransparency, svPopupBorderStyle,
                                         svGradientButtons, svGradient, svGradientDirection};

TcxEditStyleController* DefaultEditStyleController = nullptr;

}  // namespace

TcxEditStyleController* cxDefaultEditStyleController() { return DefaultEditStyleController; }

void cxSetDefaultEditStyleController(TcxEditStyleController* AController) {
  DefaultEditStyleController = AController;
  cxSetDefaultContainerStyleController(AController);
}

// ---------------------------------------------------------------- style

TcxCustomEditStyle::TcxCustomEditStyle(TPersistent* AOwner, bool ADirectAccessMode, TcxContainerStyle* AParentStyle,
                                       TcxContainerStateItem AState)
    : TcxContainerStyle(AOwner, ADirectAccessMode, AParentStyle, AState) {}

bool TcxCustomEditStyle::GetStyleValueName(TcxContainerStyleValue AValue, String& AName) {
  const int index = static_cast<int>(AValue);
  if (index < ContainerValueCount) return TcxContainerStyle::GetStyleValueName(AValue, AName);
  const bool known = index < GetStyleValueCount();
  AName = known ? EditStyleValueNames[index - ContainerValueCount] : L"";
  return known;
}

TcxContainerStyleValues TcxCustomEditStyle::BaseOnlyStyleValues() {
  return TcxContainerStyleValues::FromBits(0xFA78);
}

TcxContainerStyleValues TcxCustomEditStyle::AssignedValues() const {
  return TcxContainerStyle::AssignedValues() + FEditAssignedValues;
}

void TcxCustomEditStyle::SetAssignedValues(TcxContainerStyleValues Value) {
  const TcxContainerStyleValues editValues = Value * EditValues;
  BeginUpdate();
  if (editValues != FEditAssignedValues) {
    FEditAssignedValues = editValues;
    Changed();
  }
  TcxContainerStyle::SetAssignedValues(Value - EditValues);
  EndUpdate();
}

TcxStyleController* TcxCustomEditStyle::EditDefaultStyleController() const {
  if (DirectAccessMode() || Owner() == DefaultEditStyleController) return nullptr;
  if (TcxContainer* edit = BaseStyle()->Edit(); edit && edit->IsInplace()) return nullptr;
  return DefaultEditStyleController;
}

TcxStyleController* TcxCustomEditStyle::EditActiveStyleController() const {
  if (TcxStyleController* controller = StyleController()) return controller;
  return EditDefaultStyleController();
}

template <class T>
std::optional<T> TcxCustomEditStyle::Resolve(TcxContainerStyleValue AValue, T TcxCustomEditStyle::*AField) const {
  if (FEditAssignedValues.Contains(AValue)) return this->*AField;
  if (DirectAccessMode()) return std::nullopt;
  TcxStyleController* controller = EditActiveStyleController();
  auto* style = controller ? dynamic_cast<TcxCustomEditStyle*>(controller->GetInternalStyle(State())) : nullptr;
  return style ? style->Resolve(AValue, AField) : std::nullopt;
}

bool TcxCustomEditStyle::IsValueAssigned(TcxContainerStyleValue AValue) const {
  const int index = static_cast<int>(AValue);
  if (index < ContainerValueCount) return TcxContainerStyle::IsValueAssigned(AValue);
  if (index >= GetStyleValueCount()) return false;
  // The type of the field does not matter to whether it is found.
  return Resolve(AValue, &TcxCustomEditStyle::FGradient).has_value();
}

// ---------------------------------------------------------------- readers

TcxEditButtonStyle TcxCustomEditStyle::ButtonStyle() const {
  return Resolve(svButtonStyle, &TcxCustomEditStyle::FButtonStyle).value_or(ButtonStyleDefault());
}

TcxEditButtonTransparency TcxCustomEditStyle::ButtonTransparency() const {
  return Resolve(svButtonTransparency, &TcxCustomEditStyle::FButtonTransparency)
      .value_or(ButtonTransparencyDefault());
}

bool TcxCustomEditStyle::Gradient() const {
  return Resolve(svGradient, &TcxCustomEditStyle::FGradient).value_or(GradientDefault());
}

bool TcxCustomEditStyle::GradientButtons() const {
  return Resolve(svGradientButtons, &TcxCustomEditStyle::FGradientButtons).value_or(GradientButtonsDefault());
}

TcxEditGradientDirection TcxCustomEditStyle::GradientDirection() const {
  return Resolve(svGradientDirection, &TcxCustomEditStyle::FGradientDirection)
      .value_or(GradientDirectionDefault());
}

TcxEditPopupBorderStyle TcxCustomEditStyle::PopupBorderStyle() const {
  return Resolve(svPopupBorderStyle, &TcxCustomEditStyle::FPopupBorderStyle).value_or(PopupBorderStyleDefault());
}

// ---------------------------------------------------------------- defaults

TcxEditButtonStyle TcxCustomEditStyle::ButtonStyleDefault() const {
  return IsTopLevelStyle() ? btsDefault : BaseStyle()->ButtonStyle();
}

TcxEditButtonTransparency TcxCustomEditStyle::ButtonTransparencyDefault() const {
  return IsTopLevelStyle() ? ebtNone : BaseStyle()->ButtonTransparency();
}

bool TcxCustomEditStyle::GradientDefault() const { return IsTopLevelStyle() ? false : BaseStyle()->Gradient(); }

bool TcxCustomEditStyle::GradientButtonsDefault() const {
  return IsTopLevelStyle() ? false : BaseStyle()->GradientButtons();
}

TcxEditGradientDirection TcxCustomEditStyle::GradientDirectionDefault() const {
  return IsTopLevelStyle() ? TcxDirection::dirDown : BaseStyle()->GradientDirection();
}

TcxEditPopupBorderStyle TcxCustomEditStyle::PopupBorderStyleDefault() const {
  return IsTopLevelStyle() ? epbsDefault : BaseStyle()->PopupBorderStyle();
}

// ---------------------------------------------------------------- writers

template <class T>
void TcxCustomEditStyle::StoreEditValue(TcxContainerStyleValue AValue, T TcxCustomEditStyle::*AField,
                                        const T& ANewValue) {
  // The base-only values live on the normal style.
  TcxCustomEditStyle* target = BaseOnlyStyleValues().Contains(AValue) ? BaseStyle() : this;
  if (target->FEditAssignedValues.Contains(AValue) && target->*AField == ANewValue) return;
  target->*AField = ANewValue;
  target->FEditAssignedValues.Include(AValue);
  target->Changed();
}

void TcxCustomEditStyle::SetButtonStyle(TcxEditButtonStyle Value) {
  StoreEditValue(svButtonStyle, &TcxCustomEditStyle::FButtonStyle, Value);
}

void TcxCustomEditStyle::SetButtonTransparency(TcxEditButtonTransparency Value) {
  StoreEditValue(svButtonTransparency, &TcxCustomEditStyle::FButtonTransparency, Value);
}

void TcxCustomEditStyle::SetGradient(bool Value) { StoreEditValue(svGradient, &TcxCustomEditStyle::FGradient, Value); }

void TcxCustomEditStyle::SetGradientButtons(bool Value) {
  StoreEditValue(svGradientButtons, &TcxCustomEditStyle::FGradientButtons, Value);
}

void TcxCustomEditStyle::SetGradientDirection(TcxEditGradientDirection Value) {
  StoreEditValue(svGradientDirection, &TcxCustomEditStyle::FGradientDirection, Value);
}

void TcxCustomEditStyle::SetPopupBorderStyle(TcxEditPopupBorderStyle Value) {
  StoreEditValue(svPopupBorderStyle, &TcxCustomEditStyle::FPopupBorderStyle, Value);
}

void TcxCustomEditStyle::SetPopupCloseButton(bool Value) {
  TcxCustomEditStyle* base = BaseStyle();
  if (base->FPopupCloseButton == Value) return;
  base->FPopupCloseButton = Value;
  base->Changed();
}

void TcxCustomEditStyle::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxCustomEditStyle*>(Source);
  if (!source) return TcxContainerStyle::Assign(Source);
  BeginUpdate();
  FButtonStyle = source->FButtonStyle;
  FButtonTransparency = source->FButtonTransparency;
  FGradient = source->FGradient;
  FGradientButtons = source->FGradientButtons;
  FGradientDirection = source->FGradientDirection;
  FPopupBorderStyle = source->FPopupBorderStyle;
  FPopupCloseButton = source->FPopupCloseButton;
  FEditAssignedValues = source->FEditAssignedValues;
  TcxContainerStyle::Assign(Source);
  Changed();
  EndUpdate();
}

void TcxCustomEditStyle::Init(const TcxViewParams& AParams) {
  BeginUpdate();
  SetColor(AParams.Color);
  SetFont(AParams.Font);
  SetTextColor(AParams.TextColor);
  EndUpdate();
}

// ---------------------------------------------------------------- controller

TcxEditStyleController::TcxEditStyleController(TComponent* AOwner) : TcxStyleController(AOwner) { RecreateStyles(); }

TcxContainerStyle* TcxEditStyleController::CreateStyle(TcxContainerStyle* AParentStyle, TcxContainerStateItem AState) {
  return new TcxEditStyle(this, false, AParentStyle, AState);
}
