// Arc as Microsoft documents it: counter-clockwise (the default drawing direction) from where the
// ray towards the start point meets the ellipse to where the ray towards the end point meets it,
// a complete ellipse when the two points are the same, never filled, and the same box whichever
// way round its corners are given.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/gdi_leak_check.h"
#include "support/marker_canvas.h"

namespace kx::test {
namespace {

class ArcTest : public GdiLeakCheck {};

struct Pen {
  int style, width;
};
constexpr Pen kPens[] = {{PS_SOLID, 1}, {PS_SOLID, 2}, {PS_INSIDEFRAME, 3}, {PS_INSIDEFRAME, 8}};

constexpr RECT kBoxes[] = {{2, 2, 30, 20}, {5, 3, 9, 27},   {3, 10, 29, 13}, {3, 10, 29, 12},
                           {1, 1, 31, 31}, {10, 4, 11, 20}, {4, 8, 28, 9}};

using Picture = std::vector<std::string>;

template <class DrawFn>
Picture Draw(const Pen& pen, DrawFn&& draw) {
  MarkerCanvas canvas(32, 32);
  canvas.withTools(pen.style, pen.width, draw, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)));
  return canvas.picture(32, 32);
}

Picture DrawArc(const Pen& pen, RECT b, POINT s, POINT e) {
  return Draw(pen,
              [&](HDC dc) { EXPECT_TRUE(Arc(dc, b.left, b.top, b.right, b.bottom, s.x, s.y, e.x, e.y)); });
}

Picture DrawEllipse(const Pen& pen, RECT b) {
  return Draw(pen, [&](HDC dc) { Ellipse(dc, b.left, b.top, b.right, b.bottom); });
}

// Pixels painted in either picture.
Picture Union(const Picture& a, const Picture& b) {
  Picture u = a;
  for (size_t y = 0; y < u.size(); ++y)
    for (size_t x = 0; x < u[y].size(); ++x)
      if (b[y][x] != '.') u[y][x] = b[y][x];
  return u;
}

int Painted(const Picture& p) {
  int n = 0;
  for (const std::string& row : p)
    for (char c : row) n += c != '.';
  return n;
}

std::string Show(const Picture& p) {
  std::string s = "\n";
  for (const std::string& row : p) s += row + "\n";
  return s;
}

TEST_F(ArcTest, CoincidingPointsDrawTheWholeEllipseOutline) {
  const POINT points[] = {{0, 0}, {31, 16}, {16, 16}, {7, 30}};
  for (const Pen& pen : kPens) {
    for (const RECT& box : kBoxes) {
      const Picture whole = DrawEllipse(pen, box);
      for (POINT p : points) {
        EXPECT_EQ(Show(DrawArc(pen, box, p, p)), Show(whole))
            << "pen " << pen.width << " box " << box.left << "," << box.top << "," << box.right << ","
            << box.bottom << " point " << p.x << "," << p.y;
      }
    }
  }
}

TEST_F(ArcTest, CrossedEdgesDrawTheNormalisedBox) {
  const POINT s{31, 0}, e{0, 31};
  for (const Pen& pen : kPens) {
    for (const RECT& b : kBoxes) {
      const Picture normal = DrawArc(pen, b, s, e);
      const RECT crossed[] = {{b.right, b.top, b.left, b.bottom},
                              {b.left, b.bottom, b.right, b.top},
                              {b.right, b.bottom, b.left, b.top}};
      for (const RECT& c : crossed)
        EXPECT_EQ(Show(DrawArc(pen, c, s, e)), Show(normal)) << "pen " << pen.width;
    }
  }
}

// The two arcs between the same pair of rays make up the whole outline. Thin pens only: a wide
// pen's round caps reach past the ends of each arc.
TEST_F(ArcTest, ArcsBothWaysRoundMakeTheWholeOutline) {
  const POINT pairs[][2] = {{{31, 16}, {0, 16}}, {{16, 31}, {16, 0}}, {{31, 0}, {0, 31}}, {{20, 0}, {31, 5}}};
  for (const RECT& box : kBoxes) {
    if (box.right - box.left <= 2 || box.bottom - box.top <= 2) continue;  // Ellipse draws a rectangle
    const Picture whole = DrawEllipse(kPens[0], box);
    for (const auto& pair : pairs) {
      const Picture there = DrawArc(kPens[0], box, pair[0], pair[1]);
      const Picture back = DrawArc(kPens[0], box, pair[1], pair[0]);
      EXPECT_EQ(Show(Union(there, back)), Show(whole));
      EXPECT_LT(Painted(there), Painted(whole));
    }
  }
}

// Counter-clockwise on screen from the start ray to the end ray, in the box (0, 0, 21, 21) centred
// on (10, 10): which quarters get ink, and the pixels where the rays meet the curve.
TEST_F(ArcTest, RunsCounterClockwiseFromStartToEnd) {
  enum { kUpperRight = 1, kUpperLeft = 2, kLowerLeft = 4, kLowerRight = 8 };
  struct Case {
    const char* name;
    POINT start, end;
    int quarters;
    std::vector<Probe> probes;
  };
  const POINT east{21, 10}, north{10, 0}, west{0, 10}, south{10, 21};
  const Case cases[] = {
      {"east to north", east, north, kUpperRight, {{20, 10, kPen}, {10, 0, kPen}, {9, 0, kMarker}}},
      {"north to east",
       north,
       east,
       kUpperLeft | kLowerLeft | kLowerRight,
       {{10, 0, kPen}, {11, 0, kMarker}}},
      {"east to west",
       east,
       west,
       kUpperRight | kUpperLeft,
       {{20, 10, kPen}, {0, 10, kPen}, {10, 20, kMarker}}},
      {"west to east", west, east, kLowerLeft | kLowerRight, {{10, 20, kPen}, {10, 0, kMarker}}},
      // A meridian's right half: up from the bottom, the centre column at both ends.
      {"south to north",
       south,
       north,
       kUpperRight | kLowerRight,
       {{10, 20, kPen}, {10, 0, kPen}, {9, 0, kMarker}, {9, 20, kMarker}, {20, 10, kPen}, {0, 10, kMarker}}},
      {"north to south",
       north,
       south,
       kUpperLeft | kLowerLeft,
       {{10, 20, kPen},
        {10, 0, kPen},
        {11, 0, kMarker},
        {11, 20, kMarker},
        {0, 10, kPen},
        {20, 10, kMarker}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MarkerCanvas canvas(22, 22);
    canvas.withTools(PS_SOLID, 1,
                     [&](HDC dc) { Arc(dc, 0, 0, 21, 21, c.start.x, c.start.y, c.end.x, c.end.y); });
    int inked = 0;
    for (int y = 0; y < 22; ++y) {
      for (int x = 0; x < 22; ++x) {
        if (canvas.at(x, y) == kMarker || x == 10 || y == 10) continue;
        inked |= x > 10 ? (y < 10 ? kUpperRight : kLowerRight) : (y < 10 ? kUpperLeft : kLowerLeft);
      }
    }
    EXPECT_EQ(inked, c.quarters);
    for (const Probe& p : c.probes) EXPECT_EQ(canvas.at(p.x, p.y), p.expected) << p.x << "," << p.y;
    EXPECT_EQ(canvas.at(10, 10), kMarker);
  }
}

}  // namespace
}  // namespace kx::test
