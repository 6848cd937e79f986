// One atom of a helix: a disc that swings left and right about a point on the helix's axis as it
// turns. The cosine of its angle is its depth, +1 nearest the viewer and -1 farthest.
#pragma once

#include <windows.h>

class CKalyx;

class CAtom {
 public:
  explicit CAtom(CKalyx* app) : app(app) {}
  virtual ~CAtom() = default;
  CAtom(const CAtom&) = delete;
  CAtom& operator=(const CAtom&) = delete;

  // Stores the values as they are; the drawn centre follows at the next Turn. Always 0.
  int Place(POINT axisPoint, int atomRadius, int swing, int degrees);
  // Only one full turn is taken off, so an angle placed far above 359 comes down into 0..359
  // over several turns; sine and cosine are right throughout. Always 0.
  int Turn(int degrees);
  // A disc about the drawn centre with the context's current pen and brush.
  int DrawAtom(HDC hdc) const;

  double sine = 0.0;
  double cosine = 0.0;  // the depth
  CKalyx* app;          // borrowed
  POINT axis{0, 0};
  POINT centre{0, 0};
  int angle = 0;  // whole degrees
  int amplitude = 0;
  int radius = 0;
  double radians = 0.0;
};
