// The saucer of the top view, drawn over everything else.
#include <iterator>

#include "gfx/gfx_dc.h"
#include "gfx/gfx_frac.h"
#include "screens/ship/img_ship_top.h"
#include "screens/ship/ship_axes.h"

namespace {

constexpr double kBodyInset = 0.08;  // of the saucer length: the body starts right of its box

// Concentric rings open towards the stern. Each is inset from the saucer box or from the ring
// before it (by fractions of the box's width and height, plus pixels); it runs counter-clockwise
// from below to above the point f of the box width in from its left edge, k of its height in.
struct CSaucerRing {
  bool fromBox;
  double inset;
  int pixels;
  double f, k;
};
constexpr CSaucerRing kRings[] = {{true, 0.04, 0, 0.43, 0.15},
                                  {true, 0.08, 0, 0.44, 0.14},
                                  {false, 0.08, 0, 0.45, 0.14},
                                  {false, 0.07, 0, 0.47, 0.16},
                                  {false, 0, 3, 0.48, 0.18}};

// The rest is fractions of the saucer length and width about the saucer's centre.
constexpr CShipFrac kDots[] = {{-0.33, -0.44}, {-0.35, -0.37}, {-0.37, -0.31}};
constexpr int kDotRadius = 2;
constexpr CShipSeg kSpokes[] = {{{0, 0}, {-0.3, -0.65}}, {{0, 0}, {-0.1, -0.87}}, {{0, 0}, {0.1, -0.85}},
                                {{0, 0}, {0.2, -0.82}},  {{0, 0}, {0.3, -0.67}},  {{0, 0}, {0.39, -0.47}}};
constexpr CShipSeg kAcross = {{0, -0.9}, {0, 0.9}};
constexpr CShipFrac kWedge[] = {{0, -0.05}, {0.47, -0.19}, {0.47, 0.19}, {0, 0.05}};
constexpr CShipSeg kWedgeEdge = {{0, -0.07}, {0.45, -0.2}};
constexpr CShipFrac kDeckOutline[] = {{0.2, -0.02}, {0.3, -0.06}, {0.38, -0.02}, {0.38, 0.02},
                                      {0.3, 0.06},  {0.2, 0.02},  {0.2, -0.02}};
constexpr CShipSeg kDeckEllipse = {{0.4, -0.07}, {0.48, 0.07}};

// Two rim arcs over the body's box: the outer rim all round but for the gap the dorsal covers at
// the stern, and an inner rim around the bow. Fractions of the saucer length and width.
struct CRimArc {
  double insetX, insetY;  // from the body's box
  CShipFrac start, end;   // points the arc's rays pass through, about the saucer centre
};
constexpr CRimArc kRims[] = {{0, 0, {-0.5, 0.2}, {-0.5, -0.2}}, {0.025, 0.05, {0.1, 1}, {0.1, -1}}};

// The dorsal, from near the stern (fractions of the overall width from the left edge) to just
// short of the saucer centre, half its height in fractions of the saucer width.
constexpr CShipFrac kDorsalHalf[] = {{0.1, 0},      {0.11, -0.05}, {0.14, -0.09}, {0.2, -0.12}, {0.27, -0.14},
                                     {0.34, -0.16}, {0.41, -0.18}, {0.46, -0.2},  {0.5, -0.22}, {0.54, -0.25},
                                     {0.58, -0.27}, {0.62, -0.25}, {0.64, -0.15}, {0.645, 0}};
constexpr CShipSeg kDorsalAcross = {{0.5, -0.22}, {0.5, 0.22}};
constexpr double kDorsalRibStart = 0.27;  // of the saucer length aft of its centre
constexpr double kDorsalRibStep = 0.07;   // of the overall width
constexpr double kDorsalRibHalf = 0.17;   // of the saucer width
constexpr int kDorsalRibs = 5;

// The raised deck just aft of the saucer centre.
constexpr CShipFrac kBridgeHalf[] = {{-0.15, 0},      {-0.145, -0.06}, {-0.13, -0.1},  {-0.11, -0.13},
                                     {-0.08, -0.15},  {-0.05, -0.16},  {-0.03, -0.15}, {-0.015, -0.12},
                                     {-0.005, -0.07}, {0, 0}};

void Arc(HDC hdc, const RECT& box, POINT start, POINT end) {
  ::Arc(hdc, box.left, box.top, box.right, box.bottom, start.x, start.y, end.x, end.y);
}

RECT Inset(const RECT& rc, int dx, int dy) {
  return RECT{rc.left + dx, rc.top + dy, rc.right - dx, rc.bottom - dy};
}

}  // namespace

int CImgShipTop::DrawSaucer(HDC hdc) {
  DrawSaucerBody(hdc);
  DrawSaucerRings(hdc);
  DrawSaucerDeck(hdc);
  DrawDorsal(hdc);
  DrawBridge(hdc);
  const int r = GfxFrac(height, 0.04);
  ShipDot(hdc, POINT{ptSaucer.x, centerY}, r + 3);
  ShipDot(hdc, POINT{ptSaucer.x, centerY}, r);
  return 0;
}

// The body has no outline of its own: the rim arcs draw it.
void CImgShipTop::DrawSaucerBody(HDC hdc) {
  const RECT body{rcSaucer.left + GfxFrac(szSaucer.x, kBodyInset), rcSaucer.top, rcSaucer.right,
                  rcSaucer.bottom};
  {
    CGfxSel pen(hdc, clrFill ? clrFill->MakePen(1) : nullptr);
    Ellipse(hdc, body.left, body.top, body.right, body.bottom);
  }
  const CShipAxes axes{ptSaucer.x, szSaucer.x, ptSaucer.z, szSaucer.z};
  for (const CRimArc& rim : kRims) {
    Arc(hdc, Inset(body, GfxFrac(szSaucer.x, rim.insetX), GfxFrac(szSaucer.z, rim.insetY)),
        axes.At(rim.start), axes.At(rim.end));
  }
}

void CImgShipTop::DrawSaucerRings(HDC hdc) {
  const int w = rcSaucer.right - rcSaucer.left;
  const int h = rcSaucer.bottom - rcSaucer.top;
  RECT ring = rcSaucer;
  for (const CSaucerRing& shape : kRings) {
    if (shape.fromBox) ring = rcSaucer;
    ring = Inset(ring, GfxFrac(w, shape.inset) + shape.pixels, GfxFrac(h, shape.inset) + shape.pixels);
    const int x = rcSaucer.left + GfxFrac(w, shape.f);
    Arc(hdc, ring, POINT{x, ring.bottom - GfxFrac(h, shape.k)}, POINT{x, ring.top + GfxFrac(h, shape.k)});
  }
}

void CImgShipTop::DrawSaucerDeck(HDC hdc) {
  const CShipAxes axes{ptSaucer.x, szSaucer.x, ptSaucer.z, szSaucer.z};
  for (const CShipFrac& dot : kDots) {
    ShipDot(hdc, axes.At(dot), kDotRadius);
    ShipDot(hdc, axes.Mirror(dot), kDotRadius);
  }
  ShipLines(hdc, axes, kSpokes, true);
  ShipLines(hdc, axes, {&kAcross, 1}, false);
  {
    CGfxSel pen(hdc, clrFill ? clrFill->MakePen(1) : nullptr);
    POINT wedge[std::size(kWedge)];
    for (size_t i = 0; i < std::size(kWedge); ++i) wedge[i] = axes.At(kWedge[i]);
    Polygon(hdc, wedge, static_cast<int>(std::size(kWedge)));
  }
  const CShipAxes onAxis{ptSaucer.x, szSaucer.x, centerY, szSaucer.z};
  ShipLines(hdc, onAxis, {&kWedgeEdge, 1}, true);
  MoveToEx(hdc, onAxis.At(kDeckOutline[0]).x, onAxis.At(kDeckOutline[0]).y, nullptr);
  for (const CShipFrac& p : kDeckOutline) LineTo(hdc, onAxis.At(p).x, onAxis.At(p).y);
  const POINT from = onAxis.At(kDeckEllipse.from);
  const POINT to = onAxis.At(kDeckEllipse.to);
  Ellipse(hdc, from.x, from.y, to.x, to.y);
}

void CImgShipTop::DrawDorsal(HDC hdc) {
  const CShipAxes axes{rect.left, width, ptSaucer.z, szSaucer.z};
  ShipPolygon(hdc, axes, kDorsalHalf);
  ShipLines(hdc, axes, {&kDorsalAcross, 1}, false);
  const int ribX = static_cast<int>(ptSaucer.x - kDorsalRibStart * static_cast<long double>(szSaucer.x));
  ShipLine(hdc, axes.At(kDorsalHalf[0]), POINT{ribX, ptSaucer.z});
  const int step = GfxFrac(width, kDorsalRibStep);
  int half = GfxFrac(szSaucer.z, kDorsalRibHalf);
  for (int i = 0; i < kDorsalRibs; ++i) {
    half = GfxFrac(half, 0.9);
    const int x = ribX - i * step;
    ShipLine(hdc, POINT{x, ptSaucer.z - half}, POINT{x, ptSaucer.z + half});
  }
}

void CImgShipTop::DrawBridge(HDC hdc) {
  ShipPolygon(hdc, CShipAxes{ptSaucer.x, szSaucer.x, ptSaucer.z, szSaucer.z}, kBridgeHalf);
}
