// A picture of palette indices (one byte a pixel), top row first, that the emblem is drawn on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kx::art {

class IndexedCanvas {
 public:
  IndexedCanvas(int width, int height) : m_width(width), m_height(height), m_pixels(width * height, 0) {}

  int width() const { return m_width; }
  int height() const { return m_height; }
  uint8_t at(int x, int y) const { return m_pixels[y * m_width + x]; }
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
  // Writes outside the canvas are dropped, so shapes may overhang its edges.
  void set(int x, int y, uint8_t index) {
    if (contains(x, y)) m_pixels[y * m_width + x] = index;
  }
  void fillRect(int left, int top, int width, int height, uint8_t index) {
    for (int y = top; y < top + height; ++y)
      for (int x = left; x < left + width; ++x) set(x, y, index);
  }

 private:
  int m_width;
  int m_height;
  std::vector<uint8_t> m_pixels;
};

}  // namespace kx::art
