#!/usr/bin/env python3
"""Draws the pictures of Purgox's resources.

usage: gen_resources.py OUTPUT_FOLDER

Writes three files into OUTPUT_FOLDER:
  purgox.ico  application icon, one 32x32 image, 16 colours
  tree.bmp    strip of seven 16x16 tree pictures (112x16, 16 colours) on
              magenta, the image list's transparent colour
  delete.avi  80x48 RLE8 clip, 29 frames at 6 frames a second, for the
              animation control shown while files are deleted

Standard library only. The output depends on nothing but this script, so
every build gets byte-identical files.
"""

import os
import struct
import sys

# ---------------------------------------------------------------------------
# Palette

# The 16 colours every Windows display has, in their usual order.
VGA = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
(BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER,
 GREY, RED, LIME, YELLOW, BLUE, MAGENTA, CYAN, WHITE) = range(16)

# The clip's background is SILVER: the animation control makes the colour of
# the first frame's top-left pixel transparent, and where it does not, silver
# still looks like a dialog. The waste bin gets an extra shade instead.
LIGHT = 16
CLIP_PALETTE = VGA + [(224, 224, 224)] + [(0, 0, 0)] * (256 - 17)
CLIP_BACKGROUND = SILVER


def rgbquads(palette):
    """Palette as the BGR0 quads that follow a BITMAPINFOHEADER."""
    return b"".join(struct.pack("<4B", b, g, r, 0) for r, g, b in palette)


# ---------------------------------------------------------------------------
# Canvas and shapes. Coordinates are pixels, y downwards, rectangles
# inclusive of both corners.

class Canvas:
    def __init__(self, width, height, fill):
        self.width = width
        self.height = height
        self.rows = [[fill] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        self.line(x0, y0, x1, y0, colour)
        self.line(x0, y1, x1, y1, colour)
        self.line(x0, y0, x0, y1, colour)
        self.line(x1, y0, x1, y1, colour)

    def box(self, x0, y0, x1, y1, fill, edge=BLACK):
        self.rect(x0, y0, x1, y1, fill)
        self.frame(x0, y0, x1, y1, edge)

    def line(self, x0, y0, x1, y1, colour):
        """Bresenham line, both ends included."""
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx = 1 if x0 < x1 else -1
        sy = 1 if y0 < y1 else -1
        err = dx + dy
        while True:
            self.put(x0, y0, colour)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def polygon(self, points, fill, edge=BLACK):
        """Fills the pixels whose centres lie inside, then draws the edges."""
        ys = [p[1] for p in points]
        for y in range(min(ys), max(ys) + 1):
            cy = y + 0.5
            xs = []
            for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
                if (ay <= cy < by) or (by <= cy < ay):
                    xs.append(ax + (cy - ay) * (bx - ax) / (by - ay))
            xs.sort()
            for left, right in zip(xs[0::2], xs[1::2]):
                for x in range(int(left + 0.5), int(right + 0.5)):
                    self.put(x, y, fill)
        if edge is not None:
            for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
                self.line(ax, ay, bx, by, edge)

    def ellipse(self, cx, cy, rx, ry, colour):
        """Filled ellipse around the pixel centre (cx, cy)."""
        for y in range(int(cy - ry), int(cy + ry) + 1):
            for x in range(int(cx - rx), int(cx + rx) + 1):
                if ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0:
                    self.put(x, y, colour)

    def paste(self, other, dx, dy):
        for y, row in enumerate(other.rows):
            for x, colour in enumerate(row):
                self.put(dx + x, dy + y, colour)


def document(c, x, y, w, h, lines=BLUE):
    """A sheet of paper with a folded corner and a few lines of text."""
    fold = max(2, w // 3)
    c.polygon([(x, y), (x + w - fold, y), (x + w, y + fold),
               (x + w, y + h), (x, y + h)], WHITE)
    c.polygon([(x + w - fold, y), (x + w - fold, y + fold), (x + w, y + fold)],
              SILVER)
    for ty in range(y + fold + 1, y + h - 1, 2):
        c.line(x + 2, ty, x + w - 2, ty, lines)


def waste_bin(c, x, y, w, h, body, shade):
    """A waste bin seen from the front: rim on top, tapered ribbed body."""
    c.box(x, y, x + w, y + 2, body)
    inset = max(1, w // 8)
    top, bottom = y + 2, y + h
    c.polygon([(x + 1, top), (x + w - 1, top),
               (x + w - 1 - inset, bottom), (x + 1 + inset, bottom)], body)
    # Ribs follow the taper; the right-hand one is shaded for depth.
    for i in (1, 2, 3):
        rx_top = x + 1 + i * (w - 2) // 4
        rx_bottom = x + 1 + inset + i * (w - 2 - 2 * inset) // 4
        c.line(rx_top, top + 2, rx_bottom, bottom - 2, shade)
    c.line(x + w - 2, top + 1, x + w - 1 - inset, bottom - 1, shade)


def drive_box(c, x0, y0, x1, y1, slot=True):
    """Front of a drive unit with an optional slot and a green lamp."""
    c.box(x0, y0, x1, y1, SILVER)
    c.line(x0 + 1, y1 - 1, x1 - 1, y1 - 1, GREY)
    if slot:
        c.line(x0 + 4, y0 + 2, x1 - 2, y0 + 2, BLACK)
    c.put(x0 + 2, y1 - 2, LIME)


def monitor(c, x, y):
    """A small computer: 7x5 screen on a stand (8x8 pixels in all)."""
    c.box(x, y, x + 7, y + 5, SILVER)
    c.rect(x + 2, y + 2, x + 5, y + 3, TEAL)
    c.rect(x + 2, y + 2, x + 3, y + 2, CYAN)
    c.line(x + 3, y + 6, x + 4, y + 6, BLACK)
    c.line(x + 1, y + 7, x + 6, y + 7, BLACK)


def folder_closed(c, x, y):
    """A closed yellow folder filling 15x11 pixels."""
    c.polygon([(x + 1, y + 2), (x + 2, y), (x + 6, y), (x + 7, y + 2)],
              YELLOW, OLIVE)
    c.box(x, y + 2, x + 14, y + 11, YELLOW, OLIVE)
    c.line(x + 1, y + 3, x + 13, y + 3, WHITE)
    c.line(x + 1, y + 10, x + 13, y + 10, OLIVE)


def folder_open(c, x, y):
    """An open yellow folder filling 16x11 pixels."""
    c.polygon([(x + 1, y + 2), (x + 2, y), (x + 6, y), (x + 7, y + 2)],
              YELLOW, OLIVE)
    c.box(x, y + 2, x + 12, y + 11, OLIVE, OLIVE)
    c.rect(x + 2, y + 3, x + 10, y + 4, WHITE)
    c.polygon([(x + 3, y + 5), (x + 15, y + 5), (x + 12, y + 11),
               (x, y + 11)], YELLOW, OLIVE)


# ---------------------------------------------------------------------------
# The icon: a waste bin with build leftovers sticking out of it.

def draw_icon():
    c = Canvas(32, 32, None)
    document(c, 6, 1, 10, 14, BLUE)
    document(c, 15, 4, 9, 12, RED)
    document(c, 22, 0, 7, 9, GREEN)
    waste_bin(c, 5, 11, 22, 20, SILVER, GREY)
    c.line(6, 12, 26, 12, WHITE)
    return c


def icon_file(c):
    """One-image .ico: 4 bits per pixel colour bitmap and 1 bit AND mask."""
    size = c.width
    xor = bytearray()
    mask = bytearray()
    for row in reversed(c.rows):
        indices = [0 if p is None else p for p in row]
        xor += bytes((indices[i] << 4) | indices[i + 1]
                     for i in range(0, size, 2))
        bits = 0
        for p in row:
            bits = (bits << 1) | (p is None)
        mask += bits.to_bytes(size // 8, "big")
        mask += bytes(-len(mask) % 4)
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    image = header + rgbquads(VGA) + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image),
                        len(directory) + 16)
    return directory + entry + image


# ---------------------------------------------------------------------------
# The tree pictures, 16x16 each, in image list order.

def pic_hard_disk(c):
    c.polygon([(1, 8), (4, 5), (15, 5), (12, 8)], WHITE)
    c.polygon([(12, 8), (15, 5), (15, 9), (12, 12)], GREY)
    c.box(1, 8, 12, 12, SILVER)
    c.line(2, 11, 11, 11, GREY)
    c.rect(3, 10, 4, 10, LIME)


def pic_floppy(c):
    c.box(3, 0, 12, 9, NAVY)
    c.rect(5, 1, 10, 3, SILVER)
    c.rect(8, 1, 9, 2, NAVY)
    c.rect(5, 6, 10, 9, WHITE)
    drive_box(c, 0, 9, 15, 14)


def pic_cdrom(c):
    c.ellipse(7.5, 5, 6.5, 4.5, BLACK)
    c.ellipse(7.5, 5, 5.5, 3.5, SILVER)
    c.line(4, 3, 6, 2, WHITE)
    c.line(9, 7, 11, 6, CYAN)
    c.ellipse(7.5, 5, 1.5, 1, WHITE)
    c.put(7, 5, BLACK)
    c.put(8, 5, BLACK)
    drive_box(c, 0, 9, 15, 14)


def pic_network(c):
    c.line(3, 8, 3, 12, BLACK)
    c.line(3, 12, 8, 12, BLACK)
    monitor(c, 0, 0)
    monitor(c, 8, 7)


def pic_memory(c):
    c.box(0, 4, 15, 11, GREEN)
    for x in (2, 6, 10):
        c.rect(x, 5, x + 2, 9, BLACK)
        c.put(x, 5, GREY)
    for x in range(1, 15, 2):
        c.put(x, 11, YELLOW)
        c.put(x, 12, YELLOW)
    c.put(0, 4, MAGENTA)
    c.put(15, 4, MAGENTA)


def pic_folder_closed(c):
    folder_closed(c, 0, 3)


def pic_folder_open(c):
    folder_open(c, 0, 3)


TREE_PICTURES = [pic_hard_disk, pic_floppy, pic_cdrom, pic_network,
                 pic_memory, pic_folder_closed, pic_folder_open]


def draw_tree_strip():
    strip = Canvas(16 * len(TREE_PICTURES), 16, MAGENTA)
    for i, draw in enumerate(TREE_PICTURES):
        picture = Canvas(16, 16, MAGENTA)
        draw(picture)
        strip.paste(picture, 16 * i, 0)
    return strip


def bitmap_file(c):
    """Bottom-up 4 bits per pixel .bmp with the VGA palette."""
    pixels = bytearray()
    for row in reversed(c.rows):
        line = bytes((row[i] << 4) | (row[i + 1] if i + 1 < c.width else 0)
                     for i in range(0, c.width, 2))
        pixels += line + bytes(-len(line) % 4)
    info = struct.pack("<IiiHHIIiiII", 40, c.width, c.height, 1, 4, 0,
                       len(pixels), 2835, 2835, 16, 0)
    offset = 14 + len(info) + 64
    head = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return head + info + rgbquads(VGA) + pixels


# ---------------------------------------------------------------------------
# The clip: a file leaves an open folder, flies over and drops into the
# waste bin; the bin gives a small jump, then the loop starts again.

CLIP_WIDTH, CLIP_HEIGHT = 80, 48
CLIP_FRAMES = 29
FLIGHT_FRAMES = 22
MICROSECONDS_PER_FRAME = 166666


def file_position(frame):
    """Top-left corner of the flying file, on a parabola."""
    t = frame / (FLIGHT_FRAMES - 1)
    x0, y0 = 15, 27       # deep in the folder
    x1, y1 = 53, 30       # deep in the bin
    height = 27
    x = x0 + (x1 - x0) * t
    y = y0 + (y1 - y0) * t - 4 * height * t * (1 - t)
    return round(x), round(y)


def draw_clip_frame(frame):
    # The control is narrower than the clip in most dialog fonts and
    # centring cuts the sides off, so everything stays within x 9..70.
    c = Canvas(CLIP_WIDTH, CLIP_HEIGHT, CLIP_BACKGROUND)
    # Folder: back wall first, the file, then the front flap over it.
    c.polygon([(10, 24), (12, 21), (18, 21), (20, 24)], YELLOW, OLIVE)
    c.box(9, 24, 29, 42, OLIVE, BLACK)
    c.rect(11, 26, 27, 28, WHITE)
    if frame < FLIGHT_FRAMES:
        x, y = file_position(frame)
        document(c, x, y, 11, 14, BLUE)
    c.polygon([(13, 30), (34, 30), (29, 42), (9, 42)], YELLOW, BLACK)
    c.line(14, 31, 32, 31, WHITE)
    # The bin jumps once when the file has landed.
    jump = 1 if frame in (FLIGHT_FRAMES, FLIGHT_FRAMES + 1) else 0
    waste_bin(c, 46, 17 - jump, 24, 27, LIGHT, GREY)
    c.line(47, 18 - jump, 69, 18 - jump, WHITE)
    if jump:
        c.line(44, 12, 45, 10, GREY)
        c.line(58, 10, 58, 8, GREY)
        c.line(72, 12, 71, 10, GREY)
    return c


def rle8(c):
    """BI_RLE8 data: bottom-up rows of (count, colour) runs, each row ended
    by an end-of-line code and the last by end-of-bitmap."""
    out = bytearray()
    rows = list(reversed(c.rows))
    for n, row in enumerate(rows):
        x = 0
        while x < len(row):
            run = 1
            while x + run < len(row) and row[x + run] == row[x] and run < 255:
                run += 1
            out += bytes((run, row[x]))
            x += run
        out += b"\x00\x01" if n == len(rows) - 1 else b"\x00\x00"
    return bytes(out)


def chunk(fourcc, data):
    return fourcc + struct.pack("<I", len(data)) + data + bytes(len(data) % 2)


def riff_list(kind, fourcc, payload):
    return chunk(kind, fourcc + payload)


def avi_file(frames):
    """Single-stream AVI of BI_RLE8 frames, every frame a key frame."""
    largest = max(len(f) for f in frames)
    count = len(frames)
    main_header = struct.pack(
        "<14I", MICROSECONDS_PER_FRAME,
        largest * 1000000 // MICROSECONDS_PER_FRAME + 1,  # max bytes/s
        0, 0x10,                                         # AVIF_HASINDEX
        count, 0, 1, largest, CLIP_WIDTH, CLIP_HEIGHT, 0, 0, 0, 0)
    # 'mrle' is the name under which Windows and Wine register their RLE
    # codec; the animation control opens the decoder by this name.
    stream_header = struct.pack(
        "<4s4sIHHIIIIIIIIhhhh", b"vids", b"mrle", 0, 0, 0, 0,
        MICROSECONDS_PER_FRAME, 1000000, 0, count, largest, 0xFFFFFFFF, 0,
        0, 0, CLIP_WIDTH, CLIP_HEIGHT)
    format_header = struct.pack(
        "<IiiHHIIiiII", 40, CLIP_WIDTH, CLIP_HEIGHT, 1, 8, 1,   # BI_RLE8
        CLIP_WIDTH * CLIP_HEIGHT, 0, 0, 256, 0) + rgbquads(CLIP_PALETTE)
    headers = riff_list(b"LIST", b"hdrl",
                        chunk(b"avih", main_header)
                        + riff_list(b"LIST", b"strl",
                                    chunk(b"strh", stream_header)
                                    + chunk(b"strf", format_header)))
    movi = b""
    index = b""
    for f in frames:
        # Index offsets count from the 'movi' tag.
        index += struct.pack("<4sIII", b"00dc", 0x10, 4 + len(movi), len(f))
        movi += chunk(b"00dc", f)
    body = headers + riff_list(b"LIST", b"movi", movi) + chunk(b"idx1", index)
    return riff_list(b"RIFF", b"AVI ", body)


# ---------------------------------------------------------------------------

def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: gen_resources.py OUTPUT_FOLDER\n")
        return 2
    out = argv[1]
    os.makedirs(out, exist_ok=True)
    files = {
        "purgox.ico": icon_file(draw_icon()),
        "tree.bmp": bitmap_file(draw_tree_strip()),
        "delete.avi": avi_file([rle8(draw_clip_frame(i))
                                for i in range(CLIP_FRAMES)]),
    }
    for name, data in files.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
