// GDI fills, blits and a wire-frame sphere on a 3840 x 2160 frame, next to memset and memcpy of
// the same bytes for scale.
#include <windows.h>

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <numbers>
#include <vector>

#include "support/memory_frame.h"

namespace {

constexpr int kWidth = 3840;
constexpr int kHeight = 2160;
constexpr size_t kBytes = size_t(kWidth) * kHeight * 4;

// A memory DC holding a 32-bit frame of the benchmark's size. A bitmap knows which of its pixels
// were drawn on since its last whole fill and spares work on the rest; a pixel set at two opposite
// corners makes the whole frame count as drawn on, so fills and blits go through every pixel.
class Frame : public kx::test::MemoryFrame {
 public:
  Frame() : MemoryFrame(kWidth, kHeight) {
    SetPixel(dc(), 0, 0, RGB(1, 2, 3));
    SetPixel(dc(), kWidth - 1, kHeight - 1, RGB(1, 2, 3));
  }
};

void BM_Memset(benchmark::State& state) {
  std::vector<uint8_t> buffer(kBytes);
  for (auto _ : state) {
    std::memset(buffer.data(), 0x5A, kBytes);
    benchmark::DoNotOptimize(buffer.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Memset)->Unit(benchmark::kMillisecond);

void BM_Memcpy(benchmark::State& state) {
  std::vector<uint8_t> from(kBytes, 1), to(kBytes);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), kBytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);

// Two colours in turn: a whole fill in the colour the frame has throughout already changes nothing.
void BM_FillRect(benchmark::State& state) {
  Frame frame;
  HBRUSH brushes[2] = {CreateSolidBrush(RGB(10, 200, 30)), CreateSolidBrush(RGB(30, 10, 200))};
  const RECT all{0, 0, kWidth, kHeight};
  int turn = 0;
  for (auto _ : state) FillRect(frame.dc(), &all, brushes[turn++ & 1]);
  for (HBRUSH brush : brushes) DeleteObject(brush);
}
BENCHMARK(BM_FillRect)->Unit(benchmark::kMillisecond);

void blitBenchmark(benchmark::State& state, DWORD rop) {
  Frame from, to;
  for (auto _ : state) BitBlt(to.dc(), 0, 0, kWidth, kHeight, from.dc(), 0, 0, rop);
}
void BM_BitBltSrcCopy(benchmark::State& state) {
  blitBenchmark(state, SRCCOPY);
}
void BM_BitBltSrcAnd(benchmark::State& state) {
  blitBenchmark(state, SRCAND);
}
void BM_BitBltSrcPaint(benchmark::State& state) {
  blitBenchmark(state, SRCPAINT);
}
BENCHMARK(BM_BitBltSrcCopy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BitBltSrcAnd)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BitBltSrcPaint)->Unit(benchmark::kMillisecond);

// 72 meridians as half-ellipse arcs and 16 parallels as flattened ellipses, radius 2000.
void BM_WireSphere(benchmark::State& state) {
  Frame frame;
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 200, 0));
  HGDIOBJ old = SelectObject(frame.dc(), pen);
  const int radius = 2000, cx = kWidth / 2, cy = kHeight / 2;
  for (auto _ : state) {
    for (int i = 0; i < 72; ++i) {
      const double angle = i * 5 * std::numbers::pi / 180;
      const int half = int(std::abs(radius * std::cos(angle)));
      const bool front = std::sin(angle) >= 0;
      // From the top counter-clockwise to the bottom is the left half; the other way the right.
      if (front) {
        Arc(frame.dc(), cx - half, cy - radius, cx + half + 1, cy + radius + 1, cx, cy - radius, cx,
            cy + radius);
      } else {
        Arc(frame.dc(), cx - half, cy - radius, cx + half + 1, cy + radius + 1, cx, cy + radius, cx,
            cy - radius);
      }
    }
    for (int j = 0; j < 16; ++j) {
      const double latitude = (-80 + j * 160.0 / 15) * std::numbers::pi / 180;
      const int r = int(radius * std::cos(latitude)), y = cy + int(radius * std::sin(latitude));
      const int h = r / 5;
      Arc(frame.dc(), cx - r, y - h, cx + r + 1, y + h + 1, cx + r, y, cx + r, y);
    }
  }
  SelectObject(frame.dc(), old);
  DeleteObject(pen);
}
BENCHMARK(BM_WireSphere)->Unit(benchmark::kMillisecond);

}  // namespace
