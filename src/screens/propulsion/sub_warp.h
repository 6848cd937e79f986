// The warp panel: the port nacelle along the top, the starboard nacelle along the bottom, the core
// at the right, hatched conduits from the core to a junction and on to both nacelles whose stripes
// creep on every tick, and between the nacelles a bracketed read-out of coil pair, field strength,
// variance and temperature of each nacelle.
#pragma once

#include <windows.h>

#include "display/sub_disp.h"
#include "gfx/gfx_bend.h"
#include "gfx/gfx_rect.h"
#include "gfx/gfx_round.h"
#include "screens/propulsion/img_warp_core.h"
#include "screens/propulsion/img_warp_nacelle.h"

class CSubWarp : public CSubDisp {
 public:
  explicit CSubWarp(CKalyx* app);
  ~CSubWarp() override;

  // Lays the figures, conduits and read-out out in the window's client area. 0, or -991 when a
  // figure cannot be created.
  int SetUp() override;
  // Step 1 moves the conduits' stripes in place; every other step 2 repaints the whole panel and
  // then moves the highlight of one nacelle, port and starboard in turn.
  int Animate(int step) override;
  // The whole panel, composed off screen and copied in one piece.
  int Paint(HWND hwnd, HDC hdc) override;
  // Advances the shared phase, then fills the conduits with stripes on that phase.
  void DrawConduits(HDC hdc);
  // One column of the read-out for the nacelle: its name, coil pair, field strength, variance and
  // temperature, one a line, in a buffer of kColumnSize.
  void FormatColumn(char* column, const char* name, const CImgWarpNacelle& nacelle) const;

  static constexpr int kColumnSize = 256;

  int width = 0;
  int height = 0;
  int midY = 0;
  RECT clientRect{0, 0, 0, 0};
  int unitX = 2;
  int unitY = 2;
  int nacelleLength = 0;
  int nacelleThickness = 0;
  RECT portBox{0, 0, 0, 0};
  RECT starboardBox{0, 0, 0, 0};
  RECT coreBox{0, 0, 0, 0};
  int junctionX = 0;
  int portConduitEnd = 0;
  int starboardConduitEnd = 0;
  int coreConduitEnd = 0;
  RECT readoutBox{0, 0, 0, 0};
  int nextNacelle = 1;  // 1 port steps next, 2 starboard

  CImgWarpCore* core = nullptr;  // owned, as are the nacelles
  CImgWarpNacelle* port = nullptr;
  CImgWarpNacelle* starboard = nullptr;
  CGfxBend bendTop{3};
  CGfxHlfRnd capTop{2};
  CGfxBend bendBottom{1};
  CGfxHlfRnd capBottom{2};
  CGfxRect spine;

  // Shared by every warp panel of the process and never reset, so the stripes and the rhythm of
  // the repaints carry on where they were when the screen comes round again.
  static int conduitPhase;  // 0 at start; each drawing of the conduits moves it by -2 modulo 7
  static int secondCount;   // whole seconds since the last repaint; 999 so the first one repaints

 private:
  void DeleteFigures();
  int CreateFigures();
  void LayOutNacelles();
  void LayOutBracket();
  void DrawReadout(HWND hwnd, HDC hdc);
  void DrawColumn(HDC hdc, RECT& rc, const char* name, const CImgWarpNacelle* nacelle) const;
};
