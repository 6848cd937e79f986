// The Win32 boundary: no C++ exception crosses an API call. A creator that runs out of memory (or
// meets any other exception on its way) fails as Win32 reports it, with ERROR_NOT_ENOUGH_MEMORY.
#pragma once

#include <windows.h>

#include <utility>

namespace kx {

template <typename Result, typename Body>
Result failSafe(Result failure, Body&& body) noexcept {
  try {
    return std::forward<Body>(body)();
  } catch (...) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return failure;
  }
}

}  // namespace kx
