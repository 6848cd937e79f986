// The warp screen on a headless desktop of 1920 x 1080 and 3840 x 2160: a step-1 tick (the conduits
// redrawn in place through the panel's window context), a full repaint of the warp panel (composed
// off screen, copied with one BitBlt) and of the whole screen (frame, title and both panels). The
// counter x_memcpy is each one's CPU time as a multiple of the CPU time of a memcpy of the whole
// frame.
#include <benchmark/benchmark.h>
#include <windows.h>

#include "bench_desktop.h"
#include "memcpy_baseline.h"
#include "screens/propulsion/disp_warp.h"
#include "screens/propulsion/sub_warp.h"

namespace {

enum class WarpWork { StepOneTick, PanelRepaint, ScreenRepaint };

void RunWarp(benchmark::State& state, WarpWork work) {
  const int width = int(state.range(0));
  const int height = int(state.range(1));
  BenchDesktop desktop(width, height, "KxBenchWarp");
  HWND hwnd = desktop.hwnd;
  {
    CKalyx& app = desktop.app();
    CDispWarp screen(&app);
    screen.SetUp();
    screen.Paint(hwnd, nullptr);
    CSubWarp& panel = *static_cast<CSubWarp*>(screen.subLower);
    panel.Paint(panel.hwnd, nullptr);
    const double start = ThreadCpuSeconds();
    for (auto _ : state) {
      switch (work) {
        case WarpWork::StepOneTick:
          screen.Animate(1);
          break;
        case WarpWork::PanelRepaint:
          panel.Paint(panel.hwnd, nullptr);
          break;
        case WarpWork::ScreenRepaint:
          screen.Paint(hwnd, nullptr);
          screen.subUpper->Paint(screen.subUpper->hwnd, nullptr);
          panel.Paint(panel.hwnd, nullptr);
          break;
      }
    }
    const double each = (ThreadCpuSeconds() - start) / double(state.iterations());
    state.counters["x_memcpy"] = each / FrameMemcpyCpuSeconds(width, height);
  }
}

void BM_WarpStepOneTick(benchmark::State& state) {
  RunWarp(state, WarpWork::StepOneTick);
}
void BM_WarpPanelRepaint(benchmark::State& state) {
  RunWarp(state, WarpWork::PanelRepaint);
}
void BM_WarpScreenRepaint(benchmark::State& state) {
  RunWarp(state, WarpWork::ScreenRepaint);
}
BENCHMARK(BM_WarpStepOneTick)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WarpPanelRepaint)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WarpScreenRepaint)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);

}  // namespace
