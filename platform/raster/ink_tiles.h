// Which stretches of each row of a bitmap may hold ink, in tiles of a power of two of pixels:
// at most 64 tiles to a row, so that a row's tiles are one word. A bitmap drawn on here and there
// (rings and outlines over a black back buffer) is then combined, cleared or copied only where it
// was drawn on, not across the whole bounding box of its drawing.
#pragma once

#include <windows.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

namespace kx {

class InkTiles {
 public:
  // A bitmap of this size, no tile marked. Without rows (an empty bitmap) every tile counts as
  // marked.
  void resize(int64_t width, int64_t height);
  void clear() { std::fill(m_rows.begin(), m_rows.end(), uint64_t(0)); }

  // Marks the tiles of row y that pixels x0..x1 (x1 excluded) touch. Pixels within the bitmap.
  void mark(int64_t y, int64_t x0, int64_t x1) {
    if (x0 >= x1 || y < 0 || y >= int64_t(m_rows.size())) return;
    m_rows[size_t(y)] |= bits(x0, x1);
  }
  void markPixel(int64_t x, int64_t y) {
    if (y >= 0 && y < int64_t(m_rows.size())) m_rows[size_t(y)] |= uint64_t(1) << (x >> m_shift);
  }
  // For loops that mark run after run: the rows' words when the bitmap is `height` rows high
  // (null when nothing is tracked), to be marked through tilesOf.
  uint64_t* rowsOf(int64_t height) {
    return int64_t(m_rows.size()) == height && height > 0 ? m_rows.data() : nullptr;
  }
  // The tiles that pixels x0..x1 of a row touch, 0 <= x0 < x1 <= the bitmap's width.
  uint64_t tilesOf(int64_t x0, int64_t x1) const {
    return (uint64_t(2) << ((x1 - 1) >> m_shift)) - (uint64_t(1) << (x0 >> m_shift));
  }
  // Marks the tiles of a rectangle, clipped to the bitmap.
  void mark(const RECT& r);

  // Calls fn(a, b) for each stretch of marked tiles of row y, cut to pixels x0..x1 (b excluded),
  // left to right.
  template <class Fn>
  void forEachMarked(int64_t y, int64_t x0, int64_t x1, Fn&& fn) const {
    if (x0 >= x1) return;
    if (m_rows.empty()) {
      fn(x0, x1);
      return;
    }
    if (y < 0 || y >= int64_t(m_rows.size())) return;
    uint64_t marked = m_rows[size_t(y)] & bits(x0, x1);
    while (marked) {
      const int first = std::countr_zero(marked);
      const int count = std::countr_one(marked >> first);
      const int64_t a = std::max(x0, int64_t(first) << m_shift);
      const int64_t b = std::min(x1, int64_t(first + count) << m_shift);
      fn(a, b);
      marked = count + first >= 64 ? 0 : marked & (~uint64_t(0) << (first + count));
    }
  }

 private:
  // The tiles that pixels x0..x1 touch, x0 < x1.
  uint64_t bits(int64_t x0, int64_t x1) const {
    const int64_t lo = std::max<int64_t>(x0, 0), hi = std::min<int64_t>(x1, int64_t(64) << m_shift);
    if (lo >= hi) return 0;
    const int64_t first = lo >> m_shift, last = (hi - 1) >> m_shift;
    return (~uint64_t(0) << first) & (~uint64_t(0) >> (63 - last));
  }

  int m_shift = 6;
  std::vector<uint64_t> m_rows;
};

}  // namespace kx
