// Outlined and filled shapes on a Raster, with GDI's rules for which pixels a box covers.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "raster/raster.h"

namespace kx {

// A bounding box in logical pixels, right and bottom excluded.
struct Box {
  int64_t left, top, right, bottom;
  int64_t width() const { return right - left; }
  int64_t height() const { return bottom - top; }
};

// Which part of an ellipse a call draws, and how it is closed.
struct Sweep {
  enum class Close { Whole, Open, Radials, Chord };
  Close close = Close::Whole;
  POINT rayStart{};  // points on the rays from the centre, as Arc, Pie and Chord take them
  POINT rayEnd{};
};

void drawRectangle(Raster& raster, Box box, const Stroke& stroke, const Fill& fill);
// An ellipse is the round box whose corners are the whole box.
void drawRoundBox(Raster& raster, Box box, int64_t cornerWidth, int64_t cornerHeight, const Stroke& stroke,
                  const Fill& fill, const Sweep& sweep = {});
void drawPolygon(Raster& raster, const POINT* points, int count, bool winding, const Stroke& stroke,
                 const Fill& fill);
// Segments between the points; the last point itself is left out, as LineTo leaves it.
void drawPolyline(Raster& raster, const POINT* points, int count, const Stroke& stroke);

}  // namespace kx
