// The Linux-only platform API of <kx/platform.h>.
#include "kx/platform.h"

#include <cairo.h>

#include "user/desktop.h"
#include "user/input.h"
#include "user/window.h"

namespace kx {

void resetCursor();

std::string startPlatform(const PlatformOptions& options) {
  resetInputState();
  resetCursor();
  return Desktop::instance().start(options);
}

void stopPlatform() {
  Desktop::instance().stop();
  resetInputState();
  resetCursor();
}

bool platformStarted() {
  return Desktop::instance().started();
}

bool desktopResized() {
  Desktop& desktop = Desktop::instance();
  return desktop.started() && desktop.backend().resized();
}

BackendKind platformBackend() {
  return Desktop::instance().options().backend;
}

DWORD clockNow() {
  return GetTickCount();
}

void advanceClock(DWORD milliseconds) {
  Desktop::instance().ensureStarted();
  Clock& clock = Desktop::instance().clock();
  clock.advanceTo(clock.now() + milliseconds);
}

bool clockIsVirtual() {
  Desktop::instance().ensureStarted();
  return Desktop::instance().clock().simulated();
}

void injectKeyDown(UINT virtualKey, bool alt) {
  deliverInput(InputEvent{InputEvent::Kind::KeyDown, virtualKey, alt, 0, MouseButton::Left, {}});
}

void injectKeyUp(UINT virtualKey, bool alt) {
  deliverInput(InputEvent{InputEvent::Kind::KeyUp, virtualKey, alt, 0, MouseButton::Left, {}});
}

void injectChar(char character) {
  deliverInput(InputEvent{InputEvent::Kind::Char, 0, false, character, MouseButton::Left, {}});
}

void injectMouseMove(int x, int y) {
  deliverInput(InputEvent{InputEvent::Kind::MouseMove, 0, false, 0, MouseButton::Left, POINT{x, y}});
}

void injectMouseButton(MouseButton button, bool down, int x, int y) {
  auto kind = down ? InputEvent::Kind::ButtonDown : InputEvent::Kind::ButtonUp;
  deliverInput(InputEvent{kind, 0, false, 0, button, POINT{x, y}});
}

void injectFocusLoss() {
  deliverInput(InputEvent{InputEvent::Kind::FocusLost, 0, false, 0, MouseButton::Left, {}});
}

void injectFocusGain() {
  deliverInput(InputEvent{InputEvent::Kind::FocusGained, 0, false, 0, MouseButton::Left, {}});
}

DesktopPixels desktopPixels() {
  PixelSurface s = Desktop::instance().surface();
  return DesktopPixels{s.pixels, s.width, s.height, s.stride};
}

COLORREF desktopPixel(int x, int y) {
  PixelSurface s = Desktop::instance().surface();
  if (x < 0 || y < 0 || x >= s.width || y >= s.height) return CLR_INVALID;
  uint32_t p = s.pixels[static_cast<size_t>(y) * s.stride + x];
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

std::string saveDesktopPng(const std::string& path) {
  PixelSurface s = Desktop::instance().surface();
  cairo_surface_t* image = cairo_image_surface_create_for_data(
      reinterpret_cast<unsigned char*>(s.pixels), CAIRO_FORMAT_RGB24, s.width, s.height, s.stride * 4);
  cairo_status_t status = cairo_surface_write_to_png(image, path.c_str());
  cairo_surface_destroy(image);
  if (status == CAIRO_STATUS_SUCCESS) return {};
  return "cannot write " + path + ": " + cairo_status_to_string(status);
}

void setFrameObserver(FrameObserver observer) {
  Desktop::instance().ensureStarted();
  Desktop::instance().frameObserver = std::move(observer);
}

void setIdleHandler(IdleHandler handler) {
  Desktop::instance().ensureStarted();
  Desktop::instance().idleHandler = std::move(handler);
}

}  // namespace kx
