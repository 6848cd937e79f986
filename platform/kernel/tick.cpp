// GetTickCount and Sleep on the platform's clock: simulated headless, where Sleep only moves time.
#include <windows.h>

#include <ctime>

#include "kernel/clock.h"

using namespace kx;

DWORD WINAPI GetTickCount(void) {
  return static_cast<DWORD>(systemClock().now());
}

void WINAPI Sleep(DWORD dwMilliseconds) {
  Clock& clock = systemClock();
  if (clock.simulated()) {
    clock.advanceTo(clock.now() + dwMilliseconds);
    return;
  }
  timespec ts{static_cast<time_t>(dwMilliseconds / 1000),
              static_cast<long>(dwMilliseconds % 1000) * 1000000L};
  while (nanosleep(&ts, &ts) != 0) {
  }
}
