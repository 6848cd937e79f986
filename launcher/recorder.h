// --record: the saver on the headless desktop and the virtual clock, its frames written to a PNG
// (the last one) or a GIF (all of them).
#pragma once

#include <string>

#include "launcher/options.h"

namespace kx {

// Runs the saver through WinMain for the recorded time; returns the process exit code and says
// on stderr what went wrong.
int runRecording(const LaunchOptions& options);

}  // namespace kx
