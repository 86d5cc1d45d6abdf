#!/usr/bin/python3
"""Draws the application's own art from one description of the mark (a strip of film with a
play wedge on a rounded blue square):
  qml/Images/app.png, app_ja.png       the about box image, 160 px, with the word "Vignetta"
  qml/Images/app@2x.png, app_ja@2x.png the same at 320 px for high-density screens
  packaging/icons/hicolor/NxN/apps/    the application icon at 16 to 256 px (PNG)
  packaging/icons/hicolor/scalable/apps/ the same icon as SVG
The logo of the window's top band comes with the icon set (tools/make_icons.py).
Run from the repository root: /usr/bin/python3 tools/make_app_image.py
Needs Debian's python3-pil and fonts-mplus.
"""
from pathlib import Path

from PIL import Image, ImageDraw, ImageFont

APP_ID = "example.vignettaworks.Vignetta"
FONT = "/usr/share/fonts/opentype/mplus/Mplus1-ExtraBold.otf"
IMAGES = Path("qml/Images")
ICONS = Path("packaging/icons/hicolor")
ICON_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
UNITS = 160  # the mark is described on a 160-unit square

BACK = (36, 64, 112, 255)
FILM = (236, 242, 250, 255)
WEDGE = (240, 150, 60, 255)
# Below this size the sprocket holes blur into grey; the small icons leave them out.
HOLES_FROM = 32


def hexcolour(c):
    return "#%02x%02x%02x" % c[:3]


def mark(film_y, holes=True):
    """The shapes of the mark, back to front, in units: ("round", box, radius, colour),
    ("rect", box, colour) or ("poly", points, colour)."""
    x, size = 30, 100
    shapes = [("round", (4, 4, UNITS - 4, UNITS - 4), 28, BACK),
              ("round", (x, film_y, x + size, film_y + size), size // 6, FILM)]
    if holes:
        hole = size // 9
        for i in range(4):
            hy = film_y + size // 8 + i * (size * 3 // 4 - hole) // 3
            shapes.append(("rect", (x + hole // 2 + 1, hy, x + hole // 2 + hole, hy + hole), BACK))
            shapes.append(("rect", (x + size - hole // 2 - hole, hy, x + size - hole // 2 - 1,
                                    hy + hole), BACK))
    cx, cy, r = x + size // 2, film_y + size // 2, size // 4
    shapes.append(("poly", ((cx - r * 0.7, cy - r), (cx - r * 0.7, cy + r), (cx + r, cy)), WEDGE))
    return shapes


def draw(shapes, pixels, oversample=8):
    """Renders the shapes on a square of `pixels`, drawn larger and scaled down for smooth
    edges."""
    big = pixels * oversample
    k = big / UNITS
    image = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    d = ImageDraw.Draw(image)
    for shape in shapes:
        if shape[0] == "round":
            box = [round(v * k) for v in shape[1]]
            d.rounded_rectangle(box, radius=round(shape[2] * k), fill=shape[3])
        elif shape[0] == "rect":
            # The box's far edges are inclusive pixels in the unit grid.
            x0, y0, x1, y1 = shape[1]
            d.rectangle([round(x0 * k), round(y0 * k), round((x1 + 1) * k) - 1,
                         round((y1 + 1) * k) - 1], fill=shape[2])
        else:
            d.polygon([(px * k, py * k) for px, py in shape[1]], fill=shape[2])
    return image.resize((pixels, pixels), Image.LANCZOS), k / oversample


def svg(shapes):
    out = ['<?xml version="1.0" encoding="UTF-8"?>',
           f'<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" '
           f'viewBox="0 0 {UNITS} {UNITS}">']
    for shape in shapes:
        if shape[0] == "round":
            x0, y0, x1, y1 = shape[1]
            out.append(f'  <rect x="{x0}" y="{y0}" width="{x1 - x0}" height="{y1 - y0}" '
                       f'rx="{shape[2]}" fill="{hexcolour(shape[3])}"/>')
        elif shape[0] == "rect":
            x0, y0, x1, y1 = shape[1]
            out.append(f'  <rect x="{x0}" y="{y0}" width="{x1 - x0 + 1}" height="{y1 - y0 + 1}" '
                       f'fill="{hexcolour(shape[2])}"/>')
        else:
            points = " ".join(f"{px:g},{py:g}" for px, py in shape[1])
            out.append(f'  <polygon points="{points}" fill="{hexcolour(shape[2])}"/>')
    out.append("</svg>")
    return "\n".join(out) + "\n"


def app_image(path, pixels):
    """The about box image: the mark raised a little, the name below the film."""
    image, scale = draw(mark(24), pixels)
    font = ImageFont.truetype(FONT, round(20 * scale))
    ImageDraw.Draw(image).text((pixels // 2, pixels - round(18 * scale)), "Vignetta", font=font,
                               fill=FILM, anchor="mm")
    image.save(path)


def main():
    IMAGES.mkdir(parents=True, exist_ok=True)
    for suffix in ("", "_ja"):
        app_image(IMAGES / f"app{suffix}.png", UNITS)
        app_image(IMAGES / f"app{suffix}@2x.png", UNITS * 2)

    centred = (UNITS - 100) // 2
    for size in ICON_SIZES:
        folder = ICONS / f"{size}x{size}" / "apps"
        folder.mkdir(parents=True, exist_ok=True)
        draw(mark(centred, holes=size >= HOLES_FROM), size)[0].save(folder / f"{APP_ID}.png")
    folder = ICONS / "scalable" / "apps"
    folder.mkdir(parents=True, exist_ok=True)
    (folder / f"{APP_ID}.svg").write_text(svg(mark(centred)))


if __name__ == "__main__":
    main()
