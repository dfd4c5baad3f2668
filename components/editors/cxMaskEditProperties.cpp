// The mask edit's properties: the mask text and kind, the display texts
// through a detached mode, validation against the mask, the filter row
// helper and the unit's registration.
#include "components/editors/cxEditConsts.h"
#include "components/editors/cxMaskEdit.h"
#include "vcl/rtl/SysUtils.h"

bool EmptyMask(const String& AMask) {
  return std::all_of(AMask.begin(), AMask.end(), [](Char C) {
    return C == 0x00 || C == 0x09 || C == 0x0A || C == 0x0C || C == 0x0D || C == 0x20;
  });
}

TcxCustomMaskEditProperties::TcxCustomMaskEditProperties(TPersistent* AOwner)
    : TcxCustomTextEditProperties(AOwner) {
  SetValidateOnEnter(true);
}

TcxCustomMaskEditProperties::~TcxCustomMaskEditProperties() = default;

TcxCustomEditClass TcxCustomMaskEditProperties::GetContainerClass() const {
  return TcxCustomEditClass::Of<TcxMaskEdit>();
}

TcxMaskEditModeClass TcxCustomMaskEditProperties::ModeClassForKind(TcxEditMaskKind AKind) {
  return TcxMaskEditModeClass::Of<TcxMaskEditStandardMode>();
}

// ---------------------------------------------------------------- settings

String TcxCustomMaskEditProperties::EditMask() {
  if (FMaskKind == emkStandard && FEditMask.empty())
    if (IcxEditDefaultValuesProvider* provider = IDefaultValuesProvider()) return provider->DefaultEditMask();
  return FEditMask;
}

void TcxCustomMaskEditProperties::SetEditMask(const String& Value) {
  if (Value == EditMask()) {
    FEditMask = Value;
    return;
  }
  std::unique_ptr<TcxMaskEditCustomMode> check(ModeClassForKind(FMaskKind).Create(nullptr, this));
  check->Compile(Value);
  FEditMask = Value;
  Changed();
}

void TcxCustomMaskEditProperties::SetMaskKind(TcxEditMaskKind Value) {
  if (FMaskKind == Value) return;
  FMaskKind = Value;
  Changed();
}

void TcxCustomMaskEditProperties::SetCaseInsensitive(bool Value) {
  FCaseInsensitive = Value || CharCase() != ecNormal;
  Changed();
}

void TcxCustomMaskEditProperties::SetCharCase(TEditCharCase Value) {
  if (Value != ecNormal) FCaseInsensitive = true;
  TcxCustomTextEditProperties::SetCharCase(Value);
}

void TcxCustomMaskEditProperties::SetAlwaysShowBlanksAndLiterals(bool Value) {
  if (FAlwaysShowBlanksAndLiterals == Value) return;
  FAlwaysShowBlanksAndLiterals = Value;
  Changed();
}

void TcxCustomMaskEditProperties::SetIgnoreMaskBlank(bool Value) {
  if (FIgnoreMaskBlank == Value) return;
  FIgnoreMaskBlank = Value;
  Changed();
}

void TcxCustomMaskEditProperties::AssignSettings(TcxCustomEditProperties* Source) {
  TcxCustomTextEditProperties::AssignSettings(Source);
  auto* source = dynamic_cast<TcxCustomMaskEditProperties*>(Source);
  if (!source) return;
  SetMaskKind(source->FMaskKind);
  SetEditMask(source->FEditMask);
  SetCaseInsensitive(source->FCaseInsensitive);
  SetIgnoreMaskBlank(source->FIgnoreMaskBlank);
  SetAlwaysShowBlanksAndLiterals(source->FAlwaysShowBlanksAndLiterals);
}

void TcxCustomMaskEditProperties::NotifyPropertiesChanged() {
  FTempMode.reset();
  TcxCustomTextEditProperties::NotifyPropertiesChanged();
}

// A masked edit takes no length limit: the mask decides the length.
void TcxCustomMaskEditProperties::HandleMaxLengthChange() {
  if (IsMasked() && !FMaxLengthSetting) {
    FMaxLengthSetting = true;
    struct TReset {
      bool& Flag;
      ~TReset() { Flag = false; }
    } reset{FMaxLengthSetting};
    SetMaxLength(0);
  }
  TcxCustomTextEditProperties::HandleMaxLengthChange();
}

// ---------------------------------------------------------------- answers while masked

TcxEditSupportedOperations TcxCustomMaskEditProperties::GetSupportedOperations() {
  TcxEditSupportedOperations result = TcxCustomTextEditProperties::GetSupportedOperations();
  if (IsMasked()) result.Exclude(esoEditingAutoHeight);
  return result;
}

TcxEditDisplayFormatOptions TcxCustomMaskEditProperties::DisplayFormatOptions() {
  return IsMasked() ? TcxEditDisplayFormatOptions{} : TcxCustomTextEditProperties::DisplayFormatOptions();
}

bool TcxCustomMaskEditProperties::IsEditValueValid(Variant& EditValue, bool AEditFocused) {
  return IsMasked() || TcxCustomTextEditProperties::IsEditValueValid(EditValue, AEditFocused);
}

// ---------------------------------------------------------------- display texts

TcxMaskEditCustomMode* TcxCustomMaskEditProperties::TempMode() {
  const String mask = EditMask();
  if (EmptyMask(mask)) return nullptr;
  const TcxMaskEditModeClass modeClass = ModeClassForKind(FMaskKind);
  if (!FTempMode || FTempMode->ClassType() != modeClass.Class || FTempMode->EditMask() != mask) {
    FTempMode.reset(modeClass.Create(nullptr, this));
    FTempMode->Compile(mask);
  }
  return FTempMode.get();
}

void TcxCustomMaskEditProperties::DoPrepareDisplayValue(const Variant& AEditValue, Variant& DisplayValue,
                                                        bool AEditFocused) {
  IcxEditDefaultValuesProvider* provider = IDefaultValuesProvider();
  TcxMaskEditCustomMode* mode = IsMasked() ? TempMode() : nullptr;
  if (!mode || (!AEditFocused && provider && provider->IsDisplayFormatDefined(false)))
    return TcxCustomTextEditProperties::DoPrepareDisplayValue(AEditValue, DisplayValue, AEditFocused);
  const String text = VarToStr(AEditValue);
  if (AEditFocused || FMaskKind != emkStandard || FAlwaysShowBlanksAndLiterals)
    DisplayValue = Variant(mode->GetFormattedText(text, false));
  else
    DisplayValue = Variant(mode->GetUpdatedText(text, false));
}

// ---------------------------------------------------------------- validation

TcxMaskEditCustomMode* TcxCustomMaskEditProperties::ValidatingMode(TcxCustomEdit* AEdit) {
  auto* edit = dynamic_cast<TcxCustomMaskEdit*>(AEdit);
  if (edit && edit->Mode() && edit->Mode()->EditMask() == EditMask()) return edit->Mode();
  return TempMode();
}

void TcxCustomMaskEditProperties::ValidateDisplayValue(Variant& ADisplayValue, String& AErrorText, bool& AError,
                                                       TcxCustomEdit* AEdit) {
  if (!AError && IsMasked()) {
    TcxMaskEditCustomMode* mode = ValidatingMode(AEdit);
    if (mode && !mode->IsFullValidText(VarToStr(ADisplayValue))) {
      AError = true;
      AErrorText = dxTranslatedResString(scxMaskEditInvalidEditValue);
    }
  }
  TcxCustomTextEditProperties::ValidateDisplayValue(ADisplayValue, AErrorText, AError, AEdit);
}

// ---------------------------------------------------------------- filter rows

const TcxFilterMaskEditHelper* TcxFilterMaskEditHelper::Instance() {
  static const TcxFilterMaskEditHelper instance;
  return &instance;
}

TcxCustomEditClass TcxFilterMaskEditHelper::GetFilterEditClass() const { return TcxCustomEditClass::Of<TcxMaskEdit>(); }

TcxFilterControlOperators TcxFilterMaskEditHelper::GetSupportedFilterOperators(TcxCustomEditProperties* AProperties,
                                                                               const IcxFilterValueType* AValueType,
                                                                               bool AExtendedSet) const {
  TcxFilterControlOperators result =
      TcxFilterTextEditHelper::GetSupportedFilterOperators(AProperties, AValueType, AExtendedSet);
  auto* properties = dynamic_cast<TcxCustomMaskEditProperties*>(AProperties);
  if (properties && properties->IsMasked()) {
    result.Exclude(fcoLike);
    result.Exclude(fcoNotLike);
  }
  return result;
}

void TcxFilterMaskEditHelper::InitializeProperties(TcxCustomEditProperties* AProperties,
                                                   TcxCustomEditProperties* AEditProperties, bool AHasButtons) const {
  TcxFilterTextEditHelper::InitializeProperties(AProperties, AEditProperties, AHasButtons);
  auto* properties = dynamic_cast<TcxCustomMaskEditProperties*>(AProperties);
  if (!properties) return;
  if (properties->MaskKind() == emkRegExpr) properties->SetMaskKind(emkRegExprEx);
  properties->SetAutoSelect(!properties->IsMasked());
}

// ---------------------------------------------------------------- unit

const TUnitEntry cxMaskEditUnit{L"cxMaskEdit",
                                [] {
                                  cxEditPropertiesRegistry()->Register(
                                      TcxMaskEditProperties::StaticClass(),
                                      L"MaskEdit|Represents a generic masked edit control.");
                                  cxFilterEditsRegistry()->Register(TcxMaskEditProperties::StaticClass(),
                                                                    TcxFilterMaskEditHelper::Instance());
                                },
                                [] {
                                  cxFilterEditsRegistry()->Unregister(TcxMaskEditProperties::StaticClass(),
                                                                      TcxFilterMaskEditHelper::Instance());
                                }};
