#!/usr/bin/env python3
"""Writes the metafile test pictures of this folder record by record.

Each picture is small and draws shapes at known pixels; the imaging tests
check those pixels. Run it from anywhere: python3 make_metafiles.py
"""

import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def colour(red, green, blue):
    """A COLORREF: red in the lowest byte."""
    return red | (green << 8) | (blue << 16)


RED = colour(255, 0, 0)
GREEN = colour(0, 255, 0)
BLUE = colour(0, 0, 255)
YELLOW = colour(255, 255, 0)
BLACK = 0

SRCCOPY = 0x00CC0020
PATCOPY = 0x00F00021
DSTINVERT = 0x00550009


def dib24(rows):
    """A packed 24-bit bottom-up DIB; rows are given top first, as RGB tuples."""
    height, width = len(rows), len(rows[0])
    header = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, 0, 0, 0, 0, 0)
    bits = b''
    for row in reversed(rows):
        line = b''.join(bytes((b, g, r)) for (r, g, b) in row)
        bits += line + b'\0' * (-len(line) % 4)
    return header, bits


QUADRANTS = [[(255, 0, 0), (0, 255, 0)], [(0, 0, 255), (255, 255, 0)]]


# ---------------------------------------------------------------- WMF

class Wmf:
    def __init__(self):
        self.records = []
        self.objects = 0

    def raw(self, function, params):
        if len(params) % 2:
            params += b'\0'
        self.records.append(struct.pack('<IH', 3 + len(params) // 2, function) + params)

    def rec(self, function, *words):
        """Parameters as 16-bit words, already in the file's (reversed) order."""
        self.raw(function, b''.join(struct.pack('<h', w) for w in words))

    # State
    def map_mode(self, mode): self.rec(0x0103, mode)
    def window_org(self, x, y): self.rec(0x020B, y, x)
    def window_ext(self, x, y): self.rec(0x020C, y, x)
    def bk_mode(self, mode): self.rec(0x0102, mode)
    def poly_fill_mode(self, mode): self.rec(0x0106, mode)
    def text_colour(self, c): self.raw(0x0209, struct.pack('<I', c))
    def save_dc(self): self.rec(0x001E)
    def restore_dc(self, n): self.rec(0x0127, n)
    def intersect_clip(self, l, t, r, b): self.rec(0x0416, b, r, t, l)

    # Objects
    def pen(self, style, width, c):
        self.raw(0x02FA, struct.pack('<HhhI', style, width, 0, c))
        self.objects += 1

    def brush(self, c, style=0, hatch=0):
        self.raw(0x02FC, struct.pack('<HIH', style, c, hatch))
        self.objects += 1

    def font(self, height, weight, face):
        params = struct.pack('<hhhhhBBBBBBBB', height, 0, 0, 0, weight, 0, 0, 0, 0, 0, 0, 0, 0)
        self.raw(0x02FB, params + face.encode('latin-1').ljust(32, b'\0'))
        self.objects += 1

    def select(self, index): self.rec(0x012D, index)
    def delete(self, index): self.rec(0x01F0, index)

    # Drawing
    def move_to(self, x, y): self.rec(0x0214, y, x)
    def line_to(self, x, y): self.rec(0x0213, y, x)
    def rectangle(self, l, t, r, b): self.rec(0x041B, b, r, t, l)
    def ellipse(self, l, t, r, b): self.rec(0x0418, b, r, t, l)

    def pie(self, l, t, r, b, xs, ys, xe, ye):
        self.rec(0x081A, ye, xe, ys, xs, b, r, t, l)

    def polypolygon(self, polygons):
        params = struct.pack('<H', len(polygons))
        params += b''.join(struct.pack('<H', len(p)) for p in polygons)
        params += b''.join(struct.pack('<hh', x, y) for p in polygons for (x, y) in p)
        self.raw(0x0538, params)

    def patblt(self, x, y, w, h, rop):
        self.raw(0x061D, struct.pack('<Ihhhh', rop, h, w, y, x))

    def textout(self, x, y, text):
        data = text.encode('latin-1')
        self.raw(0x0521, struct.pack('<H', len(data)) + data + b'\0' * (len(data) % 2) +
                 struct.pack('<hh', y, x))

    def exttextout(self, x, y, text, advances):
        data = text.encode('latin-1')
        params = struct.pack('<hhHH', y, x, len(data), 0) + data + b'\0' * (len(data) % 2)
        params += b''.join(struct.pack('<h', a) for a in advances)
        self.raw(0x0A32, params)

    def stretchdib(self, dest, src, dib):
        (dx, dy, dw, dh), (sx, sy, sw, sh) = dest, src
        header, bits = dib
        self.raw(0x0F43, struct.pack('<IHhhhhhhhh', SRCCOPY, 0, sh, sw, sy, sx, dh, dw, dy, dx) +
                 header + bits)

    def dibstretchblt(self, dest, src, dib):
        (dx, dy, dw, dh), (sx, sy, sw, sh) = dest, src
        header, bits = dib
        self.raw(0x0B41, struct.pack('<Ihhhhhhhh', SRCCOPY, sh, sw, sy, sx, dh, dw, dy, dx) +
                 header + bits)

    def dibbitblt(self, x, y, w, h, sx, sy, dib):
        header, bits = dib
        self.raw(0x0940, struct.pack('<Ihhhhhh', SRCCOPY, sy, sx, h, w, y, x) + header + bits)

    def data(self, placeable=None, end=True):
        body = b''.join(self.records) + (struct.pack('<IH', 3, 0) if end else b'')
        largest = max([len(r) // 2 for r in self.records] + [3])
        header = struct.pack('<HHHIHIH', 1, 9, 0x0300, (18 + len(body)) // 2, self.objects,
                             largest, 0)
        out = header + body
        if placeable is not None:
            left, top, right, bottom, inch = placeable
            head = struct.pack('<IHhhhhHI', 0x9AC6CDD7, 0, left, top, right, bottom, inch, 0)
            checksum = 0
            for (word,) in struct.iter_unpack('<H', head):
                checksum ^= word
            out = head + struct.pack('<H', checksum) + out
        return out


# ---------------------------------------------------------------- EMF

NULL_PEN = 0x80000008
BLACK_BRUSH = 0x80000004


class Emf:
    def __init__(self, frame, bounds=None):
        self.frame = frame
        self.bounds = bounds or (0, 0, 0, 0)
        self.records = []
        self.handles = 1

    def rec(self, kind, payload=b''):
        payload += b'\0' * (-len(payload) % 4)
        self.records.append(struct.pack('<II', kind, 8 + len(payload)) + payload)

    def ints(self, kind, *values):
        self.rec(kind, b''.join(struct.pack('<i', v) for v in values))

    # State
    def map_mode(self, mode): self.ints(17, mode)
    def window_ext(self, x, y): self.ints(9, x, y)
    def viewport_ext(self, x, y): self.ints(11, x, y)
    def bk_mode(self, mode): self.ints(18, mode)
    def poly_fill_mode(self, mode): self.ints(19, mode)
    def text_colour(self, c): self.rec(24, struct.pack('<I', c))
    def save_dc(self): self.rec(33)
    def restore_dc(self, n): self.ints(34, n)
    def intersect_clip(self, l, t, r, b): self.ints(30, l, t, r, b)
    def reset_clip(self): self.ints(75, 0, 5)

    def set_world(self, m11, m12, m21, m22, dx, dy):
        self.rec(35, struct.pack('<6f', m11, m12, m21, m22, dx, dy))

    def modify_world(self, mode, xform=(1, 0, 0, 1, 0, 0)):
        self.rec(36, struct.pack('<6fI', *xform, mode))

    # Objects
    def brush(self, index, c, style=0):
        self.rec(39, struct.pack('<IIII', index, style, c, 0))
        self.handles = max(self.handles, index + 1)

    def pen(self, index, style, width, c):
        self.rec(38, struct.pack('<IIiiI', index, style, width, 0, c))
        self.handles = max(self.handles, index + 1)

    def ext_pen(self, index, style, width, c):
        self.rec(95, struct.pack('<IIIIIIIIII', index, 0, 0, 0, 0, style, width, 0, c, 0) +
                 struct.pack('<I', 0))
        self.handles = max(self.handles, index + 1)

    def font(self, index, height, weight, face):
        logfont = struct.pack('<iiiiiBBBBBBBB', height, 0, 0, 0, weight, 0, 0, 0, 0, 0, 0, 0, 0)
        self.rec(82, struct.pack('<I', index) + logfont +
                 face.encode('utf-16-le').ljust(64, b'\0'))
        self.handles = max(self.handles, index + 1)

    def select(self, index): self.rec(37, struct.pack('<I', index))

    # Drawing
    def rectangle(self, l, t, r, b): self.ints(43, l, t, r, b)
    def ellipse(self, l, t, r, b): self.ints(42, l, t, r, b)
    def roundrect(self, l, t, r, b, w, h): self.ints(44, l, t, r, b, w, h)
    def move_to(self, x, y): self.ints(27, x, y)
    def line_to(self, x, y): self.ints(54, x, y)

    def points16(self, kind, points, count=None):
        payload = struct.pack('<iiiiI', 0, 0, 0, 0, len(points) if count is None else count)
        payload += b''.join(struct.pack('<hh', x, y) for (x, y) in points)
        self.rec(kind, payload)

    def polygon16(self, points): self.points16(86, points)
    def polyline16(self, points): self.points16(87, points)
    def polybezierto16(self, points): self.points16(88, points)

    def begin_path(self): self.rec(59)
    def end_path(self): self.rec(60)
    def close_figure(self): self.rec(61)
    def fill_path(self): self.ints(62, 0, 0, 0, 0)

    def exttextoutw(self, x, y, text, advances):
        data = text.encode('utf-16-le')
        chars = len(data) // 2
        text_at = 76
        dx_at = text_at + len(data) + (-len(data) % 4)
        payload = struct.pack('<iiii', 0, 0, 0, 0) + struct.pack('<Iff', 1, 1.0, 1.0)
        payload += struct.pack('<iiIIIiiiiI', x, y, chars, text_at, 0, 0, 0, 0, 0, dx_at)
        payload += data + b'\0' * (-len(data) % 4)
        payload += b''.join(struct.pack('<i', a) for a in advances)
        self.rec(84, payload)

    def stretchdibits(self, dest, src, dib):
        (dx, dy, dw, dh), (sx, sy, sw, sh) = dest, src
        header, bits = dib
        payload = struct.pack('<iiii', 0, 0, 0, 0)
        payload += struct.pack('<iiiiiiIIIIIIii', dx, dy, sx, sy, sw, sh, 80, len(header),
                               80 + len(header), len(bits), 0, SRCCOPY, dw, dh)
        self.rec(81, payload + header + bits)

    def blt(self, dest, src, rop, dib=None, stretch=False):
        (dx, dy, dw, dh), (sx, sy, sw, sh) = dest, src
        size = 108 if stretch else 100
        header, bits = dib if dib else (b'', b'')
        payload = struct.pack('<iiii', 0, 0, 0, 0)
        payload += struct.pack('<iiiiIii', dx, dy, dw, dh, rop, sx, sy)
        payload += struct.pack('<6f', 1, 0, 0, 1, 0, 0)
        payload += struct.pack('<IIIIII', 0, 0, size if dib else 0, len(header),
                               size + len(header) if dib else 0, len(bits))
        if stretch:
            payload += struct.pack('<ii', sw, sh)
        self.rec(77 if stretch else 76, payload + header + bits)

    def data(self, end=True):
        body = b''.join(self.records)
        eof = struct.pack('<IIIII', 14, 20, 0, 16, 20) if end else b''
        total = 88 + len(body) + len(eof)
        header = struct.pack('<II', 1, 88) + struct.pack('<4i', *self.bounds)
        header += struct.pack('<4i', *self.frame)
        header += struct.pack('<IIIIHHIIIiiii', 0x464D4520, 0x10000, total,
                              len(self.records) + 2, self.handles, 0, 0, 0, 0,
                              960, 960, 254, 254)  # 96 dots per inch
        return header + body + eof


def frame_of(width, height):
    """An EMF frame (hundredths of a millimetre) of the given pixels at 96 dpi."""
    return (0, 0, round(width * 2540 / 96), round(height * 2540 / 96))


def pentagram(cx, cy, r):
    corners = [(cx + r * math.cos(math.radians(-90 + 72 * k)),
                cy + r * math.sin(math.radians(-90 + 72 * k))) for k in range(5)]
    return [tuple(round(v) for v in corners[(2 * k) % 5]) for k in range(5)]


# ---------------------------------------------------------------- pictures

def wmf_shapes():
    w = Wmf()  # 15 twips to the pixel
    w.map_mode(8)
    w.window_org(0, 0)
    w.window_ext(1440, 960)
    w.pen(5, 0, 0)              # 0: no outline
    w.select(0)
    w.brush(RED)                # 1
    w.select(1)
    w.rectangle(150, 150, 600, 450)            # pixels (10,10)-(40,30)
    w.brush(BLUE)               # 2
    w.select(2)
    w.ellipse(750, 150, 1350, 750)             # centre (70,30), radius 20
    w.select(1)
    # quarter from the right (30,44) round to the top (20,34) of the box (10,34)-(30,54)
    w.pie(150, 510, 450, 810, 450, 660, 300, 510)
    w.pen(0, 0, GREEN)          # 3
    w.select(3)
    w.move_to(0, 900)
    w.line_to(1440, 900)                       # row 60
    return w.data(placeable=(0, 0, 1440, 960, 1440))


def wmf_window():
    w = Wmf()
    w.map_mode(8)
    w.window_org(100, 50)
    w.window_ext(200, 100)
    w.brush(BLACK)
    w.select(0)
    w.rectangle(110, 60, 130, 80)              # pixels (10,10)-(30,30)
    return w.data()


def wmf_bounds():
    w = Wmf()
    w.pen(5, 0, 0)
    w.select(0)
    w.brush(BLUE)
    w.select(1)
    w.rectangle(5, 5, 45, 25)                  # the whole 40 x 20 picture
    return w.data()


def wmf_fill_rules():
    w = Wmf()
    w.pen(5, 0, 0)
    w.select(0)
    w.brush(BLACK)
    w.select(1)
    outer = [(5, 5), (55, 5), (55, 55), (5, 55)]
    inner = [(20, 20), (40, 20), (40, 40), (20, 40)]
    w.poly_fill_mode(1)                        # alternate: a hole
    w.polypolygon([outer, inner])
    w.poly_fill_mode(2)                        # winding: same turn, no hole
    w.polypolygon([[(x + 60, y) for (x, y) in outer], [(x + 60, y) for (x, y) in inner]])
    return w.data(placeable=(0, 0, 120, 60, 96))


def wmf_bitmaps():
    w = Wmf()
    dib = dib24(QUADRANTS)
    w.stretchdib((0, 0, 40, 40), (0, 0, 2, 2), dib)
    w.dibstretchblt((50, 0, 20, 20), (1, 0, 1, 1), dib)   # the green pixel
    w.dibbitblt(80, 0, 2, 2, 0, 0, dib)
    w.brush(BLACK)
    w.select(0)
    w.patblt(50, 30, 10, 10, PATCOPY)
    w.patblt(0, 0, 5, 5, DSTINVERT)                    # red turns cyan
    return w.data(placeable=(0, 0, 100, 50, 96))


def wmf_clip():
    w = Wmf()
    w.pen(5, 0, 0)
    w.select(0)
    w.brush(BLACK)
    w.select(1)
    w.save_dc()
    w.intersect_clip(20, 20, 60, 40)
    w.patblt(0, 0, 80, 60, PATCOPY)
    w.restore_dc(-1)
    w.brush(RED)
    w.select(2)
    w.rectangle(0, 50, 10, 60)
    return w.data(placeable=(0, 0, 80, 60, 96))


def wmf_objects():
    w = Wmf()
    w.pen(5, 0, 0)          # 0
    w.select(0)
    w.brush(RED)            # 1
    w.delete(0)             # the pen stays selected; slot 0 is free again
    w.brush(BLUE)           # takes slot 0
    w.select(0)
    w.rectangle(0, 0, 20, 20)
    return w.data(placeable=(0, 0, 20, 20, 96))


def wmf_text():
    w = Wmf()
    w.bk_mode(1)
    w.text_colour(BLUE)
    w.font(-32, 700, 'Arial')
    w.select(0)
    w.textout(10, 5, 'HI')
    w.exttextout(10, 50, 'HI', [40, 40])                # the I starts at x = 50
    return w.data(placeable=(0, 0, 160, 100, 96))


def emf_shapes():
    e = Emf(frame_of(96, 48))
    e.select(NULL_PEN)
    e.brush(1, RED)
    e.select(1)
    e.rectangle(8, 8, 40, 24)
    e.select(BLACK_BRUSH)
    e.ellipse(48, 4, 88, 44)                           # centre (68,24), radius 20
    e.pen(2, 0, 1, GREEN)
    e.select(2)
    e.polyline16([(0, 46), (95, 46)])
    e.select(1)
    e.roundrect(8, 28, 40, 44, 16, 16)
    return e.data()


def emf_transform():
    e = Emf(frame_of(96, 48))
    e.select(NULL_PEN)
    e.brush(1, BLUE)
    e.select(1)
    e.set_world(2, 0, 0, 2, 10, 4)
    e.rectangle(0, 0, 10, 10)                          # (10,4)-(30,24)
    e.modify_world(1)
    e.modify_world(2, (0, 1, -1, 0, 70, 4))            # (x, y) -> (70 - y, x + 4)
    e.rectangle(0, 0, 40, 6)                           # (64,4)-(70,44)
    e.modify_world(1)
    e.map_mode(8)
    e.window_ext(1000, 1000)
    e.viewport_ext(96, 48)
    e.rectangle(0, 875, 250, 1000)                     # (0,42)-(24,48)
    return e.data()


def emf_fill_rules():
    e = Emf(frame_of(120, 48))
    e.select(NULL_PEN)
    e.select(BLACK_BRUSH)
    e.poly_fill_mode(1)
    e.polygon16(pentagram(24, 24, 22))
    e.poly_fill_mode(2)
    e.polygon16(pentagram(84, 24, 22))
    return e.data()


def emf_bitmaps():
    e = Emf(frame_of(96, 48))
    dib = dib24(QUADRANTS)
    e.stretchdibits((0, 0, 40, 40), (0, 0, 2, 2), dib)
    e.blt((50, 0, 2, 2), (0, 0, 2, 2), SRCCOPY, dib)
    e.blt((60, 0, 20, 20), (1, 1, 1, 1), SRCCOPY, dib, stretch=True)   # yellow
    e.select(BLACK_BRUSH)
    e.blt((50, 30, 10, 10), (0, 0, 0, 0), PATCOPY)
    return e.data()


def emf_clip():
    e = Emf(frame_of(96, 48))
    e.select(NULL_PEN)
    e.select(BLACK_BRUSH)
    e.save_dc()
    e.intersect_clip(20, 10, 60, 30)
    e.rectangle(0, 0, 96, 48)
    e.restore_dc(-1)
    e.intersect_clip(0, 40, 10, 48)
    e.reset_clip()
    e.brush(1, RED)
    e.select(1)
    e.rectangle(80, 40, 96, 48)
    return e.data()


def emf_text():
    e = Emf(frame_of(160, 80))
    e.bk_mode(1)
    e.text_colour(BLUE)
    e.font(1, -32, 700, 'Arial')
    e.select(1)
    e.exttextoutw(10, 10, 'HI', [40, 40])
    return e.data()


def emf_path_pen():
    e = Emf(frame_of(96, 48))
    e.select(NULL_PEN)
    e.begin_path()
    e.move_to(10, 40)
    e.polybezierto16([(10, 0), (50, 0), (50, 40)])
    e.close_figure()
    e.end_path()
    e.brush(1, RED)
    e.select(1)
    e.fill_path()
    e.ext_pen(2, 0x00010200, 6, BLUE)                  # geometric, flat ends, 6 wide
    e.select(2)
    e.polyline16([(60, 24), (90, 24)])
    return e.data()


def emf_bounds_only():
    e = Emf((0, 0, -1, -1), bounds=(10, 20, 59, 44))   # no frame: 50 x 25 from the bounds
    e.select(NULL_PEN)
    e.brush(1, BLUE)
    e.select(1)
    e.rectangle(10, 20, 60, 45)
    return e.data()


# ---------------------------------------------------------------- damaged pictures

def wmf_zero_record():
    w = Wmf()
    w.pen(5, 0, 0)
    w.select(0)
    w.brush(RED)
    w.select(1)
    w.rectangle(0, 0, 10, 10)
    w.records.append(struct.pack('<IH', 0, 0x041B))    # size 0: the end
    w.rectangle(10, 10, 20, 20)
    return w.data(placeable=(0, 0, 20, 20, 96))


def wmf_overlong_record():
    w = Wmf()
    w.pen(5, 0, 0)
    w.select(0)
    w.brush(RED)
    w.select(1)
    w.rectangle(0, 0, 10, 10)
    w.records.append(struct.pack('<IHhhhh', 0x40000000, 0x041B, 20, 20, 10, 10))
    return w.data(placeable=(0, 0, 20, 20, 96), end=False)


def wmf_huge_frame():
    w = Wmf()
    w.rectangle(0, 0, 10, 10)
    return w.data(placeable=(-32768, -32768, 32767, 32767, 1))


def emf_huge_frame():
    e = Emf((0, 0, 1000000000, 1000000000))
    e.rectangle(0, 0, 10, 10)
    return e.data()


def emf_bad_counts():
    e = Emf(frame_of(20, 20))
    e.select(NULL_PEN)
    e.brush(1, RED)
    e.select(1)
    e.points16(86, [(0, 0), (10, 0), (10, 10)], count=0x7FFFFFFF)   # more points than bytes
    e.rec(91, struct.pack('<iiiiIIII', 0, 0, 0, 0, 2, 3, 3, 3) +   # counts beyond the total
          b''.join(struct.pack('<hh', 1, 1) for _ in range(3)))
    e.rec(84, struct.pack('<iiiiIff', 0, 0, 0, 0, 1, 1, 1) +      # text far past the record
          struct.pack('<iiIIIiiiiI', 0, 0, 0x10000000, 0xFFFFFFF0, 0, 0, 0, 0, 0, 0))
    e.rec(81, struct.pack('<iiii', 0, 0, 0, 0) +                   # bitmap offsets outside
          struct.pack('<iiiiiiIIIIIIii', 0, 0, 0, 0, 2, 2, 0xFFFFFF00, 40, 0xFFFFFFF0, 64, 0,
                      SRCCOPY, 20, 20))
    e.select(0x1234)                                               # no such object
    e.ints(40, 0xFFFF)                                             # delete nothing
    e.restore_dc(-5)                                               # nothing saved
    e.rectangle(5, 5, 15, 15)                                      # still drawn
    return e.data()


def emf_deep_save():
    e = Emf(frame_of(20, 20))
    e.select(NULL_PEN)
    e.brush(1, RED)
    e.brush(2, BLUE)
    e.select(1)
    for _ in range(1500):       # more than are kept
        e.save_dc()
    e.select(2)
    e.restore_dc(1)             # back to the first: red
    e.rectangle(0, 0, 20, 20)
    return e.data()


PICTURES = {
    'shapes.wmf': wmf_shapes,
    'window.wmf': wmf_window,
    'bounds.wmf': wmf_bounds,
    'fill_rules.wmf': wmf_fill_rules,
    'bitmaps.wmf': wmf_bitmaps,
    'clip.wmf': wmf_clip,
    'objects.wmf': wmf_objects,
    'text.wmf': wmf_text,
    'shapes.emf': emf_shapes,
    'transform.emf': emf_transform,
    'fill_rules.emf': emf_fill_rules,
    'bitmaps.emf': emf_bitmaps,
    'clip.emf': emf_clip,
    'text.emf': emf_text,
    'path_pen.emf': emf_path_pen,
    'bounds_only.emf': emf_bounds_only,
    'zero_record.wmf': wmf_zero_record,
    'overlong_record.wmf': wmf_overlong_record,
    'huge_frame.wmf': wmf_huge_frame,
    'huge_frame.emf': emf_huge_frame,
    'bad_counts.emf': emf_bad_counts,
    'deep_save.emf': emf_deep_save,
}


def main():
    for name, make in PICTURES.items():
        with open(os.path.join(HERE, name), 'wb') as f:
            f.write(make())


if __name__ == '__main__':
    main()
