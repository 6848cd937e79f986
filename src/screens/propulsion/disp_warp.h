// "WARP PROPULSION SYSTEM STATUS": the two-panel console with the numbers panel above and the warp
// panel below.
#pragma once

#include <windows.h>

#include "screens/propulsion/disp_two_panel.h"

class CDispWarp : public CDispTwoPanel {
 public:
  static constexpr int kId = 4;

  explicit CDispWarp(CKalyx* app);

  // Shared by every warp screen of the process: the panels are shown explicitly only once.
  static bool bPanelsShown;
};
