// The one clock under GetTickCount, Sleep and the timers: real when a window is shown, simulated
// when headless, where waiting for the next timer jumps straight to it.
#pragma once

#include <cstdint>

namespace kx {

class Clock {
 public:
  void reset(bool simulated);
  bool simulated() const { return m_simulated; }
  // Milliseconds since reset; 64 bits so timers never see the 49.7-day wrap of GetTickCount.
  uint64_t now() const;
  // Simulated only: moves time forward. The real clock cannot be moved.
  void advanceTo(uint64_t time);

 private:
  bool m_simulated = true;
  uint64_t m_virtualNow = 0;
  uint64_t m_realStart = 0;
};

uint64_t monotonicMilliseconds();

// The process's one clock. The window manager sets it going when it opens a desktop.
Clock& systemClock();

}  // namespace kx
