// A full paint of the incoming message screen (bars, the 312 x 247 logo through SetDIBitsToDevice,
// the message text) on a headless desktop of 1920 x 1080, and the logo's Draw alone, next to a
// memcpy of the whole frame's bytes. The counter x_memcpy is the time as a multiple of that copy.
#include <benchmark/benchmark.h>
#include <windows.h>

#include <chrono>

#include "bench_desktop.h"
#include "memcpy_baseline.h"
#include "bitmap/bmp_w.h"
#include "screens/ship/disp_comm.h"

namespace {

using Clock = std::chrono::steady_clock;

// range(2): 0 paints the whole screen, 1 draws only the logo.
void BM_CommPaint(benchmark::State& state) {
  const int width = int(state.range(0));
  const int height = int(state.range(1));
  const bool logoOnly = state.range(2) == 1;
  BenchDesktop desktop(width, height, "KxBenchComm");
  HWND hwnd = desktop.hwnd;
  {
    CKalyx& app = desktop.app();
    CDispComm screen(&app);
    screen.SetUp();
    HDC dc = GetDC(hwnd);
    const auto start = Clock::now();
    for (auto _ : state) {
      if (logoOnly) {
        screen.bmpLogo->Draw(dc, hwnd, &screen.rcLogo);
      } else {
        screen.Paint(hwnd, dc);
      }
    }
    const double perPaint =
        std::chrono::duration<double>(Clock::now() - start).count() / double(state.iterations());
    ReleaseDC(hwnd, dc);
    state.counters["x_memcpy"] = perPaint / FrameMemcpySeconds(width, height);
  }
}
BENCHMARK(BM_CommPaint)->Args({1920, 1080, 0})->Args({1920, 1080, 1})->Unit(benchmark::kMillisecond);

}  // namespace
