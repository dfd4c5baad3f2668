#pragma once
// The class registry: classes found by name at run time (streams name the
// classes of the components they hold; units register theirs at start-up).
#include <initializer_list>

#include "vcl/rtl/System.h"

// Registers the class and its ancestors up to TPersistent. Registering a
// class again does nothing; another class of the same name raises
// EFilerError "A class named %s already exists".
void RegisterClass(TClass AClass);
void RegisterClasses(std::initializer_list<TClass> AClasses);
void UnRegisterClass(TClass AClass);
// Names compare ignoring case. GetClass answers null for an unknown name,
// FindClass raises EClassNotFound "Class %s not found".
TClass GetClass(const String& AClassName);
TClass FindClass(const String& AClassName);

// Class groups: the registry is split into groups, each holding the classes
// that descend from its group classes most closely (the first group, of
// TPersistent, holds the rest). GetClass and FindClass see the active
// groups only; at first only the first group is active.
//
// StartClassGroup makes a group for AClass unless one has it already;
// GroupDescendentsWith puts AClass's descendants into AClassGroup's group
// (EFilerError "Group %s not found" without one); ClassGroupOf answers the
// first group class of the group AClass belongs to.
void StartClassGroup(TClass AClass);
void GroupDescendentsWith(TClass AClass, TClass AClassGroup);
TClass ClassGroupOf(TClass AClass);
// Activates the groups AClass belongs to or is registered in, and only
// those; returns the class activated before.
TClass ActivateClassGroup(TClass AClass);
