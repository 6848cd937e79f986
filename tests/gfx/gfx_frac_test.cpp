#include "gfx/gfx_frac.h"

#include <gtest/gtest.h>

namespace {

TEST(GfxFrac, TruncatesTheExtendedProduct) {
  struct Case {
    int size;
    double frac;
    int expected;
  };
  const Case cases[] = {
      {480, 0.95, 455},  // 0.95 is stored just below itself; a double product would round to 456
      {10, 0.8, 8},     {1024, 0.0047, 4}, {768, 0.0065, 4},
      {320, 0.0047, 1}, {-10, 0.25, -2},  // toward zero, not down
      {0, 0.13, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(GfxFrac(c.size, c.frac), c.expected) << c.size << " x " << c.frac;
}

}  // namespace
