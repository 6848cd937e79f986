// Sums with a fraction in them, truncated toward zero as the figures' layouts have always been:
// the fraction is taken in extended precision and added before the one truncation.
#pragma once

// base + size x frac, truncated toward zero (not floored: -0.5 gives 0).
inline int TruncSum(int base, int size, double frac) {
  return static_cast<int>(static_cast<long double>(base) +
                          static_cast<long double>(size) * static_cast<long double>(frac));
}
