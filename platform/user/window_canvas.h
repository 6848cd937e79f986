// What a window DC draws on: the desktop's pixels, seen through one window.
//
// The window manager (user/) owns the desktop surface and answers these; the GDI (gdi/) creates
// window DCs from them. All windows draw straight into the desktop surface, clipped to their
// client area (and their parents'), as on a Windows desktop without composition; the visible
// top-level windows above a window keep their pixels, so a lower window never paints over them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace kx {

// 32-bit pixels, 0x00RRGGBB (memory order B, G, R, X), rows of `stride` pixels, top row first.
struct PixelSurface {
  uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;
};

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
// as BeginPaint's DC is clipped to the update region. Released with ReleaseDC; the GDI makes it.
HDC getClippedWindowDc(HWND hwnd, const RECT& clientClip);

}  // namespace kx
