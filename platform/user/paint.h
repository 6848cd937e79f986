// The update region of each window and the WM_PAINT messages it generates.
#pragma once

#include <windows.h>

namespace kx {

// Invalidates the whole client area of a window and of every child inside it, marked for erasing.
void invalidateTree(HWND hwnd);
// Sends WM_ERASEBKGND now when an erase is pending; the erase stays pending if it returns 0.
void eraseIfPending(HWND hwnd);
// The first window, in paint order, that passes the filter and waits for WM_PAINT.
HWND windowNeedingPaint(HWND filter);

}  // namespace kx
