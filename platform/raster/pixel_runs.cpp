#include "raster/pixel_runs.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kx {

namespace {

constexpr size_t kMemsetFrom = 64;  // pixels; shorter runs are not worth the call

// memcpy does the unaligned loads and stores.
using Quad = PixelQuad;

inline Quad load(const uint32_t* p) {
  Quad q;
  std::memcpy(&q, p, sizeof(q));
  return q;
}

inline void store(uint32_t* p, Quad q) {
  std::memcpy(p, &q, sizeof(q));
}

template <class Op>
void combine(uint32_t* dst, const uint32_t* src, size_t count, Op op) {
  size_t i = 0;
  for (; i + 8 <= count; i += 8) {
    store(dst + i, op(load(dst + i), load(src + i)));
    store(dst + i + 4, op(load(dst + i + 4), load(src + i + 4)));
  }
  for (; i < count; ++i) dst[i] = op(dst[i], src[i]);
}

}  // namespace

void fillPixels(uint32_t* dst, size_t count, uint32_t value) {
  if (count >= kMemsetFrom && value == (value & 0xFFu) * 0x01010101u) {
    // One byte repeated (black, white, greys): the C library's memset is the quickest fill there is.
    std::memset(dst, int(value & 0xFFu), count * sizeof(uint32_t));
    return;
  }
  const Quad quad = {value, value, value, value};
  size_t i = 0;
#if defined(__SSE2__)
  // Fills much larger than the caches stream past them, as memset does: no reads for ownership.
  constexpr size_t kStreamingPixels = size_t(1) << 20;
  if (count >= kStreamingPixels) {
    for (; (reinterpret_cast<uintptr_t>(dst + i) & 15) != 0; ++i) dst[i] = value;
    const __m128i wide = _mm_set1_epi32(int(value));
    for (; i + 8 <= count; i += 8) {
      _mm_stream_si128(reinterpret_cast<__m128i*>(dst + i), wide);
      _mm_stream_si128(reinterpret_cast<__m128i*>(dst + i + 4), wide);
    }
    _mm_sfence();
  }
#endif
  for (; i + 8 <= count; i += 8) {
    store(dst + i, quad);
    store(dst + i + 4, quad);
  }
  for (; i < count; ++i) dst[i] = value;
}

void andPixels(uint32_t* dst, const uint32_t* src, size_t count) {
  combine(dst, src, count, [](auto d, auto s) { return d & s; });
}

void orPixels(uint32_t* dst, const uint32_t* src, size_t count) {
  combine(dst, src, count, [](auto d, auto s) { return d | s; });
}

void xorPixels(uint32_t* dst, const uint32_t* src, size_t count) {
  combine(dst, src, count, [](auto d, auto s) { return d ^ s; });
}

}  // namespace kx
