// Memory DCs, object selection, saved states, colours and modes.
#include "gdi/dc.h"

#include <windows.h>

#include "gdi/gdi_objects.h"
#include "kernel/api_boundary.h"

namespace kx {

MemoryDc::MemoryDc() {
  state.bitmap = defaultBitmap();
}

bool MemoryDc::target(DrawTarget& out) {
  auto* bitmap = lookup<BitmapObject>(state.bitmap);
  if (!bitmap) return false;
  out.surface = bitmap->surface();
  out.origin = POINT{0, 0};
  out.clip = RECT{0, 0, bitmap->width, bitmap->height};
  out.plain = &bitmap->plain;
  out.ink = &bitmap->ink;
  return true;
}

void MemoryDc::changed(const RECT& surfaceRect) {
  if (auto* bitmap = lookup<BitmapObject>(state.bitmap)) bitmap->plain.add(surfaceRect);
}

DcObject* findDc(HDC hdc) {
  auto* dc = lookup<DcObject>(hdc);
  if (!dc) SetLastError(ERROR_INVALID_HANDLE);
  return dc;
}

Fill fillForBrush(HBRUSH brush, const DcState& state, POINT origin) {
  Fill fill;
  auto* object = lookup<BrushObject>(brush);
  if (!object) return fill;
  const LOGBRUSH& log = object->logBrush;
  fill.color = pixelFromColorRef(log.lbColor);
  if (log.lbStyle == BS_SOLID) {
    fill.kind = Fill::Kind::Solid;
  } else if (log.lbStyle == BS_HATCHED) {
    fill.kind = Fill::Kind::Hatch;
    fill.hatch = int(log.lbHatch);
    fill.background = pixelFromColorRef(state.bkColor);
    fill.opaque = state.bkMode != TRANSPARENT;
    fill.origin = POINT{origin.x + state.brushOrigin.x, origin.y + state.brushOrigin.y};
  }
  return fill;
}

Stroke strokeForPen(HPEN pen) {
  Stroke stroke;
  auto* object = lookup<PenObject>(pen);
  if (!object || object->logPen.lopnStyle == PS_NULL) {
    stroke.kind = Stroke::Kind::None;
    return stroke;
  }
  const LOGPEN& log = object->logPen;
  stroke.color = pixelFromColorRef(log.lopnColor);
  stroke.width = log.lopnWidth.x <= 1 ? 1 : int(log.lopnWidth.x);
  stroke.kind = stroke.width > 1 ? Stroke::Kind::Wide : Stroke::Kind::Thin;
  stroke.insideFrame = log.lopnStyle == PS_INSIDEFRAME;
  return stroke;
}

namespace {

// Moves the bitmap selection of a memory DC, keeping each bitmap in one DC at a time.
bool selectBitmap(DcObject& dc, HBITMAP next) {
  auto* bitmap = lookup<BitmapObject>(next);
  if (!bitmap || !dc.isMemory()) return false;
  if (bitmap->selectedInto && bitmap->selectedInto != dc.handle() && !bitmap->isStock()) return false;
  if (auto* previous = lookup<BitmapObject>(dc.state.bitmap); previous && !previous->isStock()) {
    previous->selectedInto = nullptr;
  }
  if (!bitmap->isStock()) bitmap->selectedInto = static_cast<HDC>(dc.handle());
  dc.state.bitmap = next;
  return true;
}

template <class T>
T swapValue(T& slot, T value) {
  T old = slot;
  slot = value;
  return old;
}

// The text and background colours keep only the red, green and blue bytes of what they are given.
COLORREF setColor(HDC hdc, COLORREF DcState::*slot, COLORREF color) {
  DcObject* dc = findDc(hdc);
  return dc ? swapValue(dc->state.*slot, color & 0xFFFFFF) : CLR_INVALID;
}

COLORREF getColor(HDC hdc, COLORREF DcState::*slot) {
  DcObject* dc = findDc(hdc);
  return dc ? dc->state.*slot : CLR_INVALID;
}

}  // namespace

}  // namespace kx

using namespace kx;

HDC WINAPI CreateCompatibleDC(HDC hdc) {
  if (hdc && !findDc(hdc)) return nullptr;
  return failSafe<HDC>(
      nullptr, [] { return static_cast<HDC>(HandleTable::instance().add(std::make_unique<MemoryDc>())); });
}

BOOL WINAPI DeleteDC(HDC hdc) {
  DcObject* dc = findDc(hdc);
  if (!dc) return FALSE;
  if (!dc->isMemory()) {
    // A window DC deleted instead of released goes the way ReleaseDC takes it.
    HandleTable::instance().remove(hdc);
    return TRUE;
  }
  if (auto* bitmap = lookup<BitmapObject>(dc->state.bitmap); bitmap && !bitmap->isStock()) {
    bitmap->selectedInto = nullptr;
  }
  HandleTable::instance().remove(hdc);
  return TRUE;
}

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ h) {
  DcObject* dc = findDc(hdc);
  if (!dc) return nullptr;
  HandleObject* object = HandleTable::instance().find(h);
  if (!object) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  DcState& state = dc->state;
  switch (object->kind()) {
    case HandleKind::Pen:
      return swapValue(state.pen, static_cast<HPEN>(h));
    case HandleKind::Brush:
      return swapValue(state.brush, static_cast<HBRUSH>(h));
    case HandleKind::Font:
      return swapValue(state.font, static_cast<HFONT>(h));
    case HandleKind::Bitmap: {
      HBITMAP previous = state.bitmap;
      return selectBitmap(*dc, static_cast<HBITMAP>(h)) ? previous : nullptr;
    }
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
  }
}

int WINAPI SaveDC(HDC hdc) {
  DcObject* dc = findDc(hdc);
  if (!dc) return 0;
  dc->saved.push_back(dc->state);
  return int(dc->saved.size());
}

BOOL WINAPI RestoreDC(HDC hdc, int nSavedDC) {
  DcObject* dc = findDc(hdc);
  if (!dc) return FALSE;
  const int count = int(dc->saved.size());
  const int index = nSavedDC < 0 ? count + nSavedDC : nSavedDC - 1;  // -1 is the latest
  if (nSavedDC == 0 || index < 0 || index >= count) return FALSE;
  DcState restored = dc->saved[size_t(index)];
  dc->saved.resize(size_t(index));
  HBITMAP bitmap = restored.bitmap;
  restored.bitmap = dc->state.bitmap;
  dc->state = restored;
  if (dc->isMemory() && bitmap != dc->state.bitmap && !selectBitmap(*dc, bitmap)) {
    selectBitmap(*dc, defaultBitmap());
  }
  return TRUE;
}

COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color) {
  return setColor(hdc, &DcState::textColor, color);
}

COLORREF WINAPI GetTextColor(HDC hdc) {
  return getColor(hdc, &DcState::textColor);
}

COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color) {
  return setColor(hdc, &DcState::bkColor, color);
}

COLORREF WINAPI GetBkColor(HDC hdc) {
  return getColor(hdc, &DcState::bkColor);
}

int WINAPI SetBkMode(HDC hdc, int mode) {
  DcObject* dc = findDc(hdc);
  if (!dc) return 0;
  if (mode != OPAQUE && mode != TRANSPARENT) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return swapValue(dc->state.bkMode, mode);
}

int WINAPI GetBkMode(HDC hdc) {
  DcObject* dc = findDc(hdc);
  return dc ? dc->state.bkMode : 0;
}

UINT WINAPI SetTextAlign(HDC hdc, UINT align) {
  DcObject* dc = findDc(hdc);
  return dc ? swapValue(dc->state.textAlign, align) : GDI_ERROR;
}

int WINAPI SetPolyFillMode(HDC hdc, int mode) {
  DcObject* dc = findDc(hdc);
  if (!dc || (mode != ALTERNATE && mode != WINDING)) return 0;
  return swapValue(dc->state.polyFillMode, mode);
}

int WINAPI SetROP2(HDC hdc, int rop2) {
  DcObject* dc = findDc(hdc);
  if (!dc || rop2 < 1 || rop2 > 16) return 0;
  return swapValue(dc->state.rop2, rop2);
}

BOOL WINAPI SetBrushOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
  DcObject* dc = findDc(hdc);
  if (!dc) return FALSE;
  if (lppt) *lppt = dc->state.brushOrigin;
  // Only the position within the 8 x 8 cell matters.
  dc->state.brushOrigin = POINT{x & 7, y & 7};
  return TRUE;
}

COLORREF WINAPI GetPixel(HDC hdc, int x, int y) {
  DcObject* dc = findDc(hdc);
  DrawTarget target;
  if (!dc || !dc->target(target)) return CLR_INVALID;
  Raster raster(target.surface, target.clip, target.origin, target.covered);
  uint32_t pixel = 0;
  return raster.getPixel(x, y, pixel) ? colorRefFromPixel(pixel) : CLR_INVALID;
}

COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color) {
  DcObject* dc = findDc(hdc);
  if (!dc) return COLORREF(-1);
  COLORREF result = COLORREF(-1);
  drawOn(*dc, [&](Raster& raster) {
    uint32_t ignored = 0;
    if (!raster.getPixel(x, y, ignored)) return;
    raster.setPixel(x, y, pixelFromColorRef(color));
    result = color & 0xFFFFFF;
  });
  return result;
}

HPALETTE WINAPI SelectPalette(HDC hdc, HPALETTE hPal, BOOL /*bForceBkgd*/) {
  DcObject* dc = findDc(hdc);
  if (!dc || !lookup<PaletteObject>(hPal)) return nullptr;
  return swapValue(dc->state.palette, hPal);
}

UINT WINAPI RealizePalette(HDC hdc) {
  // A 32-bit surface has no system palette: nothing changes.
  return findDc(hdc) ? 0 : GDI_ERROR;
}
