// The inplace editor lists: hidden edit controls a host keeps and reuses
// across its cells, one per properties object or waiting unbound.
#include <algorithm>

#include "components/editors/cxEdit.h"

namespace {

// Every list of the process, so that properties that go can leave them.
std::vector<TcxInplaceEditList*> InplaceEditLists;

}  // namespace

void cxDisconnectPropertiesFromInplaceEditLists(TcxCustomEditProperties* AProperties) {
  for (TcxInplaceEditList* list : InplaceEditLists) list->DisconnectProperties(AProperties);
}

TcxCustomEditClass TcxCustomEditProperties::GetContainerClass() const {
  return TcxCustomEditClass::Of<TcxCustomEdit>();
}

TcxInplaceEditList::TcxInplaceEditList(TComponent* AEditorOwner)
    : FEditorOwner(AEditorOwner), FFreeNotificator(std::make_unique<TcxFreeNotificator>(nullptr)) {
  FFreeNotificator->OnFreeNotification = [this](TComponent* AComponent) { HandleFreed(AComponent); };
  if (FEditorOwner) FFreeNotificator->AddSender(FEditorOwner);
  InplaceEditLists.push_back(this);
}

void TcxInplaceEditList::HandleFreed(TComponent* AComponent) {
  if (AComponent == FEditorOwner) {
    // The owner frees the edits itself.
    FEditorOwner = nullptr;
    FItems.clear();
    return;
  }
  std::erase_if(FItems, [AComponent](const TcxEditListItem& AItem) { return AItem.Edit == AComponent; });
}

TcxInplaceEditList::~TcxInplaceEditList() {
  std::erase(InplaceEditLists, this);
  while (!FItems.empty()) DeleteItem(Count() - 1);
}

int TcxInplaceEditList::IndexOfBound(TcxCustomEditProperties* AProperties) const {
  for (int i = 0; i < Count(); ++i)
    if (FItems[i].Properties == AProperties) return i;
  return -1;
}

int TcxInplaceEditList::IndexOfUnbound(TClass AEditClass) const {
  for (int i = 0; i < Count(); ++i)
    if (!FItems[i].Properties && FItems[i].Edit->ClassType() == AEditClass) return i;
  return -1;
}

TcxCustomEdit* TcxInplaceEditList::CreateEdit(const TcxCustomEditProperties& AKind,
                                              TcxCustomEditProperties* ABoundTo) {
  TcxCustomEdit* edit = AKind.GetContainerClass().Create(FEditorOwner, true);
  edit->SetVisible(false);
  FFreeNotificator->AddSender(edit);
  FItems.push_back({edit, ABoundTo});
  return edit;
}

TcxCustomEdit* TcxInplaceEditList::FindEdit(TcxCustomEditProperties* AProperties) {
  int index = IndexOfBound(AProperties);
  if (index < 0) {
    index = IndexOfUnbound(AProperties->GetContainerClass().Class);
    if (index < 0) return nullptr;
    FItems[index].Properties = AProperties;
  }
  return FItems[index].Edit;
}

TcxCustomEdit* TcxInplaceEditList::FindEdit(const TcxCustomEditProperties& AKind) {
  const int index = IndexOfUnbound(AKind.GetContainerClass().Class);
  return index < 0 ? nullptr : FItems[index].Edit;
}

TcxCustomEdit* TcxInplaceEditList::GetEdit(TcxCustomEditProperties* AProperties) {
  TcxCustomEdit* edit = FindEdit(AProperties);
  if (!edit) edit = CreateEdit(*AProperties, AProperties);
  // The host's settings, with no change event for them.
  edit->LockChangeEvents(true);
  try {
    edit->InternalProperties()->Assign(AProperties);
  } catch (...) {
    edit->LockChangeEvents(false, false);
    throw;
  }
  edit->LockChangeEvents(false, false);
  return edit;
}

TcxCustomEdit* TcxInplaceEditList::GetEdit(const TcxCustomEditProperties& AKind) {
  TcxCustomEdit* edit = FindEdit(AKind);
  return edit ? edit : CreateEdit(AKind, nullptr);
}

void TcxInplaceEditList::DisconnectProperties(TcxCustomEditProperties* AProperties) {
  const int index = IndexOfBound(AProperties);
  if (index >= 0) FItems[index].Properties = nullptr;
}

void TcxInplaceEditList::RemoveItem(TcxCustomEditProperties* AProperties) {
  if (!AProperties) return;
  const int index = IndexOfBound(AProperties);
  if (index >= 0) DeleteItem(index);
}

void TcxInplaceEditList::RemoveItem(const TcxCustomEditProperties& AKind) {
  for (int index; (index = IndexOfUnbound(AKind.GetContainerClass().Class)) >= 0;) DeleteItem(index);
}

void TcxInplaceEditList::DeleteItem(int AIndex) {
  TcxCustomEdit* edit = FItems[AIndex].Edit;
  FItems.erase(FItems.begin() + AIndex);
  FFreeNotificator->RemoveSender(edit);
  edit->SetParent(nullptr);
  delete edit;
}
