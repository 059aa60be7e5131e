"""The catch sound, synthesised from scratch, and the helpers the tune shares.

Everything is plain arithmetic on seeded noise, so the same sources always
give the same samples (and oggenc with a fixed serial the same file).
"""
import math
import random
import struct
import wave

RATE = 44100
NOTE_NAMES = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}
CHORDS = {"": (0, 4, 7), "m": (0, 3, 7)}


def frequency(note):
    """"A4" -> 440.0; sharps with '#', flats with 'b'."""
    pitch = NOTE_NAMES[note[0]]
    rest = note[1:]
    while rest and rest[0] in "#b":
        pitch += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    midi = 12 * (int(rest) + 1) + pitch
    return 440.0 * 2 ** ((midi - 69) / 12)


def write_wav(path, channels):
    """16-bit PCM; channels is a list of equally long float lists in -1..1."""
    frames = bytearray()
    for samples in zip(*channels):
        for s in samples:
            frames += struct.pack("<h", int(round(max(-1.0, min(1.0, s)) * 32767)))
    with wave.open(path, "wb") as w:
        w.setnchannels(len(channels))
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(bytes(frames))


def normalise(channels, peak):
    top = max(abs(s) for c in channels for s in c)
    return [[s * peak / top for s in c] for c in channels]


# --- the catch: a pot lid struck with a spoon ------------------------------

# Partials of a thin metal disc (ratios to the lowest mode), with loudness
# and decay time. Close pairs beat against each other, which makes it shimmer.
LID_PARTIALS = [(1.00, 1.0, .42), (1.013, .6, .40), (1.59, .8, .30),
                (2.14, .7, .24), (2.30, .5, .20), (2.65, .45, .16),
                (2.92, .35, .13), (3.50, .30, .10), (4.07, .22, .08),
                (5.17, .18, .06), (6.23, .16, .045), (7.41, .13, .035),
                (8.86, .10, .028), (10.3, .08, .022)]
LID_BASE = 612.0
LID_SECONDS = 0.75


def pot_lid():
    n = int(RATE * LID_SECONDS)
    noise = random.Random(7)
    out = []
    previous = 0.0
    for i in range(n):
        t = i / RATE
        ring = sum(a * math.exp(-t / tau) * math.sin(2 * math.pi * LID_BASE * r * t)
                   for r, a, tau in LID_PARTIALS)
        # the spoon's click: bright noise over the first few milliseconds
        white = noise.uniform(-1, 1)
        click = (white - previous) * 1.4 * math.exp(-t / .006)
        previous = white
        attack = min(1.0, t / .0015)
        fade = min(1.0, (LID_SECONDS - t) / .08)   # ends on silence
        out.append((ring * attack + click) * fade)
    return normalise([out], 0.7)[0]


def build_catch_sound(path):
    write_wav(path, [pot_lid()])
