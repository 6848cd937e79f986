// The message loop on the simulated clock: how fast timer ticks and posted messages go round.
#include <benchmark/benchmark.h>
#include <windows.h>

#include "kx/platform.h"

namespace {

LRESULT CALLBACK QuietProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return message == WM_TIMER ? 0 : DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND openWindow() {
  kx::startPlatform();
  WNDCLASSA wc{};
  wc.lpfnWndProc = QuietProc;
  wc.lpszClassName = "KxBenchLoop";
  RegisterClassA(&wc);
  return CreateWindowExA(0, "KxBenchLoop", "", WS_POPUP | WS_VISIBLE, 0, 0, 640, 480, nullptr, nullptr,
                         nullptr, nullptr);
}

void closeWindow() {
  kx::stopPlatform();
  UnregisterClassA("KxBenchLoop", nullptr);
}

// One simulated hour of a 501 ms timer (7,185 ticks) per iteration.
void BM_SimulatedHourOfTimerTicks(benchmark::State& state) {
  HWND hwnd = openWindow();
  for (auto _ : state) {
    SetTimer(hwnd, 1, 501, nullptr);
    DWORD end = kx::clockNow() + 3600000;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) && msg.time <= end) DispatchMessageA(&msg);
  }
  state.SetItemsProcessed(state.iterations() * 7185);
  closeWindow();
}
BENCHMARK(BM_SimulatedHourOfTimerTicks)->Unit(benchmark::kMillisecond);

void BM_PostAndDispatch(benchmark::State& state) {
  HWND hwnd = openWindow();
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  for (auto _ : state) {
    PostMessageA(hwnd, WM_USER, 0, 0);
    PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
    DispatchMessageA(&msg);
  }
  state.SetItemsProcessed(state.iterations());
  closeWindow();
}
BENCHMARK(BM_PostAndDispatch);

}  // namespace
