// One-pixel lines step along their major axis and round the other coordinate to the nearest pixel,
// a half away from the start; a line that begins or ends outside the bitmap keeps the pixels it
// would have.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/gdi_leak_check.h"
#include "support/marker_canvas.h"

namespace kx::test {
namespace {

class ThinLineTest : public GdiLeakCheck {};

TEST_F(ThinLineTest, HalvesRoundAwayFromTheStartAtEveryStep) {
  struct Case {
    POINT from, to;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {{1, 1}, {5, 2}, {"......", ".PP...", "...PP.", "......"}},
      {{5, 2}, {1, 1}, {"......", "..PP..", "....PP", "......"}},
      {{1, 1}, {3, 5}, {"......", ".P....", "..P...", "..P...", "...P..", "......"}},
      // From outside: steps -3 .. -1 are cut off, the rest round as for the whole line.
      {{-3, 0}, {5, 2}, {"......", "PPP...", "...PP.", "......"}},
      // To outside, on the right and on the left: no pixel past the edge lands on another row.
      {{1, 1}, {8, 2}, {"......", ".PPPP.", ".....P", "......"}},
      {{4, 2}, {-3, 1}, {"......", "P.....", ".PPPP.", "......"}},
  };
  for (const Case& c : cases) {
    const int width = int(c.expected[0].size()), height = int(c.expected.size());
    MarkerCanvas canvas(width, height);
    canvas.withTools(PS_SOLID, 1, [&](HDC dc) {
      MoveToEx(dc, c.from.x, c.from.y, nullptr);
      LineTo(dc, c.to.x, c.to.y);
    });
    EXPECT_EQ(canvas.picture(width, height), c.expected)
        << c.from.x << "," << c.from.y << " to " << c.to.x << "," << c.to.y;
  }
}

}  // namespace
}  // namespace kx::test
