#!/usr/bin/python3
"""Synthesises the nine sound clips: 16-bit PCM mono WAV at 22050 Hz."""
import math, os, random, struct, sys, wave

OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "data", "sonidos")
RATE = 22050


def note(freq, dur, vol=1.0, attack=0.005, decay=6.0, shape="sine", glide=0.0):
    """One note with a fast attack and an exponential decay; glide bends the pitch (octaves over the note)."""
    n = int(dur * RATE)
    out, phase = [], 0.0
    for i in range(n):
        t = i / RATE
        f = freq * (2.0 ** (glide * t / dur))
        phase += 2 * math.pi * f / RATE
        if shape == "sine":
            s = math.sin(phase) + 0.25 * math.sin(2 * phase) + 0.1 * math.sin(3 * phase)
        elif shape == "triangle":
            s = 2 / math.pi * math.asin(math.sin(phase))
        else:  # soft marimba: fundamental plus a quickly fading fourth harmonic
            s = math.sin(phase) + 0.4 * math.sin(4 * phase) * math.exp(-t * 40)
        env = min(1.0, t / attack) * math.exp(-decay * t)
        out.append(s * env * vol)
    # short fade-out so no clip ends with a click
    fade = min(n, int(0.01 * RATE))
    for i in range(fade):
        out[n - 1 - i] *= i / fade
    return out


def silence(dur):
    return [0.0] * int(dur * RATE)


def seq(*parts):
    out = []
    for p in parts:
        out.extend(p)
    return out


def mix(a, b, offset=0.0):
    start = int(offset * RATE)
    out = list(a) + [0.0] * max(0, start + len(b) - len(a))
    for i, v in enumerate(b):
        out[start + i] += v
    return out


def noise_sweep(dur, vol):
    rnd = random.Random(7)
    n = int(dur * RATE)
    out, y = [], 0.0
    for i in range(n):
        t = i / n
        a = 0.02 + 0.25 * math.sin(math.pi * t)  # low-pass coefficient opens and closes: a soft whoosh
        y += a * (rnd.uniform(-1, 1) - y)
        out.append(y * vol * math.sin(math.pi * t))
    return out


C5, D5, E5, F5, G5, A5, C6, E6, G4, E4 = 523.25, 587.33, 659.25, 698.46, 783.99, 880.0, 1046.5, 1318.5, 392.0, 329.63

CLIPS = {
    # a rising fourth, D then G: not the first note of the right-answer jingle
    "operacion.wav": lambda: mix(note(D5, 0.22, decay=9), note(G5, 0.25, decay=9), 0.07),
    "num.wav": lambda: note(E5, 0.16, shape="marimba", decay=18),
    "pulsa.wav": lambda: note(1200, 0.06, shape="marimba", decay=50, glide=0.5),
    "pulsa-.wav": lambda: note(900, 0.06, shape="marimba", decay=50, glide=-0.5),
    "acierto.wav": lambda: mix(mix(mix(note(C5, 0.5, decay=5), note(E5, 0.5, decay=5), 0.12),
                                   note(G5, 0.5, decay=5), 0.24), note(C6, 0.9, decay=3.5), 0.36),
    "fallo.wav": lambda: seq(note(G4, 0.22, vol=0.7, shape="triangle", decay=5, attack=0.02),
                             note(E4, 0.35, vol=0.7, shape="triangle", decay=5, attack=0.02)),
    "corre.wav": lambda: seq(*[seq(note(f, 0.07, shape="marimba", decay=30), silence(0.02))
                               for f in (C5, E5, C5, G5)]),
    "historial.wav": lambda: mix(note(A5, 0.4, decay=7), note(E6, 0.3, vol=0.4, decay=10), 0.05),
    "fondo.wav": lambda: mix(noise_sweep(0.35, 0.9), note(D5, 0.35, vol=0.35, decay=6, glide=1.0)),
}


def loudness(samples):
    """Loudness in dB of full scale: the mean power of the 50 ms windows that are
    within 20 dB of the loudest one, so a clip's silent tail does not count."""
    win = int(0.05 * RATE)
    powers = [sum(v * v for v in samples[i:i + win]) / len(samples[i:i + win]) for i in range(0, len(samples), win)]
    top = max(powers)
    kept = [p for p in powers if p >= top / 100]
    return 10 * math.log10(sum(kept) / len(kept))


# Every clip at the same loudness, but for the wrong-answer clip, which is softer
# than the right-answer one: a mistake is told, not shouted.
TARGET = -17.0
SOFTER = {"fallo.wav": 4.5}


def write(path, samples, target):
    gain = 10 ** ((target - loudness(samples)) / 20)
    peak = max(abs(s) for s in samples) * gain
    if peak > 0.97:  # never clipped
        gain *= 0.97 / peak
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", int(round(s * gain * 32767))) for s in samples))


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, make in CLIPS.items():
        write(os.path.join(OUT, name), make(), TARGET - SOFTER.get(name, 0.0))


if __name__ == "__main__":
    main()
