#!/usr/bin/env python3
"""Draws the main window's bitmaps and the application icon as PNG files.

Run from anywhere: `python3 src/gui/resources/draw_resources.py` rewrites the PNGs beside this
script. Plain Python 3 only (zlib and struct), so the pictures can be regenerated on any machine.

The look: slate header bars with a thin teal accent, light chevron buttons on them, and a deep
slate bezel behind the tab panel. The window bitmaps are opaque 24-bit pictures, copied as they
are; only the icon carries an alpha channel.
"""

import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# Palette.
SLATE_TOP = (0x4A, 0x5A, 0x6A)
SLATE_BOTTOM = (0x2E, 0x3A, 0x46)
SLATE_DEEP = (0x24, 0x2E, 0x38)
TEAL = (0x3C, 0xB4, 0xAE)
HIGHLIGHT = (0x8A, 0x9B, 0xAB)
CHEVRON = (0xEE, 0xF3, 0xF6)
WARM_CORE = (0xFF, 0xF8, 0xE6)
WARM_GLOW = (0xFF, 0xC8, 0x5A)

# Where the tab panel covers the background picture (picture coordinates): the picture is
# drawn at client y 10, the panel sits at client (7, 12) and is 354 x 190.
PANEL_LEFT, PANEL_TOP, PANEL_RIGHT, PANEL_BOTTOM = 7, 2, 361, 192


# ---------------------------------------------------------------- canvas and PNG output


class Canvas:
    """RGB(A) pixels as floats in 0..1, composited source-over."""

    def __init__(self, width, height, color=(0, 0, 0), alpha=1.0):
        self.width = width
        self.height = height
        r, g, b = (c / 255.0 for c in color)
        self.px = [[r, g, b, alpha] for _ in range(width * height)]

    def blend(self, x, y, color, coverage):
        if coverage <= 0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        p = self.px[y * self.width + x]
        src = [c / 255.0 for c in color]
        a = min(1.0, coverage)
        out_a = a + p[3] * (1 - a)
        if out_a <= 0:
            return
        for i in range(3):
            p[i] = (src[i] * a + p[i] * p[3] * (1 - a)) / out_a
        p[3] = out_a

    def shade(self, coverage_at, color_at, samples=4):
        """Paints every pixel with the colour color_at(x, y) at the coverage that
        coverage_at(x, y) gives, averaged over samples x samples points per pixel."""
        step = 1.0 / samples
        offsets = [(i + 0.5) * step for i in range(samples)]
        for y in range(self.height):
            for x in range(self.width):
                total = 0.0
                for oy in offsets:
                    for ox in offsets:
                        total += coverage_at(x + ox, y + oy)
                coverage = total / (samples * samples)
                if coverage > 0:
                    self.blend(x, y, color_at(x + 0.5, y + 0.5), coverage)

    def write_png(self, path, with_alpha=False):
        rows = bytearray()
        for y in range(self.height):
            rows.append(0)  # no filter
            for x in range(self.width):
                p = self.px[y * self.width + x]
                channels = p if with_alpha else p[:3]
                rows.extend(max(0, min(255, round(c * 255))) for c in channels)

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

        color_type = 6 if with_alpha else 2
        header = struct.pack(">IIBBBBB", self.width, self.height, 8, color_type, 0, 0, 0)
        png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
        png += chunk(b"IDAT", zlib.compress(bytes(rows), 9)) + chunk(b"IEND", b"")
        with open(path, "wb") as out:
            out.write(png)


# ---------------------------------------------------------------- shapes


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def smooth(edge0, edge1, value):
    t = max(0.0, min(1.0, (value - edge0) / (edge1 - edge0)))
    return t * t * (3 - 2 * t)


def in_rounded_rect(x, y, left, top, right, bottom, radius):
    if not (left <= x < right and top <= y < bottom):
        return 0.0
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return 1.0 if (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius else 0.0


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def on_polyline(x, y, points, half_width):
    for (ax, ay), (bx, by) in zip(points, points[1:]):
        if segment_distance(x, y, ax, ay, bx, by) <= half_width:
            return 1.0
    return 0.0


# ---------------------------------------------------------------- the pictures


def header_bar(width=370, height=10):
    """The header bar over each section: a slate gradient, a soft top highlight and a teal
    accent line above a dark bottom edge. The button panel may cover the bottom row, so the
    accent keeps clear of it."""
    bar = Canvas(width, height)
    for y in range(height):
        color = mix(SLATE_TOP, SLATE_BOTTOM, y / (height - 1))
        for x in range(width):
            bar.blend(x, y, color, 1.0)
    for x in range(width):
        bar.blend(x, 0, HIGHLIGHT, 0.55)
        bar.blend(x, height - 2, TEAL, 0.9)
        bar.blend(x, height - 1, SLATE_DEEP, 1.0)
    # A short grip of three dots at the left end marks the bar as a section header.
    for i in range(3):
        cx = 8 + i * 5
        bar.shade(lambda x, y, cx=cx: 1.0 if math.hypot(x - cx, y - 4.0) <= 1.2 else 0.0,
                  lambda x, y: TEAL)
    return bar


def header_button(pointing_up, width=15, height=10):
    """A button drawn over the bar: a raised rounded face with a light chevron. The chevron
    points down to expand a section and up to collapse it."""
    button = header_bar(370, height)
    button.width = width
    button.px = [button.px[y * 370 + x] for y in range(height) for x in range(330, 330 + width)]
    face_top, face_bottom = (0x5E, 0x70, 0x82), (0x3E, 0x4D, 0x5C)
    button.shade(lambda x, y: in_rounded_rect(x, y, 1, 1, width - 1, height - 2, 2.0),
                 lambda x, y: mix(face_top, face_bottom, (y - 1) / (height - 3)))
    if pointing_up:
        points = [(4.4, 5.9), (7.5, 2.9), (10.6, 5.9)]
    else:
        points = [(4.4, 3.1), (7.5, 6.1), (10.6, 3.1)]
    button.shade(lambda x, y: on_polyline(x, y, points, 0.75), lambda x, y: CHEVRON, samples=6)
    return button


def background(width=370, height=193):
    """The bezel behind the tab panel: deep slate with a faint glow from the upper left, and a
    recessed well where the panel sits, so the margins around the panel read as a frame."""
    bg = Canvas(width, height)
    for y in range(height):
        for x in range(width):
            t = y / (height - 1)
            color = mix(SLATE_BOTTOM, SLATE_DEEP, t)
            glow = math.exp(-((x - 60) ** 2 + (y - 20) ** 2) / (2 * 140.0 ** 2))
            bg.blend(x, y, mix(color, SLATE_TOP, 0.6 * glow), 1.0)
    # Fine diagonal hatching, barely visible, for a machined-metal texture.
    for y in range(height):
        for x in range(width):
            if (x + y) % 4 == 0:
                bg.blend(x, y, SLATE_DEEP, 0.18)
    # The well: a dark line just outside the panel and a light line outside that.
    left, top, right, bottom = PANEL_LEFT - 1, PANEL_TOP - 1, PANEL_RIGHT, PANEL_BOTTOM
    for x in range(left, right + 1):
        bg.blend(x, top, (0x12, 0x18, 0x1E), 0.8)
        bg.blend(x, bottom, HIGHLIGHT, 0.45)
    for y in range(top, bottom + 1):
        bg.blend(left, y, (0x12, 0x18, 0x1E), 0.8)
        bg.blend(right, y, HIGHLIGHT, 0.45)
    return bg


def app_icon(size=64):
    """The application icon: a slate tile with an iris aperture and a warm light at its
    centre."""
    icon = Canvas(size, size, alpha=0.0)
    s = size / 64.0
    icon.shade(lambda x, y: in_rounded_rect(x, y, 2 * s, 2 * s, 62 * s, 62 * s, 12 * s),
               lambda x, y: mix(SLATE_TOP, SLATE_DEEP, y / size))
    cx = cy = size / 2.0
    # Soft glow behind the aperture.
    icon.shade(lambda x, y: 0.85 * max(0.0, 1 - math.hypot(x - cx, y - cy) / (24 * s)) ** 1.6,
               lambda x, y: WARM_GLOW, samples=2)
    # Iris ring.
    icon.shade(lambda x, y: 1.0 if abs(math.hypot(x - cx, y - cy) - 19 * s) <= 2.4 * s else 0.0,
               lambda x, y: mix(HIGHLIGHT, (0xC8, 0xD3, 0xDC), (cy - y) / (40 * s) + 0.5))
    # Six iris blades: each edge runs from the ring to a tangent point on the opening, so the
    # edges turn like a camera aperture's.
    blades = []
    opening, ring = 9.5 * s, 18.5 * s
    reach = math.sqrt(ring * ring - opening * opening)
    for i in range(6):
        a = math.radians(60 * i + 10)
        px, py = cx + opening * math.cos(a), cy + opening * math.sin(a)
        blades.append(((px, py), (px - reach * math.sin(a), py + reach * math.cos(a))))
    icon.shade(lambda x, y: 1.0 if any(segment_distance(x, y, *p, *q) <= 0.9 * s
                                       for p, q in blades) else 0.0,
               lambda x, y: (0xA9, 0xB7, 0xC4))
    # The light itself.
    icon.shade(lambda x, y: 1.0 if math.hypot(x - cx, y - cy) <= 8 * s else 0.0,
               lambda x, y: mix(WARM_CORE, WARM_GLOW, math.hypot(x - cx, y - cy) / (8 * s)))
    # Teal accent under the aperture, echoing the header bars.
    icon.shade(lambda x, y: in_rounded_rect(x, y, 23 * s, 55 * s, 41 * s, 57.5 * s, 1.2 * s),
               lambda x, y: TEAL)
    return icon


def main():
    header_bar().write_png(os.path.join(HERE, "bar.png"))
    header_button(pointing_up=False).write_png(os.path.join(HERE, "expand.png"))
    header_button(pointing_up=True).write_png(os.path.join(HERE, "collapse.png"))
    background().write_png(os.path.join(HERE, "background.png"))
    app_icon().write_png(os.path.join(HERE, "app_icon.png"), with_alpha=True)


if __name__ == "__main__":
    main()
