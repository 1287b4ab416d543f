#!/usr/bin/env bash
# Makes the bitmap, icon and cursor test files in this folder. The BMP files
# come from ImageMagick, the icons, cursors and the odd BMP variants it does
# not write from the Python below; the reference pictures (ref*.ppm) say what
# the decoded pixels must be. Needs imagemagick and python3; the tests only
# read the files this leaves behind.
set -euo pipefail
cd "$(dirname "$0")"

python3 - <<'PY'
W, H = 13, 7  # odd width: every depth has padded rows

def ppm(name, colour):
    pixels = bytes(c for y in range(H) for x in range(W) for c in colour(x, y))
    open(name, "wb").write(b"P6\n%d %d\n255\n" % (W, H) + pixels)

# Many colours (8-bit palettes and true colour), twelve (4-bit), two (1-bit).
def many(x, y):
    if (x, y) in ((0, 0), (12, 6)):  # full black and white: no channel may fall short
        return (255, 255, 255) if x else (0, 0, 0)
    return (x * 19 + 3, y * 36 + 5, (x * y * 7 + 40 * ((x + y) % 2)) % 256)
ppm("ref.ppm", many)
TWELVE = [(0, 0, 0), (255, 255, 255), (255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 0),
          (0, 255, 255), (255, 0, 255), (128, 64, 32), (32, 96, 160), (200, 150, 100), (10, 20, 30)]
ppm("ref16.ppm", lambda x, y: TWELVE[(x + 3 * y + (x * y) % 5) % 12])
ppm("ref2.ppm", lambda x, y: (255, 255, 255) if (x * x + y * 3) % 7 < 3 else (0, 0, 0))
PY

convert ref.ppm BMP3:rgb24.bmp
convert ref.ppm -type Palette -compress None BMP3:pal8.bmp
convert ref.ppm -type Palette -compress RLE BMP3:rle8.bmp
convert ref16.ppm -type Palette -compress None BMP3:pal4.bmp
convert ref2.ppm -type Palette -compress None BMP3:pal1.bmp
convert ref.ppm -define bmp:subtype=RGB555 BMP:v5rgb555.bmp
convert ref.ppm -define bmp:subtype=RGB565 BMP:v5rgb565.bmp
convert ref.ppm -alpha set -define bmp3:alpha=true BMP3:xrgb32.bmp
# Alpha that the picture loader ignores: half the pixels 50% transparent.
convert ref.ppm -alpha set -channel A -fx "(i+j)%2?1:0.5" +channel BMP:v5argb32.bmp
convert ref.ppm BMP2:os2rgb24.bmp
convert ref.ppm -type Palette BMP2:os2pal8.bmp
convert ref16.ppm -type Palette BMP2:os2pal4.bmp
# A 20 x 20 PNG for an icon: left half opaque red, bottom right half-transparent blue.
convert -size 20x20 xc:none +antialias -fill red -draw "rectangle 0,0 9,19" \
  -fill "rgba(0,0,255,0.5)" -draw "rectangle 10,15 19,19" -define png:exclude-chunk=all \
  PNG32:icon20.png
# A two-image icon as ImageMagick writes one: 32-bit images with alpha.
convert ref16.ppm -filter point -resize 16x16! \( ref16.ppm -filter point -resize 32x32! \) \
  magick.ico
convert 'magick.ico[1]' -background white -flatten magick32.ppm

python3 - <<'PY'
import struct

def u16(n): return struct.pack("<H", n)
def u32(n): return struct.pack("<I", n)
def i32(n): return struct.pack("<i", n)

def read_bmp(name):
    data = open(name, "rb").read()
    return data, struct.unpack_from("<I", data, 10)[0], struct.unpack_from("<I", data, 14)[0]

def bmp_file(header, palette, pixels):
    offset = 14 + len(header) + len(palette)
    return b"BM" + u32(offset + len(pixels)) + u32(0) + u32(offset) + header + palette + pixels

def info_header(w, h, bits, compression=0, image_size=0, used=0):
    return u32(40) + i32(w) + i32(h) + u16(1) + u16(bits) + u32(compression) + \
        u32(image_size) + i32(0) + i32(0) + u32(used) + u32(0)

# Top-down 24-bit: ImageMagick's rows in reverse with a negative height.
data, offset, _ = read_bmp("rgb24.bmp")
stride = (13 * 3 + 3) & ~3
rows = [data[offset + i * stride:offset + (i + 1) * stride] for i in range(7)]
header = bytearray(data[14:offset])
struct.pack_into("<i", header, 8, -7)
open("topdown24.bmp", "wb").write(bmp_file(bytes(header), b"", b"".join(reversed(rows))))

# 16-bit with a 40-byte header: without masks (5-5-5 by default), and with
# 5-6-5 masks after the header. (ImageMagick's own BMP3 leaves the masks out.)
data, offset, _ = read_bmp("v5rgb555.bmp")
header = bytearray(data[14:54])
struct.pack_into("<I", header, 0, 40)
struct.pack_into("<I", header, 16, 0)
open("rgb555.bmp", "wb").write(bmp_file(bytes(header), b"", data[offset:]))
data, offset, _ = read_bmp("v5rgb565.bmp")
header = bytearray(data[14:54])
struct.pack_into("<I", header, 0, 40)
open("bitfields565.bmp", "wb").write(bmp_file(bytes(header), data[54:66], data[offset:]))

# V4 header: the V5 file's header without its last 16 bytes.
data, offset, size = read_bmp("v5argb32.bmp")
header = bytearray(data[14:14 + 108])
struct.pack_into("<I", header, 0, 108)
open("v4argb32.bmp", "wb").write(bmp_file(bytes(header), data[14 + size:offset], data[offset:]))

# Palette colours by index for the hand-made files: 0 black, 1 red, 2 green,
# 3 blue, 4 white (yellow in RLE files, where untouched pixels are white).
PALETTE = [(0, 0, 0), (255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 255)]
RLE_PALETTE = PALETTE[:4] + [(255, 255, 0)]
def quads(colours, count):
    colours = colours + [(0, 0, 0)] * (count - len(colours))
    return b"".join(bytes((b, g, r, 0)) for r, g, b in colours)

# RLE4 8 x 6: runs, an odd literal run, a jump, a line left unfinished and an
# early end. Expected rows (top first, . = untouched):
#   ........
#   ........
#   ..33....
#   .....124
#   12121...
#   0004....
rle4 = bytes([
    3, 0x00, 1, 0x40, 0, 0,  # bottom row: three black, one white, end of line
    0, 5, 0x12, 0x12, 0x10, 0,  # literal 1 2 1 2 1 (three bytes, padded to four)
    0, 0,
    0, 2, 5, 0,  # jump 5 right on the same row
    0, 3, 0x12, 0x40,  # literal 1 2 4 (two bytes, already even)
    0, 0,
    0, 2, 2, 0,  # jump right 2, then two blue, and no end of line
    2, 0x33,
    0, 1,  # end of picture
])
open("rle4.bmp", "wb").write(
    bmp_file(info_header(8, 6, 4, 2, len(rle4), 5), quads(RLE_PALETTE, 5), rle4))

# RLE8 4 x 3 with a jump across a row: the top row is set, the middle row
# only at x 3, the bottom row only at x 0.
rle8 = bytes([1, 1, 0, 2, 2, 1, 1, 2, 0, 0, 4, 3, 0, 1])
open("rle8jump.bmp", "wb").write(
    bmp_file(info_header(4, 3, 8, 1, len(rle8), 5), quads(RLE_PALETTE, 5), rle8))

# 8-bit with a three-colour table (colours used = 3): indexes past it are black.
pixels = bytes([0, 1, 2, 7])
open("shortpalette.bmp", "wb").write(
    bmp_file(info_header(4, 1, 8, 0, 4, 3), quads([(9, 9, 9), (255, 0, 0), (0, 0, 255)], 3),
             pixels))

# Icons and cursors.
def dib_image(w, h, bits, rows, mask, palette=()):
    """rows top first: palette indexes, or (r, g, b[, a]); mask rows of 0/1."""
    def pack_row(row):
        if bits <= 8:
            out, acc, n = bytearray(), 0, 0
            for v in row:
                acc = acc << bits | v
                n += bits
                if n == 8:
                    out.append(acc)
                    acc, n = 0, 0
            if n:
                out.append(acc << (8 - n))
        else:
            out = bytearray()
            for p in row:
                out += bytes((p[2], p[1], p[0])) + (bytes((p[3],)) if bits == 32 else b"")
        return bytes(out) + b"\0" * (-len(out) % 4)
    def pack_mask(row):
        out = bytearray((w + 7) // 8)
        for x, bit in enumerate(row):
            if bit:
                out[x // 8] |= 0x80 >> (x % 8)
        return bytes(out) + b"\0" * (-len(out) % 4)
    colour_table = quads(list(palette), len(palette)) if bits <= 8 else b""
    xor = b"".join(pack_row(r) for r in reversed(rows))
    andm = b"".join(pack_mask(r) for r in reversed(mask))
    header = u32(40) + i32(w) + i32(2 * h) + u16(1) + u16(bits) + u32(0) + \
        u32(len(xor) + len(andm)) + i32(0) + i32(0) + u32(len(palette) if bits <= 8 else 0) + u32(0)
    return header + colour_table + xor + andm

def icon_file(images, kind=1):
    """images: (payload, width, height, hotx_or_planes, hoty_or_bits)."""
    out = u16(0) + u16(kind) + u16(len(images))
    offset = 6 + 16 * len(images)
    for payload, w, h, a, b in images:
        out += bytes((w % 256, h % 256, 0, 0)) + u16(a) + u16(b) + u32(len(payload)) + u32(offset)
        offset += len(payload)
    return out + b"".join(p[0] for p in images)

def solid(w, h, bits, colour):
    rows = [[colour] * w for _ in range(h)]
    return dib_image(w, h, bits, rows, [[0] * w for _ in range(h)])

# 4-bit 6 x 4 with a mask: transparent, inverting and opaque pixels.
mask4 = dib_image(6, 4, 4,
    [[1, 1, 2, 2, 3, 3], [0, 0, 4, 4, 0, 0], [3, 2, 1, 0, 4, 0], [1, 0, 1, 0, 1, 0]],
    [[0, 0, 0, 0, 0, 0], [1, 1, 0, 0, 1, 1], [0, 0, 0, 1, 1, 0], [0, 0, 0, 0, 0, 0]],
    PALETTE + [(0, 0, 0)] * 11)
open("mask4.ico", "wb").write(icon_file([(mask4, 6, 4, 1, 4)]))

# Which image is taken: the largest area, then the most bits. Directory order
# puts the winner in the middle; each image is one colour.
RED, GREEN, BLUE, GREY = (255, 0, 0), (0, 255, 0), (0, 0, 255), (128, 128, 128)
open("choose.ico", "wb").write(icon_file([
    (dib_image(16, 16, 8, [[1] * 16] * 16, [[0] * 16] * 16, PALETTE), 16, 16, 1, 8),
    (solid(16, 16, 24, GREEN), 16, 16, 1, 24),
    (solid(8, 8, 32, BLUE + (255,)), 8, 8, 1, 32),
    (solid(16, 8, 32, GREY + (255,)), 16, 8, 1, 32),
]))

# 32-bit with alpha (the mask, all set, is ignored) and 32-bit with alpha all
# zero (the mask decides).
alpha_rows = [[(255, 0, 0, 255), (0, 255, 0, 0), (0, 0, 255, 128), (255, 255, 255, 64)]]
open("alpha32.ico", "wb").write(icon_file([
    (dib_image(4, 1, 32, alpha_rows, [[1, 1, 1, 1]]), 4, 1, 1, 32)]))
open("zeroalpha32.ico", "wb").write(icon_file([
    (dib_image(4, 1, 32, [[(255, 0, 0, 0), (0, 255, 0, 0), (0, 0, 0, 0), (9, 9, 9, 0)]],
               [[0, 1, 1, 0]]), 4, 1, 1, 32)]))

# 32-bit with masks but no alpha mask: the AND mask [0 1] decides, whatever
# the unused top bytes (here 0xFF) say.
header = u32(40) + i32(2) + i32(2) + u16(1) + u16(32) + u32(3) + u32(12) + i32(0) * 2 + u32(0) * 2
masks = u32(0xFF0000) + u32(0x00FF00) + u32(0x0000FF)
pixels = bytes((0, 0, 255, 255, 0, 255, 0, 255)) + bytes((0x40, 0, 0, 0))
open("bitfields32.ico", "wb").write(icon_file([(header + masks + pixels, 2, 1, 1, 32)]))

# A PNG image beside a smaller 1-bit one; the PNG is larger and wins.
png = open("icon20.png", "rb").read()
open("png.ico", "wb").write(icon_file([
    (dib_image(16, 16, 1, [[1] * 16] * 16, [[0] * 16] * 16, [(0, 0, 0), (255, 255, 255)]), 16, 16, 1, 1),
    (png, 20, 20, 1, 32)]))

# A cursor with two sizes and hot spots. 32 x 32 1-bit: an opaque 10 x 10
# square at the top left (black, white on the diagonal); outside it the
# diagonal inverts and the rest is transparent. 16 x 16: opaque white.
rows = [[1 if x == y else 0 for x in range(32)] for y in range(32)]
mask = [[0 if x < 10 and y < 10 else 1 for x in range(32)] for y in range(32)]
big = dib_image(32, 32, 1, rows, mask, [(0, 0, 0), (255, 255, 255)])
small = dib_image(16, 16, 1, [[1] * 16] * 16, [[0] * 16] * 16, [(0, 0, 0), (255, 255, 255)])
open("twosizes.cur", "wb").write(icon_file([(small, 16, 16, 2, 3), (big, 32, 32, 5, 7)], kind=2))

# Animated cursors.
def chunk(cid, data):
    return cid + u32(len(data)) + data + (b"\0" if len(data) % 2 else b"")

def ani(chunks):
    body = b"ACON" + b"".join(chunks)
    return b"RIFF" + u32(len(body)) + body

def anih(frames, steps, rate, flags):
    return chunk(b"anih", u32(36) + u32(frames) + u32(steps) + u32(0) * 4 + u32(rate) + u32(flags))

def cursor_frame(colour, hot):
    return icon_file([(solid(8, 8, 32, colour + (255,)), 8, 8, hot, hot)], kind=2)

frames = [cursor_frame(RED, 1), cursor_frame(GREEN, 2), cursor_frame(BLUE, 3)]
open("sequence.ani", "wb").write(ani([
    chunk(b"LIST", b"INFO" + chunk(b"INAM", b"test\0")),  # odd length: padded
    anih(3, 5, 10, 3),
    chunk(b"rate", b"".join(u32(r) for r in (5, 6, 0, 8))),  # one short; a 0
    chunk(b"seq ", b"".join(u32(s) for s in (0, 1, 2, 1, 0))),
    chunk(b"LIST", b"fram" + b"".join(chunk(b"icon", f) for f in frames)),
]))
# No sequence and no rates: frames in order at the header's rate. The second
# frame is an icon with a PNG image, which points with its centre.
open("plain.ani", "wb").write(ani([
    anih(2, 2, 7, 1),
    chunk(b"LIST", b"fram" + chunk(b"icon", frames[0]) +
          chunk(b"icon", icon_file([(png, 20, 20, 1, 32)]))),
]))
PY
rm -f icon20.png
