// Several displays side by side make one desktop: the union of their rectangles, moved so that its
// top-left corner is the desktop's (0, 0). The first display is the primary one.
#pragma once

#include <windows.h>

#include <vector>

namespace kx {

struct MonitorLayout {
  SIZE desktop{0, 0};
  std::vector<RECT> monitors;  // desktop coordinates, primary first
};

// Displays in any common coordinates (as the display server places them); empty rectangles are
// left out. No displays at all give an empty layout.
MonitorLayout layOutMonitors(const std::vector<RECT>& displays);

}  // namespace kx
