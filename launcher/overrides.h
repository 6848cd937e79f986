// Settings given on the command line for one run: they win over "Kalyx.ini" as the saver starts,
// and nothing writes them to the file.
#pragma once

#include "launcher/options.h"

namespace kx {

// Hands the overrides to the saver's start-up; no overrides leave the start-up as it is.
void installOverrides(const SettingsOverrides& overrides);

}  // namespace kx
