// A colour cycle recolours one frame shape and repaints only that shape's rectangle, without
// erasing: every pixel the shape ever painted must lie inside that rectangle, and whatever else
// the rectangle shows must stay.
#include <gtest/gtest.h>

#include <vector>

#include "display/disp_std.h"
#include "display/display_fixture.h"

namespace {

constexpr int kFrameSlot = 20;
constexpr int kOldSlot = 12;  // no other frame shape, and no title, uses it
constexpr int kNewSlot = 0;   // black, as the screens' cycles often turn an oval

struct OvalCase {
  const char* name;
  int shape;  // index in Shapes()
};
constexpr OvalCase kOvals[] = {
    {"ovalTopLeft", 15}, {"ovalBottomLeft", 16}, {"ovalTopRight", 17}, {"ovalBottomRight", 18}};

// A frame without a title whose shape number `cycled` starts in kOldSlot and turns to kNewSlot
// after one second.
class OneCycleFrame : public CDispStd {
 public:
  OneCycleFrame(CKalyx* app, int cycled) : CDispStd(app), cycled(cycled) {}
  int SetUp() override {
    CDispStd::SetUp();
    for (CGfxShape* shape : Shapes()) shape->SetColor(app->Clr(kFrameSlot), nullptr);
    Shapes()[cycled]->SetColor(app->Clr(kOldSlot), nullptr);
    return AddCycle(Shapes()[cycled], {{0, kNewSlot}});
  }
  int Animate(int step) override {
    StepAnimations(step);
    return 0;
  }
  const int cycled;
};

class FrameRecolour : public DisplayTest {
 protected:
  static constexpr COLORREF kMark = RGB(255, 0, 255);

  // Paints the frame, set up, through the main window, sets the marks, then lets one whole second
  // pass.
  void PaintThenCycle(OneCycleFrame& frame, const std::vector<POINT>& marks = {}) {
    screen = &frame;
    InvalidateRect(hwndMain, nullptr, TRUE);
    Pump();
    HDC dc = GetDC(hwndMain);
    for (const POINT& p : marks) SetPixel(dc, p.x, p.y, kMark);
    ReleaseDC(hwndMain, dc);
    kalyx->hwndOwner = hwndMain;
    frame.Animate(2);
    Pump();
  }
  static int CountOnDesktop(COLORREF colour) {
    int n = 0;
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) n += At(x, y) == colour;
    return n;
  }
};

// Each oval, recoloured, leaves no pixel of its old colour anywhere: no ghost on its right
// column or bottom row, which its rectangle does not hold.
TEST_F(FrameRecolour, RecolouredOvalLeavesNoPixelOfItsOldColour) {
  const COLORREF oldRgb = app->Clr(kOldSlot)->GetRGB();
  for (const OvalCase& oval : kOvals) {
    SCOPED_TRACE(oval.name);
    OneCycleFrame frame(app.get(), oval.shape);
    ASSERT_EQ(frame.SetUp(), 0);
    PaintThenCycle(frame);
    const RECT& rc = *frame.Shapes()[oval.shape]->GetRect();
    EXPECT_EQ(At((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2), app->Clr(kNewSlot)->GetRGB());
    EXPECT_EQ(CountOnDesktop(oldRgb), 0);
    screen = nullptr;
  }
}

// The repaint does not erase: marks in the corners of the oval's rectangle, which its round ends
// leave uncovered, survive the change, while the oval itself takes the new colour.
TEST_F(FrameRecolour, RecolouringRepaintsWithoutErasing) {
  OneCycleFrame frame(app.get(), 18);
  ASSERT_EQ(frame.SetUp(), 0);
  const RECT rc = *frame.ovalBottomRight.GetRect();  // (881, 177, 1013, 238)
  const std::vector<POINT> corners = {
      {rc.left, rc.top}, {rc.right - 1, rc.top}, {rc.left, rc.bottom - 1}, {rc.right - 1, rc.bottom - 1}};
  PaintThenCycle(frame, corners);
  for (const POINT& p : corners) EXPECT_EQ(At(p.x, p.y), kMark) << p.x << "," << p.y;
  EXPECT_EQ(At(947, 207), app->Clr(kNewSlot)->GetRGB());
  EXPECT_EQ(At(rc.left + 1, (rc.top + rc.bottom) / 2), app->Clr(kNewSlot)->GetRGB());
}

}  // namespace
