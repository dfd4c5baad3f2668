#pragma once
// The library's class support: component bases (with design-time links and
// DPI-aware streaming), a timer whose instances all run on one hidden
// window, an owned collection that can sort itself, an owning object list,
// a multicast event list, class registries and weak object links.
#include <functional>
#include <memory>
#include <vector>

#include "components/core/cxMessageWindow.h"
#include "vcl/classes/Collection.h"
#include "vcl/classes/Component.h"
#include "vcl/rtl/Lists.h"
#include "vcl/rtl/Strings.h"
#include "vcl/rtl/UnitStartup.h"

// ---------------------------------------------------------------- components

class TcxCustomComponent : public TComponent {
  VCL_COMPONENT_CLASS(TcxCustomComponent, TComponent)
public:
  explicit TcxCustomComponent(TComponent* AOwner) : TComponent(AOwner) {}
  // Tells the owner first, so it lets go of this component before its
  // descendants' parts are gone.
  ~TcxCustomComponent() override;
};

class TcxComponent : public TcxCustomComponent {
  VCL_COMPONENT_CLASS(TcxComponent, TcxCustomComponent)
public:
  explicit TcxComponent(TComponent* AOwner) : TcxCustomComponent(AOwner) {}
  // Clears every object link that refers to it.
  ~TcxComponent() override;

  bool IsDesigning() const { return ComponentState().Contains(csDesigning); }
  bool IsDestroying() const { return ComponentState().Contains(csDestroying); }
  // Design-time references to components the designer should keep in view;
  // never streamed.
  TComponent* FakeComponentLink1() const { return FFakeComponentLinks[0]; }
  TComponent* FakeComponentLink2() const { return FFakeComponentLinks[1]; }
  TComponent* FakeComponentLink3() const { return FFakeComponentLinks[2]; }

protected:
  void Loaded() override;
  // The components the fake links are to show (none here).
  virtual void GetFakeComponentLinks(std::vector<TComponent*>& AList) {}

private:
  TComponent* FFakeComponentLinks[3] = {};
};

// A component whose sizes follow the screen's DPI: it streams the DPI it was
// designed at ("PixelsPerInch") and rescales when loaded at another one.
class TcxScalableComponent : public TcxComponent {
  VCL_COMPONENT_CLASS(TcxScalableComponent, TcxComponent)
public:
  explicit TcxScalableComponent(TComponent* AOwner);

  int PixelsPerInch() const { return FPixelsPerInch; }
  bool Scalable() const { return FScalable; }
  void SetScalable(bool Value) { FScalable = Value; }

protected:
  void DefineProperties(TFiler* Filer) override;
  void Loaded() override;
  // Scales the component's sizes by M / D (nothing here).
  virtual void RescaleTo(int M, int D) {}

private:
  int FPixelsPerInch;
  bool FScalable = true;
};

// ---------------------------------------------------------------- timer

// A timer component. All timers run on one shared hidden window, with the
// timer's own address as the system timer's id; a message for a timer that
// is no longer running is ignored.
class TcxTimer : public TComponent {
  VCL_COMPONENT_CLASS(TcxTimer, TComponent)
public:
  explicit TcxTimer(TComponent* AOwner);
  ~TcxTimer() override;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  uint32_t Interval() const { return FInterval; }
  // Zero is ignored; a new interval takes effect at once.
  void SetInterval(uint32_t Value);
  const TNotifyEvent& OnTimer() const { return FOnTimer; }
  void SetOnTimer(const TNotifyEvent& Value);
  // A system timer runs for this one.
  bool IsRunning() const { return FTimerOn; }

protected:
  virtual void TimerFired();

private:
  friend class TcxTimerWindow;
  void Restart();
  void Start();
  void Stop();

  bool FEnabled = true;
  uint32_t FInterval = 1000;
  bool FTimerOn = false;
  TNotifyEvent FOnTimer;
};

// A new ownerless timer; Enabled, Interval and OnTimer are set in this order.
TcxTimer* cxNewTimer(uint32_t AInterval, bool AEnabled, const TNotifyEvent& AOnTimer);

// ---------------------------------------------------------------- collections and lists

enum class TcxCollectionInternalState { cisDestroying, cisUpdating, cisSorting };
using enum TcxCollectionInternalState;

using TcxCollectionNotifyEvent = std::function<void(TObject* Sender, TCollectionItem* AItem)>;
using TcxCollectionCompareEvent =
    std::function<int(TObject* ASender, TCollectionItem* AItem1, TCollectionItem* AItem2)>;

// An owned collection that tells OnChange of its changes and, when Sorted,
// keeps its items in the order of OnCompare (or of their indexes).
class TcxOwnedInterfacedCollection : public TOwnedCollection {
  VCL_CLASS(TcxOwnedInterfacedCollection, TOwnedCollection)
public:
  TcxOwnedInterfacedCollection(TPersistent* AOwner, TClass AItemClass)
      : TOwnedCollection(AOwner, AItemClass) {}
  ~TcxOwnedInterfacedCollection() override;

  bool Sorted() const { return FSorted; }
  void SetSorted(bool Value);
  bool IsBeingDestroyed() const { return FInternalState.Contains(cisDestroying); }
  // Re-orders the items; nothing inside an update or while sorting.
  void SortItems();

  TcxCollectionNotifyEvent OnChange;
  TcxCollectionCompareEvent OnCompare;

protected:
  void Update(TCollectionItem* AItem) override;
  virtual int CompareItemOrder(TCollectionItem* AItem1, TCollectionItem* AItem2);

private:
  TSet<TcxCollectionInternalState> FInternalState;
  bool FSorted = false;
};

using TcxStringListCompareEvent = std::function<int(TStringList* AList, int AIndex1, int AIndex2)>;

// A string list sorted through OnCompare when it is assigned.
class TcxStringList : public TStringList {
  VCL_CREATABLE_CLASS(TcxStringList, TStringList)
public:
  void Sort() override;
  TcxStringListCompareEvent OnCompare;
};

// A pointer list that may own its objects.
class TcxObjectList : public TList {
  VCL_CLASS(TcxObjectList, TList)
public:
  explicit TcxObjectList(bool AOwnObjects = true) : FOwnObjects(AOwnObjects) {}
  ~TcxObjectList() override { Clear(); }

  bool OwnObjects() const { return FOwnObjects; }
  TObject* GetItem(int AIndex) const { return static_cast<TObject*>(Items(AIndex)); }
  // Frees the objects first when owning them.
  void Clear();
  void FreeAndDelete(int AIndex);
  // The index the object had (-1 when absent); frees it when present.
  int FreeAndRemove(TObject* AObject);

protected:
  virtual void FreeObjectAt(int AIndex);

private:
  bool FOwnObjects;
};

// One handler of a multicast event: a method of an object, compared by
// both, so the same method of the same object is listed once.
struct TcxEventHandler {
  using TMethod = void (TObject::*)(TObject* Sender, const void* AEventArgs);
  TObject* Object = nullptr;
  TMethod Method = nullptr;
  friend bool operator==(const TcxEventHandler&, const TcxEventHandler&) = default;
};

template <class T>
TcxEventHandler cxEventHandler(T* AObject, void (T::*AMethod)(TObject*, const void*)) {
  return {AObject, static_cast<TcxEventHandler::TMethod>(AMethod)};
}

class TcxEventHandlerCollection : public TObject {
  VCL_CLASS(TcxEventHandlerCollection, TObject)
public:
  void Add(const TcxEventHandler& AEvent);
  void Remove(const TcxEventHandler& AEvent);
  int Count() const { return static_cast<int>(FEvents.size()); }
  // Every handler in order; one removed meanwhile is not called.
  void CallEvents(TObject* Sender, const void* AEventArgs);
  void CallEvents(TObject* Sender);

private:
  std::vector<TcxEventHandler> FEvents;
};

// ---------------------------------------------------------------- class registries

// Maps item classes to handler classes; a class finds the handler of its
// nearest registered ancestor.
class TcxRegisteredClassList : public TObject {
  VCL_CLASS(TcxRegisteredClassList, TObject)
public:
  struct TItemData {
    TClass ItemClass;
    TClass RegisteredClass;
  };

  int Count() const { return static_cast<int>(FItems.size()); }
  // Raises the list-index error outside 0..Count-1.
  const TItemData& GetItem(int AIndex) const;
  void Clear() { FItems.clear(); }
  TClass FindClass(TClass AItemClass) const;
  virtual void Register(TClass AItemClass, TClass ARegisteredClass);
  virtual void Unregister(TClass AItemClass, TClass ARegisteredClass);

protected:
  // True with the index of the nearest ancestor's entry (or AClass's own);
  // AIndex also ends at the first entry of a descendant met on the way.
  virtual bool FindEntryIndex(TClass AClass, int& AIndex) const;

private:
  std::vector<TItemData> FItems;  // an item class stands before its descendants
};

// Classes with a text ("description|hint") for designers.
class TcxRegisteredClasses : public TObject {
  VCL_CLASS(TcxRegisteredClasses, TObject)
public:
  explicit TcxRegisteredClasses(bool ARegisterClasses = false) : FRegisterClasses(ARegisterClasses) {}

  int Count() const { return static_cast<int>(FItems.size()); }
  TClass GetItem(int AIndex) const { return Entry(AIndex).Class; }
  String GetDescription(int AIndex) const;
  String GetHint(int AIndex) const;
  void Clear() { FItems.clear(); }
  bool RegisterClasses() const { return FRegisterClasses; }
  void SetRegisterClasses(bool Value) { FRegisterClasses = Value; }
  bool Sorted() const { return FSorted; }
  void SetSorted(bool Value);

  // Nothing for a class registered already.
  void Register(TClass AClass, const String& ADescription);
  void Unregister(TClass AClass);
  TClass FindByClassName(const String& AClassName) const;
  TClass FindByDescription(const String& ADescription) const;
  int GetIndexByClass(TClass AClass) const;
  String GetDescriptionByClass(TClass AClass) const;
  String GetHintByClass(TClass AClass) const;

protected:
  virtual int CompareDescriptions(int AIndex1, int AIndex2) const;
  virtual void SortItems();

private:
  struct TEntry {
    String Text;
    TClass Class;
  };
  const TEntry& Entry(int AIndex) const;
  std::vector<TEntry> FItems;
  bool FRegisterClasses;
  bool FSorted = false;
};

// The parts of "description|hint"; without "|" both are the whole text.
String cxDescriptionPart(const String& AText);
String cxHintPart(const String& AText);

// ---------------------------------------------------------------- object links

// A weak reference: Ref becomes null when the object it refers to goes.
class TcxObjectLink : public TObject {
  VCL_CLASS(TcxObjectLink, TObject)
public:
  TObject* Ref = nullptr;
};

TcxObjectLink* cxLinkToObject(TObject* AObject);
// Frees the link (and lists it no longer).
void cxUnlinkObject(TcxObjectLink* ALink);
// Every link to AObject gets a null Ref.
void cxClearLinksTo(TObject* AObject);

// ---------------------------------------------------------------- small routines

// Bytes from the character at AIndex (1-based) to the next one.
int cxCharSizeAt(const String& S, int AIndex);
void cxFireNotifyEvent(TObject* ASender, const TNotifyEvent& AEvent);
// The object that owns APersistent for naming (its collection, its owner
// component), or null.
TPersistent* cxPersistentOwner(const TPersistent* APersistent);
inline TSize cxSizeMake(int AWidth, int AHeight) { return {AWidth, AHeight}; }
inline void cxExchangeInts(int& A, int& B) { std::swap(A, B); }
inline void cxSwapInts(int& A, int& B) { std::swap(A, B); }
int cxHalfSumFloor(int A, int B);
// -1 for a negative value, else 1 (also for 0).
inline int cxSignOfReal(double X) { return X < 0 ? -1 : 1; }

extern const TUnitEntry cxClassesUnit;
