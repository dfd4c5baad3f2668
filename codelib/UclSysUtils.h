#pragma once
// System helpers of the code library: named shared memory mapped once per
// process and counted, the process-wide lock over the mapped views, and
// module handles.
#include <cstdint>

#include "codelib/UclBase.h"
#include "vcl/classes/Interfaces.h"
#include "vcl/rtl/WinApi.h"

VCL_EXCEPTION(ESharedMemError, EUclError)

// A critical section offered as an interface: taking a reference enters
// it, giving one back leaves it (neither counts; the owner frees it).
class TUclIntfCriticalSection : public TObject, public IInterface {
  VCL_CLASS(TUclIntfCriticalSection, TObject)
public:
  TUclIntfCriticalSection() { InitializeCriticalSection(&FCriticalSection); }
  ~TUclIntfCriticalSection() override { DeleteCriticalSection(&FCriticalSection); }
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID IID, void** Obj) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

private:
  CRITICAL_SECTION FCriticalSection;
};

// The lock over this process's mapped views, held as long as the returned
// reference is; none once the unit has shut down.
TInterfaceRef<IInterface> SharedMemoryLock();

// Maps the named shared memory into P: 0 when it was created here,
// ERROR_ALREADY_EXISTS (183) when it existed. A name mapped before by this
// process gives the same view again and counts one more user. Raises
// ESharedMemError for a name that does not exist and a Size of 0, and
// EOSError when the platform refuses.
int MapSharedMemory(void*& P, const String& Name, uint32_t Size, uint32_t DesiredAccess);
// Counts one user less and unmaps the view with its last; clears P. True
// also for null; false (P kept) for an address not mapped by MapSharedMemory.
bool UnmapSharedMemory(void*& P);
inline bool CloseSharedMemory(void*& P) { return UnmapSharedMemory(P); }

// Frees a loaded library and clears the handle; nothing for none.
void FreeModuleHandle(HMODULE& Module);

extern const TUnitEntry UclSysUtilsUnit;
