// SDL's video on a display the user can see, and what happens when that display goes away.
#pragma once

#include <string>

namespace kx {

// Starts SDL's video subsystem. Without SDL_VIDEODRIVER only a driver that shows windows to the
// user (x11, wayland) is accepted: SDL would otherwise fall back to drawing off screen, and an
// invisible saver would hold the single-copy lock until killed. Empty on success, otherwise a
// sentence naming the cause; the subsystem is shut again then.
std::string openVisibleVideo();

}  // namespace kx
