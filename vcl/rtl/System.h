#pragma once
// Basic types of the framework: String, TObject and class metadata (TClass).
#include <cstdint>
#include <string>

using String = std::wstring;  // UTF-16 on Windows
using Char = wchar_t;
using TDateTime = double;     // days since 1899-12-30, time as the fraction

class TObject;
class TComponent;

struct TPropTable;  // a class's published properties (vcl/classes/TypInfo.h)

// Class metadata: name, parent, for classes with a virtual constructor the
// routine that creates an instance (components receive their owner), and
// the table of the properties the class itself publishes (or null).
struct TClassInfo {
  const wchar_t* Name;
  const TClassInfo* Parent;
  TObject* (*NewInstance)(TComponent* AOwner);
  const TPropTable* (*Properties)();
};
using TClass = const TClassInfo*;

// A class publishes properties by declaring (VCL_PUBLISHED in TypInfo.h)
//   static const TPropTable* PublishedTable(TPublishedTag<Self>);
// The tag names the class itself, so a parent's table is never taken for
// the child's own.
template <class T>
struct TPublishedTag {};

template <class T>
const TPropTable* OwnPublishedTable() {
  if constexpr (requires { T::PublishedTable(TPublishedTag<T>{}); })
    return T::PublishedTable(TPublishedTag<T>{});
  else
    return nullptr;
}

class TObject {
public:
  TObject() = default;
  virtual ~TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;

  static TClass StaticClass();
  virtual TClass ClassType() const { return StaticClass(); }
  String ClassName() const { return ClassType()->Name; }
  TClass ClassParent() const { return ClassType()->Parent; }
  bool InheritsFrom(TClass AClass) const { return ClassInheritsFrom(ClassType(), AClass); }

  static bool ClassInheritsFrom(TClass AClass, TClass AAncestor);
  // Creates an instance through the class's virtual constructor; raises
  // EInvalidOperation for a class that has none.
  static TObject* CreateInstance(TClass AClass, TComponent* AOwner = nullptr);
};

// Declares a class's metadata inside its body. VCL_CLASS: no virtual
// constructor. VCL_CREATABLE_CLASS: created with its default constructor.
// VCL_COMPONENT_CLASS: created with its owner (Self(TComponent* AOwner)).
#define VCL_WSTR2_(s) L##s
#define VCL_WSTR_(x) VCL_WSTR2_(#x)
#define VCL_CLASS_INFO_(Self, Parent, Factory)                               \
public:                                                                       \
  static TClass StaticClass() {                                               \
    static const TClassInfo info{VCL_WSTR_(Self), Parent::StaticClass(), Factory, \
                                 &OwnPublishedTable<Self>};                       \
    return &info;                                                            \
  }                                                                          \
  TClass ClassType() const override { return StaticClass(); }

#define VCL_CLASS(Self, Parent) \
  VCL_CLASS_INFO_(Self, Parent, nullptr)                                    \
private:

#define VCL_CREATABLE_CLASS(Self, Parent)                                   \
  VCL_CLASS_INFO_(Self, Parent, [](TComponent*) -> TObject* { return new Self(); }) \
private:

#define VCL_COMPONENT_CLASS(Self, Parent)                                   \
  VCL_CLASS_INFO_(Self, Parent,                                             \
                  [](TComponent* AOwner) -> TObject* { return new Self(AOwner); }) \
private:

// The code runs inside a library (a DLL) rather than the program itself.
bool IsLibrary();
