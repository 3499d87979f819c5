"""The 26 sound effects: short synthesised WAV files (8-bit mono PCM, 22,050 Hz). One family of
timbres runs through them all: soft wooden mallets and small bells tuned to A major, paper swishes
and clicks from filtered noise. The noise and the dither come from a fixed-seed generator, so the
files are the same on every run.
"""

import math
import struct

RATE = 22050
PEAK = 0.72          # loudest sample as a fraction of full scale: no clipping, some headroom

# Pitches of A major (Hz).
A3, CS4, E4, FS4 = 220.0, 277.18, 329.63, 369.99
A4, B4, CS5, D5, E5, FS5 = 440.0, 493.88, 554.37, 587.33, 659.26, 739.99
A5, B5, CS6, E6 = 880.0, 987.77, 1108.73, 1318.51

WOOD = [(1.0, 1.0), (3.93, 0.22), (9.1, 0.05)]
BELL = [(1.0, 1.0), (2.0, 0.32), (3.01, 0.12), (4.17, 0.06), (5.43, 0.025)]
SOFT = [(1.0, 1.0), (2.0, 0.12), (3.0, 0.04)]


class Noise:
    """A small linear congruential generator: white noise in -1..1, the same on every run."""

    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF

    def next(self):
        self.state = (self.state * 1664525 + 1013904223) & 0xFFFFFFFF
        return self.state / 2147483648.0 - 1.0


class Track:
    """A mono buffer of floats that voices are added into."""

    def __init__(self, seconds):
        self.samples = [0.0] * int(round(seconds * RATE))

    def tone(self, at, seconds, freq, partials=SOFT, level=1.0, attack=0.004, decay=0.12,
             glide_to=None):
        """A pitched voice: partials over a base frequency that may glide, with an exponential
        decay after a short linear attack."""
        start = int(at * RATE)
        count = min(int(seconds * RATE), len(self.samples) - start)
        phase = 0.0
        for n in range(count):
            t = n / RATE
            f = freq if glide_to is None else freq * (glide_to / freq) ** (t / seconds)
            phase += 2 * math.pi * f / RATE
            env = (t / attack if t < attack else 1.0) * math.exp(-t / decay)
            value = 0.0
            for mult, amp in partials:
                # Higher partials die away faster, as on a struck bar.
                value += amp * math.sin(phase * mult) * math.exp(-t * (mult - 1) * 6.0)
            self.samples[start + n] += level * env * value

    def noise(self, at, seconds, seed, low, high, level=1.0, attack=0.01, decay=0.05,
              sweep_to=None):
        """Band-limited noise: white noise through a one-pole high-pass at `low` and low-pass at
        `high` (both may sweep by the factor `sweep_to`)."""
        source = Noise(seed)
        start = int(at * RATE)
        count = min(int(seconds * RATE), len(self.samples) - start)
        lp = hp_in = hp_out = 0.0
        for n in range(count):
            t = n / RATE
            k = 1.0 if sweep_to is None else sweep_to ** (t / seconds)
            a_low = 1.0 - math.exp(-2 * math.pi * min(high * k, RATE * 0.45) / RATE)
            a_high = math.exp(-2 * math.pi * low * k / RATE)
            x = source.next()
            lp += a_low * (x - lp)
            hp_out = a_high * (hp_out + lp - hp_in)
            hp_in = lp
            env = (t / attack if t < attack else 1.0) * math.exp(-t / decay)
            self.samples[start + n] += level * env * hp_out * 3.0

    def click(self, at, freq=2200.0, level=0.6, seed=7):
        """A short dry tick: a few milliseconds of bright noise and a tiny ping."""
        self.noise(at, 0.012, seed, 1500, 7000, level * 0.8, attack=0.0005, decay=0.0025)
        self.tone(at, 0.03, freq, [(1.0, 1.0)], level * 0.5, attack=0.0005, decay=0.006)


def _finish(track, seed):
    """Normalised, faded at both ends and quantised to unsigned 8-bit with triangular dither."""
    samples = track.samples
    peak = max(abs(v) for v in samples) or 1.0
    gain = PEAK / peak
    fade_in, fade_out = int(0.002 * RATE), int(0.010 * RATE)
    n = len(samples)
    dither = Noise(seed)
    out = bytearray(n)
    for i, v in enumerate(samples):
        v *= gain
        if i < fade_in:
            v *= i / fade_in
        if i >= n - fade_out:
            v *= (n - 1 - i) / fade_out
        level = 128.0 + v * 127.0 + (dither.next() + dither.next()) * 0.5
        if i == 0 or i == n - 1:
            level = 128.0
        out[i] = max(1, min(255, int(round(level))))
    return bytes(out)


def wav(pcm):
    """A complete WAV file: RIFF, a PCM format chunk (mono, 8 bits) and the data chunk."""
    pad = b"\0" if len(pcm) % 2 else b""
    fmt = struct.pack("<HHIIHH", 1, 1, RATE, RATE, 1, 8)
    body = (b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" +
            struct.pack("<I", len(pcm)) + pcm + pad)
    return b"RIFF" + struct.pack("<I", len(body)) + body


# ---- the effects; each returns a Track ----

def about():
    t = Track(0.56)
    for i, f in enumerate((A4, CS5, E5, A5)):
        t.tone(i * 0.07, 0.5 - i * 0.07, f, BELL if i == 3 else WOOD, 0.8, decay=0.22 if i == 3 else 0.1)
    return t


def cancel():
    t = Track(0.24)
    t.tone(0.0, 0.1, E5, WOOD, 0.8, decay=0.05)
    t.tone(0.08, 0.16, A4, WOOD, 0.9, decay=0.06, glide_to=A4 * 0.97)
    return t


def folder_up():
    t = Track(0.09)
    t.tone(0.0, 0.09, 620.0, WOOD, 1.0, decay=0.035, glide_to=930.0)
    return t


def folder_down():
    t = Track(0.09)
    t.tone(0.0, 0.09, 930.0, WOOD, 1.0, decay=0.035, glide_to=620.0)
    return t


def drive():
    t = Track(0.15)
    t.tone(0.0, 0.08, E4, WOOD, 1.0, decay=0.03)
    t.tone(0.05, 0.1, A4, WOOD, 0.9, decay=0.035)
    t.click(0.0, 1800.0, 0.4, seed=11)
    return t


def exit_sound():
    t = Track(0.72)
    for i, f in enumerate((A5, E5, CS5, A4)):
        t.tone(i * 0.11, 0.72 - i * 0.11, f, BELL, 0.7 + i * 0.08, decay=0.09 if i < 3 else 0.2)
    t.tone(0.33, 0.39, A3, SOFT, 0.35, attack=0.02, decay=0.18)
    return t


def ok():
    t = Track(0.19)
    t.tone(0.0, 0.08, A4, WOOD, 0.8, decay=0.04)
    t.tone(0.06, 0.13, E5, WOOD, 0.9, decay=0.05)
    return t


def browse():
    t = Track(0.21)
    t.noise(0.0, 0.17, 21, 700, 2400, 1.0, attack=0.04, decay=0.06, sweep_to=1.8)
    t.tone(0.15, 0.06, FS5, WOOD, 0.35, decay=0.02)
    return t


def stop():
    t = Track(0.16)
    t.tone(0.0, 0.16, 190.0, SOFT, 1.0, attack=0.002, decay=0.05, glide_to=110.0)
    t.click(0.0, 1200.0, 0.35, seed=31)
    return t


def done():
    t = Track(0.42)
    t.tone(0.0, 0.2, E5, BELL, 0.6, decay=0.1)
    t.tone(0.0, 0.2, A5, BELL, 0.5, decay=0.1)
    t.tone(0.12, 0.3, CS6, BELL, 0.7, decay=0.13)
    return t


def warning():
    t = Track(0.32)
    for at in (0.0, 0.15):
        t.tone(at, 0.14, 311.13, [(1.0, 1.0), (3.0, 0.2), (5.0, 0.08)], 0.9, attack=0.006,
               decay=0.06)
    return t


def info():
    t = Track(0.3)
    t.tone(0.0, 0.3, CS6 * 0.96, BELL, 1.0, decay=0.11, glide_to=CS6)
    return t


def copy_save():
    t = Track(0.2)
    t.tone(0.0, 0.08, A5, WOOD, 0.9, decay=0.03)
    t.tone(0.08, 0.12, A5, WOOD, 0.9, decay=0.035)
    return t


def page_flip():
    t = Track(0.12)
    t.noise(0.0, 0.1, 41, 1800, 6000, 1.0, attack=0.008, decay=0.025, sweep_to=0.5)
    t.click(0.07, 2600.0, 0.25, seed=43)
    return t


def message():
    t = Track(0.4)
    t.tone(0.0, 0.4, E5, BELL, 0.8, decay=0.14)
    t.tone(0.0, 0.4, B5, BELL, 0.45, decay=0.12)
    return t


def rename():
    t = Track(0.16)
    for i, f in enumerate((2400.0, 2100.0, 2700.0)):
        t.click(i * 0.045, f, 0.8, seed=51 + i)
    return t


def move():
    t = Track(0.25)
    t.tone(0.0, 0.2, A4, WOOD, 0.9, decay=0.09, glide_to=A5)
    t.click(0.19, 2000.0, 0.35, seed=61)
    return t


def delete():
    t = Track(0.32)
    t.noise(0.0, 0.3, 71, 200, 3500, 1.0, attack=0.01, decay=0.09, sweep_to=0.2)
    t.tone(0.0, 0.28, 620.0, SOFT, 0.5, decay=0.09, glide_to=190.0)
    return t


def setup():
    t = Track(0.26)
    at = 0.0
    for i in range(5):
        t.click(at, 1500.0 + i * 220.0, 0.75, seed=81 + i)
        at += 0.055 - i * 0.006
    t.tone(0.2, 0.06, E5, WOOD, 0.4, decay=0.02)
    return t


def radio():
    t = Track(0.055)
    t.click(0.0, 2200.0, 1.0, seed=91)
    return t


def check():
    t = Track(0.06)
    t.click(0.0, 1600.0, 0.9, seed=93)
    t.click(0.018, 1900.0, 0.7, seed=94)
    return t


def tab():
    t = Track(0.11)
    t.noise(0.0, 0.08, 101, 900, 2600, 0.7, attack=0.015, decay=0.025)
    t.tone(0.03, 0.08, FS5, WOOD, 0.6, decay=0.03)
    return t


def question():
    t = Track(0.34)
    t.tone(0.0, 0.12, E5, BELL, 0.7, decay=0.06)
    t.tone(0.1, 0.24, A5 * 0.94, BELL, 0.9, decay=0.1, glide_to=A5 * 1.02)
    return t


def launch():
    t = Track(0.22)
    t.tone(0.0, 0.07, 300.0, SOFT, 0.9, attack=0.002, decay=0.04, glide_to=1200.0)
    t.tone(0.05, 0.17, E6, BELL, 0.4, decay=0.06)
    return t


def search():
    t = Track(0.46)
    for at, level in ((0.0, 1.0), (0.15, 0.4), (0.3, 0.16)):
        t.tone(at, 0.46 - at, A5, [(1.0, 1.0), (2.0, 0.15)], level, attack=0.003, decay=0.07)
    return t


def start():
    t = Track(0.33)
    t.tone(0.0, 0.12, E4, SOFT, 0.7, decay=0.08, glide_to=E5 * 1.5)
    for f in (A4, CS5, E5):
        t.tone(0.11, 0.22, f, BELL, 0.45, decay=0.1)
    return t


# Number -> (file name, what it accompanies, maker).
EFFECTS = {
    1: ("about", "About button", about),
    2: ("cancel", "Cancel and closing a dialog without keeping", cancel),
    3: ("folder_up", "folder browser: up to an ancestor folder", folder_up),
    4: ("folder_down", "folder browser: into a subfolder", folder_down),
    5: ("drive", "folder browser: another drive", drive),
    6: ("exit", "leaving the program (played to the end)", exit_sound),
    7: ("ok", "OK and closing a dialog", ok),
    8: ("browse", "opening the folder browser", browse),
    9: ("stop", "stopping media playback", stop),
    10: ("done", "spare: a finished job", done),
    11: ("warning", "spare: a refused action", warning),
    12: ("info", "file information", info),
    13: ("copy_save", "copy files; save a catalogue entry", copy_save),
    14: ("page_flip", "spare: turning a page", page_flip),
    15: ("message", "message box", message),
    16: ("rename", "rename files", rename),
    17: ("move", "move files", move),
    18: ("delete", "delete files", delete),
    19: ("setup", "opening the options dialog", setup),
    20: ("radio", "radio button", radio),
    21: ("check", "check box", check),
    22: ("tab", "switching panels", tab),
    23: ("question", "question box", question),
    24: ("launch", "volume mixer, editor, web page (another program starts)", launch),
    25: ("search", "database and drive search", search),
    26: ("start", "starting a long job (search, sort, export, web page, submission, update)", start),
}


def effect_file_name(number):
    return "sound_%02d_%s.wav" % (number, EFFECTS[number][0])


def effect_wav(number):
    return wav(_finish(EFFECTS[number][2](), seed=1000 + number))


def parse_wav(data):
    """(rate, channels, bits, sample bytes) of a PCM WAV file, for the self-checks."""
    if data[:4] != b"RIFF" or data[8:12] != b"WAVE":
        raise ValueError("not a RIFF WAVE file")
    if struct.unpack_from("<I", data, 4)[0] != len(data) - 8:
        raise ValueError("RIFF size does not match the file")
    pos = 12
    fmt = None
    while pos + 8 <= len(data):
        tag, size = data[pos:pos + 4], struct.unpack_from("<I", data, pos + 4)[0]
        body = data[pos + 8:pos + 8 + size]
        if tag == b"fmt ":
            fmt = struct.unpack_from("<HHIIHH", body, 0)
        elif tag == b"data":
            if fmt is None or fmt[0] != 1:
                raise ValueError("data before a PCM format chunk")
            return fmt[2], fmt[1], fmt[5], body
        pos += 8 + size + (size & 1)
    raise ValueError("no data chunk")
