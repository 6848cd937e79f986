#include "kernel/icon.h"

#include <cstdlib>

namespace kx {
namespace {

uint16_t u16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | p[1] << 8);
}
uint32_t u32(const uint8_t* p) {
  return u16(p) | static_cast<uint32_t>(u16(p + 2)) << 16;
}

constexpr size_t kInfoHeaderSize = 40;
constexpr int kLargestIcon = 256;
constexpr uint32_t kRgbCompression = 0;
constexpr uint32_t kBitfieldsCompression = 3;

size_t rowBytes(int width, int bitsPerPixel) {
  return ((static_cast<size_t>(width) * static_cast<size_t>(bitsPerPixel) + 31) / 32) * 4;
}

uint32_t opaque(const uint8_t* bgr) {
  return 0xFF000000u | bgr[2] << 16 | bgr[1] << 8 | bgr[0];
}

// The colour bits of pixel x in a row, as 0xAARRGGBB (alpha taken from the bits only at 32 bpp).
uint32_t pixelAt(const uint8_t* row, int x, int bits, const uint8_t* palette, size_t paletteSize) {
  if (bits == 32) return u32(row + 4 * x);
  if (bits == 24) return opaque(row + 3 * x);
  int perByte = 8 / bits;
  int shift = 8 - bits * (x % perByte + 1);
  size_t index = (row[x / perByte] >> shift) & ((1 << bits) - 1);
  return index < paletteSize ? opaque(palette + 4 * index) : 0xFF000000u;
}

}  // namespace

std::optional<IconImage> decodeIconImage(const uint8_t* data, size_t size) {
  if (!data || size < kInfoHeaderSize) return std::nullopt;
  uint32_t headerSize = u32(data);
  auto width = static_cast<int32_t>(u32(data + 4));
  auto doubledHeight = static_cast<int32_t>(u32(data + 8));
  int bits = u16(data + 14);
  uint32_t compression = u32(data + 16);
  uint32_t coloursUsed = u32(data + 32);
  int height = doubledHeight / 2;
  bool knownDepth = bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
  if (headerSize < kInfoHeaderSize || headerSize > size || !knownDepth || width <= 0 ||
      width > kLargestIcon || height <= 0 || height > kLargestIcon ||
      (compression != kRgbCompression && compression != kBitfieldsCompression)) {
    return std::nullopt;
  }
  size_t paletteSize = bits <= 8 ? (coloursUsed && coloursUsed < (1u << bits) ? coloursUsed : 1u << bits) : 0;
  // BI_BITFIELDS puts three masks after the header; 32-bit icons use the standard ones.
  size_t colourStart = headerSize + (compression == kBitfieldsCompression ? 12 : 0) + 4 * paletteSize;
  size_t colourRow = rowBytes(width, bits);
  size_t maskRow = rowBytes(width, 1);
  size_t maskStart = colourStart + colourRow * static_cast<size_t>(height);
  bool hasMask = maskStart + maskRow * static_cast<size_t>(height) <= size;
  if (maskStart > size) return std::nullopt;

  IconImage image{width, height,
                  std::vector<uint32_t>(static_cast<size_t>(width) * static_cast<size_t>(height))};
  bool anyAlpha = false;
  for (int y = 0; y < height; ++y) {
    // Rows are stored bottom-up.
    const uint8_t* row = data + colourStart + colourRow * static_cast<size_t>(height - 1 - y);
    for (int x = 0; x < width; ++x) {
      uint32_t pixel = pixelAt(row, x, bits, data + headerSize, paletteSize);
      anyAlpha = anyAlpha || (bits == 32 && (pixel >> 24) != 0);
      image.argb[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] = pixel;
    }
  }
  // Without alpha in the colour bits, the AND mask says which pixels are transparent (bit set).
  if (anyAlpha) return image;
  for (int y = 0; y < height; ++y) {
    const uint8_t* mask = data + maskStart + maskRow * static_cast<size_t>(height - 1 - y);
    for (int x = 0; x < width; ++x) {
      uint32_t& pixel =
          image.argb[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
      bool transparent = hasMask && ((mask[x / 8] >> (7 - x % 8)) & 1);
      pixel = transparent ? 0u : (pixel | 0xFF000000u);
    }
  }
  return image;
}

std::optional<uint16_t> bestIconInGroup(const uint8_t* data, size_t size, int wanted) {
  // GRPICONDIR: reserved, type 1, count; then 14-byte entries ending in the RT_ICON id.
  constexpr size_t kHeader = 6, kEntry = 14;
  if (!data || size < kHeader || u16(data + 2) != 1) return std::nullopt;
  size_t count = u16(data + 4);
  std::optional<uint16_t> best;
  int bestDistance = 0, bestBits = 0;
  for (size_t i = 0; i < count && kHeader + (i + 1) * kEntry <= size; ++i) {
    const uint8_t* entry = data + kHeader + i * kEntry;
    int width = entry[0] ? entry[0] : kLargestIcon;
    int height = entry[1] ? entry[1] : kLargestIcon;
    int bits = u16(entry + 6);
    if (bits == 0) bits = entry[2] == 2 ? 1 : entry[2] == 16 ? 4 : 8;  // older files give a colour count
    int distance = std::abs(width - wanted) + std::abs(height - wanted);
    if (!best || distance < bestDistance || (distance == bestDistance && bits > bestBits)) {
      best = u16(entry + 12);
      bestDistance = distance;
      bestBits = bits;
    }
  }
  return best;
}

std::optional<IconImage> loadIconFromResources(const ResFile& resources, const ResName& group, int size) {
  const ResEntry* directory = resources.find(ResName{true, 14, {}}, group);
  if (!directory) return std::nullopt;
  std::optional<uint16_t> id = bestIconInGroup(directory->data, directory->size, size);
  const ResEntry* icon = id ? resources.find(ResName{true, 3, {}}, ResName{true, *id, {}}) : nullptr;
  std::optional<IconImage> image = icon ? decodeIconImage(icon->data, icon->size) : std::nullopt;
  if (!image || (image->width == size && image->height == size)) return image;
  IconImage scaled{size, size, std::vector<uint32_t>(static_cast<size_t>(size) * static_cast<size_t>(size))};
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      size_t from = static_cast<size_t>(y * image->height / size) * static_cast<size_t>(image->width) +
                    static_cast<size_t>(x * image->width / size);
      scaled.argb[static_cast<size_t>(y) * static_cast<size_t>(size) + static_cast<size_t>(x)] =
          image->argb[from];
    }
  }
  return scaled;
}

}  // namespace kx
