#include "vcl/classes/TypInfo.h"

#include <algorithm>
#include <limits>

#include "vcl/rtl/DateUtils.h"

// ---------------------------------------------------------------- type information

namespace TypInfoDetail {
namespace {
template <class V>
PTypeInfo OrdinalInfo(TTypeKind Kind, const wchar_t* Name) {
  static const TTypeInfo info{Kind, Name, {}, nullptr,
                              static_cast<int64_t>(std::numeric_limits<V>::min()),
                              static_cast<int64_t>(std::numeric_limits<V>::max())};
  return &info;
}
}  // namespace

PTypeInfo BasicTypeInfo(const String*) {
  static const TTypeInfo info{tkUString, L"string"};
  return &info;
}
PTypeInfo BasicTypeInfo(const bool*) {
  static const TTypeInfo info{tkEnumeration, L"Boolean", {L"False", L"True"}, nullptr, 0, 1};
  return &info;
}
PTypeInfo BasicTypeInfo(const wchar_t*) { return OrdinalInfo<wchar_t>(tkWChar, L"Char"); }
PTypeInfo BasicTypeInfo(const signed char*) { return OrdinalInfo<signed char>(tkInteger, L"ShortInt"); }
PTypeInfo BasicTypeInfo(const unsigned char*) { return OrdinalInfo<unsigned char>(tkInteger, L"Byte"); }
PTypeInfo BasicTypeInfo(const short*) { return OrdinalInfo<short>(tkInteger, L"SmallInt"); }
PTypeInfo BasicTypeInfo(const unsigned short*) { return OrdinalInfo<unsigned short>(tkInteger, L"Word"); }
PTypeInfo BasicTypeInfo(const int*) { return OrdinalInfo<int>(tkInteger, L"Integer"); }
PTypeInfo BasicTypeInfo(const unsigned*) { return OrdinalInfo<unsigned>(tkInteger, L"Cardinal"); }
PTypeInfo BasicTypeInfo(const long*) { return OrdinalInfo<long>(tkInteger, L"Integer"); }
PTypeInfo BasicTypeInfo(const unsigned long*) { return OrdinalInfo<unsigned long>(tkInteger, L"Cardinal"); }
PTypeInfo BasicTypeInfo(const long long*) { return OrdinalInfo<long long>(tkInt64, L"Int64"); }
PTypeInfo BasicTypeInfo(const unsigned long long*) {
  // Carried in 64 signed bits: the upper half of the range is not reachable.
  static const TTypeInfo info{tkInt64, L"UInt64", {}, nullptr, 0, INT64_MAX};
  return &info;
}
PTypeInfo BasicTypeInfo(const float*) {
  static const TTypeInfo info{tkFloat, L"Single"};
  return &info;
}
PTypeInfo BasicTypeInfo(const double*) {
  static const TTypeInfo info{tkFloat, L"Double"};
  return &info;
}
PTypeInfo BasicTypeInfo(const Variant*) {
  static const TTypeInfo info{tkVariant, L"Variant"};
  return &info;
}

void MissingTypeInfo(const wchar_t* PropName) {
  throw EPropertyError(Format(L"Property %s needs the type information of its enumeration", {PropName}));
}
}  // namespace TypInfoDetail

TTypeInfo EnumTypeInfo(const wchar_t* Name, std::initializer_list<const wchar_t*> Names) {
  TTypeInfo info{tkEnumeration, Name, {}, nullptr, 0, static_cast<int64_t>(Names.size()) - 1};
  for (const wchar_t* n : Names) info.EnumNames.emplace_back(n);
  return info;
}

TTypeInfo InterfaceTypeInfo(const wchar_t* Name, REFIID Guid) {
  TTypeInfo info{tkInterface, Name};
  info.Guid = Guid;
  return info;
}

TTypeInfo SetTypeInfo(const wchar_t* Name, PTypeInfo ElementType) {
  // The range is read from the elements when needed: they may be another
  // unit's, not made yet.
  TTypeInfo info{tkSet, Name};
  info.CompType = ElementType;
  return info;
}

PTypeInfo DateTimeTypeInfo() {
  static const TTypeInfo info{tkFloat, L"TDateTime"};
  return &info;
}

String GetEnumName(PTypeInfo TypeInfo, int Value) {
  if (Value < 0 || Value >= static_cast<int>(TypeInfo->EnumNames.size())) return String();
  return TypeInfo->EnumNames[Value];
}

int GetEnumValue(PTypeInfo TypeInfo, const String& Name) {
  for (size_t i = 0; i < TypeInfo->EnumNames.size(); ++i)
    if (SameText(TypeInfo->EnumNames[i], Name)) return static_cast<int>(i);
  return -1;
}

namespace {
// Every member of a set type.
int64_t SetBits(PTypeInfo TypeInfo) {
  const size_t count = TypeInfo->CompType->EnumNames.size();
  return count >= 63 ? INT64_MAX : (int64_t{1} << count) - 1;
}
}  // namespace

String SetToString(PTypeInfo TypeInfo, int64_t Value, bool Brackets) {
  String result;
  const std::vector<String>& names = TypeInfo->CompType->EnumNames;
  for (size_t i = 0; i < names.size() && i < 63; ++i) {
    if (!(Value & (int64_t{1} << i))) continue;
    if (!result.empty()) result += L',';
    result += names[i];
  }
  return Brackets ? L"[" + result + L"]" : result;
}

int64_t StringToSet(PTypeInfo TypeInfo, const String& Value) {
  String text = Trim(Value);
  if (!text.empty() && text.front() == L'[' && text.back() == L']') text = text.substr(1, text.size() - 2);
  int64_t result = 0;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t comma = std::min(text.find(L',', start), text.size());
    const String name = Trim(text.substr(start, comma - start));
    start = comma + 1;
    if (name.empty()) continue;
    const int ordinal = GetEnumValue(TypeInfo->CompType, name);
    if (ordinal < 0) throw EPropertyConvertError(Format(L"Invalid property element: %s", {name}));
    result |= int64_t{1} << ordinal;
  }
  return result;
}

// ---------------------------------------------------------------- lookup

PPropInfo GetPropInfo(TClass AClass, const String& PropName) {
  for (TClass c = AClass; c; c = c->Parent) {
    const TPropTable* table = c->Properties ? c->Properties() : nullptr;
    if (!table) continue;
    for (const TPropInfo& p : table->Properties)
      if (SameText(p.Name, PropName)) return &p;
  }
  return nullptr;
}

PPropInfo GetPropInfo(const TObject* Instance, const String& PropName) {
  return GetPropInfo(Instance->ClassType(), PropName);
}

std::vector<PPropInfo> GetPropList(TClass AClass) {
  std::vector<TClass> line;
  for (TClass c = AClass; c; c = c->Parent) line.push_back(c);
  std::vector<PPropInfo> list;
  for (auto c = line.rbegin(); c != line.rend(); ++c) {
    const TPropTable* table = (*c)->Properties ? (*c)->Properties() : nullptr;
    if (!table) continue;
    for (const TPropInfo& p : table->Properties) {
      auto hidden = std::find_if(list.begin(), list.end(), [&](PPropInfo q) { return SameText(q->Name, p.Name); });
      if (hidden != list.end())
        *hidden = &p;
      else
        list.push_back(&p);
    }
  }
  return list;
}

std::vector<PPropInfo> GetPropList(const TObject* Instance) { return GetPropList(Instance->ClassType()); }

bool IsPublishedProp(const TObject* Instance, const String& PropName) {
  return GetPropInfo(Instance, PropName) != nullptr;
}

namespace {
PPropInfo FindProp(const TObject* Instance, const String& PropName) {
  PPropInfo p = GetPropInfo(Instance, PropName);
  if (!p) throw EPropertyError(Format(L"Property %s does not exist", {PropName}));
  return p;
}

[[noreturn]] void InvalidType(PPropInfo Prop) {
  throw EPropertyConvertError(Format(L"Invalid property type: %s", {Prop->PropType->Name}));
}

void CheckReadOnly(PPropInfo Prop) {
  if (!Prop->IsWritable()) throw EPropertyError(Format(L"Property %s is read-only", {Prop->Name}));
}

bool IsKind(PPropInfo Prop, TTypeKind Kind) { return Prop->PropType->Kind == Kind; }
}  // namespace

TTypeKind PropType(const TObject* Instance, const String& PropName) {
  return FindProp(Instance, PropName)->PropType->Kind;
}

// ---------------------------------------------------------------- access

String GetStrProp(const TObject* Instance, PPropInfo Prop) {
  if (!Prop->GetStr) InvalidType(Prop);
  return Prop->GetStr(Instance);
}

void SetStrProp(TObject* Instance, PPropInfo Prop, const String& Value) {
  if (!Prop->GetStr) InvalidType(Prop);
  CheckReadOnly(Prop);
  Prop->SetStr(Instance, Value);
}

int64_t GetOrdProp(const TObject* Instance, PPropInfo Prop) {
  if (!Prop->GetOrd) InvalidType(Prop);
  return Prop->GetOrd(Instance);
}

void SetOrdProp(TObject* Instance, PPropInfo Prop, int64_t Value) {
  if (!Prop->GetOrd) InvalidType(Prop);
  CheckReadOnly(Prop);
  const TTypeInfo& type = *Prop->PropType;
  const bool inRange = type.Kind == tkSet ? (Value & ~SetBits(&type)) == 0
                                          : type.Kind == tkClass || type.Kind == tkInterface ||
                                                (Value >= type.MinValue && Value <= type.MaxValue);
  if (!inRange)
    throw EPropertyConvertError(
        Format(L"Value %d is out of the range of %s for property %s", {Value, type.Name, Prop->Name}));
  Prop->SetOrd(Instance, Value);
}

double GetFloatProp(const TObject* Instance, PPropInfo Prop) {
  if (!Prop->GetFloat) InvalidType(Prop);
  return Prop->GetFloat(Instance);
}

void SetFloatProp(TObject* Instance, PPropInfo Prop, double Value) {
  if (!Prop->GetFloat) InvalidType(Prop);
  CheckReadOnly(Prop);
  Prop->SetFloat(Instance, Value);
}

TObject* GetObjectProp(const TObject* Instance, PPropInfo Prop) {
  if (!IsKind(Prop, tkClass)) InvalidType(Prop);
  return reinterpret_cast<TObject*>(static_cast<intptr_t>(Prop->GetOrd(Instance)));
}

void SetObjectProp(TObject* Instance, PPropInfo Prop, TObject* Value) {
  if (!IsKind(Prop, tkClass)) InvalidType(Prop);
  SetOrdProp(Instance, Prop, reinterpret_cast<intptr_t>(Value));
}

IInterface* GetInterfaceProp(const TObject* Instance, PPropInfo Prop) {
  if (!IsKind(Prop, tkInterface)) InvalidType(Prop);
  return reinterpret_cast<IInterface*>(static_cast<intptr_t>(Prop->GetOrd(Instance)));
}

void SetInterfaceProp(TObject* Instance, PPropInfo Prop, IInterface* Value) {
  if (!IsKind(Prop, tkInterface)) InvalidType(Prop);
  SetOrdProp(Instance, Prop, reinterpret_cast<intptr_t>(Value));
}

String GetStrProp(const TObject* Instance, const String& PropName) {
  return GetStrProp(Instance, FindProp(Instance, PropName));
}
void SetStrProp(TObject* Instance, const String& PropName, const String& Value) {
  SetStrProp(Instance, FindProp(Instance, PropName), Value);
}
int64_t GetOrdProp(const TObject* Instance, const String& PropName) {
  return GetOrdProp(Instance, FindProp(Instance, PropName));
}
void SetOrdProp(TObject* Instance, const String& PropName, int64_t Value) {
  SetOrdProp(Instance, FindProp(Instance, PropName), Value);
}
double GetFloatProp(const TObject* Instance, const String& PropName) {
  return GetFloatProp(Instance, FindProp(Instance, PropName));
}
void SetFloatProp(TObject* Instance, const String& PropName, double Value) {
  SetFloatProp(Instance, FindProp(Instance, PropName), Value);
}
TObject* GetObjectProp(const TObject* Instance, const String& PropName) {
  return GetObjectProp(Instance, FindProp(Instance, PropName));
}
void SetObjectProp(TObject* Instance, const String& PropName, TObject* Value) {
  SetObjectProp(Instance, FindProp(Instance, PropName), Value);
}

String GetEnumProp(const TObject* Instance, const String& PropName) {
  PPropInfo p = FindProp(Instance, PropName);
  if (!IsKind(p, tkEnumeration)) InvalidType(p);
  return GetEnumName(p->PropType, static_cast<int>(p->GetOrd(Instance)));
}

void SetEnumProp(TObject* Instance, const String& PropName, const String& Value) {
  PPropInfo p = FindProp(Instance, PropName);
  if (!IsKind(p, tkEnumeration)) InvalidType(p);
  const int ordinal = GetEnumValue(p->PropType, Value);
  if (ordinal < 0)
    throw EPropertyConvertError(Format(L"Invalid property element: %s", {Value}));
  SetOrdProp(Instance, p, ordinal);
}

String GetSetProp(const TObject* Instance, const String& PropName, bool Brackets) {
  PPropInfo p = FindProp(Instance, PropName);
  if (!IsKind(p, tkSet)) InvalidType(p);
  return SetToString(p->PropType, p->GetOrd(Instance), Brackets);
}

void SetSetProp(TObject* Instance, const String& PropName, const String& Value) {
  PPropInfo p = FindProp(Instance, PropName);
  if (!IsKind(p, tkSet)) InvalidType(p);
  SetOrdProp(Instance, p, StringToSet(p->PropType, Value));
}

// ---------------------------------------------------------------- variants

Variant GetVariantProp(const TObject* Instance, PPropInfo Prop) {
  if (!IsKind(Prop, tkVariant)) InvalidType(Prop);
  return Prop->GetVar(Instance);
}

void SetVariantProp(TObject* Instance, PPropInfo Prop, const Variant& Value) {
  if (!IsKind(Prop, tkVariant)) InvalidType(Prop);
  CheckReadOnly(Prop);
  Prop->SetVar(Instance, Value);
}

Variant GetPropValue(const TObject* Instance, PPropInfo Prop, bool PreferStrings) {
  const TTypeInfo& type = *Prop->PropType;
  switch (type.Kind) {
    case tkInteger:
      if (type.MinValue >= INT32_MIN && type.MaxValue <= INT32_MAX)
        return Variant(static_cast<int>(Prop->GetOrd(Instance)));
      return Variant(static_cast<long long>(Prop->GetOrd(Instance)));
    case tkInt64: return Variant(static_cast<long long>(Prop->GetOrd(Instance)));
    case tkWChar: return Variant(String(1, static_cast<Char>(Prop->GetOrd(Instance))));
    case tkFloat:
      return &type == DateTimeTypeInfo() ? VarFromDateTime(Prop->GetFloat(Instance))
                                         : Variant(Prop->GetFloat(Instance));
    case tkUString: return Variant(Prop->GetStr(Instance));
    case tkEnumeration: {
      const int64_t ordinal = Prop->GetOrd(Instance);
      if (&type == TypInfoDetail::BasicTypeInfo(static_cast<const bool*>(nullptr)))
        return Variant(ordinal != 0);
      return PreferStrings ? Variant(GetEnumName(&type, static_cast<int>(ordinal)))
                           : Variant(static_cast<int>(ordinal));
    }
    case tkSet: return Variant(SetToString(&type, Prop->GetOrd(Instance)));
    case tkVariant: return Prop->GetVar(Instance);
    default: InvalidType(Prop);
  }
}

Variant GetPropValue(const TObject* Instance, const String& PropName, bool PreferStrings) {
  return GetPropValue(Instance, FindProp(Instance, PropName), PreferStrings);
}

void SetPropValue(TObject* Instance, PPropInfo Prop, const Variant& Value) {
  const TTypeInfo& type = *Prop->PropType;
  switch (type.Kind) {
    case tkInteger:
    case tkInt64: SetOrdProp(Instance, Prop, Value.AsInt64()); break;
    case tkWChar: {
      const String s = Value.AsString();
      if (s.size() != 1) throw EPropertyConvertError(Format(L"Invalid property value: '%s'", {s}));
      SetOrdProp(Instance, Prop, s[0]);
      break;
    }
    case tkFloat:
      SetFloatProp(Instance, Prop, &type == DateTimeTypeInfo() ? Value.AsDateTime() : Value.AsDouble());
      break;
    case tkUString: SetStrProp(Instance, Prop, Value.AsString()); break;
    case tkEnumeration:
      if (&type == TypInfoDetail::BasicTypeInfo(static_cast<const bool*>(nullptr))) {
        SetOrdProp(Instance, Prop, Value.AsBoolean());
      } else if (VarIsStr(Value)) {
        const int ordinal = GetEnumValue(&type, Value.AsString());
        if (ordinal < 0)
          throw EPropertyConvertError(Format(L"Invalid property element: %s", {Value.AsString()}));
        SetOrdProp(Instance, Prop, ordinal);
      } else {
        SetOrdProp(Instance, Prop, Value.AsInt64());
      }
      break;
    case tkSet:
      SetOrdProp(Instance, Prop, VarIsStr(Value) ? StringToSet(&type, Value.AsString()) : Value.AsInt64());
      break;
    case tkVariant: SetVariantProp(Instance, Prop, Value); break;
    default: InvalidType(Prop);
  }
}

void SetPropValue(TObject* Instance, const String& PropName, const Variant& Value) {
  SetPropValue(Instance, FindProp(Instance, PropName), Value);
}
