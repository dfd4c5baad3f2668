// The filter edit helpers and their registry.
#include "components/editors/cxFilterControlUtils.h"

#include <algorithm>

#include "components/core/dxCore.h"
#include "components/editors/cxTextEdit.h"

namespace {

std::unique_ptr<TcxFilterEditsController> FilterEditsRegistry;

}  // namespace

TcxFilterEditsController* cxFilterEditsRegistry() {
  if (!FilterEditsRegistry) FilterEditsRegistry = std::make_unique<TcxFilterEditsController>();
  return FilterEditsRegistry.get();
}

// ---------------------------------------------------------------- registry

void TcxFilterEditsController::Register(TClass AItemClass, const TcxCustomFilterEditHelper* AHelper) {
  TcxRegisteredClassList::Register(AItemClass->Parent, AHelper->ClassType());
  if (std::find(FHelpers.begin(), FHelpers.end(), AHelper) == FHelpers.end()) FHelpers.push_back(AHelper);
}

void TcxFilterEditsController::Unregister(TClass AItemClass, const TcxCustomFilterEditHelper* AHelper) {
  TcxRegisteredClassList::Unregister(AItemClass->Parent, AHelper->ClassType());
  if (Count() == 0 && this == FilterEditsRegistry.get()) FilterEditsRegistry.reset();
}

const TcxCustomFilterEditHelper* TcxFilterEditsController::FindHelper(TClass APropertiesClass) const {
  const TClass helperClass = FindClass(APropertiesClass->Parent);
  if (!helperClass) return nullptr;
  for (const TcxCustomFilterEditHelper* helper : FHelpers)
    if (helper->ClassType() == helperClass) return helper;
  return nullptr;
}

// ---------------------------------------------------------------- the base helper

void TcxCustomFilterEditHelper::ClearPropertiesEvents(TcxCustomEditProperties* AProperties) const {
  AProperties->OnButtonClick = nullptr;
  AProperties->OnChange = nullptr;
  AProperties->OnEditValueChanged = nullptr;
  AProperties->OnValidate = nullptr;
}

void TcxCustomFilterEditHelper::InitializeFilterEdit(TcxCustomEdit* AEdit,
                                                     TcxCustomEditProperties* AEditProperties) const {
  InitializeProperties(AEdit->ActiveProperties(), AEditProperties, EditPropertiesHasButtons());
}

void TcxCustomFilterEditHelper::GetFilterValue(TcxCustomEdit* AEdit, TcxCustomEditProperties* AEditProperties,
                                               Variant& V, String& S) const {
  V = AEdit->EditValue();
  S = AEditProperties->GetDisplayText(V, false, true);
  if (S.empty()) S = dxVariantToText(V);
}

TcxFilterControlOperators cxOrderedValueFilterOperators(bool AExtendedSet) {
  TcxFilterControlOperators result{fcoEqual, fcoNotEqual, fcoLess, fcoLessEqual, fcoGreater, fcoGreaterEqual,
                                   fcoBlanks, fcoNonBlanks};
  if (AExtendedSet) result = result + TcxFilterControlOperators{fcoBetween, fcoNotBetween, fcoInList, fcoNotInList};
  return result;
}

TcxFilterControlOperators TcxCustomFilterEditHelper::GetSupportedFilterOperators(
    TcxCustomEditProperties*, const IcxFilterValueType* AValueType, bool AExtendedSet) const {
  TcxFilterControlOperators result;
  const auto last = AExtendedSet ? fcoNotInList : fcoNonBlanks;
  for (int op = static_cast<int>(fcoEqual); op <= static_cast<int>(last); ++op)
    result.Include(static_cast<TcxFilterControlOperator>(op));
  if (!AValueType || !AValueType->IsString()) {
    result.Exclude(fcoLike);
    result.Exclude(fcoNotLike);
  }
  return result;
}

void TcxCustomFilterEditHelper::InitializeProperties(TcxCustomEditProperties* AProperties,
                                                     TcxCustomEditProperties* AEditProperties, bool AHasButtons) const {
  AProperties->Assign(AEditProperties);
  AProperties->Alignment()->SetHorz(taLeftJustify);
  AProperties->Alignment()->SetVert(taVCenter);
  AProperties->SetBeepOnError(false);
  if (!AHasButtons) AProperties->Buttons()->Clear();
  AProperties->SetReadOnly(false);
  AProperties->SetValidateOnEnter(true);
  if (!KeepsDefaultValuesProvider(AEditProperties)) AProperties->SetIDefaultValuesProvider(nullptr);
  ClearPropertiesEvents(AProperties);
}

bool TcxCustomFilterEditHelper::IsValueValid(const IcxFilterValueType* AValueType, Variant& AValue) const {
  return !AValueType || AValueType->IsValueValid(AValue);
}

TcxCustomEdit* TcxCustomFilterEditHelper::GetFilterEdit(TcxCustomEditProperties* AEditProperties,
                                                        TcxInplaceEditList* AInplaceEditList) const {
  const TcxCustomEditClass editClass = GetFilterEditClass();
  if (!editClass.Create) return nullptr;
  TcxCustomEdit* edit;
  if (AInplaceEditList) {
    std::unique_ptr<TcxCustomEdit> probe(editClass.Create(nullptr, true));
    edit = AInplaceEditList->GetEdit(*probe->InternalProperties());
  } else {
    edit = editClass.Create(nullptr, false);
  }
  InitializeFilterEdit(edit, AEditProperties);
  return edit;
}

// ---------------------------------------------------------------- the text editor's helper

const TcxFilterTextEditHelper* TcxFilterTextEditHelper::Instance() {
  static const TcxFilterTextEditHelper instance;
  return &instance;
}

TcxCustomEditClass TcxFilterTextEditHelper::GetFilterEditClass() const { return TcxCustomEditClass::Of<TcxTextEdit>(); }

void TcxFilterTextEditHelper::InitializeProperties(TcxCustomEditProperties* AProperties,
                                                   TcxCustomEditProperties* AEditProperties, bool AHasButtons) const {
  TcxCustomFilterEditHelper::InitializeProperties(AProperties, AEditProperties, AHasButtons);
  AProperties->SetAutoSelect(true);
  if (auto* properties = dynamic_cast<TcxCustomTextEditProperties*>(AProperties)) {
    properties->SetHideSelection(true);
    properties->SetViewStyle(vsNormal);
  }
}

void TcxFilterTextEditHelper::SetFilterValue(TcxCustomEdit* AEdit, TcxCustomEditProperties*,
                                             const Variant& AValue) const {
  AEdit->SetEditValue(AValue);
}
