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
  const auto [first, last] = m_byKey.equal_range(keyOf(shape, width));
  for (auto it = first; it != last; ++it) {
    auto entry = it->second;
    if (entry->width != width || entry->shape != shape) continue;
    // Moved to the end, the entry is the last one a full cache gives up.
    m_entries.splice(m_entries.end(), m_entries, entry);
    return &entry->runs;
  }
  return nullptr;
}

const std::vector<StrokeRun>& StrokeCache::add(std::vector<PathOp> shape, int width,
                                               std::vector<StrokeRun> runs) {
  size_t kept = m_runs + runs.size();
  while (!m_entries.empty() && (m_entries.size() >= kEntries || kept > kRuns)) {
    const auto oldest = m_entries.begin();
    kept -= oldest->runs.size();
    const auto [first, last] = m_byKey.equal_range(oldest->key);
    for (auto it = first; it != last; ++it) {
      if (it->second == oldest) {
        m_byKey.erase(it);
        break;
      }
    }
    m_entries.erase(oldest);
  }
  m_runs = kept;
  const size_t key = keyOf(shape, width);
  m_entries.push_back(Entry{key, std::move(shape), width, std::move(runs)});
  m_byKey.emplace(key, std::prev(m_entries.end()));
  return m_entries.back().runs;
}

}  // namespace kx
