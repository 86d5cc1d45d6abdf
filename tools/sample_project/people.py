"""Drawn people: heads with hair styles and expressions, busts for the face
sheet and standing figures for the pictures. Everything is built from ellipses,
polygons and strokes on a `Canvas`."""

from canvas import shade

INK = (52, 36, 44, 255)
WHITE = (255, 255, 255, 255)

# The looks of the eight people of the face sheet; the first two are also
# drawn standing.
LOOKS = [
    {"skin": (255, 222, 196), "hair": (214, 120, 64), "eyes": (60, 140, 90),
     "clothes": (110, 170, 90), "style": "long", "accent": (250, 220, 90)},
    {"skin": (240, 204, 170), "hair": (70, 80, 120), "eyes": (70, 110, 200),
     "clothes": (70, 120, 190), "style": "spiky", "accent": (220, 80, 70)},
    {"skin": (250, 226, 210), "hair": (200, 200, 210), "eyes": (150, 90, 170),
     "clothes": (150, 100, 170), "style": "bun", "accent": (240, 240, 255)},
    {"skin": (200, 150, 110), "hair": (60, 40, 30), "eyes": (90, 60, 40),
     "clothes": (180, 120, 60), "style": "short", "accent": (240, 200, 120)},
    {"skin": (255, 230, 205), "hair": (250, 210, 90), "eyes": (60, 150, 210),
     "clothes": (230, 120, 150), "style": "bob", "accent": (255, 255, 255)},
    {"skin": (170, 120, 90), "hair": (30, 30, 40), "eyes": (60, 40, 30),
     "clothes": (90, 150, 140), "style": "long", "accent": (240, 180, 60)},
    {"skin": (245, 215, 185), "hair": (140, 60, 50), "eyes": (120, 80, 50),
     "clothes": (120, 120, 130), "style": "short", "accent": (200, 200, 210)},
    {"skin": (255, 236, 220), "hair": (120, 190, 120), "eyes": (220, 110, 60),
     "clothes": (240, 190, 80), "style": "bun", "accent": (110, 170, 230)},
]

EXPRESSIONS = ["smile", "open", "smile", "calm", "open", "calm", "smile",
               "wink"]


def _rgba(color, alpha=255):
    return tuple(color[:3]) + (alpha,)


def _hair_back(c, cx, cy, r, look):
    hair = _rgba(look["hair"])
    style = look["style"]
    if style == "long":
        c.polygon([(cx - r * 1.08, cy - r * 0.2), (cx + r * 1.08, cy - r * 0.2),
                   (cx + r * 1.15, cy + r * 1.6), (cx - r * 1.15, cy + r * 1.6)],
                  fill=hair, outline=INK, width=2)
        c.ellipse(cx, cy - r * 0.1, r * 1.1, r * 1.05, fill=hair, outline=INK,
                  width=2)
    elif style == "bob":
        c.ellipse(cx, cy + r * 0.1, r * 1.18, r * 1.1, fill=hair, outline=INK,
                  width=2)
    elif style == "bun":
        c.circle(cx, cy - r * 1.05, r * 0.42, fill=hair, outline=INK, width=2)
        c.ellipse(cx, cy - r * 0.05, r * 1.06, r * 1.02, fill=hair, outline=INK,
                  width=2)
    else:
        c.ellipse(cx, cy - r * 0.08, r * 1.06, r * 1.02, fill=hair, outline=INK,
                  width=2)


def _hair_front(c, cx, cy, r, look):
    hair = _rgba(look["hair"])
    light = _rgba(shade(look["hair"], 1.35))
    style = look["style"]
    if style == "spiky":
        points = [(cx - r * 1.05, cy - r * 0.05)]
        for i in range(7):
            a = -r * 1.0 + i * r * 0.33
            points.append((cx + a + r * 0.16, cy - r * (1.45 if i % 2 else 0.9)))
        points += [(cx + r * 1.05, cy - r * 0.05), (cx + r * 0.6, cy - r * 0.45),
                   (cx, cy - r * 0.35), (cx - r * 0.6, cy - r * 0.45)]
        c.polygon(points, fill=hair, outline=INK, width=2)
    else:
        # Bangs: a cap over the forehead with a few locks hanging down.
        c.chord(cx, cy - r * 0.05, r * 1.04, r * 1.0, 180, 360, fill=hair)
        for i in range(5):
            x = cx - r * 0.8 + i * r * 0.4
            c.polygon([(x - r * 0.26, cy - r * 0.3), (x + r * 0.26, cy - r * 0.3),
                       (x + r * 0.05, cy + r * 0.05 - (i % 2) * r * 0.15)],
                      fill=hair)
        c.arc(cx, cy - r * 0.05, r * 1.04, r * 1.0, 180, 360, fill=INK, width=2)
    # A sheen across the top of the hair.
    c.arc(cx - r * 0.1, cy - r * 0.2, r * 0.7, r * 0.6, 215, 275, fill=light,
          width=max(2, r * 0.08))
    if style == "long" or style == "bun":
        # A hair clip in the accent colour.
        c.circle(cx + r * 0.7, cy - r * 0.55, r * 0.13,
                 fill=_rgba(look["accent"]), outline=INK, width=1.5)


def _eyes(c, cx, cy, r, look, expression):
    for side in (-1, 1):
        ex, ey = cx + side * r * 0.38, cy + r * 0.12
        if expression == "wink" and side == 1:
            c.arc(ex, ey + r * 0.05, r * 0.16, r * 0.12, 200, 340, fill=INK,
                  width=max(2, r * 0.06))
            continue
        if expression == "calm":
            c.arc(ex, ey - r * 0.02, r * 0.16, r * 0.12, 20, 160, fill=INK,
                  width=max(2, r * 0.06))
            continue
        c.ellipse(ex, ey, r * 0.15, r * 0.21, fill=WHITE, outline=INK,
                  width=1.5)
        c.ellipse(ex, ey + r * 0.03, r * 0.11, r * 0.16,
                  fill=_rgba(look["eyes"]))
        c.ellipse(ex, ey + r * 0.05, r * 0.05, r * 0.08, fill=INK)
        c.circle(ex - r * 0.04, ey - r * 0.05, r * 0.045, fill=WHITE)
        # Eyebrow.
        c.arc(ex, ey - r * 0.22, r * 0.16, r * 0.08, 200, 340,
              fill=_rgba(shade(look["hair"], 0.6)), width=max(1.5, r * 0.045))


def _mouth(c, cx, cy, r, expression):
    my = cy + r * 0.52
    if expression == "open":
        c.chord(cx, my - r * 0.06, r * 0.17, r * 0.16, 0, 180,
                fill=(170, 60, 70, 255))
        c.arc(cx, my - r * 0.06, r * 0.17, r * 0.16, 0, 180, fill=INK,
              width=1.5)
        c.line([(cx - r * 0.17, my - r * 0.06), (cx + r * 0.17, my - r * 0.06)],
               fill=INK, width=1.5)
    elif expression == "calm":
        c.line([(cx - r * 0.1, my), (cx + r * 0.1, my)], fill=INK, width=1.5)
    else:
        c.arc(cx, my - r * 0.1, r * 0.16, r * 0.12, 20, 160, fill=INK,
              width=max(1.5, r * 0.05))


def draw_head(c, cx, cy, r, look, expression="smile"):
    """A head of radius r centred at (cx, cy), hair, face and expression."""
    skin = _rgba(look["skin"])
    _hair_back(c, cx, cy, r, look)
    # Ears, then the face.
    for side in (-1, 1):
        c.ellipse(cx + side * r * 0.93, cy + r * 0.15, r * 0.17, r * 0.22,
                  fill=skin, outline=INK, width=1.5)
    c.ellipse(cx, cy, r * 0.95, r * 0.92, fill=skin, outline=INK, width=2)
    _hair_front(c, cx, cy, r, look)
    _eyes(c, cx, cy, r, look, expression)
    for side in (-1, 1):
        c.ellipse(cx + side * r * 0.6, cy + r * 0.42, r * 0.14, r * 0.08,
                  fill=(255, 130, 130, 110))
    _mouth(c, cx, cy, r, expression)


def draw_bust(c, x, y, size, look, expression):
    """A face-sheet portrait filling the square cell at (x, y)."""
    cx = x + size / 2
    clothes = _rgba(look["clothes"])
    c.ellipse(cx, y + size * 1.02, size * 0.4, size * 0.3, fill=clothes,
              outline=INK, width=2)
    # Collar in the accent colour and the neck.
    c.polygon([(cx - size * 0.14, y + size * 0.74), (cx + size * 0.14,
              y + size * 0.74), (cx, y + size * 0.9)],
              fill=_rgba(look["accent"]), outline=INK, width=1.5)
    c.rect(cx - size * 0.07, y + size * 0.62, size * 0.14, size * 0.14,
           fill=_rgba(shade(look["skin"], 0.9)))
    draw_head(c, cx, y + size * 0.44, size * 0.28, look, expression)


def draw_figure(c, width, height, look, staff=False):
    """A standing person, head near the top, feet at the bottom edge."""
    cx = width / 2
    r = width * 0.24
    head_y = r * 1.55
    skin = _rgba(look["skin"])
    clothes = _rgba(look["clothes"])
    dark = _rgba(shade(look["clothes"], 0.7))
    shoe = (90, 60, 50, 255)
    waist = height * 0.6
    hem = height * 0.76
    # Legs and shoes.
    for side in (-1, 1):
        lx = cx + side * width * 0.1
        c.rect(lx - width * 0.05, hem - 4, width * 0.1, height * 0.93 - hem + 4,
               fill=skin, outline=INK, width=1.5)
        c.ellipse(lx + side * 3, height * 0.95, width * 0.09, height * 0.035,
                  fill=shoe, outline=INK, width=1.5)
    # Arms behind the body, hands at the sides.
    for side in (-1, 1):
        sx = cx + side * width * 0.2
        hx, hy = cx + side * width * 0.3, waist + height * 0.04
        c.line([(sx, head_y + r * 1.2), (hx, hy)], fill=INK, width=width * 0.1)
        c.line([(sx, head_y + r * 1.2), (hx, hy)], fill=clothes,
               width=width * 0.07)
        c.circle(hx, hy + 4, width * 0.045, fill=skin, outline=INK, width=1.5)
    if staff:
        hx = cx + width * 0.3
        c.line([(hx, height * 0.28), (hx, height * 0.9)], fill=INK, width=7)
        c.line([(hx, height * 0.28), (hx, height * 0.9)],
               fill=(150, 100, 60, 255), width=4.5)
        c.circle(hx, height * 0.27, 9, fill=_rgba(look["accent"]),
                 outline=INK, width=1.5)
        c.circle(hx, waist + height * 0.04 + 4, width * 0.045, fill=skin,
                 outline=INK, width=1.5)
    # Body: torso and skirt or tunic.
    top = head_y + r * 0.95
    c.polygon([(cx - width * 0.17, top), (cx + width * 0.17, top),
               (cx + width * 0.2, waist), (cx - width * 0.2, waist)],
              fill=clothes, outline=INK, width=2)
    c.polygon([(cx - width * 0.2, waist - 2), (cx + width * 0.2, waist - 2),
               (cx + width * 0.3, hem), (cx - width * 0.3, hem)],
              fill=dark, outline=INK, width=2)
    c.rect(cx - width * 0.2, waist - 8, width * 0.4, 10,
           fill=_rgba(look["accent"]), outline=INK, width=1.5)
    # Neck, then the head on top.
    c.rect(cx - r * 0.22, head_y + r * 0.7, r * 0.44, r * 0.4,
           fill=_rgba(shade(look["skin"], 0.9)))
    draw_head(c, cx, head_y, r, look, "smile")
