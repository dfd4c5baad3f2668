#pragma once
// Waiting in tests for what arrives through window messages (timers,
// posted notifications) on the calling thread.
#include <functional>

// Dispatches the thread's messages until ADone answers true or two seconds
// have passed; answers ADone's last word.
bool PumpUntil(const std::function<bool()>& ADone);
