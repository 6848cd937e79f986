#include "screens/ship/disp_analysis.h"

#include <new>

#include "app/kalyx.h"

bool CDispAnalysis::bPanelsShown = false;

namespace {

// Colour slot of each frame shape, in the order of CDispStd::Shapes.
constexpr int kShapeSlots[CDispStd::kFrameShapes] = {
    13,              // colTop
    20, 12,          // bendUpper, bendLower
    12, 16, 20, 16,  // colBlock1 to colBlock4
    21, 12,          // barUpper1, barLower1
    21, 13,          // barUpper2, barLower2
    21, 13,          // barUpper3, barLower3
    21, 13,          // barUpper4, barLower4
    19, 16, 13, 12,  // ovalTopLeft, ovalBottomLeft, ovalTopRight, ovalBottomRight
};

}  // namespace

CDispAnalysis::CDispAnalysis(CKalyx* app) : CDispStd(app) {
  id = kId;
  title = "DEFLECTOR SHIELD STATUS";
  subUpper = new (std::nothrow) CSubNbrs(app);
  subLower = new (std::nothrow) CSubShields(app);
}

CDispAnalysis::~CDispAnalysis() {
  delete subUpper;
  subUpper = nullptr;
  delete subLower;
  subLower = nullptr;
}

int CDispAnalysis::Animate(int step) {
  if (subUpper) subUpper->Animate(step);
  if (subLower) subLower->Animate(step);
  StepAnimations(step);
  return 0;
}

int CDispAnalysis::SetUp() {
  int result = CDispStd::SetUp();
  ColorFrame(kShapeSlots);
  // A cycle that cannot be allocated is left out; the frame keeps its colour.
  AddCycle(&colBlock1, {{3, 20}, {2, 12}});
  AddCycle(&colBlock3, {{4, 16}, {3, 20}});
  AddCycle(&ovalBottomRight, {{5, 20}, {4, 0}});
  const int upper = SetUpUpperPanel(subUpper, "\nError setting up upper sub display");
  if (upper != 0) result = -1;
  if (SetUpLowerPanel(subLower, upper) != 0) result = -1;
  return result;
}

int CDispAnalysis::Paint(HWND hwnd, HDC hdc) {
  const int result = CDispStd::Paint(hwnd, hdc);
  if (!bPanelsShown) {
    bPanelsShown = true;
    if (subUpper && subUpper->hwnd) ShowWindow(subUpper->hwnd, SW_SHOW);
    if (subLower && subLower->hwnd) ShowWindow(subLower->hwnd, SW_SHOW);
  }
  return result;
}
