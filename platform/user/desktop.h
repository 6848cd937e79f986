// The desktop: the backend that shows it, its pixels, the clock and the desktop window. Started by
// kx::startPlatform, or on first use with the default headless options.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "backends/backend.h"
#include "kx/platform.h"
#include "kernel/clock.h"

namespace kx {

class Desktop {
 public:
  static Desktop& instance();

  std::string start(const PlatformOptions& options);
  void stop();
  bool started() const { return m_backend != nullptr; }
  // Starts the default headless desktop when nothing was started yet.
  void ensureStarted();

  Backend& backend();
  const PlatformOptions& options() const { return m_options; }
  PixelSurface surface();
  SIZE size();
  // The displays in desktop coordinates, the primary first.
  std::vector<RECT> monitors();
  RECT primaryMonitor();
  Clock& clock() { return systemClock(); }

  void pixelsChanged(const RECT& rect);
  // Paints the bare desktop (where no window lies any more) in its background colour.
  void paintBackground(const RECT& rect);

  FrameObserver frameObserver;
  IdleHandler idleHandler;

 private:
  std::unique_ptr<Backend> m_backend;
  PlatformOptions m_options;
};

// The background colour of the bare desktop.
constexpr uint32_t kDesktopColour = 0x000000;

}  // namespace kx
