// Scoped helpers for the drawing discipline every shape follows: take a window context when none
// is given, and select freshly made pens and brushes only for the length of one drawing call.
#pragma once

#include <windows.h>

// A shape's Draw may be given a null context; it then draws through the window's own context,
// which it must release before returning.
class CGfxDc {
 public:
  CGfxDc(HWND hwnd, HDC hdc) : hwndOwner(hwnd), hdcUsed(hdc ? hdc : GetDC(hwnd)), isTaken(hdc == nullptr) {}
  ~CGfxDc() {
    if (isTaken && hdcUsed) ReleaseDC(hwndOwner, hdcUsed);
  }
  CGfxDc(const CGfxDc&) = delete;
  CGfxDc& operator=(const CGfxDc&) = delete;

  operator HDC() const { return hdcUsed; }

 private:
  HWND hwndOwner;
  HDC hdcUsed;
  bool isTaken;
};

// Owns a pen, brush or font made for one drawing call: selects it into the context and, when the
// scope ends, selects the previous object back before deleting the new one (a selected object
// must never be deleted). A null object, as made by a failed creation, is neither selected nor
// deleted, so drawing goes on with whatever the context holds.
class CGfxSel {
 public:
  CGfxSel(HDC hdc, HGDIOBJ obj)
      : hdcSel(hdc), hobjNew(obj), hobjOld(obj ? SelectObject(hdc, obj) : nullptr) {}
  ~CGfxSel() {
    if (hobjOld) SelectObject(hdcSel, hobjOld);
    if (hobjNew) DeleteObject(hobjNew);
  }
  CGfxSel(const CGfxSel&) = delete;
  CGfxSel& operator=(const CGfxSel&) = delete;

 private:
  HDC hdcSel;
  HGDIOBJ hobjNew;
  HGDIOBJ hobjOld;
};
