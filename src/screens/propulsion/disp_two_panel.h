// The set-up shared by the orbit and warp screens: the standard frame in one colouring with its
// colour cycles, the numbers panel above and the screen's own panel below.
//
// A screen derives from CDispTwoPanel, passes its own panel and the address of its class-wide
// "panels shown" flag to the constructor, and sets id and title:
//
//   bool CDispOrbt::bPanelsShown = false;
//   CDispOrbt::CDispOrbt(CKalyx* app)
//       : CDispTwoPanel(app, new (std::nothrow) CSubOrbit(app), &bPanelsShown) { id = 5; ... }
//
// SetUp, Animate and Paint then need no override:
// - SetUp lays out and colours the frame, adds the cycles of the current colour scheme and sets up
//   the upper, then the lower panel. A failing upper panel writes "\nError initializing upper sub
//   display"; a failing or missing lower panel, or one left unbuilt after the upper failed, writes
//   "\nError setting up lower sub display". Either makes the result -1.
// - Animate hands every step to the upper and then the lower panel and steps the colour cycles
//   on step 2 (the tick that completes a second).
// - Paint draws the title and frame and, on the first paint of any screen of the class in the
//   process, shows both panels' windows.
#pragma once

#include <windows.h>

#include "display/disp_std.h"
#include "display/sub_disp.h"
#include "display/sub_nbrs.h"

class CDispTwoPanel : public CDispStd {
 public:
  // lower is owned from here on (null when its creation failed); panelsShown is borrowed.
  CDispTwoPanel(CKalyx* app, CSubDisp* lower, bool* panelsShown);
  ~CDispTwoPanel() override;

  int SetUp() override;
  int Animate(int step) override;
  int Paint(HWND hwnd, HDC hdc) override;

  CSubNbrs* subUpper = nullptr;
  CSubDisp* subLower = nullptr;

 private:
  void AddColourCycles();

  bool* bPanelsShown;
};
