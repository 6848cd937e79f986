// Reads the pixels of a device-independent bitmap: 1, 4, 8, 24 or 32 bits a pixel, uncompressed.
#pragma once

#include <windows.h>

#include <cstdint>

namespace kx {

class DibReader {
 public:
  // False when the header is malformed, its sizes disagree with each other, or it is compressed.
  bool open(const BITMAPINFO* info, const void* bits, UINT colorUse);

  int width() const { return m_width; }
  int height() const { return m_height; }
  bool bottomUp() const { return m_bottomUp; }
  int64_t stride() const { return m_stride; }
  // Pixel x of the row stored `row` rows into the bits (0x00RRGGBB).
  uint32_t pixel(int64_t row, int64_t x) const;

 private:
  const uint8_t* m_bits = nullptr;
  const RGBQUAD* m_colors = nullptr;
  int m_colorCount = 0;
  int m_width = 0, m_height = 0, m_bitCount = 0;
  int64_t m_stride = 0;
  bool m_bottomUp = true;
};

}  // namespace kx
