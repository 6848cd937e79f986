#include "screens/ship/ship_axes.h"

int ShipMirroredPoints(const CShipAxes& axes, std::span<const CShipFrac> half, POINT* out) {
  int n = 0;
  for (const CShipFrac& p : half) out[n++] = axes.At(p);
  for (int i = static_cast<int>(half.size()) - 2; i >= 1; --i) out[n++] = axes.Mirror(half[i]);
  return n;
}

void ShipPolygon(HDC hdc, const CShipAxes& axes, std::span<const CShipFrac> half) {
  POINT points[kShipMaxPoints];
  Polygon(hdc, points, ShipMirroredPoints(axes, half, points));
}

void ShipLine(HDC hdc, POINT from, POINT to) {
  MoveToEx(hdc, from.x, from.y, nullptr);
  LineTo(hdc, to.x, to.y);
}

void ShipLines(HDC hdc, const CShipAxes& axes, std::span<const CShipSeg> segs, bool mirrored) {
  for (const CShipSeg& seg : segs) {
    ShipLine(hdc, axes.At(seg.from), axes.At(seg.to));
    if (mirrored) ShipLine(hdc, axes.Mirror(seg.from), axes.Mirror(seg.to));
  }
}

void ShipDot(HDC hdc, POINT at, int radius) {
  Ellipse(hdc, at.x - radius, at.y - radius, at.x + radius, at.y + radius);
}
