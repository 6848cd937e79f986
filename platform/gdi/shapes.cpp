// The shape calls: each resolves the DC's pen and brush and hands a box to the shape rasteriser.
#include <windows.h>

#include <utility>
#include <vector>

#include "gdi/dc.h"
#include "raster/shape_cache.h"
#include "raster/shape_raster.h"

using namespace kx;

namespace {

template <class DrawFn>
BOOL drawShape(HDC hdc, DrawFn&& draw) {
  DcObject* dc = findDc(hdc);
  if (!dc) return FALSE;
  const DcState& state = dc->state;
  drawOn(*dc, [&](Raster& raster) {
    const Fill fill = fillForBrush(state.brush, state, POINT{LONG(raster.originX()), LONG(raster.originY())});
    draw(raster, strokeForPen(state.pen), fill);
  });
  return TRUE;
}

// The same for a shape worth keeping: `call` names it and its arguments, for the shape cache.
template <class DrawFn>
BOOL drawKeptShape(HDC hdc, std::vector<int64_t> call, DrawFn&& draw) {
  return drawShape(hdc, [&](Raster& raster, const Stroke& stroke, const Fill& fill) {
    ShapeCache::local().draw(raster, std::move(call), stroke, fill,
                             [&](Raster& target, const Fill& brush) { draw(target, stroke, brush); });
  });
}

// The calls the shape cache tells apart.
enum class Call : int64_t { RoundRect, ArcShape, Polygon };

BOOL drawArcShape(HDC hdc, Box box, Sweep::Close close, POINT start, POINT end) {
  std::vector<int64_t> call{int64_t(Call::ArcShape), box.left, box.top, box.right, box.bottom,
                            int64_t(close),          start.x,  start.y, end.x,     end.y};
  return drawKeptShape(hdc, std::move(call), [&](Raster& raster, const Stroke& stroke, const Fill& fill) {
    Sweep sweep{close, start, end};
    drawRoundBox(raster, box, box.width() < 0 ? -box.width() : box.width(),
                 box.height() < 0 ? -box.height() : box.height(), stroke,
                 close == Sweep::Close::Open ? Fill{} : fill, sweep);
  });
}

}  // namespace

BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom) {
  return drawShape(hdc, [&](Raster& raster, const Stroke& stroke, const Fill& fill) {
    drawRectangle(raster, Box{left, top, right, bottom}, stroke, fill);
  });
}

BOOL WINAPI RoundRect(HDC hdc, int left, int top, int right, int bottom, int width, int height) {
  std::vector<int64_t> call{int64_t(Call::RoundRect), left, top, right, bottom, width, height};
  return drawKeptShape(hdc, std::move(call), [&](Raster& raster, const Stroke& stroke, const Fill& fill) {
    drawRoundBox(raster, Box{left, top, right, bottom}, width < 0 ? -int64_t(width) : width,
                 height < 0 ? -int64_t(height) : height, stroke, fill);
  });
}

BOOL WINAPI Ellipse(HDC hdc, int left, int top, int right, int bottom) {
  return drawArcShape(hdc, Box{left, top, right, bottom}, Sweep::Close::Whole, {}, {});
}

BOOL WINAPI Arc(HDC hdc, int left, int top, int right, int bottom, int xr1, int yr1, int xr2, int yr2) {
  return drawArcShape(hdc, Box{left, top, right, bottom}, Sweep::Close::Open, POINT{xr1, yr1},
                      POINT{xr2, yr2});
}

BOOL WINAPI Pie(HDC hdc, int left, int top, int right, int bottom, int xr1, int yr1, int xr2, int yr2) {
  return drawArcShape(hdc, Box{left, top, right, bottom}, Sweep::Close::Radials, POINT{xr1, yr1},
                      POINT{xr2, yr2});
}

BOOL WINAPI Chord(HDC hdc, int left, int top, int right, int bottom, int xr1, int yr1, int xr2, int yr2) {
  return drawArcShape(hdc, Box{left, top, right, bottom}, Sweep::Close::Chord, POINT{xr1, yr1},
                      POINT{xr2, yr2});
}

BOOL WINAPI Polygon(HDC hdc, const POINT* apt, int cpt) {
  if (!apt || cpt < 2) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  DcObject* dc = findDc(hdc);
  const bool winding = dc && dc->state.polyFillMode == WINDING;
  std::vector<int64_t> call{int64_t(Call::Polygon), winding, cpt};
  call.reserve(call.size() + 2 * size_t(cpt));
  for (int i = 0; i < cpt; ++i) call.insert(call.end(), {apt[i].x, apt[i].y});
  return drawKeptShape(hdc, std::move(call), [&](Raster& raster, const Stroke& stroke, const Fill& fill) {
    drawPolygon(raster, apt, cpt, winding, stroke, fill);
  });
}

BOOL WINAPI Polyline(HDC hdc, const POINT* apt, int cpt) {
  if (!apt || cpt < 2) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  return drawShape(hdc, [&](Raster& raster, const Stroke& stroke, const Fill&) {
    drawPolyline(raster, apt, cpt, stroke);
  });
}

BOOL WINAPI MoveToEx(HDC hdc, int x, int y, LPPOINT lppt) {
  DcObject* dc = findDc(hdc);
  if (!dc) return FALSE;
  if (lppt) *lppt = dc->state.position;
  dc->state.position = POINT{x, y};
  return TRUE;
}

BOOL WINAPI LineTo(HDC hdc, int x, int y) {
  DcObject* dc = findDc(hdc);
  if (!dc) return FALSE;
  const POINT line[2] = {dc->state.position, POINT{x, y}};
  dc->state.position = line[1];
  return drawShape(
      hdc, [&](Raster& raster, const Stroke& stroke, const Fill&) { drawPolyline(raster, line, 2, stroke); });
}
