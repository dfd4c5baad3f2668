#include "tests/support/MessagePump.h"

#include <chrono>

#include "vcl/rtl/WinApi.h"

bool PumpUntil(const std::function<bool()>& ADone) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
  while (!ADone() && std::chrono::steady_clock::now() < deadline) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    Sleep(1);
  }
  return ADone();
}
