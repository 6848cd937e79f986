// Compiled as part of the window manager, which sits above the GDI and the rasteriser: compiles.
#include "gdi/dc.h"
#include "raster/pixel_surface.h"
