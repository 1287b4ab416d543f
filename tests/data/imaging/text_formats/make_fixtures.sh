#!/usr/bin/env bash
# Makes the Text Picture, anymap and X bitmap fixtures of the imaging tests.
# Run from anywhere; needs python3, netpbm and xbitmaps (the X11 bitmaps in
# /usr/include/X11/bitmaps).
# The anymaps come from netpbm, or from python where netpbm has no tool for
# the layout; the text pictures from the independent encoder below.
set -euo pipefail
cd "$(dirname "$0")"
mkdir -p anymap xbm textpic

# --- Anymaps -------------------------------------------------------------
# colour.ppm: 7 x 5, pixel (x, y) = red 36x, green 60y, blue (13xy) mod 256.
python3 - <<'PY'
w, h = 7, 5
data = bytearray()
for y in range(h):
    for x in range(w):
        data += bytes([36 * x, 60 * y, (13 * x * y) % 256])
open("anymap/colour.ppm", "wb").write(b"P6\n%d %d\n255\n" % (w, h) + data)
PY
pnmtoplainpnm anymap/colour.ppm > anymap/colour_plain.ppm
# The same with maximum values 15 and 65535 (16-bit samples), raw and plain.
pamdepth 15 anymap/colour.ppm | pamtopnm > anymap/colour15.ppm
pnmtoplainpnm anymap/colour15.ppm > anymap/colour15_plain.ppm
pamdepth 65535 anymap/colour.ppm | pamtopnm > anymap/colour16.ppm
pnmtoplainpnm anymap/colour16.ppm > anymap/colour16_plain.ppm
# Greymaps: a 9 x 3 ramp and the colour picture in grey.
pgmramp -lr 9 3 > anymap/ramp.pgm
pnmtoplainpnm anymap/ramp.pgm > anymap/ramp_plain.pgm
ppmtopgm anymap/colour.ppm > anymap/grey.pgm
pnmtoplainpnm anymap/grey.pgm > anymap/grey_plain.pgm
# Bitmaps of odd widths: 13 (two bytes a row, 3 bits spare) and 10.
pbmmake -gray 13 3 > anymap/checker13.pbm
pnmtoplainpnm anymap/checker13.pbm > anymap/checker13_plain.pbm
pbmmake -gray 10 4 | pnminvert > anymap/checker10.pbm
pnmtoplainpnm anymap/checker10.pbm > anymap/checker10_plain.pbm
# Comments everywhere a line may hold one, CR LF line ends, and a plain
# bitmap with blanks between its pixels.
python3 - <<'PY'
plain = open("anymap/colour_plain.ppm", "rb").read().split(b"\n")
out = [plain[0] + b" # the magic", b"#", plain[1] + b"# size", b"# maximum next",
       plain[2]]
for i, line in enumerate(plain[3:]):
    out.append(line + (b" # row %d" % i if line else b""))
open("anymap/colour_comments.ppm", "wb").write(b"\r\n".join(out))
raw = open("anymap/colour.ppm", "rb").read()
header, pixels = raw[:raw.index(b"255\n") + 4], raw[raw.index(b"255\n") + 4:]
open("anymap/colour_comments_raw.ppm", "wb").write(
    b"P6 # raw\n# a comment line\n7 # width\n5\n# maximum\n255\n" + pixels)
bits = open("anymap/checker13_plain.pbm", "rb").read().split(b"\n")
rows = [b" ".join(bytes([c]) for c in row) for row in bits[2:] if row]
open("anymap/checker13_spaced.pbm", "wb").write(b"P1\n13 3\n" + b"\n".join(rows) + b"\n")
PY

# --- X bitmaps: netpbm's reading of some of the system's X11 bitmaps -----
for name in xlogo16 xlogo32 star weird_size 1x1 plaid flagup mensetmanus; do
  xbmtopbm "/usr/include/X11/bitmaps/$name" > "xbm/$name.pbm"
done

# --- Text pictures --------------------------------------------------------
# An encoder written from the format description alone, so the reader is
# checked against something other than its own writer. Each picture's pixel
# (x, y) is palette index (x + 2y) mod colours.
python3 - <<'PY'
ALPHABET = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz()"

def digits(n, count):
    out = ""
    for _ in range(count):
        out += ALPHABET[n % 64]
        n //= 64
    return out

def encode(depth, w, h, palette, colours):
    text = "T" + ALPHABET[depth] + digits(w, 3) + digits(h, 3)
    text += "".join(digits(c, 4) for c in palette) + "~"
    per = {1: 6, 2: 3, 3: 2}.get(depth, 1)
    bits = depth if per > 1 else 6
    indices = [(x + 2 * y) % colours for y in range(h) for x in range(w)]
    for i in range(0, len(indices), per):
        group = indices[i:i + per]
        text += ALPHABET[sum(v << (k * bits) for k, v in enumerate(group))]
    return text + "#"

# Depth 1, 13 x 3: blue and orange; one line.
open("textpic/depth1.tep", "w").write(encode(1, 13, 3, [0xFF0000, 0x0080FF], 2))
# Depth 3, 5 x 4: eight colours given; wrapped in quoted pieces with a comment.
pal8 = [0x000000, 0x112233, 0x445566, 0x778899, 0xAABBCC, 0xDDEEFF, 0x0000FF, 0xFFFFFF]
t = encode(3, 5, 4, pal8, 8)
open("textpic/depth3_quoted.tep", "w").write(
    "{ glyph: eight colours }\r\n'" + t[:20] + "'+\r\n  '" + t[20:] + "'\r\n")
# Depth 6, 70 x 2: 64 colours, plain lines of 17 characters.
pal64 = [(i * 0x030507) & 0xFFFFFF for i in range(64)]
t = encode(6, 70, 2, pal64, 64)
open("textpic/depth6_lines.tep", "w").write(
    "\r\n".join(t[i:i + 17] for i in range(0, len(t), 17)) + "\r\n")
# Depth 4 with only two palette entries given: the rest are defaults.
open("textpic/depth4_short_palette.tep", "w").write(encode(4, 16, 1, [0x123456, 0x654321], 16))
PY
