// Colour cycling of one frame shape: a ring of steps {ticks, colour}, advanced once a second.
#pragma once

#include "framework/gui_obj.h"
#include "framework/owned_list.h"
#include "gfx/gfx_shape.h"

class CKalyx;

struct CAnimStep {
  int ticks;
  CGfxClr* clr;  // borrowed from the colour table
};

class CAnimShp : public BGuiObj {
 public:
  // The shape is borrowed; a null shape gets no steps and never changes.
  CAnimShp(CKalyx* app, CGfxShape* shape);
  ~CAnimShp() override;
  CAnimShp(const CAnimShp&) = delete;
  CAnimShp& operator=(const CAnimShp&) = delete;

  // The step added last is the pending one, so the first change applies the last colour and the
  // ring then runs from the first step. 0; -1 without a step list; -991 out of memory.
  int AddStep(int ticks, CGfxClr* clr);
  // Counts a second; when the pending step's ticks are exceeded, recolours the shape, invalidates
  // only its rectangle in the owner window (no erase) and moves on round the ring.
  int Step();

  int count = 0;
  CGfxShape* shape;
  COwnedList<CAnimStep> steps;
  CIterator* iter = nullptr;  // the ring's place; null for a shape that never changes
  CAnimStep* cur = nullptr;

 private:
  CKalyx* kalyx;
};
