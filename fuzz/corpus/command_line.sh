#!/usr/bin/env bash
# Seeds for command_line_fuzz: arguments separated by NUL bytes.
# usage: command_line.sh OUT_DIR BUILD_DIR
set -euo pipefail
out=$1
args() { local IFS=$'\x01'; printf '%s' "$*" | tr '\001' '\000'; }
args /s >"$out/saver"
args /p 1234 --version >"$out/preview"
args --window 800x600 /c >"$out/window"
args --record out.gif --size 640x480 --seconds 20 >"$out/record"
args --record x.png --screen 6 >"$out/screen"
args --seconds >"$out/missing_value"
