#!/usr/bin/env python3
"""Writes the six 64 x 25, 24-bit skins of the Command button into shell/button/skins/.

Only the outer ring of 4 pixels is ever drawn. Ring pixel 0 is the outermost; the colours
given are those of the middle of each edge. Pixel 0 drifts a little along each edge, so
that a stretched edge can be told from a copied one. Run it again after changing a colour
and commit the images: the build takes them as they are.
"""
import os
import struct
import sys

WIDTH, HEIGHT, RING = 64, 25, 4
OUTLINE = 0x003C74
CORNER_OUTER_BLEND, CORNER_INNER_BLEND = 0x7A95A8, 0x255783


def rgb(value):
    return ((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF)


def lerp(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(rgb(a) if isinstance(a, int) else a,
                                                         rgb(b) if isinstance(b, int) else b))


def along(stops, t):
    """Colour at t (0..1) on a run through evenly spaced stops."""
    if len(stops) == 1:
        return rgb(stops[0])
    span = t * (len(stops) - 1)
    i = min(int(span), len(stops) - 2)
    return lerp(stops[i], stops[i + 1], span - i)


def drift(colour, offset):
    return tuple(max(0, min(255, c + offset)) for c in colour)


def edge_of(x, y):
    """The edge a ring pixel belongs to and its depth; corners go to the top and bottom."""
    distances = {"top": y, "bottom": HEIGHT - 1 - y, "left": x, "right": WIDTH - 1 - x}
    edge = min(distances, key=lambda e: (distances[e], e not in ("top", "bottom")))
    return edge, distances[edge]


def position_along(edge, x, y):
    """0..1 across the edge's middle (the part that gets stretched), clamped at the corners."""
    if edge in ("top", "bottom"):
        return min(1.0, max(0.0, (x - RING) / (WIDTH - 2 * RING - 1))), x - (WIDTH - 1) / 2
    return min(1.0, max(0.0, (y - RING) / (HEIGHT - 2 * RING - 1))), y - (HEIGHT - 1) / 2


def make(rings, face, corner_depth, corner_colours):
    pixels = [[rgb(face)] * WIDTH for _ in range(HEIGHT)]
    for y in range(HEIGHT):
        for x in range(WIDTH):
            edge, depth = edge_of(x, y)
            if depth >= RING:
                continue
            t, offset_from_middle = position_along(edge, x, y)
            colour = along(rings[depth][edge], t)
            if depth == 0:
                # steps of 1 every 4 pixels away from the middle, none in the middle itself
                step = int(abs(offset_from_middle) // 4)
                colour = drift(colour, step if offset_from_middle > 0 else -step)
            pixels[y][x] = colour
    outer, inner = corner_colours
    for cx, cy, dx, dy in ((0, 0, 1, 1), (WIDTH - 1, 0, -1, 1), (0, HEIGHT - 1, 1, -1),
                           (WIDTH - 1, HEIGHT - 1, -1, -1)):
        d = corner_depth
        pixels[cy + dy * d][cx + dx * d] = rgb(outer)
        pixels[cy + dy * (d + 1)][cx + dx * (d + 1)] = rgb(inner)
    return pixels


def every_edge(value):
    return {"top": [value], "left": [value], "right": [value], "bottom": [value]}


NORMAL_OUTER = {"top": [0xDCD6C2], "left": [0xE2DECB], "right": [0xF0EEE0], "bottom": [0xFAFAF6]}


def normal():
    return make([
        NORMAL_OUTER,
        every_edge(OUTLINE),
        {"top": [0xF3F3EE], "left": [0xF6F6F2, 0xF3F3EE, 0xECEAE2],
         "right": [0xEFEEE8, 0xEBEAE3, 0xE4E2D8], "bottom": [0xD6D0C5]},
        {"top": [0xF3F3EE], "left": [0xF6F6F2, 0xF3F3EE, 0xECEAE2],
         "right": [0xEFEEE8, 0xEBEAE3, 0xE4E2D8], "bottom": [0xE2DFD6]},
    ], 0xF3F3EE, 1, (CORNER_OUTER_BLEND, CORNER_INNER_BLEND))


def highlight():
    amber = [0xFEDF9A, 0xFCCA69, 0xF9B435]
    return make([
        NORMAL_OUTER,
        every_edge(OUTLINE),
        {"top": [0xFFF0CF], "left": amber, "right": amber, "bottom": [0xE59700]},
        {"top": [0xFDD889], "left": amber, "right": amber, "bottom": [0xF8B330]},
    ], 0xF3F3EE, 1, (CORNER_OUTER_BLEND, CORNER_INNER_BLEND))


def selected():
    blue = [0xB7D0F4, 0xA9C5EF, 0x8BADE4]
    return make([
        NORMAL_OUTER,
        every_edge(OUTLINE),
        {"top": [0xCEE7FF], "left": blue, "right": blue, "bottom": [0x6982EE]},
        {"top": [0xCEE7FF], "left": blue, "right": blue, "bottom": [0x6982EE]},
    ], 0xF3F3EE, 1, (CORNER_OUTER_BLEND, CORNER_INNER_BLEND))


def pressed():
    # The whole frame one pixel further in, on a darker face.
    return make([
        every_edge(0xECE9D8),
        NORMAL_OUTER,
        every_edge(OUTLINE),
        {"top": [0xD1CCC1], "left": [0xD7D4CB], "right": [0xE4E3DC], "bottom": [0xF2F1EE]},
    ], 0xE2E1D9, 2, (CORNER_OUTER_BLEND, CORNER_INNER_BLEND))


def disable():
    return make([
        every_edge(0xECE9D8),
        every_edge(0xC9C7BA),
        every_edge(0xF5F4EA),
        every_edge(0xF5F4EA),
    ], 0xF5F4EA, 1, (0xDAD8CA, 0xDCDAD0))


def bmp_bytes(pixels):
    row_size = (WIDTH * 3 + 3) // 4 * 4
    image = bytearray()
    for row in reversed(pixels):  # bottom-up
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        image += line + bytes(row_size - len(line))
    header_size = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", header_size + len(image), 0, 0, header_size)
    info_header = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(image),
                              3780, 3780, 0, 0)
    return file_header + info_header + bytes(image)


SKINS = {
    "normal": normal,
    "highlight": highlight,
    "selected": selected,
    "highlightselect": highlight,  # the same picture as highlight
    "pressed": pressed,
    "disable": disable,
}


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "shell", "button", "skins")
    os.makedirs(out, exist_ok=True)
    for name, build in SKINS.items():
        with open(os.path.join(out, name + ".bmp"), "wb") as f:
            f.write(bmp_bytes(build()))


if __name__ == "__main__":
    main()
