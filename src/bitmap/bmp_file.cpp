// The file loader of CBmpW. A .bmp file comes from the user, so no size in it is trusted: the
// headers are checked, and every block is read in full from where the file says it is, inside the
// file's real length, before anything is drawn from it.
#include <cstring>
#include <new>

#include "app/kalyx.h"
#include "bitmap/bmp_check.h"
#include "bitmap/bmp_w.h"

namespace {

constexpr int kFileHeaderBytes = 14;
constexpr int kErrAlloc = -991;

// Closes the file on every way out of the loader.
class CFileIn {
 public:
  explicit CFileIn(const char* name)
      : hFile(name ? CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr)
                   : INVALID_HANDLE_VALUE) {}
  ~CFileIn() {
    if (IsOpen()) CloseHandle(hFile);
  }
  CFileIn(const CFileIn&) = delete;
  CFileIn& operator=(const CFileIn&) = delete;

  bool IsOpen() const { return hFile != INVALID_HANDLE_VALUE; }
  // The file's length; files of 4 GB or more count as too long to be a picture we read.
  int64_t Length() const {
    DWORD high = 0;
    const DWORD low = GetFileSize(hFile, &high);
    return high != 0 || low == INVALID_FILE_SIZE ? -1 : int64_t(low);
  }
  // True only when all count bytes arrived.
  bool Read(void* into, int64_t count) {
    DWORD got = 0;
    return ReadFile(hFile, into, DWORD(count), &got, nullptr) && int64_t(got) == count;
  }
  bool Seek(int64_t at) { return SetFilePointer(hFile, LONG(at), nullptr, FILE_BEGIN) == DWORD(at); }

 private:
  HANDLE hFile;
};

uint32_t LittleEndian32(const BYTE* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

}  // namespace

int CBmpW::LoadFromFile() {
  FreeData();
  bFromFile = 1;
  CFileIn file(lpszFileName);
  if (!file.IsOpen()) return Fail("File open failed", -1);
  const int64_t length = file.Length();

  BYTE fileHeader[kFileHeaderBytes] = {};
  if (!file.Read(fileHeader, kFileHeaderBytes)) return Fail("Error reading BMP file - FileHeader", -1);
  if (fileHeader[0] != 'B' || fileHeader[1] != 'M') return Fail("Not a BMP file", -1);
  // Only the low 16 bits of the offset were ever used, which is right only while the offset is
  // below 64 KB; a larger one is refused rather than read from the wrong place.
  const uint32_t offBits = LittleEndian32(fileHeader + 10);
  if (offBits > 0xFFFF || int64_t(offBits) > length) return Fail("BMP pixel offset out of range", -1);

  BITMAPINFOHEADER bih{};
  if (!file.Read(&bih, sizeof bih)) return Fail("Error reading BMP file - InfoHeader", -1);
  CBmpLayout layout;
  if (const char* fault = CheckBmpHeader(bih, &layout)) return Fail(fault, -1);
  const int64_t infoBytes = int64_t(bih.biSize) + 4 * layout.colors;
  if (kFileHeaderBytes + infoBytes > offBits) return Fail("BMP colour table overlaps the pixels", -1);
  if (offBits + layout.imageBytes > length) return Fail("BMP file shorter than its image", -1);

  lpbi = reinterpret_cast<BITMAPINFOHEADER*>(new (std::nothrow) BYTE[infoBytes]());
  if (!lpbi) return Fail("Cannot alloc Bitmap Info Header", kErrAlloc);
  std::memcpy(lpbi, &bih, sizeof bih);
  // The rest of a longer header, then the colour table.
  if (!file.Read(reinterpret_cast<BYTE*>(lpbi) + sizeof bih, infoBytes - int64_t(sizeof bih))) {
    return Fail("Error reading BMP file - InfoHeader", -1);
  }
  nColors = int(layout.colors);

  lpBits = new (std::nothrow) BYTE[layout.imageBytes]();
  if (!lpBits) return Fail("Cannot alloc Bitmap Image Bytes", kErrAlloc);
  nImageBytes = int(layout.imageBytes);
  if (!file.Seek(offBits) || !file.Read(lpBits, layout.imageBytes)) {
    return Fail("Error reading BMP file - Image bytes", -1);
  }
  return 0;
}
