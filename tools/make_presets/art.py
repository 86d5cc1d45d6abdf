"""Pictures and the face sheet of the built-in presets, drawn from shapes with
the sample project's drawing surface and people."""

import os
import random

from PIL import Image, ImageFilter

import people
from canvas import Canvas, mix, radial_alpha, save_png, shade

INK = people.INK
SCREEN = (816, 624)

# Base name -> (width, height); the scenes read the sizes from here.
PICTURES = {
    "Preset_Traveler": (180, 340),
    "Preset_Guide": (180, 340),
    "Preset_DreamHaze": SCREEN,
    "Preset_SepiaFrame": SCREEN,
    "Preset_Exclaim": (96, 112),
    "Preset_Bolt": (180, 520),
    "Preset_TitleBand": (816, 180),
    "Preset_Black": SCREEN,
}

FACE_SHEET = "Preset_Faces"
FACE_SIZE = 144

# Two travellers of the presets (looks in the style of people.LOOKS).
TRAVELER = {"skin": (246, 214, 184), "hair": (96, 64, 44), "eyes": (70, 120, 90),
            "clothes": (170, 90, 60), "style": "short", "accent": (230, 200, 120)}
GUIDE = {"skin": (255, 228, 210), "hair": (60, 90, 150), "eyes": (90, 70, 160),
         "clothes": (90, 130, 110), "style": "long", "accent": (250, 240, 200)}
FACE_LOOKS = [TRAVELER, GUIDE, TRAVELER, GUIDE, TRAVELER, GUIDE, TRAVELER, GUIDE]
FACE_EXPRESSIONS = ["smile", "smile", "open", "open", "calm", "calm", "wink",
                    "smile"]


def _figure(look, staff):
    width, height = 180, 340
    c = Canvas(width, height)
    c.ellipse(width / 2, height * 0.965, width * 0.3, height * 0.025,
              fill=(0, 0, 0, 70))
    people.draw_figure(c, width, height, look, staff)
    return c.finish()


def _dream_haze(width, height):
    """A soft glow that closes in from the edges, lilac at the rim."""
    rim = radial_alpha(width // 4, height // 4, (236, 224, 255, 255), inner=0.45,
                       outer=1.3, power=1.4, invert=True)
    return rim.resize((width, height), Image.BICUBIC)


def _sepia_frame(width, height):
    """An old-photograph look: a sepia wash over everything, darker edges."""
    small = radial_alpha(width // 4, height // 4, (92, 56, 22, 255), inner=0.5,
                         outer=1.4, power=1.5, invert=True)
    wash = Image.new("RGBA", small.size, (170, 120, 60, 110))
    wash.alpha_composite(small)
    return wash.resize((width, height), Image.BICUBIC)


def _exclaim(width, height):
    c = Canvas(width, height)
    c.rect(4, 4, width - 8, height - 30, fill=(255, 255, 255, 255), outline=INK,
           width=3, radius=22)
    c.polygon([(width * 0.38, height - 28), (width * 0.62, height - 28),
               (width * 0.45, height - 4)], fill=(255, 255, 255, 255),
              outline=INK, width=3)
    c.rect(width * 0.38, height - 34, width * 0.24, 8, fill=(255, 255, 255, 255))
    c.polygon([(width * 0.42, 16), (width * 0.58, 16), (width * 0.54, 58),
               (width * 0.46, 58)], fill=(214, 48, 48, 255), outline=INK,
              width=2)
    c.circle(width / 2, 70, 7, fill=(214, 48, 48, 255), outline=INK, width=2)
    return c.finish()


def _bolt(width, height):
    rng = random.Random(7)
    points, x = [], width * 0.55
    for i in range(9):
        y = height * i / 8
        points.append((x, y))
        x = max(width * 0.2, min(width * 0.8, x + rng.uniform(-40, 40)))
    glow = Image.new("RGBA", (width, height))
    c = Canvas(width, height)
    c.line(points, fill=(170, 200, 255, 150), width=26)
    glow.alpha_composite(c.finish().filter(ImageFilter.GaussianBlur(10)))
    c = Canvas(width, height)
    c.line(points, fill=(210, 225, 255, 255), width=9)
    c.line(points, fill=(255, 255, 255, 255), width=4)
    for i in (3, 6):
        fork = [points[i], (points[i][0] + 50 * (1 if i == 3 else -1),
                            points[i][1] + 70)]
        c.line(fork, fill=(230, 238, 255, 255), width=3)
    glow.alpha_composite(c.finish())
    return glow


def _title_band(width, height):
    """A dark translucent band with gold rules, behind a title line."""
    c = Canvas(width, height, scale=2)
    c.vertical_gradient(0, 0, width, height, (16, 14, 34, 150), (16, 14, 34, 210))
    gold = (232, 196, 104, 255)
    for y in (10, height - 14):
        c.rect(40, y, width - 80, 4, fill=gold)
        for x in (40, width - 40):
            c.polygon([(x, y - 8), (x + 10, y + 2), (x, y + 12), (x - 10, y + 2)],
                      fill=gold, outline=shade(gold, 0.6), width=1)
    return c.finish()


def _black(width, height):
    return Image.new("RGBA", (width, height), (0, 0, 0, 255))


PAINTERS = {
    "Preset_Traveler": lambda w, h: _figure(TRAVELER, False),
    "Preset_Guide": lambda w, h: _figure(GUIDE, True),
    "Preset_DreamHaze": _dream_haze,
    "Preset_SepiaFrame": _sepia_frame,
    "Preset_Exclaim": _exclaim,
    "Preset_Bolt": _bolt,
    "Preset_TitleBand": _title_band,
    "Preset_Black": _black,
}


def write_pictures(root):
    folder = os.path.join(root, "img", "pictures")
    os.makedirs(folder, exist_ok=True)
    for name, (width, height) in PICTURES.items():
        image = PAINTERS[name](width, height)
        assert image.size == (width, height), name
        save_png(image, os.path.join(folder, name + ".png"))


def write_faces(root):
    folder = os.path.join(root, "img", "faces")
    os.makedirs(folder, exist_ok=True)
    size = FACE_SIZE
    sheet = Image.new("RGBA", (size * 4, size * 2))
    for index, look in enumerate(FACE_LOOKS):
        c = Canvas(size, size)
        c.rect(0, 0, size, size, fill=mix((60, 70, 110, 255), (200, 170, 120, 255),
                                          (index % 2) * 0.5))
        people.draw_bust(c, 0, 0, size, look, FACE_EXPRESSIONS[index])
        sheet.paste(c.finish(), ((index % 4) * size, (index // 4) * size))
    save_png(sheet, os.path.join(folder, FACE_SHEET + ".png"))
