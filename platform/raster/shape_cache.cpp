#include "raster/shape_cache.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <utility>

#include "raster/pixel_runs.h"

namespace kx {

namespace {

// No drawing colour has bits in the top byte, so this marks a pixel the shape left alone.
constexpr uint32_t kUntouched = 0xFF000000u;

size_t hashOf(const std::vector<int64_t>& words) {
  size_t hash = words.size();
  for (int64_t word : words) hash = (hash ^ size_t(word)) * 0x100000001B3ull;
  return hash;
}

// Rasterises the shape once more onto a blank of the pixels it touched, and reads back its runs.
// The blank's pixels are the surface's moved by the corner of what was touched, and so is the
// brush origin, which places a hatch in surface pixels.
ShapePixels record(const Raster& raster, const RECT& touched, const Fill& fill,
                   const ShapeCache::Rasterise& rasterise) {
  const int w = touched.right - touched.left, h = touched.bottom - touched.top;
  std::vector<uint32_t> blank(size_t(w) * size_t(h), kUntouched);
  const int64_t shiftX = raster.originX() - touched.left, shiftY = raster.originY() - touched.top;
  Raster copy(PixelSurface{blank.data(), w, h, w}, RECT{0, 0, w, h}, POINT{LONG(shiftX), LONG(shiftY)});
  Fill moved = fill;
  moved.origin = POINT{LONG(fill.origin.x - touched.left), LONG(fill.origin.y - touched.top)};
  rasterise(copy, moved);
  std::vector<std::pair<uint32_t, std::vector<StrokeRun>>> byColour;
  for (int y = 0; y < h; ++y) {
    forEachColourRun(blank.data() + size_t(y) * size_t(w), 0, w, kUntouched,
                     [&](int start, int end, uint32_t color) {
                       auto group = std::find_if(byColour.begin(), byColour.end(),
                                                 [color](const auto& g) { return g.first == color; });
                       if (group == byColour.end()) group = byColour.insert(byColour.end(), {color, {}});
                       group->second.push_back(
                           StrokeRun{int32_t(y - shiftY), int32_t(start - shiftX), int32_t(end - shiftX)});
                     });
  }
  ShapePixels pixels;
  for (auto& [color, runs] : byColour) {
    RECT bounds{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (const StrokeRun& run : runs) {
      bounds = RECT{std::min<LONG>(bounds.left, run.x0), std::min<LONG>(bounds.top, run.y),
                    std::max<LONG>(bounds.right, run.x1), std::max<LONG>(bounds.bottom, run.y + 1)};
    }
    pixels.runs.insert(pixels.runs.end(), runs.begin(), runs.end());
    pixels.colours.push_back(ShapePixels::Colour{color, pixels.runs.size(), bounds});
  }
  return pixels;
}

}  // namespace

void ShapePixels::drawOn(Raster& raster) const {
  size_t begin = 0;
  for (const Colour& colour : colours) {
    raster.fillRuns(std::span<const StrokeRun>(runs.data() + begin, colour.end - begin), 0, 0, colour.color,
                    &colour.bounds);
    begin = colour.end;
  }
}

ShapeCache& ShapeCache::local() {
  thread_local ShapeCache cache;
  return cache;
}

void ShapeCache::draw(Raster& raster, std::vector<int64_t> call, const Stroke& stroke, const Fill& fill,
                      const Rasterise& rasterise) {
  // Where windows above cover part of the target, what is drawn depends on more than the call.
  if (raster.empty() || raster.anyCovered()) {
    rasterise(raster, fill);
    return;
  }
  call.insert(call.end(), {int64_t(stroke.kind), stroke.color, stroke.width, stroke.insideFrame,
                           int64_t(fill.kind), fill.color, fill.hatch, fill.background, fill.opaque,
                           fill.origin.x, fill.origin.y, raster.originX(), raster.originY(),
                           raster.clipLeft(), raster.clipTop(), raster.clipRight(), raster.clipBottom()});
  const size_t hash = hashOf(call);
  if (const ShapePixels* kept =
          m_store.find(hash, [&](const std::vector<int64_t>& key) { return key == call; })) {
    kept->drawOn(raster);
    return;
  }
  rasterise(raster, fill);
  if (m_seen.insert(hash).second) {
    if (m_seen.size() > kSeen) m_seen = {hash};
    return;
  }
  m_seen.erase(hash);
  const RECT touched = raster.changed();
  const int64_t area = int64_t(touched.right - touched.left) * (touched.bottom - touched.top);
  if (area > kLargestArea) return;
  ShapePixels pixels = area > 0 ? record(raster, touched, fill, rasterise) : ShapePixels{};
  const size_t weight = pixels.runs.size() + 1;
  m_store.add(hash, std::move(call), std::move(pixels), weight);
}

}  // namespace kx
