// Compiled as part of the kernel, which sits below the window manager: must not compile.
#include "user/window.h"
