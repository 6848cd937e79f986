#include "gfx/gfx_clr.h"

#include <gtest/gtest.h>

namespace {

TEST(GfxClr, StartsMidGrey) {
  CGfxClr clr;
  EXPECT_EQ(clr.GetRGB(), RGB(128, 128, 128));
}

TEST(GfxClr, SetRgbKeepsLowBytesOfEachComponent) {
  struct Case {
    int r, g, b;
    COLORREF expected;
  };
  const Case cases[] = {
      {255, 212, 64, RGB(255, 212, 64)},
      {300, -1, 256, RGB(44, 255, 0)},
      {0, 0, 0, RGB(0, 0, 0)},
      {-256, 511, 0x1FF, RGB(0, 255, 255)},
  };
  for (const Case& c : cases) {
    CGfxClr clr;
    EXPECT_EQ(clr.SetRGB(c.r, c.g, c.b), 0);
    EXPECT_EQ(clr.GetRGB(), c.expected) << c.r << "," << c.g << "," << c.b;
  }
}

}  // namespace
