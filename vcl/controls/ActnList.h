#pragma once
// Actions: one command (its caption, hint, enabled and visible state and
// what it executes) shared by the controls linked to it; a change of the
// action reaches every linked control.
#include <vector>

#include "vcl/classes/Component.h"
#include "vcl/rtl/Strings.h"

class TControl;

class TBasicAction : public TComponent {
  VCL_COMPONENT_CLASS(TBasicAction, TComponent)
public:
  explicit TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}
  // The linked controls let go of the action.
  ~TBasicAction() override;
  // Runs OnExecute; false when there is none.
  virtual bool Execute();

  TNotifyEvent OnExecute;

protected:
  // Tells every linked control that the action changed.
  void Change();

private:
  friend class TControl;
  std::vector<TControl*> FClients;
};

class TCustomAction : public TBasicAction {
  VCL_COMPONENT_CLASS(TCustomAction, TBasicAction)
public:
  explicit TCustomAction(TComponent* AOwner) : TBasicAction(AOwner) {}

  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value);
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);

private:
  template <typename T>
  void Assign(T& AField, const T& AValue);
  String FCaption;
  String FHint;
  bool FEnabled = true;
  bool FVisible = true;
};

class TAction : public TCustomAction {
  VCL_COMPONENT_CLASS(TAction, TCustomAction)
public:
  explicit TAction(TComponent* AOwner) : TCustomAction(AOwner) {}
};
