// GetTickCount and Sleep on the platform's clock: simulated headless, where Sleep only moves time.
#include <windows.h>

#include <ctime>

#include "user/desktop.h"

using namespace kx;

DWORD WINAPI GetTickCount(void) {
  Desktop& desktop = Desktop::instance();
  desktop.ensureStarted();
  return static_cast<DWORD>(desktop.clock().now());
}

void WINAPI Sleep(DWORD dwMilliseconds) {
  Desktop& desktop = Desktop::instance();
  desktop.ensureStarted();
  Clock& clock = desktop.clock();
  if (clock.simulated()) {
    clock.advanceTo(clock.now() + dwMilliseconds);
    return;
  }
  timespec ts{static_cast<time_t>(dwMilliseconds / 1000),
              static_cast<long>(dwMilliseconds % 1000) * 1000000L};
  while (nanosleep(&ts, &ts) != 0) {
  }
}
