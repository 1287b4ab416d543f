#!/usr/bin/env python3
"""Makes the creator toolbar's button glyphs.

Each glyph is drawn here as 16 x 16 character art (one letter per pixel,
looked up in PALETTE) or by a small function, and written as a Text Picture
string into app/toolbar/toolbar_glyphs.cpp. The top-left pixel of every glyph
is the background, which the toolbar leaves out when drawing.

    scripts/make-toolbar-glyphs.py                 # rewrite the source file
    scripts/make-toolbar-glyphs.py --preview a.png # also a 6x enlarged sheet
"""

import argparse
import math
import os
import struct
import sys
import zlib

SIZE = 16

# Letter -> (red, green, blue). "." is the background; no glyph uses its colour.
PALETTE = {
    ".": (255, 0, 255),
    "k": (0, 0, 0),
    "w": (255, 255, 255),
    "s": (192, 192, 192),
    "d": (96, 96, 96),
    "n": (0, 0, 128),
    "b": (30, 80, 220),
    "l": (150, 200, 255),
    "G": (20, 140, 40),
    "D": (10, 90, 25),
    "y": (255, 230, 60),
    "m": (215, 170, 60),
    "B": (110, 70, 20),
    "r": (210, 30, 30),
    "e": (90, 220, 90),
}

NEW = """
................
..kkkkkkkkk.....
..kwwwwwwwkk....
..kwwwwwwwksk...
..kwwwwwwwksskk.
..kwwwwwwwkkkkk.
..kwwwwwwwwwwwk.
..kwwwwwwwwwwwk.
..kwwwwwwwwwwwk.
..kwwwwwwwwwwwk.
..kwwwwwwwwwwwk.
..kwwwwwwwwwwwk.
..kwwwwwwwwwwwk.
..kwwwwwwwwwwwk.
..kkkkkkkkkkkkk.
................
"""

OPEN = """
................
.........kkk....
........k...k.k.
.............kk.
.kkkk.......kkk.
kyyyyk..........
kywwwykkkkkkk...
kywyyyyyyyyyk...
kyyykkkkkkkkkkk.
kyykmmmmmmmmmmk.
kykmmmmmmmmmmk..
kykmmmmmmmmmmk..
kkmmmmmmmmmmk...
kkmmmmmmmmmmk...
kkkkkkkkkkkk....
................
"""

SAVE = """
................
.kkkkkkkkkkkkkk.
.knkwwwwwwwwknk.
.knkwwwwwwwwknk.
.knkwwwwwwwwknk.
.knkwwwwwwwwknk.
.knnkkkkkkkknnk.
.knnnnnnnnnnnnk.
.knnkkkkkkkknnk.
.knnksssdssknnk.
.knnksssdssknnk.
.knnksssdssknnk.
.knnksssssskknk.
..kkkkkkkkkkkkk.
................
................
"""

PRINT = """
................
....kkkkkkkk....
....kwwwwwwk....
....kwkkkkwk....
....kwwwwwwk....
..kkkkkkkkkkkk..
.ksssssssssssek.
.kssssssssssssk.
.kddddddddddddk.
.ksskkkkkkkkssk.
..kkkwwwwwwkkk..
....kwkkkkwk....
....kwwwwwwk....
....kkkkkkkk....
................
................
"""

UNDO = """
................
................
....k...........
...kbk..........
..kbbkkkkkkk....
.kbbbbbbbbbbkk..
..kbbkkkkkkbbbk.
...kbk......kbbk
....k.......kbbk
............kbbk
...........kbbk.
..........kbbk..
......kkkbbbk...
......kbbbkk....
......kkkk......
................
"""

CENTRE = """
.......kk.......
.......kk.......
.......kk.......
.....kkkkkk.....
......kkkk......
...k...kk...k...
...kk.bbbb.kk...
kkkkkkbbbbkkkkkk
kkkkkkbbbbkkkkkk
...kk.bbbb.kk...
...k...kk...k...
......kkkk......
.....kkkkkk.....
.......kk.......
.......kk.......
.......kk.......
"""

PICTURE = """
................
kkkkkkkkkkkkkkkk
kllllllllllllllk
klllllllllyylllk
kllllllllyyyyllk
kllllllllyyyyllk
klllllllllyylllk
kllllGGllllllllk
klllGGGGllllGllk
kllGGGGGGllGGGlk
klGGGGGGGGGGGGGk
kGGGGDGGGGGGDGGk
kGGDDDGGGGGDDDGk
kDDDDDDDDDDDDDDk
kkkkkkkkkkkkkkkk
................
"""

CURSOR = """
................
.k..............
.kk.............
.kwk............
.kwwk...........
.kwwwk..........
.kwwwwk.........
.kwwwwwk........
.kwwwwwwk.......
.kwwwwwwwk......
.kwwwwkkkkk.....
.kwwkwwk........
.kwk.kwwk.......
.kk...kwwk......
.k....kwwk......
.......kk.......
"""

SOUND = """
................
.....nnnnnnnnn..
.....nnnnnnnnn..
.....n.......n..
.....n.......n..
.....n.......n..
.....n.......n..
.....n.......n..
.....n.......n..
..nnnn....nnnn..
.nnnnn...nnnnn..
.nnnnn...nnnnn..
..nnn.....nnn...
................
................
................
"""

FRAME = """
................
BBBBBBBBBBBBBBBB
BmmmmmmmmmmmmmmB
BmmmmmmmmmmmmmmB
BmmBBBBBBBBBBmmB
BmmBwwwwwwwwBmmB
BmmBwwwwwwwwBmmB
BmmBwwwwwwwwBmmB
BmmBwwwwwwwwBmmB
BmmBwwwwwwwwBmmB
BmmBwwwwwwwwBmmB
BmmBBBBBBBBBBmmB
BmmmmmmmmmmmmmmB
BmmmmmmmmmmmmmmB
BBBBBBBBBBBBBBBB
................
"""

MESSAGE = """
................
..kkkkkkkkkkkk..
.kwwwwwwwwwwwwk.
kwwnnnnnnnnnnwwk
kwwwwwwwwwwwwwwk
kwwnnnnnnnnwwwwk
kwwwwwwwwwwwwwwk
kwwnnnnnnnnnnwwk
kwwwwwwwwwwwwwwk
.kwwwwwwwwwwwwk.
..kkkwwkkkkkkk..
....kwk.........
...kwk..........
..kk............
................
................
"""

STOP = """
................
................
................
...kkkkkkkkkk...
...knnnnnnnnk...
...knnnnnnnnk...
...knnnnnnnnk...
...knnnnnnnnk...
...knnnnnnnnk...
...knnnnnnnnk...
...knnnnnnnnk...
...knnnnnnnnk...
...kkkkkkkkkk...
................
................
................
"""

PLAY = """
................
................
....kk..........
....kGkk........
....kGGGkk......
....kGGGGGkk....
....kGGGGGGGkk..
....kGGGGGGGGGk.
....kGGGGGGGGGk.
....kGGGGGGGkk..
....kGGGGGkk....
....kGGGkk......
....kGkk........
....kk..........
................
................
"""

VOLUME = """
................
................
........k.......
.......kk....k..
......ksk..k..k.
.kkkkkssk...k.k.
.kssssssk.k.k..k
.kssssssk.k.k..k
.kssssssk.k.k..k
.kssssssk.k.k..k
.kkkkkssk...k.k.
......ksk..k..k.
.......kk....k..
........k.......
................
................
"""

FRAME_SIZE = """
................
BBBBBBBBBBBBBBBB
BmmmmmmmmmmmmmmB
BmmBBBBBBBBBBmmB
BmmB...rr...BmmB
BmmB..rrrr..BmmB
BmmB.r.rr.r.BmmB
BmmBrrrrrrrrBmmB
BmmBrrrrrrrrBmmB
BmmB.r.rr.r.BmmB
BmmB..rrrr..BmmB
BmmB...rr...BmmB
BmmBBBBBBBBBBmmB
BmmmmmmmmmmmmmmB
BBBBBBBBBBBBBBBB
................
"""

FRAME_COLOR = """
................
BBBBBBBBBBBBBBBB
BrrrrrrryyyyyyyB
BrrrrrrryyyyyyyB
BrrBBBBBBBBBByyB
BrrBwwwwwwwwByyB
BrrBwwwwwwwwByyB
BrrBwwwwwwwwByyB
BbbBwwwwwwwwBGGB
BbbBwwwwwwwwBGGB
BbbBwwwwwwwwBGGB
BbbBBBBBBBBBBGGB
BbbbbbbbGGGGGGGB
BbbbbbbbGGGGGGGB
BBBBBBBBBBBBBBBB
................
"""

TEXT = """
................
.kkkkkkkkkk.....
.kkkkkkkkkk.....
.kk..kk..kk.....
.....kk....kkk..
.....kk.....k...
.....kk.....k...
.....kk.....k...
.....kk.....k...
.....kk.....k...
.....kk.....k...
.....kk.....k...
.....kk.....k...
....kkkk...kkk..
................
................
"""

TEXT_COLOR = """
................
.......kk.......
......kkkk......
......kkkk......
.....kk..kk.....
.....kk..kk.....
....kk....kk....
....kkkkkkkk....
...kkkkkkkkkk...
...kk......kk...
..kk........kk..
..kk........kk..
................
rrrryyyyGGGGbbbb
rrrryyyyGGGGbbbb
................
"""

INFORMATION = """
.....nnnnnn.....
...nnbbbbbbnn...
..nbbbbwwbbbbn..
.nbbbbbwwbbbbbn.
.nbbbbbbbbbbbbn.
nbbbbbwwwbbbbbbn
nbbbbbbwwbbbbbbn
nbbbbbbwwbbbbbbn
nbbbbbbwwbbbbbbn
nbbbbbbwwbbbbbbn
nbbbbbwwwwbbbbbn
.nbbbbbbbbbbbbn.
.nbbbbbbbbbbbbn.
..nbbbbbbbbbbn..
...nnbbbbbbnn...
.....nnnnnn.....
"""

HELP = """
.....nnnnnn.....
...nnyyyyyynn...
..nyyykkkkyyyn..
.nyyykkyykkyyyn.
.nyyyyyyykkyyyn.
nyyyyyyykkyyyyyn
nyyyyyykkyyyyyyn
nyyyyyykkyyyyyyn
nyyyyyykkyyyyyyn
nyyyyyyyyyyyyyyn
nyyyyyykkyyyyyyn
.nyyyyykkyyyyyn.
.nyyyyyyyyyyyyn.
..nyyyyyyyyyyn..
...nnyyyyyynn...
.....nnnnnn.....
"""


def art(text):
    rows = [row for row in text.strip("\n").split("\n")]
    assert len(rows) == SIZE, f"{len(rows)} rows"
    for row in rows:
        assert len(row) == SIZE, f"row {row!r} is {len(row)} wide"
        for ch in row:
            assert ch in PALETTE, f"letter {ch!r} has no colour"
    assert rows[0][0] == "."
    return [[PALETTE[ch] for ch in row] for row in rows]


def globe(cx, cy, radius, rows_total=SIZE):
    """A globe of meridians and parallels: the web."""
    grid = [[PALETTE["."]] * SIZE for _ in range(rows_total)]
    for y in range(rows_total):
        for x in range(SIZE):
            dx = x + 0.5 - cx
            dy = y + 0.5 - cy
            d = math.hypot(dx, dy)
            if d > radius:
                continue
            colour = PALETTE["l"]
            if d > radius - 1.0:
                colour = PALETTE["n"]
            elif abs(dx) < 0.6 or abs(dy) < 0.6:
                colour = PALETTE["n"]
            else:
                # The meridian ellipse halfway out.
                half = radius * 0.5 * math.sqrt(max(0.0, 1 - (dy / radius) ** 2))
                if abs(abs(dx) - half) < 0.55:
                    colour = PALETTE["n"]
            grid[y][x] = colour
    return grid


def link_glyph():
    return globe(8.0, 8.0, 7.6)


def link_colour_glyph():
    grid = globe(8.0, 6.5, 6.3)
    bar = "rrrryyyyGGGGbbbb"
    for y in (13, 14):
        grid[y] = [PALETTE[ch] for ch in bar]
    return grid


# In the order of the toolbar's buttons; names become kGlyph<Name>.
GLYPHS = [
    ("New", lambda: art(NEW)),
    ("Open", lambda: art(OPEN)),
    ("SaveAs", lambda: art(SAVE)),
    ("Print", lambda: art(PRINT)),
    ("Undo", lambda: art(UNDO)),
    ("Center", lambda: art(CENTRE)),
    ("Picture", lambda: art(PICTURE)),
    ("Cursor", lambda: art(CURSOR)),
    ("Sound", lambda: art(SOUND)),
    ("Frame", lambda: art(FRAME)),
    ("Message", lambda: art(MESSAGE)),
    ("Stop", lambda: art(STOP)),
    ("Play", lambda: art(PLAY)),
    ("Volume", lambda: art(VOLUME)),
    ("FrameSize", lambda: art(FRAME_SIZE)),
    ("FrameColor", lambda: art(FRAME_COLOR)),
    ("Link", link_glyph),
    ("LinkColor", link_colour_glyph),
    ("Text", lambda: art(TEXT)),
    ("TextColor", lambda: art(TEXT_COLOR)),
    ("Information", lambda: art(INFORMATION)),
    ("Help", lambda: art(HELP)),
]

ALPHABET = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz()"


def digits(n, count):
    return "".join(ALPHABET[(n >> (6 * i)) & 63] for i in range(count))


def text_picture(grid):
    """The grid as a Text Picture at the smallest depth its colours fit."""
    palette = []
    for row in grid:
        for colour in row:
            if colour not in palette:
                palette.append(colour)
    depth = next(d for d in range(1, 7) if len(palette) <= 1 << d)
    per_digit = {1: 6, 2: 3, 3: 2}.get(depth, 1)
    bits = {1: 1, 2: 2, 3: 3}.get(depth, 0)
    height, width = len(grid), len(grid[0])
    out = "T" + ALPHABET[depth] + digits(width, 3) + digits(height, 3)
    for r, g, b in palette:
        out += digits(r | (g << 8) | (b << 16), 4)
    out += "~"
    indexes = [palette.index(c) for row in grid for c in row]
    for i in range(0, len(indexes), per_digit):
        group = indexes[i:i + per_digit]
        value = group[0] if bits == 0 else sum(v << (bits * k) for k, v in enumerate(group))
        out += ALPHABET[value]
    return out + "#"


def write_source(path, glyphs):
    lines = [
        "// The toolbar's button glyphs as Text Picture strings, 16 x 16 pixels,",
        "// background in the top-left pixel. Made by scripts/make-toolbar-glyphs.py;",
        "// change the drawings there and run it again.",
        "",
        '#include "app/toolbar/toolbar_glyphs.h"',
        "",
        "namespace lumigram {",
        "",
    ]
    for name, text in glyphs:
        lines.append(f"const char* const kGlyph{name} =")
        pieces = [text[i:i + 72] for i in range(0, len(text), 72)]
        for k, piece in enumerate(pieces):
            end = ";" if k == len(pieces) - 1 else ""
            lines.append(f'    "{piece}"{end}')
        lines.append("")
    lines.append("}  // namespace lumigram")
    with open(path, "w") as f:
        f.write("\n".join(lines) + "\n")


def write_preview(path, grids, scale=6, gap=4):
    face = (212, 208, 200)
    cell = SIZE * scale + gap
    width = cell * len(grids) + gap
    height = SIZE * scale + 2 * gap
    rows = []
    for y in range(height):
        row = bytearray([0])
        for x in range(width):
            colour = face
            gx, gy = (x - gap) // cell, y - gap
            px = (x - gap) % cell
            if 0 <= gx < len(grids) and 0 <= gy < SIZE * scale and px < SIZE * scale:
                c = grids[gx][gy // scale][px // scale]
                if c != PALETTE["."]:
                    colour = c
            row += bytes(colour)
        rows.append(bytes(row))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(b"".join(rows))) + chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--preview", help="write an enlarged PNG of all glyphs")
    parser.add_argument("--output", default=os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "app", "toolbar", "toolbar_glyphs.cpp"))
    args = parser.parse_args()
    grids = [(name, make()) for name, make in GLYPHS]
    write_source(args.output, [(name, text_picture(grid)) for name, grid in grids])
    if args.preview:
        write_preview(args.preview, [grid for _, grid in grids])
    return 0


if __name__ == "__main__":
    sys.exit(main())
