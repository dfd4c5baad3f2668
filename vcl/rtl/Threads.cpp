#include "vcl/rtl/Threads.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>

#include "vcl/rtl/SysUtils.h"
#include "vcl/rtl/WinApi.h"

// Static initialisation runs on the thread that starts the program.
unsigned long MainThreadID = GetCurrentThreadId();
TNotifyEvent WakeMainThread;

namespace {

// One queued call; the worker waits on it until the user-interface thread
// has run it.
struct TSyncCall {
  const std::function<void()>* Method;
  std::exception_ptr Error;
  bool Done = false;
};

std::mutex SyncMutex;
std::condition_variable SyncQueued;
std::condition_variable SyncDone;
std::deque<TSyncCall*> SyncQueue;

}  // namespace

bool TThread::IsMainThread() { return GetCurrentThreadId() == MainThreadID; }

void TThread::Synchronize(const std::function<void()>& AMethod) {
  if (IsMainThread()) return AMethod();
  TSyncCall call{&AMethod};
  {
    std::lock_guard lock(SyncMutex);
    SyncQueue.push_back(&call);
  }
  SyncQueued.notify_all();
  if (WakeMainThread) WakeMainThread(nullptr);
  std::unique_lock lock(SyncMutex);
  SyncDone.wait(lock, [&] { return call.Done; });
  if (call.Error) std::rethrow_exception(call.Error);
}

bool CheckSynchronize(int Timeout) {
  if (!TThread::IsMainThread())
    throw EThread(L"CheckSynchronize called from a thread that is not the main thread");
  std::unique_lock lock(SyncMutex);
  if (SyncQueue.empty() && Timeout > 0)
    SyncQueued.wait_for(lock, std::chrono::milliseconds(Timeout), [] { return !SyncQueue.empty(); });
  if (SyncQueue.empty()) return false;
  while (!SyncQueue.empty()) {
    TSyncCall* call = SyncQueue.front();
    SyncQueue.pop_front();
    // The call may itself synchronise nothing but may take long: the queue
    // stays open to other workers meanwhile.
    lock.unlock();
    try {
      (*call->Method)();
    } catch (...) {
      call->Error = std::current_exception();
    }
    lock.lock();
    call->Done = true;
  }
  SyncDone.notify_all();
  return true;
}
