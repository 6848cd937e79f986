#include "gdi/stroke_cache.h"

#include <algorithm>
#include <utility>

namespace kx {

StrokeCache& StrokeCache::local() {
  thread_local StrokeCache cache;
  return cache;
}

const std::vector<StrokeRun>* StrokeCache::find(const std::vector<PathOp>& shape, int width) {
  for (auto it = m_entries.rbegin(); it != m_entries.rend(); ++it) {
    if (it->width != width || it->shape != shape) continue;
    // Moved to the end, the entry is the last one a full cache gives up.
    std::rotate(std::prev(it.base()), it.base(), m_entries.end());
    return &m_entries.back().runs;
  }
  return nullptr;
}

const std::vector<StrokeRun>& StrokeCache::add(std::vector<PathOp> shape, int width,
                                               std::vector<StrokeRun> runs) {
  if (m_entries.size() == kEntries) m_entries.erase(m_entries.begin());
  m_entries.push_back(Entry{std::move(shape), width, std::move(runs)});
  return m_entries.back().runs;
}

}  // namespace kx
