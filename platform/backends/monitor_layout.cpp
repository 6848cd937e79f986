#include "backends/monitor_layout.h"

#include <algorithm>

namespace kx {

MonitorLayout layOutMonitors(const std::vector<RECT>& displays) {
  MonitorLayout layout;
  RECT all{0, 0, 0, 0};
  bool first = true;
  for (const RECT& d : displays) {
    if (d.left >= d.right || d.top >= d.bottom) continue;
    all = first ? d
                : RECT{std::min(all.left, d.left), std::min(all.top, d.top), std::max(all.right, d.right),
                       std::max(all.bottom, d.bottom)};
    first = false;
    layout.monitors.push_back(d);
  }
  // Plain arithmetic: OffsetRect belongs to the window manager, a tier above the backends.
  for (RECT& m : layout.monitors) {
    m = RECT{m.left - all.left, m.top - all.top, m.right - all.left, m.bottom - all.top};
  }
  layout.desktop = SIZE{all.right - all.left, all.bottom - all.top};
  return layout;
}

}  // namespace kx
