#include "vcl/rtl/ClassRegistry.h"

#include <map>

#include "vcl/rtl/Persistent.h"
#include "vcl/rtl/SysUtils.h"

namespace {
struct TNameLess {
  bool operator()(const String& A, const String& B) const { return CompareText(A, B) < 0; }
};

// Made on first use, so registering from any unit's start-up is safe.
std::map<String, TClass, TNameLess>& Registry() {
  static std::map<String, TClass, TNameLess> classes;
  return classes;
}
}  // namespace

namespace {
// The class and its ancestors up to TPersistent (TObject itself is never
// registered).
template <class F>
void ForRegisteredLine(TClass AClass, F&& Action) {
  for (TClass c = AClass; c && c->Parent; c = c->Parent) {
    Action(c);
    if (c == TPersistent::StaticClass()) break;
  }
}
}  // namespace

void RegisterClass(TClass AClass) {
  ForRegisteredLine(AClass, [](TClass c) {
    const TClass known = GetClass(c->Name);
    if (known && known != c) throw EFilerError(Format(L"A class named %s already exists", {c->Name}));
  });
  ForRegisteredLine(AClass, [](TClass c) { Registry().emplace(c->Name, c); });
}

void RegisterClasses(std::initializer_list<TClass> AClasses) {
  for (TClass c : AClasses) RegisterClass(c);
}

void UnRegisterClass(TClass AClass) {
  const auto it = Registry().find(AClass->Name);
  if (it != Registry().end() && it->second == AClass) Registry().erase(it);
}

TClass GetClass(const String& AClassName) {
  const auto it = Registry().find(AClassName);
  return it == Registry().end() ? nullptr : it->second;
}

TClass FindClass(const String& AClassName) {
  TClass c = GetClass(AClassName);
  if (!c) throw EClassNotFound(Format(L"Class %s not found", {AClassName}));
  return c;
}
