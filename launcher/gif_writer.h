// An animated GIF written frame by frame: each frame is quantised to its own palette of at most
// 256 colours and shown for the time until the next frame arrives.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "kx/platform.h"

struct GifFileType;

namespace kx {

class GifWriter {
 public:
  GifWriter() = default;
  ~GifWriter();
  GifWriter(const GifWriter&) = delete;
  GifWriter& operator=(const GifWriter&) = delete;

  // Empty on success, otherwise the reason.
  std::string open(const std::string& path, int width, int height);
  // A frame shown from timeMs on; the previous frame is written now that its length is known.
  std::string addFrame(const DesktopPixels& pixels, uint32_t timeMs);
  // Writes the last frame (shown as long as the one before it) and closes the file.
  std::string close();

 private:
  struct Frame {
    std::vector<uint8_t> indexes;
    std::vector<uint32_t> palette;  // 0x00RRGGBB
    uint32_t timeMs = 0;
  };
  std::string writeFrame(const Frame& frame, int delayCs);
  static Frame quantise(const DesktopPixels& pixels, uint32_t timeMs);

  GifFileType* m_gif = nullptr;
  int m_width = 0;
  int m_height = 0;
  bool m_pending = false;
  Frame m_frame;
  int m_lastDelayCs = 10;
};

}  // namespace kx
