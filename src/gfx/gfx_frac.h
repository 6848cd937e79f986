// Fractions of pixel sizes, computed as the frame's layout has always computed them.
#pragma once

// The integer size times a double constant, in extended precision, truncated toward zero. Products
// may fall just below a whole number on purpose: 0.95 x 480 gives 455 here, not 456.
inline int GfxFrac(int size, double frac) {
  return static_cast<int>(static_cast<long double>(size) * static_cast<long double>(frac));
}
