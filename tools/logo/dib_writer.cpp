#include "dib_writer.h"

#include <cstddef>

#include "palette.h"

namespace kx::art {
namespace {

constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kPaletteSize = 16 * 4;

class ByteWriter {
 public:
  explicit ByteWriter(std::vector<uint8_t>& out) : m_out(out) {}
  void u8(uint32_t v) { m_out.push_back(static_cast<uint8_t>(v)); }
  void u16(uint32_t v) {
    u8(v & 0xFF);
    u8(v >> 8 & 0xFF);
  }
  void u32(uint32_t v) {
    u16(v & 0xFFFF);
    u16(v >> 16);
  }

 private:
  std::vector<uint8_t>& m_out;
};

// Rows of a DIB are padded to whole 32-bit words.
uint32_t stride(int width, int bitsPerPixel) {
  return (static_cast<uint32_t>(width * bitsPerPixel) + 31) / 32 * 4;
}

uint32_t colourBitsSize(const IndexedCanvas& p) {
  return stride(p.width(), 4) * static_cast<uint32_t>(p.height());
}
uint32_t maskBitsSize(const IndexedCanvas& p) {
  return stride(p.width(), 1) * static_cast<uint32_t>(p.height());
}

void appendInfoHeader(std::vector<uint8_t>& out, int width, int height, uint32_t imageSize) {
  ByteWriter w(out);
  w.u32(kInfoHeaderSize);
  w.u32(static_cast<uint32_t>(width));
  w.u32(static_cast<uint32_t>(height));
  w.u16(1);  // planes
  w.u16(4);  // bits per pixel
  w.u32(0);  // BI_RGB
  w.u32(imageSize);
  w.u32(2835);  // 72 dots per inch, in pixels per metre
  w.u32(2835);
  w.u32(16);  // colours used
  w.u32(0);   // all colours important
}

void appendPalette(std::vector<uint8_t>& out) {
  for (const Rgb& c : kPalette) {
    out.push_back(c.b);
    out.push_back(c.g);
    out.push_back(c.r);
    out.push_back(0);
  }
}

// Bottom row first, two pixels a byte, the left one in the high nibble.
void appendColourBits(std::vector<uint8_t>& out, const IndexedCanvas& p) {
  for (int y = p.height() - 1; y >= 0; --y) {
    size_t rowStart = out.size();
    for (int x = 0; x < p.width(); x += 2) {
      uint8_t left = p.at(x, y) & 0xF;
      uint8_t right = x + 1 < p.width() ? p.at(x + 1, y) & 0xF : 0;
      out.push_back(static_cast<uint8_t>(left << 4 | right));
    }
    out.resize(rowStart + stride(p.width(), 4), 0);
  }
}

// A set bit keeps the screen (transparent); index 0 is the transparent ink.
void appendMaskBits(std::vector<uint8_t>& out, const IndexedCanvas& p) {
  for (int y = p.height() - 1; y >= 0; --y) {
    size_t rowStart = out.size();
    for (int x = 0; x < p.width(); x += 8) {
      uint8_t byte = 0;
      for (int bit = 0; bit < 8 && x + bit < p.width(); ++bit)
        if (p.at(x + bit, y) == kSpace) byte |= static_cast<uint8_t>(0x80 >> bit);
      out.push_back(byte);
    }
    out.resize(rowStart + stride(p.width(), 1), 0);
  }
}

}  // namespace

std::vector<uint8_t> bmpFile(const IndexedCanvas& picture) {
  constexpr uint32_t kFileHeaderSize = 14;
  const uint32_t bitsOffset = kFileHeaderSize + kInfoHeaderSize + kPaletteSize;
  const uint32_t imageSize = colourBitsSize(picture);
  std::vector<uint8_t> out;
  ByteWriter w(out);
  w.u8('B');
  w.u8('M');
  w.u32(bitsOffset + imageSize);
  w.u32(0);  // reserved
  w.u32(bitsOffset);
  appendInfoHeader(out, picture.width(), picture.height(), imageSize);
  appendPalette(out);
  appendColourBits(out, picture);
  return out;
}

std::vector<uint8_t> icoFile(const std::vector<IndexedCanvas>& images) {
  constexpr uint32_t kDirHeaderSize = 6;
  constexpr uint32_t kDirEntrySize = 16;
  std::vector<uint8_t> out;
  ByteWriter w(out);
  w.u16(0);  // reserved
  w.u16(1);  // icon
  w.u16(static_cast<uint32_t>(images.size()));
  uint32_t offset = kDirHeaderSize + kDirEntrySize * static_cast<uint32_t>(images.size());
  for (const IndexedCanvas& image : images) {
    uint32_t bytes = kInfoHeaderSize + kPaletteSize + colourBitsSize(image) + maskBitsSize(image);
    w.u8(static_cast<uint32_t>(image.width()));
    w.u8(static_cast<uint32_t>(image.height()));
    w.u8(16);  // colours
    w.u8(0);
    w.u16(1);  // planes
    w.u16(4);  // bits per pixel
    w.u32(bytes);
    w.u32(offset);
    offset += bytes;
  }
  for (const IndexedCanvas& image : images) {
    appendInfoHeader(out, image.width(), image.height() * 2, colourBitsSize(image) + maskBitsSize(image));
    appendPalette(out);
    appendColourBits(out, image);
    appendMaskBits(out, image);
  }
  return out;
}

}  // namespace kx::art
