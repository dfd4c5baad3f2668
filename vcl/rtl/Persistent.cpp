#include "vcl/rtl/Persistent.h"

#include "vcl/rtl/SysUtils.h"

void TPersistent::Assign(TPersistent* Source) {
  if (!Source) AssignError(nullptr);
  Source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* Dest) { Dest->AssignError(this); }

void TPersistent::AssignError(const TPersistent* Source) const {
  const String sourceName = Source ? Source->ClassName() : String(L"nil");
  throw EConvertError(Format(L"Cannot assign a %s to a %s", {sourceName, ClassName()}));
}

String TPersistent::GetNamePath() const {
  String path;
  if (const TPersistent* owner = GetOwner()) {
    path = owner->GetNamePath();
    if (!path.empty()) path += L".";
  }
  return path + ClassName();
}
