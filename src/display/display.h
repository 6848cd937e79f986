// A screen of the saver: laid out from the main window's client size, painted on request and
// stepped by the host's timer (step 1 an ordinary tick, step 2 the tick completing a second).
#pragma once

#include <windows.h>

#include "framework/gui_obj.h"

class CKalyx;

class CDisplay : public BGuiObj {
 public:
  explicit CDisplay(CKalyx* app);
  ~CDisplay() override = default;

  virtual int Animate(int step);
  // Reads the main window's client size and the frame's spacing units.
  virtual int SetUp();
  virtual int Paint(HWND hwnd, HDC hdc);

  int id = 0;
  CKalyx* app;  // the same object as the GUI base's application, with its full type
  int width = 0;
  int height = 0;
  int unitX = 0;
  int unitY = 0;
};
