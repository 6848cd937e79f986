// The parts of the desktop changed since the last present, as a short list of rectangles: a
// rectangle that meets one already listed merges with it, and past kMaxRects the list becomes its
// bounding box, so a present never sends more than a few uploads.
#pragma once

#include <windows.h>

#include <vector>

namespace kx {

class DamageList {
 public:
  static constexpr size_t kMaxRects = 16;

  // Empty rectangles are ignored.
  void add(const RECT& rect);
  const std::vector<RECT>& rects() const { return m_rects; }
  void clear() { m_rects.clear(); }

 private:
  std::vector<RECT> m_rects;
};

}  // namespace kx
