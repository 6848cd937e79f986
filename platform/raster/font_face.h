// A font resolved to a real face at a pixel size: Windows-style metrics and mono glyph bitmaps.
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace kx {

struct GlyphBitmap {
  int left = 0;  // from the pen position to the first column
  int top = 0;   // from the baseline up to the first row
  int width = 0;
  int height = 0;
  std::vector<uint8_t> bits;  // one byte a pixel, 0 or 1
};

class FontFace {
 public:
  // The face that a LOGFONTA maps to (never null: unknown faces fall back to the default sans).
  static std::shared_ptr<const FontFace> resolve(const LOGFONTA& logFont);
  // The DC's default font: a bold sans drawn to the System font's cell.
  static std::shared_ptr<const FontFace> system();

  ~FontFace();
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;

  const TEXTMETRICA& metrics() const { return m_metrics; }
  int advance(unsigned char c) const { return m_advances[c]; }
  int textWidth(const char* text, int count) const;
  const GlyphBitmap& glyph(unsigned char c) const;

 private:
  struct Face;
  FontFace() = default;
  void load(const std::string& family, bool bold, bool italic, int charHeight, int cellHeight, int avgWidth);

  std::unique_ptr<Face> m_face;
  TEXTMETRICA m_metrics{};
  std::array<int, 256> m_advances{};
  mutable std::array<std::unique_ptr<GlyphBitmap>, 256> m_glyphs;
  mutable std::mutex m_glyphLock;
};

}  // namespace kx
