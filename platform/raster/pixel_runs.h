// Runs of pixels filled or combined 16 bytes at a time: the hot loops of fills and blits.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kx {

void fillPixels(uint32_t* dst, size_t count, uint32_t value);
void andPixels(uint32_t* dst, const uint32_t* src, size_t count);
void orPixels(uint32_t* dst, const uint32_t* src, size_t count);
void xorPixels(uint32_t* dst, const uint32_t* src, size_t count);

}  // namespace kx
