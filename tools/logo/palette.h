// The sixteen colours that the logo and the icon share, and what each index is used for.
#pragma once

#include <array>
#include <cstdint>

namespace kx::art {

struct Rgb {
  uint8_t r, g, b;
};

enum Ink : uint8_t {
  kSpace = 0,
  kSpaceBlue,
  kStarDim,
  kStarBright,
  kPlanetShadow,
  kPlanetDark,
  kPlanetMid,
  kPlanetLit,
  kBandDark,
  kBandLit,
  kRingDark,
  kRingMid,
  kRingLit,
  kLetter,
  kLetterShade,
  kLetterEdge,
};

// Console amber for the planet and the letters, lilac bands, pale blue rings on black space.
constexpr std::array<Rgb, 16> kPalette = {{
    {0, 0, 0},
    {8, 16, 56},
    {96, 104, 136},
    {240, 240, 255},
    {72, 36, 8},
    {148, 76, 20},
    {212, 124, 44},
    {255, 190, 104},
    {112, 64, 112},
    {188, 128, 180},
    {48, 80, 136},
    {104, 152, 208},
    {176, 212, 255},
    {255, 156, 0},
    {150, 70, 0},
    {255, 220, 150},
}};

}  // namespace kx::art
