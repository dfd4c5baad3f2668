#include "vcl/controls/ActnList.h"

#include "vcl/controls/Controls.h"

TBasicAction::~TBasicAction() {
  for (TControl* client : std::vector<TControl*>(FClients)) client->SetAction(nullptr);
  for (TBasicActionLink* link : FLinks) link->FAction = nullptr;
}

bool TBasicAction::Execute() {
  if (!OnExecute) return false;
  OnExecute(this);
  return true;
}

bool TBasicAction::Update() {
  if (!OnUpdate) return false;
  OnUpdate(this);
  return true;
}

void TBasicAction::Change() {
  for (TControl* client : std::vector<TControl*>(FClients)) client->ActionChange(this, false);
  for (TBasicActionLink* link : std::vector<TBasicActionLink*>(FLinks)) link->Change();
}

void TBasicActionLink::SetAction(TBasicAction* Value) {
  if (FAction == Value) return;
  if (FAction) std::erase(FAction->FLinks, this);
  FAction = Value;
  if (FAction) FAction->FLinks.push_back(this);
}

template <typename F>
void TCustomAction::TellLinks(F ATellLink) {
  for (TBasicActionLink* link : std::vector<TBasicActionLink*>(Links()))
    if (auto* actionLink = dynamic_cast<TActionLink*>(link)) ATellLink(actionLink);
}

template <typename T, typename F>
void TCustomAction::Assign(T& AField, const T& AValue, F ATellLink) {
  if (AField == AValue) return;
  AField = AValue;
  TellLinks([&](TActionLink* L) { ATellLink(L, AValue); });
  Change();
}

template <typename T, typename F>
void TCustomAction::AssignLinkedFirst(T& AField, const T& AValue, F ATellLink) {
  if (AField == AValue) return;
  TellLinks([&](TActionLink* L) { ATellLink(L, AValue); });
  AField = AValue;
  Change();
}

void TCustomAction::SetChecked(bool Value) {
  if (Value == FChecked) return;
  if (Value) UncheckGroup();
  AssignLinkedFirst(FChecked, Value, [](TActionLink* L, bool V) { L->SetChecked(V); });
}

void TCustomAction::SetGroupIndex(int Value) {
  if (Value == FGroupIndex) return;
  AssignLinkedFirst(FGroupIndex, Value, [](TActionLink* L, int V) { L->SetGroupIndex(V); });
  if (FChecked) UncheckGroup();
}

// The group is the actions of one owner with the same GroupIndex above 0.
void TCustomAction::UncheckGroup() {
  if (FGroupIndex <= 0 || !Owner()) return;
  for (int i = 0; i < Owner()->ComponentCount(); ++i) {
    auto* other = dynamic_cast<TCustomAction*>(Owner()->Components(i));
    if (other && other != this && other->FGroupIndex == FGroupIndex) other->SetChecked(false);
  }
}

bool TCustomAction::Execute() {
  if (FAutoCheck) SetChecked(FGroupIndex > 0 || !FChecked);
  return TBasicAction::Execute();
}

void TCustomAction::SetCaption(const String& Value) {
  Assign(FCaption, Value, [](TActionLink* L, const String& V) { L->SetCaption(V); });
}
void TCustomAction::SetHint(const String& Value) {
  Assign(FHint, Value, [](TActionLink* L, const String& V) { L->SetHint(V); });
}
void TCustomAction::SetEnabled(bool Value) {
  Assign(FEnabled, Value, [](TActionLink* L, bool V) { L->SetEnabled(V); });
}
void TCustomAction::SetVisible(bool Value) {
  Assign(FVisible, Value, [](TActionLink* L, bool V) { L->SetVisible(V); });
}
void TCustomAction::SetImageIndex(int Value) {
  Assign(FImageIndex, Value, [](TActionLink* L, int V) { L->SetImageIndex(V); });
}
void TCustomAction::SetShortCut(TShortCut Value) { Assign(FShortCut, Value, [](TActionLink*, TShortCut) {}); }

bool TCustomAction::DoHint(String& HintStr) {
  bool canShow = true;
  if (OnHint) OnHint(HintStr, canShow);
  return canShow;
}
