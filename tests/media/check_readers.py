#!/usr/bin/env python3
"""Checks the media readers of brindwax-cli against independent readers.

Generates MP3 files (lame, twolame, and Layer I frames written here), WAV files (sox),
MIDI files (written here) and AVI, MPEG and QuickTime files (ffmpeg) into a temporary
folder, reads each with `brindwax-cli mp3info` / `mediainfo` and with mediainfo or ffprobe,
and compares. The last line says "N passed, N failed".

usage: check_readers.py BRINDWAX-CLI [TESTDATA-MP3-FOLDER]
"""
import json
import os
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

CLI = sys.argv[1]
REAL_MP3 = sys.argv[2] if len(sys.argv) > 2 else "/work/shared/testdata/mp3"

passed = 0
failed = 0


def check(what, expected, actual):
    global passed, failed
    if expected == actual:
        passed += 1
    else:
        failed += 1
        print(f"FAIL: {what}: expected {expected!r}, got {actual!r}")


def run(args, **kw):
    return subprocess.run(args, stdout=subprocess.PIPE, stderr=subprocess.PIPE, **kw)


def blocks(output, paths):
    """Splits multi-file output ("==> FILE <==" headers) into {path: {label: text}}."""
    result = {p: {} for p in paths}
    current = paths[0] if len(paths) == 1 else None
    for line in output.splitlines():
        if line.startswith("==> ") and line.endswith(" <=="):
            current = line[4:-4]
            continue
        if current is None or ": " not in line and not line.endswith(":"):
            continue
        label, _, text = line.partition(": ")
        result[current][label.rstrip(":") + ":"] = text
    return result


def cli_fields(command, paths):
    out = run([CLI, command] + paths).stdout.decode("utf-8", "replace")
    return blocks(out, paths)


def in_batches(items, size=200):
    for i in range(0, len(items), size):
        yield items[i:i + size]


# --- MP3: the five header texts against mediainfo's trace of the first frame ---

VERSION_TEXT = {"MPA1": "MPEG Version 1.0", "MPA2": "MPEG Version 2.0", "MPA2.5": "MPEG Version 2.5"}
LAYER_TEXT = {"L1": "Layer I", "L2": "Layer II", "L3": "Layer III"}
MODE_TEXT = {"Stereo": "Stereo", "Joint stereo": "Joint Stereo", "Dual mono": "Dual Channel",
             "Mono": "Single Channel"}


def mode_text(mode):
    # The trace names joint stereo and dual mono; plain stereo and mono only by channels.
    named = mode.get("info3")
    if named:
        return MODE_TEXT.get(named, "?")
    return {"1 channels": "Single Channel", "2 channels": "Stereo"}.get(mode.get("info2"), "?")


def mediainfo_first_frames(paths):
    """{path: five texts} from mediainfo's bit-stream trace of each file's first frame."""
    found = {}
    for batch in in_batches(paths):
        xml = run(["mediainfo", "--Details=1", "--Output=XML"] + batch).stdout
        root = ET.fromstring(xml)
        for media in root.iter():
            if not media.tag.endswith("media"):
                continue
            ref = media.get("ref")
            for block in media.iter():
                if not (block.tag.endswith("block") and block.get("name") == "Header"):
                    continue
                data = {d.get("name"): d for d in block if d.tag.endswith("data")}
                if "bitrate_index" not in data:
                    continue
                kbps = data["bitrate_index"].get("info2")
                found[ref] = {
                    "Bit Rate:": kbps if kbps and kbps.endswith(" Kbps") else "",
                    "Sample Rate:": data["sampling_frequency"].get("info2"),
                    "Channel Mode:": mode_text(data["mode"]),
                    "Layer:": LAYER_TEXT.get(data["layer"].get("info2"), "?"),
                    "Version:": VERSION_TEXT.get(data["ID"].get("info2"), "?"),
                }
                break
    return found


MPG123_MODE = {"stereo": "Stereo", "j-s": "Joint Stereo", "dual": "Dual Channel", "mono": "Single Channel"}
MPG123_LAYER = {"I": "Layer I", "II": "Layer II", "III": "Layer III"}


def mpg123_first_frames(paths):
    """{path: texts} as mpg123 reports the first frame ("MPEG 1.0 L III cbr128 44100 j-s");
    the bit rate only for constant-rate files, since it names the others "vbr"."""
    found = {}
    for batch in in_batches(paths):
        out = run(["mpg123", "-t", "-n", "1", "-v"] + batch).stderr.decode("utf-8", "replace")
        current = None
        for line in out.splitlines():
            if line.startswith("Playing MPEG stream "):
                name = line.split(": ", 1)[1].rsplit(" ...", 1)[0]
                current = next((p for p in batch if p == name or p.endswith("/" + name)), None)
                continue
            parts = line.split()
            if current is None or len(parts) != 7 or parts[0] != "MPEG":
                continue
            texts = {"Version:": "MPEG Version " + parts[1], "Layer:": MPG123_LAYER.get(parts[3], "?"),
                     "Sample Rate:": parts[5] + " Hz", "Channel Mode:": MPG123_MODE.get(parts[6], "?")}
            if parts[4].startswith("cbr"):
                texts["Bit Rate:"] = parts[4][3:] + " Kbps"
            found[current] = texts
            current = None
    return found


def tone(folder, rate, channels, seconds=0.15):
    path = os.path.join(folder, f"tone_{rate}_{channels}.wav")
    if not os.path.exists(path):
        run(["sox", "-n", "-r", str(rate), "-c", str(channels), "-b", "16", path,
             "synth", str(seconds), "sine", "440", "sine", "660"], check=True)
    return path


MPEG1_RATES = [32000, 44100, 48000]
MPEG2_RATES = [16000, 22050, 24000]
MPEG25_RATES = [8000, 11025, 12000]
L3_MPEG1_KBPS = [32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320]
LOW_KBPS = [8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160]
L2_MPEG1_KBPS = [32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384]
L1_MPEG1_KBPS = [32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448]
L1_MPEG2_KBPS = [32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256]
MODES = ["s", "j", "d", "m"]


def make_lame(folder):
    made = []
    jobs = []
    for rates, table in ((MPEG1_RATES, L3_MPEG1_KBPS), (MPEG2_RATES, LOW_KBPS), (MPEG25_RATES, LOW_KBPS[:8])):
        for i, kbps in enumerate(table):
            for j, mode in enumerate(MODES):
                rate = rates[(i + j) % 3]
                source = tone(folder, rate, 1 if mode == "m" else 2)
                out = os.path.join(folder, f"l3_{rate}_{kbps}_{mode}.mp3")
                # Most without the encoder's info frame, so the first frame is audio; some with it.
                extra = [] if (i + j) % 3 == 0 else ["-t"]
                jobs.append((["lame", "--quiet", "--cbr", "-b", str(kbps), "-m", mode,
                              "--resample", str(rate / 1000)] + extra + [source, out], out))
    for args, out in jobs:
        if run(args).returncode == 0 and os.path.getsize(out) > 0:
            made.append(out)
    return made


def make_twolame(folder):
    made = []
    for rates, table in ((MPEG1_RATES, L2_MPEG1_KBPS), (MPEG2_RATES, LOW_KBPS)):
        for i, kbps in enumerate(table):
            for j, mode in enumerate(MODES):
                rate = rates[(i + j) % 3]
                source = tone(folder, rate, 1 if mode == "m" else 2)
                out = os.path.join(folder, f"l2_{rate}_{kbps}_{mode}.mp2")
                # twolame refuses the rate and mode pairs Layer II does not allow.
                if run(["twolame", "--quiet", "-b", str(kbps), "-m", mode, source, out]).returncode == 0 \
                        and os.path.exists(out) and os.path.getsize(out) > 0:
                    made.append(out)
    return made


def layer1_file(path, version_bits, rate_index, kbps_index, kbps, rate, mode):
    """Frames of silence: a header and an all-zero body allocate no bits to any band."""
    header = 0xFFE00000 | (version_bits << 19) | (3 << 17) | (1 << 16) | (kbps_index << 12) \
        | (rate_index << 10) | (mode << 6)
    length = (12 * kbps * 1000 // rate) * 4
    frame = struct.pack(">I", header) + bytes(length - 4)
    with open(path, "wb") as out:
        out.write(frame * 12)


def make_layer1(folder):
    made = []
    for version_bits, rates, table in ((3, MPEG1_RATES, L1_MPEG1_KBPS), (2, MPEG2_RATES, L1_MPEG2_KBPS)):
        rate_order = {3: [44100, 48000, 32000], 2: [22050, 24000, 16000]}[version_bits]
        for i, kbps in enumerate(table):
            for mode in range(4):
                rate_index = (i + mode) % 3
                rate = rate_order[rate_index]
                path = os.path.join(folder, f"l1_{version_bits}_{rate}_{kbps}_{mode}.mp1")
                layer1_file(path, version_bits, rate_index, i + 1, kbps, rate, mode)
                made.append(path)
    return made


def make_tagged(folder):
    """Tags before the audio: a sync pair inside a UTF-16 frame, and several tags in a row."""
    audio = os.path.join(folder, "l3_44100_128_j.mp3")
    if not os.path.exists(audio):
        return []
    with open(audio, "rb") as f:
        frames = f.read()

    def frame(fid, body):
        return fid + struct.pack(">I", len(body)) + b"\0\0" + body

    def tag(body):
        size = len(body)
        safe = bytes([(size >> 21) & 0x7F, (size >> 14) & 0x7F, (size >> 7) & 0x7F, size & 0x7F])
        return b"ID3\x03\x00\x00" + safe + body

    album = frame(b"TALB", b"\x01\xff\xfe" + "\u30a1\u30a2".encode("utf-16-le"))
    title = frame(b"TIT2", b"\x00Sync Inside")
    one = os.path.join(folder, "tag_sync.mp3")
    with open(one, "wb") as f:
        f.write(tag(album + title + bytes(64)) + frames)
    two = os.path.join(folder, "tag_twice.mp3")
    with open(two, "wb") as f:
        f.write(tag(title) + tag(album + b"\xff\xfb\xff\xff") + frames)
    return [one, two]


def check_mp3(folder):
    files = make_lame(folder) + make_twolame(folder) + make_layer1(folder) + make_tagged(folder)
    real = sorted(os.path.join(REAL_MP3, n) for n in os.listdir(REAL_MP3) if n.endswith(".mp3")) \
        if os.path.isdir(REAL_MP3) else []
    files += real
    reference = mediainfo_first_frames(files)
    ours = {}
    for batch in in_batches(files):
        ours.update(cli_fields("mp3info", batch))
    combos = set()
    for path in files:
        if path not in reference:
            check(f"mediainfo reads {os.path.basename(path)}", True, False)
            continue
        check(f"header texts of {os.path.basename(path)}", reference[path], ours.get(path))
        r = reference[path]
        combos.add((r["Version:"], r["Layer:"], r["Bit Rate:"], r["Channel Mode:"]))
    print(f"MP3: {len(files)} files, {len(combos)} combinations of version, layer, bit rate and mode")
    # A second reader for the encoders' files and the real ones.
    encoded = [p for p in files if not p.endswith(".mp1")]
    second = mpg123_first_frames(encoded)
    for path in encoded:
        theirs = second.get(path)
        if theirs is None:
            check(f"mpg123 reads {os.path.basename(path)}", True, False)
            continue
        mine = {label: ours.get(path, {}).get(label) for label in theirs}
        check(f"header texts of {os.path.basename(path)} as mpg123 reads them", theirs, mine)
    return real


# --- MP3 information: tags and length against mediainfo ---

def mediainfo_json(paths):
    found = {}
    for batch in in_batches(paths, 100):
        out = json.loads(run(["mediainfo", "--Output=JSON"] + batch).stdout or b"[]")
        for entry in out if isinstance(out, list) else [out]:
            media = entry.get("media") or {}
            found[media.get("@ref")] = media.get("track", [])
    return found


def track_of(tracks, kind):
    for t in tracks:
        if t.get("@type") == kind:
            return t
    return {}


def seconds_of(text):
    """Our length text ("1:23.456 Minutes", "999 Milliseconds") in seconds."""
    figure = text.split(" ")[0]
    if "." not in figure:
        return int(figure) / 1000.0
    whole, _, millis = figure.partition(".")
    parts = [int(p) for p in whole.split(":")]
    seconds = 0
    for p in parts:
        seconds = seconds * 60 + p
    return seconds + int(millis) / 1000.0


def close(a, b, absolute, relative):
    return abs(a - b) <= absolute + relative * max(abs(a), abs(b))


def check_mp3_info(folder, real):
    files = []
    for tags, name in ((["--id3v2-only"], "v2"), (["--id3v1-only"], "v1"),
                       (["--id3v2-only", "--id3v2-utf16"], "v2u")):
        out = os.path.join(folder, f"tagged_{name}.mp3")
        run(["lame", "--quiet", "-b", "96", "--tt", "Caf\u00e9 Song", "--ta", "Some Artist",
             "--tl", "The Album", "--ty", "1999"] + tags + [tone(folder, 44100, 2, 1.0), out], check=True)
        files.append(out)
    vbr = os.path.join(folder, "vbr.mp3")
    run(["lame", "--quiet", "-V", "4", tone(folder, 44100, 2, 1.0), vbr], check=True)
    files += [vbr] + real
    reference = mediainfo_json(files)
    ours = {}
    for path in files:
        ours.update(cli_fields("mediainfo", [path]))
    for path in files:
        general = track_of(reference.get(path, []), "General")
        mine = ours[path]
        name = os.path.basename(path)
        for label, key in (("Title:", "Title"), ("Artist:", "Performer"), ("Album:", "Album"),
                           ("Year:", "Recorded_Date")):
            expected = general.get(key, "")
            # The core shows UTF-16 text in Windows-1252: what it cannot hold becomes "?".
            expected = expected.encode("cp1252", "replace").decode("cp1252")
            check(f"{label} of {name}", expected, mine.get(label, ""))
        if "Duration" in general and "Length:" in mine:
            check(f"length of {name} ({general['Duration']} s, ours {mine['Length:']})", True,
                  close(float(general["Duration"]), seconds_of(mine["Length:"]), 0.05, 0.02))
        else:
            check(f"length of {name} is shown", True, "Length:" in mine)


# --- WAV against mediainfo ---

WAVE_CODEC = {"1": "PCM", "3": "IEEE Float", "6": "A-Law", "7": "\u00b5-Law", "11": "IMA ADPCM",
              "2": "Microsoft ADPCM", "31": "GSM 6.10"}


def check_wave(folder):
    specs = []
    for rate in (8000, 11025, 22050, 44100, 48000, 96000):
        for bits in (8, 16, 24, 32):
            for channels in (1, 2, 6):
                if (rate + bits + channels) % 3 == 0 or bits == 16:
                    specs.append((rate, ["-b", str(bits)], channels, f"pcm{bits}"))
    for encoding, extra in (("float", ["-e", "floating-point", "-b", "32"]), ("ulaw", ["-e", "u-law"]),
                            ("alaw", ["-e", "a-law"]), ("ima", ["-e", "ima-adpcm"]),
                            ("ms", ["-e", "ms-adpcm"]), ("gsm", ["-e", "gsm"])):
        for rate, channels in ((8000, 1), (22050, 2), (44100, 2)):
            if encoding == "gsm" and channels != 1:
                continue
            specs.append((rate, extra, channels, encoding))
    files = []
    for i, (rate, extra, channels, name) in enumerate(specs):
        path = os.path.join(folder, f"w_{name}_{rate}_{channels}_{i}.wav")
        seconds = 0.2 + (i % 7) * 0.37
        run(["sox", "-n", "-r", str(rate), "-c", str(channels)] + extra + [path, "synth", str(seconds),
             "sine", "300"], check=True)
        files.append(path)
    reference = mediainfo_json(files)
    ours = cli_fields("mediainfo", files)
    for path in files:
        audio = track_of(reference.get(path, []), "Audio")
        mine = ours[path]
        name = os.path.basename(path)
        codec = audio.get("CodecID", "")
        if "-" in codec:  # WAVE_FORMAT_EXTENSIBLE: the sub-format GUID
            codec = str(int(codec.split("-")[0], 16))
        check(f"format of {name}", WAVE_CODEC.get(codec, codec), mine.get("Format:"))
        channels = int(audio.get("Channels", "0"))
        check(f"channels of {name}", {1: "Mono", 2: "Stereo"}.get(channels, f"{channels} Channels"),
              mine.get("Channels:"))
        check(f"sample rate of {name}", audio.get("SamplingRate", "") + " Hz", mine.get("Sample Rate:"))
        if "BitDepth" in audio:
            check(f"bits of {name}", audio["BitDepth"] + " Bits", mine.get("Bits per Sample:"))
        exact = codec in ("1", "3", "6", "7")
        check(f"length of {name} ({audio.get('Duration')} s, ours {mine.get('Length:')})", True,
              "Length:" in mine and close(float(audio.get("Duration", "-1")), seconds_of(mine["Length:"]),
                                          0.0015 if exact else 0.03, 0 if exact else 0.02))


# --- MIDI: files written here, whose facts are known ---

def vlq(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.append(0x80 | (n & 0x7F))
        n >>= 7
    return bytes(reversed(out))


def mtrk(events):
    data = b"".join(vlq(d) + e for d, e in events) + b"\x00\xff\x2f\x00"
    return b"MTrk" + struct.pack(">I", len(data)) + data


def tempo(us):
    return b"\xff\x51\x03" + us.to_bytes(3, "big")


def notes(count, step, running=True):
    events = []
    for k in range(count):
        key = 60 + k % 12
        events.append((0 if k == 0 else step, bytes([0x90, key, 100])))
        events.append((step, bytes([key, 0]) if running else bytes([0x80, key, 0])))
    return events


def check_midi(folder):
    cases = []  # (name, bytes, expected fields)
    # Format 0: one track, tempo changes half way.
    track = [(0, b"\xff\x03\x09First One"), (0, tempo(500000))] + notes(8, 240) + [(0, tempo(400000))] \
        + notes(8, 240)
    # Fifteen steps of 240 ticks (480 to the quarter) at 0.5 s a quarter, then fifteen at 0.4 s.
    seconds0 = 15 * 240 / 480 * 0.5 + 15 * 240 / 480 * 0.4
    cases.append(("f0.mid", b"MThd" + struct.pack(">IHHH", 6, 0, 1, 480) + mtrk(track),
                  {"Format:": "Format 0 (single track)", "Tracks:": "1 Track", "Title:": "First One",
                   "Division:": "480 Ticks per quarter note", "Tempo:": "120 BPM (1 change)"}, seconds0))
    # Format 1: a tempo track with three changes and two note tracks of different lengths.
    tempo_track = [(0, tempo(600000)), (960, tempo(300000)), (960, tempo(300000)), (960, tempo(1000000)),
                   (0, b"\xff\x03\x05Tempo")]
    long_track = notes(24, 160, running=False)
    cases.append(("f1.mid", b"MThd" + struct.pack(">IHHH", 6, 1, 3, 96) + mtrk(tempo_track)
                  + mtrk(notes(4, 96)) + mtrk(long_track),
                  {"Format:": "Format 1 (multiple tracks)", "Tracks:": "3 Tracks",
                   "Division:": "96 Ticks per quarter note", "Tempo:": "100 BPM (2 changes)"},
                  None))
    # 47 steps of 160 ticks = 7520 ticks: 960 at 0.6, 1920 at 0.3, the rest at 1.0 s per quarter.
    cases[-1] = cases[-1][:3] + ((960 * 0.6 + 1920 * 0.3 + (47 * 160 - 2880) * 1.0) / 96,)
    # SMPTE timing: 25 frames of 40 ticks, so 1000 ticks a second.
    cases.append(("smpte.mid", b"MThd" + struct.pack(">IHHBB", 6, 0, 1, 256 - 25, 40)
                  + mtrk(notes(10, 150)),
                  {"Division:": "25 fps, 40 Ticks per frame", "Tracks:": "1 Track"}, 19 * 150 / 1000))
    # The same format 1 file inside a RIFF MIDI file.
    body = cases[1][1]
    rmid = b"RIFF" + struct.pack("<I", 4 + 8 + len(body)) + b"RMIDdata" + struct.pack("<I", len(body)) + body
    cases.append(("f1.rmi", rmid, dict(cases[1][2], **{"File type:": "RIFF MIDI Sequence"}), cases[1][3]))
    # Cut short in the middle of the second track: what was read, and the note.
    whole = cases[1][1]
    cases.append(("cut.mid", whole[:len(whole) - 40], {"Tracks:": "3 Tracks",
                  "Note:": "The file is damaged or incomplete; the values shown are those that could be read."},
                  None))
    paths = []
    for name, data, _, _ in cases:
        path = os.path.join(folder, name)
        with open(path, "wb") as out:
            out.write(data)
        paths.append(path)
    ours = cli_fields("mediainfo", paths)
    reference = mediainfo_json(paths)
    for (name, _, expected, seconds), path in zip(cases, paths):
        mine = ours[path]
        for label, text in expected.items():
            check(f"{label} of {name}", text, mine.get(label))
        if seconds is not None:
            check(f"length of {name} ({seconds:.3f} s, ours {mine.get('Length:')})", True,
                  "Length:" in mine and close(seconds, seconds_of(mine["Length:"]), 0.0011, 0))
        check(f"mediainfo also takes {name} for MIDI", True,
              track_of(reference.get(path, []), "General").get("Format") in ("MIDI", "RIFF MIDI"))


# --- video against ffprobe ---

VIDEOS = [
    # name, size, rate, seconds, ffmpeg output options
    ("mpeg4.avi", "160x120", "25", 2, ["-c:v", "mpeg4"]),
    ("mjpeg.avi", "320x240", "30000/1001", 1.5, ["-c:v", "mjpeg", "-q:v", "10"]),
    ("raw.avi", "64x48", "15", 1, ["-c:v", "rawvideo", "-pix_fmt", "bgr24"]),
    ("mpeg1.mpg", "352x240", "30000/1001", 3, ["-c:v", "mpeg1video", "-f", "mpeg"]),
    ("mpeg1_av.mpg", "176x144", "25", 2.4, ["-c:v", "mpeg1video", "-c:a", "mp2", "-f", "mpeg"]),
    ("mpeg2.mpg", "720x576", "25", 1.2, ["-c:v", "mpeg2video", "-c:a", "mp2", "-f", "vob"]),
    ("mpeg2_24.mpg", "320x180", "24000/1001", 2, ["-c:v", "mpeg2video", "-bf", "2", "-f", "vob"]),
    ("es1.mpg", "192x144", "24", 1, ["-c:v", "mpeg1video", "-f", "mpeg1video"]),
    ("es2.mpg", "480x272", "50", 1, ["-c:v", "mpeg2video", "-f", "mpeg2video"]),
    ("mjpeg.mov", "320x240", "24", 1.5, ["-c:v", "mjpeg", "-q:v", "10"]),
    ("mpeg4.mov", "256x144", "30", 2, ["-c:v", "mpeg4", "-c:a", "aac", "-movflags", "+faststart"]),
    ("late_moov.mov", "128x96", "12", 3, ["-c:v", "mpeg4"]),
    ("h264.mov", "200x150", "25", 1, ["-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p"]),
]


def check_video(folder):
    paths = []
    for name, size, rate, seconds, options in VIDEOS:
        path = os.path.join(folder, name)
        args = ["ffmpeg", "-v", "error", "-y", "-f", "lavfi", "-i", f"testsrc=size={size}:rate={rate}"]
        if "-c:a" in options:
            args += ["-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100"]
        args += ["-t", str(seconds)] + options + [path]
        if run(args).returncode != 0:
            if "libx264" in options:
                continue  # an ffmpeg without that encoder
            check(f"ffmpeg makes {name}", True, False)
            continue
        paths.append(path)
    ours = cli_fields("mediainfo", paths)
    for path in paths:
        name = os.path.basename(path)
        probe = json.loads(run(["ffprobe", "-v", "error", "-count_frames", "-select_streams", "v:0",
                                "-show_entries", "stream=width,height,nb_read_frames,r_frame_rate:format=duration",
                                "-of", "json", path]).stdout)
        stream = probe["streams"][0]
        mine = ours[path]
        check(f"frame size of {name}", f"{stream['width']} x {stream['height']} Pixels", mine.get("Frame Size:"))
        frames = int(stream["nb_read_frames"])
        check(f"frames of {name}", f"{frames} Frames", mine.get("Frames:"))
        num, _, den = stream["r_frame_rate"].partition("/")
        fps = int(num) / int(den or 1)
        mine_fps = float(mine.get("Frame Rate:", "0 fps").split(" ")[0])
        check(f"frame rate of {name} ({fps:.3f}, ours {mine_fps})", True, close(fps, mine_fps, 0.006, 0))
        # Our length is the frames at the frame rate; a container's own may differ by a frame.
        # A bare video stream has none, and ffprobe guesses one from its bit rate.
        container = probe.get("format", {}).get("duration")
        length = frames / fps if name.startswith("es") or container is None else float(container)
        check(f"length of {name} ({length} s, ours {mine.get('Length:')})", True,
              "Length:" in mine and close(length, seconds_of(mine["Length:"]), 2.0 / fps + 0.002, 0.01))
        check(f"no damage note for {name}", None, mine.get("Note:"))


def main():
    with tempfile.TemporaryDirectory(prefix="bw_media_") as folder:
        real = check_mp3(folder)
        check_mp3_info(folder, real)
        check_wave(folder)
        check_midi(folder)
        check_video(folder)
    print(f"{passed} passed, {failed} failed")
    return 0 if failed == 0 and passed > 0 else 1


if __name__ == "__main__":
    sys.exit(main())
