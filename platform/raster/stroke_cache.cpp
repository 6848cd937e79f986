#include "raster/stroke_cache.h"

#include <functional>
#include <utility>

namespace kx {

StrokeCache& StrokeCache::local() {
  thread_local StrokeCache cache;
  return cache;
}

size_t StrokeCache::hashOf(const std::vector<PathOp>& shape, int width) {
  size_t key = std::hash<int>()(width);
  for (const PathOp& op : shape) {
    for (double value : {op.x, op.y, op.rx, op.ry, op.from, op.to})
      key = key * 1000003u ^ std::hash<double>()(value);
    key = key * 1000003u ^ size_t(op.kind);
  }
  return key;
}

const std::vector<StrokeRun>* StrokeCache::find(const std::vector<PathOp>& shape, int width) {
  return m_store.find(hashOf(shape, width),
                      [&](const Key& key) { return key.width == width && key.shape == shape; });
}

const std::vector<StrokeRun>& StrokeCache::add(std::vector<PathOp> shape, int width,
                                               std::vector<StrokeRun> runs) {
  const size_t hash = hashOf(shape, width);
  const size_t weight = runs.size();
  return m_store.add(hash, Key{std::move(shape), width}, std::move(runs), weight);
}

}  // namespace kx
