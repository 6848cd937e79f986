// Fractions of a figure's sizes turned into pixels: every vertex of the ship is an anchor plus
// truncated fractions of one length along the ship and one across it.
#pragma once

#include <windows.h>

#include <span>

#include "gfx/gfx_frac.h"

// A vertex as fractions: f of the length along the ship, g of the size across it.
struct CShipFrac {
  double f, g;
};

struct CShipSeg {
  CShipFrac from, to;
};

struct CShipAxes {
  int x0;
  int lenX;
  int y0;
  int lenY;  // signed: a negative size turns the figure over

  // Each product is truncated on its own, so a mirrored vertex lies exactly opposite.
  POINT At(CShipFrac p) const { return POINT{x0 + GfxFrac(lenX, p.f), y0 + GfxFrac(lenY, p.g)}; }
  POINT Mirror(CShipFrac p) const { return At(CShipFrac{p.f, -p.g}); }
};

// The most vertices any one outline of the ship has.
constexpr int kShipMaxPoints = 32;

// A shape symmetric about the centre line: its half runs from a vertex on the line to a vertex
// on the line; the other half returns through the mirror images of the vertices in between.
int ShipMirroredPoints(const CShipAxes& axes, std::span<const CShipFrac> half, POINT* out);

void ShipPolygon(HDC hdc, const CShipAxes& axes, std::span<const CShipFrac> half);
void ShipLine(HDC hdc, POINT from, POINT to);
// Each segment as given and, when mirrored, its mirror image right after it.
void ShipLines(HDC hdc, const CShipAxes& axes, std::span<const CShipSeg> segs, bool mirrored);
void ShipDot(HDC hdc, POINT at, int radius);
