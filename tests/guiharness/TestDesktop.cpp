#include "tests/guiharness/TestDesktop.h"

#include "vcl/rtl/SysUtils.h"
#include "vcl/rtl/WinApi.h"

namespace {
// The desktop lives as long as the process: its windows are on it until
// the very end.
void TestDesktopInitialize() {
  String name = L"conversao-test-" + IntToStr(GetCurrentProcessId());
  HDESK desktop = CreateDesktopW(name.c_str(), nullptr, nullptr, 0, GENERIC_ALL, nullptr);
  if (!desktop || !SetThreadDesktop(desktop)) RaiseLastOSError();
}
}  // namespace

const TUnitEntry TestDesktopUnit{L"TestDesktop", TestDesktopInitialize, nullptr};
