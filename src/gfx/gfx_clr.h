// One colour of the console, from which pens and brushes are made on demand.
#pragma once

#include <windows.h>

class CGfxClr {
 public:
  CGfxClr() = default;
  virtual ~CGfxClr() = default;
  CGfxClr(const CGfxClr&) = delete;
  CGfxClr& operator=(const CGfxClr&) = delete;

  // Each component keeps only its low 8 bits, so 300 becomes 44 and -1 becomes 255.
  int SetRGB(int r, int g, int b);
  COLORREF GetRGB() const { return rgb; }

  // The caller owns the new object: select it, select the previous one back, then DeleteObject.
  HPEN MakePen(int width) const;
  HBRUSH MakeBrush() const;

  // Mid grey until the application sets the slot, so an unset colour is visible but not glaring.
  COLORREF rgb = 0x808080;
};
