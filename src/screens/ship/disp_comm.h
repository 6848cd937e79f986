// The incoming message screen: two navy bars with rounded caps across the top and the bottom, the
// logo centred in the upper part and the user's message text below it, white on black. Nothing
// moves; every paint draws it whole and reads the message afresh.
#pragma once

#include <windows.h>

#include "display/display.h"

class CBmpW;
class CGfxShape;

class CDispComm : public CDisplay {
 public:
  static constexpr int kId = 3;
  static constexpr int kLogoResource = 52;
  // Top-left cap, top bar, top-right cap, then the same three at the bottom.
  static constexpr int kShapes = 6;

  explicit CDispComm(CKalyx* app);
  ~CDispComm() override;

  // Lays the screen out and loads the logo; 0, or the logo's load result.
  int SetUp() override;
  int Paint(HWND hwnd, HDC hdc) override;
  // -1 when there is nothing to draw (no DC, no application, no text), else 0.
  int DrawMessage(HWND hwnd, HDC hdc);

  CBmpW* bmpLogo = nullptr;
  RECT rcLogo{0, 0, 0, 0};
  RECT rcText{0, 0, 0, 0};
  CGfxShape* shapes[kShapes] = {};
};
