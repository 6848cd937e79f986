// The shield status screen: the standard frame titled "DEFLECTOR SHIELD STATUS", a numbers panel
// above and the shields panel below, with three frame blocks on slow colour cycles.
#pragma once

#include <windows.h>

#include "display/disp_std.h"
#include "display/sub_nbrs.h"
#include "screens/ship/sub_shields.h"

class CDispAnalysis : public CDispStd {
 public:
  static constexpr int kId = 1;

  explicit CDispAnalysis(CKalyx* app);
  ~CDispAnalysis() override;

  int Animate(int step) override;
  int SetUp() override;
  int Paint(HWND hwnd, HDC hdc) override;

  CSubNbrs* subUpper = nullptr;
  CSubShields* subLower = nullptr;

  // Shared by every shield status screen of the process: the panels are shown explicitly only on
  // the first paint of the first such screen.
  static bool bPanelsShown;
};
