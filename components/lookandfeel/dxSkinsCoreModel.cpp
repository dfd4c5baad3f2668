// The skin object model: named objects, their sorted lists, typed
// properties, control groups and the skin with its listeners.
#include <algorithm>

#include "components/lookandfeel/dxSkinsCore.h"
#include "vcl/rtl/ClassRegistry.h"
#include "vcl/rtl/Streams.h"

// ---------------------------------------------------------------- TdxSkinCustomObject

TdxSkinCustomObject::TdxSkinCustomObject(TPersistent* AOwner, const String& AName) : FName(AName), FOwner(AOwner) {}

void TdxSkinCustomObject::Changed(TdxSkinChanges AChanges) { DoChanged(AChanges); }

void TdxSkinCustomObject::DoChanged(TdxSkinChanges AChanges) {
  if (OnChange && !AChanges.Empty()) OnChange(this, AChanges);
}

void TdxSkinCustomObject::SetName(const String& AValue) {
  if (FName == AValue) return;
  FName = AValue;
  Changed({scStruct});
}

// ---------------------------------------------------------------- TdxSkinCustomObjectList

TdxSkinCustomObjectList::TdxSkinCustomObjectList(TPersistent* AOwner, const TdxSkinChangeNotify& AChangeHandler)
    : OnChange(AChangeHandler), FOwner(AOwner) {}

TdxSkinCustomObjectList::~TdxSkinCustomObjectList() {
  OnChange = nullptr;
  Clear();
}

void TdxSkinCustomObjectList::EndUpdate() {
  if (FUpdateCount > 0) --FUpdateCount;
  Changed({});
}

void TdxSkinCustomObjectList::Changed(TdxSkinChanges AChanges) {
  FSorted = false;
  FChanges = FChanges + AChanges;
  if (FUpdateCount > 0 || FChanges.Empty()) return;
  const TdxSkinChanges changes = FChanges;
  FChanges = {};
  if (OnChange) OnChange(this, changes);
}

void TdxSkinCustomObjectList::AddItem(TdxSkinCustomObject* AItem, const String& AName) {
  AItem->FOwner = FOwner;
  AItem->FName = AName;
  AItem->OnChange = [this](TObject* Sender, TdxSkinChanges AChanges) { ItemChanged(Sender, AChanges); };
  Add(AItem);
  Changed({scStruct});
}

void TdxSkinCustomObjectList::ClearItems() {
  if (Count() == 0) return;
  Clear();
  Changed({scStruct});
}

bool TdxSkinCustomObjectList::DeleteItem(TdxSkinCustomObject* AItem) {
  if (FreeAndRemove(AItem) < 0) return false;
  Changed({scStruct});
  return true;
}

void TdxSkinCustomObjectList::Exchange(int AIndex1, int AIndex2) {
  TcxObjectList::Exchange(AIndex1, AIndex2);
  Changed({scStruct});
}

TdxSkinCustomObject* TdxSkinCustomObjectList::FindItemByName(const String& AName) {
  if (!FSorted) Sort(false);
  int low = 0;
  int high = Count() - 1;
  while (low <= high) {
    const int middle = (low + high) / 2;
    const int order = AnsiCompareStr(Item(middle)->Name(), AName);
    if (order == 0) return Item(middle);
    if (order < 0)
      low = middle + 1;
    else
      high = middle - 1;
  }
  return nullptr;
}

void TdxSkinCustomObjectList::Sort(bool ASortChildren) {
  TcxObjectList::Sort([](void* A, void* B) {
    return AnsiCompareStr(static_cast<TdxSkinCustomObject*>(A)->Name(), static_cast<TdxSkinCustomObject*>(B)->Name());
  });
  FSorted = true;
  if (ASortChildren) SortChildren();
}

// ---------------------------------------------------------------- properties

namespace {

std::vector<TdxSkinPropertyClass>& RegisteredSkinPropertyClasses() {
  static std::vector<TdxSkinPropertyClass> classes;
  return classes;
}

}  // namespace

void TdxSkinProperty::Register(TdxSkinPropertyClass AClass) {
  auto& classes = RegisteredSkinPropertyClasses();
  if (std::find(classes.begin(), classes.end(), AClass) == classes.end()) classes.push_back(AClass);
  RegisterClass(AClass);
}

void TdxSkinProperty::Unregister(TdxSkinPropertyClass AClass) {
  auto& classes = RegisteredSkinPropertyClasses();
  std::erase(classes, AClass);
  UnRegisterClass(AClass);
}

bool TdxSkinProperty::IsRegistered(TdxSkinPropertyClass AClass) {
  const auto& classes = RegisteredSkinPropertyClasses();
  return std::find(classes.begin(), classes.end(), AClass) != classes.end();
}

String TdxSkinProperty::Description(TdxSkinPropertyClass AClass) {
  String result = AClass->Name;
  result = StringReplace(result, L"TdxSkin", L"", TReplaceFlags(rfReplaceAll) | rfIgnoreCase);
  return StringReplace(result, L"Property", L"", TReplaceFlags(rfReplaceAll) | rfIgnoreCase);
}

bool TdxSkinProperty::Compare(TdxSkinProperty* AProperty) { return SameText(Name(), AProperty->Name()); }

bool TdxSkinProperty::IsSameKind(TdxSkinProperty* AProperty) const {
  return AProperty && AProperty->ClassType() == ClassType() && SameText(Name(), AProperty->Name());
}

void TdxSkinIntegerProperty::DataRead(TStream* AStream, double) { SetValue(dxSkinReadInt32(AStream)); }
void TdxSkinIntegerProperty::DataWrite(TStream* AStream) { dxStreamWriteInt32(AStream, FValue); }

void TdxSkinBooleanProperty::DataRead(TStream* AStream, double) { SetValue(dxSkinReadByte(AStream, 2) != 0); }
void TdxSkinBooleanProperty::DataWrite(TStream* AStream) { dxSkinWriteByte(AStream, FValue ? 1 : 0); }

void TdxSkinColor::DataRead(TStream* AStream, double) { SetValue(dxSkinReadInt32(AStream)); }
void TdxSkinColor::DataWrite(TStream* AStream) { dxStreamWriteInt32(AStream, FValue); }

void TdxSkinRectProperty::DataRead(TStream* AStream, double) { SetValue(dxSkinReadRect(AStream)); }
void TdxSkinRectProperty::DataWrite(TStream* AStream) { dxSkinWriteRect(AStream, FValue); }

void TdxSkinSizeProperty::DataRead(TStream* AStream, double) {
  const int cx = dxSkinReadInt32(AStream);
  SetValue(TSize(cx, dxSkinReadInt32(AStream)));
}
void TdxSkinSizeProperty::DataWrite(TStream* AStream) {
  dxStreamWriteInt32(AStream, FValue.cx);
  dxStreamWriteInt32(AStream, FValue.cy);
}

void TdxSkinStringProperty::DataRead(TStream* AStream, double) { SetValue(dxSkinReadAnsiText(AStream)); }
void TdxSkinStringProperty::DataWrite(TStream* AStream) { dxSkinWriteAnsiText(AStream, FValue); }

void TdxSkinWideStringProperty::DataRead(TStream* AStream, double) { SetValue(dxSkinReadWideText(AStream)); }
void TdxSkinWideStringProperty::DataWrite(TStream* AStream) { dxSkinWriteWideText(AStream, FValue); }

// ---------------------------------------------------------------- borders

void TdxSkinBorder::Assign(TPersistent* ASource) {
  auto* source = dynamic_cast<TdxSkinBorder*>(ASource);
  if (!source) return TdxSkinProperty::Assign(ASource);
  SetColor(source->FColor);
  SetThin(source->FThin);
}

bool TdxSkinBorder::Compare(TdxSkinProperty* AProperty) {
  auto* other = dynamic_cast<TdxSkinBorder*>(AProperty);
  return other && SameText(Name(), other->Name()) && other->FColor == FColor && other->FThin == FThin;
}

void TdxSkinBorder::DataRead(TStream* AStream, double AVersion) {
  if (AVersion < 1.09) {
    dxSkinReadAnsiText(AStream);
    dxSkinReadAnsiText(AStream);
  }
  SetColor(dxSkinReadInt32(AStream));
  SetThin(dxSkinReadInt32(AStream));
}

void TdxSkinBorder::DataWrite(TStream* AStream) {
  dxStreamWriteInt32(AStream, FColor);
  dxStreamWriteInt32(AStream, FThin);
}

void TdxSkinBorder::SetColor(TColor AValue) {
  if (FColor == AValue) return;
  FColor = AValue;
  Changed({scContent});
}

void TdxSkinBorder::SetThin(int AValue) {
  if (FThin == AValue) return;
  FThin = AValue;
  Changed({scContent});
}

TdxSkinBorders::TdxSkinBorders() {
  static const wchar_t* const names[] = {L"Left", L"Top", L"Right", L"Bottom"};
  for (int i = 0; i < 4; ++i) {
    FBorders[i] = std::make_unique<TdxSkinBorder>();
    FBorders[i]->FKind = static_cast<TcxBorder>(i);
    FBorders[i]->SetName(names[i]);
    FBorders[i]->OnChange = [this](TObject*, TdxSkinChanges AChanges) { Changed(AChanges); };
  }
}

TdxSkinBorders::~TdxSkinBorders() = default;

void TdxSkinBorders::Assign(TPersistent* ASource) {
  auto* source = dynamic_cast<TdxSkinBorders*>(ASource);
  if (!source) return TdxSkinProperty::Assign(ASource);
  for (int i = 0; i < 4; ++i) FBorders[i]->Assign(source->FBorders[i].get());
}

bool TdxSkinBorders::Compare(TdxSkinProperty* AProperty) {
  auto* other = dynamic_cast<TdxSkinBorders*>(AProperty);
  if (!other) return false;
  for (int i = 0; i < 4; ++i)
    if (!FBorders[i]->Compare(other->FBorders[i].get())) return false;
  return true;
}

void TdxSkinBorders::DataRead(TStream* AStream, double AVersion) {
  for (auto& border : FBorders) border->DataRead(AStream, AVersion);
}

void TdxSkinBorders::DataWrite(TStream* AStream) {
  for (auto& border : FBorders) border->DataWrite(AStream);
}

void TdxSkinBorders::ResetToDefaults() {
  for (auto& border : FBorders) {
    border->SetColor(clNone);
    border->SetThin(1);
  }
}

TRect TdxSkinBorders::ContentMargins() const {
  return TRect(Left()->ContentMargin(), Top()->ContentMargin(), Right()->ContentMargin(), Bottom()->ContentMargin());
}

// ---------------------------------------------------------------- alternate image attributes

TdxSkinAlternateImageAttributes::TdxSkinAlternateImageAttributes()
    : FBorders(std::make_unique<TdxSkinBorders>()), FBordersInner(std::make_unique<TdxSkinBorders>()) {
  FBorders->SetName(L"Borders");
  FBordersInner->SetName(L"BordersInner");
  for (TdxSkinBorders* borders : {FBorders.get(), FBordersInner.get()})
    borders->OnChange = [this](TObject*, TdxSkinChanges AChanges) { Changed(AChanges); };
}

TdxSkinAlternateImageAttributes::~TdxSkinAlternateImageAttributes() = default;

void TdxSkinAlternateImageAttributes::Assign(TPersistent* ASource) {
  auto* source = dynamic_cast<TdxSkinAlternateImageAttributes*>(ASource);
  if (!source) return TdxSkinProperty::Assign(ASource);
  SetAlpha(source->FAlpha);
  SetGradient(source->FGradient);
  SetGradientBeginColor(source->FGradientBeginColor);
  SetGradientEndColor(source->FGradientEndColor);
  FBorders->Assign(source->FBorders.get());
  FBordersInner->Assign(source->FBordersInner.get());
  SetContentOffsets(source->FContentOffsets);
}

bool TdxSkinAlternateImageAttributes::Compare(TdxSkinProperty* AProperty) {
  auto* other = dynamic_cast<TdxSkinAlternateImageAttributes*>(AProperty);
  return IsSameKind(AProperty) && other->FAlpha == FAlpha && other->FGradient == FGradient &&
         other->FGradientBeginColor == FGradientBeginColor && other->FGradientEndColor == FGradientEndColor &&
         other->FContentOffsets == FContentOffsets && FBorders->Compare(other->FBorders.get()) &&
         FBordersInner->Compare(other->FBordersInner.get());
}

void TdxSkinAlternateImageAttributes::DataRead(TStream* AStream, double AVersion) {
  SetAlpha(dxSkinReadByte(AStream));
  SetGradient(static_cast<TdxSkinGradientMode>(dxSkinReadByte(AStream, 4)));
  SetGradientBeginColor(dxSkinReadInt32(AStream));
  SetGradientEndColor(dxSkinReadInt32(AStream));
  FBorders->DataRead(AStream, AVersion);
  FBordersInner->DataRead(AStream, AVersion);
  SetContentOffsets(dxSkinReadRect(AStream));
}

void TdxSkinAlternateImageAttributes::DataWrite(TStream* AStream) {
  dxSkinWriteByte(AStream, FAlpha);
  dxSkinWriteByte(AStream, static_cast<uint8_t>(FGradient));
  dxStreamWriteInt32(AStream, FGradientBeginColor);
  dxStreamWriteInt32(AStream, FGradientEndColor);
  FBorders->DataWrite(AStream);
  FBordersInner->DataWrite(AStream);
  dxSkinWriteRect(AStream, FContentOffsets);
}

void TdxSkinAlternateImageAttributes::SetAlpha(uint8_t AValue) {
  if (FAlpha == AValue) return;
  FAlpha = AValue;
  Changed({scContent});
}

void TdxSkinAlternateImageAttributes::SetContentOffsets(const TRect& AValue) {
  if (FContentOffsets == AValue) return;
  FContentOffsets = AValue;
  Changed({scContent});
}

void TdxSkinAlternateImageAttributes::SetGradient(TdxSkinGradientMode AValue) {
  if (FGradient == AValue) return;
  FGradient = AValue;
  Changed({scContent});
}

void TdxSkinAlternateImageAttributes::SetGradientBeginColor(TColor AValue) {
  if (FGradientBeginColor == AValue) return;
  FGradientBeginColor = AValue;
  Changed({scContent});
}

void TdxSkinAlternateImageAttributes::SetGradientEndColor(TColor AValue) {
  if (FGradientEndColor == AValue) return;
  FGradientEndColor = AValue;
  Changed({scContent});
}

// ---------------------------------------------------------------- property lists

TdxSkinProperty* TdxSkinProperties::Add(const String& AName, TdxSkinPropertyClass AClass) {
  if (!TObject::ClassInheritsFrom(AClass, ItemClass()))
    throw EdxSkinError(Format(L"%s is not a class of skin properties", {String(AClass->Name)}));
  auto* item = static_cast<TdxSkinProperty*>(TObject::CreateInstance(AClass));
  AddItem(item, AName);
  return item;
}

void TdxSkinProperties::Assign(TdxSkinProperties* ASource) {
  dxSkinInsideUpdate(this, [&] {
    ClearItems();
    for (int i = 0; i < ASource->Count(); ++i) {
      TdxSkinProperty* source = ASource->GetItem(i);
      Add(source->Name(), source->ClassType())->Assign(source);
    }
  });
}

bool TdxSkinProperties::Compare(TdxSkinProperties* AProperties) {
  if (Count() != AProperties->Count()) return false;
  for (int i = 0; i < Count(); ++i)
    if (!GetItem(i)->Compare(AProperties->GetItem(i))) return false;
  return true;
}

void TdxSkinProperties::DataRead(TStream* AStream, double AVersion) {
  const int32_t count = dxSkinReadInt32(AStream);
  if (count < 0) throw EdxSkinError(Format(L"The skin stream is damaged: %d properties", {count}));
  for (int32_t i = 0; i < count; ++i) {
    const String className = dxSkinReadAnsiText(AStream);
    const TClass propertyClass = GetClass(className);
    if (!propertyClass || !TdxSkinProperty::IsRegistered(propertyClass) ||
        !TObject::ClassInheritsFrom(propertyClass, ItemClass()))
      throw EdxSkinError(Format(L"The skin stream holds a property of the unknown class \"%s\"", {className}));
    const String name = dxSkinReadAnsiText(AStream);
    Add(name, propertyClass)->DataRead(AStream, AVersion);
  }
}

void TdxSkinProperties::DataWrite(TStream* AStream) {
  dxStreamWriteInt32(AStream, Count());
  for (int i = 0; i < Count(); ++i) {
    TdxSkinProperty* item = GetItem(i);
    dxSkinWriteAnsiText(AStream, item->ClassName());
    dxSkinWriteAnsiText(AStream, item->Name());
    item->DataWrite(AStream);
  }
}

TdxSkinColor* TdxSkinColors::Add(const String& AName, TColor AValue) {
  auto* color = static_cast<TdxSkinColor*>(TdxSkinProperties::Add(AName, TdxSkinColor::StaticClass()));
  color->SetValue(AValue);
  return color;
}

// ---------------------------------------------------------------- TdxSkinPersistent

TdxSkinPersistent::TdxSkinPersistent(TPersistent* AOwner, const String& AName)
    : TdxSkinCustomObject(AOwner, AName),
      FProperties(std::make_unique<TdxSkinProperties>(this, ChangeForwarder())) {}

TdxSkinPersistent::~TdxSkinPersistent() = default;

void TdxSkinPersistent::Changed(TdxSkinChanges AChanges) {
  FModified = true;
  FChanges = FChanges + AChanges;
  if (FUpdateCount > 0) return;
  const TdxSkinChanges changes = FChanges;
  FChanges = {};
  DoChanged(changes);
}

void TdxSkinPersistent::EndUpdate() {
  if (FUpdateCount > 0) --FUpdateCount;
  if (FUpdateCount == 0 && !FChanges.Empty()) Changed({});
}

void TdxSkinPersistent::CancelUpdate() {
  if (FUpdateCount > 0) --FUpdateCount;
  FChanges = {};
}

void TdxSkinPersistent::Clear() { FProperties->ClearItems(); }

void TdxSkinPersistent::DeleteProperty(TdxSkinProperty* AProperty) { FProperties->DeleteItem(AProperty); }

void TdxSkinPersistent::DeleteProperty(const String& APropertyName) {
  if (TdxSkinProperty* property = GetPropertyByName(APropertyName)) DeleteProperty(property);
}

void TdxSkinPersistent::Sort(bool ASortChildren) { FProperties->Sort(ASortChildren); }

TdxSkinProperty* TdxSkinPersistent::AddProperty(const String& AName, TdxSkinPropertyClass APropertyClass) {
  return FProperties->Add(AName, APropertyClass);
}

namespace {

template <class P, class T>
P* AddValueProperty(TdxSkinPersistent* AOwner, const String& AName, const T& AValue) {
  P* result = nullptr;
  dxSkinInsideUpdate(AOwner, [&] {
    result = static_cast<P*>(AOwner->AddProperty(AName, P::StaticClass()));
    result->SetValue(AValue);
  });
  return result;
}

}  // namespace

TdxSkinBooleanProperty* TdxSkinPersistent::AddPropertyBool(const String& AName, bool AValue) {
  return AddValueProperty<TdxSkinBooleanProperty>(this, AName, AValue);
}

TdxSkinColor* TdxSkinPersistent::AddPropertyColor(const String& AName, TColor AValue) {
  return AddValueProperty<TdxSkinColor>(this, AName, AValue);
}

TdxSkinIntegerProperty* TdxSkinPersistent::AddPropertyInteger(const String& AName, int AValue) {
  return AddValueProperty<TdxSkinIntegerProperty>(this, AName, AValue);
}

bool TdxSkinPersistent::GetPropertyByName(const String& AName, TdxSkinProperty*& AProperty) {
  AProperty = GetPropertyByName(AName);
  return AProperty != nullptr;
}

// ---------------------------------------------------------------- control groups

TdxSkinElement* TdxSkinElements::Add(const String& AName, TdxSkinElementClass AClass) {
  if (!TObject::ClassInheritsFrom(AClass, TdxSkinElement::StaticClass()))
    throw EdxSkinError(Format(L"%s is not a class of skin elements", {String(AClass->Name)}));
  auto* element = static_cast<TdxSkinElement*>(TObject::CreateInstance(AClass));
  AddItem(element, AName);
  return element;
}

void TdxSkinElements::Assign(TdxSkinElements* ASource) {
  dxSkinInsideUpdate(this, [&] {
    ClearItems();
    for (int i = 0; i < ASource->Count(); ++i) {
      TdxSkinElement* source = ASource->GetItem(i);
      Add(source->Name(), source->ClassType())->Assign(source);
    }
  });
}

TdxSkinElement* TdxSkinElements::FindItemByName(const String& AName) {
  return static_cast<TdxSkinElement*>(TdxSkinCustomObjectList::FindItemByName(AName));
}

TdxSkinElement* TdxSkinElements::GetItem(int AIndex) const { return static_cast<TdxSkinElement*>(Item(AIndex)); }

void TdxSkinElements::DataRead(TStream* AStream, double AVersion) {
  const int32_t count = dxSkinReadInt32(AStream);
  if (count < 0) throw EdxSkinError(Format(L"The skin stream is damaged: %d elements", {count}));
  for (int32_t i = 0; i < count; ++i) {
    const String name = dxSkinReadAnsiText(AStream);
    Add(name, TdxSkinElement::StaticClass())->DataRead(AStream, AVersion);
  }
}

void TdxSkinElements::DataWrite(TStream* AStream) {
  dxStreamWriteInt32(AStream, Count());
  for (int i = 0; i < Count(); ++i) {
    dxSkinWriteAnsiText(AStream, GetItem(i)->Name());
    GetItem(i)->DataWrite(AStream);
  }
}

void TdxSkinElements::SortChildren() {
  for (int i = 0; i < Count(); ++i) GetItem(i)->Sort(true);
}

TdxSkinControlGroup::TdxSkinControlGroup(TPersistent* AOwner, const String& AName)
    : TdxSkinPersistent(AOwner, AName), FElements(std::make_unique<TdxSkinElements>(this, ChangeForwarder())) {}

TdxSkinControlGroup::~TdxSkinControlGroup() = default;

void TdxSkinControlGroup::Assign(TPersistent* ASource) {
  auto* source = dynamic_cast<TdxSkinControlGroup*>(ASource);
  if (!source) return TdxSkinPersistent::Assign(ASource);
  dxSkinInsideUpdate(this, [&] {
    SetName(source->Name());
    FElements->Assign(source->FElements.get());
    Properties()->Assign(source->Properties());
  });
}

void TdxSkinControlGroup::Clear() {
  dxSkinInsideUpdate(this, [&] {
    TdxSkinPersistent::Clear();
    FElements->ClearItems();
  });
}

void TdxSkinControlGroup::Sort(bool ASortChildren) {
  TdxSkinPersistent::Sort(ASortChildren);
  FElements->Sort(ASortChildren);
}

void TdxSkinControlGroup::DataRead(TStream* AStream, double AVersion) {
  FElements->DataRead(AStream, AVersion);
  Properties()->DataRead(AStream, AVersion);
}

void TdxSkinControlGroup::DataWrite(TStream* AStream) {
  FElements->DataWrite(AStream);
  Properties()->DataWrite(AStream);
}

TdxSkinElement* TdxSkinControlGroup::AddElement(const String& AName) {
  return AddElementEx(AName, TdxSkinElement::StaticClass());
}

TdxSkinElement* TdxSkinControlGroup::AddElementEx(const String& AName, TdxSkinElementClass AElementClass) {
  return FElements->Add(AName, AElementClass);
}

bool TdxSkinControlGroup::GetElementByName(const String& AName, TdxSkinElement*& AElement) {
  AElement = GetElementByName(AName);
  return AElement != nullptr;
}

void TdxSkinControlGroup::Delete(int AIndex) { FElements->DeleteItem(FElements->GetItem(AIndex)); }

void TdxSkinControlGroup::RemoveElement(TdxSkinElement* AElement) { FElements->DeleteItem(AElement); }

void TdxSkinControlGroup::RemoveElementByName(const String& AName) {
  if (TdxSkinElement* element = GetElementByName(AName)) RemoveElement(element);
}

void TdxSkinControlGroup::ClearModified() {
  SetModified(false);
  for (int i = 0; i < Count(); ++i) GetElement(i)->SetModified(false);
}

void TdxSkinControlGroup::SetElement(int AIndex, TdxSkinElement* AElement) { GetElement(AIndex)->Assign(AElement); }

bool TdxSkinControlGroup::HasMissingElements() const {
  if (State().Contains(sosUnassigned)) return true;
  for (int i = 0; i < Count(); ++i)
    if (GetElement(i)->State().Contains(sosUnassigned)) return true;
  return false;
}

TdxSkin* TdxSkinControlGroup::Skin() const { return dynamic_cast<TdxSkin*>(GetOwner()); }

TdxSkinControlGroup* TdxSkinControlGroups::Add(const String& AName) {
  auto* group = new TdxSkinControlGroup(Owner(), AName);
  AddItem(group, AName);
  return group;
}

void TdxSkinControlGroups::Assign(TdxSkinControlGroups* ASource) {
  dxSkinInsideUpdate(this, [&] {
    ClearItems();
    for (int i = 0; i < ASource->Count(); ++i) Add(ASource->GetItem(i)->Name())->Assign(ASource->GetItem(i));
  });
}

void TdxSkinControlGroups::DataRead(TStream* AStream, double AVersion) {
  const int32_t count = dxSkinReadInt32(AStream);
  if (count < 0) throw EdxSkinError(Format(L"The skin stream is damaged: %d groups", {count}));
  for (int32_t i = 0; i < count; ++i) Add(dxSkinReadAnsiText(AStream))->DataRead(AStream, AVersion);
}

void TdxSkinControlGroups::DataWrite(TStream* AStream) {
  dxStreamWriteInt32(AStream, Count());
  for (int i = 0; i < Count(); ++i) {
    dxSkinWriteAnsiText(AStream, GetItem(i)->Name());
    GetItem(i)->DataWrite(AStream);
  }
}

void TdxSkinControlGroups::SortChildren() {
  for (int i = 0; i < Count(); ++i) GetItem(i)->Sort(true);
}
