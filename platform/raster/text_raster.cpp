#include "raster/text_raster.h"

namespace kx {

void drawTextRun(Raster& raster, const FontFace& face, int64_t x, int64_t top, const TextRun& run,
                 uint32_t color, const Fill& background) {
  const TEXTMETRICA& tm = face.metrics();
  const int width = face.textWidth(run.text, run.count);
  raster.fillRect(x, top, x + width, top + tm.tmHeight, background);
  const int64_t baseline = top + tm.tmAscent;
  const Fill ink{Fill::Kind::Solid, color};
  int64_t penX = x;
  for (int i = 0; i < run.count; ++i) {
    const auto c = static_cast<unsigned char>(run.text[i]);
    const int advance = face.advance(c);
    if (penX > raster.clipRight() || penX + advance + tm.tmMaxCharWidth < raster.clipLeft()) {
      penX += advance;
      continue;
    }
    const GlyphBitmap& glyph = face.glyph(c);
    const int64_t gx = penX + glyph.left, gy = baseline - glyph.top;
    for (int row = 0; row < glyph.height; ++row) {
      const uint8_t* bits = glyph.bits.data() + size_t(row) * size_t(glyph.width);
      int col = 0;
      while (col < glyph.width) {
        while (col < glyph.width && !bits[col]) ++col;
        const int start = col;
        while (col < glyph.width && bits[col]) ++col;
        if (col > start) raster.fillSpan(gy + row, gx + start, gx + col, ink);
      }
    }
    if (i == run.underlined) raster.fillSpan(baseline + 1, penX, penX + advance, ink);
    penX += advance;
  }
}

}  // namespace kx
