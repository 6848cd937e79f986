// The grid lines of the wire-frame planet, each an elliptic arc computed when the line is placed
// or turned, so drawing is a single Arc call.
#pragma once

#include <windows.h>

#include "gfx/gfx_sprt3d.h"

class CKalyx;
class CSphere;

class CGridSphr : public CGfxSprt3d {
 public:
  CGridSphr(CKalyx* app, CSphere* sphere) : CGfxSprt3d(nullptr), app(app), sphere(sphere) {}

  // Arc over rect from arcStart to arcEnd, counter-clockwise, while visible.
  void DrawArc(HDC hdc) const;

  double sinAngle = 0;
  double cosAngle = 0;
  CKalyx* app;
  CSphere* sphere;  // the owner
  int halfWidth = 0;
  POINT arcStart{0, 0};
  POINT arcEnd{0, 0};
  int visible = 1;
};

// A meridian: half an ellipse through both poles, squeezed by the cosine of its angle. It faces
// the viewer while the sine is positive, entering at the right limb at 0 degrees and leaving at
// the left one at 180.
class CGridSphrV : public CGridSphr {
 public:
  using CGridSphr::CGridSphr;

  int SetAngle(int degrees);
  // The angle stays within 0..359 whatever the turn.
  int Turn(int delta);

  int angle = 0;
  double angleRad = 0;
};

// A parallel: the near side of a ring, seen from slightly above.
class CGridSphrH : public CGridSphr {
 public:
  using CGridSphr::CGridSphr;

  // dy from the centre, negative above it; -1 when the ring lies outside the sphere.
  int SetOffset(int dy);
  // The parallels never tilt; kept so that a sphere can pass a tilt on.
  int Tilt(int delta);
};
