// The editor repository: named properties objects that editors share and
// hear changes of.
#include <algorithm>

#include "components/editors/cxEdit.h"

TcxEditRepositoryItem::TcxEditRepositoryItem(TComponent* AOwner) : TComponent(AOwner) {}

TcxEditRepositoryItem::~TcxEditRepositoryItem() {
  // A listener may leave by itself while it is told.
  while (!FListenerList.empty()) {
    IcxEditRepositoryItemListener* listener = FListenerList.back();
    listener->ItemRemoved(this);
    RemoveListener(listener);
  }
  SetRepository(nullptr);
}

TcxCustomEditProperties* TcxEditRepositoryItem::Properties() {
  if (!FProperties) {
    FProperties.reset(GetEditPropertiesClass().Create(this));
    FProperties->OnPropertiesChanged = [this](TObject*) { NotifyListenersPropertiesChanged(); };
  }
  return FProperties.get();
}

void TcxEditRepositoryItem::SetProperties(TcxCustomEditProperties* Value) { Properties()->Assign(Value); }

void TcxEditRepositoryItem::SetRepository(TcxEditRepository* Value) {
  if (FRepository == Value) return;
  if (FRepository) std::erase(FRepository->FItems, this);
  FRepository = Value;
  if (FRepository && std::find(FRepository->FItems.begin(), FRepository->FItems.end(), this) == FRepository->FItems.end())
    FRepository->FItems.push_back(this);
}

void TcxEditRepositoryItem::AddListener(IcxEditRepositoryItemListener* AListener) {
  if (std::find(FListenerList.begin(), FListenerList.end(), AListener) == FListenerList.end())
    FListenerList.push_back(AListener);
}

void TcxEditRepositoryItem::RemoveListener(IcxEditRepositoryItemListener* AListener) {
  std::erase(FListenerList, AListener);
}

void TcxEditRepositoryItem::NotifyListenersPropertiesChanged() {
  for (size_t i = FListenerList.size(); i-- > 0;)
    if (i < FListenerList.size()) FListenerList[i]->PropertiesChanged(this);
}

String TcxEditRepositoryItem::GetBaseName() {
  static const String prefix = L"TcxEditRepository";
  const String className = ClassName();
  const auto at = className.find(prefix);
  const String suffix = at == String::npos ? String() : className.substr(at + prefix.size());
  return (FRepository ? FRepository->Name() : String()) + suffix;
}

bool TcxEditRepositoryItem::PropertiesInheritFrom(TClass AClass) { return Properties()->InheritsFrom(AClass); }

void TcxEditRepository::Clear() {
  while (!FItems.empty()) delete FItems.back();
}

TcxEditRepositoryItem* TcxEditRepository::ItemByName(const String& AName) const {
  for (TcxEditRepositoryItem* item : FItems)
    if (AnsiSameText(item->Name(), AName)) return item;
  return nullptr;
}
