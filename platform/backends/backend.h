// What the window manager needs from the thing that shows the desktop: a pixel surface, a way to
// present changed parts of it, and the input that arrives from outside.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "kx/platform.h"
#include "raster/pixel_surface.h"

namespace kx {

// Input as a device reports it; the window manager turns it into messages.
struct InputEvent {
  enum class Kind { KeyDown, KeyUp, Char, MouseMove, ButtonDown, ButtonUp, FocusLost, FocusGained, Quit };
  Kind kind = Kind::KeyDown;
  UINT virtualKey = 0;
  bool alt = false;
  char character = 0;
  MouseButton button = MouseButton::Left;
  POINT point{};  // desktop coordinates
};

class Backend {
 public:
  virtual ~Backend() = default;

  // Empty on success, otherwise the reason, naming the cause.
  virtual std::string open(const PlatformOptions& options) = 0;
  // The desktop's pixels; valid from a successful open until destruction.
  virtual PixelSurface surface() = 0;
  // These surface pixels changed; a window shows them (or they are only kept headless).
  virtual void pixelsChanged(const RECT& rect) = 0;
  // Pushes out what changed since the last flush (called before the loop waits).
  virtual void flush() = 0;
  // Collects waiting input without blocking.
  virtual void poll(std::vector<InputEvent>& events) = 0;
  static constexpr DWORD kForever = 0xFFFFFFFF;
  // Blocks until input arrives or the timeout passes (kForever waits for input only).
  virtual void wait(DWORD timeoutMs) = 0;
  // Whether time is simulated: waits then jump the clock instead of sleeping.
  virtual bool virtualTime() const = 0;
  virtual void showCursor(bool visible) = 0;
  // Where the pointer rests when the desktop opens, if the device can tell: GetCursorPos must
  // answer it before the first movement, as it does on Windows.
  virtual bool initialPointer(POINT& /*point*/) { return false; }
  virtual void moveCursor(POINT point) = 0;
  // The displays in desktop coordinates, the primary first; one covering the desktop by default.
  virtual std::vector<RECT> monitors() {
    PixelSurface s = surface();
    return {RECT{0, 0, s.width, s.height}};
  }
  // The shown area changed size after the open; a Quit follows.
  virtual bool resized() const { return false; }
};

std::unique_ptr<Backend> makeHeadlessBackend();
std::unique_ptr<Backend> makeSdlBackend();
std::unique_ptr<Backend> makeXWindowBackend();

}  // namespace kx
