// The one marker canvas of the pixel tests: a memory DC over a 32-bit bitmap, pre-filled with a
// marker colour so stray writes show.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "support/memory_frame.h"

namespace kx::test {

constexpr COLORREF kMarker = RGB(1, 2, 3);
constexpr COLORREF kPen = RGB(255, 0, 0);
constexpr COLORREF kBrush = RGB(0, 0, 255);

// Fills a rectangle of a DC with one colour through a brush of its own.
inline void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

class MarkerCanvas {
 public:
  MarkerCanvas(int width, int height) : m_width(width), m_height(height), m_frame(width, height) {
    clear(kMarker);
  }

  HDC dc() const { return m_frame.dc(); }
  HBITMAP bitmap() const { return m_frame.bitmap(); }
  int width() const { return m_width; }
  int height() const { return m_height; }

  void clear(COLORREF color) { FillSolid(m_frame.dc(), RECT{0, 0, m_width, m_height}, color); }
  COLORREF at(int x, int y) const { return GetPixel(m_frame.dc(), x, y); }

  // Selects a pen and brush for the shape tests (red pen, blue brush) and restores them after.
  template <class DrawFn>
  void withTools(int penStyle, int penWidth, DrawFn&& draw, HBRUSH brush = nullptr) {
    HPEN pen = CreatePen(penStyle, penWidth, kPen);
    HBRUSH ownBrush = brush ? nullptr : CreateSolidBrush(kBrush);
    HGDIOBJ oldPen = SelectObject(m_frame.dc(), pen);
    HGDIOBJ oldBrush = SelectObject(m_frame.dc(), brush ? brush : ownBrush);
    draw(m_frame.dc());
    SelectObject(m_frame.dc(), oldPen);
    SelectObject(m_frame.dc(), oldBrush);
    DeleteObject(pen);
    if (ownBrush) DeleteObject(ownBrush);
  }

  // One character a pixel: '.' marker, 'P' pen, 'B' brush, '?' anything else.
  std::vector<std::string> picture(int width, int height) const {
    std::vector<std::string> rows;
    for (int y = 0; y < height; ++y) {
      std::string row;
      for (int x = 0; x < width; ++x) {
        const COLORREF c = at(x, y);
        row.push_back(c == kMarker ? '.' : c == kPen ? 'P' : c == kBrush ? 'B' : '?');
      }
      rows.push_back(row);
    }
    return rows;
  }

 private:
  int m_width, m_height;
  MemoryFrame m_frame;
};

struct Probe {
  int x, y;
  COLORREF expected;
};

}  // namespace kx::test
