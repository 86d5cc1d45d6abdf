#!/usr/bin/python3
"""Builds the bundled sample project, sample/SampleProject/.

Everything in it is made here: the database and plugin list are written from
tables, pictures, faces, the window skin and the icon set are drawn from
shapes, the sounds are synthesized and encoded, and the demo scene is laid
out block by block. Running it again gives the same files.

Needs Debian's python3 with python3-pil, and the programs oggenc and
vorbiscomment (vorbis-tools) and ffmpeg.

    /usr/bin/python3 tools/sample_project/make_sample_project.py [--out DIR]
        [--only database,scene,pictures,faces,system,audio]
"""

import argparse
import os
import shutil
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import database  # noqa: E402
import scene  # noqa: E402

DEFAULT_OUT = os.path.join(HERE, "..", "..", "sample", "SampleProject")


def make_database(root):
    database.write_database(root)


def make_scene(root):
    scene.write_scene(root)


def make_pictures(root):
    import images
    images.write_pictures(root)


def make_faces(root):
    import images
    images.write_faces(root)


def make_system_images(root):
    import images
    images.write_window_skin(root)
    images.write_icon_set(root)


def make_audio(root):
    import audio
    audio.write_audio(root)


# Asset families in the order they are built, with the folders each owns
# (emptied before a rebuild so that renamed assets leave nothing behind).
FAMILIES = {
    "database": (make_database, ["data", "js"]),
    "scene": (make_scene, ["scenes"]),
    "pictures": (make_pictures, ["img/pictures"]),
    "faces": (make_faces, ["img/faces"]),
    "system": (make_system_images, ["img/system"]),
    "audio": (make_audio, ["audio"]),
}


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--out", default=DEFAULT_OUT,
                        help="project folder to write (default: %(default)s)")
    parser.add_argument("--only", default=",".join(FAMILIES),
                        help="comma-separated asset families to build")
    args = parser.parse_args(argv)
    wanted = [name for name in args.only.split(",") if name]
    unknown = [name for name in wanted if name not in FAMILIES]
    if unknown:
        parser.error("unknown asset family: " + ", ".join(unknown))
    root = os.path.abspath(args.out)
    os.makedirs(root, exist_ok=True)
    for name in FAMILIES:
        if name not in wanted:
            continue
        build, folders = FAMILIES[name]
        for folder in folders:
            shutil.rmtree(os.path.join(root, folder), ignore_errors=True)
        build(root)
        print("made", name)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
