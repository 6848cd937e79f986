#!/usr/bin/env bash
# Builds KALYX with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan
