#!/usr/bin/env bash
# Builds KALYX and runs the saver.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default
if [[ ! -x build/default/src/kalyx ]]; then
  echo "The saver is not built yet: only the foundation exists so far."
  exit 0
fi
exec build/default/src/kalyx "$@"
