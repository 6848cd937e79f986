// Arcs larger than what they are drawn on: whatever part of an arc a bitmap shows is exactly that
// part of the arc drawn whole, and long flat runs of outline split between the two arcs of a pair
// of rays exactly as the whole outline has them.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/gdi_leak_check.h"
#include "support/marker_canvas.h"

namespace kx::test {
namespace {

class ArcWindowTest : public GdiLeakCheck {};

constexpr int kSize = 64;

// One-pixel pens: a wide pen's stroke is rasterised relative to the part of it drawn on, which may
// move its edge pixels where the bitmap's border cuts it.
struct Pen {
  int style, width;
};
constexpr Pen kThin{PS_SOLID, 1};

struct ArcCase {
  const char* name;
  RECT box;
  POINT start, end;
};
// Meridian halves, arcs above and below the centre of less and more than half a turn, a flat
// ring like a planet's parallel and a box corner quarter.
const ArcCase kArcs[] = {
    {"right half", {4, 2, 60, 62}, {32, 62}, {32, 2}},
    {"left half", {4, 2, 60, 62}, {32, 2}, {32, 62}},
    {"up from the bottom pole and on past the top", {4, 2, 60, 62}, {32, 62}, {8, 6}},
    {"upper narrow", {2, 10, 62, 50}, {56, 20}, {8, 22}},
    {"lower narrow", {2, 10, 62, 50}, {8, 44}, {50, 46}},
    {"upper wide", {2, 10, 62, 50}, {10, 40}, {54, 40}},
    {"flat parallel", {1, 24, 63, 34}, {50, 28}, {14, 28}},
    {"flat both sides", {1, 24, 63, 34}, {63, 29}, {1, 29}},
    {"quarter", {6, 6, 58, 58}, {58, 32}, {32, 6}},
};

// Windows on the 64 x 64 picture: strips along each edge, a middle piece, one off to a side, and
// strips that only graze a ring's side, where a row's reach changes fastest.
constexpr RECT kWindows[] = {{0, 0, 9, 64},    {50, 0, 64, 64},  {0, 0, 64, 7},   {0, 55, 64, 64},
                             {20, 18, 43, 31}, {40, 5, 57, 60},  {61, 0, 64, 64}, {57, 0, 64, 64},
                             {0, 0, 6, 64},    {58, 20, 64, 40}, {0, 0, 5, 64}};

template <class DrawFn>
std::vector<std::string> Picture(int width, int height, const Pen& pen, DrawFn&& draw) {
  MarkerCanvas canvas(width, height);
  canvas.withTools(pen.style, pen.width, draw, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
  return canvas.picture(width, height);
}

// The arc drawn with its box moved by (-dx, -dy), on a canvas of the given size.
std::vector<std::string> ArcAt(const ArcCase& c, const Pen& pen, int dx, int dy, int width, int height) {
  return Picture(width, height, pen, [&](HDC dc) {
    Arc(dc, c.box.left - dx, c.box.top - dy, c.box.right - dx, c.box.bottom - dy, c.start.x - dx,
        c.start.y - dy, c.end.x - dx, c.end.y - dy);
  });
}

TEST_F(ArcWindowTest, TheArcInAWindowIsThatPartOfTheWholeArc) {
  for (const ArcCase& c : kArcs) {
    const auto whole = ArcAt(c, kThin, 0, 0, kSize, kSize);
    for (const RECT& w : kWindows) {
      const auto part = ArcAt(c, kThin, w.left, w.top, w.right - w.left, w.bottom - w.top);
      int mismatches = 0;
      for (int y = w.top; y < w.bottom; ++y)
        for (int x = w.left; x < w.right; ++x) mismatches += part[y - w.top][x - w.left] != whole[y][x];
      EXPECT_EQ(mismatches, 0) << c.name << ", window " << w.left << "," << w.top << "," << w.right << ","
                               << w.bottom;
    }
  }
}

// Each arc stays on the outline, and the two arcs between the same rays cover all of it.
TEST_F(ArcWindowTest, LargeArcsBothWaysRoundMakeTheWholeOutline) {
  const Pen thin = kThin;
  for (const ArcCase& c : kArcs) {
    const auto outline = Picture(
        kSize, kSize, thin, [&](HDC dc) { Ellipse(dc, c.box.left, c.box.top, c.box.right, c.box.bottom); });
    const auto there = ArcAt(c, thin, 0, 0, kSize, kSize);
    const ArcCase reversed{c.name, c.box, c.end, c.start};
    const auto back = ArcAt(reversed, thin, 0, 0, kSize, kSize);
    int outside = 0, missing = 0, inBoth = 0, painted = 0;
    for (int y = 0; y < kSize; ++y) {
      for (int x = 0; x < kSize; ++x) {
        const bool onOutline = outline[y][x] != '.', a = there[y][x] != '.', b = back[y][x] != '.';
        outside += (a || b) && !onOutline;
        missing += onOutline && !a && !b;
        inBoth += a && b;
        painted += a;
      }
    }
    EXPECT_EQ(outside, 0) << c.name;
    EXPECT_EQ(missing, 0) << c.name;
    EXPECT_GT(painted, 0) << c.name;
    // Only the pixels where the rays cross the outline belong to both.
    EXPECT_LE(inBoth, 8) << c.name;
  }
}

}  // namespace
}  // namespace kx::test
