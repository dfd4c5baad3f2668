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
