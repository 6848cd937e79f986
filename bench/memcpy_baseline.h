// The yardstick of the frame benchmarks: one memcpy of a whole 32-bit frame.
#pragma once

#include <benchmark/benchmark.h>
#include <time.h>

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

// This thread's CPU time in seconds. On a machine shared with other work the wall clock also counts
// the time others run; CPU time on both sides of a ratio does not.
inline double ThreadCpuSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// CPU seconds of one memcpy of a width x height 32-bit frame, the mean of enough copies for the CPU
// clock to measure.
inline double FrameMemcpyCpuSeconds(int width, int height) {
  const size_t bytes = size_t(width) * size_t(height) * 4;
  std::vector<char> from(bytes, 1), to(bytes, 2);
  std::memcpy(to.data(), from.data(), bytes);  // every page touched before timing
  constexpr int kCopies = 50;
  const double start = ThreadCpuSeconds();
  for (int i = 0; i < kCopies; ++i) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  return (ThreadCpuSeconds() - start) / kCopies;
}
