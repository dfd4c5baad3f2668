#pragma once
// Synchronisation objects: waitable kernel objects, named mutexes and
// critical sections.
#include <cstdint>

#include "codelib/UclBase.h"
#include "vcl/rtl/WinApi.h"

VCL_EXCEPTION(EUclMutexError, EUclWin32Error)

enum class TUclWaitResult { wrAbandoned, wrError, wrIoCompletion, wrSignaled, wrTimeout };
using enum TUclWaitResult;

// A waitable kernel object; the wrapper closes its handle.
class TUclDispatcherObject : public TObject {
  VCL_CLASS(TUclDispatcherObject, TObject)
public:
  // Wraps a handle that exists already (and owns it from now on).
  static TUclDispatcherObject* Attach(HANDLE Handle);
  ~TUclDispatcherObject() override;

  TUclWaitResult WaitFor(uint32_t TimeOut);
  TUclWaitResult WaitForever() { return WaitFor(INFINITE); }
  TUclWaitResult WaitAlertable(uint32_t TimeOut);
  // Signals Obj and waits on this object in one step.
  TUclWaitResult SignalAndWait(const TUclDispatcherObject& Obj, uint32_t TimeOut, bool Alertable);

  bool Existed() const { return FExisted; }  // made or opened by someone else before
  HANDLE Handle() const { return FHandle; }
  const String& Name() const { return FName; }

protected:
  TUclDispatcherObject() = default;
  bool FExisted = false;
  HANDLE FHandle = nullptr;
  String FName;
};

class TUclMutex : public TUclDispatcherObject {
  VCL_CLASS(TUclMutex, TUclDispatcherObject)
public:
  // Creates the mutex, or opens the one of that name that exists already
  // (Existed); raises EUclMutexError "Failed to create mutex".
  TUclMutex(SECURITY_ATTRIBUTES* SecAttr, bool InitialOwner, const String& Name);
  // Opens an existing mutex; raises EUclMutexError "Failed to open mutex".
  static TUclMutex* Open(uint32_t Access, bool Inheritable, const String& Name);

  bool Acquire(uint32_t TimeOut = INFINITE) { return WaitFor(TimeOut) == wrSignaled; }
  bool Release();

private:
  TUclMutex() = default;
};

class TUclCriticalSection : public TObject {
  VCL_CREATABLE_CLASS(TUclCriticalSection, TObject)
public:
  TUclCriticalSection();
  ~TUclCriticalSection() override;
  void Enter();
  void Leave();
  // Installs a new critical section in CS unless another thread installed
  // one first (the loser's is freed), then enters the one in CS.
  static void CreateAndEnter(TUclCriticalSection*& CS);

private:
  CRITICAL_SECTION FCriticalSection;
};

// The wait result of a wait function's answer.
TUclWaitResult UclWaitResult(DWORD Answer);
extern const TUnitEntry UclSynchUnit;
