#!/usr/bin/env python3
"""Builds the bitmaps and the icon that Deruveza embeds.

Run from the repository root:

    python3 assets/make_assets.py

Writes, next to this script:
    SaveNormal.bmp, SaveHover.bmp, SavePressed.bmp  - 160x40, 32 bpp, bottom-up BI_RGB
    Deruveza.ico                                    - 48/32/16 px, each as 8 bpp and 32 bpp

The output is byte-for-byte the same on every run: no timestamps, and the only
randomness comes from a PRNG with a fixed seed.  BMP and ICO bytes are packed by
hand with struct so the headers are exactly what the resource compiler and
LoadImage expect.
"""

import math
import os
import random
import struct
import sys

try:
    from PIL import Image, ImageDraw, ImageFilter, ImageFont
except ImportError:
    # A pyenv or venv python often lacks Pillow; the Debian one has python3-pil.
    if os.path.exists("/usr/bin/python3") and os.path.realpath(sys.executable) != os.path.realpath("/usr/bin/python3"):
        os.execv("/usr/bin/python3", ["/usr/bin/python3"] + sys.argv)
    raise

HERE = os.path.dirname(os.path.abspath(__file__))
FONT_PATH = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"

BUTTON_W, BUTTON_H = 160, 40
SS = 4  # supersampling factor for the shapes

# The window uses RGB(2,3,4) as its see-through colour key, and magenta is the
# classic "transparent" colour of old toolkits.  Neither may appear in a picture.
FORBIDDEN = {(255, 0, 255): (254, 1, 254), (2, 3, 4): (3, 3, 4)}


def clamp(v):
    return 0 if v < 0 else 255 if v > 255 else int(round(v))


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def smoothstep(e0, e1, x):
    if e1 == e0:
        return 1.0 if x >= e1 else 0.0
    t = (x - e0) / (e1 - e0)
    t = 0.0 if t < 0 else 1.0 if t > 1 else t
    return t * t * (3 - 2 * t)


def scrub_key_colours(img):
    """Replaces any pixel that equals a reserved colour by a near neighbour."""
    px = img.load()
    w, h = img.size
    for y in range(h):
        for x in range(w):
            p = px[x, y]
            rgb = p[:3]
            if rgb in FORBIDDEN:
                px[x, y] = FORBIDDEN[rgb] + tuple(p[3:])
    for y in range(h):
        for x in range(w):
            assert px[x, y][:3] not in FORBIDDEN, (x, y, px[x, y])


# ---------------------------------------------------------------------------
# BMP
# ---------------------------------------------------------------------------

def bmp32_bytes(img):
    """32 bpp BI_RGB bottom-up BMP, alpha forced to 255."""
    img = img.convert("RGB")
    w, h = img.size
    px = img.load()
    rows = []
    for y in range(h - 1, -1, -1):
        row = bytearray()
        for x in range(w):
            r, g, b = px[x, y]
            row += bytes((b, g, r, 255))
        rows.append(bytes(row))
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 32, 0, len(pixels), 2835, 2835, 0, 0)
    offset = 14 + len(info)
    head = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return head + info + pixels


# ---------------------------------------------------------------------------
# Save button
# ---------------------------------------------------------------------------

BUTTON_STATES = {
    # name: (background base colour, border colour, content offset)
    "SaveNormal": ((30, 40, 35), (58, 74, 64), 0),
    "SaveHover": ((44, 60, 52), (82, 104, 90), 0),
    "SavePressed": ((58, 78, 68), (100, 126, 110), 2),
}

TEXT = "保存文件"
TEXT_COLOUR = (250, 212, 64)
FONT_SIZE = 19


def draw_background(base):
    w, h = BUTTON_W * SS, BUTTON_H * SS
    img = Image.new("RGB", (w, h))
    rows = []
    for y in range(h):
        t = y / (h - 1)
        # a touch lighter at the top, darker at the bottom
        k = 1.14 - 0.28 * t
        rows.append(tuple(clamp(c * k) for c in base))
    data = []
    for y in range(h):
        data.extend([rows[y]] * w)
    img.putdata(data)
    return img


def draw_planet(img):
    """The arc of a blue planet peeking in at the right edge."""
    w, h = img.size
    cx, cy, r = 182.0 * SS, 24.0 * SS, 34.0 * SS
    glow = 4.0 * SS
    px = img.load()
    lx, ly = -0.80, -0.60  # light from the upper left
    deep, bright, rim = (12, 34, 96), (70, 150, 245), (150, 210, 255)
    x0 = int(cx - r - glow) - 1
    for y in range(h):
        for x in range(max(0, x0), w):
            dx, dy = (x + 0.5 - cx) / r, (y + 0.5 - cy) / r
            d = (dx * dx + dy * dy) ** 0.5
            if d <= 1.0:
                nz = (1.0 - d * d) ** 0.5
                lam = max(0.0, dx * lx + dy * ly) * 0.85 + nz * 0.15
                c = mix(deep, bright, lam ** 0.8)
                # faint cloud bands
                band = 0.5 + 0.5 * ((dy * 7.0 + dx * 2.0) % 2.0 - 1.0) ** 2
                c = mix(c, (200, 225, 255), 0.10 * band * lam)
                # bright limb on the lit side
                c = mix(c, rim, smoothstep(0.90, 1.0, d) * max(0.0, -dx) * 0.8)
                px[x, y] = tuple(clamp(v) for v in c)
            else:
                dist = (d - 1.0) * r
                if dist < glow:
                    a = (1.0 - dist / glow) ** 2 * 0.55 * max(0.25, -dx)
                    px[x, y] = tuple(clamp(v) for v in mix(px[x, y], rim, a))


def draw_emblem(img, off):
    """Round dark badge with a gold ring and a small star."""
    px = img.load()
    cx, cy, r = (20.0 + off) * SS, (20.0 + off) * SS, 15.0 * SS
    ring_w = 1.6 * SS
    x_lo, x_hi = int(cx - r - SS), int(cx + r + SS)
    y_lo, y_hi = int(cy - r - SS), int(cy + r + SS)
    for y in range(max(0, y_lo), min(img.size[1], y_hi)):
        for x in range(max(0, x_lo), min(img.size[0], x_hi)):
            dx, dy = x + 0.5 - cx, y + 0.5 - cy
            d = (dx * dx + dy * dy) ** 0.5
            if d > r:
                # soft drop shadow below right
                sd = ((dx - 1.2 * SS) ** 2 + (dy - 1.5 * SS) ** 2) ** 0.5
                if sd < r + 0.5 * SS:
                    px[x, y] = tuple(clamp(v * 0.72) for v in px[x, y])
                continue
            t = (dy / r + 1.0) / 2.0
            body = mix((40, 46, 44), (10, 13, 12), t)
            if d > r - ring_w:
                u = (d - (r - ring_w)) / ring_w
                ring = mix((250, 220, 110), (170, 130, 40), t)
                body = mix(ring, (120, 90, 30), u * 0.5)
            elif d > r - ring_w - 1.2 * SS:
                body = (6, 8, 8)
            px[x, y] = tuple(clamp(v) for v in body)

    # a four-pointed star in the middle of the badge
    d = ImageDraw.Draw(img)
    a, b = 8.0 * SS, 2.4 * SS
    star = [(cx, cy - a), (cx + b, cy - b), (cx + a, cy), (cx + b, cy + b),
            (cx, cy + a), (cx - b, cy + b), (cx - a, cy), (cx - b, cy - b)]
    d.polygon(star, fill=(236, 196, 70))
    a2, b2 = 4.0 * SS, 1.2 * SS
    inner = [(cx, cy - a2), (cx + b2, cy - b2), (cx + a2, cy), (cx + b2, cy + b2),
             (cx, cy + a2), (cx - b2, cy + b2), (cx - a2, cy), (cx - b2, cy - b2)]
    d.polygon(inner, fill=(255, 244, 190))


def make_button(name):
    base, border, off = BUTTON_STATES[name]
    big = draw_background(base)
    draw_planet(big)
    draw_emblem(big, off)
    img = big.resize((BUTTON_W, BUTTON_H), Image.BOX)

    d = ImageDraw.Draw(img)
    # 1-px frame with a slightly brighter top edge
    d.rectangle([0, 0, BUTTON_W - 1, BUTTON_H - 1], outline=border)
    hi = tuple(clamp(c * 1.25) for c in border)
    d.line([(1, 0), (BUTTON_W - 2, 0)], fill=hi)

    font = ImageFont.truetype(FONT_PATH, FONT_SIZE, index=0)
    tx, ty = 88 + off, 20 + off
    shadow = Image.new("L", img.size, 0)
    ImageDraw.Draw(shadow).text((tx + 1, ty + 1), TEXT, font=font, fill=255, anchor="mm")
    shadow = shadow.filter(ImageFilter.GaussianBlur(0.8))
    img.paste((0, 0, 0), (0, 0), shadow.point(lambda v: v * 3 // 4))
    d.text((tx, ty), TEXT, font=font, fill=TEXT_COLOUR, anchor="mm")

    scrub_key_colours(img)
    return img


# ---------------------------------------------------------------------------
# Icon
# ---------------------------------------------------------------------------

SCENE = 192
ICON_SIZES = (48, 32, 16)


def make_scene():
    """A little landscape snapshot: sky, sun, far and near hills, some grain."""
    n = SCENE
    rng = random.Random(20240517)
    img = Image.new("RGB", (n, n))
    px = img.load()
    sun_x, sun_y, sun_r = 0.64 * n, 0.40 * n, 0.085 * n

    def far_hill(x):
        return 0.55 * n - 0.07 * n * math.sin(x / n * 5.1 + 0.6) - 0.04 * n * math.sin(x / n * 11.3 + 2.0)

    def near_hill(x):
        return 0.66 * n - 0.09 * n * math.sin(x / n * 3.3 + 2.4) - 0.025 * n * math.sin(x / n * 13.0)

    for y in range(n):
        for x in range(n):
            t = y / n
            # sky: deep blue overhead fading to warm near the horizon
            if t < 0.55:
                c = mix((38, 92, 190), (120, 180, 240), t / 0.55)
                c = mix(c, (255, 196, 120), smoothstep(0.30, 0.60, t) * 0.55)
            else:
                c = (255, 200, 130)
            dx, dy = x - sun_x, y - sun_y
            ds = (dx * dx + dy * dy) ** 0.5
            glow = max(0.0, 1.0 - ds / (sun_r * 3.2)) ** 2
            c = mix(c, (255, 236, 170), glow * 0.8)
            if ds < sun_r:
                c = mix((255, 250, 220), (255, 226, 120), ds / sun_r)
            fh = far_hill(x)
            if y >= fh:
                depth = (y - fh) / (0.25 * n)
                c = mix((104, 128, 170), (70, 100, 120), min(1.0, depth))
            nh = near_hill(x)
            if y >= nh:
                depth = min(1.0, (y - nh) / (0.30 * n))
                c = mix((88, 168, 70), (30, 92, 36), depth)
                # sunlit crests
                c = mix(c, (170, 210, 90), max(0.0, 1.0 - (y - nh) / (0.03 * n)) * 0.6)
            g = (rng.random() - 0.5) * 14.0
            px[x, y] = tuple(clamp(v + g) for v in c)
    return img.filter(ImageFilter.GaussianBlur(0.6))


def diamond_alpha(n):
    """Coverage of the rhombus through the edge midpoints, 8x8 samples a pixel."""
    half = n / 2.0
    out = []
    sub = 8
    for y in range(n):
        row = []
        for x in range(n):
            hits = 0
            for sy in range(sub):
                for sx in range(sub):
                    px = x + (sx + 0.5) / sub
                    py = y + (sy + 0.5) / sub
                    if abs(px - half) + abs(py - half) <= half:
                        hits += 1
            row.append(clamp(255 * hits / (sub * sub)))
        out.append(row)
    return out


def and_mask_bytes(opaque, n):
    """1 bpp AND mask, bottom-up, rows padded to 32 bits; 1 = transparent."""
    stride = ((n + 31) // 32) * 4
    data = bytearray()
    for y in range(n - 1, -1, -1):
        row = bytearray(stride)
        for x in range(n):
            if not opaque[y][x]:
                row[x >> 3] |= 0x80 >> (x & 7)
        data += row
    return bytes(data)


def icon_entry_32(photo, alpha, n):
    px = photo.load()
    xor = bytearray()
    for y in range(n - 1, -1, -1):
        for x in range(n):
            a = alpha[y][x]
            if a == 0:
                xor += b"\0\0\0\0"
            else:
                r, g, b = px[x, y]
                xor += bytes((b, g, r, a))
    opaque = [[alpha[y][x] >= 128 for x in range(n)] for y in range(n)]
    mask = and_mask_bytes(opaque, n)
    info = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return info + bytes(xor) + mask


def icon_entry_8(photo, alpha, n):
    opaque = [[alpha[y][x] >= 128 for x in range(n)] for y in range(n)]
    # 255 colours from the picture, the last slot is black for the see-through pixels
    q = photo.quantize(colors=255, method=Image.MEDIANCUT, dither=Image.NONE)
    pal = q.getpalette()[: 255 * 3]
    pal += [0, 0, 0] * (256 - len(pal) // 3)
    transparent_index = 255
    qpx = q.load()
    palette = bytearray()
    for i in range(256):
        r, g, b = pal[3 * i: 3 * i + 3]
        assert (r, g, b) not in FORBIDDEN, (i, r, g, b)
        palette += bytes((b, g, r, 0))
    stride = (n + 3) & ~3
    xor = bytearray()
    for y in range(n - 1, -1, -1):
        row = bytearray(stride)
        for x in range(n):
            row[x] = qpx[x, y] if opaque[y][x] else transparent_index
        xor += row
    mask = and_mask_bytes(opaque, n)
    info = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 8, 0, len(xor) + len(mask), 0, 0, 256, 0)
    return info + bytes(palette) + bytes(xor) + mask


def make_icon():
    scene = make_scene()
    images = []  # (size, bit count, colour count, data)
    for n in ICON_SIZES:
        photo = scene.resize((n, n), Image.LANCZOS)
        if n <= 16:
            photo = photo.filter(ImageFilter.UnsharpMask(radius=1, percent=60, threshold=0))
        scrub_key_colours(photo)
        alpha = diamond_alpha(n)
        images.append((n, 8, 0, icon_entry_8(photo, alpha, n)))
        images.append((n, 32, 0, icon_entry_32(photo, alpha, n)))

    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for n, bits, colours, data in images:
        out += struct.pack("<BBBBHHII", n & 0xFF, n & 0xFF, colours, 0, 1, bits, len(data), offset)
        offset += len(data)
    for _, _, _, data in images:
        out += data
    return bytes(out)


def write(name, data):
    path = os.path.join(HERE, name)
    with open(path, "wb") as f:
        f.write(data)
    print("wrote %s (%d bytes)" % (os.path.relpath(path), len(data)))


def main():
    for name in BUTTON_STATES:
        write(name + ".bmp", bmp32_bytes(make_button(name)))
    write("Deruveza.ico", make_icon())


if __name__ == "__main__":
    main()
