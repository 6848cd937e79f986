// The classic look of dialogs and controls: a grey face, bevels of four shades, focus rectangles.
// Everything is drawn through the layer's own GDI and every object made here is deleted again.
#pragma once

#include <windows.h>

namespace kx {

inline constexpr COLORREF kFaceColor = RGB(192, 192, 192);
inline constexpr COLORREF kHighlightColor = RGB(255, 255, 255);
inline constexpr COLORREF kShadowColor = RGB(128, 128, 128);
inline constexpr COLORREF kDarkShadowColor = RGB(0, 0, 0);
inline constexpr COLORREF kWindowColor = RGB(255, 255, 255);
inline constexpr COLORREF kTextColor = RGB(0, 0, 0);
inline constexpr COLORREF kGrayTextColor = RGB(128, 128, 128);

void fillSolid(HDC hdc, const RECT& rect, COLORREF color);
void drawLine(HDC hdc, int x1, int y1, int x2, int y2, COLORREF color);

// One frame one pixel wide just inside `rect`: `topLeft` along the top and left edges,
// `bottomRight` along the bottom and right.
void drawFrame(HDC hdc, const RECT& rect, COLORREF topLeft, COLORREF bottomRight);

enum class Bevel { Raised, Sunken, Pressed };
// Two frames, outer then inner; returns the rectangle left inside them.
RECT drawBevel(HDC hdc, const RECT& rect, Bevel bevel);

// Text in the control's font, transparent over what is there.
void drawControlText(HDC hdc, HFONT font, const char* text, RECT rect, UINT format, COLORREF color);

}  // namespace kx
