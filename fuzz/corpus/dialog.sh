#!/usr/bin/env bash
# Seeds for dialog_fuzz: every dialog template (RT_DIALOG, type 5) of the program's .res.
# usage: dialog.sh OUT_DIR BUILD_DIR
set -euo pipefail
out=$1 build=$2
python3 - "$build/resources/kalyx.res" "$out" <<'PY'
import struct, sys
data = open(sys.argv[1], "rb").read()
pos, count = 0, 0
def name(at):
    # an id (0xFFFF, id) or a UTF-16 string ending in 0
    if struct.unpack_from("<H", data, at)[0] == 0xFFFF:
        return struct.unpack_from("<H", data, at + 2)[0], at + 4
    end = at
    while struct.unpack_from("<H", data, end)[0] != 0:
        end += 2
    return None, end + 2
while pos + 8 <= len(data):
    size, header = struct.unpack_from("<II", data, pos)
    rtype, _ = name(pos + 8)
    if rtype == 5 and size > 0:
        open(f"{sys.argv[2]}/dialog{count}.bin", "wb").write(data[pos + header:pos + header + size])
        count += 1
    pos = (pos + header + size + 3) & ~3
PY
