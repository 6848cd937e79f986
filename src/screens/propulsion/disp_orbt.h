// "STANDARD ORBIT": the standard frame with the numbers panel above and the orbit panel below.
#pragma once

#include "screens/propulsion/disp_two_panel.h"

class CDispOrbt : public CDispTwoPanel {
 public:
  static constexpr int kId = 5;

  explicit CDispOrbt(CKalyx* app);

  // Shared by every orbit screen of the process: the panels are shown explicitly only once.
  static bool bPanelsShown;
};
