#include "codelib/UclSynch.h"

#include "codelib/UclUnitVersioning.h"

TUclWaitResult UclWaitResult(DWORD Answer) {
  switch (Answer) {
    case WAIT_OBJECT_0: return wrSignaled;
    case WAIT_ABANDONED: return wrAbandoned;
    case WAIT_IO_COMPLETION: return wrIoCompletion;
    case WAIT_TIMEOUT: return wrTimeout;
    default: return wrError;
  }
}

// ---------------------------------------------------------------- TUclDispatcherObject

TUclDispatcherObject* TUclDispatcherObject::Attach(HANDLE Handle) {
  auto* object = new TUclDispatcherObject();
  object->FHandle = Handle;
  object->FExisted = true;
  return object;
}

TUclDispatcherObject::~TUclDispatcherObject() {
  if (FHandle) CloseHandle(FHandle);
}

TUclWaitResult TUclDispatcherObject::WaitFor(uint32_t TimeOut) {
  return UclWaitResult(WaitForSingleObject(FHandle, TimeOut));
}

TUclWaitResult TUclDispatcherObject::WaitAlertable(uint32_t TimeOut) {
  return UclWaitResult(WaitForSingleObjectEx(FHandle, TimeOut, TRUE));
}

TUclWaitResult TUclDispatcherObject::SignalAndWait(const TUclDispatcherObject& Obj, uint32_t TimeOut,
                                                   bool Alertable) {
  return UclWaitResult(SignalObjectAndWait(Obj.FHandle, FHandle, TimeOut, Alertable));
}

// ---------------------------------------------------------------- TUclMutex

TUclMutex::TUclMutex(SECURITY_ATTRIBUTES* SecAttr, bool InitialOwner, const String& Name) {
  FName = Name;
  FHandle = CreateMutexW(SecAttr, InitialOwner, Name.empty() ? nullptr : Name.c_str());
  if (!FHandle) throw EUclMutexError(L"Failed to create mutex");
  FExisted = GetLastError() == ERROR_ALREADY_EXISTS;
}

TUclMutex* TUclMutex::Open(uint32_t Access, bool Inheritable, const String& Name) {
  const HANDLE handle = OpenMutexW(Access, Inheritable, Name.c_str());
  if (!handle) throw EUclMutexError(L"Failed to open mutex");
  auto* mutex = new TUclMutex();
  mutex->FName = Name;
  mutex->FExisted = true;
  mutex->FHandle = handle;
  return mutex;
}

bool TUclMutex::Release() { return ReleaseMutex(FHandle); }

// ---------------------------------------------------------------- TUclCriticalSection

TUclCriticalSection::TUclCriticalSection() { InitializeCriticalSection(&FCriticalSection); }
TUclCriticalSection::~TUclCriticalSection() { DeleteCriticalSection(&FCriticalSection); }
void TUclCriticalSection::Enter() { EnterCriticalSection(&FCriticalSection); }
void TUclCriticalSection::Leave() { LeaveCriticalSection(&FCriticalSection); }

void TUclCriticalSection::CreateAndEnter(TUclCriticalSection*& CS) {
  if (!CS) {
    auto* created = new TUclCriticalSection();
    if (InterlockedCompareExchangePointer(reinterpret_cast<void* volatile*>(&CS), created, nullptr))
      delete created;
  }
  CS->Enter();
}

namespace {

const TUnitVersionInfo UnitVersioning = UclUnitVersionInfo(UclCommonSource);

void UclSynchInitialize() { AddUnitVersionRecord(UclModuleInstance(), &UnitVersioning); }
void UclSynchFinalize() { RemoveUnitVersionRecord(UclModuleInstance()); }

}  // namespace

const TUnitEntry UclSynchUnit{L"UclSynch", UclSynchInitialize, UclSynchFinalize};
