// Doubles to pixel integers, truncated toward zero as all figure geometry is.
#pragma once

#include <climits>
#include <cmath>

// Out-of-range values clamp to the int range and NaN gives 0, so a degenerate figure (a zero-sized
// sphere, a frame at the eye) never turns an infinite or undefined value into a coordinate.
inline int GfxTrunc(double value) {
  if (std::isnan(value)) return 0;
  if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(value);
}
