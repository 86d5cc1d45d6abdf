"""The sample's sounds: short pieces synthesized from tones, chords and noise,
encoded to Ogg Vorbis (oggenc, loop tags written with vorbiscomment) and to
AAC in an .m4a file (ffmpeg)."""

import math
import os
import random
import shutil
import struct
import subprocess
import tempfile
import wave
import zlib

import catalogue

SR = catalogue.SAMPLE_RATE
TAU = 2 * math.pi


def note(name):
    """Frequency of a note such as "A4" or "C#5"."""
    steps = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    letter, rest = name[0], name[1:]
    shift = 0
    if rest.startswith("#"):
        shift, rest = 1, rest[1:]
    elif rest.startswith("b"):
        shift, rest = -1, rest[1:]
    semitones = steps[letter] + shift + (int(rest) - 4) * 12
    return 440.0 * 2 ** (semitones / 12)


class Track:
    """A mono buffer that instruments add into."""

    def __init__(self, seconds):
        self.samples = [0.0] * int(round(seconds * SR))

    def add(self, start, values, gain=1.0):
        offset = int(round(start * SR))
        buffer = self.samples
        for i, value in enumerate(values):
            j = offset + i
            if j >= len(buffer):
                break
            buffer[j] += value * gain

    def normalized(self, peak=0.8):
        top = max(1e-9, max(abs(v) for v in self.samples))
        return [v * peak / top for v in self.samples]


# ------------------------------------------------------------ instruments

def pluck(freq, seconds, decay=4.0):
    n = int(seconds * SR)
    out = []
    for i in range(n):
        t = i / SR
        env = math.exp(-decay * t) * min(1.0, t * 400) * min(1.0, (n - i) / 200)
        out.append(env * (math.sin(TAU * freq * t)
                          + 0.35 * math.sin(TAU * 2 * freq * t) * math.exp(-3 * t)
                          + 0.12 * math.sin(TAU * 3 * freq * t)))
    return out


def pad(freq, seconds, attack=0.3, release=0.4):
    n = int(seconds * SR)
    out = []
    for i in range(n):
        t = i / SR
        env = min(1.0, t / attack, (seconds - t) / release)
        wobble = 1 + 0.003 * math.sin(TAU * 5 * t)
        value = sum(math.sin(TAU * freq * k * wobble * t) / k ** 1.6
                    for k in (1, 2, 3, 4))
        out.append(max(0.0, env) * value)
    return out


def bell(freq, seconds):
    n = int(seconds * SR)
    partials = ((1.0, 1.0, 2.5), (2.76, 0.5, 4.0), (5.4, 0.25, 6.0),
                (8.93, 0.12, 8.0))
    return [sum(a * math.exp(-d * i / SR) * math.sin(TAU * freq * r * i / SR)
                for r, a, d in partials) * min(1.0, i / 30)
            for i in range(n)]


def brass(freq, seconds):
    n = int(seconds * SR)
    out = []
    for i in range(n):
        t = i / SR
        env = min(1.0, t / 0.04) * min(1.0, (seconds - t) / 0.12)
        vib = 1 + 0.006 * math.sin(TAU * 5.5 * t) * min(1.0, t / 0.3)
        bright = 0.5 + 0.5 * min(1.0, t / 0.08)
        value = sum(math.sin(TAU * freq * k * vib * t) * bright ** (k - 1) / k
                    for k in range(1, 7))
        out.append(max(0.0, env) * value)
    return out


def noise(seconds, seed):
    rng = random.Random(seed)
    return [rng.uniform(-1.0, 1.0) for _ in range(int(seconds * SR))]


def lowpass(values, cutoff):
    """One-pole low-pass; `cutoff` is a frequency or a function of time."""
    out, state = [], 0.0
    for i, value in enumerate(values):
        f = cutoff(i / SR) if callable(cutoff) else cutoff
        a = 1 - math.exp(-TAU * f / SR)
        state += a * (value - state)
        out.append(state)
    return out


def band(values, low, high):
    return [h - l for h, l in zip(lowpass(values, high), lowpass(values, low))]


# ------------------------------------------------------------------ pieces

def meadow_theme():
    """A waltz in C: a two-second intro, then four bars that loop."""
    beat = 0.5
    track = Track(8.0)
    for name in ("C4", "E4", "G4"):
        track.add(0, pad(note(name), 2.0, attack=1.2, release=0.5), 0.25)
    for i, name in enumerate(("C5", "E5", "G5", "C6")):
        track.add(0.25 + i * 0.4, pluck(note(name), 0.8), 0.25)
    bars = [("C3", ["E4", "G4", "C5"], ["E5", "G5", "E5"]),
            ("A2", ["E4", "A4", "C5"], ["C5", "E5", "A5"]),
            ("F2", ["F4", "A4", "C5"], ["A5", "G5", "F5"]),
            ("G2", ["D4", "G4", "B4"], ["D5", "B4", "G4"])]
    for b, (bass, chord, melody) in enumerate(bars):
        start = 2.0 + b * 3 * beat
        track.add(start, pluck(note(bass), 3 * beat - 0.01, decay=2.0), 0.6)
        for k in (1, 2):
            for name in chord:
                track.add(start + k * beat, pluck(note(name), beat - 0.01, 6.0),
                          0.16)
        for k, name in enumerate(melody):
            track.add(start + k * beat, pluck(note(name), beat - 0.01, 3.0),
                      0.32)
    return track


def dusk_theme():
    """Slow pad chords in A minor, looping as a whole."""
    track = Track(6.0)
    chords = [("A2", "C4", "E4", "A4"), ("F2", "A3", "C4", "F4"),
              ("C3", "E4", "G4", "C5"), ("G2", "B3", "D4", "G4")]
    for i, chord in enumerate(chords):
        for name in chord:
            track.add(i * 1.5, pad(note(name), 1.5, attack=0.25, release=0.3),
                      0.3)
    for i, name in enumerate(("E5", "C5", "G5", "D5")):
        track.add(i * 1.5 + 0.5, bell(note(name), 1.0), 0.12)
    return track


def wind():
    """Soft noise that swells and sighs; half a second of fade-in, then
    four seconds that loop."""
    seconds = 4.5
    raw = noise(seconds, 11)
    shaped = lowpass(raw, lambda t: 500 + 350 * math.sin(TAU * (t - 0.5) / 4))
    track = Track(seconds)
    track.add(0, [v * (0.55 + 0.45 * math.sin(TAU * (i / SR - 0.5) / 2))
                  * min(1.0, i / (0.5 * SR)) for i, v in enumerate(shaped)])
    return track


def stream():
    """Running water: band-limited noise with small bubbles."""
    seconds = 4.0
    track = Track(seconds)
    track.add(0, band(noise(seconds, 23), 300, 2500), 0.5)
    rng = random.Random(29)
    for _ in range(28):
        start = rng.uniform(0, seconds - 0.1)
        f0 = rng.uniform(500, 1100)
        n = int(0.06 * SR)
        chirp = [math.sin(TAU * f0 * (1 + 4 * i / SR) * i / SR)
                 * math.exp(-60 * i / SR) for i in range(n)]
        track.add(start, chirp, 0.5)
    return track


def fanfare():
    track = Track(3.2)
    for i, name in enumerate(("G4", "G4", "G4", "C5")):
        track.add(i * 0.18, brass(note(name), 0.16 if i < 3 else 0.5), 0.3)
    for name in ("C4", "E4", "G4", "C5"):
        track.add(1.0, brass(note(name), 2.0), 0.18)
    track.add(1.0, bell(note("C6"), 2.0), 0.15)
    return track


def lullaby():
    track = Track(3.6)
    for i, name in enumerate(("E5", "G5", "C6", "B5", "G5", "E5", "D5", "C5")):
        track.add(i * 0.35, bell(note(name), 1.2), 0.3)
    return track


def chime():
    track = Track(1.4)
    track.add(0, bell(note("E6"), 1.2), 0.5)
    track.add(0.15, bell(note("B6"), 1.2), 0.4)
    return track


def church_bell():
    track = Track(2.0)
    track.add(0, bell(note("G3"), 2.0), 0.7)
    track.add(0, bell(note("G4"), 1.5), 0.3)
    return track


def whoosh():
    seconds = 0.8
    swept = lowpass(noise(seconds, 37), lambda t: 300 + 3000 * t / seconds)
    track = Track(seconds)
    track.add(0, [v * math.sin(math.pi * i / len(swept)) ** 2
                  for i, v in enumerate(swept)])
    return track


def sparkle():
    track = Track(1.2)
    rng = random.Random(41)
    for i in range(10):
        freq = note("C6") * 2 ** (rng.randrange(0, 12) / 12)
        track.add(i * 0.06, pluck(freq, 0.5, decay=9.0), 0.3)
    return track


def thud():
    seconds = 0.6
    n = int(seconds * SR)
    body = [math.sin(TAU * (90 - 50 * i / n) * i / SR) * math.exp(-9 * i / SR)
            for i in range(n)]
    hit = lowpass(noise(0.05, 43), 900)
    track = Track(seconds)
    track.add(0, body, 0.9)
    track.add(0, hit, 0.6)
    return track


PIECES = {
    "Meadow_Theme": meadow_theme, "Dusk_Theme": dusk_theme,
    "Wind": wind, "Stream": stream,
    "Fanfare": fanfare, "Lullaby": lullaby,
    "Chime": chime, "Bell": church_bell, "Whoosh": whoosh,
    "Sparkle": sparkle, "Thud": thud,
}


# ---------------------------------------------------------------- encoding

def _write_wav(path, samples):
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(SR)
        out.writeframes(b"".join(
            struct.pack("<h", int(max(-1.0, min(1.0, v)) * 32767))
            for v in samples))


def _run(command):
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL)


def encode(samples, ogg_path, m4a_path, title, loop):
    """Writes both encodings. The loop tags come first among the comments so
    that they lie in the first segment of the comment packet, where players
    that scan the raw pages look for them."""
    work = tempfile.mkdtemp(prefix="sample-audio-")
    try:
        wav = os.path.join(work, "in.wav")
        raw_ogg = os.path.join(work, "raw.ogg")
        _write_wav(wav, samples)
        serial = zlib.crc32(title.encode("utf-8")) & 0x7FFFFFFF
        _run(["oggenc", "-Q", "-q", "0", "--serial", str(serial), "-o",
              raw_ogg, wav])
        tags = []
        if loop is not None:
            tags += ["-t", "LOOPSTART=%d" % loop[0],
                     "-t", "LOOPLENGTH=%d" % loop[1]]
        tags += ["-t", "TITLE=" + title.replace("_", " ")]
        _run(["vorbiscomment", "-w"] + tags + [raw_ogg, ogg_path])
        _run(["ffmpeg", "-nostdin", "-v", "error", "-y", "-i", wav,
              "-c:a", "aac", "-b:a", "40k", "-map_metadata", "-1",
              "-flags", "+bitexact", "-fflags", "+bitexact", m4a_path])
    finally:
        shutil.rmtree(work)


def write_audio(root):
    for channel, sounds in catalogue.SOUNDS.items():
        folder = os.path.join(root, "audio", channel)
        os.makedirs(folder, exist_ok=True)
        for name, loop in sounds.items():
            samples = PIECES[name]().normalized()
            if loop is not None:
                assert loop[0] + loop[1] <= len(samples), name
            encode(samples, os.path.join(folder, name + ".ogg"),
                   os.path.join(folder, name + ".m4a"), name, loop)
