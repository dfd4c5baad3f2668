#include "vcl/rtl/ClassRegistry.h"

#include <algorithm>
#include <map>
#include <vector>

#include "vcl/rtl/Persistent.h"
#include "vcl/rtl/SysUtils.h"

namespace {
struct TNameLess {
  bool operator()(const String& A, const String& B) const { return CompareText(A, B) < 0; }
};

struct TClassGroup {
  std::vector<TClass> GroupClasses;
  std::map<String, TClass, TNameLess> Classes;
  bool Active = false;
};

// How many steps AClass lies below AAncestor; -1 when it does not descend.
int Distance(TClass AClass, TClass AAncestor) {
  int steps = 0;
  for (TClass c = AClass; c; c = c->Parent, ++steps)
    if (c == AAncestor) return steps;
  return -1;
}

// Made on first use, so registering from any unit's start-up is safe.
class TClassGroups {
public:
  TClassGroups() : FActiveClass(TPersistent::StaticClass()) {
    FGroups.push_back({{TPersistent::StaticClass()}, {}, true});
  }

  // The group with the group class closest above AClass; the first group
  // for a class outside all of them.
  TClassGroup& GroupFor(TClass AClass) {
    TClassGroup* best = &FGroups.front();
    int bestDistance = -1;
    for (TClassGroup& group : FGroups)
      for (TClass groupClass : group.GroupClasses) {
        const int distance = Distance(AClass, groupClass);
        if (distance >= 0 && (bestDistance < 0 || distance <= bestDistance)) {
          best = &group;
          bestDistance = distance;
        }
      }
    return *best;
  }

  TClassGroup* GroupOf(TClass AGroupClass) {
    for (TClassGroup& group : FGroups)
      if (std::find(group.GroupClasses.begin(), group.GroupClasses.end(), AGroupClass) != group.GroupClasses.end())
        return &group;
    return nullptr;
  }

  void Start(TClass AClass) {
    if (!GroupOf(AClass)) FGroups.push_back({{AClass}, {}, false});
  }

  TClass Activate(TClass AClass) {
    const TClass previous = FActiveClass;
    FActiveClass = AClass;
    for (TClassGroup& group : FGroups) {
      const auto registered = group.Classes.find(AClass->Name);
      group.Active = std::any_of(group.GroupClasses.begin(), group.GroupClasses.end(),
                                 [&](TClass groupClass) { return Distance(AClass, groupClass) >= 0; }) ||
                     (registered != group.Classes.end() && registered->second == AClass);
    }
    return previous;
  }

  TClass Find(const String& AClassName) const {
    for (const TClassGroup& group : FGroups) {
      if (!group.Active) continue;
      const auto it = group.Classes.find(AClassName);
      if (it != group.Classes.end()) return it->second;
    }
    return nullptr;
  }

  std::vector<TClassGroup> FGroups;  // the first is TPersistent's

private:
  TClass FActiveClass;
};

TClassGroups& Groups() {
  static TClassGroups groups;
  return groups;
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
  ForRegisteredLine(AClass, [](TClass c) { Groups().GroupFor(c).Classes.emplace(c->Name, c); });
}

void RegisterClasses(std::initializer_list<TClass> AClasses) {
  for (TClass c : AClasses) RegisterClass(c);
}

void UnRegisterClass(TClass AClass) {
  for (TClassGroup& group : Groups().FGroups) {
    const auto it = group.Classes.find(AClass->Name);
    if (it != group.Classes.end() && it->second == AClass) group.Classes.erase(it);
  }
}

TClass GetClass(const String& AClassName) { return Groups().Find(AClassName); }

TClass FindClass(const String& AClassName) {
  TClass c = GetClass(AClassName);
  if (!c) throw EClassNotFound(Format(L"Class %s not found", {AClassName}));
  return c;
}

void StartClassGroup(TClass AClass) { Groups().Start(AClass); }

void GroupDescendentsWith(TClass AClass, TClass AClassGroup) {
  if (Distance(AClassGroup, TPersistent::StaticClass()) < 0)
    throw EFilerError(Format(L"Group %s not found", {AClassGroup->Name}));
  TClassGroup& group = Groups().GroupFor(AClassGroup);
  if (std::find(group.GroupClasses.begin(), group.GroupClasses.end(), AClass) == group.GroupClasses.end())
    group.GroupClasses.push_back(AClass);
}

TClass ClassGroupOf(TClass AClass) { return Groups().GroupFor(AClass).GroupClasses.front(); }

TClass ActivateClassGroup(TClass AClass) { return Groups().Activate(AClass); }
