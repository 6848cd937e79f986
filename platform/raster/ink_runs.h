// A bitmap's ink as runs of rows, so that a source blitted again and again unchanged (a layer
// combined into every frame) is read only where it differs from its plain colour.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <vector>

#include "raster/pixel_surface.h"

namespace kx {

// Pixels x0..x1 (x1 excluded) of row y, none of them the plain colour; all `color` when uniform.
struct InkRun {
  int32_t y, x0, x1;
  uint32_t color;
  bool uniform;
};

class InkRuns {
 public:
  // Whether the runs describe the bitmap at this version of its pixels.
  bool current(uint64_t version) const { return m_built && m_version == version; }
  // Notes a blit from the bitmap at this version. True when the last one saw the same version:
  // finding the runs costs a read of the ink, repaid only by a source used more than once.
  bool wanted(uint64_t version);
  // Finds the runs of the pixels inside `inked` that are not `plainColor`.
  void build(const PixelSurface& surface, const RECT& inked, uint32_t plainColor, uint64_t version);
  // The runs of rows top..bottom-1, in row order and left to right.
  std::span<const InkRun> rows(int64_t top, int64_t bottom) const;

 private:
  std::vector<InkRun> m_runs;
  uint64_t m_version = 0;
  uint64_t m_seen = UINT64_MAX;
  bool m_built = false;
};

}  // namespace kx
