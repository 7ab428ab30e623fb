#!/usr/bin/python3
"""Draws the skins' images and the program icon into resources/images.

The artwork is deliberately plain: flat fills, one-pixel frames and simple
glyphs, in the skins' cyan and grey. Run it again after changing a picture.
"""
import math
import os
import struct
import sys
import zlib

CYAN = (0x3C, 0xC9, 0xEF, 255)
WHITE = (255, 255, 255, 255)
CLEAR = (0, 0, 0, 0)


class Canvas:
    def __init__(self, width, height, fill=CLEAR):
        self.width, self.height = width, height
        self.pixels = [list(fill) for _ in range(width * height)]

    def blend(self, x, y, color, coverage=1.0):
        if not (0 <= x < self.width and 0 <= y < self.height) or coverage <= 0:
            return
        dst = self.pixels[y * self.width + x]
        a = color[3] / 255 * min(coverage, 1.0)
        out_a = a + dst[3] / 255 * (1 - a)
        for i in range(3):
            src, old = color[i], dst[i]
            dst[i] = round((src * a + old * dst[3] / 255 * (1 - a)) / out_a) if out_a else 0
        dst[3] = round(out_a * 255)

    def rect(self, x0, y0, x1, y1, color):
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.blend(x, y, color)

    def round_rect(self, x0, y0, x1, y1, radius, color, outline=None):
        for y in range(y0, y1):
            for x in range(x0, x1):
                cx = min(max(x + 0.5, x0 + radius), x1 - radius)
                cy = min(max(y + 0.5, y0 + radius), y1 - radius)
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                edge = min(x + 0.5 - x0, x1 - x - 0.5, y + 0.5 - y0, y1 - y - 0.5) + 0.5
                inside = min(edge, radius + 0.5 - d)
                if outline and inside < 1.5:
                    self.blend(x, y, outline, inside)
                else:
                    self.blend(x, y, color, inside)

    def line(self, x0, y0, x1, y1, width, color):
        for y in range(self.height):
            for x in range(self.width):
                px, py = x + 0.5, y + 0.5
                dx, dy = x1 - x0, y1 - y0
                t = max(0.0, min(1.0, ((px - x0) * dx + (py - y0) * dy) / (dx * dx + dy * dy)))
                d = math.hypot(px - (x0 + t * dx), py - (y0 + t * dy))
                self.blend(x, y, color, width / 2 + 0.5 - d)

    def rows(self, alpha=True):
        for y in range(self.height):
            row = self.pixels[y * self.width:(y + 1) * self.width]
            yield bytes(c for p in row for c in (p if alpha else p[:3]))


def png(canvas, alpha=True):
    raw = b"".join(b"\0" + row for row in canvas.rows(alpha))
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 6 if alpha else 2, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def ico(canvases):
    """An icon group of 32-bit DIB images with an all-visible AND mask."""
    entries, images = [], []
    offset = 6 + 16 * len(canvases)
    for c in canvases:
        header = struct.pack("<IiiHHIIiiII", 40, c.width, c.height * 2, 1, 32, 0, 0, 0, 0, 0, 0)
        xor = b"".join(bytes(v for p in c.pixels[y * c.width:(y + 1) * c.width] for v in (p[2], p[1], p[0], p[3]))
                       for y in reversed(range(c.height)))
        mask = bytes(((c.width + 31) // 32 * 4) * c.height)
        data = header + xor + mask
        entries.append(struct.pack("<BBBBHHII", c.width % 256, c.height % 256, 0, 0, 1, 32, len(data), offset))
        images.append(data)
        offset += len(data)
    return struct.pack("<HHH", 0, 1, len(canvases)) + b"".join(entries) + b"".join(images)


def caption_button(glyph, state):
    c = Canvas(35, 22)
    back = {"normal": CLEAR, "hot": (255, 255, 255, 60), "pushed": (0, 0, 0, 40)}[state]
    c.rect(0, 0, 35, 22, back)
    if glyph == "close":
        c.line(13, 7, 22, 16, 1.6, WHITE)
        c.line(22, 7, 13, 16, 1.6, WHITE)
    elif glyph == "min":
        c.rect(12, 14, 23, 16, WHITE)
    else:
        c.round_rect(12, 6, 23, 16, 1, CLEAR, WHITE)
    return c


def check_box(state):
    c = Canvas(16, 16)
    frame = {"normal": (0x9A, 0xA4, 0xAA, 255), "hot": CYAN, "selected": CYAN}[state]
    c.round_rect(1, 1, 15, 15, 2, WHITE, frame)
    if state == "selected":
        c.line(4, 8, 7, 11, 1.8, CYAN)
        c.line(7, 11, 12, 5, 1.8, CYAN)
    return c


def cell(width, height, fill, frame):
    c = Canvas(width, height)
    c.round_rect(0, 0, width, height, 4, fill, frame)
    return c


def scroll_sheet():
    c = Canvas(48, 64)
    shades = [(0xE6, 0xEE, 0xF2, 255), (0xC8, 0xEC, 0xF8, 255), (0x9E, 0xDD, 0xF2, 255)]
    for col, shade in enumerate(shades):
        x = col * 16
        for row, arrow in ((0, "up"), (2, "down")):
            y = row * 16
            c.rect(x, y, x + 16, y + 16, shade)
            tip, base = (y + 5, y + 10) if arrow == "up" else (y + 11, y + 6)
            c.line(x + 4, base, x + 8, tip, 1.5, (0x50, 0x60, 0x68, 255))
            c.line(x + 8, tip, x + 12, base, 1.5, (0x50, 0x60, 0x68, 255))
        c.round_rect(x + 3, 50, x + 13, 62, 3, (0x9A, 0xD6, 0xEA, 255) if col == 0 else CYAN)
    c.rect(0, 16, 16, 32, (0xF2, 0xF6, 0xF8, 255))
    return c


def header_item(hot):
    c = Canvas(135, 21)
    top, bottom = ((0xF4, 0xFB, 0xFE), (0xDD, 0xF1, 0xF9)) if hot else ((0xFF, 0xFF, 0xFF), (0xEE, 0xF2, 0xF4))
    for y in range(21):
        t = y / 20
        c.rect(0, y, 135, y + 1, tuple(round(a + (b - a) * t) for a, b in zip(top, bottom)) + (255,))
    c.rect(0, 20, 135, 21, (0xC8, 0xD4, 0xDA, 255))
    c.rect(134, 3, 135, 18, (0xC8, 0xD4, 0xDA, 255))
    return c


def picture():
    c = Canvas(64, 64)
    c.round_rect(2, 2, 62, 62, 10, CYAN)
    # A stylised "A" as the picture of a font.
    c.line(20, 48, 32, 14, 5, WHITE)
    c.line(32, 14, 44, 48, 5, WHITE)
    c.line(25, 36, 39, 36, 4, WHITE)
    return c


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "resources", "images")
    os.makedirs(out, exist_ok=True)
    images = {
        101: check_box("selected"), 113: check_box("normal"), 117: check_box("hot"),
        102: caption_button("close", "normal"), 103: caption_button("close", "hot"),
        104: caption_button("close", "pushed"), 105: caption_button("max", "normal"),
        106: caption_button("min", "normal"), 107: caption_button("min", "hot"),
        108: caption_button("min", "pushed"),
        # Plain: the main list stretches it with corners wider than the image, which would cut any frame.
        110: Canvas(26, 26, WHITE),
        111: cell(98, 35, (0xE4, 0xF6, 0xFC, 255), (0x8C, 0xD8, 0xF0, 255)),
        112: scroll_sheet(),
        116: cell(98, 35, (0xD2, 0xF0, 0xFA, 255), CYAN),
        118: header_item(False), 119: header_item(True),
        121: cell(31, 30, (0xD7, 0xED, 0xF5, 255), (0xB4, 0xDC, 0xEC, 255)),
        123: picture(),
    }
    for number, canvas in images.items():
        with open(os.path.join(out, f"{number}.png"), "wb") as f:
            f.write(png(canvas))
    button = Canvas(27, 25, (0xE8, 0xF7, 0xFC, 255))
    button.rect(0, 0, 27, 1, (0x3C, 0xC9, 0xEF, 255))
    with open(os.path.join(out, "114.png"), "wb") as f:
        f.write(png(button, alpha=False))
    icons = []
    for size in (48, 32, 24, 16):
        icon = Canvas(size, size)
        scale = size / 64
        icon.round_rect(0, 0, size, size, max(2, round(10 * scale)), CYAN)
        icon.line(20 * scale, 48 * scale, 32 * scale, 14 * scale, max(1.2, 6 * scale), WHITE)
        icon.line(32 * scale, 14 * scale, 44 * scale, 48 * scale, max(1.2, 6 * scale), WHITE)
        icon.line(25 * scale, 36 * scale, 39 * scale, 36 * scale, max(1.0, 4 * scale), WHITE)
        icons.append(icon)
    with open(os.path.join(out, "quillet.ico"), "wb") as f:
        f.write(ico(icons))
    return 0


if __name__ == "__main__":
    sys.exit(main())
