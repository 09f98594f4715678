#!/usr/bin/env python3
"""Draws Varnelo's artwork: the program icon and the two dialog bitmaps.

    python3 make_art.py [OUTPUT_DIR]

Writes varnelo.ico, about.bmp and visit.bmp into OUTPUT_DIR (default: the
folder this script lives in).  Only the standard library is used and the
output is byte-for-byte the same on every run.

Everything is drawn from simple shapes.  Each pixel is split into a grid of
sub-samples; a "scene" function tells the colour at each sample and the
pixel gets their average, which gives smooth edges without any image library.
"""

import math
import os
import sys

from drawing import (BLACK, count_colours, dist_to_arc, dist_to_segment, flatten_on, mix,
                     render, write_bmp32, write_ico8)

SILVER = (192, 192, 192)   # the bitmaps' mask colour: only ever background
GREY = (128, 128, 128)


# ---------------------------------------------------------------------------
# varnelo.ico: graded square frame, see-through middle, centre badge
# ---------------------------------------------------------------------------

FRAME_LIGHT = (150, 205, 255)   # top-left of the frame
FRAME_DARK = (112, 120, 134)    # bottom-right of the frame
STROKE = (84, 104, 140)
BADGE = (178, 222, 255)
BADGE_EDGE = (70, 120, 200)
MARK_BLUE = (16, 56, 200)
MARK_CYAN = (0, 230, 240)


def icon_scene(x, y):
    size = 32.0
    frame = 4.0
    # The frame: a bevelled band graded from light blue (top left) to grey
    # (bottom right), lighter towards the outside, outlined on both edges.
    inside = frame <= x < size - frame and frame <= y < size - frame
    if not inside:
        t = round((x + y) / (2 * size) * 12) / 12.0
        base = mix(FRAME_LIGHT, FRAME_DARK, t)
        edge = min(x, y, size - x, size - y)       # 0 outside .. 4 inside
        if edge < 1.0:
            return mix(base, (60, 70, 90), 0.45)   # dark outline
        if edge >= frame - 1.0:
            return mix(base, (60, 70, 90), 0.30)   # inner outline
        return mix(base, (255, 255, 255), 0.25 * (frame - 1.0 - edge))

    cx = cy = size / 2
    # The centre badge with its mark.
    half = 6.0
    if abs(x - cx) < half and abs(y - cy) < half:
        if abs(x - cx) >= half - 1.0 or abs(y - cy) >= half - 1.0:
            return BADGE_EDGE
        return badge_mark(x - cx, y - cy)

    # Thin strokes from each inner corner of the frame to the badge.
    for sx in (-1, 1):
        for sy in (-1, 1):
            ax, ay = cx + sx * (cx - frame), cy + sy * (cy - frame)
            bx, by = cx + sx * half, cy + sy * half
            if dist_to_segment(x, y, ax, ay, bx, by) < 0.55:
                return STROKE
    return None


def badge_mark(u, v):
    """The mark inside the badge: a blue "V" whose right arm is cyan.
    u, v are measured from the badge centre."""
    top, bottom = -3.2, 3.4
    left = (-3.4, top)
    right = (3.4, top)
    tip = (0.0, bottom)
    w = 1.15
    if dist_to_segment(u, v, left[0], left[1], tip[0], tip[1]) < w:
        return MARK_BLUE
    if dist_to_segment(u, v, right[0], right[1], tip[0], tip[1]) < w:
        return MARK_CYAN
    return BADGE


def make_icon(path):
    rows = render(32, 32, icon_scene, samples=4)
    pixels, transparent = [], []
    for row in rows:
        line, holes = [], []
        for colour, cover in row:
            if colour is None or cover < 0.5:
                line.append(BLACK)
                holes.append(True)
            else:
                line.append(colour)
                holes.append(False)
        pixels.append(line)
        transparent.append(holes)
    write_ico8(path, pixels, transparent)
    clear = sum(h for line in transparent for h in line)
    print("%s: 32x32, 8 bpp, %d colours, %d of 1024 pixels transparent"
          % (os.path.basename(path), count_colours(pixels), clear))


# ---------------------------------------------------------------------------
# about.bmp: cyan disc, blue rim, black question mark
# ---------------------------------------------------------------------------

DISC_CYAN = (0, 255, 242)
RIM_LIGHT = (40, 110, 255)
RIM_DARK = (0, 20, 150)


def about_scene(x, y):
    cx, cy, radius, rim = 19.5, 18.0, 12.6, 2.0
    d = math.hypot(x - cx, y - cy)
    if d > radius:
        return None
    if d > radius - rim:
        # light comes from the top left
        t = 0.5 + 0.5 * ((x - cx) + (y - cy)) / (radius * math.sqrt(2))
        t = round(t * 3) / 3.0
        return mix(RIM_LIGHT, RIM_DARK, t)
    # question mark: a hook (arc plus short stem) and a dot
    hx, hy, hr, pen = cx, cy - 4.0, 4.3, 1.6
    if dist_to_arc(x, y, hx, hy, hr, -90.0, 165.0) < pen:
        return BLACK
    if dist_to_segment(x, y, hx, hy + hr, hx, cy + 3.0) < pen:
        return BLACK
    if math.hypot(x - cx, y - (cy + 7.0)) < 1.9:
        return BLACK
    return DISC_CYAN


def make_about(path):
    pixels = flatten_on(render(39, 36, about_scene, samples=4), SILVER)
    write_bmp32(path, pixels)
    silver = sum(c == SILVER for row in pixels for c in row)
    print("%s: 39x36, 32 bpp, %d colours, %d silver pixels"
          % (os.path.basename(path), count_colours(pixels), silver))


# ---------------------------------------------------------------------------
# visit.bmp: globe with an orbit ring
# ---------------------------------------------------------------------------

SEA_LIGHT = (70, 130, 255)
SEA_DARK = (0, 20, 160)
OLIVE = (128, 128, 0)
YELLOW = (255, 255, 0)
RING = (150, 215, 255)
RING_EDGE = (60, 140, 230)

GLOBE = (12.5, 13.0, 8.6)
RING_TILT = math.radians(-24.0)
RING_A, RING_B, RING_PEN = 11.6, 3.6, 1.0

# land masses as unions of ellipses (centre x, centre y, rx, ry), in pixels
LAND = [
    # the larger continent, upper left
    (8.0, 8.4, 3.0, 1.9), (9.6, 10.4, 2.0, 2.2), (6.6, 10.6, 1.4, 1.8),
    (10.4, 13.2, 1.1, 1.8),
    # the smaller one, lower right
    (16.0, 12.6, 1.9, 1.4), (15.4, 15.0, 1.9, 2.3), (14.6, 17.8, 1.1, 1.3),
    # an island near the right edge
    (19.2, 9.4, 0.9, 0.8),
]


def shade(x, y, lit, dark):
    """Banded light from the top left across the globe."""
    gx, gy, gr = GLOBE
    t = 0.5 + 0.5 * ((x - gx) * 0.7 + (y - gy) * 0.7) / gr
    t = round(t * 3) / 3.0
    return mix(lit, dark, t)


def ring_hit(x, y):
    """None if (x, y) is off the ring, else True for its front (lower) half."""
    gx, gy, _ = GLOBE
    dx, dy = x - gx, y - gy
    c, s = math.cos(RING_TILT), math.sin(RING_TILT)
    u = dx * c - dy * s
    v = dx * s + dy * c
    # distance to the ellipse, approximated by scaling to a unit circle
    k = math.hypot(u / RING_A, v / RING_B)
    if k == 0:
        return None
    grad = math.hypot(u / RING_A ** 2, v / RING_B ** 2) / k
    if abs(k - 1.0) / grad > RING_PEN:
        return None
    return v > 0


def visit_scene(x, y):
    gx, gy, gr = GLOBE
    ring = ring_hit(x, y)
    if ring is True:
        return RING
    d = math.hypot(x - gx, y - gy)
    if d <= gr:
        if d > gr - 0.9:
            return mix(SEA_DARK, (0, 0, 90), 0.5)
        for lx, ly, rx, ry in LAND:
            if ((x - lx) / rx) ** 2 + ((y - ly) / ry) ** 2 <= 1.0:
                return shade(x, y, YELLOW, OLIVE)
        return shade(x, y, SEA_LIGHT, SEA_DARK)
    if ring is False:
        return RING
    return None


def visit_background(x, y):
    """Silver, with a soft grey shadow under the globe."""
    sx, sy = 14.5, 23.2
    if ((x - sx) / 8.5) ** 2 + ((y - sy) / 2.0) ** 2 <= 1.0:
        return GREY
    return None


def make_visit(path):
    w, h = 25, 26
    shadow = flatten_on(render(w, h, visit_background, samples=3), SILVER)
    art = render(w, h, visit_scene, samples=3)
    pixels = []
    for y in range(h):
        line = []
        for x in range(w):
            colour, cover = art[y][x]
            under = shadow[y][x]
            if colour is None:
                line.append(under)
                continue
            c = tuple(int(round(v)) for v in mix(under, colour, cover))
            if c == SILVER:
                c = (192, 192, 193)
            line.append(c)
        pixels.append(line)
    write_bmp32(path, pixels)
    silver = sum(c == SILVER for row in pixels for c in row)
    print("%s: 25x26, 32 bpp, %d colours, %d silver pixels"
          % (os.path.basename(path), count_colours(pixels), silver))


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(
        os.path.abspath(__file__))
    os.makedirs(out, exist_ok=True)
    make_icon(os.path.join(out, "varnelo.ico"))
    make_about(os.path.join(out, "about.bmp"))
    make_visit(os.path.join(out, "visit.bmp"))


if __name__ == "__main__":
    main()
