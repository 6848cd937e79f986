#include "screens/ship/img_ship_top.h"

#include <iterator>

#include "gfx/gfx_frac.h"
#include "screens/ship/ship_axes.h"

namespace {

// Pylon vertices as fractions of the nacelle length, each at one of three heights: the hull's
// centre line, the pylon's waist and just inside the nacelle.
enum CPylonLevel { kAtCentre, kAtWaist, kAtNacelle };
struct CPylonVertex {
  double f;
  CPylonLevel level;
};
constexpr CPylonVertex kPylon[] = {{0.02, kAtCentre},  {0.12, kAtWaist}, {0.25, kAtNacelle},
                                   {0.74, kAtNacelle}, {0.67, kAtWaist}, {0.65, kAtCentre}};
constexpr double kPylonWaist = 0.6;  // of the way from the centre line to the nacelle

// Half of a nacelle's outline from the stern to the bow; the aft vertices count from the box's
// left edge, the forward ones (negative f) from its right edge.
struct CNacelleVertex {
  bool fromRight;
  CShipFrac at;  // g: of the nacelle's width, outwards from its centre line
};
constexpr CNacelleVertex kNacelleHalf[] = {{false, {0, 0}},      {false, {0.02, 0.3}},  {false, {0.07, 0.45}},
                                           {false, {0.2, 0.5}},  {false, {0.45, 0.5}},  {false, {0.6, 0.5}},
                                           {true, {-0.2, 0.46}}, {true, {-0.08, 0.35}}, {true, {-0.01, 0.22}},
                                           {true, {0, 0.1}},     {true, {0, 0}}};
constexpr int kNacellePoints = 2 * std::size(kNacelleHalf) - 2;
constexpr int kCorner = 10;  // the corner ellipse of the small rounded rectangles

// The secondary hull: a point at the stern, blunt under the saucer (fractions of its length and
// half-width).
constexpr CShipFrac kHullHalf[] = {{0, 0},       {0.01, 0.27}, {0.03, 0.5},  {0.07, 0.71},
                                   {0.12, 0.75}, {0.45, 0.91}, {0.54, 0.95}, {0.65, 1},
                                   {0.7, 1},     {0.75, 0.95}, {0.75, 0}};
// Ribs from the centre line outwards (fractions of the hull length and width).
constexpr CShipSeg kHullRibs[] = {{{-0.29, 0}, {-0.3, -0.3}},   {{-0.22, 0}, {-0.23, -0.35}},
                                  {{-0.15, 0}, {-0.16, -0.39}}, {{-0.08, 0}, {-0.09, -0.41}},
                                  {{-0.01, 0}, {-0.02, -0.44}}, {{0.06, 0}, {0.05, -0.47}},
                                  {{0.13, 0}, {0.12, -0.5}}};
// The stern end's line, from x1 (fractions of the hull length and half-width).
constexpr CShipFrac kSternLine[] = {{0, 0.5},     {0, 0.45},     {0.04, 0.42}, {0.07, 0.2},
                                    {0.07, -0.2}, {0.04, -0.42}, {0, -0.45},   {0, -0.5}};
constexpr double kSternX = 0.12;
constexpr CShipFrac kSternJoin{0.45, 0.91};
struct CHullEllipse {
  double start, halfHeight;  // of the hull length and width
};
constexpr CHullEllipse kHullEllipses[] = {{0.25, 0.45}, {0.45, 0.4}};

void DrawNacelle(HDC hdc, const POINT (&outline)[kNacellePoints], int dy, const RECT& box, int zc) {
  POINT moved[kNacellePoints];
  for (int i = 0; i < kNacellePoints; ++i) moved[i] = POINT{outline[i].x, outline[i].y + dy};
  Polygon(hdc, moved, kNacellePoints);
  const int length = box.right - box.left;
  const int across = box.bottom - box.top;
  RoundRect(hdc, box.left + GfxFrac(length, 0.1), zc - GfxFrac(across, 0.1), box.right - GfxFrac(length, 0.2),
            zc + GfxFrac(across, 0.1), kCorner, kCorner);
}

}  // namespace

int CImgShipTop::DrawPylons(HDC hdc) {
  const int lx = rcNacelleUp.left;
  const int ln = szNacelleUp.x;
  const int yb = rcNacelleUp.bottom;
  const int waist = static_cast<int>(centerY - kPylonWaist * static_cast<long double>(centerY - yb));
  const int levels[] = {centerY, waist, yb - 2};
  POINT upper[std::size(kPylon)];
  POINT lower[std::size(kPylon)];
  for (size_t i = 0; i < std::size(kPylon); ++i) {
    upper[i] = POINT{lx + GfxFrac(ln, kPylon[i].f), levels[kPylon[i].level]};
    lower[i] = POINT{upper[i].x, 2 * centerY - upper[i].y};
  }
  // The line across the waist joins the second and fifth vertices.
  for (const POINT* pylon : {upper, lower}) {
    Polygon(hdc, pylon, static_cast<int>(std::size(kPylon)));
    ShipLine(hdc, pylon[1], pylon[4]);
  }
  return 0;
}

int CImgShipTop::DrawNacelles(HDC hdc) {
  const int ln = szNacelleUp.x;
  const int wn = szNacelleUp.z;
  const int zc = ptNacelleUp.z;
  POINT outline[kNacellePoints];
  int n = 0;
  for (const CNacelleVertex& v : kNacelleHalf) {
    const int x = (v.fromRight ? rcNacelleUp.right : rcNacelleUp.left) + GfxFrac(ln, v.at.f);
    outline[n++] = POINT{x, zc - GfxFrac(wn, v.at.g)};
  }
  // The inner side returns through the same x values; its offsets are rounded, not truncated.
  for (int i = static_cast<int>(std::size(kNacelleHalf)) - 2; i >= 1; --i) {
    const int dz = static_cast<int>(static_cast<long double>(wn) * kNacelleHalf[i].at.g + 0.5L);
    outline[n++] = POINT{outline[i].x, zc + dz};
  }
  DrawNacelle(hdc, outline, 0, rcNacelleUp, ptNacelleUp.z);
  DrawNacelle(hdc, outline, ptNacelleLow.z - ptNacelleUp.z, rcNacelleLow, ptNacelleLow.z);
  return 0;
}

int CImgShipTop::DrawHull(HDC hdc) {
  const int left = rcHull.left;
  const int len = szHull.x;
  const int across = szHull.z;            // negative: the hull box is upside down
  const int half = centerY - rcHull.top;  // negative as well
  const CShipAxes outline{left, len, centerY, -half};
  ShipPolygon(hdc, outline, kHullHalf);

  const int absAcross = across < 0 ? -across : across;
  for (const CHullEllipse& e : kHullEllipses) {
    const int x = left + GfxFrac(len, e.start);
    const int dy = GfxFrac(absAcross, e.halfHeight);
    Ellipse(hdc, x, centerY - dy, x + szSaucer.x, centerY + dy);
  }

  ShipLines(hdc, CShipAxes{ptHull.x, len, centerY, across}, kHullRibs, true);

  const int x1 = left + GfxFrac(len, kSternX);
  const CShipAxes stern{x1, len, centerY, -half};
  MoveToEx(hdc, outline.At(kSternJoin).x, outline.At(kSternJoin).y, nullptr);
  for (const CShipFrac& p : kSternLine) LineTo(hdc, stern.At(p).x, stern.At(p).y);
  LineTo(hdc, outline.Mirror(kSternJoin).x, outline.Mirror(kSternJoin).y);
  ShipLine(hdc, stern.At({0.04, 0.42}), stern.At({0.04, -0.42}));

  const CShipAxes deck{left, len, centerY, across};
  const POINT from = deck.At({0.03, -0.18});
  const POINT to = deck.At({0.14, 0.18});
  RoundRect(hdc, from.x, from.y, to.x, to.y, kCorner, kCorner);
  return 0;
}
