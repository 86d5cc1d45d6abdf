"""Checks that the bundled sample project is complete and usable.

Usage: sample_project_check.py PROJECT_DIR

Reads everything the way the editor would (with ImageMagick for pixels and
vorbiscomment for the sound tags): the database as its loader does, the plugin
list with the loader's line rules, images by their pixels, the loop tags by
walking the Ogg pages, and the demo scene as the editor writes it (ids, lanes,
frame limits and picture numbers are left to `vignetta-cli check`).
Prints one line per fault and exits non-zero when there is any.
"""

import json
import os
import re
import struct
import subprocess
import sys

FAULTS = []


def fault(message):
    FAULTS.append(message)


# ------------------------------------------------------------------ images

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


def png_size(path):
    with open(path, "rb") as f:
        if f.read(8) != PNG_SIGNATURE:
            raise ValueError("not a PNG file")
    size = subprocess.run(["identify", "-format", "%w %h", path], check=True,
                          capture_output=True, text=True).stdout.split()
    return int(size[0]), int(size[1])


def read_png(path):
    """(width, height, rows of RGBA tuples) of a PNG, decoded by ImageMagick."""
    width, height = png_size(path)
    raw = subprocess.run(["convert", path, "-depth", "8", "rgba:-"], check=True,
                         capture_output=True).stdout
    pixels = [tuple(raw[i:i + 4]) for i in range(0, len(raw), 4)]
    return width, height, [pixels[y * width:(y + 1) * width]
                           for y in range(height)]


def check_window_skin(path):
    width, height, rows = read_png(path)
    if (width, height) != (192, 192):
        fault("Window.png is %dx%d, not 192x192" % (width, height))
        return
    colors = []
    for n in range(32):
        x0, y0 = 96 + (n % 8) * 12, 144 + (n // 8) * 12
        cell = {rows[y][x] for y in range(y0, y0 + 12)
                for x in range(x0, x0 + 12)}
        if len(cell) != 1:
            fault("text colour cell %d is not one solid colour" % n)
        # The preview reads the cell's centre over black, so it must be opaque.
        center = rows[y0 + 6][x0 + 6]
        if center[3] != 255:
            fault("text colour %d is not opaque" % n)
        colors.append(center[:3])
    if colors[0] != (255, 255, 255):
        fault("text colour 0 is %r, not white" % (colors[0],))
    if len(set(colors)) != 32:
        fault("the 32 text colours are not all different")


def check_face_sheet(path):
    width, height, rows = read_png(path)
    if (width, height) != (576, 288):
        fault("%s is %dx%d, not 576x288" % (path, width, height))
        return
    for index in range(8):
        x0, y0 = (index % 4) * 144, (index // 4) * 144
        solid = sum(1 for y in range(y0, y0 + 144, 4)
                    for x in range(x0, x0 + 144, 4) if rows[y][x][3] == 255)
        if solid < 200:
            fault("face %d of %s is (nearly) empty" % (index, path))


def check_pictures(folder):
    sizes = {}
    transparent = []
    for name in sorted(os.listdir(folder)):
        if not name.endswith(".png"):
            continue
        width, height, rows = read_png(os.path.join(folder, name))
        sizes[name[:-4]] = (width, height)
        alphas = {px[3] for row in rows for px in row}
        if min(alphas) < 255:
            transparent.append((width, height))
    if len(set(transparent)) < 6:
        fault("fewer than six pictures of different sizes with transparency")
    if (816, 624) not in sizes.values():
        fault("no picture the size of the 816x624 screen")
    return sizes


# ------------------------------------------------------------------- sound

def ogg_loop_tags(path):
    """Loop tags and sample rate as a player finds them by walking the pages:
    only the first segment of the comment packet is scanned."""
    with open(path, "rb") as f:
        data = f.read()
    pos, rate, tags = 0, 0, {}
    while data[pos:pos + 4] == b"OggS":
        count = data[pos + 26]
        laces = data[pos + 27:pos + 27 + count]
        pos += 27 + count
        found = False
        for lace in laces:
            segment = data[pos:pos + lace]
            if segment[1:5] == b"vorb":
                found = True
                if segment[0] == 1:
                    rate = struct.unpack("<I", segment[12:16])[0]
                elif segment[0] == 3:
                    for i in range(len(segment) - 10):
                        if segment[i:i + 4] == b"LOOP":
                            text = segment[i:].split(b"\0")[0].decode("latin-1")
                            m = re.match(r"(LOOPSTART|LOOPLENGTH)=(\d+)", text)
                            if m:
                                tags[m.group(1)] = int(m.group(2))
            pos += lace
        if not found:
            break
    return rate, tags


def ogg_total_samples(path):
    with open(path, "rb") as f:
        data = f.read()
    last = data.rfind(b"OggS")
    return struct.unpack("<q", data[last + 6:last + 14])[0]


def check_audio(root):
    names = {}
    for channel in ("bgm", "bgs", "me", "se"):
        folder = os.path.join(root, "audio", channel)
        files = sorted(os.listdir(folder)) if os.path.isdir(folder) else []
        oggs = [f[:-4] for f in files if f.endswith(".ogg")]
        names[channel] = set(oggs)
        if not oggs:
            fault("no .ogg file in audio/%s" % channel)
        for base in oggs:
            ogg = os.path.join(folder, base + ".ogg")
            m4a = os.path.join(folder, base + ".m4a")
            with open(ogg, "rb") as f:
                if f.read(4) != b"OggS":
                    fault("%s is not an Ogg file" % ogg)
                    continue
            if not os.path.isfile(m4a):
                fault("%s has no matching .m4a" % ogg)
            else:
                with open(m4a, "rb") as f:
                    if f.read(8)[4:8] != b"ftyp":
                        fault("%s is not an MP4 audio file" % m4a)
            if channel not in ("bgm", "bgs"):
                continue
            listed = subprocess.run(["vorbiscomment", "-l", ogg],
                                    capture_output=True, text=True).stdout
            comments = dict(line.split("=", 1) for line in listed.splitlines()
                            if "=" in line)
            rate, tags = ogg_loop_tags(ogg)
            for tag in ("LOOPSTART", "LOOPLENGTH"):
                if not comments.get(tag, "").isdigit():
                    fault("%s lacks the %s comment" % (ogg, tag))
                elif tags.get(tag) != int(comments[tag]):
                    fault("%s: %s is not where a player scanning the pages "
                          "finds it" % (ogg, tag))
            if rate <= 0:
                fault("%s: no sample rate in the identification header" % ogg)
            if len(tags) == 2 and (tags["LOOPLENGTH"] <= 0 or
                                   tags["LOOPSTART"] + tags["LOOPLENGTH"]
                                   > ogg_total_samples(ogg)):
                fault("%s: the loop region lies outside the sound" % ogg)
    return names


# ---------------------------------------------------------------- database

DATA_FILES = [
    "Actors.json", "Classes.json", "Skills.json", "Items.json", "Weapons.json",
    "Armors.json", "Enemies.json", "Troops.json", "States.json",
    "Animations.json", "Tilesets.json", "CommonEvents.json", "System.json",
    "MapInfos.json",
]


def check_database(root, faces):
    tables = {}
    for name in DATA_FILES:
        path = os.path.join(root, "data", name)
        try:
            with open(path, encoding="utf-8") as f:
                value = json.load(f)
        except (OSError, ValueError) as error:
            fault("data/%s does not load: %s" % (name, error))
            continue
        if value in (None, False, 0, ""):
            fault("data/%s holds an empty value" % name)
        if name != "System.json":
            if not isinstance(value, list) or not value or value[0] is not None:
                fault("data/%s is not an id-indexed array with null first"
                      % name)
            elif any(entry.get("id") != i for i, entry in
                     enumerate(value[1:], start=1)):
                fault("data/%s: an entry's id differs from its index" % name)
        tables[name] = value
    actors = tables.get("Actors.json") or [None]
    system = tables.get("System.json") or {}
    if not isinstance(system, dict) or not system.get("gameTitle"):
        fault("the system table has no game title")
        system = {}
    if not isinstance(system.get("currencyUnit"), str):
        fault("the system table has no currency unit")
    party = system.get("partyMembers")
    if not party or any(not 0 < a < len(actors) for a in party):
        fault("the party members are not actors of the database")
    for actor in actors[1:]:
        if not actor.get("name"):
            fault("actor %s has no name" % actor.get("id"))
        if actor.get("faceName") not in faces or \
                not 0 <= actor.get("faceIndex", -1) < 8:
            fault("actor %s has no face of the face sheets" % actor.get("id"))
    return actors, party or []


def check_plugins(path):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    lines = re.split(r"\r\n|\r|\n", text)
    if not lines[0].startswith("//") or \
            not any(line.startswith("var ") for line in lines) or \
            [line for line in lines if line][-1] != "];":
        fault("js/plugins.js is not in the host's shape")
    kept = ["]" if line == "];" else line for line in lines
            if not line.startswith("//") and not line.startswith("var")]
    try:
        plugins = json.loads("".join(kept))
    except ValueError as error:
        fault("js/plugins.js does not read as a plugin list: %s" % error)
        return
    if not isinstance(plugins, list) or not plugins or \
            any(set(p) != {"name", "status", "description", "parameters"}
                for p in plugins):
        fault("js/plugins.js holds no plugin entries")


# ------------------------------------------------------------------- scene

EVENT_KEYS = [
    "blockStart", "blockDelay", "blockMode", "imageName", "imageIndex",
    "origin", "startPosition", "endPosition", "width", "height", "startScale",
    "endScale", "rotateSpeed", "startOpacity", "blend", "endOpacity",
    "endColor", "messageImageName", "messageImageIndex", "messageBackground",
    "messagePosition", "messageText", "fadeType", "flashEnabled", "flashColor",
    "shakeEnabled", "shakePower", "shakeSpeed", "audioType", "audioName",
    "volume", "pitch", "pan", "fadeoutAudioType", "comment", "scrollMode",
    "scrollSpeed", "scrollNoFast", "startRatio", "endRatio", "next", "prev",
    "reset",
]

# Kind -> fixed length, or the (min, max) a resized block may take.
LENGTHS = {0: (1, 999), 1: 16, 2: 24, 3: 16, 4: (60, 999), 5: 1, 7: 16,
           8: (60, 65535)}

RANGES = [
    ("startPosition.x", -9999, 9999), ("startPosition.y", -9999, 9999),
    ("endPosition.x", -9999, 9999), ("endPosition.y", -9999, 9999),
    ("startScale.width", -2000, 2000), ("startScale.height", -2000, 2000),
    ("endScale.width", -2000, 2000), ("endScale.height", -2000, 2000),
    ("rotateSpeed", -90, 90), ("startOpacity", 0, 255), ("endOpacity", 0, 255),
    ("blend", 0, 3), ("origin", 0, 1), ("endColor.R", -255, 255),
    ("endColor.G", -255, 255), ("endColor.B", -255, 255),
    ("endColor.S", 0, 255), ("messageBackground", 0, 2),
    ("messagePosition", 0, 2), ("fadeType", 0, 1), ("flashColor.R", 0, 255),
    ("flashColor.G", 0, 255), ("flashColor.B", 0, 255),
    ("flashColor.P", 0, 255), ("shakePower", 1, 9), ("shakeSpeed", 1, 9),
    ("volume", 0, 100), ("pitch", 50, 150), ("pan", -100, 100),
    ("scrollSpeed", 1, 8),
]


def member(data, path):
    for name in path.split("."):
        data = data[name]
    return data


def check_text_codes(where, text, actors, party, icons):
    for code, number in re.findall(r"\\([A-Za-z]+)\[(\d+)\]", text):
        n, code = int(number), code.upper()
        if code == "C" and not 0 <= n < 32:
            fault("%s: text colour %d does not exist" % (where, n))
        elif code == "I" and not 0 <= n < icons:
            fault("%s: icon %d is not in the icon set" % (where, n))
        elif code == "N" and not 0 < n < len(actors):
            fault("%s: actor %d does not exist" % (where, n))
        elif code == "P" and not 0 < n <= len(party):
            fault("%s: party member %d does not exist" % (where, n))


def check_scene(path, pictures, faces, sounds, actors, party, icons):
    with open(path, "rb") as f:
        raw = f.read()
    text = raw.decode("utf-8")
    blocks = json.loads(text)
    if text != json.dumps(blocks, ensure_ascii=False, separators=(",", ":")):
        fault("the scene is not compact JSON as the editor writes it")
    if not isinstance(blocks, list) or not blocks or \
            not blocks[0].get("blockId"):
        fault("the scene would not import: no blocks or no first blockId")
        return
    order = [(b["eventData"]["blockStart"], b["laneId"]) for b in blocks]
    if order != sorted(order):
        fault("blocks are not in file order (start frame, then lane)")
    lanes, kinds, channels = {}, set(), set()
    for b in blocks:
        where = "block %s" % b.get("blockId")
        if list(b) != ["blockId", "laneId", "eventData"] or \
                list(b["eventData"]) != EVENT_KEYS:
            fault("%s: keys missing or out of the editor's order" % where)
            continue
        e = b["eventData"]
        mode = e["blockMode"]
        kinds.add(mode)
        bounds = LENGTHS.get(mode)
        if bounds is None:
            fault("%s: kind %r cannot be made by a user" % (where, mode))
            continue
        if isinstance(bounds, int) and e["blockDelay"] != bounds or \
                isinstance(bounds, tuple) and \
                not bounds[0] <= e["blockDelay"] <= bounds[1]:
            fault("%s: length %d is not allowed for its kind"
                  % (where, e["blockDelay"]))
        for key, low, high in RANGES:
            if not low <= member(e, key) <= high:
                fault("%s: %s is out of range" % (where, key))
        if e["scrollMode"] != (mode == 7) or e["startRatio"] != 0 or \
                e["endRatio"] != 1 or e["next"] or e["prev"]:
            fault("%s: fields of other kinds moved off their defaults" % where)
        lanes.setdefault(b["laneId"], []).append(
            (e["blockStart"], e["blockStart"] + e["blockDelay"]))
        if mode == 0:
            size = pictures.get(e["imageName"])
            if size is None:
                fault("%s: picture %r does not exist" % (where, e["imageName"]))
            elif (e["width"], e["height"]) != size:
                fault("%s: size differs from the picture's" % where)
        elif mode in (1, 7):
            check_text_codes(where, e["messageText"], actors, party, icons)
            if e["messageImageName"] and (
                    e["messageImageName"] not in faces or
                    not 0 <= e["messageImageIndex"] < 8):
                fault("%s: face does not exist" % where)
        elif mode == 3:
            channels.add(e["audioType"])
            if e["audioName"] not in sounds.get(e["audioType"], ()):
                fault("%s: sound %s/%r does not exist"
                      % (where, e["audioType"], e["audioName"]))
        elif mode == 8 and e["fadeoutAudioType"] not in ("bgm", "bgs"):
            fault("%s: only BGM and BGS fade out" % where)
    for lane, spans in lanes.items():
        spans.sort()
        if any(a[1] > b[0] for a, b in zip(spans, spans[1:])):
            fault("blocks overlap on lane %d" % lane)
    if kinds != {0, 1, 2, 3, 4, 5, 7, 8}:
        fault("the scene lacks block kinds %s"
              % sorted({0, 1, 2, 3, 4, 5, 7, 8} - kinds))
    if channels != {"bgm", "bgs", "me", "se"}:
        fault("the scene does not play all four channels")
    shown = [b["eventData"] for b in blocks if b["eventData"]["blockMode"] == 0]
    features = {
        "moves": any(p["startPosition"] != p["endPosition"] for p in shown),
        "scales": any(p["startScale"] != p["endScale"] for p in shown),
        "fades": any(p["startOpacity"] != p["endOpacity"] for p in shown),
        "turns": any(p["rotateSpeed"] for p in shown),
        "tones": any(any(p["endColor"].values()) for p in shown),
        "blends": {p["blend"] for p in shown} >= {0, 1, 2, 3},
    }
    for feature, present in features.items():
        if not present:
            fault("no picture of the scene %s" % feature)


def main(root):
    project = os.path.join(root, "Sample.fabproject")
    if not os.path.isfile(project) or os.path.getsize(project) == 0:
        fault("Sample.fabproject is missing or empty")
    faces = {}
    for name in sorted(os.listdir(os.path.join(root, "img", "faces"))):
        if name.endswith(".png"):
            faces[name[:-4]] = name
            check_face_sheet(os.path.join(root, "img", "faces", name))
    if not faces:
        fault("no face sheet in img/faces")
    check_window_skin(os.path.join(root, "img", "system", "Window.png"))
    width, height = png_size(os.path.join(root, "img", "system", "IconSet.png"))
    if width != 16 * 32 or height % 32 or height < 64:
        fault("IconSet.png is %dx%d, not 16 columns of 32x32 icons"
              % (width, height))
    pictures = check_pictures(os.path.join(root, "img", "pictures"))
    sounds = check_audio(root)
    actors, party = check_database(root, faces)
    check_plugins(os.path.join(root, "js", "plugins.js"))
    check_scene(os.path.join(root, "scenes", "demo.json"), pictures, faces,
                sounds, actors, party, (width // 32) * (height // 32))
    total = sum(os.path.getsize(os.path.join(folder, name))
                for folder, _, names in os.walk(root) for name in names)
    if total > 5 * 1024 * 1024:
        fault("the sample project takes %d bytes, more than 5 MB" % total)
    for line in FAULTS:
        print("FAULT:", line)
    return 1 if FAULTS else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
