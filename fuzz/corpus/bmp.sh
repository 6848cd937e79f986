#!/usr/bin/env bash
# Seeds for bmp_fuzz: small .bmp files of every depth the loader reads, stored either way up,
# with a longer header or a gap before the pixels, the program's logo, and broken files (each
# one field wrong). Each seed ends in the drawing arguments the target reads from the end.
# usage: bmp.sh OUT_DIR BUILD_DIR
set -euo pipefail
out=$1
root="$(cd "$(dirname "$0")/../.." && pwd)"
python3 - "$out" "$root/resources/logo.bmp" <<'PY'
import struct, sys

out, logo = sys.argv[1], sys.argv[2]
COLORS = [(255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 0), (255, 255, 255), (0, 128, 128)]

def bmp(width, height, bits, header=40, gap=0, used=0):
    rows = abs(height)
    entries = (used or 1 << bits) if bits <= 8 else used
    stride = (width * bits + 31) // 32 * 4
    table = b"".join(struct.pack("<BBBB", *reversed(COLORS[i % len(COLORS)]), 0) for i in range(entries))
    off = 14 + header + len(table) + gap
    pixels = bytearray(stride * rows)
    for y in range(rows):
        line = (rows - 1 - y) if height > 0 else y
        for x in range(width):
            index = (x + 3 * y) % (2 if bits == 1 else len(COLORS))
            at = line * stride
            if bits == 1:
                pixels[at + x // 8] |= index << (7 - x % 8)
            elif bits == 4:
                pixels[at + x // 2] |= index << (0 if x % 2 else 4)
            elif bits == 8:
                pixels[at + x] = index
            else:
                r, g, b = COLORS[index]
                size = bits // 8
                pixels[at + x * size:at + x * size + 3] = bytes((b, g, r))
    info = struct.pack("<IiiHHIIiiII", header, width, height, 1, bits, 0, len(pixels), 2835, 2835, used, 0)
    info += bytes(header - 40)
    head = b"BM" + struct.pack("<IHHI", off + len(pixels), 0, 0, off)
    return bytearray(head + info + table + bytes(gap) + pixels)

# Drawing arguments, read by the target from the end: area left, top, width, height, window flag,
# then the direct call's width, height, destination, source corner, first line and line count.
TAIL = bytes([0x05, 0x01, 0x40, 0x40, 0x42, 0x40, 0x50, 0x50, 0x01, 0x30, 0x30, 0x50, 0x48])

def seed(name, data):
    with open(f"{out}/{name}.bin", "wb") as f:
        f.write(bytes(data) + TAIL)

for bits in (1, 4, 8, 24, 32):
    for height in (3, -3):
        seed(f"b{bits}_{'up' if height > 0 else 'down'}", bmp(5, height, bits))
seed("v5_header", bmp(7, 4, 4, header=124))
seed("gap", bmp(6, 2, 8, gap=100))
seed("24_with_table", bmp(3, -2, 24, used=2))
seed("8_used_3", bmp(4, 4, 8, used=3))

base = bmp(5, 3, 4)
def broken(name, at, fmt, value):
    data = bytearray(base)
    struct.pack_into(fmt, data, at, value)
    seed(name, data)
broken("not_bm", 0, "<B", ord("X"))
broken("offset_64k", 10, "<I", 0x10000 + 118)
broken("offset_in_table", 10, "<I", 60)
broken("core_header", 14, "<I", 12)
broken("planes", 26, "<H", 2)
broken("bits16", 28, "<H", 16)
broken("rle4", 30, "<I", 2)
broken("width_negative", 18, "<i", -5)
broken("height_min", 22, "<i", -2**31)
broken("colors_17", 46, "<I", 17)
broken("image_size_small", 34, "<I", 4)
seed("cut", base[:-3])
seed("header_only", base[:20])
with open(logo, "rb") as f:
    seed("logo", f.read())
PY
