// Pens two pixels wide, as the shields panel strokes its rings, shield outline and scan lines, and
// the hollow brush under which an ellipse is outlined only.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/gdi_leak_check.h"
#include "support/marker_canvas.h"

namespace kx::test {
namespace {

class WideStrokeTest : public GdiLeakCheck {};

using Picture = std::vector<std::string>;

HBRUSH Hollow() {
  return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

// A pen of width 2 is two pixels thick in either direction: away from its round caps a line
// covers the row (column) of its points and the one before it.
TEST_F(WideStrokeTest, LinesOfWidthTwoAreTwoPixelsThick) {
  struct Case {
    POINT from, to;
    bool across;  // read a column (for a horizontal line) or a row (vertical line) at index 6
    std::string expected;
  };
  const Case cases[] = {
      {{1, 5}, {12, 5}, true, "....PP......"},
      {{5, 1}, {5, 12}, false, "....PP......"},
  };
  for (const Case& c : cases) {
    MarkerCanvas canvas(12, 12);
    canvas.withTools(PS_SOLID, 2, [&](HDC dc) {
      MoveToEx(dc, c.from.x, c.from.y, nullptr);
      EXPECT_TRUE(LineTo(dc, c.to.x, c.to.y));
    });
    const Picture picture = canvas.picture(12, 12);
    std::string cut;
    for (int i = 0; i < 12; ++i) cut.push_back(c.across ? picture[size_t(i)][6] : picture[6][size_t(i)]);
    EXPECT_EQ(cut, c.expected) << (c.across ? "horizontal" : "vertical");
  }
}

// Ellipse outlines with the pen and fills with the brush; the hollow brush fills nothing, so
// the inside keeps whatever was there. The ring is two pixels thick and symmetric.
TEST_F(WideStrokeTest, HollowEllipseIsARingOfThePensWidth) {
  MarkerCanvas canvas(16, 14);
  canvas.withTools(
      PS_SOLID, 2, [](HDC dc) { EXPECT_TRUE(Ellipse(dc, 2, 2, 14, 12)); }, Hollow());
  const Picture expected = {
      "................",  //
      "................",  //
      "....PPPPPPPP....",  //
      "...PPPPPPPPPP...",  //
      "..PPP......PPP..",  //
      "..PP........PP..",  //
      "..PP........PP..",  //
      "..PP........PP..",  //
      "..PP........PP..",  //
      "..PPP......PPP..",  //
      "...PPPPPPPPPP...",  //
      "....PPPPPPPP....",  //
      "................",  //
      "................",
  };
  EXPECT_EQ(canvas.picture(16, 14), expected);
}

// With a brush, the inside of the wide ring is filled; nothing outside it is.
TEST_F(WideStrokeTest, BrushedEllipseFillsTheInsideOfItsRing) {
  MarkerCanvas canvas(16, 14);
  canvas.withTools(PS_SOLID, 2, [](HDC dc) { EXPECT_TRUE(Ellipse(dc, 2, 2, 14, 12)); });
  const Picture expected = {
      "................",  //
      "................",  //
      "....PPPPPPPP....",  //
      "...PPPPPPPPPP...",  //
      "..PPPBBBBBBPPP..",  //
      "..PPBBBBBBBBPP..",  //
      "..PPBBBBBBBBPP..",  //
      "..PPBBBBBBBBPP..",  //
      "..PPBBBBBBBBPP..",  //
      "..PPPBBBBBBPPP..",  //
      "...PPPPPPPPPP...",  //
      "....PPPPPPPP....",  //
      "................",  //
      "................",
  };
  EXPECT_EQ(canvas.picture(16, 14), expected);
}

// GDI normalises a box whose edges cross; the shields panel's rings rely on it.
TEST_F(WideStrokeTest, ArcInACrossedBoxIsTheArcOfTheNormalisedBox) {
  struct Case {
    RECT box;
  };
  const Case crossed[] = {{{9, 1, 5, 13}}, {{5, 13, 9, 1}}, {{9, 13, 5, 1}}};
  for (const POINT& start : {POINT{7, 13}, POINT{7, 1}}) {
    const POINT end{start.x, 14 - start.y};
    MarkerCanvas reference(16, 14);
    reference.withTools(PS_SOLID, 2, [&](HDC dc) { Arc(dc, 5, 1, 9, 13, start.x, start.y, end.x, end.y); });
    const Picture want = reference.picture(16, 14);
    EXPECT_NE(want, MarkerCanvas(16, 14).picture(16, 14));  // something was drawn
    for (const Case& c : crossed) {
      MarkerCanvas canvas(16, 14);
      canvas.withTools(PS_SOLID, 2, [&](HDC dc) {
        Arc(dc, c.box.left, c.box.top, c.box.right, c.box.bottom, start.x, start.y, end.x, end.y);
      });
      EXPECT_EQ(canvas.picture(16, 14), want) << c.box.left << "," << c.box.top << " start y " << start.y;
    }
  }
}

// Wide strokes share one scratch mask; what one stroke inked must not show up in the next.
TEST_F(WideStrokeTest, AStrokeLeavesNothingBehindForTheNext) {
  auto line = [](HDC dc) {
    MoveToEx(dc, 3, 20, nullptr);
    LineTo(dc, 30, 22);
  };
  MarkerCanvas before(40, 40);
  before.withTools(PS_SOLID, 2, line);
  MarkerCanvas ring(40, 40);
  ring.withTools(
      PS_SOLID, 3, [](HDC dc) { Ellipse(dc, 1, 1, 39, 39); }, Hollow());
  MarkerCanvas after(40, 40);
  after.withTools(PS_SOLID, 2, line);
  EXPECT_EQ(after.picture(40, 40), before.picture(40, 40));
}

// A figure stroked again at another place, or cut by the bitmap's edge, has the same pixels moved
// with it: the outline of a ring and of a half ring at three places, one partly outside.
TEST_F(WideStrokeTest, AFigureStrokedElsewhereKeepsItsPixels) {
  struct Figure {
    const char* name;
    void (*draw)(HDC dc, int dx, int dy);
  };
  const Figure figures[] = {
      {"ring", [](HDC dc, int dx, int dy) { Ellipse(dc, 4 + dx, 4 + dy, 31 + dx, 22 + dy); }},
      {"half ring",
       [](HDC dc, int dx, int dy) {
         Arc(dc, 4 + dx, 4 + dy, 31 + dx, 22 + dy, 17 + dx, 4 + dy, 17 + dx, 22 + dy);
       }},
  };
  const POINT shifts[] = {{0, 0}, {7, 5}, {-9, -6}, {0, 0}};
  for (const Figure& figure : figures) {
    MarkerCanvas reference(40, 30);
    reference.withTools(
        PS_SOLID, 3, [&](HDC dc) { figure.draw(dc, 0, 0); }, Hollow());
    const Picture want = reference.picture(40, 30);
    for (const POINT& shift : shifts) {
      MarkerCanvas canvas(40, 30);
      canvas.withTools(
          PS_SOLID, 3, [&](HDC dc) { figure.draw(dc, int(shift.x), int(shift.y)); }, Hollow());
      const Picture got = canvas.picture(40, 30);
      for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
          const int fromX = x - int(shift.x), fromY = y - int(shift.y);
          const bool inside = fromX >= 0 && fromX < 40 && fromY >= 0 && fromY < 30;
          const char expected = inside ? want[size_t(fromY)][size_t(fromX)] : '.';
          ASSERT_EQ(got[size_t(y)][size_t(x)], expected)
              << figure.name << " moved " << shift.x << "," << shift.y << " at " << x << "," << y;
        }
      }
    }
  }
}

// Figures that differ only in the pen's width differ in their pixels, even right after each other.
TEST_F(WideStrokeTest, TheSameFigureWithAnotherWidthIsStrokedAnew) {
  int previous = 0;
  for (int width : {2, 3, 4}) {
    MarkerCanvas canvas(40, 30);
    canvas.withTools(
        PS_SOLID, width, [](HDC dc) { Ellipse(dc, 4, 4, 31, 22); }, Hollow());
    int inked = 0;
    for (const std::string& row : canvas.picture(40, 30))
      inked += int(std::count(row.begin(), row.end(), 'P'));
    EXPECT_GT(inked, previous) << "width " << width;
    previous = inked;
  }
}

// In a box one pixel wide the ray through a point level with the centre meets no curve; the arc
// still draws, within the pen's reach of its box.
TEST_F(WideStrokeTest, ArcInABoxOnePixelWideStaysByItsBox) {
  MarkerCanvas canvas(16, 16);
  canvas.withTools(PS_SOLID, 2, [](HDC dc) { Arc(dc, 5, 2, 6, 12, 9, 7, 5, 2); });
  const Picture picture = canvas.picture(16, 16);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      if (x >= 3 && x <= 7 && y >= 0 && y <= 13) continue;
      EXPECT_EQ(picture[size_t(y)][size_t(x)], '.') << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace kx::test
