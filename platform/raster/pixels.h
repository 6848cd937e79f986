// Pixel values: surfaces hold 0x00RRGGBB, COLORREF is 0x00BBGGRR.
#pragma once

#include <windows.h>

#include <cstdint>

#include "raster/pixel_surface.h"

namespace kx {

constexpr uint32_t pixelFromColorRef(COLORREF color) {
  return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}

constexpr COLORREF colorRefFromPixel(uint32_t pixel) {
  return ((pixel & 0xFF) << 16) | (pixel & 0xFF00) | ((pixel >> 16) & 0xFF);
}

}  // namespace kx
