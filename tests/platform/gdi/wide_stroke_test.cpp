// Pens two pixels wide, as the shields panel strokes its rings, shield outline and scan lines, and
// the hollow brush under which an ellipse is outlined only.
#include <windows.h>

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace kx::test
