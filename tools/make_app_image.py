#!/usr/bin/python3
"""Draws the application image of the about box: qml/Images/app.png and app_ja.png (the same
art). The logo of the window's top band comes with the icon set (tools/make_icons.py).
Run from the repository root: /usr/bin/python3 tools/make_app_image.py
Needs Debian's python3-pil and fonts-mplus.
"""
from pathlib import Path

from PIL import Image, ImageDraw, ImageFont

FONT = "/usr/share/fonts/opentype/mplus/Mplus1-ExtraBold.otf"
OUT = Path("qml/Images")


def film_frame(draw, x, y, size, ink, accent):
    """A small strip of film: a rounded frame with sprocket holes and a play wedge."""
    draw.rounded_rectangle([x, y, x + size, y + size], radius=size // 6, fill=ink)
    hole = max(2, size // 9)
    for i in range(4):
        hy = y + size // 8 + i * (size * 3 // 4 - hole) // 3
        draw.rectangle([x + hole // 2 + 1, hy, x + hole // 2 + hole, hy + hole], fill=(0, 0, 0, 0))
        draw.rectangle([x + size - hole // 2 - hole, hy, x + size - hole // 2 - 1, hy + hole],
                       fill=(0, 0, 0, 0))
    cx, cy, r = x + size // 2, y + size // 2, size // 4
    draw.polygon([(cx - r * 0.7, cy - r), (cx - r * 0.7, cy + r), (cx + r, cy)], fill=accent)


def app_image(path):
    size = 160
    image = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    draw.rounded_rectangle([4, 4, size - 4, size - 4], radius=28, fill=(36, 64, 112, 255))
    film_frame(draw, 30, 24, 100, (236, 242, 250, 255), (240, 150, 60, 255))
    font = ImageFont.truetype(FONT, 20)
    draw.text((size // 2, size - 18), "Vignetta", font=font, fill=(236, 242, 250, 255),
              anchor="mm")
    image.save(path)


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    for suffix in ("", "_ja"):
        app_image(OUT / f"app{suffix}.png")


if __name__ == "__main__":
    main()
