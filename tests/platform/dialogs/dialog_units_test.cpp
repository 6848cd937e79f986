#include "user/dialog_units.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

TEST(DialogUnits, AverageWidthRoundsAsWindowsDoes) {
  // 52 letters 312 pixels wide: 312 / 26 = 12 half-widths, (12 + 1) / 2 = 6.
  EXPECT_EQ(averageLetterWidth(312), 6);
  EXPECT_EQ(averageLetterWidth(338), 7);  // 13 half-widths round up
  EXPECT_EQ(averageLetterWidth(337), 6);
}

struct UnitCase {
  int units;
  int pixelsX;
  int pixelsY;
};

TEST(DialogUnits, ConvertWithMulDivRounding) {
  // 8-point MS Sans Serif at 96 DPI: base units 6 x 13.
  const DialogBaseUnits base{6, 13};
  const UnitCase cases[] = {{0, 0, 0}, {4, 6, 7}, {205, 308, 333}, {1, 2, 2}, {-3, -5, -5}, {125, 188, 203}};
  for (const UnitCase& c : cases) {
    EXPECT_EQ(dialogUnitsToPixelsX(c.units, base), c.pixelsX) << c.units;
    EXPECT_EQ(dialogUnitsToPixelsY(c.units, base), c.pixelsY) << c.units;
  }
}

}  // namespace
}  // namespace kx
