#!/usr/bin/env python3
"""Draws the application's icons as small PNG files (standard library only).

Each icon is a plain shape in the colour its name gives; the flags are simple stripes.
Run from the repository root: python3 tools/make_icons.py
"""
import math
import os
import struct
import zlib

SIZE = 32
COLOURS = {
    "red": (211, 47, 47), "blue": (25, 118, 210), "light_blue": (79, 195, 247),
    "green": (56, 142, 60), "dark_gray": (80, 80, 80), "gray": (140, 140, 140),
}


def png_bytes(pixels, width, height):
    raw = b"".join(b"\x00" + bytes(c for px in row for c in px) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def canvas():
    return [[(0, 0, 0, 0) for _ in range(SIZE)] for _ in range(SIZE)]


def shape_icon(colour, shape):
    pixels = canvas()
    c = (SIZE - 1) / 2.0
    for y in range(SIZE):
        for x in range(SIZE):
            dx, dy = x - c, y - c
            r = math.hypot(dx, dy)
            inside = {
                "disc": r <= 13,
                "ring": 9 <= r <= 13,
                "square": abs(dx) <= 11 and abs(dy) <= 11,
                "cross": (abs(dx) <= 3 and abs(dy) <= 12) or (abs(dy) <= 3 and abs(dx) <= 12),
                "bar": abs(dy) <= 4 and abs(dx) <= 12,
                "triangle": dx >= -9 and abs(dy) <= (9 - dx) * 0.6 + 1 and dx <= 11,
                "pin": r <= 8 or (abs(dx) <= (14 - dy) / 3.0 and 0 <= dy <= 14),
            }[shape]
            if inside:
                pixels[y][x] = colour + (255,)
    return pixels


def flag(stripes, vertical=False):
    pixels = canvas()
    for y in range(4, SIZE - 4):
        for x in range(SIZE):
            pos = x if vertical else y - 4
            span = SIZE if vertical else SIZE - 8
            pixels[y][x] = stripes[min(len(stripes) - 1, pos * len(stripes) // span)] + (255,)
    return pixels


def brazil():
    pixels = flag([(0, 156, 59)])
    c = (SIZE - 1) / 2.0
    for y in range(4, SIZE - 4):
        for x in range(SIZE):
            dx, dy = abs(x - c), abs(y - c)
            if dx / 14.0 + dy / 10.0 <= 1:
                pixels[y][x] = (255, 223, 0, 255)
            if math.hypot(x - c, y - c) <= 5:
                pixels[y][x] = (0, 39, 118, 255)
    return pixels


def usa():
    red, white = (178, 34, 52), (255, 255, 255)
    pixels = flag([red, white] * 3 + [red])
    for y in range(4, 15):
        for x in range(14):
            pixels[y][x] = (60, 59, 110, 255)
    return pixels


SHAPES = {
    "add": "cross", "auto": "triangle", "data": "square", "edit": "bar", "erase": "bar",
    "export": "triangle", "file": "square", "import": "triangle", "info": "disc", "lat": "pin",
    "ok": "disc", "person": "disc", "plot": "bar", "question": "ring", "remove": "bar",
    "run": "triangle", "save": "square", "search": "ring", "settings": "ring",
    "thrash": "square", "vehicle": "square",
}
PLAIN = {
    "iconStop": ((211, 47, 47), "square"), "iconFetch": ((25, 118, 210), "pin"),
    "iconGo": ((56, 142, 60), "triangle"), "iconOK": ((56, 142, 60), "disc"),
    "iconPlus": ((56, 142, 60), "cross"), "iconRemove": ((211, 47, 47), "bar"),
}
FLAGS = {
    "iconBrazilFlag": brazil, "iconUSAFlag": usa,
    "iconGermanFlag": lambda: flag([(0, 0, 0), (221, 0, 0), (255, 206, 0)]),
}


def write(path, pixels):
    with open(path, "wb") as out:
        out.write(png_bytes(pixels, SIZE, SIZE))


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "src", "resources", "icons")
    google = os.path.join(root, "icons_google")
    os.makedirs(google, exist_ok=True)
    for name, colours in USED.items():
        for colour in colours:
            write(os.path.join(google, "%s_%s.png" % (name, colour)),
                  shape_icon(COLOURS[colour], SHAPES[name]))
    for name, (colour, shape) in PLAIN.items():
        write(os.path.join(root, name + ".png"), shape_icon(colour, shape))
    for name, draw in FLAGS.items():
        write(os.path.join(root, name + ".png"), draw())
        write(os.path.join(root, name + "2.png"), draw())


USED = {
    "add": ["green"], "auto": ["blue"], "data": ["dark_gray"], "edit": ["light_blue"],
    "erase": ["red"], "export": ["blue"], "file": ["dark_gray"], "import": ["blue"],
    "info": ["blue"], "lat": ["red"], "ok": ["green"], "person": ["dark_gray"],
    "plot": ["light_blue"], "question": ["light_blue"], "remove": ["red"], "run": ["green"],
    "save": ["dark_gray"], "search": ["gray"], "settings": ["dark_gray"], "thrash": ["blue"],
    "vehicle": ["dark_gray"],
}

if __name__ == "__main__":
    main()
