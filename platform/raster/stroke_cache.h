// The inked runs of recent wide strokes, by the shape of their path: a figure drawn again, or at
// another place, reuses the runs instead of rasterising its stroke once more. Animations cycle
// through up to a few hundred figures (a turning ring's phases, the orbit's thirty bracket corners
// coming back every sixth tick), so the cache keeps that many, within a bound on the runs it holds;
// a cycle longer than the cache would miss on every stroke.
#pragma once

#include <cstdint>
#include <vector>

#include "raster/recent_store.h"
#include "raster/wide_stroke.h"

namespace kx {

// Pixels x0..x1 (x1 excluded) of row y, relative to the stroke's own origin.
struct StrokeRun {
  int32_t y, x0, x1;
};

class StrokeCache {
 public:
  // The cache of the calling thread.
  static StrokeCache& local();

  // The runs of a stroke `width` wide along `shape` (a path relative to the stroke's origin), or
  // null when none is kept.
  const std::vector<StrokeRun>* find(const std::vector<PathOp>& shape, int width);
  const std::vector<StrokeRun>& add(std::vector<PathOp> shape, int width, std::vector<StrokeRun> runs);

 private:
  struct Key {
    std::vector<PathOp> shape;
    int width;
  };
  static size_t hashOf(const std::vector<PathOp>& shape, int width);

  static constexpr size_t kEntries = 256;
  static constexpr size_t kRuns = size_t(1) << 19;  // about 6 MB
  RecentStore<Key, std::vector<StrokeRun>> m_store{kEntries, kRuns};
};

}  // namespace kx
