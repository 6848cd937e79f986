#include "raster/ink_tiles.h"

namespace kx {

void InkTiles::resize(int64_t width, int64_t height) {
  m_shift = 6;
  while ((int64_t(64) << m_shift) < width) ++m_shift;
  m_rows.assign(width > 0 && height > 0 ? size_t(height) : 0, 0);
}

void InkTiles::mark(const RECT& r) {
  const int64_t top = std::max<int64_t>(r.top, 0),
                bottom = std::min<int64_t>(r.bottom, int64_t(m_rows.size()));
  if (r.left >= r.right) return;
  const uint64_t rowBits = bits(r.left, r.right);
  for (int64_t y = top; y < bottom; ++y) m_rows[size_t(y)] |= rowBits;
}

}  // namespace kx
