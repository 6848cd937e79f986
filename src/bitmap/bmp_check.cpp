#include "bitmap/bmp_check.h"

namespace {

// The information header and its later, longer versions; the colour table follows each of them.
constexpr DWORD kHeaderSizes[] = {40, 52, 56, 108, 124};

bool KnownHeaderSize(DWORD size) {
  for (DWORD known : kHeaderSizes) {
    if (size == known) return true;
  }
  return false;
}

bool KnownDepth(int bits) {
  return bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
}

// A table for every index the depth can hold unless the colours-used field names fewer; deeper
// pictures carry their colours in the pixels and use no table.
int64_t TableEntries(const BITMAPINFOHEADER& bih) {
  if (bih.biBitCount > 8) return 0;
  return bih.biClrUsed ? int64_t(bih.biClrUsed) : int64_t(1) << bih.biBitCount;
}

}  // namespace

const char* CheckBmpHeader(const BITMAPINFOHEADER& bih, CBmpLayout* layout) {
  if (!KnownHeaderSize(bih.biSize)) return "BMP header size not supported";
  if (bih.biPlanes != 1) return "BMP planes not 1";
  if (!KnownDepth(bih.biBitCount)) return "BMP bits per pixel not supported";
  if (bih.biCompression != BI_RGB) return "BMP compression not supported";
  const int64_t width = bih.biWidth;
  const int64_t height = bih.biHeight < 0 ? -int64_t(bih.biHeight) : int64_t(bih.biHeight);
  if (width <= 0 || height <= 0 || width * height > kBmpMaxPixels) return "BMP width or height out of range";
  if (bih.biBitCount <= 8 && bih.biClrUsed > (DWORD(1) << bih.biBitCount))
    return "BMP colour table too large";
  CBmpLayout found;
  found.colors = TableEntries(bih);
  found.stride = (width * bih.biBitCount + 31) / 32 * 4;
  found.imageBytes = found.stride * height;
  // Zero is allowed for uncompressed pictures; a stated size below the rows is a lie.
  if (bih.biSizeImage != 0 && int64_t(bih.biSizeImage) < found.imageBytes) return "BMP image size too small";
  if (layout) *layout = found;
  return nullptr;
}
