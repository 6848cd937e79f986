// A bracket frame of the orbit screen: a 3-D sprite whose projected rectangle is marked by an
// opening bracket on the left and a closing one on the right.
#pragma once

#include <windows.h>

#include "gfx/gfx_sprt3d.h"
#include "screens/propulsion/orbit_brace.h"

class CKalyx;

class CFrame : public CGfxSprt3d {
 public:
  // eye is borrowed; all frames of a panel share it.
  CFrame(CKalyx* app, const CPoint3d* eye);

  // 1 and nothing drawn while the frame is behind the eye; the caller moves it on. The brackets
  // follow the projection on every draw.
  int Draw(HWND hwnd, HDC hdc) override;

  CKalyx* app;
  CBrace leftBrace;
  CBrace rightBrace;
};
