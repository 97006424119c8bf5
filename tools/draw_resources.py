#!/usr/bin/env python3
"""Draw the reader's icons and toolbar pictures into resources/.

Writes:
  reader.ico  main window icon, 16 colours, 16 to 64 pixels square
  search.ico  search window icon, 256 colours, 16 to 64 pixels square
  about.bmp   "About" button picture, 38x39, 24-bit
  search.bmp  "Search" button picture, 56x39, 24-bit
  exit.bmp    "Exit" button picture, 40x38, 24-bit
  *-150.bmp, *-200.bmp  the same pictures drawn at 150 % and 200 %, for
              screens of 144 and 192 dots per inch

Every picture is built from plain shapes and tiny hand-made pixel fonts,
using only the standard library, so the output is byte-identical on every
run. A picture is described once, in the coordinates of its 100 % size; the
larger sizes are drawn from the same description, finely sampled and averaged
so that their edges are smooth. The icons' 16x16 reader is laid out by hand.
The generated files are committed; the build never runs this script.
After changing a picture, rerun from the repository root with

    python3 tools/draw_resources.py
"""

import os

from drawing.canvas import (
    BLACK,
    BUTTON_GREY,
    Canvas,
    VGA16,
    V_BLACK,
    V_GREY,
    V_MAROON,
    V_SILVER,
    V_WHITE,
    V_YELLOW,
    WHITE,
    averaged,
    disc,
    heart,
    picture_canvas,
    polygon,
    ring,
    rounded_rect,
    segment,
)
from drawing.formats import bmp_24, ico, palette_256

OUT_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources")

# Pictures ------------------------------------------------------------------

SECTION_BIG = [
    ".####",
    "#....",
    "#....",
    ".###.",
    "#...#",
    "#...#",
    ".###.",
    "....#",
    "....#",
    "####.",
]

SECTION_SMALL = [
    ".##",
    "#..",
    ".#.",
    "#.#",
    ".#.",
    "..#",
    "##.",
]


def shifted(points, dx, dy):
    return [(x + dx, y + dy) for x, y in points]


def quill(c, nib, tip, vane_from, left, right, shaft_width):
    """A feather pen from nib to tip; the vane starts vane_from along it."""
    (nx, ny), (tx, ty) = nib, tip
    dx, dy = tx - nx, ty - ny
    length = (dx * dx + dy * dy) ** 0.5
    px, py = -dy / length, dx / length  # unit normal
    def at(t, side):
        return (nx + dx * t + px * side, ny + dy * t + py * side)
    vane = polygon([at(vane_from, 0), at(vane_from + 0.15, -left),
                    at(0.8, -left), at(1.0, 0), at(0.85, right),
                    at(vane_from + 0.2, right)])
    vane_px = c.region(vane)
    c.fill(vane_px, V_WHITE)
    c.edge(vane_px, V_GREY, diagonal=True)
    c.fill(c.region(segment(nx, ny, tx, ty, shaft_width)), V_SILVER)
    c.fill(c.region(segment(nx, ny, *at(0.12, 0), shaft_width + 0.6)), V_BLACK)


def draw_reader(size):
    c = Canvas(32, 32, scale=size / 32)
    # Book lying at a slant: back cover and page block peek out below and to
    # the right of the front cover.
    cover = [(8, 3), (29, 6), (25, 22), (3, 19)]
    back = c.region(polygon(shifted(cover, 1, 6)))
    c.fill(back, V_MAROON)
    c.edge(back, V_BLACK)
    pages = c.region(polygon(shifted(cover, 0.5, 4)))
    c.fill(pages, V_WHITE)
    c.edge(pages, V_SILVER)
    c.edge(pages - c.region(polygon(shifted(cover, 0.5, 3))), V_BLACK)
    front = c.region(polygon(cover))
    c.fill(front, V_MAROON)
    c.edge(front, V_BLACK)
    if size >= 32:
        c.glyph(9, 7, SECTION_BIG, V_YELLOW)
    else:
        # Shrunk, the big sign loses its strokes; the small one, in whole
        # pixels, is centred where the big one would be.
        left = int(11 * c.scale + 0.5) - 1
        top = int(11.5 * c.scale + 0.5) - 3
        for dy, row in enumerate(SECTION_SMALL):
            for dx, ch in enumerate(row):
                if ch == "#":
                    c.put(left + dx, top + dy, V_YELLOW)
    quill(c, (14, 28), (31, 1), 0.3, 3.2, 2.4, 0.7)
    return c


# At 16x16 shapes alias badly, so the small book is laid out by hand.
READER_16 = [
    "................",
    ".....KKKKKKKKK..",
    ".....KMMMMMMMKW.",
    "....KMMMMMMMMKW.",
    "....KMMMMMMMKWK.",
    "....KMMMMMMMKWK.",
    "...KMMMMMMMMKWK.",
    "...KMMMMMMMKWK..",
    "..KMMMMMMMMKWK..",
    "..KKKKKKKKKKWK..",
    "..KWWWWWWWWWWK..",
    "..KSWWWSWWWSWK..",
    "..KMMMMMMMMMMK..",
    "...KKKKKKKKKK...",
    "................",
    "................",
]

PIXEL_KEY = {"K": V_BLACK, "M": V_MAROON, "W": V_WHITE, "S": V_SILVER,
             "Y": V_YELLOW, "G": V_GREY}


def draw_reader_16():
    c = Canvas(16, 16)
    for y, row in enumerate(READER_16):
        for x, ch in enumerate(row):
            if ch != ".":
                c.put(x, y, PIXEL_KEY[ch])
    c.glyph(6, 2, SECTION_SMALL, V_YELLOW)
    # Quill: vane at the top right, shaft down across the cover to the nib.
    for y in range(0, 14):
        x = 15 - (y * 8 + 7) // 14
        c.put(x, y, V_WHITE if y < 7 else V_GREY)
        if y < 7:
            c.put(x - 1, y, V_WHITE)
            c.put(x + 1, y, V_GREY if y > 0 else None)
    c.put(7, 14, V_BLACK)
    c.put(8, 13, V_BLACK)
    return c


def draw_search_icon(size):
    c = Canvas(32, 32, scale=size / 32)
    lens_x, lens_y = 11.5, 19.5
    # Handle first so the rim covers its inner end.
    handle = c.region(segment(19, 12, 29, 2, 4.6))
    c.fill(handle, BLACK)
    c.fill(c.region(segment(21, 9, 28, 2, 0.8)), (96, 96, 96))
    rim = c.region(disc(lens_x, lens_y, 10.4))
    c.fill(rim, (128, 128, 128))
    # Lit from the upper left: white on that side of the rim, grey opposite.
    lit = c.region(lambda x, y: (x - lens_x) + (y - lens_y) < 2.0)
    c.fill(rim & c.region(ring(lens_x, lens_y, 9.6, 7.0)) & lit, WHITE)
    c.fill(rim & c.region(ring(lens_x, lens_y, 9.6, 7.0)) - lit, (192, 192, 192))
    lens = c.region(disc(lens_x, lens_y, 7.0))
    c.fill(lens, (204, 190, 244))
    c.fill(lens & c.region(ring(lens_x + 1.0, lens_y + 1.0, 5.2, 4.2))
           & c.region(lambda x, y: x < lens_x - 1 and y < lens_y - 1), WHITE)
    c.edge(rim, BLACK, diagonal=True)
    c.edge(handle - rim, BLACK)
    return c


LOWER = {
    "l": ["##.", ".#.", ".#.", ".#.", ".#.", ".#.", ".#.", ".#.", "###"],
    "o": [".###.", "#...#", "#...#", "#...#", "#...#", ".###."],
    "v": ["#...#", "#...#", "#...#", ".#.#.", ".#.#.", "..#.."],
    "e": [".###.", "#...#", "#####", "#....", "#...#", ".###."],
}

SERIF = {
    "E": ["#######", ".##...#", ".##.#..", ".####..", ".##.#..", ".##...#", "#######"],
    "X": ["###.###", ".##..#.", "..###..", "...##..", "..#.##.", ".#...##", "###.###"],
    "I": ["####", ".##.", ".##.", ".##.", ".##.", ".##.", "####"],
    "T": ["######", "#.##.#", "..##..", "..##..", "..##..", "..##..", ".####."],
}


def draw_about(scale=1, oversample=1):
    c = picture_canvas(38, 39, BUTTON_GREY, scale, oversample)
    c.text(3, 2, "love", LOWER, BLACK)
    # Pen to the right of the word, nib down where the writing stops.
    c.fill(c.region(segment(27.5, 9.5, 35, 1, 2.6)), BLACK)
    c.fill(c.region(polygon([(25.5, 12.5), (26, 8.5), (29, 11)])), BLACK)
    c.fill(c.region(segment(33, 2, 35, 0, 0.8)), BUTTON_GREY)
    # Blue block with green stripes; the heart rests on it.
    block = c.region(lambda x, y: 3 <= x <= 34 and 26 <= y <= 36)
    c.fill(block, (0, 0, 224))
    for y in (28, 31, 34):
        c.rect(4, y, 33, y, (0, 176, 0))
    c.edge(block, BLACK)
    shape = c.region(heart(18.5, 20.5, 8.2))
    c.fill(shape, (232, 0, 0))
    c.fill(shape & c.region(disc(13.5, 16.0, 1.6)), (255, 150, 150))
    c.edge(shape, BLACK)
    return c


def draw_search_button(scale=1, oversample=1):
    c = picture_canvas(56, 39, BUTTON_GREY, scale, oversample)
    card = c.region(rounded_rect(1, 1, 54, 37, 6))
    c.fill(card, (0, 232, 232))
    c.edge(card, BLACK, diagonal=True)
    # The character cha: 木 over 日 over 一, two-pixel strokes.
    ink = BLACK
    c.rect(7, 6, 31, 7, ink)                      # 木 crossbar
    c.rect(18, 2, 19, 13, ink)                    # 木 upright
    c.fill(c.region(segment(17, 8, 8, 15, 2.0)), ink)   # left sweep
    c.fill(c.region(segment(20, 8, 30, 15, 2.0)), ink)  # right sweep
    c.rect(11, 16, 26, 17, ink)                   # 日 top
    c.rect(11, 16, 12, 28, ink)                   # 日 left
    c.rect(25, 16, 26, 28, ink)                   # 日 right
    c.rect(13, 21, 24, 22, ink)                   # 日 middle
    c.rect(11, 27, 26, 28, ink)                   # 日 bottom
    c.rect(5, 32, 32, 33, ink)                    # 一
    # Blue magnifying glass over the right half of the character.
    lx, ly = 30.5, 15.5
    lens = c.region(disc(lx, ly, 7.5))
    for x, y in lens:
        if c.get(x, y) != ink:
            c.put(x, y, (170, 250, 255))
    c.fill(c.region(segment(37, 22, 46, 31, 3.6)), (0, 0, 160))
    c.fill(c.region(ring(lx, ly, 9.8, 7.5)), (0, 64, 255))
    c.fill(c.region(ring(lx, ly, 9.8, 9.0)), (0, 0, 160))
    return c


def draw_exit(scale=1, oversample=1):
    c = picture_canvas(40, 38, BUTTON_GREY, scale, oversample)
    # Door frame with the doorway showing dark behind the opened door.
    frame = c.region(lambda x, y: 19 <= x <= 37 and 1 <= y <= 27)
    c.fill(frame, (112, 112, 112))
    c.edge(frame, BLACK)
    c.rect(22, 4, 34, 27, (16, 16, 16))
    c.rect(19, 27, 37, 27, BLACK)
    door = c.region(polygon([(34.5, 3.5), (34.5, 26.5), (29.5, 23.5), (29.5, 6.5)]))
    c.fill(door, (0, 224, 224))
    c.edge(door, BLACK)
    c.rect(31, 15, 31, 15, BLACK)
    # Arrow heading into the doorway.
    arrow = c.region(polygon([(1.5, 12.5), (16.5, 12.5), (16.5, 7.5), (26.5, 15.0),
                              (16.5, 22.5), (16.5, 17.5), (1.5, 17.5)]))
    c.fill(arrow, (0, 240, 240))
    c.edge(arrow, BLACK, diagonal=True)
    c.text(3, 30, "EXIT", SERIF, BLACK, gap=2)
    return c


ICON_SIZES = (16, 20, 24, 32, 48, 64)

# Larger pictures: (file suffix, scale). Their resource ids follow the 100 %
# picture's in steps of 10 (see resources/resource.h).
PICTURE_SCALES = (("-150", 1.5), ("-200", 2))
OVERSAMPLE = 4


def main():
    os.makedirs(OUT_DIR, exist_ok=True)
    vga = list(VGA16)
    readers = [draw_reader_16() if size == 16 else draw_reader(size) for size in ICON_SIZES]
    searches = [draw_search_icon(size) for size in ICON_SIZES]
    outputs = {
        "reader.ico": ico([(c, vga, 4) for c in readers]),
        "search.ico": ico([(c, palette_256(c), 8) for c in searches]),
    }
    pictures = {"about": draw_about, "search": draw_search_button, "exit": draw_exit}
    for name, draw in pictures.items():
        outputs[name + ".bmp"] = bmp_24(draw())
        for suffix, scale in PICTURE_SCALES:
            outputs[name + suffix + ".bmp"] = bmp_24(averaged(draw(scale, OVERSAMPLE), OVERSAMPLE))
    for name, data in outputs.items():
        with open(os.path.join(OUT_DIR, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
