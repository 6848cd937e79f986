#include "raster/raster.h"

#include "raster/pixel_runs.h"

#include <algorithm>
#include <climits>

namespace kx {

uint8_t hatchRowBits(int hatch, int row) {
  row &= 7;
  const uint8_t diagonalDown = uint8_t(1u << row);      // x == y
  const uint8_t diagonalUp = uint8_t(1u << (7 - row));  // x == 7 - y
  const uint8_t column = 1u << 4;
  switch (hatch) {
    case HS_HORIZONTAL:
      return row == 3 ? 0xFF : 0;
    case HS_VERTICAL:
      return column;
    case HS_FDIAGONAL:
      return diagonalDown;
    case HS_BDIAGONAL:
      return diagonalUp;
    case HS_CROSS:
      return row == 3 ? 0xFF : column;
    case HS_DIAGCROSS:
      return diagonalDown | diagonalUp;
    default:
      return 0;
  }
}

void PlainArea::bound(const RECT& r) {
  if (r.left >= r.right || r.top >= r.bottom) return;
  ++version;
  if (clean()) {
    inked = r;
    return;
  }
  inked = RECT{std::min(inked.left, r.left), std::min(inked.top, r.top), std::max(inked.right, r.right),
               std::max(inked.bottom, r.bottom)};
}

void PlainArea::reset(uint32_t plainColor) {
  color = plainColor;
  inked = RECT{0, 0, 0, 0};
  tiles.clear();
  ++version;
}

Raster::Raster(const PixelSurface& surface, const RECT& clip, POINT origin, std::span<const RECT> covered,
               PlainArea* plain)
    : m_surface(surface), m_originX(origin.x), m_originY(origin.y), m_plain(plain) {
  m_clipLeft = std::max<int64_t>(clip.left, 0);
  m_clipTop = std::max<int64_t>(clip.top, 0);
  m_clipRight = std::min<int64_t>(clip.right, surface.pixels ? surface.width : 0);
  m_clipBottom = std::min<int64_t>(clip.bottom, surface.pixels ? surface.height : 0);
  for (const RECT& r : covered) {
    const int64_t left = std::max<int64_t>(r.left, m_clipLeft),
                  right = std::min<int64_t>(r.right, m_clipRight);
    const int64_t top = std::max<int64_t>(r.top, m_clipTop),
                  bottom = std::min<int64_t>(r.bottom, m_clipBottom);
    if (left >= right || top >= bottom) continue;
    if (left == m_clipLeft && top == m_clipTop && right == m_clipRight && bottom == m_clipBottom) {
      // Wholly covered: nothing can be drawn.
      m_clipRight = m_clipLeft;
      m_covered.clear();
      return;
    }
    m_covered.push_back(RECT{LONG(left), LONG(top), LONG(right), LONG(bottom)});
  }
}

bool Raster::isCovered(int64_t x, int64_t y) const {
  for (const RECT& r : m_covered) {
    if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return true;
  }
  return false;
}

RECT Raster::changed() const {
  if (m_dirtyLeft >= m_dirtyRight) return RECT{0, 0, 0, 0};
  return RECT{LONG(m_dirtyLeft), LONG(m_dirtyTop), LONG(m_dirtyRight), LONG(m_dirtyBottom)};
}

void Raster::narrowClip(int64_t left, int64_t top, int64_t right, int64_t bottom) {
  m_clipLeft = std::max(m_clipLeft, left + m_originX);
  m_clipTop = std::max(m_clipTop, top + m_originY);
  m_clipRight = std::min(m_clipRight, right + m_originX);
  m_clipBottom = std::min(m_clipBottom, bottom + m_originY);
}

void Raster::fillRect(int64_t left, int64_t top, int64_t right, int64_t bottom, const Fill& fill) {
  if (fill.kind == Fill::Kind::None) return;
  const int64_t x0 = std::max(left + m_originX, m_clipLeft), x1 = std::min(right + m_originX, m_clipRight);
  const int64_t y0 = std::max(top + m_originY, m_clipTop), y1 = std::min(bottom + m_originY, m_clipBottom);
  if (x0 >= x1 || y0 >= y1) return;
  if (m_plain && fill.kind == Fill::Kind::Solid && m_covered.empty() && x0 == 0 && y0 == 0 &&
      x1 == m_surface.width && y1 == m_surface.height) {
    fillWhole(fill.color);
    return;
  }
  noteChanged(x0, y0, x1, y1);
  const int64_t stride = m_surface.stride;
  if (!m_covered.empty()) {
    for (int64_t y = y0; y < y1; ++y) {
      uint32_t* row = m_surface.pixels + y * stride;
      forEachUncoveredRun(m_covered, y, x0, x1,
                          [&](int64_t a, int64_t b) { fillDeviceRow(row, y, a, b, fill); });
    }
    return;
  }
  if (fill.kind == Fill::Kind::Solid && x0 == 0 && x1 == m_surface.width && stride == m_surface.width) {
    // One run over whole rows: the common clear of a back buffer.
    fillPixels(m_surface.pixels + y0 * stride, size_t((y1 - y0) * stride), fill.color);
    return;
  }
  for (int64_t y = y0; y < y1; ++y) fillDeviceRow(m_surface.pixels + y * stride, y, x0, x1, fill);
}

// A solid fill of every pixel: where the bitmap is plain in that colour already, nothing changes.
// The bitmap is plain afterwards, so the fill is not counted as ink.
void Raster::fillWhole(uint32_t color) {
  PlainArea& plain = *m_plain;
  settlePlain();  // what this raster drew before is covered too
  if (plain.color == color) {
    const int64_t top = std::max<int64_t>(plain.inked.top, 0),
                  bottom = std::min<int64_t>(plain.inked.bottom, m_surface.height);
    for (int64_t y = top; y < bottom; ++y) {
      uint32_t* row = m_surface.pixels + y * m_surface.stride;
      plain.tiles.forEachMarked(y, std::max<int64_t>(plain.inked.left, 0),
                                std::min<int64_t>(plain.inked.right, m_surface.width),
                                [&](int64_t a, int64_t b) { fillPixels(row + a, size_t(b - a), color); });
    }
  } else {
    for (int64_t y = 0; y < m_surface.height; ++y) {
      fillPixels(m_surface.pixels + y * m_surface.stride, size_t(m_surface.width), color);
    }
  }
  plain.reset(color);
}

void Raster::fillDeviceRow(uint32_t* row, int64_t y, int64_t x0, int64_t x1, const Fill& fill) {
  if (fill.kind == Fill::Kind::Solid) {
    // Outlines are mostly runs of a pixel or two: stored directly, without the vector loop.
    if (x1 - x0 <= 4) {
      for (int64_t x = x0; x < x1; ++x) row[x] = fill.color;
    } else {
      fillPixels(row + x0, size_t(x1 - x0), fill.color);
    }
    return;
  }
  const uint8_t bits = hatchRowBits(fill.hatch, int((y - fill.origin.y) & 7));
  if (fill.opaque && (bits == 0 || bits == 0xFF)) {
    fillPixels(row + x0, size_t(x1 - x0), bits ? fill.color : fill.background);
    return;
  }
  if (!fill.opaque) {
    for (int64_t x = x0; x < x1; ++x) {
      if (bits & (1u << ((x - fill.origin.x) & 7))) row[x] = fill.color;
    }
    return;
  }
  // One cell row as pixels, indexed by the column within the cell.
  uint32_t cell[8];
  for (int i = 0; i < 8; ++i) cell[i] = (bits & (1u << i)) ? fill.color : fill.background;
  for (int64_t x = x0; x < x1; ++x) row[x] = cell[(x - fill.origin.x) & 7];
}

void Raster::setPixel(int64_t x, int64_t y, uint32_t color) {
  x += m_originX;
  y += m_originY;
  if (x < m_clipLeft || x >= m_clipRight || y < m_clipTop || y >= m_clipBottom) return;
  if (!m_covered.empty() && isCovered(x, y)) return;
  m_surface.pixels[y * m_surface.stride + x] = color;
  noteBounds(x, y, x + 1, y + 1);
  if (m_plain) m_plain->tiles.markPixel(x, y);
}

bool Raster::getPixel(int64_t x, int64_t y, uint32_t& color) const {
  x += m_originX;
  y += m_originY;
  if (x < m_clipLeft || x >= m_clipRight || y < m_clipTop || y >= m_clipBottom) return false;
  if (!m_covered.empty() && isCovered(x, y)) return false;
  color = m_surface.pixels[y * m_surface.stride + x];
  return true;
}

namespace {

// floor(a / b) for b > 0.
__int128 floorDiv(__int128 a, __int128 b) {
  __int128 q = a / b;
  return (a % b != 0 && a < 0) ? q - 1 : q;
}

int64_t floorDiv64(int64_t a, int64_t b) {
  const int64_t q = a / b;
  return (a % b != 0 && a < 0) ? q - 1 : q;
}

}  // namespace

void Raster::thinLine(int64_t x0, int64_t y0, int64_t x1, int64_t y1, uint32_t color, bool withEnd) {
  if (empty()) return;
  x0 += m_originX;
  y0 += m_originY;
  x1 += m_originX;
  y1 += m_originY;
  const int64_t dx = x1 - x0, dy = y1 - y0;
  const int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
  const bool xMajor = adx >= ady;
  const int64_t steps = xMajor ? adx : ady;
  const int64_t last = withEnd ? steps : steps - 1;
  if (last < 0) return;
  const int64_t majorStart = xMajor ? x0 : y0, majorSign = (xMajor ? dx : dy) < 0 ? -1 : 1;
  const int64_t minorStart = xMajor ? y0 : x0, minorSign = (xMajor ? dy : dx) < 0 ? -1 : 1;
  const int64_t majorLen = steps, minorLen = xMajor ? ady : adx;
  const int64_t clipMajorLo = xMajor ? m_clipLeft : m_clipTop,
                clipMajorHi = xMajor ? m_clipRight : m_clipBottom;
  // Only the steps whose major coordinate is inside the clip are walked.
  int64_t kLo = 0, kHi = last;
  if (majorSign > 0) {
    kLo = std::max(kLo, clipMajorLo - majorStart);
    kHi = std::min(kHi, clipMajorHi - 1 - majorStart);
  } else {
    kLo = std::max(kLo, majorStart - (clipMajorHi - 1));
    kHi = std::min(kHi, majorStart - clipMajorLo);
  }
  // Lines of screen sizes need no 128-bit division: 2 k minorLen stays far inside 64 bits.
  const bool narrow = majorLen < (int64_t(1) << 30) && minorLen < (int64_t(1) << 30);
  int64_t dirtyLo = INT64_MAX, dirtyHi = INT64_MIN, minorLo = INT64_MAX, minorHi = INT64_MIN;
  uint64_t* const tileRows = m_plain ? m_plain->tiles.rowsOf(m_surface.height) : nullptr;
  // The minor coordinate rounds k * minorLen / majorLen to the nearest, halves away from the start:
  // floor((2 k minorLen + majorLen) / (2 majorLen)). Lines of screen sizes carry the numerator's
  // remainder from step to step; the quotient grows by at most one a step, as minorLen <= majorLen.
  const int64_t den = 2 * majorLen, grow = 2 * minorLen;
  int64_t quotient = 0, remainder = 0;
  if (narrow && minorLen != 0 && kLo <= kHi) {
    quotient = floorDiv64(2 * kLo * minorLen + majorLen, den);
    remainder = 2 * kLo * minorLen + majorLen - quotient * den;
  }
  // A line with both ends inside the clip lies inside it: its pixels need no clipping, and its
  // bounds are those of its first and last pixel, the line going one way along each axis.
  const auto inside = [this](int64_t x, int64_t y) {
    return x >= m_clipLeft && x < m_clipRight && y >= m_clipTop && y < m_clipBottom;
  };
  if (narrow && m_covered.empty() && inside(x0, y0) && inside(x1, y1)) {
    uint32_t* const pixels = m_surface.pixels;
    const int64_t stride = m_surface.stride;
    int64_t minor = minorStart, x = x0, y = y0;
    for (int64_t k = 0; k <= last; ++k) {
      if (minorLen != 0 && k > 0) {
        remainder += grow;
        if (remainder >= den) {
          remainder -= den;
          minor += minorSign;
        }
      }
      const int64_t major = majorStart + majorSign * k;
      x = xMajor ? major : minor;
      y = xMajor ? minor : major;
      pixels[y * stride + x] = color;
      if (tileRows) tileRows[y] |= m_plain->tiles.tilesOf(x, x + 1);
    }
    noteBounds(std::min(x0, x), std::min(y0, y), std::max(x0, x) + 1, std::max(y0, y) + 1);
    return;
  }
  for (int64_t k = kLo; k <= kHi; ++k) {
    int64_t minorStep = 0;
    if (minorLen != 0 && narrow) {
      if (k > kLo) {
        remainder += grow;
        if (remainder >= den) {
          remainder -= den;
          ++quotient;
        }
      }
      minorStep = quotient;
    } else if (minorLen != 0) {
      minorStep = int64_t(floorDiv(__int128(2) * k * minorLen + majorLen, __int128(2) * majorLen));
    }
    const int64_t major = majorStart + majorSign * k, minor = minorStart + minorSign * minorStep;
    const int64_t x = xMajor ? major : minor, y = xMajor ? minor : major;
    if (x < m_clipLeft || x >= m_clipRight || y < m_clipTop || y >= m_clipBottom) continue;
    if (!m_covered.empty() && isCovered(x, y)) continue;
    m_surface.pixels[y * m_surface.stride + x] = color;
    if (tileRows) tileRows[y] |= m_plain->tiles.tilesOf(x, x + 1);
    dirtyLo = std::min(dirtyLo, major);
    dirtyHi = std::max(dirtyHi, major);
    minorLo = std::min(minorLo, minor);
    minorHi = std::max(minorHi, minor);
  }
  if (dirtyLo > dirtyHi) return;
  if (xMajor) {
    noteBounds(dirtyLo, minorLo, dirtyHi + 1, minorHi + 1);
  } else {
    noteBounds(minorLo, dirtyLo, minorHi + 1, dirtyHi + 1);
  }
}

}  // namespace kx
