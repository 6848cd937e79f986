#!/usr/bin/env bash
# Seeds for res_fuzz: the .res files the build compiles (the program's and the dialog tests').
# usage: res.sh OUT_DIR BUILD_DIR
set -euo pipefail
out=$1 build=$2
root="$(cd "$(dirname "$0")/../.." && pwd)"
cp "$build/resources/kalyx.res" "$out/kalyx.res"
llvm-rc /nologo /I "$root/tests/platform/dialogs/data" /FO "$out/test_dialogs.res" -- \
  "$root/tests/platform/dialogs/data/test_dialogs.rc" 2>/dev/null || true
