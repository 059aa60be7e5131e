"""The kitchen tune: music/tune.txt played by a small synthesiser band.

The tune is rendered as one exact loop: a note that rings past the end is
folded back onto the start, so the last sample runs straight into the first.
"""
import math
import random
import subprocess

from audio import CHORDS, RATE, frequency, normalise, write_wav

TAU = 2 * math.pi


# --- reading the tune --------------------------------------------------------

class Section:
    def __init__(self):
        self.chords = []    # per bar: list of chord names
        self.melody = []    # per bar: list of (note or None, beats)
        self.bells = False


def read_tune(path):
    tempo, form, sections, current = 120, [], {}, None
    with open(path, encoding="utf-8") as f:
        for raw in f:
            line = raw.split("#", 1)[0].strip()
            if not line:
                continue
            word, _, rest = line.partition(" ")
            if word == "tempo":
                tempo = float(rest)
            elif word == "form":
                form = rest.split()
            elif word == "section":
                name, *more = rest.split()
                current = sections[name] = Section()
                if more and more[0] == "like":
                    model = sections[more[1]]
                    current.chords, current.melody = model.chords, model.melody
                    current.bells = "bells" in more[2:]
            elif word == "chords":
                current.chords = [bar.split() for bar in rest.split("|")]
            elif word == "melody":
                current.melody = [
                    [(None if n == "-" else n, float(b))
                     for n, b in (tok.split(":") for tok in bar.split())]
                    for bar in rest.split("|")]
    for name in form:
        for bar in sections[name].melody:
            assert abs(sum(b for _, b in bar) - 4) < 1e-9, (name, bar)
    return tempo, [sections[name] for name in form]


def chord_notes(name, octave):
    """"Am" -> the three frequencies of A minor with its root in octave."""
    root = name[0] + (name[1] if len(name) > 1 and name[1] in "#b" else "")
    quality = name[len(root):]
    base = frequency(f"{root}{octave}")
    return [base * 2 ** (step / 12) for step in CHORDS[quality]]


# --- the band ----------------------------------------------------------------

class Track:
    """A stereo loop of fixed length; add() wraps past the end."""

    def __init__(self, length):
        self.length = length
        self.left = [0.0] * length
        self.right = [0.0] * length

    def add(self, start, samples, gain, pan):
        gl, gr = gain * (1 - pan) ** .5, gain * (1 + pan) ** .5
        n = self.length
        for i, s in enumerate(samples):
            j = (start + i) % n
            self.left[j] += s * gl
            self.right[j] += s * gr


def marimba(freq, seconds):
    """Bright mallet: a fundamental, a fourth-harmonic overtone, quick decay."""
    n = int(RATE * (seconds + .35))
    out = []
    for i in range(n):
        t = i / RATE
        env = min(1.0, t / .004) * math.exp(-t / .28)
        out.append(env * (math.sin(TAU * freq * t)
                          + .35 * math.exp(-t / .05) * math.sin(TAU * 3.98 * freq * t)
                          + .12 * math.sin(TAU * 2 * freq * t)))
    return out


def bell(freq):
    """Glockenspiel: high, pure, long ring with an inharmonic shimmer."""
    n = int(RATE * .9)
    return [min(1.0, i / 60) * math.exp(-i / RATE / .3)
            * (math.sin(TAU * freq * i / RATE)
               + .25 * math.sin(TAU * 2.76 * freq * i / RATE) * math.exp(-i / RATE / .08))
            for i in range(n)]


def pluck(freq, seconds, rng):
    """Plucked string (Karplus-Strong), for the off-beat ukulele chords."""
    period = max(2, int(round(RATE / freq)))
    buf = [rng.uniform(-1, 1) for _ in range(period)]
    n = int(RATE * seconds)
    out = []
    for i in range(n):
        k = i % period
        s = buf[k]
        buf[k] = .996 * .5 * (s + buf[(k + 1) % period])
        out.append(s * min(1.0, (n - i) / 400))
    return out


def bass(freq, seconds):
    n = int(RATE * seconds)
    return [min(1.0, i / 80) * min(1.0, (n - i) / 600) * math.exp(-i / RATE / .6)
            * (math.sin(TAU * freq * i / RATE) + .5 * math.sin(TAU * 2 * freq * i / RATE))
            for i in range(n)]


def kick():
    n = int(RATE * .16)
    out, phase = [], 0.0
    for i in range(n):
        t = i / RATE
        phase += TAU * (48 + 90 * math.exp(-t / .03)) / RATE
        out.append(math.sin(phase) * math.exp(-t / .05))
    return out


def shaker(rng):
    n = int(RATE * .05)
    out, prev = [], 0.0
    for i in range(n):
        w = rng.uniform(-1, 1)
        out.append((w - prev) * .5 * math.exp(-i / RATE / .012))
        prev = w
    return out


def block(freq=1400):
    """Wood-block tick: a spoon tapping the counter on the back beat."""
    n = int(RATE * .06)
    return [math.sin(TAU * freq * i / RATE) * math.exp(-i / RATE / .012)
            for i in range(n)]


def render(tempo, sections):
    beat = 60.0 / tempo
    bars = sum(len(s.melody) for s in sections)
    track = Track(int(round(bars * 4 * beat * RATE)))
    rng = random.Random(2024)
    at = lambda beats: int(round(beats * beat * RATE))
    bar_start = 0.0
    tick, hit = block(), kick()
    for section in sections:
        for chords, melody in zip(section.chords, section.melody):
            pos = bar_start
            for note, beats in melody:
                if note:
                    f = frequency(note)
                    track.add(at(pos), marimba(f, beats * beat), .30, -.15)
                    if section.bells:
                        track.add(at(pos), bell(2 * f), .10, .35)
                pos += beats
            span = 4 / len(chords)
            for c, name in enumerate(chords):
                start = bar_start + c * span
                root = chord_notes(name, 2)[0]
                for b in range(int(span)):
                    f = root if b % 2 == 0 else root * 1.5   # root, fifth
                    track.add(at(start + b), bass(f, beat * .9), .32, 0)
                    # the off-beat "chop" of the ukulele
                    for k, f in enumerate(chord_notes(name, 4)):
                        track.add(at(start + b + .5) + 90 * k,
                                  pluck(f, beat * .45, rng), .12, .3)
            for b in range(4):
                if b % 2 == 0:
                    track.add(at(bar_start + b), hit, .28, 0)
                else:
                    track.add(at(bar_start + b), tick, .10, -.3)
                for half in (0, .5):
                    track.add(at(bar_start + b + half), shaker(rng),
                              .16 if half else .08, .45)
            bar_start += 4
    return normalise([track.left, track.right], .89)


def build_music(tune_path, wav_path, ogg_path):
    tempo, sections = read_tune(tune_path)
    write_wav(wav_path, render(tempo, sections))
    # A fixed stream serial number keeps the file identical run to run.
    subprocess.run(["oggenc", "--quiet", "--serial", "20240601", "-q", "3",
                    "-o", ogg_path, wav_path], check=True)
