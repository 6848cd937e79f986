// The display program of the X screen-saver daemon: the saver in the daemon's window (or on the
// root window) as the Windows display settings show a preview, without the single-copy lock and
// without ending on input. A signal ends it with 0; when the window changes size the saver starts
// again at the new size.
#pragma once

#include "launcher/options.h"

namespace kx {

int runHack(const LaunchOptions& options);

}  // namespace kx
