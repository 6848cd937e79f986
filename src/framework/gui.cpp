#include "framework/gui.h"

#include <cstdarg>
#include <cstring>

#include "framework/str_format.h"

BGui::~BGui() {
  if (hfontDlg != nullptr) DeleteObject(hfontDlg);
  if (hbrDlg != nullptr) DeleteObject(hbrDlg);
}

int BGui::SetMainWindow(HWND hwnd) {
  hwndMain = hwnd;
  hwndOwner = hwnd;
  HDC hdc = GetDC(hwnd);
  if (hdc != nullptr) {
    GetTextMetricsA(hdc, &tm);
    ReleaseDC(hwnd, hdc);
  }
  return 1;
}

int BGui::ErrorBox(const char* text) {
  return MessageBoxA(hwndOwner, text, "Error!", MB_ICONEXCLAMATION);
}

void BGui::NoticeBox(const char* format, ...) {
  char* text = nullptr;
  va_list args;
  va_start(args, format);
  int rc = StrFormatV(&text, format, args);
  va_end(args);
  MessageBoxA(hwndOwner, rc == 0 ? text : "(error displaying notice)", "Notice", MB_ICONINFORMATION);
  delete[] text;
}

int BGui::PrepareDialog(HWND hwndDlg) {
  int logPixelsY = 0;
  HDC hdc = GetDC(hwndDlg);
  if (hdc != nullptr) {
    logPixelsY = GetDeviceCaps(hdc, LOGPIXELSY);
    ReleaseDC(hwndDlg, hdc);
  }
  if (logPixelsY != 0) {
    LOGFONTA lf{};
    lf.lfHeight = -MulDiv(8, logPixelsY, 72);
    std::strcpy(lf.lfFaceName, "MS Sans Serif");
    HFONT font = CreateFontIndirectA(&lf);
    // Each dialog opening prepares again; the font of the previous opening is no longer used.
    if (font != nullptr) {
      if (hfontDlg != nullptr) DeleteObject(hfontDlg);
      hfontDlg = font;
    }
  }
  if (hbrDlg == nullptr) hbrDlg = CreateSolidBrush(RGB(192, 192, 192));
  return 0;
}

int MemoryErrorBox(const char* diagnostic) {
  MessageBoxA(nullptr, "Memory Error;\nCannot alloc storage", "System Error", MB_ICONHAND);
  if (diagnostic != nullptr)
    MessageBoxA(nullptr, diagnostic, "Memory Error - Diagnostic", MB_ICONINFORMATION);
  return 0;
}

namespace {

void DrawPenLines(HDC hdc, COLORREF colour, const POINT (&points)[3]) {
  HPEN pen = CreatePen(PS_SOLID, 1, colour);
  HGDIOBJ old = SelectObject(hdc, pen);
  MoveToEx(hdc, points[0].x, points[0].y, nullptr);
  LineTo(hdc, points[1].x, points[1].y);
  LineTo(hdc, points[2].x, points[2].y);
  SelectObject(hdc, old);
  DeleteObject(pen);
}

}  // namespace

void DrawBevel(HWND hwnd, int left, int top, int right, int bottom, int n) {
  if (n == 0) return;
  HDC hdc = GetDC(hwnd);
  if (hdc == nullptr) return;
  const COLORREF white = RGB(255, 255, 255);
  const COLORREF grey = RGB(127, 127, 127);
  COLORREF first = n < 0 ? white : grey;
  COLORREF second = n < 0 ? grey : white;
  int frames = n < 0 ? -n : n;
  for (int i = 0; i < frames; ++i) {
    DrawPenLines(hdc, first, {{left, bottom}, {left, top}, {right, top}});
    DrawPenLines(hdc, second, {{left, bottom}, {right, bottom}, {right, top}});
    ++left;
    ++top;
    --right;
    --bottom;
  }
  ReleaseDC(hwnd, hdc);
}
