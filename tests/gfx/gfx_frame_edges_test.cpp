// The exact edges of the standard frame's rounded elements at 1024 x 768: the last painted and the
// first unpainted column and row of every oval, half-round, quarter-round and bend. The rounds are
// filled without a pen, so each stays inside its rectangle: right and bottom edges excluded.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "gfx/gfx_bend.h"
#include "gfx/gfx_canvas.h"
#include "gfx/gfx_geometry.h"
#include "gfx/gfx_oval.h"
#include "gfx/gfx_round.h"

namespace {

constexpr COLORREF kShapeRgb = RGB(96, 96, 255);
constexpr int kMargin = 6;  // how far around the expected extent the scan looks for stray pixels

struct EdgeCase {
  const char* name;
  std::function<std::unique_ptr<CGfxShape>()> make;  // the shape with its rectangle set
  Box painted;                                       // inclusive extent: first and last column and row
  std::vector<Probe> probes;                         // last painted / first unpainted on chosen lines
};

template <class Shape>
std::unique_ptr<CGfxShape> Made(int orient, const RECT& rc) {
  auto shape = std::make_unique<Shape>(orient);
  shape->SetRect(rc);
  return shape;
}

std::unique_ptr<CGfxShape> Oval(const RECT& rc) {
  auto oval = std::make_unique<CGfxOval>();
  oval->SetRect(rc);
  return oval;
}

std::unique_ptr<CGfxShape> Bend(int orient, const RECT& rc) {
  auto bend = std::make_unique<CGfxBend>(orient);
  bend->SetRect(rc, {123, 10});
  return bend;
}

// An oval (L, T, R, B) paints L..R-1 x T..B-1: its ends on the middle row (T + 30), its top and
// bottom rows in the straight body.
EdgeCase OvalCase(const char* name, const RECT& rc) {
  const int mid = rc.top + 30;
  const int bodyX = (rc.left + rc.right) / 2;
  return {name,
          [rc] { return Oval(rc); },
          {rc.left, rc.top, rc.right - 1, rc.bottom - 1},
          {{rc.left, mid, true},
           {rc.left - 1, mid, false},
           {rc.right - 1, mid, true},
           {rc.right, mid, false},
           {bodyX, rc.top, true},
           {bodyX, rc.top - 1, false},
           {bodyX, rc.bottom - 1, true},
           {bodyX, rc.bottom, false}}};
}

// The caps of an oval (L, T, R, B) with a = 30: the left one is given (L, T, L + 30, B), its pie
// centre is (L + 31, T + 31) and its flat side follows the radials to (L + 30, T) and (L + 30, B + 1),
// so it reaches column L + 30 in the middle rows only. The right one is given (R - 30, T, R, B),
// centred at (R - 30, T + 31): its flat side is column R - 30 in the middle, R - 31 near the ends.
EdgeCase LeftCapCase(const char* name, const RECT& oval) {
  const int l = oval.left, t = oval.top, b = oval.bottom;
  return {name,
          [=] {
            return Made<CGfxHlfRnd>(1, RECT{l, t, l + 30, b});
          },
          {l, t, l + 30, b - 1},
          {{l, t + 30, true},
           {l - 1, t + 30, false},
           {l + 30, t + 30, true},
           {l + 31, t + 30, false},
           {l + 27, t, true},
           {l + 27, t - 1, false},
           {l + 27, b - 1, true},
           {l + 27, b, false},
           {l + 30, t, false}}};
}

EdgeCase RightCapCase(const char* name, const RECT& oval) {
  const int r = oval.right, t = oval.top, b = oval.bottom;
  return {name,
          [=] {
            return Made<CGfxHlfRnd>(2, RECT{r - 30, t, r, b});
          },
          {r - 31, t, r - 1, b - 1},
          {{r - 1, t + 30, true},
           {r, t + 30, false},
           {r - 30, t + 30, true},
           {r - 31, t + 30, false},
           {r - 28, t, true},
           {r - 28, t - 1, false},
           {r - 28, b - 1, true},
           {r - 28, b, false},
           {r - 31, t, true}}};
}

std::vector<EdgeCase> FrameCases() {
  const RECT ovals[] = {
      {737, 103, 869, 164}, {737, 177, 869, 238}, {881, 103, 1013, 164}, {881, 177, 1013, 238}};
  const char* ovalNames[] = {"ovalTopLeft", "ovalBottomLeft", "ovalTopRight", "ovalBottomRight"};
  std::vector<EdgeCase> cases;
  for (int i = 0; i < 4; ++i) {
    cases.push_back(OvalCase(ovalNames[i], ovals[i]));
    cases.push_back(LeftCapCase(ovalNames[i], ovals[i]));
    cases.push_back(RightCapCase(ovalNames[i], ovals[i]));
  }
  // The outer corner of the upper bend: given (51, 227, 112, 268), centred at (113, 227); it ends
  // in row 267, the last row of the bar beside it, and reaches column 112 in its upper rows.
  cases.push_back({"bendUpper.corner",
                   [] {
                     return Made<CGfxQtrRnd>(1, RECT{51, 227, 112, 268});
                   },
                   {51, 227, 112, 267},
                   {{51, 227, true},
                    {50, 227, false},
                    {51, 226, false},
                    {112, 227, true},
                    {113, 227, false},
                    {110, 267, true},
                    {110, 268, false},
                    {51, 267, false}}});
  // The outer corner of the lower bend: given (51, 272, 112, 313), centred at (113, 314).
  cases.push_back({"bendLower.corner",
                   [] {
                     return Made<CGfxQtrRnd>(3, RECT{51, 272, 112, 313});
                   },
                   {51, 272, 112, 313},
                   {{51, 312, true},
                    {50, 312, false},
                    {105, 272, true},
                    {105, 271, false},
                    {112, 313, true},
                    {113, 313, false},
                    {100, 314, false},
                    {51, 272, false}}});
  cases.push_back({"bendUpper",
                   [] {
                     return Bend(1, RECT{51, 103, 460, 268});
                   },
                   {51, 103, 459, 267},
                   {{51, 150, true},
                    {50, 150, false},
                    {100, 103, true},
                    {100, 102, false},
                    {459, 263, true},
                    {460, 263, false},
                    {300, 267, true},
                    {300, 268, false},
                    {110, 267, true},
                    {110, 268, false},
                    {51, 267, false}}});
  cases.push_back({"bendLower",
                   [] {
                     return Bend(3, RECT{51, 272, 460, 384});
                   },
                   {51, 272, 459, 383},
                   {{51, 350, true},
                    {50, 350, false},
                    {300, 272, true},
                    {300, 271, false},
                    {459, 277, true},
                    {460, 277, false},
                    {100, 383, true},
                    {100, 384, false},
                    {51, 272, false}}});
  return cases;
}

class GfxFrameEdges : public GfxCanvasTest {
 protected:
  // The inclusive extent of the pixels painted within `box` grown by the margin.
  Box PaintedExtent(const Box& box) const {
    Box found{kWidth, kHeight, -1, -1};
    for (int y = std::max(0, box[1] - kMargin); y <= std::min(kHeight - 1, box[3] + kMargin); ++y) {
      for (int x = std::max(0, box[0] - kMargin); x <= std::min(kWidth - 1, box[2] + kMargin); ++x) {
        if (At(x, y) == kMarker) continue;
        found = {std::min(found[0], x), std::min(found[1], y), std::max(found[2], x), std::max(found[3], y)};
      }
    }
    return found;
  }
};

TEST_F(GfxFrameEdges, EveryRoundedElementEndsOnItsLastPixel) {
  CGfxClr clr;
  clr.SetRGB(96, 96, 255);
  for (const EdgeCase& c : FrameCases()) {
    SCOPED_TRACE(c.name);
    Clear();
    std::unique_ptr<CGfxShape> shape = c.make();
    shape->SetColor(&clr, nullptr);
    EXPECT_EQ(shape->Draw(nullptr, hdc), 0);
    EXPECT_EQ(PaintedExtent(c.painted), c.painted);
    EXPECT_PROBES(kShapeRgb, c.probes);
  }
}

}  // namespace
