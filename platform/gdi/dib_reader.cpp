#include "gdi/dib_reader.h"

namespace kx {

namespace {

constexpr int64_t kMaxDibPixels = int64_t(1) << 28;

}  // namespace

bool DibReader::open(const BITMAPINFO* info, const void* bits, UINT colorUse) {
  if (!info || !bits || colorUse != DIB_RGB_COLORS) return false;
  const BITMAPINFOHEADER& h = info->bmiHeader;
  if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biSize > 1024 || h.biPlanes != 1) return false;
  if (h.biWidth <= 0 || h.biHeight == 0 || h.biHeight == INT32_MIN) return false;
  if (h.biCompression != BI_RGB && !(h.biCompression == BI_BITFIELDS && h.biBitCount == 32)) return false;
  switch (h.biBitCount) {
    case 1:
    case 4:
    case 8:
    case 24:
    case 32:
      break;
    default:
      return false;
  }
  m_width = h.biWidth;
  m_height = h.biHeight < 0 ? -h.biHeight : h.biHeight;
  m_bottomUp = h.biHeight > 0;
  m_bitCount = h.biBitCount;
  if (int64_t(m_width) * m_height > kMaxDibPixels) return false;
  m_stride = ((int64_t(m_width) * m_bitCount + 31) / 32) * 4;
  // A stated image size smaller than the rows it must hold means the header lies about the data.
  if (h.biSizeImage != 0 && int64_t(h.biSizeImage) < m_stride * m_height) return false;
  if (m_bitCount <= 8) {
    const int64_t full = int64_t(1) << m_bitCount;
    if (h.biClrUsed > full) return false;
    m_colorCount = h.biClrUsed ? int(h.biClrUsed) : int(full);
  } else {
    m_colorCount = 0;
  }
  const auto* base = reinterpret_cast<const uint8_t*>(info);
  // BI_BITFIELDS puts three masks after the header; the standard ones are assumed.
  const uint32_t masks = h.biCompression == BI_BITFIELDS ? 12 : 0;
  m_colors = reinterpret_cast<const RGBQUAD*>(base + h.biSize + masks);
  m_bits = static_cast<const uint8_t*>(bits);
  return true;
}

uint32_t DibReader::pixel(int64_t row, int64_t x) const {
  const uint8_t* line = m_bits + row * m_stride;
  uint32_t index = 0;
  switch (m_bitCount) {
    case 32:
      return (uint32_t(line[x * 4 + 2]) << 16) | (uint32_t(line[x * 4 + 1]) << 8) | line[x * 4];
    case 24:
      return (uint32_t(line[x * 3 + 2]) << 16) | (uint32_t(line[x * 3 + 1]) << 8) | line[x * 3];
    case 8:
      index = line[x];
      break;
    case 4:
      index = (line[x / 2] >> ((x & 1) ? 0 : 4)) & 0x0F;
      break;
    case 1:
      index = (line[x / 8] >> (7 - (x & 7))) & 1;
      break;
    default:
      return 0;
  }
  if (int(index) >= m_colorCount) return 0;  // beyond the colour table: black
  const RGBQUAD& c = m_colors[index];
  return (uint32_t(c.rgbRed) << 16) | (uint32_t(c.rgbGreen) << 8) | c.rgbBlue;
}

}  // namespace kx
