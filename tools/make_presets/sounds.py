"""Sounds of the built-in presets, synthesized with the sample project's
instruments and encoded to .ogg (with loop tags for BGM and BGS) and .m4a."""

import math
import os
import random

import audio
from audio import (SR, TAU, Track, bell, brass, lowpass, noise, note, pad,
                   pluck)


def impact():
    """A heavy hit: a falling thump under a short crash of noise."""
    seconds = 1.2
    n = int(seconds * SR)
    body = [math.sin(TAU * (70 - 40 * i / n) * i / SR) * math.exp(-5 * i / SR)
            for i in range(n)]
    crash = lowpass(noise(seconds, 101), lambda t: 4000 * math.exp(-4 * t) + 200)
    track = Track(seconds)
    track.add(0, body, 1.0)
    track.add(0, [v * math.exp(-6 * i / SR) for i, v in enumerate(crash)], 0.8)
    return track


def thunder():
    """A crack followed by a long rolling rumble."""
    seconds = 3.0
    rumble = lowpass(noise(seconds, 103), lambda t: 180 + 900 * math.exp(-3 * t))
    rng = random.Random(104)
    swell = [0.6 + 0.4 * math.sin(TAU * 1.3 * i / SR + rng.random())
             for i in range(len(rumble))]
    track = Track(seconds)
    track.add(0, [v * s * math.exp(-1.1 * i / SR) * min(1.0, i / 200)
                  for i, (v, s) in enumerate(zip(rumble, swell))], 1.0)
    crack = lowpass(noise(0.15, 105), 6000)
    track.add(0, [v * math.exp(-30 * i / SR) for i, v in enumerate(crack)], 0.9)
    return track


def pop():
    """A bright rising blip, for a surprise balloon."""
    seconds = 0.35
    n = int(seconds * SR)
    out = []
    phase = 0.0
    for i in range(n):
        freq = 500 + 900 * i / n
        phase += TAU * freq / SR
        out.append(math.sin(phase) * math.exp(-9 * i / SR) * min(1.0, i / 60))
    track = Track(seconds)
    track.add(0, out, 0.8)
    return track


def shimmer():
    """Rising bell tones with a soft pad: a dream begins."""
    track = Track(3.0)
    for name in ("E4", "B4", "E5"):
        track.add(0, pad(note(name), 3.0, attack=1.0, release=1.0), 0.12)
    for i, name in enumerate(("B5", "E6", "F#6", "B6", "E7")):
        track.add(0.2 + i * 0.3, bell(note(name), 1.8), 0.22)
    return track


def whoosh():
    """A long airy sweep, for a cut into the past."""
    seconds = 1.4
    swept = lowpass(noise(seconds, 107),
                    lambda t: 200 + 2600 * math.sin(math.pi * t / seconds))
    track = Track(seconds)
    track.add(0, [v * math.sin(math.pi * i / len(swept)) ** 1.5
                  for i, v in enumerate(swept)])
    return track


def rumble():
    """Ground rumble: half a second of swell, then four seconds that loop."""
    seconds = 4.5
    raw = lowpass(noise(seconds, 109), 140)
    track = Track(seconds)
    track.add(0, [v * (0.8 + 0.2 * math.sin(TAU * 3 * i / SR))
                  * min(1.0, i / (0.5 * SR)) for i, v in enumerate(raw)])
    return track


def overture():
    """A stately theme in D: a two-second opening chord, then six seconds that
    loop."""
    track = Track(8.0)
    for name in ("D3", "A3", "D4", "F#4"):
        track.add(0, pad(note(name), 2.0, attack=0.6, release=0.5), 0.22)
    track.add(0, bell(note("D5"), 2.0), 0.2)
    bars = [("D2", ["D4", "F#4", "A4"], ["A4", "D5", "F#5", "E5"]),
            ("B1", ["B3", "D4", "F#4"], ["D5", "B4", "F#4", "B4"]),
            ("G2", ["G3", "B3", "D4"], ["B4", "D5", "G5", "F#5"]),
            ("A2", ["A3", "C#4", "E4"], ["E5", "C#5", "A4", "C#5"])]
    for b, (bass, chord, melody) in enumerate(bars):
        start = 2.0 + b * 1.5
        track.add(start, pluck(note(bass), 1.49, decay=1.5), 0.5)
        for name in chord:
            track.add(start, pad(note(name), 1.5, attack=0.2, release=0.3), 0.1)
        for k, name in enumerate(melody):
            track.add(start + k * 0.375, brass(note(name), 0.36), 0.14)
    return track


def sting():
    """A short jingle that closes a scene."""
    track = Track(2.4)
    for i, name in enumerate(("A4", "C#5", "E5")):
        track.add(i * 0.14, brass(note(name), 0.13), 0.3)
    for name in ("D4", "F#4", "A4", "D5"):
        track.add(0.45, brass(note(name), 1.6), 0.16)
    track.add(0.45, bell(note("D6"), 1.8), 0.14)
    return track


# Channel -> base name -> (piece, loop region in samples or None).
SOUNDS = {
    "bgm": {"Preset_Overture": (overture, (2 * SR, 6 * SR))},
    "bgs": {"Preset_Rumble": (rumble, (SR // 2, 4 * SR))},
    "me": {"Preset_Sting": (sting, None)},
    "se": {
        "Preset_Impact": (impact, None),
        "Preset_Thunder": (thunder, None),
        "Preset_Pop": (pop, None),
        "Preset_Shimmer": (shimmer, None),
        "Preset_Whoosh": (whoosh, None),
    },
}


def write_sounds(root):
    for channel, sounds in SOUNDS.items():
        folder = os.path.join(root, "audio", channel)
        os.makedirs(folder, exist_ok=True)
        for name, (piece, loop) in sounds.items():
            samples = piece().normalized()
            if loop is not None:
                assert loop[0] + loop[1] <= len(samples), name
            audio.encode(samples, os.path.join(folder, name + ".ogg"),
                         os.path.join(folder, name + ".m4a"), name, loop)
