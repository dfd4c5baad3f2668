#include <gtest/gtest.h>

#include <vector>

#include "components/core/dxCoreClasses.h"
#include "vcl/rtl/SysUtils.h"

namespace {

// {6F1D3A52-9C1B-4E8A-8F0D-2B7C5E4A1D90}
const IID IID_ITestGreeter{0x6f1d3a52, 0x9c1b, 0x4e8a, {0x8f, 0x0d, 0x2b, 0x7c, 0x5e, 0x4a, 0x1d, 0x90}};
// {0B5E7C21-3D4F-4A6B-9C8D-1E2F3A4B5C6D}
const IID IID_IUnsupported{0x0b5e7c21, 0x3d4f, 0x4a6b, {0x9c, 0x8d, 0x1e, 0x2f, 0x3a, 0x4b, 0x5c, 0x6d}};

class ITestGreeter {
public:
  virtual String Greet() = 0;

protected:
  ~ITestGreeter() = default;
};

class TGreeter : public TcxIUnknownObject, public ITestGreeter {
public:
  String Greet() override { return L"olá"; }

protected:
  bool GetInterface(REFIID AIID, void** AObj) override {
    if (IsEqualIID(AIID, IID_ITestGreeter)) {
      *AObj = static_cast<ITestGreeter*>(this);
      return true;
    }
    return TcxIUnknownObject::GetInterface(AIID, AObj);
  }
};

// An owner that counts the references its owned persistents take.
class TCountingOwner : public TPersistent, public IUnknown {
public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++References; }
  ULONG STDMETHODCALLTYPE Release() override { return --References; }
  ULONG References = 0;
};

}  // namespace

TEST(CoreInterfaces, UnknownObjectAnswersItsInterfacesUncounted) {
  TGreeter greeter;
  void* found = nullptr;
  EXPECT_EQ(greeter.QueryInterface(IID_ITestGreeter, &found), S_OK);
  EXPECT_EQ(static_cast<ITestGreeter*>(found)->Greet(), L"olá");
  EXPECT_EQ(greeter.QueryInterface(__uuidof(IUnknown), &found), S_OK);
  EXPECT_EQ(found, static_cast<IUnknown*>(&greeter));
  EXPECT_EQ(greeter.QueryInterface(IID_IUnsupported, &found), E_NOINTERFACE);
  EXPECT_EQ(found, nullptr);
  EXPECT_EQ(greeter.AddRef(), static_cast<ULONG>(-1));
  EXPECT_EQ(greeter.Release(), static_cast<ULONG>(-1));
  EXPECT_EQ(greeter.Release(), static_cast<ULONG>(-1));  // still alive: nothing counts
}

TEST(CoreInterfaces, InterfacedPersistentCountsThroughItsOwner) {
  TCountingOwner owner;
  TcxInterfacedPersistent counted(&owner);
  EXPECT_EQ(counted.Owner(), &owner);
  EXPECT_EQ(counted.AddRef(), 1u);
  EXPECT_EQ(counted.AddRef(), 2u);
  EXPECT_EQ(counted.Release(), 1u);

  TPersistent plainOwner;
  TcxInterfacedPersistent uncounted(&plainOwner);
  EXPECT_EQ(uncounted.AddRef(), static_cast<ULONG>(-1));
  void* found = nullptr;
  EXPECT_EQ(uncounted.QueryInterface(IID_IUnsupported, &found), E_NOINTERFACE);
}

namespace {

class TNumber : public TcxOwnedPersistent {
  VCL_CLASS(TNumber, TcxOwnedPersistent)
public:
  using TcxOwnedPersistent::TcxOwnedPersistent;
  int Value = 0;
  std::vector<String> Copied;

protected:
  void CopyFromSource(TPersistent* ASource) override {
    TcxOwnedPersistent::CopyFromSource(ASource);
    Copied.push_back(ASource->ClassName());
    if (auto* number = dynamic_cast<TNumber*>(ASource)) Value = number->Value;
  }
};

class TOtherOwned : public TcxOwnedPersistent {
  VCL_CLASS(TOtherOwned, TcxOwnedPersistent)
public:
  using TcxOwnedPersistent::TcxOwnedPersistent;
};

}  // namespace

TEST(OwnedPersistent, AssignGoesToCopyFromSource) {
  TPersistent owner;
  TNumber a(&owner), b(nullptr);
  b.Value = 42;
  a.Assign(&b);
  EXPECT_EQ(a.Value, 42);
  TOtherOwned other(&owner);
  a.Assign(&other);  // any owned persistent reaches CopyFromSource
  EXPECT_EQ(a.Copied, (std::vector<String>{L"TNumber", L"TOtherOwned"}));
  EXPECT_EQ(a.Value, 42);

  TPersistent plain;
  try {
    a.Assign(&plain);
    ADD_FAILURE() << "a plain persistent cannot be assigned";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), L"Cannot assign a TPersistent to a TNumber");
  }
}

TEST(FreeNotificator, RelaysTheDeletionOfSenders) {
  TcxFreeNotificator notificator(nullptr);
  std::vector<TComponent*> freed;
  notificator.OnFreeNotification = [&](TComponent* ASender) { freed.push_back(ASender); };
  auto* watched = new TComponent(nullptr);
  auto* forgotten = new TComponent(nullptr);
  notificator.AddSender(watched);
  notificator.AddSender(forgotten);
  notificator.AddSender(nullptr);
  notificator.RemoveSender(forgotten);
  notificator.RemoveSender(nullptr);
  delete forgotten;
  EXPECT_TRUE(freed.empty());
  delete watched;
  EXPECT_EQ(freed, (std::vector<TComponent*>{watched}));
}

namespace {

class TCountedItem : public TcxDoublyLinkedObject {
  VCL_CREATABLE_CLASS(TCountedItem, TcxDoublyLinkedObject)
public:
  TCountedItem() { ++Alive; }
  ~TCountedItem() override { --Alive; }
  static inline int Alive = 0;
};

class TCountedList : public TcxDoublyLinkedObjectList {
protected:
  TClass ItemClass() const override { return TCountedItem::StaticClass(); }
};

}  // namespace

TEST(DoublyLinkedList, LinksAndOwnership) {
  {
    TCountedList list;
    EXPECT_EQ(list.First(), nullptr);
    EXPECT_EQ(list.Count(), 0);
    TcxDoublyLinkedObject* first = list.Add();
    TcxDoublyLinkedObject* middle = list.Add();
    TcxDoublyLinkedObject* last = list.Add();
    EXPECT_EQ(TCountedItem::Alive, 3);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.First(), first);
    EXPECT_EQ(list.Last(), last);

    list.Extract(middle);
    EXPECT_EQ(first->Next(), last);
    EXPECT_EQ(last->Prev(), first);
    EXPECT_EQ(middle->Prev(), first) << "the extracted item keeps its links";
    EXPECT_EQ(middle->Next(), last);
    EXPECT_EQ(TCountedItem::Alive, 3) << "extracting does not free";

    list.InsertAfter(last, middle);
    EXPECT_EQ(list.Last(), middle);
    list.Extract(middle);
    list.InsertBefore(first, middle);
    EXPECT_EQ(list.First(), middle);
    EXPECT_EQ(list.Last(), last);
    EXPECT_EQ(list.Count(), 3);

    list.Delete(first);
    EXPECT_EQ(TCountedItem::Alive, 2);
    EXPECT_EQ(middle->Next(), last);
    list.Remove(last);
    EXPECT_EQ(list.Last(), middle);
    list.Add();
  }
  EXPECT_EQ(TCountedItem::Alive, 0) << "the list frees its items";
}
