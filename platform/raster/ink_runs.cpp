#include "raster/ink_runs.h"

#include <algorithm>

#include "raster/pixel_runs.h"

namespace kx {

namespace {

// Runs of one colour shorter than this join the short ones beside them in a mixed run: an
// outline's pixels are combined in one pass, not one call each, and a long run of one colour
// stays whole, so that combining it may need no read of the destination.
constexpr int32_t kUniformFrom = 64;
// Plain pixels between two such runs are combined with them when there are at most this many:
// combining a plain pixel changes nothing, and one run costs less than two.
constexpr int32_t kGap = 16;

void append(std::vector<InkRun>& runs, InkRun run) {
  if (!runs.empty()) {
    InkRun& last = runs.back();
    const bool lastMixed = !last.uniform || last.x1 - last.x0 < kUniformFrom;
    if (last.y == run.y && run.x0 - last.x1 <= kGap && lastMixed && run.x1 - run.x0 < kUniformFrom) {
      last.uniform = false;
      last.x1 = run.x1;
      return;
    }
  }
  runs.push_back(run);
}

}  // namespace

bool InkRuns::wanted(uint64_t version) {
  const bool again = m_seen == version;
  m_seen = version;
  return again;
}

void InkRuns::build(const PixelSurface& surface, const RECT& inked, uint32_t plainColor, uint64_t version) {
  m_runs.clear();
  const int32_t left = std::max<int32_t>(inked.left, 0),
                right = std::min<int32_t>(inked.right, surface.width);
  const int32_t top = std::max<int32_t>(inked.top, 0),
                bottom = std::min<int32_t>(inked.bottom, surface.height);
  for (int32_t y = top; y < bottom && left < right; ++y) {
    forEachColourRun(surface.pixels + int64_t(y) * surface.stride, left, right, plainColor,
                     [&](int start, int end, uint32_t color) {
                       append(m_runs, InkRun{y, start, end, color, true});
                     });
  }
  m_version = version;
  m_built = true;
}

std::span<const InkRun> InkRuns::rows(int64_t top, int64_t bottom) const {
  auto byRow = [](const InkRun& run, int64_t y) { return run.y < y; };
  const auto first = std::lower_bound(m_runs.begin(), m_runs.end(), top, byRow);
  const auto last = std::lower_bound(first, m_runs.end(), bottom, byRow);
  return {first, last};
}

}  // namespace kx
