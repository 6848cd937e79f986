#include "user/desktop.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "backends/screen_size.h"
#include "user/control_state.h"
#include "user/input.h"
#include "user/message_queue.h"
#include "user/timer.h"
#include "user/window.h"

namespace kx {

Desktop& Desktop::instance() {
  static Desktop desktop;
  return desktop;
}

std::string Desktop::start(const PlatformOptions& options) {
  if (started()) stop();
  std::unique_ptr<Backend> backend;
  switch (options.backend) {
    case BackendKind::Sdl:
      backend = makeSdlBackend();
      break;
    case BackendKind::XWindow:
      backend = makeXWindowBackend();
      break;
    case BackendKind::Headless:
      backend = makeHeadlessBackend();
      break;
  }
  std::string error = backend->open(options);
  if (!error.empty()) return error;
  m_backend = std::move(backend);
  m_options = options;
  PixelSurface s = m_backend->surface();
  m_options.width = s.width;
  m_options.height = s.height;
  setScreenSize(SIZE{s.width, s.height});
  clock().reset(m_backend->virtualTime());
  if (POINT pointer{}; m_backend->initialPointer(pointer)) setCursorPosition(pointer);
  desktopWindow();
  // The controls are system classes: a program may create a "BUTTON" without ever opening a dialog.
  registerControlClasses();
  return {};
}

void Desktop::stop() {
  if (!started()) return;
  destroyAllWindows();
  clearTimers();
  messageQueue().clear();
  frameObserver = nullptr;
  idleHandler = nullptr;
  m_backend.reset();
  setScreenSize(SIZE{});
  // Win32 calls after the stop run on a fresh headless desktop again, whose clock starts at zero.
  clock().reset(true);
}

void Desktop::ensureStarted() {
  if (started()) return;
  // A virtual clock that Sleep moved before the first window keeps its time.
  uint64_t now = clock().now();
  std::string error = start(PlatformOptions{});
  if (!error.empty()) {
    // The headless desktop needs nothing outside the process, so this cannot happen short of
    // running out of memory.
    std::fprintf(stderr, "kalyx: cannot start the headless desktop: %s\n", error.c_str());
    std::abort();
  }
  clock().advanceTo(now);
}

Backend& Desktop::backend() {
  ensureStarted();
  return *m_backend;
}

PixelSurface Desktop::surface() {
  return backend().surface();
}

SIZE Desktop::size() {
  PixelSurface s = surface();
  return SIZE{s.width, s.height};
}

std::vector<RECT> Desktop::monitors() {
  return backend().monitors();
}

RECT Desktop::primaryMonitor() {
  std::vector<RECT> all = monitors();
  SIZE whole = size();
  return all.empty() ? RECT{0, 0, whole.cx, whole.cy} : all.front();
}

void Desktop::pixelsChanged(const RECT& rect) {
  if (m_backend) m_backend->pixelsChanged(rect);
}

void Desktop::paintBackground(const RECT& rect) {
  PixelSurface s = surface();
  LONG left = std::max<LONG>(rect.left, 0), top = std::max<LONG>(rect.top, 0);
  LONG right = std::min<LONG>(rect.right, s.width), bottom = std::min<LONG>(rect.bottom, s.height);
  if (left >= right || top >= bottom) return;
  for (LONG y = top; y < bottom; ++y) {
    std::fill(s.pixels + y * s.stride + left, s.pixels + y * s.stride + right, kDesktopColour);
  }
  pixelsChanged(RECT{left, top, right, bottom});
}

}  // namespace kx
