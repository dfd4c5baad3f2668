#include "vcl/controls/ActnList.h"

#include "vcl/controls/Controls.h"

TBasicAction::~TBasicAction() {
  for (TControl* client : std::vector<TControl*>(FClients)) client->SetAction(nullptr);
}

bool TBasicAction::Execute() {
  if (!OnExecute) return false;
  OnExecute(this);
  return true;
}

void TBasicAction::Change() {
  for (TControl* client : std::vector<TControl*>(FClients)) client->ActionChange(this, false);
}

template <typename T>
void TCustomAction::Assign(T& AField, const T& AValue) {
  if (AField == AValue) return;
  AField = AValue;
  Change();
}

void TCustomAction::SetCaption(const String& Value) { Assign(FCaption, Value); }
void TCustomAction::SetHint(const String& Value) { Assign(FHint, Value); }
void TCustomAction::SetEnabled(bool Value) { Assign(FEnabled, Value); }
void TCustomAction::SetVisible(bool Value) { Assign(FVisible, Value); }
