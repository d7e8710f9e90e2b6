#!/usr/bin/env python3
"""Writes sample.swf: the small movie that ships with Tamsolo to try the builder.

An uncompressed SWF (signature FWS, version 8) of 400 x 300 pixels at 12 frames
a second: an orange tile with a white play sign glides across a blue stage and
back in 24 frames. Written from scratch here, then read back and checked.
Run: python3 assets/sample/make-sample.py
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
TWIPS = 20  # twentieths of a pixel
WIDTH, HEIGHT = 400, 300
FRAMES = 24
FRAME_RATE = 12


class Bits:
    """Most significant bit first, as SWF packs its records."""

    def __init__(self):
        self.out = bytearray()
        self.acc = 0
        self.count = 0

    def unsigned(self, value, n):
        assert 0 <= value < (1 << n) or n == 0
        for i in range(n - 1, -1, -1):
            self.acc = (self.acc << 1) | ((value >> i) & 1)
            self.count += 1
            if self.count == 8:
                self.out.append(self.acc)
                self.acc = self.count = 0

    def signed(self, value, n):
        assert -(1 << (n - 1)) <= value < (1 << (n - 1))
        self.unsigned(value & ((1 << n) - 1), n)

    def align(self):
        if self.count:
            self.unsigned(0, 8 - self.count)
        return bytes(self.out)


def signed_bits(*values):
    """Bits needed to hold every value as a signed number."""
    n = 1
    for v in values:
        while not (-(1 << (n - 1)) <= v < (1 << (n - 1))):
            n += 1
    return n


def rect(xmin, xmax, ymin, ymax):
    bits = Bits()
    n = signed_bits(xmin, xmax, ymin, ymax)
    bits.unsigned(n, 5)
    for v in (xmin, xmax, ymin, ymax):
        bits.signed(v, n)
    return bits.align()


def matrix(tx, ty):
    bits = Bits()
    bits.unsigned(0, 1)  # no scale
    bits.unsigned(0, 1)  # no rotation
    n = signed_bits(tx, ty)
    bits.unsigned(n, 5)
    bits.signed(tx, n)
    bits.signed(ty, n)
    return bits.align()


def tag(code, body=b""):
    if len(body) < 0x3F:
        return struct.pack("<H", (code << 6) | len(body)) + body
    return struct.pack("<HI", (code << 6) | 0x3F, len(body)) + body


def polygon_shape(shape_id, points, fill, line, line_width):
    """DefineShape: one closed polygon, drawn from points[0], filled and outlined."""
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    pad = line_width
    body = struct.pack("<H", shape_id) + rect(min(xs) - pad, max(xs) + pad, min(ys) - pad, max(ys) + pad)
    body += bytes([1, 0x00]) + bytes(fill)                        # one solid fill
    body += bytes([1]) + struct.pack("<H", line_width) + bytes(line)  # one line style
    bits = Bits()
    bits.unsigned(1, 4)  # fill index bits
    bits.unsigned(1, 4)  # line index bits
    # Style change: move to the first point, fill on the right side, line 1.
    bits.unsigned(0, 1)
    bits.unsigned(0, 1)  # no new styles
    bits.unsigned(1, 1)  # line style
    bits.unsigned(1, 1)  # fill style 1
    bits.unsigned(0, 1)  # fill style 0
    bits.unsigned(1, 1)  # move to
    n = signed_bits(*points[0])
    bits.unsigned(n, 5)
    bits.signed(points[0][0], n)
    bits.signed(points[0][1], n)
    bits.unsigned(1, 1)  # fill style 1 = 1
    bits.unsigned(1, 1)  # line style = 1
    ring = points + [points[0]]
    for (x0, y0), (x1, y1) in zip(ring, ring[1:]):
        dx, dy = x1 - x0, y1 - y0
        n = max(signed_bits(dx, dy), 2)
        bits.unsigned(1, 1)      # edge
        bits.unsigned(1, 1)      # straight
        bits.unsigned(n - 2, 4)
        bits.unsigned(1, 1)      # general line: both deltas
        bits.signed(dx, n)
        bits.signed(dy, n)
    bits.unsigned(0, 6)  # end of shape
    return tag(2, body + bits.align())


def place(depth, character, tx, ty, move):
    flags = 0x04 | (0x01 if move else 0x02)  # matrix, and either move or a new character
    body = bytes([flags]) + struct.pack("<H", depth)
    if not move:
        body += struct.pack("<H", character)
    return tag(26, body + matrix(tx, ty))


def movie():
    side = 80 * TWIPS
    tile = [(0, 0), (side, 0), (side, side), (0, side)]
    play = [(28 * TWIPS, 20 * TWIPS), (60 * TWIPS, 40 * TWIPS), (28 * TWIPS, 60 * TWIPS)]
    tags = [
        tag(69, struct.pack("<I", 0)),                # file attributes: nothing special
        tag(9, bytes([136, 169, 223])),                # stage colour
        polygon_shape(1, tile, (240, 138, 36), (58, 26, 10), 3 * TWIPS),
        polygon_shape(2, play, (255, 255, 255), (255, 255, 255), 1 * TWIPS),
    ]
    top = (HEIGHT - 80) // 2 * TWIPS
    for frame in range(FRAMES):
        # There and back: 0 .. 12 .. 0 steps of 26 pixels.
        step = frame if frame <= FRAMES // 2 else FRAMES - frame
        left = (20 + step * 26) * TWIPS
        tags.append(place(1, 1, left, top, frame > 0))
        tags.append(place(2, 2, left, top, frame > 0))
        tags.append(tag(1))                            # show frame
    tags.append(tag(0))                                # end
    body = rect(0, WIDTH * TWIPS, 0, HEIGHT * TWIPS) + struct.pack("<HH", FRAME_RATE << 8, FRAMES)
    body += b"".join(tags)
    return b"FWS" + bytes([8]) + struct.pack("<I", 8 + len(body)) + body


def check(data):
    """Reads the movie back: header, every tag to the end tag, frame count."""
    assert data[:3] == b"FWS" and data[3] == 8
    assert struct.unpack_from("<I", data, 4)[0] == len(data)
    nbits = data[8] >> 3
    pos = 8 + (5 + 4 * nbits + 7) // 8
    rate, frames = struct.unpack_from("<HH", data, pos)
    assert rate == FRAME_RATE << 8 and frames == FRAMES
    pos += 4
    shown = 0
    while True:
        head, = struct.unpack_from("<H", data, pos)
        pos += 2
        code, length = head >> 6, head & 0x3F
        if length == 0x3F:
            length, = struct.unpack_from("<I", data, pos)
            pos += 4
        pos += length
        assert pos <= len(data)
        shown += code == 1
        if code == 0:
            break
    assert pos == len(data) and shown == FRAMES


def main():
    data = movie()
    check(data)
    path = os.path.join(HERE, "sample.swf")
    with open(path, "wb") as f:
        f.write(data)
    print("written %s (%d bytes, %d frames)" % (path, len(data), FRAMES))


if __name__ == "__main__":
    main()
