#!/usr/bin/env python3
"""Writes a baseline JPEG whose every 8 x 8 block is one flat value, so each
block is a DC coefficient alone and decodes back exactly (quantiser 1).

    dc_only_jpeg.py OUT WIDTH HEIGHT PATCH COMPONENTS ADOBE_TRANSFORM VALUES...

The picture is a grid of PATCH x PATCH squares (PATCH a multiple of 8),
filled row by row from VALUES, each value COMPONENTS numbers separated by
commas (0..255, stored as given). ADOBE_TRANSFORM is -1 for no APP14
"Adobe" segment, otherwise the transform byte it carries."""

import struct
import sys

# The DC table of the JPEG standard's luminance example (Annex K).
DC_BITS = [0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0]
DC_VALUES = list(range(12))


def canonical_codes(bits, values):
    codes, code, k = {}, 0, 0
    for length in range(1, 17):
        for _ in range(bits[length - 1]):
            codes[values[k]] = (code, length)
            code += 1
            k += 1
        code <<= 1
    return codes


class BitWriter:
    def __init__(self):
        self.out = bytearray()
        self.acc = 0
        self.count = 0

    def put(self, value, length):
        for i in range(length - 1, -1, -1):
            self.acc = (self.acc << 1) | ((value >> i) & 1)
            self.count += 1
            if self.count == 8:
                self.out.append(self.acc)
                if self.acc == 0xFF:
                    self.out.append(0)  # byte stuffing
                self.acc = self.count = 0

    def flush(self):
        while self.count:
            self.put(1, 1)
        return bytes(self.out)


def segment(marker, payload):
    return struct.pack(">HH", 0xFF00 | marker, len(payload) + 2) + payload


def main():
    out, width, height, patch, ncomp, transform = sys.argv[1:7]
    width, height, patch, ncomp, transform = map(int, (width, height, patch, ncomp, transform))
    values = [[int(v) for v in arg.split(",")] for arg in sys.argv[7:]]
    across = (width + patch - 1) // patch

    def sample(x, y, c):
        return values[(y // patch) * across + x // patch][c]

    data = bytearray(b"\xff\xd8")
    if transform >= 0:
        data += segment(0xEE, b"Adobe" + struct.pack(">HHHB", 100, 0, 0, transform))
    data += segment(0xDB, bytes([0]) + bytes([1] * 64))
    sof = struct.pack(">BHHB", 8, height, width, ncomp)
    for c in range(ncomp):
        sof += bytes([c + 1, 0x11, 0])
    data += segment(0xC0, sof)
    data += segment(0xC4, bytes([0x00]) + bytes(DC_BITS) + bytes(DC_VALUES))
    # An AC table with one code, "0", for end-of-block.
    data += segment(0xC4, bytes([0x10]) + bytes([1] + [0] * 15) + bytes([0]))
    sos = bytes([ncomp])
    for c in range(ncomp):
        sos += bytes([c + 1, 0x00])
    data += segment(0xDA, sos + bytes([0, 63, 0]))

    dc = canonical_codes(DC_BITS, DC_VALUES)
    bits = BitWriter()
    previous = [0] * ncomp
    for by in range(0, height, 8):
        for bx in range(0, width, 8):
            for c in range(ncomp):
                level = 8 * (sample(min(bx, width - 1), min(by, height - 1), c) - 128)
                diff = level - previous[c]
                previous[c] = level
                size = abs(diff).bit_length()
                code, length = dc[size]
                bits.put(code, length)
                if size:
                    bits.put(diff if diff > 0 else diff + (1 << size) - 1, size)
                bits.put(0, 1)  # end of block
    data += bits.flush()
    data += b"\xff\xd9"
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
