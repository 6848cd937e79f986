// The pixels everything draws into: the desktop a backend shows, or a bitmap's own memory.
#pragma once

#include <cstdint>

namespace kx {

// 32-bit pixels, 0x00RRGGBB (memory order B, G, R, X), rows of `stride` pixels, top row first.
struct PixelSurface {
  uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;
};

}  // namespace kx
