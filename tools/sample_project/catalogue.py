"""Names and sizes of every asset in the sample project.

The image, audio and scene modules all read this one table, so a picture's pixel
size in the demo scene always matches the file that is drawn, and the scene only
refers to sounds that are synthesized.
"""

SCREEN_WIDTH = 816
SCREEN_HEIGHT = 624

# Pictures of "img/pictures": base name -> (width, height).
PICTURES = {
    "Meadow": (SCREEN_WIDTH, SCREEN_HEIGHT),
    "Cloud": (260, 120),
    "Lena": (200, 340),
    "Orin": (180, 360),
    "Bird": (72, 48),
    "Star": (128, 128),
    "Sunbeam": (420, 624),
    "Vignette": (SCREEN_WIDTH, SCREEN_HEIGHT),
    "Banner": (520, 140),
}

# Face sheets of "img/faces": eight 144 x 144 faces, four to a row.
FACE_SIZE = 144
FACE_COLUMNS = 4
FACE_ROWS = 2
FACE_SHEETS = ["People1"]

WINDOW_SKIN = "Window"
ICON_SET = "IconSet"
ICON_SIZE = 32
ICON_COLUMNS = 16
ICON_ROWS = 4

# The window skin's text colours: a 12-pixel cell per colour, eight to a row,
# four rows, starting at (96, 144). Colour 0 is the normal text colour.
TEXT_COLOR_ORIGIN = (96, 144)
TEXT_COLOR_CELL = 12
TEXT_COLORS = [
    (255, 255, 255), (32, 160, 224), (255, 120, 120), (102, 204, 64),
    (153, 204, 255), (204, 136, 255), (255, 255, 160), (128, 128, 128),
    (192, 192, 192), (32, 112, 204), (255, 56, 16), (0, 160, 16),
    (62, 154, 222), (160, 152, 255), (255, 204, 32), (0, 0, 0),
    (132, 170, 255), (255, 255, 64), (255, 32, 32), (32, 32, 64),
    (224, 128, 64), (240, 192, 64), (64, 64, 255), (64, 192, 240),
    (128, 255, 128), (192, 128, 128), (128, 128, 255), (255, 128, 255),
    (0, 170, 64), (0, 224, 96), (160, 96, 224), (192, 128, 255),
]

SAMPLE_RATE = 22050

# Sounds per channel folder: base name -> loop region in samples, (start,
# length), for the looping channels; None for the one-shot channels.
SOUNDS = {
    "bgm": {
        "Meadow_Theme": (2 * SAMPLE_RATE, 6 * SAMPLE_RATE),
        "Dusk_Theme": (0, 6 * SAMPLE_RATE),
    },
    "bgs": {
        "Wind": (SAMPLE_RATE // 2, 4 * SAMPLE_RATE),
        "Stream": (0, 4 * SAMPLE_RATE),
    },
    "me": {
        "Fanfare": None,
        "Lullaby": None,
    },
    "se": {
        "Chime": None,
        "Bell": None,
        "Whoosh": None,
        "Sparkle": None,
        "Thud": None,
    },
}

# Actors of the database: (name, face sheet, face index).
ACTORS = [
    ("Lena", "People1", 0),
    ("Orin", "People1", 1),
    ("Mabel", "People1", 2),
    ("Tobias", "People1", 3),
]

GAME_TITLE = "Meadow Morning"
CURRENCY_UNIT = "G"
PARTY_MEMBERS = [1, 2, 3]
