// The headless backend: the desktop lives in memory only and time is simulated, so tests and
// recordings run far faster than real time. Input comes only from injection.
#include <vector>

#include "backends/backend.h"
#include "backends/monitor_layout.h"

namespace kx {

namespace {

class HeadlessBackend : public Backend {
 public:
  std::string open(const PlatformOptions& options) override {
    int width = options.width, height = options.height;
    if (!options.monitors.empty()) {
      const MonitorLayout layout = layOutMonitors(options.monitors);
      width = layout.desktop.cx;
      height = layout.desktop.cy;
      m_monitors = layout.monitors;
    }
    if (width <= 0 || height <= 0 || width > 16384 || height > 16384) {
      return "the desktop size " + std::to_string(width) + " x " + std::to_string(height) +
             " is out of range (1 to 16384 pixels each way)";
    }
    m_width = width;
    m_height = height;
    m_pixels.assign(static_cast<size_t>(m_width) * m_height, 0);
    return {};
  }
  PixelSurface surface() override { return {m_pixels.data(), m_width, m_height, m_width}; }
  void pixelsChanged(const RECT&) override {}
  void flush() override {}
  void poll(std::vector<InputEvent>&) override {}
  void wait(DWORD) override {}
  bool virtualTime() const override { return true; }
  void showCursor(bool) override {}
  void moveCursor(POINT) override {}
  std::vector<RECT> monitors() override { return m_monitors.empty() ? Backend::monitors() : m_monitors; }

 private:
  std::vector<uint32_t> m_pixels;
  std::vector<RECT> m_monitors;
  int m_width = 0;
  int m_height = 0;
};

}  // namespace

std::unique_ptr<Backend> makeHeadlessBackend() {
  return std::make_unique<HeadlessBackend>();
}

}  // namespace kx
