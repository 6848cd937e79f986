// Rectangles of pixels: FillRect, FrameRect, DrawFocusRect, PatBlt and BitBlt.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <span>
#include <utility>
#include <vector>

#include "gdi/dc.h"
#include "gdi/gdi_objects.h"
#include "raster/pixel_runs.h"

using namespace kx;

namespace {

// Windows accepts a system colour index plus one wherever FillRect takes a brush.
HBRUSH brushOrSysColor(HBRUSH brush) {
  const auto value = reinterpret_cast<uintptr_t>(brush);
  if (value > 0 && value <= 31) return GetSysColorBrush(int(value) - 1);
  return brush;
}

bool fillRects(HDC hdc, HBRUSH brush, const RECT* rects, int count) {
  DcObject* dc = findDc(hdc);
  if (!dc) return false;
  if (!lookup<BrushObject>(brush)) {
    SetLastError(ERROR_INVALID_HANDLE);
    return false;
  }
  drawOn(*dc, [&](Raster& raster) {
    const Fill fill = fillForBrush(brush, dc->state, POINT{LONG(raster.originX()), LONG(raster.originY())});
    for (int i = 0; i < count; ++i)
      raster.fillRect(rects[i].left, rects[i].top, rects[i].right, rects[i].bottom, fill);
  });
  return true;
}

// A raster operation of the source and destination pixels, one row at a time.
enum class Combine { Copy, And, Or, Xor };

void combineRow(uint32_t* dst, const uint32_t* src, int64_t count, Combine combine) {
  switch (combine) {
    case Combine::Copy:
      std::memmove(dst, src, size_t(count) * sizeof(uint32_t));
      break;
    case Combine::And:
      andPixels(dst, src, size_t(count));
      break;
    case Combine::Or:
      orPixels(dst, src, size_t(count));
      break;
    case Combine::Xor:
      xorPixels(dst, src, size_t(count));
      break;
  }
}

// Whether combining with a source pixel of this colour leaves the destination pixel as it was.
// Bitmap pixels carry no alpha byte, so ANDing with white keeps them whole.
bool leavesAsIs(Combine combine, uint32_t source) {
  switch (combine) {
    case Combine::And:
      return source == 0xFFFFFF;
    case Combine::Or:
    case Combine::Xor:
      return source == 0;
    case Combine::Copy:
      return false;
  }
  return false;
}

// Narrows a blit's rectangle (destination at d, source at s, len long on one axis) to the span
// [lo, hi) of the source.
void narrowAxis(int64_t& d, int64_t& s, int64_t& len, int64_t lo, int64_t hi) {
  const int64_t shift = std::max<int64_t>(0, lo - s);
  d += shift;
  s += shift;
  len = std::min(len - shift, hi - s);
}

// The colour a combination gives whatever the destination pixel, if there is one.
bool settles(Combine combine, uint32_t source) {
  return (combine == Combine::And && source == 0) || (combine == Combine::Or && source == 0xFFFFFF);
}

// Combines the pixels da..db of one ink run (destination columns) into destination row `row`.
// Most runs are an outline's pixel or two, combined in place rather than through a call each: a
// run of one colour with that colour, without reading the source; a mixed one with AND and OR as
// eight pixels at once, for those give the same applied twice and change nothing with the
// source's plain pixels, as long as the eight stay inside the blit (`blitEnd`).
template <class Op>
void combineInkSpan(const InkRun& run, uint32_t* row, const uint32_t* source, int64_t da, int64_t db,
                    int64_t blitEnd, Combine combine, Op op) {
  uint32_t* d = row + da;
  const uint32_t* s = source + da;
  if (db - da <= 8) {
    if (run.uniform) {
      for (int64_t i = 0; i < db - da; ++i) d[i] = op(d[i], run.color);
    } else if ((combine == Combine::And || combine == Combine::Or) && da + 8 <= blitEnd) {
      combineEight(d, s, op);
    } else {
      for (int64_t i = 0; i < db - da; ++i) d[i] = op(d[i], s[i]);
    }
  } else if (run.uniform && settles(combine, run.color)) {
    fillPixels(d, size_t(db - da), run.color);
  } else {
    combineRow(d, s, db - da, combine);
  }
}

// Combines a source that is blitted again unchanged through its runs of ink, so that its plain
// pixels are not even read; a run of one colour that settles the result is a fill.
template <class Op>
void combineRuns(std::span<const InkRun> runs, const DrawTarget& from, const DrawTarget& to, int64_t dx,
                 int64_t dy, int64_t sx0, int64_t sx1, Combine combine, Op op) {
  PlainArea* const dest = to.plain;
  const int64_t blitEnd = sx1 + dx;
  uint64_t* const tileRows = dest ? dest->tiles.rowsOf(to.surface.height) : nullptr;
  for (const InkRun& run : runs) {
    const int64_t a = std::max<int64_t>(run.x0, sx0), b = std::min<int64_t>(run.x1, sx1);
    if (a >= b) continue;
    const int64_t y = run.y + dy;
    uint32_t* const row = to.surface.pixels + y * to.surface.stride;
    const uint32_t* const source = from.surface.pixels + run.y * from.surface.stride - dx;
    combineInkSpan(run, row, source, a + dx, b + dx, blitEnd, combine, op);
    if (tileRows) tileRows[y] |= dest->tiles.tilesOf(a + dx, b + dx);
  }
}

// ANDed into a bitmap that is plain in black, a source needs combining only where the bitmap has
// ink: black stays black whatever the source. Row by row, only the runs under the bitmap's marked
// tiles are looked at (a mask the size of the bitmap meets a few rings drawn on black).
template <class Op>
void andIntoInk(std::span<const InkRun> runs, const DrawTarget& from, const DrawTarget& to, int64_t dx,
                int64_t dy, int64_t sx0, int64_t sx1, Op op) {
  const PlainArea& dest = *to.plain;
  const int64_t left = std::max<int64_t>(sx0 + dx, dest.inked.left),
                right = std::min<int64_t>(sx1 + dx, dest.inked.right);
  for (auto rowStart = runs.begin(); rowStart != runs.end();) {
    const int32_t sy = rowStart->y;
    const auto rowEnd =
        std::upper_bound(rowStart, runs.end(), sy, [](int32_t y, const InkRun& run) { return y < run.y; });
    const int64_t y = sy + dy;
    if (y >= dest.inked.top && y < dest.inked.bottom) {
      uint32_t* const row = to.surface.pixels + y * to.surface.stride;
      const uint32_t* const source = from.surface.pixels + int64_t(sy) * from.surface.stride - dx;
      dest.tiles.forEachMarked(y, left, right, [&](int64_t a, int64_t b) {
        // The runs of a row lie left to right without overlapping: the first to reach past a.
        auto run = std::lower_bound(rowStart, rowEnd, a - dx,
                                    [](const InkRun& r, int64_t x) { return int64_t(r.x1) <= x; });
        for (; run != rowEnd && run->x0 + dx < b; ++run) {
          const int64_t da = std::max<int64_t>(run->x0 + dx, a), db = std::min<int64_t>(run->x1 + dx, b);
          combineInkSpan(*run, row, source, da, db, sx1 + dx, Combine::And, op);
        }
      });
    }
    rowStart = rowEnd;
  }
}

// False when the source's runs are not (yet) worth finding.
bool combineInkRuns(const DrawTarget& from, const DrawTarget& to, int64_t dx0, int64_t dy0, int64_t sx0,
                    int64_t sy0, int64_t w, int64_t h, Combine combine) {
  const uint64_t version = from.plain->version;
  if (!from.ink->current(version)) {
    if (!from.ink->wanted(version)) return false;
    from.ink->build(from.surface, from.plain->inked, from.plain->color, version);
  }
  const std::span<const InkRun> runs = from.ink->rows(sy0, sy0 + h);
  const int64_t dx = dx0 - sx0, dy = dy0 - sy0;
  switch (combine) {
    case Combine::And: {
      auto op = [](auto d, auto s) { return d & s; };
      if (to.plain && to.plain->color == 0) {
        andIntoInk(runs, from, to, dx, dy, sx0, sx0 + w, op);
      } else {
        combineRuns(runs, from, to, dx, dy, sx0, sx0 + w, combine, op);
      }
      return true;
    }
    case Combine::Or:
      combineRuns(runs, from, to, dx, dy, sx0, sx0 + w, combine, [](auto d, auto s) { return d | s; });
      return true;
    case Combine::Xor:
      combineRuns(runs, from, to, dx, dy, sx0, sx0 + w, combine, [](auto d, auto s) { return d ^ s; });
      return true;
    case Combine::Copy:
      return false;
  }
  return false;
}

bool sourceCombine(DWORD rop, Combine& combine) {
  switch (rop) {
    case SRCCOPY:
      combine = Combine::Copy;
      return true;
    case SRCAND:
      combine = Combine::And;
      return true;
    case SRCPAINT:
      combine = Combine::Or;
      return true;
    case SRCINVERT:
      combine = Combine::Xor;
      return true;
    default:
      return false;
  }
}

}  // namespace

int WINAPI FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
  if (!lprc) return 0;
  return fillRects(hDC, brushOrSysColor(hbr), lprc, 1) ? 1 : 0;
}

int WINAPI FrameRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
  if (!lprc) return 0;
  const RECT& r = *lprc;
  if (r.right <= r.left || r.bottom <= r.top) return 1;
  const RECT sides[4] = {{r.left, r.top, r.right, r.top + 1},
                         {r.left, r.bottom - 1, r.right, r.bottom},
                         {r.left, r.top, r.left + 1, r.bottom},
                         {r.right - 1, r.top, r.right, r.bottom}};
  return fillRects(hDC, brushOrSysColor(hbr), sides, 4) ? 1 : 0;
}

BOOL WINAPI DrawFocusRect(HDC hDC, const RECT* lprc) {
  DcObject* dc = findDc(hDC);
  if (!dc || !lprc) return FALSE;
  const RECT r = *lprc;
  if (r.right <= r.left || r.bottom <= r.top) return TRUE;
  drawOn(*dc, [&](Raster& raster) {
    // A dotted frame drawn by inverting every other pixel, so a second call erases it.
    auto invert = [&](int64_t x, int64_t y) {
      uint32_t pixel = 0;
      if (((x + y) & 1) == 0 && raster.getPixel(x, y, pixel)) raster.setPixel(x, y, pixel ^ 0xFFFFFF);
    };
    const int64_t x0 = std::max<int64_t>(r.left, raster.clipLeft() - 1),
                  x1 = std::min<int64_t>(r.right, raster.clipRight() + 1);
    const int64_t y0 = std::max<int64_t>(r.top, raster.clipTop() - 1),
                  y1 = std::min<int64_t>(r.bottom, raster.clipBottom() + 1);
    for (int64_t x = x0; x < x1; ++x) {
      invert(x, r.top);
      if (r.bottom - 1 != r.top) invert(x, int64_t(r.bottom) - 1);
    }
    for (int64_t y = std::max<int64_t>(y0, int64_t(r.top) + 1);
         y < std::min<int64_t>(y1, int64_t(r.bottom) - 1); ++y) {
      invert(r.left, y);
      if (r.right - 1 != r.left) invert(int64_t(r.right) - 1, y);
    }
  });
  return TRUE;
}

BOOL WINAPI PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop) {
  DcObject* dc = findDc(hdc);
  if (!dc) return FALSE;
  const int64_t x0 = std::min<int64_t>(x, int64_t(x) + w), x1 = std::max<int64_t>(x, int64_t(x) + w);
  const int64_t y0 = std::min<int64_t>(y, int64_t(y) + h), y1 = std::max<int64_t>(y, int64_t(y) + h);
  drawOn(*dc, [&](Raster& raster) {
    Fill fill{Fill::Kind::Solid, 0};
    if (rop == WHITENESS) {
      fill.color = 0xFFFFFF;
    } else if (rop == PATCOPY) {
      fill = fillForBrush(dc->state.brush, dc->state, POINT{LONG(raster.originX()), LONG(raster.originY())});
    } else if (rop != BLACKNESS) {
      return;
    }
    raster.fillRect(x0, y0, x1, y1, fill);
  });
  return rop == BLACKNESS || rop == WHITENESS || rop == PATCOPY;
}

BOOL WINAPI BitBlt(HDC hdc, int x, int y, int cx, int cy, HDC hdcSrc, int x1, int y1, DWORD rop) {
  if (rop == BLACKNESS || rop == WHITENESS || rop == PATCOPY) return PatBlt(hdc, x, y, cx, cy, rop);
  Combine combine;
  if (!sourceCombine(rop, combine)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  DcObject* dst = findDc(hdc);
  DcObject* src = findDc(hdcSrc);
  if (!dst || !src) return FALSE;
  DrawTarget from, to;
  if (!src->target(from) || !dst->target(to)) return FALSE;
  if (cx <= 0 || cy <= 0) return TRUE;
  // Device coordinates of both rectangles, clipped to both DCs.
  int64_t dx0 = int64_t(x) + to.origin.x, dy0 = int64_t(y) + to.origin.y;
  int64_t sx0 = int64_t(x1) + from.origin.x, sy0 = int64_t(y1) + from.origin.y;
  int64_t w = cx, h = cy;
  auto clipAxis = [](int64_t& d, int64_t& s, int64_t& len, int64_t dLo, int64_t dHi, int64_t sLo,
                     int64_t sHi) {
    const int64_t shift = std::max({int64_t(0), dLo - d, sLo - s});
    d += shift;
    s += shift;
    len -= shift;
    len = std::min({len, dHi - d, sHi - s});
  };
  const RECT& dc = to.clip;
  const RECT& sc = from.clip;
  clipAxis(dx0, sx0, w, std::max<int64_t>(dc.left, 0), std::min<int64_t>(dc.right, to.surface.width),
           std::max<int64_t>(sc.left, 0), std::min<int64_t>(sc.right, from.surface.width));
  clipAxis(dy0, sy0, h, std::max<int64_t>(dc.top, 0), std::min<int64_t>(dc.bottom, to.surface.height),
           std::max<int64_t>(sc.top, 0), std::min<int64_t>(sc.bottom, from.surface.height));
  if (w <= 0 || h <= 0) return TRUE;
  const bool sameSurface = from.surface.pixels == to.surface.pixels;
  // Where a bitmap source is plain in a colour that changes nothing, only its ink needs combining.
  if (from.plain && to.plain && !sameSurface && leavesAsIs(combine, from.plain->color)) {
    const RECT& ink = from.plain->inked;
    narrowAxis(dx0, sx0, w, ink.left, ink.right);
    narrowAxis(dy0, sy0, h, ink.top, ink.bottom);
    if (w <= 0 || h <= 0) return TRUE;
    if (from.ink && to.covered.empty() && combineInkRuns(from, to, dx0, dy0, sx0, sy0, w, h, combine)) {
      // A bitmap destination's tiles were marked run by run.
      const RECT touched{LONG(dx0), LONG(dy0), LONG(dx0 + w), LONG(dy0 + h)};
      if (to.plain) {
        to.plain->bound(touched);
      } else {
        dst->changed(touched);
      }
      return TRUE;
    }
  }
  // Copied from a bitmap, the plain parts of a row are a fill: nothing to read.
  const PlainArea* plainSource = combine == Combine::Copy && !sameSurface ? from.plain : nullptr;
  // On one surface, rows run bottom-up when the destination lies below the source.
  const bool upwards = sameSurface && dy0 > sy0;
  // Columns a..b of one row of the rectangle.
  auto copyRun = [&](int64_t row, int64_t a, int64_t b) {
    uint32_t* d = to.surface.pixels + (dy0 + row) * to.surface.stride + dx0 + a;
    const uint32_t* s = from.surface.pixels + (sy0 + row) * from.surface.stride + sx0 + a;
    const int64_t n = b - a;
    if (plainSource) {
      const RECT& ink = plainSource->inked;
      const int64_t sy = sy0 + row, sx = sx0 + a;
      const bool inkedRow = sy >= ink.top && sy < ink.bottom;
      const int64_t inkFrom = inkedRow ? std::clamp<int64_t>(ink.left - sx, 0, n) : n;
      const int64_t inkTo = inkedRow ? std::clamp<int64_t>(ink.right - sx, inkFrom, n) : n;
      // Only the source's marked tiles are read; the rest of the row is its plain colour.
      int64_t filledTo = 0;
      plainSource->tiles.forEachMarked(sy, sx + inkFrom, sx + inkTo, [&](int64_t tilesFrom, int64_t tilesTo) {
        const int64_t first = tilesFrom - sx, end = tilesTo - sx;
        fillPixels(d + filledTo, size_t(first - filledTo), plainSource->color);
        std::memcpy(d + first, s + first, size_t(end - first) * sizeof(uint32_t));
        filledTo = end;
      });
      fillPixels(d + filledTo, size_t(n - filledTo), plainSource->color);
      return;
    }
    if (sameSurface && combine != Combine::Copy && d > s && d < s + n) {
      for (int64_t k = n - 1; k >= 0; --k) combineRow(d + k, s + k, 1, combine);
    } else {
      combineRow(d, s, n, combine);
    }
  };
  // Pixels of windows above the destination keep theirs: such rows are copied in the runs between.
  std::vector<std::pair<int64_t, int64_t>> runs;
  for (int64_t i = 0; i < h; ++i) {
    const int64_t row = upwards ? h - 1 - i : i;
    if (to.covered.empty()) {
      copyRun(row, 0, w);
      continue;
    }
    runs.clear();
    forEachUncoveredRun(to.covered, dy0 + row, dx0, dx0 + w,
                        [&runs, dx0](int64_t a, int64_t b) { runs.emplace_back(a - dx0, b - dx0); });
    // Copying rightwards within one row, a later run reads pixels an earlier one would write.
    if (sameSurface && dy0 == sy0 && dx0 > sx0) std::reverse(runs.begin(), runs.end());
    for (auto [a, b] : runs) copyRun(row, a, b);
  }
  dst->changed(RECT{LONG(dx0), LONG(dy0), LONG(dx0 + w), LONG(dy0 + h)});
  return TRUE;
}
