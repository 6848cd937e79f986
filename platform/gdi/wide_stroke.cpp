#include "gdi/wide_stroke.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <numbers>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kx {

namespace {

// Cairo keeps coordinates in 24.8 fixed point: paths further out than this would wrap.
constexpr double kMaxCoordinate = double(1 << 22);

struct Bounds {
  double left = INFINITY, top = INFINITY, right = -INFINITY, bottom = -INFINITY;
  void add(double x, double y) {
    left = std::min(left, x);
    top = std::min(top, y);
    right = std::max(right, x);
    bottom = std::max(bottom, y);
  }
};

// An arc reaches its ends and those of the ellipse's four extremes that its sweep passes: a
// quarter of a large ring needs a quarter of the ring's box, not all of it.
void addArc(Bounds& bounds, const PathOp& op) {
  if (op.rx <= 0 || op.ry <= 0) {
    bounds.add(op.x, op.y);  // drawn as a line to the centre
    return;
  }
  auto at = [&](double angle) { bounds.add(op.x + op.rx * std::cos(angle), op.y - op.ry * std::sin(angle)); };
  at(op.from);
  at(op.to);
  constexpr double kQuarter = std::numbers::pi / 2;
  if (op.to - op.from >= 4 * kQuarter) {
    bounds.add(op.x - op.rx, op.y - op.ry);
    bounds.add(op.x + op.rx, op.y + op.ry);
    return;
  }
  for (double extreme = std::ceil(op.from / kQuarter) * kQuarter; extreme <= op.to; extreme += kQuarter)
    at(extreme);
}

Bounds pathBounds(const WidePath& path) {
  Bounds bounds;
  for (const PathOp& op : path.ops()) {
    if (op.kind == PathOp::Kind::Arc) {
      addArc(bounds, op);
    } else if (op.kind != PathOp::Kind::Close) {
      bounds.add(op.x, op.y);
    }
  }
  return bounds;
}

void buildPath(cairo_t* cr, const WidePath& path, double dx, double dy) {
  for (const PathOp& op : path.ops()) {
    switch (op.kind) {
      case PathOp::Kind::Move:
        cairo_move_to(cr, op.x + dx, op.y + dy);
        break;
      case PathOp::Kind::Line:
        cairo_line_to(cr, op.x + dx, op.y + dy);
        break;
      case PathOp::Kind::Close:
        cairo_close_path(cr);
        break;
      case PathOp::Kind::Arc: {
        if (op.rx <= 0 || op.ry <= 0) {
          cairo_line_to(cr, op.x + dx, op.y + dy);
          break;
        }
        cairo_save(cr);
        cairo_translate(cr, op.x + dx, op.y + dy);
        cairo_scale(cr, op.rx, op.ry);
        // Screen y grows downwards, so counter-clockwise on screen is Cairo's negative direction.
        cairo_arc_negative(cr, 0, 0, 1, -op.from, -op.to);
        cairo_restore(cr);
        break;
      }
    }
  }
}

// One mask for every wide stroke of the thread, grown as needed and always left all clear: a
// stroke clears only the pixels it inked, so a large ring neither allocates nor wipes a mask the
// size of its box. Cairo needs the rows 4-byte aligned, which vector storage is.
unsigned char* scratchMask(size_t bytes) {
  thread_local std::vector<unsigned char> scratch;
  if (scratch.size() < bytes) scratch.resize(bytes, 0);
  return scratch.data();
}

// The first byte at or after x that is inked (or clear, with `inked` false), sixteen at a time.
int nextWhere(bool inked, const unsigned char* row, int x, int width) {
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128();
  while (x + 16 <= width) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + x));
    const int clear = _mm_movemask_epi8(_mm_cmpeq_epi8(bytes, zero));
    const int found = inked ? ~clear & 0xFFFF : clear;
    if (found) return x + __builtin_ctz(unsigned(found));
    x += 16;
  }
#endif
  while (x < width && (row[x] != 0) != inked) ++x;
  return x;
}

}  // namespace

void strokeWide(Raster& raster, const WidePath& path, const Stroke& stroke) {
  if (raster.empty() || path.ops().empty()) return;
  const Bounds bounds = pathBounds(path);
  const double reach = stroke.width / 2.0 + 1;
  // The part of the clip the stroke can reach, in logical pixels.
  const int64_t left =
      std::max<int64_t>(raster.clipLeft(), int64_t(std::floor(std::max(bounds.left - reach, -9e18))));
  const int64_t top =
      std::max<int64_t>(raster.clipTop(), int64_t(std::floor(std::max(bounds.top - reach, -9e18))));
  const int64_t right =
      std::min<int64_t>(raster.clipRight(), int64_t(std::ceil(std::min(bounds.right + reach, 9e18))) + 1);
  const int64_t bottom =
      std::min<int64_t>(raster.clipBottom(), int64_t(std::ceil(std::min(bounds.bottom + reach, 9e18))) + 1);
  if (left >= right || top >= bottom) return;
  // Too far out for Cairo's fixed point: such a stroke is not drawn.
  if (bounds.left - left < -kMaxCoordinate || bounds.right - left > kMaxCoordinate ||
      bounds.top - top < -kMaxCoordinate || bounds.bottom - top > kMaxCoordinate) {
    return;
  }
  const int width = int(right - left), height = int(bottom - top);
  const int maskStride = cairo_format_stride_for_width(CAIRO_FORMAT_A8, width);
  if (maskStride <= 0) return;
  unsigned char* data = scratchMask(size_t(maskStride) * size_t(height));
  std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> mask(
      cairo_image_surface_create_for_data(data, CAIRO_FORMAT_A8, width, height, maskStride),
      cairo_surface_destroy);
  if (cairo_surface_status(mask.get()) != CAIRO_STATUS_SUCCESS) return;
  {
    std::unique_ptr<cairo_t, decltype(&cairo_destroy)> cr(cairo_create(mask.get()), cairo_destroy);
    cairo_set_antialias(cr.get(), CAIRO_ANTIALIAS_NONE);
    cairo_set_line_width(cr.get(), stroke.width);
    cairo_set_line_cap(cr.get(), CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr.get(), CAIRO_LINE_JOIN_ROUND);
    buildPath(cr.get(), path, 0.5 - double(left), 0.5 - double(top));
    cairo_stroke(cr.get());
  }
  cairo_surface_flush(mask.get());
  const Fill pen{Fill::Kind::Solid, stroke.color};
  for (int y = 0; y < height; ++y) {
    unsigned char* row = data + size_t(y) * size_t(maskStride);
    int x = 0;
    while (x < width) {
      x = nextWhere(true, row, x, width);
      const int start = x;
      x = nextWhere(false, row, x, width);
      if (x > start) {
        raster.fillSpan(top + y, left + start, left + x, pen);
        std::memset(row + start, 0, size_t(x - start));  // the scratch mask stays clear for the next stroke
      }
    }
  }
}

}  // namespace kx
