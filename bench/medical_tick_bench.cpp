// One tick of the biomolecular scan screen (the molecule panel's turn, off-screen paint and blit;
// the numbers panels and colour cycles rest on ordinary ticks) on a headless desktop of
// 1920 x 1080 and 3840 x 2160. The counter x_memcpy is the tick's time as a multiple of a memcpy
// of the whole frame; x_memcpy_cpu compares the two in processor time of this thread, which
// holds when other programs share the machine and stretch the wall-clock times.
#include <benchmark/benchmark.h>
#include <windows.h>

#include <chrono>

#include "bench_desktop.h"
#include "memcpy_baseline.h"
#include "screens/ship/disp_medical.h"

namespace {

using Clock = std::chrono::steady_clock;

void BM_MedicalTick(benchmark::State& state) {
  const int width = int(state.range(0));
  const int height = int(state.range(1));
  BenchDesktop desktop(width, height, "KxBenchMedical");
  HWND hwnd = desktop.hwnd;
  {
    CKalyx& app = desktop.app();
    app.hwndOwner = hwnd;
    CDispMedical screen(&app);
    screen.SetUp();
    screen.Paint(hwnd, nullptr);
    const auto start = Clock::now();
    const double cpuStart = ThreadCpuSeconds();
    for (auto _ : state) screen.Animate(1);
    const double ticks = double(state.iterations());
    const double cpuPerTick = (ThreadCpuSeconds() - cpuStart) / ticks;
    const double perTick = std::chrono::duration<double>(Clock::now() - start).count() / ticks;
    state.counters["x_memcpy"] = perTick / FrameMemcpySeconds(width, height);
    state.counters["x_memcpy_cpu"] = cpuPerTick / FrameMemcpyCpuSeconds(width, height);
  }
}
BENCHMARK(BM_MedicalTick)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);

}  // namespace
