#!/usr/bin/python3
"""Draws the program's icons with ImageMagick; all art is made here, nothing is copied.

Each icon is drawn on a 128-pixel canvas and scaled down, which smooths its edges.
  components_fc/qml/Images  arrows (dark and "-white"), message box icons, toolbar database
  qml/Images                logos (with "@2x" copies), tool and event icons; dark-theme
                            variants carry "_bk"
Needs: imagemagick, fonts-mplus.
"""
import os
import subprocess

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
LIB = os.path.join(ROOT, "components_fc", "qml", "Images")
APP = os.path.join(ROOT, "qml", "Images")
FONT = "/usr/share/fonts/opentype/mplus/Mplus1-Black.otf"
FONT_JA = "/usr/share/fonts/opentype/mplus/Mplus1-Medium.otf"

LIGHT = {"fg": "#34495e"}  # strokes for the light themes
DARK = {"fg": "#dfe6ec"}   # strokes for the dark themes

# Accent colour of each shape, shared by both variants.
ACCENT = {
    "picture": "#3f9d5a", "message": "#3a78c2", "scroll": "#3a78c2", "fade": "#8a8f96",
    "screen": "#e0a020", "audio": "#c2410c", "audio_fade": "#c2410c", "preset": "#8e44ad",
    "comment": "#d03b3b", "stamp": "#8a8f96", "newlane": "#3f9d5a", "playback": "#2e9b43", "pause": "#34495e",
    "copytofc": "#3a78c2", "shrink": "#3a78c2", "expand": "#3a78c2", "undo": "#3a78c2",
    "redo": "#3a78c2", "database": "#e0a020",
}


def d(*items):
    """One -draw option per item."""
    out = []
    for item in items:
        out += ["-draw", item]
    return out


def shape(name, fg, ac):
    """ImageMagick options drawing `name` in the 128-pixel square."""
    s = {
        "picture": ["-fill", "none", "-stroke", fg] + d("rectangle 14,22 114,106")
        + ["-stroke", "none", "-fill", ac] + d("polygon 22,100 54,56 74,82 88,66 108,100")
        + ["-fill", "#f2b233"] + d("circle 88,44 88,34"),
        "message": ["-fill", "none", "-stroke", fg] + d("roundrectangle 12,16 116,86 16,16")
        + ["-fill", fg] + d("polygon 34,84 30,114 62,84")
        + ["-stroke", ac, "-strokewidth", "8"] + d("line 32,40 96,40", "line 32,62 80,62"),
        "scroll": ["-fill", "none", "-stroke", fg] + d("rectangle 20,12 84,116")
        + ["-stroke", ac, "-strokewidth", "8"] + d("line 34,36 70,36", "line 34,60 70,60", "line 34,84 70,84")
        + ["-stroke", "none", "-fill", ac] + d("polygon 92,56 108,28 124,56")
        + ["-fill", fg] + d("rectangle 103,56 113,106"),
        "fade": ["-fill", "none", "-stroke", fg] + d("rectangle 14,22 114,106")
        + ["-stroke", "none", "-fill", fg] + d("rectangle 72,22 114,106")
        + ["-fill", ac] + d("rectangle 44,22 72,106"),
        "screen": ["-fill", "none", "-stroke", fg] + d("rectangle 12,18 116,90", "line 64,90 64,110", "line 36,112 92,112")
        + ["-stroke", "none", "-fill", ac] + d("polygon 72,26 44,60 62,60 52,84 88,46 70,46 82,26"),
        "audio": ["-fill", fg, "-stroke", "none"] + d("ellipse 40,96 22,16 0,360", "ellipse 96,84 22,16 0,360",
                                                        "rectangle 52,22 62,96", "rectangle 108,10 118,84")
        + ["-fill", ac] + d("polygon 52,22 118,10 118,34 52,46"),
        "audio_fade": ["-fill", fg, "-stroke", "none"] + d("polygon 10,46 34,46 62,18 62,110 34,82 10,82")
        + ["-fill", ac] + d("polygon 74,30 122,64 74,98"),
        "preset": ["-fill", "none", "-stroke", fg] + d("rectangle 36,12 116,76", "rectangle 24,30 104,94")
        + ["-fill", ac] + d("rectangle 12,48 92,112"),
        "comment": ["-fill", "none", "-stroke", fg, "-strokewidth", "12"] + d("line 30,10 30,118")
        + ["-stroke", "none", "-fill", ac] + d("polygon 36,14 114,38 36,64"),
        "stamp": ["-fill", fg, "-stroke", "none"] + d("rectangle 52,12 76,64", "rectangle 20,64 108,92")
        + ["-fill", ac] + d("rectangle 14,100 114,116"),
        "newlane": ["-fill", fg, "-stroke", "none"] + d("rectangle 8,20 88,44", "rectangle 8,56 88,80")
        + ["-fill", ac] + d("rectangle 94,66 106,126", "rectangle 70,90 128,102"),
        "playback": ["-fill", ac, "-stroke", "none"] + d("polygon 30,14 114,64 30,114"),
        "pause": ["-fill", fg, "-stroke", "none"] + d("rectangle 28,16 54,112", "rectangle 74,16 100,112"),
        "copytofc": ["-fill", "none", "-stroke", fg] + d("rectangle 12,10 68,80", "rectangle 36,34 92,104")
        + ["-stroke", "none", "-fill", ac] + d("polygon 84,76 126,76 126,118"),
        "shrink": ["-fill", fg, "-stroke", "none"] + d("rectangle 58,10 70,118")
        + ["-fill", ac] + d("polygon 8,40 48,64 8,88", "polygon 120,40 80,64 120,88"),
        "expand": ["-fill", fg, "-stroke", "none"] + d("rectangle 58,10 70,118")
        + ["-fill", ac] + d("polygon 48,40 8,64 48,88", "polygon 80,40 120,64 80,88"),
        "undo": ["-fill", "none", "-stroke", ac, "-strokewidth", "14"] + d("path 'M 44,50 C 84,30 114,56 106,104'")
        + ["-stroke", "none", "-fill", ac] + d("polygon 10,54 56,20 62,80"),
        "redo": ["-fill", "none", "-stroke", ac, "-strokewidth", "14"] + d("path 'M 84,50 C 44,30 14,56 22,104'")
        + ["-stroke", "none", "-fill", ac] + d("polygon 118,54 72,20 66,80"),
        "database": ["-fill", ac, "-stroke", fg, "-strokewidth", "8"] + d("rectangle 22,30 106,98",
                                                                          "ellipse 64,98 42,14 0,180")
        + ["-fill", fg] + d("ellipse 64,30 42,14 0,360"),
        "warning": ["-fill", "#f5c518", "-stroke", "#8a6a00", "-strokewidth", "6"] + d("polygon 64,8 122,116 6,116")
        + ["-stroke", "none", "-fill", "#222222"] + d("rectangle 57,40 71,84", "circle 64,99 64,91"),
        "check": ["-fill", "#2e9b43", "-stroke", "none"] + d("circle 64,64 64,6")
        + ["-fill", "none", "-stroke", "#ffffff", "-strokewidth", "16"] + d("polyline 34,66 56,88 96,42"),
        "question": ["-fill", "#2f6fc0", "-stroke", "none"] + d("circle 64,64 64,6")
        + ["-fill", "#ffffff", "-font", FONT, "-pointsize", "100", "-gravity", "center",
           "-annotate", "+0+2", "?"],
        "arrow-left": ["-fill", fg, "-stroke", "none"] + d("polygon 88,16 32,64 88,112"),
        "arrow-right": ["-fill", fg, "-stroke", "none"] + d("polygon 40,16 96,64 40,112"),
        "arrow-up": ["-fill", fg, "-stroke", "none"] + d("polygon 16,88 64,32 112,88"),
        "arrow-down": ["-fill", fg, "-stroke", "none"] + d("polygon 16,40 64,96 112,40"),
    }
    return s[name]


def render(path, name, size, fg):
    ac = ACCENT.get(name, fg)
    cmd = ["convert", "-size", "128x128", "xc:none", "-strokewidth", "10"] + shape(name, fg, ac)
    cmd += ["-filter", "Lanczos", "-resize", f"{size}x{size}", "-define", "png:color-type=6", path]
    subprocess.run(cmd, check=True)


def logo(path, fg, japanese, scale=1):
    """The word mark shown at the bottom-left of the main window's top band; `scale` 2 draws
    the "@2x" copy for high-density screens."""
    def pts(*values):
        return ",".join(str(v * scale) for v in values)
    cmd = ["convert", "-size", f"{220 * scale}x{40 * scale}", "xc:none", "-font", FONT,
           "-pointsize", str(28 * scale), "-fill", fg,
           "-annotate", f"+{34 * scale}+{30 * scale}", "Vignetta", "-fill", "#e0a020", "-stroke", "none",
           "-draw", f"polygon {pts(4, 8)} {pts(26, 8)} {pts(15, 32)}", "-fill", "#3a78c2",
           "-draw", f"polygon {pts(10, 8)} {pts(20, 8)} {pts(15, 20)}"]
    if japanese:
        cmd += ["-font", FONT_JA, "-pointsize", str(12 * scale), "-fill", fg,
                "-annotate", f"+{160 * scale}+{30 * scale}", "ヴィネッタ"]
    cmd += ["-define", "png:color-type=6", path]
    subprocess.run(cmd, check=True)


def main():
    os.makedirs(LIB, exist_ok=True)
    os.makedirs(APP, exist_ok=True)
    for arrow in ("arrow-left", "arrow-right", "arrow-up", "arrow-down"):
        render(os.path.join(LIB, arrow + ".png"), arrow, 12, LIGHT["fg"])
        render(os.path.join(LIB, arrow + "-white.png"), arrow, 12, DARK["fg"])
    for box in ("warning", "check", "question"):
        render(os.path.join(LIB, box + ".png"), box, 32, LIGHT["fg"])
    render(os.path.join(LIB, "tools-database.png"), "database", 32, LIGHT["fg"])
    render(os.path.join(LIB, "tools-database_bk.png"), "database", 32, DARK["fg"])

    for scale, suffix in ((1, ""), (2, "@2x")):
        logo(os.path.join(APP, f"logo_black{suffix}.png"), "#1f2d3a", False, scale)
        logo(os.path.join(APP, f"logo_black_ja{suffix}.png"), "#1f2d3a", True, scale)
        logo(os.path.join(APP, f"logo{suffix}.png"), "#f0f4f8", False, scale)
        logo(os.path.join(APP, f"logo_ja{suffix}.png"), "#f0f4f8", True, scale)
    # Undo and redo use their accent only, readable on either theme.
    render(os.path.join(APP, "edit-undo.png"), "undo", 32, LIGHT["fg"])
    render(os.path.join(APP, "edit-redo.png"), "redo", 32, LIGHT["fg"])
    for tool in ("newlane", "playback", "pause", "copytofc", "shrink", "expand"):
        render(os.path.join(APP, f"tools_{tool}.png"), tool, 32, LIGHT["fg"])
        render(os.path.join(APP, f"tools_{tool}_bk.png"), tool, 32, DARK["fg"])
    # "stamp" marks blocks of the kind no command creates (they only come from files).
    for event in ("picture", "message", "fade", "audio", "audio_fade", "preset", "screen",
                  "comment", "scroll", "stamp"):
        render(os.path.join(APP, f"event_{event}.png"), event, 32, LIGHT["fg"])
        render(os.path.join(APP, f"event_{event}_bk.png"), event, 32, DARK["fg"])
        if event != "preset":
            render(os.path.join(APP, f"event_{event}_16.png"), event, 16, LIGHT["fg"])
            render(os.path.join(APP, f"event_{event}_bk_16.png"), event, 16, DARK["fg"])


if __name__ == "__main__":
    main()
