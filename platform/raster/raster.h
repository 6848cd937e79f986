// The drawing backend: spans, pixels and thin lines on a 32-bit surface, clipped, in device
// coordinates that may lie far outside the surface (64-bit arithmetic throughout).
#pragma once

#include <windows.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <span>
#include <vector>

#include "raster/ink_tiles.h"
#include "raster/pixel_runs.h"
#include "raster/pixels.h"

namespace kx {

// How an area is painted: a solid colour or an 8 x 8 hatch tiled from the brush origin.
struct Fill {
  enum class Kind { None, Solid, Hatch };
  Kind kind = Kind::None;
  uint32_t color = 0;
  int hatch = 0;
  uint32_t background = 0;  // hatch gaps, when opaque
  bool opaque = true;
  POINT origin{};  // brush origin, device pixels
};

// How an outline is drawn: nothing, a one-pixel line, or a stroked region of `width` pixels.
struct Stroke {
  enum class Kind { None, Thin, Wide };
  Kind kind = Kind::Thin;
  uint32_t color = 0;
  int width = 1;
  bool insideFrame = false;
};

// What a bitmap knows of its own pixels: every pixel outside `inked` (surface pixels), or in a
// tile that `tiles` leaves unmarked, has the colour `color`. A new bitmap is all black; a solid
// fill over all of it makes it plain again. Fills, blits and a new bitmap's clearing use it to
// leave alone what they would not change. Every change of the pixels counts in `version`, so what
// is kept of them knows when it is out of date.
struct PlainArea {
  uint32_t color = 0;
  RECT inked{0, 0, 0, 0};
  InkTiles tiles;
  uint64_t version = 0;
  bool clean() const { return inked.left >= inked.right || inked.top >= inked.bottom; }
  // Pixels of a rectangle changed (any of them, any way).
  void add(const RECT& r) {
    bound(r);
    tiles.mark(r);
  }
  // Pixels within a rectangle changed, whose tiles the caller marked itself.
  void bound(const RECT& r);
  // Every pixel is `plainColor` now.
  void reset(uint32_t plainColor);
};

// Calls run(x0, x1) for each part of row y between x0 and x1 (surface pixels, x1 excluded) that
// none of the `covered` rectangles holds, left to right.
template <class RunFn>
void forEachUncoveredRun(std::span<const RECT> covered, int64_t y, int64_t x0, int64_t x1, RunFn&& run) {
  for (size_t i = 0; i < covered.size(); ++i) {
    const RECT& r = covered[i];
    if (y < r.top || y >= r.bottom || x1 <= r.left || x0 >= r.right) continue;
    std::span<const RECT> rest = covered.subspan(i + 1);
    if (x0 < r.left) forEachUncoveredRun(rest, y, x0, int64_t(r.left), run);
    if (r.right < x1) forEachUncoveredRun(rest, y, int64_t(r.right), x1, run);
    return;
  }
  if (x0 < x1) run(x0, x1);
}

// Bits of one 8-pixel row of a hatch pattern; bit 0 is the cell's column 0.
uint8_t hatchRowBits(int hatch, int row);

class Raster {
 public:
  // `clip`, `origin` and `covered` are in surface pixels; drawing coordinates are shifted by
  // `origin`. Pixels inside `covered` rectangles are neither drawn nor read. A bitmap's `plain`
  // area lets a solid fill of all its pixels skip those that have the colour already.
  Raster(const PixelSurface& surface, const RECT& clip, POINT origin, std::span<const RECT> covered = {},
         PlainArea* plain = nullptr);

  bool empty() const { return m_clipLeft >= m_clipRight || m_clipTop >= m_clipBottom; }
  // Whether windows above hold some of the pixels within the clip.
  bool anyCovered() const { return !m_covered.empty(); }
  // Surface pixels touched so far, for presenting window DCs (empty when nothing was drawn).
  RECT changed() const;

  // Logical coordinates; right and bottom excluded.
  void fillRect(int64_t left, int64_t top, int64_t right, int64_t bottom, const Fill& fill);
  void fillSpan(int64_t y, int64_t x0, int64_t x1, const Fill& fill) {
    if (fill.kind == Fill::Kind::Solid && x1 - x0 <= kShortRun && m_covered.empty()) {
      shortRun(y, x0, x1, fill.color);
      return;
    }
    fillRect(x0, y, x1, y + 1, fill);
  }
  // Runs of one colour, each the pixels x0..x1 (x1 excluded) of row y, moved by (dx, dy): the
  // many short runs of an outline, clipped one by one and noted as changed once. Runs known to lie
  // `within` a rectangle that is inside the clip need no clipping.
  template <class Run>
  void fillRuns(std::span<const Run> runs, int64_t dx, int64_t dy, uint32_t color,
                const RECT* within = nullptr);
  void setPixel(int64_t x, int64_t y, uint32_t color);
  bool getPixel(int64_t x, int64_t y, uint32_t& color) const;
  // A Bresenham line from (x0, y0) towards (x1, y1); the end pixel only when `withEnd`.
  void thinLine(int64_t x0, int64_t y0, int64_t x1, int64_t y1, uint32_t color, bool withEnd);

  // Restricts drawing further to a logical rectangle.
  void narrowClip(int64_t left, int64_t top, int64_t right, int64_t bottom);

  // Device-space clip box in logical coordinates, for callers that cull whole shapes.
  int64_t clipLeft() const { return m_clipLeft - m_originX; }
  int64_t clipTop() const { return m_clipTop - m_originY; }
  int64_t clipRight() const { return m_clipRight - m_originX; }
  int64_t clipBottom() const { return m_clipBottom - m_originY; }
  int64_t originX() const { return m_originX; }
  int64_t originY() const { return m_originY; }
  const PixelSurface& surface() const { return m_surface; }
  // Surface pixels left..right, top..bottom (excluded) changed; a bitmap's tiles are marked at
  // once, its bounds when the drawing is done (settlePlain).
  void noteChanged(int64_t left, int64_t top, int64_t right, int64_t bottom) {
    noteBounds(left, top, right, bottom);
    if (!m_plain) return;
    if (bottom == top + 1) {
      m_plain->tiles.mark(top, left, right);
    } else {
      m_plain->tiles.mark(RECT{LONG(left), LONG(top), LONG(right), LONG(bottom)});
    }
  }
  // The same for pixels within the rectangle whose tiles were marked one run at a time.
  void noteBounds(int64_t left, int64_t top, int64_t right, int64_t bottom) {
    m_dirtyLeft = std::min(m_dirtyLeft, left);
    m_dirtyTop = std::min(m_dirtyTop, top);
    m_dirtyRight = std::max(m_dirtyRight, right);
    m_dirtyBottom = std::max(m_dirtyBottom, bottom);
  }
  // Gives a bitmap's plain area the bounds of what was drawn so far.
  void settlePlain() {
    if (m_plain) m_plain->bound(changed());
  }
  // Whether the plain area of a bitmap follows the drawing as it happens.
  bool keepsPlain() const { return m_plain != nullptr; }

 private:
  // Outlines are mostly runs of a pixel or two, cheaper stored one by one than through fillRect.
  static constexpr int64_t kShortRun = 8;
  void shortRun(int64_t y, int64_t x0, int64_t x1, uint32_t color) {
    y += m_originY;
    x0 = std::max(x0 + m_originX, m_clipLeft);
    x1 = std::min(x1 + m_originX, m_clipRight);
    if (y < m_clipTop || y >= m_clipBottom || x0 >= x1) return;
    noteChanged(x0, y, x1, y + 1);
    uint32_t* row = m_surface.pixels + y * m_surface.stride;
    for (int64_t x = x0; x < x1; ++x) row[x] = color;
  }

  // Pixels x0..x1 of surface row y, inside the clip, set to one colour; their tiles are marked in
  // a bitmap's `tileRows` (null for none).
  void putRun(uint64_t* tileRows, int64_t y, int64_t x0, int64_t x1, uint32_t color) {
    uint32_t* row = m_surface.pixels + y * m_surface.stride;
    if (x1 - x0 <= 4) {
      for (int64_t x = x0; x < x1; ++x) row[x] = color;
    } else {
      fillPixels(row + x0, size_t(x1 - x0), color);
    }
    if (tileRows) tileRows[y] |= m_plain->tiles.tilesOf(x0, x1);
  }
  void fillDeviceRow(uint32_t* row, int64_t y, int64_t x0, int64_t x1, const Fill& fill);
  void fillWhole(uint32_t color);
  bool isCovered(int64_t x, int64_t y) const;

  PixelSurface m_surface;
  int64_t m_clipLeft, m_clipTop, m_clipRight, m_clipBottom;  // surface pixels
  int64_t m_originX, m_originY;
  std::vector<RECT> m_covered;  // within the clip; usually empty
  PlainArea* m_plain;
  int64_t m_dirtyLeft = INT64_MAX, m_dirtyTop = INT64_MAX, m_dirtyRight = INT64_MIN,
          m_dirtyBottom = INT64_MIN;
};

template <class Run>
void Raster::fillRuns(std::span<const Run> runs, int64_t dx, int64_t dy, uint32_t color, const RECT* within) {
  if (!m_covered.empty()) {
    const Fill pen{Fill::Kind::Solid, color};
    for (const Run& run : runs) fillSpan(dy + run.y, dx + run.x0, dx + run.x1, pen);
    return;
  }
  dx += m_originX;
  dy += m_originY;
  uint64_t* const tileRows = m_plain ? m_plain->tiles.rowsOf(m_surface.height) : nullptr;
  if (within && within->left < within->right && within->left + dx >= m_clipLeft &&
      within->right + dx <= m_clipRight && within->top + dy >= m_clipTop &&
      within->bottom + dy <= m_clipBottom) {
    for (const Run& run : runs) putRun(tileRows, dy + run.y, dx + run.x0, dx + run.x1, color);
    noteBounds(within->left + dx, within->top + dy, within->right + dx, within->bottom + dy);
    return;
  }
  int64_t left = INT64_MAX, top = INT64_MAX, right = INT64_MIN, bottom = INT64_MIN;
  for (const Run& run : runs) {
    const int64_t y = dy + run.y;
    if (y < m_clipTop || y >= m_clipBottom) continue;
    const int64_t x0 = std::max(dx + run.x0, m_clipLeft), x1 = std::min(dx + run.x1, m_clipRight);
    if (x0 >= x1) continue;
    putRun(tileRows, y, x0, x1, color);
    left = std::min(left, x0);
    right = std::max(right, x1);
    top = std::min(top, y);
    bottom = std::max(bottom, y + 1);
  }
  if (left < right) noteBounds(left, top, right, bottom);
}

}  // namespace kx
