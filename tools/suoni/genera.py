#!/usr/bin/env python3
"""Writes the success and failure sounds into assets/files/suoni/si and /no (16-bit PCM mono, 44100 Hz).
Standard library only. Run: python3 tools/suoni/genera.py"""
import math
import os
import struct
import wave

RATE = 44100
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets", "files", "suoni")


def freq(note):
    """Note name such as 'C5', 'F#4' -> Hz."""
    names = {"C": 0, "C#": 1, "D": 2, "D#": 3, "E": 4, "F": 5, "F#": 6, "G": 7, "G#": 8, "A": 9, "A#": 10, "B": 11}
    semis = names[note[:-1]] + 12 * (int(note[-1]) + 1)
    return 440.0 * 2 ** ((semis - 69) / 12)


def silence(seconds):
    return [0.0] * int(seconds * RATE)


def add(buffer, start, samples, gain=1.0):
    i0 = int(start * RATE)
    need = i0 + len(samples)
    if need > len(buffer):
        buffer.extend([0.0] * (need - len(buffer)))
    for i, s in enumerate(samples):
        buffer[i0 + i] += gain * s


def tone(f, seconds, partials, decay, attack=0.01, vibrato=0.0, glide=0.0):
    """partials = [(ratio, amplitude, extra decay per second)], decay = per second; glide = end/start - 1."""
    n = int(seconds * RATE)
    out = []
    phase = [0.0] * len(partials)
    for i in range(n):
        t = i / RATE
        env = math.exp(-decay * t)
        if t < attack:                         # raised-cosine attack: no click
            env *= 0.5 - 0.5 * math.cos(math.pi * t / attack)
        f_now = f * (1 + glide * t / seconds) * (1 + vibrato * math.sin(2 * math.pi * 5.5 * t))
        s = 0.0
        for k, (ratio, amp, extra) in enumerate(partials):
            phase[k] += 2 * math.pi * f_now * ratio / RATE
            s += amp * math.exp(-extra * t) * math.sin(phase[k])
        out.append(env * s)
    return out


BELL = [(1, 1.0, 0), (2.0, 0.35, 3), (2.76, 0.25, 6), (5.4, 0.12, 12)]
MARIMBA = [(1, 1.0, 0), (3.93, 0.3, 25), (9.0, 0.06, 40)]
BRASS = [(1, 1.0, 0), (2, 0.6, 0), (3, 0.35, 0), (4, 0.2, 0), (5, 0.1, 0)]
SOFT = [(1, 1.0, 0), (2, 0.18, 2), (3, 0.05, 4)]
WOOD = [(1, 1.0, 0), (2.4, 0.25, 30)]


def finish(samples, peak, fade=0.04):
    """Fades the tail out, then scales to the given peak (0..1)."""
    n = len(samples)
    k = int(fade * RATE)
    for i in range(k):
        samples[n - k + i] *= 0.5 + 0.5 * math.cos(math.pi * i / k)
    top = max(abs(s) for s in samples) or 1.0
    return [s * peak / top for s in samples]


def chimes():                 # rising chimes
    b = silence(1.0)
    for i, note in enumerate(("C6", "E6", "G6", "C7")):
        add(b, 0.11 * i, tone(freq(note), 1.0 - 0.11 * i, BELL, 4.0, attack=0.004), 0.8)
    return b


def fanfare():                # ta-ta-taaa
    b = silence(0.95)
    for start, note, dur in ((0.0, "G4", 0.13), (0.15, "G4", 0.13), (0.30, "C5", 0.6)):
        add(b, start, finish(tone(freq(note), dur, BRASS, 1.5, attack=0.02, vibrato=0.004 if dur > 0.3 else 0),
                             1.0, fade=0.05))
        add(b, start, finish(tone(freq(note) * 1.26, dur, BRASS, 1.5, attack=0.02), 0.5, fade=0.05))
    return b


def marimba():                # quick arpeggio up
    b = silence(0.9)
    for i, note in enumerate(("C5", "E5", "G5", "C6", "E6")):
        add(b, 0.075 * i, tone(freq(note), 0.5, MARIMBA, 7.0, attack=0.003))
    return b


def tada():                   # a short chord, then a bright held one
    b = silence(1.15)
    for note in ("G4", "B4", "D5"):
        add(b, 0.0, finish(tone(freq(note), 0.14, BRASS, 2.0, attack=0.015), 0.7, fade=0.04))
    for note in ("C5", "E5", "G5", "C6"):
        add(b, 0.18, tone(freq(note), 0.97, BRASS, 2.2, attack=0.03, vibrato=0.003))
    return b


def sparkle():                # twinkling notes running up
    b = silence(0.8)
    for i, note in enumerate(("G5", "C6", "D6", "E6", "G6", "C7")):
        add(b, 0.06 * i, tone(freq(note), 0.45, BELL, 8.0, attack=0.003), 0.7)
    return b


def oh_oh():                  # soft falling two notes
    b = silence(0.7)
    add(b, 0.0, finish(tone(freq("E4"), 0.28, SOFT, 2.0, attack=0.04), 1.0, fade=0.08))
    add(b, 0.3, tone(freq("C4"), 0.4, SOFT, 3.0, attack=0.04, glide=-0.03))
    return b


def wood():                   # two soft wooden knocks, the second lower
    b = silence(0.4)
    add(b, 0.0, tone(700, 0.18, WOOD, 28.0, attack=0.002, glide=-0.1))
    add(b, 0.16, tone(560, 0.22, WOOD, 24.0, attack=0.002, glide=-0.1))
    return b


def hmm():                    # a gentle low "hmm" gliding down
    return tone(330, 0.6, SOFT, 2.5, attack=0.06, glide=-0.2, vibrato=0.003)


def write(path, samples, peak):
    samples = finish(list(samples), peak)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", int(round(s * 32767))) for s in samples))


def main():
    # the failure sounds are kept quieter than the success ones
    for folder, sounds in (("si", ((chimes, 0.5), (fanfare, 0.45), (marimba, 0.5), (tada, 0.5), (sparkle, 0.5))),
                           ("no", ((oh_oh, 0.26), (wood, 0.4), (hmm, 0.26)))):
        os.makedirs(os.path.join(OUT, folder), exist_ok=True)
        for i, (make, peak) in enumerate(sounds, 1):
            write(os.path.join(OUT, folder, "%d.wav" % i), make(), peak)


if __name__ == "__main__":
    main()
