// The pixels of recent shapes, by the call that drew them: a figure drawn again at the same
// place with the same pen and brush (an outline drawn into every frame) is written from its runs
// instead of being rasterised once more. A shape is kept the second time it is drawn, so shapes
// drawn once (a turning ring at each of its phases) cost no more than before.
#pragma once

#include <cstdint>
#include <functional>
#include <unordered_set>
#include <vector>

#include "raster/raster.h"
#include "raster/recent_store.h"
#include "raster/stroke_cache.h"

namespace kx {

// What a shape leaves on the pixels it touches: runs in logical coordinates, grouped by colour.
// Drawing overwrites, so a pixel's last colour is all a replay needs.
struct ShapePixels {
  struct Colour {
    uint32_t color;
    size_t end;   // the runs before this one and after the previous colour's have `color`
    RECT bounds;  // of those runs
  };
  std::vector<StrokeRun> runs;
  std::vector<Colour> colours;
  void drawOn(Raster& raster) const;
};

class ShapeCache {
 public:
  // The cache of the calling thread.
  static ShapeCache& local();

  using Rasterise = std::function<void(Raster&, const Fill&)>;
  // Draws a shape with `rasterise`, or from the pixels kept for it. `call` names the drawing call
  // and its arguments; the pen, brush, clip and origin are added to it here.
  void draw(Raster& raster, std::vector<int64_t> call, const Stroke& stroke, const Fill& fill,
            const Rasterise& rasterise);

 private:
  static constexpr size_t kEntries = 512;
  static constexpr size_t kRuns = size_t(1) << 19;           // about 6 MB
  static constexpr int64_t kLargestArea = int64_t(1) << 22;  // pixels a shape may touch to be kept
  static constexpr size_t kSeen = 8192;                      // calls remembered as seen once

  RecentStore<std::vector<int64_t>, ShapePixels> m_store{kEntries, kRuns};
  std::unordered_set<size_t> m_seen;
};

}  // namespace kx
