#include "gfx/gfx_shape.h"

#include <gtest/gtest.h>

#include "gfx/gfx_geometry.h"

namespace {

TEST(GfxShape, FreshShapeHasNoColoursAndAnEmptyRect) {
  CGfxShape shape;
  EXPECT_EQ(shape.clr, nullptr);
  EXPECT_EQ(shape.clr2, nullptr);
  EXPECT_EQ(BoxOf(*shape.GetRect()), (Box{0, 0, 0, 0}));
  EXPECT_EQ(shape.GetRect(), &shape.rect);
}

TEST(GfxShape, SetColorKeepsTheFirstColourOnly) {
  CGfxClr first;
  CGfxClr second;
  CGfxShape shape;
  EXPECT_EQ(shape.SetColor(&first, &second), 0);
  EXPECT_EQ(shape.clr, &first);
  EXPECT_EQ(shape.clr2, nullptr);
  EXPECT_EQ(shape.SetColor(nullptr, &second), 0);
  EXPECT_EQ(shape.clr, nullptr);
}

}  // namespace
