// A memory DC over a 32-bit bitmap of its own, for drawing off screen: the bitmap stays selected
// for the frame's whole life and both go when it does.
#pragma once

#include <windows.h>

namespace kx::test {

// The header of a 32-bit DIB of width x height pixels; a negative height stores the rows top-down.
inline BITMAPINFO Dib32(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  return info;
}

class MemoryFrame {
 public:
  MemoryFrame(int width, int height) {
    const BITMAPINFOHEADER header = Dib32(width, height).bmiHeader;
    m_dc = CreateCompatibleDC(nullptr);
    m_bitmap = CreateDIBitmap(nullptr, &header, 0, nullptr, nullptr, DIB_RGB_COLORS);
    m_old = SelectObject(m_dc, m_bitmap);
  }
  ~MemoryFrame() {
    SelectObject(m_dc, m_old);
    DeleteObject(m_bitmap);
    DeleteDC(m_dc);
  }
  MemoryFrame(const MemoryFrame&) = delete;
  MemoryFrame& operator=(const MemoryFrame&) = delete;

  HDC dc() const { return m_dc; }
  HBITMAP bitmap() const { return m_bitmap; }

 private:
  HDC m_dc = nullptr;
  HBITMAP m_bitmap = nullptr;
  HGDIOBJ m_old = nullptr;
};

}  // namespace kx::test
