// Opens a real SDL window with one full-size pop-up and reports, one line each on stdout, the
// input messages it receives, so a test can drive it from outside (xdotool under Xvfb).
// "ready" once the window is up; it ends after a key and a focus loss, or after ten seconds.
#include <windows.h>

#include <cstdio>

#include "kx/platform.h"

namespace {

bool g_sawKey = false;
bool g_sawFocusLoss = false;

void report(const char* text, WPARAM value) {
  std::printf("%s %lu\n", text, static_cast<unsigned long>(value));
  std::fflush(stdout);
}

LRESULT CALLBACK ProbeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      report(message == WM_KEYDOWN ? "WM_KEYDOWN" : "WM_SYSKEYDOWN", wParam);
      g_sawKey = true;
      break;
    case WM_CHAR:
      report("WM_CHAR", wParam);
      break;
    case WM_ACTIVATE:
      report("WM_ACTIVATE", LOWORD(wParam));
      if (LOWORD(wParam) == WA_INACTIVE) g_sawFocusLoss = true;
      break;
    case WM_LBUTTONDOWN:
      report("WM_LBUTTONDOWN", wParam);
      break;
    case WM_DESTROY:
      PostQuitMessage(0);
      break;
    default:
      break;
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

int main() {
  kx::PlatformOptions options;
  options.backend = kx::BackendKind::Sdl;
  options.width = 320;
  options.height = 240;
  std::string error = kx::startPlatform(options);
  if (!error.empty()) {
    std::fprintf(stderr, "sdl_window_probe: %s\n", error.c_str());
    return 2;
  }
  WNDCLASSA wc{};
  wc.lpfnWndProc = ProbeProc;
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  wc.lpszClassName = "KxProbe";
  RegisterClassA(&wc);
  HWND hwnd = CreateWindowExA(0, "KxProbe", "probe", WS_POPUP | WS_VISIBLE, 0, 0, 320, 240, nullptr, nullptr,
                              nullptr, nullptr);
  SetTimer(hwnd, 1, 100, nullptr);
  int ticks = 0;
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (msg.message == WM_TIMER) {
      ++ticks;
      if (ticks == 3) report("ready", 0);
      if (ticks > 100 || (g_sawKey && g_sawFocusLoss)) DestroyWindow(hwnd);
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  kx::stopPlatform();
  return g_sawKey && g_sawFocusLoss ? 0 : 1;
}
