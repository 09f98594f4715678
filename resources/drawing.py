"""Drawing for Varnelo's artwork (see make_art.py): geometry, a scene rendered with
sub-samples, and the writers of 32-bit BMP files and 8-bit icons. Only the standard
library is used, and the output is byte-for-byte the same on every run.
"""

import math
import struct

BLACK = (0, 0, 0)  # the icon palette's first entry

# ---------------------------------------------------------------------------
# small geometry helpers (pixel units, y grows downwards)
# ---------------------------------------------------------------------------

def lerp(a, b, t):
    return a + (b - a) * t


def mix(c1, c2, t):
    """Blend colour c1 towards c2 by t (0..1)."""
    t = max(0.0, min(1.0, t))
    return tuple(lerp(p, q, t) for p, q in zip(c1, c2))


def dist_to_segment(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)
    t = max(0.0, min(1.0, t))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def dist_to_arc(px, py, cx, cy, r, a0, a1):
    """Distance to a circular arc running anticlockwise (as seen on screen,
    angles in degrees, 0 = right, 90 = up) from a0 to a1."""
    ang = math.degrees(math.atan2(cy - py, px - cx))
    span = (a1 - a0) % 360.0
    if (ang - a0) % 360.0 <= span:
        return abs(math.hypot(px - cx, py - cy) - r)
    best = float("inf")
    for a in (a0, a1):
        ex = cx + r * math.cos(math.radians(a))
        ey = cy - r * math.sin(math.radians(a))
        best = min(best, math.hypot(px - ex, py - ey))
    return best


# ---------------------------------------------------------------------------
# rendering
# ---------------------------------------------------------------------------

def render(width, height, scene, samples=6):
    """Average scene(x, y) over samples x samples points in every pixel.

    scene returns an (r, g, b) tuple, or None where nothing is drawn.
    The result is a list of rows; each entry is (colour, coverage) where
    coverage is the fraction of samples that hit something and colour is
    the average over those samples only.
    """
    rows = []
    step = 1.0 / samples
    for y in range(height):
        row = []
        for x in range(width):
            acc = [0.0, 0.0, 0.0]
            hits = 0
            for j in range(samples):
                sy = y + (j + 0.5) * step
                for i in range(samples):
                    c = scene(x + (i + 0.5) * step, sy)
                    if c is not None:
                        acc[0] += c[0]
                        acc[1] += c[1]
                        acc[2] += c[2]
                        hits += 1
            if hits:
                colour = tuple(int(round(a / hits)) for a in acc)
            else:
                colour = None
            row.append((colour, hits / float(samples * samples)))
        rows.append(row)
    return rows


def flatten_on(rows, background):
    """Blend a rendering onto a solid background colour.

    Pixels that are background only come out exactly as `background`; any
    pixel that something touched is kept away from that exact value so a
    mask colour never shows up inside a drawing.
    """
    out = []
    for row in rows:
        line = []
        for colour, cover in row:
            if colour is None or cover == 0.0:
                line.append(tuple(background))
                continue
            c = tuple(int(round(v)) for v in mix(background, colour, cover))
            if c == tuple(background):
                c = (c[0], c[1], c[2] + (1 if c[2] < 255 else -1))
            line.append(c)
        out.append(line)
    return out


# ---------------------------------------------------------------------------
# file writers
# ---------------------------------------------------------------------------

def bitmap_info_header(width, height, bits, image_size, colours_used=0):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0,
                       image_size, 2835, 2835, colours_used, 0)


def write_bmp32(path, pixels):
    """32 bits per pixel, BI_RGB, bottom-up; the fourth byte is left 0."""
    height, width = len(pixels), len(pixels[0])
    body = bytearray()
    for row in reversed(pixels):
        for r, g, b in row:
            body += bytes((b, g, r, 0))
    header_size = 14 + 40
    with open(path, "wb") as f:
        f.write(struct.pack("<2sIHHI", b"BM", header_size + len(body),
                            0, 0, header_size))
        f.write(bitmap_info_header(width, height, 32, len(body)))
        f.write(body)


def row_bytes(width, bits):
    return ((width * bits + 31) // 32) * 4


def write_ico8(path, pixels, transparent):
    """One 8-bit image: 256-entry palette, XOR pixels, then the AND mask.

    transparent[y][x] is True where the desktop should show through; those
    pixels are stored as palette entry 0 (black) with the mask bit set.
    """
    height, width = len(pixels), len(pixels[0])

    used = sorted({pixels[y][x] for y in range(height) for x in range(width)
                   if not transparent[y][x]} - {BLACK})
    palette = [BLACK] + used
    if len(palette) > 256:
        raise ValueError("icon uses %d colours, 256 at most" % len(palette))
    index = {c: i for i, c in enumerate(palette)}
    palette += [BLACK] * (256 - len(palette))

    xor_stride = row_bytes(width, 8)
    and_stride = row_bytes(width, 1)
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(height)):
        line = bytearray(xor_stride)
        bits = bytearray(and_stride)
        for x in range(width):
            if transparent[y][x]:
                bits[x // 8] |= 0x80 >> (x % 8)
            else:
                line[x] = index[pixels[y][x]]
        xor += line
        mask += bits

    image = bytearray(bitmap_info_header(width, height * 2, 8,
                                         len(xor) + len(mask)))
    for r, g, b in palette:
        image += bytes((b, g, r, 0))
    image += xor + mask

    with open(path, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, 1))                 # ICONDIR
        f.write(struct.pack("<BBBBHHII", width, height, 0, 0, 1, 8,
                            len(image), 6 + 16))              # ICONDIRENTRY
        f.write(image)


def count_colours(pixels):
    return len({c for row in pixels for c in row})
