"""The demo scene: an event JSON file that uses every block kind a user can
insert, over the sample's pictures, faces and sounds.

Blocks are built the way the editor builds them (every field present, in the
editor's key order, with its defaults), placed on lanes without overlaps, given
ids the way an insertion gives them (markers first, then lane by lane) and
written in the editor's file order: by start frame, then by lane.
"""

import copy
import os

import catalogue
from jsontext import compact_json

MODE_PICTURE = 0
MODE_MESSAGE = 1
MODE_FADE = 2
MODE_SOUND = 3
MODE_SCREEN = 4
MODE_COMMENT = 5
MODE_SCROLL = 7
MODE_SOUND_FADE = 8

# Length of a new block of each kind, in frames.
DEFAULT_DELAY = {
    MODE_PICTURE: 60, MODE_MESSAGE: 16, MODE_FADE: 24, MODE_SOUND: 16,
    MODE_SCREEN: 60, MODE_COMMENT: 1, MODE_SCROLL: 16, MODE_SOUND_FADE: 60,
}

MAX_DURATION = 10000


def empty_event_data():
    """Every field of a block with its default, in the editor's key order."""
    return {
        "blockStart": 0,
        "blockDelay": 60,
        "blockMode": 0,
        "imageName": "",
        "imageIndex": 0,
        "origin": 0,
        "startPosition": {"x": 0, "y": 0},
        "endPosition": {"x": 0, "y": 0},
        "width": 48,
        "height": 48,
        "startScale": {"width": 100, "height": 100},
        "endScale": {"width": 100, "height": 100},
        "rotateSpeed": 0,
        "startOpacity": 255,
        "blend": 0,
        "endOpacity": 255,
        "endColor": {"R": 0, "G": 0, "B": 0, "S": 0},
        "messageImageName": "",
        "messageImageIndex": "",
        "messageBackground": 0,
        "messagePosition": 2,
        "messageText": "",
        "fadeType": 0,
        "flashEnabled": False,
        "flashColor": {"R": 255, "G": 255, "B": 255, "P": 170},
        "shakeEnabled": False,
        "shakePower": 5,
        "shakeSpeed": 5,
        "audioType": "bgm",
        "audioName": "",
        "volume": 90,
        "pitch": 100,
        "pan": 0,
        "fadeoutAudioType": "bgm",
        "comment": "",
        "scrollMode": False,
        "scrollSpeed": 2,
        "scrollNoFast": False,
        "startRatio": 0,
        "endRatio": 1,
        "next": False,
        "prev": False,
        "reset": False,
    }


class SceneBuilder:
    """Collects blocks lane by lane; ids are handed out by `blocks()`."""

    def __init__(self):
        self._lanes = {}

    def _add(self, lane, mode, start, delay=None, **fields):
        data = empty_event_data()
        data["blockMode"] = mode
        data["blockDelay"] = DEFAULT_DELAY[mode] if delay is None else delay
        if mode == MODE_SCROLL:
            data["scrollMode"] = True
        data["blockStart"] = start
        for key, value in fields.items():
            if key not in data:
                raise KeyError("unknown block field %s" % key)
            data[key] = value
        block = {"blockId": 0, "laneId": lane, "eventData": data}
        self._lanes.setdefault(lane, []).append(block)
        return block

    def marker(self, start, text):
        return self._add(0, MODE_COMMENT, start, comment=text)

    def picture(self, lane, start, delay, name, number, start_at, end_at,
                origin=0, start_scale=(100, 100), end_scale=(100, 100),
                opacity=(255, 255), rotate=0, blend=0, tone=(0, 0, 0, 0)):
        width, height = catalogue.PICTURES[name]
        return self._add(
            lane, MODE_PICTURE, start, delay,
            imageName=name, imageIndex=number, origin=origin,
            startPosition={"x": start_at[0], "y": start_at[1]},
            endPosition={"x": end_at[0], "y": end_at[1]},
            width=width, height=height,
            startScale={"width": start_scale[0], "height": start_scale[1]},
            endScale={"width": end_scale[0], "height": end_scale[1]},
            rotateSpeed=rotate, startOpacity=opacity[0], blend=blend,
            endOpacity=opacity[1],
            endColor={"R": tone[0], "G": tone[1], "B": tone[2], "S": tone[3]})

    def message(self, lane, start, lines, face=None, background=0,
                position=2):
        fields = {"messageBackground": background,
                  "messagePosition": position,
                  "messageText": "\n".join(lines)}
        if face is not None:
            fields["messageImageName"] = face[0]
            fields["messageImageIndex"] = face[1]
        return self._add(lane, MODE_MESSAGE, start, **fields)

    def scroll(self, lane, start, lines, speed=2, no_fast=False):
        return self._add(lane, MODE_SCROLL, start, messageText="\n".join(lines),
                         scrollSpeed=speed, scrollNoFast=no_fast)

    def fade(self, lane, start, fade_in):
        return self._add(lane, MODE_FADE, start, fadeType=1 if fade_in else 0)

    def sound(self, lane, start, channel, name, volume=90, pitch=100, pan=0):
        return self._add(lane, MODE_SOUND, start, audioType=channel,
                         audioName=name, volume=volume, pitch=pitch, pan=pan)

    def sound_fade(self, lane, start, delay, channel):
        return self._add(lane, MODE_SOUND_FADE, start, delay,
                         fadeoutAudioType=channel)

    def screen(self, lane, start, delay, flash=None, shake=None):
        fields = {}
        if flash is not None:
            fields["flashEnabled"] = True
            fields["flashColor"] = {"R": flash[0], "G": flash[1],
                                    "B": flash[2], "P": flash[3]}
        if shake is not None:
            fields["shakeEnabled"] = True
            fields["shakePower"], fields["shakeSpeed"] = shake
        return self._add(lane, MODE_SCREEN, start, delay, **fields)

    def blocks(self):
        """All blocks with final ids, in file order.

        Ids follow an insertion of the whole set into an empty scene: the
        markers first, then the other lanes in ascending order. Overlaps within
        a lane are refused, as the editor's placement never produces them."""
        next_id = 1
        for lane in sorted(self._lanes):
            spans = sorted((b["eventData"]["blockStart"],
                            b["eventData"]["blockDelay"])
                           for b in self._lanes[lane])
            for (start, delay), (next_start, _) in zip(spans, spans[1:]):
                if start + delay > next_start:
                    raise ValueError("blocks overlap on lane %d at frame %d"
                                     % (lane, next_start))
            if spans and spans[-1][0] + spans[-1][1] > MAX_DURATION:
                raise ValueError("lane %d runs past the last frame" % lane)
            for block in self._lanes[lane]:
                block["blockId"] = next_id
                next_id += 1
        every = [b for lane in sorted(self._lanes) for b in self._lanes[lane]]
        # Stable sort: start frame, then lane, as the editor's file order.
        every.sort(key=lambda b: (b["eventData"]["blockStart"], b["laneId"]))
        return copy.deepcopy(every)


# Lanes of the demo scene.
LANE_BACKGROUND = 1
LANE_SKY = 2
LANE_LENA = 3
LANE_ORIN = 4
LANE_EFFECTS = 5
LANE_LIGHT = 6
LANE_TEXT = 7
LANE_SOUND = 8
LANE_SOUND_FADE = 9
LANE_SCREEN = 10

END = 960  # the scene lasts sixteen seconds


def demo_scene():
    """A short morning scene: the meadow fades in, clouds drift, two friends
    walk in and talk, a star flashes, a fanfare shakes the screen, the credits
    roll and everything fades out."""
    s = SceneBuilder()
    w, h = catalogue.SCREEN_WIDTH, catalogue.SCREEN_HEIGHT

    s.marker(0, "Opening\nThe meadow wakes up")
    s.marker(240, "Orin arrives")
    s.marker(320, "Conversation")
    s.marker(480, "The falling star")
    s.marker(700, "Fanfare")
    s.marker(780, "Credits")

    # The background warms towards a sunset tone over the whole scene.
    s.picture(LANE_BACKGROUND, 0, END, "Meadow", 1, (0, 0), (0, 0),
              tone=(68, -34, -34, 0))

    # Clouds drift across the sky, the second one smaller and slower.
    s.picture(LANE_SKY, 0, 600, "Cloud", 2, (-260, 40), (w, 70),
              opacity=(230, 230))
    s.picture(LANE_SKY, 600, 360, "Cloud", 3, (w, 110), (300, 90),
              start_scale=(70, 70), end_scale=(60, 60), opacity=(200, 160))

    # Lena walks in from the left, stays, then fades away.
    lena_y = h - 340 - 40
    s.picture(LANE_LENA, 60, 240, "Lena", 5, (-220, lena_y), (150, lena_y),
              opacity=(0, 255))
    s.picture(LANE_LENA, 300, 540, "Lena", 5, (150, lena_y), (160, lena_y),
              start_scale=(100, 100), end_scale=(102, 102))
    s.picture(LANE_LENA, 840, 120, "Lena", 5, (160, lena_y), (110, lena_y),
              opacity=(255, 0))

    # Orin comes in from the right, mirrored so that he faces Lena.
    orin_y = h - 360 - 40
    # A negative width scale draws the picture to the left of its position.
    s.picture(LANE_ORIN, 240, 80, "Orin", 6, (w + 180, orin_y),
              (740, orin_y), start_scale=(-100, 100), end_scale=(-100, 100),
              opacity=(0, 255))
    s.picture(LANE_ORIN, 320, 520, "Orin", 6, (740, orin_y), (730, orin_y),
              start_scale=(-100, 100), end_scale=(-100, 100))
    s.picture(LANE_ORIN, 840, 120, "Orin", 6, (730, orin_y), (800, orin_y),
              start_scale=(-100, 100), end_scale=(-100, 100),
              opacity=(255, 0))

    # A bird crosses the sky; the star falls, spinning and glowing; the
    # vignette darkens the edges towards the end.
    s.picture(LANE_EFFECTS, 120, 300, "Bird", 7, (w + 40, 150), (-120, 60),
              start_scale=(100, 100), end_scale=(80, 80))
    s.picture(LANE_EFFECTS, 480, 120, "Star", 9, (600, -40), (420, 200),
              origin=1, start_scale=(50, 50), end_scale=(160, 160),
              opacity=(255, 0), rotate=12, blend=1)
    s.picture(LANE_EFFECTS, 720, 240, "Vignette", 10, (0, 0), (0, 0),
              opacity=(0, 220), blend=2)

    # Morning light, added in screen mode, then the title banner.
    s.picture(LANE_LIGHT, 30, 420, "Sunbeam", 4, (420, 0), (360, 0),
              opacity=(0, 170), blend=3)
    s.picture(LANE_LIGHT, 700, 200, "Banner", 11, (w // 2, 150),
              (w // 2, 150), origin=1, start_scale=(20, 20),
              end_scale=(100, 100), opacity=(0, 255), rotate=-4)

    # Messages, with faces, colours, icons, names and waits.
    s.message(LANE_TEXT, 330, [
        "\\C[6]\\N[1]\\C[0]:",
        "What a bright morning!\\. Look, \\P[2] is here.",
        "The wind smells of \\C[3]clover\\C[0] again.",
    ], face=("People1", 0))
    s.message(LANE_TEXT, 420, [
        "\\C[6]\\N[2]\\C[0]:",
        "I saved \\I[49] 20\\G for the fair.\\|",
        "Shall we go, \\N[1]?",
    ], face=("People1", 1))
    s.message(LANE_TEXT, 560, [
        "\\{A star fell into the meadow!\\}",
        "\\C[2]Something\\C[0] glows where it landed...",
        "\\>They stare at it for a long while.\\<",
    ], background=1, position=1)
    s.scroll(LANE_TEXT, 780, [
        "\\C[14]Meadow Morning\\C[0]",
        "",
        "Pictures, faces and sounds",
        "were all made by a small program.",
        "",
        "Thank you for watching.",
    ], speed=4)

    # Music, ambience, jingles and effects.
    s.sound(LANE_SOUND, 0, "bgm", "Meadow_Theme", volume=80)
    s.sound(LANE_SOUND, 20, "bgs", "Wind", volume=60, pan=-20)
    s.sound(LANE_SOUND, 240, "se", "Whoosh", volume=80, pan=60)
    s.sound(LANE_SOUND, 330, "se", "Chime", volume=70)
    s.sound(LANE_SOUND, 480, "se", "Sparkle", volume=90, pitch=110)
    s.sound(LANE_SOUND, 600, "se", "Thud", volume=70, pitch=90, pan=-40)
    s.sound(LANE_SOUND, 700, "me", "Fanfare", volume=90)
    s.sound(LANE_SOUND, 760, "se", "Bell", volume=80, pan=20)
    s.sound_fade(LANE_SOUND_FADE, 780, 90, "bgs")
    s.sound_fade(LANE_SOUND_FADE, 880, 80, "bgm")

    # Fade in, a white flash for the star, a golden flash and shake for the
    # fanfare, fade out.
    s.fade(LANE_SCREEN, 0, fade_in=True)
    s.screen(LANE_SCREEN, 480, 60, flash=(255, 255, 255, 200))
    s.screen(LANE_SCREEN, 700, 60, flash=(255, 221, 119, 170), shake=(5, 7))
    s.screen(LANE_SCREEN, 800, 90, shake=(2, 3))
    s.fade(LANE_SCREEN, END - 24, fade_in=False)
    return s.blocks()


def write_scene(root):
    """Writes the demo scene to "scenes/demo.json"."""
    scenes = os.path.join(root, "scenes")
    os.makedirs(scenes, exist_ok=True)
    with open(os.path.join(scenes, "demo.json"), "w", encoding="utf-8",
              newline="\n") as out:
        out.write(compact_json(demo_scene()))
