// The inked runs of recent wide strokes, by the shape of their path: a figure drawn again, or at
// another place, reuses the runs instead of rasterising its stroke once more. Animations cycle
// through up to a few hundred figures (a turning ring's phases, the orbit's thirty bracket corners
// coming back every sixth tick), so the cache keeps that many, within a bound on the runs it holds;
// a cycle longer than the cache would miss on every stroke.
#pragma once

#include <cstdint>
#include <list>
#include <unordered_map>
#include <vector>

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
  struct Entry {
    size_t key;
    std::vector<PathOp> shape;
    int width;
    std::vector<StrokeRun> runs;
  };
  static size_t keyOf(const std::vector<PathOp>& shape, int width);

  static constexpr size_t kEntries = 256;
  static constexpr size_t kRuns = size_t(1) << 19;  // about 6 MB
  std::list<Entry> m_entries;                       // the most recently used last
  // The entries by key: a hit deep in a long cycle is found without walking the list.
  std::unordered_multimap<size_t, std::list<Entry>::iterator> m_byKey;
  size_t m_runs = 0;  // held by all entries
};

}  // namespace kx
