#!/usr/bin/env bash
# Measures the saver on a virtual X server: peak resident memory and the share of one core it
# uses while it runs full screen for a while.
# Usage: tools/measure-saver.sh WIDTHxHEIGHT SECONDS [kalyx options...]
#   tools/measure-saver.sh 1920x1080 60
#   tools/measure-saver.sh 3840x2160 60 --fps 30
set -euo pipefail
size=${1:?usage: measure-saver.sh WIDTHxHEIGHT SECONDS [options]}
seconds=${2:?usage: measure-saver.sh WIDTHxHEIGHT SECONDS [options]}
shift 2
kalyx=${KALYX:-build/default/src/kalyx}
work=$(mktemp -d)
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
display=:$(head -1 "$work/display")

# A private home and lock folder, so the measurement reads the default settings, leaves none
# behind and runs beside another copy.
mkdir -m 700 "$work/run"
HOME=$work XDG_CONFIG_HOME=$work/config XDG_STATE_HOME=$work/state XDG_RUNTIME_DIR=$work/run \
  DISPLAY=$display SDL_VIDEODRIVER=x11 \
  /usr/bin/time -f "%M %U %S %e" -o "$work/time" "$kalyx" /s "$@" &
timer=$!
sleep "$seconds"
# The saver is the timer's child; SIGTERM ends it cleanly and the timer writes its figures.
kill -TERM "$(pgrep -P "$timer")"
wait "$timer" || true
read -r rssKb user system elapsed <"$work/time"
awk -v rss="$rssKb" -v u="$user" -v s="$system" -v e="$elapsed" -v size="$size" -v args="$*" 'BEGIN {
  printf "%s %s: peak RSS %.1f MB, CPU %.2f s over %.1f s = %.2f %% of one core\n",
         size, args, rss / 1024, u + s, e, 100 * (u + s) / e }'
