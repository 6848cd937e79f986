// The GDI objects behind pens, brushes, fonts, bitmaps and palettes, as the handle table holds them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "raster/ink_runs.h"
#include "raster/pixels.h"
#include "raster/raster.h"
#include "kernel/handle_table.h"

namespace kx {

class FontFace;

struct PenObject : HandleObject {
  static constexpr HandleKind kKind = HandleKind::Pen;
  explicit PenObject(const LOGPEN& pen) : HandleObject(kKind), logPen(pen) {}
  LOGPEN logPen;
};

struct BrushObject : HandleObject {
  static constexpr HandleKind kKind = HandleKind::Brush;
  explicit BrushObject(const LOGBRUSH& brush) : HandleObject(kKind), logBrush(brush) {}
  LOGBRUSH logBrush;
};

struct FontObject : HandleObject {
  static constexpr HandleKind kKind = HandleKind::Font;
  FontObject(const LOGFONTA& font, std::shared_ptr<const FontFace> face)
      : HandleObject(kKind), logFont(font), face(std::move(face)) {}
  LOGFONTA logFont;
  std::shared_ptr<const FontFace> face;  // resolved once, shared with the face cache
};

// Every bitmap keeps 32-bit pixels; a monochrome one only reports 1 bit a pixel.
struct BitmapObject : HandleObject {
  static constexpr HandleKind kKind = HandleKind::Bitmap;
  BitmapObject(int width, int height, int bitsPixel);
  ~BitmapObject() override;
  PixelSurface surface() { return {pixels.data(), width, height, width}; }
  int width;
  int height;
  int bitsPixel;
  std::vector<uint32_t> pixels;
  PlainArea plain;             // all black when made
  InkRuns ink;                 // found when the bitmap is a blit's source more than once
  HDC selectedInto = nullptr;  // a bitmap lives in one memory DC at a time
};

struct PaletteObject : HandleObject {
  static constexpr HandleKind kKind = HandleKind::Palette;
  PaletteObject() : HandleObject(kKind) {}
};

// The process-wide stock objects (created on first use, never counted as live).
HGDIOBJ stockObject(int index);
// The 1 x 1 monochrome bitmap that every new memory DC starts with.
HBITMAP defaultBitmap();

}  // namespace kx
