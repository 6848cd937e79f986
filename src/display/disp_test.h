// The test screen: the bare console frame in a fixed colouring, its title and one numbers panel,
// with no animation. The host shows it only while no other screen is enabled.
#pragma once

#include <windows.h>

#include "display/disp_std.h"
#include "display/sub_nbrs.h"

class CDispTest : public CDispStd {
 public:
  static constexpr int kId = 6;

  explicit CDispTest(CKalyx* app);
  ~CDispTest() override;

  // Nothing moves: the numbers panel keeps what its paints printed and no colour cycles.
  int Animate(int step) override;
  int SetUp() override;
  int Paint(HWND hwnd, HDC hdc) override;

  CSubNbrs* subUpper = nullptr;
  CSubDisp* subLower = nullptr;  // this screen has no panel of its own

  // Shared by every test screen of the process: the panel is shown explicitly only once.
  static bool bPanelsShown;
};
