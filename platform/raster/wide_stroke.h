// Pens wider than one pixel: a path stroked with round caps and joins, aliased, through Cairo.
#pragma once

#include <vector>

#include "raster/raster.h"

namespace kx {

// Coordinates are pixel centres in logical pixels: (2, 3) is the middle of pixel (2, 3).
struct PathOp {
  enum class Kind { Move, Line, Arc, Close };
  Kind kind;
  double x = 0, y = 0;      // Move, Line; the centre for Arc
  double rx = 0, ry = 0;    // Arc radii
  double from = 0, to = 0;  // Arc angles in radians, counter-clockwise on screen, y up
  bool operator==(const PathOp&) const = default;
};

class WidePath {
 public:
  void moveTo(double x, double y) { m_ops.push_back({PathOp::Kind::Move, x, y}); }
  void lineTo(double x, double y) { m_ops.push_back({PathOp::Kind::Line, x, y}); }
  // An elliptic arc from angle `from` counter-clockwise to `to` (to >= from).
  void arc(double cx, double cy, double rx, double ry, double from, double to) {
    m_ops.push_back({PathOp::Kind::Arc, cx, cy, rx, ry, from, to});
  }
  void close() { m_ops.push_back({PathOp::Kind::Close}); }
  const std::vector<PathOp>& ops() const { return m_ops; }

 private:
  std::vector<PathOp> m_ops;
};

// Paints every pixel whose centre lies within width / 2 of the path, in the stroke colour.
void strokeWide(Raster& raster, const WidePath& path, const Stroke& stroke);

}  // namespace kx
