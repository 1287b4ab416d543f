#!/usr/bin/env bash
# Makes the JPEG test files in this folder with tools that share no code with
# ours: cjpeg (libjpeg-turbo-progs), ImageMagick's convert and dc_only_jpeg.py.
# The files are committed; run this only to remake them. CONVERT names
# ImageMagick's convert when another program of that name comes first in PATH.
set -euo pipefail
cd "$(dirname "$0")"
CONVERT=${CONVERT:-convert}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# 32 x 32, four 16 x 16 squares: red, (64,128,192), yellow, (20,20,20).
python3 - "$tmp/quads.ppm" <<'PY'
import sys
colours = [(255, 0, 0), (64, 128, 192), (255, 255, 0), (20, 20, 20)]
out = bytearray(b"P6\n32 32\n255\n")
for y in range(32):
    for x in range(32):
        out += bytes(colours[(y // 16) * 2 + x // 16])
open(sys.argv[1], "wb").write(out)
PY
cjpeg -quality 95 -outfile baseline.jpg "$tmp/quads.ppm"
cjpeg -quality 95 -progressive -outfile progressive.jpg "$tmp/quads.ppm"
cjpeg -quality 95 -grayscale -outfile grey.jpg "$tmp/quads.ppm"
# ImageMagick writes CMYK as Adobe applications do: inverted inks, an APP14
# segment, and YCCK inside.
"$CONVERT" "$tmp/quads.ppm" -colorspace CMYK -quality 95 ycck_adobe.jpg

# 16 x 16 CMYK, four 8 x 8 squares: no ink, full cyan, magenta + yellow, half black.
./dc_only_jpeg.py cmyk_plain.jpg 16 16 8 4 -1 0,0,0,0 255,0,0,0 0,255,255,0 0,0,0,128
# The same inks inverted, as Adobe stores them, with the APP14 segment (transform 0).
./dc_only_jpeg.py cmyk_adobe.jpg 16 16 8 4 0 255,255,255,255 0,255,255,255 255,0,0,255 255,255,255,127

# 128 x 128 squares of 16 x 16, red and blue by turns, cut halfway through
# its compressed data: the rows the data no longer reaches decode grey.
python3 - "$tmp/squares.ppm" <<'PY'
import sys
out = bytearray(b"P6\n128 128\n255\n")
for y in range(128):
    for x in range(128):
        out += bytes([255, 0, 0] if (x // 16 + y // 16) % 2 == 0 else [0, 0, 255])
open(sys.argv[1], "wb").write(out)
PY
cjpeg -quality 95 -outfile "$tmp/squares.jpg" "$tmp/squares.ppm"
python3 - "$tmp/squares.jpg" truncated.jpg <<'PY'
import sys
data = open(sys.argv[1], "rb").read()
sos = data.index(b"\xff\xda")
scan = sos + 2 + int.from_bytes(data[sos + 2:sos + 4], "big")
open(sys.argv[2], "wb").write(data[:scan + (len(data) - scan) // 2])
PY
ls -l *.jpg
