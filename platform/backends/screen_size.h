// The size of the screen the desktop is shown on. The window manager sets it when it opens a
// backend and clears it when it closes one; the GDI answers a screen DC's device caps from it, as
// the display driver, not the window manager, answers them in Win32.
#pragma once

#include <windows.h>

namespace kx {

void setScreenSize(SIZE size);
// {0, 0} while no desktop is open.
SIZE screenSize();

}  // namespace kx
