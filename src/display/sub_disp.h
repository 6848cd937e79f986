// A panel of a standard screen: a borderless child window of the main window, of class
// "KXSubDisp", whose messages reach this object. WM_PAINT becomes Paint; the screen drives the
// panel with Animate on every timer tick.
#pragma once

#include <windows.h>

#include "framework/llist.h"
#include "framework/window.h"
#include "gfx/gfx_clr.h"

class CKalyx;

class CSubDisp : public BWindow {
 public:
  explicit CSubDisp(CKalyx* app);
  ~CSubDisp() override = default;

  LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
  // Every screen registers the class again on set-up; only the first registration succeeds, and
  // its black brush stays the class background for the whole run.
  virtual int RegisterClass();
  virtual int Create(int asMain, int show);
  // Must come before Create: a created panel does not move.
  virtual int SetRect(const RECT& rc);
  virtual int Animate(int step);
  virtual int SetUp();
  virtual int Paint(HWND hwnd, HDC hdc);

  CKalyx* app;  // the same object as the window base's application, with its full type
  CLList parts;
  RECT rect{0, 0, 0, 0};
  CGfxClr bkClr;
};
