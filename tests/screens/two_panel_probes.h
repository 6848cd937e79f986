// What the orbit and warp screens share on screen at 1024 x 768: one pixel inside each frame
// shape with the colour slot the two-panel set-up gives it.
#pragma once

#include <vector>

#include "display/disp_std.h"
#include "display/anim_shp.h"
#include "framework/llist.h"

struct SlotProbe {
  const char* what;
  int x, y;
  int slot;
};

// One pixel inside each frame shape at 1024 x 768, with the slot the two-panel screens give it.
inline constexpr SlotProbe kShapeProbes[] = {
    {"colTop", 100, 50, 27},          {"bendUpper", 100, 150, 26},      {"bendLower", 100, 350, 22},
    {"colBlock1", 100, 450, 23},      {"colBlock2", 100, 520, 16},      {"colBlock3", 100, 580, 24},
    {"colBlock4", 100, 700, 16},      {"barUpper1", 490, 263, 27},      {"barLower1", 490, 277, 24},
    {"barUpper2", 600, 263, 26},      {"barLower2", 600, 274, 23},      {"barUpper3", 850, 263, 26},
    {"barLower3", 850, 277, 23},      {"barUpper4", 995, 263, 12},      {"barLower4", 995, 277, 17},
    {"ovalTopLeft", 803, 133, 27},    {"ovalBottomLeft", 803, 207, 16}, {"ovalTopRight", 947, 133, 12},
    {"ovalBottomRight", 947, 207, 0},
};

// The shapes that have a colour cycle, in the order of the screen's list.
inline std::vector<CGfxShape*> CycledShapes(CDispStd& screen) {
  std::vector<CGfxShape*> shapes;
  screen.animList.ForEach([&shapes](CAnimShp& cycle) { shapes.push_back(cycle.shape); });
  return shapes;
}
