#include "raster/wide_stroke.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <vector>

#include "raster/stroke_cache.h"
#include "raster/stroke_reach.h"

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

Bounds pathBounds(const WidePath& path) {
  Bounds bounds;
  for (const PathOp& op : path.ops()) {
    if (op.kind == PathOp::Kind::Arc) {
      bounds.add(op.x - op.rx, op.y - op.ry);
      bounds.add(op.x + op.rx, op.y + op.ry);
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

// The first inked byte at or after x, skipping clear bytes eight at a time.
int nextInked(const unsigned char* row, int x, int width) {
  while (x < width && (reinterpret_cast<uintptr_t>(row + x) & 7) != 0 && !row[x]) ++x;
  while (x + 8 <= width) {
    uint64_t word;
    std::memcpy(&word, row + x, sizeof word);
    if (word) break;
    x += 8;
  }
  while (x < width && !row[x]) ++x;
  return x;
}

// Strokes whose whole mask is at most this large are kept with their runs.
constexpr int64_t kCachedArea = int64_t(1) << 22;

// Rasterises the stroke into a width x height mask whose pixel (0, 0) is the logical pixel
// (originX, originY) and calls run(y, x0, x1) for each inked run, in mask coordinates.
template <class RunFn>
void inkRuns(const WidePath& path, const Stroke& stroke, int64_t originX, int64_t originY, int width,
             int height, RunFn&& run) {
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
    buildPath(cr.get(), path, 0.5 - double(originX), 0.5 - double(originY));
    cairo_stroke(cr.get());
  }
  cairo_surface_flush(mask.get());
  // Pixel centres the stroke covers lie within half its width of the path, which Cairo follows to
  // a tenth of a pixel; the reach adds a margin of two pixels on top.
  ReachMap reachable(width, height, stroke.width / 2.0 + 2, -double(originX), -double(originY));
  reachable.walk(path);
  for (int y = 0; y < height; ++y) {
    unsigned char* row = data + size_t(y) * size_t(maskStride);
    reachable.forEachStretch(y, [&](int from, int to) {
      int x = from;
      while (x < to) {
        x = nextInked(row, x, to);
        const int start = x;
        while (x < to && row[x]) ++x;
        if (x > start) {
          run(y, start, x);
          std::memset(row + start, 0, size_t(x - start));  // the scratch mask stays clear for the next stroke
        }
      }
    });
  }
}

// The path moved by (-originX, -originY).
std::vector<PathOp> shapeOf(const WidePath& path, int64_t originX, int64_t originY) {
  std::vector<PathOp> shape = path.ops();
  for (PathOp& op : shape) {
    if (op.kind == PathOp::Kind::Close) continue;
    op.x -= double(originX);
    op.y -= double(originY);
  }
  return shape;
}

}  // namespace

void strokeWide(Raster& raster, const WidePath& path, const Stroke& stroke) {
  if (raster.empty() || path.ops().empty()) return;
  const Bounds bounds = pathBounds(path);
  const double reach = stroke.width / 2.0 + 1;
  // The box the stroke can reach, in logical pixels, and the part of the clip within it.
  const int64_t fullLeft = int64_t(std::floor(std::max(bounds.left - reach, -9e18)));
  const int64_t fullTop = int64_t(std::floor(std::max(bounds.top - reach, -9e18)));
  const int64_t fullRight = int64_t(std::ceil(std::min(bounds.right + reach, 9e18))) + 1;
  const int64_t fullBottom = int64_t(std::ceil(std::min(bounds.bottom + reach, 9e18))) + 1;
  const int64_t left = std::max<int64_t>(raster.clipLeft(), fullLeft);
  const int64_t top = std::max<int64_t>(raster.clipTop(), fullTop);
  const int64_t right = std::min<int64_t>(raster.clipRight(), fullRight);
  const int64_t bottom = std::min<int64_t>(raster.clipBottom(), fullBottom);
  if (left >= right || top >= bottom) return;
  // Too far out for Cairo's fixed point: such a stroke is not drawn.
  if (bounds.left - left < -kMaxCoordinate || bounds.right - left > kMaxCoordinate ||
      bounds.top - top < -kMaxCoordinate || bounds.bottom - top > kMaxCoordinate) {
    return;
  }
  const Fill pen{Fill::Kind::Solid, stroke.color};
  const double fullArea = (double(fullRight) - double(fullLeft)) * (double(fullBottom) - double(fullTop));
  if (fullArea > double(kCachedArea)) {
    inkRuns(path, stroke, left, top, int(right - left), int(bottom - top),
            [&](int y, int x0, int x1) { raster.fillSpan(top + y, left + x0, left + x1, pen); });
    return;
  }
  // A stroke small enough is rasterised whole, clip or not, so that its runs serve wherever the
  // same figure is stroked again.
  StrokeCache& cache = StrokeCache::local();
  std::vector<PathOp> shape = shapeOf(path, fullLeft, fullTop);
  const std::vector<StrokeRun>* runs = cache.find(shape, stroke.width);
  if (!runs) {
    std::vector<StrokeRun> fresh;
    inkRuns(path, stroke, fullLeft, fullTop, int(fullRight - fullLeft), int(fullBottom - fullTop),
            [&](int y, int x0, int x1) {
              fresh.push_back(StrokeRun{y, x0, x1});
            });
    runs = &cache.add(std::move(shape), stroke.width, std::move(fresh));
  }
  raster.fillRuns(std::span<const StrokeRun>(*runs), fullLeft, fullTop, stroke.color);
}

}  // namespace kx
