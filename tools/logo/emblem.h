// The KALYX emblem: a ringed planet in a starfield over the word KALYX, and the icon's planet alone.
#pragma once

#include <cstdint>

#include "indexed_canvas.h"

namespace kx::art {

struct RingedPlanet {
  double cx, cy;        // centre in pixels
  double radius;        // of the planet
  double ringRadius;    // outer semi-major axis of the rings
  double ringFlatten;   // minor / major axis of the ring ellipse: how far the ring plane leans to us
  double tiltX, tiltY;  // direction of the ring's major axis (normalised when drawn)
  bool glow;            // a dithered blue haze just outside the planet's limb
  bool detail;          // dithered shading and cloud bands; too noisy for the smallest icon
};

void drawRingedPlanet(IndexedCanvas& canvas, const RingedPlanet& planet);

// Stars scattered by a fixed pseudo-random sequence above the row `belowY`.
void drawStars(IndexedCanvas& canvas, int count, int belowY, uint32_t seed);

constexpr int kLogoWidth = 312;
constexpr int kLogoHeight = 247;

IndexedCanvas drawLogo();
IndexedCanvas drawIcon(int size);

}  // namespace kx::art
