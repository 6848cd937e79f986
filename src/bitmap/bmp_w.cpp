#include "bitmap/bmp_w.h"

#include <cstdlib>

#include "app/kalyx.h"
#include "bitmap/bmp_check.h"
#include "framework/owned_str.h"

CBmpW::CBmpW(CKalyx* application, int source) : app(application), nSource(source) {}

CBmpW::~CBmpW() {
  if (hdcMem) DeleteDC(hdcMem);
  if (hbm) DeleteObject(hbm);
  if (hpal) DeleteObject(hpal);
  FreeData();
  delete[] lpszFileName;
  delete[] lpszDesc;
}

int CBmpW::SetFileName(const char* name) {
  StrAssign(&lpszFileName, name);
  return name && !lpszFileName ? -991 : 0;
}

int CBmpW::Fail(const char* message, int rc) {
  if (app) app->ErrorBox(message);
  return rc;
}

int CBmpW::Load(int id, int /*unused*/) {
  resId = static_cast<WORD>(id);
  if (hbm) return 0;
  if (!hdcMem) hdcMem = CreateCompatibleDC(nullptr);
  const int rc = nSource == kFromFile ? LoadFromFile() : LoadFromResource();
  if (rc != 0) {
    if (app) app->NoticeBox("Error loading BMP from file or resource, rc %i", rc);
    return rc;
  }
  const auto* info = reinterpret_cast<const BITMAPINFO*>(lpbi);
  hbm = CreateDIBitmap(hdcMem, lpbi, CBM_INIT, lpBits, info, DIB_RGB_COLORS);
  if (!hbm) return Fail("CreateDIBitmap failed!", -1);
  // Top-down bitmaps store a negative height; the area they cover is the same.
  size = SIZE{lpbi->biWidth, std::abs(lpbi->biHeight)};
  return 0;
}

// The header is checked before the bits are trusted: the resource's size must hold the header,
// the colour table and every row the header promises.
int CBmpW::LoadFromResource() {
  FreeData();
  bFromFile = 0;
  HRSRC hrsrc = FindResourceA(app ? app->hInstance : nullptr, MAKEINTRESOURCEA(resId), RT_BITMAP);
  if (!hrsrc) return Fail("FindResource failed", -1);
  HGLOBAL hglb = LoadResource(app ? app->hInstance : nullptr, hrsrc);
  if (!hglb) return Fail("LoadResource failed", -1);
  void* data = LockResource(hglb);
  if (!data) {
    FreeResource(hglb);
    return Fail("LockResource failed", -1);
  }
  const int64_t available = SizeofResource(app ? app->hInstance : nullptr, hrsrc);
  const auto* bih = static_cast<const BITMAPINFOHEADER*>(data);
  CBmpLayout layout;
  int64_t bitsAt = 0;
  const char* fault = "BMP resource too short";
  if (available >= int64_t(sizeof(BITMAPINFOHEADER))) fault = CheckBmpHeader(*bih, &layout);
  if (!fault) {
    // A packed picture deeper than 8 bits may still carry the table its colours-used field names.
    const int64_t entries = bih->biBitCount > 8 ? int64_t(bih->biClrUsed) : layout.colors;
    bitsAt = int64_t(bih->biSize) + 4 * entries;
    if (bitsAt + layout.imageBytes > available) fault = "BMP resource too short";
  }
  if (fault) {
    FreeResource(hglb);
    return Fail(fault, -1);
  }
  hglbRes = hglb;
  lpRes = data;
  lpbi = static_cast<BITMAPINFOHEADER*>(data);
  nColors = int(layout.colors);
  lpBits = static_cast<BYTE*>(data) + bitsAt;
  return 0;
}

void CBmpW::FreeData() {
  if (bFromFile) {
    delete[] reinterpret_cast<BYTE*>(lpbi);
    delete[] lpBits;
  } else if (hglbRes) {
    FreeResource(hglbRes);
  }
  hglbRes = nullptr;
  lpRes = nullptr;
  lpbi = nullptr;
  lpBits = nullptr;
}

// Nothing loaded is drawn quietly as nothing: a screen paints many times, and its user was told
// once, when the load failed.
int CBmpW::Draw(HDC hdc, HWND hwnd, const RECT* area) {
  if (!hdc || !hbm || !lpbi || !lpBits) return -1;
  int result = 0;
  if (hpal) {
    if (!SelectPalette(hdc, hpal, FALSE)) {
      Fail("SelectPalette failed", 0);
    } else {
      RealizePalette(hdc);
    }
  }
  HGDIOBJ old = SelectObject(hdcMem, hbm);
  if (!old) result = Fail("SelectObject failed", -1);
  POINT at{0, 0};
  if (hwnd) {
    if (area) {
      rcArea = *area;
    } else {
      GetClientRect(hwnd, &rcArea);
    }
    const int areaW = rcArea.right - rcArea.left;
    const int areaH = rcArea.bottom - rcArea.top;
    at.x = size.cx <= areaW ? rcArea.left + (areaW - size.cx) / 2 : rcArea.left;
    at.y = size.cy <= areaH ? rcArea.top + (areaH - size.cy) / 2 : rcArea.top;
  }
  const auto* info = reinterpret_cast<const BITMAPINFO*>(lpbi);
  if (SetDIBitsToDevice(hdc, at.x, at.y, DWORD(size.cx), DWORD(size.cy), 0, 0, 0, UINT(size.cy), lpBits, info,
                        DIB_RGB_COLORS) == 0) {
    result = -1;
  }
  if (old) SelectObject(hdcMem, old);
  return result;
}
