// The editor properties, their alignment and assigned values, the default
// values provider and the registry of properties classes.
#include <algorithm>

#include "components/core/dxGdiPlusClasses.h"
#include "components/editors/cxEdit.h"
#include "components/editors/cxEditConsts.h"
#include "vcl/graphics/Bitmap.h"

namespace {

std::vector<TcxCustomEditProperties*> PropertiesList;
std::unique_ptr<TcxRegisteredClasses> PropertiesRegistry;

bool IsComponentDestroying(TPersistent* AObject) {
  auto* component = dynamic_cast<TComponent*>(AObject);
  return component && component->ComponentState().Contains(csDestroying);
}

}  // namespace

const std::vector<TcxCustomEditProperties*>& cxEditPropertiesList() { return PropertiesList; }

TcxRegisteredClasses* cxEditPropertiesRegistry() {
  if (!PropertiesRegistry) {
    PropertiesRegistry = std::make_unique<TcxRegisteredClasses>(false);
    PropertiesRegistry->SetSorted(true);
  }
  return PropertiesRegistry.get();
}

void cxFreeEditPropertiesRegistry() { PropertiesRegistry.reset(); }

// ---------------------------------------------------------------- default values provider

void TcxCustomEditDefaultValuesProvider::ClearUsers() {
  for (TcxCustomEditProperties* properties : PropertiesList)
    if (properties->FIDefaultValuesProvider && properties->FIDefaultValuesProvider->GetInstance() == this)
      properties->ForgetDefaultValuesProvider();
}

// ---------------------------------------------------------------- alignment

void TcxEditAlignment::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxEditAlignment*>(Source);
  if (!source) return TPersistent::Assign(Source);
  FVert = source->FVert;
  FHorz = source->FHorz;
  FIsHorzAssigned = source->FIsHorzAssigned;
  Changed();
}

void TcxEditAlignment::SetHorz(TAlignment Value) {
  if (FIsHorzAssigned && FHorz == Value) return;
  FHorz = Value;
  FIsHorzAssigned = true;
  Changed();
}

void TcxEditAlignment::SetVert(TcxEditVertAlignment Value) {
  if (FVert == Value) return;
  FVert = Value;
  Changed();
}

void TcxEditAlignment::Reset() {
  FIsHorzAssigned = false;
  Changed();
}

// ---------------------------------------------------------------- assigned values

TPersistent* TcxCustomEditPropertiesValues::GetOwner() const { return FOwner; }

void TcxCustomEditPropertiesValues::BeginUpdate() { FOwner->BeginUpdate(); }

void TcxCustomEditPropertiesValues::EndUpdate() { FOwner->EndUpdate(true); }

void TcxCustomEditPropertiesValues::SetFlag(bool& AFlag, bool AValue) {
  if (AFlag == AValue) return;
  AFlag = AValue;
  FOwner->Changed();
}

void TcxCustomEditPropertiesValues::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxCustomEditPropertiesValues*>(Source);
  if (!source) return TPersistent::Assign(Source);
  BeginUpdate();
  SetMaxValue(source->FMaxValue);
  SetMinValue(source->FMinValue);
  SetReadOnly(source->FReadOnly);
  EndUpdate();
}

void TcxCustomEditPropertiesValues::RestoreDefaults() {
  BeginUpdate();
  SetMaxValue(false);
  SetMinValue(false);
  SetReadOnly(false);
  EndUpdate();
}

// ---------------------------------------------------------------- properties

TcxCustomEditProperties::TcxCustomEditProperties(TPersistent* AOwner)
    : TcxInterfacedPersistent(AOwner),
      FFreeNotificator(std::make_unique<TcxFreeNotificator>(nullptr)),
      FImageChangeLink(std::make_unique<TChangeLink>()),
      FErrorIcon(std::make_unique<TdxSmartImage>()) {
  PropertiesList.push_back(this);
  FFreeNotificator->OnFreeNotification = [this](TComponent* Sender) { HandleFreeNotification(Sender); };
  FImageChangeLink->OnChange = [this](TObject* Sender) { HandleImageListChange(Sender); };
}

TcxCustomEditProperties::~TcxCustomEditProperties() {
  FIDefaultValuesProvider = nullptr;
  // The owner hears nothing more while the parts go.
  OnPropertiesChanged = nullptr;
  if (FImages) FImages->UnRegisterChanges(FImageChangeLink.get());
  FButtons.reset();
  std::erase(PropertiesList, this);
  cxDisconnectPropertiesFromInplaceEditLists(this);
}

// The companions are made on first use, so that a descendant's classes
// (GetButtonsClass, AssignedValuesClass, its default alignment) are the
// ones taken.
TcxEditButtons* TcxCustomEditProperties::Buttons() {
  if (!FButtons) {
    FButtons.reset(GetButtonsClass().Create(this));
    FButtons->OnChange = [this](TObject* Sender) { HandleButtonsChange(Sender); };
  }
  return FButtons.get();
}

TcxCustomEditPropertiesValues* TcxCustomEditProperties::AssignedValues() {
  if (!FAssignedValues) FAssignedValues.reset(AssignedValuesClass().Create(this));
  return FAssignedValues.get();
}

TcxEditAlignment* TcxCustomEditProperties::InnerAlignment() {
  if (!FInnerAlignment) FInnerAlignment = std::make_unique<TcxEditAlignment>(this, GetDefaultVertAlignment());
  return FInnerAlignment.get();
}

TcxEditAlignment* TcxCustomEditProperties::Alignment() {
  if (!FAlignment) FAlignment = std::make_unique<TcxEditAlignment>(this, GetDefaultVertAlignment());
  // The public object shows the stored alignment with an unassigned Horz
  // replaced by the default, unless the stored one is being written.
  FAlignment->OnChanged = nullptr;
  FAlignment->Assign(InnerAlignment());
  auto* owner = dynamic_cast<TComponent*>(Owner());
  const bool writing = owner && owner->ComponentState().Contains(csWriting);
  if (!FInnerAlignment->IsHorzAssigned() && !(FInnerAlignment->IsStored() && writing)) {
    const TAlignment horz = GetDefaultHorzAlignment();
    FAlignment->SetHorz(horz);
    FAlignment->Reset();
  }
  FAlignment->OnChanged = [this](TObject* Sender) { AlignmentChanged(Sender); };
  return FAlignment.get();
}

TAlignment TcxCustomEditProperties::GetDefaultHorzAlignment() {
  return FIDefaultValuesProvider ? FIDefaultValuesProvider->DefaultAlignment() : InnerAlignment()->Horz();
}

void TcxCustomEditProperties::AlignmentChanged(TObject*) {
  InnerAlignment()->Assign(FAlignment.get());
  Changed();
}

void TcxCustomEditProperties::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TcxCustomEditProperties*>(Source);
  if (!source) return TcxInterfacedPersistent::Assign(Source);
  BeginUpdate();
  try {
    AssignSettings(source);
  } catch (...) {
    EndUpdate(true);
    throw;
  }
  EndUpdate(true);
}

void TcxCustomEditProperties::AssignSettings(TcxCustomEditProperties* Source) {
  SetImages(Source->FImages);
  SetAutoSelect(Source->FAutoSelect);
  Buttons()->Assign(Source->Buttons());
  SetButtonsViewStyle(Source->FButtonsViewStyle);
  SetBeepOnError(Source->FBeepOnError);
  SetClearKey(Source->FClearKey);
  SetClickKey(Source->FClickKey);
  SetUseLeftAlignmentOnEditing(Source->UseLeftAlignmentOnEditing());
  SetIDefaultValuesProvider(Source->FIDefaultValuesProvider);
  Alignment()->Assign(Source->Alignment());
  TcxCustomEditPropertiesValues* values = AssignedValues();
  TcxCustomEditPropertiesValues* sourceValues = Source->AssignedValues();
  values->SetMaxValue(false);
  if (sourceValues->MaxValue()) SetMaxValue(Source->MaxValue());
  values->SetMinValue(false);
  if (sourceValues->MinValue()) SetMinValue(Source->MinValue());
  values->SetReadOnly(false);
  if (sourceValues->ReadOnly()) SetReadOnly(Source->ReadOnly());
  SetImmediatePost(Source->FImmediatePost);
  SetTransparent(Source->FTransparent);
  SetUseMouseWheel(Source->FUseMouseWheel);
  SetValidateOnEnter(Source->FValidateOnEnter);
  SetValidationOptions(Source->FValidationOptions);
  SetValidationErrorIconAlignment(Source->FValidationErrorIconAlignment);
  OnButtonClick = Source->OnButtonClick;
  OnChange = Source->OnChange;
  OnEditValueChanged = Source->OnEditValueChanged;
  OnValidate = Source->OnValidate;
}

TcxCustomEditProperties* TcxCustomEditProperties::Clone(TPersistent* AOwner) const {
  std::unique_ptr<TcxCustomEditProperties> clone(NewInstance(AOwner));
  clone->Assign(const_cast<TcxCustomEditProperties*>(this));
  return clone.release();
}

// ---------------------------------------------------------------- notification

void TcxCustomEditProperties::BeginUpdate() {
  if (FUpdateCount == 0 && FLockCount == 0) FChangedOccurred = false;
  ++FUpdateCount;
}

void TcxCustomEditProperties::EndUpdate(bool AInvokeChanged) {
  if (FUpdateCount == 0) return;
  if (--FUpdateCount == 0 && AInvokeChanged && FChangedOccurred) Changed();
}

void TcxCustomEditProperties::LockUpdate(bool ALock) {
  if (ALock) {
    if (FLockCount == 0 && FUpdateCount == 0) FChangedOccurred = false;
    ++FLockCount;
    return;
  }
  if (FLockCount == 0) return;
  if (--FLockCount == 0 && FUpdateCount == 0 && FChangedOccurred) Changed();
}

void TcxCustomEditProperties::Changed() {
  if (ChangedLocked() || IsComponentDestroying(Owner())) {
    FChangedOccurred = true;
    return;
  }
  FChangedOccurred = false;
  NotifyPropertiesChanged();
}

void TcxCustomEditProperties::NotifyPropertiesChanged() {
  if (!OnPropertiesChanged) return;
  ++FIsChangingCount;
  try {
    OnPropertiesChanged(this);
  } catch (...) {
    --FIsChangingCount;
    throw;
  }
  --FIsChangingCount;
}

void TcxCustomEditProperties::RestoreDefaults() {
  InnerAlignment()->Reset();
  BeginUpdate();
  AssignedValues()->RestoreDefaults();
  EndUpdate(true);
}

// ---------------------------------------------------------------- queries

TcxEditSupportedOperations TcxCustomEditProperties::GetSupportedOperations() {
  return Buttons()->Count() > 0 ? TcxEditSupportedOperations{esoHotTrack} : TcxEditSupportedOperations{};
}

bool TcxCustomEditProperties::ValueEditorEditValueSource(bool AEditFocused) {
  if (AEditFocused) return false;
  const TcxEditDisplayFormatOptions options = DisplayFormatOptions();
  return options.Contains(dfoSupports) && FIDefaultValuesProvider &&
         FIDefaultValuesProvider->IsDisplayFormatDefined(!options.Contains(dfoNoCurrencyValue));
}

bool TcxCustomEditProperties::IsValueFormattedByProvider() {
  const TcxEditDisplayFormatOptions options = DisplayFormatOptions();
  return !IsValueFormattedByProperties() && options.Contains(dfoSupports) && !GetEditValueSource(true) &&
         GetEditValueSource(false) && FIDefaultValuesProvider &&
         FIDefaultValuesProvider->IsDisplayFormatDefined(!options.Contains(dfoNoCurrencyValue));
}

bool TcxCustomEditProperties::CompareDisplayValues(const Variant& AEditValue1, const Variant& AEditValue2) {
  Variant value1, value2;
  PrepareDisplayValue(AEditValue1, value1, false);
  PrepareDisplayValue(AEditValue2, value2, false);
  return value1 == value2;
}

String TcxCustomEditProperties::DefaultValidateErrorText(int) { return dxTranslatedResString(cxSEditValidateErrorText); }

bool TcxCustomEditProperties::IsModifiable() {
  if (ReadOnly()) return false;
  return !FIDefaultValuesProvider ||
         (FIDefaultValuesProvider->DefaultCanModify() && FIDefaultValuesProvider->CanSetEditMode());
}

bool TcxCustomEditProperties::IsDesigning() const {
  auto* owner = dynamic_cast<TComponent*>(Owner());
  return owner && owner->ComponentState().Contains(csDesigning);
}

// ---------------------------------------------------------------- settings

void TcxCustomEditProperties::SetErrorIcon(TdxSmartImage* Value) { FErrorIcon->Assign(Value); }

void TcxCustomEditProperties::SetIDefaultValuesProvider(IcxEditDefaultValuesProvider* Value) {
  FIDefaultValuesProvider = Value;
  if (dynamic_cast<TcxContainer*>(Owner())) Changed();
}

void TcxCustomEditProperties::SetImages(TCustomImageList* Value) {
  if (FImages) FFreeNotificator->RemoveSender(FImages);
  cxAssignImageList(Value, FImages, FImageChangeLink.get(), nullptr);
  if (FImages) FFreeNotificator->AddSender(FImages);
}

void TcxCustomEditProperties::HandleImageListChange(TObject* Sender) {
  if (Sender == FImages) Changed();
}

void TcxCustomEditProperties::HandleFreeNotification(TComponent* Sender) {
  if (Sender == FImages) SetImages(nullptr);
}

double TcxCustomEditProperties::MaxValue() {
  if (AssignedValues()->MaxValue()) return FMaxValue;
  return FIDefaultValuesProvider ? FIDefaultValuesProvider->DefaultMaxValue() : 0;
}

void TcxCustomEditProperties::SetMaxValue(double Value) {
  if (AssignedValues()->MaxValue() && FMaxValue == Value) return;
  BeginUpdate();
  FMaxValue = Value;
  FAssignedValues->SetMaxValue(true);
  Changed();
  EndUpdate(true);
}

double TcxCustomEditProperties::MinValue() {
  if (AssignedValues()->MinValue()) return FMinValue;
  return FIDefaultValuesProvider ? FIDefaultValuesProvider->DefaultMinValue() : 0;
}

void TcxCustomEditProperties::SetMinValue(double Value) {
  if (AssignedValues()->MinValue() && FMinValue == Value) return;
  BeginUpdate();
  FMinValue = Value;
  FAssignedValues->SetMinValue(true);
  Changed();
  EndUpdate(true);
}

void TcxCustomEditProperties::AssignMinMaxValues(double AMaxValue, double AMinValue) {
  TcxCustomEditPropertiesValues* values = AssignedValues();
  if (values->MaxValue() && values->MinValue() && FMaxValue == AMaxValue && FMinValue == AMinValue) return;
  BeginUpdate();
  SetMaxValue(AMaxValue);
  SetMinValue(AMinValue);
  EndUpdate(true);
}

bool TcxCustomEditProperties::ReadOnly() {
  const bool providerReadOnly = FIDefaultValuesProvider && FIDefaultValuesProvider->DefaultReadOnly();
  return (AssignedValues()->ReadOnly() && FReadOnly) || providerReadOnly;
}

void TcxCustomEditProperties::SetReadOnly(bool Value) {
  if (AssignedValues()->ReadOnly() && FReadOnly == Value) return;
  BeginUpdate();
  FReadOnly = Value;
  FAssignedValues->SetReadOnly(true);
  Changed();
  EndUpdate(true);
}

bool TcxCustomEditProperties::UseLeftAlignmentOnEditing() {
  return FUseLeftAlignmentOnEditing.value_or(LeftAlignmentOnEditingDefault());
}

void TcxCustomEditProperties::SetUseLeftAlignmentOnEditing(bool Value) {
  if (UseLeftAlignmentOnEditing() == Value) return;
  FUseLeftAlignmentOnEditing = Value;
  Changed();
}

void TcxCustomEditProperties::SetValidationOptions(TcxEditValidationOptions Value) {
  FValidationOptions = Value;
  FInternalValidationOptions = Value;
}
