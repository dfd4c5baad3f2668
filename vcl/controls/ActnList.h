#pragma once
// Actions: one command (its caption, hint, enabled and visible state, image,
// shortcut and what it executes) shared by the controls linked to it; a
// change of the action reaches every linked control, and every other client
// through its action link.
#include <functional>
#include <vector>

#include "vcl/classes/Component.h"
#include "vcl/rtl/Strings.h"

class TControl;
class TBasicAction;
class TBasicActionLink;

using TShortCut = uint16_t;
using THintEvent = std::function<void(String& HintStr, bool& CanShow)>;

class TBasicAction : public TComponent {
  VCL_COMPONENT_CLASS(TBasicAction, TComponent)
public:
  explicit TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}
  // The linked controls let go of the action.
  ~TBasicAction() override;
  // Runs OnExecute; false when there is none.
  virtual bool Execute();
  // Runs OnUpdate, where the action brings its state up to date; false
  // when there is none.
  virtual bool Update();

  TNotifyEvent OnExecute;
  TNotifyEvent OnUpdate;

protected:
  // Tells every linked control and link that the action changed.
  void Change();
  const std::vector<TBasicActionLink*>& Links() const { return FLinks; }

private:
  friend class TControl;
  friend class TBasicActionLink;
  std::vector<TControl*> FClients;
  std::vector<TBasicActionLink*> FLinks;
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
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  TShortCut ShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut Value);
  // Checking an action of a GroupIndex above 0 unchecks the other actions
  // of its owner in that group.
  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value);
  // Executing toggles Checked; in a group it only checks.
  bool AutoCheck() const { return FAutoCheck; }
  void SetAutoCheck(bool Value) { FAutoCheck = Value; }
  bool Execute() override;
  // OnHint may change the hint or keep it from showing.
  virtual bool DoHint(String& HintStr);

  THintEvent OnHint;

private:
  // Stores a changed value, passes it to the links and tells the clients.
  template <typename T, typename F>
  void Assign(T& AField, const T& AValue, F ATellLink);
  // The links hear of the value while the action still holds the old one,
  // so that they can tell whether their client followed it.
  template <typename T, typename F>
  void AssignLinkedFirst(T& AField, const T& AValue, F ATellLink);
  template <typename F>
  void TellLinks(F ATellLink);
  void UncheckGroup();
  String FCaption;
  String FHint;
  bool FEnabled = true;
  bool FVisible = true;
  int FImageIndex = -1;
  TShortCut FShortCut = 0;
  bool FChecked = false;
  int FGroupIndex = 0;
  bool FAutoCheck = false;
};

class TAction : public TCustomAction {
  VCL_COMPONENT_CLASS(TAction, TCustomAction)
public:
  explicit TAction(TComponent* AOwner) : TCustomAction(AOwner) {}
};

// Binds a client that is not a control to an action: the action tells it
// of every change (OnChange), and lets go of it when it is freed.
class TBasicActionLink : public TObject {
  VCL_CLASS(TBasicActionLink, TObject)
public:
  TBasicActionLink() = default;
  ~TBasicActionLink() override { SetAction(nullptr); }
  TBasicAction* Action() const { return FAction; }
  void SetAction(TBasicAction* Value);
  virtual void Change() {
    if (OnChange) OnChange(this);
  }
  // The action's Update; false without an action.
  bool Update() { return FAction && FAction->Update(); }

  TNotifyEvent OnChange;

private:
  friend class TBasicAction;
  TBasicAction* FAction = nullptr;
};

// The link of a client of a TCustomAction: which of the action's values the
// client follows, and how it takes a changed one.
class TActionLink : public TBasicActionLink {
  VCL_CLASS(TActionLink, TBasicActionLink)
public:
  virtual bool IsCaptionLinked() { return IsCustomAction(); }
  virtual bool IsCheckedLinked() { return IsCustomAction(); }
  virtual bool IsGroupIndexLinked() { return IsCustomAction(); }
  virtual bool IsEnabledLinked() { return IsCustomAction(); }
  virtual bool IsHintLinked() { return IsCustomAction(); }
  virtual bool IsImageIndexLinked() { return IsCustomAction(); }
  virtual bool IsVisibleLinked() { return IsCustomAction(); }
  virtual void SetCaption(const String& Value) {}
  virtual void SetChecked(bool Value) {}
  virtual void SetGroupIndex(int Value) {}
  virtual void SetEnabled(bool Value) {}
  virtual void SetHint(const String& Value) {}
  virtual void SetImageIndex(int Value) {}
  virtual void SetVisible(bool Value) {}

protected:
  TCustomAction* CustomAction() const { return dynamic_cast<TCustomAction*>(Action()); }
  bool IsCustomAction() const { return dynamic_cast<TCustomAction*>(Action()) != nullptr; }
};
