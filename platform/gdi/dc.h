// Device contexts: a state, a saved-state stack, and the pixels they draw on.
#pragma once

#include <windows.h>

#include <vector>

#include "gdi/dc_state.h"
#include "raster/ink_runs.h"
#include "raster/raster.h"
#include "kernel/handle_table.h"

namespace kx {

// Where a DC's drawing lands, resolved at each call (a window may have moved since).
struct DrawTarget {
  PixelSurface surface;
  POINT origin{};
  RECT clip{};
  std::vector<RECT> covered;   // surface pixels that belong to windows above (see WindowCanvas)
  PlainArea* plain = nullptr;  // a bitmap's record of its plain pixels; null for windows
  InkRuns* ink = nullptr;      // a bitmap's ink as runs, kept for blits from it; null for windows
};

class DcObject : public HandleObject {
 public:
  static constexpr HandleKind kKind = HandleKind::DeviceContext;
  DcObject() : HandleObject(kKind), state(DcState::defaults()) {}

  // False when the DC has nothing to draw on (its window is gone).
  virtual bool target(DrawTarget& out) = 0;
  // Drawing changed these surface pixels.
  virtual void changed(const RECT& /*surfaceRect*/) {}
  virtual bool isMemory() const { return false; }
  // The window a window DC belongs to (null for memory DCs).
  virtual HWND window() const { return nullptr; }

  DcState state;
  std::vector<DcState> saved;
};

class MemoryDc : public DcObject {
 public:
  MemoryDc();
  bool target(DrawTarget& out) override;
  void changed(const RECT& surfaceRect) override;
  bool isMemory() const override { return true; }
};

// Runs `draw` on the DC's pixels and reports what changed. False when the DC has no pixels.
template <class DrawFn>
bool drawOn(DcObject& dc, DrawFn&& draw) {
  DrawTarget target;
  if (!dc.target(target)) return false;
  Raster raster(target.surface, target.clip, target.origin, target.covered, target.plain);
  draw(raster);
  // A bitmap's tiles were marked run by run as the drawing went.
  if (raster.keepsPlain()) {
    raster.settlePlain();
    return true;
  }
  RECT changed = raster.changed();
  if (changed.left < changed.right) dc.changed(changed);
  return true;
}

// The DC behind a handle, or null after SetLastError(ERROR_INVALID_HANDLE).
DcObject* findDc(HDC hdc);

// Resolved drawing tools of a DC's state (deleted objects fall back to the stock defaults).
Fill fillForBrush(HBRUSH brush, const DcState& state, POINT origin);
Stroke strokeForPen(HPEN pen);

// The size of the desktop, for a screen DC's device caps.
SIZE desktopSize();

}  // namespace kx
