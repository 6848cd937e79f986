#include "screens/propulsion/orbit_brace.h"

#include <gtest/gtest.h>

#include "screens/orbit_canvas.h"
#include "screens/propulsion/orbit_frame.h"

namespace {

class OrbitBrace : public OrbitCanvasTest {
 protected:
  void ExpectProbes(std::initializer_list<PixelProbe> probes) {
    for (const PixelProbe& p : probes)
      EXPECT_EQ(Px(p.x, p.y), p.painted ? Slot(17) : kMarker) << "at (" << p.x << ", " << p.y << ")";
  }
};

struct NarrowCase {
  int kind;
  int barLeft;  // the 2-pixel bar on the outer side
};

// Under 5 pixels wide the stroke would be under 2: a plain bar 2 wide, no corners.
TEST_F(OrbitBrace, ANarrowBracketIsAPlainBarOnItsOuterSide) {
  for (const NarrowCase& c : {NarrowCase{CBrace::kOpening, 10}, NarrowCase{CBrace::kClosing, 12}}) {
    HDC dc = Canvas(30, 70);
    CBrace brace(app.get(), c.kind);
    brace.SetRect(RECT{10, 10, 14, 60});
    EXPECT_EQ(brace.Draw(nullptr, dc), 0);
    const int x = c.barLeft;
    ExpectProbes({{x, 10, true},
                  {x + 1, 59, true},
                  {x - 1, 30, false},
                  {x + 2, 30, false},
                  {x, 9, false},
                  {x, 60, false}});
    EXPECT_EQ(Count(Slot(17)), 2 * 50);
  }
}

// Width 20: a stroke of 8 and corners 20 high, so the bar runs from 30 to 90.
TEST_F(OrbitBrace, AWideBracketHasRoundedCornersAndAStrokeOfFortyPercent) {
  HDC dc = Canvas(60, 120);
  CBrace open(app.get(), CBrace::kOpening);
  open.SetRect(RECT{10, 10, 30, 110});
  open.Draw(nullptr, dc);
  EXPECT_EQ(open.bar.rect.top, 30);
  EXPECT_EQ(open.bar.rect.bottom, 90);
  ExpectProbes({{10, 60, true},
                {17, 60, true},
                {18, 60, false},
                {9, 60, false},
                {24, 12, true},     // the top corner curls right
                {24, 107, true},    // and so does the bottom one
                {28, 25, false},    // inside the curve
                {10, 12, false}});  // the rounded-off outer corner
}

// From 5 pixels wide the stroke is 2 and the corners are as high as the bracket is wide.
TEST_F(OrbitBrace, CornersAppearAtFivePixelsWide) {
  struct Case {
    int width, pen, corner;
  };
  const Case cases[] = {{1, 2, 0}, {4, 2, 0}, {5, 2, 5}, {7, 2, 7}, {8, 3, 8}, {20, 8, 20}};
  for (const Case& c : cases) {
    CBrace brace(app.get(), CBrace::kOpening);
    brace.SetRect(RECT{10, 10, 10 + c.width, 100});
    EXPECT_EQ(brace.cornerHeight, c.corner) << c.width;
    EXPECT_EQ(brace.bar.rect.right - brace.bar.rect.left, c.pen) << c.width;
    EXPECT_EQ(brace.bar.rect.top, 10 + c.corner) << c.width;
    EXPECT_EQ(brace.topCorner.penWidth, c.pen) << c.width;
  }
}

TEST_F(OrbitBrace, ABracketLowerThanTwiceItsWidthHasNoBar) {
  HDC dc = Canvas(40, 50);
  CBrace brace(app.get(), CBrace::kClosing);
  brace.SetRect(RECT{10, 10, 30, 40});
  EXPECT_GE(brace.bar.rect.top, brace.bar.rect.bottom);
  EXPECT_EQ(brace.Draw(nullptr, dc), 0);
}

class OrbitFrame : public OrbitBrace {
 protected:
  // Eye 600 from the axis, frame halfway: f = 1 - sqrt(1/2), half-size (87, 65) around (300, 250).
  const CPoint3d eye{600, 250, 0};
};

TEST_F(OrbitFrame, BracketsMarkTheProjectedRectangle) {
  HDC dc = Canvas(420, 340);
  CFrame frame(app.get(), &eye);
  frame.SetSize(600, 450, 0);
  frame.MoveTo(300, 250, 0);  // z equal to the eye's: still drawn
  frame.sinA = 1;
  EXPECT_EQ(frame.Draw(nullptr, dc), 0);
  EXPECT_EQ(frame.rect.left, 213);
  EXPECT_EQ(frame.rect.right, 387);
  // b = trunc(0.1 x 174) = 17 wide brackets with a stroke of 6.
  ExpectProbes({{213, 250, true},
                {218, 250, true},
                {219, 250, false},
                {212, 250, false},
                {381, 250, true},
                {386, 250, true},
                {380, 250, false},
                {387, 250, false},
                {300, 250, false},
                {300, 185, false}});
}

TEST_F(OrbitFrame, AFrameBehindTheEyeDrawsNothingAndSaysSo) {
  HDC dc = Canvas(420, 340);
  CFrame frame(app.get(), &eye);
  frame.SetSize(600, 450, 0);
  frame.MoveTo(300, 250, -1);
  frame.sinA = 1;
  EXPECT_EQ(frame.Draw(nullptr, dc), 1);
  EXPECT_EQ(Count(kMarker), 420 * 340);
}

TEST_F(OrbitFrame, AFrameWithoutAnEyeReportsTheProjectionsError) {
  HDC dc = Canvas(40, 40);
  CFrame frame(app.get(), nullptr);
  EXPECT_EQ(frame.Draw(nullptr, dc), -1);
  EXPECT_EQ(Count(kMarker), 40 * 40);
}

// At or beyond the eye's distance from the axis a frame is a speck: two 2-pixel bars.
TEST_F(OrbitFrame, AFarFrameIsASpeck) {
  HDC dc = Canvas(420, 340);
  CFrame frame(app.get(), &eye);
  frame.SetSize(600, 450, 0);
  frame.MoveTo(200, 250, 600);  // 721 from the eye, which is 600 from the axis
  EXPECT_EQ(frame.Draw(nullptr, dc), 0);
  ExpectProbes({{199, 249, true},
                {200, 250, true},
                {201, 250, false},
                {198, 250, false},
                {199, 251, false},
                {199, 248, false}});
  EXPECT_EQ(Count(Slot(17)), 4);  // both bars cover the same two columns
}

}  // namespace
