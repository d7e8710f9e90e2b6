#!/usr/bin/env python3
"""Draws the builder's artwork and icon and writes what the build compiles in.

Outputs, all committed, so that a build never needs ImageMagick or fonts:
  main.jpg, tuning.jpg   the two window backgrounds (progressive JPEG, 4:4:4)
  ArtworkData.cpp        both JPEG files as byte arrays with their lengths
  Tamsolo.ico            the program icon: twelve uncompressed DIB images
Needs ImageMagick's convert and the DejaVu fonts (Debian: imagemagick,
fonts-dejavu-core). Run from anywhere: python3 assets/art/make-art.py
"""
import os
import struct
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
FONT_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
FONT_PLAIN = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"

MAKER_ADDRESS = "https://tamsolo.example/"
LIGHT = (136, 169, 223)
EDGE = (40, 73, 127)
SHADOW = "#142846"
MAKER_BLUE = "#0f2452"
EDGE_BAND = 5

# Control rectangles (x, y, w, h) of the two windows: no drawing may reach them.
MAIN_CONTROLS = [
    (520, 15, 70, 20), (520, 37, 70, 20), (520, 59, 70, 20),   # Help, About, Quit
    (35, 80, 450, 20),                                          # project name
    (35, 130, 400, 20), (435, 130, 50, 20),                     # movie field, Browse
    (35, 230, 300, 20), (415, 230, 70, 20),                     # output kind, Save
    (115, 180, 50, 20), (284, 180, 50, 20), (415, 180, 70, 20), # width, height, SWF Tuning
]
TUNING_CONTROLS = [
    (80, 170, 40, 20),                                          # Ok
    (100, 40, 50, 20), (100, 73, 50, 20), (100, 106, 50, 20), (100, 139, 50, 20),
]

TMP = tempfile.mkdtemp(prefix="tamsolo-art-")


def tmp(name):
    return os.path.join(TMP, name)


def convert(*args):
    subprocess.run(["convert", *[str(a) for a in args]], check=True)


def convert_out(*args):
    return subprocess.run(["convert", *[str(a) for a in args]], check=True,
                          capture_output=True).stdout


def hexcolour(rgb):
    return "#%02x%02x%02x" % rgb


# ---------------------------------------------------------------- text

def ink_box(text, font, size):
    """Ink box (left, top, right, bottom; right and bottom exclusive) of the
    text drawn with its baseline origin at (50, 100) on a large canvas."""
    geometry = convert_out("-size", "1200x200", "xc:none", "-font", font, "-pointsize", size,
                           "-fill", "white", "-annotate", "+50+100", text,
                           "-format", "%@", "info:").decode()
    wh, x, y = geometry.split("+")
    w, h = wh.split("x")
    left, top = int(x), int(y)
    return left - 50, top - 100, left - 50 + int(w), top - 100 + int(h)


class Label:
    """A text placed by its ink box: left or right edge, and top edge."""

    def __init__(self, text, font, size, top, left=None, right=None, colour="white",
                 shadow=True, centre=None):
        self.text, self.font, self.size, self.colour, self.shadow = text, font, size, colour, shadow
        l, t, r, b = ink_box(text, font, size)
        if left is not None:
            ox = left - l
        elif right is not None:
            ox = right - r
        else:
            ox = centre - (l + r) // 2
        oy = top - t
        self.origin = (ox, oy)
        self.box = (l + ox, t + oy, r + ox, b + oy)

    def draw_args(self, colour, dx=0, dy=0):
        return ["-font", self.font, "-pointsize", self.size, "-fill", colour,
                "-annotate", "+%d+%d" % (self.origin[0] + dx, self.origin[1] + dy), self.text]


# ---------------------------------------------------------------- emblems

def product_emblem(size, path):
    """The Tamsolo emblem: a film tile with a play sign, drawn at 256 and scaled.
    Small sizes get fewer, larger sprocket holes so that they stay readable."""
    holes_per_band = 6 if size > 40 else 4 if size > 24 else 3
    big = tmp("product256-%d.png" % holes_per_band)
    if not os.path.exists(big):
        mask = tmp("tile-mask.png")
        convert("-size", "256x256", "xc:none", "-fill", "white",
                "-draw", "roundrectangle 12,12 243,243 46,46", mask)
        convert("-size", "256x256", "xc:none",
                "(", "-size", "232x232", "gradient:#FFC14D-#E2461E", ")",
                "-geometry", "+12+12", "-compose", "over", "-composite", tmp("tile-fill.png"))
        holes = []
        pitch = 216 // holes_per_band
        hole = pitch * 5 // 9
        for i in range(holes_per_band):
            x = 20 + i * pitch + (pitch - hole) // 2
            holes += ["-draw", "roundrectangle %d,46 %d,64 4,4" % (x, x + hole),
                      "-draw", "roundrectangle %d,191 %d,209 4,4" % (x, x + hole)]
        convert(tmp("tile-fill.png"), "-fill", "#3a1a0a",
                "-draw", "rectangle 0,36 255,74", "-draw", "rectangle 0,181 255,219",
                "-fill", "#FFE9C7", *holes,
                "-fill", "white", "-draw", "polygon 98,88 98,168 170,128",
                mask, "-compose", "DstIn", "-composite", big)
    convert(big, "-filter", "Lanczos", "-resize", "%dx%d" % (size, size), path)


def maker_emblem(size, path):
    """The maker's emblem: a navy hexagon with a light rim and the monogram TL."""
    big = tmp("maker256.png")
    if not os.path.exists(big):
        outer = "128,8 232,68 232,188 128,248 24,188 24,68"
        inner = "128,26 216,77 216,179 128,230 40,179 40,77"
        convert("-size", "256x256", "xc:none",
                "-fill", "#1d3768", "-draw", "polygon " + outer,
                "-fill", "none", "-stroke", "#d9e4f7", "-strokewidth", "6",
                "-draw", "polygon " + inner, "-stroke", "none",
                "-font", FONT_BOLD, "-pointsize", "110", "-fill", "white",
                "-gravity", "center", "-annotate", "+0+4", "TL", big)
    convert(big, "-filter", "Lanczos", "-resize", "%dx%d" % (size, size), path)


def with_shadow(src, path):
    """The picture with a soft dark shadow to its lower right; the picture keeps
    its place at the top left of the result."""
    convert(src, "(", "+clone", "-background", "black", "-shadow", "55x2+3+3", ")",
            "+swap", "-background", "none", "-layers", "merge", "+repage", path)


def opaque_box(path):
    """Box of the non-transparent pixels: left, top, right, bottom (exclusive)."""
    wh, x, y = convert_out(path, "-format", "%@", "info:").decode().split("+")
    w, h = wh.split("x")
    return int(x), int(y), int(x) + int(w), int(y) + int(h)


# ---------------------------------------------------------------- pictures

def background(width, height, path):
    """Flat light blue that darkens over the outermost pixels to the edge colour."""
    args = ["-size", "%dx%d" % (width, height), "xc:" + hexcolour(LIGHT)]
    for ring in range(EDGE_BAND):
        t = ring / EDGE_BAND
        rgb = tuple(round(EDGE[i] + (LIGHT[i] - EDGE[i]) * t) for i in range(3))
        args += ["-fill", "none", "-stroke", hexcolour(rgb), "-strokewidth", "1",
                 "-draw", "rectangle %d,%d %d,%d" % (ring, ring, width - 1 - ring, height - 1 - ring)]
    convert(*args, path)


def compose(width, height, labels, pictures, out_jpeg):
    """Background, then the text shadows, the pictures and the texts; saved as a
    progressive JPEG without chroma subsampling."""
    base = tmp("base.png")
    background(width, height, base)
    shadow_args = []
    for label in labels:
        if label.shadow:
            shadow_args += label.draw_args("black", 1, 1)
    shadows = tmp("shadows.png")
    convert("-size", "%dx%d" % (width, height), "xc:none", *shadow_args,
            "-channel", "A", "-blur", "0x0.7", "-evaluate", "multiply", "1.4", "+channel",
            "-fill", SHADOW, "-colorize", "100", shadows)
    args = [base, shadows, "-compose", "over", "-composite"]
    for picture, (x, y) in pictures:
        args += [picture, "-geometry", "+%d+%d" % (x, y), "-compose", "over", "-composite"]
    for label in labels:
        args += label.draw_args(label.colour)
    convert(*args, "-strip", "-quality", "92", "-interlace", "JPEG",
            "-sampling-factor", "1x1,1x1,1x1", "-colorspace", "sRGB", "-type", "TrueColor", out_jpeg)


def overlaps(a, b):
    return a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]


def check_clear(name, boxes, controls, margin=2):
    for text, box in boxes:
        grown = (box[0] - margin, box[1] - margin, box[2] + margin + 1, box[3] + margin + 1)
        for (x, y, w, h) in controls:
            if overlaps(grown, (x, y, x + w, y + h)):
                sys.exit("%s: '%s' at %s reaches the control at %s" % (name, text, box, (x, y, w, h)))


def main_artwork():
    b, p = FONT_BOLD, FONT_PLAIN
    labels = [
        Label("Tamsolo v1.0", b, 14, top=13, left=10),
        Label("Project Wizard", b, 18, top=32, centre=260),
        Label("Project Name :", b, 13, top=63, left=36),
        Label("SWF File :", b, 13, top=113, left=36),
        Label("Window dimensions :", b, 13, top=163, left=36),
        Label("width :", b, 13, top=183, right=106),
        Label("height :", b, 13, top=183, right=275),
        Label("Output :", b, 13, top=213, left=36),
        Label("Tamsolo", b, 12, top=162, centre=552),
        Label("Newer versions of Tamsolo and more tools from Tamsolo Labs: " + MAKER_ADDRESS,
              p, 11, top=283, centre=300, colour=MAKER_BLUE, shadow=False),
    ]
    product, maker = tmp("product64.png"), tmp("maker64.png")
    product_emblem(60, tmp("product-plain.png"))
    with_shadow(tmp("product-plain.png"), product)
    maker_emblem(66, tmp("maker-plain.png"))
    with_shadow(tmp("maker-plain.png"), maker)
    pictures = [(product, (523, 94)), (maker, (520, 202))]
    boxes = [(l.text, l.box) for l in labels]
    for picture, (x, y) in pictures:
        l, t, r, btm = opaque_box(picture)
        boxes.append((os.path.basename(picture), (x + l, y + t, x + r - 1, y + btm - 1)))
    check_clear("main", boxes, MAIN_CONTROLS)
    for label in labels:
        if label.box[2] > 595 or label.box[0] < 5:
            sys.exit("main: '%s' runs into the edge band" % label.text)
    compose(600, 300, labels, pictures, os.path.join(HERE, "main.jpg"))


def tuning_artwork():
    b = FONT_BOLD
    labels = [
        Label("SWF Tuning...", b, 13, top=9, right=194),
        Label("x top :", b, 13, top=43, right=82),
        Label("y top :", b, 13, top=76, right=82),
        Label("x bottom :", b, 13, top=109, right=82),
        Label("y bottom :", b, 13, top=142, right=82),
    ]
    check_clear("tuning", [(l.text, l.box) for l in labels], TUNING_CONTROLS)
    compose(200, 200, labels, [], os.path.join(HERE, "tuning.jpg"))


# ---------------------------------------------------------------- icon

def rgba_pixels(png, size):
    raw = convert_out(png, "-depth", "8", "rgba:-")
    assert len(raw) == size * size * 4
    return [tuple(raw[i:i + 4]) for i in range(0, len(raw), 4)]


def quantised(png, size, colours):
    """The emblem reduced to at most the given number of colours, on black where
    it is transparent: the palette and each pixel's index."""
    out = tmp("q%d-%d.png" % (size, colours))
    convert(png, "-background", "black", "-alpha", "remove", "-dither", "None",
            "-colors", colours, out)
    raw = convert_out(out, "-depth", "8", "rgb:-")
    pixels = [tuple(raw[i:i + 3]) for i in range(0, len(raw), 3)]
    palette = sorted(set(pixels))
    assert len(palette) <= colours
    index = {c: i for i, c in enumerate(palette)}
    palette += [(0, 0, 0)] * (colours - len(palette))
    return palette, [index[p] for p in pixels]


def icon_image(size, bits):
    """One icon image: BITMAPINFOHEADER (height doubled for the mask), colour
    table, XOR bitmap rows bottom-up, AND mask rows bottom-up."""
    png = tmp("icon%d.png" % size)
    product_emblem(size, png)
    rgba = rgba_pixels(png, size)
    transparent = [a < 128 for (_, _, _, a) in rgba]

    def rows_bottom_up(row_bytes):
        return b"".join(row_bytes(y) for y in range(size - 1, -1, -1))

    def padded(data):
        return data + b"\0" * ((4 - len(data) % 4) % 4)

    palette = []
    if bits == 32:
        def row(y):
            return b"".join(struct.pack("BBBB", b_, g, r, a)
                            for (r, g, b_, a) in rgba[y * size:(y + 1) * size])
    elif bits == 24:
        def row(y):
            out = b""
            for x in range(size):
                r, g, b_, a = rgba[y * size + x]
                out += b"\0\0\0" if transparent[y * size + x] else struct.pack("BBB", b_, g, r)
            return padded(out)
    else:
        palette, indices = quantised(png, size, 1 << bits)
        black = palette.index((0, 0, 0)) if (0, 0, 0) in palette else 0

        def row(y):
            idx = [black if transparent[y * size + x] else indices[y * size + x] for x in range(size)]
            if bits == 8:
                return padded(bytes(idx))
            return padded(bytes((idx[x] << 4) | idx[x + 1] for x in range(0, size, 2)))

    def mask_row(y):
        out = bytearray((size + 7) // 8)
        for x in range(size):
            if transparent[y * size + x]:
                out[x // 8] |= 0x80 >> (x % 8)
        return padded(bytes(out))

    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, 0, 0, 0, 0, 0)
    table = b"".join(struct.pack("BBBB", b_, g, r, 0) for (r, g, b_) in palette)
    return header + table + rows_bottom_up(row) + rows_bottom_up(mask_row), len(palette)


ICON_ORDER = [(48, 24), (48, 32), (48, 8), (48, 4), (32, 4), (16, 4),
              (32, 8), (32, 24), (32, 32), (16, 32), (16, 24), (16, 8)]


def write_icon(path):
    images = [(size, bits, *icon_image(size, bits)) for size, bits in ICON_ORDER]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, bits, data, colours in images:
        out += struct.pack("<BBBBHHII", size, size, colours if colours < 256 else 0, 0,
                           1, bits, len(data), offset)
        offset += len(data)
    out += b"".join(data for _, _, data, _ in images)
    with open(path, "wb") as f:
        f.write(out)


# ---------------------------------------------------------------- byte arrays

def write_arrays(path, artworks):
    lines = ["// Written by make-art.py from main.jpg and tuning.jpg; do not edit.",
             '#include "ArtworkData.h"', ""]
    for name, jpeg in artworks:
        with open(os.path.join(HERE, jpeg), "rb") as f:
            data = f.read()
        lines.append("static const unsigned char k%sBytes[%d] = {" % (name, len(data)))
        for i in range(0, len(data), 20):
            lines.append("    " + ",".join("0x%02x" % c for c in data[i:i + 20]) + ",")
        lines.append("};")
        lines.append("")
        lines.append("ArtworkBytes %s() { return {k%sBytes, sizeof k%sBytes}; }" % (name, name, name))
        lines.append("")
    with open(path, "w") as f:
        f.write("\n".join(lines))


def main():
    for font in (FONT_BOLD, FONT_PLAIN):
        if not os.path.exists(font):
            sys.exit("missing font %s (Debian: fonts-dejavu-core)" % font)
    main_artwork()
    tuning_artwork()
    write_arrays(os.path.join(HERE, "ArtworkData.cpp"),
                 [("MainArtwork", "main.jpg"), ("TuningArtwork", "tuning.jpg")])
    write_icon(os.path.join(HERE, "Tamsolo.ico"))
    print("written: main.jpg tuning.jpg ArtworkData.cpp Tamsolo.ico in", HERE)


if __name__ == "__main__":
    main()
