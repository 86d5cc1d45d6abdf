#!/usr/bin/python3
"""Builds the built-in preset collection, presets/ (installed beside the
executable as "Presets/").

Everything in it is made here, with the drawing, people, sound and scene tools
of the sample project's generator: the pictures and the face sheet are drawn
from shapes, the sounds are synthesized and encoded, and each preset is laid out
block by block. Running it again gives the same files.

Needs Debian's python3 with python3-pil, oggenc and vorbiscomment
(vorbis-tools) and ffmpeg.

    /usr/bin/python3 tools/make_presets/make_presets.py [--out DIR] [--json-only]
"""

import argparse
import os
import shutil
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
sys.path.insert(1, os.path.join(HERE, "..", "sample_project"))

import art  # noqa: E402
import scenes  # noqa: E402
import sounds  # noqa: E402
from jsontext import compact_json  # noqa: E402

DEFAULT_OUT = os.path.join(HERE, "..", "..", "presets")


def used_assets(blocks):
    """Relative paths of the files a block list names, as the editor lists
    them (pictures, faces, then both encodings of each sound)."""
    paths = set()
    for block in blocks:
        data = block["eventData"]
        mode = data["blockMode"]
        if mode == 0 and data["imageName"]:
            paths.add("img/pictures/%s.png" % data["imageName"])
        elif mode == 1 and data["messageImageName"]:
            paths.add("img/faces/%s.png" % data["messageImageName"])
        elif mode == 3 and data["audioName"]:
            for suffix in (".m4a", ".ogg"):
                paths.add("audio/%s/%s%s" % (data["audioType"], data["audioName"],
                                             suffix))
    return paths


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--out", default=DEFAULT_OUT,
                        help="collection folder to write (default: %(default)s)")
    parser.add_argument("--json-only", action="store_true",
                        help="write presets.json alone, without the asset files")
    args = parser.parse_args(argv)
    out = os.path.abspath(args.out)
    os.makedirs(out, exist_ok=True)
    collection = scenes.collection()
    with open(os.path.join(out, "presets.json"), "w", encoding="utf-8",
              newline="\n") as f:
        f.write(compact_json(collection))
    if args.json_only:
        return

    for folder in ("img", "audio"):
        shutil.rmtree(os.path.join(out, folder), ignore_errors=True)
    art.write_pictures(out)
    art.write_faces(out)
    sounds.write_sounds(out)

    # Every file a preset names is there, and nothing else is.
    named = set()
    for category in collection:
        for preset in category["presets"]:
            named |= used_assets(preset["data"])
    written = set()
    for folder, _, files in os.walk(out):
        for name in files:
            path = os.path.relpath(os.path.join(folder, name), out)
            if path != "presets.json":
                written.add(path.replace(os.sep, "/"))
    if named != written:
        sys.exit("presets and files differ: missing %s, unused %s"
                 % (sorted(named - written), sorted(written - named)))
    count = sum(len(c["presets"]) for c in collection)
    print("%d presets in %d categories, %d files" % (count, len(collection),
                                                   len(written)))


if __name__ == "__main__":
    main(sys.argv[1:])
