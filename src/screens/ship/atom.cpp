#include "screens/ship/atom.h"

#include <cmath>
#include <numbers>

int CAtom::Place(POINT axisPoint, int atomRadius, int swing, int degrees) {
  axis = axisPoint;
  radius = atomRadius;
  amplitude = swing;
  angle = degrees;
  return 0;
}

int CAtom::Turn(int degrees) {
  angle += degrees;
  if (angle >= 360) angle -= 360;
  radians = angle * std::numbers::pi * (1.0 / 180.0);
  sine = std::sin(radians);
  cosine = std::cos(radians);
  centre.y = axis.y;
  centre.x = static_cast<LONG>(static_cast<long double>(axis.x) + amplitude * static_cast<long double>(sine));
  return 0;
}

int CAtom::DrawAtom(HDC hdc) const {
  Ellipse(hdc, centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius);
  return 0;
}
