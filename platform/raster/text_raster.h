// Draws runs of text on a Raster: mono glyphs in one colour, optionally on an opaque cell box.
#pragma once

#include <cstdint>

#include "raster/font_face.h"
#include "raster/raster.h"

namespace kx {

struct TextRun {
  const char* text;
  int count;
  int underlined = -1;  // index of a character drawn with an underline (a '&' prefix), or -1
};

// (x, top) is the top-left of the first character cell.
void drawTextRun(Raster& raster, const FontFace& face, int64_t x, int64_t top, const TextRun& run,
                 uint32_t color, const Fill& background);

}  // namespace kx
