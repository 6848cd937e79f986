#!/usr/bin/env bash
# Builds KALYX with AddressSanitizer and UndefinedBehaviorSanitizer, cross-compiles the Windows
# Kalyx32.scr, builds the optimised variant with the benchmarks (warnings that only optimisation
# shows are errors there too), runs every test (one of them inspects the .scr), and gives each fuzz
# target a short, fixed run (tools/fuzz.sh RUNS runs them longer).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake --preset asan >/dev/null
cmake --build --preset asan
cmake --preset mingw >/dev/null
cmake --build --preset mingw
cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset asan
bash tools/fuzz.sh 10000
