#!/usr/bin/env bash
# Tries the cross-built Kalyx32.scr under Wine on a virtual X server: starts it with a command
# line (default "/s", the saver), takes a screenshot after a few seconds, then moves the mouse and
# reports whether the program ended. Not part of the tests; see the README for installing Wine.
#
# Usage: bash tools/wine-try.sh [switch] [seconds]     e.g. "/s" 5, or "/c" for the settings dialog
# Environment: KALYX_SCR (the program, default build/mingw/src/Kalyx32.scr),
#              KALYX_WINE_OUT (screenshots and logs, default build/wine-try).
set -euo pipefail
cd "$(dirname "$0")/.."

switch=${1:-/s}
seconds=${2:-5}
scr=${KALYX_SCR:-build/mingw/src/Kalyx32.scr}
out=${KALYX_WINE_OUT:-build/wine-try}

missing=()
for tool in wine wineserver Xvfb xdotool import; do
  command -v "$tool" >/dev/null || missing+=("$tool")
done
if ((${#missing[@]} > 0)); then
  echo "error: missing ${missing[*]}; see \"Trying it under Wine\" in README.md" >&2
  exit 2
fi
[[ -f $scr ]] || { echo "error: $scr is not built: cmake --preset mingw && cmake --build --preset mingw" >&2; exit 2; }

mkdir -p "$out"
# A prefix of our own, so the user's ~/.wine is never touched; no Mono or Gecko prompts.
export WINEPREFIX=$PWD/build/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
tag=$(tr -cd 'A-Za-z0-9' <<<"$switch")
[[ -n $tag ]] || tag=none

exec 3> >(cat >"$out/display")
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$out/xvfb.log" 2>&1 &
xvfb_pid=$!
saver_pid=""
cleanup() {
  [[ -n $saver_pid ]] && kill "$saver_pid" 2>/dev/null || true
  wineserver -k 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 50); do [[ -s $out/display ]] && break; sleep 0.1; done
export DISPLAY=:$(head -n1 "$out/display")

echo "Preparing the Wine prefix $WINEPREFIX (slow the first time)"
wineboot -i >"$out/wineboot.log" 2>&1 || true
wineserver -w

echo "Starting $scr $switch on display $DISPLAY"
wine "$scr" "$switch" >"$out/wine-$tag.log" 2>&1 &
saver_pid=$!
sleep "$seconds"
if ! kill -0 "$saver_pid" 2>/dev/null; then
  wait "$saver_pid" && code=0 || code=$?
  saver_pid=""
  echo "The program ended by itself within $seconds s (exit code $code); log: $out/wine-$tag.log"
  exit 1
fi
import -window root "$out/screen-$tag.png"
echo "Screenshot: $out/screen-$tag.png"

# The first movement only records where the cursor is; the second, elsewhere, ends the saver.
xdotool mousemove 200 200
sleep 0.5
xdotool mousemove 400 300
for _ in $(seq 50); do
  kill -0 "$saver_pid" 2>/dev/null || break
  sleep 0.1
done
still_running=0
kill -0 "$saver_pid" 2>/dev/null && still_running=1
if [[ ${switch,,} =~ ^[^-/]*[-/]s ]]; then
  if ((still_running)); then
    echo "FAIL: the saver still runs 5 s after the mouse moved"
    exit 1
  fi
  wait "$saver_pid" && code=0 || code=$?
  saver_pid=""
  echo "The saver ended after the mouse moved, exit code $code"
else
  if ((!still_running)); then
    echo "FAIL: the settings dialog closed on a mouse movement"
    exit 1
  fi
  echo "The settings dialog stays open on a mouse movement (closed now)"
fi
