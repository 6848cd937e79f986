#include "launcher/hack.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "app/host.h"
#include "kx/module.h"
#include "kx/platform.h"

namespace kx {

namespace {

constexpr char kHostClass[] = "KalyxHackHost";

// The black window that plays the part of the display settings' preview box: the saver is its
// child, and the Quit of a signal closes it, which takes the saver with it.
HWND createHost() {
  WNDCLASSA wc{};
  wc.lpfnWndProc = DefWindowProcA;
  wc.hInstance = programInstance();
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  wc.lpszClassName = kHostClass;
  if (RegisterClassA(&wc) == 0) return nullptr;
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  return CreateWindowExA(0, kHostClass, "KALYX", WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr, nullptr,
                         programInstance(), nullptr);
}

// One run at the window's present size; `resized` tells whether the size changed under it.
int runOnce(const LaunchOptions& options, bool& resized) {
  PlatformOptions platform;
  platform.backend = BackendKind::XWindow;
  platform.xWindow = options.xWindow;
  if (std::string reason = startPlatform(platform); !reason.empty()) {
    std::fprintf(stderr, "kalyx: cannot draw in the X window: %s\n", reason.c_str());
    return 2;
  }
  int code = 1;
  if (HWND host = createHost()) {
    std::string cmdLine = "/p " + std::to_string(reinterpret_cast<uintptr_t>(host));
    code = WinMain(programInstance(), nullptr, cmdLine.data(), SW_SHOW);
    if (IsWindow(host)) DestroyWindow(host);
  }
  // The next run registers both classes again, as a new process would.
  UnregisterClassA(kHostClass, programInstance());
  UnregisterClassA(kMainClass, programInstance());
  resized = desktopResized();
  stopPlatform();
  return code;
}

}  // namespace

int runHack(const LaunchOptions& options) {
  for (;;) {
    bool resized = false;
    const int code = runOnce(options, resized);
    if (code != 0 || !resized) return code;
  }
}

}  // namespace kx
