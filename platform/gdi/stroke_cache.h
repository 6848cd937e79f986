// The inked runs of recent wide strokes, by the shape of their path: a figure drawn again, or at
// another place, reuses the runs instead of rasterising its stroke once more.
#pragma once

#include <cstdint>
#include <vector>

#include "gdi/wide_stroke.h"

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
  struct Entry {
    std::vector<PathOp> shape;
    int width;
    std::vector<StrokeRun> runs;
  };
  static constexpr size_t kEntries = 32;
  std::vector<Entry> m_entries;  // the most recently used last
};

}  // namespace kx
