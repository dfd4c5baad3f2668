#include <gtest/gtest.h>

#include "vcl/classes/Component.h"
#include "vcl/rtl/SysUtils.h"

namespace {
// Records what it is told and drops its reference to a removed component,
// as real components do.
class TWatcher : public TComponent {
  VCL_COMPONENT_CLASS(TWatcher, TComponent)
public:
  explicit TWatcher(TComponent* AOwner, std::vector<String>* ALog = nullptr)
      : TComponent(AOwner), Log(ALog) {}
  void SetLink(TComponent* AComponent) {
    Link = AComponent;
    if (Link) Link->FreeNotification(this);
  }
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Log && AComponent != this)
      Log->push_back(Name() + (Operation == opInsert ? L" +" : L" -") + AComponent->Name());
    if (Operation == opRemove && AComponent == Link) Link = nullptr;
  }
  TComponent* Link = nullptr;
  std::vector<String>* Log;
};

class TCountedComponent : public TComponent {
public:
  TCountedComponent(TComponent* AOwner, int& deleted) : TComponent(AOwner), Deleted(deleted) {}
  ~TCountedComponent() override { ++Deleted; }
  int& Deleted;
};
}  // namespace

TEST(TComponent, OwnerDeletesWhatItOwns) {
  int deleted = 0;
  auto* owner = new TComponent(nullptr);
  auto* child = new TCountedComponent(owner, deleted);
  new TCountedComponent(child, deleted);
  new TCountedComponent(owner, deleted);
  EXPECT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(owner->Components(0), child);
  EXPECT_EQ(child->Owner(), owner);
  EXPECT_EQ(child->ComponentIndex(), 0);
  delete child;  // leaves its owner
  EXPECT_EQ(deleted, 2);
  EXPECT_EQ(owner->ComponentCount(), 1);
  delete owner;
  EXPECT_EQ(deleted, 3);
  EXPECT_THROW(TComponent(nullptr).Components(0), EListError);
}

TEST(TComponent, NamesAreIdentifiersUniqueUnderOneOwner) {
  TComponent owner(nullptr);
  auto* a = new TComponent(&owner);
  auto* b = new TComponent(&owner);
  a->SetName(L"Edit1");
  EXPECT_EQ(owner.FindComponent(L"EDIT1"), a);
  EXPECT_EQ(owner.FindComponent(L""), nullptr);
  struct Case {
    const wchar_t* name;
    const wchar_t* message;
  } cases[] = {
      {L"edit1", L"A component named edit1 already exists"},
      {L"1abc", L"'1abc' is not a valid component name"},
      {L"a b", L"'a b' is not a valid component name"},
  };
  for (const Case& c : cases) {
    try {
      b->SetName(c.name);
      ADD_FAILURE() << "accepted " << ToUtf8(c.name);
    } catch (const EComponentError& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
    EXPECT_TRUE(b->Name().empty());
  }
  a->SetName(L"EDIT1");  // a new case of its own name is no clash
  b->SetName(L"_Edit2");
  EXPECT_EQ(b->GetNamePath(), L"_Edit2");
}

TEST(TComponent, InsertAndRemoveReachTheWholeOwnerTree) {
  std::vector<String> log;
  TWatcher root(nullptr, &log);
  root.SetName(L"Root");
  auto* watcher = new TWatcher(&root, &log);
  watcher->SetName(L"W");
  log.clear();
  auto* c = new TComponent(&root);
  EXPECT_EQ(log, (std::vector<String>{L"W +", L"Root +"}));  // not yet named
  c->SetName(L"C");
  log.clear();
  delete c;
  EXPECT_EQ(log, (std::vector<String>{L"W -C", L"Root -C"}));
}

TEST(TComponent, FreeNotificationAcrossOwners) {
  auto* formA = new TComponent(nullptr);
  auto* formB = new TComponent(nullptr);
  auto* watcher = new TWatcher(formA);
  auto* target = new TComponent(formB);
  watcher->SetLink(target);
  EXPECT_TRUE(target->ComponentState().Contains(csFreeNotification));
  delete formB;  // target goes with its owner; the watcher is told
  EXPECT_EQ(watcher->Link, nullptr);

  auto* other = new TComponent(nullptr);
  watcher->SetLink(other);
  other->RemoveFreeNotification(watcher);
  delete formA;  // the watcher goes: other must not be told of it later
  delete other;
}

TEST(TComponent, SiblingThatAskedIsToldWhenTheOwnerDeletesTheOther) {
  std::vector<String> log;
  auto* owner = new TComponent(nullptr);
  auto* watcher = new TWatcher(owner, &log);
  watcher->SetName(L"W");
  auto* target = new TComponent(owner);
  target->SetName(L"T");
  watcher->SetLink(target);
  log.clear();
  delete owner;  // the last owned (target) goes first; the watcher hears of it
  EXPECT_EQ(log, std::vector<String>{L"W -T"});
}
