#include "raster/shape_raster.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <type_traits>

#include "raster/wide_stroke.h"

namespace kx {

namespace {

// std::floor and std::ceil for pixel coordinates, without a library call in the row loop.
int64_t floorToInt(double v) {
  const auto t = int64_t(v);
  return double(t) > v ? t - 1 : t;
}
int64_t ceilToInt(double v) {
  const auto t = int64_t(v);
  return double(t) < v ? t + 1 : t;
}

// Row extents of a box with elliptic corners: in each row, the pixels whose centres lie inside
// the outline that passes along the box's outer pixel edges.
class RoundBox {
 public:
  RoundBox(Box box, int64_t cornerWidth, int64_t cornerHeight) : m_box(box) {
    const double cw = double(std::clamp<int64_t>(cornerWidth, 0, box.width()));
    const double ch = double(std::clamp<int64_t>(cornerHeight, 0, box.height()));
    m_round = cw > 0 && ch > 0;
    m_radiusX = cw / 2;
    m_radiusY = ch / 2;
    m_leftCentre = double(box.left) + (cw - 1) / 2;
    m_rightCentre = double(box.right - 1) - (cw - 1) / 2;
    m_topCentre = double(box.top) + (ch - 1) / 2;
    m_bottomCentre = double(box.bottom - 1) - (ch - 1) / 2;
  }

  // Inclusive pixel extent of row y, which must lie within the box.
  void row(int64_t y, int64_t& xl, int64_t& xr) const {
    xl = m_box.left;
    xr = m_box.right - 1;
    if (!m_round) return;
    const double yc = double(y);
    const double dy = yc < m_topCentre ? m_topCentre - yc : (yc > m_bottomCentre ? yc - m_bottomCentre : 0);
    const double t = dy / m_radiusY;
    const double dx = m_radiusX * std::sqrt(std::max(0.0, 1 - t * t));
    xl = std::max(xl, ceilToInt(m_leftCentre - dx));
    xr = std::min(xr, floorToInt(m_rightCentre + dx));
    if (xl > xr) xl = xr = int64_t(std::floor((m_leftCentre + m_rightCentre) / 2));
  }

  // Narrows [yLo, yHi] towards the rows whose extent can meet columns colLo..colHi. The window
  // is generous by a pixel and two rows, never short: the rows it drops paint nothing there.
  void narrowToColumns(int64_t colLo, int64_t colHi, int64_t& yLo, int64_t& yHi) const {
    if (colLo > colHi || colHi < m_box.left || colLo >= m_box.right) {
      yHi = yLo - 1;
      return;
    }
    if (!m_round) return;
    // How far a row must reach beyond its corner's centre to meet the columns.
    const double need = std::max(double(colLo) - m_rightCentre, m_leftCentre - double(colHi)) - 1;
    if (need <= 0) return;
    if (need > m_radiusX) {
      yHi = yLo - 1;
      return;
    }
    const double q = need / m_radiusX;
    const double reach = m_radiusY * std::sqrt(std::max(0.0, 1 - q * q)) + 2;
    yLo = std::max(yLo, floorToInt(m_topCentre - reach));
    yHi = std::min(yHi, ceilToInt(m_bottomCentre + reach));
  }

 private:
  Box m_box;
  bool m_round = false;
  double m_radiusX = 0, m_radiusY = 0;
  double m_leftCentre = 0, m_rightCentre = 0, m_topCentre = 0, m_bottomCentre = 0;
};

// Which pixels lie in the counter-clockwise sweep from one ray to another, as seen on screen.
class SweepTest {
 public:
  SweepTest(const Sweep& sweep, int64_t cx, int64_t cy, double scaleX, double scaleY) : m_cx(cx), m_cy(cy) {
    m_all = sweep.close == Sweep::Close::Whole;
    // Rays are compared in the ellipse's own circle space (y up), where angles are fair.
    m_sx = scaleX > 0 ? 1 / scaleX : 1;
    m_sy = scaleY > 0 ? 1 / scaleY : 1;
    ray(sweep.rayStart, m_startU, m_startV);
    ray(sweep.rayEnd, m_endU, m_endV);
    const double cross = m_startU * m_endV - m_startV * m_endU;
    const double dot = m_startU * m_endU + m_startV * m_endV;
    if (cross == 0 && dot > 0) m_all = true;  // coinciding rays draw the whole ellipse
    m_narrow = cross > 0;
  }

  bool all() const { return m_all; }
  // A sweep of less than half a turn whose rays both leave upwards (or both downwards) reaches
  // only the rows above (below) the centre and the centre's own: 1 above, -1 below, 0 either.
  int side() const {
    if (m_all) return 0;
    if (m_narrow && m_startV >= 0 && m_endV >= 0) return 1;
    if (m_narrow && m_startV <= 0 && m_endV <= 0) return -1;
    // Opposite rays along the row through the centre: the half above or the half below.
    if (m_startV == 0 && m_endV == 0 && m_startU * m_endU < 0) return m_startU > 0 ? 1 : -1;
    return 0;
  }
  // The same for columns: 1 the right of the centre and its own column, -1 the left.
  int columnSide() const {
    if (m_all) return 0;
    if (m_narrow && m_startU >= 0 && m_endU >= 0) return 1;
    if (m_narrow && m_startU <= 0 && m_endU <= 0) return -1;
    // Opposite rays along the centre column: counter-clockwise from down to up is the right half.
    if (halfByColumns()) return m_startV < 0 ? 1 : -1;
    return 0;
  }
  // Whether the sweep is exactly the columns on one side of the centre's (its own included), so
  // that within them every pixel passes.
  bool halfByColumns() const { return !m_all && m_startU == 0 && m_endU == 0 && m_startV * m_endV < 0; }
  bool operator()(int64_t x, int64_t y) const { return contains(x, y); }
  bool contains(int64_t x, int64_t y) const {
    if (m_all) return true;
    const bool start = afterStart(x, y), end = beforeEnd(x, y);
    return m_narrow ? (start && end) : (start || end);
  }
  // Calls run(from, to) (to excluded) for the pixels x0..x1 of row y that pass, left to right.
  // Each ray's test changes its answer at most once along a row, so the runs come from a few
  // bisections rather than a test a pixel.
  template <class RunFn>
  void forEachRun(int64_t y, int64_t x0, int64_t x1, RunFn&& run) const {
    if (x0 > x1) return;
    if (m_all) {
      run(x0, x1 + 1);
      return;
    }
    const Range a = passing(x0, x1, [&](int64_t x) { return afterStart(x, y); });
    const Range b = passing(x0, x1, [&](int64_t x) { return beforeEnd(x, y); });
    if (m_narrow) {
      const Range both{std::max(a.lo, b.lo), std::min(a.hi, b.hi)};
      if (both.lo <= both.hi) run(both.lo, both.hi + 1);
      return;
    }
    const bool hasA = a.lo <= a.hi, hasB = b.lo <= b.hi;
    if (hasA && hasB && std::max(a.lo, b.lo) <= std::min(a.hi, b.hi) + 1) {
      run(std::min(a.lo, b.lo), std::max(a.hi, b.hi) + 1);
      return;
    }
    const Range& left = !hasB || (hasA && a.lo < b.lo) ? a : b;
    const Range& right = &left == &a ? b : a;
    if (left.lo <= left.hi) run(left.lo, left.hi + 1);
    if (right.lo <= right.hi) run(right.lo, right.hi + 1);
  }
  double startAngle() const { return std::atan2(m_startV, m_startU); }
  double endAngle() const { return std::atan2(m_endV, m_endU); }

 private:
  struct Range {
    int64_t lo, hi;  // inclusive; empty when lo > hi
  };

  bool afterStart(int64_t x, int64_t y) const {
    const double u = double(x - m_cx) * m_sx, v = double(m_cy - y) * m_sy;
    return m_startU * v - m_startV * u >= 0;
  }
  bool beforeEnd(int64_t x, int64_t y) const {
    const double u = double(x - m_cx) * m_sx, v = double(m_cy - y) * m_sy;
    return u * m_endV - v * m_endU >= 0;
  }

  // The pixels of x0..x1 where `pass` holds, for a test whose answer changes at most once.
  template <class Pass>
  static Range passing(int64_t x0, int64_t x1, Pass&& pass) {
    const bool first = pass(x0), last = pass(x1);
    if (first == last) return first ? Range{x0, x1} : Range{x1 + 1, x1};
    int64_t lo = x0, hi = x1;  // pass(lo) == first, pass(hi) == last
    while (hi - lo > 1) {
      const int64_t mid = lo + (hi - lo) / 2;
      (pass(mid) == first ? lo : hi) = mid;
    }
    return first ? Range{x0, lo} : Range{hi, x1};
  }

  void ray(POINT p, double& u, double& v) const {
    u = double(p.x - m_cx) * m_sx;
    v = double(m_cy - p.y) * m_sy;
    if (u == 0 && v == 0) u = 1;
  }

  int64_t m_cx, m_cy;
  double m_sx = 1, m_sy = 1;
  double m_startU = 1, m_startV = 0, m_endU = 1, m_endV = 0;
  bool m_all = false, m_narrow = false;
};

Box normalized(Box box) {
  if (box.left > box.right) std::swap(box.left, box.right);
  if (box.top > box.bottom) std::swap(box.top, box.bottom);
  return box;
}

// PS_INSIDEFRAME keeps a wide stroke inside the box by shrinking the path first.
Box strokePathBox(Box box, const Stroke& stroke) {
  if (stroke.kind != Stroke::Kind::Wide || !stroke.insideFrame) return box;
  const int64_t w = stroke.width;
  Box inner{box.left + w / 2, box.top + w / 2, box.right - (w - 1) / 2, box.bottom - (w - 1) / 2};
  if (inner.left >= inner.right) inner.left = inner.right = (box.left + box.right) / 2;
  if (inner.top >= inner.bottom) inner.top = inner.bottom = (box.top + box.bottom) / 2;
  return inner;
}

constexpr int64_t kBisectFrom = 4;  // pixels in a row less one

// The columns a shape can paint, inclusive: the clip's, or fewer where the sweep rules some out.
struct Columns {
  int64_t lo, hi;
};

// Paints the pixels x0..x1 (inclusive) of row y within the columns that pass the sweep test; with
// whole, every one passes and the row is one span instead of a test per pixel.
template <class Test>
void spanWhere(Raster& raster, int64_t y, int64_t x0, int64_t x1, Columns columns, const Fill& fill,
               bool whole, Test&& test) {
  x0 = std::max(x0, columns.lo);
  x1 = std::min(x1, columns.hi);
  if (whole) {
    if (x0 <= x1) raster.fillSpan(y, x0, x1 + 1, fill);
    return;
  }
  if constexpr (std::is_same_v<std::decay_t<Test>, SweepTest>) {
    // A few pixels are quicker to test one by one than to bisect.
    if (x1 - x0 >= kBisectFrom) {
      test.forEachRun(y, x0, x1, [&](int64_t from, int64_t to) { raster.fillSpan(y, from, to, fill); });
      return;
    }
  }
  int64_t x = x0;
  while (x <= x1) {
    while (x <= x1 && !test(x, y)) ++x;
    const int64_t start = x;
    while (x <= x1 && test(x, y)) ++x;
    if (x > start) raster.fillSpan(y, start, x, fill);
  }
}

struct EllipseFrame {
  double cx, cy, rx, ry;  // the curve through the box's outer pixel centres
};

EllipseFrame frameOf(Box box) {
  return {double(box.left + box.right - 1) / 2, double(box.top + box.bottom - 1) / 2,
          double(box.width() - 1) / 2, double(box.height() - 1) / 2};
}

// Where the ray from the centre through p meets the curve.
void rayPoint(const EllipseFrame& e, int64_t cx, int64_t cy, POINT p, double& x, double& y) {
  double dx = double(p.x - cx), dy = double(p.y - cy);
  if (dx == 0 && dy == 0) dx = 1;
  const double nx = e.rx > 0 ? dx / e.rx : 0, ny = e.ry > 0 ? dy / e.ry : 0;
  const double k = 1 / std::sqrt(nx * nx + ny * ny);
  x = e.cx + k * dx * (e.rx > 0 ? 1 : 0);
  y = e.cy + k * dy * (e.ry > 0 ? 1 : 0);
}

void wideRoundBoxPath(WidePath& path, Box box, int64_t cw, int64_t ch, const Sweep& sweep,
                      const SweepTest& test, int64_t cx, int64_t cy) {
  const EllipseFrame e = frameOf(box);
  const double l = double(box.left), t = double(box.top), r = double(box.right - 1),
               b = double(box.bottom - 1);
  if (sweep.close == Sweep::Close::Whole) {
    const double rx = std::clamp<double>(double(cw - 1) / 2, 0, e.rx),
                 ry = std::clamp<double>(double(ch - 1) / 2, 0, e.ry);
    const double pi = std::numbers::pi;
    path.arc(r - rx, t + ry, rx, ry, 0, pi / 2);
    path.arc(l + rx, t + ry, rx, ry, pi / 2, pi);
    path.arc(l + rx, b - ry, rx, ry, pi, 3 * pi / 2);
    path.arc(r - rx, b - ry, rx, ry, 3 * pi / 2, 2 * pi);
    path.close();
    return;
  }
  double from = test.startAngle(), to = test.endAngle();
  if (to <= from) to += 2 * std::numbers::pi;
  if (test.all()) to = from + 2 * std::numbers::pi;
  double sx = 0, sy = 0;
  rayPoint(e, cx, cy, sweep.rayStart, sx, sy);
  if (sweep.close == Sweep::Close::Radials) {
    path.moveTo(double(cx), double(cy));
    path.lineTo(sx, sy);
  } else {
    path.moveTo(sx, sy);
  }
  path.arc(e.cx, e.cy, e.rx, e.ry, from, to);
  if (sweep.close != Sweep::Close::Open) path.close();
}

// An open arc's pixels lie on its side of the centre: the rows and columns beyond it are skipped.
void narrowToSweep(const SweepTest& test, int64_t cx, int64_t cy, Columns& columns, int64_t& y0,
                   int64_t& y1) {
  if (test.side() > 0) y1 = std::min(y1, cy + 1);
  if (test.side() < 0) y0 = std::max(y0, cy);
  if (test.columnSide() > 0) columns.lo = std::max(columns.lo, cx);
  if (test.columnSide() < 0) columns.hi = std::min(columns.hi, cx);
}

// Without a pen GDI fills the polygon through the outline's pixels, right and bottom edges out, so
// the fill loses the right column and the bottom row of the outlined shape: a pixel is filled when
// it and its right, lower and lower-right neighbours all belong to what a one-pixel pen would paint.
void fillPenless(Raster& raster, Box box, int64_t cornerWidth, int64_t cornerHeight, const Fill& fill,
                 const Sweep& sweep) {
  const int64_t left = std::max(box.left, raster.clipLeft()), top = std::max(box.top, raster.clipTop());
  const int64_t right = std::min(box.right, raster.clipRight() + 1),
                bottom = std::min(box.bottom, raster.clipBottom() + 1);
  if (left >= right || top >= bottom) return;
  const int w = int(right - left), h = int(bottom - top);
  std::vector<uint32_t> mask(size_t(w) * size_t(h), 0);
  Raster outlined(PixelSurface{mask.data(), w, h, w}, RECT{0, 0, w, h}, POINT{LONG(-left), LONG(-top)});
  drawRoundBox(outlined, box, cornerWidth, cornerHeight, Stroke{.kind = Stroke::Kind::Thin, .color = 1},
               Fill{.kind = Fill::Kind::Solid, .color = 1}, sweep);
  auto square = [&](int x, int y) {
    const uint32_t* row = mask.data() + size_t(y) * size_t(w) + size_t(x);
    return row[0] && row[1] && row[w] && row[w + 1];
  };
  for (int y = 0; y + 1 < h; ++y) {
    int x = 0;
    while (x + 1 < w) {
      while (x + 1 < w && !square(x, y)) ++x;
      const int start = x;
      while (x + 1 < w && square(x, y)) ++x;
      if (x > start) raster.fillSpan(top + y, left + start, left + x, fill);
    }
  }
}

}  // namespace

void drawRectangle(Raster& raster, Box box, const Stroke& stroke, const Fill& fill) {
  box = normalized(box);
  if (box.width() == 0 || box.height() == 0) return;
  if (stroke.kind == Stroke::Kind::None) {
    // Without a pen the fill loses the right column and the bottom row.
    raster.fillRect(box.left, box.top, box.right - 1, box.bottom - 1, fill);
    return;
  }
  const Box path = strokePathBox(box, stroke);
  const Fill pen{Fill::Kind::Solid, stroke.color};
  if (stroke.kind == Stroke::Kind::Thin) {
    raster.fillRect(box.left + 1, box.top + 1, box.right - 1, box.bottom - 1, fill);
    raster.fillRect(box.left, box.top, box.right, box.top + 1, pen);
    raster.fillRect(box.left, box.bottom - 1, box.right, box.bottom, pen);
    raster.fillRect(box.left, box.top, box.left + 1, box.bottom, pen);
    raster.fillRect(box.right - 1, box.top, box.right, box.bottom, pen);
    return;
  }
  raster.fillRect(path.left, path.top, path.right - 1, path.bottom - 1, fill);
  WidePath outline;
  const double l = double(path.left), t = double(path.top), r = double(path.right - 1),
               b = double(path.bottom - 1);
  outline.moveTo(l, t);
  outline.lineTo(r, t);
  outline.lineTo(r, b);
  outline.lineTo(l, b);
  outline.close();
  strokeWide(raster, outline, stroke);
}

void drawRoundBox(Raster& raster, Box box, int64_t cornerWidth, int64_t cornerHeight, const Stroke& stroke,
                  const Fill& fill, const Sweep& sweep) {
  box = normalized(box);
  if (box.width() == 0 || box.height() == 0) return;
  const bool whole = sweep.close == Sweep::Close::Whole;
  // Boxes or corners of two pixels or less have nothing to round.
  if (whole && (box.width() <= 2 || box.height() <= 2 || cornerWidth <= 2 || cornerHeight <= 2)) {
    drawRectangle(raster, box, stroke, fill);
    return;
  }
  if (stroke.kind == Stroke::Kind::None) {
    if (sweep.close != Sweep::Close::Open && fill.kind != Fill::Kind::None)
      fillPenless(raster, box, cornerWidth, cornerHeight, fill, sweep);
    return;
  }
  const Box pathBox = strokePathBox(box, stroke);
  const int64_t cx = box.left + box.width() / 2, cy = box.top + box.height() / 2;
  const EllipseFrame frame = frameOf(pathBox);
  const SweepTest test(sweep, cx, cy, frame.rx + 0.5, frame.ry + 0.5);
  if (sweep.close == Sweep::Close::Open && test.all()) {
    // An arc whose two rays coincide is the complete outline that Ellipse draws, joints and all.
    drawRoundBox(raster, box, box.width(), box.height(), stroke, Fill{});
    return;
  }
  const RoundBox shape(pathBox, cornerWidth, cornerHeight);
  const bool thin = stroke.kind == Stroke::Kind::Thin;
  const bool filled = sweep.close == Sweep::Close::Whole || sweep.close == Sweep::Close::Radials ||
                      sweep.close == Sweep::Close::Chord;
  const Fill pen{Fill::Kind::Solid, stroke.color};

  // The chord's closing line, for its fill side test.
  double sx = 0, sy = 0, ex = 0, ey = 0;
  rayPoint(frame, cx, cy, sweep.rayStart, sx, sy);
  rayPoint(frame, cx, cy, sweep.rayEnd, ex, ey);
  auto inside = [&](int64_t x, int64_t y) {
    if (!test.all()) {
      // The arc runs counter-clockwise from start to end, so its side is right of start -> end (y up).
      return (ex - sx) * (sy - double(y)) - (sy - ey) * (double(x) - sx) <= 0;
    }
    return test.contains(x, y);
  };

  Columns columns{raster.clipLeft(), raster.clipRight() - 1};
  int64_t y0 = std::max(pathBox.top, raster.clipTop()), y1 = std::min(pathBox.bottom, raster.clipBottom());
  if (!thin && !(filled && fill.kind != Fill::Kind::None)) y1 = y0;  // a wide pen's open arc is all stroke
  if (!filled) narrowToSweep(test, cx, cy, columns, y0, y1);
  // A meridian's half, once its columns are narrowed to that half, needs no test a pixel.
  const bool wholeOutline = test.all() || (!filled && test.halfByColumns());
  int64_t lastWalked = y1 - 1;
  shape.narrowToColumns(columns.lo, columns.hi, y0, lastWalked);
  y1 = std::min(y1, lastWalked + 1);
  const int64_t lastRow = pathBox.bottom - 1;
  // The extents of the rows walked and their neighbours, all at once: no row depends on another,
  // so their divisions and square roots overlap instead of waiting on each other.
  const int64_t firstExtent = std::max(pathBox.top, y0 - 1), lastExtent = std::min(lastRow, y1);
  std::vector<int64_t> extents(y0 < y1 ? size_t(2 * (lastExtent - firstExtent + 1)) : 0);
  for (size_t i = 0; i < extents.size(); i += 2)
    shape.row(firstExtent + int64_t(i / 2), extents[i], extents[i + 1]);
  auto extentOf = [&](int64_t y, int64_t& xl, int64_t& xr) {
    xl = extents[size_t(2 * (y - firstExtent))];
    xr = extents[size_t(2 * (y - firstExtent)) + 1];
  };
  int64_t prevL = 0, prevR = 0, curL = 0, curR = 0, nextL = 0, nextR = 0;
  if (y0 < y1) {
    if (y0 > pathBox.top) extentOf(y0 - 1, prevL, prevR);
    extentOf(y0, curL, curR);
  }
  for (int64_t y = y0; y < y1; ++y) {
    if (y < lastRow) extentOf(y + 1, nextL, nextR);
    int64_t outlineLeftEnd = curR, outlineRightStart = curL;  // whole row is outline at the ends
    if (y > pathBox.top && y < lastRow) {
      outlineLeftEnd = std::max(curL, std::max(prevL, nextL) - 1);
      outlineRightStart = std::min(curR, std::min(prevR, nextR) + 1);
    }
    if (filled && fill.kind != Fill::Kind::None) {
      const int64_t from = thin ? outlineLeftEnd + 1 : curL, to = thin ? outlineRightStart - 1 : curR;
      if (sweep.close == Sweep::Close::Chord)
        spanWhere(raster, y, from, to, columns, fill, test.all(), inside);
      else if (from <= to)
        spanWhere(raster, y, from, to, columns, fill, test.all(), test);
    }
    if (thin) {
      spanWhere(raster, y, curL, std::min(outlineLeftEnd, curR), columns, pen, wholeOutline, test);
      spanWhere(raster, y, std::max(outlineRightStart, std::max(outlineLeftEnd + 1, curL)), curR, columns,
                pen, wholeOutline, test);
    }
    prevL = curL;
    prevR = curR;
    curL = nextL;
    curR = nextR;
  }

  if (stroke.kind == Stroke::Kind::Wide) {
    WidePath path;
    wideRoundBoxPath(path, pathBox, whole ? cornerWidth : pathBox.width(),
                     whole ? cornerHeight : pathBox.height(), sweep, test, cx, cy);
    strokeWide(raster, path, stroke);
    return;
  }
  if (!thin || test.all()) return;
  const int64_t startX = std::llround(sx), startY = std::llround(sy), endX = std::llround(ex),
                endY = std::llround(ey);
  if (sweep.close == Sweep::Close::Radials) {
    raster.thinLine(cx, cy, startX, startY, stroke.color, true);
    raster.thinLine(cx, cy, endX, endY, stroke.color, true);
  } else if (sweep.close == Sweep::Close::Chord) {
    raster.thinLine(startX, startY, endX, endY, stroke.color, true);
  }
}

namespace {

struct Edge {
  int64_t yTop, yBottom;  // rows whose centres the edge crosses: yTop <= y < yBottom
  double x0, y0, slope;   // x at y = y0 + ...
  int direction;
};

}  // namespace

void drawPolygon(Raster& raster, const POINT* points, int count, bool winding, const Stroke& stroke,
                 const Fill& fill) {
  if (!points || count < 2) return;
  if (fill.kind != Fill::Kind::None && count >= 3) {
    std::vector<Edge> edges;
    edges.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
      POINT a = points[i], b = points[(i + 1) % count];
      if (a.y == b.y) continue;
      const int direction = a.y < b.y ? 1 : -1;
      if (a.y > b.y) std::swap(a, b);
      // Pixel rows are sampled at their centres, so the top edge is in and the bottom edge out.
      Edge edge{int64_t(a.y),
                int64_t(b.y),
                double(a.x),
                double(a.y),
                double(int64_t(b.x) - a.x) / double(int64_t(b.y) - a.y),
                direction};
      edges.push_back(edge);
    }
    std::sort(edges.begin(), edges.end(), [](const Edge& l, const Edge& r) { return l.yTop < r.yTop; });
    const int64_t y0 = raster.clipTop(), y1 = raster.clipBottom();
    std::vector<const Edge*> active;
    std::vector<std::pair<double, int>> crossings;
    size_t next = 0;
    for (int64_t y = y0; y < y1; ++y) {
      while (next < edges.size() && edges[next].yTop <= y) active.push_back(&edges[next++]);
      std::erase_if(active, [y](const Edge* e) { return e->yBottom <= y; });
      if (active.empty()) {
        if (next >= edges.size()) break;
        continue;
      }
      crossings.clear();
      const double yc = double(y) + 0.5;
      for (const Edge* e : active) {
        if (yc < e->y0) continue;
        crossings.emplace_back(e->x0 + (yc - e->y0) * e->slope, e->direction);
      }
      std::sort(crossings.begin(), crossings.end());
      int wind = 0;
      for (size_t i = 0; i + 1 < crossings.size(); ++i) {
        wind += winding ? crossings[i].second : 1;
        const bool in = winding ? wind != 0 : (wind & 1);
        if (!in) continue;
        const int64_t xa = int64_t(std::ceil(crossings[i].first - 0.5));
        const int64_t xb = int64_t(std::ceil(crossings[i + 1].first - 0.5));
        raster.fillSpan(y, xa, xb, fill);
      }
    }
  }
  if (stroke.kind == Stroke::Kind::Thin) {
    for (int i = 0; i < count; ++i) {
      const POINT a = points[i], b = points[(i + 1) % count];
      raster.thinLine(a.x, a.y, b.x, b.y, stroke.color, count == 1);
    }
  } else if (stroke.kind == Stroke::Kind::Wide) {
    WidePath path;
    path.moveTo(points[0].x, points[0].y);
    for (int i = 1; i < count; ++i) path.lineTo(points[i].x, points[i].y);
    path.close();
    strokeWide(raster, path, stroke);
  }
}

void drawPolyline(Raster& raster, const POINT* points, int count, const Stroke& stroke) {
  if (!points || count < 2) return;
  if (stroke.kind == Stroke::Kind::Thin) {
    for (int i = 0; i + 1 < count; ++i) {
      raster.thinLine(points[i].x, points[i].y, points[i + 1].x, points[i + 1].y, stroke.color, false);
    }
  } else if (stroke.kind == Stroke::Kind::Wide) {
    WidePath path;
    path.moveTo(points[0].x, points[0].y);
    for (int i = 1; i < count; ++i) path.lineTo(points[i].x, points[i].y);
    strokeWide(raster, path, stroke);
  }
}

}  // namespace kx
