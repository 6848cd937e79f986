// The rectangle helpers, with Windows' handling of empty rectangles.
#include <gtest/gtest.h>
#include <windows.h>

namespace {

bool same(const RECT& a, const RECT& b) {
  return EqualRect(&a, &b) != FALSE;
}

TEST(RectTest, IntersectAndUnion) {
  struct Case {
    RECT a, b;
    BOOL intersects;
    RECT intersection;
    RECT unionRect;
  };
  const Case cases[] = {
      {{0, 0, 10, 10}, {5, 5, 15, 15}, TRUE, {5, 5, 10, 10}, {0, 0, 15, 15}},
      {{0, 0, 10, 10}, {10, 0, 20, 10}, FALSE, {0, 0, 0, 0}, {0, 0, 20, 10}},  // touching edges
      {{0, 0, 10, 10}, {3, 3, 3, 8}, FALSE, {0, 0, 0, 0}, {0, 0, 10, 10}},     // empty one adds nothing
      {{5, 5, 5, 5}, {1, 1, 1, 9}, FALSE, {0, 0, 0, 0}, {0, 0, 0, 0}},         // both empty: zeroed
      {{-5, -5, 5, 5}, {-10, 0, 0, 20}, TRUE, {-5, 0, 0, 5}, {-10, -5, 5, 20}},
  };
  for (const Case& c : cases) {
    RECT r{1, 2, 3, 4};
    EXPECT_EQ(IntersectRect(&r, &c.a, &c.b), c.intersects);
    EXPECT_TRUE(same(r, c.intersection)) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    UnionRect(&r, &c.a, &c.b);
    EXPECT_TRUE(same(r, c.unionRect)) << r.left << "," << r.top << "," << r.right << "," << r.bottom;
  }
}

TEST(RectTest, PointsEmptinessAndMoves) {
  RECT r;
  SetRect(&r, 0, 0, 4, 3);
  struct Probe {
    POINT p;
    BOOL inside;
  };
  // Left and top edges are inside, right and bottom outside.
  for (Probe probe : {Probe{{0, 0}, TRUE}, Probe{{3, 2}, TRUE}, Probe{{4, 0}, FALSE}, Probe{{0, 3}, FALSE},
                      Probe{{-1, 1}, FALSE}}) {
    EXPECT_EQ(PtInRect(&r, probe.p), probe.inside) << probe.p.x << "," << probe.p.y;
  }
  for (RECT e : {RECT{0, 0, 0, 5}, RECT{0, 5, 5, 5}, RECT{5, 0, 0, 5}}) EXPECT_TRUE(IsRectEmpty(&e));
  InflateRect(&r, 2, -1);
  EXPECT_TRUE(same(r, RECT{-2, 1, 6, 2}));
  OffsetRect(&r, 2, -1);
  EXPECT_TRUE(same(r, RECT{0, 0, 8, 1}));
  RECT copy;
  CopyRect(&copy, &r);
  EXPECT_TRUE(same(copy, r));
  SetRectEmpty(&copy);
  EXPECT_TRUE(same(copy, RECT{0, 0, 0, 0}));
  EXPECT_FALSE(IntersectRect(nullptr, &r, &r));
}

}  // namespace
