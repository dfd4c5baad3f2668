#pragma once
// Running code of worker threads on the user-interface thread: a worker's
// Synchronize queues the call, wakes the user-interface thread through
// WakeMainThread and waits; the user-interface thread runs the queued calls
// in CheckSynchronize, usually when the wake-up reaches its message loop.
#include <functional>

#include "vcl/rtl/Strings.h"

class TThread {
public:
  // On the user-interface thread the call runs at once. From another thread
  // it is queued and the caller waits until CheckSynchronize has run it; an
  // exception it raises is raised again in the caller.
  static void Synchronize(const std::function<void()>& AMethod);
  // The thread that started the program (the one that first used this unit).
  static bool IsMainThread();
};

// Runs the queued calls on the user-interface thread; waits up to Timeout
// milliseconds for one when none is queued. Whether any ran. Called from
// another thread it raises EThread.
bool CheckSynchronize(int Timeout = 0);

// Raised by workers when a call was queued; whoever runs the user-interface
// thread's loop sets it (the application posts itself a message). Sender is
// null.
extern TNotifyEvent WakeMainThread;

// The user-interface thread's id.
extern unsigned long MainThreadID;
