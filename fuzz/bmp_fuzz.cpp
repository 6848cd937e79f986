// The .bmp file loader and SetDIBitsToDevice on any bytes: whatever the file says, loading either
// refuses it or gives a bitmap whose every row lies inside the bits read, and drawing it, centred
// in a fuzzed area or with fuzzed source and scan-line arguments, stays inside the bits and the
// destination.
#include <fuzzer/FuzzedDataProvider.h>
#include <kx/platform.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bitmap/bmp_check.h"
#include "bitmap/bmp_w.h"

namespace {

constexpr int kFrame = 64;

struct Target {
  std::string path;
  HDC dc = nullptr;
};

Target& target() {
  static Target t;
  return t;
}

void writeFile(const std::string& path, const uint8_t* data, size_t size) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) std::abort();
  if (size && std::fwrite(data, 1, size, file) != size) std::abort();
  std::fclose(file);
}

// How to draw: an area for Draw, and the arguments of a direct SetDIBitsToDevice call on part of
// the picture, from a source corner, with the bits holding only some of its scan lines.
struct DrawArgs {
  RECT area;
  bool inWindow;
  int w, h, xDest, yDest, xSrc, ySrc;
  uint8_t start, lines;  // reduced to the picture's rows once it is loaded
};

// Thirteen bytes from the end of the input, one an argument; the seeds end in them.
DrawArgs consumeArgs(FuzzedDataProvider& input) {
  DrawArgs args{};
  const int left = input.ConsumeIntegralInRange(-kFrame, kFrame);
  const int top = input.ConsumeIntegralInRange(-kFrame, kFrame);
  args.area = RECT{left, top, left + input.ConsumeIntegralInRange(0, 2 * kFrame),
                   top + input.ConsumeIntegralInRange(0, 2 * kFrame)};
  args.inWindow = input.ConsumeBool();
  args.w = input.ConsumeIntegralInRange(0, 2 * kFrame);
  args.h = input.ConsumeIntegralInRange(0, 2 * kFrame);
  args.xDest = input.ConsumeIntegralInRange(-kFrame, kFrame);
  args.yDest = input.ConsumeIntegralInRange(-kFrame, kFrame);
  args.xSrc = input.ConsumeIntegralInRange(-kFrame, kFrame);
  args.ySrc = input.ConsumeIntegralInRange(-kFrame, kFrame);
  args.start = input.ConsumeIntegral<uint8_t>();
  args.lines = input.ConsumeIntegral<uint8_t>();
  return args;
}

void drawDirect(const CBmpW& bmp, const DrawArgs& args) {
  const UINT rows = UINT(bmp.GetSize()->cy);
  const UINT start = args.start % (rows + 1);
  // The bits hold the picture's rows from the lowest up, so they hold any lines counted from 0.
  const UINT lines = args.lines % (rows - start + 1);
  const int set = SetDIBitsToDevice(target().dc, args.xDest, args.yDest, DWORD(args.w), DWORD(args.h),
                                    args.xSrc, args.ySrc, start, lines, bmp.lpBits,
                                    reinterpret_cast<const BITMAPINFO*>(bmp.lpbi), DIB_RGB_COLORS);
  if (set < 0 || UINT(set) > lines) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  kx::PlatformOptions options;
  options.width = kFrame;
  options.height = kFrame;
  if (!kx::startPlatform(options).empty()) std::abort();
  const char* shm = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
  target().path = std::string(shm) + "/kalyx-bmp-fuzz-" + std::to_string(getpid()) + ".bmp";
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = kFrame;
  header.biHeight = kFrame;
  header.biPlanes = 1;
  header.biBitCount = 32;
  target().dc = CreateCompatibleDC(nullptr);
  SelectObject(target().dc, CreateDIBitmap(nullptr, &header, 0, nullptr, nullptr, DIB_RGB_COLORS));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const DrawArgs args = consumeArgs(input);
  const std::string file = input.ConsumeRemainingBytesAsString();
  writeFile(target().path, reinterpret_cast<const uint8_t*>(file.data()), file.size());

  // Without an application the loader reports nothing, which keeps millions of runs quiet.
  CBmpW bmp(nullptr, CBmpW::kFromFile);
  bmp.SetFileName(target().path.c_str());
  if (bmp.Load(0, 0) != 0) {
    if (bmp.hbm) std::abort();  // a refused file leaves no bitmap
    return 0;
  }
  CBmpLayout layout;
  if (!bmp.lpbi || !bmp.lpBits || CheckBmpHeader(*bmp.lpbi, &layout) != nullptr) std::abort();
  if (bmp.nImageBytes != layout.imageBytes || bmp.GetSize()->cx <= 0 || bmp.GetSize()->cy <= 0) std::abort();
  bmp.Draw(target().dc, args.inWindow ? GetDesktopWindow() : nullptr, &args.area);
  drawDirect(bmp, args);
  return 0;
}
