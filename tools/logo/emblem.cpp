#include "emblem.h"

#include <cmath>

#include "palette.h"
#include "pixel_font.h"

namespace kx::art {
namespace {

// Ordered dithering spreads the few shades of the palette into smooth-looking gradients.
double bayer(int x, int y) {
  static constexpr int kMatrix[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
  return (kMatrix[y & 3][x & 3] + 0.5) / 16.0;
}

int ditheredLevel(double intensity, int levels, int x, int y) {
  int level = static_cast<int>(intensity * (levels - 1) + bayer(x, y));
  return level < 0 ? 0 : (level >= levels ? levels - 1 : level);
}

// Ink of the rings at ring-plane distance e (1 = outer edge), or kSpace in a gap.
uint8_t ringInk(double e, bool detail) {
  if (e < 0.62 || e >= 1.0) return kSpace;
  if (e < 0.74) return kRingDark;
  if (e < 0.86) return kRingMid;
  if (e < 0.885) return detail ? kSpace : kRingMid;  // the dark division between the inner and outer ring
  return kRingLit;
}

// Ink of the planet at unit-sphere point (nx, ny) and latitude `lat` across the ring plane.
uint8_t planetInk(double nx, double ny, double lat, bool detail, int x, int y) {
  // Light from the upper left, slightly in front.
  constexpr double kLx = -0.55, kLy = -0.5, kLz = 0.67;
  const double lightLength = std::sqrt(kLx * kLx + kLy * kLy + kLz * kLz);
  double nz = std::sqrt(std::fmax(0.0, 1.0 - nx * nx - ny * ny));
  double intensity = std::fmax(0.0, (nx * kLx + ny * kLy + nz * kLz) / lightLength);
  bool band =
      detail && ((lat > -0.38 && lat < -0.22) || (lat > 0.05 && lat < 0.16) || (lat > 0.42 && lat < 0.52));
  static constexpr uint8_t kPlain[] = {kPlanetShadow, kPlanetDark, kPlanetMid, kPlanetLit};
  static constexpr uint8_t kBand[] = {kPlanetShadow, kBandDark, kBandDark, kBandLit};
  int level = detail ? ditheredLevel(intensity, 4, x, y) : ditheredLevel(intensity, 4, 1, 1);
  return band ? kBand[level] : kPlain[level];
}

}  // namespace

void drawRingedPlanet(IndexedCanvas& canvas, const RingedPlanet& planet) {
  const double tiltLength = std::sqrt(planet.tiltX * planet.tiltX + planet.tiltY * planet.tiltY);
  const double c = planet.tiltX / tiltLength;
  const double s = planet.tiltY / tiltLength;
  const double ringMinor = planet.ringRadius * planet.ringFlatten;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      double dx = x + 0.5 - planet.cx;
      double dy = y + 0.5 - planet.cy;
      double u = dx * c + dy * s;   // along the ring's major axis
      double v = -dx * s + dy * c;  // across it; v > 0 is the near half of the ring
      double r = std::sqrt(dx * dx + dy * dy) / planet.radius;
      double e =
          std::sqrt((u / planet.ringRadius) * (u / planet.ringRadius) + (v / ringMinor) * (v / ringMinor));
      uint8_t ring = ringInk(e, planet.detail);
      if (ring != kSpace && (v > 0 || r >= 1.0)) {
        canvas.set(x, y, ring);
      } else if (r < 1.0) {
        canvas.set(x, y,
                   planetInk(dx / planet.radius, dy / planet.radius, v / planet.radius, planet.detail, x, y));
      } else if (planet.glow && r < 1.12 && bayer(x, y) < (1.12 - r) / 0.12 * 0.6) {
        canvas.set(x, y, kSpaceBlue);
      }
    }
  }
}

void drawStars(IndexedCanvas& canvas, int count, int belowY, uint32_t seed) {
  uint32_t state = seed;
  auto next = [&state] {
    state = state * 1664525u + 1013904223u;
    return state >> 8;
  };
  for (int i = 0; i < count; ++i) {
    int x = static_cast<int>(next() % static_cast<uint32_t>(canvas.width()));
    int y = static_cast<int>(next() % static_cast<uint32_t>(belowY));
    bool bright = next() % 5 == 0;
    if (bright) {
      canvas.set(x - 1, y, kStarDim);
      canvas.set(x + 1, y, kStarDim);
      canvas.set(x, y - 1, kStarDim);
      canvas.set(x, y + 1, kStarDim);
    }
    canvas.set(x, y, bright ? kStarBright : kStarDim);
  }
}

IndexedCanvas drawLogo() {
  IndexedCanvas canvas(kLogoWidth, kLogoHeight);
  drawStars(canvas, 70, 168, 0x4B414C59u);
  drawRingedPlanet(canvas, {156.0, 92.0, 62.0, 127.0, 0.26, 0.978, -0.208, true, true});
  constexpr int kBlock = 8;
  int left = (kLogoWidth - textWidth("KALYX", kBlock)) / 2;
  drawBlockText(canvas, "KALYX", left, 178, kBlock);
  return canvas;
}

IndexedCanvas drawIcon(int size) {
  IndexedCanvas canvas(size, size);
  double half = size / 2.0;
  bool detail = size >= 32;
  drawRingedPlanet(canvas, {half, half, size * 0.3, size * 0.5, 0.32, 0.94, -0.34, false, detail});
  return canvas;
}

}  // namespace kx::art
