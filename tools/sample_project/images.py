"""The sample's images: pictures, the face sheet, the window skin and the icon
set, all drawn from shapes."""

import math
import os
import random

from PIL import Image

import catalogue
import people
from canvas import Canvas, mix, radial_alpha, save_png, shade

INK = people.INK


# ---------------------------------------------------------------- pictures

def _meadow(width, height):
    c = Canvas(width, height, scale=2, background=(0, 0, 0, 255))
    horizon = height * 0.55
    c.vertical_gradient(0, 0, width, horizon, (92, 160, 232, 255),
                        (236, 232, 204, 255))
    c.paste_alpha(_glow(width, height, width * 0.78, height * 0.2, 170,
                        (255, 244, 200), 200))
    c.circle(width * 0.78, height * 0.2, 34, fill=(255, 250, 224, 255))
    # Far mountains, then two rows of hills.
    c.polygon([(0, horizon), (90, horizon - 120), (200, horizon - 60),
               (320, horizon - 150), (450, horizon - 70), (560, horizon - 130),
               (700, horizon - 50), (width, horizon - 110), (width, horizon)],
              fill=(150, 170, 206, 255))
    c.ellipse(width * 0.25, horizon + 60, width * 0.55, 110,
              fill=(120, 186, 96, 255))
    c.ellipse(width * 0.8, horizon + 70, width * 0.5, 120,
              fill=(104, 172, 84, 255))
    # The near meadow: one wide rounded slope over the foot of the hills.
    c.rect(0, horizon + 160, width, height - horizon - 160,
           fill=(96, 164, 76, 255))
    c.ellipse(width / 2, horizon + 560, width * 0.95, 500,
              fill=(96, 164, 76, 255))
    # A path winding down to the viewer.
    c.polygon([(width * 0.47, horizon + 40), (width * 0.53, horizon + 40),
               (width * 0.7, height), (width * 0.3, height)],
              fill=(214, 190, 140, 255))
    # Trees on the hills.
    for tx, ty, size in ((110, horizon + 10, 1.0), (190, horizon + 30, 0.8),
                         (660, horizon + 20, 1.1), (740, horizon + 44, 0.7)):
        c.rect(tx - 6 * size, ty - 10 * size, 12 * size, 46 * size,
               fill=(120, 84, 56, 255))
        for dx, dy, r in ((0, -40, 30), (-20, -22, 22), (20, -22, 22)):
            c.circle(tx + dx * size, ty + dy * size, r * size,
                     fill=(60, 128, 70, 255), outline=(40, 96, 52, 255))
    # Flowers scattered over the grass, the same every run.
    rng = random.Random(2024)
    colors = [(255, 255, 255, 255), (255, 214, 80, 255), (240, 120, 160, 255),
              (170, 140, 240, 255)]
    for _ in range(160):
        x = rng.uniform(0, width)
        y = rng.uniform(horizon + 70, height)
        r = 1.5 + (y - horizon) / height * 4
        c.circle(x, y, r, fill=colors[rng.randrange(len(colors))])
    return c.finish()


def _glow(width, height, cx, cy, radius, color, alpha):
    """A soft round light of the given radius, placed on a full-size layer."""
    layer = Image.new("RGBA", (width, height))
    spot = radial_alpha(int(radius * 2), int(radius * 2), color + (alpha,),
                        power=2.0)
    layer.alpha_composite(spot, (int(cx - radius), int(cy - radius)))
    return layer


def _cloud(width, height):
    c = Canvas(width, height)
    puffs = [(0.22, 0.62, 0.2), (0.4, 0.45, 0.27), (0.62, 0.4, 0.3),
             (0.8, 0.6, 0.19), (0.5, 0.68, 0.24)]
    for px, py, pr in puffs:
        c.circle(width * px, height * py + 4, height * pr * 1.3,
                 fill=(180, 196, 220, 255))
    for px, py, pr in puffs:
        c.circle(width * px, height * py, height * pr * 1.3,
                 fill=(255, 255, 255, 255))
    return c.finish()


def _bird(width, height):
    c = Canvas(width, height)
    body = (70, 90, 140, 255)
    c.polygon([(width * 0.05, height * 0.55), (width * 0.25, height * 0.42),
               (width * 0.25, height * 0.68)], fill=shade(body, 0.8),
              outline=INK, width=1.5)
    c.ellipse(width * 0.48, height * 0.58, width * 0.28, height * 0.22,
              fill=body, outline=INK, width=1.5)
    c.circle(width * 0.76, height * 0.45, height * 0.17, fill=body,
             outline=INK, width=1.5)
    c.polygon([(width * 0.86, height * 0.4), (width * 0.98, height * 0.47),
               (width * 0.86, height * 0.52)], fill=(250, 190, 60, 255),
              outline=INK, width=1)
    c.circle(width * 0.79, height * 0.42, 2.2, fill=(255, 255, 255, 255))
    c.circle(width * 0.795, height * 0.42, 1.2, fill=INK)
    c.polygon([(width * 0.35, height * 0.5), (width * 0.62, height * 0.5),
               (width * 0.4, height * 0.04)], fill=shade(body, 1.3),
              outline=INK, width=1.5)
    return c.finish()


def _star_points(cx, cy, outer, inner, count=5, turn=-90):
    points = []
    for i in range(count * 2):
        r = outer if i % 2 == 0 else inner
        a = math.radians(turn + i * 180 / count)
        points.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return points


def _star(width, height):
    c = Canvas(width, height)
    c.paste_alpha(radial_alpha(width, height, (255, 240, 160, 200), power=2.2))
    cx, cy = width / 2, height / 2
    c.polygon(_star_points(cx, cy, width * 0.36, width * 0.15),
              fill=(255, 214, 64, 255), outline=(200, 130, 20, 255), width=2)
    c.polygon(_star_points(cx, cy - 2, width * 0.2, width * 0.09),
              fill=(255, 246, 190, 255))
    return c.finish()


def _sunbeam(width, height):
    """Warm rays falling from the upper right, brightest near the top."""
    c = Canvas(width, height, scale=2)
    for i, (x0, spread, alpha) in enumerate(((0.55, 0.18, 90), (0.75, 0.12, 70),
                                             (0.35, 0.1, 60), (0.9, 0.08, 80))):
        top = width * x0
        c.polygon([(top - 10, 0), (top + 10, 0),
                   (top - width * (0.25 - spread), height),
                   (top - width * (0.25 + spread), height)],
                  fill=(255, 236, 170, alpha))
    fade = Image.new("L", (1, 256))
    fade.putdata([255 - i for i in range(256)])
    image = c.finish()
    alpha = image.getchannel("A")
    ramp = fade.resize((width, height), Image.BILINEAR)
    image.putalpha(Image.composite(alpha, Image.new("L", (width, height)),
                                   ramp))
    return image


def _vignette(width, height):
    """Dark edges and a clear centre, for the multiply blend."""
    return radial_alpha(width, height, (48, 32, 80, 255), inner=0.55,
                        outer=1.35, power=1.6, invert=True)


def _banner(width, height):
    c = Canvas(width, height)
    gold, deep = (240, 196, 80, 255), (150, 40, 60, 255)
    for side in (-1, 1):
        x = width / 2 + side * width * 0.42
        c.polygon([(x - width * 0.08, height * 0.3), (x + width * 0.08,
                   height * 0.3), (x + side * width * 0.08, height * 0.95),
                   (x, height * 0.78), (x - side * width * 0.08, height * 0.95)],
                  fill=shade(deep, 0.75), outline=INK, width=2)
    c.rect(width * 0.1, height * 0.12, width * 0.8, height * 0.66, fill=deep,
           outline=INK, width=2, radius=14)
    c.rect(width * 0.12, height * 0.17, width * 0.76, height * 0.56,
           outline=gold, width=3, radius=10)
    c.circle(width / 2, height * 0.45, height * 0.2, fill=gold, outline=INK,
             width=2)
    c.polygon(_star_points(width / 2, height * 0.45, height * 0.15,
                           height * 0.065), fill=(255, 250, 230, 255))
    for i in range(1, 6):
        for side in (-1, 1):
            x = width / 2 + side * (height * 0.2 + i * width * 0.055)
            y = height * 0.45
            s = 9 - i
            c.polygon([(x, y - s), (x + s, y), (x, y + s), (x - s, y)],
                      fill=gold)
    return c.finish()


def _figure(name, look_index, staff):
    width, height = catalogue.PICTURES[name]
    c = Canvas(width, height)
    c.ellipse(width / 2, height * 0.965, width * 0.3, height * 0.025,
              fill=(0, 0, 0, 70))
    people.draw_figure(c, width, height, people.LOOKS[look_index], staff)
    return c.finish()


PICTURE_PAINTERS = {
    "Meadow": lambda w, h: _meadow(w, h),
    "Cloud": _cloud,
    "Lena": lambda w, h: _figure("Lena", 0, False),
    "Orin": lambda w, h: _figure("Orin", 1, True),
    "Bird": _bird,
    "Star": _star,
    "Sunbeam": _sunbeam,
    "Vignette": _vignette,
    "Banner": _banner,
}


def write_pictures(root):
    folder = os.path.join(root, "img", "pictures")
    os.makedirs(folder, exist_ok=True)
    for name, (width, height) in catalogue.PICTURES.items():
        image = PICTURE_PAINTERS[name](width, height)
        assert image.size == (width, height), name
        save_png(image, os.path.join(folder, name + ".png"))


# ------------------------------------------------------------------- faces

def write_faces(root):
    folder = os.path.join(root, "img", "faces")
    os.makedirs(folder, exist_ok=True)
    size = catalogue.FACE_SIZE
    for sheet in catalogue.FACE_SHEETS:
        image = Image.new("RGBA", (size * catalogue.FACE_COLUMNS,
                                   size * catalogue.FACE_ROWS))
        for index, look in enumerate(people.LOOKS):
            # Each portrait is drawn on its own cell, so that shoulders and
            # hair never reach into the neighbouring face.
            c = Canvas(size, size)
            people.draw_bust(c, 0, 0, size, look, people.EXPRESSIONS[index])
            image.paste(c.finish(), ((index % catalogue.FACE_COLUMNS) * size,
                                     (index // catalogue.FACE_COLUMNS) * size))
        save_png(image, os.path.join(folder, sheet + ".png"))


# ------------------------------------------------------------- window skin

def write_window_skin(root):
    """A 192 x 192 skin: the window background (top left), its overlay
    pattern (bottom left), the frame (top right), the cursor and the pause
    sign (middle right) and the text colours (bottom right)."""
    c = Canvas(192, 192)
    c.vertical_gradient(0, 0, 96, 96, (40, 52, 96, 236), (18, 22, 52, 236))
    # Frame: a light double border with rounded corners.
    c.rect(98, 2, 92, 92, outline=(236, 226, 196, 255), width=3, radius=10)
    c.rect(104, 8, 80, 80, outline=(150, 170, 220, 200), width=1.5, radius=6)
    for cx, cy in ((104, 8), (184, 8), (104, 88), (184, 88)):
        c.polygon([(cx, cy - 4), (cx + 4, cy), (cx, cy + 4), (cx - 4, cy)],
                  fill=(255, 230, 150, 255))
    # Scroll arrows inside the frame.
    c.polygon([(136, 22), (152, 22), (144, 14)], fill=(255, 255, 255, 230))
    c.polygon([(136, 74), (152, 74), (144, 82)], fill=(255, 255, 255, 230))
    # Cursor.
    c.rect(98, 98, 44, 44, fill=(255, 255, 255, 60),
           outline=(255, 255, 255, 200), width=2, radius=6)
    # Pause sign: four 24 x 24 animation frames of a bobbing triangle.
    for frame in range(4):
        x = 144 + (frame % 2) * 24
        y = 96 + (frame // 2) * 24
        bob = (0, 2, 4, 2)[frame]
        c.polygon([(x + 6, y + 7 + bob), (x + 18, y + 7 + bob),
                   (x + 12, y + 17 + bob)], fill=(255, 236, 160, 255),
                  outline=(120, 90, 40, 255), width=1)
    image = c.finish()
    # The overlay pattern of faint diagonal stripes, drawn on its own tile so
    # that no stroke reaches into the neighbouring parts.
    tile = Canvas(96, 96)
    for i in range(-96, 104, 8):
        tile.line([(i, 96), (i + 96, 0)], fill=(255, 255, 255, 26), width=2)
    image.paste(tile.finish(), (0, 96))
    # Text colours as solid cells, drawn without smoothing so that every
    # pixel of a cell is exactly its colour.
    ox, oy = catalogue.TEXT_COLOR_ORIGIN
    cell = catalogue.TEXT_COLOR_CELL
    for n, color in enumerate(catalogue.TEXT_COLORS):
        x, y = ox + (n % 8) * cell, oy + (n // 8) * cell
        image.paste(color + (255,), (x, y, x + cell, y + cell))
    folder = os.path.join(root, "img", "system")
    os.makedirs(folder, exist_ok=True)
    save_png(image, os.path.join(folder, catalogue.WINDOW_SKIN + ".png"))


# ---------------------------------------------------------------- icon set

ICON_COLORS = [(230, 70, 70), (250, 160, 50), (240, 220, 70), (90, 190, 80),
               (70, 190, 200), (70, 120, 230), (160, 100, 220), (240, 130, 190)]


def _icon_heart(c, x, y, color):
    c.circle(x + 11, y + 12, 7, fill=color, outline=INK, width=1.5)
    c.circle(x + 21, y + 12, 7, fill=color, outline=INK, width=1.5)
    c.polygon([(x + 4.5, y + 14), (x + 27.5, y + 14), (x + 16, y + 28)],
              fill=color, outline=INK, width=1.5)
    c.circle(x + 11, y + 12, 5.6, fill=color)
    c.circle(x + 21, y + 12, 5.6, fill=color)
    c.circle(x + 10, y + 10, 2, fill=(255, 255, 255, 200))


def _icon_star(c, x, y, color):
    c.polygon(_star_points(x + 16, y + 17, 13, 5.5), fill=color, outline=INK,
              width=1.5)


def _icon_drop(c, x, y, color):
    c.circle(x + 16, y + 20, 8, fill=color, outline=INK, width=1.5)
    c.polygon([(x + 9, y + 17), (x + 23, y + 17), (x + 16, y + 4)], fill=color,
              outline=INK, width=1.5)
    c.circle(x + 16, y + 20, 6.6, fill=color)
    c.circle(x + 13, y + 19, 2, fill=(255, 255, 255, 200))


def _icon_leaf(c, x, y, color):
    c.ellipse(x + 16, y + 15, 7, 12, fill=color, outline=INK, width=1.5)
    c.line([(x + 16, y + 6), (x + 16, y + 29)], fill=INK, width=1.5)


def _icon_moon(c, x, y, color):
    # A crescent: the outer arc one way round, the inner arc back.
    outer = [(x + 16 + 12 * math.cos(math.radians(a)),
              y + 16 + 12 * math.sin(math.radians(a))) for a in range(40, 321, 10)]
    inner = [(x + 21 + 9 * math.cos(math.radians(a)),
              y + 14 + 9 * math.sin(math.radians(a))) for a in range(290, 49, -10)]
    c.polygon(outer + inner, fill=color, outline=INK, width=1.5)


def _icon_note(c, x, y, color):
    c.ellipse(x + 11, y + 23, 5, 4, fill=color, outline=INK, width=1.5)
    c.line([(x + 15.5, y + 23), (x + 15.5, y + 6), (x + 24, y + 10)],
           fill=INK, width=2)


def _icon_sword(c, x, y, color):
    c.polygon([(x + 25, y + 4), (x + 28, y + 7), (x + 12, y + 23),
               (x + 9, y + 20)], fill=(220, 226, 240, 255), outline=INK,
              width=1.5)
    c.line([(x + 7, y + 17), (x + 15, y + 25)], fill=color, width=3.5)
    c.line([(x + 9, y + 23), (x + 5, y + 27)], fill=(120, 80, 50, 255), width=3)


def _icon_shield(c, x, y, color):
    c.polygon([(x + 6, y + 6), (x + 26, y + 6), (x + 26, y + 16),
               (x + 16, y + 28), (x + 6, y + 16)], fill=color, outline=INK,
              width=1.5)
    c.line([(x + 16, y + 9), (x + 16, y + 23)], fill=(255, 240, 180, 255),
           width=2)


def _icon_staff(c, x, y, color):
    c.line([(x + 8, y + 27), (x + 22, y + 9)], fill=(130, 90, 50, 255),
           width=3)
    c.circle(x + 23, y + 8, 5, fill=color, outline=INK, width=1.5)


def _icon_hat(c, x, y, color):
    c.ellipse(x + 16, y + 22, 13, 4, fill=color, outline=INK, width=1.5)
    c.chord(x + 16, y + 21, 8, 11, 180, 360, fill=color)
    c.arc(x + 16, y + 21, 8, 11, 180, 360, fill=INK, width=1.5)


def _icon_potion(c, x, y, color):
    c.circle(x + 16, y + 20, 9, fill=(240, 240, 250, 220), outline=INK,
             width=1.5)
    c.chord(x + 16, y + 20, 7.5, 7.5, 0, 180, fill=color)
    c.rect(x + 13, y + 5, 6, 7, fill=(240, 240, 250, 220), outline=INK,
           width=1.5)
    c.rect(x + 12, y + 3, 8, 3, fill=(150, 100, 60, 255))


def _icon_gem(c, x, y, color):
    c.polygon([(x + 9, y + 8), (x + 23, y + 8), (x + 28, y + 14),
               (x + 16, y + 28), (x + 4, y + 14)], fill=color, outline=INK,
              width=1.5)
    c.polygon([(x + 11, y + 10), (x + 17, y + 10), (x + 12, y + 16)],
              fill=(255, 255, 255, 150))


def _icon_key(c, x, y, color):
    c.circle(x + 10, y + 11, 6, outline=color, width=3)
    c.line([(x + 14, y + 15), (x + 26, y + 27)], fill=color, width=3)
    c.line([(x + 22, y + 23), (x + 18, y + 27)], fill=color, width=2.5)


def _icon_coin(c, x, y, color):
    c.circle(x + 16, y + 16, 11, fill=color, outline=INK, width=1.5)
    c.circle(x + 16, y + 16, 7.5, outline=shade(color, 0.75), width=1.5)
    c.circle(x + 12, y + 12, 2, fill=(255, 255, 255, 200))


def _icon_flower(c, x, y, color):
    for i in range(5):
        a = math.radians(i * 72 - 90)
        c.circle(x + 16 + 7 * math.cos(a), y + 16 + 7 * math.sin(a), 5,
                 fill=color, outline=INK, width=1)
    c.circle(x + 16, y + 16, 4, fill=(250, 220, 80, 255), outline=INK, width=1)


def _icon_letter(c, x, y, color):
    c.rect(x + 4, y + 8, 24, 17, fill=(250, 246, 230, 255), outline=INK,
           width=1.5)
    c.line([(x + 5, y + 9), (x + 16, y + 18), (x + 27, y + 9)], fill=INK,
           width=1.2)
    c.circle(x + 16, y + 18, 2.5, fill=color)


# Rows of the icon set: each entry is (painter, colour index); the first
# cell stays empty, as icon 0 means "no icon".
ICON_ROWS = [
    [None] + [(_icon_heart, 0), (_icon_star, 2), (_icon_drop, 5),
              (_icon_leaf, 3), (_icon_moon, 2), (_icon_note, 6),
              (_icon_heart, 7), (_icon_star, 4), (_icon_drop, 4),
              (_icon_leaf, 1), (_icon_moon, 6), (_icon_note, 0),
              (_icon_star, 7), (_icon_drop, 0), (_icon_leaf, 4)],
    [(painter, i % 8) for i, painter in enumerate(
        [_icon_sword, _icon_shield, _icon_staff, _icon_hat] * 4)],
    [(_icon_potion, i) for i in range(8)] + [(_icon_gem, i) for i in range(8)],
    [(_icon_key, 2), (_icon_coin, 2), (_icon_flower, 7), (_icon_letter, 0),
     (_icon_key, 4), (_icon_coin, 1), (_icon_flower, 6), (_icon_letter, 5),
     (_icon_key, 0), (_icon_coin, 4), (_icon_flower, 0), (_icon_letter, 3),
     (_icon_key, 6), (_icon_coin, 3), (_icon_flower, 2), (_icon_letter, 6)],
]


def write_icon_set(root):
    size = catalogue.ICON_SIZE
    assert len(ICON_ROWS) == catalogue.ICON_ROWS
    c = Canvas(size * catalogue.ICON_COLUMNS, size * catalogue.ICON_ROWS)
    for row, cells in enumerate(ICON_ROWS):
        assert len(cells) == catalogue.ICON_COLUMNS
        for column, cell in enumerate(cells):
            if cell is None:
                continue
            painter, color = cell
            painter(c, column * size, row * size,
                    tuple(ICON_COLORS[color]) + (255,))
    folder = os.path.join(root, "img", "system")
    os.makedirs(folder, exist_ok=True)
    save_png(c.finish(), os.path.join(folder, catalogue.ICON_SET + ".png"))
