// One field coil of a warp nacelle: two blocks one above the other, a crossbar over the gap
// between them and a small window in the crossbar.
#pragma once

#include <windows.h>

class CKalyx;
class CImgWarpNacelle;

class CFieldCoil {
 public:
  CFieldCoil(CKalyx* app, CImgWarpNacelle* nacelle) : app(app), nacelle(nacelle) {}
  virtual ~CFieldCoil() = default;
  CFieldCoil(const CFieldCoil&) = delete;
  CFieldCoil& operator=(const CFieldCoil&) = delete;

  int SetRect(const RECT& rc);
  // Draws with the nacelle's pen and brush, which must be selected; a highlighted coil outlines
  // its blocks in colour slot 9. -1 for a coil without a nacelle.
  int Draw(HDC hdc, bool highlighted);

  CKalyx* app;               // not owned
  CImgWarpNacelle* nacelle;  // the owner, not owned
  RECT box{0, 0, 0, 0};
  RECT blockBox{0, 0, 0, 0};  // box narrowed by a tenth of its width each side
  RECT barBox{0, 0, 0, 0};    // one pixel wider than box each side, 20 % of its height
};
