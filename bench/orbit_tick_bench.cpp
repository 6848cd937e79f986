// One tick of the orbit panel (turn the planet and the fifteen frames, compose off screen, copy
// with one BitBlt) on a headless desktop of 1920 x 1080 and 3840 x 2160. The counter x_memcpy is
// the tick's time as a multiple of a memcpy of the whole frame; x_memcpy_cpu compares the two in
// processor time of this thread, which other work on a shared machine does not inflate.
#include <benchmark/benchmark.h>
#include <windows.h>

#include <chrono>

#include "bench_desktop.h"
#include "memcpy_baseline.h"
#include "screens/propulsion/disp_orbt.h"

namespace {

void BM_OrbitTick(benchmark::State& state) {
  const int width = int(state.range(0));
  const int height = int(state.range(1));
  BenchDesktop desktop(width, height, "KxBenchOrbit");
  {
    CKalyx& app = desktop.app();
    CDispOrbt screen(&app);
    screen.SetUp();
    CSubDisp* panel = screen.subLower;
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = ThreadCpuSeconds();
    for (auto _ : state) panel->Animate(1);
    const double ticks = double(state.iterations());
    const double cpuPerTick = (ThreadCpuSeconds() - cpuStart) / ticks;
    const double perTick =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / ticks;
    state.counters["x_memcpy"] = perTick / FrameMemcpySeconds(width, height);
    state.counters["x_memcpy_cpu"] = cpuPerTick / FrameMemcpyCpuSeconds(width, height);
  }
}
BENCHMARK(BM_OrbitTick)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);

}  // namespace
