#include "display/anim_shp.h"

#include <new>

#include "app/kalyx.h"

CAnimShp::CAnimShp(CKalyx* app, CGfxShape* shape) : BGuiObj(app), shape(shape), kalyx(app) {
  if (shape && steps.list) iter = new (std::nothrow) CIterator(steps.list);
}

CAnimShp::~CAnimShp() {
  delete iter;
}

int CAnimShp::AddStep(int ticks, CGfxClr* clr) {
  if (!iter) return -1;
  auto* step = new (std::nothrow) CAnimStep{ticks, clr};
  if (!step) return -991;
  if (const int result = steps.Add(step); result != 0) return result;
  cur = step;
  return 0;
}

int CAnimShp::Step() {
  if (!cur) return 0;
  if (++count <= cur->ticks) return 0;
  count = 0;
  shape->SetColor(cur->clr, nullptr);
  InvalidateRect(kalyx->hwndOwner, shape->GetRect(), FALSE);
  if (!iter->Next()) {
    iter->First();
    iter->Next();
  }
  cur = static_cast<CAnimStep*>(iter->Current());
  return 0;
}
