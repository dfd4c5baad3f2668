#include "vcl/classes/Component.h"

#include <algorithm>

#include "vcl/rtl/SysUtils.h"

namespace {
bool IsValidIdent(const String& S) {
  auto isAlpha = [](Char c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || c == L'_'; };
  if (S.empty() || !isAlpha(S[0])) return false;
  return std::all_of(S.begin() + 1, S.end(),
                     [&](Char c) { return isAlpha(c) || (c >= L'0' && c <= L'9'); });
}

void EraseItem(std::vector<TComponent*>& List, TComponent* Item) {
  const auto it = std::find(List.begin(), List.end(), Item);
  if (it != List.end()) List.erase(it);
}
}  // namespace

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  Destroying();
  RemoveFreeNotifications();
  DestroyComponents();
  if (FOwner) FOwner->RemoveComponent(this);
}

TComponent* TComponent::Components(int Index) const {
  if (Index < 0 || Index >= ComponentCount()) throw EListError(Format(SListIndexError, {Index}));
  return FComponents[Index];
}

int TComponent::ComponentIndex() const {
  if (!FOwner) return -1;
  const auto& siblings = FOwner->FComponents;
  return static_cast<int>(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
}

TComponent* TComponent::FindComponent(const String& AName) const {
  if (AName.empty()) return nullptr;
  for (TComponent* component : FComponents)
    if (SameText(component->FName, AName)) return component;
  return nullptr;
}

void TComponent::InsertComponent(TComponent* AComponent) {
  ValidateRename(AComponent, String(), AComponent->FName);
  Insert(AComponent);
  if (FComponentState.Contains(csDesigning)) AComponent->SetDesigning(true);
  Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  Notification(AComponent, opRemove);
  Remove(AComponent);
}

void TComponent::Insert(TComponent* AComponent) {
  FComponents.push_back(AComponent);
  AComponent->FOwner = this;
}

void TComponent::Remove(TComponent* AComponent) {
  AComponent->FOwner = nullptr;
  EraseItem(FComponents, AComponent);
}

void TComponent::DestroyComponents() {
  while (!FComponents.empty()) {
    TComponent* component = FComponents.back();
    // Siblings that asked to hear of it (csFreeNotification) are told.
    if (component->FComponentState.Contains(csFreeNotification))
      RemoveComponent(component);
    else
      Remove(component);
    delete component;
  }
}

void TComponent::Destroying() {
  if (FComponentState.Contains(csDestroying)) return;
  FComponentState.Include(csDestroying);
  for (TComponent* component : FComponents) component->Destroying();
}

void TComponent::SetName(const String& NewName) {
  if (FName == NewName) return;
  if (!NewName.empty() && !IsValidIdent(NewName))
    throw EComponentError(Format(L"'%s' is not a valid component name", {NewName}));
  if (FOwner)
    FOwner->ValidateRename(this, FName, NewName);
  else
    ValidateRename(nullptr, FName, NewName);
  FName = NewName;
}

void TComponent::ValidateRename(TComponent* AComponent, const String& CurName,
                                const String& NewName) const {
  if (AComponent && !SameText(CurName, NewName) && AComponent->FOwner == this &&
      FindComponent(NewName))
    throw EComponentError(Format(L"A component named %s already exists", {NewName}));
}

void TComponent::FreeNotification(TComponent* AComponent) {
  if (!AComponent || AComponent == this) return;
  // Components of one owner hear of each other's removal through the owner.
  if (!FOwner || AComponent->FOwner != FOwner) {
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) == FFreeNotifies.end()) {
      FFreeNotifies.push_back(AComponent);
      AComponent->FreeNotification(this);
    }
  }
  FComponentState.Include(csFreeNotification);
}

void TComponent::RemoveNotification(TComponent* AComponent) {
  EraseItem(FFreeNotifies, AComponent);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
  if (!AComponent) return;
  RemoveNotification(AComponent);
  AComponent->RemoveNotification(this);
}

void TComponent::RemoveFreeNotifications() {
  // Unlink before telling, so that a listener that does not call the
  // inherited Notification cannot keep this loop going.
  while (!FFreeNotifies.empty()) {
    TComponent* listener = FFreeNotifies.back();
    RemoveFreeNotification(listener);
    listener->Notification(this, opRemove);
  }
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent) RemoveFreeNotification(AComponent);
  // Backwards, and tolerant of components leaving the list meanwhile.
  for (int i = ComponentCount() - 1; i >= 0; --i) {
    if (i >= ComponentCount()) i = ComponentCount() - 1;
    if (i < 0) break;
    FComponents[i]->Notification(AComponent, Operation);
  }
}

String TComponent::GetNamePath() const { return FName; }

void TComponent::Loaded() { FComponentState.Exclude(csLoading); }

void TComponent::SetDesigning(bool Value, bool SetChildren) {
  SetComponentStateItem(csDesigning, Value);
  if (SetChildren)
    for (TComponent* component : FComponents) component->SetDesigning(Value);
}

void TComponent::SetComponentStateItem(TComponentStateItem Item, bool Value) {
  if (Value)
    FComponentState.Include(Item);
  else
    FComponentState.Exclude(Item);
}
