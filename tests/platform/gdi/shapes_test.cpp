#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "support/gdi_leak_check.h"
#include "support/marker_canvas.h"

namespace kx::test {
namespace {

class ShapesTest : public GdiLeakCheck {};

using Picture = std::vector<std::string>;

// Rectangle leaves out the right and bottom edges; the brush fills inside a thin pen, and one
// pixel less each way without a pen.
TEST_F(ShapesTest, RectangleCoverageFollowsThePen) {
  struct Case {
    int penStyle, penWidth;
    Picture expected;
  };
  const Case cases[] = {
      {PS_SOLID, 1, {"PPPPP..", "PBBBP..", "PBBBP..", "PPPPP..", "......."}},
      {PS_NULL, 1, {"BBBB...", "BBBB...", "BBBB...", ".......", "......."}},
      {PS_INSIDEFRAME, 0, {"PPPPP..", "PBBBP..", "PBBBP..", "PPPPP..", "......."}},
  };
  for (const Case& c : cases) {
    MarkerCanvas canvas(7, 5);
    canvas.withTools(c.penStyle, c.penWidth, [](HDC dc) { EXPECT_TRUE(Rectangle(dc, 0, 0, 5, 4)); });
    EXPECT_EQ(canvas.picture(7, 5), c.expected) << "pen style " << c.penStyle;
  }
}

TEST_F(ShapesTest, InvertedRectangleCoversTheSameBox) {
  MarkerCanvas canvas(7, 5);
  canvas.withTools(PS_SOLID, 1, [](HDC dc) { Rectangle(dc, 5, 4, 0, 0); });
  EXPECT_EQ(canvas.picture(7, 5), (Picture{"PPPPP..", "PBBBP..", "PBBBP..", "PPPPP..", "......."}));
}

// A wide pen is centred on the outline: a 3-pixel pen reaches one pixel outside the box.
TEST_F(ShapesTest, WidePenIsCentredAndInsideFrameStaysInside) {
  struct Case {
    int style;
    std::vector<Probe> probes;
  };
  const Case cases[] = {
      {PS_SOLID,
       {{1, 5, kPen},
        {2, 5, kPen},
        {3, 5, kPen},
        {4, 5, kBrush},
        {0, 5, kMarker},
        {11, 5, kPen},
        {12, 5, kMarker}}},
      {PS_INSIDEFRAME,
       {{2, 5, kPen}, {4, 5, kPen}, {5, 5, kBrush}, {1, 5, kMarker}, {10, 5, kPen}, {11, 5, kMarker}}},
  };
  for (const Case& c : cases) {
    MarkerCanvas canvas(14, 12);
    canvas.withTools(c.style, 3, [](HDC dc) { Rectangle(dc, 2, 2, 11, 10); });
    for (const Probe& p : c.probes) {
      EXPECT_EQ(canvas.at(p.x, p.y), p.expected) << "style " << c.style << " at " << p.x << "," << p.y;
    }
  }
}

// Ellipse(l, t, r, b) touches x = l, x = r - 1, y = t, y = b - 1 and is symmetric.
TEST_F(ShapesTest, EllipseTouchesTheBoxAndIsSymmetric) {
  MarkerCanvas canvas(14, 12);
  canvas.withTools(PS_SOLID, 1, [](HDC dc) { EXPECT_TRUE(Ellipse(dc, 1, 1, 12, 10)); });
  const std::vector<Probe> probes = {
      {1, 5, kPen},    {11, 5, kPen},    {6, 1, kPen},    {6, 9, kPen},      // the four extremes
      {6, 5, kBrush},  {3, 5, kBrush},                                       // inside
      {1, 1, kMarker}, {11, 1, kMarker}, {1, 9, kMarker}, {11, 9, kMarker},  // corners
      {0, 5, kMarker}, {12, 5, kMarker}, {6, 0, kMarker}, {6, 10, kMarker},  // beyond the box
  };
  for (const Probe& p : probes) EXPECT_EQ(canvas.at(p.x, p.y), p.expected) << p.x << "," << p.y;
  const Picture picture = canvas.picture(14, 12);
  for (int y = 1; y <= 9; ++y) {
    for (int x = 1; x <= 11; ++x) {
      EXPECT_EQ(picture[size_t(y)][size_t(x)], picture[size_t(y)][size_t(12 - x)]) << x << "," << y;
      EXPECT_EQ(picture[size_t(y)][size_t(x)], picture[size_t(10 - y)][size_t(x)]) << x << "," << y;
    }
  }
}

TEST_F(ShapesTest, DegenerateEllipses) {
  struct Case {
    RECT box;
    Picture expected;
  };
  const Case cases[] = {
      {{0, 0, 0, 3}, {"....", "....", "...."}},  // zero width: nothing
      {{0, 0, 4, 2}, {"PPPP", "PPPP", "...."}},  // two rows: a rectangle
      {{0, 0, 2, 3}, {"PP..", "PP..", "PP.."}},  // two columns: a rectangle
  };
  for (const Case& c : cases) {
    MarkerCanvas canvas(4, 3);
    canvas.withTools(PS_SOLID, 1,
                     [&](HDC dc) { Ellipse(dc, c.box.left, c.box.top, c.box.right, c.box.bottom); });
    EXPECT_EQ(canvas.picture(4, 3), c.expected);
  }
}

// Without a pen every closed shape fills one pixel less on the right and at the bottom than the
// same shape outlined: the outline's points bound the fill as a polygon's vertices do.
TEST_F(ShapesTest, ClosedShapesWithoutAPenLoseTheirRightColumnAndBottomRow) {
  struct Case {
    const char* name;
    void (*draw)(HDC);
  };
  static const POINT kTrapezium[] = {{1, 1}, {11, 1}, {11, 8}, {4, 8}};
  const Case cases[] = {
      {"Rectangle", [](HDC dc) { Rectangle(dc, 1, 1, 12, 9); }},
      {"Ellipse", [](HDC dc) { Ellipse(dc, 1, 1, 12, 9); }},
      {"RoundRect", [](HDC dc) { RoundRect(dc, 1, 1, 12, 9, 6, 6); }},
      {"Pie, left half", [](HDC dc) { Pie(dc, 1, 1, 12, 9, 6, 0, 6, 9); }},
      {"Pie, right half", [](HDC dc) { Pie(dc, 1, 1, 12, 9, 6, 9, 6, 0); }},
      {"Chord, upper half", [](HDC dc) { Chord(dc, 1, 1, 12, 9, 12, 5, 0, 5); }},
      {"Chord, lower half", [](HDC dc) { Chord(dc, 1, 1, 12, 9, 0, 5, 12, 5); }},
      {"Polygon", [](HDC dc) { Polygon(dc, kTrapezium, 4); }},
  };
  // Inclusive extent of what is not marker.
  auto extent = [](const MarkerCanvas& canvas) {
    RECT e{canvas.width(), canvas.height(), -1, -1};
    for (int y = 0; y < canvas.height(); ++y) {
      for (int x = 0; x < canvas.width(); ++x) {
        if (canvas.at(x, y) == kMarker) continue;
        e = RECT{std::min<LONG>(e.left, x), std::min<LONG>(e.top, y), std::max<LONG>(e.right, x),
                 std::max<LONG>(e.bottom, y)};
      }
    }
    return e;
  };
  for (const Case& c : cases) {
    MarkerCanvas outlined(16, 12), bare(16, 12);
    outlined.withTools(PS_SOLID, 1, c.draw);
    bare.withTools(PS_NULL, 1, c.draw);
    const RECT full = extent(outlined), filled = extent(bare);
    EXPECT_EQ(filled.left, full.left) << c.name;
    EXPECT_EQ(filled.top, full.top) << c.name;
    EXPECT_EQ(filled.right, full.right - 1) << c.name;
    EXPECT_EQ(filled.bottom, full.bottom - 1) << c.name;
    for (int y = 0; y < 12; ++y) {
      for (int x = 0; x < 16; ++x) {
        const COLORREF c2 = bare.at(x, y);
        EXPECT_TRUE(c2 == kMarker || (c2 == kBrush && outlined.at(x, y) != kMarker))
            << c.name << " at " << x << "," << y;
      }
    }
  }
}

// The null-pen ellipse of the box (0, 0, 9, 7): eight columns and six rows, symmetric.
TEST_F(ShapesTest, EllipseWithoutAPen) {
  MarkerCanvas canvas(10, 8);
  canvas.withTools(PS_NULL, 1, [](HDC dc) { EXPECT_TRUE(Ellipse(dc, 0, 0, 9, 7)); });
  EXPECT_EQ(canvas.picture(10, 8), (Picture{"..BBBB....", ".BBBBBB...", "BBBBBBBB..", "BBBBBBBB..",
                                            ".BBBBBB...", "..BBBB....", "..........", ".........."}));
}

// Pie from a ray to a ray counter-clockwise: one quadrant per case, radials along the axes.
TEST_F(ShapesTest, PieCoversItsQuadrantWithRadials) {
  struct Case {
    POINT start, end;
    Probe inside, radialA, radialB;
    std::vector<POINT> outside;
  };
  // Box 0..21: centre (10, 10), radius 10.
  const Case cases[] = {
      {{20, 10}, {10, 0}, {14, 6, kBrush}, {16, 10, kPen}, {10, 4, kPen}, {{6, 6}, {6, 14}, {14, 14}}},
      {{10, 0}, {0, 10}, {6, 6, kBrush}, {10, 4, kPen}, {4, 10, kPen}, {{14, 6}, {6, 14}, {14, 14}}},
      {{0, 10}, {10, 20}, {6, 14, kBrush}, {4, 10, kPen}, {10, 16, kPen}, {{14, 6}, {6, 6}, {14, 14}}},
      {{10, 20}, {20, 10}, {14, 14, kBrush}, {10, 16, kPen}, {16, 10, kPen}, {{14, 6}, {6, 6}, {6, 14}}},
  };
  for (const Case& c : cases) {
    MarkerCanvas canvas(22, 22);
    canvas.withTools(PS_SOLID, 1, [&](HDC dc) {
      EXPECT_TRUE(Pie(dc, 0, 0, 21, 21, c.start.x, c.start.y, c.end.x, c.end.y));
    });
    for (const Probe& p : {c.inside, c.radialA, c.radialB}) {
      EXPECT_EQ(canvas.at(p.x, p.y), p.expected)
          << "start " << c.start.x << "," << c.start.y << " at " << p.x << "," << p.y;
    }
    for (POINT p : c.outside) EXPECT_EQ(canvas.at(p.x, p.y), kMarker) << p.x << "," << p.y;
    EXPECT_EQ(canvas.at(10, 10), kPen);  // both radials meet at the centre
  }
}

// From 3 o'clock counter-clockwise to 9 o'clock is the upper half; equal rays the whole ellipse.
TEST_F(ShapesTest, ArcDirectionAndFullEllipse) {
  struct Case {
    POINT start, end;
    COLORREF top, bottom;
  };
  const Case cases[] = {
      {{21, 10}, {0, 10}, kPen, kMarker},
      {{0, 10}, {21, 10}, kMarker, kPen},
      {{21, 3}, {21, 3}, kPen, kPen},
  };
  for (const Case& c : cases) {
    MarkerCanvas canvas(22, 22);
    canvas.withTools(PS_SOLID, 1,
                     [&](HDC dc) { Arc(dc, 0, 0, 21, 21, c.start.x, c.start.y, c.end.x, c.end.y); });
    EXPECT_EQ(canvas.at(10, 0), c.top);
    EXPECT_EQ(canvas.at(10, 20), c.bottom);
    EXPECT_EQ(canvas.at(10, 10), kMarker);  // never filled
  }
}

// A 10-pixel PS_INSIDEFRAME pen keeps the whole ring inside the box, touching its edges.
TEST_F(ShapesTest, InsideFrameArcStaysInsideItsBox) {
  MarkerCanvas canvas(50, 50);
  canvas.withTools(PS_INSIDEFRAME, 10, [](HDC dc) { Arc(dc, 5, 5, 45, 45, 45, 25, 45, 25); });
  const std::vector<Probe> probes = {
      {5, 25, kPen},    {13, 25, kPen},    {17, 25, kMarker}, {44, 25, kPen},
      {36, 25, kPen},   {25, 5, kPen},     {25, 44, kPen},    {25, 25, kMarker},
      {4, 25, kMarker}, {45, 25, kMarker}, {25, 4, kMarker},  {25, 45, kMarker},
  };
  for (const Probe& p : probes) EXPECT_EQ(canvas.at(p.x, p.y), p.expected) << p.x << "," << p.y;
  for (int y = 0; y < 50; ++y) {
    for (int x = 0; x < 50; ++x) {
      if (x < 5 || x >= 45 || y < 5 || y >= 45) {
        EXPECT_EQ(canvas.at(x, y), kMarker) << x << "," << y;
      }
    }
  }
}

TEST_F(ShapesTest, RoundRectRoundsItsCornersOnly) {
  MarkerCanvas canvas(22, 14);
  canvas.withTools(PS_SOLID, 1, [](HDC dc) { EXPECT_TRUE(RoundRect(dc, 1, 1, 21, 13, 8, 8)); });
  const std::vector<Probe> probes = {
      {10, 1, kPen},   {10, 12, kPen},   {1, 7, kPen},     {20, 7, kPen},     {10, 7, kBrush},
      {1, 1, kMarker}, {20, 1, kMarker}, {1, 12, kMarker}, {20, 12, kMarker}, {2, 1, kMarker},
      {1, 2, kMarker}, {0, 7, kMarker},  {21, 7, kMarker}, {10, 0, kMarker},  {10, 13, kMarker},
  };
  for (const Probe& p : probes) EXPECT_EQ(canvas.at(p.x, p.y), p.expected) << p.x << "," << p.y;
}

TEST_F(ShapesTest, SmallRoundRectCornersGiveARectangle) {
  MarkerCanvas canvas(6, 5);
  canvas.withTools(PS_SOLID, 1, [](HDC dc) { RoundRect(dc, 0, 0, 5, 4, 2, 2); });
  EXPECT_EQ(canvas.picture(6, 5), (Picture{"PPPPP.", "PBBBP.", "PBBBP.", "PPPPP.", "......"}));
}

// Polygon's square covers 11 x 11 with a pen and 10 x 10 without one.
TEST_F(ShapesTest, PolygonFillsInteriorAndStrokesEveryEdge) {
  const POINT square[] = {{0, 0}, {4, 0}, {4, 3}, {0, 3}};
  struct Case {
    int penStyle;
    Picture expected;
  };
  const Case cases[] = {
      {PS_SOLID, {"PPPPP.", "PBBBP.", "PBBBP.", "PPPPP.", "......"}},
      {PS_NULL, {"BBBB..", "BBBB..", "BBBB..", "......", "......"}},
  };
  for (const Case& c : cases) {
    MarkerCanvas canvas(6, 5);
    canvas.withTools(c.penStyle, 1, [&](HDC dc) { EXPECT_TRUE(Polygon(dc, square, 4)); });
    EXPECT_EQ(canvas.picture(6, 5), c.expected);
  }
}

TEST_F(ShapesTest, PolygonAlternateFillLeavesTheOverlapEmpty) {
  // Two overlapping squares as one outline: the even-odd rule leaves their common part unfilled.
  const POINT points[] = {{0, 0}, {6, 0}, {6, 6}, {2, 6}, {2, 2}, {8, 2}, {8, 8}, {0, 8}};
  MarkerCanvas canvas(10, 10);
  canvas.withTools(PS_NULL, 1, [&](HDC dc) { Polygon(dc, points, 8); });
  EXPECT_EQ(canvas.at(1, 1), kBrush);
  EXPECT_EQ(canvas.at(4, 4), kMarker);
  EXPECT_EQ(canvas.at(7, 7), kBrush);
}

// Thin lines: Bresenham pixels, the end point left out, chained LineTo paints each vertex once.
TEST_F(ShapesTest, LineToLeavesOutTheLastPixel) {
  struct Case {
    POINT from, to;
    Picture expected;
  };
  const Case cases[] = {
      {{0, 0}, {5, 0}, {"PPPPP...", "........", "........"}},
      {{5, 0}, {0, 0}, {".PPPPP..", "........", "........"}},
      {{0, 0}, {6, 2}, {"PP......", "..PPP...", ".....P.."}},
      {{0, 0}, {0, 2}, {"P.......", "P.......", "........"}},
      {{3, 1}, {3, 1}, {"........", "........", "........"}},
  };
  for (const Case& c : cases) {
    MarkerCanvas canvas(8, 3);
    canvas.withTools(PS_SOLID, 0, [&](HDC dc) {
      MoveToEx(dc, c.from.x, c.from.y, nullptr);
      EXPECT_TRUE(LineTo(dc, c.to.x, c.to.y));
      POINT now{};
      MoveToEx(dc, 0, 0, &now);
      EXPECT_EQ(now.x, c.to.x);
      EXPECT_EQ(now.y, c.to.y);
    });
    EXPECT_EQ(canvas.picture(8, 3), c.expected)
        << c.from.x << "," << c.from.y << " -> " << c.to.x << "," << c.to.y;
  }
}

TEST_F(ShapesTest, WideLinesHaveRoundCaps) {
  MarkerCanvas canvas(20, 11);
  canvas.withTools(PS_SOLID, 5, [](HDC dc) {
    MoveToEx(dc, 5, 5, nullptr);
    LineTo(dc, 14, 5);
  });
  const std::vector<Probe> probes = {{9, 3, kPen},  {9, 7, kPen},    {9, 2, kMarker},  {3, 5, kPen},
                                     {16, 5, kPen}, {3, 3, kMarker}, {16, 7, kMarker}, {18, 5, kMarker}};
  for (const Probe& p : probes) EXPECT_EQ(canvas.at(p.x, p.y), p.expected) << p.x << "," << p.y;
}

// Hostile arguments draw nothing or something bounded, and never read or write out of bounds.
TEST_F(ShapesTest, HostileGeometryIsSafe) {
  MarkerCanvas canvas(32, 32);
  struct Pen {
    int style, width;
  };
  for (Pen pen : {Pen{PS_SOLID, 0}, Pen{PS_SOLID, 1}, Pen{PS_SOLID, 10000}, Pen{PS_NULL, 1}}) {
    canvas.withTools(pen.style, pen.width, [](HDC dc) {
      Rectangle(dc, INT_MIN, INT_MIN, INT_MAX, INT_MAX);
      Ellipse(dc, INT_MIN, 0, INT_MAX, 20);
      Pie(dc, -INT_MAX, -INT_MAX, INT_MAX, INT_MAX, INT_MAX, 0, INT_MIN, 0);
      RoundRect(dc, 0, 0, 30, 30, INT_MAX, INT_MIN);
      MoveToEx(dc, INT_MIN, INT_MIN, nullptr);
      LineTo(dc, INT_MAX, INT_MAX);
      Arc(dc, 0, 0, 30, 30, 15, 15, 15, 15);
    });
  }
  std::vector<POINT> many(100000);
  for (size_t i = 0; i < many.size(); ++i) {
    many[i] = POINT{LONG(i % 2 ? INT_MAX - int(i) : int(i % 40)),
                    LONG(i % 3 == 0 ? INT_MIN + int(i) : int(i % 31))};
  }
  canvas.withTools(PS_SOLID, 1, [&](HDC dc) {
    EXPECT_TRUE(Polygon(dc, many.data(), int(many.size())));
    EXPECT_TRUE(Polyline(dc, many.data(), int(many.size())));
    EXPECT_FALSE(Polygon(dc, nullptr, 3));
  });
  EXPECT_FALSE(Rectangle(nullptr, 0, 0, 1, 1));
  EXPECT_FALSE(LineTo(reinterpret_cast<HDC>(0x1234), 1, 1));
}

// A selected hatch brush fills a shape as FillRect does: its lines in the brush colour on the cell
// aligned to the brush origin, the gaps in the background colour ('?' here) while the mode is opaque.
TEST_F(ShapesTest, RectangleFillsWithTheSelectedHatchOnItsOrigin) {
  MarkerCanvas canvas(11, 7);
  HBRUSH hatch = CreateHatchBrush(HS_VERTICAL, kBrush);
  SetBkColor(canvas.dc(), RGB(0, 255, 0));
  SetBrushOrgEx(canvas.dc(), 2, 0, nullptr);
  canvas.withTools(
      PS_SOLID, 1, [](HDC dc) { Rectangle(dc, 0, 0, 10, 6); }, hatch);
  SetBkMode(canvas.dc(), TRANSPARENT);
  SetBrushOrgEx(canvas.dc(), 3, 0, nullptr);
  canvas.withTools(
      PS_NULL, 1, [](HDC dc) { Rectangle(dc, 1, 4, 10, 6); }, hatch);
  DeleteObject(hatch);
  // x = 6 is the line of origin 2, (6 - 2) mod 8 = 4; the transparent second fill adds x = 7 only.
  EXPECT_EQ(canvas.picture(11, 7), (Picture{"PPPPPPPPPP.", "P?????B??P.", "P?????B??P.", "P?????B??P.",
                                            "P?????BB?P.", "PPPPPPPPPP.", "..........."}));
}

}  // namespace
}  // namespace kx::test
