// Rectangles and points as comparable, printable values for geometry expectations.
#pragma once

#include <windows.h>

#include <array>

using Box = std::array<int, 4>;  // left, top, right, bottom
using Pt = std::array<int, 2>;   // x, y

inline Box BoxOf(const RECT& rc) {
  return {rc.left, rc.top, rc.right, rc.bottom};
}
inline Pt PtOf(const POINT& pt) {
  return {pt.x, pt.y};
}
