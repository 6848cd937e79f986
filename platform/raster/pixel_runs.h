// Runs of pixels filled or combined 16 bytes at a time: the hot loops of fills and blits.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace kx {

// Four pixels in one vector register.
typedef uint32_t PixelQuad __attribute__((vector_size(16)));

// Combines the eight pixels at dst with the eight at src by op, a register of four at a time.
template <class Op>
inline void combineEight(uint32_t* dst, const uint32_t* src, Op op) {
  PixelQuad d[2], s[2];
  std::memcpy(d, dst, sizeof(d));
  std::memcpy(s, src, sizeof(s));
  d[0] = op(d[0], s[0]);
  d[1] = op(d[1], s[1]);
  std::memcpy(dst, d, sizeof(d));
}

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
