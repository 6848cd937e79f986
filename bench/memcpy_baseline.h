// The yardstick of the frame benchmarks: one memcpy of a whole 32-bit frame.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <vector>

// Seconds one memcpy of a width x height 32-bit frame takes, the best of a few.
inline double FrameMemcpySeconds(int width, int height) {
  using Clock = std::chrono::steady_clock;
  const size_t bytes = size_t(width) * height * 4;
  std::vector<char> from(bytes, 1), to(bytes);
  double best = 1e9;
  for (int i = 0; i < 20; ++i) {
    const auto start = Clock::now();
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
    best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count());
  }
  return best;
}
