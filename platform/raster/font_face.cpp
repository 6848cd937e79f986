#include "raster/font_face.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <strings.h>
#include <tuple>

namespace kx {

struct FontFace::Face {
  FT_Face face = nullptr;
  ~Face() {
    if (face) FT_Done_Face(face);
  }
};

namespace {

// Windows-1252's 0x80..0x9F; the rest of the byte range is Latin-1.
constexpr uint16_t kCp1252High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

FT_ULong codePoint(unsigned char c) {
  return c >= 0x80 && c < 0xA0 ? kCp1252High[c - 0x80] : c;
}

constexpr int kMaxPixelSize = 1000;

using FaceKey = std::tuple<std::string, int, int, int, int, int>;

// The FreeType library and every face made so far; the faces go before the library does.
struct FontRegistry {
  FT_Library library = nullptr;
  std::map<FaceKey, std::shared_ptr<const FontFace>> faces;
  FontRegistry() {
    FT_Init_FreeType(&library);
    // fontconfig keeps its configuration and caches until told to let go.
    std::atexit([] { FcFini(); });
  }
  ~FontRegistry() {
    faces.clear();
    if (library) FT_Done_FreeType(library);
  }
  // Never destroyed: stock fonts in the handle table hold faces until the very end of the process.
  static FontRegistry& instance() {
    static FontRegistry* registry = new FontRegistry;
    return *registry;
  }
};

bool sameName(const char* a, const char* b) {
  return strcasecmp(a, b) == 0;
}

// The file fontconfig picks for a family, weight and slant.
bool matchFile(const std::string& family, bool bold, bool italic, std::string& file, int& index) {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  bool found = false;
  FcChar8* path = nullptr;
  if (match && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch) {
    file = reinterpret_cast<const char*>(path);
    index = 0;
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    found = true;
  }
  if (match) FcPatternDestroy(match);
  return found;
}

}  // namespace

FontFace::~FontFace() = default;

int FontFace::textWidth(const char* text, int count) const {
  int width = 0;
  for (int i = 0; i < count; ++i) width += m_advances[static_cast<unsigned char>(text[i])];
  return width;
}

const GlyphBitmap& FontFace::glyph(unsigned char c) const {
  std::lock_guard<std::mutex> lock(m_glyphLock);
  std::unique_ptr<GlyphBitmap>& slot = m_glyphs[c];
  if (slot) return *slot;
  slot = std::make_unique<GlyphBitmap>();
  FT_Face face = m_face ? m_face->face : nullptr;
  if (!face ||
      FT_Load_Char(face, codePoint(c), FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME) != 0) {
    return *slot;
  }
  const FT_Bitmap& bitmap = face->glyph->bitmap;
  slot->left = face->glyph->bitmap_left;
  slot->top = face->glyph->bitmap_top;
  slot->width = int(bitmap.width);
  slot->height = int(bitmap.rows);
  slot->bits.assign(size_t(slot->width) * size_t(slot->height), 0);
  for (int y = 0; y < slot->height; ++y) {
    const unsigned char* row = bitmap.buffer + y * bitmap.pitch;
    for (int x = 0; x < slot->width; ++x) {
      const bool set =
          bitmap.pixel_mode == FT_PIXEL_MODE_MONO ? (row[x / 8] >> (7 - x % 8)) & 1 : row[x] >= 128;
      slot->bits[size_t(y) * size_t(slot->width) + size_t(x)] = set ? 1 : 0;
    }
  }
  return *slot;
}

// Loads the face and sets the metrics: a positive `cellHeight` asks for that tmHeight, else
// `charHeight` for the em; `avgWidth` (0: natural) stretches or narrows the face.
void FontFace::load(const std::string& family, bool bold, bool italic, int charHeight, int cellHeight,
                    int avgWidth) {
  FontRegistry& registry = FontRegistry::instance();
  std::string file;
  int index = 0;
  m_face = std::make_unique<Face>();
  if (!registry.library || !matchFile(family, bold, italic, file, index) ||
      FT_New_Face(registry.library, file.c_str(), index, &m_face->face) != 0) {
    m_face->face = nullptr;
  }
  FT_Face face = m_face->face;
  double unitsPerEm = 2048, winAscent = 1854, winDescent = 434, avgUnits = 1176, maxUnits = 2000;
  if (face) {
    unitsPerEm = face->units_per_EM ? face->units_per_EM : 2048;
    winAscent = face->ascender;
    winDescent = -face->descender;
    maxUnits = face->max_advance_width;
    if (auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
        os2 && os2->version != 0xFFFF) {
      winAscent = os2->usWinAscent;
      winDescent = os2->usWinDescent;
      if (os2->xAvgCharWidth > 0) avgUnits = os2->xAvgCharWidth;
    }
  }
  double em = charHeight;
  if (cellHeight > 0) em = cellHeight * unitsPerEm / (winAscent + winDescent);
  em = std::clamp(em, 1.0, double(kMaxPixelSize));
  const double naturalAvg = avgUnits * em / unitsPerEm;
  const double emX = avgWidth > 0 ? std::clamp(em * avgWidth / naturalAvg, 1.0, double(kMaxPixelSize)) : em;

  TEXTMETRICA& tm = m_metrics;
  tm.tmAscent = LONG(std::lround(winAscent * em / unitsPerEm));
  tm.tmDescent = LONG(std::lround(winDescent * em / unitsPerEm));
  tm.tmHeight = tm.tmAscent + tm.tmDescent;
  tm.tmInternalLeading = std::max<LONG>(0, tm.tmHeight - LONG(std::lround(em)));
  tm.tmExternalLeading = 0;
  tm.tmAveCharWidth = avgWidth > 0 ? avgWidth : LONG(std::lround(naturalAvg));
  tm.tmMaxCharWidth = LONG(std::lround(maxUnits * emX / unitsPerEm));
  tm.tmWeight = bold ? FW_BOLD : FW_NORMAL;
  tm.tmItalic = italic ? 1 : 0;
  tm.tmDigitizedAspectX = tm.tmDigitizedAspectY = 96;
  tm.tmFirstChar = 0x20;
  tm.tmLastChar = 0xFF;
  tm.tmDefaultChar = 0x1F;
  tm.tmBreakChar = 0x20;
  tm.tmPitchAndFamily = VARIABLE_PITCH | 0x06 | FF_SWISS;  // variable pitch, TrueType, vector
  tm.tmCharSet = ANSI_CHARSET;

  m_advances.fill(0);
  if (!face) return;
  FT_Set_Char_Size(face, FT_F26Dot6(std::lround(emX * 64)), FT_F26Dot6(std::lround(em * 64)), 72, 72);
  for (int c = 0; c < 256; ++c) {
    if (c < 0x20) continue;
    if (FT_Load_Char(face, codePoint(static_cast<unsigned char>(c)), FT_LOAD_TARGET_MONO) == 0) {
      m_advances[size_t(c)] = int((face->glyph->advance.x + 32) >> 6);
    }
  }
}

std::shared_ptr<const FontFace> FontFace::resolve(const LOGFONTA& logFont) {
  const char* name = logFont.lfFaceName;
  if (sameName(name, "System")) return system();
  const bool bold = logFont.lfWeight >= FW_SEMIBOLD;
  const bool italic = logFont.lfItalic != 0;
  const int64_t rawHeight = logFont.lfHeight, rawWidth = logFont.lfWidth;
  const int height = int(std::clamp<int64_t>(rawHeight < 0 ? -rawHeight : rawHeight, 0, kMaxPixelSize));
  const int width = int(std::clamp<int64_t>(rawWidth < 0 ? -rawWidth : rawWidth, 0, kMaxPixelSize));
  const bool sansSerif = sameName(name, "MS Sans Serif");
  const int mode = height == 0 ? 0 : (rawHeight < 0 ? -1 : 1);
  FaceKey key{
      sansSerif ? std::string("MS Sans Serif") : std::string(name), bold, italic, mode, height, width};
  FontRegistry& registry = FontRegistry::instance();
  if (auto it = registry.faces.find(key); it != registry.faces.end()) return it->second;

  std::shared_ptr<FontFace> face(new FontFace());
  if (sansSerif) {
    // Drawn with a clear sans face, with the metrics of the bitmap face at its pixel size. The
    // glyphs keep their natural width unless a width was asked for: the bitmap face's letters are
    // wider than its reported average, and dialogs size themselves from the letters (6 x 13 dialog
    // base units at 8 points), so a face narrowed to that average would shrink every dialog.
    const int charHeight = mode == 0 ? 11 : (mode < 0 ? height : std::max(1, (height * 11 + 6) / 13));
    const int avg = width > 0 ? width : std::max(1, (charHeight * 5 + 5) / 11);
    face->load("Liberation Sans", bold, italic, charHeight, 0, width > 0 ? width : 0);
    TEXTMETRICA& tm = face->m_metrics;
    tm.tmAscent = charHeight;
    tm.tmDescent = tm.tmInternalLeading = std::max(1, (charHeight * 2 + 5) / 11);
    tm.tmHeight = tm.tmAscent + tm.tmDescent;
    tm.tmAveCharWidth = avg;
    tm.tmMaxCharWidth = charHeight;
  } else {
    const std::string family = name[0] ? std::string(name) : std::string("sans-serif");
    const int cell = mode > 0 ? height : (mode == 0 ? 16 : 0);
    face->load(family, bold, italic, mode < 0 ? height : 0, cell, width);
  }
  registry.faces.emplace(key, face);
  return face;
}

std::shared_ptr<const FontFace> FontFace::system() {
  FontRegistry& registry = FontRegistry::instance();
  FaceKey key{"System", 1, 0, 1, 16, 0};
  if (auto it = registry.faces.find(key); it != registry.faces.end()) return it->second;
  // Windows' System font at 96 DPI; a bold sans of a 13-pixel em, narrowed to its average width.
  std::shared_ptr<FontFace> face(new FontFace());
  face->load("Liberation Sans", true, false, 13, 0, 7);
  TEXTMETRICA& tm = face->m_metrics;
  tm.tmHeight = 16;
  tm.tmAscent = 13;
  tm.tmDescent = 3;
  tm.tmInternalLeading = 3;
  tm.tmExternalLeading = 0;
  tm.tmAveCharWidth = 7;
  tm.tmMaxCharWidth = 14;
  tm.tmWeight = FW_BOLD;
  registry.faces.emplace(key, face);
  return face;
}

}  // namespace kx
