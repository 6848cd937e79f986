// One repaint of the shield status screen's shields panel (compose off screen: fill, rings, two
// layer blits, outline, the ship, front halves and scan lines, then one copy to the window) on a
// headless desktop of 1920 x 1080 and 3840 x 2160. The counter x_memcpy is the repaint's time as a
// multiple of a memcpy of the whole desktop frame; x_memcpy_cpu compares the mean processor time of
// both, which others' work on a shared machine sways less.
#include <benchmark/benchmark.h>
#include <windows.h>

#include <chrono>

#include "bench_desktop.h"
#include "memcpy_baseline.h"
#include "screens/ship/disp_analysis.h"

namespace {

using Clock = std::chrono::steady_clock;

void BM_ShieldsPanelRepaint(benchmark::State& state) {
  const int width = int(state.range(0));
  const int height = int(state.range(1));
  BenchDesktop desktop(width, height, "KxBenchShields");
  {
    CKalyx& app = desktop.app();
    CDispAnalysis screen(&app);
    screen.SetUp();
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);  // builds the layers
    CSubShields* panel = screen.subLower;
    HDC dc = GetDC(panel->hwnd);
    const auto start = Clock::now();
    const double cpuStart = ThreadCpuSeconds();
    for (auto _ : state) panel->Paint(panel->hwnd, dc);
    const double cpuPerPaint = (ThreadCpuSeconds() - cpuStart) / double(state.iterations());
    const double perPaint =
        std::chrono::duration<double>(Clock::now() - start).count() / double(state.iterations());
    ReleaseDC(panel->hwnd, dc);
    state.counters["x_memcpy"] = perPaint / FrameMemcpySeconds(width, height);
    state.counters["x_memcpy_cpu"] = cpuPerPaint / FrameMemcpyCpuSeconds(width, height);
  }
}
BENCHMARK(BM_ShieldsPanelRepaint)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);

}  // namespace
