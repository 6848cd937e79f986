// One tick of the biomolecular scan screen (the molecule panel's turn, off-screen paint and blit;
// the numbers panels and colour cycles rest on ordinary ticks) on a headless desktop of
// 1920 x 1080 and 3840 x 2160. The counter x_memcpy is the tick's time as a multiple of a memcpy
// of the whole frame; x_memcpy_cpu compares the two in processor time of this thread, which
// holds when other programs share the machine and stretch the wall-clock times.
#include <benchmark/benchmark.h>
#include <windows.h>

#include <algorithm>
#include <time.h>

#include <chrono>
#include <cstring>
#include <vector>

#include "app/kalyx.h"
#include "kx/platform.h"
#include "screens/ship/disp_medical.h"

namespace {

using Clock = std::chrono::steady_clock;

double threadSeconds() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

struct CopyTimes {
  double wall;
  double cpu;
};

// One memcpy of a width x height 32-bit frame, the best of a few, in wall-clock and thread time.
CopyTimes frameMemcpySeconds(int width, int height) {
  const size_t bytes = size_t(width) * height * 4;
  std::vector<char> from(bytes, 1), to(bytes);
  CopyTimes best{1e9, 1e9};
  for (int i = 0; i < 20; ++i) {
    const auto start = Clock::now();
    const double cpuStart = threadSeconds();
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
    best.cpu = std::min(best.cpu, threadSeconds() - cpuStart);
    best.wall = std::min(best.wall, std::chrono::duration<double>(Clock::now() - start).count());
  }
  return best;
}

void BM_MedicalTick(benchmark::State& state) {
  const int width = int(state.range(0));
  const int height = int(state.range(1));
  kx::PlatformOptions options;
  options.width = width;
  options.height = height;
  kx::startPlatform(options);
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.lpszClassName = "KxBenchMedical";
  RegisterClassA(&wc);
  HWND hwnd = CreateWindowExA(0, "KxBenchMedical", "", WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr,
                              nullptr, nullptr, nullptr);
  {
    CKalyx app;
    app.BuildColors();
    app.SetMainWindow(hwnd);
    app.hwndOwner = hwnd;
    CDispMedical screen(&app);
    screen.SetUp();
    screen.Paint(hwnd, nullptr);
    const auto start = Clock::now();
    const double cpuStart = threadSeconds();
    for (auto _ : state) screen.Animate(1);
    const double ticks = double(state.iterations());
    const double cpuPerTick = (threadSeconds() - cpuStart) / ticks;
    const double perTick = std::chrono::duration<double>(Clock::now() - start).count() / ticks;
    const CopyTimes copy = frameMemcpySeconds(width, height);
    state.counters["x_memcpy"] = perTick / copy.wall;
    state.counters["x_memcpy_cpu"] = cpuPerTick / copy.cpu;
  }
  DestroyWindow(hwnd);
  kx::stopPlatform();
  UnregisterClassA("KxBenchMedical", nullptr);
  UnregisterClassA("KXSubDisp", nullptr);
}
BENCHMARK(BM_MedicalTick)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);

}  // namespace
