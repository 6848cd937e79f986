#include "kernel/clock.h"

#include <ctime>

namespace kx {

uint64_t monotonicMilliseconds() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<uint64_t>(ts.tv_sec) * 1000u + static_cast<uint64_t>(ts.tv_nsec) / 1000000u;
}

Clock& systemClock() {
  static Clock clock;
  return clock;
}

void Clock::reset(bool simulated) {
  m_simulated = simulated;
  m_virtualNow = 0;
  m_realStart = monotonicMilliseconds();
}

uint64_t Clock::now() const {
  return m_simulated ? m_virtualNow : monotonicMilliseconds() - m_realStart;
}

void Clock::advanceTo(uint64_t time) {
  if (m_simulated && time > m_virtualNow) m_virtualNow = time;
}

}  // namespace kx
