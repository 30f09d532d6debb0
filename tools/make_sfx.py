#!/usr/bin/python3
"""Synthesises every sound of Quorvel Bees into data/sfx/ as 16-bit mono WAV files.

Run from anywhere with Python 3 (standard library only):

    python3 tools/make_sfx.py

Each file starts and ends in silence, peaks well below full scale and has no offset; two runs write the
same bytes. The two loops (the swarm's buzz and the rustle of a drag) are played over and over.
"""
import math
import os
import struct
import wave

RATE = 22050
PEAK = 0.7  # of full scale
ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def noise(n, seed, smooth):
    """Deterministic noise from a linear congruential generator, low-passed by a one-pole filter."""
    out, state, low = [], seed, 0.0
    for _ in range(n):
        state = (state * 1103515245 + 12345) % 2147483648
        low += smooth * ((state / 1073741824.0 - 1.0) - low)
        out.append(low)
    return out


def tone(length, freqs, decay=0.0, glide=1.0, vibrato=0.0):
    """Sum of sines (frequency, weight), gliding by a factor over the length, dying away at `decay`/s."""
    n = int(length * RATE)
    out, phases = [], [0.0] * len(freqs)
    for i in range(n):
        t = i / RATE
        bend = glide ** (t / length) * (1.0 + vibrato * math.sin(2 * math.pi * 6.0 * t))
        v = 0.0
        for k, (f, w) in enumerate(freqs):
            phases[k] += 2 * math.pi * f * bend / RATE
            v += w * math.sin(phases[k])
        out.append(v * math.exp(-decay * t))
    return out


def finish(samples, fade=0.01):
    """No offset, fades into silence at both ends, the loudest sample at PEAK."""
    mean = sum(samples) / len(samples)
    samples = [s - mean for s in samples]
    n, f = len(samples), max(1, int(fade * RATE))
    for i in range(min(f, n)):
        samples[i] *= i / f
        samples[n - 1 - i] *= i / f
    top = max(abs(s) for s in samples) or 1.0
    return [s * PEAK / top for s in samples]


def mix(*parts):
    n = max(len(p) for p in parts)
    return [sum(p[i] for p in parts if i < len(p)) for i in range(n)]


def later(seconds, samples):
    return [0.0] * int(seconds * RATE) + samples


def gain(g, samples):
    return [g * s for s in samples]


def sounds():
    bell = [(1.0, 1.0), (2.76, 0.3), (5.4, 0.1)]  # partials of a small bell
    chime = lambda f, length=0.5: tone(length, [(f * p, w) for p, w in bell], decay=7.0)
    return {
        # a bee home: a soft high chime
        "home": gain(0.6, finish(chime(1320, 0.35))),
        # a bee stung: a short rasp falling away
        "sting": finish(mix(tone(0.25, [(520, 1.0), (1040, 0.5), (1560, 0.3)], decay=12, glide=0.4),
                            gain(0.3, noise(int(0.25 * RATE), 7, 0.5)))),
        # a drag starting: a breath of air
        "drag": gain(0.7, finish([s * math.sin(math.pi * i / (0.18 * RATE)) for i, s in enumerate(noise(int(0.18 * RATE), 11, 0.15))])),
        # the drag going on: a rustle, looped
        "rustle": gain(0.35, finish(noise(int(1.5 * RATE), 23, 0.08), fade=0.02)),
        # a flower wilting: a sigh falling an octave
        "wilt": gain(0.7, finish(tone(0.5, [(480, 1.0), (960, 0.2)], decay=3, glide=0.5))),
        # the level over: three rising notes
        "end": finish(mix(chime(523), later(0.12, chime(659)), later(0.24, chime(784, 0.6)))),
        # the medals on the results card: daisy, violet, tulip, each a step higher
        "medal1": finish(chime(784, 0.6)),
        "medal2": finish(chime(988, 0.6)),
        "medal3": finish(chime(1175, 0.7)),
        # a level tile picked: a tick
        "pick": gain(0.6, finish(tone(0.06, [(1500, 1.0)], decay=60), fade=0.003)),
        # the go button: a pop rising
        "go": finish(tone(0.2, [(300, 1.0), (600, 0.4)], decay=8, glide=3.0)),
        # the go button pressed on a closed level: two low knocks
        "locked": gain(0.8, finish(mix(tone(0.09, [(180, 1.0), (360, 0.3)], decay=40),
                                       later(0.11, tone(0.09, [(160, 1.0), (320, 0.3)], decay=40))), fade=0.003)),
        # a press that catches no flower, or a wilted one: a soft low blip
        "miss": gain(0.5, finish(tone(0.1, [(260, 1.0)], decay=30, glide=0.8), fade=0.004)),
        # the swarm: a low buzz with a slow wobble, looped; the game sets its loudness
        "buzz": gain(0.5, finish(tone(2.0, [(150, 1.0), (300, 0.6), (450, 0.4), (600, 0.2)], vibrato=0.02), fade=0.03)),
    }


def main():
    out = os.path.join(ROOT, "data", "sfx")
    os.makedirs(out, exist_ok=True)
    for name, samples in sorted(sounds().items()):
        with wave.open(os.path.join(out, name + ".wav"), "wb") as w:
            w.setnchannels(1)
            w.setsampwidth(2)
            w.setframerate(RATE)
            w.writeframes(b"".join(struct.pack("<h", int(round(s * 32767))) for s in samples))
    print("wrote %d sounds to %s" % (len(sounds()), out))


if __name__ == "__main__":
    main()
