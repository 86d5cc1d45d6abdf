#!/usr/bin/python3
"""Draws the timeline's cursor head and marker flags with ImageMagick into qml/Timeline/Images.

Each image is drawn 8 times larger and scaled down, which smooths its edges. All art is made
here. Widths are odd so that an image centred on a pixel column puts its tip on that column.
  cursor.png          the play cursor's head in the ruler (green)
  marker.png          a marker flag (magenta)
  marker_checked.png  the selected marker's flag (white with a magenta rim)
Needs: imagemagick.
"""
import os
import subprocess

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "qml", "Timeline", "Images")
S = 8  # drawing scale


def pentagon(w, h, body):
    """A tag pointing down: a w x body box above a point at the bottom centre (pixels)."""
    pts = [(0.5, 0.5), (w - 0.5, 0.5), (w - 0.5, body), (w / 2, h - 0.5), (0.5, body)]
    return " ".join("%g,%g" % (x * S, y * S) for x, y in pts)


def draw(name, w, h, body, fill, stroke):
    subprocess.run(
        ["convert", "-size", "%dx%d" % (w * S, h * S), "xc:none",
         "-fill", fill, "-stroke", stroke, "-strokewidth", str(S),
         "-draw", "polygon " + pentagon(w, h, body),
         "-resize", "%dx%d" % (w, h), "-strip", "PNG32:" + os.path.join(OUT, name)],
        check=True)


def main():
    os.makedirs(OUT, exist_ok=True)
    draw("cursor.png", 11, 14, 8, "#00ff00", "#006400")
    draw("marker.png", 9, 12, 7, "#ff00ff", "#7a007a")
    draw("marker_checked.png", 9, 12, 7, "#ffffff", "#ff00ff")


if __name__ == "__main__":
    main()
