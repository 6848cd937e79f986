// What the text calls share: the DC's face and its text background.
#pragma once

#include "gdi/dc_state.h"
#include "raster/font_face.h"
#include "raster/raster.h"

namespace kx {

// The face of the DC's font (the System font when it has been deleted).
const FontFace& selectedFace(const DcState& state);
// The cell background of text: the background colour when the mode is opaque, else nothing.
Fill textBackground(const DcState& state);

}  // namespace kx
