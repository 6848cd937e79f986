// The standard console frame shared by the framed screens: a wide left column with a top block and
// four bottom blocks, two bends into two rows of thin bars at 35 % of the height, four ovals in the
// top-right corner and a right-aligned title. It lays out the two panel rectangles the derived
// screen fills, and runs the colour cycling of frame shapes.
#pragma once

#include <windows.h>

#include <array>
#include <initializer_list>

#include "display/anim_shp.h"
#include "display/display.h"
#include "framework/owned_list.h"
#include "gfx/gfx_bend.h"
#include "gfx/gfx_oval.h"
#include "gfx/gfx_rect.h"

class CSubDisp;
class CSubNbrs;

// One record of a colour cycle: the shape keeps a colour for ticks + 1 whole seconds.
struct CCycleStep {
  int ticks;
  int slot;  // colour slot of the application's table
};

class CDispStd : public CDisplay {
 public:
  static constexpr int kFrameShapes = 19;

  explicit CDispStd(CKalyx* app);
  ~CDispStd() override;

  int SetUp() override;
  // The title, then every frame shape; straight into the window's context, no off-screen copy.
  int Paint(HWND hwnd, HDC hdc) override;
  // -1 and nothing drawn without a title or a context.
  int DrawTitle(HDC hdc);

  // Places the frame shapes and the panel, title and oval rectangles from width, height, unitX
  // and unitY; SetUp calls it after reading the client size.
  void LayOutFrame();

  // The frame shapes in painting order; derived screens colour them by slot.
  std::array<CGfxShape*, kFrameShapes> Shapes();

  RECT rcUpper{0, 0, 0, 0};
  RECT rcLower{0, 0, 0, 0};
  RECT rcTitle{0, 0, 0, 0};
  RECT rcOvals{0, 0, 0, 0};
  const char* title = nullptr;    // a literal of the derived screen
  COwnedList<CAnimShp> animList;  // the colour cycles

  CGfxRect colTop;
  CGfxBend bendUpper{1};
  CGfxBend bendLower{3};
  CGfxRect colBlock1, colBlock2, colBlock3, colBlock4;
  CGfxRect barUpper1, barLower1, barUpper2, barLower2, barUpper3, barLower3, barUpper4, barLower4;
  CGfxOval ovalTopLeft, ovalBottomLeft, ovalTopRight, ovalBottomRight;

 protected:
  // Colours the frame shapes, in the order of Shapes(), from a table of colour slots.
  void ColorFrame(const int (&slots)[kFrameShapes]);
  // Appends a colour cycle for the shape with its records in order. 0, or -991 out of memory.
  int AddCycle(CGfxShape* shape, std::initializer_list<CCycleStep> steps);

  // The panel set-up every framed screen runs after colouring its frame. The numbers panel
  // writes upperError to the trace when it fails; the result is 0 or -1.
  int SetUpUpperPanel(CSubNbrs* upper, const char* upperError);
  // upperResult carries a failed upper panel on: the lower panel is then not set up either.
  int SetUpLowerPanel(CSubDisp* lower, int upperResult);
  // Runs the colour cycles once a second.
  void StepAnimations(int step);

 private:
  void LayOutOvals(int x72, int x99, int y135, int y35);
};
