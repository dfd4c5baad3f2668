#include "codelib/UclSysUtils.h"

#include <memory>
#include <vector>

#include "codelib/UclUnitVersioning.h"

HRESULT STDMETHODCALLTYPE TUclIntfCriticalSection::QueryInterface(REFIID IID, void** Obj) {
  if (IID == IID_IUnknown) {
    *Obj = static_cast<IInterface*>(this);
    AddRef();
    return S_OK;
  }
  *Obj = nullptr;
  return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE TUclIntfCriticalSection::AddRef() {
  EnterCriticalSection(&FCriticalSection);
  return static_cast<ULONG>(-1);
}

ULONG STDMETHODCALLTYPE TUclIntfCriticalSection::Release() {
  LeaveCriticalSection(&FCriticalSection);
  return static_cast<ULONG>(-1);
}

namespace {

TUclIntfCriticalSection* volatile LockObject = nullptr;
bool LockShutDown = false;

// One view this process mapped through MapSharedMemory.
struct TMappedView {
  void* Memory;
  HANDLE Handle;
  String Name;
  int References;
};
// Newest first.
std::vector<TMappedView> MappedViews;

}  // namespace

TInterfaceRef<IInterface> SharedMemoryLock() {
  if (LockShutDown) return nullptr;
  if (!LockObject) {
    auto* created = new TUclIntfCriticalSection();
    if (InterlockedCompareExchangePointer(reinterpret_cast<void* volatile*>(&LockObject), created,
                                          nullptr))
      delete created;
  }
  return TInterfaceRef<IInterface>(LockObject);
}

int MapSharedMemory(void*& P, const String& Name, uint32_t Size, uint32_t DesiredAccess) {
  P = nullptr;
  const auto lock = SharedMemoryLock();
  for (TMappedView& view : MappedViews) {
    if (CompareText(view.Name, Name) == 0) {
      ++view.References;
      P = view.Memory;
      return ERROR_ALREADY_EXISTS;
    }
  }
  int result = 0;
  HANDLE handle = OpenFileMappingW(DesiredAccess, FALSE, Name.c_str());
  if (handle) {
    result = ERROR_ALREADY_EXISTS;
  } else {
    if (Size == 0)
      throw ESharedMemError(Format(L"The MMF named \"%s\" cannot be created empty", {Name}));
    handle = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, Size, Name.c_str());
    if (GetLastError() == ERROR_ALREADY_EXISTS) result = ERROR_ALREADY_EXISTS;
    if (!handle) RaiseLastOSError();
  }
  void* memory = MapViewOfFile(handle, DesiredAccess, 0, 0, Size);
  if (!memory) {
    const DWORD error = GetLastError();
    CloseHandle(handle);
    RaiseLastOSError(error);
  }
  MappedViews.insert(MappedViews.begin(), TMappedView{memory, handle, Name, 1});
  P = memory;
  return result;
}

bool UnmapSharedMemory(void*& P) {
  if (!P) return true;
  const auto lock = SharedMemoryLock();
  for (auto view = MappedViews.begin(); view != MappedViews.end(); ++view) {
    if (view->Memory != P) continue;
    if (view->References < 2) {
      UnmapViewOfFile(view->Memory);
      CloseHandle(view->Handle);
      MappedViews.erase(view);
    } else {
      --view->References;
    }
    P = nullptr;
    return true;
  }
  return false;
}

void FreeModuleHandle(HMODULE& Module) {
  if (Module) FreeLibrary(Module);
  Module = nullptr;
}

namespace {

const TUnitVersionInfo UnitVersioning = UclUnitVersionInfo(UclCommonSource);

void UclSysUtilsInitialize() {
  LockShutDown = false;
  AddUnitVersionRecord(UclModuleInstance(), &UnitVersioning);
}

void UclSysUtilsFinalize() {
  RemoveUnitVersionRecord(UclModuleInstance());
  LockShutDown = true;
  delete LockObject;
  LockObject = nullptr;
}

}  // namespace

const TUnitEntry UclSysUtilsUnit{L"UclSysUtils", UclSysUtilsInitialize, UclSysUtilsFinalize};
