// The checks a bitmap header must pass before its sizes are trusted: a file or resource may say
// anything, and every size read from it decides how far the drawing code reads.
#pragma once

#include <windows.h>

#include <cstdint>

// What a header that passed the checks describes: colour-table entries, and the pixel bytes the
// rows need (each row padded to four bytes).
struct CBmpLayout {
  int64_t colors = 0;
  int64_t stride = 0;
  int64_t imageBytes = 0;
};

// Largest picture the loaders accept, in pixels (4096 x 4096).
constexpr int64_t kBmpMaxPixels = int64_t(1) << 24;

// Null when the header describes an uncompressed 1, 4, 8, 24 or 32 bits a pixel image this
// program can draw, with layout filled in; otherwise the reason, a text for the user.
const char* CheckBmpHeader(const BITMAPINFOHEADER& bih, CBmpLayout* layout);
