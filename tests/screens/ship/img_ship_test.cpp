#include "screens/ship/img_ship_top.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "gfx/gfx_canvas.h"

namespace {

// The layout of an 800-pixel rectangle, each value worked out by hand from its formula:
// cy = 150, 0.186 x 800 = 148.8, so the figure spans rows 1 to 298 and H = 297. The saucer is
// 559 long, not 560: the double 0.7 lies just below 0.7. The saucer is
// 559 long, not 560: the double 0.7 lies just below 0.7.
TEST(ImgShipLayout, WorkedExampleAt800) {
  CImgShipTop ship;
  EXPECT_EQ(ship.LayOut(RECT{0, 0, 800, 300}), 0);
  const RECT r = *ship.GetRect();
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, 1);
  EXPECT_EQ(r.right, 800);
  EXPECT_EQ(r.bottom, 298);
  EXPECT_EQ(ship.width, 800);
  EXPECT_EQ(ship.height, 297);
  EXPECT_EQ(ship.centerX, 400);
  EXPECT_EQ(ship.centerY, 150);

  struct PointCase {
    const char* what;
    const CPoint3d& got;
    int x, y, z;
  };
  const PointCase points[] = {
      {"centre", ship.ptCenter, 400, 150, 150},
      {"overall size", ship.szOverall, 800, 162, 148},
      {"saucer size", ship.szSaucer, 559, 64, 148},
      {"saucer centre", ship.ptSaucer, 521, 182, 150},
      {"hull size", ship.szHull, 408, 0, -111},
      {"hull centre", ship.ptHull, 204, 150, 150},
      {"nacelle size", ship.szNacelleUp, 200, 0, 41},
      {"lower nacelle size", ship.szNacelleLow, 200, 0, 41},
      {"upper nacelle", ship.ptNacelleUp, 140, 150, 21},
      {"lower nacelle", ship.ptNacelleLow, 140, 150, 276},
  };
  for (const PointCase& p : points) {
    EXPECT_EQ(p.got.x, p.x) << p.what;
    EXPECT_EQ(p.got.y, p.y) << p.what;
    EXPECT_EQ(p.got.z, p.z) << p.what;
  }

  struct RectCase {
    const char* what;
    const RECT& got;
    RECT want;
  };
  const RectCase rects[] = {
      {"saucer", ship.rcSaucer, {240, 6, 800, 292}},
      {"hull, upside down", ship.rcHull, {0, 205, 408, 94}},
      {"upper nacelle", ship.rcNacelleUp, {40, 1, 240, 42}},
      {"lower nacelle", ship.rcNacelleLow, {40, 256, 240, 298}},
  };
  for (const RectCase& c : rects) {
    EXPECT_EQ(c.got.left, c.want.left) << c.what;
    EXPECT_EQ(c.got.top, c.want.top) << c.what;
    EXPECT_EQ(c.got.right, c.want.right) << c.what;
    EXPECT_EQ(c.got.bottom, c.want.bottom) << c.what;
  }
}

// The figure is 0.372 x the width high whatever the rectangle's height, centred on the
// rectangle's vertical centre; a rectangle too short for it lets it overflow both ways. Each edge
// is truncated toward zero on its own, so the height is within a pixel of 0.372 x the width. Each edge
// is truncated toward zero on its own, so the height is within a pixel of 0.372 x the width.
TEST(ImgShipLayout, HeightFollowsTheWidthAndCentresOnTheRectangle) {
  struct Case {
    RECT rc;
    int height;
  };
  const Case cases[] = {
      {{0, 0, 800, 300}, 297},   {{0, 0, 800, 0}, 296},          {{0, 100, 800, 120}, 296},
      {{0, 0, 800, 3000}, 297},  {{50, -40, 250, 400}, 75},      {{0, 0, 3000, 200}, 1114},
      {{7, 0, 1007, 1000}, 371}, {{-500, 300, 2500, 300}, 1114},
  };
  for (const Case& c : cases) {
    CImgShipTop ship;
    ship.LayOut(c.rc);
    const RECT r = *ship.GetRect();
    const int cy = c.rc.top + (c.rc.bottom - c.rc.top) / 2;
    EXPECT_EQ(ship.height, c.height) << c.rc.top << ".." << c.rc.bottom;
    EXPECT_EQ(r.bottom - r.top, ship.height);
    EXPECT_EQ(r.left, c.rc.left);
    EXPECT_EQ(r.right, c.rc.right);
    EXPECT_LE(std::abs((r.top + r.bottom) - 2 * cy), 1) << "centred on " << cy;
    if (c.rc.bottom - c.rc.top < ship.height) {
      EXPECT_LT(r.top, c.rc.top);
      EXPECT_GT(r.bottom, c.rc.bottom);
    }
  }
}

TEST(ImgShipLayout, HullBoxIsUpsideDownWithANegativeWidth) {
  for (int width : {200, 801, 3000}) {
    CImgShipTop ship;
    ship.LayOut(RECT{0, 0, width, width});
    EXPECT_GT(ship.rcHull.top, ship.rcHull.bottom) << width;
    EXPECT_LT(ship.szHull.z, 0) << width;
    EXPECT_EQ(ship.szHull.z, ship.rcHull.bottom - ship.rcHull.top);
  }
}

class ImgShipDraw : public GfxCanvasTest {
 protected:
  void SetUp() override {
    GfxCanvasTest::SetUp();
    cyan.SetRGB(0, 255, 255);
    black.SetRGB(0, 0, 0);
    ship.SetColor(&cyan, &black);
  }
  CGfxClr cyan, black;
  CImgShipTop ship;
};

TEST_F(ImgShipDraw, ZeroRectangleLaysOutAndDrawsWithoutFailure) {
  EXPECT_EQ(ship.LayOut(RECT{0, 0, 0, 0}), 0);
  EXPECT_EQ(ship.width, 0);
  EXPECT_EQ(ship.height, 0);
  EXPECT_EQ(ship.szSaucer.x, 0);
  EXPECT_EQ(ship.szHull.z, 0);
  EXPECT_EQ(ship.szNacelleUp.x, 0);
  EXPECT_EQ(ship.Draw(nullptr, hdc), 0);
  // Degenerate shapes stay at the origin.
  for (int y = 5; y < 40; y += 7)
    for (int x = 5; x < 40; x += 7) EXPECT_EQ(At(x, y), kMarker) << x << "," << y;
}

// The 800-pixel example moved 100 pixels right: the edge pixels of the outline sit where the
// layout puts them, the bodies are filled black and nothing is drawn outside the figure.
TEST_F(ImgShipDraw, EdgePixelsAtTheLaidOutPlaces) {
  ship.LayOut(RECT{100, 0, 900, 300});
  EXPECT_EQ(ship.Draw(nullptr, hdc), 0);
  const COLORREF kCyan = RGB(0, 255, 255);
  const COLORREF kBlack = RGB(0, 0, 0);
  struct Case {
    const char* what;
    int x, y;
    COLORREF colour;
  };
  const Case cases[] = {
      {"hull's stern point", 100, 150, kCyan},
      {"left of the stern", 99, 150, kMarker},
      {"saucer's outer rim at the bow", 899, 149, kCyan},
      {"right of the bow", 900, 149, kMarker},
      {"upper nacelle's outer edge", 180, 1, kCyan},
      {"above the upper nacelle", 180, 0, kMarker},
      {"lower nacelle's outer edge (rounded)", 180, 297, kCyan},
      {"below the lower nacelle", 180, 298, kMarker},
      {"inside the wedge ahead of the saucer centre", 676, 140, kBlack},
      {"inside the upper nacelle", 200, 15, kBlack},
      {"between the nacelles behind the stern", 105, 60, kMarker},
  };
  for (const Case& c : cases) EXPECT_EQ(At(c.x, c.y), c.colour) << c.what << " at " << c.x << "," << c.y;
}

// Nothing of the figure lies outside its laid-out rectangle.
TEST_F(ImgShipDraw, DrawsCyanOnlyInsideItsRectangle) {
  ship.LayOut(RECT{100, 200, 900, 500});
  ship.Draw(nullptr, hdc);
  const RECT r = *ship.GetRect();
  int cyan = 0;
  for (int y = 0; y < kHeight; y += 3) {
    for (int x = 0; x < kWidth; x += 3) {
      const bool inside = x >= r.left && x < r.right && y >= r.top && y < r.bottom;
      const COLORREF c = At(x, y);
      if (!inside) {
        EXPECT_EQ(c, kMarker) << x << "," << y;
      }
      cyan += c == RGB(0, 255, 255);
    }
  }
  EXPECT_GT(cyan, 300);
}

}  // namespace
