// A module with its own copy of the code library: it starts and stops its
// units when the test program asks, and answers what its copy sees.
#include <memory>

#include "codelib/UclBase.h"
#include "codelib/UclSynch.h"
#include "codelib/UclSysUtils.h"
#include "codelib/UclUnitVersioning.h"

namespace {

const TUnitTable LibraryUnits{UclUnitVersioningUnit, UclBaseUnit, UclSynchUnit, UclSysUtilsUnit};
std::unique_ptr<TUnitStartup> Startup;

}  // namespace

extern "C" {

__declspec(dllexport) void UclTestLibStart() { Startup = std::make_unique<TUnitStartup>(LibraryUnits); }
__declspec(dllexport) void UclTestLibStop() { Startup.reset(); }
__declspec(dllexport) TUnitVersioning* UclTestLibRegistry() { return SharedUnitVersioning(); }
__declspec(dllexport) HINSTANCE UclTestLibInstance() { return UclModuleInstance(); }

// Maps the named shared memory in this module; its address, or null.
__declspec(dllexport) void* UclTestLibMap(const wchar_t* Name, uint32_t Size, int* Result) {
  void* memory = nullptr;
  *Result = MapSharedMemory(memory, Name, Size, FILE_MAP_ALL_ACCESS);
  return memory;
}
__declspec(dllexport) bool UclTestLibUnmap(void* Memory) { return UnmapSharedMemory(Memory); }

}
