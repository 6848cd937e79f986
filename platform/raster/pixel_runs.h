// Runs of pixels filled or combined 16 bytes at a time: the hot loops of fills and blits.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kx {

void fillPixels(uint32_t* dst, size_t count, uint32_t value);
void andPixels(uint32_t* dst, const uint32_t* src, size_t count);
void orPixels(uint32_t* dst, const uint32_t* src, size_t count);
void xorPixels(uint32_t* dst, const uint32_t* src, size_t count);

// Calls run(start, end, colour) for each run of one colour among row[from..to) (end excluded),
// left to right, leaving out the pixels of colour `skip`.
template <class RunFn>
void forEachColourRun(const uint32_t* row, int from, int to, uint32_t skip, RunFn&& run) {
  int x = from;
  while (x < to) {
    while (x < to && row[x] == skip) ++x;
    if (x == to) return;
    const int start = x;
    const uint32_t colour = row[x];
    while (x < to && row[x] == colour) ++x;
    run(start, x, colour);
  }
}

}  // namespace kx
