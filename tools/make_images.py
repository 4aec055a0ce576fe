#!/usr/bin/env python3
"""Draws Tintwright's icons, grab cursor, grab-button glyphs and the About
box's logo into res/.

Run as `python3 tools/make_images.py` from anywhere. The output is the same
byte for byte on every run, so the files are committed and the build itself
needs no Python.
"""
import math
from pathlib import Path

import image_files

RES = Path(__file__).resolve().parent.parent / "res"
CLEAR = (0, 0, 0, 0)
ICON_SIZES = (16, 20, 24, 32, 40, 48, 64, 256)


def clamp01(value):
    return min(1.0, max(0.0, value))


def to_pixel(rgb, alpha):
    return tuple(round(255 * clamp01(c)) for c in (*rgb, alpha))


def disc_alpha(size, radius, x, y):
    """Coverage of pixel (x, y) by the centred disc, one pixel of soft edge."""
    distance = math.hypot(x + 0.5 - size / 2, y + 0.5 - size / 2)
    return clamp01(radius - distance + 0.5)


def disc_image(size, radius, color_at):
    """A centred antialiased disc, its pixels colored by color_at(x, y)."""
    def pixel(x, y):
        alpha = disc_alpha(size, radius, x, y)
        return to_pixel(color_at(x, y), alpha) if alpha else CLEAR

    return [[pixel(x, y) for x in range(size)] for y in range(size)]


def normalized(vector):
    length = math.sqrt(sum(c * c for c in vector))
    return tuple(c / length for c in vector)


LIGHT = normalized((-0.5, 0.65, 0.6))
HALFWAY = normalized((LIGHT[0], LIGHT[1], LIGHT[2] + 1))


RAINBOW = ((0.92, 0.1, 0.1), (1.0, 0.55, 0.05), (1.0, 0.88, 0.1),
           (0.15, 0.75, 0.2), (0.1, 0.4, 0.95), (0.5, 0.2, 0.82))


def rainbow(t):
    """Smooth blend through RAINBOW for t from 0 (red) to 1 (violet)."""
    position = clamp01(t) * (len(RAINBOW) - 1)
    index = min(int(position), len(RAINBOW) - 2)
    mix = position - index
    return tuple(a + (b - a) * mix
                 for a, b in zip(RAINBOW[index], RAINBOW[index + 1]))


def sphere_color(nx, ny):
    """Lit color of the rainbow ball at normal (nx, ny), y pointing up."""
    nz = math.sqrt(max(0.0, 1 - nx * nx - ny * ny))
    # Height on the screen picks the band, so the bands come out even.
    base = rainbow((1 - ny) / 2)
    diffuse = max(0.0, nx * LIGHT[0] + ny * LIGHT[1] + nz * LIGHT[2])
    facing = max(0.0, nx * HALFWAY[0] + ny * HALFWAY[1] + nz * HALFWAY[2])
    # A sharp spot over a broad sheen is what reads as a polished surface.
    gloss = 0.9 * facing ** 80 + 0.2 * facing ** 8
    rim = (1 - nz) ** 4 * 0.25  # glancing light makes the edge read as glass
    return tuple(c * (0.35 + 0.7 * diffuse) + gloss + rim for c in base)


def sphere(size):
    radius = size / 2 - max(0.5, size / 32)

    def color_at(x, y):
        nx = (x + 0.5 - size / 2) / radius
        ny = (size / 2 - y - 0.5) / radius
        # Edge pixels reach past the ball: shade them just inside its rim,
        # where the glancing light would otherwise leave a pale halo.
        scale = max(1.0, math.hypot(nx, ny) / 0.94)
        return sphere_color(nx / scale, ny / scale)

    return disc_image(size, radius, color_at)


TRAY_BANDS = ((0.86, 0.1, 0.1), (0.98, 0.82, 0.1), (0.15, 0.68, 0.2),
              (0.15, 0.35, 0.9))


def tray_badge(size=16):
    """Flat four-band disc with a dark rim so it stands out on any taskbar."""
    radius = size / 2 - 0.25

    def color_at(x, y):
        band = TRAY_BANDS[y * len(TRAY_BANDS) // size]
        inner = disc_alpha(size, radius - 1, x, y)
        return tuple(c * (0.45 + 0.55 * inner) for c in band)

    return disc_image(size, radius, color_at)


class Dropper:
    """An eyedropper lying on the diagonal, its tip in the lower-left pixel.

    u runs along the dropper from the lower-left corner of the image, v across
    it. `profile` lists (u, half width) points, interpolated linearly; the
    last one is the centre and radius of the bulb's round end. The collar is
    the stretch of u given by `collar`: glass before it, rubber after it.
    """

    def __init__(self, size, profile, collar):
        self.size, self.profile, self.collar = size, profile, collar

    def half_width(self, u):
        end, radius = self.profile[-1]
        if u >= end:
            return math.sqrt(radius * radius - (u - end) ** 2) \
                if u - end <= radius else -1.0
        for (u0, w0), (u1, w1) in zip(self.profile, self.profile[1:]):
            if u0 <= u <= u1:
                return w0 + (w1 - w0) * (u - u0) / (u1 - u0) if u1 > u0 else w1
        return -1.0

    def part(self, x, y):
        dx, dy = x + 0.5, y + 0.5 - self.size
        u, v = (dx - dy) / math.sqrt(2), (dx + dy) / math.sqrt(2)
        if abs(v) > self.half_width(u):
            return None
        if u < self.collar[0]:
            return "glass"
        return "collar" if u <= self.collar[1] else "bulb"

    def parts(self):
        """Part of each pixel; pixels on the shape's border are 'outline'."""
        grid = [[self.part(x, y) for x in range(self.size)]
                for y in range(self.size)]

        def inside(x, y):
            return 0 <= x < self.size and 0 <= y < self.size and grid[y][x]

        def on_border(x, y):
            return not all(inside(x + dx, y + dy)
                           for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))

        return [[grid[y][x] and ("outline" if on_border(x, y) else grid[y][x])
                 for x in range(self.size)] for y in range(self.size)]


CURSOR_DROPPER = Dropper(32, [(0, 0.6), (7, 1.5), (9, 2.2), (24, 2.2),
                              (24, 3.8), (28, 3.8), (28, 3.2), (31, 4.4),
                              (36.5, 4.4)], (24, 28))
GLYPH_DROPPER = Dropper(16, [(0, 0.5), (3, 0.9), (4.5, 1.5), (12, 1.5),
                             (12, 2.4), (14.2, 2.4), (14.2, 1.9),
                             (15.5, 2.4), (17.4, 2.4)], (12, 14.2))


def grab_cursor():
    """The monochrome grab cursor: black outline and collar, white glass and
    bulb, transparent elsewhere; the hot spot is the tip, the lower-left
    pixel, which must be black to be seen."""
    parts = CURSOR_DROPPER.parts()
    hot_spot = (0, CURSOR_DROPPER.size - 1)
    assert parts[hot_spot[1]][hot_spot[0]] == "outline"
    transparent = [[p is None for p in row] for row in parts]
    white = [[p in ("glass", "bulb") for p in row] for row in parts]
    return image_files.monochrome_cur(transparent, white, hot_spot)


KEY = (255, 0, 255, 255)  # the image list's mask color
GLYPH_COLORS = {"outline": (24, 24, 24, 255), "glass": (214, 234, 250, 255),
                "collar": (96, 96, 96, 255), "bulb": (200, 40, 40, 255)}
DIGITS = {"3": ("###", "..#", ".##", "..#", "###"),
          "5": ("###", "#..", "###", "..#", "###")}


def grab_glyph(digit=None):
    """The grab button's 16 x 16 glyph, with the averaging size in two
    corners when `digit` is given."""
    pixels = [[GLYPH_COLORS[p] if p else KEY for p in row]
              for row in GLYPH_DROPPER.parts()]
    for left, top in ((0, 0), (13, 11)) if digit else ():
        for dy, line in enumerate(DIGITS[digit]):
            for dx, mark in enumerate(line):
                if mark == "#":
                    pixels[top + dy][left + dx] = GLYPH_COLORS["outline"]
    return pixels


ABOUT_BACKGROUND = (255, 245, 133)  # the About box's yellow
CHIP_PIVOT = (40, 170)


def chip_color(x, y):
    """Color of the fan of paint chips at (x, y), y pointing down, or None.

    Six chips turn about one rivet from pointing up to pointing right; a
    later chip lies on an earlier one, and each has a dark rim."""
    color = None
    dx, dy = x - CHIP_PIVOT[0], y - CHIP_PIVOT[1]
    for i, rgb in enumerate(RAINBOW):
        angle = math.radians(-95 + i * 18)
        along = dx * math.cos(angle) + dy * math.sin(angle)
        across = -dx * math.sin(angle) + dy * math.cos(angle)
        if -16 <= along <= 150 and abs(across) <= 16:
            rim = along > 147 or along < -13 or abs(across) > 13.5
            color = tuple(c * 0.45 for c in rgb) if rim else rgb
    if math.hypot(dx, dy) <= 7:
        color = (0.25, 0.25, 0.28) if math.hypot(dx, dy) > 5 else (0.8, 0.8, 0.82)
    return color


QUILL_TIP, QUILL_END = (84, 192), (190, 14)


def quill_color(x, y):
    """Color of the quill laid across the fan at (x, y), or None: a thin
    shaft from the tip, vanes that swell towards the end."""
    length = math.dist(QUILL_TIP, QUILL_END)
    ux = (QUILL_END[0] - QUILL_TIP[0]) / length
    uy = (QUILL_END[1] - QUILL_TIP[1]) / length
    dx, dy = x - QUILL_TIP[0], y - QUILL_TIP[1]
    t = (dx * ux + dy * uy) / length
    across = -dx * uy + dy * ux
    if not 0 <= t <= 1:
        return None
    if abs(across) <= 1.2:
        return (0.95, 0.93, 0.85)
    vane = 0.0 if t < 0.22 else 17 * math.sin(math.pi * (t - 0.22) / 0.78) ** 0.7
    if abs(across) > vane:
        return None
    barbs = 0.5 + 0.5 * math.sin(t * 90 + abs(across) * 0.6)
    shade = 0.75 + 0.25 * barbs
    return (0.12 * shade, 0.2 * shade, 0.38 * shade)


def logo(size=200, samples=3):
    """The maker's logo for the About box: a quill over a fan of color chips,
    on the box's own yellow, each pixel averaged over samples x samples."""
    background = tuple(c / 255 for c in ABOUT_BACKGROUND)

    def pixel(x, y):
        total = [0.0, 0.0, 0.0]
        for sy in range(samples):
            for sx in range(samples):
                px, py = x + (sx + 0.5) / samples, y + (sy + 0.5) / samples
                color = quill_color(px, py) or chip_color(px, py) or background
                total = [t + c for t, c in zip(total, color)]
        return to_pixel([t / samples ** 2 for t in total], 1.0)

    return [[pixel(x, y) for x in range(size)] for y in range(size)]


def main():
    outputs = {
        "tintwright.ico": image_files.ico([sphere(s) for s in ICON_SIZES]),
        "tray.ico": image_files.ico([tray_badge()]),
        "eyedrop.cur": grab_cursor(),
        "grab.bmp": image_files.bmp24(
            [sum(rows, []) for rows in zip(grab_glyph(), grab_glyph("3"),
                                          grab_glyph("5"))]),
        "logo.bmp": image_files.bmp8(logo()),
    }
    for name, data in outputs.items():
        (RES / name).write_bytes(data)


if __name__ == "__main__":
    main()
