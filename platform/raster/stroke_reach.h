// Where a wide stroke's ink can lie: the stretches of mask rows within reach of its path.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "raster/wide_stroke.h"

namespace kx {

// Which stretches of the mask rows the stroke can reach: points kStep apart along the path mark
// the chunks of columns within reach in the rows within reach. A ring then costs a scan of the
// chunks along its outline, not of its whole box.
class ReachMap {
 public:
  static constexpr int kChunk = 32;   // columns
  static constexpr double kStep = 8;  // pixels along the path between marked points
  // Every point of the path lies within kStep / 2 of a marked one.
  ReachMap(int width, int height, double reach, double dx, double dy)
      : m_chunks((width + kChunk - 1) / kChunk),
        m_width(width),
        m_height(height),
        m_reach(reach + kStep / 2),
        m_dx(dx),
        m_dy(dy),
        m_marks(size_t(m_chunks) * size_t(height), 0),
        m_budget(int64_t(width) * height / 64 + 1024) {}

  void walk(const WidePath& path) {
    // A point that is not a number (the ray of a box one pixel wide) leaves Cairo's ink anywhere.
    for (const PathOp& op : path.ops()) {
      for (double value : {op.x, op.y, op.rx, op.ry, op.from, op.to}) {
        if (!std::isfinite(value)) {
          spend(INFINITY);
          return;
        }
      }
    }
    bool open = false;
    double startX = 0, startY = 0, atX = 0, atY = 0;
    auto lineTo = [&](double x, double y) {
      if (open) {
        segment(atX, atY, x, y);
      } else {
        startX = x;
        startY = y;
        mark(x, y);
      }
      open = true;
      atX = x;
      atY = y;
    };
    for (const PathOp& op : path.ops()) {
      if (m_budget < 0) return;
      switch (op.kind) {
        case PathOp::Kind::Move:
          open = false;
          lineTo(op.x, op.y);
          break;
        case PathOp::Kind::Line:
          lineTo(op.x, op.y);
          break;
        case PathOp::Kind::Close:
          if (open) lineTo(startX, startY);
          break;
        case PathOp::Kind::Arc: {
          if (op.rx <= 0 || op.ry <= 0) {
            lineTo(op.x, op.y);
            break;
          }
          // A radian of the curve is at most max(rx, ry) pixels long.
          const double wanted = std::ceil((op.to - op.from) * std::max(op.rx, op.ry) / kStep) + 1;
          if (!spend(wanted)) return;
          const int steps = int(wanted);
          const double x0 = op.x + op.rx * std::cos(op.from), y0 = op.y - op.ry * std::sin(op.from);
          lineTo(x0, y0);  // Cairo joins the current point to the arc's start with a line
          for (int i = 1; i <= steps; ++i) {
            const double a = i == steps ? op.to : op.from + (op.to - op.from) * i / steps;
            atX = op.x + op.rx * std::cos(a);
            atY = op.y - op.ry * std::sin(a);
            mark(atX, atY);
          }
          break;
        }
      }
    }
  }

  // Calls run(x0, x1) for each stretch of marked chunks in row y, in mask columns.
  template <class RunFn>
  void forEachStretch(int y, RunFn&& run) const {
    const unsigned char* row = m_marks.data() + size_t(y) * size_t(m_chunks);
    int c = 0;
    while (c < m_chunks) {
      while (c < m_chunks && !row[c]) ++c;
      const int first = c;
      while (c < m_chunks && row[c]) ++c;
      if (c > first) run(first * kChunk, std::min(c * kChunk, m_width));
    }
  }

 private:
  // Paths far longer than the mask is large (huge ellipses mostly outside it) would take longer to
  // walk than the mask takes to scan: then every chunk is marked.
  bool spend(double steps) {
    if (m_budget >= 0 && steps < double(m_budget)) {
      m_budget -= int64_t(steps);
      return true;
    }
    m_budget = -1;
    std::fill(m_marks.begin(), m_marks.end(), 1);
    return false;
  }

  void segment(double x0, double y0, double x1, double y1) {
    const double wanted = std::ceil(std::hypot(x1 - x0, y1 - y0) / kStep);
    if (!spend(wanted)) return;
    const int steps = std::max(int(wanted), 1);
    for (int i = 1; i <= steps; ++i) mark(x0 + (x1 - x0) * i / steps, y0 + (y1 - y0) * i / steps);
  }

  // Marks the chunks within reach of a path point given in logical pixel centres.
  void mark(double x, double y) {
    const double mx = x + m_dx, my = y + m_dy;
    const double top = std::max(std::floor(my - m_reach), 0.0),
                 bottom = std::min(std::ceil(my + m_reach), double(m_height - 1));
    const double left = std::max(std::floor(mx - m_reach), 0.0),
                 right = std::min(std::ceil(mx + m_reach), double(m_width - 1));
    if (top > bottom || left > right) return;
    const int c0 = int(left) / kChunk, c1 = int(right) / kChunk;
    for (int y = int(top); y <= int(bottom); ++y) {
      unsigned char* row = m_marks.data() + size_t(y) * size_t(m_chunks);
      for (int c = c0; c <= c1; ++c) row[c] = 1;
    }
  }

  int m_chunks, m_width, m_height;
  double m_reach, m_dx, m_dy;
  std::vector<unsigned char> m_marks;
  int64_t m_budget;  // steps left to walk; negative once every chunk is marked
};

}  // namespace kx
