// Compiled as part of the rasteriser, which sits below the GDI: must not compile.
#include "gdi/dc.h"
