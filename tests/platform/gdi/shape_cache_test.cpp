// Shapes drawn again are written from the pixels kept the second time they were drawn. Whatever
// way a shape comes out, every later drawing of it must match the first pixel for pixel, and a
// change to anything it depends on (pen, brush, size of the target, place of the window) must
// show at once.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "support/gdi_leak_check.h"
#include "support/headless_desktop.h"
#include "support/marker_canvas.h"

namespace kx::test {
namespace {

class ShapeCacheTest : public GdiLeakCheck {};

constexpr int kSize = 40;
constexpr int kDrawings = 4;  // the first draws, the second is kept, the others are written from it

struct ShapeCase {
  const char* name;
  int penStyle, penWidth;
  std::function<void(HDC)> draw;
};

const POINT kStar[] = {{20, 2}, {26, 36}, {3, 13}, {37, 13}, {14, 36}};

const ShapeCase kShapes[] = {
    {"ellipse", PS_SOLID, 1, [](HDC dc) { Ellipse(dc, 3, 5, 37, 33); }},
    {"ellipse, wide pen", PS_SOLID, 5, [](HDC dc) { Ellipse(dc, 3, 5, 37, 33); }},
    {"ellipse, wider pen", PS_SOLID, 7, [](HDC dc) { Ellipse(dc, 3, 5, 37, 33); }},
    {"ellipse, no pen", PS_NULL, 1, [](HDC dc) { Ellipse(dc, 3, 5, 37, 33); }},
    {"arc", PS_SOLID, 1, [](HDC dc) { Arc(dc, 2, 2, 38, 30, 35, 25, 5, 4); }},
    {"arc, wide inside frame", PS_INSIDEFRAME, 4, [](HDC dc) { Arc(dc, 2, 2, 38, 30, 35, 25, 5, 4); }},
    {"pie", PS_SOLID, 1, [](HDC dc) { Pie(dc, 0, 4, 40, 36, 40, 20, 20, 4); }},
    {"chord", PS_SOLID, 2, [](HDC dc) { Chord(dc, 1, 1, 39, 39, 39, 10, 2, 30); }},
    {"chord of the pie", PS_SOLID, 1, [](HDC dc) { Chord(dc, 0, 4, 40, 36, 40, 20, 20, 4); }},
    {"arc of the pie", PS_SOLID, 1, [](HDC dc) { Arc(dc, 0, 4, 40, 36, 40, 20, 20, 4); }},
    {"round rect", PS_SOLID, 1, [](HDC dc) { RoundRect(dc, 4, 6, 36, 30, 12, 9); }},
    {"star, alternate", PS_SOLID, 1, [](HDC dc) { Polygon(dc, kStar, 5); }},
    {"star, winding", PS_SOLID, 1,
     [](HDC dc) {
       SetPolyFillMode(dc, WINDING);
       Polygon(dc, kStar, 5);
       SetPolyFillMode(dc, ALTERNATE);
     }},
    {"star past the edges", PS_SOLID, 3,
     [](HDC dc) {
       const POINT big[] = {{20, -15}, {32, 55}, {-12, 13}, {52, 13}, {8, 55}};
       Polygon(dc, big, 5);
     }},
};

// The pixels of the top left kSize x kSize of a canvas.
std::vector<COLORREF> Pixels(const MarkerCanvas& canvas) {
  std::vector<COLORREF> pixels;
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) pixels.push_back(canvas.at(x, y));
  }
  return pixels;
}

std::vector<COLORREF> Drawn(int width, int height, const ShapeCase& shape, HBRUSH brush = nullptr) {
  MarkerCanvas canvas(width, height);
  canvas.withTools(shape.penStyle, shape.penWidth, shape.draw, brush);
  return Pixels(canvas);
}

// What a shape looks like drawn afresh: on a canvas a pixel larger, which nothing else draws on,
// so that nothing kept for the canvases under test is used.
std::vector<COLORREF> Reference(const ShapeCase& shape, HBRUSH brush = nullptr) {
  return Drawn(kSize + 1, kSize + 1, shape, brush);
}

TEST_F(ShapeCacheTest, AShapeDrawnAgainComesOutAsAtFirst) {
  HBRUSH hatches[] = {CreateHatchBrush(HS_DIAGCROSS, RGB(0, 200, 0)),
                      CreateHatchBrush(HS_VERTICAL, RGB(0, 200, 0))};
  for (const ShapeCase& shape : kShapes) {
    for (HBRUSH brush :
         {HBRUSH(nullptr), hatches[0], hatches[1], static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))}) {
      const std::vector<COLORREF> fresh = Reference(shape, brush);
      for (int i = 0; i < kDrawings; ++i) {
        EXPECT_EQ(Drawn(kSize, kSize, shape, brush), fresh) << shape.name << ", drawing " << i;
      }
    }
  }
  for (HBRUSH hatch : hatches) DeleteObject(hatch);
}

// Kept for one target, a shape drawn on a larger one is drawn whole; kept with one pen and
// brush, it is drawn with others in their colours.
TEST_F(ShapeCacheTest, WhatTheShapeDependsOnIsPartOfWhatIsKept) {
  const ShapeCase shape{"ellipse of its own", PS_SOLID, 1, [](HDC dc) { Ellipse(dc, 2, 4, 36, 31); }};
  const std::vector<COLORREF> whole = Reference(shape);
  for (int i = 0; i < kDrawings; ++i) Drawn(25, 18, shape);
  Drawn(kSize, kSize, shape);
  Drawn(kSize, kSize, shape);
  MarkerCanvas large(kSize, kSize);
  large.withTools(shape.penStyle, shape.penWidth, shape.draw);
  ASSERT_EQ(Pixels(large), whole);

  // The pen and the brush changed one at a time, each after the shape was kept with both.
  const COLORREF otherPen = RGB(0, 128, 128), otherBrush = RGB(128, 0, 128);
  for (const bool newPen : {true, false}) {
    MarkerCanvas recoloured(kSize, kSize);
    HPEN pen = CreatePen(PS_SOLID, 1, newPen ? otherPen : kPen);
    HBRUSH brush = CreateSolidBrush(newPen ? kBrush : otherBrush);
    HGDIOBJ oldPen = SelectObject(recoloured.dc(), pen);
    HGDIOBJ oldBrush = SelectObject(recoloured.dc(), brush);
    shape.draw(recoloured.dc());
    SelectObject(recoloured.dc(), oldPen);
    SelectObject(recoloured.dc(), oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
    for (int y = 0; y < kSize; ++y) {
      for (int x = 0; x < kSize; ++x) {
        const COLORREF was = large.at(x, y);
        const COLORREF want = newPen && was == kPen ? otherPen : !newPen && was == kBrush ? otherBrush : was;
        ASSERT_EQ(recoloured.at(x, y), want) << (newPen ? "pen" : "brush") << " at " << x << "," << y;
      }
    }
  }
}

class ShapeCacheWindowTest : public HeadlessDesktop {};

// On a window the shape lands where the window is now, and not under a window above it.
TEST_F(ShapeCacheWindowTest, AShapeOnAWindowFollowsTheWindowAndItsCover) {
  HWND window = createWindow(WS_POPUP | WS_VISIBLE, {100, 60, 100 + kSize, 60 + kSize});
  pumpMessages();
  auto drawAndRead = [&](int left, int top) {
    MoveWindow(window, left, top, kSize, kSize, FALSE);
    pumpMessages();
    HDC dc = GetDC(window);
    HPEN pen = CreatePen(PS_SOLID, 1, kPen);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(GRAY_BRUSH));
    PatBlt(dc, 0, 0, kSize, kSize, BLACKNESS);
    kShapes[0].draw(dc);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < kSize; ++y) {
      for (int x = 0; x < kSize; ++x) pixels.push_back(GetPixel(dc, x, y));
    }
    SelectObject(dc, oldBrush);
    DeleteObject(SelectObject(dc, oldPen));
    ReleaseDC(window, dc);
    return pixels;
  };
  const std::vector<COLORREF> first = drawAndRead(100, 60);
  for (int i = 1; i < kDrawings; ++i) EXPECT_EQ(drawAndRead(100, 60), first) << "drawing " << i;
  EXPECT_EQ(drawAndRead(300, 200), first) << "moved";

  // A black window over the middle of the shape's grey fill.
  HWND above = createWindow(WS_POPUP | WS_VISIBLE, {310, 215, 320, 225});
  pumpMessages();
  const std::vector<COLORREF> covered = drawAndRead(300, 200);
  HDC screen = GetDC(nullptr);
  EXPECT_EQ(GetPixel(screen, 315, 220), RGB(0, 0, 0)) << "the window above keeps its own pixels";
  EXPECT_NE(GetPixel(screen, 315, 220), first[20 * kSize + 15]);
  ReleaseDC(nullptr, screen);
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      if (x >= 10 && x < 20 && y >= 15 && y < 25) continue;
      ASSERT_EQ(covered[y * kSize + x], first[y * kSize + x]) << x << "," << y;
    }
  }
  DestroyWindow(above);
}

}  // namespace
}  // namespace kx::test
