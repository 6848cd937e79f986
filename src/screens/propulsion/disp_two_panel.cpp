#include "screens/propulsion/disp_two_panel.h"

#include <new>

#include "app/kalyx.h"
#include "gfx/gfx_dc.h"

namespace {

// Colour slot of each frame shape, in the order of CDispStd::Shapes. The bottom-right oval starts
// black on black and shows only while its cycle lights it.
constexpr int kShapeSlots[CDispStd::kFrameShapes] = {
    27,              // colTop
    26, 22,          // bendUpper, bendLower
    23, 16, 24, 16,  // colBlock1 to colBlock4
    27, 24,          // barUpper1, barLower1
    26, 23,          // barUpper2, barLower2
    26, 23,          // barUpper3, barLower3
    12, 17,          // barUpper4, barLower4
    27, 16, 12, 0,   // ovalTopLeft, ovalBottomLeft, ovalTopRight, ovalBottomRight
};

}  // namespace

CDispTwoPanel::CDispTwoPanel(CKalyx* app, CSubDisp* lower, bool* panelsShown)
    : CDispStd(app), subLower(lower), bPanelsShown(panelsShown) {
  subUpper = new (std::nothrow) CSubNbrs(app);
}

CDispTwoPanel::~CDispTwoPanel() {
  delete subUpper;
  subUpper = nullptr;
  delete subLower;
  subLower = nullptr;
}

int CDispTwoPanel::SetUp() {
  int result = CDispStd::SetUp();
  ColorFrame(kShapeSlots);
  AddColourCycles();
  const int upper = SetUpUpperPanel(subUpper, "\nError initializing upper sub display");
  if (upper != 0) result = -1;
  if (SetUpLowerPanel(subLower, upper) != 0) result = -1;
  return result;
}

// Outside the high-colour scheme only the middle block and the last oval cycle.
void CDispTwoPanel::AddColourCycles() {
  if (app->ClrCd == CKalyx::kHighColor) {
    AddCycle(&colTop, {{2, 14}, {1, 27}});
    AddCycle(&colBlock3, {{3, 16}, {2, 24}, {1, 23}});
    AddCycle(&colBlock4, {{1, 23}, {4, 24}, {2, 16}});
  } else {
    AddCycle(&colBlock3, {{3, 24}, {2, 9}});
  }
  AddCycle(&ovalBottomRight, {{3, 0}, {5, 16}});
}

int CDispTwoPanel::Animate(int step) {
  if (subUpper) subUpper->Animate(step);
  if (subLower) subLower->Animate(step);
  StepAnimations(step);
  return 0;
}

int CDispTwoPanel::Paint(HWND hwnd, HDC hdc) {
  CGfxDc dc(hwnd, hdc);
  const int result = CDispStd::Paint(hwnd, dc);
  if (bPanelsShown && !*bPanelsShown) {
    *bPanelsShown = true;
    if (subUpper && subUpper->hwnd) ShowWindow(subUpper->hwnd, SW_SHOW);
    if (subLower && subLower->hwnd) ShowWindow(subLower->hwnd, SW_SHOW);
  }
  return result;
}
