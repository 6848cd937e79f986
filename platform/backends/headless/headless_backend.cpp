// The headless backend: the desktop lives in memory only and time is simulated, so tests and
// recordings run far faster than real time. Input comes only from injection.
#include <vector>

#include "backends/backend.h"

namespace kx {

namespace {

class HeadlessBackend : public Backend {
 public:
  std::string open(const PlatformOptions& options) override {
    if (options.width <= 0 || options.height <= 0 || options.width > 16384 || options.height > 16384) {
      return "the desktop size " + std::to_string(options.width) + " x " + std::to_string(options.height) +
             " is out of range (1 to 16384 pixels each way)";
    }
    m_width = options.width;
    m_height = options.height;
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

 private:
  std::vector<uint32_t> m_pixels;
  int m_width = 0;
  int m_height = 0;
};

}  // namespace

std::unique_ptr<Backend> makeHeadlessBackend() {
  return std::make_unique<HeadlessBackend>();
}

}  // namespace kx
