#!/usr/bin/env bash
# Builds KALYX and runs the saver: full screen where a display exists (any key or mouse movement
# ends it); without one, records a short demo with --record and says where it is.
# Arguments go to the program (for example --window, or no /s for the settings dialog).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default
kalyx=build/default/src/kalyx
if [[ $# -gt 0 ]]; then
  exec "$kalyx" "$@"
fi
if [[ -n ${DISPLAY:-} || -n ${WAYLAND_DISPLAY:-} ]]; then
  exec "$kalyx" /s
fi
demo=build/kalyx-demo.gif
echo "No display here: recording every screen of this build, 5 seconds each, instead."
"$kalyx" --record "$demo" --demo --seconds 5
echo "Recorded: $(pwd)/$demo"
