#!/usr/bin/env python3
"""Draws the placeholder skin bitmaps and icons into resources/art/.

Plain Python, no imaging library: a small canvas, a 5x7 pixel font, and
writers for 24-bit BMP and 32-bit ICO files. The layout follows the main
window's template (dialog units) at the pixel scale given below.
"""

import argparse
import os
import struct

FONT = {
    "A": ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    "B": ["11110", "10001", "10001", "11110", "10001", "10001", "11110"],
    "C": ["01110", "10001", "10000", "10000", "10000", "10001", "01110"],
    "D": ["11110", "10001", "10001", "10001", "10001", "10001", "11110"],
    "E": ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    "F": ["11111", "10000", "10000", "11110", "10000", "10000", "10000"],
    "G": ["01110", "10001", "10000", "10111", "10001", "10001", "01111"],
    "H": ["10001", "10001", "10001", "11111", "10001", "10001", "10001"],
    "I": ["01110", "00100", "00100", "00100", "00100", "00100", "01110"],
    "K": ["10001", "10010", "10100", "11000", "10100", "10010", "10001"],
    "L": ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    "M": ["10001", "11011", "10101", "10101", "10001", "10001", "10001"],
    "N": ["10001", "11001", "10101", "10011", "10001", "10001", "10001"],
    "O": ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    "P": ["11110", "10001", "10001", "11110", "10000", "10000", "10000"],
    "R": ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    "S": ["01111", "10000", "10000", "01110", "00001", "00001", "11110"],
    "T": ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
    "U": ["10001", "10001", "10001", "10001", "10001", "10001", "01110"],
    "V": ["10001", "10001", "10001", "10001", "10001", "01010", "00100"],
    "W": ["10001", "10001", "10001", "10101", "10101", "10101", "01010"],
    " ": ["00000"] * 7,
}


class Canvas:
    def __init__(self, width, height, color=(0, 0, 0, 255)):
        self.width, self.height = width, height
        self.pixels = [[color] * width for _ in range(height)]

    def put(self, x, y, color):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = color

    def rect(self, x0, y0, x1, y1, color):
        for y in range(max(y0, 0), min(y1, self.height)):
            for x in range(max(x0, 0), min(x1, self.width)):
                self.pixels[y][x] = color

    def vertical_gradient(self, x0, y0, x1, y1, top, bottom):
        span = max(y1 - y0 - 1, 1)
        for y in range(y0, y1):
            t = (y - y0) / span
            color = tuple(round(a + (b - a) * t) for a, b in zip(top, bottom))
            self.rect(x0, y, x1, y + 1, color)

    def rounded(self, x0, y0, x1, y1, radius, fill):
        """Keeps only the inside of a rounded rectangle; outside becomes fill."""
        for y in range(y0, y1):
            for x in range(x0, x1):
                dx = max(x0 + radius - x - 0.5, 0, x - (x1 - radius) + 0.5)
                dy = max(y0 + radius - y - 0.5, 0, y - (y1 - radius) + 0.5)
                if dx * dx + dy * dy > radius * radius:
                    self.put(x, y, fill)

    def outline(self, x0, y0, x1, y1, color):
        self.rect(x0, y0, x1, y0 + 1, color)
        self.rect(x0, y1 - 1, x1, y1, color)
        self.rect(x0, y0, x0 + 1, y1, color)
        self.rect(x1 - 1, y0, x1, y1, color)

    def disc(self, cx, cy, radius, color):
        for y in range(int(cy - radius) - 1, int(cy + radius) + 2):
            for x in range(int(cx - radius) - 1, int(cx + radius) + 2):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= radius * radius:
                    self.put(x, y, color)

    def text(self, x, y, text, color, scale=1, bold=False):
        for ch in text.upper():
            glyph = FONT[ch]
            for gy, row in enumerate(glyph):
                for gx, bit in enumerate(row):
                    if bit == "1":
                        for extra in (0, 1) if bold else (0,):
                            self.rect(x + (gx + extra) * scale, y + gy * scale,
                                      x + (gx + extra + 1) * scale, y + (gy + 1) * scale, color)
            x += (6 + (1 if bold else 0)) * scale

    @staticmethod
    def text_width(text, scale=1, bold=False):
        return len(text) * (6 + (1 if bold else 0)) * scale - scale

    def centered_text(self, cx, cy, text, color, scale=1, bold=False):
        self.text(round(cx - self.text_width(text, scale, bold) / 2), round(cy - 7 * scale / 2),
                  text, color, scale, bold)


def bmp_bytes(canvas):
    stride = (canvas.width * 3 + 3) & ~3
    rows = []
    for row in reversed(canvas.pixels):
        data = b"".join(bytes((b, g, r)) for r, g, b, _ in row)
        rows.append(data + b"\0" * (stride - len(data)))
    image = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 24, 0, len(image), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(image), 0, 0, 14 + len(info))
    return header + info + image


def ico_bytes(canvases):
    images = []
    for canvas in canvases:
        xor = b"".join(bytes((b, g, r, a)) for row in reversed(canvas.pixels) for r, g, b, a in row)
        mask_stride = ((canvas.width + 31) // 32) * 4
        mask = b""
        for row in reversed(canvas.pixels):
            bits = bytearray(mask_stride)
            for x, (_, _, _, a) in enumerate(row):
                if a == 0:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bytes(bits)
        info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height * 2, 1, 32, 0, len(xor) + len(mask),
                           0, 0, 0, 0)
        images.append((canvas, info + xor + mask))
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries = b""
    for canvas, data in images:
        entries += struct.pack("<BBBBHHII", canvas.width % 256, canvas.height % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return header + entries + b"".join(data for _, data in images)


def button(width, height, top, bottom, label, pressed):
    canvas = Canvas(width, height)
    if pressed:
        top, bottom = tuple(c * 3 // 4 for c in bottom), tuple(c * 3 // 4 for c in top)
    canvas.vertical_gradient(0, 0, width, height, top + (255,), bottom + (255,))
    canvas.outline(0, 0, width, height, (20, 30, 40, 255))
    canvas.rounded(0, 0, width, height, 6, (24, 38, 64, 255))
    shift = 1 if pressed else 0
    canvas.centered_text(width / 2 + shift, height / 2 + shift, label, (255, 255, 255, 255), 1, bold=True)
    return canvas


def background(width, height, px_x, px_y):
    def dx(units):
        return round(units * px_x)

    def dy(units):
        return round(units * px_y)

    canvas = Canvas(width, height)
    canvas.vertical_gradient(0, 0, width, height, (24, 38, 64, 255), (10, 18, 34, 255))
    # Banner area (the browser control covers it when shown).
    canvas.vertical_gradient(dx(4), dy(3), dx(164), dy(117), (46, 92, 160, 255), (22, 48, 96, 255))
    canvas.centered_text(dx(84), dy(52), "VELK VPN", (255, 255, 255, 255), 3, bold=True)
    canvas.centered_text(dx(84), dy(72), "SECURE CONNECT", (170, 200, 240, 255), 1)
    # Field labels left of the server combo, user and password edits, and the check box.
    label = (200, 214, 232, 255)
    canvas.text(dx(6), dy(122), "SERVER", label)
    canvas.text(dx(6), dy(135), "USER", label)
    canvas.text(dx(6), dy(147), "PASS", label)
    canvas.text(dx(57), dy(160), "REMEMBER", label)
    # The product link hot spot.
    canvas.centered_text(dx(104 + 30), dy(175 + 6), "VELK VPN", (120, 190, 255, 255))
    canvas.rect(dx(104 + 30) - 24, dy(175 + 6) + 5, dx(104 + 30) + 24, dy(175 + 6) + 6, (120, 190, 255, 255))
    return canvas


def select_server(width, height):
    canvas = Canvas(width, height, (24, 38, 64, 255))
    radius = min(width, height) / 2
    canvas.disc(width / 2, height / 2, radius - 2, (60, 140, 220, 255))
    canvas.disc(width / 2, height / 2, radius - 6, (24, 38, 64, 255))
    canvas.disc(width / 2, height / 2, radius - 9, (60, 140, 220, 255))
    return canvas


def icon(size, color):
    canvas = Canvas(size, size, (0, 0, 0, 0))
    canvas.disc(size / 2, size / 2, size / 2 - 0.5, color + (255,))
    scale = 2 if size >= 32 else 1
    canvas.centered_text(size / 2, size / 2, "V", (255, 255, 255, 255), scale, bold=True)
    return canvas


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    here = os.path.dirname(os.path.abspath(__file__))
    parser.add_argument("--out", default=os.path.join(here, "..", "resources", "art"))
    # Pixels per dialog unit of the main window's font.
    parser.add_argument("--unit-x", type=float, default=2.25)
    parser.add_argument("--unit-y", type=float, default=2.4)
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)

    width, height = round(169 * args.unit_x), round(193 * args.unit_y)
    green, green_end = (70, 190, 90), (20, 120, 45)
    red, red_end = (225, 80, 70), (150, 30, 25)
    files = {
        "background.bmp": bmp_bytes(background(width, height, args.unit_x, args.unit_y)),
        "connect.bmp": bmp_bytes(button(96, 28, green, green_end, "CONNECT", False)),
        "connect_down.bmp": bmp_bytes(button(96, 28, green, green_end, "CONNECT", True)),
        "disconnect.bmp": bmp_bytes(button(96, 28, red, red_end, "DISCONNECT", False)),
        "disconnect_down.bmp": bmp_bytes(button(96, 28, red, red_end, "DISCONNECT", True)),
        "select_server.bmp": bmp_bytes(select_server(56, 36)),
        "app.ico": ico_bytes([icon(32, (40, 110, 200)), icon(16, (40, 110, 200))]),
        "tray.ico": ico_bytes([icon(32, (40, 160, 80)), icon(16, (40, 160, 80))]),
        "window.ico": ico_bytes([icon(32, (30, 90, 170)), icon(16, (30, 90, 170))]),
    }
    for name, data in files.items():
        with open(os.path.join(args.out, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
