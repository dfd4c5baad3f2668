// Component bases, the shared-window timer, collections and lists, class
// registries and object links.
#include <gtest/gtest.h>

#include "components/core/cxClasses.h"
#include "components/core/cxGraphics.h"
#include "tests/support/MessagePump.h"
#include "vcl/classes/Filer.h"
#include "vcl/controls/Controls.h"
#include "vcl/rtl/ClassRegistry.h"
#include "vcl/rtl/Streams.h"

namespace {

// ---------------------------------------------------------------- timer

TEST(cxTimer, TimersFireThroughTheSharedWindowAndStopWhenFreed) {
  int firstCount = 0, secondCount = 0;
  std::unique_ptr<TcxTimer> first(cxNewTimer(10, true, [&](TObject* Sender) { ++firstCount; }));
  std::unique_ptr<TcxTimer> second(cxNewTimer(10, true, [&](TObject* Sender) { ++secondCount; }));
  EXPECT_TRUE(first->IsRunning());
  ASSERT_TRUE(PumpUntil([&] { return firstCount >= 2 && secondCount >= 2; }));
  first.reset();
  const int countAtFree = firstCount;
  ASSERT_TRUE(PumpUntil([&] { return secondCount >= 6; }));
  EXPECT_EQ(countAtFree, firstCount);
}

TEST(cxTimer, PropertyChangesRestartOnlyATimerThatCanRun) {
  TcxTimer timer(nullptr);
  EXPECT_FALSE(timer.IsRunning());  // no handler: never started
  timer.SetInterval(0);
  EXPECT_EQ(1000u, timer.Interval());
  timer.SetOnTimer([](TObject*) {});
  EXPECT_TRUE(timer.IsRunning());
  timer.SetEnabled(false);
  EXPECT_FALSE(timer.IsRunning());
  timer.SetEnabled(true);
  EXPECT_TRUE(timer.IsRunning());
  timer.SetOnTimer(nullptr);
  EXPECT_FALSE(timer.IsRunning());
}

TEST(cxTimer, TheSenderIsTheTimer) {
  TObject* sender = nullptr;
  std::unique_ptr<TcxTimer> timer(cxNewTimer(5, true, [&](TObject* Sender) { sender = Sender; }));
  ASSERT_TRUE(PumpUntil([&] { return sender != nullptr; }));
  EXPECT_EQ(timer.get(), sender);
}

// ---------------------------------------------------------------- class registries

class TA : public TObject {
  VCL_CLASS(TA, TObject)
};
class TB : public TA {
  VCL_CLASS(TB, TA)
};
class TC : public TB {
  VCL_CLASS(TC, TB)
};
class THandlerA : public TObject {
  VCL_CLASS(THandlerA, TObject)
};
class THandlerB : public TObject {
  VCL_CLASS(THandlerB, TObject)
};

TEST(cxRegisteredClassList, AClassFindsTheHandlerOfItsNearestAncestorInEitherRegistrationOrder) {
  for (bool ancestorFirst : {true, false}) {
    TcxRegisteredClassList list;
    if (ancestorFirst) list.Register(TA::StaticClass(), THandlerA::StaticClass());
    list.Register(TB::StaticClass(), THandlerB::StaticClass());
    if (!ancestorFirst) list.Register(TA::StaticClass(), THandlerA::StaticClass());
    EXPECT_EQ(THandlerB::StaticClass(), list.FindClass(TC::StaticClass())) << ancestorFirst;
    EXPECT_EQ(THandlerB::StaticClass(), list.FindClass(TB::StaticClass())) << ancestorFirst;
    EXPECT_EQ(THandlerA::StaticClass(), list.FindClass(TA::StaticClass())) << ancestorFirst;
    EXPECT_EQ(nullptr, list.FindClass(TObject::StaticClass())) << ancestorFirst;
    EXPECT_EQ(TA::StaticClass(), list.GetItem(0).ItemClass) << ancestorFirst;
    list.Unregister(TB::StaticClass(), THandlerB::StaticClass());
    EXPECT_EQ(THandlerA::StaticClass(), list.FindClass(TC::StaticClass())) << ancestorFirst;
    EXPECT_THROW(list.GetItem(1), EListError);
  }
}

TEST(cxRegisteredClasses, DescriptionsAndHintsSortedByDescription) {
  TcxRegisteredClasses classes;
  classes.Register(TA::StaticClass(), L"Zeta|The last one");
  classes.Register(TB::StaticClass(), L"alpha");
  classes.Register(TA::StaticClass(), L"ignored: registered already");
  classes.SetSorted(true);
  ASSERT_EQ(2, classes.Count());
  EXPECT_EQ(TB::StaticClass(), classes.GetItem(0));
  EXPECT_EQ(L"alpha", classes.GetHint(0));  // no hint: the whole text
  EXPECT_EQ(L"Zeta", classes.GetDescription(1));
  EXPECT_EQ(L"The last one", classes.GetHintByClass(TA::StaticClass()));
  EXPECT_EQ(TA::StaticClass(), classes.FindByClassName(L"TA"));
  EXPECT_EQ(nullptr, classes.FindByClassName(L"ta"));
  EXPECT_EQ(TA::StaticClass(), classes.FindByDescription(L"Zeta"));
  EXPECT_EQ(nullptr, classes.FindByDescription(L""));
  classes.Register(TC::StaticClass(), L"Mid");
  EXPECT_EQ(1, classes.GetIndexByClass(TC::StaticClass()));
  classes.Unregister(TC::StaticClass());
  EXPECT_EQ(-1, classes.GetIndexByClass(TC::StaticClass()));
  EXPECT_EQ(L"", classes.GetDescriptionByClass(TC::StaticClass()));
}

// ---------------------------------------------------------------- lists and events

class TCounted : public TObject {
public:
  explicit TCounted(int& ADestroyed) : FDestroyed(ADestroyed) {}
  ~TCounted() override { ++FDestroyed; }

private:
  int& FDestroyed;
};

TEST(cxObjectList, AnOwningListFreesWhatItRemovesAndClears) {
  int destroyed = 0;
  TcxObjectList list;
  auto* first = new TCounted(destroyed);
  list.Add(first);
  list.Add(new TCounted(destroyed));
  list.Add(new TCounted(destroyed));
  EXPECT_EQ(0, list.FreeAndRemove(first));
  EXPECT_EQ(1, destroyed);
  EXPECT_EQ(-1, list.FreeAndRemove(first));
  list.Clear();
  EXPECT_EQ(3, destroyed);
  EXPECT_EQ(0, list.Count());
}

class TEventTarget : public TObject {
public:
  void Handle(TObject* Sender, const void* AEventArgs) {
    Calls.push_back(*static_cast<const int*>(AEventArgs));
    if (OnCall) OnCall();
  }
  std::vector<int> Calls;
  std::function<void()> OnCall;
};

TEST(cxEventHandlerCollection, HandlersRemovedDuringACallAreNotCalledAndNothingReadsPastTheEnd) {
  TcxEventHandlerCollection events;
  TEventTarget first, second, third;
  events.Add(cxEventHandler(&first, &TEventTarget::Handle));
  events.Add(cxEventHandler(&first, &TEventTarget::Handle));  // listed once
  events.Add(cxEventHandler(&second, &TEventTarget::Handle));
  events.Add(cxEventHandler(&third, &TEventTarget::Handle));
  EXPECT_EQ(3, events.Count());
  first.OnCall = [&] {
    events.Remove(cxEventHandler(&first, &TEventTarget::Handle));
    events.Remove(cxEventHandler(&second, &TEventTarget::Handle));
  };
  const int argument = 7;
  events.CallEvents(nullptr, &argument);
  EXPECT_EQ(std::vector<int>{7}, first.Calls);
  EXPECT_TRUE(second.Calls.empty());
  EXPECT_EQ(std::vector<int>{7}, third.Calls);
  events.CallEvents(nullptr);
  EXPECT_EQ((std::vector<int>{7, 0}), third.Calls);
}

class TNamedItem : public TCollectionItem {
  VCL_COLLECTION_ITEM_CLASS(TNamedItem, TCollectionItem)
public:
  explicit TNamedItem(TCollection* ACollection) : TCollectionItem(ACollection) {}
  String Name;
  void Rename(const String& AName) {
    Name = AName;
    Changed(false);
  }
};

TEST(cxOwnedInterfacedCollection, ASortedCollectionResortsOnWholeChangesOnly) {
  TcxOwnedInterfacedCollection collection(nullptr, TNamedItem::StaticClass());
  std::vector<TCollectionItem*> changes;
  collection.OnChange = [&](TObject*, TCollectionItem* AItem) { changes.push_back(AItem); };
  collection.OnCompare = [](TObject*, TCollectionItem* A, TCollectionItem* B) {
    return CompareStr(static_cast<TNamedItem*>(A)->Name, static_cast<TNamedItem*>(B)->Name);
  };
  collection.BeginUpdate();
  for (const wchar_t* name : {L"c", L"a", L"b"}) static_cast<TNamedItem*>(collection.Add())->Name = name;
  collection.EndUpdate();
  collection.SetSorted(true);
  auto names = [&] {
    String result;
    for (int i = 0; i < collection.Count(); ++i) result += static_cast<TNamedItem*>(collection.Items(i))->Name;
    return result;
  };
  EXPECT_EQ(L"abc", names());
  static_cast<TNamedItem*>(collection.Items(0))->Rename(L"z");
  EXPECT_EQ(L"zbc", names());  // a single item's change does not re-sort
  EXPECT_EQ(collection.Items(0), changes.back());
  collection.BeginUpdate();
  collection.EndUpdate();
  EXPECT_EQ(L"bcz", names());
  EXPECT_EQ(nullptr, changes.back());
}

// ---------------------------------------------------------------- links and components

TEST(cxObjectLinks, ClearedLinksLoseTheirReferenceAndCanStillBeFreed) {
  TObject target, other;
  TcxObjectLink* first = cxLinkToObject(&target);
  TcxObjectLink* second = cxLinkToObject(&target);
  TcxObjectLink* unrelated = cxLinkToObject(&other);
  EXPECT_EQ(nullptr, cxLinkToObject(nullptr));
  cxClearLinksTo(&target);
  EXPECT_EQ(nullptr, first->Ref);
  EXPECT_EQ(nullptr, second->Ref);
  EXPECT_EQ(&other, unrelated->Ref);
  for (TcxObjectLink* link : {first, second, unrelated}) cxUnlinkObject(link);
  cxUnlinkObject(nullptr);
}

TEST(cxObjectLinks, AComponentClearsTheLinksToItselfWhenDestroyed) {
  auto* component = new TcxComponent(nullptr);
  TcxObjectLink* link = cxLinkToObject(component);
  delete component;
  EXPECT_EQ(nullptr, link->Ref);
  cxUnlinkObject(link);
}

class TScaled : public TcxScalableComponent {
  VCL_COMPONENT_CLASS(TScaled, TcxScalableComponent)
public:
  explicit TScaled(TComponent* AOwner) : TcxScalableComponent(AOwner) {}
  std::vector<std::pair<int, int>> Rescales;

protected:
  void RescaleTo(int M, int D) override { Rescales.emplace_back(M, D); }
};

TEST(cxScalableComponent, StreamsItsDesignDpiAndRescalesWhenLoadedAtAnother) {
  TMemoryStream stream;
  {
    TScaled source(nullptr);
    EXPECT_EQ(cxCurrentDPI(), source.PixelsPerInch());
    TWriter(&stream).WriteRootComponent(&source);
  }
  // The stream as a screen of another DPI would have written it.
  const std::string name = "PixelsPerInch";
  auto* bytes = static_cast<uint8_t*>(stream.Memory());
  const std::string text(reinterpret_cast<char*>(bytes), static_cast<size_t>(stream.Size()));
  const size_t at = text.find(name);
  ASSERT_NE(std::string::npos, at);
  ASSERT_EQ(cxCurrentDPI(), bytes[at + name.size() + 1]);  // after the vaInt8 tag
  bytes[at + name.size() + 1] = 48;
  stream.SetPosition(0);
  TScaled target(nullptr);
  TReader(&stream).ReadRootComponent(&target);
  EXPECT_EQ((std::vector<std::pair<int, int>>{{cxCurrentDPI(), 48}}), target.Rescales);
  EXPECT_EQ(cxCurrentDPI(), target.PixelsPerInch());
}

TEST(cxSmallRoutines, SignHalfSumAndCharacterSize) {
  EXPECT_EQ(1, cxSignOfReal(0));
  EXPECT_EQ(-1, cxSignOfReal(-0.5));
  EXPECT_EQ(-2, cxHalfSumFloor(-3, 0));
  EXPECT_EQ(2, cxHalfSumFloor(2, 3));
  EXPECT_EQ(2, cxCharSizeAt(L"ab", 1));
}

class TOwnedItem : public TCollectionItem {
  VCL_COLLECTION_ITEM_CLASS(TOwnedItem, TCollectionItem)
public:
  explicit TOwnedItem(TCollection* ACollection) : TCollectionItem(ACollection) {}
};

TEST(cxSmallRoutines, APersistentsOwnerIsItsCollectionOrOwnerComponent) {
  TComponent owner(nullptr);
  auto* owned = new TComponent(&owner);
  TOwnedCollection collection(&owner, TOwnedItem::StaticClass());
  TCollectionItem* item = collection.Add();
  TPersistent plain;
  EXPECT_EQ(&owner, cxPersistentOwner(owned));
  EXPECT_EQ(&collection, cxPersistentOwner(item));
  EXPECT_EQ(&owner, cxPersistentOwner(&collection));
  EXPECT_EQ(nullptr, cxPersistentOwner(&owner));
  EXPECT_EQ(nullptr, cxPersistentOwner(&plain));
}

class TGroupedComponent : public TcxComponent {
  VCL_COMPONENT_CLASS(TGroupedComponent, TcxComponent)
public:
  using TcxComponent::TcxComponent;
};

TEST(cxComponent, TheLibrarysComponentsAreGroupedWithTheControls) {
  EXPECT_EQ(TControl::StaticClass(), ClassGroupOf(TGroupedComponent::StaticClass()));
  EXPECT_EQ(TPersistent::StaticClass(), ClassGroupOf(TBitmap::StaticClass()));
  RegisterClass(TGroupedComponent::StaticClass());
  EXPECT_EQ(TGroupedComponent::StaticClass(), GetClass(L"TGroupedComponent"));  // the group is active
  UnRegisterClass(TGroupedComponent::StaticClass());
}

}  // namespace
