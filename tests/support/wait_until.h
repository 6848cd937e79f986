// The one bounded wait of the tests: polls a condition instead of sleeping a fixed time, so a fast
// machine goes on at once and a slow one still gets there; the bound only ends a stuck test.
#pragma once

#include <chrono>
#include <functional>
#include <thread>

namespace kx::test {

// Whether `done` came to hold within `timeoutMs`.
inline bool waitUntil(const std::function<bool()>& done, int timeoutMs = 15000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

}  // namespace kx::test
