// The rectangle helpers. An empty result is always zeroed, as Windows leaves it.
#include <windows.h>

#include <algorithm>

BOOL WINAPI SetRect(LPRECT lprc, int xLeft, int yTop, int xRight, int yBottom) {
  if (!lprc) return FALSE;
  *lprc = RECT{xLeft, yTop, xRight, yBottom};
  return TRUE;
}

BOOL WINAPI SetRectEmpty(LPRECT lprc) {
  if (!lprc) return FALSE;
  *lprc = RECT{};
  return TRUE;
}

BOOL WINAPI CopyRect(LPRECT lprcDst, const RECT* lprcSrc) {
  if (!lprcDst || !lprcSrc) return FALSE;
  *lprcDst = *lprcSrc;
  return TRUE;
}

BOOL WINAPI InflateRect(LPRECT lprc, int dx, int dy) {
  if (!lprc) return FALSE;
  lprc->left -= dx;
  lprc->top -= dy;
  lprc->right += dx;
  lprc->bottom += dy;
  return TRUE;
}

BOOL WINAPI OffsetRect(LPRECT lprc, int dx, int dy) {
  if (!lprc) return FALSE;
  lprc->left += dx;
  lprc->top += dy;
  lprc->right += dx;
  lprc->bottom += dy;
  return TRUE;
}

BOOL WINAPI IsRectEmpty(const RECT* lprc) {
  return !lprc || lprc->right <= lprc->left || lprc->bottom <= lprc->top ? TRUE : FALSE;
}

BOOL WINAPI EqualRect(const RECT* lprc1, const RECT* lprc2) {
  if (!lprc1 || !lprc2) return FALSE;
  return lprc1->left == lprc2->left && lprc1->top == lprc2->top && lprc1->right == lprc2->right &&
                 lprc1->bottom == lprc2->bottom
             ? TRUE
             : FALSE;
}

BOOL WINAPI PtInRect(const RECT* lprc, POINT pt) {
  if (!lprc) return FALSE;
  return pt.x >= lprc->left && pt.x < lprc->right && pt.y >= lprc->top && pt.y < lprc->bottom ? TRUE : FALSE;
}

BOOL WINAPI IntersectRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2) {
  if (!lprcDst || !lprcSrc1 || !lprcSrc2) return FALSE;
  RECT r{std::max(lprcSrc1->left, lprcSrc2->left), std::max(lprcSrc1->top, lprcSrc2->top),
         std::min(lprcSrc1->right, lprcSrc2->right), std::min(lprcSrc1->bottom, lprcSrc2->bottom)};
  if (IsRectEmpty(lprcSrc1) || IsRectEmpty(lprcSrc2) || IsRectEmpty(&r)) {
    *lprcDst = RECT{};
    return FALSE;
  }
  *lprcDst = r;
  return TRUE;
}

BOOL WINAPI UnionRect(LPRECT lprcDst, const RECT* lprcSrc1, const RECT* lprcSrc2) {
  if (!lprcDst || !lprcSrc1 || !lprcSrc2) return FALSE;
  // An empty rectangle adds nothing to the union.
  bool empty1 = IsRectEmpty(lprcSrc1), empty2 = IsRectEmpty(lprcSrc2);
  if (empty1 && empty2) {
    *lprcDst = RECT{};
    return FALSE;
  }
  if (empty1 || empty2) {
    *lprcDst = empty1 ? *lprcSrc2 : *lprcSrc1;
    return TRUE;
  }
  *lprcDst = RECT{std::min(lprcSrc1->left, lprcSrc2->left), std::min(lprcSrc1->top, lprcSrc2->top),
                  std::max(lprcSrc1->right, lprcSrc2->right), std::max(lprcSrc1->bottom, lprcSrc2->bottom)};
  return TRUE;
}
