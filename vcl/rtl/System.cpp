#include "vcl/rtl/System.h"

#include "vcl/rtl/SysUtils.h"
#include "vcl/rtl/WinApi.h"

TClass TObject::StaticClass() {
  static const TClassInfo info{L"TObject", nullptr, nullptr, nullptr};
  return &info;
}

bool TObject::ClassInheritsFrom(TClass AClass, TClass AAncestor) {
  for (TClass c = AClass; c; c = c->Parent)
    if (c == AAncestor) return true;
  return false;
}

TObject* TObject::CreateInstance(TClass AClass, TComponent* AOwner) {
  if (!AClass || !AClass->NewInstance)
    throw EInvalidOperation(Format(L"Class %s cannot be created by reference",
                                   {AClass ? AClass->Name : L"(nil)"}));
  return AClass->NewInstance(AOwner);
}

bool IsLibrary() {
  // The module that holds this code, compared with the process's program.
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&IsLibrary), &module);
  return module && module != GetModuleHandleW(nullptr);
}
