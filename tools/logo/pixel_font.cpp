#include "pixel_font.h"

#include <array>
#include <vector>

#include "palette.h"

namespace kx::art {
namespace {

struct Glyph {
  char letter;
  std::array<const char*, kGlyphRows> rows;
};

constexpr Glyph kGlyphs[] = {
    {'K', {"X...X", "X..X.", "X.X..", "XX...", "X.X..", "X..X.", "X...X"}},
    {'A', {".XXX.", "X...X", "X...X", "XXXXX", "X...X", "X...X", "X...X"}},
    {'L', {"X....", "X....", "X....", "X....", "X....", "X....", "XXXXX"}},
    {'Y', {"X...X", "X...X", ".X.X.", "..X..", "..X..", "..X..", "..X.."}},
    {'X', {"X...X", "X...X", ".X.X.", "..X..", ".X.X.", "X...X", "X...X"}},
};

const Glyph* findGlyph(char letter) {
  for (const Glyph& glyph : kGlyphs)
    if (glyph.letter == letter) return &glyph;
  return nullptr;
}

// The text as one grid of blocks, so edges are drawn only where a letter's outline is.
class BlockGrid {
 public:
  explicit BlockGrid(std::string_view text)
      : m_columns(static_cast<int>(text.size()) * (kGlyphColumns + 1)),
        m_cells(m_columns * kGlyphRows, false) {
    for (size_t i = 0; i < text.size(); ++i) {
      const Glyph* glyph = findGlyph(text[i]);
      if (!glyph) continue;  // unknown letters leave a gap
      for (int row = 0; row < kGlyphRows; ++row)
        for (int column = 0; column < kGlyphColumns; ++column)
          if (glyph->rows[row][column] == 'X')
            m_cells[row * m_columns + static_cast<int>(i) * (kGlyphColumns + 1) + column] = true;
    }
  }
  int columns() const { return m_columns; }
  bool filled(int column, int row) const {
    return column >= 0 && row >= 0 && column < m_columns && row < kGlyphRows &&
           m_cells[row * m_columns + column];
  }

 private:
  int m_columns;
  std::vector<bool> m_cells;
};

}  // namespace

int textWidth(std::string_view text, int block) {
  if (text.empty()) return 0;
  return static_cast<int>(text.size()) * (kGlyphColumns + 1) * block - block;
}

void drawBlockText(IndexedCanvas& canvas, std::string_view text, int left, int top, int block) {
  const BlockGrid grid(text);
  const int shadow = block / 3;
  for (int pass = 0; pass < 2; ++pass) {
    for (int row = 0; row < kGlyphRows; ++row) {
      for (int column = 0; column < grid.columns(); ++column) {
        if (!grid.filled(column, row)) continue;
        int x = left + column * block;
        int y = top + row * block;
        if (pass == 0) {
          canvas.fillRect(x + shadow, y + shadow, block, block, kLetterShade);
          continue;
        }
        canvas.fillRect(x, y, block, block, kLetter);
        if (!grid.filled(column, row - 1)) canvas.fillRect(x, y, block, 1, kLetterEdge);
        if (!grid.filled(column - 1, row)) canvas.fillRect(x, y, 1, block, kLetterEdge);
      }
    }
  }
}

}  // namespace kx::art
