#!/usr/bin/python3
"""Writes the small project folder the property-panel tests list and show: pictures whose
names exercise the asset list (numbered series, prefixes, a capitalised suffix, spaces, '#',
'%', non-ASCII letters), a face sheet whose eight cells have distinct colours, and sound
files (their content does not matter: the tests only list them).

Run with Debian's Python (it needs Pillow): /usr/bin/python3 generate.py
"""
import os

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))


def picture(path, size, colour):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    Image.new("RGBA", size, colour).save(path)


def main():
    pictures = os.path.join(HERE, "img", "pictures")
    picture(os.path.join(pictures, "Door2.png"), (40, 30), (200, 40, 40, 255))
    picture(os.path.join(pictures, "Door10.png"), (64, 48), (40, 200, 40, 255))
    picture(os.path.join(pictures, "!Door2.png"), (20, 20), (40, 40, 200, 255))
    picture(os.path.join(pictures, "$Lamp.png"), (16, 32), (240, 220, 40, 255))
    picture(os.path.join(pictures, "bell.PNG"), (24, 24), (120, 120, 120, 255))
    picture(os.path.join(pictures, "a b#c%.png"), (30, 10), (0, 160, 160, 255))
    picture(os.path.join(pictures, "\u00c9lan.png"), (10, 30), (160, 0, 160, 255))

    # A face sheet: 4 x 2 cells of 144 pixels, each one colour (cell i has red 20 + 20 i).
    sheet = Image.new("RGBA", (576, 288), (0, 0, 0, 0))
    for i in range(8):
        cell = Image.new("RGBA", (144, 144), (20 + 20 * i, 100, 200 - 20 * i, 255))
        sheet.paste(cell, ((i % 4) * 144, (i // 4) * 144))
    faces = os.path.join(HERE, "img", "faces")
    os.makedirs(faces, exist_ok=True)
    sheet.save(os.path.join(faces, "Face Sheet.png"))

    for channel, names in (("se", ["Bell.ogg", "Chime.OGG", "Thud.m4a"]),
                           ("bgm", ["Theme.ogg", "Theme2.ogg"])):
        folder = os.path.join(HERE, "audio", channel)
        os.makedirs(folder, exist_ok=True)
        for name in names:
            with open(os.path.join(folder, name), "wb") as f:
                f.write(b"OggS")


if __name__ == "__main__":
    main()
