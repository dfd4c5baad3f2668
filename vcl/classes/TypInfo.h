#pragma once
// Published properties: a class lists properties in a table (its parent's
// are inherited), so they can be found, read and written by name, with their
// type's name and kind, and streamed.
//
//   class TFoo : public TComponent {
//     VCL_COMPONENT_CLASS(TFoo, TComponent)
//     VCL_PUBLISHED(TFoo)
//     ...
//   };
//   const TPropTable* TFoo::PublishedTable(TPublishedTag<TFoo>) {
//     static const TPropTable table = TPublished<TFoo>()
//         .Property(L"Caption", &TFoo::Caption, &TFoo::SetCaption)
//         .Property(L"Kind", &TFoo::Kind, &TFoo::SetKind, &FooKindTypeInfo)
//         .Build();
//     return &table;
//   }
//
// Getters are const member functions or data members; setters member
// functions taking the value, data members, or nullptr (read-only).
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <type_traits>
#include <vector>

#include "vcl/classes/Interfaces.h"
#include "vcl/rtl/Sets.h"
#include "vcl/rtl/SysUtils.h"
#include "vcl/rtl/Variants.h"

enum class TTypeKind {
  tkUnknown, tkInteger, tkChar, tkEnumeration, tkFloat, tkString, tkSet, tkClass, tkMethod,
  tkWChar, tkLString, tkWString, tkVariant, tkArray, tkRecord, tkInterface, tkInt64, tkDynArray,
  tkUString
};
using enum TTypeKind;

VCL_EXCEPTION(EPropertyConvertError, EPropertyError)

struct TTypeInfo {
  TTypeKind Kind = tkUnknown;
  String Name;                    // "Integer", "string", "Boolean", "TDateTime", "TAlign", ...
  std::vector<String> EnumNames;  // tkEnumeration: the names by ordinal value
  TClass ClassType = nullptr;     // tkClass: the property's class
  int64_t MinValue = 0, MaxValue = 0;  // tkInteger, tkInt64, tkEnumeration
  TGUID Guid{};                        // tkInterface: the interface's identifier
  const TTypeInfo* CompType = nullptr;  // tkSet: the enumeration of its elements
};
using PTypeInfo = const TTypeInfo*;

// An enumeration's type information, for the table's enumerated properties.
TTypeInfo EnumTypeInfo(const wchar_t* Name, std::initializer_list<const wchar_t*> Names);
PTypeInfo DateTimeTypeInfo();  // TDateTime is a double: say so explicitly
// An interface's type information, for the table's interface properties
// (pointers to an interface type; the setter gets the object's interface
// of that identifier).
TTypeInfo InterfaceTypeInfo(const wchar_t* Name, REFIID Guid);
// A set's type information, over its elements' enumeration; the set's
// ordinal value is its bits.
TTypeInfo SetTypeInfo(const wchar_t* Name, PTypeInfo ElementType);

struct TPropInfo {
  String Name;
  PTypeInfo PropType;
  TClass DeclaringClass;
  // Set by kind; setters are empty for a read-only property. Ordinal
  // values carry integers, enumerations, booleans, object pointers and
  // interface pointers (as IInterface).
  std::function<int64_t(const TObject*)> GetOrd;
  std::function<void(TObject*, int64_t)> SetOrd;
  std::function<double(const TObject*)> GetFloat;
  std::function<void(TObject*, double)> SetFloat;
  std::function<String(const TObject*)> GetStr;
  std::function<void(TObject*, const String&)> SetStr;
  // Whether the writer streams the value (a stored specifier or a default);
  // empty: always.
  std::function<bool(const TObject*)> IsStored;
  std::function<Variant(const TObject*)> GetVar;
  std::function<void(TObject*, const Variant&)> SetVar;
  bool IsWritable() const { return SetOrd || SetFloat || SetStr || SetVar; }
};
using PPropInfo = const TPropInfo*;

struct TPropTable {
  std::vector<TPropInfo> Properties;
};

#define VCL_PUBLISHED(Self)                                              \
public:                                                                  \
  static const TPropTable* PublishedTable(TPublishedTag<Self>);         \
private:

namespace TypInfoDetail {
PTypeInfo BasicTypeInfo(const String*);
PTypeInfo BasicTypeInfo(const bool*);
PTypeInfo BasicTypeInfo(const wchar_t*);
PTypeInfo BasicTypeInfo(const signed char*);
PTypeInfo BasicTypeInfo(const unsigned char*);
PTypeInfo BasicTypeInfo(const short*);
PTypeInfo BasicTypeInfo(const unsigned short*);
PTypeInfo BasicTypeInfo(const int*);
PTypeInfo BasicTypeInfo(const unsigned*);
PTypeInfo BasicTypeInfo(const long*);
PTypeInfo BasicTypeInfo(const unsigned long*);
PTypeInfo BasicTypeInfo(const long long*);
PTypeInfo BasicTypeInfo(const unsigned long long*);
PTypeInfo BasicTypeInfo(const float*);
PTypeInfo BasicTypeInfo(const double*);
PTypeInfo BasicTypeInfo(const Variant*);

template <class C>
PTypeInfo ClassTypeInfo() {
  static const TTypeInfo info{tkClass, C::StaticClass()->Name, {}, C::StaticClass()};
  return &info;
}

[[noreturn]] void MissingTypeInfo(const wchar_t* PropName);
void CheckOrdinalRange(const TPropInfo& Prop, int64_t Value);

template <class V>
struct IsSet : std::false_type {};
template <class E>
struct IsSet<TSet<E>> : std::true_type {};

template <class T, class M, class V>
void Assign(T& Object, M Setter, V Value) {
  if constexpr (std::is_member_object_pointer_v<M>)
    Object.*Setter = std::move(Value);
  else
    (Object.*Setter)(std::move(Value));
}
}  // namespace TypInfoDetail

template <class T>
class TPublished {
public:
  template <class G, class S = std::nullptr_t>
  TPublished& Property(const wchar_t* Name, G Getter, S Setter = nullptr,
                       PTypeInfo Type = nullptr) {
    using V = std::remove_cvref_t<std::invoke_result_t<G, const T&>>;
    TPropInfo p{Name, Type, T::StaticClass(), {}, {}, {}, {}, {}, {}, {}};
    auto self = [](const TObject* o) -> const T& { return *static_cast<const T*>(o); };
    auto mut = [](TObject* o) -> T& { return *static_cast<T*>(o); };
    constexpr bool writable = !std::is_null_pointer_v<S>;
    if constexpr (std::is_same_v<V, String>) {
      p.GetStr = [=](const TObject* o) { return String(std::invoke(Getter, self(o))); };
      if constexpr (writable)
        p.SetStr = [=](TObject* o, const String& v) { TypInfoDetail::Assign(mut(o), Setter, v); };
    } else if constexpr (std::is_same_v<V, Variant>) {
      p.GetVar = [=](const TObject* o) { return Variant(std::invoke(Getter, self(o))); };
      if constexpr (writable)
        p.SetVar = [=](TObject* o, const Variant& v) { TypInfoDetail::Assign(mut(o), Setter, v); };
    } else if constexpr (std::is_floating_point_v<V>) {
      p.GetFloat = [=](const TObject* o) { return double(std::invoke(Getter, self(o))); };
      if constexpr (writable)
        p.SetFloat = [=](TObject* o, double v) { TypInfoDetail::Assign(mut(o), Setter, V(v)); };
    } else if constexpr (std::is_pointer_v<V> && std::is_base_of_v<IInterface, std::remove_pointer_t<V>> &&
                         !std::is_base_of_v<TObject, std::remove_pointer_t<V>>) {
      using I = std::remove_cv_t<std::remove_pointer_t<V>>;
      if (!Type) TypInfoDetail::MissingTypeInfo(Name);
      p.GetOrd = [=](const TObject* o) {
        return int64_t(reinterpret_cast<intptr_t>(static_cast<IInterface*>(std::invoke(Getter, self(o)))));
      };
      if constexpr (writable)
        p.SetOrd = [=](TObject* o, int64_t v) {
          auto* object = reinterpret_cast<IInterface*>(static_cast<intptr_t>(v));
          const TInterfaceRef<I> typed = Supports<I>(object, Type->Guid);
          if (object && !typed)
            throw EPropertyConvertError(Format(L"Invalid property value: the object does not offer %s", {Type->Name}));
          TypInfoDetail::Assign(mut(o), Setter, typed.Get());
        };
    } else if constexpr (std::is_pointer_v<V>) {
      using C = std::remove_cv_t<std::remove_pointer_t<V>>;
      if (!Type) p.PropType = TypInfoDetail::ClassTypeInfo<C>();
      p.GetOrd = [=](const TObject* o) {
        return int64_t(reinterpret_cast<intptr_t>(static_cast<const TObject*>(std::invoke(Getter, self(o)))));
      };
      if constexpr (writable)
        p.SetOrd = [=](TObject* o, int64_t v) {
          auto* object = reinterpret_cast<TObject*>(static_cast<intptr_t>(v));
          C* typed = dynamic_cast<C*>(object);
          if (object && !typed)
            throw EPropertyConvertError(Format(L"Invalid property value: a %s is not a %s",
                                               {object->ClassName(), C::StaticClass()->Name}));
          TypInfoDetail::Assign(mut(o), Setter, typed);
        };
    } else if constexpr (TypInfoDetail::IsSet<V>::value) {
      if (!Type) TypInfoDetail::MissingTypeInfo(Name);
      p.GetOrd = [=](const TObject* o) { return int64_t(std::invoke(Getter, self(o)).Bits()); };
      if constexpr (writable)
        p.SetOrd = [=](TObject* o, int64_t v) { TypInfoDetail::Assign(mut(o), Setter, V::FromBits(uint64_t(v))); };
    } else {  // integers, booleans, enumerations
      static_assert(std::is_integral_v<V> || std::is_enum_v<V>, "unsupported property type");
      if constexpr (std::is_enum_v<V>) {
        if (!Type) TypInfoDetail::MissingTypeInfo(Name);
      }
      p.GetOrd = [=](const TObject* o) { return int64_t(std::invoke(Getter, self(o))); };
      if constexpr (writable)
        p.SetOrd = [=](TObject* o, int64_t v) { TypInfoDetail::Assign(mut(o), Setter, V(v)); };
    }
    if (!p.PropType) {
      if constexpr (!std::is_pointer_v<V> && !std::is_enum_v<V> && !TypInfoDetail::IsSet<V>::value)
        p.PropType = TypInfoDetail::BasicTypeInfo(static_cast<const V*>(nullptr));
    }
    FTable.Properties.push_back(std::move(p));
    return *this;
  }

  // The property declared last is streamed only when AStored (a const
  // member function or a plain predicate of the object) answers true.
  template <class P>
  TPublished& Stored(P AStored) {
    FTable.Properties.back().IsStored = [=](const TObject* o) {
      return bool(std::invoke(AStored, *static_cast<const T*>(o)));
    };
    return *this;
  }

  TPropTable Build() { return std::move(FTable); }

private:
  TPropTable FTable;
};

// A table's getter for a member function that is not const (one that may
// prepare what it answers): .Property(L"Caption", NonConstGetter<&TFoo::Caption>, ...).
template <auto Getter>
constexpr auto NonConstGetter = [](const auto& AObject) {
  using O = std::remove_cvref_t<decltype(AObject)>;
  return (const_cast<O&>(AObject).*Getter)();
};

// Lookup by name ignores case; a child's property hides its parent's of the
// same name. The name forms raise EPropertyError "Property %s does not
// exist"; a property of another kind than the routine's raises
// EPropertyConvertError "Invalid property type: <type name>".
PPropInfo GetPropInfo(TClass AClass, const String& PropName);  // null when none
PPropInfo GetPropInfo(const TObject* Instance, const String& PropName);
// The ancestors' properties first, each class's in the order declared.
std::vector<PPropInfo> GetPropList(TClass AClass);
std::vector<PPropInfo> GetPropList(const TObject* Instance);
bool IsPublishedProp(const TObject* Instance, const String& PropName);
TTypeKind PropType(const TObject* Instance, const String& PropName);

String GetStrProp(const TObject* Instance, PPropInfo Prop);
String GetStrProp(const TObject* Instance, const String& PropName);
void SetStrProp(TObject* Instance, PPropInfo Prop, const String& Value);
void SetStrProp(TObject* Instance, const String& PropName, const String& Value);
int64_t GetOrdProp(const TObject* Instance, PPropInfo Prop);
int64_t GetOrdProp(const TObject* Instance, const String& PropName);
// Integers and enumerations out of their type's range raise EPropertyConvertError.
void SetOrdProp(TObject* Instance, PPropInfo Prop, int64_t Value);
void SetOrdProp(TObject* Instance, const String& PropName, int64_t Value);
double GetFloatProp(const TObject* Instance, PPropInfo Prop);
double GetFloatProp(const TObject* Instance, const String& PropName);
void SetFloatProp(TObject* Instance, PPropInfo Prop, double Value);
void SetFloatProp(TObject* Instance, const String& PropName, double Value);
String GetEnumProp(const TObject* Instance, const String& PropName);
void SetEnumProp(TObject* Instance, const String& PropName, const String& Value);
TObject* GetObjectProp(const TObject* Instance, PPropInfo Prop);
TObject* GetObjectProp(const TObject* Instance, const String& PropName);
void SetObjectProp(TObject* Instance, PPropInfo Prop, TObject* Value);
void SetObjectProp(TObject* Instance, const String& PropName, TObject* Value);
IInterface* GetInterfaceProp(const TObject* Instance, PPropInfo Prop);
// Raises EPropertyConvertError when Value does not offer the property's
// interface.
void SetInterfaceProp(TObject* Instance, PPropInfo Prop, IInterface* Value);

// A variant property's value as it stands.
Variant GetVariantProp(const TObject* Instance, PPropInfo Prop);
void SetVariantProp(TObject* Instance, PPropInfo Prop, const Variant& Value);

// As a variant: integers as varInteger/varInt64, floats as varDouble
// (TDateTime as varDate), strings as varUString, booleans as varBoolean,
// other enumerations by name (or ordinal without PreferStrings), sets as
// their text without brackets. Objects
// have no variant form (EPropertyConvertError).
Variant GetPropValue(const TObject* Instance, PPropInfo Prop, bool PreferStrings = true);
Variant GetPropValue(const TObject* Instance, const String& PropName, bool PreferStrings = true);
// Converts the variant to the property's type (the variant conversion
// errors pass on); an enumeration takes a name or an ordinal, a set its
// text or its bits.
void SetPropValue(TObject* Instance, PPropInfo Prop, const Variant& Value);
void SetPropValue(TObject* Instance, const String& PropName, const Variant& Value);

// Sets as text: the element names joined by commas, in element order,
// within brackets when asked ("[fsBold,fsItalic]"). StringToSet takes that
// form with or without brackets and blanks; an unknown name raises
// EPropertyConvertError "Invalid property element: <name>".
String SetToString(PTypeInfo TypeInfo, int64_t Value, bool Brackets = false);
int64_t StringToSet(PTypeInfo TypeInfo, const String& Value);
String GetSetProp(const TObject* Instance, const String& PropName, bool Brackets = false);
void SetSetProp(TObject* Instance, const String& PropName, const String& Value);

String GetEnumName(PTypeInfo TypeInfo, int Value);  // empty outside the range
int GetEnumValue(PTypeInfo TypeInfo, const String& Name);  // -1 when unknown; ignores case
