// The numbers panel: once a second one more line of eight columns of random numbers, top to
// bottom; a full page clears itself and starts again at the top.
#pragma once

#include <windows.h>

#include "display/sub_disp.h"

class CSubNbrs : public CSubDisp {
 public:
  explicit CSubNbrs(CKalyx* app) : CSubDisp(app) {}

  // Standard screens write white (slot 1) on black (slot 0).
  int SetColors(CGfxClr* text, CGfxClr* back);
  int SetUp() override;
  // Every paint, from WM_PAINT or from Animate, adds exactly one line and redraws none.
  int Paint(HWND hwnd, HDC hdc) override;
  // Step 1 changes nothing; step 2 adds a line or, on a full page, clears the panel.
  int Animate(int step) override;

  TEXTMETRICA tm{};  // of the context's default font, measured at the first paint
  int count = 0;     // lines on the current page, minus one
  int lineY = 0;
  int rows = 0;
  CGfxClr* textClr = nullptr;
  CGfxClr* backClr = nullptr;

 private:
  void PrintLine(HDC hdc);
};
