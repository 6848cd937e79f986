// What a window DC draws on: the desktop's pixels, seen through one window.
//
// The window manager owns the desktop surface and makes window DCs (GetDC, BeginPaint) from these,
// as in Win32, where the window DCs belong to USER and the GDI knows nothing of windows. All windows
// draw straight into the desktop surface, clipped to their client area (and their parents'), as on a
// Windows desktop without composition; the visible top-level windows above a window keep their
// pixels, so a lower window never paints over them.
#pragma once

#include <windows.h>

#include <vector>

#include "raster/pixel_surface.h"

namespace kx {

struct WindowCanvas {
  PixelSurface surface;  // the desktop
  POINT origin{};        // where the client area's (0, 0) lies on the surface
  RECT clip{};           // surface coordinates: the client area within its parents and the desktop
  // Surface rectangles within `clip` that visible top-level windows above this one cover; drawing
  // leaves them alone. Empty in the common case of nothing above.
  std::vector<RECT> covered;
};

// False when hwnd is not a window (or the desktop has no surface yet).
bool getWindowCanvas(HWND hwnd, WindowCanvas& canvas);

// A drawing on a window DC changed these surface pixels; the backend presents them.
void desktopPixelsChanged(const RECT& surfaceRect);

// A window DC whose drawing is further clipped to part of the client area (client coordinates),
// as BeginPaint's DC is clipped to the update region. Released with ReleaseDC.
HDC getClippedWindowDc(HWND hwnd, const RECT& clientClip);

}  // namespace kx
