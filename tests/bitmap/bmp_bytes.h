// Small .bmp files built in memory for the loader tests: a picture of a few distinct colours in
// any depth the loader reads, written bottom-up or top-down, and a way to spoil one field.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

namespace kx::test {

// The colours of the test pictures, 0x00RRGGBB as GetPixel's COLORREF is not.
constexpr COLORREF kBmpColors[] = {RGB(255, 0, 0),   RGB(0, 255, 0),     RGB(0, 0, 255),
                                   RGB(255, 255, 0), RGB(255, 255, 255), RGB(0, 128, 128)};
constexpr int kBmpColorCount = 6;

// Pixel (x, y), counted from the top, of a picture whose depth gives it `colors` colours.
inline int BmpIndexAt(int x, int y, int colors) {
  return (x + 3 * y) % colors;
}

inline int BmpColorsFor(int bits) {
  return bits == 1 ? 2 : kBmpColorCount;
}

inline COLORREF BmpColorAt(int x, int y, int bits) {
  return kBmpColors[BmpIndexAt(x, y, BmpColorsFor(bits))];
}

inline void PutLE(std::vector<uint8_t>& data, size_t at, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) data[at + i] = uint8_t(value >> (8 * i));
}

// A whole file: 14-byte file header, 40-byte information header, a colour table of the depth's
// full size for 1, 4 and 8 bits, then the rows, each padded to four bytes. A negative height is
// stored top-down.
inline std::vector<uint8_t> MakeBmp(int width, int height, int bits) {
  const int rows = height < 0 ? -height : height;
  const int tableEntries = bits <= 8 ? 1 << bits : 0;
  const size_t stride = size_t((width * bits + 31) / 32 * 4);
  const size_t offBits = 14 + 40 + 4 * size_t(tableEntries);
  std::vector<uint8_t> data(offBits + stride * size_t(rows), 0);
  data[0] = 'B';
  data[1] = 'M';
  PutLE(data, 2, uint32_t(data.size()), 4);
  PutLE(data, 10, uint32_t(offBits), 4);
  PutLE(data, 14, 40, 4);
  PutLE(data, 18, uint32_t(width), 4);
  PutLE(data, 22, uint32_t(height), 4);
  PutLE(data, 26, 1, 2);
  PutLE(data, 28, uint32_t(bits), 2);
  PutLE(data, 34, uint32_t(stride * size_t(rows)), 4);
  for (int i = 0; i < tableEntries && i < kBmpColorCount; ++i) {
    const COLORREF c = kBmpColors[i];
    const uint8_t quad[4] = {GetBValue(c), GetGValue(c), GetRValue(c), 0};
    std::memcpy(&data[54 + 4 * size_t(i)], quad, 4);
  }
  for (int y = 0; y < rows; ++y) {
    // Bottom-up files store the lowest row first.
    const int stored = height > 0 ? rows - 1 - y : y;
    uint8_t* line = &data[offBits + stride * size_t(stored)];
    for (int x = 0; x < width; ++x) {
      const int index = BmpIndexAt(x, y, BmpColorsFor(bits));
      const COLORREF c = kBmpColors[index];
      switch (bits) {
        case 1:
          line[x / 8] |= uint8_t(index << (7 - x % 8));
          break;
        case 4:
          line[x / 2] |= uint8_t(index << (x % 2 ? 0 : 4));
          break;
        case 8:
          line[x] = uint8_t(index);
          break;
        default: {
          const int size = bits / 8;
          line[x * size] = GetBValue(c);
          line[x * size + 1] = GetGValue(c);
          line[x * size + 2] = GetRValue(c);
        }
      }
    }
  }
  return data;
}

inline void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& data) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
}

}  // namespace kx::test
