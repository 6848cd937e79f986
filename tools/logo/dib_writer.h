// Serialises indexed pictures as 4-bit, 16-colour device-independent bitmaps: a .bmp file and an
// .ico file (each icon image a DIB of twice its height: the colour bits, then the 1-bit AND mask).
#pragma once

#include <cstdint>
#include <vector>

#include "indexed_canvas.h"

namespace kx::art {

std::vector<uint8_t> bmpFile(const IndexedCanvas& picture);

// Index 0 is transparent in the icons' AND masks.
std::vector<uint8_t> icoFile(const std::vector<IndexedCanvas>& images);

}  // namespace kx::art
