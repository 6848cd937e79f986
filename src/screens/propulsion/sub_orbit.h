// The orbit panel: the upper right part of a large turning planet in its lower left corner, and
// fifteen bracket frames that circle towards the eye, growing as they come, and start again.
#pragma once

#include <windows.h>

#include "display/sub_disp.h"
#include "framework/llist.h"
#include "gfx/gfx_point3d.h"
#include "screens/propulsion/orbit_frame.h"
#include "screens/propulsion/orbit_sphere.h"

class CSubOrbit : public CSubDisp {
 public:
  static constexpr int kFrames = 15;

  explicit CSubOrbit(CKalyx* app) : CSubDisp(app) {}
  ~CSubOrbit() override;

  // Builds the planet and the frames from the window's client size: 0, -991 out of memory, or a
  // figure's error.
  int SetUp() override;
  // Every tick, whatever the step: one degree more for the planet and every frame, then a paint
  // straight into the window.
  int Animate(int step) override;
  // Composes off screen and copies with one BitBlt. Frames behind the eye go back 270 degrees.
  int Paint(HWND hwnd, HDC hdc) override;

  int width = 0;
  int height = 0;
  CPoint3d orbitCentre;
  CPoint3d eyePoint;  // shared by the frames
  int frameDepth = 0;
  CSphere* sphere = nullptr;
  CLList* frames = nullptr;  // owned CFrame entries
  CIterator* frameIter = nullptr;

 private:
  int BuildFrames();
  int DrawFrames(HDC hdc, bool nearSide);
};
