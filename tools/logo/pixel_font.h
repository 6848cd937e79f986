// A blocky 5 x 7 font for the few capitals the emblem spells, drawn in square blocks.
#pragma once

#include <cstdint>
#include <string_view>

#include "indexed_canvas.h"

namespace kx::art {

constexpr int kGlyphColumns = 5;
constexpr int kGlyphRows = 7;

// Width in pixels of `text` drawn with blocks of `block` pixels and one block between letters.
int textWidth(std::string_view text, int block);

// Draws `text` with its top-left corner at (left, top): a shade block offset down-right behind each
// block, a light top-left edge and the letter ink.
void drawBlockText(IndexedCanvas& canvas, std::string_view text, int left, int top, int block);

}  // namespace kx::art
