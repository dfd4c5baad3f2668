#include "tests/support/ProcessMemory.h"

#include "vcl/rtl/WinApi.h"

#include <psapi.h>

namespace {
PROCESS_MEMORY_COUNTERS Counters() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof(counters);
  K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
  return counters;
}
}  // namespace

int64_t ProcessResidentBytes() { return static_cast<int64_t>(Counters().WorkingSetSize); }
int64_t ProcessPeakResidentBytes() { return static_cast<int64_t>(Counters().PeakWorkingSetSize); }
