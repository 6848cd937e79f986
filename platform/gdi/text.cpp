// Text metrics, extents and TextOutA.
#include <windows.h>

#include <cstring>

#include "gdi/dc.h"
#include "gdi/gdi_objects.h"
#include "gdi/text.h"
#include "raster/text_raster.h"

namespace kx {

const FontFace& selectedFace(const DcState& state) {
  auto* font = lookup<FontObject>(state.font);
  if (font && font->face) return *font->face;
  static const std::shared_ptr<const FontFace> fallback = FontFace::system();
  return *fallback;
}

Fill textBackground(const DcState& state) {
  if (state.bkMode == TRANSPARENT) return Fill{};
  return Fill{Fill::Kind::Solid, pixelFromColorRef(state.bkColor)};
}

}  // namespace kx

using namespace kx;

BOOL WINAPI GetTextMetricsA(HDC hdc, LPTEXTMETRICA lptm) {
  DcObject* dc = findDc(hdc);
  if (!dc || !lptm) return FALSE;
  *lptm = selectedFace(dc->state).metrics();
  return TRUE;
}

BOOL WINAPI GetTextExtentPoint32A(HDC hdc, LPCSTR lpString, int c, LPSIZE psizl) {
  DcObject* dc = findDc(hdc);
  if (!dc || !psizl || c < 0 || (c > 0 && !lpString)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const FontFace& face = selectedFace(dc->state);
  psizl->cx = face.textWidth(lpString, c);
  psizl->cy = face.metrics().tmHeight;
  return TRUE;
}

BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c) {
  DcObject* dc = findDc(hdc);
  if (!dc || c < 0 || (c > 0 && !lpString)) return FALSE;
  const DcState& state = dc->state;
  const FontFace& face = selectedFace(state);
  const TEXTMETRICA& tm = face.metrics();
  int64_t left = x, top = y;
  const int width = face.textWidth(lpString, c);
  if ((state.textAlign & TA_CENTER) == TA_CENTER) {
    left -= width / 2;
  } else if (state.textAlign & TA_RIGHT) {
    left -= width;
  }
  if ((state.textAlign & TA_BASELINE) == TA_BASELINE) {
    top -= tm.tmAscent;
  } else if (state.textAlign & TA_BOTTOM) {
    top -= tm.tmHeight;
  }
  drawOn(*dc, [&](Raster& raster) {
    drawTextRun(raster, face, left, top, TextRun{lpString, c}, pixelFromColorRef(state.textColor),
                textBackground(state));
  });
  return TRUE;
}
