// Bitmaps: compatible bitmaps, bitmaps made from DIBs, and DIB rows set straight onto a DC.
#include <windows.h>

#include <algorithm>

#include "gdi/dc.h"
#include "gdi/dib_reader.h"
#include "gdi/gdi_objects.h"
#include "kernel/api_boundary.h"

using namespace kx;

namespace {

constexpr int64_t kMaxBitmapPixels = int64_t(1) << 26;

// The bits a pixel of bitmaps compatible with this DC: a memory DC's are its bitmap's.
int compatibleBits(DcObject& dc) {
  if (!dc.isMemory()) return 32;
  auto* bitmap = lookup<BitmapObject>(dc.state.bitmap);
  return bitmap ? bitmap->bitsPixel : 32;
}

HBITMAP createBitmap(int width, int height, int bitsPixel) {
  if (width <= 0 || height <= 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  // More pixels than the layer gives a bitmap is memory it does not have.
  if (int64_t(width) * height > kMaxBitmapPixels) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  return failSafe<HBITMAP>(nullptr, [&] {
    return static_cast<HBITMAP>(
        HandleTable::instance().add(std::make_unique<BitmapObject>(width, height, bitsPixel)));
  });
}

}  // namespace

HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int cx, int cy) {
  DcObject* dc = findDc(hdc);
  if (!dc) return nullptr;
  return createBitmap(cx, cy, compatibleBits(*dc));
}

HBITMAP WINAPI CreateDIBitmap(HDC hdc, const BITMAPINFOHEADER* pbmih, DWORD flInit, const void* pjBits,
                              const BITMAPINFO* pbmi, UINT iUsage) {
  DcObject* dc = hdc ? findDc(hdc) : nullptr;
  if ((hdc && !dc) || !pbmih) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  DibReader dib;
  if ((flInit & CBM_INIT) && !dib.open(pbmi, pjBits, iUsage)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  const int64_t height = pbmih->biHeight < 0 ? -int64_t(pbmih->biHeight) : pbmih->biHeight;
  HBITMAP handle =
      createBitmap(pbmih->biWidth, int(std::min<int64_t>(height, INT32_MAX)), dc ? compatibleBits(*dc) : 32);
  if (!handle || !(flInit & CBM_INIT)) return handle;
  auto* bitmap = lookup<BitmapObject>(handle);
  const int rows = std::min(bitmap->height, dib.height()), cols = std::min(bitmap->width, dib.width());
  for (int y = 0; y < rows; ++y) {
    // Bottom-up DIBs store the lowest row first.
    const int64_t stored = dib.bottomUp() ? dib.height() - 1 - y : y;
    uint32_t* line = bitmap->pixels.data() + int64_t(y) * bitmap->width;
    for (int x = 0; x < cols; ++x) line[x] = dib.pixel(stored, x);
  }
  bitmap->plain.add(RECT{0, 0, cols, rows});
  return handle;
}

int WINAPI SetDIBitsToDevice(HDC hdc, int xDest, int yDest, DWORD w, DWORD h, int xSrc, int ySrc,
                             UINT StartScan, UINT cLines, const void* lpvBits, const BITMAPINFO* lpbmi,
                             UINT ColorUse) {
  DcObject* dc = findDc(hdc);
  DibReader dib;
  if (!dc) return 0;
  if (!dib.open(lpbmi, lpvBits, ColorUse)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const int64_t height = dib.height();
  if (int64_t(StartScan) >= height) return 0;
  const int64_t lines = std::min<int64_t>(cLines, height - StartScan);
  if (lines <= 0) return 0;
  // Scan lines count from the bottom; the bits hold lines StartScan .. StartScan + lines - 1.
  const int64_t width = std::min<int64_t>(w, dib.width()), rows = std::min<int64_t>(h, height);
  drawOn(*dc, [&](Raster& raster) {
    for (int64_t j = 0; j < rows; ++j) {
      const int64_t scan = int64_t(ySrc) + rows - 1 - j;  // the destination's top row is the highest line
      if (scan < int64_t(StartScan) || scan >= int64_t(StartScan) + lines) continue;
      // Bottom-up bits start with the lowest line they hold, top-down bits with the highest.
      const int64_t stored = dib.bottomUp() ? scan - StartScan : int64_t(StartScan) + lines - 1 - scan;
      const int64_t y = int64_t(yDest) + j;
      if (y < raster.clipTop() || y >= raster.clipBottom()) continue;
      for (int64_t i = 0; i < width; ++i) {
        const int64_t sx = int64_t(xSrc) + i;
        if (sx < 0 || sx >= dib.width()) continue;
        raster.setPixel(int64_t(xDest) + i, y, dib.pixel(stored, sx));
      }
    }
  });
  return int(lines);
}
