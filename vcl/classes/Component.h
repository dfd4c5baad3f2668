#pragma once
// TComponent: an object with a name and an owner. The owner deletes what it
// owns; components that refer to one another across owners hear of each
// other's deletion through free notifications.
#include <cstdint>
#include <functional>
#include <vector>

#include "vcl/rtl/Persistent.h"
#include "vcl/rtl/Sets.h"
#include "vcl/rtl/WinApi.h"

enum class TOperation { opInsert, opRemove };
using enum TOperation;

enum class TComponentStateItem {
  csLoading, csReading, csWriting, csDestroying, csDesigning, csAncestor, csUpdating,
  csFixups, csFreeNotification, csInline, csDesignInstance
};
using enum TComponentStateItem;
using TComponentState = TSet<TComponentStateItem>;

class TComponent : public TPersistent {
  VCL_COMPONENT_CLASS(TComponent, TPersistent)
public:
  explicit TComponent(TComponent* AOwner);
  // Notifies the components that asked for it, deletes the owned components
  // and leaves the owner. A derived class whose owned components or
  // observers need its own state during that calls Destroying() and
  // DestroyComponents() first in its own destructor.
  ~TComponent() override;

  TComponent* Owner() const { return FOwner; }
  int ComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* Components(int Index) const;
  int ComponentIndex() const;
  // Owned component by name, ignoring case; null when there is none.
  TComponent* FindComponent(const String& AName) const;
  void InsertComponent(TComponent* AComponent);
  void RemoveComponent(TComponent* AComponent);
  void DestroyComponents();
  void Destroying();

  const String& Name() const { return FName; }
  // Raises EComponentError for a name that is not an identifier or that
  // another component of the same owner already has.
  virtual void SetName(const String& NewName);
  intptr_t Tag() const { return FTag; }
  void SetTag(intptr_t Value) { FTag = Value; }
  TComponentState ComponentState() const { return FComponentState; }

  // AComponent will be told (Notification opRemove) when this component is
  // deleted, and this one when AComponent is.
  void FreeNotification(TComponent* AComponent);
  void RemoveFreeNotification(TComponent* AComponent);
  // Told of a component inserted into or removed from the owner tree, or of
  // the deletion of a component this one asked to hear of; overrides clear
  // their references to a removed component and call the inherited one.
  virtual void Notification(TComponent* AComponent, TOperation Operation);

  String GetNamePath() const override;

  // The components streamed as this one's children (none by default).
  virtual void GetChildren(const std::function<void(TComponent*)>& Proc, TComponent* Root) {}
  // The interface IID of what the component stands for (nothing by
  // default); as QueryInterface, an answer carries a reference.
  virtual bool GetInterface(REFIID IID, void** Obj) { return false; }
  // A component streamed as another's child names that one its parent; it
  // is given it when read back.
  virtual bool HasParent() { return false; }
  virtual TComponent* GetParentComponent() { return nullptr; }
  virtual void SetParentComponent(TComponent* Value) {}

protected:
  // Called when the component and its properties have been read.
  virtual void Loaded();
  virtual void ValidateRename(TComponent* AComponent, const String& CurName,
                              const String& NewName) const;
  virtual void Updating() { FComponentState.Include(csUpdating); }
  virtual void Updated() { FComponentState.Exclude(csUpdating); }
  void SetDesigning(bool Value, bool SetChildren = true);
  void SetComponentStateItem(TComponentStateItem Item, bool Value);
  TPersistent* GetOwner() const override { return FOwner; }

  friend class TReader;
  friend class TWriter;

private:
  void Insert(TComponent* AComponent);
  void Remove(TComponent* AComponent);
  void RemoveNotification(TComponent* AComponent);
  void RemoveFreeNotifications();

  TComponent* FOwner = nullptr;
  String FName;
  intptr_t FTag = 0;
  TComponentState FComponentState;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
};
