// The library's class support: component bases, the shared-window timer,
// collections and lists, class registries and object links.
#include "components/core/cxClasses.h"

#include <algorithm>
#include <cmath>

#include "components/core/cxGraphics.h"
#include "vcl/controls/Controls.h"
#include "vcl/classes/Filer.h"
#include "vcl/rtl/ClassRegistry.h"
#include "vcl/rtl/SysUtils.h"

namespace {

bool cxClassesFinalized = false;

// ---------------------------------------------------------------- object links

class TcxObjectLinkController {
public:
  TcxObjectLink* AddLink(TObject* AObject) {
    auto* link = new TcxObjectLink;
    link->Ref = AObject;
    FLinks.push_back(link);
    return link;
  }
  void RemoveLink(TcxObjectLink* ALink) {
    if (ALink->Ref) std::erase(FLinks, ALink);
    delete ALink;
  }
  void ClearLinks(TObject* AObject) {
    std::erase_if(FLinks, [AObject](TcxObjectLink* ALink) {
      if (ALink->Ref != AObject) return false;
      ALink->Ref = nullptr;
      return true;
    });
  }

private:
  std::vector<TcxObjectLink*> FLinks;  // the live links, owned by their holders
};

std::unique_ptr<TcxObjectLinkController> cxObjectLinkController;

}  // namespace

// ---------------------------------------------------------------- timer window

// The one hidden window all timers run on; it dispatches WM_TIMER only to
// timers that are running.
class TcxTimerWindow : public TcxMessageWindow {
  VCL_CLASS(TcxTimerWindow, TcxMessageWindow)
public:
  void HandleWindowMessage(TMessage& AMessage) override {
    if (AMessage.Msg != WM_TIMER) return TcxMessageWindow::HandleWindowMessage(AMessage);
    auto* timer = reinterpret_cast<TcxTimer*>(AMessage.WParam);
    if (std::find(FActiveTimers.begin(), FActiveTimers.end(), timer) != FActiveTimers.end())
      timer->TimerFired();
  }
  std::vector<TcxTimer*> FActiveTimers;
};

namespace {

std::unique_ptr<TcxTimerWindow> cxSharedTimerWindow;

TcxTimerWindow* cxTimerWindow() {
  if (!cxSharedTimerWindow && !cxClassesFinalized) cxSharedTimerWindow = std::make_unique<TcxTimerWindow>();
  return cxSharedTimerWindow.get();
}

}  // namespace

// ---------------------------------------------------------------- components

TcxCustomComponent::~TcxCustomComponent() {
  if (Owner()) Owner()->Notification(this, opRemove);
}

TcxComponent::~TcxComponent() { cxClearLinksTo(this); }

void TcxComponent::Loaded() {
  TcxCustomComponent::Loaded();
  if (!IsDesigning() || IsDestroying() || !Owner()) return;
  std::vector<TComponent*> links;
  GetFakeComponentLinks(links);
  for (size_t k = 0; k < 3; ++k) FFakeComponentLinks[k] = k < links.size() ? links[k] : nullptr;
}

TcxScalableComponent::TcxScalableComponent(TComponent* AOwner)
    : TcxComponent(AOwner), FPixelsPerInch(cxCurrentDPI()) {}

void TcxScalableComponent::DefineProperties(TFiler* Filer) {
  TcxComponent::DefineProperties(Filer);
  Filer->DefineProperty(
      L"PixelsPerInch",
      [this](TReader* AReader) { AReader->AssignJournaled(FPixelsPerInch, static_cast<int>(AReader->ReadInteger())); },
      [this](TWriter* AWriter) { AWriter->WriteInteger(FPixelsPerInch); }, true);
}

void TcxScalableComponent::Loaded() {
  TcxComponent::Loaded();
  const int currentDPI = cxCurrentDPI();
  if (FScalable && currentDPI != FPixelsPerInch) RescaleTo(currentDPI, FPixelsPerInch);
  FPixelsPerInch = currentDPI;
}

// ---------------------------------------------------------------- timer

TcxTimer::TcxTimer(TComponent* AOwner) : TComponent(AOwner) {}

TcxTimer::~TcxTimer() { Stop(); }

void TcxTimer::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  Restart();
}

void TcxTimer::SetInterval(uint32_t Value) {
  if (Value == 0 || Value == FInterval) return;
  FInterval = Value;
  Restart();
}

void TcxTimer::SetOnTimer(const TNotifyEvent& Value) {
  FOnTimer = Value;
  Restart();
}

void TcxTimer::TimerFired() {
  // The handler may free this timer: it runs from a copy.
  if (const TNotifyEvent handler = FOnTimer) handler(this);
}

void TcxTimer::Restart() {
  Stop();
  Start();
}

void TcxTimer::Start() {
  if (!FEnabled || FTimerOn || !FOnTimer) return;
  TcxTimerWindow* window = cxTimerWindow();
  if (!window) return;
  FTimerOn = SetTimer(window->Handle(), reinterpret_cast<UINT_PTR>(this), FInterval, nullptr) != 0;
  if (FTimerOn) window->FActiveTimers.push_back(this);
}

void TcxTimer::Stop() {
  if (!FTimerOn) return;
  FTimerOn = false;
  if (!cxSharedTimerWindow) return;
  std::erase(cxSharedTimerWindow->FActiveTimers, this);
  KillTimer(cxSharedTimerWindow->Handle(), reinterpret_cast<UINT_PTR>(this));
}

TcxTimer* cxNewTimer(uint32_t AInterval, bool AEnabled, const TNotifyEvent& AOnTimer) {
  auto* timer = new TcxTimer(nullptr);
  timer->SetEnabled(AEnabled);
  timer->SetInterval(AInterval);
  timer->SetOnTimer(AOnTimer);
  return timer;
}

// ---------------------------------------------------------------- collections and lists

TcxOwnedInterfacedCollection::~TcxOwnedInterfacedCollection() { FInternalState.Include(cisDestroying); }

void TcxOwnedInterfacedCollection::SetSorted(bool Value) {
  if (FSorted == Value) return;
  FSorted = Value;
  if (FSorted) SortItems();
}

void TcxOwnedInterfacedCollection::Update(TCollectionItem* AItem) {
  if (FInternalState.Contains(cisUpdating)) return;
  FInternalState.Include(cisUpdating);
  try {
    if (FSorted && !AItem) SortItems();
    TOwnedCollection::Update(AItem);
    if (!FInternalState.Contains(cisDestroying) && OnChange) OnChange(this, AItem);
  } catch (...) {
    FInternalState.Exclude(cisUpdating);
    throw;
  }
  FInternalState.Exclude(cisUpdating);
}

void TcxOwnedInterfacedCollection::SortItems() {
  if (UpdateCount() > 0 || FInternalState.Contains(cisSorting)) return;
  FInternalState.Include(cisSorting);
  try {
    std::vector<TCollectionItem*> items;
    for (int i = 0; i < Count(); ++i) items.push_back(Items(i));
    std::stable_sort(items.begin(), items.end(), [this](TCollectionItem* A, TCollectionItem* B) {
      return (OnCompare ? OnCompare(this, A, B) : CompareItemOrder(A, B)) < 0;
    });
    BeginUpdate();
    try {
      for (int i = 0; i < static_cast<int>(items.size()); ++i) items[i]->SetIndex(i);
    } catch (...) {
      EndUpdate();
      throw;
    }
    EndUpdate();
  } catch (...) {
    FInternalState.Exclude(cisSorting);
    throw;
  }
  FInternalState.Exclude(cisSorting);
}

int TcxOwnedInterfacedCollection::CompareItemOrder(TCollectionItem* AItem1, TCollectionItem* AItem2) {
  const int difference = AItem1->Index() - AItem2->Index();
  return (difference > 0) - (difference < 0);
}

void TcxStringList::Sort() {
  if (OnCompare)
    CustomSort(OnCompare);
  else
    TStringList::Sort();
}

void TcxObjectList::Clear() {
  if (FOwnObjects)
    for (int i = 0; i < Count(); ++i) FreeObjectAt(i);
  TList::Clear();
}

void TcxObjectList::FreeAndDelete(int AIndex) {
  CheckIndex(AIndex, Count());
  FreeObjectAt(AIndex);
  Delete(AIndex);
}

int TcxObjectList::FreeAndRemove(TObject* AObject) {
  const int index = IndexOf(AObject);
  if (index >= 0) FreeAndDelete(index);
  return index;
}

void TcxObjectList::FreeObjectAt(int AIndex) {
  delete GetItem(AIndex);
  SetItems(AIndex, nullptr);
}

void TcxEventHandlerCollection::Add(const TcxEventHandler& AEvent) {
  if (std::find(FEvents.begin(), FEvents.end(), AEvent) == FEvents.end()) FEvents.push_back(AEvent);
}

void TcxEventHandlerCollection::Remove(const TcxEventHandler& AEvent) { std::erase(FEvents, AEvent); }

void TcxEventHandlerCollection::CallEvents(TObject* Sender, const void* AEventArgs) {
  // A handler may remove itself or others: walk a copy, skip the removed.
  const std::vector<TcxEventHandler> events = FEvents;
  for (const TcxEventHandler& event : events)
    if (std::find(FEvents.begin(), FEvents.end(), event) != FEvents.end())
      (event.Object->*event.Method)(Sender, AEventArgs);
}

void TcxEventHandlerCollection::CallEvents(TObject* Sender) {
  const int noArguments = 0;
  CallEvents(Sender, &noArguments);
}

// ---------------------------------------------------------------- class registries

const TcxRegisteredClassList::TItemData& TcxRegisteredClassList::GetItem(int AIndex) const {
  if (AIndex < 0 || AIndex >= Count()) throw EListError(Format(SListIndexError, {AIndex}));
  return FItems[AIndex];
}

bool TcxRegisteredClassList::FindEntryIndex(TClass AClass, int& AIndex) const {
  AIndex = -1;
  for (int i = Count() - 1; i >= 0; --i) {
    if (TObject::ClassInheritsFrom(AClass, FItems[i].ItemClass)) {
      AIndex = i;
      return true;
    }
    if (TObject::ClassInheritsFrom(FItems[i].ItemClass, AClass)) AIndex = i;
  }
  return false;
}

TClass TcxRegisteredClassList::FindClass(TClass AItemClass) const {
  int index;
  return FindEntryIndex(AItemClass, index) ? FItems[index].RegisteredClass : nullptr;
}

void TcxRegisteredClassList::Register(TClass AItemClass, TClass ARegisteredClass) {
  int index;
  if (FindEntryIndex(AItemClass, index))
    ++index;
  else if (index < 0)
    index = Count();
  FItems.insert(FItems.begin() + index, {AItemClass, ARegisteredClass});
}

void TcxRegisteredClassList::Unregister(TClass AItemClass, TClass ARegisteredClass) {
  std::erase_if(FItems, [&](const TItemData& AItem) {
    return AItem.ItemClass == AItemClass && AItem.RegisteredClass == ARegisteredClass;
  });
}

String cxDescriptionPart(const String& AText) {
  const size_t bar = AText.find(L'|');
  return bar == String::npos ? AText : AText.substr(0, bar);
}

String cxHintPart(const String& AText) {
  const size_t bar = AText.find(L'|');
  return bar == String::npos ? AText : AText.substr(bar + 1);
}

const TcxRegisteredClasses::TEntry& TcxRegisteredClasses::Entry(int AIndex) const {
  if (AIndex < 0 || AIndex >= Count()) throw EListError(Format(SListIndexError, {AIndex}));
  return FItems[AIndex];
}

String TcxRegisteredClasses::GetDescription(int AIndex) const { return cxDescriptionPart(Entry(AIndex).Text); }

String TcxRegisteredClasses::GetHint(int AIndex) const { return cxHintPart(Entry(AIndex).Text); }

void TcxRegisteredClasses::SetSorted(bool Value) {
  if (FSorted == Value) return;
  FSorted = Value;
  if (FSorted) SortItems();
}

void TcxRegisteredClasses::Register(TClass AClass, const String& ADescription) {
  if (GetIndexByClass(AClass) >= 0) return;
  FItems.push_back({ADescription, AClass});
  if (FSorted) SortItems();
  if (FRegisterClasses) RegisterClass(AClass);
}

void TcxRegisteredClasses::Unregister(TClass AClass) {
  const int index = GetIndexByClass(AClass);
  if (index >= 0) FItems.erase(FItems.begin() + index);
}

TClass TcxRegisteredClasses::FindByClassName(const String& AClassName) const {
  for (const TEntry& entry : FItems)
    if (AClassName == entry.Class->Name) return entry.Class;
  return nullptr;
}

TClass TcxRegisteredClasses::FindByDescription(const String& ADescription) const {
  if (ADescription.empty()) return nullptr;
  for (const TEntry& entry : FItems)
    if (cxDescriptionPart(entry.Text) == ADescription) return entry.Class;
  return nullptr;
}

int TcxRegisteredClasses::GetIndexByClass(TClass AClass) const {
  for (int i = 0; i < Count(); ++i)
    if (FItems[i].Class == AClass) return i;
  return -1;
}

String TcxRegisteredClasses::GetDescriptionByClass(TClass AClass) const {
  const int index = GetIndexByClass(AClass);
  return index < 0 ? String() : GetDescription(index);
}

String TcxRegisteredClasses::GetHintByClass(TClass AClass) const {
  const int index = GetIndexByClass(AClass);
  return index < 0 ? String() : GetHint(index);
}

int TcxRegisteredClasses::CompareDescriptions(int AIndex1, int AIndex2) const {
  return AnsiCompareText(GetDescription(AIndex1), GetDescription(AIndex2));
}

void TcxRegisteredClasses::SortItems() {
  std::vector<int> order(FItems.size());
  for (int i = 0; i < Count(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [this](int A, int B) { return CompareDescriptions(A, B) < 0; });
  std::vector<TEntry> sorted;
  for (int i : order) sorted.push_back(FItems[i]);
  FItems = std::move(sorted);
}

// ---------------------------------------------------------------- object links

TcxObjectLink* cxLinkToObject(TObject* AObject) {
  return AObject && cxObjectLinkController ? cxObjectLinkController->AddLink(AObject) : nullptr;
}

void cxUnlinkObject(TcxObjectLink* ALink) {
  if (!ALink) return;
  if (cxObjectLinkController)
    cxObjectLinkController->RemoveLink(ALink);
  else
    delete ALink;
}

void cxClearLinksTo(TObject* AObject) {
  if (cxObjectLinkController) cxObjectLinkController->ClearLinks(AObject);
}

// ---------------------------------------------------------------- small routines

int cxCharSizeAt(const String& S, int AIndex) {
  const wchar_t* current = S.c_str() + AIndex - 1;
  return static_cast<int>((CharNextW(current) - current) * sizeof(wchar_t));
}

void cxFireNotifyEvent(TObject* ASender, const TNotifyEvent& AEvent) {
  if (AEvent) AEvent(ASender);
}

TPersistent* cxPersistentOwner(const TPersistent* APersistent) {
  // The owner is protected: a pointer to the member reaches it.
  struct TAccess : TPersistent {
    static TPersistent* Owner(const TPersistent* A) { return (A->*(&TAccess::GetOwner))(); }
  };
  return TAccess::Owner(APersistent);
}

int cxHalfSumFloor(int A, int B) { return static_cast<int>(std::floor((static_cast<double>(A) + B) / 2)); }

// ---------------------------------------------------------------- unit

namespace {

void Initialize() {
  cxClassesFinalized = false;
  StartClassGroup(TControl::StaticClass());
  GroupDescendentsWith(TcxComponent::StaticClass(), TControl::StaticClass());
  cxObjectLinkController = std::make_unique<TcxObjectLinkController>();
}

void Finalize() {
  cxClassesFinalized = true;
  cxSharedTimerWindow.reset();
  cxObjectLinkController.reset();
}

}  // namespace

const TUnitEntry cxClassesUnit{L"cxClasses", Initialize, Finalize};
