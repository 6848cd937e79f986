#include "display/disp_test.h"

#include <new>

#include "app/kalyx.h"

bool CDispTest::bPanelsShown = false;

namespace {

// Colour slot of each frame shape, in the order of CDispStd::Shapes. The bottom-right oval is
// black on black and does not show.
constexpr int kShapeSlots[CDispStd::kFrameShapes] = {
    18,              // colTop
    20, 22,          // bendUpper, bendLower
    23, 16, 24, 16,  // colBlock1 to colBlock4
    21, 24,          // barUpper1, barLower1
    20, 23,          // barUpper2, barLower2
    20, 23,          // barUpper3, barLower3
    12, 17,          // barUpper4, barLower4
    19, 16, 12, 0,   // ovalTopLeft, ovalBottomLeft, ovalTopRight, ovalBottomRight
};

}  // namespace

CDispTest::CDispTest(CKalyx* app) : CDispStd(app) {
  id = kId;
  title = "TEST SCREEN";
  subUpper = new (std::nothrow) CSubNbrs(app);
}

CDispTest::~CDispTest() {
  delete subUpper;
  subUpper = nullptr;
  delete subLower;
  subLower = nullptr;
}

int CDispTest::Animate(int /*step*/) {
  return 0;
}

// Without a panel of its own by design, the screen skips the lower panel's set-up instead of
// logging a failure that is none.
int CDispTest::SetUp() {
  int result = CDispStd::SetUp();
  ColorFrame(kShapeSlots);
  if (SetUpUpperPanel(subUpper, "\nError setting up upper sub display") != 0) result = -1;
  return result;
}

int CDispTest::Paint(HWND hwnd, HDC hdc) {
  CDispStd::Paint(hwnd, hdc);
  if (!bPanelsShown) {
    bPanelsShown = true;
    if (subUpper && subUpper->hwnd) ShowWindow(subUpper->hwnd, SW_SHOW);
  }
  return 0;
}
