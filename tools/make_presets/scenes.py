"""The presets themselves: categories of short scenes built block by block with
the sample project's scene builder. Every scene starts at frame 0; lanes count
from 1, so a preset lands on the selected lane and the ones below it."""

import art
import catalogue
from scene import SceneBuilder

# The builder reads picture sizes from the sample's catalogue; the presets draw
# their own pictures.
catalogue.PICTURES.update(art.PICTURES)

W, H = art.SCREEN
FIGURE_Y = H - 340 - 40

# Picture numbers, one per picture, high enough to stay clear of the numbers a
# scene of the user's own usually takes first.
NUMBER = {"Preset_DreamHaze": 41, "Preset_SepiaFrame": 42, "Preset_Bolt": 43,
          "Preset_Exclaim": 44, "Preset_Traveler": 45, "Preset_Guide": 46,
          "Preset_Black": 47, "Preset_TitleBand": 48}

WHITE = (255, 255, 255, 255)


def picture(s, lane, start, delay, name, at, to=None, **fields):
    return s.picture(lane, start, delay, name, NUMBER[name], at,
                     at if to is None else to, **fields)


# ----------------------------------------------------------- transitions

def fade_in():
    s = SceneBuilder()
    s.fade(1, 0, fade_in=True)
    return s


def fade_out():
    s = SceneBuilder()
    s.fade(1, 0, fade_in=False)
    return s


def scene_change():
    s = SceneBuilder()
    s.fade(1, 0, fade_in=False)
    s.fade(1, 60, fade_in=True)
    return s


def white_flash():
    s = SceneBuilder()
    s.screen(1, 0, 45, flash=WHITE)
    s.sound(2, 0, "se", "Preset_Whoosh", volume=80)
    return s


def dream_haze():
    s = SceneBuilder()
    picture(s, 1, 0, 90, "Preset_DreamHaze", (0, 0), opacity=(0, 230), blend=3)
    picture(s, 1, 90, 180, "Preset_DreamHaze", (0, 0), opacity=(230, 230),
            blend=3)
    picture(s, 1, 270, 60, "Preset_DreamHaze", (0, 0), opacity=(230, 0), blend=3)
    s.sound(2, 0, "se", "Preset_Shimmer", volume=80)
    return s


def flashback():
    s = SceneBuilder()
    s.marker(0, "Flashback: the past begins")
    s.marker(270, "Back to the present")
    s.screen(1, 0, 30, flash=WHITE)
    s.screen(1, 270, 30, flash=WHITE)
    s.sound(2, 0, "se", "Preset_Whoosh", volume=80)
    s.sound(2, 270, "se", "Preset_Whoosh", volume=80, pitch=80)
    picture(s, 3, 0, 30, "Preset_SepiaFrame", (0, 0), opacity=(0, 255))
    picture(s, 3, 30, 240, "Preset_SepiaFrame", (0, 0))
    picture(s, 3, 270, 30, "Preset_SepiaFrame", (0, 0), opacity=(255, 0))
    return s


# ----------------------------------------------------------------- impact

def impact():
    s = SceneBuilder()
    s.screen(1, 0, 40, flash=WHITE, shake=(7, 9))
    s.sound(2, 0, "se", "Preset_Impact", volume=100)
    return s


def earthquake():
    s = SceneBuilder()
    s.screen(1, 0, 240, shake=(4, 4))
    s.sound(2, 0, "bgs", "Preset_Rumble", volume=90)
    s.sound_fade(3, 180, 60, "bgs")
    return s


def lightning():
    s = SceneBuilder()
    s.screen(1, 0, 12, flash=(220, 230, 255, 255))
    s.screen(1, 20, 24, flash=(220, 230, 255, 200))
    picture(s, 2, 0, 24, "Preset_Bolt", (430, 0), opacity=(255, 0), blend=1)
    s.sound(3, 0, "se", "Preset_Thunder", volume=100)
    return s


def surprise():
    s = SceneBuilder()
    at = (W // 2, 180)
    picture(s, 1, 0, 8, "Preset_Exclaim", at, origin=1, start_scale=(20, 20),
            end_scale=(120, 120))
    picture(s, 1, 8, 6, "Preset_Exclaim", at, origin=1, start_scale=(120, 120))
    picture(s, 1, 14, 40, "Preset_Exclaim", at, origin=1)
    picture(s, 1, 54, 10, "Preset_Exclaim", at, origin=1, opacity=(255, 0))
    s.sound(2, 0, "se", "Preset_Pop", volume=90)
    return s


# -------------------------------------------------------------- characters

def walk_in():
    s = SceneBuilder()
    picture(s, 1, 0, 150, "Preset_Traveler", (-180, FIGURE_Y), (200, FIGURE_Y))
    picture(s, 1, 150, 120, "Preset_Traveler", (200, FIGURE_Y))
    return s


def walk_out():
    s = SceneBuilder()
    picture(s, 1, 0, 150, "Preset_Traveler", (200, FIGURE_Y), (W, FIGURE_Y))
    return s


def dialogue():
    s = SceneBuilder()
    s.marker(0, "Dialogue: change the names, faces and lines")
    left, right = (120, FIGURE_Y), (W - 120 - 180, FIGURE_Y)
    picture(s, 1, 0, 30, "Preset_Traveler", left, opacity=(0, 255))
    picture(s, 1, 30, 120, "Preset_Traveler", left)
    picture(s, 2, 0, 30, "Preset_Guide", right, opacity=(0, 255))
    picture(s, 2, 30, 120, "Preset_Guide", right)
    face = art.FACE_SHEET
    s.message(3, 30, ["\\C[6]Traveler\\C[0]:",
                      "The road ends here. Which way now?"], face=(face, 0))
    s.message(3, 60, ["\\C[6]Guide\\C[0]:",
                      "North, over the pass. Stay close to me."], face=(face, 1))
    s.message(3, 90, ["\\C[6]Traveler\\C[0]:",
                      "Over the pass?\\. In this weather?"], face=(face, 2))
    s.message(3, 120, ["\\C[6]Guide\\C[0]:",
                       "We have no other choice."], face=(face, 5))
    return s


def narration():
    s = SceneBuilder()
    picture(s, 1, 0, 30, "Preset_Black", (0, 0), opacity=(0, 150))
    picture(s, 1, 30, 90, "Preset_Black", (0, 0), opacity=(150, 150))
    picture(s, 1, 120, 30, "Preset_Black", (0, 0), opacity=(150, 0))
    s.message(2, 30, ["Long ago, before the roads were built,",
                      "the valley belonged to the wind."],
              background=2, position=1)
    return s


# ---------------------------------------------------------- titles, sound

def title_card():
    s = SceneBuilder()
    band = (0, (H - 180) // 2)
    picture(s, 1, 0, 40, "Preset_TitleBand", band, opacity=(0, 255))
    picture(s, 1, 40, 200, "Preset_TitleBand", band)
    picture(s, 1, 240, 40, "Preset_TitleBand", band, opacity=(255, 0))
    s.message(2, 40, ["", "\\{        Chapter One\\}",
                      "            The Journey Begins"],
              background=2, position=1)
    s.sound(3, 0, "bgm", "Preset_Overture", volume=90)
    return s


def credits():
    s = SceneBuilder()
    s.marker(60, "Credits: write your own names")
    s.fade(1, 0, fade_in=False)
    s.fade(1, 40, fade_in=True)
    picture(s, 2, 24, 700, "Preset_Black", (0, 0))
    s.scroll(3, 60, ["\\C[14]Thank You for Playing\\C[0]", "",
                     "Story and Design", "    Your Name", "",
                     "Pictures", "    Your Name", "",
                     "Music and Sound", "    Your Name", "",
                     "Testing", "    Your Friends", "", "", "The End"],
             speed=3)
    s.sound(4, 24, "bgm", "Preset_Overture", volume=80)
    s.sound_fade(5, 600, 120, "bgm")
    return s


def sound_cue():
    s = SceneBuilder()
    s.sound_fade(1, 0, 90, "bgm")
    s.sound(2, 90, "me", "Preset_Sting", volume=90)
    return s


# Categories in the order of the selector, each with its presets.
CATEGORIES = [
    ("Screen Transitions", [
        ("Fade In from Black", fade_in),
        ("Fade Out to Black", fade_out),
        ("Fade Out and In (Scene Change)", scene_change),
        ("White Flash Transition", white_flash),
        ("Dream Haze", dream_haze),
        ("Flashback in Sepia", flashback),
    ]),
    ("Action and Impact", [
        ("Impact: Shake with White Flash", impact),
        ("Earthquake Rumble", earthquake),
        ("Lightning Strike", lightning),
        ("Surprise Balloon", surprise),
    ]),
    ("Characters", [
        ("Walk In from the Left and Stop", walk_in),
        ("Walk Out to the Right", walk_out),
        ("Two-Person Dialogue with Faces", dialogue),
        ("Narration over a Dim Screen", narration),
    ]),
    ("Titles and Sound", [
        ("Title Card over Music", title_card),
        ("Scrolling Credits Roll", credits),
        ("Sound Cue after a BGM Fade-Out", sound_cue),
    ]),
]


def collection():
    """The collection file's content: categories of named block lists."""
    return [{"name": name,
             "presets": [{"name": title, "data": build().blocks()}
                         for title, build in presets]}
            for name, presets in CATEGORIES]
