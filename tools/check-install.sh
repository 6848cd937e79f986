#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks what lands there: the program, the link the
# X screen-saver daemon finds, its XML, the manual page (rendered without a warning) and the icon.
# Usage: tools/check-install.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: check-install.sh BUILD_DIR}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "check-install: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

[[ -x $prefix/bin/kalyx ]] || fail "bin/kalyx is missing or not executable"
link=$prefix/libexec/xscreensaver/kalyx
[[ -L $link ]] || fail "libexec/xscreensaver/kalyx is not a link"
[[ $(readlink "$link") == ../../bin/kalyx ]] || fail "the link points to $(readlink "$link")"
[[ $(cd "$(dirname "$link")" && realpath kalyx) == "$(realpath "$prefix/bin/kalyx")" ]] ||
  fail "the link does not reach bin/kalyx"
"$link" --version | grep -q '^kalyx ' || fail "the program does not run through the link"

xml=$prefix/share/xscreensaver/config/kalyx.xml
[[ -f $xml ]] || fail "share/xscreensaver/config/kalyx.xml is missing"
python3 - "$xml" <<'PY' || fail "kalyx.xml is not the daemon's format"
import sys, xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
assert root.tag == "screensaver" and root.get("name") == "kalyx"
assert root.find("command").get("arg") == "-root"
args = " ".join(e.get("arg", "") + " " + e.get("arg-set", "") for e in root.iter())
for option in ("--fps", "--seconds-per-screen", "--colors", "--screens", "--text"):
    assert option in args, option
PY

man=$prefix/share/man/man6/kalyx.6
[[ -f $man ]] || fail "share/man/man6/kalyx.6 is missing"
warnings=$(groff -ww -man -Tutf8 "$man" 2>&1 >/dev/null)
[[ -z $warnings ]] || fail "groff warns: $warnings"
text=$(MANWIDTH=80 man -l "$man" 2>/dev/null)
for heading in NAME SYNOPSIS MODES OPTIONS FILES "EXIT STATUS"; do
  grep -q "^$heading" <<<"$text" || fail "the manual page has no $heading"
done

[[ -s $prefix/share/pixmaps/kalyx.ico ]] || fail "share/pixmaps/kalyx.ico is missing"
echo "install tree OK"
