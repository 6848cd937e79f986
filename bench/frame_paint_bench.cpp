// A full paint of the standard console frame (erase, the 19 frame shapes, the title) on a headless
// desktop of 1920 x 1080 and 3840 x 2160, next to a memcpy of the same frame's bytes. The counter
// x_memcpy is the paint's time as a multiple of that copy.
#include <benchmark/benchmark.h>
#include <windows.h>

#include <chrono>
#include <cstring>
#include <vector>

#include "bench_desktop.h"
#include "memcpy_baseline.h"
#include "display/disp_test.h"

namespace {

using Clock = std::chrono::steady_clock;

void BM_FrameMemcpy(benchmark::State& state) {
  const size_t bytes = size_t(state.range(0)) * state.range(1) * 4;
  std::vector<char> from(bytes, 1), to(bytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FrameMemcpy)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);

void BM_StandardFramePaint(benchmark::State& state) {
  const int width = int(state.range(0));
  const int height = int(state.range(1));
  BenchDesktop desktop(width, height, "KxBenchFrame");
  HWND hwnd = desktop.hwnd;
  {
    CKalyx& app = desktop.app();
    CDispTest screen(&app);  // the standard frame in fixed colours, with its title
    screen.SetUp();
    const RECT all{0, 0, width, height};
    HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    HDC dc = GetDC(hwnd);
    const auto start = Clock::now();
    for (auto _ : state) {
      FillRect(dc, &all, black);
      screen.Paint(hwnd, dc);
    }
    const double perPaint =
        std::chrono::duration<double>(Clock::now() - start).count() / double(state.iterations());
    ReleaseDC(hwnd, dc);
    state.counters["x_memcpy"] = perPaint / FrameMemcpySeconds(width, height);
  }
}
BENCHMARK(BM_StandardFramePaint)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);

}  // namespace
