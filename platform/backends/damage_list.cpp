#include "backends/damage_list.h"

#include <algorithm>

namespace kx {

namespace {

bool isEmpty(const RECT& r) {
  return r.left >= r.right || r.top >= r.bottom;
}

// Overlapping or sharing an edge; the union may take in a few unchanged pixels, which costs less
// than another upload.
bool meets(const RECT& a, const RECT& b) {
  return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

RECT unite(const RECT& a, const RECT& b) {
  return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
              std::max(a.bottom, b.bottom)};
}

}  // namespace

void DamageList::add(const RECT& rect) {
  if (isEmpty(rect)) return;
  RECT merged = rect;
  // A merge can grow the rectangle into others, so merging repeats until nothing meets it.
  for (bool again = true; again;) {
    again = false;
    for (size_t i = 0; i < m_rects.size(); ++i) {
      if (!meets(m_rects[i], merged)) continue;
      merged = unite(m_rects[i], merged);
      m_rects.erase(m_rects.begin() + static_cast<std::ptrdiff_t>(i));
      again = true;
      break;
    }
  }
  m_rects.push_back(merged);
  if (m_rects.size() <= kMaxRects) return;
  RECT all = m_rects.front();
  for (const RECT& r : m_rects) all = unite(all, r);
  m_rects.assign(1, all);
}

}  // namespace kx
