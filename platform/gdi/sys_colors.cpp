// System colours: the classic Windows scheme, and one never-deleted brush for each.
#include <windows.h>

#include <array>

#include "gdi/gdi_objects.h"

namespace {

constexpr int kSysColorCount = 31;

constexpr std::array<COLORREF, kSysColorCount> kSysColors = {
    RGB(192, 192, 192), RGB(0, 128, 128),   RGB(0, 0, 128),     RGB(128, 128, 128), RGB(192, 192, 192),
    RGB(255, 255, 255), RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(255, 255, 255),
    RGB(192, 192, 192), RGB(192, 192, 192), RGB(128, 128, 128), RGB(0, 0, 128),     RGB(255, 255, 255),
    RGB(192, 192, 192), RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0),       RGB(192, 192, 192),
    RGB(255, 255, 255), RGB(0, 0, 0),       RGB(223, 223, 223), RGB(0, 0, 0),       RGB(255, 255, 225),
    RGB(180, 180, 180), RGB(0, 0, 255),     RGB(16, 132, 208),  RGB(128, 128, 128), RGB(0, 0, 128),
    RGB(192, 192, 192)};

}  // namespace

DWORD WINAPI GetSysColor(int nIndex) {
  return nIndex >= 0 && nIndex < kSysColorCount ? kSysColors[size_t(nIndex)] : 0;
}

HBRUSH WINAPI GetSysColorBrush(int nIndex) {
  if (nIndex < 0 || nIndex >= kSysColorCount) return nullptr;
  static std::array<HBRUSH, kSysColorCount> brushes{};
  HBRUSH& brush = brushes[size_t(nIndex)];
  if (!brush) {
    // System colour brushes belong to the system: DeleteObject leaves them alone.
    brush = CreateSolidBrush(kSysColors[size_t(nIndex)]);
    if (auto* object = kx::HandleTable::instance().find(brush)) object->markStock();
  }
  return brush;
}
