#include "raster/stroke_cache.h"

#include <algorithm>
#include <cstddef>
#include <functional>
#include <utility>

namespace kx {

StrokeCache& StrokeCache::local() {
  thread_local StrokeCache cache;
  return cache;
}

size_t StrokeCache::keyOf(const std::vector<PathOp>& shape, int width) {
  size_t key = std::hash<int>()(width);
  for (const PathOp& op : shape) {
    for (double value : {op.x, op.y, op.rx, op.ry, op.from, op.to})
      key = key * 1000003u ^ std::hash<double>()(value);
    key = key * 1000003u ^ size_t(op.kind);
  }
  return key;
}

const std::vector<StrokeRun>* StrokeCache::find(const std::vector<PathOp>& shape, int width) {
  const size_t key = keyOf(shape, width);
  for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it) {
    if (it->key != key || it->width != width || it->shape != shape) continue;
    // Moved to the end, the entry is the last one a full cache gives up.
    std::rotate(std::prev(it.base()), it.base(), m_entries.end());
    return &m_entries.back().runs;
  }
  return nullptr;
}

const std::vector<StrokeRun>& StrokeCache::add(std::vector<PathOp> shape, int width,
                                               std::vector<StrokeRun> runs) {
  size_t drop = 0;
  size_t kept = m_runs + runs.size();
  while (drop < m_entries.size() && (m_entries.size() - drop >= kEntries || kept > kRuns)) {
    kept -= m_entries[drop].runs.size();
    ++drop;
  }
  m_entries.erase(m_entries.begin(), m_entries.begin() + std::ptrdiff_t(drop));
  m_runs = kept;
  const size_t key = keyOf(shape, width);
  m_entries.push_back(Entry{key, std::move(shape), width, std::move(runs)});
  return m_entries.back().runs;
}

}  // namespace kx
